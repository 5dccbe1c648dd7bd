#pragma once
// Records the busy notices and texts a cookbook step shows, and how many notices still show.
#include <memory>
#include <string>
#include <vector>

#include "database/BusyNotice.h"

class CRecordedNotice : public CBusyNotice
{
public:
    explicit CRecordedNotice(const char* text)
    {
        SetText(text);
        ++Showing();
    }
    ~CRecordedNotice() override { --Showing(); }

    void SetText(const char* text) override { Shown().push_back(text); }

    static std::unique_ptr<CBusyNotice> Make(const char* text)
    {
        return std::unique_ptr<CBusyNotice>(new CRecordedNotice(text));
    }
    static std::vector<std::string>& Shown()
    {
        static std::vector<std::string> shown;
        return shown;
    }
    static int& Showing()
    {
        static int showing = 0;
        return showing;
    }
};

// Installs the recorder while it lives.
class CNoticeRecording
{
public:
    CNoticeRecording() : m_previous(CBusyNotice::Install(&CRecordedNotice::Make)) { CRecordedNotice::Shown().clear(); }
    ~CNoticeRecording() { CBusyNotice::Install(m_previous); }
    CNoticeRecording(const CNoticeRecording&) = delete;
    CNoticeRecording& operator=(const CNoticeRecording&) = delete;

private:
    CBusyNotice::Maker m_previous;
};

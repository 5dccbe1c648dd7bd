#pragma once

#include <memory>

// Tells the user that a long cookbook step runs, for as long as the notice lives: a status
// text and the wait cursor. The database layer has no windows, so the shell installs the
// maker of notices that show them; with none installed (tools, tests) a notice shows nothing.
class CBusyNotice
{
public:
    typedef std::unique_ptr<CBusyNotice> (*Maker)(const char* text);

    virtual ~CBusyNotice() = default;
    CBusyNotice(const CBusyNotice&) = delete;
    CBusyNotice& operator=(const CBusyNotice&) = delete;

    // Returns the maker it replaces (null for none).
    static Maker Install(Maker maker);
    static std::unique_ptr<CBusyNotice> Show(const char* text);

    // A new text for the step now running.
    virtual void SetText(const char* /*text*/) {}

protected:
    CBusyNotice() = default;
};

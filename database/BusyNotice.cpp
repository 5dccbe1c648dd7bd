#include "database/BusyNotice.h"

namespace {
CBusyNotice::Maker s_maker = nullptr;
}

CBusyNotice::Maker CBusyNotice::Install(Maker maker)
{
    const Maker previous = s_maker;
    s_maker = maker;
    return previous;
}

std::unique_ptr<CBusyNotice> CBusyNotice::Show(const char* text)
{
    if (s_maker != nullptr)
        return s_maker(text);
    return std::unique_ptr<CBusyNotice>(new CBusyNotice);
}

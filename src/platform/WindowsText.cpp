#include "platform/WindowsText.h"

#include <windows.h>

namespace morva::platform {

std::wstring widen(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), needed);
    return out;
}

namespace {

bool toAnsi(std::wstring_view text, std::string* out, bool strict)
{
    out->clear();
    if (text.empty())
        return true;
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = strict ? &usedDefault : nullptr;
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, usedDefaultOut);
    if (needed <= 0 || usedDefault)
        return false;
    out->resize(static_cast<std::size_t>(needed));
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, out->data(), needed, nullptr, nullptr);
    return true;
}

} // namespace

bool narrow(std::wstring_view text, std::string* out)
{
    return toAnsi(text, out, true);
}

std::string narrowLossy(std::wstring_view text)
{
    std::string out;
    toAnsi(text, &out, false);
    return out;
}

} // namespace morva::platform

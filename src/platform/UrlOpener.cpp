#include "platform/UrlOpener.h"

#include <string_view>

namespace morva::platform {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

bool isOpenableUrl(const std::string& url)
{
    std::size_t schemeLength = 0;
    for (std::string_view scheme : {"http://", "https://", "mailto:"})
        if (startsWithNoCase(url, scheme))
            schemeLength = scheme.size();
    if (schemeLength == 0 || url.size() == schemeLength)
        return false;
    for (unsigned char c : url)
        if (c <= 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace morva::platform

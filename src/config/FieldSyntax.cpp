#include "config/FieldSyntax.h"

#include "config/IpNetwork.h"

#include <cctype>

namespace morva::config {

std::optional<std::string> normalizeIpEntry(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    const IpNetwork network = IpNetwork::parse(text);
    if (!network.isValid())
        return std::nullopt;
    const int full = network.kind == IpNetwork::Kind::IPv4 ? 32 : 128;
    if (network.prefixLength < 0 || network.prefixLength > full)
        return std::nullopt;
    return network.toString();
}

bool isValidIpAddressField(std::string_view text, bool emptyAllowed)
{
    if (text.empty())
        return emptyAllowed;
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        const std::string_view part = text.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (part.empty() || part.size() > 3)
            return false;
        int value = 0;
        for (char c : part) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > 255)
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

bool isValidHostName(std::string_view text)
{
    if (text.empty() || text.size() > 253)
        return false;
    int labels = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        const std::string_view label = text.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        for (char c : label)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
                return false;
        ++labels;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return labels >= 2;
}

} // namespace morva::config

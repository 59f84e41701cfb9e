#include "platform/RegionalLanguage.h"

#include <cstdlib>

namespace morva::platform {

namespace {

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

} // namespace

std::string regionalCodeForLocale(std::string_view locale)
{
    // language[_territory][.codeset][@modifier]
    const auto end = locale.find_first_of(".@");
    const std::string name = lower(locale.substr(0, end));
    const auto underscore = name.find('_');
    const std::string language = name.substr(0, underscore);
    const std::string territory =
        underscore == std::string::npos ? std::string() : name.substr(underscore + 1);

    if (language == "de") {
        if (territory.empty() || territory == "de")
            return "DEU";
        if (territory == "ch")
            return "DES";
        if (territory == "at")
            return "DEA";
    } else if (language == "fr") {
        if (territory.empty() || territory == "fr")
            return "FRA";
        if (territory == "ch")
            return "FRS";
        if (territory == "ca")
            return "FRC";
        if (territory == "be")
            return "FRB";
    } else if (language == "it") {
        return "ITA";
    } else if (language == "es") {
        if (territory == "es")
            return "ESP";
        if (territory == "mx")
            return "ESM";
        return "ESN";
    }
    return "ENG";
}

std::string messagesLocaleFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

} // namespace morva::platform

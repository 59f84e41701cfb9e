#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace morva::platform {

// The user's regional language as a three-letter code of the kind the
// console's language table knows ("DEU", "DES", "FRC", "ESM", ...; "ENG"
// for anything it has no language for). On Windows it comes from the user's
// international settings; on POSIX from the locale.
class RegionalLanguage
{
public:
    virtual ~RegionalLanguage() = default;
    virtual std::string languageCode() = 0;
};

// The backend of this machine; each backend's source file defines it.
std::unique_ptr<RegionalLanguage> makeSystemRegionalLanguage();

// Maps a POSIX locale name ("de_CH.UTF-8", "fr_CA@euro", "es") to a code:
// de_DE DEU, de_CH DES, de_AT DEA, fr_FR FRA, fr_CH FRS, fr_CA FRC,
// fr_BE FRB, it (any territory) ITA, es_ES ESP, es_MX ESM, other es ESN.
// A bare "de" or "fr" counts as its home country (DEU, FRA); every other
// name, also "C" and "POSIX", gives "ENG". Case-insensitive. Pure.
std::string regionalCodeForLocale(std::string_view locale);

// The locale name that decides the messages' language, in the order POSIX
// gives the variables: LC_ALL, then LC_MESSAGES, then LANG; the first that
// is set and not empty. Empty when none is.
std::string messagesLocaleFromEnvironment();

// For tests and defaults: a fixed code.
class FixedRegionalLanguage final : public RegionalLanguage
{
public:
    explicit FixedRegionalLanguage(std::string code) : m_code(std::move(code)) {}
    std::string languageCode() override { return m_code; }
    void setCode(std::string code) { m_code = std::move(code); }

private:
    std::string m_code;
};

} // namespace morva::platform

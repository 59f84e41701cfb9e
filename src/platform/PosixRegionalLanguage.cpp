#include "platform/RegionalLanguage.h"

namespace morva::platform {

namespace {

// Reads the environment on every call, as the console asks twice at most.
class PosixRegionalLanguage final : public RegionalLanguage
{
public:
    std::string languageCode() override
    {
        return regionalCodeForLocale(messagesLocaleFromEnvironment());
    }
};

} // namespace

std::unique_ptr<RegionalLanguage> makeSystemRegionalLanguage()
{
    return std::make_unique<PosixRegionalLanguage>();
}

} // namespace morva::platform

#include "platform/RegionalLanguage.h"
#include "platform/WindowsRegistry.h"

namespace morva::platform {

namespace {

class WindowsRegionalLanguage final : public RegionalLanguage
{
public:
    // The user's "sLanguage" as Windows keeps it ("DEU", "DES", "ENU", ...);
    // the language table decides what it selects.
    std::string languageCode() override
    {
        const auto code =
            readRegistryString(HKEY_CURRENT_USER, "Control Panel\\International", "sLanguage");
        return code && !code->empty() ? *code : std::string("ENG");
    }
};

} // namespace

std::unique_ptr<RegionalLanguage> makeSystemRegionalLanguage()
{
    return std::make_unique<WindowsRegionalLanguage>();
}

} // namespace morva::platform

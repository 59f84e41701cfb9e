#include "platform/AddOnProbe.h"
#include "platform/WindowsRegistry.h"

namespace morva::platform {

namespace {

class WindowsAddOnProbe final : public AddOnProbe
{
public:
    bool junkMailAddOnInstalled() override
    {
        // The add-on may be a 32-bit or a 64-bit program, so its keys may
        // lie in either registry view: look in both.
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            if (valueIsOne("SOFTWARE\\TelvarNetworks\\MORVAFilter\\ContentFilter", "Enabled",
                           view) ||
                valueIsOne("SOFTWARE\\TelvarNetworks\\MORVAFilter", "MORVAFilterPresent", view))
                return true;
        }
        return false;
    }

private:
    static bool valueIsOne(const char* key, const char* value, REGSAM view)
    {
        const auto data = readRegistryDword(HKEY_LOCAL_MACHINE, key, value, view);
        return data && *data == 1;
    }
};

} // namespace

std::unique_ptr<AddOnProbe> makeSystemAddOnProbe()
{
    return std::make_unique<WindowsAddOnProbe>();
}

} // namespace morva::platform

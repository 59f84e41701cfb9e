#include "platform/AddOnProbe.h"

namespace morva::platform {

namespace {

// The add-on is an Exchange component: it never exists on a POSIX system.
class PosixAddOnProbe final : public AddOnProbe
{
public:
    bool junkMailAddOnInstalled() override { return false; }
};

} // namespace

std::unique_ptr<AddOnProbe> makeSystemAddOnProbe()
{
    return std::make_unique<PosixAddOnProbe>();
}

} // namespace morva::platform

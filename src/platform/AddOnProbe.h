#pragma once

#include <memory>

namespace morva::platform {

// Tells whether the Exchange junk-mail add-on (MORVAFilter) is installed on
// this machine. On Windows two registry values say so; elsewhere the add-on
// cannot exist and the probe reports it absent.
class AddOnProbe
{
public:
    virtual ~AddOnProbe() = default;
    virtual bool junkMailAddOnInstalled() = 0;
};

// The backend of this machine; each backend's source file defines it.
std::unique_ptr<AddOnProbe> makeSystemAddOnProbe();

} // namespace morva::platform

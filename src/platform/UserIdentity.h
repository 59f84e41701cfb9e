#pragma once

#include <string>

namespace morva::platform {

// The name of the user this process runs as, and of this machine, as the
// system tells them ("?" when it does not).
std::string currentUserName();
std::string machineName();

} // namespace morva::platform

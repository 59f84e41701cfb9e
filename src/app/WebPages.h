#pragma once

#include "resources/Maker.h"

#include <string>

namespace morva::app {

// The web page a help or home-page command opens; empty for other ids.
std::string webPageFor(int commandId);

} // namespace morva::app

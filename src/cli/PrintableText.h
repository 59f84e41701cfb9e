#pragma once

#include <string>

namespace morva::cli {

// Text from files on its way to a terminal or tab-separated output: control
// characters (tabs and line ends included) become '?', so they can neither
// split a field nor drive the terminal.
std::string printable(std::string text);

} // namespace morva::cli

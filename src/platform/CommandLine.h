#pragma once

#include <string>
#include <vector>

namespace morva::platform {

// The process's arguments (without the program name) in UTF-8, the encoding
// the configuration's texts are stored in. On Windows they are read from the
// system as UTF-16 (GetCommandLineW), so no character is lost to the ANSI
// code page that `argv` would be converted through; elsewhere `argv` is taken
// as given, as a UTF-8 terminal passes it.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// An argument that names a file, in the 8-bit form the file system seam
// takes (Windows: the ANSI code page; elsewhere unchanged). False when the
// path has a character the code page cannot hold.
bool pathFromArgument(const std::string& utf8, std::string* path);

// Standard output and error carry UTF-8 text. On a Windows console they are
// written as UTF-16 so that non-ASCII characters show as such; redirected
// output, and every other system, gets the UTF-8 bytes unchanged.
void useUtf8ConsoleOutput();

} // namespace morva::platform

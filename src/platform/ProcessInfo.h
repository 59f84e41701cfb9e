#pragma once

#include <string>

namespace morva::platform {

// Full path of the running executable ("module file path").
std::string executablePath();

// Directory of `path` with its trailing separator ("C:\\Morva\\" or "/opt/morva/").
std::string directoryOf(const std::string& path);

// The program directory the console and morvactl work in: `override` when
// given, else the environment variable MORVA_PROGRAM_DIR, else the directory
// of the executable. Always ends with the native separator.
std::string resolveProgramDir(const std::string& override = {});

// Appends the native separator unless `dir` already ends with one.
std::string withTrailingSeparator(std::string dir);

} // namespace morva::platform

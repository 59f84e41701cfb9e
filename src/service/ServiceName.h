#pragma once

#include <string>

namespace morva::platform {
class FileSystem;
}

namespace morva::service {

// The name both callers pass when no service-name file says otherwise.
inline constexpr const char* kDefaultServiceName = "Morva";

// The gateway executable the console controls by default: `programDir` +
// "gwcored" + the extension of the console's own file name. A console file
// without an extension (a POSIX build) still means the Windows program
// "gwcored.exe".
std::string defaultExecutablePath(const std::string& programDir,
                                  const std::string& consoleExecutablePath);

// The service-name file beside the executable: its drive, directory and
// base name with the extension "svc".
std::string serviceNameFilePath(const std::string& executablePath);

// The service name for `executablePath`: the bytes "!" (0x21) to "y" (0x79)
// of the service-name file when that file holds 1 to 256 bytes and keeps at
// least one of them; otherwise `defaultName`. Every other byte (blanks, line
// ends, "z" and above) is dropped.
std::string serviceNameFor(platform::FileSystem& fileSystem, const std::string& executablePath,
                           const std::string& defaultName);

} // namespace morva::service

#pragma once

#include "platform/FileSystem.h"

#include <memory>

namespace morva::platform {

// The file system of the machine the program runs on: the POSIX backend on
// Unix-like systems, the Windows backend on Windows. Each backend's source
// file defines this factory; the build picks one of them.
std::unique_ptr<FileSystem> makeSystemFileSystem();

} // namespace morva::platform

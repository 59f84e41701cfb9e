#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <string>

namespace morva::platform {

// Reads `size` bytes from the start of an open file into `bytes` (fewer
// when the file ends first). False with `*error` set when a read fails.
bool readFromStart(File& file, std::uint64_t size, std::string* bytes, FileError* error);

} // namespace morva::platform

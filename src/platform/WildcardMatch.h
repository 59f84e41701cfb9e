#pragma once

#include <string_view>

namespace morva::platform {

// Wildcard match as a directory search does it: '*' matches any run of
// characters, '?' exactly one; ASCII letters compare without case.
bool matchesWildcard(std::string_view name, std::string_view pattern);

} // namespace morva::platform

#pragma once

#include <iosfwd>

namespace morva::config {
class ConfigStore;
}

namespace morva::cli {

// Writes a "warning:" line for every duplicate, covered or unmatchable entry
// of the store's address, host and network lists; returns how many. The
// warnings do not make a configuration fail its check: the gateway runs
// with such lists.
int reportListWarnings(const config::ConfigStore& store, std::ostream& out);

} // namespace morva::cli

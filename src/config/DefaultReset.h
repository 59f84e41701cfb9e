#pragma once

#include <string_view>

namespace morva::config {

class ConfigStore;

// Sets `key` back to its default value; a list loses its items and their
// comments. False (and nothing changed) when the key is not registered or
// already holds its default. The store is not saved.
bool resetToDefault(ConfigStore& store, std::string_view key);

} // namespace morva::config

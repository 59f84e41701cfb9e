#pragma once

#include <string>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

// The message of a failed ConfigStore::save in a language: the general
// "unable to write" text, or, when the save was refused because the file is
// not 8-bit text, the text that names what it holds.
std::string saveFailureText(const config::ConfigStore& store, int languageIndex);

} // namespace morva::confui

#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <windows.h>

namespace morva::platform {

// Small reads and writes of registry values for the Windows backends of the
// shell seams. Key and value names are 8-bit texts (ANSI code page).

// A REG_DWORD value; nullopt when the key or value is missing, cannot be
// read or has another type or size. `view` may add KEY_WOW64_32KEY or
// KEY_WOW64_64KEY.
std::optional<DWORD> readRegistryDword(HKEY root, const std::string& key, const std::string& value,
                                       REGSAM view = 0);

// Stores a REG_DWORD value, creating the key when it is missing.
bool writeRegistryDword(HKEY root, const std::string& key, const std::string& value, DWORD data);

// A REG_SZ (or REG_EXPAND_SZ, unexpanded) value in the ANSI code page;
// nullopt when missing, of another type, or not representable.
std::optional<std::string> readRegistryString(HKEY root, const std::string& key,
                                              const std::string& value);

} // namespace morva::platform

#endif

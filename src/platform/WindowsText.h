#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace morva::platform {

// The console keeps paths, names and registry texts as 8-bit texts in the
// system's ANSI code page, as "Morva.ini" holds them. They become UTF-16 only
// here, at the system-call boundary.
std::wstring widen(std::string_view text);

// UTF-16 back to the ANSI code page. False when some character has no ANSI
// form: such a text could not be given back to the system through the 8-bit
// interface, so callers skip it instead of using a mangled name.
bool narrow(std::wstring_view text, std::string* out);

// Narrows with the code page's default character for unmappable characters
// (for messages and diagnostics only).
std::string narrowLossy(std::wstring_view text);

} // namespace morva::platform

#endif

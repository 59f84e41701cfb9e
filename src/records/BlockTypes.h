#pragma once

#include <cstdint>
#include <string_view>

namespace morva::records {

// The kinds of SMTP block records. The editor offers 0 to 2; the gateway
// also knows 3, and a hand-edited file may hold anything else.
constexpr int kOfferedBlockTypes = 3;

// Text id of the name a stored type shows under: 0 "IP address",
// 1 "Hostname", 2 "MAIL FROM: e-mail address", 3 "MAIL FROM: e-mail
// domain", anything else "Unknown".
std::string_view blockTypeTextId(std::int64_t type);

} // namespace morva::records

#pragma once

#include <string>
#include <string_view>

namespace morva::config {

// What every view of values shows in place of a secret.
inline constexpr std::string_view kMaskedSecret = "********";

// Whether values of `key` hold a secret: the whole value (the outbound
// authentication password) or a part of each list item (the password of an
// authentication user, the key password of an S/MIME certificate entry).
bool holdsSecret(std::string_view key);

// `text` (a value of `key`, or one item of a list key) as it may be shown in
// reviews, histories and exports: the secret part replaced by kMaskedSecret,
// everything else unchanged. Text of keys without secrets comes back as is.
std::string maskSecret(std::string_view key, std::string_view text);

} // namespace morva::config

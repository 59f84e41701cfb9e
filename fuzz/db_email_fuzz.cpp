// The SMTP address check on arbitrary text: no crash, no read past the end,
// and a valid address always has a local part, an "@" and a domain.
#include "db/EmailAddressCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = morva::db::checkEmailAddress(text);
    const int code = static_cast<int>(result);
    if (code < 0 || code > 15 || code == 6)
        std::abort();
    if (result == morva::db::EmailCheck::Valid) {
        const auto at = text.find('@');
        if (at == std::string_view::npos || at == 0 || at + 1 >= text.size())
            std::abort();
    }
    return 0;
}

// Policy list entries: decoding never fails badly, and whatever decodes
// encodes to a text that decodes to the same fields.
#include "confui/policy/PolicyEntryCodec.h"
#include "confui/policy/PolicyList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto fields = morva::confui::decodePolicyEntry(text);
    if (fields) {
        const auto again =
            morva::confui::decodePolicyEntry(morva::confui::encodePolicyEntry(*fields));
        if (!again || *again != *fields)
            std::abort();
    }
    for (const morva::confui::PolicyList& list : morva::confui::policyLists())
        if (auto read = morva::confui::readPolicyEntry(list, text))
            (void)morva::confui::checkPolicyEntry(list, *read);
    return 0;
}

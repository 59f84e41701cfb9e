// The list checks on arbitrary entries (one per line): no fault, at most one
// finding per entry, in order, pointing at entries of the list.
#include "config/ListChecks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void verify(const std::vector<morva::config::ListFinding>& findings, std::size_t count)
{
    std::size_t next = 0;
    for (const auto& finding : findings) {
        if (finding.entry < next || finding.entry >= count || finding.otherEntry >= count)
            std::abort();
        next = finding.entry + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> entries;
    std::vector<morva::config::IpNetwork> networks;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        entries.emplace_back(text.substr(start, end - start));
        networks.push_back(morva::config::IpNetwork::parse(entries.back()));
        start = end + 1;
    }
    using morva::config::ListEntryKind;
    verify(morva::config::checkPatternList(entries, ListEntryKind::Address), entries.size());
    verify(morva::config::checkPatternList(entries, ListEntryKind::Host), entries.size());
    verify(morva::config::checkNetworkList(networks), networks.size());
    return 0;
}

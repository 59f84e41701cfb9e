#pragma once

#include <array>
#include <string_view>

namespace morva::confui {

// The methods of the exclusion options page, in page order; each has a
// white-list switch InboundAddressWhiteListExcl<method> and a global one
// InboundGlobalExcl<method>.
inline constexpr std::size_t kExclusionMethodCount = 38;
const std::array<std::string_view, kExclusionMethodCount>& exclusionMethods();

// DNSWL answers carry a category 0..15 and a trust level 0..3.
inline constexpr int kDnswlCategoryCount = 16;
inline constexpr int kDnswlTrustLevelCount = 4;

// Default lists offered by "Add &Common" on the exclusion pages.
inline constexpr std::string_view kCommonRecipientExclusions = "common-recipient-exclusions";
inline constexpr std::string_view kWhitelistZones = "whitelist-zones";

// Two public DNS whitelist zones offered for the SLS exclusion.
inline constexpr std::array<std::string_view, 2> kDefaultWhitelistZones = {"list.dnswl.org",
                                                                           "wl.mailspike.net"};

} // namespace morva::confui

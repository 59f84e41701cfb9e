#pragma once

#include <array>
#include <string_view>

namespace morva::confui {

// Names of the default lists in the catalogue.
namespace defaultlist {
constexpr std::string_view kAttachments = "attachments";
constexpr std::string_view kSubjects = "subjects";
constexpr std::string_view kHtml = "html";
constexpr std::string_view kHeaders = "headers";
constexpr std::string_view kCharSets = "charsets";
constexpr std::string_view kHosts = "hosts";
constexpr std::string_view kDomains = "domains";
constexpr std::string_view kBlocklistZones = "blocklist-zones";
} // namespace defaultlist

// DNS blocklist zones offered on the SLS/RBL page; the setup wizard fills
// `SLS` with those of them that pass the host-name test (three of the four:
// the last is offered on the page only).
constexpr std::array<std::string_view, 4> kDefaultBlocklistZones = {
    "zen.spamhaus.org", "bl.spamcop.net", "b.barracudacentral.org", "psbl.surriel.com"};
constexpr std::size_t kWizardBlocklistZoneCount = 3;

} // namespace morva::confui

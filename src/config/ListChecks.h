#pragma once

#include "config/IpNetwork.h"
#include "config/ValueFlag.h"
#include "config/ValueKind.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

// What the entries of a list stand for, which decides how they can overlap.
enum class ListEntryKind
{
    Address, // sender or recipient patterns: "user@example.com", "@example.com", "*x*@example.com"
    Host,    // host names and domains: "mail.example.com", "example.com", "*.example.com"
    Network  // IPv4 and IPv6 networks
};

enum class ListProblem
{
    Duplicate,   // the same entry stands earlier in the list (case ignored)
    Covered,     // an earlier or later entry already matches all this one matches
    EmptyPart,   // an empty domain or label: the entry can never match
    HostBitsSet, // a network with bits set beyond its prefix can never match
    NotANetwork  // a network list item that is no network
};

// One problem of one entry; entries without problems have no finding. For
// Duplicate and Covered `otherEntry` is the index of the entry it repeats
// or that covers it; otherwise it equals `entry`.
struct ListFinding
{
    std::size_t entry = 0;
    ListProblem problem = ListProblem::Duplicate;
    std::size_t otherEntry = 0;

    friend bool operator==(const ListFinding&, const ListFinding&) = default;
};

// The kind of the entries of a list key, or none when its entries are free
// text (subjects, attachments, services) that the checks do not judge.
std::optional<ListEntryKind> listEntryKindOfKey(std::string_view name, ValueKind kind,
                                                ValueFlags flags);

// The checks give at most one finding per entry, ordered by entry index; an
// entry that can never match is reported as such and takes no part in the
// duplicate and cover checks. Plain entries match as the gateway compares
// them: without case, and as a suffix that starts at a label (after "." or
// "@"). Patterns use "*" (any run) and "?" (one character); a pattern with
// "#" is checked for duplicates only. Cost: sorting and hashing, plus one
// wildcard match per pattern and plain entry sharing its literal prefix,
// suffix or an inner literal trigram (whichever is rarest).
std::vector<ListFinding> checkPatternList(const std::vector<std::string>& entries,
                                          ListEntryKind kind);
std::vector<ListFinding> checkNetworkList(const std::vector<IpNetwork>& entries);

} // namespace morva::config

#include "config/ListChecks.h"

namespace morva::config {

std::optional<ListEntryKind> listEntryKindOfKey(std::string_view name, ValueKind kind,
                                                ValueFlags flags)
{
    if (kind == ValueKind::NetList)
        return ListEntryKind::Network;
    // Host and address exclusion lists are the quoted pattern lists whose
    // key names say what they hold.
    constexpr ValueFlags kPatternFlags = ValueFlag::Quoted | ValueFlag::LeadStar;
    if (kind != ValueKind::StringList || flags != kPatternFlags)
        return std::nullopt;
    if (name.ends_with("Host"))
        return ListEntryKind::Host;
    if (name.ends_with("Address"))
        return ListEntryKind::Address;
    return std::nullopt;
}

} // namespace morva::config

#pragma once

#include "config/FileHistory.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

namespace morva::cli {

// The kept versions of one file, one per line (id, time, user, machine,
// source and `countName`'s figure, tab-separated) or as a JSON array whose
// objects also carry the copy's size.
void printHistoryEntries(std::ostream& out, const std::vector<config::HistoryEntry>& entries,
                         std::string_view countName,
                         const std::function<std::int64_t(const config::HistoryEntry&)>& count,
                         bool json);

} // namespace morva::cli

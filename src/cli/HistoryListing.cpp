#include "cli/HistoryListing.h"

#include "cli/JsonText.h"
#include "config/CsvText.h"

#include <string>

namespace morva::cli {

void printHistoryEntries(std::ostream& out, const std::vector<config::HistoryEntry>& entries,
                         std::string_view countName,
                         const std::function<std::int64_t(const config::HistoryEntry&)>& count,
                         bool json)
{
    if (json) {
        out << "[";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto& e = entries[i];
            out << (i ? ",\n " : "\n ") << "{\"id\": " << jsonString(e.id)
                << ", \"time\": " << jsonString(config::localTimeText(e.time))
                << ", \"user\": " << jsonString(e.user)
                << ", \"machine\": " << jsonString(e.machine)
                << ", \"source\": " << jsonString(e.source) << ", \"" << countName
                << "\": " << count(e) << ", \"size\": " << e.size << "}";
        }
        out << (entries.empty() ? "]\n" : "\n]\n");
        return;
    }
    std::string line;
    for (const auto& e : entries) {
        line.clear();
        for (const std::string& field :
             {e.id, config::localTimeText(e.time), e.user, e.machine, e.source}) {
            config::appendTabEscaped(line, field);
            line += '\t';
        }
        line += std::to_string(count(e));
        line += '\n';
        out << line;
    }
}

} // namespace morva::cli

#include "cli/ConfigListWarnings.h"

#include "config/ConfigStore.h"
#include "config/ListChecks.h"

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace morva::cli {

namespace {

using config::ListFinding;
using config::ListProblem;

// An entry as the terminal may show it: quoted, control bytes as \xNN.
std::string shownEntry(std::string_view text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\') {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0F];
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

void writeFinding(std::ostream& out, const std::string& key, const std::vector<std::string>& texts,
                  const ListFinding& finding)
{
    out << "warning: " << key << " item " << finding.entry + 1 << ' '
        << shownEntry(texts[finding.entry]) << ": ";
    const std::string other = "item " + std::to_string(finding.otherEntry + 1) + ' ' +
                              shownEntry(texts[finding.otherEntry]);
    switch (finding.problem) {
    case ListProblem::Duplicate:
        out << "repeats " << other;
        break;
    case ListProblem::Covered:
        out << "already covered by " << other;
        break;
    case ListProblem::EmptyPart:
        out << "has an empty domain or label and never matches";
        break;
    case ListProblem::HostBitsSet:
        out << "has address bits set beyond its prefix and never matches";
        break;
    case ListProblem::NotANetwork:
        out << "is no network address and never matches";
        break;
    }
    out << "\n";
}

} // namespace

int reportListWarnings(const config::ConfigStore& store, std::ostream& out)
{
    int warnings = 0;
    store.forEachEntry([&](const config::ConfigEntry& entry) {
        const auto kind = config::listEntryKindOfKey(entry.name, entry.kind, entry.flags);
        if (!kind)
            return;
        std::vector<ListFinding> findings;
        std::vector<std::string> texts;
        if (const auto* networks = std::get_if<config::NetList>(&entry.value)) {
            findings = config::checkNetworkList(*networks);
            if (!findings.empty()) {
                for (const auto& network : *networks)
                    texts.push_back(network.toString());
            }
        } else if (const auto* items = std::get_if<config::StringList>(&entry.value)) {
            findings = config::checkPatternList(*items, *kind);
            if (!findings.empty())
                texts = *items;
        }
        for (const ListFinding& finding : findings)
            writeFinding(out, entry.name, texts, finding);
        warnings += static_cast<int>(findings.size());
    });
    return warnings;
}

} // namespace morva::cli

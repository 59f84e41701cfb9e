// morvactl config get --json / list --format: values for scripts.
#include "cli/ConfigCommandParts.h"
#include "cli/JsonText.h"
#include "config/ConfigStore.h"
#include "config/CsvText.h"

#include <ostream>
#include <set>

namespace morva::cli {

namespace {

// A value in a tab-separated line: backslash, tab and line ends escaped.
std::string tsvField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    config::appendTabEscaped(out, text);
    return out;
}

void printJsonMember(std::ostream& out, const config::ConfigEntry& entry, bool& first)
{
    out << (first ? "{\n  " : ",\n  ") << jsonString(entry.name) << ": " << jsonValue(entry);
    first = false;
}

void endJsonObject(std::ostream& out, bool first)
{
    out << (first ? "{}\n" : "\n}\n");
}

} // namespace

int configGetJson(Context& context, const config::ConfigStore& store)
{
    std::vector<std::string> keys;
    for (std::size_t i = 1; i < context.args.size(); ++i)
        if (context.args[i] != "--json")
            keys.push_back(context.args[i]);
    if (keys.empty()) {
        context.err << "usage: morvactl config get --json KEY...\n";
        return kExitUsage;
    }
    std::vector<config::ConfigEntry> entries;
    std::set<std::string> seen;
    for (const std::string& key : keys) {
        auto entry = store.find(key);
        if (!entry) {
            context.err << "morvactl: unknown key '" << key << "'\n";
            return kExitUsage;
        }
        if (seen.insert(key).second)
            entries.push_back(std::move(*entry));
    }
    bool first = true;
    for (const config::ConfigEntry& entry : entries)
        printJsonMember(context.out, entry, first);
    endJsonObject(context.out, first);
    return kExitOk;
}

int configListFormatted(Context& context, const config::ConfigStore& store)
{
    bool changedOnly = false;
    bool unknownArgument = false;
    std::string format;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--changed")
            changedOnly = true;
        else if (arg == "--format" && i + 1 < context.args.size())
            format = context.args[++i];
        else if (arg.rfind("--format=", 0) == 0)
            format = arg.substr(9);
        else
            unknownArgument = true;
    }
    if (unknownArgument || (format != "tsv" && format != "json")) {
        context.err << "usage: morvactl config list [--changed] [--format tsv|json]\n";
        return kExitUsage;
    }
    auto& out = context.out;
    bool first = true;
    store.forEachEntry([&](const config::ConfigEntry& entry) {
        if (changedOnly && entry.isDefault())
            return;
        if (format == "json") {
            printJsonMember(out, entry, first);
        } else if (isListKind(entry.kind)) {
            for (const std::string& item : config::listItemTexts(entry.value))
                out << entry.name << '\t' << tsvField(item) << '\n';
        } else {
            out << entry.name << '\t' << tsvField(config::displayText(entry.value)) << '\n';
        }
    });
    if (format == "json")
        endJsonObject(out, first);
    return kExitOk;
}

} // namespace morva::cli

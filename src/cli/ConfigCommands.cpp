// morvactl schema / morvactl config ...: the configuration store from the
// command line, for scripts and for checking a configuration without the GUI.
#include "cli/Commands.h"
#include "cli/ConfigCommandParts.h"
#include "cli/ConfigListWarnings.h"
#include "cli/TransferCommands.h"
#include "config/ConfigLine.h"
#include "config/ConfigStore.h"
#include "config/DefaultReset.h"
#include "config/HistorySetup.h"
#include "config/IntegerText.h"
#include "config/Schema.h"
#include "config/ValueRules.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "platform/UserSettings.h"
#include "resources/Texts.h"

#include <memory>
#include <ostream>
#include <unordered_map>

namespace morva::cli {

namespace {

using config::ConfigEntry;
using config::ConfigStore;
using config::ValueKind;

std::string defaultText(const ConfigEntry& entry)
{
    return isListKind(entry.kind) ? std::string() : config::displayText(entry.defaultValue);
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (auto& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool readsAsTrue(std::string_view value)
{
    return lowerAscii(value) == "true" || (!value.empty() && value[0] == '1');
}

const char* encodingName(config::TextEncoding encoding)
{
    switch (encoding) {
    case config::TextEncoding::EightBit:
        return "8-bit text";
    case config::TextEncoding::Utf16:
        return "UTF-16 text";
    case config::TextEncoding::Binary:
        return "binary data";
    }
    return "unknown data";
}

// A line of the file as the terminal may show it: control bytes as \xNN.
std::string shownLine(std::string_view line)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0F];
        } else {
            shown += c;
        }
    }
    return shown;
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

// The store of the program directory, registered and loaded.
class LoadedConfig
{
public:
    explicit LoadedConfig(const std::string& programDir)
        : m_fileSystem(platform::makeSystemFileSystem()),
          m_store(*m_fileSystem, m_clock, programDir),
          m_history(config::makeProgramHistory(*m_fileSystem, m_clock, programDir,
                                               platform::makeSystemUserSettings().get()))
    {
        config::registerSchema(m_store);
        m_store.setSaveHook(m_history.get());
        m_store.load();
    }

    ConfigStore& store() { return m_store; }
    config::FileHistory& history() { return *m_history; }
    platform::FileSystem& fileSystem() { return *m_fileSystem; }

    // False (with the reason on err) when an existing file could not be read.
    bool readable(std::ostream& err) const
    {
        if (m_store.lastLoadStatus() != config::LoadStatus::Unreadable)
            return true;
        err << "morvactl: cannot read " << m_store.fileName() << ": "
            << platform::fileErrorName(m_store.lastLoadError()) << "\n";
        return false;
    }

    int save(std::ostream& err, const std::string& source = "morvactl config save")
    {
        return finishSave(err, m_store.save({source}));
    }

    // A kept version back in place: a save of its own, kept in turn.
    int restore(std::ostream& err, std::string_view bytes)
    {
        return finishSave(err, m_store.saveText(bytes, {"morvactl config restore"}));
    }

private:
    int finishSave(std::ostream& err, bool saved)
    {
        const std::string& file = m_store.fileName();
        reportHistoryProblem(err);
        if (saved) {
            if (m_store.lastSaveStatus() == config::SaveStatus::SavedNotDurable)
                err << "morvactl: warning: " << file
                    << " was saved, but the system did not confirm that it is durable: "
                    << platform::fileErrorName(m_store.lastSaveError()) << "\n";
            return kExitOk;
        }
        switch (m_store.lastSaveStatus()) {
        case config::SaveStatus::RefusedIncludes:
            err << "morvactl: save refused: the configuration was read from " << file
                << " and its include files\n";
            break;
        case config::SaveStatus::RefusedChanged:
            err << "morvactl: save refused: a configuration file changed on disk since it was "
                   "read\n";
            break;
        case config::SaveStatus::RefusedUnread:
            err << "morvactl: save refused: " << file << " exists but was not read\n";
            break;
        case config::SaveStatus::RefusedEncoding:
            err << "morvactl: save refused: " << file << " holds "
                << encodingName(m_store.textEncoding())
                << ", not 8-bit text; a save would lose its settings\n";
            break;
        default:
            err << "morvactl: cannot write " << file << ": "
                << platform::fileErrorName(m_store.lastSaveError()) << "\n";
            break;
        }
        return kExitFailure;
    }

    void reportHistoryProblem(std::ostream& err)
    {
        switch (m_history->takeUnreportedProblem()) {
        case config::HistoryProblem::None:
            break;
        case config::HistoryProblem::TooLarge:
            err << "morvactl: warning: " << m_store.fileName()
                << " is larger than its history may hold; no copy of it was kept\n";
            break;
        case config::HistoryProblem::WriteFailed:
            err << "morvactl: warning: the history of saves in " << m_history->directory()
                << " could not be written (" << platform::fileErrorName(m_history->problemError())
                << "); the save went on without a copy of the former file\n";
            break;
        }
    }

    platform::SystemClock m_clock;
    std::unique_ptr<platform::FileSystem> m_fileSystem;
    ConfigStore m_store;
    std::unique_ptr<config::FileHistory> m_history;
};

void printValue(std::ostream& out, const ConfigEntry& entry, const char* prefix)
{
    if (isListKind(entry.kind)) {
        for (const auto& item : config::listItemTexts(entry.value))
            out << prefix << item << "\n";
    } else {
        out << prefix << config::displayText(entry.value) << "\n";
    }
}

int unknownKey(Context& context, const std::string& key)
{
    context.err << "morvactl: unknown key '" << key << "'\n";
    return kExitUsage;
}

int usage(Context& context)
{
    context.err << "usage: morvactl config get [--json] KEY... | set KEY [VALUE...] | "
                   "reset KEY... | save | list [--changed] [--format tsv|json] | check | "
                   "find [--language CODE] TEXT... | export-list KEY | "
                   "import-list KEY FILE [--replace] [--dry-run] | "
                   "history [--format tsv|json] | "
                   "diff [ID [ID2]] | diff --against DIR | restore ID\n";
    return kExitUsage;
}

int configRestore(Context& context, LoadedConfig& config)
{
    if (context.args.size() != 2)
        return usage(context);
    std::string bytes;
    if (!config.history().read("Morva.ini", context.args[1], &bytes)) {
        context.err << "morvactl: no kept version " << context.args[1]
                    << " (morvactl config history lists them)\n";
        return kExitFailure;
    }
    return config.restore(context.err, bytes);
}

int configGet(Context& context, LoadedConfig& config)
{
    if (context.args.size() != 2)
        return usage(context);
    const auto entry = config.store().find(context.args[1]);
    if (!entry)
        return unknownKey(context, context.args[1]);
    printValue(context.out, *entry, "");
    return kExitOk;
}

int configSet(Context& context, LoadedConfig& config)
{
    if (context.args.size() < 2)
        return usage(context);
    const std::string& key = context.args[1];
    const auto entry = config.store().find(key);
    if (!entry)
        return unknownKey(context, key);
    const std::vector<std::string> values(context.args.begin() + 2, context.args.end());
    if (!isListKind(entry->kind) && values.size() != 1) {
        context.err << "morvactl: " << key << " takes exactly one value\n";
        return kExitUsage;
    }
    // The console's pages would refuse such a value: nothing is written.
    const config::ValueCheck check = isListKind(entry->kind) ? config::checkListValue(key, values)
                                                             : config::checkValue(key, values[0]);
    if (!check.ok()) {
        context.err << "morvactl: " << key;
        if (isListKind(entry->kind))
            context.err << ", item " << check.item + 1 << " '" << shownLine(values[check.item])
                        << "'";
        context.err << ": " << config::valueCheckMessage(check, English) << "\n";
        return kExitUsage;
    }
    ConfigStore& store = config.store();
    if (isListKind(entry->kind)) {
        store.setList(key, values);
    } else {
        if (entry->kind == ValueKind::Int)
            store.setInt(key, config::parseIntegerText(values[0]));
        else if (entry->kind == ValueKind::Bool)
            store.setBool(key, readsAsTrue(values[0]));
        else
            store.setString(key, values[0]);
    }
    return config.save(context.err, "morvactl config set");
}

// Every key back to its default, in one save; nothing is written when all
// already hold their defaults.
int configReset(Context& context, LoadedConfig& config)
{
    if (context.args.size() < 2)
        return usage(context);
    ConfigStore& store = config.store();
    for (std::size_t i = 1; i < context.args.size(); ++i)
        if (!store.contains(context.args[i]))
            return unknownKey(context, context.args[i]);
    bool changed = false;
    for (std::size_t i = 1; i < context.args.size(); ++i)
        changed = config::resetToDefault(store, context.args[i]) || changed;
    return changed ? config.save(context.err, "morvactl config reset") : kExitOk;
}

bool asksForJson(const Context& context)
{
    for (const std::string& arg : context.args)
        if (arg == "--json")
            return true;
    return false;
}

bool asksForFormat(const Context& context)
{
    for (const std::string& arg : context.args)
        if (arg == "--format" || arg.rfind("--format=", 0) == 0)
            return true;
    return false;
}

int configList(Context& context, LoadedConfig& config)
{
    bool changedOnly = false;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        if (context.args[i] != "--changed")
            return usage(context);
        changedOnly = true;
    }
    config.store().forEachEntry([&](const ConfigEntry& entry) {
        if (changedOnly && entry.isDefault())
            return;
        printValue(context.out, entry, (entry.name + "=").c_str());
    });
    return kExitOk;
}

int configCheck(Context& context, LoadedConfig& config)
{
    ConfigStore& store = config.store();
    auto& out = context.out;
    bool problems = !store.loadedOk() || !store.includesOk();
    out << "file: " << store.fileName() << "\n";
    out << "loaded: " << (store.loadedOk() ? "yes" : "no") << "\n";
    out << "includes: " << (store.includesOk() ? "ok" : "missing") << "\n";
    for (const auto& path : store.includedFiles())
        out << "included: " << path << "\n";
    for (const auto& path : store.missingIncludes())
        out << "missing include: " << path << "\n";

    const config::TextEncoding encoding = store.textEncoding();
    out << "encoding: " << encodingName(encoding);
    if (encoding != config::TextEncoding::EightBit) {
        problems = true;
        out << ": a save is refused; store the file as 8-bit text";
    }
    out << "\n";

    std::unordered_map<std::string, std::string> byLowerName;
    store.forEachEntry(
        [&](const ConfigEntry& entry) { byLowerName.emplace(lowerAscii(entry.name), entry.name); });
    auto suggest = [&](const config::ConfigLine& parsed) {
        const auto match = byLowerName.find(lowerAscii(parsed.key));
        if (parsed.hasKey && match != byLowerName.end())
            out << ": did you mean " << match->second << "?";
    };
    auto reportUnknown = [&](const std::vector<std::string>& lines, const std::string& name) {
        for (const auto& line : lines) {
            const config::ConfigLine parsed = config::parseConfigLine(line, true);
            if (!parsed.hasKey || lowerAscii(parsed.key) == "include")
                continue;
            problems = true;
            out << "unknown line: " << shownLine(line) << " (above " << name << ")";
            suggest(parsed);
            out << "\n";
        }
    };
    // A save writes no key that holds its default value, nor the lines above
    // it, and nothing after the last known key.
    auto reportDropped = [&](const std::vector<std::string>& lines, const std::string& where) {
        for (const auto& line : lines) {
            if (isBlank(line))
                continue;
            problems = true;
            out << "dropped by a save: " << shownLine(line) << " (" << where << ")";
            suggest(config::parseConfigLine(line, true));
            out << "\n";
        }
    };
    store.forEachEntry([&](const ConfigEntry& entry) {
        reportUnknown(entry.leadingLines, entry.name);
        for (const auto& group : entry.linesBeforeItems)
            reportUnknown(group.lines, entry.name);
        if (!entry.isDefault())
            return;
        const std::string where = "above " + entry.name + ", which holds its default value";
        reportDropped(entry.leadingLines, where);
        for (const auto& group : entry.linesBeforeItems)
            reportDropped(group.lines, where);
    });
    reportDropped(store.trailingLines(), "after the last known key");
    reportListWarnings(store, out);
    return problems ? kExitFailure : kExitOk;
}

} // namespace

int runSchemaCommand(Context& context)
{
    if (!context.args.empty()) {
        context.err << "usage: morvactl schema\n";
        return kExitUsage;
    }
    auto fileSystem = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    ConfigStore store(*fileSystem, clock, context.programDir);
    config::registerSchema(store);
    store.forEachEntry([&](const ConfigEntry& entry) {
        context.out << entry.name << '\t' << config::valueKindName(entry.kind) << '\t'
                    << defaultText(entry) << '\t' << config::valueFlagsText(entry.flags) << '\n';
    });
    return kExitOk;
}

int runConfigCommand(Context& context)
{
    if (context.args.empty())
        return usage(context);
    const std::string& command = context.args[0];
    if (command != "get" && command != "set" && command != "save" && command != "list" &&
        command != "check" && command != "reset" && command != "find" && command != "export-list" &&
        command != "import-list" && command != "history" && command != "diff" &&
        command != "restore")
        return usage(context);
    if ((command == "save" || command == "check") && context.args.size() != 1)
        return usage(context);

    LoadedConfig config(context.programDir);
    if (!config.readable(context.err))
        return kExitFailure;
    if (command == "export-list")
        return configExportList(context, config.store());
    if (command == "import-list")
        return configImportList(context, config.store(),
                                [&config, &context] { return config.save(context.err); });
    if (command == "get" && asksForJson(context))
        return configGetJson(context, config.store());
    if (command == "get")
        return configGet(context, config);
    if (command == "reset")
        return configReset(context, config);
    if (command == "find")
        return configFind(context, config.store());
    if (command == "history")
        return configHistory(context, config.history());
    if (command == "diff")
        return configDiff(context, config.fileSystem(), config.store().fileName(),
                          config.history());
    if (command == "restore")
        return configRestore(context, config);
    if (command == "list" && asksForFormat(context))
        return configListFormatted(context, config.store());
    if (command == "set")
        return configSet(context, config);
    if (command == "save")
        return config.save(context.err);
    if (command == "list")
        return configList(context, config);
    return configCheck(context, config);
}

} // namespace morva::cli

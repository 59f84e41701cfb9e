#include "cli/Commands.h"
#include "platform/CommandLine.h"
#include "platform/ProcessInfo.h"
#include "resources/Version.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct CommandEntry
{
    const char* name;
    int (*run)(morva::cli::Context&);
    const char* usage;
};

const CommandEntry kCommands[] = {
    {"schema", morva::cli::runSchemaCommand, "schema"},
    {"config", morva::cli::runConfigCommand,
     "config get [--json] KEY... | set KEY [VALUE...] | reset KEY... | save | "
     "list [--changed] [--format tsv|json] | check | find [--language CODE] TEXT... | "
     "export-list KEY | import-list KEY FILE [--replace] [--dry-run] | "
     "history [--format tsv|json] | diff [ID [ID2]] | diff --against DIR | restore ID"},
    {"records", morva::cli::runRecordsCommand,
     "records list|add|set|delete|export|import|history|restore alias|block|user ... "
     "[--no-wait]"},
    {"log", morva::cli::runLogCommand,
     "log [--follow] [--grep PATTERN]... [--exclude PATTERN]... [--regex] [--thread N] "
     "[--since HH:MM[:SS]] [--file PATH]"},
    {"signal", morva::cli::runSignalCommand, "signal deliver|stat|queue|sendlog|packwl|restart"},
    {"stats", morva::cli::runStatsCommand, "stats"},
    {"service", morva::cli::runServiceCommand,
     "service status|install|start|stop|remove [--exe PATH]"},
};

void printUsage(std::ostream& out)
{
    out << "usage: morvactl [--program-dir DIR] COMMAND ...\n";
    for (const auto& command : kCommands)
        out << "  morvactl " << command.usage << "\n";
}

// --help: every command, the options and the exit codes (the manual page is
// made from this text).
void printHelp(std::ostream& out)
{
    out << "Usage: morvactl [--program-dir DIR] COMMAND [ARGUMENTS...]\n"
           "Administers a program directory of the Morva mail gateway: its configuration\n"
           "file Morva.ini, its record files, its log, its signal files, its service and\n"
           "its statistics.\n"
           "\nCommands:\n"
           "  schema                  every key: name, kind, default and flags\n"
           "  config get KEY          the value, one line per item of a list\n"
           "  config get --json KEY...  the values as one JSON object\n"
           "  config set KEY [VALUE...]  set a value; a list takes the whole new list\n"
           "  config reset KEY...     set keys back to their defaults (one save)\n"
           "  config save             read Morva.ini and write it back\n"
           "  config list [--changed] [--format tsv|json]  every key as key=value, as\n"
           "                          key<TAB>value (backslash, tab and line ends escaped)\n"
           "                          or as one JSON object\n"
           "  config check            includes, unknown lines and misspelt keys\n"
           "  config find [--language CODE] TEXT...  keys whose key, label, page, help\n"
           "                          anchor or value has words beginning with TEXT, in\n"
           "                          any language: key<TAB>page<TAB>label, best first;\n"
           "                          exit 1 and the nearest keys when none matches\n"
           "  config export-list KEY [--format csv|text] [--encoding utf-8|8bit]\n"
           "                          a list setting as CSV (entry, comment) or as text,\n"
           "                          one \"entry ;comment\" per line\n"
           "  config import-list KEY FILE [--replace] [--dry-run] [--format csv|text]\n"
           "                          add (or replace the list with) the entries of FILE,\n"
           "                          checked as the entry dialogs check them; all or\n"
           "                          nothing, as records import\n"
           "  config history [--format tsv|json]  the versions of Morva.ini that saves kept\n"
           "                          (folder History): id, time, user, machine, source\n"
           "                          and the number of changed keys, oldest first\n"
           "  config diff [ID [ID2]]  key<TAB>old<TAB>new per change from kept version ID\n"
           "                          (default: the newest) to ID2 (default: the file now)\n"
           "  config diff --against DIR  the same from this Morva.ini to the one in DIR\n"
           "  config restore ID       put kept version ID back (a save, itself kept)\n"
           "  records list alias|block|user  the live records, tab-separated\n"
           "  records add alias FROM TO [--deliver]  add a record; prints its number\n"
           "  records add block TYPE VALUE  TYPE 0 IP address, 1 host, 2 sender\n"
           "  records add user ADDRESS NAME  an Exchange user\n"
           "  records set alias|block|user N FIELDS...  replace record N\n"
           "  records delete alias|block|user N...  delete records\n"
           "  records export alias|block|user [--format csv|tsv] [--encoding utf-8|8bit]\n"
           "                          the live records with a header row, to stdout\n"
           "  records import alias|block|user FILE [--replace] [--dry-run] [--format csv|tsv]\n"
           "                          add the rows of FILE (- for stdin), or replace every\n"
           "                          record with them; every row is checked as the record\n"
           "                          sheets check it; when any is refused nothing is\n"
           "                          written, exit 1 and the rows on stderr by line;\n"
           "                          rows that repeat an entry are skipped\n"
           "  records history alias|block|user [--format tsv|json]  the versions of the\n"
           "                          record file kept before the first change of each\n"
           "                          editing session (folder History): id, time, user,\n"
           "                          machine, source and the number of records\n"
           "  records restore alias|block|user ID  put kept version ID back under the\n"
           "                          data set lock (the file as it is now is kept first)\n"
           "  log [--follow]          the log as time, thread and activity (its last lines,\n"
           "                          or all of it with a search or --file)\n"
           "  signal deliver|stat|queue|sendlog|packwl|restart  ask the gateway for an "
           "action\n"
           "  stats                   ask the gateway for its counters and print them\n"
           "  stats --history [--format text|csv]  the counters the console kept, one row per "
           "dump\n"
           "  service status|install|start|stop|remove [--exe PATH]  the gateway's service\n"
           "\nOptions:\n"
           "  --program-dir DIR  the gateway's program directory; default: the environment\n"
           "                     variable MORVA_PROGRAM_DIR, else the directory of morvactl\n"
           "  --no-wait          records: one attempt at the lock instead of five, 3 s apart\n"
           "  --deliver          records add|set alias: deliver after forwarding\n"
           "  --changed          config list: only the keys that differ from their default\n"
           "  --follow, -f       log: keep printing lines as the gateway writes them\n"
           "  --grep PATTERN     log: only rows whose activity contains PATTERN (any case;\n"
           "                     repeated: all of them)\n"
           "  --exclude PATTERN  log: leave out rows whose activity contains PATTERN\n"
           "  --regex            log: the patterns are regular expressions (ECMAScript)\n"
           "  --thread N         log: only the rows of session thread N\n"
           "  --since HH:MM[:SS]  log: only rows written at or after this time of day\n"
           "  --file PATH        log: read PATH (an older, rotated log) instead of GW.log\n"
           "  --exe PATH         service: the gateway's executable\n"
           "  --language CODE    signal: language of the failure message (ENG, DEU, ...);\n"
           "                     config find: language of the page and label columns\n"
           "                     (ENG, DEU, FRA, ITA, SPA; default: the console's)\n"
           "  --json             config get: the values as JSON\n"
           "  --format FORMAT    config list, config history, records history: tsv or\n"
           "                     json; records export|import: csv or tsv; config\n"
           "                     export-list|import-list: csv or text\n"
           "  --encoding FORM    export: utf-8 (default) or 8bit (the gateway's code page,\n"
           "                     Windows-1252, for spreadsheets that expect it)\n"
           "  --replace          import: replace every entry instead of appending\n"
           "  --dry-run          import: check and report, write nothing\n"
           "  --against DIR      config diff: the program directory to compare with\n"
           "  --help, -h         print this help and exit\n"
           "  --version          print the version and exit\n"
           "\nExit status:\n"
           "  0 success; 1 a file that cannot be read, a refused or failed save or\n"
           "  operation; 2 usage error or unknown key.\n";
}

} // namespace

int main(int argc, char** argv)
{
    // Arguments in UTF-8, the encoding of the configuration's texts, and
    // output that a Windows console shows as such.
    const std::vector<std::string> args = morva::platform::commandLineArguments(argc, argv);
    morva::platform::useUtf8ConsoleOutput();
    std::string programDirOverride;
    std::size_t i = 0;
    while (i < args.size()) {
        if (args[i] == "--program-dir") {
            if (i + 1 >= args.size()) {
                std::cerr << "morvactl: --program-dir needs a directory\n";
                return morva::cli::kExitUsage;
            }
            programDirOverride = args[i + 1];
            i += 2;
        } else if (args[i].rfind("--program-dir=", 0) == 0) {
            programDirOverride = args[i].substr(std::strlen("--program-dir="));
            ++i;
        } else if (args[i] == "--help" || args[i] == "-h") {
            printHelp(std::cout);
            return morva::cli::kExitOk;
        } else if (args[i] == "--version") {
            std::cout << "morvactl " << morva::version::kText << "\n";
            return morva::cli::kExitOk;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        printUsage(std::cerr);
        return morva::cli::kExitUsage;
    }
    std::string programDir;
    if (!programDirOverride.empty() &&
        !morva::platform::pathFromArgument(programDirOverride, &programDir)) {
        std::cerr << "morvactl: the program directory " << programDirOverride
                  << " cannot be named in this system's code page\n";
        return morva::cli::kExitFailure;
    }
    const std::string& word = args[i];
    for (const auto& command : kCommands) {
        if (word == command.name) {
            morva::cli::Context context{
                morva::platform::resolveProgramDir(programDir),
                std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()),
                std::cout, std::cerr};
            return command.run(context);
        }
    }
    std::cerr << "morvactl: unknown command '" << word << "'\n";
    printUsage(std::cerr);
    return morva::cli::kExitUsage;
}

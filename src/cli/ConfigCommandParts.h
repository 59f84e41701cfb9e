#pragma once

// The parts of `morvactl config` that read a loaded store and print: each
// returns the exit code (see Commands.h). context.args starts with the
// subcommand word.

#include "cli/Commands.h"

#include <string>

namespace morva::config {
class ConfigStore;
class FileHistory;
} // namespace morva::config

namespace morva::platform {
class FileSystem;
}

namespace morva::cli {

// config find [--language CODE] TEXT...: key<TAB>page<TAB>label of every key
// that matches, best first; exit 1 with the nearest keys on err when none.
int configFind(Context& context, const config::ConfigStore& store);

// config get --json KEY...: one JSON object with the keys' values.
int configGetJson(Context& context, const config::ConfigStore& store);

// config list [--changed] --format tsv|json.
int configListFormatted(Context& context, const config::ConfigStore& store);

// config history [--format tsv|json]: one line per kept version of Morva.ini,
// oldest first: id, time, user, machine, source, changed keys.
int configHistory(Context& context, const config::FileHistory& history);

// config diff [ID [ID2]] | diff --against DIR: key<TAB>old<TAB>new per change
// from version ID (default: the newest) to ID2 (default: the file now), or
// from the file `fileName` to the one of the program directory DIR. Exit 1
// when a version is unknown or a file cannot be read.
int configDiff(Context& context, platform::FileSystem& fs, const std::string& fileName,
               const config::FileHistory& history);

} // namespace morva::cli

#pragma once

// The parts of `morvactl config` that read a loaded store and print: each
// returns the exit code (see Commands.h). context.args starts with the
// subcommand word.

#include "cli/Commands.h"

namespace morva::config {
class ConfigStore;
}

namespace morva::cli {

// config find [--language CODE] TEXT...: key<TAB>page<TAB>label of every key
// that matches, best first; exit 1 with the nearest keys on err when none.
int configFind(Context& context, const config::ConfigStore& store);

// config get --json KEY...: one JSON object with the keys' values.
int configGetJson(Context& context, const config::ConfigStore& store);

// config list [--changed] --format tsv|json.
int configListFormatted(Context& context, const config::ConfigStore& store);

} // namespace morva::cli

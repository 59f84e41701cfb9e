#pragma once

// morvactl's export and import of lists: records export|import and
// config export-list|import-list. Each returns the exit code (Commands.h).

#include "cli/Commands.h"

#include <functional>

namespace morva::config {
class ConfigStore;
}

namespace morva::cli {

// records export|import ...; context.args starts with "export" or "import".
int runRecordsTransfer(Context& context);
// records history|restore ...: the kept versions of a record file.
int runRecordsHistory(Context& context);

// config export-list KEY [--format csv|text] [--encoding utf-8|8bit]
int configExportList(Context& context, const config::ConfigStore& store);
// config import-list KEY FILE [--replace] [--dry-run] [--format csv|text];
// `save` writes the store and returns the exit code.
int configImportList(Context& context, config::ConfigStore& store,
                     const std::function<int()>& save);

} // namespace morva::cli

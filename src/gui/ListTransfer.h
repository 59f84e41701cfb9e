#pragma once

#include "config/ImportPlan.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace morva::gui {

// What the import dialog asks of the list it imports into (a record list,
// a list setting).
struct ImportTarget
{
    QString listName;
    bool offersText = false; // the plain-text format besides CSV (list settings)
    std::string secretKey;   // not empty: the preview masks the secret part of values of this key
    // Reads `bytes` into a plan, every row checked; false when cancelled
    // through the progress callback.
    std::function<bool(std::string_view bytes, config::TransferFormat format,
                       config::ImportMode mode, config::ImportPlan* plan,
                       const config::TransferProgress& progress)>
        plan;
    // Writes the accepted rows; the failure text, or empty when written.
    std::function<QString(const config::ImportPlan& plan, config::ImportMode mode)> apply;
};

// What the export dialog asks of the list it exports.
struct ExportSource
{
    QString listName;
    bool offersText = false;
    bool holdsPasswords = false;
    std::size_t total = 0;
    std::size_t selected = 0;
    // The file's bytes; *lost counts characters the 8-bit form could not hold.
    std::function<std::string(bool selectionOnly, config::TransferFormat format,
                              config::TextForm form, std::size_t* lost)>
        produce;
};

// Asks for a file name: `save` for an export; empty when the user cancels.
// Tests answer here; empty: the system's file dialog.
using FileChooser = std::function<QString(QWidget* parent, bool save, bool text)>;

} // namespace morva::gui

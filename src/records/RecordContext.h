#pragma once

#include <functional>

class QDialog;

namespace morva::gui {
class ConsoleHost;
}
namespace morva::config {
class ConfigStore;
}
namespace morva::db {
class DataSet;
}

namespace morva::records {

// What the record editors work with: the data set (lists and sheets acquire
// it), the configuration store (the lists kept in "Morva.ini"), the
// language the dialogs open in, and the console whose status bar shows the
// progress (may be null).
struct RecordContext
{
    db::DataSet* dataSet = nullptr;
    config::ConfigStore* store = nullptr;
    int language = 0;
    gui::ConsoleHost* host = nullptr;
    // Runs a modal dialog and returns its result; empty: QDialog::exec.
    // Tests answer the dialogs here.
    std::function<int(QDialog&)> runDialog;

    int exec(QDialog& dialog) const;
};

// Results of the record sheets: 1 written, -1 record missing or no lock,
// 0 cancelled.
constexpr int kSheetWritten = 1;
constexpr int kSheetFailed = -1;
constexpr int kSheetCancelled = 0;

} // namespace morva::records

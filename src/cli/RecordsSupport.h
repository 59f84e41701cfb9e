#pragma once

// What morvactl's records commands share: the data set's feedback on
// stderr and the history the data set keeps the record files in.

#include "db/DataSetFeedback.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace morva::config {
class FileHistory;
}
namespace morva::platform {
class Clock;
class FileSystem;
} // namespace morva::platform

namespace morva::cli {

// Status and messages of the lock on stderr (the wait and the failure), and
// a warning when a record file could not be kept in the history.
class StderrFeedback final : public db::DataSetFeedback
{
public:
    explicit StderrFeedback(std::ostream& err) : m_err(err) {}
    void openWait(std::string_view text) override;
    void showMessage(platform::MessageKind, std::string_view text) override;
    void historyNotKept(std::string_view fileName, config::HistoryProblem problem,
                        platform::FileError error, std::string_view directory) override;

private:
    std::ostream& m_err;
};

// The history of saves of the program directory, with this user's limits.
std::unique_ptr<config::FileHistory>
makeRecordsHistory(platform::FileSystem& fs, platform::Clock& clock, const std::string& programDir);

} // namespace morva::cli

#include "cli/RecordsSupport.h"

#include "config/HistorySetup.h"
#include "platform/UserSettings.h"

#include <ostream>

namespace morva::cli {

void StderrFeedback::openWait(std::string_view text)
{
    m_err << "morvactl: " << text << "\n";
}

void StderrFeedback::showMessage(platform::MessageKind, std::string_view text)
{
    m_err << "morvactl: " << text << "\n";
}

void StderrFeedback::historyNotKept(std::string_view fileName, config::HistoryProblem problem,
                                    platform::FileError error, std::string_view directory)
{
    if (problem == config::HistoryProblem::TooLarge)
        m_err << "morvactl: warning: " << fileName
              << " is larger than its history may hold; no copy of it was kept\n";
    else
        m_err << "morvactl: warning: the history in " << directory << " could not be written ("
              << platform::fileErrorName(error) << "); " << fileName
              << " was changed without a copy of the former file\n";
}

std::unique_ptr<config::FileHistory>
makeRecordsHistory(platform::FileSystem& fs, platform::Clock& clock, const std::string& programDir)
{
    return config::makeProgramHistory(fs, clock, programDir,
                                      platform::makeSystemUserSettings().get());
}

} // namespace morva::cli

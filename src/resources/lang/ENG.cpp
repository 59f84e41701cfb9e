// Texts of the console in English. One entry per text id; every id exists in
// all five languages (checked by a test). Keep each module's texts in its
// own section.
#include "resources/Texts.h"

namespace morva {

namespace {
const TextEntry kTexts[] = {
    // --- common ---
    {"common.caption", "Morva Admin"},

    // --- app (start-up, main window, log view) ---

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.caption", "Service"},
    {"service.labelName", "Service name:"},
    {"service.labelStatus", "Service Status:"},
    {"service.labelExecutable", "Executable:"},
    {"service.start", "&Start"},
    {"service.stop", "&Stop"},
    {"service.install", "&Install"},
    {"service.remove", "&Remove"},
    {"service.cancel", "&Cancel"},
    {"service.state.noExecutable", "Unable to find executable"},
    {"service.state.notInstalled", "not installed"},
    {"service.state.stopped", "stopped"},
    {"service.state.startPending", "start pending"},
    {"service.state.stopPending", "stop pending"},
    {"service.state.started", "started"},
    {"service.state.continuePending", "continue pending"},
    {"service.state.pausePending", "pause pending"},
    {"service.state.paused", "paused"},
    {"service.state.unknown", "unknown"},
    {"service.startFailed", "Unable to start <SERVICE> service!"},
    {"service.queryFailed", "Unable to query status of <SERVICE> service!"},
    {"service.controlFailed", "Unable to control <SERVICE> service!"},
    {"service.waitStop", "Waiting for <SERVICE> to be stopped..."},
    {"service.installed", "<SERVICE> service installed!"},
    {"service.installFailed", "Unable to install <SERVICE> service!"},
    {"service.removed", "<SERVICE> service removed!"},
    {"service.removeFailed", "Unable to remove <SERVICE> service!"},

    // --- stats ---
    {"stats.caption", "Statistic"},
    {"stats.refresh", "&Refresh"},
    {"stats.close", "Close"},
    {"stats.truncated", "The statistics file is larger than 1 MB: only its beginning is shown."},

};
}  // namespace

std::span<const TextEntry> englishTexts()
{
    return kTexts;
}

}  // namespace morva

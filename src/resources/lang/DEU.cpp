// Texts of the console in German. One entry per text id; every id exists in
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
    {"service.caption", "Dienst"},
    {"service.labelName", "Dienstname:"},
    {"service.labelStatus", "Dienststatus:"},
    {"service.labelExecutable", "Programmdatei:"},
    {"service.start", "&Starten"},
    {"service.stop", "S&toppen"},
    {"service.install", "&Installieren"},
    {"service.remove", "&Entfernen"},
    {"service.cancel", "&Abbrechen"},
    {"service.state.noExecutable", "Programmdatei nicht gefunden"},
    {"service.state.notInstalled", "nicht installiert"},
    {"service.state.stopped", "gestoppt"},
    {"service.state.startPending", "wird gestartet"},
    {"service.state.stopPending", "wird gestoppt"},
    {"service.state.started", "gestartet"},
    {"service.state.continuePending", "wird fortgesetzt"},
    {"service.state.pausePending", "wird angehalten"},
    {"service.state.paused", "angehalten"},
    {"service.state.unknown", "unbekannt"},
    {"service.startFailed", "Der Dienst <SERVICE> kann nicht gestartet werden!"},
    {"service.queryFailed", "Der Status des Dienstes <SERVICE> kann nicht abgefragt werden!"},
    {"service.controlFailed", "Der Dienst <SERVICE> kann nicht gesteuert werden!"},
    {"service.waitStop", "Warten, bis <SERVICE> gestoppt ist..."},
    {"service.installed", "Dienst <SERVICE> installiert!"},
    {"service.installFailed", "Der Dienst <SERVICE> kann nicht installiert werden!"},
    {"service.removed", "Dienst <SERVICE> entfernt!"},
    {"service.removeFailed", "Der Dienst <SERVICE> kann nicht entfernt werden!"},

    // --- stats ---
    {"stats.caption", "Statistik"},
    {"stats.refresh", "&Aktualisieren"},
    {"stats.close", "Schließen"},
    {"stats.truncated", "Die Statistikdatei ist größer als 1 MB: nur ihr Anfang wird angezeigt."},

};
}  // namespace

std::span<const TextEntry> germanTexts()
{
    return kTexts;
}

}  // namespace morva

// Texts of the console in Italian. One entry per text id; every id exists in
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
    {"service.caption", "Servizio"},
    {"service.labelName", "Nome del servizio:"},
    {"service.labelStatus", "Stato del servizio:"},
    {"service.labelExecutable", "Eseguibile:"},
    {"service.start", "&Avvia"},
    {"service.stop", "&Ferma"},
    {"service.install", "&Installa"},
    {"service.remove", "&Rimuovi"},
    {"service.cancel", "A&nnulla"},
    {"service.state.noExecutable", "Eseguibile non trovato"},
    {"service.state.notInstalled", "non installato"},
    {"service.state.stopped", "fermato"},
    {"service.state.startPending", "avvio in corso"},
    {"service.state.stopPending", "arresto in corso"},
    {"service.state.started", "avviato"},
    {"service.state.continuePending", "ripresa in corso"},
    {"service.state.pausePending", "sospensione in corso"},
    {"service.state.paused", "sospeso"},
    {"service.state.unknown", "sconosciuto"},
    {"service.startFailed", "Impossibile avviare il servizio <SERVICE>!"},
    {"service.queryFailed", "Impossibile leggere lo stato del servizio <SERVICE>!"},
    {"service.controlFailed", "Impossibile controllare il servizio <SERVICE>!"},
    {"service.waitStop", "In attesa dell'arresto di <SERVICE>..."},
    {"service.installed", "Servizio <SERVICE> installato!"},
    {"service.installFailed", "Impossibile installare il servizio <SERVICE>!"},
    {"service.removed", "Servizio <SERVICE> rimosso!"},
    {"service.removeFailed", "Impossibile rimuovere il servizio <SERVICE>!"},

    // --- stats ---
    {"stats.caption", "Statistiche"},
    {"stats.refresh", "&Aggiorna"},
    {"stats.close", "Chiudi"},
    {"stats.truncated", "Il file delle statistiche supera 1 MB: ne viene mostrato solo l'inizio."},

};
}  // namespace

std::span<const TextEntry> italianTexts()
{
    return kTexts;
}

}  // namespace morva

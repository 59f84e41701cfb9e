// Texts of the console in French. One entry per text id; every id exists in
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
    {"service.labelName", "Nom du service :"},
    {"service.labelStatus", "État du service :"},
    {"service.labelExecutable", "Exécutable :"},
    {"service.start", "&Démarrer"},
    {"service.stop", "&Arrêter"},
    {"service.install", "&Installer"},
    {"service.remove", "&Supprimer"},
    {"service.cancel", "A&nnuler"},
    {"service.state.noExecutable", "Exécutable introuvable"},
    {"service.state.notInstalled", "non installé"},
    {"service.state.stopped", "arrêté"},
    {"service.state.startPending", "démarrage en cours"},
    {"service.state.stopPending", "arrêt en cours"},
    {"service.state.started", "démarré"},
    {"service.state.continuePending", "reprise en cours"},
    {"service.state.pausePending", "mise en pause en cours"},
    {"service.state.paused", "en pause"},
    {"service.state.unknown", "inconnu"},
    {"service.startFailed", "Impossible de démarrer le service <SERVICE> !"},
    {"service.queryFailed", "Impossible d'interroger l'état du service <SERVICE> !"},
    {"service.controlFailed", "Impossible de contrôler le service <SERVICE> !"},
    {"service.waitStop", "Attente de l'arrêt de <SERVICE>..."},
    {"service.installed", "Service <SERVICE> installé !"},
    {"service.installFailed", "Impossible d'installer le service <SERVICE> !"},
    {"service.removed", "Service <SERVICE> supprimé !"},
    {"service.removeFailed", "Impossible de supprimer le service <SERVICE> !"},

    // --- stats ---
    {"stats.caption", "Statistiques"},
    {"stats.refresh", "&Actualiser"},
    {"stats.close", "Fermer"},
    {"stats.truncated", "Le fichier de statistiques dépasse 1 Mo : seul son début est affiché."},

};
}  // namespace

std::span<const TextEntry> frenchTexts()
{
    return kTexts;
}

}  // namespace morva

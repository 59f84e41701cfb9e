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
    {"db.tryingToLock", "Tentative de verrouillage des fichiers de données..."},
    {"db.locking", "Verrouillage des fichiers de données..."},
    {"db.lockFailed", "Impossible de verrouiller les fichiers de données !"},
    {"db.locked", "Verrouillé"},
    {"db.writeFailed", "Impossible d'écrire les fichiers de données ! Des modifications ont pu être perdues dans ces fichiers :"},
    {"db.blankField", "Un champ vide n'est pas autorisé !"},
    {"db.invalidAddress", "Veuillez saisir une adresse SMTP valide !"},
    {"db.formatIs", "Le format est "},
    {"db.tooLong", "La valeur est trop longue ! %1 caractères au plus sont autorisés."},
    {"db.controlCharacter", "La valeur contient des caractères de contrôle que les fichiers d'enregistrements ne peuvent pas contenir !"},
    {"db.badBlockType", "Le type de blocage doit être 0 (adresse IP), 1 (nom d'hôte) ou 2 (MAIL FROM : adresse e-mail) !"},
    {"db.aliasNotFound", "Enregistrement introuvable dans DataAlia !"},
    {"db.blockNotFound", "Enregistrement introuvable dans DataBlock !"},
    {"db.userNotFound", "Enregistrement introuvable dans DataUser !"},

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> frenchTexts()
{
    return kTexts;
}

}  // namespace morva

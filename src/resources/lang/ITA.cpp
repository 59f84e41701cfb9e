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
    {"db.tryingToLock", "Tentativo di bloccare i file di dati..."},
    {"db.locking", "Blocco dei file di dati in corso..."},
    {"db.lockFailed", "Impossibile bloccare i file di dati!"},
    {"db.locked", "Bloccato"},
    {"db.writeFailed", "Impossibile scrivere i file di dati! In questi file potrebbero essere andate perse delle modifiche:"},
    {"db.blankField", "Un campo vuoto non è consentito!"},
    {"db.invalidAddress", "Inserire un indirizzo SMTP valido!"},
    {"db.formatIs", "Il formato è "},
    {"db.tooLong", "Il valore è troppo lungo! Sono consentiti al massimo %1 caratteri."},
    {"db.controlCharacter", "Il valore contiene caratteri di controllo che i file dei record non possono contenere!"},
    {"db.badBlockType", "Il tipo di blocco deve essere 0 (indirizzo IP), 1 (nome host) o 2 (MAIL FROM: indirizzo e-mail)!"},
    {"db.aliasNotFound", "Impossibile trovare il record in DataAlia!"},
    {"db.blockNotFound", "Impossibile trovare il record in DataBlock!"},
    {"db.userNotFound", "Impossibile trovare il record in DataUser!"},

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> italianTexts()
{
    return kTexts;
}

}  // namespace morva

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
    {"db.tryingToLock", "Versuche, die Datendateien zu sperren..."},
    {"db.locking", "Die Datendateien werden gesperrt..."},
    {"db.lockFailed", "Die Datendateien können nicht gesperrt werden!"},
    {"db.locked", "Gesperrt"},
    {"db.writeFailed", "Die Datendateien können nicht geschrieben werden! In diesen Dateien sind möglicherweise Änderungen verloren gegangen:"},
    {"db.blankField", "Ein leeres Feld ist nicht erlaubt!"},
    {"db.invalidAddress", "Bitte geben Sie eine gültige SMTP-Adresse ein!"},
    {"db.formatIs", "Format ist "},
    {"db.tooLong", "Der Wert ist zu lang! Höchstens %1 Zeichen sind erlaubt."},
    {"db.controlCharacter", "Der Wert enthält Steuerzeichen, die die Datensatzdateien nicht aufnehmen können!"},
    {"db.badBlockType", "Der Sperrtyp muss 0 (IP-Adresse), 1 (Hostname) oder 2 (MAIL FROM: E-Mail-Adresse) sein!"},
    {"db.aliasNotFound", "Datensatz in DataAlia nicht gefunden!"},
    {"db.blockNotFound", "Datensatz in DataBlock nicht gefunden!"},
    {"db.userNotFound", "Datensatz in DataUser nicht gefunden!"},

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> germanTexts()
{
    return kTexts;
}

}  // namespace morva

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
    {"db.tryingToLock", "Trying to lock the data files..."},
    {"db.locking", "Locking the data files..."},
    {"db.lockFailed", "Unable to lock the data files!"},
    {"db.locked", "Locked"},
    {"db.writeFailed", "Unable to write the data files! These files may have lost changes:"},
    {"db.blankField", "Blank field is not allowed!"},
    {"db.invalidAddress", "Please enter a valid SMTP address!"},
    {"db.formatIs", "Format is "},
    {"db.tooLong", "The value is too long! At most %1 characters are allowed."},
    {"db.controlCharacter", "The value contains control characters, which the record files cannot hold!"},
    {"db.badBlockType", "The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!"},
    {"db.aliasNotFound", "Unable to find record in DataAlia!"},
    {"db.blockNotFound", "Unable to find record in DataBlock!"},
    {"db.userNotFound", "Unable to find record in DataUser!"},

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> englishTexts()
{
    return kTexts;
}

}  // namespace morva

// Texts of the console in Spanish. One entry per text id; every id exists in
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
    {"db.tryingToLock", "Intentando bloquear los archivos de datos..."},
    {"db.locking", "Bloqueando los archivos de datos..."},
    {"db.lockFailed", "¡No se pueden bloquear los archivos de datos!"},
    {"db.locked", "Bloqueado"},
    {"db.writeFailed", "¡No se pueden escribir los archivos de datos! Es posible que se hayan perdido cambios en estos archivos:"},
    {"db.blankField", "¡No se permite un campo vacío!"},
    {"db.invalidAddress", "¡Introduzca una dirección SMTP válida!"},
    {"db.formatIs", "El formato es "},
    {"db.tooLong", "¡El valor es demasiado largo! Se permiten como máximo %1 caracteres."},
    {"db.controlCharacter", "¡El valor contiene caracteres de control que los archivos de registros no pueden contener!"},
    {"db.badBlockType", "¡El tipo de bloqueo debe ser 0 (dirección IP), 1 (nombre de host) o 2 (MAIL FROM: dirección de correo electrónico)!"},
    {"db.aliasNotFound", "¡No se encuentra el registro en DataAlia!"},
    {"db.blockNotFound", "¡No se encuentra el registro en DataBlock!"},
    {"db.userNotFound", "¡No se encuentra el registro en DataUser!"},

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> spanishTexts()
{
    return kTexts;
}

}  // namespace morva

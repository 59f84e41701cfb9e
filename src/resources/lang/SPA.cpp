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

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.caption", "Servicio"},
    {"service.labelName", "Nombre del servicio:"},
    {"service.labelStatus", "Estado del servicio:"},
    {"service.labelExecutable", "Ejecutable:"},
    {"service.start", "&Iniciar"},
    {"service.stop", "&Detener"},
    {"service.install", "I&nstalar"},
    {"service.remove", "&Eliminar"},
    {"service.cancel", "&Cancelar"},
    {"service.state.noExecutable", "No se encuentra el ejecutable"},
    {"service.state.notInstalled", "no instalado"},
    {"service.state.stopped", "detenido"},
    {"service.state.startPending", "inicio pendiente"},
    {"service.state.stopPending", "detención pendiente"},
    {"service.state.started", "iniciado"},
    {"service.state.continuePending", "reanudación pendiente"},
    {"service.state.pausePending", "pausa pendiente"},
    {"service.state.paused", "en pausa"},
    {"service.state.unknown", "desconocido"},
    {"service.startFailed", "¡No es posible iniciar el servicio <SERVICE>!"},
    {"service.queryFailed", "¡No es posible consultar el estado del servicio <SERVICE>!"},
    {"service.controlFailed", "¡No es posible controlar el servicio <SERVICE>!"},
    {"service.waitStop", "Esperando a que <SERVICE> se detenga..."},
    {"service.installed", "¡Servicio <SERVICE> instalado!"},
    {"service.installFailed", "¡No es posible instalar el servicio <SERVICE>!"},
    {"service.removed", "¡Servicio <SERVICE> eliminado!"},
    {"service.removeFailed", "¡No es posible eliminar el servicio <SERVICE>!"},

    // --- stats ---
    {"stats.caption", "Estadísticas"},
    {"stats.refresh", "&Actualizar"},
    {"stats.close", "Cerrar"},
    {"stats.truncated", "El fichero de estadísticas supera 1 MB: solo se muestra su principio."},

};
}  // namespace

std::span<const TextEntry> spanishTexts()
{
    return kTexts;
}

}  // namespace morva

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
    {"app.menu.file", "&Archivo"},
    {"app.menu.edit", "&Edición"},
    {"app.menu.view", "&Ver"},
    {"app.menu.configuration", "&Configuración"},
    {"app.menu.options", "&Opciones"},
    {"app.menu.exchange", "E&xchange"},
    {"app.menu.data", "&Datos"},
    {"app.menu.translation", "&Traducción"},
    {"app.menu.rewrite", "&Reescritura"},
    {"app.menu.signal", "&Señal"},
    {"app.menu.help", "Ay&uda"},
    {"app.label.57607", "&Imprimir..."},
    {"app.label.57606", "&Configurar impresión..."},
    {"app.label.57665", "&Salir"},
    {"app.label.57643", "&Deshacer"},
    {"app.label.57635", "Cor&tar"},
    {"app.label.57634", "&Copiar"},
    {"app.label.57637", "&Pegar"},
    {"app.label.57636", "&Buscar"},
    {"app.label.6002", "&Actualizar"},
    {"app.label.6011", "&Dominios de correo en Exchange..."},
    {"app.label.6010", "Di&recciones de correo en Exchange..."},
    {"app.label.6031", "&Complemento MORVAFilter para la carpeta de correo no deseado de Exchange..."},
    {"app.label.6035", "Servicio..."},
    {"app.label.6008", "&Reenvío de correo..."},
    {"app.label.6009", "&Bloqueo SMTP..."},
    {"app.label.6026", "&Dominio..."},
    {"app.label.6027", "&Buzón..."},
    {"app.label.6028", "Dominio a &dirección de correo..."},
    {"app.label.6029", "&Dominio..."},
    {"app.label.6030", "&Buzón..."},
    {"app.label.6006", "Configuración &avanzada..."},
    {"app.label.6012", "&Estadísticas..."},
    {"app.label.59392", "&Barra de herramientas"},
    {"app.label.59393", "Barra de &estado"},
    {"app.label.6036", "&General..."},
    {"app.label.6037", "&Bloqueo..."},
    {"app.label.6038", "&Spam..."},
    {"app.label.6042", "&ClamAV..."},
    {"app.label.6039", "S&esión..."},
    {"app.label.6040", "Si&stema..."},
    {"app.label.6041", "&Virus..."},
    {"app.label.6043", "&Tránsito..."},
    {"app.label.6045", "&S/MIME..."},
    {"app.label.6046", "&DKIM..."},
    {"app.label.6047", "&TLS/SSL..."},
    {"app.label.6044", "&Exclusiones globales..."},
    {"app.label.6013", "&Entregar mensajes ahora"},
    {"app.label.6014", "Volcar &estadísticas"},
    {"app.label.6015", "Volcar la cola de &salida"},
    {"app.label.6016", "Enviar el fichero de &registro"},
    {"app.label.6018", "Compactar la lista blanca"},
    {"app.label.6017", "Reiniciar"},
    {"app.label.6019", "D&ocumentación"},
    {"app.label.6020", "&Administrar Morva"},
    {"app.label.6021", "&Solución de problemas"},
    {"app.label.6023", "&Combatir el spam"},
    {"app.label.6024", "&Guía de operación"},
    {"app.label.6022", "&Reforzar la seguridad"},
    {"app.label.6032", "Página del servicio de &denuncia de spam"},
    {"app.label.6033", "MORVAFilter para la carpeta de correo no deseado de Exchange"},
    {"app.label.6025", "¿Alguna &pregunta?"},
    {"app.label.6000", "Página web de &Brentmoor"},
    {"app.label.5099", "&Pedido en línea"},
    {"app.label.57664", "&Acerca de..."},
    {"app.prompt.57607", "Imprimir el registro\nImprimir (Ctrl+P)"},
    {"app.prompt.57606", "Cambiar la impresora y las opciones de impresión\nConfigurar impresión"},
    {"app.prompt.57665", "Salir de la consola\nSalir"},
    {"app.prompt.57643", "Deshacer la última acción\nDeshacer"},
    {"app.prompt.57635", "Cortar la selección y ponerla en el portapapeles\nCortar"},
    {"app.prompt.57634", "Copiar al portapapeles las líneas seleccionadas del registro\nCopiar"},
    {"app.prompt.57637", "Insertar el contenido del portapapeles\nPegar"},
    {"app.prompt.57636", "Buscar un texto en la columna actual del registro\nBuscar"},
    {"app.prompt.6002", "Actualizar\nActualizar (F5)"},
    {"app.prompt.6001", "Mostrar de nuevo la vista del registro"},
    {"app.prompt.6011", "Editar la lista de dominios de correo de los que se encarga Exchange"},
    {"app.prompt.6010", "Editar la lista de direcciones de correo de las que se encarga Exchange"},
    {"app.prompt.6031", "Activar la compatibilidad con MORVAFilter o con reglas de Outlook"},
    {"app.prompt.6035", "Instalar, iniciar y detener el servicio Morva"},
    {"app.prompt.6008", "Editar el reenvío de mensajes a otros destinatarios"},
    {"app.prompt.6009", "Editar el bloqueo de mensajes en el nivel de transporte SMTP"},
    {"app.prompt.6026", "Traducir un dominio de correo a otro dominio en los mensajes entrantes"},
    {"app.prompt.6027", "Traducir un buzón de correo a otro buzón en los mensajes entrantes"},
    {"app.prompt.6028", "Traducir un dominio de correo a otra dirección de correo en los mensajes entrantes"},
    {"app.prompt.6029", "Reescribe un dominio de correo a otro dominio en los mensajes salientes"},
    {"app.prompt.6030", "Reescribe un buzón de correo a otro buzón en los mensajes salientes"},
    {"app.prompt.6006", "Editar las opciones de configuración avanzadas"},
    {"app.prompt.6012", "Mostrar las estadísticas de la pasarela"},
    {"app.prompt.59392", "Mostrar u ocultar la barra de herramientas\nBarra de herramientas"},
    {"app.prompt.59393", "Mostrar u ocultar la barra de estado\nBarra de estado"},
    {"app.prompt.6036", "Editar las opciones relacionadas con Exchange\nOpciones generales"},
    {"app.prompt.6037", "Editar las opciones de bloqueo\nOpciones de bloqueo"},
    {"app.prompt.6038", "Editar las opciones relacionadas con el spam\nOpciones antispam"},
    {"app.prompt.6042", "Editar las opciones relacionadas con ClamAV"},
    {"app.prompt.6039", "Editar las opciones de sesión\nOpciones de sesión"},
    {"app.prompt.6040", "Editar las opciones del sistema\nOpciones del sistema"},
    {"app.prompt.6041", "Editar las opciones antivirus\nOpciones antivirus"},
    {"app.prompt.6043", "Editar la cláusula de exención\nOpciones de tránsito"},
    {"app.prompt.6044", "Editar las listas de exclusión\nExclusiones globales"},
    {"app.prompt.6045", "Editar las opciones relacionadas con S/MIME\nOpciones S/MIME"},
    {"app.prompt.6046", "Editar las opciones relacionadas con DKIM\nOpciones DKIM"},
    {"app.prompt.6047", "Editar las opciones relacionadas con TLS"},
    {"app.prompt.6013", "Indicar a GWCored que entregue ahora todos los mensajes SMTP"},
    {"app.prompt.6014", "Indicar a GWCored que vuelque las estadísticas en el fichero de registro"},
    {"app.prompt.6015", "Indicar a GWCored que vuelque la cola de salida en el fichero de registro"},
    {"app.prompt.6016", "Indicar a GWCored que envíe el fichero de registro actual a la dirección de correo definida como postmaster"},
    {"app.prompt.6018", "Indicar a GWCored que compacte la lista blanca (AdrOWL-A.dat). Nota: puede tardar según el tamaño de la lista"},
    {"app.prompt.6019", "Ver la documentación en la web"},
    {"app.prompt.6020", "Ver la documentación de las opciones"},
    {"app.prompt.6021", "Ver la base de datos de solución de problemas"},
    {"app.prompt.6023", "Ver una descripción de cómo funciona la lucha contra el spam"},
    {"app.prompt.6024", "Ver la configuración recomendada"},
    {"app.prompt.6022", "Ver cómo reforzar la seguridad de la pasarela"},
    {"app.prompt.6032", "Abrir la página del servicio de denuncia de spam"},
    {"app.prompt.6033", "Abrir la página del complemento MORVAFilter"},
    {"app.prompt.6025", "Crear una solicitud de soporte"},
    {"app.prompt.6000", "Abrir la página web de Brentmoor"},
    {"app.prompt.5099", "Pedir Morva en línea"},
    {"app.prompt.57664", "Mostrar la versión y el fabricante del programa\nAcerca de"},
    {"app.prompt.6007", "Crear una entrada nueva\nNuevo"},
    {"app.prompt.6003", "Abrir la entrada seleccionada\nAbrir (Intro)"},
    {"app.prompt.6004", "Eliminar la entrada seleccionada\nEliminar (Supr)"},
    {"app.prompt.57345", "Listo"},
    {"app.prompt.59142", "Bloqueado"},
    {"app.prompt.59137", "MAYÚS"},
    {"app.prompt.59138", "NUM"},
    {"app.versionMismatch", "La versión de GWConsole (<VERA>) no coincide con la versión de GWCored (<VERB>)"},
    {"app.browserFailed", "¡No es posible iniciar su navegador WWW!"},
    {"app.createWindowFailed", "No es posible crear la ventana: "},
    {"app.createDialogFailed", "No es posible crear el cuadro de diálogo: "},
    {"app.printing", "Imprimiendo..."},

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.signalFailed", "No es posible crear el fichero de señalización"},

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> spanishTexts()
{
    return kTexts;
}

}  // namespace morva

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
    {"app.menu.file", "&File"},
    {"app.menu.edit", "&Modifica"},
    {"app.menu.view", "&Visualizza"},
    {"app.menu.configuration", "&Configurazione"},
    {"app.menu.options", "&Opzioni"},
    {"app.menu.exchange", "E&xchange"},
    {"app.menu.data", "&Dati"},
    {"app.menu.translation", "&Traduzione"},
    {"app.menu.rewrite", "&Riscrittura"},
    {"app.menu.signal", "&Segnale"},
    {"app.menu.help", "A&iuto"},
    {"app.label.57607", "S&tampa..."},
    {"app.label.57606", "I&mposta stampante..."},
    {"app.label.57665", "&Esci"},
    {"app.label.57643", "&Annulla"},
    {"app.label.57635", "&Taglia"},
    {"app.label.57634", "&Copia"},
    {"app.label.57637", "&Incolla"},
    {"app.label.57636", "T&rova"},
    {"app.label.6002", "&Aggiorna"},
    {"app.label.6011", "&Domini e-mail su Exchange..."},
    {"app.label.6010", "&Indirizzi e-mail su Exchange..."},
    {"app.label.6031", "&Componente MORVAFilter per la cartella Posta indesiderata di Exchange..."},
    {"app.label.6035", "Servizio..."},
    {"app.label.6008", "&Inoltro e-mail..."},
    {"app.label.6009", "&Blocco SMTP..."},
    {"app.label.6026", "&Dominio..."},
    {"app.label.6027", "&Casella di posta..."},
    {"app.label.6028", "Dominio in &indirizzo e-mail..."},
    {"app.label.6029", "&Dominio..."},
    {"app.label.6030", "&Casella di posta..."},
    {"app.label.6006", "Configurazione &avanzata..."},
    {"app.label.6012", "&Statistiche..."},
    {"app.label.59392", "Barra degli &strumenti"},
    {"app.label.59393", "Barra di s&tato"},
    {"app.label.6036", "&Generale..."},
    {"app.label.6037", "&Blocco..."},
    {"app.label.6038", "&Spam..."},
    {"app.label.6042", "&ClamAV..."},
    {"app.label.6039", "S&essione..."},
    {"app.label.6040", "Si&stema..."},
    {"app.label.6041", "&Virus..."},
    {"app.label.6043", "&Transito..."},
    {"app.label.6045", "&S/MIME..."},
    {"app.label.6046", "&DKIM..."},
    {"app.label.6047", "&TLS/SSL..."},
    {"app.label.6044", "&Esclusioni globali..."},
    {"app.label.6013", "&Consegna i messaggi ora"},
    {"app.label.6014", "Scrivi le &statistiche"},
    {"app.label.6015", "Scrivi la coda in &uscita"},
    {"app.label.6016", "Invia il file di &log"},
    {"app.label.6018", "Compatta la lista bianca"},
    {"app.label.6017", "Riavvia"},
    {"app.label.6019", "D&ocumentazione"},
    {"app.label.6020", "&Amministrare Morva"},
    {"app.label.6021", "&Risoluzione dei problemi"},
    {"app.label.6023", "&Combattere lo spam"},
    {"app.label.6024", "&Guida operativa"},
    {"app.label.6022", "&Aumentare la sicurezza"},
    {"app.label.6032", "Sito del servizio di &segnalazione spam"},
    {"app.label.6033", "MORVAFilter per la cartella Posta indesiderata di Exchange"},
    {"app.label.6025", "&Domande?"},
    {"app.label.6000", "Sito web di &Brentmoor"},
    {"app.label.5099", "&Ordine online"},
    {"app.label.57664", "&Informazioni su..."},
    {"app.prompt.57607", "Stampa il log\nStampa (Ctrl+P)"},
    {"app.prompt.57606", "Cambia la stampante e le opzioni di stampa\nImposta stampante"},
    {"app.prompt.57665", "Chiude la console\nEsci"},
    {"app.prompt.57643", "Annulla l'ultima azione\nAnnulla"},
    {"app.prompt.57635", "Taglia la selezione e la mette negli appunti\nTaglia"},
    {"app.prompt.57634", "Copia negli appunti le righe selezionate del log\nCopia"},
    {"app.prompt.57637", "Inserisce il contenuto degli appunti\nIncolla"},
    {"app.prompt.57636", "Cerca un testo nella colonna corrente del log\nTrova"},
    {"app.prompt.6002", "Aggiorna\nAggiorna (F5)"},
    {"app.prompt.6001", "Mostra di nuovo la vista del log"},
    {"app.prompt.6011", "Modifica l'elenco dei domini e-mail gestiti da Exchange"},
    {"app.prompt.6010", "Modifica l'elenco degli indirizzi e-mail gestiti da Exchange"},
    {"app.prompt.6031", "Attiva il supporto per MORVAFilter o per le regole di Outlook"},
    {"app.prompt.6035", "Installa, avvia e arresta il servizio Morva"},
    {"app.prompt.6008", "Modifica l'inoltro dei messaggi ad altri destinatari"},
    {"app.prompt.6009", "Modifica il blocco dei messaggi a livello di trasporto SMTP"},
    {"app.prompt.6026", "Traduce un dominio e-mail in un altro dominio nei messaggi in entrata"},
    {"app.prompt.6027", "Traduce una casella di posta in un'altra casella nei messaggi in entrata"},
    {"app.prompt.6028", "Traduce un dominio e-mail in un altro indirizzo e-mail nei messaggi in entrata"},
    {"app.prompt.6029", "Riscrive un dominio e-mail in un altro dominio nei messaggi in uscita"},
    {"app.prompt.6030", "Riscrive una casella di posta in un'altra casella nei messaggi in uscita"},
    {"app.prompt.6006", "Modifica le opzioni di configurazione avanzate"},
    {"app.prompt.6012", "Mostra le statistiche del gateway"},
    {"app.prompt.59392", "Mostra o nasconde la barra degli strumenti\nBarra degli strumenti"},
    {"app.prompt.59393", "Mostra o nasconde la barra di stato\nBarra di stato"},
    {"app.prompt.6036", "Modifica le opzioni relative a Exchange\nOpzioni generali"},
    {"app.prompt.6037", "Modifica le opzioni di blocco\nOpzioni di blocco"},
    {"app.prompt.6038", "Modifica le opzioni relative allo spam\nOpzioni antispam"},
    {"app.prompt.6042", "Modifica le opzioni relative a ClamAV"},
    {"app.prompt.6039", "Modifica le opzioni di sessione\nOpzioni di sessione"},
    {"app.prompt.6040", "Modifica le opzioni di sistema\nOpzioni di sistema"},
    {"app.prompt.6041", "Modifica le opzioni antivirus\nOpzioni antivirus"},
    {"app.prompt.6043", "Modifica la clausola di esclusione\nOpzioni di transito"},
    {"app.prompt.6044", "Modifica gli elenchi di esclusione\nEsclusioni globali"},
    {"app.prompt.6045", "Modifica le opzioni relative a S/MIME\nOpzioni S/MIME"},
    {"app.prompt.6046", "Modifica le opzioni relative a DKIM\nOpzioni DKIM"},
    {"app.prompt.6047", "Modifica le opzioni relative a TLS"},
    {"app.prompt.6013", "Segnala a GWCored di consegnare ora tutti i messaggi SMTP"},
    {"app.prompt.6014", "Segnala a GWCored di scrivere le statistiche nel file di log"},
    {"app.prompt.6015", "Segnala a GWCored di scrivere la coda in uscita nel file di log"},
    {"app.prompt.6016", "Segnala a GWCored di inviare il file di log corrente all'indirizzo e-mail definito come postmaster"},
    {"app.prompt.6018", "Segnala a GWCored di compattare la lista bianca (AdrOWL-A.dat). Nota: può richiedere del tempo a seconda delle dimensioni della lista"},
    {"app.prompt.6019", "Consulta la documentazione sul web"},
    {"app.prompt.6020", "Consulta la documentazione delle opzioni"},
    {"app.prompt.6021", "Consulta il database per la risoluzione dei problemi"},
    {"app.prompt.6023", "Mostra una descrizione di come funziona la lotta allo spam"},
    {"app.prompt.6024", "Mostra le impostazioni consigliate"},
    {"app.prompt.6022", "Mostra come aumentare la sicurezza del gateway"},
    {"app.prompt.6032", "Apre il sito del servizio di segnalazione spam"},
    {"app.prompt.6033", "Apre il sito del componente MORVAFilter"},
    {"app.prompt.6025", "Crea una richiesta di assistenza"},
    {"app.prompt.6000", "Apre il sito web di Brentmoor"},
    {"app.prompt.5099", "Ordina Morva online"},
    {"app.prompt.57664", "Mostra la versione e il produttore del programma\nInformazioni"},
    {"app.prompt.6007", "Crea una nuova voce\nNuovo"},
    {"app.prompt.6003", "Apre la voce selezionata\nApri (Invio)"},
    {"app.prompt.6004", "Elimina la voce selezionata\nElimina (Canc)"},
    {"app.prompt.57345", "Pronto"},
    {"app.prompt.59142", "Bloccato"},
    {"app.prompt.59137", "MAIUSC"},
    {"app.prompt.59138", "NUM"},
    {"app.versionMismatch", "La versione di GWConsole (<VERA>) non corrisponde alla versione di GWCored (<VERB>)"},
    {"app.browserFailed", "Impossibile avviare il browser WWW!"},
    {"app.createWindowFailed", "Impossibile creare la finestra: "},
    {"app.createDialogFailed", "Impossibile creare la finestra di dialogo: "},
    {"app.printing", "Stampa in corso..."},

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.signalFailed", "Impossibile creare un file di comando"},

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> italianTexts()
{
    return kTexts;
}

}  // namespace morva

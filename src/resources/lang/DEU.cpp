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
    {"app.menu.file", "&Datei"},
    {"app.menu.edit", "&Bearbeiten"},
    {"app.menu.view", "&Ansicht"},
    {"app.menu.configuration", "&Konfiguration"},
    {"app.menu.options", "&Optionen"},
    {"app.menu.exchange", "E&xchange"},
    {"app.menu.data", "Da&ten"},
    {"app.menu.translation", "&Übersetzung"},
    {"app.menu.rewrite", "&Umschreiben"},
    {"app.menu.signal", "&Signal"},
    {"app.menu.help", "&Hilfe"},
    {"app.label.57607", "&Drucken..."},
    {"app.label.57606", "Drucker&einrichtung..."},
    {"app.label.57665", "&Beenden"},
    {"app.label.57643", "&Rückgängig"},
    {"app.label.57635", "&Ausschneiden"},
    {"app.label.57634", "&Kopieren"},
    {"app.label.57637", "&Einfügen"},
    {"app.label.57636", "&Suchen"},
    {"app.label.6002", "&Aktualisieren"},
    {"app.label.6011", "&E-Mail-Domänen auf Exchange..."},
    {"app.label.6010", "E-Mail-&Adressen auf Exchange..."},
    {"app.label.6031", "&MORVAFilter-Add-On für den Exchange-Junk-E-Mail-Ordner..."},
    {"app.label.6035", "Dienst..."},
    {"app.label.6008", "E-Mail-&Weiterleitung..."},
    {"app.label.6009", "SMTP-&Sperren..."},
    {"app.label.6026", "&Domäne..."},
    {"app.label.6027", "&Postfach..."},
    {"app.label.6028", "Domäne in &E-Mail-Adresse..."},
    {"app.label.6029", "&Domäne..."},
    {"app.label.6030", "&Postfach..."},
    {"app.label.6006", "&Erweiterte Konfiguration..."},
    {"app.label.6012", "&Statistik..."},
    {"app.label.59392", "&Symbolleiste"},
    {"app.label.59393", "Status&leiste"},
    {"app.label.6036", "&Allgemein..."},
    {"app.label.6037", "&Sperren..."},
    {"app.label.6038", "S&pam..."},
    {"app.label.6042", "&ClamAV..."},
    {"app.label.6039", "Si&tzung..."},
    {"app.label.6040", "S&ystem..."},
    {"app.label.6041", "&Viren..."},
    {"app.label.6043", "&Transit..."},
    {"app.label.6045", "&S/MIME..."},
    {"app.label.6046", "&DKIM..."},
    {"app.label.6047", "&TLS/SSL..."},
    {"app.label.6044", "&Globale Ausnahmen..."},
    {"app.label.6013", "Nachrichten jetzt &zustellen"},
    {"app.label.6014", "&Statistik ausgeben"},
    {"app.label.6015", "&Ausgangswarteschlange ausgeben"},
    {"app.label.6016", "&Protokolldatei senden"},
    {"app.label.6018", "Whitelist packen"},
    {"app.label.6017", "Neustart"},
    {"app.label.6019", "D&okumentation"},
    {"app.label.6020", "Morva &verwalten"},
    {"app.label.6021", "&Fehlerbehebung"},
    {"app.label.6023", "Spam &bekämpfen"},
    {"app.label.6024", "&Betriebshandbuch"},
    {"app.label.6022", "&Sicherheit erhöhen"},
    {"app.label.6032", "Homepage des Spam-&Meldedienstes"},
    {"app.label.6033", "MORVAFilter für den Exchange-Junk-E-Mail-Ordner"},
    {"app.label.6025", "&Fragen?"},
    {"app.label.6000", "&Brentmoor-Homepage"},
    {"app.label.5099", "&Online bestellen"},
    {"app.label.57664", "&Info..."},
    {"app.prompt.57607", "Das Protokoll drucken\nDrucken (Strg+P)"},
    {"app.prompt.57606", "Drucker und Druckoptionen ändern\nDruckereinrichtung"},
    {"app.prompt.57665", "Die Konsole beenden\nBeenden"},
    {"app.prompt.57643", "Die letzte Aktion rückgängig machen\nRückgängig"},
    {"app.prompt.57635", "Die Auswahl ausschneiden und in die Zwischenablage legen\nAusschneiden"},
    {"app.prompt.57634", "Die markierten Protokollzeilen in die Zwischenablage kopieren\nKopieren"},
    {"app.prompt.57637", "Den Inhalt der Zwischenablage einfügen\nEinfügen"},
    {"app.prompt.57636", "Einen Text in der aktuellen Spalte des Protokolls suchen\nSuchen"},
    {"app.prompt.6002", "Aktualisieren\nAktualisieren (F5)"},
    {"app.prompt.6001", "Die Protokollansicht wieder anzeigen"},
    {"app.prompt.6011", "Liste der E-Mail-Domänen bearbeiten, für die Exchange zuständig ist"},
    {"app.prompt.6010", "Liste der E-Mail-Adressen bearbeiten, für die Exchange zuständig ist"},
    {"app.prompt.6031", "Unterstützung für MORVAFilter oder Outlook-Regeln einschalten"},
    {"app.prompt.6035", "Morva-Dienst installieren, starten und beenden"},
    {"app.prompt.6008", "Weiterleitung von Nachrichten an andere Empfänger bearbeiten"},
    {"app.prompt.6009", "Sperren von Nachrichten auf der SMTP-Transportebene bearbeiten"},
    {"app.prompt.6026", "Eine E-Mail-Domäne in eingehenden Nachrichten in eine andere E-Mail-Domäne übersetzen"},
    {"app.prompt.6027", "Ein E-Mail-Postfach in eingehenden Nachrichten in ein anderes Postfach übersetzen"},
    {"app.prompt.6028", "Eine E-Mail-Domäne in eingehenden Nachrichten in eine andere E-Mail-Adresse übersetzen"},
    {"app.prompt.6029", "Schreibt eine E-Mail-Domäne in ausgehenden Nachrichten in eine andere E-Mail-Domäne um"},
    {"app.prompt.6030", "Schreibt ein E-Mail-Postfach in ausgehenden Nachrichten in ein anderes Postfach um"},
    {"app.prompt.6006", "Erweiterte Konfigurationsoptionen bearbeiten"},
    {"app.prompt.6012", "Die Statistik des Gateways anzeigen"},
    {"app.prompt.59392", "Symbolleiste ein- oder ausblenden\nSymbolleiste"},
    {"app.prompt.59393", "Statusleiste ein- oder ausblenden\nStatusleiste"},
    {"app.prompt.6036", "Exchange-bezogene Optionen bearbeiten\nAllgemeine Optionen"},
    {"app.prompt.6037", "Optionen zum Sperren bearbeiten\nOptionen zum Sperren"},
    {"app.prompt.6038", "Spam-bezogene Optionen bearbeiten\nSpam-Optionen"},
    {"app.prompt.6042", "ClamAV-bezogene Optionen bearbeiten"},
    {"app.prompt.6039", "Sitzungsbezogene Optionen bearbeiten\nSitzungsoptionen"},
    {"app.prompt.6040", "Systembezogene Optionen bearbeiten\nSystemoptionen"},
    {"app.prompt.6041", "Virenbezogene Optionen bearbeiten\nViren-Optionen"},
    {"app.prompt.6043", "Haftungsausschluss bearbeiten\nTransit-Optionen"},
    {"app.prompt.6044", "Ausnahmelisten bearbeiten\nGlobale Ausnahmen"},
    {"app.prompt.6045", "S/MIME-bezogene Optionen bearbeiten\nS/MIME-Optionen"},
    {"app.prompt.6046", "DKIM-bezogene Optionen bearbeiten\nDKIM-Optionen"},
    {"app.prompt.6047", "TLS-bezogene Optionen bearbeiten"},
    {"app.prompt.6013", "GWCored signalisieren, alle SMTP-Nachrichten jetzt zuzustellen"},
    {"app.prompt.6014", "GWCored signalisieren, die Statistik in die Protokolldatei zu schreiben"},
    {"app.prompt.6015", "GWCored signalisieren, die Ausgangswarteschlange in die Protokolldatei zu schreiben"},
    {"app.prompt.6016", "GWCored signalisieren, die aktuelle Protokolldatei an die als Postmaster eingetragene E-Mail-Adresse zu senden"},
    {"app.prompt.6018", "GWCored signalisieren, die Whitelist (AdrOWL-A.dat) zu packen. Hinweis: Das kann je nach Größe der Liste einige Zeit dauern"},
    {"app.prompt.6019", "Die Dokumentation im Web anzeigen"},
    {"app.prompt.6020", "Die Dokumentation der Optionen anzeigen"},
    {"app.prompt.6021", "Die Datenbank zur Fehlerbehebung anzeigen"},
    {"app.prompt.6023", "Eine Beschreibung der Spam-Bekämpfung anzeigen"},
    {"app.prompt.6024", "Die empfohlenen Einstellungen anzeigen"},
    {"app.prompt.6022", "Anzeigen, wie sich die Sicherheit des Gateways erhöhen lässt"},
    {"app.prompt.6032", "Die Homepage des Spam-Meldedienstes öffnen"},
    {"app.prompt.6033", "Die Homepage des MORVAFilter-Add-Ons öffnen"},
    {"app.prompt.6025", "Eine Supportanfrage erstellen"},
    {"app.prompt.6000", "Die Homepage von Brentmoor öffnen"},
    {"app.prompt.5099", "Morva online bestellen"},
    {"app.prompt.57664", "Version und Hersteller des Programms anzeigen\nInfo"},
    {"app.prompt.6007", "Einen neuen Eintrag anlegen\nNeu"},
    {"app.prompt.6003", "Den markierten Eintrag öffnen\nÖffnen (Eingabe)"},
    {"app.prompt.6004", "Den markierten Eintrag löschen\nLöschen (Entf)"},
    {"app.prompt.57345", "Bereit"},
    {"app.prompt.59142", "Gesperrt"},
    {"app.prompt.59137", "UF"},
    {"app.prompt.59138", "NUM"},
    {"app.versionMismatch", "Die Version von GWConsole (<VERA>) stimmt nicht mit der Version von GWCored (<VERB>) überein"},
    {"app.browserFailed", "Ihr WWW-Browser kann nicht gestartet werden!"},
    {"app.createWindowFailed", "Das Fenster kann nicht erstellt werden: "},
    {"app.createDialogFailed", "Das Dialogfeld kann nicht erstellt werden: "},
    {"app.printing", "Drucken..."},

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.signalFailed", "Unable to create signal file"},

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> germanTexts()
{
    return kTexts;
}

}  // namespace morva

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
    {"app.menu.file", "&File"},
    {"app.menu.edit", "&Edit"},
    {"app.menu.view", "&View"},
    {"app.menu.configuration", "&Configuration"},
    {"app.menu.options", "&Options"},
    {"app.menu.exchange", "E&xchange"},
    {"app.menu.data", "&Data"},
    {"app.menu.translation", "&Translation"},
    {"app.menu.rewrite", "Re&write"},
    {"app.menu.signal", "&Signal"},
    {"app.menu.help", "&Help"},
    {"app.label.57607", "&Print..."},
    {"app.label.57606", "P&rint Setup..."},
    {"app.label.57665", "E&xit"},
    {"app.label.57643", "&Undo"},
    {"app.label.57635", "Cu&t"},
    {"app.label.57634", "&Copy"},
    {"app.label.57637", "&Paste"},
    {"app.label.57636", "&Find"},
    {"app.label.6002", "&Refresh"},
    {"app.label.6011", "&E-mail domain on Exchange..."},
    {"app.label.6010", "&E-mail address on Exchange..."},
    {"app.label.6031", "&MORVAFilter Exchange Junk-E-Mail Folder Add-On..."},
    {"app.label.6035", "Service..."},
    {"app.label.6008", "E-mail &Forwarding..."},
    {"app.label.6009", "SMTP &Blocking..."},
    {"app.label.6026", "&Domain..."},
    {"app.label.6027", "&Mailbox..."},
    {"app.label.6028", "Domain to &E-mail address..."},
    {"app.label.6029", "&Domain..."},
    {"app.label.6030", "&Mailbox..."},
    {"app.label.6006", "&Advanced Configuration..."},
    {"app.label.6012", "&Statistic..."},
    {"app.label.59392", "&Toolbar"},
    {"app.label.59393", "&Status Bar"},
    {"app.label.6036", "&General..."},
    {"app.label.6037", "&Blocking..."},
    {"app.label.6038", "&Spam..."},
    {"app.label.6042", "&ClamAV..."},
    {"app.label.6039", "S&ession..."},
    {"app.label.6040", "S&ystem..."},
    {"app.label.6041", "&Virus..."},
    {"app.label.6043", "&Transit..."},
    {"app.label.6045", "&S/MIME..."},
    {"app.label.6046", "&DKIM..."},
    {"app.label.6047", "&TLS/SSL..."},
    {"app.label.6044", "&Global Exclude..."},
    {"app.label.6013", "&Deliver messages now"},
    {"app.label.6014", "Dump &statistics"},
    {"app.label.6015", "Dump &outbound queue"},
    {"app.label.6016", "Send &logfile"},
    {"app.label.6018", "Pack White List"},
    {"app.label.6017", "Restart"},
    {"app.label.6019", "D&ocumentation"},
    {"app.label.6020", "&Administer Morva"},
    {"app.label.6021", "&Troubleshooting"},
    {"app.label.6023", "&Fight Spam"},
    {"app.label.6024", "&Operations Guide"},
    {"app.label.6022", "&Tighten Security"},
    {"app.label.6032", "Spam &report service home page"},
    {"app.label.6033", "MORVAFilter Exchange Junk-E-Mail Folder"},
    {"app.label.6025", "Any &questions?"},
    {"app.label.6000", "&Brentmoor's Home Page"},
    {"app.label.5099", "&Online Order"},
    {"app.label.57664", "A&bout..."},
    {"app.prompt.57607", "Print the log\nPrint (Ctrl+P)"},
    {"app.prompt.57606", "Change the printer and printing options\nPrint Setup"},
    {"app.prompt.57665", "Quit the console\nExit"},
    {"app.prompt.57643", "Undo the last action\nUndo"},
    {"app.prompt.57635", "Cut the selection and put it on the clipboard\nCut"},
    {"app.prompt.57634", "Copy the selected log lines to the clipboard\nCopy"},
    {"app.prompt.57637", "Insert the clipboard contents\nPaste"},
    {"app.prompt.57636", "Find a text in the current column of the log\nFind"},
    {"app.prompt.6002", "Refresh\nRefresh (F5)"},
    {"app.prompt.6001", "Show the log view again"},
    {"app.prompt.6011", "Edit E-mail domain list for which Exchange is responsible"},
    {"app.prompt.6010", "Edit E-mail address list for which Exchange is responsible"},
    {"app.prompt.6031", "Enable support for MORVAFilter or Outlook rules"},
    {"app.prompt.6035", "Install, start and stops Morva service"},
    {"app.prompt.6008", "Edit forwarding of messages to alternate recipients"},
    {"app.prompt.6009", "Edit blocking of messages at the SMTP transport level"},
    {"app.prompt.6026", "Translate an e-mail domain to another e-mail domain on inbound messages"},
    {"app.prompt.6027", "Translate an e-mail mailbox to another e-mail mailbox on inbound messages"},
    {"app.prompt.6028", "Translate an e-mail domain to another e-mail address on inbound messages"},
    {"app.prompt.6029", "Rewrites an e-mail domain to another e-mail domain on oubound messages"},
    {"app.prompt.6030", "Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages"},
    {"app.prompt.6006", "Edit advanced configuration options"},
    {"app.prompt.6012", "Show the gateway's statistics"},
    {"app.prompt.59392", "Show or hide the toolbar\nToggle Toolbar"},
    {"app.prompt.59393", "Show or hide the status bar\nToggle Status Bar"},
    {"app.prompt.6036", "Edit Exchange related options\nGeneral options"},
    {"app.prompt.6037", "Edit blocking related options\nBlocking options"},
    {"app.prompt.6038", "Edit spam related options\nSpam options"},
    {"app.prompt.6042", "Edit ClamAV related options"},
    {"app.prompt.6039", "Edit session related options\nSession options"},
    {"app.prompt.6040", "Edit system related options\nSystem options"},
    {"app.prompt.6041", "Edit virus related options\nVirus options"},
    {"app.prompt.6043", "Edit disclaimer\nTransit options"},
    {"app.prompt.6044", "Edit exclusion lists\nGlobal exclude"},
    {"app.prompt.6045", "Edit S/MIME related options\nS/MIME options"},
    {"app.prompt.6046", "Edit DKIM related options\nDKIM options"},
    {"app.prompt.6047", "Edit TLS related options"},
    {"app.prompt.6013", "Signal GWCored to deliver all SMTP message now"},
    {"app.prompt.6014", "Signal GWCored to dump the statistics into the logfile"},
    {"app.prompt.6015", "Signal GWCored to dump the outbound queue into the logfile"},
    {"app.prompt.6016", "Signal GWCored to send the current logfile to the e-mail address defined as postmaster"},
    {"app.prompt.6018", "Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list"},
    {"app.prompt.6019", "View the documentation on the web"},
    {"app.prompt.6020", "View the documentation of the options"},
    {"app.prompt.6021", "View troubleshooting database"},
    {"app.prompt.6023", "View a description how spam fighting works"},
    {"app.prompt.6024", "View the recommended settings"},
    {"app.prompt.6022", "View how to tighten the gateway's security"},
    {"app.prompt.6032", "Open the home page of the spam report service"},
    {"app.prompt.6033", "Open the home page of the MORVAFilter add-on"},
    {"app.prompt.6025", "Create a support request"},
    {"app.prompt.6000", "Open Brentmoor's home page"},
    {"app.prompt.5099", "Order Morva online"},
    {"app.prompt.57664", "Show the program's version and maker\nAbout"},
    {"app.prompt.6007", "Create a new entry\nNew"},
    {"app.prompt.6003", "Open the selected entry\nOpen (Enter)"},
    {"app.prompt.6004", "Delete the selected entry\nDelete (Del)"},
    {"app.prompt.57345", "Ready"},
    {"app.prompt.59142", "Locked"},
    {"app.prompt.59137", "CAP"},
    {"app.prompt.59138", "NUM"},
    {"app.versionMismatch", "Version of GWConsole (<VERA>) does not match the version of GWCored (<VERB>)"},
    {"app.browserFailed", "Unable to start your WWW browser!"},
    {"app.createWindowFailed", "Unable to create window: "},
    {"app.createDialogFailed", "Unable to create dialog box: "},
    {"app.printing", "Printing..."},

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.signalFailed", "Unable to create signal file"},

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> englishTexts()
{
    return kTexts;
}

}  // namespace morva

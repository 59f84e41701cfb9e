<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>common</name>
    <message id="common.caption">
        <source>Morva Admin</source>
        <translation>Morva Admin</translation>
    </message>
    <message id="common.notPlainFile">
        <source>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 è un collegamento simbolico o un file speciale (dispositivo, pipe o socket). La console non segue un file di questo tipo e non vi scrive: rimuoverlo e riprovare.</translation>
    </message>
</context>
<context>
    <name>app (start-up, main window, log view)</name>
    <message id="app.menu.file">
        <source>&amp;File</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message id="app.menu.edit">
        <source>&amp;Edit</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Modifica</translation>
    </message>
    <message id="app.menu.view">
        <source>&amp;View</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Visualizza</translation>
    </message>
    <message id="app.menu.configuration">
        <source>&amp;Configuration</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Configurazione</translation>
    </message>
    <message id="app.menu.options">
        <source>&amp;Options</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message id="app.menu.exchange">
        <source>Exch&amp;ange</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Exchange</translation>
    </message>
    <message id="app.menu.data">
        <source>&amp;Data</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dati</translation>
    </message>
    <message id="app.menu.translation">
        <source>&amp;Translation</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Traduzione</translation>
    </message>
    <message id="app.menu.rewrite">
        <source>Re&amp;write</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Riscrittura</translation>
    </message>
    <message id="app.menu.signal">
        <source>&amp;Signal</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Segnale</translation>
    </message>
    <message id="app.menu.help">
        <source>&amp;Help</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;iuto</translation>
    </message>
    <message id="app.label.57607">
        <source>&amp;Print...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;tampa...</translation>
    </message>
    <message id="app.label.57606">
        <source>P&amp;rint Setup...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>I&amp;mposta stampante...</translation>
    </message>
    <message id="app.label.57665">
        <source>E&amp;xit</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message id="app.label.57643">
        <source>&amp;Undo</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message id="app.label.57635">
        <source>Cu&amp;t</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Taglia</translation>
    </message>
    <message id="app.label.57634">
        <source>&amp;Copy</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message id="app.label.57637">
        <source>&amp;Paste</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Incolla</translation>
    </message>
    <message id="app.label.57636">
        <source>&amp;Find</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>T&amp;rova</translation>
    </message>
    <message id="app.label.6002">
        <source>&amp;Refresh</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message id="app.label.6011">
        <source>&amp;E-mail domain on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domini e-mail su Exchange...</translation>
    </message>
    <message id="app.label.6010">
        <source>E-mail &amp;address on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Indirizzi e-mail su Exchange...</translation>
    </message>
    <message id="app.label.6031">
        <source>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Componente MORVAFilter per la cartella Posta indesiderata di Exchange...</translation>
    </message>
    <message id="app.label.6035">
        <source>Service...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window.</extracomment>
        <translation>Servizio...</translation>
    </message>
    <message id="app.label.6008">
        <source>E-mail &amp;Forwarding...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Inoltro e-mail...</translation>
    </message>
    <message id="app.label.6009">
        <source>SMTP &amp;Blocking...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Blocco SMTP...</translation>
    </message>
    <message id="app.label.6026">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dominio...</translation>
    </message>
    <message id="app.label.6027">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Casella di posta...</translation>
    </message>
    <message id="app.label.6028">
        <source>Domain to &amp;E-mail address...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Dominio in &amp;indirizzo e-mail...</translation>
    </message>
    <message id="app.label.6029">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dominio...</translation>
    </message>
    <message id="app.label.6030">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Casella di posta...</translation>
    </message>
    <message id="app.label.6006">
        <source>&amp;Advanced Configuration...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Configurazione &amp;avanzata...</translation>
    </message>
    <message id="app.label.6012">
        <source>Stat&amp;istic...</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Stat&amp;istiche...</translation>
    </message>
    <message id="app.label.59392">
        <source>&amp;Toolbar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message id="app.label.59393">
        <source>&amp;Status Bar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message id="app.label.6036">
        <source>&amp;General...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Generale...</translation>
    </message>
    <message id="app.label.6037">
        <source>&amp;Blocking...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Blocco...</translation>
    </message>
    <message id="app.label.6038">
        <source>&amp;Spam...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Spam...</translation>
    </message>
    <message id="app.label.6042">
        <source>&amp;ClamAV...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;ClamAV...</translation>
    </message>
    <message id="app.label.6039">
        <source>S&amp;ession...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;essione...</translation>
    </message>
    <message id="app.label.6040">
        <source>S&amp;ystem...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Siste&amp;ma...</translation>
    </message>
    <message id="app.label.6041">
        <source>&amp;Virus...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Virus...</translation>
    </message>
    <message id="app.label.6043">
        <source>&amp;Transit...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Transito...</translation>
    </message>
    <message id="app.label.6045">
        <source>S/&amp;MIME...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S/M&amp;IME...</translation>
    </message>
    <message id="app.label.6046">
        <source>&amp;DKIM...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;DKIM...</translation>
    </message>
    <message id="app.label.6047">
        <source>T&amp;LS/SSL...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>T&amp;LS/SSL...</translation>
    </message>
    <message id="app.label.6044">
        <source>Global Excl&amp;ude...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Escl&amp;usioni globali...</translation>
    </message>
    <message id="app.label.6013">
        <source>&amp;Deliver messages now</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Consegna i messaggi ora</translation>
    </message>
    <message id="app.label.6014">
        <source>Dump &amp;statistics</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Scrivi le &amp;statistiche</translation>
    </message>
    <message id="app.label.6015">
        <source>Dump &amp;outbound queue</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Scrivi la coda in &amp;uscita</translation>
    </message>
    <message id="app.label.6016">
        <source>Send &amp;logfile</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Invia il file di &amp;log</translation>
    </message>
    <message id="app.label.6018">
        <source>Pack White List</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Compatta la lista bianca</translation>
    </message>
    <message id="app.label.6017">
        <source>Restart</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Riavvia</translation>
    </message>
    <message id="app.label.6019">
        <source>D&amp;ocumentation</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;ocumentazione</translation>
    </message>
    <message id="app.label.6020">
        <source>&amp;Administer Morva</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Amministrare Morva</translation>
    </message>
    <message id="app.label.6021">
        <source>&amp;Troubleshooting</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Risoluzione dei problemi</translation>
    </message>
    <message id="app.label.6023">
        <source>&amp;Fight Spam</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Combattere lo spam</translation>
    </message>
    <message id="app.label.6024">
        <source>O&amp;perations Guide</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Guida operativa</translation>
    </message>
    <message id="app.label.6022">
        <source>Tighten &amp;Security</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;umentare la sicurezza</translation>
    </message>
    <message id="app.label.6032">
        <source>Spam &amp;report service home page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Sito del servizio di &amp;segnalazione spam</translation>
    </message>
    <message id="app.label.6033">
        <source>MORVAFilter Exchange Junk-E-Mail Folder</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window.</extracomment>
        <translation>MORVAFilter per la cartella Posta indesiderata di Exchange</translation>
    </message>
    <message id="app.label.6025">
        <source>Any &amp;questions?</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domande?</translation>
    </message>
    <message id="app.label.6000">
        <source>Brentmoor&apos;s &amp;Home Page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Sito web di &amp;Brentmoor</translation>
    </message>
    <message id="app.label.5099">
        <source>O&amp;nline Order</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ordine o&amp;nline</translation>
    </message>
    <message id="app.label.57664">
        <source>A&amp;bout...</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Informazioni su...</translation>
    </message>
    <message id="app.prompt.57607">
        <source>Print the log
Print (Ctrl+P)</source>
        <extracomment>Status bar prompt of the command &quot;Print...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Stampa il log
Stampa (Ctrl+P)</translation>
    </message>
    <message id="app.prompt.57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>Status bar prompt of the command &quot;Print Setup...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cambia la stampante e le opzioni di stampa
Imposta stampante</translation>
    </message>
    <message id="app.prompt.57665">
        <source>Quit the console
Exit</source>
        <extracomment>Status bar prompt of the command &quot;Exit&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Chiude la console
Esci</translation>
    </message>
    <message id="app.prompt.57643">
        <source>Undo the last action
Undo</source>
        <extracomment>Status bar prompt of the command &quot;Undo&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Annulla l&apos;ultima azione
Annulla</translation>
    </message>
    <message id="app.prompt.57635">
        <source>Cut the selection and put it on the clipboard
Cut</source>
        <extracomment>Status bar prompt of the command &quot;Cut&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Taglia la selezione e la mette negli appunti
Taglia</translation>
    </message>
    <message id="app.prompt.57634">
        <source>Copy the selected log lines to the clipboard
Copy</source>
        <extracomment>Status bar prompt of the command &quot;Copy&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Copia negli appunti le righe selezionate del log
Copia</translation>
    </message>
    <message id="app.prompt.57637">
        <source>Insert the clipboard contents
Paste</source>
        <extracomment>Status bar prompt of the command &quot;Paste&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Inserisce il contenuto degli appunti
Incolla</translation>
    </message>
    <message id="app.prompt.57636">
        <source>Find a text in the current column of the log
Find</source>
        <extracomment>Status bar prompt of the command &quot;Find&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cerca un testo nella colonna corrente del log
Trova</translation>
    </message>
    <message id="app.prompt.6002">
        <source>Refresh
Refresh (F5)</source>
        <extracomment>Status bar prompt of the command &quot;Refresh&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Aggiorna
Aggiorna (F5)</translation>
    </message>
    <message id="app.prompt.6001">
        <source>Show the log view again</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra di nuovo la vista del log</translation>
    </message>
    <message id="app.prompt.6011">
        <source>Edit E-mail domain list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail domain on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica l&apos;elenco dei domini e-mail gestiti da Exchange</translation>
    </message>
    <message id="app.prompt.6010">
        <source>Edit E-mail address list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail address on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica l&apos;elenco degli indirizzi e-mail gestiti da Exchange</translation>
    </message>
    <message id="app.prompt.6031">
        <source>Enable support for MORVAFilter or Outlook rules</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder Add-On...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Attiva il supporto per MORVAFilter o per le regole di Outlook</translation>
    </message>
    <message id="app.prompt.6035">
        <source>Install, start and stops Morva service</source>
        <extracomment>Status bar prompt of the command &quot;Service...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Installa, avvia e arresta il servizio Morva</translation>
    </message>
    <message id="app.prompt.6008">
        <source>Edit forwarding of messages to alternate recipients</source>
        <extracomment>Status bar prompt of the command &quot;E-mail Forwarding...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica l&apos;inoltro dei messaggi ad altri destinatari</translation>
    </message>
    <message id="app.prompt.6009">
        <source>Edit blocking of messages at the SMTP transport level</source>
        <extracomment>Status bar prompt of the command &quot;SMTP Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica il blocco dei messaggi a livello di trasporto SMTP</translation>
    </message>
    <message id="app.prompt.6026">
        <source>Translate an e-mail domain to another e-mail domain on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduce un dominio e-mail in un altro dominio nei messaggi in entrata</translation>
    </message>
    <message id="app.prompt.6027">
        <source>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduce una casella di posta in un&apos;altra casella nei messaggi in entrata</translation>
    </message>
    <message id="app.prompt.6028">
        <source>Translate an e-mail domain to another e-mail address on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain to E-mail address...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduce un dominio e-mail in un altro indirizzo e-mail nei messaggi in entrata</translation>
    </message>
    <message id="app.prompt.6029">
        <source>Rewrites an e-mail domain to another e-mail domain on oubound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Riscrive un dominio e-mail in un altro dominio nei messaggi in uscita</translation>
    </message>
    <message id="app.prompt.6030">
        <source>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Riscrive una casella di posta in un&apos;altra casella nei messaggi in uscita</translation>
    </message>
    <message id="app.prompt.6006">
        <source>Edit advanced configuration options</source>
        <extracomment>Status bar prompt of the command &quot;Advanced Configuration...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni di configurazione avanzate</translation>
    </message>
    <message id="app.prompt.6012">
        <source>Show the gateway&apos;s statistics</source>
        <extracomment>Status bar prompt of the command &quot;Statistic...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra le statistiche del gateway</translation>
    </message>
    <message id="app.prompt.59392">
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar prompt of the command &quot;Toolbar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra o nasconde la barra degli strumenti
Barra degli strumenti</translation>
    </message>
    <message id="app.prompt.59393">
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar prompt of the command &quot;Status Bar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra o nasconde la barra di stato
Barra di stato</translation>
    </message>
    <message id="app.prompt.6036">
        <source>Edit Exchange related options
General options</source>
        <extracomment>Status bar prompt of the command &quot;General...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative a Exchange
Opzioni generali</translation>
    </message>
    <message id="app.prompt.6037">
        <source>Edit blocking related options
Blocking options</source>
        <extracomment>Status bar prompt of the command &quot;Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni di blocco
Opzioni di blocco</translation>
    </message>
    <message id="app.prompt.6038">
        <source>Edit spam related options
Spam options</source>
        <extracomment>Status bar prompt of the command &quot;Spam...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative allo spam
Opzioni antispam</translation>
    </message>
    <message id="app.prompt.6042">
        <source>Edit ClamAV related options</source>
        <extracomment>Status bar prompt of the command &quot;ClamAV...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative a ClamAV</translation>
    </message>
    <message id="app.prompt.6039">
        <source>Edit session related options
Session options</source>
        <extracomment>Status bar prompt of the command &quot;Session...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni di sessione
Opzioni di sessione</translation>
    </message>
    <message id="app.prompt.6040">
        <source>Edit system related options
System options</source>
        <extracomment>Status bar prompt of the command &quot;System...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni di sistema
Opzioni di sistema</translation>
    </message>
    <message id="app.prompt.6041">
        <source>Edit virus related options
Virus options</source>
        <extracomment>Status bar prompt of the command &quot;Virus...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni antivirus
Opzioni antivirus</translation>
    </message>
    <message id="app.prompt.6043">
        <source>Edit disclaimer
Transit options</source>
        <extracomment>Status bar prompt of the command &quot;Transit...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica la clausola di esclusione
Opzioni di transito</translation>
    </message>
    <message id="app.prompt.6044">
        <source>Edit exclusion lists
Global exclude</source>
        <extracomment>Status bar prompt of the command &quot;Global Exclude...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica gli elenchi di esclusione
Esclusioni globali</translation>
    </message>
    <message id="app.prompt.6045">
        <source>Edit S/MIME related options
S/MIME options</source>
        <extracomment>Status bar prompt of the command &quot;S/MIME...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative a S/MIME
Opzioni S/MIME</translation>
    </message>
    <message id="app.prompt.6046">
        <source>Edit DKIM related options
DKIM options</source>
        <extracomment>Status bar prompt of the command &quot;DKIM...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative a DKIM
Opzioni DKIM</translation>
    </message>
    <message id="app.prompt.6047">
        <source>Edit TLS related options</source>
        <extracomment>Status bar prompt of the command &quot;TLS/SSL...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifica le opzioni relative a TLS</translation>
    </message>
    <message id="app.prompt.6013">
        <source>Signal GWCored to deliver all SMTP message now</source>
        <extracomment>Status bar prompt of the command &quot;Deliver messages now&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Segnala a GWCored di consegnare ora tutti i messaggi SMTP</translation>
    </message>
    <message id="app.prompt.6014">
        <source>Signal GWCored to dump the statistics into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump statistics&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Segnala a GWCored di scrivere le statistiche nel file di log</translation>
    </message>
    <message id="app.prompt.6015">
        <source>Signal GWCored to dump the outbound queue into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump outbound queue&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Segnala a GWCored di scrivere la coda in uscita nel file di log</translation>
    </message>
    <message id="app.prompt.6016">
        <source>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</source>
        <extracomment>Status bar prompt of the command &quot;Send logfile&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Segnala a GWCored di inviare il file di log corrente all&apos;indirizzo e-mail definito come postmaster</translation>
    </message>
    <message id="app.prompt.6018">
        <source>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</source>
        <extracomment>Status bar prompt of the command &quot;Pack White List&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Segnala a GWCored di compattare la lista bianca (AdrOWL-A.dat). Nota: può richiedere del tempo a seconda delle dimensioni della lista</translation>
    </message>
    <message id="app.prompt.6019">
        <source>View the documentation on the web</source>
        <extracomment>Status bar prompt of the command &quot;Documentation&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulta la documentazione sul web</translation>
    </message>
    <message id="app.prompt.6020">
        <source>View the documentation of the options</source>
        <extracomment>Status bar prompt of the command &quot;Administer Morva&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulta la documentazione delle opzioni</translation>
    </message>
    <message id="app.prompt.6021">
        <source>View troubleshooting database</source>
        <extracomment>Status bar prompt of the command &quot;Troubleshooting&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulta il database per la risoluzione dei problemi</translation>
    </message>
    <message id="app.prompt.6023">
        <source>View a description how spam fighting works</source>
        <extracomment>Status bar prompt of the command &quot;Fight Spam&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra una descrizione di come funziona la lotta allo spam</translation>
    </message>
    <message id="app.prompt.6024">
        <source>View the recommended settings</source>
        <extracomment>Status bar prompt of the command &quot;Operations Guide&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra le impostazioni consigliate</translation>
    </message>
    <message id="app.prompt.6022">
        <source>View how to tighten the gateway&apos;s security</source>
        <extracomment>Status bar prompt of the command &quot;Tighten Security&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra come aumentare la sicurezza del gateway</translation>
    </message>
    <message id="app.prompt.6032">
        <source>Open the home page of the spam report service</source>
        <extracomment>Status bar prompt of the command &quot;Spam report service home page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Apre il sito del servizio di segnalazione spam</translation>
    </message>
    <message id="app.prompt.6033">
        <source>Open the home page of the MORVAFilter add-on</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Apre il sito del componente MORVAFilter</translation>
    </message>
    <message id="app.prompt.6025">
        <source>Create a support request</source>
        <extracomment>Status bar prompt of the command &quot;Any questions?&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Crea una richiesta di assistenza</translation>
    </message>
    <message id="app.prompt.6000">
        <source>Open Brentmoor&apos;s home page</source>
        <extracomment>Status bar prompt of the command &quot;Brentmoor&apos;s Home Page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Apre il sito web di Brentmoor</translation>
    </message>
    <message id="app.prompt.5099">
        <source>Order Morva online</source>
        <extracomment>Status bar prompt of the command &quot;Online Order&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ordina Morva online</translation>
    </message>
    <message id="app.prompt.57664">
        <source>Show the program&apos;s version and maker
About</source>
        <extracomment>Status bar prompt of the command &quot;About...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra la versione e il produttore del programma
Informazioni</translation>
    </message>
    <message id="app.prompt.6007">
        <source>Create a new entry
New</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Crea una nuova voce
Nuovo</translation>
    </message>
    <message id="app.prompt.6003">
        <source>Open the selected entry
Open (Enter)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Apre la voce selezionata
Apri (Invio)</translation>
    </message>
    <message id="app.prompt.6004">
        <source>Delete the selected entry
Delete (Del)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Elimina la voce selezionata
Elimina (Canc)</translation>
    </message>
    <message id="app.prompt.57345">
        <source>Ready</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Pronto</translation>
    </message>
    <message id="app.prompt.59142">
        <source>Locked</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Bloccato</translation>
    </message>
    <message id="app.prompt.59137">
        <source>CAP</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>MAIUSC</translation>
    </message>
    <message id="app.prompt.59138">
        <source>NUM</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>NUM</translation>
    </message>
    <message id="app.versionMismatch">
        <source>Version of GWConsole (%1) does not match the version of GWCored (%2)</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>La versione di GWConsole (%1) non corrisponde alla versione di GWCored (%2)</translation>
    </message>
    <message id="app.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Impossibile avviare il browser WWW!</translation>
    </message>
    <message id="app.createWindowFailed">
        <source>Unable to create window: </source>
        <translation>Impossibile creare la finestra: </translation>
    </message>
    <message id="app.createDialogFailed">
        <source>Unable to create dialog box: </source>
        <translation>Impossibile creare la finestra di dialogo: </translation>
    </message>
    <message id="app.printing">
        <source>Printing...</source>
        <translation>Stampa in corso...</translation>
    </message>
</context>
<context>
    <name>app: log view, find, message boxes, About box</name>
    <message id="app.button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="app.button.yes">
        <source>&amp;Yes</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Sì</translation>
    </message>
    <message id="app.button.no">
        <source>&amp;No</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message id="app.button.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="app.log.time">
        <source>Time</source>
        <translation>Orario</translation>
    </message>
    <message id="app.log.thread">
        <source>Thread</source>
        <translation>Thread</translation>
    </message>
    <message id="app.log.activity">
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message id="app.log.openWith">
        <source>Open with the associated program</source>
        <translation>Apri con il programma associato</translation>
    </message>
    <message id="app.log.openFailed">
        <source>Unable to open the log file with the associated program:</source>
        <translation>Impossibile aprire il file di log con il programma associato:</translation>
    </message>
    <message id="app.find.caption">
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message id="app.find.what">
        <source>Fi&amp;nd what:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Trova:</translation>
    </message>
    <message id="app.find.next">
        <source>&amp;Find Next</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message id="app.find.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="app.find.notFound">
        <source>The text was not found in this column.</source>
        <translation>Il testo non è stato trovato in questa colonna.</translation>
    </message>
    <message id="app.find.wrapped">
        <source>End of the column reached; continued from the top.</source>
        <translation>Raggiunta la fine della colonna; ricerca ripresa dall&apos;inizio.</translation>
    </message>
    <message id="app.find.noData">
        <source>Unable to find valid data in this column!</source>
        <translation>Impossibile trovare dati validi in questa colonna!</translation>
    </message>
    <message id="app.printFailed">
        <source>Print Error: the log could not be printed.</source>
        <translation>Errore di stampa: impossibile stampare il log.</translation>
    </message>
    <message id="app.log.following">
        <source>Following</source>
        <translation>In ascolto</translation>
    </message>
    <message id="app.log.paused">
        <source>Paused, %1 new lines</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>In pausa, %1 nuove righe</translation>
    </message>
    <message id="app.logFilter.placeholder">
        <source>Filter: words, -word to leave out, "a phrase"</source>
        <extracomment>Placeholder of the log view's filter field; keep the quotes and the minus sign.</extracomment>
        <translation>Filtro: parole, -parola da escludere, "una frase"</translation>
    </message>
    <message id="app.logFilter.help">
        <source>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</source>
        <extracomment>Tool tip of the log view's filter field.</extracomment>
        <translation>Una riga deve contenere ogni parola, maiuscole o minuscole; -parola esclude righe; "una frase" è un solo termine. Esc cancella il filtro.</translation>
    </message>
    <message id="app.logFilter.regex">
        <source>Regular expression</source>
        <translation>Espressione regolare</translation>
    </message>
    <message id="app.logFilter.onlyMatching">
        <source>Only matching lines</source>
        <translation>Solo righe corrispondenti</translation>
    </message>
    <message id="app.logFilter.highlight">
        <source>Highlight matches</source>
        <translation>Evidenzia corrispondenze</translation>
    </message>
    <message id="app.logFilter.rejections">
        <source>Rejected</source>
        <extracomment>Legend of the log colours: rejections and blocks.</extracomment>
        <translation>Respinto</translation>
    </message>
    <message id="app.logFilter.deliveries">
        <source>Delivered</source>
        <extracomment>Legend of the log colours: deliveries.</extracomment>
        <translation>Consegnato</translation>
    </message>
    <message id="app.logFilter.viruses">
        <source>Virus</source>
        <extracomment>Legend of the log colours: virus findings.</extracomment>
        <translation>Virus</translation>
    </message>
    <message id="app.logFilter.problems">
        <source>Errors</source>
        <extracomment>Legend of the log colours: errors and warnings of the gateway.</extracomment>
        <translation>Errori</translation>
    </message>
    <message id="app.logFilter.connections">
        <source>Connections</source>
        <extracomment>Legend of the log colours: connections.</extracomment>
        <translation>Connessioni</translation>
    </message>
    <message id="app.logFilter.legendTip">
        <source>Show only the rows of this colour; click again to show all</source>
        <translation>Mostra solo le righe di questo colore; clicca di nuovo per mostrarle tutte</translation>
    </message>
    <message id="app.logFilter.close">
        <source>Close the filter bar and clear the filter</source>
        <translation>Chiudi la barra del filtro e cancella il filtro</translation>
    </message>
    <message id="app.logFilter.count">
        <source>%1 of %2 rows</source>
        <extracomment>%1 rows shown, %2 rows kept; keep both.</extracomment>
        <translation>%1 di %2 righe</translation>
    </message>
    <message id="app.logFilter.badRegex">
        <source>Invalid regular expression: %1</source>
        <extracomment>%1 is the reason (in English); keep it.</extracomment>
        <translation>Espressione regolare non valida: %1</translation>
    </message>
    <message id="app.logFilter.show">
        <source>Filter...</source>
        <translation>Filtra...</translation>
    </message>
    <message id="app.logFilter.onlyThread">
        <source>Only thread %1</source>
        <extracomment>%1 is a session thread number; keep it.</extracomment>
        <translation>Solo il thread %1</translation>
    </message>
    <message id="app.logFilter.copyVisible">
        <source>Copy the rows shown</source>
        <translation>Copia le righe mostrate</translation>
    </message>
    <message id="app.logFilter.export">
        <source>Export the rows shown...</source>
        <translation>Esporta le righe mostrate...</translation>
    </message>
    <message id="app.logFilter.openOlder">
        <source>Open an older log...</source>
        <translation>Apri un registro precedente...</translation>
    </message>
    <message id="app.logFilter.backToLive">
        <source>Back to the live log</source>
        <translation>Torna al registro corrente</translation>
    </message>
    <message id="app.logFilter.cancel">
        <source>Cancel</source>
        <extracomment>Stops reading an older log file.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message id="app.logFilter.shownFile">
        <source>%1 (read-only)</source>
        <extracomment>%1 is the path of the log file shown; keep it.</extracomment>
        <translation>%1 (sola lettura)</translation>
    </message>
    <message id="app.logFilter.readFailed">
        <source>Unable to read %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message id="app.logFilter.exportFailed">
        <source>Unable to write %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message id="app.logFilter.logFiles">
        <source>Log files</source>
        <translation>File di registro</translation>
    </message>
    <message id="app.logFilter.allFiles">
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message id="app.logFilter.csvFiles">
        <source>CSV files</source>
        <translation>File CSV</translation>
    </message>
    <message id="app.logFilter.textFiles">
        <source>Text files</source>
        <translation>File di testo</translation>
    </message>
    <message id="app.iniUnreadable">
        <source>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossibile leggere %1: %2.
La console mostra le impostazioni predefinite e non salva modifiche finché il file non può essere letto. Correggere il problema e riavviare la console.</translation>
    </message>
    <message id="app.fileError.accessDenied">
        <source>access denied</source>
        <translation>accesso negato</translation>
    </message>
    <message id="app.fileError.inUse">
        <source>the file is in use by another program</source>
        <translation>il file è in uso da un altro programma</translation>
    </message>
    <message id="app.fileError.isDirectory">
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message id="app.fileError.other">
        <source>read error</source>
        <translation>errore di lettura</translation>
    </message>
    <message id="app.about.caption">
        <source>About Morva Admin</source>
        <translation>Informazioni su Morva Admin</translation>
    </message>
    <message id="app.about.copyright">
        <source>Administration console of the Morva mail gateway</source>
        <translation>Console di amministrazione del gateway di posta Morva</translation>
    </message>
    <message id="app.about.web">
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message id="app.about.support">
        <source>Support:</source>
        <translation>Assistenza:</translation>
    </message>
</context>
<context>
    <name>confui: framework and the sheets of the General, Blocking and Spam menus</name>
    <message id="confui.unableToWrite">
        <source>Unable to write morva.ini!
Either the file is write protected or it was changed manually or through GWCored.
Restart GWConsole and retry the operation.</source>
        <translation>Impossibile scrivere morva.ini!
Il file è protetto da scrittura oppure è stato modificato manualmente o da GWCored.
Riavviare GWConsole e ripetere l&apos;operazione.</translation>
    </message>
    <message id="confui.savedNotDurable">
        <source>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</source>
        <translation>Le impostazioni sono state scritte in morva.ini, ma il sistema non ha confermato che siano memorizzate in modo sicuro sul disco.
Se il computer si arresta in modo imprevisto, potrebbero tornare le impostazioni precedenti. Controllare il disco e salvare di nuovo.</translation>
    </message>
    <message id="confui.notEightBitText">
        <source>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 non viene salvato: è memorizzato come %2, mentre la console legge e scrive solo testo a 8 bit, quindi il salvataggio ne perderebbe le impostazioni. Salvare il file come testo a 8 bit (ANSI) e riprovare.</translation>
    </message>
    <message id="confui.encoding.utf16">
        <source>UTF-16 text</source>
        <translation>testo UTF-16</translation>
    </message>
    <message id="confui.encoding.binary">
        <source>binary data</source>
        <translation>dati binari</translation>
    </message>
    <message id="confui.addOnRequired">
        <source>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</source>
        <translation>L&apos;azione &apos;Contrassegna l&apos;oggetto e sposta nella cartella Posta indesiderata&apos; è consentita solo se il componente aggiuntivo MORVAFilter è installato</translation>
    </message>
    <message id="confui.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Impossibile avviare il browser WWW!</translation>
    </message>
    <message id="confui.noItemSelected">
        <source>No item selected!</source>
        <translation>Nessun elemento selezionato!</translation>
    </message>
    <message id="confui.deleteSelected">
        <source>Delete selected items</source>
        <translation>Eliminare gli elementi selezionati</translation>
    </message>
    <message id="confui.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Un campo vuoto non è consentito!</translation>
    </message>
    <message id="confui.invalidEmail">
        <source>Please enter a valid SMTP address!</source>
        <translation>Immettere un indirizzo SMTP valido!</translation>
    </message>
    <message id="confui.emailFormat">
        <source>Format is </source>
        <translation>Il formato è </translation>
    </message>
    <message id="confui.emailSample">
        <source>user@domain.com</source>
        <translation>utente@dominio.it</translation>
    </message>
    <message id="confui.invalidIp">
        <source>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</source>
        <translation>Immettere un indirizzo IP valido!
Il formato è xxx.xxx.xxx.xxx</translation>
    </message>
    <message id="confui.invalidNetwork">
        <source>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</source>
        <translation>Immettere un indirizzo o una rete IP valida!
Il formato è xxx.xxx.xxx.xxx, xxx.xxx. o xxx.xxx.xxx.xxx/nn</translation>
    </message>
    <message id="confui.directoryNotFound">
        <source>Directory %1 not found!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Directory %1 non trovata!</translation>
    </message>
    <message id="confui.continue">
        <source>Would you like to continue</source>
        <translation>Continuare</translation>
    </message>
    <message id="confui.numberRange">
        <source>Please enter a number between %1 and %2!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Immettere un numero compreso tra %1 e %2!</translation>
    </message>
    <message id="confui.dialogFailed">
        <source>Unable to create dialog box:</source>
        <translation>Impossibile creare la finestra di dialogo:</translation>
    </message>
    <message id="confui.button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confui.button.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="confui.button.apply">
        <source>&amp;Apply</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Applica</translation>
    </message>
    <message id="confui.button.help">
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message id="confui.button.back">
        <source>&lt; &amp;Back</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message id="confui.button.next">
        <source>&amp;Next &gt;</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message id="confui.button.finish">
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message id="confui.button.new">
        <source>&amp;New...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nuovo...</translation>
    </message>
    <message id="confui.button.edit">
        <source>&amp;Edit...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Modifica...</translation>
    </message>
    <message id="confui.button.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Elimina</translation>
    </message>
    <message id="confui.button.browse">
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message id="confui.exclude.button">
        <source>E&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;sclusioni...</translation>
    </message>
    <message id="confui.addCommon">
        <source>Add &amp;Common</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Aggiungi &amp;comuni</translation>
    </message>
    <message id="confui.tooltipKey">
        <source>Key in Morva.ini: %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Chiave in Morva.ini: %1</translation>
    </message>
    <message id="confui.resetToDefault">
        <source>Reset to &amp;default</source>
        <extracomment>Context menu of a control on a configuration page: puts the value back to the setting&apos;s default. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Ripristina il valore pre&amp;definito</translation>
    </message>
    <message id="confui.tooltipDefault">
        <source>Default: %1</source>
        <extracomment>Second line of the tooltip of a control on a configuration page. %1 is replaced at run time by the default value; keep it.</extracomment>
        <translation>Predefinito: %1</translation>
    </message>
    <message id="confui.defaultTicked">
        <source>ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>selezionato</translation>
    </message>
    <message id="confui.defaultUnticked">
        <source>not ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>non selezionato</translation>
    </message>
    <message id="confui.defaultEmpty">
        <source>empty</source>
        <extracomment>Default of a text field or a list that is empty, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>vuoto</translation>
    </message>
    <message id="confui.column.value">
        <source>Entry</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Voce</translation>
    </message>
    <message id="confui.column.comment">
        <source>Comment</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Commento</translation>
    </message>
    <message id="confui.column.user">
        <source>User</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Utente</translation>
    </message>
    <message id="confui.noBlanks">
        <source>Blanks are not allowed in this field!</source>
        <translation>Gli spazi non sono consentiti in questo campo!</translation>
    </message>
    <message id="confui.edit.notAChoice">
        <source>Please choose a value from the list!</source>
        <translation>Scegliere un valore dall&apos;elenco!</translation>
    </message>
    <message id="confui.comment">
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
    <message id="confui.pickPath">
        <source>Choose a folder</source>
        <translation>Scegliere una cartella</translation>
    </message>
    <message id="confui.unknownValue">
        <source>Other value (%1)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Altro valore (%1)</translation>
    </message>
    <message id="confui.action.label">
        <source>Action:</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Azione:</translation>
    </message>
    <message id="confui.action.inbound">
        <source>Inbound action:</source>
        <translation>Azione in entrata:</translation>
    </message>
    <message id="confui.action.outbound">
        <source>Outbound action:</source>
        <translation>Azione in uscita:</translation>
    </message>
    <message id="confui.action.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Elimina il messaggio</translation>
    </message>
    <message id="confui.action.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Incapsula e inoltra al postmaster</translation>
    </message>
    <message id="confui.action.2">
        <source>Encapsulate and send to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Incapsula e invia al destinatario</translation>
    </message>
    <message id="confui.action.3">
        <source>Encapsulate and send to recipient without attachments</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Incapsula e invia al destinatario senza allegati</translation>
    </message>
    <message id="confui.action.4">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Invia un rapporto di mancato recapito al mittente</translation>
    </message>
    <message id="confui.action.5">
        <source>Mark subject and move to Junk-E-Mail folder</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Contrassegna l&apos;oggetto e sposta nella cartella Posta indesiderata</translation>
    </message>
    <message id="confui.action.6">
        <source>Forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Inoltra al postmaster</translation>
    </message>
    <message id="confui.action.7">
        <source>Mark subject</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Contrassegna l&apos;oggetto</translation>
    </message>
    <message id="confui.action.8">
        <source>Forward to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Inoltra al destinatario</translation>
    </message>
    <message id="confui.outAction.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Elimina il messaggio</translation>
    </message>
    <message id="confui.outAction.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Incapsula e inoltra al postmaster</translation>
    </message>
    <message id="confui.outAction.2">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Invia un rapporto di mancato recapito al mittente</translation>
    </message>
    <message id="confui.common.user">
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message id="confui.common.password">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="confui.common.path">
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message id="confui.common.purgeDays">
        <source>Delete files older than (days):</source>
        <translation>Elimina i file più vecchi di (giorni):</translation>
    </message>
    <message id="confui.common.program">
        <source>Program:</source>
        <translation>Programma:</translation>
    </message>
    <message id="confui.common.arguments">
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message id="confui.common.programVerbose">
        <source>Log the program&apos;s output</source>
        <translation>Registra l&apos;output del programma</translation>
    </message>
    <message id="confui.common.smtpLevel">
        <source>Reject during the SMTP session</source>
        <translation>Rifiuta durante la sessione SMTP</translation>
    </message>
    <message id="confui.common.verbose">
        <source>Detailed logging</source>
        <translation>Registrazione dettagliata</translation>
    </message>
    <message id="confui.common.inbound">
        <source>Inbound</source>
        <translation>In entrata</translation>
    </message>
    <message id="confui.common.outbound">
        <source>Outbound</source>
        <translation>In uscita</translation>
    </message>
    <message id="confui.common.caseSensitive">
        <source>Case sensitive</source>
        <translation>Distingui maiuscole/minuscole</translation>
    </message>
    <message id="confui.edit.ip">
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message id="confui.edit.ip.value">
        <source>IP address or network:</source>
        <translation>Indirizzo o rete IP:</translation>
    </message>
    <message id="confui.edit.host">
        <source>Hostname</source>
        <translation>Nome host</translation>
    </message>
    <message id="confui.edit.host.value">
        <source>Host name:</source>
        <translation>Nome host:</translation>
    </message>
    <message id="confui.edit.adr">
        <source>E-mail address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message id="confui.edit.adr.value">
        <source>E-mail address:</source>
        <translation>Indirizzo e-mail:</translation>
    </message>
    <message id="confui.edit.subj">
        <source>Subject</source>
        <translation>Oggetto</translation>
    </message>
    <message id="confui.edit.subj.value">
        <source>Subject:</source>
        <translation>Oggetto:</translation>
    </message>
    <message id="confui.edit.text">
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message id="confui.edit.text.value">
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message id="confui.edit.att">
        <source>Attachment</source>
        <translation>Allegato</translation>
    </message>
    <message id="confui.edit.att.value">
        <source>File name:</source>
        <translation>Nome file:</translation>
    </message>
    <message id="confui.edit.hdr">
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message id="confui.edit.hdr.value">
        <source>Header line:</source>
        <translation>Riga di intestazione:</translation>
    </message>
    <message id="confui.edit.charset">
        <source>Charset</source>
        <translation>Set di caratteri</translation>
    </message>
    <message id="confui.edit.charset.value">
        <source>Character set:</source>
        <translation>Set di caratteri:</translation>
    </message>
    <message id="confui.edit.sls">
        <source>Spam Lookup Service</source>
        <translation>Servizio di ricerca spam</translation>
    </message>
    <message id="confui.edit.sls.value">
        <source>DNS zone:</source>
        <translation>Zona DNS:</translation>
    </message>
    <message id="confui.edit.domain">
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message id="confui.edit.domain.value">
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message id="confui.edit.userpass">
        <source>User/Pass</source>
        <translation>Utente/Password</translation>
    </message>
    <message id="confui.edit.userpass.value">
        <source>User and password:</source>
        <translation>Utente e password:</translation>
    </message>
    <message id="confui.language.auto">
        <source>Auto Detect</source>
        <translation>Rilevamento automatico</translation>
    </message>
    <message id="confui.language.eng">
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message id="confui.language.deu">
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message id="confui.language.fra">
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message id="confui.language.ita">
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message id="confui.language.spa">
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message id="confui.sheet.general">
        <source>Options - General</source>
        <translation>Opzioni - Generale</translation>
    </message>
    <message id="confui.sheet.blocking">
        <source>Options - Blocking</source>
        <translation>Opzioni - Blocco</translation>
    </message>
    <message id="confui.sheet.spam">
        <source>Options - Spam</source>
        <translation>Opzioni - Spam</translation>
    </message>
    <message id="confui.sheet.fallback">
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message id="confui.sheet.exclude">
        <source>Exclude</source>
        <translation>Esclusioni</translation>
    </message>
    <message id="confui.page.IniStd">
        <source>Exchange</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exchange</translation>
    </message>
    <message id="confui.page.IniLog">
        <source>Logfiles</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>File di log</translation>
    </message>
    <message id="confui.page.IniHist">
        <source>History</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Cronologia</translation>
    </message>
    <message id="confui.page.IniStat">
        <source>Statistic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Statistiche</translation>
    </message>
    <message id="confui.page.IniCon">
        <source>Connections</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Connessioni</translation>
    </message>
    <message id="confui.page.IniRel">
        <source>Relay</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Inoltro</translation>
    </message>
    <message id="confui.page.IniAuth">
        <source>Authentication</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Autenticazione</translation>
    </message>
    <message id="confui.page.IniAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avanzate</translation>
    </message>
    <message id="confui.IniStd.Postmaster">
        <source>Postmaster e-mail address:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting Postmaster of Morva.ini.</extracomment>
        <translation>Indirizzo e-mail del postmaster:</translation>
    </message>
    <message id="confui.IniStd.ExchHost">
        <source>Exchange server (name or IP address):</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchHost of Morva.ini.</extracomment>
        <translation>Server Exchange (nome o indirizzo IP):</translation>
    </message>
    <message id="confui.IniStd.ExchOutboundPort">
        <source>SMTP port of the Exchange server:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchOutboundPort of Morva.ini.</extracomment>
        <translation>Porta SMTP del server Exchange:</translation>
    </message>
    <message id="confui.IniStd.InboundSMTPAutoDisableOnExchHostError">
        <source>Stop accepting inbound mail while the Exchange server cannot be reached</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting InboundSMTPAutoDisableOnExchHostError of Morva.ini.</extracomment>
        <translation>Non accettare posta in entrata finché il server Exchange non è raggiungibile</translation>
    </message>
    <message id="confui.IniStd.authGroup">
        <source>Authentication at the Exchange server</source>
        <translation>Autenticazione presso il server Exchange</translation>
    </message>
    <message id="confui.IniStd.OutboundExchAuth">
        <source>Log on to the Exchange server</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting OutboundExchAuth of Morva.ini.</extracomment>
        <translation>Accedi al server Exchange</translation>
    </message>
    <message id="confui.IniStd.NewVersionDSN">
        <source>Notify the postmaster when a new version is available</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting NewVersionDSN of Morva.ini.</extracomment>
        <translation>Avvisa il postmaster quando è disponibile una nuova versione</translation>
    </message>
    <message id="confui.IniLog.LogPath">
        <source>Log file folder:</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Cartella dei file di log:</translation>
    </message>
    <message id="confui.IniLog.WriteLogFile">
        <source>Write log files</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting WriteLogFile of Morva.ini.</extracomment>
        <translation>Scrivi file di log</translation>
    </message>
    <message id="confui.IniLog.detailGroup">
        <source>Logging details</source>
        <translation>Dettagli di registrazione</translation>
    </message>
    <message id="confui.IniLog.Verbose">
        <source>Detailed log</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Log dettagliato</translation>
    </message>
    <message id="confui.IniLog.VerboseTransfer">
        <source>Log every transfer</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting VerboseTransfer of Morva.ini.</extracomment>
        <translation>Registra ogni trasferimento</translation>
    </message>
    <message id="confui.IniLog.DumpSMTPHeader">
        <source>Log the SMTP headers</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting DumpSMTPHeader of Morva.ini.</extracomment>
        <translation>Registra le intestazioni SMTP</translation>
    </message>
    <message id="confui.IniHist.KeepMessageFile">
        <source>Keep a copy of every message</source>
        <extracomment>On the page &quot;History&quot;: the setting KeepMessageFile of Morva.ini.</extracomment>
        <translation>Conserva una copia di ogni messaggio</translation>
    </message>
    <message id="confui.IniHist.HistPath">
        <source>History folder:</source>
        <extracomment>On the page &quot;History&quot;: the setting HistPath of Morva.ini.</extracomment>
        <translation>Cartella della cronologia:</translation>
    </message>
    <message id="confui.IniStat.generalGroup">
        <source>Statistic</source>
        <translation>Statistiche</translation>
    </message>
    <message id="confui.IniStat.WriteStatisticFile">
        <source>Write statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteStatisticFile of Morva.ini.</extracomment>
        <translation>Scrivi file di statistiche</translation>
    </message>
    <message id="confui.IniStat.spamGroup">
        <source>Spam statistic</source>
        <translation>Statistiche dello spam</translation>
    </message>
    <message id="confui.IniStat.WriteSpamStatisticFile">
        <source>Write spam statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSpamStatisticFile of Morva.ini.</extracomment>
        <translation>Scrivi file di statistiche dello spam</translation>
    </message>
    <message id="confui.IniStat.sendGroup">
        <source>Send statistic</source>
        <translation>Statistiche di invio</translation>
    </message>
    <message id="confui.IniStat.WriteSendStatisticFile">
        <source>Write send statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSendStatisticFile of Morva.ini.</extracomment>
        <translation>Scrivi file di statistiche di invio</translation>
    </message>
    <message id="confui.IniStat.virusGroup">
        <source>Virus statistic</source>
        <translation>Statistiche dei virus</translation>
    </message>
    <message id="confui.IniStat.WriteVirusStatisticFile">
        <source>Write virus statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteVirusStatisticFile of Morva.ini.</extracomment>
        <translation>Scrivi file di statistiche dei virus</translation>
    </message>
    <message id="confui.IniStat.StatisticFileLongDate">
        <source>Use the long date in statistic file names</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting StatisticFileLongDate of Morva.ini.</extracomment>
        <translation>Usa la data estesa nei nomi dei file di statistiche</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPSendTyp">
        <source>Delivery of outbound mail:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPSendTyp of Morva.ini.</extracomment>
        <translation>Consegna della posta in uscita:</translation>
    </message>
    <message id="confui.IniCon.sendTyp0">
        <source>Relay all messages through the smart host</source>
        <translation>Inoltra tutti i messaggi tramite lo smart host</translation>
    </message>
    <message id="confui.IniCon.sendTyp1">
        <source>Use DNS to send all messages direct to the recipients mail server</source>
        <translation>Usa il DNS per inviare tutti i messaggi direttamente al server di posta del destinatario</translation>
    </message>
    <message id="confui.IniCon.sendTyp2">
        <source>Use smart host only if direct connection fails</source>
        <translation>Usa lo smart host solo se la connessione diretta non riesce</translation>
    </message>
    <message id="confui.IniCon.SmartHost">
        <source>Smart host:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting SmartHost of Morva.ini.</extracomment>
        <translation>Smart host:</translation>
    </message>
    <message id="confui.IniCon.NameServer">
        <source>DNS server:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting NameServer of Morva.ini.</extracomment>
        <translation>Server DNS:</translation>
    </message>
    <message id="confui.IniCon.authGroup">
        <source>Authentication at the smart host</source>
        <translation>Autenticazione presso lo smart host</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPAuth">
        <source>Log on to the smart host</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPAuth of Morva.ini.</extracomment>
        <translation>Accedi allo smart host</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPAutoDisableOnSmartHostError">
        <source>Stop accepting inbound mail while the smart host cannot be reached</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPAutoDisableOnSmartHostError of Morva.ini.</extracomment>
        <translation>Non accettare posta in entrata finché lo smart host non è raggiungibile</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxConnections">
        <source>Maximum inbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Numero massimo di connessioni in entrata:</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxSendToMessage">
        <source>Maximum recipients per message:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxSendToMessage of Morva.ini.</extracomment>
        <translation>Numero massimo di destinatari per messaggio:</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPMaxConnections">
        <source>Maximum outbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Numero massimo di connessioni in uscita:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelay">
        <source>Allow relaying for the hosts and addresses below</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelay of Morva.ini.</extracomment>
        <translation>Consenti l&apos;inoltro per gli host e gli indirizzi seguenti</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayReservedIP">
        <source>Allow relaying for reserved (private) IP addresses</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayReservedIP of Morva.ini.</extracomment>
        <translation>Consenti l&apos;inoltro per gli indirizzi IP riservati (privati)</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAuthUsers">
        <source>Allow relaying for authenticated users</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAuthUsers of Morva.ini.</extracomment>
        <translation>Consenti l&apos;inoltro per gli utenti autenticati</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowHost">
        <source>Hosts allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowHost of Morva.ini.</extracomment>
        <translation>Host autorizzati all&apos;inoltro:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowIP">
        <source>IP addresses allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowIP of Morva.ini.</extracomment>
        <translation>Indirizzi IP autorizzati all&apos;inoltro:</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthType">
        <source>Inbound SMTP authentication:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthType of Morva.ini.</extracomment>
        <translation>Autenticazione SMTP in entrata:</translation>
    </message>
    <message id="confui.IniAuth.type0">
        <source>No inbound SMTP authentication</source>
        <translation>Nessuna autenticazione SMTP in entrata</translation>
    </message>
    <message id="confui.IniAuth.type1">
        <source>Enable inbound SMTP authentication using User/Pass</source>
        <translation>Abilita l&apos;autenticazione SMTP in entrata con utente/password</translation>
    </message>
    <message id="confui.IniAuth.type2">
        <source>Enable inbound SMTP authentication using pass-through NTLM logon</source>
        <translation>Abilita l&apos;autenticazione SMTP in entrata con accesso NTLM pass-through</translation>
    </message>
    <message id="confui.IniAuth.type3">
        <source>Enable inbound SMTP authentication using a SMTP query to Exchange</source>
        <translation>Abilita l&apos;autenticazione SMTP in entrata con una query SMTP a Exchange</translation>
    </message>
    <message id="confui.IniAuth.type4">
        <source>Enable inbound SMTP authentication using an external program</source>
        <translation>Abilita l&apos;autenticazione SMTP in entrata con un programma esterno</translation>
    </message>
    <message id="confui.IniAuth.programGroup">
        <source>External program</source>
        <translation>Programma esterno</translation>
    </message>
    <message id="confui.IniAuth.userGroup">
        <source>Users and passwords</source>
        <translation>Utenti e password</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthUserPass">
        <source>Accepted users:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthUserPass of Morva.ini.</extracomment>
        <translation>Utenti accettati:</translation>
    </message>
    <message id="confui.IniAuth.queryGroup">
        <source>Account for the query to Exchange</source>
        <translation>Account per la query a Exchange</translation>
    </message>
    <message id="confui.IniAdv.queueGroup">
        <source>Queues (seconds)</source>
        <translation>Code (secondi)</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalExpire">
        <source>Outbound SMTP messages expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>I messaggi SMTP in uscita scadono dopo:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundDSNExpire">
        <source>Outbound reports expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundDSNExpire of Morva.ini.</extracomment>
        <translation>I rapporti in uscita scadono dopo:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalNextTry">
        <source>Retry outbound SMTP delivery every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Riprova la consegna SMTP in uscita ogni:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalExpire">
        <source>Messages to Exchange expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>I messaggi verso Exchange scadono dopo:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalNextTry">
        <source>Retry delivery to Exchange every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Riprova la consegna a Exchange ogni:</translation>
    </message>
    <message id="confui.IniAdv.limitGroup">
        <source>Size limits (KB, 0 = no limit)</source>
        <translation>Limiti di dimensione (KB, 0 = nessuno)</translation>
    </message>
    <message id="confui.IniAdv.InboundSizeLimit">
        <source>Inbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting InboundSizeLimit of Morva.ini.</extracomment>
        <translation>Messaggi in entrata:</translation>
    </message>
    <message id="confui.IniAdv.OutboundSizeLimit">
        <source>Outbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting OutboundSizeLimit of Morva.ini.</extracomment>
        <translation>Messaggi in uscita:</translation>
    </message>
    <message id="confui.IniAdv.CheckExchange">
        <source>Check the connection to the Exchange server at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckExchange of Morva.ini.</extracomment>
        <translation>Verifica la connessione al server Exchange all&apos;avvio</translation>
    </message>
    <message id="confui.IniAdv.CheckOnAccessScanner">
        <source>Check the on-access virus scanner at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckOnAccessScanner of Morva.ini.</extracomment>
        <translation>Verifica lo scanner antivirus all&apos;accesso all&apos;avvio</translation>
    </message>
    <message id="confui.IniAdv.Language">
        <source>Language of the console:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Lingua della console:</translation>
    </message>
    <message id="confui.page.ExclIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Indirizzo IP</translation>
    </message>
    <message id="confui.page.ExclHost">
        <source>Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Host</translation>
    </message>
    <message id="confui.page.ExclFrom">
        <source>MAIL FROM: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MAIL FROM: indirizzo e-mail</translation>
    </message>
    <message id="confui.page.ExclTo">
        <source>RCPT TO: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>RCPT TO: indirizzo e-mail</translation>
    </message>
    <message id="confui.ExclIP.list">
        <source>Connections from these IP addresses and networks are excluded:</source>
        <translation>Le connessioni da questi indirizzi e reti IP sono escluse:</translation>
    </message>
    <message id="confui.ExclHost.list">
        <source>Connections from these host names are excluded:</source>
        <translation>Le connessioni da questi nomi host sono escluse:</translation>
    </message>
    <message id="confui.ExclFrom.list">
        <source>Messages from these senders are excluded:</source>
        <translation>I messaggi di questi mittenti sono esclusi:</translation>
    </message>
    <message id="confui.ExclTo.list">
        <source>Messages to these recipients are excluded:</source>
        <translation>I messaggi a questi destinatari sono esclusi:</translation>
    </message>
    <message id="confui.sheet.addOn">
        <source>MORVAFilter Exchange Junk-E-Mail Folder Add-On</source>
        <translation>Componente aggiuntivo MORVAFilter per la cartella Posta indesiderata di Exchange</translation>
    </message>
    <message id="confui.page.MVFInt">
        <source>Change of the default action</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Modifica dell&apos;azione predefinita</translation>
    </message>
    <message id="confui.page.MVFQry">
        <source>MORVAFilter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MORVAFilter</translation>
    </message>
    <message id="confui.MVFInt.notice">
        <source>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</source>
        <translation>L&apos;azione predefinita di alcuni metodi è stata cambiata da &apos;Contrassegna l&apos;oggetto e sposta nella cartella Posta indesiderata&apos; a &apos;Contrassegna l&apos;oggetto&apos;.</translation>
    </message>
    <message id="confui.MVFInt.more">
        <source>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</source>
        <translation>Lo spostamento nella cartella Posta indesiderata richiede il componente MORVAFilter sul server Exchange. Nella pagina successiva indicare come è configurato il server Exchange.</translation>
    </message>
    <message id="confui.MVFQry.about">
        <source>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</source>
        <translation>Il componente MORVAFilter viene eseguito sul server Exchange e sposta i messaggi contrassegnati dal gateway nella cartella Posta indesiderata di ogni utente. Una regola di Outlook sulla riga di intestazione &apos;X-MORVA-Spam&apos; può fare lo stesso.</translation>
    </message>
    <message id="confui.MVFQry.setup">
        <source>Your Exchange set-up:</source>
        <translation>La configurazione di Exchange:</translation>
    </message>
    <message id="confui.MVFQry.status0">
        <source>Exchange without MORVAFilter installed</source>
        <translation>Exchange senza MORVAFilter installato</translation>
    </message>
    <message id="confui.MVFQry.status1">
        <source>Exchange with MORVAFilter installed</source>
        <translation>Exchange con MORVAFilter installato</translation>
    </message>
    <message id="confui.MVFQry.status2">
        <source>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</source>
        <translation>Exchange con una regola di Outlook che usa la riga di intestazione &apos;X-MORVA-Spam&apos;</translation>
    </message>
    <message id="confui.page.WizSpam">
        <source>Spam</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Spam</translation>
    </message>
    <message id="confui.WizSpam.intro">
        <source>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</source>
        <translation>Scegliere con quale severità il gateway blocca lo spam fin dall&apos;inizio. Ogni impostazione può essere modificata in seguito in Opzioni.</translation>
    </message>
    <message id="confui.WizSpam.level">
        <source>Default Spam Blocking:</source>
        <translation>Blocco spam predefinito:</translation>
    </message>
    <message id="confui.WizSpam.level0">
        <source>None - no spam checks</source>
        <translation>Nessuno - nessun controllo spam</translation>
    </message>
    <message id="confui.WizSpam.level1">
        <source>Default - the usual checks</source>
        <translation>Predefinito - i controlli abituali</translation>
    </message>
    <message id="confui.WizSpam.level2">
        <source>Strong - stricter checks, SPF and envelope tests</source>
        <translation>Forte - controlli più severi, SPF e test della busta</translation>
    </message>
    <message id="confui.WizSpam.note">
        <source>Caught messages are marked in their subject and delivered.</source>
        <translation>I messaggi individuati vengono contrassegnati nell&apos;oggetto e consegnati.</translation>
    </message>
    <message id="confui.common.serialize">
        <source>Run one program at a time</source>
        <translation>Esegui un solo programma alla volta</translation>
    </message>
    <message id="confui.edit.country">
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message id="confui.edit.country.value">
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message id="confui.page.dkim">
        <source>DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.page.IniAtt">
        <source>Attachment</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Allegato</translation>
    </message>
    <message id="confui.page.IniExpl">
        <source>Exploit</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.page.IniSubj">
        <source>Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Oggetto</translation>
    </message>
    <message id="confui.page.IniText">
        <source>Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Testo</translation>
    </message>
    <message id="confui.page.IniHTML">
        <source>HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.page.IniHdr">
        <source>Header</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Intestazione</translation>
    </message>
    <message id="confui.page.IniCTY">
        <source>Country</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Paese</translation>
    </message>
    <message id="confui.page.IniCharSet">
        <source>Charset</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Set di caratteri</translation>
    </message>
    <message id="confui.page.IniIPH">
        <source>IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP/Host</translation>
    </message>
    <message id="confui.page.IniAdr">
        <source>E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>E-mail</translation>
    </message>
    <message id="confui.page.IniDSN">
        <source>DSN</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DSN</translation>
    </message>
    <message id="confui.page.IniMSO">
        <source>Office</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Office</translation>
    </message>
    <message id="confui.page.IniABIP">
        <source>Auto IP</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP automatico</translation>
    </message>
    <message id="confui.page.IniDRIP">
        <source>Drop</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Scarta</translation>
    </message>
    <message id="confui.page.IniAbs">
        <source>Absolute</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Assoluto</translation>
    </message>
    <message id="confui.page.IniSLS">
        <source>SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.page.IniGrey">
        <source>Greylisting</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Greylisting</translation>
    </message>
    <message id="confui.page.IniCCS">
        <source>CCS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>CCS</translation>
    </message>
    <message id="confui.page.IniBay">
        <source>Bayes</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.page.IniHeur">
        <source>Heuristic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Euristica</translation>
    </message>
    <message id="confui.page.IniSPF">
        <source>SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.page.IniDKIMVrfy">
        <source>DKIM Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verifica DKIM</translation>
    </message>
    <message id="confui.page.IniSURBL">
        <source>SURBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SURBL</translation>
    </message>
    <message id="confui.page.IniSEBA">
        <source>Senderbase</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Senderbase</translation>
    </message>
    <message id="confui.page.IniBCKS">
        <source>Backscatter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Backscatter</translation>
    </message>
    <message id="confui.page.IniEnv">
        <source>Envelope</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Busta</translation>
    </message>
    <message id="confui.page.IniFCrDNS">
        <source>FCrDNS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>FCrDNS</translation>
    </message>
    <message id="confui.page.IniImg">
        <source>Image</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Immagine</translation>
    </message>
    <message id="confui.page.IniUDM">
        <source>UDM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.page.IniApr">
        <source>Approve</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Approvazione</translation>
    </message>
    <message id="confui.IniAtt.list">
        <source>Blocked attachments (file name patterns):</source>
        <translation>Allegati bloccati (modelli di nome file):</translation>
    </message>
    <message id="confui.IniAtt.invert">
        <source>Block:</source>
        <translation>Blocca:</translation>
    </message>
    <message id="confui.IniAtt.invert0">
        <source>Only the files in the list</source>
        <translation>Solo i file dell&apos;elenco</translation>
    </message>
    <message id="confui.IniAtt.invert1">
        <source>Except the files in the list</source>
        <translation>Tranne i file dell&apos;elenco</translation>
    </message>
    <message id="confui.IniAtt.inZip">
        <source>Look into ZIP archives</source>
        <translation>Cerca anche negli archivi ZIP</translation>
    </message>
    <message id="confui.IniExpl.AdvAll">
        <source>All exploit checks</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Tutti i controlli exploit</translation>
    </message>
    <message id="confui.IniExpl.CLSID">
        <source>Class ids in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>ID di classe nei nomi file</translation>
    </message>
    <message id="confui.IniExpl.ExtDot">
        <source>Trailing dots in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Punti finali nei nomi file</translation>
    </message>
    <message id="confui.IniExpl.MsgPart">
        <source>Fragmented messages</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Messaggi frammentati</translation>
    </message>
    <message id="confui.IniExpl.DblExt">
        <source>Double extensions</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Estensioni doppie</translation>
    </message>
    <message id="confui.IniExpl.MsgExtBody">
        <source>Executable message bodies</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Corpi del messaggio eseguibili</translation>
    </message>
    <message id="confui.IniExpl.ZipPP">
        <source>Password-protected ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>File ZIP protetti da password</translation>
    </message>
    <message id="confui.IniExpl.Exe">
        <source>Programs by content</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programmi in base al contenuto</translation>
    </message>
    <message id="confui.IniExpl.ExeZip">
        <source>Programs inside ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programmi nei file ZIP</translation>
    </message>
    <message id="confui.IniSubj.list">
        <source>Blocked subject texts:</source>
        <translation>Testi dell&apos;oggetto bloccati:</translation>
    </message>
    <message id="confui.IniText.list">
        <source>Blocked message texts:</source>
        <translation>Testi del messaggio bloccati:</translation>
    </message>
    <message id="confui.IniHTML.list">
        <source>Blocked HTML patterns:</source>
        <translation>Modelli HTML bloccati:</translation>
    </message>
    <message id="confui.IniHdr.list">
        <source>Blocked header lines (name:text):</source>
        <translation>Righe di intestazione bloccate (nome:testo):</translation>
    </message>
    <message id="confui.IniCTY.list">
        <source>Blocked countries (two-letter codes):</source>
        <translation>Paesi bloccati (codici di due lettere):</translation>
    </message>
    <message id="confui.IniCTY.InboundBlockCTYIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;Country&quot;: the setting InboundBlockCTYIPHeader of Morva.ini.</extracomment>
        <translation>Controlla anche gli indirizzi nelle righe Received</translation>
    </message>
    <message id="confui.IniCharSet.list">
        <source>Blocked character sets:</source>
        <translation>Set di caratteri bloccati:</translation>
    </message>
    <message id="confui.IniIPH.ip">
        <source>Blocked IP addresses and networks:</source>
        <translation>Indirizzi e reti IP bloccati:</translation>
    </message>
    <message id="confui.IniIPH.host">
        <source>Blocked host names:</source>
        <translation>Nomi host bloccati:</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHHeader of Morva.ini.</extracomment>
        <translation>Controlla anche gli indirizzi nelle righe Received</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHConnection of Morva.ini.</extracomment>
        <translation>Chiudi subito la connessione</translation>
    </message>
    <message id="confui.IniAdr.from">
        <source>Blocked senders:</source>
        <translation>Mittenti bloccati:</translation>
    </message>
    <message id="confui.IniAdr.to">
        <source>Blocked recipients:</source>
        <translation>Destinatari bloccati:</translation>
    </message>
    <message id="confui.IniDSN.InboundBlockDSN">
        <source>Block delivery reports to addresses that never sent mail</source>
        <extracomment>On the page &quot;DSN&quot;: the setting InboundBlockDSN of Morva.ini.</extracomment>
        <translation>Blocca i rapporti di consegna verso indirizzi che non hanno mai inviato posta</translation>
    </message>
    <message id="confui.IniDSN.list">
        <source>Recipients whose delivery reports are blocked:</source>
        <translation>Destinatari i cui rapporti di consegna sono bloccati:</translation>
    </message>
    <message id="confui.IniMSO.MSVBA">
        <source>Macros</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Macro</translation>
    </message>
    <message id="confui.IniMSO.MSVBA.switch">
        <source>Block Office documents with macros</source>
        <translation>Blocca i documenti Office con macro</translation>
    </message>
    <message id="confui.IniMSO.MSOPP">
        <source>Password protection</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Protezione con password</translation>
    </message>
    <message id="confui.IniMSO.MSOPP.switch">
        <source>Block password-protected Office documents</source>
        <translation>Blocca i documenti Office protetti da password</translation>
    </message>
    <message id="confui.IniMSO.MSOEM">
        <source>Embedded objects</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Oggetti incorporati</translation>
    </message>
    <message id="confui.IniMSO.MSOEM.switch">
        <source>Block Office documents with embedded programs</source>
        <translation>Blocca i documenti Office con programmi incorporati</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIP">
        <source>Block IP addresses that sent spam automatically</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIP of Morva.ini.</extracomment>
        <translation>Blocca automaticamente gli indirizzi IP che hanno inviato spam</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPMaxSlots">
        <source>Maximum number of blocked addresses:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPMaxSlots of Morva.ini.</extracomment>
        <translation>Numero massimo di indirizzi bloccati:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPTTL">
        <source>Block for (seconds):</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPTTL of Morva.ini.</extracomment>
        <translation>Blocca per (secondi):</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPThreshold">
        <source>Spam messages before blocking:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPThreshold of Morva.ini.</extracomment>
        <translation>Messaggi di spam prima del blocco:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPConnection of Morva.ini.</extracomment>
        <translation>Chiudi subito la connessione</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIP">
        <source>Drop connections from the addresses below</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIP of Morva.ini.</extracomment>
        <translation>Scarta le connessioni dagli indirizzi seguenti</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPConnection">
        <source>Close the connection before the greeting</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPConnection of Morva.ini.</extracomment>
        <translation>Chiudi la connessione prima del saluto</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPNoPTR">
        <source>Also drop connections from addresses without reverse DNS name</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPNoPTR of Morva.ini.</extracomment>
        <translation>Scarta anche le connessioni da indirizzi senza nome DNS inverso</translation>
    </message>
    <message id="confui.IniDRIP.ip">
        <source>IP addresses and networks:</source>
        <translation>Indirizzi e reti IP:</translation>
    </message>
    <message id="confui.IniDRIP.host">
        <source>Host names:</source>
        <translation>Nomi host:</translation>
    </message>
    <message id="confui.IniAbs.InboundBlockAbs">
        <source>Block messages that every other check would let through when a blocking rule matches</source>
        <extracomment>On the page &quot;Absolute&quot;: the setting InboundBlockAbs of Morva.ini.</extracomment>
        <translation>Blocca in modo assoluto i messaggi quando una regola di blocco corrisponde</translation>
    </message>
    <message id="confui.IniAbs.note">
        <source>Absolute blocking ignores the white list and the exclusions.</source>
        <translation>Il blocco assoluto ignora la white list e le esclusioni.</translation>
    </message>
    <message id="confui.IniSLS.InboundBlockSLS">
        <source>Check the connecting address against DNS blocklists</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundBlockSLS of Morva.ini.</extracomment>
        <translation>Verifica l&apos;indirizzo di connessione nelle blocklist DNS</translation>
    </message>
    <message id="confui.IniSLS.InboundSLSIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundSLSIPHeader of Morva.ini.</extracomment>
        <translation>Controlla anche gli indirizzi nelle righe Received</translation>
    </message>
    <message id="confui.IniSLS.SLS">
        <source>Blocklist zones (IP addresses):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLS of Morva.ini.</extracomment>
        <translation>Zone blocklist (indirizzi IP):</translation>
    </message>
    <message id="confui.IniSLS.SLSDom">
        <source>Blocklist zones (domains):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLSDom of Morva.ini.</extracomment>
        <translation>Zone blocklist (domini):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyList">
        <source>Greylisting: ask unknown senders to retry later</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyList of Morva.ini.</extracomment>
        <translation>Greylisting: chiedi ai mittenti sconosciuti di riprovare più tardi</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListIPClearLastOctet">
        <source>Treat all addresses of a /24 network as one</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListIPClearLastOctet of Morva.ini.</extracomment>
        <translation>Tratta tutti gli indirizzi di una rete /24 come uno solo</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxSlots">
        <source>Maximum entries:</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxSlots of Morva.ini.</extracomment>
        <translation>Voci massime:</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMinTime">
        <source>Minimum wait before a retry (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMinTime of Morva.ini.</extracomment>
        <translation>Attesa minima prima di un nuovo tentativo (secondi):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMidTime">
        <source>Retry must come within (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMidTime of Morva.ini.</extracomment>
        <translation>Il nuovo tentativo deve arrivare entro (secondi):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxTime">
        <source>Keep known senders for (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxTime of Morva.ini.</extracomment>
        <translation>Conserva i mittenti noti per (secondi):</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCS">
        <source>Block messages by their checksum (CCS)</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCS of Morva.ini.</extracomment>
        <translation>Blocca i messaggi in base al checksum (CCS)</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCSThreshold">
        <source>Sensitivity:</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCSThreshold of Morva.ini.</extracomment>
        <translation>Sensibilità:</translation>
    </message>
    <message id="confui.IniCCS.threshold0">
        <source>High - more than 25 messages with the same checksum</source>
        <translation>Alta - più di 25 messaggi con lo stesso checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold1">
        <source>Mid - more than 100 messages with the same checksum</source>
        <translation>Media - più di 100 messaggi con lo stesso checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold2">
        <source>Low - more than 200 messages with the same checksum</source>
        <translation>Bassa - più di 200 messaggi con lo stesso checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold3">
        <source>None - report only</source>
        <translation>Nessuna - solo segnalazione</translation>
    </message>
    <message id="confui.IniBay.InboundBayes">
        <source>Bayesian filter</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayes of Morva.ini.</extracomment>
        <translation>Filtro bayesiano</translation>
    </message>
    <message id="confui.IniBay.InboundBayesLearn">
        <source>Learn from the messages that pass</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesLearn of Morva.ini.</extracomment>
        <translation>Apprendi dai messaggi accettati</translation>
    </message>
    <message id="confui.IniBay.InboundBayesIgnoreCommonWords">
        <source>Ignore common words</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesIgnoreCommonWords of Morva.ini.</extracomment>
        <translation>Ignora le parole comuni</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxWords">
        <source>Maximum words in the database:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxWords of Morva.ini.</extracomment>
        <translation>Numero massimo di parole nel database:</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxSize">
        <source>Examine at most (bytes):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxSize of Morva.ini.</extracomment>
        <translation>Esamina al massimo (byte):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesSpam">
        <source>Spam probability from (percent):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesSpam of Morva.ini.</extracomment>
        <translation>Probabilità di spam da (percento):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMethod">
        <source>Method:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMethod of Morva.ini.</extracomment>
        <translation>Metodo:</translation>
    </message>
    <message id="confui.IniBay.method0">
        <source>Paul Graham&apos;s original method</source>
        <translation>Metodo originale di Paul Graham</translation>
    </message>
    <message id="confui.IniBay.method1">
        <source>Gary Robinson&apos;s alternative method</source>
        <translation>Metodo alternativo di Gary Robinson</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddress">
        <source>Address for spam to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddress of Morva.ini.</extracomment>
        <translation>Indirizzo per lo spam da apprendere:</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddressGood">
        <source>Address for good mail to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddressGood of Morva.ini.</extracomment>
        <translation>Indirizzo per la posta buona da apprendere:</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeur">
        <source>Heuristic filter</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeur of Morva.ini.</extracomment>
        <translation>Filtro euristico</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeurValue">
        <source>Spam score from:</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeurValue of Morva.ini.</extracomment>
        <translation>Punteggio spam da:</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPF">
        <source>Check the sender&apos;s SPF record</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPF of Morva.ini.</extracomment>
        <translation>Verifica il record SPF del mittente</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFSoftFail">
        <source>Also block on soft fail</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFSoftFail of Morva.ini.</extracomment>
        <translation>Blocca anche in caso di soft fail</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFNeutral">
        <source>Also block on neutral</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFNeutral of Morva.ini.</extracomment>
        <translation>Blocca anche in caso di risultato neutro</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFIPHeader of Morva.ini.</extracomment>
        <translation>Controlla anche gli indirizzi nelle righe Received</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFUseDefTXT">
        <source>Use a default record for domains without SPF</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFUseDefTXT of Morva.ini.</extracomment>
        <translation>Usa un record predefinito per i domini senza SPF</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFDefTXT">
        <source>Default record:</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFDefTXT of Morva.ini.</extracomment>
        <translation>Record predefinito:</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIM">
        <source>Verify DKIM signatures</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIM of Morva.ini.</extracomment>
        <translation>Verifica le firme DKIM</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIMADSP">
        <source>Apply the sender&apos;s signing policy (ADSP)</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIMADSP of Morva.ini.</extracomment>
        <translation>Applica la politica di firma del mittente (ADSP)</translation>
    </message>
    <message id="confui.IniDKIMVrfy.excludeVerify">
        <source>Exclude from verification...</source>
        <translation>Escludi dalla verifica...</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundBlockDKIM">
        <source>Block messages with a failed DKIM signature</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundBlockDKIM of Morva.ini.</extracomment>
        <translation>Blocca i messaggi con firma DKIM non valida</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBL">
        <source>Check links in messages against URI blocklists</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBL of Morva.ini.</extracomment>
        <translation>Verifica i link dei messaggi nelle blocklist URI</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBLExpandShortURL">
        <source>Expand shortened links first</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBLExpandShortURL of Morva.ini.</extracomment>
        <translation>Espandi prima i link abbreviati</translation>
    </message>
    <message id="confui.IniSEBA.InboundBlockSEBA">
        <source>Block by the sender&apos;s reputation (Senderbase)</source>
        <extracomment>On the page &quot;Senderbase&quot;: the setting InboundBlockSEBA of Morva.ini.</extracomment>
        <translation>Blocca in base alla reputazione del mittente (Senderbase)</translation>
    </message>
    <message id="confui.IniBCKS.InboundBlockBCKS">
        <source>Block backscatter (reports for mail never sent)</source>
        <extracomment>On the page &quot;Backscatter&quot;: the setting InboundBlockBCKS of Morva.ini.</extracomment>
        <translation>Blocca il backscatter (rapporti per posta mai inviata)</translation>
    </message>
    <message id="confui.IniEnv.NoTo">
        <source>No recipient in the header</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Nessun destinatario nell&apos;intestazione</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoTo">
        <source>Block messages without To or Cc header line</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoTo of Morva.ini.</extracomment>
        <translation>Blocca i messaggi senza riga To o Cc</translation>
    </message>
    <message id="confui.IniEnv.NoMx">
        <source>Sender domain without mail server</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Dominio del mittente senza server di posta</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoMx">
        <source>Block senders whose domain has no MX record</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoMx of Morva.ini.</extracomment>
        <translation>Blocca i mittenti il cui dominio non ha record MX</translation>
    </message>
    <message id="confui.IniEnv.NoFrom">
        <source>Faked sender</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Mittente falsificato</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoFrom">
        <source>Block messages whose From line differs from the envelope sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoFrom of Morva.ini.</extracomment>
        <translation>Blocca i messaggi la cui riga From differisce dal mittente della busta</translation>
    </message>
    <message id="confui.IniEnv.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Mittente interno dall&apos;esterno</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockFromUs">
        <source>Block inbound messages claiming one of our own domains as sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockFromUs of Morva.ini.</extracomment>
        <translation>Blocca i messaggi in entrata che dichiarano come mittente uno dei nostri domini</translation>
    </message>
    <message id="confui.IniFCrDNS.InboundBlockFCrDNS">
        <source>Block connections whose reverse DNS name does not resolve back</source>
        <extracomment>On the page &quot;FCrDNS&quot;: the setting InboundBlockFCrDNS of Morva.ini.</extracomment>
        <translation>Blocca le connessioni il cui nome DNS inverso non si risolve all&apos;indietro</translation>
    </message>
    <message id="confui.IniImg.InboundBlockEMP">
        <source>Block image spam</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockEMP of Morva.ini.</extracomment>
        <translation>Blocca lo spam per immagini</translation>
    </message>
    <message id="confui.IniImg.InboundBlockAPD">
        <source>Block animated images</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockAPD of Morva.ini.</extracomment>
        <translation>Blocca le immagini animate</translation>
    </message>
    <message id="confui.IniImg.InboundBlockRRZ">
        <source>Block images with random noise</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockRRZ of Morva.ini.</extracomment>
        <translation>Blocca le immagini con rumore casuale</translation>
    </message>
    <message id="confui.IniImg.InboundBlockGRE">
        <source>Block images in grey tones only</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockGRE of Morva.ini.</extracomment>
        <translation>Blocca le immagini solo in toni di grigio</translation>
    </message>
    <message id="confui.IniImg.sizeGroup">
        <source>Image size (pixels)</source>
        <translation>Dimensioni dell&apos;immagine (pixel)</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMBP">
        <source>Block images larger than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMBP of Morva.ini.</extracomment>
        <translation>Blocca le immagini più grandi di</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMLP">
        <source>Block images smaller than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMLP of Morva.ini.</extracomment>
        <translation>Blocca le immagini più piccole di</translation>
    </message>
    <message id="confui.IniImg.height">
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message id="confui.IniImg.width">
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message id="confui.IniUDM.InboundBlockUDM">
        <source>Check messages with an external program (user-defined method)</source>
        <extracomment>On the page &quot;UDM&quot;: the setting InboundBlockUDM of Morva.ini.</extracomment>
        <translation>Verifica i messaggi con un programma esterno (metodo definito dall&apos;utente)</translation>
    </message>
    <message id="confui.IniApr.InboundApproveAction">
        <source>Let an external program approve each action</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveAction of Morva.ini.</extracomment>
        <translation>Fai approvare ogni azione da un programma esterno</translation>
    </message>
    <message id="confui.IniApr.InboundApproveActionOnlySpam">
        <source>Only for messages detected as spam</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveActionOnlySpam of Morva.ini.</extracomment>
        <translation>Solo per i messaggi rilevati come spam</translation>
    </message>
</context>
<context>
    <name>confui sheets 5-13 and advanced</name>
    <message id="confui.sheet5">
        <source>Options - ClamAV</source>
        <translation>Opzioni - ClamAV</translation>
    </message>
    <message id="confui.sheet6">
        <source>Options - System</source>
        <translation>Opzioni - Sistema</translation>
    </message>
    <message id="confui.sheet7">
        <source>Options - Session</source>
        <translation>Opzioni - Sessione</translation>
    </message>
    <message id="confui.sheet8">
        <source>Options - Virus</source>
        <translation>Opzioni - Virus</translation>
    </message>
    <message id="confui.sheet9">
        <source>Options - Transit</source>
        <translation>Opzioni - Transito</translation>
    </message>
    <message id="confui.sheet10">
        <source>Options - S/MIME</source>
        <translation>Opzioni - S/MIME</translation>
    </message>
    <message id="confui.sheet11">
        <source>Options - DKIM (DomainKeys Identified Mail)</source>
        <translation>Opzioni - DKIM (DomainKeys Identified Mail)</translation>
    </message>
    <message id="confui.sheet12">
        <source>Options - TLS/SSL</source>
        <translation>Opzioni - TLS/SSL</translation>
    </message>
    <message id="confui.sheet13">
        <source>Options - Exclude</source>
        <translation>Opzioni - Escludi</translation>
    </message>
    <message id="confui.sheetConf">
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message id="confui.page.IniViC">
        <source>ClamAV</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>ClamAV</translation>
    </message>
    <message id="confui.page.IniCASCR">
        <source>SaneSecurity</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SaneSecurity</translation>
    </message>
    <message id="confui.page.IniCAICR">
        <source>SecuriteInfo</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SecuriteInfo</translation>
    </message>
    <message id="confui.page.IniCAXCR">
        <source>Community</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Comunità</translation>
    </message>
    <message id="confui.page.IniCAOLE">
        <source>Macro</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Macro</translation>
    </message>
    <message id="confui.IniViC.Outbound">
        <source>Scan outbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analizza i messaggi in uscita con ClamAV</translation>
    </message>
    <message id="confui.IniViC.Inbound">
        <source>Scan inbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analizza i messaggi in entrata con ClamAV</translation>
    </message>
    <message id="confui.IniViC.Host">
        <source>ClamAV daemon host:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Host del servizio ClamAV:</translation>
    </message>
    <message id="confui.IniViC.Port">
        <source>ClamAV daemon port:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Porta del servizio ClamAV:</translation>
    </message>
    <message id="confui.IniCASCR.Block">
        <source>Block messages that match the SaneSecurity signatures</source>
        <extracomment>On the page &quot;SaneSecurity&quot;.</extracomment>
        <translation>Blocca i messaggi che corrispondono alle firme SaneSecurity</translation>
    </message>
    <message id="confui.IniCAICR.Block">
        <source>Block messages that match the SecuriteInfo signatures</source>
        <extracomment>On the page &quot;SecuriteInfo&quot;.</extracomment>
        <translation>Blocca i messaggi che corrispondono alle firme SecuriteInfo</translation>
    </message>
    <message id="confui.IniCAXCR.Block">
        <source>Block messages that match the community rules</source>
        <extracomment>On the page &quot;Community&quot;.</extracomment>
        <translation>Blocca i messaggi che corrispondono alle regole della comunità</translation>
    </message>
    <message id="confui.IniCAOLE.Block">
        <source>Block Office documents that contain macros</source>
        <extracomment>On the page &quot;Macro&quot;.</extracomment>
        <translation>Blocca i documenti Office che contengono macro</translation>
    </message>
    <message id="confui.sig.Note">
        <source>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</source>
        <translation>Le firme sono caricate dal servizio ClamAV impostato nella pagina ClamAV.</translation>
    </message>
    <message id="confui.c2.inExclude">
        <source>Inbound e&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;scludi (in entrata)...</translation>
    </message>
    <message id="confui.c2.outExclude">
        <source>Outbound excl&amp;ude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Esc&amp;ludi (in uscita)...</translation>
    </message>
    <message id="confui.page.IniForm">
        <source>Format</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Formato</translation>
    </message>
    <message id="confui.page.IniFla">
        <source>Flags</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Indicatori</translation>
    </message>
    <message id="confui.page.IniSusp">
        <source>Suspicious</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sospetti</translation>
    </message>
    <message id="confui.page.IniBCC">
        <source>BCC</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Copia nascosta</translation>
    </message>
    <message id="confui.page.IniTLS">
        <source>TLS/SSL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>TLS/SSL</translation>
    </message>
    <message id="confui.IniForm.InRemoveHTML">
        <source>Remove HTML from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi l&apos;HTML dai messaggi in entrata</translation>
    </message>
    <message id="confui.IniForm.InRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi TNEF (winmail.dat) dai messaggi in entrata</translation>
    </message>
    <message id="confui.IniForm.InRemoveDKIM">
        <source>Remove DKIM signatures from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi le firme DKIM dai messaggi in entrata</translation>
    </message>
    <message id="confui.IniForm.InRemoveOWASubj">
        <source>Remove Outlook Web Access tags from inbound subjects</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi i tag di Outlook Web Access dall&apos;oggetto dei messaggi in entrata</translation>
    </message>
    <message id="confui.IniForm.InAssembleAll">
        <source>Reassemble inbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Ricomponi i messaggi in entrata inviati in più parti</translation>
    </message>
    <message id="confui.IniForm.OutRemoveHTML">
        <source>Remove HTML from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi l&apos;HTML dai messaggi in uscita</translation>
    </message>
    <message id="confui.IniForm.OutRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Rimuovi TNEF (winmail.dat) dai messaggi in uscita</translation>
    </message>
    <message id="confui.IniForm.OutAssembleAll">
        <source>Reassemble outbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Ricomponi i messaggi in uscita inviati in più parti</translation>
    </message>
    <message id="confui.IniFla.InRemoveRR">
        <source>Remove read-receipt requests from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Rimuovi le richieste di conferma di lettura dai messaggi in entrata</translation>
    </message>
    <message id="confui.IniFla.OutRemoveRR">
        <source>Remove read-receipt requests from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Rimuovi le richieste di conferma di lettura dai messaggi in uscita</translation>
    </message>
    <message id="confui.IniFla.InRemoveDSN">
        <source>Remove requests for success notifications from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Rimuovi le richieste di notifica di recapito dai messaggi in entrata</translation>
    </message>
    <message id="confui.IniFla.OutRemoveDSN">
        <source>Remove requests for success notifications from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Rimuovi le richieste di notifica di recapito dai messaggi in uscita</translation>
    </message>
    <message id="confui.IniSusp.MsgLoop">
        <source>Warn about message loops (many messages to one recipient)</source>
        <extracomment>On the page &quot;Suspicious&quot;: the setting MsgLoop of Morva.ini.</extracomment>
        <translation>Avvisa dei loop di messaggi (molti messaggi a un destinatario)</translation>
    </message>
    <message id="confui.IniSusp.Period">
        <source>Period observed (seconds):</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Periodo osservato (secondi):</translation>
    </message>
    <message id="confui.IniSusp.MaxMsg">
        <source>Alert after this number of messages:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Avviso dopo questo numero di messaggi:</translation>
    </message>
    <message id="confui.IniSusp.Excl">
        <source>Addresses never reported:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Indirizzi mai segnalati:</translation>
    </message>
    <message id="confui.IniBCC.NDR">
        <source>Blind copy of every non-delivery report to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia nascosta di ogni rapporto di mancato recapito a:</translation>
    </message>
    <message id="confui.IniBCC.FwdExch">
        <source>Blind copy of messages forwarded to Exchange to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia nascosta dei messaggi inoltrati a Exchange a:</translation>
    </message>
    <message id="confui.IniBCC.InAuto">
        <source>Blind copy of every inbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia nascosta di ogni messaggio in entrata a:</translation>
    </message>
    <message id="confui.IniBCC.OutAuto">
        <source>Blind copy of every outbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia nascosta di ogni messaggio in uscita a:</translation>
    </message>
    <message id="confui.IniTLS.Outbound">
        <source>Use TLS on outbound connections when the server offers it</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Usa TLS sulle connessioni in uscita se il server lo offre</translation>
    </message>
    <message id="confui.IniTLS.Inbound">
        <source>Offer TLS on inbound connections (STARTTLS)</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Offri TLS sulle connessioni in entrata (STARTTLS)</translation>
    </message>
    <message id="confui.IniTLS.Verbose">
        <source>Log TLS details</source>
        <extracomment>On the page &quot;TLS/SSL&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registra i dettagli TLS</translation>
    </message>
    <message id="confui.IniTLS.CACert">
        <source>CA certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>File del certificato della CA:</translation>
    </message>
    <message id="confui.IniTLS.ServCert">
        <source>Server certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>File del certificato del server:</translation>
    </message>
    <message id="confui.IniTLS.ServPriv">
        <source>Server private key file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>File della chiave privata del server:</translation>
    </message>
    <message id="confui.page.IniRcpt">
        <source>Recipient</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Destinatario</translation>
    </message>
    <message id="confui.page.IniVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verifica</translation>
    </message>
    <message id="confui.page.IniSes">
        <source>Session</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sessione</translation>
    </message>
    <message id="confui.IniRcpt.Typ">
        <source>Recipient verification:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verifica dei destinatari:</translation>
    </message>
    <message id="confui.IniRcpt.Typ0">
        <source>No verification</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Nessuna verifica</translation>
    </message>
    <message id="confui.IniRcpt.Typ1">
        <source>Verify the recipients e-mail address using a static address list</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verifica l&apos;indirizzo del destinatario con un elenco di indirizzi fisso</translation>
    </message>
    <message id="confui.IniRcpt.Typ2">
        <source>Verify the recipients e-mail address dynamically using an external program</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verifica l&apos;indirizzo del destinatario dinamicamente con un programma esterno</translation>
    </message>
    <message id="confui.IniRcpt.Typ3">
        <source>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verifica l&apos;indirizzo del destinatario dinamicamente con una query SMTP a Exchange</translation>
    </message>
    <message id="confui.IniRcpt.Cache">
        <source>Cache the answers of the query</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Memorizza nella cache le risposte della query</translation>
    </message>
    <message id="confui.IniRcpt.Verbose">
        <source>Log the output of the external program</source>
        <extracomment>On the page &quot;Recipient&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registra l&apos;output del programma esterno</translation>
    </message>
    <message id="confui.IniRcpt.Validate">
        <source>Known address to test the query:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Indirizzo noto per verificare la query:</translation>
    </message>
    <message id="confui.IniVrfy.Domain">
        <source>Verify that the sender&apos;s domain exists</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verifica che il dominio del mittente esista</translation>
    </message>
    <message id="confui.IniVrfy.PTR">
        <source>Verify that the connecting host has a reverse DNS (PTR) record</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verifica che l&apos;host che si connette abbia un record DNS inverso (PTR)</translation>
    </message>
    <message id="confui.IniVrfy.FQDN">
        <source>Verify that the HELO name is a fully qualified domain name</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verifica che il nome HELO sia un nome di dominio completo</translation>
    </message>
    <message id="confui.IniVrfy.CABA">
        <source>Verify the sender address with a call-back to its mail server</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verifica l&apos;indirizzo del mittente con una richiamata al suo server di posta</translation>
    </message>
    <message id="confui.IniSes.GreetDelay">
        <source>Delay the SMTP greeting</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Ritarda il saluto SMTP</translation>
    </message>
    <message id="confui.IniSes.Seconds">
        <source>Delay (seconds):</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Ritardo (secondi):</translation>
    </message>
    <message id="confui.IniSes.HoneyPot">
        <source>Catch spam robots that talk before the greeting (honey pot)</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Rileva i robot di spam che parlano prima del saluto (honeypot)</translation>
    </message>
    <message id="confui.page.IniViD">
        <source>On-Demand Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Scansione su richiesta</translation>
    </message>
    <message id="confui.page.IniViA">
        <source>On-Access Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Scansione all&apos;accesso</translation>
    </message>
    <message id="confui.page.IniViO">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message id="confui.IniViD.Outbound">
        <source>Scan outbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analizza i messaggi in uscita</translation>
    </message>
    <message id="confui.IniViD.Inbound">
        <source>Scan inbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analizza i messaggi in entrata</translation>
    </message>
    <message id="confui.IniViD.Typ">
        <source>Virus scanner:</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Antivirus:</translation>
    </message>
    <message id="confui.IniViD.Preset0">
        <source>Custom</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Personalizzato</translation>
    </message>
    <message id="confui.IniViD.Note">
        <source>&lt;FILE&gt; stands for the file to scan.</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>&lt;FILE&gt; indica il file da analizzare.</translation>
    </message>
    <message id="confui.IniViA.Outbound">
        <source>Scan outbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analizza i messaggi in uscita con un antivirus residente</translation>
    </message>
    <message id="confui.IniViA.Inbound">
        <source>Scan inbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analizza i messaggi in entrata con un antivirus residente</translation>
    </message>
    <message id="confui.IniViA.Path">
        <source>Folder watched by the on-access scanner:</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Cartella sorvegliata dall&apos;antivirus residente:</translation>
    </message>
    <message id="confui.IniViO.Debug">
        <source>Log the output of the virus scanner (debug)</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Registra l&apos;output dell&apos;antivirus (debug)</translation>
    </message>
    <message id="confui.IniViO.RawMsg">
        <source>Scan the raw message as well</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizza anche il messaggio grezzo</translation>
    </message>
    <message id="confui.IniViO.Always">
        <source>Scan every message, also without attachments</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizza ogni messaggio, anche senza allegati</translation>
    </message>
    <message id="confui.IniViO.Serialize">
        <source>Run one scan at a time</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Esegui una sola scansione alla volta</translation>
    </message>
    <message id="confui.IniViO.Zip">
        <source>Scan the files inside ZIP archives</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizza i file negli archivi ZIP</translation>
    </message>
    <message id="confui.IniViO.UseExt">
        <source>Keep the file extensions for the on-access scanner</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Mantieni le estensioni dei file per l&apos;antivirus residente</translation>
    </message>
    <message id="confui.page.IniDisc">
        <source>Disclaimer</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Disclaimer</translation>
    </message>
    <message id="confui.IniDisc.List">
        <source>Add the disclaimer to messages of these senders:</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Aggiungi il disclaimer ai messaggi di questi mittenti:</translation>
    </message>
    <message id="confui.IniDisc.SuppOnReply">
        <source>Do not add the disclaimer to replies</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Non aggiungere il disclaimer alle risposte</translation>
    </message>
    <message id="confui.IniDisc.Text">
        <source>Disclaimer text (file odisc-pl.txt)</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Testo del disclaimer (file odisc-pl.txt)</translation>
    </message>
    <message id="confui.IniDisc.ReadFailed">
        <source>Unable to read the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Impossibile leggere il file del disclaimer</translation>
    </message>
    <message id="confui.IniDisc.WriteFailed">
        <source>Unable to write the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Impossibile scrivere il file del disclaimer</translation>
    </message>
    <message id="confui.page.IniSMIMEVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verifica</translation>
    </message>
    <message id="confui.page.IniSMIMESign">
        <source>Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Firma</translation>
    </message>
    <message id="confui.page.IniSMIMEDecr">
        <source>Decrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Decifra</translation>
    </message>
    <message id="confui.page.IniSMIMEEncr">
        <source>Encrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Cifra</translation>
    </message>
    <message id="confui.page.IniSMIMEInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Criterio in entrata</translation>
    </message>
    <message id="confui.page.IniSMIMEOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Criterio in uscita</translation>
    </message>
    <message id="confui.page.IniSMIMEOpt">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message id="confui.page.IniDKIMSign">
        <source>DKIM Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Firma DKIM</translation>
    </message>
    <message id="confui.page.IniTLSInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Criterio in entrata</translation>
    </message>
    <message id="confui.page.IniTLSOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Criterio in uscita</translation>
    </message>
    <message id="confui.smime.VerifyCRL">
        <source>Check the certificate revocation lists (CRL) of inbound signatures</source>
        <translation>Verifica gli elenchi di revoca (CRL) delle firme in entrata</translation>
    </message>
    <message id="confui.smime.VerboseCert">
        <source>Log certificate details</source>
        <translation>Registra i dettagli dei certificati</translation>
    </message>
    <message id="confui.smime.VrfyList">
        <source>Signers of inbound messages:</source>
        <translation>Firmatari dei messaggi in entrata:</translation>
    </message>
    <message id="confui.smime.ExclVerify">
        <source>Exclude from &amp;verifying...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Escludi dalla &amp;verifica...</translation>
    </message>
    <message id="confui.smime.ExclRemove">
        <source>Exclude from &amp;removing...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Escludi dalla &amp;rimozione...</translation>
    </message>
    <message id="confui.smime.SignList">
        <source>Sign the outbound messages of these senders:</source>
        <translation>Firma i messaggi in uscita di questi mittenti:</translation>
    </message>
    <message id="confui.smime.UseDBCert">
        <source>Use the certificates of the certificate database</source>
        <translation>Usa i certificati del database dei certificati</translation>
    </message>
    <message id="confui.smime.SignPreSign">
        <source>Sign messages that are already signed</source>
        <translation>Firma i messaggi già firmati</translation>
    </message>
    <message id="confui.smime.SignPreCrypt">
        <source>Sign messages that are already encrypted</source>
        <translation>Firma i messaggi già cifrati</translation>
    </message>
    <message id="confui.smime.SignHdr">
        <source>Header that asks for a signature:</source>
        <translation>Intestazione che richiede la firma:</translation>
    </message>
    <message id="confui.smime.OutRemove">
        <source>Remove S/MIME signatures from outbound messages</source>
        <translation>Rimuovi le firme S/MIME dai messaggi in uscita</translation>
    </message>
    <message id="confui.smime.OutVerify">
        <source>Verify S/MIME signatures of outbound messages</source>
        <translation>Verifica le firme S/MIME dei messaggi in uscita</translation>
    </message>
    <message id="confui.smime.OutVerifyCRL">
        <source>Check the certificate revocation lists (CRL) of outbound signatures</source>
        <translation>Verifica gli elenchi di revoca (CRL) delle firme in uscita</translation>
    </message>
    <message id="confui.smime.DecrList">
        <source>Decrypt the inbound messages of these recipients:</source>
        <translation>Decifra i messaggi in entrata di questi destinatari:</translation>
    </message>
    <message id="confui.smime.AltPriv">
        <source>Try the other private certificates when the first one fails</source>
        <translation>Prova gli altri certificati privati se il primo non riesce</translation>
    </message>
    <message id="confui.smime.EncrList">
        <source>Encrypt the outbound messages to these recipients:</source>
        <translation>Cifra i messaggi in uscita verso questi destinatari:</translation>
    </message>
    <message id="confui.smime.CryptPreCrypt">
        <source>Encrypt messages that are already encrypted</source>
        <translation>Cifra i messaggi già cifrati</translation>
    </message>
    <message id="confui.smime.CryptPreSign">
        <source>Encrypt messages that are already signed</source>
        <translation>Cifra i messaggi già firmati</translation>
    </message>
    <message id="confui.smime.CryptHdr">
        <source>Header that asks for encryption:</source>
        <translation>Intestazione che richiede la cifratura:</translation>
    </message>
    <message id="confui.smime.InPolList">
        <source>Requirements for inbound messages of these senders:</source>
        <translation>Requisiti per i messaggi in entrata di questi mittenti:</translation>
    </message>
    <message id="confui.smime.OutPolList">
        <source>Requirements for outbound messages to these recipients:</source>
        <translation>Requisiti per i messaggi in uscita verso questi destinatari:</translation>
    </message>
    <message id="confui.smime.WriteDBCert">
        <source>Store the certificates of signed inbound messages in the database</source>
        <translation>Salva nel database i certificati dei messaggi in entrata firmati</translation>
    </message>
    <message id="confui.smime.OutWriteDBCert">
        <source>Store the certificates of signed outbound messages in the database</source>
        <translation>Salva nel database i certificati dei messaggi in uscita firmati</translation>
    </message>
    <message id="confui.smime.Verbose">
        <source>Log S/MIME processing</source>
        <translation>Registra l&apos;elaborazione S/MIME</translation>
    </message>
    <message id="confui.smime.CACert">
        <source>CA certificate file:</source>
        <translation>File del certificato della CA:</translation>
    </message>
    <message id="confui.smime.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Cartella che contiene la cartella CERT (vuoto: cartella del programma):</translation>
    </message>
    <message id="confui.smime.Statistic">
        <source>Write S/MIME statistics</source>
        <translation>Scrivi le statistiche S/MIME</translation>
    </message>
    <message id="confui.smime.InAssemble">
        <source>Reassemble inbound S/MIME messages</source>
        <translation>Ricomponi i messaggi S/MIME in entrata</translation>
    </message>
    <message id="confui.smime.OutAssemble">
        <source>Reassemble outbound S/MIME messages</source>
        <translation>Ricomponi i messaggi S/MIME in uscita</translation>
    </message>
    <message id="confui.smime.MarkRemoved">
        <source>Mark the subject when the S/MIME envelope was removed</source>
        <translation>Contrassegna l&apos;oggetto quando la busta S/MIME è stata rimossa</translation>
    </message>
    <message id="confui.smime.ExclPolicy">
        <source>Exclude from the &amp;policy...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Escludi dal &amp;criterio...</translation>
    </message>
    <message id="confui.dkim.SignList">
        <source>Sign the outbound messages of these domains:</source>
        <translation>Firma i messaggi in uscita di questi domini:</translation>
    </message>
    <message id="confui.dkim.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Cartella che contiene la cartella CERT (vuoto: cartella del programma):</translation>
    </message>
    <message id="confui.dkim.Verbose">
        <source>Log DKIM processing</source>
        <translation>Registra l&apos;elaborazione DKIM</translation>
    </message>
    <message id="confui.tls.InPolList">
        <source>TLS for connections from these clients:</source>
        <translation>TLS per le connessioni da questi client:</translation>
    </message>
    <message id="confui.tls.OutPolList">
        <source>TLS for connections to these destinations:</source>
        <translation>TLS per le connessioni verso queste destinazioni:</translation>
    </message>
    <message id="confui.tls.ClientCert">
        <source>Ask connecting clients for a certificate</source>
        <translation>Chiedi un certificato ai client che si connettono</translation>
    </message>
    <message id="confui.tls.ServCiphers">
        <source>Ciphers offered to clients (empty: default):</source>
        <translation>Cifrari offerti ai client (vuoto: predefiniti):</translation>
    </message>
    <message id="confui.tls.ClientCiphers">
        <source>Ciphers used towards servers (empty: default):</source>
        <translation>Cifrari usati verso i server (vuoto: predefiniti):</translation>
    </message>
    <message id="confui.page.IniExclAdr">
        <source>Exclude - E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - E-mail</translation>
    </message>
    <message id="confui.page.IniExclSubj">
        <source>Exclude - Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - Oggetto</translation>
    </message>
    <message id="confui.page.IniExclText">
        <source>Exclude - Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - Testo</translation>
    </message>
    <message id="confui.page.IniExclHTML">
        <source>Exclude - HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - HTML</translation>
    </message>
    <message id="confui.page.IniExclIPH">
        <source>Exclude - IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - IP/Host</translation>
    </message>
    <message id="confui.page.IniExclAWL">
        <source>Exclude - White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - Lista bianca</translation>
    </message>
    <message id="confui.page.IniExclSLS">
        <source>Exclude - SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - SLS/RBL</translation>
    </message>
    <message id="confui.page.IniExclDNSWL">
        <source>Exclude - DNSWL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - DNSWL</translation>
    </message>
    <message id="confui.page.IniExclDKIM">
        <source>Exclude - DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - DKIM</translation>
    </message>
    <message id="confui.page.IniExclSPF">
        <source>Exclude - SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - SPF</translation>
    </message>
    <message id="confui.page.IniExclOth">
        <source>Exclude - Other</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - Altro</translation>
    </message>
    <message id="confui.page.IniExclOpt">
        <source>Exclude - Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Escludi - Opzioni</translation>
    </message>
    <message id="confui.excl.InFrom">
        <source>Inbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>In entrata, indirizzi MAIL FROM mai bloccati:</translation>
    </message>
    <message id="confui.excl.InTo">
        <source>Inbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>In entrata, indirizzi RCPT TO mai bloccati:</translation>
    </message>
    <message id="confui.excl.OutFrom">
        <source>Outbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>In uscita, indirizzi MAIL FROM mai bloccati:</translation>
    </message>
    <message id="confui.excl.OutTo">
        <source>Outbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>In uscita, indirizzi RCPT TO mai bloccati:</translation>
    </message>
    <message id="confui.excl.InSubj">
        <source>Inbound subjects never blocked:</source>
        <translation>In entrata, oggetti mai bloccati:</translation>
    </message>
    <message id="confui.excl.OutSubj">
        <source>Outbound subjects never blocked:</source>
        <translation>In uscita, oggetti mai bloccati:</translation>
    </message>
    <message id="confui.excl.InText">
        <source>Inbound texts that exempt a message:</source>
        <translation>In entrata, testi che esentano un messaggio:</translation>
    </message>
    <message id="confui.excl.OutText">
        <source>Outbound texts that exempt a message:</source>
        <translation>In uscita, testi che esentano un messaggio:</translation>
    </message>
    <message id="confui.excl.InHTML">
        <source>Inbound HTML that exempts a message:</source>
        <translation>In entrata, HTML che esenta un messaggio:</translation>
    </message>
    <message id="confui.excl.OutHTML">
        <source>Outbound HTML that exempts a message:</source>
        <translation>In uscita, HTML che esenta un messaggio:</translation>
    </message>
    <message id="confui.excl.IP">
        <source>IP addresses never blocked:</source>
        <translation>Indirizzi IP mai bloccati:</translation>
    </message>
    <message id="confui.excl.Host">
        <source>Host names never blocked:</source>
        <translation>Nomi host mai bloccati:</translation>
    </message>
    <message id="confui.excl.AWL">
        <source>Build a white list from the recipients of outbound messages</source>
        <translation>Crea una lista bianca dai destinatari dei messaggi in uscita</translation>
    </message>
    <message id="confui.excl.AWLUser">
        <source>Keep one white list per user</source>
        <translation>Tieni una lista bianca per utente</translation>
    </message>
    <message id="confui.excl.AWLPack">
        <source>Pack the white list automatically</source>
        <translation>Compatta la lista bianca automaticamente</translation>
    </message>
    <message id="confui.excl.AWLSlots">
        <source>Maximum number of entries:</source>
        <translation>Numero massimo di voci:</translation>
    </message>
    <message id="confui.excl.AWLFeedAdd">
        <source>Address to which users send entries to add:</source>
        <translation>Indirizzo a cui gli utenti inviano le voci da aggiungere:</translation>
    </message>
    <message id="confui.excl.AWLFeedDel">
        <source>Address to which users send entries to remove:</source>
        <translation>Indirizzo a cui gli utenti inviano le voci da rimuovere:</translation>
    </message>
    <message id="confui.excl.SLS">
        <source>Exempt senders listed in these DNS whitelists</source>
        <translation>Esenta i mittenti elencati in queste whitelist DNS</translation>
    </message>
    <message id="confui.excl.SLSIPHeader">
        <source>Also check the addresses in the Received headers</source>
        <translation>Controlla anche gli indirizzi nelle intestazioni Received</translation>
    </message>
    <message id="confui.excl.SLSIP">
        <source>Whitelist zones for IP addresses:</source>
        <translation>Zone whitelist per indirizzi IP:</translation>
    </message>
    <message id="confui.excl.SLSDom">
        <source>Whitelist zones for domains:</source>
        <translation>Zone whitelist per domini:</translation>
    </message>
    <message id="confui.excl.DNSWL">
        <source>Exempt senders listed in the public DNS whitelist (DNSWL)</source>
        <translation>Esenta i mittenti nella whitelist DNS pubblica (DNSWL)</translation>
    </message>
    <message id="confui.excl.DNSWLCat">
        <source>Categories:</source>
        <translation>Categorie:</translation>
    </message>
    <message id="confui.excl.DNSWLTrust">
        <source>Trustworthiness:</source>
        <translation>Affidabilità:</translation>
    </message>
    <message id="confui.excl.DNSWLCatAll">
        <source>All categories</source>
        <translation>Tutte le categorie</translation>
    </message>
    <message id="confui.excl.DNSWLTrustAny">
        <source>Any trust level</source>
        <translation>Qualsiasi livello di affidabilità</translation>
    </message>
    <message id="confui.excl.DNSWLHeader">
        <source>The Received-header setting of the SLS/RBL exclusion page applies here too.</source>
        <translation>L&apos;impostazione delle intestazioni Received della pagina SLS/RBL vale anche qui.</translation>
    </message>
    <message id="confui.dnswl.cat0">
        <source>not in use</source>
        <translation>non usato</translation>
    </message>
    <message id="confui.dnswl.cat2">
        <source>Financial services</source>
        <translation>Servizi finanziari</translation>
    </message>
    <message id="confui.dnswl.cat3">
        <source>Email Service Providers</source>
        <translation>Fornitori di servizi e-mail</translation>
    </message>
    <message id="confui.dnswl.cat4">
        <source>Organisations (both for-profit and non-profit)</source>
        <translation>Organizzazioni (profit e non profit)</translation>
    </message>
    <message id="confui.dnswl.cat5">
        <source>Service/network providers</source>
        <translation>Fornitori di servizi/rete</translation>
    </message>
    <message id="confui.dnswl.cat6">
        <source>Personal/private servers</source>
        <translation>Server personali/privati</translation>
    </message>
    <message id="confui.dnswl.cat7">
        <source>Travel/leisure industry</source>
        <translation>Settore viaggi/tempo libero</translation>
    </message>
    <message id="confui.dnswl.cat8">
        <source>Public sector/governments</source>
        <translation>Settore pubblico/governi</translation>
    </message>
    <message id="confui.dnswl.cat9">
        <source>Media and Tech companies</source>
        <translation>Aziende dei media e della tecnologia</translation>
    </message>
    <message id="confui.dnswl.cat10">
        <source>Some special cases</source>
        <translation>Alcuni casi speciali</translation>
    </message>
    <message id="confui.dnswl.cat11">
        <source>Education, academic</source>
        <translation>Istruzione, università</translation>
    </message>
    <message id="confui.dnswl.cat12">
        <source>Healthcare</source>
        <translation>Sanità</translation>
    </message>
    <message id="confui.dnswl.cat13">
        <source>Manufacturing/Industrial</source>
        <translation>Produzione/Industria</translation>
    </message>
    <message id="confui.dnswl.cat14">
        <source>Retail/Wholesale/Services</source>
        <translation>Commercio al dettaglio/all&apos;ingrosso/Servizi</translation>
    </message>
    <message id="confui.dnswl.cat15">
        <source>Email Marketing Providers</source>
        <translation>Fornitori di e-mail marketing</translation>
    </message>
    <message id="confui.dnswl.trust0">
        <source>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</source>
        <translation>Nessuna - Server legittimo, può inviare spam (es. Hotmail, Yahoo)</translation>
    </message>
    <message id="confui.dnswl.trust1">
        <source>Low - Occasional spam occurrences, actively corrected but less promptly</source>
        <translation>Bassa - Spam occasionale, corretto ma con meno rapidità</translation>
    </message>
    <message id="confui.dnswl.trust2">
        <source>Medium - Extremely rare spam occurrences, corrected promptly</source>
        <translation>Media - Spam rarissimo, corretto subito</translation>
    </message>
    <message id="confui.dnswl.trust3">
        <source>High - Never sends spam</source>
        <translation>Alta - Non invia mai spam</translation>
    </message>
    <message id="confui.excl.DKIM">
        <source>Exempt messages with a valid DKIM signature</source>
        <translation>Esenta i messaggi con una firma DKIM valida</translation>
    </message>
    <message id="confui.excl.DKIMFrom">
        <source>Only for these sender addresses:</source>
        <translation>Solo per questi indirizzi mittente:</translation>
    </message>
    <message id="confui.excl.SPF">
        <source>Exempt messages whose sender passes the SPF check</source>
        <translation>Esenta i messaggi il cui mittente supera il controllo SPF</translation>
    </message>
    <message id="confui.excl.TLS">
        <source>Exempt messages received over TLS</source>
        <translation>Esenta i messaggi ricevuti tramite TLS</translation>
    </message>
    <message id="confui.excl.Auth">
        <source>Exempt authenticated senders</source>
        <translation>Esenta i mittenti autenticati</translation>
    </message>
    <message id="confui.excl.MailList">
        <source>Exempt messages of mailing lists</source>
        <translation>Esenta i messaggi delle mailing list</translation>
    </message>
    <message id="confui.excl.OptWL">
        <source>The White list excludes from these methods:</source>
        <translation>La lista bianca esclude da questi metodi:</translation>
    </message>
    <message id="confui.excl.OptGlobal">
        <source>All other exclusions excludes from these methods:</source>
        <translation>Tutte le altre esclusioni escludono da questi metodi:</translation>
    </message>
    <message id="confui.method.Adr">
        <source>E-mail</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>E-mail</translation>
    </message>
    <message id="confui.method.IPH">
        <source>IP/Host</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>IP/Host</translation>
    </message>
    <message id="confui.method.DSN">
        <source>DSN</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>DSN</translation>
    </message>
    <message id="confui.method.Subj">
        <source>Subject</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Oggetto</translation>
    </message>
    <message id="confui.method.Text">
        <source>Text</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Testo</translation>
    </message>
    <message id="confui.method.HTML">
        <source>HTML</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.method.Att">
        <source>Attachment</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Allegato</translation>
    </message>
    <message id="confui.method.Expl">
        <source>Exploit</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.method.CCS">
        <source>CCS</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>CCS</translation>
    </message>
    <message id="confui.method.MSVBA">
        <source>Office macros</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Macro di Office</translation>
    </message>
    <message id="confui.method.MSOPP">
        <source>Office passwords</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Password di Office</translation>
    </message>
    <message id="confui.method.MSOEM">
        <source>Office embedded files</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>File incorporati di Office</translation>
    </message>
    <message id="confui.method.SLS">
        <source>SLS/RBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.method.CTY">
        <source>Country</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Paese</translation>
    </message>
    <message id="confui.method.Bayes">
        <source>Bayes</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.method.Heur">
        <source>Heuristic</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Euristica</translation>
    </message>
    <message id="confui.method.Hdr">
        <source>Header</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Intestazione</translation>
    </message>
    <message id="confui.method.Phi">
        <source>Phishing</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Phishing</translation>
    </message>
    <message id="confui.method.NoTo">
        <source>Missing To:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>To: mancante</translation>
    </message>
    <message id="confui.method.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Mittente interno dall&apos;esterno</translation>
    </message>
    <message id="confui.method.NoFrom">
        <source>Faked From:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>From: falsificato</translation>
    </message>
    <message id="confui.method.NoMx">
        <source>No MX record</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Nessun record MX</translation>
    </message>
    <message id="confui.method.FCrDNS">
        <source>FCrDNS</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>FCrDNS</translation>
    </message>
    <message id="confui.method.SPF">
        <source>SPF</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.method.DKIM">
        <source>DKIM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.method.SURBL">
        <source>SURBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SURBL</translation>
    </message>
    <message id="confui.method.EMP">
        <source>Image</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Immagine</translation>
    </message>
    <message id="confui.method.CharSet">
        <source>Charset</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Set di caratteri</translation>
    </message>
    <message id="confui.method.ABIP">
        <source>Auto IP</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>IP automatico</translation>
    </message>
    <message id="confui.method.SEBA">
        <source>Senderbase</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Senderbase</translation>
    </message>
    <message id="confui.method.BCKS">
        <source>Backscatter</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Backscatter</translation>
    </message>
    <message id="confui.method.CASCR">
        <source>SaneSecurity</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SaneSecurity</translation>
    </message>
    <message id="confui.method.CAICR">
        <source>SecuriteInfo</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SecuriteInfo</translation>
    </message>
    <message id="confui.method.CAOLE">
        <source>ClamAV macros</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Macro ClamAV</translation>
    </message>
    <message id="confui.method.CAXCR">
        <source>Community rules</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Regole della comunità</translation>
    </message>
    <message id="confui.method.UDM">
        <source>UDM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.method.Abs">
        <source>Absolute</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Assoluto</translation>
    </message>
    <message id="confui.method.GreyList">
        <source>Greylisting</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Greylisting</translation>
    </message>
    <message id="confui.method.ToAdr">
        <source>E-mail address</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message id="confui.method.SMIME">
        <source>S/MIME</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>S/MIME</translation>
    </message>
    <message id="confui.page.IniPhi">
        <source>Phishing</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Phishing</translation>
    </message>
    <message id="confui.IniPhi.Block">
        <source>Block phishing messages</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Blocca i messaggi di phishing</translation>
    </message>
    <message id="confui.IniPhi.SPF">
        <source>Use the SPF result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usa il risultato SPF</translation>
    </message>
    <message id="confui.IniPhi.DKIM">
        <source>Use the DKIM result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usa il risultato DKIM</translation>
    </message>
    <message id="confui.IniPhi.DMARC">
        <source>Use the DMARC policy</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usa il criterio DMARC</translation>
    </message>
    <message id="confui.IniPhi.URL">
        <source>Compare the links with their visible text</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Confronta i link con il testo visibile</translation>
    </message>
    <message id="confui.IniPhi.BaseDomain">
        <source>Ignore links to the same base domain</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Ignora i link allo stesso dominio di base</translation>
    </message>
    <message id="confui.IniPhi.Verbose">
        <source>Log phishing checks</source>
        <extracomment>On the page &quot;Phishing&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registra i controlli di phishing</translation>
    </message>
    <message id="confui.page.ConfMS1">
        <source>Mark Subject - 1</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Contrassegna oggetto - 1</translation>
    </message>
    <message id="confui.page.ConfMS2">
        <source>Mark Subject - 2</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Contrassegna oggetto - 2</translation>
    </message>
    <message id="confui.page.ConfMS3">
        <source>Mark Subject - 3</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Contrassegna oggetto - 3</translation>
    </message>
    <message id="confui.page.ConfMS4">
        <source>Mark Subject - 4</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Contrassegna oggetto - 4</translation>
    </message>
    <message id="confui.page.ConfMS5">
        <source>Mark Subject - 5</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Contrassegna oggetto - 5</translation>
    </message>
    <message id="confui.page.ConfIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Indirizzo IP</translation>
    </message>
    <message id="confui.page.ConfDSN">
        <source>DSN</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DSN</translation>
    </message>
    <message id="confui.page.ConfDNS">
        <source>DNS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DNS</translation>
    </message>
    <message id="confui.page.ConfThr">
        <source>Threads</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Thread</translation>
    </message>
    <message id="confui.page.ConfAdm">
        <source>Admin</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Amministrazione</translation>
    </message>
    <message id="confui.page.ConfESMTP">
        <source>ESMTP</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>ESMTP</translation>
    </message>
    <message id="confui.page.ConfSMTP">
        <source>SMTP</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SMTP</translation>
    </message>
    <message id="confui.page.ConfAWL">
        <source>White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Lista bianca</translation>
    </message>
    <message id="confui.page.ConfAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avanzate</translation>
    </message>
    <message id="confui.ConfMS.General">
        <source>Mark put into the subject by every method (empty: each method&apos;s own):</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno nell&apos;oggetto per tutti i metodi (vuoto: quello di ogni metodo):</translation>
    </message>
    <message id="confui.ConfMS.Right">
        <source>Put the mark on the right side of the subject</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Metti il contrassegno a destra dell&apos;oggetto</translation>
    </message>
    <message id="confui.ConfMS.RemoveHTML">
        <source>Mark when HTML was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno quando l&apos;HTML è stato rimosso:</translation>
    </message>
    <message id="confui.ConfMS.DecodeHTML">
        <source>Mark when HTML was decoded:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno quando l&apos;HTML è stato decodificato:</translation>
    </message>
    <message id="confui.ConfMS.RemoveTNEF">
        <source>Mark when TNEF was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno quando TNEF è stato rimosso:</translation>
    </message>
    <message id="confui.ConfMS.RemoveSMIME">
        <source>Mark when S/MIME was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno quando S/MIME è stato rimosso:</translation>
    </message>
    <message id="confui.ConfMS.Note">
        <source>Mark put into the subject of a caught message, per method:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Contrassegno nell&apos;oggetto di un messaggio intercettato, per metodo:</translation>
    </message>
    <message id="confui.ConfIP.Address">
        <source>Bind to IP address (empty: all addresses):</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Associa all&apos;indirizzo IP (vuoto: tutti gli indirizzi):</translation>
    </message>
    <message id="confui.ConfIP.MachineName">
        <source>Host name (FQDN) used in the greeting:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Nome host (FQDN) usato nel saluto:</translation>
    </message>
    <message id="confui.ConfIP.NAT">
        <source>Official addresses behind NAT:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Indirizzi ufficiali dietro NAT:</translation>
    </message>
    <message id="confui.ConfIP.InPort">
        <source>Inbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Porta SMTP in entrata:</translation>
    </message>
    <message id="confui.ConfIP.OutPort">
        <source>Outbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Porta SMTP in uscita:</translation>
    </message>
    <message id="confui.ConfDSN.From">
        <source>Sender address of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Indirizzo mittente dei rapporti di recapito:</translation>
    </message>
    <message id="confui.ConfDSN.Format">
        <source>Format of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;: the setting Format of Morva.ini.</extracomment>
        <translation>Formato dei rapporti di recapito:</translation>
    </message>
    <message id="confui.ConfDSN.Format0">
        <source>Plain text message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Messaggio di solo testo</translation>
    </message>
    <message id="confui.ConfDSN.Format1">
        <source>Standard report (RFC 3464)</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Rapporto standard (RFC 3464)</translation>
    </message>
    <message id="confui.ConfDSN.Format2">
        <source>Standard report with a readable text part</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Rapporto standard con una parte di testo leggibile</translation>
    </message>
    <message id="confui.ConfDSN.Return">
        <source>Content returned in a report:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Contenuto restituito in un rapporto:</translation>
    </message>
    <message id="confui.ConfDSN.Return0">
        <source>The headers of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Le intestazioni del messaggio</translation>
    </message>
    <message id="confui.ConfDSN.Return1">
        <source>The whole message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>L&apos;intero messaggio</translation>
    </message>
    <message id="confui.ConfDSN.Return2">
        <source>Nothing of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Niente del messaggio</translation>
    </message>
    <message id="confui.ConfDNS.Resolve">
        <source>For resolving A and PTR records:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Per risolvere i record A e PTR:</translation>
    </message>
    <message id="confui.ConfDNS.Own">
        <source>Use the gateway&apos;s own DNS queries</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Usa le query DNS proprie del gateway</translation>
    </message>
    <message id="confui.ConfDNS.System">
        <source>Use the resolver of the operating system</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Usa il resolver del sistema operativo</translation>
    </message>
    <message id="confui.ConfDNS.Transport">
        <source>Transport of DNS queries:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Trasporto delle query DNS:</translation>
    </message>
    <message id="confui.ConfDNS.UDP">
        <source>UDP (TCP for long answers)</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>UDP (TCP per le risposte lunghe)</translation>
    </message>
    <message id="confui.ConfDNS.TCP">
        <source>TCP only</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Solo TCP</translation>
    </message>
    <message id="confui.ConfThr.In">
        <source>Maximum number of inbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Numero massimo di thread in entrata:</translation>
    </message>
    <message id="confui.ConfThr.Out">
        <source>Maximum number of outbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Numero massimo di thread in uscita:</translation>
    </message>
    <message id="confui.ConfThr.InBayes">
        <source>Skip the Bayes filter while all inbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Salta il filtro bayesiano mentre tutti i thread in entrata sono occupati</translation>
    </message>
    <message id="confui.ConfThr.OutBayes">
        <source>Skip the Bayes filter while all outbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Salta il filtro bayesiano mentre tutti i thread in uscita sono occupati</translation>
    </message>
    <message id="confui.ConfThr.Watermark">
        <source>Refuse inbound connections while all threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Rifiuta le connessioni in entrata mentre tutti i thread sono occupati</translation>
    </message>
    <message id="confui.ConfAdm.ShowLog">
        <source>Show the log file in the main window</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Mostra il file di log nella finestra principale</translation>
    </message>
    <message id="confui.ConfAdm.LogPath">
        <source>Folder of the log file (empty: the gateway&apos;s log folder):</source>
        <extracomment>On the page &quot;Admin&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Cartella del file di log (vuoto: cartella di log del gateway):</translation>
    </message>
    <message id="confui.ConfAdm.CheckDir">
        <source>On input warn if a selected directory does not exist</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Avvisa durante l&apos;inserimento se una cartella scelta non esiste</translation>
    </message>
    <message id="confui.ConfAdm.Font">
        <source>Font of the log view:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Carattere della vista del log:</translation>
    </message>
    <message id="confui.ConfAdm.FontSize">
        <source>Font size:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Dimensione del carattere:</translation>
    </message>
    <message id="confui.ConfESMTP.In">
        <source>Inbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Estensioni ESMTP in entrata</translation>
    </message>
    <message id="confui.ConfESMTP.Out">
        <source>Outbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Estensioni ESMTP in uscita</translation>
    </message>
    <message id="confui.ConfESMTP.ESMTP">
        <source>ESMTP (all extensions)</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>ESMTP (tutte le estensioni)</translation>
    </message>
    <message id="confui.ConfESMTP.DSN">
        <source>DSN</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>DSN</translation>
    </message>
    <message id="confui.ConfESMTP.PRIORITY">
        <source>PRIORITY</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>PRIORITY</translation>
    </message>
    <message id="confui.ConfESMTP.NTLM">
        <source>NTLM</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>NTLM</translation>
    </message>
    <message id="confui.ConfESMTP.PIPELINING">
        <source>PIPELINING</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>PIPELINING</translation>
    </message>
    <message id="confui.ConfESMTP.CHUNKING">
        <source>CHUNKING</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>CHUNKING</translation>
    </message>
    <message id="confui.ConfESMTP.SIZE">
        <source>SIZE</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>SIZE</translation>
    </message>
    <message id="confui.ConfESMTP.XBDATA">
        <source>XBDATA</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>XBDATA</translation>
    </message>
    <message id="confui.ConfESMTP.8BITMIME">
        <source>8BITMIME</source>
        <translation>8BITMIME</translation>
    </message>
    <message id="confui.ConfSMTP.HonorPerm">
        <source>Honour permanent errors of Exchange</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Rispetta gli errori permanenti di Exchange</translation>
    </message>
    <message id="confui.ConfSMTP.4xx">
        <source>Treat 4xx answers of Exchange as permanent errors</source>
        <translation>Tratta le risposte 4xx di Exchange come errori permanenti</translation>
    </message>
    <message id="confui.ConfSMTP.DataTimeout">
        <source>Treat a DATA time-out of Exchange as a permanent error</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Tratta un timeout DATA di Exchange come errore permanente</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreMailFrom">
        <source>Ignore permanent errors after MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignora gli errori permanenti dopo MAIL FROM</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreSLS">
        <source>Ignore errors of remote servers that block us by blocklist</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignora gli errori dei server che ci bloccano tramite blocklist</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecv">
        <source>Do not add a Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Non aggiungere la riga di intestazione Received</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecvFor">
        <source>Leave the recipient out of the Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ometti il destinatario nella riga Received</translation>
    </message>
    <message id="confui.ConfSMTP.SizeCheck">
        <source>Check the size limit while the message is transferred</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Controlla il limite di dimensione durante il trasferimento</translation>
    </message>
    <message id="confui.ConfSMTP.CloseMailFrom">
        <source>Close the connection after an error in MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Chiudi la connessione dopo un errore in MAIL FROM</translation>
    </message>
    <message id="confui.ConfAWL.Verbose">
        <source>Log the white list synchronisation</source>
        <extracomment>On the page &quot;White List&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registra la sincronizzazione della lista bianca</translation>
    </message>
    <message id="confui.ConfAWL.Master">
        <source>Act as synchronisation master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Agisci come master di sincronizzazione</translation>
    </message>
    <message id="confui.ConfAWL.AllowIP">
        <source>Clients allowed to synchronise:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Client autorizzati alla sincronizzazione:</translation>
    </message>
    <message id="confui.ConfAWL.Protocol">
        <source>Protocol:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Protocollo:</translation>
    </message>
    <message id="confui.ConfAWL.UDP">
        <source>UDP</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>UDP</translation>
    </message>
    <message id="confui.ConfAWL.TCP">
        <source>TCP</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>TCP</translation>
    </message>
    <message id="confui.ConfAWL.Client">
        <source>Act as synchronisation client</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Agisci come client di sincronizzazione</translation>
    </message>
    <message id="confui.ConfAWL.MasterIP">
        <source>Address of the master:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Indirizzo del master:</translation>
    </message>
    <message id="confui.ConfAWL.CacheNeg">
        <source>Remember negative answers of the master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Memorizza le risposte negative del master</translation>
    </message>
    <message id="confui.ConfAdv.TempPath">
        <source>Temporary folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting TempPath of Morva.ini.</extracomment>
        <translation>Cartella temporanea:</translation>
    </message>
    <message id="confui.ConfAdv.DiskFull">
        <source>Warn when free disk space falls below (MB):</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Avvisa quando lo spazio libero scende sotto (MB):</translation>
    </message>
    <message id="confui.ConfAdv.Screen">
        <source>Force screen output</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Forza l&apos;output a schermo</translation>
    </message>
    <message id="confui.ConfAdv.InDup">
        <source>Deliver a separate copy of inbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Recapita una copia separata dei messaggi in entrata a ogni destinatario</translation>
    </message>
    <message id="confui.ConfAdv.OutDup">
        <source>Deliver a separate copy of outbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Recapita una copia separata dei messaggi in uscita a ogni destinatario</translation>
    </message>
    <message id="confui.ConfAdv.SpamFolder">
        <source>Spam folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SpamFolder of Morva.ini.</extracomment>
        <translation>Cartella dello spam:</translation>
    </message>
    <message id="confui.ConfAdv.Language">
        <source>Language:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Lingua:</translation>
    </message>
    <message id="confui.ConfAdv.Auto">
        <source>Auto Detect</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Rilevamento automatico</translation>
    </message>
    <message id="confui.lang.ENG">
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message id="confui.lang.DEU">
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message id="confui.lang.FRA">
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message id="confui.lang.ITA">
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message id="confui.lang.SPA">
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message id="confui.pol.capVrfy">
        <source>Signer</source>
        <translation>Firmatario</translation>
    </message>
    <message id="confui.pol.capSign">
        <source>Signing certificate</source>
        <translation>Certificato di firma</translation>
    </message>
    <message id="confui.pol.capDecr">
        <source>Decryption certificate</source>
        <translation>Certificato di decifratura</translation>
    </message>
    <message id="confui.pol.capEncr">
        <source>Encryption certificate</source>
        <translation>Certificato di cifratura</translation>
    </message>
    <message id="confui.pol.capInPol">
        <source>Inbound S/MIME policy</source>
        <translation>Criterio S/MIME in entrata</translation>
    </message>
    <message id="confui.pol.capOutPol">
        <source>Outbound S/MIME policy</source>
        <translation>Criterio S/MIME in uscita</translation>
    </message>
    <message id="confui.pol.capTlsIn">
        <source>Inbound TLS policy</source>
        <translation>Criterio TLS in entrata</translation>
    </message>
    <message id="confui.pol.capTlsOut">
        <source>Outbound TLS policy</source>
        <translation>Criterio TLS in uscita</translation>
    </message>
    <message id="confui.pol.capDkim">
        <source>DKIM signing</source>
        <translation>Firma DKIM</translation>
    </message>
    <message id="confui.pol.fSender">
        <source>Sender address or pattern:</source>
        <translation>Indirizzo o modello del mittente:</translation>
    </message>
    <message id="confui.pol.fRecipient">
        <source>Recipient address or pattern:</source>
        <translation>Indirizzo o modello del destinatario:</translation>
    </message>
    <message id="confui.pol.fCertificate">
        <source>Certificate file:</source>
        <translation>File del certificato:</translation>
    </message>
    <message id="confui.pol.fPassword">
        <source>Password of the private key:</source>
        <translation>Password della chiave privata:</translation>
    </message>
    <message id="confui.pol.fNeedSigned">
        <source>Signature required</source>
        <translation>Firma richiesta</translation>
    </message>
    <message id="confui.pol.fNeedEncrypted">
        <source>Encryption required</source>
        <translation>Cifratura richiesta</translation>
    </message>
    <message id="confui.pol.fAction">
        <source>Action when not met:</source>
        <translation>Azione se non rispettato:</translation>
    </message>
    <message id="confui.pol.fClient">
        <source>Client IP address or host name:</source>
        <translation>Indirizzo IP o nome host del client:</translation>
    </message>
    <message id="confui.pol.fDestination">
        <source>Destination domain or host:</source>
        <translation>Dominio o host di destinazione:</translation>
    </message>
    <message id="confui.pol.fTlsMode">
        <source>TLS:</source>
        <translation>TLS:</translation>
    </message>
    <message id="confui.pol.fDomain">
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message id="confui.pol.fSelector">
        <source>Selector:</source>
        <translation>Selettore:</translation>
    </message>
    <message id="confui.pol.fKeyFile">
        <source>Private key file:</source>
        <translation>File della chiave privata:</translation>
    </message>
    <message id="confui.pol.tlsOptional">
        <source>Use TLS when offered</source>
        <translation>Usa TLS se offerto</translation>
    </message>
    <message id="confui.pol.tlsRequired">
        <source>Require TLS</source>
        <translation>Richiedi TLS</translation>
    </message>
    <message id="confui.pol.tlsVerify">
        <source>Require TLS and a valid certificate</source>
        <translation>Richiedi TLS e un certificato valido</translation>
    </message>
    <message id="confui.pol.unreadable">
        <source>(unreadable entry, kept as it is)</source>
        <translation>(voce illeggibile, mantenuta così)</translation>
    </message>
    <message id="confui.pol.noCertDir">
        <source>The certificate folder holds no *.pem files:</source>
        <translation>La cartella dei certificati non contiene file *.pem:</translation>
    </message>
    <message id="confui.pol.certMissing">
        <source>The certificate file is not in the certificate folder:</source>
        <translation>Il file del certificato non è nella cartella dei certificati:</translation>
    </message>
    <message id="confui.pol.void">
        <source>(no fixed certificate)</source>
        <translation>(nessun certificato fisso)</translation>
    </message>
    <message id="confui.pol.errCharacter">
        <source>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</source>
        <translation>Il campo contiene un carattere che il file di configurazione non può conservare (un carattere di controllo o un punto e virgola in un elenco con commenti).</translation>
    </message>
    <message id="confui.pol.errAddress">
        <source>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</source>
        <translation>Inserire un indirizzo e-mail o un modello valido!
Il formato è utente@esempio.it, *@esempio.it o *</translation>
    </message>
    <message id="confui.pol.errHost">
        <source>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</source>
        <translation>Inserire un nome host, un dominio o un indirizzo IP valido!
Sono ammessi i caratteri jolly * e ?.</translation>
    </message>
    <message id="confui.pol.errDomain">
        <source>Please enter a valid domain name!
Format is example.com</source>
        <translation>Inserire un nome di dominio valido!
Il formato è esempio.it</translation>
    </message>
    <message id="confui.pol.errSelector">
        <source>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</source>
        <translation>Inserire un selettore valido!
Lettere, cifre e trattini, parti separate da punti.</translation>
    </message>
    <message id="confui.pol.errCertificate">
        <source>Please choose a certificate file (*.pem) of the certificate folder!</source>
        <translation>Scegliere un file di certificato (*.pem) della cartella dei certificati!</translation>
    </message>
    <message id="confui.pol.errVoid">
        <source>This list needs a certificate file.</source>
        <translation>Questo elenco richiede un file di certificato.</translation>
    </message>
    <message id="confui.pol.errChoice">
        <source>Please choose one of the offered values!</source>
        <translation>Scegliere uno dei valori proposti!</translation>
    </message>
    <message id="confui.pol.errUnreadable">
        <source>The entry cannot be read.</source>
        <translation>La voce non può essere letta.</translation>
    </message>
    <message id="confui.c2.sheetLeft">
        <source>Not available yet</source>
        <translation>Non ancora disponibile</translation>
    </message>
    <message id="confui.pol.capCert">
        <source>Certificate</source>
        <translation>Certificato</translation>
    </message>
    <message id="confui.pol.capPol">
        <source>S/MIME policy</source>
        <translation>Criterio S/MIME</translation>
    </message>
    <message id="confui.pol.capTls">
        <source>TLS policy</source>
        <translation>Criterio TLS</translation>
    </message>
    <message id="confui.IniDisc.Edit">
        <source>Edit the disclaimer &amp;text...</source>
        <extracomment>On the page &quot;Disclaimer&quot;. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Modifica il &amp;testo del disclaimer...</translation>
    </message>
    <message id="confui.IniViD.Preset1">
        <source>McAfee VirusScan v3.x (NTScan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>McAfee VirusScan v3.x (NTScan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset2">
        <source>Dr Solomon FindVirus (WFindV32.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Dr Solomon FindVirus (WFindV32.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset3">
        <source>McAfee VirusScan v4.x/v5.x (Scan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>McAfee VirusScan v4.x/v5.x (Scan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset4">
        <source>Dr Solomon VirusScan v4.x (FindViru.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Dr Solomon VirusScan v4.x (FindViru.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset5">
        <source>F-Prot Antivirus for DOS 3.07 and below (F-Prot.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>F-Prot Antivirus for DOS 3.07 and below (F-Prot.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset6">
        <source>F-Prot Antivirus for DOS 3.08 and above (F-Prot.bat)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>F-Prot Antivirus for DOS 3.08 and above (F-Prot.bat)</translation>
    </message>
    <message id="confui.IniViD.Preset7">
        <source>Sophos Anti-Virus 3.x (Sav32cli.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Sophos Anti-Virus 3.x (Sav32cli.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset8">
        <source>F-Prot Antivirus for Windows 3.14 (fpcmd.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>F-Prot Antivirus for Windows 3.14 (fpcmd.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset9">
        <source>McAfee VirusScan v6.x (Scan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>McAfee VirusScan v6.x (Scan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset10">
        <source>ClamAV 0.96 with Clamd (clamdscan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>ClamAV 0.96 with Clamd (clamdscan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset11">
        <source>ClamAV 0.96 without Clamd (clamscan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>ClamAV 0.96 without Clamd (clamscan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset12">
        <source>NOD32 v2.70  (nod32.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>NOD32 v2.70  (nod32.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset13">
        <source>Kaspersky v6.x,v7.x,v8.x (avp.com)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Kaspersky v6.x,v7.x,v8.x (avp.com)</translation>
    </message>
    <message id="confui.IniViD.Preset14">
        <source>AVG AntiVirus 7.0 (avgscan.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>AVG AntiVirus 7.0 (avgscan.exe)</translation>
    </message>
    <message id="confui.IniViD.Preset15">
        <source>Microsoft Security Client Antimalware (mpcmdrun.exe)</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Microsoft Security Client Antimalware (mpcmdrun.exe)</translation>
    </message>
</context>
<context>
    <name>db (record files, data set)</name>
    <message id="db.tryingToLock">
        <source>Trying to lock the data files...</source>
        <translation>Tentativo di bloccare i file di dati...</translation>
    </message>
    <message id="db.locking">
        <source>Locking the data files...</source>
        <translation>Blocco dei file di dati in corso...</translation>
    </message>
    <message id="db.lockFailed">
        <source>Unable to lock the data files!</source>
        <translation>Impossibile bloccare i file di dati!</translation>
    </message>
    <message id="db.locked">
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message id="db.writeFailed">
        <source>Unable to write the data files! These files may have lost changes:</source>
        <translation>Impossibile scrivere i file di dati! In questi file potrebbero essere andate perse delle modifiche:</translation>
    </message>
    <message id="db.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Un campo vuoto non è consentito!</translation>
    </message>
    <message id="db.invalidAddress">
        <source>Please enter a valid SMTP address!</source>
        <translation>Inserire un indirizzo SMTP valido!</translation>
    </message>
    <message id="db.formatIs">
        <source>Format is </source>
        <translation>Il formato è </translation>
    </message>
    <message id="db.tooLong">
        <source>The value is too long! At most %1 characters are allowed.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Il valore è troppo lungo! Sono consentiti al massimo %1 caratteri.</translation>
    </message>
    <message id="db.controlCharacter">
        <source>The value contains control characters, which the record files cannot hold!</source>
        <translation>Il valore contiene caratteri di controllo che i file dei record non possono contenere!</translation>
    </message>
    <message id="db.badBlockType">
        <source>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</source>
        <translation>Il tipo di blocco deve essere 0 (indirizzo IP), 1 (nome host) o 2 (MAIL FROM: indirizzo e-mail)!</translation>
    </message>
    <message id="db.aliasNotFound">
        <source>Unable to find record in DataAlia!</source>
        <translation>Impossibile trovare il record in DataAlia!</translation>
    </message>
    <message id="db.blockNotFound">
        <source>Unable to find record in DataBlock!</source>
        <translation>Impossibile trovare il record in DataBlock!</translation>
    </message>
    <message id="db.userNotFound">
        <source>Unable to find record in DataUser!</source>
        <translation>Impossibile trovare il record in DataUser!</translation>
    </message>
</context>
<context>
    <name>records (record lists and sheets)</name>
    <message id="records.counting">
        <source>Counting records...</source>
        <translation>Conteggio dei record...</translation>
    </message>
    <message id="records.reading">
        <source>Reading records...</source>
        <translation>Lettura dei record...</translation>
    </message>
    <message id="records.deleteRecord">
        <source>Delete record</source>
        <translation>Eliminare il record</translation>
    </message>
    <message id="records.deleteAll">
        <source>Delete all selected records</source>
        <translation>Eliminare tutti i record selezionati</translation>
    </message>
    <message id="records.new">
        <source>&amp;New</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nuovo</translation>
    </message>
    <message id="records.edit">
        <source>&amp;Edit</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Modifica</translation>
    </message>
    <message id="records.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Elimina</translation>
    </message>
    <message id="records.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="records.ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="records.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="records.col.rec">
        <source>Rec</source>
        <translation>N.</translation>
    </message>
    <message id="records.col.from">
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message id="records.col.to">
        <source>To</source>
        <translation>A</translation>
    </message>
    <message id="records.col.type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="records.col.blockValue">
        <source>IP address / Host / Domain / E-Mail</source>
        <translation>Indirizzo IP / Host / Dominio / E-mail</translation>
    </message>
    <message id="records.col.name">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="records.col.email">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="records.aliasList">
        <source>E-mail Forwarding</source>
        <translation>Inoltro e-mail</translation>
    </message>
    <message id="records.blockList">
        <source>SMTP Blocking</source>
        <translation>Blocco SMTP</translation>
    </message>
    <message id="records.userList">
        <source>E-mail address on Exchange</source>
        <translation>Indirizzo e-mail su Exchange</translation>
    </message>
    <message id="records.type.ip">
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message id="records.type.host">
        <source>Hostname</source>
        <translation>Nome host</translation>
    </message>
    <message id="records.type.mailFrom">
        <source>MAIL FROM: e-mail address</source>
        <translation>MAIL FROM: indirizzo e-mail</translation>
    </message>
    <message id="records.type.mailDomain">
        <source>MAIL FROM: e-mail domain</source>
        <translation>MAIL FROM: dominio e-mail</translation>
    </message>
    <message id="records.type.unknown">
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message id="records.aliasSheet">
        <source>SMTP Forwarding</source>
        <translation>Inoltro SMTP</translation>
    </message>
    <message id="records.aliasPage">
        <source>E-mail Forwarding</source>
        <translation>Inoltro e-mail</translation>
    </message>
    <message id="records.group.forward">
        <source>Forward</source>
        <translation>Inoltra</translation>
    </message>
    <message id="records.forwardAddress">
        <source>Forward e-mail address:</source>
        <translation>Inoltra l&apos;indirizzo e-mail:</translation>
    </message>
    <message id="records.toAddress">
        <source>To e-mail address:</source>
        <translation>All&apos;indirizzo e-mail:</translation>
    </message>
    <message id="records.group.options">
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message id="records.deliverOriginal">
        <source>Deliver to original e-mail address after forwarding</source>
        <translation>Consegnare anche all&apos;indirizzo e-mail originale dopo l&apos;inoltro</translation>
    </message>
    <message id="records.blockSheet">
        <source>SMTP Blocking</source>
        <translation>Blocco SMTP</translation>
    </message>
    <message id="records.blockPage">
        <source>SMTP Blocking</source>
        <translation>Blocco SMTP</translation>
    </message>
    <message id="records.group.doNotAccept">
        <source>Do not accept a SMTP message from</source>
        <translation>Non accettare messaggi SMTP da</translation>
    </message>
    <message id="records.blockValue">
        <source>IP address / Host / Domain / E-Mail:</source>
        <translation>Indirizzo IP / Host / Dominio / E-mail:</translation>
    </message>
    <message id="records.group.samples">
        <source>Samples</source>
        <translation>Esempi</translation>
    </message>
    <message id="records.sample.ip">
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message id="records.sample.host">
        <source>Hostname:</source>
        <translation>Nome host:</translation>
    </message>
    <message id="records.sample.hostValue">
        <source>mx.domain.com or domain.com for all hosts in a domain</source>
        <translation>mx.domain.com o domain.com per tutti gli host di un dominio</translation>
    </message>
    <message id="records.sample.mail">
        <source>MAIL FROM: e-mail address:</source>
        <translation>MAIL FROM: indirizzo e-mail:</translation>
    </message>
    <message id="records.sample.mailValue">
        <source>user@domain.com, or @domain.com for a full domain</source>
        <translation>user@domain.com, o @domain.com per un intero dominio</translation>
    </message>
    <message id="records.keptType">
        <source>Stored type %1 (kept unless you choose another)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Tipo memorizzato %1 (mantenuto se non ne scegli un altro)</translation>
    </message>
    <message id="records.userSheet">
        <source>User Address</source>
        <translation>Indirizzo utente</translation>
    </message>
    <message id="records.userPage">
        <source>E-mail address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message id="records.group.userInfo">
        <source>User Information</source>
        <translation>Informazioni utente</translation>
    </message>
    <message id="records.userName">
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message id="records.userAddress">
        <source>E-mail address:</source>
        <translation>Indirizzo e-mail:</translation>
    </message>
    <message id="records.domainList">
        <source>E-mail domain on Exchange</source>
        <translation>Dominio e-mail su Exchange</translation>
    </message>
    <message id="records.domainListText">
        <source>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</source>
        <translation>Aggiungere il dominio e-mail di cui è responsabile il vostro Exchange, ad es. example.com.</translation>
    </message>
    <message id="records.domainListText2">
        <source>Only messages to these domains are routed to Exchange.</source>
        <translation>Solo i messaggi per questi domini vengono instradati a Exchange.</translation>
    </message>
    <message id="records.domainField">
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message id="records.commentField">
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
    <message id="records.routeList">
        <source>Message Routing</source>
        <translation>Instradamento dei messaggi</translation>
    </message>
    <message id="records.col.routeDomain">
        <source>E-Mail Domain</source>
        <translation>Dominio e-mail</translation>
    </message>
    <message id="records.col.host">
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message id="records.col.port">
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message id="records.group.routeAll">
        <source>Route all messages</source>
        <translation>Instradare tutti i messaggi</translation>
    </message>
    <message id="records.routeDomain">
        <source>for e-mail domain:</source>
        <translation>per il dominio e-mail:</translation>
    </message>
    <message id="records.routeHost">
        <source>to host:</source>
        <translation>all&apos;host:</translation>
    </message>
    <message id="records.routePort">
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message id="records.badPort">
        <source>Please enter a port number from 2 to 65535!</source>
        <translation>Inserire un numero di porta da 2 a 65535!</translation>
    </message>
    <message id="records.badRouteDomain">
        <source>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</source>
        <translation>Un dominio e-mail non può contenere i due punti (:) né le virgolette (&quot;)!</translation>
    </message>
    <message id="records.badRouteHost">
        <source>A host cannot contain a double quote (&quot;)!</source>
        <translation>Un host non può contenere le virgolette (&quot;)!</translation>
    </message>
    <message id="records.semicolon">
        <source>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</source>
        <translation>Un punto e virgola (;) non può essere salvato qui: Morva.ini leggerebbe il resto come commento!</translation>
    </message>
    <message id="text.notStorable">
        <source>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Il carattere &quot;%1&quot; non può essere salvato: i file del gateway contengono solo caratteri dell&apos;Europa occidentale (Windows-1252)!</translation>
    </message>
    <message id="text.readsBackOtherwise">
        <source>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Il testo &quot;%1&quot; non può essere salvato: i file del gateway lo rileggerebbero come &quot;%2&quot;!</translation>
    </message>
    <message id="text.notStorableInList">
        <source>The character &quot;%1&quot; cannot be stored in this list!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Il carattere &quot;%1&quot; non può essere salvato in questo elenco!</translation>
    </message>
    <message id="records.deleteRoute">
        <source>Delete selected route</source>
        <translation>Eliminare l&apos;instradamento selezionato</translation>
    </message>
    <message id="records.deleteTranslation">
        <source>Delete selected translation</source>
        <translation>Eliminare la conversione selezionata</translation>
    </message>
    <message id="records.deleteRewrite">
        <source>Delete selected rewrite</source>
        <translation>Eliminare la riscrittura selezionata</translation>
    </message>
    <message id="records.transList">
        <source>Address Translation</source>
        <translation>Conversione degli indirizzi</translation>
    </message>
    <message id="records.rewriteList">
        <source>Address Rewrite</source>
        <translation>Riscrittura degli indirizzi</translation>
    </message>
    <message id="records.col.fromDomain">
        <source>from domain</source>
        <translation>dal dominio</translation>
    </message>
    <message id="records.col.toDomain">
        <source>to domain</source>
        <translation>al dominio</translation>
    </message>
    <message id="records.col.fromMailbox">
        <source>from Mailbox</source>
        <translation>dalla casella</translation>
    </message>
    <message id="records.col.toMailbox">
        <source>to Mailbox</source>
        <translation>alla casella</translation>
    </message>
    <message id="records.col.toAddress">
        <source>to Address</source>
        <translation>all&apos;indirizzo</translation>
    </message>
    <message id="records.transDomain">
        <source>Translate domain</source>
        <translation>Convertire il dominio</translation>
    </message>
    <message id="records.transUser">
        <source>Translate Mailbox</source>
        <translation>Convertire la casella</translation>
    </message>
    <message id="records.transDomainAdr">
        <source>Translate domain to Address</source>
        <translation>Convertire il dominio in indirizzo</translation>
    </message>
    <message id="records.rewriteDomain">
        <source>Rewrite domain</source>
        <translation>Riscrivere il dominio</translation>
    </message>
    <message id="records.rewriteUser">
        <source>Rewrite Mailbox</source>
        <translation>Riscrivere la casella</translation>
    </message>
    <message id="records.field.domain">
        <source>E-mail domain:</source>
        <translation>Dominio e-mail:</translation>
    </message>
    <message id="records.field.toDomain">
        <source>To e-mail domain:</source>
        <translation>Nel dominio e-mail:</translation>
    </message>
    <message id="records.field.mailbox">
        <source>E-mail mailbox:</source>
        <translation>Casella e-mail:</translation>
    </message>
    <message id="records.field.toMailbox">
        <source>To e-mail mailbox:</source>
        <translation>Nella casella e-mail:</translation>
    </message>
    <message id="records.field.toAddress">
        <source>To e-mail address:</source>
        <translation>Nell&apos;indirizzo e-mail:</translation>
    </message>
    <message id="records.group.inboundTranslate">
        <source>Inbound messages translate</source>
        <translation>Conversione dei messaggi in entrata</translation>
    </message>
    <message id="records.group.outboundRewrite">
        <source>Outbound messages rewrite</source>
        <translation>Riscrittura dei messaggi in uscita</translation>
    </message>
    <message id="records.group.description">
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message id="records.desc.transDomain">
        <source>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</source>
        <translation>Sostituisce il dominio di un indirizzo destinatario (user@vecchio.it diventa user@nuovo.it) prima di elaborare un messaggio in entrata</translation>
    </message>
    <message id="records.desc.transUser">
        <source>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</source>
        <translation>Sostituisce una casella destinataria (vecchio@dominio.it diventa nuovo@dominio.it) prima di elaborare un messaggio in entrata</translation>
    </message>
    <message id="records.desc.transDomainAdr">
        <source>Sends every recipient of a domain to one e-mail address before processing an inbound message</source>
        <translation>Invia tutti i destinatari di un dominio a un unico indirizzo e-mail prima di elaborare un messaggio in entrata</translation>
    </message>
    <message id="records.desc.rewriteDomain">
        <source>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</source>
        <translation>Sostituisce il dominio di un indirizzo mittente (user@interno.local diventa user@dominio.it) prima di elaborare un messaggio in uscita</translation>
    </message>
    <message id="records.desc.rewriteUser">
        <source>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</source>
        <translation>Sostituisce una casella mittente (mrossi@dominio.it diventa mario.rossi@dominio.it) prima di elaborare un messaggio in uscita</translation>
    </message>
    <message id="records.routing">
        <source>Routing...</source>
        <translation>Instradamento...</translation>
    </message>
</context>
<context>
    <name>service (signal files, service dialog)</name>
    <message id="service.signalFailed">
        <source>Unable to create signal file</source>
        <translation>Impossibile creare un file di comando</translation>
    </message>
    <message id="service.caption">
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message id="service.labelName">
        <source>Service name:</source>
        <translation>Nome del servizio:</translation>
    </message>
    <message id="service.labelStatus">
        <source>Service Status:</source>
        <translation>Stato del servizio:</translation>
    </message>
    <message id="service.labelExecutable">
        <source>Executable:</source>
        <translation>Eseguibile:</translation>
    </message>
    <message id="service.start">
        <source>&amp;Start</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Avvia</translation>
    </message>
    <message id="service.stop">
        <source>S&amp;top</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ferma</translation>
    </message>
    <message id="service.install">
        <source>&amp;Install</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Installa</translation>
    </message>
    <message id="service.remove">
        <source>&amp;Remove</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message id="service.cancel">
        <source>&amp;Cancel</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;nnulla</translation>
    </message>
    <message id="service.state.noExecutable">
        <source>Unable to find executable</source>
        <translation>Eseguibile non trovato</translation>
    </message>
    <message id="service.state.notInstalled">
        <source>not installed</source>
        <translation>non installato</translation>
    </message>
    <message id="service.state.stopped">
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message id="service.state.startPending">
        <source>start pending</source>
        <translation>avvio in corso</translation>
    </message>
    <message id="service.state.stopPending">
        <source>stop pending</source>
        <translation>arresto in corso</translation>
    </message>
    <message id="service.state.started">
        <source>started</source>
        <translation>avviato</translation>
    </message>
    <message id="service.state.continuePending">
        <source>continue pending</source>
        <translation>ripresa in corso</translation>
    </message>
    <message id="service.state.pausePending">
        <source>pause pending</source>
        <translation>sospensione in corso</translation>
    </message>
    <message id="service.state.paused">
        <source>paused</source>
        <translation>sospeso</translation>
    </message>
    <message id="service.state.unknown">
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message id="service.startFailed">
        <source>Unable to start %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile avviare il servizio %1!</translation>
    </message>
    <message id="service.queryFailed">
        <source>Unable to query status of %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile leggere lo stato del servizio %1!</translation>
    </message>
    <message id="service.controlFailed">
        <source>Unable to control %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile controllare il servizio %1!</translation>
    </message>
    <message id="service.waitStop">
        <source>Waiting for %1 to be stopped...</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>In attesa dell&apos;arresto di %1...</translation>
    </message>
    <message id="service.installed">
        <source>%1 service installed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Servizio %1 installato!</translation>
    </message>
    <message id="service.installFailed">
        <source>Unable to install %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile installare il servizio %1!</translation>
    </message>
    <message id="service.removed">
        <source>%1 service removed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Servizio %1 rimosso!</translation>
    </message>
    <message id="service.removeFailed">
        <source>Unable to remove %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile rimuovere il servizio %1!</translation>
    </message>
    <message id="service.reason.unsupported">
        <source>This system has no service manager for the gateway.</source>
        <translation>Questo sistema non ha un gestore dei servizi per il gateway.</translation>
    </message>
    <message id="service.reason.managerUnavailable">
        <source>The service manager is not available.</source>
        <translation>Il gestore dei servizi non è disponibile.</translation>
    </message>
    <message id="service.reason.accessDenied">
        <source>Access denied.</source>
        <translation>Accesso negato.</translation>
    </message>
    <message id="service.reason.notInstalled">
        <source>The service is not installed.</source>
        <translation>Il servizio non è installato.</translation>
    </message>
    <message id="service.reason.alreadyExists">
        <source>A service of this name exists already.</source>
        <translation>Esiste già un servizio con questo nome.</translation>
    </message>
    <message id="service.reason.alreadyRunning">
        <source>The service is running already.</source>
        <translation>Il servizio è già avviato.</translation>
    </message>
    <message id="service.reason.notActive">
        <source>The service is not running.</source>
        <translation>Il servizio non è avviato.</translation>
    </message>
    <message id="service.reason.cannotAcceptControl">
        <source>The service cannot accept the request now.</source>
        <translation>Il servizio non può accettare la richiesta ora.</translation>
    </message>
    <message id="service.reason.markedForDelete">
        <source>The service is marked for deletion.</source>
        <translation>Il servizio è contrassegnato per l&apos;eliminazione.</translation>
    </message>
    <message id="service.reason.invalidPath">
        <source>The executable path is not an absolute path, or holds a double quote or a control character.</source>
        <translation>Il percorso dell&apos;eseguibile non è assoluto oppure contiene una virgoletta o un carattere di controllo.</translation>
    </message>
    <message id="service.reason.verifyFailed">
        <source>The service manager stored another program path.</source>
        <translation>Il gestore dei servizi ha memorizzato un altro percorso del programma.</translation>
    </message>
    <message id="service.reason.failed">
        <source>The service manager reported an error.</source>
        <translation>Il gestore dei servizi ha segnalato un errore.</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message id="stats.caption">
        <source>Statistic</source>
        <translation>Statistiche</translation>
    </message>
    <message id="stats.refresh">
        <source>&amp;Refresh</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message id="stats.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="stats.truncated">
        <source>The statistics file is larger than 1 MB: only its beginning is shown.</source>
        <translation>Il file delle statistiche supera 1 MB: ne viene mostrato solo l&apos;inizio.</translation>
    </message>
    <message id="stats.waiting">
        <source>Waiting for the statistics of the gateway...</source>
        <translation>In attesa delle statistiche del gateway...</translation>
    </message>
    <message id="stats.stale">
        <source>No new statistics arrived from the gateway. The figures shown were written at %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Dal gateway non sono arrivate nuove statistiche. I valori mostrati sono stati scritti il %1.</translation>
    </message>
    <message id="stats.none">
        <source>No statistics arrived from the gateway.</source>
        <translation>Dal gateway non sono arrivate statistiche.</translation>
    </message>
    <message id="stats.chart.rates">
        <source>Rates per ho&amp;ur</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Tassi per &amp;ora</translation>
    </message>
    <message id="stats.chart.counters">
        <source>Counters:</source>
        <translation>Contatori:</translation>
    </message>
    <message id="stats.autoRefresh">
        <source>&amp;Automatic refresh:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Aggiornamento auto&amp;matico:</translation>
    </message>
    <message id="stats.autoRefresh.off">
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message id="stats.autoRefresh.minutes">
        <source> min</source>
        <translation> min</translation>
    </message>
    <message id="stats.besideProgram">
        <source>&amp;Keep the history in the program directory</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Conserva la cronologia nella directory del programma</translation>
    </message>
    <message id="stats.exportTable">
        <source>Export &amp;table...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Esporta &amp;tabella...</translation>
    </message>
    <message id="stats.exportHistory">
        <source>Export &amp;history...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Esporta c&amp;ronologia...</translation>
    </message>
    <message id="stats.gatewayFiles">
        <source>&amp;Gateway files...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;File del gateway...</translation>
    </message>
    <message id="stats.backToHistory">
        <source>&amp;Back to the kept history</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Torna alla cronologia</translation>
    </message>
    <message id="stats.exportTable.title">
        <source>Export the statistics table</source>
        <translation>Esporta la tabella delle statistiche</translation>
    </message>
    <message id="stats.exportHistory.title">
        <source>Export the statistics history</source>
        <translation>Esporta la cronologia delle statistiche</translation>
    </message>
    <message id="stats.gatewayFiles.title">
        <source>Chart the gateway&apos;s statistics files</source>
        <translation>Grafico dei file di statistica del gateway</translation>
    </message>
    <message id="stats.gatewayFiles.filter">
        <source>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</source>
        <extracomment>A file dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>File di statistica (*.csv *.txt *.log *.dat);;Tutti i file (*)</translation>
    </message>
    <message id="stats.csvFilter">
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message id="stats.source.history">
        <source>Dumps kept: %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Rilevazioni conservate: %1.</translation>
    </message>
    <message id="stats.source.files">
        <source>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>File di statistica del gateway: %1 file, %2 record, sommati per ora.</translation>
    </message>
    <message id="stats.files.records">
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message id="stats.files.column">
        <source>Column %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Colonna %1</translation>
    </message>
    <message id="stats.files.skipped">
        <source>%1 lines without a date were skipped.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 righe senza data sono state ignorate.</translation>
    </message>
    <message id="stats.files.truncated">
        <source>A file is larger than 16 MB: only its beginning was read.</source>
        <translation>Un file supera 16 MB: ne è stato letto solo l&apos;inizio.</translation>
    </message>
    <message id="stats.files.unreadable">
        <source>%1 could not be read.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message id="stats.history.noDirectory">
        <source>The statistics are not kept: this user has no data directory.</source>
        <translation>Le statistiche non vengono conservate: questo utente non ha una directory dei dati.</translation>
    </message>
    <message id="stats.history.unreadable">
        <source>The history %1 cannot be read (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossibile leggere la cronologia %1 (%2).</translation>
    </message>
    <message id="stats.history.notKept">
        <source>These figures could not be kept in the history %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossibile conservare questi valori nella cronologia %1 (%2).</translation>
    </message>
    <message id="stats.exportFailed">
        <source>Unable to write %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossibile scrivere %1 (%2).</translation>
    </message>
</context>
<context>
    <name>browser (settings browser)</name>
    <message id="browser.column.key">
        <source>Key</source>
        <extracomment>Column header of the settings browser: the key in Morva.ini.</extracomment>
        <translation>Chiave</translation>
    </message>
    <message id="browser.column.value">
        <source>Value</source>
        <extracomment>Column header of the settings browser: the current value (a list: its number of entries and the first ones).</extracomment>
        <translation>Valore</translation>
    </message>
    <message id="browser.column.default">
        <source>Default</source>
        <extracomment>Column header of the settings browser: the default value.</extracomment>
        <translation>Predefinito</translation>
    </message>
    <message id="browser.column.kind">
        <source>Kind</source>
        <extracomment>Column header of the settings browser: the kind of value (Bool, Int, String, list kinds).</extracomment>
        <translation>Tipo</translation>
    </message>
    <message id="browser.column.page">
        <source>Page</source>
        <extracomment>Column header of the settings browser: the sheet and page that edit the setting.</extracomment>
        <translation>Pagina</translation>
    </message>
    <message id="browser.noPage">
        <source>no page</source>
        <extracomment>Settings browser, column Page: no page edits this setting.</extracomment>
        <translation>nessuna pagina</translation>
    </message>
</context>
<context>
    <name>merge (review and merge of configuration changes)</name>
    <message id="merge.changes.button">
        <source>Changes...</source>
        <extracomment>Button beside OK of every configuration sheet: lists the changes OK would save.</extracomment>
        <translation>Modifiche...</translation>
    </message>
    <message id="merge.changes.title">
        <source>Pending changes</source>
        <extracomment>Title of the window that lists the changes not saved yet.</extracomment>
        <translation>Modifiche in sospeso</translation>
    </message>
    <message id="merge.changes.none">
        <source>No changes.</source>
        <extracomment>Pending changes window: nothing would change.</extracomment>
        <translation>Nessuna modifica.</translation>
    </message>
    <message id="merge.column.key">
        <source>Key</source>
        <extracomment>Column header: the key in Morva.ini.</extracomment>
        <translation>Chiave</translation>
    </message>
    <message id="merge.column.change">
        <source>Change</source>
        <extracomment>Column header: what kind of change (changed, item added, item removed).</extracomment>
        <translation>Modifica</translation>
    </message>
    <message id="merge.column.old">
        <source>Old value</source>
        <extracomment>Column header: the value before the change.</extracomment>
        <translation>Valore precedente</translation>
    </message>
    <message id="merge.column.new">
        <source>New value</source>
        <extracomment>Column header: the value after the change.</extracomment>
        <translation>Nuovo valore</translation>
    </message>
    <message id="merge.kind.changed">
        <source>changed</source>
        <extracomment>Kind of change: a single value changed.</extracomment>
        <translation>modificato</translation>
    </message>
    <message id="merge.kind.added">
        <source>item added</source>
        <extracomment>Kind of change: an entry added to a list.</extracomment>
        <translation>voce aggiunta</translation>
    </message>
    <message id="merge.kind.removed">
        <source>item removed</source>
        <extracomment>Kind of change: an entry removed from a list.</extracomment>
        <translation>voce rimossa</translation>
    </message>
    <message id="merge.conflict.title">
        <source>Configuration changed on disk</source>
        <extracomment>Title of the window that shows settings changed both here and by another program.</extracomment>
        <translation>Configurazione modificata su disco</translation>
    </message>
    <message id="merge.conflict.intro">
        <source>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</source>
        <extracomment>Text at the top of the conflict window.</extracomment>
        <translation>Un altro programma ha modificato Morva.ini mentre la stavate modificando. Le altre vostre modifiche vengono unite. Queste impostazioni sono state modificate da entrambe le parti: scegliete il valore da salvare.</translation>
    </message>
    <message id="merge.conflict.theirs">
        <source>On disk now</source>
        <extracomment>Conflict window, column header: the value the file holds now.</extracomment>
        <translation>Ora su disco</translation>
    </message>
    <message id="merge.conflict.mine">
        <source>Your value</source>
        <extracomment>Conflict window, column header: the value entered in this sheet.</extracomment>
        <translation>Il vostro valore</translation>
    </message>
    <message id="merge.conflict.keepTheirs">
        <source>Keep the value on disk</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Mantieni il valore su disco</translation>
    </message>
    <message id="merge.conflict.keepMine">
        <source>Keep your value</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Mantieni il vostro valore</translation>
    </message>
    <message id="merge.conflict.enter">
        <source>Enter a value:</source>
        <extracomment>Conflict window, choice: the value typed in the field beside it (a list: one entry per line).</extracomment>
        <translation>Immettere un valore:</translation>
    </message>
    <message id="merge.conflict.undecided">
        <source>Choose a value for %1.</source>
        <extracomment>Conflict window: OK pressed while the setting %1 has no choice.</extracomment>
        <translation>Scegliete un valore per %1.</translation>
    </message>
    <message id="merge.conflict.save">
        <source>Save</source>
        <extracomment>Conflict window, button: saves the merged file.</extracomment>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>audit (data safety of the editors)</name>
    <message id="audit.textFileChanged">
        <source>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</source>
        <extracomment>Editor of the disclaimer file, on OK. %1 is the file's path.</extracomment>
        <translation>%1 è stato modificato da un altro programma dopo l&apos;apertura; non è stato scritto nulla. Chiudere l&apos;editor e aprire di nuovo il file.</translation>
    </message>
</context>
<context>
    <name>import (list import and export)</name>
    <message id="import.repeatedInFile">
        <source>Repeats line %1: skipped</source>
        <extracomment>Import preview: a row repeats the entry of an earlier line of the file; %1 is that line.</extracomment>
        <translation>Ripete la riga %1: saltata</translation>
    </message>
    <message id="import.alreadyPresent">
        <source>Already in the list (entry %1): skipped</source>
        <extracomment>Import preview: the entry is in the list already; %1 is its position (record number).</extracomment>
        <translation>Già nell'elenco (voce %1): saltata</translation>
    </message>
    <message id="import.unclosedQuote">
        <source>The file cannot be read: the quoted field that starts on line %1 is never closed.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Impossibile leggere il file: il campo tra virgolette che inizia alla riga %1 non viene mai chiuso.</translation>
    </message>
    <message id="import.textAfterQuote">
        <source>The file cannot be read: text follows a closing quote on line %1.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Impossibile leggere il file: alla riga %1 segue del testo dopo le virgolette di chiusura.</translation>
    </message>
    <message id="import.notStorable">
        <source>The row holds a character that the gateway's files cannot store.</source>
        <extracomment>Import: a row refused because of a character outside the gateway's 8-bit character set.</extracomment>
        <translation>La riga contiene un carattere che i file del gateway non possono memorizzare.</translation>
    </message>
    <message id="import.columnCount">
        <source>The row has %1 columns; %2 are expected.</source>
        <extracomment>Import: %1 is the number of columns of the row, %2 the number expected.</extracomment>
        <translation>La riga ha %1 colonne; ne sono previste %2.</translation>
    </message>
    <message id="import.badFlag">
        <source>Not a yes/no value (1 or 0).</source>
        <extracomment>Import: the deliver column of a forwarding row.</extracomment>
        <translation>Non è un valore sì/no (1 o 0).</translation>
    </message>
    <message id="import.noComments">
        <source>This list keeps no comments.</source>
        <extracomment>Import: the row has a comment, but the list keeps none.</extracomment>
        <translation>Questo elenco non conserva commenti.</translation>
    </message>
    <message id="import.controlCharacter">
        <source>The value holds a control character (a line break or a tab), which the file cannot hold.</source>
        <extracomment>Import: a value with a line break or tab inside.</extracomment>
        <translation>Il valore contiene un carattere di controllo (a capo o tabulazione) che il file non può contenere.</translation>
    </message>
    <message id="import.menu.import">
        <source>&amp;Import...</source>
        <extracomment>Action of the record lists and list settings: opens the import dialog.</extracomment>
        <translation>&amp;Importa...</translation>
    </message>
    <message id="import.menu.export">
        <source>E&amp;xport...</source>
        <extracomment>Action of the record lists and list settings: opens the export dialog.</extracomment>
        <translation>E&amp;sporta...</translation>
    </message>
    <message id="import.caption.import">
        <source>Import: %1</source>
        <extracomment>Caption of the import dialog; %1 is the list's name.</extracomment>
        <translation>Importa: %1</translation>
    </message>
    <message id="import.caption.export">
        <source>Export: %1</source>
        <extracomment>Caption of the export dialog; %1 is the list's name.</extracomment>
        <translation>Esporta: %1</translation>
    </message>
    <message id="import.label.file">
        <source>File:</source>
        <extracomment>Import dialog: label of the file name.</extracomment>
        <translation>File:</translation>
    </message>
    <message id="import.button.browse">
        <source>&amp;Browse...</source>
        <extracomment>Import dialog: chooses the file.</extracomment>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message id="import.format.csv">
        <source>&amp;CSV (comma-separated values)</source>
        <extracomment>Import and export dialogs: file format.</extracomment>
        <translation>&amp;CSV (valori separati da virgole)</translation>
    </message>
    <message id="import.format.text">
        <source>&amp;Text (one entry per line)</source>
        <extracomment>Import and export dialogs: file format of list settings.</extracomment>
        <translation>&amp;Testo (una voce per riga)</translation>
    </message>
    <message id="import.mode.append">
        <source>&amp;Append to the list</source>
        <extracomment>Import dialog: the rows are added behind the entries.</extracomment>
        <translation>&amp;Aggiungi all'elenco</translation>
    </message>
    <message id="import.mode.replace">
        <source>&amp;Replace the whole list</source>
        <extracomment>Import dialog: the rows replace every entry.</extracomment>
        <translation>Sostituisci &amp;l'intero elenco</translation>
    </message>
    <message id="import.skipRefused">
        <source>S&amp;kip rows with errors</source>
        <extracomment>Import dialog: import the other rows although some are refused.</extracomment>
        <translation>Salta le righe con &amp;errori</translation>
    </message>
    <message id="import.column.line">
        <source>Line</source>
        <extracomment>Import preview: column with the line number of the row.</extracomment>
        <translation>Riga</translation>
    </message>
    <message id="import.column.check">
        <source>Check</source>
        <extracomment>Import preview: column with the result of the row's check.</extracomment>
        <translation>Verifica</translation>
    </message>
    <message id="import.rowOk">
        <source>OK</source>
        <extracomment>Import preview: the row will be imported.</extracomment>
        <translation>OK</translation>
    </message>
    <message id="import.summary">
        <source>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</source>
        <extracomment>Import preview: %1 rows read, %2 to import, %3 refused, %4 skipped as repeated.</extracomment>
        <translation>%1 righe: %2 da importare, %3 rifiutate, %4 voci ripetute saltate.</translation>
    </message>
    <message id="import.button.import">
        <source>&amp;Import</source>
        <extracomment>Import dialog: starts the import.</extracomment>
        <translation>&amp;Importa</translation>
    </message>
    <message id="import.checking">
        <source>Checking the rows...</source>
        <extracomment>Import dialog: progress while the rows are read and checked.</extracomment>
        <translation>Verifica delle righe...</translation>
    </message>
    <message id="import.done">
        <source>%1 entries imported.</source>
        <extracomment>After an import; %1 is the number of entries added.</extracomment>
        <translation>%1 voci importate.</translation>
    </message>
    <message id="import.failed">
        <source>The import failed; nothing was changed.
%1</source>
        <extracomment>The import could not write the file; %1 is the file and the reason.</extracomment>
        <translation>Importazione non riuscita; non è stato modificato nulla.
%1</translation>
    </message>
    <message id="import.readFailed">
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message id="import.filter.csv">
        <source>CSV files (*.csv)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message id="import.filter.text">
        <source>Text files (*.txt)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message id="import.filter.all">
        <source>All files (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Tutti i file (*)</translation>
    </message>
    <message id="import.export.whole">
        <source>&amp;Whole list (%1 entries)</source>
        <extracomment>Export dialog: %1 is the number of entries.</extracomment>
        <translation>&amp;Intero elenco (%1 voci)</translation>
    </message>
    <message id="import.export.selection">
        <source>&amp;Selected entries (%1)</source>
        <extracomment>Export dialog: %1 is the number of selected entries.</extracomment>
        <translation>Voci &amp;selezionate (%1)</translation>
    </message>
    <message id="import.export.eightBit">
        <source>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</source>
        <extracomment>Export dialog: write the file in the 8-bit code page instead of UTF-8.</extracomment>
        <translation>Codifica a &amp;8 bit (Windows-1252) per i fogli di calcolo che la richiedono</translation>
    </message>
    <message id="import.export.passwords">
        <source>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</source>
        <extracomment>Export dialog: the list holds passwords.</extracomment>
        <translation>Questo elenco contiene password: il file le conterrà in chiaro. Conservalo dove solo gli amministratori possono leggerlo.</translation>
    </message>
    <message id="import.export.done">
        <source>%1 entries written to %2.</source>
        <extracomment>After an export; %1 is the number of entries, %2 the file.</extracomment>
        <translation>%1 voci scritte in %2.</translation>
    </message>
    <message id="import.export.writeFailed">
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message id="import.export.lost">
        <source>%1 characters have no 8-bit form and were written as "?".</source>
        <extracomment>After an 8-bit export; %1 is a number of characters.</extracomment>
        <translation>%1 caratteri non hanno una forma a 8 bit e sono stati scritti come "?".</translation>
    </message>
    <message id="import.button.export">
        <source>E&amp;xport...</source>
        <extracomment>Export dialog: chooses the file and writes it.</extracomment>
        <translation>Es&amp;porta...</translation>
    </message>
</context>
<context>
    <name>lists (filter, sort and checks of every list)</name>
    <message id="lists.filter">
        <source>Filter (Ctrl+F)</source>
        <extracomment>Placeholder of the filter field above every list.</extracomment>
        <translation>Filtra (Ctrl+F)</translation>
    </message>
    <message id="lists.filterName">
        <source>Filter the list</source>
        <extracomment>Accessible name of the filter field above a list.</extracomment>
        <translation>Filtra l'elenco</translation>
    </message>
    <message id="lists.countName">
        <source>Shown entries</source>
        <extracomment>Accessible name of the count of shown entries next to the filter.</extracomment>
        <translation>Voci visualizzate</translation>
    </message>
    <message id="lists.gridName">
        <source>Entries</source>
        <extracomment>Accessible name of the grid of a list.</extracomment>
        <translation>Voci</translation>
    </message>
    <message id="lists.count">
        <source>%1 of %2</source>
        <extracomment>Count next to the filter: %1 shown entries of %2 in all (numbers already grouped).</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message id="lists.showProblems">
        <source>Show problems only</source>
        <extracomment>Switch next to the filter: show only the entries with a problem mark.</extracomment>
        <translation>Solo problemi</translation>
    </message>
    <message id="lists.deleteRecords">
        <source>Delete %1 records?</source>
        <extracomment>Question before deleting several records; %1 is their number.</extracomment>
        <translation>Eliminare %1 record?</translation>
    </message>
    <message id="lists.deleteEntries">
        <source>Delete %1 entries?</source>
        <extracomment>Question before deleting several list entries; %1 is their number.</extracomment>
        <translation>Eliminare %1 voci?</translation>
    </message>
    <message id="lists.problem.duplicate">
        <source>Repeats entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the earlier entry, %2 its text.</extracomment>
        <translation>Ripete la voce %1 (%2).</translation>
    </message>
    <message id="lists.problem.covered">
        <source>Already covered by entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the entry that covers it, %2 its text.</extracomment>
        <translation>Già coperta dalla voce %1 (%2).</translation>
    </message>
    <message id="lists.problem.emptyPart">
        <source>Has an empty domain or label and can never match.</source>
        <extracomment>Problem mark of a list entry with an empty domain or label.</extracomment>
        <translation>Ha un dominio o un'etichetta vuota e non corrisponde mai.</translation>
    </message>
    <message id="lists.problem.hostBits">
        <source>Has address bits set beyond its prefix and can never match.</source>
        <extracomment>Problem mark of a network entry with host bits set.</extracomment>
        <translation>Ha bit di indirizzo oltre il prefisso e non corrisponde mai.</translation>
    </message>
    <message id="lists.problem.notANetwork">
        <source>Is no network address and can never match.</source>
        <extracomment>Problem mark of an entry of a network list that is no network.</extracomment>
        <translation>Non è un indirizzo di rete e non corrisponde mai.</translation>
    </message>
</context>
<context>
    <name>browser window (settings browser window)</name>
    <message id="app.label.6060">
        <source>All &amp;Settings...</source>
        <extracomment>Menu Configuration: opens the settings browser (every setting, searchable). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the Configuration menu.</extracomment>
        <translation>&amp;Tutte le impostazioni...</translation>
    </message>
    <message id="app.label.6061">
        <source>Save &amp;History...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Cronologia dei &amp;salvataggi...</translation>
    </message>
    <message id="app.prompt.6060">
        <source>Search, review and change every setting
All Settings</source>
        <extracomment>Status bar prompt of the command &quot;All Settings...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cerca, controlla e modifica tutte le impostazioni
Tutte le impostazioni</translation>
    </message>
    <message id="app.prompt.6061">
        <source>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</source>
        <extracomment>Status bar prompt of the command &quot;Save History...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostra le versioni conservate di Morva.ini e dei file dei record e ciò che ogni salvataggio ha modificato, e ne ripristina una
Cronologia dei salvataggi</translation>
    </message>
    <message id="app.settingsSearch">
        <source>Search settings (Ctrl+K)</source>
        <extracomment>Placeholder of the search field in the main window&apos;s toolbar; Enter opens the settings browser with the text.</extracomment>
        <translation>Cerca impostazioni (Ctrl+K)</translation>
    </message>
    <message id="app.toolbar.more">
        <source>More tools</source>
        <extracomment>Accessible name of the button at the end of the main window&apos;s toolbar that shows the tools that do not fit.</extracomment>
        <translation>Altri strumenti</translation>
    </message>
    <message id="browser.window.caption">
        <source>All Settings</source>
        <extracomment>Title of the settings browser window.</extracomment>
        <translation>Tutte le impostazioni</translation>
    </message>
    <message id="browser.window.search">
        <source>&amp;Find:</source>
        <extracomment>Settings browser: label of the search field. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Cerca:</translation>
    </message>
    <message id="browser.window.searchHint">
        <source>Key, label, page or value (any language)</source>
        <extracomment>Settings browser: placeholder of the empty search field.</extracomment>
        <translation>Chiave, etichetta, pagina o valore (qualsiasi lingua)</translation>
    </message>
    <message id="browser.window.didYouMean">
        <source>No setting matches. Did you mean: %1</source>
        <extracomment>Settings browser: shown when the search matched no setting; %1 is a list of the nearest keys.</extracomment>
        <translation>Nessuna impostazione corrisponde. Forse intendevi: %1</translation>
    </message>
    <message id="browser.window.count">
        <source>Settings shown: %1, pending changes: %2</source>
        <extracomment>Settings browser, below the table: %1 is the number of settings shown, %2 the number of changes not saved yet.</extracomment>
        <translation>Impostazioni mostrate: %1, modifiche in sospeso: %2</translation>
    </message>
    <message id="browser.window.edit">
        <source>&amp;Edit...</source>
        <extracomment>Settings browser button (also Enter or F2 in the table). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Mo&amp;difica...</translation>
    </message>
    <message id="browser.window.reset">
        <source>&amp;Reset to Default</source>
        <extracomment>Settings browser button (also Delete in the table): the selected settings back to their defaults. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Ripristina predefinito</translation>
    </message>
    <message id="browser.window.goTo">
        <source>&amp;Go to Page</source>
        <extracomment>Settings browser button: opens the sheet at the page that edits the setting. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Vai alla pagina</translation>
    </message>
    <message id="browser.window.save">
        <source>&amp;Save</source>
        <extracomment>Settings browser button: saves the pending changes. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Salva</translation>
    </message>
    <message id="browser.filter.changed">
        <source>&amp;Changed from default</source>
        <extracomment>Settings browser filter: only settings whose value differs from the default. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Modificate</translation>
    </message>
    <message id="browser.filter.lists">
        <source>&amp;Lists only</source>
        <extracomment>Settings browser filter: only list settings. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Solo &amp;elenchi</translation>
    </message>
    <message id="browser.filter.noPage">
        <source>&amp;No page</source>
        <extracomment>Settings browser filter: only settings that no page edits. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Senza &amp;pagina</translation>
    </message>
    <message id="browser.filter.sheet">
        <source>S&amp;heet:</source>
        <extracomment>Settings browser: label of the sheet filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Foglio:</translation>
    </message>
    <message id="browser.filter.kind">
        <source>&amp;Kind:</source>
        <extracomment>Settings browser: label of the kind filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Tipo:</translation>
    </message>
    <message id="browser.filter.allSheets">
        <source>All sheets</source>
        <extracomment>Settings browser, sheet filter: no filter.</extracomment>
        <translation>Tutti i fogli</translation>
    </message>
    <message id="browser.filter.allKinds">
        <source>All kinds</source>
        <extracomment>Settings browser, kind filter: no filter.</extracomment>
        <translation>Tutti i tipi</translation>
    </message>
    <message id="browser.edit.caption">
        <source>Edit %1</source>
        <extracomment>Title of the settings browser&apos;s editor of one setting; %1 is the key.</extracomment>
        <translation>Modifica %1</translation>
    </message>
    <message id="browser.edit.range">
        <source>From %1 to %2</source>
        <extracomment>Settings browser editor of a number: the accepted range; %1 and %2 are numbers.</extracomment>
        <translation>Da %1 a %2</translation>
    </message>
    <message id="browser.unknownKey">
        <source>This setting is not known.</source>
        <extracomment>Settings browser: a change names a key the configuration does not know.</extracomment>
        <translation>Questa impostazione è sconosciuta.</translation>
    </message>
    <message id="browser.showInAllSettings">
        <source>Show in A&amp;ll Settings</source>
        <extracomment>Context menu of a control on a configuration page: opens the settings browser at this setting. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Mostra in &amp;Tutte le impostazioni</translation>
    </message>
</context>
<context>
    <name>history (history of saves)</name>
    <message id="history.caption">
        <source>Configuration History</source>
        <extracomment>Title of the window that lists the kept versions of the configuration file.</extracomment>
        <translation>Cronologia della configurazione</translation>
    </message>
    <message id="history.column.time">
        <source>Saved</source>
        <extracomment>Column of the History window: when the save was made.</extracomment>
        <translation>Salvato</translation>
    </message>
    <message id="history.column.user">
        <source>User</source>
        <extracomment>Column of the History window: the operating-system user who saved.</extracomment>
        <translation>Utente</translation>
    </message>
    <message id="history.column.machine">
        <source>Computer</source>
        <extracomment>Column of the History window: the computer on which the save was made.</extracomment>
        <translation>Computer</translation>
    </message>
    <message id="history.column.source">
        <source>Saved by</source>
        <extracomment>Column of the History window: what saved (a sheet, morvactl, restore, ...).</extracomment>
        <translation>Salvato da</translation>
    </message>
    <message id="history.column.changed">
        <source>Changed keys</source>
        <extracomment>Column of the History window: how many keys the save changed.</extracomment>
        <translation>Chiavi modificate</translation>
    </message>
    <message id="history.compare.label">
        <source>&amp;Show:</source>
        <extracomment>Label before the choice of what the selected save is compared with. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Mostra:</translation>
    </message>
    <message id="history.compare.previous">
        <source>Changes made by this save</source>
        <extracomment>Choice in the History window: the changes the selected save made.</extracomment>
        <translation>Modifiche di questo salvataggio</translation>
    </message>
    <message id="history.compare.current">
        <source>Differences of the version before it to the current file</source>
        <extracomment>Choice in the History window: how the version before the selected save differs from the file now.</extracomment>
        <translation>Differenze tra la versione precedente e il file attuale</translation>
    </message>
    <message id="history.restore">
        <source>&amp;Restore This Version</source>
        <extracomment>Button of the History window: puts the version before the selected save back. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Ripristina questa versione</translation>
    </message>
    <message id="history.noChanges">
        <source>No differences.</source>
        <extracomment>History window: the two versions compared hold the same settings.</extracomment>
        <translation>Nessuna differenza.</translation>
    </message>
    <message id="history.empty">
        <source>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</source>
        <extracomment>History window: no save has been kept yet.</extracomment>
        <translation>Nessun salvataggio è stato ancora conservato. Ogni salvataggio della configurazione conserva il file com&apos;era nella cartella History accanto.</translation>
    </message>
    <message id="history.undoLabel">
        <source>&amp;Undo Last Configuration Save</source>
        <extracomment>Edit menu command while the last save of the configuration was made by this console. Keep the access key of &quot;Undo&quot;. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Annulla l&apos;ultimo salvataggio della configurazione</translation>
    </message>
    <message id="history.writeFailed">
        <source>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</source>
        <extracomment>Message when the history of saves could not be written. %1 is the folder, %2 the error.</extracomment>
        <translation>Non è stato possibile scrivere la cronologia dei salvataggi in %1 (%2). La configurazione è stata salvata senza una copia del file precedente.</translation>
    </message>
    <message id="history.tooLarge">
        <source>%1 is larger than the history of saves may hold, so no copy of it is kept.</source>
        <extracomment>Message when a file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 è più grande di quanto la cronologia dei salvataggi possa contenere; non ne viene conservata alcuna copia.</translation>
    </message>
    <message id="history.file.label">
        <source>&amp;File:</source>
        <extracomment>Label before the choice of the file whose kept versions the History window lists. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;File:</translation>
    </message>
    <message id="history.file.config">
        <source>Configuration (%1)</source>
        <extracomment>Choice of file in the History window: the configuration file. %1 is the file name.</extracomment>
        <translation>Configurazione (%1)</translation>
    </message>
    <message id="history.file.alias">
        <source>E-mail forwarding (%1)</source>
        <extracomment>Choice of file in the History window: the forwarding records. %1 is the file name.</extracomment>
        <translation>Inoltro e-mail (%1)</translation>
    </message>
    <message id="history.file.block">
        <source>SMTP blocking (%1)</source>
        <extracomment>Choice of file in the History window: the SMTP blocking records. %1 is the file name.</extracomment>
        <translation>Blocco SMTP (%1)</translation>
    </message>
    <message id="history.file.user">
        <source>E-mail addresses on Exchange (%1)</source>
        <extracomment>Choice of file in the History window: the Exchange user records. %1 is the file name.</extracomment>
        <translation>Indirizzi e-mail su Exchange (%1)</translation>
    </message>
    <message id="history.column.records">
        <source>Records</source>
        <extracomment>Column of the History window for a record file: how many records the kept version holds.</extracomment>
        <translation>Record</translation>
    </message>
    <message id="history.record.empty">
        <source>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</source>
        <extracomment>History window: no version of the chosen record file has been kept yet.</extracomment>
        <translation>Nessuna versione di questo file è stata ancora conservata. Prima della prima modifica di ogni sessione di modifica, il file dei record viene conservato com&apos;era nella cartella History.</translation>
    </message>
    <message id="history.record.confirm">
        <source>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</source>
        <extracomment>Question before a record file is restored. %1 is the file name, %2 the time of the change the version preceded.</extracomment>
        <translation>Ripristinare %1 com&apos;era prima di %2?

Il file com&apos;è ora viene prima conservato nella cronologia.</translation>
    </message>
    <message id="history.record.restoreFailed">
        <source>%1 could not be restored (%2). The file is unchanged.</source>
        <extracomment>Message when the kept version of a record file could not replace it. %1 is the file name, %2 the error.</extracomment>
        <translation>Non è stato possibile ripristinare %1 (%2). Il file è invariato.</translation>
    </message>
    <message id="history.record.notKept">
        <source>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</source>
        <extracomment>Message when a record file is not restored because its current contents could not be kept. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 non è stato ripristinato: non è stato possibile conservare prima nella cronologia il file com&apos;è ora (%2). Il file è invariato.</translation>
    </message>
    <message id="history.record.versionGone">
        <source>This kept version of %1 can no longer be read. The file is unchanged.</source>
        <extracomment>Message when the chosen kept version of a record file is missing or damaged. %1 is the file name.</extracomment>
        <translation>Questa versione conservata di %1 non può più essere letta. Il file è invariato.</translation>
    </message>
    <message id="history.keptUnreadable">
        <source>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</source>
        <extracomment>Shown instead of the changes when a kept version cannot be read. %1 is the file name, %2 the time the version was kept.</extracomment>
        <translation>La versione di %1 conservata il %2 non può più essere letta (è danneggiata o mancante), quindi le sue modifiche non possono essere mostrate.</translation>
    </message>
    <message id="history.currentUnreadable">
        <source>%1 could not be read (%2), so no changes against it can be shown.</source>
        <extracomment>Shown instead of the changes when the file as it is now cannot be read. %1 is the file name, %2 the error.</extracomment>
        <translation>Impossibile leggere %1 (%2), quindi non è possibile mostrare le modifiche rispetto a esso.</translation>
    </message>
    <message id="history.record.tooLarge">
        <source>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</source>
        <extracomment>Message in a record editor when the record file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 è più grande di quanto la cronologia possa contenere; è stato modificato senza conservarne una copia.</translation>
    </message>
    <message id="history.record.writeFailed">
        <source>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</source>
        <extracomment>Message in a record editor when the history could not be written. %1 is the folder, %2 the error, %3 the record file.</extracomment>
        <translation>Non è stato possibile scrivere la cronologia in %1 (%2). %3 è stato modificato senza una copia del file precedente.</translation>
    </message>
</context>
<context>
    <name>a11y (accessibility)</name>
    <message id="a11y.pageList">
        <source>Pages</source>
        <extracomment>Accessible name of the list of pages beside a property sheet's page (read by screen readers).</extracomment>
        <translation>Pagine</translation>
    </message>
    <message id="a11y.field">
        <source>Field %1</source>
        <extracomment>Accessible name (read by screen readers) of an entry dialog's field that shows no label; %1 is its number.</extracomment>
        <translation>Campo %1</translation>
    </message>
    <message id="a11y.logView">
        <source>Log</source>
        <extracomment>Accessible name (read by screen readers) of the main window's log view.</extracomment>
        <translation>Registro</translation>
    </message>
    <message id="a11y.recordList">
        <source>Records</source>
        <extracomment>Accessible name (read by screen readers) of the grid of a record list dialog.</extracomment>
        <translation>Record</translation>
    </message>
    <message id="a11y.statsGrid">
        <source>Statistics</source>
        <extracomment>Accessible name (read by screen readers) of the statistics viewer's table of counters.</extracomment>
        <translation>Statistiche</translation>
    </message>
</context>
</TS>

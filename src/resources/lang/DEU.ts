<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>common</name>
    <message id="common.caption">
        <source>Morva Admin</source>
        <translation>Morva Admin</translation>
    </message>
    <message id="common.notPlainFile">
        <source>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 ist eine symbolische Verknüpfung oder eine Spezialdatei (Gerät, Pipe oder Socket). Die Konsole folgt einer solchen Datei nicht und schreibt sie nicht: Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>app (start-up, main window, log view)</name>
    <message id="app.menu.file">
        <source>&amp;File</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message id="app.menu.edit">
        <source>&amp;Edit</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="app.menu.view">
        <source>&amp;View</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="app.menu.configuration">
        <source>&amp;Configuration</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message id="app.menu.options">
        <source>&amp;Options</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message id="app.menu.exchange">
        <source>Exch&amp;ange</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Exchange</translation>
    </message>
    <message id="app.menu.data">
        <source>&amp;Data</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Da&amp;ten</translation>
    </message>
    <message id="app.menu.translation">
        <source>&amp;Translation</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Übersetzung</translation>
    </message>
    <message id="app.menu.rewrite">
        <source>Re&amp;write</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Umschreiben</translation>
    </message>
    <message id="app.menu.signal">
        <source>&amp;Signal</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Signal</translation>
    </message>
    <message id="app.menu.help">
        <source>&amp;Help</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="app.label.57607">
        <source>&amp;Print...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="app.label.57606">
        <source>P&amp;rint Setup...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message id="app.label.57665">
        <source>E&amp;xit</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="app.label.57643">
        <source>&amp;Undo</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="app.label.57635">
        <source>Cu&amp;t</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message id="app.label.57634">
        <source>&amp;Copy</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message id="app.label.57637">
        <source>&amp;Paste</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Einfügen</translation>
    </message>
    <message id="app.label.57636">
        <source>&amp;Find</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message id="app.label.6002">
        <source>&amp;Refresh</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ak&amp;tualisieren</translation>
    </message>
    <message id="app.label.6011">
        <source>&amp;E-mail domain on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;E-Mail-Domänen auf Exchange...</translation>
    </message>
    <message id="app.label.6010">
        <source>E-mail &amp;address on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E-Mail-&amp;Adressen auf Exchange...</translation>
    </message>
    <message id="app.label.6031">
        <source>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;MORVAFilter-Add-On für den Exchange-Junk-E-Mail-Ordner...</translation>
    </message>
    <message id="app.label.6035">
        <source>Service...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window.</extracomment>
        <translation>Dienst...</translation>
    </message>
    <message id="app.label.6008">
        <source>E-mail &amp;Forwarding...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E-Mail-&amp;Weiterleitung...</translation>
    </message>
    <message id="app.label.6009">
        <source>SMTP &amp;Blocking...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>SMTP-&amp;Sperren...</translation>
    </message>
    <message id="app.label.6026">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domäne...</translation>
    </message>
    <message id="app.label.6027">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Postfach...</translation>
    </message>
    <message id="app.label.6028">
        <source>Domain to &amp;E-mail address...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Domäne in &amp;E-Mail-Adresse...</translation>
    </message>
    <message id="app.label.6029">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domäne...</translation>
    </message>
    <message id="app.label.6030">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Postfach...</translation>
    </message>
    <message id="app.label.6006">
        <source>&amp;Advanced Configuration...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Erweiterte Konfiguration...</translation>
    </message>
    <message id="app.label.6012">
        <source>Stat&amp;istic...</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message id="app.label.59392">
        <source>&amp;Toolbar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message id="app.label.59393">
        <source>&amp;Status Bar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Status&amp;leiste</translation>
    </message>
    <message id="app.label.6036">
        <source>&amp;General...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Allgemein...</translation>
    </message>
    <message id="app.label.6037">
        <source>&amp;Blocking...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Sperren...</translation>
    </message>
    <message id="app.label.6038">
        <source>&amp;Spam...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;pam...</translation>
    </message>
    <message id="app.label.6042">
        <source>&amp;ClamAV...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;ClamAV...</translation>
    </message>
    <message id="app.label.6039">
        <source>S&amp;ession...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Sit&amp;zung...</translation>
    </message>
    <message id="app.label.6040">
        <source>S&amp;ystem...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;ystem...</translation>
    </message>
    <message id="app.label.6041">
        <source>&amp;Virus...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Viren...</translation>
    </message>
    <message id="app.label.6043">
        <source>&amp;Transit...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Transit...</translation>
    </message>
    <message id="app.label.6045">
        <source>S/&amp;MIME...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S/&amp;MIME...</translation>
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
        <translation>&amp;Globale Ausnahmen...</translation>
    </message>
    <message id="app.label.6013">
        <source>&amp;Deliver messages now</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Nachrichten jetzt &amp;zustellen</translation>
    </message>
    <message id="app.label.6014">
        <source>Dump &amp;statistics</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Statistik ausgeben</translation>
    </message>
    <message id="app.label.6015">
        <source>Dump &amp;outbound queue</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ausgangswarteschlange ausgeben</translation>
    </message>
    <message id="app.label.6016">
        <source>Send &amp;logfile</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Protokolldatei senden</translation>
    </message>
    <message id="app.label.6018">
        <source>Pack White List</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Whitelist packen</translation>
    </message>
    <message id="app.label.6017">
        <source>Restart</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Neustart</translation>
    </message>
    <message id="app.label.6019">
        <source>D&amp;ocumentation</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;okumentation</translation>
    </message>
    <message id="app.label.6020">
        <source>&amp;Administer Morva</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Morva &amp;verwalten</translation>
    </message>
    <message id="app.label.6021">
        <source>&amp;Troubleshooting</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Fehlerbehebung</translation>
    </message>
    <message id="app.label.6023">
        <source>&amp;Fight Spam</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Spam &amp;bekämpfen</translation>
    </message>
    <message id="app.label.6024">
        <source>O&amp;perations Guide</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Betriebs&amp;handbuch</translation>
    </message>
    <message id="app.label.6022">
        <source>Tighten &amp;Security</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Sicherheit erhöhen</translation>
    </message>
    <message id="app.label.6032">
        <source>Spam &amp;report service home page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Homepage des Spam-&amp;Meldedienstes</translation>
    </message>
    <message id="app.label.6033">
        <source>MORVAFilter Exchange Junk-E-Mail Folder</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window.</extracomment>
        <translation>MORVAFilter für den Exchange-Junk-E-Mail-Ordner</translation>
    </message>
    <message id="app.label.6025">
        <source>Any &amp;questions?</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Fr&amp;agen?</translation>
    </message>
    <message id="app.label.6000">
        <source>Brentmoor&apos;s &amp;Home Page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Brentmoor-Home&amp;page</translation>
    </message>
    <message id="app.label.5099">
        <source>O&amp;nline Order</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>O&amp;nline bestellen</translation>
    </message>
    <message id="app.label.57664">
        <source>A&amp;bout...</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Info...</translation>
    </message>
    <message id="app.prompt.57607">
        <source>Print the log
Print (Ctrl+P)</source>
        <extracomment>Status bar prompt of the command &quot;Print...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Das Protokoll drucken
Drucken (Strg+P)</translation>
    </message>
    <message id="app.prompt.57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>Status bar prompt of the command &quot;Print Setup...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message id="app.prompt.57665">
        <source>Quit the console
Exit</source>
        <extracomment>Status bar prompt of the command &quot;Exit&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Konsole beenden
Beenden</translation>
    </message>
    <message id="app.prompt.57643">
        <source>Undo the last action
Undo</source>
        <extracomment>Status bar prompt of the command &quot;Undo&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message id="app.prompt.57635">
        <source>Cut the selection and put it on the clipboard
Cut</source>
        <extracomment>Status bar prompt of the command &quot;Cut&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message id="app.prompt.57634">
        <source>Copy the selected log lines to the clipboard
Copy</source>
        <extracomment>Status bar prompt of the command &quot;Copy&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die markierten Protokollzeilen in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message id="app.prompt.57637">
        <source>Insert the clipboard contents
Paste</source>
        <extracomment>Status bar prompt of the command &quot;Paste&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message id="app.prompt.57636">
        <source>Find a text in the current column of the log
Find</source>
        <extracomment>Status bar prompt of the command &quot;Find&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Einen Text in der aktuellen Spalte des Protokolls suchen
Suchen</translation>
    </message>
    <message id="app.prompt.6002">
        <source>Refresh
Refresh (F5)</source>
        <extracomment>Status bar prompt of the command &quot;Refresh&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Aktualisieren
Aktualisieren (F5)</translation>
    </message>
    <message id="app.prompt.6001">
        <source>Show the log view again</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Die Protokollansicht wieder anzeigen</translation>
    </message>
    <message id="app.prompt.6011">
        <source>Edit E-mail domain list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail domain on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Liste der E-Mail-Domänen bearbeiten, für die Exchange zuständig ist</translation>
    </message>
    <message id="app.prompt.6010">
        <source>Edit E-mail address list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail address on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Liste der E-Mail-Adressen bearbeiten, für die Exchange zuständig ist</translation>
    </message>
    <message id="app.prompt.6031">
        <source>Enable support for MORVAFilter or Outlook rules</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder Add-On...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Unterstützung für MORVAFilter oder Outlook-Regeln einschalten</translation>
    </message>
    <message id="app.prompt.6035">
        <source>Install, start and stops Morva service</source>
        <extracomment>Status bar prompt of the command &quot;Service...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Morva-Dienst installieren, starten und beenden</translation>
    </message>
    <message id="app.prompt.6008">
        <source>Edit forwarding of messages to alternate recipients</source>
        <extracomment>Status bar prompt of the command &quot;E-mail Forwarding...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Weiterleitung von Nachrichten an andere Empfänger bearbeiten</translation>
    </message>
    <message id="app.prompt.6009">
        <source>Edit blocking of messages at the SMTP transport level</source>
        <extracomment>Status bar prompt of the command &quot;SMTP Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Sperren von Nachrichten auf der SMTP-Transportebene bearbeiten</translation>
    </message>
    <message id="app.prompt.6026">
        <source>Translate an e-mail domain to another e-mail domain on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Eine E-Mail-Domäne in eingehenden Nachrichten in eine andere E-Mail-Domäne übersetzen</translation>
    </message>
    <message id="app.prompt.6027">
        <source>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ein E-Mail-Postfach in eingehenden Nachrichten in ein anderes Postfach übersetzen</translation>
    </message>
    <message id="app.prompt.6028">
        <source>Translate an e-mail domain to another e-mail address on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain to E-mail address...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Eine E-Mail-Domäne in eingehenden Nachrichten in eine andere E-Mail-Adresse übersetzen</translation>
    </message>
    <message id="app.prompt.6029">
        <source>Rewrites an e-mail domain to another e-mail domain on oubound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Schreibt eine E-Mail-Domäne in ausgehenden Nachrichten in eine andere E-Mail-Domäne um</translation>
    </message>
    <message id="app.prompt.6030">
        <source>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Schreibt ein E-Mail-Postfach in ausgehenden Nachrichten in ein anderes Postfach um</translation>
    </message>
    <message id="app.prompt.6006">
        <source>Edit advanced configuration options</source>
        <extracomment>Status bar prompt of the command &quot;Advanced Configuration...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Erweiterte Konfigurationsoptionen bearbeiten</translation>
    </message>
    <message id="app.prompt.6012">
        <source>Show the gateway&apos;s statistics</source>
        <extracomment>Status bar prompt of the command &quot;Statistic...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Statistik des Gateways anzeigen</translation>
    </message>
    <message id="app.prompt.59392">
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar prompt of the command &quot;Toolbar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste</translation>
    </message>
    <message id="app.prompt.59393">
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar prompt of the command &quot;Status Bar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message id="app.prompt.6036">
        <source>Edit Exchange related options
General options</source>
        <extracomment>Status bar prompt of the command &quot;General...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Exchange-bezogene Optionen bearbeiten
Allgemeine Optionen</translation>
    </message>
    <message id="app.prompt.6037">
        <source>Edit blocking related options
Blocking options</source>
        <extracomment>Status bar prompt of the command &quot;Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Optionen zum Sperren bearbeiten
Optionen zum Sperren</translation>
    </message>
    <message id="app.prompt.6038">
        <source>Edit spam related options
Spam options</source>
        <extracomment>Status bar prompt of the command &quot;Spam...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Spam-bezogene Optionen bearbeiten
Spam-Optionen</translation>
    </message>
    <message id="app.prompt.6042">
        <source>Edit ClamAV related options</source>
        <extracomment>Status bar prompt of the command &quot;ClamAV...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>ClamAV-bezogene Optionen bearbeiten</translation>
    </message>
    <message id="app.prompt.6039">
        <source>Edit session related options
Session options</source>
        <extracomment>Status bar prompt of the command &quot;Session...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Sitzungsbezogene Optionen bearbeiten
Sitzungsoptionen</translation>
    </message>
    <message id="app.prompt.6040">
        <source>Edit system related options
System options</source>
        <extracomment>Status bar prompt of the command &quot;System...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Systembezogene Optionen bearbeiten
Systemoptionen</translation>
    </message>
    <message id="app.prompt.6041">
        <source>Edit virus related options
Virus options</source>
        <extracomment>Status bar prompt of the command &quot;Virus...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Virenbezogene Optionen bearbeiten
Viren-Optionen</translation>
    </message>
    <message id="app.prompt.6043">
        <source>Edit disclaimer
Transit options</source>
        <extracomment>Status bar prompt of the command &quot;Transit...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Haftungsausschluss bearbeiten
Transit-Optionen</translation>
    </message>
    <message id="app.prompt.6044">
        <source>Edit exclusion lists
Global exclude</source>
        <extracomment>Status bar prompt of the command &quot;Global Exclude...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ausnahmelisten bearbeiten
Globale Ausnahmen</translation>
    </message>
    <message id="app.prompt.6045">
        <source>Edit S/MIME related options
S/MIME options</source>
        <extracomment>Status bar prompt of the command &quot;S/MIME...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>S/MIME-bezogene Optionen bearbeiten
S/MIME-Optionen</translation>
    </message>
    <message id="app.prompt.6046">
        <source>Edit DKIM related options
DKIM options</source>
        <extracomment>Status bar prompt of the command &quot;DKIM...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>DKIM-bezogene Optionen bearbeiten
DKIM-Optionen</translation>
    </message>
    <message id="app.prompt.6047">
        <source>Edit TLS related options</source>
        <extracomment>Status bar prompt of the command &quot;TLS/SSL...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>TLS-bezogene Optionen bearbeiten</translation>
    </message>
    <message id="app.prompt.6013">
        <source>Signal GWCored to deliver all SMTP message now</source>
        <extracomment>Status bar prompt of the command &quot;Deliver messages now&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>GWCored signalisieren, alle SMTP-Nachrichten jetzt zuzustellen</translation>
    </message>
    <message id="app.prompt.6014">
        <source>Signal GWCored to dump the statistics into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump statistics&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>GWCored signalisieren, die Statistik in die Protokolldatei zu schreiben</translation>
    </message>
    <message id="app.prompt.6015">
        <source>Signal GWCored to dump the outbound queue into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump outbound queue&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>GWCored signalisieren, die Ausgangswarteschlange in die Protokolldatei zu schreiben</translation>
    </message>
    <message id="app.prompt.6016">
        <source>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</source>
        <extracomment>Status bar prompt of the command &quot;Send logfile&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>GWCored signalisieren, die aktuelle Protokolldatei an die als Postmaster eingetragene E-Mail-Adresse zu senden</translation>
    </message>
    <message id="app.prompt.6018">
        <source>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</source>
        <extracomment>Status bar prompt of the command &quot;Pack White List&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>GWCored signalisieren, die Whitelist (AdrOWL-A.dat) zu packen. Hinweis: Das kann je nach Größe der Liste einige Zeit dauern</translation>
    </message>
    <message id="app.prompt.6019">
        <source>View the documentation on the web</source>
        <extracomment>Status bar prompt of the command &quot;Documentation&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Dokumentation im Web anzeigen</translation>
    </message>
    <message id="app.prompt.6020">
        <source>View the documentation of the options</source>
        <extracomment>Status bar prompt of the command &quot;Administer Morva&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Dokumentation der Optionen anzeigen</translation>
    </message>
    <message id="app.prompt.6021">
        <source>View troubleshooting database</source>
        <extracomment>Status bar prompt of the command &quot;Troubleshooting&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Datenbank zur Fehlerbehebung anzeigen</translation>
    </message>
    <message id="app.prompt.6023">
        <source>View a description how spam fighting works</source>
        <extracomment>Status bar prompt of the command &quot;Fight Spam&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Eine Beschreibung der Spam-Bekämpfung anzeigen</translation>
    </message>
    <message id="app.prompt.6024">
        <source>View the recommended settings</source>
        <extracomment>Status bar prompt of the command &quot;Operations Guide&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die empfohlenen Einstellungen anzeigen</translation>
    </message>
    <message id="app.prompt.6022">
        <source>View how to tighten the gateway&apos;s security</source>
        <extracomment>Status bar prompt of the command &quot;Tighten Security&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Anzeigen, wie sich die Sicherheit des Gateways erhöhen lässt</translation>
    </message>
    <message id="app.prompt.6032">
        <source>Open the home page of the spam report service</source>
        <extracomment>Status bar prompt of the command &quot;Spam report service home page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Homepage des Spam-Meldedienstes öffnen</translation>
    </message>
    <message id="app.prompt.6033">
        <source>Open the home page of the MORVAFilter add-on</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Homepage des MORVAFilter-Add-Ons öffnen</translation>
    </message>
    <message id="app.prompt.6025">
        <source>Create a support request</source>
        <extracomment>Status bar prompt of the command &quot;Any questions?&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Eine Supportanfrage erstellen</translation>
    </message>
    <message id="app.prompt.6000">
        <source>Open Brentmoor&apos;s home page</source>
        <extracomment>Status bar prompt of the command &quot;Brentmoor&apos;s Home Page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Die Homepage von Brentmoor öffnen</translation>
    </message>
    <message id="app.prompt.5099">
        <source>Order Morva online</source>
        <extracomment>Status bar prompt of the command &quot;Online Order&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Morva online bestellen</translation>
    </message>
    <message id="app.prompt.57664">
        <source>Show the program&apos;s version and maker
About</source>
        <extracomment>Status bar prompt of the command &quot;About...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Version und Hersteller des Programms anzeigen
Info</translation>
    </message>
    <message id="app.prompt.6007">
        <source>Create a new entry
New</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Einen neuen Eintrag anlegen
Neu</translation>
    </message>
    <message id="app.prompt.6003">
        <source>Open the selected entry
Open (Enter)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Den markierten Eintrag öffnen
Öffnen (Eingabe)</translation>
    </message>
    <message id="app.prompt.6004">
        <source>Delete the selected entry
Delete (Del)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Den markierten Eintrag löschen
Löschen (Entf)</translation>
    </message>
    <message id="app.prompt.57345">
        <source>Ready</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message id="app.prompt.59142">
        <source>Locked</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Gesperrt</translation>
    </message>
    <message id="app.prompt.59137">
        <source>CAP</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>UF</translation>
    </message>
    <message id="app.prompt.59138">
        <source>NUM</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>NUM</translation>
    </message>
    <message id="app.versionMismatch">
        <source>Version of GWConsole (%1) does not match the version of GWCored (%2)</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Die Version von GWConsole (%1) stimmt nicht mit der Version von GWCored (%2) überein</translation>
    </message>
    <message id="app.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Ihr WWW-Browser kann nicht gestartet werden!</translation>
    </message>
    <message id="app.createWindowFailed">
        <source>Unable to create window: </source>
        <translation>Das Fenster kann nicht erstellt werden: </translation>
    </message>
    <message id="app.createDialogFailed">
        <source>Unable to create dialog box: </source>
        <translation>Das Dialogfeld kann nicht erstellt werden: </translation>
    </message>
    <message id="app.printing">
        <source>Printing...</source>
        <translation>Drucken...</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message id="app.button.no">
        <source>&amp;No</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nein</translation>
    </message>
    <message id="app.button.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="app.log.time">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="app.log.thread">
        <source>Thread</source>
        <translation>Thread</translation>
    </message>
    <message id="app.log.activity">
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message id="app.log.openWith">
        <source>Open with the associated program</source>
        <translation>Mit dem zugeordneten Programm öffnen</translation>
    </message>
    <message id="app.log.openFailed">
        <source>Unable to open the log file with the associated program:</source>
        <translation>Die Protokolldatei kann nicht mit dem zugeordneten Programm geöffnet werden:</translation>
    </message>
    <message id="app.find.caption">
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message id="app.find.what">
        <source>Fi&amp;nd what:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Su&amp;chen nach:</translation>
    </message>
    <message id="app.find.next">
        <source>&amp;Find Next</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message id="app.find.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="app.find.notFound">
        <source>The text was not found in this column.</source>
        <translation>Der Text wurde in dieser Spalte nicht gefunden.</translation>
    </message>
    <message id="app.find.wrapped">
        <source>End of the column reached; continued from the top.</source>
        <translation>Ende der Spalte erreicht; oben fortgesetzt.</translation>
    </message>
    <message id="app.find.noData">
        <source>Unable to find valid data in this column!</source>
        <translation>In dieser Spalte wurden keine gültigen Daten gefunden!</translation>
    </message>
    <message id="app.printFailed">
        <source>Print Error: the log could not be printed.</source>
        <translation>Druckfehler: Das Protokoll konnte nicht gedruckt werden.</translation>
    </message>
    <message id="app.log.following">
        <source>Following</source>
        <translation>Folgt</translation>
    </message>
    <message id="app.log.paused">
        <source>Paused, %1 new lines</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Angehalten, %1 neue Zeilen</translation>
    </message>
    <message id="app.logFilter.placeholder">
        <source>Filter: words, -word to leave out, "a phrase"</source>
        <extracomment>Placeholder of the log view's filter field; keep the quotes and the minus sign.</extracomment>
        <translation>Filter: Wörter, -Wort zum Ausblenden, "eine Wortfolge"</translation>
    </message>
    <message id="app.logFilter.help">
        <source>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</source>
        <extracomment>Tool tip of the log view's filter field.</extracomment>
        <translation>Eine Zeile muss jedes Wort enthalten, Groß-/Kleinschreibung egal; -Wort blendet Zeilen aus; "eine Wortfolge" gilt als ein Begriff. Esc löscht den Filter.</translation>
    </message>
    <message id="app.logFilter.regex">
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message id="app.logFilter.onlyMatching">
        <source>Only matching lines</source>
        <translation>Nur passende Zeilen</translation>
    </message>
    <message id="app.logFilter.highlight">
        <source>Highlight matches</source>
        <translation>Treffer hervorheben</translation>
    </message>
    <message id="app.logFilter.rejections">
        <source>Rejected</source>
        <extracomment>Legend of the log colours: rejections and blocks.</extracomment>
        <translation>Abgewiesen</translation>
    </message>
    <message id="app.logFilter.deliveries">
        <source>Delivered</source>
        <extracomment>Legend of the log colours: deliveries.</extracomment>
        <translation>Zugestellt</translation>
    </message>
    <message id="app.logFilter.viruses">
        <source>Virus</source>
        <extracomment>Legend of the log colours: virus findings.</extracomment>
        <translation>Virus</translation>
    </message>
    <message id="app.logFilter.problems">
        <source>Errors</source>
        <extracomment>Legend of the log colours: errors and warnings of the gateway.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message id="app.logFilter.connections">
        <source>Connections</source>
        <extracomment>Legend of the log colours: connections.</extracomment>
        <translation>Verbindungen</translation>
    </message>
    <message id="app.logFilter.legendTip">
        <source>Show only the rows of this colour; click again to show all</source>
        <translation>Nur die Zeilen dieser Farbe zeigen; erneut klicken zeigt alle</translation>
    </message>
    <message id="app.logFilter.close">
        <source>Close the filter bar and clear the filter</source>
        <translation>Filterleiste schließen und Filter löschen</translation>
    </message>
    <message id="app.logFilter.count">
        <source>%1 of %2 rows</source>
        <extracomment>%1 rows shown, %2 rows kept; keep both.</extracomment>
        <translation>%1 von %2 Zeilen</translation>
    </message>
    <message id="app.logFilter.badRegex">
        <source>Invalid regular expression: %1</source>
        <extracomment>%1 is the reason (in English); keep it.</extracomment>
        <translation>Ungültiger regulärer Ausdruck: %1</translation>
    </message>
    <message id="app.logFilter.show">
        <source>Filter...</source>
        <translation>Filtern...</translation>
    </message>
    <message id="app.logFilter.onlyThread">
        <source>Only thread %1</source>
        <extracomment>%1 is a session thread number; keep it.</extracomment>
        <translation>Nur Thread %1</translation>
    </message>
    <message id="app.logFilter.copyVisible">
        <source>Copy the rows shown</source>
        <translation>Angezeigte Zeilen kopieren</translation>
    </message>
    <message id="app.logFilter.export">
        <source>Export the rows shown...</source>
        <translation>Angezeigte Zeilen exportieren...</translation>
    </message>
    <message id="app.logFilter.openOlder">
        <source>Open an older log...</source>
        <translation>Älteres Protokoll öffnen...</translation>
    </message>
    <message id="app.logFilter.backToLive">
        <source>Back to the live log</source>
        <translation>Zurück zum laufenden Protokoll</translation>
    </message>
    <message id="app.logFilter.cancel">
        <source>Cancel</source>
        <extracomment>Stops reading an older log file.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message id="app.logFilter.shownFile">
        <source>%1 (read-only)</source>
        <extracomment>%1 is the path of the log file shown; keep it.</extracomment>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message id="app.logFilter.readFailed">
        <source>Unable to read %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message id="app.logFilter.exportFailed">
        <source>Unable to write %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message id="app.logFilter.logFiles">
        <source>Log files</source>
        <translation>Protokolldateien</translation>
    </message>
    <message id="app.logFilter.allFiles">
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message id="app.logFilter.csvFiles">
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message id="app.logFilter.textFiles">
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message id="app.iniUnreadable">
        <source>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.
Die Konsole zeigt die Standardeinstellungen und speichert keine Änderungen, bis die Datei gelesen werden kann. Beheben Sie das Problem und starten Sie die Konsole neu.</translation>
    </message>
    <message id="app.fileError.accessDenied">
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message id="app.fileError.inUse">
        <source>the file is in use by another program</source>
        <translation>die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message id="app.fileError.isDirectory">
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message id="app.fileError.other">
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message id="app.about.caption">
        <source>About Morva Admin</source>
        <translation>Über Morva Admin</translation>
    </message>
    <message id="app.about.copyright">
        <source>Administration console of the Morva mail gateway</source>
        <translation>Verwaltungskonsole des Morva-Mail-Gateways</translation>
    </message>
    <message id="app.about.web">
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message id="app.about.support">
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
</context>
<context>
    <name>confui: framework and the sheets of the General, Blocking and Spam menus</name>
    <message id="confui.unableToWrite">
        <source>Unable to write morva.ini!
Either the file is write protected or it was changed manually or through GWCored.
Restart GWConsole and retry the operation.</source>
        <translation>Morva.ini kann nicht geschrieben werden!
Die Datei ist entweder schreibgeschützt oder wurde manuell oder durch GWCored geändert.
Starten Sie GWConsole neu und wiederholen Sie den Vorgang.</translation>
    </message>
    <message id="confui.savedNotDurable">
        <source>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</source>
        <translation>Die Einstellungen wurden in Morva.ini geschrieben, aber das System hat nicht bestätigt, dass sie sicher auf dem Datenträger gespeichert sind.
Fällt der Computer unerwartet aus, können die vorherigen Einstellungen zurückkehren. Prüfen Sie den Datenträger und speichern Sie erneut.</translation>
    </message>
    <message id="confui.notEightBitText">
        <source>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 wird nicht gespeichert: Die Datei liegt als %2 vor, die Konsole liest und schreibt aber nur 8-Bit-Text, sodass beim Speichern Einstellungen verloren gingen. Speichern Sie die Datei als 8-Bit-Text (ANSI) und versuchen Sie es erneut.</translation>
    </message>
    <message id="confui.encoding.utf16">
        <source>UTF-16 text</source>
        <translation>UTF-16-Text</translation>
    </message>
    <message id="confui.encoding.binary">
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message id="confui.addOnRequired">
        <source>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</source>
        <translation>Die Aktion &apos;Betreff markieren und in den Junk-E-Mail-Ordner verschieben&apos; ist nur erlaubt, wenn das MORVAFilter Add-On installiert ist</translation>
    </message>
    <message id="confui.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Ihr WWW-Browser kann nicht gestartet werden!</translation>
    </message>
    <message id="confui.noItemSelected">
        <source>No item selected!</source>
        <translation>Kein Eintrag ausgewählt!</translation>
    </message>
    <message id="confui.deleteSelected">
        <source>Delete selected items</source>
        <translation>Ausgewählte Einträge löschen</translation>
    </message>
    <message id="confui.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Ein leeres Feld ist nicht erlaubt!</translation>
    </message>
    <message id="confui.invalidEmail">
        <source>Please enter a valid SMTP address!</source>
        <translation>Bitte geben Sie eine gültige SMTP-Adresse ein!</translation>
    </message>
    <message id="confui.emailFormat">
        <source>Format is </source>
        <translation>Format ist </translation>
    </message>
    <message id="confui.emailSample">
        <source>user@domain.com</source>
        <translation>benutzer@domaene.de</translation>
    </message>
    <message id="confui.invalidIp">
        <source>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</source>
        <translation>Bitte geben Sie eine gültige IP-Adresse ein!
Format ist xxx.xxx.xxx.xxx</translation>
    </message>
    <message id="confui.invalidNetwork">
        <source>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</source>
        <translation>Bitte geben Sie eine gültige IP-Adresse oder ein Netz ein!
Format ist xxx.xxx.xxx.xxx, xxx.xxx. oder xxx.xxx.xxx.xxx/nn</translation>
    </message>
    <message id="confui.directoryNotFound">
        <source>Directory %1 not found!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Verzeichnis %1 nicht gefunden!</translation>
    </message>
    <message id="confui.continue">
        <source>Would you like to continue</source>
        <translation>Möchten Sie fortfahren</translation>
    </message>
    <message id="confui.numberRange">
        <source>Please enter a number between %1 and %2!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein!</translation>
    </message>
    <message id="confui.dialogFailed">
        <source>Unable to create dialog box:</source>
        <translation>Dialogfeld kann nicht erstellt werden:</translation>
    </message>
    <message id="confui.button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confui.button.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="confui.button.apply">
        <source>&amp;Apply</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message id="confui.button.help">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="confui.button.back">
        <source>&lt; &amp;Back</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message id="confui.button.next">
        <source>&amp;Next &gt;</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message id="confui.button.finish">
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message id="confui.button.new">
        <source>&amp;New...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Neu...</translation>
    </message>
    <message id="confui.button.edit">
        <source>&amp;Edit...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>B&amp;earbeiten...</translation>
    </message>
    <message id="confui.button.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="confui.button.browse">
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message id="confui.exclude.button">
        <source>E&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ausnahmen...</translation>
    </message>
    <message id="confui.addCommon">
        <source>Add &amp;Common</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Übliche hinzufügen</translation>
    </message>
    <message id="confui.tooltipKey">
        <source>Key in Morva.ini: %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Schlüssel in Morva.ini: %1</translation>
    </message>
    <message id="confui.resetToDefault">
        <source>Reset to &amp;default</source>
        <extracomment>Context menu of a control on a configuration page: puts the value back to the setting&apos;s default. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Auf &amp;Standard zurücksetzen</translation>
    </message>
    <message id="confui.tooltipDefault">
        <source>Default: %1</source>
        <extracomment>Second line of the tooltip of a control on a configuration page. %1 is replaced at run time by the default value; keep it.</extracomment>
        <translation>Standard: %1</translation>
    </message>
    <message id="confui.defaultTicked">
        <source>ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>aktiviert</translation>
    </message>
    <message id="confui.defaultUnticked">
        <source>not ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>nicht aktiviert</translation>
    </message>
    <message id="confui.defaultEmpty">
        <source>empty</source>
        <extracomment>Default of a text field or a list that is empty, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>leer</translation>
    </message>
    <message id="confui.column.value">
        <source>Entry</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Eintrag</translation>
    </message>
    <message id="confui.column.comment">
        <source>Comment</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Kommentar</translation>
    </message>
    <message id="confui.column.user">
        <source>User</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Benutzer</translation>
    </message>
    <message id="confui.noBlanks">
        <source>Blanks are not allowed in this field!</source>
        <translation>Leerzeichen sind in diesem Feld nicht erlaubt!</translation>
    </message>
    <message id="confui.edit.notAChoice">
        <source>Please choose a value from the list!</source>
        <translation>Bitte wählen Sie einen Wert aus der Liste!</translation>
    </message>
    <message id="confui.comment">
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message id="confui.pickPath">
        <source>Choose a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message id="confui.unknownValue">
        <source>Other value (%1)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Anderer Wert (%1)</translation>
    </message>
    <message id="confui.action.label">
        <source>Action:</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Aktion:</translation>
    </message>
    <message id="confui.action.inbound">
        <source>Inbound action:</source>
        <translation>Aktion eingehend:</translation>
    </message>
    <message id="confui.action.outbound">
        <source>Outbound action:</source>
        <translation>Aktion ausgehend:</translation>
    </message>
    <message id="confui.action.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Nachricht verwerfen</translation>
    </message>
    <message id="confui.action.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Kapseln und an den Postmaster weiterleiten</translation>
    </message>
    <message id="confui.action.2">
        <source>Encapsulate and send to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Kapseln und an den Empfänger senden</translation>
    </message>
    <message id="confui.action.3">
        <source>Encapsulate and send to recipient without attachments</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Kapseln und ohne Anlagen an den Empfänger senden</translation>
    </message>
    <message id="confui.action.4">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Unzustellbarkeitsbericht an den Absender senden</translation>
    </message>
    <message id="confui.action.5">
        <source>Mark subject and move to Junk-E-Mail folder</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Betreff markieren und in den Junk-E-Mail-Ordner verschieben</translation>
    </message>
    <message id="confui.action.6">
        <source>Forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>An den Postmaster weiterleiten</translation>
    </message>
    <message id="confui.action.7">
        <source>Mark subject</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Betreff markieren</translation>
    </message>
    <message id="confui.action.8">
        <source>Forward to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>An den Empfänger weiterleiten</translation>
    </message>
    <message id="confui.outAction.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Nachricht verwerfen</translation>
    </message>
    <message id="confui.outAction.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Kapseln und an den Postmaster weiterleiten</translation>
    </message>
    <message id="confui.outAction.2">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Unzustellbarkeitsbericht an den Absender senden</translation>
    </message>
    <message id="confui.common.user">
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message id="confui.common.password">
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message id="confui.common.path">
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message id="confui.common.purgeDays">
        <source>Delete files older than (days):</source>
        <translation>Dateien löschen, die älter sind als (Tage):</translation>
    </message>
    <message id="confui.common.program">
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message id="confui.common.arguments">
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message id="confui.common.programVerbose">
        <source>Log the program&apos;s output</source>
        <translation>Ausgabe des Programms protokollieren</translation>
    </message>
    <message id="confui.common.smtpLevel">
        <source>Reject during the SMTP session</source>
        <translation>Bereits während der SMTP-Sitzung ablehnen</translation>
    </message>
    <message id="confui.common.verbose">
        <source>Detailed logging</source>
        <translation>Ausführliche Protokollierung</translation>
    </message>
    <message id="confui.common.inbound">
        <source>Inbound</source>
        <translation>Eingehend</translation>
    </message>
    <message id="confui.common.outbound">
        <source>Outbound</source>
        <translation>Ausgehend</translation>
    </message>
    <message id="confui.common.caseSensitive">
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message id="confui.edit.ip">
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message id="confui.edit.ip.value">
        <source>IP address or network:</source>
        <translation>IP-Adresse oder Netz:</translation>
    </message>
    <message id="confui.edit.host">
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message id="confui.edit.host.value">
        <source>Host name:</source>
        <translation>Hostname:</translation>
    </message>
    <message id="confui.edit.adr">
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message id="confui.edit.adr.value">
        <source>E-mail address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message id="confui.edit.subj">
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message id="confui.edit.subj.value">
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message id="confui.edit.text">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="confui.edit.text.value">
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message id="confui.edit.att">
        <source>Attachment</source>
        <translation>Anlage</translation>
    </message>
    <message id="confui.edit.att.value">
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message id="confui.edit.hdr">
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message id="confui.edit.hdr.value">
        <source>Header line:</source>
        <translation>Kopfzeile:</translation>
    </message>
    <message id="confui.edit.charset">
        <source>Charset</source>
        <translation>Zeichensatz</translation>
    </message>
    <message id="confui.edit.charset.value">
        <source>Character set:</source>
        <translation>Zeichensatz:</translation>
    </message>
    <message id="confui.edit.sls">
        <source>Spam Lookup Service</source>
        <translation>Spam-Abfragedienst</translation>
    </message>
    <message id="confui.edit.sls.value">
        <source>DNS zone:</source>
        <translation>DNS-Zone:</translation>
    </message>
    <message id="confui.edit.domain">
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message id="confui.edit.domain.value">
        <source>Domain:</source>
        <translation>Domäne:</translation>
    </message>
    <message id="confui.edit.userpass">
        <source>User/Pass</source>
        <translation>Benutzer/Kennwort</translation>
    </message>
    <message id="confui.edit.userpass.value">
        <source>User and password:</source>
        <translation>Benutzer und Kennwort:</translation>
    </message>
    <message id="confui.language.auto">
        <source>Auto Detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message id="confui.language.eng">
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message id="confui.language.deu">
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message id="confui.language.fra">
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message id="confui.language.ita">
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message id="confui.language.spa">
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message id="confui.sheet.general">
        <source>Options - General</source>
        <translation>Optionen - Allgemein</translation>
    </message>
    <message id="confui.sheet.blocking">
        <source>Options - Blocking</source>
        <translation>Optionen - Blockieren</translation>
    </message>
    <message id="confui.sheet.spam">
        <source>Options - Spam</source>
        <translation>Optionen - Spam</translation>
    </message>
    <message id="confui.sheet.fallback">
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message id="confui.sheet.exclude">
        <source>Exclude</source>
        <translation>Ausnahmen</translation>
    </message>
    <message id="confui.page.IniStd">
        <source>Exchange</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exchange</translation>
    </message>
    <message id="confui.page.IniLog">
        <source>Logfiles</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Protokolldateien</translation>
    </message>
    <message id="confui.page.IniHist">
        <source>History</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message id="confui.page.IniStat">
        <source>Statistic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Statistik</translation>
    </message>
    <message id="confui.page.IniCon">
        <source>Connections</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verbindungen</translation>
    </message>
    <message id="confui.page.IniRel">
        <source>Relay</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Relay</translation>
    </message>
    <message id="confui.page.IniAuth">
        <source>Authentication</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Authentifizierung</translation>
    </message>
    <message id="confui.page.IniAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Erweitert</translation>
    </message>
    <message id="confui.IniStd.Postmaster">
        <source>Postmaster e-mail address:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting Postmaster of Morva.ini.</extracomment>
        <translation>E-Mail-Adresse des Postmasters:</translation>
    </message>
    <message id="confui.IniStd.ExchHost">
        <source>Exchange server (name or IP address):</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchHost of Morva.ini.</extracomment>
        <translation>Exchange-Server (Name oder IP-Adresse):</translation>
    </message>
    <message id="confui.IniStd.ExchOutboundPort">
        <source>SMTP port of the Exchange server:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchOutboundPort of Morva.ini.</extracomment>
        <translation>SMTP-Port des Exchange-Servers:</translation>
    </message>
    <message id="confui.IniStd.InboundSMTPAutoDisableOnExchHostError">
        <source>Stop accepting inbound mail while the Exchange server cannot be reached</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting InboundSMTPAutoDisableOnExchHostError of Morva.ini.</extracomment>
        <translation>Keine eingehenden Nachrichten annehmen, solange der Exchange-Server nicht erreichbar ist</translation>
    </message>
    <message id="confui.IniStd.authGroup">
        <source>Authentication at the Exchange server</source>
        <translation>Authentifizierung am Exchange-Server</translation>
    </message>
    <message id="confui.IniStd.OutboundExchAuth">
        <source>Log on to the Exchange server</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting OutboundExchAuth of Morva.ini.</extracomment>
        <translation>Am Exchange-Server anmelden</translation>
    </message>
    <message id="confui.IniStd.NewVersionDSN">
        <source>Notify the postmaster when a new version is available</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting NewVersionDSN of Morva.ini.</extracomment>
        <translation>Postmaster benachrichtigen, wenn eine neue Version verfügbar ist</translation>
    </message>
    <message id="confui.IniLog.LogPath">
        <source>Log file folder:</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Ordner der Protokolldateien:</translation>
    </message>
    <message id="confui.IniLog.WriteLogFile">
        <source>Write log files</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting WriteLogFile of Morva.ini.</extracomment>
        <translation>Protokolldateien schreiben</translation>
    </message>
    <message id="confui.IniLog.detailGroup">
        <source>Logging details</source>
        <translation>Protokolldetails</translation>
    </message>
    <message id="confui.IniLog.Verbose">
        <source>Detailed log</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Ausführliches Protokoll</translation>
    </message>
    <message id="confui.IniLog.VerboseTransfer">
        <source>Log every transfer</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting VerboseTransfer of Morva.ini.</extracomment>
        <translation>Jede Übertragung protokollieren</translation>
    </message>
    <message id="confui.IniLog.DumpSMTPHeader">
        <source>Log the SMTP headers</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting DumpSMTPHeader of Morva.ini.</extracomment>
        <translation>SMTP-Kopfzeilen protokollieren</translation>
    </message>
    <message id="confui.IniHist.KeepMessageFile">
        <source>Keep a copy of every message</source>
        <extracomment>On the page &quot;History&quot;: the setting KeepMessageFile of Morva.ini.</extracomment>
        <translation>Eine Kopie jeder Nachricht aufbewahren</translation>
    </message>
    <message id="confui.IniHist.HistPath">
        <source>History folder:</source>
        <extracomment>On the page &quot;History&quot;: the setting HistPath of Morva.ini.</extracomment>
        <translation>Verlaufsordner:</translation>
    </message>
    <message id="confui.IniStat.generalGroup">
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message id="confui.IniStat.WriteStatisticFile">
        <source>Write statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteStatisticFile of Morva.ini.</extracomment>
        <translation>Statistikdateien schreiben</translation>
    </message>
    <message id="confui.IniStat.spamGroup">
        <source>Spam statistic</source>
        <translation>Spam-Statistik</translation>
    </message>
    <message id="confui.IniStat.WriteSpamStatisticFile">
        <source>Write spam statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSpamStatisticFile of Morva.ini.</extracomment>
        <translation>Spam-Statistikdateien schreiben</translation>
    </message>
    <message id="confui.IniStat.sendGroup">
        <source>Send statistic</source>
        <translation>Versandstatistik</translation>
    </message>
    <message id="confui.IniStat.WriteSendStatisticFile">
        <source>Write send statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSendStatisticFile of Morva.ini.</extracomment>
        <translation>Versandstatistikdateien schreiben</translation>
    </message>
    <message id="confui.IniStat.virusGroup">
        <source>Virus statistic</source>
        <translation>Virenstatistik</translation>
    </message>
    <message id="confui.IniStat.WriteVirusStatisticFile">
        <source>Write virus statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteVirusStatisticFile of Morva.ini.</extracomment>
        <translation>Virenstatistikdateien schreiben</translation>
    </message>
    <message id="confui.IniStat.StatisticFileLongDate">
        <source>Use the long date in statistic file names</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting StatisticFileLongDate of Morva.ini.</extracomment>
        <translation>Langes Datum in den Namen der Statistikdateien verwenden</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPSendTyp">
        <source>Delivery of outbound mail:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPSendTyp of Morva.ini.</extracomment>
        <translation>Zustellung ausgehender Nachrichten:</translation>
    </message>
    <message id="confui.IniCon.sendTyp0">
        <source>Relay all messages through the smart host</source>
        <translation>Alle Nachrichten über den Smart Host senden</translation>
    </message>
    <message id="confui.IniCon.sendTyp1">
        <source>Use DNS to send all messages direct to the recipients mail server</source>
        <translation>Alle Nachrichten per DNS direkt an den Mailserver des Empfängers senden</translation>
    </message>
    <message id="confui.IniCon.sendTyp2">
        <source>Use smart host only if direct connection fails</source>
        <translation>Smart Host nur verwenden, wenn die direkte Verbindung fehlschlägt</translation>
    </message>
    <message id="confui.IniCon.SmartHost">
        <source>Smart host:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting SmartHost of Morva.ini.</extracomment>
        <translation>Smart Host:</translation>
    </message>
    <message id="confui.IniCon.NameServer">
        <source>DNS server:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting NameServer of Morva.ini.</extracomment>
        <translation>DNS-Server:</translation>
    </message>
    <message id="confui.IniCon.authGroup">
        <source>Authentication at the smart host</source>
        <translation>Authentifizierung am Smart Host</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPAuth">
        <source>Log on to the smart host</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPAuth of Morva.ini.</extracomment>
        <translation>Am Smart Host anmelden</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPAutoDisableOnSmartHostError">
        <source>Stop accepting inbound mail while the smart host cannot be reached</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPAutoDisableOnSmartHostError of Morva.ini.</extracomment>
        <translation>Keine eingehenden Nachrichten annehmen, solange der Smart Host nicht erreichbar ist</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxConnections">
        <source>Maximum inbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Maximale eingehende Verbindungen:</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxSendToMessage">
        <source>Maximum recipients per message:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxSendToMessage of Morva.ini.</extracomment>
        <translation>Maximale Empfänger pro Nachricht:</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPMaxConnections">
        <source>Maximum outbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Maximale ausgehende Verbindungen:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelay">
        <source>Allow relaying for the hosts and addresses below</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelay of Morva.ini.</extracomment>
        <translation>Relaying für die folgenden Hosts und Adressen erlauben</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayReservedIP">
        <source>Allow relaying for reserved (private) IP addresses</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayReservedIP of Morva.ini.</extracomment>
        <translation>Relaying für reservierte (private) IP-Adressen erlauben</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAuthUsers">
        <source>Allow relaying for authenticated users</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAuthUsers of Morva.ini.</extracomment>
        <translation>Relaying für authentifizierte Benutzer erlauben</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowHost">
        <source>Hosts allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowHost of Morva.ini.</extracomment>
        <translation>Hosts, die weiterleiten dürfen:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowIP">
        <source>IP addresses allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowIP of Morva.ini.</extracomment>
        <translation>IP-Adressen, die weiterleiten dürfen:</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthType">
        <source>Inbound SMTP authentication:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthType of Morva.ini.</extracomment>
        <translation>Eingehende SMTP-Authentifizierung:</translation>
    </message>
    <message id="confui.IniAuth.type0">
        <source>No inbound SMTP authentication</source>
        <translation>Keine eingehende SMTP-Authentifizierung</translation>
    </message>
    <message id="confui.IniAuth.type1">
        <source>Enable inbound SMTP authentication using User/Pass</source>
        <translation>Eingehende SMTP-Authentifizierung mit Benutzer/Kennwort</translation>
    </message>
    <message id="confui.IniAuth.type2">
        <source>Enable inbound SMTP authentication using pass-through NTLM logon</source>
        <translation>Eingehende SMTP-Authentifizierung mit durchgereichter NTLM-Anmeldung</translation>
    </message>
    <message id="confui.IniAuth.type3">
        <source>Enable inbound SMTP authentication using a SMTP query to Exchange</source>
        <translation>Eingehende SMTP-Authentifizierung mit einer SMTP-Abfrage an Exchange</translation>
    </message>
    <message id="confui.IniAuth.type4">
        <source>Enable inbound SMTP authentication using an external program</source>
        <translation>Eingehende SMTP-Authentifizierung mit einem externen Programm</translation>
    </message>
    <message id="confui.IniAuth.programGroup">
        <source>External program</source>
        <translation>Externes Programm</translation>
    </message>
    <message id="confui.IniAuth.userGroup">
        <source>Users and passwords</source>
        <translation>Benutzer und Kennwörter</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthUserPass">
        <source>Accepted users:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthUserPass of Morva.ini.</extracomment>
        <translation>Zugelassene Benutzer:</translation>
    </message>
    <message id="confui.IniAuth.queryGroup">
        <source>Account for the query to Exchange</source>
        <translation>Konto für die Abfrage an Exchange</translation>
    </message>
    <message id="confui.IniAdv.queueGroup">
        <source>Queues (seconds)</source>
        <translation>Warteschlangen (Sekunden)</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalExpire">
        <source>Outbound SMTP messages expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Ausgehende SMTP-Nachrichten verfallen nach:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundDSNExpire">
        <source>Outbound reports expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundDSNExpire of Morva.ini.</extracomment>
        <translation>Ausgehende Berichte verfallen nach:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalNextTry">
        <source>Retry outbound SMTP delivery every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Ausgehende SMTP-Zustellung erneut versuchen alle:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalExpire">
        <source>Messages to Exchange expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Nachrichten an Exchange verfallen nach:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalNextTry">
        <source>Retry delivery to Exchange every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Zustellung an Exchange erneut versuchen alle:</translation>
    </message>
    <message id="confui.IniAdv.limitGroup">
        <source>Size limits (KB, 0 = no limit)</source>
        <translation>Größenbeschränkungen (KB, 0 = keine)</translation>
    </message>
    <message id="confui.IniAdv.InboundSizeLimit">
        <source>Inbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting InboundSizeLimit of Morva.ini.</extracomment>
        <translation>Eingehende Nachrichten:</translation>
    </message>
    <message id="confui.IniAdv.OutboundSizeLimit">
        <source>Outbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting OutboundSizeLimit of Morva.ini.</extracomment>
        <translation>Ausgehende Nachrichten:</translation>
    </message>
    <message id="confui.IniAdv.CheckExchange">
        <source>Check the connection to the Exchange server at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckExchange of Morva.ini.</extracomment>
        <translation>Verbindung zum Exchange-Server beim Start prüfen</translation>
    </message>
    <message id="confui.IniAdv.CheckOnAccessScanner">
        <source>Check the on-access virus scanner at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckOnAccessScanner of Morva.ini.</extracomment>
        <translation>Zugriffsvirenscanner beim Start prüfen</translation>
    </message>
    <message id="confui.IniAdv.Language">
        <source>Language of the console:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Sprache der Konsole:</translation>
    </message>
    <message id="confui.page.ExclIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message id="confui.page.ExclHost">
        <source>Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Host</translation>
    </message>
    <message id="confui.page.ExclFrom">
        <source>MAIL FROM: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MAIL FROM: E-Mail-Adresse</translation>
    </message>
    <message id="confui.page.ExclTo">
        <source>RCPT TO: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>RCPT TO: E-Mail-Adresse</translation>
    </message>
    <message id="confui.ExclIP.list">
        <source>Connections from these IP addresses and networks are excluded:</source>
        <translation>Verbindungen von diesen IP-Adressen und Netzen sind ausgenommen:</translation>
    </message>
    <message id="confui.ExclHost.list">
        <source>Connections from these host names are excluded:</source>
        <translation>Verbindungen von diesen Hostnamen sind ausgenommen:</translation>
    </message>
    <message id="confui.ExclFrom.list">
        <source>Messages from these senders are excluded:</source>
        <translation>Nachrichten dieser Absender sind ausgenommen:</translation>
    </message>
    <message id="confui.ExclTo.list">
        <source>Messages to these recipients are excluded:</source>
        <translation>Nachrichten an diese Empfänger sind ausgenommen:</translation>
    </message>
    <message id="confui.sheet.addOn">
        <source>MORVAFilter Exchange Junk-E-Mail Folder Add-On</source>
        <translation>MORVAFilter Exchange Junk-E-Mail-Ordner Add-On</translation>
    </message>
    <message id="confui.page.MVFInt">
        <source>Change of the default action</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Änderung der Standardaktion</translation>
    </message>
    <message id="confui.page.MVFQry">
        <source>MORVAFilter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MORVAFilter</translation>
    </message>
    <message id="confui.MVFInt.notice">
        <source>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</source>
        <translation>Die Standardaktion einiger Methoden wurde von &apos;Betreff markieren und in den Junk-E-Mail-Ordner verschieben&apos; auf &apos;Betreff markieren&apos; geändert.</translation>
    </message>
    <message id="confui.MVFInt.more">
        <source>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</source>
        <translation>Das Verschieben in den Junk-E-Mail-Ordner erfordert das MORVAFilter Add-On auf dem Exchange-Server. Geben Sie auf der nächsten Seite an, wie Ihr Exchange-Server eingerichtet ist.</translation>
    </message>
    <message id="confui.MVFQry.about">
        <source>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</source>
        <translation>Das MORVAFilter Add-On läuft auf dem Exchange-Server und verschiebt vom Gateway markierte Nachrichten in den Junk-E-Mail-Ordner jedes Benutzers. Eine Outlook-Regel auf die Kopfzeile &apos;X-MORVA-Spam&apos; kann dasselbe leisten.</translation>
    </message>
    <message id="confui.MVFQry.setup">
        <source>Your Exchange set-up:</source>
        <translation>Ihre Exchange-Umgebung:</translation>
    </message>
    <message id="confui.MVFQry.status0">
        <source>Exchange without MORVAFilter installed</source>
        <translation>Exchange ohne installiertes MORVAFilter</translation>
    </message>
    <message id="confui.MVFQry.status1">
        <source>Exchange with MORVAFilter installed</source>
        <translation>Exchange mit installiertem MORVAFilter</translation>
    </message>
    <message id="confui.MVFQry.status2">
        <source>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</source>
        <translation>Exchange mit einer Outlook-Regel, die die Kopfzeile &apos;X-MORVA-Spam&apos; verwendet</translation>
    </message>
    <message id="confui.page.WizSpam">
        <source>Spam</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Spam</translation>
    </message>
    <message id="confui.WizSpam.intro">
        <source>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</source>
        <translation>Wählen Sie, wie stark das Gateway Spam von Anfang an blockiert. Alle Einstellungen lassen sich später unter Optionen ändern.</translation>
    </message>
    <message id="confui.WizSpam.level">
        <source>Default Spam Blocking:</source>
        <translation>Standard-Spamblockierung:</translation>
    </message>
    <message id="confui.WizSpam.level0">
        <source>None - no spam checks</source>
        <translation>Keine - keine Spamprüfungen</translation>
    </message>
    <message id="confui.WizSpam.level1">
        <source>Default - the usual checks</source>
        <translation>Standard - die üblichen Prüfungen</translation>
    </message>
    <message id="confui.WizSpam.level2">
        <source>Strong - stricter checks, SPF and envelope tests</source>
        <translation>Stark - strengere Prüfungen, SPF- und Umschlagtests</translation>
    </message>
    <message id="confui.WizSpam.note">
        <source>Caught messages are marked in their subject and delivered.</source>
        <translation>Erkannte Nachrichten werden im Betreff markiert und zugestellt.</translation>
    </message>
    <message id="confui.common.serialize">
        <source>Run one program at a time</source>
        <translation>Jeweils nur ein Programm ausführen</translation>
    </message>
    <message id="confui.edit.country">
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message id="confui.edit.country.value">
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message id="confui.page.dkim">
        <source>DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.page.IniAtt">
        <source>Attachment</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Anlage</translation>
    </message>
    <message id="confui.page.IniExpl">
        <source>Exploit</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.page.IniSubj">
        <source>Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff</translation>
    </message>
    <message id="confui.page.IniText">
        <source>Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Text</translation>
    </message>
    <message id="confui.page.IniHTML">
        <source>HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.page.IniHdr">
        <source>Header</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Kopfzeile</translation>
    </message>
    <message id="confui.page.IniCTY">
        <source>Country</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Land</translation>
    </message>
    <message id="confui.page.IniCharSet">
        <source>Charset</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Zeichensatz</translation>
    </message>
    <message id="confui.page.IniIPH">
        <source>IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP/Host</translation>
    </message>
    <message id="confui.page.IniAdr">
        <source>E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>E-Mail</translation>
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
        <translation>Auto-IP</translation>
    </message>
    <message id="confui.page.IniDRIP">
        <source>Drop</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Trennen</translation>
    </message>
    <message id="confui.page.IniAbs">
        <source>Absolute</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Absolut</translation>
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
        <translation>Heuristik</translation>
    </message>
    <message id="confui.page.IniSPF">
        <source>SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.page.IniDKIMVrfy">
        <source>DKIM Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM-Prüfung</translation>
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
        <translation>Umschlag</translation>
    </message>
    <message id="confui.page.IniFCrDNS">
        <source>FCrDNS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>FCrDNS</translation>
    </message>
    <message id="confui.page.IniImg">
        <source>Image</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Bild</translation>
    </message>
    <message id="confui.page.IniUDM">
        <source>UDM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.page.IniApr">
        <source>Approve</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Freigabe</translation>
    </message>
    <message id="confui.IniAtt.list">
        <source>Blocked attachments (file name patterns):</source>
        <translation>Blockierte Anlagen (Dateinamensmuster):</translation>
    </message>
    <message id="confui.IniAtt.invert">
        <source>Block:</source>
        <translation>Blockieren:</translation>
    </message>
    <message id="confui.IniAtt.invert0">
        <source>Only the files in the list</source>
        <translation>Nur die Dateien der Liste</translation>
    </message>
    <message id="confui.IniAtt.invert1">
        <source>Except the files in the list</source>
        <translation>Alle außer den Dateien der Liste</translation>
    </message>
    <message id="confui.IniAtt.inZip">
        <source>Look into ZIP archives</source>
        <translation>Auch in ZIP-Archiven suchen</translation>
    </message>
    <message id="confui.IniExpl.AdvAll">
        <source>All exploit checks</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Alle Exploit-Prüfungen</translation>
    </message>
    <message id="confui.IniExpl.CLSID">
        <source>Class ids in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Klassen-IDs in Dateinamen</translation>
    </message>
    <message id="confui.IniExpl.ExtDot">
        <source>Trailing dots in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Punkte am Ende von Dateinamen</translation>
    </message>
    <message id="confui.IniExpl.MsgPart">
        <source>Fragmented messages</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Fragmentierte Nachrichten</translation>
    </message>
    <message id="confui.IniExpl.DblExt">
        <source>Double extensions</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Doppelte Erweiterungen</translation>
    </message>
    <message id="confui.IniExpl.MsgExtBody">
        <source>Executable message bodies</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Ausführbare Nachrichtentexte</translation>
    </message>
    <message id="confui.IniExpl.ZipPP">
        <source>Password-protected ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Kennwortgeschützte ZIP-Dateien</translation>
    </message>
    <message id="confui.IniExpl.Exe">
        <source>Programs by content</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programme nach Inhalt</translation>
    </message>
    <message id="confui.IniExpl.ExeZip">
        <source>Programs inside ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programme in ZIP-Dateien</translation>
    </message>
    <message id="confui.IniSubj.list">
        <source>Blocked subject texts:</source>
        <translation>Blockierte Betrefftexte:</translation>
    </message>
    <message id="confui.IniText.list">
        <source>Blocked message texts:</source>
        <translation>Blockierte Nachrichtentexte:</translation>
    </message>
    <message id="confui.IniHTML.list">
        <source>Blocked HTML patterns:</source>
        <translation>Blockierte HTML-Muster:</translation>
    </message>
    <message id="confui.IniHdr.list">
        <source>Blocked header lines (name:text):</source>
        <translation>Blockierte Kopfzeilen (Name:Text):</translation>
    </message>
    <message id="confui.IniCTY.list">
        <source>Blocked countries (two-letter codes):</source>
        <translation>Blockierte Länder (zweistellige Codes):</translation>
    </message>
    <message id="confui.IniCTY.InboundBlockCTYIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;Country&quot;: the setting InboundBlockCTYIPHeader of Morva.ini.</extracomment>
        <translation>Auch die Adressen in den Received-Kopfzeilen prüfen</translation>
    </message>
    <message id="confui.IniCharSet.list">
        <source>Blocked character sets:</source>
        <translation>Blockierte Zeichensätze:</translation>
    </message>
    <message id="confui.IniIPH.ip">
        <source>Blocked IP addresses and networks:</source>
        <translation>Blockierte IP-Adressen und Netze:</translation>
    </message>
    <message id="confui.IniIPH.host">
        <source>Blocked host names:</source>
        <translation>Blockierte Hostnamen:</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHHeader of Morva.ini.</extracomment>
        <translation>Auch die Adressen in den Received-Kopfzeilen prüfen</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHConnection of Morva.ini.</extracomment>
        <translation>Verbindung sofort trennen</translation>
    </message>
    <message id="confui.IniAdr.from">
        <source>Blocked senders:</source>
        <translation>Blockierte Absender:</translation>
    </message>
    <message id="confui.IniAdr.to">
        <source>Blocked recipients:</source>
        <translation>Blockierte Empfänger:</translation>
    </message>
    <message id="confui.IniDSN.InboundBlockDSN">
        <source>Block delivery reports to addresses that never sent mail</source>
        <extracomment>On the page &quot;DSN&quot;: the setting InboundBlockDSN of Morva.ini.</extracomment>
        <translation>Zustellberichte an Adressen blockieren, die nie Nachrichten gesendet haben</translation>
    </message>
    <message id="confui.IniDSN.list">
        <source>Recipients whose delivery reports are blocked:</source>
        <translation>Empfänger, deren Zustellberichte blockiert werden:</translation>
    </message>
    <message id="confui.IniMSO.MSVBA">
        <source>Macros</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Makros</translation>
    </message>
    <message id="confui.IniMSO.MSVBA.switch">
        <source>Block Office documents with macros</source>
        <translation>Office-Dokumente mit Makros blockieren</translation>
    </message>
    <message id="confui.IniMSO.MSOPP">
        <source>Password protection</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Kennwortschutz</translation>
    </message>
    <message id="confui.IniMSO.MSOPP.switch">
        <source>Block password-protected Office documents</source>
        <translation>Kennwortgeschützte Office-Dokumente blockieren</translation>
    </message>
    <message id="confui.IniMSO.MSOEM">
        <source>Embedded objects</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Eingebettete Objekte</translation>
    </message>
    <message id="confui.IniMSO.MSOEM.switch">
        <source>Block Office documents with embedded programs</source>
        <translation>Office-Dokumente mit eingebetteten Programmen blockieren</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIP">
        <source>Block IP addresses that sent spam automatically</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIP of Morva.ini.</extracomment>
        <translation>IP-Adressen, die Spam gesendet haben, automatisch blockieren</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPMaxSlots">
        <source>Maximum number of blocked addresses:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPMaxSlots of Morva.ini.</extracomment>
        <translation>Höchstzahl blockierter Adressen:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPTTL">
        <source>Block for (seconds):</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPTTL of Morva.ini.</extracomment>
        <translation>Blockieren für (Sekunden):</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPThreshold">
        <source>Spam messages before blocking:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPThreshold of Morva.ini.</extracomment>
        <translation>Spamnachrichten bis zur Blockierung:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPConnection of Morva.ini.</extracomment>
        <translation>Verbindung sofort trennen</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIP">
        <source>Drop connections from the addresses below</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIP of Morva.ini.</extracomment>
        <translation>Verbindungen von den folgenden Adressen trennen</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPConnection">
        <source>Close the connection before the greeting</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPConnection of Morva.ini.</extracomment>
        <translation>Verbindung vor der Begrüßung trennen</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPNoPTR">
        <source>Also drop connections from addresses without reverse DNS name</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPNoPTR of Morva.ini.</extracomment>
        <translation>Auch Verbindungen von Adressen ohne Reverse-DNS-Namen trennen</translation>
    </message>
    <message id="confui.IniDRIP.ip">
        <source>IP addresses and networks:</source>
        <translation>IP-Adressen und Netze:</translation>
    </message>
    <message id="confui.IniDRIP.host">
        <source>Host names:</source>
        <translation>Hostnamen:</translation>
    </message>
    <message id="confui.IniAbs.InboundBlockAbs">
        <source>Block messages that every other check would let through when a blocking rule matches</source>
        <extracomment>On the page &quot;Absolute&quot;: the setting InboundBlockAbs of Morva.ini.</extracomment>
        <translation>Nachrichten absolut blockieren, wenn eine Blockierregel zutrifft</translation>
    </message>
    <message id="confui.IniAbs.note">
        <source>Absolute blocking ignores the white list and the exclusions.</source>
        <translation>Absolutes Blockieren ignoriert die White List und die Ausnahmen.</translation>
    </message>
    <message id="confui.IniSLS.InboundBlockSLS">
        <source>Check the connecting address against DNS blocklists</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundBlockSLS of Morva.ini.</extracomment>
        <translation>Verbindende Adresse gegen DNS-Blocklisten prüfen</translation>
    </message>
    <message id="confui.IniSLS.InboundSLSIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundSLSIPHeader of Morva.ini.</extracomment>
        <translation>Auch die Adressen in den Received-Kopfzeilen prüfen</translation>
    </message>
    <message id="confui.IniSLS.SLS">
        <source>Blocklist zones (IP addresses):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLS of Morva.ini.</extracomment>
        <translation>Blocklisten-Zonen (IP-Adressen):</translation>
    </message>
    <message id="confui.IniSLS.SLSDom">
        <source>Blocklist zones (domains):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLSDom of Morva.ini.</extracomment>
        <translation>Blocklisten-Zonen (Domänen):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyList">
        <source>Greylisting: ask unknown senders to retry later</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyList of Morva.ini.</extracomment>
        <translation>Greylisting: unbekannte Absender später erneut senden lassen</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListIPClearLastOctet">
        <source>Treat all addresses of a /24 network as one</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListIPClearLastOctet of Morva.ini.</extracomment>
        <translation>Alle Adressen eines /24-Netzes gleich behandeln</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxSlots">
        <source>Maximum entries:</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxSlots of Morva.ini.</extracomment>
        <translation>Maximale Einträge:</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMinTime">
        <source>Minimum wait before a retry (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMinTime of Morva.ini.</extracomment>
        <translation>Mindestwartezeit vor Wiederholung (Sekunden):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMidTime">
        <source>Retry must come within (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMidTime of Morva.ini.</extracomment>
        <translation>Wiederholung muss erfolgen innerhalb von (Sekunden):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxTime">
        <source>Keep known senders for (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxTime of Morva.ini.</extracomment>
        <translation>Bekannte Absender behalten für (Sekunden):</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCS">
        <source>Block messages by their checksum (CCS)</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCS of Morva.ini.</extracomment>
        <translation>Nachrichten anhand ihrer Prüfsumme blockieren (CCS)</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCSThreshold">
        <source>Sensitivity:</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCSThreshold of Morva.ini.</extracomment>
        <translation>Empfindlichkeit:</translation>
    </message>
    <message id="confui.IniCCS.threshold0">
        <source>High - more than 25 messages with the same checksum</source>
        <translation>Hoch - mehr als 25 Nachrichten mit derselben Prüfsumme</translation>
    </message>
    <message id="confui.IniCCS.threshold1">
        <source>Mid - more than 100 messages with the same checksum</source>
        <translation>Mittel - mehr als 100 Nachrichten mit derselben Prüfsumme</translation>
    </message>
    <message id="confui.IniCCS.threshold2">
        <source>Low - more than 200 messages with the same checksum</source>
        <translation>Niedrig - mehr als 200 Nachrichten mit derselben Prüfsumme</translation>
    </message>
    <message id="confui.IniCCS.threshold3">
        <source>None - report only</source>
        <translation>Keine - nur melden</translation>
    </message>
    <message id="confui.IniBay.InboundBayes">
        <source>Bayesian filter</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayes of Morva.ini.</extracomment>
        <translation>Bayes-Filter</translation>
    </message>
    <message id="confui.IniBay.InboundBayesLearn">
        <source>Learn from the messages that pass</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesLearn of Morva.ini.</extracomment>
        <translation>Aus durchgelassenen Nachrichten lernen</translation>
    </message>
    <message id="confui.IniBay.InboundBayesIgnoreCommonWords">
        <source>Ignore common words</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesIgnoreCommonWords of Morva.ini.</extracomment>
        <translation>Häufige Wörter ignorieren</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxWords">
        <source>Maximum words in the database:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxWords of Morva.ini.</extracomment>
        <translation>Maximale Wörter in der Datenbank:</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxSize">
        <source>Examine at most (bytes):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxSize of Morva.ini.</extracomment>
        <translation>Höchstens untersuchen (Bytes):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesSpam">
        <source>Spam probability from (percent):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesSpam of Morva.ini.</extracomment>
        <translation>Spamwahrscheinlichkeit ab (Prozent):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMethod">
        <source>Method:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMethod of Morva.ini.</extracomment>
        <translation>Methode:</translation>
    </message>
    <message id="confui.IniBay.method0">
        <source>Paul Graham&apos;s original method</source>
        <translation>Ursprüngliche Methode von Paul Graham</translation>
    </message>
    <message id="confui.IniBay.method1">
        <source>Gary Robinson&apos;s alternative method</source>
        <translation>Alternative Methode von Gary Robinson</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddress">
        <source>Address for spam to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddress of Morva.ini.</extracomment>
        <translation>Adresse für Spam zum Lernen:</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddressGood">
        <source>Address for good mail to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddressGood of Morva.ini.</extracomment>
        <translation>Adresse für erwünschte Nachrichten zum Lernen:</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeur">
        <source>Heuristic filter</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeur of Morva.ini.</extracomment>
        <translation>Heuristischer Filter</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeurValue">
        <source>Spam score from:</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeurValue of Morva.ini.</extracomment>
        <translation>Spamwert ab:</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPF">
        <source>Check the sender&apos;s SPF record</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPF of Morva.ini.</extracomment>
        <translation>SPF-Eintrag des Absenders prüfen</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFSoftFail">
        <source>Also block on soft fail</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFSoftFail of Morva.ini.</extracomment>
        <translation>Auch bei Soft Fail blockieren</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFNeutral">
        <source>Also block on neutral</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFNeutral of Morva.ini.</extracomment>
        <translation>Auch bei Neutral blockieren</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFIPHeader of Morva.ini.</extracomment>
        <translation>Auch die Adressen in den Received-Kopfzeilen prüfen</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFUseDefTXT">
        <source>Use a default record for domains without SPF</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFUseDefTXT of Morva.ini.</extracomment>
        <translation>Standardeintrag für Domänen ohne SPF verwenden</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFDefTXT">
        <source>Default record:</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFDefTXT of Morva.ini.</extracomment>
        <translation>Standardeintrag:</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIM">
        <source>Verify DKIM signatures</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIM of Morva.ini.</extracomment>
        <translation>DKIM-Signaturen prüfen</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIMADSP">
        <source>Apply the sender&apos;s signing policy (ADSP)</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIMADSP of Morva.ini.</extracomment>
        <translation>Signierrichtlinie des Absenders anwenden (ADSP)</translation>
    </message>
    <message id="confui.IniDKIMVrfy.excludeVerify">
        <source>Exclude from verification...</source>
        <translation>Von der Prüfung ausnehmen...</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundBlockDKIM">
        <source>Block messages with a failed DKIM signature</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundBlockDKIM of Morva.ini.</extracomment>
        <translation>Nachrichten mit ungültiger DKIM-Signatur blockieren</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBL">
        <source>Check links in messages against URI blocklists</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBL of Morva.ini.</extracomment>
        <translation>Links in Nachrichten gegen URI-Blocklisten prüfen</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBLExpandShortURL">
        <source>Expand shortened links first</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBLExpandShortURL of Morva.ini.</extracomment>
        <translation>Verkürzte Links zuerst auflösen</translation>
    </message>
    <message id="confui.IniSEBA.InboundBlockSEBA">
        <source>Block by the sender&apos;s reputation (Senderbase)</source>
        <extracomment>On the page &quot;Senderbase&quot;: the setting InboundBlockSEBA of Morva.ini.</extracomment>
        <translation>Nach dem Ruf des Absenders blockieren (Senderbase)</translation>
    </message>
    <message id="confui.IniBCKS.InboundBlockBCKS">
        <source>Block backscatter (reports for mail never sent)</source>
        <extracomment>On the page &quot;Backscatter&quot;: the setting InboundBlockBCKS of Morva.ini.</extracomment>
        <translation>Backscatter blockieren (Berichte zu nie gesendeten Nachrichten)</translation>
    </message>
    <message id="confui.IniEnv.NoTo">
        <source>No recipient in the header</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Kein Empfänger in der Kopfzeile</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoTo">
        <source>Block messages without To or Cc header line</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoTo of Morva.ini.</extracomment>
        <translation>Nachrichten ohne To- oder Cc-Kopfzeile blockieren</translation>
    </message>
    <message id="confui.IniEnv.NoMx">
        <source>Sender domain without mail server</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Absenderdomäne ohne Mailserver</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoMx">
        <source>Block senders whose domain has no MX record</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoMx of Morva.ini.</extracomment>
        <translation>Absender blockieren, deren Domäne keinen MX-Eintrag hat</translation>
    </message>
    <message id="confui.IniEnv.NoFrom">
        <source>Faked sender</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Gefälschter Absender</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoFrom">
        <source>Block messages whose From line differs from the envelope sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoFrom of Morva.ini.</extracomment>
        <translation>Nachrichten blockieren, deren From-Zeile vom Umschlagabsender abweicht</translation>
    </message>
    <message id="confui.IniEnv.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Interner Absender von außen</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockFromUs">
        <source>Block inbound messages claiming one of our own domains as sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockFromUs of Morva.ini.</extracomment>
        <translation>Eingehende Nachrichten mit einer eigenen Domäne als Absender blockieren</translation>
    </message>
    <message id="confui.IniFCrDNS.InboundBlockFCrDNS">
        <source>Block connections whose reverse DNS name does not resolve back</source>
        <extracomment>On the page &quot;FCrDNS&quot;: the setting InboundBlockFCrDNS of Morva.ini.</extracomment>
        <translation>Verbindungen blockieren, deren Reverse-DNS-Name nicht zurück auflöst</translation>
    </message>
    <message id="confui.IniImg.InboundBlockEMP">
        <source>Block image spam</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockEMP of Morva.ini.</extracomment>
        <translation>Bild-Spam blockieren</translation>
    </message>
    <message id="confui.IniImg.InboundBlockAPD">
        <source>Block animated images</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockAPD of Morva.ini.</extracomment>
        <translation>Animierte Bilder blockieren</translation>
    </message>
    <message id="confui.IniImg.InboundBlockRRZ">
        <source>Block images with random noise</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockRRZ of Morva.ini.</extracomment>
        <translation>Bilder mit Zufallsrauschen blockieren</translation>
    </message>
    <message id="confui.IniImg.InboundBlockGRE">
        <source>Block images in grey tones only</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockGRE of Morva.ini.</extracomment>
        <translation>Bilder nur in Grautönen blockieren</translation>
    </message>
    <message id="confui.IniImg.sizeGroup">
        <source>Image size (pixels)</source>
        <translation>Bildgröße (Pixel)</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMBP">
        <source>Block images larger than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMBP of Morva.ini.</extracomment>
        <translation>Bilder blockieren, die größer sind als</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMLP">
        <source>Block images smaller than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMLP of Morva.ini.</extracomment>
        <translation>Bilder blockieren, die kleiner sind als</translation>
    </message>
    <message id="confui.IniImg.height">
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message id="confui.IniImg.width">
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message id="confui.IniUDM.InboundBlockUDM">
        <source>Check messages with an external program (user-defined method)</source>
        <extracomment>On the page &quot;UDM&quot;: the setting InboundBlockUDM of Morva.ini.</extracomment>
        <translation>Nachrichten mit einem externen Programm prüfen (benutzerdefinierte Methode)</translation>
    </message>
    <message id="confui.IniApr.InboundApproveAction">
        <source>Let an external program approve each action</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveAction of Morva.ini.</extracomment>
        <translation>Jede Aktion von einem externen Programm freigeben lassen</translation>
    </message>
    <message id="confui.IniApr.InboundApproveActionOnlySpam">
        <source>Only for messages detected as spam</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveActionOnlySpam of Morva.ini.</extracomment>
        <translation>Nur für als Spam erkannte Nachrichten</translation>
    </message>
</context>
<context>
    <name>confui sheets 5-13 and advanced</name>
    <message id="confui.sheet5">
        <source>Options - ClamAV</source>
        <translation>Optionen - ClamAV</translation>
    </message>
    <message id="confui.sheet6">
        <source>Options - System</source>
        <translation>Optionen - System</translation>
    </message>
    <message id="confui.sheet7">
        <source>Options - Session</source>
        <translation>Optionen - Sitzung</translation>
    </message>
    <message id="confui.sheet8">
        <source>Options - Virus</source>
        <translation>Optionen - Viren</translation>
    </message>
    <message id="confui.sheet9">
        <source>Options - Transit</source>
        <translation>Optionen - Transit</translation>
    </message>
    <message id="confui.sheet10">
        <source>Options - S/MIME</source>
        <translation>Optionen - S/MIME</translation>
    </message>
    <message id="confui.sheet11">
        <source>Options - DKIM (DomainKeys Identified Mail)</source>
        <translation>Optionen - DKIM (DomainKeys Identified Mail)</translation>
    </message>
    <message id="confui.sheet12">
        <source>Options - TLS/SSL</source>
        <translation>Optionen - TLS/SSL</translation>
    </message>
    <message id="confui.sheet13">
        <source>Options - Exclude</source>
        <translation>Optionen - Ausschließen</translation>
    </message>
    <message id="confui.sheetConf">
        <source>Configuration</source>
        <translation>Konfiguration</translation>
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
        <translation>Community</translation>
    </message>
    <message id="confui.page.IniCAOLE">
        <source>Macro</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Makro</translation>
    </message>
    <message id="confui.IniViC.Outbound">
        <source>Scan outbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Ausgehende Nachrichten mit ClamAV prüfen</translation>
    </message>
    <message id="confui.IniViC.Inbound">
        <source>Scan inbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Eingehende Nachrichten mit ClamAV prüfen</translation>
    </message>
    <message id="confui.IniViC.Host">
        <source>ClamAV daemon host:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Host des ClamAV-Dienstes:</translation>
    </message>
    <message id="confui.IniViC.Port">
        <source>ClamAV daemon port:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Port des ClamAV-Dienstes:</translation>
    </message>
    <message id="confui.IniCASCR.Block">
        <source>Block messages that match the SaneSecurity signatures</source>
        <extracomment>On the page &quot;SaneSecurity&quot;.</extracomment>
        <translation>Nachrichten blockieren, die zu den SaneSecurity-Signaturen passen</translation>
    </message>
    <message id="confui.IniCAICR.Block">
        <source>Block messages that match the SecuriteInfo signatures</source>
        <extracomment>On the page &quot;SecuriteInfo&quot;.</extracomment>
        <translation>Nachrichten blockieren, die zu den SecuriteInfo-Signaturen passen</translation>
    </message>
    <message id="confui.IniCAXCR.Block">
        <source>Block messages that match the community rules</source>
        <extracomment>On the page &quot;Community&quot;.</extracomment>
        <translation>Nachrichten blockieren, die zu den Community-Regeln passen</translation>
    </message>
    <message id="confui.IniCAOLE.Block">
        <source>Block Office documents that contain macros</source>
        <extracomment>On the page &quot;Macro&quot;.</extracomment>
        <translation>Office-Dokumente mit Makros blockieren</translation>
    </message>
    <message id="confui.sig.Note">
        <source>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</source>
        <translation>Die Signaturen lädt der auf der Seite ClamAV eingestellte ClamAV-Dienst.</translation>
    </message>
    <message id="confui.c2.inExclude">
        <source>Inbound e&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ausnahmen &amp;eingehend...</translation>
    </message>
    <message id="confui.c2.outExclude">
        <source>Outbound excl&amp;ude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ausnahmen a&amp;usgehend...</translation>
    </message>
    <message id="confui.page.IniForm">
        <source>Format</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Format</translation>
    </message>
    <message id="confui.page.IniFla">
        <source>Flags</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Kennzeichen</translation>
    </message>
    <message id="confui.page.IniSusp">
        <source>Suspicious</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verdächtig</translation>
    </message>
    <message id="confui.page.IniBCC">
        <source>BCC</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>BCC</translation>
    </message>
    <message id="confui.page.IniTLS">
        <source>TLS/SSL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>TLS/SSL</translation>
    </message>
    <message id="confui.IniForm.InRemoveHTML">
        <source>Remove HTML from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>HTML aus eingehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.InRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>TNEF (winmail.dat) aus eingehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.InRemoveDKIM">
        <source>Remove DKIM signatures from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>DKIM-Signaturen aus eingehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.InRemoveOWASubj">
        <source>Remove Outlook Web Access tags from inbound subjects</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Outlook-Web-Access-Kennungen aus dem Betreff eingehender Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.InAssembleAll">
        <source>Reassemble inbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Eingehende Nachrichten aus mehreren Teilen zusammensetzen</translation>
    </message>
    <message id="confui.IniForm.OutRemoveHTML">
        <source>Remove HTML from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>HTML aus ausgehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.OutRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>TNEF (winmail.dat) aus ausgehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniForm.OutAssembleAll">
        <source>Reassemble outbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Ausgehende Nachrichten aus mehreren Teilen zusammensetzen</translation>
    </message>
    <message id="confui.IniFla.InRemoveRR">
        <source>Remove read-receipt requests from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Lesebestätigungsanforderungen aus eingehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniFla.OutRemoveRR">
        <source>Remove read-receipt requests from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Lesebestätigungsanforderungen aus ausgehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniFla.InRemoveDSN">
        <source>Remove requests for success notifications from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Anforderungen von Zustellbestätigungen aus eingehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniFla.OutRemoveDSN">
        <source>Remove requests for success notifications from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Anforderungen von Zustellbestätigungen aus ausgehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.IniSusp.MsgLoop">
        <source>Warn about message loops (many messages to one recipient)</source>
        <extracomment>On the page &quot;Suspicious&quot;: the setting MsgLoop of Morva.ini.</extracomment>
        <translation>Vor Nachrichtenschleifen warnen (viele Nachrichten an einen Empfänger)</translation>
    </message>
    <message id="confui.IniSusp.Period">
        <source>Period observed (seconds):</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Beobachteter Zeitraum (Sekunden):</translation>
    </message>
    <message id="confui.IniSusp.MaxMsg">
        <source>Alert after this number of messages:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Warnung nach dieser Anzahl Nachrichten:</translation>
    </message>
    <message id="confui.IniSusp.Excl">
        <source>Addresses never reported:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Nie gemeldete Adressen:</translation>
    </message>
    <message id="confui.IniBCC.NDR">
        <source>Blind copy of every non-delivery report to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blindkopie jedes Unzustellbarkeitsberichts an:</translation>
    </message>
    <message id="confui.IniBCC.FwdExch">
        <source>Blind copy of messages forwarded to Exchange to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blindkopie der an Exchange weitergeleiteten Nachrichten an:</translation>
    </message>
    <message id="confui.IniBCC.InAuto">
        <source>Blind copy of every inbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blindkopie jeder eingehenden Nachricht an:</translation>
    </message>
    <message id="confui.IniBCC.OutAuto">
        <source>Blind copy of every outbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blindkopie jeder ausgehenden Nachricht an:</translation>
    </message>
    <message id="confui.IniTLS.Outbound">
        <source>Use TLS on outbound connections when the server offers it</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>TLS für ausgehende Verbindungen nutzen, wenn der Server es anbietet</translation>
    </message>
    <message id="confui.IniTLS.Inbound">
        <source>Offer TLS on inbound connections (STARTTLS)</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>TLS für eingehende Verbindungen anbieten (STARTTLS)</translation>
    </message>
    <message id="confui.IniTLS.Verbose">
        <source>Log TLS details</source>
        <extracomment>On the page &quot;TLS/SSL&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>TLS-Details protokollieren</translation>
    </message>
    <message id="confui.IniTLS.CACert">
        <source>CA certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>CA-Zertifikatsdatei:</translation>
    </message>
    <message id="confui.IniTLS.ServCert">
        <source>Server certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Server-Zertifikatsdatei:</translation>
    </message>
    <message id="confui.IniTLS.ServPriv">
        <source>Server private key file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Datei des privaten Serverschlüssels:</translation>
    </message>
    <message id="confui.page.IniRcpt">
        <source>Recipient</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Empfänger</translation>
    </message>
    <message id="confui.page.IniVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message id="confui.page.IniSes">
        <source>Session</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message id="confui.IniRcpt.Typ">
        <source>Recipient verification:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Empfängerprüfung:</translation>
    </message>
    <message id="confui.IniRcpt.Typ0">
        <source>No verification</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Keine Prüfung</translation>
    </message>
    <message id="confui.IniRcpt.Typ1">
        <source>Verify the recipients e-mail address using a static address list</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>E-Mail-Adresse des Empfängers anhand einer festen Adressliste prüfen</translation>
    </message>
    <message id="confui.IniRcpt.Typ2">
        <source>Verify the recipients e-mail address dynamically using an external program</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>E-Mail-Adresse des Empfängers dynamisch mit einem externen Programm prüfen</translation>
    </message>
    <message id="confui.IniRcpt.Typ3">
        <source>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>E-Mail-Adresse des Empfängers dynamisch per SMTP-Abfrage bei Exchange prüfen</translation>
    </message>
    <message id="confui.IniRcpt.Cache">
        <source>Cache the answers of the query</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Antworten der Abfrage zwischenspeichern</translation>
    </message>
    <message id="confui.IniRcpt.Verbose">
        <source>Log the output of the external program</source>
        <extracomment>On the page &quot;Recipient&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Ausgabe des externen Programms protokollieren</translation>
    </message>
    <message id="confui.IniRcpt.Validate">
        <source>Known address to test the query:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Bekannte Adresse zum Testen der Abfrage:</translation>
    </message>
    <message id="confui.IniVrfy.Domain">
        <source>Verify that the sender&apos;s domain exists</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Prüfen, ob die Domäne des Absenders existiert</translation>
    </message>
    <message id="confui.IniVrfy.PTR">
        <source>Verify that the connecting host has a reverse DNS (PTR) record</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Prüfen, ob der verbindende Host einen Reverse-DNS-Eintrag (PTR) hat</translation>
    </message>
    <message id="confui.IniVrfy.FQDN">
        <source>Verify that the HELO name is a fully qualified domain name</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Prüfen, ob der HELO-Name ein vollständiger Domänenname ist</translation>
    </message>
    <message id="confui.IniVrfy.CABA">
        <source>Verify the sender address with a call-back to its mail server</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Absenderadresse durch Rückfrage bei dessen Mailserver prüfen</translation>
    </message>
    <message id="confui.IniSes.GreetDelay">
        <source>Delay the SMTP greeting</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>SMTP-Begrüßung verzögern</translation>
    </message>
    <message id="confui.IniSes.Seconds">
        <source>Delay (seconds):</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Verzögerung (Sekunden):</translation>
    </message>
    <message id="confui.IniSes.HoneyPot">
        <source>Catch spam robots that talk before the greeting (honey pot)</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Spam-Roboter erkennen, die vor der Begrüßung senden (Honeypot)</translation>
    </message>
    <message id="confui.page.IniViD">
        <source>On-Demand Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Scan bei Bedarf</translation>
    </message>
    <message id="confui.page.IniViA">
        <source>On-Access Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Scan beim Zugriff</translation>
    </message>
    <message id="confui.page.IniViO">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Optionen</translation>
    </message>
    <message id="confui.IniViD.Outbound">
        <source>Scan outbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Ausgehende Nachrichten prüfen</translation>
    </message>
    <message id="confui.IniViD.Inbound">
        <source>Scan inbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Eingehende Nachrichten prüfen</translation>
    </message>
    <message id="confui.IniViD.Typ">
        <source>Virus scanner:</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Virenscanner:</translation>
    </message>
    <message id="confui.IniViD.Preset0">
        <source>Custom</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message id="confui.IniViD.Note">
        <source>&lt;FILE&gt; stands for the file to scan.</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>&lt;FILE&gt; steht für die zu prüfende Datei.</translation>
    </message>
    <message id="confui.IniViA.Outbound">
        <source>Scan outbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Ausgehende Nachrichten mit einem Zugriffsscanner prüfen</translation>
    </message>
    <message id="confui.IniViA.Inbound">
        <source>Scan inbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Eingehende Nachrichten mit einem Zugriffsscanner prüfen</translation>
    </message>
    <message id="confui.IniViA.Path">
        <source>Folder watched by the on-access scanner:</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Vom Zugriffsscanner überwachter Ordner:</translation>
    </message>
    <message id="confui.IniViO.Debug">
        <source>Log the output of the virus scanner (debug)</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Ausgabe des Virenscanners protokollieren (Debug)</translation>
    </message>
    <message id="confui.IniViO.RawMsg">
        <source>Scan the raw message as well</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Auch die Rohnachricht prüfen</translation>
    </message>
    <message id="confui.IniViO.Always">
        <source>Scan every message, also without attachments</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Jede Nachricht prüfen, auch ohne Anhänge</translation>
    </message>
    <message id="confui.IniViO.Serialize">
        <source>Run one scan at a time</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Immer nur einen Scan gleichzeitig ausführen</translation>
    </message>
    <message id="confui.IniViO.Zip">
        <source>Scan the files inside ZIP archives</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Dateien in ZIP-Archiven prüfen</translation>
    </message>
    <message id="confui.IniViO.UseExt">
        <source>Keep the file extensions for the on-access scanner</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Dateiendungen für den Zugriffsscanner beibehalten</translation>
    </message>
    <message id="confui.page.IniDisc">
        <source>Disclaimer</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Haftungsausschluss</translation>
    </message>
    <message id="confui.IniDisc.List">
        <source>Add the disclaimer to messages of these senders:</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Haftungsausschluss an Nachrichten dieser Absender anfügen:</translation>
    </message>
    <message id="confui.IniDisc.SuppOnReply">
        <source>Do not add the disclaimer to replies</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Haftungsausschluss nicht an Antworten anfügen</translation>
    </message>
    <message id="confui.IniDisc.Text">
        <source>Disclaimer text (file odisc-pl.txt)</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Text des Haftungsausschlusses (Datei odisc-pl.txt)</translation>
    </message>
    <message id="confui.IniDisc.ReadFailed">
        <source>Unable to read the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Die Datei des Haftungsausschlusses kann nicht gelesen werden</translation>
    </message>
    <message id="confui.IniDisc.WriteFailed">
        <source>Unable to write the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Die Datei des Haftungsausschlusses kann nicht geschrieben werden</translation>
    </message>
    <message id="confui.page.IniSMIMEVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message id="confui.page.IniSMIMESign">
        <source>Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Signieren</translation>
    </message>
    <message id="confui.page.IniSMIMEDecr">
        <source>Decrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Entschlüsseln</translation>
    </message>
    <message id="confui.page.IniSMIMEEncr">
        <source>Encrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verschlüsseln</translation>
    </message>
    <message id="confui.page.IniSMIMEInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Richtlinie eingehend</translation>
    </message>
    <message id="confui.page.IniSMIMEOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Richtlinie ausgehend</translation>
    </message>
    <message id="confui.page.IniSMIMEOpt">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Optionen</translation>
    </message>
    <message id="confui.page.IniDKIMSign">
        <source>DKIM Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM signieren</translation>
    </message>
    <message id="confui.page.IniTLSInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Richtlinie eingehend</translation>
    </message>
    <message id="confui.page.IniTLSOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Richtlinie ausgehend</translation>
    </message>
    <message id="confui.smime.VerifyCRL">
        <source>Check the certificate revocation lists (CRL) of inbound signatures</source>
        <translation>Sperrlisten (CRL) bei eingehenden Signaturen prüfen</translation>
    </message>
    <message id="confui.smime.VerboseCert">
        <source>Log certificate details</source>
        <translation>Zertifikatsdetails protokollieren</translation>
    </message>
    <message id="confui.smime.VrfyList">
        <source>Signers of inbound messages:</source>
        <translation>Signierer eingehender Nachrichten:</translation>
    </message>
    <message id="confui.smime.ExclVerify">
        <source>Exclude from &amp;verifying...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Vom &amp;Prüfen ausnehmen...</translation>
    </message>
    <message id="confui.smime.ExclRemove">
        <source>Exclude from &amp;removing...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Vom Entfernen a&amp;usnehmen...</translation>
    </message>
    <message id="confui.smime.SignList">
        <source>Sign the outbound messages of these senders:</source>
        <translation>Ausgehende Nachrichten dieser Absender signieren:</translation>
    </message>
    <message id="confui.smime.UseDBCert">
        <source>Use the certificates of the certificate database</source>
        <translation>Zertifikate der Zertifikatsdatenbank verwenden</translation>
    </message>
    <message id="confui.smime.SignPreSign">
        <source>Sign messages that are already signed</source>
        <translation>Bereits signierte Nachrichten signieren</translation>
    </message>
    <message id="confui.smime.SignPreCrypt">
        <source>Sign messages that are already encrypted</source>
        <translation>Bereits verschlüsselte Nachrichten signieren</translation>
    </message>
    <message id="confui.smime.SignHdr">
        <source>Header that asks for a signature:</source>
        <translation>Kopfzeile, die eine Signatur anfordert:</translation>
    </message>
    <message id="confui.smime.OutRemove">
        <source>Remove S/MIME signatures from outbound messages</source>
        <translation>S/MIME-Signaturen aus ausgehenden Nachrichten entfernen</translation>
    </message>
    <message id="confui.smime.OutVerify">
        <source>Verify S/MIME signatures of outbound messages</source>
        <translation>S/MIME-Signaturen ausgehender Nachrichten prüfen</translation>
    </message>
    <message id="confui.smime.OutVerifyCRL">
        <source>Check the certificate revocation lists (CRL) of outbound signatures</source>
        <translation>Sperrlisten (CRL) bei ausgehenden Signaturen prüfen</translation>
    </message>
    <message id="confui.smime.DecrList">
        <source>Decrypt the inbound messages of these recipients:</source>
        <translation>Eingehende Nachrichten dieser Empfänger entschlüsseln:</translation>
    </message>
    <message id="confui.smime.AltPriv">
        <source>Try the other private certificates when the first one fails</source>
        <translation>Andere private Zertifikate versuchen, wenn das erste scheitert</translation>
    </message>
    <message id="confui.smime.EncrList">
        <source>Encrypt the outbound messages to these recipients:</source>
        <translation>Ausgehende Nachrichten an diese Empfänger verschlüsseln:</translation>
    </message>
    <message id="confui.smime.CryptPreCrypt">
        <source>Encrypt messages that are already encrypted</source>
        <translation>Bereits verschlüsselte Nachrichten verschlüsseln</translation>
    </message>
    <message id="confui.smime.CryptPreSign">
        <source>Encrypt messages that are already signed</source>
        <translation>Bereits signierte Nachrichten verschlüsseln</translation>
    </message>
    <message id="confui.smime.CryptHdr">
        <source>Header that asks for encryption:</source>
        <translation>Kopfzeile, die eine Verschlüsselung anfordert:</translation>
    </message>
    <message id="confui.smime.InPolList">
        <source>Requirements for inbound messages of these senders:</source>
        <translation>Anforderungen an eingehende Nachrichten dieser Absender:</translation>
    </message>
    <message id="confui.smime.OutPolList">
        <source>Requirements for outbound messages to these recipients:</source>
        <translation>Anforderungen an ausgehende Nachrichten an diese Empfänger:</translation>
    </message>
    <message id="confui.smime.WriteDBCert">
        <source>Store the certificates of signed inbound messages in the database</source>
        <translation>Zertifikate signierter eingehender Nachrichten in der Datenbank speichern</translation>
    </message>
    <message id="confui.smime.OutWriteDBCert">
        <source>Store the certificates of signed outbound messages in the database</source>
        <translation>Zertifikate signierter ausgehender Nachrichten in der Datenbank speichern</translation>
    </message>
    <message id="confui.smime.Verbose">
        <source>Log S/MIME processing</source>
        <translation>S/MIME-Verarbeitung protokollieren</translation>
    </message>
    <message id="confui.smime.CACert">
        <source>CA certificate file:</source>
        <translation>CA-Zertifikatsdatei:</translation>
    </message>
    <message id="confui.smime.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Ordner mit dem Ordner CERT (leer: Programmordner):</translation>
    </message>
    <message id="confui.smime.Statistic">
        <source>Write S/MIME statistics</source>
        <translation>S/MIME-Statistik schreiben</translation>
    </message>
    <message id="confui.smime.InAssemble">
        <source>Reassemble inbound S/MIME messages</source>
        <translation>Eingehende S/MIME-Nachrichten zusammensetzen</translation>
    </message>
    <message id="confui.smime.OutAssemble">
        <source>Reassemble outbound S/MIME messages</source>
        <translation>Ausgehende S/MIME-Nachrichten zusammensetzen</translation>
    </message>
    <message id="confui.smime.MarkRemoved">
        <source>Mark the subject when the S/MIME envelope was removed</source>
        <translation>Betreff markieren, wenn die S/MIME-Hülle entfernt wurde</translation>
    </message>
    <message id="confui.smime.ExclPolicy">
        <source>Exclude from the &amp;policy...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Von der &amp;Richtlinie ausnehmen...</translation>
    </message>
    <message id="confui.dkim.SignList">
        <source>Sign the outbound messages of these domains:</source>
        <translation>Ausgehende Nachrichten dieser Domänen signieren:</translation>
    </message>
    <message id="confui.dkim.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Ordner mit dem Ordner CERT (leer: Programmordner):</translation>
    </message>
    <message id="confui.dkim.Verbose">
        <source>Log DKIM processing</source>
        <translation>DKIM-Verarbeitung protokollieren</translation>
    </message>
    <message id="confui.tls.InPolList">
        <source>TLS for connections from these clients:</source>
        <translation>TLS für Verbindungen von diesen Clients:</translation>
    </message>
    <message id="confui.tls.OutPolList">
        <source>TLS for connections to these destinations:</source>
        <translation>TLS für Verbindungen zu diesen Zielen:</translation>
    </message>
    <message id="confui.tls.ClientCert">
        <source>Ask connecting clients for a certificate</source>
        <translation>Verbindende Clients nach einem Zertifikat fragen</translation>
    </message>
    <message id="confui.tls.ServCiphers">
        <source>Ciphers offered to clients (empty: default):</source>
        <translation>Clients angebotene Verschlüsselungen (leer: Standard):</translation>
    </message>
    <message id="confui.tls.ClientCiphers">
        <source>Ciphers used towards servers (empty: default):</source>
        <translation>Gegenüber Servern verwendete Verschlüsselungen (leer: Standard):</translation>
    </message>
    <message id="confui.page.IniExclAdr">
        <source>Exclude - E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - E-Mail</translation>
    </message>
    <message id="confui.page.IniExclSubj">
        <source>Exclude - Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - Betreff</translation>
    </message>
    <message id="confui.page.IniExclText">
        <source>Exclude - Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - Text</translation>
    </message>
    <message id="confui.page.IniExclHTML">
        <source>Exclude - HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - HTML</translation>
    </message>
    <message id="confui.page.IniExclIPH">
        <source>Exclude - IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - IP/Host</translation>
    </message>
    <message id="confui.page.IniExclAWL">
        <source>Exclude - White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - Weiße Liste</translation>
    </message>
    <message id="confui.page.IniExclSLS">
        <source>Exclude - SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - SLS/RBL</translation>
    </message>
    <message id="confui.page.IniExclDNSWL">
        <source>Exclude - DNSWL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - DNSWL</translation>
    </message>
    <message id="confui.page.IniExclDKIM">
        <source>Exclude - DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - DKIM</translation>
    </message>
    <message id="confui.page.IniExclSPF">
        <source>Exclude - SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - SPF</translation>
    </message>
    <message id="confui.page.IniExclOth">
        <source>Exclude - Other</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - Sonstige</translation>
    </message>
    <message id="confui.page.IniExclOpt">
        <source>Exclude - Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Ausschließen - Optionen</translation>
    </message>
    <message id="confui.excl.InFrom">
        <source>Inbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Eingehend, nie blockierte MAIL-FROM-Adressen:</translation>
    </message>
    <message id="confui.excl.InTo">
        <source>Inbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Eingehend, nie blockierte RCPT-TO-Adressen:</translation>
    </message>
    <message id="confui.excl.OutFrom">
        <source>Outbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Ausgehend, nie blockierte MAIL-FROM-Adressen:</translation>
    </message>
    <message id="confui.excl.OutTo">
        <source>Outbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Ausgehend, nie blockierte RCPT-TO-Adressen:</translation>
    </message>
    <message id="confui.excl.InSubj">
        <source>Inbound subjects never blocked:</source>
        <translation>Eingehend, nie blockierte Betreffs:</translation>
    </message>
    <message id="confui.excl.OutSubj">
        <source>Outbound subjects never blocked:</source>
        <translation>Ausgehend, nie blockierte Betreffs:</translation>
    </message>
    <message id="confui.excl.InText">
        <source>Inbound texts that exempt a message:</source>
        <translation>Eingehend, Texte, die eine Nachricht ausnehmen:</translation>
    </message>
    <message id="confui.excl.OutText">
        <source>Outbound texts that exempt a message:</source>
        <translation>Ausgehend, Texte, die eine Nachricht ausnehmen:</translation>
    </message>
    <message id="confui.excl.InHTML">
        <source>Inbound HTML that exempts a message:</source>
        <translation>Eingehend, HTML, das eine Nachricht ausnimmt:</translation>
    </message>
    <message id="confui.excl.OutHTML">
        <source>Outbound HTML that exempts a message:</source>
        <translation>Ausgehend, HTML, das eine Nachricht ausnimmt:</translation>
    </message>
    <message id="confui.excl.IP">
        <source>IP addresses never blocked:</source>
        <translation>Nie blockierte IP-Adressen:</translation>
    </message>
    <message id="confui.excl.Host">
        <source>Host names never blocked:</source>
        <translation>Nie blockierte Hostnamen:</translation>
    </message>
    <message id="confui.excl.AWL">
        <source>Build a white list from the recipients of outbound messages</source>
        <translation>Weiße Liste aus den Empfängern ausgehender Nachrichten aufbauen</translation>
    </message>
    <message id="confui.excl.AWLUser">
        <source>Keep one white list per user</source>
        <translation>Eine weiße Liste je Benutzer führen</translation>
    </message>
    <message id="confui.excl.AWLPack">
        <source>Pack the white list automatically</source>
        <translation>Weiße Liste automatisch packen</translation>
    </message>
    <message id="confui.excl.AWLSlots">
        <source>Maximum number of entries:</source>
        <translation>Höchstzahl der Einträge:</translation>
    </message>
    <message id="confui.excl.AWLFeedAdd">
        <source>Address to which users send entries to add:</source>
        <translation>Adresse, an die Benutzer neue Einträge senden:</translation>
    </message>
    <message id="confui.excl.AWLFeedDel">
        <source>Address to which users send entries to remove:</source>
        <translation>Adresse, an die Benutzer zu löschende Einträge senden:</translation>
    </message>
    <message id="confui.excl.SLS">
        <source>Exempt senders listed in these DNS whitelists</source>
        <translation>Absender ausnehmen, die in diesen DNS-Whitelists stehen</translation>
    </message>
    <message id="confui.excl.SLSIPHeader">
        <source>Also check the addresses in the Received headers</source>
        <translation>Auch die Adressen in den Received-Kopfzeilen prüfen</translation>
    </message>
    <message id="confui.excl.SLSIP">
        <source>Whitelist zones for IP addresses:</source>
        <translation>Whitelist-Zonen für IP-Adressen:</translation>
    </message>
    <message id="confui.excl.SLSDom">
        <source>Whitelist zones for domains:</source>
        <translation>Whitelist-Zonen für Domänen:</translation>
    </message>
    <message id="confui.excl.DNSWL">
        <source>Exempt senders listed in the public DNS whitelist (DNSWL)</source>
        <translation>In der öffentlichen DNS-Whitelist (DNSWL) gelistete Absender ausnehmen</translation>
    </message>
    <message id="confui.excl.DNSWLCat">
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message id="confui.excl.DNSWLTrust">
        <source>Trustworthiness:</source>
        <translation>Vertrauenswürdigkeit:</translation>
    </message>
    <message id="confui.excl.DNSWLCatAll">
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message id="confui.excl.DNSWLTrustAny">
        <source>Any trust level</source>
        <translation>Jede Vertrauensstufe</translation>
    </message>
    <message id="confui.excl.DNSWLHeader">
        <source>The Received-header setting of the SLS/RBL exclusion page applies here too.</source>
        <translation>Die Einstellung zu den Received-Kopfzeilen auf der Seite SLS/RBL gilt auch hier.</translation>
    </message>
    <message id="confui.dnswl.cat0">
        <source>not in use</source>
        <translation>nicht verwendet</translation>
    </message>
    <message id="confui.dnswl.cat2">
        <source>Financial services</source>
        <translation>Finanzdienstleistungen</translation>
    </message>
    <message id="confui.dnswl.cat3">
        <source>Email Service Providers</source>
        <translation>E-Mail-Dienstanbieter</translation>
    </message>
    <message id="confui.dnswl.cat4">
        <source>Organisations (both for-profit and non-profit)</source>
        <translation>Organisationen (gewinnorientiert und gemeinnützig)</translation>
    </message>
    <message id="confui.dnswl.cat5">
        <source>Service/network providers</source>
        <translation>Dienst-/Netzanbieter</translation>
    </message>
    <message id="confui.dnswl.cat6">
        <source>Personal/private servers</source>
        <translation>Persönliche/private Server</translation>
    </message>
    <message id="confui.dnswl.cat7">
        <source>Travel/leisure industry</source>
        <translation>Reise-/Freizeitbranche</translation>
    </message>
    <message id="confui.dnswl.cat8">
        <source>Public sector/governments</source>
        <translation>Öffentlicher Sektor/Behörden</translation>
    </message>
    <message id="confui.dnswl.cat9">
        <source>Media and Tech companies</source>
        <translation>Medien- und Technologieunternehmen</translation>
    </message>
    <message id="confui.dnswl.cat10">
        <source>Some special cases</source>
        <translation>Einige Sonderfälle</translation>
    </message>
    <message id="confui.dnswl.cat11">
        <source>Education, academic</source>
        <translation>Bildung, Hochschulen</translation>
    </message>
    <message id="confui.dnswl.cat12">
        <source>Healthcare</source>
        <translation>Gesundheitswesen</translation>
    </message>
    <message id="confui.dnswl.cat13">
        <source>Manufacturing/Industrial</source>
        <translation>Produktion/Industrie</translation>
    </message>
    <message id="confui.dnswl.cat14">
        <source>Retail/Wholesale/Services</source>
        <translation>Einzel-/Großhandel/Dienstleistungen</translation>
    </message>
    <message id="confui.dnswl.cat15">
        <source>Email Marketing Providers</source>
        <translation>E-Mail-Marketing-Anbieter</translation>
    </message>
    <message id="confui.dnswl.trust0">
        <source>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</source>
        <translation>Keine - Legitimer Mailserver, kann Spam senden (z. B. Hotmail, Yahoo)</translation>
    </message>
    <message id="confui.dnswl.trust1">
        <source>Low - Occasional spam occurrences, actively corrected but less promptly</source>
        <translation>Niedrig - Gelegentlich Spam, wird behoben, aber nicht sofort</translation>
    </message>
    <message id="confui.dnswl.trust2">
        <source>Medium - Extremely rare spam occurrences, corrected promptly</source>
        <translation>Mittel - Äußerst selten Spam, wird sofort behoben</translation>
    </message>
    <message id="confui.dnswl.trust3">
        <source>High - Never sends spam</source>
        <translation>Hoch - Sendet nie Spam</translation>
    </message>
    <message id="confui.excl.DKIM">
        <source>Exempt messages with a valid DKIM signature</source>
        <translation>Nachrichten mit gültiger DKIM-Signatur ausnehmen</translation>
    </message>
    <message id="confui.excl.DKIMFrom">
        <source>Only for these sender addresses:</source>
        <translation>Nur für diese Absenderadressen:</translation>
    </message>
    <message id="confui.excl.SPF">
        <source>Exempt messages whose sender passes the SPF check</source>
        <translation>Nachrichten ausnehmen, deren Absender die SPF-Prüfung besteht</translation>
    </message>
    <message id="confui.excl.TLS">
        <source>Exempt messages received over TLS</source>
        <translation>Über TLS empfangene Nachrichten ausnehmen</translation>
    </message>
    <message id="confui.excl.Auth">
        <source>Exempt authenticated senders</source>
        <translation>Authentifizierte Absender ausnehmen</translation>
    </message>
    <message id="confui.excl.MailList">
        <source>Exempt messages of mailing lists</source>
        <translation>Nachrichten von Mailinglisten ausnehmen</translation>
    </message>
    <message id="confui.excl.OptWL">
        <source>The White list excludes from these methods:</source>
        <translation>Die weiße Liste nimmt von diesen Verfahren aus:</translation>
    </message>
    <message id="confui.excl.OptGlobal">
        <source>All other exclusions excludes from these methods:</source>
        <translation>Alle anderen Ausnahmen nehmen von diesen Verfahren aus:</translation>
    </message>
    <message id="confui.method.Adr">
        <source>E-mail</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>E-Mail</translation>
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
        <translation>Betreff</translation>
    </message>
    <message id="confui.method.Text">
        <source>Text</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Text</translation>
    </message>
    <message id="confui.method.HTML">
        <source>HTML</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.method.Att">
        <source>Attachment</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Anhang</translation>
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
        <translation>Office-Makros</translation>
    </message>
    <message id="confui.method.MSOPP">
        <source>Office passwords</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Office-Kennwörter</translation>
    </message>
    <message id="confui.method.MSOEM">
        <source>Office embedded files</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Eingebettete Office-Dateien</translation>
    </message>
    <message id="confui.method.SLS">
        <source>SLS/RBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.method.CTY">
        <source>Country</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Land</translation>
    </message>
    <message id="confui.method.Bayes">
        <source>Bayes</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.method.Heur">
        <source>Heuristic</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Heuristik</translation>
    </message>
    <message id="confui.method.Hdr">
        <source>Header</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Kopfzeile</translation>
    </message>
    <message id="confui.method.Phi">
        <source>Phishing</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Phishing</translation>
    </message>
    <message id="confui.method.NoTo">
        <source>Missing To:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Fehlendes To:</translation>
    </message>
    <message id="confui.method.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Interner Absender von außen</translation>
    </message>
    <message id="confui.method.NoFrom">
        <source>Faked From:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Gefälschtes From:</translation>
    </message>
    <message id="confui.method.NoMx">
        <source>No MX record</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Kein MX-Eintrag</translation>
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
        <translation>Bild</translation>
    </message>
    <message id="confui.method.CharSet">
        <source>Charset</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Zeichensatz</translation>
    </message>
    <message id="confui.method.ABIP">
        <source>Auto IP</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Auto-IP</translation>
    </message>
    <message id="confui.method.SEBA">
        <source>Senderbase</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Senderbase</translation>
    </message>
    <message id="confui.method.BCKS">
        <source>Backscatter</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Rückstreuung</translation>
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
        <translation>ClamAV-Makros</translation>
    </message>
    <message id="confui.method.CAXCR">
        <source>Community rules</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Community-Regeln</translation>
    </message>
    <message id="confui.method.UDM">
        <source>UDM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.method.Abs">
        <source>Absolute</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Absolut</translation>
    </message>
    <message id="confui.method.GreyList">
        <source>Greylisting</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Greylisting</translation>
    </message>
    <message id="confui.method.ToAdr">
        <source>E-mail address</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>E-Mail-Adresse</translation>
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
        <translation>Phishing-Nachrichten blockieren</translation>
    </message>
    <message id="confui.IniPhi.SPF">
        <source>Use the SPF result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>SPF-Ergebnis verwenden</translation>
    </message>
    <message id="confui.IniPhi.DKIM">
        <source>Use the DKIM result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>DKIM-Ergebnis verwenden</translation>
    </message>
    <message id="confui.IniPhi.DMARC">
        <source>Use the DMARC policy</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>DMARC-Richtlinie verwenden</translation>
    </message>
    <message id="confui.IniPhi.URL">
        <source>Compare the links with their visible text</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Links mit ihrem sichtbaren Text vergleichen</translation>
    </message>
    <message id="confui.IniPhi.BaseDomain">
        <source>Ignore links to the same base domain</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Links auf dieselbe Stammdomäne ignorieren</translation>
    </message>
    <message id="confui.IniPhi.Verbose">
        <source>Log phishing checks</source>
        <extracomment>On the page &quot;Phishing&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Phishing-Prüfungen protokollieren</translation>
    </message>
    <message id="confui.page.ConfMS1">
        <source>Mark Subject - 1</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff markieren - 1</translation>
    </message>
    <message id="confui.page.ConfMS2">
        <source>Mark Subject - 2</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff markieren - 2</translation>
    </message>
    <message id="confui.page.ConfMS3">
        <source>Mark Subject - 3</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff markieren - 3</translation>
    </message>
    <message id="confui.page.ConfMS4">
        <source>Mark Subject - 4</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff markieren - 4</translation>
    </message>
    <message id="confui.page.ConfMS5">
        <source>Mark Subject - 5</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Betreff markieren - 5</translation>
    </message>
    <message id="confui.page.ConfIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP-Adresse</translation>
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
        <translation>Threads</translation>
    </message>
    <message id="confui.page.ConfAdm">
        <source>Admin</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verwaltung</translation>
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
        <translation>Weiße Liste</translation>
    </message>
    <message id="confui.page.ConfAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Erweitert</translation>
    </message>
    <message id="confui.ConfMS.General">
        <source>Mark put into the subject by every method (empty: each method&apos;s own):</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung im Betreff für alle Verfahren (leer: die des Verfahrens):</translation>
    </message>
    <message id="confui.ConfMS.Right">
        <source>Put the mark on the right side of the subject</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung rechts im Betreff einfügen</translation>
    </message>
    <message id="confui.ConfMS.RemoveHTML">
        <source>Mark when HTML was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung bei entferntem HTML:</translation>
    </message>
    <message id="confui.ConfMS.DecodeHTML">
        <source>Mark when HTML was decoded:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung bei dekodiertem HTML:</translation>
    </message>
    <message id="confui.ConfMS.RemoveTNEF">
        <source>Mark when TNEF was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung bei entferntem TNEF:</translation>
    </message>
    <message id="confui.ConfMS.RemoveSMIME">
        <source>Mark when S/MIME was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung bei entferntem S/MIME:</translation>
    </message>
    <message id="confui.ConfMS.Note">
        <source>Mark put into the subject of a caught message, per method:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Markierung im Betreff einer erkannten Nachricht, je Verfahren:</translation>
    </message>
    <message id="confui.ConfIP.Address">
        <source>Bind to IP address (empty: all addresses):</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>An IP-Adresse binden (leer: alle Adressen):</translation>
    </message>
    <message id="confui.ConfIP.MachineName">
        <source>Host name (FQDN) used in the greeting:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Im Gruß verwendeter Hostname (FQDN):</translation>
    </message>
    <message id="confui.ConfIP.NAT">
        <source>Official addresses behind NAT:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Offizielle Adressen hinter NAT:</translation>
    </message>
    <message id="confui.ConfIP.InPort">
        <source>Inbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Eingehender SMTP-Port:</translation>
    </message>
    <message id="confui.ConfIP.OutPort">
        <source>Outbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Ausgehender SMTP-Port:</translation>
    </message>
    <message id="confui.ConfDSN.From">
        <source>Sender address of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Absenderadresse der Zustellberichte:</translation>
    </message>
    <message id="confui.ConfDSN.Format">
        <source>Format of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;: the setting Format of Morva.ini.</extracomment>
        <translation>Format der Zustellberichte:</translation>
    </message>
    <message id="confui.ConfDSN.Format0">
        <source>Plain text message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Reine Textnachricht</translation>
    </message>
    <message id="confui.ConfDSN.Format1">
        <source>Standard report (RFC 3464)</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Standardbericht (RFC 3464)</translation>
    </message>
    <message id="confui.ConfDSN.Format2">
        <source>Standard report with a readable text part</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Standardbericht mit lesbarem Textteil</translation>
    </message>
    <message id="confui.ConfDSN.Return">
        <source>Content returned in a report:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Im Bericht zurückgegebener Inhalt:</translation>
    </message>
    <message id="confui.ConfDSN.Return0">
        <source>The headers of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Die Kopfzeilen der Nachricht</translation>
    </message>
    <message id="confui.ConfDSN.Return1">
        <source>The whole message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Die ganze Nachricht</translation>
    </message>
    <message id="confui.ConfDSN.Return2">
        <source>Nothing of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Nichts von der Nachricht</translation>
    </message>
    <message id="confui.ConfDNS.Resolve">
        <source>For resolving A and PTR records:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Zum Auflösen von A- und PTR-Einträgen:</translation>
    </message>
    <message id="confui.ConfDNS.Own">
        <source>Use the gateway&apos;s own DNS queries</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Eigene DNS-Abfragen des Gateways verwenden</translation>
    </message>
    <message id="confui.ConfDNS.System">
        <source>Use the resolver of the operating system</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Auflöser des Betriebssystems verwenden</translation>
    </message>
    <message id="confui.ConfDNS.Transport">
        <source>Transport of DNS queries:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Transport der DNS-Abfragen:</translation>
    </message>
    <message id="confui.ConfDNS.UDP">
        <source>UDP (TCP for long answers)</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>UDP (TCP für lange Antworten)</translation>
    </message>
    <message id="confui.ConfDNS.TCP">
        <source>TCP only</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Nur TCP</translation>
    </message>
    <message id="confui.ConfThr.In">
        <source>Maximum number of inbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Höchstzahl eingehender Threads:</translation>
    </message>
    <message id="confui.ConfThr.Out">
        <source>Maximum number of outbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Höchstzahl ausgehender Threads:</translation>
    </message>
    <message id="confui.ConfThr.InBayes">
        <source>Skip the Bayes filter while all inbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Bayes-Filter auslassen, solange alle eingehenden Threads belegt sind</translation>
    </message>
    <message id="confui.ConfThr.OutBayes">
        <source>Skip the Bayes filter while all outbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Bayes-Filter auslassen, solange alle ausgehenden Threads belegt sind</translation>
    </message>
    <message id="confui.ConfThr.Watermark">
        <source>Refuse inbound connections while all threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Eingehende Verbindungen ablehnen, solange alle Threads belegt sind</translation>
    </message>
    <message id="confui.ConfAdm.ShowLog">
        <source>Show the log file in the main window</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Protokolldatei im Hauptfenster anzeigen</translation>
    </message>
    <message id="confui.ConfAdm.LogPath">
        <source>Folder of the log file (empty: the gateway&apos;s log folder):</source>
        <extracomment>On the page &quot;Admin&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Ordner der Protokolldatei (leer: Protokollordner des Gateways):</translation>
    </message>
    <message id="confui.ConfAdm.CheckDir">
        <source>On input warn if a selected directory does not exist</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Bei der Eingabe warnen, wenn ein gewähltes Verzeichnis nicht existiert</translation>
    </message>
    <message id="confui.ConfAdm.Font">
        <source>Font of the log view:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Schriftart der Protokollansicht:</translation>
    </message>
    <message id="confui.ConfAdm.FontSize">
        <source>Font size:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Schriftgröße:</translation>
    </message>
    <message id="confui.ConfESMTP.In">
        <source>Inbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Eingehende ESMTP-Erweiterungen</translation>
    </message>
    <message id="confui.ConfESMTP.Out">
        <source>Outbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Ausgehende ESMTP-Erweiterungen</translation>
    </message>
    <message id="confui.ConfESMTP.ESMTP">
        <source>ESMTP (all extensions)</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>ESMTP (alle Erweiterungen)</translation>
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
        <translation>Dauerhafte Fehler von Exchange beachten</translation>
    </message>
    <message id="confui.ConfSMTP.4xx">
        <source>Treat 4xx answers of Exchange as permanent errors</source>
        <translation>4xx-Antworten von Exchange als dauerhafte Fehler behandeln</translation>
    </message>
    <message id="confui.ConfSMTP.DataTimeout">
        <source>Treat a DATA time-out of Exchange as a permanent error</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>DATA-Zeitüberschreitung von Exchange als dauerhaften Fehler behandeln</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreMailFrom">
        <source>Ignore permanent errors after MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Dauerhafte Fehler nach MAIL FROM ignorieren</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreSLS">
        <source>Ignore errors of remote servers that block us by blocklist</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Fehler entfernter Server ignorieren, die uns per Sperrliste blockieren</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecv">
        <source>Do not add a Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Keine Received-Kopfzeile hinzufügen</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecvFor">
        <source>Leave the recipient out of the Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Empfänger in der Received-Kopfzeile weglassen</translation>
    </message>
    <message id="confui.ConfSMTP.SizeCheck">
        <source>Check the size limit while the message is transferred</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Größenlimit bereits während der Übertragung prüfen</translation>
    </message>
    <message id="confui.ConfSMTP.CloseMailFrom">
        <source>Close the connection after an error in MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Verbindung nach einem Fehler in MAIL FROM schließen</translation>
    </message>
    <message id="confui.ConfAWL.Verbose">
        <source>Log the white list synchronisation</source>
        <extracomment>On the page &quot;White List&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Abgleich der weißen Liste protokollieren</translation>
    </message>
    <message id="confui.ConfAWL.Master">
        <source>Act as synchronisation master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Als Abgleich-Master arbeiten</translation>
    </message>
    <message id="confui.ConfAWL.AllowIP">
        <source>Clients allowed to synchronise:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Zum Abgleich zugelassene Clients:</translation>
    </message>
    <message id="confui.ConfAWL.Protocol">
        <source>Protocol:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Protokoll:</translation>
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
        <translation>Als Abgleich-Client arbeiten</translation>
    </message>
    <message id="confui.ConfAWL.MasterIP">
        <source>Address of the master:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Adresse des Masters:</translation>
    </message>
    <message id="confui.ConfAWL.CacheNeg">
        <source>Remember negative answers of the master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Negative Antworten des Masters merken</translation>
    </message>
    <message id="confui.ConfAdv.TempPath">
        <source>Temporary folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting TempPath of Morva.ini.</extracomment>
        <translation>Temporärer Ordner:</translation>
    </message>
    <message id="confui.ConfAdv.DiskFull">
        <source>Warn when free disk space falls below (MB):</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Warnen, wenn der freie Speicher unter diesen Wert fällt (MB):</translation>
    </message>
    <message id="confui.ConfAdv.Screen">
        <source>Force screen output</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Bildschirmausgabe erzwingen</translation>
    </message>
    <message id="confui.ConfAdv.InDup">
        <source>Deliver a separate copy of inbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Eingehende Nachrichten für jeden Empfänger einzeln zustellen</translation>
    </message>
    <message id="confui.ConfAdv.OutDup">
        <source>Deliver a separate copy of outbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Ausgehende Nachrichten für jeden Empfänger einzeln zustellen</translation>
    </message>
    <message id="confui.ConfAdv.SpamFolder">
        <source>Spam folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SpamFolder of Morva.ini.</extracomment>
        <translation>Spam-Ordner:</translation>
    </message>
    <message id="confui.ConfAdv.Language">
        <source>Language:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Sprache:</translation>
    </message>
    <message id="confui.ConfAdv.Auto">
        <source>Auto Detect</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Automatisch erkennen</translation>
    </message>
    <message id="confui.lang.ENG">
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message id="confui.lang.DEU">
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message id="confui.lang.FRA">
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message id="confui.lang.ITA">
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message id="confui.lang.SPA">
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message id="confui.pol.capVrfy">
        <source>Signer</source>
        <translation>Signierer</translation>
    </message>
    <message id="confui.pol.capSign">
        <source>Signing certificate</source>
        <translation>Signaturzertifikat</translation>
    </message>
    <message id="confui.pol.capDecr">
        <source>Decryption certificate</source>
        <translation>Entschlüsselungszertifikat</translation>
    </message>
    <message id="confui.pol.capEncr">
        <source>Encryption certificate</source>
        <translation>Verschlüsselungszertifikat</translation>
    </message>
    <message id="confui.pol.capInPol">
        <source>Inbound S/MIME policy</source>
        <translation>S/MIME-Richtlinie eingehend</translation>
    </message>
    <message id="confui.pol.capOutPol">
        <source>Outbound S/MIME policy</source>
        <translation>S/MIME-Richtlinie ausgehend</translation>
    </message>
    <message id="confui.pol.capTlsIn">
        <source>Inbound TLS policy</source>
        <translation>TLS-Richtlinie eingehend</translation>
    </message>
    <message id="confui.pol.capTlsOut">
        <source>Outbound TLS policy</source>
        <translation>TLS-Richtlinie ausgehend</translation>
    </message>
    <message id="confui.pol.capDkim">
        <source>DKIM signing</source>
        <translation>DKIM-Signatur</translation>
    </message>
    <message id="confui.pol.fSender">
        <source>Sender address or pattern:</source>
        <translation>Absenderadresse oder Muster:</translation>
    </message>
    <message id="confui.pol.fRecipient">
        <source>Recipient address or pattern:</source>
        <translation>Empfängeradresse oder Muster:</translation>
    </message>
    <message id="confui.pol.fCertificate">
        <source>Certificate file:</source>
        <translation>Zertifikatsdatei:</translation>
    </message>
    <message id="confui.pol.fPassword">
        <source>Password of the private key:</source>
        <translation>Kennwort des privaten Schlüssels:</translation>
    </message>
    <message id="confui.pol.fNeedSigned">
        <source>Signature required</source>
        <translation>Signatur erforderlich</translation>
    </message>
    <message id="confui.pol.fNeedEncrypted">
        <source>Encryption required</source>
        <translation>Verschlüsselung erforderlich</translation>
    </message>
    <message id="confui.pol.fAction">
        <source>Action when not met:</source>
        <translation>Aktion bei Nichterfüllung:</translation>
    </message>
    <message id="confui.pol.fClient">
        <source>Client IP address or host name:</source>
        <translation>IP-Adresse oder Hostname des Clients:</translation>
    </message>
    <message id="confui.pol.fDestination">
        <source>Destination domain or host:</source>
        <translation>Zieldomäne oder Host:</translation>
    </message>
    <message id="confui.pol.fTlsMode">
        <source>TLS:</source>
        <translation>TLS:</translation>
    </message>
    <message id="confui.pol.fDomain">
        <source>Domain:</source>
        <translation>Domäne:</translation>
    </message>
    <message id="confui.pol.fSelector">
        <source>Selector:</source>
        <translation>Selektor:</translation>
    </message>
    <message id="confui.pol.fKeyFile">
        <source>Private key file:</source>
        <translation>Datei des privaten Schlüssels:</translation>
    </message>
    <message id="confui.pol.tlsOptional">
        <source>Use TLS when offered</source>
        <translation>TLS nutzen, wenn angeboten</translation>
    </message>
    <message id="confui.pol.tlsRequired">
        <source>Require TLS</source>
        <translation>TLS verlangen</translation>
    </message>
    <message id="confui.pol.tlsVerify">
        <source>Require TLS and a valid certificate</source>
        <translation>TLS und ein gültiges Zertifikat verlangen</translation>
    </message>
    <message id="confui.pol.unreadable">
        <source>(unreadable entry, kept as it is)</source>
        <translation>(unlesbarer Eintrag, bleibt unverändert)</translation>
    </message>
    <message id="confui.pol.noCertDir">
        <source>The certificate folder holds no *.pem files:</source>
        <translation>Der Zertifikatsordner enthält keine *.pem-Dateien:</translation>
    </message>
    <message id="confui.pol.certMissing">
        <source>The certificate file is not in the certificate folder:</source>
        <translation>Die Zertifikatsdatei liegt nicht im Zertifikatsordner:</translation>
    </message>
    <message id="confui.pol.void">
        <source>(no fixed certificate)</source>
        <translation>(kein festes Zertifikat)</translation>
    </message>
    <message id="confui.pol.errCharacter">
        <source>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</source>
        <translation>Das Feld enthält ein Zeichen, das die Konfigurationsdatei nicht aufnehmen kann (ein Steuerzeichen oder ein Semikolon in einer Liste mit Kommentaren).</translation>
    </message>
    <message id="confui.pol.errAddress">
        <source>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</source>
        <translation>Bitte eine gültige E-Mail-Adresse oder ein Muster eingeben!
Format ist benutzer@beispiel.de, *@beispiel.de oder *</translation>
    </message>
    <message id="confui.pol.errHost">
        <source>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</source>
        <translation>Bitte einen gültigen Hostnamen, eine Domäne oder IP-Adresse eingeben!
Platzhalter * und ? sind erlaubt.</translation>
    </message>
    <message id="confui.pol.errDomain">
        <source>Please enter a valid domain name!
Format is example.com</source>
        <translation>Bitte einen gültigen Domänennamen eingeben!
Format ist beispiel.de</translation>
    </message>
    <message id="confui.pol.errSelector">
        <source>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</source>
        <translation>Bitte einen gültigen Selektor eingeben!
Buchstaben, Ziffern und Bindestriche, Teile durch Punkte getrennt.</translation>
    </message>
    <message id="confui.pol.errCertificate">
        <source>Please choose a certificate file (*.pem) of the certificate folder!</source>
        <translation>Bitte eine Zertifikatsdatei (*.pem) des Zertifikatsordners wählen!</translation>
    </message>
    <message id="confui.pol.errVoid">
        <source>This list needs a certificate file.</source>
        <translation>Diese Liste braucht eine Zertifikatsdatei.</translation>
    </message>
    <message id="confui.pol.errChoice">
        <source>Please choose one of the offered values!</source>
        <translation>Bitte einen der angebotenen Werte wählen!</translation>
    </message>
    <message id="confui.pol.errUnreadable">
        <source>The entry cannot be read.</source>
        <translation>Der Eintrag kann nicht gelesen werden.</translation>
    </message>
    <message id="confui.c2.sheetLeft">
        <source>Not available yet</source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message id="confui.pol.capCert">
        <source>Certificate</source>
        <translation>Zertifikat</translation>
    </message>
    <message id="confui.pol.capPol">
        <source>S/MIME policy</source>
        <translation>S/MIME-Richtlinie</translation>
    </message>
    <message id="confui.pol.capTls">
        <source>TLS policy</source>
        <translation>TLS-Richtlinie</translation>
    </message>
    <message id="confui.IniDisc.Edit">
        <source>Edit the disclaimer &amp;text...</source>
        <extracomment>On the page &quot;Disclaimer&quot;. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Text des Haftungsausschlusses bearbeiten...</translation>
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
        <translation>Versuche, die Datendateien zu sperren...</translation>
    </message>
    <message id="db.locking">
        <source>Locking the data files...</source>
        <translation>Die Datendateien werden gesperrt...</translation>
    </message>
    <message id="db.lockFailed">
        <source>Unable to lock the data files!</source>
        <translation>Die Datendateien können nicht gesperrt werden!</translation>
    </message>
    <message id="db.locked">
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message id="db.writeFailed">
        <source>Unable to write the data files! These files may have lost changes:</source>
        <translation>Die Datendateien können nicht geschrieben werden! In diesen Dateien sind möglicherweise Änderungen verloren gegangen:</translation>
    </message>
    <message id="db.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Ein leeres Feld ist nicht erlaubt!</translation>
    </message>
    <message id="db.invalidAddress">
        <source>Please enter a valid SMTP address!</source>
        <translation>Bitte geben Sie eine gültige SMTP-Adresse ein!</translation>
    </message>
    <message id="db.formatIs">
        <source>Format is </source>
        <translation>Format ist </translation>
    </message>
    <message id="db.tooLong">
        <source>The value is too long! At most %1 characters are allowed.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Wert ist zu lang! Höchstens %1 Zeichen sind erlaubt.</translation>
    </message>
    <message id="db.controlCharacter">
        <source>The value contains control characters, which the record files cannot hold!</source>
        <translation>Der Wert enthält Steuerzeichen, die die Datensatzdateien nicht aufnehmen können!</translation>
    </message>
    <message id="db.badBlockType">
        <source>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</source>
        <translation>Der Sperrtyp muss 0 (IP-Adresse), 1 (Hostname) oder 2 (MAIL FROM: E-Mail-Adresse) sein!</translation>
    </message>
    <message id="db.aliasNotFound">
        <source>Unable to find record in DataAlia!</source>
        <translation>Datensatz in DataAlia nicht gefunden!</translation>
    </message>
    <message id="db.blockNotFound">
        <source>Unable to find record in DataBlock!</source>
        <translation>Datensatz in DataBlock nicht gefunden!</translation>
    </message>
    <message id="db.userNotFound">
        <source>Unable to find record in DataUser!</source>
        <translation>Datensatz in DataUser nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>records (record lists and sheets)</name>
    <message id="records.counting">
        <source>Counting records...</source>
        <translation>Datensätze werden gezählt...</translation>
    </message>
    <message id="records.reading">
        <source>Reading records...</source>
        <translation>Datensätze werden gelesen...</translation>
    </message>
    <message id="records.deleteRecord">
        <source>Delete record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message id="records.deleteAll">
        <source>Delete all selected records</source>
        <translation>Alle ausgewählten Datensätze löschen</translation>
    </message>
    <message id="records.new">
        <source>&amp;New</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message id="records.edit">
        <source>&amp;Edit</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="records.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="records.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="records.ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="records.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="records.col.rec">
        <source>Rec</source>
        <translation>Nr.</translation>
    </message>
    <message id="records.col.from">
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message id="records.col.to">
        <source>To</source>
        <translation>An</translation>
    </message>
    <message id="records.col.type">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="records.col.blockValue">
        <source>IP address / Host / Domain / E-Mail</source>
        <translation>IP-Adresse / Host / Domäne / E-Mail</translation>
    </message>
    <message id="records.col.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="records.col.email">
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message id="records.aliasList">
        <source>E-mail Forwarding</source>
        <translation>E-Mail-Weiterleitung</translation>
    </message>
    <message id="records.blockList">
        <source>SMTP Blocking</source>
        <translation>SMTP-Sperre</translation>
    </message>
    <message id="records.userList">
        <source>E-mail address on Exchange</source>
        <translation>E-Mail-Adresse auf Exchange</translation>
    </message>
    <message id="records.type.ip">
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message id="records.type.host">
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message id="records.type.mailFrom">
        <source>MAIL FROM: e-mail address</source>
        <translation>MAIL FROM: E-Mail-Adresse</translation>
    </message>
    <message id="records.type.mailDomain">
        <source>MAIL FROM: e-mail domain</source>
        <translation>MAIL FROM: E-Mail-Domäne</translation>
    </message>
    <message id="records.type.unknown">
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message id="records.aliasSheet">
        <source>SMTP Forwarding</source>
        <translation>SMTP-Weiterleitung</translation>
    </message>
    <message id="records.aliasPage">
        <source>E-mail Forwarding</source>
        <translation>E-Mail-Weiterleitung</translation>
    </message>
    <message id="records.group.forward">
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message id="records.forwardAddress">
        <source>Forward e-mail address:</source>
        <translation>E-Mail-Adresse weiterleiten:</translation>
    </message>
    <message id="records.toAddress">
        <source>To e-mail address:</source>
        <translation>An E-Mail-Adresse:</translation>
    </message>
    <message id="records.group.options">
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message id="records.deliverOriginal">
        <source>Deliver to original e-mail address after forwarding</source>
        <translation>Nach dem Weiterleiten auch an die ursprüngliche E-Mail-Adresse zustellen</translation>
    </message>
    <message id="records.blockSheet">
        <source>SMTP Blocking</source>
        <translation>SMTP-Sperre</translation>
    </message>
    <message id="records.blockPage">
        <source>SMTP Blocking</source>
        <translation>SMTP-Sperre</translation>
    </message>
    <message id="records.group.doNotAccept">
        <source>Do not accept a SMTP message from</source>
        <translation>Keine SMTP-Nachricht annehmen von</translation>
    </message>
    <message id="records.blockValue">
        <source>IP address / Host / Domain / E-Mail:</source>
        <translation>IP-Adresse / Host / Domäne / E-Mail:</translation>
    </message>
    <message id="records.group.samples">
        <source>Samples</source>
        <translation>Beispiele</translation>
    </message>
    <message id="records.sample.ip">
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message id="records.sample.host">
        <source>Hostname:</source>
        <translation>Hostname:</translation>
    </message>
    <message id="records.sample.hostValue">
        <source>mx.domain.com or domain.com for all hosts in a domain</source>
        <translation>mx.domain.com oder domain.com für alle Hosts einer Domäne</translation>
    </message>
    <message id="records.sample.mail">
        <source>MAIL FROM: e-mail address:</source>
        <translation>MAIL FROM: E-Mail-Adresse:</translation>
    </message>
    <message id="records.sample.mailValue">
        <source>user@domain.com, or @domain.com for a full domain</source>
        <translation>user@domain.com, oder @domain.com für eine ganze Domäne</translation>
    </message>
    <message id="records.keptType">
        <source>Stored type %1 (kept unless you choose another)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Gespeicherter Typ %1 (bleibt, solange Sie keinen anderen wählen)</translation>
    </message>
    <message id="records.userSheet">
        <source>User Address</source>
        <translation>Benutzeradresse</translation>
    </message>
    <message id="records.userPage">
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message id="records.group.userInfo">
        <source>User Information</source>
        <translation>Benutzerinformationen</translation>
    </message>
    <message id="records.userName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="records.userAddress">
        <source>E-mail address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message id="records.domainList">
        <source>E-mail domain on Exchange</source>
        <translation>E-Mail-Domäne auf Exchange</translation>
    </message>
    <message id="records.domainListText">
        <source>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</source>
        <translation>Fügen Sie die E-Mail-Domäne hinzu, für die Ihr Exchange zuständig ist, z. B. example.com.</translation>
    </message>
    <message id="records.domainListText2">
        <source>Only messages to these domains are routed to Exchange.</source>
        <translation>Nur Nachrichten an diese Domänen werden an Exchange weitergeleitet.</translation>
    </message>
    <message id="records.domainField">
        <source>Domain:</source>
        <translation>Domäne:</translation>
    </message>
    <message id="records.commentField">
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message id="records.routeList">
        <source>Message Routing</source>
        <translation>Nachrichten-Routing</translation>
    </message>
    <message id="records.col.routeDomain">
        <source>E-Mail Domain</source>
        <translation>E-Mail-Domäne</translation>
    </message>
    <message id="records.col.host">
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message id="records.col.port">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="records.group.routeAll">
        <source>Route all messages</source>
        <translation>Alle Nachrichten leiten</translation>
    </message>
    <message id="records.routeDomain">
        <source>for e-mail domain:</source>
        <translation>für E-Mail-Domäne:</translation>
    </message>
    <message id="records.routeHost">
        <source>to host:</source>
        <translation>an Host:</translation>
    </message>
    <message id="records.routePort">
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message id="records.badPort">
        <source>Please enter a port number from 2 to 65535!</source>
        <translation>Bitte geben Sie eine Portnummer von 2 bis 65535 ein!</translation>
    </message>
    <message id="records.badRouteDomain">
        <source>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</source>
        <translation>Eine E-Mail-Domäne darf keinen Doppelpunkt (:) und kein Anführungszeichen (&quot;) enthalten!</translation>
    </message>
    <message id="records.badRouteHost">
        <source>A host cannot contain a double quote (&quot;)!</source>
        <translation>Ein Host darf kein Anführungszeichen (&quot;) enthalten!</translation>
    </message>
    <message id="records.semicolon">
        <source>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</source>
        <translation>Ein Semikolon (;) kann hier nicht gespeichert werden: Morva.ini würde den Rest als Kommentar lesen!</translation>
    </message>
    <message id="text.notStorable">
        <source>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Das Zeichen &quot;%1&quot; kann nicht gespeichert werden: Die Dateien des Gateways enthalten nur westeuropäische Zeichen (Windows-1252)!</translation>
    </message>
    <message id="text.readsBackOtherwise">
        <source>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Der Text &quot;%1&quot; kann nicht gespeichert werden: Die Dateien des Gateways würden ihn als &quot;%2&quot; zurücklesen!</translation>
    </message>
    <message id="text.notStorableInList">
        <source>The character &quot;%1&quot; cannot be stored in this list!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Das Zeichen &quot;%1&quot; kann in dieser Liste nicht gespeichert werden!</translation>
    </message>
    <message id="records.deleteRoute">
        <source>Delete selected route</source>
        <translation>Ausgewählte Route löschen</translation>
    </message>
    <message id="records.deleteTranslation">
        <source>Delete selected translation</source>
        <translation>Ausgewählte Umsetzung löschen</translation>
    </message>
    <message id="records.deleteRewrite">
        <source>Delete selected rewrite</source>
        <translation>Ausgewählte Umschreibung löschen</translation>
    </message>
    <message id="records.transList">
        <source>Address Translation</source>
        <translation>Adressumsetzung</translation>
    </message>
    <message id="records.rewriteList">
        <source>Address Rewrite</source>
        <translation>Adressumschreibung</translation>
    </message>
    <message id="records.col.fromDomain">
        <source>from domain</source>
        <translation>von Domäne</translation>
    </message>
    <message id="records.col.toDomain">
        <source>to domain</source>
        <translation>zu Domäne</translation>
    </message>
    <message id="records.col.fromMailbox">
        <source>from Mailbox</source>
        <translation>von Postfach</translation>
    </message>
    <message id="records.col.toMailbox">
        <source>to Mailbox</source>
        <translation>zu Postfach</translation>
    </message>
    <message id="records.col.toAddress">
        <source>to Address</source>
        <translation>zu Adresse</translation>
    </message>
    <message id="records.transDomain">
        <source>Translate domain</source>
        <translation>Domäne umsetzen</translation>
    </message>
    <message id="records.transUser">
        <source>Translate Mailbox</source>
        <translation>Postfach umsetzen</translation>
    </message>
    <message id="records.transDomainAdr">
        <source>Translate domain to Address</source>
        <translation>Domäne in Adresse umsetzen</translation>
    </message>
    <message id="records.rewriteDomain">
        <source>Rewrite domain</source>
        <translation>Domäne umschreiben</translation>
    </message>
    <message id="records.rewriteUser">
        <source>Rewrite Mailbox</source>
        <translation>Postfach umschreiben</translation>
    </message>
    <message id="records.field.domain">
        <source>E-mail domain:</source>
        <translation>E-Mail-Domäne:</translation>
    </message>
    <message id="records.field.toDomain">
        <source>To e-mail domain:</source>
        <translation>In E-Mail-Domäne:</translation>
    </message>
    <message id="records.field.mailbox">
        <source>E-mail mailbox:</source>
        <translation>E-Mail-Postfach:</translation>
    </message>
    <message id="records.field.toMailbox">
        <source>To e-mail mailbox:</source>
        <translation>In E-Mail-Postfach:</translation>
    </message>
    <message id="records.field.toAddress">
        <source>To e-mail address:</source>
        <translation>In E-Mail-Adresse:</translation>
    </message>
    <message id="records.group.inboundTranslate">
        <source>Inbound messages translate</source>
        <translation>Eingehende Nachrichten umsetzen</translation>
    </message>
    <message id="records.group.outboundRewrite">
        <source>Outbound messages rewrite</source>
        <translation>Ausgehende Nachrichten umschreiben</translation>
    </message>
    <message id="records.group.description">
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message id="records.desc.transDomain">
        <source>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</source>
        <translation>Ersetzt die Domäne einer Empfängeradresse (user@alt.de wird zu user@neu.de), bevor eine eingehende Nachricht verarbeitet wird</translation>
    </message>
    <message id="records.desc.transUser">
        <source>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</source>
        <translation>Ersetzt ein Empfängerpostfach (alt@domain.de wird zu neu@domain.de), bevor eine eingehende Nachricht verarbeitet wird</translation>
    </message>
    <message id="records.desc.transDomainAdr">
        <source>Sends every recipient of a domain to one e-mail address before processing an inbound message</source>
        <translation>Leitet alle Empfänger einer Domäne an eine E-Mail-Adresse, bevor eine eingehende Nachricht verarbeitet wird</translation>
    </message>
    <message id="records.desc.rewriteDomain">
        <source>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</source>
        <translation>Ersetzt die Domäne einer Absenderadresse (user@intern.local wird zu user@domain.de), bevor eine ausgehende Nachricht verarbeitet wird</translation>
    </message>
    <message id="records.desc.rewriteUser">
        <source>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</source>
        <translation>Ersetzt ein Absenderpostfach (mmuster@domain.de wird zu max.muster@domain.de), bevor eine ausgehende Nachricht verarbeitet wird</translation>
    </message>
    <message id="records.routing">
        <source>Routing...</source>
        <translation>Routing...</translation>
    </message>
</context>
<context>
    <name>service (signal files, service dialog)</name>
    <message id="service.signalFailed">
        <source>Unable to create signal file</source>
        <translation>Unable to create signal file</translation>
    </message>
    <message id="service.caption">
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message id="service.labelName">
        <source>Service name:</source>
        <translation>Dienstname:</translation>
    </message>
    <message id="service.labelStatus">
        <source>Service Status:</source>
        <translation>Dienststatus:</translation>
    </message>
    <message id="service.labelExecutable">
        <source>Executable:</source>
        <translation>Programmdatei:</translation>
    </message>
    <message id="service.start">
        <source>&amp;Start</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Starten</translation>
    </message>
    <message id="service.stop">
        <source>S&amp;top</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;toppen</translation>
    </message>
    <message id="service.install">
        <source>&amp;Install</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Installieren</translation>
    </message>
    <message id="service.remove">
        <source>&amp;Remove</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message id="service.cancel">
        <source>&amp;Cancel</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message id="service.state.noExecutable">
        <source>Unable to find executable</source>
        <translation>Programmdatei nicht gefunden</translation>
    </message>
    <message id="service.state.notInstalled">
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message id="service.state.stopped">
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message id="service.state.startPending">
        <source>start pending</source>
        <translation>wird gestartet</translation>
    </message>
    <message id="service.state.stopPending">
        <source>stop pending</source>
        <translation>wird gestoppt</translation>
    </message>
    <message id="service.state.started">
        <source>started</source>
        <translation>gestartet</translation>
    </message>
    <message id="service.state.continuePending">
        <source>continue pending</source>
        <translation>wird fortgesetzt</translation>
    </message>
    <message id="service.state.pausePending">
        <source>pause pending</source>
        <translation>wird angehalten</translation>
    </message>
    <message id="service.state.paused">
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message id="service.state.unknown">
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message id="service.startFailed">
        <source>Unable to start %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Dienst %1 kann nicht gestartet werden!</translation>
    </message>
    <message id="service.queryFailed">
        <source>Unable to query status of %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Status des Dienstes %1 kann nicht abgefragt werden!</translation>
    </message>
    <message id="service.controlFailed">
        <source>Unable to control %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Dienst %1 kann nicht gesteuert werden!</translation>
    </message>
    <message id="service.waitStop">
        <source>Waiting for %1 to be stopped...</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Warten, bis %1 gestoppt ist...</translation>
    </message>
    <message id="service.installed">
        <source>%1 service installed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Dienst %1 installiert!</translation>
    </message>
    <message id="service.installFailed">
        <source>Unable to install %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Dienst %1 kann nicht installiert werden!</translation>
    </message>
    <message id="service.removed">
        <source>%1 service removed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Dienst %1 entfernt!</translation>
    </message>
    <message id="service.removeFailed">
        <source>Unable to remove %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Der Dienst %1 kann nicht entfernt werden!</translation>
    </message>
    <message id="service.reason.unsupported">
        <source>This system has no service manager for the gateway.</source>
        <translation>Dieses System hat keine Dienstverwaltung für das Gateway.</translation>
    </message>
    <message id="service.reason.managerUnavailable">
        <source>The service manager is not available.</source>
        <translation>Die Dienstverwaltung ist nicht erreichbar.</translation>
    </message>
    <message id="service.reason.accessDenied">
        <source>Access denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message id="service.reason.notInstalled">
        <source>The service is not installed.</source>
        <translation>Der Dienst ist nicht installiert.</translation>
    </message>
    <message id="service.reason.alreadyExists">
        <source>A service of this name exists already.</source>
        <translation>Ein Dienst dieses Namens existiert bereits.</translation>
    </message>
    <message id="service.reason.alreadyRunning">
        <source>The service is running already.</source>
        <translation>Der Dienst läuft bereits.</translation>
    </message>
    <message id="service.reason.notActive">
        <source>The service is not running.</source>
        <translation>Der Dienst läuft nicht.</translation>
    </message>
    <message id="service.reason.cannotAcceptControl">
        <source>The service cannot accept the request now.</source>
        <translation>Der Dienst kann die Anforderung jetzt nicht annehmen.</translation>
    </message>
    <message id="service.reason.markedForDelete">
        <source>The service is marked for deletion.</source>
        <translation>Der Dienst ist zum Löschen markiert.</translation>
    </message>
    <message id="service.reason.invalidPath">
        <source>The executable path is not an absolute path, or holds a double quote or a control character.</source>
        <translation>Der Pfad der Programmdatei ist nicht absolut oder enthält ein Anführungszeichen oder ein Steuerzeichen.</translation>
    </message>
    <message id="service.reason.verifyFailed">
        <source>The service manager stored another program path.</source>
        <translation>Die Dienstverwaltung hat einen anderen Programmpfad gespeichert.</translation>
    </message>
    <message id="service.reason.failed">
        <source>The service manager reported an error.</source>
        <translation>Die Dienstverwaltung hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message id="stats.caption">
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message id="stats.refresh">
        <source>&amp;Refresh</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message id="stats.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="stats.truncated">
        <source>The statistics file is larger than 1 MB: only its beginning is shown.</source>
        <translation>Die Statistikdatei ist größer als 1 MB: nur ihr Anfang wird angezeigt.</translation>
    </message>
    <message id="stats.waiting">
        <source>Waiting for the statistics of the gateway...</source>
        <translation>Warten auf die Statistik des Gateways...</translation>
    </message>
    <message id="stats.stale">
        <source>No new statistics arrived from the gateway. The figures shown were written at %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Vom Gateway ist keine neue Statistik eingetroffen. Die angezeigten Werte wurden am %1 geschrieben.</translation>
    </message>
    <message id="stats.none">
        <source>No statistics arrived from the gateway.</source>
        <translation>Vom Gateway ist keine Statistik eingetroffen.</translation>
    </message>
    <message id="stats.chart.rates">
        <source>Rates per ho&amp;ur</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Raten pro St&amp;unde</translation>
    </message>
    <message id="stats.chart.counters">
        <source>Counters:</source>
        <translation>Zähler:</translation>
    </message>
    <message id="stats.autoRefresh">
        <source>&amp;Automatic refresh:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Automatisch a&amp;ktualisieren:</translation>
    </message>
    <message id="stats.autoRefresh.off">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="stats.autoRefresh.minutes">
        <source> min</source>
        <translation> min</translation>
    </message>
    <message id="stats.besideProgram">
        <source>&amp;Keep the history in the program directory</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Verlauf im Programmverzeichnis &amp;speichern</translation>
    </message>
    <message id="stats.exportTable">
        <source>Export &amp;table...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Tabelle exportieren...</translation>
    </message>
    <message id="stats.exportHistory">
        <source>Export &amp;history...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Verlauf exportieren...</translation>
    </message>
    <message id="stats.gatewayFiles">
        <source>&amp;Gateway files...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Gateway-Dateien...</translation>
    </message>
    <message id="stats.backToHistory">
        <source>&amp;Back to the kept history</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Zurück zum Verlauf</translation>
    </message>
    <message id="stats.exportTable.title">
        <source>Export the statistics table</source>
        <translation>Statistiktabelle exportieren</translation>
    </message>
    <message id="stats.exportHistory.title">
        <source>Export the statistics history</source>
        <translation>Statistikverlauf exportieren</translation>
    </message>
    <message id="stats.gatewayFiles.title">
        <source>Chart the gateway&apos;s statistics files</source>
        <translation>Statistikdateien des Gateways darstellen</translation>
    </message>
    <message id="stats.gatewayFiles.filter">
        <source>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</source>
        <extracomment>A file dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Statistikdateien (*.csv *.txt *.log *.dat);;Alle Dateien (*)</translation>
    </message>
    <message id="stats.csvFilter">
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message id="stats.source.history">
        <source>Dumps kept: %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Gespeicherte Abrufe: %1.</translation>
    </message>
    <message id="stats.source.files">
        <source>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Statistikdateien des Gateways: %1 Datei(en), %2 Datensätze, je Stunde summiert.</translation>
    </message>
    <message id="stats.files.records">
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message id="stats.files.column">
        <source>Column %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Spalte %1</translation>
    </message>
    <message id="stats.files.skipped">
        <source>%1 lines without a date were skipped.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 Zeilen ohne Datum wurden übersprungen.</translation>
    </message>
    <message id="stats.files.truncated">
        <source>A file is larger than 16 MB: only its beginning was read.</source>
        <translation>Eine Datei ist größer als 16 MB: nur ihr Anfang wurde gelesen.</translation>
    </message>
    <message id="stats.files.unreadable">
        <source>%1 could not be read.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message id="stats.history.noDirectory">
        <source>The statistics are not kept: this user has no data directory.</source>
        <translation>Die Statistik wird nicht gespeichert: dieser Benutzer hat kein Datenverzeichnis.</translation>
    </message>
    <message id="stats.history.unreadable">
        <source>The history %1 cannot be read (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Der Verlauf %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message id="stats.history.notKept">
        <source>These figures could not be kept in the history %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Diese Werte konnten nicht im Verlauf %1 gespeichert werden (%2).</translation>
    </message>
    <message id="stats.exportFailed">
        <source>Unable to write %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>browser (settings browser)</name>
    <message id="browser.column.key">
        <source>Key</source>
        <extracomment>Column header of the settings browser: the key in Morva.ini.</extracomment>
        <translation>Schlüssel</translation>
    </message>
    <message id="browser.column.value">
        <source>Value</source>
        <extracomment>Column header of the settings browser: the current value (a list: its number of entries and the first ones).</extracomment>
        <translation>Wert</translation>
    </message>
    <message id="browser.column.default">
        <source>Default</source>
        <extracomment>Column header of the settings browser: the default value.</extracomment>
        <translation>Standard</translation>
    </message>
    <message id="browser.column.kind">
        <source>Kind</source>
        <extracomment>Column header of the settings browser: the kind of value (Bool, Int, String, list kinds).</extracomment>
        <translation>Art</translation>
    </message>
    <message id="browser.column.page">
        <source>Page</source>
        <extracomment>Column header of the settings browser: the sheet and page that edit the setting.</extracomment>
        <translation>Seite</translation>
    </message>
    <message id="browser.noPage">
        <source>no page</source>
        <extracomment>Settings browser, column Page: no page edits this setting.</extracomment>
        <translation>keine Seite</translation>
    </message>
</context>
<context>
    <name>merge (review and merge of configuration changes)</name>
    <message id="merge.changes.button">
        <source>Changes...</source>
        <extracomment>Button beside OK of every configuration sheet: lists the changes OK would save.</extracomment>
        <translation>Änderungen...</translation>
    </message>
    <message id="merge.changes.title">
        <source>Pending changes</source>
        <extracomment>Title of the window that lists the changes not saved yet.</extracomment>
        <translation>Ausstehende Änderungen</translation>
    </message>
    <message id="merge.changes.none">
        <source>No changes.</source>
        <extracomment>Pending changes window: nothing would change.</extracomment>
        <translation>Keine Änderungen.</translation>
    </message>
    <message id="merge.column.key">
        <source>Key</source>
        <extracomment>Column header: the key in Morva.ini.</extracomment>
        <translation>Schlüssel</translation>
    </message>
    <message id="merge.column.change">
        <source>Change</source>
        <extracomment>Column header: what kind of change (changed, item added, item removed).</extracomment>
        <translation>Änderung</translation>
    </message>
    <message id="merge.column.old">
        <source>Old value</source>
        <extracomment>Column header: the value before the change.</extracomment>
        <translation>Alter Wert</translation>
    </message>
    <message id="merge.column.new">
        <source>New value</source>
        <extracomment>Column header: the value after the change.</extracomment>
        <translation>Neuer Wert</translation>
    </message>
    <message id="merge.kind.changed">
        <source>changed</source>
        <extracomment>Kind of change: a single value changed.</extracomment>
        <translation>geändert</translation>
    </message>
    <message id="merge.kind.added">
        <source>item added</source>
        <extracomment>Kind of change: an entry added to a list.</extracomment>
        <translation>Eintrag hinzugefügt</translation>
    </message>
    <message id="merge.kind.removed">
        <source>item removed</source>
        <extracomment>Kind of change: an entry removed from a list.</extracomment>
        <translation>Eintrag entfernt</translation>
    </message>
    <message id="merge.conflict.title">
        <source>Configuration changed on disk</source>
        <extracomment>Title of the window that shows settings changed both here and by another program.</extracomment>
        <translation>Konfiguration auf dem Datenträger geändert</translation>
    </message>
    <message id="merge.conflict.intro">
        <source>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</source>
        <extracomment>Text at the top of the conflict window.</extracomment>
        <translation>Ein anderes Programm hat Morva.ini geändert, während Sie sie bearbeitet haben. Ihre übrigen Änderungen werden damit zusammengeführt. Diese Einstellungen wurden auf beiden Seiten geändert: Wählen Sie, welcher Wert gespeichert wird.</translation>
    </message>
    <message id="merge.conflict.theirs">
        <source>On disk now</source>
        <extracomment>Conflict window, column header: the value the file holds now.</extracomment>
        <translation>Jetzt auf dem Datenträger</translation>
    </message>
    <message id="merge.conflict.mine">
        <source>Your value</source>
        <extracomment>Conflict window, column header: the value entered in this sheet.</extracomment>
        <translation>Ihr Wert</translation>
    </message>
    <message id="merge.conflict.keepTheirs">
        <source>Keep the value on disk</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Wert vom Datenträger behalten</translation>
    </message>
    <message id="merge.conflict.keepMine">
        <source>Keep your value</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Ihren Wert behalten</translation>
    </message>
    <message id="merge.conflict.enter">
        <source>Enter a value:</source>
        <extracomment>Conflict window, choice: the value typed in the field beside it (a list: one entry per line).</extracomment>
        <translation>Wert eingeben:</translation>
    </message>
    <message id="merge.conflict.undecided">
        <source>Choose a value for %1.</source>
        <extracomment>Conflict window: OK pressed while the setting %1 has no choice.</extracomment>
        <translation>Wählen Sie einen Wert für %1.</translation>
    </message>
    <message id="merge.conflict.save">
        <source>Save</source>
        <extracomment>Conflict window, button: saves the merged file.</extracomment>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>audit (data safety of the editors)</name>
    <message id="audit.textFileChanged">
        <source>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</source>
        <extracomment>Editor of the disclaimer file, on OK. %1 is the file's path.</extracomment>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert; es wurde nichts geschrieben. Schließen Sie den Editor und öffnen Sie die Datei erneut.</translation>
    </message>
</context>
<context>
    <name>import (list import and export)</name>
    <message id="import.repeatedInFile">
        <source>Repeats line %1: skipped</source>
        <extracomment>Import preview: a row repeats the entry of an earlier line of the file; %1 is that line.</extracomment>
        <translation>Wiederholt Zeile %1: übersprungen</translation>
    </message>
    <message id="import.alreadyPresent">
        <source>Already in the list (entry %1): skipped</source>
        <extracomment>Import preview: the entry is in the list already; %1 is its position (record number).</extracomment>
        <translation>Bereits in der Liste (Eintrag %1): übersprungen</translation>
    </message>
    <message id="import.unclosedQuote">
        <source>The file cannot be read: the quoted field that starts on line %1 is never closed.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Die Datei kann nicht gelesen werden: Das in Zeile %1 beginnende Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message id="import.textAfterQuote">
        <source>The file cannot be read: text follows a closing quote on line %1.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Die Datei kann nicht gelesen werden: In Zeile %1 folgt Text auf ein schließendes Anführungszeichen.</translation>
    </message>
    <message id="import.notStorable">
        <source>The row holds a character that the gateway's files cannot store.</source>
        <extracomment>Import: a row refused because of a character outside the gateway's 8-bit character set.</extracomment>
        <translation>Die Zeile enthält ein Zeichen, das die Dateien des Gateways nicht speichern können.</translation>
    </message>
    <message id="import.columnCount">
        <source>The row has %1 columns; %2 are expected.</source>
        <extracomment>Import: %1 is the number of columns of the row, %2 the number expected.</extracomment>
        <translation>Die Zeile hat %1 Spalten; erwartet werden %2.</translation>
    </message>
    <message id="import.badFlag">
        <source>Not a yes/no value (1 or 0).</source>
        <extracomment>Import: the deliver column of a forwarding row.</extracomment>
        <translation>Kein Ja/Nein-Wert (1 oder 0).</translation>
    </message>
    <message id="import.noComments">
        <source>This list keeps no comments.</source>
        <extracomment>Import: the row has a comment, but the list keeps none.</extracomment>
        <translation>Diese Liste speichert keine Kommentare.</translation>
    </message>
    <message id="import.controlCharacter">
        <source>The value holds a control character (a line break or a tab), which the file cannot hold.</source>
        <extracomment>Import: a value with a line break or tab inside.</extracomment>
        <translation>Der Wert enthält ein Steuerzeichen (Zeilenumbruch oder Tabulator), das die Datei nicht aufnehmen kann.</translation>
    </message>
    <message id="import.menu.import">
        <source>&amp;Import...</source>
        <extracomment>Action of the record lists and list settings: opens the import dialog.</extracomment>
        <translation>&amp;Importieren...</translation>
    </message>
    <message id="import.menu.export">
        <source>E&amp;xport...</source>
        <extracomment>Action of the record lists and list settings: opens the export dialog.</extracomment>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message id="import.caption.import">
        <source>Import: %1</source>
        <extracomment>Caption of the import dialog; %1 is the list's name.</extracomment>
        <translation>Importieren: %1</translation>
    </message>
    <message id="import.caption.export">
        <source>Export: %1</source>
        <extracomment>Caption of the export dialog; %1 is the list's name.</extracomment>
        <translation>Exportieren: %1</translation>
    </message>
    <message id="import.label.file">
        <source>File:</source>
        <extracomment>Import dialog: label of the file name.</extracomment>
        <translation>Datei:</translation>
    </message>
    <message id="import.button.browse">
        <source>&amp;Browse...</source>
        <extracomment>Import dialog: chooses the file.</extracomment>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message id="import.format.csv">
        <source>&amp;CSV (comma-separated values)</source>
        <extracomment>Import and export dialogs: file format.</extracomment>
        <translation>&amp;CSV (kommagetrennte Werte)</translation>
    </message>
    <message id="import.format.text">
        <source>&amp;Text (one entry per line)</source>
        <extracomment>Import and export dialogs: file format of list settings.</extracomment>
        <translation>&amp;Text (ein Eintrag pro Zeile)</translation>
    </message>
    <message id="import.mode.append">
        <source>&amp;Append to the list</source>
        <extracomment>Import dialog: the rows are added behind the entries.</extracomment>
        <translation>An die Liste &amp;anhängen</translation>
    </message>
    <message id="import.mode.replace">
        <source>&amp;Replace the whole list</source>
        <extracomment>Import dialog: the rows replace every entry.</extracomment>
        <translation>Ganze Liste &amp;ersetzen</translation>
    </message>
    <message id="import.skipRefused">
        <source>S&amp;kip rows with errors</source>
        <extracomment>Import dialog: import the other rows although some are refused.</extracomment>
        <translation>Zeilen mit Fehlern übe&amp;rspringen</translation>
    </message>
    <message id="import.column.line">
        <source>Line</source>
        <extracomment>Import preview: column with the line number of the row.</extracomment>
        <translation>Zeile</translation>
    </message>
    <message id="import.column.check">
        <source>Check</source>
        <extracomment>Import preview: column with the result of the row's check.</extracomment>
        <translation>Prüfung</translation>
    </message>
    <message id="import.rowOk">
        <source>OK</source>
        <extracomment>Import preview: the row will be imported.</extracomment>
        <translation>OK</translation>
    </message>
    <message id="import.summary">
        <source>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</source>
        <extracomment>Import preview: %1 rows read, %2 to import, %3 refused, %4 skipped as repeated.</extracomment>
        <translation>%1 Zeilen: %2 zu importieren, %3 abgelehnt, %4 doppelte Einträge übersprungen.</translation>
    </message>
    <message id="import.button.import">
        <source>&amp;Import</source>
        <extracomment>Import dialog: starts the import.</extracomment>
        <translation>&amp;Importieren</translation>
    </message>
    <message id="import.checking">
        <source>Checking the rows...</source>
        <extracomment>Import dialog: progress while the rows are read and checked.</extracomment>
        <translation>Zeilen werden geprüft...</translation>
    </message>
    <message id="import.done">
        <source>%1 entries imported.</source>
        <extracomment>After an import; %1 is the number of entries added.</extracomment>
        <translation>%1 Einträge importiert.</translation>
    </message>
    <message id="import.failed">
        <source>The import failed; nothing was changed.
%1</source>
        <extracomment>The import could not write the file; %1 is the file and the reason.</extracomment>
        <translation>Der Import ist fehlgeschlagen; nichts wurde geändert.
%1</translation>
    </message>
    <message id="import.readFailed">
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message id="import.filter.csv">
        <source>CSV files (*.csv)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message id="import.filter.text">
        <source>Text files (*.txt)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message id="import.filter.all">
        <source>All files (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="import.export.whole">
        <source>&amp;Whole list (%1 entries)</source>
        <extracomment>Export dialog: %1 is the number of entries.</extracomment>
        <translation>&amp;Ganze Liste (%1 Einträge)</translation>
    </message>
    <message id="import.export.selection">
        <source>&amp;Selected entries (%1)</source>
        <extracomment>Export dialog: %1 is the number of selected entries.</extracomment>
        <translation>&amp;Ausgewählte Einträge (%1)</translation>
    </message>
    <message id="import.export.eightBit">
        <source>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</source>
        <extracomment>Export dialog: write the file in the 8-bit code page instead of UTF-8.</extracomment>
        <translation>&amp;8-Bit-Kodierung (Windows-1252) für Tabellenprogramme, die sie erwarten</translation>
    </message>
    <message id="import.export.passwords">
        <source>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</source>
        <extracomment>Export dialog: the list holds passwords.</extracomment>
        <translation>Diese Liste enthält Kennwörter: Die Datei enthält sie im Klartext. Bewahren Sie sie so auf, dass nur Administratoren sie lesen können.</translation>
    </message>
    <message id="import.export.done">
        <source>%1 entries written to %2.</source>
        <extracomment>After an export; %1 is the number of entries, %2 the file.</extracomment>
        <translation>%1 Einträge nach %2 geschrieben.</translation>
    </message>
    <message id="import.export.writeFailed">
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message id="import.export.lost">
        <source>%1 characters have no 8-bit form and were written as "?".</source>
        <extracomment>After an 8-bit export; %1 is a number of characters.</extracomment>
        <translation>%1 Zeichen haben keine 8-Bit-Form und wurden als "?" geschrieben.</translation>
    </message>
    <message id="import.button.export">
        <source>E&amp;xport...</source>
        <extracomment>Export dialog: chooses the file and writes it.</extracomment>
        <translation>E&amp;xportieren...</translation>
    </message>
</context>
<context>
    <name>lists (filter, sort and checks of every list)</name>
    <message id="lists.filter">
        <source>Filter (Ctrl+F)</source>
        <extracomment>Placeholder of the filter field above every list.</extracomment>
        <translation>Filtern (Strg+F)</translation>
    </message>
    <message id="lists.filterName">
        <source>Filter the list</source>
        <extracomment>Accessible name of the filter field above a list.</extracomment>
        <translation>Liste filtern</translation>
    </message>
    <message id="lists.countName">
        <source>Shown entries</source>
        <extracomment>Accessible name of the count of shown entries next to the filter.</extracomment>
        <translation>Angezeigte Einträge</translation>
    </message>
    <message id="lists.gridName">
        <source>Entries</source>
        <extracomment>Accessible name of the grid of a list.</extracomment>
        <translation>Einträge</translation>
    </message>
    <message id="lists.count">
        <source>%1 of %2</source>
        <extracomment>Count next to the filter: %1 shown entries of %2 in all (numbers already grouped).</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message id="lists.showProblems">
        <source>Show problems only</source>
        <extracomment>Switch next to the filter: show only the entries with a problem mark.</extracomment>
        <translation>Nur Probleme zeigen</translation>
    </message>
    <message id="lists.deleteRecords">
        <source>Delete %1 records?</source>
        <extracomment>Question before deleting several records; %1 is their number.</extracomment>
        <translation>%1 Datensätze löschen?</translation>
    </message>
    <message id="lists.deleteEntries">
        <source>Delete %1 entries?</source>
        <extracomment>Question before deleting several list entries; %1 is their number.</extracomment>
        <translation>%1 Einträge löschen?</translation>
    </message>
    <message id="lists.problem.duplicate">
        <source>Repeats entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the earlier entry, %2 its text.</extracomment>
        <translation>Wiederholt Eintrag %1 (%2).</translation>
    </message>
    <message id="lists.problem.covered">
        <source>Already covered by entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the entry that covers it, %2 its text.</extracomment>
        <translation>Schon durch Eintrag %1 (%2) abgedeckt.</translation>
    </message>
    <message id="lists.problem.emptyPart">
        <source>Has an empty domain or label and can never match.</source>
        <extracomment>Problem mark of a list entry with an empty domain or label.</extracomment>
        <translation>Hat eine leere Domain oder ein leeres Label und trifft nie zu.</translation>
    </message>
    <message id="lists.problem.hostBits">
        <source>Has address bits set beyond its prefix and can never match.</source>
        <extracomment>Problem mark of a network entry with host bits set.</extracomment>
        <translation>Hat Adressbits jenseits des Präfixes gesetzt und trifft nie zu.</translation>
    </message>
    <message id="lists.problem.notANetwork">
        <source>Is no network address and can never match.</source>
        <extracomment>Problem mark of an entry of a network list that is no network.</extracomment>
        <translation>Ist keine Netzadresse und trifft nie zu.</translation>
    </message>
</context>
<context>
    <name>browser window (settings browser window)</name>
    <message id="app.label.6060">
        <source>All &amp;Settings...</source>
        <extracomment>Menu Configuration: opens the settings browser (every setting, searchable). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the Configuration menu.</extracomment>
        <translation>Alle Ein&amp;stellungen...</translation>
    </message>
    <message id="app.label.6061">
        <source>Save &amp;History...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Verlauf der Speicherungen...</translation>
    </message>
    <message id="app.prompt.6060">
        <source>Search, review and change every setting
All Settings</source>
        <extracomment>Status bar prompt of the command &quot;All Settings...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Alle Einstellungen suchen, prüfen und ändern
Alle Einstellungen</translation>
    </message>
    <message id="app.prompt.6061">
        <source>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</source>
        <extracomment>Status bar prompt of the command &quot;Save History...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Zeigt die aufbewahrten Fassungen von Morva.ini und der Datensatzdateien und was jede Speicherung geändert hat, und stellt eine wieder her
Verlauf der Speicherungen</translation>
    </message>
    <message id="app.settingsSearch">
        <source>Search settings (Ctrl+K)</source>
        <extracomment>Placeholder of the search field in the main window&apos;s toolbar; Enter opens the settings browser with the text.</extracomment>
        <translation>Einstellungen suchen (Strg+K)</translation>
    </message>
    <message id="app.toolbar.more">
        <source>More tools</source>
        <extracomment>Accessible name of the button at the end of the main window&apos;s toolbar that shows the tools that do not fit.</extracomment>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message id="browser.window.caption">
        <source>All Settings</source>
        <extracomment>Title of the settings browser window.</extracomment>
        <translation>Alle Einstellungen</translation>
    </message>
    <message id="browser.window.search">
        <source>&amp;Find:</source>
        <extracomment>Settings browser: label of the search field. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>S&amp;uchen:</translation>
    </message>
    <message id="browser.window.searchHint">
        <source>Key, label, page or value (any language)</source>
        <extracomment>Settings browser: placeholder of the empty search field.</extracomment>
        <translation>Schlüssel, Beschriftung, Seite oder Wert (jede Sprache)</translation>
    </message>
    <message id="browser.window.didYouMean">
        <source>No setting matches. Did you mean: %1</source>
        <extracomment>Settings browser: shown when the search matched no setting; %1 is a list of the nearest keys.</extracomment>
        <translation>Keine Einstellung passt. Meinten Sie: %1</translation>
    </message>
    <message id="browser.window.count">
        <source>Settings shown: %1, pending changes: %2</source>
        <extracomment>Settings browser, below the table: %1 is the number of settings shown, %2 the number of changes not saved yet.</extracomment>
        <translation>Angezeigte Einstellungen: %1, ausstehende Änderungen: %2</translation>
    </message>
    <message id="browser.window.edit">
        <source>&amp;Edit...</source>
        <extracomment>Settings browser button (also Enter or F2 in the table). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Bearb&amp;eiten...</translation>
    </message>
    <message id="browser.window.reset">
        <source>&amp;Reset to Default</source>
        <extracomment>Settings browser button (also Delete in the table): the selected settings back to their defaults. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message id="browser.window.goTo">
        <source>&amp;Go to Page</source>
        <extracomment>Settings browser button: opens the sheet at the page that edits the setting. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Zur &amp;Seite</translation>
    </message>
    <message id="browser.window.save">
        <source>&amp;Save</source>
        <extracomment>Settings browser button: saves the pending changes. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Spei&amp;chern</translation>
    </message>
    <message id="browser.filter.changed">
        <source>&amp;Changed from default</source>
        <extracomment>Settings browser filter: only settings whose value differs from the default. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Geändert</translation>
    </message>
    <message id="browser.filter.lists">
        <source>&amp;Lists only</source>
        <extracomment>Settings browser filter: only list settings. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Nur &amp;Listen</translation>
    </message>
    <message id="browser.filter.noPage">
        <source>&amp;No page</source>
        <extracomment>Settings browser filter: only settings that no page edits. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Ohne Seite</translation>
    </message>
    <message id="browser.filter.sheet">
        <source>S&amp;heet:</source>
        <extracomment>Settings browser: label of the sheet filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Blatt:</translation>
    </message>
    <message id="browser.filter.kind">
        <source>&amp;Kind:</source>
        <extracomment>Settings browser: label of the kind filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Art:</translation>
    </message>
    <message id="browser.filter.allSheets">
        <source>All sheets</source>
        <extracomment>Settings browser, sheet filter: no filter.</extracomment>
        <translation>Alle Blätter</translation>
    </message>
    <message id="browser.filter.allKinds">
        <source>All kinds</source>
        <extracomment>Settings browser, kind filter: no filter.</extracomment>
        <translation>Alle Arten</translation>
    </message>
    <message id="browser.edit.caption">
        <source>Edit %1</source>
        <extracomment>Title of the settings browser&apos;s editor of one setting; %1 is the key.</extracomment>
        <translation>%1 bearbeiten</translation>
    </message>
    <message id="browser.edit.range">
        <source>From %1 to %2</source>
        <extracomment>Settings browser editor of a number: the accepted range; %1 and %2 are numbers.</extracomment>
        <translation>Von %1 bis %2</translation>
    </message>
    <message id="browser.unknownKey">
        <source>This setting is not known.</source>
        <extracomment>Settings browser: a change names a key the configuration does not know.</extracomment>
        <translation>Diese Einstellung ist unbekannt.</translation>
    </message>
    <message id="browser.showInAllSettings">
        <source>Show in A&amp;ll Settings</source>
        <extracomment>Context menu of a control on a configuration page: opens the settings browser at this setting. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>In allen Einstellungen &amp;zeigen</translation>
    </message>
</context>
<context>
    <name>history (history of saves)</name>
    <message id="history.caption">
        <source>Configuration History</source>
        <extracomment>Title of the window that lists the kept versions of the configuration file.</extracomment>
        <translation>Verlauf der Konfiguration</translation>
    </message>
    <message id="history.column.time">
        <source>Saved</source>
        <extracomment>Column of the History window: when the save was made.</extracomment>
        <translation>Gespeichert</translation>
    </message>
    <message id="history.column.user">
        <source>User</source>
        <extracomment>Column of the History window: the operating-system user who saved.</extracomment>
        <translation>Benutzer</translation>
    </message>
    <message id="history.column.machine">
        <source>Computer</source>
        <extracomment>Column of the History window: the computer on which the save was made.</extracomment>
        <translation>Computer</translation>
    </message>
    <message id="history.column.source">
        <source>Saved by</source>
        <extracomment>Column of the History window: what saved (a sheet, morvactl, restore, ...).</extracomment>
        <translation>Gespeichert von</translation>
    </message>
    <message id="history.column.changed">
        <source>Changed keys</source>
        <extracomment>Column of the History window: how many keys the save changed.</extracomment>
        <translation>Geänderte Schlüssel</translation>
    </message>
    <message id="history.compare.label">
        <source>&amp;Show:</source>
        <extracomment>Label before the choice of what the selected save is compared with. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message id="history.compare.previous">
        <source>Changes made by this save</source>
        <extracomment>Choice in the History window: the changes the selected save made.</extracomment>
        <translation>Änderungen dieser Speicherung</translation>
    </message>
    <message id="history.compare.current">
        <source>Differences of the version before it to the current file</source>
        <extracomment>Choice in the History window: how the version before the selected save differs from the file now.</extracomment>
        <translation>Unterschiede der Fassung davor zur aktuellen Datei</translation>
    </message>
    <message id="history.restore">
        <source>&amp;Restore This Version</source>
        <extracomment>Button of the History window: puts the version before the selected save back. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Diese Fassung &amp;wiederherstellen</translation>
    </message>
    <message id="history.noChanges">
        <source>No differences.</source>
        <extracomment>History window: the two versions compared hold the same settings.</extracomment>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message id="history.empty">
        <source>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</source>
        <extracomment>History window: no save has been kept yet.</extracomment>
        <translation>Noch keine Speicherung aufbewahrt. Jede Speicherung der Konfiguration bewahrt die Datei, wie sie war, im Ordner History daneben auf.</translation>
    </message>
    <message id="history.undoLabel">
        <source>&amp;Undo Last Configuration Save</source>
        <extracomment>Edit menu command while the last save of the configuration was made by this console. Keep the access key of &quot;Undo&quot;. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Rückgängig: letzte Speicherung der Konfiguration</translation>
    </message>
    <message id="history.writeFailed">
        <source>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</source>
        <extracomment>Message when the history of saves could not be written. %1 is the folder, %2 the error.</extracomment>
        <translation>Der Verlauf der Speicherungen in %1 konnte nicht geschrieben werden (%2). Die Konfiguration wurde ohne Kopie der früheren Datei gespeichert.</translation>
    </message>
    <message id="history.tooLarge">
        <source>%1 is larger than the history of saves may hold, so no copy of it is kept.</source>
        <extracomment>Message when a file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 ist größer, als der Verlauf der Speicherungen fassen darf; es wird keine Kopie davon aufbewahrt.</translation>
    </message>
    <message id="history.file.label">
        <source>&amp;File:</source>
        <extracomment>Label before the choice of the file whose kept versions the History window lists. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Datei:</translation>
    </message>
    <message id="history.file.config">
        <source>Configuration (%1)</source>
        <extracomment>Choice of file in the History window: the configuration file. %1 is the file name.</extracomment>
        <translation>Konfiguration (%1)</translation>
    </message>
    <message id="history.file.alias">
        <source>E-mail forwarding (%1)</source>
        <extracomment>Choice of file in the History window: the forwarding records. %1 is the file name.</extracomment>
        <translation>E-Mail-Weiterleitung (%1)</translation>
    </message>
    <message id="history.file.block">
        <source>SMTP blocking (%1)</source>
        <extracomment>Choice of file in the History window: the SMTP blocking records. %1 is the file name.</extracomment>
        <translation>SMTP-Sperre (%1)</translation>
    </message>
    <message id="history.file.user">
        <source>E-mail addresses on Exchange (%1)</source>
        <extracomment>Choice of file in the History window: the Exchange user records. %1 is the file name.</extracomment>
        <translation>E-Mail-Adressen auf Exchange (%1)</translation>
    </message>
    <message id="history.column.records">
        <source>Records</source>
        <extracomment>Column of the History window for a record file: how many records the kept version holds.</extracomment>
        <translation>Datensätze</translation>
    </message>
    <message id="history.record.empty">
        <source>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</source>
        <extracomment>History window: no version of the chosen record file has been kept yet.</extracomment>
        <translation>Von dieser Datei wurde noch keine Fassung aufbewahrt. Vor der ersten Änderung jeder Bearbeitung wird die Datensatzdatei, wie sie war, im Ordner History aufbewahrt.</translation>
    </message>
    <message id="history.record.confirm">
        <source>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</source>
        <extracomment>Question before a record file is restored. %1 is the file name, %2 the time of the change the version preceded.</extracomment>
        <translation>%1 wieder so herstellen, wie die Datei vor %2 war?

Die Datei, wie sie jetzt ist, wird vorher im Verlauf aufbewahrt.</translation>
    </message>
    <message id="history.record.restoreFailed">
        <source>%1 could not be restored (%2). The file is unchanged.</source>
        <extracomment>Message when the kept version of a record file could not replace it. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 konnte nicht wiederhergestellt werden (%2). Die Datei ist unverändert.</translation>
    </message>
    <message id="history.record.notKept">
        <source>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</source>
        <extracomment>Message when a record file is not restored because its current contents could not be kept. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 wurde nicht wiederhergestellt: Die Datei, wie sie jetzt ist, konnte nicht zuerst im Verlauf aufbewahrt werden (%2). Die Datei ist unverändert.</translation>
    </message>
    <message id="history.record.versionGone">
        <source>This kept version of %1 can no longer be read. The file is unchanged.</source>
        <extracomment>Message when the chosen kept version of a record file is missing or damaged. %1 is the file name.</extracomment>
        <translation>Diese aufbewahrte Fassung von %1 kann nicht mehr gelesen werden. Die Datei ist unverändert.</translation>
    </message>
    <message id="history.keptUnreadable">
        <source>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</source>
        <extracomment>Shown instead of the changes when a kept version cannot be read. %1 is the file name, %2 the time the version was kept.</extracomment>
        <translation>Die am %2 aufbewahrte Fassung von %1 kann nicht mehr gelesen werden (sie ist beschädigt oder fehlt), daher können ihre Änderungen nicht angezeigt werden.</translation>
    </message>
    <message id="history.currentUnreadable">
        <source>%1 could not be read (%2), so no changes against it can be shown.</source>
        <extracomment>Shown instead of the changes when the file as it is now cannot be read. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 konnte nicht gelesen werden (%2), daher können keine Änderungen dazu angezeigt werden.</translation>
    </message>
    <message id="history.record.tooLarge">
        <source>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</source>
        <extracomment>Message in a record editor when the record file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 ist größer, als der Verlauf fassen darf; die Datei wurde geändert, ohne eine Kopie davon aufzubewahren.</translation>
    </message>
    <message id="history.record.writeFailed">
        <source>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</source>
        <extracomment>Message in a record editor when the history could not be written. %1 is the folder, %2 the error, %3 the record file.</extracomment>
        <translation>Der Verlauf in %1 konnte nicht geschrieben werden (%2). %3 wurde ohne Kopie der früheren Datei geändert.</translation>
    </message>
</context>
<context>
    <name>a11y (accessibility)</name>
    <message id="a11y.pageList">
        <source>Pages</source>
        <extracomment>Accessible name of the list of pages beside a property sheet's page (read by screen readers).</extracomment>
        <translation>Seiten</translation>
    </message>
    <message id="a11y.field">
        <source>Field %1</source>
        <extracomment>Accessible name (read by screen readers) of an entry dialog's field that shows no label; %1 is its number.</extracomment>
        <translation>Feld %1</translation>
    </message>
    <message id="a11y.logView">
        <source>Log</source>
        <extracomment>Accessible name (read by screen readers) of the main window's log view.</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message id="a11y.recordList">
        <source>Records</source>
        <extracomment>Accessible name (read by screen readers) of the grid of a record list dialog.</extracomment>
        <translation>Einträge</translation>
    </message>
    <message id="a11y.statsGrid">
        <source>Statistics</source>
        <extracomment>Accessible name (read by screen readers) of the statistics viewer's table of counters.</extracomment>
        <translation>Statistik</translation>
    </message>
</context>
</TS>

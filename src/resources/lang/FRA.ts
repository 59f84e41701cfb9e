<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>common</name>
    <message id="common.caption">
        <source>Morva Admin</source>
        <translation>Morva Admin</translation>
    </message>
    <message id="common.notPlainFile">
        <source>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 est un lien symbolique ou un fichier spécial (périphérique, tube ou socket). La console ne suit pas un tel fichier et n&apos;y écrit pas : supprimez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>app (start-up, main window, log view)</name>
    <message id="app.menu.file">
        <source>&amp;File</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="app.menu.edit">
        <source>&amp;Edit</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>É&amp;dition</translation>
    </message>
    <message id="app.menu.view">
        <source>&amp;View</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Affichage</translation>
    </message>
    <message id="app.menu.configuration">
        <source>&amp;Configuration</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Configuration</translation>
    </message>
    <message id="app.menu.options">
        <source>&amp;Options</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message id="app.menu.exchange">
        <source>Exch&amp;ange</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Exchange</translation>
    </message>
    <message id="app.menu.data">
        <source>&amp;Data</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;onnées</translation>
    </message>
    <message id="app.menu.translation">
        <source>&amp;Translation</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Tra&amp;duction</translation>
    </message>
    <message id="app.menu.rewrite">
        <source>Re&amp;write</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Réécriture</translation>
    </message>
    <message id="app.menu.signal">
        <source>&amp;Signal</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Signal</translation>
    </message>
    <message id="app.menu.help">
        <source>&amp;Help</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;ide</translation>
    </message>
    <message id="app.label.57607">
        <source>&amp;Print...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message id="app.label.57606">
        <source>P&amp;rint Setup...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message id="app.label.57665">
        <source>E&amp;xit</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="app.label.57643">
        <source>&amp;Undo</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="app.label.57635">
        <source>Cu&amp;t</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Couper</translation>
    </message>
    <message id="app.label.57634">
        <source>&amp;Copy</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Co&amp;pier</translation>
    </message>
    <message id="app.label.57637">
        <source>&amp;Paste</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>C&amp;oller</translation>
    </message>
    <message id="app.label.57636">
        <source>&amp;Find</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Rechercher</translation>
    </message>
    <message id="app.label.6002">
        <source>&amp;Refresh</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message id="app.label.6011">
        <source>&amp;E-mail domain on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domaines de messagerie sur Exchange...</translation>
    </message>
    <message id="app.label.6010">
        <source>E-mail &amp;address on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Adresses e-mail sur Exchange...</translation>
    </message>
    <message id="app.label.6031">
        <source>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Module MORVAFilter pour le dossier Courrier indésirable d&apos;Exchange...</translation>
    </message>
    <message id="app.label.6035">
        <source>Service...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window.</extracomment>
        <translation>Service...</translation>
    </message>
    <message id="app.label.6008">
        <source>E-mail &amp;Forwarding...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Transfert des e-mails...</translation>
    </message>
    <message id="app.label.6009">
        <source>SMTP &amp;Blocking...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Blocage SMTP...</translation>
    </message>
    <message id="app.label.6026">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domaine...</translation>
    </message>
    <message id="app.label.6027">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Boîte aux lettres...</translation>
    </message>
    <message id="app.label.6028">
        <source>Domain to &amp;E-mail address...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Domaine vers &amp;adresse e-mail...</translation>
    </message>
    <message id="app.label.6029">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domaine...</translation>
    </message>
    <message id="app.label.6030">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Boîte aux lettres...</translation>
    </message>
    <message id="app.label.6006">
        <source>&amp;Advanced Configuration...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Configuration &amp;avancée...</translation>
    </message>
    <message id="app.label.6012">
        <source>Stat&amp;istic...</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message id="app.label.59392">
        <source>&amp;Toolbar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message id="app.label.59393">
        <source>&amp;Status Bar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message id="app.label.6036">
        <source>&amp;General...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Général...</translation>
    </message>
    <message id="app.label.6037">
        <source>&amp;Blocking...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Blocage...</translation>
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
        <translation>S&amp;ession...</translation>
    </message>
    <message id="app.label.6040">
        <source>S&amp;ystem...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;ystème...</translation>
    </message>
    <message id="app.label.6041">
        <source>&amp;Virus...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Virus...</translation>
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
        <translation>E&amp;xclusions globales...</translation>
    </message>
    <message id="app.label.6013">
        <source>&amp;Deliver messages now</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Distribuer les messages maintenant</translation>
    </message>
    <message id="app.label.6014">
        <source>Dump &amp;statistics</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Écrire les &amp;statistiques</translation>
    </message>
    <message id="app.label.6015">
        <source>Dump &amp;outbound queue</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Écrire la &amp;file sortante</translation>
    </message>
    <message id="app.label.6016">
        <source>Send &amp;logfile</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Envoyer le fichier &amp;journal</translation>
    </message>
    <message id="app.label.6018">
        <source>Pack White List</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Compacter la liste blanche</translation>
    </message>
    <message id="app.label.6017">
        <source>Restart</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Redémarrer</translation>
    </message>
    <message id="app.label.6019">
        <source>D&amp;ocumentation</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;ocumentation</translation>
    </message>
    <message id="app.label.6020">
        <source>&amp;Administer Morva</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Administrer Morva</translation>
    </message>
    <message id="app.label.6021">
        <source>&amp;Troubleshooting</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dépannage</translation>
    </message>
    <message id="app.label.6023">
        <source>&amp;Fight Spam</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Combattre le spam</translation>
    </message>
    <message id="app.label.6024">
        <source>O&amp;perations Guide</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Guide d&apos;exploitation</translation>
    </message>
    <message id="app.label.6022">
        <source>Tighten &amp;Security</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Renforcer la sécurité</translation>
    </message>
    <message id="app.label.6032">
        <source>Spam &amp;report service home page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Site du service de &amp;signalement de spam</translation>
    </message>
    <message id="app.label.6033">
        <source>MORVAFilter Exchange Junk-E-Mail Folder</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window.</extracomment>
        <translation>MORVAFilter pour le dossier Courrier indésirable d&apos;Exchange</translation>
    </message>
    <message id="app.label.6025">
        <source>Any &amp;questions?</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Des &amp;questions ?</translation>
    </message>
    <message id="app.label.6000">
        <source>Brentmoor&apos;s &amp;Home Page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Site web de &amp;Brentmoor</translation>
    </message>
    <message id="app.label.5099">
        <source>O&amp;nline Order</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Commande en &amp;ligne</translation>
    </message>
    <message id="app.label.57664">
        <source>A&amp;bout...</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>À &amp;propos...</translation>
    </message>
    <message id="app.prompt.57607">
        <source>Print the log
Print (Ctrl+P)</source>
        <extracomment>Status bar prompt of the command &quot;Print...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Imprimer le journal
Imprimer (Ctrl+P)</translation>
    </message>
    <message id="app.prompt.57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>Status bar prompt of the command &quot;Print Setup...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier l&apos;imprimante et les options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message id="app.prompt.57665">
        <source>Quit the console
Exit</source>
        <extracomment>Status bar prompt of the command &quot;Exit&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Quitter la console
Quitter</translation>
    </message>
    <message id="app.prompt.57643">
        <source>Undo the last action
Undo</source>
        <extracomment>Status bar prompt of the command &quot;Undo&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message id="app.prompt.57635">
        <source>Cut the selection and put it on the clipboard
Cut</source>
        <extracomment>Status bar prompt of the command &quot;Cut&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Couper la sélection et la placer dans le presse-papiers
Couper</translation>
    </message>
    <message id="app.prompt.57634">
        <source>Copy the selected log lines to the clipboard
Copy</source>
        <extracomment>Status bar prompt of the command &quot;Copy&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Copier les lignes sélectionnées du journal dans le presse-papiers
Copier</translation>
    </message>
    <message id="app.prompt.57637">
        <source>Insert the clipboard contents
Paste</source>
        <extracomment>Status bar prompt of the command &quot;Paste&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Insérer le contenu du presse-papiers
Coller</translation>
    </message>
    <message id="app.prompt.57636">
        <source>Find a text in the current column of the log
Find</source>
        <extracomment>Status bar prompt of the command &quot;Find&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Rechercher un texte dans la colonne actuelle du journal
Rechercher</translation>
    </message>
    <message id="app.prompt.6002">
        <source>Refresh
Refresh (F5)</source>
        <extracomment>Status bar prompt of the command &quot;Refresh&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Actualiser
Actualiser (F5)</translation>
    </message>
    <message id="app.prompt.6001">
        <source>Show the log view again</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Afficher de nouveau le journal</translation>
    </message>
    <message id="app.prompt.6011">
        <source>Edit E-mail domain list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail domain on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier la liste des domaines de messagerie gérés par Exchange</translation>
    </message>
    <message id="app.prompt.6010">
        <source>Edit E-mail address list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail address on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier la liste des adresses e-mail gérées par Exchange</translation>
    </message>
    <message id="app.prompt.6031">
        <source>Enable support for MORVAFilter or Outlook rules</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder Add-On...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Activer la prise en charge de MORVAFilter ou des règles Outlook</translation>
    </message>
    <message id="app.prompt.6035">
        <source>Install, start and stops Morva service</source>
        <extracomment>Status bar prompt of the command &quot;Service...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Installer, démarrer et arrêter le service Morva</translation>
    </message>
    <message id="app.prompt.6008">
        <source>Edit forwarding of messages to alternate recipients</source>
        <extracomment>Status bar prompt of the command &quot;E-mail Forwarding...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier le transfert des messages vers d&apos;autres destinataires</translation>
    </message>
    <message id="app.prompt.6009">
        <source>Edit blocking of messages at the SMTP transport level</source>
        <extracomment>Status bar prompt of the command &quot;SMTP Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier le blocage des messages au niveau du transport SMTP</translation>
    </message>
    <message id="app.prompt.6026">
        <source>Translate an e-mail domain to another e-mail domain on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduire un domaine de messagerie en un autre domaine dans les messages entrants</translation>
    </message>
    <message id="app.prompt.6027">
        <source>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduire une boîte aux lettres en une autre boîte aux lettres dans les messages entrants</translation>
    </message>
    <message id="app.prompt.6028">
        <source>Translate an e-mail domain to another e-mail address on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain to E-mail address...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traduire un domaine de messagerie en une autre adresse e-mail dans les messages entrants</translation>
    </message>
    <message id="app.prompt.6029">
        <source>Rewrites an e-mail domain to another e-mail domain on oubound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Réécrit un domaine de messagerie en un autre domaine dans les messages sortants</translation>
    </message>
    <message id="app.prompt.6030">
        <source>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Réécrit une boîte aux lettres en une autre boîte aux lettres dans les messages sortants</translation>
    </message>
    <message id="app.prompt.6006">
        <source>Edit advanced configuration options</source>
        <extracomment>Status bar prompt of the command &quot;Advanced Configuration...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options de configuration avancées</translation>
    </message>
    <message id="app.prompt.6012">
        <source>Show the gateway&apos;s statistics</source>
        <extracomment>Status bar prompt of the command &quot;Statistic...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Afficher les statistiques de la passerelle</translation>
    </message>
    <message id="app.prompt.59392">
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar prompt of the command &quot;Toolbar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message id="app.prompt.59393">
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar prompt of the command &quot;Status Bar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message id="app.prompt.6036">
        <source>Edit Exchange related options
General options</source>
        <extracomment>Status bar prompt of the command &quot;General...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées à Exchange
Options générales</translation>
    </message>
    <message id="app.prompt.6037">
        <source>Edit blocking related options
Blocking options</source>
        <extracomment>Status bar prompt of the command &quot;Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options de blocage
Options de blocage</translation>
    </message>
    <message id="app.prompt.6038">
        <source>Edit spam related options
Spam options</source>
        <extracomment>Status bar prompt of the command &quot;Spam...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées au spam
Options anti-spam</translation>
    </message>
    <message id="app.prompt.6042">
        <source>Edit ClamAV related options</source>
        <extracomment>Status bar prompt of the command &quot;ClamAV...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées à ClamAV</translation>
    </message>
    <message id="app.prompt.6039">
        <source>Edit session related options
Session options</source>
        <extracomment>Status bar prompt of the command &quot;Session...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options de session
Options de session</translation>
    </message>
    <message id="app.prompt.6040">
        <source>Edit system related options
System options</source>
        <extracomment>Status bar prompt of the command &quot;System...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options système
Options système</translation>
    </message>
    <message id="app.prompt.6041">
        <source>Edit virus related options
Virus options</source>
        <extracomment>Status bar prompt of the command &quot;Virus...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options antivirus
Options antivirus</translation>
    </message>
    <message id="app.prompt.6043">
        <source>Edit disclaimer
Transit options</source>
        <extracomment>Status bar prompt of the command &quot;Transit...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier l&apos;avertissement
Options de transit</translation>
    </message>
    <message id="app.prompt.6044">
        <source>Edit exclusion lists
Global exclude</source>
        <extracomment>Status bar prompt of the command &quot;Global Exclude...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les listes d&apos;exclusion
Exclusions globales</translation>
    </message>
    <message id="app.prompt.6045">
        <source>Edit S/MIME related options
S/MIME options</source>
        <extracomment>Status bar prompt of the command &quot;S/MIME...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées à S/MIME
Options S/MIME</translation>
    </message>
    <message id="app.prompt.6046">
        <source>Edit DKIM related options
DKIM options</source>
        <extracomment>Status bar prompt of the command &quot;DKIM...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées à DKIM
Options DKIM</translation>
    </message>
    <message id="app.prompt.6047">
        <source>Edit TLS related options</source>
        <extracomment>Status bar prompt of the command &quot;TLS/SSL...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Modifier les options liées à TLS</translation>
    </message>
    <message id="app.prompt.6013">
        <source>Signal GWCored to deliver all SMTP message now</source>
        <extracomment>Status bar prompt of the command &quot;Deliver messages now&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signaler à GWCored de distribuer maintenant tous les messages SMTP</translation>
    </message>
    <message id="app.prompt.6014">
        <source>Signal GWCored to dump the statistics into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump statistics&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signaler à GWCored d&apos;écrire les statistiques dans le fichier journal</translation>
    </message>
    <message id="app.prompt.6015">
        <source>Signal GWCored to dump the outbound queue into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump outbound queue&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signaler à GWCored d&apos;écrire la file d&apos;attente sortante dans le fichier journal</translation>
    </message>
    <message id="app.prompt.6016">
        <source>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</source>
        <extracomment>Status bar prompt of the command &quot;Send logfile&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signaler à GWCored d&apos;envoyer le fichier journal actuel à l&apos;adresse e-mail définie comme postmaster</translation>
    </message>
    <message id="app.prompt.6018">
        <source>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</source>
        <extracomment>Status bar prompt of the command &quot;Pack White List&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signaler à GWCored de compacter la liste blanche (AdrOWL-A.dat). Remarque : cela peut prendre du temps selon la taille de la liste</translation>
    </message>
    <message id="app.prompt.6019">
        <source>View the documentation on the web</source>
        <extracomment>Status bar prompt of the command &quot;Documentation&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter la documentation sur le web</translation>
    </message>
    <message id="app.prompt.6020">
        <source>View the documentation of the options</source>
        <extracomment>Status bar prompt of the command &quot;Administer Morva&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter la documentation des options</translation>
    </message>
    <message id="app.prompt.6021">
        <source>View troubleshooting database</source>
        <extracomment>Status bar prompt of the command &quot;Troubleshooting&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter la base de dépannage</translation>
    </message>
    <message id="app.prompt.6023">
        <source>View a description how spam fighting works</source>
        <extracomment>Status bar prompt of the command &quot;Fight Spam&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter une description du fonctionnement de la lutte contre le spam</translation>
    </message>
    <message id="app.prompt.6024">
        <source>View the recommended settings</source>
        <extracomment>Status bar prompt of the command &quot;Operations Guide&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter les réglages recommandés</translation>
    </message>
    <message id="app.prompt.6022">
        <source>View how to tighten the gateway&apos;s security</source>
        <extracomment>Status bar prompt of the command &quot;Tighten Security&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Consulter comment renforcer la sécurité de la passerelle</translation>
    </message>
    <message id="app.prompt.6032">
        <source>Open the home page of the spam report service</source>
        <extracomment>Status bar prompt of the command &quot;Spam report service home page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ouvrir le site du service de signalement de spam</translation>
    </message>
    <message id="app.prompt.6033">
        <source>Open the home page of the MORVAFilter add-on</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ouvrir le site du module MORVAFilter</translation>
    </message>
    <message id="app.prompt.6025">
        <source>Create a support request</source>
        <extracomment>Status bar prompt of the command &quot;Any questions?&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Créer une demande d&apos;assistance</translation>
    </message>
    <message id="app.prompt.6000">
        <source>Open Brentmoor&apos;s home page</source>
        <extracomment>Status bar prompt of the command &quot;Brentmoor&apos;s Home Page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ouvrir le site web de Brentmoor</translation>
    </message>
    <message id="app.prompt.5099">
        <source>Order Morva online</source>
        <extracomment>Status bar prompt of the command &quot;Online Order&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Commander Morva en ligne</translation>
    </message>
    <message id="app.prompt.57664">
        <source>Show the program&apos;s version and maker
About</source>
        <extracomment>Status bar prompt of the command &quot;About...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Afficher la version et l&apos;éditeur du programme
À propos</translation>
    </message>
    <message id="app.prompt.6007">
        <source>Create a new entry
New</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Créer une nouvelle entrée
Nouveau</translation>
    </message>
    <message id="app.prompt.6003">
        <source>Open the selected entry
Open (Enter)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Ouvrir l&apos;entrée sélectionnée
Ouvrir (Entrée)</translation>
    </message>
    <message id="app.prompt.6004">
        <source>Delete the selected entry
Delete (Del)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Supprimer l&apos;entrée sélectionnée
Supprimer (Suppr)</translation>
    </message>
    <message id="app.prompt.57345">
        <source>Ready</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Prêt</translation>
    </message>
    <message id="app.prompt.59142">
        <source>Locked</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Verrouillé</translation>
    </message>
    <message id="app.prompt.59137">
        <source>CAP</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>MAJ</translation>
    </message>
    <message id="app.prompt.59138">
        <source>NUM</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>NUM</translation>
    </message>
    <message id="app.versionMismatch">
        <source>Version of GWConsole (%1) does not match the version of GWCored (%2)</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>La version de GWConsole (%1) ne correspond pas à la version de GWCored (%2)</translation>
    </message>
    <message id="app.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Impossible de démarrer votre navigateur WWW !</translation>
    </message>
    <message id="app.createWindowFailed">
        <source>Unable to create window: </source>
        <translation>Impossible de créer la fenêtre : </translation>
    </message>
    <message id="app.createDialogFailed">
        <source>Unable to create dialog box: </source>
        <translation>Impossible de créer la boîte de dialogue : </translation>
    </message>
    <message id="app.printing">
        <source>Printing...</source>
        <translation>Impression...</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message id="app.button.no">
        <source>&amp;No</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Non</translation>
    </message>
    <message id="app.button.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="app.log.time">
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message id="app.log.thread">
        <source>Thread</source>
        <translation>Thread</translation>
    </message>
    <message id="app.log.activity">
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message id="app.log.openWith">
        <source>Open with the associated program</source>
        <translation>Ouvrir avec le programme associé</translation>
    </message>
    <message id="app.log.openFailed">
        <source>Unable to open the log file with the associated program:</source>
        <translation>Impossible d&apos;ouvrir le fichier journal avec le programme associé :</translation>
    </message>
    <message id="app.find.caption">
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message id="app.find.what">
        <source>Fi&amp;nd what:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message id="app.find.next">
        <source>&amp;Find Next</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Suivant</translation>
    </message>
    <message id="app.find.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="app.find.notFound">
        <source>The text was not found in this column.</source>
        <translation>Le texte est introuvable dans cette colonne.</translation>
    </message>
    <message id="app.find.wrapped">
        <source>End of the column reached; continued from the top.</source>
        <translation>Fin de la colonne atteinte ; recherche reprise depuis le début.</translation>
    </message>
    <message id="app.find.noData">
        <source>Unable to find valid data in this column!</source>
        <translation>Impossible de trouver des données valides dans cette colonne !</translation>
    </message>
    <message id="app.printFailed">
        <source>Print Error: the log could not be printed.</source>
        <translation>Erreur d&apos;impression : le journal n&apos;a pas pu être imprimé.</translation>
    </message>
    <message id="app.log.following">
        <source>Following</source>
        <translation>Suivi</translation>
    </message>
    <message id="app.log.paused">
        <source>Paused, %1 new lines</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>En pause, %1 nouvelles lignes</translation>
    </message>
    <message id="app.logFilter.placeholder">
        <source>Filter: words, -word to leave out, "a phrase"</source>
        <extracomment>Placeholder of the log view's filter field; keep the quotes and the minus sign.</extracomment>
        <translation>Filtre : mots, -mot pour exclure, "une expression"</translation>
    </message>
    <message id="app.logFilter.help">
        <source>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</source>
        <extracomment>Tool tip of the log view's filter field.</extracomment>
        <translation>Une ligne doit contenir chaque mot, sans tenir compte de la casse ; -mot exclut des lignes ; "une expression" compte pour un terme. Échap efface le filtre.</translation>
    </message>
    <message id="app.logFilter.regex">
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message id="app.logFilter.onlyMatching">
        <source>Only matching lines</source>
        <translation>Lignes correspondantes seulement</translation>
    </message>
    <message id="app.logFilter.highlight">
        <source>Highlight matches</source>
        <translation>Surligner les correspondances</translation>
    </message>
    <message id="app.logFilter.rejections">
        <source>Rejected</source>
        <extracomment>Legend of the log colours: rejections and blocks.</extracomment>
        <translation>Rejeté</translation>
    </message>
    <message id="app.logFilter.deliveries">
        <source>Delivered</source>
        <extracomment>Legend of the log colours: deliveries.</extracomment>
        <translation>Remis</translation>
    </message>
    <message id="app.logFilter.viruses">
        <source>Virus</source>
        <extracomment>Legend of the log colours: virus findings.</extracomment>
        <translation>Virus</translation>
    </message>
    <message id="app.logFilter.problems">
        <source>Errors</source>
        <extracomment>Legend of the log colours: errors and warnings of the gateway.</extracomment>
        <translation>Erreurs</translation>
    </message>
    <message id="app.logFilter.connections">
        <source>Connections</source>
        <extracomment>Legend of the log colours: connections.</extracomment>
        <translation>Connexions</translation>
    </message>
    <message id="app.logFilter.legendTip">
        <source>Show only the rows of this colour; click again to show all</source>
        <translation>Afficher seulement les lignes de cette couleur ; cliquer à nouveau pour tout afficher</translation>
    </message>
    <message id="app.logFilter.close">
        <source>Close the filter bar and clear the filter</source>
        <translation>Fermer la barre de filtre et effacer le filtre</translation>
    </message>
    <message id="app.logFilter.count">
        <source>%1 of %2 rows</source>
        <extracomment>%1 rows shown, %2 rows kept; keep both.</extracomment>
        <translation>%1 sur %2 lignes</translation>
    </message>
    <message id="app.logFilter.badRegex">
        <source>Invalid regular expression: %1</source>
        <extracomment>%1 is the reason (in English); keep it.</extracomment>
        <translation>Expression régulière incorrecte : %1</translation>
    </message>
    <message id="app.logFilter.show">
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message id="app.logFilter.onlyThread">
        <source>Only thread %1</source>
        <extracomment>%1 is a session thread number; keep it.</extracomment>
        <translation>Seulement le thread %1</translation>
    </message>
    <message id="app.logFilter.copyVisible">
        <source>Copy the rows shown</source>
        <translation>Copier les lignes affichées</translation>
    </message>
    <message id="app.logFilter.export">
        <source>Export the rows shown...</source>
        <translation>Exporter les lignes affichées...</translation>
    </message>
    <message id="app.logFilter.openOlder">
        <source>Open an older log...</source>
        <translation>Ouvrir un ancien journal...</translation>
    </message>
    <message id="app.logFilter.backToLive">
        <source>Back to the live log</source>
        <translation>Retour au journal en cours</translation>
    </message>
    <message id="app.logFilter.cancel">
        <source>Cancel</source>
        <extracomment>Stops reading an older log file.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message id="app.logFilter.shownFile">
        <source>%1 (read-only)</source>
        <extracomment>%1 is the path of the log file shown; keep it.</extracomment>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message id="app.logFilter.readFailed">
        <source>Unable to read %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message id="app.logFilter.exportFailed">
        <source>Unable to write %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Impossible d'écrire %1 : %2.</translation>
    </message>
    <message id="app.logFilter.logFiles">
        <source>Log files</source>
        <translation>Fichiers journaux</translation>
    </message>
    <message id="app.logFilter.allFiles">
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message id="app.logFilter.csvFiles">
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message id="app.logFilter.textFiles">
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message id="app.iniUnreadable">
        <source>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossible de lire %1 : %2.
La console affiche les paramètres par défaut et n&apos;enregistre aucune modification tant que le fichier ne peut pas être lu. Corrigez le problème et redémarrez la console.</translation>
    </message>
    <message id="app.fileError.accessDenied">
        <source>access denied</source>
        <translation>accès refusé</translation>
    </message>
    <message id="app.fileError.inUse">
        <source>the file is in use by another program</source>
        <translation>le fichier est utilisé par un autre programme</translation>
    </message>
    <message id="app.fileError.isDirectory">
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message id="app.fileError.other">
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
    <message id="app.about.caption">
        <source>About Morva Admin</source>
        <translation>À propos de Morva Admin</translation>
    </message>
    <message id="app.about.copyright">
        <source>Administration console of the Morva mail gateway</source>
        <translation>Console d&apos;administration de la passerelle de messagerie Morva</translation>
    </message>
    <message id="app.about.web">
        <source>Web:</source>
        <translation>Web :</translation>
    </message>
    <message id="app.about.support">
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
</context>
<context>
    <name>confui: framework and the sheets of the General, Blocking and Spam menus</name>
    <message id="confui.unableToWrite">
        <source>Unable to write morva.ini!
Either the file is write protected or it was changed manually or through GWCored.
Restart GWConsole and retry the operation.</source>
        <translation>Impossible d&apos;écrire morva.ini !
Le fichier est protégé en écriture ou a été modifié manuellement ou par GWCored.
Redémarrez GWConsole et recommencez l&apos;opération.</translation>
    </message>
    <message id="confui.savedNotDurable">
        <source>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</source>
        <translation>Les paramètres ont été écrits dans morva.ini, mais le système n&apos;a pas confirmé qu&apos;ils sont enregistrés de façon sûre sur le disque.
Si l&apos;ordinateur s&apos;arrête de manière inattendue, les paramètres précédents peuvent revenir. Vérifiez le disque et enregistrez à nouveau.</translation>
    </message>
    <message id="confui.notEightBitText">
        <source>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 n&apos;est pas enregistré : il est stocké en %2, alors que la console ne lit et n&apos;écrit que du texte 8 bits ; un enregistrement perdrait ses paramètres. Enregistrez le fichier en texte 8 bits (ANSI) et réessayez.</translation>
    </message>
    <message id="confui.encoding.utf16">
        <source>UTF-16 text</source>
        <translation>texte UTF-16</translation>
    </message>
    <message id="confui.encoding.binary">
        <source>binary data</source>
        <translation>données binaires</translation>
    </message>
    <message id="confui.addOnRequired">
        <source>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</source>
        <translation>L&apos;action &apos;Marquer l&apos;objet et déplacer vers le dossier Courrier indésirable&apos; n&apos;est autorisée que si le module complémentaire MORVAFilter est installé</translation>
    </message>
    <message id="confui.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Impossible de démarrer votre navigateur WWW !</translation>
    </message>
    <message id="confui.noItemSelected">
        <source>No item selected!</source>
        <translation>Aucun élément sélectionné !</translation>
    </message>
    <message id="confui.deleteSelected">
        <source>Delete selected items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
    <message id="confui.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Un champ vide n&apos;est pas autorisé !</translation>
    </message>
    <message id="confui.invalidEmail">
        <source>Please enter a valid SMTP address!</source>
        <translation>Veuillez saisir une adresse SMTP valide !</translation>
    </message>
    <message id="confui.emailFormat">
        <source>Format is </source>
        <translation>Le format est </translation>
    </message>
    <message id="confui.emailSample">
        <source>user@domain.com</source>
        <translation>utilisateur@domaine.fr</translation>
    </message>
    <message id="confui.invalidIp">
        <source>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</source>
        <translation>Veuillez saisir une adresse IP valide !
Le format est xxx.xxx.xxx.xxx</translation>
    </message>
    <message id="confui.invalidNetwork">
        <source>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</source>
        <translation>Veuillez saisir une adresse ou un réseau IP valide !
Le format est xxx.xxx.xxx.xxx, xxx.xxx. ou xxx.xxx.xxx.xxx/nn</translation>
    </message>
    <message id="confui.directoryNotFound">
        <source>Directory %1 not found!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Répertoire %1 introuvable !</translation>
    </message>
    <message id="confui.continue">
        <source>Would you like to continue</source>
        <translation>Voulez-vous continuer</translation>
    </message>
    <message id="confui.numberRange">
        <source>Please enter a number between %1 and %2!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Veuillez saisir un nombre entre %1 et %2 !</translation>
    </message>
    <message id="confui.dialogFailed">
        <source>Unable to create dialog box:</source>
        <translation>Impossible de créer la boîte de dialogue :</translation>
    </message>
    <message id="confui.button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confui.button.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="confui.button.apply">
        <source>&amp;Apply</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Appliquer</translation>
    </message>
    <message id="confui.button.help">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="confui.button.back">
        <source>&lt; &amp;Back</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message id="confui.button.next">
        <source>&amp;Next &gt;</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message id="confui.button.finish">
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message id="confui.button.new">
        <source>&amp;New...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message id="confui.button.edit">
        <source>&amp;Edit...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Modifier...</translation>
    </message>
    <message id="confui.button.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="confui.button.browse">
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message id="confui.exclude.button">
        <source>E&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclusions...</translation>
    </message>
    <message id="confui.addCommon">
        <source>Add &amp;Common</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ajouter les &amp;courants</translation>
    </message>
    <message id="confui.tooltipKey">
        <source>Key in Morva.ini: %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Clé dans Morva.ini : %1</translation>
    </message>
    <message id="confui.resetToDefault">
        <source>Reset to &amp;default</source>
        <extracomment>Context menu of a control on a configuration page: puts the value back to the setting&apos;s default. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Rétablir la valeur par &amp;défaut</translation>
    </message>
    <message id="confui.tooltipDefault">
        <source>Default: %1</source>
        <extracomment>Second line of the tooltip of a control on a configuration page. %1 is replaced at run time by the default value; keep it.</extracomment>
        <translation>Par défaut : %1</translation>
    </message>
    <message id="confui.defaultTicked">
        <source>ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>coché</translation>
    </message>
    <message id="confui.defaultUnticked">
        <source>not ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>non coché</translation>
    </message>
    <message id="confui.defaultEmpty">
        <source>empty</source>
        <extracomment>Default of a text field or a list that is empty, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>vide</translation>
    </message>
    <message id="confui.column.value">
        <source>Entry</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message id="confui.column.comment">
        <source>Comment</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Commentaire</translation>
    </message>
    <message id="confui.column.user">
        <source>User</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Utilisateur</translation>
    </message>
    <message id="confui.noBlanks">
        <source>Blanks are not allowed in this field!</source>
        <translation>Les espaces ne sont pas autorisés dans ce champ !</translation>
    </message>
    <message id="confui.edit.notAChoice">
        <source>Please choose a value from the list!</source>
        <translation>Veuillez choisir une valeur de la liste !</translation>
    </message>
    <message id="confui.comment">
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message id="confui.pickPath">
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message id="confui.unknownValue">
        <source>Other value (%1)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Autre valeur (%1)</translation>
    </message>
    <message id="confui.action.label">
        <source>Action:</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Action :</translation>
    </message>
    <message id="confui.action.inbound">
        <source>Inbound action:</source>
        <translation>Action entrante :</translation>
    </message>
    <message id="confui.action.outbound">
        <source>Outbound action:</source>
        <translation>Action sortante :</translation>
    </message>
    <message id="confui.action.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Supprimer le message</translation>
    </message>
    <message id="confui.action.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsuler et transférer au postmaster</translation>
    </message>
    <message id="confui.action.2">
        <source>Encapsulate and send to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsuler et envoyer au destinataire</translation>
    </message>
    <message id="confui.action.3">
        <source>Encapsulate and send to recipient without attachments</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsuler et envoyer au destinataire sans pièces jointes</translation>
    </message>
    <message id="confui.action.4">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Envoyer un rapport de non-remise à l&apos;expéditeur</translation>
    </message>
    <message id="confui.action.5">
        <source>Mark subject and move to Junk-E-Mail folder</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Marquer l&apos;objet et déplacer vers le dossier Courrier indésirable</translation>
    </message>
    <message id="confui.action.6">
        <source>Forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Transférer au postmaster</translation>
    </message>
    <message id="confui.action.7">
        <source>Mark subject</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Marquer l&apos;objet</translation>
    </message>
    <message id="confui.action.8">
        <source>Forward to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Transférer au destinataire</translation>
    </message>
    <message id="confui.outAction.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Supprimer le message</translation>
    </message>
    <message id="confui.outAction.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Encapsuler et transférer au postmaster</translation>
    </message>
    <message id="confui.outAction.2">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Envoyer un rapport de non-remise à l&apos;expéditeur</translation>
    </message>
    <message id="confui.common.user">
        <source>User:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message id="confui.common.password">
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message id="confui.common.path">
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message id="confui.common.purgeDays">
        <source>Delete files older than (days):</source>
        <translation>Supprimer les fichiers de plus de (jours) :</translation>
    </message>
    <message id="confui.common.program">
        <source>Program:</source>
        <translation>Programme :</translation>
    </message>
    <message id="confui.common.arguments">
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message id="confui.common.programVerbose">
        <source>Log the program&apos;s output</source>
        <translation>Journaliser la sortie du programme</translation>
    </message>
    <message id="confui.common.smtpLevel">
        <source>Reject during the SMTP session</source>
        <translation>Rejeter pendant la session SMTP</translation>
    </message>
    <message id="confui.common.verbose">
        <source>Detailed logging</source>
        <translation>Journalisation détaillée</translation>
    </message>
    <message id="confui.common.inbound">
        <source>Inbound</source>
        <translation>Entrant</translation>
    </message>
    <message id="confui.common.outbound">
        <source>Outbound</source>
        <translation>Sortant</translation>
    </message>
    <message id="confui.common.caseSensitive">
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message id="confui.edit.ip">
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message id="confui.edit.ip.value">
        <source>IP address or network:</source>
        <translation>Adresse ou réseau IP :</translation>
    </message>
    <message id="confui.edit.host">
        <source>Hostname</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message id="confui.edit.host.value">
        <source>Host name:</source>
        <translation>Nom d&apos;hôte :</translation>
    </message>
    <message id="confui.edit.adr">
        <source>E-mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message id="confui.edit.adr.value">
        <source>E-mail address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message id="confui.edit.subj">
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message id="confui.edit.subj.value">
        <source>Subject:</source>
        <translation>Objet :</translation>
    </message>
    <message id="confui.edit.text">
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message id="confui.edit.text.value">
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message id="confui.edit.att">
        <source>Attachment</source>
        <translation>Pièce jointe</translation>
    </message>
    <message id="confui.edit.att.value">
        <source>File name:</source>
        <translation>Nom de fichier :</translation>
    </message>
    <message id="confui.edit.hdr">
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message id="confui.edit.hdr.value">
        <source>Header line:</source>
        <translation>Ligne d&apos;en-tête :</translation>
    </message>
    <message id="confui.edit.charset">
        <source>Charset</source>
        <translation>Jeu de caractères</translation>
    </message>
    <message id="confui.edit.charset.value">
        <source>Character set:</source>
        <translation>Jeu de caractères :</translation>
    </message>
    <message id="confui.edit.sls">
        <source>Spam Lookup Service</source>
        <translation>Service de recherche de spam</translation>
    </message>
    <message id="confui.edit.sls.value">
        <source>DNS zone:</source>
        <translation>Zone DNS :</translation>
    </message>
    <message id="confui.edit.domain">
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message id="confui.edit.domain.value">
        <source>Domain:</source>
        <translation>Domaine :</translation>
    </message>
    <message id="confui.edit.userpass">
        <source>User/Pass</source>
        <translation>Utilisateur/Mot de passe</translation>
    </message>
    <message id="confui.edit.userpass.value">
        <source>User and password:</source>
        <translation>Utilisateur et mot de passe :</translation>
    </message>
    <message id="confui.language.auto">
        <source>Auto Detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message id="confui.language.eng">
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message id="confui.language.deu">
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message id="confui.language.fra">
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message id="confui.language.ita">
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message id="confui.language.spa">
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message id="confui.sheet.general">
        <source>Options - General</source>
        <translation>Options - Général</translation>
    </message>
    <message id="confui.sheet.blocking">
        <source>Options - Blocking</source>
        <translation>Options - Blocage</translation>
    </message>
    <message id="confui.sheet.spam">
        <source>Options - Spam</source>
        <translation>Options - Spam</translation>
    </message>
    <message id="confui.sheet.fallback">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="confui.sheet.exclude">
        <source>Exclude</source>
        <translation>Exclusions</translation>
    </message>
    <message id="confui.page.IniStd">
        <source>Exchange</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exchange</translation>
    </message>
    <message id="confui.page.IniLog">
        <source>Logfiles</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Fichiers journaux</translation>
    </message>
    <message id="confui.page.IniHist">
        <source>History</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Historique</translation>
    </message>
    <message id="confui.page.IniStat">
        <source>Statistic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message id="confui.page.IniCon">
        <source>Connections</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Connexions</translation>
    </message>
    <message id="confui.page.IniRel">
        <source>Relay</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Relais</translation>
    </message>
    <message id="confui.page.IniAuth">
        <source>Authentication</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Authentification</translation>
    </message>
    <message id="confui.page.IniAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avancé</translation>
    </message>
    <message id="confui.IniStd.Postmaster">
        <source>Postmaster e-mail address:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting Postmaster of Morva.ini.</extracomment>
        <translation>Adresse e-mail du postmaster :</translation>
    </message>
    <message id="confui.IniStd.ExchHost">
        <source>Exchange server (name or IP address):</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchHost of Morva.ini.</extracomment>
        <translation>Serveur Exchange (nom ou adresse IP) :</translation>
    </message>
    <message id="confui.IniStd.ExchOutboundPort">
        <source>SMTP port of the Exchange server:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchOutboundPort of Morva.ini.</extracomment>
        <translation>Port SMTP du serveur Exchange :</translation>
    </message>
    <message id="confui.IniStd.InboundSMTPAutoDisableOnExchHostError">
        <source>Stop accepting inbound mail while the Exchange server cannot be reached</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting InboundSMTPAutoDisableOnExchHostError of Morva.ini.</extracomment>
        <translation>Refuser le courrier entrant tant que le serveur Exchange est injoignable</translation>
    </message>
    <message id="confui.IniStd.authGroup">
        <source>Authentication at the Exchange server</source>
        <translation>Authentification auprès du serveur Exchange</translation>
    </message>
    <message id="confui.IniStd.OutboundExchAuth">
        <source>Log on to the Exchange server</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting OutboundExchAuth of Morva.ini.</extracomment>
        <translation>Se connecter au serveur Exchange</translation>
    </message>
    <message id="confui.IniStd.NewVersionDSN">
        <source>Notify the postmaster when a new version is available</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting NewVersionDSN of Morva.ini.</extracomment>
        <translation>Avertir le postmaster lorsqu&apos;une nouvelle version est disponible</translation>
    </message>
    <message id="confui.IniLog.LogPath">
        <source>Log file folder:</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Dossier des fichiers journaux :</translation>
    </message>
    <message id="confui.IniLog.WriteLogFile">
        <source>Write log files</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting WriteLogFile of Morva.ini.</extracomment>
        <translation>Écrire des fichiers journaux</translation>
    </message>
    <message id="confui.IniLog.detailGroup">
        <source>Logging details</source>
        <translation>Détails de la journalisation</translation>
    </message>
    <message id="confui.IniLog.Verbose">
        <source>Detailed log</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Journal détaillé</translation>
    </message>
    <message id="confui.IniLog.VerboseTransfer">
        <source>Log every transfer</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting VerboseTransfer of Morva.ini.</extracomment>
        <translation>Journaliser chaque transfert</translation>
    </message>
    <message id="confui.IniLog.DumpSMTPHeader">
        <source>Log the SMTP headers</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting DumpSMTPHeader of Morva.ini.</extracomment>
        <translation>Journaliser les en-têtes SMTP</translation>
    </message>
    <message id="confui.IniHist.KeepMessageFile">
        <source>Keep a copy of every message</source>
        <extracomment>On the page &quot;History&quot;: the setting KeepMessageFile of Morva.ini.</extracomment>
        <translation>Conserver une copie de chaque message</translation>
    </message>
    <message id="confui.IniHist.HistPath">
        <source>History folder:</source>
        <extracomment>On the page &quot;History&quot;: the setting HistPath of Morva.ini.</extracomment>
        <translation>Dossier de l&apos;historique :</translation>
    </message>
    <message id="confui.IniStat.generalGroup">
        <source>Statistic</source>
        <translation>Statistiques</translation>
    </message>
    <message id="confui.IniStat.WriteStatisticFile">
        <source>Write statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteStatisticFile of Morva.ini.</extracomment>
        <translation>Écrire des fichiers de statistiques</translation>
    </message>
    <message id="confui.IniStat.spamGroup">
        <source>Spam statistic</source>
        <translation>Statistiques du spam</translation>
    </message>
    <message id="confui.IniStat.WriteSpamStatisticFile">
        <source>Write spam statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSpamStatisticFile of Morva.ini.</extracomment>
        <translation>Écrire des fichiers de statistiques du spam</translation>
    </message>
    <message id="confui.IniStat.sendGroup">
        <source>Send statistic</source>
        <translation>Statistiques d&apos;envoi</translation>
    </message>
    <message id="confui.IniStat.WriteSendStatisticFile">
        <source>Write send statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSendStatisticFile of Morva.ini.</extracomment>
        <translation>Écrire des fichiers de statistiques d&apos;envoi</translation>
    </message>
    <message id="confui.IniStat.virusGroup">
        <source>Virus statistic</source>
        <translation>Statistiques des virus</translation>
    </message>
    <message id="confui.IniStat.WriteVirusStatisticFile">
        <source>Write virus statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteVirusStatisticFile of Morva.ini.</extracomment>
        <translation>Écrire des fichiers de statistiques des virus</translation>
    </message>
    <message id="confui.IniStat.StatisticFileLongDate">
        <source>Use the long date in statistic file names</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting StatisticFileLongDate of Morva.ini.</extracomment>
        <translation>Utiliser la date longue dans les noms des fichiers de statistiques</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPSendTyp">
        <source>Delivery of outbound mail:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPSendTyp of Morva.ini.</extracomment>
        <translation>Remise du courrier sortant :</translation>
    </message>
    <message id="confui.IniCon.sendTyp0">
        <source>Relay all messages through the smart host</source>
        <translation>Relayer tous les messages par le smart host</translation>
    </message>
    <message id="confui.IniCon.sendTyp1">
        <source>Use DNS to send all messages direct to the recipients mail server</source>
        <translation>Utiliser le DNS pour envoyer tous les messages directement au serveur de messagerie du destinataire</translation>
    </message>
    <message id="confui.IniCon.sendTyp2">
        <source>Use smart host only if direct connection fails</source>
        <translation>N&apos;utiliser le smart host qu&apos;en cas d&apos;échec de la connexion directe</translation>
    </message>
    <message id="confui.IniCon.SmartHost">
        <source>Smart host:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting SmartHost of Morva.ini.</extracomment>
        <translation>Smart host :</translation>
    </message>
    <message id="confui.IniCon.NameServer">
        <source>DNS server:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting NameServer of Morva.ini.</extracomment>
        <translation>Serveur DNS :</translation>
    </message>
    <message id="confui.IniCon.authGroup">
        <source>Authentication at the smart host</source>
        <translation>Authentification auprès du smart host</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPAuth">
        <source>Log on to the smart host</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPAuth of Morva.ini.</extracomment>
        <translation>Se connecter au smart host</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPAutoDisableOnSmartHostError">
        <source>Stop accepting inbound mail while the smart host cannot be reached</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPAutoDisableOnSmartHostError of Morva.ini.</extracomment>
        <translation>Refuser le courrier entrant tant que le smart host est injoignable</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxConnections">
        <source>Maximum inbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Connexions entrantes maximales :</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxSendToMessage">
        <source>Maximum recipients per message:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxSendToMessage of Morva.ini.</extracomment>
        <translation>Destinataires maximum par message :</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPMaxConnections">
        <source>Maximum outbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Connexions sortantes maximales :</translation>
    </message>
    <message id="confui.IniRel.SMTPRelay">
        <source>Allow relaying for the hosts and addresses below</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelay of Morva.ini.</extracomment>
        <translation>Autoriser le relais pour les hôtes et adresses ci-dessous</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayReservedIP">
        <source>Allow relaying for reserved (private) IP addresses</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayReservedIP of Morva.ini.</extracomment>
        <translation>Autoriser le relais pour les adresses IP réservées (privées)</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAuthUsers">
        <source>Allow relaying for authenticated users</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAuthUsers of Morva.ini.</extracomment>
        <translation>Autoriser le relais pour les utilisateurs authentifiés</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowHost">
        <source>Hosts allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowHost of Morva.ini.</extracomment>
        <translation>Hôtes autorisés à relayer :</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowIP">
        <source>IP addresses allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowIP of Morva.ini.</extracomment>
        <translation>Adresses IP autorisées à relayer :</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthType">
        <source>Inbound SMTP authentication:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthType of Morva.ini.</extracomment>
        <translation>Authentification SMTP entrante :</translation>
    </message>
    <message id="confui.IniAuth.type0">
        <source>No inbound SMTP authentication</source>
        <translation>Pas d&apos;authentification SMTP entrante</translation>
    </message>
    <message id="confui.IniAuth.type1">
        <source>Enable inbound SMTP authentication using User/Pass</source>
        <translation>Activer l&apos;authentification SMTP entrante par utilisateur/mot de passe</translation>
    </message>
    <message id="confui.IniAuth.type2">
        <source>Enable inbound SMTP authentication using pass-through NTLM logon</source>
        <translation>Activer l&apos;authentification SMTP entrante par ouverture de session NTLM transmise</translation>
    </message>
    <message id="confui.IniAuth.type3">
        <source>Enable inbound SMTP authentication using a SMTP query to Exchange</source>
        <translation>Activer l&apos;authentification SMTP entrante par une requête SMTP à Exchange</translation>
    </message>
    <message id="confui.IniAuth.type4">
        <source>Enable inbound SMTP authentication using an external program</source>
        <translation>Activer l&apos;authentification SMTP entrante par un programme externe</translation>
    </message>
    <message id="confui.IniAuth.programGroup">
        <source>External program</source>
        <translation>Programme externe</translation>
    </message>
    <message id="confui.IniAuth.userGroup">
        <source>Users and passwords</source>
        <translation>Utilisateurs et mots de passe</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthUserPass">
        <source>Accepted users:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthUserPass of Morva.ini.</extracomment>
        <translation>Utilisateurs acceptés :</translation>
    </message>
    <message id="confui.IniAuth.queryGroup">
        <source>Account for the query to Exchange</source>
        <translation>Compte pour la requête à Exchange</translation>
    </message>
    <message id="confui.IniAdv.queueGroup">
        <source>Queues (seconds)</source>
        <translation>Files d&apos;attente (secondes)</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalExpire">
        <source>Outbound SMTP messages expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Les messages SMTP sortants expirent après :</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundDSNExpire">
        <source>Outbound reports expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundDSNExpire of Morva.ini.</extracomment>
        <translation>Les rapports sortants expirent après :</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalNextTry">
        <source>Retry outbound SMTP delivery every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Réessayer la remise SMTP sortante toutes les :</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalExpire">
        <source>Messages to Exchange expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Les messages vers Exchange expirent après :</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalNextTry">
        <source>Retry delivery to Exchange every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Réessayer la remise à Exchange toutes les :</translation>
    </message>
    <message id="confui.IniAdv.limitGroup">
        <source>Size limits (KB, 0 = no limit)</source>
        <translation>Limites de taille (Ko, 0 = aucune)</translation>
    </message>
    <message id="confui.IniAdv.InboundSizeLimit">
        <source>Inbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting InboundSizeLimit of Morva.ini.</extracomment>
        <translation>Messages entrants :</translation>
    </message>
    <message id="confui.IniAdv.OutboundSizeLimit">
        <source>Outbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting OutboundSizeLimit of Morva.ini.</extracomment>
        <translation>Messages sortants :</translation>
    </message>
    <message id="confui.IniAdv.CheckExchange">
        <source>Check the connection to the Exchange server at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckExchange of Morva.ini.</extracomment>
        <translation>Vérifier la connexion au serveur Exchange au démarrage</translation>
    </message>
    <message id="confui.IniAdv.CheckOnAccessScanner">
        <source>Check the on-access virus scanner at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckOnAccessScanner of Morva.ini.</extracomment>
        <translation>Vérifier l&apos;analyseur antivirus à l&apos;accès au démarrage</translation>
    </message>
    <message id="confui.IniAdv.Language">
        <source>Language of the console:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Langue de la console :</translation>
    </message>
    <message id="confui.page.ExclIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message id="confui.page.ExclHost">
        <source>Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Hôte</translation>
    </message>
    <message id="confui.page.ExclFrom">
        <source>MAIL FROM: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MAIL FROM : adresse e-mail</translation>
    </message>
    <message id="confui.page.ExclTo">
        <source>RCPT TO: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>RCPT TO : adresse e-mail</translation>
    </message>
    <message id="confui.ExclIP.list">
        <source>Connections from these IP addresses and networks are excluded:</source>
        <translation>Les connexions depuis ces adresses et réseaux IP sont exclues :</translation>
    </message>
    <message id="confui.ExclHost.list">
        <source>Connections from these host names are excluded:</source>
        <translation>Les connexions depuis ces noms d&apos;hôte sont exclues :</translation>
    </message>
    <message id="confui.ExclFrom.list">
        <source>Messages from these senders are excluded:</source>
        <translation>Les messages de ces expéditeurs sont exclus :</translation>
    </message>
    <message id="confui.ExclTo.list">
        <source>Messages to these recipients are excluded:</source>
        <translation>Les messages à ces destinataires sont exclus :</translation>
    </message>
    <message id="confui.sheet.addOn">
        <source>MORVAFilter Exchange Junk-E-Mail Folder Add-On</source>
        <translation>Module MORVAFilter pour le dossier Courrier indésirable d&apos;Exchange</translation>
    </message>
    <message id="confui.page.MVFInt">
        <source>Change of the default action</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Modification de l&apos;action par défaut</translation>
    </message>
    <message id="confui.page.MVFQry">
        <source>MORVAFilter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MORVAFilter</translation>
    </message>
    <message id="confui.MVFInt.notice">
        <source>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</source>
        <translation>L&apos;action par défaut de certaines méthodes est passée de &apos;Marquer l&apos;objet et déplacer vers le dossier Courrier indésirable&apos; à &apos;Marquer l&apos;objet&apos;.</translation>
    </message>
    <message id="confui.MVFInt.more">
        <source>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</source>
        <translation>Le déplacement vers le dossier Courrier indésirable nécessite le module MORVAFilter sur le serveur Exchange. Indiquez à la page suivante comment votre serveur Exchange est configuré.</translation>
    </message>
    <message id="confui.MVFQry.about">
        <source>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</source>
        <translation>Le module MORVAFilter s&apos;exécute sur le serveur Exchange et déplace les messages marqués par la passerelle dans le dossier Courrier indésirable de chaque utilisateur. Une règle Outlook sur la ligne d&apos;en-tête &apos;X-MORVA-Spam&apos; peut faire de même.</translation>
    </message>
    <message id="confui.MVFQry.setup">
        <source>Your Exchange set-up:</source>
        <translation>Votre configuration Exchange :</translation>
    </message>
    <message id="confui.MVFQry.status0">
        <source>Exchange without MORVAFilter installed</source>
        <translation>Exchange sans MORVAFilter installé</translation>
    </message>
    <message id="confui.MVFQry.status1">
        <source>Exchange with MORVAFilter installed</source>
        <translation>Exchange avec MORVAFilter installé</translation>
    </message>
    <message id="confui.MVFQry.status2">
        <source>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</source>
        <translation>Exchange avec une règle Outlook utilisant la ligne d&apos;en-tête &apos;X-MORVA-Spam&apos;</translation>
    </message>
    <message id="confui.page.WizSpam">
        <source>Spam</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Spam</translation>
    </message>
    <message id="confui.WizSpam.intro">
        <source>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</source>
        <translation>Choisissez avec quelle rigueur la passerelle bloque le spam dès le départ. Chaque réglage peut être modifié ensuite dans Options.</translation>
    </message>
    <message id="confui.WizSpam.level">
        <source>Default Spam Blocking:</source>
        <translation>Blocage du spam par défaut :</translation>
    </message>
    <message id="confui.WizSpam.level0">
        <source>None - no spam checks</source>
        <translation>Aucun - pas de contrôle du spam</translation>
    </message>
    <message id="confui.WizSpam.level1">
        <source>Default - the usual checks</source>
        <translation>Par défaut - les contrôles habituels</translation>
    </message>
    <message id="confui.WizSpam.level2">
        <source>Strong - stricter checks, SPF and envelope tests</source>
        <translation>Fort - contrôles plus stricts, SPF et tests d&apos;enveloppe</translation>
    </message>
    <message id="confui.WizSpam.note">
        <source>Caught messages are marked in their subject and delivered.</source>
        <translation>Les messages détectés sont marqués dans l&apos;objet puis remis.</translation>
    </message>
    <message id="confui.common.serialize">
        <source>Run one program at a time</source>
        <translation>Exécuter un seul programme à la fois</translation>
    </message>
    <message id="confui.edit.country">
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message id="confui.edit.country.value">
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message id="confui.page.dkim">
        <source>DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.page.IniAtt">
        <source>Attachment</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Pièce jointe</translation>
    </message>
    <message id="confui.page.IniExpl">
        <source>Exploit</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.page.IniSubj">
        <source>Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Objet</translation>
    </message>
    <message id="confui.page.IniText">
        <source>Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Texte</translation>
    </message>
    <message id="confui.page.IniHTML">
        <source>HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.page.IniHdr">
        <source>Header</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>En-tête</translation>
    </message>
    <message id="confui.page.IniCTY">
        <source>Country</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Pays</translation>
    </message>
    <message id="confui.page.IniCharSet">
        <source>Charset</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Jeu de caractères</translation>
    </message>
    <message id="confui.page.IniIPH">
        <source>IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP/Hôte</translation>
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
        <translation>IP auto</translation>
    </message>
    <message id="confui.page.IniDRIP">
        <source>Drop</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Rejet</translation>
    </message>
    <message id="confui.page.IniAbs">
        <source>Absolute</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Absolu</translation>
    </message>
    <message id="confui.page.IniSLS">
        <source>SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.page.IniGrey">
        <source>Greylisting</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Liste grise</translation>
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
        <translation>Heuristique</translation>
    </message>
    <message id="confui.page.IniSPF">
        <source>SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.page.IniDKIMVrfy">
        <source>DKIM Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Vérification DKIM</translation>
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
        <translation>Rétrodiffusion</translation>
    </message>
    <message id="confui.page.IniEnv">
        <source>Envelope</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Enveloppe</translation>
    </message>
    <message id="confui.page.IniFCrDNS">
        <source>FCrDNS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>FCrDNS</translation>
    </message>
    <message id="confui.page.IniImg">
        <source>Image</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Image</translation>
    </message>
    <message id="confui.page.IniUDM">
        <source>UDM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.page.IniApr">
        <source>Approve</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Approbation</translation>
    </message>
    <message id="confui.IniAtt.list">
        <source>Blocked attachments (file name patterns):</source>
        <translation>Pièces jointes bloquées (modèles de nom de fichier) :</translation>
    </message>
    <message id="confui.IniAtt.invert">
        <source>Block:</source>
        <translation>Bloquer :</translation>
    </message>
    <message id="confui.IniAtt.invert0">
        <source>Only the files in the list</source>
        <translation>Uniquement les fichiers de la liste</translation>
    </message>
    <message id="confui.IniAtt.invert1">
        <source>Except the files in the list</source>
        <translation>Sauf les fichiers de la liste</translation>
    </message>
    <message id="confui.IniAtt.inZip">
        <source>Look into ZIP archives</source>
        <translation>Examiner aussi les archives ZIP</translation>
    </message>
    <message id="confui.IniExpl.AdvAll">
        <source>All exploit checks</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Tous les contrôles d&apos;exploit</translation>
    </message>
    <message id="confui.IniExpl.CLSID">
        <source>Class ids in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Identifiants de classe dans les noms</translation>
    </message>
    <message id="confui.IniExpl.ExtDot">
        <source>Trailing dots in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Points finaux dans les noms</translation>
    </message>
    <message id="confui.IniExpl.MsgPart">
        <source>Fragmented messages</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Messages fragmentés</translation>
    </message>
    <message id="confui.IniExpl.DblExt">
        <source>Double extensions</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Extensions doubles</translation>
    </message>
    <message id="confui.IniExpl.MsgExtBody">
        <source>Executable message bodies</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Corps de message exécutables</translation>
    </message>
    <message id="confui.IniExpl.ZipPP">
        <source>Password-protected ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Fichiers ZIP protégés par mot de passe</translation>
    </message>
    <message id="confui.IniExpl.Exe">
        <source>Programs by content</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programmes d&apos;après le contenu</translation>
    </message>
    <message id="confui.IniExpl.ExeZip">
        <source>Programs inside ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programmes dans les fichiers ZIP</translation>
    </message>
    <message id="confui.IniSubj.list">
        <source>Blocked subject texts:</source>
        <translation>Textes d&apos;objet bloqués :</translation>
    </message>
    <message id="confui.IniText.list">
        <source>Blocked message texts:</source>
        <translation>Textes de message bloqués :</translation>
    </message>
    <message id="confui.IniHTML.list">
        <source>Blocked HTML patterns:</source>
        <translation>Modèles HTML bloqués :</translation>
    </message>
    <message id="confui.IniHdr.list">
        <source>Blocked header lines (name:text):</source>
        <translation>Lignes d&apos;en-tête bloquées (nom:texte) :</translation>
    </message>
    <message id="confui.IniCTY.list">
        <source>Blocked countries (two-letter codes):</source>
        <translation>Pays bloqués (codes à deux lettres) :</translation>
    </message>
    <message id="confui.IniCTY.InboundBlockCTYIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;Country&quot;: the setting InboundBlockCTYIPHeader of Morva.ini.</extracomment>
        <translation>Vérifier aussi les adresses des lignes d&apos;en-tête Received</translation>
    </message>
    <message id="confui.IniCharSet.list">
        <source>Blocked character sets:</source>
        <translation>Jeux de caractères bloqués :</translation>
    </message>
    <message id="confui.IniIPH.ip">
        <source>Blocked IP addresses and networks:</source>
        <translation>Adresses et réseaux IP bloqués :</translation>
    </message>
    <message id="confui.IniIPH.host">
        <source>Blocked host names:</source>
        <translation>Noms d&apos;hôte bloqués :</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHHeader of Morva.ini.</extracomment>
        <translation>Vérifier aussi les adresses des lignes d&apos;en-tête Received</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHConnection of Morva.ini.</extracomment>
        <translation>Fermer immédiatement la connexion</translation>
    </message>
    <message id="confui.IniAdr.from">
        <source>Blocked senders:</source>
        <translation>Expéditeurs bloqués :</translation>
    </message>
    <message id="confui.IniAdr.to">
        <source>Blocked recipients:</source>
        <translation>Destinataires bloqués :</translation>
    </message>
    <message id="confui.IniDSN.InboundBlockDSN">
        <source>Block delivery reports to addresses that never sent mail</source>
        <extracomment>On the page &quot;DSN&quot;: the setting InboundBlockDSN of Morva.ini.</extracomment>
        <translation>Bloquer les rapports de remise vers des adresses qui n&apos;ont jamais envoyé de courrier</translation>
    </message>
    <message id="confui.IniDSN.list">
        <source>Recipients whose delivery reports are blocked:</source>
        <translation>Destinataires dont les rapports de remise sont bloqués :</translation>
    </message>
    <message id="confui.IniMSO.MSVBA">
        <source>Macros</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Macros</translation>
    </message>
    <message id="confui.IniMSO.MSVBA.switch">
        <source>Block Office documents with macros</source>
        <translation>Bloquer les documents Office avec macros</translation>
    </message>
    <message id="confui.IniMSO.MSOPP">
        <source>Password protection</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Protection par mot de passe</translation>
    </message>
    <message id="confui.IniMSO.MSOPP.switch">
        <source>Block password-protected Office documents</source>
        <translation>Bloquer les documents Office protégés par mot de passe</translation>
    </message>
    <message id="confui.IniMSO.MSOEM">
        <source>Embedded objects</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Objets incorporés</translation>
    </message>
    <message id="confui.IniMSO.MSOEM.switch">
        <source>Block Office documents with embedded programs</source>
        <translation>Bloquer les documents Office contenant des programmes incorporés</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIP">
        <source>Block IP addresses that sent spam automatically</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIP of Morva.ini.</extracomment>
        <translation>Bloquer automatiquement les adresses IP qui ont envoyé du spam</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPMaxSlots">
        <source>Maximum number of blocked addresses:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPMaxSlots of Morva.ini.</extracomment>
        <translation>Nombre maximal d&apos;adresses bloquées :</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPTTL">
        <source>Block for (seconds):</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPTTL of Morva.ini.</extracomment>
        <translation>Bloquer pendant (secondes) :</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPThreshold">
        <source>Spam messages before blocking:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPThreshold of Morva.ini.</extracomment>
        <translation>Messages de spam avant blocage :</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPConnection of Morva.ini.</extracomment>
        <translation>Fermer immédiatement la connexion</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIP">
        <source>Drop connections from the addresses below</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIP of Morva.ini.</extracomment>
        <translation>Rejeter les connexions des adresses ci-dessous</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPConnection">
        <source>Close the connection before the greeting</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPConnection of Morva.ini.</extracomment>
        <translation>Fermer la connexion avant l&apos;accueil</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPNoPTR">
        <source>Also drop connections from addresses without reverse DNS name</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPNoPTR of Morva.ini.</extracomment>
        <translation>Rejeter aussi les connexions d&apos;adresses sans nom DNS inverse</translation>
    </message>
    <message id="confui.IniDRIP.ip">
        <source>IP addresses and networks:</source>
        <translation>Adresses et réseaux IP :</translation>
    </message>
    <message id="confui.IniDRIP.host">
        <source>Host names:</source>
        <translation>Noms d&apos;hôte :</translation>
    </message>
    <message id="confui.IniAbs.InboundBlockAbs">
        <source>Block messages that every other check would let through when a blocking rule matches</source>
        <extracomment>On the page &quot;Absolute&quot;: the setting InboundBlockAbs of Morva.ini.</extracomment>
        <translation>Bloquer de façon absolue les messages lorsqu&apos;une règle de blocage s&apos;applique</translation>
    </message>
    <message id="confui.IniAbs.note">
        <source>Absolute blocking ignores the white list and the exclusions.</source>
        <translation>Le blocage absolu ignore la liste blanche et les exclusions.</translation>
    </message>
    <message id="confui.IniSLS.InboundBlockSLS">
        <source>Check the connecting address against DNS blocklists</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundBlockSLS of Morva.ini.</extracomment>
        <translation>Vérifier l&apos;adresse de connexion dans les listes de blocage DNS</translation>
    </message>
    <message id="confui.IniSLS.InboundSLSIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundSLSIPHeader of Morva.ini.</extracomment>
        <translation>Vérifier aussi les adresses des lignes d&apos;en-tête Received</translation>
    </message>
    <message id="confui.IniSLS.SLS">
        <source>Blocklist zones (IP addresses):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLS of Morva.ini.</extracomment>
        <translation>Zones de liste de blocage (adresses IP) :</translation>
    </message>
    <message id="confui.IniSLS.SLSDom">
        <source>Blocklist zones (domains):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLSDom of Morva.ini.</extracomment>
        <translation>Zones de liste de blocage (domaines) :</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyList">
        <source>Greylisting: ask unknown senders to retry later</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyList of Morva.ini.</extracomment>
        <translation>Liste grise : demander aux expéditeurs inconnus de réessayer plus tard</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListIPClearLastOctet">
        <source>Treat all addresses of a /24 network as one</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListIPClearLastOctet of Morva.ini.</extracomment>
        <translation>Traiter toutes les adresses d&apos;un réseau /24 comme une seule</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxSlots">
        <source>Maximum entries:</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxSlots of Morva.ini.</extracomment>
        <translation>Entrées maximales :</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMinTime">
        <source>Minimum wait before a retry (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMinTime of Morva.ini.</extracomment>
        <translation>Attente minimale avant nouvelle tentative (secondes) :</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMidTime">
        <source>Retry must come within (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMidTime of Morva.ini.</extracomment>
        <translation>La nouvelle tentative doit arriver dans (secondes) :</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxTime">
        <source>Keep known senders for (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxTime of Morva.ini.</extracomment>
        <translation>Conserver les expéditeurs connus pendant (secondes) :</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCS">
        <source>Block messages by their checksum (CCS)</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCS of Morva.ini.</extracomment>
        <translation>Bloquer les messages d&apos;après leur somme de contrôle (CCS)</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCSThreshold">
        <source>Sensitivity:</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCSThreshold of Morva.ini.</extracomment>
        <translation>Sensibilité :</translation>
    </message>
    <message id="confui.IniCCS.threshold0">
        <source>High - more than 25 messages with the same checksum</source>
        <translation>Élevée - plus de 25 messages avec la même somme de contrôle</translation>
    </message>
    <message id="confui.IniCCS.threshold1">
        <source>Mid - more than 100 messages with the same checksum</source>
        <translation>Moyenne - plus de 100 messages avec la même somme de contrôle</translation>
    </message>
    <message id="confui.IniCCS.threshold2">
        <source>Low - more than 200 messages with the same checksum</source>
        <translation>Faible - plus de 200 messages avec la même somme de contrôle</translation>
    </message>
    <message id="confui.IniCCS.threshold3">
        <source>None - report only</source>
        <translation>Aucune - signaler seulement</translation>
    </message>
    <message id="confui.IniBay.InboundBayes">
        <source>Bayesian filter</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayes of Morva.ini.</extracomment>
        <translation>Filtre bayésien</translation>
    </message>
    <message id="confui.IniBay.InboundBayesLearn">
        <source>Learn from the messages that pass</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesLearn of Morva.ini.</extracomment>
        <translation>Apprendre des messages acceptés</translation>
    </message>
    <message id="confui.IniBay.InboundBayesIgnoreCommonWords">
        <source>Ignore common words</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesIgnoreCommonWords of Morva.ini.</extracomment>
        <translation>Ignorer les mots courants</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxWords">
        <source>Maximum words in the database:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxWords of Morva.ini.</extracomment>
        <translation>Nombre maximal de mots dans la base :</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxSize">
        <source>Examine at most (bytes):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxSize of Morva.ini.</extracomment>
        <translation>Examiner au plus (octets) :</translation>
    </message>
    <message id="confui.IniBay.InboundBayesSpam">
        <source>Spam probability from (percent):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesSpam of Morva.ini.</extracomment>
        <translation>Probabilité de spam à partir de (pour cent) :</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMethod">
        <source>Method:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMethod of Morva.ini.</extracomment>
        <translation>Méthode :</translation>
    </message>
    <message id="confui.IniBay.method0">
        <source>Paul Graham&apos;s original method</source>
        <translation>Méthode originale de Paul Graham</translation>
    </message>
    <message id="confui.IniBay.method1">
        <source>Gary Robinson&apos;s alternative method</source>
        <translation>Méthode alternative de Gary Robinson</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddress">
        <source>Address for spam to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddress of Morva.ini.</extracomment>
        <translation>Adresse des spams à apprendre :</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddressGood">
        <source>Address for good mail to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddressGood of Morva.ini.</extracomment>
        <translation>Adresse des bons messages à apprendre :</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeur">
        <source>Heuristic filter</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeur of Morva.ini.</extracomment>
        <translation>Filtre heuristique</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeurValue">
        <source>Spam score from:</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeurValue of Morva.ini.</extracomment>
        <translation>Score de spam à partir de :</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPF">
        <source>Check the sender&apos;s SPF record</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPF of Morva.ini.</extracomment>
        <translation>Vérifier l&apos;enregistrement SPF de l&apos;expéditeur</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFSoftFail">
        <source>Also block on soft fail</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFSoftFail of Morva.ini.</extracomment>
        <translation>Bloquer aussi en cas d&apos;échec léger</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFNeutral">
        <source>Also block on neutral</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFNeutral of Morva.ini.</extracomment>
        <translation>Bloquer aussi en cas de résultat neutre</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFIPHeader of Morva.ini.</extracomment>
        <translation>Vérifier aussi les adresses des lignes d&apos;en-tête Received</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFUseDefTXT">
        <source>Use a default record for domains without SPF</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFUseDefTXT of Morva.ini.</extracomment>
        <translation>Utiliser un enregistrement par défaut pour les domaines sans SPF</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFDefTXT">
        <source>Default record:</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFDefTXT of Morva.ini.</extracomment>
        <translation>Enregistrement par défaut :</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIM">
        <source>Verify DKIM signatures</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIM of Morva.ini.</extracomment>
        <translation>Vérifier les signatures DKIM</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIMADSP">
        <source>Apply the sender&apos;s signing policy (ADSP)</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIMADSP of Morva.ini.</extracomment>
        <translation>Appliquer la politique de signature de l&apos;expéditeur (ADSP)</translation>
    </message>
    <message id="confui.IniDKIMVrfy.excludeVerify">
        <source>Exclude from verification...</source>
        <translation>Exclure de la vérification...</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundBlockDKIM">
        <source>Block messages with a failed DKIM signature</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundBlockDKIM of Morva.ini.</extracomment>
        <translation>Bloquer les messages dont la signature DKIM échoue</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBL">
        <source>Check links in messages against URI blocklists</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBL of Morva.ini.</extracomment>
        <translation>Vérifier les liens des messages dans les listes de blocage d&apos;URI</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBLExpandShortURL">
        <source>Expand shortened links first</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBLExpandShortURL of Morva.ini.</extracomment>
        <translation>Développer d&apos;abord les liens raccourcis</translation>
    </message>
    <message id="confui.IniSEBA.InboundBlockSEBA">
        <source>Block by the sender&apos;s reputation (Senderbase)</source>
        <extracomment>On the page &quot;Senderbase&quot;: the setting InboundBlockSEBA of Morva.ini.</extracomment>
        <translation>Bloquer d&apos;après la réputation de l&apos;expéditeur (Senderbase)</translation>
    </message>
    <message id="confui.IniBCKS.InboundBlockBCKS">
        <source>Block backscatter (reports for mail never sent)</source>
        <extracomment>On the page &quot;Backscatter&quot;: the setting InboundBlockBCKS of Morva.ini.</extracomment>
        <translation>Bloquer la rétrodiffusion (rapports pour des messages jamais envoyés)</translation>
    </message>
    <message id="confui.IniEnv.NoTo">
        <source>No recipient in the header</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Aucun destinataire dans l&apos;en-tête</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoTo">
        <source>Block messages without To or Cc header line</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoTo of Morva.ini.</extracomment>
        <translation>Bloquer les messages sans ligne d&apos;en-tête To ou Cc</translation>
    </message>
    <message id="confui.IniEnv.NoMx">
        <source>Sender domain without mail server</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Domaine expéditeur sans serveur de messagerie</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoMx">
        <source>Block senders whose domain has no MX record</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoMx of Morva.ini.</extracomment>
        <translation>Bloquer les expéditeurs dont le domaine n&apos;a pas d&apos;enregistrement MX</translation>
    </message>
    <message id="confui.IniEnv.NoFrom">
        <source>Faked sender</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Expéditeur falsifié</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoFrom">
        <source>Block messages whose From line differs from the envelope sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoFrom of Morva.ini.</extracomment>
        <translation>Bloquer les messages dont la ligne From diffère de l&apos;expéditeur de l&apos;enveloppe</translation>
    </message>
    <message id="confui.IniEnv.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Expéditeur interne venant de l&apos;extérieur</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockFromUs">
        <source>Block inbound messages claiming one of our own domains as sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockFromUs of Morva.ini.</extracomment>
        <translation>Bloquer les messages entrants prétendant venir de nos propres domaines</translation>
    </message>
    <message id="confui.IniFCrDNS.InboundBlockFCrDNS">
        <source>Block connections whose reverse DNS name does not resolve back</source>
        <extracomment>On the page &quot;FCrDNS&quot;: the setting InboundBlockFCrDNS of Morva.ini.</extracomment>
        <translation>Bloquer les connexions dont le nom DNS inverse ne se résout pas en retour</translation>
    </message>
    <message id="confui.IniImg.InboundBlockEMP">
        <source>Block image spam</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockEMP of Morva.ini.</extracomment>
        <translation>Bloquer le spam par image</translation>
    </message>
    <message id="confui.IniImg.InboundBlockAPD">
        <source>Block animated images</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockAPD of Morva.ini.</extracomment>
        <translation>Bloquer les images animées</translation>
    </message>
    <message id="confui.IniImg.InboundBlockRRZ">
        <source>Block images with random noise</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockRRZ of Morva.ini.</extracomment>
        <translation>Bloquer les images avec bruit aléatoire</translation>
    </message>
    <message id="confui.IniImg.InboundBlockGRE">
        <source>Block images in grey tones only</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockGRE of Morva.ini.</extracomment>
        <translation>Bloquer les images uniquement en niveaux de gris</translation>
    </message>
    <message id="confui.IniImg.sizeGroup">
        <source>Image size (pixels)</source>
        <translation>Taille de l&apos;image (pixels)</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMBP">
        <source>Block images larger than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMBP of Morva.ini.</extracomment>
        <translation>Bloquer les images plus grandes que</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMLP">
        <source>Block images smaller than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMLP of Morva.ini.</extracomment>
        <translation>Bloquer les images plus petites que</translation>
    </message>
    <message id="confui.IniImg.height">
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message id="confui.IniImg.width">
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message id="confui.IniUDM.InboundBlockUDM">
        <source>Check messages with an external program (user-defined method)</source>
        <extracomment>On the page &quot;UDM&quot;: the setting InboundBlockUDM of Morva.ini.</extracomment>
        <translation>Vérifier les messages avec un programme externe (méthode personnalisée)</translation>
    </message>
    <message id="confui.IniApr.InboundApproveAction">
        <source>Let an external program approve each action</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveAction of Morva.ini.</extracomment>
        <translation>Faire approuver chaque action par un programme externe</translation>
    </message>
    <message id="confui.IniApr.InboundApproveActionOnlySpam">
        <source>Only for messages detected as spam</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveActionOnlySpam of Morva.ini.</extracomment>
        <translation>Uniquement pour les messages détectés comme spam</translation>
    </message>
</context>
<context>
    <name>confui sheets 5-13 and advanced</name>
    <message id="confui.sheet5">
        <source>Options - ClamAV</source>
        <translation>Options - ClamAV</translation>
    </message>
    <message id="confui.sheet6">
        <source>Options - System</source>
        <translation>Options - Système</translation>
    </message>
    <message id="confui.sheet7">
        <source>Options - Session</source>
        <translation>Options - Session</translation>
    </message>
    <message id="confui.sheet8">
        <source>Options - Virus</source>
        <translation>Options - Virus</translation>
    </message>
    <message id="confui.sheet9">
        <source>Options - Transit</source>
        <translation>Options - Transit</translation>
    </message>
    <message id="confui.sheet10">
        <source>Options - S/MIME</source>
        <translation>Options - S/MIME</translation>
    </message>
    <message id="confui.sheet11">
        <source>Options - DKIM (DomainKeys Identified Mail)</source>
        <translation>Options - DKIM (DomainKeys Identified Mail)</translation>
    </message>
    <message id="confui.sheet12">
        <source>Options - TLS/SSL</source>
        <translation>Options - TLS/SSL</translation>
    </message>
    <message id="confui.sheet13">
        <source>Options - Exclude</source>
        <translation>Options - Exclure</translation>
    </message>
    <message id="confui.sheetConf">
        <source>Configuration</source>
        <translation>Configuration</translation>
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
        <translation>Communauté</translation>
    </message>
    <message id="confui.page.IniCAOLE">
        <source>Macro</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Macro</translation>
    </message>
    <message id="confui.IniViC.Outbound">
        <source>Scan outbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analyser les messages sortants avec ClamAV</translation>
    </message>
    <message id="confui.IniViC.Inbound">
        <source>Scan inbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analyser les messages entrants avec ClamAV</translation>
    </message>
    <message id="confui.IniViC.Host">
        <source>ClamAV daemon host:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Hôte du service ClamAV :</translation>
    </message>
    <message id="confui.IniViC.Port">
        <source>ClamAV daemon port:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Port du service ClamAV :</translation>
    </message>
    <message id="confui.IniCASCR.Block">
        <source>Block messages that match the SaneSecurity signatures</source>
        <extracomment>On the page &quot;SaneSecurity&quot;.</extracomment>
        <translation>Bloquer les messages correspondant aux signatures SaneSecurity</translation>
    </message>
    <message id="confui.IniCAICR.Block">
        <source>Block messages that match the SecuriteInfo signatures</source>
        <extracomment>On the page &quot;SecuriteInfo&quot;.</extracomment>
        <translation>Bloquer les messages correspondant aux signatures SecuriteInfo</translation>
    </message>
    <message id="confui.IniCAXCR.Block">
        <source>Block messages that match the community rules</source>
        <extracomment>On the page &quot;Community&quot;.</extracomment>
        <translation>Bloquer les messages correspondant aux règles de la communauté</translation>
    </message>
    <message id="confui.IniCAOLE.Block">
        <source>Block Office documents that contain macros</source>
        <extracomment>On the page &quot;Macro&quot;.</extracomment>
        <translation>Bloquer les documents Office contenant des macros</translation>
    </message>
    <message id="confui.sig.Note">
        <source>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</source>
        <translation>Les signatures sont chargées par le service ClamAV défini sur la page ClamAV.</translation>
    </message>
    <message id="confui.c2.inExclude">
        <source>Inbound e&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclure (entrant)...</translation>
    </message>
    <message id="confui.c2.outExclude">
        <source>Outbound excl&amp;ude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Excl&amp;ure (sortant)...</translation>
    </message>
    <message id="confui.page.IniForm">
        <source>Format</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Format</translation>
    </message>
    <message id="confui.page.IniFla">
        <source>Flags</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Indicateurs</translation>
    </message>
    <message id="confui.page.IniSusp">
        <source>Suspicious</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Suspect</translation>
    </message>
    <message id="confui.page.IniBCC">
        <source>BCC</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Copie cachée</translation>
    </message>
    <message id="confui.page.IniTLS">
        <source>TLS/SSL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>TLS/SSL</translation>
    </message>
    <message id="confui.IniForm.InRemoveHTML">
        <source>Remove HTML from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer le HTML des messages entrants</translation>
    </message>
    <message id="confui.IniForm.InRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer TNEF (winmail.dat) des messages entrants</translation>
    </message>
    <message id="confui.IniForm.InRemoveDKIM">
        <source>Remove DKIM signatures from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer les signatures DKIM des messages entrants</translation>
    </message>
    <message id="confui.IniForm.InRemoveOWASubj">
        <source>Remove Outlook Web Access tags from inbound subjects</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer les balises Outlook Web Access de l&apos;objet des messages entrants</translation>
    </message>
    <message id="confui.IniForm.InAssembleAll">
        <source>Reassemble inbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Réassembler les messages entrants envoyés en plusieurs parties</translation>
    </message>
    <message id="confui.IniForm.OutRemoveHTML">
        <source>Remove HTML from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer le HTML des messages sortants</translation>
    </message>
    <message id="confui.IniForm.OutRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Supprimer TNEF (winmail.dat) des messages sortants</translation>
    </message>
    <message id="confui.IniForm.OutAssembleAll">
        <source>Reassemble outbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Réassembler les messages sortants envoyés en plusieurs parties</translation>
    </message>
    <message id="confui.IniFla.InRemoveRR">
        <source>Remove read-receipt requests from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Supprimer les demandes d&apos;accusé de lecture des messages entrants</translation>
    </message>
    <message id="confui.IniFla.OutRemoveRR">
        <source>Remove read-receipt requests from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Supprimer les demandes d&apos;accusé de lecture des messages sortants</translation>
    </message>
    <message id="confui.IniFla.InRemoveDSN">
        <source>Remove requests for success notifications from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Supprimer les demandes de notification de remise des messages entrants</translation>
    </message>
    <message id="confui.IniFla.OutRemoveDSN">
        <source>Remove requests for success notifications from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Supprimer les demandes de notification de remise des messages sortants</translation>
    </message>
    <message id="confui.IniSusp.MsgLoop">
        <source>Warn about message loops (many messages to one recipient)</source>
        <extracomment>On the page &quot;Suspicious&quot;: the setting MsgLoop of Morva.ini.</extracomment>
        <translation>Avertir des boucles de messages (nombreux messages vers un destinataire)</translation>
    </message>
    <message id="confui.IniSusp.Period">
        <source>Period observed (seconds):</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Période observée (secondes) :</translation>
    </message>
    <message id="confui.IniSusp.MaxMsg">
        <source>Alert after this number of messages:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Alerte après ce nombre de messages :</translation>
    </message>
    <message id="confui.IniSusp.Excl">
        <source>Addresses never reported:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Adresses jamais signalées :</translation>
    </message>
    <message id="confui.IniBCC.NDR">
        <source>Blind copy of every non-delivery report to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copie cachée de chaque rapport de non-remise à :</translation>
    </message>
    <message id="confui.IniBCC.FwdExch">
        <source>Blind copy of messages forwarded to Exchange to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copie cachée des messages transmis à Exchange à :</translation>
    </message>
    <message id="confui.IniBCC.InAuto">
        <source>Blind copy of every inbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copie cachée de chaque message entrant à :</translation>
    </message>
    <message id="confui.IniBCC.OutAuto">
        <source>Blind copy of every outbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copie cachée de chaque message sortant à :</translation>
    </message>
    <message id="confui.IniTLS.Outbound">
        <source>Use TLS on outbound connections when the server offers it</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Utiliser TLS pour les connexions sortantes si le serveur le propose</translation>
    </message>
    <message id="confui.IniTLS.Inbound">
        <source>Offer TLS on inbound connections (STARTTLS)</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Proposer TLS pour les connexions entrantes (STARTTLS)</translation>
    </message>
    <message id="confui.IniTLS.Verbose">
        <source>Log TLS details</source>
        <extracomment>On the page &quot;TLS/SSL&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Journaliser les détails TLS</translation>
    </message>
    <message id="confui.IniTLS.CACert">
        <source>CA certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Fichier du certificat de l&apos;AC :</translation>
    </message>
    <message id="confui.IniTLS.ServCert">
        <source>Server certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Fichier du certificat du serveur :</translation>
    </message>
    <message id="confui.IniTLS.ServPriv">
        <source>Server private key file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Fichier de la clé privée du serveur :</translation>
    </message>
    <message id="confui.page.IniRcpt">
        <source>Recipient</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Destinataire</translation>
    </message>
    <message id="confui.page.IniVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message id="confui.page.IniSes">
        <source>Session</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Session</translation>
    </message>
    <message id="confui.IniRcpt.Typ">
        <source>Recipient verification:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Vérification des destinataires :</translation>
    </message>
    <message id="confui.IniRcpt.Typ0">
        <source>No verification</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Aucune vérification</translation>
    </message>
    <message id="confui.IniRcpt.Typ1">
        <source>Verify the recipients e-mail address using a static address list</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Vérifier l&apos;adresse du destinataire avec une liste d&apos;adresses fixe</translation>
    </message>
    <message id="confui.IniRcpt.Typ2">
        <source>Verify the recipients e-mail address dynamically using an external program</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Vérifier l&apos;adresse du destinataire dynamiquement avec un programme externe</translation>
    </message>
    <message id="confui.IniRcpt.Typ3">
        <source>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Vérifier l&apos;adresse du destinataire dynamiquement par une requête SMTP à Exchange</translation>
    </message>
    <message id="confui.IniRcpt.Cache">
        <source>Cache the answers of the query</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Mettre en cache les réponses de la requête</translation>
    </message>
    <message id="confui.IniRcpt.Verbose">
        <source>Log the output of the external program</source>
        <extracomment>On the page &quot;Recipient&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Journaliser la sortie du programme externe</translation>
    </message>
    <message id="confui.IniRcpt.Validate">
        <source>Known address to test the query:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Adresse connue pour tester la requête :</translation>
    </message>
    <message id="confui.IniVrfy.Domain">
        <source>Verify that the sender&apos;s domain exists</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Vérifier que le domaine de l&apos;expéditeur existe</translation>
    </message>
    <message id="confui.IniVrfy.PTR">
        <source>Verify that the connecting host has a reverse DNS (PTR) record</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Vérifier que l&apos;hôte qui se connecte a un enregistrement DNS inverse (PTR)</translation>
    </message>
    <message id="confui.IniVrfy.FQDN">
        <source>Verify that the HELO name is a fully qualified domain name</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Vérifier que le nom HELO est un nom de domaine complet</translation>
    </message>
    <message id="confui.IniVrfy.CABA">
        <source>Verify the sender address with a call-back to its mail server</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Vérifier l&apos;adresse de l&apos;expéditeur par un rappel de son serveur de messagerie</translation>
    </message>
    <message id="confui.IniSes.GreetDelay">
        <source>Delay the SMTP greeting</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Retarder l&apos;accueil SMTP</translation>
    </message>
    <message id="confui.IniSes.Seconds">
        <source>Delay (seconds):</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Délai (secondes) :</translation>
    </message>
    <message id="confui.IniSes.HoneyPot">
        <source>Catch spam robots that talk before the greeting (honey pot)</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Détecter les robots de spam qui parlent avant l&apos;accueil (pot de miel)</translation>
    </message>
    <message id="confui.page.IniViD">
        <source>On-Demand Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Analyse à la demande</translation>
    </message>
    <message id="confui.page.IniViA">
        <source>On-Access Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Analyse à l&apos;accès</translation>
    </message>
    <message id="confui.page.IniViO">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Options</translation>
    </message>
    <message id="confui.IniViD.Outbound">
        <source>Scan outbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analyser les messages sortants</translation>
    </message>
    <message id="confui.IniViD.Inbound">
        <source>Scan inbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analyser les messages entrants</translation>
    </message>
    <message id="confui.IniViD.Typ">
        <source>Virus scanner:</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Antivirus :</translation>
    </message>
    <message id="confui.IniViD.Preset0">
        <source>Custom</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Personnalisé</translation>
    </message>
    <message id="confui.IniViD.Note">
        <source>&lt;FILE&gt; stands for the file to scan.</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>&lt;FILE&gt; représente le fichier à analyser.</translation>
    </message>
    <message id="confui.IniViA.Outbound">
        <source>Scan outbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analyser les messages sortants avec un antivirus résident</translation>
    </message>
    <message id="confui.IniViA.Inbound">
        <source>Scan inbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analyser les messages entrants avec un antivirus résident</translation>
    </message>
    <message id="confui.IniViA.Path">
        <source>Folder watched by the on-access scanner:</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Dossier surveillé par l&apos;antivirus résident :</translation>
    </message>
    <message id="confui.IniViO.Debug">
        <source>Log the output of the virus scanner (debug)</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Journaliser la sortie de l&apos;antivirus (débogage)</translation>
    </message>
    <message id="confui.IniViO.RawMsg">
        <source>Scan the raw message as well</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analyser aussi le message brut</translation>
    </message>
    <message id="confui.IniViO.Always">
        <source>Scan every message, also without attachments</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analyser chaque message, même sans pièce jointe</translation>
    </message>
    <message id="confui.IniViO.Serialize">
        <source>Run one scan at a time</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>N&apos;exécuter qu&apos;une analyse à la fois</translation>
    </message>
    <message id="confui.IniViO.Zip">
        <source>Scan the files inside ZIP archives</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analyser les fichiers des archives ZIP</translation>
    </message>
    <message id="confui.IniViO.UseExt">
        <source>Keep the file extensions for the on-access scanner</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Conserver les extensions de fichier pour l&apos;antivirus résident</translation>
    </message>
    <message id="confui.page.IniDisc">
        <source>Disclaimer</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message id="confui.IniDisc.List">
        <source>Add the disclaimer to messages of these senders:</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Ajouter l&apos;avertissement aux messages de ces expéditeurs :</translation>
    </message>
    <message id="confui.IniDisc.SuppOnReply">
        <source>Do not add the disclaimer to replies</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Ne pas ajouter l&apos;avertissement aux réponses</translation>
    </message>
    <message id="confui.IniDisc.Text">
        <source>Disclaimer text (file odisc-pl.txt)</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Texte de l&apos;avertissement (fichier odisc-pl.txt)</translation>
    </message>
    <message id="confui.IniDisc.ReadFailed">
        <source>Unable to read the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Impossible de lire le fichier de l&apos;avertissement</translation>
    </message>
    <message id="confui.IniDisc.WriteFailed">
        <source>Unable to write the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Impossible d&apos;écrire le fichier de l&apos;avertissement</translation>
    </message>
    <message id="confui.page.IniSMIMEVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message id="confui.page.IniSMIMESign">
        <source>Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Signer</translation>
    </message>
    <message id="confui.page.IniSMIMEDecr">
        <source>Decrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Déchiffrer</translation>
    </message>
    <message id="confui.page.IniSMIMEEncr">
        <source>Encrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Chiffrer</translation>
    </message>
    <message id="confui.page.IniSMIMEInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Stratégie entrante</translation>
    </message>
    <message id="confui.page.IniSMIMEOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Stratégie sortante</translation>
    </message>
    <message id="confui.page.IniSMIMEOpt">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Options</translation>
    </message>
    <message id="confui.page.IniDKIMSign">
        <source>DKIM Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Signature DKIM</translation>
    </message>
    <message id="confui.page.IniTLSInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Stratégie entrante</translation>
    </message>
    <message id="confui.page.IniTLSOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Stratégie sortante</translation>
    </message>
    <message id="confui.smime.VerifyCRL">
        <source>Check the certificate revocation lists (CRL) of inbound signatures</source>
        <translation>Vérifier les listes de révocation (CRL) des signatures entrantes</translation>
    </message>
    <message id="confui.smime.VerboseCert">
        <source>Log certificate details</source>
        <translation>Journaliser les détails des certificats</translation>
    </message>
    <message id="confui.smime.VrfyList">
        <source>Signers of inbound messages:</source>
        <translation>Signataires des messages entrants :</translation>
    </message>
    <message id="confui.smime.ExclVerify">
        <source>Exclude from &amp;verifying...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exclure de la &amp;vérification...</translation>
    </message>
    <message id="confui.smime.ExclRemove">
        <source>Exclude from &amp;removing...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclure de la suppression...</translation>
    </message>
    <message id="confui.smime.SignList">
        <source>Sign the outbound messages of these senders:</source>
        <translation>Signer les messages sortants de ces expéditeurs :</translation>
    </message>
    <message id="confui.smime.UseDBCert">
        <source>Use the certificates of the certificate database</source>
        <translation>Utiliser les certificats de la base de certificats</translation>
    </message>
    <message id="confui.smime.SignPreSign">
        <source>Sign messages that are already signed</source>
        <translation>Signer les messages déjà signés</translation>
    </message>
    <message id="confui.smime.SignPreCrypt">
        <source>Sign messages that are already encrypted</source>
        <translation>Signer les messages déjà chiffrés</translation>
    </message>
    <message id="confui.smime.SignHdr">
        <source>Header that asks for a signature:</source>
        <translation>En-tête demandant une signature :</translation>
    </message>
    <message id="confui.smime.OutRemove">
        <source>Remove S/MIME signatures from outbound messages</source>
        <translation>Supprimer les signatures S/MIME des messages sortants</translation>
    </message>
    <message id="confui.smime.OutVerify">
        <source>Verify S/MIME signatures of outbound messages</source>
        <translation>Vérifier les signatures S/MIME des messages sortants</translation>
    </message>
    <message id="confui.smime.OutVerifyCRL">
        <source>Check the certificate revocation lists (CRL) of outbound signatures</source>
        <translation>Vérifier les listes de révocation (CRL) des signatures sortantes</translation>
    </message>
    <message id="confui.smime.DecrList">
        <source>Decrypt the inbound messages of these recipients:</source>
        <translation>Déchiffrer les messages entrants de ces destinataires :</translation>
    </message>
    <message id="confui.smime.AltPriv">
        <source>Try the other private certificates when the first one fails</source>
        <translation>Essayer les autres certificats privés si le premier échoue</translation>
    </message>
    <message id="confui.smime.EncrList">
        <source>Encrypt the outbound messages to these recipients:</source>
        <translation>Chiffrer les messages sortants vers ces destinataires :</translation>
    </message>
    <message id="confui.smime.CryptPreCrypt">
        <source>Encrypt messages that are already encrypted</source>
        <translation>Chiffrer les messages déjà chiffrés</translation>
    </message>
    <message id="confui.smime.CryptPreSign">
        <source>Encrypt messages that are already signed</source>
        <translation>Chiffrer les messages déjà signés</translation>
    </message>
    <message id="confui.smime.CryptHdr">
        <source>Header that asks for encryption:</source>
        <translation>En-tête demandant le chiffrement :</translation>
    </message>
    <message id="confui.smime.InPolList">
        <source>Requirements for inbound messages of these senders:</source>
        <translation>Exigences pour les messages entrants de ces expéditeurs :</translation>
    </message>
    <message id="confui.smime.OutPolList">
        <source>Requirements for outbound messages to these recipients:</source>
        <translation>Exigences pour les messages sortants vers ces destinataires :</translation>
    </message>
    <message id="confui.smime.WriteDBCert">
        <source>Store the certificates of signed inbound messages in the database</source>
        <translation>Enregistrer les certificats des messages entrants signés dans la base</translation>
    </message>
    <message id="confui.smime.OutWriteDBCert">
        <source>Store the certificates of signed outbound messages in the database</source>
        <translation>Enregistrer les certificats des messages sortants signés dans la base</translation>
    </message>
    <message id="confui.smime.Verbose">
        <source>Log S/MIME processing</source>
        <translation>Journaliser le traitement S/MIME</translation>
    </message>
    <message id="confui.smime.CACert">
        <source>CA certificate file:</source>
        <translation>Fichier du certificat de l&apos;AC :</translation>
    </message>
    <message id="confui.smime.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Dossier contenant le dossier CERT (vide : dossier du programme) :</translation>
    </message>
    <message id="confui.smime.Statistic">
        <source>Write S/MIME statistics</source>
        <translation>Écrire les statistiques S/MIME</translation>
    </message>
    <message id="confui.smime.InAssemble">
        <source>Reassemble inbound S/MIME messages</source>
        <translation>Réassembler les messages S/MIME entrants</translation>
    </message>
    <message id="confui.smime.OutAssemble">
        <source>Reassemble outbound S/MIME messages</source>
        <translation>Réassembler les messages S/MIME sortants</translation>
    </message>
    <message id="confui.smime.MarkRemoved">
        <source>Mark the subject when the S/MIME envelope was removed</source>
        <translation>Marquer l&apos;objet quand l&apos;enveloppe S/MIME a été retirée</translation>
    </message>
    <message id="confui.smime.ExclPolicy">
        <source>Exclude from the &amp;policy...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclure de la stratégie...</translation>
    </message>
    <message id="confui.dkim.SignList">
        <source>Sign the outbound messages of these domains:</source>
        <translation>Signer les messages sortants de ces domaines :</translation>
    </message>
    <message id="confui.dkim.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Dossier contenant le dossier CERT (vide : dossier du programme) :</translation>
    </message>
    <message id="confui.dkim.Verbose">
        <source>Log DKIM processing</source>
        <translation>Journaliser le traitement DKIM</translation>
    </message>
    <message id="confui.tls.InPolList">
        <source>TLS for connections from these clients:</source>
        <translation>TLS pour les connexions de ces clients :</translation>
    </message>
    <message id="confui.tls.OutPolList">
        <source>TLS for connections to these destinations:</source>
        <translation>TLS pour les connexions vers ces destinations :</translation>
    </message>
    <message id="confui.tls.ClientCert">
        <source>Ask connecting clients for a certificate</source>
        <translation>Demander un certificat aux clients qui se connectent</translation>
    </message>
    <message id="confui.tls.ServCiphers">
        <source>Ciphers offered to clients (empty: default):</source>
        <translation>Chiffrements proposés aux clients (vide : par défaut) :</translation>
    </message>
    <message id="confui.tls.ClientCiphers">
        <source>Ciphers used towards servers (empty: default):</source>
        <translation>Chiffrements utilisés vers les serveurs (vide : par défaut) :</translation>
    </message>
    <message id="confui.page.IniExclAdr">
        <source>Exclude - E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - E-mail</translation>
    </message>
    <message id="confui.page.IniExclSubj">
        <source>Exclude - Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - Objet</translation>
    </message>
    <message id="confui.page.IniExclText">
        <source>Exclude - Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - Texte</translation>
    </message>
    <message id="confui.page.IniExclHTML">
        <source>Exclude - HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - HTML</translation>
    </message>
    <message id="confui.page.IniExclIPH">
        <source>Exclude - IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - IP/Hôte</translation>
    </message>
    <message id="confui.page.IniExclAWL">
        <source>Exclude - White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - Liste blanche</translation>
    </message>
    <message id="confui.page.IniExclSLS">
        <source>Exclude - SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - SLS/RBL</translation>
    </message>
    <message id="confui.page.IniExclDNSWL">
        <source>Exclude - DNSWL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - DNSWL</translation>
    </message>
    <message id="confui.page.IniExclDKIM">
        <source>Exclude - DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - DKIM</translation>
    </message>
    <message id="confui.page.IniExclSPF">
        <source>Exclude - SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - SPF</translation>
    </message>
    <message id="confui.page.IniExclOth">
        <source>Exclude - Other</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - Autres</translation>
    </message>
    <message id="confui.page.IniExclOpt">
        <source>Exclude - Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclure - Options</translation>
    </message>
    <message id="confui.excl.InFrom">
        <source>Inbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Entrant, adresses MAIL FROM jamais bloquées :</translation>
    </message>
    <message id="confui.excl.InTo">
        <source>Inbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Entrant, adresses RCPT TO jamais bloquées :</translation>
    </message>
    <message id="confui.excl.OutFrom">
        <source>Outbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Sortant, adresses MAIL FROM jamais bloquées :</translation>
    </message>
    <message id="confui.excl.OutTo">
        <source>Outbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Sortant, adresses RCPT TO jamais bloquées :</translation>
    </message>
    <message id="confui.excl.InSubj">
        <source>Inbound subjects never blocked:</source>
        <translation>Entrant, objets jamais bloqués :</translation>
    </message>
    <message id="confui.excl.OutSubj">
        <source>Outbound subjects never blocked:</source>
        <translation>Sortant, objets jamais bloqués :</translation>
    </message>
    <message id="confui.excl.InText">
        <source>Inbound texts that exempt a message:</source>
        <translation>Entrant, textes qui exemptent un message :</translation>
    </message>
    <message id="confui.excl.OutText">
        <source>Outbound texts that exempt a message:</source>
        <translation>Sortant, textes qui exemptent un message :</translation>
    </message>
    <message id="confui.excl.InHTML">
        <source>Inbound HTML that exempts a message:</source>
        <translation>Entrant, HTML qui exempte un message :</translation>
    </message>
    <message id="confui.excl.OutHTML">
        <source>Outbound HTML that exempts a message:</source>
        <translation>Sortant, HTML qui exempte un message :</translation>
    </message>
    <message id="confui.excl.IP">
        <source>IP addresses never blocked:</source>
        <translation>Adresses IP jamais bloquées :</translation>
    </message>
    <message id="confui.excl.Host">
        <source>Host names never blocked:</source>
        <translation>Noms d&apos;hôte jamais bloqués :</translation>
    </message>
    <message id="confui.excl.AWL">
        <source>Build a white list from the recipients of outbound messages</source>
        <translation>Construire une liste blanche avec les destinataires des messages sortants</translation>
    </message>
    <message id="confui.excl.AWLUser">
        <source>Keep one white list per user</source>
        <translation>Tenir une liste blanche par utilisateur</translation>
    </message>
    <message id="confui.excl.AWLPack">
        <source>Pack the white list automatically</source>
        <translation>Compacter la liste blanche automatiquement</translation>
    </message>
    <message id="confui.excl.AWLSlots">
        <source>Maximum number of entries:</source>
        <translation>Nombre maximal d&apos;entrées :</translation>
    </message>
    <message id="confui.excl.AWLFeedAdd">
        <source>Address to which users send entries to add:</source>
        <translation>Adresse à laquelle les utilisateurs envoient les entrées à ajouter :</translation>
    </message>
    <message id="confui.excl.AWLFeedDel">
        <source>Address to which users send entries to remove:</source>
        <translation>Adresse à laquelle les utilisateurs envoient les entrées à retirer :</translation>
    </message>
    <message id="confui.excl.SLS">
        <source>Exempt senders listed in these DNS whitelists</source>
        <translation>Exempter les expéditeurs listés dans ces listes blanches DNS</translation>
    </message>
    <message id="confui.excl.SLSIPHeader">
        <source>Also check the addresses in the Received headers</source>
        <translation>Vérifier aussi les adresses des en-têtes Received</translation>
    </message>
    <message id="confui.excl.SLSIP">
        <source>Whitelist zones for IP addresses:</source>
        <translation>Zones de liste blanche pour les adresses IP :</translation>
    </message>
    <message id="confui.excl.SLSDom">
        <source>Whitelist zones for domains:</source>
        <translation>Zones de liste blanche pour les domaines :</translation>
    </message>
    <message id="confui.excl.DNSWL">
        <source>Exempt senders listed in the public DNS whitelist (DNSWL)</source>
        <translation>Exempter les expéditeurs de la liste blanche DNS publique (DNSWL)</translation>
    </message>
    <message id="confui.excl.DNSWLCat">
        <source>Categories:</source>
        <translation>Catégories :</translation>
    </message>
    <message id="confui.excl.DNSWLTrust">
        <source>Trustworthiness:</source>
        <translation>Fiabilité :</translation>
    </message>
    <message id="confui.excl.DNSWLCatAll">
        <source>All categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message id="confui.excl.DNSWLTrustAny">
        <source>Any trust level</source>
        <translation>Tout niveau de fiabilité</translation>
    </message>
    <message id="confui.excl.DNSWLHeader">
        <source>The Received-header setting of the SLS/RBL exclusion page applies here too.</source>
        <translation>Le réglage des en-têtes Received de la page SLS/RBL s&apos;applique aussi ici.</translation>
    </message>
    <message id="confui.dnswl.cat0">
        <source>not in use</source>
        <translation>non utilisé</translation>
    </message>
    <message id="confui.dnswl.cat2">
        <source>Financial services</source>
        <translation>Services financiers</translation>
    </message>
    <message id="confui.dnswl.cat3">
        <source>Email Service Providers</source>
        <translation>Fournisseurs de messagerie</translation>
    </message>
    <message id="confui.dnswl.cat4">
        <source>Organisations (both for-profit and non-profit)</source>
        <translation>Organisations (à but lucratif ou non)</translation>
    </message>
    <message id="confui.dnswl.cat5">
        <source>Service/network providers</source>
        <translation>Fournisseurs de services/réseaux</translation>
    </message>
    <message id="confui.dnswl.cat6">
        <source>Personal/private servers</source>
        <translation>Serveurs personnels/privés</translation>
    </message>
    <message id="confui.dnswl.cat7">
        <source>Travel/leisure industry</source>
        <translation>Secteur voyages/loisirs</translation>
    </message>
    <message id="confui.dnswl.cat8">
        <source>Public sector/governments</source>
        <translation>Secteur public/administrations</translation>
    </message>
    <message id="confui.dnswl.cat9">
        <source>Media and Tech companies</source>
        <translation>Entreprises des médias et des technologies</translation>
    </message>
    <message id="confui.dnswl.cat10">
        <source>Some special cases</source>
        <translation>Quelques cas particuliers</translation>
    </message>
    <message id="confui.dnswl.cat11">
        <source>Education, academic</source>
        <translation>Éducation, universités</translation>
    </message>
    <message id="confui.dnswl.cat12">
        <source>Healthcare</source>
        <translation>Santé</translation>
    </message>
    <message id="confui.dnswl.cat13">
        <source>Manufacturing/Industrial</source>
        <translation>Production/Industrie</translation>
    </message>
    <message id="confui.dnswl.cat14">
        <source>Retail/Wholesale/Services</source>
        <translation>Commerce de détail/de gros/Services</translation>
    </message>
    <message id="confui.dnswl.cat15">
        <source>Email Marketing Providers</source>
        <translation>Fournisseurs d&apos;e-mail marketing</translation>
    </message>
    <message id="confui.dnswl.trust0">
        <source>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</source>
        <translation>Aucune - Serveur légitime, peut envoyer du spam (p. ex. Hotmail, Yahoo)</translation>
    </message>
    <message id="confui.dnswl.trust1">
        <source>Low - Occasional spam occurrences, actively corrected but less promptly</source>
        <translation>Faible - Spam occasionnel, corrigé mais moins rapidement</translation>
    </message>
    <message id="confui.dnswl.trust2">
        <source>Medium - Extremely rare spam occurrences, corrected promptly</source>
        <translation>Moyenne - Spam extrêmement rare, corrigé rapidement</translation>
    </message>
    <message id="confui.dnswl.trust3">
        <source>High - Never sends spam</source>
        <translation>Élevée - N&apos;envoie jamais de spam</translation>
    </message>
    <message id="confui.excl.DKIM">
        <source>Exempt messages with a valid DKIM signature</source>
        <translation>Exempter les messages avec une signature DKIM valide</translation>
    </message>
    <message id="confui.excl.DKIMFrom">
        <source>Only for these sender addresses:</source>
        <translation>Seulement pour ces adresses d&apos;expéditeur :</translation>
    </message>
    <message id="confui.excl.SPF">
        <source>Exempt messages whose sender passes the SPF check</source>
        <translation>Exempter les messages dont l&apos;expéditeur réussit le contrôle SPF</translation>
    </message>
    <message id="confui.excl.TLS">
        <source>Exempt messages received over TLS</source>
        <translation>Exempter les messages reçus via TLS</translation>
    </message>
    <message id="confui.excl.Auth">
        <source>Exempt authenticated senders</source>
        <translation>Exempter les expéditeurs authentifiés</translation>
    </message>
    <message id="confui.excl.MailList">
        <source>Exempt messages of mailing lists</source>
        <translation>Exempter les messages des listes de diffusion</translation>
    </message>
    <message id="confui.excl.OptWL">
        <source>The White list excludes from these methods:</source>
        <translation>La liste blanche exempte de ces méthodes :</translation>
    </message>
    <message id="confui.excl.OptGlobal">
        <source>All other exclusions excludes from these methods:</source>
        <translation>Toutes les autres exclusions exemptent de ces méthodes :</translation>
    </message>
    <message id="confui.method.Adr">
        <source>E-mail</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>E-mail</translation>
    </message>
    <message id="confui.method.IPH">
        <source>IP/Host</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>IP/Hôte</translation>
    </message>
    <message id="confui.method.DSN">
        <source>DSN</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>DSN</translation>
    </message>
    <message id="confui.method.Subj">
        <source>Subject</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Objet</translation>
    </message>
    <message id="confui.method.Text">
        <source>Text</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Texte</translation>
    </message>
    <message id="confui.method.HTML">
        <source>HTML</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.method.Att">
        <source>Attachment</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Pièce jointe</translation>
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
        <translation>Macros Office</translation>
    </message>
    <message id="confui.method.MSOPP">
        <source>Office passwords</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Mots de passe Office</translation>
    </message>
    <message id="confui.method.MSOEM">
        <source>Office embedded files</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Fichiers Office incorporés</translation>
    </message>
    <message id="confui.method.SLS">
        <source>SLS/RBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.method.CTY">
        <source>Country</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Pays</translation>
    </message>
    <message id="confui.method.Bayes">
        <source>Bayes</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.method.Heur">
        <source>Heuristic</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Heuristique</translation>
    </message>
    <message id="confui.method.Hdr">
        <source>Header</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>En-tête</translation>
    </message>
    <message id="confui.method.Phi">
        <source>Phishing</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Hameçonnage</translation>
    </message>
    <message id="confui.method.NoTo">
        <source>Missing To:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>To: absent</translation>
    </message>
    <message id="confui.method.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Expéditeur interne venant de l&apos;extérieur</translation>
    </message>
    <message id="confui.method.NoFrom">
        <source>Faked From:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>From: falsifié</translation>
    </message>
    <message id="confui.method.NoMx">
        <source>No MX record</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Pas d&apos;enregistrement MX</translation>
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
        <translation>Image</translation>
    </message>
    <message id="confui.method.CharSet">
        <source>Charset</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Jeu de caractères</translation>
    </message>
    <message id="confui.method.ABIP">
        <source>Auto IP</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>IP auto</translation>
    </message>
    <message id="confui.method.SEBA">
        <source>Senderbase</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Senderbase</translation>
    </message>
    <message id="confui.method.BCKS">
        <source>Backscatter</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Rétrodiffusion</translation>
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
        <translation>Macros ClamAV</translation>
    </message>
    <message id="confui.method.CAXCR">
        <source>Community rules</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Règles de la communauté</translation>
    </message>
    <message id="confui.method.UDM">
        <source>UDM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.method.Abs">
        <source>Absolute</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Absolu</translation>
    </message>
    <message id="confui.method.GreyList">
        <source>Greylisting</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Liste grise</translation>
    </message>
    <message id="confui.method.ToAdr">
        <source>E-mail address</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Adresse e-mail</translation>
    </message>
    <message id="confui.method.SMIME">
        <source>S/MIME</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>S/MIME</translation>
    </message>
    <message id="confui.page.IniPhi">
        <source>Phishing</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Hameçonnage</translation>
    </message>
    <message id="confui.IniPhi.Block">
        <source>Block phishing messages</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Bloquer les messages d&apos;hameçonnage</translation>
    </message>
    <message id="confui.IniPhi.SPF">
        <source>Use the SPF result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Utiliser le résultat SPF</translation>
    </message>
    <message id="confui.IniPhi.DKIM">
        <source>Use the DKIM result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Utiliser le résultat DKIM</translation>
    </message>
    <message id="confui.IniPhi.DMARC">
        <source>Use the DMARC policy</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Utiliser la stratégie DMARC</translation>
    </message>
    <message id="confui.IniPhi.URL">
        <source>Compare the links with their visible text</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Comparer les liens à leur texte visible</translation>
    </message>
    <message id="confui.IniPhi.BaseDomain">
        <source>Ignore links to the same base domain</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Ignorer les liens vers le même domaine de base</translation>
    </message>
    <message id="confui.IniPhi.Verbose">
        <source>Log phishing checks</source>
        <extracomment>On the page &quot;Phishing&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Journaliser les contrôles d&apos;hameçonnage</translation>
    </message>
    <message id="confui.page.ConfMS1">
        <source>Mark Subject - 1</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marquer l&apos;objet - 1</translation>
    </message>
    <message id="confui.page.ConfMS2">
        <source>Mark Subject - 2</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marquer l&apos;objet - 2</translation>
    </message>
    <message id="confui.page.ConfMS3">
        <source>Mark Subject - 3</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marquer l&apos;objet - 3</translation>
    </message>
    <message id="confui.page.ConfMS4">
        <source>Mark Subject - 4</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marquer l&apos;objet - 4</translation>
    </message>
    <message id="confui.page.ConfMS5">
        <source>Mark Subject - 5</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marquer l&apos;objet - 5</translation>
    </message>
    <message id="confui.page.ConfIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Adresse IP</translation>
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
        <translation>Administration</translation>
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
        <translation>Liste blanche</translation>
    </message>
    <message id="confui.page.ConfAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avancé</translation>
    </message>
    <message id="confui.ConfMS.General">
        <source>Mark put into the subject by every method (empty: each method&apos;s own):</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque mise dans l&apos;objet par toutes les méthodes (vide : celle de chaque méthode) :</translation>
    </message>
    <message id="confui.ConfMS.Right">
        <source>Put the mark on the right side of the subject</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Placer la marque à droite de l&apos;objet</translation>
    </message>
    <message id="confui.ConfMS.RemoveHTML">
        <source>Mark when HTML was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque quand le HTML a été supprimé :</translation>
    </message>
    <message id="confui.ConfMS.DecodeHTML">
        <source>Mark when HTML was decoded:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque quand le HTML a été décodé :</translation>
    </message>
    <message id="confui.ConfMS.RemoveTNEF">
        <source>Mark when TNEF was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque quand TNEF a été supprimé :</translation>
    </message>
    <message id="confui.ConfMS.RemoveSMIME">
        <source>Mark when S/MIME was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque quand S/MIME a été supprimé :</translation>
    </message>
    <message id="confui.ConfMS.Note">
        <source>Mark put into the subject of a caught message, per method:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marque mise dans l&apos;objet d&apos;un message intercepté, par méthode :</translation>
    </message>
    <message id="confui.ConfIP.Address">
        <source>Bind to IP address (empty: all addresses):</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Lier à l&apos;adresse IP (vide : toutes les adresses) :</translation>
    </message>
    <message id="confui.ConfIP.MachineName">
        <source>Host name (FQDN) used in the greeting:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Nom d&apos;hôte (FQDN) utilisé dans l&apos;accueil :</translation>
    </message>
    <message id="confui.ConfIP.NAT">
        <source>Official addresses behind NAT:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Adresses officielles derrière le NAT :</translation>
    </message>
    <message id="confui.ConfIP.InPort">
        <source>Inbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Port SMTP entrant :</translation>
    </message>
    <message id="confui.ConfIP.OutPort">
        <source>Outbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Port SMTP sortant :</translation>
    </message>
    <message id="confui.ConfDSN.From">
        <source>Sender address of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Adresse d&apos;expéditeur des rapports de remise :</translation>
    </message>
    <message id="confui.ConfDSN.Format">
        <source>Format of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;: the setting Format of Morva.ini.</extracomment>
        <translation>Format des rapports de remise :</translation>
    </message>
    <message id="confui.ConfDSN.Format0">
        <source>Plain text message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Message en texte brut</translation>
    </message>
    <message id="confui.ConfDSN.Format1">
        <source>Standard report (RFC 3464)</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Rapport standard (RFC 3464)</translation>
    </message>
    <message id="confui.ConfDSN.Format2">
        <source>Standard report with a readable text part</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Rapport standard avec une partie texte lisible</translation>
    </message>
    <message id="confui.ConfDSN.Return">
        <source>Content returned in a report:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Contenu renvoyé dans un rapport :</translation>
    </message>
    <message id="confui.ConfDSN.Return0">
        <source>The headers of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Les en-têtes du message</translation>
    </message>
    <message id="confui.ConfDSN.Return1">
        <source>The whole message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Le message entier</translation>
    </message>
    <message id="confui.ConfDSN.Return2">
        <source>Nothing of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Rien du message</translation>
    </message>
    <message id="confui.ConfDNS.Resolve">
        <source>For resolving A and PTR records:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Pour résoudre les enregistrements A et PTR :</translation>
    </message>
    <message id="confui.ConfDNS.Own">
        <source>Use the gateway&apos;s own DNS queries</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Utiliser les requêtes DNS propres à la passerelle</translation>
    </message>
    <message id="confui.ConfDNS.System">
        <source>Use the resolver of the operating system</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Utiliser le résolveur du système d&apos;exploitation</translation>
    </message>
    <message id="confui.ConfDNS.Transport">
        <source>Transport of DNS queries:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Transport des requêtes DNS :</translation>
    </message>
    <message id="confui.ConfDNS.UDP">
        <source>UDP (TCP for long answers)</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>UDP (TCP pour les réponses longues)</translation>
    </message>
    <message id="confui.ConfDNS.TCP">
        <source>TCP only</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>TCP uniquement</translation>
    </message>
    <message id="confui.ConfThr.In">
        <source>Maximum number of inbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Nombre maximal de threads entrants :</translation>
    </message>
    <message id="confui.ConfThr.Out">
        <source>Maximum number of outbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Nombre maximal de threads sortants :</translation>
    </message>
    <message id="confui.ConfThr.InBayes">
        <source>Skip the Bayes filter while all inbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Ignorer le filtre bayésien tant que tous les threads entrants sont occupés</translation>
    </message>
    <message id="confui.ConfThr.OutBayes">
        <source>Skip the Bayes filter while all outbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Ignorer le filtre bayésien tant que tous les threads sortants sont occupés</translation>
    </message>
    <message id="confui.ConfThr.Watermark">
        <source>Refuse inbound connections while all threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Refuser les connexions entrantes tant que tous les threads sont occupés</translation>
    </message>
    <message id="confui.ConfAdm.ShowLog">
        <source>Show the log file in the main window</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Afficher le journal dans la fenêtre principale</translation>
    </message>
    <message id="confui.ConfAdm.LogPath">
        <source>Folder of the log file (empty: the gateway&apos;s log folder):</source>
        <extracomment>On the page &quot;Admin&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Dossier du journal (vide : dossier de journaux de la passerelle) :</translation>
    </message>
    <message id="confui.ConfAdm.CheckDir">
        <source>On input warn if a selected directory does not exist</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Avertir à la saisie si un répertoire choisi n&apos;existe pas</translation>
    </message>
    <message id="confui.ConfAdm.Font">
        <source>Font of the log view:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Police de l&apos;affichage du journal :</translation>
    </message>
    <message id="confui.ConfAdm.FontSize">
        <source>Font size:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Taille de police :</translation>
    </message>
    <message id="confui.ConfESMTP.In">
        <source>Inbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Extensions ESMTP entrantes</translation>
    </message>
    <message id="confui.ConfESMTP.Out">
        <source>Outbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Extensions ESMTP sortantes</translation>
    </message>
    <message id="confui.ConfESMTP.ESMTP">
        <source>ESMTP (all extensions)</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>ESMTP (toutes les extensions)</translation>
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
        <translation>Respecter les erreurs permanentes d&apos;Exchange</translation>
    </message>
    <message id="confui.ConfSMTP.4xx">
        <source>Treat 4xx answers of Exchange as permanent errors</source>
        <translation>Traiter les réponses 4xx d&apos;Exchange comme des erreurs permanentes</translation>
    </message>
    <message id="confui.ConfSMTP.DataTimeout">
        <source>Treat a DATA time-out of Exchange as a permanent error</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Traiter un délai dépassé après DATA d&apos;Exchange comme une erreur permanente</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreMailFrom">
        <source>Ignore permanent errors after MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignorer les erreurs permanentes après MAIL FROM</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreSLS">
        <source>Ignore errors of remote servers that block us by blocklist</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignorer les erreurs des serveurs qui nous bloquent par liste noire</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecv">
        <source>Do not add a Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ne pas ajouter de ligne d&apos;en-tête Received</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecvFor">
        <source>Leave the recipient out of the Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Omettre le destinataire dans la ligne Received</translation>
    </message>
    <message id="confui.ConfSMTP.SizeCheck">
        <source>Check the size limit while the message is transferred</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Vérifier la limite de taille pendant le transfert</translation>
    </message>
    <message id="confui.ConfSMTP.CloseMailFrom">
        <source>Close the connection after an error in MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Fermer la connexion après une erreur dans MAIL FROM</translation>
    </message>
    <message id="confui.ConfAWL.Verbose">
        <source>Log the white list synchronisation</source>
        <extracomment>On the page &quot;White List&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Journaliser la synchronisation de la liste blanche</translation>
    </message>
    <message id="confui.ConfAWL.Master">
        <source>Act as synchronisation master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Agir comme maître de synchronisation</translation>
    </message>
    <message id="confui.ConfAWL.AllowIP">
        <source>Clients allowed to synchronise:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Clients autorisés à se synchroniser :</translation>
    </message>
    <message id="confui.ConfAWL.Protocol">
        <source>Protocol:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Protocole :</translation>
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
        <translation>Agir comme client de synchronisation</translation>
    </message>
    <message id="confui.ConfAWL.MasterIP">
        <source>Address of the master:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Adresse du maître :</translation>
    </message>
    <message id="confui.ConfAWL.CacheNeg">
        <source>Remember negative answers of the master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Mémoriser les réponses négatives du maître</translation>
    </message>
    <message id="confui.ConfAdv.TempPath">
        <source>Temporary folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting TempPath of Morva.ini.</extracomment>
        <translation>Dossier temporaire :</translation>
    </message>
    <message id="confui.ConfAdv.DiskFull">
        <source>Warn when free disk space falls below (MB):</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Avertir quand l&apos;espace disque libre descend sous (Mo) :</translation>
    </message>
    <message id="confui.ConfAdv.Screen">
        <source>Force screen output</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Forcer la sortie à l&apos;écran</translation>
    </message>
    <message id="confui.ConfAdv.InDup">
        <source>Deliver a separate copy of inbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Remettre une copie distincte des messages entrants à chaque destinataire</translation>
    </message>
    <message id="confui.ConfAdv.OutDup">
        <source>Deliver a separate copy of outbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Remettre une copie distincte des messages sortants à chaque destinataire</translation>
    </message>
    <message id="confui.ConfAdv.SpamFolder">
        <source>Spam folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SpamFolder of Morva.ini.</extracomment>
        <translation>Dossier du spam :</translation>
    </message>
    <message id="confui.ConfAdv.Language">
        <source>Language:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Langue :</translation>
    </message>
    <message id="confui.ConfAdv.Auto">
        <source>Auto Detect</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Détection automatique</translation>
    </message>
    <message id="confui.lang.ENG">
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message id="confui.lang.DEU">
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message id="confui.lang.FRA">
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message id="confui.lang.ITA">
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message id="confui.lang.SPA">
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message id="confui.pol.capVrfy">
        <source>Signer</source>
        <translation>Signataire</translation>
    </message>
    <message id="confui.pol.capSign">
        <source>Signing certificate</source>
        <translation>Certificat de signature</translation>
    </message>
    <message id="confui.pol.capDecr">
        <source>Decryption certificate</source>
        <translation>Certificat de déchiffrement</translation>
    </message>
    <message id="confui.pol.capEncr">
        <source>Encryption certificate</source>
        <translation>Certificat de chiffrement</translation>
    </message>
    <message id="confui.pol.capInPol">
        <source>Inbound S/MIME policy</source>
        <translation>Stratégie S/MIME entrante</translation>
    </message>
    <message id="confui.pol.capOutPol">
        <source>Outbound S/MIME policy</source>
        <translation>Stratégie S/MIME sortante</translation>
    </message>
    <message id="confui.pol.capTlsIn">
        <source>Inbound TLS policy</source>
        <translation>Stratégie TLS entrante</translation>
    </message>
    <message id="confui.pol.capTlsOut">
        <source>Outbound TLS policy</source>
        <translation>Stratégie TLS sortante</translation>
    </message>
    <message id="confui.pol.capDkim">
        <source>DKIM signing</source>
        <translation>Signature DKIM</translation>
    </message>
    <message id="confui.pol.fSender">
        <source>Sender address or pattern:</source>
        <translation>Adresse ou modèle d&apos;expéditeur :</translation>
    </message>
    <message id="confui.pol.fRecipient">
        <source>Recipient address or pattern:</source>
        <translation>Adresse ou modèle de destinataire :</translation>
    </message>
    <message id="confui.pol.fCertificate">
        <source>Certificate file:</source>
        <translation>Fichier de certificat :</translation>
    </message>
    <message id="confui.pol.fPassword">
        <source>Password of the private key:</source>
        <translation>Mot de passe de la clé privée :</translation>
    </message>
    <message id="confui.pol.fNeedSigned">
        <source>Signature required</source>
        <translation>Signature requise</translation>
    </message>
    <message id="confui.pol.fNeedEncrypted">
        <source>Encryption required</source>
        <translation>Chiffrement requis</translation>
    </message>
    <message id="confui.pol.fAction">
        <source>Action when not met:</source>
        <translation>Action si non respecté :</translation>
    </message>
    <message id="confui.pol.fClient">
        <source>Client IP address or host name:</source>
        <translation>Adresse IP ou nom d&apos;hôte du client :</translation>
    </message>
    <message id="confui.pol.fDestination">
        <source>Destination domain or host:</source>
        <translation>Domaine ou hôte de destination :</translation>
    </message>
    <message id="confui.pol.fTlsMode">
        <source>TLS:</source>
        <translation>TLS :</translation>
    </message>
    <message id="confui.pol.fDomain">
        <source>Domain:</source>
        <translation>Domaine :</translation>
    </message>
    <message id="confui.pol.fSelector">
        <source>Selector:</source>
        <translation>Sélecteur :</translation>
    </message>
    <message id="confui.pol.fKeyFile">
        <source>Private key file:</source>
        <translation>Fichier de la clé privée :</translation>
    </message>
    <message id="confui.pol.tlsOptional">
        <source>Use TLS when offered</source>
        <translation>Utiliser TLS s&apos;il est proposé</translation>
    </message>
    <message id="confui.pol.tlsRequired">
        <source>Require TLS</source>
        <translation>Exiger TLS</translation>
    </message>
    <message id="confui.pol.tlsVerify">
        <source>Require TLS and a valid certificate</source>
        <translation>Exiger TLS et un certificat valide</translation>
    </message>
    <message id="confui.pol.unreadable">
        <source>(unreadable entry, kept as it is)</source>
        <translation>(entrée illisible, conservée telle quelle)</translation>
    </message>
    <message id="confui.pol.noCertDir">
        <source>The certificate folder holds no *.pem files:</source>
        <translation>Le dossier des certificats ne contient aucun fichier *.pem :</translation>
    </message>
    <message id="confui.pol.certMissing">
        <source>The certificate file is not in the certificate folder:</source>
        <translation>Le fichier de certificat n&apos;est pas dans le dossier des certificats :</translation>
    </message>
    <message id="confui.pol.void">
        <source>(no fixed certificate)</source>
        <translation>(aucun certificat fixe)</translation>
    </message>
    <message id="confui.pol.errCharacter">
        <source>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</source>
        <translation>Le champ contient un caractère que le fichier de configuration ne peut pas garder (caractère de contrôle, ou point-virgule dans une liste avec commentaires).</translation>
    </message>
    <message id="confui.pol.errAddress">
        <source>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</source>
        <translation>Veuillez saisir une adresse e-mail ou un modèle valide !
Le format est utilisateur@exemple.fr, *@exemple.fr ou *</translation>
    </message>
    <message id="confui.pol.errHost">
        <source>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</source>
        <translation>Veuillez saisir un nom d&apos;hôte, un domaine ou une adresse IP valide !
Les jokers * et ? sont admis.</translation>
    </message>
    <message id="confui.pol.errDomain">
        <source>Please enter a valid domain name!
Format is example.com</source>
        <translation>Veuillez saisir un nom de domaine valide !
Le format est exemple.fr</translation>
    </message>
    <message id="confui.pol.errSelector">
        <source>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</source>
        <translation>Veuillez saisir un sélecteur valide !
Lettres, chiffres et tirets, parties séparées par des points.</translation>
    </message>
    <message id="confui.pol.errCertificate">
        <source>Please choose a certificate file (*.pem) of the certificate folder!</source>
        <translation>Veuillez choisir un fichier de certificat (*.pem) du dossier des certificats !</translation>
    </message>
    <message id="confui.pol.errVoid">
        <source>This list needs a certificate file.</source>
        <translation>Cette liste exige un fichier de certificat.</translation>
    </message>
    <message id="confui.pol.errChoice">
        <source>Please choose one of the offered values!</source>
        <translation>Veuillez choisir une des valeurs proposées !</translation>
    </message>
    <message id="confui.pol.errUnreadable">
        <source>The entry cannot be read.</source>
        <translation>L&apos;entrée ne peut pas être lue.</translation>
    </message>
    <message id="confui.c2.sheetLeft">
        <source>Not available yet</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message id="confui.pol.capCert">
        <source>Certificate</source>
        <translation>Certificat</translation>
    </message>
    <message id="confui.pol.capPol">
        <source>S/MIME policy</source>
        <translation>Stratégie S/MIME</translation>
    </message>
    <message id="confui.pol.capTls">
        <source>TLS policy</source>
        <translation>Stratégie TLS</translation>
    </message>
    <message id="confui.IniDisc.Edit">
        <source>Edit the disclaimer &amp;text...</source>
        <extracomment>On the page &quot;Disclaimer&quot;. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Modifier le &amp;texte de l&apos;avertissement...</translation>
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
        <translation>Tentative de verrouillage des fichiers de données...</translation>
    </message>
    <message id="db.locking">
        <source>Locking the data files...</source>
        <translation>Verrouillage des fichiers de données...</translation>
    </message>
    <message id="db.lockFailed">
        <source>Unable to lock the data files!</source>
        <translation>Impossible de verrouiller les fichiers de données !</translation>
    </message>
    <message id="db.locked">
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message id="db.writeFailed">
        <source>Unable to write the data files! These files may have lost changes:</source>
        <translation>Impossible d&apos;écrire les fichiers de données ! Des modifications ont pu être perdues dans ces fichiers :</translation>
    </message>
    <message id="db.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Un champ vide n&apos;est pas autorisé !</translation>
    </message>
    <message id="db.invalidAddress">
        <source>Please enter a valid SMTP address!</source>
        <translation>Veuillez saisir une adresse SMTP valide !</translation>
    </message>
    <message id="db.formatIs">
        <source>Format is </source>
        <translation>Le format est </translation>
    </message>
    <message id="db.tooLong">
        <source>The value is too long! At most %1 characters are allowed.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>La valeur est trop longue ! %1 caractères au plus sont autorisés.</translation>
    </message>
    <message id="db.controlCharacter">
        <source>The value contains control characters, which the record files cannot hold!</source>
        <translation>La valeur contient des caractères de contrôle que les fichiers d&apos;enregistrements ne peuvent pas contenir !</translation>
    </message>
    <message id="db.badBlockType">
        <source>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</source>
        <translation>Le type de blocage doit être 0 (adresse IP), 1 (nom d&apos;hôte) ou 2 (MAIL FROM : adresse e-mail) !</translation>
    </message>
    <message id="db.aliasNotFound">
        <source>Unable to find record in DataAlia!</source>
        <translation>Enregistrement introuvable dans DataAlia !</translation>
    </message>
    <message id="db.blockNotFound">
        <source>Unable to find record in DataBlock!</source>
        <translation>Enregistrement introuvable dans DataBlock !</translation>
    </message>
    <message id="db.userNotFound">
        <source>Unable to find record in DataUser!</source>
        <translation>Enregistrement introuvable dans DataUser !</translation>
    </message>
</context>
<context>
    <name>records (record lists and sheets)</name>
    <message id="records.counting">
        <source>Counting records...</source>
        <translation>Comptage des enregistrements...</translation>
    </message>
    <message id="records.reading">
        <source>Reading records...</source>
        <translation>Lecture des enregistrements...</translation>
    </message>
    <message id="records.deleteRecord">
        <source>Delete record</source>
        <translation>Supprimer l&apos;enregistrement</translation>
    </message>
    <message id="records.deleteAll">
        <source>Delete all selected records</source>
        <translation>Supprimer tous les enregistrements sélectionnés</translation>
    </message>
    <message id="records.new">
        <source>&amp;New</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message id="records.edit">
        <source>&amp;Edit</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Modifier</translation>
    </message>
    <message id="records.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="records.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="records.ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="records.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="records.col.rec">
        <source>Rec</source>
        <translation>N°</translation>
    </message>
    <message id="records.col.from">
        <source>From</source>
        <translation>De</translation>
    </message>
    <message id="records.col.to">
        <source>To</source>
        <translation>À</translation>
    </message>
    <message id="records.col.type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="records.col.blockValue">
        <source>IP address / Host / Domain / E-Mail</source>
        <translation>Adresse IP / Hôte / Domaine / E-mail</translation>
    </message>
    <message id="records.col.name">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="records.col.email">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="records.aliasList">
        <source>E-mail Forwarding</source>
        <translation>Transfert d&apos;e-mails</translation>
    </message>
    <message id="records.blockList">
        <source>SMTP Blocking</source>
        <translation>Blocage SMTP</translation>
    </message>
    <message id="records.userList">
        <source>E-mail address on Exchange</source>
        <translation>Adresse e-mail sur Exchange</translation>
    </message>
    <message id="records.type.ip">
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message id="records.type.host">
        <source>Hostname</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message id="records.type.mailFrom">
        <source>MAIL FROM: e-mail address</source>
        <translation>MAIL FROM : adresse e-mail</translation>
    </message>
    <message id="records.type.mailDomain">
        <source>MAIL FROM: e-mail domain</source>
        <translation>MAIL FROM : domaine e-mail</translation>
    </message>
    <message id="records.type.unknown">
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message id="records.aliasSheet">
        <source>SMTP Forwarding</source>
        <translation>Transfert SMTP</translation>
    </message>
    <message id="records.aliasPage">
        <source>E-mail Forwarding</source>
        <translation>Transfert d&apos;e-mails</translation>
    </message>
    <message id="records.group.forward">
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message id="records.forwardAddress">
        <source>Forward e-mail address:</source>
        <translation>Transférer l&apos;adresse e-mail :</translation>
    </message>
    <message id="records.toAddress">
        <source>To e-mail address:</source>
        <translation>Vers l&apos;adresse e-mail :</translation>
    </message>
    <message id="records.group.options">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="records.deliverOriginal">
        <source>Deliver to original e-mail address after forwarding</source>
        <translation>Distribuer aussi à l&apos;adresse e-mail d&apos;origine après le transfert</translation>
    </message>
    <message id="records.blockSheet">
        <source>SMTP Blocking</source>
        <translation>Blocage SMTP</translation>
    </message>
    <message id="records.blockPage">
        <source>SMTP Blocking</source>
        <translation>Blocage SMTP</translation>
    </message>
    <message id="records.group.doNotAccept">
        <source>Do not accept a SMTP message from</source>
        <translation>Ne pas accepter de message SMTP de</translation>
    </message>
    <message id="records.blockValue">
        <source>IP address / Host / Domain / E-Mail:</source>
        <translation>Adresse IP / Hôte / Domaine / E-mail :</translation>
    </message>
    <message id="records.group.samples">
        <source>Samples</source>
        <translation>Exemples</translation>
    </message>
    <message id="records.sample.ip">
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message id="records.sample.host">
        <source>Hostname:</source>
        <translation>Nom d&apos;hôte :</translation>
    </message>
    <message id="records.sample.hostValue">
        <source>mx.domain.com or domain.com for all hosts in a domain</source>
        <translation>mx.domain.com ou domain.com pour tous les hôtes d&apos;un domaine</translation>
    </message>
    <message id="records.sample.mail">
        <source>MAIL FROM: e-mail address:</source>
        <translation>MAIL FROM : adresse e-mail :</translation>
    </message>
    <message id="records.sample.mailValue">
        <source>user@domain.com, or @domain.com for a full domain</source>
        <translation>user@domain.com, ou @domain.com pour un domaine entier</translation>
    </message>
    <message id="records.keptType">
        <source>Stored type %1 (kept unless you choose another)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Type enregistré %1 (conservé sauf si vous en choisissez un autre)</translation>
    </message>
    <message id="records.userSheet">
        <source>User Address</source>
        <translation>Adresse de l&apos;utilisateur</translation>
    </message>
    <message id="records.userPage">
        <source>E-mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message id="records.group.userInfo">
        <source>User Information</source>
        <translation>Informations sur l&apos;utilisateur</translation>
    </message>
    <message id="records.userName">
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message id="records.userAddress">
        <source>E-mail address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message id="records.domainList">
        <source>E-mail domain on Exchange</source>
        <translation>Domaine e-mail sur Exchange</translation>
    </message>
    <message id="records.domainListText">
        <source>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</source>
        <translation>Ajoutez le domaine e-mail dont votre Exchange est responsable, par ex. example.com.</translation>
    </message>
    <message id="records.domainListText2">
        <source>Only messages to these domains are routed to Exchange.</source>
        <translation>Seuls les messages destinés à ces domaines sont acheminés vers Exchange.</translation>
    </message>
    <message id="records.domainField">
        <source>Domain:</source>
        <translation>Domaine :</translation>
    </message>
    <message id="records.commentField">
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message id="records.routeList">
        <source>Message Routing</source>
        <translation>Routage des messages</translation>
    </message>
    <message id="records.col.routeDomain">
        <source>E-Mail Domain</source>
        <translation>Domaine e-mail</translation>
    </message>
    <message id="records.col.host">
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message id="records.col.port">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="records.group.routeAll">
        <source>Route all messages</source>
        <translation>Acheminer tous les messages</translation>
    </message>
    <message id="records.routeDomain">
        <source>for e-mail domain:</source>
        <translation>pour le domaine e-mail :</translation>
    </message>
    <message id="records.routeHost">
        <source>to host:</source>
        <translation>vers l&apos;hôte :</translation>
    </message>
    <message id="records.routePort">
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message id="records.badPort">
        <source>Please enter a port number from 2 to 65535!</source>
        <translation>Veuillez saisir un numéro de port de 2 à 65535 !</translation>
    </message>
    <message id="records.badRouteDomain">
        <source>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</source>
        <translation>Un domaine de messagerie ne peut pas contenir de deux-points (:) ni de guillemet (&quot;) !</translation>
    </message>
    <message id="records.badRouteHost">
        <source>A host cannot contain a double quote (&quot;)!</source>
        <translation>Un hôte ne peut pas contenir de guillemet (&quot;) !</translation>
    </message>
    <message id="records.semicolon">
        <source>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</source>
        <translation>Un point-virgule (;) ne peut pas être enregistré ici : Morva.ini lirait la suite comme un commentaire !</translation>
    </message>
    <message id="text.notStorable">
        <source>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Le caractère « %1 » ne peut pas être enregistré : les fichiers de la passerelle ne contiennent que des caractères d&apos;Europe occidentale (Windows-1252) !</translation>
    </message>
    <message id="text.readsBackOtherwise">
        <source>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Le texte « %1 » ne peut pas être enregistré : les fichiers de la passerelle le reliraient comme « %2 » !</translation>
    </message>
    <message id="text.notStorableInList">
        <source>The character &quot;%1&quot; cannot be stored in this list!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Le caractère « %1 » ne peut pas être enregistré dans cette liste !</translation>
    </message>
    <message id="records.deleteRoute">
        <source>Delete selected route</source>
        <translation>Supprimer la route sélectionnée</translation>
    </message>
    <message id="records.deleteTranslation">
        <source>Delete selected translation</source>
        <translation>Supprimer la traduction sélectionnée</translation>
    </message>
    <message id="records.deleteRewrite">
        <source>Delete selected rewrite</source>
        <translation>Supprimer la réécriture sélectionnée</translation>
    </message>
    <message id="records.transList">
        <source>Address Translation</source>
        <translation>Traduction d&apos;adresses</translation>
    </message>
    <message id="records.rewriteList">
        <source>Address Rewrite</source>
        <translation>Réécriture d&apos;adresses</translation>
    </message>
    <message id="records.col.fromDomain">
        <source>from domain</source>
        <translation>du domaine</translation>
    </message>
    <message id="records.col.toDomain">
        <source>to domain</source>
        <translation>vers le domaine</translation>
    </message>
    <message id="records.col.fromMailbox">
        <source>from Mailbox</source>
        <translation>de la boîte aux lettres</translation>
    </message>
    <message id="records.col.toMailbox">
        <source>to Mailbox</source>
        <translation>vers la boîte aux lettres</translation>
    </message>
    <message id="records.col.toAddress">
        <source>to Address</source>
        <translation>vers l&apos;adresse</translation>
    </message>
    <message id="records.transDomain">
        <source>Translate domain</source>
        <translation>Traduire le domaine</translation>
    </message>
    <message id="records.transUser">
        <source>Translate Mailbox</source>
        <translation>Traduire la boîte aux lettres</translation>
    </message>
    <message id="records.transDomainAdr">
        <source>Translate domain to Address</source>
        <translation>Traduire le domaine en adresse</translation>
    </message>
    <message id="records.rewriteDomain">
        <source>Rewrite domain</source>
        <translation>Réécrire le domaine</translation>
    </message>
    <message id="records.rewriteUser">
        <source>Rewrite Mailbox</source>
        <translation>Réécrire la boîte aux lettres</translation>
    </message>
    <message id="records.field.domain">
        <source>E-mail domain:</source>
        <translation>Domaine e-mail :</translation>
    </message>
    <message id="records.field.toDomain">
        <source>To e-mail domain:</source>
        <translation>Vers le domaine e-mail :</translation>
    </message>
    <message id="records.field.mailbox">
        <source>E-mail mailbox:</source>
        <translation>Boîte aux lettres e-mail :</translation>
    </message>
    <message id="records.field.toMailbox">
        <source>To e-mail mailbox:</source>
        <translation>Vers la boîte aux lettres e-mail :</translation>
    </message>
    <message id="records.field.toAddress">
        <source>To e-mail address:</source>
        <translation>Vers l&apos;adresse e-mail :</translation>
    </message>
    <message id="records.group.inboundTranslate">
        <source>Inbound messages translate</source>
        <translation>Traduire les messages entrants</translation>
    </message>
    <message id="records.group.outboundRewrite">
        <source>Outbound messages rewrite</source>
        <translation>Réécrire les messages sortants</translation>
    </message>
    <message id="records.group.description">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="records.desc.transDomain">
        <source>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</source>
        <translation>Remplace le domaine d&apos;une adresse de destinataire (user@ancien.fr devient user@nouveau.fr) avant de traiter un message entrant</translation>
    </message>
    <message id="records.desc.transUser">
        <source>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</source>
        <translation>Remplace une boîte aux lettres de destinataire (ancien@domaine.fr devient nouveau@domaine.fr) avant de traiter un message entrant</translation>
    </message>
    <message id="records.desc.transDomainAdr">
        <source>Sends every recipient of a domain to one e-mail address before processing an inbound message</source>
        <translation>Envoie tous les destinataires d&apos;un domaine vers une seule adresse e-mail avant de traiter un message entrant</translation>
    </message>
    <message id="records.desc.rewriteDomain">
        <source>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</source>
        <translation>Remplace le domaine d&apos;une adresse d&apos;expéditeur (user@interne.local devient user@domaine.fr) avant de traiter un message sortant</translation>
    </message>
    <message id="records.desc.rewriteUser">
        <source>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</source>
        <translation>Remplace une boîte aux lettres d&apos;expéditeur (jdupont@domaine.fr devient jean.dupont@domaine.fr) avant de traiter un message sortant</translation>
    </message>
    <message id="records.routing">
        <source>Routing...</source>
        <translation>Routage...</translation>
    </message>
</context>
<context>
    <name>service (signal files, service dialog)</name>
    <message id="service.signalFailed">
        <source>Unable to create signal file</source>
        <translation>Impossible de créer un fichier signal</translation>
    </message>
    <message id="service.caption">
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message id="service.labelName">
        <source>Service name:</source>
        <translation>Nom du service :</translation>
    </message>
    <message id="service.labelStatus">
        <source>Service Status:</source>
        <translation>État du service :</translation>
    </message>
    <message id="service.labelExecutable">
        <source>Executable:</source>
        <translation>Exécutable :</translation>
    </message>
    <message id="service.start">
        <source>&amp;Start</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Démarrer</translation>
    </message>
    <message id="service.stop">
        <source>S&amp;top</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Arrêter</translation>
    </message>
    <message id="service.install">
        <source>&amp;Install</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Installer</translation>
    </message>
    <message id="service.remove">
        <source>&amp;Remove</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="service.cancel">
        <source>&amp;Cancel</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;nnuler</translation>
    </message>
    <message id="service.state.noExecutable">
        <source>Unable to find executable</source>
        <translation>Exécutable introuvable</translation>
    </message>
    <message id="service.state.notInstalled">
        <source>not installed</source>
        <translation>non installé</translation>
    </message>
    <message id="service.state.stopped">
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message id="service.state.startPending">
        <source>start pending</source>
        <translation>démarrage en cours</translation>
    </message>
    <message id="service.state.stopPending">
        <source>stop pending</source>
        <translation>arrêt en cours</translation>
    </message>
    <message id="service.state.started">
        <source>started</source>
        <translation>démarré</translation>
    </message>
    <message id="service.state.continuePending">
        <source>continue pending</source>
        <translation>reprise en cours</translation>
    </message>
    <message id="service.state.pausePending">
        <source>pause pending</source>
        <translation>mise en pause en cours</translation>
    </message>
    <message id="service.state.paused">
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message id="service.state.unknown">
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message id="service.startFailed">
        <source>Unable to start %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossible de démarrer le service %1 !</translation>
    </message>
    <message id="service.queryFailed">
        <source>Unable to query status of %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossible d&apos;interroger l&apos;état du service %1 !</translation>
    </message>
    <message id="service.controlFailed">
        <source>Unable to control %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossible de contrôler le service %1 !</translation>
    </message>
    <message id="service.waitStop">
        <source>Waiting for %1 to be stopped...</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Attente de l&apos;arrêt de %1...</translation>
    </message>
    <message id="service.installed">
        <source>%1 service installed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Service %1 installé !</translation>
    </message>
    <message id="service.installFailed">
        <source>Unable to install %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossible d&apos;installer le service %1 !</translation>
    </message>
    <message id="service.removed">
        <source>%1 service removed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Service %1 supprimé !</translation>
    </message>
    <message id="service.removeFailed">
        <source>Unable to remove %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Impossible de supprimer le service %1 !</translation>
    </message>
    <message id="service.reason.unsupported">
        <source>This system has no service manager for the gateway.</source>
        <translation>Ce système n&apos;a pas de gestionnaire de services pour la passerelle.</translation>
    </message>
    <message id="service.reason.managerUnavailable">
        <source>The service manager is not available.</source>
        <translation>Le gestionnaire de services n&apos;est pas disponible.</translation>
    </message>
    <message id="service.reason.accessDenied">
        <source>Access denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message id="service.reason.notInstalled">
        <source>The service is not installed.</source>
        <translation>Le service n&apos;est pas installé.</translation>
    </message>
    <message id="service.reason.alreadyExists">
        <source>A service of this name exists already.</source>
        <translation>Un service de ce nom existe déjà.</translation>
    </message>
    <message id="service.reason.alreadyRunning">
        <source>The service is running already.</source>
        <translation>Le service est déjà démarré.</translation>
    </message>
    <message id="service.reason.notActive">
        <source>The service is not running.</source>
        <translation>Le service n&apos;est pas démarré.</translation>
    </message>
    <message id="service.reason.cannotAcceptControl">
        <source>The service cannot accept the request now.</source>
        <translation>Le service ne peut pas accepter la demande maintenant.</translation>
    </message>
    <message id="service.reason.markedForDelete">
        <source>The service is marked for deletion.</source>
        <translation>Le service est marqué pour suppression.</translation>
    </message>
    <message id="service.reason.invalidPath">
        <source>The executable path is not an absolute path, or holds a double quote or a control character.</source>
        <translation>Le chemin de l&apos;exécutable n&apos;est pas absolu ou contient un guillemet ou un caractère de contrôle.</translation>
    </message>
    <message id="service.reason.verifyFailed">
        <source>The service manager stored another program path.</source>
        <translation>Le gestionnaire de services a enregistré un autre chemin de programme.</translation>
    </message>
    <message id="service.reason.failed">
        <source>The service manager reported an error.</source>
        <translation>Le gestionnaire de services a signalé une erreur.</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message id="stats.caption">
        <source>Statistic</source>
        <translation>Statistiques</translation>
    </message>
    <message id="stats.refresh">
        <source>&amp;Refresh</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Actualiser</translation>
    </message>
    <message id="stats.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="stats.truncated">
        <source>The statistics file is larger than 1 MB: only its beginning is shown.</source>
        <translation>Le fichier de statistiques dépasse 1 Mo : seul son début est affiché.</translation>
    </message>
    <message id="stats.waiting">
        <source>Waiting for the statistics of the gateway...</source>
        <translation>Attente des statistiques de la passerelle...</translation>
    </message>
    <message id="stats.stale">
        <source>No new statistics arrived from the gateway. The figures shown were written at %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Aucune nouvelle statistique n&apos;est arrivée de la passerelle. Les valeurs affichées ont été écrites le %1.</translation>
    </message>
    <message id="stats.none">
        <source>No statistics arrived from the gateway.</source>
        <translation>Aucune statistique n&apos;est arrivée de la passerelle.</translation>
    </message>
    <message id="stats.chart.rates">
        <source>Rates per ho&amp;ur</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Taux par &amp;heure</translation>
    </message>
    <message id="stats.chart.counters">
        <source>Counters:</source>
        <translation>Compteurs :</translation>
    </message>
    <message id="stats.autoRefresh">
        <source>&amp;Automatic refresh:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Actualisation auto&amp;matique :</translation>
    </message>
    <message id="stats.autoRefresh.off">
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message id="stats.autoRefresh.minutes">
        <source> min</source>
        <translation> min</translation>
    </message>
    <message id="stats.besideProgram">
        <source>&amp;Keep the history in the program directory</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Conserver l&apos;historique dans le répertoire du programme</translation>
    </message>
    <message id="stats.exportTable">
        <source>Export &amp;table...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exporter le &amp;tableau...</translation>
    </message>
    <message id="stats.exportHistory">
        <source>Export &amp;history...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exporter l&apos;hi&amp;storique...</translation>
    </message>
    <message id="stats.gatewayFiles">
        <source>&amp;Gateway files...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Fichiers de la passerelle...</translation>
    </message>
    <message id="stats.backToHistory">
        <source>&amp;Back to the kept history</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Retour à l&apos;historique</translation>
    </message>
    <message id="stats.exportTable.title">
        <source>Export the statistics table</source>
        <translation>Exporter le tableau des statistiques</translation>
    </message>
    <message id="stats.exportHistory.title">
        <source>Export the statistics history</source>
        <translation>Exporter l&apos;historique des statistiques</translation>
    </message>
    <message id="stats.gatewayFiles.title">
        <source>Chart the gateway&apos;s statistics files</source>
        <translation>Tracer les fichiers de statistiques de la passerelle</translation>
    </message>
    <message id="stats.gatewayFiles.filter">
        <source>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</source>
        <extracomment>A file dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Fichiers de statistiques (*.csv *.txt *.log *.dat);;Tous les fichiers (*)</translation>
    </message>
    <message id="stats.csvFilter">
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message id="stats.source.history">
        <source>Dumps kept: %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Relevés conservés : %1.</translation>
    </message>
    <message id="stats.source.files">
        <source>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Fichiers de statistiques de la passerelle : %1 fichier(s), %2 enregistrements, totalisés par heure.</translation>
    </message>
    <message id="stats.files.records">
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message id="stats.files.column">
        <source>Column %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Colonne %1</translation>
    </message>
    <message id="stats.files.skipped">
        <source>%1 lines without a date were skipped.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 lignes sans date ont été ignorées.</translation>
    </message>
    <message id="stats.files.truncated">
        <source>A file is larger than 16 MB: only its beginning was read.</source>
        <translation>Un fichier dépasse 16 Mo : seul son début a été lu.</translation>
    </message>
    <message id="stats.files.unreadable">
        <source>%1 could not be read.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 n&apos;a pas pu être lu.</translation>
    </message>
    <message id="stats.history.noDirectory">
        <source>The statistics are not kept: this user has no data directory.</source>
        <translation>Les statistiques ne sont pas conservées : cet utilisateur n&apos;a pas de répertoire de données.</translation>
    </message>
    <message id="stats.history.unreadable">
        <source>The history %1 cannot be read (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>L&apos;historique %1 ne peut pas être lu (%2).</translation>
    </message>
    <message id="stats.history.notKept">
        <source>These figures could not be kept in the history %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Ces valeurs n&apos;ont pas pu être conservées dans l&apos;historique %1 (%2).</translation>
    </message>
    <message id="stats.exportFailed">
        <source>Unable to write %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Impossible d&apos;écrire %1 (%2).</translation>
    </message>
</context>
<context>
    <name>browser (settings browser)</name>
    <message id="browser.column.key">
        <source>Key</source>
        <extracomment>Column header of the settings browser: the key in Morva.ini.</extracomment>
        <translation>Clé</translation>
    </message>
    <message id="browser.column.value">
        <source>Value</source>
        <extracomment>Column header of the settings browser: the current value (a list: its number of entries and the first ones).</extracomment>
        <translation>Valeur</translation>
    </message>
    <message id="browser.column.default">
        <source>Default</source>
        <extracomment>Column header of the settings browser: the default value.</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message id="browser.column.kind">
        <source>Kind</source>
        <extracomment>Column header of the settings browser: the kind of value (Bool, Int, String, list kinds).</extracomment>
        <translation>Type</translation>
    </message>
    <message id="browser.column.page">
        <source>Page</source>
        <extracomment>Column header of the settings browser: the sheet and page that edit the setting.</extracomment>
        <translation>Page</translation>
    </message>
    <message id="browser.noPage">
        <source>no page</source>
        <extracomment>Settings browser, column Page: no page edits this setting.</extracomment>
        <translation>aucune page</translation>
    </message>
</context>
<context>
    <name>merge (review and merge of configuration changes)</name>
    <message id="merge.changes.button">
        <source>Changes...</source>
        <extracomment>Button beside OK of every configuration sheet: lists the changes OK would save.</extracomment>
        <translation>Modifications...</translation>
    </message>
    <message id="merge.changes.title">
        <source>Pending changes</source>
        <extracomment>Title of the window that lists the changes not saved yet.</extracomment>
        <translation>Modifications en attente</translation>
    </message>
    <message id="merge.changes.none">
        <source>No changes.</source>
        <extracomment>Pending changes window: nothing would change.</extracomment>
        <translation>Aucune modification.</translation>
    </message>
    <message id="merge.column.key">
        <source>Key</source>
        <extracomment>Column header: the key in Morva.ini.</extracomment>
        <translation>Clé</translation>
    </message>
    <message id="merge.column.change">
        <source>Change</source>
        <extracomment>Column header: what kind of change (changed, item added, item removed).</extracomment>
        <translation>Modification</translation>
    </message>
    <message id="merge.column.old">
        <source>Old value</source>
        <extracomment>Column header: the value before the change.</extracomment>
        <translation>Ancienne valeur</translation>
    </message>
    <message id="merge.column.new">
        <source>New value</source>
        <extracomment>Column header: the value after the change.</extracomment>
        <translation>Nouvelle valeur</translation>
    </message>
    <message id="merge.kind.changed">
        <source>changed</source>
        <extracomment>Kind of change: a single value changed.</extracomment>
        <translation>modifiée</translation>
    </message>
    <message id="merge.kind.added">
        <source>item added</source>
        <extracomment>Kind of change: an entry added to a list.</extracomment>
        <translation>entrée ajoutée</translation>
    </message>
    <message id="merge.kind.removed">
        <source>item removed</source>
        <extracomment>Kind of change: an entry removed from a list.</extracomment>
        <translation>entrée supprimée</translation>
    </message>
    <message id="merge.conflict.title">
        <source>Configuration changed on disk</source>
        <extracomment>Title of the window that shows settings changed both here and by another program.</extracomment>
        <translation>Configuration modifiée sur le disque</translation>
    </message>
    <message id="merge.conflict.intro">
        <source>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</source>
        <extracomment>Text at the top of the conflict window.</extracomment>
        <translation>Un autre programme a modifié Morva.ini pendant que vous la modifiiez. Vos autres modifications y sont intégrées. Ces paramètres ont été modifiés des deux côtés : choisissez la valeur à enregistrer.</translation>
    </message>
    <message id="merge.conflict.theirs">
        <source>On disk now</source>
        <extracomment>Conflict window, column header: the value the file holds now.</extracomment>
        <translation>Actuellement sur le disque</translation>
    </message>
    <message id="merge.conflict.mine">
        <source>Your value</source>
        <extracomment>Conflict window, column header: the value entered in this sheet.</extracomment>
        <translation>Votre valeur</translation>
    </message>
    <message id="merge.conflict.keepTheirs">
        <source>Keep the value on disk</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Garder la valeur du disque</translation>
    </message>
    <message id="merge.conflict.keepMine">
        <source>Keep your value</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Garder votre valeur</translation>
    </message>
    <message id="merge.conflict.enter">
        <source>Enter a value:</source>
        <extracomment>Conflict window, choice: the value typed in the field beside it (a list: one entry per line).</extracomment>
        <translation>Saisir une valeur :</translation>
    </message>
    <message id="merge.conflict.undecided">
        <source>Choose a value for %1.</source>
        <extracomment>Conflict window: OK pressed while the setting %1 has no choice.</extracomment>
        <translation>Choisissez une valeur pour %1.</translation>
    </message>
    <message id="merge.conflict.save">
        <source>Save</source>
        <extracomment>Conflict window, button: saves the merged file.</extracomment>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>audit (data safety of the editors)</name>
    <message id="audit.textFileChanged">
        <source>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</source>
        <extracomment>Editor of the disclaimer file, on OK. %1 is the file's path.</extracomment>
        <translation>%1 a été modifié par un autre programme depuis son ouverture ; rien n&apos;a été écrit. Fermez l&apos;éditeur et ouvrez de nouveau le fichier.</translation>
    </message>
</context>
<context>
    <name>import (list import and export)</name>
    <message id="import.repeatedInFile">
        <source>Repeats line %1: skipped</source>
        <extracomment>Import preview: a row repeats the entry of an earlier line of the file; %1 is that line.</extracomment>
        <translation>Répète la ligne %1 : ignorée</translation>
    </message>
    <message id="import.alreadyPresent">
        <source>Already in the list (entry %1): skipped</source>
        <extracomment>Import preview: the entry is in the list already; %1 is its position (record number).</extracomment>
        <translation>Déjà dans la liste (entrée %1) : ignorée</translation>
    </message>
    <message id="import.unclosedQuote">
        <source>The file cannot be read: the quoted field that starts on line %1 is never closed.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Impossible de lire le fichier : le champ entre guillemets qui commence à la ligne %1 n'est jamais fermé.</translation>
    </message>
    <message id="import.textAfterQuote">
        <source>The file cannot be read: text follows a closing quote on line %1.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>Impossible de lire le fichier : du texte suit un guillemet fermant à la ligne %1.</translation>
    </message>
    <message id="import.notStorable">
        <source>The row holds a character that the gateway's files cannot store.</source>
        <extracomment>Import: a row refused because of a character outside the gateway's 8-bit character set.</extracomment>
        <translation>La ligne contient un caractère que les fichiers de la passerelle ne peuvent pas enregistrer.</translation>
    </message>
    <message id="import.columnCount">
        <source>The row has %1 columns; %2 are expected.</source>
        <extracomment>Import: %1 is the number of columns of the row, %2 the number expected.</extracomment>
        <translation>La ligne a %1 colonnes ; %2 sont attendues.</translation>
    </message>
    <message id="import.badFlag">
        <source>Not a yes/no value (1 or 0).</source>
        <extracomment>Import: the deliver column of a forwarding row.</extracomment>
        <translation>Pas une valeur oui/non (1 ou 0).</translation>
    </message>
    <message id="import.noComments">
        <source>This list keeps no comments.</source>
        <extracomment>Import: the row has a comment, but the list keeps none.</extracomment>
        <translation>Cette liste ne conserve pas de commentaires.</translation>
    </message>
    <message id="import.controlCharacter">
        <source>The value holds a control character (a line break or a tab), which the file cannot hold.</source>
        <extracomment>Import: a value with a line break or tab inside.</extracomment>
        <translation>La valeur contient un caractère de contrôle (saut de ligne ou tabulation) que le fichier ne peut pas contenir.</translation>
    </message>
    <message id="import.menu.import">
        <source>&amp;Import...</source>
        <extracomment>Action of the record lists and list settings: opens the import dialog.</extracomment>
        <translation>&amp;Importer...</translation>
    </message>
    <message id="import.menu.export">
        <source>E&amp;xport...</source>
        <extracomment>Action of the record lists and list settings: opens the export dialog.</extracomment>
        <translation>E&amp;xporter...</translation>
    </message>
    <message id="import.caption.import">
        <source>Import: %1</source>
        <extracomment>Caption of the import dialog; %1 is the list's name.</extracomment>
        <translation>Importer : %1</translation>
    </message>
    <message id="import.caption.export">
        <source>Export: %1</source>
        <extracomment>Caption of the export dialog; %1 is the list's name.</extracomment>
        <translation>Exporter : %1</translation>
    </message>
    <message id="import.label.file">
        <source>File:</source>
        <extracomment>Import dialog: label of the file name.</extracomment>
        <translation>Fichier :</translation>
    </message>
    <message id="import.button.browse">
        <source>&amp;Browse...</source>
        <extracomment>Import dialog: chooses the file.</extracomment>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message id="import.format.csv">
        <source>&amp;CSV (comma-separated values)</source>
        <extracomment>Import and export dialogs: file format.</extracomment>
        <translation>&amp;CSV (valeurs séparées par des virgules)</translation>
    </message>
    <message id="import.format.text">
        <source>&amp;Text (one entry per line)</source>
        <extracomment>Import and export dialogs: file format of list settings.</extracomment>
        <translation>&amp;Texte (une entrée par ligne)</translation>
    </message>
    <message id="import.mode.append">
        <source>&amp;Append to the list</source>
        <extracomment>Import dialog: the rows are added behind the entries.</extracomment>
        <translation>&amp;Ajouter à la liste</translation>
    </message>
    <message id="import.mode.replace">
        <source>&amp;Replace the whole list</source>
        <extracomment>Import dialog: the rows replace every entry.</extracomment>
        <translation>&amp;Remplacer toute la liste</translation>
    </message>
    <message id="import.skipRefused">
        <source>S&amp;kip rows with errors</source>
        <extracomment>Import dialog: import the other rows although some are refused.</extracomment>
        <translation>I&amp;gnorer les lignes en erreur</translation>
    </message>
    <message id="import.column.line">
        <source>Line</source>
        <extracomment>Import preview: column with the line number of the row.</extracomment>
        <translation>Ligne</translation>
    </message>
    <message id="import.column.check">
        <source>Check</source>
        <extracomment>Import preview: column with the result of the row's check.</extracomment>
        <translation>Contrôle</translation>
    </message>
    <message id="import.rowOk">
        <source>OK</source>
        <extracomment>Import preview: the row will be imported.</extracomment>
        <translation>OK</translation>
    </message>
    <message id="import.summary">
        <source>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</source>
        <extracomment>Import preview: %1 rows read, %2 to import, %3 refused, %4 skipped as repeated.</extracomment>
        <translation>%1 lignes : %2 à importer, %3 refusées, %4 entrées répétées ignorées.</translation>
    </message>
    <message id="import.button.import">
        <source>&amp;Import</source>
        <extracomment>Import dialog: starts the import.</extracomment>
        <translation>&amp;Importer</translation>
    </message>
    <message id="import.checking">
        <source>Checking the rows...</source>
        <extracomment>Import dialog: progress while the rows are read and checked.</extracomment>
        <translation>Contrôle des lignes...</translation>
    </message>
    <message id="import.done">
        <source>%1 entries imported.</source>
        <extracomment>After an import; %1 is the number of entries added.</extracomment>
        <translation>%1 entrées importées.</translation>
    </message>
    <message id="import.failed">
        <source>The import failed; nothing was changed.
%1</source>
        <extracomment>The import could not write the file; %1 is the file and the reason.</extracomment>
        <translation>L'importation a échoué ; rien n'a été modifié.
%1</translation>
    </message>
    <message id="import.readFailed">
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message id="import.filter.csv">
        <source>CSV files (*.csv)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message id="import.filter.text">
        <source>Text files (*.txt)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message id="import.filter.all">
        <source>All files (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message id="import.export.whole">
        <source>&amp;Whole list (%1 entries)</source>
        <extracomment>Export dialog: %1 is the number of entries.</extracomment>
        <translation>&amp;Liste entière (%1 entrées)</translation>
    </message>
    <message id="import.export.selection">
        <source>&amp;Selected entries (%1)</source>
        <extracomment>Export dialog: %1 is the number of selected entries.</extracomment>
        <translation>Entrées &amp;sélectionnées (%1)</translation>
    </message>
    <message id="import.export.eightBit">
        <source>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</source>
        <extracomment>Export dialog: write the file in the 8-bit code page instead of UTF-8.</extracomment>
        <translation>Codage &amp;8 bits (Windows-1252) pour les tableurs qui l'attendent</translation>
    </message>
    <message id="import.export.passwords">
        <source>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</source>
        <extracomment>Export dialog: the list holds passwords.</extracomment>
        <translation>Cette liste contient des mots de passe : le fichier les contiendra en clair. Conservez-le là où seuls les administrateurs peuvent le lire.</translation>
    </message>
    <message id="import.export.done">
        <source>%1 entries written to %2.</source>
        <extracomment>After an export; %1 is the number of entries, %2 the file.</extracomment>
        <translation>%1 entrées écrites dans %2.</translation>
    </message>
    <message id="import.export.writeFailed">
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Impossible d'écrire %1 : %2</translation>
    </message>
    <message id="import.export.lost">
        <source>%1 characters have no 8-bit form and were written as "?".</source>
        <extracomment>After an 8-bit export; %1 is a number of characters.</extracomment>
        <translation>%1 caractères n'ont pas de forme 8 bits et ont été écrits comme « ? ».</translation>
    </message>
    <message id="import.button.export">
        <source>E&amp;xport...</source>
        <extracomment>Export dialog: chooses the file and writes it.</extracomment>
        <translation>E&amp;xporter...</translation>
    </message>
</context>
<context>
    <name>lists (filter, sort and checks of every list)</name>
    <message id="lists.filter">
        <source>Filter (Ctrl+F)</source>
        <extracomment>Placeholder of the filter field above every list.</extracomment>
        <translation>Filtrer (Ctrl+F)</translation>
    </message>
    <message id="lists.filterName">
        <source>Filter the list</source>
        <extracomment>Accessible name of the filter field above a list.</extracomment>
        <translation>Filtrer la liste</translation>
    </message>
    <message id="lists.countName">
        <source>Shown entries</source>
        <extracomment>Accessible name of the count of shown entries next to the filter.</extracomment>
        <translation>Entrées affichées</translation>
    </message>
    <message id="lists.gridName">
        <source>Entries</source>
        <extracomment>Accessible name of the grid of a list.</extracomment>
        <translation>Entrées</translation>
    </message>
    <message id="lists.count">
        <source>%1 of %2</source>
        <extracomment>Count next to the filter: %1 shown entries of %2 in all (numbers already grouped).</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message id="lists.showProblems">
        <source>Show problems only</source>
        <extracomment>Switch next to the filter: show only the entries with a problem mark.</extracomment>
        <translation>Problèmes seulement</translation>
    </message>
    <message id="lists.deleteRecords">
        <source>Delete %1 records?</source>
        <extracomment>Question before deleting several records; %1 is their number.</extracomment>
        <translation>Supprimer %1 enregistrements ?</translation>
    </message>
    <message id="lists.deleteEntries">
        <source>Delete %1 entries?</source>
        <extracomment>Question before deleting several list entries; %1 is their number.</extracomment>
        <translation>Supprimer %1 entrées ?</translation>
    </message>
    <message id="lists.problem.duplicate">
        <source>Repeats entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the earlier entry, %2 its text.</extracomment>
        <translation>Répète l'entrée %1 (%2).</translation>
    </message>
    <message id="lists.problem.covered">
        <source>Already covered by entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the entry that covers it, %2 its text.</extracomment>
        <translation>Déjà couverte par l'entrée %1 (%2).</translation>
    </message>
    <message id="lists.problem.emptyPart">
        <source>Has an empty domain or label and can never match.</source>
        <extracomment>Problem mark of a list entry with an empty domain or label.</extracomment>
        <translation>A un domaine ou un label vide et ne correspond jamais.</translation>
    </message>
    <message id="lists.problem.hostBits">
        <source>Has address bits set beyond its prefix and can never match.</source>
        <extracomment>Problem mark of a network entry with host bits set.</extracomment>
        <translation>A des bits d'adresse au-delà de son préfixe et ne correspond jamais.</translation>
    </message>
    <message id="lists.problem.notANetwork">
        <source>Is no network address and can never match.</source>
        <extracomment>Problem mark of an entry of a network list that is no network.</extracomment>
        <translation>N'est pas une adresse réseau et ne correspond jamais.</translation>
    </message>
</context>
<context>
    <name>browser window (settings browser window)</name>
    <message id="app.label.6060">
        <source>All &amp;Settings...</source>
        <extracomment>Menu Configuration: opens the settings browser (every setting, searchable). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the Configuration menu.</extracomment>
        <translation>&amp;Tous les paramètres...</translation>
    </message>
    <message id="app.label.6061">
        <source>Save &amp;History...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Historique des enregistrements...</translation>
    </message>
    <message id="app.prompt.6060">
        <source>Search, review and change every setting
All Settings</source>
        <extracomment>Status bar prompt of the command &quot;All Settings...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Rechercher, vérifier et modifier tous les paramètres
Tous les paramètres</translation>
    </message>
    <message id="app.prompt.6061">
        <source>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</source>
        <extracomment>Status bar prompt of the command &quot;Save History...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Affiche les versions conservées de Morva.ini et des fichiers d&apos;enregistrements et ce que chaque enregistrement a modifié, et en restaure une
Historique des enregistrements</translation>
    </message>
    <message id="app.settingsSearch">
        <source>Search settings (Ctrl+K)</source>
        <extracomment>Placeholder of the search field in the main window&apos;s toolbar; Enter opens the settings browser with the text.</extracomment>
        <translation>Rechercher un paramètre (Ctrl+K)</translation>
    </message>
    <message id="app.toolbar.more">
        <source>More tools</source>
        <extracomment>Accessible name of the button at the end of the main window&apos;s toolbar that shows the tools that do not fit.</extracomment>
        <translation>Autres outils</translation>
    </message>
    <message id="browser.window.caption">
        <source>All Settings</source>
        <extracomment>Title of the settings browser window.</extracomment>
        <translation>Tous les paramètres</translation>
    </message>
    <message id="browser.window.search">
        <source>&amp;Find:</source>
        <extracomment>Settings browser: label of the search field. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message id="browser.window.searchHint">
        <source>Key, label, page or value (any language)</source>
        <extracomment>Settings browser: placeholder of the empty search field.</extracomment>
        <translation>Clé, libellé, page ou valeur (toute langue)</translation>
    </message>
    <message id="browser.window.didYouMean">
        <source>No setting matches. Did you mean: %1</source>
        <extracomment>Settings browser: shown when the search matched no setting; %1 is a list of the nearest keys.</extracomment>
        <translation>Aucun paramètre ne correspond. Vouliez-vous dire : %1</translation>
    </message>
    <message id="browser.window.count">
        <source>Settings shown: %1, pending changes: %2</source>
        <extracomment>Settings browser, below the table: %1 is the number of settings shown, %2 the number of changes not saved yet.</extracomment>
        <translation>Paramètres affichés : %1, modifications en attente : %2</translation>
    </message>
    <message id="browser.window.edit">
        <source>&amp;Edit...</source>
        <extracomment>Settings browser button (also Enter or F2 in the table). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Modifi&amp;er...</translation>
    </message>
    <message id="browser.window.reset">
        <source>&amp;Reset to Default</source>
        <extracomment>Settings browser button (also Delete in the table): the selected settings back to their defaults. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Valeur par &amp;défaut</translation>
    </message>
    <message id="browser.window.goTo">
        <source>&amp;Go to Page</source>
        <extracomment>Settings browser button: opens the sheet at the page that edits the setting. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Aller à la page</translation>
    </message>
    <message id="browser.window.save">
        <source>&amp;Save</source>
        <extracomment>Settings browser button: saves the pending changes. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message id="browser.filter.changed">
        <source>&amp;Changed from default</source>
        <extracomment>Settings browser filter: only settings whose value differs from the default. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Modifiés</translation>
    </message>
    <message id="browser.filter.lists">
        <source>&amp;Lists only</source>
        <extracomment>Settings browser filter: only list settings. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Listes seulement</translation>
    </message>
    <message id="browser.filter.noPage">
        <source>&amp;No page</source>
        <extracomment>Settings browser filter: only settings that no page edits. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Sans &amp;page</translation>
    </message>
    <message id="browser.filter.sheet">
        <source>S&amp;heet:</source>
        <extracomment>Settings browser: label of the sheet filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Feuille :</translation>
    </message>
    <message id="browser.filter.kind">
        <source>&amp;Kind:</source>
        <extracomment>Settings browser: label of the kind filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Type :</translation>
    </message>
    <message id="browser.filter.allSheets">
        <source>All sheets</source>
        <extracomment>Settings browser, sheet filter: no filter.</extracomment>
        <translation>Toutes les feuilles</translation>
    </message>
    <message id="browser.filter.allKinds">
        <source>All kinds</source>
        <extracomment>Settings browser, kind filter: no filter.</extracomment>
        <translation>Tous les types</translation>
    </message>
    <message id="browser.edit.caption">
        <source>Edit %1</source>
        <extracomment>Title of the settings browser&apos;s editor of one setting; %1 is the key.</extracomment>
        <translation>Modifier %1</translation>
    </message>
    <message id="browser.edit.range">
        <source>From %1 to %2</source>
        <extracomment>Settings browser editor of a number: the accepted range; %1 and %2 are numbers.</extracomment>
        <translation>De %1 à %2</translation>
    </message>
    <message id="browser.unknownKey">
        <source>This setting is not known.</source>
        <extracomment>Settings browser: a change names a key the configuration does not know.</extracomment>
        <translation>Ce paramètre est inconnu.</translation>
    </message>
    <message id="browser.showInAllSettings">
        <source>Show in A&amp;ll Settings</source>
        <extracomment>Context menu of a control on a configuration page: opens the settings browser at this setting. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Afficher dans &amp;Tous les paramètres</translation>
    </message>
</context>
<context>
    <name>history (history of saves)</name>
    <message id="history.caption">
        <source>Configuration History</source>
        <extracomment>Title of the window that lists the kept versions of the configuration file.</extracomment>
        <translation>Historique de la configuration</translation>
    </message>
    <message id="history.column.time">
        <source>Saved</source>
        <extracomment>Column of the History window: when the save was made.</extracomment>
        <translation>Enregistré</translation>
    </message>
    <message id="history.column.user">
        <source>User</source>
        <extracomment>Column of the History window: the operating-system user who saved.</extracomment>
        <translation>Utilisateur</translation>
    </message>
    <message id="history.column.machine">
        <source>Computer</source>
        <extracomment>Column of the History window: the computer on which the save was made.</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message id="history.column.source">
        <source>Saved by</source>
        <extracomment>Column of the History window: what saved (a sheet, morvactl, restore, ...).</extracomment>
        <translation>Enregistré par</translation>
    </message>
    <message id="history.column.changed">
        <source>Changed keys</source>
        <extracomment>Column of the History window: how many keys the save changed.</extracomment>
        <translation>Clés modifiées</translation>
    </message>
    <message id="history.compare.label">
        <source>&amp;Show:</source>
        <extracomment>Label before the choice of what the selected save is compared with. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Afficher :</translation>
    </message>
    <message id="history.compare.previous">
        <source>Changes made by this save</source>
        <extracomment>Choice in the History window: the changes the selected save made.</extracomment>
        <translation>Modifications de cet enregistrement</translation>
    </message>
    <message id="history.compare.current">
        <source>Differences of the version before it to the current file</source>
        <extracomment>Choice in the History window: how the version before the selected save differs from the file now.</extracomment>
        <translation>Différences entre la version précédente et le fichier actuel</translation>
    </message>
    <message id="history.restore">
        <source>&amp;Restore This Version</source>
        <extracomment>Button of the History window: puts the version before the selected save back. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Restaurer cette version</translation>
    </message>
    <message id="history.noChanges">
        <source>No differences.</source>
        <extracomment>History window: the two versions compared hold the same settings.</extracomment>
        <translation>Aucune différence.</translation>
    </message>
    <message id="history.empty">
        <source>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</source>
        <extracomment>History window: no save has been kept yet.</extracomment>
        <translation>Aucun enregistrement n&apos;a encore été conservé. Chaque enregistrement de la configuration conserve le fichier tel qu&apos;il était dans le dossier History à côté.</translation>
    </message>
    <message id="history.undoLabel">
        <source>&amp;Undo Last Configuration Save</source>
        <extracomment>Edit menu command while the last save of the configuration was made by this console. Keep the access key of &quot;Undo&quot;. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Annuler le dernier enregistrement de la configuration</translation>
    </message>
    <message id="history.writeFailed">
        <source>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</source>
        <extracomment>Message when the history of saves could not be written. %1 is the folder, %2 the error.</extracomment>
        <translation>L&apos;historique des enregistrements dans %1 n&apos;a pas pu être écrit (%2). La configuration a été enregistrée sans copie de l&apos;ancien fichier.</translation>
    </message>
    <message id="history.tooLarge">
        <source>%1 is larger than the history of saves may hold, so no copy of it is kept.</source>
        <extracomment>Message when a file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 est plus grand que ce que l&apos;historique des enregistrements peut contenir ; aucune copie n&apos;en est conservée.</translation>
    </message>
    <message id="history.file.label">
        <source>&amp;File:</source>
        <extracomment>Label before the choice of the file whose kept versions the History window lists. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Fichier :</translation>
    </message>
    <message id="history.file.config">
        <source>Configuration (%1)</source>
        <extracomment>Choice of file in the History window: the configuration file. %1 is the file name.</extracomment>
        <translation>Configuration (%1)</translation>
    </message>
    <message id="history.file.alias">
        <source>E-mail forwarding (%1)</source>
        <extracomment>Choice of file in the History window: the forwarding records. %1 is the file name.</extracomment>
        <translation>Transfert des e-mails (%1)</translation>
    </message>
    <message id="history.file.block">
        <source>SMTP blocking (%1)</source>
        <extracomment>Choice of file in the History window: the SMTP blocking records. %1 is the file name.</extracomment>
        <translation>Blocage SMTP (%1)</translation>
    </message>
    <message id="history.file.user">
        <source>E-mail addresses on Exchange (%1)</source>
        <extracomment>Choice of file in the History window: the Exchange user records. %1 is the file name.</extracomment>
        <translation>Adresses e-mail sur Exchange (%1)</translation>
    </message>
    <message id="history.column.records">
        <source>Records</source>
        <extracomment>Column of the History window for a record file: how many records the kept version holds.</extracomment>
        <translation>Enregistrements</translation>
    </message>
    <message id="history.record.empty">
        <source>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</source>
        <extracomment>History window: no version of the chosen record file has been kept yet.</extracomment>
        <translation>Aucune version de ce fichier n&apos;a encore été conservée. Avant la première modification de chaque session d&apos;édition, le fichier d&apos;enregistrements est conservé tel qu&apos;il était dans le dossier History.</translation>
    </message>
    <message id="history.record.confirm">
        <source>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</source>
        <extracomment>Question before a record file is restored. %1 is the file name, %2 the time of the change the version preceded.</extracomment>
        <translation>Remettre %1 tel qu&apos;il était avant %2 ?

Le fichier tel qu&apos;il est maintenant est d&apos;abord conservé dans l&apos;historique.</translation>
    </message>
    <message id="history.record.restoreFailed">
        <source>%1 could not be restored (%2). The file is unchanged.</source>
        <extracomment>Message when the kept version of a record file could not replace it. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 n&apos;a pas pu être restauré (%2). Le fichier est inchangé.</translation>
    </message>
    <message id="history.record.notKept">
        <source>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</source>
        <extracomment>Message when a record file is not restored because its current contents could not be kept. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 n&apos;a pas été restauré : le fichier tel qu&apos;il est maintenant n&apos;a pas pu être conservé d&apos;abord dans l&apos;historique (%2). Le fichier est inchangé.</translation>
    </message>
    <message id="history.record.versionGone">
        <source>This kept version of %1 can no longer be read. The file is unchanged.</source>
        <extracomment>Message when the chosen kept version of a record file is missing or damaged. %1 is the file name.</extracomment>
        <translation>Cette version conservée de %1 ne peut plus être lue. Le fichier est inchangé.</translation>
    </message>
    <message id="history.keptUnreadable">
        <source>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</source>
        <extracomment>Shown instead of the changes when a kept version cannot be read. %1 is the file name, %2 the time the version was kept.</extracomment>
        <translation>La version de %1 conservée le %2 ne peut plus être lue (elle est endommagée ou absente) ; ses modifications ne peuvent donc pas être affichées.</translation>
    </message>
    <message id="history.currentUnreadable">
        <source>%1 could not be read (%2), so no changes against it can be shown.</source>
        <extracomment>Shown instead of the changes when the file as it is now cannot be read. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 n&apos;a pas pu être lu (%2) ; aucune modification par rapport à ce fichier ne peut donc être affichée.</translation>
    </message>
    <message id="history.record.tooLarge">
        <source>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</source>
        <extracomment>Message in a record editor when the record file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 est plus grand que ce que l&apos;historique peut contenir ; il a été modifié sans qu&apos;une copie en soit conservée.</translation>
    </message>
    <message id="history.record.writeFailed">
        <source>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</source>
        <extracomment>Message in a record editor when the history could not be written. %1 is the folder, %2 the error, %3 the record file.</extracomment>
        <translation>L&apos;historique dans %1 n&apos;a pas pu être écrit (%2). %3 a été modifié sans copie de l&apos;ancien fichier.</translation>
    </message>
</context>
<context>
    <name>a11y (accessibility)</name>
    <message id="a11y.pageList">
        <source>Pages</source>
        <extracomment>Accessible name of the list of pages beside a property sheet's page (read by screen readers).</extracomment>
        <translation>Pages</translation>
    </message>
    <message id="a11y.field">
        <source>Field %1</source>
        <extracomment>Accessible name (read by screen readers) of an entry dialog's field that shows no label; %1 is its number.</extracomment>
        <translation>Champ %1</translation>
    </message>
    <message id="a11y.logView">
        <source>Log</source>
        <extracomment>Accessible name (read by screen readers) of the main window's log view.</extracomment>
        <translation>Journal</translation>
    </message>
    <message id="a11y.recordList">
        <source>Records</source>
        <extracomment>Accessible name (read by screen readers) of the grid of a record list dialog.</extracomment>
        <translation>Enregistrements</translation>
    </message>
    <message id="a11y.statsGrid">
        <source>Statistics</source>
        <extracomment>Accessible name (read by screen readers) of the statistics viewer's table of counters.</extracomment>
        <translation>Statistiques</translation>
    </message>
</context>
</TS>

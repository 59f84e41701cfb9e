<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>common</name>
    <message id="common.caption">
        <source>Morva Admin</source>
        <translation>Morva Admin</translation>
    </message>
    <message id="common.notPlainFile">
        <source>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</translation>
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
        <translation>&amp;Edit</translation>
    </message>
    <message id="app.menu.view">
        <source>&amp;View</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;View</translation>
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
        <translation>Exch&amp;ange</translation>
    </message>
    <message id="app.menu.data">
        <source>&amp;Data</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Data</translation>
    </message>
    <message id="app.menu.translation">
        <source>&amp;Translation</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Translation</translation>
    </message>
    <message id="app.menu.rewrite">
        <source>Re&amp;write</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Re&amp;write</translation>
    </message>
    <message id="app.menu.signal">
        <source>&amp;Signal</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Signal</translation>
    </message>
    <message id="app.menu.help">
        <source>&amp;Help</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message id="app.label.57607">
        <source>&amp;Print...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Print...</translation>
    </message>
    <message id="app.label.57606">
        <source>P&amp;rint Setup...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message id="app.label.57665">
        <source>E&amp;xit</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message id="app.label.57643">
        <source>&amp;Undo</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Undo</translation>
    </message>
    <message id="app.label.57635">
        <source>Cu&amp;t</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Cu&amp;t</translation>
    </message>
    <message id="app.label.57634">
        <source>&amp;Copy</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Copy</translation>
    </message>
    <message id="app.label.57637">
        <source>&amp;Paste</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Paste</translation>
    </message>
    <message id="app.label.57636">
        <source>&amp;Find</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Find</translation>
    </message>
    <message id="app.label.6002">
        <source>&amp;Refresh</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Refresh</translation>
    </message>
    <message id="app.label.6011">
        <source>&amp;E-mail domain on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;E-mail domain on Exchange...</translation>
    </message>
    <message id="app.label.6010">
        <source>E-mail &amp;address on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E-mail &amp;address on Exchange...</translation>
    </message>
    <message id="app.label.6031">
        <source>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</translation>
    </message>
    <message id="app.label.6035">
        <source>Service...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window.</extracomment>
        <translation>Service...</translation>
    </message>
    <message id="app.label.6008">
        <source>E-mail &amp;Forwarding...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E-mail &amp;Forwarding...</translation>
    </message>
    <message id="app.label.6009">
        <source>SMTP &amp;Blocking...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>SMTP &amp;Blocking...</translation>
    </message>
    <message id="app.label.6026">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domain...</translation>
    </message>
    <message id="app.label.6027">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Mailbox...</translation>
    </message>
    <message id="app.label.6028">
        <source>Domain to &amp;E-mail address...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Domain to &amp;E-mail address...</translation>
    </message>
    <message id="app.label.6029">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Domain...</translation>
    </message>
    <message id="app.label.6030">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Mailbox...</translation>
    </message>
    <message id="app.label.6006">
        <source>&amp;Advanced Configuration...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Advanced Configuration...</translation>
    </message>
    <message id="app.label.6012">
        <source>Stat&amp;istic...</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Stat&amp;istic...</translation>
    </message>
    <message id="app.label.59392">
        <source>&amp;Toolbar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Toolbar</translation>
    </message>
    <message id="app.label.59393">
        <source>&amp;Status Bar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Status Bar</translation>
    </message>
    <message id="app.label.6036">
        <source>&amp;General...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;General...</translation>
    </message>
    <message id="app.label.6037">
        <source>&amp;Blocking...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Blocking...</translation>
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
        <translation>S&amp;ystem...</translation>
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
        <translation>Global Excl&amp;ude...</translation>
    </message>
    <message id="app.label.6013">
        <source>&amp;Deliver messages now</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Deliver messages now</translation>
    </message>
    <message id="app.label.6014">
        <source>Dump &amp;statistics</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Dump &amp;statistics</translation>
    </message>
    <message id="app.label.6015">
        <source>Dump &amp;outbound queue</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Dump &amp;outbound queue</translation>
    </message>
    <message id="app.label.6016">
        <source>Send &amp;logfile</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Send &amp;logfile</translation>
    </message>
    <message id="app.label.6018">
        <source>Pack White List</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Pack White List</translation>
    </message>
    <message id="app.label.6017">
        <source>Restart</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Restart</translation>
    </message>
    <message id="app.label.6019">
        <source>D&amp;ocumentation</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;ocumentation</translation>
    </message>
    <message id="app.label.6020">
        <source>&amp;Administer Morva</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Administer Morva</translation>
    </message>
    <message id="app.label.6021">
        <source>&amp;Troubleshooting</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Troubleshooting</translation>
    </message>
    <message id="app.label.6023">
        <source>&amp;Fight Spam</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Fight Spam</translation>
    </message>
    <message id="app.label.6024">
        <source>O&amp;perations Guide</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>O&amp;perations Guide</translation>
    </message>
    <message id="app.label.6022">
        <source>Tighten &amp;Security</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Tighten &amp;Security</translation>
    </message>
    <message id="app.label.6032">
        <source>Spam &amp;report service home page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Spam &amp;report service home page</translation>
    </message>
    <message id="app.label.6033">
        <source>MORVAFilter Exchange Junk-E-Mail Folder</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window.</extracomment>
        <translation>MORVAFilter Exchange Junk-E-Mail Folder</translation>
    </message>
    <message id="app.label.6025">
        <source>Any &amp;questions?</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Any &amp;questions?</translation>
    </message>
    <message id="app.label.6000">
        <source>Brentmoor&apos;s &amp;Home Page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Brentmoor&apos;s &amp;Home Page</translation>
    </message>
    <message id="app.label.5099">
        <source>O&amp;nline Order</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>O&amp;nline Order</translation>
    </message>
    <message id="app.label.57664">
        <source>A&amp;bout...</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>A&amp;bout...</translation>
    </message>
    <message id="app.prompt.57607">
        <source>Print the log
Print (Ctrl+P)</source>
        <extracomment>Status bar prompt of the command &quot;Print...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Print the log
Print (Ctrl+P)</translation>
    </message>
    <message id="app.prompt.57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>Status bar prompt of the command &quot;Print Setup...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message id="app.prompt.57665">
        <source>Quit the console
Exit</source>
        <extracomment>Status bar prompt of the command &quot;Exit&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Quit the console
Exit</translation>
    </message>
    <message id="app.prompt.57643">
        <source>Undo the last action
Undo</source>
        <extracomment>Status bar prompt of the command &quot;Undo&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message id="app.prompt.57635">
        <source>Cut the selection and put it on the clipboard
Cut</source>
        <extracomment>Status bar prompt of the command &quot;Cut&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cut the selection and put it on the clipboard
Cut</translation>
    </message>
    <message id="app.prompt.57634">
        <source>Copy the selected log lines to the clipboard
Copy</source>
        <extracomment>Status bar prompt of the command &quot;Copy&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Copy the selected log lines to the clipboard
Copy</translation>
    </message>
    <message id="app.prompt.57637">
        <source>Insert the clipboard contents
Paste</source>
        <extracomment>Status bar prompt of the command &quot;Paste&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Insert the clipboard contents
Paste</translation>
    </message>
    <message id="app.prompt.57636">
        <source>Find a text in the current column of the log
Find</source>
        <extracomment>Status bar prompt of the command &quot;Find&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Find a text in the current column of the log
Find</translation>
    </message>
    <message id="app.prompt.6002">
        <source>Refresh
Refresh (F5)</source>
        <extracomment>Status bar prompt of the command &quot;Refresh&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Refresh
Refresh (F5)</translation>
    </message>
    <message id="app.prompt.6001">
        <source>Show the log view again</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Show the log view again</translation>
    </message>
    <message id="app.prompt.6011">
        <source>Edit E-mail domain list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail domain on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit E-mail domain list for which Exchange is responsible</translation>
    </message>
    <message id="app.prompt.6010">
        <source>Edit E-mail address list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail address on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit E-mail address list for which Exchange is responsible</translation>
    </message>
    <message id="app.prompt.6031">
        <source>Enable support for MORVAFilter or Outlook rules</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder Add-On...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Enable support for MORVAFilter or Outlook rules</translation>
    </message>
    <message id="app.prompt.6035">
        <source>Install, start and stops Morva service</source>
        <extracomment>Status bar prompt of the command &quot;Service...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Install, start and stops Morva service</translation>
    </message>
    <message id="app.prompt.6008">
        <source>Edit forwarding of messages to alternate recipients</source>
        <extracomment>Status bar prompt of the command &quot;E-mail Forwarding...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit forwarding of messages to alternate recipients</translation>
    </message>
    <message id="app.prompt.6009">
        <source>Edit blocking of messages at the SMTP transport level</source>
        <extracomment>Status bar prompt of the command &quot;SMTP Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit blocking of messages at the SMTP transport level</translation>
    </message>
    <message id="app.prompt.6026">
        <source>Translate an e-mail domain to another e-mail domain on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Translate an e-mail domain to another e-mail domain on inbound messages</translation>
    </message>
    <message id="app.prompt.6027">
        <source>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</translation>
    </message>
    <message id="app.prompt.6028">
        <source>Translate an e-mail domain to another e-mail address on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain to E-mail address...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Translate an e-mail domain to another e-mail address on inbound messages</translation>
    </message>
    <message id="app.prompt.6029">
        <source>Rewrites an e-mail domain to another e-mail domain on oubound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Rewrites an e-mail domain to another e-mail domain on oubound messages</translation>
    </message>
    <message id="app.prompt.6030">
        <source>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</translation>
    </message>
    <message id="app.prompt.6006">
        <source>Edit advanced configuration options</source>
        <extracomment>Status bar prompt of the command &quot;Advanced Configuration...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit advanced configuration options</translation>
    </message>
    <message id="app.prompt.6012">
        <source>Show the gateway&apos;s statistics</source>
        <extracomment>Status bar prompt of the command &quot;Statistic...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Show the gateway&apos;s statistics</translation>
    </message>
    <message id="app.prompt.59392">
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar prompt of the command &quot;Toolbar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message id="app.prompt.59393">
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar prompt of the command &quot;Status Bar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message id="app.prompt.6036">
        <source>Edit Exchange related options
General options</source>
        <extracomment>Status bar prompt of the command &quot;General...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit Exchange related options
General options</translation>
    </message>
    <message id="app.prompt.6037">
        <source>Edit blocking related options
Blocking options</source>
        <extracomment>Status bar prompt of the command &quot;Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit blocking related options
Blocking options</translation>
    </message>
    <message id="app.prompt.6038">
        <source>Edit spam related options
Spam options</source>
        <extracomment>Status bar prompt of the command &quot;Spam...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit spam related options
Spam options</translation>
    </message>
    <message id="app.prompt.6042">
        <source>Edit ClamAV related options</source>
        <extracomment>Status bar prompt of the command &quot;ClamAV...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit ClamAV related options</translation>
    </message>
    <message id="app.prompt.6039">
        <source>Edit session related options
Session options</source>
        <extracomment>Status bar prompt of the command &quot;Session...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit session related options
Session options</translation>
    </message>
    <message id="app.prompt.6040">
        <source>Edit system related options
System options</source>
        <extracomment>Status bar prompt of the command &quot;System...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit system related options
System options</translation>
    </message>
    <message id="app.prompt.6041">
        <source>Edit virus related options
Virus options</source>
        <extracomment>Status bar prompt of the command &quot;Virus...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit virus related options
Virus options</translation>
    </message>
    <message id="app.prompt.6043">
        <source>Edit disclaimer
Transit options</source>
        <extracomment>Status bar prompt of the command &quot;Transit...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit disclaimer
Transit options</translation>
    </message>
    <message id="app.prompt.6044">
        <source>Edit exclusion lists
Global exclude</source>
        <extracomment>Status bar prompt of the command &quot;Global Exclude...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit exclusion lists
Global exclude</translation>
    </message>
    <message id="app.prompt.6045">
        <source>Edit S/MIME related options
S/MIME options</source>
        <extracomment>Status bar prompt of the command &quot;S/MIME...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit S/MIME related options
S/MIME options</translation>
    </message>
    <message id="app.prompt.6046">
        <source>Edit DKIM related options
DKIM options</source>
        <extracomment>Status bar prompt of the command &quot;DKIM...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit DKIM related options
DKIM options</translation>
    </message>
    <message id="app.prompt.6047">
        <source>Edit TLS related options</source>
        <extracomment>Status bar prompt of the command &quot;TLS/SSL...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Edit TLS related options</translation>
    </message>
    <message id="app.prompt.6013">
        <source>Signal GWCored to deliver all SMTP message now</source>
        <extracomment>Status bar prompt of the command &quot;Deliver messages now&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signal GWCored to deliver all SMTP message now</translation>
    </message>
    <message id="app.prompt.6014">
        <source>Signal GWCored to dump the statistics into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump statistics&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signal GWCored to dump the statistics into the logfile</translation>
    </message>
    <message id="app.prompt.6015">
        <source>Signal GWCored to dump the outbound queue into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump outbound queue&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signal GWCored to dump the outbound queue into the logfile</translation>
    </message>
    <message id="app.prompt.6016">
        <source>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</source>
        <extracomment>Status bar prompt of the command &quot;Send logfile&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</translation>
    </message>
    <message id="app.prompt.6018">
        <source>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</source>
        <extracomment>Status bar prompt of the command &quot;Pack White List&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</translation>
    </message>
    <message id="app.prompt.6019">
        <source>View the documentation on the web</source>
        <extracomment>Status bar prompt of the command &quot;Documentation&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View the documentation on the web</translation>
    </message>
    <message id="app.prompt.6020">
        <source>View the documentation of the options</source>
        <extracomment>Status bar prompt of the command &quot;Administer Morva&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View the documentation of the options</translation>
    </message>
    <message id="app.prompt.6021">
        <source>View troubleshooting database</source>
        <extracomment>Status bar prompt of the command &quot;Troubleshooting&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View troubleshooting database</translation>
    </message>
    <message id="app.prompt.6023">
        <source>View a description how spam fighting works</source>
        <extracomment>Status bar prompt of the command &quot;Fight Spam&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View a description how spam fighting works</translation>
    </message>
    <message id="app.prompt.6024">
        <source>View the recommended settings</source>
        <extracomment>Status bar prompt of the command &quot;Operations Guide&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View the recommended settings</translation>
    </message>
    <message id="app.prompt.6022">
        <source>View how to tighten the gateway&apos;s security</source>
        <extracomment>Status bar prompt of the command &quot;Tighten Security&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>View how to tighten the gateway&apos;s security</translation>
    </message>
    <message id="app.prompt.6032">
        <source>Open the home page of the spam report service</source>
        <extracomment>Status bar prompt of the command &quot;Spam report service home page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Open the home page of the spam report service</translation>
    </message>
    <message id="app.prompt.6033">
        <source>Open the home page of the MORVAFilter add-on</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Open the home page of the MORVAFilter add-on</translation>
    </message>
    <message id="app.prompt.6025">
        <source>Create a support request</source>
        <extracomment>Status bar prompt of the command &quot;Any questions?&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Create a support request</translation>
    </message>
    <message id="app.prompt.6000">
        <source>Open Brentmoor&apos;s home page</source>
        <extracomment>Status bar prompt of the command &quot;Brentmoor&apos;s Home Page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Open Brentmoor&apos;s home page</translation>
    </message>
    <message id="app.prompt.5099">
        <source>Order Morva online</source>
        <extracomment>Status bar prompt of the command &quot;Online Order&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Order Morva online</translation>
    </message>
    <message id="app.prompt.57664">
        <source>Show the program&apos;s version and maker
About</source>
        <extracomment>Status bar prompt of the command &quot;About...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Show the program&apos;s version and maker
About</translation>
    </message>
    <message id="app.prompt.6007">
        <source>Create a new entry
New</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Create a new entry
New</translation>
    </message>
    <message id="app.prompt.6003">
        <source>Open the selected entry
Open (Enter)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Open the selected entry
Open (Enter)</translation>
    </message>
    <message id="app.prompt.6004">
        <source>Delete the selected entry
Delete (Del)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Delete the selected entry
Delete (Del)</translation>
    </message>
    <message id="app.prompt.57345">
        <source>Ready</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Ready</translation>
    </message>
    <message id="app.prompt.59142">
        <source>Locked</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Locked</translation>
    </message>
    <message id="app.prompt.59137">
        <source>CAP</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>CAP</translation>
    </message>
    <message id="app.prompt.59138">
        <source>NUM</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>NUM</translation>
    </message>
    <message id="app.versionMismatch">
        <source>Version of GWConsole (%1) does not match the version of GWCored (%2)</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Version of GWConsole (%1) does not match the version of GWCored (%2)</translation>
    </message>
    <message id="app.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Unable to start your WWW browser!</translation>
    </message>
    <message id="app.createWindowFailed">
        <source>Unable to create window: </source>
        <translation>Unable to create window: </translation>
    </message>
    <message id="app.createDialogFailed">
        <source>Unable to create dialog box: </source>
        <translation>Unable to create dialog box: </translation>
    </message>
    <message id="app.printing">
        <source>Printing...</source>
        <translation>Printing...</translation>
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
        <translation>&amp;Yes</translation>
    </message>
    <message id="app.button.no">
        <source>&amp;No</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message id="app.button.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="app.log.time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="app.log.thread">
        <source>Thread</source>
        <translation>Thread</translation>
    </message>
    <message id="app.log.activity">
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message id="app.log.openWith">
        <source>Open with the associated program</source>
        <translation>Open with the associated program</translation>
    </message>
    <message id="app.log.openFailed">
        <source>Unable to open the log file with the associated program:</source>
        <translation>Unable to open the log file with the associated program:</translation>
    </message>
    <message id="app.find.caption">
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message id="app.find.what">
        <source>Fi&amp;nd what:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message id="app.find.next">
        <source>&amp;Find Next</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Find Next</translation>
    </message>
    <message id="app.find.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="app.find.notFound">
        <source>The text was not found in this column.</source>
        <translation>The text was not found in this column.</translation>
    </message>
    <message id="app.find.wrapped">
        <source>End of the column reached; continued from the top.</source>
        <translation>End of the column reached; continued from the top.</translation>
    </message>
    <message id="app.find.noData">
        <source>Unable to find valid data in this column!</source>
        <translation>Unable to find valid data in this column!</translation>
    </message>
    <message id="app.printFailed">
        <source>Print Error: the log could not be printed.</source>
        <translation>Print Error: the log could not be printed.</translation>
    </message>
    <message id="app.log.following">
        <source>Following</source>
        <translation>Following</translation>
    </message>
    <message id="app.log.paused">
        <source>Paused, %1 new lines</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Paused, %1 new lines</translation>
    </message>
    <message id="app.logFilter.placeholder">
        <source>Filter: words, -word to leave out, "a phrase"</source>
        <extracomment>Placeholder of the log view's filter field; keep the quotes and the minus sign.</extracomment>
        <translation>Filter: words, -word to leave out, "a phrase"</translation>
    </message>
    <message id="app.logFilter.help">
        <source>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</source>
        <extracomment>Tool tip of the log view's filter field.</extracomment>
        <translation>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</translation>
    </message>
    <message id="app.logFilter.regex">
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message id="app.logFilter.onlyMatching">
        <source>Only matching lines</source>
        <translation>Only matching lines</translation>
    </message>
    <message id="app.logFilter.highlight">
        <source>Highlight matches</source>
        <translation>Highlight matches</translation>
    </message>
    <message id="app.logFilter.rejections">
        <source>Rejected</source>
        <extracomment>Legend of the log colours: rejections and blocks.</extracomment>
        <translation>Rejected</translation>
    </message>
    <message id="app.logFilter.deliveries">
        <source>Delivered</source>
        <extracomment>Legend of the log colours: deliveries.</extracomment>
        <translation>Delivered</translation>
    </message>
    <message id="app.logFilter.viruses">
        <source>Virus</source>
        <extracomment>Legend of the log colours: virus findings.</extracomment>
        <translation>Virus</translation>
    </message>
    <message id="app.logFilter.problems">
        <source>Errors</source>
        <extracomment>Legend of the log colours: errors and warnings of the gateway.</extracomment>
        <translation>Errors</translation>
    </message>
    <message id="app.logFilter.connections">
        <source>Connections</source>
        <extracomment>Legend of the log colours: connections.</extracomment>
        <translation>Connections</translation>
    </message>
    <message id="app.logFilter.legendTip">
        <source>Show only the rows of this colour; click again to show all</source>
        <translation>Show only the rows of this colour; click again to show all</translation>
    </message>
    <message id="app.logFilter.close">
        <source>Close the filter bar and clear the filter</source>
        <translation>Close the filter bar and clear the filter</translation>
    </message>
    <message id="app.logFilter.count">
        <source>%1 of %2 rows</source>
        <extracomment>%1 rows shown, %2 rows kept; keep both.</extracomment>
        <translation>%1 of %2 rows</translation>
    </message>
    <message id="app.logFilter.badRegex">
        <source>Invalid regular expression: %1</source>
        <extracomment>%1 is the reason (in English); keep it.</extracomment>
        <translation>Invalid regular expression: %1</translation>
    </message>
    <message id="app.logFilter.show">
        <source>Filter...</source>
        <translation>Filter...</translation>
    </message>
    <message id="app.logFilter.onlyThread">
        <source>Only thread %1</source>
        <extracomment>%1 is a session thread number; keep it.</extracomment>
        <translation>Only thread %1</translation>
    </message>
    <message id="app.logFilter.copyVisible">
        <source>Copy the rows shown</source>
        <translation>Copy the rows shown</translation>
    </message>
    <message id="app.logFilter.export">
        <source>Export the rows shown...</source>
        <translation>Export the rows shown...</translation>
    </message>
    <message id="app.logFilter.openOlder">
        <source>Open an older log...</source>
        <translation>Open an older log...</translation>
    </message>
    <message id="app.logFilter.backToLive">
        <source>Back to the live log</source>
        <translation>Back to the live log</translation>
    </message>
    <message id="app.logFilter.cancel">
        <source>Cancel</source>
        <extracomment>Stops reading an older log file.</extracomment>
        <translation>Cancel</translation>
    </message>
    <message id="app.logFilter.shownFile">
        <source>%1 (read-only)</source>
        <extracomment>%1 is the path of the log file shown; keep it.</extracomment>
        <translation>%1 (read-only)</translation>
    </message>
    <message id="app.logFilter.readFailed">
        <source>Unable to read %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Unable to read %1: %2.</translation>
    </message>
    <message id="app.logFilter.exportFailed">
        <source>Unable to write %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>Unable to write %1: %2.</translation>
    </message>
    <message id="app.logFilter.logFiles">
        <source>Log files</source>
        <translation>Log files</translation>
    </message>
    <message id="app.logFilter.allFiles">
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message id="app.logFilter.csvFiles">
        <source>CSV files</source>
        <translation>CSV files</translation>
    </message>
    <message id="app.logFilter.textFiles">
        <source>Text files</source>
        <translation>Text files</translation>
    </message>
    <message id="app.iniUnreadable">
        <source>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</translation>
    </message>
    <message id="app.fileError.accessDenied">
        <source>access denied</source>
        <translation>access denied</translation>
    </message>
    <message id="app.fileError.inUse">
        <source>the file is in use by another program</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message id="app.fileError.isDirectory">
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message id="app.fileError.other">
        <source>read error</source>
        <translation>read error</translation>
    </message>
    <message id="app.about.caption">
        <source>About Morva Admin</source>
        <translation>About Morva Admin</translation>
    </message>
    <message id="app.about.copyright">
        <source>Administration console of the Morva mail gateway</source>
        <translation>Administration console of the Morva mail gateway</translation>
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
        <translation>Unable to write morva.ini!
Either the file is write protected or it was changed manually or through GWCored.
Restart GWConsole and retry the operation.</translation>
    </message>
    <message id="confui.savedNotDurable">
        <source>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</source>
        <translation>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</translation>
    </message>
    <message id="confui.notEightBitText">
        <source>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</translation>
    </message>
    <message id="confui.encoding.utf16">
        <source>UTF-16 text</source>
        <translation>UTF-16 text</translation>
    </message>
    <message id="confui.encoding.binary">
        <source>binary data</source>
        <translation>binary data</translation>
    </message>
    <message id="confui.addOnRequired">
        <source>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</source>
        <translation>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</translation>
    </message>
    <message id="confui.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>Unable to start your WWW browser!</translation>
    </message>
    <message id="confui.noItemSelected">
        <source>No item selected!</source>
        <translation>No item selected!</translation>
    </message>
    <message id="confui.deleteSelected">
        <source>Delete selected items</source>
        <translation>Delete selected items</translation>
    </message>
    <message id="confui.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Blank field is not allowed!</translation>
    </message>
    <message id="confui.invalidEmail">
        <source>Please enter a valid SMTP address!</source>
        <translation>Please enter a valid SMTP address!</translation>
    </message>
    <message id="confui.emailFormat">
        <source>Format is </source>
        <translation>Format is </translation>
    </message>
    <message id="confui.emailSample">
        <source>user@domain.com</source>
        <translation>user@domain.com</translation>
    </message>
    <message id="confui.invalidIp">
        <source>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</source>
        <translation>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</translation>
    </message>
    <message id="confui.invalidNetwork">
        <source>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</source>
        <translation>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</translation>
    </message>
    <message id="confui.directoryNotFound">
        <source>Directory %1 not found!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Directory %1 not found!</translation>
    </message>
    <message id="confui.continue">
        <source>Would you like to continue</source>
        <translation>Would you like to continue</translation>
    </message>
    <message id="confui.numberRange">
        <source>Please enter a number between %1 and %2!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Please enter a number between %1 and %2!</translation>
    </message>
    <message id="confui.dialogFailed">
        <source>Unable to create dialog box:</source>
        <translation>Unable to create dialog box:</translation>
    </message>
    <message id="confui.button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confui.button.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="confui.button.apply">
        <source>&amp;Apply</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Apply</translation>
    </message>
    <message id="confui.button.help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="confui.button.back">
        <source>&lt; &amp;Back</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message id="confui.button.next">
        <source>&amp;Next &gt;</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message id="confui.button.finish">
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message id="confui.button.new">
        <source>&amp;New...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;New...</translation>
    </message>
    <message id="confui.button.edit">
        <source>&amp;Edit...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Edit...</translation>
    </message>
    <message id="confui.button.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Delete</translation>
    </message>
    <message id="confui.button.browse">
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message id="confui.exclude.button">
        <source>E&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclude...</translation>
    </message>
    <message id="confui.addCommon">
        <source>Add &amp;Common</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Add &amp;Common</translation>
    </message>
    <message id="confui.tooltipKey">
        <source>Key in Morva.ini: %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Key in Morva.ini: %1</translation>
    </message>
    <message id="confui.resetToDefault">
        <source>Reset to &amp;default</source>
        <extracomment>Context menu of a control on a configuration page: puts the value back to the setting&apos;s default. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Reset to &amp;default</translation>
    </message>
    <message id="confui.tooltipDefault">
        <source>Default: %1</source>
        <extracomment>Second line of the tooltip of a control on a configuration page. %1 is replaced at run time by the default value; keep it.</extracomment>
        <translation>Default: %1</translation>
    </message>
    <message id="confui.defaultTicked">
        <source>ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>ticked</translation>
    </message>
    <message id="confui.defaultUnticked">
        <source>not ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>not ticked</translation>
    </message>
    <message id="confui.defaultEmpty">
        <source>empty</source>
        <extracomment>Default of a text field or a list that is empty, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>empty</translation>
    </message>
    <message id="confui.column.value">
        <source>Entry</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Entry</translation>
    </message>
    <message id="confui.column.comment">
        <source>Comment</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Comment</translation>
    </message>
    <message id="confui.column.user">
        <source>User</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>User</translation>
    </message>
    <message id="confui.noBlanks">
        <source>Blanks are not allowed in this field!</source>
        <translation>Blanks are not allowed in this field!</translation>
    </message>
    <message id="confui.edit.notAChoice">
        <source>Please choose a value from the list!</source>
        <translation>Please choose a value from the list!</translation>
    </message>
    <message id="confui.comment">
        <source>Comment:</source>
        <translation>Comment:</translation>
    </message>
    <message id="confui.pickPath">
        <source>Choose a folder</source>
        <translation>Choose a folder</translation>
    </message>
    <message id="confui.unknownValue">
        <source>Other value (%1)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Other value (%1)</translation>
    </message>
    <message id="confui.action.label">
        <source>Action:</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Action:</translation>
    </message>
    <message id="confui.action.inbound">
        <source>Inbound action:</source>
        <translation>Inbound action:</translation>
    </message>
    <message id="confui.action.outbound">
        <source>Outbound action:</source>
        <translation>Outbound action:</translation>
    </message>
    <message id="confui.action.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Discard message</translation>
    </message>
    <message id="confui.action.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsulate and forward to postmaster</translation>
    </message>
    <message id="confui.action.2">
        <source>Encapsulate and send to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsulate and send to recipient</translation>
    </message>
    <message id="confui.action.3">
        <source>Encapsulate and send to recipient without attachments</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsulate and send to recipient without attachments</translation>
    </message>
    <message id="confui.action.4">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Send a non-delivery report to the sender</translation>
    </message>
    <message id="confui.action.5">
        <source>Mark subject and move to Junk-E-Mail folder</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Mark subject and move to Junk-E-Mail folder</translation>
    </message>
    <message id="confui.action.6">
        <source>Forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Forward to postmaster</translation>
    </message>
    <message id="confui.action.7">
        <source>Mark subject</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Mark subject</translation>
    </message>
    <message id="confui.action.8">
        <source>Forward to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Forward to recipient</translation>
    </message>
    <message id="confui.outAction.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Discard message</translation>
    </message>
    <message id="confui.outAction.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Encapsulate and forward to postmaster</translation>
    </message>
    <message id="confui.outAction.2">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Send a non-delivery report to the sender</translation>
    </message>
    <message id="confui.common.user">
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message id="confui.common.password">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="confui.common.path">
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message id="confui.common.purgeDays">
        <source>Delete files older than (days):</source>
        <translation>Delete files older than (days):</translation>
    </message>
    <message id="confui.common.program">
        <source>Program:</source>
        <translation>Program:</translation>
    </message>
    <message id="confui.common.arguments">
        <source>Arguments:</source>
        <translation>Arguments:</translation>
    </message>
    <message id="confui.common.programVerbose">
        <source>Log the program&apos;s output</source>
        <translation>Log the program&apos;s output</translation>
    </message>
    <message id="confui.common.smtpLevel">
        <source>Reject during the SMTP session</source>
        <translation>Reject during the SMTP session</translation>
    </message>
    <message id="confui.common.verbose">
        <source>Detailed logging</source>
        <translation>Detailed logging</translation>
    </message>
    <message id="confui.common.inbound">
        <source>Inbound</source>
        <translation>Inbound</translation>
    </message>
    <message id="confui.common.outbound">
        <source>Outbound</source>
        <translation>Outbound</translation>
    </message>
    <message id="confui.common.caseSensitive">
        <source>Case sensitive</source>
        <translation>Case sensitive</translation>
    </message>
    <message id="confui.edit.ip">
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message id="confui.edit.ip.value">
        <source>IP address or network:</source>
        <translation>IP address or network:</translation>
    </message>
    <message id="confui.edit.host">
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message id="confui.edit.host.value">
        <source>Host name:</source>
        <translation>Host name:</translation>
    </message>
    <message id="confui.edit.adr">
        <source>E-mail address</source>
        <translation>E-mail address</translation>
    </message>
    <message id="confui.edit.adr.value">
        <source>E-mail address:</source>
        <translation>E-mail address:</translation>
    </message>
    <message id="confui.edit.subj">
        <source>Subject</source>
        <translation>Subject</translation>
    </message>
    <message id="confui.edit.subj.value">
        <source>Subject:</source>
        <translation>Subject:</translation>
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
        <translation>Attachment</translation>
    </message>
    <message id="confui.edit.att.value">
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message id="confui.edit.hdr">
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message id="confui.edit.hdr.value">
        <source>Header line:</source>
        <translation>Header line:</translation>
    </message>
    <message id="confui.edit.charset">
        <source>Charset</source>
        <translation>Charset</translation>
    </message>
    <message id="confui.edit.charset.value">
        <source>Character set:</source>
        <translation>Character set:</translation>
    </message>
    <message id="confui.edit.sls">
        <source>Spam Lookup Service</source>
        <translation>Spam Lookup Service</translation>
    </message>
    <message id="confui.edit.sls.value">
        <source>DNS zone:</source>
        <translation>DNS zone:</translation>
    </message>
    <message id="confui.edit.domain">
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message id="confui.edit.domain.value">
        <source>Domain:</source>
        <translation>Domain:</translation>
    </message>
    <message id="confui.edit.userpass">
        <source>User/Pass</source>
        <translation>User/Pass</translation>
    </message>
    <message id="confui.edit.userpass.value">
        <source>User and password:</source>
        <translation>User and password:</translation>
    </message>
    <message id="confui.language.auto">
        <source>Auto Detect</source>
        <translation>Auto Detect</translation>
    </message>
    <message id="confui.language.eng">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="confui.language.deu">
        <source>German</source>
        <translation>German</translation>
    </message>
    <message id="confui.language.fra">
        <source>French</source>
        <translation>French</translation>
    </message>
    <message id="confui.language.ita">
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message id="confui.language.spa">
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message id="confui.sheet.general">
        <source>Options - General</source>
        <translation>Options - General</translation>
    </message>
    <message id="confui.sheet.blocking">
        <source>Options - Blocking</source>
        <translation>Options - Blocking</translation>
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
        <translation>Exclude</translation>
    </message>
    <message id="confui.page.IniStd">
        <source>Exchange</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exchange</translation>
    </message>
    <message id="confui.page.IniLog">
        <source>Logfiles</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Logfiles</translation>
    </message>
    <message id="confui.page.IniHist">
        <source>History</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>History</translation>
    </message>
    <message id="confui.page.IniStat">
        <source>Statistic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Statistic</translation>
    </message>
    <message id="confui.page.IniCon">
        <source>Connections</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Connections</translation>
    </message>
    <message id="confui.page.IniRel">
        <source>Relay</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Relay</translation>
    </message>
    <message id="confui.page.IniAuth">
        <source>Authentication</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Authentication</translation>
    </message>
    <message id="confui.page.IniAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Advanced</translation>
    </message>
    <message id="confui.IniStd.Postmaster">
        <source>Postmaster e-mail address:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting Postmaster of Morva.ini.</extracomment>
        <translation>Postmaster e-mail address:</translation>
    </message>
    <message id="confui.IniStd.ExchHost">
        <source>Exchange server (name or IP address):</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchHost of Morva.ini.</extracomment>
        <translation>Exchange server (name or IP address):</translation>
    </message>
    <message id="confui.IniStd.ExchOutboundPort">
        <source>SMTP port of the Exchange server:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchOutboundPort of Morva.ini.</extracomment>
        <translation>SMTP port of the Exchange server:</translation>
    </message>
    <message id="confui.IniStd.InboundSMTPAutoDisableOnExchHostError">
        <source>Stop accepting inbound mail while the Exchange server cannot be reached</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting InboundSMTPAutoDisableOnExchHostError of Morva.ini.</extracomment>
        <translation>Stop accepting inbound mail while the Exchange server cannot be reached</translation>
    </message>
    <message id="confui.IniStd.authGroup">
        <source>Authentication at the Exchange server</source>
        <translation>Authentication at the Exchange server</translation>
    </message>
    <message id="confui.IniStd.OutboundExchAuth">
        <source>Log on to the Exchange server</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting OutboundExchAuth of Morva.ini.</extracomment>
        <translation>Log on to the Exchange server</translation>
    </message>
    <message id="confui.IniStd.NewVersionDSN">
        <source>Notify the postmaster when a new version is available</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting NewVersionDSN of Morva.ini.</extracomment>
        <translation>Notify the postmaster when a new version is available</translation>
    </message>
    <message id="confui.IniLog.LogPath">
        <source>Log file folder:</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Log file folder:</translation>
    </message>
    <message id="confui.IniLog.WriteLogFile">
        <source>Write log files</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting WriteLogFile of Morva.ini.</extracomment>
        <translation>Write log files</translation>
    </message>
    <message id="confui.IniLog.detailGroup">
        <source>Logging details</source>
        <translation>Logging details</translation>
    </message>
    <message id="confui.IniLog.Verbose">
        <source>Detailed log</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Detailed log</translation>
    </message>
    <message id="confui.IniLog.VerboseTransfer">
        <source>Log every transfer</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting VerboseTransfer of Morva.ini.</extracomment>
        <translation>Log every transfer</translation>
    </message>
    <message id="confui.IniLog.DumpSMTPHeader">
        <source>Log the SMTP headers</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting DumpSMTPHeader of Morva.ini.</extracomment>
        <translation>Log the SMTP headers</translation>
    </message>
    <message id="confui.IniHist.KeepMessageFile">
        <source>Keep a copy of every message</source>
        <extracomment>On the page &quot;History&quot;: the setting KeepMessageFile of Morva.ini.</extracomment>
        <translation>Keep a copy of every message</translation>
    </message>
    <message id="confui.IniHist.HistPath">
        <source>History folder:</source>
        <extracomment>On the page &quot;History&quot;: the setting HistPath of Morva.ini.</extracomment>
        <translation>History folder:</translation>
    </message>
    <message id="confui.IniStat.generalGroup">
        <source>Statistic</source>
        <translation>Statistic</translation>
    </message>
    <message id="confui.IniStat.WriteStatisticFile">
        <source>Write statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteStatisticFile of Morva.ini.</extracomment>
        <translation>Write statistic files</translation>
    </message>
    <message id="confui.IniStat.spamGroup">
        <source>Spam statistic</source>
        <translation>Spam statistic</translation>
    </message>
    <message id="confui.IniStat.WriteSpamStatisticFile">
        <source>Write spam statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSpamStatisticFile of Morva.ini.</extracomment>
        <translation>Write spam statistic files</translation>
    </message>
    <message id="confui.IniStat.sendGroup">
        <source>Send statistic</source>
        <translation>Send statistic</translation>
    </message>
    <message id="confui.IniStat.WriteSendStatisticFile">
        <source>Write send statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSendStatisticFile of Morva.ini.</extracomment>
        <translation>Write send statistic files</translation>
    </message>
    <message id="confui.IniStat.virusGroup">
        <source>Virus statistic</source>
        <translation>Virus statistic</translation>
    </message>
    <message id="confui.IniStat.WriteVirusStatisticFile">
        <source>Write virus statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteVirusStatisticFile of Morva.ini.</extracomment>
        <translation>Write virus statistic files</translation>
    </message>
    <message id="confui.IniStat.StatisticFileLongDate">
        <source>Use the long date in statistic file names</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting StatisticFileLongDate of Morva.ini.</extracomment>
        <translation>Use the long date in statistic file names</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPSendTyp">
        <source>Delivery of outbound mail:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPSendTyp of Morva.ini.</extracomment>
        <translation>Delivery of outbound mail:</translation>
    </message>
    <message id="confui.IniCon.sendTyp0">
        <source>Relay all messages through the smart host</source>
        <translation>Relay all messages through the smart host</translation>
    </message>
    <message id="confui.IniCon.sendTyp1">
        <source>Use DNS to send all messages direct to the recipients mail server</source>
        <translation>Use DNS to send all messages direct to the recipients mail server</translation>
    </message>
    <message id="confui.IniCon.sendTyp2">
        <source>Use smart host only if direct connection fails</source>
        <translation>Use smart host only if direct connection fails</translation>
    </message>
    <message id="confui.IniCon.SmartHost">
        <source>Smart host:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting SmartHost of Morva.ini.</extracomment>
        <translation>Smart host:</translation>
    </message>
    <message id="confui.IniCon.NameServer">
        <source>DNS server:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting NameServer of Morva.ini.</extracomment>
        <translation>DNS server:</translation>
    </message>
    <message id="confui.IniCon.authGroup">
        <source>Authentication at the smart host</source>
        <translation>Authentication at the smart host</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPAuth">
        <source>Log on to the smart host</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPAuth of Morva.ini.</extracomment>
        <translation>Log on to the smart host</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPAutoDisableOnSmartHostError">
        <source>Stop accepting inbound mail while the smart host cannot be reached</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPAutoDisableOnSmartHostError of Morva.ini.</extracomment>
        <translation>Stop accepting inbound mail while the smart host cannot be reached</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxConnections">
        <source>Maximum inbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Maximum inbound connections:</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxSendToMessage">
        <source>Maximum recipients per message:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxSendToMessage of Morva.ini.</extracomment>
        <translation>Maximum recipients per message:</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPMaxConnections">
        <source>Maximum outbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Maximum outbound connections:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelay">
        <source>Allow relaying for the hosts and addresses below</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelay of Morva.ini.</extracomment>
        <translation>Allow relaying for the hosts and addresses below</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayReservedIP">
        <source>Allow relaying for reserved (private) IP addresses</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayReservedIP of Morva.ini.</extracomment>
        <translation>Allow relaying for reserved (private) IP addresses</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAuthUsers">
        <source>Allow relaying for authenticated users</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAuthUsers of Morva.ini.</extracomment>
        <translation>Allow relaying for authenticated users</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowHost">
        <source>Hosts allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowHost of Morva.ini.</extracomment>
        <translation>Hosts allowed to relay:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowIP">
        <source>IP addresses allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowIP of Morva.ini.</extracomment>
        <translation>IP addresses allowed to relay:</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthType">
        <source>Inbound SMTP authentication:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthType of Morva.ini.</extracomment>
        <translation>Inbound SMTP authentication:</translation>
    </message>
    <message id="confui.IniAuth.type0">
        <source>No inbound SMTP authentication</source>
        <translation>No inbound SMTP authentication</translation>
    </message>
    <message id="confui.IniAuth.type1">
        <source>Enable inbound SMTP authentication using User/Pass</source>
        <translation>Enable inbound SMTP authentication using User/Pass</translation>
    </message>
    <message id="confui.IniAuth.type2">
        <source>Enable inbound SMTP authentication using pass-through NTLM logon</source>
        <translation>Enable inbound SMTP authentication using pass-through NTLM logon</translation>
    </message>
    <message id="confui.IniAuth.type3">
        <source>Enable inbound SMTP authentication using a SMTP query to Exchange</source>
        <translation>Enable inbound SMTP authentication using a SMTP query to Exchange</translation>
    </message>
    <message id="confui.IniAuth.type4">
        <source>Enable inbound SMTP authentication using an external program</source>
        <translation>Enable inbound SMTP authentication using an external program</translation>
    </message>
    <message id="confui.IniAuth.programGroup">
        <source>External program</source>
        <translation>External program</translation>
    </message>
    <message id="confui.IniAuth.userGroup">
        <source>Users and passwords</source>
        <translation>Users and passwords</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthUserPass">
        <source>Accepted users:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthUserPass of Morva.ini.</extracomment>
        <translation>Accepted users:</translation>
    </message>
    <message id="confui.IniAuth.queryGroup">
        <source>Account for the query to Exchange</source>
        <translation>Account for the query to Exchange</translation>
    </message>
    <message id="confui.IniAdv.queueGroup">
        <source>Queues (seconds)</source>
        <translation>Queues (seconds)</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalExpire">
        <source>Outbound SMTP messages expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Outbound SMTP messages expire after:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundDSNExpire">
        <source>Outbound reports expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundDSNExpire of Morva.ini.</extracomment>
        <translation>Outbound reports expire after:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalNextTry">
        <source>Retry outbound SMTP delivery every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Retry outbound SMTP delivery every:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalExpire">
        <source>Messages to Exchange expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Messages to Exchange expire after:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalNextTry">
        <source>Retry delivery to Exchange every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Retry delivery to Exchange every:</translation>
    </message>
    <message id="confui.IniAdv.limitGroup">
        <source>Size limits (KB, 0 = no limit)</source>
        <translation>Size limits (KB, 0 = no limit)</translation>
    </message>
    <message id="confui.IniAdv.InboundSizeLimit">
        <source>Inbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting InboundSizeLimit of Morva.ini.</extracomment>
        <translation>Inbound messages:</translation>
    </message>
    <message id="confui.IniAdv.OutboundSizeLimit">
        <source>Outbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting OutboundSizeLimit of Morva.ini.</extracomment>
        <translation>Outbound messages:</translation>
    </message>
    <message id="confui.IniAdv.CheckExchange">
        <source>Check the connection to the Exchange server at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckExchange of Morva.ini.</extracomment>
        <translation>Check the connection to the Exchange server at start-up</translation>
    </message>
    <message id="confui.IniAdv.CheckOnAccessScanner">
        <source>Check the on-access virus scanner at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckOnAccessScanner of Morva.ini.</extracomment>
        <translation>Check the on-access virus scanner at start-up</translation>
    </message>
    <message id="confui.IniAdv.Language">
        <source>Language of the console:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Language of the console:</translation>
    </message>
    <message id="confui.page.ExclIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP Address</translation>
    </message>
    <message id="confui.page.ExclHost">
        <source>Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Host</translation>
    </message>
    <message id="confui.page.ExclFrom">
        <source>MAIL FROM: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MAIL FROM: e-mail address</translation>
    </message>
    <message id="confui.page.ExclTo">
        <source>RCPT TO: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>RCPT TO: e-mail address</translation>
    </message>
    <message id="confui.ExclIP.list">
        <source>Connections from these IP addresses and networks are excluded:</source>
        <translation>Connections from these IP addresses and networks are excluded:</translation>
    </message>
    <message id="confui.ExclHost.list">
        <source>Connections from these host names are excluded:</source>
        <translation>Connections from these host names are excluded:</translation>
    </message>
    <message id="confui.ExclFrom.list">
        <source>Messages from these senders are excluded:</source>
        <translation>Messages from these senders are excluded:</translation>
    </message>
    <message id="confui.ExclTo.list">
        <source>Messages to these recipients are excluded:</source>
        <translation>Messages to these recipients are excluded:</translation>
    </message>
    <message id="confui.sheet.addOn">
        <source>MORVAFilter Exchange Junk-E-Mail Folder Add-On</source>
        <translation>MORVAFilter Exchange Junk-E-Mail Folder Add-On</translation>
    </message>
    <message id="confui.page.MVFInt">
        <source>Change of the default action</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Change of the default action</translation>
    </message>
    <message id="confui.page.MVFQry">
        <source>MORVAFilter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MORVAFilter</translation>
    </message>
    <message id="confui.MVFInt.notice">
        <source>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</source>
        <translation>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</translation>
    </message>
    <message id="confui.MVFInt.more">
        <source>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</source>
        <translation>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</translation>
    </message>
    <message id="confui.MVFQry.about">
        <source>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</source>
        <translation>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</translation>
    </message>
    <message id="confui.MVFQry.setup">
        <source>Your Exchange set-up:</source>
        <translation>Your Exchange set-up:</translation>
    </message>
    <message id="confui.MVFQry.status0">
        <source>Exchange without MORVAFilter installed</source>
        <translation>Exchange without MORVAFilter installed</translation>
    </message>
    <message id="confui.MVFQry.status1">
        <source>Exchange with MORVAFilter installed</source>
        <translation>Exchange with MORVAFilter installed</translation>
    </message>
    <message id="confui.MVFQry.status2">
        <source>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</source>
        <translation>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</translation>
    </message>
    <message id="confui.page.WizSpam">
        <source>Spam</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Spam</translation>
    </message>
    <message id="confui.WizSpam.intro">
        <source>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</source>
        <translation>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</translation>
    </message>
    <message id="confui.WizSpam.level">
        <source>Default Spam Blocking:</source>
        <translation>Default Spam Blocking:</translation>
    </message>
    <message id="confui.WizSpam.level0">
        <source>None - no spam checks</source>
        <translation>None - no spam checks</translation>
    </message>
    <message id="confui.WizSpam.level1">
        <source>Default - the usual checks</source>
        <translation>Default - the usual checks</translation>
    </message>
    <message id="confui.WizSpam.level2">
        <source>Strong - stricter checks, SPF and envelope tests</source>
        <translation>Strong - stricter checks, SPF and envelope tests</translation>
    </message>
    <message id="confui.WizSpam.note">
        <source>Caught messages are marked in their subject and delivered.</source>
        <translation>Caught messages are marked in their subject and delivered.</translation>
    </message>
    <message id="confui.common.serialize">
        <source>Run one program at a time</source>
        <translation>Run one program at a time</translation>
    </message>
    <message id="confui.edit.country">
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message id="confui.edit.country.value">
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message id="confui.page.dkim">
        <source>DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.page.IniAtt">
        <source>Attachment</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Attachment</translation>
    </message>
    <message id="confui.page.IniExpl">
        <source>Exploit</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.page.IniSubj">
        <source>Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Subject</translation>
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
        <translation>Header</translation>
    </message>
    <message id="confui.page.IniCTY">
        <source>Country</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Country</translation>
    </message>
    <message id="confui.page.IniCharSet">
        <source>Charset</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Charset</translation>
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
        <translation>Auto IP</translation>
    </message>
    <message id="confui.page.IniDRIP">
        <source>Drop</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Drop</translation>
    </message>
    <message id="confui.page.IniAbs">
        <source>Absolute</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Absolute</translation>
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
        <translation>Heuristic</translation>
    </message>
    <message id="confui.page.IniSPF">
        <source>SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.page.IniDKIMVrfy">
        <source>DKIM Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM Verify</translation>
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
        <translation>Envelope</translation>
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
        <translation>Approve</translation>
    </message>
    <message id="confui.IniAtt.list">
        <source>Blocked attachments (file name patterns):</source>
        <translation>Blocked attachments (file name patterns):</translation>
    </message>
    <message id="confui.IniAtt.invert">
        <source>Block:</source>
        <translation>Block:</translation>
    </message>
    <message id="confui.IniAtt.invert0">
        <source>Only the files in the list</source>
        <translation>Only the files in the list</translation>
    </message>
    <message id="confui.IniAtt.invert1">
        <source>Except the files in the list</source>
        <translation>Except the files in the list</translation>
    </message>
    <message id="confui.IniAtt.inZip">
        <source>Look into ZIP archives</source>
        <translation>Look into ZIP archives</translation>
    </message>
    <message id="confui.IniExpl.AdvAll">
        <source>All exploit checks</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>All exploit checks</translation>
    </message>
    <message id="confui.IniExpl.CLSID">
        <source>Class ids in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Class ids in file names</translation>
    </message>
    <message id="confui.IniExpl.ExtDot">
        <source>Trailing dots in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Trailing dots in file names</translation>
    </message>
    <message id="confui.IniExpl.MsgPart">
        <source>Fragmented messages</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Fragmented messages</translation>
    </message>
    <message id="confui.IniExpl.DblExt">
        <source>Double extensions</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Double extensions</translation>
    </message>
    <message id="confui.IniExpl.MsgExtBody">
        <source>Executable message bodies</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Executable message bodies</translation>
    </message>
    <message id="confui.IniExpl.ZipPP">
        <source>Password-protected ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Password-protected ZIP files</translation>
    </message>
    <message id="confui.IniExpl.Exe">
        <source>Programs by content</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programs by content</translation>
    </message>
    <message id="confui.IniExpl.ExeZip">
        <source>Programs inside ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programs inside ZIP files</translation>
    </message>
    <message id="confui.IniSubj.list">
        <source>Blocked subject texts:</source>
        <translation>Blocked subject texts:</translation>
    </message>
    <message id="confui.IniText.list">
        <source>Blocked message texts:</source>
        <translation>Blocked message texts:</translation>
    </message>
    <message id="confui.IniHTML.list">
        <source>Blocked HTML patterns:</source>
        <translation>Blocked HTML patterns:</translation>
    </message>
    <message id="confui.IniHdr.list">
        <source>Blocked header lines (name:text):</source>
        <translation>Blocked header lines (name:text):</translation>
    </message>
    <message id="confui.IniCTY.list">
        <source>Blocked countries (two-letter codes):</source>
        <translation>Blocked countries (two-letter codes):</translation>
    </message>
    <message id="confui.IniCTY.InboundBlockCTYIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;Country&quot;: the setting InboundBlockCTYIPHeader of Morva.ini.</extracomment>
        <translation>Also check the addresses in the Received header lines</translation>
    </message>
    <message id="confui.IniCharSet.list">
        <source>Blocked character sets:</source>
        <translation>Blocked character sets:</translation>
    </message>
    <message id="confui.IniIPH.ip">
        <source>Blocked IP addresses and networks:</source>
        <translation>Blocked IP addresses and networks:</translation>
    </message>
    <message id="confui.IniIPH.host">
        <source>Blocked host names:</source>
        <translation>Blocked host names:</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHHeader of Morva.ini.</extracomment>
        <translation>Also check the addresses in the Received header lines</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHConnection of Morva.ini.</extracomment>
        <translation>Close the connection at once</translation>
    </message>
    <message id="confui.IniAdr.from">
        <source>Blocked senders:</source>
        <translation>Blocked senders:</translation>
    </message>
    <message id="confui.IniAdr.to">
        <source>Blocked recipients:</source>
        <translation>Blocked recipients:</translation>
    </message>
    <message id="confui.IniDSN.InboundBlockDSN">
        <source>Block delivery reports to addresses that never sent mail</source>
        <extracomment>On the page &quot;DSN&quot;: the setting InboundBlockDSN of Morva.ini.</extracomment>
        <translation>Block delivery reports to addresses that never sent mail</translation>
    </message>
    <message id="confui.IniDSN.list">
        <source>Recipients whose delivery reports are blocked:</source>
        <translation>Recipients whose delivery reports are blocked:</translation>
    </message>
    <message id="confui.IniMSO.MSVBA">
        <source>Macros</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Macros</translation>
    </message>
    <message id="confui.IniMSO.MSVBA.switch">
        <source>Block Office documents with macros</source>
        <translation>Block Office documents with macros</translation>
    </message>
    <message id="confui.IniMSO.MSOPP">
        <source>Password protection</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Password protection</translation>
    </message>
    <message id="confui.IniMSO.MSOPP.switch">
        <source>Block password-protected Office documents</source>
        <translation>Block password-protected Office documents</translation>
    </message>
    <message id="confui.IniMSO.MSOEM">
        <source>Embedded objects</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Embedded objects</translation>
    </message>
    <message id="confui.IniMSO.MSOEM.switch">
        <source>Block Office documents with embedded programs</source>
        <translation>Block Office documents with embedded programs</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIP">
        <source>Block IP addresses that sent spam automatically</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIP of Morva.ini.</extracomment>
        <translation>Block IP addresses that sent spam automatically</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPMaxSlots">
        <source>Maximum number of blocked addresses:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPMaxSlots of Morva.ini.</extracomment>
        <translation>Maximum number of blocked addresses:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPTTL">
        <source>Block for (seconds):</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPTTL of Morva.ini.</extracomment>
        <translation>Block for (seconds):</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPThreshold">
        <source>Spam messages before blocking:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPThreshold of Morva.ini.</extracomment>
        <translation>Spam messages before blocking:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPConnection of Morva.ini.</extracomment>
        <translation>Close the connection at once</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIP">
        <source>Drop connections from the addresses below</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIP of Morva.ini.</extracomment>
        <translation>Drop connections from the addresses below</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPConnection">
        <source>Close the connection before the greeting</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPConnection of Morva.ini.</extracomment>
        <translation>Close the connection before the greeting</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPNoPTR">
        <source>Also drop connections from addresses without reverse DNS name</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPNoPTR of Morva.ini.</extracomment>
        <translation>Also drop connections from addresses without reverse DNS name</translation>
    </message>
    <message id="confui.IniDRIP.ip">
        <source>IP addresses and networks:</source>
        <translation>IP addresses and networks:</translation>
    </message>
    <message id="confui.IniDRIP.host">
        <source>Host names:</source>
        <translation>Host names:</translation>
    </message>
    <message id="confui.IniAbs.InboundBlockAbs">
        <source>Block messages that every other check would let through when a blocking rule matches</source>
        <extracomment>On the page &quot;Absolute&quot;: the setting InboundBlockAbs of Morva.ini.</extracomment>
        <translation>Block messages that every other check would let through when a blocking rule matches</translation>
    </message>
    <message id="confui.IniAbs.note">
        <source>Absolute blocking ignores the white list and the exclusions.</source>
        <translation>Absolute blocking ignores the white list and the exclusions.</translation>
    </message>
    <message id="confui.IniSLS.InboundBlockSLS">
        <source>Check the connecting address against DNS blocklists</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundBlockSLS of Morva.ini.</extracomment>
        <translation>Check the connecting address against DNS blocklists</translation>
    </message>
    <message id="confui.IniSLS.InboundSLSIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundSLSIPHeader of Morva.ini.</extracomment>
        <translation>Also check the addresses in the Received header lines</translation>
    </message>
    <message id="confui.IniSLS.SLS">
        <source>Blocklist zones (IP addresses):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLS of Morva.ini.</extracomment>
        <translation>Blocklist zones (IP addresses):</translation>
    </message>
    <message id="confui.IniSLS.SLSDom">
        <source>Blocklist zones (domains):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLSDom of Morva.ini.</extracomment>
        <translation>Blocklist zones (domains):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyList">
        <source>Greylisting: ask unknown senders to retry later</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyList of Morva.ini.</extracomment>
        <translation>Greylisting: ask unknown senders to retry later</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListIPClearLastOctet">
        <source>Treat all addresses of a /24 network as one</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListIPClearLastOctet of Morva.ini.</extracomment>
        <translation>Treat all addresses of a /24 network as one</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxSlots">
        <source>Maximum entries:</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxSlots of Morva.ini.</extracomment>
        <translation>Maximum entries:</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMinTime">
        <source>Minimum wait before a retry (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMinTime of Morva.ini.</extracomment>
        <translation>Minimum wait before a retry (seconds):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMidTime">
        <source>Retry must come within (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMidTime of Morva.ini.</extracomment>
        <translation>Retry must come within (seconds):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxTime">
        <source>Keep known senders for (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxTime of Morva.ini.</extracomment>
        <translation>Keep known senders for (seconds):</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCS">
        <source>Block messages by their checksum (CCS)</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCS of Morva.ini.</extracomment>
        <translation>Block messages by their checksum (CCS)</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCSThreshold">
        <source>Sensitivity:</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCSThreshold of Morva.ini.</extracomment>
        <translation>Sensitivity:</translation>
    </message>
    <message id="confui.IniCCS.threshold0">
        <source>High - more than 25 messages with the same checksum</source>
        <translation>High - more than 25 messages with the same checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold1">
        <source>Mid - more than 100 messages with the same checksum</source>
        <translation>Mid - more than 100 messages with the same checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold2">
        <source>Low - more than 200 messages with the same checksum</source>
        <translation>Low - more than 200 messages with the same checksum</translation>
    </message>
    <message id="confui.IniCCS.threshold3">
        <source>None - report only</source>
        <translation>None - report only</translation>
    </message>
    <message id="confui.IniBay.InboundBayes">
        <source>Bayesian filter</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayes of Morva.ini.</extracomment>
        <translation>Bayesian filter</translation>
    </message>
    <message id="confui.IniBay.InboundBayesLearn">
        <source>Learn from the messages that pass</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesLearn of Morva.ini.</extracomment>
        <translation>Learn from the messages that pass</translation>
    </message>
    <message id="confui.IniBay.InboundBayesIgnoreCommonWords">
        <source>Ignore common words</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesIgnoreCommonWords of Morva.ini.</extracomment>
        <translation>Ignore common words</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxWords">
        <source>Maximum words in the database:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxWords of Morva.ini.</extracomment>
        <translation>Maximum words in the database:</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxSize">
        <source>Examine at most (bytes):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxSize of Morva.ini.</extracomment>
        <translation>Examine at most (bytes):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesSpam">
        <source>Spam probability from (percent):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesSpam of Morva.ini.</extracomment>
        <translation>Spam probability from (percent):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMethod">
        <source>Method:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMethod of Morva.ini.</extracomment>
        <translation>Method:</translation>
    </message>
    <message id="confui.IniBay.method0">
        <source>Paul Graham&apos;s original method</source>
        <translation>Paul Graham&apos;s original method</translation>
    </message>
    <message id="confui.IniBay.method1">
        <source>Gary Robinson&apos;s alternative method</source>
        <translation>Gary Robinson&apos;s alternative method</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddress">
        <source>Address for spam to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddress of Morva.ini.</extracomment>
        <translation>Address for spam to learn from:</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddressGood">
        <source>Address for good mail to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddressGood of Morva.ini.</extracomment>
        <translation>Address for good mail to learn from:</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeur">
        <source>Heuristic filter</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeur of Morva.ini.</extracomment>
        <translation>Heuristic filter</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeurValue">
        <source>Spam score from:</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeurValue of Morva.ini.</extracomment>
        <translation>Spam score from:</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPF">
        <source>Check the sender&apos;s SPF record</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPF of Morva.ini.</extracomment>
        <translation>Check the sender&apos;s SPF record</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFSoftFail">
        <source>Also block on soft fail</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFSoftFail of Morva.ini.</extracomment>
        <translation>Also block on soft fail</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFNeutral">
        <source>Also block on neutral</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFNeutral of Morva.ini.</extracomment>
        <translation>Also block on neutral</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFIPHeader of Morva.ini.</extracomment>
        <translation>Also check the addresses in the Received header lines</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFUseDefTXT">
        <source>Use a default record for domains without SPF</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFUseDefTXT of Morva.ini.</extracomment>
        <translation>Use a default record for domains without SPF</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFDefTXT">
        <source>Default record:</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFDefTXT of Morva.ini.</extracomment>
        <translation>Default record:</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIM">
        <source>Verify DKIM signatures</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIM of Morva.ini.</extracomment>
        <translation>Verify DKIM signatures</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIMADSP">
        <source>Apply the sender&apos;s signing policy (ADSP)</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIMADSP of Morva.ini.</extracomment>
        <translation>Apply the sender&apos;s signing policy (ADSP)</translation>
    </message>
    <message id="confui.IniDKIMVrfy.excludeVerify">
        <source>Exclude from verification...</source>
        <translation>Exclude from verification...</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundBlockDKIM">
        <source>Block messages with a failed DKIM signature</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundBlockDKIM of Morva.ini.</extracomment>
        <translation>Block messages with a failed DKIM signature</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBL">
        <source>Check links in messages against URI blocklists</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBL of Morva.ini.</extracomment>
        <translation>Check links in messages against URI blocklists</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBLExpandShortURL">
        <source>Expand shortened links first</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBLExpandShortURL of Morva.ini.</extracomment>
        <translation>Expand shortened links first</translation>
    </message>
    <message id="confui.IniSEBA.InboundBlockSEBA">
        <source>Block by the sender&apos;s reputation (Senderbase)</source>
        <extracomment>On the page &quot;Senderbase&quot;: the setting InboundBlockSEBA of Morva.ini.</extracomment>
        <translation>Block by the sender&apos;s reputation (Senderbase)</translation>
    </message>
    <message id="confui.IniBCKS.InboundBlockBCKS">
        <source>Block backscatter (reports for mail never sent)</source>
        <extracomment>On the page &quot;Backscatter&quot;: the setting InboundBlockBCKS of Morva.ini.</extracomment>
        <translation>Block backscatter (reports for mail never sent)</translation>
    </message>
    <message id="confui.IniEnv.NoTo">
        <source>No recipient in the header</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>No recipient in the header</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoTo">
        <source>Block messages without To or Cc header line</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoTo of Morva.ini.</extracomment>
        <translation>Block messages without To or Cc header line</translation>
    </message>
    <message id="confui.IniEnv.NoMx">
        <source>Sender domain without mail server</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Sender domain without mail server</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoMx">
        <source>Block senders whose domain has no MX record</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoMx of Morva.ini.</extracomment>
        <translation>Block senders whose domain has no MX record</translation>
    </message>
    <message id="confui.IniEnv.NoFrom">
        <source>Faked sender</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Faked sender</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoFrom">
        <source>Block messages whose From line differs from the envelope sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoFrom of Morva.ini.</extracomment>
        <translation>Block messages whose From line differs from the envelope sender</translation>
    </message>
    <message id="confui.IniEnv.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Internal sender from outside</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockFromUs">
        <source>Block inbound messages claiming one of our own domains as sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockFromUs of Morva.ini.</extracomment>
        <translation>Block inbound messages claiming one of our own domains as sender</translation>
    </message>
    <message id="confui.IniFCrDNS.InboundBlockFCrDNS">
        <source>Block connections whose reverse DNS name does not resolve back</source>
        <extracomment>On the page &quot;FCrDNS&quot;: the setting InboundBlockFCrDNS of Morva.ini.</extracomment>
        <translation>Block connections whose reverse DNS name does not resolve back</translation>
    </message>
    <message id="confui.IniImg.InboundBlockEMP">
        <source>Block image spam</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockEMP of Morva.ini.</extracomment>
        <translation>Block image spam</translation>
    </message>
    <message id="confui.IniImg.InboundBlockAPD">
        <source>Block animated images</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockAPD of Morva.ini.</extracomment>
        <translation>Block animated images</translation>
    </message>
    <message id="confui.IniImg.InboundBlockRRZ">
        <source>Block images with random noise</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockRRZ of Morva.ini.</extracomment>
        <translation>Block images with random noise</translation>
    </message>
    <message id="confui.IniImg.InboundBlockGRE">
        <source>Block images in grey tones only</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockGRE of Morva.ini.</extracomment>
        <translation>Block images in grey tones only</translation>
    </message>
    <message id="confui.IniImg.sizeGroup">
        <source>Image size (pixels)</source>
        <translation>Image size (pixels)</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMBP">
        <source>Block images larger than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMBP of Morva.ini.</extracomment>
        <translation>Block images larger than</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMLP">
        <source>Block images smaller than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMLP of Morva.ini.</extracomment>
        <translation>Block images smaller than</translation>
    </message>
    <message id="confui.IniImg.height">
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message id="confui.IniImg.width">
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message id="confui.IniUDM.InboundBlockUDM">
        <source>Check messages with an external program (user-defined method)</source>
        <extracomment>On the page &quot;UDM&quot;: the setting InboundBlockUDM of Morva.ini.</extracomment>
        <translation>Check messages with an external program (user-defined method)</translation>
    </message>
    <message id="confui.IniApr.InboundApproveAction">
        <source>Let an external program approve each action</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveAction of Morva.ini.</extracomment>
        <translation>Let an external program approve each action</translation>
    </message>
    <message id="confui.IniApr.InboundApproveActionOnlySpam">
        <source>Only for messages detected as spam</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveActionOnlySpam of Morva.ini.</extracomment>
        <translation>Only for messages detected as spam</translation>
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
        <translation>Options - System</translation>
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
        <translation>Options - Exclude</translation>
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
        <translation>Community</translation>
    </message>
    <message id="confui.page.IniCAOLE">
        <source>Macro</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Macro</translation>
    </message>
    <message id="confui.IniViC.Outbound">
        <source>Scan outbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Scan outbound messages with ClamAV</translation>
    </message>
    <message id="confui.IniViC.Inbound">
        <source>Scan inbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Scan inbound messages with ClamAV</translation>
    </message>
    <message id="confui.IniViC.Host">
        <source>ClamAV daemon host:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>ClamAV daemon host:</translation>
    </message>
    <message id="confui.IniViC.Port">
        <source>ClamAV daemon port:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>ClamAV daemon port:</translation>
    </message>
    <message id="confui.IniCASCR.Block">
        <source>Block messages that match the SaneSecurity signatures</source>
        <extracomment>On the page &quot;SaneSecurity&quot;.</extracomment>
        <translation>Block messages that match the SaneSecurity signatures</translation>
    </message>
    <message id="confui.IniCAICR.Block">
        <source>Block messages that match the SecuriteInfo signatures</source>
        <extracomment>On the page &quot;SecuriteInfo&quot;.</extracomment>
        <translation>Block messages that match the SecuriteInfo signatures</translation>
    </message>
    <message id="confui.IniCAXCR.Block">
        <source>Block messages that match the community rules</source>
        <extracomment>On the page &quot;Community&quot;.</extracomment>
        <translation>Block messages that match the community rules</translation>
    </message>
    <message id="confui.IniCAOLE.Block">
        <source>Block Office documents that contain macros</source>
        <extracomment>On the page &quot;Macro&quot;.</extracomment>
        <translation>Block Office documents that contain macros</translation>
    </message>
    <message id="confui.sig.Note">
        <source>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</source>
        <translation>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</translation>
    </message>
    <message id="confui.c2.inExclude">
        <source>Inbound e&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Inbound e&amp;xclude...</translation>
    </message>
    <message id="confui.c2.outExclude">
        <source>Outbound excl&amp;ude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Outbound excl&amp;ude...</translation>
    </message>
    <message id="confui.page.IniForm">
        <source>Format</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Format</translation>
    </message>
    <message id="confui.page.IniFla">
        <source>Flags</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Flags</translation>
    </message>
    <message id="confui.page.IniSusp">
        <source>Suspicious</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Suspicious</translation>
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
        <translation>Remove HTML from inbound messages</translation>
    </message>
    <message id="confui.IniForm.InRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Remove TNEF (winmail.dat) from inbound messages</translation>
    </message>
    <message id="confui.IniForm.InRemoveDKIM">
        <source>Remove DKIM signatures from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Remove DKIM signatures from inbound messages</translation>
    </message>
    <message id="confui.IniForm.InRemoveOWASubj">
        <source>Remove Outlook Web Access tags from inbound subjects</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Remove Outlook Web Access tags from inbound subjects</translation>
    </message>
    <message id="confui.IniForm.InAssembleAll">
        <source>Reassemble inbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Reassemble inbound messages sent in several parts</translation>
    </message>
    <message id="confui.IniForm.OutRemoveHTML">
        <source>Remove HTML from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Remove HTML from outbound messages</translation>
    </message>
    <message id="confui.IniForm.OutRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Remove TNEF (winmail.dat) from outbound messages</translation>
    </message>
    <message id="confui.IniForm.OutAssembleAll">
        <source>Reassemble outbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Reassemble outbound messages sent in several parts</translation>
    </message>
    <message id="confui.IniFla.InRemoveRR">
        <source>Remove read-receipt requests from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Remove read-receipt requests from inbound messages</translation>
    </message>
    <message id="confui.IniFla.OutRemoveRR">
        <source>Remove read-receipt requests from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Remove read-receipt requests from outbound messages</translation>
    </message>
    <message id="confui.IniFla.InRemoveDSN">
        <source>Remove requests for success notifications from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Remove requests for success notifications from inbound messages</translation>
    </message>
    <message id="confui.IniFla.OutRemoveDSN">
        <source>Remove requests for success notifications from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Remove requests for success notifications from outbound messages</translation>
    </message>
    <message id="confui.IniSusp.MsgLoop">
        <source>Warn about message loops (many messages to one recipient)</source>
        <extracomment>On the page &quot;Suspicious&quot;: the setting MsgLoop of Morva.ini.</extracomment>
        <translation>Warn about message loops (many messages to one recipient)</translation>
    </message>
    <message id="confui.IniSusp.Period">
        <source>Period observed (seconds):</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Period observed (seconds):</translation>
    </message>
    <message id="confui.IniSusp.MaxMsg">
        <source>Alert after this number of messages:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Alert after this number of messages:</translation>
    </message>
    <message id="confui.IniSusp.Excl">
        <source>Addresses never reported:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Addresses never reported:</translation>
    </message>
    <message id="confui.IniBCC.NDR">
        <source>Blind copy of every non-delivery report to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blind copy of every non-delivery report to:</translation>
    </message>
    <message id="confui.IniBCC.FwdExch">
        <source>Blind copy of messages forwarded to Exchange to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blind copy of messages forwarded to Exchange to:</translation>
    </message>
    <message id="confui.IniBCC.InAuto">
        <source>Blind copy of every inbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blind copy of every inbound message to:</translation>
    </message>
    <message id="confui.IniBCC.OutAuto">
        <source>Blind copy of every outbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Blind copy of every outbound message to:</translation>
    </message>
    <message id="confui.IniTLS.Outbound">
        <source>Use TLS on outbound connections when the server offers it</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Use TLS on outbound connections when the server offers it</translation>
    </message>
    <message id="confui.IniTLS.Inbound">
        <source>Offer TLS on inbound connections (STARTTLS)</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Offer TLS on inbound connections (STARTTLS)</translation>
    </message>
    <message id="confui.IniTLS.Verbose">
        <source>Log TLS details</source>
        <extracomment>On the page &quot;TLS/SSL&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Log TLS details</translation>
    </message>
    <message id="confui.IniTLS.CACert">
        <source>CA certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>CA certificate file:</translation>
    </message>
    <message id="confui.IniTLS.ServCert">
        <source>Server certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Server certificate file:</translation>
    </message>
    <message id="confui.IniTLS.ServPriv">
        <source>Server private key file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Server private key file:</translation>
    </message>
    <message id="confui.page.IniRcpt">
        <source>Recipient</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Recipient</translation>
    </message>
    <message id="confui.page.IniVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verify</translation>
    </message>
    <message id="confui.page.IniSes">
        <source>Session</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Session</translation>
    </message>
    <message id="confui.IniRcpt.Typ">
        <source>Recipient verification:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Recipient verification:</translation>
    </message>
    <message id="confui.IniRcpt.Typ0">
        <source>No verification</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>No verification</translation>
    </message>
    <message id="confui.IniRcpt.Typ1">
        <source>Verify the recipients e-mail address using a static address list</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verify the recipients e-mail address using a static address list</translation>
    </message>
    <message id="confui.IniRcpt.Typ2">
        <source>Verify the recipients e-mail address dynamically using an external program</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verify the recipients e-mail address dynamically using an external program</translation>
    </message>
    <message id="confui.IniRcpt.Typ3">
        <source>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</translation>
    </message>
    <message id="confui.IniRcpt.Cache">
        <source>Cache the answers of the query</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Cache the answers of the query</translation>
    </message>
    <message id="confui.IniRcpt.Verbose">
        <source>Log the output of the external program</source>
        <extracomment>On the page &quot;Recipient&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Log the output of the external program</translation>
    </message>
    <message id="confui.IniRcpt.Validate">
        <source>Known address to test the query:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Known address to test the query:</translation>
    </message>
    <message id="confui.IniVrfy.Domain">
        <source>Verify that the sender&apos;s domain exists</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verify that the sender&apos;s domain exists</translation>
    </message>
    <message id="confui.IniVrfy.PTR">
        <source>Verify that the connecting host has a reverse DNS (PTR) record</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verify that the connecting host has a reverse DNS (PTR) record</translation>
    </message>
    <message id="confui.IniVrfy.FQDN">
        <source>Verify that the HELO name is a fully qualified domain name</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verify that the HELO name is a fully qualified domain name</translation>
    </message>
    <message id="confui.IniVrfy.CABA">
        <source>Verify the sender address with a call-back to its mail server</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verify the sender address with a call-back to its mail server</translation>
    </message>
    <message id="confui.IniSes.GreetDelay">
        <source>Delay the SMTP greeting</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Delay the SMTP greeting</translation>
    </message>
    <message id="confui.IniSes.Seconds">
        <source>Delay (seconds):</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Delay (seconds):</translation>
    </message>
    <message id="confui.IniSes.HoneyPot">
        <source>Catch spam robots that talk before the greeting (honey pot)</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Catch spam robots that talk before the greeting (honey pot)</translation>
    </message>
    <message id="confui.page.IniViD">
        <source>On-Demand Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>On-Demand Scan</translation>
    </message>
    <message id="confui.page.IniViA">
        <source>On-Access Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>On-Access Scan</translation>
    </message>
    <message id="confui.page.IniViO">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Options</translation>
    </message>
    <message id="confui.IniViD.Outbound">
        <source>Scan outbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Scan outbound messages</translation>
    </message>
    <message id="confui.IniViD.Inbound">
        <source>Scan inbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Scan inbound messages</translation>
    </message>
    <message id="confui.IniViD.Typ">
        <source>Virus scanner:</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Virus scanner:</translation>
    </message>
    <message id="confui.IniViD.Preset0">
        <source>Custom</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Custom</translation>
    </message>
    <message id="confui.IniViD.Note">
        <source>&lt;FILE&gt; stands for the file to scan.</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>&lt;FILE&gt; stands for the file to scan.</translation>
    </message>
    <message id="confui.IniViA.Outbound">
        <source>Scan outbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Scan outbound messages with an on-access scanner</translation>
    </message>
    <message id="confui.IniViA.Inbound">
        <source>Scan inbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Scan inbound messages with an on-access scanner</translation>
    </message>
    <message id="confui.IniViA.Path">
        <source>Folder watched by the on-access scanner:</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Folder watched by the on-access scanner:</translation>
    </message>
    <message id="confui.IniViO.Debug">
        <source>Log the output of the virus scanner (debug)</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Log the output of the virus scanner (debug)</translation>
    </message>
    <message id="confui.IniViO.RawMsg">
        <source>Scan the raw message as well</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Scan the raw message as well</translation>
    </message>
    <message id="confui.IniViO.Always">
        <source>Scan every message, also without attachments</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Scan every message, also without attachments</translation>
    </message>
    <message id="confui.IniViO.Serialize">
        <source>Run one scan at a time</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Run one scan at a time</translation>
    </message>
    <message id="confui.IniViO.Zip">
        <source>Scan the files inside ZIP archives</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Scan the files inside ZIP archives</translation>
    </message>
    <message id="confui.IniViO.UseExt">
        <source>Keep the file extensions for the on-access scanner</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Keep the file extensions for the on-access scanner</translation>
    </message>
    <message id="confui.page.IniDisc">
        <source>Disclaimer</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Disclaimer</translation>
    </message>
    <message id="confui.IniDisc.List">
        <source>Add the disclaimer to messages of these senders:</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Add the disclaimer to messages of these senders:</translation>
    </message>
    <message id="confui.IniDisc.SuppOnReply">
        <source>Do not add the disclaimer to replies</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Do not add the disclaimer to replies</translation>
    </message>
    <message id="confui.IniDisc.Text">
        <source>Disclaimer text (file odisc-pl.txt)</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Disclaimer text (file odisc-pl.txt)</translation>
    </message>
    <message id="confui.IniDisc.ReadFailed">
        <source>Unable to read the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Unable to read the disclaimer file</translation>
    </message>
    <message id="confui.IniDisc.WriteFailed">
        <source>Unable to write the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Unable to write the disclaimer file</translation>
    </message>
    <message id="confui.page.IniSMIMEVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verify</translation>
    </message>
    <message id="confui.page.IniSMIMESign">
        <source>Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sign</translation>
    </message>
    <message id="confui.page.IniSMIMEDecr">
        <source>Decrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Decrypt</translation>
    </message>
    <message id="confui.page.IniSMIMEEncr">
        <source>Encrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Encrypt</translation>
    </message>
    <message id="confui.page.IniSMIMEInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Inbound Policy</translation>
    </message>
    <message id="confui.page.IniSMIMEOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Outbound Policy</translation>
    </message>
    <message id="confui.page.IniSMIMEOpt">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Options</translation>
    </message>
    <message id="confui.page.IniDKIMSign">
        <source>DKIM Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM Sign</translation>
    </message>
    <message id="confui.page.IniTLSInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Inbound Policy</translation>
    </message>
    <message id="confui.page.IniTLSOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Outbound Policy</translation>
    </message>
    <message id="confui.smime.VerifyCRL">
        <source>Check the certificate revocation lists (CRL) of inbound signatures</source>
        <translation>Check the certificate revocation lists (CRL) of inbound signatures</translation>
    </message>
    <message id="confui.smime.VerboseCert">
        <source>Log certificate details</source>
        <translation>Log certificate details</translation>
    </message>
    <message id="confui.smime.VrfyList">
        <source>Signers of inbound messages:</source>
        <translation>Signers of inbound messages:</translation>
    </message>
    <message id="confui.smime.ExclVerify">
        <source>Exclude from &amp;verifying...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exclude from &amp;verifying...</translation>
    </message>
    <message id="confui.smime.ExclRemove">
        <source>Exclude from &amp;removing...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exclude from &amp;removing...</translation>
    </message>
    <message id="confui.smime.SignList">
        <source>Sign the outbound messages of these senders:</source>
        <translation>Sign the outbound messages of these senders:</translation>
    </message>
    <message id="confui.smime.UseDBCert">
        <source>Use the certificates of the certificate database</source>
        <translation>Use the certificates of the certificate database</translation>
    </message>
    <message id="confui.smime.SignPreSign">
        <source>Sign messages that are already signed</source>
        <translation>Sign messages that are already signed</translation>
    </message>
    <message id="confui.smime.SignPreCrypt">
        <source>Sign messages that are already encrypted</source>
        <translation>Sign messages that are already encrypted</translation>
    </message>
    <message id="confui.smime.SignHdr">
        <source>Header that asks for a signature:</source>
        <translation>Header that asks for a signature:</translation>
    </message>
    <message id="confui.smime.OutRemove">
        <source>Remove S/MIME signatures from outbound messages</source>
        <translation>Remove S/MIME signatures from outbound messages</translation>
    </message>
    <message id="confui.smime.OutVerify">
        <source>Verify S/MIME signatures of outbound messages</source>
        <translation>Verify S/MIME signatures of outbound messages</translation>
    </message>
    <message id="confui.smime.OutVerifyCRL">
        <source>Check the certificate revocation lists (CRL) of outbound signatures</source>
        <translation>Check the certificate revocation lists (CRL) of outbound signatures</translation>
    </message>
    <message id="confui.smime.DecrList">
        <source>Decrypt the inbound messages of these recipients:</source>
        <translation>Decrypt the inbound messages of these recipients:</translation>
    </message>
    <message id="confui.smime.AltPriv">
        <source>Try the other private certificates when the first one fails</source>
        <translation>Try the other private certificates when the first one fails</translation>
    </message>
    <message id="confui.smime.EncrList">
        <source>Encrypt the outbound messages to these recipients:</source>
        <translation>Encrypt the outbound messages to these recipients:</translation>
    </message>
    <message id="confui.smime.CryptPreCrypt">
        <source>Encrypt messages that are already encrypted</source>
        <translation>Encrypt messages that are already encrypted</translation>
    </message>
    <message id="confui.smime.CryptPreSign">
        <source>Encrypt messages that are already signed</source>
        <translation>Encrypt messages that are already signed</translation>
    </message>
    <message id="confui.smime.CryptHdr">
        <source>Header that asks for encryption:</source>
        <translation>Header that asks for encryption:</translation>
    </message>
    <message id="confui.smime.InPolList">
        <source>Requirements for inbound messages of these senders:</source>
        <translation>Requirements for inbound messages of these senders:</translation>
    </message>
    <message id="confui.smime.OutPolList">
        <source>Requirements for outbound messages to these recipients:</source>
        <translation>Requirements for outbound messages to these recipients:</translation>
    </message>
    <message id="confui.smime.WriteDBCert">
        <source>Store the certificates of signed inbound messages in the database</source>
        <translation>Store the certificates of signed inbound messages in the database</translation>
    </message>
    <message id="confui.smime.OutWriteDBCert">
        <source>Store the certificates of signed outbound messages in the database</source>
        <translation>Store the certificates of signed outbound messages in the database</translation>
    </message>
    <message id="confui.smime.Verbose">
        <source>Log S/MIME processing</source>
        <translation>Log S/MIME processing</translation>
    </message>
    <message id="confui.smime.CACert">
        <source>CA certificate file:</source>
        <translation>CA certificate file:</translation>
    </message>
    <message id="confui.smime.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Folder that holds the CERT folder (empty: program folder):</translation>
    </message>
    <message id="confui.smime.Statistic">
        <source>Write S/MIME statistics</source>
        <translation>Write S/MIME statistics</translation>
    </message>
    <message id="confui.smime.InAssemble">
        <source>Reassemble inbound S/MIME messages</source>
        <translation>Reassemble inbound S/MIME messages</translation>
    </message>
    <message id="confui.smime.OutAssemble">
        <source>Reassemble outbound S/MIME messages</source>
        <translation>Reassemble outbound S/MIME messages</translation>
    </message>
    <message id="confui.smime.MarkRemoved">
        <source>Mark the subject when the S/MIME envelope was removed</source>
        <translation>Mark the subject when the S/MIME envelope was removed</translation>
    </message>
    <message id="confui.smime.ExclPolicy">
        <source>Exclude from the &amp;policy...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exclude from the &amp;policy...</translation>
    </message>
    <message id="confui.dkim.SignList">
        <source>Sign the outbound messages of these domains:</source>
        <translation>Sign the outbound messages of these domains:</translation>
    </message>
    <message id="confui.dkim.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Folder that holds the CERT folder (empty: program folder):</translation>
    </message>
    <message id="confui.dkim.Verbose">
        <source>Log DKIM processing</source>
        <translation>Log DKIM processing</translation>
    </message>
    <message id="confui.tls.InPolList">
        <source>TLS for connections from these clients:</source>
        <translation>TLS for connections from these clients:</translation>
    </message>
    <message id="confui.tls.OutPolList">
        <source>TLS for connections to these destinations:</source>
        <translation>TLS for connections to these destinations:</translation>
    </message>
    <message id="confui.tls.ClientCert">
        <source>Ask connecting clients for a certificate</source>
        <translation>Ask connecting clients for a certificate</translation>
    </message>
    <message id="confui.tls.ServCiphers">
        <source>Ciphers offered to clients (empty: default):</source>
        <translation>Ciphers offered to clients (empty: default):</translation>
    </message>
    <message id="confui.tls.ClientCiphers">
        <source>Ciphers used towards servers (empty: default):</source>
        <translation>Ciphers used towards servers (empty: default):</translation>
    </message>
    <message id="confui.page.IniExclAdr">
        <source>Exclude - E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - E-mail</translation>
    </message>
    <message id="confui.page.IniExclSubj">
        <source>Exclude - Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - Subject</translation>
    </message>
    <message id="confui.page.IniExclText">
        <source>Exclude - Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - Text</translation>
    </message>
    <message id="confui.page.IniExclHTML">
        <source>Exclude - HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - HTML</translation>
    </message>
    <message id="confui.page.IniExclIPH">
        <source>Exclude - IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - IP/Host</translation>
    </message>
    <message id="confui.page.IniExclAWL">
        <source>Exclude - White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - White List</translation>
    </message>
    <message id="confui.page.IniExclSLS">
        <source>Exclude - SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - SLS/RBL</translation>
    </message>
    <message id="confui.page.IniExclDNSWL">
        <source>Exclude - DNSWL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - DNSWL</translation>
    </message>
    <message id="confui.page.IniExclDKIM">
        <source>Exclude - DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - DKIM</translation>
    </message>
    <message id="confui.page.IniExclSPF">
        <source>Exclude - SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - SPF</translation>
    </message>
    <message id="confui.page.IniExclOth">
        <source>Exclude - Other</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - Other</translation>
    </message>
    <message id="confui.page.IniExclOpt">
        <source>Exclude - Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exclude - Options</translation>
    </message>
    <message id="confui.excl.InFrom">
        <source>Inbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Inbound, MAIL FROM: e-mail addresses never blocked:</translation>
    </message>
    <message id="confui.excl.InTo">
        <source>Inbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Inbound, RCPT TO: e-mail addresses never blocked:</translation>
    </message>
    <message id="confui.excl.OutFrom">
        <source>Outbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Outbound, MAIL FROM: e-mail addresses never blocked:</translation>
    </message>
    <message id="confui.excl.OutTo">
        <source>Outbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Outbound, RCPT TO: e-mail addresses never blocked:</translation>
    </message>
    <message id="confui.excl.InSubj">
        <source>Inbound subjects never blocked:</source>
        <translation>Inbound subjects never blocked:</translation>
    </message>
    <message id="confui.excl.OutSubj">
        <source>Outbound subjects never blocked:</source>
        <translation>Outbound subjects never blocked:</translation>
    </message>
    <message id="confui.excl.InText">
        <source>Inbound texts that exempt a message:</source>
        <translation>Inbound texts that exempt a message:</translation>
    </message>
    <message id="confui.excl.OutText">
        <source>Outbound texts that exempt a message:</source>
        <translation>Outbound texts that exempt a message:</translation>
    </message>
    <message id="confui.excl.InHTML">
        <source>Inbound HTML that exempts a message:</source>
        <translation>Inbound HTML that exempts a message:</translation>
    </message>
    <message id="confui.excl.OutHTML">
        <source>Outbound HTML that exempts a message:</source>
        <translation>Outbound HTML that exempts a message:</translation>
    </message>
    <message id="confui.excl.IP">
        <source>IP addresses never blocked:</source>
        <translation>IP addresses never blocked:</translation>
    </message>
    <message id="confui.excl.Host">
        <source>Host names never blocked:</source>
        <translation>Host names never blocked:</translation>
    </message>
    <message id="confui.excl.AWL">
        <source>Build a white list from the recipients of outbound messages</source>
        <translation>Build a white list from the recipients of outbound messages</translation>
    </message>
    <message id="confui.excl.AWLUser">
        <source>Keep one white list per user</source>
        <translation>Keep one white list per user</translation>
    </message>
    <message id="confui.excl.AWLPack">
        <source>Pack the white list automatically</source>
        <translation>Pack the white list automatically</translation>
    </message>
    <message id="confui.excl.AWLSlots">
        <source>Maximum number of entries:</source>
        <translation>Maximum number of entries:</translation>
    </message>
    <message id="confui.excl.AWLFeedAdd">
        <source>Address to which users send entries to add:</source>
        <translation>Address to which users send entries to add:</translation>
    </message>
    <message id="confui.excl.AWLFeedDel">
        <source>Address to which users send entries to remove:</source>
        <translation>Address to which users send entries to remove:</translation>
    </message>
    <message id="confui.excl.SLS">
        <source>Exempt senders listed in these DNS whitelists</source>
        <translation>Exempt senders listed in these DNS whitelists</translation>
    </message>
    <message id="confui.excl.SLSIPHeader">
        <source>Also check the addresses in the Received headers</source>
        <translation>Also check the addresses in the Received headers</translation>
    </message>
    <message id="confui.excl.SLSIP">
        <source>Whitelist zones for IP addresses:</source>
        <translation>Whitelist zones for IP addresses:</translation>
    </message>
    <message id="confui.excl.SLSDom">
        <source>Whitelist zones for domains:</source>
        <translation>Whitelist zones for domains:</translation>
    </message>
    <message id="confui.excl.DNSWL">
        <source>Exempt senders listed in the public DNS whitelist (DNSWL)</source>
        <translation>Exempt senders listed in the public DNS whitelist (DNSWL)</translation>
    </message>
    <message id="confui.excl.DNSWLCat">
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message id="confui.excl.DNSWLTrust">
        <source>Trustworthiness:</source>
        <translation>Trustworthiness:</translation>
    </message>
    <message id="confui.excl.DNSWLCatAll">
        <source>All categories</source>
        <translation>All categories</translation>
    </message>
    <message id="confui.excl.DNSWLTrustAny">
        <source>Any trust level</source>
        <translation>Any trust level</translation>
    </message>
    <message id="confui.excl.DNSWLHeader">
        <source>The Received-header setting of the SLS/RBL exclusion page applies here too.</source>
        <translation>The Received-header setting of the SLS/RBL exclusion page applies here too.</translation>
    </message>
    <message id="confui.dnswl.cat0">
        <source>not in use</source>
        <translation>not in use</translation>
    </message>
    <message id="confui.dnswl.cat2">
        <source>Financial services</source>
        <translation>Financial services</translation>
    </message>
    <message id="confui.dnswl.cat3">
        <source>Email Service Providers</source>
        <translation>Email Service Providers</translation>
    </message>
    <message id="confui.dnswl.cat4">
        <source>Organisations (both for-profit and non-profit)</source>
        <translation>Organisations (both for-profit and non-profit)</translation>
    </message>
    <message id="confui.dnswl.cat5">
        <source>Service/network providers</source>
        <translation>Service/network providers</translation>
    </message>
    <message id="confui.dnswl.cat6">
        <source>Personal/private servers</source>
        <translation>Personal/private servers</translation>
    </message>
    <message id="confui.dnswl.cat7">
        <source>Travel/leisure industry</source>
        <translation>Travel/leisure industry</translation>
    </message>
    <message id="confui.dnswl.cat8">
        <source>Public sector/governments</source>
        <translation>Public sector/governments</translation>
    </message>
    <message id="confui.dnswl.cat9">
        <source>Media and Tech companies</source>
        <translation>Media and Tech companies</translation>
    </message>
    <message id="confui.dnswl.cat10">
        <source>Some special cases</source>
        <translation>Some special cases</translation>
    </message>
    <message id="confui.dnswl.cat11">
        <source>Education, academic</source>
        <translation>Education, academic</translation>
    </message>
    <message id="confui.dnswl.cat12">
        <source>Healthcare</source>
        <translation>Healthcare</translation>
    </message>
    <message id="confui.dnswl.cat13">
        <source>Manufacturing/Industrial</source>
        <translation>Manufacturing/Industrial</translation>
    </message>
    <message id="confui.dnswl.cat14">
        <source>Retail/Wholesale/Services</source>
        <translation>Retail/Wholesale/Services</translation>
    </message>
    <message id="confui.dnswl.cat15">
        <source>Email Marketing Providers</source>
        <translation>Email Marketing Providers</translation>
    </message>
    <message id="confui.dnswl.trust0">
        <source>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</source>
        <translation>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</translation>
    </message>
    <message id="confui.dnswl.trust1">
        <source>Low - Occasional spam occurrences, actively corrected but less promptly</source>
        <translation>Low - Occasional spam occurrences, actively corrected but less promptly</translation>
    </message>
    <message id="confui.dnswl.trust2">
        <source>Medium - Extremely rare spam occurrences, corrected promptly</source>
        <translation>Medium - Extremely rare spam occurrences, corrected promptly</translation>
    </message>
    <message id="confui.dnswl.trust3">
        <source>High - Never sends spam</source>
        <translation>High - Never sends spam</translation>
    </message>
    <message id="confui.excl.DKIM">
        <source>Exempt messages with a valid DKIM signature</source>
        <translation>Exempt messages with a valid DKIM signature</translation>
    </message>
    <message id="confui.excl.DKIMFrom">
        <source>Only for these sender addresses:</source>
        <translation>Only for these sender addresses:</translation>
    </message>
    <message id="confui.excl.SPF">
        <source>Exempt messages whose sender passes the SPF check</source>
        <translation>Exempt messages whose sender passes the SPF check</translation>
    </message>
    <message id="confui.excl.TLS">
        <source>Exempt messages received over TLS</source>
        <translation>Exempt messages received over TLS</translation>
    </message>
    <message id="confui.excl.Auth">
        <source>Exempt authenticated senders</source>
        <translation>Exempt authenticated senders</translation>
    </message>
    <message id="confui.excl.MailList">
        <source>Exempt messages of mailing lists</source>
        <translation>Exempt messages of mailing lists</translation>
    </message>
    <message id="confui.excl.OptWL">
        <source>The White list excludes from these methods:</source>
        <translation>The White list excludes from these methods:</translation>
    </message>
    <message id="confui.excl.OptGlobal">
        <source>All other exclusions excludes from these methods:</source>
        <translation>All other exclusions excludes from these methods:</translation>
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
        <translation>Subject</translation>
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
        <translation>Attachment</translation>
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
        <translation>Office macros</translation>
    </message>
    <message id="confui.method.MSOPP">
        <source>Office passwords</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Office passwords</translation>
    </message>
    <message id="confui.method.MSOEM">
        <source>Office embedded files</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Office embedded files</translation>
    </message>
    <message id="confui.method.SLS">
        <source>SLS/RBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.method.CTY">
        <source>Country</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Country</translation>
    </message>
    <message id="confui.method.Bayes">
        <source>Bayes</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.method.Heur">
        <source>Heuristic</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Heuristic</translation>
    </message>
    <message id="confui.method.Hdr">
        <source>Header</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Header</translation>
    </message>
    <message id="confui.method.Phi">
        <source>Phishing</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Phishing</translation>
    </message>
    <message id="confui.method.NoTo">
        <source>Missing To:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Missing To:</translation>
    </message>
    <message id="confui.method.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Internal sender from outside</translation>
    </message>
    <message id="confui.method.NoFrom">
        <source>Faked From:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Faked From:</translation>
    </message>
    <message id="confui.method.NoMx">
        <source>No MX record</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>No MX record</translation>
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
        <translation>Charset</translation>
    </message>
    <message id="confui.method.ABIP">
        <source>Auto IP</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Auto IP</translation>
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
        <translation>ClamAV macros</translation>
    </message>
    <message id="confui.method.CAXCR">
        <source>Community rules</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Community rules</translation>
    </message>
    <message id="confui.method.UDM">
        <source>UDM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.method.Abs">
        <source>Absolute</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Absolute</translation>
    </message>
    <message id="confui.method.GreyList">
        <source>Greylisting</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Greylisting</translation>
    </message>
    <message id="confui.method.ToAdr">
        <source>E-mail address</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>E-mail address</translation>
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
        <translation>Block phishing messages</translation>
    </message>
    <message id="confui.IniPhi.SPF">
        <source>Use the SPF result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Use the SPF result</translation>
    </message>
    <message id="confui.IniPhi.DKIM">
        <source>Use the DKIM result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Use the DKIM result</translation>
    </message>
    <message id="confui.IniPhi.DMARC">
        <source>Use the DMARC policy</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Use the DMARC policy</translation>
    </message>
    <message id="confui.IniPhi.URL">
        <source>Compare the links with their visible text</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Compare the links with their visible text</translation>
    </message>
    <message id="confui.IniPhi.BaseDomain">
        <source>Ignore links to the same base domain</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Ignore links to the same base domain</translation>
    </message>
    <message id="confui.IniPhi.Verbose">
        <source>Log phishing checks</source>
        <extracomment>On the page &quot;Phishing&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Log phishing checks</translation>
    </message>
    <message id="confui.page.ConfMS1">
        <source>Mark Subject - 1</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Mark Subject - 1</translation>
    </message>
    <message id="confui.page.ConfMS2">
        <source>Mark Subject - 2</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Mark Subject - 2</translation>
    </message>
    <message id="confui.page.ConfMS3">
        <source>Mark Subject - 3</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Mark Subject - 3</translation>
    </message>
    <message id="confui.page.ConfMS4">
        <source>Mark Subject - 4</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Mark Subject - 4</translation>
    </message>
    <message id="confui.page.ConfMS5">
        <source>Mark Subject - 5</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Mark Subject - 5</translation>
    </message>
    <message id="confui.page.ConfIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP Address</translation>
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
        <translation>Admin</translation>
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
        <translation>White List</translation>
    </message>
    <message id="confui.page.ConfAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Advanced</translation>
    </message>
    <message id="confui.ConfMS.General">
        <source>Mark put into the subject by every method (empty: each method&apos;s own):</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark put into the subject by every method (empty: each method&apos;s own):</translation>
    </message>
    <message id="confui.ConfMS.Right">
        <source>Put the mark on the right side of the subject</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Put the mark on the right side of the subject</translation>
    </message>
    <message id="confui.ConfMS.RemoveHTML">
        <source>Mark when HTML was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark when HTML was removed:</translation>
    </message>
    <message id="confui.ConfMS.DecodeHTML">
        <source>Mark when HTML was decoded:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark when HTML was decoded:</translation>
    </message>
    <message id="confui.ConfMS.RemoveTNEF">
        <source>Mark when TNEF was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark when TNEF was removed:</translation>
    </message>
    <message id="confui.ConfMS.RemoveSMIME">
        <source>Mark when S/MIME was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark when S/MIME was removed:</translation>
    </message>
    <message id="confui.ConfMS.Note">
        <source>Mark put into the subject of a caught message, per method:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Mark put into the subject of a caught message, per method:</translation>
    </message>
    <message id="confui.ConfIP.Address">
        <source>Bind to IP address (empty: all addresses):</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Bind to IP address (empty: all addresses):</translation>
    </message>
    <message id="confui.ConfIP.MachineName">
        <source>Host name (FQDN) used in the greeting:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Host name (FQDN) used in the greeting:</translation>
    </message>
    <message id="confui.ConfIP.NAT">
        <source>Official addresses behind NAT:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Official addresses behind NAT:</translation>
    </message>
    <message id="confui.ConfIP.InPort">
        <source>Inbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Inbound SMTP port:</translation>
    </message>
    <message id="confui.ConfIP.OutPort">
        <source>Outbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Outbound SMTP port:</translation>
    </message>
    <message id="confui.ConfDSN.From">
        <source>Sender address of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Sender address of delivery reports:</translation>
    </message>
    <message id="confui.ConfDSN.Format">
        <source>Format of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;: the setting Format of Morva.ini.</extracomment>
        <translation>Format of delivery reports:</translation>
    </message>
    <message id="confui.ConfDSN.Format0">
        <source>Plain text message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Plain text message</translation>
    </message>
    <message id="confui.ConfDSN.Format1">
        <source>Standard report (RFC 3464)</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Standard report (RFC 3464)</translation>
    </message>
    <message id="confui.ConfDSN.Format2">
        <source>Standard report with a readable text part</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Standard report with a readable text part</translation>
    </message>
    <message id="confui.ConfDSN.Return">
        <source>Content returned in a report:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Content returned in a report:</translation>
    </message>
    <message id="confui.ConfDSN.Return0">
        <source>The headers of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>The headers of the message</translation>
    </message>
    <message id="confui.ConfDSN.Return1">
        <source>The whole message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>The whole message</translation>
    </message>
    <message id="confui.ConfDSN.Return2">
        <source>Nothing of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Nothing of the message</translation>
    </message>
    <message id="confui.ConfDNS.Resolve">
        <source>For resolving A and PTR records:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>For resolving A and PTR records:</translation>
    </message>
    <message id="confui.ConfDNS.Own">
        <source>Use the gateway&apos;s own DNS queries</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Use the gateway&apos;s own DNS queries</translation>
    </message>
    <message id="confui.ConfDNS.System">
        <source>Use the resolver of the operating system</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Use the resolver of the operating system</translation>
    </message>
    <message id="confui.ConfDNS.Transport">
        <source>Transport of DNS queries:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Transport of DNS queries:</translation>
    </message>
    <message id="confui.ConfDNS.UDP">
        <source>UDP (TCP for long answers)</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>UDP (TCP for long answers)</translation>
    </message>
    <message id="confui.ConfDNS.TCP">
        <source>TCP only</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>TCP only</translation>
    </message>
    <message id="confui.ConfThr.In">
        <source>Maximum number of inbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Maximum number of inbound threads:</translation>
    </message>
    <message id="confui.ConfThr.Out">
        <source>Maximum number of outbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Maximum number of outbound threads:</translation>
    </message>
    <message id="confui.ConfThr.InBayes">
        <source>Skip the Bayes filter while all inbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Skip the Bayes filter while all inbound threads are busy</translation>
    </message>
    <message id="confui.ConfThr.OutBayes">
        <source>Skip the Bayes filter while all outbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Skip the Bayes filter while all outbound threads are busy</translation>
    </message>
    <message id="confui.ConfThr.Watermark">
        <source>Refuse inbound connections while all threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Refuse inbound connections while all threads are busy</translation>
    </message>
    <message id="confui.ConfAdm.ShowLog">
        <source>Show the log file in the main window</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Show the log file in the main window</translation>
    </message>
    <message id="confui.ConfAdm.LogPath">
        <source>Folder of the log file (empty: the gateway&apos;s log folder):</source>
        <extracomment>On the page &quot;Admin&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Folder of the log file (empty: the gateway&apos;s log folder):</translation>
    </message>
    <message id="confui.ConfAdm.CheckDir">
        <source>On input warn if a selected directory does not exist</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>On input warn if a selected directory does not exist</translation>
    </message>
    <message id="confui.ConfAdm.Font">
        <source>Font of the log view:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Font of the log view:</translation>
    </message>
    <message id="confui.ConfAdm.FontSize">
        <source>Font size:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Font size:</translation>
    </message>
    <message id="confui.ConfESMTP.In">
        <source>Inbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Inbound ESMTP extensions</translation>
    </message>
    <message id="confui.ConfESMTP.Out">
        <source>Outbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Outbound ESMTP extensions</translation>
    </message>
    <message id="confui.ConfESMTP.ESMTP">
        <source>ESMTP (all extensions)</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>ESMTP (all extensions)</translation>
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
        <translation>Honour permanent errors of Exchange</translation>
    </message>
    <message id="confui.ConfSMTP.4xx">
        <source>Treat 4xx answers of Exchange as permanent errors</source>
        <translation>Treat 4xx answers of Exchange as permanent errors</translation>
    </message>
    <message id="confui.ConfSMTP.DataTimeout">
        <source>Treat a DATA time-out of Exchange as a permanent error</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Treat a DATA time-out of Exchange as a permanent error</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreMailFrom">
        <source>Ignore permanent errors after MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignore permanent errors after MAIL FROM</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreSLS">
        <source>Ignore errors of remote servers that block us by blocklist</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignore errors of remote servers that block us by blocklist</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecv">
        <source>Do not add a Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Do not add a Received header line</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecvFor">
        <source>Leave the recipient out of the Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Leave the recipient out of the Received header line</translation>
    </message>
    <message id="confui.ConfSMTP.SizeCheck">
        <source>Check the size limit while the message is transferred</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Check the size limit while the message is transferred</translation>
    </message>
    <message id="confui.ConfSMTP.CloseMailFrom">
        <source>Close the connection after an error in MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Close the connection after an error in MAIL FROM</translation>
    </message>
    <message id="confui.ConfAWL.Verbose">
        <source>Log the white list synchronisation</source>
        <extracomment>On the page &quot;White List&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Log the white list synchronisation</translation>
    </message>
    <message id="confui.ConfAWL.Master">
        <source>Act as synchronisation master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Act as synchronisation master</translation>
    </message>
    <message id="confui.ConfAWL.AllowIP">
        <source>Clients allowed to synchronise:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Clients allowed to synchronise:</translation>
    </message>
    <message id="confui.ConfAWL.Protocol">
        <source>Protocol:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Protocol:</translation>
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
        <translation>Act as synchronisation client</translation>
    </message>
    <message id="confui.ConfAWL.MasterIP">
        <source>Address of the master:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Address of the master:</translation>
    </message>
    <message id="confui.ConfAWL.CacheNeg">
        <source>Remember negative answers of the master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Remember negative answers of the master</translation>
    </message>
    <message id="confui.ConfAdv.TempPath">
        <source>Temporary folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting TempPath of Morva.ini.</extracomment>
        <translation>Temporary folder:</translation>
    </message>
    <message id="confui.ConfAdv.DiskFull">
        <source>Warn when free disk space falls below (MB):</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Warn when free disk space falls below (MB):</translation>
    </message>
    <message id="confui.ConfAdv.Screen">
        <source>Force screen output</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Force screen output</translation>
    </message>
    <message id="confui.ConfAdv.InDup">
        <source>Deliver a separate copy of inbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Deliver a separate copy of inbound messages to each recipient</translation>
    </message>
    <message id="confui.ConfAdv.OutDup">
        <source>Deliver a separate copy of outbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Deliver a separate copy of outbound messages to each recipient</translation>
    </message>
    <message id="confui.ConfAdv.SpamFolder">
        <source>Spam folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SpamFolder of Morva.ini.</extracomment>
        <translation>Spam folder:</translation>
    </message>
    <message id="confui.ConfAdv.Language">
        <source>Language:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Language:</translation>
    </message>
    <message id="confui.ConfAdv.Auto">
        <source>Auto Detect</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Auto Detect</translation>
    </message>
    <message id="confui.lang.ENG">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="confui.lang.DEU">
        <source>German</source>
        <translation>German</translation>
    </message>
    <message id="confui.lang.FRA">
        <source>French</source>
        <translation>French</translation>
    </message>
    <message id="confui.lang.ITA">
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message id="confui.lang.SPA">
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message id="confui.pol.capVrfy">
        <source>Signer</source>
        <translation>Signer</translation>
    </message>
    <message id="confui.pol.capSign">
        <source>Signing certificate</source>
        <translation>Signing certificate</translation>
    </message>
    <message id="confui.pol.capDecr">
        <source>Decryption certificate</source>
        <translation>Decryption certificate</translation>
    </message>
    <message id="confui.pol.capEncr">
        <source>Encryption certificate</source>
        <translation>Encryption certificate</translation>
    </message>
    <message id="confui.pol.capInPol">
        <source>Inbound S/MIME policy</source>
        <translation>Inbound S/MIME policy</translation>
    </message>
    <message id="confui.pol.capOutPol">
        <source>Outbound S/MIME policy</source>
        <translation>Outbound S/MIME policy</translation>
    </message>
    <message id="confui.pol.capTlsIn">
        <source>Inbound TLS policy</source>
        <translation>Inbound TLS policy</translation>
    </message>
    <message id="confui.pol.capTlsOut">
        <source>Outbound TLS policy</source>
        <translation>Outbound TLS policy</translation>
    </message>
    <message id="confui.pol.capDkim">
        <source>DKIM signing</source>
        <translation>DKIM signing</translation>
    </message>
    <message id="confui.pol.fSender">
        <source>Sender address or pattern:</source>
        <translation>Sender address or pattern:</translation>
    </message>
    <message id="confui.pol.fRecipient">
        <source>Recipient address or pattern:</source>
        <translation>Recipient address or pattern:</translation>
    </message>
    <message id="confui.pol.fCertificate">
        <source>Certificate file:</source>
        <translation>Certificate file:</translation>
    </message>
    <message id="confui.pol.fPassword">
        <source>Password of the private key:</source>
        <translation>Password of the private key:</translation>
    </message>
    <message id="confui.pol.fNeedSigned">
        <source>Signature required</source>
        <translation>Signature required</translation>
    </message>
    <message id="confui.pol.fNeedEncrypted">
        <source>Encryption required</source>
        <translation>Encryption required</translation>
    </message>
    <message id="confui.pol.fAction">
        <source>Action when not met:</source>
        <translation>Action when not met:</translation>
    </message>
    <message id="confui.pol.fClient">
        <source>Client IP address or host name:</source>
        <translation>Client IP address or host name:</translation>
    </message>
    <message id="confui.pol.fDestination">
        <source>Destination domain or host:</source>
        <translation>Destination domain or host:</translation>
    </message>
    <message id="confui.pol.fTlsMode">
        <source>TLS:</source>
        <translation>TLS:</translation>
    </message>
    <message id="confui.pol.fDomain">
        <source>Domain:</source>
        <translation>Domain:</translation>
    </message>
    <message id="confui.pol.fSelector">
        <source>Selector:</source>
        <translation>Selector:</translation>
    </message>
    <message id="confui.pol.fKeyFile">
        <source>Private key file:</source>
        <translation>Private key file:</translation>
    </message>
    <message id="confui.pol.tlsOptional">
        <source>Use TLS when offered</source>
        <translation>Use TLS when offered</translation>
    </message>
    <message id="confui.pol.tlsRequired">
        <source>Require TLS</source>
        <translation>Require TLS</translation>
    </message>
    <message id="confui.pol.tlsVerify">
        <source>Require TLS and a valid certificate</source>
        <translation>Require TLS and a valid certificate</translation>
    </message>
    <message id="confui.pol.unreadable">
        <source>(unreadable entry, kept as it is)</source>
        <translation>(unreadable entry, kept as it is)</translation>
    </message>
    <message id="confui.pol.noCertDir">
        <source>The certificate folder holds no *.pem files:</source>
        <translation>The certificate folder holds no *.pem files:</translation>
    </message>
    <message id="confui.pol.certMissing">
        <source>The certificate file is not in the certificate folder:</source>
        <translation>The certificate file is not in the certificate folder:</translation>
    </message>
    <message id="confui.pol.void">
        <source>(no fixed certificate)</source>
        <translation>(no fixed certificate)</translation>
    </message>
    <message id="confui.pol.errCharacter">
        <source>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</source>
        <translation>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</translation>
    </message>
    <message id="confui.pol.errAddress">
        <source>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</source>
        <translation>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</translation>
    </message>
    <message id="confui.pol.errHost">
        <source>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</source>
        <translation>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</translation>
    </message>
    <message id="confui.pol.errDomain">
        <source>Please enter a valid domain name!
Format is example.com</source>
        <translation>Please enter a valid domain name!
Format is example.com</translation>
    </message>
    <message id="confui.pol.errSelector">
        <source>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</source>
        <translation>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</translation>
    </message>
    <message id="confui.pol.errCertificate">
        <source>Please choose a certificate file (*.pem) of the certificate folder!</source>
        <translation>Please choose a certificate file (*.pem) of the certificate folder!</translation>
    </message>
    <message id="confui.pol.errVoid">
        <source>This list needs a certificate file.</source>
        <translation>This list needs a certificate file.</translation>
    </message>
    <message id="confui.pol.errChoice">
        <source>Please choose one of the offered values!</source>
        <translation>Please choose one of the offered values!</translation>
    </message>
    <message id="confui.pol.errUnreadable">
        <source>The entry cannot be read.</source>
        <translation>The entry cannot be read.</translation>
    </message>
    <message id="confui.c2.sheetLeft">
        <source>Not available yet</source>
        <translation>Not available yet</translation>
    </message>
    <message id="confui.pol.capCert">
        <source>Certificate</source>
        <translation>Certificate</translation>
    </message>
    <message id="confui.pol.capPol">
        <source>S/MIME policy</source>
        <translation>S/MIME policy</translation>
    </message>
    <message id="confui.pol.capTls">
        <source>TLS policy</source>
        <translation>TLS policy</translation>
    </message>
    <message id="confui.IniDisc.Edit">
        <source>Edit the disclaimer &amp;text...</source>
        <extracomment>On the page &quot;Disclaimer&quot;. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Edit the disclaimer &amp;text...</translation>
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
        <translation>Trying to lock the data files...</translation>
    </message>
    <message id="db.locking">
        <source>Locking the data files...</source>
        <translation>Locking the data files...</translation>
    </message>
    <message id="db.lockFailed">
        <source>Unable to lock the data files!</source>
        <translation>Unable to lock the data files!</translation>
    </message>
    <message id="db.locked">
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message id="db.writeFailed">
        <source>Unable to write the data files! These files may have lost changes:</source>
        <translation>Unable to write the data files! These files may have lost changes:</translation>
    </message>
    <message id="db.blankField">
        <source>Blank field is not allowed!</source>
        <translation>Blank field is not allowed!</translation>
    </message>
    <message id="db.invalidAddress">
        <source>Please enter a valid SMTP address!</source>
        <translation>Please enter a valid SMTP address!</translation>
    </message>
    <message id="db.formatIs">
        <source>Format is </source>
        <translation>Format is </translation>
    </message>
    <message id="db.tooLong">
        <source>The value is too long! At most %1 characters are allowed.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>The value is too long! At most %1 characters are allowed.</translation>
    </message>
    <message id="db.controlCharacter">
        <source>The value contains control characters, which the record files cannot hold!</source>
        <translation>The value contains control characters, which the record files cannot hold!</translation>
    </message>
    <message id="db.badBlockType">
        <source>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</source>
        <translation>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</translation>
    </message>
    <message id="db.aliasNotFound">
        <source>Unable to find record in DataAlia!</source>
        <translation>Unable to find record in DataAlia!</translation>
    </message>
    <message id="db.blockNotFound">
        <source>Unable to find record in DataBlock!</source>
        <translation>Unable to find record in DataBlock!</translation>
    </message>
    <message id="db.userNotFound">
        <source>Unable to find record in DataUser!</source>
        <translation>Unable to find record in DataUser!</translation>
    </message>
</context>
<context>
    <name>records (record lists and sheets)</name>
    <message id="records.counting">
        <source>Counting records...</source>
        <translation>Counting records...</translation>
    </message>
    <message id="records.reading">
        <source>Reading records...</source>
        <translation>Reading records...</translation>
    </message>
    <message id="records.deleteRecord">
        <source>Delete record</source>
        <translation>Delete record</translation>
    </message>
    <message id="records.deleteAll">
        <source>Delete all selected records</source>
        <translation>Delete all selected records</translation>
    </message>
    <message id="records.new">
        <source>&amp;New</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;New</translation>
    </message>
    <message id="records.edit">
        <source>&amp;Edit</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Edit</translation>
    </message>
    <message id="records.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Delete</translation>
    </message>
    <message id="records.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="records.ok">
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message id="records.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="records.col.rec">
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message id="records.col.from">
        <source>From</source>
        <translation>From</translation>
    </message>
    <message id="records.col.to">
        <source>To</source>
        <translation>To</translation>
    </message>
    <message id="records.col.type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="records.col.blockValue">
        <source>IP address / Host / Domain / E-Mail</source>
        <translation>IP address / Host / Domain / E-Mail</translation>
    </message>
    <message id="records.col.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="records.col.email">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="records.aliasList">
        <source>E-mail Forwarding</source>
        <translation>E-mail Forwarding</translation>
    </message>
    <message id="records.blockList">
        <source>SMTP Blocking</source>
        <translation>SMTP Blocking</translation>
    </message>
    <message id="records.userList">
        <source>E-mail address on Exchange</source>
        <translation>E-mail address on Exchange</translation>
    </message>
    <message id="records.type.ip">
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message id="records.type.host">
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message id="records.type.mailFrom">
        <source>MAIL FROM: e-mail address</source>
        <translation>MAIL FROM: e-mail address</translation>
    </message>
    <message id="records.type.mailDomain">
        <source>MAIL FROM: e-mail domain</source>
        <translation>MAIL FROM: e-mail domain</translation>
    </message>
    <message id="records.type.unknown">
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message id="records.aliasSheet">
        <source>SMTP Forwarding</source>
        <translation>SMTP Forwarding</translation>
    </message>
    <message id="records.aliasPage">
        <source>E-mail Forwarding</source>
        <translation>E-mail Forwarding</translation>
    </message>
    <message id="records.group.forward">
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message id="records.forwardAddress">
        <source>Forward e-mail address:</source>
        <translation>Forward e-mail address:</translation>
    </message>
    <message id="records.toAddress">
        <source>To e-mail address:</source>
        <translation>To e-mail address:</translation>
    </message>
    <message id="records.group.options">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="records.deliverOriginal">
        <source>Deliver to original e-mail address after forwarding</source>
        <translation>Deliver to original e-mail address after forwarding</translation>
    </message>
    <message id="records.blockSheet">
        <source>SMTP Blocking</source>
        <translation>SMTP Blocking</translation>
    </message>
    <message id="records.blockPage">
        <source>SMTP Blocking</source>
        <translation>SMTP Blocking</translation>
    </message>
    <message id="records.group.doNotAccept">
        <source>Do not accept a SMTP message from</source>
        <translation>Do not accept a SMTP message from</translation>
    </message>
    <message id="records.blockValue">
        <source>IP address / Host / Domain / E-Mail:</source>
        <translation>IP address / Host / Domain / E-Mail:</translation>
    </message>
    <message id="records.group.samples">
        <source>Samples</source>
        <translation>Samples</translation>
    </message>
    <message id="records.sample.ip">
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message id="records.sample.host">
        <source>Hostname:</source>
        <translation>Hostname:</translation>
    </message>
    <message id="records.sample.hostValue">
        <source>mx.domain.com or domain.com for all hosts in a domain</source>
        <translation>mx.domain.com or domain.com for all hosts in a domain</translation>
    </message>
    <message id="records.sample.mail">
        <source>MAIL FROM: e-mail address:</source>
        <translation>MAIL FROM: e-mail address:</translation>
    </message>
    <message id="records.sample.mailValue">
        <source>user@domain.com, or @domain.com for a full domain</source>
        <translation>user@domain.com, or @domain.com for a full domain</translation>
    </message>
    <message id="records.keptType">
        <source>Stored type %1 (kept unless you choose another)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Stored type %1 (kept unless you choose another)</translation>
    </message>
    <message id="records.userSheet">
        <source>User Address</source>
        <translation>User Address</translation>
    </message>
    <message id="records.userPage">
        <source>E-mail address</source>
        <translation>E-mail address</translation>
    </message>
    <message id="records.group.userInfo">
        <source>User Information</source>
        <translation>User Information</translation>
    </message>
    <message id="records.userName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="records.userAddress">
        <source>E-mail address:</source>
        <translation>E-mail address:</translation>
    </message>
    <message id="records.domainList">
        <source>E-mail domain on Exchange</source>
        <translation>E-mail domain on Exchange</translation>
    </message>
    <message id="records.domainListText">
        <source>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</source>
        <translation>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</translation>
    </message>
    <message id="records.domainListText2">
        <source>Only messages to these domains are routed to Exchange.</source>
        <translation>Only messages to these domains are routed to Exchange.</translation>
    </message>
    <message id="records.domainField">
        <source>Domain:</source>
        <translation>Domain:</translation>
    </message>
    <message id="records.commentField">
        <source>Comment:</source>
        <translation>Comment:</translation>
    </message>
    <message id="records.routeList">
        <source>Message Routing</source>
        <translation>Message Routing</translation>
    </message>
    <message id="records.col.routeDomain">
        <source>E-Mail Domain</source>
        <translation>E-Mail Domain</translation>
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
        <translation>Route all messages</translation>
    </message>
    <message id="records.routeDomain">
        <source>for e-mail domain:</source>
        <translation>for e-mail domain:</translation>
    </message>
    <message id="records.routeHost">
        <source>to host:</source>
        <translation>to host:</translation>
    </message>
    <message id="records.routePort">
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message id="records.badPort">
        <source>Please enter a port number from 2 to 65535!</source>
        <translation>Please enter a port number from 2 to 65535!</translation>
    </message>
    <message id="records.badRouteDomain">
        <source>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</source>
        <translation>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</translation>
    </message>
    <message id="records.badRouteHost">
        <source>A host cannot contain a double quote (&quot;)!</source>
        <translation>A host cannot contain a double quote (&quot;)!</translation>
    </message>
    <message id="records.semicolon">
        <source>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</source>
        <translation>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</translation>
    </message>
    <message id="text.notStorable">
        <source>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</translation>
    </message>
    <message id="text.readsBackOtherwise">
        <source>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</translation>
    </message>
    <message id="text.notStorableInList">
        <source>The character &quot;%1&quot; cannot be stored in this list!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>The character &quot;%1&quot; cannot be stored in this list!</translation>
    </message>
    <message id="records.deleteRoute">
        <source>Delete selected route</source>
        <translation>Delete selected route</translation>
    </message>
    <message id="records.deleteTranslation">
        <source>Delete selected translation</source>
        <translation>Delete selected translation</translation>
    </message>
    <message id="records.deleteRewrite">
        <source>Delete selected rewrite</source>
        <translation>Delete selected rewrite</translation>
    </message>
    <message id="records.transList">
        <source>Address Translation</source>
        <translation>Address Translation</translation>
    </message>
    <message id="records.rewriteList">
        <source>Address Rewrite</source>
        <translation>Address Rewrite</translation>
    </message>
    <message id="records.col.fromDomain">
        <source>from domain</source>
        <translation>from domain</translation>
    </message>
    <message id="records.col.toDomain">
        <source>to domain</source>
        <translation>to domain</translation>
    </message>
    <message id="records.col.fromMailbox">
        <source>from Mailbox</source>
        <translation>from Mailbox</translation>
    </message>
    <message id="records.col.toMailbox">
        <source>to Mailbox</source>
        <translation>to Mailbox</translation>
    </message>
    <message id="records.col.toAddress">
        <source>to Address</source>
        <translation>to Address</translation>
    </message>
    <message id="records.transDomain">
        <source>Translate domain</source>
        <translation>Translate domain</translation>
    </message>
    <message id="records.transUser">
        <source>Translate Mailbox</source>
        <translation>Translate Mailbox</translation>
    </message>
    <message id="records.transDomainAdr">
        <source>Translate domain to Address</source>
        <translation>Translate domain to Address</translation>
    </message>
    <message id="records.rewriteDomain">
        <source>Rewrite domain</source>
        <translation>Rewrite domain</translation>
    </message>
    <message id="records.rewriteUser">
        <source>Rewrite Mailbox</source>
        <translation>Rewrite Mailbox</translation>
    </message>
    <message id="records.field.domain">
        <source>E-mail domain:</source>
        <translation>E-mail domain:</translation>
    </message>
    <message id="records.field.toDomain">
        <source>To e-mail domain:</source>
        <translation>To e-mail domain:</translation>
    </message>
    <message id="records.field.mailbox">
        <source>E-mail mailbox:</source>
        <translation>E-mail mailbox:</translation>
    </message>
    <message id="records.field.toMailbox">
        <source>To e-mail mailbox:</source>
        <translation>To e-mail mailbox:</translation>
    </message>
    <message id="records.field.toAddress">
        <source>To e-mail address:</source>
        <translation>To e-mail address:</translation>
    </message>
    <message id="records.group.inboundTranslate">
        <source>Inbound messages translate</source>
        <translation>Inbound messages translate</translation>
    </message>
    <message id="records.group.outboundRewrite">
        <source>Outbound messages rewrite</source>
        <translation>Outbound messages rewrite</translation>
    </message>
    <message id="records.group.description">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="records.desc.transDomain">
        <source>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</source>
        <translation>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</translation>
    </message>
    <message id="records.desc.transUser">
        <source>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</source>
        <translation>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</translation>
    </message>
    <message id="records.desc.transDomainAdr">
        <source>Sends every recipient of a domain to one e-mail address before processing an inbound message</source>
        <translation>Sends every recipient of a domain to one e-mail address before processing an inbound message</translation>
    </message>
    <message id="records.desc.rewriteDomain">
        <source>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</source>
        <translation>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</translation>
    </message>
    <message id="records.desc.rewriteUser">
        <source>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</source>
        <translation>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</translation>
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
        <translation>Service</translation>
    </message>
    <message id="service.labelName">
        <source>Service name:</source>
        <translation>Service name:</translation>
    </message>
    <message id="service.labelStatus">
        <source>Service Status:</source>
        <translation>Service Status:</translation>
    </message>
    <message id="service.labelExecutable">
        <source>Executable:</source>
        <translation>Executable:</translation>
    </message>
    <message id="service.start">
        <source>&amp;Start</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message id="service.stop">
        <source>S&amp;top</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>S&amp;top</translation>
    </message>
    <message id="service.install">
        <source>&amp;Install</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Install</translation>
    </message>
    <message id="service.remove">
        <source>&amp;Remove</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Remove</translation>
    </message>
    <message id="service.cancel">
        <source>&amp;Cancel</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="service.state.noExecutable">
        <source>Unable to find executable</source>
        <translation>Unable to find executable</translation>
    </message>
    <message id="service.state.notInstalled">
        <source>not installed</source>
        <translation>not installed</translation>
    </message>
    <message id="service.state.stopped">
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message id="service.state.startPending">
        <source>start pending</source>
        <translation>start pending</translation>
    </message>
    <message id="service.state.stopPending">
        <source>stop pending</source>
        <translation>stop pending</translation>
    </message>
    <message id="service.state.started">
        <source>started</source>
        <translation>started</translation>
    </message>
    <message id="service.state.continuePending">
        <source>continue pending</source>
        <translation>continue pending</translation>
    </message>
    <message id="service.state.pausePending">
        <source>pause pending</source>
        <translation>pause pending</translation>
    </message>
    <message id="service.state.paused">
        <source>paused</source>
        <translation>paused</translation>
    </message>
    <message id="service.state.unknown">
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message id="service.startFailed">
        <source>Unable to start %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Unable to start %1 service!</translation>
    </message>
    <message id="service.queryFailed">
        <source>Unable to query status of %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Unable to query status of %1 service!</translation>
    </message>
    <message id="service.controlFailed">
        <source>Unable to control %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Unable to control %1 service!</translation>
    </message>
    <message id="service.waitStop">
        <source>Waiting for %1 to be stopped...</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Waiting for %1 to be stopped...</translation>
    </message>
    <message id="service.installed">
        <source>%1 service installed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 service installed!</translation>
    </message>
    <message id="service.installFailed">
        <source>Unable to install %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Unable to install %1 service!</translation>
    </message>
    <message id="service.removed">
        <source>%1 service removed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 service removed!</translation>
    </message>
    <message id="service.removeFailed">
        <source>Unable to remove %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Unable to remove %1 service!</translation>
    </message>
    <message id="service.reason.unsupported">
        <source>This system has no service manager for the gateway.</source>
        <translation>This system has no service manager for the gateway.</translation>
    </message>
    <message id="service.reason.managerUnavailable">
        <source>The service manager is not available.</source>
        <translation>The service manager is not available.</translation>
    </message>
    <message id="service.reason.accessDenied">
        <source>Access denied.</source>
        <translation>Access denied.</translation>
    </message>
    <message id="service.reason.notInstalled">
        <source>The service is not installed.</source>
        <translation>The service is not installed.</translation>
    </message>
    <message id="service.reason.alreadyExists">
        <source>A service of this name exists already.</source>
        <translation>A service of this name exists already.</translation>
    </message>
    <message id="service.reason.alreadyRunning">
        <source>The service is running already.</source>
        <translation>The service is running already.</translation>
    </message>
    <message id="service.reason.notActive">
        <source>The service is not running.</source>
        <translation>The service is not running.</translation>
    </message>
    <message id="service.reason.cannotAcceptControl">
        <source>The service cannot accept the request now.</source>
        <translation>The service cannot accept the request now.</translation>
    </message>
    <message id="service.reason.markedForDelete">
        <source>The service is marked for deletion.</source>
        <translation>The service is marked for deletion.</translation>
    </message>
    <message id="service.reason.invalidPath">
        <source>The executable path is not an absolute path, or holds a double quote or a control character.</source>
        <translation>The executable path is not an absolute path, or holds a double quote or a control character.</translation>
    </message>
    <message id="service.reason.verifyFailed">
        <source>The service manager stored another program path.</source>
        <translation>The service manager stored another program path.</translation>
    </message>
    <message id="service.reason.failed">
        <source>The service manager reported an error.</source>
        <translation>The service manager reported an error.</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message id="stats.caption">
        <source>Statistic</source>
        <translation>Statistic</translation>
    </message>
    <message id="stats.refresh">
        <source>&amp;Refresh</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Refresh</translation>
    </message>
    <message id="stats.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="stats.truncated">
        <source>The statistics file is larger than 1 MB: only its beginning is shown.</source>
        <translation>The statistics file is larger than 1 MB: only its beginning is shown.</translation>
    </message>
    <message id="stats.waiting">
        <source>Waiting for the statistics of the gateway...</source>
        <translation>Waiting for the statistics of the gateway...</translation>
    </message>
    <message id="stats.stale">
        <source>No new statistics arrived from the gateway. The figures shown were written at %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>No new statistics arrived from the gateway. The figures shown were written at %1.</translation>
    </message>
    <message id="stats.none">
        <source>No statistics arrived from the gateway.</source>
        <translation>No statistics arrived from the gateway.</translation>
    </message>
    <message id="stats.chart.rates">
        <source>Rates per ho&amp;ur</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Rates per ho&amp;ur</translation>
    </message>
    <message id="stats.chart.counters">
        <source>Counters:</source>
        <translation>Counters:</translation>
    </message>
    <message id="stats.autoRefresh">
        <source>&amp;Automatic refresh:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Automatic refresh:</translation>
    </message>
    <message id="stats.autoRefresh.off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="stats.autoRefresh.minutes">
        <source> min</source>
        <translation> min</translation>
    </message>
    <message id="stats.besideProgram">
        <source>&amp;Keep the history in the program directory</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Keep the history in the program directory</translation>
    </message>
    <message id="stats.exportTable">
        <source>Export &amp;table...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Export &amp;table...</translation>
    </message>
    <message id="stats.exportHistory">
        <source>Export &amp;history...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Export &amp;history...</translation>
    </message>
    <message id="stats.gatewayFiles">
        <source>&amp;Gateway files...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Gateway files...</translation>
    </message>
    <message id="stats.backToHistory">
        <source>&amp;Back to the kept history</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Back to the kept history</translation>
    </message>
    <message id="stats.exportTable.title">
        <source>Export the statistics table</source>
        <translation>Export the statistics table</translation>
    </message>
    <message id="stats.exportHistory.title">
        <source>Export the statistics history</source>
        <translation>Export the statistics history</translation>
    </message>
    <message id="stats.gatewayFiles.title">
        <source>Chart the gateway&apos;s statistics files</source>
        <translation>Chart the gateway&apos;s statistics files</translation>
    </message>
    <message id="stats.gatewayFiles.filter">
        <source>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</source>
        <extracomment>A file dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</translation>
    </message>
    <message id="stats.csvFilter">
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message id="stats.source.history">
        <source>Dumps kept: %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Dumps kept: %1.</translation>
    </message>
    <message id="stats.source.files">
        <source>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</translation>
    </message>
    <message id="stats.files.records">
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message id="stats.files.column">
        <source>Column %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Column %1</translation>
    </message>
    <message id="stats.files.skipped">
        <source>%1 lines without a date were skipped.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 lines without a date were skipped.</translation>
    </message>
    <message id="stats.files.truncated">
        <source>A file is larger than 16 MB: only its beginning was read.</source>
        <translation>A file is larger than 16 MB: only its beginning was read.</translation>
    </message>
    <message id="stats.files.unreadable">
        <source>%1 could not be read.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 could not be read.</translation>
    </message>
    <message id="stats.history.noDirectory">
        <source>The statistics are not kept: this user has no data directory.</source>
        <translation>The statistics are not kept: this user has no data directory.</translation>
    </message>
    <message id="stats.history.unreadable">
        <source>The history %1 cannot be read (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>The history %1 cannot be read (%2).</translation>
    </message>
    <message id="stats.history.notKept">
        <source>These figures could not be kept in the history %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>These figures could not be kept in the history %1 (%2).</translation>
    </message>
    <message id="stats.exportFailed">
        <source>Unable to write %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Unable to write %1 (%2).</translation>
    </message>
</context>
<context>
    <name>browser (settings browser)</name>
    <message id="browser.column.key">
        <source>Key</source>
        <extracomment>Column header of the settings browser: the key in Morva.ini.</extracomment>
        <translation>Key</translation>
    </message>
    <message id="browser.column.value">
        <source>Value</source>
        <extracomment>Column header of the settings browser: the current value (a list: its number of entries and the first ones).</extracomment>
        <translation>Value</translation>
    </message>
    <message id="browser.column.default">
        <source>Default</source>
        <extracomment>Column header of the settings browser: the default value.</extracomment>
        <translation>Default</translation>
    </message>
    <message id="browser.column.kind">
        <source>Kind</source>
        <extracomment>Column header of the settings browser: the kind of value (Bool, Int, String, list kinds).</extracomment>
        <translation>Kind</translation>
    </message>
    <message id="browser.column.page">
        <source>Page</source>
        <extracomment>Column header of the settings browser: the sheet and page that edit the setting.</extracomment>
        <translation>Page</translation>
    </message>
    <message id="browser.noPage">
        <source>no page</source>
        <extracomment>Settings browser, column Page: no page edits this setting.</extracomment>
        <translation>no page</translation>
    </message>
</context>
<context>
    <name>merge (review and merge of configuration changes)</name>
    <message id="merge.changes.button">
        <source>Changes...</source>
        <extracomment>Button beside OK of every configuration sheet: lists the changes OK would save.</extracomment>
        <translation>Changes...</translation>
    </message>
    <message id="merge.changes.title">
        <source>Pending changes</source>
        <extracomment>Title of the window that lists the changes not saved yet.</extracomment>
        <translation>Pending changes</translation>
    </message>
    <message id="merge.changes.none">
        <source>No changes.</source>
        <extracomment>Pending changes window: nothing would change.</extracomment>
        <translation>No changes.</translation>
    </message>
    <message id="merge.column.key">
        <source>Key</source>
        <extracomment>Column header: the key in Morva.ini.</extracomment>
        <translation>Key</translation>
    </message>
    <message id="merge.column.change">
        <source>Change</source>
        <extracomment>Column header: what kind of change (changed, item added, item removed).</extracomment>
        <translation>Change</translation>
    </message>
    <message id="merge.column.old">
        <source>Old value</source>
        <extracomment>Column header: the value before the change.</extracomment>
        <translation>Old value</translation>
    </message>
    <message id="merge.column.new">
        <source>New value</source>
        <extracomment>Column header: the value after the change.</extracomment>
        <translation>New value</translation>
    </message>
    <message id="merge.kind.changed">
        <source>changed</source>
        <extracomment>Kind of change: a single value changed.</extracomment>
        <translation>changed</translation>
    </message>
    <message id="merge.kind.added">
        <source>item added</source>
        <extracomment>Kind of change: an entry added to a list.</extracomment>
        <translation>item added</translation>
    </message>
    <message id="merge.kind.removed">
        <source>item removed</source>
        <extracomment>Kind of change: an entry removed from a list.</extracomment>
        <translation>item removed</translation>
    </message>
    <message id="merge.conflict.title">
        <source>Configuration changed on disk</source>
        <extracomment>Title of the window that shows settings changed both here and by another program.</extracomment>
        <translation>Configuration changed on disk</translation>
    </message>
    <message id="merge.conflict.intro">
        <source>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</source>
        <extracomment>Text at the top of the conflict window.</extracomment>
        <translation>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</translation>
    </message>
    <message id="merge.conflict.theirs">
        <source>On disk now</source>
        <extracomment>Conflict window, column header: the value the file holds now.</extracomment>
        <translation>On disk now</translation>
    </message>
    <message id="merge.conflict.mine">
        <source>Your value</source>
        <extracomment>Conflict window, column header: the value entered in this sheet.</extracomment>
        <translation>Your value</translation>
    </message>
    <message id="merge.conflict.keepTheirs">
        <source>Keep the value on disk</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Keep the value on disk</translation>
    </message>
    <message id="merge.conflict.keepMine">
        <source>Keep your value</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Keep your value</translation>
    </message>
    <message id="merge.conflict.enter">
        <source>Enter a value:</source>
        <extracomment>Conflict window, choice: the value typed in the field beside it (a list: one entry per line).</extracomment>
        <translation>Enter a value:</translation>
    </message>
    <message id="merge.conflict.undecided">
        <source>Choose a value for %1.</source>
        <extracomment>Conflict window: OK pressed while the setting %1 has no choice.</extracomment>
        <translation>Choose a value for %1.</translation>
    </message>
    <message id="merge.conflict.save">
        <source>Save</source>
        <extracomment>Conflict window, button: saves the merged file.</extracomment>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>audit (data safety of the editors)</name>
    <message id="audit.textFileChanged">
        <source>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</source>
        <extracomment>Editor of the disclaimer file, on OK. %1 is the file's path.</extracomment>
        <translation>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</translation>
    </message>
</context>
<context>
    <name>import (list import and export)</name>
    <message id="import.repeatedInFile">
        <source>Repeats line %1: skipped</source>
        <extracomment>Import preview: a row repeats the entry of an earlier line of the file; %1 is that line.</extracomment>
        <translation>Repeats line %1: skipped</translation>
    </message>
    <message id="import.alreadyPresent">
        <source>Already in the list (entry %1): skipped</source>
        <extracomment>Import preview: the entry is in the list already; %1 is its position (record number).</extracomment>
        <translation>Already in the list (entry %1): skipped</translation>
    </message>
    <message id="import.unclosedQuote">
        <source>The file cannot be read: the quoted field that starts on line %1 is never closed.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>The file cannot be read: the quoted field that starts on line %1 is never closed.</translation>
    </message>
    <message id="import.textAfterQuote">
        <source>The file cannot be read: text follows a closing quote on line %1.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>The file cannot be read: text follows a closing quote on line %1.</translation>
    </message>
    <message id="import.notStorable">
        <source>The row holds a character that the gateway's files cannot store.</source>
        <extracomment>Import: a row refused because of a character outside the gateway's 8-bit character set.</extracomment>
        <translation>The row holds a character that the gateway's files cannot store.</translation>
    </message>
    <message id="import.columnCount">
        <source>The row has %1 columns; %2 are expected.</source>
        <extracomment>Import: %1 is the number of columns of the row, %2 the number expected.</extracomment>
        <translation>The row has %1 columns; %2 are expected.</translation>
    </message>
    <message id="import.badFlag">
        <source>Not a yes/no value (1 or 0).</source>
        <extracomment>Import: the deliver column of a forwarding row.</extracomment>
        <translation>Not a yes/no value (1 or 0).</translation>
    </message>
    <message id="import.noComments">
        <source>This list keeps no comments.</source>
        <extracomment>Import: the row has a comment, but the list keeps none.</extracomment>
        <translation>This list keeps no comments.</translation>
    </message>
    <message id="import.controlCharacter">
        <source>The value holds a control character (a line break or a tab), which the file cannot hold.</source>
        <extracomment>Import: a value with a line break or tab inside.</extracomment>
        <translation>The value holds a control character (a line break or a tab), which the file cannot hold.</translation>
    </message>
    <message id="import.menu.import">
        <source>&amp;Import...</source>
        <extracomment>Action of the record lists and list settings: opens the import dialog.</extracomment>
        <translation>&amp;Import...</translation>
    </message>
    <message id="import.menu.export">
        <source>E&amp;xport...</source>
        <extracomment>Action of the record lists and list settings: opens the export dialog.</extracomment>
        <translation>E&amp;xport...</translation>
    </message>
    <message id="import.caption.import">
        <source>Import: %1</source>
        <extracomment>Caption of the import dialog; %1 is the list's name.</extracomment>
        <translation>Import: %1</translation>
    </message>
    <message id="import.caption.export">
        <source>Export: %1</source>
        <extracomment>Caption of the export dialog; %1 is the list's name.</extracomment>
        <translation>Export: %1</translation>
    </message>
    <message id="import.label.file">
        <source>File:</source>
        <extracomment>Import dialog: label of the file name.</extracomment>
        <translation>File:</translation>
    </message>
    <message id="import.button.browse">
        <source>&amp;Browse...</source>
        <extracomment>Import dialog: chooses the file.</extracomment>
        <translation>&amp;Browse...</translation>
    </message>
    <message id="import.format.csv">
        <source>&amp;CSV (comma-separated values)</source>
        <extracomment>Import and export dialogs: file format.</extracomment>
        <translation>&amp;CSV (comma-separated values)</translation>
    </message>
    <message id="import.format.text">
        <source>&amp;Text (one entry per line)</source>
        <extracomment>Import and export dialogs: file format of list settings.</extracomment>
        <translation>&amp;Text (one entry per line)</translation>
    </message>
    <message id="import.mode.append">
        <source>&amp;Append to the list</source>
        <extracomment>Import dialog: the rows are added behind the entries.</extracomment>
        <translation>&amp;Append to the list</translation>
    </message>
    <message id="import.mode.replace">
        <source>&amp;Replace the whole list</source>
        <extracomment>Import dialog: the rows replace every entry.</extracomment>
        <translation>&amp;Replace the whole list</translation>
    </message>
    <message id="import.skipRefused">
        <source>S&amp;kip rows with errors</source>
        <extracomment>Import dialog: import the other rows although some are refused.</extracomment>
        <translation>S&amp;kip rows with errors</translation>
    </message>
    <message id="import.column.line">
        <source>Line</source>
        <extracomment>Import preview: column with the line number of the row.</extracomment>
        <translation>Line</translation>
    </message>
    <message id="import.column.check">
        <source>Check</source>
        <extracomment>Import preview: column with the result of the row's check.</extracomment>
        <translation>Check</translation>
    </message>
    <message id="import.rowOk">
        <source>OK</source>
        <extracomment>Import preview: the row will be imported.</extracomment>
        <translation>OK</translation>
    </message>
    <message id="import.summary">
        <source>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</source>
        <extracomment>Import preview: %1 rows read, %2 to import, %3 refused, %4 skipped as repeated.</extracomment>
        <translation>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</translation>
    </message>
    <message id="import.button.import">
        <source>&amp;Import</source>
        <extracomment>Import dialog: starts the import.</extracomment>
        <translation>&amp;Import</translation>
    </message>
    <message id="import.checking">
        <source>Checking the rows...</source>
        <extracomment>Import dialog: progress while the rows are read and checked.</extracomment>
        <translation>Checking the rows...</translation>
    </message>
    <message id="import.done">
        <source>%1 entries imported.</source>
        <extracomment>After an import; %1 is the number of entries added.</extracomment>
        <translation>%1 entries imported.</translation>
    </message>
    <message id="import.failed">
        <source>The import failed; nothing was changed.
%1</source>
        <extracomment>The import could not write the file; %1 is the file and the reason.</extracomment>
        <translation>The import failed; nothing was changed.
%1</translation>
    </message>
    <message id="import.readFailed">
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message id="import.filter.csv">
        <source>CSV files (*.csv)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message id="import.filter.text">
        <source>Text files (*.txt)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Text files (*.txt)</translation>
    </message>
    <message id="import.filter.all">
        <source>All files (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>All files (*)</translation>
    </message>
    <message id="import.export.whole">
        <source>&amp;Whole list (%1 entries)</source>
        <extracomment>Export dialog: %1 is the number of entries.</extracomment>
        <translation>&amp;Whole list (%1 entries)</translation>
    </message>
    <message id="import.export.selection">
        <source>&amp;Selected entries (%1)</source>
        <extracomment>Export dialog: %1 is the number of selected entries.</extracomment>
        <translation>&amp;Selected entries (%1)</translation>
    </message>
    <message id="import.export.eightBit">
        <source>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</source>
        <extracomment>Export dialog: write the file in the 8-bit code page instead of UTF-8.</extracomment>
        <translation>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</translation>
    </message>
    <message id="import.export.passwords">
        <source>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</source>
        <extracomment>Export dialog: the list holds passwords.</extracomment>
        <translation>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</translation>
    </message>
    <message id="import.export.done">
        <source>%1 entries written to %2.</source>
        <extracomment>After an export; %1 is the number of entries, %2 the file.</extracomment>
        <translation>%1 entries written to %2.</translation>
    </message>
    <message id="import.export.writeFailed">
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message id="import.export.lost">
        <source>%1 characters have no 8-bit form and were written as "?".</source>
        <extracomment>After an 8-bit export; %1 is a number of characters.</extracomment>
        <translation>%1 characters have no 8-bit form and were written as "?".</translation>
    </message>
    <message id="import.button.export">
        <source>E&amp;xport...</source>
        <extracomment>Export dialog: chooses the file and writes it.</extracomment>
        <translation>E&amp;xport...</translation>
    </message>
</context>
<context>
    <name>lists (filter, sort and checks of every list)</name>
    <message id="lists.filter">
        <source>Filter (Ctrl+F)</source>
        <extracomment>Placeholder of the filter field above every list.</extracomment>
        <translation>Filter (Ctrl+F)</translation>
    </message>
    <message id="lists.filterName">
        <source>Filter the list</source>
        <extracomment>Accessible name of the filter field above a list.</extracomment>
        <translation>Filter the list</translation>
    </message>
    <message id="lists.countName">
        <source>Shown entries</source>
        <extracomment>Accessible name of the count of shown entries next to the filter.</extracomment>
        <translation>Shown entries</translation>
    </message>
    <message id="lists.gridName">
        <source>Entries</source>
        <extracomment>Accessible name of the grid of a list.</extracomment>
        <translation>Entries</translation>
    </message>
    <message id="lists.count">
        <source>%1 of %2</source>
        <extracomment>Count next to the filter: %1 shown entries of %2 in all (numbers already grouped).</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message id="lists.showProblems">
        <source>Show problems only</source>
        <extracomment>Switch next to the filter: show only the entries with a problem mark.</extracomment>
        <translation>Show problems only</translation>
    </message>
    <message id="lists.deleteRecords">
        <source>Delete %1 records?</source>
        <extracomment>Question before deleting several records; %1 is their number.</extracomment>
        <translation>Delete %1 records?</translation>
    </message>
    <message id="lists.deleteEntries">
        <source>Delete %1 entries?</source>
        <extracomment>Question before deleting several list entries; %1 is their number.</extracomment>
        <translation>Delete %1 entries?</translation>
    </message>
    <message id="lists.problem.duplicate">
        <source>Repeats entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the earlier entry, %2 its text.</extracomment>
        <translation>Repeats entry %1 (%2).</translation>
    </message>
    <message id="lists.problem.covered">
        <source>Already covered by entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the entry that covers it, %2 its text.</extracomment>
        <translation>Already covered by entry %1 (%2).</translation>
    </message>
    <message id="lists.problem.emptyPart">
        <source>Has an empty domain or label and can never match.</source>
        <extracomment>Problem mark of a list entry with an empty domain or label.</extracomment>
        <translation>Has an empty domain or label and can never match.</translation>
    </message>
    <message id="lists.problem.hostBits">
        <source>Has address bits set beyond its prefix and can never match.</source>
        <extracomment>Problem mark of a network entry with host bits set.</extracomment>
        <translation>Has address bits set beyond its prefix and can never match.</translation>
    </message>
    <message id="lists.problem.notANetwork">
        <source>Is no network address and can never match.</source>
        <extracomment>Problem mark of an entry of a network list that is no network.</extracomment>
        <translation>Is no network address and can never match.</translation>
    </message>
</context>
<context>
    <name>browser window (settings browser window)</name>
    <message id="app.label.6060">
        <source>All &amp;Settings...</source>
        <extracomment>Menu Configuration: opens the settings browser (every setting, searchable). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the Configuration menu.</extracomment>
        <translation>All &amp;Settings...</translation>
    </message>
    <message id="app.label.6061">
        <source>Save &amp;History...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Save &amp;History...</translation>
    </message>
    <message id="app.prompt.6060">
        <source>Search, review and change every setting
All Settings</source>
        <extracomment>Status bar prompt of the command &quot;All Settings...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Search, review and change every setting
All Settings</translation>
    </message>
    <message id="app.prompt.6061">
        <source>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</source>
        <extracomment>Status bar prompt of the command &quot;Save History...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</translation>
    </message>
    <message id="app.settingsSearch">
        <source>Search settings (Ctrl+K)</source>
        <extracomment>Placeholder of the search field in the main window&apos;s toolbar; Enter opens the settings browser with the text.</extracomment>
        <translation>Search settings (Ctrl+K)</translation>
    </message>
    <message id="app.toolbar.more">
        <source>More tools</source>
        <extracomment>Accessible name of the button at the end of the main window&apos;s toolbar that shows the tools that do not fit.</extracomment>
        <translation>More tools</translation>
    </message>
    <message id="browser.window.caption">
        <source>All Settings</source>
        <extracomment>Title of the settings browser window.</extracomment>
        <translation>All Settings</translation>
    </message>
    <message id="browser.window.search">
        <source>&amp;Find:</source>
        <extracomment>Settings browser: label of the search field. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Find:</translation>
    </message>
    <message id="browser.window.searchHint">
        <source>Key, label, page or value (any language)</source>
        <extracomment>Settings browser: placeholder of the empty search field.</extracomment>
        <translation>Key, label, page or value (any language)</translation>
    </message>
    <message id="browser.window.didYouMean">
        <source>No setting matches. Did you mean: %1</source>
        <extracomment>Settings browser: shown when the search matched no setting; %1 is a list of the nearest keys.</extracomment>
        <translation>No setting matches. Did you mean: %1</translation>
    </message>
    <message id="browser.window.count">
        <source>Settings shown: %1, pending changes: %2</source>
        <extracomment>Settings browser, below the table: %1 is the number of settings shown, %2 the number of changes not saved yet.</extracomment>
        <translation>Settings shown: %1, pending changes: %2</translation>
    </message>
    <message id="browser.window.edit">
        <source>&amp;Edit...</source>
        <extracomment>Settings browser button (also Enter or F2 in the table). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Edit...</translation>
    </message>
    <message id="browser.window.reset">
        <source>&amp;Reset to Default</source>
        <extracomment>Settings browser button (also Delete in the table): the selected settings back to their defaults. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Reset to Default</translation>
    </message>
    <message id="browser.window.goTo">
        <source>&amp;Go to Page</source>
        <extracomment>Settings browser button: opens the sheet at the page that edits the setting. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Go to Page</translation>
    </message>
    <message id="browser.window.save">
        <source>&amp;Save</source>
        <extracomment>Settings browser button: saves the pending changes. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Save</translation>
    </message>
    <message id="browser.filter.changed">
        <source>&amp;Changed from default</source>
        <extracomment>Settings browser filter: only settings whose value differs from the default. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Changed from default</translation>
    </message>
    <message id="browser.filter.lists">
        <source>&amp;Lists only</source>
        <extracomment>Settings browser filter: only list settings. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Lists only</translation>
    </message>
    <message id="browser.filter.noPage">
        <source>&amp;No page</source>
        <extracomment>Settings browser filter: only settings that no page edits. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;No page</translation>
    </message>
    <message id="browser.filter.sheet">
        <source>S&amp;heet:</source>
        <extracomment>Settings browser: label of the sheet filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>S&amp;heet:</translation>
    </message>
    <message id="browser.filter.kind">
        <source>&amp;Kind:</source>
        <extracomment>Settings browser: label of the kind filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Kind:</translation>
    </message>
    <message id="browser.filter.allSheets">
        <source>All sheets</source>
        <extracomment>Settings browser, sheet filter: no filter.</extracomment>
        <translation>All sheets</translation>
    </message>
    <message id="browser.filter.allKinds">
        <source>All kinds</source>
        <extracomment>Settings browser, kind filter: no filter.</extracomment>
        <translation>All kinds</translation>
    </message>
    <message id="browser.edit.caption">
        <source>Edit %1</source>
        <extracomment>Title of the settings browser&apos;s editor of one setting; %1 is the key.</extracomment>
        <translation>Edit %1</translation>
    </message>
    <message id="browser.edit.range">
        <source>From %1 to %2</source>
        <extracomment>Settings browser editor of a number: the accepted range; %1 and %2 are numbers.</extracomment>
        <translation>From %1 to %2</translation>
    </message>
    <message id="browser.unknownKey">
        <source>This setting is not known.</source>
        <extracomment>Settings browser: a change names a key the configuration does not know.</extracomment>
        <translation>This setting is not known.</translation>
    </message>
    <message id="browser.showInAllSettings">
        <source>Show in A&amp;ll Settings</source>
        <extracomment>Context menu of a control on a configuration page: opens the settings browser at this setting. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Show in A&amp;ll Settings</translation>
    </message>
</context>
<context>
    <name>history (history of saves)</name>
    <message id="history.caption">
        <source>Configuration History</source>
        <extracomment>Title of the window that lists the kept versions of the configuration file.</extracomment>
        <translation>Configuration History</translation>
    </message>
    <message id="history.column.time">
        <source>Saved</source>
        <extracomment>Column of the History window: when the save was made.</extracomment>
        <translation>Saved</translation>
    </message>
    <message id="history.column.user">
        <source>User</source>
        <extracomment>Column of the History window: the operating-system user who saved.</extracomment>
        <translation>User</translation>
    </message>
    <message id="history.column.machine">
        <source>Computer</source>
        <extracomment>Column of the History window: the computer on which the save was made.</extracomment>
        <translation>Computer</translation>
    </message>
    <message id="history.column.source">
        <source>Saved by</source>
        <extracomment>Column of the History window: what saved (a sheet, morvactl, restore, ...).</extracomment>
        <translation>Saved by</translation>
    </message>
    <message id="history.column.changed">
        <source>Changed keys</source>
        <extracomment>Column of the History window: how many keys the save changed.</extracomment>
        <translation>Changed keys</translation>
    </message>
    <message id="history.compare.label">
        <source>&amp;Show:</source>
        <extracomment>Label before the choice of what the selected save is compared with. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Show:</translation>
    </message>
    <message id="history.compare.previous">
        <source>Changes made by this save</source>
        <extracomment>Choice in the History window: the changes the selected save made.</extracomment>
        <translation>Changes made by this save</translation>
    </message>
    <message id="history.compare.current">
        <source>Differences of the version before it to the current file</source>
        <extracomment>Choice in the History window: how the version before the selected save differs from the file now.</extracomment>
        <translation>Differences of the version before it to the current file</translation>
    </message>
    <message id="history.restore">
        <source>&amp;Restore This Version</source>
        <extracomment>Button of the History window: puts the version before the selected save back. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Restore This Version</translation>
    </message>
    <message id="history.noChanges">
        <source>No differences.</source>
        <extracomment>History window: the two versions compared hold the same settings.</extracomment>
        <translation>No differences.</translation>
    </message>
    <message id="history.empty">
        <source>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</source>
        <extracomment>History window: no save has been kept yet.</extracomment>
        <translation>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</translation>
    </message>
    <message id="history.undoLabel">
        <source>&amp;Undo Last Configuration Save</source>
        <extracomment>Edit menu command while the last save of the configuration was made by this console. Keep the access key of &quot;Undo&quot;. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Undo Last Configuration Save</translation>
    </message>
    <message id="history.writeFailed">
        <source>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</source>
        <extracomment>Message when the history of saves could not be written. %1 is the folder, %2 the error.</extracomment>
        <translation>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</translation>
    </message>
    <message id="history.tooLarge">
        <source>%1 is larger than the history of saves may hold, so no copy of it is kept.</source>
        <extracomment>Message when a file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 is larger than the history of saves may hold, so no copy of it is kept.</translation>
    </message>
    <message id="history.file.label">
        <source>&amp;File:</source>
        <extracomment>Label before the choice of the file whose kept versions the History window lists. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;File:</translation>
    </message>
    <message id="history.file.config">
        <source>Configuration (%1)</source>
        <extracomment>Choice of file in the History window: the configuration file. %1 is the file name.</extracomment>
        <translation>Configuration (%1)</translation>
    </message>
    <message id="history.file.alias">
        <source>E-mail forwarding (%1)</source>
        <extracomment>Choice of file in the History window: the forwarding records. %1 is the file name.</extracomment>
        <translation>E-mail forwarding (%1)</translation>
    </message>
    <message id="history.file.block">
        <source>SMTP blocking (%1)</source>
        <extracomment>Choice of file in the History window: the SMTP blocking records. %1 is the file name.</extracomment>
        <translation>SMTP blocking (%1)</translation>
    </message>
    <message id="history.file.user">
        <source>E-mail addresses on Exchange (%1)</source>
        <extracomment>Choice of file in the History window: the Exchange user records. %1 is the file name.</extracomment>
        <translation>E-mail addresses on Exchange (%1)</translation>
    </message>
    <message id="history.column.records">
        <source>Records</source>
        <extracomment>Column of the History window for a record file: how many records the kept version holds.</extracomment>
        <translation>Records</translation>
    </message>
    <message id="history.record.empty">
        <source>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</source>
        <extracomment>History window: no version of the chosen record file has been kept yet.</extracomment>
        <translation>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</translation>
    </message>
    <message id="history.record.confirm">
        <source>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</source>
        <extracomment>Question before a record file is restored. %1 is the file name, %2 the time of the change the version preceded.</extracomment>
        <translation>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</translation>
    </message>
    <message id="history.record.restoreFailed">
        <source>%1 could not be restored (%2). The file is unchanged.</source>
        <extracomment>Message when the kept version of a record file could not replace it. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 could not be restored (%2). The file is unchanged.</translation>
    </message>
    <message id="history.record.notKept">
        <source>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</source>
        <extracomment>Message when a record file is not restored because its current contents could not be kept. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</translation>
    </message>
    <message id="history.record.versionGone">
        <source>This kept version of %1 can no longer be read. The file is unchanged.</source>
        <extracomment>Message when the chosen kept version of a record file is missing or damaged. %1 is the file name.</extracomment>
        <translation>This kept version of %1 can no longer be read. The file is unchanged.</translation>
    </message>
    <message id="history.keptUnreadable">
        <source>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</source>
        <extracomment>Shown instead of the changes when a kept version cannot be read. %1 is the file name, %2 the time the version was kept.</extracomment>
        <translation>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</translation>
    </message>
    <message id="history.currentUnreadable">
        <source>%1 could not be read (%2), so no changes against it can be shown.</source>
        <extracomment>Shown instead of the changes when the file as it is now cannot be read. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 could not be read (%2), so no changes against it can be shown.</translation>
    </message>
    <message id="history.record.tooLarge">
        <source>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</source>
        <extracomment>Message in a record editor when the record file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</translation>
    </message>
    <message id="history.record.writeFailed">
        <source>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</source>
        <extracomment>Message in a record editor when the history could not be written. %1 is the folder, %2 the error, %3 the record file.</extracomment>
        <translation>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</translation>
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
        <translation>Field %1</translation>
    </message>
    <message id="a11y.logView">
        <source>Log</source>
        <extracomment>Accessible name (read by screen readers) of the main window's log view.</extracomment>
        <translation>Log</translation>
    </message>
    <message id="a11y.recordList">
        <source>Records</source>
        <extracomment>Accessible name (read by screen readers) of the grid of a record list dialog.</extracomment>
        <translation>Records</translation>
    </message>
    <message id="a11y.statsGrid">
        <source>Statistics</source>
        <extracomment>Accessible name (read by screen readers) of the statistics viewer's table of counters.</extracomment>
        <translation>Statistics</translation>
    </message>
</context>
</TS>

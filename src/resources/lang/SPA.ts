<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>common</name>
    <message id="common.caption">
        <source>Morva Admin</source>
        <translation>Morva Admin</translation>
    </message>
    <message id="common.notPlainFile">
        <source>%1 is a symbolic link or a special file (device, pipe or socket). The console neither follows nor writes such a file: remove it and try again.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>%1 es un enlace simbólico o un fichero especial (dispositivo, tubería o socket). La consola no sigue un fichero así ni escribe en él: elimínelo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>app (start-up, main window, log view)</name>
    <message id="app.menu.file">
        <source>&amp;File</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="app.menu.edit">
        <source>&amp;Edit</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Edición</translation>
    </message>
    <message id="app.menu.view">
        <source>&amp;View</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message id="app.menu.configuration">
        <source>&amp;Configuration</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Configuración</translation>
    </message>
    <message id="app.menu.options">
        <source>&amp;Options</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Opciones</translation>
    </message>
    <message id="app.menu.exchange">
        <source>Exch&amp;ange</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exc&amp;hange</translation>
    </message>
    <message id="app.menu.data">
        <source>&amp;Data</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Datos</translation>
    </message>
    <message id="app.menu.translation">
        <source>&amp;Translation</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Traducción</translation>
    </message>
    <message id="app.menu.rewrite">
        <source>Re&amp;write</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Re&amp;escritura</translation>
    </message>
    <message id="app.menu.signal">
        <source>&amp;Signal</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Señal</translation>
    </message>
    <message id="app.menu.help">
        <source>&amp;Help</source>
        <extracomment>Title of a menu of the main window&apos;s menu bar. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message id="app.label.57607">
        <source>&amp;Print...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message id="app.label.57606">
        <source>P&amp;rint Setup...</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Configurar impresión...</translation>
    </message>
    <message id="app.label.57665">
        <source>E&amp;xit</source>
        <extracomment>Command in the &quot;File&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message id="app.label.57643">
        <source>&amp;Undo</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message id="app.label.57635">
        <source>Cu&amp;t</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message id="app.label.57634">
        <source>&amp;Copy</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message id="app.label.57637">
        <source>&amp;Paste</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Pegar</translation>
    </message>
    <message id="app.label.57636">
        <source>&amp;Find</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Buscar</translation>
    </message>
    <message id="app.label.6002">
        <source>&amp;Refresh</source>
        <extracomment>Command in the &quot;Edit&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Actualizar</translation>
    </message>
    <message id="app.label.6011">
        <source>&amp;E-mail domain on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dominios de correo en Exchange...</translation>
    </message>
    <message id="app.label.6010">
        <source>E-mail &amp;address on Exchange...</source>
        <extracomment>Command in the &quot;Exchange&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Di&amp;recciones de correo en Exchange...</translation>
    </message>
    <message id="app.label.6031">
        <source>&amp;MORVAFilter Exchange Junk-E-Mail Folder Add-On...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Complemento MORVAFilter para la carpeta de correo no deseado de Exchange...</translation>
    </message>
    <message id="app.label.6035">
        <source>Service...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window.</extracomment>
        <translation>Servicio...</translation>
    </message>
    <message id="app.label.6008">
        <source>E-mail &amp;Forwarding...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Reenvío de correo...</translation>
    </message>
    <message id="app.label.6009">
        <source>SMTP &amp;Blocking...</source>
        <extracomment>Command in the &quot;Data&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Bloqueo SMTP...</translation>
    </message>
    <message id="app.label.6026">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dominio...</translation>
    </message>
    <message id="app.label.6027">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Buzón...</translation>
    </message>
    <message id="app.label.6028">
        <source>Domain to &amp;E-mail address...</source>
        <extracomment>Command in the &quot;Translation&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Dominio a dirección de &amp;correo...</translation>
    </message>
    <message id="app.label.6029">
        <source>&amp;Domain...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Dominio...</translation>
    </message>
    <message id="app.label.6030">
        <source>&amp;Mailbox...</source>
        <extracomment>Command in the &quot;Rewrite&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Buzón...</translation>
    </message>
    <message id="app.label.6006">
        <source>&amp;Advanced Configuration...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Configuración &amp;avanzada...</translation>
    </message>
    <message id="app.label.6012">
        <source>Stat&amp;istic...</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message id="app.label.59392">
        <source>&amp;Toolbar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message id="app.label.59393">
        <source>&amp;Status Bar</source>
        <extracomment>Command in the &quot;View&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message id="app.label.6036">
        <source>&amp;General...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;General...</translation>
    </message>
    <message id="app.label.6037">
        <source>&amp;Blocking...</source>
        <extracomment>Command in the &quot;Options&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Bloqueo...</translation>
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
        <translation>S&amp;esión...</translation>
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
        <translation>&amp;Tránsito...</translation>
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
        <translation>E&amp;xclusiones globales...</translation>
    </message>
    <message id="app.label.6013">
        <source>&amp;Deliver messages now</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Entregar mensajes ahora</translation>
    </message>
    <message id="app.label.6014">
        <source>Dump &amp;statistics</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Volcar es&amp;tadísticas</translation>
    </message>
    <message id="app.label.6015">
        <source>Dump &amp;outbound queue</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Volcar la cola de &amp;salida</translation>
    </message>
    <message id="app.label.6016">
        <source>Send &amp;logfile</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Enviar el fichero de &amp;registro</translation>
    </message>
    <message id="app.label.6018">
        <source>Pack White List</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Compactar la lista blanca</translation>
    </message>
    <message id="app.label.6017">
        <source>Restart</source>
        <extracomment>Command in the &quot;Signal&quot; menu of the main window.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message id="app.label.6019">
        <source>D&amp;ocumentation</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>D&amp;ocumentación</translation>
    </message>
    <message id="app.label.6020">
        <source>&amp;Administer Morva</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Administrar Morva</translation>
    </message>
    <message id="app.label.6021">
        <source>&amp;Troubleshooting</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Solución de problemas</translation>
    </message>
    <message id="app.label.6023">
        <source>&amp;Fight Spam</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Combatir el spam</translation>
    </message>
    <message id="app.label.6024">
        <source>O&amp;perations Guide</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Guía de operación</translation>
    </message>
    <message id="app.label.6022">
        <source>Tighten &amp;Security</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Reforzar la seguridad</translation>
    </message>
    <message id="app.label.6032">
        <source>Spam &amp;report service home page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Página del servicio de &amp;denuncia de spam</translation>
    </message>
    <message id="app.label.6033">
        <source>MORVAFilter Exchange Junk-E-Mail Folder</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window.</extracomment>
        <translation>MORVAFilter para la carpeta de correo no deseado de Exchange</translation>
    </message>
    <message id="app.label.6025">
        <source>Any &amp;questions?</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>¿Alguna &amp;pregunta?</translation>
    </message>
    <message id="app.label.6000">
        <source>Brentmoor&apos;s &amp;Home Page</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Página web de &amp;Brentmoor</translation>
    </message>
    <message id="app.label.5099">
        <source>O&amp;nline Order</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Pedido en &amp;línea</translation>
    </message>
    <message id="app.label.57664">
        <source>A&amp;bout...</source>
        <extracomment>Command in the &quot;Help&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Acerca d&amp;e...</translation>
    </message>
    <message id="app.prompt.57607">
        <source>Print the log
Print (Ctrl+P)</source>
        <extracomment>Status bar prompt of the command &quot;Print...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Imprimir el registro
Imprimir (Ctrl+P)</translation>
    </message>
    <message id="app.prompt.57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>Status bar prompt of the command &quot;Print Setup...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message id="app.prompt.57665">
        <source>Quit the console
Exit</source>
        <extracomment>Status bar prompt of the command &quot;Exit&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Salir de la consola
Salir</translation>
    </message>
    <message id="app.prompt.57643">
        <source>Undo the last action
Undo</source>
        <extracomment>Status bar prompt of the command &quot;Undo&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message id="app.prompt.57635">
        <source>Cut the selection and put it on the clipboard
Cut</source>
        <extracomment>Status bar prompt of the command &quot;Cut&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Cortar la selección y ponerla en el portapapeles
Cortar</translation>
    </message>
    <message id="app.prompt.57634">
        <source>Copy the selected log lines to the clipboard
Copy</source>
        <extracomment>Status bar prompt of the command &quot;Copy&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Copiar al portapapeles las líneas seleccionadas del registro
Copiar</translation>
    </message>
    <message id="app.prompt.57637">
        <source>Insert the clipboard contents
Paste</source>
        <extracomment>Status bar prompt of the command &quot;Paste&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Insertar el contenido del portapapeles
Pegar</translation>
    </message>
    <message id="app.prompt.57636">
        <source>Find a text in the current column of the log
Find</source>
        <extracomment>Status bar prompt of the command &quot;Find&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Buscar un texto en la columna actual del registro
Buscar</translation>
    </message>
    <message id="app.prompt.6002">
        <source>Refresh
Refresh (F5)</source>
        <extracomment>Status bar prompt of the command &quot;Refresh&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Actualizar
Actualizar (F5)</translation>
    </message>
    <message id="app.prompt.6001">
        <source>Show the log view again</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Mostrar de nuevo la vista del registro</translation>
    </message>
    <message id="app.prompt.6011">
        <source>Edit E-mail domain list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail domain on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar la lista de dominios de correo de los que se encarga Exchange</translation>
    </message>
    <message id="app.prompt.6010">
        <source>Edit E-mail address list for which Exchange is responsible</source>
        <extracomment>Status bar prompt of the command &quot;E-mail address on Exchange...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar la lista de direcciones de correo de las que se encarga Exchange</translation>
    </message>
    <message id="app.prompt.6031">
        <source>Enable support for MORVAFilter or Outlook rules</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder Add-On...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Activar la compatibilidad con MORVAFilter o con reglas de Outlook</translation>
    </message>
    <message id="app.prompt.6035">
        <source>Install, start and stops Morva service</source>
        <extracomment>Status bar prompt of the command &quot;Service...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Instalar, iniciar y detener el servicio Morva</translation>
    </message>
    <message id="app.prompt.6008">
        <source>Edit forwarding of messages to alternate recipients</source>
        <extracomment>Status bar prompt of the command &quot;E-mail Forwarding...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar el reenvío de mensajes a otros destinatarios</translation>
    </message>
    <message id="app.prompt.6009">
        <source>Edit blocking of messages at the SMTP transport level</source>
        <extracomment>Status bar prompt of the command &quot;SMTP Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar el bloqueo de mensajes en el nivel de transporte SMTP</translation>
    </message>
    <message id="app.prompt.6026">
        <source>Translate an e-mail domain to another e-mail domain on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traducir un dominio de correo a otro dominio en los mensajes entrantes</translation>
    </message>
    <message id="app.prompt.6027">
        <source>Translate an e-mail mailbox to another e-mail mailbox on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traducir un buzón de correo a otro buzón en los mensajes entrantes</translation>
    </message>
    <message id="app.prompt.6028">
        <source>Translate an e-mail domain to another e-mail address on inbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain to E-mail address...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Traducir un dominio de correo a otra dirección de correo en los mensajes entrantes</translation>
    </message>
    <message id="app.prompt.6029">
        <source>Rewrites an e-mail domain to another e-mail domain on oubound messages</source>
        <extracomment>Status bar prompt of the command &quot;Domain...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Reescribe un dominio de correo a otro dominio en los mensajes salientes</translation>
    </message>
    <message id="app.prompt.6030">
        <source>Rewrites an e-mail mailbox to another e-mail mailbox on outbound messages</source>
        <extracomment>Status bar prompt of the command &quot;Mailbox...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Reescribe un buzón de correo a otro buzón en los mensajes salientes</translation>
    </message>
    <message id="app.prompt.6006">
        <source>Edit advanced configuration options</source>
        <extracomment>Status bar prompt of the command &quot;Advanced Configuration...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones de configuración avanzadas</translation>
    </message>
    <message id="app.prompt.6012">
        <source>Show the gateway&apos;s statistics</source>
        <extracomment>Status bar prompt of the command &quot;Statistic...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostrar las estadísticas de la pasarela</translation>
    </message>
    <message id="app.prompt.59392">
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar prompt of the command &quot;Toolbar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message id="app.prompt.59393">
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar prompt of the command &quot;Status Bar&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message id="app.prompt.6036">
        <source>Edit Exchange related options
General options</source>
        <extracomment>Status bar prompt of the command &quot;General...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con Exchange
Opciones generales</translation>
    </message>
    <message id="app.prompt.6037">
        <source>Edit blocking related options
Blocking options</source>
        <extracomment>Status bar prompt of the command &quot;Blocking...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones de bloqueo
Opciones de bloqueo</translation>
    </message>
    <message id="app.prompt.6038">
        <source>Edit spam related options
Spam options</source>
        <extracomment>Status bar prompt of the command &quot;Spam...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con el spam
Opciones antispam</translation>
    </message>
    <message id="app.prompt.6042">
        <source>Edit ClamAV related options</source>
        <extracomment>Status bar prompt of the command &quot;ClamAV...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con ClamAV</translation>
    </message>
    <message id="app.prompt.6039">
        <source>Edit session related options
Session options</source>
        <extracomment>Status bar prompt of the command &quot;Session...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones de sesión
Opciones de sesión</translation>
    </message>
    <message id="app.prompt.6040">
        <source>Edit system related options
System options</source>
        <extracomment>Status bar prompt of the command &quot;System...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones del sistema
Opciones del sistema</translation>
    </message>
    <message id="app.prompt.6041">
        <source>Edit virus related options
Virus options</source>
        <extracomment>Status bar prompt of the command &quot;Virus...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones antivirus
Opciones antivirus</translation>
    </message>
    <message id="app.prompt.6043">
        <source>Edit disclaimer
Transit options</source>
        <extracomment>Status bar prompt of the command &quot;Transit...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar la cláusula de exención
Opciones de tránsito</translation>
    </message>
    <message id="app.prompt.6044">
        <source>Edit exclusion lists
Global exclude</source>
        <extracomment>Status bar prompt of the command &quot;Global Exclude...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las listas de exclusión
Exclusiones globales</translation>
    </message>
    <message id="app.prompt.6045">
        <source>Edit S/MIME related options
S/MIME options</source>
        <extracomment>Status bar prompt of the command &quot;S/MIME...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con S/MIME
Opciones S/MIME</translation>
    </message>
    <message id="app.prompt.6046">
        <source>Edit DKIM related options
DKIM options</source>
        <extracomment>Status bar prompt of the command &quot;DKIM...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con DKIM
Opciones DKIM</translation>
    </message>
    <message id="app.prompt.6047">
        <source>Edit TLS related options</source>
        <extracomment>Status bar prompt of the command &quot;TLS/SSL...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Editar las opciones relacionadas con TLS</translation>
    </message>
    <message id="app.prompt.6013">
        <source>Signal GWCored to deliver all SMTP message now</source>
        <extracomment>Status bar prompt of the command &quot;Deliver messages now&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Indicar a GWCored que entregue ahora todos los mensajes SMTP</translation>
    </message>
    <message id="app.prompt.6014">
        <source>Signal GWCored to dump the statistics into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump statistics&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Indicar a GWCored que vuelque las estadísticas en el fichero de registro</translation>
    </message>
    <message id="app.prompt.6015">
        <source>Signal GWCored to dump the outbound queue into the logfile</source>
        <extracomment>Status bar prompt of the command &quot;Dump outbound queue&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Indicar a GWCored que vuelque la cola de salida en el fichero de registro</translation>
    </message>
    <message id="app.prompt.6016">
        <source>Signal GWCored to send the current logfile to the e-mail address defined as postmaster</source>
        <extracomment>Status bar prompt of the command &quot;Send logfile&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Indicar a GWCored que envíe el fichero de registro actual a la dirección de correo definida como postmaster</translation>
    </message>
    <message id="app.prompt.6018">
        <source>Signal GWCored to pack the White List (AdrOWL-A.dat). Note: This may take some time depending on the size of the list</source>
        <extracomment>Status bar prompt of the command &quot;Pack White List&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Indicar a GWCored que compacte la lista blanca (AdrOWL-A.dat). Nota: puede tardar según el tamaño de la lista</translation>
    </message>
    <message id="app.prompt.6019">
        <source>View the documentation on the web</source>
        <extracomment>Status bar prompt of the command &quot;Documentation&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver la documentación en la web</translation>
    </message>
    <message id="app.prompt.6020">
        <source>View the documentation of the options</source>
        <extracomment>Status bar prompt of the command &quot;Administer Morva&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver la documentación de las opciones</translation>
    </message>
    <message id="app.prompt.6021">
        <source>View troubleshooting database</source>
        <extracomment>Status bar prompt of the command &quot;Troubleshooting&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver la base de datos de solución de problemas</translation>
    </message>
    <message id="app.prompt.6023">
        <source>View a description how spam fighting works</source>
        <extracomment>Status bar prompt of the command &quot;Fight Spam&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver una descripción de cómo funciona la lucha contra el spam</translation>
    </message>
    <message id="app.prompt.6024">
        <source>View the recommended settings</source>
        <extracomment>Status bar prompt of the command &quot;Operations Guide&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver la configuración recomendada</translation>
    </message>
    <message id="app.prompt.6022">
        <source>View how to tighten the gateway&apos;s security</source>
        <extracomment>Status bar prompt of the command &quot;Tighten Security&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Ver cómo reforzar la seguridad de la pasarela</translation>
    </message>
    <message id="app.prompt.6032">
        <source>Open the home page of the spam report service</source>
        <extracomment>Status bar prompt of the command &quot;Spam report service home page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Abrir la página del servicio de denuncia de spam</translation>
    </message>
    <message id="app.prompt.6033">
        <source>Open the home page of the MORVAFilter add-on</source>
        <extracomment>Status bar prompt of the command &quot;MORVAFilter Exchange Junk-E-Mail Folder&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Abrir la página del complemento MORVAFilter</translation>
    </message>
    <message id="app.prompt.6025">
        <source>Create a support request</source>
        <extracomment>Status bar prompt of the command &quot;Any questions?&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Crear una solicitud de soporte</translation>
    </message>
    <message id="app.prompt.6000">
        <source>Open Brentmoor&apos;s home page</source>
        <extracomment>Status bar prompt of the command &quot;Brentmoor&apos;s Home Page&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Abrir la página web de Brentmoor</translation>
    </message>
    <message id="app.prompt.5099">
        <source>Order Morva online</source>
        <extracomment>Status bar prompt of the command &quot;Online Order&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Pedir Morva en línea</translation>
    </message>
    <message id="app.prompt.57664">
        <source>Show the program&apos;s version and maker
About</source>
        <extracomment>Status bar prompt of the command &quot;About...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Mostrar la versión y el fabricante del programa
Acerca de</translation>
    </message>
    <message id="app.prompt.6007">
        <source>Create a new entry
New</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Crear una entrada nueva
Nuevo</translation>
    </message>
    <message id="app.prompt.6003">
        <source>Open the selected entry
Open (Enter)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Abrir la entrada seleccionada
Abrir (Intro)</translation>
    </message>
    <message id="app.prompt.6004">
        <source>Delete the selected entry
Delete (Del)</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Eliminar la entrada seleccionada
Eliminar (Supr)</translation>
    </message>
    <message id="app.prompt.57345">
        <source>Ready</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Listo</translation>
    </message>
    <message id="app.prompt.59142">
        <source>Locked</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>Bloqueado</translation>
    </message>
    <message id="app.prompt.59137">
        <source>CAP</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>MAYÚS</translation>
    </message>
    <message id="app.prompt.59138">
        <source>NUM</source>
        <extracomment>Status bar prompt of a toolbar button; the line after the line break is its tool tip.</extracomment>
        <translation>NUM</translation>
    </message>
    <message id="app.versionMismatch">
        <source>Version of GWConsole (%1) does not match the version of GWCored (%2)</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>La versión de GWConsole (%1) no coincide con la versión de GWCored (%2)</translation>
    </message>
    <message id="app.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>¡No es posible iniciar su navegador WWW!</translation>
    </message>
    <message id="app.createWindowFailed">
        <source>Unable to create window: </source>
        <translation>No es posible crear la ventana: </translation>
    </message>
    <message id="app.createDialogFailed">
        <source>Unable to create dialog box: </source>
        <translation>No es posible crear el cuadro de diálogo: </translation>
    </message>
    <message id="app.printing">
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
</context>
<context>
    <name>app: log view, find, message boxes, About box</name>
    <message id="app.button.ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="app.button.yes">
        <source>&amp;Yes</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Sí</translation>
    </message>
    <message id="app.button.no">
        <source>&amp;No</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message id="app.button.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="app.log.time">
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message id="app.log.thread">
        <source>Thread</source>
        <translation>Hilo</translation>
    </message>
    <message id="app.log.activity">
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message id="app.log.openWith">
        <source>Open with the associated program</source>
        <translation>Abrir con el programa asociado</translation>
    </message>
    <message id="app.log.openFailed">
        <source>Unable to open the log file with the associated program:</source>
        <translation>No se puede abrir el archivo de registro con el programa asociado:</translation>
    </message>
    <message id="app.find.caption">
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message id="app.find.what">
        <source>Fi&amp;nd what:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Buscar:</translation>
    </message>
    <message id="app.find.next">
        <source>&amp;Find Next</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message id="app.find.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="app.find.notFound">
        <source>The text was not found in this column.</source>
        <translation>No se encontró el texto en esta columna.</translation>
    </message>
    <message id="app.find.wrapped">
        <source>End of the column reached; continued from the top.</source>
        <translation>Se alcanzó el final de la columna; se continuó desde el principio.</translation>
    </message>
    <message id="app.find.noData">
        <source>Unable to find valid data in this column!</source>
        <translation>¡No se encuentran datos válidos en esta columna!</translation>
    </message>
    <message id="app.printFailed">
        <source>Print Error: the log could not be printed.</source>
        <translation>Error de impresión: no se pudo imprimir el registro.</translation>
    </message>
    <message id="app.log.following">
        <source>Following</source>
        <translation>Siguiendo</translation>
    </message>
    <message id="app.log.paused">
        <source>Paused, %1 new lines</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>En pausa, %1 líneas nuevas</translation>
    </message>
    <message id="app.logFilter.placeholder">
        <source>Filter: words, -word to leave out, "a phrase"</source>
        <extracomment>Placeholder of the log view's filter field; keep the quotes and the minus sign.</extracomment>
        <translation>Filtro: palabras, -palabra para excluir, "una frase"</translation>
    </message>
    <message id="app.logFilter.help">
        <source>A row must contain every word, in any case; -word leaves rows out; "a phrase" is one term. Escape clears the filter.</source>
        <extracomment>Tool tip of the log view's filter field.</extracomment>
        <translation>Una fila debe contener todas las palabras, sin distinguir mayúsculas; -palabra excluye filas; "una frase" es un solo término. Esc borra el filtro.</translation>
    </message>
    <message id="app.logFilter.regex">
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message id="app.logFilter.onlyMatching">
        <source>Only matching lines</source>
        <translation>Solo filas coincidentes</translation>
    </message>
    <message id="app.logFilter.highlight">
        <source>Highlight matches</source>
        <translation>Resaltar coincidencias</translation>
    </message>
    <message id="app.logFilter.rejections">
        <source>Rejected</source>
        <extracomment>Legend of the log colours: rejections and blocks.</extracomment>
        <translation>Rechazado</translation>
    </message>
    <message id="app.logFilter.deliveries">
        <source>Delivered</source>
        <extracomment>Legend of the log colours: deliveries.</extracomment>
        <translation>Entregado</translation>
    </message>
    <message id="app.logFilter.viruses">
        <source>Virus</source>
        <extracomment>Legend of the log colours: virus findings.</extracomment>
        <translation>Virus</translation>
    </message>
    <message id="app.logFilter.problems">
        <source>Errors</source>
        <extracomment>Legend of the log colours: errors and warnings of the gateway.</extracomment>
        <translation>Errores</translation>
    </message>
    <message id="app.logFilter.connections">
        <source>Connections</source>
        <extracomment>Legend of the log colours: connections.</extracomment>
        <translation>Conexiones</translation>
    </message>
    <message id="app.logFilter.legendTip">
        <source>Show only the rows of this colour; click again to show all</source>
        <translation>Mostrar solo las filas de este color; pulse de nuevo para mostrar todas</translation>
    </message>
    <message id="app.logFilter.close">
        <source>Close the filter bar and clear the filter</source>
        <translation>Cerrar la barra de filtro y borrar el filtro</translation>
    </message>
    <message id="app.logFilter.count">
        <source>%1 of %2 rows</source>
        <extracomment>%1 rows shown, %2 rows kept; keep both.</extracomment>
        <translation>%1 de %2 filas</translation>
    </message>
    <message id="app.logFilter.badRegex">
        <source>Invalid regular expression: %1</source>
        <extracomment>%1 is the reason (in English); keep it.</extracomment>
        <translation>Expresión regular no válida: %1</translation>
    </message>
    <message id="app.logFilter.show">
        <source>Filter...</source>
        <translation>Filtrar...</translation>
    </message>
    <message id="app.logFilter.onlyThread">
        <source>Only thread %1</source>
        <extracomment>%1 is a session thread number; keep it.</extracomment>
        <translation>Solo el hilo %1</translation>
    </message>
    <message id="app.logFilter.copyVisible">
        <source>Copy the rows shown</source>
        <translation>Copiar las filas mostradas</translation>
    </message>
    <message id="app.logFilter.export">
        <source>Export the rows shown...</source>
        <translation>Exportar las filas mostradas...</translation>
    </message>
    <message id="app.logFilter.openOlder">
        <source>Open an older log...</source>
        <translation>Abrir un registro anterior...</translation>
    </message>
    <message id="app.logFilter.backToLive">
        <source>Back to the live log</source>
        <translation>Volver al registro actual</translation>
    </message>
    <message id="app.logFilter.cancel">
        <source>Cancel</source>
        <extracomment>Stops reading an older log file.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message id="app.logFilter.shownFile">
        <source>%1 (read-only)</source>
        <extracomment>%1 is the path of the log file shown; keep it.</extracomment>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message id="app.logFilter.readFailed">
        <source>Unable to read %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>No es posible leer %1: %2.</translation>
    </message>
    <message id="app.logFilter.exportFailed">
        <source>Unable to write %1: %2.</source>
        <extracomment>%1 is a file, %2 the reason; keep both.</extracomment>
        <translation>No es posible escribir %1: %2.</translation>
    </message>
    <message id="app.logFilter.logFiles">
        <source>Log files</source>
        <translation>Archivos de registro</translation>
    </message>
    <message id="app.logFilter.allFiles">
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message id="app.logFilter.csvFiles">
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message id="app.logFilter.textFiles">
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message id="app.iniUnreadable">
        <source>Unable to read %1: %2.
The console shows the default settings and saves no changes until the file can be read. Correct the problem and start the console again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>No se puede leer %1: %2.
La consola muestra la configuración predeterminada y no guarda cambios hasta que el archivo se pueda leer. Corrija el problema y vuelva a iniciar la consola.</translation>
    </message>
    <message id="app.fileError.accessDenied">
        <source>access denied</source>
        <translation>acceso denegado</translation>
    </message>
    <message id="app.fileError.inUse">
        <source>the file is in use by another program</source>
        <translation>otro programa está usando el archivo</translation>
    </message>
    <message id="app.fileError.isDirectory">
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message id="app.fileError.other">
        <source>read error</source>
        <translation>error de lectura</translation>
    </message>
    <message id="app.about.caption">
        <source>About Morva Admin</source>
        <translation>Acerca de Morva Admin</translation>
    </message>
    <message id="app.about.copyright">
        <source>Administration console of the Morva mail gateway</source>
        <translation>Consola de administración de la pasarela de correo Morva</translation>
    </message>
    <message id="app.about.web">
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message id="app.about.support">
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
</context>
<context>
    <name>confui: framework and the sheets of the General, Blocking and Spam menus</name>
    <message id="confui.unableToWrite">
        <source>Unable to write morva.ini!
Either the file is write protected or it was changed manually or through GWCored.
Restart GWConsole and retry the operation.</source>
        <translation>¡No se puede escribir morva.ini!
El archivo está protegido contra escritura o se ha modificado manualmente o mediante GWCored.
Reinicie GWConsole y vuelva a intentar la operación.</translation>
    </message>
    <message id="confui.savedNotDurable">
        <source>The settings were written to morva.ini, but the system did not confirm that they are safely stored on disk.
If the computer stops unexpectedly, the previous settings may come back. Check the disk and save again.</source>
        <translation>La configuración se ha escrito en morva.ini, pero el sistema no ha confirmado que esté guardada de forma segura en el disco.
Si el equipo se detiene de forma inesperada, puede volver la configuración anterior. Compruebe el disco y guarde de nuevo.</translation>
    </message>
    <message id="confui.notEightBitText">
        <source>%1 is not saved: it is stored as %2, and the console reads and writes 8-bit text only, so a save would lose its settings. Save the file as 8-bit (ANSI) text and try again.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>%1 no se guarda: está almacenado como %2, y la consola solo lee y escribe texto de 8 bits, por lo que al guardar se perderían sus parámetros. Guarde el fichero como texto de 8 bits (ANSI) e inténtelo de nuevo.</translation>
    </message>
    <message id="confui.encoding.utf16">
        <source>UTF-16 text</source>
        <translation>texto UTF-16</translation>
    </message>
    <message id="confui.encoding.binary">
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message id="confui.addOnRequired">
        <source>&apos;Mark subject and move to Junk-E-Mail folder&apos; action is not allowed unless the MORVAFilter Add-On is installed</source>
        <translation>La acción &apos;Marcar el asunto y mover a la carpeta Correo no deseado&apos; solo se permite si el complemento MORVAFilter está instalado</translation>
    </message>
    <message id="confui.browserFailed">
        <source>Unable to start your WWW browser!</source>
        <translation>¡No se puede iniciar su navegador WWW!</translation>
    </message>
    <message id="confui.noItemSelected">
        <source>No item selected!</source>
        <translation>¡No hay ningún elemento seleccionado!</translation>
    </message>
    <message id="confui.deleteSelected">
        <source>Delete selected items</source>
        <translation>Eliminar los elementos seleccionados</translation>
    </message>
    <message id="confui.blankField">
        <source>Blank field is not allowed!</source>
        <translation>¡No se permite un campo vacío!</translation>
    </message>
    <message id="confui.invalidEmail">
        <source>Please enter a valid SMTP address!</source>
        <translation>¡Introduzca una dirección SMTP válida!</translation>
    </message>
    <message id="confui.emailFormat">
        <source>Format is </source>
        <translation>El formato es </translation>
    </message>
    <message id="confui.emailSample">
        <source>user@domain.com</source>
        <translation>usuario@dominio.es</translation>
    </message>
    <message id="confui.invalidIp">
        <source>Please enter a valid IP address!
Format is xxx.xxx.xxx.xxx</source>
        <translation>¡Introduzca una dirección IP válida!
El formato es xxx.xxx.xxx.xxx</translation>
    </message>
    <message id="confui.invalidNetwork">
        <source>Please enter a valid IP address or network!
Format is xxx.xxx.xxx.xxx, xxx.xxx. or xxx.xxx.xxx.xxx/nn</source>
        <translation>¡Introduzca una dirección o red IP válida!
El formato es xxx.xxx.xxx.xxx, xxx.xxx. o xxx.xxx.xxx.xxx/nn</translation>
    </message>
    <message id="confui.directoryNotFound">
        <source>Directory %1 not found!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡Directorio %1 no encontrado!</translation>
    </message>
    <message id="confui.continue">
        <source>Would you like to continue</source>
        <translation>¿Desea continuar</translation>
    </message>
    <message id="confui.numberRange">
        <source>Please enter a number between %1 and %2!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>¡Introduzca un número entre %1 y %2!</translation>
    </message>
    <message id="confui.dialogFailed">
        <source>Unable to create dialog box:</source>
        <translation>No se puede crear el cuadro de diálogo:</translation>
    </message>
    <message id="confui.button.ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="confui.button.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="confui.button.apply">
        <source>&amp;Apply</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Aplicar</translation>
    </message>
    <message id="confui.button.help">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="confui.button.back">
        <source>&lt; &amp;Back</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message id="confui.button.next">
        <source>&amp;Next &gt;</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message id="confui.button.finish">
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message id="confui.button.new">
        <source>&amp;New...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message id="confui.button.edit">
        <source>&amp;Edit...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Editar...</translation>
    </message>
    <message id="confui.button.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;liminar</translation>
    </message>
    <message id="confui.button.browse">
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message id="confui.exclude.button">
        <source>E&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xclusiones...</translation>
    </message>
    <message id="confui.addCommon">
        <source>Add &amp;Common</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Añadir &amp;comunes</translation>
    </message>
    <message id="confui.tooltipKey">
        <source>Key in Morva.ini: %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Clave en Morva.ini: %1</translation>
    </message>
    <message id="confui.resetToDefault">
        <source>Reset to &amp;default</source>
        <extracomment>Context menu of a control on a configuration page: puts the value back to the setting&apos;s default. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Restablecer el valor pre&amp;determinado</translation>
    </message>
    <message id="confui.tooltipDefault">
        <source>Default: %1</source>
        <extracomment>Second line of the tooltip of a control on a configuration page. %1 is replaced at run time by the default value; keep it.</extracomment>
        <translation>Predeterminado: %1</translation>
    </message>
    <message id="confui.defaultTicked">
        <source>ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>marcado</translation>
    </message>
    <message id="confui.defaultUnticked">
        <source>not ticked</source>
        <extracomment>Default of a checkbox, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>no marcado</translation>
    </message>
    <message id="confui.defaultEmpty">
        <source>empty</source>
        <extracomment>Default of a text field or a list that is empty, shown as %1 of confui.tooltipDefault.</extracomment>
        <translation>vacío</translation>
    </message>
    <message id="confui.column.value">
        <source>Entry</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Entrada</translation>
    </message>
    <message id="confui.column.comment">
        <source>Comment</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Comentario</translation>
    </message>
    <message id="confui.column.user">
        <source>User</source>
        <extracomment>Column header of a list.</extracomment>
        <translation>Usuario</translation>
    </message>
    <message id="confui.noBlanks">
        <source>Blanks are not allowed in this field!</source>
        <translation>¡No se permiten espacios en este campo!</translation>
    </message>
    <message id="confui.edit.notAChoice">
        <source>Please choose a value from the list!</source>
        <translation>¡Elija un valor de la lista!</translation>
    </message>
    <message id="confui.comment">
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message id="confui.pickPath">
        <source>Choose a folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message id="confui.unknownValue">
        <source>Other value (%1)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Otro valor (%1)</translation>
    </message>
    <message id="confui.action.label">
        <source>Action:</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Acción:</translation>
    </message>
    <message id="confui.action.inbound">
        <source>Inbound action:</source>
        <translation>Acción entrante:</translation>
    </message>
    <message id="confui.action.outbound">
        <source>Outbound action:</source>
        <translation>Acción saliente:</translation>
    </message>
    <message id="confui.action.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Descartar el mensaje</translation>
    </message>
    <message id="confui.action.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsular y reenviar al postmaster</translation>
    </message>
    <message id="confui.action.2">
        <source>Encapsulate and send to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsular y enviar al destinatario</translation>
    </message>
    <message id="confui.action.3">
        <source>Encapsulate and send to recipient without attachments</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Encapsular y enviar al destinatario sin archivos adjuntos</translation>
    </message>
    <message id="confui.action.4">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Enviar un informe de no entrega al remitente</translation>
    </message>
    <message id="confui.action.5">
        <source>Mark subject and move to Junk-E-Mail folder</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Marcar el asunto y mover a la carpeta Correo no deseado</translation>
    </message>
    <message id="confui.action.6">
        <source>Forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Reenviar al postmaster</translation>
    </message>
    <message id="confui.action.7">
        <source>Mark subject</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Marcar el asunto</translation>
    </message>
    <message id="confui.action.8">
        <source>Forward to recipient</source>
        <extracomment>Choice of the action taken on a blocked message.</extracomment>
        <translation>Reenviar al destinatario</translation>
    </message>
    <message id="confui.outAction.0">
        <source>Discard message</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Descartar el mensaje</translation>
    </message>
    <message id="confui.outAction.1">
        <source>Encapsulate and forward to postmaster</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Encapsular y reenviar al postmaster</translation>
    </message>
    <message id="confui.outAction.2">
        <source>Send a non-delivery report to the sender</source>
        <extracomment>Choice of the action taken on a blocked outbound message.</extracomment>
        <translation>Enviar un informe de no entrega al remitente</translation>
    </message>
    <message id="confui.common.user">
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message id="confui.common.password">
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message id="confui.common.path">
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message id="confui.common.purgeDays">
        <source>Delete files older than (days):</source>
        <translation>Eliminar archivos con más de (días):</translation>
    </message>
    <message id="confui.common.program">
        <source>Program:</source>
        <translation>Programa:</translation>
    </message>
    <message id="confui.common.arguments">
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message id="confui.common.programVerbose">
        <source>Log the program&apos;s output</source>
        <translation>Registrar la salida del programa</translation>
    </message>
    <message id="confui.common.smtpLevel">
        <source>Reject during the SMTP session</source>
        <translation>Rechazar durante la sesión SMTP</translation>
    </message>
    <message id="confui.common.verbose">
        <source>Detailed logging</source>
        <translation>Registro detallado</translation>
    </message>
    <message id="confui.common.inbound">
        <source>Inbound</source>
        <translation>Entrante</translation>
    </message>
    <message id="confui.common.outbound">
        <source>Outbound</source>
        <translation>Saliente</translation>
    </message>
    <message id="confui.common.caseSensitive">
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message id="confui.edit.ip">
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message id="confui.edit.ip.value">
        <source>IP address or network:</source>
        <translation>Dirección o red IP:</translation>
    </message>
    <message id="confui.edit.host">
        <source>Hostname</source>
        <translation>Nombre de host</translation>
    </message>
    <message id="confui.edit.host.value">
        <source>Host name:</source>
        <translation>Nombre de host:</translation>
    </message>
    <message id="confui.edit.adr">
        <source>E-mail address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message id="confui.edit.adr.value">
        <source>E-mail address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
    <message id="confui.edit.subj">
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message id="confui.edit.subj.value">
        <source>Subject:</source>
        <translation>Asunto:</translation>
    </message>
    <message id="confui.edit.text">
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message id="confui.edit.text.value">
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message id="confui.edit.att">
        <source>Attachment</source>
        <translation>Archivo adjunto</translation>
    </message>
    <message id="confui.edit.att.value">
        <source>File name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message id="confui.edit.hdr">
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message id="confui.edit.hdr.value">
        <source>Header line:</source>
        <translation>Línea de encabezado:</translation>
    </message>
    <message id="confui.edit.charset">
        <source>Charset</source>
        <translation>Juego de caracteres</translation>
    </message>
    <message id="confui.edit.charset.value">
        <source>Character set:</source>
        <translation>Juego de caracteres:</translation>
    </message>
    <message id="confui.edit.sls">
        <source>Spam Lookup Service</source>
        <translation>Servicio de consulta de spam</translation>
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
        <translation>Usuario/Contraseña</translation>
    </message>
    <message id="confui.edit.userpass.value">
        <source>User and password:</source>
        <translation>Usuario y contraseña:</translation>
    </message>
    <message id="confui.language.auto">
        <source>Auto Detect</source>
        <translation>Detección automática</translation>
    </message>
    <message id="confui.language.eng">
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message id="confui.language.deu">
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message id="confui.language.fra">
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message id="confui.language.ita">
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message id="confui.language.spa">
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message id="confui.sheet.general">
        <source>Options - General</source>
        <translation>Opciones - General</translation>
    </message>
    <message id="confui.sheet.blocking">
        <source>Options - Blocking</source>
        <translation>Opciones - Bloqueo</translation>
    </message>
    <message id="confui.sheet.spam">
        <source>Options - Spam</source>
        <translation>Opciones - Spam</translation>
    </message>
    <message id="confui.sheet.fallback">
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message id="confui.sheet.exclude">
        <source>Exclude</source>
        <translation>Exclusiones</translation>
    </message>
    <message id="confui.page.IniStd">
        <source>Exchange</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exchange</translation>
    </message>
    <message id="confui.page.IniLog">
        <source>Logfiles</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Archivos de registro</translation>
    </message>
    <message id="confui.page.IniHist">
        <source>History</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Historial</translation>
    </message>
    <message id="confui.page.IniStat">
        <source>Statistic</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message id="confui.page.IniCon">
        <source>Connections</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Conexiones</translation>
    </message>
    <message id="confui.page.IniRel">
        <source>Relay</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Retransmisión</translation>
    </message>
    <message id="confui.page.IniAuth">
        <source>Authentication</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Autenticación</translation>
    </message>
    <message id="confui.page.IniAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avanzado</translation>
    </message>
    <message id="confui.IniStd.Postmaster">
        <source>Postmaster e-mail address:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting Postmaster of Morva.ini.</extracomment>
        <translation>Dirección de correo del postmaster:</translation>
    </message>
    <message id="confui.IniStd.ExchHost">
        <source>Exchange server (name or IP address):</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchHost of Morva.ini.</extracomment>
        <translation>Servidor Exchange (nombre o dirección IP):</translation>
    </message>
    <message id="confui.IniStd.ExchOutboundPort">
        <source>SMTP port of the Exchange server:</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting ExchOutboundPort of Morva.ini.</extracomment>
        <translation>Puerto SMTP del servidor Exchange:</translation>
    </message>
    <message id="confui.IniStd.InboundSMTPAutoDisableOnExchHostError">
        <source>Stop accepting inbound mail while the Exchange server cannot be reached</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting InboundSMTPAutoDisableOnExchHostError of Morva.ini.</extracomment>
        <translation>No aceptar correo entrante mientras no se pueda acceder al servidor Exchange</translation>
    </message>
    <message id="confui.IniStd.authGroup">
        <source>Authentication at the Exchange server</source>
        <translation>Autenticación en el servidor Exchange</translation>
    </message>
    <message id="confui.IniStd.OutboundExchAuth">
        <source>Log on to the Exchange server</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting OutboundExchAuth of Morva.ini.</extracomment>
        <translation>Iniciar sesión en el servidor Exchange</translation>
    </message>
    <message id="confui.IniStd.NewVersionDSN">
        <source>Notify the postmaster when a new version is available</source>
        <extracomment>On the page &quot;Exchange&quot;: the setting NewVersionDSN of Morva.ini.</extracomment>
        <translation>Avisar al postmaster cuando haya una nueva versión</translation>
    </message>
    <message id="confui.IniLog.LogPath">
        <source>Log file folder:</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Carpeta de los archivos de registro:</translation>
    </message>
    <message id="confui.IniLog.WriteLogFile">
        <source>Write log files</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting WriteLogFile of Morva.ini.</extracomment>
        <translation>Escribir archivos de registro</translation>
    </message>
    <message id="confui.IniLog.detailGroup">
        <source>Logging details</source>
        <translation>Detalles del registro</translation>
    </message>
    <message id="confui.IniLog.Verbose">
        <source>Detailed log</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registro detallado</translation>
    </message>
    <message id="confui.IniLog.VerboseTransfer">
        <source>Log every transfer</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting VerboseTransfer of Morva.ini.</extracomment>
        <translation>Registrar cada transferencia</translation>
    </message>
    <message id="confui.IniLog.DumpSMTPHeader">
        <source>Log the SMTP headers</source>
        <extracomment>On the page &quot;Logfiles&quot;: the setting DumpSMTPHeader of Morva.ini.</extracomment>
        <translation>Registrar los encabezados SMTP</translation>
    </message>
    <message id="confui.IniHist.KeepMessageFile">
        <source>Keep a copy of every message</source>
        <extracomment>On the page &quot;History&quot;: the setting KeepMessageFile of Morva.ini.</extracomment>
        <translation>Conservar una copia de cada mensaje</translation>
    </message>
    <message id="confui.IniHist.HistPath">
        <source>History folder:</source>
        <extracomment>On the page &quot;History&quot;: the setting HistPath of Morva.ini.</extracomment>
        <translation>Carpeta del historial:</translation>
    </message>
    <message id="confui.IniStat.generalGroup">
        <source>Statistic</source>
        <translation>Estadísticas</translation>
    </message>
    <message id="confui.IniStat.WriteStatisticFile">
        <source>Write statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteStatisticFile of Morva.ini.</extracomment>
        <translation>Escribir archivos de estadísticas</translation>
    </message>
    <message id="confui.IniStat.spamGroup">
        <source>Spam statistic</source>
        <translation>Estadísticas de spam</translation>
    </message>
    <message id="confui.IniStat.WriteSpamStatisticFile">
        <source>Write spam statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSpamStatisticFile of Morva.ini.</extracomment>
        <translation>Escribir archivos de estadísticas de spam</translation>
    </message>
    <message id="confui.IniStat.sendGroup">
        <source>Send statistic</source>
        <translation>Estadísticas de envío</translation>
    </message>
    <message id="confui.IniStat.WriteSendStatisticFile">
        <source>Write send statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteSendStatisticFile of Morva.ini.</extracomment>
        <translation>Escribir archivos de estadísticas de envío</translation>
    </message>
    <message id="confui.IniStat.virusGroup">
        <source>Virus statistic</source>
        <translation>Estadísticas de virus</translation>
    </message>
    <message id="confui.IniStat.WriteVirusStatisticFile">
        <source>Write virus statistic files</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting WriteVirusStatisticFile of Morva.ini.</extracomment>
        <translation>Escribir archivos de estadísticas de virus</translation>
    </message>
    <message id="confui.IniStat.StatisticFileLongDate">
        <source>Use the long date in statistic file names</source>
        <extracomment>On the page &quot;Statistic&quot;: the setting StatisticFileLongDate of Morva.ini.</extracomment>
        <translation>Usar la fecha larga en los nombres de los archivos de estadísticas</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPSendTyp">
        <source>Delivery of outbound mail:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPSendTyp of Morva.ini.</extracomment>
        <translation>Entrega del correo saliente:</translation>
    </message>
    <message id="confui.IniCon.sendTyp0">
        <source>Relay all messages through the smart host</source>
        <translation>Retransmitir todos los mensajes a través del smart host</translation>
    </message>
    <message id="confui.IniCon.sendTyp1">
        <source>Use DNS to send all messages direct to the recipients mail server</source>
        <translation>Usar DNS para enviar todos los mensajes directamente al servidor de correo del destinatario</translation>
    </message>
    <message id="confui.IniCon.sendTyp2">
        <source>Use smart host only if direct connection fails</source>
        <translation>Usar el smart host solo si falla la conexión directa</translation>
    </message>
    <message id="confui.IniCon.SmartHost">
        <source>Smart host:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting SmartHost of Morva.ini.</extracomment>
        <translation>Smart host:</translation>
    </message>
    <message id="confui.IniCon.NameServer">
        <source>DNS server:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting NameServer of Morva.ini.</extracomment>
        <translation>Servidor DNS:</translation>
    </message>
    <message id="confui.IniCon.authGroup">
        <source>Authentication at the smart host</source>
        <translation>Autenticación en el smart host</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPAuth">
        <source>Log on to the smart host</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPAuth of Morva.ini.</extracomment>
        <translation>Iniciar sesión en el smart host</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPAutoDisableOnSmartHostError">
        <source>Stop accepting inbound mail while the smart host cannot be reached</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPAutoDisableOnSmartHostError of Morva.ini.</extracomment>
        <translation>No aceptar correo entrante mientras no se pueda acceder al smart host</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxConnections">
        <source>Maximum inbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Conexiones entrantes máximas:</translation>
    </message>
    <message id="confui.IniCon.InboundSMTPMaxSendToMessage">
        <source>Maximum recipients per message:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting InboundSMTPMaxSendToMessage of Morva.ini.</extracomment>
        <translation>Destinatarios máximos por mensaje:</translation>
    </message>
    <message id="confui.IniCon.OutboundSMTPMaxConnections">
        <source>Maximum outbound connections:</source>
        <extracomment>On the page &quot;Connections&quot;: the setting OutboundSMTPMaxConnections of Morva.ini.</extracomment>
        <translation>Conexiones salientes máximas:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelay">
        <source>Allow relaying for the hosts and addresses below</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelay of Morva.ini.</extracomment>
        <translation>Permitir la retransmisión para los hosts y direcciones siguientes</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayReservedIP">
        <source>Allow relaying for reserved (private) IP addresses</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayReservedIP of Morva.ini.</extracomment>
        <translation>Permitir la retransmisión para direcciones IP reservadas (privadas)</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAuthUsers">
        <source>Allow relaying for authenticated users</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAuthUsers of Morva.ini.</extracomment>
        <translation>Permitir la retransmisión para usuarios autenticados</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowHost">
        <source>Hosts allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowHost of Morva.ini.</extracomment>
        <translation>Hosts autorizados a retransmitir:</translation>
    </message>
    <message id="confui.IniRel.SMTPRelayAllowIP">
        <source>IP addresses allowed to relay:</source>
        <extracomment>On the page &quot;Relay&quot;: the setting SMTPRelayAllowIP of Morva.ini.</extracomment>
        <translation>Direcciones IP autorizadas a retransmitir:</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthType">
        <source>Inbound SMTP authentication:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthType of Morva.ini.</extracomment>
        <translation>Autenticación SMTP entrante:</translation>
    </message>
    <message id="confui.IniAuth.type0">
        <source>No inbound SMTP authentication</source>
        <translation>Sin autenticación SMTP entrante</translation>
    </message>
    <message id="confui.IniAuth.type1">
        <source>Enable inbound SMTP authentication using User/Pass</source>
        <translation>Activar la autenticación SMTP entrante con usuario/contraseña</translation>
    </message>
    <message id="confui.IniAuth.type2">
        <source>Enable inbound SMTP authentication using pass-through NTLM logon</source>
        <translation>Activar la autenticación SMTP entrante con inicio de sesión NTLM transferido</translation>
    </message>
    <message id="confui.IniAuth.type3">
        <source>Enable inbound SMTP authentication using a SMTP query to Exchange</source>
        <translation>Activar la autenticación SMTP entrante mediante una consulta SMTP a Exchange</translation>
    </message>
    <message id="confui.IniAuth.type4">
        <source>Enable inbound SMTP authentication using an external program</source>
        <translation>Activar la autenticación SMTP entrante mediante un programa externo</translation>
    </message>
    <message id="confui.IniAuth.programGroup">
        <source>External program</source>
        <translation>Programa externo</translation>
    </message>
    <message id="confui.IniAuth.userGroup">
        <source>Users and passwords</source>
        <translation>Usuarios y contraseñas</translation>
    </message>
    <message id="confui.IniAuth.InboundSMTPAuthUserPass">
        <source>Accepted users:</source>
        <extracomment>On the page &quot;Authentication&quot;: the setting InboundSMTPAuthUserPass of Morva.ini.</extracomment>
        <translation>Usuarios aceptados:</translation>
    </message>
    <message id="confui.IniAuth.queryGroup">
        <source>Account for the query to Exchange</source>
        <translation>Cuenta para la consulta a Exchange</translation>
    </message>
    <message id="confui.IniAdv.queueGroup">
        <source>Queues (seconds)</source>
        <translation>Colas (segundos)</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalExpire">
        <source>Outbound SMTP messages expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Los mensajes SMTP salientes caducan tras:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundDSNExpire">
        <source>Outbound reports expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundDSNExpire of Morva.ini.</extracomment>
        <translation>Los informes salientes caducan tras:</translation>
    </message>
    <message id="confui.IniAdv.SMTPOutboundNormalNextTry">
        <source>Retry outbound SMTP delivery every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SMTPOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Reintentar la entrega SMTP saliente cada:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalExpire">
        <source>Messages to Exchange expire after:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalExpire of Morva.ini.</extracomment>
        <translation>Los mensajes a Exchange caducan tras:</translation>
    </message>
    <message id="confui.IniAdv.ExchOutboundNormalNextTry">
        <source>Retry delivery to Exchange every:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting ExchOutboundNormalNextTry of Morva.ini.</extracomment>
        <translation>Reintentar la entrega a Exchange cada:</translation>
    </message>
    <message id="confui.IniAdv.limitGroup">
        <source>Size limits (KB, 0 = no limit)</source>
        <translation>Límites de tamaño (KB, 0 = ninguno)</translation>
    </message>
    <message id="confui.IniAdv.InboundSizeLimit">
        <source>Inbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting InboundSizeLimit of Morva.ini.</extracomment>
        <translation>Mensajes entrantes:</translation>
    </message>
    <message id="confui.IniAdv.OutboundSizeLimit">
        <source>Outbound messages:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting OutboundSizeLimit of Morva.ini.</extracomment>
        <translation>Mensajes salientes:</translation>
    </message>
    <message id="confui.IniAdv.CheckExchange">
        <source>Check the connection to the Exchange server at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckExchange of Morva.ini.</extracomment>
        <translation>Comprobar la conexión con el servidor Exchange al iniciar</translation>
    </message>
    <message id="confui.IniAdv.CheckOnAccessScanner">
        <source>Check the on-access virus scanner at start-up</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting CheckOnAccessScanner of Morva.ini.</extracomment>
        <translation>Comprobar el analizador antivirus en acceso al iniciar</translation>
    </message>
    <message id="confui.IniAdv.Language">
        <source>Language of the console:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Idioma de la consola:</translation>
    </message>
    <message id="confui.page.ExclIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message id="confui.page.ExclHost">
        <source>Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Host</translation>
    </message>
    <message id="confui.page.ExclFrom">
        <source>MAIL FROM: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MAIL FROM: dirección de correo</translation>
    </message>
    <message id="confui.page.ExclTo">
        <source>RCPT TO: e-mail address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>RCPT TO: dirección de correo</translation>
    </message>
    <message id="confui.ExclIP.list">
        <source>Connections from these IP addresses and networks are excluded:</source>
        <translation>Se excluyen las conexiones desde estas direcciones y redes IP:</translation>
    </message>
    <message id="confui.ExclHost.list">
        <source>Connections from these host names are excluded:</source>
        <translation>Se excluyen las conexiones desde estos nombres de host:</translation>
    </message>
    <message id="confui.ExclFrom.list">
        <source>Messages from these senders are excluded:</source>
        <translation>Se excluyen los mensajes de estos remitentes:</translation>
    </message>
    <message id="confui.ExclTo.list">
        <source>Messages to these recipients are excluded:</source>
        <translation>Se excluyen los mensajes para estos destinatarios:</translation>
    </message>
    <message id="confui.sheet.addOn">
        <source>MORVAFilter Exchange Junk-E-Mail Folder Add-On</source>
        <translation>Complemento MORVAFilter para la carpeta Correo no deseado de Exchange</translation>
    </message>
    <message id="confui.page.MVFInt">
        <source>Change of the default action</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Cambio de la acción predeterminada</translation>
    </message>
    <message id="confui.page.MVFQry">
        <source>MORVAFilter</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>MORVAFilter</translation>
    </message>
    <message id="confui.MVFInt.notice">
        <source>The default action of some methods was changed from &apos;Mark subject and move to Junk-E-Mail folder&apos; to &apos;Mark subject&apos;.</source>
        <translation>La acción predeterminada de algunos métodos ha cambiado de &apos;Marcar el asunto y mover a la carpeta Correo no deseado&apos; a &apos;Marcar el asunto&apos;.</translation>
    </message>
    <message id="confui.MVFInt.more">
        <source>Moving messages into the Junk-E-Mail folder needs the MORVAFilter Add-On on the Exchange server. On the next page, tell the console how your Exchange server is set up.</source>
        <translation>Mover mensajes a la carpeta Correo no deseado requiere el complemento MORVAFilter en el servidor Exchange. En la página siguiente indique cómo está configurado su servidor Exchange.</translation>
    </message>
    <message id="confui.MVFQry.about">
        <source>The MORVAFilter Add-On runs on the Exchange server and moves messages marked by the gateway into each user&apos;s Junk-E-Mail folder. An Outlook rule on the &apos;X-MORVA-Spam&apos; header line can do the same.</source>
        <translation>El complemento MORVAFilter se ejecuta en el servidor Exchange y mueve los mensajes marcados por la pasarela a la carpeta Correo no deseado de cada usuario. Una regla de Outlook sobre la línea de encabezado &apos;X-MORVA-Spam&apos; puede hacer lo mismo.</translation>
    </message>
    <message id="confui.MVFQry.setup">
        <source>Your Exchange set-up:</source>
        <translation>Su configuración de Exchange:</translation>
    </message>
    <message id="confui.MVFQry.status0">
        <source>Exchange without MORVAFilter installed</source>
        <translation>Exchange sin MORVAFilter instalado</translation>
    </message>
    <message id="confui.MVFQry.status1">
        <source>Exchange with MORVAFilter installed</source>
        <translation>Exchange con MORVAFilter instalado</translation>
    </message>
    <message id="confui.MVFQry.status2">
        <source>Exchange with an Outlook rule that uses the &apos;X-MORVA-Spam&apos; header line</source>
        <translation>Exchange con una regla de Outlook que usa la línea de encabezado &apos;X-MORVA-Spam&apos;</translation>
    </message>
    <message id="confui.page.WizSpam">
        <source>Spam</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Spam</translation>
    </message>
    <message id="confui.WizSpam.intro">
        <source>Choose how strongly the gateway blocks spam from the start. Every setting can be changed later under Options.</source>
        <translation>Elija con qué rigor bloquea la pasarela el spam desde el principio. Cada ajuste puede cambiarse después en Opciones.</translation>
    </message>
    <message id="confui.WizSpam.level">
        <source>Default Spam Blocking:</source>
        <translation>Bloqueo de spam predeterminado:</translation>
    </message>
    <message id="confui.WizSpam.level0">
        <source>None - no spam checks</source>
        <translation>Ninguno - sin comprobaciones de spam</translation>
    </message>
    <message id="confui.WizSpam.level1">
        <source>Default - the usual checks</source>
        <translation>Predeterminado - las comprobaciones habituales</translation>
    </message>
    <message id="confui.WizSpam.level2">
        <source>Strong - stricter checks, SPF and envelope tests</source>
        <translation>Fuerte - comprobaciones más estrictas, SPF y pruebas del sobre</translation>
    </message>
    <message id="confui.WizSpam.note">
        <source>Caught messages are marked in their subject and delivered.</source>
        <translation>Los mensajes detectados se marcan en el asunto y se entregan.</translation>
    </message>
    <message id="confui.common.serialize">
        <source>Run one program at a time</source>
        <translation>Ejecutar un solo programa a la vez</translation>
    </message>
    <message id="confui.edit.country">
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message id="confui.edit.country.value">
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message id="confui.page.dkim">
        <source>DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>DKIM</translation>
    </message>
    <message id="confui.page.IniAtt">
        <source>Attachment</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Adjunto</translation>
    </message>
    <message id="confui.page.IniExpl">
        <source>Exploit</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Exploit</translation>
    </message>
    <message id="confui.page.IniSubj">
        <source>Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Asunto</translation>
    </message>
    <message id="confui.page.IniText">
        <source>Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Texto</translation>
    </message>
    <message id="confui.page.IniHTML">
        <source>HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.page.IniHdr">
        <source>Header</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Encabezado</translation>
    </message>
    <message id="confui.page.IniCTY">
        <source>Country</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>País</translation>
    </message>
    <message id="confui.page.IniCharSet">
        <source>Charset</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Juego de caracteres</translation>
    </message>
    <message id="confui.page.IniIPH">
        <source>IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>IP/Host</translation>
    </message>
    <message id="confui.page.IniAdr">
        <source>E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Correo</translation>
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
        <translation>IP automática</translation>
    </message>
    <message id="confui.page.IniDRIP">
        <source>Drop</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Descartar</translation>
    </message>
    <message id="confui.page.IniAbs">
        <source>Absolute</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Absoluto</translation>
    </message>
    <message id="confui.page.IniSLS">
        <source>SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.page.IniGrey">
        <source>Greylisting</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Lista gris</translation>
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
        <translation>Heurística</translation>
    </message>
    <message id="confui.page.IniSPF">
        <source>SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>SPF</translation>
    </message>
    <message id="confui.page.IniDKIMVrfy">
        <source>DKIM Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verificación DKIM</translation>
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
        <translation>Retrodispersión</translation>
    </message>
    <message id="confui.page.IniEnv">
        <source>Envelope</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sobre</translation>
    </message>
    <message id="confui.page.IniFCrDNS">
        <source>FCrDNS</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>FCrDNS</translation>
    </message>
    <message id="confui.page.IniImg">
        <source>Image</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Imagen</translation>
    </message>
    <message id="confui.page.IniUDM">
        <source>UDM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.page.IniApr">
        <source>Approve</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Aprobación</translation>
    </message>
    <message id="confui.IniAtt.list">
        <source>Blocked attachments (file name patterns):</source>
        <translation>Adjuntos bloqueados (patrones de nombre de archivo):</translation>
    </message>
    <message id="confui.IniAtt.invert">
        <source>Block:</source>
        <translation>Bloquear:</translation>
    </message>
    <message id="confui.IniAtt.invert0">
        <source>Only the files in the list</source>
        <translation>Solo los archivos de la lista</translation>
    </message>
    <message id="confui.IniAtt.invert1">
        <source>Except the files in the list</source>
        <translation>Excepto los archivos de la lista</translation>
    </message>
    <message id="confui.IniAtt.inZip">
        <source>Look into ZIP archives</source>
        <translation>Buscar también en archivos ZIP</translation>
    </message>
    <message id="confui.IniExpl.AdvAll">
        <source>All exploit checks</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Todas las comprobaciones de exploits</translation>
    </message>
    <message id="confui.IniExpl.CLSID">
        <source>Class ids in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Identificadores de clase en nombres</translation>
    </message>
    <message id="confui.IniExpl.ExtDot">
        <source>Trailing dots in file names</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Puntos finales en los nombres</translation>
    </message>
    <message id="confui.IniExpl.MsgPart">
        <source>Fragmented messages</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Mensajes fragmentados</translation>
    </message>
    <message id="confui.IniExpl.DblExt">
        <source>Double extensions</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Extensiones dobles</translation>
    </message>
    <message id="confui.IniExpl.MsgExtBody">
        <source>Executable message bodies</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Cuerpos de mensaje ejecutables</translation>
    </message>
    <message id="confui.IniExpl.ZipPP">
        <source>Password-protected ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Archivos ZIP con contraseña</translation>
    </message>
    <message id="confui.IniExpl.Exe">
        <source>Programs by content</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programas según el contenido</translation>
    </message>
    <message id="confui.IniExpl.ExeZip">
        <source>Programs inside ZIP files</source>
        <extracomment>On the page &quot;Exploit&quot;.</extracomment>
        <translation>Programas dentro de archivos ZIP</translation>
    </message>
    <message id="confui.IniSubj.list">
        <source>Blocked subject texts:</source>
        <translation>Textos de asunto bloqueados:</translation>
    </message>
    <message id="confui.IniText.list">
        <source>Blocked message texts:</source>
        <translation>Textos de mensaje bloqueados:</translation>
    </message>
    <message id="confui.IniHTML.list">
        <source>Blocked HTML patterns:</source>
        <translation>Patrones HTML bloqueados:</translation>
    </message>
    <message id="confui.IniHdr.list">
        <source>Blocked header lines (name:text):</source>
        <translation>Líneas de encabezado bloqueadas (nombre:texto):</translation>
    </message>
    <message id="confui.IniCTY.list">
        <source>Blocked countries (two-letter codes):</source>
        <translation>Países bloqueados (códigos de dos letras):</translation>
    </message>
    <message id="confui.IniCTY.InboundBlockCTYIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;Country&quot;: the setting InboundBlockCTYIPHeader of Morva.ini.</extracomment>
        <translation>Comprobar también las direcciones de los encabezados Received</translation>
    </message>
    <message id="confui.IniCharSet.list">
        <source>Blocked character sets:</source>
        <translation>Juegos de caracteres bloqueados:</translation>
    </message>
    <message id="confui.IniIPH.ip">
        <source>Blocked IP addresses and networks:</source>
        <translation>Direcciones y redes IP bloqueadas:</translation>
    </message>
    <message id="confui.IniIPH.host">
        <source>Blocked host names:</source>
        <translation>Nombres de host bloqueados:</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHHeader of Morva.ini.</extracomment>
        <translation>Comprobar también las direcciones de los encabezados Received</translation>
    </message>
    <message id="confui.IniIPH.InboundBlockIPHConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;IP/Host&quot;: the setting InboundBlockIPHConnection of Morva.ini.</extracomment>
        <translation>Cerrar la conexión de inmediato</translation>
    </message>
    <message id="confui.IniAdr.from">
        <source>Blocked senders:</source>
        <translation>Remitentes bloqueados:</translation>
    </message>
    <message id="confui.IniAdr.to">
        <source>Blocked recipients:</source>
        <translation>Destinatarios bloqueados:</translation>
    </message>
    <message id="confui.IniDSN.InboundBlockDSN">
        <source>Block delivery reports to addresses that never sent mail</source>
        <extracomment>On the page &quot;DSN&quot;: the setting InboundBlockDSN of Morva.ini.</extracomment>
        <translation>Bloquear informes de entrega a direcciones que nunca enviaron correo</translation>
    </message>
    <message id="confui.IniDSN.list">
        <source>Recipients whose delivery reports are blocked:</source>
        <translation>Destinatarios cuyos informes de entrega se bloquean:</translation>
    </message>
    <message id="confui.IniMSO.MSVBA">
        <source>Macros</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Macros</translation>
    </message>
    <message id="confui.IniMSO.MSVBA.switch">
        <source>Block Office documents with macros</source>
        <translation>Bloquear documentos de Office con macros</translation>
    </message>
    <message id="confui.IniMSO.MSOPP">
        <source>Password protection</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Protección con contraseña</translation>
    </message>
    <message id="confui.IniMSO.MSOPP.switch">
        <source>Block password-protected Office documents</source>
        <translation>Bloquear documentos de Office protegidos con contraseña</translation>
    </message>
    <message id="confui.IniMSO.MSOEM">
        <source>Embedded objects</source>
        <extracomment>On the page &quot;Office&quot;.</extracomment>
        <translation>Objetos incrustados</translation>
    </message>
    <message id="confui.IniMSO.MSOEM.switch">
        <source>Block Office documents with embedded programs</source>
        <translation>Bloquear documentos de Office con programas incrustados</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIP">
        <source>Block IP addresses that sent spam automatically</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIP of Morva.ini.</extracomment>
        <translation>Bloquear automáticamente las direcciones IP que enviaron spam</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPMaxSlots">
        <source>Maximum number of blocked addresses:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPMaxSlots of Morva.ini.</extracomment>
        <translation>Número máximo de direcciones bloqueadas:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPTTL">
        <source>Block for (seconds):</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPTTL of Morva.ini.</extracomment>
        <translation>Bloquear durante (segundos):</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPThreshold">
        <source>Spam messages before blocking:</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPThreshold of Morva.ini.</extracomment>
        <translation>Mensajes de spam antes del bloqueo:</translation>
    </message>
    <message id="confui.IniABIP.InboundBlockABIPConnection">
        <source>Close the connection at once</source>
        <extracomment>On the page &quot;Auto IP&quot;: the setting InboundBlockABIPConnection of Morva.ini.</extracomment>
        <translation>Cerrar la conexión de inmediato</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIP">
        <source>Drop connections from the addresses below</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIP of Morva.ini.</extracomment>
        <translation>Descartar las conexiones de las direcciones siguientes</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPConnection">
        <source>Close the connection before the greeting</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPConnection of Morva.ini.</extracomment>
        <translation>Cerrar la conexión antes del saludo</translation>
    </message>
    <message id="confui.IniDRIP.InboundBlockDRIPNoPTR">
        <source>Also drop connections from addresses without reverse DNS name</source>
        <extracomment>On the page &quot;Drop&quot;: the setting InboundBlockDRIPNoPTR of Morva.ini.</extracomment>
        <translation>Descartar también las conexiones de direcciones sin nombre DNS inverso</translation>
    </message>
    <message id="confui.IniDRIP.ip">
        <source>IP addresses and networks:</source>
        <translation>Direcciones y redes IP:</translation>
    </message>
    <message id="confui.IniDRIP.host">
        <source>Host names:</source>
        <translation>Nombres de host:</translation>
    </message>
    <message id="confui.IniAbs.InboundBlockAbs">
        <source>Block messages that every other check would let through when a blocking rule matches</source>
        <extracomment>On the page &quot;Absolute&quot;: the setting InboundBlockAbs of Morva.ini.</extracomment>
        <translation>Bloquear de forma absoluta los mensajes cuando coincide una regla de bloqueo</translation>
    </message>
    <message id="confui.IniAbs.note">
        <source>Absolute blocking ignores the white list and the exclusions.</source>
        <translation>El bloqueo absoluto ignora la lista blanca y las exclusiones.</translation>
    </message>
    <message id="confui.IniSLS.InboundBlockSLS">
        <source>Check the connecting address against DNS blocklists</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundBlockSLS of Morva.ini.</extracomment>
        <translation>Comprobar la dirección de conexión en listas de bloqueo DNS</translation>
    </message>
    <message id="confui.IniSLS.InboundSLSIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting InboundSLSIPHeader of Morva.ini.</extracomment>
        <translation>Comprobar también las direcciones de los encabezados Received</translation>
    </message>
    <message id="confui.IniSLS.SLS">
        <source>Blocklist zones (IP addresses):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLS of Morva.ini.</extracomment>
        <translation>Zonas de listas de bloqueo (direcciones IP):</translation>
    </message>
    <message id="confui.IniSLS.SLSDom">
        <source>Blocklist zones (domains):</source>
        <extracomment>On the page &quot;SLS/RBL&quot;: the setting SLSDom of Morva.ini.</extracomment>
        <translation>Zonas de listas de bloqueo (dominios):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyList">
        <source>Greylisting: ask unknown senders to retry later</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyList of Morva.ini.</extracomment>
        <translation>Lista gris: pedir a los remitentes desconocidos que reintenten más tarde</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListIPClearLastOctet">
        <source>Treat all addresses of a /24 network as one</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListIPClearLastOctet of Morva.ini.</extracomment>
        <translation>Tratar todas las direcciones de una red /24 como una</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxSlots">
        <source>Maximum entries:</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxSlots of Morva.ini.</extracomment>
        <translation>Entradas máximas:</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMinTime">
        <source>Minimum wait before a retry (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMinTime of Morva.ini.</extracomment>
        <translation>Espera mínima antes de reintentar (segundos):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMidTime">
        <source>Retry must come within (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMidTime of Morva.ini.</extracomment>
        <translation>El reintento debe llegar en (segundos):</translation>
    </message>
    <message id="confui.IniGrey.InboundGreyListMaxTime">
        <source>Keep known senders for (seconds):</source>
        <extracomment>On the page &quot;Greylisting&quot;: the setting InboundGreyListMaxTime of Morva.ini.</extracomment>
        <translation>Conservar los remitentes conocidos durante (segundos):</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCS">
        <source>Block messages by their checksum (CCS)</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCS of Morva.ini.</extracomment>
        <translation>Bloquear mensajes por su suma de comprobación (CCS)</translation>
    </message>
    <message id="confui.IniCCS.InboundBlockCCSThreshold">
        <source>Sensitivity:</source>
        <extracomment>On the page &quot;CCS&quot;: the setting InboundBlockCCSThreshold of Morva.ini.</extracomment>
        <translation>Sensibilidad:</translation>
    </message>
    <message id="confui.IniCCS.threshold0">
        <source>High - more than 25 messages with the same checksum</source>
        <translation>Alta - más de 25 mensajes con la misma suma de comprobación</translation>
    </message>
    <message id="confui.IniCCS.threshold1">
        <source>Mid - more than 100 messages with the same checksum</source>
        <translation>Media - más de 100 mensajes con la misma suma de comprobación</translation>
    </message>
    <message id="confui.IniCCS.threshold2">
        <source>Low - more than 200 messages with the same checksum</source>
        <translation>Baja - más de 200 mensajes con la misma suma de comprobación</translation>
    </message>
    <message id="confui.IniCCS.threshold3">
        <source>None - report only</source>
        <translation>Ninguna - solo informar</translation>
    </message>
    <message id="confui.IniBay.InboundBayes">
        <source>Bayesian filter</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayes of Morva.ini.</extracomment>
        <translation>Filtro bayesiano</translation>
    </message>
    <message id="confui.IniBay.InboundBayesLearn">
        <source>Learn from the messages that pass</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesLearn of Morva.ini.</extracomment>
        <translation>Aprender de los mensajes aceptados</translation>
    </message>
    <message id="confui.IniBay.InboundBayesIgnoreCommonWords">
        <source>Ignore common words</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesIgnoreCommonWords of Morva.ini.</extracomment>
        <translation>Ignorar las palabras comunes</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxWords">
        <source>Maximum words in the database:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxWords of Morva.ini.</extracomment>
        <translation>Número máximo de palabras en la base:</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMaxSize">
        <source>Examine at most (bytes):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMaxSize of Morva.ini.</extracomment>
        <translation>Examinar como máximo (bytes):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesSpam">
        <source>Spam probability from (percent):</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesSpam of Morva.ini.</extracomment>
        <translation>Probabilidad de spam desde (por ciento):</translation>
    </message>
    <message id="confui.IniBay.InboundBayesMethod">
        <source>Method:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting InboundBayesMethod of Morva.ini.</extracomment>
        <translation>Método:</translation>
    </message>
    <message id="confui.IniBay.method0">
        <source>Paul Graham&apos;s original method</source>
        <translation>Método original de Paul Graham</translation>
    </message>
    <message id="confui.IniBay.method1">
        <source>Gary Robinson&apos;s alternative method</source>
        <translation>Método alternativo de Gary Robinson</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddress">
        <source>Address for spam to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddress of Morva.ini.</extracomment>
        <translation>Dirección del spam para aprender:</translation>
    </message>
    <message id="confui.IniBay.OutboundBayesFeedAddressGood">
        <source>Address for good mail to learn from:</source>
        <extracomment>On the page &quot;Bayes&quot;: the setting OutboundBayesFeedAddressGood of Morva.ini.</extracomment>
        <translation>Dirección del correo legítimo para aprender:</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeur">
        <source>Heuristic filter</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeur of Morva.ini.</extracomment>
        <translation>Filtro heurístico</translation>
    </message>
    <message id="confui.IniHeur.InboundBlockHeurValue">
        <source>Spam score from:</source>
        <extracomment>On the page &quot;Heuristic&quot;: the setting InboundBlockHeurValue of Morva.ini.</extracomment>
        <translation>Puntuación de spam desde:</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPF">
        <source>Check the sender&apos;s SPF record</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPF of Morva.ini.</extracomment>
        <translation>Comprobar el registro SPF del remitente</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFSoftFail">
        <source>Also block on soft fail</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFSoftFail of Morva.ini.</extracomment>
        <translation>Bloquear también con fallo leve</translation>
    </message>
    <message id="confui.IniSPF.InboundBlockSPFNeutral">
        <source>Also block on neutral</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundBlockSPFNeutral of Morva.ini.</extracomment>
        <translation>Bloquear también con resultado neutro</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFIPHeader">
        <source>Also check the addresses in the Received header lines</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFIPHeader of Morva.ini.</extracomment>
        <translation>Comprobar también las direcciones de los encabezados Received</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFUseDefTXT">
        <source>Use a default record for domains without SPF</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFUseDefTXT of Morva.ini.</extracomment>
        <translation>Usar un registro predeterminado para dominios sin SPF</translation>
    </message>
    <message id="confui.IniSPF.InboundSPFDefTXT">
        <source>Default record:</source>
        <extracomment>On the page &quot;SPF&quot;: the setting InboundSPFDefTXT of Morva.ini.</extracomment>
        <translation>Registro predeterminado:</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIM">
        <source>Verify DKIM signatures</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIM of Morva.ini.</extracomment>
        <translation>Verificar las firmas DKIM</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundVerifyDKIMADSP">
        <source>Apply the sender&apos;s signing policy (ADSP)</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundVerifyDKIMADSP of Morva.ini.</extracomment>
        <translation>Aplicar la política de firma del remitente (ADSP)</translation>
    </message>
    <message id="confui.IniDKIMVrfy.excludeVerify">
        <source>Exclude from verification...</source>
        <translation>Excluir de la verificación...</translation>
    </message>
    <message id="confui.IniDKIMVrfy.InboundBlockDKIM">
        <source>Block messages with a failed DKIM signature</source>
        <extracomment>On the page &quot;DKIM Verify&quot;: the setting InboundBlockDKIM of Morva.ini.</extracomment>
        <translation>Bloquear mensajes con firma DKIM no válida</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBL">
        <source>Check links in messages against URI blocklists</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBL of Morva.ini.</extracomment>
        <translation>Comprobar los enlaces de los mensajes en listas de bloqueo de URI</translation>
    </message>
    <message id="confui.IniSURBL.InboundBlockSURBLExpandShortURL">
        <source>Expand shortened links first</source>
        <extracomment>On the page &quot;SURBL&quot;: the setting InboundBlockSURBLExpandShortURL of Morva.ini.</extracomment>
        <translation>Expandir primero los enlaces acortados</translation>
    </message>
    <message id="confui.IniSEBA.InboundBlockSEBA">
        <source>Block by the sender&apos;s reputation (Senderbase)</source>
        <extracomment>On the page &quot;Senderbase&quot;: the setting InboundBlockSEBA of Morva.ini.</extracomment>
        <translation>Bloquear según la reputación del remitente (Senderbase)</translation>
    </message>
    <message id="confui.IniBCKS.InboundBlockBCKS">
        <source>Block backscatter (reports for mail never sent)</source>
        <extracomment>On the page &quot;Backscatter&quot;: the setting InboundBlockBCKS of Morva.ini.</extracomment>
        <translation>Bloquear la retrodispersión (informes de correo nunca enviado)</translation>
    </message>
    <message id="confui.IniEnv.NoTo">
        <source>No recipient in the header</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Ningún destinatario en el encabezado</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoTo">
        <source>Block messages without To or Cc header line</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoTo of Morva.ini.</extracomment>
        <translation>Bloquear mensajes sin línea de encabezado To o Cc</translation>
    </message>
    <message id="confui.IniEnv.NoMx">
        <source>Sender domain without mail server</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Dominio del remitente sin servidor de correo</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoMx">
        <source>Block senders whose domain has no MX record</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoMx of Morva.ini.</extracomment>
        <translation>Bloquear remitentes cuyo dominio no tiene registro MX</translation>
    </message>
    <message id="confui.IniEnv.NoFrom">
        <source>Faked sender</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Remitente falsificado</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockNoFrom">
        <source>Block messages whose From line differs from the envelope sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockNoFrom of Morva.ini.</extracomment>
        <translation>Bloquear mensajes cuya línea From difiere del remitente del sobre</translation>
    </message>
    <message id="confui.IniEnv.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>On the page &quot;Envelope&quot;.</extracomment>
        <translation>Remitente interno desde fuera</translation>
    </message>
    <message id="confui.IniEnv.InboundBlockFromUs">
        <source>Block inbound messages claiming one of our own domains as sender</source>
        <extracomment>On the page &quot;Envelope&quot;: the setting InboundBlockFromUs of Morva.ini.</extracomment>
        <translation>Bloquear mensajes entrantes que dicen proceder de nuestros propios dominios</translation>
    </message>
    <message id="confui.IniFCrDNS.InboundBlockFCrDNS">
        <source>Block connections whose reverse DNS name does not resolve back</source>
        <extracomment>On the page &quot;FCrDNS&quot;: the setting InboundBlockFCrDNS of Morva.ini.</extracomment>
        <translation>Bloquear conexiones cuyo nombre DNS inverso no se resuelve de vuelta</translation>
    </message>
    <message id="confui.IniImg.InboundBlockEMP">
        <source>Block image spam</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockEMP of Morva.ini.</extracomment>
        <translation>Bloquear el spam de imágenes</translation>
    </message>
    <message id="confui.IniImg.InboundBlockAPD">
        <source>Block animated images</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockAPD of Morva.ini.</extracomment>
        <translation>Bloquear imágenes animadas</translation>
    </message>
    <message id="confui.IniImg.InboundBlockRRZ">
        <source>Block images with random noise</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockRRZ of Morva.ini.</extracomment>
        <translation>Bloquear imágenes con ruido aleatorio</translation>
    </message>
    <message id="confui.IniImg.InboundBlockGRE">
        <source>Block images in grey tones only</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockGRE of Morva.ini.</extracomment>
        <translation>Bloquear imágenes solo en tonos de gris</translation>
    </message>
    <message id="confui.IniImg.sizeGroup">
        <source>Image size (pixels)</source>
        <translation>Tamaño de la imagen (píxeles)</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMBP">
        <source>Block images larger than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMBP of Morva.ini.</extracomment>
        <translation>Bloquear imágenes mayores que</translation>
    </message>
    <message id="confui.IniImg.InboundBlockMLP">
        <source>Block images smaller than</source>
        <extracomment>On the page &quot;Image&quot;: the setting InboundBlockMLP of Morva.ini.</extracomment>
        <translation>Bloquear imágenes menores que</translation>
    </message>
    <message id="confui.IniImg.height">
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message id="confui.IniImg.width">
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message id="confui.IniUDM.InboundBlockUDM">
        <source>Check messages with an external program (user-defined method)</source>
        <extracomment>On the page &quot;UDM&quot;: the setting InboundBlockUDM of Morva.ini.</extracomment>
        <translation>Comprobar los mensajes con un programa externo (método definido por el usuario)</translation>
    </message>
    <message id="confui.IniApr.InboundApproveAction">
        <source>Let an external program approve each action</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveAction of Morva.ini.</extracomment>
        <translation>Dejar que un programa externo apruebe cada acción</translation>
    </message>
    <message id="confui.IniApr.InboundApproveActionOnlySpam">
        <source>Only for messages detected as spam</source>
        <extracomment>On the page &quot;Approve&quot;: the setting InboundApproveActionOnlySpam of Morva.ini.</extracomment>
        <translation>Solo para los mensajes detectados como spam</translation>
    </message>
</context>
<context>
    <name>confui sheets 5-13 and advanced</name>
    <message id="confui.sheet5">
        <source>Options - ClamAV</source>
        <translation>Opciones - ClamAV</translation>
    </message>
    <message id="confui.sheet6">
        <source>Options - System</source>
        <translation>Opciones - Sistema</translation>
    </message>
    <message id="confui.sheet7">
        <source>Options - Session</source>
        <translation>Opciones - Sesión</translation>
    </message>
    <message id="confui.sheet8">
        <source>Options - Virus</source>
        <translation>Opciones - Virus</translation>
    </message>
    <message id="confui.sheet9">
        <source>Options - Transit</source>
        <translation>Opciones - Tránsito</translation>
    </message>
    <message id="confui.sheet10">
        <source>Options - S/MIME</source>
        <translation>Opciones - S/MIME</translation>
    </message>
    <message id="confui.sheet11">
        <source>Options - DKIM (DomainKeys Identified Mail)</source>
        <translation>Opciones - DKIM (DomainKeys Identified Mail)</translation>
    </message>
    <message id="confui.sheet12">
        <source>Options - TLS/SSL</source>
        <translation>Opciones - TLS/SSL</translation>
    </message>
    <message id="confui.sheet13">
        <source>Options - Exclude</source>
        <translation>Opciones - Excluir</translation>
    </message>
    <message id="confui.sheetConf">
        <source>Configuration</source>
        <translation>Configuración</translation>
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
        <translation>Comunidad</translation>
    </message>
    <message id="confui.page.IniCAOLE">
        <source>Macro</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Macro</translation>
    </message>
    <message id="confui.IniViC.Outbound">
        <source>Scan outbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analizar los mensajes salientes con ClamAV</translation>
    </message>
    <message id="confui.IniViC.Inbound">
        <source>Scan inbound messages with ClamAV</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Analizar los mensajes entrantes con ClamAV</translation>
    </message>
    <message id="confui.IniViC.Host">
        <source>ClamAV daemon host:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Host del servicio ClamAV:</translation>
    </message>
    <message id="confui.IniViC.Port">
        <source>ClamAV daemon port:</source>
        <extracomment>On the page &quot;ClamAV&quot;.</extracomment>
        <translation>Puerto del servicio ClamAV:</translation>
    </message>
    <message id="confui.IniCASCR.Block">
        <source>Block messages that match the SaneSecurity signatures</source>
        <extracomment>On the page &quot;SaneSecurity&quot;.</extracomment>
        <translation>Bloquear los mensajes que coinciden con las firmas de SaneSecurity</translation>
    </message>
    <message id="confui.IniCAICR.Block">
        <source>Block messages that match the SecuriteInfo signatures</source>
        <extracomment>On the page &quot;SecuriteInfo&quot;.</extracomment>
        <translation>Bloquear los mensajes que coinciden con las firmas de SecuriteInfo</translation>
    </message>
    <message id="confui.IniCAXCR.Block">
        <source>Block messages that match the community rules</source>
        <extracomment>On the page &quot;Community&quot;.</extracomment>
        <translation>Bloquear los mensajes que coinciden con las reglas de la comunidad</translation>
    </message>
    <message id="confui.IniCAOLE.Block">
        <source>Block Office documents that contain macros</source>
        <extracomment>On the page &quot;Macro&quot;.</extracomment>
        <translation>Bloquear los documentos de Office que contienen macros</translation>
    </message>
    <message id="confui.sig.Note">
        <source>The signatures are loaded by the ClamAV daemon configured on the ClamAV page.</source>
        <translation>Las firmas las carga el servicio ClamAV configurado en la página ClamAV.</translation>
    </message>
    <message id="confui.c2.inExclude">
        <source>Inbound e&amp;xclude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xcluir (entrante)...</translation>
    </message>
    <message id="confui.c2.outExclude">
        <source>Outbound excl&amp;ude...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Excl&amp;uir (saliente)...</translation>
    </message>
    <message id="confui.page.IniForm">
        <source>Format</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Formato</translation>
    </message>
    <message id="confui.page.IniFla">
        <source>Flags</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Indicadores</translation>
    </message>
    <message id="confui.page.IniSusp">
        <source>Suspicious</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sospechosos</translation>
    </message>
    <message id="confui.page.IniBCC">
        <source>BCC</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>CCO</translation>
    </message>
    <message id="confui.page.IniTLS">
        <source>TLS/SSL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>TLS/SSL</translation>
    </message>
    <message id="confui.IniForm.InRemoveHTML">
        <source>Remove HTML from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar el HTML de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniForm.InRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar TNEF (winmail.dat) de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniForm.InRemoveDKIM">
        <source>Remove DKIM signatures from inbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar las firmas DKIM de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniForm.InRemoveOWASubj">
        <source>Remove Outlook Web Access tags from inbound subjects</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar las etiquetas de Outlook Web Access del asunto de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniForm.InAssembleAll">
        <source>Reassemble inbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Reensamblar los mensajes entrantes enviados en varias partes</translation>
    </message>
    <message id="confui.IniForm.OutRemoveHTML">
        <source>Remove HTML from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar el HTML de los mensajes salientes</translation>
    </message>
    <message id="confui.IniForm.OutRemoveTNEF">
        <source>Remove TNEF (winmail.dat) from outbound messages</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Quitar TNEF (winmail.dat) de los mensajes salientes</translation>
    </message>
    <message id="confui.IniForm.OutAssembleAll">
        <source>Reassemble outbound messages sent in several parts</source>
        <extracomment>On the page &quot;Format&quot;.</extracomment>
        <translation>Reensamblar los mensajes salientes enviados en varias partes</translation>
    </message>
    <message id="confui.IniFla.InRemoveRR">
        <source>Remove read-receipt requests from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Quitar las solicitudes de confirmación de lectura de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniFla.OutRemoveRR">
        <source>Remove read-receipt requests from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Quitar las solicitudes de confirmación de lectura de los mensajes salientes</translation>
    </message>
    <message id="confui.IniFla.InRemoveDSN">
        <source>Remove requests for success notifications from inbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Quitar las solicitudes de notificación de entrega de los mensajes entrantes</translation>
    </message>
    <message id="confui.IniFla.OutRemoveDSN">
        <source>Remove requests for success notifications from outbound messages</source>
        <extracomment>On the page &quot;Flags&quot;.</extracomment>
        <translation>Quitar las solicitudes de notificación de entrega de los mensajes salientes</translation>
    </message>
    <message id="confui.IniSusp.MsgLoop">
        <source>Warn about message loops (many messages to one recipient)</source>
        <extracomment>On the page &quot;Suspicious&quot;: the setting MsgLoop of Morva.ini.</extracomment>
        <translation>Avisar de bucles de mensajes (muchos mensajes a un destinatario)</translation>
    </message>
    <message id="confui.IniSusp.Period">
        <source>Period observed (seconds):</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Periodo observado (segundos):</translation>
    </message>
    <message id="confui.IniSusp.MaxMsg">
        <source>Alert after this number of messages:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Alerta tras este número de mensajes:</translation>
    </message>
    <message id="confui.IniSusp.Excl">
        <source>Addresses never reported:</source>
        <extracomment>On the page &quot;Suspicious&quot;.</extracomment>
        <translation>Direcciones nunca notificadas:</translation>
    </message>
    <message id="confui.IniBCC.NDR">
        <source>Blind copy of every non-delivery report to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia oculta de cada informe de no entrega a:</translation>
    </message>
    <message id="confui.IniBCC.FwdExch">
        <source>Blind copy of messages forwarded to Exchange to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia oculta de los mensajes reenviados a Exchange a:</translation>
    </message>
    <message id="confui.IniBCC.InAuto">
        <source>Blind copy of every inbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia oculta de cada mensaje entrante a:</translation>
    </message>
    <message id="confui.IniBCC.OutAuto">
        <source>Blind copy of every outbound message to:</source>
        <extracomment>On the page &quot;BCC&quot;.</extracomment>
        <translation>Copia oculta de cada mensaje saliente a:</translation>
    </message>
    <message id="confui.IniTLS.Outbound">
        <source>Use TLS on outbound connections when the server offers it</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Usar TLS en las conexiones salientes si el servidor lo ofrece</translation>
    </message>
    <message id="confui.IniTLS.Inbound">
        <source>Offer TLS on inbound connections (STARTTLS)</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Ofrecer TLS en las conexiones entrantes (STARTTLS)</translation>
    </message>
    <message id="confui.IniTLS.Verbose">
        <source>Log TLS details</source>
        <extracomment>On the page &quot;TLS/SSL&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registrar los detalles de TLS</translation>
    </message>
    <message id="confui.IniTLS.CACert">
        <source>CA certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Archivo del certificado de la CA:</translation>
    </message>
    <message id="confui.IniTLS.ServCert">
        <source>Server certificate file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Archivo del certificado del servidor:</translation>
    </message>
    <message id="confui.IniTLS.ServPriv">
        <source>Server private key file:</source>
        <extracomment>On the page &quot;TLS/SSL&quot;.</extracomment>
        <translation>Archivo de la clave privada del servidor:</translation>
    </message>
    <message id="confui.page.IniRcpt">
        <source>Recipient</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Destinatario</translation>
    </message>
    <message id="confui.page.IniVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verificar</translation>
    </message>
    <message id="confui.page.IniSes">
        <source>Session</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Sesión</translation>
    </message>
    <message id="confui.IniRcpt.Typ">
        <source>Recipient verification:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verificación de destinatarios:</translation>
    </message>
    <message id="confui.IniRcpt.Typ0">
        <source>No verification</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Sin verificación</translation>
    </message>
    <message id="confui.IniRcpt.Typ1">
        <source>Verify the recipients e-mail address using a static address list</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verificar la dirección del destinatario con una lista de direcciones fija</translation>
    </message>
    <message id="confui.IniRcpt.Typ2">
        <source>Verify the recipients e-mail address dynamically using an external program</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verificar la dirección del destinatario dinámicamente con un programa externo</translation>
    </message>
    <message id="confui.IniRcpt.Typ3">
        <source>Verify the recipients e-mail address dynamically using a SMTP query to Exchange</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Verificar la dirección del destinatario dinámicamente con una consulta SMTP a Exchange</translation>
    </message>
    <message id="confui.IniRcpt.Cache">
        <source>Cache the answers of the query</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Guardar en caché las respuestas de la consulta</translation>
    </message>
    <message id="confui.IniRcpt.Verbose">
        <source>Log the output of the external program</source>
        <extracomment>On the page &quot;Recipient&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registrar la salida del programa externo</translation>
    </message>
    <message id="confui.IniRcpt.Validate">
        <source>Known address to test the query:</source>
        <extracomment>On the page &quot;Recipient&quot;.</extracomment>
        <translation>Dirección conocida para probar la consulta:</translation>
    </message>
    <message id="confui.IniVrfy.Domain">
        <source>Verify that the sender&apos;s domain exists</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verificar que el dominio del remitente existe</translation>
    </message>
    <message id="confui.IniVrfy.PTR">
        <source>Verify that the connecting host has a reverse DNS (PTR) record</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verificar que el host que se conecta tiene un registro DNS inverso (PTR)</translation>
    </message>
    <message id="confui.IniVrfy.FQDN">
        <source>Verify that the HELO name is a fully qualified domain name</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verificar que el nombre HELO es un nombre de dominio completo</translation>
    </message>
    <message id="confui.IniVrfy.CABA">
        <source>Verify the sender address with a call-back to its mail server</source>
        <extracomment>On the page &quot;Verify&quot;.</extracomment>
        <translation>Verificar la dirección del remitente con una consulta a su servidor de correo</translation>
    </message>
    <message id="confui.IniSes.GreetDelay">
        <source>Delay the SMTP greeting</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Retrasar el saludo SMTP</translation>
    </message>
    <message id="confui.IniSes.Seconds">
        <source>Delay (seconds):</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Retraso (segundos):</translation>
    </message>
    <message id="confui.IniSes.HoneyPot">
        <source>Catch spam robots that talk before the greeting (honey pot)</source>
        <extracomment>On the page &quot;Session&quot;.</extracomment>
        <translation>Detectar los robots de spam que hablan antes del saludo (señuelo)</translation>
    </message>
    <message id="confui.page.IniViD">
        <source>On-Demand Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Análisis bajo demanda</translation>
    </message>
    <message id="confui.page.IniViA">
        <source>On-Access Scan</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Análisis en el acceso</translation>
    </message>
    <message id="confui.page.IniViO">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Opciones</translation>
    </message>
    <message id="confui.IniViD.Outbound">
        <source>Scan outbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analizar los mensajes salientes</translation>
    </message>
    <message id="confui.IniViD.Inbound">
        <source>Scan inbound messages</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Analizar los mensajes entrantes</translation>
    </message>
    <message id="confui.IniViD.Typ">
        <source>Virus scanner:</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Antivirus:</translation>
    </message>
    <message id="confui.IniViD.Preset0">
        <source>Custom</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>Personalizado</translation>
    </message>
    <message id="confui.IniViD.Note">
        <source>&lt;FILE&gt; stands for the file to scan.</source>
        <extracomment>On the page &quot;On-Demand Scan&quot;.</extracomment>
        <translation>&lt;FILE&gt; representa el archivo que se analiza.</translation>
    </message>
    <message id="confui.IniViA.Outbound">
        <source>Scan outbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analizar los mensajes salientes con un antivirus residente</translation>
    </message>
    <message id="confui.IniViA.Inbound">
        <source>Scan inbound messages with an on-access scanner</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Analizar los mensajes entrantes con un antivirus residente</translation>
    </message>
    <message id="confui.IniViA.Path">
        <source>Folder watched by the on-access scanner:</source>
        <extracomment>On the page &quot;On-Access Scan&quot;.</extracomment>
        <translation>Carpeta vigilada por el antivirus residente:</translation>
    </message>
    <message id="confui.IniViO.Debug">
        <source>Log the output of the virus scanner (debug)</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Registrar la salida del antivirus (depuración)</translation>
    </message>
    <message id="confui.IniViO.RawMsg">
        <source>Scan the raw message as well</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizar también el mensaje sin procesar</translation>
    </message>
    <message id="confui.IniViO.Always">
        <source>Scan every message, also without attachments</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizar cada mensaje, también sin adjuntos</translation>
    </message>
    <message id="confui.IniViO.Serialize">
        <source>Run one scan at a time</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Ejecutar un solo análisis a la vez</translation>
    </message>
    <message id="confui.IniViO.Zip">
        <source>Scan the files inside ZIP archives</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Analizar los archivos de los archivos ZIP</translation>
    </message>
    <message id="confui.IniViO.UseExt">
        <source>Keep the file extensions for the on-access scanner</source>
        <extracomment>On the page &quot;Options&quot;.</extracomment>
        <translation>Conservar las extensiones de archivo para el antivirus residente</translation>
    </message>
    <message id="confui.page.IniDisc">
        <source>Disclaimer</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Aviso legal</translation>
    </message>
    <message id="confui.IniDisc.List">
        <source>Add the disclaimer to messages of these senders:</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Añadir el aviso legal a los mensajes de estos remitentes:</translation>
    </message>
    <message id="confui.IniDisc.SuppOnReply">
        <source>Do not add the disclaimer to replies</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>No añadir el aviso legal a las respuestas</translation>
    </message>
    <message id="confui.IniDisc.Text">
        <source>Disclaimer text (file odisc-pl.txt)</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>Texto del aviso legal (archivo odisc-pl.txt)</translation>
    </message>
    <message id="confui.IniDisc.ReadFailed">
        <source>Unable to read the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>No se puede leer el archivo del aviso legal</translation>
    </message>
    <message id="confui.IniDisc.WriteFailed">
        <source>Unable to write the disclaimer file</source>
        <extracomment>On the page &quot;Disclaimer&quot;.</extracomment>
        <translation>No se puede escribir el archivo del aviso legal</translation>
    </message>
    <message id="confui.page.IniSMIMEVrfy">
        <source>Verify</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Verificar</translation>
    </message>
    <message id="confui.page.IniSMIMESign">
        <source>Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Firmar</translation>
    </message>
    <message id="confui.page.IniSMIMEDecr">
        <source>Decrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Descifrar</translation>
    </message>
    <message id="confui.page.IniSMIMEEncr">
        <source>Encrypt</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Cifrar</translation>
    </message>
    <message id="confui.page.IniSMIMEInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Directiva entrante</translation>
    </message>
    <message id="confui.page.IniSMIMEOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Directiva saliente</translation>
    </message>
    <message id="confui.page.IniSMIMEOpt">
        <source>Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Opciones</translation>
    </message>
    <message id="confui.page.IniDKIMSign">
        <source>DKIM Sign</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Firma DKIM</translation>
    </message>
    <message id="confui.page.IniTLSInPol">
        <source>Inbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Directiva entrante</translation>
    </message>
    <message id="confui.page.IniTLSOutPol">
        <source>Outbound Policy</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Directiva saliente</translation>
    </message>
    <message id="confui.smime.VerifyCRL">
        <source>Check the certificate revocation lists (CRL) of inbound signatures</source>
        <translation>Comprobar las listas de revocación (CRL) de las firmas entrantes</translation>
    </message>
    <message id="confui.smime.VerboseCert">
        <source>Log certificate details</source>
        <translation>Registrar los detalles de los certificados</translation>
    </message>
    <message id="confui.smime.VrfyList">
        <source>Signers of inbound messages:</source>
        <translation>Firmantes de los mensajes entrantes:</translation>
    </message>
    <message id="confui.smime.ExclVerify">
        <source>Exclude from &amp;verifying...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Excluir de la &amp;verificación...</translation>
    </message>
    <message id="confui.smime.ExclRemove">
        <source>Exclude from &amp;removing...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;xcluir de la eliminación...</translation>
    </message>
    <message id="confui.smime.SignList">
        <source>Sign the outbound messages of these senders:</source>
        <translation>Firmar los mensajes salientes de estos remitentes:</translation>
    </message>
    <message id="confui.smime.UseDBCert">
        <source>Use the certificates of the certificate database</source>
        <translation>Usar los certificados de la base de certificados</translation>
    </message>
    <message id="confui.smime.SignPreSign">
        <source>Sign messages that are already signed</source>
        <translation>Firmar los mensajes ya firmados</translation>
    </message>
    <message id="confui.smime.SignPreCrypt">
        <source>Sign messages that are already encrypted</source>
        <translation>Firmar los mensajes ya cifrados</translation>
    </message>
    <message id="confui.smime.SignHdr">
        <source>Header that asks for a signature:</source>
        <translation>Encabezado que solicita la firma:</translation>
    </message>
    <message id="confui.smime.OutRemove">
        <source>Remove S/MIME signatures from outbound messages</source>
        <translation>Quitar las firmas S/MIME de los mensajes salientes</translation>
    </message>
    <message id="confui.smime.OutVerify">
        <source>Verify S/MIME signatures of outbound messages</source>
        <translation>Verificar las firmas S/MIME de los mensajes salientes</translation>
    </message>
    <message id="confui.smime.OutVerifyCRL">
        <source>Check the certificate revocation lists (CRL) of outbound signatures</source>
        <translation>Comprobar las listas de revocación (CRL) de las firmas salientes</translation>
    </message>
    <message id="confui.smime.DecrList">
        <source>Decrypt the inbound messages of these recipients:</source>
        <translation>Descifrar los mensajes entrantes de estos destinatarios:</translation>
    </message>
    <message id="confui.smime.AltPriv">
        <source>Try the other private certificates when the first one fails</source>
        <translation>Probar los demás certificados privados si falla el primero</translation>
    </message>
    <message id="confui.smime.EncrList">
        <source>Encrypt the outbound messages to these recipients:</source>
        <translation>Cifrar los mensajes salientes a estos destinatarios:</translation>
    </message>
    <message id="confui.smime.CryptPreCrypt">
        <source>Encrypt messages that are already encrypted</source>
        <translation>Cifrar los mensajes ya cifrados</translation>
    </message>
    <message id="confui.smime.CryptPreSign">
        <source>Encrypt messages that are already signed</source>
        <translation>Cifrar los mensajes ya firmados</translation>
    </message>
    <message id="confui.smime.CryptHdr">
        <source>Header that asks for encryption:</source>
        <translation>Encabezado que solicita el cifrado:</translation>
    </message>
    <message id="confui.smime.InPolList">
        <source>Requirements for inbound messages of these senders:</source>
        <translation>Requisitos para los mensajes entrantes de estos remitentes:</translation>
    </message>
    <message id="confui.smime.OutPolList">
        <source>Requirements for outbound messages to these recipients:</source>
        <translation>Requisitos para los mensajes salientes a estos destinatarios:</translation>
    </message>
    <message id="confui.smime.WriteDBCert">
        <source>Store the certificates of signed inbound messages in the database</source>
        <translation>Guardar en la base los certificados de los mensajes entrantes firmados</translation>
    </message>
    <message id="confui.smime.OutWriteDBCert">
        <source>Store the certificates of signed outbound messages in the database</source>
        <translation>Guardar en la base los certificados de los mensajes salientes firmados</translation>
    </message>
    <message id="confui.smime.Verbose">
        <source>Log S/MIME processing</source>
        <translation>Registrar el procesamiento S/MIME</translation>
    </message>
    <message id="confui.smime.CACert">
        <source>CA certificate file:</source>
        <translation>Archivo del certificado de la CA:</translation>
    </message>
    <message id="confui.smime.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Carpeta que contiene la carpeta CERT (vacío: carpeta del programa):</translation>
    </message>
    <message id="confui.smime.Statistic">
        <source>Write S/MIME statistics</source>
        <translation>Escribir las estadísticas S/MIME</translation>
    </message>
    <message id="confui.smime.InAssemble">
        <source>Reassemble inbound S/MIME messages</source>
        <translation>Reensamblar los mensajes S/MIME entrantes</translation>
    </message>
    <message id="confui.smime.OutAssemble">
        <source>Reassemble outbound S/MIME messages</source>
        <translation>Reensamblar los mensajes S/MIME salientes</translation>
    </message>
    <message id="confui.smime.MarkRemoved">
        <source>Mark the subject when the S/MIME envelope was removed</source>
        <translation>Marcar el asunto cuando se quitó el sobre S/MIME</translation>
    </message>
    <message id="confui.smime.ExclPolicy">
        <source>Exclude from the &amp;policy...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Excluir de la &amp;directiva...</translation>
    </message>
    <message id="confui.dkim.SignList">
        <source>Sign the outbound messages of these domains:</source>
        <translation>Firmar los mensajes salientes de estos dominios:</translation>
    </message>
    <message id="confui.dkim.Path">
        <source>Folder that holds the CERT folder (empty: program folder):</source>
        <translation>Carpeta que contiene la carpeta CERT (vacío: carpeta del programa):</translation>
    </message>
    <message id="confui.dkim.Verbose">
        <source>Log DKIM processing</source>
        <translation>Registrar el procesamiento DKIM</translation>
    </message>
    <message id="confui.tls.InPolList">
        <source>TLS for connections from these clients:</source>
        <translation>TLS para las conexiones de estos clientes:</translation>
    </message>
    <message id="confui.tls.OutPolList">
        <source>TLS for connections to these destinations:</source>
        <translation>TLS para las conexiones a estos destinos:</translation>
    </message>
    <message id="confui.tls.ClientCert">
        <source>Ask connecting clients for a certificate</source>
        <translation>Pedir un certificado a los clientes que se conectan</translation>
    </message>
    <message id="confui.tls.ServCiphers">
        <source>Ciphers offered to clients (empty: default):</source>
        <translation>Cifrados ofrecidos a los clientes (vacío: predeterminados):</translation>
    </message>
    <message id="confui.tls.ClientCiphers">
        <source>Ciphers used towards servers (empty: default):</source>
        <translation>Cifrados usados hacia los servidores (vacío: predeterminados):</translation>
    </message>
    <message id="confui.page.IniExclAdr">
        <source>Exclude - E-mail</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Correo</translation>
    </message>
    <message id="confui.page.IniExclSubj">
        <source>Exclude - Subject</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Asunto</translation>
    </message>
    <message id="confui.page.IniExclText">
        <source>Exclude - Text</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Texto</translation>
    </message>
    <message id="confui.page.IniExclHTML">
        <source>Exclude - HTML</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - HTML</translation>
    </message>
    <message id="confui.page.IniExclIPH">
        <source>Exclude - IP/Host</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - IP/Host</translation>
    </message>
    <message id="confui.page.IniExclAWL">
        <source>Exclude - White List</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Lista blanca</translation>
    </message>
    <message id="confui.page.IniExclSLS">
        <source>Exclude - SLS/RBL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - SLS/RBL</translation>
    </message>
    <message id="confui.page.IniExclDNSWL">
        <source>Exclude - DNSWL</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - DNSWL</translation>
    </message>
    <message id="confui.page.IniExclDKIM">
        <source>Exclude - DKIM</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - DKIM</translation>
    </message>
    <message id="confui.page.IniExclSPF">
        <source>Exclude - SPF</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - SPF</translation>
    </message>
    <message id="confui.page.IniExclOth">
        <source>Exclude - Other</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Otros</translation>
    </message>
    <message id="confui.page.IniExclOpt">
        <source>Exclude - Options</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Excluir - Opciones</translation>
    </message>
    <message id="confui.excl.InFrom">
        <source>Inbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Entrante, direcciones MAIL FROM nunca bloqueadas:</translation>
    </message>
    <message id="confui.excl.InTo">
        <source>Inbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Entrante, direcciones RCPT TO nunca bloqueadas:</translation>
    </message>
    <message id="confui.excl.OutFrom">
        <source>Outbound, MAIL FROM: e-mail addresses never blocked:</source>
        <translation>Saliente, direcciones MAIL FROM nunca bloqueadas:</translation>
    </message>
    <message id="confui.excl.OutTo">
        <source>Outbound, RCPT TO: e-mail addresses never blocked:</source>
        <translation>Saliente, direcciones RCPT TO nunca bloqueadas:</translation>
    </message>
    <message id="confui.excl.InSubj">
        <source>Inbound subjects never blocked:</source>
        <translation>Entrante, asuntos nunca bloqueados:</translation>
    </message>
    <message id="confui.excl.OutSubj">
        <source>Outbound subjects never blocked:</source>
        <translation>Saliente, asuntos nunca bloqueados:</translation>
    </message>
    <message id="confui.excl.InText">
        <source>Inbound texts that exempt a message:</source>
        <translation>Entrante, textos que eximen un mensaje:</translation>
    </message>
    <message id="confui.excl.OutText">
        <source>Outbound texts that exempt a message:</source>
        <translation>Saliente, textos que eximen un mensaje:</translation>
    </message>
    <message id="confui.excl.InHTML">
        <source>Inbound HTML that exempts a message:</source>
        <translation>Entrante, HTML que exime un mensaje:</translation>
    </message>
    <message id="confui.excl.OutHTML">
        <source>Outbound HTML that exempts a message:</source>
        <translation>Saliente, HTML que exime un mensaje:</translation>
    </message>
    <message id="confui.excl.IP">
        <source>IP addresses never blocked:</source>
        <translation>Direcciones IP nunca bloqueadas:</translation>
    </message>
    <message id="confui.excl.Host">
        <source>Host names never blocked:</source>
        <translation>Nombres de host nunca bloqueados:</translation>
    </message>
    <message id="confui.excl.AWL">
        <source>Build a white list from the recipients of outbound messages</source>
        <translation>Crear una lista blanca con los destinatarios de los mensajes salientes</translation>
    </message>
    <message id="confui.excl.AWLUser">
        <source>Keep one white list per user</source>
        <translation>Mantener una lista blanca por usuario</translation>
    </message>
    <message id="confui.excl.AWLPack">
        <source>Pack the white list automatically</source>
        <translation>Compactar la lista blanca automáticamente</translation>
    </message>
    <message id="confui.excl.AWLSlots">
        <source>Maximum number of entries:</source>
        <translation>Número máximo de entradas:</translation>
    </message>
    <message id="confui.excl.AWLFeedAdd">
        <source>Address to which users send entries to add:</source>
        <translation>Dirección a la que los usuarios envían las entradas que añadir:</translation>
    </message>
    <message id="confui.excl.AWLFeedDel">
        <source>Address to which users send entries to remove:</source>
        <translation>Dirección a la que los usuarios envían las entradas que quitar:</translation>
    </message>
    <message id="confui.excl.SLS">
        <source>Exempt senders listed in these DNS whitelists</source>
        <translation>Eximir a los remitentes incluidos en estas listas blancas DNS</translation>
    </message>
    <message id="confui.excl.SLSIPHeader">
        <source>Also check the addresses in the Received headers</source>
        <translation>Comprobar también las direcciones de los encabezados Received</translation>
    </message>
    <message id="confui.excl.SLSIP">
        <source>Whitelist zones for IP addresses:</source>
        <translation>Zonas de lista blanca para direcciones IP:</translation>
    </message>
    <message id="confui.excl.SLSDom">
        <source>Whitelist zones for domains:</source>
        <translation>Zonas de lista blanca para dominios:</translation>
    </message>
    <message id="confui.excl.DNSWL">
        <source>Exempt senders listed in the public DNS whitelist (DNSWL)</source>
        <translation>Eximir a los remitentes de la lista blanca DNS pública (DNSWL)</translation>
    </message>
    <message id="confui.excl.DNSWLCat">
        <source>Categories:</source>
        <translation>Categorías:</translation>
    </message>
    <message id="confui.excl.DNSWLTrust">
        <source>Trustworthiness:</source>
        <translation>Fiabilidad:</translation>
    </message>
    <message id="confui.excl.DNSWLCatAll">
        <source>All categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message id="confui.excl.DNSWLTrustAny">
        <source>Any trust level</source>
        <translation>Cualquier nivel de fiabilidad</translation>
    </message>
    <message id="confui.excl.DNSWLHeader">
        <source>The Received-header setting of the SLS/RBL exclusion page applies here too.</source>
        <translation>El ajuste de los encabezados Received de la página SLS/RBL también se aplica aquí.</translation>
    </message>
    <message id="confui.dnswl.cat0">
        <source>not in use</source>
        <translation>no se usa</translation>
    </message>
    <message id="confui.dnswl.cat2">
        <source>Financial services</source>
        <translation>Servicios financieros</translation>
    </message>
    <message id="confui.dnswl.cat3">
        <source>Email Service Providers</source>
        <translation>Proveedores de correo electrónico</translation>
    </message>
    <message id="confui.dnswl.cat4">
        <source>Organisations (both for-profit and non-profit)</source>
        <translation>Organizaciones (con y sin ánimo de lucro)</translation>
    </message>
    <message id="confui.dnswl.cat5">
        <source>Service/network providers</source>
        <translation>Proveedores de servicios/red</translation>
    </message>
    <message id="confui.dnswl.cat6">
        <source>Personal/private servers</source>
        <translation>Servidores personales/privados</translation>
    </message>
    <message id="confui.dnswl.cat7">
        <source>Travel/leisure industry</source>
        <translation>Sector de viajes/ocio</translation>
    </message>
    <message id="confui.dnswl.cat8">
        <source>Public sector/governments</source>
        <translation>Sector público/gobiernos</translation>
    </message>
    <message id="confui.dnswl.cat9">
        <source>Media and Tech companies</source>
        <translation>Empresas de medios y tecnología</translation>
    </message>
    <message id="confui.dnswl.cat10">
        <source>Some special cases</source>
        <translation>Algunos casos especiales</translation>
    </message>
    <message id="confui.dnswl.cat11">
        <source>Education, academic</source>
        <translation>Educación, universidades</translation>
    </message>
    <message id="confui.dnswl.cat12">
        <source>Healthcare</source>
        <translation>Sanidad</translation>
    </message>
    <message id="confui.dnswl.cat13">
        <source>Manufacturing/Industrial</source>
        <translation>Fabricación/Industria</translation>
    </message>
    <message id="confui.dnswl.cat14">
        <source>Retail/Wholesale/Services</source>
        <translation>Comercio minorista/mayorista/Servicios</translation>
    </message>
    <message id="confui.dnswl.cat15">
        <source>Email Marketing Providers</source>
        <translation>Proveedores de marketing por correo</translation>
    </message>
    <message id="confui.dnswl.trust0">
        <source>None - Legitimate mail server, may send spam (e.g. Hotmail, Yahoo)</source>
        <translation>Ninguna - Servidor legítimo, puede enviar spam (p. ej. Hotmail, Yahoo)</translation>
    </message>
    <message id="confui.dnswl.trust1">
        <source>Low - Occasional spam occurrences, actively corrected but less promptly</source>
        <translation>Baja - Spam ocasional, se corrige pero con menos rapidez</translation>
    </message>
    <message id="confui.dnswl.trust2">
        <source>Medium - Extremely rare spam occurrences, corrected promptly</source>
        <translation>Media - Spam muy poco frecuente, se corrige enseguida</translation>
    </message>
    <message id="confui.dnswl.trust3">
        <source>High - Never sends spam</source>
        <translation>Alta - Nunca envía spam</translation>
    </message>
    <message id="confui.excl.DKIM">
        <source>Exempt messages with a valid DKIM signature</source>
        <translation>Eximir los mensajes con una firma DKIM válida</translation>
    </message>
    <message id="confui.excl.DKIMFrom">
        <source>Only for these sender addresses:</source>
        <translation>Solo para estas direcciones de remitente:</translation>
    </message>
    <message id="confui.excl.SPF">
        <source>Exempt messages whose sender passes the SPF check</source>
        <translation>Eximir los mensajes cuyo remitente supera la comprobación SPF</translation>
    </message>
    <message id="confui.excl.TLS">
        <source>Exempt messages received over TLS</source>
        <translation>Eximir los mensajes recibidos por TLS</translation>
    </message>
    <message id="confui.excl.Auth">
        <source>Exempt authenticated senders</source>
        <translation>Eximir a los remitentes autenticados</translation>
    </message>
    <message id="confui.excl.MailList">
        <source>Exempt messages of mailing lists</source>
        <translation>Eximir los mensajes de listas de correo</translation>
    </message>
    <message id="confui.excl.OptWL">
        <source>The White list excludes from these methods:</source>
        <translation>La lista blanca excluye de estos métodos:</translation>
    </message>
    <message id="confui.excl.OptGlobal">
        <source>All other exclusions excludes from these methods:</source>
        <translation>Todas las demás exclusiones excluyen de estos métodos:</translation>
    </message>
    <message id="confui.method.Adr">
        <source>E-mail</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Correo</translation>
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
        <translation>Asunto</translation>
    </message>
    <message id="confui.method.Text">
        <source>Text</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Texto</translation>
    </message>
    <message id="confui.method.HTML">
        <source>HTML</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="confui.method.Att">
        <source>Attachment</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Adjunto</translation>
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
        <translation>Macros de Office</translation>
    </message>
    <message id="confui.method.MSOPP">
        <source>Office passwords</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Contraseñas de Office</translation>
    </message>
    <message id="confui.method.MSOEM">
        <source>Office embedded files</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Archivos incrustados de Office</translation>
    </message>
    <message id="confui.method.SLS">
        <source>SLS/RBL</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>SLS/RBL</translation>
    </message>
    <message id="confui.method.CTY">
        <source>Country</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>País</translation>
    </message>
    <message id="confui.method.Bayes">
        <source>Bayes</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Bayes</translation>
    </message>
    <message id="confui.method.Heur">
        <source>Heuristic</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Heurística</translation>
    </message>
    <message id="confui.method.Hdr">
        <source>Header</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Encabezado</translation>
    </message>
    <message id="confui.method.Phi">
        <source>Phishing</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Suplantación</translation>
    </message>
    <message id="confui.method.NoTo">
        <source>Missing To:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>To: ausente</translation>
    </message>
    <message id="confui.method.FromUs">
        <source>Internal sender from outside</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Remitente interno desde fuera</translation>
    </message>
    <message id="confui.method.NoFrom">
        <source>Faked From:</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>From: falsificado</translation>
    </message>
    <message id="confui.method.NoMx">
        <source>No MX record</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Sin registro MX</translation>
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
        <translation>Imagen</translation>
    </message>
    <message id="confui.method.CharSet">
        <source>Charset</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Juego de caracteres</translation>
    </message>
    <message id="confui.method.ABIP">
        <source>Auto IP</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>IP automática</translation>
    </message>
    <message id="confui.method.SEBA">
        <source>Senderbase</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Senderbase</translation>
    </message>
    <message id="confui.method.BCKS">
        <source>Backscatter</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Retrodispersión</translation>
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
        <translation>Macros de ClamAV</translation>
    </message>
    <message id="confui.method.CAXCR">
        <source>Community rules</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Reglas de la comunidad</translation>
    </message>
    <message id="confui.method.UDM">
        <source>UDM</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>UDM</translation>
    </message>
    <message id="confui.method.Abs">
        <source>Absolute</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Absoluto</translation>
    </message>
    <message id="confui.method.GreyList">
        <source>Greylisting</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Lista gris</translation>
    </message>
    <message id="confui.method.ToAdr">
        <source>E-mail address</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>Dirección de correo</translation>
    </message>
    <message id="confui.method.SMIME">
        <source>S/MIME</source>
        <extracomment>Name of a filter method (Global Exclude options, marking texts).</extracomment>
        <translation>S/MIME</translation>
    </message>
    <message id="confui.page.IniPhi">
        <source>Phishing</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Suplantación</translation>
    </message>
    <message id="confui.IniPhi.Block">
        <source>Block phishing messages</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Bloquear los mensajes de suplantación</translation>
    </message>
    <message id="confui.IniPhi.SPF">
        <source>Use the SPF result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usar el resultado SPF</translation>
    </message>
    <message id="confui.IniPhi.DKIM">
        <source>Use the DKIM result</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usar el resultado DKIM</translation>
    </message>
    <message id="confui.IniPhi.DMARC">
        <source>Use the DMARC policy</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Usar la directiva DMARC</translation>
    </message>
    <message id="confui.IniPhi.URL">
        <source>Compare the links with their visible text</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Comparar los enlaces con su texto visible</translation>
    </message>
    <message id="confui.IniPhi.BaseDomain">
        <source>Ignore links to the same base domain</source>
        <extracomment>On the page &quot;Phishing&quot;.</extracomment>
        <translation>Ignorar los enlaces al mismo dominio base</translation>
    </message>
    <message id="confui.IniPhi.Verbose">
        <source>Log phishing checks</source>
        <extracomment>On the page &quot;Phishing&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registrar las comprobaciones de suplantación</translation>
    </message>
    <message id="confui.page.ConfMS1">
        <source>Mark Subject - 1</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marcar asunto - 1</translation>
    </message>
    <message id="confui.page.ConfMS2">
        <source>Mark Subject - 2</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marcar asunto - 2</translation>
    </message>
    <message id="confui.page.ConfMS3">
        <source>Mark Subject - 3</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marcar asunto - 3</translation>
    </message>
    <message id="confui.page.ConfMS4">
        <source>Mark Subject - 4</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marcar asunto - 4</translation>
    </message>
    <message id="confui.page.ConfMS5">
        <source>Mark Subject - 5</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Marcar asunto - 5</translation>
    </message>
    <message id="confui.page.ConfIP">
        <source>IP Address</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Dirección IP</translation>
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
        <translation>Hilos</translation>
    </message>
    <message id="confui.page.ConfAdm">
        <source>Admin</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Administración</translation>
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
        <translation>Lista blanca</translation>
    </message>
    <message id="confui.page.ConfAdv">
        <source>Advanced</source>
        <extracomment>Title of a page of a configuration property sheet (tab or entry of the page tree).</extracomment>
        <translation>Avanzado</translation>
    </message>
    <message id="confui.ConfMS.General">
        <source>Mark put into the subject by every method (empty: each method&apos;s own):</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca en el asunto para todos los métodos (vacío: la de cada método):</translation>
    </message>
    <message id="confui.ConfMS.Right">
        <source>Put the mark on the right side of the subject</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Poner la marca a la derecha del asunto</translation>
    </message>
    <message id="confui.ConfMS.RemoveHTML">
        <source>Mark when HTML was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca cuando se quitó el HTML:</translation>
    </message>
    <message id="confui.ConfMS.DecodeHTML">
        <source>Mark when HTML was decoded:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca cuando se descodificó el HTML:</translation>
    </message>
    <message id="confui.ConfMS.RemoveTNEF">
        <source>Mark when TNEF was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca cuando se quitó TNEF:</translation>
    </message>
    <message id="confui.ConfMS.RemoveSMIME">
        <source>Mark when S/MIME was removed:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca cuando se quitó S/MIME:</translation>
    </message>
    <message id="confui.ConfMS.Note">
        <source>Mark put into the subject of a caught message, per method:</source>
        <extracomment>On a configuration page.</extracomment>
        <translation>Marca en el asunto de un mensaje detectado, por método:</translation>
    </message>
    <message id="confui.ConfIP.Address">
        <source>Bind to IP address (empty: all addresses):</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Vincular a la dirección IP (vacío: todas las direcciones):</translation>
    </message>
    <message id="confui.ConfIP.MachineName">
        <source>Host name (FQDN) used in the greeting:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Nombre de host (FQDN) usado en el saludo:</translation>
    </message>
    <message id="confui.ConfIP.NAT">
        <source>Official addresses behind NAT:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Direcciones oficiales detrás de NAT:</translation>
    </message>
    <message id="confui.ConfIP.InPort">
        <source>Inbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Puerto SMTP entrante:</translation>
    </message>
    <message id="confui.ConfIP.OutPort">
        <source>Outbound SMTP port:</source>
        <extracomment>On the page &quot;IP Address&quot;.</extracomment>
        <translation>Puerto SMTP saliente:</translation>
    </message>
    <message id="confui.ConfDSN.From">
        <source>Sender address of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Dirección de remitente de los informes de entrega:</translation>
    </message>
    <message id="confui.ConfDSN.Format">
        <source>Format of delivery reports:</source>
        <extracomment>On the page &quot;DSN&quot;: the setting Format of Morva.ini.</extracomment>
        <translation>Formato de los informes de entrega:</translation>
    </message>
    <message id="confui.ConfDSN.Format0">
        <source>Plain text message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Mensaje de texto sin formato</translation>
    </message>
    <message id="confui.ConfDSN.Format1">
        <source>Standard report (RFC 3464)</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Informe estándar (RFC 3464)</translation>
    </message>
    <message id="confui.ConfDSN.Format2">
        <source>Standard report with a readable text part</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Informe estándar con una parte de texto legible</translation>
    </message>
    <message id="confui.ConfDSN.Return">
        <source>Content returned in a report:</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Contenido devuelto en un informe:</translation>
    </message>
    <message id="confui.ConfDSN.Return0">
        <source>The headers of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Los encabezados del mensaje</translation>
    </message>
    <message id="confui.ConfDSN.Return1">
        <source>The whole message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>El mensaje completo</translation>
    </message>
    <message id="confui.ConfDSN.Return2">
        <source>Nothing of the message</source>
        <extracomment>On the page &quot;DSN&quot;.</extracomment>
        <translation>Nada del mensaje</translation>
    </message>
    <message id="confui.ConfDNS.Resolve">
        <source>For resolving A and PTR records:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Para resolver los registros A y PTR:</translation>
    </message>
    <message id="confui.ConfDNS.Own">
        <source>Use the gateway&apos;s own DNS queries</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Usar las consultas DNS propias de la pasarela</translation>
    </message>
    <message id="confui.ConfDNS.System">
        <source>Use the resolver of the operating system</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Usar el resolutor del sistema operativo</translation>
    </message>
    <message id="confui.ConfDNS.Transport">
        <source>Transport of DNS queries:</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Transporte de las consultas DNS:</translation>
    </message>
    <message id="confui.ConfDNS.UDP">
        <source>UDP (TCP for long answers)</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>UDP (TCP para respuestas largas)</translation>
    </message>
    <message id="confui.ConfDNS.TCP">
        <source>TCP only</source>
        <extracomment>On the page &quot;DNS&quot;.</extracomment>
        <translation>Solo TCP</translation>
    </message>
    <message id="confui.ConfThr.In">
        <source>Maximum number of inbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Número máximo de hilos entrantes:</translation>
    </message>
    <message id="confui.ConfThr.Out">
        <source>Maximum number of outbound threads:</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Número máximo de hilos salientes:</translation>
    </message>
    <message id="confui.ConfThr.InBayes">
        <source>Skip the Bayes filter while all inbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Omitir el filtro bayesiano mientras todos los hilos entrantes estén ocupados</translation>
    </message>
    <message id="confui.ConfThr.OutBayes">
        <source>Skip the Bayes filter while all outbound threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Omitir el filtro bayesiano mientras todos los hilos salientes estén ocupados</translation>
    </message>
    <message id="confui.ConfThr.Watermark">
        <source>Refuse inbound connections while all threads are busy</source>
        <extracomment>On the page &quot;Threads&quot;.</extracomment>
        <translation>Rechazar las conexiones entrantes mientras todos los hilos estén ocupados</translation>
    </message>
    <message id="confui.ConfAdm.ShowLog">
        <source>Show the log file in the main window</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Mostrar el archivo de registro en la ventana principal</translation>
    </message>
    <message id="confui.ConfAdm.LogPath">
        <source>Folder of the log file (empty: the gateway&apos;s log folder):</source>
        <extracomment>On the page &quot;Admin&quot;: the setting LogPath of Morva.ini.</extracomment>
        <translation>Carpeta del archivo de registro (vacío: la del servicio):</translation>
    </message>
    <message id="confui.ConfAdm.CheckDir">
        <source>On input warn if a selected directory does not exist</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Avisar al introducir si un directorio elegido no existe</translation>
    </message>
    <message id="confui.ConfAdm.Font">
        <source>Font of the log view:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Fuente de la vista del registro:</translation>
    </message>
    <message id="confui.ConfAdm.FontSize">
        <source>Font size:</source>
        <extracomment>On the page &quot;Admin&quot;.</extracomment>
        <translation>Tamaño de fuente:</translation>
    </message>
    <message id="confui.ConfESMTP.In">
        <source>Inbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Extensiones ESMTP entrantes</translation>
    </message>
    <message id="confui.ConfESMTP.Out">
        <source>Outbound ESMTP extensions</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>Extensiones ESMTP salientes</translation>
    </message>
    <message id="confui.ConfESMTP.ESMTP">
        <source>ESMTP (all extensions)</source>
        <extracomment>On the page &quot;ESMTP&quot;.</extracomment>
        <translation>ESMTP (todas las extensiones)</translation>
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
        <translation>Respetar los errores permanentes de Exchange</translation>
    </message>
    <message id="confui.ConfSMTP.4xx">
        <source>Treat 4xx answers of Exchange as permanent errors</source>
        <translation>Tratar las respuestas 4xx de Exchange como errores permanentes</translation>
    </message>
    <message id="confui.ConfSMTP.DataTimeout">
        <source>Treat a DATA time-out of Exchange as a permanent error</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Tratar un tiempo de espera en DATA de Exchange como error permanente</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreMailFrom">
        <source>Ignore permanent errors after MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignorar los errores permanentes tras MAIL FROM</translation>
    </message>
    <message id="confui.ConfSMTP.IgnoreSLS">
        <source>Ignore errors of remote servers that block us by blocklist</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Ignorar los errores de servidores que nos bloquean por lista negra</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecv">
        <source>Do not add a Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>No añadir la línea de encabezado Received</translation>
    </message>
    <message id="confui.ConfSMTP.SuppRecvFor">
        <source>Leave the recipient out of the Received header line</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Omitir el destinatario en la línea Received</translation>
    </message>
    <message id="confui.ConfSMTP.SizeCheck">
        <source>Check the size limit while the message is transferred</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Comprobar el límite de tamaño durante la transferencia</translation>
    </message>
    <message id="confui.ConfSMTP.CloseMailFrom">
        <source>Close the connection after an error in MAIL FROM</source>
        <extracomment>On the page &quot;SMTP&quot;.</extracomment>
        <translation>Cerrar la conexión tras un error en MAIL FROM</translation>
    </message>
    <message id="confui.ConfAWL.Verbose">
        <source>Log the white list synchronisation</source>
        <extracomment>On the page &quot;White List&quot;: the setting Verbose of Morva.ini.</extracomment>
        <translation>Registrar la sincronización de la lista blanca</translation>
    </message>
    <message id="confui.ConfAWL.Master">
        <source>Act as synchronisation master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Actuar como maestro de sincronización</translation>
    </message>
    <message id="confui.ConfAWL.AllowIP">
        <source>Clients allowed to synchronise:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Clientes autorizados a sincronizar:</translation>
    </message>
    <message id="confui.ConfAWL.Protocol">
        <source>Protocol:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Protocolo:</translation>
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
        <translation>Actuar como cliente de sincronización</translation>
    </message>
    <message id="confui.ConfAWL.MasterIP">
        <source>Address of the master:</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Dirección del maestro:</translation>
    </message>
    <message id="confui.ConfAWL.CacheNeg">
        <source>Remember negative answers of the master</source>
        <extracomment>On the page &quot;White List&quot;.</extracomment>
        <translation>Recordar las respuestas negativas del maestro</translation>
    </message>
    <message id="confui.ConfAdv.TempPath">
        <source>Temporary folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting TempPath of Morva.ini.</extracomment>
        <translation>Carpeta temporal:</translation>
    </message>
    <message id="confui.ConfAdv.DiskFull">
        <source>Warn when free disk space falls below (MB):</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Avisar cuando el espacio libre baje de (MB):</translation>
    </message>
    <message id="confui.ConfAdv.Screen">
        <source>Force screen output</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Forzar la salida por pantalla</translation>
    </message>
    <message id="confui.ConfAdv.InDup">
        <source>Deliver a separate copy of inbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Entregar una copia separada de los mensajes entrantes a cada destinatario</translation>
    </message>
    <message id="confui.ConfAdv.OutDup">
        <source>Deliver a separate copy of outbound messages to each recipient</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Entregar una copia separada de los mensajes salientes a cada destinatario</translation>
    </message>
    <message id="confui.ConfAdv.SpamFolder">
        <source>Spam folder:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting SpamFolder of Morva.ini.</extracomment>
        <translation>Carpeta de spam:</translation>
    </message>
    <message id="confui.ConfAdv.Language">
        <source>Language:</source>
        <extracomment>On the page &quot;Advanced&quot;: the setting Language of Morva.ini.</extracomment>
        <translation>Idioma:</translation>
    </message>
    <message id="confui.ConfAdv.Auto">
        <source>Auto Detect</source>
        <extracomment>On the page &quot;Advanced&quot;.</extracomment>
        <translation>Detección automática</translation>
    </message>
    <message id="confui.lang.ENG">
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message id="confui.lang.DEU">
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message id="confui.lang.FRA">
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message id="confui.lang.ITA">
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message id="confui.lang.SPA">
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message id="confui.pol.capVrfy">
        <source>Signer</source>
        <translation>Firmante</translation>
    </message>
    <message id="confui.pol.capSign">
        <source>Signing certificate</source>
        <translation>Certificado de firma</translation>
    </message>
    <message id="confui.pol.capDecr">
        <source>Decryption certificate</source>
        <translation>Certificado de descifrado</translation>
    </message>
    <message id="confui.pol.capEncr">
        <source>Encryption certificate</source>
        <translation>Certificado de cifrado</translation>
    </message>
    <message id="confui.pol.capInPol">
        <source>Inbound S/MIME policy</source>
        <translation>Directiva S/MIME entrante</translation>
    </message>
    <message id="confui.pol.capOutPol">
        <source>Outbound S/MIME policy</source>
        <translation>Directiva S/MIME saliente</translation>
    </message>
    <message id="confui.pol.capTlsIn">
        <source>Inbound TLS policy</source>
        <translation>Directiva TLS entrante</translation>
    </message>
    <message id="confui.pol.capTlsOut">
        <source>Outbound TLS policy</source>
        <translation>Directiva TLS saliente</translation>
    </message>
    <message id="confui.pol.capDkim">
        <source>DKIM signing</source>
        <translation>Firma DKIM</translation>
    </message>
    <message id="confui.pol.fSender">
        <source>Sender address or pattern:</source>
        <translation>Dirección o patrón del remitente:</translation>
    </message>
    <message id="confui.pol.fRecipient">
        <source>Recipient address or pattern:</source>
        <translation>Dirección o patrón del destinatario:</translation>
    </message>
    <message id="confui.pol.fCertificate">
        <source>Certificate file:</source>
        <translation>Archivo de certificado:</translation>
    </message>
    <message id="confui.pol.fPassword">
        <source>Password of the private key:</source>
        <translation>Contraseña de la clave privada:</translation>
    </message>
    <message id="confui.pol.fNeedSigned">
        <source>Signature required</source>
        <translation>Firma obligatoria</translation>
    </message>
    <message id="confui.pol.fNeedEncrypted">
        <source>Encryption required</source>
        <translation>Cifrado obligatorio</translation>
    </message>
    <message id="confui.pol.fAction">
        <source>Action when not met:</source>
        <translation>Acción si no se cumple:</translation>
    </message>
    <message id="confui.pol.fClient">
        <source>Client IP address or host name:</source>
        <translation>Dirección IP o nombre de host del cliente:</translation>
    </message>
    <message id="confui.pol.fDestination">
        <source>Destination domain or host:</source>
        <translation>Dominio o host de destino:</translation>
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
        <translation>Selector:</translation>
    </message>
    <message id="confui.pol.fKeyFile">
        <source>Private key file:</source>
        <translation>Archivo de la clave privada:</translation>
    </message>
    <message id="confui.pol.tlsOptional">
        <source>Use TLS when offered</source>
        <translation>Usar TLS si se ofrece</translation>
    </message>
    <message id="confui.pol.tlsRequired">
        <source>Require TLS</source>
        <translation>Exigir TLS</translation>
    </message>
    <message id="confui.pol.tlsVerify">
        <source>Require TLS and a valid certificate</source>
        <translation>Exigir TLS y un certificado válido</translation>
    </message>
    <message id="confui.pol.unreadable">
        <source>(unreadable entry, kept as it is)</source>
        <translation>(entrada ilegible, se conserva tal cual)</translation>
    </message>
    <message id="confui.pol.noCertDir">
        <source>The certificate folder holds no *.pem files:</source>
        <translation>La carpeta de certificados no contiene archivos *.pem:</translation>
    </message>
    <message id="confui.pol.certMissing">
        <source>The certificate file is not in the certificate folder:</source>
        <translation>El archivo de certificado no está en la carpeta de certificados:</translation>
    </message>
    <message id="confui.pol.void">
        <source>(no fixed certificate)</source>
        <translation>(ningún certificado fijo)</translation>
    </message>
    <message id="confui.pol.errCharacter">
        <source>The field holds a character that the configuration file cannot keep (a control character, or a semicolon in a list with comments).</source>
        <translation>El campo contiene un carácter que el archivo de configuración no puede guardar (un carácter de control o un punto y coma en una lista con comentarios).</translation>
    </message>
    <message id="confui.pol.errAddress">
        <source>Please enter a valid e-mail address or pattern!
Format is user@example.com, *@example.com or *</source>
        <translation>¡Introduzca una dirección de correo o un patrón válido!
El formato es usuario@ejemplo.es, *@ejemplo.es o *</translation>
    </message>
    <message id="confui.pol.errHost">
        <source>Please enter a valid host name, domain or IP address!
Wildcards * and ? are allowed.</source>
        <translation>¡Introduzca un nombre de host, un dominio o una dirección IP válidos!
Se admiten los comodines * y ?.</translation>
    </message>
    <message id="confui.pol.errDomain">
        <source>Please enter a valid domain name!
Format is example.com</source>
        <translation>¡Introduzca un nombre de dominio válido!
El formato es ejemplo.es</translation>
    </message>
    <message id="confui.pol.errSelector">
        <source>Please enter a valid selector!
Letters, digits and hyphens, parts separated by dots.</source>
        <translation>¡Introduzca un selector válido!
Letras, cifras y guiones, partes separadas por puntos.</translation>
    </message>
    <message id="confui.pol.errCertificate">
        <source>Please choose a certificate file (*.pem) of the certificate folder!</source>
        <translation>¡Elija un archivo de certificado (*.pem) de la carpeta de certificados!</translation>
    </message>
    <message id="confui.pol.errVoid">
        <source>This list needs a certificate file.</source>
        <translation>Esta lista necesita un archivo de certificado.</translation>
    </message>
    <message id="confui.pol.errChoice">
        <source>Please choose one of the offered values!</source>
        <translation>¡Elija uno de los valores ofrecidos!</translation>
    </message>
    <message id="confui.pol.errUnreadable">
        <source>The entry cannot be read.</source>
        <translation>La entrada no se puede leer.</translation>
    </message>
    <message id="confui.c2.sheetLeft">
        <source>Not available yet</source>
        <translation>Aún no disponible</translation>
    </message>
    <message id="confui.pol.capCert">
        <source>Certificate</source>
        <translation>Certificado</translation>
    </message>
    <message id="confui.pol.capPol">
        <source>S/MIME policy</source>
        <translation>Directiva S/MIME</translation>
    </message>
    <message id="confui.pol.capTls">
        <source>TLS policy</source>
        <translation>Directiva TLS</translation>
    </message>
    <message id="confui.IniDisc.Edit">
        <source>Edit the disclaimer &amp;text...</source>
        <extracomment>On the page &quot;Disclaimer&quot;. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Editar el &amp;texto del aviso legal...</translation>
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
        <translation>Intentando bloquear los archivos de datos...</translation>
    </message>
    <message id="db.locking">
        <source>Locking the data files...</source>
        <translation>Bloqueando los archivos de datos...</translation>
    </message>
    <message id="db.lockFailed">
        <source>Unable to lock the data files!</source>
        <translation>¡No se pueden bloquear los archivos de datos!</translation>
    </message>
    <message id="db.locked">
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message id="db.writeFailed">
        <source>Unable to write the data files! These files may have lost changes:</source>
        <translation>¡No se pueden escribir los archivos de datos! Es posible que se hayan perdido cambios en estos archivos:</translation>
    </message>
    <message id="db.blankField">
        <source>Blank field is not allowed!</source>
        <translation>¡No se permite un campo vacío!</translation>
    </message>
    <message id="db.invalidAddress">
        <source>Please enter a valid SMTP address!</source>
        <translation>¡Introduzca una dirección SMTP válida!</translation>
    </message>
    <message id="db.formatIs">
        <source>Format is </source>
        <translation>El formato es </translation>
    </message>
    <message id="db.tooLong">
        <source>The value is too long! At most %1 characters are allowed.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡El valor es demasiado largo! Se permiten como máximo %1 caracteres.</translation>
    </message>
    <message id="db.controlCharacter">
        <source>The value contains control characters, which the record files cannot hold!</source>
        <translation>¡El valor contiene caracteres de control que los archivos de registros no pueden contener!</translation>
    </message>
    <message id="db.badBlockType">
        <source>The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: e-mail address)!</source>
        <translation>¡El tipo de bloqueo debe ser 0 (dirección IP), 1 (nombre de host) o 2 (MAIL FROM: dirección de correo electrónico)!</translation>
    </message>
    <message id="db.aliasNotFound">
        <source>Unable to find record in DataAlia!</source>
        <translation>¡No se encuentra el registro en DataAlia!</translation>
    </message>
    <message id="db.blockNotFound">
        <source>Unable to find record in DataBlock!</source>
        <translation>¡No se encuentra el registro en DataBlock!</translation>
    </message>
    <message id="db.userNotFound">
        <source>Unable to find record in DataUser!</source>
        <translation>¡No se encuentra el registro en DataUser!</translation>
    </message>
</context>
<context>
    <name>records (record lists and sheets)</name>
    <message id="records.counting">
        <source>Counting records...</source>
        <translation>Contando registros...</translation>
    </message>
    <message id="records.reading">
        <source>Reading records...</source>
        <translation>Leyendo registros...</translation>
    </message>
    <message id="records.deleteRecord">
        <source>Delete record</source>
        <translation>Eliminar registro</translation>
    </message>
    <message id="records.deleteAll">
        <source>Delete all selected records</source>
        <translation>Eliminar todos los registros seleccionados</translation>
    </message>
    <message id="records.new">
        <source>&amp;New</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message id="records.edit">
        <source>&amp;Edit</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Editar</translation>
    </message>
    <message id="records.delete">
        <source>&amp;Delete</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>E&amp;liminar</translation>
    </message>
    <message id="records.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="records.ok">
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message id="records.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="records.col.rec">
        <source>Rec</source>
        <translation>N.º</translation>
    </message>
    <message id="records.col.from">
        <source>From</source>
        <translation>De</translation>
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
        <translation>Dirección IP / Host / Dominio / Correo</translation>
    </message>
    <message id="records.col.name">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="records.col.email">
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message id="records.aliasList">
        <source>E-mail Forwarding</source>
        <translation>Reenvío de correo</translation>
    </message>
    <message id="records.blockList">
        <source>SMTP Blocking</source>
        <translation>Bloqueo SMTP</translation>
    </message>
    <message id="records.userList">
        <source>E-mail address on Exchange</source>
        <translation>Dirección de correo en Exchange</translation>
    </message>
    <message id="records.type.ip">
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message id="records.type.host">
        <source>Hostname</source>
        <translation>Nombre de host</translation>
    </message>
    <message id="records.type.mailFrom">
        <source>MAIL FROM: e-mail address</source>
        <translation>MAIL FROM: dirección de correo</translation>
    </message>
    <message id="records.type.mailDomain">
        <source>MAIL FROM: e-mail domain</source>
        <translation>MAIL FROM: dominio de correo</translation>
    </message>
    <message id="records.type.unknown">
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message id="records.aliasSheet">
        <source>SMTP Forwarding</source>
        <translation>Reenvío SMTP</translation>
    </message>
    <message id="records.aliasPage">
        <source>E-mail Forwarding</source>
        <translation>Reenvío de correo</translation>
    </message>
    <message id="records.group.forward">
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message id="records.forwardAddress">
        <source>Forward e-mail address:</source>
        <translation>Reenviar la dirección de correo:</translation>
    </message>
    <message id="records.toAddress">
        <source>To e-mail address:</source>
        <translation>A la dirección de correo:</translation>
    </message>
    <message id="records.group.options">
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message id="records.deliverOriginal">
        <source>Deliver to original e-mail address after forwarding</source>
        <translation>Entregar también a la dirección de correo original tras el reenvío</translation>
    </message>
    <message id="records.blockSheet">
        <source>SMTP Blocking</source>
        <translation>Bloqueo SMTP</translation>
    </message>
    <message id="records.blockPage">
        <source>SMTP Blocking</source>
        <translation>Bloqueo SMTP</translation>
    </message>
    <message id="records.group.doNotAccept">
        <source>Do not accept a SMTP message from</source>
        <translation>No aceptar mensajes SMTP de</translation>
    </message>
    <message id="records.blockValue">
        <source>IP address / Host / Domain / E-Mail:</source>
        <translation>Dirección IP / Host / Dominio / Correo:</translation>
    </message>
    <message id="records.group.samples">
        <source>Samples</source>
        <translation>Ejemplos</translation>
    </message>
    <message id="records.sample.ip">
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message id="records.sample.host">
        <source>Hostname:</source>
        <translation>Nombre de host:</translation>
    </message>
    <message id="records.sample.hostValue">
        <source>mx.domain.com or domain.com for all hosts in a domain</source>
        <translation>mx.domain.com o domain.com para todos los hosts de un dominio</translation>
    </message>
    <message id="records.sample.mail">
        <source>MAIL FROM: e-mail address:</source>
        <translation>MAIL FROM: dirección de correo:</translation>
    </message>
    <message id="records.sample.mailValue">
        <source>user@domain.com, or @domain.com for a full domain</source>
        <translation>user@domain.com, o @domain.com para un dominio completo</translation>
    </message>
    <message id="records.keptType">
        <source>Stored type %1 (kept unless you choose another)</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Tipo guardado %1 (se conserva salvo que elija otro)</translation>
    </message>
    <message id="records.userSheet">
        <source>User Address</source>
        <translation>Dirección de usuario</translation>
    </message>
    <message id="records.userPage">
        <source>E-mail address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message id="records.group.userInfo">
        <source>User Information</source>
        <translation>Información del usuario</translation>
    </message>
    <message id="records.userName">
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message id="records.userAddress">
        <source>E-mail address:</source>
        <translation>Dirección de correo:</translation>
    </message>
    <message id="records.domainList">
        <source>E-mail domain on Exchange</source>
        <translation>Dominio de correo en Exchange</translation>
    </message>
    <message id="records.domainListText">
        <source>Add the e-mail domain that your Exchange is responsible for, e.g. example.com.</source>
        <translation>Añada el dominio de correo del que se encarga su Exchange, p. ej. example.com.</translation>
    </message>
    <message id="records.domainListText2">
        <source>Only messages to these domains are routed to Exchange.</source>
        <translation>Solo los mensajes para estos dominios se encaminan a Exchange.</translation>
    </message>
    <message id="records.domainField">
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message id="records.commentField">
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message id="records.routeList">
        <source>Message Routing</source>
        <translation>Enrutamiento de mensajes</translation>
    </message>
    <message id="records.col.routeDomain">
        <source>E-Mail Domain</source>
        <translation>Dominio de correo</translation>
    </message>
    <message id="records.col.host">
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message id="records.col.port">
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message id="records.group.routeAll">
        <source>Route all messages</source>
        <translation>Enrutar todos los mensajes</translation>
    </message>
    <message id="records.routeDomain">
        <source>for e-mail domain:</source>
        <translation>para el dominio de correo:</translation>
    </message>
    <message id="records.routeHost">
        <source>to host:</source>
        <translation>al host:</translation>
    </message>
    <message id="records.routePort">
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message id="records.badPort">
        <source>Please enter a port number from 2 to 65535!</source>
        <translation>Introduzca un número de puerto de 2 a 65535.</translation>
    </message>
    <message id="records.badRouteDomain">
        <source>An e-mail domain cannot contain a colon (:) or a double quote (&quot;)!</source>
        <translation>Un dominio de correo no puede contener dos puntos (:) ni comillas (&quot;).</translation>
    </message>
    <message id="records.badRouteHost">
        <source>A host cannot contain a double quote (&quot;)!</source>
        <translation>Un host no puede contener comillas (&quot;).</translation>
    </message>
    <message id="records.semicolon">
        <source>A semicolon (;) cannot be stored here: Morva.ini would read the rest as a comment!</source>
        <translation>Un punto y coma (;) no se puede guardar aquí: Morva.ini leería el resto como un comentario.</translation>
    </message>
    <message id="text.notStorable">
        <source>The character &quot;%1&quot; cannot be stored: the gateway&apos;s files hold Western European characters (Windows-1252) only!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>El carácter «%1» no se puede guardar: los archivos de la pasarela solo admiten caracteres de Europa occidental (Windows-1252).</translation>
    </message>
    <message id="text.readsBackOtherwise">
        <source>The text &quot;%1&quot; cannot be stored: the gateway&apos;s files would read it back as &quot;%2&quot;!</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>El texto «%1» no se puede guardar: los archivos de la pasarela lo leerían como «%2».</translation>
    </message>
    <message id="text.notStorableInList">
        <source>The character &quot;%1&quot; cannot be stored in this list!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>El carácter «%1» no se puede guardar en esta lista.</translation>
    </message>
    <message id="records.deleteRoute">
        <source>Delete selected route</source>
        <translation>Eliminar la ruta seleccionada</translation>
    </message>
    <message id="records.deleteTranslation">
        <source>Delete selected translation</source>
        <translation>Eliminar la traducción seleccionada</translation>
    </message>
    <message id="records.deleteRewrite">
        <source>Delete selected rewrite</source>
        <translation>Eliminar la reescritura seleccionada</translation>
    </message>
    <message id="records.transList">
        <source>Address Translation</source>
        <translation>Traducción de direcciones</translation>
    </message>
    <message id="records.rewriteList">
        <source>Address Rewrite</source>
        <translation>Reescritura de direcciones</translation>
    </message>
    <message id="records.col.fromDomain">
        <source>from domain</source>
        <translation>del dominio</translation>
    </message>
    <message id="records.col.toDomain">
        <source>to domain</source>
        <translation>al dominio</translation>
    </message>
    <message id="records.col.fromMailbox">
        <source>from Mailbox</source>
        <translation>del buzón</translation>
    </message>
    <message id="records.col.toMailbox">
        <source>to Mailbox</source>
        <translation>al buzón</translation>
    </message>
    <message id="records.col.toAddress">
        <source>to Address</source>
        <translation>a la dirección</translation>
    </message>
    <message id="records.transDomain">
        <source>Translate domain</source>
        <translation>Traducir dominio</translation>
    </message>
    <message id="records.transUser">
        <source>Translate Mailbox</source>
        <translation>Traducir buzón</translation>
    </message>
    <message id="records.transDomainAdr">
        <source>Translate domain to Address</source>
        <translation>Traducir dominio a dirección</translation>
    </message>
    <message id="records.rewriteDomain">
        <source>Rewrite domain</source>
        <translation>Reescribir dominio</translation>
    </message>
    <message id="records.rewriteUser">
        <source>Rewrite Mailbox</source>
        <translation>Reescribir buzón</translation>
    </message>
    <message id="records.field.domain">
        <source>E-mail domain:</source>
        <translation>Dominio de correo:</translation>
    </message>
    <message id="records.field.toDomain">
        <source>To e-mail domain:</source>
        <translation>Al dominio de correo:</translation>
    </message>
    <message id="records.field.mailbox">
        <source>E-mail mailbox:</source>
        <translation>Buzón de correo:</translation>
    </message>
    <message id="records.field.toMailbox">
        <source>To e-mail mailbox:</source>
        <translation>Al buzón de correo:</translation>
    </message>
    <message id="records.field.toAddress">
        <source>To e-mail address:</source>
        <translation>A la dirección de correo:</translation>
    </message>
    <message id="records.group.inboundTranslate">
        <source>Inbound messages translate</source>
        <translation>Traducir los mensajes entrantes</translation>
    </message>
    <message id="records.group.outboundRewrite">
        <source>Outbound messages rewrite</source>
        <translation>Reescribir los mensajes salientes</translation>
    </message>
    <message id="records.group.description">
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message id="records.desc.transDomain">
        <source>Replaces the domain of a recipient address (user@old.com becomes user@new.com) before processing an inbound message</source>
        <translation>Sustituye el dominio de una dirección de destinatario (user@antiguo.es pasa a user@nuevo.es) antes de procesar un mensaje entrante</translation>
    </message>
    <message id="records.desc.transUser">
        <source>Replaces a recipient mailbox (old@domain.com becomes new@domain.com) before processing an inbound message</source>
        <translation>Sustituye un buzón de destinatario (antiguo@dominio.es pasa a nuevo@dominio.es) antes de procesar un mensaje entrante</translation>
    </message>
    <message id="records.desc.transDomainAdr">
        <source>Sends every recipient of a domain to one e-mail address before processing an inbound message</source>
        <translation>Envía todos los destinatarios de un dominio a una sola dirección de correo antes de procesar un mensaje entrante</translation>
    </message>
    <message id="records.desc.rewriteDomain">
        <source>Replaces the domain of a sender address (user@internal.local becomes user@domain.com) before processing an outbound message</source>
        <translation>Sustituye el dominio de una dirección de remitente (user@interno.local pasa a user@dominio.es) antes de procesar un mensaje saliente</translation>
    </message>
    <message id="records.desc.rewriteUser">
        <source>Replaces a sender mailbox (jsmith@domain.com becomes john.smith@domain.com) before processing an outbound message</source>
        <translation>Sustituye un buzón de remitente (jgarcia@dominio.es pasa a juan.garcia@dominio.es) antes de procesar un mensaje saliente</translation>
    </message>
    <message id="records.routing">
        <source>Routing...</source>
        <translation>Enrutamiento...</translation>
    </message>
</context>
<context>
    <name>service (signal files, service dialog)</name>
    <message id="service.signalFailed">
        <source>Unable to create signal file</source>
        <translation>No es posible crear el fichero de señalización</translation>
    </message>
    <message id="service.caption">
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message id="service.labelName">
        <source>Service name:</source>
        <translation>Nombre del servicio:</translation>
    </message>
    <message id="service.labelStatus">
        <source>Service Status:</source>
        <translation>Estado del servicio:</translation>
    </message>
    <message id="service.labelExecutable">
        <source>Executable:</source>
        <translation>Ejecutable:</translation>
    </message>
    <message id="service.start">
        <source>&amp;Start</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Iniciar</translation>
    </message>
    <message id="service.stop">
        <source>S&amp;top</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Detener</translation>
    </message>
    <message id="service.install">
        <source>&amp;Install</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>I&amp;nstalar</translation>
    </message>
    <message id="service.remove">
        <source>&amp;Remove</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message id="service.cancel">
        <source>&amp;Cancel</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message id="service.state.noExecutable">
        <source>Unable to find executable</source>
        <translation>No se encuentra el ejecutable</translation>
    </message>
    <message id="service.state.notInstalled">
        <source>not installed</source>
        <translation>no instalado</translation>
    </message>
    <message id="service.state.stopped">
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message id="service.state.startPending">
        <source>start pending</source>
        <translation>inicio pendiente</translation>
    </message>
    <message id="service.state.stopPending">
        <source>stop pending</source>
        <translation>detención pendiente</translation>
    </message>
    <message id="service.state.started">
        <source>started</source>
        <translation>iniciado</translation>
    </message>
    <message id="service.state.continuePending">
        <source>continue pending</source>
        <translation>reanudación pendiente</translation>
    </message>
    <message id="service.state.pausePending">
        <source>pause pending</source>
        <translation>pausa pendiente</translation>
    </message>
    <message id="service.state.paused">
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message id="service.state.unknown">
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message id="service.startFailed">
        <source>Unable to start %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡No es posible iniciar el servicio %1!</translation>
    </message>
    <message id="service.queryFailed">
        <source>Unable to query status of %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡No es posible consultar el estado del servicio %1!</translation>
    </message>
    <message id="service.controlFailed">
        <source>Unable to control %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡No es posible controlar el servicio %1!</translation>
    </message>
    <message id="service.waitStop">
        <source>Waiting for %1 to be stopped...</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Esperando a que %1 se detenga...</translation>
    </message>
    <message id="service.installed">
        <source>%1 service installed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡Servicio %1 instalado!</translation>
    </message>
    <message id="service.installFailed">
        <source>Unable to install %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡No es posible instalar el servicio %1!</translation>
    </message>
    <message id="service.removed">
        <source>%1 service removed!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡Servicio %1 eliminado!</translation>
    </message>
    <message id="service.removeFailed">
        <source>Unable to remove %1 service!</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>¡No es posible eliminar el servicio %1!</translation>
    </message>
    <message id="service.reason.unsupported">
        <source>This system has no service manager for the gateway.</source>
        <translation>Este sistema no tiene un administrador de servicios para la pasarela.</translation>
    </message>
    <message id="service.reason.managerUnavailable">
        <source>The service manager is not available.</source>
        <translation>El administrador de servicios no está disponible.</translation>
    </message>
    <message id="service.reason.accessDenied">
        <source>Access denied.</source>
        <translation>Acceso denegado.</translation>
    </message>
    <message id="service.reason.notInstalled">
        <source>The service is not installed.</source>
        <translation>El servicio no está instalado.</translation>
    </message>
    <message id="service.reason.alreadyExists">
        <source>A service of this name exists already.</source>
        <translation>Ya existe un servicio con este nombre.</translation>
    </message>
    <message id="service.reason.alreadyRunning">
        <source>The service is running already.</source>
        <translation>El servicio ya está iniciado.</translation>
    </message>
    <message id="service.reason.notActive">
        <source>The service is not running.</source>
        <translation>El servicio no está iniciado.</translation>
    </message>
    <message id="service.reason.cannotAcceptControl">
        <source>The service cannot accept the request now.</source>
        <translation>El servicio no puede aceptar la petición ahora.</translation>
    </message>
    <message id="service.reason.markedForDelete">
        <source>The service is marked for deletion.</source>
        <translation>El servicio está marcado para su eliminación.</translation>
    </message>
    <message id="service.reason.invalidPath">
        <source>The executable path is not an absolute path, or holds a double quote or a control character.</source>
        <translation>La ruta del ejecutable no es absoluta o contiene una comilla doble o un carácter de control.</translation>
    </message>
    <message id="service.reason.verifyFailed">
        <source>The service manager stored another program path.</source>
        <translation>El administrador de servicios guardó otra ruta de programa.</translation>
    </message>
    <message id="service.reason.failed">
        <source>The service manager reported an error.</source>
        <translation>El administrador de servicios informó de un error.</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message id="stats.caption">
        <source>Statistic</source>
        <translation>Estadísticas</translation>
    </message>
    <message id="stats.refresh">
        <source>&amp;Refresh</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Actualizar</translation>
    </message>
    <message id="stats.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="stats.truncated">
        <source>The statistics file is larger than 1 MB: only its beginning is shown.</source>
        <translation>El fichero de estadísticas supera 1 MB: solo se muestra su principio.</translation>
    </message>
    <message id="stats.waiting">
        <source>Waiting for the statistics of the gateway...</source>
        <translation>Esperando las estadísticas de la pasarela...</translation>
    </message>
    <message id="stats.stale">
        <source>No new statistics arrived from the gateway. The figures shown were written at %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>No han llegado estadísticas nuevas de la pasarela. Los valores mostrados se escribieron el %1.</translation>
    </message>
    <message id="stats.none">
        <source>No statistics arrived from the gateway.</source>
        <translation>No han llegado estadísticas de la pasarela.</translation>
    </message>
    <message id="stats.chart.rates">
        <source>Rates per ho&amp;ur</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Tasas por ho&amp;ra</translation>
    </message>
    <message id="stats.chart.counters">
        <source>Counters:</source>
        <translation>Contadores:</translation>
    </message>
    <message id="stats.autoRefresh">
        <source>&amp;Automatic refresh:</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Actualización auto&amp;mática:</translation>
    </message>
    <message id="stats.autoRefresh.off">
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message id="stats.autoRefresh.minutes">
        <source> min</source>
        <translation> min</translation>
    </message>
    <message id="stats.besideProgram">
        <source>&amp;Keep the history in the program directory</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Guardar el historial en el directorio del programa</translation>
    </message>
    <message id="stats.exportTable">
        <source>Export &amp;table...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exportar &amp;tabla...</translation>
    </message>
    <message id="stats.exportHistory">
        <source>Export &amp;history...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Exportar hi&amp;storial...</translation>
    </message>
    <message id="stats.gatewayFiles">
        <source>&amp;Gateway files...</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>Arc&amp;hivos de la pasarela...</translation>
    </message>
    <message id="stats.backToHistory">
        <source>&amp;Back to the kept history</source>
        <extracomment>&apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Volver al historial</translation>
    </message>
    <message id="stats.exportTable.title">
        <source>Export the statistics table</source>
        <translation>Exportar la tabla de estadísticas</translation>
    </message>
    <message id="stats.exportHistory.title">
        <source>Export the statistics history</source>
        <translation>Exportar el historial de estadísticas</translation>
    </message>
    <message id="stats.gatewayFiles.title">
        <source>Chart the gateway&apos;s statistics files</source>
        <translation>Graficar los archivos de estadísticas de la pasarela</translation>
    </message>
    <message id="stats.gatewayFiles.filter">
        <source>Statistics files (*.csv *.txt *.log *.dat);;All files (*)</source>
        <extracomment>A file dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Archivos de estadísticas (*.csv *.txt *.log *.dat);;Todos los archivos (*)</translation>
    </message>
    <message id="stats.csvFilter">
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message id="stats.source.history">
        <source>Dumps kept: %1.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Volcados guardados: %1.</translation>
    </message>
    <message id="stats.source.files">
        <source>The gateway&apos;s statistics files: %1 file(s), %2 records, totalled per hour.</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>Archivos de estadísticas de la pasarela: %1 archivo(s), %2 registros, sumados por hora.</translation>
    </message>
    <message id="stats.files.records">
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message id="stats.files.column">
        <source>Column %1</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Columna %1</translation>
    </message>
    <message id="stats.files.skipped">
        <source>%1 lines without a date were skipped.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>Se omitieron %1 líneas sin fecha.</translation>
    </message>
    <message id="stats.files.truncated">
        <source>A file is larger than 16 MB: only its beginning was read.</source>
        <translation>Un archivo supera los 16 MB: solo se leyó su comienzo.</translation>
    </message>
    <message id="stats.files.unreadable">
        <source>%1 could not be read.</source>
        <extracomment>%1 is replaced at run time; keep it.</extracomment>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message id="stats.history.noDirectory">
        <source>The statistics are not kept: this user has no data directory.</source>
        <translation>Las estadísticas no se guardan: este usuario no tiene directorio de datos.</translation>
    </message>
    <message id="stats.history.unreadable">
        <source>The history %1 cannot be read (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>No se puede leer el historial %1 (%2).</translation>
    </message>
    <message id="stats.history.notKept">
        <source>These figures could not be kept in the history %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>No se pudieron guardar estos valores en el historial %1 (%2).</translation>
    </message>
    <message id="stats.exportFailed">
        <source>Unable to write %1 (%2).</source>
        <extracomment>%1 and %2 are replaced at run time; keep each of them.</extracomment>
        <translation>No se puede escribir %1 (%2).</translation>
    </message>
</context>
<context>
    <name>browser (settings browser)</name>
    <message id="browser.column.key">
        <source>Key</source>
        <extracomment>Column header of the settings browser: the key in Morva.ini.</extracomment>
        <translation>Clave</translation>
    </message>
    <message id="browser.column.value">
        <source>Value</source>
        <extracomment>Column header of the settings browser: the current value (a list: its number of entries and the first ones).</extracomment>
        <translation>Valor</translation>
    </message>
    <message id="browser.column.default">
        <source>Default</source>
        <extracomment>Column header of the settings browser: the default value.</extracomment>
        <translation>Predeterminado</translation>
    </message>
    <message id="browser.column.kind">
        <source>Kind</source>
        <extracomment>Column header of the settings browser: the kind of value (Bool, Int, String, list kinds).</extracomment>
        <translation>Tipo</translation>
    </message>
    <message id="browser.column.page">
        <source>Page</source>
        <extracomment>Column header of the settings browser: the sheet and page that edit the setting.</extracomment>
        <translation>Página</translation>
    </message>
    <message id="browser.noPage">
        <source>no page</source>
        <extracomment>Settings browser, column Page: no page edits this setting.</extracomment>
        <translation>ninguna página</translation>
    </message>
</context>
<context>
    <name>merge (review and merge of configuration changes)</name>
    <message id="merge.changes.button">
        <source>Changes...</source>
        <extracomment>Button beside OK of every configuration sheet: lists the changes OK would save.</extracomment>
        <translation>Cambios...</translation>
    </message>
    <message id="merge.changes.title">
        <source>Pending changes</source>
        <extracomment>Title of the window that lists the changes not saved yet.</extracomment>
        <translation>Cambios pendientes</translation>
    </message>
    <message id="merge.changes.none">
        <source>No changes.</source>
        <extracomment>Pending changes window: nothing would change.</extracomment>
        <translation>Sin cambios.</translation>
    </message>
    <message id="merge.column.key">
        <source>Key</source>
        <extracomment>Column header: the key in Morva.ini.</extracomment>
        <translation>Clave</translation>
    </message>
    <message id="merge.column.change">
        <source>Change</source>
        <extracomment>Column header: what kind of change (changed, item added, item removed).</extracomment>
        <translation>Cambio</translation>
    </message>
    <message id="merge.column.old">
        <source>Old value</source>
        <extracomment>Column header: the value before the change.</extracomment>
        <translation>Valor anterior</translation>
    </message>
    <message id="merge.column.new">
        <source>New value</source>
        <extracomment>Column header: the value after the change.</extracomment>
        <translation>Valor nuevo</translation>
    </message>
    <message id="merge.kind.changed">
        <source>changed</source>
        <extracomment>Kind of change: a single value changed.</extracomment>
        <translation>cambiado</translation>
    </message>
    <message id="merge.kind.added">
        <source>item added</source>
        <extracomment>Kind of change: an entry added to a list.</extracomment>
        <translation>entrada añadida</translation>
    </message>
    <message id="merge.kind.removed">
        <source>item removed</source>
        <extracomment>Kind of change: an entry removed from a list.</extracomment>
        <translation>entrada eliminada</translation>
    </message>
    <message id="merge.conflict.title">
        <source>Configuration changed on disk</source>
        <extracomment>Title of the window that shows settings changed both here and by another program.</extracomment>
        <translation>Configuración cambiada en el disco</translation>
    </message>
    <message id="merge.conflict.intro">
        <source>Another program changed Morva.ini while you edited it. Your other changes are combined with it. These settings were changed on both sides: choose which value to save.</source>
        <extracomment>Text at the top of the conflict window.</extracomment>
        <translation>Otro programa cambió Morva.ini mientras la editaba. Sus demás cambios se combinan con él. Estos ajustes se cambiaron en ambos lados: elija qué valor guardar.</translation>
    </message>
    <message id="merge.conflict.theirs">
        <source>On disk now</source>
        <extracomment>Conflict window, column header: the value the file holds now.</extracomment>
        <translation>Ahora en el disco</translation>
    </message>
    <message id="merge.conflict.mine">
        <source>Your value</source>
        <extracomment>Conflict window, column header: the value entered in this sheet.</extracomment>
        <translation>Su valor</translation>
    </message>
    <message id="merge.conflict.keepTheirs">
        <source>Keep the value on disk</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Mantener el valor del disco</translation>
    </message>
    <message id="merge.conflict.keepMine">
        <source>Keep your value</source>
        <extracomment>Conflict window, choice.</extracomment>
        <translation>Mantener su valor</translation>
    </message>
    <message id="merge.conflict.enter">
        <source>Enter a value:</source>
        <extracomment>Conflict window, choice: the value typed in the field beside it (a list: one entry per line).</extracomment>
        <translation>Introducir un valor:</translation>
    </message>
    <message id="merge.conflict.undecided">
        <source>Choose a value for %1.</source>
        <extracomment>Conflict window: OK pressed while the setting %1 has no choice.</extracomment>
        <translation>Elija un valor para %1.</translation>
    </message>
    <message id="merge.conflict.save">
        <source>Save</source>
        <extracomment>Conflict window, button: saves the merged file.</extracomment>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>audit (data safety of the editors)</name>
    <message id="audit.textFileChanged">
        <source>%1 was changed by another program since it was opened; nothing was written. Close the editor and open the file again.</source>
        <extracomment>Editor of the disclaimer file, on OK. %1 is the file's path.</extracomment>
        <translation>Otro programa ha modificado %1 desde que se abrió; no se ha escrito nada. Cierre el editor y vuelva a abrir el archivo.</translation>
    </message>
</context>
<context>
    <name>import (list import and export)</name>
    <message id="import.repeatedInFile">
        <source>Repeats line %1: skipped</source>
        <extracomment>Import preview: a row repeats the entry of an earlier line of the file; %1 is that line.</extracomment>
        <translation>Repite la línea %1: omitida</translation>
    </message>
    <message id="import.alreadyPresent">
        <source>Already in the list (entry %1): skipped</source>
        <extracomment>Import preview: the entry is in the list already; %1 is its position (record number).</extracomment>
        <translation>Ya está en la lista (entrada %1): omitida</translation>
    </message>
    <message id="import.unclosedQuote">
        <source>The file cannot be read: the quoted field that starts on line %1 is never closed.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>No se puede leer el archivo: el campo entre comillas que empieza en la línea %1 nunca se cierra.</translation>
    </message>
    <message id="import.textAfterQuote">
        <source>The file cannot be read: text follows a closing quote on line %1.</source>
        <extracomment>Import: the file cannot be read; %1 is a line number.</extracomment>
        <translation>No se puede leer el archivo: hay texto tras unas comillas de cierre en la línea %1.</translation>
    </message>
    <message id="import.notStorable">
        <source>The row holds a character that the gateway's files cannot store.</source>
        <extracomment>Import: a row refused because of a character outside the gateway's 8-bit character set.</extracomment>
        <translation>La fila contiene un carácter que los archivos de la pasarela no pueden guardar.</translation>
    </message>
    <message id="import.columnCount">
        <source>The row has %1 columns; %2 are expected.</source>
        <extracomment>Import: %1 is the number of columns of the row, %2 the number expected.</extracomment>
        <translation>La fila tiene %1 columnas; se esperan %2.</translation>
    </message>
    <message id="import.badFlag">
        <source>Not a yes/no value (1 or 0).</source>
        <extracomment>Import: the deliver column of a forwarding row.</extracomment>
        <translation>No es un valor sí/no (1 o 0).</translation>
    </message>
    <message id="import.noComments">
        <source>This list keeps no comments.</source>
        <extracomment>Import: the row has a comment, but the list keeps none.</extracomment>
        <translation>Esta lista no guarda comentarios.</translation>
    </message>
    <message id="import.controlCharacter">
        <source>The value holds a control character (a line break or a tab), which the file cannot hold.</source>
        <extracomment>Import: a value with a line break or tab inside.</extracomment>
        <translation>El valor contiene un carácter de control (salto de línea o tabulador) que el archivo no puede contener.</translation>
    </message>
    <message id="import.menu.import">
        <source>&amp;Import...</source>
        <extracomment>Action of the record lists and list settings: opens the import dialog.</extracomment>
        <translation>&amp;Importar...</translation>
    </message>
    <message id="import.menu.export">
        <source>E&amp;xport...</source>
        <extracomment>Action of the record lists and list settings: opens the export dialog.</extracomment>
        <translation>E&amp;xportar...</translation>
    </message>
    <message id="import.caption.import">
        <source>Import: %1</source>
        <extracomment>Caption of the import dialog; %1 is the list's name.</extracomment>
        <translation>Importar: %1</translation>
    </message>
    <message id="import.caption.export">
        <source>Export: %1</source>
        <extracomment>Caption of the export dialog; %1 is the list's name.</extracomment>
        <translation>Exportar: %1</translation>
    </message>
    <message id="import.label.file">
        <source>File:</source>
        <extracomment>Import dialog: label of the file name.</extracomment>
        <translation>Archivo:</translation>
    </message>
    <message id="import.button.browse">
        <source>&amp;Browse...</source>
        <extracomment>Import dialog: chooses the file.</extracomment>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message id="import.format.csv">
        <source>&amp;CSV (comma-separated values)</source>
        <extracomment>Import and export dialogs: file format.</extracomment>
        <translation>&amp;CSV (valores separados por comas)</translation>
    </message>
    <message id="import.format.text">
        <source>&amp;Text (one entry per line)</source>
        <extracomment>Import and export dialogs: file format of list settings.</extracomment>
        <translation>&amp;Texto (una entrada por línea)</translation>
    </message>
    <message id="import.mode.append">
        <source>&amp;Append to the list</source>
        <extracomment>Import dialog: the rows are added behind the entries.</extracomment>
        <translation>&amp;Añadir a la lista</translation>
    </message>
    <message id="import.mode.replace">
        <source>&amp;Replace the whole list</source>
        <extracomment>Import dialog: the rows replace every entry.</extracomment>
        <translation>&amp;Reemplazar toda la lista</translation>
    </message>
    <message id="import.skipRefused">
        <source>S&amp;kip rows with errors</source>
        <extracomment>Import dialog: import the other rows although some are refused.</extracomment>
        <translation>&amp;Omitir las filas con errores</translation>
    </message>
    <message id="import.column.line">
        <source>Line</source>
        <extracomment>Import preview: column with the line number of the row.</extracomment>
        <translation>Línea</translation>
    </message>
    <message id="import.column.check">
        <source>Check</source>
        <extracomment>Import preview: column with the result of the row's check.</extracomment>
        <translation>Comprobación</translation>
    </message>
    <message id="import.rowOk">
        <source>OK</source>
        <extracomment>Import preview: the row will be imported.</extracomment>
        <translation>OK</translation>
    </message>
    <message id="import.summary">
        <source>%1 rows: %2 to import, %3 refused, %4 repeated entries skipped.</source>
        <extracomment>Import preview: %1 rows read, %2 to import, %3 refused, %4 skipped as repeated.</extracomment>
        <translation>%1 filas: %2 para importar, %3 rechazadas, %4 entradas repetidas omitidas.</translation>
    </message>
    <message id="import.button.import">
        <source>&amp;Import</source>
        <extracomment>Import dialog: starts the import.</extracomment>
        <translation>&amp;Importar</translation>
    </message>
    <message id="import.checking">
        <source>Checking the rows...</source>
        <extracomment>Import dialog: progress while the rows are read and checked.</extracomment>
        <translation>Comprobando las filas...</translation>
    </message>
    <message id="import.done">
        <source>%1 entries imported.</source>
        <extracomment>After an import; %1 is the number of entries added.</extracomment>
        <translation>%1 entradas importadas.</translation>
    </message>
    <message id="import.failed">
        <source>The import failed; nothing was changed.
%1</source>
        <extracomment>The import could not write the file; %1 is the file and the reason.</extracomment>
        <translation>La importación ha fallado; no se ha cambiado nada.
%1</translation>
    </message>
    <message id="import.readFailed">
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message id="import.filter.csv">
        <source>CSV files (*.csv)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message id="import.filter.text">
        <source>Text files (*.txt)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message id="import.filter.all">
        <source>All files (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message id="import.export.whole">
        <source>&amp;Whole list (%1 entries)</source>
        <extracomment>Export dialog: %1 is the number of entries.</extracomment>
        <translation>Toda &amp;la lista (%1 entradas)</translation>
    </message>
    <message id="import.export.selection">
        <source>&amp;Selected entries (%1)</source>
        <extracomment>Export dialog: %1 is the number of selected entries.</extracomment>
        <translation>Entradas &amp;seleccionadas (%1)</translation>
    </message>
    <message id="import.export.eightBit">
        <source>&amp;8-bit encoding (Windows-1252) for spreadsheets that expect it</source>
        <extracomment>Export dialog: write the file in the 8-bit code page instead of UTF-8.</extracomment>
        <translation>Codificación de &amp;8 bits (Windows-1252) para hojas de cálculo que la esperan</translation>
    </message>
    <message id="import.export.passwords">
        <source>This list holds passwords: the file will contain them in clear text. Keep it where only administrators can read it.</source>
        <extracomment>Export dialog: the list holds passwords.</extracomment>
        <translation>Esta lista contiene contraseñas: el archivo las contendrá en texto claro. Guárdelo donde solo los administradores puedan leerlo.</translation>
    </message>
    <message id="import.export.done">
        <source>%1 entries written to %2.</source>
        <extracomment>After an export; %1 is the number of entries, %2 the file.</extracomment>
        <translation>%1 entradas escritas en %2.</translation>
    </message>
    <message id="import.export.writeFailed">
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the reason.</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message id="import.export.lost">
        <source>%1 characters have no 8-bit form and were written as "?".</source>
        <extracomment>After an 8-bit export; %1 is a number of characters.</extracomment>
        <translation>%1 caracteres no tienen forma de 8 bits y se escribieron como "?".</translation>
    </message>
    <message id="import.button.export">
        <source>E&amp;xport...</source>
        <extracomment>Export dialog: chooses the file and writes it.</extracomment>
        <translation>E&amp;xportar...</translation>
    </message>
</context>
<context>
    <name>lists (filter, sort and checks of every list)</name>
    <message id="lists.filter">
        <source>Filter (Ctrl+F)</source>
        <extracomment>Placeholder of the filter field above every list.</extracomment>
        <translation>Filtrar (Ctrl+F)</translation>
    </message>
    <message id="lists.filterName">
        <source>Filter the list</source>
        <extracomment>Accessible name of the filter field above a list.</extracomment>
        <translation>Filtrar la lista</translation>
    </message>
    <message id="lists.countName">
        <source>Shown entries</source>
        <extracomment>Accessible name of the count of shown entries next to the filter.</extracomment>
        <translation>Entradas mostradas</translation>
    </message>
    <message id="lists.gridName">
        <source>Entries</source>
        <extracomment>Accessible name of the grid of a list.</extracomment>
        <translation>Entradas</translation>
    </message>
    <message id="lists.count">
        <source>%1 of %2</source>
        <extracomment>Count next to the filter: %1 shown entries of %2 in all (numbers already grouped).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message id="lists.showProblems">
        <source>Show problems only</source>
        <extracomment>Switch next to the filter: show only the entries with a problem mark.</extracomment>
        <translation>Solo problemas</translation>
    </message>
    <message id="lists.deleteRecords">
        <source>Delete %1 records?</source>
        <extracomment>Question before deleting several records; %1 is their number.</extracomment>
        <translation>¿Eliminar %1 registros?</translation>
    </message>
    <message id="lists.deleteEntries">
        <source>Delete %1 entries?</source>
        <extracomment>Question before deleting several list entries; %1 is their number.</extracomment>
        <translation>¿Eliminar %1 entradas?</translation>
    </message>
    <message id="lists.problem.duplicate">
        <source>Repeats entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the earlier entry, %2 its text.</extracomment>
        <translation>Repite la entrada %1 (%2).</translation>
    </message>
    <message id="lists.problem.covered">
        <source>Already covered by entry %1 (%2).</source>
        <extracomment>Problem mark of a list entry: %1 is the number of the entry that covers it, %2 its text.</extracomment>
        <translation>Ya cubierta por la entrada %1 (%2).</translation>
    </message>
    <message id="lists.problem.emptyPart">
        <source>Has an empty domain or label and can never match.</source>
        <extracomment>Problem mark of a list entry with an empty domain or label.</extracomment>
        <translation>Tiene un dominio o una etiqueta vacía y nunca coincide.</translation>
    </message>
    <message id="lists.problem.hostBits">
        <source>Has address bits set beyond its prefix and can never match.</source>
        <extracomment>Problem mark of a network entry with host bits set.</extracomment>
        <translation>Tiene bits de dirección más allá de su prefijo y nunca coincide.</translation>
    </message>
    <message id="lists.problem.notANetwork">
        <source>Is no network address and can never match.</source>
        <extracomment>Problem mark of an entry of a network list that is no network.</extracomment>
        <translation>No es una dirección de red y nunca coincide.</translation>
    </message>
</context>
<context>
    <name>browser window (settings browser window)</name>
    <message id="app.label.6060">
        <source>All &amp;Settings...</source>
        <extracomment>Menu Configuration: opens the settings browser (every setting, searchable). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the Configuration menu.</extracomment>
        <translation>&amp;Todos los ajustes...</translation>
    </message>
    <message id="app.label.6061">
        <source>Save &amp;History...</source>
        <extracomment>Command in the &quot;Configuration&quot; menu of the main window. &apos;&amp;&apos; marks the access key: keep exactly one; &apos;&amp;&amp;&apos; is a literal &apos;&amp;&apos;.</extracomment>
        <translation>&amp;Historial de guardados...</translation>
    </message>
    <message id="app.prompt.6060">
        <source>Search, review and change every setting
All Settings</source>
        <extracomment>Status bar prompt of the command &quot;All Settings...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Buscar, revisar y cambiar todos los ajustes
Todos los ajustes</translation>
    </message>
    <message id="app.prompt.6061">
        <source>Show the kept versions of Morva.ini and the record files, what each save changed, and restore one
Save history</source>
        <extracomment>Status bar prompt of the command &quot;Save History...&quot;; the line after the line break is its tool tip.</extracomment>
        <translation>Muestra las versiones guardadas de Morva.ini y de los archivos de registros y lo que cambió cada guardado, y restaura una
Historial de guardados</translation>
    </message>
    <message id="app.settingsSearch">
        <source>Search settings (Ctrl+K)</source>
        <extracomment>Placeholder of the search field in the main window&apos;s toolbar; Enter opens the settings browser with the text.</extracomment>
        <translation>Buscar ajustes (Ctrl+K)</translation>
    </message>
    <message id="app.toolbar.more">
        <source>More tools</source>
        <extracomment>Accessible name of the button at the end of the main window&apos;s toolbar that shows the tools that do not fit.</extracomment>
        <translation>Más herramientas</translation>
    </message>
    <message id="browser.window.caption">
        <source>All Settings</source>
        <extracomment>Title of the settings browser window.</extracomment>
        <translation>Todos los ajustes</translation>
    </message>
    <message id="browser.window.search">
        <source>&amp;Find:</source>
        <extracomment>Settings browser: label of the search field. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Buscar:</translation>
    </message>
    <message id="browser.window.searchHint">
        <source>Key, label, page or value (any language)</source>
        <extracomment>Settings browser: placeholder of the empty search field.</extracomment>
        <translation>Clave, etiqueta, página o valor (cualquier idioma)</translation>
    </message>
    <message id="browser.window.didYouMean">
        <source>No setting matches. Did you mean: %1</source>
        <extracomment>Settings browser: shown when the search matched no setting; %1 is a list of the nearest keys.</extracomment>
        <translation>Ningún ajuste coincide. ¿Quiso decir: %1?</translation>
    </message>
    <message id="browser.window.count">
        <source>Settings shown: %1, pending changes: %2</source>
        <extracomment>Settings browser, below the table: %1 is the number of settings shown, %2 the number of changes not saved yet.</extracomment>
        <translation>Ajustes mostrados: %1, cambios pendientes: %2</translation>
    </message>
    <message id="browser.window.edit">
        <source>&amp;Edit...</source>
        <extracomment>Settings browser button (also Enter or F2 in the table). &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Editar...</translation>
    </message>
    <message id="browser.window.reset">
        <source>&amp;Reset to Default</source>
        <extracomment>Settings browser button (also Delete in the table): the selected settings back to their defaults. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Restablecer</translation>
    </message>
    <message id="browser.window.goTo">
        <source>&amp;Go to Page</source>
        <extracomment>Settings browser button: opens the sheet at the page that edits the setting. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Ir a la página</translation>
    </message>
    <message id="browser.window.save">
        <source>&amp;Save</source>
        <extracomment>Settings browser button: saves the pending changes. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message id="browser.filter.changed">
        <source>&amp;Changed from default</source>
        <extracomment>Settings browser filter: only settings whose value differs from the default. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Modificados</translation>
    </message>
    <message id="browser.filter.lists">
        <source>&amp;Lists only</source>
        <extracomment>Settings browser filter: only list settings. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Solo &amp;listas</translation>
    </message>
    <message id="browser.filter.noPage">
        <source>&amp;No page</source>
        <extracomment>Settings browser filter: only settings that no page edits. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>Sin &amp;página</translation>
    </message>
    <message id="browser.filter.sheet">
        <source>S&amp;heet:</source>
        <extracomment>Settings browser: label of the sheet filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Hoja:</translation>
    </message>
    <message id="browser.filter.kind">
        <source>&amp;Kind:</source>
        <extracomment>Settings browser: label of the kind filter. &apos;&amp;&apos; marks the access key: keep exactly one, unique in the window.</extracomment>
        <translation>&amp;Tipo:</translation>
    </message>
    <message id="browser.filter.allSheets">
        <source>All sheets</source>
        <extracomment>Settings browser, sheet filter: no filter.</extracomment>
        <translation>Todas las hojas</translation>
    </message>
    <message id="browser.filter.allKinds">
        <source>All kinds</source>
        <extracomment>Settings browser, kind filter: no filter.</extracomment>
        <translation>Todos los tipos</translation>
    </message>
    <message id="browser.edit.caption">
        <source>Edit %1</source>
        <extracomment>Title of the settings browser&apos;s editor of one setting; %1 is the key.</extracomment>
        <translation>Editar %1</translation>
    </message>
    <message id="browser.edit.range">
        <source>From %1 to %2</source>
        <extracomment>Settings browser editor of a number: the accepted range; %1 and %2 are numbers.</extracomment>
        <translation>De %1 a %2</translation>
    </message>
    <message id="browser.unknownKey">
        <source>This setting is not known.</source>
        <extracomment>Settings browser: a change names a key the configuration does not know.</extracomment>
        <translation>Este ajuste es desconocido.</translation>
    </message>
    <message id="browser.showInAllSettings">
        <source>Show in A&amp;ll Settings</source>
        <extracomment>Context menu of a control on a configuration page: opens the settings browser at this setting. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>Mostrar en &amp;Todos los ajustes</translation>
    </message>
</context>
<context>
    <name>history (history of saves)</name>
    <message id="history.caption">
        <source>Configuration History</source>
        <extracomment>Title of the window that lists the kept versions of the configuration file.</extracomment>
        <translation>Historial de la configuración</translation>
    </message>
    <message id="history.column.time">
        <source>Saved</source>
        <extracomment>Column of the History window: when the save was made.</extracomment>
        <translation>Guardado</translation>
    </message>
    <message id="history.column.user">
        <source>User</source>
        <extracomment>Column of the History window: the operating-system user who saved.</extracomment>
        <translation>Usuario</translation>
    </message>
    <message id="history.column.machine">
        <source>Computer</source>
        <extracomment>Column of the History window: the computer on which the save was made.</extracomment>
        <translation>Equipo</translation>
    </message>
    <message id="history.column.source">
        <source>Saved by</source>
        <extracomment>Column of the History window: what saved (a sheet, morvactl, restore, ...).</extracomment>
        <translation>Guardado por</translation>
    </message>
    <message id="history.column.changed">
        <source>Changed keys</source>
        <extracomment>Column of the History window: how many keys the save changed.</extracomment>
        <translation>Claves cambiadas</translation>
    </message>
    <message id="history.compare.label">
        <source>&amp;Show:</source>
        <extracomment>Label before the choice of what the selected save is compared with. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message id="history.compare.previous">
        <source>Changes made by this save</source>
        <extracomment>Choice in the History window: the changes the selected save made.</extracomment>
        <translation>Cambios de este guardado</translation>
    </message>
    <message id="history.compare.current">
        <source>Differences of the version before it to the current file</source>
        <extracomment>Choice in the History window: how the version before the selected save differs from the file now.</extracomment>
        <translation>Diferencias entre la versión anterior y el archivo actual</translation>
    </message>
    <message id="history.restore">
        <source>&amp;Restore This Version</source>
        <extracomment>Button of the History window: puts the version before the selected save back. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Restaurar esta versión</translation>
    </message>
    <message id="history.noChanges">
        <source>No differences.</source>
        <extracomment>History window: the two versions compared hold the same settings.</extracomment>
        <translation>Ninguna diferencia.</translation>
    </message>
    <message id="history.empty">
        <source>No save has been kept yet. Every save of the configuration keeps the file as it was in the folder History beside it.</source>
        <extracomment>History window: no save has been kept yet.</extracomment>
        <translation>Todavía no se ha conservado ningún guardado. Cada guardado de la configuración conserva el archivo tal como estaba en la carpeta History junto a él.</translation>
    </message>
    <message id="history.undoLabel">
        <source>&amp;Undo Last Configuration Save</source>
        <extracomment>Edit menu command while the last save of the configuration was made by this console. Keep the access key of &quot;Undo&quot;. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Deshacer el último guardado de la configuración</translation>
    </message>
    <message id="history.writeFailed">
        <source>The history of saves in %1 could not be written (%2). The configuration was saved without a copy of the former file.</source>
        <extracomment>Message when the history of saves could not be written. %1 is the folder, %2 the error.</extracomment>
        <translation>No se pudo escribir el historial de guardados en %1 (%2). La configuración se guardó sin una copia del archivo anterior.</translation>
    </message>
    <message id="history.tooLarge">
        <source>%1 is larger than the history of saves may hold, so no copy of it is kept.</source>
        <extracomment>Message when a file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 es más grande de lo que puede contener el historial de guardados; no se conserva ninguna copia.</translation>
    </message>
    <message id="history.file.label">
        <source>&amp;File:</source>
        <extracomment>Label before the choice of the file whose kept versions the History window lists. &apos;&amp;&apos; marks the access key: keep exactly one.</extracomment>
        <translation>&amp;Archivo:</translation>
    </message>
    <message id="history.file.config">
        <source>Configuration (%1)</source>
        <extracomment>Choice of file in the History window: the configuration file. %1 is the file name.</extracomment>
        <translation>Configuración (%1)</translation>
    </message>
    <message id="history.file.alias">
        <source>E-mail forwarding (%1)</source>
        <extracomment>Choice of file in the History window: the forwarding records. %1 is the file name.</extracomment>
        <translation>Reenvío de correo (%1)</translation>
    </message>
    <message id="history.file.block">
        <source>SMTP blocking (%1)</source>
        <extracomment>Choice of file in the History window: the SMTP blocking records. %1 is the file name.</extracomment>
        <translation>Bloqueo SMTP (%1)</translation>
    </message>
    <message id="history.file.user">
        <source>E-mail addresses on Exchange (%1)</source>
        <extracomment>Choice of file in the History window: the Exchange user records. %1 is the file name.</extracomment>
        <translation>Direcciones de correo en Exchange (%1)</translation>
    </message>
    <message id="history.column.records">
        <source>Records</source>
        <extracomment>Column of the History window for a record file: how many records the kept version holds.</extracomment>
        <translation>Registros</translation>
    </message>
    <message id="history.record.empty">
        <source>No version of this file has been kept yet. Before the first change of each editing session, the record file is kept as it was in the folder History.</source>
        <extracomment>History window: no version of the chosen record file has been kept yet.</extracomment>
        <translation>Todavía no se ha conservado ninguna versión de este archivo. Antes del primer cambio de cada sesión de edición, el archivo de registros se conserva tal como estaba en la carpeta History.</translation>
    </message>
    <message id="history.record.confirm">
        <source>Put %1 back as it was before %2?

The file as it is now is kept in the history first.</source>
        <extracomment>Question before a record file is restored. %1 is the file name, %2 the time of the change the version preceded.</extracomment>
        <translation>¿Restaurar %1 tal como estaba antes de %2?

El archivo tal como está ahora se conserva primero en el historial.</translation>
    </message>
    <message id="history.record.restoreFailed">
        <source>%1 could not be restored (%2). The file is unchanged.</source>
        <extracomment>Message when the kept version of a record file could not replace it. %1 is the file name, %2 the error.</extracomment>
        <translation>No se pudo restaurar %1 (%2). El archivo no ha cambiado.</translation>
    </message>
    <message id="history.record.notKept">
        <source>%1 was not restored: the file as it is now could not be kept in the history first (%2). The file is unchanged.</source>
        <extracomment>Message when a record file is not restored because its current contents could not be kept. %1 is the file name, %2 the error.</extracomment>
        <translation>%1 no se restauró: no se pudo conservar primero en el historial el archivo tal como está ahora (%2). El archivo no ha cambiado.</translation>
    </message>
    <message id="history.record.versionGone">
        <source>This kept version of %1 can no longer be read. The file is unchanged.</source>
        <extracomment>Message when the chosen kept version of a record file is missing or damaged. %1 is the file name.</extracomment>
        <translation>Esta versión conservada de %1 ya no se puede leer. El archivo no ha cambiado.</translation>
    </message>
    <message id="history.keptUnreadable">
        <source>The version of %1 kept on %2 can no longer be read (it is damaged or gone), so its changes cannot be shown.</source>
        <extracomment>Shown instead of the changes when a kept version cannot be read. %1 is the file name, %2 the time the version was kept.</extracomment>
        <translation>La versión de %1 conservada el %2 ya no se puede leer (está dañada o falta), por lo que no se pueden mostrar sus cambios.</translation>
    </message>
    <message id="history.currentUnreadable">
        <source>%1 could not be read (%2), so no changes against it can be shown.</source>
        <extracomment>Shown instead of the changes when the file as it is now cannot be read. %1 is the file name, %2 the error.</extracomment>
        <translation>No se pudo leer %1 (%2), por lo que no se pueden mostrar cambios respecto a él.</translation>
    </message>
    <message id="history.record.tooLarge">
        <source>%1 is larger than the history may hold, so it was changed without keeping a copy of it.</source>
        <extracomment>Message in a record editor when the record file is larger than the history may hold. %1 is the file name.</extracomment>
        <translation>%1 es más grande de lo que puede contener el historial; se cambió sin conservar una copia.</translation>
    </message>
    <message id="history.record.writeFailed">
        <source>The history in %1 could not be written (%2). %3 was changed without a copy of the former file.</source>
        <extracomment>Message in a record editor when the history could not be written. %1 is the folder, %2 the error, %3 the record file.</extracomment>
        <translation>No se pudo escribir el historial en %1 (%2). %3 se cambió sin una copia del archivo anterior.</translation>
    </message>
</context>
<context>
    <name>a11y (accessibility)</name>
    <message id="a11y.pageList">
        <source>Pages</source>
        <extracomment>Accessible name of the list of pages beside a property sheet's page (read by screen readers).</extracomment>
        <translation>Páginas</translation>
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
        <translation>Registros</translation>
    </message>
    <message id="a11y.statsGrid">
        <source>Statistics</source>
        <extracomment>Accessible name (read by screen readers) of the statistics viewer's table of counters.</extracomment>
        <translation>Estadísticas</translation>
    </message>
</context>
</TS>

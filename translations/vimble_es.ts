<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>de 1 fotograma</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>de %1 fotogramas</translation>
    </message>
    <message>
        <source>end</source>
        <translation>final</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>El inicio debe ser un número entero igual o mayor que 0.</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>El final debe quedar vacío o ser un número entero igual o mayor que %1.</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>Deje el final vacío para que el sonido suene hasta la pausa o hasta el final de la felicitación.</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>Añadir un contacto con los datos de los campos</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>Actualizar el contacto elegido con los datos de los campos</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>Quitar el contacto elegido</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>Importar contactos de un archivo vCard o CSV</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>Exportar los contactos a un archivo vCard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>%1 contiene fichas que no se pueden leer (%2); se muestra, pero no se modifica.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>«%1» no es una dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>Escriba primero un nombre o una dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>«%1» no es una fecha de cumpleaños: escriba 1990-05-17, o --05-17 sin el año.</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>%1 contiene fichas que no se pueden leer, así que no se modifica; repárelo o muévalo a otro sitio primero.</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>Elija primero un contacto de la lista.</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>Añadidos: %1; combinados: %2.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Sin importar: %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> y %1 más.</translation>
    </message>
    <message>
        <source>vCard</source>
        <translation>vCard</translation>
    </message>
</context>
<context>
    <name>CEditorDialog</name>
    <message>
        <source>Sending the greeting</source>
        <translation>Enviando la felicitación</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>Enviando la felicitación: %1, %2 %</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>No se ha añadido el efecto: donde se soltó no hay ningún objeto y no hay ningún objeto seleccionado. Suéltelo sobre un objeto o seleccione primero algunos objetos.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>No se puede exportar la felicitación a %1: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>No se puede exportar la felicitación: no se puede escribir una copia propia en %1.</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>La felicitación se ha exportado a %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>No se puede exportar la felicitación a %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>No se puede escribir la felicitación en %1.</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>No se puede escribir la grabación en %1.</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>El envío ha terminado</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>Menú del fondo</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>Menú del objeto</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>Imagen GIF animada</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>Imagen PNG animada</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Vídeo WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Vídeo MP4</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Imagen pegada</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>%1 no se colocó: abra o empiece primero una felicitación y suelte luego la imagen en su escenario.</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>%1 no se añadió: suelte una canción sobre el objeto que debe tocarla.</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 no se puede usar aquí: solo se pueden soltar en el escenario imágenes (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), canciones (sobre un objeto) y felicitaciones (.kel).</translation>
    </message>
</context>
<context>
    <name>CEmojiPicker</name>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>Buscar emoji por nombre</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>Ningún emoji tiene ese nombre.</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>Eligiendo los colores: fotograma %1 de %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fotograma %1 de %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>Abriendo %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Guardando %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>Leyendo el archivo…</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>Descomprimiendo…</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>Construyendo la felicitación…</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>Reuniendo la felicitación…</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>Comprimiendo…</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>Escribiendo el archivo…</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>Felicitaciones por recuperar</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>El editor se cerró antes de que estas felicitaciones se guardaran.</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>Versiones anteriores de «%1»</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>Cada una es la felicitación tal como era antes de que un guardado la reemplazara.</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>El nombre de cada felicitación, de dónde vino y cuándo se guardó la copia</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>Cuándo se reemplazó cada versión, y su tamaño</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Abrir la felicitación elegida en el editor</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>Guardar la felicitación elegida en un archivo que usted elija</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>Tirar la felicitación elegida, tras preguntar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>Cerrar esta ventana y conservar cada felicitación para el próximo inicio</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>Abrir la versión elegida en el editor como una felicitación propia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Nunca guardada</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>Copia del %1 a las %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>Tal como era hasta el %1 a las %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>Esta copia no se puede leer.</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>No se puede abrir: %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>¿Descartar la felicitación recuperada «%1»? No se podrá recuperar.</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;error&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: fotogramas %2 a %3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1: desde el fotograma %2</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Página siguiente</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>Elementos de la biblioteca</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>Ventana de la biblioteca</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>Inicie sesión con una contraseña de aplicación creada en la configuración de seguridad de la cuenta.</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>Si tiene activada la verificación en dos pasos, inicie sesión con una contraseña de aplicación.</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>Active primero el acceso POP3/IMAP en la configuración del correo web.</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>Inicie sesión con la contraseña de correo independiente que se establece en el área de clientes.</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>El proveedor exige su propio inicio de sesión; puede que rechace una contraseña.</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>Solo a través del programa puente del proveedor que se ejecuta en este equipo, cuyo certificado debe ser de confianza para este equipo.</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>Dónde se encontró el servidor de correo</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>Adjuntar el vídeo con sonido</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>La felicitación como vídeo con su sonido, que cualquier equipo puede reproducir</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Adjuntar el archivo de la felicitación</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>El propio archivo de la felicitación, para abrirlo y modificarlo en este programa</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>Buscando el servidor de correo de %1…</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>Encontrado en la lista de proveedores: %1.</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>Encontrado en los registros DNS del dominio.</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>Una suposición: compruébelo con su proveedor.</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>Publicado en %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>Hablar con el servidor como se ha hecho siempre con el correo: sin protección ni inicio de sesión (puerto 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>Proteger la comunicación una vez iniciada (envío, puerto 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>Proteger la comunicación desde el primer byte (puerto 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>La felicitación se mueve dentro del propio mensaje, en cualquier programa de correo</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>Enviar también el adjunto que se reproduce solo (algunos servicios de correo rechazan los programas)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>No se ha podido abrir ningún navegador web para mostrar el manual. Abra %1 en su navegador.</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>El manual no está instalado. El manual de Vimble e-mail debe estar en share/doc/vimble-email/manual, junto al programa; si vuelve a instalar el programa, se colocará allí.</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>Propiedades de la imagen</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>Propiedades de la animación</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>Propiedades del clipart</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>Las formas y las líneas no tienen texto.</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>su nombre contiene caracteres que una felicitación no puede guardar</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>su nombre tiene más de 31 caracteres</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar la fuente «%1»: %2.</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>El texto conserva su fuente.</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>El texto conserva la fuente «%1».</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Familia de fuente</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>Insertar un emoji en el texto</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (no instalada)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>El grosor de línea debe ser un número entero de 0 a 99 píxeles. Se mantiene en %1.</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>Felicitaciones programadas</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>Fecha y hora, destinatario y asunto de cada felicitación, y si se ha enviado</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Enviar ya</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>Enviar ahora la felicitación elegida</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>Impedir que se envíe la felicitación elegida</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Abrir la felicitación elegida en el editor</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>Quitar la felicitación elegida de la bandeja de salida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>cada año</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(sin asunto)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>enviada el %1, la próxima dentro de un año</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>a la espera de un nuevo intento</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>a la espera de la contraseña</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>quizá enviada: decida usted</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>enviada el %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviada</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>enviándose ahora…</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>La última respuesta del servidor de correo: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>dañada: %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>No hay nada programado. Elija «Enviar en una fecha» en la ventana de envío.</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>Puede que el servidor de correo ya tenga esta felicitación. ¿Enviarla de nuevo?</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>La felicitación para %1 se ha enviado.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>La felicitación para %1 no se ha vuelto a enviar: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>La felicitación para %1 no se ha enviado: %2. Se volverá a intentar el %3.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>La felicitación para %1 no se ha enviado y no se volverá a intentar: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>La felicitación para %1 espera la contraseña del inicio de sesión en el servidor de correo: escríbala en las opciones de correo y elija de nuevo «Enviar ya».</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>El servidor de correo recibió la felicitación completa para %1, pero no dijo si la aceptaba (%2). Decida en la bandeja de salida si quiere enviarla de nuevo.</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>Otra instancia del programa está enviando ahora mismo la felicitación para %1.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>La felicitación para %1 no se ha enviado: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>No se puede retener la felicitación: %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>No se puede quitar la felicitación: %1.</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>Un archivo WAV propio...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>Este es uno de sus contactos, no una entrada de la libreta de direcciones: se mantiene.</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: no se puede leer la libreta de direcciones; no se ha modificado</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: no se puede escribir la libreta de direcciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>Texto que se leerá en voz alta</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Fotograma</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Idioma de la voz</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>Grabar su voz</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>Grabar desde el micrófono (un minuto como máximo)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>Escuchar la grabación</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Conservar la grabación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>Cerrar sin conservar nada</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>Tiempo grabado</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>Mensajes de la grabadora</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>sin micrófono</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>No se ha encontrado ningún micrófono: conecte uno o enciéndalo y vuelva a abrir la grabadora.</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>el micrófono del escritorio</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>Pulse «Grabar» y hable; hasta un minuto.</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>Grabando… Pulse «Detener» cuando termine.</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>Se han grabado %1 s. Escuche la grabación, consérvela o vuelva a grabar.</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>El micrófono ha desaparecido; se conserva lo grabado hasta entonces.</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>Una grabación dura como máximo un minuto.</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>No se puede reproducir la grabación: no se puede escribir %1.</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>No hay ninguna salida de sonido con la que escuchar.</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>Grabar un mensaje con su propia voz que suena al empezar la felicitación</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>Pasar la felicitación a su propio programa de correo en lugar de enviarla desde aquí</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Enviar con mi programa de correo</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>Poner la felicitación en la bandeja de salida, para enviarla el día y a la hora indicados abajo</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Enviar en una fecha</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>Volver a enviarla cada año en el cumpleaños de cada destinatario, a las 8 de la mañana</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Cada año en su cumpleaños</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>Día y hora del envío</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>Tamaño del mensaje</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>Calculando qué va en el mensaje…</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>La felicitación va como adjunto que se reproduce solo.</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>No se puede calcular el tamaño del mensaje.</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>Demasiado grande para enviarlo: %1.</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>Una felicitación programada para una fecha se envía desde aquí: desactive primero «Enviar con mi programa de correo».</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>Elija para la felicitación un día y una hora que aún no hayan pasado.</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>No se puede programar la felicitación: %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>La felicitación está en la bandeja de salida. Se enviará cada año en el cumpleaños de cada destinatario, a las 8 de la mañana; la primera vez, el %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>La felicitación está en la bandeja de salida. Se enviará el %1.</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>La contraseña de su servidor de correo no está guardada en un llavero: si Vimble e-mail no está abierto ese día, la felicitación esperará hasta que lo inicie y escriba la contraseña.</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>Un mensaje grabado acompaña a la felicitación</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>El mensaje de voz no puede acompañar a esta felicitación: %1.</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>amigo@example.org, amiga@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Texto del mensaje</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>sin llavero: escríbala para esta sesión</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>Escriba a quién va dirigida la felicitación.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>No se puede usar la dirección «%1»: contiene «&lt;», «&gt;» o un carácter de control.</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>Indique primero el servidor de correo en las opciones.</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>Indique primero su dirección de correo electrónico en las opciones.</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>Su dirección «%1» no se puede usar como remitente.</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>No hay ninguna felicitación que enviar.</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>Todavía se está enviando una felicitación. Envíe esta cuando se haya mostrado el resultado de aquella.</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>La felicitación no se ha enviado: el inicio de sesión en el servidor de correo necesita su contraseña.</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>No se puede crear en %1 una carpeta propia para la copia de la felicitación.</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>No se puede escribir la copia de la felicitación en %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>No se puede enviar la felicitación ahora: el proceso de envío no se ha iniciado.</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>No se puede escribir el mensaje de voz junto a la copia de la felicitación.</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>Enviar la felicitación</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>Cerrar sin enviar</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>El servidor de correo y su dirección</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>Enviar con la felicitación los sonidos y las fuentes del reproductor</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>Elegir entre las personas a las que ya ha escrito</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festividades</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fiesta</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>el bus de sesión en %1 acepta conexiones pero no responde</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>ningún servicio de notificaciones del escritorio responde en el bus de sesión: %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>ningún servicio de notificaciones del escritorio responde en el bus de sesión: sin respuesta</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>el bus de sesión en %1 no responde: %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>no hay ningún bus de sesión en marcha (DBUS_SESSION_BUS_ADDRESS no está definida y no existe $XDG_RUNTIME_DIR/bus), así que no se puede mostrar ninguna notificación del escritorio</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>el servicio de llavero ha fallado</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>no hay ningún bus de sesión en marcha, así que ningún llavero puede guardar la contraseña</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>el llavero no ha guardado la contraseña</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>Este cambio no se puede deshacer: el historial de deshacer no ha podido guardarlo.</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>Se han conservado los objetos: el historial de deshacer no ha podido guardar una copia de ellos.</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>Sonaría a la vez que otro sonido del objeto.</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>%1 no se dio al objeto: %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. Ninguno: el objeto no se mueve</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 En horizontal hacia la izquierda</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 En horizontal hacia la izquierda, creciendo</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 En horizontal hacia la izquierda, encogiéndose</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 En horizontal hacia la derecha</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 En horizontal hacia la derecha, creciendo</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 En horizontal hacia la derecha, encogiéndose</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 En vertical hacia arriba</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 En vertical hacia arriba, creciendo</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 En vertical hacia arriba, encogiéndose</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 En vertical hacia abajo</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 En vertical hacia abajo, creciendo</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 En vertical hacia abajo, encogiéndose</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 Círculo en sentido horario</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 Círculo en sentido horario, creciendo</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 Círculo en sentido horario, encogiéndose</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 Círculo en sentido antihorario</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 Círculo en sentido antihorario, creciendo</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 Círculo en sentido antihorario, encogiéndose</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 Elipse en sentido horario</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 Elipse en sentido horario, creciendo</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 Elipse en sentido horario, encogiéndose</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 Elipse en sentido antihorario</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 Elipse en sentido antihorario, creciendo</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 Elipse en sentido antihorario, encogiéndose</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. Saltos aleatorios</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 Saltos aleatorios, creciendo</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 Saltos aleatorios, encogiéndose</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>Tartas y fiestas</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>Estrellas y cielo</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>Estaciones y festividades</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>Caras y manos</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>Comida y bebida</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>tarta de cumpleaños</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>pastel de fresa</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>magdalena</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>cañón de confeti</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>bola de confeti</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>cara de fiesta</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>globo</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>piñata</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>fuegos artificiales</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>bengala</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>copas brindando</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>botella descorchándose</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>jarras de cerveza brindando</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>vela</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>notas musicales</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>bola de discoteca</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micrófono</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>mujer bailando</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>hombre bailando</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>máscaras de teatro</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>caballo de tiovivo</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>trompeta</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambor</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>regalo envuelto</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>lazo</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>corazón con lazo</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>bolsas de compras</translation>
    </message>
    <message>
        <source>package</source>
        <translation>paquete</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>carta de amor</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>sobre</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>osito de peluche</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cometa de papel</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>pieza de rompecabezas</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>videojuego</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anillo</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>piedra preciosa</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>trofeo</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>medalla de oro</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>entradas</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>varita mágica</translation>
    </message>
    <message>
        <source>books</source>
        <translation>libros</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>paleta de pintor</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>guitarra</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>ovillo de lana</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>bolso</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>corazón rojo</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>corazón rosa</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>corazón naranja</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>corazón amarillo</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>corazón verde</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>corazón azul</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>corazón azul claro</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>corazón morado</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>corazón marrón</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>corazón negro</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>corazón gris</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>corazón blanco</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>dos corazones</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>corazones girando</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>corazón latiendo</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>corazón creciendo</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>corazón brillante</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>corazón con flecha</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>adorno de corazón</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>exclamación de corazón</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>corazón roto</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>marca de beso</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>pareja con corazón</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>manos formando un corazón</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>ramo de flores</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>flor de cerezo</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>flor blanca</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>escarapela</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>flor marchita</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>hibisco</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>girasol</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipán</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>flor de loto</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>jacinto</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>brote</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>planta en maceta</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>árbol de hoja perenne</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>árbol de hoja caduca</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>palmera</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>trébol de cuatro hojas</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>trébol</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>hoja de arce</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>hojas caídas</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>hojas al viento</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>espiga de arroz</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>estrella brillante</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>chispas</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>estrella con estela</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>estrella fugaz</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>sol con cara</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>luna llena con cara</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>luna creciente</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>luna en cuarto creciente con cara</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arcoíris</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>rayo</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>fuego</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>estallido</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>planeta con anillos</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>globo terráqueo con Europa y África</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>vía láctea</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>amanecer</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>sol detrás de una nube</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>nube</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Árbol de Navidad</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>Papá Noel</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>Mamá Noel</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>muñeco de nieve sin nieve</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>muñeco de nieve</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>copo de nieve</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>calcetines</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>calabaza de Halloween</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>fantasma</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>telaraña</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>pollito saliendo del huevo</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>huevo</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>nido con huevos</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>adorno de pino</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>muñecas japonesas</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>banderín de carpas</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>campanilla de viento</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>sobre rojo</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>farolillo rojo de papel</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>lámpara diya</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>menorá</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>birrete</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>boda</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>persona con velo</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>persona con esmoquin</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>bebé</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>biberón</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>playa con sombrilla</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>cara sonriente con ojos grandes</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>cara sonriente con ojos alegres</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>cara radiante con ojos alegres</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>cara sonriente con sudor</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>cara llorando de risa</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>revolcándose de risa</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>cara feliz con ojos alegres</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>cara feliz con aureola</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>cara ligeramente sonriente</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>cara guiñando un ojo</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>cara feliz con ojos de corazón</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>cara feliz con corazones</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>cara lanzando un beso</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>cara saboreando comida</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>cara guiñando un ojo y sacando la lengua</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>cara de loco</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>cara feliz con las manos abiertas</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>cara con ojos de estrella</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>cara feliz con gafas de sol</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>cara conteniendo las lágrimas</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>cara llorando</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>cara llorando a mares</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>cara con la boca abierta</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>cara durmiendo</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>cara pensativa</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>cara tapándose la boca</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>gato sonriente</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>gato sonriente con ojos de corazón</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>mano saludando</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>pulgar hacia arriba</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>manos aplaudiendo</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>manos levantadas</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>manos juntas</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>apretón de manos</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>mano con señal de victoria</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>dedos cruzados</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>bíceps flexionado</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>cara de perro</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>cara de gato</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>cara de conejo</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>oso</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>koala</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>cara de tigre</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>cara de vaca</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>cara de cerdo</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>cara de mono</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>gallina</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>pájaro</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>pollito</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>unicornio</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>delfín</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>ballena echando agua</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>pez tropical</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>jirafa</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>erizo</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>huellas de patas</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fresa</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>manzana roja</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>sandía</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>melocotón</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>piña</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>limón</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburguesa</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>palomitas</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>pretzel</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>cruasán</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>tortitas</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>helado de cucurucho</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>helado</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>dónut</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>galleta</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>tableta de chocolate</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>caramelo</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>piruleta</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>flan</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>tarro de miel</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>tarta</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>bebida caliente</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>taza de té sin asa</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>copa de vino</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>copa de cóctel</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>cóctel tropical</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>vaso con pajita</translation>
    </message>
</context>
<context>
    <name>Faces</name>
    <message>
        <source>Vimble e-mail</source>
        <translation>Vimble e-mail</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>Felicitaciones animadas</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>más</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>fotograma</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Útiles</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Posición y tamaño</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>height</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>Texto y colores</translation>
    </message>
    <message>
        <source>font</source>
        <translation>fuente</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>sin relleno</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>relleno</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>fotogramas</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>tras sus fotogramas:</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>no visible</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>Propiedades del proyecto</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>Salida MIDI</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>Añadir un sonido</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>Desde fotograma</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>Hasta fotograma</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>Texto hablado</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voz</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>h / m</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>Opciones de correo</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>servidor de correo</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>su dirección de correo</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>conexión: sin cifrar, STARTTLS (587) o TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>usuario (vacío: sin inicio de sesión)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>contraseña (guardada en el llavero)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>mostrar la felicitación en el mensaje</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>adjuntar el reproductor autónomo</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>adjuntar el vídeo con sonido</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>adjuntar el archivo de la felicitación</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>Enviar su felicitación</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>enviar con mi programa de correo</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>enviar el</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>cada año en su cumpleaños</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>search</source>
        <translation>buscar</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>dirección de correo</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>cumpleaños (1990-05-17 o --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>felicitaciones programadas</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>Grabar su voz</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micrófono</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>no preguntar más</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>Enviar por correo…</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>Contactos…</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Bandeja de salida…</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>Exportar reproductor…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exportar vídeo…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>Propiedades…</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliotecas</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Herramientas de dibujo</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>Gestor de capas</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>Importar imagen…</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>Importar MIDI…</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>Color de fondo…</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Quitar el fondo</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>Fondos…</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>Quitar la música</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>Sonidos…</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>Propiedades del proyecto…</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>Bajar un nivel</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>Arriba del todo</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>Abajo del todo</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>Añadir un sonido…</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>Añadir un texto hablado…</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>Grabar un sonido…</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Primer fotograma</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Último fotograma</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Cerrar reproductor</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texto en rectángulo</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texto en elipse</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Sin relleno</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>Queda en pantalla</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>Sale de pantalla</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>Cliparts</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Fondos</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>No preguntar más</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>Con reproductor</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>Mensaje de voz</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Sin cifrar</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Show the greeting in the message</source>
        <translation>Mostrar la felicitación en el mensaje</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>Adjuntar el reproductor</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>Adjuntar el vídeo</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Adjuntar el archivo de la felicitación</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Enviar con mi programa de correo</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Enviar en una fecha</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Cada año en su cumpleaños</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Enviar ya</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>Voz de hombre</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>Voz de mujer</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>Carpeta superior</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>Empezar una nueva felicitación</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>Archivo ▸ Nuevo, o abra una felicitación que haya hecho</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versiones anteriores…</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>el archivo termina %1 bytes antes de tiempo</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>un texto repite su marca de caracteres anchos</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>un texto declara %1 bytes y quedan %2</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>un bloque declara %1 bytes y quedan %2</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>una lista declara %1 %2 y quedan %3 bytes</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1: error de lectura en el byte %2 de «%3» (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1: error de escritura en «%2» (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1: no se puede conservar la imagen</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: no es un archivo de mapa de bits</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1: demasiado grande para un mapa de bits</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>un mapa de bits empaquetado de %1 bytes no tiene cabecera</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>un bloque de mapa de bits de %1 bytes no tiene cabecera</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>la cabecera del mapa de bits está incompleta</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>la cabecera del mapa de bits declara %1 bytes y el bloque contiene %2</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>la altura del mapa de bits está fuera del intervalo admitido</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>una cabecera de mapa de bits de %1 bytes no es de ningún tipo conocido</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>un mapa de bits de %1 x %2 píxeles está fuera del intervalo admitido</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>un mapa de bits con %1 planos</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>un mapa de bits de %1 bits por píxel</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>un mapa de bits con compresión %1 a %2 bits por píxel</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>una tabla de colores de %1 entradas</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>las máscaras de campos de bits están incompletas</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>la máscara de campo de bits 0x%1 no encaja con los píxeles</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>la tabla de colores de %1 entradas se sale del bloque</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>los píxeles necesitan %1 bytes y quedan %2</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>no hay memoria para una imagen de %1 x %2</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>un flujo con codificación por longitud de series termina antes de tiempo en el byte %1</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>una serie literal de la codificación por longitud de series se sale de los datos en el byte %1</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>efectos</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>capas</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>escenarios</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sonidos</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>clips anidados a más de %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>el tipo de forma %1 no está entre 0 y 2</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>un objeto dibujado sin forma</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>el tipo de dibujo %1 no está entre 1 y 4</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>el objeto «%1» no tiene escenario y no se dibuja</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>el objeto «%1» no tiene lista de efectos y no se dibuja</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>no se puede crear un búfer de escenario de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1: no se pueden crear archivos de trabajo ni a su lado ni en %2</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1: no se pueden crear los archivos de trabajo</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1: no hay memoria suficiente para descomprimirlo</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1: no es un archivo de felicitación (falta la marca de cabecera)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>no se puede leer el archivo de sonido %1</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>no se puede escribir el archivo propio del sonido en %1</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>memoria insuficiente en el historial de deshacer</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>no se puede crear la carpeta del historial de deshacer en %1</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>no se puede crear un archivo de estado del historial de deshacer en %1</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>estado del historial de deshacer</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>memoria insuficiente al guardar un estado del historial de deshacer</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>memoria insuficiente al cargar un estado del historial de deshacer</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>falta el estado del objeto %1 en el historial de deshacer (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>falta el estado del objeto %1 en el historial de deshacer</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>el estado %1 del historial de deshacer es del tipo %2, que no corresponde a ninguna clase</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>un texto de caracteres de 2 bytes contiene la mitad de un par de caracteres</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1: no se puede crear (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>falta su descripción</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>su descripción no se puede leer</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>falta su archivo de felicitación %1</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>su archivo %1 no es un archivo de felicitación</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: no existe esa copia de recuperación</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>La copia de recuperación de %1 no se ha escrito: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>«%1» no es el nombre de una copia de recuperación</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>no se puede volver a leer (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>no se puede crear su imagen fija</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1: la copia de recuperación no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1: no se puede guardar su versión anterior (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1: no existe la versión anterior %2</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1: la versión anterior %2 no se puede leer (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>Su felicitación no se está guardando mientras trabaja: %1

Puede seguir trabajando; guarde la felicitación para conservarla.</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>La felicitación recuperada «%1» no se puede abrir: %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>Aún no se conserva ninguna versión anterior de «%1»: cada guardado encima conserva la versión que reemplaza.</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>La versión anterior no se puede abrir: %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>Cielo de globos</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Confeti</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>Amanecer rosa</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>Papel de corazones</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>Noche nevada</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>Bosque invernal</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>Luces de escenario</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>Banderines</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>Globo rojo</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>Globo turquesa</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>Globo amarillo</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Tarta de cumpleaños</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Caja de regalo</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Gorro de fiesta</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Magdalena</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>Corazón rojo</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>Corazón rosa</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>Globo de corazón</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>Carta de amor</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Árbol de Navidad</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Muñeco de nieve</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>Bola de Navidad</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>Bastón de caramelo</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Copo de nieve</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>Regalo rojo</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>Estrella dorada</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>Estrella turquesa</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Champán</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>Notas musicales</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Cañón de confeti</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>Sol sonriente</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>Globos que suben</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>Regalo y estrella</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>Corazones que bailan</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>Corazones flotantes</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>Nieve que cae</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>Árbol centelleante</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>Estrellas en órbita</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>Música en el aire</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>Cumpleaños feliz</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>Estrellita, ¿dónde estás?</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>Campanillas de amor</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>Jingle Bells</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>Himno de la alegría</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfarria</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>Destello</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Plop</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>Boing</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: no se puede leer la libreta de direcciones; no se ha modificado</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: no se puede escribir la libreta de direcciones</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64: se necesitan un archivo de entrada y uno de salida</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>Error %1: no se puede copiar el programa reproductor en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>Error %1: no se pueden copiar los datos del reproductor en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>Error %1: no se puede copiar la felicitación en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>Error %1: una parte es demasiado grande para el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>Error %1: no se pueden escribir las longitudes de las partes en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Error %1: no se puede escribir el nombre de la felicitación en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Error %1: no se puede escribir la longitud del nombre de la felicitación en el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>Error %1: no se puede escribir la marca de cierre del paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>Error %1: no se puede cerrar el paquete del reproductor</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>Error %1: no se puede escribir el paquete del reproductor</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1: ¡Error! No se encuentra el archivo</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1: ¡Error! Otro programa está usando el archivo</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1: demasiado grande para un paquete del reproductor</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>línea %1: la ficha termina antes de END:VCARD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>línea %1: la ficha no tiene ni nombre ni dirección</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>la línea %1 no es una propiedad de vCard</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>línea 1: la cabecera no indica ninguna columna de nombre ni de correo electrónico</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>línea %1: %2 campos donde la cabecera tiene %3</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>línea %1: se esperaban 7 campos separados por tabuladores y hay %2</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>línea %1: sin nombre</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>línea %1: «%2» no es un dominio en minúsculas</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>línea %1: «%2» no es un nombre de servidor</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>línea %1: «%2» no es un puerto</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>línea %1: «%2» no es ni tls ni starttls</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>línea %1: «%2» no es ninguna clave de tipo de inicio de sesión</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>línea %1: la página de ayuda no es una dirección https</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>se ha pasado al programa de correo un archivo que no existe</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>no hay ningún programa de correo configurado en este escritorio (xdg-email no ha encontrado ninguno)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>el programa de correo no ha podido recibir la felicitación</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>xdg-email ha fallado (estado de salida %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>no se puede crear ninguna carpeta en %1</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email no está instalado (viene con el paquete xdg-utils)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>no se puede iniciar xdg-email: %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email ha terminado de forma anómala</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>no se ha podido esperar a xdg-email</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>no se puede copiar %1 para el mensaje</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>la felicitación ocupa %1 incluso con la imagen y el vídeo más pequeños; un mensaje puede ocupar como máximo %2</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>se omite el vídeo: %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>Dibujando la felicitación</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>se ha cancelado el envío</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>no se pueden crear la imagen y el vídeo de la felicitación: %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>Reduciendo la imagen</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>Reduciendo el vídeo</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>no se ha podido crear el adjunto: falta %1 en la carpeta de datos %2</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>no se ha podido crear el adjunto: no se puede leer %1</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>no se ha podido crear el adjunto: no se puede escribir el paquete del reproductor para %1</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>el servidor de correo %1 solo ofrece iniciar sesión sin TLS, lo que permitiría a otros leer la contraseña</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>el servidor de correo %1 no ofrece ningún inicio de sesión que este programa pueda usar (AUTH PLAIN o LOGIN)</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>el servidor de correo %1 no ofrece inicio de sesión, pero la configuración pide uno</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>el servidor de correo %1 no puede comprobar ahora el nombre de usuario y la contraseña (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>el servidor de correo %1 ha rechazado el nombre de usuario o la contraseña (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>no se ha podido crear el adjunto: no hay ninguna carpeta de datos definida, así que no se encuentra el programa reproductor</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>no se ha podido crear el adjunto: no se puede copiar %1</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1: no se puede copiar para el adjunto</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>no se ha podido crear el adjunto: no se puede escribir el adjunto %1</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>el servidor de correo %1 ha rechazado «%2»: %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>no se ha podido crear el adjunto: no se puede codificar el adjunto %1</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>no se conoce ninguna contraseña para %1 en el servidor de correo %2 (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>no se conoce ninguna contraseña para %1 en el servidor de correo %2</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>el servidor de correo %1 no ofrece STARTTLS, pero la configuración lo pide</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>el servidor de correo %1 ha rechazado la conexión: %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>el servidor de correo %1 ha rechazado a todos los destinatarios: %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>no se puede crear una carpeta propia para la imagen y el vídeo de la felicitación</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>no se ha podido crear el adjunto: no se puede leer el adjunto codificado</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>la felicitación ocupa %1 bytes, más de los %2 bytes que admite el servidor de correo %3</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>la bandeja de salida no puede anotar que la felicitación se está enviando</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>el servidor de correo %1 ha rechazado el mensaje: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>no se puede copiar %1 para el adjunto del reproductor</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>no se puede preparar %1 para %2</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>la felicitación no tiene destinatario</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>nadie ha recibido la felicitación: %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>Su programa de correo tiene la felicitación, lista para enviar. Sus archivos están en %1.</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>Su felicitación se ha enviado (%H:%M:%S).</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>Enviada a: %1.</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>El servidor de correo ha rechazado a estos destinatarios: %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>%s no ha podido enviar su felicitación.</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>Qué ha fallado: %1.</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>no se puede crear una carpeta temporal propia para el adjunto</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>la entrada está incompleta</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>no es una entrada de la bandeja de salida</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>la entrada tiene una línea sin «=»</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>la entrada está vacía</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>la entrada no tiene ningún estado conocido</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>la entrada tiene una hora que no se puede leer</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>no se puede leer el número de intentos de la entrada</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>no se puede leer la seguridad de la entrada</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>no se puede leer el límite de tamaño de la entrada</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>la entrada tiene un interruptor que no es ni 0 ni 1</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>una entrada anual no tiene cumpleaños</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>la entrada no indica ningún destinatario</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>la entrada no indica ningún servidor de correo</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>la entrada no indica ningún archivo de felicitación</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>no se puede leer el archivo de felicitación %1</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>no se puede crear ninguna carpeta en la bandeja de salida %1</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>no se puede poner %1 en la bandeja de salida</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>una felicitación programada necesita un servidor de correo: indique uno en las opciones de correo</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>no se conoce el cumpleaños de %1: añádalo en los contactos</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>no contiene ninguna entrada</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>no se puede leer su entrada</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>falta su archivo de felicitación %1</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>no se puede escribir la entrada %1 de la bandeja de salida</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>no hay ninguna felicitación %1 en la bandeja de salida</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>no se puede retener la felicitación %1: %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>la felicitación %1 se está enviando ahora mismo</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>la felicitación %1 ya se ha enviado</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>la felicitación %1 aún está pendiente de envío o se está enviando: reténgala primero</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>no se puede quitar la felicitación %1: %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>otra instancia del programa la está enviando</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>ya se ha enviado</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>ya está retenida</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>Felicitación enviada</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>Su felicitación «%1» para %2 se ha enviado.</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>Felicitación no enviada</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>Su felicitación «%1» para %2 no se ha podido enviar: %3.</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>Puede que la felicitación no se haya enviado</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>El servidor de correo no ha dicho si ha aceptado su felicitación para %1. Abra la bandeja de salida para enviarla de nuevo o déjela como está.</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>Se acerca un cumpleaños</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>El cumpleaños de %1 es dentro de unos días y todavía no hay ninguna felicitación programada.</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>no se puede dibujar la felicitación: el programa no tiene fuentes</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>no hay memoria suficiente para dibujar la felicitación</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>no se puede crear la imagen de la felicitación: %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>la imagen de la felicitación es demasiado grande para el mensaje: %1 bytes a %2 × %3, se admiten como máximo %4</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>no se ha indicado ningún motivo</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>el servidor de correo «%1» no tiene un número de puerto válido</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>el nombre del servidor de correo «%1» no es un nombre de host</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>no se encuentra el servidor de correo %1 (un nombre reservado, no válido)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>no se encuentra el servidor de correo %1 (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>el servidor de correo %1 no ha respondido a tiempo (al conectar)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>al conectar: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>el servidor de correo %1 no ha respondido a tiempo (al enviar)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>al enviar: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>el servidor de correo %1 no ha respondido a tiempo (esperando su respuesta)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>esperando su respuesta: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>el servidor de correo %1 no ha respondido a tiempo (en la negociación TLS)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>en la negociación TLS: %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>no se puede conectar con el servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>la conexión con el servidor de correo está cerrada</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>ha fallado el envío al servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>el servidor de correo %1 ha enviado algo que no es una respuesta: %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>el servidor de correo %1 ha mezclado códigos de respuesta en una misma respuesta</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>el servidor de correo %1 ha enviado una respuesta demasiado larga para serlo</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>el servidor de correo %1 ha cerrado la conexión</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>ha fallado la recepción desde el servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>la conexión ha terminado</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>no se puede establecer TLS con el servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>el certificado del servidor de correo %1 no es de confianza: %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>el servidor de correo %1 ha cerrado la conexión durante la negociación TLS</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>ha fallado la negociación TLS con el servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se ha agotado el tiempo de espera de la conexión</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No hay ruta hasta el host</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>No se puede acceder a la red</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>El otro extremo ha restablecido la conexión</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Se ha interrumpido la conexión</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>El servidor ha cerrado la conexión</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nombre o servicio desconocido</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Fallo temporal en la resolución de nombres</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Fallo irrecuperable en la resolución de nombres</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>imagen %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>vídeo con sonido %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>archivo de la felicitación %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>aprox. %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not a valid file!</source>
        <translation>¡El archivo no es válido!</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>Error 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>Se ha producido un error</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>Se ha producido otro error</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>¡Memoria insuficiente! Cierre la aplicación y resuelva el problema.</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>¡Memoria insuficiente (3)!</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>No se puede modificar la libreta de direcciones: no hay ninguna carpeta de datos definida</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>No se ha actualizado la libreta de direcciones: no hay ninguna carpeta de datos definida</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>No se encuentra el programa reproductor: no hay ninguna carpeta de datos definida</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texto en rectángulo</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texto en elipse</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1: la imagen está dañada o incompleta</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1: la imagen está dañada o incompleta (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1: la imagen es demasiado grande (%2 x %3 píxeles; se leen como máximo %4 megapíxeles)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1: aquí no se pueden leer imágenes WebP: faltan los complementos de formatos de imagen de Qt</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1: no es una imagen que se pueda leer (PNG, JPEG, GIF, WebP, BMP, HEIC o AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1: no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: el archivo está vacío</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1: el archivo es demasiado grande para una imagen</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1: esta versión del programa no puede leer imágenes HEIC ni AVIF</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>reproduce la felicitación que contiene FILE (un paquete del reproductor o un proyecto .kel), o la que va añadida a este programa</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play: no se pueden instalar los manejadores de señales</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play: no se puede crear una carpeta propia en la carpeta temporal</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1: este programa no lleva ninguna felicitación; indique una felicitación para reproducir</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play: no hay ninguna pantalla en la que mostrar la felicitación (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>no se puede abrir la felicitación</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: no se puede abrir</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1: los datos del reproductor de esta felicitación están dañados: %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1: los datos del reproductor indican el SoundFont «%2»</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1: no se pueden leer los datos del reproductor</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1: la felicitación de este archivo está vacía</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1: no se puede copiar la felicitación en %2</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1: la felicitación de este archivo está dañada (sus partes no suman la longitud del archivo)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1: no se puede copiar en %2</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1: este archivo no contiene ninguna felicitación</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>la marca no es %1</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>la cabecera termina tras %1 bytes</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>la versión %1 no es la %2</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>la cabecera declara %1 entradas y quedan %2 bytes</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>entrada %1: la longitud de su nombre se corta en el byte %2</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>entrada %1: un nombre de %2 bytes</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>entrada %1: su nombre declara %2 bytes y quedan %3</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>entrada %1 (%2): la longitud de sus datos se corta en el byte %3</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>la entrada %1 (%2) declara %3 bytes y quedan %4</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>entrada %1: el nombre «%2» no está permitido o aparece dos veces</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>siguen %1 bytes tras la última entrada</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>una felicitación programada espera esta contraseña</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1, %2, en %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>clipart</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animación</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>No se puede exportar la felicitación: falta el reproductor «%1».</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>reproducido</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>el reproductor no puede hacerlo ahora</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>la salida MIDI no está lista</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>el archivo no es un archivo MIDI que se pueda reproducir</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>la salida MIDI lo ha rechazado</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>no hay ningún SoundFont instalado</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>sin SoundFont</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>sin salida de sonido</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>Sintetizador (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>no se ha grabado nada</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>la grabación está en silencio: ¿está el micrófono silenciado o con el volumen bajo?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>el fotograma %1 está más allá del final de la animación (%2 fotogramas)</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1: no se puede crear una copia propia en %2</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>el sonido sonaría a la vez que otro sonido del objeto %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>no se ha podido abrir ningún dispositivo de audio</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>el sistema de sonido no se ha iniciado: %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>no se ha encontrado ningún micrófono</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>no se ha podido abrir el micrófono: %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>no se puede iniciar el sintetizador de voz: espeak-ng no se ha iniciado</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>no se puede iniciar el sintetizador de voz: espeak-ng no tiene ninguna voz inglesa (¿está instalado espeak-ng-data?)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>el sintetizador de voz no tiene ninguna voz inglesa de mujer</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>el sintetizador de voz no tiene ninguna voz inglesa de hombre</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>el texto es demasiado largo para decirlo en voz alta (más de %1 minutos)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>el sintetizador de voz no ha podido decir el texto en voz alta</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>el SoundFont «%1» no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>«%1» no es un SoundFont</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>no se puede iniciar el sintetizador</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>no se puede cargar el SoundFont «%1»</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>no se puede cargar el SoundFont «%1»: %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>el bloque de formato del archivo WAV es demasiado corto</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>el bloque de formato extendido del archivo WAV es demasiado corto</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>los archivos WAV comprimidos (formato %1) no son compatibles</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>el archivo WAV tiene %1 canales; se pueden reproducir de 1 a %2</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>la frecuencia de %1 Hz del archivo WAV está fuera del intervalo de %2 a %3 Hz</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>los archivos WAV de coma flotante con %1 bits por muestra no son compatibles</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>los archivos WAV PCM con %1 bits por muestra no son compatibles</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>el tamaño de bloque del archivo WAV (%1 bytes) no corresponde a sus %2 canales de %3 bytes</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>no es un archivo RIFF/WAVE</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>el archivo WAV está incompleto</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>falta el bloque de formato del archivo WAV</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>faltan los datos de sonido del archivo WAV</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>el archivo WAV es demasiado largo para reproducirlo (más de %1 minutos)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>no se encuentra el archivo WAV</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>el archivo WAV es demasiado grande (más de 2 GB)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>no se puede leer el archivo WAV</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>la felicitación no tiene ningún objeto al que dar un sonido</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>no existe el objeto %1 (la felicitación tiene %2, contando desde 0)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>todos los objetos de la felicitación ya tienen un sonido sonando en ese momento</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>los datos del archivo wave IMA ADPCM están dañados (un índice de paso de %1)</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>no se admiten archivos wave IMA ADPCM de %1 bits por muestra</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>el tamaño de bloque del archivo wave IMA ADPCM (%1 bytes) no encaja con sus %2 canales</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 está dañado: su sonido no se puede descodificar</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>no se encuentra %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 no es un archivo de audio de un tipo que se pueda leer (WAV, MP3, M4A, Ogg Vorbis, Opus o FLAC)</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 no contiene sonido</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 contiene sonido de un tipo que no se puede descodificar (%2)</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1: la parte desde %2 s empieza después del final de la canción (%3 s)</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: ha fallado</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>uso: vimble-tool VERBO ARGUMENTOS</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1: no es un elemento de animación, clipart, fondo ni sonido</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>codificar o descodificar un archivo con el códec de los proyectos</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>escribir un proyecto nuevo y vacío</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>un archivo .kel, .hdr o .zty como JSON</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>abrir un proyecto y volver a guardarlo</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>los fotogramas de la reproducción continua desde el principio, como imagen animada o como vídeo con sonido</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>no hay carpeta de datos: defina DataFiles1 o indique --data DIR</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>no se puede crear una carpeta temporal</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>no se puede copiar en %1</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>no se puede iniciar el proceso de envío</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>no es un paquete del reproductor</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1: dañado o ilegible; se listan las entradas anteriores al daño</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1: dañado o ilegible; no se modifica</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1: no tiene la entrada %2 (tiene %3)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>enviar por correo un proyecto como felicitación con su imagen, su vídeo y su archivo, o pasarlo al programa de correo</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>escribir el adjunto que se reproduce solo de un proyecto</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>escribir las partes de un paquete en DIR y mostrar su bloque final como JSON</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>codificar un archivo como parte MIME en base64, o descodificar una</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>listar o modificar la libreta de direcciones</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1: dañado; no se modifica</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>no es una fecha de cumpleaños: %1 (1990-05-17 o --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>no existe el contacto %1</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>listar los contactos como JSON, importar archivos vCard o CSV, exportar a vCard 4.0, añadir o quitar un contacto</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>programar felicitaciones para una fecha o para cada cumpleaños, listarlas como JSON, retenerlas y enviar las pendientes</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>no es una dirección de correo electrónico (NOMBRE@DOMINIO)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>mostrar como JSON el servidor de correo a través del cual envía una dirección, y dónde se encontró</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: no es un archivo de mapa de bits</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>lo que indica la cabecera de un archivo de mapa de bits y si se puede descodificar</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>la imagen fija, o los fotogramas de la reproducción continua desde el principio</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>CSV con el efecto de dibujo, la posición y el tamaño de cada objeto, fotograma a fotograma</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1: el micrófono no envía sonido</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1: el micrófono ha desaparecido tras %2 s; se conserva lo grabado hasta entonces</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>S segundos (de 1 a 60, 10 por omisión) del micrófono, depurados, como WAV mono</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>no hay ningún SoundFont instalado</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1: la música queda en silencio: %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1: no hay memoria suficiente para el sonido</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1: resultado %2: %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>cómo suena la reproducción continua desde el principio, como WAV estéreo de 44,1 kHz</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>lo que encuentra el lector de MIDI en un archivo, o el resultado del reproductor y por qué</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1: no se puede abrir como biblioteca de recursos</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale admite una proporción de 1 a 4</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1: no se pueden listar ahí archivos de cabecera de la biblioteca (*.hdr)</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(carpeta de datos vacía: /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>comprobar la biblioteca de recursos (cada imagen de la interfaz a 1x, 1,5x y 2x, y las que llevan texto también en cada idioma), o dibujar todas las imágenes en una hoja (a una escala de pantalla)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>los catálogos y las categorías que crea el análisis de inicio (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>no existe el objeto %1 (la felicitación tiene %2, contando desde 0)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>el objeto %1 no es un texto</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>el proyecto con el texto de su objeto I (un texto, desde 0) sustituido</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: no existe esa copia de recuperación</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1: la copia de recuperación no se puede eliminar</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>listar en JSON las copias de recuperación de las felicitaciones que se están modificando, escribir una o eliminarla</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>listar en JSON las versiones anteriores de una felicitación que sus guardados reemplazaron (1 es la más reciente) o escribir una</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1: el proyecto no tiene escenario</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>el proyecto con una imagen (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) como fondo o como objeto nuevo, centrada si no se coloca, en un marco si se pide</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>el proyecto con el sonido añadido a un objeto (desde 0) en el fotograma N; una voz grabada suena una vez; una canción (MP3, M4A, Ogg, Opus, FLAC, o un wave con las opciones) da su parte desde S segundos, de N de largo (hasta el final, como mucho 60), con fundido de F, comprimida</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>no hay ninguna felicitación que exportar</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>el tamaño debe estar entre 2 x 2 y 4096 x 4096</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>el primer fotograma debe ir antes del último</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>una exportación contiene como máximo 30000 fotogramas (una hora)</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>el número de reproducciones debe estar entre 0 (sin fin) y 1000</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>la música queda en silencio: %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>no hay memoria suficiente para el sonido</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>no hay ninguna felicitación que dibujar</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>no se puede crear una imagen o un vídeo de ese tamaño</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>no se puede leer la copia de la felicitación</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>no hay memoria suficiente para componer los fotogramas</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>los fotogramas del vídeo declaran un tamaño de %1 x %2 (como máximo %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>el fotograma %1 tiene un tamaño de %2 x %3</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>las imágenes del vídeo no se pueden convertir a RGB</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>el fotograma %1 no se puede convertir a RGB: %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>el fotograma %1 no se puede convertir a RGB</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>no hay memoria para un fotograma del vídeo</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>el vídeo no puede volver a su inicio: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>no es un archivo (es una carpeta o un dispositivo)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>el archivo no se puede leer como vídeo: %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>el archivo no contiene vídeo (su primer flujo no es un flujo de vídeo)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>el numerador o el denominador de la velocidad de fotogramas del vídeo es 0</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>no se pueden leer los flujos del archivo: %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>el vídeo no indica el tamaño de sus fotogramas</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>el numerador (%1) o el denominador (%2) de la velocidad de fotogramas del vídeo es 0 o menos</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>el vídeo declara %1 fotogramas por segundo (se pueden reproducir de 0,1 a 1000)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>el vídeo declara una duración de %1 fotogramas (se pueden reproducir de 1 a 10000000)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>las bibliotecas de vídeo no tienen ningún descodificador para vídeo %1</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>no hay memoria para el descodificador de vídeo</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>no se ha podido abrir el descodificador de %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>no hay memoria para los fotogramas del vídeo</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>no hay memoria para los fotogramas del vídeo: %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>no hay ningún vídeo abierto</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>el fotograma %1 no está en el vídeo (de 0 a %2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>el archivo termina antes del fotograma %1 (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>el archivo termina antes del fotograma %1</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>el fotograma %1 no se puede descodificar: %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador MPEG-4</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador de VP9 o VP8 (libvpx)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador de Opus o Vorbis (libopus, libvorbis)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador H.264 (libx264)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador AAC</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>PNG animado</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>a las bibliotecas de vídeo instaladas les falta un codificador de PNG animado</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>las bibliotecas de vídeo instaladas no pueden escribir archivos %1</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>las bibliotecas de vídeo instaladas no pueden escribir archivos %1: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>el codificador de %1 ha rechazado un bloque de datos: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>el codificador de %1 se ha negado a terminar: %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>el codificador de %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>no se ha podido escribir el archivo de vídeo: %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>no hay memoria para el codificador de %1</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>no se ha podido abrir el codificador de %1: %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>no se ha podido configurar el flujo de %1: %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>el sonido no se puede convertir para el codificador de %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>no hay memoria para el sonido</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>no hay memoria para el sonido: %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>la cola de sonido ha perdido muestras</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>no se ha podido convertir el sonido: %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>el tamaño de un vídeo debe estar entre 2 x 2 y %1 x %2</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>un fotograma de vídeo debe durar entre 1 y 10000 ms</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>el número de reproducciones no puede ser negativo</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>la duración de los fotogramas o las tasas de bits del vídeo están fuera del intervalo admitido</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>no se ha podido escribir la cabecera del archivo %1: %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>no hay ningún vídeo abierto para escritura</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>el fotograma está vacío</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>no hay memoria para el fotograma</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>no hay memoria para el fotograma: %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>el fotograma no se puede convertir para el codificador de %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>el fotograma no se puede convertir para el codificador de %1: %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>este vídeo no tiene pista de sonido</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>el sonido estéreo necesita un número par de muestras</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>no se ha podido escribir el final del archivo de vídeo: %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>no se ha podido cerrar el archivo de vídeo: %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>von 1 Bild</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>von %1 Bildern</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>Der Anfang muss eine ganze Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>Das Ende muss leer sein oder eine ganze Zahl ab %1.</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>Lassen Sie das Ende leer, damit der Klang bis zur Pause oder zum Ende des Grußes spielt.</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>Einen Kontakt aus den Feldern anlegen</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>Den gewählten Kontakt mit den Feldern ändern</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>Den gewählten Kontakt entfernen</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>Kontakte aus einer vCard- oder CSV-Datei importieren</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>Die Kontakte als vCard-Datei exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>In %1 sind Karten, die sich nicht lesen lassen (%2); die Datei wird angezeigt, aber nicht verändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>„%1“ ist keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>Geben Sie zuerst einen Namen oder eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>„%1“ ist kein Geburtstag: Schreiben Sie 1990-05-17 oder --05-17 ohne Jahr.</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>In %1 sind Karten, die sich nicht lesen lassen, deshalb wird die Datei nicht verändert. Reparieren oder verschieben Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>Wählen Sie zuerst einen Kontakt in der Liste.</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>%1 hinzugefügt, %2 zusammengeführt.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> und %1 weitere.</translation>
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
        <translation>Der Gruß wird gesendet</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>Der Gruß wird gesendet: %1, %2 %</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>Der Effekt wurde nicht hinzugefügt: Dort, wo er abgelegt wurde, ist kein Objekt, und es ist kein Objekt ausgewählt. Legen Sie ihn auf einem Objekt ab oder wählen Sie zuerst Objekte aus.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>Der Gruß kann nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>Der Gruß kann nicht exportiert werden: In %1 lässt sich keine eigene Kopie davon schreiben.</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>Der Gruß wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>Der Gruß kann nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>Der Gruß kann nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>Die Aufnahme kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>Das Senden ist beendet</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>Hintergrundmenü</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>Objektmenü</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>Animiertes GIF-Bild</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>Animiertes PNG-Bild</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>WebM-Video</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>MP4-Video</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Eingefügtes Bild</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>%1 wurde nicht platziert: Öffnen oder beginnen Sie zuerst einen Gruß und ziehen Sie das Bild dann auf seine Bühne.</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>%1 wurde nicht hinzugefügt: Ziehen Sie ein Lied auf das Objekt, das es spielen soll.</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 kann hier nicht verwendet werden: Nur Bilder (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), Lieder (auf ein Objekt) und Grüße (.kel) können auf die Bühne gezogen werden.</translation>
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
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>Emoji nach Namen suchen</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>Kein Emoji heißt so.</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>Farben werden gewählt: Bild %1 von %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>Datei wird gelesen …</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>Wird entpackt …</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>Gruß wird aufgebaut …</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>Gruß wird zusammengestellt …</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>Wird komprimiert …</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>Datei wird geschrieben …</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>Grüße wiederherstellen</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>Der Editor wurde beendet, bevor diese Grüße gespeichert waren.</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Frühere Fassungen</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>Frühere Fassungen von „%1“</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>Jede ist der Gruß, wie er war, bevor ein Speichern ihn ersetzte.</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>Name jedes Grußes, woher er kam und wann er aufbewahrt wurde</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>Wann jede Fassung ersetzt wurde, und ihre Größe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Den gewählten Gruß im Editor öffnen</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>Den gewählten Gruß in einer Datei Ihrer Wahl speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>Den gewählten Gruß wegwerfen, nach einer Rückfrage</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>Dieses Fenster schließen und jeden Gruß für den nächsten Start aufbewahren</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>Die gewählte Fassung im Editor als eigenen Gruß öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Nie gespeichert</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>Aufbewahrt am %1 um %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>So wie bis %1 um %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>Diese Kopie kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>Kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>Den wiederhergestellten Gruß „%1“ verwerfen? Er lässt sich nicht zurückholen.</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;Fehler&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: Bilder %2 bis %3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1: ab Bild %2</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Seite nach oben</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Seite nach unten</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>Bibliothekseinträge</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>Bibliotheksfenster</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>Melden Sie sich mit einem App-Passwort an, das Sie in den Sicherheitseinstellungen des Kontos erstellen.</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>Ist die Anmeldung in zwei Schritten eingeschaltet, melden Sie sich mit einem App-Passwort an.</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>Schalten Sie zuerst in den Einstellungen des Webmailers den POP3/IMAP-Zugriff ein.</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>Melden Sie sich mit dem eigenen E-Mail-Passwort an, das Sie im Kundencenter festlegen.</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>Der Anbieter verlangt eine eigene Anmeldung; ein Passwort wird womöglich abgelehnt.</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>Nur über das Brückenprogramm des Anbieters auf diesem Computer, dessen Zertifikat dieser Computer als vertrauenswürdig kennen muss.</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>Wo der Mailserver gefunden wurde</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>Das Video mit Ton anhängen</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>Der Gruß als Video mit Ton, das jeder Computer abspielt</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Die Grußdatei anhängen</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>Die Grußdatei selbst, zum Öffnen und Ändern in diesem Programm</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>Der Mailserver von %1 wird gesucht …</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>In der Anbieterliste gefunden: %1.</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>In den DNS-Einträgen der Domain gefunden.</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>Nur geschätzt: Fragen Sie bei Ihrem Anbieter nach.</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>Veröffentlicht unter %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>Mit dem Server sprechen, wie Mail es immer tat: ohne Schutz, ohne Anmeldung (Port 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>Das Gespräch nach seinem Beginn schützen (Einlieferung, Port 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>Das Gespräch ab dem ersten Byte schützen (Port 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>Der Gruß bewegt sich in der Nachricht selbst, in jedem Mailprogramm</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>Auch den selbst abspielenden Anhang senden (manche Maildienste lehnen Programme ab)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Handbuch zu zeigen. Öffnen Sie %1 in Ihrem Browser.</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>Das Handbuch ist nicht installiert. Das Handbuch von Vimble e-mail gehört nach share/doc/vimble-email/manual neben dem Programm; wird das Programm neu installiert, liegt es wieder dort.</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>Bild-Object Eigenschaften</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>Animations-Object Eigenschaften</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>Clipart-Object Eigenschaften</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>Formen und Linien haben keinen Text.</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>ihr Name enthält Zeichen, die ein Gruß nicht speichern kann</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>ihr Name ist länger als 31 Zeichen</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Schrift „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>Der Text behält seine Schrift.</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>Der Text behält die Schrift „%1“.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>Ein Emoji in den Text setzen</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (nicht installiert)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>Die Linienbreite muss eine ganze Zahl von 0 bis 99 Pixeln sein. Sie bleibt bei %1.</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Postausgang</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>Geplante Grüße</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>Zeit, Empfänger und Betreff jedes Grußes und ob er gesendet wurde</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Jetzt senden</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>Den gewählten Gruß jetzt senden</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Nicht senden</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>Den gewählten Gruß nicht senden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Den gewählten Gruß im Editor öffnen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>Den gewählten Gruß aus dem Postausgang entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>jedes Jahr</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(kein Betreff)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>gesendet am %1, wieder in einem Jahr</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>wartet auf einen neuen Versuch</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>wartet auf das Passwort</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>vielleicht gesendet: bitte entscheiden</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>gesendet am %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>wird gerade gesendet …</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>Die letzte Antwort des Mailservers: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>Nichts geplant. Wählen Sie im Sendefenster „Senden am“.</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>Der Mailserver hat diesen Gruß vielleicht schon. Noch einmal senden?</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>Der Gruß an %1 wurde gesendet.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>Der Gruß an %1 wurde nicht noch einmal gesendet: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>Der Gruß an %1 wurde nicht gesendet: %2. Am %3 wird es noch einmal versucht.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>Der Gruß an %1 wurde nicht gesendet, und es wird aufgegeben: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>Der Gruß an %1 wartet auf das Passwort für die Anmeldung am Mailserver: Geben Sie es in den Mail-Optionen ein und wählen Sie dann noch einmal „Jetzt senden“.</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>Der Mailserver hatte den ganzen Gruß an %1, hat aber nicht gesagt, ob er ihn angenommen hat (%2). Entscheiden Sie im Postausgang, ob er noch einmal gesendet wird.</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>Der Gruß an %1 wird gerade von einem anderen Lauf gesendet.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>Der Gruß an %1 wurde nicht gesendet: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>Der Gruß kann nicht zurückgehalten werden: %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>Der Gruß kann nicht entfernt werden: %1.</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>Eine eigene Wave-Datei ...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>Das ist einer Ihrer Kontakte, kein Eintrag im Adressbuch: Er bleibt.</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: Das Adressbuch kann nicht gelesen werden; es bleibt unverändert</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: Das Adressbuch kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>Zu sprechender Text</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Sprache der Stimme</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>Stimme aufnehmen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>Vom Mikrofon aufnehmen (höchstens eine Minute)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>Die Aufnahme anhören</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Die Aufnahme behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>Schließen, ohne etwas zu behalten</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>Aufgenommene Zeit</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>Meldung der Aufnahme</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>kein Mikrofon</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>Es wurde kein Mikrofon gefunden: Schließen Sie eines an oder schalten Sie es ein und öffnen Sie die Aufnahme dann noch einmal.</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>das Mikrofon des Desktops</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>Drücken Sie „Aufnehmen“ und sprechen Sie, bis zu einer Minute.</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>Aufnahme läuft … Drücken Sie „Stopp“, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>%1 s aufgenommen. Anhören, behalten oder neu aufnehmen.</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>Das Mikrofon ist verschwunden; was bis dahin aufgenommen wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>Eine Aufnahme dauert höchstens eine Minute.</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>Die Aufnahme kann nicht abgespielt werden: %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Es gibt keine Tonausgabe zum Anhören.</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>Eine Nachricht mit Ihrer eigenen Stimme aufnehmen, die zu Beginn des Grußes erklingt</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>Den Gruß an Ihr eigenes Mailprogramm übergeben, statt ihn von hier zu senden</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Mit meinem Mailprogramm senden</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>Den Gruß in den Postausgang legen, um ihn am Tag und zur Uhrzeit unten zu senden</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>An einem Tag senden</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>Jedes Jahr am Geburtstag jedes Empfängers um 8 Uhr morgens erneut senden</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Jedes Jahr zum Geburtstag</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>Tag und Uhrzeit des Sendens</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>Größe der Nachricht</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>Es wird ermittelt, was in die Nachricht kommt …</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>Der Gruß geht als selbst abspielender Anhang mit.</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>Die Größe der Nachricht lässt sich nicht ermitteln.</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>Zu groß zum Senden: %1.</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>Ein für einen Tag geplanter Gruß wird von hier gesendet: Schalten Sie zuerst „mit meinem Mailprogramm senden“ aus.</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>Wählen Sie für den Gruß einen Tag und eine Uhrzeit in der Zukunft.</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>Der Gruß kann nicht geplant werden: %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>Der Gruß liegt im Postausgang. Er geht jedes Jahr am Geburtstag jedes Empfängers um 8 Uhr morgens hinaus, zuerst am %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>Der Gruß liegt im Postausgang. Er geht am %1 hinaus.</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>Das Passwort Ihres Mailservers liegt in keinem Schlüsselbund: Läuft Vimble e-mail an dem Tag nicht, wartet der Gruß, bis Sie es starten und das Passwort eingeben.</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>Eine aufgenommene Nachricht geht mit dem Gruß mit</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>Die Sprachnachricht kann nicht mit diesem Gruß mitgehen: %1.</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>freund@example.org, freundin@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Nachrichtentext</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>kein Schlüsselbund: für diese Sitzung eingeben</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>Geben Sie ein, an wen der Gruß geht.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>Die Adresse „%1“ kann nicht verwendet werden: Sie enthält „&lt;“, „&gt;“ oder ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>Geben Sie zuerst in den Mail-Optionen den Mailserver an.</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>Geben Sie zuerst in den Mail-Optionen Ihre E-Mail-Adresse an.</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>Ihre Adresse „%1“ kann nicht als Absender verwendet werden.</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>Es gibt keinen Gruß zum Senden.</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>Ein Gruß wird noch gesendet. Senden Sie diesen, wenn dessen Ergebnis angezeigt wurde.</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>Der Gruß wurde nicht gesendet: Die Anmeldung am Mailserver braucht ihr Passwort.</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>In %1 kann kein eigener Ordner für die Kopie des Grußes angelegt werden.</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>Die Kopie des Grußes kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>Der Gruß kann jetzt nicht gesendet werden: Der Versand ist nicht angelaufen.</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>Die Sprachnachricht kann nicht neben die Kopie des Grußes geschrieben werden.</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>Den Gruß senden</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>Schließen, ohne zu senden</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>Der Mailserver und Ihre Adresse</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>Die Klänge und Schriften des Players mit dem Gruß senden</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>Aus den Menschen wählen, denen Sie schon geschrieben haben</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Liebe</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>der Sitzungsbus unter %1 nimmt Verbindungen an, antwortet aber nicht</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst des Desktops: %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst des Desktops: keine Antwort</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>der Sitzungsbus unter %1 antwortet nicht: %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>es läuft kein Sitzungsbus (DBUS_SESSION_BUS_ADDRESS ist nicht gesetzt und $XDG_RUNTIME_DIR/bus gibt es nicht), daher kann keine Desktop-Benachrichtigung erscheinen</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>der Schlüsselbunddienst ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>es läuft kein Sitzungsbus, daher kann kein Schlüsselbund das Passwort aufbewahren</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>der Schlüsselbund hat das Passwort nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>Diese Änderung lässt sich nicht rückgängig machen: Der Verlauf konnte sie nicht aufnehmen.</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>Die Objekte bleiben: Der Verlauf konnte keine Kopie von ihnen aufnehmen.</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>Er würde gleichzeitig mit einem anderen Klang des Objekts spielen.</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>%1 wurde dem Objekt nicht gegeben: %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. Ohne: Das Objekt bewegt sich nicht</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 Quer nach links</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 Quer nach links, wachsend</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 Quer nach links, schrumpfend</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 Quer nach rechts</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 Quer nach rechts, wachsend</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 Quer nach rechts, schrumpfend</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 Senkrecht nach oben</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 Senkrecht nach oben, wachsend</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 Senkrecht nach oben, schrumpfend</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 Senkrecht nach unten</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 Senkrecht nach unten, wachsend</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 Senkrecht nach unten, schrumpfend</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 Kreis im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 Kreis im Uhrzeigersinn, wachsend</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 Kreis im Uhrzeigersinn, schrumpfend</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 Kreis gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 Kreis gegen den Uhrzeigersinn, wachsend</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 Kreis gegen den Uhrzeigersinn, schrumpfend</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 Ellipse im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 Ellipse im Uhrzeigersinn, wachsend</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 Ellipse im Uhrzeigersinn, schrumpfend</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 Ellipse gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 Ellipse gegen den Uhrzeigersinn, wachsend</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 Ellipse gegen den Uhrzeigersinn, schrumpfend</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. Zufällige Sprünge</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 Zufällige Sprünge, wachsend</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 Zufällige Sprünge, schrumpfend</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>Torten und Feste</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herzen</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>Sterne und Himmel</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>Jahreszeiten und Feiertage</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>Gesichter und Hände</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>Essen und Trinken</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>Geburtstagskuchen</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>Erdbeertörtchen</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>Konfettibombe</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>Konfettiball</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>feiernder Smiley</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>Piñata</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>Wunderkerze</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>Sektgläser</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>Flasche mit knallendem Korken</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>Biergläser</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>Musiknoten</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>Discokugel</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>tanzende Frau</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>tanzender Mann</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>Karussellpferd</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>Herz mit Schleife</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>Einkaufstüten</translation>
    </message>
    <message>
        <source>package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>Liebesbrief</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>Briefumschlag</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>Puzzleteil</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>Videospiel</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>Goldmedaille</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>Eintrittskarten</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <source>books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>Wollknäuel</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>Handtasche</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>rotes Herz</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rosa Herz</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>oranges Herz</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>gelbes Herz</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>grünes Herz</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>blaues Herz</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>hellblaues Herz</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>lila Herz</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>braunes Herz</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>schwarzes Herz</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>graues Herz</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>weißes Herz</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>zwei Herzen</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>kreisende Herzen</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>schlagendes Herz</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>wachsendes Herz</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>funkelndes Herz</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>Herz mit Pfeil</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>Herzdekoration</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>Herz als Ausrufezeichen</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>gebrochenes Herz</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>Kussabdruck</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>Paar mit Herz</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>Hände bilden ein Herz</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>Blumenstrauß</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>Kirschblüte</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>weiße Blume</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>Rosette</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>welke Blume</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>Blüte</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>Lotusblüte</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>Hyazinthe</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>Spross</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>Topfpflanze</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>Nadelbaum</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>Laubbaum</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>Kleeblatt</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>Herbstlaub</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>Blätter im Wind</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>Reisähre</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>leuchtender Stern</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>Sternschnuppe mit Schweif</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>Sternschnuppe</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>Sonne mit Gesicht</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>Vollmond mit Gesicht</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>Mondsichel mit Gesicht</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>Knall</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>Planet mit Ring</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>Globus mit Europa und Afrika</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>Milchstraße</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>Sonne hinter Wolke</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Weihnachtsbaum</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>Weihnachtsmann</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>Weihnachtsfrau</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>Schneemann ohne Schnee</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>Socken</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>Halloweenkürbis</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>Gespenst</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>Spinnennetz</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>schlüpfendes Küken</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>Nest mit Eiern</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>Kiefernzweig</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>japanische Puppen</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>Karpfenbanner</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>Windspiel</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>roter Umschlag</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>rote Papierlaterne</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>Diya-Lampe</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>Doktorhut</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>Hochzeit</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>Person mit Schleier</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>Person im Smoking</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>Babyfläschchen</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>Strand mit Sonnenschirm</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>grinsendes Gesicht</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>grinsendes Gesicht mit großen Augen</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>grinsendes Gesicht mit lachenden Augen</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>strahlendes Gesicht mit lachenden Augen</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>grinsendes Gesicht mit Schweißtropfen</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>Gesicht mit Freudentränen</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>sich vor Lachen auf dem Boden wälzen</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>lächelndes Gesicht mit lachenden Augen</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>lächelndes Gesicht mit Heiligenschein</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>leicht lächelndes Gesicht</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>zwinkerndes Gesicht</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>lächelndes Gesicht mit Herzaugen</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>lächelndes Gesicht mit Herzen</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>Kuss zuwerfendes Gesicht</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>sich die Lippen leckendes Gesicht</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>zwinkerndes Gesicht mit herausgestreckter Zunge</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>verrücktes Gesicht</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>Gesicht mit umarmenden Händen</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>Gesicht mit Sternenaugen</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>lächelndes Gesicht mit Sonnenbrille</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>Gesicht, das Tränen zurückhält</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>weinendes Gesicht</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>heulendes Gesicht</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>Gesicht mit offenem Mund</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>schlafendes Gesicht</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>nachdenkendes Gesicht</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>Gesicht mit Hand vor dem Mund</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>grinsende Katze</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>lachende Katze mit Herzaugen</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>winkende Hand</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>Daumen hoch</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>klatschende Hände</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>zwei erhobene Handflächen</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>zusammengelegte Handflächen</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>Handschlag</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>Victory-Zeichen</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>Hand mit gekreuzten Fingern</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>angespannter Bizeps</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>Hundegesicht</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>Katzengesicht</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>Hasengesicht</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>Tigergesicht</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>Kuhgesicht</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>Schweinegesicht</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>Affengesicht</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>Huhn</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>Honigbiene</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>blasender Wal</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>Tropenfisch</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>Oktopus</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>Igel</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>Pfotenabdrücke</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>roter Apfel</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>Brezel</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>Pfannkuchen</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>Softeis</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>Eiscreme</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>Keks</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>Schokoladentafel</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>Lutscher</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>Pudding</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>Honigtopf</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>Heißgetränk</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>Teetasse ohne Henkel</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>Weinglas</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>Cocktailglas</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>Cocktail mit Schirmchen</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>Becher mit Strohhalm</translation>
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
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>Grüße, die sich bewegen</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>mehr</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>Text und Farben</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>keine Füllung</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>nach seinen Bildern:</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>im Bild</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>aus dem Bild</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>Projekteigenschaften</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>MIDI-Ausgabe</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>Klang hinzufügen</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>Beginn bei Bild</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>Ende bei Bild</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>Gesprochener Text</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>m / w</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>Mail-Optionen</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>Mailserver</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>Verbindung: unverschlüsselt, STARTTLS (587) oder TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>Benutzername (leer: keine Anmeldung)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>Passwort (im Schlüsselbund gespeichert)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>den Gruß in der Nachricht zeigen</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>den selbst abspielenden Player anhängen</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>das Video mit Ton anhängen</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>die Grußdatei anhängen</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>Gruß senden</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>mit meinem Mailprogramm senden</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>senden am</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>jedes Jahr zum Geburtstag</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>search</source>
        <translation>suchen</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>Geburtstag (1990-05-17 oder --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Postausgang</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>geplante Grüße</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>Stimme aufnehmen</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>nicht mehr fragen</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>Per E-Mail senden …</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>Kontakte …</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Postausgang …</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>Player exportieren …</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Video exportieren …</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>Eigenschaften …</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliotheken</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Zeichenwerkzeuge</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>Ebenenverwaltung</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>Bild importieren …</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>MIDI importieren …</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>Hintergrundfarbe …</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>Hintergründe …</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>Musik entfernen</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>Klänge …</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>Projekteigenschaften …</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>Eine Ebene nach oben</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>Eine Ebene nach unten</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>Klang hinzufügen …</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>Sprechtext hinzufügen …</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>Klang aufnehmen …</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Knöpfe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Letztes Bild</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Player schließen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Text im Rechteck</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Text in der Ellipse</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Seite nach oben</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Seite nach unten</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Keine Füllung</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>Bleibt sichtbar</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>Verlässt den Bildschirm</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>Cliparts</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Hintergründe</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>Mit Player</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>Sprachnachricht</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Unverschlüsselt</translation>
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
        <translation>Den Gruß in der Nachricht zeigen</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>Den Player anhängen</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>Das Video anhängen</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Die Grußdatei anhängen</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Mit meinem Mailprogramm senden</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>An einem Tag senden</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Jedes Jahr zum Geburtstag</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Jetzt senden</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>Nicht senden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren …</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>Männerstimme</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>Frauenstimme</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>Einen neuen Gruß beginnen</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>Datei ▸ Neu, oder öffnen Sie einen Ihrer Grüße</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Frühere Fassungen …</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>die Datei endet %1 Bytes zu früh</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>ein Text wiederholt seine Markierung für Breitzeichen</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>ein Text gibt %1 Bytes an, übrig sind %2</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>ein Block gibt %1 Bytes an, übrig sind %2</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>eine Liste gibt %1 %2 an, übrig sind %3 Bytes</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1: Lesefehler bei Byte %2 in „%3“ (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1: Schreibfehler in „%2“ (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1: Das Bild lässt sich nicht übernehmen</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: keine Bitmap-Datei</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1: zu groß für eine Bitmap</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>eine gepackte Bitmap mit %1 Bytes hat keinen Header</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>ein Bitmap-Block mit %1 Bytes hat keinen Header</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>der Bitmap-Header ist abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>der Bitmap-Header gibt %1 Bytes an, der Block enthält %2</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>die Höhe der Bitmap liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>ein Bitmap-Header mit %1 Bytes ist von keiner bekannten Art</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>eine Bitmap mit %1 x %2 Pixeln liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>eine Bitmap mit %1 Ebenen</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>eine Bitmap mit %1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>eine Bitmap mit Kompression %1 bei %2 Bit pro Pixel</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>eine Farbtabelle mit %1 Einträgen</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>die Bitfeld-Masken sind abgeschnitten</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>die Bitfeld-Maske 0x%1 passt nicht zu den Pixeln</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>die Farbtabelle mit %1 Einträgen reicht über das Ende des Blocks hinaus</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>die Pixel brauchen %1 Bytes, übrig sind %2</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>kein Arbeitsspeicher für ein Bild von %1 x %2</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>ein lauflängenkodierter Datenstrom endet zu früh, bei Byte %1</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>ein unkodierter Abschnitt der Lauflängenkodierung reicht bei Byte %1 über die Daten hinaus</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>Bühnen</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>Clips mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>die Formart %1 liegt nicht zwischen 0 und 2</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>ein gezeichnetes Objekt ohne Form</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>die Zeichnungsart %1 liegt nicht zwischen 1 und 4</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>Objekt „%1“ hat keine Bühne und wird nicht gezeichnet</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>Objekt „%1“ hat keine Effektliste und wird nicht gezeichnet</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>ein Bühnenpuffer mit %1 x %2 Pixeln lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1: Weder daneben noch in %2 lassen sich Arbeitsdateien anlegen</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1: Die Arbeitsdateien lassen sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1: Der Arbeitsspeicher reicht nicht zum Entpacken</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1: keine Grußdatei (die Kennung am Anfang fehlt)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>die Klangdatei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>die eigene Datei des Klangs lässt sich nicht in %1 schreiben</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>nicht genug Arbeitsspeicher für den Verlauf</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>der Ordner für den Verlauf lässt sich nicht in %1 anlegen</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>in %1 lässt sich keine Datei für den Verlauf anlegen</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>Stand im Verlauf</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>nicht genug Arbeitsspeicher, um einen Stand im Verlauf zu sichern</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>nicht genug Arbeitsspeicher, um einen Stand aus dem Verlauf zu laden</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>der Stand von Objekt %1 im Verlauf fehlt (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>der Stand von Objekt %1 im Verlauf fehlt</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>der Stand %1 im Verlauf hat den Typ %2, der keine Klasse bezeichnet</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>ein Text aus 2-Byte-Zeichen enthält die Hälfte eines Zeichenpaars</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: lässt sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1: lässt sich nicht anlegen (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>ihre Beschreibung fehlt</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>ihre Beschreibung ist nicht lesbar</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>ihre Grußdatei %1 fehlt</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>ihre Datei %1 ist keine Grußdatei</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: diese Wiederherstellungskopie gibt es nicht</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>Die Wiederherstellungskopie von %1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>„%1“ ist kein Name einer Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>sie lässt sich nicht zurücklesen (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>ihr Standbild lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1: die Wiederherstellungskopie ist nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1: die frühere Fassung lässt sich nicht aufbewahren (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1: eine frühere Fassung %2 gibt es nicht</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1: die frühere Fassung %2 ist nicht lesbar (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>Ihr Gruß wird während der Arbeit nicht gesichert: %1

Sie können weiterarbeiten; speichern Sie den Gruß, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>Der wiederhergestellte Gruß „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>Von „%1“ sind noch keine früheren Fassungen aufbewahrt: Jedes Speichern darüber bewahrt die Fassung auf, die es ersetzt.</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>Die frühere Fassung kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>Ballonhimmel</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Konfetti</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>Rosa Morgen</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>Herzchenpapier</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>Schneenacht</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>Winterwald</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>Bühnenlicht</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>Wimpelkette</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>Roter Ballon</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>Türkiser Ballon</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>Gelber Ballon</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Geburtstagstorte</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Geschenkschachtel</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Partyhut</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>Rotes Herz</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>Rosa Herz</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>Herzballon</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>Liebesbrief</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Weihnachtsbaum</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>Christbaumkugel</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>Zuckerstange</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>Rotes Geschenk</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>Goldstern</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>Türkiser Stern</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Sekt</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Knallbonbon</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>Lachende Sonne</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>Aufsteigende Ballons</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>Geschenk und Stern</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>Tanzende Herzen</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>Schwebende Herzen</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>Fallender Schnee</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>Funkelnder Baum</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>Kreisende Sterne</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>Musik liegt in der Luft</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>Happy Birthday</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>Funkel, funkel, kleiner Stern</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>Liebesglöckchen</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>Jingle Bells</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>Ode an die Freude</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfare</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>Glitzern</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Plopp</translation>
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
        <translation>%1: Das Adressbuch kann nicht gelesen werden; es bleibt unverändert</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: Das Adressbuch kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64: Es werden eine Eingabe- und eine Ausgabedatei gebraucht</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Die Datei %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>Fehler %1: Das Abspielprogramm kann nicht in die Player-Datei kopiert werden</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>Fehler %1: Die Daten des Players können nicht in die Player-Datei kopiert werden</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>Fehler %1: Der Gruß kann nicht in die Player-Datei kopiert werden</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>Fehler %1: Ein Teil ist zu groß für die Player-Datei</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>Fehler %1: Die Längen der Teile können nicht in die Player-Datei geschrieben werden</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Fehler %1: Der Name des Grußes kann nicht in die Player-Datei geschrieben werden</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Fehler %1: Die Länge des Grußnamens kann nicht in die Player-Datei geschrieben werden</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>Fehler %1: Die Schlussmarke der Player-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>Fehler %1: Die Player-Datei kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>Fehler %1: Die Player-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1: Fehler! Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1: Fehler! Die Datei wird gerade von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1: zu groß für eine Player-Datei</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>Zeile %1: Die Karte endet vor END:VCARD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>Zeile %1: Die Karte hat weder einen Namen noch eine Adresse</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>Zeile %1 ist keine vCard-Eigenschaft</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>Zeile 1: Die Kopfzeile nennt weder eine Namens- noch eine E-Mail-Spalte</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>Zeile %1: %2 Felder, wo die Kopfzeile %3 hat</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>Zeile %1: 7 durch Tabulatoren getrennte Felder erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>Zeile %1: kein Name</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>Zeile %1: „%2“ ist keine Domain in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>Zeile %1: „%2“ ist kein Servername</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>Zeile %1: „%2“ ist kein Port</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>Zeile %1: „%2“ ist weder tls noch starttls</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>Zeile %1: „%2“ ist kein Schlüssel für eine Anmeldeart</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>Zeile %1: Die Hilfeseite ist keine https-Adresse</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>das Mailprogramm hat eine Datei bekommen, die es nicht gibt</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>auf diesem Desktop ist kein Mailprogramm eingerichtet (xdg-email hat keines gefunden)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>das Mailprogramm konnte den Gruß nicht übernehmen</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>xdg-email ist fehlgeschlagen (Exit-Status %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>in %1 kann kein Ordner angelegt werden</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email ist nicht installiert (es gehört zum Paket xdg-utils)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>xdg-email kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>auf xdg-email konnte nicht gewartet werden</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>%1 kann nicht für die Nachricht kopiert werden</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>der Gruß ist selbst mit dem kleinsten Bild und Video %1 groß; eine Nachricht darf höchstens %2 groß sein</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>das Video wird weggelassen: %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>Der Gruß wird gezeichnet</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>das Senden wurde abgebrochen</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>Bild und Video des Grußes können nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>Das Bild wird verkleinert</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>Das Video wird verkleinert</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>der Anhang konnte nicht erstellt werden: %1 fehlt im Datenordner %2</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>der Anhang konnte nicht erstellt werden: %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>der Anhang konnte nicht erstellt werden: Die Player-Datei für %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>der Mailserver %1 bietet eine Anmeldung nur ohne TLS an, sodass andere das Passwort mitlesen könnten</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>der Mailserver %1 bietet keine Anmeldung an, die dieses Programm nutzen kann (AUTH PLAIN oder LOGIN)</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>der Mailserver %1 bietet keine Anmeldung an, die Einstellungen verlangen aber eine</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>der Mailserver %1 kann Benutzername und Passwort gerade nicht prüfen (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>der Mailserver %1 hat den Benutzernamen oder das Passwort abgelehnt (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>der Anhang konnte nicht erstellt werden: Es ist kein Datenordner eingestellt, daher wird das Abspielprogramm nicht gefunden</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>der Anhang konnte nicht erstellt werden: %1 kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1: kann nicht für den Anhang kopiert werden</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>der Anhang konnte nicht erstellt werden: Der Anhang %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>der Mailserver %1 hat „%2“ abgelehnt: %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>der Anhang konnte nicht erstellt werden: Der Anhang %1 kann nicht codiert werden</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>für %1 am Mailserver %2 ist kein Passwort bekannt (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>für %1 am Mailserver %2 ist kein Passwort bekannt</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>der Mailserver %1 bietet kein STARTTLS an, die Einstellungen verlangen es aber</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>der Mailserver %1 hat die Verbindung abgelehnt: %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>der Mailserver %1 hat alle Empfänger abgelehnt: %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>für Bild und Video des Grußes kann kein eigener Ordner angelegt werden</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>der Anhang konnte nicht erstellt werden: Der codierte Anhang kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>der Gruß hat %1 Bytes, mehr als die %2 Bytes, die der Mailserver %3 annimmt</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>der Postausgang kann nicht festhalten, dass der Gruß gerade gesendet wird</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>der Mailserver %1 hat die Nachricht abgelehnt: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>%1 kann nicht für den Anhang mit dem Player kopiert werden</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>%1 kann nicht für %2 vorbereitet werden</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>der Gruß hat keinen Empfänger</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>niemand hat den Gruß bekommen: %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>Ihr Mailprogramm hat den Gruß, bereit zum Senden. Seine Dateien liegen in %1.</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>Ihr Gruß wurde gesendet (%H:%M:%S).</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>Gesendet an: %1.</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>Der Mailserver hat diese Empfänger abgelehnt: %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>%s konnte Ihren Gruß nicht senden.</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>Was nicht geklappt hat: %1.</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>für den Anhang kann kein eigener temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>der Eintrag ist abgeschnitten</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>das ist kein Eintrag des Postausgangs</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>der Eintrag hat eine Zeile ohne „=“</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>der Eintrag ist leer</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>der Eintrag hat keinen bekannten Zustand</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>der Eintrag hat eine Zeitangabe, die sich nicht lesen lässt</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>die Zahl der Versuche im Eintrag lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>die Sicherheitsangabe im Eintrag lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>die Größengrenze im Eintrag lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>der Eintrag hat einen Schalter, der weder 0 noch 1 ist</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>ein jährlicher Eintrag hat keinen Geburtstag</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>der Eintrag nennt keinen Empfänger</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>der Eintrag nennt keinen Mailserver</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>der Eintrag nennt keine Grußdatei</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>die Grußdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>im Postausgang %1 kann kein Ordner angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>%1 kann nicht in den Postausgang gelegt werden</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>ein geplanter Gruß braucht einen Mailserver: Stellen Sie einen in den Mail-Optionen ein</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>für %1 ist kein Geburtstag bekannt: Tragen Sie ihn in den Kontakten ein</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>darin liegt kein Eintrag</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>der Eintrag darin kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>die Grußdatei %1 darin fehlt</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>der Eintrag %1 im Postausgang kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>im Postausgang gibt es keinen Gruß %1</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>der Gruß %1 kann nicht zurückgehalten werden: %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>der Gruß %1 wird gerade gesendet</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>der Gruß %1 wurde schon gesendet</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>der Gruß %1 wartet noch auf das Senden oder wird gerade gesendet: Halten Sie ihn zuerst zurück</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>der Gruß %1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>ein anderer Lauf sendet ihn gerade</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>er ist schon gesendet</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>er ist schon zurückgehalten</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>Gruß gesendet</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>Ihr Gruß „%1“ an %2 wurde gesendet.</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>Gruß nicht gesendet</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>Ihr Gruß „%1“ an %2 konnte nicht gesendet werden: %3.</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>Gruß vielleicht nicht gesendet</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>Der Mailserver hat nicht gesagt, ob er Ihren Gruß an %1 angenommen hat. Öffnen Sie den Postausgang, um ihn noch einmal zu senden oder es dabei zu belassen.</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>Ein Geburtstag steht bevor</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>%1 hat in ein paar Tagen Geburtstag, und es ist noch kein Gruß dafür geplant.</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>der Gruß kann nicht gezeichnet werden: Das Programm hat keine Schriften</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>es ist nicht genug Arbeitsspeicher da, um den Gruß zu zeichnen</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>das Bild des Grußes kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>das Bild des Grußes ist zu groß für die Nachricht: %1 Bytes bei %2 × %3, höchstens %4 erlaubt</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>der Mailserver „%1“ hat keine gültige Portnummer</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>der Mailservername „%1“ ist kein Hostname</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>der Mailserver %1 wird nicht gefunden (ein reservierter, ungültiger Name)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>der Mailserver %1 wird nicht gefunden (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>der Mailserver %1 hat nicht rechtzeitig geantwortet (beim Verbinden)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>beim Verbinden: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>der Mailserver %1 hat nicht rechtzeitig geantwortet (beim Senden)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>beim Senden: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>der Mailserver %1 hat nicht rechtzeitig geantwortet (beim Warten auf seine Antwort)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>beim Warten auf seine Antwort: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>der Mailserver %1 hat nicht rechtzeitig geantwortet (beim TLS-Handshake)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>beim TLS-Handshake: %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>keine Verbindung zum Mailserver %1 möglich: %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>die Verbindung zum Mailserver ist geschlossen</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>das Senden an den Mailserver %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>der Mailserver %1 hat etwas geschickt, das keine Antwort ist: %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>der Mailserver %1 hat in einer Antwort verschiedene Antwortcodes gemischt</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>der Mailserver %1 hat eine Antwort geschickt, die zu lang für eine Antwort ist</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>der Mailserver %1 hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>das Empfangen vom Mailserver %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>die Verbindung wurde beendet</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>TLS kann für den Mailserver %1 nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>dem Zertifikat des Mailservers %1 kann nicht vertraut werden: %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>der Mailserver %1 hat die Verbindung während des TLS-Handshakes geschlossen</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>der TLS-Handshake mit dem Mailserver %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung bei der Verbindung</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Keine Route zum Zielrechner</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Die Verbindung wurde vom Kommunikationspartner zurückgesetzt</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Die Verbindung wurde abgebrochen</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Die Verbindung wurde vom Server geschlossen</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Name oder Dienst nicht bekannt</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Vorübergehender Fehler bei der Namensauflösung</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Dauerhafter Fehler bei der Namensauflösung</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>Video mit Ton %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>Grußdatei %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
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
        <translation>Keine gültige Datei!</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>Fehler 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>Ein anderer Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>Nicht genug Arbeitsspeicher! Schließen Sie das Programm und beheben Sie das Problem!</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>Arbeitsspeicher reicht nicht aus (3)!</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>Das Adressbuch kann nicht geändert werden: Es ist kein Datenordner eingestellt</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>Das Adressbuch wurde nicht aktualisiert: Es ist kein Datenordner eingestellt</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>Das Abspielprogramm wird nicht gefunden: Es ist kein Datenordner eingestellt</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Text im Rechteck</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Text in der Ellipse</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1: Das Bild ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1: Das Bild ist beschädigt oder unvollständig (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1: Das Bild ist zu groß (%2 x %3 Pixel; gelesen werden höchstens %4 Megapixel)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1: WebP-Bilder können hier nicht gelesen werden: Die Bildformat-Plug-ins von Qt fehlen</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1: kein lesbares Bild (PNG, JPEG, GIF, WebP, BMP, HEIC oder AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1: Der Speicher reicht für das Bild nicht aus</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: Die Datei ist leer</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1: Die Datei ist für ein Bild zu groß</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1: Diese Ausgabe des Programms kann keine HEIC- und AVIF-Bilder lesen</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>spielt den Gruß ab, den FILE enthält (eine Player-Datei oder ein .kel-Projekt), oder den an dieses Programm angehängten</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play: die Signalbehandlung lässt sich nicht einrichten</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play: im temporären Ordner lässt sich kein eigener Ordner anlegen</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1: dieses Programm enthält keinen Gruß; geben Sie einen Gruß zum Abspielen an</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play: es gibt keinen Bildschirm, auf dem der Gruß erscheinen kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>der Gruß lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1: die Daten des Players in diesem Gruß sind beschädigt: %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1: die Daten des Players nennen ihren SoundFont „%2“</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1: die Daten des Players können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1: der Gruß in dieser Datei ist leer</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1: der Gruß lässt sich nicht nach %2 kopieren</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1: der Gruß in dieser Datei ist beschädigt (seine Teile ergeben zusammen nicht die Länge der Datei)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1: kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1: in dieser Datei ist kein Gruß</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>die Kennung ist nicht %1</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>der Kopf endet nach %1 Bytes</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>Version %1 ist nicht %2</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>der Kopf nennt %1 Einträge, es bleiben %2 Bytes</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>Eintrag %1: die Länge seines Namens bricht bei Byte %2 ab</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>Eintrag %1: ein Name von %2 Bytes</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>Eintrag %1: sein Name nennt %2 Bytes, es bleiben %3</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>Eintrag %1 (%2): die Länge seiner Daten bricht bei Byte %3 ab</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>Eintrag %1 (%2) nennt %3 Bytes, es bleiben %4</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>Eintrag %1: der Name „%2“ ist nicht erlaubt oder kommt doppelt vor</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>nach dem letzten Eintrag folgen noch %1 Bytes</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>ein geplanter Gruß wartet auf dieses Passwort</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>Bühne</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1, %2, bei %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>Clipart</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>ohne Namen</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>Der Gruß kann nicht exportiert werden: Der Player „%1“ fehlt.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>abgespielt</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>der Player kann das gerade nicht</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>die MIDI-Ausgabe ist nicht bereit</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>die Datei ist keine MIDI-Datei, die sich abspielen lässt</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>die MIDI-Ausgabe hat abgelehnt</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>es ist kein SoundFont installiert</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>kein SoundFont</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>keine Tonausgabe</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>Synthesizer (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>es wurde nichts aufgenommen</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>die Aufnahme ist stumm: Ist das Mikrofon stummgeschaltet oder zu leise eingestellt?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>Bild %1 liegt hinter dem Ende der Animation (%2 Bilder)</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1: In %2 lässt sich keine eigene Kopie anlegen</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>der Klang würde gleichzeitig mit einem anderen Klang von Objekt %1 spielen</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>es ließ sich kein Audiogerät öffnen</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>das Audiosystem ist nicht gestartet: %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>es wurde kein Mikrofon gefunden</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>das Mikrofon ließ sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>die Sprachausgabe lässt sich nicht starten: espeak-ng ist nicht gestartet</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>die Sprachausgabe lässt sich nicht starten: espeak-ng hat keine englische Stimme (ist espeak-ng-data installiert?)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>die Sprachausgabe hat keine englische Frauenstimme</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>die Sprachausgabe hat keine englische Männerstimme</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>der Text ist zu lang zum Sprechen (über %1 Minuten)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>die Sprachausgabe konnte den Text nicht sprechen</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>den SoundFont „%1“ gibt es nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>„%1“ ist kein SoundFont</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>der Synthesizer lässt sich nicht starten</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>der SoundFont „%1“ lässt sich nicht laden</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>der SoundFont „%1“ lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>der Formatblock der Wave-Datei ist zu kurz</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>der erweiterte Formatblock der Wave-Datei ist zu kurz</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>komprimierte Wave-Dateien (Format %1) werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>die Wave-Datei hat %1 Kanäle; abspielen lassen sich 1 bis %2</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>die Abtastrate der Wave-Datei von %1 Hz liegt außerhalb von %2 bis %3 Hz</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>Gleitkomma-Wave-Dateien mit %1 Bit pro Sample werden nicht unterstützt</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>PCM-Wave-Dateien mit %1 Bit pro Sample werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>die Blockgröße der Wave-Datei (%1 Bytes) passt nicht zu ihren %2 Kanälen mit je %3 Bytes</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>keine RIFF/WAVE-Datei</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>die Wave-Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>der Formatblock der Wave-Datei fehlt</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>die Tondaten der Wave-Datei fehlen</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>die Wave-Datei ist zu lang zum Abspielen (über %1 Minuten)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>die Wave-Datei wird nicht gefunden</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>die Wave-Datei ist zu groß (über 2 GB)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>die Wave-Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>der Gruß hat kein Objekt, dem ein Klang gegeben werden kann</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>es gibt kein Objekt %1 (der Gruß hat %2, ab 0 gezählt)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>jedes Objekt des Grußes spielt zu dieser Zeit schon einen Klang</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>die Daten der IMA-ADPCM-Wave-Datei sind beschädigt (ein Schrittindex von %1)</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>IMA-ADPCM-Wave-Dateien mit %1 Bit pro Abtastwert werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>die Blockgröße der IMA-ADPCM-Wave-Datei (%1 Byte) passt nicht zu ihren %2 Kanälen</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 ist beschädigt: ihr Klang lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 ist keine Audiodatei einer lesbaren Art (WAV, MP3, M4A, Ogg Vorbis, Opus oder FLAC)</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 enthält keinen Klang</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 enthält Klang einer Art, die sich nicht dekodieren lässt (%2)</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1: der Teil ab %2 s beginnt nach dem Ende des Lieds (%3 s)</translation>
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
        <translation>%1: fehlgeschlagen</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>Aufruf: vimble-tool VERB ARGUMENTE</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1: weder Animation noch Clipart, Hintergrund oder Klang</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>eine Datei mit dem Codec der Projekte kodieren oder dekodieren</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>ein neues, leeres Projekt schreiben</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>eine .kel-, .hdr- oder .zty-Datei als JSON</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>ein Projekt öffnen und wieder speichern</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>Bilder des fortlaufenden Abspielens vom Anfang an, als bewegtes Bild oder als Video mit Ton</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>kein Datenordner: DataFiles1 einstellen oder --data DIR angeben</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>es lässt sich kein temporärer Ordner anlegen</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>kann nicht nach %1 kopiert werden</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>das Senden im Hintergrund lässt sich nicht starten</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>keine Player-Datei</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1: beschädigt oder unlesbar; die Einträge vor der beschädigten Stelle sind aufgelistet</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1: beschädigt oder unlesbar; bleibt unverändert</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1: hat keinen Eintrag %2 (es gibt %3)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>ein Projekt als Gruß mit Bild, Video und Datei per Mail senden oder dem Mailprogramm übergeben</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>den selbst abspielenden Anhang eines Projekts schreiben</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>die Teile einer Player-Datei nach DIR schreiben und ihren Schlussblock als JSON ausgeben</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>eine Datei als Base64-MIME-Teil kodieren oder einen solchen Teil dekodieren</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>das Adressbuch auflisten oder ändern</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1: beschädigt; bleibt unverändert</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>kein Geburtstag: %1 (1990-05-17 oder --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>kein Kontakt %1</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>die Kontakte als JSON auflisten, vCard- oder CSV-Dateien importieren, als vCard 4.0 exportieren, einen Kontakt hinzufügen oder entfernen</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>Grüße für einen Tag oder jeden Geburtstag planen, als JSON auflisten, zurückhalten und senden, was fällig ist</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>keine E-Mail-Adresse (NAME@DOMAIN)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>als JSON ausgeben, über welchen Mailserver eine Adresse sendet und wo er gefunden wurde</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: keine Bitmap-Datei</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>was der Kopf einer Bitmap-Datei angibt und ob sie sich dekodieren lässt</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>das Standbild oder Bilder des fortlaufenden Abspielens vom Anfang an</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>Zeicheneffekt, Position und Größe jedes Objekts als CSV, Bild für Bild</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1: das Mikrofon liefert keinen Ton</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1: das Mikrofon ist nach %2 s verschwunden; was bis dahin aufgenommen wurde, bleibt erhalten</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>S Sekunden (1 bis 60, sonst 10) vom Mikrofon, bereinigt, als Mono-WAV</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>es ist kein SoundFont installiert</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1: die Musik bleibt stumm: %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1: der Speicher reicht für den Ton nicht aus</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1: Ergebnis %2: %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>wie das fortlaufende Abspielen vom Anfang an klingt, als Stereo-WAV mit 44,1 kHz</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>was das Lesen einer MIDI-Datei findet, oder das Ergebnis des MIDI-Players und warum</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1: lässt sich nicht als Ressourcenbibliothek öffnen</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale nimmt einen Faktor von 1 bis 4</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1: dort lassen sich keine Kopfdateien der Bibliothek (*.hdr) auflisten</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(leerer Datenordner: /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>die Ressourcenbibliothek prüfen (jedes Bild der Oberfläche in 1x, 1,5x und 2x, die beschrifteten auch in jeder Sprache) oder alle auf ein Blatt zeichnen (in einem Bildschirmmaßstab)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>die Kataloge und Kategorien, die die Suche beim Start anlegt (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>es gibt kein Objekt %1 (der Gruß hat %2, ab 0 gezählt)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>Objekt %1 ist kein Text</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>das Projekt mit dem Text seines Objekts I (ein Text, ab 0) ersetzt</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: diese Wiederherstellungskopie gibt es nicht</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1: die Wiederherstellungskopie lässt sich nicht entfernen</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>die Wiederherstellungskopien gerade bearbeiteter Grüße als JSON auflisten, eine davon ausschreiben oder entfernen</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>die früheren Fassungen, die das Speichern eines Grußes ersetzt hat, als JSON auflisten (1 ist die neueste) oder eine davon ausschreiben</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1: Das Projekt hat keine Bühne</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>das Projekt mit einem Bild (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) als Hintergrund oder als neuem Objekt, mittig, wenn nicht anders platziert, auf Wunsch in einem Rahmen</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>das Projekt mit dem Klang an einem Objekt (ab 0 gezählt) bei Bild N; eine aufgenommene Stimme erklingt einmal; ein Lied (MP3, M4A, Ogg, Opus, FLAC oder eine Wave-Datei mit den Optionen) gibt seinen Teil ab S Sekunden, N lang (bis zum Ende, höchstens 60), über F ein- und ausgeblendet, komprimiert</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>es gibt keinen Gruß zum Exportieren</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>die Größe muss zwischen 2 x 2 und 4096 x 4096 liegen</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>das erste Bild muss vor dem letzten liegen</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>ein Export umfasst höchstens 30000 Bilder (eine Stunde)</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>die Zahl der Durchläufe muss zwischen 0 (endlos) und 1000 liegen</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>die Musik bleibt stumm: %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>für den Ton reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>es gibt keinen Gruß zum Zeichnen</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>ein Bild oder Video in dieser Größe lässt sich nicht erzeugen</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>die Kopie des Grußes kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>es gibt nicht genug Speicher, um die Bilder zusammenzusetzen</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>die Bilder des Videos geben eine Größe von %1 x %2 an (höchstens %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>Bild %1 hat eine Größe von %2 x %3</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>die Bilder des Videos lassen sich nicht in RGB umwandeln</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>Bild %1 lässt sich nicht in RGB umwandeln: %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>Bild %1 lässt sich nicht in RGB umwandeln</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>für ein Bild des Videos reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>das Video lässt sich nicht an seinen Anfang zurücksetzen: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>es ist keine Datei (sondern ein Ordner oder ein Gerät)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>die Datei lässt sich nicht als Video lesen: %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>die Datei enthält kein Video (ihr erster Datenstrom ist kein Videostrom)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>Zähler oder Nenner der Bildrate des Videos ist 0</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>die Datenströme der Datei lassen sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>das Video gibt die Größe seiner Bilder nicht an</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>Zähler (%1) oder Nenner (%2) der Bildrate des Videos ist 0 oder kleiner</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>das Video gibt %1 Bilder pro Sekunde an (abspielen lassen sich 0,1 bis 1000)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>das Video gibt eine Länge von %1 Bildern an (abspielen lassen sich 1 bis 10000000)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>den Videobibliotheken fehlt ein Decoder für Videos im Format %1</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>für den Video-Decoder reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>der Decoder für %1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>für die Bilder des Videos reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>für die Bilder des Videos reicht der Arbeitsspeicher nicht: %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>es ist kein Video geöffnet</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>Bild %1 gehört nicht zum Video (0 bis %2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>die Datei endet vor Bild %1 (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>die Datei endet vor Bild %1</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>Bild %1 lässt sich nicht dekodieren: %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>den installierten Videobibliotheken fehlt ein MPEG-4-Encoder</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>den installierten Videobibliotheken fehlt ein Encoder für VP9 oder VP8 (libvpx)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>den installierten Videobibliotheken fehlt ein Encoder für Opus oder Vorbis (libopus, libvorbis)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>den installierten Videobibliotheken fehlt ein H.264-Encoder (libx264)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>den installierten Videobibliotheken fehlt ein AAC-Encoder</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>animiertes PNG</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>den installierten Videobibliotheken fehlt ein Encoder für animiertes PNG</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>die installierten Videobibliotheken können keine Dateien im Format %1 schreiben</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>die installierten Videobibliotheken können keine Dateien im Format %1 schreiben: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>der Encoder für %1 hat einen Datenblock abgelehnt: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>der Encoder für %1 ließ sich nicht abschließen: %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>der Encoder für %1 ist gescheitert: %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>die Videodatei ließ sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>der Arbeitsspeicher reicht nicht für den Encoder für %1</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>der Encoder für %1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>der Datenstrom für %1 ließ sich nicht einrichten: %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>der Ton lässt sich nicht für den Encoder für %1 umwandeln: %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>für den Ton reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>für den Ton reicht der Arbeitsspeicher nicht: %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>in der Warteschlange für den Ton sind Samples verloren gegangen</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>der Ton ließ sich nicht umwandeln: %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>die Größe eines Videos muss zwischen 2 x 2 und %1 x %2 liegen</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>ein Videobild muss zwischen 1 und 10000 ms dauern</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>die Zahl der Durchläufe darf nicht negativ sein</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>die Haltedauer der Bilder oder die Bitraten des Videos liegen außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>die Datei lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>der Dateikopf (%1) ließ sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>es ist kein Video zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>für das Bild reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>für das Bild reicht der Arbeitsspeicher nicht: %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>das Bild lässt sich nicht für den Encoder für %1 umwandeln</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>das Bild lässt sich nicht für den Encoder für %1 umwandeln: %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>dieses Video hat keine Tonspur</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>Stereoton braucht eine gerade Zahl von Samples</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>das Ende der Videodatei ließ sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>die Videodatei ließ sich nicht schließen: %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
</context>
</TS>

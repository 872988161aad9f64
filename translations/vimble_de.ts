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
</TS>

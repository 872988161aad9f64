<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>z 1 klatki</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>z %1 klatek</translation>
    </message>
    <message>
        <source>end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>Początek musi być liczbą całkowitą nie mniejszą niż 0.</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>Koniec musi być pusty albo być liczbą całkowitą nie mniejszą niż %1.</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>Pozostaw koniec pusty, aby dźwięk grał do pauzy albo do końca kartki.</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Urodziny</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>Dodaj kontakt z danymi z pól</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>Zastąp dane wybranego kontaktu danymi z pól</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>Usuń wybrany kontakt</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>Importuj kontakty z pliku vCard lub CSV</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>Eksportuj kontakty do pliku vCard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>W pliku %1 są wizytówki, których nie można odczytać (%2); plik jest wyświetlany, ale nie zostanie zmieniony.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>„%1” nie jest adresem e-mail.</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>Najpierw wpisz imię i nazwisko lub adres e-mail.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>„%1” nie jest datą urodzin: wpisz 1990-05-17 albo --05-17 bez roku.</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>W pliku %1 są wizytówki, których nie można odczytać, więc plik nie zostanie zmieniony; najpierw go napraw albo przenieś w inne miejsce.</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>Najpierw wybierz kontakt z listy.</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>Dodano: %1, scalono: %2.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Pominięto: %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> i jeszcze %1.</translation>
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
        <translation>Wysyłanie kartki</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>Wysyłanie kartki: %1, %2%</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>Efekt nie został dodany: w miejscu upuszczenia nie ma obiektu i żaden obiekt nie jest zaznaczony. Upuść efekt na obiekt albo najpierw zaznacz obiekty.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>Nie można wyeksportować kartki do %1: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>Nie można wyeksportować kartki: nie można zapisać jej prywatnej kopii w %1.</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>Kartka została wyeksportowana do %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>Nie można wyeksportować kartki do %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>Nie można zapisać kartki w %1.</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>Nie można zapisać nagrania w %1.</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>Wysyłanie zakończone</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>Menu tła</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>Menu obiektu</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>Animowany obraz GIF</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>Animowany obraz PNG</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Wideo WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Wideo MP4</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Wklejony obraz</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>Nie umieszczono %1: najpierw otwórz lub zacznij kartkę, a potem upuść obraz na jej scenie.</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>Nie dodano %1: upuść piosenkę na obiekt, który ma ją odtwarzać.</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 nie może być tu użyty: na scenę można upuszczać tylko obrazy (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), piosenki (na obiekt) i kartki (.kel).</translation>
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
        <translation>Szukaj według nazwy</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>Szukaj emoji według nazwy</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>Żadne emoji nie ma takiej nazwy.</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Anulowanie…</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>Dobieranie kolorów: klatka %1 z %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Klatka %1 z %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>Otwieranie %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Zapisywanie %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>Odczytywanie pliku…</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>Rozpakowywanie…</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>Budowanie kartki…</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>Kompletowanie kartki…</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>Kompresowanie…</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>Zapisywanie pliku…</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>Kartki do odzyskania</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>Edytor zakończył pracę, zanim te kartki zostały zapisane.</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Wcześniejsze wersje</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>Wcześniejsze wersje „%1”</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>Każda to kartka taka, jaka była, zanim zapis ją zastąpił.</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>Nazwa każdej kartki, skąd pochodzi i kiedy zachowano kopię</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>Kiedy każda wersja została zastąpiona i jej rozmiar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Otwórz wybraną kartkę w edytorze</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>Zapisz wybraną kartkę w wybranym przez siebie pliku</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>Wyrzuć wybraną kartkę, po pytaniu</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>Zamknij to okno i zachowaj każdą kartkę do następnego uruchomienia</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>Otwórz wybraną wersję w edytorze jako osobną kartkę</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Zamknij to okno</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Nigdy nie zapisana</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>Zachowana %1 o %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>Taka, jaka była do %1 o %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>Tej kopii nie można odczytać.</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>Nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>Odrzucić odzyskaną kartkę „%1”? Nie da się jej przywrócić.</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;błąd&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: klatki od %2 do %3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1: od klatki %2</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strona w górę</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strona w dół</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>Elementy biblioteki</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>Przeglądarka biblioteki</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>Zaloguj się hasłem aplikacji utworzonym w ustawieniach zabezpieczeń konta.</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>Jeśli włączona jest weryfikacja dwuetapowa, zaloguj się hasłem aplikacji.</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>Najpierw włącz dostęp POP3/IMAP w ustawieniach poczty w przeglądarce.</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>Zaloguj się osobnym hasłem do poczty, ustawionym w panelu klienta.</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>Dostawca wymaga własnego sposobu logowania; hasło może zostać odrzucone.</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>Tylko przez program pośredniczący dostawcy działający na tym komputerze; ten komputer musi ufać jego certyfikatowi.</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>Gdzie znaleziono serwer pocztowy</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>Dołącz wideo z dźwiękiem</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>Kartka jako wideo z dźwiękiem, które odtworzy każdy komputer</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Dołącz plik kartki</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>Sam plik kartki, do otwierania i zmieniania w tym programie</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>Szukanie serwera pocztowego dla %1…</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>Znaleziono na liście dostawców: %1.</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>Znaleziono w rekordach DNS domeny.</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>To tylko przypuszczenie: sprawdź je u swojego dostawcy.</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>Opublikowano pod adresem %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>Łącz się z serwerem tak jak dawniej: bez ochrony i bez logowania (port 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>Chroń połączenie po jego rozpoczęciu (wysyłanie poczty, port 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>Chroń połączenie od pierwszego bajtu (port 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>Kartka porusza się w samej wiadomości, w każdym programie pocztowym</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>Wyślij też samoodtwarzający się załącznik (niektóre serwisy pocztowe odrzucają programy)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>Nie udało się uruchomić przeglądarki internetowej, aby wyświetlić podręcznik. Otwórz %1 w przeglądarce.</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>Podręcznik nie jest zainstalowany. Podręcznik programu Vimble e-mail powinien się znajdować w katalogu share/doc/vimble-email/manual obok programu; ponowna instalacja programu umieści go tam.</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>Właściwości obrazu</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>Właściwości animacji</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>Właściwości clipartu</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>Kształty i linie nie mają tekstu.</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>jej nazwa zawiera znaki, których kartka nie może zapisać</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>jej nazwa ma więcej niż 31 znaków</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>Nie można użyć czcionki „%1”: %2.</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>Tekst zachowuje swoją czcionkę.</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>Tekst zachowuje czcionkę „%1”.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Grubość linii</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Rodzina czcionek</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>Wstaw emoji do tekstu</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (nie zainstalowano)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>Grubość linii musi być liczbą całkowitą od 0 do 99 pikseli. Pozostaje wartość %1.</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Skrzynka nadawcza</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>Zaplanowane kartki</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>Czas, odbiorca i temat każdej kartki oraz informacja, czy została wysłana</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Wyślij teraz</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>Wyślij teraz wybraną kartkę</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Nie wysyłaj</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>Wstrzymaj wysłanie wybranej kartki</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Otwórz wybraną kartkę w edytorze</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>Usuń wybraną kartkę ze skrzynki nadawczej</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>co roku</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(bez tematu)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>wysłana %1, następna za rok</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>czeka na ponowną próbę</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>czeka</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>czeka na hasło</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>może wysłana: zdecyduj</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>wysłana %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>niewysłana</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>trwa wysyłanie…</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>Ostatnia odpowiedź serwera pocztowego: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>uszkodzona: %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>Nic nie zaplanowano. W oknie wysyłania wybierz „wyślij dnia”.</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>Serwer pocztowy mógł już otrzymać tę kartkę. Wysłać ją ponownie?</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>Kartka do %1 została wysłana.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>Kartka do %1 nie została wysłana ponownie: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>Kartka do %1 nie została wysłana: %2. Kolejna próba nastąpi %3.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>Kartka do %1 nie została wysłana i nie będzie już kolejnych prób: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>Kartka do %1 czeka na hasło do logowania na serwerze pocztowym: wpisz je w opcjach poczty, a potem ponownie wybierz „Wyślij teraz”.</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>Serwer pocztowy otrzymał całą kartkę do %1, ale nie potwierdził, czy ją przyjął (%2). Zdecyduj w skrzynce nadawczej, czy wysłać ją ponownie.</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>Kartkę do %1 wysyła właśnie inne uruchomienie programu.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>Kartka do %1 nie została wysłana: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>Nie można wstrzymać kartki: %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>Nie można usunąć kartki: %1.</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>Własny plik WAV...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>To jeden z Twoich kontaktów, a nie wpis książki adresowej, więc zostaje.</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: nie można odczytać książki adresowej; pozostawiono ją bez zmian</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: nie można zapisać książki adresowej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>Tekst do wypowiedzenia</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Klatka</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Język głosu</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>Nagraj swój głos</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>Nagrywaj z mikrofonu (najwyżej minutę)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>Odsłuchaj nagranie</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Zachowaj nagranie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>Zamknij bez zachowywania nagrania</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>Czas nagrania</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>Komunikaty nagrywania</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>brak mikrofonu</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>Nie znaleziono mikrofonu: podłącz go lub włącz, a potem ponownie otwórz okno nagrywania.</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>domyślny mikrofon pulpitu</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>Naciśnij „Nagraj” i mów – najwyżej minutę.</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>Nagrywanie… Gdy skończysz, naciśnij „Zatrzymaj”.</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>Nagrano %1 s. Odsłuchaj nagranie, zachowaj je albo nagraj ponownie.</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>Mikrofon został odłączony; to, co nagrano wcześniej, zostało zachowane.</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>Nagranie może trwać najwyżej minutę.</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>Nie można odtworzyć nagrania: nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Brak wyjścia dźwięku, przez które można by odsłuchać nagranie.</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>Nagraj własnym głosem wiadomość, która zabrzmi na początku kartki</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>Przekaż kartkę do własnego programu pocztowego zamiast wysyłać ją stąd</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Wyślij przez mój program pocztowy</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>Umieść kartkę w skrzynce nadawczej, aby wysłać ją w dniu i o godzinie podanych poniżej</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Wyślij w wybranym dniu</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>Wysyłaj ją ponownie co roku w dniu urodzin każdego odbiorcy, o 8 rano</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Co roku w dniu urodzin</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>Dzień i godzina wysłania</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>Rozmiar wiadomości</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>Ustalanie zawartości wiadomości…</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>Kartka zostanie wysłana jako samoodtwarzający się załącznik.</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>Nie można ustalić rozmiaru wiadomości.</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>Za duża do wysłania: %1.</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>Kartka zaplanowana na wybrany dzień jest wysyłana stąd: najpierw wyłącz „wyślij przez mój program pocztowy”.</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>Wybierz dla kartki dzień i godzinę, które jeszcze nie minęły.</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>Nie można zaplanować kartki: %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>Kartka jest w skrzynce nadawczej. Będzie wysyłana co roku w dniu urodzin każdego odbiorcy, o 8 rano, po raz pierwszy %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>Kartka jest w skrzynce nadawczej. Zostanie wysłana %1.</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>Hasło do serwera pocztowego nie jest przechowywane w bazie kluczy: jeśli w tym dniu program Vimble e-mail nie będzie uruchomiony, kartka poczeka, aż go uruchomisz i podasz hasło.</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>Do kartki zostanie dołączona nagrana wiadomość</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>Nie można dołączyć wiadomości głosowej do tej kartki: %1.</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>jan@example.org, anna@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Odbiorcy</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Treść wiadomości</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>brak bazy kluczy: wpisz hasło na czas tej sesji</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>Wpisz, do kogo ma trafić kartka.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>Nie można użyć adresu „%1”: zawiera „&lt;”, „&gt;” lub znak sterujący.</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>Najpierw podaj serwer pocztowy w opcjach poczty.</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>Najpierw podaj swój adres e-mail w opcjach poczty.</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>Adresu „%1” nie można użyć jako adresu nadawcy.</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>Nie ma kartki do wysłania.</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>Inna kartka jest jeszcze wysyłana. Wyślij tę, gdy pojawi się wynik tamtej.</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>Kartka nie została wysłana: logowanie na serwerze pocztowym wymaga hasła.</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>Nie można utworzyć w %1 prywatnego folderu na kopię kartki.</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>Nie można zapisać kopii kartki w %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>Nie można teraz wysłać kartki: proces wysyłania poczty nie wystartował.</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>Nie można zapisać wiadomości głosowej obok kopii kartki.</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>Wyślij kartkę</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>Zamknij bez wysyłania</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>Serwer pocztowy i Twój adres</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>Wyślij z kartką dźwięki i czcionki odtwarzacza</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>Wybierz spośród wcześniejszych odbiorców</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Urodziny</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Miłość</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Impreza</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>magistrala sesji pod adresem %1 przyjmuje połączenia, ale nie odpowiada</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>żadna usługa powiadomień pulpitu nie odpowiada na magistrali sesji: %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>żadna usługa powiadomień pulpitu nie odpowiada na magistrali sesji: brak odpowiedzi</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>magistrala sesji pod adresem %1 nie odpowiada: %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>nie działa żadna magistrala sesji (zmienna DBUS_SESSION_BUS_ADDRESS nie jest ustawiona i nie istnieje $XDG_RUNTIME_DIR/bus), więc nie można wyświetlić powiadomienia pulpitu</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>wystąpił błąd usługi przechowywania haseł</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>nie działa żadna magistrala sesji, więc żadna usługa przechowywania haseł nie może zachować hasła</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>usługa przechowywania haseł nie zachowała hasła</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>Tej zmiany nie można cofnąć: historia cofania nie mogła jej zapamiętać.</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>Obiekty pozostały bez zmian: historia cofania nie mogła zapamiętać ich kopii.</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>Byłby odtwarzany jednocześnie z innym dźwiękiem obiektu.</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>Nie przypisano %1 do obiektu: %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. Brak: obiekt się nie porusza</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 Poziomo w lewo</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 Poziomo w lewo, z powiększaniem</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 Poziomo w lewo, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 Poziomo w prawo</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 Poziomo w prawo, z powiększaniem</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 Poziomo w prawo, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 Pionowo w górę</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 Pionowo w górę, z powiększaniem</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 Pionowo w górę, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 Pionowo w dół</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 Pionowo w dół, z powiększaniem</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 Pionowo w dół, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 Okrąg zgodnie z zegarem</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 Okrąg zgodnie z zegarem, z powiększaniem</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 Okrąg zgodnie z zegarem, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 Okrąg przeciwnie do zegara</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 Okrąg przeciwnie do zegara, z powiększaniem</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 Okrąg przeciwnie do zegara, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 Elipsa zgodnie z zegarem</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 Elipsa zgodnie z zegarem, z powiększaniem</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 Elipsa zgodnie z zegarem, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 Elipsa przeciwnie do zegara</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 Elipsa przeciwnie do zegara, z powiększaniem</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 Elipsa przeciwnie do zegara, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. Losowe skoki</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 Losowe skoki, z powiększaniem</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 Losowe skoki, ze zmniejszaniem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>Torty i przyjęcia</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Prezenty</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Serca</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Kwiaty</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>Gwiazdy i niebo</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>Pory roku i święta</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>Twarze i dłonie</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Zwierzęta</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>Jedzenie i napoje</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>tort urodzinowy</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>ciastko z truskawką</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>babeczka</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>tuba z konfetti</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>kula z konfetti</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>imprezowa buźka</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>balon</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>piniata</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>fajerwerki</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>zimne ognie</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>stukające się kieliszki</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>butelka z wystrzeliwującym korkiem</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>stukające się kufle piwa</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>świeca</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>nuta</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>nuty</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>kula dyskotekowa</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>mikrofon</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>tańcząca kobieta</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>tańczący mężczyzna</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>maski teatralne</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>konik z karuzeli</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>trąbka</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>bęben</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>zapakowany prezent</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>kokarda</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>serce z kokardą</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>torby na zakupy</translation>
    </message>
    <message>
        <source>package</source>
        <translation>paczka</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>list miłosny</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>koperta</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>miś</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>latawiec</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>element układanki</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>gra wideo</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>pierścionek</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>kamień szlachetny</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>korona</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>puchar</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>złoty medal</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>bilety wstępu</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>magiczna różdżka</translation>
    </message>
    <message>
        <source>books</source>
        <translation>książki</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>paleta malarska</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>gitara</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>włóczka</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>torebka</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>czerwone serce</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>różowe serce</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>pomarańczowe serce</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>żółte serce</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>zielone serce</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>niebieskie serce</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>jasnoniebieskie serce</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>fioletowe serce</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>brązowe serce</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>czarne serce</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>szare serce</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>białe serce</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>dwa serca</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>wirujące serca</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>bijące serce</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>rosnące serce</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>błyszczące serce</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>serce przeszyte strzałą</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>ozdobne serce</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>serce jako wykrzyknik</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>złamane serce</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>ślad pocałunku</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>para z sercem</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>dłonie tworzące serce</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>bukiet</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>kwiat wiśni</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>biały kwiat</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>rozeta</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>róża</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>zwiędły kwiat</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>hibiskus</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>słonecznik</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>kwiatek</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipan</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>lotos</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>hiacynt</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>kiełek</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>roślina doniczkowa</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>drzewo iglaste</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>drzewo liściaste</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>palma</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>kaktus</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>czterolistna koniczyna</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>koniczyna</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>liść klonu</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>opadły liść</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>liście na wietrze</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>snop ryżu</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>grzyb</translation>
    </message>
    <message>
        <source>star</source>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>świecąca gwiazda</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>iskierki</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>wirująca gwiazdka</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>spadająca gwiazda</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>słońce</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>słońce z twarzą</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>księżyc w pełni z twarzą</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>sierp księżyca</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>księżyc w pierwszej kwadrze z twarzą</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pełnia księżyca</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>tęcza</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>błyskawica</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>ogień</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>wybuch</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>kometa</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>planeta z pierścieniem</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>glob z Europą i Afryką</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>Droga Mleczna</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>wschód słońca</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>słońce za chmurą</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>chmura</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Choinka</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>Święty Mikołaj</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>pani Mikołajowa</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>bałwan bez śniegu</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>bałwan</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>płatek śniegu</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>dzwonek</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>skarpetki</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>dynia na Halloween</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>duch</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>pajęczyna</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>wykluwające się pisklę</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>jajko</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>gniazdo z jajkami</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>królik</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>sosnowa dekoracja</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>japońskie lalki</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>proporce w kształcie karpi</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>dzwonek wietrzny</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>czerwona koperta</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>czerwony papierowy lampion</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>lampka diya</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>menora</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>biret absolwenta</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>ślub</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>osoba z welonem</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>osoba w smokingu</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>niemowlę</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>butelka dla niemowląt</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>plaża z parasolem</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>szeroko uśmiechnięta buźka</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>szeroko uśmiechnięta buźka z dużymi oczami</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>szeroko uśmiechnięta buźka z roześmianymi oczami</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>promieniejąca buźka z roześmianymi oczami</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>szeroko uśmiechnięta buźka z kroplą potu</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>buźka ze łzami radości</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>tarzanie się ze śmiechu</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>uśmiechnięta buźka z roześmianymi oczami</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>uśmiechnięta buźka z aureolą</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>lekko uśmiechnięta buźka</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>mrugająca buźka</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>uśmiechnięta buźka z oczami w kształcie serc</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>uśmiechnięta buźka z serduszkami</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>buźka posyłająca całusa</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>oblizująca się buźka</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>mrugająca buźka z wystawionym językiem</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>zwariowana buźka</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>uśmiechnięta buźka z otwartymi dłońmi</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>buźka z gwiazdami w oczach</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>uśmiechnięta buźka w okularach przeciwsłonecznych</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>buźka powstrzymująca łzy</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>płacząca buźka</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>szlochająca buźka</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>buźka z otwartymi ustami</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>śpiąca buźka</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>zamyślona buźka</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>buźka z dłonią na ustach</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>szeroko uśmiechnięty kot</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>uśmiechnięty kot z oczami w kształcie serc</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>machająca dłoń</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>kciuk w górę</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>klaszczące dłonie</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>uniesione dłonie</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>złożone dłonie</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>uścisk dłoni</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>dłoń w geście zwycięstwa</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>skrzyżowane palce</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>napięty biceps</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>pyszczek psa</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>pyszczek kota</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>pyszczek królika</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>niedźwiedź</translation>
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
        <translation>pyszczek tygrysa</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lew</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>pyszczek krowy</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>pyszczek świnki</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>żaba</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>pyszczek małpy</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>kura</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingwin</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>ptak</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>kurczątko</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>sowa</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>jednorożec</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>pszczoła miodna</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>motyl</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>biedronka</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>żółw</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>delfin</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>wieloryb tryskający wodą</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>ryba tropikalna</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>ośmiornica</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>żyrafa</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>słoń</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>jeż</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>ślady łap</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>truskawka</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>wiśnie</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>czerwone jabłko</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>arbuz</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>winogrona</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banan</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>brzoskwinia</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ananas</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>cytryna</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>popcorn</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>precel</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>rogalik</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>placuszki</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>lody włoskie</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>lody</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>donut</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>ciasteczko</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>tabliczka czekolady</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>cukierek</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>lizak</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>budyń</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>garnuszek miodu</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>tarta</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>gorący napój</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>filiżanka bez ucha</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>kieliszek do wina</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>kieliszek koktajlowy</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>tropikalny drink</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>kubek ze słomką</translation>
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
        <translation>Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>Życzenia w ruchu</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>więcej</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>klatka</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Warstwy</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Obiekty</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Położenie i rozmiar</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
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
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>width</source>
        <translation>szer.</translation>
    </message>
    <message>
        <source>height</source>
        <translation>wys.</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>Tekst i kolory</translation>
    </message>
    <message>
        <source>font</source>
        <translation>czcionka</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>kolor</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>bez wypełn.</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>wypełn.</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efekt</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>klatki</translation>
    </message>
    <message>
        <source>start</source>
        <translation>początek</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>po ostatniej klatce:</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>na ekranie</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>poza ekranem</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>Właściwości projektu</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>Wyjście MIDI</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>Dodaj dźwięk</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>Od klatki</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>Do klatki</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>Tekst mówiony</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>głos</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>m / k</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>Opcje poczty</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>serwer poczty</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>połączenie: bez szyfrowania, STARTTLS (587) lub TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>użytkownik (puste: bez logowania)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>hasło (zapisane w bazie kluczy)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>pokaż kartkę w treści wiadomości</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>dołącz samodzielny odtwarzacz</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>dołącz wideo z dźwiękiem</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>dołącz plik kartki</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>Wyślij kartkę</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>wyślij przez mój program pocztowy</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>wyślij dnia</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>co roku w dniu urodzin</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>search</source>
        <translation>szukaj</translation>
    </message>
    <message>
        <source>name</source>
        <translation>imię i nazwisko</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>adres e-mail</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>urodziny (1990-05-17 lub --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Skrzynka nadawcza</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>zaplanowane kartki</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>Nagraj swój głos</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>mikrofon</translation>
    </message>
    <message>
        <source>level</source>
        <translation>poziom</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>nie pytaj ponownie</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nazwa pliku</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>typ pliku</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>Wyślij e-mailem…</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>Kontakty…</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Skrzynka nadawcza…</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>Eksportuj odtwarzacz…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Eksportuj wideo…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>Właściwości…</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Biblioteki</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Narzędzia rysowania</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>Menedżer warstw</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>Importuj obraz…</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>Importuj MIDI…</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Pomoc (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>Kolor tła…</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Usuń tło</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>Tła…</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>Usuń muzykę</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>Dźwięki…</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>Właściwości projektu…</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>O warstwę wyżej</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>O warstwę niżej</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>Na wierzch</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>Na spód</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>Dodaj dźwięk…</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>Dodaj tekst mówiony…</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>Nagraj dźwięk…</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Więcej przycisków</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Pierwsza klatka</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Poprzednia klatka</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Następna klatka</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Ostatnia klatka</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Zamknij odtwarzacz</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Wielokąt</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipsa</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Tekst w prostokącie</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Tekst w elipsie</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteka</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strona w górę</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strona w dół</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Bez wypełnienia</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>Zostaje na ekranie</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>Znika z ekranu</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Wypróbuj</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animacje</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>Cliparty</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Tła</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Przewiń</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>Z odtwarzaczem</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Adresy</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>Wiadomość głosowa</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Bez szyfrowania</translation>
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
        <translation>Pokaż kartkę w treści wiadomości</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>Dołącz odtwarzacz</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>Dołącz wideo</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Dołącz plik kartki</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Wyślij przez mój program pocztowy</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Wyślij w wybranym dniu</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Co roku w dniu urodzin</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Wyślij teraz</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>Nie wysyłaj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>Głos męski</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>Głos kobiecy</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nowy folder</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>Folder wyżej</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>Zacznij nową kartkę</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>Plik ▸ Nowy albo otwórz kartkę zapisaną wcześniej</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Wcześniejsze wersje…</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>plik kończy się o %1 B za wcześnie</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>tekst powtarza swój znacznik znaków dwubajtowych</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>tekst deklaruje %1 B, a pozostało %2 B</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>blok deklaruje %1 B, a pozostało %2 B</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>lista deklaruje liczbę %2 równą %1, a pozostało %3 B</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1: błąd odczytu przy bajcie %2 w elemencie „%3” (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1: błąd zapisu w elemencie „%2” (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: nie można zapisać</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1: nie można zachować obrazu</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: to nie jest plik bitmapy</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1: za duży na bitmapę</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>spakowana bitmapa o rozmiarze %1 B nie ma nagłówka</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>blok bitmapy o rozmiarze %1 B nie ma nagłówka</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>nagłówek bitmapy jest ucięty</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>nagłówek bitmapy deklaruje %1 B, a blok zawiera %2 B</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>wysokość bitmapy jest poza dozwolonym zakresem</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>nagłówek bitmapy o rozmiarze %1 B jest nieznanego rodzaju</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>bitmapa o wymiarach %1 x %2 px jest poza dozwolonym zakresem</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>bitmapa z %1 płaszczyznami</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>bitmapa z %1 bitami na piksel</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>bitmapa z kompresją %1 przy %2 bitach na piksel</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>tabela kolorów z %1 wpisami</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>maski pól bitowych są ucięte</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>maska pola bitowego 0x%1 nie pasuje do pikseli</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>tabela kolorów z %1 wpisami wykracza poza blok</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>piksele wymagają %1 B, a pozostało %2 B</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>brak pamięci na obraz o wymiarach %1 x %2</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>strumień danych RLE kończy się przedwcześnie w bajcie %1</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>niekodowany odcinek danych RLE wykracza poza dane w bajcie %1</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>efektów</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>warstw</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>scen</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>dźwięków</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punktów</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>głębokość zagnieżdżenia klipów przekracza %1</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>rodzaj kształtu %1 nie mieści się w zakresie od 0 do 2</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>rysowany obiekt bez kształtu</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>rodzaj obiektu rysowanego %1 nie mieści się w zakresie od 1 do 4</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>obiekt „%1” nie ma sceny i nie jest rysowany</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>obiekt „%1” nie ma listy efektów i nie jest rysowany</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>nie można utworzyć bufora sceny o wymiarach %1 x %2 px</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1: nie można utworzyć plików roboczych ani obok niego, ani w %2</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1: nie można utworzyć plików roboczych</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1: za mało pamięci, aby go rozpakować</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1: to nie jest plik projektu (brak znacznika nagłówka)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>nie można odczytać pliku dźwiękowego %1</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>nie można zapisać prywatnego pliku dźwięku w %1</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>brak pamięci na historię cofania</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>nie można utworzyć folderu historii cofania w %1</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>nie można utworzyć pliku stanu cofania w %1</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>stan cofania</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>brak pamięci podczas zapisywania stanu cofania</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>brak pamięci podczas wczytywania stanu cofania</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>brak stanu cofania obiektu %1 (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>brak stanu cofania obiektu %1</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>stan cofania %1 ma typ %2, który nie odpowiada żadnej klasie</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>tekst ze znaków 2-bajtowych zawiera połowę pary znaków</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: nie można zapisać (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1: nie można utworzyć (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>brak jej opisu</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>nie można odczytać jej opisu</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>brak jej pliku projektu %1</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>jej plik %1 nie jest plikiem projektu</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: nie ma takiej kopii do odzyskania</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>Kopia do odzyskania kartki %1 nie została zapisana: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>„%1” nie jest nazwą kopii do odzyskania</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>nie można jej ponownie odczytać (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>nie można utworzyć jej obrazu</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1: nie można odczytać kopii do odzyskania (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1: nie można zachować jego wcześniejszej wersji (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1: nie ma wcześniejszej wersji %2</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1: nie można odczytać wcześniejszej wersji %2 (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>Twoja kartka nie jest zabezpieczana podczas pracy: %1

Możesz pracować dalej; zapisz kartkę, aby ją zachować.</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>Odzyskanej kartki „%1” nie można otworzyć: %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>Nie zachowano jeszcze wcześniejszych wersji „%1”: każdy zapis zachowuje wersję, którą zastępuje.</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>Wcześniejszej wersji nie można otworzyć: %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>Niebo z balonami</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Konfetti</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>Różowy świt</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>Papier w serduszka</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>Śnieżna noc</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>Zimowy las</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>Światła sceny</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>Chorągiewki</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>Czerwony balon</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>Turkusowy balon</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>Żółty balon</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Tort urodzinowy</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Pudełko z prezentem</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Czapeczka imprezowa</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Babeczka</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>Czerwone serce</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>Różowe serce</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>Balon w kształcie serca</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Róża</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>List miłosny</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Kwiat</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Choinka</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bałwan</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>Bombka</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>Cukrowa laska</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Płatek śniegu</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>Czerwony prezent</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>Złota gwiazda</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>Turkusowa gwiazda</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Szampan</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>Nuty</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Tuba z konfetti</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>Uśmiechnięte słońce</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>Ulatujące balony</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>Prezent i gwiazda</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>Tańczące serca</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>Unoszące się serca</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>Padający śnieg</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>Migocząca choinka</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>Krążące gwiazdy</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>Muzyka w powietrzu</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>Happy Birthday</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>Migocz, gwiazdko</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>Dzwoneczki miłości</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>Jingle Bells</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>Oda do radości</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Oklaski</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfara</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>Iskierki</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pyk</translation>
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
        <translation>%1: nie można odczytać książki adresowej; pozostawiono ją bez zmian</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: nie można zapisać książki adresowej</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64: potrzebny jest plik wejściowy i plik wyjściowy</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Nie znaleziono pliku %1</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: nie można zapisać</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>Błąd %1: nie można skopiować programu odtwarzacza do pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>Błąd %1: nie można skopiować danych odtwarzacza do pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>Błąd %1: nie można skopiować kartki do pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>Błąd %1: jedna z części jest za duża dla pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>Błąd %1: nie można zapisać długości części w pakiecie odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Błąd %1: nie można zapisać nazwy kartki w pakiecie odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Błąd %1: nie można zapisać długości nazwy kartki w pakiecie odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>Błąd %1: nie można zapisać znacznika końca pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>Błąd %1: nie można zamknąć pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>Błąd %1: nie można zapisać pakietu odtwarzacza</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1: Błąd! Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1: Błąd! Plik jest używany przez inny program</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1: za duży na pakiet odtwarzacza</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>wiersz %1: wizytówka kończy się przed END:VCARD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>wiersz %1: wizytówka nie ma ani nazwy, ani adresu</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>wiersz %1 nie jest właściwością vCard</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>wiersz 1: nagłówek nie wskazuje ani kolumny z nazwą, ani kolumny z adresem e-mail</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>wiersz %1: pól jest %2, a w nagłówku %3</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>wiersz %1: oczekiwano 7 pól rozdzielonych tabulatorami, znaleziono %2</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>wiersz %1: brak nazwy</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>wiersz %1: „%2” nie jest nazwą domeny zapisaną małymi literami</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>wiersz %1: „%2” nie jest nazwą serwera</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>wiersz %1: „%2” nie jest numerem portu</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>wiersz %1: „%2” to ani tls, ani starttls</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>wiersz %1: „%2” nie jest kluczem sposobu logowania</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>wiersz %1: strona pomocy nie ma adresu https</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>program pocztowy otrzymał plik, który nie istnieje</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>na tym pulpicie nie skonfigurowano programu pocztowego (xdg-email żadnego nie znalazł)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>program pocztowy nie mógł przyjąć kartki</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>xdg-email zakończył się błędem (kod wyjścia %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>nie można utworzyć folderu w %1</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email nie jest zainstalowany (należy do pakietu xdg-utils)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>nie można uruchomić xdg-email: %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email zakończył działanie w nieprawidłowy sposób</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>nie można było zaczekać na zakończenie xdg-email</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>nie można skopiować %1 do wiadomości</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>kartka ma %1 nawet przy najmniejszym obrazie i wideo; wiadomość może mieć najwyżej %2</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>wideo zostaje pominięte: %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>Rysowanie kartki</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>wysyłanie zostało anulowane</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>nie można utworzyć obrazu i wideo kartki: %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>Zmniejszanie obrazu</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>Zmniejszanie wideo</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>nie udało się utworzyć załącznika: w folderze danych %2 brakuje %1</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>nie udało się utworzyć załącznika: nie można odczytać %1</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>nie udało się utworzyć załącznika: nie można zapisać pakietu odtwarzacza dla %1</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>serwer pocztowy %1 oferuje logowanie tylko bez TLS, co pozwoliłoby innym podejrzeć hasło</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>serwer pocztowy %1 nie oferuje sposobu logowania obsługiwanego przez ten program (AUTH PLAIN lub LOGIN)</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>serwer pocztowy %1 nie oferuje logowania, a ustawienia go wymagają</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>serwer pocztowy %1 nie może teraz sprawdzić nazwy użytkownika i hasła (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>serwer pocztowy %1 odrzucił nazwę użytkownika lub hasło (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>nie udało się utworzyć załącznika: nie ustawiono folderu danych, więc nie można znaleźć programu odtwarzacza</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>nie udało się utworzyć załącznika: nie można skopiować %1</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1: nie można skopiować do załącznika</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>nie udało się utworzyć załącznika: nie można zapisać załącznika %1</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>serwer pocztowy %1 odrzucił „%2”: %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>nie udało się utworzyć załącznika: nie można zakodować załącznika %1</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>hasło użytkownika %1 na serwerze pocztowym %2 jest nieznane (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>hasło użytkownika %1 na serwerze pocztowym %2 jest nieznane</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>serwer pocztowy %1 nie oferuje STARTTLS, a ustawienia tego wymagają</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>serwer pocztowy %1 odrzucił połączenie: %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>serwer pocztowy %1 odrzucił wszystkich odbiorców: %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>nie można utworzyć prywatnego folderu na obraz i wideo kartki</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>nie udało się utworzyć załącznika: nie można odczytać zakodowanego załącznika</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>kartka ma %1 B, czyli więcej niż %2 B, które przyjmuje serwer pocztowy %3</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>skrzynka nadawcza nie może zapisać, że kartka jest właśnie wysyłana</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>serwer pocztowy %1 odrzucił wiadomość: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>nie można skopiować %1 do załącznika z odtwarzaczem</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>nie można przygotować %1 dla %2</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>kartka nie ma odbiorcy</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>nikt nie otrzymał kartki: %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>Kartka została przekazana do programu pocztowego i jest gotowa do wysłania. Jej pliki znajdują się w %1.</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>Kartka została wysłana (%H:%M:%S).</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>Wysłano do: %1.</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>Serwer pocztowy odrzucił tych odbiorców: %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>Program %s nie mógł wysłać kartki.</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>Przyczyna niepowodzenia: %1.</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>nie można utworzyć prywatnego folderu tymczasowego na załącznik</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>wpis jest ucięty</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>to nie jest wpis skrzynki nadawczej</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>wpis zawiera wiersz bez „=”</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>wpis jest pusty</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>wpis nie ma znanego stanu</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>wpis zawiera czas, którego nie można odczytać</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>nie można odczytać liczby prób zapisanej we wpisie</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>nie można odczytać ustawień zabezpieczeń zapisanych we wpisie</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>nie można odczytać limitu rozmiaru zapisanego we wpisie</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>wpis zawiera przełącznik o wartości innej niż 0 i 1</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>coroczny wpis nie ma daty urodzin</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>wpis nie podaje odbiorcy</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>wpis nie podaje serwera pocztowego</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>wpis nie wskazuje pliku kartki</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>nie można odczytać pliku kartki %1</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>nie można utworzyć folderu w skrzynce nadawczej %1</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>nie można umieścić %1 w skrzynce nadawczej</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>zaplanowana kartka wymaga serwera pocztowego: ustaw go w opcjach poczty</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>data urodzin osoby %1 jest nieznana: dodaj ją w kontaktach</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>nie zawiera żadnego wpisu</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>nie można odczytać jego wpisu</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>brakuje jego pliku kartki %1</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>nie można zapisać wpisu skrzynki nadawczej %1</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>w skrzynce nadawczej nie ma kartki %1</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>nie można wstrzymać kartki %1: %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>kartka %1 jest właśnie wysyłana</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>kartka %1 została już wysłana</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>kartka %1 czeka na wysłanie lub jest właśnie wysyłana: najpierw ją wstrzymaj</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>nie można usunąć kartki %1: %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>wysyła ją właśnie inne uruchomienie programu</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>została już wysłana</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>została już wstrzymana</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>Kartka wysłana</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>Kartka „%1” do %2 została wysłana.</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>Nie wysłano kartki</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>Nie udało się wysłać kartki „%1” do %2: %3.</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>Kartka mogła nie zostać wysłana</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>Serwer pocztowy nie potwierdził, czy przyjął kartkę do %1. Otwórz skrzynkę nadawczą, aby wysłać ją ponownie albo zostawić bez zmian.</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>Zbliżają się urodziny</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>%1 ma za kilka dni urodziny, a żadna kartka nie jest jeszcze zaplanowana.</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>nie można narysować kartki: program nie ma czcionek</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>za mało pamięci, aby narysować kartkę</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>nie można utworzyć obrazu kartki: %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>obraz kartki jest za duży dla wiadomości: %1 B przy %2 x %3, dozwolone najwyżej %4</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>nie podano przyczyny</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>serwer pocztowy „%1” nie ma prawidłowego numeru portu</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>nazwa serwera pocztowego „%1” nie jest nazwą hosta</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>nie można znaleźć serwera pocztowego %1 (nazwa zastrzeżona, nieprawidłowa)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>nie można znaleźć serwera pocztowego %1 (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>serwer pocztowy %1 nie odpowiedział na czas (podczas łączenia)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>podczas łączenia: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>serwer pocztowy %1 nie odpowiedział na czas (podczas wysyłania)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>podczas wysyłania: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>serwer pocztowy %1 nie odpowiedział na czas (podczas oczekiwania na odpowiedź)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>podczas oczekiwania na odpowiedź: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>serwer pocztowy %1 nie odpowiedział na czas (podczas uzgadniania TLS)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>podczas uzgadniania TLS: %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>nie można połączyć się z serwerem pocztowym %1: %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>połączenie z serwerem pocztowym jest zamknięte</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>wysyłanie do serwera pocztowego %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>serwer pocztowy %1 przysłał coś, co nie jest odpowiedzią: %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>serwer pocztowy %1 użył w jednej odpowiedzi różnych kodów odpowiedzi</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>serwer pocztowy %1 przysłał odpowiedź zbyt długą jak na jedną odpowiedź</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>serwer pocztowy %1 zamknął połączenie</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>odbieranie danych z serwera pocztowego %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>połączenie zostało zakończone</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>nie można skonfigurować TLS dla serwera pocztowego %1: %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>nie można zaufać certyfikatowi serwera pocztowego %1: %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>serwer pocztowy %1 zamknął połączenie podczas uzgadniania TLS</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>uzgadnianie TLS z serwerem pocztowym %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Połączenie odrzucone</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Przekroczono czas oczekiwania na połączenie</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Brak trasy do hosta</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Sieć jest nieosiągalna</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Połączenie zerwane przez drugą stronę</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Połączenie przerwane przez oprogramowanie</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Przerwany potok</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nieznana nazwa lub usługa</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Tymczasowy błąd podczas rozwiązywania nazw</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Trwały błąd podczas rozwiązywania nazw</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>obraz %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>wideo z dźwiękiem %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>plik kartki %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>około %1</translation>
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
        <translation>To nie jest prawidłowy plik!</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>Błąd 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>Wystąpił błąd</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>Wystąpił inny błąd</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>Brak pamięci! Zamknij program i rozwiąż problem!</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>Za mało pamięci (3)!</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>Nie można zmienić książki adresowej: nie ustawiono folderu danych</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>Książka adresowa nie została zaktualizowana: nie ustawiono folderu danych</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>Nie można znaleźć programu odtwarzacza: nie ustawiono folderu danych</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Wielokąt</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipsa</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Tekst w prostokącie</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Tekst w elipsie</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1: obraz jest uszkodzony lub niekompletny</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1: obraz jest uszkodzony lub niekompletny (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1: obraz jest za duży (%2 x %3 pikseli; odczytywane jest najwyżej %4 megapikseli)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1: nie można tu odczytać obrazów WebP: brakuje wtyczek formatów obrazów Qt</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1: to nie jest obraz, który można odczytać (PNG, JPEG, GIF, WebP, BMP, HEIC lub AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1: za mało pamięci na obraz</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: plik jest pusty</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1: plik jest za duży jak na obraz</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1: ta wersja programu nie odczytuje obrazów HEIC ani AVIF</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>użycie: %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>odtwarza kartkę zapisaną w pliku FILE (pakiet odtwarzacza lub projekt .kel) albo kartkę dołączoną do tego programu</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play: nie można zainstalować obsługi sygnałów</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play: nie można utworzyć prywatnego folderu w katalogu tymczasowym</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1: ten program nie zawiera kartki; podaj kartkę do odtworzenia</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play: brak ekranu, na którym można wyświetlić kartkę (zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>nie można otworzyć kartki</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: nie można zapisać</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: nie można otworzyć</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1: dane odtwarzacza w tej kartce są uszkodzone: %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1: dane odtwarzacza wskazują SoundFont „%2”</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1: nie można odczytać danych odtwarzacza</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1: kartka w tym pliku jest pusta</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1: nie można skopiować kartki do %2</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1: kartka w tym pliku jest uszkodzona (długości jej części nie sumują się do długości pliku)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1: nie można skopiować do %2</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1: w tym pliku nie ma kartki</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>znacznik jest inny niż %1</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>nagłówek kończy się po %1 B</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>wersja %1 jest inna niż %2</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>nagłówek deklaruje liczbę wpisów równą %1, a pozostało %2 B</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>wpis %1: długość nazwy jest ucięta w bajcie %2</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>wpis %1: nazwa o długości %2 B</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>wpis %1: nazwa deklaruje %2 B, a pozostało %3 B</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>wpis %1 (%2): długość danych jest ucięta w bajcie %3</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>wpis %1 (%2) deklaruje %3 B, a pozostało %4 B</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>wpis %1: nazwa „%2” jest niedozwolona lub występuje dwukrotnie</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>po ostatnim wpisie następuje jeszcze %1 B</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>na to hasło czeka zaplanowana kartka</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1, %2, w punkcie %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>clipart</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animacja</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>obraz</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>kształt</translation>
    </message>
    <message>
        <source>object</source>
        <translation>obiekt</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>bez nazwy</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>Nie można wyeksportować kartki: brakuje odtwarzacza „%1”.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>odtworzono</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>odtwarzacz nie może teraz tego zrobić</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>wyjście MIDI nie jest gotowe</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>plik nie jest plikiem MIDI, który można odtworzyć</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>wyjście MIDI odmówiło</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>nie zainstalowano żadnego pliku SoundFont</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>brak pliku SoundFont</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>brak wyjścia audio</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>Syntezator (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>nic nie zostało nagrane</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>w nagraniu jest cisza: czy mikrofon nie jest wyciszony albo ściszony?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>klatka %1 wypada po końcu animacji (liczba klatek: %2)</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1: nie można utworzyć prywatnej kopii w %2</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>dźwięk byłby odtwarzany jednocześnie z innym dźwiękiem obiektu %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>nie udało się otworzyć żadnego urządzenia audio</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>system dźwięku nie uruchomił się: %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>nie znaleziono mikrofonu</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>nie udało się otworzyć mikrofonu: %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>nie można uruchomić syntezatora mowy: espeak-ng się nie uruchomił</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>nie można uruchomić syntezatora mowy: espeak-ng nie ma angielskiego głosu (czy pakiet espeak-ng-data jest zainstalowany?)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>syntezator mowy nie ma angielskiego głosu kobiecego</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>syntezator mowy nie ma angielskiego głosu męskiego</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>tekst jest za długi do wypowiedzenia (ponad %1 min)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>syntezator mowy nie mógł wypowiedzieć tekstu</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>plik SoundFont „%1” nie istnieje</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>„%1” nie jest plikiem SoundFont</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>nie można uruchomić syntezatora</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>nie można wczytać pliku SoundFont „%1”</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>nie można wczytać pliku SoundFont „%1”: %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>blok formatu pliku WAV jest za krótki</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>rozszerzony blok formatu pliku WAV jest za krótki</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>skompresowane pliki WAV (format %1) nie są obsługiwane</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>plik WAV ma kanałów: %1; odtworzyć można od 1 do %2</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>częstotliwość próbkowania pliku WAV (%1 Hz) wykracza poza zakres od %2 do %3 Hz</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>zmiennoprzecinkowe pliki WAV z %1 bitami na próbkę nie są obsługiwane</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>pliki WAV PCM z %1 bitami na próbkę nie są obsługiwane</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>rozmiar bloku pliku WAV (%1 B) nie pasuje do liczby kanałów (%2) po %3 B</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>to nie jest plik RIFF/WAVE</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>plik WAV jest ucięty</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>brakuje bloku formatu pliku WAV</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>brakuje danych dźwiękowych pliku WAV</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>plik WAV jest za długi do odtworzenia (ponad %1 min)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>nie można znaleźć pliku WAV</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>plik WAV jest za duży (ponad 2 GB)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>nie można odczytać pliku WAV</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>kartka nie ma obiektu, któremu można by nadać dźwięk</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>nie ma obiektu %1 (liczba obiektów kartki: %2, licząc od 0)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>każdy obiekt kartki odtwarza już w tym czasie jakiś dźwięk</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>dane pliku wave IMA ADPCM są uszkodzone (indeks kroku %1)</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>pliki wave IMA ADPCM z %1 bitami na próbkę nie są obsługiwane</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>rozmiar bloku pliku wave IMA ADPCM (%1 bajtów) nie pasuje do jego %2 kanałów</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 jest uszkodzony: jego dźwięku nie da się zdekodować</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>nie znaleziono %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 nie jest plikiem audio odczytywanego rodzaju (WAV, MP3, M4A, Ogg Vorbis, Opus lub FLAC)</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 nie zawiera dźwięku</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 zawiera dźwięk rodzaju, którego nie da się zdekodować (%2)</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1: część od %2 s zaczyna się po końcu utworu (%3 s)</translation>
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
        <translation>%1: niepowodzenie</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>użycie: vimble-tool POLECENIE ARGUMENTY</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>użycie: %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: nie można zapisać</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1: to nie jest element animacji, clipartu, tła ani dźwięku</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>koduje lub dekoduje plik kodekiem projektów</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>zapisuje nowy, pusty projekt</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>plik .kel, .hdr lub .zty w postaci JSON</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>otwiera projekt i zapisuje go ponownie</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>klatki ciągłego odtwarzania od początku jako animowany obraz albo wideo z dźwiękiem</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>brak folderu danych: ustaw DataFiles1 albo podaj --data DIR</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>nie można utworzyć folderu tymczasowego</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>nie można skopiować do %1</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>nie można uruchomić procesu wysyłania poczty</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>to nie jest pakiet odtwarzacza</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1: uszkodzony lub nieczytelny; wyświetlono wpisy sprzed uszkodzenia</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1: uszkodzony lub nieczytelny; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1: nie ma wpisu %2 (liczba wpisów: %3)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>wysyła projekt pocztą jako kartkę z obrazem, wideo i plikiem albo przekazuje go programowi pocztowemu</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>zapisuje samoodtwarzający się załącznik projektu</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>zapisuje części pakietu w DIR i wypisuje jego blok końcowy jako JSON</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>koduje plik jako część MIME w base64 albo dekoduje taką część</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>wyświetla lub zmienia książkę adresową</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1: uszkodzony; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>to nie jest data urodzin: %1 (1990-05-17 lub --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>brak kontaktu %1</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>wyświetla kontakty jako JSON, importuje pliki vCard lub CSV, eksportuje do vCard 4.0, dodaje lub usuwa kontakt</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>planuje kartki na wybrany dzień lub na każde urodziny, wyświetla je jako JSON, wstrzymuje je i wysyła te, których termin nadszedł</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>to nie jest adres e-mail (NAZWA@DOMENA)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>wypisuje jako JSON serwer pocztowy, przez który wysyła dany adres, i miejsce, w którym go znaleziono</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: to nie jest plik bitmapy</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>co mówi nagłówek pliku bitmapy i czy plik daje się zdekodować</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>nieruchomy obraz albo klatki ciągłego odtwarzania od początku</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>CSV z efektem rysowania, położeniem i rozmiarem każdego obiektu, klatka po klatce</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1: mikrofon nie przesyła dźwięku</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1: mikrofon został odłączony po %2 s; to, co nagrano wcześniej, zostało zachowane</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>S sekund (od 1 do 60, domyślnie 10) z mikrofonu, oczyszczone, jako WAV mono</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>nie zainstalowano żadnego pliku SoundFont</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1: muzyka nie zabrzmi: %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1: za mało pamięci na dźwięk</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1: wynik %2: %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>jak brzmi ciągłe odtwarzanie od początku, jako WAV stereo 44,1 kHz</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>co czytnik MIDI znajduje w pliku albo wynik odtwarzacza i jego przyczyna</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1: nie można otworzyć jako biblioteki zasobów</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale przyjmuje współczynnik od 1 do 4</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1: nie można tam wyświetlić plików nagłówków biblioteki (*.hdr)</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(pusty folder danych: /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>sprawdza bibliotekę zasobów (każdy element wyglądu w skali 1x, 1,5x i 2x, a te z napisami także w każdym języku) albo rysuje wszystkie elementy wyglądu na jednym arkuszu (w skali ekranu)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>katalogi i kategorie tworzone przez przeszukiwanie przy uruchomieniu (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>tekst nie jest w UTF-8</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>nie ma obiektu %1 (liczba obiektów kartki: %2, licząc od 0)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>obiekt %1 nie jest tekstem</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>projekt z zastąpionym tekstem obiektu I (tekstu, od 0)</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: nie ma takiej kopii do odzyskania</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1: nie można usunąć kopii do odzyskania</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>wyświetla jako JSON kopie do odzyskania zmienianych kartek, zapisuje jedną z nich lub ją usuwa</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>wyświetla jako JSON wcześniejsze wersje kartki zastąpione przy zapisie (1 to najnowsza) lub zapisuje jedną z nich</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1: projekt nie ma sceny</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>projekt z obrazem (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) jako tłem lub nowym obiektem, wyśrodkowanym, jeśli nie umieszczono go inaczej, w ramce na życzenie</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>projekt z dźwiękiem dodanym do obiektu (od 0) w klatce N; nagrany głos odtwarza się raz; utwór (MP3, M4A, Ogg, Opus, FLAC lub wave z opcjami) daje swoją część od S sekund, długą na N (do końca, najwyżej 60), z wyciszeniem przez F, skompresowaną</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>nie ma kartki do wyeksportowania</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>rozmiar musi wynosić od 2 x 2 do 4096 x 4096</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>pierwsza klatka musi być przed ostatnią</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>eksport może zawierać najwyżej 30000 klatek (godzinę)</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>liczba odtworzeń musi wynosić od 0 (bez końca) do 1000</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>muzyka nie zabrzmi: %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>za mało pamięci na dźwięk</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>nie ma kartki do narysowania</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>nie można utworzyć obrazu ani wideo o takim rozmiarze</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>nie można odczytać kopii kartki</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>za mało pamięci, aby złożyć klatki</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>klatki wideo deklarują rozmiar %1 x %2 (najwyżej %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>klatka %1 ma rozmiar %2 x %3</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>nie można przekonwertować obrazów wideo na RGB</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>nie można przekonwertować klatki %1 na RGB: %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>nie można przekonwertować klatki %1 na RGB</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>brak pamięci na klatkę wideo</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>nie można cofnąć wideo do początku: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>to nie jest plik (lecz folder lub urządzenie)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>nie można odczytać pliku jako wideo: %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>plik nie zawiera wideo (jego pierwszy strumień nie jest strumieniem wideo)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>licznik lub mianownik szybkości klatek wideo wynosi 0</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>nie można odczytać strumieni pliku: %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>wideo nie podaje rozmiaru swoich klatek</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>licznik (%1) lub mianownik (%2) szybkości klatek wideo wynosi 0 lub mniej</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>wideo deklaruje %1 kl./s (odtworzyć można od 0,1 do 1000)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>wideo deklaruje długość %1 klatek (odtworzyć można od 1 do 10000000)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>biblioteki wideo nie mają dekodera dla wideo %1</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>brak pamięci na dekoder wideo</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>nie udało się otworzyć dekodera %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>brak pamięci na klatki wideo</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>brak pamięci na klatki wideo: %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>żadne wideo nie jest otwarte</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>klatki %1 nie ma w wideo (od 0 do %2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>plik kończy się przed klatką %1 (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>plik kończy się przed klatką %1</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>nie można zdekodować klatki %1: %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera MPEG-4</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera VP9 lub VP8 (libvpx)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera Opus lub Vorbis (libopus, libvorbis)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera H.264 (libx264)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera AAC</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>animowany PNG</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>zainstalowanym bibliotekom wideo brakuje kodera animowanego PNG</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>zainstalowane biblioteki wideo nie potrafią zapisywać plików %1</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>zainstalowane biblioteki wideo nie potrafią zapisywać plików %1: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>koder %1 odrzucił klatkę: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>nie udało się zakończyć pracy kodera %1: %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>błąd kodera %1: %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>nie udało się zapisać pliku wideo: %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>brak pamięci na koder %1</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>nie udało się otworzyć kodera %1: %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>nie udało się skonfigurować strumienia %1: %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>nie można przekonwertować dźwięku dla kodera %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>brak pamięci na dźwięk</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>brak pamięci na dźwięk: %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>w kolejce dźwięku zgubiono próbki</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>nie udało się przekonwertować dźwięku: %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>rozmiar wideo musi wynosić od 2 x 2 do %1 x %2</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>klatka wideo musi trwać od 1 do 10000 ms</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>liczba odtworzeń nie może być ujemna</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>czas wyświetlania klatek lub przepływności wideo są poza dozwolonym zakresem</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>nie udało się zapisać nagłówka pliku %1: %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>żadne wideo nie jest otwarte do zapisu</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>klatka jest pusta</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>brak pamięci na klatkę</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>brak pamięci na klatkę: %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>nie można przekonwertować klatki dla kodera %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>nie można przekonwertować klatki dla kodera %1: %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>to wideo nie ma ścieżki dźwiękowej</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>dźwięk stereo wymaga parzystej liczby próbek</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>nie udało się zapisać końca pliku wideo: %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>nie udało się zamknąć pliku wideo: %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
</context>
</TS>

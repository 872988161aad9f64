<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>из 1 кадра</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>из %1 кадров</translation>
    </message>
    <message>
        <source>end</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>Начало должно быть целым числом не меньше 0.</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>Конец должен быть пустым или целым числом не меньше %1.</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>Оставьте конец пустым, чтобы звук играл до паузы или до конца открытки.</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Адрес электронной почты</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>Добавить контакт с данными из полей</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>Изменить выбранный контакт по данным из полей</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>Удалить выбранный контакт</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>Импортировать контакты из файла vCard или CSV</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>Экспортировать контакты в файл vCard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>В файле %1 есть карточки, которые не удаётся прочитать (%2); файл показан, но не будет изменён.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>«%1» — не адрес электронной почты.</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>Сначала введите имя или адрес электронной почты.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>«%1» — не дата рождения: введите 1990-05-17 или --05-17 без года.</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>В файле %1 есть карточки, которые не удаётся прочитать, поэтому он не изменён. Сначала исправьте или переместите его.</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>Сначала выберите контакт в списке.</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>Добавлено: %1, объединено: %2.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> и ещё %1.</translation>
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
        <translation>Отправка открытки</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>Отправка открытки: %1, %2 %</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>Эффект не добавлен: там, куда его перетащили, нет объекта, и ни один объект не выбран. Перетащите эффект на объект или сначала выберите объекты.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>Не удаётся экспортировать открытку в %1: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>Не удаётся экспортировать открытку: её рабочую копию нельзя записать в %1.</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>Открытка экспортирована в %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>Не удаётся экспортировать открытку в %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>Не удаётся записать открытку в %1.</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>Не удаётся сохранить запись в %1.</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>Отправка завершена</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>Меню фона</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>Меню объекта</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>Анимированное изображение GIF</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>Анимированное изображение PNG</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Видео WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Видео MP4</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Вставленное изображение</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>%1 не размещён: сначала откройте или начните открытку, затем перетащите изображение на её сцену.</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>%1 не добавлен: перетащите песню на объект, который должен её играть.</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 здесь не подходит: на сцену можно перетаскивать только изображения (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), песни (на объект) и открытки (.kel).</translation>
    </message>
</context>
<context>
    <name>CEmojiPicker</name>
    <message>
        <source>Emoji</source>
        <translation>Эмодзи</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Поиск по названию</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>Поиск эмодзи по названию</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>Эмодзи с таким названием нет.</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>Подбор цветов: кадр %1 из %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Кадр %1 из %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>Открывается %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Сохраняется %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>Чтение файла…</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>Распаковка…</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>Сборка открытки…</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>Подготовка открытки…</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>Сжатие…</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>Запись файла…</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>Открытки для восстановления</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>Редактор завершил работу до того, как эти открытки были сохранены.</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Прежние версии</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>Прежние версии «%1»</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>Каждая — это открытка такой, какой она была до того, как её заменило сохранение.</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>Название каждой открытки, откуда она и когда сохранена копия</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>Когда каждая версия была заменена, и её размер</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Открыть выбранную открытку в редакторе</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>Сохранить выбранную открытку в файл по вашему выбору</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>Выбросить выбранную открытку, спросив сначала</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>Закрыть это окно и сохранить все открытки до следующего запуска</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>Открыть выбранную версию в редакторе как отдельную открытку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Закрыть это окно</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Ни разу не сохранена</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>Сохранена %1 в %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>Такой, какой была до %1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>Эту копию невозможно прочитать.</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>Не открывается: %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>Удалить восстановленную открытку «%1»? Вернуть её будет нельзя.</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;ошибка&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: кадры с %2 по %3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1: с кадра %2</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Страница вверх</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Страница вниз</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>Элементы библиотеки</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>Окно библиотеки</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>Для входа используйте пароль приложения, созданный в настройках безопасности учётной записи.</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>Если включена двухэтапная аутентификация, для входа используйте пароль приложения.</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>Сначала включите доступ по POP3/IMAP в настройках веб-почты.</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>Для входа используйте отдельный пароль для почты, заданный в личном кабинете.</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>Провайдер требует собственный способ входа; обычный пароль может быть отклонён.</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>Только через программу-мост провайдера, запущенную на этом компьютере; её сертификат должен быть доверенным на этом компьютере.</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>Где найден почтовый сервер</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>Вкладывать видео со звуком</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>Открытка в виде видео со звуком, которое воспроизводится на любом компьютере</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Вкладывать файл открытки</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>Сам файл открытки, чтобы открыть и изменить его в этой программе</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>Поиск почтового сервера для %1…</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>Найден в списке провайдеров: %1.</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>Найден в DNS-записях домена.</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>Это предположение: уточните у своего провайдера.</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>Опубликовано по адресу %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>Обычное соединение, как было всегда: без защиты и без входа (порт 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>Защищать соединение после его установки (порт отправки 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>Защищать соединение с первого байта (порт 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>Открытка движется прямо в письме, в любой почтовой программе</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>Также отправлять вложение с проигрывателем (некоторые почтовые службы не принимают программы)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>Не удалось запустить веб-браузер, чтобы показать руководство. Откройте %1 в своём браузере.</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>Руководство не установлено. Руководство Vimble e-mail должно находиться в share/doc/vimble-email/manual рядом с программой; повторная установка программы вернёт его на место.</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>Свойства изображения</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>Свойства анимации</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>Свойства клипарта</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>У фигур и линий нет текста.</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>его название содержит символы, которые нельзя сохранить в открытке</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>его название длиннее 31 символа</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>Шрифт «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>Шрифт текста не изменён.</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>У текста остаётся шрифт «%1».</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Эмодзи</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>Вставить эмодзи в текст</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (не установлен)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>Толщина линии должна быть целым числом от 0 до 99 пикселей. Остаётся прежнее значение: %1.</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Исходящие</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>Запланированные открытки</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>Время, получатель и тема каждой открытки, а также отправлена ли она</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Отправить сейчас</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>Отправить выбранную открытку сейчас</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Отменить отправку</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>Не отправлять выбранную открытку</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Открыть выбранную открытку в редакторе</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>Удалить выбранную открытку из исходящих</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>каждый год</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(без темы)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>отправлена %1, следующая — через год</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>ожидает повторной попытки</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>ожидает пароля</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>возможно, отправлена: решите сами</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>отправлена %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>ошибка: %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>не отправлена</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>отправляется…</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>Последний ответ почтового сервера: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>повреждена: %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>Ничего не запланировано. В окне отправки отметьте «отправить» и выберите день.</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>Возможно, эта открытка уже есть у почтового сервера. Отправить её ещё раз?</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>Открытка для %1 отправлена.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>Открытка для %1 не отправлена повторно: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>Открытка для %1 не отправлена: %2. Следующая попытка — %3.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>Открытка для %1 не отправлена, попытки прекращены: %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>Открытка для %1 ожидает пароля для входа на почтовый сервер: введите его в параметрах почты, затем снова нажмите «Отправить».</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>Почтовый сервер получил всю открытку для %1, но не сообщил, принял ли он её (%2). Решите в исходящих, отправлять ли её ещё раз.</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>Открытку для %1 прямо сейчас отправляет другой экземпляр программы.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>Открытка для %1 не отправлена: %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>Не удаётся отменить отправку открытки: %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>Не удаётся удалить открытку: %1.</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>Собственный WAV-файл...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>Это один из ваших контактов, а не запись адресной книги: он остаётся.</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: не удаётся прочитать адресную книгу; она оставлена без изменений</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: не удаётся записать адресную книгу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>Текст для озвучивания</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Язык голоса</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>Запись голоса</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>Записать с микрофона (не более минуты)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>Прослушать запись</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Сохранить запись</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>Закрыть, ничего не сохраняя</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>Состояние записи</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>нет микрофона</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>Микрофон не найден: подключите или включите его, затем снова откройте окно записи.</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>микрофон по умолчанию</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>Нажмите «Записать» и говорите — не больше минуты.</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>Идёт запись… Нажмите «Стоп», когда закончите.</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>Записано %1 с. Прослушайте запись, сохраните её или запишите заново.</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>Микрофон отключился; то, что было записано до этого, сохранено.</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>Запись длится не больше минуты.</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>Не удаётся воспроизвести запись: не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Нет устройства вывода звука для прослушивания.</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>Записать сообщение своим голосом, которое прозвучит в начале открытки</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>Передать открытку в свою почтовую программу вместо отправки отсюда</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Отправить через мою почтовую программу</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>Поместить открытку в исходящие, чтобы отправить её в указанные ниже день и час</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Отправить в указанный день</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>Отправлять открытку каждый год в день рождения каждого получателя, в 8 часов утра</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Каждый год в день рождения</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>День и час отправки</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>Размер письма</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>Определяется, что войдёт в письмо…</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>Открытка отправляется как вложение с проигрывателем.</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>Не удаётся определить размер письма.</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>Письмо слишком большое для отправки: %1.</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>Открытка, запланированная на определённый день, отправляется отсюда: сначала отключите «через мою почтовую программу».</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>Выберите для открытки день и час в будущем.</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>Не удаётся запланировать открытку: %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>Открытка в исходящих. Она будет отправляться каждый год в день рождения каждого получателя, в 8 часов утра, впервые — %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>Открытка в исходящих. Она будет отправлена %1.</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>Пароль вашего почтового сервера не хранится в связке ключей: если в этот день Vimble e-mail не будет запущен, открытка будет ждать, пока вы не запустите программу и не введёте пароль.</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>С открыткой отправляется записанное сообщение</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>Голосовое сообщение нельзя отправить с этой открыткой: %1.</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>drug@example.org, podruga@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Получатели</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Текст письма</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>нет связки ключей: введите пароль на этот сеанс</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>Укажите, кому отправить открытку.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>Адрес «%1» нельзя использовать: он содержит «&lt;», «&gt;» или управляющий символ.</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>Сначала укажите почтовый сервер в параметрах.</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>Сначала укажите свой адрес электронной почты в параметрах.</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>Ваш адрес «%1» нельзя использовать как адрес отправителя.</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>Нет открытки для отправки.</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>Ещё отправляется другая открытка. Отправьте эту, когда будет показан результат.</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>Открытка не отправлена: для входа на почтовый сервер нужен пароль.</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>Не удаётся создать в %1 отдельную папку для копии открытки.</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>Не удаётся записать копию открытки в %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>Сейчас нельзя отправить открытку: процесс отправки не запустился.</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>Не удаётся записать голосовое сообщение рядом с копией открытки.</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>Отправить открытку</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>Закрыть без отправки</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>Почтовый сервер и ваш адрес</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>Отправить звуки и шрифты проигрывателя вместе с открыткой</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>Выбрать из тех, кому вы уже писали</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Любовь</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Праздники</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Вечеринка</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>сеансовая шина по адресу %1 принимает соединения, но не отвечает</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>на сеансовой шине не отвечает ни одна служба уведомлений рабочего стола: %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>на сеансовой шине не отвечает ни одна служба уведомлений рабочего стола: нет ответа</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>сеансовая шина по адресу %1 не отвечает: %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>сеансовая шина не запущена (DBUS_SESSION_BUS_ADDRESS не задана, а $XDG_RUNTIME_DIR/bus нет), поэтому уведомление рабочего стола показать нельзя</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>сбой службы связки ключей</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>сеансовая шина не запущена, поэтому сохранить пароль в связке ключей нельзя</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>связка ключей не сохранила пароль</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>Это изменение нельзя отменить: журнал отмены не смог его сохранить.</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>Объекты остались на месте: журнал отмены не смог сохранить их копию.</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>Этот звук прозвучал бы одновременно с другим звуком объекта.</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>%1 не передан объекту: %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. Нет: объект не движется</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 Справа налево</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 Справа налево, с увеличением</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 Справа налево, с уменьшением</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 Слева направо</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 Слева направо, с увеличением</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 Слева направо, с уменьшением</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 Снизу вверх</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 Снизу вверх, с увеличением</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 Снизу вверх, с уменьшением</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 Сверху вниз</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 Сверху вниз, с увеличением</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 Сверху вниз, с уменьшением</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 По кругу по часовой стрелке</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 По кругу по часовой стрелке, с увеличением</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 По кругу по часовой стрелке, с уменьшением</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 По кругу против часовой стрелки</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 По кругу против часовой стрелки, с увеличением</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 По кругу против часовой стрелки, с уменьшением</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 По эллипсу по часовой стрелке</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 По эллипсу по часовой стрелке, с увеличением</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 По эллипсу по часовой стрелке, с уменьшением</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 По эллипсу против часовой стрелки</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 По эллипсу против часовой стрелки, с увеличением</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 По эллипсу против часовой стрелки, с уменьшением</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. Случайные прыжки</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 Случайные прыжки, с увеличением</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 Случайные прыжки, с уменьшением</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>Торты и праздник</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Подарки</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Сердца</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Цветы</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>Звёзды и небо</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>Времена года и праздники</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>Лица и руки</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Животные</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>Еда и напитки</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>торт на день рождения</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>пирожное с клубникой</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>капкейк</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>хлопушка</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>шар с конфетти</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>празднующее лицо</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>воздушный шарик</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>пиньята</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>фейерверк</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>бенгальский огонь</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>бокалы</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>бутылка с вылетающей пробкой</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>пивные кружки</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>свеча</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>нота</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>ноты</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>зеркальный шар</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>микрофон</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>танцующая женщина</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>танцующий мужчина</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>театральные маски</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>лошадка с карусели</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>труба</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>барабан</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>подарок</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>бант</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>сердце с бантом</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>пакеты с покупками</translation>
    </message>
    <message>
        <source>package</source>
        <translation>посылка</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>любовное письмо</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>конверт</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>плюшевый мишка</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>воздушный змей</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>фрагмент пазла</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>видеоигра</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>кольцо</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>драгоценный камень</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>корона</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>кубок</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>золотая медаль</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>входные билеты</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>волшебная палочка</translation>
    </message>
    <message>
        <source>books</source>
        <translation>книги</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>палитра художника</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>гитара</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>клубок пряжи</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>сумочка</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>красное сердце</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>розовое сердце</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>оранжевое сердце</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>жёлтое сердце</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>зелёное сердце</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>синее сердце</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>голубое сердце</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>фиолетовое сердце</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>коричневое сердце</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>чёрное сердце</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>серое сердце</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>белое сердце</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>два сердца</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>кружащиеся сердца</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>бьющееся сердце</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>растущее сердце</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>сверкающее сердце</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>сердце со стрелой</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>украшение с сердцем</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>восклицательный знак в виде сердца</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>разбитое сердце</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>след поцелуя</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>пара с сердцем</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>руки в форме сердца</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>букет</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>цветок сакуры</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>белый цветок</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>цветок-розетка</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>роза</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>увядший цветок</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>гибискус</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>подсолнух</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>цветок</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>тюльпан</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>лотос</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>гиацинт</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>росток</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>растение в горшке</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>ёлка</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>лиственное дерево</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>пальма</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>кактус</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>четырёхлистный клевер</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>трилистник</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>кленовый лист</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>опавший лист</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>листья на ветру</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>сноп риса</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>гриб</translation>
    </message>
    <message>
        <source>star</source>
        <translation>звезда</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>сияющая звезда</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>блёстки</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>кружащаяся звезда</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>падающая звезда</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>солнце</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>солнце с лицом</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>полная луна с лицом</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>полумесяц</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>месяц с лицом</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>полнолуние</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>радуга</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>молния</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>огонь</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>взрыв</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>комета</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>планета с кольцом</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>глобус с Европой и Африкой</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>Млечный Путь</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>восход солнца</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>солнце за облаком</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>облако</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Ёлка</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>Санта-Клаус</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>миссис Клаус</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>снеговик без снега</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>снеговик</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>снежинка</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>колокольчик</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>носки</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>тыква-фонарь</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>привидение</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>паутина</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>вылупляющийся цыплёнок</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>яйцо</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>гнездо с яйцами</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>кролик</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>украшение из сосны</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>японские куклы</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>флажки-карпы</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>музыка ветра</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>красный конверт</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>красный бумажный фонарик</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>масляная лампа дия</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>менора</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>выпускная шапочка</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>свадьба</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>человек в фате</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>человек в смокинге</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>младенец</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>детская бутылочка</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>пляж с зонтиком</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>широко улыбающееся лицо</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>широко улыбающееся лицо с большими глазами</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>широко улыбающееся лицо с улыбающимися глазами</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>сияющее лицо с улыбающимися глазами</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>улыбающееся лицо с каплей пота</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>лицо со слезами радости</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>катается по полу от смеха</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>улыбающееся лицо с улыбающимися глазами</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>улыбающееся лицо с нимбом</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>слегка улыбающееся лицо</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>подмигивающее лицо</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>улыбающееся лицо с глазами-сердечками</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>улыбающееся лицо с сердечками</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>лицо, посылающее воздушный поцелуй</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>лицо, облизывающееся от вкусной еды</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>подмигивающее лицо с высунутым языком</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>дурашливое лицо</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>улыбающееся лицо с раскрытыми ладонями</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>лицо с глазами-звёздами</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>улыбающееся лицо в солнечных очках</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>лицо, сдерживающее слёзы</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>плачущее лицо</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>рыдающее лицо</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>лицо с открытым ртом</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>спящее лицо</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>задумчивое лицо</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>лицо, прикрывающее рот рукой</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>широко улыбающийся кот</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>улыбающийся кот с глазами-сердечками</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>машущая рука</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>большой палец вверх</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>аплодисменты</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>поднятые руки</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>сложенные ладони</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>рукопожатие</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>знак победы</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>скрещённые пальцы</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>напряжённый бицепс</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>морда собаки</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>морда кошки</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>морда кролика</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>лиса</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>медведь</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>панда</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>коала</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>морда тигра</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>лев</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>морда коровы</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>морда свиньи</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>лягушка</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>морда обезьяны</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>курица</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>пингвин</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>птица</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>цыплёнок</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>сова</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>единорог</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>пчела</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>бабочка</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>божья коровка</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>черепаха</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>дельфин</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>кит с фонтаном</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>тропическая рыбка</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>осьминог</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>жираф</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>слон</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>ёж</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>следы лап</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>клубника</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>вишни</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>красное яблоко</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>арбуз</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>виноград</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>банан</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>персик</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ананас</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>киви</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>лимон</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>пицца</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>гамбургер</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>попкорн</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>крендель</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>круассан</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>блинчики</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>мягкое мороженое</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>мороженое</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>пончик</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>печенье</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>плитка шоколада</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>конфета</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>леденец на палочке</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>пудинг</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>горшочек мёда</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>пирог</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>горячий напиток</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>чашка без ручки</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>бокал вина</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>бокал для коктейля</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>тропический коктейль</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>стакан с трубочкой</translation>
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
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>Живые открытки</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>ещё</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>кадр</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Слои</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Объекты</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Эффекты</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Положение и размер</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
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
        <translation>Размер</translation>
    </message>
    <message>
        <source>width</source>
        <translation>шир.</translation>
    </message>
    <message>
        <source>height</source>
        <translation>выс.</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>Текст и цвета</translation>
    </message>
    <message>
        <source>font</source>
        <translation>шрифт</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>цвет</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>без заливки</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>заливка</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Эффект</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>кадров</translation>
    </message>
    <message>
        <source>start</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>по окончании:</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>на экране</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>вне экрана</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>Свойства проекта</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>Выход MIDI</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>Добавить звук</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>С кадра</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>До кадра</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>Озвучка текста</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>голос</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>м / ж</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>Параметры почты</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>почтовый сервер</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>ваш адрес e-mail</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>соединение: обычное, STARTTLS (587) или TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>имя пользователя (пусто: без входа)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>пароль (хранится в связке ключей)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>показывать открытку в письме</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>вкладывать проигрыватель</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>вкладывать видео со звуком</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>вкладывать файл открытки</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>Отправка открытки</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Кому</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Текст письма</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>через мою почтовую программу</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>отправить</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>каждый год в день рождения</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>search</source>
        <translation>поиск</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>адрес e-mail</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>день рождения (1990-05-17 или --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Исходящие</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>запланированные открытки</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>Запись голоса</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>микрофон</translation>
    </message>
    <message>
        <source>level</source>
        <translation>уровень</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>больше не спрашивать</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>имя файла</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>тип файла</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>Отправить…</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>Контакты…</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Исходящие…</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>Экспорт плеера…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Экспорт видео…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>Свойства…</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Библиотеки</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Панель рисования</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>Диспетчер слоёв</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>Импорт рисунка…</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>Импорт MIDI…</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Справка (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>Цвет фона…</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Убрать фон</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>Фоны…</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>Убрать музыку</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>Звуки…</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>Свойства проекта…</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>На слой выше</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>На слой ниже</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>Добавить звук…</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>Добавить озвучку…</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>Записать звук…</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Другие кнопки</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Первый кадр</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Предыдущий кадр</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Следующий кадр</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Последний кадр</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Закрыть проигрыватель</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Многоугольник</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Текст в прямоугольнике</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Текст в эллипсе</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Библиотека</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Страница вверх</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Страница вниз</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Без заливки</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>Остаётся на экране</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>Уходит с экрана</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Анимации</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>Клипарты</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Фоны</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Прокрутка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Больше не спрашивать</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>С проигрывателем</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>Ваш голос</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Обычное</translation>
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
        <translation>Показывать открытку в письме</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>Вкладывать проигрыватель</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>Вкладывать видео</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Вкладывать файл открытки</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Через мою почтовую программу</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Отправить в указанный день</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Каждый год в день рождения</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>Мужской голос</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>Женский голос</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>Родительская папка</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>Создайте новую открытку</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>Файл ▸ Создать — или откройте уже созданную открытку</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Прежние версии…</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>файл короче, чем должен быть (не хватает байт: %1)</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>в тексте повторяется метка широких символов</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>текст указывает длину %1 байт, а осталось %2</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>блок указывает длину %1 байт, а осталось %2</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>список указывает %2: %1, а осталось байт: %3</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1: ошибка чтения на байте %2 в «%3» (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1: ошибка записи в «%2» (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: не удаётся записать</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1: не удаётся сохранить изображение</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: не файл BMP</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1: слишком велик для BMP</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>у упакованного растра размером %1 байт нет заголовка</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>у блока растра размером %1 байт нет заголовка</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>заголовок растра обрезан</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>заголовок растра указывает %1 байт, а в блоке %2</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>высота растра вне допустимого диапазона</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>заголовок растра размером %1 байт неизвестного типа</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>размер растра %1 x %2 пикселей вне допустимого диапазона</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>растр с числом плоскостей %1</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>растр с глубиной цвета %1 бит на пиксель</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>растр со сжатием %1 при %2 бит на пиксель</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>таблица цветов с числом записей %1</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>битовые маски обрезаны</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>битовая маска 0x%1 не соответствует пикселям</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>таблица цветов (записей: %1) выходит за пределы блока</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>для пикселей нужно %1 байт, а осталось %2</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>недостаточно памяти для изображения %1 x %2</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>поток RLE обрывается раньше времени на байте %1</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>несжатый участок RLE выходит за пределы данных на байте %1</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>эффекты</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>слои</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>сцены</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>звуки</translation>
    </message>
    <message>
        <source>points</source>
        <translation>точки</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>глубина вложенности клипов больше %1</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>тип фигуры %1 не входит в диапазон от 0 до 2</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>нарисованный объект без фигуры</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>тип рисуемого объекта %1 не входит в диапазон от 1 до 4</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>у объекта «%1» нет сцены, и он не рисуется</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>у объекта «%1» нет списка эффектов, и он не рисуется</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>не удаётся создать буфер сцены размером %1 x %2 пикселей</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1: не удаётся создать рабочие файлы ни рядом с ним, ни в %2</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1: не удаётся создать рабочие файлы</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1: недостаточно памяти для распаковки</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1: не файл проекта (нет метки заголовка)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>не удаётся прочитать звуковой файл %1</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>не удаётся записать рабочий файл звука в %1</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>недостаточно памяти для журнала отмены</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>не удаётся создать папку журнала отмены в %1</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>не удаётся создать файл состояния отмены в %1</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>состояние отмены</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>недостаточно памяти для сохранения состояния отмены</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>недостаточно памяти для загрузки состояния отмены</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>состояние отмены объекта %1 отсутствует (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>состояние отмены объекта %1 отсутствует</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>состояние отмены %1 имеет тип %2, не соответствующий ни одному классу</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>текст из 2-байтовых символов содержит половину пары символов</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: не удаётся записать (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1: не удаётся создать (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>нет её описания</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>её описание не читается</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>нет её файла проекта %1</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>её файл %1 — не файл проекта</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: такой копии для восстановления нет</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>Копия для восстановления открытки %1 не записана: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>«%1» — не имя копии для восстановления</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>её не удаётся прочитать обратно (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>не удаётся создать её снимок</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1: копию для восстановления не удаётся прочитать (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1: не удаётся сохранить прежнюю версию (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1: прежней версии %2 нет</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1: прежнюю версию %2 не удаётся прочитать (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>Ваша открытка не сохраняется во время работы: %1

Можно продолжать работу; сохраните открытку, чтобы не потерять её.</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>Восстановленную открытку «%1» не удаётся открыть: %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>Прежних версий «%1» пока нет: каждое сохранение поверх неё сохраняет версию, которую заменяет.</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>Прежнюю версию не удаётся открыть: %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>Небо с шариками</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Конфетти</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>Розовый рассвет</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>Бумага с сердечками</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>Снежная ночь</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>Зимний лес</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>Огни сцены</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>Флажки</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>Красный шарик</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>Бирюзовый шарик</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>Жёлтый шарик</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Праздничный торт</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Подарочная коробка</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Праздничный колпак</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Капкейк</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>Красное сердце</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>Розовое сердце</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>Шарик-сердце</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Роза</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>Любовное письмо</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Цветок</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Ёлка</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Снеговик</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>Ёлочный шар</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>Карамельная трость</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Снежинка</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>Красный подарок</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>Золотая звезда</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>Бирюзовая звезда</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Шампанское</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>Ноты</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Хлопушка</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>Улыбающееся солнце</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>Взлетающие шарики</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>Подарок и звезда</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>Танцующие сердца</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>Парящие сердца</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>Снегопад</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>Мерцающая ёлка</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>Кружащиеся звёзды</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>Музыка в воздухе</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>С днём рождения</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>Мерцай, звёздочка</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>Колокольчики любви</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>Jingle Bells</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>Ода к радости</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Аплодисменты</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Фанфары</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>Искорки</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Хлопок</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>Пружинка</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: не удаётся прочитать адресную книгу; она оставлена без изменений</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: не удаётся записать адресную книгу</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64: нужны входной и выходной файлы</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>файл %1 не найден</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: не удаётся записать</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>Ошибка %1: не удаётся скопировать программу проигрывателя в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>Ошибка %1: не удаётся скопировать данные проигрывателя в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>Ошибка %1: не удаётся скопировать открытку в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>Ошибка %1: одна из частей слишком велика для пакета проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>Ошибка %1: не удаётся записать длины частей в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Ошибка %1: не удаётся записать название открытки в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Ошибка %1: не удаётся записать длину названия открытки в пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>Ошибка %1: не удаётся записать завершающую метку пакета проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>Ошибка %1: не удаётся закрыть пакет проигрывателя</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>Ошибка %1: не удаётся записать пакет проигрывателя</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1: Ошибка! Файл не найден</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1: Ошибка! Файл используется другой программой</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1: слишком велик для пакета проигрывателя</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>строка %1: карточка заканчивается до END:VCARD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>строка %1: в карточке нет ни имени, ни адреса</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>строка %1 не является свойством vCard</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>строка 1: в заголовке нет ни столбца имени, ни столбца адреса электронной почты</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>строка %1: полей %2, а в заголовке %3</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>строка %1: ожидалось 7 полей, разделённых табуляцией, найдено %2</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>строка %1: нет названия</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>строка %1: «%2» — не домен в нижнем регистре</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>строка %1: «%2» — не имя сервера</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>строка %1: «%2» — не номер порта</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>строка %1: «%2» — ни tls, ни starttls</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>строка %1: «%2» — не ключ способа входа</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>строка %1: страница справки — не адрес https</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>почтовой программе передан несуществующий файл</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>на этом рабочем столе не настроена почтовая программа (xdg-email её не нашёл)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>почтовая программа не смогла принять открытку</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>сбой xdg-email (код завершения %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>не удаётся создать папку в %1</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email не установлен (он входит в пакет xdg-utils)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>не удаётся запустить xdg-email: %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email завершился аварийно</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>не удалось дождаться завершения xdg-email</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>не удаётся скопировать %1 для письма</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>размер открытки — %1 даже с самыми маленькими изображением и видео; письмо может быть не больше %2</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>видео не включено: %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>Отрисовка открытки</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>отправка отменена</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>не удаётся создать изображение и видео открытки: %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>Уменьшение изображения</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>Уменьшение видео</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>не удалось создать вложение: в папке данных %2 нет %1</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>не удалось создать вложение: не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>не удалось создать вложение: не удаётся записать пакет проигрывателя для %1</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>почтовый сервер %1 предлагает вход только без TLS, и пароль могли бы перехватить посторонние</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>почтовый сервер %1 не предлагает способа входа, который поддерживает эта программа (AUTH PLAIN или LOGIN)</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>почтовый сервер %1 не предлагает входа, а настройки его требуют</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>почтовый сервер %1 сейчас не может проверить имя пользователя и пароль (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>почтовый сервер %1 отклонил имя пользователя или пароль (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>не удалось создать вложение: папка данных не задана, поэтому программа проигрывателя не найдена</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>не удалось создать вложение: не удаётся скопировать %1</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1: не удаётся скопировать для вложения</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>не удалось создать вложение: не удаётся записать вложение %1</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>почтовый сервер %1 отклонил «%2»: %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>не удалось создать вложение: не удаётся закодировать вложение %1</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>пароль для %1 на почтовом сервере %2 неизвестен (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>пароль для %1 на почтовом сервере %2 неизвестен</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>почтовый сервер %1 не поддерживает STARTTLS, а настройки его требуют</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>почтовый сервер %1 отклонил соединение: %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>почтовый сервер %1 отклонил всех получателей: %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>не удаётся создать отдельную папку для изображения и видео открытки</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>не удалось создать вложение: не удаётся прочитать закодированное вложение</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>размер открытки (%1 байт) больше предела почтового сервера %3 (%2 байт)</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>не удаётся отметить в исходящих, что открытка отправляется</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>почтовый сервер %1 отклонил письмо: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>не удаётся скопировать %1 для вложения с проигрывателем</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>не удаётся подготовить %1 для %2</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>у открытки нет получателя</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>открытку никто не получил: %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>Открытка передана в вашу почтовую программу и готова к отправке. Её файлы находятся в %1.</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>Ваша открытка отправлена (%H:%M:%S).</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>Кому отправлена: %1.</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>Почтовый сервер отклонил этих получателей: %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>Программе %s не удалось отправить вашу открытку.</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>Что пошло не так: %1.</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>не удаётся создать отдельную временную папку для вложения</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>запись обрезана</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>это не запись исходящих</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>в записи есть строка без «=»</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>запись пуста</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>у записи неизвестное состояние</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>в записи указано время, которое не удаётся прочитать</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>не удаётся прочитать число попыток в записи</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>не удаётся прочитать параметры защиты в записи</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>не удаётся прочитать ограничение размера в записи</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>в записи есть переключатель со значением, отличным от 0 и 1</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>у ежегодной записи нет дня рождения</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>в записи не указан получатель</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>в записи не указан почтовый сервер</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>в записи не указан файл открытки</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>не удаётся прочитать файл открытки %1</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>не удаётся создать папку в исходящих %1</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>не удаётся поместить %1 в исходящие</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>для запланированной открытки нужен почтовый сервер: укажите его в параметрах почты</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>день рождения для %1 неизвестен: добавьте его в контакты</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>в ней нет записи</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>её запись не удаётся прочитать</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>в ней нет файла открытки %1</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>не удаётся сохранить запись %1 в исходящих</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>в исходящих нет открытки %1</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>не удаётся отменить отправку открытки %1: %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>открытка %1 отправляется прямо сейчас</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>открытка %1 уже отправлена</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>открытка %1 ещё ожидает отправки или отправляется: сначала отмените её отправку</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>не удаётся удалить открытку %1: %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>её отправляет другой экземпляр программы</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>она уже отправлена</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>её отправка уже отменена</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>Открытка отправлена</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>Ваша открытка «%1» для %2 отправлена.</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>Открытка не отправлена</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>Не удалось отправить вашу открытку «%1» для %2: %3.</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>Открытка, возможно, не отправлена</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>Почтовый сервер не сообщил, принял ли он вашу открытку для %1. Откройте исходящие, чтобы отправить её ещё раз или оставить как есть.</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>Скоро день рождения</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>%1: через несколько дней день рождения, а открытка к нему ещё не запланирована.</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>не удаётся нарисовать открытку: у программы нет шрифтов</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>недостаточно памяти, чтобы нарисовать открытку</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>не удаётся создать изображение открытки: %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>изображение открытки слишком велико для письма: %1 байт при %2 × %3, допускается не более %4</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>причина не указана</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>у почтового сервера «%1» неверный номер порта</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>имя почтового сервера «%1» — не имя хоста</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>почтовый сервер %1 не найден (зарезервированное, недопустимое имя)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>почтовый сервер %1 не найден (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>почтовый сервер %1 не ответил вовремя (при подключении)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>при подключении: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>почтовый сервер %1 не ответил вовремя (при отправке)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>при отправке: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>почтовый сервер %1 не ответил вовремя (при ожидании ответа)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>при ожидании ответа: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>почтовый сервер %1 не ответил вовремя (при согласовании TLS)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>при согласовании TLS: %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>не удаётся подключиться к почтовому серверу %1: %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>соединение с почтовым сервером закрыто</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>сбой отправки на почтовый сервер %1: %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>почтовый сервер %1 прислал то, что не является ответом: %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>почтовый сервер %1 смешал разные коды в одном ответе</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>почтовый сервер %1 прислал слишком длинный ответ</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>почтовый сервер %1 закрыл соединение</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>сбой получения данных от почтового сервера %1: %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>соединение прервано</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>не удаётся настроить TLS для почтового сервера %1: %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>сертификату почтового сервера %1 нельзя доверять: %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>почтовый сервер %1 закрыл соединение во время согласования TLS</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>сбой согласования TLS с почтовым сервером %1: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>В соединении отказано</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Истекло время ожидания соединения</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Нет маршрута до узла</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Сеть недоступна</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Соединение сброшено другой стороной</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Соединение прервано программой</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Соединение разорвано</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Имя или служба неизвестны</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Временный сбой при разрешении имени</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Неустранимый сбой при разрешении имени</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>изображение %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>видео со звуком %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>файл открытки %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>около %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not a valid file!</source>
        <translation>Недопустимый файл!</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>Ошибка 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>Произошла другая ошибка</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>Недостаточно памяти! Закройте программу и устраните проблему!</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>Недостаточно памяти (3)!</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>Не удаётся изменить адресную книгу: папка данных не задана</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>Адресная книга не обновлена: папка данных не задана</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>Программа проигрывателя не найдена: папка данных не задана</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Многоугольник</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Текст в прямоугольнике</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Текст в эллипсе</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1: изображение повреждено или обрезано</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1: изображение повреждено или обрезано (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1: изображение слишком велико (%2 x %3 пикселей; читается не более %4 мегапикселей)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1: изображения WebP здесь не читаются: нет модулей форматов изображений Qt</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1: это не изображение, которое можно прочитать (PNG, JPEG, GIF, WebP, BMP, HEIC или AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1: недостаточно памяти для изображения</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: файл пуст</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1: файл слишком велик для изображения</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1: эта сборка программы не читает изображения HEIC и AVIF</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>использование: %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>воспроизводит открытку из файла FILE (пакет проигрывателя или проект .kel) или открытку, встроенную в эту программу</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play: не удаётся установить обработчики сигналов</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play: не удаётся создать отдельную папку во временном каталоге</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1: в этой программе нет открытки; укажите открытку для воспроизведения</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play: нет экрана, на котором можно показать открытку (переменная DISPLAY не задана)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>не удаётся открыть открытку</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: не удаётся записать</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: не удаётся открыть</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1: данные проигрывателя в этой открытке повреждены: %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1: в данных проигрывателя указан SoundFont «%2»</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1: не удаётся прочитать данные проигрывателя</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1: открытка в этом файле пуста</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1: не удаётся скопировать открытку в %2</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1: открытка в этом файле повреждена (сумма длин её частей не совпадает с длиной файла)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1: не удаётся скопировать в %2</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1: в этом файле нет открытки</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>метка не совпадает с %1</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>заголовок обрывается после %1 байт</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>версия %1 вместо %2</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>в заголовке указано записей: %1, а осталось байт: %2</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>запись %1: длина её имени обрывается на байте %2</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>запись %1: имя длиной %2 байт</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>запись %1: имя указывает длину %2 байт, а осталось %3</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>запись %1 (%2): длина её данных обрывается на байте %3</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>запись %1 (%2) указывает длину %3 байт, а осталось %4</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>запись %1: имя «%2» недопустимо или повторяется</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>после последней записи остались лишние байты: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>этого пароля ждёт запланированная открытка</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>Сцена</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1, %2, в точке %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>клипарт</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>анимация</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>изображение</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>фигура</translation>
    </message>
    <message>
        <source>object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>без названия</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>Не удаётся экспортировать открытку: нет проигрывателя «%1».</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>воспроизведено</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>проигрыватель сейчас не может этого сделать</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>выход MIDI не готов</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>файл не является воспроизводимым MIDI-файлом</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>выход MIDI отклонил запрос</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>SoundFont не установлен</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>нет SoundFont</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>нет вывода звука</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>Синтезатор (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>запись беззвучна: может быть, микрофон выключен или его громкость убавлена?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>кадр %1 находится за концом анимации (кадров: %2)</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1: не удаётся создать рабочую копию в %2</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>звук прозвучал бы одновременно с другим звуком объекта %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>не удалось открыть ни одно звуковое устройство</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>звуковая система не запустилась: %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>микрофон не найден</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>не удалось открыть микрофон: %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>не удаётся запустить синтезатор речи: espeak-ng не запустился</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>не удаётся запустить синтезатор речи: в espeak-ng нет английского голоса (установлен ли пакет espeak-ng-data?)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>у синтезатора речи нет женского английского голоса</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>у синтезатора речи нет мужского английского голоса</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>текст слишком длинный для озвучки (более %1 мин)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>синтезатор речи не смог произнести текст</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>SoundFont «%1» не существует</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>«%1» — не SoundFont</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>не удаётся запустить синтезатор</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>не удаётся загрузить SoundFont «%1»</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>не удаётся загрузить SoundFont «%1»: %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>блок формата WAV-файла слишком короткий</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>расширенный блок формата WAV-файла слишком короткий</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>сжатые WAV-файлы (формат %1) не поддерживаются</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>каналов в WAV-файле: %1; воспроизводится от 1 до %2</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>частота дискретизации WAV-файла %1 Гц вне диапазона от %2 до %3 Гц</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>WAV-файлы с плавающей точкой и %1 бит на отсчёт не поддерживаются</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>WAV-файлы PCM с %1 бит на отсчёт не поддерживаются</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>размер блока WAV-файла (%1 байт) не соответствует числу его каналов (%2) по %3 байт</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>не файл RIFF/WAVE</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>WAV-файл обрезан</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>в WAV-файле нет блока формата</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>в WAV-файле нет звуковых данных</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>WAV-файл слишком длинный для воспроизведения (более %1 мин)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>WAV-файл не найден</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>WAV-файл слишком большой (более 2 ГБ)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>не удаётся прочитать WAV-файл</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>в открытке нет объекта, которому можно дать звук</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>нет объекта %1 (всего объектов в открытке: %2, нумерация с 0)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>у каждого объекта открытки в это время уже звучит звук</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>данные волнового файла IMA ADPCM повреждены (индекс шага %1)</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>волновые файлы IMA ADPCM с %1 битами на отсчёт не поддерживаются</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>размер блока волнового файла IMA ADPCM (%1 байт) не подходит для его %2 каналов</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 повреждён: его звук не удаётся декодировать</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>%1 не найден</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 не является аудиофайлом читаемого вида (WAV, MP3, M4A, Ogg Vorbis, Opus или FLAC)</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 не содержит звука</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 содержит звук вида, который не удаётся декодировать (%2)</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1: часть с %2 с начинается после конца песни (%3 с)</translation>
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
        <translation>%1: сбой</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>использование: vimble-tool КОМАНДА АРГУМЕНТЫ</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>использование: %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: не удаётся записать</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1: не анимация, не клипарт, не фон и не звук</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>закодировать или раскодировать файл кодеком проектов</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>записать новый пустой проект</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>файл .kel, .hdr или .zty в виде JSON</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>открыть проект и сохранить его заново</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>кадры непрерывного воспроизведения с начала в виде анимированного изображения или видео со звуком</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>нет папки данных: задайте DataFiles1 или укажите --data DIR</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>не удаётся создать временную папку</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>не удаётся скопировать в %1</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>не удаётся запустить процесс отправки</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>не пакет проигрывателя</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1: файл повреждён или нечитаем; показаны записи до повреждённого места</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1: файл повреждён или нечитаем; оставлен без изменений</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1: нет записи %2 (всего записей: %3)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>отправить проект по почте как открытку с изображением, видео и файлом или передать его почтовой программе</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>записать вложение с проигрывателем для проекта</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>записать части пакета в DIR и вывести его завершающий блок в виде JSON</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>закодировать файл как MIME-часть base64 или раскодировать такую часть</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>показать или изменить адресную книгу</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1: файл повреждён; оставлен без изменений</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>не дата рождения: %1 (1990-05-17 или --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>нет контакта %1</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>вывести контакты в виде JSON, импортировать файлы vCard или CSV, экспортировать в vCard 4.0, добавить или удалить контакт</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>запланировать открытки на день или на каждый день рождения, вывести их в виде JSON, отменить и отправить те, срок которых наступил</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>не адрес электронной почты (NAME@DOMAIN)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>вывести в виде JSON почтовый сервер, через который отправляется почта с этого адреса, и где он был найден</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: не файл BMP</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>что сообщает заголовок файла BMP и раскодируется ли файл</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>неподвижное изображение или кадры непрерывного воспроизведения с начала</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>CSV с эффектом отрисовки, положением и размером каждого объекта, кадр за кадром</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1: микрофон не передаёт звук</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1: микрофон отключился через %2 с; то, что было записано до этого, сохранено</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>S секунд (от 1 до 60, по умолчанию 10) с микрофона, после очистки, в виде WAV (моно)</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>SoundFont не установлен</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1: музыка не звучит: %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1: недостаточно памяти для звука</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1: результат %2: %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>как звучит непрерывное воспроизведение с начала, в виде WAV (стерео, 44,1 кГц)</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>что находит в файле модуль чтения MIDI, либо результат проигрывателя MIDI и его причина</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1: не удаётся открыть как библиотеку ресурсов</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale принимает коэффициент от 1 до 4</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1: не удаётся получить там список файлов заголовков библиотеки (*.hdr)</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(пустая папка данных: /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>проверить библиотеку ресурсов (каждый элемент оформления в масштабе 1x, 1,5x и 2x, элементы с надписями — также на каждом языке) или нарисовать все элементы на одном листе (в масштабе экрана)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>каталоги и категории, которые строит сканирование при запуске (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>текст не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>нет объекта %1 (всего объектов в открытке: %2, нумерация с 0)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>объект %1 — не текст</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>проект, в котором заменён текст объекта I (текста, считая с 0)</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: такой копии для восстановления нет</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1: копию для восстановления не удаётся удалить</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>вывести в виде JSON копии для восстановления изменяемых открыток, записать одну из них или удалить её</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>вывести в виде JSON прежние версии открытки, заменённые при сохранении (1 — самая новая), или записать одну из них</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1: в проекте нет сцены</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>проект с изображением (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) в качестве фона или нового объекта, по центру, если не указано место, в рамке по запросу</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>проект со звуком, добавленным к объекту (с 0) на кадре N; записанный голос звучит один раз; песня (MP3, M4A, Ogg, Opus, FLAC или wave с параметрами) даёт свою часть с S секунд длиной N (до конца, не более 60), с плавным нарастанием и затуханием за F, сжатую</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>нет открытки для экспорта</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>размер должен быть от 2 x 2 до 4096 x 4096</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>первый кадр должен идти раньше последнего</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>экспорт может содержать не более 30000 кадров (один час)</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>число повторов должно быть от 0 (бесконечно) до 1000</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>музыка не звучит: %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>недостаточно памяти для звука</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>нет открытки для отрисовки</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>изображение или видео такого размера создать нельзя</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>не удаётся прочитать копию открытки</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>недостаточно памяти для компоновки кадров</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>кадры видео указывают размер %1 x %2 (допускается не более %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>кадр %1 имеет размер %2 x %3</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>не удаётся преобразовать изображения видео в RGB</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>не удаётся преобразовать кадр %1 в RGB: %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>не удаётся преобразовать кадр %1 в RGB</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>недостаточно памяти для кадра видео</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>не удаётся вернуть видео к началу: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>это не файл (а папка или устройство)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>не удаётся прочитать файл как видео: %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>в файле нет видео (его первый поток — не видеопоток)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>числитель или знаменатель частоты кадров видео равен 0</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>не удаётся прочитать потоки файла: %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>видео не сообщает размер своих кадров</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>числитель (%1) или знаменатель (%2) частоты кадров видео не больше 0</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>видео указывает частоту %1 кадр/с (воспроизводится от 0,1 до 1000)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>видео указывает длину в кадрах: %1 (воспроизводится от 1 до 10000000)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>в видеобиблиотеках нет декодера для видео %1</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>недостаточно памяти для видеодекодера</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>не удалось открыть декодер %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>недостаточно памяти для кадров видео</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>недостаточно памяти для кадров видео: %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>видео не открыто</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>кадра %1 нет в видео (от 0 до %2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>файл заканчивается до кадра %1 (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>файл заканчивается до кадра %1</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>не удаётся декодировать кадр %1: %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>в установленных видеобиблиотеках нет кодировщика MPEG-4</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>в установленных видеобиблиотеках нет кодировщика VP9 или VP8 (libvpx)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>в установленных видеобиблиотеках нет кодировщика Opus или Vorbis (libopus, libvorbis)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>в установленных видеобиблиотеках нет кодировщика H.264 (libx264)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>в установленных видеобиблиотеках нет кодировщика AAC</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>анимированный PNG</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>в установленных видеобиблиотеках нет кодировщика анимированного PNG</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>установленные видеобиблиотеки не могут записывать файлы %1</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>установленные видеобиблиотеки не могут записывать файлы %1: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>кодировщик %1 отклонил кадр: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>кодировщик %1 не смог завершить работу: %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>сбой кодировщика %1: %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>не удалось записать видеофайл: %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>недостаточно памяти для кодировщика %1</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>не удалось открыть кодировщик %1: %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>не удалось настроить поток %1: %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>не удаётся преобразовать звук для кодировщика %1: %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>недостаточно памяти для звука</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>недостаточно памяти для звука: %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>в очереди звука потеряны отсчёты</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>не удалось преобразовать звук: %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>размер видео должен быть от 2 x 2 до %1 x %2</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>кадр видео должен длиться от 1 до 10000 мс</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>число повторов не может быть отрицательным</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>длительность кадров или битрейт видео вне допустимого диапазона</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>не удаётся создать файл: %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>не удалось записать заголовок файла %1: %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>нет видео, открытого для записи</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>кадр пуст</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>недостаточно памяти для кадра</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>недостаточно памяти для кадра: %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>не удаётся преобразовать кадр для кодировщика %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>не удаётся преобразовать кадр для кодировщика %1: %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>у этого видео нет звуковой дорожки</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>для стереозвука нужно чётное число отсчётов</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>не удалось записать конец видеофайла: %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>не удалось закрыть видеофайл: %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
</context>
</TS>

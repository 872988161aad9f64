<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>/ 1 フレーム</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>/ %1 フレーム</translation>
    </message>
    <message>
        <source>end</source>
        <translation>最後まで</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>開始には 0 以上の整数を入力してください。</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>終了は空欄にするか、%1 以上の整数を入力してください。</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>終了を空欄にすると、一時停止またはカードの終わりまで再生されます。</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>入力欄の内容で連絡先を追加します</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>選択した連絡先を入力欄の内容に変更します</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>選択した連絡先を削除します</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>vCard または CSV ファイルから連絡先を読み込みます</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>連絡先を vCard ファイルに書き出します</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>%1 には読み込めない連絡先データがあります (%2)。内容は表示しますが、ファイルは変更しません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>「%1」はメールアドレスではありません。</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>先に名前かメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>「%1」は誕生日の形式ではありません。1990-05-17 のように、または年を省いて --05-17 のように入力してください。</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>%1 には読み込めない連絡先データがあるため、ファイルは変更されません。先にファイルを修復するか、別の場所に移動してください。</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>先に一覧から連絡先を選択してください。</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>%1 件を追加、%2 件を統合しました。</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>スキップしました: %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> ほか %1 件。</translation>
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
        <translation>カードを送信しています</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>カードを送信しています: %1、%2%</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>エフェクトは追加されませんでした。ドロップした場所にオブジェクトがなく、オブジェクトも選択されていません。オブジェクトの上にドロップするか、先にオブジェクトを選択してください。</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>カードを %1 に書き出せません: %2。</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>カードを書き出せません: %1 にカードの作業用コピーを書き込めません。</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>カードを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>カードを %1 に書き出せません。</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>カードを %1 に書き込めません。</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>録音を %1 に書き込めません。</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>送信が終了しました</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>背景のメニュー</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>オブジェクトのメニュー</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>アニメーション GIF 画像</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>アニメーション PNG 画像</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>WebM 動画</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>MP4 動画</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>貼り付けた画像</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>%1 を配置できませんでした: 先にカードを開くか新しく始めてから、画像をそのステージにドロップしてください。</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>%1 を追加できませんでした: 曲は、それを鳴らすオブジェクトの上にドロップしてください。</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 はここでは使えません: ステージにドロップできるのは画像 (PNG、JPEG、GIF、WebP、BMP、HEIC、AVIF)、曲 (オブジェクトの上に)、カード (.kel) だけです。</translation>
    </message>
</context>
<context>
    <name>CEmojiPicker</name>
    <message>
        <source>Emoji</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>名前で検索</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>絵文字を名前で検索</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>その名前の絵文字はありません。</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>開始しています…</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>色を選んでいます: フレーム %1 / %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>フレーム %1 / %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 を開いています</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 を保存しています</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>開始しています…</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>ファイルを読み込んでいます…</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>展開しています…</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>カードを組み立てています…</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>カードをまとめています…</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>圧縮しています…</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>ファイルを書き込んでいます…</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>復元できるカード</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>これらのカードが保存される前にエディターが終了しました。</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>以前の版</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>「%1」の以前の版</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>それぞれ、保存で置き換えられる前のカードです。</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>各カードの名前、元の場所、控えを取った日時</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>各版が置き換えられた日時とサイズ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>選んだカードをエディターで開く</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>選んだカードを好きなファイルに保存する</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>確認してから、選んだカードを破棄する</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>このウィンドウを閉じ、すべてのカードを次回の起動まで残す</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>選んだ版を別のカードとしてエディターで開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>このウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>%1 %2 に控え</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>%1 %2 までの内容</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>この控えは読み込めません。</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>開けません: %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>復元したカード「%1」を破棄しますか？元には戻せません。</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;エラー&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: フレーム %2～%3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1: フレーム %2 から</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>1 ページ上へ</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>1 ページ下へ</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>ライブラリの項目</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>ライブラリブラウザー</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>アカウントのセキュリティ設定で作成したアプリパスワードでログインしてください。</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>2 段階認証をオンにしている場合は、アプリパスワードでログインしてください。</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>先に Web メールの設定で POP3/IMAP アクセスをオンにしてください。</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>カスタマーセンターで設定したメール専用のパスワードでログインしてください。</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>このプロバイダーは独自のログイン方式を使います。パスワードでは拒否される場合があります。</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>このコンピューターで動作するプロバイダーのブリッジプログラム経由でのみ使用できます。その証明書をこのコンピューターで信頼済みにする必要があります。</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>メールサーバーが見つかった場所</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>音声付きの動画を添付します</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>どのコンピューターでも再生できる、音声付きの動画としてのカード</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>カードファイルを添付します</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>このプログラムで開いて編集できる、カードファイルそのもの</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>%1 のメールサーバーを探しています…</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>プロバイダーの一覧で見つかりました: %1。</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>ドメインの DNS レコードで見つかりました。</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>推測です。プロバイダーに確認してください。</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>公開元: %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>従来どおりの方法でサーバーと通信します: 保護なし、ログインなし (ポート 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>通信の開始後に保護します (サブミッション、ポート 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>最初のバイトから通信を保護します (ポート 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>どのメールソフトでも、メールの中でカードが動きます</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>自動再生の添付ファイルも送信します (プログラムを受け付けないメールサービスもあります)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>マニュアルを表示する Web ブラウザーを起動できませんでした。ブラウザーで %1 を開いてください。</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>マニュアルがインストールされていません。Vimble e-mail のマニュアルは、プログラムと同じ場所の share/doc/vimble-email/manual にあるはずです。プログラムをインストールし直すと、そこに配置されます。</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>画像のプロパティ</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>アニメーションのプロパティ</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>クリップアートのプロパティ</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>図形と線にはテキストがありません。</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>名前にカードに保存できない文字が含まれています</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>名前が 31 文字を超えています</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>フォント「%1」は使用できません: %2。</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>テキストのフォントは変わりません。</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>テキストのフォントは「%1」のままです。</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>線の幅</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>フォントファミリー</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>テキストに絵文字を挿入します</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (未インストール)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>線の幅には 0～99 ピクセルの整数を入力してください。%1 のままになります。</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>送信トレイ</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>予約済みのカード</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>各カードの日時、宛先、件名、送信済みかどうか</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>今すぐ送信</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>選択したカードを今すぐ送信します</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>選択したカードが送信されないようにします</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>選択したカードをエディターで開きます</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>選択したカードを送信トレイから削除します</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(件名なし)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>%1 に送信済み、次回は 1 年後</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>再試行待ち</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>パスワード待ち</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>送信されたかもしれません: 判断してください</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>%1 に送信済み</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>送信中止</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>送信中…</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>メールサーバーの最後の応答: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>破損: %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>予約はありません。送信ダイアログで「日時を指定して送信」を選んでください。</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>このカードは既にメールサーバーに届いているかもしれません。もう一度送信しますか？</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>%1 宛てのカードを送信しました。</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>%1 宛てのカードは再送信されませんでした: %2。</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>%1 宛てのカードは送信されませんでした: %2。%3 にもう一度送信を試みます。</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>%1 宛てのカードは送信されず、送信をあきらめました: %2。</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>%1 宛てのカードは、メールサーバーへのログイン用のパスワードを待っています。メール設定でパスワードを入力してから、もう一度「今すぐ送信」を選んでください。</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>メールサーバーは %1 宛てのカードをすべて受け取りましたが、受け付けたかどうかを返しませんでした (%2)。もう一度送信するかどうかを送信トレイで判断してください。</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>%1 宛てのカードは、現在別の処理が送信しています。</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>%1 宛てのカードは送信されませんでした: %2。</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>カードの送信を止められません: %1。</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>カードを削除できません: %1。</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>自分の WAV ファイル...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>これはアドレス帳の項目ではなく、登録済みの連絡先です。削除されません。</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: アドレス帳を読み込めません。アドレス帳は変更されていません</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: アドレス帳を書き込めません</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>読み上げるテキスト</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>音声の言語</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>声を録音</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>マイクから録音します (最長 1 分)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>録音を停止します</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>録音を再生します</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>この録音を使用します</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>何も残さずに閉じます</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>録音時間</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>録音の状態</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>マイクなし</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>マイクが見つかりませんでした。マイクを接続するか電源を入れてから、録音をもう一度開いてください。</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>デスクトップ既定のマイク</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>「録音」を押して話してください。最長 1 分です。</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>録音しています… 終わったら「停止」を押してください。</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>%1 秒を録音しました。再生する、使用する、録音し直す、のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>マイクが使えなくなりました。それまでの録音は残っています。</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>録音できるのは最長 1 分です。</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>録音を再生できません: %1 に書き込めません。</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>再生に使えるサウンド出力がありません。</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>カードの始まりに流れるメッセージを、ご自分の声で録音します</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>ここから送信せずに、お使いのメールソフトにカードを渡します</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>メールソフトで送信</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>カードを送信トレイに入れ、下で指定した日時に送信します</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>日時を指定して送信</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>毎年、各宛先の誕生日の午前 8 時にもう一度送信します</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>毎年誕生日に送信</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>送信する日時</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>メールのサイズ</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>メールに含める内容を計算しています…</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>カードは自動再生の添付ファイルとして送信されます。</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>メールのサイズを計算できません。</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>サイズが大きすぎて送信できません: %1。</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>日時を指定したカードはここから送信されます。先に「メールソフトで送信」をオフにしてください。</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>カードを送信する日時には、これから先の日時を選んでください。</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>カードの送信を予約できません: %1。</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>カードを送信トレイに入れました。毎年、各宛先の誕生日の午前 8 時に送信されます。最初の送信は %1 です。</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>カードを送信トレイに入れました。%1 に送信されます。</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>メールサーバーのパスワードがキーリングに保存されていません。当日に Vimble e-mail が起動していない場合、カードは、Vimble e-mail を起動してパスワードを入力するまで送信を待ちます。</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>録音したメッセージをカードに添えます</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>音声メッセージをこのカードに添えられません: %1。</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>tomodachi@example.org, nakama@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>宛先</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>件名</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>本文</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>キーリングなし: このセッション用に入力してください</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>カードの宛先を入力してください。</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>アドレス「%1」は使用できません: 「&lt;」、「&gt;」または制御文字が含まれています。</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>先にメール設定でメールサーバーを指定してください。</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>先にメール設定でご自分のメールアドレスを指定してください。</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>ご自分のアドレス「%1」は送信者として使用できません。</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>送信するカードがありません。</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>別のカードをまだ送信しています。その結果が表示されてから、このカードを送信してください。</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>カードは送信されませんでした: メールサーバーへのログインにパスワードが必要です。</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>%1 にカードのコピー用の専用フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>カードのコピーを %1 に書き込めません。</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>今はカードを送信できません: 送信処理を開始できませんでした。</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>カードのコピーと同じ場所に音声メッセージを書き込めません。</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>カードを送信します</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>送信せずに閉じます</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>メールサーバーとご自分のアドレス</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>プレーヤーのサウンドとフォントをカードと一緒に送信します</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>これまでに送信した相手から選びます</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>恋愛</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>季節の行事</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>パーティー</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>%1 のセッションバスは接続を受け付けますが、応答しません</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>セッションバスで応答するデスクトップ通知サービスがありません: %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>セッションバスで応答するデスクトップ通知サービスがありません: 応答なし</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>%1 のセッションバスが応答しません: %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>セッションバスが動作していないため (DBUS_SESSION_BUS_ADDRESS が設定されておらず、$XDG_RUNTIME_DIR/bus もありません)、デスクトップ通知を表示できません</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>キーリングサービスでエラーが発生しました</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>セッションバスが動作していないため、パスワードを保存できるキーリングサービスがありません</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>キーリングサービスがパスワードを保存しませんでした</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>この変更は元に戻せません: 操作履歴に記録できませんでした。</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>オブジェクトはそのまま残しました: 操作履歴にそのコピーを記録できませんでした。</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>オブジェクトのほかのサウンドと同時に再生されてしまいます。</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>%1 をオブジェクトに付けられませんでした: %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. なし: オブジェクトは動きません</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 左へ横切る</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 左へ横切る (拡大しながら)</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 左へ横切る (縮小しながら)</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 右へ横切る</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 右へ横切る (拡大しながら)</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 右へ横切る (縮小しながら)</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 真上へ</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 真上へ (拡大しながら)</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 真上へ (縮小しながら)</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 真下へ</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 真下へ (拡大しながら)</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 真下へ (縮小しながら)</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 時計回りに円を描く</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 時計回りに円を描く (拡大しながら)</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 時計回りに円を描く (縮小しながら)</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 反時計回りに円を描く</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 反時計回りに円を描く (拡大しながら)</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 反時計回りに円を描く (縮小しながら)</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 時計回りに楕円を描く</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 時計回りに楕円を描く (拡大しながら)</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 時計回りに楕円を描く (縮小しながら)</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 反時計回りに楕円を描く</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 反時計回りに楕円を描く (拡大しながら)</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 反時計回りに楕円を描く (縮小しながら)</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. ランダムにジャンプ</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 ランダムにジャンプ (拡大しながら)</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 ランダムにジャンプ (縮小しながら)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>ケーキとパーティー</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>プレゼント</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>花</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>星と空</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>季節と行事</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>顔と手</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>食べ物と飲み物</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>バースデーケーキ</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>ショートケーキ</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>カップケーキ</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>クラッカー</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>くす玉</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>パーティーを楽しむ顔</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>風船</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>ピニャータ</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>線香花火</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>乾杯するグラス</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>コルクが飛び出すボトル</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>乾杯するビールジョッキ</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>ろうそく</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>複数の音符</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>ミラーボール</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>踊る女性</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>踊る男性</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>演劇の仮面</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>メリーゴーランドの馬</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>ドラム</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>ラッピングしたプレゼント</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>リボン</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>リボン付きのハート</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>ショッピングバッグ</translation>
    </message>
    <message>
        <source>package</source>
        <translation>小包</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>ラブレター</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>封筒</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>テディベア</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>凧</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>パズルのピース</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>テレビゲーム</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>指輪</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>宝石</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>トロフィー</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>金メダル</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>入場券</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>魔法の杖</translation>
    </message>
    <message>
        <source>books</source>
        <translation>本</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>絵の具のパレット</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>ギター</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>毛糸玉</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>ハンドバッグ</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>赤いハート</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ピンクのハート</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>オレンジのハート</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>黄色いハート</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>緑のハート</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>青いハート</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>水色のハート</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>紫のハート</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>茶色のハート</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>黒いハート</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>灰色のハート</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>白いハート</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>ふたつのハート</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>回るハート</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>鼓動するハート</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>大きくなるハート</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>きらめくハート</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>矢が刺さったハート</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>ハートの飾り</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>ハートの感嘆符</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>割れたハート</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>キスマーク</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>ハートとカップル</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>手で作ったハート</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>花束</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>桜</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>はなまる</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>ロゼット</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>バラ</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>しおれた花</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>ハイビスカス</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>ひまわり</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>黄色い花</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>チューリップ</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>蓮の花</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>ヒヤシンス</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>芽生え</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>鉢植え</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>常緑樹</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>落葉樹</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>ヤシの木</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>サボテン</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>四つ葉のクローバー</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>三つ葉のクローバー</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>もみじ</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>落ち葉</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>風に舞う葉</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>稲穂</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>きのこ</translation>
    </message>
    <message>
        <source>star</source>
        <translation>星</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>輝く星</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>キラキラ</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>くらくら</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>流れ星</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>顔のある太陽</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>顔のある満月</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>三日月</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>顔のある上弦の月</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>虹</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>稲妻</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>炎</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>衝突</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>彗星</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>環のある惑星</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>ヨーロッパとアフリカが見える地球</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>天の川</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>雲に隠れた太陽</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>雲</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>クリスマスツリー</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>サンタクロース</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>ミセス・クロース</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>雪のない雪だるま</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>雪だるま</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>靴下</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>ジャック・オー・ランタン</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>おばけ</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>クモの巣</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>卵からかえるひよこ</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>卵</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>卵の入った巣</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>ウサギ</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>門松</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>ひな人形</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>こいのぼり</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>風鈴</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>赤い封筒</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>赤ちょうちん</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>ディヤランプ</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>メノーラー</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>角帽</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>結婚式</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>ベールをかぶった人</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>タキシードの人</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>赤ちゃん</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>哺乳瓶</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>パラソルのあるビーチ</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>にっこり笑う顔</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>目を大きく開いて笑う顔</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>目を細めて笑う顔</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>満面の笑み</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>冷や汗をかいて笑う顔</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>うれし泣きの顔</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>笑い転げる顔</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>目を細めてほほえむ顔</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>天使の輪のある笑顔</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>少しほほえむ顔</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>ウインクする顔</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>目がハートの笑顔</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>ハートに囲まれた笑顔</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>投げキッスする顔</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>舌なめずりする顔</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>舌を出してウインクする顔</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>おどけた顔</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>両手を広げた笑顔</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>目が星の顔</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>サングラスの笑顔</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>涙をこらえる顔</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>泣き顔</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>号泣する顔</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>口を開けた顔</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>寝ている顔</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>考える顔</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>口に手を当てた顔</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>にっこり笑う猫</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>目がハートの猫</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>振っている手</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>親指を立てた手</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>拍手</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>バンザイ</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>合わせた手</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>握手</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>ピースサイン</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>指を交差させた手</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>力こぶ</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>犬の顔</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>猫の顔</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>ウサギの顔</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>キツネ</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>クマ</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>パンダ</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>コアラ</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>トラの顔</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>ライオン</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>牛の顔</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>ブタの顔</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>カエル</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>サルの顔</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>ニワトリ</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>ペンギン</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>鳥</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>ひよこ</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>フクロウ</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>ユニコーン</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>ミツバチ</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>チョウ</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>てんとう虫</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>カメ</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>イルカ</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>潮を吹くクジラ</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>熱帯魚</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>タコ</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>キリン</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>ゾウ</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>ハリネズミ</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>動物の足跡</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>イチゴ</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>さくらんぼ</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>赤いリンゴ</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>スイカ</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>ぶどう</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>バナナ</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>桃</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>パイナップル</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>キウイ</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>レモン</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>ピザ</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>ハンバーガー</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>ポップコーン</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>プレッツェル</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>クロワッサン</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>パンケーキ</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>ソフトクリーム</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>アイスクリーム</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>ドーナツ</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>クッキー</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>板チョコ</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>あめ</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>ペロペロキャンディー</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>プリン</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>はちみつの壺</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>パイ</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>温かい飲み物</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>湯のみ</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>ワイングラス</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>カクテルグラス</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>トロピカルドリンク</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>ストロー付きのカップ</translation>
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
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>動くグリーティングカード</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>位置とサイズ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
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
        <translation>サイズ</translation>
    </message>
    <message>
        <source>width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>テキストと色</translation>
    </message>
    <message>
        <source>font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>塗りなし</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>塗り</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>フレーム数</translation>
    </message>
    <message>
        <source>start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>終了後:</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>画面内</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>画面外</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>プロジェクトの設定</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>MIDI 出力</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>サウンドの追加</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>開始フレーム</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>終了フレーム</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>読み上げテキスト</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>声</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>男 / 女</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>メール設定</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>メールサーバー</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>接続: 暗号化なし、STARTTLS (587)、TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>ユーザー名 (空欄: ログインなし)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>パスワード (キーリングに保存)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>メールの中にカードを表示</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>自動再生プレーヤーを添付</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>音声付きの動画を添付</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>カードファイルを添付</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>カードを送信</translation>
    </message>
    <message>
        <source>To</source>
        <translation>宛先</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>件名</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>メールソフトで送信</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>送信日時</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>毎年誕生日に送信</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>誕生日 (1990-05-17 または --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>送信トレイ</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>予約済みのカード</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>声を録音</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>メールで送信…</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>連絡先…</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>送信トレイ…</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>プレーヤーの書き出し…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>動画の書き出し…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>プロパティ…</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>描画ツール</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>レイヤー管理</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>画像の読み込み…</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>MIDI の読み込み…</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>ヘルプ (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>背景色…</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>背景を削除</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>背景…</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>音楽を削除</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>サウンド…</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>プロジェクトの設定…</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>1 つ上へ</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>1 つ下へ</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>最前面へ</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>最背面へ</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>サウンドを追加…</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>読み上げテキストを追加…</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>サウンドを録音…</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>その他のボタン</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>最初のフレーム</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>前のフレーム</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>次のフレーム</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>最後のフレーム</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>プレーヤーを閉じる</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>多角形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>四角形内のテキスト</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>楕円内のテキスト</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>1 ページ上へ</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>1 ページ下へ</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>塗りなし</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>画面に残る</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>画面から消える</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>試す</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>クリップアート</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>スクロール</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>プレーヤー付き</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>音声メッセージ</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>送信者</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>暗号化なし</translation>
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
        <translation>メールの中にカードを表示</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>プレーヤーを添付</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>動画を添付</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>カードファイルを添付</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>メールソフトで送信</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>日時を指定して送信</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>毎年誕生日に送信</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>今すぐ送信</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>読み込み…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>書き出し…</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>男性の声</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>女性の声</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>1 つ上のフォルダー</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>新しいカードを作りましょう</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>「ファイル ▸ 新規」を選ぶか、作成済みのカードを開きます</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>以前の版…</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>ファイルが %1 バイト早く終わっています</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>テキストのワイド文字マークが繰り返されています</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>テキストのサイズが %1 バイトとされていますが、残りは %2 バイトです</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>ブロックのサイズが %1 バイトとされていますが、残りは %2 バイトです</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>リストの %2 の数が %1 とされていますが、残りは %3 バイトです</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1: %3 の %2 バイト目で読み込みエラー (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1: %2 で書き込みエラー (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1: 画像を取り込めません</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: ビットマップファイルではありません</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1: ビットマップとしては大きすぎます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>%1 バイトの圧縮ビットマップにヘッダーがありません</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>%1 バイトのビットマップブロックにヘッダーがありません</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>ビットマップのヘッダーが途中で切れています</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>ビットマップのヘッダーでは %1 バイトとされていますが、ブロックは %2 バイトです</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>ビットマップの高さが範囲外です</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>%1 バイトのビットマップヘッダーは既知の種類ではありません</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>%1 x %2 ピクセルのビットマップは範囲外です</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>プレーン数が %1 のビットマップ</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>1 ピクセルあたり %1 ビットのビットマップ</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>1 ピクセルあたり %2 ビットで圧縮方式 %1 のビットマップ</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>%1 項目のカラーテーブル</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>ビットフィールドのマスクが途中で切れています</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>ビットフィールドのマスク 0x%1 がピクセルに合いません</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>%1 項目のカラーテーブルがブロックの外にはみ出しています</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>ピクセルには %1 バイトが必要ですが、残りは %2 バイトです</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>%1 x %2 の画像に使えるメモリがありません</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>ランレングスのデータが %1 バイト目で途中で終わっています</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>ランレングスの非圧縮区間が %1 バイト目でデータの外にはみ出しています</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>points</source>
        <translation>点</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>クリップの入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>図形の種類 %1 は 0～2 のいずれでもありません</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>図形のない描画オブジェクト</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>描画の種類 %1 は 1～4 のいずれでもありません</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>オブジェクト「%1」にはステージがないため、描画されません</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>オブジェクト「%1」にはエフェクトの一覧がないため、描画されません</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>%1 x %2 ピクセルのステージ用バッファーを作成できません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1: 同じ場所にも %2 にも作業用ファイルを作成できません</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1: 作業用ファイルを作成できません</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1: 展開に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1: カードファイルではありません (先頭の識別子がありません)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>サウンドファイル %1 を読み込めません</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>サウンドの作業用ファイルを %1 に書き込めません</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>操作履歴用のメモリが不足しています</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>%1 に操作履歴用のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>%1 に操作履歴用のファイルを作成できません</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>操作履歴の状態</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>操作履歴の状態を保存するためのメモリが不足しています</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>操作履歴の状態を読み込むためのメモリが不足しています</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>オブジェクト %1 の操作履歴の状態がありません (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>オブジェクト %1 の操作履歴の状態がありません</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>操作履歴の状態 %1 の型 %2 はどのクラスも表していません</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>2 バイト文字のテキストに文字ペアの片方しかありません</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: 書き込めません (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1: 作成できません (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>説明ファイルがありません</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>説明ファイルを読み込めません</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>カードファイル %1 がありません</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>ファイル %1 はカードファイルではありません</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: そのような復元用コピーはありません</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>%1 の復元用コピーは書き込まれませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>「%1」は復元用コピーの名前ではありません</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>読み戻せません (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>静止画を作成できません</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1: 復元用コピーを読み込めません (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1: 以前の版を保管できません (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1: 以前の版 %2 はありません</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1: 以前の版 %2 を読み込めません (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>作業中のカードの控えを取れません: %1

このまま作業を続けられます。カードを残すには保存してください。</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>復元したカード「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>「%1」の以前の版はまだありません。上書き保存するたびに、置き換えられる版が残ります。</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>以前の版を開けません: %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>風船の空</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>紙吹雪</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>ピンクの夜明け</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>ハート柄の紙</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>雪の夜</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>冬の森</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>ステージの照明</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>旗飾り</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>赤い風船</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>青緑の風船</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>黄色い風船</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>バースデーケーキ</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>ギフトボックス</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>パーティー帽子</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>カップケーキ</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>赤いハート</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>ピンクのハート</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>ハートの風船</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>バラ</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>ラブレター</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>クリスマスツリー</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>雪だるま</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>オーナメントボール</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>キャンディケイン</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>赤いプレゼント</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>金色の星</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>青緑の星</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>シャンパン</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>クラッカー</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>にっこり太陽</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>昇っていく風船</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>プレゼントと星</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>踊るハート</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>ふわふわ浮かぶハート</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>降る雪</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>きらめくツリー</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>回る星</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>空に流れる音楽</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>ハッピーバースデー</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>きらきら星</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>愛のチャイム</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>ジングルベル</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>歓喜の歌</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>拍手</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>ファンファーレ</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>キラキラ</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>ポン</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>ボヨーン</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1: アドレス帳を読み込めません。アドレス帳は変更されていません</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1: アドレス帳を書き込めません</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64: 入力ファイルと出力ファイルが必要です</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>ファイル %1 が見つかりません</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>エラー %1: プレーヤーのプログラムをプレーヤーファイルにコピーできません</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>エラー %1: プレーヤーのデータをプレーヤーファイルにコピーできません</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>エラー %1: カードをプレーヤーファイルにコピーできません</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>エラー %1: プレーヤーファイルに入れるには大きすぎる部分があります</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>エラー %1: 各部分の長さをプレーヤーファイルに書き込めません</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>エラー %1: カードの名前をプレーヤーファイルに書き込めません</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>エラー %1: カードの名前の長さをプレーヤーファイルに書き込めません</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>エラー %1: プレーヤーファイルの終端マークを書き込めません</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>エラー %1: プレーヤーファイルを閉じられません</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>エラー %1: プレーヤーファイルを書き込めません</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1: エラー: ファイルが見つかりません</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1: エラー: ファイルは別のプログラムが使用中です</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1: プレーヤーファイルに入れるには大きすぎます</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>%1 行目: END:VCARD より前で vCard が終わっています</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>%1 行目: vCard に名前もアドレスもありません</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>%1 行目は vCard のプロパティではありません</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>1 行目: ヘッダーに名前の列もメールアドレスの列もありません</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>%1 行目: ヘッダーの列は %3 個ですが、フィールドが %2 個あります</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>%1 行目: タブで区切られた 7 個のフィールドが必要ですが、%2 個でした</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>%1 行目: 名前がありません</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>%1 行目: 「%2」は小文字のドメインではありません</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>%1 行目: 「%2」はサーバー名ではありません</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>%1 行目: 「%2」はポート番号ではありません</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>%1 行目: 「%2」は tls でも starttls でもありません</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>%1 行目: 「%2」はログイン方式のキーではありません</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>%1 行目: ヘルプページが https のアドレスではありません</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>存在しないファイルがメールソフトに渡されました</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>このデスクトップにはメールソフトが設定されていません (xdg-email が見つけられませんでした)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>メールソフトがカードを受け取れませんでした</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>xdg-email が失敗しました (終了ステータス %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>%1 にフォルダーを作成できません</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email がインストールされていません (xdg-utils パッケージに含まれています)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>xdg-email を起動できません: %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email が異常終了しました</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>xdg-email の終了を待てませんでした</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>%1 をメール用にコピーできません</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>画像と動画を最小にしてもカードは %1 になります。メールは最大 %2 までです</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>動画は含めません: %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>カードを描画しています</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>送信はキャンセルされました</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>カードの画像と動画を作成できません: %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>画像を縮小しています</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>動画を縮小しています</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>添付ファイルを作成できませんでした: データフォルダー %2 に %1 がありません</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>添付ファイルを作成できませんでした: %1 を読み込めません</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>添付ファイルを作成できませんでした: %1 用のプレーヤーファイルを書き込めません</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>メールサーバー %1 は TLS なしのログインしか提供していません。これではパスワードを第三者に読まれるおそれがあります</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>メールサーバー %1 は、このプログラムで使えるログイン方式 (AUTH PLAIN または LOGIN) を提供していません</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>メールサーバー %1 はログインを提供していませんが、設定ではログインが必要になっています</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>メールサーバー %1 は現在ユーザー名とパスワードを確認できません (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>メールサーバー %1 がユーザー名またはパスワードを拒否しました (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>添付ファイルを作成できませんでした: データフォルダーが設定されていないため、プレーヤーのプログラムが見つかりません</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>添付ファイルを作成できませんでした: %1 をコピーできません</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1: 添付ファイル用にコピーできません</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>添付ファイルを作成できませんでした: 添付ファイル %1 を書き込めません</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>メールサーバー %1 が「%2」を拒否しました: %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>添付ファイルを作成できませんでした: 添付ファイル %1 をエンコードできません</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>メールサーバー %2 での %1 のパスワードが不明です (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>メールサーバー %2 での %1 のパスワードが不明です</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>メールサーバー %1 は STARTTLS を提供していませんが、設定では STARTTLS が必要になっています</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>メールサーバー %1 が接続を拒否しました: %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>メールサーバー %1 がすべての宛先を拒否しました: %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>カードの画像と動画用の専用フォルダーを作成できません</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>添付ファイルを作成できませんでした: エンコードした添付ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>カードは %1 バイトで、メールサーバー %3 が受け付ける %2 バイトを超えています</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>カードを送信中であることを送信トレイに記録できません</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>メールサーバー %1 がメールを拒否しました: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>%1 をプレーヤー付きの添付ファイル用にコピーできません</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>%1 を %2 用に準備できません</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>カードに宛先がありません</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>どの宛先にもカードは届きませんでした: %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>メールソフトにカードを渡しました。送信できる状態です。カードのファイルは %1 にあります。</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>カードを送信しました (%H:%M:%S)。</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>送信先: %1。</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>メールサーバーが次の宛先を拒否しました: %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>%s でカードを送信できませんでした。</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>失敗した内容: %1。</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>添付ファイル用の専用の一時フォルダーを作成できません</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>項目が途中で切れています</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>送信トレイの項目ではありません</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>項目に「=」のない行があります</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>項目が空です</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>項目の状態が不明です</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>項目の日時を読み取れません</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>項目の試行回数を読み取れません</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>項目のセキュリティ設定を読み取れません</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>項目のサイズ上限を読み取れません</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>項目に 0 でも 1 でもないスイッチがあります</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>毎年の項目に誕生日がありません</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>項目に宛先がありません</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>項目にメールサーバーがありません</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>項目にカードファイルが指定されていません</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>カードファイル %1 を読み込めません</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>送信トレイ %1 にフォルダーを作成できません</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>%1 を送信トレイに入れられません</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>予約したカードにはメールサーバーが必要です。メール設定で指定してください</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>%1 の誕生日が不明です。連絡先に追加してください</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>項目がありません</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>項目を読み込めません</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>カードファイル %1 がありません</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>送信トレイの項目 %1 を書き込めません</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>送信トレイにカード %1 はありません</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>カード %1 の送信を止められません: %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>カード %1 は現在送信中です</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>カード %1 は既に送信されています</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>カード %1 はまだ送信待ちか送信中です。先に送信を止めてください</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>カード %1 を削除できません: %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>別の処理が送信しています</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>既に送信されています</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>既に送信が止められています</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>カードを送信しました</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>%2 宛てのカード「%1」を送信しました。</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>カードを送信できませんでした</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>%2 宛てのカード「%1」を送信できませんでした: %3。</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>カードが送信されていない可能性があります</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>メールサーバーは、%1 宛てのカードを受け付けたかどうかを返しませんでした。送信トレイを開いて、もう一度送信するか、そのままにするかを選んでください。</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>もうすぐ誕生日です</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>数日後は %1 さんの誕生日ですが、まだカードが予約されていません。</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>カードを描画できません: プログラムにフォントがありません</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>カードを描画するためのメモリが足りません</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>カードの画像を作成できません: %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>カードの画像がメールには大きすぎます: %2 x %3 で %1 バイト、上限は %4 バイトです</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>理由は示されませんでした</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>メールサーバー「%1」のポート番号が正しくありません</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>メールサーバー名「%1」はホスト名ではありません</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>メールサーバー %1 が見つかりません (予約済みの無効な名前です)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>メールサーバー %1 が見つかりません (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>メールサーバー %1 が時間内に応答しませんでした (接続中)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>接続中: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>メールサーバー %1 が時間内に応答しませんでした (送信中)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>送信中: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>メールサーバー %1 が時間内に応答しませんでした (応答の待機中)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>応答の待機中: %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>メールサーバー %1 が時間内に応答しませんでした (TLS ハンドシェイク中)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>TLS ハンドシェイク: %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>メールサーバー %1 に接続できません: %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>メールサーバーとの接続は閉じられています</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>メールサーバー %1 への送信に失敗しました: %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>メールサーバー %1 が応答ではないデータを送ってきました: %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>メールサーバー %1 が 1 つの応答に異なる応答コードを混在させました</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>メールサーバー %1 が応答としては長すぎるデータを送ってきました</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>メールサーバー %1 が接続を閉じました</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>メールサーバー %1 からの受信に失敗しました: %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>接続が終了しました</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>メールサーバー %1 用に TLS を設定できません: %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>メールサーバー %1 の証明書は信頼できません: %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>メールサーバー %1 が TLS ハンドシェイク中に接続を閉じました</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>メールサーバー %1 との TLS ハンドシェイクに失敗しました: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>接続がタイムアウトしました</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>ホストへの経路がありません</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>ネットワークに到達できません</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>接続が相手によってリセットされました</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>接続が中断されました</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>接続がサーバー側で閉じられました</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>名前またはサービスが不明です</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>名前解決で一時的なエラーが発生しました</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>名前解決で回復できないエラーが発生しました</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>画像 %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>音声付き動画 %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>カードファイル %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
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
        <translation>有効なファイルではありません。</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>エラー 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>別のエラーが発生しました</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>メモリが不足しています。アプリケーションを終了して、問題を解決してください。</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>メモリが不足しています (3)。</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>アドレス帳を変更できません: データフォルダーが設定されていません</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>アドレス帳は更新されませんでした: データフォルダーが設定されていません</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>プレーヤーのプログラムが見つかりません: データフォルダーが設定されていません</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>多角形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>四角形内のテキスト</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>楕円内のテキスト</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>声</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1: 画像が壊れているか途中で切れています</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1: 画像が壊れているか途中で切れています (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1: 画像が大きすぎます (%2 x %3 ピクセル。読み込めるのは %4 メガピクセルまで)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1: ここでは WebP 画像を読み込めません。Qt の画像形式プラグインがありません</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1: 読み込める画像ではありません (PNG、JPEG、GIF、WebP、BMP、HEIC、AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1: 画像に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: ファイルが空です</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1: 画像としてはファイルが大きすぎます</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1: このビルドでは HEIC と AVIF の画像を読み込めません</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>FILE に含まれるカード (プレーヤーファイルまたは .kel プロジェクト)、またはこのプログラムに付加されたカードを再生する</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play: シグナルハンドラーを設定できません</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play: 一時フォルダーに専用フォルダーを作成できません</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1: このプログラムにはカードが含まれていません。再生するカードを指定してください</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play: カードを表示する画面がありません (DISPLAY が設定されていません)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>カードを開けません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: 開けません</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1: このカードに含まれるプレーヤーのデータが破損しています: %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1: プレーヤーのデータで指定されている SoundFont は「%2」です</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1: プレーヤーのデータを読み込めません</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1: このファイルのカードは空です</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1: カードを %2 にコピーできません</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1: このファイルのカードは破損しています (各部分の合計がファイルの長さと一致しません)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1: %2 にコピーできません</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1: このファイルにはカードがありません</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>識別子が %1 ではありません</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>ヘッダーが %1 バイトで終わっています</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>バージョン %1 は %2 ではありません</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>ヘッダーでは項目が %1 個とされていますが、残りは %2 バイトです</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>項目 %1: 名前の長さが %2 バイト目で切れています</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>項目 %1: 名前が %2 バイトあります</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>項目 %1: 名前が %2 バイトとされていますが、残りは %3 バイトです</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>項目 %1 (%2): データの長さが %3 バイト目で切れています</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>項目 %1 (%2) は %3 バイトとされていますが、残りは %4 バイトです</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>項目 %1: 名前「%2」は使用できないか、重複しています</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>最後の項目の後に %1 バイトが続いています</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>予約したカードがこのパスワードを待っています</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1、%2、位置 %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>クリップアート</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>図形</translation>
    </message>
    <message>
        <source>object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>名前なし</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>カードを書き出せません: プレーヤー「%1」がありません。</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>再生しました</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>プレーヤーは今それを実行できません</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>MIDI 出力の準備ができていません</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>再生できる MIDI ファイルではありません</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>MIDI 出力が拒否しました</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>SoundFont がインストールされていません</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>SoundFont なし</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>サウンド出力なし</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>シンセサイザー (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>何も録音されませんでした</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>録音が無音です。マイクがミュートになっているか、音量が下がっていませんか？</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>フレーム %1 はアニメーションの終わり (%2 フレーム) より後です</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1: %2 に作業用のコピーを作成できません</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>オブジェクト %1 のほかのサウンドと同時に再生されてしまいます</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>オーディオデバイスを開けませんでした</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>サウンドシステムが起動しませんでした: %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>マイクが見つかりませんでした</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>マイクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>音声合成を起動できません: espeak-ng が起動しませんでした</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>音声合成を起動できません: espeak-ng に英語の音声がありません (espeak-ng-data はインストールされていますか？)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>音声合成に英語の女性の声がありません</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>音声合成に英語の男性の声がありません</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>テキストが長すぎて読み上げられません (%1 分を超えています)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>音声合成でテキストを読み上げられませんでした</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>SoundFont「%1」は存在しません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>「%1」は SoundFont ではありません</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>シンセサイザーを起動できません</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>SoundFont「%1」を読み込めません</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>SoundFont「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>WAV のフォーマットチャンクが短すぎます</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>WAV の拡張フォーマットチャンクが短すぎます</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>圧縮された WAV (フォーマット %1) には対応していません</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>WAV のチャンネル数は %1 です。再生できるのは 1～%2 チャンネルです</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>WAV のサンプリングレート %1 Hz は %2～%3 Hz の範囲外です</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>1 サンプルあたり %1 ビットの浮動小数点 WAV には対応していません</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>1 サンプルあたり %1 ビットの PCM WAV には対応していません</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>WAV のブロックサイズ (%1 バイト) が、%3 バイトの %2 チャンネルと一致しません</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>RIFF/WAVE ファイルではありません</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>WAV ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>WAV のフォーマットチャンクがありません</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>WAV のサウンドデータがありません</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>WAV が長すぎて再生できません (%1 分を超えています)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>WAV ファイルが見つかりません</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>WAV ファイルが大きすぎます (2 GB を超えています)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>WAV ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>カードにサウンドを付けられるオブジェクトがありません</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>オブジェクト %1 はありません (カードのオブジェクトは 0 から数えて %2 個です)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>カードのどのオブジェクトも、その時点で既にサウンドを再生しています</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>IMA ADPCM ウェーブのデータが壊れています（ステップ番号 %1）</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>サンプルあたり %1 ビットの IMA ADPCM ウェーブには対応していません</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>IMA ADPCM ウェーブのブロックサイズ（%1 バイト）が %2 チャンネルに合いません</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 は壊れています：音声をデコードできません</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 は読み込める種類の音声ファイルではありません（WAV、MP3、M4A、Ogg Vorbis、Opus、FLAC）</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 には音声がありません</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 にはデコードできない種類の音声があります（%2）</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1：%2 秒からの部分は曲の終わり（%3 秒）より後から始まります</translation>
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
        <translation>%1: 失敗しました</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>使い方: vimble-tool コマンド 引数</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1: アニメーション、クリップアート、背景、サウンドのどの項目でもありません</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>プロジェクトのコーデックでファイルをエンコードまたはデコードする</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>新しい空のプロジェクトを書き出す</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>.kel、.hdr、.zty ファイルを JSON で表示する</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>プロジェクトを開いて保存し直す</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>巻き戻してから連続再生したフレームを、アニメーション画像または音声付き動画にする</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>データフォルダーがありません: DataFiles1 を設定するか、--data DIR を指定してください</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>一時フォルダーを作成できません</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>%1 にコピーできません</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>送信処理を開始できません</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>プレーヤーファイルではありません</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1: 破損しているか読み込めません。破損箇所より前の項目を一覧表示します</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1: 破損しているか読み込めません。変更していません</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1: 項目 %2 はありません (項目は %3 個です)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>プロジェクトを画像・動画・ファイル付きのカードとしてメールで送信する、またはメールソフトに渡す</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>プロジェクトの自動再生の添付ファイルを書き出す</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>プレーヤーファイルの各部分を DIR に書き出し、末尾のブロックを JSON で表示する</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>ファイルを Base64 の MIME パートにエンコードする、またはデコードする</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>アドレス帳を一覧表示または変更する</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1: 破損しています。変更していません</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>誕生日ではありません: %1 (1990-05-17 または --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>連絡先 %1 はありません</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>連絡先を JSON で一覧表示する、vCard または CSV ファイルを読み込む、vCard 4.0 で書き出す、連絡先を 1 件追加または削除する</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>カードを特定の日または毎年の誕生日に予約する、JSON で一覧表示する、予約を取り消す、送信時期の来たものを送信する</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>メールアドレスではありません (NAME@DOMAIN)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>アドレスの送信に使われるメールサーバーと、それが見つかった場所を JSON で表示する</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1: ビットマップファイルではありません</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>ビットマップファイルのヘッダーの内容と、デコードできるかどうか</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>静止画、または巻き戻してから連続再生したフレーム</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>各オブジェクトの描画エフェクト、位置、サイズを 1 フレームごとに CSV で出力する</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1: マイクから音が届きません</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1: %2 秒後にマイクが使えなくなりました。それまでの録音は残っています</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>マイクから S 秒間 (1～60、既定は 10) 録音し、ノイズを除去してモノラル WAV にする</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>SoundFont がインストールされていません</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1: 音楽は鳴りません: %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1: サウンド用のメモリが足りません</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1: 結果 %2: %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>巻き戻してから連続再生したときの音を、44.1 kHz ステレオ WAV にする</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>MIDI の読み取りでファイルから見つかった内容、またはプレーヤーの結果とその理由</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1: リソースライブラリとして開けません</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale には 1～4 の倍率を指定します</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1: そこにあるライブラリのヘッダーファイル (*.hdr) を一覧にできません</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(空のデータフォルダー: /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>リソースライブラリを検査する (すべてのスキン画像を 1x、1.5x、2x で、文字入りのものは各言語でも)、またはすべてのスキン画像を 1 枚のシートに描く (画面の倍率で)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>起動時の走査で作成されるカタログとカテゴリ (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>テキストが UTF-8 ではありません</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>オブジェクト %1 はありません (カードのオブジェクトは 0 から数えて %2 個です)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>オブジェクト %1 はテキストではありません</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>オブジェクト I (テキスト、0 から) のテキストを置き換えたプロジェクト</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1: そのような復元用コピーはありません</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1: 復元用コピーを削除できません</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>編集中のカードの復元用コピーを JSON で一覧表示する、1 つを書き出す、または削除する</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>保存で置き換えられたカードの以前の版を JSON で一覧表示する (1 が最新)、または 1 つを書き出す</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1: プロジェクトにステージがありません</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>画像 (PNG、JPEG、GIF、WebP、BMP、HEIC、AVIF) を背景または新しいオブジェクトとして加えたプロジェクト。位置を指定しなければ中央に置き、指定があれば枠に収めます</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>オブジェクト（0 から数える）のフレーム N にサウンドを加えたプロジェクト。録音した声は一度だけ再生。曲（MP3、M4A、Ogg、Opus、FLAC、またはオプション付きのウェーブ）は S 秒から N 秒の部分（既定は最後まで、最大 60）を F 秒のフェードで圧縮して加える</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>書き出すカードがありません</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>サイズは 2 x 2 から 4096 x 4096 の範囲で指定してください</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>最初のフレームは最後のフレームより前にしてください</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>書き出せるのは最大 30000 フレーム (1 時間) までです</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>再生回数は 0 (無限) から 1000 の範囲で指定してください</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>音楽は鳴りません: %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>サウンド用のメモリが足りません</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>描画するカードがありません</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>このサイズの画像や動画は作成できません</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>カードのコピーを読み込めません</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>フレームを合成するためのメモリが足りません</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>動画のフレームのサイズが %1 x %2 とされています (最大 %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>フレーム %1 のサイズは %2 x %3 です</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>動画の画像を RGB に変換できません</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>フレーム %1 を RGB に変換できません: %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>フレーム %1 を RGB に変換できません</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>動画のフレーム用のメモリがありません</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>動画を先頭に戻せません: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>ファイルではありません (フォルダーかデバイスです)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>ファイルを動画として読み込めません: %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>ファイルに動画が含まれていません (最初のストリームが動画ストリームではありません)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>動画のフレームレートの分子または分母が 0 です</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>ファイルのストリームを読み込めません: %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>動画にフレームのサイズが示されていません</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>動画のフレームレートの分子 (%1) または分母 (%2) が 0 以下です</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>動画のフレームレートが毎秒 %1 フレームとされています (再生できるのは 0.1～1000)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>動画の長さが %1 フレームとされています (再生できるのは 1～10000000)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>動画ライブラリに %1 動画のデコーダーがありません</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>動画デコーダー用のメモリがありません</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>%1 デコーダーを開けませんでした: %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>動画のフレーム用のメモリがありません</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>動画のフレーム用のメモリがありません: %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>開いている動画がありません</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>フレーム %1 は動画に含まれていません (0～%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>フレーム %1 の前でファイルが終わっています (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>フレーム %1 の前でファイルが終わっています</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>フレーム %1 をデコードできません: %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>インストールされている動画ライブラリに MPEG-4 エンコーダーがありません</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>インストールされている動画ライブラリに VP9 または VP8 のエンコーダー (libvpx) がありません</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>インストールされている動画ライブラリに Opus または Vorbis のエンコーダー (libopus、libvorbis) がありません</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>インストールされている動画ライブラリに H.264 エンコーダー (libx264) がありません</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>インストールされている動画ライブラリに AAC エンコーダーがありません</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>アニメーション PNG</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>インストールされている動画ライブラリにアニメーション PNG のエンコーダーがありません</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>インストールされている動画ライブラリでは %1 ファイルを書き込めません</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>インストールされている動画ライブラリでは %1 ファイルを書き込めません: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>%1 エンコーダーがフレームを拒否しました: %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>%1 エンコーダーが終了処理を拒否しました: %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>%1 エンコーダーでエラーが発生しました: %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>動画ファイルを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>%1 エンコーダー用のメモリがありません</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>%1 エンコーダーを開けませんでした: %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>%1 ストリームを設定できませんでした: %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>%1 エンコーダー用にサウンドを変換できません: %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>サウンド用のメモリがありません</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>サウンド用のメモリがありません: %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>サウンドのキューでサンプルが失われました</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>サウンドを変換できませんでした: %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>動画のサイズは 2 x 2 から %1 x %2 の範囲で指定してください</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>動画の 1 フレームの長さは 1～10000 ミリ秒の範囲で指定してください</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>再生回数に負の値は指定できません</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>動画のフレームの表示時間またはビットレートが範囲外です</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>ファイルを作成できません: %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>%1 ファイルのヘッダーを書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>書き込み用に開いている動画がありません</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>フレームが空です</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>フレーム用のメモリがありません</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>フレーム用のメモリがありません: %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>%1 エンコーダー用にフレームを変換できません</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>%1 エンコーダー用にフレームを変換できません: %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>この動画にはサウンドトラックがありません</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>ステレオのサウンドには偶数個のサンプルが必要です</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>動画ファイルの末尾を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>動画ファイルを閉じられませんでした: %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
</context>
</TS>

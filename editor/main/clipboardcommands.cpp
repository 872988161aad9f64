// The desktop's clipboard and the files dropped on the editor. Copy and cut keep the objects on
// the editor's own clipboard and put their picture on the desktop's too; paste takes the newer
// of the two: the editor's objects, or the desktop's picture, picture file or text. Files
// dropped from a file manager are pictures placed where they fall, songs given to the object
// they fall on, or greetings opened.
#include "editor/main/editordlg.h"

#include "editor/editing/editing.h"
#include "model/movie.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QBuffer>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <array>

namespace {

// The mark of what the editor itself put on the desktop's clipboard.
constexpr char kOwnFormat[] = "application/x-vimble-objects";
// The middle of the stage, where a pasted picture or text lands.
constexpr CPoint kStageMiddle { CObjectEditorHost::kFrameWidth / 2,
    CObjectEditorHost::kFrameHeight / 2 };

// The endings of the picture files read (as Import image offers them) and of greetings.
constexpr std::array<const char*, 9> kPictureEndings { "png", "jpg", "jpeg", "gif", "webp", "bmp",
    "heic", "heif", "avif" };
constexpr char kGreetingEnding[] = "kel";
// The endings of the songs an object takes as its sound.
constexpr std::array<const char*, 8> kSongEndings { "wav", "mp3", "m4a", "aac", "ogg", "oga",
    "opus", "flac" };

QString EndingOf(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

template <size_t N>
bool EndsWithOneOf(const QString& path, const std::array<const char*, N>& endings)
{
    const QString ending = EndingOf(path);
    for (const char* known : endings)
        if (ending == QLatin1String(known))
            return true;
    return false;
}

bool IsPictureFile(const QString& path)
{
    return EndsWithOneOf(path, kPictureEndings);
}

// The local files the data names, in order; none when it names none.
QStringList LocalFiles(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files.push_back(url.toLocalFile());
    return files;
}

bool IsOwnData(const QMimeData* data)
{
    return data != nullptr && data->hasFormat(QLatin1String(kOwnFormat));
}

// What paste takes from the desktop's data: a picture, picture files, or a text.
enum class EDesktopPaste { none, picture, files, text };

EDesktopPaste DesktopPasteOf(const QMimeData* data)
{
    if (data == nullptr)
        return EDesktopPaste::none;
    const QStringList files = LocalFiles(data);
    for (const QString& file : files)
        if (IsPictureFile(file))
            return EDesktopPaste::files;
    if (data->hasImage())
        return EDesktopPaste::picture;
    // A file manager's copy of other files also carries their paths as text: not a text.
    if (files.isEmpty() && data->hasText() && !data->text().trimmed().isEmpty())
        return EDesktopPaste::text;
    return EDesktopPaste::none;
}

} // namespace

void CEditorDialog::WatchDesktopClipboard()
{
    setAcceptDrops(true);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    connect(clipboard, &QClipboard::dataChanged, this, [this] {
        // What the editor put there itself is its own copy, not a newer one.
        m_nDesktopPaste = -1;
        if (!IsOwnData(QGuiApplication::clipboard()->mimeData()))
            m_nDesktopTurn = ++m_nClipboardTurn;
        if (m_pDoc)
            Refresh();
    });
}

bool CEditorDialog::DesktopClipboardIsNewer() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // What the desktop holds is looked at once for each change: the menus ask often.
    if (m_nDesktopPaste < 0)
        m_nDesktopPaste = static_cast<int>(DesktopPasteOf(data));
    if (m_nDesktopPaste == static_cast<int>(EDesktopPaste::none))
        return false;
    if (!m_pEditing->IsClipboardFilled())
        return true;
    return !IsOwnData(data) && m_nDesktopTurn > m_nOwnTurn;
}

bool CEditorDialog::CanPaste() const
{
    return m_pEditing->IsClipboardFilled() || DesktopClipboardIsNewer();
}

void CEditorDialog::CopyToClipboards(bool bCut)
{
    if (m_pEditing->SelectionCount() == 0)
        return;
    // The picture is drawn before a cut takes the objects away.
    const QImage picture = m_pEditing->SelectionPicture();
    if (bCut)
        m_pEditing->Cut();
    else
        m_pEditing->Copy();
    // A cut the history could not keep may still have filled the clipboard.
    if (!m_pEditing->IsClipboardFilled())
        return;
    m_nOwnTurn = ++m_nClipboardTurn;
    if (picture.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(picture);
    data->setData(QLatin1String(kOwnFormat), QByteArray());
    QGuiApplication::clipboard()->setMimeData(data);
}

bool CEditorDialog::PasteFromClipboards()
{
    if (!DesktopClipboardIsNewer())
        return m_pEditing->Paste();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    bool bPasted = false;
    switch (DesktopPasteOf(data)) {
    case EDesktopPaste::files:
        for (const QString& file : LocalFiles(data))
            if (IsPictureFile(file))
                bPasted = m_pEditing->PlacePictureFile(file.toStdString(), kStageMiddle) || bPasted;
        break;
    case EDesktopPaste::picture:
        bPasted = m_pEditing->PlacePicture(qvariant_cast<QImage>(data->imageData()),
            tr("Pasted picture").toStdString(), kStageMiddle);
        break;
    case EDesktopPaste::text: {
        // The text as it reads: its last line break and the carriage returns dropped.
        QString text = data->text();
        text.remove(QLatin1Char('\r'));
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        bPasted = m_pEditing->PlaceText(text.toStdString(), kStageMiddle);
        break;
    }
    case EDesktopPaste::none:
        break;
    }
    update();
    return bPasted;
}

void CEditorDialog::DropFiles(const QStringList& files, QPoint ptWindow)
{
    // A greeting opens (the open one's changes asked about first); only the first is opened.
    for (const QString& file : files) {
        if (EndingOf(file) == QLatin1String(kGreetingEnding)) {
            OpenProjectFile(file.toStdString());
            return;
        }
    }
    const CPoint ptStage = StagePointFromScreen(ptWindow, size());
    for (const QString& file : files) {
        const std::string path = file.toStdString();
        if (IsPictureFile(file)) {
            if (!IsEditing())
                platform::ShowMessage(
                    platform::Fill(tr("%1 was not placed: open or start a greeting first, then "
                                      "drop the picture on its stage.")
                                       .toStdString(),
                        { platform::FileNameOf(path) }));
            else
                m_pEditing->PlacePictureFile(path, ptStage);
            continue;
        }
        if (EndsWithOneOf(file, kSongEndings)) {
            // A song becomes the sound of the object it is dropped on.
            CLayer* target = IsEditing() ? m_pEditing->HitTest(ptStage) : nullptr;
            if (target == nullptr)
                platform::ShowMessage(platform::Fill(
                    tr("%1 was not added: drop a song on the object that is to play it.")
                        .toStdString(),
                    { platform::FileNameOf(path) }));
            else
                m_pEditing->AddSongToLayer(*target, path);
            continue;
        }
        platform::ShowMessage(platform::Fill(
            tr("%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), "
               "songs (on an object) and greetings (.kel) can be dropped on the stage.")
                .toStdString(),
            { platform::FileNameOf(path) }));
    }
    update();
}

void CEditorDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty() && !m_bFileWork)
        event->acceptProposedAction();
    else
        QDialog::dragEnterEvent(event);
}

void CEditorDialog::dragMoveEvent(QDragMoveEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty() && !m_bFileWork)
        event->acceptProposedAction();
    else
        QDialog::dragMoveEvent(event);
}

void CEditorDialog::dropEvent(QDropEvent* event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty() || m_bFileWork) {
        QDialog::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    DropFiles(files, event->position().toPoint());
}

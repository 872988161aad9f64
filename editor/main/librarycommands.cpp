// The editor window and its library browser: opening it on a page from the menus and the
// toolbar, closing it with the project, and what a drop onto the stage does.
#include "editor/main/editordlg.h"

#include "editor/editing/editing.h"
#include "editor/main/maintoolbar.h"
#include "editor/windows/librarybrowser.h"
#include "model/movie.h"
#include "platform/message.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"

#include <QApplication>
#include <QListWidget>

void CEditorDialog::OpenLibrary(int nPage)
{
    if (m_pLibrary != nullptr) {
        m_pLibrary->ShowPage(nPage);
        m_pLibrary->raise();
        m_pLibrary->List()->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_pLibrary = new CLibraryBrowser(this);
    KeepRightOfToolbar(m_pLibrary->Skin());
    // Beside the frame when the screen leaves room there, else over the stage's right side.
    const QPoint right = m_ptFrame + QPoint(kFrameWidth + 8, kStageTop);
    if (right.x() + m_pLibrary->width() <= width())
        m_pLibrary->move(right);
    else
        m_pLibrary->move(m_ptFrame + QPoint(kStageLeft + kStageWidth - m_pLibrary->width(), kStageTop));
    m_pLibrary->ShowPage(nPage);
    connect(m_pLibrary, &CLibraryBrowser::ItemDropped, this,
        [this](const CHeaderObject* pItem, QPoint ptWindow) { DropLibraryItem(pItem, ptWindow); });
    connect(m_pLibrary, &CLibraryBrowser::EffectDropped, this,
        [this](int nKind, QPoint ptWindow) { DropEffect(nKind, ptWindow); });
    connect(m_pLibrary, &CLibraryBrowser::DragStarted, this, [this] { SuspendPainting(true); });
    connect(m_pLibrary, &CLibraryBrowser::DragEnded, this, [this] {
        SuspendPainting(false);
        update();
    });
    connect(m_pLibrary, &CLibraryBrowser::CloseRequested, this, [this] { CloseLibrary(); });
    // Return (or a double click) on a row places it without a drag: an item in the middle of
    // the stage, an effect on the selection (or on the object in the middle).
    connect(m_pLibrary->List(), &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { PlaceLibraryRow(m_pLibrary->List()->row(item)); });
    m_pLibrary->show();
    m_pLibrary->raise();
    // The list takes the keys, so a browser opened from the keys is used from them.
    m_pLibrary->List()->setFocus(Qt::OtherFocusReason);
}

void CEditorDialog::PlaceLibraryRow(int nRow)
{
    if (m_pLibrary == nullptr || nRow < 0 || !IsEditing())
        return;
    const QPoint centre =
        m_ptFrame + QPoint(kStageLeft + kStageWidth / 2, kStageTop + kStageHeight / 2);
    if (m_pLibrary->GetPage() != CLibraryBrowser::pageEffects) {
        // A picture goes with its middle on the stage's middle.
        DropLibraryItem(m_pLibrary->ItemRecord(nRow), centre, true);
        return;
    }
    const int kind = m_pLibrary->ItemEffect(nRow);
    const std::vector<EffectKind>& kinds = EffectKinds();
    if (m_pEditing->SelectionCount() > 0 && kind >= 0 && kind < static_cast<int>(kinds.size())) {
        m_pEditing->AttachEffectToSelection(kinds[static_cast<size_t>(kind)]);
        update();
        return;
    }
    DropEffect(kind, centre);
}

void CEditorDialog::CloseLibrary()
{
    if (m_pLibrary == nullptr)
        return;
    // Keys the browser held come back to the editor, so that Space plays at once.
    const bool bHadKeys = m_pLibrary->isAncestorOf(QApplication::focusWidget());
    m_pLibrary->CancelDrag();
    m_pLibrary->hide();
    m_pLibrary->deleteLater();
    m_pLibrary = nullptr;
    SuspendPainting(false);
    if (bHadKeys)
        setFocus(Qt::OtherFocusReason);
    update();
}

bool CEditorDialog::DropPoint(QPoint ptWindow) const
{
    // Only a release inside the program's frame counts, and only while a project is edited.
    return IsEditing() && QRect(m_ptFrame, QSize(kFrameWidth, kFrameHeight)).contains(ptWindow);
}

void CEditorDialog::DropLibraryItem(const CHeaderObject* pItem, QPoint pt, bool bCentred)
{
    if (pItem == nullptr || !DropPoint(pt))
        return;
    m_pEditing->PlaceLibraryItem(*pItem, pt, bCentred);
    update();
}

void CEditorDialog::DropEffect(int nKind, QPoint pt)
{
    const std::vector<EffectKind>& kinds = EffectKinds();
    if (nKind < 0 || nKind >= static_cast<int>(kinds.size()) || !DropPoint(pt))
        return;
    // On an object that is not selected the effect goes to that object; elsewhere to the
    // selection. With nothing there and nothing selected it has nowhere to go: the person is
    // told so, and nothing changes.
    CLayer* target = m_pEditing->HitTest(StagePointFromScreen(pt, size()));
    if (target == nullptr && m_pEditing->SelectionCount() == 0) {
        platform::ShowMessage(
            tr("The effect was not added: there is no object where it was dropped, and no "
               "object is selected. Drop it on an object, or select objects first.")
                .toStdString());
        return;
    }
    if (target != nullptr && !m_pEditing->IsSelected(target))
        m_pEditing->AttachEffectToLayer(*target, kinds[static_cast<size_t>(nKind)]);
    else
        m_pEditing->AttachEffectToSelection(kinds[static_cast<size_t>(nKind)]);
    update();
}

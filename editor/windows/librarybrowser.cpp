#include "editor/windows/librarybrowser.h"

#include "editor/core/app.h"
#include "editor/skin/ownresources.h"
#include "model/header.h"
#include "platform/resources.h"
#include "platform/scale.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "playback/shownnames.h"
#include "resources/faces.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr const char* kFullFace = "RAMA";
constexpr const char* kMinimisedFace = "TOOLBOX_MINIMIZED";

constexpr int kTipClose = 10009;
constexpr int kTipMinimise = 10088;

constexpr int kImageSize = 32;
// One cell of the icon list: three to a row in the list's 241 pixels.
constexpr int kGridW = 78;
constexpr int kGridH = 64;

const QRect kListRect(11, 84, 241, 293);
const QRect kComboRect(11, 396, 241, 22);
const QRect kScrollRect(271, 89, 31, 277);
const QPoint kPagePicture(18, 53);
// The scroll bar's own buttons, in its area.
const QRect kUpButton(0, 0, 31, 28);
const QRect kDownButton(0, 249, 31, 28);

// The picture of a dragged item: a child of the browser's window covering it, showing the
// window as it was when the drag began (the editor holds its own painting meanwhile) with the
// item's picture beside the pointer. Being a child it needs no global position, so the drag
// looks the same whether or not the window system lets a program place its windows.
class CDragImage final : public QWidget {
public:
    CDragImage(QWidget* window, QImage picture)
        : QWidget(window), m_backdrop(window->grab()), m_picture(std::move(picture))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window->rect());
        hide();
    }
    // Puts the picture's corner at pt (the window's coordinates) and shows it.
    void Place(QPoint pt)
    {
        const QRect old(m_pt, m_picture.size());
        m_pt = pt;
        if (!isVisible()) {
            show();
            raise();
        } else {
            update(QRegion(old) + QRect(m_pt, m_picture.size()));
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_backdrop);
        painter.drawImage(m_pt, m_picture);
    }

private:
    QPixmap m_backdrop;
    QImage m_picture;
    QPoint m_pt;
};

struct PageEntry {
    const char* szButton;
    int nId;
    const char* szPicture;
};
constexpr PageEntry kPages[5] = {
    {"soanimations", ID_BROWSER_ANIMATIONS, "SOSTATICANIMATIONS"},
    {"socliparts", ID_BROWSER_CLIPARTS, "SOSTATICCLIPARTS"},
    {"sobackgrounds", ID_BROWSER_BACKGROUNDS, "SOSTATICBACKGROUNDS"},
    {"sosounds", ID_BROWSER_SOUNDS, "SOSTATICSOUNDS"},
    {"soeffects", ID_BROWSER_EFFECTS, "SOSTATICEFFECTS"},
};

int CatalogueOfPage(int nPage)
{
    switch (nPage) {
    case CLibraryBrowser::pageAnimations: return CHeaderObject::typeAnimation;
    case CLibraryBrowser::pageCliparts: return CHeaderObject::typeClipart;
    case CLibraryBrowser::pageBackgrounds: return CHeaderObject::typeBackground;
    case CLibraryBrowser::pageSounds: return CHeaderObject::typeSound;
    default: return 0;
    }
}

// A picture fitted into the 32 x 32 cell, its proportions kept, white around it: made at the
// screen's pixels (32 r x 32 r, carrying the device pixel ratio r), scaled smoothly.
QImage Fitted(const QImage& image, qreal ratio)
{
    const QSize device = platform::DeviceSize({kImageSize, kImageSize}, ratio);
    QImage cell(device, QImage::Format_RGB32);
    cell.fill(Qt::white);
    if (!image.isNull()) {
        const QSize fit = image.size().scaled(device, Qt::KeepAspectRatio).expandedTo({1, 1});
        QPainter painter(&cell);
        painter.drawImage((device.width() - fit.width()) / 2,
                          (device.height() - fit.height()) / 2,
                          platform::ScaledSmooth(image, fit));
    }
    cell.setDevicePixelRatio(ratio);
    return cell;
}

QPoint BarPlace(const char* name, QPoint ptDefault)
{
    const faces::WindowFace* face = faces::FindWindow(kMinimisedFace);
    if (face == nullptr)
        return ptDefault;
    for (const faces::Place& place : face->buttons)
        if (place.strButton == name)
            return place.pt;
    return ptDefault;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The scroll bar

CBrowserScrollBar::CBrowserScrollBar(QWidget* parent) : QWidget(parent)
{
    m_track = platform::LoadResBitmap("SOSCROLLBAR", devicePixelRatioF());
    m_thumb = platform::LoadResBitmap("patratelU", devicePixelRatioF());
    setFixedSize(kScrollRect.size());
}

void CBrowserScrollBar::SetRange(int nMax, int nPage)
{
    m_nMax = std::max(0, nMax);
    m_nPage = std::max(1, nPage);
    m_nValue = std::clamp(m_nValue, 0, m_nMax);
    update();
}

void CBrowserScrollBar::SetValue(int nValue)
{
    nValue = std::clamp(nValue, 0, m_nMax);
    if (nValue == m_nValue)
        return;
    m_nValue = nValue;
    update();
}

void CBrowserScrollBar::SetValueAndTell(int nValue)
{
    nValue = std::clamp(nValue, 0, m_nMax);
    if (nValue == m_nValue)
        return;
    m_nValue = nValue;
    update();
    emit ValueChanged(m_nValue);
}

QRect CBrowserScrollBar::ThumbRect() const
{
    const QSize size = m_thumb.isNull() ? QSize(31, 24) : m_thumb.deviceIndependentSize().toSize();
    const int top = kUpButton.bottom() + 1;
    const int room = kDownButton.top() - top - size.height();
    const int y = m_nMax > 0 ? top + room * m_nValue / m_nMax : top;
    return QRect(QPoint((width() - size.width()) / 2, y), size);
}

void CBrowserScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_track.isNull())
        painter.drawImage(0, 0, m_track);
    if (!m_thumb.isNull() && m_nMax > 0)
        painter.drawImage(ThumbRect().topLeft(), m_thumb);
}

void CBrowserScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pt = event->position().toPoint();
    if (kUpButton.contains(pt))
        LineUp();
    else if (kDownButton.contains(pt))
        LineDown();
    else if (pt.y() < ThumbRect().top())
        PageUp();
    else if (pt.y() > ThumbRect().bottom())
        PageDown();
}

// ---------------------------------------------------------------------------------------------
// The browser

CLibraryBrowser::CLibraryBrowser(QWidget* editor) : CSkinnedWidget(kFullFace, true, editor)
{
    setAccessibleName(tr("Library browser"));
    for (const PageEntry& page : kPages) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(page.szButton, page.nId));
        m_pageButtons.push_back(button);
        m_fullButtons.push_back(button);
    }
    m_fullButtons.push_back(Bind(m_skin.AddButton("sominimize", ID_BROWSER_MINIMIZE, kTipMinimise)));
    m_fullButtons.push_back(Bind(m_skin.AddButton("soclose", ID_BROWSER_CLOSE, kTipClose)));
    m_pRestore = Bind(m_skin.AddButton("tbmmaximizelibrary", ID_BROWSER_RESTORE,
                                       BarPlace("tbmmaximizelibrary", {8, 8})));
    m_pCloseMinimised = Bind(m_skin.AddButton("tbmclose", ID_BROWSER_CLOSE_MINIMIZED,
                                              BarPlace("tbmclose", {119, 10}), kTipClose));
    m_pRestore->hide();
    m_pCloseMinimised->hide();

    m_pList = new QListWidget(this);
    m_pList->setGeometry(kListRect);
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setMovement(QListView::Static);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setFlow(QListView::LeftToRight);
    m_pList->setWrapping(true);
    m_pList->setWordWrap(true);
    m_pList->setUniformItemSizes(true);
    m_pList->setIconSize(QSize(kImageSize, kImageSize));
    m_pList->setGridSize(QSize(kGridW, kGridH));
    m_pList->setDragEnabled(false);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setFrameShape(QFrame::NoFrame);
    m_pList->setStyleSheet("QListWidget { background: white; color: black; }");
    m_pList->viewport()->installEventFilter(this);
    m_pList->setAccessibleName(tr("Library items"));

    m_pCategories = new QComboBox(this);
    m_pCategories->setGeometry(kComboRect);
    m_pCategories->setToolTip(tr("Category"));
    m_pCategories->setAccessibleName(tr("Category"));

    m_pScroll = new CBrowserScrollBar(this);
    m_pScroll->move(kScrollRect.topLeft());
    connect(m_pScroll, &CBrowserScrollBar::ValueChanged, this,
            [this](int nValue) { m_pList->verticalScrollBar()->setValue(nValue * kGridH); });
    QScrollBar* inner = m_pList->verticalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, [this] { SyncScrollBar(); });
    connect(inner, &QScrollBar::valueChanged, this, [this] { SyncScrollBar(); });

    FillCategories();
    connect(m_pCategories, &QComboBox::currentIndexChanged, this,
            [this](int nIndex) { OnCategoryChosen(nIndex); });
    m_pagePicture = platform::LoadResBitmap(kPages[0].szPicture, devicePixelRatioF());
    Fill();
}

CLibraryBrowser::~CLibraryBrowser()
{
    if (m_bDragging) {
        m_bDragging = false;
        emit DragEnded();
    }
    delete m_pDragImage;
}

QImage CLibraryBrowser::PlaceholderImage()
{
    QImage image(kImageSize, kImageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(QColor(0xE0, 0xE0, 0xE0));
    painter.drawRect(3, 3, kImageSize - 7, kImageSize - 7);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kImageSize, kImageSize), Qt::AlignCenter, "?");
    return image;
}

void CLibraryBrowser::FillCategories()
{
    QSignalBlocker block(m_pCategories);
    m_pCategories->clear();
    // Each row shows its category in the program's language and carries the stored text.
    m_pCategories->addItem(shown::CategoryName(kAllCategories), QString::fromLatin1(kAllCategories));
    int current = 0;
    if (const CEditorApp* app = CEditorApp::Get()) {
        for (const std::string& category : app->GetCategories()) {
            if (category == app->GetCurrentCategory())
                current = m_pCategories->count();
            m_pCategories->addItem(shown::CategoryName(category),
                                   QString::fromStdString(category));
        }
    }
    m_pCategories->setCurrentIndex(current);
    m_strCategory = current == 0 ? std::string() : CEditorApp::Get()->GetCurrentCategory();
}

std::vector<std::string> CLibraryBrowser::Categories() const
{
    std::vector<std::string> result;
    for (int i = 0; i < m_pCategories->count(); ++i)
        result.push_back(m_pCategories->itemData(i).toString().toStdString());
    return result;
}

std::string CLibraryBrowser::GetCategory() const
{
    return m_pCategories->currentData().toString().toStdString();
}

bool CLibraryBrowser::SetCategory(const std::string& strCategory)
{
    const int index = m_pCategories->findData(QString::fromStdString(strCategory), Qt::UserRole,
                                              Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    m_pCategories->setCurrentIndex(index);
    return true;
}

void CLibraryBrowser::OnCategoryChosen(int nIndex)
{
    std::string category;
    CEditorApp* app = CEditorApp::Get();
    if (nIndex > 0 && app != nullptr && nIndex - 1 < int(app->GetCategories().size()))
        category = app->GetCategories()[static_cast<size_t>(nIndex - 1)];
    if (category == m_strCategory)
        return;
    m_strCategory = category;
    // "All" is the browser's own: the application keeps the category it had.
    if (app != nullptr && !category.empty())
        app->SetCurrentCategory(category);
    if (m_nPage != pageEffects)
        Fill();
}

void CLibraryBrowser::ShowPage(int nPage)
{
    if (nPage < pageAnimations || nPage > pageEffects || nPage == m_nPage)
        return;
    CancelDrag();
    m_nPage = nPage;
    m_pagePicture = platform::LoadResBitmap(kPages[nPage - 1].szPicture, devicePixelRatioF());
    for (int i = 0; i < 5; ++i)
        m_pageButtons[static_cast<size_t>(i)]->SetPressedLook(i + 1 == nPage);
    Fill();
    update();
}

void CLibraryBrowser::Fill()
{
    for (int i = 0; i < 5; ++i)
        m_pageButtons[static_cast<size_t>(i)]->SetPressedLook(i + 1 == m_nPage);
    m_pList->clear();
    m_items.clear();
    if (m_nPage == pageEffects) {
        // The strip drawn for the screen's ratio: its cells are 32 r pixels wide.
        const qreal ratio = devicePixelRatioF();
        const QImage strip = platform::LoadResBitmap("EFFECTIMAGELIST", ratio);
        const int cellSize = platform::DeviceSize({kImageSize, kImageSize}, ratio).width();
        const std::vector<EffectKind>& kinds = EffectKinds();
        for (size_t i = 0; i < kinds.size(); ++i) {
            QImage cell = strip.isNull()
                ? PlaceholderImage()
                // The strip's cells are numbered from 1.
                : strip.copy((kinds[i].m_nImage - 1) * cellSize, 0, cellSize, cellSize);
            const QString name = shown::EffectKindName(i);
            auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(cell)), name, m_pList);
            item->setToolTip(name);
            item->setData(Qt::UserRole, int(i));
            item->setData(Qt::UserRole + 1, cell);
        }
    } else if (const CEditorApp* app = CEditorApp::Get()) {
        const QImage soundIcon = LoadOwnBitmap("139");
        if (const CCatalogue* catalogue = app->GetCatalogue(CatalogueOfPage(m_nPage))) {
            for (const auto& record : *catalogue) {
                if (!m_strCategory.empty() && record->m_strCategory != m_strCategory)
                    continue;
                QImage picture;
                if (m_nPage == pageSounds)
                    picture = soundIcon;
                else if (record->m_pPreview)
                    picture = record->m_pPreview->GetImage();
                // Without a picture of its own an item shows the placeholder, so that every
                // item keeps a picture of its own row.
                const QImage cell = picture.isNull() ? PlaceholderImage()
                                                     : Fitted(picture, devicePixelRatioF());
                const QString name
                    = shown::LibraryName(record->m_nType, record->m_nValue, record->m_strName);
                auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(cell)), name, m_pList);
                item->setToolTip(name);
                item->setData(Qt::UserRole, int(m_items.size()));
                item->setData(Qt::UserRole + 1, cell);
                m_items.push_back(record.get());
            }
        }
    }
    // Laid out now, so that the scroll bar knows the list's height at once.
    m_pList->doItemsLayout();
    m_pList->verticalScrollBar()->setValue(0);
    SyncScrollBar();
}

void CLibraryBrowser::SyncScrollBar()
{
    const QScrollBar* inner = m_pList->verticalScrollBar();
    const int max = (inner->maximum() + kGridH - 1) / kGridH;
    m_pScroll->SetRange(max, std::max(1, kListRect.height() / kGridH));
    m_pScroll->SetValue((inner->value() + kGridH / 2) / kGridH);
}

int CLibraryBrowser::TopRow() const
{
    const int columns = std::max(1, m_pList->viewport()->width() / kGridW);
    return m_pList->verticalScrollBar()->value() / kGridH * columns;
}

int CLibraryBrowser::ItemCount() const
{
    return m_pList->count();
}

QString CLibraryBrowser::ItemText(int nRow) const
{
    const QListWidgetItem* item = m_pList->item(nRow);
    return item ? item->text() : QString();
}

QImage CLibraryBrowser::ItemImage(int nRow) const
{
    const QListWidgetItem* item = m_pList->item(nRow);
    return item ? item->data(Qt::UserRole + 1).value<QImage>() : QImage();
}

QString CLibraryBrowser::ItemToolTip(int nRow) const
{
    const QListWidgetItem* item = m_pList->item(nRow);
    return item ? item->toolTip() : QString();
}

const CHeaderObject* CLibraryBrowser::ItemRecord(int nRow) const
{
    const QListWidgetItem* item = m_pList->item(nRow);
    if (item == nullptr || m_nPage == pageEffects)
        return nullptr;
    const int index = item->data(Qt::UserRole).toInt();
    return index >= 0 && index < int(m_items.size()) ? m_items[static_cast<size_t>(index)]
                                                      : nullptr;
}

int CLibraryBrowser::ItemEffect(int nRow) const
{
    const QListWidgetItem* item = m_pList->item(nRow);
    if (item == nullptr || m_nPage != pageEffects)
        return -1;
    return item->data(Qt::UserRole).toInt();
}

void CLibraryBrowser::Minimise()
{
    if (m_bMinimised)
        return;
    CancelDrag();
    m_bMinimised = true;
    for (CMyBitmapButton* button : m_fullButtons)
        button->hide();
    m_pList->hide();
    m_pCategories->hide();
    m_pScroll->hide();
    m_skin.SetFace(kMinimisedFace);
    if (QWidget* parent = parentWidget(); parent != nullptr && x() + width() > parent->width())
        m_skin.MoveTo(QPoint(std::max(0, parent->width() - width()), y()));
    m_pRestore->show();
    m_pCloseMinimised->show();
}

void CLibraryBrowser::Restore()
{
    if (!m_bMinimised)
        return;
    m_bMinimised = false;
    m_pRestore->hide();
    m_pCloseMinimised->hide();
    m_skin.SetFace(kFullFace);
    if (QWidget* parent = parentWidget(); parent != nullptr && x() + width() > parent->width())
        m_skin.MoveTo(QPoint(std::max(0, parent->width() - width()), y()));
    for (CMyBitmapButton* button : m_fullButtons)
        button->show();
    m_pList->show();
    m_pCategories->show();
    m_pScroll->show();
}

void CLibraryBrowser::OnCommand(int nId)
{
    for (int i = 0; i < 5; ++i)
        if (kPages[i].nId == nId) {
            ShowPage(i + 1);
            return;
        }
    switch (nId) {
    case ID_BROWSER_MINIMIZE:
        Minimise();
        break;
    case ID_BROWSER_RESTORE:
        Restore();
        break;
    case ID_BROWSER_CLOSE:
    case ID_BROWSER_CLOSE_MINIMIZED:
        CancelDrag();
        emit CloseRequested();
        break;
    default:
        CSkinnedWidget::OnCommand(nId);
        break;
    }
}

void CLibraryBrowser::paintEvent(QPaintEvent* event)
{
    CSkinnedWidget::paintEvent(event);
    if (m_bMinimised || m_pagePicture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(kPagePicture, m_pagePicture);
}

// ---------------------------------------------------------------------------------------------
// Dragging

bool CLibraryBrowser::BeginDrag(int nRow)
{
    if (m_bDragging || m_pList->item(nRow) == nullptr)
        return false;
    m_nDragRow = nRow;
    m_bDragging = true;
    m_pList->setCurrentRow(nRow);
    // The item's picture follows the pointer over the window, as it looks now: the window is
    // taken before the editor holds its painting.
    delete m_pDragImage;
    m_pDragImage = new CDragImage(window(), ItemImage(nRow));
    setCursor(Qt::DragCopyCursor);
    grabMouse(Qt::DragCopyCursor);
    grabKeyboard();
    emit DragStarted();
    return true;
}

void CLibraryBrowser::MoveDragImage(QPoint ptWindow)
{
    if (m_pDragImage == nullptr)
        return;
    static_cast<CDragImage*>(m_pDragImage.data())->Place(ptWindow + QPoint(8, 8));
    // Over the browser a drop would do nothing: the pointer says so.
    const bool bInside = rect().contains(mapFrom(window(), ptWindow));
    setCursor(bInside ? Qt::ForbiddenCursor : Qt::DragCopyCursor);
}

void CLibraryBrowser::EndDrag()
{
    m_bDragging = false;
    m_nPressRow = -1;
    releaseMouse();
    releaseKeyboard();
    unsetCursor();
    if (m_pDragImage != nullptr) {
        m_pDragImage->hide();
        m_pDragImage->deleteLater();
        m_pDragImage = nullptr;
    }
    emit DragEnded();
}

void CLibraryBrowser::CancelDrag()
{
    m_nPressRow = -1;
    if (m_bDragging)
        EndDrag();
}

void CLibraryBrowser::ReleaseDrag(QPoint ptWindow)
{
    if (!m_bDragging)
        return;
    const int row = m_nDragRow;
    const int page = m_nPage;
    EndDrag();
    // A release over the browser itself drops nothing.
    if (rect().contains(mapFrom(window(), ptWindow)) && isVisible())
        return;
    if (page == pageEffects) {
        const int kind = ItemEffect(row);
        if (kind >= 0)
            emit EffectDropped(kind, ptWindow);
    } else if (const CHeaderObject* record = ItemRecord(row)) {
        emit ItemDropped(record, ptWindow);
    }
}

void CLibraryBrowser::DropForTest(int nRow, QPoint ptWindow)
{
    if (BeginDrag(nRow))
        ReleaseDrag(ptWindow);
}

bool CLibraryBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pList->viewport())
        return CSkinnedWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QListWidgetItem* item = m_pList->itemAt(mouse->position().toPoint());
            m_nPressRow = item ? m_pList->row(item) : -1;
            m_ptPress = mouse->position().toPoint();
        }
    } else if (event->type() == QEvent::MouseMove && m_nPressRow >= 0 && !m_bDragging) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pt = mouse->position().toPoint();
        if ((mouse->buttons() & Qt::LeftButton)
            && (pt - m_ptPress).manhattanLength() >= QApplication::startDragDistance()) {
            const int row = m_nPressRow;
            m_nPressRow = -1;
            if (BeginDrag(row))
                MoveDragImage(m_pList->viewport()->mapTo(window(), pt));
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_nPressRow = -1;
    }
    return CSkinnedWidget::eventFilter(watched, event);
}

void CLibraryBrowser::mousePressEvent(QMouseEvent* event)
{
    if (m_bDragging)
        return;
    if (m_bMinimised && event->button() == Qt::LeftButton
        && childAt(event->position().toPoint()) == nullptr)
        Restore();
    CSkinnedWidget::mousePressEvent(event);
}

void CLibraryBrowser::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        MoveDragImage(mapTo(window(), event->position().toPoint()));
        return;
    }
    CSkinnedWidget::mouseMoveEvent(event);
}

void CLibraryBrowser::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        if (event->button() == Qt::LeftButton)
            ReleaseDrag(mapTo(window(), event->position().toPoint()));
        return;
    }
    CSkinnedWidget::mouseReleaseEvent(event);
}

void CLibraryBrowser::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels a drag; without one it closes the browser, as it closes the other windows.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_bDragging)
            CancelDrag();
        else
            emit CloseRequested();
        return;
    }
    CSkinnedWidget::keyPressEvent(event);
}

void CLibraryBrowser::hideEvent(QHideEvent* event)
{
    CancelDrag();
    CSkinnedWidget::hideEvent(event);
}

bool CLibraryBrowser::event(QEvent* event)
{
    switch (event->type()) {
    // The release will not come: the drag ends where it is, dropping nothing.
    case QEvent::UngrabMouse:
    case QEvent::WindowDeactivate:
    case QEvent::Close:
        CancelDrag();
        break;
    default:
        break;
    }
    return CSkinnedWidget::event(event);
}

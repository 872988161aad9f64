#include "editor/skin/skin.h"

#include "editor/skin/accessible.h"
#include "editor/skin/ownresources.h"
#include "editor/skin/placement.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QAccessible>
#include <QBitmap>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

// ---------------------------------------------------------------------------------------------
// Bitmap buttons

CMyBitmapButton::CMyBitmapButton(const std::string& strText, int nId, QWidget* parent)
    : QAbstractButton(parent), m_strText(strText), m_nId(nId)
{
    // A screen reader reads the button through the program's own interfaces.
    accessible::InstallAccessibleControls();
    // Reached by Tab, not by a click: a press with the pointer leaves the keys where they were.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    if (!m_strText.empty())
        LoadFaces(m_strText);
    connect(this, &QAbstractButton::clicked, this, [this] { emit Command(m_nId); });
}

bool CMyBitmapButton::LoadFaces(const std::string& strBase)
{
    m_strBase = strBase;
    if (strBase.empty()) {
        SetFaces({}, {}, {}, {});
        return false;
    }
    m_ratio = devicePixelRatioF();
    auto load = [this, &strBase](const char* state) {
        return platform::LoadResBitmap(strBase + state, m_ratio);
    };
    QImage up = load("U");
    SetFaces(up, load("D"), load("F"), load("X"));
    // SetFaces forgets the base (faces set directly cannot be loaded again); these can.
    m_strBase = strBase;
    return !up.isNull();
}

void CMyBitmapButton::MatchPixelRatio()
{
    if (!m_strBase.empty() && devicePixelRatioF() != m_ratio)
        LoadFaces(m_strBase);
}

bool CMyBitmapButton::event(QEvent* event)
{
    if (IsPixelRatioChange(event))
        MatchPixelRatio();
    return QAbstractButton::event(event);
}

void CMyBitmapButton::SetFaces(QImage up, QImage down, QImage focus, QImage disabled)
{
    m_faces[0] = std::move(up);
    m_faces[1] = down.isNull() ? m_faces[0] : std::move(down);
    m_faces[2] = focus.isNull() ? m_faces[0] : std::move(focus);
    m_faces[3] = disabled.isNull() ? m_faces[0] : std::move(disabled);
    m_strBase.clear();
    if (!m_faces[0].isNull())
        resize(LogicalSize(m_faces[0]));
    update();
}

int CMyBitmapButton::FaceIndex() const
{
    if (!isEnabled())
        return 3;
    if (isDown() || m_bPressedLook)
        return 1;
    if (m_bHover || hasFocus())
        return 2;
    return 0;
}

void CMyBitmapButton::SetPressedLook(bool bPressed)
{
    const bool bChanged = bPressed != m_bPressedLook || !m_bCheckButton;
    m_bPressedLook = bPressed;
    m_bCheckButton = true;
    update();
    if (bChanged && QAccessible::isActive()) {
        QAccessible::State state;
        state.checked = true;
        QAccessibleStateChangeEvent event(this, state);
        QAccessible::updateAccessibility(&event);
    }
}

QSize CMyBitmapButton::sizeHint() const
{
    return m_faces[0].isNull() ? size() : LogicalSize(m_faces[0]);
}

bool CMyBitmapButton::ShowsFocusRing() const
{
    return hasFocus() && m_bKeyFocus;
}

void CMyBitmapButton::paintEvent(QPaintEvent*)
{
    MatchPixelRatio();
    const QImage& face = m_faces[FaceIndex()];
    QPainter painter(this);
    if (!face.isNull())
        painter.drawImage(0, 0, face);
    if (!ShowsFocusRing())
        return;
    // The keys' mark: a teal ring inside the button's edge, drawn in logical pixels so it is
    // as crisp at 2x as at 1x, and distinct from the coral ring of the face under the pointer.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgb(kFocusRing), 2));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = std::max<qreal>(2, ring.height() / 4);
    painter.drawRoundedRect(ring, radius, radius);
}

void CMyBitmapButton::focusInEvent(QFocusEvent* event)
{
    // The pointer gives focus too (the dialogs' buttons follow it); only the keys get the ring.
    m_bKeyFocus = event->reason() != Qt::MouseFocusReason;
    QAbstractButton::focusInEvent(event);
}

void CMyBitmapButton::focusOutEvent(QFocusEvent* event)
{
    m_bKeyFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void CMyBitmapButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses as every button does; Return and Enter press the focused button too, as
    // the skinned windows have no default button to take them.
    // A menu's arrows are the menu's: they go from row to row and from menu to menu.
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)
        && qobject_cast<CDropDownMenu*>(parentWidget()) != nullptr) {
        event->ignore();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CMyBitmapButton::enterEvent(QEnterEvent* event)
{
    m_bHover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CMyBitmapButton::leaveEvent(QEvent* event)
{
    m_bHover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Tooltips

namespace {

constexpr int kTipHeight = 20;
constexpr int kTipPadding = 6;
constexpr QRgb kTipLabel = 0xFFFFFAF2;
constexpr QRgb kTipInk = 0xFF4A2545;

QFont TipFont()
{
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

} // namespace

CSkinToolTip::CSkinToolTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The end pieces are loaded when the tip shows, for the screen it shows on.
    hide();
}

namespace {

// The tip of that logical size at a pixel ratio: the label between the end pieces.
QImage ComposeTip(QSize size, qreal ratio, const QImage& left, const QImage& right,
                  const QString& text)
{
    QImage picture(qRound(size.width() * ratio), qRound(size.height() * ratio),
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QSize leftSize = LogicalSize(left);
    const QSize rightSize = LogicalSize(right);
    const QRect label(leftSize.width(), 0, size.width() - leftSize.width() - rightSize.width(),
                      size.height());
    painter.fillRect(label, QColor::fromRgba(kTipLabel));
    QPen ink(QColor::fromRgba(kTipInk), 1);
    painter.setPen(ink);
    painter.drawLine(label.topLeft(), label.topRight());
    painter.drawLine(label.bottomLeft(), label.bottomRight());
    if (!left.isNull())
        painter.drawImage(0, (size.height() - leftSize.height()) / 2, left);
    if (!right.isNull())
        painter.drawImage(size.width() - rightSize.width(),
                          (size.height() - rightSize.height()) / 2, right);
    if (left.isNull())
        painter.drawLine(label.topLeft(), label.bottomLeft());
    if (right.isNull())
        painter.drawLine(label.topRight(), label.bottomRight());
    painter.setFont(TipFont());
    painter.drawText(label, Qt::AlignCenter, text);
    return picture;
}

} // namespace

CSkinToolTip::~CSkinToolTip()
{
    for (Tool& tool : m_tools)
        if (tool.pWidget)
            tool.pWidget->removeEventFilter(this);
}

void CSkinToolTip::AddTool(QWidget* tool, const std::string& strText)
{
    if (tool == nullptr)
        return;
    m_tools.push_back({tool, strText});
    tool->installEventFilter(this);
}

void CSkinToolTip::AddTool(QWidget* tool, const QString& text)
{
    AddTool(tool, text.toStdString());
}

void CSkinToolTip::UpdateTipText(QWidget* tool, const std::string& strText)
{
    for (Tool& entry : m_tools)
        if (entry.pWidget == tool) {
            entry.strText = strText;
            return;
        }
    AddTool(tool, strText);
}

std::string CSkinToolTip::GetText(QWidget* tool) const
{
    for (const Tool& entry : m_tools)
        if (entry.pWidget == tool)
            return entry.strText;
    return {};
}

void CSkinToolTip::ShowFor(QWidget* tool, const QPoint& ptGlobal)
{
    const std::string text = GetText(tool);
    if (!m_bActive || text.empty()) {
        hide();
        return;
    }
    m_strShown = QString::fromStdString(text);
    // The end pieces for the pixel ratio of the screen the tip shows on.
    const QScreen* at = QGuiApplication::screenAt(ptGlobal);
    m_ratio = at != nullptr ? at->devicePixelRatio() : devicePixelRatioF();
    m_left = LoadOwnBitmap("TIP_LEFT", m_ratio);
    m_right = LoadOwnBitmap("TIP_RIGHT", m_ratio);
    const QSize leftSize = LogicalSize(m_left);
    const QSize rightSize = LogicalSize(m_right);
    const QFontMetrics metrics(TipFont());
    const int width = leftSize.width() + kTipPadding * 2 +
                      metrics.horizontalAdvance(m_strShown) + rightSize.width();
    const int height = std::max({kTipHeight, leftSize.height(), rightSize.height()});
    resize(width, height);
    QPoint pt = ptGlobal + QPoint(0, 20);
    if (const QScreen* screen = QGuiApplication::screenAt(ptGlobal)) {
        const QRect area = screen->geometry();
        pt.setX(std::min(pt.x(), area.right() - width));
        if (pt.y() + height > area.bottom())
            pt.setY(ptGlobal.y() - height - 4);
    }
    Compose();
    move(pt);
    show();
    raise();
    update();
}

bool CSkinToolTip::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowFor(static_cast<QWidget*>(watched), help->globalPos());
        return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSkinToolTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void CSkinToolTip::Compose()
{
    m_picture = ComposeTip(size(), m_ratio, m_left, m_right, m_strShown);
    // The end pieces are shaped: what they leave transparent is not part of the tip. The mask
    // is in logical pixels: it comes from the tip composed at 1x.
    const QImage shape = m_ratio == 1.0 ? m_picture
                                        : ComposeTip(size(), 1, LoadOwnBitmap("TIP_LEFT"),
                                                     LoadOwnBitmap("TIP_RIGHT"), QString());
    setMask(QBitmap::fromImage(shape.createAlphaMask()));
}

// ---------------------------------------------------------------------------------------------
// The skin

QSize LogicalSize(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

bool IsPixelRatioChange(const QEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event->type() == QEvent::ScreenChangeInternal;
}

QRegion OutlineRegion(const std::string& strFace, const QSize& size)
{
    if (size.isEmpty())
        return {};
    const faces::WindowFace* face = faces::FindWindow(strFace);
    if (face == nullptr)
        return QRegion(QRect(QPoint(0, 0), size));
    QRegion region;
    for (const QPolygon& polygon : faces::OutlinePolygons(*face))
        region += QRegion(polygon);
    return region;
}

CSkin::CSkin(QWidget* window, std::string strFace, bool bDragByBody)
    : m_pWindow(window), m_bDragByBody(bDragByBody), m_pToolTip(new CSkinToolTip(window))
{
    m_pWindow->setAttribute(Qt::WA_OpaquePaintEvent);
    m_pToolTip->Activate(true);
    SetFace(strFace);
}

void CSkin::SetFace(const std::string& strFace)
{
    m_strFace = strFace;
    LoadFace();
    if (!m_face.isNull()) {
        m_size = LogicalSize(m_face);
    } else if (const faces::WindowFace* face = faces::FindWindow(strFace)) {
        m_size = face->size;
    } else {
        m_size = m_pWindow->size();
    }
    if (!m_size.isEmpty()) {
        m_pWindow->setFixedSize(m_size);
        m_pWindow->setMask(OutlineRegion(strFace, m_size));
    }
    m_pWindow->update();
}

void CSkin::LoadFace()
{
    m_ratio = m_pWindow->devicePixelRatioF();
    m_face = platform::LoadResBitmap(m_strFace, m_ratio);
    if (!m_face.isNull() && m_decorate)
        m_decorate(m_face);
}

void CSkin::SetDecoration(std::function<void(QImage& face)> decorate)
{
    m_decorate = std::move(decorate);
    LoadFace();
    m_pWindow->update();
}

void CSkin::MatchPixelRatio()
{
    if (m_pWindow->devicePixelRatioF() != m_ratio) {
        LoadFace();
        m_pWindow->update();
    }
    for (CMyBitmapButton* button : m_buttons)
        button->MatchPixelRatio();
}

CMyBitmapButton* CSkin::AddButton(const std::string& strText, int nId, int nTipId)
{
    QPoint pt;
    if (const faces::WindowFace* face = faces::FindWindow(m_strFace))
        for (const faces::Place& place : face->buttons)
            if (place.strButton == strText)
                pt = place.pt;
    return AddButton(strText, nId, pt, nTipId);
}

CMyBitmapButton* CSkin::AddButton(const std::string& strText, int nId, const QPoint& pt,
                                  int nTipId)
{
    auto* button = new CMyBitmapButton(strText, nId, m_pWindow);
    button->move(pt);
    // A screen reader says the face's label, in the program's language.
    if (const faces::ButtonFace* face = faces::FindButton(strText); face != nullptr)
        button->setAccessibleName(faces::ShownFaceText(face->label));
    if (!button->HasFace()) {
        // Without a face the button still takes its place, so it can be found and pressed.
        if (const faces::ButtonFace* face = faces::FindButton(strText))
            button->resize(face->size);
    }
    m_buttons.push_back(button);
    if (nTipId != 0)
        m_pToolTip->AddTool(button, platform::LoadResString(nTipId));
    return button;
}

CMyBitmapButton* CSkin::Button(int nId) const
{
    for (CMyBitmapButton* button : m_buttons)
        if (button->GetId() == nId)
            return button;
    return nullptr;
}

void CSkin::Paint(QPainter& painter, int nRows)
{
    MatchPixelRatio();
    if (m_face.isNull() || nRows == 0)
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (nRows < 0 || nRows >= LogicalSize(m_face).height())
        painter.drawImage(0, 0, m_face);
    else // the source rectangle is in the face's own pixels
        painter.drawImage(QPointF(0, 0), m_face,
                          QRectF(0, 0, m_face.width(), qRound(nRows * m_face.devicePixelRatio())));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CSkin::MoveTo(QPoint pt)
{
    if (m_limit)
        pt = m_limit(pt);
    m_pWindow->move(pt);
}

bool CSkin::MousePress(QMouseEvent* event)
{
    if (!m_bDragByBody || event->button() != Qt::LeftButton)
        return false;
    m_drag = Drag::pressed;
    m_ptGrab = event->position().toPoint();
    return true;
}

bool CSkin::MouseMove(QMouseEvent* event)
{
    if (m_drag == Drag::none)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (to the window system's move, or another window).
        m_drag = Drag::none;
        return false;
    }
    if (m_drag == Drag::pressed) {
        m_drag = Drag::hand;
        // The window system moves a top-level window: only it knows where the window is, and
        // it keeps the pointer from here to the release.
        QWindow* handle = m_pWindow->isWindow() ? m_pWindow->windowHandle() : nullptr;
        if (handle != nullptr
            && (m_systemMove ? m_systemMove(handle) : handle->startSystemMove()))
            m_drag = Drag::system;
    }
    if (m_drag == Drag::system)
        return true;
    const QPoint ptPointer = m_pWindow->isWindow()
                                 ? event->globalPosition().toPoint()
                                 : m_pWindow->mapToParent(event->position().toPoint());
    MoveTo(ptPointer - m_ptGrab);
    return true;
}

bool CSkin::MouseRelease(QMouseEvent* event)
{
    if (m_drag == Drag::none || event->button() != Qt::LeftButton)
        return false;
    m_drag = Drag::none;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Reading order

namespace {

// Two places lie on one line of the face when they share at least half of the lower one's
// height.
bool OnOneLine(const QRect& a, const QRect& b)
{
    const int shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return shared * 2 >= std::min(a.height(), b.height());
}

void CollectInReadingOrder(QWidget* container, std::vector<QWidget*>& out)
{
    std::vector<QWidget*> children;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow())
            children.push_back(child);
    }
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    // Line by line, each line from left to right.
    for (size_t first = 0; first < children.size();) {
        size_t end = first + 1;
        while (end < children.size()
               && OnOneLine(children[first]->geometry(), children[end]->geometry()))
            ++end;
        std::stable_sort(children.begin() + static_cast<std::ptrdiff_t>(first),
                         children.begin() + static_cast<std::ptrdiff_t>(end),
                         [](QWidget* a, QWidget* b) {
                             const QRect ra = a->geometry(), rb = b->geometry();
                             return ra.left() != rb.left() ? ra.left() < rb.left()
                                                           : ra.top() < rb.top();
                         });
        first = end;
    }
    for (QWidget* child : children) {
        // A control that takes the keys keeps its own parts (a combo box's field) to itself.
        if ((child->focusPolicy() & Qt::TabFocus) != 0 || child->focusProxy() != nullptr)
            out.push_back(child);
        else
            CollectInReadingOrder(child, out);
    }
}

} // namespace

std::vector<QWidget*> ReadingOrder(QWidget* window)
{
    std::vector<QWidget*> order;
    if (window != nullptr)
        CollectInReadingOrder(window, order);
    return order;
}

void SetReadingTabOrder(QWidget* window)
{
    const std::vector<QWidget*> order = ReadingOrder(window);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// ---------------------------------------------------------------------------------------------
// Skinned windows

CSkinnedWidget::CSkinnedWidget(const std::string& strFace, bool bDragByBody, QWidget* parent,
                               Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::FramelessWindowHint), m_skin(this, strFace, bDragByBody)
{
}

CMyBitmapButton* CSkinnedWidget::Bind(CMyBitmapButton* button)
{
    connect(button, &CMyBitmapButton::Command, this, [this](int nId) { OnCommand(nId); });
    return button;
}

bool CSkinnedWidget::event(QEvent* event)
{
    if (IsPixelRatioChange(event))
        m_skin.MatchPixelRatio();
    // A tool window or a menu that shows joins its window's Tab order where it sits.
    if (event->type() == QEvent::Show)
        SetReadingTabOrder(window());
    return QWidget::event(event);
}

void CSkinnedWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_skin.Paint(painter);
}

void CSkinnedWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_skin.MousePress(event))
        QWidget::mousePressEvent(event);
}

void CSkinnedWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_skin.MouseMove(event))
        QWidget::mouseMoveEvent(event);
}

void CSkinnedWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_skin.MouseRelease(event))
        QWidget::mouseReleaseEvent(event);
}

CSkinnedDialog::CSkinnedDialog(const std::string& strFace, bool bDragByBody, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_skin(this, strFace, bDragByBody)
{
}

void CSkinnedDialog::setVisible(bool bVisible)
{
    if (bVisible && !isVisible()) {
        GiveDefaultOwner(this);
        SetReadingTabOrder(this);
    }
    // A dialog that held the keys gives them back to the window it belongs to when it closes:
    // without a window manager nothing else would, and the keys would go nowhere.
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (!bVisible && isVisible() && isActiveWindow() && owner != nullptr) {
        QDialog::setVisible(false);
        if (owner->isVisible())
            owner->activateWindow();
        return;
    }
    QDialog::setVisible(bVisible);
}

CMyBitmapButton* CSkinnedDialog::Bind(CMyBitmapButton* button)
{
    connect(button, &CMyBitmapButton::Command, this, [this](int nId) { OnCommand(nId); });
    return button;
}

void CSkinnedDialog::FocusFollowsPointer()
{
    m_bFocusFollowsPointer = true;
    for (CMyBitmapButton* button : m_skin.Buttons()) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
    }
}

bool CSkinnedDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_bFocusFollowsPointer && event->type() == QEvent::Enter) {
        auto* button = qobject_cast<CMyBitmapButton*>(watched);
        QWidget* focus = focusWidget();
        const bool bTyping = qobject_cast<QLineEdit*>(focus) != nullptr
            || qobject_cast<QPlainTextEdit*>(focus) != nullptr;
        if (button != nullptr && button->isEnabled() && !bTyping)
            button->setFocus(Qt::MouseFocusReason);
    }
    return QDialog::eventFilter(watched, event);
}

bool CSkinnedDialog::event(QEvent* event)
{
    if (IsPixelRatioChange(event))
        m_skin.MatchPixelRatio();
    return QDialog::event(event);
}

void CSkinnedDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_skin.Paint(painter);
}

void CSkinnedDialog::mousePressEvent(QMouseEvent* event)
{
    if (!m_skin.MousePress(event))
        QDialog::mousePressEvent(event);
}

void CSkinnedDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_skin.MouseMove(event))
        QDialog::mouseMoveEvent(event);
}

void CSkinnedDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_skin.MouseRelease(event))
        QDialog::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Drop-down menus

CDropDownMenu::CDropDownMenu(const std::string& strFace,
                             const std::vector<std::pair<std::string, int>>& rows,
                             QWidget* parent)
    : CSkinnedWidget(strFace, false, parent)
{
    // The rows not unfolded yet show what lies behind the menu.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Rows the face does not place sit one under the other, as its own rows do.
    const faces::WindowFace* face = faces::FindWindow(strFace);
    for (size_t i = 0; i < rows.size(); ++i) {
        QPoint pt(10, 12 + 26 * static_cast<int>(i));
        if (face != nullptr)
            for (const faces::Place& place : face->buttons)
                if (place.strButton == rows[i].first)
                    pt = place.pt;
        Bind(m_skin.AddButton(rows[i].first, rows[i].second, pt));
    }
    m_timer.setSingleShot(true);
    m_timer.setInterval(kUnfoldPauseMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Advance(); });
    // The menu holds the keys while it unfolds from the keyboard; its rows take them after.
    setFocusPolicy(Qt::ClickFocus);
    hide();
}

void CDropDownMenu::OpenFromKeys(const QPoint& pt)
{
    Open(pt);
    m_bFocusFirstRow = true;
    setFocus(Qt::OtherFocusReason);
}

void CDropDownMenu::Unfold()
{
    if (IsUnfolded())
        return;
    m_timer.stop();
    // The key that unfolds it chooses the row itself.
    m_bFocusFirstRow = false;
    m_nStep = kUnfoldSteps - 1;
    Advance();
}

CMyBitmapButton* CDropDownMenu::FocusedRow() const
{
    for (CMyBitmapButton* button : m_skin.Buttons())
        if (button->hasFocus())
            return button;
    return nullptr;
}

CMyBitmapButton* CDropDownMenu::FocusRow(int nDelta)
{
    // The keys wait for no unfolding.
    Unfold();
    std::vector<CMyBitmapButton*> rows;
    for (CMyBitmapButton* button : m_skin.Buttons())
        if (button->isVisible() && button->isEnabled())
            rows.push_back(button);
    if (rows.empty()) {
        setFocus(Qt::OtherFocusReason);
        return nullptr;
    }
    const auto at = std::find(rows.begin(), rows.end(), FocusedRow());
    const int count = static_cast<int>(rows.size());
    int index = nDelta >= 0 ? 0 : count - 1;
    if (at != rows.end())
        index = ((static_cast<int>(at - rows.begin()) + nDelta) % count + count) % count;
    rows[static_cast<size_t>(index)]->setFocus(Qt::TabFocusReason);
    return rows[static_cast<size_t>(index)];
}

void CDropDownMenu::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
        FocusRow(1);
        break;
    case Qt::Key_Up:
        FocusRow(-1);
        break;
    case Qt::Key_Left:
        emit StepAside(-1);
        break;
    case Qt::Key_Right:
        emit StepAside(1);
        break;
    case Qt::Key_Escape:
        emit Dismissed();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Before any row is chosen Return chooses the first, as Down would.
        if (FocusedRow() == nullptr)
            FocusRow(1);
        break;
    default:
        CSkinnedWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CDropDownMenu::Open(const QPoint& pt)
{
    move(pt);
    m_bFocusFirstRow = false;
    m_nStep = 0;
    for (CMyBitmapButton* button : m_skin.Buttons())
        button->hide();
    show();
    raise();
    update();
    m_timer.start();
}

void CDropDownMenu::Advance()
{
    if (m_nStep >= kUnfoldSteps)
        return;
    ++m_nStep;
    // The rows show once the face under them has been painted.
    const int rows = IsUnfolded() ? height() : m_nStep * kUnfoldRows;
    for (CMyBitmapButton* button : m_skin.Buttons())
        button->setVisible(button->geometry().bottom() < rows);
    update();
    if (!IsUnfolded())
        m_timer.start();
    else if (std::exchange(m_bFocusFirstRow, false) && hasFocus())
        FocusRow(1);
}

void CDropDownMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_skin.Paint(painter, IsUnfolded() ? -1 : m_nStep * kUnfoldRows);
}

void UseLookPalette()
{
    QPalette palette = QGuiApplication::palette();
    // Coral darkened until white text on it reads at a contrast above 4.5 to 1.
    const QColor selection = QColor::fromRgb(faces::colour::coral).darker(130);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, selection);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    QGuiApplication::setPalette(palette);
}

void PaintFieldPanel(QImage& face, const QRect& rc)
{
    const QColor edge = QColor::fromRgb(faces::colour::edge);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rc).adjusted(-0.5, -0.5, 0.5, 0.5), 3, 3);
    QColor shade = edge.darker(135);
    shade.setAlpha(90);
    QLinearGradient top(0, rc.top(), 0, rc.top() + 4);
    top.setColorAt(0, shade);
    shade.setAlpha(0);
    top.setColorAt(1, shade);
    painter.fillRect(QRect(rc.left(), rc.top(), rc.width(), 4), top);
}

QFont Lettering(int nPixels, bool bBold)
{
    QFont font("Liberation Sans");
    font.setPixelSize(nPixels);
    font.setBold(bBold);
    return font;
}

QLabel* NewFaceLabel(
    QWidget* parent, const char* name, const QRect& rc, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(rc);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

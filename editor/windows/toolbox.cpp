#include "editor/windows/toolbox.h"

#include "resources/faces.h"

#include <QMouseEvent>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

constexpr const char* kFullFace = "TOOLBOX";
constexpr const char* kMinimisedFace = "TOOLBOX_MINIMIZED";

// The tools in the order of their byte values.
struct ToolEntry {
    const char* szText;
    int nId;
    int nTip;
};
constexpr ToolEntry kToolButtons[CToolbox::kTools] = {
    {"tbselect", ID_TOOL_SELECT, 10001},
    {"tbtext", ID_TOOL_TEXT, 10002},
    {"tbline", ID_TOOL_LINE, 10003},
    {"tbrect", ID_TOOL_RECT, 10004},
    {"tbpolygon", ID_TOOL_POLYGON, 10005},
    {"tbellipse", ID_TOOL_ELLIPSE, 10006},
    {"tbtextrect", ID_TOOL_TEXTRECT, 10007},
    {"tbtextellipse", ID_TOOL_TEXTELLIPSE, 10008},
};

constexpr int kTipClose = 10009;
constexpr int kTipMinimise = 10088;

// Where the bar's description puts a button known by any of these names. The bar is shared
// with the library browser, whose restore button it names; the toolbox puts its own restore
// button in that place.
QPoint BarPlace(std::initializer_list<const char*> names, QPoint ptDefault)
{
    const faces::WindowFace* face = faces::FindWindow(kMinimisedFace);
    if (face == nullptr)
        return ptDefault;
    for (const char* name : names)
        for (const faces::Place& place : face->buttons)
            if (place.strButton == name)
                return place.pt;
    return ptDefault;
}

} // namespace

CToolbox::CToolbox(QWidget* parent) : CSkinnedWidget(kFullFace, true, parent)
{
    for (int i = 0; i < kTools; ++i)
        m_tools[i] = Bind(
            m_skin.AddButton(kToolButtons[i].szText, kToolButtons[i].nId, kToolButtons[i].nTip));
    m_pMinimise = Bind(m_skin.AddButton("tbminimize", ID_TOOLBOX_MINIMIZE, kTipMinimise));
    m_pClose = Bind(m_skin.AddButton("tbclose", ID_TOOLBOX_CLOSE, kTipClose));
    // The bar's restore button has no tooltip of its own; its face says what it does.
    const QPoint ptRestore = BarPlace({"dtmmaximizelibrarys", "tbmmaximizelibrary"}, {8, 8});
    const QPoint ptCloseBar = BarPlace({"tbmclose"}, {119, 10});
    m_pRestore = Bind(m_skin.AddButton("dtmmaximizelibrarys", ID_TOOLBOX_RESTORE, ptRestore));
    m_pCloseMinimised =
        Bind(m_skin.AddButton("tbmclose", ID_TOOLBOX_CLOSE_MINIMIZED, ptCloseBar, kTipClose));
    m_pRestore->hide();
    m_pCloseMinimised->hide();
    SetTool(TOOL_SELECT);
}

int CToolbox::CommandOfTool(uint8_t nTool)
{
    return nTool < kTools ? kToolButtons[nTool].nId : -1;
}

int CToolbox::ToolOfCommand(int nId)
{
    for (int i = 0; i < kTools; ++i)
        if (kToolButtons[i].nId == nId)
            return i;
    return -1;
}

CMyBitmapButton* CToolbox::ToolButton(uint8_t nTool) const
{
    return nTool < kTools ? m_tools[nTool] : nullptr;
}

void CToolbox::SetTool(uint8_t nTool)
{
    if (nTool >= kTools)
        return;
    m_nTool = nTool;
    for (int i = 0; i < kTools; ++i)
        m_tools[i]->SetPressedLook(i == nTool);
}

void CToolbox::Minimise()
{
    if (m_bMinimised)
        return;
    m_bMinimised = true;
    for (CMyBitmapButton* button : m_tools)
        button->hide();
    m_pMinimise->hide();
    m_pClose->hide();
    // A fixed size changes from the top-left corner, so the window stays where it is.
    m_skin.SetFace(kMinimisedFace);
    KeepInsideParent();
    m_pRestore->show();
    m_pCloseMinimised->show();
}

void CToolbox::KeepInsideParent()
{
    // The wider bar must not reach past the screen's right edge, where its close button would
    // be out of reach; the move limit still holds on the left.
    if (QWidget* parent = parentWidget(); parent != nullptr && x() + width() > parent->width())
        m_skin.MoveTo(QPoint(std::max(0, parent->width() - width()), y()));
}

void CToolbox::Restore()
{
    if (!m_bMinimised)
        return;
    m_bMinimised = false;
    m_pRestore->hide();
    m_pCloseMinimised->hide();
    m_skin.SetFace(kFullFace);
    KeepInsideParent();
    for (CMyBitmapButton* button : m_tools)
        button->show();
    m_pMinimise->show();
    m_pClose->show();
}

void CToolbox::OnCommand(int nId)
{
    const int tool = ToolOfCommand(nId);
    if (tool >= 0) {
        SetTool(static_cast<uint8_t>(tool));
        emit ToolChosen(static_cast<uint8_t>(tool));
        return;
    }
    switch (nId) {
    case ID_TOOLBOX_CLOSE:
    case ID_TOOLBOX_CLOSE_MINIMIZED:
        emit CloseRequested();
        break;
    case ID_TOOLBOX_MINIMIZE:
        Minimise();
        break;
    case ID_TOOLBOX_RESTORE:
        Restore();
        break;
    default:
        CSkinnedWidget::OnCommand(nId);
        break;
    }
}

void CToolbox::mousePressEvent(QMouseEvent* event)
{
    if (m_bMinimised && event->button() == Qt::LeftButton)
        Restore();
    CSkinnedWidget::mousePressEvent(event);
}

// The interaction half of the object editor: tools, the selection and its marks, and the
// presses, drags and releases in the stage view. The changes they commit and their undo steps
// are in edithistory.cpp.
#include "editor/editing/editing.h"

#include "editor/windows/placedpropsdlg.h"
#include "model/movie.h"
#include "platform/dc.h"
#include "playback/projectdoc.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

constexpr int kStageW = CObjectEditorHost::kFrameWidth;
constexpr int kStageH = CObjectEditorHost::kFrameHeight;
constexpr int kViewW = CObjectEditorHost::kStageWidth;
constexpr int kViewH = CObjectEditorHost::kStageHeight;

int32_t Clamp32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(
        v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

struct ToolInfo {
    uint8_t nTool;
    int nStyle;
    const char* szName;
};
constexpr ToolInfo kTools[] = {
    { TOOL_SELECT, -1, "" },
    { TOOL_TEXT, -1, "Texte" },
    { TOOL_LINE, 0, "Trait" },
    { TOOL_RECT, 1, "Rectangle" },
    { TOOL_POLYGON, 2, "Polygone" },
    { TOOL_ELLIPSE, 3, "Ellipse" },
    { TOOL_TEXTRECT, 4, "Texte dans le rectangle" },
    { TOOL_TEXTELLIPSE, 5, "Texte dans l'ellipse" },
};

} // namespace

bool IsLineLayer(const CLayer& layer)
{
    if (!layer.m_pDrawing)
        return false;
    const auto* drawn = dynamic_cast<const CDrawnObject*>(layer.m_pDrawing->GetObject());
    const auto* rect = drawn ? dynamic_cast<const CDrawRect*>(drawn->m_pShape.get()) : nullptr;
    return rect != nullptr && rect->m_nShape == CDrawRect::line;
}

int StyleIndexOfTool(uint8_t nTool)
{
    return nTool < std::size(kTools) ? kTools[nTool].nStyle : -1;
}

const char* ObjectNameOfTool(uint8_t nTool)
{
    return nTool < std::size(kTools) ? kTools[nTool].szName : "";
}

CRect StageRectOf(const CLayer& layer)
{
    if (!layer.m_pPos || !layer.m_pSize)
        return {};
    const int64_t x = layer.m_pPos->m_ptHome.x, y = layer.m_pPos->m_ptHome.y;
    const int64_t cx = layer.m_pSize->m_szDesign.cx, cy = layer.m_pSize->m_szDesign.cy;
    const int64_t l = std::min(x, x + cx), r = std::max(x, x + cx);
    const int64_t t = std::min(y, y + cy), b = std::max(y, y + cy);
    return { Clamp32(l), Clamp32(t), Clamp32(r), Clamp32(b) };
}

CObjectEditor::CObjectEditor(CObjectEditorHost& host)
    : m_host(host)
{
    for (CTextDefaults& text : m_texts) {
        text.cf = CCharFormat {};
        text.cf.strFaceName = "Arial";
        text.cf.yHeight = 200;
        text.logfont = FontFromCharFormat(text.cf);
    }
    m_runDialog = [](CObjectPropertiesDlg& dlg) { return dlg.exec() == QDialog::Accepted; };
    m_runPlacedDialog = [](CPlacedPropertiesDlg& dlg) { return dlg.exec() == QDialog::Accepted; };
    m_runSoundDialog = [](QDialog& dlg) { return dlg.exec() == QDialog::Accepted; };
}

CObjectEditor::~CObjectEditor() = default;

void CObjectEditor::Attach(CProjectDoc* pDoc)
{
    ResetDrawing();
    m_pDoc = pDoc;
    m_selection.clear();
    m_marks.clear();
    m_store.ClearWorking();
    m_store.Clear();
    m_bClipboardFilled = false;
    m_nSavedPosition = m_store.Position();
    m_bDirty = false;
    m_store.SetMovie(pDoc != nullptr ? pDoc->GetMovie() : nullptr);
    // Objects made from now on must not take an identity the project already uses.
    if (pDoc != nullptr && pDoc->GetMovie() != nullptr)
        RaiseObjectIdsPast(HighestObjectId(*pDoc->GetMovie()));
}

void CObjectEditor::MarkSaved()
{
    m_nSavedPosition = m_store.Position();
    m_bDirty = false;
}

void CObjectEditor::SetTool(uint8_t nTool)
{
    if (nTool >= std::size(kTools))
        nTool = TOOL_SELECT;
    ResetDrawing();
    m_nTool = nTool;
}

void CObjectEditor::ResetDrawing()
{
    m_nDrag = dragNone;
    m_nHandle = 0;
    m_polygon.clear();
    m_bPolygonActive = false;
    m_nCursor = 0;
}

void CObjectEditor::CancelDrag()
{
    const bool bHadFeedback = m_nDrag != dragNone || m_bPolygonActive;
    ResetDrawing();
    if (bHadFeedback)
        m_host.RepaintStage();
}

// ---------------------------------------------------------------------------------------------
// Geometry

CStage* CObjectEditor::Stage() const
{
    return m_pDoc != nullptr && m_pDoc->GetMovie() != nullptr ? m_pDoc->GetMovie()->GetFirstStage()
                                                              : nullptr;
}

CLayer* CObjectEditor::FindLayer(int32_t nId) const
{
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return nullptr;
    for (CLayer* layer : *stage->GetLayers())
        if (layer->m_nId == nId)
            return layer;
    return nullptr;
}

QRect CObjectEditor::StageViewRect() const
{
    return QRect(
        m_host.GetFrameOrigin() + QPoint(CObjectEditorHost::kStageLeft, CObjectEditorHost::kStageTop),
        QSize(kViewW, kViewH));
}

QPoint CObjectEditor::ClampToStageView(QPoint pt) const
{
    const QRect view = StageViewRect();
    return { std::clamp(pt.x(), view.left(), view.right()),
        std::clamp(pt.y(), view.top(), view.bottom()) };
}

CPoint CObjectEditor::ScreenToStage(QPoint pt) const
{
    const QRect view = StageViewRect();
    return { static_cast<int32_t>(int64_t(pt.x() - view.left()) * kStageW / kViewW),
        static_cast<int32_t>(int64_t(pt.y() - view.top()) * kStageH / kViewH) };
}

QRect CObjectEditor::StageToScreen(const CRect& rc) const
{
    const QRect view = StageViewRect();
    const int64_t l = int64_t(rc.left) * kViewW / kStageW + view.left();
    const int64_t t = int64_t(rc.top) * kViewH / kStageH + view.top();
    const int64_t w = int64_t(rc.Width()) * kViewW / kStageW;
    const int64_t h = int64_t(rc.Height()) * kViewH / kStageH;
    auto c = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -1000000, 1000000)); };
    return QRect(QPoint(c(l), c(t)), QSize(c(w), c(h)));
}

QRect CObjectEditor::MarkRect(const CLayer& layer) const
{
    return StageToScreen(StageRectOf(layer));
}

CLayer* CObjectEditor::HitTest(CPoint pt) const
{
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return nullptr;
    // The head of the layer list is the topmost object.
    for (CLayer* layer : *stage->GetLayers()) {
        CRect rc = StageRectOf(*layer);
        // A horizontal or vertical line has no inside; it is hit within a few pixels.
        if (IsLineLayer(*layer)) {
            if (rc.Width() == 0) {
                rc.left -= 3;
                rc.right += 3;
            }
            if (rc.Height() == 0) {
                rc.top -= 3;
                rc.bottom += 3;
            }
        }
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom)
            return layer;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Selection

std::vector<CLayer*> CObjectEditor::Selection() const
{
    std::vector<CLayer*> layers;
    for (int32_t id : m_selection)
        if (CLayer* layer = FindLayer(id))
            layers.push_back(layer);
    return layers;
}

bool CObjectEditor::IsSelected(const CLayer* pLayer) const
{
    return pLayer != nullptr
        && std::find(m_selection.begin(), m_selection.end(), pLayer->m_nId) != m_selection.end();
}

void CObjectEditor::Select(CLayer* pLayer)
{
    if (pLayer == nullptr || IsSelected(pLayer))
        return;
    m_selection.push_back(pLayer->m_nId);
    m_marks.push_back({ MarkRect(*pLayer), pLayer->m_nId });
}

void CObjectEditor::Deselect(CLayer* pLayer)
{
    if (pLayer == nullptr)
        return;
    std::erase(m_selection, pLayer->m_nId);
    std::erase_if(m_marks, [&](const CMark& mark) { return mark.nLayerId == pLayer->m_nId; });
}

void CObjectEditor::ClearSelection()
{
    m_selection.clear();
    m_marks.clear();
}

void CObjectEditor::RebuildMarks()
{
    // Objects that left the stage leave the selection.
    std::erase_if(m_selection, [&](int32_t id) { return FindLayer(id) == nullptr; });
    m_marks.clear();
    for (int32_t id : m_selection)
        m_marks.push_back({ MarkRect(*FindLayer(id)), id });
}

void CObjectEditor::SelectAll()
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return;
    // The object list runs newest first, as the stage's layers do.
    for (CLayer* layer : *stage->GetLayers())
        Select(layer);
    m_host.RefreshCommands();
    m_host.RepaintStage();
}

// ---------------------------------------------------------------------------------------------
// The pointer

bool CObjectEditor::MousePress(QMouseEvent* event)
{
    if (m_pDoc == nullptr || event->button() != Qt::LeftButton)
        return false;
    const QPoint pt = event->position().toPoint();
    // Only the press must be inside the stage view.
    if (!StageViewRect().contains(pt))
        return false;
    switch (m_nTool) {
    case TOOL_SELECT:
        PressSelect(pt, event->modifiers());
        break;
    case TOOL_TEXT:
        ClearSelection();
        CreateText(pt);
        break;
    case TOOL_POLYGON:
        if (!m_bPolygonActive) {
            ClearSelection();
            m_polygon.clear();
            m_bPolygonActive = true;
        }
        if (m_polygon.empty() || m_polygon.back() != pt)
            m_polygon.push_back(pt);
        m_ptLast = pt;
        break;
    default:
        PressShape(pt);
        break;
    }
    m_host.RefreshCommands();
    m_host.RepaintStage();
    return true;
}

void CObjectEditor::PressSelect(QPoint pt, Qt::KeyboardModifiers modifiers)
{
    m_ptAnchor = m_ptLast = pt;
    // The handle under the press itself: the marks may have moved since the pointer last did.
    if (const int handle = HandleAt(pt); handle != 0) {
        m_nHandle = handle;
        m_nDrag = dragResize;
        m_rcStart = m_marks.front().rc;
        m_nCursor = m_nHandle == 1 || m_nHandle == 3 ? IDC_RESIZE_NWSE : IDC_RESIZE_NESW;
        return;
    }
    CLayer* hit = HitTest(ScreenToStage(pt));
    const bool bShift = modifiers.testFlag(Qt::ShiftModifier);
    m_nPendingAlone = 0;
    if (hit != nullptr && IsSelected(hit)) {
        if (bShift && m_selection.size() > 1) {
            Deselect(hit);
            hit = nullptr;
        } else if (!bShift && m_selection.size() > 1) {
            // The others stay selected while this press may still become a move of them all;
            // a release without motion leaves this object selected alone.
            m_nPendingAlone = hit->m_nId;
        }
    } else if (hit != nullptr) {
        if (!bShift)
            ClearSelection();
        Select(hit);
    } else {
        ClearSelection();
    }
    if (hit != nullptr) {
        QRect all;
        for (const CMark& mark : m_marks)
            all = all.isNull() ? mark.rc : all.united(mark.rc);
        m_rcStart = all;
        m_nDrag = dragPending;
    }
}

void CObjectEditor::PressShape(QPoint pt)
{
    ClearSelection();
    m_ptAnchor = m_ptLast = pt;
    m_nDrag = dragShape;
}

int CObjectEditor::HandleAt(QPoint pt) const
{
    if (m_marks.size() != 1)
        return 0;
    const QRect& rc = m_marks.front().rc;
    const QPoint corners[4] = { rc.topLeft(), QPoint(rc.left(), rc.top() + rc.height()),
        QPoint(rc.left() + rc.width(), rc.top()),
        QPoint(rc.left() + rc.width(), rc.top() + rc.height()) };
    const int handles[4] = { 1, 2, 4, 3 };
    for (int i = 0; i < 4; ++i) {
        const QPoint d = pt - corners[i];
        if (d.x() >= -2 && d.x() <= 2 && d.y() >= -2 && d.y() <= 2)
            return handles[i];
    }
    return 0;
}

bool CObjectEditor::MouseMove(QMouseEvent* event)
{
    if (m_pDoc == nullptr)
        return false;
    const QPoint raw = event->position().toPoint();
    const bool bLeft = event->buttons().testFlag(Qt::LeftButton);
    switch (m_nDrag) {
    case dragNone:
        if (m_nTool == TOOL_SELECT && !bLeft) {
            const int handle = HandleAt(raw);
            m_nCursor = handle == 0          ? 0
                : handle == 1 || handle == 3 ? IDC_RESIZE_NWSE
                                             : IDC_RESIZE_NESW;
            return true;
        }
        if (m_nTool == TOOL_POLYGON && m_bPolygonActive) {
            m_ptLast = ClampToStageView(raw);
            m_host.RepaintStage();
            return true;
        }
        return false;
    case dragPending:
        if (!bLeft)
            return false;
        if (ClampToStageView(raw) == m_ptAnchor)
            return true;
        m_nDrag = dragMove;
        m_nCursor = IDC_MOVE;
        [[fallthrough]];
    case dragMove:
    case dragResize:
    case dragShape:
        if (!bLeft)
            return false;
        m_ptLast = ClampToStageView(raw);
        m_host.RepaintStage();
        return true;
    }
    return false;
}

bool CObjectEditor::MouseRelease(QMouseEvent* event)
{
    if (m_pDoc == nullptr || event->button() != Qt::LeftButton)
        return false;
    const QPoint pt = ClampToStageView(event->position().toPoint());
    const Drag drag = m_nDrag;
    m_nDrag = dragNone;
    switch (drag) {
    case dragMove:
        m_nCursor = 0;
        CommitMove(pt);
        break;
    case dragPending:
        // A press on one of several selected objects that did not move picks it alone.
        if (m_nPendingAlone != 0)
            if (CLayer* alone = FindLayer(m_nPendingAlone)) {
                ClearSelection();
                Select(alone);
            }
        break;
    case dragResize:
        m_nCursor = 0;
        CommitResize(pt, event->modifiers().testFlag(Qt::ShiftModifier));
        m_nHandle = 0;
        break;
    case dragShape:
        ReleaseShape(pt);
        break;
    default:
        break;
    }
    m_host.RefreshCommands();
    m_host.RepaintStage();
    return drag != dragNone || m_bPolygonActive;
}

bool CObjectEditor::MouseDoubleClick(QMouseEvent* event)
{
    if (m_pDoc == nullptr || event->button() != Qt::LeftButton)
        return false;
    const QPoint pt = event->position().toPoint();
    if (!StageViewRect().contains(pt))
        return false;
    if (m_nTool == TOOL_POLYGON && m_bPolygonActive) {
        FinishPolygon();
    } else {
        m_host.ChooseTool(TOOL_SELECT);
        if (CLayer* hit = HitTest(ScreenToStage(pt))) {
            ClearSelection();
            Select(hit);
        }
    }
    m_host.RefreshCommands();
    m_host.RepaintStage();
    return true;
}

bool CObjectEditor::RightPress(const QPoint& pt)
{
    if (m_pDoc == nullptr || !StageViewRect().contains(pt))
        return false;
    CancelDrag();
    CLayer* hit = HitTest(ScreenToStage(pt));
    if (hit == nullptr)
        return false;
    if (!IsSelected(hit)) {
        ClearSelection();
        Select(hit);
        m_host.RefreshCommands();
        m_host.RepaintStage();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Feedback

void CObjectEditor::PaintOverlay(QPainter& painter) const
{
    const QPoint frame = m_host.GetFrameOrigin();
    const QRect view = StageViewRect();
    painter.save();
    painter.translate(-frame);
    painter.setClipRect(view);

    // The marks: a black square on each corner and a dotted frame.
    for (const CMark& mark : m_marks) {
        const QRect& rc = mark.rc;
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen dotted(Qt::white, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rc.intersected(view.adjusted(0, 0, -1, -1)).adjusted(0, 0, -1, -1));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QPoint corners[4] = { rc.topLeft(), QPoint(rc.left(), rc.top() + rc.height()),
            QPoint(rc.left() + rc.width(), rc.top()),
            QPoint(rc.left() + rc.width(), rc.top() + rc.height()) };
        for (const QPoint& c : corners)
            if (view.contains(c))
                painter.fillRect(QRect(c - QPoint(2, 2), QSize(4, 4)), Qt::black);
    }

    const QPoint delta = m_ptLast - m_ptAnchor;
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setBrush(Qt::NoBrush);
    if (m_nDrag == dragMove) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(m_rcStart.translated(delta).adjusted(0, 0, -1, -1));
    } else if (m_nDrag == dragResize) {
        QRect rc = m_rcStart;
        int l = rc.left(), t = rc.top(), r = rc.left() + rc.width(), b = rc.top() + rc.height();
        if (m_nHandle == 1 || m_nHandle == 2)
            l += delta.x();
        else
            r += delta.x();
        if (m_nHandle == 1 || m_nHandle == 4)
            t += delta.y();
        else
            b += delta.y();
        painter.setPen(QPen(Qt::white, 3));
        painter.drawRect(
            QRect(QPoint(std::min(l, r), std::min(t, b)), QPoint(std::max(l, r), std::max(t, b))));
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(Qt::black, 1));
    if (m_nDrag == dragShape) {
        const QRect rc = QRect(m_ptAnchor, m_ptLast).normalized();
        switch (m_nTool) {
        case TOOL_LINE:
            painter.drawLine(m_ptAnchor, m_ptLast);
            break;
        case TOOL_ELLIPSE:
        case TOOL_TEXTELLIPSE:
            painter.drawEllipse(rc);
            break;
        default:
            painter.drawRect(rc);
            break;
        }
    } else if (m_bPolygonActive && !m_polygon.empty()) {
        QPolygon poly(static_cast<int>(m_polygon.size()));
        for (size_t i = 0; i < m_polygon.size(); ++i)
            poly[static_cast<int>(i)] = m_polygon[i];
        poly << m_ptLast;
        painter.drawPolygon(poly);
    }
    painter.restore();
}

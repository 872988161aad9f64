// The creating half of the object editor: the shapes and texts the tools make, and imported
// pictures, each put on top of the stage with its default movement as one undoable step.
#include "editor/editing/editing.h"

#include "model/movie.h"
#include "model/picture.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"


#include <algorithm>
#include <limits>

using platform::Fill;
using platform::Tr;

namespace {

constexpr int kStageW = CObjectEditorHost::kFrameWidth;
constexpr int kStageH = CObjectEditorHost::kFrameHeight;
constexpr int kViewW = CObjectEditorHost::kStageWidth;
constexpr int kViewH = CObjectEditorHost::kStageHeight;
// Text is measured in a rectangle this wide, so that only its own line breaks break it.
constexpr int kMeasureWidth = 10000;

} // namespace

CSize MeasureTextSize(const std::string& strText, const LOGFONT& font)
{
    CDC dc(8, 8);
    dc.SelectFont(font);
    CRect rc { 0, 0, kMeasureWidth, 0 };
    dc.DrawText(strText, rc, DT_CALCRECT | DT_EXPANDTABS);
    return { std::min(rc.Width(), kMeasureWidth), rc.Height() };
}

void ApplyShapeStyle(
    CDrawObj& shape, COLORREF crLine, int32_t nWidth, COLORREF crFill, bool bFilled)
{
    shape.m_logpen.lopnColor = crLine;
    shape.SetPenWidth(nWidth);
    shape.m_logbrush.lbColor = crFill;
    shape.SetNoFill(bFilled ? 0 : 1);
}

// ---------------------------------------------------------------------------------------------
// New objects

bool CObjectEditor::ReleaseShape(QPoint pt)
{
    const QPoint d = pt - m_ptAnchor;
    const CPoint anchor = ScreenToStage(m_ptAnchor);
    // The drag converted to stage units once.
    const int32_t dx = static_cast<int32_t>(int64_t(d.x()) * kStageW / kViewW);
    const int32_t dy = static_cast<int32_t>(int64_t(d.y()) * kStageH / kViewH);
    CRect rc { anchor.x, anchor.y, anchor.x + dx, anchor.y + dy };
    if (m_nTool == TOOL_LINE) {
        if (dx == 0 && dy == 0)
            return false;
        auto line = std::make_unique<CDrawRect>();
        line->SetShape(CDrawRect::line);
        return CreateObject(m_nTool, rc, std::move(line)) != nullptr;
    }
    rc = { std::min(rc.left, rc.right), std::min(rc.top, rc.bottom), std::max(rc.left, rc.right),
        std::max(rc.top, rc.bottom) };
    if (rc.Width() == 0 || rc.Height() == 0)
        return false;
    if (m_nTool == TOOL_RECT || m_nTool == TOOL_ELLIPSE) {
        auto shape = std::make_unique<CDrawRect>();
        shape->SetShape(m_nTool == TOOL_RECT ? CDrawRect::rectangle : CDrawRect::ellipse);
        return CreateObject(m_nTool, rc, std::move(shape)) != nullptr;
    }
    if (m_nTool != TOOL_TEXTRECT && m_nTool != TOOL_TEXTELLIPSE)
        return false;
    const int nDefaults = m_nTool == TOOL_TEXTRECT ? 1 : 2;
    CTextDefaults text;
    if (!RunTextDialog(OP_MODE_TEXT_IN_SHAPE, nDefaults, text))
        return false;
    const CShapeStyle& style = m_styles[static_cast<size_t>(StyleIndexOfTool(m_nTool))];
    auto shape = std::make_unique<CDrawTextRect>();
    shape->SetShape(m_nTool == TOOL_TEXTRECT ? 0 : 2);
    shape->m_strText = text.strText;
    shape->m_logfont = text.logfont;
    shape->m_crText = text.crText;
    ApplyShapeStyle(*shape, style.crLine, style.nLineWidth, style.crFill, style.bFilled);
    // Text dragged smaller than it needs grows to its size.
    const CSize measured = MeasureTextSize(text.strText, text.logfont);
    rc.right = rc.left + std::max(rc.Width(), measured.cx);
    rc.bottom = rc.top + std::max(rc.Height(), measured.cy);
    return CreateObject(m_nTool, rc, std::move(shape)) != nullptr;
}

bool CObjectEditor::CreateText(QPoint pt)
{
    CTextDefaults text;
    if (!RunTextDialog(OP_MODE_PLAIN_TEXT, 0, text))
        return false;
    const CSize measured = MeasureTextSize(text.strText, text.logfont);
    if (measured.cx <= 0 || measured.cy <= 0)
        return false;
    auto shape = std::make_unique<CDrawTextRect>();
    shape->SetShape(0);
    shape->m_strText = text.strText;
    shape->m_logfont = text.logfont;
    shape->m_crText = text.crText;
    shape->SetPlainText(1);
    const CPoint at = ScreenToStage(pt);
    return CreateObject(
               TOOL_TEXT, { at.x, at.y, at.x + measured.cx, at.y + measured.cy }, std::move(shape))
        != nullptr;
}

bool CObjectEditor::RunTextDialog(int nMode, int nDefaults, CTextDefaults& result)
{
    CTextDefaults& defaults = m_texts[static_cast<size_t>(nDefaults)];
    CObjectPropertiesDlg dlg(nMode, m_host.DialogParent());
    dlg.m_cf = defaults.cf;
    dlg.m_logfont = defaults.logfont;
    dlg.m_strText = defaults.strText;
    dlg.m_crColor1 = defaults.crText;
    const int nStyle = StyleIndexOfTool(m_nTool);
    if (nMode == OP_MODE_TEXT_IN_SHAPE && nStyle >= 0) {
        const CShapeStyle& style = m_styles[static_cast<size_t>(nStyle)];
        dlg.m_crColor2 = style.crFill;
        dlg.m_bTransparent = !style.bFilled;
        dlg.m_nLineWidth = style.nLineWidth;
    }
    const bool bOk = m_runDialog(dlg);
    m_host.RepaintStage();
    if (!bOk)
        return false;
    // The next text starts from this one's choices.
    defaults.cf = dlg.m_cf;
    defaults.logfont = dlg.m_logfont;
    defaults.crText = dlg.m_crColor1;
    defaults.strText = dlg.m_strText;
    if (nMode == OP_MODE_TEXT_IN_SHAPE && nStyle >= 0) {
        CShapeStyle& style = m_styles[static_cast<size_t>(nStyle)];
        style.crLine = dlg.m_crColor1;
        style.crFill = dlg.m_crColor2;
        style.bFilled = !dlg.m_bTransparent;
        style.nLineWidth = dlg.m_nLineWidth;
    }
    result = defaults;
    return !result.strText.empty();
}

bool CObjectEditor::FinishPolygon()
{
    std::vector<QPoint> points = std::move(m_polygon);
    ResetDrawing();
    std::vector<CPoint> stagePoints;
    for (const QPoint& pt : points) {
        const CPoint p = ScreenToStage(pt);
        if (stagePoints.empty() || !(stagePoints.back() == p))
            stagePoints.push_back(p);
    }
    if (stagePoints.size() < 2)
        return false;
    CRect rc { std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min() };
    for (const CPoint& p : stagePoints) {
        rc.left = std::min(rc.left, p.x);
        rc.top = std::min(rc.top, p.y);
        rc.right = std::max(rc.right, p.x);
        rc.bottom = std::max(rc.bottom, p.y);
    }
    if (rc.Width() == 0 || rc.Height() == 0)
        return false;
    auto poly = std::make_unique<CDrawPoly>();
    for (const CPoint& p : stagePoints)
        poly->AddPoint(p);
    return CreateObject(TOOL_POLYGON, rc, std::move(poly)) != nullptr;
}

CLayer* CObjectEditor::CreateObject(
    uint8_t nTool, const CRect& rc, std::unique_ptr<CDrawObj> pShape)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return nullptr;
    const int nStyle = StyleIndexOfTool(nTool);
    if (nStyle >= 0 && nTool != TOOL_TEXTRECT && nTool != TOOL_TEXTELLIPSE) {
        const CShapeStyle& style = m_styles[static_cast<size_t>(nStyle)];
        ApplyShapeStyle(*pShape, style.crLine, style.nLineWidth, style.crFill, style.bFilled);
    }
    CLayer* layer
        = stage->AddObject(CGenericDrawing::kindDrawn, rc.left, rc.top, rc.Width(), rc.Height());
    if (layer == nullptr)
        return nullptr;
    auto drawn = std::make_unique<CDrawnObject>();
    drawn->m_nShape = pShape->ShapeKind();
    drawn->m_pShape = std::move(pShape);
    layer->m_pDrawing->SetObject(std::move(drawn));
    layer->m_pDrawing->m_strName = ObjectNameOfTool(nTool);
    layer->m_pEffects->AddTail(NewDefaultEffect(1));
    layer->AttachParts();
    RecordAdded({ layer });
    ClearSelection();
    Select(layer);
    Changed(true);
    return layer;
}

bool CObjectEditor::ImportImage(const std::string& strPath)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    std::unique_ptr<CHBitmap> bitmap = ReadPictureBitmap(strPath);
    if (!bitmap)
        return false; // the reader has said why
    return AddSelectedPicture(std::move(bitmap), {0, 0}, platform::FileNameOf(strPath));
}

bool CObjectEditor::AddSelectedPicture(std::unique_ptr<CHBitmap> bitmap, CPoint ptAt,
                                       const std::string& strName)
{
    CStage* stage = Stage();
    CLayer* layer = stage != nullptr ? AddPictureObject(*stage, std::move(bitmap), ptAt, strName)
                                     : nullptr;
    if (layer == nullptr)
        return false;
    RecordAdded({ layer });
    ClearSelection();
    Select(layer);
    Changed(true);
    return true;
}

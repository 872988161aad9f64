// The committing half of the object editor: new objects, moves and resizes, the edit commands
// and the properties, each recorded as one step of the undo history, and undo and redo, which
// put the recorded states back into the stage.
#include "editor/editing.h"

#include "editor/editordlg.h"
#include "editor/placedpropsdlg.h"
#include "model/dib.h"
#include "model/movie.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "playback/projectdoc.h"

#include <QImageReader>

#include <algorithm>
#include <limits>

namespace {

constexpr int kStageW = CEditorDialog::kFrameWidth;
constexpr int kStageH = CEditorDialog::kFrameHeight;
constexpr int kViewW = CEditorDialog::kStageWidth;
constexpr int kViewH = CEditorDialog::kStageHeight;
// Text is measured in a rectangle this wide, so that only its own line breaks break it.
constexpr int kMeasureWidth = 10000;

const char kNotRecorded[] =
    "This change cannot be undone: the undo history could not keep it.";

int32_t Clamp32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Collects the records of one step, saving each state as it is added; pushes them as one step.
class CStepBuilder {
public:
    explicit CStepBuilder(CUndoStore& store) : m_store(store) {}
    void Save(uint8_t nType, uint8_t nKind, CObject& object, int32_t nKey, int32_t nOwner,
              int32_t nIndex = -1)
    {
        if (!m_bOk)
            return;
        auto record = std::make_shared<CUndoRecord>(nType, nKind, nKey, nOwner, nIndex);
        if (m_store.SaveState(*record, object))
            m_records.push_back(record);
        else
            m_bOk = false;
    }
    bool IsOk() const { return m_bOk; }
    // The states are saved already: the records go on the history as they are.
    bool Commit()
    {
        if (!m_bOk || m_records.empty())
            return false;
        std::vector<CUndoEntry> entries;
        for (const CUndoRecordPtr& record : m_records)
            entries.push_back({record, nullptr});
        return m_store.RecordStep(entries);
    }

private:
    CUndoStore& m_store;
    std::vector<CUndoRecordPtr> m_records;
    bool m_bOk = true;
};

// The loaded state as the class it must be; none (and the state deleted) otherwise.
template <class T> std::unique_ptr<T> Adopt(CUndoObjectPtr p)
{
    if (dynamic_cast<T*>(p.get()) == nullptr)
        return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(p.release()));
}

// Hands the record's loaded state, as the class it must be, to set; false when it is not one.
template <class T, class Set> bool PutBack(CUndoRecord& record, Set set)
{
    std::unique_ptr<T> p = Adopt<T>(record.TakeObject());
    if (!p)
        return false;
    set(std::move(p));
    return true;
}

CEffect* NewDefaultEffect(int32_t nDuration)
{
    auto* effect = new CEffect;
    effect->m_strName = "Sans";
    effect->m_nType = -1;
    effect->m_fParam1 = effect->m_fParam2 = effect->m_fParam3 = 0.0f;
    effect->m_nStartFrame = 0;
    effect->m_nDuration = nDuration;
    effect->m_nDefaultDuration = nDuration;
    effect->m_bOffScreenAfter = 0;
    return effect;
}

// The size the text takes in the font, in stage pixels.
CSize MeasureText(const std::string& strText, const LOGFONT& font)
{
    CDC dc(8, 8);
    dc.SelectFont(font);
    CRect rc{0, 0, kMeasureWidth, 0};
    dc.DrawText(strText, rc, DT_CALCRECT | DT_EXPANDTABS);
    return {std::min(rc.Width(), kMeasureWidth), rc.Height()};
}

void ApplyStyle(CDrawObj& shape, COLORREF crLine, int32_t nWidth, COLORREF crFill, bool bFilled)
{
    shape.m_logpen.lopnColor = crLine;
    shape.SetPenWidth(nWidth);
    shape.m_logbrush.lbColor = crFill;
    shape.SetNoFill(bFilled ? 0 : 1);
}

// A 24-bit bitmap file of the picture, bottom-up, as the bitmap reader takes it.
std::vector<uint8_t> BitmapFile(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t bits = static_cast<uint32_t>(stride) * static_cast<uint32_t>(h);
    std::vector<uint8_t> file(54 + bits, 0);
    auto put16 = [&](size_t at, uint16_t v) {
        file[at] = static_cast<uint8_t>(v);
        file[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, bits);
    for (int y = 0; y < h; ++y) {
        const uchar* src = image.constScanLine(h - 1 - y);
        uint8_t* dst = file.data() + 54 + static_cast<size_t>(y) * stride;
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return file;
}

// Reads the picture into the holder through a bitmap file of our own, in a private folder.
bool BitmapFromImage(const QImage& image, CHBitmap& bitmap)
{
    const std::string dir = platform::MakeTempDirectory("vimble-import-");
    if (dir.empty())
        return false;
    const std::string path = platform::JoinPath(dir, "picture.bmp");
    const std::vector<uint8_t> file = BitmapFile(image);
    const bool bOk = platform::WriteWholeFile(path, file) && bitmap.LoadFromFile(path);
    platform::DeleteFile(path);
    ::rmdir(dir.c_str());
    return bOk;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Small things every change does

void CObjectEditor::Changed(bool bRecomputeLength)
{
    if (bRecomputeLength && m_pDoc != nullptr && m_pDoc->GetMovie() != nullptr)
        RecomputeMovieLength(*m_pDoc->GetMovie());
    RebuildMarks();
    m_editor.OnProjectEdited();
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
    CRect rc{anchor.x, anchor.y, anchor.x + dx, anchor.y + dy};
    if (m_nTool == TOOL_LINE) {
        if (dx == 0 && dy == 0)
            return false;
        auto line = std::make_unique<CDrawRect>();
        line->SetShape(CDrawRect::line);
        return CreateObject(m_nTool, rc, std::move(line)) != nullptr;
    }
    rc = {std::min(rc.left, rc.right), std::min(rc.top, rc.bottom), std::max(rc.left, rc.right),
          std::max(rc.top, rc.bottom)};
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
    ApplyStyle(*shape, style.crLine, style.nLineWidth, style.crFill, style.bFilled);
    // Text dragged smaller than it needs grows to its size.
    const CSize measured = MeasureText(text.strText, text.logfont);
    rc.right = rc.left + std::max(rc.Width(), measured.cx);
    rc.bottom = rc.top + std::max(rc.Height(), measured.cy);
    return CreateObject(m_nTool, rc, std::move(shape)) != nullptr;
}

bool CObjectEditor::CreateText(QPoint pt)
{
    CTextDefaults text;
    if (!RunTextDialog(OP_MODE_PLAIN_TEXT, 0, text))
        return false;
    const CSize measured = MeasureText(text.strText, text.logfont);
    if (measured.cx <= 0 || measured.cy <= 0)
        return false;
    auto shape = std::make_unique<CDrawTextRect>();
    shape->SetShape(0);
    shape->m_strText = text.strText;
    shape->m_logfont = text.logfont;
    shape->m_crText = text.crText;
    shape->SetPlainText(1);
    const CPoint at = ScreenToStage(pt);
    return CreateObject(TOOL_TEXT, {at.x, at.y, at.x + measured.cx, at.y + measured.cy},
                        std::move(shape)) != nullptr;
}

bool CObjectEditor::RunTextDialog(int nMode, int nDefaults, CTextDefaults& result)
{
    CTextDefaults& defaults = m_texts[static_cast<size_t>(nDefaults)];
    CObjectPropertiesDlg dlg(nMode, &m_editor);
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
    m_editor.update();
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
    CRect rc{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
             std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
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

CLayer* CObjectEditor::CreateObject(uint8_t nTool, const CRect& rc, std::unique_ptr<CDrawObj> pShape)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return nullptr;
    const int nStyle = StyleIndexOfTool(nTool);
    if (nStyle >= 0 && nTool != TOOL_TEXTRECT && nTool != TOOL_TEXTELLIPSE) {
        const CShapeStyle& style = m_styles[static_cast<size_t>(nStyle)];
        ApplyStyle(*pShape, style.crLine, style.nLineWidth, style.crFill, style.bFilled);
    }
    CLayer* layer =
        stage->AddObject(CGenericDrawing::kindDrawn, rc.left, rc.top, rc.Width(), rc.Height());
    if (layer == nullptr)
        return nullptr;
    auto drawn = std::make_unique<CDrawnObject>();
    drawn->m_nShape = pShape->ShapeKind();
    drawn->m_pShape = std::move(pShape);
    layer->m_pDrawing->SetObject(std::move(drawn));
    layer->m_pDrawing->m_strName = ObjectNameOfTool(nTool);
    layer->m_pEffects->AddTail(NewDefaultEffect(1));
    layer->AttachParts();
    RecordAdded({layer});
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
    auto bitmap = std::make_unique<CHBitmap>();
    std::unique_ptr<CHBitmap> mask;
    const std::string ext = QString::fromStdString(strPath).section('.', -1).toLower().toStdString();
    if (ext == "bmp") {
        if (!bitmap->LoadFromFile(strPath))
            return false; // the reader has said why
    } else {
        QImageReader reader(QString::fromStdString(strPath));
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            platform::ShowMessage(platform::IDS_READ_ERROR,
                                  strPath + ": " + reader.errorString().toStdString());
            return false;
        }
        if (int64_t(image.width()) * image.height() > kMaxDibPixels ||
            !BitmapFromImage(image, *bitmap)) {
            platform::ShowMessage(platform::IDS_READ_ERROR, strPath + ": the picture is too large");
            return false;
        }
        bitmap->m_strPath = strPath;
        if (image.hasAlphaChannel()) {
            // Black where the picture shows, white where it is see-through.
            QImage alpha = image.convertToFormat(QImage::Format_ARGB32);
            QImage picture(alpha.size(), QImage::Format_RGB32);
            bool bSeeThrough = false;
            for (int y = 0; y < alpha.height(); ++y) {
                const QRgb* src = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
                QRgb* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
                for (int x = 0; x < alpha.width(); ++x) {
                    const bool bShows = qAlpha(src[x]) >= 128;
                    bSeeThrough |= !bShows;
                    dst[x] = bShows ? 0xFF000000 : 0xFFFFFFFF;
                }
            }
            if (bSeeThrough) {
                mask = std::make_unique<CHBitmap>();
                if (!BitmapFromImage(picture, *mask))
                    mask.reset();
            }
        }
    }
    if (bitmap->GetWidth() <= 0 || bitmap->GetHeight() <= 0)
        return false;
    bitmap->SetMask(std::move(mask));
    CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, 0, 0, bitmap->GetWidth(),
                                     bitmap->GetHeight());
    if (layer == nullptr)
        return false;
    auto image = std::make_unique<CImageObject>();
    image->m_pBitmap = std::move(bitmap);
    layer->m_pDrawing->SetObject(std::move(image));
    layer->m_pDrawing->m_strName = platform::Cp1252FromUtf8(platform::FileNameOf(strPath));
    layer->m_pEffects->AddTail(NewDefaultEffect(1));
    layer->AttachParts();
    RecordAdded({layer});
    ClearSelection();
    Select(layer);
    Changed(true);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Moves and resizes

bool CObjectEditor::CommitMove(QPoint pt)
{
    const QPoint d = pt - m_ptAnchor;
    return MoveSelection(static_cast<int32_t>(int64_t(d.x()) * kStageW / kViewW),
                         static_cast<int32_t>(int64_t(d.y()) * kStageH / kViewH));
}

bool CObjectEditor::Nudge(int dx, int dy)
{
    CancelDrag();
    return MoveSelection(dx, dy);
}

bool CObjectEditor::MoveSelection(int dxStage, int dyStage)
{
    const std::vector<CLayer*> layers = Selection();
    if ((dxStage == 0 && dyStage == 0) || layers.empty())
        return false;
    CStepBuilder step(m_store);
    for (CLayer* layer : layers)
        if (layer->m_pPos)
            step.Save(UNDO_POS, UNDO_BEFORE, *layer->m_pPos, layer->m_pPos->m_nId, layer->m_nId);
    for (CLayer* layer : layers) {
        if (!layer->m_pPos)
            continue;
        const CPoint home = layer->m_pPos->m_ptHome;
        layer->m_pPos->SetAll({Clamp32(int64_t(home.x) + dxStage), Clamp32(int64_t(home.y) + dyStage)});
        step.Save(UNDO_POS, UNDO_AFTER, *layer->m_pPos, layer->m_pPos->m_nId, layer->m_nId);
    }
    if (!step.Commit()) {
        m_bDirty = true;
        platform::ShowMessage(kNotRecorded);
    }
    Changed(false);
    return true;
}

bool CObjectEditor::CommitResize(QPoint pt, bool bShift)
{
    const std::vector<CLayer*> layers = Selection();
    if (layers.size() != 1 || !layers[0]->m_pPos || !layers[0]->m_pSize)
        return false;
    CLayer& layer = *layers[0];
    const QPoint d = pt - m_ptAnchor;
    const int64_t dx = int64_t(d.x()) * kStageW / kViewW;
    const int64_t dy = int64_t(d.y()) * kStageH / kViewH;
    if (dx == 0 && dy == 0)
        return false;
    const CRect s = StageRectOf(layer);
    // The grabbed corner follows the pointer; the opposite one stays.
    int64_t l = s.left, t = s.top, r = s.right, b = s.bottom;
    const bool bLeft = m_nHandle == 1 || m_nHandle == 2;
    const bool bTop = m_nHandle == 1 || m_nHandle == 4;
    (bLeft ? l : r) += dx;
    (bTop ? t : b) += dy;
    const int64_t oldW = s.Width(), oldH = s.Height();
    if (bShift && oldW != 0 && oldH != 0) {
        const int64_t newW = r - l, newH = b - t;
        if (std::abs(newH - oldH) < std::abs(newW - oldW)) {
            const int64_t h = newW * oldH / oldW;
            (bTop ? t : b) = bTop ? b - h : t + h;
        } else {
            const int64_t w = newH * oldW / oldH;
            (bLeft ? l : r) = bLeft ? r - w : l + w;
        }
    }
    CPoint pos;
    CSize size;
    if (IsLineLayer(layer)) {
        // A line keeps its direction: its start stays on the side it started from.
        const CSize old = layer.m_pSize->m_szDesign;
        pos.x = Clamp32(old.cx >= 0 ? l : r);
        size.cx = Clamp32(old.cx >= 0 ? r - l : l - r);
        pos.y = Clamp32(old.cy >= 0 ? t : b);
        size.cy = Clamp32(old.cy >= 0 ? b - t : t - b);
    } else {
        pos = {Clamp32(std::min(l, r)), Clamp32(std::min(t, b))};
        size = {Clamp32(std::abs(r - l)), Clamp32(std::abs(b - t))};
    }
    return SetPlacement(layer, pos, size);
}

bool CObjectEditor::SetPlacement(CLayer& layer, CPoint ptPos, CSize szSize)
{
    if (!layer.m_pPos || !layer.m_pSize)
        return false;
    if (layer.m_pPos->m_ptHome == ptPos && layer.m_pSize->m_szDesign == szSize)
        return false;
    CStepBuilder step(m_store);
    step.Save(UNDO_POS, UNDO_BEFORE, *layer.m_pPos, layer.m_pPos->m_nId, layer.m_nId);
    step.Save(UNDO_SIZE, UNDO_BEFORE, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    layer.m_pPos->SetAll(ptPos);
    layer.m_pSize->m_szDesign = szSize;
    layer.m_pSize->m_szCurrent = szSize;
    step.Save(UNDO_POS, UNDO_AFTER, *layer.m_pPos, layer.m_pPos->m_nId, layer.m_nId);
    step.Save(UNDO_SIZE, UNDO_AFTER, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    if (!step.Commit()) {
        m_bDirty = true;
        platform::ShowMessage(kNotRecorded);
    }
    Changed(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Properties and the background

bool CObjectEditor::ReplaceDrawing(CLayer& layer, const std::function<void(CLayer&)>& change)
{
    if (!layer.m_pDrawing)
        return false;
    CStepBuilder step(m_store);
    step.Save(UNDO_DRAWING, UNDO_BEFORE, *layer.m_pDrawing, layer.m_pDrawing->m_nId, layer.m_nId);
    if (!step.IsOk()) {
        platform::ShowMessage(kNotRecorded);
        return false;
    }
    change(layer);
    step.Save(UNDO_DRAWING, UNDO_AFTER, *layer.m_pDrawing, layer.m_pDrawing->m_nId, layer.m_nId);
    if (!step.Commit()) {
        m_bDirty = true;
        platform::ShowMessage(kNotRecorded);
    }
    Changed(false);
    return true;
}

bool CObjectEditor::EditSelectedProperties()
{
    CancelDrag();
    const std::vector<CLayer*> layers = Selection();
    if (layers.size() != 1 || !layers[0]->m_pDrawing)
        return false;
    CLayer& layer = *layers[0];
    CGenericDrawing* object = layer.m_pDrawing->GetObject();
    auto* drawn = dynamic_cast<CDrawnObject*>(object);
    if (object != nullptr && drawn == nullptr) {
        const char* kind = object->Kind() == CGenericDrawing::kindImage       ? "Bild-Object"
                           : object->Kind() == CGenericDrawing::kindAnimation ? "Animations-Object"
                                                                              : "Clipart-Object";
        CPlacedPropertiesDlg dlg(std::string(kind) + " Eigenschaften", m_pDoc, &layer, &m_editor);
        dlg.m_nX = layer.m_pPos ? layer.m_pPos->m_ptHome.x : 0;
        dlg.m_nY = layer.m_pPos ? layer.m_pPos->m_ptHome.y : 0;
        dlg.m_nWidth = layer.m_pSize ? layer.m_pSize->m_szDesign.cx : 1;
        dlg.m_nHeight = layer.m_pSize ? layer.m_pSize->m_szDesign.cy : 1;
        const bool bOk = m_runPlacedDialog(dlg);
        m_editor.update();
        return bOk && SetPlacement(layer, {dlg.m_nX, dlg.m_nY}, {dlg.m_nWidth, dlg.m_nHeight});
    }
    if (drawn == nullptr || !drawn->m_pShape)
        return false;
    CDrawObj& shape = *drawn->m_pShape;
    auto* text = dynamic_cast<CDrawTextRect*>(&shape);
    auto* rect = dynamic_cast<CDrawRect*>(&shape);
    const int nMode = text != nullptr ? (text->m_bPlainText ? OP_MODE_PLAIN_TEXT : OP_MODE_TEXT_IN_SHAPE)
                      : rect != nullptr && rect->m_nShape == CDrawRect::line ? OP_MODE_LINE
                                                                             : OP_MODE_SHAPE;
    CObjectPropertiesDlg dlg(nMode, &m_editor);
    dlg.m_crColor1 = text != nullptr ? text->m_crText : shape.m_logpen.lopnColor;
    dlg.m_crColor2 = shape.m_logbrush.lbColor;
    dlg.m_bTransparent = shape.m_bBrush == 0;
    dlg.m_nLineWidth = shape.m_bPen ? shape.m_logpen.lopnWidth.x : 0;
    if (text != nullptr) {
        dlg.m_strText = text->m_strText;
        dlg.m_logfont = text->m_logfont;
        dlg.m_cf = CharFormatFromFont(text->m_logfont, text->m_crText);
    }
    if (!m_runDialog(dlg)) {
        m_editor.update();
        return false;
    }
    return ReplaceDrawing(layer, [&](CLayer& target) {
        auto* d = dynamic_cast<CDrawnObject*>(target.m_pDrawing->GetObject());
        CDrawObj& s = *d->m_pShape;
        if (auto* t = dynamic_cast<CDrawTextRect*>(&s)) {
            t->m_strText = dlg.m_strText;
            t->m_logfont = dlg.m_logfont;
            t->m_crText = dlg.m_crColor1;
            if (t->m_bPlainText)
                return;
        }
        ApplyStyle(s, dlg.m_crColor1, dlg.m_nLineWidth, nMode == OP_MODE_LINE ? s.m_logbrush.lbColor
                                                                               : dlg.m_crColor2,
                   nMode == OP_MODE_LINE ? s.m_bBrush != 0 : !dlg.m_bTransparent);
    });
}

bool CObjectEditor::SetBackgroundColor(COLORREF crColor)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    if (!stage->m_pBackground)
        stage->SetBackground(std::make_unique<CBackground>());
    CBackground& background = *stage->m_pBackground;
    if (background.m_crColor == crColor)
        return false;
    CStepBuilder step(m_store);
    step.Save(UNDO_BACKGROUND, UNDO_BEFORE, background, background.m_nId, stage->m_nId);
    background.m_crColor = crColor;
    stage->m_bBackgroundCached = 0;
    step.Save(UNDO_BACKGROUND, UNDO_AFTER, background, background.m_nId, stage->m_nId);
    if (!step.Commit()) {
        m_bDirty = true;
        platform::ShowMessage(kNotRecorded);
    }
    Changed(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Adding and removing objects

bool CObjectEditor::RecordAdded(const std::vector<CLayer*>& layers)
{
    CStage* stage = Stage();
    if (stage == nullptr || layers.empty())
        return false;
    // Each was put on top when it came, so each record puts it back on top in turn.
    std::vector<CUndoEntry> entries;
    for (CLayer* layer : layers)
        entries.push_back(
            {std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_AFTER, layer->m_nId, stage->m_nId, 0),
             layer});
    if (m_store.RecordStep(entries))
        return true;
    m_bDirty = true;
    platform::ShowMessage(kNotRecorded);
    return false;
}

bool CObjectEditor::RemoveLayers(const std::vector<CLayer*>& layers, bool bRecord)
{
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr || layers.empty())
        return false;
    CLayerList& list = *stage->GetLayers();
    if (bRecord) {
        // Each record keeps the index the object has at its own removal, so that undoing them
        // in reverse puts every object back at its place.
        std::vector<CLayer*> order(list.begin(), list.end());
        std::vector<CUndoEntry> entries;
        for (CLayer* layer : layers) {
            auto it = std::find(order.begin(), order.end(), layer);
            if (it == order.end())
                continue;
            const int32_t index = static_cast<int32_t>(it - order.begin());
            order.erase(it);
            entries.push_back({std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_BEFORE, layer->m_nId,
                                                             stage->m_nId, index),
                               layer});
        }
        if (!m_store.RecordStep(entries)) {
            // Nothing is deleted that could not be brought back.
            platform::ShowMessage(
                "The objects were kept: the undo history could not keep a copy of them.");
            return false;
        }
    }
    for (CLayer* layer : layers) {
        Deselect(layer);
        const int index = list.IndexOf(layer);
        if (index >= 0)
            list.RemoveAt(list.FindIndex(index));
    }
    return true;
}

bool CObjectEditor::Delete()
{
    CancelDrag();
    const std::vector<CLayer*> layers = Selection();
    if (layers.empty() || !RemoveLayers(layers, true))
        return false;
    ClearSelection();
    Changed(true);
    return true;
}

bool CObjectEditor::Copy()
{
    CancelDrag();
    CStage* stage = Stage();
    const std::vector<CLayer*> layers = Selection();
    if (stage == nullptr || layers.empty())
        return false;
    m_store.ClearWorking();
    std::vector<CUndoEntry> entries;
    for (CLayer* layer : layers)
        entries.push_back(
            {std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_AFTER, layer->m_nId, stage->m_nId),
             layer});
    m_bClipboardFilled = m_store.Snapshot(entries);
    m_editor.RefreshCommands();
    return false; // the project itself did not change
}

bool CObjectEditor::Cut()
{
    CancelDrag();
    CStage* stage = Stage();
    const std::vector<CLayer*> layers = Selection();
    if (stage == nullptr || layers.empty())
        return false;
    m_store.ClearWorking();
    std::vector<CUndoEntry> entries;
    std::vector<CLayer*> order(stage->GetLayers()->begin(), stage->GetLayers()->end());
    for (CLayer* layer : layers) {
        auto it = std::find(order.begin(), order.end(), layer);
        const int32_t index = static_cast<int32_t>(it - order.begin());
        if (it != order.end())
            order.erase(it);
        entries.push_back({std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_BEFORE, layer->m_nId,
                                                         stage->m_nId, index),
                           layer});
    }
    if (!m_store.SaveAll(entries)) {
        m_bClipboardFilled = !m_store.Working().empty();
        platform::ShowMessage(
            "The objects were kept: the undo history could not keep a copy of them.");
        m_editor.RefreshCommands();
        return false;
    }
    m_bClipboardFilled = true;
    RemoveLayers(layers, false);
    ClearSelection();
    Changed(true);
    return true;
}

bool CObjectEditor::Paste()
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr || !m_bClipboardFilled || !m_store.LoadAll())
        return false;
    if (!stage->GetLayers())
        stage->SetLayers(std::make_unique<CLayerList>());
    std::vector<CLayer*> added;
    ClearSelection();
    for (const CUndoRecordPtr& record : m_store.Working()) {
        std::unique_ptr<CLayer, CUndoObjectDeleter> layer(dynamic_cast<CLayer*>(record->m_pObject.get()));
        if (!layer)
            continue;
        record->m_pObject.release();
        // Every paste is a new object, with identities of its own.
        layer->RenewIds();
        stage->GetLayers()->AddHead(layer.get());
        layer->SetStage(stage);
        layer->AttachParts();
        added.push_back(layer.release());
    }
    if (added.empty())
        return false;
    RecordAdded(added);
    for (CLayer* layer : added)
        Select(layer);
    Changed(true);
    return true;
}

bool CObjectEditor::Reorder(int nMode)
{
    CancelDrag();
    CStage* stage = Stage();
    const std::vector<CLayer*> layers = Selection();
    if (stage == nullptr || layers.size() != 1 || stage->GetLayers() == nullptr)
        return false;
    CLayer& layer = *layers[0];
    CLayerList& list = *stage->GetLayers();
    const int from = list.IndexOf(&layer);
    // The move is recorded as the object taken out at its old place and put in at its new one.
    CStepBuilder step(m_store);
    step.Save(UNDO_LAYER, UNDO_BEFORE, layer, layer.m_nId, stage->m_nId, from);
    if (!step.IsOk()) {
        platform::ShowMessage(kNotRecorded);
        return false;
    }
    if (!stage->ReorderLayer(from, nMode))
        return false;
    const int to = list.IndexOf(&layer);
    if (to == from)
        return false;
    step.Save(UNDO_LAYER, UNDO_AFTER, layer, layer.m_nId, stage->m_nId, to);
    if (!step.Commit()) {
        m_bDirty = true;
        platform::ShowMessage(kNotRecorded);
    }
    Changed(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

bool CObjectEditor::Undo()
{
    CancelDrag();
    std::vector<CUndoRecordPtr> records;
    if (m_pDoc == nullptr || !m_store.UndoStep(records))
        return false;
    ApplyStep(records, true);
    return true;
}

bool CObjectEditor::Redo()
{
    CancelDrag();
    std::vector<CUndoRecordPtr> records;
    if (m_pDoc == nullptr || !m_store.RedoStep(records))
        return false;
    ApplyStep(records, false);
    return true;
}

bool CObjectEditor::ApplyStep(std::vector<CUndoRecordPtr>& records, bool bUndo)
{
    bool bAll = true;
    for (const CUndoRecordPtr& record : records)
        bAll &= ApplyRecord(*record, bUndo);
    Changed(true);
    return bAll;
}

bool CObjectEditor::ApplyRecord(CUndoRecord& record, bool bUndo)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    // Undo puts back what was before; redo what came after. The other record of a pair only
    // says that its state goes.
    const bool bPut = bUndo ? record.m_nKind == UNDO_BEFORE : record.m_nKind == UNDO_AFTER;
    if (record.m_nType == UNDO_BACKGROUND || record.m_nType == UNDO_BACKGROUND_BMP) {
        if (!bPut)
            return true;
        if (record.m_nType == UNDO_BACKGROUND)
            return PutBack<CBackground>(record,
                                        [&](auto p) { stage->SetBackground(std::move(p)); });
        return PutBack<CBackgroundBMP>(record,
                                       [&](auto p) { stage->SetBackgroundBMP(std::move(p)); });
    }
    if (record.m_nType == UNDO_LAYER) {
        if (!stage->GetLayers())
            stage->SetLayers(std::make_unique<CLayerList>());
        CLayerList& list = *stage->GetLayers();
        if (!bPut) {
            const int index = list.IndexOf(FindLayer(record.m_nKey));
            if (index < 0)
                return false;
            Deselect(list.GetAt(index));
            list.RemoveAt(list.FindIndex(index));
            return true;
        }
        CUndoObjectPtr object = record.TakeObject();
        auto* layer = dynamic_cast<CLayer*>(object.get());
        if (layer == nullptr)
            return false;
        object.release();
        const int index = std::clamp(record.m_nIndex, 0, list.GetCount());
        list.InsertBefore(list.FindIndex(index), layer);
        layer->SetStage(stage);
        layer->AttachParts();
        return true;
    }
    if (!bPut)
        return true;
    CLayer* layer = FindLayer(record.m_nOwner);
    if (layer == nullptr)
        return false;
    bool bOk = false;
    switch (record.m_nType) {
    case UNDO_POS:
        bOk = PutBack<CObjectPos>(record, [&](auto p) { layer->SetPos(std::move(p)); });
        break;
    case UNDO_SIZE:
        bOk = PutBack<CObjectSize>(record, [&](auto p) { layer->SetSize(std::move(p)); });
        break;
    case UNDO_DRAWING:
        bOk = PutBack<CDrawingObject>(record, [&](auto p) { layer->SetDrawing(std::move(p)); });
        break;
    case UNDO_EFFECTS:
        bOk = PutBack<CEffectList>(record, [&](auto p) { layer->SetEffects(std::move(p)); });
        break;
    case UNDO_SOUNDS:
        bOk = PutBack<CSoundList>(record, [&](auto p) { layer->SetSounds(std::move(p)); });
        break;
    default:
        break;
    }
    layer->AttachParts();
    return bOk;
}

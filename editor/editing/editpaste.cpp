// What the desktop brings to the stage (its clipboard and the files dropped from it) and what
// the stage gives back: pictures and texts placed as new objects, each as one undoable step,
// and the selected objects drawn alone as a picture with see-through parts.
#include "editor/editing/editing.h"

#include "model/movie.h"
#include "model/picture.h"
#include "model/shapes.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/picturefile.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"
#include "playback/voicesound.h"

#include <QColor>

#include <algorithm>
#include <limits>

namespace {

constexpr int kStageW = CObjectEditorHost::kFrameWidth;
constexpr int kStageH = CObjectEditorHost::kFrameHeight;

// The top-left corner that puts the middle of an object of size at ptMiddle, kept on the
// stage as far as the object fits in it.
CPoint CornerForMiddle(CPoint ptMiddle, CSize size)
{
    const int32_t x = ptMiddle.x - size.cx / 2, y = ptMiddle.y - size.cy / 2;
    return { std::clamp(x, 0, std::max(0, kStageW - size.cx)),
        std::clamp(y, 0, std::max(0, kStageH - size.cy)) };
}

// The selected objects drawn on a background of one colour, moved so that bounds' corner is
// the picture's.
QImage DrawOn(const std::vector<CLayer*>& layers, const CRect& bounds, COLORREF crBackground)
{
    CDC target(bounds.Width(), bounds.Height());
    CDC work(bounds.Width(), bounds.Height());
    CDC mask(bounds.Width(), bounds.Height(), true);
    target.FillSolidRect({ 0, 0, bounds.Width(), bounds.Height() }, crBackground);
    // The list's order is bottom last: drawn from the bottom up, as the stage draws them.
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        CLayer& layer = **it;
        if (!layer.m_pDrawing || !layer.m_pPos || !layer.m_pSize)
            continue;
        const CPoint pt = layer.m_pPos->m_ptHome;
        const CSize sz = layer.m_pSize->m_szDesign;
        const CRect rc { pt.x - bounds.left, pt.y - bounds.top, pt.x - bounds.left + sz.cx,
            pt.y - bounds.top + sz.cy };
        layer.m_pDrawing->Draw(target, rc, &work, &mask);
    }
    return target.Image().convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool CObjectEditor::PlacePicture(const QImage& picture, const std::string& strName, CPoint ptMiddle)
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr || picture.isNull())
        return false;
    const QSize fitted = platform::FittedPictureSize(
        picture.size(), kPictureStageSize, platform::EPictureFit::inside);
    const QImage scaled = fitted == picture.size()
        ? picture
        : picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::unique_ptr<CHBitmap> bitmap = BitmapFromPicture(scaled, strName);
    if (!bitmap)
        return false; // said
    const CPoint at = CornerForMiddle(ptMiddle, { bitmap->GetWidth(), bitmap->GetHeight() });
    return AddSelectedPicture(std::move(bitmap), at, strName);
}

bool CObjectEditor::PlacePictureFile(const std::string& strPath, CPoint ptMiddle)
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    std::unique_ptr<CHBitmap> bitmap = ReadPictureBitmap(strPath);
    if (!bitmap)
        return false; // the reader has said why
    const CPoint at = CornerForMiddle(ptMiddle, { bitmap->GetWidth(), bitmap->GetHeight() });
    return AddSelectedPicture(std::move(bitmap), at, platform::FileNameOf(strPath));
}

bool CObjectEditor::PlaceText(const std::string& strText, CPoint ptMiddle)
{
    CancelDrag();
    if (Stage() == nullptr || strText.empty())
        return false;
    // The text tool's last choices of font and colour.
    const CTextDefaults& defaults = m_texts[0];
    const CSize measured = MeasureTextSize(strText, defaults.logfont);
    if (measured.cx <= 0 || measured.cy <= 0)
        return false;
    auto shape = std::make_unique<CDrawTextRect>();
    shape->SetShape(0);
    shape->m_strText = strText;
    shape->m_logfont = defaults.logfont;
    shape->m_crText = defaults.crText;
    shape->SetPlainText(1);
    const CPoint at = CornerForMiddle(ptMiddle, measured);
    return CreateObject(
               TOOL_TEXT, { at.x, at.y, at.x + measured.cx, at.y + measured.cy }, std::move(shape))
        != nullptr;
}

bool CObjectEditor::AddSongToLayer(CLayer& layer, const std::string& strPath)
{
    CancelDrag();
    CStage* stage = Stage();
    if (m_pDoc == nullptr || stage == nullptr || stage->GetLayers() == nullptr)
        return false;
    const int32_t index = stage->GetLayers()->IndexOf(&layer);
    if (index < 0)
        return false;
    CAbstractMovie& movie = *m_pDoc->GetMovie();
    return ChangeSounds(layer, [&](CSoundList&) {
        std::string reason;
        if (AddSongSound(movie, strPath, CSongCut {}, 0, index, reason))
            return true;
        platform::ShowMessage(
            platform::Fill(platform::Tr("Editing", "%1 was not given to the object: %2"),
                { platform::FileNameOf(strPath), reason }));
        return false;
    });
}

QImage CObjectEditor::SelectionPicture() const
{
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return {};
    // The selected objects in the stage's order, topmost first, and their bounds.
    std::vector<CLayer*> layers;
    CRect bounds { std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min() };
    for (CLayer* layer : *stage->GetLayers()) {
        if (!IsSelected(layer))
            continue;
        const CRect rc = StageRectOf(*layer);
        if (rc.Width() <= 0 || rc.Height() <= 0)
            continue;
        layers.push_back(layer);
        bounds.left = std::min(bounds.left, rc.left);
        bounds.top = std::min(bounds.top, rc.top);
        bounds.right = std::max(bounds.right, rc.right);
        bounds.bottom = std::max(bounds.bottom, rc.bottom);
    }
    if (layers.empty())
        return {};
    // Only what fits the stage is drawn, and at least a pixel.
    bounds.left = std::max(bounds.left, -kStageW);
    bounds.top = std::max(bounds.top, -kStageH);
    bounds.right = std::min(bounds.right, 2 * kStageW);
    bounds.bottom = std::min(bounds.bottom, 2 * kStageH);
    if (bounds.Width() <= 0 || bounds.Height() <= 0)
        return {};
    // Drawn once on white and once on black: where the two agree the objects cover the
    // background, where they differ by the whole range it shows through; in between is
    // the part a masked or blended draw lets through.
    const QImage onWhite = DrawOn(layers, bounds, 0xFFFFFF);
    const QImage onBlack = DrawOn(layers, bounds, 0x000000);
    QImage picture(onWhite.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        const QRgb* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int through = std::max({ qRed(white[x]) - qRed(black[x]),
                qGreen(white[x]) - qGreen(black[x]), qBlue(white[x]) - qBlue(black[x]), 0 });
            const int alpha = 255 - std::min(through, 255);
            if (alpha == 0) {
                out[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            // The colour on black is the colour times its cover.
            const auto unblend
                = [alpha](int c) { return std::min(255, (c * 255 + alpha / 2) / alpha); };
            out[x] = qRgba(unblend(qRed(black[x])), unblend(qGreen(black[x])),
                unblend(qBlue(black[x])), alpha);
        }
    }
    return picture;
}

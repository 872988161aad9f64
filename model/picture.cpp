// What the model makes of a picture a person brings.
#include "model/picture.h"

#include "model/effect.h"
#include "model/movie.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/picturefile.h"
#include "platform/translate.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

constexpr QRgb kShows = 0xFF000000;
constexpr QRgb kSeeThrough = 0xFFFFFFFF;

bool ShowsIn(const QImage& mask, int x, int y)
{
    return qGray(mask.pixel(x, y)) < 128;
}

// The mask of the picture's see-through parts; null when every pixel shows.
QImage AlphaMask(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return {};
    const QImage alpha = picture.convertToFormat(QImage::Format_ARGB32);
    QImage mask(alpha.size(), QImage::Format_RGB32);
    bool bSeeThrough = false;
    for (int y = 0; y < alpha.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < alpha.width(); ++x) {
            const bool bShows = qAlpha(src[x]) >= 128;
            bSeeThrough |= !bShows;
            dst[x] = bShows ? kShows : kSeeThrough;
        }
    }
    return bSeeThrough ? mask : QImage();
}

// The heart in the unit square: two lobes meeting in a notch at the top centre, and a point
// at the bottom centre.
QPainterPath UnitHeart()
{
    QPainterPath path;
    path.moveTo(0.5, 0.25);
    path.cubicTo(0.5, 0.0, 0.0, 0.0, 0.0, 0.35);
    path.cubicTo(0.0, 0.65, 0.35, 0.8, 0.5, 1.0);
    path.cubicTo(0.65, 0.8, 1.0, 0.65, 1.0, 0.35);
    path.cubicTo(1.0, 0.0, 0.5, 0.0, 0.5, 0.25);
    path.closeSubpath();
    return path;
}

// A five-pointed star, one point up, stretched to fill the unit square.
QPainterPath UnitStar()
{
    std::vector<QPointF> points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 1.0 : 0.382;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points.emplace_back(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPolygonF polygon(QList<QPointF>(points.begin(), points.end()));
    const QRectF box = polygon.boundingRect();
    QPainterPath path;
    path.addPolygon(QTransform()
                        .scale(1.0 / box.width(), 1.0 / box.height())
                        .translate(-box.left(), -box.top())
                        .map(polygon));
    path.closeSubpath();
    return path;
}

// The picture's holder again from its picture and mask images; it keeps its path.
bool Remake(CHBitmap& bitmap, const QImage& picture, const QImage& mask)
{
    const std::string path = bitmap.m_strPath;
    std::unique_ptr<CHBitmap> maskHolder;
    if (!mask.isNull()) {
        maskHolder = std::make_unique<CHBitmap>();
        if (!maskHolder->LoadFromImage(mask, path))
            return false;
    }
    if (!bitmap.LoadFromImage(picture, path))
        return false;
    bitmap.SetMask(std::move(maskHolder));
    return true;
}

std::unique_ptr<CHBitmap> Refused(const std::string& error)
{
    platform::ShowMessage(platform::IDS_READ_ERROR, error);
    return nullptr;
}

} // namespace

bool FrameByName(const std::string& name, EPictureFrame& frame)
{
    static const std::pair<const char*, EPictureFrame> names[] = {{"none", EPictureFrame::none},
        {"rounded", EPictureFrame::rounded}, {"circle", EPictureFrame::circle},
        {"heart", EPictureFrame::heart}, {"star", EPictureFrame::star}};
    for (const auto& [text, value] : names)
        if (name == text) {
            frame = value;
            return true;
        }
    return false;
}

bool BackgroundFitByName(const std::string& name, EBackgroundFit& fit)
{
    if (name != "fill" && name != "fit")
        return false;
    fit = name == "fill" ? EBackgroundFit::fill : EBackgroundFit::fit;
    return true;
}

std::unique_ptr<CHBitmap> BitmapFromPicture(const QImage& picture, const std::string& name)
{
    auto bitmap = std::make_unique<CHBitmap>();
    if (!bitmap->LoadFromImage(picture, name))
        return nullptr; // the holder has said why
    const QImage mask = AlphaMask(picture);
    if (!mask.isNull()) {
        auto holder = std::make_unique<CHBitmap>();
        if (holder->LoadFromImage(mask, name))
            bitmap->SetMask(std::move(holder));
    }
    return bitmap;
}

std::unique_ptr<CHBitmap> ReadPictureBitmap(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes))
        return Refused(Fill(Tr("Pictures", "%1: cannot be read"), {path}));
    // A bitmap file is kept as it came, the way the project file has always held them, unless
    // it must be made smaller for the stage.
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        auto bitmap = std::make_unique<CHBitmap>();
        if (!bitmap->LoadFromFileBytes(bytes, path))
            return nullptr; // the reader has said why
        const QSize size(bitmap->GetWidth(), bitmap->GetHeight());
        const QSize fitted
            = platform::FittedPictureSize(size, kPictureStageSize, platform::EPictureFit::inside);
        if (fitted == size)
            return bitmap;
        return BitmapFromPicture(
            bitmap->GetImage().scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            path);
    }
    QImage picture;
    std::string error;
    if (!platform::ReadPictureBytes(
            bytes, path, kPictureStageSize, platform::EPictureFit::inside, picture, error))
        return Refused(error);
    return BitmapFromPicture(picture, path);
}

QImage BackgroundPicture(const QImage& picture, EBackgroundFit fit, COLORREF crBackground)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return {};
    const int w = kPictureStageSize.width();
    const int h = kPictureStageSize.height();
    if (fit == EBackgroundFit::fill) {
        // The middle of the picture in the stage's shape, then scaled to the stage.
        QRect middle = picture.rect();
        if (int64_t(picture.width()) * h > int64_t(picture.height()) * w) {
            const int cropped = std::max(1, int(int64_t(picture.height()) * w / h));
            middle = {(picture.width() - cropped) / 2, 0, cropped, picture.height()};
        } else {
            const int cropped = std::max(1, int(int64_t(picture.width()) * h / w));
            middle = {0, (picture.height() - cropped) / 2, picture.width(), cropped};
        }
        return picture.copy(middle)
            .convertToFormat(QImage::Format_RGB32)
            .scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage stage(w, h, QImage::Format_RGB32);
    stage.fill(QColor(int(crBackground & 0xFF), int((crBackground >> 8) & 0xFF),
        int((crBackground >> 16) & 0xFF)));
    const QImage fitted
        = picture.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&stage);
    painter.drawImage((w - fitted.width()) / 2, (h - fitted.height()) / 2, fitted);
    painter.end();
    return stage;
}

std::unique_ptr<CBackgroundBMP> ReadBackgroundPicture(
    const std::string& path, EBackgroundFit fit, COLORREF crBackground)
{
    QImage picture;
    std::string error;
    // Read just large enough to cover the stage: a fill crops what is beyond it.
    const platform::EPictureFit readFit = fit == EBackgroundFit::fill
        ? platform::EPictureFit::cover : platform::EPictureFit::inside;
    if (!platform::ReadPictureFile(path, kPictureStageSize, readFit, picture, error)) {
        Refused(error);
        return nullptr;
    }
    auto bitmap = std::make_unique<CHBitmap>();
    if (!bitmap->LoadFromImage(BackgroundPicture(picture, fit, crBackground), path))
        return nullptr; // the holder has said why
    auto holder = std::make_unique<CBackgroundBMP>();
    holder->m_pBitmap = std::move(bitmap);
    return holder;
}

void SetBackgroundPicture(CStage& stage, std::unique_ptr<CBackgroundBMP> pPicture)
{
    if (pPicture && !pPicture->m_pSound && stage.m_pBackgroundBMP)
        pPicture->m_pSound = std::move(stage.m_pBackgroundBMP->m_pSound);
    stage.SetBackgroundBMP(std::move(pPicture));
}

QImage FrameMask(EPictureFrame frame, QSize size)
{
    if (frame == EPictureFrame::none || size.isEmpty())
        return {};
    const double w = size.width();
    const double h = size.height();
    QPainterPath path;
    switch (frame) {
    case EPictureFrame::none:
        return {};
    case EPictureFrame::rounded: {
        const double radius = std::min(w, h) / 8;
        path.addRoundedRect(QRectF(0, 0, w, h), radius, radius);
        break;
    }
    case EPictureFrame::circle:
        path.addEllipse(QRectF(0, 0, w, h));
        break;
    case EPictureFrame::heart:
        path = QTransform::fromScale(w, h).map(UnitHeart());
        break;
    case EPictureFrame::star:
        path = QTransform::fromScale(w, h).map(UnitStar());
        break;
    }
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(kSeeThrough);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, QColor(kShows));
    painter.end();
    return mask;
}

bool SetPictureFrame(CHBitmap& bitmap, EPictureFrame frame)
{
    if (!bitmap.HasData() || bitmap.GetImage().isNull())
        return false;
    if (frame == EPictureFrame::none)
        return true;
    QImage mask = FrameMask(frame, bitmap.GetImage().size());
    if (const CHBitmap* old = bitmap.GetMask(); old != nullptr && !old->GetImage().isNull()) {
        const QImage& before = old->GetImage();
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const int bx = x * before.width() / mask.width();
                const int by = y * before.height() / mask.height();
                if (!ShowsIn(before, bx, by))
                    mask.setPixel(x, y, kSeeThrough);
            }
    }
    const QImage picture = bitmap.GetImage();
    return Remake(bitmap, picture, mask);
}

bool RotatePicture(CHBitmap& bitmap, int nQuarterTurns)
{
    if (!bitmap.HasData() || bitmap.GetImage().isNull())
        return false;
    const int turns = ((nQuarterTurns % 4) + 4) % 4;
    if (turns == 0)
        return true;
    const QTransform turn = QTransform().rotate(90.0 * turns);
    const QImage picture = bitmap.GetImage().transformed(turn);
    QImage mask;
    if (const CHBitmap* old = bitmap.GetMask(); old != nullptr && !old->GetImage().isNull())
        mask = old->GetImage().transformed(turn);
    return Remake(bitmap, picture, mask);
}

CLayer* AddPictureObject(
    CStage& stage, std::unique_ptr<CHBitmap> pBitmap, CPoint ptAt, const std::string& name)
{
    if (!pBitmap || pBitmap->GetWidth() <= 0 || pBitmap->GetHeight() <= 0)
        return nullptr;
    CLayer* layer = stage.AddObject(
        CGenericDrawing::kindImage, ptAt.x, ptAt.y, pBitmap->GetWidth(), pBitmap->GetHeight());
    if (layer == nullptr)
        return nullptr;
    auto image = std::make_unique<CImageObject>();
    image->m_pBitmap = std::move(pBitmap);
    layer->m_pDrawing->SetObject(std::move(image));
    layer->m_pDrawing->m_strName = name;
    layer->m_pEffects->AddTail(NewDefaultEffect(1));
    layer->AttachParts();
    return layer;
}

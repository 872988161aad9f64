#include "tests/model/showcase.h"

#include "model/movie.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cstring>

namespace fixtures {

namespace {

std::unique_ptr<CHBitmap> BitmapFrom(const QImage& image, const std::string& path)
{
    image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "BMP");
    auto bitmap = std::make_unique<CHBitmap>();
    bitmap->LoadFromFile(path);
    return bitmap;
}

QImage Sky()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(0x9F, 0xD8, 0xF5));
    sky.setColorAt(0.7, QColor(0xFF, 0xF4, 0xE4));
    sky.setColorAt(1, QColor(0xB8, 0xE0, 0x9A));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC8, 0x57));
    p.drawEllipse(QPointF(680, 110), 60, 60);
    p.setBrush(QColor(0x7C, 0xC3, 0x6A));
    p.drawEllipse(QRectF(-200, 480, 700, 300));
    p.drawEllipse(QRectF(350, 500, 700, 300));
    return image;
}

// A balloon on a plain background, and its mask: black where the balloon is.
void Balloon(QImage& picture, QImage& mask)
{
    picture = QImage(120, 160, QImage::Format_RGB32);
    picture.fill(Qt::white);
    mask = QImage(120, 160, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainterPath shape;
    shape.addEllipse(QRectF(10, 5, 100, 120));
    shape.moveTo(60, 125);
    shape.lineTo(52, 140);
    shape.lineTo(68, 140);
    shape.closeSubpath();
    for (QImage* image : {&picture, &mask}) {
        QPainter p(image);
        p.setPen(Qt::NoPen);
        p.setBrush(image == &mask ? QColor(Qt::black) : QColor(0xFF, 0x6F, 0x61));
        p.drawPath(shape);
        if (image == &picture) {
            QRadialGradient shine(QPointF(40, 40), 40);
            shine.setColorAt(0, QColor(255, 255, 255, 180));
            shine.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(shine);
            p.drawEllipse(QRectF(15, 10, 60, 60));
        }
        p.setPen(QPen(image == &mask ? Qt::black : QColor(0x4A, 0x25, 0x45), 2));
        p.drawLine(60, 140, 62, 158);
    }
}

QImage Photo()
{
    QImage image(160, 110, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0x2E, 0xC4, 0xB6));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xFF, 0xF4, 0xE4));
    p.setPen(QPen(QColor(0x4A, 0x25, 0x45), 3));
    p.drawRoundedRect(QRectF(20, 20, 120, 70), 12, 12);
    p.setFont(QFont("Liberation Sans", 20, QFont::Bold));
    p.drawText(QRectF(20, 20, 120, 70), Qt::AlignCenter, "Hello!");
    return image;
}

CLayer* Add(CStage& stage, int kind, int x, int y, int cx, int cy, const char* name)
{
    CLayer* layer = stage.AddObject(kind, x, y, cx, cy);
    layer->m_pDrawing->m_strName = name;
    auto effect = new CEffect;
    effect->m_nType = -1;
    effect->m_nDuration = 1;
    effect->m_nStartFrame = 0;
    effect->m_strName = "Sans";
    layer->m_pEffects->AddTail(effect);
    return layer;
}

template <class Shape> Shape* Drawn(CLayer* layer)
{
    auto drawn = std::make_unique<CDrawnObject>();
    auto shape = std::make_unique<Shape>();
    Shape* result = shape.get();
    drawn->m_pShape = std::move(shape);
    drawn->m_nShape = result->ShapeKind();
    layer->m_pDrawing->SetObject(std::move(drawn));
    layer->AttachParts();
    return result;
}

} // namespace

std::unique_ptr<CAbstractMovie> ShowcaseProject(const std::string& dir)
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    auto holder = std::make_unique<CBackgroundBMP>();
    holder->m_pBitmap = BitmapFrom(Sky(), dir + "/sky.bmp");
    stage.SetBackgroundBMP(std::move(holder));

    // Added bottom first: each new object goes on top.
    auto* rect = Drawn<CDrawRect>(Add(stage, 3, 40, 40, 160, 100, "Rectangle"));
    rect->m_logpen = {PS_INSIDEFRAME, {4, 4}, 0x45254A};
    rect->m_logbrush = {BS_SOLID, 0x57C8FF, 0};

    auto* round = Drawn<CDrawRect>(Add(stage, 3, 240, 40, 160, 100, "Coins ronds"));
    round->m_nShape = CDrawRect::roundRectangle;
    round->m_ptRound = {40, 40};
    round->m_logpen = {PS_INSIDEFRAME, {3, 3}, 0x45254A};
    round->m_logbrush = {BS_SOLID, 0xB6C42E, 0};

    auto* ellipse = Drawn<CDrawRect>(Add(stage, 3, 440, 40, 160, 100, "Ellipse"));
    ellipse->m_nShape = CDrawRect::ellipse;
    ellipse->m_logpen = {PS_INSIDEFRAME, {2, 2}, 0x45254A};
    ellipse->m_logbrush = {BS_SOLID, 0x616FFF, 0};

    auto* line = Drawn<CDrawRect>(Add(stage, 3, 40, 170, 160, 80, "Ligne"));
    line->m_nShape = CDrawRect::line;
    line->m_logpen = {PS_SOLID, {6, 6}, 0x616FFF};

    auto* text = Drawn<CDrawTextRect>(Add(stage, 3, 240, 170, 200, 120, "Texte"));
    text->m_nShape = CDrawRect::roundRectangle;
    text->m_ptRound = {30, 30};
    text->m_strText = "Joyeux anniversaire, Anna! Plein de bonheur \u00E0 toi.";
    std::memset(text->m_logfont.lfFaceName, 0, LF_FACESIZE);
    std::strcpy(text->m_logfont.lfFaceName, "Times New Roman");
    text->m_logfont.lfHeight = -22;
    text->m_logfont.lfWeight = 700;
    text->m_logfont.lfItalic = 1;
    text->m_crText = 0x45254A;
    text->m_logpen = {PS_INSIDEFRAME, {2, 2}, 0x616FFF};
    text->m_logbrush = {BS_SOLID, 0xF2FAFF, 0};

    auto* plain = Drawn<CDrawTextRect>(Add(stage, 3, 470, 170, 150, 110, "Texte simple"));
    plain->m_strText = "Plain text wraps\tfrom the top left.";
    std::memset(plain->m_logfont.lfFaceName, 0, LF_FACESIZE);
    std::strcpy(plain->m_logfont.lfFaceName, "Arial");
    plain->m_logfont.lfHeight = 18;
    plain->m_logfont.lfWeight = 400;
    plain->m_crText = 0x45254A;
    plain->SetPlainText(1);

    auto* star = Drawn<CDrawPoly>(Add(stage, 3, 640, 170, 130, 120, "Etoile"));
    for (CPoint pt : {CPoint{50, 0}, CPoint{79, 90}, CPoint{2, 35}, CPoint{98, 35}, CPoint{21, 90}})
        star->AddPoint(pt);
    star->m_logpen = {PS_SOLID, {2, 2}, 0x45254A};
    star->m_logbrush = {BS_SOLID, 0x57C8FF, 0};

    CLayer* image = Add(stage, 4, 60, 320, 160, 110, "photo.bmp");
    auto imageObject = std::make_unique<CImageObject>();
    imageObject->m_pBitmap = BitmapFrom(Photo(), dir + "/photo.bmp");
    image->m_pDrawing->SetObject(std::move(imageObject));

    QImage balloon, balloonMask;
    Balloon(balloon, balloonMask);
    CLayer* clipart = Add(stage, 2, 300, 320, 120, 160, "Ballon");
    auto clipartObject = std::make_unique<CClipartObject>();
    clipartObject->m_pBitmap = BitmapFrom(balloon, dir + "/balloon.bmp");
    clipartObject->m_pBitmap->SetMask(BitmapFrom(balloonMask, dir + "/balloon_mask.bmp"));
    clipart->m_pDrawing->SetObject(std::move(clipartObject));

    // The same balloon stretched and without its mask: drawn opaquely.
    CLayer* opaque = Add(stage, 2, 480, 330, 90, 200, "Ballon sans masque");
    auto opaqueObject = std::make_unique<CClipartObject>();
    opaqueObject->m_pBitmap = BitmapFrom(balloon, dir + "/balloon2.bmp");
    opaque->m_pDrawing->SetObject(std::move(opaqueObject));

    for (CLayer* layer : *stage.GetLayers())
        layer->AttachParts();
    return movie;
}

namespace {

CEffect* AddEffect(CLayer* layer, int32_t type, float p1, float p2, float p3, int32_t start, int32_t duration)
{
    auto* effect = new CEffect;
    effect->m_nType = type;
    effect->m_fParam1 = p1;
    effect->m_fParam2 = p2;
    effect->m_fParam3 = p3;
    effect->m_nStartFrame = start;
    effect->m_nDuration = duration;
    effect->m_nDefaultDuration = duration;
    effect->m_bOffScreenAfter = 0;
    layer->m_pEffects->AddTail(effect);
    layer->AttachParts();
    return effect;
}

std::unique_ptr<CClipartObject> BalloonClipart(const std::string& dir, const char* name)
{
    QImage balloon, balloonMask;
    Balloon(balloon, balloonMask);
    auto clipart = std::make_unique<CClipartObject>();
    clipart->m_pBitmap = BitmapFrom(balloon, dir + "/" + name + ".bmp");
    clipart->m_pBitmap->SetMask(BitmapFrom(balloonMask, dir + "/" + name + "_mask.bmp"));
    return clipart;
}

} // namespace

std::unique_ptr<CAbstractMovie> MotionProject(const std::string& dir)
{
    const float twoPi25 = 0.25132743f;
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    auto holder = std::make_unique<CBackgroundBMP>();
    holder->m_pBitmap = BitmapFrom(Sky(), dir + "/sky.bmp");
    stage.SetBackgroundBMP(std::move(holder));

    // A clip: an inner stage 200 x 150 where a star circles.
    CLayer* clipLayer = stage.AddObject(CGenericDrawing::kindAnimation, 520, 60, 240, 180);
    clipLayer->m_pDrawing->m_strName = "Etoile qui tourne";
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_szOriginal = {200, 150};
    clip->m_nFrameCount = 25;
    clip->m_pStage = std::make_unique<CStage>();
    clip->m_pStage->m_nRole = CStage::roleInner;
    clip->m_pStage->SetMovie(movie.get());
    CLayer* inner = clip->m_pStage->AddObject(CGenericDrawing::kindDrawn, 75, 50, 50, 50);
    auto* star = Drawn<CDrawPoly>(inner);
    for (CPoint pt : {CPoint{50, 0}, CPoint{79, 90}, CPoint{2, 35}, CPoint{98, 35}, CPoint{21, 90}})
        star->AddPoint(pt);
    star->m_logpen = {PS_SOLID, {2, 2}, 0x45254A};
    star->m_logbrush = {BS_SOLID, 0x57C8FF, 0};
    AddEffect(inner, 20, 40.0f, twoPi25, 0, 0, 25);
    clipLayer->m_pDrawing->SetObject(std::move(clip));
    AddEffect(clipLayer, -1, 0, 0, 0, 0, 60);

    CLayer* circling = stage.AddObject(CGenericDrawing::kindDrawn, 150, 120, 90, 60);
    auto* ellipse = Drawn<CDrawRect>(circling);
    ellipse->m_nShape = CDrawRect::ellipse;
    ellipse->m_logpen = {PS_INSIDEFRAME, {3, 3}, 0x45254A};
    ellipse->m_logbrush = {BS_SOLID, 0xB6C42E, 0};
    AddEffect(circling, 20, 50.0f, twoPi25, 0, 0, 60);

    CLayer* growing = stage.AddObject(CGenericDrawing::kindClipart, 40, 250, 120, 160);
    growing->m_pDrawing->SetObject(BalloonClipart(dir, "grow"));
    AddEffect(growing, 5, 4.0f, 0, 0, 0, 60);

    CLayer* rising = stage.AddObject(CGenericDrawing::kindClipart, 420, 420, 120, 160);
    rising->m_pDrawing->SetObject(BalloonClipart(dir, "shrink"));
    AddEffect(rising, 13, -5.0f, 0, 0, 0, 60);

    for (CLayer* layer : *stage.GetLayers())
        layer->AttachParts();
    int32_t length = 0;
    for (CLayer* layer : *stage.GetLayers())
        for (CEffect* effect : *layer->m_pEffects)
            length = std::max(length, effect->m_nStartFrame + effect->m_nDuration);
    movie->m_nFrameCount = length;
    stage.SetTimes(length, 0, 0, length);
    return movie;
}

} // namespace fixtures

#include "app/dump.h"

#include "app/json.h"
#include "model/header.h"
#include "model/movie.h"
#include "platform/files.h"

#include <algorithm>
#include <cstring>

namespace {

void DumpStage(CJsonWriter& json, const CStage& stage, const char* key);

void DumpBitmap(CJsonWriter& json, const CHBitmap* bitmap, const char* key)
{
    if (bitmap == nullptr) {
        json.Null(key);
        return;
    }
    json.BeginObject(key);
    json.Int("m_nKind", bitmap->m_nKind);
    if (bitmap->m_nKind == CHBitmap::kindFile)
        json.Text("m_strPath", bitmap->m_strPath);
    if (bitmap->m_nKind == CHBitmap::kindFile || bitmap->m_nKind == CHBitmap::kindPacked) {
        json.Int("bytes", static_cast<int64_t>(bitmap->GetBlock().size()));
        json.Int("width", bitmap->GetWidth());
        json.Int("height", bitmap->GetHeight());
        json.Int("bits", bitmap->GetBitCount());
        json.Int("colors", bitmap->GetColorCount());
    }
    DumpBitmap(json, bitmap->GetMask(), "m_pMask");
    json.EndObject();
}

void DumpSound(CJsonWriter& json, const CSound* sound, const char* key)
{
    if (sound == nullptr) {
        json.Null(key);
        return;
    }
    json.BeginObject(key);
    json.Text("m_strName", sound->m_strName);
    json.Int("m_nKind", sound->m_nKind);
    json.Int("m_nStartFrame", sound->m_nStartFrame);
    if (sound->m_nKind == CSound::kindWave)
        json.Int("m_nEndFrame", sound->m_nEndFrame);
    if (sound->m_nKind == CSound::kindWave || sound->m_nKind == CSound::kindMidi)
        json.Int("bytes", std::max<int64_t>(0, platform::FileLength(sound->m_strPath)));
    if (sound->m_nKind == CSound::kindMarker)
        json.Text("m_strRef", sound->m_strRef);
    json.EndObject();
}

void DumpShape(CJsonWriter& json, const CDrawObj& shape)
{
    json.BeginObject("m_pShape");
    const LOGPEN& pen = shape.m_logpen;
    json.BeginObject("m_logpen");
    json.Int("lopnStyle", pen.lopnStyle);
    json.Ints("lopnWidth", {pen.lopnWidth.x, pen.lopnWidth.y});
    json.Int("lopnColor", pen.lopnColor);
    json.EndObject();
    const LOGBRUSH& brush = shape.m_logbrush;
    json.BeginObject("m_logbrush");
    json.Int("lbStyle", brush.lbStyle);
    json.Int("lbColor", brush.lbColor);
    json.Int("lbHatch", brush.lbHatch);
    json.EndObject();
    json.Int("m_bPen", shape.m_bPen);
    json.Int("m_bBrush", shape.m_bBrush);
    if (const auto* rect = dynamic_cast<const CDrawRect*>(&shape)) {
        json.Int("m_nShape", rect->m_nShape);
        json.Ints("m_ptRound", {rect->m_ptRound.x, rect->m_ptRound.y});
    } else if (const auto* text = dynamic_cast<const CDrawTextRect*>(&shape)) {
        json.Int("m_nShape", text->m_nShape);
        json.Ints("m_ptRound", {text->m_ptRound.x, text->m_ptRound.y});
        const LOGFONT& lf = text->m_logfont;
        json.BeginObject("m_logfont");
        json.Int("lfHeight", lf.lfHeight);
        json.Int("lfWidth", lf.lfWidth);
        json.Int("lfEscapement", lf.lfEscapement);
        json.Int("lfOrientation", lf.lfOrientation);
        json.Int("lfWeight", lf.lfWeight);
        json.Int("lfItalic", lf.lfItalic);
        json.Int("lfUnderline", lf.lfUnderline);
        json.Int("lfStrikeOut", lf.lfStrikeOut);
        json.Int("lfCharSet", lf.lfCharSet);
        json.Int("lfOutPrecision", lf.lfOutPrecision);
        json.Int("lfClipPrecision", lf.lfClipPrecision);
        json.Int("lfQuality", lf.lfQuality);
        json.Int("lfPitchAndFamily", lf.lfPitchAndFamily);
        json.Text("lfFaceName", std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
        json.EndObject();
        json.Text("m_strText", text->m_strText);
        json.Int("m_crText", text->m_crText);
        json.Int("m_bPlainText", text->m_bPlainText);
        json.Int("m_nTextParam", text->m_nTextParam);
    } else if (const auto* poly = dynamic_cast<const CDrawPoly*>(&shape)) {
        json.Int("m_nPoints", poly->m_nPoints);
        json.Int("m_nAllocPoints", poly->m_nAllocPoints);
        json.Int("m_nPolyParam2", poly->m_nPolyParam2);
        json.Int("m_nPolyParam1", poly->m_nPolyParam1);
        json.BeginArray("m_pPoints");
        for (const CPoint& pt : poly->m_pPoints)
            json.Ints(nullptr, {pt.x, pt.y});
        json.EndArray();
    }
    json.EndObject();
}

void DumpDrawable(CJsonWriter& json, const CGenericDrawing& drawable)
{
    json.BeginObject("m_pObject");
    json.Int("kind", drawable.Kind());
    json.Text("class", ItemClassName(drawable));
    if (const auto* clip = dynamic_cast<const CAnimationObject*>(&drawable)) {
        json.Int("m_nFrameCount", clip->m_nFrameCount);
        json.Ints("m_szOriginal", {clip->m_szOriginal.cx, clip->m_szOriginal.cy});
        if (clip->m_pStage)
            DumpStage(json, *clip->m_pStage, "m_pStage");
        else
            json.Null("m_pStage");
    } else if (const auto* clipart = dynamic_cast<const CClipartObject*>(&drawable)) {
        DumpBitmap(json, clipart->m_pBitmap.get(), "m_pBitmap");
    } else if (const auto* drawn = dynamic_cast<const CDrawnObject*>(&drawable)) {
        json.Int("m_nShape", drawn->m_nShape);
        if (drawn->m_pShape)
            DumpShape(json, *drawn->m_pShape);
    } else if (const auto* image = dynamic_cast<const CImageObject*>(&drawable)) {
        DumpBitmap(json, image->m_pBitmap.get(), "m_pBitmap");
    }
    json.EndObject();
}

void DumpEffect(CJsonWriter& json, const CEffect& effect)
{
    json.BeginObject();
    json.Int("m_bOffScreenAfter", effect.m_bOffScreenAfter);
    json.Int("m_nDuration", effect.m_nDuration);
    json.Int("m_nType", effect.m_nType);
    json.Text("m_strName", effect.m_strName);
    json.Int("m_nDefaultDuration", effect.m_nDefaultDuration);
    json.Int("m_nReserved", effect.m_nReserved);
    json.Int("m_nUserValue", effect.m_nUserValue);
    json.Int("m_nStartFrame", effect.m_nStartFrame);
    json.Real("m_fParam1", effect.m_fParam1);
    json.Real("m_fParam2", effect.m_fParam2);
    json.Real("m_fParam3", effect.m_fParam3);
    json.EndObject();
}

void DumpLayer(CJsonWriter& json, const CLayer& layer)
{
    json.BeginObject();
    json.Int("m_nId", layer.m_nId);
    if (layer.m_pPos) {
        json.BeginObject("m_pPos");
        json.Int("m_nId", layer.m_pPos->m_nId);
        json.Ints("m_ptHome", {layer.m_pPos->m_ptHome.x, layer.m_pPos->m_ptHome.y});
        json.EndObject();
    } else {
        json.Null("m_pPos");
    }
    if (layer.m_pSize) {
        json.BeginObject("m_pSize");
        json.Int("m_nId", layer.m_pSize->m_nId);
        json.Ints("m_szDesign", {layer.m_pSize->m_szDesign.cx, layer.m_pSize->m_szDesign.cy});
        json.EndObject();
    } else {
        json.Null("m_pSize");
    }
    if (const CDrawingObject* drawing = layer.m_pDrawing.get()) {
        json.BeginObject("m_pDrawing");
        json.Int("m_nId", drawing->m_nId);
        json.Text("m_strName", drawing->m_strName);
        if (drawing->m_pObject)
            DumpDrawable(json, *drawing->m_pObject);
        else
            json.Null("m_pObject");
        json.EndObject();
    } else {
        json.Null("m_pDrawing");
    }
    if (layer.m_pEffects) {
        json.BeginObject("m_pEffects");
        json.Int("m_nId", layer.m_pEffects->m_nId);
        json.BeginArray("effects");
        for (const CEffect* effect : *layer.m_pEffects)
            DumpEffect(json, *effect);
        json.EndArray();
        json.EndObject();
    } else {
        json.Null("m_pEffects");
    }
    if (layer.m_pSounds) {
        json.BeginObject("m_pSounds");
        json.Int("m_nId", layer.m_pSounds->m_nId);
        json.BeginArray("sounds");
        for (const CSound* sound : *layer.m_pSounds)
            DumpSound(json, sound, nullptr);
        json.EndArray();
        json.EndObject();
    } else {
        json.Null("m_pSounds");
    }
    json.EndObject();
}

void DumpBackground(CJsonWriter& json, const CBackground* background)
{
    if (background == nullptr) {
        json.Null("m_pBackground");
        return;
    }
    json.BeginObject("m_pBackground");
    json.Int("m_nId", background->m_nId);
    json.Int("m_crColor", background->m_crColor);
    json.Int("m_nMode", background->m_nMode);
    json.Ints("m_nParam", {background->m_nParam1, background->m_nParam2, background->m_nParam3,
                           background->m_nParam4});
    json.EndObject();
}

void DumpBackgroundBMP(CJsonWriter& json, const CBackgroundBMP* holder, const char* key)
{
    if (holder == nullptr) {
        json.Null(key);
        return;
    }
    json.BeginObject(key);
    json.Int("m_nId", holder->m_nId);
    DumpSound(json, holder->m_pSound.get(), "m_pSound");
    DumpBitmap(json, holder->m_pBitmap.get(), "m_pBitmap");
    json.EndObject();
}

void DumpStage(CJsonWriter& json, const CStage& stage, const char* key)
{
    json.BeginObject(key);
    json.Int("m_nId", stage.m_nId);
    json.Int("m_nReserved1", stage.m_nReserved1);
    json.Int("m_nTime4", stage.m_nTime4);
    json.Int("m_nReserved2", stage.m_nReserved2);
    json.Text("m_strName", stage.m_strName);
    json.Int("m_nTime2", stage.m_nTime2);
    json.Int("m_nTime1", stage.m_nTime1);
    json.Int("m_nTime3", stage.m_nTime3);
    json.Int("m_nRole", stage.m_nRole);
    DumpBackground(json, stage.m_pBackground.get());
    DumpBackgroundBMP(json, stage.m_pBackgroundBMP.get(), "m_pBackgroundBMP");
    DumpSound(json, stage.m_pSound.get(), "m_pSound");
    if (stage.m_pLayers) {
        json.BeginArray("m_pLayers");
        for (const CLayer* layer : *stage.m_pLayers)
            DumpLayer(json, *layer);
        json.EndArray();
    } else {
        json.Null("m_pLayers");
    }
    json.EndObject();
}

} // namespace

void DumpMovie(CJsonWriter& json, const CAbstractMovie& movie)
{
    json.BeginObject("movie");
    json.Int("m_nFrameCount", movie.m_nFrameCount);
    json.Ints("m_rcStage", {movie.m_rcStage.left, movie.m_rcStage.top, movie.m_rcStage.right,
                            movie.m_rcStage.bottom});
    json.Int("m_nId", movie.m_nId);
    if (movie.m_pStages) {
        json.BeginArray("m_pStages");
        for (const CStage* stage : *movie.m_pStages)
            DumpStage(json, *stage, nullptr);
        json.EndArray();
    } else {
        json.Null("m_pStages");
    }
    json.EndObject();
}

void DumpHeader(CJsonWriter& json, const CHeaderObject& header)
{
    json.BeginObject("header");
    json.Text("m_strName", header.m_strName);
    json.Text("m_strCategory", header.m_strCategory);
    json.Int("m_nValue", header.m_nValue);
    json.Int("m_nType", header.m_nType);
    const CHBitmap* preview = header.m_pPreview.get();
    DumpBitmap(json, preview != nullptr && preview->m_nKind != CHBitmap::kindEmpty ? preview : nullptr,
               "m_pPreview");
    json.EndObject();
}

std::string ItemClassName(const CObject& object)
{
    if (dynamic_cast<const CAnimationObject*>(&object))
        return "CAnimationObject";
    if (dynamic_cast<const CClipartObject*>(&object))
        return "CClipartObject";
    if (dynamic_cast<const CDrawnObject*>(&object))
        return "CDrawnObject";
    if (dynamic_cast<const CImageObject*>(&object))
        return "CImageObject";
    if (dynamic_cast<const CBackgroundBMP*>(&object))
        return "CBackgroundBMP";
    if (dynamic_cast<const CSound*>(&object))
        return "CSound";
    return "CObject";
}

void DumpItem(CJsonWriter& json, const CObject& object)
{
    if (const auto* drawable = dynamic_cast<const CGenericDrawing*>(&object))
        DumpDrawable(json, *drawable);
    else if (const auto* holder = dynamic_cast<const CBackgroundBMP*>(&object))
        DumpBackgroundBMP(json, holder, "m_pObject");
    else if (const auto* sound = dynamic_cast<const CSound*>(&object))
        DumpSound(json, sound, "m_pObject");
}

// Library items dropped from the library browser: clips and cliparts become objects where they
// fall, a background picture replaces the stage's, sounds become the music or an object's
// sound. Each is one undoable step; an item that cannot be read changes nothing.
#include "editor/editing/editing.h"

#include "model/header.h"
#include "model/movie.h"
#include "model/report.h"
#include "model/sound.h"
#include "platform/message.h"
#include "playback/projectdoc.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kStageW = CObjectEditorHost::kFrameWidth;
constexpr int kStageH = CObjectEditorHost::kFrameHeight;

constexpr int IDS_STAGE_FULL = 10123;

void Refuse(const CHeaderObject& item, const std::string& why)
{
    platform::ShowMessage(platform::IDS_READ_ERROR, item.ItemPath() + ": " + why);
}

// Reads the item file into object; a missing or damaged file has been reported when false.
bool ReadItem(const CHeaderObject& item, CObject& object, CAbstractMovie* pMovie)
{
    return LoadObject(item.ItemPath(), object, pMovie);
}

// The top-left corner of an object of that size dropped at the stage point: on the stage, with
// as much of the object on it as there is room for.
CPoint KeepOnStage(CPoint pt, CSize size)
{
    pt.x = std::max(0, pt.x);
    pt.y = std::max(0, pt.y);
    if (pt.x > kStageW - size.cx)
        pt.x = std::max(0, kStageW - size.cx);
    if (pt.y > kStageH - size.cy)
        pt.y = std::max(0, kStageH - size.cy);
    return pt;
}

// The sound of a sound item; none (reported) when it cannot be read or holds nothing to play.
std::unique_ptr<CSound> ReadSound(const CHeaderObject& item)
{
    auto sound = std::make_unique<CSound>();
    if (!ReadItem(item, *sound, nullptr))
        return nullptr;
    if (sound->m_nKind != CSound::kindWave && sound->m_nKind != CSound::kindMidi) {
        Refuse(item, "the sound holds nothing to play");
        return nullptr;
    }
    return sound;
}

} // namespace

bool CObjectEditor::AddLibrarySoundToLayer(CLayer& layer, const CHeaderObject& item)
{
    std::unique_ptr<CSound> sound = ReadSound(item);
    if (!sound)
        return false;
    if (sound->GetName().empty())
        sound->SetName(item.m_strName);
    return AskAndAddSound(layer, std::move(sound));
}

bool CObjectEditor::PlaceLibraryItem(const CHeaderObject& item, QPoint ptScreen, bool bCentred)
{
    CStage* stage = Stage();
    if (stage == nullptr || m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return false;
    CancelDrag();
    switch (item.m_nType) {
    case CHeaderObject::typeAnimation:
    case CHeaderObject::typeClipart: {
        // Counted now, at the drop: objects may have come and gone since the browser opened.
        const int nObjects = stage->GetLayers() ? stage->GetLayers()->GetCount() : 0;
        if (nObjects >= kMaxObjects) {
            platform::ShowMessage(IDS_STAGE_FULL, "");
            return false;
        }
        std::unique_ptr<CGenericDrawing> drawing;
        CSize size;
        int32_t nDuration = 1;
        int nKind = CGenericDrawing::kindClipart;
        if (item.m_nType == CHeaderObject::typeAnimation) {
            auto clip = std::make_unique<CAnimationObject>();
            if (!ReadItem(item, *clip, m_pDoc->GetMovie()))
                return false;
            size = clip->GetOriginalSize();
            if (size.cx <= 0 || size.cy <= 0 || !clip->m_pStage) {
                Refuse(item, "the clip has no size");
                return false;
            }
            if (clip->m_nFrameCount <= 0) {
                Refuse(item, "the clip has no frames");
                return false;
            }
            nDuration = clip->m_nFrameCount;
            nKind = CGenericDrawing::kindAnimation;
            drawing = std::move(clip);
        } else {
            auto clipart = std::make_unique<CClipartObject>();
            if (!ReadItem(item, *clipart, nullptr))
                return false;
            if (!clipart->m_pBitmap || clipart->m_pBitmap->GetWidth() <= 0
                || clipart->m_pBitmap->GetHeight() <= 0) {
                Refuse(item, "the clipart has no picture");
                return false;
            }
            size = { clipart->m_pBitmap->GetWidth(), clipart->m_pBitmap->GetHeight() };
            drawing = std::move(clipart);
        }
        const QRect view = StageViewRect();
        // A point left of or above the stage view counts as its edge.
        const QPoint inView(std::max(ptScreen.x(), view.left()), std::max(ptScreen.y(), view.top()));
        CPoint at = ScreenToStage(inView);
        if (bCentred) {
            at.x -= size.cx / 2;
            at.y -= size.cy / 2;
        }
        at = KeepOnStage(at, size);
        CLayer* layer = stage->AddObject(nKind, at.x, at.y, size.cx, size.cy);
        if (layer == nullptr)
            return false;
        layer->m_pDrawing->SetObject(std::move(drawing));
        layer->m_pDrawing->m_strName = item.m_strName;
        layer->m_pEffects->AddTail(NewDefaultEffect(nDuration));
        layer->AttachParts();
        RecordAdded({ layer });
        ClearSelection();
        Select(layer);
        Changed(true);
        return true;
    }
    case CHeaderObject::typeBackground: {
        auto picture = std::make_unique<CBackgroundBMP>();
        if (!ReadItem(item, *picture, nullptr))
            return false;
        if (!picture->m_pBitmap || picture->m_pBitmap->GetWidth() <= 0
            || picture->m_pBitmap->GetHeight() <= 0) {
            Refuse(item, "the background has no picture");
            return false;
        }
        return ReplaceBackgroundPicture(std::move(picture));
    }
    case CHeaderObject::typeSound:
    case CHeaderObject::typeObjectSound: {
        std::vector<CLayer*> layers;
        if (item.m_nType == CHeaderObject::typeObjectSound) {
            layers = Selection();
            // An object's sound needs the one object it belongs to.
            if (layers.size() != 1)
                return false;
        }
        std::unique_ptr<CSound> sound = ReadSound(item);
        if (!sound)
            return false;
        if (item.m_nType == CHeaderObject::typeSound)
            return ReplaceStageSound(std::move(sound));
        return AddSoundToLayer(*layers[0], std::move(sound));
    }
    default:
        Refuse(item, "the library has no such kind of item");
        return false;
    }
}

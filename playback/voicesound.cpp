#include "playback/voicesound.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/wave.h"
#include "playback/soundtrack.h"

#include <memory>

using platform::Fill;
using platform::Tr;

bool AddWaveSound(CAbstractMovie& movie, const std::string& strWave, int32_t nFrame,
    int32_t nObject, std::string& reason)
{
    const std::shared_ptr<platform::CPcm> pcm = platform::LoadWaveFile(strWave, reason);
    if (!pcm) {
        reason = Fill(Tr("Sound", "%1: %2"), { strWave, reason });
        return false;
    }
    // Frames run from 0 to the length - 1: a sound at the length would never be heard.
    const int32_t length = movie.GetFrameCount();
    if (nFrame < 0 || nFrame >= length) {
        reason = Fill(Tr("Sound", "frame %1 is past the end of the animation (%2 frames)"),
            { std::to_string(nFrame), std::to_string(length) });
        return false;
    }
    CStage* stage = movie.GetFirstStage();
    CLayerList* layers = stage != nullptr ? stage->GetLayers() : nullptr;
    const int count = layers != nullptr ? layers->GetCount() : 0;
    if (count == 0) {
        reason = Tr("Sound", "the greeting has no object to give a sound");
        return false;
    }
    if (nObject != kFirstObjectFree && layers->GetAt(nObject) == nullptr) {
        reason = Fill(Tr("Sound", "there is no object %1 (the greeting has %2, from 0)"),
            { std::to_string(nObject), std::to_string(count) });
        return false;
    }
    // New parts take identities the project does not hold yet.
    RaiseObjectIdsPast(HighestObjectId(movie));
    // Gives the layer the sound unless it would play at the same time as one of the layer's.
    auto give = [&](CLayer* layer) {
        auto sound = std::make_unique<CSound>();
        if (!sound->SetSource(CSound::kindWave, strWave)) {
            reason = Fill(Tr("Sound", "%1: no private copy can be made in %2"),
                { strWave, platform::TempDirectory() });
            return false;
        }
        sound->SetName(platform::FileNameOf(strWave));
        sound->m_nStartFrame = nFrame;
        sound->m_nEndFrame = pcm->bVoice ? VoiceEndFrame(nFrame, pcm->Frames()) : -1;
        const bool bHadNone = !layer->m_pSounds;
        if (bHadNone)
            layer->SetSounds(std::make_unique<CSoundList>());
        CSoundList& list = *layer->m_pSounds;
        sound->m_pLayer = layer;
        list.AddTail(sound.release());
        if (!list.NoOverlaps()) {
            list.RemoveAt(list.FindIndex(list.GetCount() - 1)); // the list lets it go
            if (bHadNone)
                layer->SetSounds(nullptr);
            return false;
        }
        layer->AttachParts();
        return true;
    };
    if (nObject != kFirstObjectFree) {
        if (give(layers->GetAt(nObject)))
            return true;
        if (reason.empty())
            reason = Fill(
                Tr("Sound", "the sound would play at the same time as another sound of object %1"),
                { std::to_string(nObject) });
        return false;
    }
    for (int i = 0; i < count; ++i) {
        reason.clear();
        if (give(layers->GetAt(i)))
            return true;
        if (!reason.empty())
            return false;
    }
    reason = Tr("Sound", "every object of the greeting already has a sound playing then");
    return false;
}

bool AddWaveSoundToFile(const std::string& strIn, const std::string& strWave, int32_t nFrame,
    int32_t nObject, const std::string& strOut, std::string& reason)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(strIn, &failure);
    if (!movie) {
        reason = failure.strText.empty() ? Fill(Tr("Sound", "%1 cannot be read"), { strIn })
                                         : failure.strText;
        return false;
    }
    if (!AddWaveSound(*movie, strWave, nFrame, nObject, reason))
        return false;
    if (!SaveProject(*movie, strOut)) {
        reason = Fill(Tr("Sound", "%1 cannot be written"), { strOut });
        return false;
    }
    return true;
}

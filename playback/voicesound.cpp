#include "playback/voicesound.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/wave.h"
#include "playback/soundtrack.h"

#include <memory>

bool AddWaveSound(CAbstractMovie& movie, const std::string& strWave, int32_t nFrame,
    int32_t nObject, std::string& reason)
{
    const std::shared_ptr<platform::CPcm> pcm = platform::LoadWaveFile(strWave, reason);
    if (!pcm) {
        reason = strWave + ": " + reason;
        return false;
    }
    // Frames run from 0 to the length - 1: a sound at the length would never be heard.
    const int32_t length = movie.GetFrameCount();
    if (nFrame < 0 || nFrame >= length) {
        reason = "frame " + std::to_string(nFrame) + " is past the end of the animation ("
            + std::to_string(length) + " frames)";
        return false;
    }
    CStage* stage = movie.GetFirstStage();
    CLayerList* layers = stage != nullptr ? stage->GetLayers() : nullptr;
    const int count = layers != nullptr ? layers->GetCount() : 0;
    if (count == 0) {
        reason = "the greeting has no object to give a sound";
        return false;
    }
    CLayer* layer = layers->GetAt(nObject);
    if (layer == nullptr) {
        reason = "there is no object " + std::to_string(nObject) + " (the greeting has "
            + std::to_string(count) + ", from 0)";
        return false;
    }
    // New parts take identities the project does not hold yet.
    RaiseObjectIdsPast(HighestObjectId(movie));
    auto sound = std::make_unique<CSound>();
    if (!sound->SetSource(CSound::kindWave, strWave)) {
        reason = strWave + ": no private copy can be made in " + platform::TempDirectory();
        return false;
    }
    sound->SetName(platform::Cp1252FromUtf8(platform::FileNameOf(strWave)));
    sound->m_nStartFrame = nFrame;
    sound->m_nEndFrame = pcm->bVoice ? VoiceEndFrame(nFrame, pcm->Frames()) : -1;
    if (!layer->m_pSounds)
        layer->SetSounds(std::make_unique<CSoundList>());
    CSoundList& list = *layer->m_pSounds;
    sound->m_pLayer = layer;
    list.AddTail(sound.release());
    if (!list.NoOverlaps()) {
        list.RemoveAt(list.FindIndex(list.GetCount() - 1)); // the list lets it go
        reason = "the sound would play at the same time as another sound of object "
            + std::to_string(nObject);
        return false;
    }
    layer->AttachParts();
    return true;
}

bool AddWaveSoundToFile(const std::string& strIn, const std::string& strWave, int32_t nFrame,
    int32_t nObject, const std::string& strOut, std::string& reason)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(strIn, &failure);
    if (!movie) {
        reason = failure.strText.empty() ? strIn + " cannot be read" : failure.strText;
        return false;
    }
    if (!AddWaveSound(*movie, strWave, nFrame, nObject, reason))
        return false;
    if (!SaveProject(*movie, strOut)) {
        reason = strOut + " cannot be written";
        return false;
    }
    return true;
}

#include "playback/voicesound.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/adpcm.h"
#include "platform/audiofile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/wave.h"
#include "playback/soundtrack.h"

#include <algorithm>
#include <memory>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

// Frames run from 0 to the length - 1: a sound at the length would never be heard.
bool CheckFrame(const CAbstractMovie& movie, int32_t nFrame, std::string& reason)
{
    const int32_t length = movie.GetFrameCount();
    if (nFrame < 0 || nFrame >= length) {
        reason = Fill(Tr("Sound", "frame %1 is past the end of the animation (%2 frames)"),
            { std::to_string(nFrame), std::to_string(length) });
        return false;
    }
    return true;
}

// Gives the wave at strWave, read as pcm, to the object as a sound named strName.
bool GiveWave(CAbstractMovie& movie, const platform::CPcm& pcm, const std::string& strWave,
    const std::string& strName, int32_t nFrame, int32_t nObject, std::string& reason)
{
    if (!CheckFrame(movie, nFrame, reason))
        return false;
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
                { strName, platform::TempDirectory() });
            return false;
        }
        sound->SetName(platform::FileNameOf(strName));
        sound->m_nStartFrame = nFrame;
        sound->m_nEndFrame = pcm.bVoice ? VoiceEndFrame(nFrame, pcm.Frames()) : -1;
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

} // namespace

bool AddWaveSound(CAbstractMovie& movie, const std::string& strWave, int32_t nFrame,
    int32_t nObject, std::string& reason)
{
    const std::shared_ptr<platform::CPcm> pcm = platform::LoadWaveFile(strWave, reason);
    if (!pcm) {
        reason = Fill(Tr("Sound", "%1: %2"), { strWave, reason });
        return false;
    }
    return GiveWave(movie, *pcm, strWave, strWave, nFrame, nObject, reason);
}

double SongPartSeconds(const CAbstractMovie& movie, int32_t nFrame, double fSeconds)
{
    if (fSeconds >= 0)
        return std::min(fSeconds, platform::kMaxSongPartSeconds);
    const int32_t frames = std::max(0, movie.GetFrameCount() - std::max(0, nFrame));
    const double greeting = double(frames) * double(kFramesPerTick) / platform::kAudioRate;
    return std::min(greeting, platform::kMaxSongPartSeconds);
}

bool AddSongSound(CAbstractMovie& movie, const std::string& strSong, const CSongCut& cut,
    int32_t nFrame, int32_t nObject, std::string& reason)
{
    if (!CheckFrame(movie, nFrame, reason))
        return false;
    platform::CSongPart part;
    part.fFrom = cut.fFrom;
    part.fSeconds = SongPartSeconds(movie, nFrame, cut.fSeconds);
    part.fFade = cut.fFade;
    part.nRate = kSongRate;
    part.nChannels = 1;
    std::vector<int16_t> samples;
    if (!platform::DecodeSongPart(strSong, part, samples, reason))
        return false;
    const std::vector<uint8_t> wave = platform::ImaAdpcmWaveFile(samples, 1, kSongRate);
    // The wave is read back as every player reads it, and given from a file of its own, which
    // the sound copies.
    const std::shared_ptr<platform::CPcm> pcm = platform::DecodeWave(wave, reason);
    const std::string temporary
        = platform::MakeTempFileName(platform::TempDirectory(), "song");
    if (!pcm || temporary.empty() || !platform::WriteWholeFile(temporary, wave)) {
        if (!temporary.empty())
            platform::DeleteFile(temporary);
        reason = Fill(Tr("Sound", "%1: no private copy can be made in %2"),
            { strSong, platform::TempDirectory() });
        return false;
    }
    const bool bGiven = GiveWave(movie, *pcm, temporary, strSong, nFrame, nObject, reason);
    platform::DeleteFile(temporary);
    return bGiven;
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

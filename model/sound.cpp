#include "model/sound.h"

#include <limits>

#include "model/archive.h"
#include "model/listio.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/translate.h"

#include <atomic>
#include <mutex>
#include <set>

using platform::Fill;
using platform::Tr;

namespace {
// At most one MIDI sound plays at a time, program-wide.
std::atomic<CSound*> g_pMidiSound{nullptr};
std::atomic<bool> g_bMidiPlaying{false};

// The spoken-text markers there are, so that a wave that starts can arm them all again.
std::mutex g_markersMutex;
std::set<CSound*>& Markers()
{
    static std::set<CSound*> markers;
    return markers;
}
} // namespace

void CSound::RegisterMarker()
{
    std::lock_guard lock(g_markersMutex);
    Markers().insert(this);
}

void CSound::ArmAllMarkers()
{
    std::lock_guard lock(g_markersMutex);
    for (CSound* marker : Markers())
        if (marker->m_nMarkState == 1)
            marker->m_nMarkState = 2;
}

CSound::~CSound()
{
    {
        std::lock_guard lock(g_markersMutex);
        Markers().erase(this);
    }
    Stop();
    CSound* self = this;
    g_pMidiSound.compare_exchange_strong(self, nullptr);
    DeletePrivateFile();
}

CSound* CSound::CurrentMidiSound()
{
    return g_pMidiSound.load();
}

void CSound::Play()
{
    platform::IAudioOutput& audio = platform::AudioOutput();
    switch (m_nKind) {
    case kindWave:
        if (audio.WaveDeviceCount() > 0) {
            // Every marker may silence this wave once more.
            ArmAllMarkers();
            if (!m_strPath.empty())
                m_nWave = audio.PlayWaveLooping(m_strPath);
        }
        break;
    case kindMidi:
        if (audio.MidiDeviceCount() > 0 && m_nState == stateStopped && !g_bMidiPlaying.load()) {
            g_pMidiSound = this;
            if (audio.StartMidi(m_strPath)) {
                g_bMidiPlaying = true;
                m_nState = statePlaying;
            } else {
                g_pMidiSound = nullptr;
            }
        }
        break;
    case kindMarker:
        if (audio.WaveDeviceCount() > 0) {
            if (m_nMarkState != 1) {
                audio.StopWave();
                // The voice the spoken-text dialog chose: 0 female, anything else male.
                audio.Speak(m_strRef, m_nEndFrame == 0);
            }
            m_nMarkState = 1;
        }
        break;
    default: break;
    }
}

void CSound::Stop()
{
    platform::IAudioOutput& audio = platform::AudioOutput();
    if (m_nKind == kindWave && audio.WaveDeviceCount() > 0) {
        // Only the wave this sound started: another sound's wave may have replaced it.
        if (m_nWave != 0)
            audio.StopWave(m_nWave);
        m_nWave = 0;
    } else if (m_nKind == kindMarker && m_nMarkState == 1 && audio.WaveDeviceCount() > 0) {
        audio.StopSpeech();
    } else if (m_nKind == kindMidi && audio.MidiDeviceCount() > 0 && m_nState == statePlaying) {
        audio.StopMidi();
        g_pMidiSound = nullptr;
        g_bMidiPlaying = false;
        m_nState = stateStopped;
    }
}

void CSound::OnFrame(int32_t frame)
{
    if (frame == m_nStartFrame)
        Play();
    if (m_nKind == kindWave && frame == m_nEndFrame)
        Stop();
}

bool CSound::MidiPlaying()
{
    return g_bMidiPlaying.load();
}

void CSound::OnStreamEnded()
{
    if (m_nKind == kindMidi && m_nState == statePlaying) {
        g_bMidiPlaying = false;
        m_nState = stateStopped;
    } else if (m_nKind == kindMarker && m_nMarkState == 1) {
        m_nMarkState = 2;
    }
}

std::string CSound::MakePrivateFile()
{
    return platform::MakeTempFileName(platform::TempDirectory(), "zty");
}

void CSound::DeletePrivateFile()
{
    if (!m_strPath.empty())
        platform::DeleteFile(m_strPath);
    m_strPath.clear();
}

bool CSound::SetSource(int32_t nKind, const std::string& path)
{
    if (m_nState != stateNoData)
        return false;
    m_nKind = nKind;
    if (nKind == kindMarker) {
        m_strRef = path;
        m_nMarkState = 2;
        RegisterMarker();
        return true;
    }
    m_strPath = MakePrivateFile();
    if (m_strPath.empty() || !platform::CopyFileTo(path, m_strPath)) {
        DeletePrivateFile();
        m_nKind = kindNone;
        return false;
    }
    m_nState = stateStopped;
    return true;
}

void CSound::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a sound");
    ar.Text(m_strName);
    ar.Int(m_nKind);
    ar.Int(m_nStartFrame);
    if (m_nKind == kindWave)
        ar.Int(m_nEndFrame);
    if (m_nKind == kindWave || m_nKind == kindMidi) {
        std::vector<uint8_t> content;
        if (ar.IsStoring() && !m_strPath.empty()
            && !platform::ReadWholeFile(m_strPath, content)) {
            ar.Fail(Fill(Tr("Files", "cannot read the sound file %1"), { m_strPath }));
            return;
        }
        int32_t n = static_cast<int32_t>(content.size());
        ar.Int(n);
        ar.Raw(content, n);
        if (ar.IsLoading() && !ar.IsFailed()) {
            DeletePrivateFile();
            std::string path = MakePrivateFile();
            if (path.empty() || !platform::WriteWholeFile(path, content)) {
                if (!path.empty())
                    platform::DeleteFile(path);
                ar.Fail(Fill(Tr("Files", "cannot write the sound's private file in %1"),
                    { platform::TempDirectory() }));
                return;
            }
            m_strPath = path;
            m_nState = stateStopped;
        }
    } else if (m_nKind == kindMarker) {
        ar.Text(m_strRef);
        if (ar.IsLoading()) {
            m_nMarkState = 2;
            RegisterMarker();
        }
    } else if (m_nKind == kindNone && ar.IsLoading()) {
        m_strName.clear();
        DeletePrivateFile();
    }
}

void CSoundList::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a sound list");
    ar.Int(m_nId);
    // A sound is at least its name's prefix, its kind and its start frame.
    SerializeListElements(ar, *this, 9, QT_TRANSLATE_NOOP("Files", "sounds"));
}

bool CSoundList::NoOverlaps() const
{
    // Only waves take part: a MIDI sound or a marker has no end frame of its own. A wave
    // without an end frame plays on to the end of the greeting.
    const auto end = [](const CSound* s) {
        return s->m_nEndFrame < 0 ? std::numeric_limits<int32_t>::max() : s->m_nEndFrame;
    };
    for (const CSound* a : *this)
        for (const CSound* b : *this)
            if (a != b && a->m_nKind == CSound::kindWave && b->m_nKind == CSound::kindWave
                && end(a) >= b->m_nStartFrame && end(b) >= a->m_nStartFrame)
                return false;
    return true;
}

#include "model/sound.h"

#include <limits>

#include "model/archive.h"
#include "model/listio.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/translate.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <set>

using platform::Fill;
using platform::Tr;

namespace {
// A marker's voice follows its name in the archive, after a 0 byte that no typed name holds:
// "Voice", 0, "voice:ru/f". Readers that know nothing of it show the name up to the 0 byte
// (or the whole text as a name); a marker with neither a language nor the female voice
// stores its name alone, exactly as before.
constexpr char kVoiceTag[] = "voice:";
constexpr size_t kMaxLanguage = 35;

bool IsLanguageCode(const std::string& code)
{
    return !code.empty() && code.size() <= kMaxLanguage
        && std::all_of(code.begin(), code.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
           });
}

// The tag of a voice; empty when there is nothing to keep.
std::string VoiceTag(const std::string& language, bool bFemale)
{
    if (language.empty() && !bFemale)
        return {};
    return std::string(1, '\0') + kVoiceTag + language + "/" + (bFemale ? "f" : "m");
}

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
                audio.Speak(m_strRef, Voice());
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

void CSound::SetVoice(const platform::CSpeechVoice& voice)
{
    std::string language = voice.strLanguage;
    std::transform(language.begin(), language.end(), language.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    m_strLanguage = IsLanguageCode(language) ? language : std::string();
    m_nEndFrame = voice.bFemale ? 0 : 1;
}

std::string CSound::StoredName() const
{
    if (m_nKind != kindMarker)
        return m_strName;
    return m_strName + VoiceTag(m_strLanguage, m_nEndFrame == 0);
}

void CSound::TakeStoredName(const std::string& stored)
{
    m_strName = stored;
    if (m_nKind != kindMarker)
        return;
    // A marker without a voice of its own speaks as a new one does.
    m_strLanguage.clear();
    m_nEndFrame = -1;
    const size_t zero = stored.rfind('\0');
    if (zero == std::string::npos)
        return;
    const std::string tag = stored.substr(zero + 1);
    const size_t slash = tag.rfind('/');
    if (tag.rfind(kVoiceTag, 0) != 0 || slash == std::string::npos)
        return;
    const std::string language
        = tag.substr(std::strlen(kVoiceTag), slash - std::strlen(kVoiceTag));
    const bool bFemale = tag.substr(slash + 1) == "f";
    // Only a tag this program writes, so that the name is written back as it was read.
    if ((!language.empty() && !IsLanguageCode(language))
        || VoiceTag(language, bFemale) != stored.substr(zero))
        return;
    m_strName = stored.substr(0, zero);
    m_strLanguage = language;
    m_nEndFrame = bFemale ? 0 : 1;
}

void CSound::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a sound");
    std::string name = ar.IsStoring() ? StoredName() : std::string();
    ar.Text(name);
    ar.Int(m_nKind);
    if (ar.IsLoading())
        TakeStoredName(name);
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

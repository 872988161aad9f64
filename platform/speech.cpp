#include "platform/speech.h"

#include "platform/text.h"
#include "platform/translate.h"
#include "platform/wave.h"

#include <espeak-ng/speak_lib.h>

#include <QtGlobal>

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform {

namespace {

constexpr size_t kCacheEntries = 32;
// Longer than any greeting's line; a text that would speak longer is refused rather than
// filling memory.
constexpr int kMaxSpeechSeconds = 600;
constexpr unsigned char kGenderMale = 1;
constexpr unsigned char kGenderFemale = 2;

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const unsigned char b = static_cast<unsigned char>(c);
        return b == ' ' || (b >= '\t' && b <= '\r') || b == 0xA0;
    });
}

// The one synthesizer of the process. espeak-ng keeps global state, so every call into it is
// made under m_mutex, and the samples it hands to the callback go to the one collection in
// progress.
class CSynthesizer {
public:
    ~CSynthesizer()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cache.clear();
        if (m_bInitialized)
            espeak_Terminate();
    }

    std::shared_ptr<const CPcm> Speak(const std::string& text, bool bFemale, std::string& error)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CEntry& entry : m_cache) {
            if (entry.bFemale == bFemale && entry.strText == text) {
                entry.nUsed = ++m_nClock;
                return entry.pcm;
            }
        }
        if (!Start(error))
            return nullptr;
        auto pcm = Synthesize(text, bFemale, error);
        if (!pcm)
            return nullptr;
        if (m_cache.size() < kCacheEntries) {
            m_cache.push_back({ text, bFemale, pcm, ++m_nClock });
        } else {
            auto oldest = std::min_element(m_cache.begin(), m_cache.end(),
                [](const CEntry& a, const CEntry& b) { return a.nUsed < b.nUsed; });
            *oldest = { text, bFemale, pcm, ++m_nClock };
        }
        return pcm;
    }

private:
    struct CEntry {
        std::string strText;
        bool bFemale;
        std::shared_ptr<const CPcm> pcm;
        uint64_t nUsed;
    };

    // Starts espeak-ng on first use; a failure is remembered and reported by every later call.
    bool Start(std::string& error)
    {
        if (m_bTried) {
            if (m_nRate <= 0)
                error = Tr("Sound", m_szFailure); // in the language of the moment
            return m_nRate > 0;
        }
        m_bTried = true;
        const int rate
            = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        m_bInitialized = true;
        if (rate <= 0) {
            m_szFailure = QT_TRANSLATE_NOOP(
                "Sound", "the speech synthesizer cannot be started: espeak-ng did not start");
            error = Tr("Sound", m_szFailure);
            return false;
        }
        espeak_SetSynthCallback(&CSynthesizer::OnSamples);
        // Without its data files espeak-ng still starts but has no voice; finding that out
        // here gives one clear reason instead of a failure at every text.
        if (!SelectVoice(kGenderMale)) {
            m_szFailure = QT_TRANSLATE_NOOP("Sound",
                "the speech synthesizer cannot be started: espeak-ng has no English "
                "voice (is espeak-ng-data installed?)");
            error = Tr("Sound", m_szFailure);
            return false;
        }
        m_nRate = rate;
        return true;
    }

    bool SelectVoice(unsigned char gender)
    {
        if (gender == m_nGender)
            return true;
        espeak_VOICE voice {};
        voice.languages = "en";
        voice.gender = gender;
        if (espeak_SetVoiceByProperties(&voice) != EE_OK)
            return false;
        m_nGender = gender;
        return true;
    }

    std::shared_ptr<const CPcm> Synthesize(
        const std::string& text, bool bFemale, std::string& error)
    {
        if (!SelectVoice(bFemale ? kGenderFemale : kGenderMale)) {
            error = bFemale ? Tr("Sound", "the speech synthesizer has no female English voice")
                            : Tr("Sound", "the speech synthesizer has no male English voice");
            return nullptr;
        }
        const std::string utf8 = Utf8FromCp1252(text);
        std::vector<int16_t> samples;
        s_pSamples = &samples;
        s_nMaxSamples = size_t(m_nRate) * kMaxSpeechSeconds;
        s_bTooLong = false;
        const espeak_ERROR result = espeak_Synth(
            utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        s_pSamples = nullptr;
        if (s_bTooLong) {
            error = Fill(Tr("Sound", "the text is too long to be spoken (over %1 minutes)"),
                { std::to_string(kMaxSpeechSeconds / 60) });
            return nullptr;
        }
        if (result != EE_OK) {
            error = Tr("Sound", "the speech synthesizer could not say the text");
            return nullptr;
        }
        return ConvertToMixer(samples, 1, m_nRate);
    }

    static int OnSamples(short* wav, int numSamples, espeak_EVENT*)
    {
        if (wav == nullptr || numSamples <= 0 || s_pSamples == nullptr)
            return 0;
        if (s_pSamples->size() + size_t(numSamples) > s_nMaxSamples) {
            s_bTooLong = true;
            return 1; // abort
        }
        s_pSamples->insert(s_pSamples->end(), wav, wav + numSamples);
        return 0;
    }

    std::mutex m_mutex;
    bool m_bTried = false;
    bool m_bInitialized = false;
    int m_nRate = 0; // espeak-ng's sample rate once started; 0 until then or after a failure
    unsigned char m_nGender = 0; // the voice selected in espeak-ng, 0 for none yet
    const char* m_szFailure = nullptr; // why espeak-ng did not start, in English
    std::vector<CEntry> m_cache;
    uint64_t m_nClock = 0;

    // The collection in progress; only touched under m_mutex (espeak-ng calls back on the
    // caller's thread, inside espeak_Synth).
    static std::vector<int16_t>* s_pSamples;
    static size_t s_nMaxSamples;
    static bool s_bTooLong;
};

std::vector<int16_t>* CSynthesizer::s_pSamples = nullptr;
size_t CSynthesizer::s_nMaxSamples = 0;
bool CSynthesizer::s_bTooLong = false;

} // namespace

std::shared_ptr<const CPcm> SpeakText(const std::string& text, bool bFemale, std::string& error)
{
    if (IsBlank(text)) {
        static const auto empty = std::make_shared<const CPcm>();
        return empty;
    }
    static CSynthesizer synthesizer;
    return synthesizer.Speak(text, bFemale, error);
}

} // namespace platform

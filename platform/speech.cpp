#include "platform/speech.h"

#include "platform/language.h"
#include "platform/translate.h"
#include "platform/wave.h"

#include <espeak-ng/speak_lib.h>

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstring>
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
constexpr char kEnglish[] = "en";

bool IsBlank(const std::string& text)
{
    // QString's idea of a blank includes the no-break space and the other Unicode spaces.
    return QString::fromStdString(text).trimmed().isEmpty();
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

// The languages of one entry of espeak-ng's list: pairs of a priority byte and a language
// name ending in 0, the whole ending in a 0 priority.
std::vector<std::pair<std::string, int>> LanguagesOf(const espeak_VOICE& voice)
{
    std::vector<std::pair<std::string, int>> languages;
    const char* p = voice.languages;
    while (p != nullptr && *p != 0) {
        const int priority = static_cast<unsigned char>(*p++);
        const std::string name(p);
        p += name.size() + 1;
        if (!name.empty())
            languages.emplace_back(Lower(name), priority);
    }
    return languages;
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

    std::shared_ptr<const CPcm> Speak(
        const std::string& text, const std::string& language, bool bFemale, std::string& error)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CEntry& entry : m_cache) {
            if (entry.bFemale == bFemale && entry.strLanguage == language
                && entry.strText == text) {
                entry.nUsed = ++m_nClock;
                return entry.pcm;
            }
        }
        if (!Start(error))
            return nullptr;
        auto pcm = Synthesize(text, language, bFemale, error);
        if (!pcm)
            return nullptr;
        CEntry entry { text, language, bFemale, pcm, ++m_nClock };
        if (m_cache.size() < kCacheEntries) {
            m_cache.push_back(std::move(entry));
        } else {
            auto oldest = std::min_element(m_cache.begin(), m_cache.end(),
                [](const CEntry& a, const CEntry& b) { return a.nUsed < b.nUsed; });
            *oldest = std::move(entry);
        }
        return pcm;
    }

    std::vector<CSpeechLanguage> Languages(std::string& error)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!Start(error))
            return {};
        if (!m_bListed) {
            m_bListed = true;
            // The list without variants: one entry a voice. Two voices of one language (the
            // second is a spelling variant) are one language to choose.
            for (const espeak_VOICE** voice = espeak_ListVoices(nullptr);
                 voice != nullptr && *voice != nullptr; ++voice) {
                std::vector<std::pair<std::string, int>> languages = LanguagesOf(**voice);
                if (languages.empty())
                    continue;
                const std::string code = languages.front().first;
                const bool bKnown = std::any_of(m_languages.begin(), m_languages.end(),
                    [&code](const CSpeechLanguage& known) { return known.strCode == code; });
                if (bKnown)
                    continue;
                languages.erase(languages.begin());
                const char* name = (*voice)->name != nullptr ? (*voice)->name : "";
                m_languages.push_back({ code, QString::fromUtf8(name).trimmed().toStdString(),
                    std::move(languages) });
            }
        }
        return m_languages;
    }

private:
    struct CEntry {
        std::string strText;
        std::string strLanguage;
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
        if (!SelectVoice(kEnglish, kGenderMale)) {
            m_szFailure = QT_TRANSLATE_NOOP("Sound",
                "the speech synthesizer cannot be started: espeak-ng has no English "
                "voice (is espeak-ng-data installed?)");
            error = Tr("Sound", m_szFailure);
            return false;
        }
        m_nRate = rate;
        return true;
    }

    bool SelectVoice(const std::string& language, unsigned char gender)
    {
        if (gender == m_nGender && language == m_strLanguage)
            return true;
        espeak_VOICE voice {};
        voice.languages = language.c_str();
        voice.gender = gender;
        // espeak-ng makes a female voice of a language's voice with one of its variants.
        if (espeak_SetVoiceByProperties(&voice) != EE_OK)
            return false;
        m_nGender = gender;
        m_strLanguage = language;
        return true;
    }

    std::shared_ptr<const CPcm> Synthesize(
        const std::string& text, const std::string& language, bool bFemale, std::string& error)
    {
        const unsigned char gender = bFemale ? kGenderFemale : kGenderMale;
        // A greeting made where espeak-ng had more voices still speaks, in a language it has.
        const std::array<std::string, 3> choices { language, ProgramSpeechLanguage(), kEnglish };
        const bool bVoice = std::any_of(choices.begin(), choices.end(),
            [&](const std::string& choice) { return SelectVoice(choice, gender); });
        if (!bVoice) {
            error = bFemale ? Tr("Sound", "the speech synthesizer has no female English voice")
                            : Tr("Sound", "the speech synthesizer has no male English voice");
            return nullptr;
        }
        std::vector<int16_t> samples;
        s_pSamples = &samples;
        s_nMaxSamples = size_t(m_nRate) * kMaxSpeechSeconds;
        s_bTooLong = false;
        const espeak_ERROR result = espeak_Synth(
            text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
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
    // The voice selected in espeak-ng: gender 0 for none yet.
    unsigned char m_nGender = 0;
    std::string m_strLanguage;
    const char* m_szFailure = nullptr; // why espeak-ng did not start, in English
    std::vector<CEntry> m_cache;
    uint64_t m_nClock = 0;
    bool m_bListed = false;
    std::vector<CSpeechLanguage> m_languages;

    // The collection in progress; only touched under m_mutex (espeak-ng calls back on the
    // caller's thread, inside espeak_Synth).
    static std::vector<int16_t>* s_pSamples;
    static size_t s_nMaxSamples;
    static bool s_bTooLong;
};

std::vector<int16_t>* CSynthesizer::s_pSamples = nullptr;
size_t CSynthesizer::s_nMaxSamples = 0;
bool CSynthesizer::s_bTooLong = false;

CSynthesizer& Synthesizer()
{
    static CSynthesizer synthesizer;
    return synthesizer;
}

} // namespace

std::vector<CSpeechLanguage> SpeechLanguages(std::string& error)
{
    return Synthesizer().Languages(error);
}

const CSpeechLanguage* FindSpeechLanguage(
    const std::vector<CSpeechLanguage>& languages, const std::string& code)
{
    const std::string wanted = Lower(code);
    const CSpeechLanguage* best = nullptr;
    int bestPriority = 0;
    for (const CSpeechLanguage& language : languages) {
        if (language.strCode == wanted)
            return &language;
        for (const auto& [alias, priority] : language.aliases) {
            if (alias == wanted && (best == nullptr || priority < bestPriority)) {
                best = &language;
                bestPriority = priority;
            }
        }
    }
    return best;
}

std::string ProgramSpeechLanguage()
{
    return LanguageCode(ProgramLanguage());
}

std::string LanguageForText(const std::string& text, const std::string& fallback)
{
    // The scripts that decide, in the order of the table of their languages.
    enum Script { Latin, Cyrillic, Arabic, HanOrKana, Hangul, Devanagari, Greek, Hebrew, Thai,
        kScripts };
    static const char* const kLanguages[kScripts]
        = { nullptr, "ru", "ar", nullptr, "ko", "hi", "el", "he", "th" };
    std::array<int, kScripts> letters {};
    std::array<int, kScripts> firstSeen {};
    bool bKana = false;
    int position = 0;
    for (const char32_t c : QString::fromStdString(text).toUcs4()) {
        int script = kScripts;
        switch (QChar::script(c)) {
        case QChar::Script_Latin: script = Latin; break;
        case QChar::Script_Cyrillic: script = Cyrillic; break;
        case QChar::Script_Arabic: script = Arabic; break;
        case QChar::Script_Han: script = HanOrKana; break;
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
            script = HanOrKana;
            bKana = true;
            break;
        case QChar::Script_Hangul: script = Hangul; break;
        case QChar::Script_Devanagari: script = Devanagari; break;
        case QChar::Script_Greek: script = Greek; break;
        case QChar::Script_Hebrew: script = Hebrew; break;
        case QChar::Script_Thai: script = Thai; break;
        default: continue; // digits, punctuation, spaces, emoji, marks
        }
        if (letters[script]++ == 0)
            firstSeen[script] = ++position;
    }
    int best = kScripts;
    for (int script = 0; script < kScripts; ++script) {
        if (letters[script] == 0)
            continue;
        if (best == kScripts || letters[script] > letters[best]
            || (letters[script] == letters[best] && firstSeen[script] < firstSeen[best]))
            best = script;
    }
    if (best == HanOrKana)
        return bKana ? "ja" : "cmn";
    if (best == kScripts || kLanguages[best] == nullptr)
        return fallback;
    return kLanguages[best];
}

std::shared_ptr<const CPcm> SpeakText(
    const std::string& text, const CSpeechVoice& voice, std::string& error)
{
    if (IsBlank(text)) {
        static const auto empty = std::make_shared<const CPcm>();
        return empty;
    }
    const std::string language
        = voice.strLanguage.empty() ? ProgramSpeechLanguage() : Lower(voice.strLanguage);
    return Synthesizer().Speak(text, language, voice.bFemale, error);
}

} // namespace platform

#include "platform/mixer.h"
#include "platform/settings.h"
#include "platform/translate.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <mutex>

namespace platform {

namespace {

constexpr int kRenderBlock = 1024; // frames per call into the synthesizer
constexpr size_t kMaxSysex = 65536; // a system-exclusive message longer than this is dropped

// FluidSynth reports why a SoundFont does not load only through its log. While a SoundFont
// loads, the first error of that thread is kept; the rest goes to standard error as before.
thread_local std::string* t_pCapture = nullptr;

void LogToCapture(int level, const char* message, void*)
{
    if (t_pCapture != nullptr) {
        // The first error is the reason; what follows is other loaders giving up too.
        if (level <= FLUID_ERR && t_pCapture->empty())
            t_pCapture->assign(message);
        return;
    }
    if (level <= FLUID_WARN)
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

void InstallLog()
{
    static std::once_flag s_once;
    std::call_once(s_once, [] {
        fluid_set_log_function(FLUID_PANIC, LogToCapture, nullptr);
        fluid_set_log_function(FLUID_ERR, LogToCapture, nullptr);
        fluid_set_log_function(FLUID_WARN, LogToCapture, nullptr);
    });
}

class CCapture {
public:
    explicit CCapture(std::string& text) { t_pCapture = &text; }
    ~CCapture() { t_pCapture = nullptr; }
};

class CFluidSynth final : public ISynth {
public:
    CFluidSynth(fluid_settings_t* pSettings, fluid_synth_t* pSynth)
        : m_pSettings(pSettings)
        , m_pSynth(pSynth)
        , m_left(kRenderBlock)
        , m_right(kRenderBlock)
    {
        m_sysex.reserve(1024);
    }
    ~CFluidSynth() override
    {
        delete_fluid_synth(m_pSynth);
        delete_fluid_settings(m_pSettings);
    }
    CFluidSynth(const CFluidSynth&) = delete;
    CFluidSynth& operator=(const CFluidSynth&) = delete;

    void ShortMessage(uint32_t nMessage) override
    {
        int status = nMessage & 0xFF;
        int channel = status & 0x0F;
        int data1 = (nMessage >> 8) & 0x7F;
        int data2 = (nMessage >> 16) & 0x7F;
        switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(m_pSynth, channel, data1);
            break;
        case 0x90:
            // Velocity 0 is a note-off; FluidSynth takes it as one.
            fluid_synth_noteon(m_pSynth, channel, data1, data2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(m_pSynth, channel, data1, data2);
            break;
        case 0xB0:
            fluid_synth_cc(m_pSynth, channel, data1, data2);
            break;
        case 0xC0:
            fluid_synth_program_change(m_pSynth, channel, data1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(m_pSynth, channel, data1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(m_pSynth, channel, data1 | data2 << 7);
            break;
        case 0xF0:
            if (status == 0xFF)
                fluid_synth_system_reset(m_pSynth);
            break;
        default:
            break; // a data byte without a status: nothing to play
        }
    }

    // A message may come in pieces (the first starts with 0xF0, the last ends with 0xF7); the
    // pieces are joined and the whole given to the synthesizer without its framing bytes.
    void LongMessage(std::span<const uint8_t> data) override
    {
        if (data.empty())
            return;
        if (data.front() == 0xF0) {
            m_sysex.clear();
            m_bInSysex = true;
        }
        if (!m_bInSysex)
            return;
        if (m_sysex.size() + data.size() > kMaxSysex) {
            m_bInSysex = false;
            return;
        }
        m_sysex.insert(m_sysex.end(), data.begin(), data.end());
        if (m_sysex.back() != 0xF7)
            return;
        m_bInSysex = false;
        if (m_sysex.size() > 2)
            fluid_synth_sysex(m_pSynth, reinterpret_cast<const char*>(m_sysex.data() + 1),
                int(m_sysex.size() - 2), nullptr, nullptr, nullptr, 0);
    }

    void Silence() override
    {
        for (int channel = 0; channel < 16; ++channel) {
            fluid_synth_cc(m_pSynth, channel, 123, 0); // all notes off
            fluid_synth_cc(m_pSynth, channel, 120, 0); // all sounds off, without release
            fluid_synth_cc(m_pSynth, channel, 121, 0); // controllers back to their defaults
        }
        m_bInSysex = false;
    }

    void Render(float* out, int nFrames) override
    {
        while (nFrames > 0) {
            int count = std::min(nFrames, kRenderBlock);
            std::fill(m_left.begin(), m_left.begin() + count, 0.0f);
            std::fill(m_right.begin(), m_right.begin() + count, 0.0f);
            fluid_synth_write_float(m_pSynth, count, m_left.data(), 0, 1, m_right.data(), 0, 1);
            for (int i = 0; i < count; ++i) {
                out[2 * i] += m_left[i];
                out[2 * i + 1] += m_right[i];
            }
            out += 2 * count;
            nFrames -= count;
        }
    }

private:
    fluid_settings_t* m_pSettings;
    fluid_synth_t* m_pSynth;
    std::vector<float> m_left;
    std::vector<float> m_right;
    std::vector<uint8_t> m_sysex;
    bool m_bInSysex = false;
};

} // namespace

std::unique_ptr<ISynth> CreateSoundFontSynth(const std::string& soundFont, std::string& error)
{
    error.clear();
    std::error_code ec;
    if (soundFont.empty() || !std::filesystem::is_regular_file(soundFont, ec)) {
        error = Fill(Tr("Sound", "the SoundFont \"%1\" does not exist"), { soundFont });
        return nullptr;
    }
    InstallLog();
    std::string reason;
    bool bSoundFont;
    {
        CCapture capture(reason);
        bSoundFont = fluid_is_soundfont(soundFont.c_str());
    }
    if (!bSoundFont) {
        error = Fill(Tr("Sound", "\"%1\" is not a SoundFont"), { soundFont });
        return nullptr;
    }
    fluid_settings_t* pSettings = new_fluid_settings();
    if (pSettings == nullptr) {
        error = Tr("Sound", "the synthesizer cannot be started");
        return nullptr;
    }
    fluid_settings_setnum(pSettings, "synth.sample-rate", kAudioRate);
    fluid_settings_setnum(pSettings, "synth.gain", 0.9);
    // No reverb or chorus: their lines would ring on for a second after a pause silences
    // every note, and a pause must be silent at once.
    fluid_settings_setint(pSettings, "synth.reverb.active", 0);
    fluid_settings_setint(pSettings, "synth.chorus.active", 0);
    fluid_synth_t* pSynth = new_fluid_synth(pSettings);
    if (pSynth == nullptr) {
        delete_fluid_settings(pSettings);
        error = Tr("Sound", "the synthesizer cannot be started");
        return nullptr;
    }
    int id;
    {
        CCapture capture(reason);
        id = fluid_synth_sfload(pSynth, soundFont.c_str(), 1);
    }
    if (id == FLUID_FAILED) {
        delete_fluid_synth(pSynth);
        delete_fluid_settings(pSettings);
        // FluidSynth's own words, when it gave any, say why.
        error = reason.empty()
            ? Fill(Tr("Sound", "the SoundFont \"%1\" cannot be loaded"), { soundFont })
            : Fill(Tr("Sound", "the SoundFont \"%1\" cannot be loaded: %2"), { soundFont, reason });
        return nullptr;
    }
    return std::make_unique<CFluidSynth>(pSettings, pSynth);
}

std::string FindSoundFont()
{
    std::error_code ec;
    std::string chosen = ExpandHome(ReadSettingString("SoundFont"));
    if (!chosen.empty() && std::filesystem::is_regular_file(chosen, ec))
        return chosen;
    for (const char* path :
        { "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/soundfonts/default.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2" }) {
        if (std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return {};
}

} // namespace platform

// What a greeting sounds like, measured in the rendered sound: notes on their schedule, a
// pause that silences at once, a spoken text at its frame, a wave between its frames.
#include "tests/playback/playback_fixtures.h"
#include "tests/playback/sound_fixtures.h"

#include "model/sound.h"
#include "platform/mixer.h"
#include "playback/soundsystem.h"
#include "playback/soundtrack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

using namespace soundtest;

// -60 dBFS in 16-bit samples.
constexpr int kSilence = 33;

std::unique_ptr<platform::ISynth> RealSynth()
{
    const std::string soundFont = platform::FindSoundFont();
    if (soundFont.empty())
        return nullptr;
    std::string error;
    return platform::CreateSoundFontSynth(soundFont, error);
}

// A project of one frame (every tick rewinds it) whose stage sound is the MIDI file.
std::unique_ptr<CProjectDoc> ProjectWithMusic(const CScratchFolder& folder, const Bytes& midi)
{
    auto doc = playtest::Playable({ { 0, 0, 10, 10, { { -1, 0, 0, 0, 0, 1 } } } }, 1);
    auto sound = std::make_unique<CSound>();
    EXPECT_TRUE(sound->SetSource(CSound::kindMidi, folder.Write("music.mid", midi)));
    doc->GetMovie()->GetFirstStage()->SetSound(std::move(sound));
    return doc;
}

TEST(Soundtrack, note_onsets_keep_the_schedule_of_the_file_within_two_milliseconds)
{
    auto synth = RealSynth();
    if (!synth)
        GTEST_SKIP() << "no SoundFont installed";
    const CStrokes strokes = WoodBlockStrokes();
    CScratchFolder folder;
    auto doc = ProjectWithMusic(folder, strokes.file);
    auto sound = CSoundSystem::CreateOffline(std::move(synth));
    std::vector<int16_t> samples;
    RenderSoundtrack(*doc, *sound, 44100 * 6, samples);
    const std::vector<double> onsets = OnsetsMs(samples);
    ASSERT_GE(onsets.size(), 8u);
    const std::vector<double>& expected = strokes.expectedMs;
    double worst = 0;
    for (int i = 0; i < 8; ++i) {
        const double error = (onsets[i] - onsets[0]) - (expected[i] - expected[0]);
        worst = std::max(worst, std::abs(error));
        EXPECT_LE(std::abs(error), 2.0) << "note " << i;
    }
    for (int i = 0; i < 8; ++i)
        std::printf("onset %d: %.3f ms, scheduled %.3f ms\n", i, onsets[i] - onsets[0],
            expected[i] - expected[0]);
    std::printf("worst onset error: %.3f ms\n", worst);
    RecordProperty("worst_onset_error_us", static_cast<int>(worst * 1000));
}

TEST(Soundtrack, a_pause_mid_note_is_silent_half_a_second_later)
{
    auto synth = RealSynth();
    if (!synth)
        GTEST_SKIP() << "no SoundFont installed";
    auto sound = CSoundSystem::CreateOffline(std::move(synth));
    platform::IAudioOutput* previous = platform::SetAudioOutput(sound.get());
    CTrack t;
    // Strings held for four seconds.
    t.Event(0, { 0xC0, 48 }).Event(0, { 0x90, 60, 120 }).Event(0, { 0x90, 64, 120 });
    t.Event(768, { 0x80, 60, 0 }).Event(0, { 0x80, 64, 0 }).End(96);
    CScratchFolder folder;
    {
        CSound music;
        ASSERT_TRUE(music.SetSource(CSound::kindMidi, folder.Write("held.mid", Smf(0, 96, { t }))));
        music.Play();
        std::vector<int16_t> before(44100 * 2);
        sound->RenderOffline(before.data(), 44100);
        EXPECT_GT(Peak(before, 40000, 44100), 1000);
        music.Stop();
        std::vector<int16_t> after(44100 * 2);
        sound->RenderOffline(after.data(), 44100);
        EXPECT_LT(Peak(after, 22050, 44100), kSilence);
    }
    platform::SetAudioOutput(previous);
}

TEST(Soundtrack, a_spoken_text_is_heard_at_its_frame_and_a_wave_between_its_frames)
{
    // No synthesizer is needed: waves and voices are mixed without it.
    auto sound = CSoundSystem::CreateOffline(nullptr);
    auto doc = playtest::Playable({ { 0, 0, 10, 10, { { -1, 0, 0, 0, 0, 40 } } },
                                      { 20, 0, 10, 10, { { -1, 0, 0, 0, 0, 40 } } } },
        40);
    CScratchFolder folder;
    // A wave of a steady tone from frame 2 to frame 6.
    std::vector<int16_t> tone(22050);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = int16_t(8000 * std::sin(double(i) * 2 * M_PI * 440 / 22050));
    const Bytes wave = MonoWave22k(tone);
    auto waves = std::make_unique<CSoundList>();
    auto* waveSound = new CSound;
    ASSERT_TRUE(waveSound->SetSource(CSound::kindWave, folder.Write("tone.wav", wave)));
    waveSound->m_nStartFrame = 2;
    waveSound->m_nEndFrame = 6;
    waves->AddTail(waveSound);
    playtest::LayerAt(*doc, 0)->SetSounds(std::move(waves));
    // A spoken text at frame 15 on the other object.
    auto texts = std::make_unique<CSoundList>();
    auto* marker = new CSound;
    ASSERT_TRUE(marker->SetSource(CSound::kindMarker, "Happy birthday"));
    marker->m_nStartFrame = 15;
    texts->AddTail(marker);
    playtest::LayerAt(*doc, 1)->SetSounds(std::move(texts));

    std::vector<int16_t> samples;
    RenderSoundtrack(*doc, *sound, kFramesPerTick * 30, samples);
    auto peakOfFrames = [&](int from, int to) {
        return Peak(samples, kFramesPerTick * size_t(from), kFramesPerTick * size_t(to));
    };
    // The wave plays from frame 2 to frame 6, and not before or after.
    EXPECT_LT(peakOfFrames(0, 2), kSilence);
    EXPECT_GT(peakOfFrames(2, 3), 4000);
    EXPECT_GT(peakOfFrames(5, 6), 4000);
    EXPECT_LT(peakOfFrames(6, 15), kSilence);
    // The text is said from frame 15 on (when the synthesizer can speak here).
    if (sound->LastFailure().empty()) {
        EXPECT_GT(peakOfFrames(15, 22), 1000);
    }
}

} // namespace

// The MIDI stream player on the mixer: every event at the frame its tick gives, tunes that
// loop on their beat, stops that end a run at once, and files that cannot play refused.
#include "tests/playback/sound_fixtures.h"

#include "model/sound.h"
#include "platform/audio.h"
#include "playback/midiplayer.h"
#include "playback/soundsystem.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

using namespace soundtest;

constexpr uint16_t kDivision = 96;

// A tune of separated notes on channel 0 with tempo changes at 192 and 384, ending with a
// rest at 480. Between its events, optionally, text events that must not move anything.
Bytes Tune(bool bWithTexts)
{
    CTrack t;
    t.Tempo(0, 500000);
    if (bWithTexts)
        t.Text(0, "title");
    t.Event(0, { 0x90, 60, 100 }).Event(48, { 0x80, 60, 0 });
    if (bWithTexts)
        t.Text(20, "verse");
    t.Event(bWithTexts ? 28 : 48, { 0x90, 62, 100 }).Event(48, { 0x80, 62, 0 });
    t.Tempo(48, 300000).Event(0, { 0x90, 64, 100 }).Event(37, { 0x80, 64, 0 });
    t.Event(59, { 0xC0, 5 }).Event(0, { 0x90, 65, 90 }).Event(48, { 0x80, 65, 0 });
    t.Tempo(48, 1000000).Event(0, { 0x90, 67, 80 }).Event(48, { 0x80, 67, 0 });
    if (bWithTexts)
        t.Text(1, "rest");
    t.End(bWithTexts ? 47 : 48);
    return Smf(0, kDivision, { t });
}

// The same tune as a type 1 file: a tempo track that ends early, then the notes.
Bytes TuneInTwoTracks()
{
    CTrack tempo;
    tempo.Tempo(0, 500000).Tempo(192, 300000).Tempo(192, 1000000).End(0);
    CTrack notes;
    notes.Text(0, "melody").Event(0, { 0x90, 60, 100 }).Event(48, { 0x80, 60, 0 });
    notes.Event(48, { 0x90, 62, 100 }).Event(48, { 0x80, 62, 0 });
    notes.Event(48, { 0x90, 64, 100 }).Event(37, { 0x80, 64, 0 });
    notes.Event(59, { 0xC0, 5 }).Event(0, { 0x90, 65, 90 }).Event(48, { 0x80, 65, 0 });
    notes.Event(48, { 0x90, 67, 80 }).Event(48, { 0x80, 67, 0 }).End(48);
    return Smf(1, kDivision, { tempo, notes });
}

const TempoMap kTempos = { { 0, 500000 }, { 192, 300000 }, { 384, 1000000 } };

// The tune's channel messages and their ticks.
struct CScheduled {
    uint64_t nTick;
    uint32_t nMessage;
};
constexpr uint32_t On(uint32_t key, uint32_t velocity)
{
    return 0x90 | (key << 8) | (velocity << 16);
}
constexpr uint32_t Off(uint32_t key)
{
    return 0x80 | (key << 8);
}
const std::vector<CScheduled> kSchedule = {
    { 0, On(60, 100) },
    { 48, Off(60) },
    { 96, On(62, 100) },
    { 144, Off(62) },
    { 192, On(64, 100) },
    { 229, Off(64) },
    { 288, 0xC0 | (5 << 8) },
    { 288, On(65, 90) },
    { 336, Off(65) },
    { 384, On(67, 80) },
    { 432, Off(67) },
};
constexpr uint64_t kTuneLength = 480;

// The program's sound, rendering offline into a recording synthesizer, installed as the
// audio output for the test.
class SoundSystemTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_log = std::make_shared<CSynthLog>();
        m_pSound = CSoundSystem::CreateOffline(std::make_unique<CRecordingSynth>(m_log));
        ASSERT_TRUE(m_pSound);
        m_pPrevious = platform::SetAudioOutput(m_pSound.get());
    }
    void TearDown() override
    {
        m_pMidi.reset();
        platform::SetAudioOutput(m_pPrevious);
        m_pSound.reset();
    }
    // A MIDI sound of the file, played.
    CSound& PlayTune(const Bytes& file)
    {
        m_pMidi = std::make_unique<CSound>();
        EXPECT_TRUE(m_pMidi->SetSource(CSound::kindMidi, m_folder.Write("tune.mid", file)));
        m_pMidi->Play();
        return *m_pMidi;
    }
    std::vector<int16_t> Render(double seconds)
    {
        std::vector<int16_t> out(size_t(seconds * 44100) * 2);
        m_pSound->RenderOffline(out.data(), out.size() / 2);
        return out;
    }
    // The channel messages heard, from the first one at or after frame from.
    std::vector<CHeard> Heard(uint64_t from = 0) const
    {
        std::vector<CHeard> out;
        for (const CHeard& h : m_log->heard)
            if (h.nFrame >= from)
                out.push_back(h);
        return out;
    }

    CScratchFolder m_folder;
    std::shared_ptr<CSynthLog> m_log;
    std::unique_ptr<CSoundSystem> m_pSound;
    std::unique_ptr<CSound> m_pMidi;
    platform::IAudioOutput* m_pPrevious = nullptr;
};

TEST_F(SoundSystemTest, every_event_sounds_at_the_frame_its_tick_gives_across_tempo_changes)
{
    PlayTune(Tune(false));
    Render(3.0);
    const std::vector<CHeard> heard = Heard();
    ASSERT_GE(heard.size(), kSchedule.size());
    for (size_t i = 0; i < kSchedule.size(); ++i) {
        EXPECT_EQ(heard[i].nMessage, kSchedule[i].nMessage) << i;
        EXPECT_EQ(heard[i].nFrame, FrameOfTick(kSchedule[i].nTick, kTempos, kDivision)) << i;
    }
}

TEST_F(SoundSystemTest, text_events_and_an_early_ending_tempo_track_change_no_frame)
{
    PlayTune(Tune(false));
    Render(3.0);
    const std::vector<CHeard> clean = Heard();
    for (const Bytes& twin : { Tune(true), TuneInTwoTracks() }) {
        m_pMidi.reset();
        m_log->heard.clear();
        const uint64_t start = m_pSound->Mixer().Position();
        const uint64_t offset = m_log->nFrames;
        PlayTune(twin);
        Render(3.0);
        const std::vector<CHeard> heard = Heard();
        ASSERT_EQ(heard.size(), clean.size());
        for (size_t i = 0; i < heard.size(); ++i) {
            EXPECT_EQ(heard[i].nMessage, clean[i].nMessage) << i;
            EXPECT_EQ(heard[i].nFrame - offset, clean[i].nFrame) << i;
        }
        EXPECT_EQ(offset, start);
    }
}

TEST_F(SoundSystemTest, a_tune_starts_again_one_file_length_after_it_started_every_event_played)
{
    PlayTune(Tune(false));
    const uint64_t length = FrameOfTick(kTuneLength, kTempos, kDivision);
    Render(2.5 * double(length) / 44100);
    const uint32_t firstRun = m_pSound->Player()->GetRun();
    EXPECT_GE(firstRun, 3u);
    std::vector<CHeard> heard;
    for (const CHeard& h : Heard())
        if (h.nMessage != 0)
            heard.push_back(h);
    ASSERT_GE(heard.size(), 2 * kSchedule.size());
    for (size_t pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < kSchedule.size(); ++i) {
            const CHeard& h = heard[pass * kSchedule.size() + i];
            EXPECT_EQ(h.nMessage, kSchedule[i].nMessage) << pass << " " << i;
            EXPECT_EQ(h.nFrame, pass * length + FrameOfTick(kSchedule[i].nTick, kTempos, kDivision))
                << pass << " " << i;
        }
    // The end of every run silences every channel.
    ASSERT_FALSE(m_log->silences.empty());
    EXPECT_EQ(m_log->silences.front(), length);
}

TEST_F(SoundSystemTest, a_stop_ends_the_run_at_once_and_its_end_starts_nothing)
{
    CSound& sound = PlayTune(Tune(false));
    Render(0.3);
    CMidiStreamPlayer& player = *m_pSound->Player();
    EXPECT_EQ(player.GetState(), CMidiStreamPlayer::statePlaying);
    const size_t before = Heard().size();
    const size_t silences = m_log->silences.size();
    sound.Stop();
    // The buffers are back before the stop returns, the synthesizer is silent.
    EXPECT_EQ(player.BuffersOut(), 0);
    EXPECT_EQ(player.GetState(), CMidiStreamPlayer::stateOpened);
    EXPECT_GT(m_log->silences.size(), silences);
    EXPECT_EQ(CSound::CurrentMidiSound(), nullptr);
    Render(2.0);
    // Nothing more is heard: the end message found no current sound.
    EXPECT_EQ(Heard().size(), before);
    EXPECT_EQ(player.GetRun(), 1u);
    EXPECT_EQ(sound.m_nState, CSound::stateStopped);
}

TEST_F(SoundSystemTest, the_end_of_a_run_that_a_newer_one_replaced_is_ignored)
{
    CSound& sound = PlayTune(Tune(false));
    Render(0.2);
    sound.Stop();
    sound.Play();
    CMidiStreamPlayer& player = *m_pSound->Player();
    EXPECT_EQ(player.GetRun(), 2u);
    EXPECT_FALSE(player.IsCurrentEnd(1));
    // The end of run 1 is handled in this render; it must not start a third run.
    Render(0.3);
    EXPECT_EQ(player.GetRun(), 2u);
    EXPECT_EQ(player.GetState(), CMidiStreamPlayer::statePlaying);
}

TEST_F(SoundSystemTest, a_tune_too_short_to_loop_plays_once)
{
    CTrack t;
    t.Tempo(0, 10).Event(0, { 0x90, 60, 100 }).Event(1, { 0x80, 60, 0 }).End(1);
    CSound& sound = PlayTune(Smf(0, kDivision, { t }));
    Render(3.0);
    EXPECT_EQ(m_pSound->Player()->GetRun(), 1u);
    EXPECT_EQ(sound.m_nState, CSound::stateStopped);
    EXPECT_EQ(Heard().size(), 2u);
}

TEST_F(SoundSystemTest, files_that_cannot_play_are_refused_and_nothing_hangs)
{
    CTrack note;
    note.Event(0, { 0x90, 60, 100 }).Event(96, { 0x80, 60, 0 }).End(0);
    const Bytes good = Smf(0, kDivision, { note });
    CTrack zeroTempo;
    zeroTempo.Tempo(0, 0).Event(0, { 0x90, 60, 100 }).Event(96, { 0x80, 60, 0 });
    CTrack atZero;
    atZero.Event(0, { 0x90, 60, 100 }).End(0);
    const std::vector<Bytes> bad = {
        Smf(0, kDivision, {}), // no tracks
        Smf(0, kDivision, { atZero }), // nothing after tick 0
        Smf(0, 0, { note }), // time division 0
        Smf(0, kDivision, { zeroTempo }), Bytes(good.begin(), good.begin() + 20), // cut short
        { 'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D' }, // a form without data
    };
    CMidiStreamPlayer& player = *m_pSound->Player();
    for (size_t i = 0; i < bad.size(); ++i) {
        EXPECT_EQ(player.Open(m_folder.Write("bad.mid", bad[i])), MIDIPLAYER_INVALID_FILE) << i;
        EXPECT_EQ(player.GetState(), CMidiStreamPlayer::stateNoFile) << i;
        EXPECT_EQ(player.Play(), MIDIPLAYER_WRONG_STATE) << i;
        PlayTune(bad[i]);
        EXPECT_EQ(CSound::CurrentMidiSound(), nullptr) << i;
        Render(0.2);
    }
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(player.Open(m_folder.Write("missing/none.mid", good)), MIDIPLAYER_INVALID_FILE);
    // A good file after them plays.
    EXPECT_EQ(player.Open(m_folder.Write("good.mid", good)), MIDIPLAYER_OK);
    EXPECT_EQ(player.Play(), MIDIPLAYER_OK);
    EXPECT_EQ(player.Play(), MIDIPLAYER_WRONG_STATE);
    Render(0.2);
    EXPECT_EQ(Heard().size(), 1u);
}

TEST_F(SoundSystemTest, one_midi_sound_plays_at_a_time)
{
    CSound& first = PlayTune(Tune(false));
    CSound second;
    ASSERT_TRUE(second.SetSource(CSound::kindMidi, m_folder.Write("second.mid", Tune(true))));
    second.Play();
    EXPECT_EQ(CSound::CurrentMidiSound(), &first);
    EXPECT_EQ(second.m_nState, CSound::stateStopped);
    first.Stop();
    second.Play();
    EXPECT_EQ(CSound::CurrentMidiSound(), &second);
    second.Stop();
}

TEST_F(SoundSystemTest, long_messages_reach_the_synthesizer_whole)
{
    Bytes sysex(1500);
    for (size_t i = 0; i < sysex.size(); ++i)
        sysex[i] = uint8_t(i % 100);
    sysex.back() = 0xF7;
    CTrack t;
    Bytes event = { 0xF0, 0x8B, 0x5C }; // 1500 bytes follow
    event.insert(event.end(), sysex.begin(), sysex.end());
    t.Event(0, { 0x90, 60, 100 }).Event(10, event).Event(10, { 0x80, 60, 0 }).End(10);
    PlayTune(Smf(0, kDivision, { t }));
    Render(0.5);
    Bytes sent;
    for (const CHeard& h : Heard())
        if (h.nMessage == 0)
            sent.insert(sent.end(), h.data.begin(), h.data.end());
    // Whole in every pass of the tune.
    ASSERT_GE(sent.size(), sysex.size() + 1);
    EXPECT_EQ(sent.size() % (sysex.size() + 1), 0u);
    EXPECT_EQ(sent.front(), 0xF0);
    EXPECT_TRUE(std::equal(sysex.begin(), sysex.end(), sent.begin() + 1));
}

TEST(MidiResults, reader_codes_map_to_the_player_results)
{
    EXPECT_EQ(MidiResultOf(MIDI_OK), 0);
    EXPECT_EQ(MidiResultOf(MIDI_NO_MEMORY), 264);
    EXPECT_EQ(MidiResultOf(MIDI_BAD_DATA), 296);
    EXPECT_EQ(MidiResultOf(MIDI_CANNOT_OPEN), 296);
    EXPECT_EQ(MidiResultOf(4), 296);
    EXPECT_EQ(MidiResultOf(7), 274);
    EXPECT_STRNE(MidiResultText(296), "");
}

} // namespace

namespace {

// The player on the sound card's own thread (SDL's disk driver writes what it plays to a
// file): the buffers come back there while this thread asks, loops and stops.
TEST(SoundCard, the_player_keeps_playing_on_the_audio_thread_and_stops_at_once)
{
    CScratchFolder folder;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", folder.Write("out.raw", {}).c_str(), 1);
    std::atomic<uint32_t> ended { 0 };
    std::atomic<uint32_t> lastRun { 0 };
    auto sound = CSoundSystem::CreateForDevice([&](uint32_t nRun) {
        lastRun = nRun;
        ++ended;
    });
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    ASSERT_TRUE(sound);
    if (sound->MidiDeviceCount() == 0)
        GTEST_SKIP() << "no sound: " << sound->WhyNoSound();
    platform::IAudioOutput* previous = platform::SetAudioOutput(sound.get());
    // A tune of a fifth of a second.
    CTrack t;
    t.Event(0, { 0x90, 60, 100 }).Event(20, { 0x80, 60, 0 }).End(18);
    {
        CSound music;
        ASSERT_TRUE(
            music.SetSource(CSound::kindMidi, folder.Write("short.mid", Smf(0, 96, { t }))));
        music.Play();
        CMidiStreamPlayer& player = *sound->Player();
        // Three runs, each started again here when the last one's end arrives.
        for (uint32_t run = 1; run <= 3; ++run) {
            for (int i = 0; i < 500 && ended.load() < run; ++i) {
                EXPECT_LE(player.BuffersOut(), CMidiStreamPlayer::kBufferCount + 1);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            ASSERT_EQ(ended.load(), run) << "run " << run << " did not end";
            EXPECT_EQ(lastRun.load(), run);
            sound->OnMidiEnd(lastRun.load());
        }
        // The fourth run ends with the stop (or just before it, on a slow machine).
        music.Stop();
        EXPECT_EQ(player.GetState(), CMidiStreamPlayer::stateOpened);
        EXPECT_EQ(player.BuffersOut(), 0);
        EXPECT_EQ(ended.load(), 4u);
        sound->OnMidiEnd(lastRun.load()); // and starts nothing
        EXPECT_EQ(player.GetRun(), 4u);
    }
    platform::SetAudioOutput(previous);
}

} // namespace

// Composing frames: the cached background, layer order, clips, sounds at their frames, and
// layers that cannot be stepped.
#include "platform/audio.h"
#include "platform/dc.h"
#include "platform/message.h"
#include "tests/playback/playback_fixtures.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

using playtest::EffectSpec;
using playtest::LayerSpec;

// Records what the sounds ask of the output.
class CAudioRecorder : public platform::IAudioOutput {
public:
    CAudioRecorder() : m_pPrevious(platform::SetAudioOutput(this)) {}
    ~CAudioRecorder() override { platform::SetAudioOutput(m_pPrevious); }
    int WaveDeviceCount() const override { return 1; }
    int MidiDeviceCount() const override { return 1; }
    uint64_t PlayWaveLooping(const std::string&) override
    {
        m_events.push_back("wave");
        return ++m_nWaves;
    }
    void StopWave(uint64_t nWave) override
    {
        m_events.push_back(nWave == 0 ? "stop wave" : "stop wave " + std::to_string(nWave));
    }
    void Speak(const std::string& text, const platform::CSpeechVoice& voice) override
    {
        m_events.push_back("say " + text + (voice.bFemale ? " (female)" : " (male)"));
    }
    void StopSpeech() override { m_events.push_back("stop speech"); }
    bool StartMidi(const std::string&) override
    {
        m_events.push_back("midi");
        return true;
    }
    void StopMidi() override { m_events.push_back("stop midi"); }
    std::vector<std::string> m_events;
    uint64_t m_nWaves = 0;

private:
    platform::IAudioOutput* m_pPrevious;
};

TEST(Renderer, FrameBufferIsAlways800x600AndTheHeadLayerIsDrawnLast)
{
    auto doc = playtest::Playable({{100, 100, 50, 50, {{-1, 0, 0, 0, 0, 1}}}, {120, 120, 50, 50, {{-1, 0, 0, 0, 0, 1}}}}, 1);
    // The head layer is red; the one below it blue.
    auto* top = dynamic_cast<CDrawnObject*>(playtest::LayerAt(*doc, 0)->m_pDrawing->GetObject());
    top->m_pShape->m_logbrush.lbColor = 0x0000FF;
    auto* below = dynamic_cast<CDrawnObject*>(playtest::LayerAt(*doc, 1)->m_pDrawing->GetObject());
    below->m_pShape->m_logbrush.lbColor = 0xFF0000;
    doc->GetMovie()->m_rcStage = {0, 0, 400, 300};
    QImage view(616, 462, QImage::Format_RGB32);
    CDC target(&view);
    doc->RenderTick(target, {0, 0, 616, 462});
    EXPECT_EQ(doc->GetFrameBuffer()->Width(), 800);
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(130, 130), 0x0000FFu);
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(160, 160), 0xFF0000u);
    // The view shows the frame scaled by 616/800.
    EXPECT_EQ(ColorFromPixel(view.pixel(100, 100)), 0x0000FFu);
}

TEST(Renderer, BackgroundIsCachedAndPaintedAfreshAtFrameZero)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{-1, 0, 0, 0, 0, 3}}}}, 3);
    CAbstractMovie& movie = *doc->GetMovie();
    CStage* stage = movie.GetFirstStage();
    CDC target(80, 60);
    movie.Rewind();
    doc->RenderTick(target, {0, 0, 80, 60});
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(400, 300), 0xFFFFFFu);
    // A change of colour without telling the stage shows only from the next frame 0.
    stage->m_pBackground->m_crColor = 0x00FF00;
    doc->RenderTick(target, {0, 0, 80, 60});
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(400, 300), 0xFFFFFFu);
    doc->RenderTick(target, {0, 0, 80, 60});
    doc->RenderTick(target, {0, 0, 80, 60}); // loops to frame 0
    EXPECT_EQ(movie.GetCurrentFrame(), 1);
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(400, 300), 0x00FF00u);
}

TEST(Renderer, OneFrameMovieReplaysFrameZeroAtEveryTick)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 5.0f, 0, 0, 0, 1}}}}, 1);
    CAbstractMovie& movie = *doc->GetMovie();
    CLayer* layer = playtest::LayerAt(*doc, 0);
    movie.Rewind();
    for (int i = 0; i < 4; ++i) {
        movie.Tick();
        EXPECT_EQ(movie.GetCurrentFrame(), 1);
        EXPECT_EQ(layer->m_pPos->m_ptCurrent.x, 5);
    }
}

TEST(Renderer, MovieThatDoesNotLoopKeepsItsLastFrame)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 3}}}}, 3);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.m_nPlayMode = 0;
    movie.Rewind();
    for (int i = 0; i < 6; ++i)
        movie.Tick();
    EXPECT_EQ(movie.GetCurrentFrame(), 3);
    EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pPos->m_ptCurrent.x, 3);
}

TEST(Renderer, LayerWithoutEffectListIsReportedOnceAndTheOthersStillDraw)
{
    platform::CMessageRecorder recorder;
    auto doc = playtest::Playable({{0, 0, 10, 10, {}}, {100, 100, 50, 50, {{-1, 0, 0, 0, 0, 5}}}}, 5);
    ASSERT_TRUE(doc);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    for (int i = 0; i < 5; ++i)
        movie.Tick();
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].nStringId, platform::IDS_MISSING_RESOURCE);
    EXPECT_EQ(doc->GetFrameBuffer()->GetPixel(120, 120), 0x0000FFu);
}

TEST(Renderer, PreviewIsInstalledAndTheProjectComesBackUnchanged)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 7}}}}, 7);
    CAbstractMovie& movie = *doc->GetMovie();
    CStage* own = movie.GetFirstStage();
    ASSERT_TRUE(doc->InstallPreview(20, 50.0f, 0.25f, 0, 12));
    EXPECT_EQ(movie.GetFrameCount(), 12);
    CStage* preview = movie.GetFirstStage();
    EXPECT_NE(preview, own);
    EXPECT_EQ(preview->m_nTime1, 12);
    CLayer* ellipse = preview->GetLayers()->GetHead();
    EXPECT_EQ(ellipse->m_pDrawing->m_strName, "Ellipse");
    EXPECT_EQ(ellipse->m_pPos->m_ptHome, (CPoint{350, 250}));
    movie.Rewind();
    movie.Tick();
    EXPECT_EQ(ellipse->m_pPos->m_ptCurrent, (CPoint{350 + static_cast<int>(std::cos(0.25L) * 50), 250 + static_cast<int>(std::sin(0.25L) * 50)}));
    doc->RestoreMovie();
    EXPECT_EQ(movie.GetFirstStage(), own);
    EXPECT_EQ(movie.GetFrameCount(), 7);
}

TEST(Renderer, LengthIsTheLastEndAndEarlierEffectsGoOffScreen)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 230, 0}, {0, 1.0f, 0, 0, 230, 50, 0}}},
                                   {0, 0, 10, 10, {{-1, 0, 0, 0, 5, 100, 0}}}},
                                  1);
    CAbstractMovie& movie = *doc->GetMovie();
    EXPECT_EQ(RecomputeMovieLength(movie), 280);
    EXPECT_EQ(movie.GetFrameCount(), 280);
    EXPECT_EQ(movie.GetFirstStage()->m_nTime1, 280);
    EXPECT_EQ(movie.GetFirstStage()->m_nTime4, 280);
    EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pEffects->GetHead()->m_bOffScreenAfter, 1);
    EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pEffects->GetTail()->m_bOffScreenAfter, 0);
}

TEST(Sounds, StageSoundAtFrameZeroAndObjectSoundsAtTheirFrames)
{
    CAudioRecorder audio;
    auto doc = playtest::Playable({{0, 0, 10, 10, {{-1, 0, 0, 0, 0, 6}}}}, 6);
    CAbstractMovie& movie = *doc->GetMovie();
    std::string dir = platform::MakeTempDirectory("soundplay");
    platform::WriteWholeFile(dir + "/a.wav", std::vector<uint8_t>{'R', 'I', 'F', 'F'});
    platform::WriteWholeFile(dir + "/a.mid", std::vector<uint8_t>{'M', 'T', 'h', 'd'});
    auto stageSound = std::make_unique<CSound>();
    stageSound->SetSource(CSound::kindMidi, dir + "/a.mid");
    movie.GetFirstStage()->SetSound(std::move(stageSound));
    auto sounds = std::make_unique<CSoundList>();
    auto* wave = new CSound;
    wave->SetSource(CSound::kindWave, dir + "/a.wav");
    wave->m_nStartFrame = 2;
    wave->m_nEndFrame = 4;
    sounds->AddTail(wave);
    playtest::LayerAt(*doc, 0)->SetSounds(std::move(sounds));

    movie.Rewind();
    audio.m_events.clear();
    std::vector<std::string> perFrame;
    for (int i = 0; i < 6; ++i) {
        movie.Tick();
        std::string joined;
        for (const std::string& e : audio.m_events)
            joined += e + ";";
        perFrame.push_back(joined);
        audio.m_events.clear();
    }
    EXPECT_EQ(perFrame, (std::vector<std::string>{"midi;", "", "wave;", "", "stop wave 1;", ""}));
    // The still picture starts nothing; pausing stops the music.
    movie.PlayFrame(-1, true);
    EXPECT_TRUE(audio.m_events.empty());
    movie.Pause();
    EXPECT_EQ(audio.m_events.front(), "stop midi");
    doc.reset();
    std::filesystem::remove_all(dir);
}

TEST(Sounds, a_marker_silences_the_wave_and_speaks_on_every_pass_and_ends_stop_only_their_wave)
{
    CAudioRecorder audio;
    auto doc = playtest::Playable({{0, 0, 10, 10, {{-1, 0, 0, 0, 0, 6}}}}, 6);
    CAbstractMovie& movie = *doc->GetMovie();
    std::string dir = platform::MakeTempDirectory("soundplay");
    platform::WriteWholeFile(dir + "/a.wav", std::vector<uint8_t>{'R', 'I', 'F', 'F'});
    auto sounds = std::make_unique<CSoundList>();
    auto wave = [&](int32_t start, int32_t end) {
        auto* sound = new CSound;
        sound->SetSource(CSound::kindWave, dir + "/a.wav");
        sound->m_nStartFrame = start;
        sound->m_nEndFrame = end;
        sounds->AddTail(sound);
    };
    wave(0, 4); // wave 1
    wave(2, 5); // wave 2, replacing it
    auto* marker = new CSound;
    marker->SetSource(CSound::kindMarker, "Hello");
    marker->m_nStartFrame = 3;
    marker->m_nEndFrame = 0; // the female voice
    sounds->AddTail(marker);
    playtest::LayerAt(*doc, 0)->SetSounds(std::move(sounds));

    movie.Rewind();
    std::vector<std::string> heard;
    for (int i = 0; i < 12; ++i) {
        audio.m_events.clear();
        movie.Tick();
        std::string joined;
        for (const std::string& e : audio.m_events)
            joined += e + ";";
        heard.push_back(joined);
    }
    // Each wave's end stops its own wave only; the marker silences and speaks once a pass.
    const std::vector<std::string> pass1 = {"wave;", "", "wave;", "stop wave;say Hello (female);",
                                            "stop wave 1;", "stop wave 2;"};
    const std::vector<std::string> pass2 = {"stop wave;wave;", "", "wave;",
                                            "stop wave;say Hello (female);", "stop wave 3;",
                                            "stop wave 4;"};
    EXPECT_EQ(std::vector<std::string>(heard.begin(), heard.begin() + 6), pass1);
    EXPECT_EQ(std::vector<std::string>(heard.begin() + 6, heard.end()), pass2);
    // A pause silences every wave and voice, whoever started them.
    audio.m_events.clear();
    movie.Pause();
    EXPECT_NE(std::find(audio.m_events.begin(), audio.m_events.end(), "stop wave"),
              audio.m_events.end());
    EXPECT_NE(std::find(audio.m_events.begin(), audio.m_events.end(), "stop speech"),
              audio.m_events.end());
    doc.reset();
    std::filesystem::remove_all(dir);
}

// A clip of the given original size and frame count whose inner stage holds one green square
// at (0, 0), moving on one effect of the given type and first parameter over all its frames.
std::unique_ptr<CAnimationObject> GreenSquareClip(CAbstractMovie& movie, CSize original, int32_t frames,
                                                  CSize square, int32_t type, float p1)
{
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_szOriginal = original;
    clip->m_nFrameCount = frames;
    clip->m_pStage = std::make_unique<CStage>();
    clip->m_pStage->m_nRole = CStage::roleInner;
    clip->m_pStage->SetMovie(&movie);
    CLayer* inner = clip->m_pStage->AddObject(CGenericDrawing::kindDrawn, 0, 0, square.cx, square.cy);
    auto drawn = std::make_unique<CDrawnObject>();
    drawn->m_pShape = std::make_unique<CDrawRect>();
    drawn->m_pShape->m_logbrush.lbColor = 0x00FF00;
    drawn->m_pShape->m_bPen = 0;
    inner->m_pDrawing->SetObject(std::move(drawn));
    auto* effect = new CEffect;
    effect->m_nType = type;
    effect->m_fParam1 = p1;
    effect->m_nStartFrame = 0;
    effect->m_nDuration = frames;
    inner->m_pEffects->AddTail(effect);
    inner->AttachParts();
    return clip;
}

TEST(Clips, ScaleComesFromTheOriginalSizeWithAFloorOfOneHundredth)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{-1, 0, 0, 0, 0, 1}}}}, 1);
    CAbstractMovie& movie = *doc->GetMovie();
    // A clip of two inner frames whose one object moves 10 to the right per frame.
    auto clip = GreenSquareClip(movie, {100, 100}, 2, {50, 50}, 0, 10.0f);
    CAnimationObject* raw = clip.get();
    playtest::LayerAt(*doc, 0)->m_pDrawing->SetObject(std::move(clip));
    playtest::LayerAt(*doc, 0)->AttachParts();

    CDC& frame = *doc->GetFrameBuffer();
    movie.Resume();
    // Same size: scale 1. Inner frame 0 puts the square at x 10.
    frame.FillSolidRect({0, 0, 800, 600}, 0xFFFFFF);
    raw->Draw(frame, {200, 200, 300, 300}, nullptr, nullptr);
    EXPECT_EQ(frame.GetPixel(215, 210), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(205, 210), 0xFFFFFFu);
    EXPECT_EQ(raw->m_nFrame, 1);
    // Twice the size: everything doubles.
    frame.FillSolidRect({0, 0, 800, 600}, 0xFFFFFF);
    raw->Draw(frame, {0, 0, 200, 200}, nullptr, nullptr);
    EXPECT_EQ(frame.GetPixel(45, 20), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(139, 20), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(145, 20), 0xFFFFFFu);
    // Past the last inner frame it starts again.
    raw->Draw(frame, {0, 0, 100, 100}, nullptr, nullptr);
    EXPECT_EQ(raw->m_nFrame, 1);
    // The mapping of the target is put back.
    EXPECT_EQ(frame.GetMapMode(), MM_TEXT);
    EXPECT_EQ(frame.LPtoDP(CPoint{7, 9}), (CPoint{7, 9}));
    // Paused: the same inner frame every time.
    movie.m_bPaused = 1;
    raw->Draw(frame, {0, 0, 100, 100}, nullptr, nullptr);
    raw->Draw(frame, {0, 0, 100, 100}, nullptr, nullptr);
    EXPECT_EQ(raw->m_nFrame, 1);
    movie.m_bPaused = 0;
    // An empty rectangle is skipped.
    const int before = raw->m_nFrame;
    raw->Draw(frame, {10, 10, 10, 50}, nullptr, nullptr);
    EXPECT_EQ(raw->m_nFrame, before);
    // No frames: always frame 0.
    raw->m_nFrameCount = 0;
    raw->Draw(frame, {0, 0, 100, 100}, nullptr, nullptr);
    raw->Draw(frame, {0, 0, 100, 100}, nullptr, nullptr);
    EXPECT_EQ(raw->m_nFrame, 1);
}

TEST(Clips, still_pictures_drawn_again_do_not_step_a_clip)
{
    auto doc = playtest::Playable({{0, 0, 100, 100, {{-1, 0, 0, 0, 0, 1}}}}, 1);
    CAbstractMovie& movie = *doc->GetMovie();
    auto clip = GreenSquareClip(movie, {100, 100}, 3, {20, 20}, 0, 30.0f);
    CAnimationObject* raw = clip.get();
    playtest::LayerAt(*doc, 0)->m_pDrawing->SetObject(std::move(clip));
    playtest::LayerAt(*doc, 0)->AttachParts();
    movie.Resume();
    CDC first(800, 600), second(800, 600);
    doc->RenderStill(first, {0, 0, 800, 600});
    doc->RenderStill(second, {0, 0, 800, 600});
    EXPECT_EQ(first.Image(), second.Image());
    EXPECT_EQ(raw->m_nFrame, 0);
    EXPECT_EQ(movie.m_bPaused, 0);
}

TEST(Clips, ScaleIsRaisedToOneHundredth)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{-1, 0, 0, 0, 0, 1}}}}, 1);
    CAbstractMovie& movie = *doc->GetMovie();
    auto clip = GreenSquareClip(movie, {1, 1}, 1, {1, 1}, -1, 0);
    CDC& frame = *doc->GetFrameBuffer();
    movie.Resume();
    // 400 times the clip's size would be a scale of 1/400; at 1/100 the inner pixel covers
    // 100 x 100.
    clip->Draw(frame, {0, 0, 400, 400}, nullptr, nullptr);
    EXPECT_EQ(frame.GetPixel(50, 50), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(150, 50), 0xFFFFFFu);
    // 50 times: a scale of 1/50, the pixel covers 50 x 50.
    frame.FillSolidRect({0, 0, 800, 600}, 0xFFFFFF);
    clip->Draw(frame, {0, 0, 50, 50}, nullptr, nullptr);
    EXPECT_EQ(frame.GetPixel(49, 49), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(51, 20), 0xFFFFFFu);
}

} // namespace

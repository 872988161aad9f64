// Where effects put objects, frame by frame, in projects read from hand-built files: the
// positions and sizes must be the ones the path and size formulas give.
#include "playback/effecttable.h"
#include "tests/playback/playback_fixtures.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace {

using playtest::EffectSpec;
using playtest::LayerSpec;

// The formulas once more, written out for the test: t is the step + 1, products in extended
// precision, truncation toward zero before the origin is added.
CPoint ExpectedPosition(CPoint o, const EffectSpec& e, int step, CPoint random)
{
    const long double t = step + 1, p1 = e.p1, p2 = e.p2, p3 = e.p3;
    auto tr = [](long double v) { return static_cast<int32_t>(std::trunc(v)); };
    switch (e.type) {
    case -1: return o;
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: return {o.x + tr(t * p1), o.y};
    case 7: case 8: case 9: case 10: case 11: case 12: case 13: return {o.x, o.y + tr(t * p1)};
    case 14: case 15: case 16: {
        int32_t x = o.x + tr(t * p1);
        return {x, o.y + tr(std::sin(static_cast<long double>(x)) * p2)};
    }
    case 17: case 18: case 19: return {o.x + tr(p1 * t), o.y + tr(t * t * p2) + tr(p3 * t)};
    case 20: case 21: case 22: return {o.x + tr(std::cos(t * p2) * p1), o.y + tr(std::sin(t * p2) * p1)};
    case 23: case 24: case 25: return {o.x + tr(std::cos(t * p3) * p1), o.y + tr(std::sin(t * p3) * p2)};
    case 26: case 27: case 28: return {o.x + tr(t * p1 * std::cos(t * p1)), o.y + tr(t * p1 * std::sin(t * p1))};
    default: return random;
    }
}

CSize ExpectedSize(CSize d, const EffectSpec& e, int s)
{
    const int r = static_cast<int>(std::trunc(static_cast<long double>(e.p2)));
    const int mode = e.type == -1 ? 0 : e.type <= 13 ? e.type % 7 : ((e.type - 14) % 3 == 0 ? 0 : (e.type - 14) % 3 == 1 ? 5 : 6);
    const int D = e.duration;
    switch (mode) {
    case 1: {
        long double a = static_cast<long double>(s) * e.p3;
        return {static_cast<int32_t>(std::trunc(d.cx + r * std::cos(a))), static_cast<int32_t>(std::trunc(d.cy + r * std::sin(a)))};
    }
    case 2: {
        int g = static_cast<int>(std::trunc(static_cast<long double>(s) * e.p2));
        return {d.cx + g, d.cy + g};
    }
    case 3: return {d.cx + (s % 2) * r, d.cy + (s % 2) * r};
    case 4: {
        const int k[5] = {0, 1, 2, -1, -2};
        return {d.cx + k[s % 5] * r, d.cy + k[s % 5] * r};
    }
    case 5: return {d.cx * (s + 1) / D + 1, d.cy * (s + 1) / D + 1};
    case 6: return {d.cx * (D - s) / D + 1, d.cy * (D - s) / D + 1};
    default: return d;
    }
}

// Plays every frame of a one-effect object and checks position and size against the
// formulas.
void CheckOneEffect(const EffectSpec& e, const char* what)
{
    const CPoint home{300, 250};
    const CSize design{100, 80};
    auto doc = playtest::Playable({{home.x, home.y, design.cx, design.cy, {e}}}, e.start + e.duration);
    ASSERT_TRUE(doc);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    ResetRandom();
    std::vector<int> randoms;
    CLayer* layer = playtest::LayerAt(*doc, 0);
    for (int frame = 0; frame < e.start + e.duration; ++frame) {
        movie.Tick();
        const CEffect* effect = layer->m_pEffects->GetHead();
        if (frame < e.start) {
            EXPECT_FALSE(effect->m_bDrawn) << what << " frame " << frame;
            continue;
        }
        ASSERT_TRUE(effect->m_bDrawn) << what << " frame " << frame;
        CPoint random{};
        if (e.type >= 29 && e.type <= 31) {
            // The generator's numbers, drawn the same way, from a copy of its sequence.
            static uint32_t state;
            if (frame == e.start)
                state = 1;
            auto next = [&] {
                state = state * 214013u + 2531011u;
                return static_cast<int>((state >> 16) & 0x7FFF);
            };
            int r1 = next(), r2 = next();
            random = {((32767 - r1) * 800) / 32767, ((32767 - r2) * 600) / 32767};
        }
        const int step = frame - e.start;
        EXPECT_EQ(layer->m_pPos->m_ptCurrent, ExpectedPosition(home, e, step, random)) << what << " frame " << frame;
        EXPECT_EQ(layer->m_pSize->m_szCurrent, ExpectedSize(design, e, step)) << what << " frame " << frame;
    }
}

TEST(EffectKinds, TheTableHoldsItsRowsExactly)
{
    const auto& kinds = EffectKinds();
    ASSERT_EQ(kinds.size(), 28u);
    const auto& rows = fixtures::EffectRows();
    for (size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(kinds[i].m_strName, rows[i].name) << i;
        EXPECT_EQ(kinds[i].m_nType, rows[i].type) << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(kinds[i].m_fParam1), std::bit_cast<uint32_t>(rows[i].p1)) << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(kinds[i].m_fParam2), std::bit_cast<uint32_t>(rows[i].p2)) << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(kinds[i].m_fParam3), std::bit_cast<uint32_t>(rows[i].p3)) << i;
        EXPECT_EQ(kinds[i].m_nDuration, rows[i].frames) << i;
    }
    EXPECT_EQ(std::bit_cast<uint32_t>(kinds[13].m_fParam2), 0x3E80ADFDu);
    EXPECT_EQ(std::bit_cast<uint32_t>(kinds[16].m_fParam2), 0xBE80ADFDu);
    EXPECT_EQ(std::bit_cast<uint32_t>(kinds[19].m_fParam3), 0x3EA0D97Cu);
    EXPECT_EQ(kinds[19].m_fParam1, 20.0f);
    EXPECT_EQ(kinds[0].m_nImage, 1);
    EXPECT_EQ(kinds[27].m_nImage, 3);
}

class EveryKind : public testing::TestWithParam<int> {};

TEST_P(EveryKind, FollowsItsFormulas)
{
    const EffectKind& kind = EffectKinds()[static_cast<size_t>(GetParam())];
    CheckOneEffect({kind.m_nType, kind.m_fParam1, kind.m_fParam2, kind.m_fParam3, 5, kind.m_nDuration},
                   kind.m_strName.c_str());
}

INSTANTIATE_TEST_SUITE_P(Table, EveryKind, testing::Range(0, 28));

// Families and size modes that only stored projects carry.
class StoredCodes : public testing::TestWithParam<EffectSpec> {};

TEST_P(StoredCodes, FollowTheirFormulas)
{
    CheckOneEffect(GetParam(), ("type " + std::to_string(GetParam().type)).c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Families, StoredCodes,
    testing::Values(EffectSpec{14, 2.0f, 40.0f, 0, 0, 60}, EffectSpec{15, -1.5f, 25.0f, 0, 3, 60},
                    EffectSpec{16, 3.0f, 30.0f, 0, 0, 60}, EffectSpec{17, 2.0f, 0.05f, -4.0f, 0, 80},
                    EffectSpec{18, -2.5f, 0.1f, -6.0f, 2, 70}, EffectSpec{19, 1.0f, 0.02f, 1.0f, 0, 50},
                    EffectSpec{26, 0.3f, 0, 0, 0, 60}, EffectSpec{27, 0.25f, 0, 0, 1, 60},
                    EffectSpec{28, 0.2f, 0, 0, 0, 60},
                    // size modes 1 to 4 on both line families
                    EffectSpec{1, 2.0f, 15.0f, 0.5f, 0, 40}, EffectSpec{8, -2.0f, 12.0f, 0.3f, 0, 40},
                    EffectSpec{2, 1.0f, 0.75f, 0, 0, 40}, EffectSpec{9, 1.0f, -1.5f, 0, 0, 40},
                    EffectSpec{3, 3.0f, 7.0f, 0, 0, 40}, EffectSpec{10, 3.0f, 9.0f, 0, 0, 40},
                    EffectSpec{4, -1.0f, 10.0f, 0, 0, 40}, EffectSpec{11, 1.0f, 6.0f, 0, 0, 40}));

TEST(EffectEdgeCases, CircleEndsOneShortOfItsRadiusAndTheNextEffectStartsThere)
{
    const float step = std::bit_cast<float>(0x3E80ADFDu);
    auto doc = playtest::Playable({{400, 300, 50, 50, {{20, 50.0f, step, 0, 0, 50, 1}, {0, 3.0f, 0, 0, 50, 10}}}}, 60);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    CLayer* layer = playtest::LayerAt(*doc, 0);
    for (int frame = 0; frame < 50; ++frame)
        movie.Tick();
    EXPECT_EQ(layer->m_pPos->m_ptCurrent, (CPoint{449, 300}));
    movie.Tick(); // frame 50: the line starts from the circle's end
    EXPECT_EQ(layer->m_pPos->m_ptCurrent, (CPoint{452, 300}));
    EXPECT_EQ(layer->m_pEffects->GetAt(1)->m_bDrawn, 1);
    EXPECT_EQ(layer->m_pEffects->GetAt(0)->m_bDrawn, 0);
    EXPECT_EQ(EndPosition({0, 0}, 20, 49, 50.0f, step, 0), (CPoint{49, 0}));
}

TEST(EffectEdgeCases, HorizontalLineToTheLeft)
{
    auto doc = playtest::Playable({{700, 300, 10, 10, {{0, -3.0f, 0, 0, 0, 230}}}}, 230);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    CLayer* layer = playtest::LayerAt(*doc, 0);
    movie.Tick();
    EXPECT_EQ(layer->m_pPos->m_ptCurrent.x, 697);
    for (int frame = 1; frame < 230; ++frame)
        movie.Tick();
    EXPECT_EQ(layer->m_pPos->m_ptCurrent.x, 10);
}

TEST(EffectEdgeCases, GrowAndShrinkAndWaveSizes)
{
    auto doc = playtest::Playable({{0, 0, 100, 100, {{5, 0, 0, 0, 0, 50}}},
                                   {0, 0, 100, 100, {{6, 0, 0, 0, 0, 50}}},
                                   {0, 0, 100, 100, {{4, 0, 10.0f, 0, 0, 50}}}},
                                  50);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    std::vector<int> wave;
    for (int frame = 0; frame < 50; ++frame) {
        movie.Tick();
        if (frame == 0) {
            EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pSize->m_szCurrent.cx, 3);
            EXPECT_EQ(playtest::LayerAt(*doc, 1)->m_pSize->m_szCurrent.cx, 101);
        }
        if (frame < 6)
            wave.push_back(playtest::LayerAt(*doc, 2)->m_pSize->m_szCurrent.cx - 100);
    }
    EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pSize->m_szCurrent.cx, 101);
    EXPECT_EQ(playtest::LayerAt(*doc, 1)->m_pSize->m_szCurrent.cx, 3);
    EXPECT_EQ(wave, (std::vector<int>{0, 10, 20, -10, -20, 0}));
    // The wave leaves its last factor in the third parameter, which is stored.
    EXPECT_EQ(playtest::LayerAt(*doc, 2)->m_pEffects->GetHead()->m_fParam3, -2.0f); // step 49: 49 mod 5 = 4
}

TEST(EffectEdgeCases, RandomJumpsStartWithTheGeneratorsFirstNumbers)
{
    ResetRandom();
    EXPECT_EQ(NextRandom(), 41);
    EXPECT_EQ(NextRandom(), 18467);
    EXPECT_EQ(NextRandom(), 6334);
    ResetRandom();
    auto doc = playtest::Playable({{10, 10, 20, 20, {{29, 0, 0, 0, 0, 100}}}}, 100);
    doc->GetMovie()->Rewind();
    doc->GetMovie()->Tick();
    EXPECT_EQ(playtest::LayerAt(*doc, 0)->m_pPos->m_ptCurrent, (CPoint{798, 261}));
}

TEST(EffectEdgeCases, SineUsesTheNewAbsoluteXAsItsAngle)
{
    EffectSpec sine{14, 2.0f, 40.0f, 0, 0, 30};
    auto a = playtest::Playable({{100, 300, 10, 10, {sine}}, {101, 300, 10, 10, {sine}}}, 30);
    a->GetMovie()->Rewind();
    a->GetMovie()->Tick();
    const int ya = playtest::LayerAt(*a, 0)->m_pPos->m_ptCurrent.y;
    const int yb = playtest::LayerAt(*a, 1)->m_pPos->m_ptCurrent.y;
    EXPECT_EQ(ya, 300 + static_cast<int>(std::trunc(std::sin(102.0L) * 40)));
    EXPECT_EQ(yb, 300 + static_cast<int>(std::trunc(std::sin(103.0L) * 40)));
    EXPECT_NE(ya, yb);
}

TEST(EffectEdgeCases, StillFrameShowsDesignPlaceDrawnByTheFirstEffectOnly)
{
    auto doc = playtest::Playable({{123, 45, 60, 70, {{0, 3.0f, 0, 0, 10, 20, 1}, {7, 3.0f, 0, 0, 30, 20}}}}, 50);
    CLayer* layer = playtest::LayerAt(*doc, 0);
    doc->GetMovie()->PlayFrame(-1, true);
    EXPECT_EQ(layer->m_pPos->m_ptCurrent, (CPoint{123, 45}));
    EXPECT_EQ(layer->m_pSize->m_szCurrent, (CSize{60, 70}));
    EXPECT_EQ(layer->m_pEffects->GetAt(0)->m_bDrawn, 1);
    EXPECT_EQ(layer->m_pEffects->GetAt(0)->m_nStep, 0); // no step counted
}

TEST(EffectEdgeCases, GapsShowNothingAndOnlyTheLastEffectStaysOnScreen)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 5, 1}, {0, 1.0f, 0, 0, 10, 5, 0}}}}, 15);
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    CLayer* layer = playtest::LayerAt(*doc, 0);
    auto drawnBy = [&] {
        int k = 0;
        for (CEffect* e : *layer->m_pEffects) {
            if (e->m_bDrawn)
                return k;
            ++k;
        }
        return -1;
    };
    std::vector<int> seen;
    for (int frame = 0; frame < 20; ++frame) {
        if (frame == 15)
            movie.m_nPlayMode = 0; // stop at the end instead of looping
        movie.PlayFrame(frame, true);
        seen.push_back(drawnBy());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 0, 0, -1, -1, -1, -1, -1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    // The second effect continued from where the first ended.
    EXPECT_EQ(layer->m_pPos->m_ptCurrent.x, 10);
}

TEST(EffectLists, StartPositionWalksTheEndsOfTheEffectsBefore)
{
    auto doc = playtest::Playable({{100, 100, 10, 10, {{0, 3.0f, 0, 0, 0, 10, 1}, {7, -2.0f, 0, 0, 10, 5, 1}, {0, 1.0f, 0, 0, 15, 5}}}}, 20);
    CLayer* layer = playtest::LayerAt(*doc, 0);
    const CEffectList& list = *layer->m_pEffects;
    EXPECT_EQ(list.StartPosition(list.GetAt(0), {100, 100}), (CPoint{100, 100}));
    EXPECT_EQ(list.StartPosition(list.GetAt(1), {100, 100}), (CPoint{130, 100}));
    EXPECT_EQ(list.StartPosition(list.GetAt(2), {100, 100}), (CPoint{130, 90}));
    EXPECT_EQ(list.NoOverlaps(), 1);
    list.GetAt(1)->m_nStartFrame = 9;
    EXPECT_EQ(list.NoOverlaps(), 0);
    EXPECT_EQ(list.GetAt(0)->Overlaps(nullptr), 0);
}

TEST(EffectSteps, APausedRepaintDoesNotAdvanceButAStoppedStepDoes)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 50}}}}, 50);
    CAbstractMovie& movie = *doc->GetMovie();
    CEffect* effect = playtest::LayerAt(*doc, 0)->m_pEffects->GetHead();
    movie.Rewind();
    movie.m_bPaused = 1;
    movie.m_bStopped = 0;
    movie.PlayFrame(0, true);
    EXPECT_EQ(effect->m_nStep, 0);
    movie.m_bStopped = 1;
    movie.PlayFrame(0, true);
    EXPECT_EQ(effect->m_nStep, 1);
}

TEST(EffectSteps, BackwardsThenForwardsShowsTheNeighbouringFrames)
{
    auto doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 20}}}}, 20);
    CAbstractMovie& movie = *doc->GetMovie();
    CLayer* layer = playtest::LayerAt(*doc, 0);
    movie.Rewind();
    movie.m_bStopped = 1;
    std::vector<int> xs;
    for (int frame : {0, 1, 2, 3})
        movie.PlayFrame(frame, true), xs.push_back(layer->m_pPos->m_ptCurrent.x);
    for (int frame : {2, 1})
        movie.PlayFrame(frame, false), xs.push_back(layer->m_pPos->m_ptCurrent.x);
    for (int frame : {2, 3})
        movie.PlayFrame(frame, true), xs.push_back(layer->m_pPos->m_ptCurrent.x);
    EXPECT_EQ(xs, (std::vector<int>{1, 2, 3, 4, 3, 2, 3, 4}));
}

} // namespace

// The project tree: identities, ownership, insertion and reordering of layers, sounds.
#include "model/movie.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A stage with layers named by their drawing holder's name, head first.
std::unique_ptr<CStage> StageWith(std::initializer_list<const char*> names)
{
    auto stage = std::make_unique<CStage>();
    // Added in reverse, since each new object goes on top.
    std::vector<const char*> order(names);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        CLayer* layer = stage->AddObject(CGenericDrawing::kindDrawn, 0, 0, 10, 10);
        layer->m_pDrawing->m_strName = *it;
    }
    return stage;
}

std::string Order(const CStage& stage)
{
    std::string result;
    for (CLayer* layer : *stage.GetLayers())
        result += layer->m_pDrawing->m_strName;
    return result;
}

TEST(Identity, TheCounterHandsOutIncreasingValues)
{
    int32_t a = NextObjectId();
    int32_t b = NextObjectId();
    EXPECT_EQ(b, a + 1);
    EXPECT_GE(a, 2);
}

TEST(Identity, RenewThenRestoreGivesTheOldIdentitiesBack)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    CLayer* layer = stage->AddObject(CGenericDrawing::kindClipart, 1, 2, 3, 4);
    const int32_t ids[] = {movie->m_nId, stage->m_nId, layer->m_nId, layer->m_pPos->m_nId,
                           layer->m_pEffects->m_nId, stage->m_pBackground->m_nId};
    movie->RenewIds();
    EXPECT_EQ(movie->m_nSavedId, ids[0]);
    EXPECT_NE(movie->m_nId, ids[0]);
    EXPECT_EQ(layer->m_nSavedId, ids[2]);
    EXPECT_EQ(layer->m_pPos->m_nSavedId, ids[3]);
    EXPECT_EQ(layer->m_pEffects->m_nSavedId, ids[4]);
    movie->RestoreIds();
    const int32_t after[] = {movie->m_nId, stage->m_nId, layer->m_nId, layer->m_pPos->m_nId,
                             layer->m_pEffects->m_nId, stage->m_pBackground->m_nId};
    EXPECT_TRUE(std::equal(std::begin(ids), std::end(ids), std::begin(after)));
    EXPECT_EQ(movie->m_nSavedId, -1);
    EXPECT_EQ(layer->m_nSavedId, -1);
}

TEST(NewProject, HasTheDocumentedShape)
{
    auto movie = CAbstractMovie::NewProject();
    EXPECT_EQ(movie->m_rcStage, (CRect{0, 0, 800, 600}));
    EXPECT_EQ(movie->GetFrameCount(), 1);
    EXPECT_EQ(movie->m_nPlayMode, 2);
    ASSERT_EQ(movie->GetStages()->GetCount(), 1);
    CStage* stage = movie->GetFirstStage();
    EXPECT_EQ(stage->m_pMovie, movie.get());
    EXPECT_EQ(stage->m_pBackground->m_crColor, 0xFFFFFFu);
    EXPECT_EQ(stage->m_nTime1, 1);
    EXPECT_EQ(stage->m_nTime4, 1);
    EXPECT_TRUE(stage->GetLayers()->IsEmpty());
    EXPECT_EQ(stage->m_pBackgroundBMP, nullptr);
}

TEST(AddObject, PutsTheNewLayerOnTopWithItsParts)
{
    auto stage = StageWith({"b"});
    CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, 30, 40, 50, 60);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(stage->GetLayers()->GetHead(), layer);
    EXPECT_EQ(layer->GetStage(), stage.get());
    EXPECT_EQ(layer->m_pPos->m_ptHome, (CPoint{30, 40}));
    EXPECT_EQ(layer->m_pPos->m_ptCurrent, (CPoint{30, 40}));
    EXPECT_EQ(layer->m_pSize->m_szDesign, (CSize{50, 60}));
    EXPECT_EQ(layer->m_pSize->m_szCurrent, (CSize{0, 0}));
    ASSERT_NE(layer->m_pEffects, nullptr);
    EXPECT_TRUE(layer->m_pEffects->IsEmpty());
    EXPECT_EQ(layer->m_pSounds, nullptr);
    EXPECT_EQ(layer->m_pDrawing->GetObject(), nullptr);
}

TEST(AddObject, RefusesKindsOutsideOneToFour)
{
    auto stage = StageWith({});
    EXPECT_EQ(stage->AddObject(0, 0, 0, 1, 1), nullptr);
    EXPECT_EQ(stage->AddObject(5, 0, 0, 1, 1), nullptr);
    EXPECT_TRUE(stage->GetLayers() == nullptr || stage->GetLayers()->IsEmpty());
}

struct ReorderCase {
    int index;
    int mode;
    const char* expected;
};

class ReorderTest : public testing::TestWithParam<ReorderCase> {};

TEST_P(ReorderTest, MovesTheLayerAndKeepsOneReference)
{
    const ReorderCase& c = GetParam();
    auto stage = StageWith({"a", "b", "c", "d"});
    CLayer* moved = stage->GetLayers()->GetAt(c.index);
    EXPECT_TRUE(stage->ReorderLayer(c.index, c.mode));
    EXPECT_EQ(Order(*stage), c.expected);
    EXPECT_EQ(moved->GetRefs(), 1);
    EXPECT_EQ(stage->GetLayers()->GetCount(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ReorderTest,
    testing::Values(ReorderCase{2, CStage::moveUp, "acbd"}, ReorderCase{1, CStage::moveToBottom, "acdb"},
                    ReorderCase{2, CStage::moveToTop, "cabd"}, ReorderCase{1, CStage::moveDown, "acbd"},
                    ReorderCase{2, CStage::moveDown, "abdc"},
                    // Moves that would leave the layer where it is change nothing.
                    ReorderCase{0, CStage::moveUp, "abcd"}, ReorderCase{0, CStage::moveToTop, "abcd"},
                    ReorderCase{3, CStage::moveToBottom, "abcd"}, ReorderCase{3, CStage::moveDown, "abcd"}));

TEST(Reorder, IndexPastTheEndFails)
{
    auto stage = StageWith({"a", "b"});
    EXPECT_FALSE(stage->ReorderLayer(2, CStage::moveUp));
    EXPECT_FALSE(stage->ReorderLayer(-1, CStage::moveUp));
    EXPECT_FALSE(stage->ReorderLayer(0, 4));
    EXPECT_EQ(Order(*stage), "ab");
}

TEST(Reorder, ASharedLayerOutlivesItsStage)
{
    CLayer* kept = nullptr;
    {
        auto stage = StageWith({"a", "b"});
        kept = stage->GetLayers()->GetHead();
        kept->AddRef(); // as the undo history would
        stage->ReorderLayer(0, CStage::moveToBottom);
        EXPECT_EQ(kept->GetRefs(), 2);
    }
    EXPECT_EQ(kept->GetRefs(), 1);
    EXPECT_EQ(kept->m_pDrawing->m_strName, "a");
    kept->Release();
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("soundtest");
        ASSERT_FALSE(m_dir.empty());
        m_source = m_dir + "/tune.mid";
        ASSERT_TRUE(platform::WriteWholeFile(m_source, std::vector<uint8_t>{'M', 'T', 'h', 'd'}));
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string m_dir;
    std::string m_source;
};

TEST_F(SoundTest, SetSourceCopiesIntoAPrivateFileThatGoesWithTheSound)
{
    std::string copy;
    {
        CSound sound;
        ASSERT_TRUE(sound.SetSource(CSound::kindMidi, m_source));
        copy = sound.m_strPath;
        EXPECT_NE(copy, m_source);
        EXPECT_EQ(platform::FileLength(copy), 4);
        EXPECT_EQ(sound.m_nState, CSound::stateStopped);
        // A sound that has data takes no second source.
        EXPECT_FALSE(sound.SetSource(CSound::kindWave, m_source));
    }
    EXPECT_FALSE(platform::FileExists(copy));
    EXPECT_TRUE(platform::FileExists(m_source));
}

TEST_F(SoundTest, AMissingSourceLeavesTheSoundEmpty)
{
    CSound sound;
    EXPECT_FALSE(sound.SetSource(CSound::kindWave, m_dir + "/missing.wav"));
    EXPECT_EQ(sound.m_nKind, CSound::kindNone);
    EXPECT_TRUE(sound.m_strPath.empty());
    EXPECT_EQ(sound.m_nState, CSound::stateNoData);
}

TEST_F(SoundTest, MarkerKeepsItsTextAndIsArmed)
{
    CSound sound;
    EXPECT_TRUE(sound.SetSource(CSound::kindMarker, "Bonne f\u00EAte"));
    EXPECT_EQ(sound.m_strRef, "Bonne f\u00EAte");
    EXPECT_EQ(sound.m_nMarkState, 2);
}

TEST(SoundList, RangeTestFindsSharedFrames)
{
    auto make = [](int32_t start, int32_t end, int32_t kind = CSound::kindWave) {
        auto* sound = new CSound;
        sound->m_nKind = kind;
        sound->m_nStartFrame = start;
        sound->m_nEndFrame = end;
        return sound;
    };
    CSoundList touching;
    touching.AddTail(make(0, 10));
    touching.AddTail(make(10, 20));
    EXPECT_FALSE(touching.NoOverlaps());
    CSoundList apart;
    apart.AddTail(make(0, 9));
    apart.AddTail(make(10, 20));
    EXPECT_TRUE(apart.NoOverlaps());
    // Only waves take part: a spoken text keeps its voice in its end frame, and a tune has
    // no end of its own.
    CSoundList mixed;
    mixed.AddTail(make(0, 10));
    mixed.AddTail(make(5, 0, CSound::kindMarker));
    mixed.AddTail(make(5, 1, CSound::kindMarker));
    mixed.AddTail(make(3, -1, CSound::kindMidi));
    EXPECT_TRUE(mixed.NoOverlaps());
    mixed.AddTail(make(8, 30));
    EXPECT_FALSE(mixed.NoOverlaps());
}

} // namespace

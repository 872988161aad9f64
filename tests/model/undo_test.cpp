// The undo history store: states saved to files and read back as independent copies, the two
// stacks and their compound steps, the clipboard's snapshots, the limit, the files and the
// folder on disk, and the identity counter the editor raises after opening a project.
#include "model/undo.h"

#include "model/archive.h"
#include "model/effect.h"
#include "model/movie.h"
#include "model/shapes.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using platform::CMessageRecorder;

// The archive of an object: its whole stored state.
std::vector<uint8_t> StateBytes(CObject& object)
{
    CArchive ar("state");
    object.Serialize(ar);
    EXPECT_FALSE(ar.IsFailed()) << ar.FailureText();
    return ar.Buffer();
}

size_t FilesIn(const std::string& dir)
{
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir, ec))
        return 0;
    size_t n = 0;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        ++n;
    return n;
}

unsigned ModeOf(const std::string& path)
{
    struct stat st;
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

bool HasMessage(const CMessageRecorder& recorder, int nStringId)
{
    for (const platform::Message& message : recorder.m_messages)
        if (message.nStringId == nStringId)
            return true;
    return false;
}

CUndoRecordPtr NewRecord(uint8_t nType, uint8_t nKind, int32_t nKey, uint8_t nMarker = UNDO_SINGLE)
{
    return std::make_shared<CUndoRecord>(nType, nKind, nKey, -1, -1, nMarker);
}

template <class T> T* As(const CUndoRecordPtr& record)
{
    return record ? dynamic_cast<T*>(record->GetObject()) : nullptr;
}

// A small 8-bit mono wave file of n samples.
std::vector<uint8_t> WaveFile(uint32_t nSamples, uint8_t nSeed)
{
    std::vector<uint8_t> b;
    auto text = [&](const char* s) { b.insert(b.end(), s, s + 4); };
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    text("RIFF");
    u32(36 + nSamples);
    text("WAVE");
    text("fmt ");
    u32(16);
    u16(1);     // PCM
    u16(1);     // mono
    u32(11025); // samples per second
    u32(11025); // bytes per second
    u16(1);     // block align
    u16(8);     // bits per sample
    text("data");
    u32(nSamples);
    for (uint32_t i = 0; i < nSamples; ++i)
        b.push_back(static_cast<uint8_t>(128 + ((i * 7 + nSeed) % 64) - 32));
    return b;
}

// A layer on its own stage: a drawn rectangle with a name, one effect, position and size.
CLayer* AddDrawnLayer(CStage& stage, const char* name, int32_t x)
{
    CLayer* layer = stage.AddObject(CGenericDrawing::kindDrawn, x, 20, 30, 40);
    layer->m_pDrawing->m_strName = name;
    auto drawn = std::make_unique<CDrawnObject>();
    drawn->m_pShape = std::make_unique<CDrawRect>();
    layer->m_pDrawing->SetObject(std::move(drawn));
    auto* effect = new CEffect;
    effect->m_nType = 0;
    effect->m_nDuration = 10;
    effect->m_nStartFrame = 0;
    effect->m_strName = "Sans";
    layer->m_pEffects->AddTail(effect);
    layer->AttachParts();
    return layer;
}

class UndoTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("undotest");
        ASSERT_FALSE(m_dir.empty());
        m_pMovie = CAbstractMovie::NewProject();
        m_store.SetMovie(m_pMovie.get());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    CStage& Stage() { return *m_pMovie->GetFirstStage(); }

    // Pushes the position's state before a move to (x, y) and its state after as one step,
    // the way a drag does; returns the paths of the two states.
    std::vector<std::string> RecordMove(CObjectPos& pos, int32_t x, int32_t y)
    {
        auto before = NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId);
        EXPECT_TRUE(m_store.SaveState(*before, pos));
        pos.SetAll({x, y});
        auto after = NewRecord(UNDO_POS, UNDO_AFTER, pos.m_nId);
        EXPECT_TRUE(m_store.RecordStep({{before, nullptr}, {after, &pos}}));
        return {before->StatePath(), after->StatePath()};
    }

    CMessageRecorder m_recorder; // reports are kept here, not printed
    std::string m_dir;
    std::unique_ptr<CAbstractMovie> m_pMovie;
    CUndoStore m_store;
};

// ------------------------------------------------------- before, change, after, undo, redo

struct TypeCase {
    const char* name;
    uint8_t nType;
    std::function<CUndoObjectPtr(const std::string& dir)> make;
    std::function<void(CObject&)> change;
    std::function<std::string(CObject&)> describe;
};

std::string DescribeSounds(CObject& object)
{
    std::string s;
    for (CSound* sound : dynamic_cast<CSoundList&>(object)) {
        std::vector<uint8_t> content;
        platform::ReadWholeFile(sound->m_strPath, content);
        uint32_t sum = 0;
        for (uint8_t byte : content)
            sum = sum * 31 + byte;
        s += sound->m_strName + " " + std::to_string(sound->m_nKind) + " "
             + std::to_string(sound->m_nStartFrame) + "-" + std::to_string(sound->m_nEndFrame)
             + " " + std::to_string(content.size()) + "/" + std::to_string(sum) + ";";
    }
    return s;
}

const TypeCase kTypeCases[] = {
    {"Position", UNDO_POS,
     [](const std::string&) { return CUndoObjectPtr(new CObjectPos(10, 20)); },
     [](CObject& o) { dynamic_cast<CObjectPos&>(o).SetAll({300, -40}); },
     [](CObject& o) {
         auto& pos = dynamic_cast<CObjectPos&>(o);
         return std::to_string(pos.m_ptHome.x) + "," + std::to_string(pos.m_ptHome.y);
     }},
    {"Size", UNDO_SIZE, [](const std::string&) { return CUndoObjectPtr(new CObjectSize(50, 60)); },
     [](CObject& o) { dynamic_cast<CObjectSize&>(o).m_szDesign = {120, 7}; },
     [](CObject& o) {
         auto& size = dynamic_cast<CObjectSize&>(o);
         return std::to_string(size.m_szDesign.cx) + "x" + std::to_string(size.m_szDesign.cy);
     }},
    {"DrawingWithShape", UNDO_DRAWING,
     [](const std::string&) {
         auto* holder = new CDrawingObject;
         holder->m_strName = "Ellipse";
         auto drawn = std::make_unique<CDrawnObject>();
         auto shape = std::make_unique<CDrawRect>();
         shape->m_nShape = CDrawRect::ellipse;
         shape->m_logpen.lopnColor = 0x112233;
         shape->m_logbrush.lbColor = 0x445566;
         drawn->m_pShape = std::move(shape);
         holder->SetObject(std::move(drawn));
         return CUndoObjectPtr(holder);
     },
     [](CObject& o) {
         auto& holder = dynamic_cast<CDrawingObject&>(o);
         holder.m_strName = "Ligne";
         auto* shape = dynamic_cast<CDrawRect*>(
             dynamic_cast<CDrawnObject*>(holder.GetObject())->m_pShape.get());
         shape->m_nShape = CDrawRect::line;
         shape->m_logpen.lopnColor = 0x0000FF;
         shape->m_logbrush.lbColor = 0x00FF00;
     },
     [](CObject& o) {
         auto& holder = dynamic_cast<CDrawingObject&>(o);
         auto* drawn = dynamic_cast<CDrawnObject*>(holder.GetObject());
         if (drawn == nullptr || !drawn->m_pShape)
             return std::string("no shape");
         auto* shape = dynamic_cast<CDrawRect*>(drawn->m_pShape.get());
         return holder.m_strName + " " + std::to_string(shape->m_nShape) + " "
                + std::to_string(shape->m_logpen.lopnColor) + " "
                + std::to_string(shape->m_logbrush.lbColor);
     }},
    {"Background", UNDO_BACKGROUND,
     [](const std::string&) {
         auto* background = new CBackground;
         background->SetBackground(0xFFFFFF, 0, 1, 2, 3, 4);
         return CUndoObjectPtr(background);
     },
     [](CObject& o) { dynamic_cast<CBackground&>(o).SetBackground(0x336699, 1, 5, 6, 7, 8); },
     [](CObject& o) {
         auto& b = dynamic_cast<CBackground&>(o);
         return std::to_string(b.m_crColor) + " " + std::to_string(b.m_nMode) + " "
                + std::to_string(b.m_nParam1) + std::to_string(b.m_nParam2)
                + std::to_string(b.m_nParam3) + std::to_string(b.m_nParam4);
     }},
    {"EffectList", UNDO_EFFECTS,
     [](const std::string&) {
         auto* list = new CEffectList;
         for (int i = 0; i < 2; ++i) {
             auto* effect = new CEffect;
             effect->m_nType = i + 1;
             effect->m_nStartFrame = i * 10;
             effect->m_nDuration = 10;
             effect->m_fParam1 = 0.5f + i;
             effect->m_strName = i == 0 ? "Cercle" : "Ligne";
             list->AddTail(effect);
         }
         return CUndoObjectPtr(list);
     },
     [](CObject& o) {
         auto& list = dynamic_cast<CEffectList&>(o);
         list.GetHead()->m_nDuration = 25;
         list.RemoveAt(std::next(list.begin()));
         auto* effect = new CEffect;
         effect->m_nType = 9;
         effect->m_strName = "Saut";
         list.AddHead(effect);
     },
     [](CObject& o) {
         std::string s;
         for (CEffect* e : dynamic_cast<CEffectList&>(o))
             s += e->m_strName + " " + std::to_string(e->m_nType) + " "
                  + std::to_string(e->m_nStartFrame) + "+" + std::to_string(e->m_nDuration) + " "
                  + std::to_string(e->m_fParam1) + ";";
         return s;
     }},
    {"SoundList", UNDO_SOUNDS,
     [](const std::string& dir) {
         auto* list = new CSoundList;
         for (int i = 0; i < 2; ++i) {
             std::string path = dir + "/sound" + std::to_string(i) + ".wav";
             EXPECT_TRUE(platform::WriteWholeFile(path, WaveFile(100 + 50 * i, 3 * i)));
             auto* sound = new CSound;
             EXPECT_TRUE(sound->SetSource(CSound::kindWave, path));
             sound->SetName("sound" + std::to_string(i) + ".wav");
             sound->m_nStartFrame = i * 20;
             sound->m_nEndFrame = i * 20 + 10;
             list->AddTail(sound);
         }
         return CUndoObjectPtr(list);
     },
     [](CObject& o) {
         auto& list = dynamic_cast<CSoundList&>(o);
         list.GetHead()->m_nStartFrame = 5;
         list.RemoveAt(std::next(list.begin()));
     },
     DescribeSounds},
};

class UndoTypes : public UndoTest, public testing::WithParamInterface<TypeCase> {};

TEST_P(UndoTypes, UndoGivesTheStateBeforeAndRedoTheStateAfter)
{
    const TypeCase& c = GetParam();
    CUndoObjectPtr live = c.make(m_dir);
    const int32_t nId = dynamic_cast<CIdentity&>(*live).m_nId;
    const std::string before = c.describe(*live);
    const std::vector<uint8_t> beforeBytes = StateBytes(*live);

    auto beforeRecord = NewRecord(c.nType, UNDO_BEFORE, nId);
    ASSERT_TRUE(m_store.SaveState(*beforeRecord, *live));
    c.change(*live);
    const std::string after = c.describe(*live);
    const std::vector<uint8_t> afterBytes = StateBytes(*live);
    ASSERT_NE(before, after);
    auto afterRecord = NewRecord(c.nType, UNDO_AFTER, nId);
    ASSERT_TRUE(m_store.RecordStep({{beforeRecord, nullptr}, {afterRecord, live.get()}}));
    EXPECT_EQ(m_store.UndoCount(), 2u);
    EXPECT_EQ(m_store.UndoSteps(), 1u);

    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->m_nKind, UNDO_AFTER);
    EXPECT_EQ(records[0]->GetObject(), nullptr);
    ASSERT_EQ(records[1]->m_nKind, UNDO_BEFORE);
    ASSERT_NE(records[1]->GetObject(), nullptr);
    EXPECT_NE(records[1]->GetObject(), live.get());
    EXPECT_EQ(c.describe(*records[1]->GetObject()), before);
    EXPECT_EQ(StateBytes(*records[1]->GetObject()), beforeBytes);
    EXPECT_EQ(dynamic_cast<CIdentity&>(*records[1]->GetObject()).m_nId, nId);
    EXPECT_FALSE(m_store.CanUndo());
    EXPECT_EQ(m_store.RedoCount(), 2u);

    ASSERT_TRUE(m_store.RedoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->m_nKind, UNDO_BEFORE);
    EXPECT_EQ(records[0]->GetObject(), nullptr);
    ASSERT_EQ(records[1]->m_nKind, UNDO_AFTER);
    ASSERT_NE(records[1]->GetObject(), nullptr);
    EXPECT_EQ(c.describe(*records[1]->GetObject()), after);
    EXPECT_EQ(StateBytes(*records[1]->GetObject()), afterBytes);
    EXPECT_FALSE(m_store.CanRedo());
    EXPECT_EQ(m_store.UndoCount(), 2u);
    // The live object was never touched by the store.
    EXPECT_EQ(c.describe(*live), after);
    EXPECT_TRUE(m_recorder.m_messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EachStateClass, UndoTypes, testing::ValuesIn(kTypeCases),
                         [](const testing::TestParamInfo<TypeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(UndoTest, ALoadedLayerIsWholeWithItsPartsPointingBackAtIt)
{
    CLayer* layer = AddDrawnLayer(Stage(), "Rectangle", 10);
    auto record = NewRecord(UNDO_LAYER, UNDO_BEFORE, layer->m_nId);
    ASSERT_TRUE(m_store.Record(record, layer));
    CUndoRecordPtr undone = m_store.Undo();
    auto* copy = As<CLayer>(undone);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, layer);
    EXPECT_EQ(copy->m_nId, layer->m_nId);
    EXPECT_EQ(StateBytes(*copy), StateBytes(*layer));
    EXPECT_EQ(copy->m_pDrawing->GetObject()->m_pLayer, copy);
    EXPECT_EQ(copy->m_pEffects->GetHead()->m_pOwner, copy);
    EXPECT_EQ(copy->GetRefs(), 1);
    // A layer is released, not deleted: a reference taken elsewhere keeps it alive.
    copy->AddRef();
    undone->TakeObject().reset();
    EXPECT_EQ(copy->GetRefs(), 1);
    copy->Release();
}

TEST_F(UndoTest, AClipReadBackAttachesItsInnerStageToTheStoresMovie)
{
    CLayer* layer = Stage().AddObject(CGenericDrawing::kindAnimation, 0, 0, 100, 100);
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_pStage = std::make_unique<CStage>();
    clip->m_pStage->m_nRole = CStage::roleInner;
    AddDrawnLayer(*clip->m_pStage, "inner", 5);
    layer->m_pDrawing->SetObject(std::move(clip));
    layer->AttachParts();

    auto record = NewRecord(UNDO_LAYER, UNDO_BEFORE, layer->m_nId);
    ASSERT_TRUE(m_store.Record(record, layer));
    CUndoRecordPtr undone = m_store.Undo();
    auto* copy = As<CLayer>(undone);
    ASSERT_NE(copy, nullptr);
    auto* copiedClip = dynamic_cast<CAnimationObject*>(copy->m_pDrawing->GetObject());
    ASSERT_NE(copiedClip, nullptr);
    ASSERT_NE(copiedClip->m_pStage, nullptr);
    EXPECT_EQ(copiedClip->m_pStage->m_pMovie, m_pMovie.get());
    EXPECT_EQ(copiedClip->m_pStage->GetLayers()->GetCount(), 1);
}

// --------------------------------------------------------------------- single records

TEST_F(UndoTest, EmptyStacksGiveNothing)
{
    std::vector<CUndoRecordPtr> records{NewRecord(UNDO_POS, UNDO_AFTER, 1)};
    EXPECT_EQ(m_store.Undo(), nullptr);
    EXPECT_EQ(m_store.Redo(), nullptr);
    EXPECT_FALSE(m_store.UndoStep(records));
    EXPECT_TRUE(records.empty());
    EXPECT_FALSE(m_store.RedoStep(records));
    EXPECT_FALSE(m_store.CanUndo());
    EXPECT_FALSE(m_store.CanRedo());
    EXPECT_EQ(m_store.TopObject(), nullptr);
    EXPECT_EQ(m_store.UndoSteps(), 0u);
    EXPECT_EQ(m_store.Position(), 0u);
    EXPECT_TRUE(m_store.Folder().empty()); // nothing saved, no folder
}

TEST_F(UndoTest, UndoLoadsBeforeStatesOnlyAndRedoAfterStatesOnly)
{
    CObjectPos pos(1, 2);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_AFTER, pos.m_nId), &pos));
    pos.SetAll({3, 4});
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId), &pos));

    CUndoRecordPtr before = m_store.Undo();
    ASSERT_NE(As<CObjectPos>(before), nullptr);
    EXPECT_EQ(As<CObjectPos>(before)->m_ptHome, (CPoint{3, 4}));
    CUndoRecordPtr after = m_store.Undo();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->GetObject(), nullptr);
    EXPECT_EQ(m_store.RedoCount(), 2u);

    // The redo stack holds copies: the first redone is the last undone, the after-state.
    CUndoRecordPtr redone = m_store.Redo();
    ASSERT_NE(redone, nullptr);
    EXPECT_NE(redone, after);
    EXPECT_EQ(redone->m_nKind, UNDO_AFTER);
    ASSERT_NE(As<CObjectPos>(redone), nullptr);
    EXPECT_EQ(As<CObjectPos>(redone)->m_ptHome, (CPoint{1, 2}));
    EXPECT_EQ(m_store.TopObject(), redone->GetObject());
    redone = m_store.Redo();
    ASSERT_NE(redone, nullptr);
    EXPECT_EQ(redone->m_nKind, UNDO_BEFORE);
    EXPECT_EQ(redone->GetObject(), nullptr);
    EXPECT_EQ(m_store.UndoCount(), 2u);
    EXPECT_FALSE(m_store.CanRedo());
}

TEST_F(UndoTest, CopiesKeepEveryFieldAndShareTheFile)
{
    CObjectSize size(4, 5);
    auto record = std::make_shared<CUndoRecord>(UNDO_SIZE, UNDO_BEFORE, size.m_nId, 77, 3, 9);
    record->m_nFlag = 42;
    ASSERT_TRUE(m_store.Record(record, &size));
    CUndoRecordPtr undone = m_store.Undo();
    ASSERT_EQ(undone, record);
    CUndoRecordPtr redone = m_store.Redo();
    ASSERT_NE(redone, nullptr);
    EXPECT_NE(redone, record);
    EXPECT_EQ(redone->m_nFlag, 42);
    EXPECT_EQ(redone->m_nKey, size.m_nId);
    EXPECT_EQ(redone->m_nType, UNDO_SIZE);
    EXPECT_EQ(redone->m_nKind, UNDO_BEFORE);
    EXPECT_EQ(redone->m_nMarker, 9);
    EXPECT_EQ(redone->m_nOwner, 77);
    EXPECT_EQ(redone->m_nIndex, 3);
    EXPECT_EQ(redone->StatePath(), record->StatePath());
    EXPECT_FALSE(record->StatePath().empty());
}

TEST_F(UndoTest, RecordWithoutALiveObjectLoadsTheState)
{
    CObjectPos pos(8, 9);
    auto record = NewRecord(UNDO_POS, UNDO_AFTER, pos.m_nId);
    ASSERT_TRUE(m_store.SaveState(*record, pos));
    EXPECT_TRUE(m_store.Record(record, true));
    ASSERT_NE(As<CObjectPos>(record), nullptr);
    EXPECT_EQ(As<CObjectPos>(record)->m_ptHome, (CPoint{8, 9}));
    EXPECT_EQ(m_store.UndoCount(), 0u);

    // Without a live object the other overload loads too.
    record->TakeObject();
    EXPECT_TRUE(m_store.Record(record, static_cast<CObject*>(nullptr)));
    EXPECT_NE(As<CObjectPos>(record), nullptr);

    // bLoad false saves the object the record holds and pushes it.
    As<CObjectPos>(record)->SetAll({1, 1});
    const std::string oldPath = record->StatePath();
    EXPECT_TRUE(m_store.Record(record, false));
    EXPECT_EQ(m_store.UndoCount(), 1u);
    EXPECT_NE(record->StatePath(), oldPath);
    EXPECT_FALSE(platform::FileExists(oldPath));
}

TEST_F(UndoTest, ARecordWithoutAStateDoesNotLoadAndSaysTheResourceIsMissing)
{
    auto record = NewRecord(UNDO_POS, UNDO_AFTER, 5);
    EXPECT_FALSE(record->HasState());
    EXPECT_TRUE(record->StatePath().empty());
    EXPECT_FALSE(m_store.Record(record, true));
    EXPECT_EQ(record->GetObject(), nullptr);
    EXPECT_TRUE(HasMessage(m_recorder, platform::IDS_MISSING_RESOURCE));
    EXPECT_FALSE(m_store.Record(record, false)); // holds no object to save
    EXPECT_EQ(m_store.UndoCount(), 0u);
}

TEST_F(UndoTest, NegativeKeysWork)
{
    for (int32_t nKey : {-17, INT32_MIN}) {
        CObjectPos pos(nKey == -17 ? 17 : 99, 1);
        pos.m_nId = nKey;
        auto record =
            std::make_shared<CUndoRecord>(UNDO_POS, UNDO_BEFORE, nKey, INT32_MIN, -17, UNDO_SINGLE);
        ASSERT_TRUE(m_store.Record(record, &pos)) << nKey;
    }
    CUndoRecordPtr last = m_store.Undo();
    ASSERT_NE(As<CObjectPos>(last), nullptr);
    EXPECT_EQ(last->m_nKey, INT32_MIN);
    EXPECT_EQ(As<CObjectPos>(last)->m_nId, INT32_MIN);
    EXPECT_EQ(As<CObjectPos>(last)->m_ptHome.x, 99);
    EXPECT_EQ(last->m_nOwner, INT32_MIN);
    CUndoRecordPtr first = m_store.Undo();
    ASSERT_NE(As<CObjectPos>(first), nullptr);
    EXPECT_EQ(first->m_nKey, -17);
    EXPECT_EQ(As<CObjectPos>(first)->m_nId, -17);
    EXPECT_EQ(As<CObjectPos>(first)->m_ptHome.x, 17);
    EXPECT_EQ(first->m_nIndex, -17);
}

TEST_F(UndoTest, TwoSavesUnderOneIdentityKeepTwoFilesAndUndoRestoresTheEarlier)
{
    CObjectPos pos(1, 1);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId), &pos));
    pos.SetAll({2, 2});
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId), &pos));
    pos.SetAll({3, 3});
    EXPECT_EQ(FilesIn(m_store.Folder()), 2u);

    CUndoRecordPtr second = m_store.Undo();
    ASSERT_NE(As<CObjectPos>(second), nullptr);
    EXPECT_EQ(As<CObjectPos>(second)->m_ptHome, (CPoint{2, 2}));
    CUndoRecordPtr first = m_store.Undo();
    ASSERT_NE(As<CObjectPos>(first), nullptr);
    EXPECT_EQ(As<CObjectPos>(first)->m_ptHome, (CPoint{1, 1}));
    EXPECT_NE(first->StatePath(), second->StatePath());
}

TEST_F(UndoTest, SavingDoesNotKeepTheLiveObject)
{
    CUndoRecordPtr record = NewRecord(UNDO_SIZE, UNDO_AFTER, 3);
    {
        CObjectSize size(6, 7);
        size.m_nId = 3;
        ASSERT_TRUE(m_store.Record(record, &size));
        EXPECT_EQ(record->GetObject(), nullptr);
    }
    // The object is gone; its state is not.
    CUndoRecordPtr undone = m_store.Undo();
    ASSERT_NE(undone, nullptr);
    ASSERT_TRUE(m_store.Record(undone, true));
    ASSERT_NE(As<CObjectSize>(undone), nullptr);
    EXPECT_EQ(As<CObjectSize>(undone)->m_szDesign, (CSize{6, 7}));
}

// ------------------------------------------------------------------------ compound steps

TEST_F(UndoTest, ACompoundStepIsUndoneAndRedoneAsOneInTheRightOrder)
{
    CObjectPos pos(1, 1);
    CObjectSize size(2, 2);
    CBackground background;
    std::vector<CUndoRecordPtr> pushed{NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId),
                                       NewRecord(UNDO_SIZE, UNDO_BEFORE, size.m_nId),
                                       NewRecord(UNDO_BACKGROUND, UNDO_BEFORE,
                                                 background.m_nId)};
    // An older step stays below it.
    CObjectPos other(5, 5);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, other.m_nId), &other));
    ASSERT_TRUE(m_store.RecordStep(
        {{pushed[0], &pos}, {pushed[1], &size}, {pushed[2], &background}}));
    EXPECT_EQ(pushed[0]->m_nMarker, UNDO_FIRST);
    EXPECT_EQ(pushed[1]->m_nMarker, UNDO_MIDDLE);
    EXPECT_EQ(pushed[2]->m_nMarker, UNDO_LAST);
    EXPECT_EQ(m_store.UndoCount(), 4u);
    EXPECT_EQ(m_store.UndoSteps(), 2u);

    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], pushed[2]);
    EXPECT_EQ(records[1], pushed[1]);
    EXPECT_EQ(records[2], pushed[0]);
    EXPECT_NE(As<CBackground>(records[0]), nullptr);
    EXPECT_NE(As<CObjectSize>(records[1]), nullptr);
    EXPECT_NE(As<CObjectPos>(records[2]), nullptr);
    EXPECT_EQ(m_store.UndoCount(), 1u);
    EXPECT_EQ(m_store.RedoCount(), 3u);

    ASSERT_TRUE(m_store.RedoStep(records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]->m_nKey, pos.m_nId);
    EXPECT_EQ(records[1]->m_nKey, size.m_nId);
    EXPECT_EQ(records[2]->m_nKey, background.m_nId);
    EXPECT_EQ(m_store.UndoCount(), 4u);
    EXPECT_EQ(m_store.UndoSteps(), 2u);
    EXPECT_FALSE(m_store.CanRedo());

    // Undone again as the same one step, the older step still below.
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]->m_nKey, background.m_nId);
    EXPECT_EQ(records[2]->m_nKey, pos.m_nId);
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->m_nKey, other.m_nId);
}

TEST_F(UndoTest, RecordsPushedOneByOneWithMarkersFormOneStep)
{
    // A with marker first, B with marker last: undo gives B, A; the redo stack holds their
    // copies with A's on top; redo gives A, B and the undo stack is A, B again.
    CObjectPos a(1, 1);
    CObjectPos b(2, 2);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, a.m_nId, UNDO_FIRST), &a));
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, b.m_nId, UNDO_LAST), &b));
    EXPECT_EQ(m_store.UndoSteps(), 1u);

    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->m_nKey, b.m_nId);
    EXPECT_EQ(records[1]->m_nKey, a.m_nId);
    ASSERT_TRUE(m_store.RedoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->m_nKey, a.m_nId);
    EXPECT_EQ(records[1]->m_nKey, b.m_nId);
    EXPECT_EQ(m_store.UndoCount(), 2u);
    CUndoRecordPtr top = m_store.Undo();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->m_nKey, b.m_nId);
}

TEST_F(UndoTest, ACompoundSessionMakesOneStepOfEverythingPushedMeanwhile)
{
    m_store.SetLimit(2);
    CObjectPos pos(0, 0);
    RecordMove(pos, 1, 1); // a step before the session
    const uint64_t nBefore = m_store.Position();

    // Three changes of two records each, one of them a step of its own when pushed, and a
    // single record: seven records, one step, and the limit of two steps does not cut it.
    m_store.BeginCompound();
    EXPECT_TRUE(m_store.IsCompoundOpen());
    for (int i = 2; i <= 4; ++i)
        RecordMove(pos, i, i);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_AFTER, pos.m_nId, UNDO_SINGLE), &pos));
    EXPECT_EQ(m_store.UndoCount(), 9u);
    EXPECT_EQ(m_store.EndCompound(), 7u);
    EXPECT_FALSE(m_store.IsCompoundOpen());
    EXPECT_EQ(m_store.UndoSteps(), 2u);
    EXPECT_EQ(m_store.UndoCount(), 9u);

    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 7u);
    // The state before the first change of the session comes last.
    EXPECT_EQ(As<CObjectPos>(records.back())->m_ptHome, (CPoint{1, 1}));
    EXPECT_EQ(m_store.Position(), nBefore);

    // Taken back for good: redo has nothing, the files are gone, the step before remains.
    std::vector<std::string> files;
    for (const CUndoRecordPtr& record : records)
        files.push_back(record->StatePath());
    records.clear();
    m_store.DropRedoStep();
    EXPECT_FALSE(m_store.CanRedo());
    for (const std::string& path : files)
        EXPECT_FALSE(platform::FileExists(path)) << path;
    EXPECT_EQ(m_store.UndoSteps(), 1u);
    EXPECT_EQ(m_store.Position(), nBefore);
}

TEST_F(UndoTest, ACompoundSessionOfOneRecordOrNoneStaysSmall)
{
    CObjectPos pos(0, 0);
    m_store.BeginCompound();
    EXPECT_EQ(m_store.EndCompound(), 0u);
    EXPECT_FALSE(m_store.CanUndo());
    // Ending what was never begun does nothing.
    EXPECT_EQ(m_store.EndCompound(), 0u);

    m_store.BeginCompound();
    auto record = NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId, UNDO_FIRST);
    ASSERT_TRUE(m_store.Record(record, &pos));
    EXPECT_EQ(m_store.EndCompound(), 1u);
    EXPECT_EQ(record->m_nMarker, UNDO_SINGLE);
    RecordMove(pos, 5, 5);
    EXPECT_EQ(m_store.UndoSteps(), 2u);

    // Dropping a redo step takes only the newest one.
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_EQ(m_store.RedoCount(), 3u);
    m_store.DropRedoStep();
    EXPECT_EQ(m_store.RedoCount(), 2u);
    ASSERT_TRUE(m_store.RedoStep(records));
    EXPECT_EQ(records.size(), 2u);
    m_store.DropRedoStep(); // an empty stack
    EXPECT_FALSE(m_store.CanRedo());

    // Clear ends an open session.
    m_store.BeginCompound();
    m_store.Clear();
    EXPECT_FALSE(m_store.IsCompoundOpen());
}

TEST_F(UndoTest, AMalformedStepEndsAtTheBottomOfTheStack)
{
    CObjectPos a(1, 1);
    CObjectPos b(2, 2);
    // Two records marked last and middle with no first below them.
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, a.m_nId, UNDO_MIDDLE), &a));
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, b.m_nId, UNDO_LAST), &b));
    EXPECT_EQ(m_store.UndoSteps(), 1u);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_EQ(records.size(), 2u);
    EXPECT_FALSE(m_store.CanUndo());
    // On the redo stack a top marked first with no last below also ends at the bottom.
    ASSERT_TRUE(m_store.RedoStep(records));
    EXPECT_EQ(records.size(), 1u); // the top copy is marked middle: a step of its own
    m_store.Clear();
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, a.m_nId, UNDO_FIRST), &a));
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, b.m_nId, UNDO_FIRST), &b));
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_EQ(m_store.RedoCount(), 2u);
    ASSERT_TRUE(m_store.RedoStep(records));
    EXPECT_EQ(records.size(), 2u);
    EXPECT_FALSE(m_store.CanRedo());
}

TEST_F(UndoTest, ANewStepEmptiesTheRedoStackAndDeletesItsFiles)
{
    CObjectPos pos(1, 1);
    RecordMove(pos, 2, 2);
    RecordMove(pos, 3, 3);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    std::vector<std::string> redoFiles;
    for (const CUndoRecordPtr& record : records)
        redoFiles.push_back(record->StatePath());
    records.clear(); // only the redo stack names them now
    ASSERT_EQ(m_store.RedoCount(), 2u);
    for (const std::string& path : redoFiles)
        EXPECT_TRUE(platform::FileExists(path)) << path;
    EXPECT_EQ(FilesIn(m_store.Folder()), 4u);

    RecordMove(pos, 4, 4);
    EXPECT_FALSE(m_store.CanRedo());
    for (const std::string& path : redoFiles)
        EXPECT_FALSE(platform::FileExists(path)) << path;
    EXPECT_EQ(FilesIn(m_store.Folder()), 4u);

    // A single record empties it as well.
    ASSERT_TRUE(m_store.UndoStep(records));
    records.clear();
    EXPECT_TRUE(m_store.CanRedo());
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId), &pos));
    EXPECT_FALSE(m_store.CanRedo());
    EXPECT_EQ(FilesIn(m_store.Folder()), 3u);
}

TEST_F(UndoTest, ATruncatedStateFailsTheStepAndLeavesBothStacksAsTheyWere)
{
    CObjectPos a(1, 1);
    CObjectPos b(2, 2);
    CObjectPos older(9, 9);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, older.m_nId), &older));
    auto ra = NewRecord(UNDO_POS, UNDO_BEFORE, a.m_nId);
    auto rb = NewRecord(UNDO_POS, UNDO_BEFORE, b.m_nId);
    ASSERT_TRUE(m_store.RecordStep({{ra, &a}, {rb, &b}}));
    a.SetAll({10, 10});
    b.SetAll({20, 20});
    const uint64_t position = m_store.Position();

    // The bottom record of the step is read last: the top one loads, then this one fails.
    std::vector<uint8_t> good;
    ASSERT_TRUE(platform::ReadWholeFile(ra->StatePath(), good));
    fs::resize_file(ra->StatePath(), good.size() - 3);
    std::vector<CUndoRecordPtr> records{rb};
    EXPECT_FALSE(m_store.UndoStep(records));
    EXPECT_TRUE(records.empty());
    EXPECT_TRUE(HasMessage(m_recorder, platform::IDS_READ_ERROR)
                || HasMessage(m_recorder, platform::IDS_MEMORY_ERROR));
    EXPECT_EQ(m_store.UndoCount(), 3u);
    EXPECT_EQ(m_store.RedoCount(), 0u);
    EXPECT_EQ(m_store.Position(), position);
    EXPECT_EQ(ra->GetObject(), nullptr);
    EXPECT_EQ(rb->GetObject(), nullptr);
    // The single record undo fails the same way on the truncated one once it is on top...
    fs::resize_file(rb->StatePath(), 2);
    EXPECT_EQ(m_store.Undo(), nullptr);
    EXPECT_EQ(m_store.UndoCount(), 3u);
    EXPECT_EQ(m_store.RedoCount(), 0u);

    // ...and with whole files again everything behaves.
    ASSERT_TRUE(platform::WriteWholeFile(ra->StatePath(), good));
    CObjectPos bAtTwo(2, 2);
    bAtTwo.m_nId = b.m_nId;
    ASSERT_TRUE(platform::WriteWholeFile(rb->StatePath(), StateBytes(bAtTwo)));
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(As<CObjectPos>(records[0])->m_ptHome, (CPoint{2, 2}));
    EXPECT_EQ(As<CObjectPos>(records[1])->m_ptHome, (CPoint{1, 1}));
    EXPECT_EQ(m_store.UndoCount(), 1u);
    EXPECT_EQ(m_store.RedoCount(), 2u);
}

TEST_F(UndoTest, ADamagedStateFailsRedoAndLeavesBothStacksAsTheyWere)
{
    CObjectPos pos(1, 1);
    RecordMove(pos, 2, 2);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    const std::string afterPath = records[0]->StatePath();
    records.clear();
    ASSERT_TRUE(platform::DeleteFile(afterPath));
    EXPECT_FALSE(m_store.RedoStep(records));
    EXPECT_TRUE(HasMessage(m_recorder, platform::IDS_MISSING_RESOURCE));
    EXPECT_EQ(m_store.UndoCount(), 0u);
    EXPECT_EQ(m_store.RedoCount(), 2u);
}

TEST_F(UndoTest, ASingleRedoWhoseStateDoesNotLoadChangesNothing)
{
    CObjectSize size(3, 3);
    ASSERT_TRUE(m_store.Record(NewRecord(UNDO_SIZE, UNDO_AFTER, size.m_nId), &size));
    CUndoRecordPtr undone = m_store.Undo();
    ASSERT_NE(undone, nullptr);
    const uint64_t position = m_store.Position();
    fs::resize_file(undone->StatePath(), 1);
    EXPECT_EQ(m_store.Redo(), nullptr);
    EXPECT_EQ(m_store.UndoCount(), 0u);
    EXPECT_EQ(m_store.RedoCount(), 1u);
    EXPECT_EQ(m_store.Position(), position);
    EXPECT_FALSE(m_recorder.m_messages.empty());
}

TEST_F(UndoTest, AStepWithAStateThatCannotBeSavedIsNotPushed)
{
    CObjectPos pos(1, 1);
    CObjectSize size(2, 2);
    auto unknown = NewRecord(99, UNDO_BEFORE, pos.m_nId);
    EXPECT_FALSE(
        m_store.RecordStep({{unknown, &pos}, {NewRecord(UNDO_SIZE, UNDO_BEFORE, 1), &size}}));
    EXPECT_FALSE(unknown->HasState());
    EXPECT_EQ(m_store.UndoCount(), 0u);
    EXPECT_EQ(FilesIn(m_store.Folder()), 0u);

    // A failure after the first save deletes what was made and leaves the records as they were.
    auto first = NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId, 7);
    auto mismatched = NewRecord(UNDO_POS, UNDO_BEFORE, size.m_nId); // a size is no position
    EXPECT_FALSE(m_store.RecordStep({{first, &pos}, {mismatched, &size}}));
    EXPECT_FALSE(first->HasState());
    EXPECT_EQ(first->m_nMarker, 7);
    EXPECT_EQ(m_store.UndoCount(), 0u);
    EXPECT_EQ(FilesIn(m_store.Folder()), 0u);

    // A drawn object without a shape has nothing to save: reported.
    CDrawingObject holder;
    holder.SetObject(std::make_unique<CDrawnObject>());
    EXPECT_FALSE(m_store.Record(NewRecord(UNDO_DRAWING, UNDO_BEFORE, holder.m_nId), &holder));
    EXPECT_FALSE(m_recorder.m_messages.empty());
    EXPECT_EQ(FilesIn(m_store.Folder()), 0u);

    // A failed step leaves the redo stack alone.
    RecordMove(pos, 5, 5);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_FALSE(m_store.RecordStep({{NewRecord(99, UNDO_AFTER, 1), &pos}}));
    EXPECT_FALSE(m_store.RecordStep({}));
    EXPECT_FALSE(m_store.RecordStep({{NewRecord(UNDO_POS, UNDO_AFTER, 1), nullptr}}));
    EXPECT_EQ(m_store.RedoCount(), 2u);
}

// ------------------------------------------------------------------ files and folders

TEST_F(UndoTest, TheFolderIsPrivateAndGoneAfterClear)
{
    CObjectPos pos(1, 1);
    RecordMove(pos, 2, 2);
    const std::string folder = m_store.Folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(platform::DirectoryOf(folder), platform::TempDirectory());
    const std::string prefix = "vimble-undo-" + std::to_string(::getpid()) + "-";
    EXPECT_EQ(platform::FileNameOf(folder).rfind(prefix, 0), 0u);
    EXPECT_EQ(ModeOf(folder), 0700u);
    std::error_code ec;
    size_t nFiles = 0;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        EXPECT_EQ(ModeOf(entry.path().string()), 0600u) << entry.path();
        ++nFiles;
    }
    EXPECT_EQ(nFiles, 2u);

    m_store.Clear();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(m_store.Folder().empty());
    EXPECT_FALSE(m_store.CanUndo());
    EXPECT_EQ(m_store.Position(), 0u);

    // The next save makes a new folder.
    RecordMove(pos, 3, 3);
    EXPECT_FALSE(m_store.Folder().empty());
    EXPECT_NE(m_store.Folder(), folder);
    EXPECT_EQ(FilesIn(m_store.Folder()), 2u);
}

TEST_F(UndoTest, NothingRemainsAfterTheStoreIsDestroyed)
{
    std::string folder;
    std::string path;
    CUndoRecordPtr held;
    {
        CUndoStore store;
        CObjectPos pos(1, 1);
        ASSERT_TRUE(store.Record(NewRecord(UNDO_POS, UNDO_BEFORE, pos.m_nId), &pos));
        held = store.Undo(); // a record the caller still holds
        ASSERT_TRUE(store.Snapshot({{NewRecord(UNDO_POS, UNDO_AFTER, 0), &pos}}));
        folder = store.Folder();
        path = held->StatePath();
        EXPECT_EQ(FilesIn(folder), 2u);
    }
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(path));
    held.reset(); // its file is gone already: no fault
}

TEST_F(UndoTest, AFolderRemovedBehindTheStoresBackIsMadeAgain)
{
    CObjectPos pos(1, 1);
    RecordMove(pos, 2, 2);
    fs::remove_all(m_store.Folder());
    RecordMove(pos, 3, 3);
    EXPECT_TRUE(fs::is_directory(m_store.Folder()));
    EXPECT_EQ(FilesIn(m_store.Folder()), 2u);
}

TEST_F(UndoTest, FoldersOfProcessesThatNoLongerRunAreRemoved)
{
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    const std::string dir = platform::TempDirectory();
    const std::string dead = dir + "/vimble-undo-" + std::to_string(child) + "-undotest";
    const std::string alive = dir + "/vimble-undo-" + std::to_string(::getpid()) + "-undotest";
    const std::string unrelated = dir + "/vimble-undo-notapid-undotest";
    for (const std::string& path : {dead, alive, unrelated}) {
        fs::create_directories(path + "/inner");
        ASSERT_TRUE(platform::WriteWholeFile(path + "/obj1", std::vector<uint8_t>{1, 2, 3}));
    }
    {
        CUndoStore store;
    }
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive + "/obj1"));
    EXPECT_TRUE(fs::exists(unrelated + "/obj1"));
    fs::remove_all(alive);
    fs::remove_all(unrelated);
}

// ------------------------------------------------------------------------ the clipboard

TEST_F(UndoTest, ASnapshotOfThreeLayersChainsFreshIdentities)
{
    CLayer* layers[3] = {AddDrawnLayer(Stage(), "a", 10), AddDrawnLayer(Stage(), "b", 20),
                         AddDrawnLayer(Stage(), "c", 30)};
    std::vector<int32_t> ids;
    for (CLayer* layer : layers)
        for (int32_t id : {layer->m_nId, layer->m_pPos->m_nId, layer->m_pSize->m_nId,
                           layer->m_pDrawing->m_nId, layer->m_pEffects->m_nId})
            ids.push_back(id);
    const int32_t highestBefore = HighestObjectId(*m_pMovie);

    std::vector<CUndoEntry> entries;
    for (CLayer* layer : layers) {
        auto record = std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_BEFORE, layer->m_nId,
                                                    Stage().m_nId, 4, UNDO_MIDDLE);
        record->m_nFlag = 3;
        entries.push_back({record, layer});
    }
    ASSERT_TRUE(m_store.Snapshot(entries));
    const auto& working = m_store.Working();
    ASSERT_EQ(working.size(), 3u);
    EXPECT_EQ(working[0]->m_nIndex, -1);
    EXPECT_EQ(working[1]->m_nIndex, working[0]->m_nKey);
    EXPECT_EQ(working[2]->m_nIndex, working[1]->m_nKey);
    for (size_t i = 0; i < 3; ++i) {
        const CUndoRecord& record = *working[i];
        EXPECT_EQ(record.m_nKind, UNDO_AFTER);
        EXPECT_EQ(record.m_nType, UNDO_LAYER);
        EXPECT_EQ(record.m_nFlag, 3);
        EXPECT_EQ(record.m_nOwner, Stage().m_nId);
        EXPECT_EQ(record.m_nMarker, UNDO_MIDDLE);
        EXPECT_GT(record.m_nKey, highestBefore); // fresh
        EXPECT_TRUE(record.HasState());
        // The templates are as they were.
        EXPECT_EQ(entries[i].pRecord->m_nKind, UNDO_BEFORE);
        EXPECT_FALSE(entries[i].pRecord->HasState());
    }
    EXPECT_NE(working[0]->m_nKey, working[1]->m_nKey);
    EXPECT_NE(working[1]->m_nKey, working[2]->m_nKey);
    // The layers keep their identities.
    std::vector<int32_t> idsAfter;
    for (CLayer* layer : layers) {
        EXPECT_EQ(layer->m_nSavedId, -1);
        for (int32_t id : {layer->m_nId, layer->m_pPos->m_nId, layer->m_pSize->m_nId,
                           layer->m_pDrawing->m_nId, layer->m_pEffects->m_nId})
            idsAfter.push_back(id);
    }
    EXPECT_EQ(idsAfter, ids);
    EXPECT_FALSE(m_store.CanUndo()); // a snapshot records no step

    // Loaded, they are independent copies under their fresh identities.
    ASSERT_TRUE(m_store.LoadAll());
    for (size_t i = 0; i < 3; ++i) {
        auto* copy = dynamic_cast<CLayer*>(working[i]->GetObject());
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, layers[i]);
        EXPECT_EQ(copy->m_nId, working[i]->m_nKey);
        EXPECT_NE(copy->m_pPos->m_nId, layers[i]->m_pPos->m_nId);
        EXPECT_EQ(copy->m_pPos->m_ptHome, layers[i]->m_pPos->m_ptHome);
        EXPECT_EQ(copy->m_pDrawing->m_strName, layers[i]->m_pDrawing->m_strName);
        EXPECT_EQ(copy->m_pDrawing->GetObject()->m_pLayer, copy);
        copy->m_pPos->SetAll({500, 500});
        EXPECT_NE(layers[i]->m_pPos->m_ptHome, (CPoint{500, 500}));
    }
    // Loading again gives new copies.
    CObject* firstCopy = working[0]->GetObject();
    ASSERT_TRUE(m_store.LoadAll());
    EXPECT_NE(working[0]->GetObject(), firstCopy);

    std::vector<std::string> paths;
    for (const CUndoRecordPtr& record : working)
        paths.push_back(record->StatePath());
    m_store.ClearWorking();
    EXPECT_TRUE(m_store.Working().empty());
    for (const std::string& path : paths)
        EXPECT_FALSE(platform::FileExists(path)) << path;
    EXPECT_TRUE(m_store.LoadAll()); // nothing to load
}

TEST_F(UndoTest, ASnapshotThatFailsLeavesTheWorkingListEmpty)
{
    CLayer* layer = AddDrawnLayer(Stage(), "a", 10);
    ASSERT_TRUE(m_store.Snapshot({{NewRecord(UNDO_LAYER, UNDO_AFTER, layer->m_nId), layer}}));
    EXPECT_EQ(m_store.Working().size(), 1u);
    const int32_t id = layer->m_nId;
    EXPECT_FALSE(m_store.Snapshot(
        {{NewRecord(UNDO_LAYER, UNDO_AFTER, layer->m_nId), layer}, {NewRecord(99, 0, 1), layer}}));
    EXPECT_TRUE(m_store.Working().empty());
    EXPECT_EQ(layer->m_nId, id);
    EXPECT_EQ(layer->m_nSavedId, -1);
    EXPECT_EQ(FilesIn(m_store.Folder()), 0u);
}

TEST_F(UndoTest, ADamagedSnapshotLoadsNothing)
{
    CLayer* a = AddDrawnLayer(Stage(), "a", 10);
    CLayer* b = AddDrawnLayer(Stage(), "b", 10);
    ASSERT_TRUE(m_store.Snapshot({{NewRecord(UNDO_LAYER, UNDO_AFTER, a->m_nId), a},
                                  {NewRecord(UNDO_LAYER, UNDO_AFTER, b->m_nId), b}}));
    fs::resize_file(m_store.Working()[1]->StatePath(), 5);
    EXPECT_FALSE(m_store.LoadAll());
    EXPECT_EQ(m_store.Working()[0]->GetObject(), nullptr);
    EXPECT_EQ(m_store.Working()[1]->GetObject(), nullptr);
}

TEST_F(UndoTest, SaveAllSnapshotsAndRecordsOneStep)
{
    CObjectPos pos(1, 1);
    RecordMove(pos, 2, 2);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_TRUE(m_store.CanRedo());

    CLayer* a = AddDrawnLayer(Stage(), "a", 10);
    CLayer* b = AddDrawnLayer(Stage(), "b", 10);
    ASSERT_TRUE(m_store.SaveAll({{NewRecord(UNDO_LAYER, UNDO_BEFORE, a->m_nId), a},
                                 {NewRecord(UNDO_LAYER, UNDO_BEFORE, b->m_nId), b}}));
    EXPECT_EQ(m_store.Working().size(), 2u);
    EXPECT_EQ(m_store.UndoCount(), 2u);
    EXPECT_EQ(m_store.UndoSteps(), 1u);
    EXPECT_FALSE(m_store.CanRedo());
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(As<CLayer>(records[0])->m_nId, b->m_nId); // under the live identities
    EXPECT_EQ(As<CLayer>(records[1])->m_nId, a->m_nId);

    EXPECT_FALSE(m_store.SaveAll({{NewRecord(99, UNDO_BEFORE, a->m_nId), a}}));
    EXPECT_TRUE(m_store.Working().empty());
    EXPECT_EQ(m_store.RedoCount(), 2u);
}

// ------------------------------------------------------------------ limit and position

TEST_F(UndoTest, TheLimitDropsTheOldestStepsWithTheirFiles)
{
    m_store.SetLimit(3);
    CObjectPos pos(0, 0);
    std::vector<std::string> paths[6];
    for (int i = 1; i <= 5; ++i)
        paths[i] = RecordMove(pos, i, i);
    EXPECT_EQ(m_store.UndoSteps(), 3u);
    EXPECT_EQ(m_store.UndoCount(), 6u);
    EXPECT_EQ(FilesIn(m_store.Folder()), 6u);
    for (int i = 1; i <= 5; ++i)
        for (const std::string& path : paths[i])
            EXPECT_EQ(platform::FileExists(path), i > 2) << i << " " << path;

    // The oldest kept step is the move from 2 to 3.
    std::vector<CUndoRecordPtr> records;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(As<CObjectPos>(records[1])->m_ptHome, (CPoint{2, 2}));
    EXPECT_FALSE(m_store.CanUndo());

    // Lowering the limit drops at once.
    ASSERT_TRUE(m_store.RedoStep(records));
    ASSERT_TRUE(m_store.RedoStep(records));
    records.clear();
    m_store.SetLimit(1);
    EXPECT_EQ(m_store.UndoSteps(), 1u);
    EXPECT_EQ(m_store.UndoCount(), 2u);
    EXPECT_EQ(FilesIn(m_store.Folder()), 2u + 2u); // the kept step and the one left to redo
}

TEST_F(UndoTest, TheDefaultLimitIsTwoHundredSteps)
{
    CObjectSize size(1, 1);
    for (int i = 0; i < 205; ++i)
        ASSERT_TRUE(m_store.Record(NewRecord(UNDO_SIZE, UNDO_BEFORE, size.m_nId), &size));
    EXPECT_EQ(m_store.UndoSteps(), 200u);
    EXPECT_EQ(FilesIn(m_store.Folder()), 200u);
}

TEST_F(UndoTest, PositionTellsWhetherTheProjectIsBackWhereItWas)
{
    CObjectPos pos(0, 0);
    const uint64_t empty = m_store.Position();
    EXPECT_EQ(empty, 0u);
    RecordMove(pos, 1, 1);
    const uint64_t one = m_store.Position();
    EXPECT_NE(one, empty);
    RecordMove(pos, 2, 2);
    const uint64_t two = m_store.Position();
    EXPECT_NE(two, one);

    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_EQ(m_store.Position(), one);
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_EQ(m_store.Position(), empty);
    ASSERT_TRUE(m_store.RedoStep(records));
    EXPECT_EQ(m_store.Position(), one);
    ASSERT_TRUE(m_store.RedoStep(records));
    EXPECT_EQ(m_store.Position(), two);

    // A different change from the same place is a different position.
    ASSERT_TRUE(m_store.UndoStep(records));
    RecordMove(pos, 7, 7);
    EXPECT_NE(m_store.Position(), two);
    EXPECT_NE(m_store.Position(), one);
    // Single records move it the same way.
    const uint64_t seven = m_store.Position();
    ASSERT_NE(m_store.Undo(), nullptr);
    EXPECT_NE(m_store.Position(), seven);
    ASSERT_NE(m_store.Redo(), nullptr);
    EXPECT_EQ(m_store.Position(), seven);
    // Failures leave it alone.
    EXPECT_FALSE(m_store.RecordStep({{NewRecord(99, UNDO_AFTER, 1), &pos}}));
    EXPECT_EQ(m_store.Position(), seven);
}

TEST_F(UndoTest, AfterTheLimitDroppedStepsTheEmptyHistoryIsNotTheStart)
{
    m_store.SetLimit(2);
    CObjectPos pos(0, 0);
    RecordMove(pos, 1, 1);
    const uint64_t afterFirst = m_store.Position();
    RecordMove(pos, 2, 2);
    RecordMove(pos, 3, 3);
    std::vector<CUndoRecordPtr> records;
    ASSERT_TRUE(m_store.UndoStep(records));
    ASSERT_TRUE(m_store.UndoStep(records));
    EXPECT_FALSE(m_store.CanUndo());
    // The project is after the first move, which can no longer be undone.
    EXPECT_NE(m_store.Position(), 0u);
    EXPECT_EQ(m_store.Position(), afterFirst);
}

// ------------------------------------------------------------------------- type codes

TEST(UndoObjects, EachTypeCodeMakesItsClass)
{
    EXPECT_NE(dynamic_cast<CBackgroundBMP*>(CreateUndoObject(6).get()), nullptr);
    EXPECT_NE(dynamic_cast<CAbstractMovie*>(CreateUndoObject(9).get()), nullptr);
    EXPECT_NE(dynamic_cast<CStage*>(CreateUndoObject(10).get()), nullptr);
    EXPECT_NE(dynamic_cast<CBackground*>(CreateUndoObject(11).get()), nullptr);
    EXPECT_NE(dynamic_cast<CLayer*>(CreateUndoObject(12).get()), nullptr);
    EXPECT_NE(dynamic_cast<CDrawingObject*>(CreateUndoObject(13).get()), nullptr);
    EXPECT_NE(dynamic_cast<CObjectSize*>(CreateUndoObject(14).get()), nullptr);
    EXPECT_NE(dynamic_cast<CObjectPos*>(CreateUndoObject(15).get()), nullptr);
    EXPECT_NE(dynamic_cast<CEffectList*>(CreateUndoObject(16).get()), nullptr);
    EXPECT_NE(dynamic_cast<CSoundList*>(CreateUndoObject(17).get()), nullptr);
    EXPECT_NE(dynamic_cast<CSound*>(CreateUndoObject(18).get()), nullptr); // a stage's sound
    for (int code : {0, 1, 5, 7, 8, 19, 99, 255})
        EXPECT_EQ(CreateUndoObject(static_cast<uint8_t>(code)), nullptr) << code;
}

TEST_F(UndoTest, EveryStateClassRoundTrips)
{
    // Stage, movie and background picture, which the editor saves whole.
    auto movie = CAbstractMovie::NewProject();
    AddDrawnLayer(*movie->GetFirstStage(), "x", 1);
    auto picture = std::make_unique<CBackgroundBMP>();
    CBackgroundBMP& bmp = *picture;
    movie->GetFirstStage()->SetBackgroundBMP(std::move(picture));
    struct {
        uint8_t nType;
        CObject* pObject;
    } cases[] = {{UNDO_MOVIE, movie.get()},
                 {UNDO_STAGE, movie->GetFirstStage()},
                 {UNDO_BACKGROUND_BMP, &bmp}};
    for (const auto& c : cases) {
        auto record = NewRecord(c.nType, UNDO_BEFORE, 1);
        ASSERT_TRUE(m_store.Record(record, c.pObject)) << int(c.nType);
        CUndoRecordPtr undone = m_store.Undo();
        ASSERT_NE(undone, nullptr);
        ASSERT_NE(undone->GetObject(), nullptr);
        EXPECT_EQ(StateBytes(*undone->GetObject()), StateBytes(*c.pObject)) << int(c.nType);
    }
}

// ------------------------------------------------------------------------- identities

TEST(ObjectIds, RaisingMakesTheNextIdentityGreaterAndNeverLowers)
{
    const int32_t start = NextObjectId();
    RaiseObjectIdsPast(start + 1000);
    EXPECT_EQ(NextObjectId(), start + 1001);
    RaiseObjectIdsPast(start); // lower: nothing changes
    EXPECT_EQ(NextObjectId(), start + 1002);
    RaiseObjectIdsPast(-5);
    EXPECT_EQ(NextObjectId(), start + 1003);
}

TEST(ObjectIds, RaisingFromSeveralThreadsReachesTheHighest)
{
    const int32_t base = NextObjectId() + 10000;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([base, t] {
            for (int i = 0; i < 1000; ++i) {
                RaiseObjectIdsPast(base + t * 1000 + i);
                NextObjectId();
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_GT(NextObjectId(), base + 3999);
}

TEST(ObjectIds, HighestObjectIdLooksEverywhere)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    stage->SetBackgroundBMP(std::make_unique<CBackgroundBMP>());
    CLayer* layer = AddDrawnLayer(*stage, "top", 1);
    layer->SetSounds(std::make_unique<CSoundList>());
    CLayer* clipLayer = stage->AddObject(CGenericDrawing::kindAnimation, 0, 0, 10, 10);
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_pStage = std::make_unique<CStage>();
    clip->m_pStage->SetBackground(std::make_unique<CBackground>());
    clip->m_pStage->SetBackgroundBMP(std::make_unique<CBackgroundBMP>());
    CLayer* inner = AddDrawnLayer(*clip->m_pStage, "inner", 2);
    inner->SetSounds(std::make_unique<CSoundList>());
    CStage* innerStage = clip->m_pStage.get();
    clipLayer->m_pDrawing->SetObject(std::move(clip));
    clipLayer->AttachParts();

    std::vector<CIdentity*> parts{movie.get(), stage, stage->m_pBackground.get(),
                                  stage->m_pBackgroundBMP.get(), innerStage,
                                  innerStage->m_pBackground.get(),
                                  innerStage->m_pBackgroundBMP.get()};
    for (CLayer* l : {layer, clipLayer, inner})
        for (CIdentity* part : std::initializer_list<CIdentity*>{
                 l, l->m_pPos.get(), l->m_pSize.get(), l->m_pDrawing.get(), l->m_pEffects.get()})
            parts.push_back(part);
    parts.push_back(layer->m_pSounds.get());
    parts.push_back(inner->m_pSounds.get());

    int32_t highest = INT32_MIN;
    for (CIdentity* part : parts)
        highest = std::max(highest, part->m_nId);
    EXPECT_EQ(HighestObjectId(*movie), highest);
    for (size_t i = 0; i < parts.size(); ++i) {
        const int32_t saved = parts[i]->m_nId;
        parts[i]->m_nId = highest + 1000;
        EXPECT_EQ(HighestObjectId(*movie), highest + 1000) << "part " << i;
        parts[i]->m_nId = saved;
    }
    // All negative identities give the highest of them.
    for (CIdentity* part : parts)
        part->m_nId = -100;
    layer->m_pPos->m_nId = -7;
    EXPECT_EQ(HighestObjectId(*movie), -7);
}

TEST(ObjectIds, RaisingPastTheHighestOfAnOpenedProjectAvoidsItsIdentities)
{
    auto movie = CAbstractMovie::NewProject();
    movie->GetFirstStage()->m_nId = NextObjectId() + 5000; // as read from a file
    RaiseObjectIdsPast(HighestObjectId(*movie));
    EXPECT_GT(NextObjectId(), movie->GetFirstStage()->m_nId);
}

} // namespace

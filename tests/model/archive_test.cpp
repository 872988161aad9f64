// The archive's encodings, checked against bytes built by hand from the format.
#include "model/archive.h"
#include "model/header.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/message.h"
#include "platform/text.h"
#include "tests/model/fixtures.h"
#include "tests/scripts.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

using fixtures::CBytes;

namespace {

struct TextCase {
    size_t length;
    std::vector<uint8_t> prefix;
};

class TextPrefixTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextPrefixTest, WritesThePrefixAndReadsItBack)
{
    const TextCase& c = GetParam();
    std::string text(c.length, 'x');
    CArchive out("test");
    out.Text(text);
    std::vector<uint8_t> bytes = out.Buffer();
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix);

    CArchive in(bytes, "test");
    std::string back;
    in.Text(back);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(back, text);
    EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TextPrefixTest,
    testing::Values(TextCase{0, {0x00}}, TextCase{254, {0xFE}}, TextCase{255, {0xFF, 0xFF, 0x00}},
                    TextCase{65533, {0xFF, 0xFD, 0xFF}},
                    TextCase{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                    TextCase{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(ArchiveText, WideFormKeepsEveryCharacter)
{
    CBytes b;
    b.WideText(u"Caf\u00E9 \u20AC \u4E2D \U0001F382");
    CArchive in(b.Bytes(), "test");
    std::string text;
    in.Text(text);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(text, "Caf\u00E9 \u20AC \u4E2D \U0001F382");
    EXPECT_EQ(in.Remaining(), 0u);
}

// A text the code page holds is written as single bytes, every byte value as it always was.
TEST(ArchiveText, CodePageTextsKeepTheirBytes)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    CBytes expected;
    expected.Text(all);
    CArchive in(expected.Bytes(), "test");
    std::string text;
    in.Text(text);
    ASSERT_FALSE(in.IsFailed());
    EXPECT_EQ(text, platform::Utf8FromCp1252(all));
    CArchive out("test");
    out.Text(text);
    EXPECT_EQ(out.Buffer(), expected.Bytes());
}

class ArchiveScriptTest : public testing::TestWithParam<ScriptText> {};

// Any other text goes out in the 2-byte form, as readers of the format take it, and comes back
// whole.
TEST_P(ArchiveScriptTest, TextOutsideTheCodePageIsWrittenInTheWideForm)
{
    std::string text = GetParam().strText;
    CArchive out("test");
    out.Text(text);
    CBytes expected;
    expected.WideText(platform::Utf16FromUtf8(text));
    EXPECT_EQ(out.Buffer(), expected.Bytes());
    CArchive in(out.Buffer(), "test");
    std::string back;
    in.Text(back);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(back, text);
    EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ArchiveScriptTest, testing::ValuesIn(ScriptTexts()),
    [](const auto& info) { return std::string(info.param.szScript); });

TEST(ArchiveText, DamagedWideFormsAreReadErrors)
{
    const std::vector<std::vector<uint8_t>> damaged = {
        { 0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x3D, 0xD8 }, // a high surrogate ends the text
        { 0xFF, 0xFE, 0xFF, 0x02, 0x82, 0xDF, 0x41, 0x00 }, // a low surrogate alone
        { 0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42 },       // an odd byte count: cut short
        { 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 0x41, 0x00 }, // the mark twice
    };
    for (const auto& bytes : damaged) {
        CArchive in(bytes, "bad.kel");
        std::string text;
        in.Text(text);
        EXPECT_TRUE(in.IsFailed()) << testing::PrintToString(bytes);
        EXPECT_TRUE(text.empty());
    }
}

TEST(ArchiveText, LengthBeyondTheStreamIsAReadErrorBeforeAllocating)
{
    CBytes b;
    b.U8(0xFF).U16(0xFFFF).U32(0x7FFFFFF0).Fill(10, 'a');
    CArchive in(b.Bytes(), "big.kel");
    std::string text;
    in.Text(text);
    EXPECT_TRUE(in.IsFailed());
    EXPECT_TRUE(text.empty());
    EXPECT_NE(in.FailureText().find("big.kel: read error at byte 7"), std::string::npos)
        << in.FailureText();
}

TEST(ArchivePrimitives, AreLittleEndianAndExact)
{
    CArchive out("test");
    uint8_t b = 0xAB;
    uint16_t w = 0x1234;
    int32_t i = -2;
    float f = -3.0f;
    CRect rc{1, 2, 800, 600};
    out.Byte(b);
    out.Word(w);
    out.Int(i);
    out.Real(f);
    out.Rect(rc);
    CBytes expected;
    expected.U8(0xAB).U16(0x1234).I32(-2).U32(0xC0400000).I32(1).I32(2).I32(800).I32(600);
    EXPECT_EQ(out.Buffer(), expected.Bytes());
}

TEST(ArchivePrimitives, ReadsAfterAFailureGiveZeroAndDoNothing)
{
    CBytes b;
    b.U8(7);
    CArchive in(b.Bytes(), "short");
    int32_t value = 99;
    in.Int(value);
    EXPECT_TRUE(in.IsFailed());
    EXPECT_EQ(value, 0);
    uint8_t byte = 5;
    in.Byte(byte);
    EXPECT_EQ(byte, 0);
}

TEST(ArchiveFailure, NamesTheObjectAndSaysWhichStringToShow)
{
    // A background is an object with an error flag: string 10101, and its flag is set.
    CBytes b;
    b.I32(7).U32(0xFFFFFF);
    CBackground background;
    CArchive in(b.Bytes(), "bg");
    background.Serialize(in);
    EXPECT_TRUE(in.IsFailed());
    EXPECT_EQ(background.m_bError, 1);
    EXPECT_EQ(in.FailureStringId(), platform::IDS_READ_ERROR);
    EXPECT_NE(in.FailureText().find("in a background"), std::string::npos) << in.FailureText();

    // A position has no error flag: string 10102.
    CObjectPos pos;
    CArchive in2(std::vector<uint8_t>{1, 0, 0, 0}, "pos");
    pos.Serialize(in2);
    EXPECT_TRUE(in2.IsFailed());
    EXPECT_EQ(in2.FailureStringId(), platform::IDS_MEMORY_ERROR);
}

// Round trips of hand-built archives: reading and writing back gives the same bytes.
TEST(ArchiveRoundTrip, NewProjectIsTheDocumentedBytes)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    std::vector<uint8_t> expected = fixtures::NewProjectArchive(
        movie->m_nId, stage->m_nId, stage->m_pBackground->m_nId);
    EXPECT_EQ(StoreMovie(*movie, "new"), expected);
}

TEST(ArchiveRoundTrip, FullProjectComesBackByteForByte)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    platform::CMessageRecorder recorder;
    auto movie = LoadMovie(archive, "full");
    ASSERT_TRUE(movie) << (recorder.m_messages.empty() ? "" : recorder.m_messages[0].strText);
    EXPECT_EQ(StoreMovie(*movie, "full"), archive);
    EXPECT_TRUE(recorder.m_messages.empty());
}

TEST(ArchiveRoundTrip, FullProjectReadsWhatWasWritten)
{
    auto movie = LoadMovie(fixtures::FullProjectArchive(), "full");
    ASSERT_TRUE(movie);
    EXPECT_EQ(movie->m_nFrameCount, 230);
    EXPECT_EQ(movie->m_nPlayMode, 2);
    ASSERT_EQ(movie->GetStages()->GetCount(), 2);
    CStage* stage = movie->GetFirstStage();
    EXPECT_EQ(stage->m_pMovie, movie.get());
    EXPECT_EQ(stage->m_strName, std::string(254, 'S'));
    EXPECT_EQ(movie->GetStages()->GetAt(1)->m_strName.size(), 70000u);
    EXPECT_EQ(stage->m_pBackground->m_crColor, 0x00336699u);

    CHBitmap* picture = stage->m_pBackgroundBMP->m_pBitmap.get();
    EXPECT_EQ(picture->m_nKind, 1);
    EXPECT_EQ(picture->GetWidth(), 20);
    EXPECT_EQ(picture->GetHeight(), 15);
    EXPECT_EQ(picture->GetPalette(), nullptr); // 24 bits: no colour table
    ASSERT_NE(picture->GetMask(), nullptr);
    EXPECT_EQ(picture->GetMask()->GetColorCount(), 2);
    EXPECT_EQ(stage->m_hPalette, nullptr);

    CLayerList* layers = stage->GetLayers();
    ASSERT_EQ(layers->GetCount(), 8);
    for (CLayer* layer : *layers) {
        EXPECT_EQ(layer->GetStage(), stage);
        ASSERT_TRUE(layer->m_pDrawing);
        if (layer->m_pDrawing->m_pObject) {
            EXPECT_EQ(layer->m_pDrawing->m_pObject->m_pLayer, layer);
        }
        if (layer->m_pEffects) {
            for (CEffect* effect : *layer->m_pEffects) {
                EXPECT_EQ(effect->m_pOwner, layer);
            }
        }
        if (layer->m_pSounds) {
            for (CSound* sound : *layer->m_pSounds) {
                EXPECT_EQ(sound->m_pLayer, layer);
            }
        }
    }

    CLayer* clipart = layers->GetHead();
    EXPECT_EQ(clipart->m_pPos->m_ptHome, (CPoint{10, 20}));
    EXPECT_EQ(clipart->m_pPos->m_ptOrigin, (CPoint{10, 20}));
    EXPECT_EQ(clipart->m_pPos->m_ptCurrent, (CPoint{10, 20}));
    ASSERT_EQ(clipart->m_pEffects->GetCount(), 28);
    const auto& rows = fixtures::EffectRows();
    int i = 0;
    for (CEffect* effect : *clipart->m_pEffects) {
        EXPECT_EQ(effect->m_strName, rows[static_cast<size_t>(i)].name);
        EXPECT_EQ(effect->m_nType, rows[static_cast<size_t>(i)].type);
        EXPECT_EQ(effect->m_fParam2, rows[static_cast<size_t>(i)].p2);
        ++i;
    }
    CSoundList* sounds = clipart->m_pSounds.get();
    ASSERT_EQ(sounds->GetCount(), 2);
    EXPECT_EQ(sounds->GetAt(1)->m_nKind, CSound::kindMarker);
    EXPECT_EQ(sounds->GetAt(1)->m_strRef, "Joyeux anniversaire");
    auto* packed = dynamic_cast<CClipartObject*>(clipart->m_pDrawing->GetObject())->m_pBitmap.get();
    EXPECT_EQ(packed->m_nKind, 2);
    EXPECT_EQ(packed->m_nColors, 256);
    EXPECT_EQ(packed->GetMask()->m_nColors, 2);

    CLayer* clip = layers->GetTail();
    auto* animation = dynamic_cast<CAnimationObject*>(clip->m_pDrawing->GetObject());
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->m_nFrameCount, 12);
    EXPECT_EQ(animation->m_pStage->m_nRole, CStage::roleInner);
    EXPECT_EQ(animation->m_pStage->m_pMovie, movie.get());
    EXPECT_EQ(animation->m_pStage->m_pBackground, nullptr);
    EXPECT_EQ(animation->m_pStage->GetLayers()->GetHead()->m_pEffects->GetCount(), 1);
    EXPECT_EQ(animation->m_pStage->GetLayers()->GetHead()->GetStage(), animation->m_pStage.get());
}

TEST(ArchiveRoundTrip, StoredIdentitiesAreKeptAndTheCounterIsNotMoved)
{
    int32_t before = NextObjectId();
    auto movie = LoadMovie(fixtures::NewProjectArchive(7, 7, 7), "ids");
    ASSERT_TRUE(movie);
    EXPECT_EQ(movie->m_nId, 7);
    EXPECT_EQ(movie->GetFirstStage()->m_nId, 7);
    // Default construction takes identities, loading overwrites them; the counter moves only
    // by what construction took.
    EXPECT_LT(NextObjectId() - before, 10);
}

TEST(ArchiveEdgeCases, EmptyStageHasItsDocumentedLength)
{
    CStage stage;
    CArchive out("stage");
    stage.Serialize(out);
    EXPECT_EQ(out.Buffer().size(), 4u + 4 + 4 + 4 + 1 + 4 + 4 + 4 + 4 + 1 + 4);
}

TEST(ArchiveEdgeCases, EmptyEffectListReadsBackAsNone)
{
    CBytes b;
    b.I32(1).U8(1).U8(1).U8(1).U8(0).U8(1);
    b.I32(2).I32(0).I32(0).I32(3).I32(10).I32(10);
    b.I32(4).Text("").U8(0);
    b.I32(5).I32(0); // the empty effect list
    CLayer* layer = new CLayer;
    CArchive in(b.Bytes(), "layer");
    layer->Serialize(in);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(layer->m_pEffects, nullptr);
    layer->Release();
}

TEST(ArchiveEdgeCases, ImageWithoutBitmapWritesZero)
{
    CImageObject image;
    CArchive out("image");
    image.Serialize(out);
    EXPECT_EQ(out.Buffer(), (std::vector<uint8_t>{0, 0, 0, 0}));
    CImageObject back;
    CArchive in(out.Buffer(), "image");
    back.Serialize(in);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(back.m_pBitmap, nullptr);
}

TEST(ArchiveEdgeCases, FileBitmapWithoutDataWritesKindEmptyPathAndZero)
{
    CHBitmap bitmap;
    bitmap.m_nKind = CHBitmap::kindFile;
    bitmap.m_strPath = "lost.bmp";
    CArchive out("bitmap");
    bitmap.Serialize(out);
    CBytes expected;
    expected.I32(1).U8(0).I32(0).U8(0);
    EXPECT_EQ(out.Buffer(), expected.Bytes());
}

TEST(ArchiveEdgeCases, SoundsReadIntoSeparatePrivateFilesThatGoWithThem)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    std::string first, second;
    {
        auto a = LoadMovie(archive, "a");
        auto b = LoadMovie(archive, "b");
        ASSERT_TRUE(a && b);
        first = a->GetFirstStage()->m_pSound->m_strPath;
        second = b->GetFirstStage()->m_pSound->m_strPath;
        EXPECT_NE(first, second);
        EXPECT_NE(first.find("/zty"), std::string::npos);
        EXPECT_EQ(first.substr(first.size() - 4), ".tmp");
        EXPECT_EQ(platform::FileLength(first), 500);
        EXPECT_EQ(a->GetFirstStage()->m_pSound->m_nState, CSound::stateStopped);
    }
    EXPECT_FALSE(platform::FileExists(first));
    EXPECT_FALSE(platform::FileExists(second));
}

// Damaged archives: each must fail cleanly with a message that says what is wrong.
TEST(ArchiveDamage, BadKindsAndHugeBlocksAreReadErrors)
{
    auto build = [](auto&& layer) {
        CBytes b;
        b.I32(1).U8(1).I32(0).I32(0).I32(800).I32(600).I32(1).I32(1);
        b.I32(2).I32(-1).I32(1).I32(0).Text("").I32(0).I32(1).I32(0).I32(1).U8(0);
        b.U8(0).U8(0).U8(0).U8(1).I32(1);
        b.I32(3).U8(1).U8(1).U8(0).U8(0).U8(1).I32(4).I32(0).I32(0).I32(5).I32(10).I32(10);
        layer(b);
        return b.Bytes();
    };
    struct Case {
        std::vector<uint8_t> bytes;
        const char* expected;
    };
    std::vector<Case> cases = {
        {build([](CBytes& b) { b.I32(6).Text("x").U8(1).U8(7); }), "drawable kind 7"},
        {build([](CBytes& b) { b.I32(6).Text("x").U8(1).U8(3).I32(5); }), "shape kind 5"},
        {build([](CBytes& b) {
             b.I32(6).Text("x").U8(1).U8(4).I32(1).I32(2).I32(2147483632).Fill(900, 0);
         }),
         "block claims 2147483632 bytes"},
        {build([](CBytes& b) { b.I32(6).Text("x").U8(1).U8(3).I32(2).Fill(36, 0).U16(60000).U16(0).I32(0).I32(0); }),
         "60000 points"},
        {build([](CBytes& b) {
             b.I32(6).Text("x").U8(0);
             b.I32(0); // nothing after: the effect list is absent, the file just ends
         }),
         ""},
    };
    for (const Case& c : cases) {
        platform::CMessageRecorder recorder;
        auto movie = LoadMovie(c.bytes, "bad.kel");
        if (c.expected[0] == '\0') {
            EXPECT_TRUE(movie); // trailing bytes after a complete movie are not read
            continue;
        }
        EXPECT_FALSE(movie);
        ASSERT_EQ(recorder.m_messages.size(), 1u);
        EXPECT_NE(recorder.m_messages[0].strText.find(c.expected), std::string::npos)
            << recorder.m_messages[0].strText;
        EXPECT_EQ(recorder.m_messages[0].strText.rfind("bad.kel: read error at byte ", 0), 0u);
    }
}

TEST(ArchiveDamage, NegativeAndOversizedCountsFailBeforeAllocating)
{
    for (int32_t count : {-1, 1 << 30, 0x7FFFFFFF}) {
        CBytes b;
        b.I32(1).U8(1).I32(0).I32(0).I32(800).I32(600).I32(1).I32(count);
        platform::CMessageRecorder recorder;
        EXPECT_FALSE(LoadMovie(b.Bytes(), "count.kel"));
        ASSERT_EQ(recorder.m_messages.size(), 1u);
        EXPECT_NE(recorder.m_messages[0].strText.find("stages"), std::string::npos);
    }
}

TEST(ArchiveDamage, DeeplyNestedClipsAreRefusedNotFollowed)
{
    // Clip inside clip inside clip ...: each level is a stage holding one layer holding a clip.
    CBytes b;
    b.I32(1).U8(1).I32(0).I32(0).I32(800).I32(600).I32(1).I32(1);
    for (int level = 0; level < 5000; ++level) {
        b.I32(2).I32(-1).I32(1).I32(0).Text("").I32(0).I32(1).I32(0).I32(2).U8(0);
        b.U8(0).U8(0).U8(0).U8(1).I32(1);
        b.I32(3).U8(0).U8(0).U8(0).U8(0).U8(1);
        b.I32(4).Text("").U8(1).U8(1).I32(1).I32(1).I32(1).U8(1);
    }
    platform::CMessageRecorder recorder;
    EXPECT_FALSE(LoadMovie(b.Bytes(), "deep.kel"));
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("nested"), std::string::npos);
}

TEST(ArchiveDamage, EveryTruncationFailsCleanly)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    // The last 70,000 bytes are one long name: step through them more coarsely.
    const size_t dense = archive.size() - 70000;
    for (size_t cut = 0; cut < archive.size(); cut += cut < dense ? 1 : 997) {
        platform::CMessageRecorder recorder;
        std::vector<uint8_t> part(archive.begin(), archive.begin() + static_cast<long>(cut));
        auto movie = LoadMovie(std::move(part), "cut.kel");
        ASSERT_FALSE(movie) << "cut at " << cut;
        ASSERT_EQ(recorder.m_messages.size(), 1u) << "cut at " << cut;
    }
    // A file that ends exactly where the movie ends is whole.
    EXPECT_TRUE(LoadMovie(archive, "whole.kel"));
}

TEST(HeaderFile, ReadsNameCategoryItemTypeAndPreview)
{
    std::string dir = platform::MakeTempDirectory("hdrtest");
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(platform::WriteWholeFile(dir + "/a.hdr",
                                         fixtures::HeaderArchive("Ballon", "F\xEAte", 17, 2, true)));
    ASSERT_TRUE(platform::WriteWholeFile(dir + "/b.hdr",
                                         fixtures::HeaderArchive("Nu", "Party", 3, 8, false)));
    std::vector<uint8_t> damaged = fixtures::HeaderArchive("Kaputt", "Party", 4, 1, true);
    damaged.resize(damaged.size() - 20);
    ASSERT_TRUE(platform::WriteWholeFile(dir + "/c.hdr", damaged));

    CHeaderObject a;
    EXPECT_EQ(a.ReadFile(dir, "a.hdr"), 2);
    EXPECT_EQ(a.m_strName, "Ballon");
    EXPECT_EQ(a.m_strCategory, "F\u00EAte");
    EXPECT_EQ(a.m_strDirectory, dir);
    EXPECT_EQ(a.ItemPath(), dir + "/17.zty");
    EXPECT_EQ(a.m_pPreview->GetWidth(), 32);

    CHeaderObject b;
    EXPECT_EQ(b.ReadFile(dir, "b.hdr"), 8);
    ASSERT_NE(b.m_pPreview, nullptr); // an empty preview all the same
    EXPECT_FALSE(b.m_pPreview->HasData());

    platform::CMessageRecorder recorder;
    CHeaderObject c;
    EXPECT_EQ(c.ReadFile(dir, "c.hdr"), 255);
    EXPECT_EQ(c.m_bError, 1);
    EXPECT_TRUE(c.m_strDirectory.empty());
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].nStringId, platform::IDS_READ_ERROR);

    std::filesystem::remove_all(dir);
}

} // namespace

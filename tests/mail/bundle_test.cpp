// The player bundle: both layouts, the trailer's name field, reading it back, and the failure
// report of each step.
#include "mail/bundle.h"
#include "platform/message.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace mailtest;

namespace {

std::vector<std::string> Texts(const platform::CMessageRecorder& recorder)
{
    std::vector<std::string> texts;
    for (const auto& message : recorder.m_messages)
        texts.push_back(message.strText);
    return texts;
}

struct LayoutCase {
    std::string outputName;
    bool withData;
    std::string storedName; // the name field without trailing zero bytes
    uint32_t nameLength;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.outputName + (c.withData ? " with data" : ""));
}

class BundleLayoutTest : public testing::TestWithParam<LayoutCase> { };

TEST_P(BundleLayoutTest, PiecesAndTrailerFollowTheFormat)
{
    const LayoutCase& c = GetParam();
    CTempDir dir;
    const std::string player = PatternBytes(5000, 1), data = PatternBytes(777, 2),
                      project = PatternBytes(4097, 3);
    WriteText(dir / "play.exe", player);
    WriteText(dir / "play.dat", data);
    WriteText(dir / "copy.tmp", project);
    const std::string output = dir / c.outputName;
    platform::CMessageRecorder recorder;
    bool built = c.withData
        ? BuildBundle(
            bundleThreePieces, dir / "play.exe", dir / "play.dat", dir / "copy.tmp", output)
        : BuildBundle(bundleTwoPieces, dir / "play.exe", dir / "copy.tmp", std::string(), output);
    ASSERT_TRUE(built);
    EXPECT_TRUE(recorder.m_messages.empty());
    std::string name = c.outputName.substr(0, c.outputName.size() - 4);
    EXPECT_EQ(
        ReadText(output), ReferenceBundle(player, c.withData ? &data : nullptr, project, name));
    std::string bytes = ReadText(output);
    std::string field = bytes.substr(bytes.size() - 22, 8);
    EXPECT_EQ(field, c.storedName + std::string(8 - c.storedName.size(), '\0'));

    CBundleTrailer trailer;
    ASSERT_TRUE(ReadBundleTrailer(output, trailer));
    EXPECT_EQ(trailer.m_bWithData, c.withData);
    EXPECT_EQ(trailer.m_strName, c.storedName);
    EXPECT_EQ(trailer.m_nNameLength, c.nameLength);
    EXPECT_EQ(trailer.m_nLength[0], player.size());
    EXPECT_EQ(trailer.m_nLength[1], c.withData ? data.size() : project.size());
    EXPECT_EQ(trailer.m_nLength[2], c.withData ? project.size() : 0u);
}

INSTANTIATE_TEST_SUITE_P(Layouts, BundleLayoutTest,
    testing::Values(LayoutCase { "a.kel", true, "a", 1 }, LayoutCase { "a.kel", false, "a", 1 },
        LayoutCase { "birthdaycard.kel", true, "birthday", 12 },
        LayoutCase { "birthdaycard.kel", false, "birthday", 12 },
        LayoutCase { "party.kel", false, "party", 5 },
        LayoutCase { "12345678.kel", true, "12345678", 8 }));

TEST(BundleName, CutAtEitherSeparatorAndTheExtension)
{
    EXPECT_EQ(BundleProjectName("/home/ann/cards/party.kel"), "party");
    EXPECT_EQ(BundleProjectName("C:\\Cards\\party.kel"), "party");
    EXPECT_EQ(BundleProjectName("birthdaycard.kel"), "birthdaycard");
    EXPECT_EQ(BundleProjectName("abc"), "");
}

TEST(BundleTrailer, RejectsWhatIsNotABundle)
{
    CTempDir dir;
    std::string good = ReferenceBundle("PLAYER", nullptr, "PROJECT", "x");
    struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        { "shorter than a trailer", good.substr(good.size() - 33) },
        { "bytes missing in front", good.substr(1) },
        { "a byte too many", "!" + good },
        { "unknown tag", good.substr(0, good.size() - 10) + std::string("VELMORANX") + '\0' },
        { "two pieces but a third length",
            good.substr(0, good.size() - 26) + std::string("\x01\0\0\0", 4)
                + good.substr(good.size() - 22) },
    };
    for (const auto& c : cases) {
        WriteText(dir / "b.exe", c.bytes);
        CBundleTrailer trailer;
        EXPECT_FALSE(ReadBundleTrailer(dir / "b.exe", trailer)) << c.what;
    }
    WriteText(dir / "b.exe", good);
    CBundleTrailer trailer;
    EXPECT_TRUE(ReadBundleTrailer(dir / "b.exe", trailer));
    EXPECT_FALSE(ReadBundleTrailer(dir / "missing.exe", trailer));
}

constexpr char kPlayerStep[]
    = "Error 24: the player program cannot be copied into the player bundle";

struct MissingCase {
    const char* missing; // which input is absent
    bool withData;
    const char* errorText;
};

void PrintTo(const MissingCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.missing) + (c.withData ? " with data" : ""));
}

class BundleMissingTest : public testing::TestWithParam<MissingCase> { };

TEST_P(BundleMissingTest, AMissingPieceIsReportedAtTheStepThatNeedsIt)
{
    const MissingCase& c = GetParam();
    CTempDir dir;
    for (const char* name : { "play.exe", "play.dat", "copy.tmp" })
        if (std::string(name) != c.missing)
            WriteText(dir / name, PatternBytes(100, 5));
    platform::CMessageRecorder recorder;
    const std::string out = dir / "card.kel";
    bool built = c.withData
        ? BuildBundle(bundleThreePieces, dir / "play.exe", dir / "play.dat", dir / "copy.tmp", out)
        : BuildBundle(bundleTwoPieces, dir / "play.exe", dir / "copy.tmp", "", out);
    EXPECT_FALSE(built);
    std::vector<std::string> expected { (dir / c.missing) + ": Error! File Not Found",
        c.errorText };
    if (std::string(c.errorText).starts_with("Error 24:")) {
        expected.push_back(dir / "play.exe");
        expected.push_back(out);
    }
    EXPECT_EQ(Texts(recorder), expected);
}

INSTANTIATE_TEST_SUITE_P(Pieces, BundleMissingTest,
    testing::Values(MissingCase { "play.exe", true, kPlayerStep },
        MissingCase { "play.exe", false, kPlayerStep },
        MissingCase { "play.dat", true,
            "Error 25: the player's data cannot be copied into the player bundle" },
        MissingCase {
            "copy.tmp", false, "Error 25: the greeting cannot be copied into the player bundle" },
        MissingCase {
            "copy.tmp", true, "Error 26: the greeting cannot be copied into the player bundle" }));

TEST(BundleFailure, AnOutputInAMissingFolderFailsTheFirstAppend)
{
    CTempDir dir;
    WriteText(dir / "play.exe", "P");
    WriteText(dir / "copy.tmp", "K");
    platform::CMessageRecorder recorder;
    const std::string out = dir / "nowhere/card.kel";
    EXPECT_FALSE(BuildBundle(bundleTwoPieces, dir / "play.exe", dir / "copy.tmp", "", out));
    EXPECT_EQ(Texts(recorder),
        (std::vector<std::string> {
            out + ": Error! File Not Found", kPlayerStep, dir / "play.exe", out }));
}

struct LimitCase {
    uint64_t limit; // largest file size allowed, with three empty pieces
    const char* errorText;
};

void PrintTo(const LimitCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.limit);
}

class BundleWriteFailureTest : public testing::TestWithParam<LimitCase> { };

TEST_P(BundleWriteFailureTest, EachTrailerFieldReportsItsOwnStep)
{
    CTempDir dir;
    for (const char* name : { "play.exe", "play.dat", "copy.tmp" })
        WriteText(dir / name, "");
    platform::CMessageRecorder recorder;
    bool built;
    {
        CFileSizeLimit limit(GetParam().limit);
        built = BuildBundle(bundleThreePieces, dir / "play.exe", dir / "play.dat", dir / "copy.tmp",
            dir / "card.kel");
    }
    EXPECT_FALSE(built);
    EXPECT_EQ(Texts(recorder), (std::vector<std::string> { GetParam().errorText }));
}

INSTANTIATE_TEST_SUITE_P(Fields, BundleWriteFailureTest,
    testing::Values(
        LimitCase {
            0, "Error 28: the lengths of the pieces cannot be written into the player bundle" },
        LimitCase { 12, "Error 29: the greeting's name cannot be written into the player bundle" },
        LimitCase { 20,
            "Error 30: the length of the greeting's name cannot be written into the player "
            "bundle" },
        LimitCase { 24, "Error 31: the closing mark of the player bundle cannot be written" }));

TEST(BundleFailure, APieceTooLargeForTheTrailerIsRefusedBeforeCopying)
{
    CTempDir dir;
    WriteText(dir / "play.exe", "P");
    int fd = ::open((dir / "huge.tmp").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, (int64_t { 1 } << 32) + 1), 0); // sparse: takes no room
    ::close(fd);
    platform::CMessageRecorder recorder;
    EXPECT_FALSE(
        BuildBundle(bundleTwoPieces, dir / "play.exe", dir / "huge.tmp", "", dir / "card.kel"));
    std::vector<std::string> texts = Texts(recorder);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "Error 27: a piece is too large for the player bundle");
    EXPECT_EQ(ReadText(dir / "card.kel"), "");
}

TEST(AttachmentName, OnlyLettersDigitsDashesAndUnderscores)
{
    EXPECT_EQ(AttachmentStem("/tmp/x/Happy Birthday.kel"), "Happy_Birthday");
    EXPECT_EQ(AttachmentStem("/tmp/x/party.kel"), "party");
    EXPECT_EQ(AttachmentStem("/tmp/x/my-card_2.kel"), "my-card_2");
    EXPECT_EQ(AttachmentStem("/tmp/x/  Love, love; love!  .kel"), "Love_love_love");
    EXPECT_EQ(AttachmentStem("/tmp/x/\xc9t\xe9 \xe0 Z\xfcrich.kel"), "Ete_a_Zurich");
    EXPECT_EQ(AttachmentStem("/tmp/x/Stra\xdf"
                             "e.kel"),
        "Strasse");
    EXPECT_EQ(AttachmentStem("/tmp/x/\xc6sop \x8c"
                             "uvre.kel"),
        "AEsop_OEuvre");
    EXPECT_EQ(AttachmentStem("/tmp/x/\"a\".kel"), "a");
    EXPECT_EQ(AttachmentStem("/tmp/x/!!!.kel"), "greeting");
    EXPECT_EQ(AttachmentStem("/tmp/x/.kel"), "greeting");
    EXPECT_EQ(AttachmentStem("/tmp/x/\xd7\xf7.kel"), "greeting");
    EXPECT_EQ(AttachmentStem("/tmp/x/" + std::string(100, 'z') + ".kel"), std::string(64, 'z'));
}

} // namespace

// The resource library as the program reaches it: loading the file, strings by number through
// LoadResString, bitmaps by name, the formatting of string arguments, and the built library
// against everything the program asks of it.
#include "editor/core/required.h"
#include "editor/skin/ownresources.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace {

using platform::CResourceLibrary;

// Builds a small resource library of the library's layout with the given strings, one
// 10 x 6 picture "FACE" in plum with its 1.5x set (15 x 9, coral) and 2x set (20 x 12, teal),
// and a 4 x 4 "ONLY" without sets, with the same rcc tool the build uses.
class CTestLibrary {
public:
    explicit CTestLibrary(const std::vector<std::pair<int, std::string>>& strings)
    {
        QString root = m_dir.path();
        QDir().mkpath(root + "/strings");
        QDir().mkpath(root + "/bitmaps");
        QByteArray qrc = "<RCC><qresource prefix=\"/\">\n";
        for (const auto& [id, utf8] : strings) {
            QFile file(QString("%1/strings/%2").arg(root).arg(id));
            file.open(QIODevice::WriteOnly);
            file.write(utf8.data(), static_cast<qint64>(utf8.size()));
            qrc += QString("<file>strings/%1</file>\n").arg(id).toUtf8();
        }
        const std::pair<const char*, QImage> pictures[] = {
            {"FACE", Filled(10, 6, kPlum)}, {"FACE@1.5x", Filled(15, 9, kCoral)},
            {"FACE@2x", Filled(20, 12, kTeal)}, {"ONLY", Filled(4, 4, kPlum)}};
        for (const auto& [name, picture] : pictures) {
            picture.save(root + "/bitmaps/" + name + ".png");
            qrc += QString("<file>bitmaps/%1.png</file>\n").arg(name).toUtf8();
        }
        qrc += "</qresource></RCC>\n";
        QFile list(root + "/test.qrc");
        list.open(QIODevice::WriteOnly);
        list.write(qrc);
        list.close();
        m_path = (root + "/test.rcc").toStdString();
        QProcess rcc;
        rcc.setWorkingDirectory(root);
        rcc.start(built::kRcc, {"--binary", "test.qrc", "-o", "test.rcc"});
        m_bOk = rcc.waitForFinished(60000) && rcc.exitCode() == 0;
    }
    const std::string& Path() const { return m_path; }
    bool Ok() const { return m_bOk; }

    static constexpr QRgb kPlum = 0xFF4A2545;
    static constexpr QRgb kCoral = 0xFFFF6F61;
    static constexpr QRgb kTeal = 0xFF2EC4B6;

private:
    static QImage Filled(int width, int height, QRgb colour)
    {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(colour);
        return picture;
    }

    QTemporaryDir m_dir;
    std::string m_path;
    bool m_bOk = false;
};

// Installs a library for one test and takes it out again.
class CInstalled {
public:
    explicit CInstalled(CResourceLibrary* library) : m_pPrevious(platform::SetResourceLibrary(library)) {}
    ~CInstalled() { platform::SetResourceLibrary(m_pPrevious); }

private:
    CResourceLibrary* m_pPrevious;
};

TEST(ResourceLibrary, missing_file_is_not_loaded)
{
    EXPECT_EQ(CResourceLibrary::Load("/nonexistent/ksredfr120.rcc"), nullptr);
    EXPECT_EQ(CResourceLibrary::Load(""), nullptr);
}

TEST(ResourceLibrary, file_that_is_not_a_resource_file_is_not_loaded)
{
    QTemporaryDir dir;
    std::string path = (dir.path() + "/ksredfr120.rcc").toStdString();
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::WriteOnly);
    file.write("MZ this is not a resource collection at all");
    file.close();
    EXPECT_EQ(CResourceLibrary::Load(path), nullptr);
}

TEST(ResourceLibrary, strings_come_whole)
{
    CTestLibrary built({{10105, "Caf\xC3\xA9 \xE2\x80\x9C%s\xE2\x80\x9D"}});
    ASSERT_TRUE(built.Ok());
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    CInstalled installed(library.get());
    EXPECT_EQ(platform::LoadResString(10105), "Caf\u00E9 \u201C%s\u201D");
}

TEST(ResourceLibrary, missing_string_and_missing_library_give_empty_text)
{
    CTestLibrary built({{1, "one"}});
    ASSERT_TRUE(built.Ok());
    EXPECT_EQ(platform::LoadResString(1), "") << "no library installed";
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    CInstalled installed(library.get());
    EXPECT_EQ(platform::LoadResString(1), "one");
    EXPECT_EQ(platform::LoadResString(2), "");
    EXPECT_EQ(platform::LoadResString(-1), "");
}

TEST(ResourceLibrary, strings_are_cut_at_254_characters)
{
    CTestLibrary built({{7, std::string(300, 'x')}, {8, std::string(254, 'y')}});
    ASSERT_TRUE(built.Ok());
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    CInstalled installed(library.get());
    EXPECT_EQ(library->Get(7).size(), 300u) << "the library keeps the whole text";
    EXPECT_EQ(platform::LoadResString(7), std::string(254, 'x'));
    EXPECT_EQ(platform::LoadResString(8), std::string(254, 'y'));
}

TEST(ResourceLibrary, every_call_loads_again)
{
    CTestLibrary first({{1, "first"}});
    CTestLibrary second({{1, "second"}});
    ASSERT_TRUE(first.Ok() && second.Ok());
    auto a = CResourceLibrary::Load(first.Path());
    auto b = CResourceLibrary::Load(second.Path());
    ASSERT_TRUE(a && b);
    {
        CInstalled installed(a.get());
        EXPECT_EQ(platform::LoadResString(1), "first");
    }
    CInstalled installed(b.get());
    EXPECT_EQ(platform::LoadResString(1), "second");
    EXPECT_EQ(a->Get(1), "first") << "two loaded libraries do not see each other's content";
}

TEST(ResourceLibrary, destroyed_library_uninstalls_itself)
{
    CTestLibrary built({{1, "one"}});
    ASSERT_TRUE(built.Ok());
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    platform::SetResourceLibrary(library.get());
    library.reset();
    EXPECT_EQ(platform::GetResourceLibrary(), nullptr);
    EXPECT_EQ(platform::LoadResString(1), "");
    EXPECT_TRUE(platform::LoadResBitmap("FACE").isNull());
}

TEST(ResourceLibrary, bitmap_by_name)
{
    CTestLibrary built({});
    ASSERT_TRUE(built.Ok());
    EXPECT_TRUE(platform::LoadResBitmap("FACE").isNull()) << "no library installed";
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    CInstalled installed(library.get());
    QImage face = platform::LoadResBitmap("FACE");
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.size(), QSize(10, 6));
    EXPECT_EQ(face.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(face.pixel(3, 3), qRgb(0x4A, 0x25, 0x45));
    EXPECT_TRUE(platform::LoadResBitmap("NOFACE").isNull());
    EXPECT_TRUE(platform::LoadResBitmap("face").isNull()) << "names are case-sensitive";
}

// Names come from dialog item texts; none of them may reach outside the library's bitmaps.
class BitmapNameRefused : public testing::TestWithParam<const char*> {};

TEST_P(BitmapNameRefused, gives_no_bitmap)
{
    CTestLibrary built({});
    ASSERT_TRUE(built.Ok());
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(library->Bitmap(GetParam()).isNull());
    EXPECT_FALSE(library->HasBitmap(GetParam()));
}

// A bitmap for a device pixel ratio: the nearest set at or above it, scaled between sets, its
// logical size always the 1x size; the 1x picture enlarged when the library lacks the set.
struct RatioCase {
    const char* name;
    qreal ratio;
    QSize pixels;
    qreal carried; // the device pixel ratio the image carries
    QRgb colour;
};

void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name << " at " << c.ratio; }

class BitmapAtRatio : public testing::TestWithParam<RatioCase> {};

TEST_P(BitmapAtRatio, comes_from_the_nearest_set_at_or_above_it)
{
    const RatioCase& c = GetParam();
    CTestLibrary built({});
    ASSERT_TRUE(built.Ok());
    auto library = CResourceLibrary::Load(built.Path());
    ASSERT_NE(library, nullptr);
    CInstalled installed(library.get());
    const QImage picture = platform::LoadResBitmap(c.name, c.ratio);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), c.pixels);
    EXPECT_EQ(picture.devicePixelRatio(), c.carried);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), library->Bitmap(c.name).size());
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 2), c.colour);
    EXPECT_EQ(library->HasBitmap(c.name, c.ratio), std::string(c.name) == "FACE");
    // Only the 1x names are listed; the sets are not bitmaps of their own.
    EXPECT_EQ(library->BitmapNames(), (std::vector<std::string>{"FACE", "ONLY"}));
    EXPECT_TRUE(library->Bitmap("FACE@2x").isNull());
    EXPECT_TRUE(library->Bitmap("NOFACE", c.ratio).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, BitmapAtRatio,
    testing::Values(RatioCase{"FACE", 0.5, {10, 6}, 1, CTestLibrary::kPlum},
                    RatioCase{"FACE", 1, {10, 6}, 1, CTestLibrary::kPlum},
                    RatioCase{"FACE", 1.25, {13, 8}, 1.25, CTestLibrary::kCoral},
                    RatioCase{"FACE", 1.5, {15, 9}, 1.5, CTestLibrary::kCoral},
                    RatioCase{"FACE", 1.75, {18, 11}, 1.75, CTestLibrary::kTeal},
                    RatioCase{"FACE", 2, {20, 12}, 2, CTestLibrary::kTeal},
                    RatioCase{"FACE", 3, {30, 18}, 3, CTestLibrary::kTeal},
                    RatioCase{"ONLY", 2, {8, 8}, 2, CTestLibrary::kPlum}));

INSTANTIATE_TEST_SUITE_P(Names, BitmapNameRefused,
                         testing::Values("", "../strings/1", "FACE.png", "bitmaps/FACE", "FA CE",
                                         "/FACE", ":/FACE", "FACE@2x"));

struct FormatCase {
    const char* format;
    std::vector<std::string> args;
    const char* expected;
};

class FormatResText : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResText, fills_only_text_arguments)
{
    EXPECT_EQ(platform::FormatResText(GetParam().format, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatResText,
    testing::Values(FormatCase{"No files in \"%s\".", {"/data"}, "No files in \"/data\"."},
                    FormatCase{"100%% sure", {}, "100% sure"},
                    FormatCase{"%d and %s", {"x"}, "%d and x"},
                    FormatCase{"%s then %s", {"a"}, "a then %s"},
                    FormatCase{"%s", {"%s%n%d"}, "%s%n%d"},
                    FormatCase{"ends with %", {}, "ends with %"},
                    FormatCase{"Can not find dll '%s'\n The program wil be closed!",
                               {"/x/ksredfr120.rcc"},
                               "Can not find dll '/x/ksredfr120.rcc'\n The program wil be closed!"}));

// ---------------------------------------------------------------------------------------
// The built library.

class BuiltLibrary : public testing::Test {
protected:
    static void SetUpTestSuite() { s_library = CResourceLibrary::Load(built::kResourceLibrary); }
    static void TearDownTestSuite() { s_library.reset(); }
    static std::unique_ptr<CResourceLibrary> s_library;
};
std::unique_ptr<CResourceLibrary> BuiltLibrary::s_library;

TEST_F(BuiltLibrary, holds_every_bitmap_the_program_asks_for)
{
    ASSERT_NE(s_library, nullptr) << built::kResourceLibrary;
    std::vector<std::string> missing;
    for (const std::string& name : RequiredBitmapNames())
        if (s_library->Bitmap(name).isNull())
            missing.push_back(name);
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first " << missing.front();
}

TEST_F(BuiltLibrary, holds_every_string_the_program_asks_for)
{
    ASSERT_NE(s_library, nullptr);
    for (int id : RequiredStringIds()) {
        std::string text = s_library->Get(id);
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_LE(text.size(), 254u) << id;
    }
}

// Only the strings whose callers pass a text may contain "%s"; the time template needs its
// fields.
TEST_F(BuiltLibrary, string_arguments_match_their_callers)
{
    ASSERT_NE(s_library, nullptr);
    for (int id : s_library->StringIds()) {
        std::string text = s_library->Get(id);
        size_t count = 0;
        for (size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + 2))
            ++count;
        EXPECT_EQ(count, (id == 10105 || id == 10152) ? 1u : 0u) << id << ": " << text;
    }
    std::string elapsed = s_library->Get(10143);
    for (const char* field : {"%H", "%M", "%S"})
        EXPECT_NE(elapsed.find(field), std::string::npos) << field;
}

TEST(OwnResources, the_program_carries_its_cursors_icons_and_tooltip_ends)
{
    // At 1x, 1.5x and 2x.
    const std::vector<std::string> missing = MissingOwnResources();
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first " << missing.front();
    QPoint hot;
    QImage cursor = LoadOwnCursor(210, &hot);
    EXPECT_EQ(cursor.size(), QSize(32, 32));
    EXPECT_EQ(hot, QPoint(16, 16));
    EXPECT_EQ(LoadOwnIcon(600, 16).size(), QSize(16, 16));
    EXPECT_EQ(LoadOwnIcon(5, 32).size(), QSize(32, 32));
    EXPECT_TRUE(LoadOwnBitmap("../icons/5-16").isNull());
    QImage sound = LoadOwnBitmap("139");
    ASSERT_EQ(sound.size(), QSize(32, 32));
    // White is the image list's transparent colour: the corners are white, the picture is not.
    EXPECT_EQ(sound.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(sound.pixel(16, 16), qRgb(255, 255, 255));
    // For a screen at 2x: the 2x pictures, their logical size and hot spot the 1x ones, and a
    // window icon that holds them.
    QPoint hot2;
    const QImage cursor2 = LoadOwnCursor(210, 2.0, &hot2);
    EXPECT_EQ(cursor2.size(), QSize(64, 64));
    EXPECT_EQ(cursor2.devicePixelRatio(), 2.0);
    EXPECT_EQ(hot2, hot);
    EXPECT_EQ(LoadOwnIcon(600, 16, 1.5).size(), QSize(24, 24));
    EXPECT_EQ(LoadOwnBitmap("139", 2.0).deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(OwnIconSet(5).pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    EXPECT_EQ(OwnIconSet(5).pixmap(QSize(16, 16), 1.5).size(), QSize(24, 24));
}

// ---------------------------------------------------------------------------------------
// vimble-tool's resource verbs.

struct ToolRun {
    int exitCode = -1;
    QString out;
};

ToolRun RunTool(const QStringList& args)
{
    QProcess tool;
    tool.start(built::kTool, args);
    ToolRun run;
    if (tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    return run;
}

TEST(ResourceVerbs, check_reports_nothing_missing_in_the_built_library)
{
    ToolRun run = RunTool({"resources", "check", built::kResourceLibrary});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

TEST(ResourceVerbs, check_names_what_a_library_lacks)
{
    CTestLibrary built({{10105, "no %s and %s"}, {10134, "small"}});
    ASSERT_TRUE(built.Ok());
    ToolRun run = RunTool({"resources", "check", QString::fromStdString(built.Path())});
    EXPECT_EQ(run.exitCode, 1);
    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("bitmap MAIN_WND"));
    EXPECT_TRUE(lines.contains("bitmap MAIN_WND at 1.5x"));
    EXPECT_TRUE(lines.contains("bitmap MAIN_WND at 2x"));
    EXPECT_TRUE(lines.contains("bitmap mtb11U"));
    EXPECT_TRUE(lines.contains("bitmap mtb11U at 2x"));
    EXPECT_TRUE(lines.contains("bitmap SPLASH_9") == false) << "frame 9 is never shown";
    EXPECT_TRUE(lines.contains("bitmap SPLASH_08"));
    EXPECT_TRUE(lines.contains("string 10137"));
    EXPECT_FALSE(lines.contains("string 10134"));
    EXPECT_TRUE(lines.contains("string 10105 takes 2 text arguments, its callers give 1"));
}

TEST(ResourceVerbs, check_of_a_missing_library_fails_with_one_line)
{
    QProcess tool;
    tool.start(built::kTool, {"resources", "check", "/nonexistent/ksredfr120.rcc"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(tool.readAllStandardError()),
              "/nonexistent/ksredfr120.rcc: cannot be opened as a resource library\n");
}

// At 2x the sheet has the layout of the 1x sheet (logical pixels) at twice the pixels each way;
// that the 2x faces on it are drawn anew, not enlarged, is the faces' own test.
TEST(ResourceVerbs, sheet_draws_every_face_on_one_picture_at_1x_and_2x)
{
    QTemporaryDir dir;
    QString out = dir.path() + "/sheet.png";
    ToolRun run = RunTool({"resources", "sheet", out, built::kResourceLibrary});
    ASSERT_EQ(run.exitCode, 0);
    QImage sheet(out);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.width(), 1800);
    // Far more than the splash frames and the backdrop alone would need.
    EXPECT_GT(sheet.height(), 5000);

    QString out2 = dir.path() + "/sheet2.png";
    run = RunTool({"resources", "sheet", "--scale", "2", out2, built::kResourceLibrary});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(QImageReader(out2).size(), sheet.size() * 2);
    run = RunTool({"resources", "sheet", "--scale", "9", out2, built::kResourceLibrary});
    EXPECT_EQ(run.exitCode, 2) << "a scale out of range is refused";
}

} // namespace

// The installation: `cmake --install` of this build into a fresh prefix gives the usual layout,
// and the installed programs, like the built ones, find their library and data beside
// themselves with no settings at all; the desktop's entries are valid; the first start copies
// the sample greetings out of a read-only installation into the person's own folder.
#include "editor/core/app.h"
#include "platform/files.h"
#include "tests/buildpaths.h"
#include "tests/guard/process_guard.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QSettings>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kShare = "share/vimble-email";
const std::string kSample = "samples/Happy Birthday.kel";
const int kIconSizes[] = { 16, 24, 32, 48, 64, 128, 256, 512 };

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const std::string& path)
{
    std::vector<uint8_t> data;
    platform::ReadWholeFile(path, data);
    return std::string(data.begin(), data.end());
}

void WriteText(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(platform::WriteWholeFile(
        path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
        << path;
}

// Where a program is found on the PATH, or empty.
std::string FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find(':', start);
        if (end == std::string::npos)
            end = rest.size();
        const std::string candidate = rest.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Runs a program with the environment of this process changed by `changes` (an empty
// optional removes the variable); the output and errors are collected from files.
Result RunProgram(const std::vector<std::string>& argv,
    const std::map<std::string, std::optional<std::string>>& changes = {})
{
    std::map<std::string, std::string> env;
    for (char** p = environ; *p != nullptr; ++p) {
        const std::string entry = *p;
        const size_t eq = entry.find('=');
        if (eq != std::string::npos)
            env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    // The sanitizer builds' programs: leaks are not what is looked at here.
    env["ASAN_OPTIONS"] = "detect_leaks=0";
    env["QT_QPA_PLATFORM"] = "offscreen";
    for (const auto& [name, value] : changes) {
        if (value)
            env[name] = *value;
        else
            env.erase(name);
    }
    std::vector<std::string> envText;
    for (const auto& [name, value] : env)
        envText.push_back(name + "=" + value);
    std::vector<char*> envp, args;
    for (std::string& entry : envText)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (std::string& arg : argvCopy)
        args.push_back(arg.data());
    args.push_back(nullptr);

    const std::string dir = platform::MakeTempDirectory("vimble-run-");
    const std::string outFile = dir + "/out", errFile = dir + "/err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT, 0600);
    Result result;
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadText(outFile);
    result.err = ReadText(errFile);
    fs::remove_all(dir);
    return result;
}

bool IsExecutableFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR) != 0;
}

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = platform::MakeTempDirectory("vimble-install-");
        ASSERT_FALSE(s_root.empty());
        // A prefix with a blank in it: every path the installation writes must stay quoted.
        s_prefix = s_root + "/pre fix";
        s_install
            = RunProgram({ built::kCMake, "--install", built::kBuildDir, "--prefix", s_prefix });
        // Empty settings folders: the programs must get on with no settings at all.
        s_emptyConfig = s_root + "/no settings";
        s_emptyHome = s_root + "/no user settings";
        fs::create_directories(s_emptyConfig);
        fs::create_directories(s_emptyHome);
    }
    static void TearDownTestSuite()
    {
        std::error_code ignored;
        fs::permissions(s_root, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(s_root, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(s_root, ignored);
    }
    void SetUp() override { ASSERT_EQ(s_install.status, 0) << s_install.out << s_install.err; }

    static std::string Prefix(const std::string& path) { return s_prefix + "/" + path; }
    // The environment of a run without any settings.
    static std::map<std::string, std::optional<std::string>> NoSettings()
    {
        return { { "XDG_CONFIG_DIRS", s_emptyConfig }, { "XDG_CONFIG_HOME", s_emptyHome } };
    }
    static std::string Tool() { return Prefix("bin/vimble-tool"); }

    static std::string s_root, s_prefix, s_emptyConfig, s_emptyHome;
    static Result s_install;
};

std::string Installed::s_root, Installed::s_prefix, Installed::s_emptyConfig,
    Installed::s_emptyHome;
Result Installed::s_install;

// ---- The layout ----

TEST_F(Installed, programs_lie_in_bin)
{
    for (const char* name : { "vimble", "vimble-tool", "vimble-play" })
        EXPECT_TRUE(IsExecutableFile(Prefix(std::string("bin/") + name))) << name;
    // The programs that only make the build's own files are not installed.
    for (const char* name :
        { "vimble-playdat", "vimble-demo", "vimble-libgen", "vimble-resgen", "vimble-icongen" })
        EXPECT_FALSE(fs::exists(Prefix(std::string("bin/") + name))) << name;
}

TEST_F(Installed, library_and_data_lie_in_share)
{
    for (const char* name :
        { "ksredfr120.rcc", "play.dat", "Demo.avi", "err.msg", "err.de.msg", "err.fr.msg",
            "err.es.msg", "err.pl.msg", "err.ru.msg", "err.ja.msg", "book.dat",
            "mailproviders.tsv", "1.hdr", "1.zty" })
        EXPECT_TRUE(fs::is_regular_file(Prefix(kShare + "/" + name))) << name;
    EXPECT_TRUE(IsExecutableFile(Prefix(kShare + "/play.exe")));
    // The whole sample library, and the sample greetings.
    int headers = 0, items = 0;
    for (const auto& entry : fs::directory_iterator(Prefix(kShare))) {
        headers += entry.path().extension() == ".hdr";
        items += entry.path().extension() == ".zty";
    }
    EXPECT_EQ(headers, 52);
    EXPECT_EQ(items, headers);
    int samples = 0;
    for (const auto& entry : fs::directory_iterator(Prefix(kShare + "/samples")))
        samples += entry.path().extension() == ".kel";
    EXPECT_EQ(samples, 3);
    EXPECT_TRUE(fs::is_regular_file(Prefix(kShare + "/" + kSample)));
    // The files are the build's own.
    EXPECT_EQ(ReadText(Prefix(kShare + "/play.dat")),
        ReadText(std::string(built::kDataDir) + "/play.dat"));
}

// The manual lies where the installed editor's F1 looks for it (PREFIX/bin/vimble ->
// PREFIX/share/doc/vimble-email/manual/index.html, and de/, ja/ and so on beside it): every
// page and picture the build made, byte for byte, and every picture a page shows is there and
// is a picture.
TEST_F(Installed, manual_lies_in_share_doc)
{
    const std::string built = std::string(built::kBuildDir) + "/manual";
    const std::string manual = Prefix("share/doc/vimble-email/manual");
    ASSERT_TRUE(fs::is_regular_file(manual + "/index.html"));
    int pages = 0, pictures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(built)) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), built).string();
        const std::string installed = manual + "/" + relative;
        ASSERT_TRUE(fs::is_regular_file(installed)) << relative;
        EXPECT_EQ(ReadText(installed), ReadText(entry.path().string())) << relative;
        pages += entry.path().extension() == ".html";
        pictures += entry.path().extension() == ".png";
    }
    // In all seven languages.
    EXPECT_GE(pages, 7 * 9);
    EXPECT_GE(pictures, 7 * 10);
    for (const char* folder : {"", "/de", "/fr", "/es", "/pl", "/ru", "/ja"}) {
        EXPECT_TRUE(fs::is_regular_file(manual + folder + "/index.html")) << folder;
        EXPECT_TRUE(fs::is_regular_file(manual + folder + "/manual.css")) << folder;
    }
    // A page not yet translated is the English one under a line saying so in that language.
    const std::string untranslated = ReadText(manual + "/ja/effects.html");
    EXPECT_NE(untranslated.find("<html lang=\"ja\">"), std::string::npos);
    EXPECT_NE(untranslated.find("class=\"untranslated\""), std::string::npos);
    EXPECT_NE(untranslated.find("<div lang=\"en\">"), std::string::npos);
    EXPECT_EQ(ReadText(manual + "/de/effects.html").find("class=\"untranslated\""),
        std::string::npos);
    int shown = 0;
    for (const auto& entry : fs::recursive_directory_iterator(manual)) {
        if (entry.path().extension() != ".html")
            continue;
        const std::string text = ReadText(entry.path().string());
        EXPECT_NE(text.find("href=\"manual.css\""), std::string::npos) << entry.path();
        for (size_t at = text.find("src=\""); at != std::string::npos;
             at = text.find("src=\"", at + 1)) {
            const size_t start = at + 5;
            const std::string picture = text.substr(start, text.find('"', start) - start);
            const QImage image(
                QString::fromStdString(entry.path().parent_path().string() + "/" + picture));
            EXPECT_GE(image.width(), 200) << entry.path() << " shows " << picture;
            ++shown;
        }
    }
    EXPECT_GE(shown, pictures);
}

TEST_F(Installed, settings_name_the_installed_paths)
{
    const std::string text = ReadText(Prefix("etc/xdg/Kelbrant/Vimble e-mail.conf"));
    ASSERT_FALSE(text.empty());
    const std::string share = Prefix(kShare);
    EXPECT_NE(text.find("DllPath=\"" + share + "\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DataFiles1=\"" + share + "\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("AviPath=\"" + share + "\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ExportFiles=\"~\"\n"), std::string::npos) << text;
    // The message carries the picture, the video and the greeting file, not the program.
    for (const char* line : { "MailAttachPlayer=0\n", "MailAttachVideo=1\n",
             "MailAttachGreeting=1\n", "MailSizeLimit=15728640\n" })
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_EQ(text.find(built::kBuildDir), std::string::npos) << text;
}

TEST_F(Installed, desktop_entries_lie_where_the_desktop_looks)
{
    for (const char* path : { "share/applications/vimble-email.desktop",
             "share/mime/packages/vimble-email.xml", "share/thumbnailers/vimble-email.thumbnailer",
             "share/metainfo/com.kelbrant.vimble_email.metainfo.xml" })
        EXPECT_TRUE(fs::is_regular_file(Prefix(path))) << path;
    const std::string entry = ReadText(Prefix("share/applications/vimble-email.desktop"));
    EXPECT_NE(entry.find("\nExec=vimble %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=vimble-email\n"), std::string::npos);
    EXPECT_NE(entry.find("\nStartupWMClass=vimble-email\n"), std::string::npos);
    EXPECT_NE(entry.find("\nMimeType=application/x-vimble-greeting;\n"), std::string::npos);
}

TEST_F(Installed, icons_are_drawn_at_every_size)
{
    for (int size : kIconSizes) {
        const std::string folder
            = Prefix("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size));
        for (const std::string& file : { folder + "/apps/vimble-email.png",
                 folder + "/mimetypes/application-x-vimble-greeting.png" }) {
            QImage icon(QString::fromStdString(file));
            ASSERT_FALSE(icon.isNull()) << file;
            EXPECT_EQ(icon.size(), QSize(size, size)) << file;
            EXPECT_TRUE(icon.hasAlphaChannel()) << file;
            // Transparent round the corners, drawn in the middle.
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << file;
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << file;
        }
    }
}

// ---- The installed programs with no settings at all ----

TEST_F(Installed, resource_check_finds_the_installed_library)
{
    const Result r = RunProgram({ Tool(), "resources", "check" }, NoSettings());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST_F(Installed, catalogue_lists_the_installed_sample_library)
{
    const Result r = RunProgram({ Tool(), "catalogue" }, NoSettings());
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* category : { "\"Birthday\"", "\"Love\"", "\"Holidays\"", "\"Party\"" })
        EXPECT_NE(r.out.find(category), std::string::npos) << category << "\n" << r.out;
    EXPECT_NE(r.out.find(Prefix(kShare)), std::string::npos) << r.out;
}

TEST_F(Installed, render_draws_a_sample_greeting)
{
    const std::string still = s_root + "/still.png";
    const Result r = RunProgram(
        { Tool(), "render", Prefix(kShare + "/" + kSample), "--still", still }, NoSettings());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(still)).size(), QSize(800, 600));
}

TEST_F(Installed, render_fits_a_thumbnail_into_a_square)
{
    for (int side : { 128, 256, 61 }) {
        const std::string thumb = s_root + "/thumb.png";
        const Result r = RunProgram({ Tool(), "render", Prefix(kShare + "/" + kSample), "--still",
                                        thumb, "--fit", std::to_string(side) },
            NoSettings());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(QImage(QString::fromStdString(thumb)).size(), QSize(side, side * 3 / 4));
        fs::remove(thumb);
    }
    // A size and a square at once, or a square that is no number, is a misused command line.
    const std::string sample = Prefix(kShare + "/" + kSample);
    EXPECT_EQ(RunProgram({ Tool(), "render", sample, "--still", s_root + "/x.png", "--fit", "64",
                             "--scale", "80x60" })
                  .status,
        2);
    EXPECT_EQ(
        RunProgram({ Tool(), "render", sample, "--still", s_root + "/x.png", "--fit", "64px" })
            .status,
        2);
    EXPECT_FALSE(fs::exists(s_root + "/x.png"));
}

TEST_F(Installed, the_thumbnailer_command_line_makes_a_thumbnail)
{
    // The entry's command line as a file manager fills it in: %i the file, %o the picture, %s
    // the size.
    const std::string entry = ReadText(Prefix("share/thumbnailers/vimble-email.thumbnailer"));
    const size_t exec = entry.find("\nExec=");
    ASSERT_NE(exec, std::string::npos);
    std::string line = entry.substr(exec + 6, entry.find('\n', exec + 1) - exec - 6);
    std::vector<std::string> argv;
    size_t start = 0;
    while (start < line.size()) {
        size_t end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        std::string word = line.substr(start, end - start);
        if (word == "%i")
            word = Prefix(kShare + "/" + kSample);
        else if (word == "%o")
            word = s_root + "/thumbnail.png";
        else if (word == "%s")
            word = "128";
        else if (word == "vimble-tool")
            word = Tool();
        argv.push_back(word);
        start = end + 1;
    }
    const Result r = RunProgram(argv, NoSettings());
    ASSERT_EQ(r.status, 0) << line << "\n" << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(s_root + "/thumbnail.png")).size(), QSize(128, 96));
}

TEST_F(Installed, installed_settings_work_as_well)
{
    auto env = NoSettings();
    env["XDG_CONFIG_DIRS"] = Prefix("etc/xdg");
    Result r = RunProgram({ Tool(), "resources", "check" }, env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunProgram({ Tool(), "catalogue" }, env);
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(Installed, a_setting_still_overrides_the_place_beside_the_program)
{
    const std::string home = s_root + "/overriding";
    fs::create_directories(home + "/Kelbrant");
    fs::create_directories(s_root + "/no headers");
    WriteText(home + "/Kelbrant/Vimble e-mail.conf",
        "[1.00]\nDllPath=\"" + s_root + "/nowhere\"\nDataFiles1=\"" + s_root + "/no headers\"\n");
    auto env = NoSettings();
    env["XDG_CONFIG_HOME"] = home;
    Result r = RunProgram({ Tool(), "resources", "check" }, env);
    EXPECT_EQ(r.status, 1);
    r = RunProgram({ Tool(), "catalogue" }, env);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no headers"), std::string::npos) << r.err;
}

TEST_F(Installed, a_moved_installation_still_finds_its_files)
{
    const std::string moved = s_root + "/moved";
    fs::copy(s_prefix, moved, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::string tool = moved + "/bin/vimble-tool";
    Result r = RunProgram({ tool, "resources", "check" }, NoSettings());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunProgram({ tool, "catalogue" }, NoSettings());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(moved + "/" + kShare), std::string::npos);
    EXPECT_EQ(r.out.find(Prefix(kShare)), std::string::npos);
    fs::remove_all(moved);
}

// ---- The built programs, run where the build put them ----

TEST_F(Installed, built_tool_finds_the_build_files_with_no_settings)
{
    const std::map<std::string, std::optional<std::string>> env
        = { { "XDG_CONFIG_DIRS", std::nullopt }, { "XDG_CONFIG_HOME", s_emptyHome } };
    Result r = RunProgram({ built::kTool, "resources", "check" }, env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunProgram({ built::kTool, "catalogue" }, env);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(built::kDataDir), std::string::npos) << r.out;
    const std::string still = s_root + "/built.png";
    r = RunProgram({ built::kTool, "render", std::string(built::kDataDir) + "/" + kSample,
                       "--still", still },
        env);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(still)).size(), QSize(800, 600));
}

// ---- The desktop's checkers, where they are installed ----

TEST_F(Installed, desktop_entry_is_valid)
{
    const std::string validator = FindProgram("desktop-file-validate");
    if (validator.empty())
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is not installed";
    const Result r = RunProgram({ validator, Prefix("share/applications/vimble-email.desktop") });
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out + r.err, "");
}

TEST_F(Installed, metainfo_is_valid)
{
    const std::string validator = FindProgram("appstreamcli");
    if (validator.empty())
        GTEST_SKIP() << "appstreamcli (appstream) is not installed";
    const Result r = RunProgram({ validator, "validate", "--no-net", "--pedantic",
        Prefix("share/metainfo/com.kelbrant.vimble_email.metainfo.xml") });
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out.find("W:"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("I:"), std::string::npos) << r.out;
}

TEST_F(Installed, greetings_are_known_by_name_and_by_their_tag)
{
    const std::string updater = FindProgram("update-mime-database");
    if (updater.empty())
        GTEST_SKIP() << "update-mime-database (shared-mime-info) is not installed";
    const std::string mime = s_root + "/mime-share";
    fs::create_directories(mime + "/mime/packages");
    fs::copy_file(
        Prefix("share/mime/packages/vimble-email.xml"), mime + "/mime/packages/vimble-email.xml");
    const Result r = RunProgram({ updater, mime + "/mime" });
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    // Only this installation's types and the system's: the database is read at its first use.
    // (Qt's type database is made once per process: no other test of this program uses it.)
    const CScopedEnv dataDirs("XDG_DATA_DIRS", mime + ":/usr/share");
    const CScopedEnv dataHome("XDG_DATA_HOME", s_root + "/no data");
    QMimeDatabase types;
    // By name, whatever it holds; by the tag at the start, whatever it is called.
    const QString named = QString::fromStdString(s_root + "/empty.kel");
    WriteText(named.toStdString(), "");
    const QString renamed = QString::fromStdString(s_root + "/greeting.dat");
    fs::copy_file(Prefix(kShare + "/" + kSample), renamed.toStdString());
    EXPECT_EQ(types.mimeTypeForFile(named).name(), "application/x-vimble-greeting");
    EXPECT_EQ(types.mimeTypeForFile(renamed).name(), "application/x-vimble-greeting");
    EXPECT_EQ(types.mimeTypeForFile(renamed, QMimeDatabase::MatchContent).name(),
        "application/x-vimble-greeting");
    EXPECT_EQ(types.mimeTypeForName("application/x-vimble-greeting").iconName(),
        "application-x-vimble-greeting");
}

// The user units that send the scheduled greetings: the service runs the installed tool (its
// path quoted, the prefix having a blank in it), the timer makes up the hours missed, and
// systemd's own checker, as the user manager reads them, finds nothing to say about either.
TEST_F(Installed, outbox_units_are_installed_and_valid)
{
    const std::string service = Prefix("lib/systemd/user/vimble-email-outbox.service");
    const std::string timer = Prefix("lib/systemd/user/vimble-email-outbox.timer");
    ASSERT_TRUE(fs::is_regular_file(service));
    ASSERT_TRUE(fs::is_regular_file(timer));

    const std::string unit = ReadText(service);
    const size_t exec = unit.find("\nExecStart=");
    ASSERT_NE(exec, std::string::npos) << unit;
    const size_t start = exec + 11;
    const std::string line = unit.substr(start, unit.find('\n', start) - start);
    // The program, as systemd reads it: one word, or a quoted one with \ escapes; %% is %.
    std::string program, rest;
    if (line.starts_with('"')) {
        size_t i = 1;
        for (; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size())
                ++i;
            program += line[i];
        }
        ASSERT_LT(i, line.size()) << line;
        rest = line.substr(i + 1);
    } else {
        const size_t blank = line.find(' ');
        program = line.substr(0, blank);
        rest = blank == std::string::npos ? "" : line.substr(blank);
    }
    for (size_t percent = program.find("%%"); percent != std::string::npos;
        percent = program.find("%%", percent + 1))
        program.erase(percent, 1);
    EXPECT_EQ(program, Tool()) << line;
    EXPECT_EQ(rest, " outbox send-due") << line;
    EXPECT_TRUE(IsExecutableFile(program)) << program;
    EXPECT_NE(unit.find("\nType=oneshot\n"), std::string::npos) << unit;

    const std::string schedule = ReadText(timer);
    EXPECT_NE(schedule.find("\nOnCalendar=hourly\n"), std::string::npos) << schedule;
    EXPECT_NE(schedule.find("\nPersistent=true\n"), std::string::npos) << schedule;
    EXPECT_NE(schedule.find("\nWantedBy=timers.target\n"), std::string::npos) << schedule;

    const std::string analyze = FindProgram("systemd-analyze");
    if (analyze.empty())
        GTEST_SKIP() << "systemd-analyze (systemd) is not installed";
    // A user manager of its own, which needs no running systemd: only a runtime folder, and no
    // person's units beside these.
    const std::string runtime = s_root + "/runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    const Result r = RunProgram({ analyze, "--user", "verify", "--man=no", service, timer },
        { { "XDG_RUNTIME_DIR", runtime }, { "XDG_CONFIG_HOME", s_emptyHome },
            { "XDG_DATA_HOME", s_emptyHome }, { "SYSTEMD_UNIT_PATH", std::nullopt } });
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    // The checker may have its say about the system's units; none about these.
    const std::string said = r.out + r.err;
    size_t from = 0;
    while (from < said.size()) {
        size_t end = said.find('\n', from);
        if (end == std::string::npos)
            end = said.size();
        const std::string saidLine = said.substr(from, end - from);
        EXPECT_EQ(saidLine.find("vimble-email-outbox"), std::string::npos) << saidLine;
        from = end + 1;
    }
}

// ---- The first start from a read-only installation ----

TEST_F(Installed, first_start_copies_the_samples_out_of_a_read_only_installation)
{
    // The installation as a package leaves it: nothing in it is the person's to change.
    const std::string share = Prefix(kShare);
    for (const auto& entry : fs::directory_iterator(share + "/samples"))
        fs::permissions(
            entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(share + "/samples",
        fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
            | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    const std::string home = s_root + "/home";
    fs::create_directories(home);
    QSettings::setPath(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(home + "/.config"));
    QSettings::setPath(
        QSettings::NativeFormat, QSettings::SystemScope, QString::fromStdString(s_emptyConfig));
    {
        QSettings user(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
        user.beginGroup("1.00");
        user.setValue("ExportFiles", "~");
        user.setValue("DataFiles1", QString::fromStdString(share));
        user.sync();
    }
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    setenv("HOME", home.c_str(), 1);
    CEditorApp app(s_root + "/instance.lock");
    app.ReadSettings();
    app.PrepareExportDirectory();
    setenv("HOME", savedHome.c_str(), 1);

    const std::string folder = home + "/" + kDefaultExportFolder;
    EXPECT_EQ(app.GetExportDirectory(), folder);
    int copied = 0;
    for (const auto& entry : fs::directory_iterator(share + "/samples")) {
        const std::string copy = folder + "/" + entry.path().filename().string();
        ASSERT_TRUE(fs::is_regular_file(copy)) << copy;
        EXPECT_EQ(ReadText(copy), ReadText(entry.path().string()));
        // The person's copy is theirs to save over.
        EXPECT_NE(fs::status(copy).permissions() & fs::perms::owner_write, fs::perms::none);
        ++copied;
    }
    EXPECT_EQ(copied, 3);
}

} // namespace

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "tests/guard/process_guard.h"

#include "model/sound.h"
#include "platform/audio.h"
#include "platform/language.h"
#include "platform/message.h"
#include "platform/postcall.h"
#include "platform/resources.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWindow>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

namespace testguard {
namespace {

namespace fs = std::filesystem;

std::string g_strRoot;
pid_t g_nOwner = 0;

// The user's settings as a test found them: every file under XDG_CONFIG_HOME, with its bytes.
using Settings = std::vector<std::pair<fs::path, std::string>>;

// The settings folder, when it lies in the process's folder: the guard never touches any other.
std::optional<fs::path> SettingsFolder()
{
    const char* value = std::getenv("XDG_CONFIG_HOME");
    if (value == nullptr || std::string_view(value).substr(0, g_strRoot.size()) != g_strRoot)
        return std::nullopt;
    return fs::path(value);
}

Settings TakeSettings()
{
    Settings settings;
    std::error_code error;
    if (const std::optional<fs::path> folder = SettingsFolder())
        for (fs::recursive_directory_iterator it(*folder, error), end; !error && it != end;
             it.increment(error))
            if (it->is_regular_file(error)) {
                std::ifstream in(it->path(), std::ios::binary);
                settings.emplace_back(it->path(), std::string(std::istreambuf_iterator<char>(in),
                                                      std::istreambuf_iterator<char>()));
            }
    return settings;
}

// Each test starts from the settings the one before it found, as it did in a process of its
// own: what a test wrote there is taken away again.
void RestoreSettings(const Settings& settings)
{
    const std::optional<fs::path> folder = SettingsFolder();
    if (!folder)
        return;
    std::error_code error;
    for (fs::directory_iterator it(*folder, error), end; !error && it != end;
         it.increment(error))
        fs::remove_all(it->path(), error);
    for (const auto& [path, bytes] : settings) {
        fs::create_directories(path.parent_path(), error);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
}

void RemoveRoot()
{
    // A forked child that ends through exit must not take its parent's folder with it.
    if (getpid() != g_nOwner)
        return;
    std::error_code error;
    fs::remove_all(g_strRoot, error);
}

// Everything a test could leave behind, taken before and after it.
struct State {
    std::vector<std::string> environment;
    std::string workingFolder;
    std::vector<std::string> files;
    const void* pSink = nullptr;
    const void* pStrings = nullptr;
    const void* pLibrary = nullptr;
    const void* pAudio = nullptr;
    platform::ELanguage language = platform::ELanguage::English;
    size_t nPostedCalls = 0;
    bool bMidiPlaying = false;
    std::vector<std::string> windows;
};

template <class T, class F> const void* Installed(F swap)
{
    T* installed = swap(nullptr);
    swap(installed);
    return installed;
}

State Take()
{
    State state;
    for (char** entry = environ; *entry != nullptr; ++entry)
        state.environment.emplace_back(*entry);
    std::sort(state.environment.begin(), state.environment.end());
    std::error_code error;
    state.workingFolder = fs::current_path(error).string();
    // The folder's own entries: what a suite keeps in a folder of its own for its tests (made
    // before the first and removed after the last) may change from one test to the next.
    for (fs::directory_iterator it(g_strRoot, error), end; !error && it != end;
         it.increment(error))
        state.files.push_back(it->path().filename().string());
    std::sort(state.files.begin(), state.files.end());
    state.pSink = Installed<platform::IMessageSink>(platform::SetMessageSink);
    state.pStrings = Installed<platform::IStringTable>(platform::SetStringTable);
    state.pLibrary = platform::GetResourceLibrary();
    state.pAudio = Installed<platform::IAudioOutput>(platform::SetAudioOutput);
    state.language = platform::ProgramLanguage();
    state.nPostedCalls = platform::PostedCallsWaiting();
    state.bMidiPlaying = CSound::MidiPlaying();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        for (const QWindow* window : QGuiApplication::topLevelWindows())
            if (window->isVisible())
                state.windows.push_back(window->title().isEmpty()
                        ? window->objectName().toStdString()
                        : window->title().toStdString());
    std::sort(state.windows.begin(), state.windows.end());
    return state;
}

// The entries only one of the two lists holds, each with a sign.
std::string Difference(
    const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::vector<std::string> gone;
    std::vector<std::string> added;
    std::set_difference(
        before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::set_difference(
        after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    std::string text;
    for (const std::string& entry : gone)
        text += "\n  - " + entry;
    for (const std::string& entry : added)
        text += "\n  + " + entry;
    return text;
}

class CGuard : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        m_settings = TakeSettings();
        m_before = Take();
    }

    // A failure added here counts against the test that just ended.
    void OnTestEnd(const testing::TestInfo&) override
    {
        RestoreSettings(m_settings);
        const State after = Take();
        EXPECT_TRUE(after.environment == m_before.environment)
            << "the test changed the environment:"
            << Difference(m_before.environment, after.environment);
        EXPECT_EQ(after.workingFolder, m_before.workingFolder)
            << "the test changed the working folder";
        EXPECT_TRUE(after.files == m_before.files)
            << "the test left files in the process's folder " << g_strRoot << ":"
            << Difference(m_before.files, after.files);
        EXPECT_EQ(after.pSink, m_before.pSink) << "the test left a message sink installed";
        EXPECT_EQ(after.pStrings, m_before.pStrings) << "the test left a string table installed";
        EXPECT_EQ(after.pLibrary, m_before.pLibrary)
            << "the test left another resource library installed";
        EXPECT_EQ(after.pAudio, m_before.pAudio) << "the test left an audio output installed";
        EXPECT_EQ(after.language, m_before.language)
            << "the test left the program speaking another language";
        EXPECT_EQ(after.nPostedCalls, m_before.nPostedCalls)
            << "the test left posted calls waiting for the event loop";
        EXPECT_EQ(after.bMidiPlaying, m_before.bMidiPlaying)
            << "the test left a MIDI sound playing, which keeps any other from starting";
        EXPECT_TRUE(after.windows == m_before.windows)
            << "the test left windows open:" << Difference(m_before.windows, after.windows);
    }

    Settings m_settings;
    State m_before;
};

} // namespace

void GuardProcess()
{
    const char* parent = std::getenv("TMPDIR");
    std::string pattern = std::string(parent != nullptr && *parent != '\0' ? parent : "/tmp")
        + "/vimble-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        perror("mkdtemp");
        std::exit(1);
    }
    g_strRoot = pattern;
    g_nOwner = getpid();
    std::atexit(RemoveRoot);
    // Open to all, as /tmp is: the mail server of the delivery tests and the programs that
    // tests run as a user without rights write there as users of their own.
    fs::permissions(g_strRoot, fs::perms::all | fs::perms::sticky_bit);
    setenv("TMPDIR", g_strRoot.c_str(), 1);
    for (const char* name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME" }) {
        const std::string folder = g_strRoot + "/" + (name + 4);
        fs::create_directories(folder);
        setenv(name, folder.c_str(), 1);
    }
    // The services' sockets, and the folder Qt would otherwise make in TMPDIR on first use.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime == nullptr || *runtime == '\0') {
        const std::string folder = g_strRoot + "/RUNTIME_DIR";
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
    testing::UnitTest::GetInstance()->listeners().Append(new CGuard);
}

} // namespace testguard

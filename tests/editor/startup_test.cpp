// The application start-up without windows: settings in their order with installed defaults
// under user values, the resource library, the work-area check, one copy per user, the data
// directory scan into catalogues and categories, both sorts, the effect table, and the
// "MidiDriver" write at the end.
//
// Library header files are built byte by byte in the archive format: name text, category text
// (a length byte, then the characters), the item number (32-bit little-endian), the type
// byte, the preview flag (32-bit) and, when the flag is not 0, the preview bitmap.
#include "editor/core/app.h"
#include "editor/core/instance.h"
#include "model/archive.h"
#include "platform/message.h"
#include "playback/effecttable.h"
#include "tests/buildpaths.h"
#include "tests/editor/settings_env.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const CRect kBigScreen{0, 0, 1024, 768};

// ---------------------------------------------------------------------------------------
// Settings of this run.

std::unique_ptr<QSettings> Profile(QSettings::Scope scope)
{
    auto settings = std::make_unique<QSettings>(scope, "Kelbrant", "Vimble e-mail");
    settings->beginGroup("1.00");
    return settings;
}

std::unique_ptr<QSettings> UserSettings() { return Profile(QSettings::UserScope); }
std::unique_ptr<QSettings> InstalledSettings() { return Profile(QSettings::SystemScope); }

void ClearSettings()
{
    for (QSettings* settings : {new QSettings(QSettings::UserScope, "Kelbrant", "Vimble e-mail"),
                                new QSettings(QSettings::SystemScope, "Kelbrant", "Vimble e-mail")}) {
        settings->clear();
        settings->sync();
        delete settings;
    }
}

void SetUser(const char* name, const QVariant& value)
{
    auto settings = UserSettings();
    settings->setValue(name, value);
    settings->sync();
}

// ---------------------------------------------------------------------------------------
// Header files.

class CBytes {
public:
    CBytes& Text(const std::string& text)
    {
        m_data.push_back(static_cast<char>(text.size())); // texts here are shorter than 255
        m_data += text;
        return *this;
    }
    CBytes& Int(int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_data.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
        return *this;
    }
    CBytes& Byte(uint8_t value)
    {
        m_data.push_back(static_cast<char>(value));
        return *this;
    }
    const std::string& Data() const { return m_data; }

private:
    std::string m_data;
};

std::string Header(const std::string& name, const std::string& category, int32_t item,
                   uint8_t type)
{
    return CBytes().Text(name).Text(category).Int(item).Byte(type).Int(0).Data();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// The application with its messages recorded, caption included.
struct StartupMessage {
    std::string caption;
    int nStringId;
    std::string text;
};

class CTestApp : public CEditorApp {
public:
    explicit CTestApp(const std::string& lockPath) : CEditorApp(lockPath) {}
    std::vector<StartupMessage> m_messages;

protected:
    void ShowStartupMessage(const std::string& caption, int nStringId,
                            const std::string& text) override
    {
        m_messages.push_back({caption, nStringId, text});
    }
};

class Startup : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        g_nMidiDevice = 0;
        m_strData = m_dir.path().toStdString() + "/data";
        QDir().mkpath(QString::fromStdString(m_strData));
        m_strLock = m_dir.path().toStdString() + "/instance.lock";
    }
    void TearDown() override { ClearSettings(); }

    // The settings of a working installation: the built library and one data directory.
    void Installed(int directories = 1)
    {
        SetUser("DllPath", built::kResourceDir);
        SetUser("NoDataDirectory", directories);
        SetUser("DataFiles1", QString::fromStdString(m_strData));
    }
    void AddHeader(const std::string& file, const std::string& bytes, const std::string& dir = {})
    {
        WriteFile((dir.empty() ? m_strData : dir) + "/" + file, bytes);
    }
    static std::vector<std::string> Names(const CCatalogue& catalogue)
    {
        std::vector<std::string> names;
        for (const auto& record : catalogue)
            names.push_back(record->m_strName);
        return names;
    }

    QTemporaryDir m_dir;
    std::string m_strData;
    std::string m_strLock;
};

TEST_F(Startup, no_settings_at_all)
{
    CTestApp app(m_strLock);
    app.ReadSettings();
    EXPECT_EQ(app.GetDataDirectoryCount(), 1);
    EXPECT_EQ(app.GetDataDirectories(), std::vector<std::string>{""});
    EXPECT_EQ(app.GetCurrentDataDirectory(), "");
    // Without any setting the home folder is the export directory, as the installed settings
    // give it.
    const char* home = std::getenv("HOME");
    EXPECT_EQ(app.GetExportDirectory(),
              home != nullptr && *home != '\0' ? std::string(home) : std::string("~"));
    EXPECT_EQ(app.GetDllPath(), "");
    EXPECT_EQ(app.GetResourceLibraryPath(), "/ksredfr120.rcc");
    EXPECT_TRUE(app.GetPlayAvi());
    EXPECT_EQ(g_nMidiDevice, 0);

    // The library is looked for at the root, is not there, and the start ends with the literal
    // message; nothing is written to the settings.
    EXPECT_EQ(app.InitInstance(kBigScreen), CEditorApp::startNoLibrary);
    ASSERT_EQ(app.m_messages.size(), 1u);
    EXPECT_EQ(app.m_messages[0].caption, "Error");
    EXPECT_EQ(app.m_messages[0].text, "Can not find dll '/ksredfr120.rcc'\n The program wil be closed!");
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(UserSettings()->contains("MidiDriver"));
    EXPECT_TRUE(UserSettings()->allKeys().isEmpty());
}

TEST_F(Startup, settings_are_read_with_installed_defaults_under_user_values)
{
    {
        auto installed = InstalledSettings();
        installed->setValue("DllPath", built::kResourceDir);
        installed->setValue("NoDataDirectory", 2);
        installed->setValue("DataFiles1", "/installed/one");
        installed->setValue("DataFiles2", "/installed/two");
        installed->setValue("ExportFiles", "~/Greetings");
        installed->setValue("MidiDriver", 4);
        installed->setValue("PlayAvi", 1);
        installed->sync();
        ASSERT_EQ(installed->status(), QSettings::NoError);
    }
    SetUser("DataFiles2", "/mine/two");
    SetUser("PlayAvi", 0);
    CTestApp app(m_strLock);
    app.ReadSettings();
    EXPECT_EQ(app.GetDllPath(), built::kResourceDir);
    EXPECT_EQ(app.GetDataDirectories(), (std::vector<std::string>{"/installed/one", "/mine/two"}));
    EXPECT_EQ(app.GetCurrentDataDirectory(), "/installed/one");
    EXPECT_FALSE(app.GetPlayAvi());
    EXPECT_EQ(g_nMidiDevice, 4);
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(app.GetExportDirectory(), std::string(home) + "/Greetings");
}

class DataDirectoryCount : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(DataDirectoryCount, is_held_to_what_can_be_scanned)
{
    ClearSettings();
    SetUser("NoDataDirectory", GetParam().first);
    CEditorApp app("-");
    app.ReadSettings();
    EXPECT_EQ(app.GetDataDirectoryCount(), GetParam().second);
    EXPECT_EQ(app.GetDataDirectories().size(), static_cast<size_t>(GetParam().second));
    ClearSettings();
}

INSTANTIATE_TEST_SUITE_P(Counts, DataDirectoryCount,
                         testing::Values(std::pair{0, 0}, std::pair{1, 1}, std::pair{3, 3},
                                         std::pair{-5, 0},
                                         std::pair{2000000000, CEditorApp::kMaxDataDirectories}));

TEST_F(Startup, no_data_directory_starts_with_empty_catalogues)
{
    Installed(0);
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_TRUE(app.m_messages.empty());
    EXPECT_EQ(app.GetDataDirectoryCount(), 0);
    EXPECT_EQ(app.GetCurrentDataDirectory(), "");
    EXPECT_TRUE(app.GetCategories().empty());
    EXPECT_EQ(app.GetCurrentCategory(), "");
    for (uint8_t type : CEditorApp::kCatalogueTypes)
        EXPECT_TRUE(app.GetCatalogue(type)->empty());
    EXPECT_EQ(GetEffectTable().size(), 28u);
    app.ExitInstance();
    EXPECT_TRUE(GetEffectTable().empty());
}

TEST_F(Startup, the_library_loads_and_gives_its_strings)
{
    Installed(0);
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    ASSERT_NE(app.GetResourceLibrary(), nullptr);
    EXPECT_EQ(platform::GetResourceLibrary(), app.GetResourceLibrary());
    EXPECT_FALSE(platform::LoadResString(10137).empty());
    EXPECT_FALSE(platform::LoadResBitmap("MAIN_WND").isNull());
    app.ExitInstance();
    EXPECT_EQ(platform::GetResourceLibrary(), nullptr);
    EXPECT_EQ(platform::LoadResString(10137), "");
}

// The window layer's splash comes once the checks have passed: the library is the process's,
// the scan has not run yet; a refused start never shows it.
class CSplashRecordingApp : public CTestApp {
public:
    using CTestApp::CTestApp;
    int m_nCalls = 0;
    bool m_bLibraryInstalled = false;
    size_t m_nCategoriesThen = 99;

protected:
    void OnChecksPassed() override
    {
        ++m_nCalls;
        m_bLibraryInstalled = platform::GetResourceLibrary() != nullptr
                              && platform::GetResourceLibrary() == GetResourceLibrary();
        m_nCategoriesThen = GetCategories().size();
    }
};

TEST_F(Startup, the_splash_comes_after_the_checks_and_before_the_scan)
{
    Installed();
    AddHeader("1.hdr", Header("Cat", "Animals", 1, 1));
    {
        CSplashRecordingApp app(m_strLock);
        ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
        EXPECT_EQ(app.m_nCalls, 1);
        EXPECT_TRUE(app.m_bLibraryInstalled);
        EXPECT_EQ(app.m_nCategoriesThen, 0u) << "the scan runs while the splash shows";
        EXPECT_EQ(app.GetCategories().size(), 1u);
        app.ExitInstance();
    }
    CSplashRecordingApp refused(m_strLock);
    EXPECT_EQ(refused.InitInstance({0, 0, 640, 480}), CEditorApp::startScreenTooSmall);
    EXPECT_EQ(refused.m_nCalls, 0);
}

struct WorkAreaCase {
    CRect rc;
    bool bAccepted;
};

class WorkArea : public Startup, public testing::WithParamInterface<WorkAreaCase> {};

TEST_P(WorkArea, must_be_larger_than_640_by_480)
{
    Installed(0);
    CTestApp app(m_strLock);
    CEditorApp::StartResult result = app.InitInstance(GetParam().rc);
    if (GetParam().bAccepted) {
        EXPECT_EQ(result, CEditorApp::startRunning);
        EXPECT_TRUE(app.m_messages.empty());
        app.ExitInstance();
    } else {
        EXPECT_EQ(result, CEditorApp::startScreenTooSmall);
        ASSERT_EQ(app.m_messages.size(), 1u);
        EXPECT_EQ(app.m_messages[0].caption, "Error");
        EXPECT_EQ(app.m_messages[0].nStringId, 10134);
        EXPECT_EQ(app.m_messages[0].text.rfind("The screen is too small", 0), 0u)
            << app.m_messages[0].text;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(m_strLock)))
            << "a refused start holds no lock";
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WorkArea,
                         testing::Values(WorkAreaCase{{0, 0, 640, 480}, false},
                                         WorkAreaCase{{0, 0, 641, 481}, true},
                                         WorkAreaCase{{0, 0, 1024, 480}, false},
                                         WorkAreaCase{{0, 0, 640, 768}, false},
                                         WorkAreaCase{{0, 0, 800, 600}, true},
                                         WorkAreaCase{{0, 30, 1920, 1050}, true}));

TEST_F(Startup, a_second_start_is_refused_and_the_first_goes_on)
{
    Installed(0);
    CTestApp first(m_strLock);
    ASSERT_EQ(first.InitInstance(kBigScreen), CEditorApp::startRunning);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(m_strLock)));

    CTestApp second(m_strLock);
    EXPECT_EQ(second.InitInstance(kBigScreen), CEditorApp::startAlreadyRunning);
    ASSERT_EQ(second.m_messages.size(), 1u);
    EXPECT_EQ(second.m_messages[0].caption, "WARNUNG:");
    EXPECT_EQ(second.m_messages[0].nStringId, 10137);
    EXPECT_EQ(second.m_messages[0].text, "Vimble e-mail is already running.");
    second.ExitInstance();

    // The first copy still holds its lock and its state.
    EXPECT_TRUE(QFile::exists(QString::fromStdString(m_strLock)));
    QLockFile probe(QString::fromStdString(m_strLock));
    EXPECT_FALSE(probe.tryLock(0));
    EXPECT_EQ(platform::GetResourceLibrary(), first.GetResourceLibrary());
    EXPECT_EQ(GetEffectTable().size(), 28u);

    // Once the first has ended, a new start goes through.
    first.ExitInstance();
    CTestApp third(m_strLock);
    EXPECT_EQ(third.InitInstance(kBigScreen), CEditorApp::startRunning);
    third.ExitInstance();
}

TEST_F(Startup, a_second_start_with_a_greeting_hands_it_to_the_running_copy_and_ends)
{
    Installed(0);
    // The lock where the editor program looks for it with this runtime folder.
    const std::string runtime = m_dir.path().toStdString();
    const std::string lock = runtime + "/Vimble e-mail-" + std::to_string(getuid()) + ".lock";
    CTestApp first(lock);
    ASSERT_EQ(first.InitInstance(kBigScreen), CEditorApp::startRunning);
    ASSERT_NE(first.GetInstanceServer(), nullptr);
    QStringList handed;
    QObject::connect(first.GetInstanceServer(), &CInstanceServer::FileHanded,
        [&] { handed << first.GetInstanceServer()->TakeHanded(); });

    // The real program, started with a name relative to its folder.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(m_dir.path());
    second.setProcessChannelMode(QProcess::MergedChannels);
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&second, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    second.start(built::kEditor, {"card one.kel"});
    // The first copy answers from its event loop, so the loop runs meanwhile.
    loop.exec();
    ASSERT_EQ(second.state(), QProcess::NotRunning) << "the second start did not end";
    EXPECT_EQ(second.exitCode(), 0) << second.readAll().toStdString();
    EXPECT_EQ(handed, QStringList{m_dir.path() + "/card one.kel"});
    EXPECT_TRUE(first.m_messages.empty());

    // A start the socket cannot answer is refused as before, whatever it names.
    const std::string silent = runtime + "/silent.lock";
    QLockFile other(QString::fromStdString(silent));
    ASSERT_TRUE(other.tryLock(0));
    CTestApp refused(silent);
    refused.SetStartFile("card one.kel");
    EXPECT_EQ(refused.InitInstance(kBigScreen), CEditorApp::startAlreadyRunning);
    ASSERT_EQ(refused.m_messages.size(), 1u);
    EXPECT_EQ(refused.m_messages[0].nStringId, 10137);
    first.ExitInstance();
    // The socket goes with the copy that made it.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(InstanceSocketPath(lock))));
}

TEST(Instance, the_socket_takes_one_absolute_name_a_line_and_answers_each)
{
    QTemporaryDir dir;
    const std::string socket = dir.path().toStdString() + "/x.socket";
    EXPECT_EQ(InstanceSocketPath("/run/u/Vimble e-mail-7.lock"), "/run/u/Vimble e-mail-7.socket");
    EXPECT_EQ(InstanceSocketPath("/tmp/odd"), "/tmp/odd.socket");
    // Nobody listens: nothing is handed, at once.
    EXPECT_FALSE(HandFileToRunningEditor(socket, "/tmp/a.kel"));

    CInstanceServer server;
    std::string reason;
    ASSERT_TRUE(server.Listen(socket, reason)) << reason;
    QStringList handed;
    QObject::connect(&server, &CInstanceServer::FileHanded, [&] { handed << server.TakeHanded(); });
    // The client waits for its answer, so it runs beside the server's event loop.
    auto hand = [&](const std::string& file) {
        std::atomic<bool> bDone { false };
        bool bTaken = false;
        std::thread client([&] {
            bTaken = HandFileToRunningEditor(socket, file);
            bDone = true;
        });
        while (!bDone)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        client.join();
        QCoreApplication::processEvents();
        return bTaken;
    };
    EXPECT_TRUE(hand("/home/anna/Cards/Birthday.kel"));
    EXPECT_TRUE(hand("relative/name.kel")); // made absolute by the sender
    EXPECT_TRUE(hand("/tmp/caf\xc3\xa9 card.kel"));
    EXPECT_FALSE(hand("/tmp/two\nlines.kel")); // a name that would be two lines is not sent
    ASSERT_EQ(handed.size(), 3);
    EXPECT_EQ(handed[0], "/home/anna/Cards/Birthday.kel");
    EXPECT_EQ(handed[1], QDir::currentPath() + "/relative/name.kel");
    EXPECT_EQ(handed[2], QString::fromUtf8("/tmp/caf\xc3\xa9 card.kel"));

    // With nobody taking them yet (the program still starting), handed files wait.
    QObject::disconnect(&server, &CInstanceServer::FileHanded, nullptr, nullptr);
    EXPECT_TRUE(hand("/tmp/early.kel"));
    EXPECT_TRUE(hand("/tmp/second.kel"));
    EXPECT_EQ(server.TakeHanded(), (QStringList{"/tmp/early.kel", "/tmp/second.kel"}));
    EXPECT_TRUE(server.TakeHanded().isEmpty());
}

TEST_F(Startup, a_lock_left_by_an_ended_copy_does_not_refuse_the_start)
{
    Installed(0);
    // A lock file naming a process that does not run any more.
    WriteFile(m_strLock, "999999\nvimble\n" + QSysInfo::machineHostName().toStdString() + "\n");
    CTestApp app(m_strLock);
    EXPECT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    app.ExitInstance();
}

TEST_F(Startup, midi_device_is_written_back_at_shut_down)
{
    Installed(0);
    SetUser("MidiDriver", 2);
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_EQ(g_nMidiDevice, 2);
    g_nMidiDevice = -1; // the project properties chose the mapper
    app.ExitInstance();
    EXPECT_EQ(UserSettings()->value("MidiDriver").toInt(), -1);
}

TEST_F(Startup, a_failed_start_writes_nothing)
{
    Installed(1); // the data directory holds no header files
    CTestApp app(m_strLock);
    EXPECT_EQ(app.InitInstance(kBigScreen), CEditorApp::startScanFailed);
    g_nMidiDevice = 5;
    app.ExitInstance();
    EXPECT_FALSE(UserSettings()->contains("MidiDriver"));
}

// ---------------------------------------------------------------------------------------
// The scan.

struct TypeCase {
    uint8_t type;
    bool bKept;
};

class HeaderType : public Startup, public testing::WithParamInterface<TypeCase> {};

TEST_P(HeaderType, selects_the_catalogue_and_always_brings_its_category)
{
    Installed();
    AddHeader("a.hdr", Header("Item", "Category", 7, GetParam().type));
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    size_t kept = 0;
    for (uint8_t type : CEditorApp::kCatalogueTypes) {
        const CCatalogue& catalogue = *app.GetCatalogue(type);
        kept += catalogue.size();
        if (type == GetParam().type) {
            ASSERT_EQ(catalogue.size(), 1u);
            EXPECT_EQ(catalogue[0]->m_strName, "Item");
            EXPECT_EQ(catalogue[0]->m_nValue, 7);
            EXPECT_EQ(catalogue[0]->m_strDirectory, m_strData);
            EXPECT_EQ(catalogue[0]->ItemPath(), m_strData + "/7.zty");
        }
    }
    EXPECT_EQ(kept, GetParam().bKept ? 1u : 0u);
    EXPECT_EQ(app.GetCategories(), std::vector<std::string>{"Category"});
    EXPECT_EQ(app.GetCurrentCategory(), "Category");
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(Types, HeaderType,
                         testing::Values(TypeCase{1, true}, TypeCase{2, true}, TypeCase{5, true},
                                         TypeCase{6, true}, TypeCase{7, true}, TypeCase{8, true},
                                         TypeCase{3, false}, TypeCase{4, false},
                                         TypeCase{0, false}, TypeCase{9, false}));

TEST_F(Startup, header_bytes_are_what_the_library_generator_writes)
{
    CHeaderObject header;
    header.m_strName = "Birthday cake";
    header.m_strCategory = "Birthday";
    header.m_nValue = 12;
    header.m_nType = 2;
    CArchive ar("test");
    header.Store(ar);
    const std::vector<uint8_t>& stored = ar.Buffer();
    EXPECT_EQ(std::string(stored.begin(), stored.end()), Header("Birthday cake", "Birthday", 12, 2));
}

TEST_F(Startup, repeated_categories_enter_once_and_sort_in_byte_order)
{
    Installed();
    AddHeader("1.hdr", Header("a", "birthday", 1, 1));
    AddHeader("2.hdr", Header("b", "Zoo", 2, 2));
    AddHeader("3.hdr", Header("c", "birthday", 3, 6));
    AddHeader("4.hdr", Header("d", "Birthday", 4, 8));
    AddHeader("5.hdr", Header("e", "\xC9t\xE9", 5, 3)); // "Ete" with accents, above ASCII
    AddHeader("6.hdr", Header("f", "Zoo", 6, 4));
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_EQ(app.GetCategories(),
              (std::vector<std::string>{"Birthday", "Zoo", "birthday", "\u00C9t\u00E9"}));
    app.ExitInstance();
}

TEST_F(Startup, current_category_is_the_first_met_not_the_first_sorted)
{
    Installed();
    AddHeader("a.hdr", Header("x", "Zoo", 1, 1));
    AddHeader("b.hdr", Header("y", "Birthday", 2, 1));
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_EQ(app.GetCategories(), (std::vector<std::string>{"Birthday", "Zoo"}));
    EXPECT_EQ(app.GetCurrentCategory(), "Zoo");
    app.ExitInstance();
}

TEST_F(Startup, catalogues_sort_by_name_in_byte_order)
{
    Installed();
    const char* names[] = {"banana", "Apple", "\xE9" "clair", "apple", "Zebra", "Apple pie", "B"};
    int item = 0;
    for (const char* name : names) {
        ++item;
        AddHeader(std::to_string(item) + ".hdr", Header(name, "Food", item, 2));
    }
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    const CCatalogue& cliparts = *app.GetCatalogue(2);
    EXPECT_EQ(Names(cliparts), (std::vector<std::string>{"Apple", "Apple pie", "B", "Zebra", "apple",
                                                         "banana", "\u00E9" "clair"}));
    // The whole record moves with its name.
    EXPECT_EQ(cliparts[0]->m_nValue, 2);
    EXPECT_EQ(cliparts[6]->m_nValue, 3);
    app.ExitInstance();
}

TEST_F(Startup, damaged_headers_are_dropped_quietly_and_the_scan_goes_on)
{
    Installed();
    AddHeader("1.hdr", Header("First", "Cards", 1, 2));
    // Cut inside the category text.
    AddHeader("2.hdr", Header("Broken", "Cards", 2, 2).substr(0, 9));
    // A preview flag with no bitmap behind it.
    AddHeader("3.hdr", CBytes().Text("NoPreview").Text("Lost").Int(3).Byte(2).Int(1).Data());
    // Empty.
    AddHeader("4.hdr", "");
    AddHeader("5.hdr", Header("Last", "Cards", 5, 2));
    platform::CMessageRecorder outside;
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_EQ(Names(*app.GetCatalogue(2)), (std::vector<std::string>{"First", "Last"}));
    EXPECT_EQ(app.GetCategories(), std::vector<std::string>{"Cards"}) << "a damaged header brings no category";
    EXPECT_TRUE(app.m_messages.empty());
    EXPECT_TRUE(outside.m_messages.empty()) << "nothing is shown for a damaged header";
    app.ExitInstance();
}

TEST_F(Startup, listing_order_is_the_name_order_and_directories_follow_one_another)
{
    std::string second = m_dir.path().toStdString() + "/more";
    QDir().mkpath(QString::fromStdString(second));
    Installed(2);
    SetUser("DataFiles2", QString::fromStdString(second));
    AddHeader("b.hdr", Header("Two", "Second", 2, 1));
    AddHeader("a.HDR", Header("One", "First", 1, 1)); // the extension in any case
    AddHeader("c.hdr.txt", Header("Never", "Never", 9, 1));
    QDir().mkpath(QString::fromStdString(m_strData + "/folder.hdr"));
    AddHeader("z.hdr", Header("Three", "Third", 3, 1), second);
    CTestApp app(m_strLock);
    ASSERT_EQ(app.InitInstance(kBigScreen), CEditorApp::startRunning);
    EXPECT_EQ(Names(*app.GetCatalogue(1)), (std::vector<std::string>{"One", "Three", "Two"}));
    EXPECT_EQ(app.GetCurrentCategory(), "First");
    EXPECT_EQ((*app.GetCatalogue(1))[1]->m_strDirectory, second);
    app.ExitInstance();
}

TEST_F(Startup, a_directory_without_headers_ends_the_start_naming_that_directory)
{
    std::string second = m_dir.path().toStdString() + "/empty";
    QDir().mkpath(QString::fromStdString(second));
    Installed(2);
    SetUser("DataFiles2", QString::fromStdString(second));
    AddHeader("a.hdr", Header("One", "First", 1, 1));
    CTestApp app(m_strLock);
    EXPECT_EQ(app.InitInstance(kBigScreen), CEditorApp::startScanFailed);
    ASSERT_EQ(app.m_messages.size(), 1u);
    EXPECT_EQ(app.m_messages[0].nStringId, 10105);
    EXPECT_NE(app.m_messages[0].text.find("\"" + second + "\""), std::string::npos)
        << app.m_messages[0].text;
    EXPECT_EQ(app.GetFailedDirectory(), second);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_strLock)));
}

TEST_F(Startup, a_missing_directory_ends_the_start)
{
    Installed(1);
    SetUser("DataFiles1", QString::fromStdString(m_strData + "/nowhere"));
    CTestApp app(m_strLock);
    EXPECT_EQ(app.InitInstance(kBigScreen), CEditorApp::startScanFailed);
    ASSERT_EQ(app.m_messages.size(), 1u);
    EXPECT_EQ(app.m_messages[0].nStringId, 10105);
}

// ---------------------------------------------------------------------------------------
// vimble-tool catalogue.

TEST_F(Startup, catalogue_verb_prints_what_the_scan_built)
{
    AddHeader("1.hdr", Header("Sun", "Summer", 4, 6));
    AddHeader("2.hdr", Header("Cake", "Birthday", 2, 2));
    AddHeader("3.hdr", Header("Broken", "Birthday", 2, 2).substr(0, 5));
    AddHeader("4.hdr", Header("Balloon", "Birthday", 3, 2));
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(SettingsRoot() + "/tool-home"));
    env.insert("XDG_CONFIG_DIRS", QString::fromStdString(SettingsRoot() + "/tool-system"));
    tool.setProcessEnvironment(env);
    tool.start(built::kTool, {"catalogue", QString::fromStdString(m_strData)});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QJsonObject out = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    EXPECT_EQ(out["categories"].toArray(), (QJsonArray{"Birthday", "Summer"}));
    EXPECT_EQ(out["current category"].toString(), "Summer");
    QJsonArray catalogues = out["catalogues"].toArray();
    ASSERT_EQ(catalogues.size(), 6);
    QJsonObject cliparts = catalogues[1].toObject();
    EXPECT_EQ(cliparts["type"].toInt(), 2);
    QJsonArray records = cliparts["records"].toArray();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].toObject()["name"].toString(), "Balloon");
    EXPECT_EQ(records[1].toObject()["name"].toString(), "Cake");
    EXPECT_EQ(records[1].toObject()["item file"].toString(),
              QString::fromStdString(m_strData + "/2.zty"));
    EXPECT_EQ(catalogues[3].toObject()["records"].toArray().size(), 1);

    tool.start(built::kTool, {"catalogue", QString::fromStdString(m_strData + "/none")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(tool.readAllStandardOutput(), "");
}

} // namespace

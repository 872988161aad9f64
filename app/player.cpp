// vimble-play, installed as "play.exe": the stand-alone player of a greeting.
//
//   vimble-play [FILE] [--frames N] [--screenshot OUT.png] [--info]
//
// Without FILE it plays the greeting appended to its own file (the bundle a greeting mail
// carries); with FILE it plays that bundle or ".kel" project. The greeting plays in a window of
// its own at the 120 ms clock, looping, until Escape, the window's closing, SIGINT or SIGTERM.
// --frames N stops after N ticks of the clock (exit 0); --screenshot writes the frame last shown
// at the end; --info prints the private folder, the SoundFont and the fonts taken from the
// player's data, one a line.
#include "app/playerfiles.h"
#include "app/playerwindow.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/mixer.h"
#include "platform/postcall.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"
#include "playback/soundsystem.h"
#include "translations/translator.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>
#include <QSettings>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

constexpr char kCaption[] = "Vimble e-mail";

// SIGINT and SIGTERM reach the event loop through this pipe: the handler only writes a byte.
int g_signalPipe[2] = { -1, -1 };
volatile sig_atomic_t g_nSignal = 0;

void OnSignal(int n)
{
    g_nSignal = n;
    const char byte = 1;
    ssize_t written = write(g_signalPipe[1], &byte, 1);
    (void)written;
}

bool InstallSignalPipe()
{
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

// The window the MIDI player's end messages go to; the audio thread posts while holding the
// lock, so the window cannot go in between.
std::mutex g_receiverMutex;
CPlayerWindow* g_pReceiver = nullptr;

void SetReceiver(CPlayerWindow* pReceiver)
{
    std::lock_guard lock(g_receiverMutex);
    g_pReceiver = pReceiver;
}

void PostMidiEnd(uint32_t nRun)
{
    std::lock_guard lock(g_receiverMutex);
    if (g_pReceiver != nullptr)
        platform::PostCall(g_pReceiver, [window = g_pReceiver, nRun] { window->OnMidiEnd(nRun); });
}

// Qt's own notes about the platform (the offscreen one has many) are not the person's business.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

struct Options {
    std::string strFile;
    int nFrames = 0;
    std::string strScreenshot;
    bool bInfo = false;
};

// Said before the application object is made: a plain one holds the catalogue meanwhile.
int Usage()
{
    static int argc = 1;
    static char name[] = "vimble-play";
    static char* argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    translations::InstallTranslators();
    std::fprintf(stderr, "%s\n%s\n",
        Fill(Tr("Player", "usage: %1"),
            { "vimble-play [FILE] [--frames N] [--screenshot OUT.png] [--info]" })
            .c_str(),
        Tr("Player",
                 "plays the greeting FILE holds (a bundle or a .kel project), or the one appended "
                 "to this program")
            .c_str());
    translations::InstallTranslators(platform::ELanguage::English);
    return 2;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            char* end = nullptr;
            const long n = std::strtol(argv[++i], &end, 10);
            if (end == argv[i] || *end != '\0' || n <= 0 || n > 100000000)
                return false;
            options.nFrames = static_cast<int>(n);
        } else if (arg == "--screenshot" && i + 1 < argc) {
            options.strScreenshot = argv[++i];
        } else if (arg == "--info") {
            options.bInfo = true;
        } else if (!arg.empty() && arg[0] != '-' && options.strFile.empty()) {
            options.strFile = arg;
        } else {
            return false;
        }
    }
    return true;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    for (size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

// Tells the person: one line on standard error, and a message box when there is a screen to
// show it on and nobody scripts the run. The text is UTF-8 (or bytes of unknown origin).
void Tell(const std::string& said, bool bBox)
{
    const std::string text = platform::PrintableUtf8(said);
    std::fprintf(stderr, "%s\n", text.c_str());
    if (bBox)
        QMessageBox::critical(nullptr, kCaption, QString::fromStdString(text));
}

// The SoundFont of the player's data, in a settings scope of the player's own inside its
// folder: the recipient's own settings are neither read for it nor changed.
void UseSoundFont(const std::string& folder, const std::string& soundFont)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
        QString::fromStdString(folder + "/settings"));
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.beginGroup("1.00");
    settings.setValue("SoundFont", QString::fromStdString(soundFont));
    settings.sync();
}

// Registers the fonts of the player's data and lets them stand for the faces greetings name.
// Returns how many were registered.
int UseFonts(const CPlayerData& data)
{
    int registered = 0;
    bool bSans = false, bSerif = false;
    for (const CPlayerDataEntry* entry : data.OfKind(kPlayerDataFont)) {
        const QByteArray bytes(reinterpret_cast<const char*>(entry->m_data.data()),
            static_cast<qsizetype>(entry->m_data.size()));
        const int id = QFontDatabase::addApplicationFontFromData(bytes);
        if (id < 0)
            continue;
        ++registered;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            bSans = bSans || family == "Liberation Sans";
            bSerif = bSerif || family == "Liberation Serif";
        }
    }
    if (bSans)
        QFont::insertSubstitution("Arial", "Liberation Sans");
    if (bSerif)
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    return registered;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return Usage();
    // Without a screen the greeting is still read (and a script's run still plays), off screen.
    const bool bScreen = std::getenv("QT_QPA_PLATFORM") != nullptr
        || std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!bScreen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQt);
    QApplication app(argc, argv);
    translations::InstallTranslators();
    if (!InstallSignalPipe()) {
        std::fprintf(stderr, "%s\n",
            Tr("Player", "vimble-play: the signal handlers cannot be installed").c_str());
        return 1;
    }
    const QString platformName = QGuiApplication::platformName();
    const bool bBoxes
        = options.nFrames == 0 && platformName != "offscreen" && platformName != "minimal";

    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        char bytes[16];
        while (read(g_signalPipe[0], bytes, sizeof bytes) > 0) { }
        QCoreApplication::quit();
    });

    const bool bOwnFile = options.strFile.empty();
    const std::string file = bOwnFile ? std::string("/proc/self/exe") : options.strFile;
    const std::string shownName = bOwnFile ? std::string(argv[0]) : file;

    CPlayerFolder folder;
    if (!folder.Create()) {
        Tell(Tr("Player",
                 "vimble-play: no private folder can be made in the temporary directory"),
            bBoxes);
        return 1;
    }
    CGreeting greeting;
    std::string error;
    // The private copy is named after what is played, so that what the model says of it names
    // the greeting the person knows.
    std::string projectName = platform::FileNameOf(shownName);
    if (const size_t dot = projectName.find_last_of('.'); dot != std::string::npos && dot > 0)
        projectName.resize(dot);
    projectName += ".kel";
    const GreetingResult found = TakeGreeting(file, folder.Path(), projectName, greeting, error);
    if (found != GreetingResult::found) {
        ReplaceAll(error, file, shownName);
        if (found == GreetingResult::noGreeting && bOwnFile)
            error = Fill(
                Tr("Player", "%1: this program carries no greeting; name a greeting to play"),
                { shownName });
        Tell(error, bBoxes);
        return 1;
    }
    if (!bScreen && options.nFrames == 0) {
        Tell(Tr("Player",
                 "vimble-play: there is no screen to show the greeting on (DISPLAY is not set)"),
            false);
        return 1;
    }

    int fonts = 0;
    if (greeting.m_bWithData) {
        if (!greeting.m_strSoundFont.empty())
            UseSoundFont(folder.Path(), greeting.m_strSoundFont);
        fonts = UseFonts(greeting.m_data);
        greeting.m_data = CPlayerData(); // the fonts are Qt's copies now
    }
    if (options.bInfo) {
        std::printf("folder: %s\n", folder.Path().c_str());
        std::printf("soundfont: %s\n", platform::FindSoundFont().c_str());
        std::printf("fonts: %d\n", fonts);
        std::fflush(stdout);
    }

    // What the core keeps in temporary files while the greeting plays (the sounds' private
    // copies) goes into the private folder too, and with it.
    setenv("TMPDIR", folder.Path().c_str(), 1);

    std::unique_ptr<CProjectDoc> doc;
    {
        platform::CMessageRecorder recorder;
        // Read from its bytes: a project named on the command line gets nothing beside it.
        std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(greeting.m_strProject);
        if (movie) {
            movie->m_rcStage = { 0, 0, CPlayerWindow::kStageWidth, CPlayerWindow::kStageHeight };
            doc = std::make_unique<CProjectDoc>(std::move(movie));
            if (!doc->CreateBuffers())
                doc.reset();
        }
        if (!doc) {
            std::string text;
            for (const platform::Message& message : recorder.m_messages) {
                if (!text.empty())
                    text += '\n';
                text += platform::PrintableUtf8(message.strText);
            }
            ReplaceAll(text, folder.Path() + "/", "");
            if (text.empty())
                text = Tr("Player", "the greeting cannot be opened");
            if (text.rfind(shownName, 0) != 0
                && text.rfind(platform::FileNameOf(shownName), 0) != 0)
                text = Fill(Tr("Player", "%1: %2"), { shownName, text });
            Tell(text, bBoxes);
            return 1;
        }
    }

    std::unique_ptr<CSoundSystem> sound = CSoundSystem::CreateForDevice(PostMidiEnd);
    platform::IAudioOutput* previousOutput = nullptr;
    if (sound)
        previousOutput = platform::SetAudioOutput(sound.get());

    int status = 0;
    {
        CPlayerWindow window(
            *doc, sound.get(), QString::fromStdString(greeting.m_strTitle), options.nFrames);
        SetReceiver(&window);
        window.show();
        window.Start();
        app.exec();
        SetReceiver(nullptr);
        if (g_nSignal != 0)
            status = 128 + g_nSignal;
        if (!options.strScreenshot.empty()
            && !window.Frame().save(QString::fromStdString(options.strScreenshot), "PNG")) {
            std::fprintf(stderr, "%s\n",
                Fill(Tr("Player", "%1: cannot be written"), { options.strScreenshot })
                    .c_str());
            status = status != 0 ? status : 1;
        }
    }
    // The movie stops its sounds before the output goes; the output goes before the mixer.
    doc.reset();
    if (sound) {
        platform::SetAudioOutput(previousOutput);
        sound.reset();
    }
    folder.Remove();
    return status;
}

// vimble: the editor. Starts the application object, the frame window and the editor window.
//
//   vimble [--play] [--paint-stats] [FILE.kel]
//
// A greeting named on the command line is opened at start; --play plays it at once;
// --paint-stats prints, when the editor ends, how long the playing frames took to paint, and
// while a greeting plays a line on stderr each second with the paints and the scaled copies of
// that second.
// While an editor runs, a start that names a greeting hands it to that one and ends.
#include "dialogs/prompts.h"
#include "editor/core/app.h"
#include "editor/core/instance.h"
#include "editor/core/programsound.h"
#include "editor/main/editordlg.h"
#include "editor/main/mainframe.h"
#include "editor/main/outboxrunner.h"
#include "editor/skin/skin.h"
#include "editor/windows/splashdlg.h"
#include "mail/mailthread.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "translations/translator.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using platform::Fill;
using platform::Tr;

namespace {

// Start-up failures come before any window of the program exists: the system's box shows them.
class CWindowedEditorApp : public CEditorApp {
protected:
    void ShowStartupMessage(const std::string& caption, int /*nStringId*/,
                            const std::string& text) override
    {
        // While the splash shows, the box is its own and opens over it.
        QWidget* owner = m_pSplash && m_pSplash->isVisible() ? m_pSplash.get() : nullptr;
        QMessageBox box(QMessageBox::Warning, QString::fromStdString(
                                                  caption),
                        QString::fromStdString(text),
                        QMessageBox::NoButton, owner);
        box.exec();
    }

    // The splash covers the desktop while the library is scanned, and goes on showing its
    // pictures until its last one has been held.
    void OnChecksPassed() override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        m_pSplash = std::make_unique<CSplashDlg>(screen->geometry(), screen->depth());
        m_pSplash->Start();
        QCoreApplication::processEvents();
    }

public:
    CSplashDlg* GetSplash() const { return m_pSplash.get(); }

private:
    std::unique_ptr<CSplashDlg> m_pSplash;
};

void PrintPaintStats(const CEditorDialog::PaintStats& stats)
{
    const double seconds = (stats.nLastMs - stats.nFirstMs) / 1000.0;
    std::printf("playing frames: %d\n", stats.nFrames);
    if (stats.nFrames > 1 && seconds > 0)
        std::printf("frames per second: %.2f\n", (stats.nFrames - 1) / seconds);
    if (stats.nFrames > 0) {
        std::printf("longest paint: %.2f ms\n", stats.nLongestUs / 1000.0);
        std::printf("mean paint: %.2f ms\n",
                    static_cast<double>(stats.nTotalUs) / stats.nFrames / 1000.0);
        std::printf("longest scaled copy: %.2f ms\n", stats.nScaleLongestUs / 1000.0);
        std::printf("mean scaled copy: %.2f ms\n",
                    static_cast<double>(stats.nScaleTotalUs) / stats.nFrames / 1000.0);
    }
}

// The last second of play, when frames were painted in it.
void PrintRecentPaintStats(const CEditorDialog::PaintStats& stats)
{
    if (stats.nFrames == 0)
        return;
    std::fprintf(stderr,
                 "playing: %d frames, paint mean %.2f ms longest %.2f ms, scaled copy mean %.2f ms "
                 "longest %.2f ms\n",
                 stats.nFrames, static_cast<double>(stats.nTotalUs) / stats.nFrames / 1000.0,
                 stats.nLongestUs / 1000.0,
                 static_cast<double>(stats.nScaleTotalUs) / stats.nFrames / 1000.0,
                 stats.nScaleLongestUs / 1000.0);
}

// A greeting handed over by a later start: the editor comes to the front and opens it, asking
// first about unsaved changes as File → Open does. While one of the editor's own dialogs is
// open the file waits for it to close.
void OpenHandedFile(CEditorDialog& editor, const QString& path)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != &editor) {
        QTimer::singleShot(300, &editor, [&editor, path] { OpenHandedFile(editor, path); });
        return;
    }
    // Out of the task bar, and still covering the screen where the window system keeps it so.
    editor.setWindowState(editor.windowState() & ~Qt::WindowMinimized);
    editor.show();
    editor.raise();
    editor.activateWindow();
    editor.OpenProjectFile(QFile::encodeName(path).toStdString());
}

// VIMBLE_OPEN_WINDOWS="library,send" opens those windows once the editor runs, for tools that
// read the windows without a mouse (the screen reader test): the library browser, and the send
// dialog over the greeting opened at start.
void OpenWindowsFromEnvironment(CEditorDialog& editor)
{
    const QStringList windows =
        qEnvironmentVariable("VIMBLE_OPEN_WINDOWS").split(',', Qt::SkipEmptyParts);
    if (windows.contains("library"))
        editor.OnCommand(ID_VIEW_LIBRARIES);
    // The send dialog is modal: it opens from the event loop, after the start is done.
    if (windows.contains("send"))
        QTimer::singleShot(0, &editor, [&editor] { editor.OnCommand(ID_FILE_SENDMAIL); });
}

} // namespace

int main(int argc, char** argv)
{
    // The class of the program's windows is the desktop entry's name, so the desktop puts
    // them under the program's icon and entry.
    QCoreApplication::setApplicationName("vimble-email");
    QApplication application(argc, argv);
    UseLookPalette();
    translations::InstallTranslators();
    QGuiApplication::setDesktopFileName("vimble-email");
    // The desktop names every window of the program after it ("Mail options — Vimble e-mail").
    QGuiApplication::setApplicationDisplayName(g_szAppTitle);
    bool bPlay = false;
    bool bStats = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--play") == 0) {
            bPlay = true;
        } else if (std::strcmp(argv[i], "--paint-stats") == 0) {
            bStats = true;
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "%s\n",
                         Fill(Tr("Tool", "usage: %1"),
                              {"vimble [--play] [--paint-stats] [FILE.kel]"})
                             .c_str());
            return 2;
        } else {
            file = argv[i];
        }
    }

    CWindowedEditorApp theApp;
    theApp.SetStartFile(file);
    QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const CRect rcWorkArea{work.left(), work.top(), work.right() + 1, work.bottom() + 1};
    switch (theApp.InitInstance(rcWorkArea)) {
    case CEditorApp::startRunning:
        break;
    case CEditorApp::startHandedOver:
        return 0;
    default:
        return 1;
    }
    // From here on the program's own boxes ask and inform.
    InstallDialogPrompts();
    // The sound card, or none: the program never stops for want of sound.
    StartProgramSound();

    CEditorDialog::PaintStats stats;
    {
        CMainFrameWnd frame;
        // Files handed over while the program starts wait for the editor.
        CEditorDialog* pEditor = nullptr;
        CInstanceServer* server = theApp.GetInstanceServer();
        auto openHanded = [&] {
            if (server == nullptr || pEditor == nullptr)
                return;
            for (const QString& path : server->TakeHanded())
                QTimer::singleShot(0, pEditor, [editor = pEditor, path] { OpenHandedFile(*editor, path); });
        };
        if (server != nullptr)
            QObject::connect(server, &CInstanceServer::FileHanded, &frame, openHanded);
        // The planned greetings that are due go while the editor runs; a login without a kept
        // password is asked for once.
        COutboxRunner outbox;
        outbox.m_askPassword = [&](const std::string& server, const std::string& user) {
            if (pEditor != nullptr && AskOutboxPassword(pEditor, server, user))
                outbox.RunNow();
        };
        QTimer statsClock;
        if (bStats) {
            QObject::connect(&statsClock, &QTimer::timeout, [&] {
                if (pEditor != nullptr)
                    PrintRecentPaintStats(pEditor->TakeRecentPaintStats());
            });
            statsClock.start(1000);
        }
        frame.m_onEditorCreated = [&](CEditorDialog& editor) {
            // The start's own file first, then those handed over meanwhile, in their order.
            QTimer::singleShot(0, &editor, [&] {
                if (!file.empty() && editor.OpenProjectFile(file) && bPlay)
                    editor.OnCommand(ID_FILE_PLAY);
                pEditor = &editor;
                openHanded();
                outbox.Start();
                OpenWindowsFromEnvironment(editor);
            });
        };
        frame.m_onEditorEnded = [&](CEditorDialog& editor) {
            pEditor = nullptr;
            stats = editor.GetPaintStats();
        };
        // The start sequence waits for the splash to go.
        CSplashDlg* splash = theApp.GetSplash();
        if (splash != nullptr && !splash->IsFinished())
            QObject::connect(splash, &CSplashDlg::Finished, &frame, [&frame] { frame.PostStart(); });
        else
            frame.PostStart();
        application.exec();
        if (bStats)
            PrintPaintStats(stats);
    }
    // A send still running ends with the program: the worker stops, removes its files and
    // shows nothing; it gets a few seconds before the program's statics go.
    CancelMailSend();
    WaitForMailThreads(std::chrono::seconds(5));
    StopProgramSound();
    UninstallDialogPrompts();
    return theApp.ExitInstance();
}

#include "editor/main/mainframe.h"

#include "editor/core/app.h"
#include "editor/core/prompts.h"
#include "editor/main/editordlg.h"
#include "editor/skin/ownresources.h"
#include "editor/skin/placement.h"
#include "editor/windows/introvideodlg.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "platform/strings.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QIcon>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

constexpr int IDS_PLAY_INTRO = 10165;

} // namespace

CMainFrameWnd::CMainFrameWnd()
{
    setWindowTitle(g_szAppTitle);
    // 16 and 32 pixels, each drawn for screens at 1x, 1.5x and 2x.
    setWindowIcon(OwnIconSet(5));
}

CMainFrameWnd::~CMainFrameWnd() = default;

void CMainFrameWnd::PostStart()
{
    QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(WM_START_EDITOR)));
}

int CMainFrameWnd::RunEditor()
{
    CEditorDialog editor;
    editor.setWindowIcon(windowIcon());
    m_pEditor = &editor;
    // The intro's question and its video open over their owner, the editor. Where the program
    // may place its windows they come before the editor shows, centred on the screen; elsewhere
    // the editor shows first to own them.
    const CEditorApp* app = CEditorApp::Get();
    if (app != nullptr && app->GetPlayAvi() && !CanPlaceOwnWindows()) {
        editor.setWindowModality(Qt::ApplicationModal);
        editor.show();
    }
    // What an editor that ended left unsaved comes first.
    editor.OfferRecovery();
    OfferIntro();
    if (m_onEditorCreated)
        m_onEditorCreated(editor);
    const int result = editor.exec();
    if (m_onEditorEnded)
        m_onEditorEnded(editor);
    m_pEditor = nullptr;
    return result;
}

void CMainFrameWnd::OfferIntro()
{
    CEditorApp* app = CEditorApp::Get();
    if (app == nullptr || !app->GetPlayAvi())
        return;
    bool bCheck = false;
    const uint8_t answer
        = AskQuestionWithCheck(m_pEditor, platform::LoadResString(IDS_PLAY_INTRO), &bCheck);
    if (answer == MB_RESULT_YES) {
        const std::string path = IntroVideoPath(
            platform::ExpandHome(platform::ReadSettingString("AviPath")),
            app->GetCurrentDataDirectory());
        if (!platform::FileExists(path)) {
            AskMessageBox(m_pEditor, MB_KIND_OK, path + " not found!");
        } else {
            const QScreen* screen = QGuiApplication::primaryScreen();
            CIntroVideoDlg video(path, screen != nullptr ? screen->geometry() : QRect(), m_pEditor);
            video.exec();
        }
    }
    if (bCheck)
        platform::WriteSettingInt("PlayAvi", 0);
}

bool CMainFrameWnd::event(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(WM_START_EDITOR)) {
        RunEditor();
        // The editor has ended: the frame closes, and with it the program.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return true;
    }
    return QWidget::event(event);
}

void CMainFrameWnd::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

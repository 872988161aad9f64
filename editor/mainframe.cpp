#include "editor/mainframe.h"

#include "editor/app.h"
#include "editor/editordlg.h"
#include "editor/ownresources.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

CMainFrameWnd::CMainFrameWnd()
{
    setWindowTitle(g_szAppTitle);
    QIcon icon;
    for (int size : {16, 32}) {
        const QImage image = LoadOwnIcon(5, size);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    setWindowIcon(icon);
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
    if (m_onEditorCreated)
        m_onEditorCreated(editor);
    const int result = editor.exec();
    if (m_onEditorEnded)
        m_onEditorEnded(editor);
    m_pEditor = nullptr;
    return result;
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

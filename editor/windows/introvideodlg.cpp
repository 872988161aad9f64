#include "editor/windows/introvideodlg.h"

#include "platform/files.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr char kIntroVideoName[] = "Demo.avi";

} // namespace

std::string IntroVideoPath(const std::string& strAviPath, const std::string& strDataDirectory)
{
    const std::string& folder = strAviPath.empty() ? strDataDirectory : strAviPath;
    if (folder.empty())
        return std::string("/") + kIntroVideoName;
    return folder.back() == '/' ? folder + kIntroVideoName : folder + "/" + kIntroVideoName;
}

CIntroVideoDlg::CIntroVideoDlg(const std::string& strPath, const QRect& rcScreen, QWidget* parent)
    : QDialog(parent), m_strPath(strPath), m_rcScreen(rcScreen)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setModal(true);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CIntroVideoDlg::Tick);
    m_elapsed.start();
    m_clock = [this] { return m_elapsed.elapsed(); };
}

CIntroVideoDlg::~CIntroVideoDlg() = default;

int CIntroVideoDlg::exec()
{
    std::string error;
    if (!m_video.Open(m_strPath, error)) {
        // Nothing to play: the window closes at once, without a word.
        m_strError = error;
        m_bFinished = true;
        return Rejected;
    }
    // The window takes the video's size, or the largest size of its aspect that fits.
    QSize size(m_video.GetWidth(), m_video.GetHeight());
    if (!m_rcScreen.isEmpty() && (size.width() > m_rcScreen.width()
                                     || size.height() > m_rcScreen.height()))
        size.scale(m_rcScreen.size(), Qt::KeepAspectRatio);
    size = size.expandedTo(QSize(1, 1));
    resize(size);
    if (!m_rcScreen.isEmpty())
        move(m_rcScreen.x() + (m_rcScreen.width() - size.width()) / 2,
            m_rcScreen.y() + (m_rcScreen.height() - size.height()) / 2);
    m_bPlaying = true;
    m_nStart = m_clock();
    Tick();
    if (!m_bPlaying)
        return Rejected;
    m_timer.start();
    return QDialog::exec();
}

void CIntroVideoDlg::Tick()
{
    if (!m_bPlaying)
        return;
    // Frames follow the clock: a slow drawing skips frames, a fast one shows the same again.
    const int64_t frame = m_video.FrameAt(m_clock() - m_nStart);
    if (frame >= m_video.GetLength()) {
        Stop();
        return;
    }
    if (frame == m_nShown)
        return;
    std::string error;
    if (!m_video.ReadFrame(frame, m_picture, error)) {
        m_strError = error;
        Stop();
        return;
    }
    m_nShown = frame;
    update();
}

void CIntroVideoDlg::Stop()
{
    m_timer.stop();
    m_bPlaying = false;
    m_bFinished = true;
    m_video.Close();
    if (isVisible())
        QDialog::done(Accepted);
}

void CIntroVideoDlg::done(int nResult)
{
    // However the window closes, the playing ends with it.
    m_timer.stop();
    m_bPlaying = false;
    m_bFinished = true;
    m_video.Close();
    QDialog::done(nResult);
}

void CIntroVideoDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

void CIntroVideoDlg::keyPressEvent(QKeyEvent* event)
{
    // A press counts only once the first frame shows: one made before does not skip it.
    if (event->key() == Qt::Key_Escape) {
        if (m_bPlaying && m_nShown >= 0 && !event->isAutoRepeat())
            Stop();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CIntroVideoDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_bPlaying && m_nShown >= 0)
        Stop();
}

#include "editor/windows/splashdlg.h"

#include "editor/skin/placement.h"
#include "platform/resources.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

CSplashDlg::CSplashDlg(const QRect& rcDesktop, int nDepth) : m_nPauseMs(PauseMs(nDepth))
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The program's first window has no owner: it asks for the whole screen.
    CoverScreen(this, rcDesktop);
    for (int i = 0; i < kFrameCount; ++i)
        if (IsShownFrame(i))
            m_frames[static_cast<size_t>(i)] = platform::LoadResBitmap(FrameName(i), devicePixelRatioF());
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &CSplashDlg::Advance);
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, &CSplashDlg::EndHold);
}

CSplashDlg::~CSplashDlg() = default;

std::string CSplashDlg::FrameName(int nFrame)
{
    char name[32];
    std::snprintf(name, sizeof name, nFrame <= 8 ? "SPLASH_0%d" : "SPLASH_%d", nFrame);
    return name;
}

bool CSplashDlg::IsShownFrame(int nFrame)
{
    return nFrame >= 20 ? nFrame <= kLastFrame : nFrame >= 0 && nFrame % 2 == 0;
}

int CSplashDlg::NextFrame(int nFrame)
{
    return nFrame < 20 ? nFrame + 2 : nFrame + 1;
}

int CSplashDlg::PauseMs(int nDepth)
{
    if (nDepth == 8)
        return 130;
    if (nDepth == 16)
        return 100;
    return 85;
}

QRect CSplashDlg::PictureRect() const
{
    return QRect((width() - kPictureWidth) / 2, (height() - kPictureHeight) / 2, kPictureWidth,
        kPictureHeight);
}

void CSplashDlg::Start()
{
    m_nCurrent = 0;
    m_bFinished = false;
    show();
    raise();
    m_pause.start(m_nPauseMs);
}

void CSplashDlg::Advance()
{
    if (m_bFinished || m_nCurrent >= kLastFrame)
        return;
    m_nCurrent = static_cast<uint8_t>(NextFrame(m_nCurrent));
    update();
    if (m_nCurrent < kLastFrame)
        m_pause.start(m_nPauseMs);
    else
        m_hold.start(kHoldMs);
}

void CSplashDlg::EndHold()
{
    if (m_bFinished)
        return;
    m_pause.stop();
    m_hold.stop();
    m_bFinished = true;
    hide();
    // The pictures go with the window.
    for (QImage& frame : m_frames)
        frame = QImage();
    emit Finished();
}

void CSplashDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Each picture is copied in its own size: a missing one paints nothing.
    const QImage& frame = m_frames[m_nCurrent];
    if (!frame.isNull()) {
        // The part that fits, in the picture's own pixels.
        const qreal ratio = frame.devicePixelRatio();
        const QSize logical = frame.deviceIndependentSize().toSize();
        const QSize shown(std::min(logical.width(), kPictureWidth),
            std::min(logical.height(), kPictureHeight));
        painter.drawImage(QRectF(PictureRect().topLeft(), shown), frame,
            QRectF(QPointF(0, 0), QSizeF(shown) * ratio));
    }
}

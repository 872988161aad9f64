#include "app/playerwindow.h"

#include "playback/projectdoc.h"
#include "playback/soundsystem.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

CPlayerWindow::CPlayerWindow(
    CProjectDoc& doc, CSoundSystem* pSound, const QString& title, int nTickLimit)
    : m_doc(doc)
    , m_pSound(pSound)
    , m_image(kStageWidth, kStageHeight, QImage::Format_RGB32)
    , m_frame(&m_image)
    , m_nTickLimit(nTickLimit)
{
    m_image.fill(Qt::white);
    setWindowTitle(title);
    setFixedSize(kStageWidth, kStageHeight);
    // The frame covers the whole window: nothing needs erasing under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pController = std::make_unique<CPlaybackController>(m_doc, *this);
    m_clock.setInterval(PLAYBACK_INTERVAL_MS);
    m_clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_clock, &QTimer::timeout, this, [this] { OnTick(); });
}

CPlayerWindow::~CPlayerWindow()
{
    m_clock.stop();
}

void CPlayerWindow::Start()
{
    m_pController->EnterPlayer();
    m_pController->Play();
}

void CPlayerWindow::StartClock()
{
    if (m_nTickLimit <= 0 || m_nTicks < m_nTickLimit)
        m_clock.start();
}

void CPlayerWindow::StopClock()
{
    m_clock.stop();
}

void CPlayerWindow::Repaint()
{
    m_pController->Paint(m_frame, { 0, 0, kStageWidth, kStageHeight });
    repaint();
}

void CPlayerWindow::OnTick()
{
    m_pController->OnTimer();
    ++m_nTicks;
    if (m_nTickLimit > 0 && m_nTicks >= m_nTickLimit) {
        m_clock.stop();
        close();
    }
}

void CPlayerWindow::OnMidiEnd(uint32_t nRun)
{
    if (m_pSound != nullptr)
        m_pSound->OnMidiEnd(nRun);
}

void CPlayerWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void CPlayerWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPlayerWindow::closeEvent(QCloseEvent* event)
{
    m_clock.stop();
    event->accept();
    QCoreApplication::quit();
}

#include "editor/windows/fileprogressdlg.h"

#include "resources/faces.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

constexpr const char* kFace = "FILE_PROGRESS";

const QRect kNameRect(16, 16, 288, 24);
const QRect kBarRect(16, 54, 288, 20);
const QRect kStatusRect(16, 80, 288, 18);

const QColor kInk = QColor::fromRgb(faces::colour::ink);
const QColor kSoftInk = kInk.lighter(130);
const QColor kTeal = QColor::fromRgb(faces::colour::teal);

// The part of the bar each step fills, in thousandths. Packing dominates a save and unpacking
// and building an open; the bar's parts follow what they take on a large project.
struct StepSpan {
    int nFrom;
    int nTo;
};

StepSpan SpanOf(FileStep step)
{
    switch (step) {
    case FileStep::reading: return {0, 150};
    case FileStep::unpacking: return {150, 600};
    case FileStep::building: return {600, 1000};
    case FileStep::storing: return {0, 150};
    case FileStep::packing: return {150, 900};
    case FileStep::writing: return {900, 1000};
    }
    return {0, 0};
}

} // namespace

CFileProgressDlg::CFileProgressDlg(Kind kind, const std::string& strPath, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_nKind(kind)
    , m_pName(NewFaceLabel(this, "name", kNameRect, Lettering(13, true), kInk))
    , m_pStatus(NewFaceLabel(this, "status", kStatusRect, Lettering(11), kSoftInk))
{
    setModal(true);
    const QString path = QString::fromStdString(strPath);
    const QString name = QFileInfo(path).fileName();
    setWindowTitle(kind == kindOpen ? tr("Opening %1").arg(name) : tr("Saving %1").arg(name));
    // The line before the name: the title's words up to the name.
    const QString prefix = kind == kindOpen ? tr("Opening %1").arg(QString()) : tr("Saving %1").arg(QString());
    const QFontMetrics metrics(m_pName->font());
    m_pName->setText(
        prefix
        + metrics.elidedText(name, Qt::ElideMiddle,
                             kNameRect.width() - metrics.horizontalAdvance(prefix)));
    m_pName->setToolTip(path);
    m_pStatus->setText(GetStatusText());
    m_clock.start();
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &CFileProgressDlg::Poll);
}

QRect CFileProgressDlg::BarRect()
{
    return kBarRect;
}

QString CFileProgressDlg::GetNameText() const
{
    return m_pName->text();
}

void CFileProgressDlg::OnProgress(FileStep step, int64_t done, int64_t total)
{
    // Done and total first: the step is what the window reads them by.
    m_nTotal = total;
    m_nDone = done;
    m_nStep = static_cast<int>(step);
}

int CFileProgressDlg::GetPermille() const
{
    const int step = m_nStep.load();
    if (step < 0)
        return 0;
    const StepSpan span = SpanOf(static_cast<FileStep>(step));
    const int64_t total = m_nTotal.load();
    const int64_t done = std::clamp<int64_t>(m_nDone.load(), 0, std::max<int64_t>(total, 0));
    if (total <= 0)
        return span.nFrom;
    return span.nFrom + static_cast<int>((span.nTo - span.nFrom) * done / total);
}

QString CFileProgressDlg::GetStatusText() const
{
    const int step = m_nStep.load();
    if (step < 0)
        return tr("Starting…");
    switch (static_cast<FileStep>(step)) {
    case FileStep::reading: return tr("Reading the file…");
    case FileStep::unpacking: return tr("Unpacking…");
    case FileStep::building: return tr("Building the greeting…");
    case FileStep::storing: return tr("Gathering the greeting…");
    case FileStep::packing: return tr("Compressing…");
    case FileStep::writing: return tr("Writing the file…");
    }
    return {};
}

void CFileProgressDlg::Poll()
{
    m_pStatus->setText(GetStatusText());
    update(BarRect());
    if (m_bEnded.load()) {
        m_poll.stop();
        QDialog::done(Accepted);
    }
}

void CFileProgressDlg::paintEvent(QPaintEvent* event)
{
    CSkinnedDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(BarRect()).adjusted(2, 2, -2, -2);
    const int permille = GetPermille();
    painter.setPen(Qt::NoPen);
    if (permille > 0) {
        QRectF filled = inner;
        filled.setWidth(inner.width() * permille / 1000);
        painter.setBrush(kTeal);
        painter.drawRoundedRect(filled, 4, 4);
    }
    // A step that cannot say how far it is (compressing, unpacking) shows that it is alive: a
    // pale sheen runs through the part of the bar that the step will fill.
    const int step = m_nStep.load();
    if (step >= 0 && m_nTotal.load() <= 0) {
        const StepSpan span = SpanOf(static_cast<FileStep>(step));
        const qreal from = inner.left() + inner.width() * span.nFrom / 1000;
        const qreal width = inner.width() * (span.nTo - span.nFrom) / 1000;
        const qreal sheen = std::min<qreal>(36, width);
        const qreal travel = std::max<qreal>(width - sheen, 1);
        const qreal at = from + std::fmod(m_clock.elapsed() * 0.12, travel);
        QColor pale = kTeal.lighter(150);
        pale.setAlpha(170);
        painter.setBrush(pale);
        painter.drawRoundedRect(QRectF(at, inner.top(), sheen, inner.height()), 4, 4);
    }
    painter.setPen(kInk);
    painter.setFont(Lettering(11, true));
    painter.drawText(inner, Qt::AlignCenter, QStringLiteral("%1%").arg(permille / 10));
}

bool CFileProgressDlg::Run(Kind kind, const std::string& strPath, QWidget* parent,
                           const Work& work, int nDelayMs, const Observer& observer)
{
    CFileProgressDlg dlg(kind, strPath, parent);
    bool bResult = false;
    std::thread worker([&] {
        bResult = work([&dlg](FileStep step, int64_t done, int64_t total) {
            dlg.OnProgress(step, done, total);
        });
        dlg.m_bEnded = true;
    });
    // Short work shows nothing: the window goes on painting meanwhile, and what is typed or
    // clicked waits until the work has ended.
    if (nDelayMs > 0) {
        QElapsedTimer waited;
        waited.start();
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(std::min(kPollMs, nDelayMs));
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (dlg.m_bEnded.load() || waited.elapsed() >= nDelayMs)
                loop.quit();
        });
        poll.start();
        if (!dlg.m_bEnded.load())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!dlg.m_bEnded.load()) {
        if (observer)
            QTimer::singleShot(0, &dlg, [&dlg, &observer] { observer(dlg); });
        dlg.m_poll.start();
        dlg.exec();
    }
    worker.join();
    // What the work reported for the person is shown now, before the caller says more.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return bResult;
}

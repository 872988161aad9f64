#include "editor/windows/exportvideodlg.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <memory>

using platform::Tr;

namespace {

constexpr const char* kFace = "EXPORT_VIDEO";
constexpr int IDS_TIP_CANCEL = 10044;

const QRect kNameRect(16, 46, 288, 22);
const QRect kBarRect(16, 78, 288, 20);
const QRect kStatusRect(16, 104, 250, 18);

const QColor kInk = QColor::fromRgb(faces::colour::ink);
const QColor kSoftInk = kInk.lighter(130);
const QColor kTeal = QColor::fromRgb(faces::colour::teal);
const QColor kCoral = QColor::fromRgb(faces::colour::coral);

} // namespace

CExportVideoDlg::CExportVideoDlg(std::string strProject, const CExportOptions& options,
    std::string strTarget, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_strProject(std::move(strProject))
    , m_options(options)
    , m_strTarget(std::move(strTarget))
    , m_pName(NewFaceLabel(this, "name", kNameRect, Lettering(12, true), kInk))
    , m_pStatus(NewFaceLabel(this, "status", kStatusRect, Lettering(11), kSoftInk))
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));
    const QString target = QString::fromStdString(m_strTarget);
    m_pName->setText(QFontMetrics(m_pName->font())
                         .elidedText(QFileInfo(target).fileName(), Qt::ElideMiddle,
                             kNameRect.width()));
    m_pName->setToolTip(target);
    m_pStatus->setText(tr("Starting…"));
    Bind(m_skin.AddButton("evcancel", IDC_EV_CANCEL, IDS_TIP_CANCEL));
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &CExportVideoDlg::Poll);
}

CExportVideoDlg::~CExportVideoDlg()
{
    m_bCancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

QRect CExportVideoDlg::BarRect()
{
    return kBarRect;
}

int CExportVideoDlg::exec()
{
    if (!m_worker.joinable() && !m_bEnded.load())
        m_worker = std::thread([this] { Work(); });
    m_poll.start();
    return CSkinnedDialog::exec();
}

void CExportVideoDlg::Work()
{
    CExportResult result;
    // The copy is only read: nothing is made beside it.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(m_strProject);
    if (movie == nullptr) {
        result.strError = Tr("Video", "the greeting's copy cannot be read");
    } else {
        movie->m_rcStage = {0, 0, 800, 600};
        CProjectDoc doc(std::move(movie));
        if (!doc.CreateBuffers())
            result.strError = Tr("Video", "there is not enough memory to compose the frames");
        else
            result = ExportGreeting(doc, m_options, m_strTarget, [this](int done, int total) {
                m_nTotal = total;
                m_nDone = done;
                return !m_bCancel.load();
            });
    }
    m_result = std::move(result);
    m_bEnded = true;
}

void CExportVideoDlg::Poll()
{
    m_pStatus->setText(GetStatusText());
    update(BarRect());
    if (!m_bEnded.load())
        return;
    m_poll.stop();
    if (m_worker.joinable())
        m_worker.join();
    QDialog::done(m_result.Succeeded() ? Accepted : Rejected);
}

QString CExportVideoDlg::GetStatusText() const
{
    if (m_bCancel.load())
        return tr("Cancelling…");
    const int total = m_nTotal.load();
    const int done = m_nDone.load();
    if (total <= 0)
        return tr("Starting…");
    // The GIF looks at every frame twice: first for its colours, then to write it.
    if (m_options.format == ExportFormat::gif) {
        const int frames = total / 2;
        if (done <= frames)
            return tr("Choosing the colours: frame %1 of %2").arg(done).arg(frames);
        return tr("Frame %1 of %2").arg(done - frames).arg(frames);
    }
    return tr("Frame %1 of %2").arg(done).arg(total);
}

void CExportVideoDlg::Cancel()
{
    m_bCancel = true;
    m_pStatus->setText(GetStatusText());
}

void CExportVideoDlg::reject()
{
    // The window stays until the work has stopped; Poll closes it then.
    Cancel();
}

void CExportVideoDlg::OnCommand(int nId)
{
    if (nId == IDC_EV_CANCEL)
        Cancel();
}

void CExportVideoDlg::paintEvent(QPaintEvent* event)
{
    CSkinnedDialog::paintEvent(event);
    const int total = m_nTotal.load();
    const int done = m_nDone.load();
    if (total <= 0 || done <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(BarRect()).adjusted(2, 2, -2, -2);
    QRectF filled = inner;
    filled.setWidth(inner.width() * std::min(done, total) / total);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_bCancel.load() ? kCoral : kTeal);
    painter.drawRoundedRect(filled, 4, 4);
    painter.setPen(kInk);
    painter.setFont(Lettering(11, true));
    painter.drawText(inner, Qt::AlignCenter,
        QStringLiteral("%1%").arg(static_cast<int>(static_cast<long long>(done) * 100 / total)));
}

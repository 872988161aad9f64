#include "editor/windows/recorderdlg.h"

#include "platform/audio.h"
#include "platform/files.h"
#include "platform/text.h"
#include "resources/faces.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kFace = "RECORDER";

const QRect kDeviceRect(23, 63, 314, 18);
const QRect kMeterRect(24, 110, 230, 32);
const QRect kTimeRect(260, 110, 76, 32);
const QRect kStatusRect(20, 190, 320, 26);
constexpr int kTickMs = 50;

// The level as a bar across the panel: teal while it is safe, sunshine when loud, coral at
// the top, on a scale in decibels from -60 dBFS so that a quiet voice still moves it.
class CLevelMeter : public QWidget {
public:
    CLevelMeter(QWidget* parent, const float& level)
        : QWidget(parent)
        , m_level(level)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor::fromRgb(faces::colour::edge), 1));
        p.setBrush(QColor::fromRgb(faces::colour::paperLight));
        p.drawRoundedRect(frame, 5, 5);
        const double db = m_level > 0 ? 20 * std::log10(m_level) : -60;
        const double share = std::clamp((db + 60) / 60, 0.0, 1.0);
        if (share <= 0)
            return;
        const QRectF bar(frame.left() + 3, frame.top() + 3, (frame.width() - 6) * share,
            frame.height() - 6);
        const QRgb tone = db > -3 ? faces::colour::coral
            : db > -12           ? faces::colour::sunshine
                                 : faces::colour::teal;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(tone));
        p.drawRoundedRect(bar, 3, 3);
    }

private:
    const float& m_level;
};

QString Clock(double seconds)
{
    const int tenths = static_cast<int>(seconds * 10);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg((tenths / 10) % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace

CRecorderDlg::CRecorderDlg(QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_pDevices(new QComboBox(this))
    , m_pMeter(new CLevelMeter(this, m_fLevel))
    , m_pTime(new QLabel(this))
    , m_pStatus(new QLabel(this))
    , m_listenFolder("vimble-listen-")
{
    setModal(true);
    setWindowTitle(tr("Record your voice"));
    CSkinToolTip* tips = m_skin.ToolTip();
    const auto add = [&](const char* face, int nId, const QString& name, const QString& tip) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(face, nId));
        button->setAccessibleName(name);
        button->setAccessibleDescription(tip);
        tips->AddTool(button, tip.toStdString());
    };
    add("rcrecord", IDC_RC_RECORD, tr("Record"), tr("Record from the microphone (a minute at most)"));
    add("rcstop", IDC_RC_STOP, tr("Stop"), tr("Stop recording"));
    add("rclisten", IDC_RC_LISTEN, tr("Listen"), tr("Listen to the recording"));
    add("rckeep", IDC_RC_KEEP, tr("Keep"), tr("Keep the recording"));
    add("rccancel", IDC_RC_CANCEL, tr("Cancel"), tr("Close without keeping anything"));
    tips->Activate(true);

    QFont font("Liberation Sans");
    font.setPixelSize(12);
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, QColor::fromRgb(faces::colour::ink));
    m_pDevices->setObjectName(QString::number(IDC_RC_DEVICE));
    m_pDevices->setGeometry(kDeviceRect);
    m_pDevices->setFont(font);
    m_pDevices->setFrame(false);
    m_pDevices->setAccessibleName(tr("Microphone"));
    m_pMeter->setGeometry(kMeterRect);
    m_pMeter->setAccessibleName(tr("Level"));
    m_pTime->setGeometry(kTimeRect);
    m_pTime->setFont(font);
    m_pTime->setPalette(ink);
    m_pTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pTime->setAccessibleName(tr("Time recorded"));
    m_pStatus->setGeometry(kStatusRect);
    QFont small("Liberation Sans");
    small.setPixelSize(11);
    m_pStatus->setFont(small);
    m_pStatus->setPalette(ink);
    m_pStatus->setWordWrap(true);
    m_pStatus->setAccessibleName(tr("What the recorder says"));

    std::string reason;
    const std::vector<std::string> devices = platform::CVoiceCapture::InputDevices(reason);
    for (const std::string& device : devices)
        m_pDevices->addItem(QString::fromStdString(device), QString::fromStdString(device));
    if (devices.empty()) {
        m_pDevices->addItem(tr("no microphone"));
        m_bHasDevice = false;
        Say(tr("No microphone was found: plug one in or turn it on, then open the recorder "
               "again."));
    } else {
        // The default first: what the desktop chose.
        m_pDevices->insertItem(0, tr("the desktop's microphone"), QString());
        m_pDevices->setCurrentIndex(0);
        Say(tr("Press Record and speak; up to a minute."));
    }
    m_pTime->setText(Clock(0));
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    UpdateButtons();
}

CRecorderDlg::~CRecorderDlg()
{
    m_timer.stop();
    m_capture.Stop();
    StopListening();
}

double CRecorderDlg::KeptSeconds() const
{
    return m_nRate > 0 ? static_cast<double>(m_cleaned.samples.size()) / m_nRate : 0;
}

void CRecorderDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_RC_RECORD:
        Record();
        break;
    case IDC_RC_STOP:
        Finish();
        break;
    case IDC_RC_LISTEN:
        Listen();
        break;
    case IDC_RC_KEEP:
        if (m_cleaned.samples.empty())
            return;
        StopListening();
        m_keptWave = VoiceWaveFile(m_cleaned.samples, m_nRate);
        accept();
        break;
    case IDC_RC_CANCEL:
        reject();
        break;
    default:
        break;
    }
}

void CRecorderDlg::reject()
{
    m_timer.stop();
    m_capture.Stop();
    StopListening();
    CSkinnedDialog::reject();
}

void CRecorderDlg::Record()
{
    StopListening();
    std::string reason;
    const std::string device = m_pDevices->currentData().toString().toStdString();
    if (!m_capture.Start(device, reason)) {
        Say(QString::fromStdString(reason) + QStringLiteral("."));
        UpdateButtons();
        return;
    }
    m_bRecording = true;
    m_cleaned = {};
    m_timer.start();
    Say(tr("Recording\u2026 press Stop when you are done."));
    UpdateButtons();
}

void CRecorderDlg::Finish()
{
    if (!m_bRecording)
        return;
    m_bRecording = false;
    m_timer.stop();
    const bool bLost = m_capture.Lost();
    const bool bFull = m_capture.Seconds() >= platform::CVoiceCapture::kMaxSeconds - 0.05;
    m_nRate = m_capture.Rate();
    const std::vector<int16_t> samples = m_capture.Take();
    m_fLevel = 0;
    m_pMeter->update();
    m_cleaned = CleanRecording(samples, m_nRate);
    if (m_cleaned.samples.empty()) {
        Say(QString::fromStdString(m_cleaned.strReason) + QStringLiteral("."));
    } else {
        QString said = tr("%1 s kept. Listen to it, keep it, or record again.")
                           .arg(KeptSeconds(), 0, 'f', 1);
        if (bLost)
            said = tr("The microphone went away; what came before is kept.") + QStringLiteral(" ")
                + said;
        else if (bFull)
            said = tr("A minute is the most a recording holds.") + QStringLiteral(" ") + said;
        Say(said);
    }
    m_pTime->setText(Clock(KeptSeconds()));
    UpdateButtons();
}

void CRecorderDlg::Listen()
{
    if (m_cleaned.samples.empty() || m_listenFolder.Path().empty())
        return;
    StopListening();
    const std::string path = platform::JoinPath(m_listenFolder.Path(), "listen.wav");
    const std::vector<uint8_t> wave = VoiceWaveFile(m_cleaned.samples, m_nRate);
    if (!platform::WriteWholeFile(path, wave)) {
        Say(tr("The recording cannot be played: %1 cannot be written.")
                .arg(QString::fromStdString(path)));
        return;
    }
    // A recorded voice plays once through the program's sound.
    m_nListening = platform::AudioOutput().PlayWaveLooping(path);
    if (m_nListening == 0)
        Say(tr("There is no sound output to listen with."));
}

void CRecorderDlg::StopListening()
{
    if (m_nListening != 0)
        platform::AudioOutput().StopWave(m_nListening);
    m_nListening = 0;
}

void CRecorderDlg::Tick()
{
    if (!m_bRecording)
        return;
    m_fLevel = m_capture.Level();
    m_pMeter->update();
    m_pTime->setText(Clock(m_capture.Seconds()));
    // The minute is full, or the microphone went away: what there is stays.
    if (!m_capture.IsRecording())
        Finish();
}

void CRecorderDlg::UpdateButtons()
{
    const bool bDevice = m_bHasDevice;
    const bool bKept = !m_cleaned.samples.empty();
    m_skin.Button(IDC_RC_RECORD)->setEnabled(bDevice && !m_bRecording);
    m_skin.Button(IDC_RC_STOP)->setEnabled(m_bRecording);
    m_skin.Button(IDC_RC_LISTEN)->setEnabled(bKept && !m_bRecording);
    m_skin.Button(IDC_RC_KEEP)->setEnabled(bKept && !m_bRecording);
    m_pDevices->setEnabled(bDevice && !m_bRecording);
    for (int nId : { IDC_RC_RECORD, IDC_RC_STOP, IDC_RC_LISTEN, IDC_RC_KEEP })
        m_skin.Button(nId)->update();
}

void CRecorderDlg::Say(const QString& text)
{
    m_pStatus->setText(text);
    m_pStatus->setAccessibleDescription(text);
}

#include "editor/windows/senddlg.h"

#include "editor/core/mailhost.h"
#include "editor/skin/skinlist.h"
#include "editor/windows/mailoptionsdlg.h"
#include "editor/windows/picklistdlg.h"
#include "editor/windows/recorderdlg.h"
#include "mail/mailmedia.h"
#include "mail/contacts.h"
#include "mail/mailthread.h"
#include "mail/outbox.h"
#include "mail/message.h"
#include "mail/bundle.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/postcall.h"
#include "platform/secret.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "playback/projectdoc.h"
#include "playback/voicesound.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace {

constexpr const char* kFace = "SEND_MAIL";

// Where the fields sit: inside the face's panels under their labels.
const QRect kToRect(24, 121, 292, 18);
const QRect kSubjectRect(24, 175, 390, 18);
const QRect kTextRect(22, 228, 394, 166);
// What goes in the message and how large it is, under the mail program switch.
const QRect kSizeRect(20, 422, 398, 22);
// The day and hour of "Send on", in its panel.
const QRect kWhenRect(99, 449, 150, 18);

// The name a new greeting's copy goes by (it names the attachment).
constexpr char kNewGreetingName[] = "greeting.kel";

void Dress(QWidget* field)
{
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    field->setFont(font);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor::fromRgb(faces::colour::ink));
    field->setPalette(palette);
}

// The day and hour keep their place in the face: where the language's longest day and month
// names do not fit beside the calendar button, the field's text is drawn smaller (down to 9 px).
void FitDayAndHour(QDateTimeEdit* field)
{
    constexpr int kButtonAndMargins = 26;
    const int room = field->width() - kButtonAndMargins;
    const QLocale locale = field->locale();
    QFont font = field->font();
    for (int size = font.pixelSize(); size >= 9; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        // Every month, and every day of the week with a two-digit day.
        for (int month = 1; month <= 12; ++month)
            for (int day = 22; day <= 28; ++day)
                widest = std::max(widest,
                    metrics.horizontalAdvance(locale.toString(
                        QDateTime(QDate(2026, month, day), QTime(20, 58)), field->displayFormat())));
        if (widest <= room)
            break;
    }
    field->setFont(font);
}

QLineEdit* MakeLine(QWidget* parent, int nId, const QRect& rc)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(nId));
    edit->setGeometry(rc);
    edit->setFrame(false);
    Dress(edit);
    return edit;
}

std::string StdText(const QString& text)
{
    return text.toStdString();
}

// An address that could break out of the angle brackets of the mail commands, or hold a
// line of its own.
bool IsUnsafeAddress(const std::string& address)
{
    for (unsigned char c : address)
        if (c == '<' || c == '>' || c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// Removes a folder and what is in it; nothing for an empty path.
void RemoveFolder(const std::string& folder)
{
    std::error_code ec;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ec);
}

} // namespace

CSendMailDlg::CSendMailDlg(CGreetingSource& source)
    : CSkinnedDialog(kFace, true, source.DialogParent())
    , m_source(source)
    , m_pTo(MakeLine(this, IDC_SM_TO, kToRect))
    , m_pSubject(MakeLine(this, IDC_SM_SUBJECT, kSubjectRect))
    , m_pText(new QPlainTextEdit(this))
    , m_pWhen(new QDateTimeEdit(this))
    , m_pSizeLine(new QLabel(this))
    , m_settings(CMailSettings::Load())
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));
    m_pText->setObjectName(QString::number(IDC_SM_TEXT));
    m_pText->setGeometry(kTextRect);
    m_pText->setFrameShape(QFrame::NoFrame);
    m_pText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pText->setTabChangesFocus(true);
    Dress(m_pText);
    m_pTo->setPlaceholderText(tr("friend@example.org, another@example.org"));
    // The face writes the fields' labels; a screen reader hears them from here.
    m_pTo->setAccessibleName(tr("Recipients"));
    m_pSubject->setAccessibleName(tr("Subject"));
    m_pText->setAccessibleName(tr("Message text"));

    CSkinToolTip* tips = m_skin.ToolTip();
    tips->AddTool(Bind(m_skin.AddButton("smsend", IDC_SM_SEND)), tr("Send the greeting"));
    tips->AddTool(Bind(m_skin.AddButton("smcancel", IDC_SM_CANCEL)), tr("Close without sending"));
    tips->AddTool(Bind(m_skin.AddButton("smoptions", IDC_SM_OPTIONS)),
        tr("The mail server and your address"));
    tips->AddTool(Bind(m_skin.AddButton("smsendplayer", IDC_SM_PLAYER)),
        tr("Send the player's sounds and fonts with the greeting"));
    tips->AddTool(Bind(m_skin.AddButton("smaddresslist", IDC_SM_ADDRESSES)),
        tr("Choose from the people you have sent to"));
    tips->AddTool(Bind(m_skin.AddButton("smvoicemail", IDC_SM_VOICEMAIL)),
        tr("Record a message in your own voice that plays as the greeting starts"));
    CMyBitmapButton* program = Bind(m_skin.AddButton("smmailprogram", IDC_SM_MAILPROGRAM));
    tips->AddTool(program,
        tr("Hand the greeting to your own mail program instead of sending it from here")
            .toStdString());
    program->setAccessibleName(tr("Send with my mail program"));
    CMyBitmapButton* later = Bind(m_skin.AddButton("smlater", IDC_SM_LATER));
    tips->AddTool(later, tr("Put the greeting in the outbox, to be sent on the day and at the hour below")
                             .toStdString());
    later->setAccessibleName(tr("Send on a day"));
    CMyBitmapButton* yearly = Bind(m_skin.AddButton("smyearly", IDC_SM_YEARLY));
    tips->AddTool(yearly,
        tr("Send it again every year on each recipient's birthday, at 8 in the morning").toStdString());
    yearly->setAccessibleName(tr("Every year on their birthday"));
    // These five keep a pressed look while set: check buttons from the start.
    for (int nId : {IDC_SM_PLAYER, IDC_SM_VOICEMAIL, IDC_SM_MAILPROGRAM, IDC_SM_LATER, IDC_SM_YEARLY})
        m_skin.Button(nId)->SetPressedLook(false);
    m_pWhen->setObjectName(QString::number(IDC_SM_LATER));
    m_pWhen->setGeometry(kWhenRect);
    m_pWhen->setDisplayFormat(QStringLiteral("ddd d MMM yyyy HH:mm"));
    m_pWhen->setCalendarPopup(true);
    m_pWhen->setFrame(false);
    m_pWhen->setAccessibleName(tr("Day and hour to send on"));
    m_pWhen->setEnabled(false);
    Dress(m_pWhen);
    FitDayAndHour(m_pWhen);
    OfferTime(); // tomorrow at 8:00 until "send on" offers better

    QFont small("Liberation Sans");
    small.setPixelSize(10);
    m_pSizeLine->setFont(small);
    m_pSizeLine->setGeometry(kSizeRect);
    m_pSizeLine->setWordWrap(true);
    m_pSizeLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette ink = m_pSizeLine->palette();
    ink.setColor(QPalette::WindowText, QColor::fromRgb(faces::colour::ink));
    m_pSizeLine->setPalette(ink);
    m_pSizeLine->setAccessibleName(tr("Size of the message"));
    m_pSizeLine->setText(tr("Working out what goes in the message\u2026"));
    tips->Activate(true);
    FocusFollowsPointer();
    setTabOrder(m_pTo, m_pSubject);
    setTabOrder(m_pSubject, m_pText);
    setTabOrder(m_pText, m_pWhen);
    m_pTo->setFocus();
}

CSendMailDlg::~CSendMailDlg()
{
    StopEstimate();
}

void CSendMailDlg::showEvent(QShowEvent* event)
{
    CSkinnedDialog::showEvent(event);
    if (!m_estimate.joinable() && !m_bEstimateShown)
        StartEstimate();
}

void CSendMailDlg::StopEstimate()
{
    if (m_pStopEstimate)
        *m_pStopEstimate = true;
    if (m_estimate.joinable())
        m_estimate.join();
    m_pStopEstimate.reset();
}

void CSendMailDlg::StartEstimate()
{
    StopEstimate();
    m_bEstimateShown = false;
    const CMailSettings settings = m_settings;
    if (!settings.m_bPreview) {
        m_pSizeLine->setText(tr("The greeting goes as the self-playing attachment."));
        m_bEstimateShown = true;
        return;
    }
    // The greeting as it is now, drawn from a copy: the editor's own stays untouched.
    auto folder = std::make_shared<platform::CTempFolder>("vimble-estimate-");
    const std::string own = platform::FileNameOf(m_source.GetPath());
    const std::string copy
        = platform::JoinPath(folder->Path(), own.empty() ? kNewGreetingName : own);
    if (folder->Path().empty() || !m_source.SaveCopyTo(copy, this)) {
        m_pSizeLine->setText(tr("The size of the message cannot be worked out."));
        m_bEstimateShown = true;
        return;
    }
    m_pSizeLine->setText(tr("Working out what goes in the message\u2026"));
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_pStopEstimate = stop;
    CMailMediaPlan plan;
    plan.bVideo = settings.m_bAttachVideo;
    plan.bGreeting = settings.m_bAttachGreeting;
    // The texts and the headers, and the player's attachment when it goes.
    plan.nOtherBytes = 4096 + 3 * static_cast<int64_t>(m_pText->toPlainText().size());
    if (settings.m_bAttachPlayer || m_bSendPlayer) {
        plan.nOtherBytes += Base64MessageBytes(
            BundleBytes(copy, platform::FirstDataDirectory(), m_bSendPlayer));
    }
    plan.nLimit = platform::ReadSettingInt("MailSizeLimit", static_cast<int>(kDefaultMailSizeLimit));
    // The answer comes back through this window's event queue: the window waits for the
    // thread before it goes, and its queued calls go with it. An answer for an estimate that a
    // later one replaced is dropped.
    const uint64_t generation = ++m_nEstimate;
    m_estimate = std::thread([this, generation, stop, folder, copy, plan] {
        CMailMedia media;
        std::string reason;
        const bool made = PrepareMailMedia(copy, folder->Path(), AttachmentStem(copy), plan, media,
            reason, [&](const std::string&, int, int) { return !*stop; });
        if (*stop)
            return;
        QString text = made ? QString::fromStdString(DescribeMailSize(media))
                            : tr("Too large to send: %1.")
                                  .arg(QString::fromStdString(reason));
        if (made && !media.strVideoLeftOut.empty())
            text += QStringLiteral("\n") + QString::fromStdString(media.strVideoLeftOut);
        platform::PostCall(this, [this, generation, text] {
            if (generation != m_nEstimate)
                return;
            m_pSizeLine->setText(text);
            m_bEstimateShown = true;
        });
    });
}

QLineEdit* CSendMailDlg::Field(int nId) const
{
    return nId == IDC_SM_TO ? m_pTo : nId == IDC_SM_SUBJECT ? m_pSubject : nullptr;
}

void CSendMailDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_SM_SEND:
        OnSend();
        break;
    case IDC_SM_CANCEL:
        reject();
        break;
    case IDC_SM_OPTIONS:
        // What the message carries may have changed, and with it its size.
        if (OpenOptions() && isVisible())
            StartEstimate();
        break;
    case IDC_SM_PLAYER:
        m_bSendPlayer = !m_bSendPlayer;
        m_skin.Button(IDC_SM_PLAYER)->SetPressedLook(m_bSendPlayer);
        m_skin.Button(IDC_SM_PLAYER)->repaint();
        break;
    case IDC_SM_VOICEMAIL:
        ToggleVoiceMail();
        break;
    case IDC_SM_ADDRESSES:
        PickAddress();
        break;
    case IDC_SM_MAILPROGRAM:
        m_bMailProgram = !m_bMailProgram;
        m_skin.Button(IDC_SM_MAILPROGRAM)->SetPressedLook(m_bMailProgram);
        m_skin.Button(IDC_SM_MAILPROGRAM)->repaint();
        break;
    case IDC_SM_LATER:
        SetLater(!m_bLater);
        break;
    case IDC_SM_YEARLY:
        m_bYearly = !m_bYearly;
        m_skin.Button(IDC_SM_YEARLY)->SetPressedLook(m_bYearly);
        m_skin.Button(IDC_SM_YEARLY)->repaint();
        // A yearly greeting is planned too; its day is each recipient's birthday.
        SetLater(m_bYearly || m_bLater);
        break;
    default:
        break;
    }
}

bool CSendMailDlg::OpenOptions(const std::string& strPasswordNote)
{
    CMailOptionsDlg dlg(0, this);
    dlg.m_strServer = m_settings.m_strServer;
    dlg.m_strAddress = m_settings.m_strAddress;
    dlg.m_nSecurity = m_settings.m_nSecurity;
    dlg.m_strUser = m_settings.m_strUser;
    dlg.m_bPreview = m_settings.m_bPreview;
    dlg.m_bAttachPlayer = m_settings.m_bAttachPlayer;
    dlg.m_bAttachVideo = m_settings.m_bAttachVideo;
    dlg.m_bAttachGreeting = m_settings.m_bAttachGreeting;
    dlg.AskForPassword(strPasswordNote);
    const bool bOk = m_runOptions ? m_runOptions(dlg) : dlg.exec() == QDialog::Accepted;
    if (!bOk) {
        platform::WipeSecret(dlg.m_strPassword);
        return false;
    }
    m_settings.m_strServer = dlg.m_strServer;
    m_settings.m_strAddress = dlg.m_strAddress;
    m_settings.m_nSecurity = dlg.m_nSecurity;
    m_settings.m_strUser = dlg.m_strUser;
    m_settings.m_bPreview = dlg.m_bPreview;
    m_settings.m_bAttachPlayer = dlg.m_bAttachPlayer || !dlg.m_bPreview;
    m_settings.m_bAttachVideo = dlg.m_bAttachVideo;
    m_settings.m_bAttachGreeting = dlg.m_bAttachGreeting;
    // They are kept for the next greeting; the password only in the keyring (or, without
    // one, in memory until the program ends).
    m_settings.Save();
    if (!dlg.m_strPassword.empty() && !m_settings.m_strUser.empty()) {
        const std::string note = KeepMailPassword(
            m_settings.m_strServer, m_settings.m_strUser, dlg.m_strPassword);
        platform::WipeSecret(dlg.m_strPassword);
        if (!note.empty() && strPasswordNote.empty())
            platform::ShowMessage(note);
    }
    platform::WipeSecret(dlg.m_strPassword);
    return true;
}

bool CSendMailDlg::PasswordForSend(std::string& password)
{
    password = SessionMailPassword(m_settings.m_strServer, m_settings.m_strUser);
    if (!password.empty() || platform::SecretServiceAvailable())
        return true; // the worker asks the keyring
    if (!OpenOptions(tr("no keyring: type it for this session").toStdString()))
        return false;
    // The options may have changed the login; the password asked for is the new one's.
    password = SessionMailPassword(m_settings.m_strServer, m_settings.m_strUser);
    return !password.empty() || m_settings.m_strUser.empty();
}

void CSendMailDlg::PickAddress()
{
    CPickListDlg picker(PICK_MODE_ADDRESS, this);
    const bool bOk = m_runPicker ? m_runPicker(picker) : picker.exec() == QDialog::Accepted;
    // The chosen entry replaces the whole recipients text; no choice leaves it alone.
    if (bOk && picker.m_nSelected != -1 && !picker.m_strSelected.empty())
        m_pTo->setText(QString::fromStdString(picker.m_strSelected));
    m_pTo->setFocus();
}

QString CSendMailDlg::WhyNotSendable() const
{
    const std::string to = StdText(m_pTo->text());
    const std::vector<std::string> recipients = SplitRecipients(to);
    if (recipients.empty())
        return tr("Type whom the greeting goes to.");
    for (const std::string& address : recipients)
        if (IsUnsafeAddress(address))
            return tr("The address \"%1\" cannot be used: it holds \"<\", \">\" or a control "
                      "character.").arg(QString::fromStdString(address));
    // The mail program sends with the account it keeps.
    if (m_bMailProgram)
        return NoGreetingReason();
    const std::string& address = m_settings.m_strAddress;
    if (m_settings.m_strServer.empty())
        return tr("Give the mail server in the options first.");
    if (address.empty())
        return tr("Give your e-mail address in the options first.");
    if (IsUnsafeAddress(address) || SplitRecipients(address).size() != 1)
        return tr("Your address \"%1\" cannot be used as a sender.").arg(QString::fromStdString(address));
    return NoGreetingReason();
}

QString CSendMailDlg::NoGreetingReason() const
{
    const CProjectDoc* doc = m_source.GetDoc();
    return doc == nullptr || doc->GetMovie() == nullptr ? tr("There is no greeting to send.")
                                                        : QString();
}

void CSendMailDlg::Refuse(const QString& why)
{
    m_strRefusal = why.toStdString();
    platform::ShowMessage(m_strRefusal);
}

void CSendMailDlg::OnSend()
{
    // The time the result box gives counts from here.
    const auto pressed = std::chrono::steady_clock::now();
    m_strRefusal.clear();
    if (m_bLater) {
        Plan();
        return;
    }
    // One send at a time: the worker's files have fixed names.
    if (IsSendInProgress() || g_pMailThread.load() != nullptr) {
        Refuse(tr("A greeting is still being sent. Send this one when its result has been shown."));
        return;
    }
    if (const QString why = WhyNotSendable(); !why.isEmpty()) {
        Refuse(why);
        return;
    }
    std::string password;
    if (!m_bMailProgram && !m_settings.m_strUser.empty() && !PasswordForSend(password)) {
        Refuse(tr("The greeting was not sent: the mail server's login needs its password."));
        return;
    }
    // The greeting as it is in the editor, changes not yet saved included, in a folder of its
    // own: the worker consumes the copy and removes the folder when it is done.
    const std::string folder = platform::MakeTempDirectory("vimble-send-");
    if (folder.empty()) {
        Refuse(tr("No private folder can be made in %1 for the greeting's copy.")
                   .arg(QString::fromStdString(platform::TempDirectory())));
        return;
    }
    const std::string own = platform::FileNameOf(m_source.GetPath());
    const std::string copy = platform::JoinPath(folder, own.empty() ? kNewGreetingName : own);
    if (!m_source.SaveCopyTo(copy, this) || !IsProjectFile(copy)) {
        RemoveFolder(folder);
        Refuse(tr("The greeting's copy cannot be written into %1.").arg(QString::fromStdString(folder)));
        return;
    }
    if (!AddVoiceTo(copy)) {
        RemoveFolder(folder);
        return;
    }
    auto thread = MakeWorker();
    thread->m_strPassword = password;
    platform::WipeSecret(password);
    thread->m_sendPressed = pressed;
    thread->m_strProjectPath = copy;
    thread->m_strOwnedFolder = folder;
    thread->m_pHost = &CEditorMailHost::Get();
    // The estimate's drawing is not needed any more; the send draws the greeting itself.
    StopEstimate();
    const bool bStarted = m_start ? m_start(std::move(thread)) : StartMailThread(std::move(thread));
    if (!bStarted) {
        RemoveFolder(folder);
        Refuse(tr("The greeting cannot be sent now: the mail worker did not start."));
        return;
    }
    accept();
}

std::unique_ptr<CMailThread> CSendMailDlg::MakeWorker() const
{
    auto thread = std::make_unique<CMailThread>();
    thread->m_strTo = StdText(m_pTo->text());
    thread->m_strSubject = StdText(m_pSubject->text());
    thread->m_strText = WithCrLf(StdText(m_pText->toPlainText()));
    thread->m_strFrom = m_settings.m_strAddress;
    thread->m_strServer = m_settings.m_strServer;
    thread->m_nSecurity = m_settings.Security();
    thread->m_strUser = m_settings.m_strUser;
    thread->m_bPreview = m_settings.m_bPreview;
    // "With player" asks for the self-playing attachment with the player's data.
    thread->m_bAttachPlayer = m_settings.m_bAttachPlayer || m_bSendPlayer;
    thread->m_bSendPlayer = m_bSendPlayer;
    thread->m_bAttachVideo = m_settings.m_bAttachVideo;
    thread->m_bAttachGreeting = m_settings.m_bAttachGreeting;
    thread->m_bMailProgram = m_bMailProgram;
    return thread;
}

std::time_t CSendMailDlg::Now() const
{
    return m_clock ? m_clock() : std::time(nullptr);
}

void CSendMailDlg::SetLater(bool bLater)
{
    m_bLater = bLater;
    if (!m_bLater && m_bYearly) {
        m_bYearly = false;
        m_skin.Button(IDC_SM_YEARLY)->SetPressedLook(false);
        m_skin.Button(IDC_SM_YEARLY)->repaint();
    }
    m_skin.Button(IDC_SM_LATER)->SetPressedLook(m_bLater);
    m_skin.Button(IDC_SM_LATER)->repaint();
    m_pWhen->setEnabled(m_bLater && !m_bYearly);
    if (m_bLater)
        OfferTime();
}

void CSendMailDlg::OfferTime()
{
    const std::time_t now = Now();
    // Tomorrow at 8:00, unless the one recipient is a contact whose birthday is known.
    QDateTime offer(QDateTime::fromSecsSinceEpoch(now).date().addDays(1), QTime(8, 0));
    const std::vector<std::string> recipients = SplitRecipients(StdText(m_pTo->text()));
    if (recipients.size() == 1) {
        CContactBook contacts;
        std::vector<std::string> skipped;
        std::string reason;
        contacts.Load(ContactsPath(), skipped, reason);
        const int found = contacts.Find(recipients[0]);
        if (found >= 0 && contacts.Contacts()[static_cast<size_t>(found)].HasBirthday()) {
            const CContact& contact = contacts.Contacts()[static_cast<size_t>(found)];
            const std::time_t next
                = PlannedBirthdayMorning(contact.m_nBirthMonth, contact.m_nBirthDay, now);
            if (next != 0)
                offer = QDateTime::fromSecsSinceEpoch(std::max(next, now + 60));
        }
    }
    m_pWhen->setDateTime(offer);
}

void CSendMailDlg::Plan()
{
    // A mail program sends when the person presses its own Send; it cannot wait for a day.
    if (m_bMailProgram) {
        Refuse(tr("A greeting planned for a day is sent from here: turn off \"send with my mail "
                  "program\" first."));
        return;
    }
    if (const QString why = WhyNotSendable(); !why.isEmpty()) {
        Refuse(why);
        return;
    }
    const std::time_t now = Now();
    const std::time_t at = m_pWhen->dateTime().toSecsSinceEpoch();
    if (!m_bYearly && at <= now) {
        Refuse(tr("Choose a day and hour still to come for the greeting."));
        return;
    }
    // The outbox keeps a copy of its own of the greeting as it is in the editor now.
    platform::CTempFolder folder("vimble-plan-");
    const std::string own = platform::FileNameOf(m_source.GetPath());
    const std::string copy = platform::JoinPath(folder.Path(), own.empty() ? kNewGreetingName : own);
    if (folder.Path().empty() || !m_source.SaveCopyTo(copy, this) || !IsProjectFile(copy)) {
        Refuse(tr("The greeting's copy cannot be written into %1.")
                   .arg(QString::fromStdString(platform::TempDirectory())));
        return;
    }
    if (!AddVoiceTo(copy))
        return;
    const std::unique_ptr<CMailThread> worker = MakeWorker();
    CContactBook contacts;
    std::vector<std::string> skipped, ids;
    std::string reason;
    contacts.Load(ContactsPath(), skipped, reason);
    reason.clear();
    if (!ScheduleGreeting(m_strOutbox.empty() ? OutboxPath() : m_strOutbox, OutboxFormOf(*worker),
            worker->m_strTo, copy, at, m_bYearly, contacts, now, ids, reason)) {
        Refuse(tr("The greeting cannot be planned: %1.")
                   .arg(QString::fromStdString(reason)));
        return;
    }
    m_planned = ids;
    const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(at), QLocale::LongFormat);
    std::time_t first = at;
    std::vector<std::string> damaged;
    for (const COutboxEntry& entry : ListOutbox(m_strOutbox.empty() ? OutboxPath() : m_strOutbox, damaged)) {
        if (std::find(ids.begin(), ids.end(), entry.m_strId) != ids.end()) {
            first = entry.m_due;
            break; // the soonest, as the list comes
        }
    }
    QString said = m_bYearly
        ? tr("The greeting is in the outbox. It goes every year on each recipient's birthday, "
             "at 8 in the morning, first on %1.")
              .arg(QLocale().toString(QDateTime::fromSecsSinceEpoch(first), QLocale::LongFormat))
        : tr("The greeting is in the outbox. It goes on %1.").arg(when);
    // Without a keyring the password cannot be looked up when the day comes.
    if (!m_settings.m_strUser.empty() && !platform::SecretServiceAvailable())
        said += QStringLiteral("\n")
            + tr("Your mail server's password is not kept in a keyring: if Vimble e-mail is not "
                 "running on the day, the greeting waits until you start it and give the "
                 "password.");
    platform::ShowMessage(said.toStdString());
    accept();
}

void CSendMailDlg::ToggleVoiceMail()
{
    if (m_bVoiceMail) {
        m_voice.clear();
        m_bVoiceMail = false;
    } else {
        CRecorderDlg recorder(this);
        const bool bKept
            = m_runRecorder ? m_runRecorder(recorder) : recorder.exec() == QDialog::Accepted;
        if (bKept && !recorder.KeptWave().empty()) {
            m_voice = recorder.KeptWave();
            m_bVoiceMail = true;
        }
    }
    m_skin.Button(IDC_SM_VOICEMAIL)->SetPressedLook(m_bVoiceMail);
    m_skin.Button(IDC_SM_VOICEMAIL)->setAccessibleDescription(
        m_bVoiceMail ? tr("A recorded message goes with the greeting") : QString());
    m_skin.Button(IDC_SM_VOICEMAIL)->repaint();
}

bool CSendMailDlg::AddVoiceTo(const std::string& strCopy)
{
    if (m_voice.empty())
        return true;
    const std::string wave
        = platform::JoinPath(platform::DirectoryOf(strCopy), "Voice message.wav");
    if (!platform::WriteWholeFile(wave, m_voice)) {
        Refuse(tr("The voice message cannot be written beside the greeting's copy."));
        return false;
    }
    // It plays from the first frame, carried by the first object that has no sound then.
    std::string reason;
    const bool bAdded = AddWaveSoundToFile(strCopy, wave, 0, kFirstObjectFree, strCopy, reason);
    platform::DeleteFile(wave);
    if (!bAdded)
        Refuse(tr("The voice message cannot go with this greeting: %1.")
                   .arg(QString::fromStdString(reason)));
    return bAdded;
}

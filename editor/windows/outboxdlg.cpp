#include "editor/windows/outboxdlg.h"

#include "editor/core/mailsettings.h"
#include "editor/core/prompts.h"
#include "editor/skin/skinlist.h"
#include "mail/contacts.h"
#include "mail/outboxnotify.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/postcall.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "resources/faces.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr const char* kFace = "OUTBOX";

// Inside the face's panel.
const QRect kListRect(22, 62, 516, 186);
// Two lines a row: when and the state, then to whom and the subject.
constexpr int kRowHeight = 32;

// Where a row keeps its place in m_rows, and the pieces its two lines are drawn from (when,
// state, to whom and subject); a row without pieces is drawn as its text.
constexpr int kRowRole = Qt::UserRole + 2;
constexpr int kPiecesRole = Qt::UserRole + 3;
// How a row's state reads: as any, quieter (sent, not sent) or calling for the person.
constexpr int kToneRole = Qt::UserRole + 4;
constexpr int kToneQuiet = 1;
constexpr int kToneAttention = 2;

std::string StdText(const QString& text)
{
    return text.toStdString();
}

QString TimeText(std::time_t time)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(static_cast<qint64>(time)),
        QStringLiteral("ddd d MMM yyyy HH:mm"));
}

// The two lines of an entry's row, as the list draws them.
class COutboxRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight };
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        // The style sheet's card, hover and choice; the letters are ours.
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect rc = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                             .adjusted(0, 2, -4, -2);
        const bool bChosen = opt.state & QStyle::State_Selected;
        const int tone = index.data(kToneRole).toInt();
        // Rows that are over read quieter; a state that wants the person in sunshine.
        QColor colour = Qt::white;
        if (bChosen)
            colour = QColor::fromRgb(faces::colour::ink);
        else if (!(opt.state & QStyle::State_Enabled) || !(index.flags() & Qt::ItemIsSelectable)
            || tone == kToneQuiet)
            colour = QColor::fromRgb(faces::colour::edge);
        painter->save();
        // A hairline between the rows.
        if (!bChosen && index.row() + 1 < index.model()->rowCount()) {
            painter->setPen(QColor::fromRgb(faces::colour::ink).lighter(150));
            painter->drawLine(
                opt.rect.left() + 4, opt.rect.bottom(), opt.rect.right() - 4, opt.rect.bottom());
        }
        painter->setPen(colour);
        painter->setFont(opt.font);
        const QStringList pieces = index.data(kPiecesRole).toStringList();
        if (pieces.size() != 4) {
            if (!bChosen && tone == kToneAttention)
                painter->setPen(QColor::fromRgb(faces::colour::sunshine));
            painter->drawText(rc, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
            painter->restore();
            return;
        }
        const int lineHeight = rc.height() / 2;
        const QRect top(rc.left(), rc.top(), rc.width(), lineHeight);
        const QRect bottom(rc.left(), rc.top() + lineHeight, rc.width(), rc.height() - lineHeight);
        // The time in bold on the left, the state on the right with what room is left.
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics boldMetrics(bold);
        const QFontMetrics metrics(opt.font);
        const QString when = boldMetrics.elidedText(pieces[0], Qt::ElideRight, top.width());
        const int whenWidth = boldMetrics.horizontalAdvance(when);
        const QString state = metrics.elidedText(
            pieces[1], Qt::ElideRight, std::max(0, top.width() - whenWidth - 12));
        painter->setFont(bold);
        painter->drawText(top, Qt::AlignLeft | Qt::AlignVCenter, when);
        painter->setFont(opt.font);
        if (!bChosen && tone == kToneAttention)
            painter->setPen(QColor::fromRgb(faces::colour::sunshine));
        painter->drawText(top, Qt::AlignRight | Qt::AlignVCenter, state);
        painter->setPen(colour);
        const QString line
            = pieces[3].isEmpty() ? pieces[2] : pieces[2] + QStringLiteral(" \u00b7 ") + pieces[3];
        painter->drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(line, Qt::ElideRight, bottom.width()));
        painter->restore();
    }
};

} // namespace

COutboxDlg::COutboxDlg(std::string strOutbox, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_strOutbox(std::move(strOutbox))
    , m_pList(new QListWidget(this))
{
    setModal(true);
    setWindowTitle(tr("Outbox"));
    m_pList->setObjectName(QString::number(IDC_OB_LIST));
    SetUpSkinList(m_pList, kListRect, kRowHeight, 4, true);
    m_pList->setItemDelegate(new COutboxRowDelegate(m_pList));
    m_pList->setAccessibleName(tr("Planned greetings"));
    m_pList->setAccessibleDescription(
        tr("Each greeting's time, recipient, subject and whether it was sent"));
    CSkinToolTip* tips = m_skin.ToolTip();
    const auto add = [&](const char* face, int nId, const QString& name, const QString& tip) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(face, nId));
        button->setAccessibleName(name);
        button->setAccessibleDescription(tip);
        tips->AddTool(button, StdText(tip));
    };
    add("obsendnow", IDC_OB_SENDNOW, tr("Send now"), tr("Send the chosen greeting now"));
    add("obcancel", IDC_OB_CANCEL, tr("Don't send"),
        tr("Keep the chosen greeting from being sent"));
    add("obopen", IDC_OB_OPEN, tr("Open"), tr("Open the chosen greeting in the editor"));
    add("obremove", IDC_OB_REMOVE, tr("Remove"), tr("Remove the chosen greeting from the outbox"));
    add("obclose", IDC_OB_CLOSE, tr("Close"), tr("Close"));
    tips->Activate(true);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] { EnableButtons(); });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item != nullptr && item->isSelected())
            OpenChosen();
    });
    m_refresh.setInterval(kRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, [this] { Refresh(); });
    Refresh();
    m_pList->setFocus();
}

COutboxDlg::~COutboxDlg()
{
    // The send's answer is posted to this window and goes with it; the send itself ends first.
    if (m_sender.joinable())
        m_sender.join();
}

std::time_t COutboxDlg::Now() const
{
    return m_clock ? m_clock() : std::time(nullptr);
}

void COutboxDlg::Say(const QString& text)
{
    m_strMessage = text.toStdString();
    platform::ShowMessage(m_strMessage);
}

void COutboxDlg::showEvent(QShowEvent* event)
{
    CSkinnedDialog::showEvent(event);
    m_refresh.start();
}

void COutboxDlg::hideEvent(QHideEvent* event)
{
    m_refresh.stop();
    CSkinnedDialog::hideEvent(event);
}

void COutboxDlg::Refresh()
{
    const CRow* chosen = Chosen();
    const std::string chosenId = chosen != nullptr ? chosen->strId : std::string();
    CContactBook contacts;
    std::vector<std::string> skipped;
    std::string reason;
    // Names make the rows easier to read; without the contacts the addresses do.
    contacts.Load(ContactsPath(), skipped, reason);
    std::vector<std::string> damaged;
    const std::vector<COutboxEntry> entries = ListOutbox(m_strOutbox, damaged);

    // Read again under the person's eyes: the list stays where it was scrolled to.
    const int scrolled = m_pList->verticalScrollBar()->value();
    m_rows.clear();
    const QSignalBlocker quiet(m_pList);
    m_pList->clear();
    const auto addRow = [&](CRow row, const QString& text, const QStringList& pieces,
                            const QString& tip, int tone) {
        auto* item = new QListWidgetItem(text, m_pList);
        item->setData(kRowRole, static_cast<int>(m_rows.size()));
        if (!pieces.isEmpty())
            item->setData(kPiecesRole, pieces);
        item->setData(kToneRole, tone);
        item->setToolTip(tip);
        if (row.kind == RowKind::empty)
            item->setFlags(Qt::ItemIsEnabled);
        m_rows.push_back(std::move(row));
        return item;
    };
    for (const COutboxEntry& entry : entries) {
        const bool bWaiting
            = entry.m_state == OutboxState::waiting || entry.m_state == OutboxState::needsPassword;
        QString when = TimeText(bWaiting ? entry.NextTime() : entry.m_due);
        if (entry.m_bYearly)
            when += QStringLiteral(" \u00b7 ") + tr("every year");
        QString to = QString::fromStdString(entry.m_strTo);
        const int known = contacts.Find(to.toStdString());
        if (known >= 0 && !contacts.Contacts()[static_cast<size_t>(known)].m_strName.empty())
            to = QStringLiteral("%1 <%2>").arg(
                QString::fromStdString(contacts.Contacts()[static_cast<size_t>(known)].m_strName),
                to);
        const QString subject
            = entry.m_strSubject.empty() ? tr("(no subject)") : QString::fromStdString(entry.m_strSubject);
        const QString reply = QString::fromStdString(entry.m_strLastReply);
        QString state;
        switch (entry.m_state) {
        case OutboxState::waiting:
            // A yearly greeting waits for the next birthday once this year's has gone.
            state = entry.m_lastSent != 0 && entry.m_nAttempts == 0
                ? tr("sent on %1, next in a year").arg(TimeText(entry.m_lastSent))
                : entry.m_nAttempts > 0 ? tr("waiting to try again") : tr("waiting");
            break;
        case OutboxState::needsPassword:
            state = tr("waiting for the password");
            break;
        case OutboxState::beingSent:
            state = tr("perhaps sent: decide");
            break;
        case OutboxState::sent:
            state = tr("sent on %1").arg(TimeText(entry.m_lastSent));
            break;
        case OutboxState::failed:
            state = tr("failed: %1").arg(reply);
            break;
        case OutboxState::cancelled:
            state = tr("not sent");
            break;
        }
        if (entry.m_strId == m_strSendingId)
            state = tr("being sent now\u2026");
        const QString sep = QStringLiteral(" \u00b7 ");
        const QString text = when + sep + to + sep + subject + sep + state;
        QString tip = text;
        if (!reply.isEmpty() && entry.m_state != OutboxState::sent)
            tip += QStringLiteral("\n") + tr("The mail server's last word: %1").arg(reply);
        CRow row;
        row.kind = RowKind::entry;
        row.strId = entry.m_strId;
        row.entry = entry;
        int tone = 0;
        if (entry.m_state == OutboxState::sent || entry.m_state == OutboxState::cancelled)
            tone = kToneQuiet;
        else if (entry.m_state == OutboxState::failed || entry.m_state == OutboxState::beingSent
            || entry.m_state == OutboxState::needsPassword)
            tone = kToneAttention;
        addRow(std::move(row), text, { when, state, to, subject }, tip, tone);
    }
    for (const std::string& line : damaged) {
        CRow row;
        row.kind = RowKind::damaged;
        // "ID: why"
        row.strId = line.substr(0, line.find(": "));
        const QString text = tr("damaged: %1").arg(QString::fromStdString(line));
        addRow(std::move(row), text, {}, text, kToneAttention);
    }
    if (m_rows.empty()) {
        const QString text = tr("Nothing is planned. Choose \"Send on\" in the send dialog.");
        addRow(CRow {}, text, {}, text, kToneQuiet);
    }
    for (int i = 0; i < m_pList->count(); ++i) {
        if (!chosenId.empty() && m_rows[static_cast<size_t>(i)].strId == chosenId) {
            m_pList->setCurrentRow(i);
            break;
        }
    }
    // When the window opens the soonest is chosen, so that the keyboard can act on it at once.
    if (!m_bFilled && m_rows.front().kind != RowKind::empty)
        m_pList->setCurrentRow(0);
    m_bFilled = true;
    m_pList->verticalScrollBar()->setValue(scrolled);
    EnableButtons();
}

bool COutboxDlg::Choose(const std::string& strId)
{
    for (int i = 0; i < m_pList->count(); ++i) {
        if (m_rows[static_cast<size_t>(i)].kind != RowKind::empty
            && m_rows[static_cast<size_t>(i)].strId == strId) {
            m_pList->setCurrentRow(i);
            return true;
        }
    }
    return false;
}

const COutboxDlg::CRow* COutboxDlg::Chosen() const
{
    const QListWidgetItem* item = m_pList->currentItem();
    if (item == nullptr || !item->isSelected())
        return nullptr;
    const int index = item->data(kRowRole).toInt();
    if (index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return nullptr;
    const CRow& row = m_rows[static_cast<size_t>(index)];
    return row.kind == RowKind::empty ? nullptr : &row;
}

void COutboxDlg::EnableButtons()
{
    const CRow* row = Chosen();
    const bool bSending = IsSending();
    const bool bEntry = !bSending && row != nullptr && row->kind == RowKind::entry;
    const OutboxState state = bEntry ? row->entry.m_state : OutboxState::waiting;
    const bool bToSend = state == OutboxState::waiting || state == OutboxState::needsPassword
        || state == OutboxState::beingSent;
    const bool bOver = state == OutboxState::sent || state == OutboxState::failed
        || state == OutboxState::cancelled;
    const auto enable = [this](int nId, bool bOn) {
        if (CMyBitmapButton* button = m_skin.Button(nId))
            button->setEnabled(bOn);
    };
    // A failed one may be tried again by hand; a sent or cancelled one is not sent.
    enable(IDC_OB_SENDNOW, bEntry && (bToSend || state == OutboxState::failed));
    enable(IDC_OB_CANCEL, bEntry && bToSend);
    enable(IDC_OB_OPEN, bEntry);
    enable(IDC_OB_REMOVE,
        !bSending && row != nullptr && (row->kind == RowKind::damaged || (bEntry && bOver)));
    // The window waits for a send it started before it goes.
    enable(IDC_OB_CLOSE, !bSending);
}

void COutboxDlg::OnCommand(int nId)
{
    m_strMessage.clear();
    switch (nId) {
    case IDC_OB_SENDNOW:
        SendNow();
        break;
    case IDC_OB_CANCEL:
        CancelChosen();
        break;
    case IDC_OB_OPEN:
        OpenChosen();
        break;
    case IDC_OB_REMOVE:
        RemoveChosen();
        break;
    case IDC_OB_CLOSE:
        if (!IsSending())
            accept();
        break;
    default:
        break;
    }
}

void COutboxDlg::reject()
{
    if (!IsSending())
        CSkinnedDialog::reject();
}

void COutboxDlg::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        const CRow* row = Chosen();
        if (row != nullptr && row->kind == RowKind::entry && !IsSending())
            OpenChosen();
        event->accept();
        return;
    }
    CSkinnedDialog::keyPressEvent(event);
}

void COutboxDlg::SendNow()
{
    const CRow* row = Chosen();
    if (row == nullptr || row->kind != RowKind::entry || IsSending())
        return;
    if (row->entry.m_state == OutboxState::beingSent
        && AskMessageBox(this, MB_KIND_YESNO,
               StdText(tr("The mail server may have this greeting already. Send it again?")))
            != MB_RESULT_YES)
        return;
    const std::string id = row->strId;
    COutboxSendOptions options;
    options.strDataDir = platform::FirstDataDirectory();
    options.password = [](const std::string& server, const std::string& user) {
        std::string password = SessionMailPassword(server, user);
        if (password.empty())
            password = SessionMailPassword(
                server, user);
        return password;
    };
    const std::string outbox = m_strOutbox;
    const std::time_t now = Now();
    m_strSendingId = id;
    // The send talks to the mail server, which may take its time: the window stays with the
    // person meanwhile, and waits for the thread before it goes.
    m_sender = std::thread([this, outbox, id, now, options] {
        const COutboxReport report = SendOutboxEntryNow(outbox, id, now, options);
        NotifyOutboxReport(report);
        platform::PostCall(this, [this, report] { SendEnded(report); });
    });
    Refresh();
}

void COutboxDlg::SendEnded(const COutboxReport& report)
{
    if (m_sender.joinable())
        m_sender.join();
    m_strSendingId.clear();
    m_lastReport = report;
    Refresh();
    if (report.lines.empty())
        return;
    const COutboxReport::CLine& line = report.lines.front();
    QString to = QString::fromStdString(line.strTo);
    QString next;
    if (Choose(line.strId)) {
        const CRow* row = Chosen();
        if (row != nullptr && row->kind == RowKind::entry) {
            const QStringList pieces = m_pList->currentItem()->data(kPiecesRole).toStringList();
            if (pieces.size() == 4)
                to = pieces[2];
            next = TimeText(row->entry.NextTime());
        }
    }
    const QString why = QString::fromStdString(line.strReason);
    if (line.strOutcome == "sent" && why.isEmpty())
        Say(tr("The greeting to %1 was sent.").arg(to));
    else if (line.strOutcome == "sent")
        Say(tr("The greeting to %1 was not sent again: %2.").arg(to, why));
    else if (line.strOutcome == "retry")
        Say(tr("The greeting to %1 was not sent: %2. It is tried again on %3.").arg(to, why, next));
    else if (line.strOutcome == "failed")
        Say(tr("The greeting to %1 was not sent, and it is given up: %2.").arg(to, why));
    else if (line.strOutcome == "needs password")
        Say(tr("The greeting to %1 waits for the password of the mail server's login: type it in "
               "the mail options, then choose Send now again.")
                .arg(to));
    else if (line.strOutcome == "being sent")
        Say(tr("The mail server had the whole greeting to %1 but did not say whether it took it "
               "(%2). Decide in the outbox whether to send it again.")
                .arg(to, why));
    else if (line.strOutcome == "busy")
        Say(tr("The greeting to %1 is being sent by another run right now.").arg(to));
    else
        Say(tr("The greeting to %1 was not sent: %2.").arg(to, why));
}

void COutboxDlg::CancelChosen()
{
    const CRow* row = Chosen();
    if (row == nullptr || row->kind != RowKind::entry || IsSending())
        return;
    std::string reason;
    if (!CancelOutboxEntry(m_strOutbox, row->strId, reason))
        Say(tr("The greeting cannot be held back: %1.").arg(QString::fromStdString(reason)));
    Refresh();
}

void COutboxDlg::OpenChosen()
{
    const CRow* row = Chosen();
    if (row == nullptr || row->kind != RowKind::entry || IsSending() || !m_open)
        return;
    const std::string path = platform::JoinPath(row->entry.m_strFolder, row->entry.m_strProject);
    // The window is modal: the editor shows the greeting once it has gone.
    m_open(path);
    accept();
}

void COutboxDlg::RemoveChosen()
{
    const CRow* row = Chosen();
    if (row == nullptr || IsSending())
        return;
    std::string reason;
    if (!RemoveOutboxEntry(m_strOutbox, row->strId, reason))
        Say(tr("The greeting cannot be removed: %1.").arg(QString::fromStdString(reason)));
    Refresh();
}

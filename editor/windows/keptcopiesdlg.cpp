#include "editor/windows/keptcopiesdlg.h"

#include "editor/core/prompts.h"
#include "editor/skin/skinlist.h"
#include "resources/faces.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The recovery copies and the versions wear faces of one size and layout, each with the seats
// of its own buttons.
const char* FaceOf(KeptMode mode)
{
    return mode == KeptMode::recovery ? "KEPT_COPIES" : "KEPT_VERSIONS";
}

// Inside the face: the caption, the line under it, and the list on the face's panel.
const QRect kCaptionRect(20, 10, 560, 30);
const QRect kExplanationRect(22, 44, 556, 16);
constexpr int kListPadding = 4;
constexpr int kRowHeight = CKeptCopiesDlg::kStillHeight + 8;
const QRect kListRect(20, 66, 560, 2 * kRowHeight + 2 * kListPadding);

// What a row carries besides its accessible texts: its index in the rows given, its lines
// (name, where from, when; or when and size) and its picture, shown at twice its size so
// that it stays sharp on a screen of scale 2.
constexpr int kRowRole = Qt::UserRole + 2;
constexpr int kLinesRole = Qt::UserRole + 3;
constexpr int kStillRole = Qt::UserRole + 4;
constexpr int kReadableRole = Qt::UserRole + 5;
constexpr int kProblemRole = Qt::UserRole + 6;

const QColor kInk = QColor::fromRgb(faces::colour::ink);
const QColor kEdge = QColor::fromRgb(faces::colour::edge);
const QColor kSunshine = QColor::fromRgb(faces::colour::sunshine);
const QColor kPaper = QColor::fromRgb(faces::colour::paper);

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// The path with the home folder shown as "~".
QString ShownPath(const std::string& strPath)
{
    const QString path = QString::fromStdString(strPath);
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == 0)
        return path;
    QString prefix = QString::fromLocal8Bit(home);
    while (prefix.size() > 1 && prefix.endsWith('/'))
        prefix.chop(1);
    if (path == prefix)
        return QStringLiteral("~");
    if (path.startsWith(prefix + '/'))
        return QStringLiteral("~") + path.mid(prefix.size());
    return path;
}

// The sunshine star the window captions carry after their title.
QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// Letters the caption onto the face as the faces letter their titles: plum, bold, made smaller
// until it fits, with the star after it.
void LetterCaption(QImage& face, const QString& caption)
{
    if (face.isNull() || caption.isEmpty())
        return;
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int pixels = 22;
    const qreal room = kCaptionRect.width() - 22 * 0.9;
    QFont font = Lettering(pixels, true);
    while (pixels > 12 && QFontMetricsF(font).horizontalAdvance(caption) > room)
        font = Lettering(--pixels, true);
    const QString shown = QFontMetrics(font).elidedText(caption, Qt::ElideMiddle, int(room));
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(kCaptionRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
    const qreal width = QFontMetricsF(font).horizontalAdvance(shown);
    const QPointF star(
        kCaptionRect.left() + width + pixels * 0.55, kCaptionRect.center().y() - pixels * 0.15);
    painter.setPen(Qt::NoPen);
    painter.fillPath(StarPath(star, pixels * 0.32, pixels * 0.13), kSunshine);
}

// A row: the still on the left (a placeholder until it comes, a grey card for a copy that
// cannot be read), its lines beside it.
class CKeptRowDelegate : public QStyledItemDelegate {
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
        opt.text.clear();
        opt.icon = QIcon();
        opt.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        // The style sheet's card, hover and choice; the picture and the letters are ours.
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const bool bChosen = opt.state & QStyle::State_Selected;
        const bool bReadable = index.data(kReadableRole).toBool();
        painter->save();
        // A long problem stays in its row.
        painter->setClipRect(opt.rect);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect frame(opt.rect.left() + 6,
            opt.rect.top() + (opt.rect.height() - CKeptCopiesDlg::kStillHeight) / 2,
            CKeptCopiesDlg::kStillWidth, CKeptCopiesDlg::kStillHeight);
        PaintStill(painter, frame, bReadable, index.data(kStillRole).value<QImage>(), bChosen);

        // A hairline between the rows.
        if (!bChosen && index.row() + 1 < index.model()->rowCount()) {
            painter->setPen(kInk.lighter(150));
            painter->drawLine(QPointF(opt.rect.left() + 4, opt.rect.bottom() + 0.5),
                QPointF(opt.rect.right() - 4, opt.rect.bottom() + 0.5));
        }

        const QColor colour = bChosen ? kInk : QColor(Qt::white);
        const QColor soft = bChosen ? kInk.lighter(130) : kEdge;
        const QRect text(frame.right() + 15, opt.rect.top() + 10,
            opt.rect.right() - frame.right() - 25, opt.rect.height() - 20);
        const QStringList lines = index.data(kLinesRole).toStringList();
        QFont bold = opt.font;
        bold.setPixelSize(14);
        bold.setBold(true);
        QFont plain = opt.font;
        plain.setPixelSize(12);
        int y = text.top();
        for (int i = 0; i < lines.size(); ++i) {
            const QFont& font = i == 0 ? bold : plain;
            const QFontMetrics metrics(font);
            painter->setFont(font);
            painter->setPen(i == 0 ? colour : soft);
            // The path keeps its two ends; other lines lose their end.
            const Qt::TextElideMode mode
                = i == 1 && lines.size() == 3 ? Qt::ElideMiddle : Qt::ElideRight;
            painter->drawText(QRect(text.left(), y, text.width(), metrics.height()),
                Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(lines[i], mode, text.width()));
            y += metrics.height() + (i == 0 ? 8 : 4);
        }
        const QString problem = index.data(kProblemRole).toString();
        if (!bReadable && !problem.isEmpty()) {
            painter->setFont(plain);
            painter->setPen(bChosen ? kInk : kSunshine);
            painter->drawText(QRect(text.left(), y + 4, text.width(), text.bottom() - y - 4),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, problem);
        }
        painter->restore();
    }

private:
    static void PaintStill(
        QPainter* painter, const QRect& frame, bool bReadable, const QImage& still, bool bChosen)
    {
        const QRectF box = QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5);
        if (!bReadable) {
            // Nothing to show: a grey card with a broken corner.
            painter->setPen(QPen(QColor(128, 128, 128).darker(115), 1));
            painter->setBrush(QColor(128, 128, 128));
            painter->drawRoundedRect(box, 3, 3);
            painter->setPen(QPen(QColor(200, 200, 200), 2, Qt::SolidLine, Qt::RoundCap));
            const QPointF c = box.center();
            painter->drawLine(c + QPointF(-14, -14), c + QPointF(14, 14));
            painter->drawLine(c + QPointF(14, -14), c + QPointF(-14, 14));
            return;
        }
        if (still.isNull()) {
            // Waiting for its picture: a pale card with a hill and a sun, in outline.
            painter->setPen(QPen(WithAlpha(kPaper, 120), 1, Qt::DashLine));
            painter->setBrush(WithAlpha(kPaper, bChosen ? 90 : 40));
            painter->drawRoundedRect(box, 3, 3);
            const QPointF c = box.center();
            painter->setPen(QPen(WithAlpha(kPaper, 150), 2, Qt::SolidLine, Qt::RoundCap));
            painter->setBrush(Qt::NoBrush);
            QPainterPath hill;
            hill.moveTo(c + QPointF(-26, 14));
            hill.quadTo(c + QPointF(-8, -12), c + QPointF(8, 6));
            hill.quadTo(c + QPointF(16, -4), c + QPointF(26, 14));
            painter->drawPath(hill);
            painter->drawEllipse(c + QPointF(14, -12), 5, 5);
            return;
        }
        painter->fillRect(frame, Qt::white);
        const QSizeF fitted
            = QSizeF(still.size()).scaled(QSizeF(frame.size()), Qt::KeepAspectRatio);
        const QRectF place(QPointF(frame.left() + (frame.width() - fitted.width()) / 2,
                               frame.top() + (frame.height() - fitted.height()) / 2),
            fitted);
        painter->drawImage(place, still);
        painter->setPen(QPen(kEdge, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box);
    }
};

} // namespace

CKeptCopiesDlg::CKeptCopiesDlg(KeptMode mode, std::vector<KeptRow> rows, QWidget* parent)
    : CSkinnedDialog(FaceOf(mode), true, parent)
    , m_mode(mode)
    , m_rows(std::move(rows))
    , m_pExplanation(
          NewFaceLabel(this, "explanation", kExplanationRect, Lettering(12), kInk.lighter(130)))
    , m_pList(new QListWidget(this))
{
    setModal(true);
    const bool bRecovery = m_mode == KeptMode::recovery;
    if (bRecovery) {
        m_strCaption = tr("Greetings to recover");
        m_pExplanation->setText(tr("The editor ended before these greetings were saved."));
    } else {
        const QString name = m_rows.empty() ? QString() : QString::fromStdString(m_rows[0].strName);
        m_strCaption = name.isEmpty() ? tr("Earlier versions")
                                      : tr("Earlier versions of \u201c%1\u201d").arg(name);
        m_pExplanation->setText(tr("Each is the greeting as it was before a save replaced it."));
    }
    setWindowTitle(m_strCaption);
    m_skin.SetDecoration([this](QImage& face) { LetterCaption(face, m_strCaption); });

    m_pList->setObjectName(QString::number(IDC_KC_LIST));
    SetUpSkinList(m_pList, kListRect, kRowHeight, kListPadding, true);
    m_pList->setItemDelegate(new CKeptRowDelegate(m_pList));
    if (bRecovery) {
        m_pList->setAccessibleName(tr("Greetings to recover"));
        m_pList->setAccessibleDescription(
            tr("Each greeting's name, where it came from and when it was kept"));
    } else {
        m_pList->setAccessibleName(tr("Earlier versions"));
        m_pList->setAccessibleDescription(tr("When each version was replaced, and its size"));
    }
    for (size_t i = 0; i < m_rows.size(); ++i)
        AddRow(static_cast<int>(i));

    CSkinToolTip* tips = m_skin.ToolTip();
    const auto add = [&](const char* face, int nId, const QString& name, const QString& tip) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(face, nId));
        button->setAccessibleName(name);
        button->setAccessibleDescription(tip);
        tips->AddTool(button, tip);
    };
    if (bRecovery) {
        add("kcopen", IDC_KC_OPEN, tr("Open"), tr("Open the chosen greeting in the editor"));
        add("kcsaveas", IDC_KC_SAVEAS, tr("Save as\u2026"),
            tr("Save the chosen greeting in a file of your choice"));
        add("kcdiscard", IDC_KC_DISCARD, tr("Discard"),
            tr("Throw the chosen greeting away, after asking"));
        add("kclater", IDC_KC_LATER, tr("Later"),
            tr("Close this window and keep every greeting for the next start"));
    } else {
        add("kcopen", IDC_KC_OPEN, tr("Open"),
            tr("Open the chosen version in the editor as a greeting of its own"));
        add("kcclose", IDC_KC_CLOSE, tr("Close"), tr("Close this window"));
    }
    tips->Activate(true);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this] { EnableButtons(); });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item != nullptr && item->isSelected())
            Act(KeptAction::open);
    });
    // The first row is chosen, so that the keys act on it at once.
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    EnableButtons();
    m_pList->setFocus();
}

void CKeptCopiesDlg::AddRow(int nRow)
{
    const KeptRow& row = m_rows[static_cast<size_t>(nRow)];
    const QLocale locale;
    const QDateTime time = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(row.nTime));
    const QString date = locale.toString(time.date(), QLocale::LongFormat);
    const QString hour = locale.toString(time.time(), QLocale::ShortFormat);
    const QString size = locale.formattedDataSize(
        static_cast<qint64>(row.nSize), 1, QLocale::DataSizeTraditionalFormat);
    QStringList lines;
    QString name;
    if (m_mode == KeptMode::recovery) {
        const QString title = QString::fromStdString(row.strName);
        const QString from
            = row.strOriginal.empty() ? tr("Never saved") : ShownPath(row.strOriginal);
        const QString when = tr("Kept on %1 at %2").arg(date, hour);
        lines = { title, from, when };
        //: A recovered greeting as a screen reader reads it: its name, where it came from
        //: and when it was kept.
        name = tr("%1, %2, %3").arg(title, from, when);
    } else {
        const QString when = tr("As it was until %1 at %2").arg(date, hour);
        lines = { when, size };
        name = tr("%1, %2").arg(when, size);
    }
    auto* item = new QListWidgetItem(lines.front(), m_pList);
    item->setData(kRowRole, nRow);
    item->setData(kLinesRole, lines);
    item->setData(kReadableRole, row.bReadable);
    item->setData(Qt::AccessibleTextRole, name);
    if (!row.bReadable) {
        const QString problem = row.strProblem.empty() ? tr("This copy cannot be read.")
                                                       : QString::fromStdString(row.strProblem);
        const QString why = tr("Cannot be opened: %1").arg(problem);
        item->setData(kProblemRole, why);
        item->setData(Qt::AccessibleDescriptionRole, why);
        item->setToolTip(why);
    } else {
        item->setData(
            Qt::AccessibleDescriptionRole, m_mode == KeptMode::recovery ? size : QString());
        item->setToolTip(name);
        ShowStill(item, row.still);
    }
}

void CKeptCopiesDlg::ShowStill(QListWidgetItem* item, const QImage& still)
{
    if (still.isNull())
        return;
    // Kept at twice the size it shows at: sharp at every scale up to 2, and small.
    const QImage shown = still.scaled(
        QSize(2 * kStillWidth, 2 * kStillHeight), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    item->setData(kStillRole, shown);
    item->setIcon(QIcon(QPixmap::fromImage(shown)));
}

QListWidgetItem* CKeptCopiesDlg::ItemOf(int nRow) const
{
    for (int i = 0; i < m_pList->count(); ++i)
        if (m_pList->item(i)->data(kRowRole).toInt() == nRow)
            return m_pList->item(i);
    return nullptr;
}

void CKeptCopiesDlg::SetStill(int nRow, const QImage& still)
{
    QListWidgetItem* item = ItemOf(nRow);
    if (item == nullptr || !item->data(kReadableRole).toBool())
        return;
    ShowStill(item, still);
}

int CKeptCopiesDlg::CurrentRow() const
{
    const QListWidgetItem* item = m_pList->currentItem();
    return item != nullptr && item->isSelected() ? item->data(kRowRole).toInt() : -1;
}

void CKeptCopiesDlg::EnableButtons()
{
    const int nRow = CurrentRow();
    const bool bChosen = nRow >= 0;
    const bool bReadable = bChosen && m_rows[static_cast<size_t>(nRow)].bReadable;
    const auto enable = [this](int nId, bool bOn) {
        if (CMyBitmapButton* button = m_skin.Button(nId))
            button->setEnabled(bOn);
    };
    enable(IDC_KC_OPEN, bReadable);
    enable(IDC_KC_SAVEAS, bReadable);
    enable(IDC_KC_DISCARD, bChosen);
}

void CKeptCopiesDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_KC_OPEN:
        Act(KeptAction::open);
        break;
    case IDC_KC_SAVEAS:
        Act(KeptAction::saveAs);
        break;
    case IDC_KC_DISCARD:
        Act(KeptAction::discard);
        break;
    case IDC_KC_LATER:
        reject();
        break;
    default:
        break;
    }
}

void CKeptCopiesDlg::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Act(KeptAction::open);
            event->accept();
            return;
        }
        if (key == Qt::Key_Delete && m_mode == KeptMode::recovery) {
            Act(KeptAction::discard);
            event->accept();
            return;
        }
    }
    // Escape is Later (or Close): the dialog's own rejection.
    CSkinnedDialog::keyPressEvent(event);
}

void CKeptCopiesDlg::Act(KeptAction action)
{
    const int nRow = CurrentRow();
    if (nRow < 0)
        return;
    const KeptRow& row = m_rows[static_cast<size_t>(nRow)];
    switch (action) {
    case KeptAction::open:
    case KeptAction::saveAs:
        if (!row.bReadable || (action == KeptAction::saveAs && m_mode != KeptMode::recovery))
            return;
        break;
    case KeptAction::discard:
        if (m_mode != KeptMode::recovery)
            return;
        if (AskMessageBox(this, MB_KIND_YESNO,
                tr("Discard the recovered greeting \u201c%1\u201d? It cannot be brought back.")
                    .arg(QString::fromStdString(row.strName))
                    .toStdString())
            != MB_RESULT_YES)
            return;
        break;
    }
    if (!m_handler || !m_handler(action, nRow))
        return;
    if (action == KeptAction::open) {
        accept();
        return;
    }
    RemoveChosen();
}

void CKeptCopiesDlg::RemoveChosen()
{
    const int index = m_pList->currentRow();
    if (index < 0)
        return;
    delete m_pList->takeItem(index);
    if (m_pList->count() == 0) {
        accept();
        return;
    }
    // The row that took its place is chosen, or the last one.
    m_pList->setCurrentRow(std::min(index, m_pList->count() - 1));
    EnableButtons();
}

// The window of kept copies, driven as a person drives it, with the faces of the built resource
// library: the recovery copies at the start (Open, Save as, Discard after asking, Later) and the
// earlier versions of a greeting (Open, Close). The window only lists: what is chosen goes to
// the handler, and a row leaves the list only when the handler says it was done. Setting
// VIMBLE_DIALOG_SHOTS to a folder writes a picture of the window in each mode there.
#include "editor/core/prompts.h"
#include "editor/windows/keptcopiesdlg.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QListWidget>
#include <QLocale>
#include <QTest>

#include <optional>
#include <utility>

namespace {

// Answers the window's question with a given answer and keeps what it was asked.
class CQuestionAnswers : public IEditorPrompts {
public:
    uint8_t MessageBox(QWidget*, int nKind, const std::string& strText) override
    {
        m_questions.push_back(strText);
        m_nKind = nKind;
        return m_nAnswer;
    }
    bool ChooseFile(QWidget*, const std::string&, const std::string&, const std::string&, int,
        std::string*) override
    {
        return false;
    }
    uint8_t m_nAnswer = MB_RESULT_NO;
    int m_nKind = -1;
    std::vector<std::string> m_questions;
};

// 5 May 2026, 14:03 here.
int64_t KeptTime()
{
    return QDateTime(QDate(2026, 5, 5), QTime(14, 3)).toSecsSinceEpoch();
}

QImage Still(QColor colour)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A greeting saved in the home folder, one never saved, and one whose copy cannot be read.
std::vector<KeptRow> RecoveryRows()
{
    std::vector<KeptRow> rows(3);
    rows[0].strName = "Mum’s birthday";
    rows[0].strOriginal = QDir::homePath().toStdString() + "/Greetings/Mum.kel";
    rows[0].nTime = KeptTime();
    rows[0].nSize = 20480;
    rows[1].strName = "Untitled";
    rows[1].nTime = KeptTime() - 3600;
    rows[1].nSize = 4096;
    rows[1].still = Still(Qt::red);
    rows[2].strName = "Party";
    rows[2].strOriginal = "/srv/cards/party.kel";
    rows[2].nTime = KeptTime() - 7200;
    rows[2].bReadable = false;
    rows[2].strProblem = "its description is cut short";
    return rows;
}

std::vector<KeptRow> VersionRows()
{
    std::vector<KeptRow> rows(2);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].strName = "Mum’s birthday";
        rows[i].strOriginal = "/home/ann/Greetings/Mum.kel";
        rows[i].nTime = KeptTime() - 86400 * static_cast<int64_t>(i);
        rows[i].nSize = 2048 * static_cast<int64_t>(i + 1);
    }
    rows[1].still = Still(Qt::blue);
    return rows;
}

class KeptCopies : public CWithResources {
protected:
    void SetUp() override
    {
        CWithResources::SetUp();
        m_pPrevious = SetEditorPrompts(&m_answers);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        SetEditorPrompts(m_pPrevious);
        CWithResources::TearDown();
    }

    // The window shown, its handler keeping each call and answering m_bDone.
    std::unique_ptr<CKeptCopiesDlg> Open(KeptMode mode, std::vector<KeptRow> rows)
    {
        auto dlg = std::make_unique<CKeptCopiesDlg>(mode, std::move(rows));
        dlg->SetHandler([this](KeptAction action, int nRow) {
            m_calls.emplace_back(action, nRow);
            return m_bDone;
        });
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static QString RowName(CKeptCopiesDlg& dlg, int i)
    {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dlg.List());
        QAccessibleInterface* row = list != nullptr ? list->child(i) : nullptr;
        return row != nullptr ? row->text(QAccessible::Name) : QString();
    }
    static QString RowDescription(CKeptCopiesDlg& dlg, int i)
    {
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(dlg.List())->child(i);
        return row != nullptr ? row->text(QAccessible::Description) : QString();
    }
    static std::vector<int> Listed(CKeptCopiesDlg& dlg)
    {
        std::vector<int> rows;
        for (int i = 0; i < dlg.List()->count(); ++i) {
            dlg.List()->setCurrentRow(i);
            rows.push_back(dlg.CurrentRow());
        }
        return rows;
    }
    static bool Enabled(CKeptCopiesDlg& dlg, int nId)
    {
        return dlg.Button(nId) != nullptr && dlg.Button(nId)->isEnabled();
    }

    CQuestionAnswers m_answers;
    IEditorPrompts* m_pPrevious = nullptr;
    std::vector<std::pair<KeptAction, int>> m_calls;
    bool m_bDone = true;
};

using Calls = std::vector<std::pair<KeptAction, int>>;

} // namespace

TEST_F(KeptCopies, recovery_lists_each_greeting_with_its_picture_origin_and_time)
{
    auto dlg = Open(KeptMode::recovery, RecoveryRows());
    EXPECT_EQ(dlg->windowTitle(), "Greetings to recover");
    ASSERT_EQ(dlg->List()->count(), 3);
    EXPECT_EQ(dlg->CurrentRow(), 0) << "the first row is chosen at the start";
    EXPECT_TRUE(dlg->List()->hasFocus());
    Shoot(dlg.get(), QString("kept-recovery@%1x.png").arg(dlg->devicePixelRatioF()));

    // What a screen reader says of each row: its name, where it came from, when it was kept.
    EXPECT_EQ(RowName(*dlg, 0).toStdString(),
        "Mum’s birthday, ~/Greetings/Mum.kel, Kept on Tuesday, 5 May 2026 at 14:03");
    EXPECT_EQ(RowName(*dlg, 1).toStdString(),
        "Untitled, Never saved, Kept on Tuesday, 5 May 2026 at 13:03");
    EXPECT_TRUE(RowName(*dlg, 2).startsWith("Party, /srv/cards/party.kel, Kept on"));
    EXPECT_TRUE(RowDescription(*dlg, 2).contains("its description is cut short"));
    const QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dlg->List());
    EXPECT_EQ(list->text(QAccessible::Name), "Greetings to recover");
    EXPECT_FALSE(list->text(QAccessible::Description).isEmpty());

    // The picture given shows; the others wait for theirs.
    EXPECT_TRUE(dlg->List()->item(0)->icon().isNull());
    EXPECT_FALSE(dlg->List()->item(1)->icon().isNull());

    // The four buttons, each named and described; Close is Later's place.
    const std::pair<int, const char*> buttons[] = { { IDC_KC_OPEN, "Open" },
        { IDC_KC_SAVEAS, "Save as…" }, { IDC_KC_DISCARD, "Discard" }, { IDC_KC_LATER, "Later" } };
    for (const auto& [nId, name] : buttons) {
        ASSERT_NE(dlg->Button(nId), nullptr) << name;
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(dlg->Button(nId));
        EXPECT_EQ(button->text(QAccessible::Name), name);
        EXPECT_FALSE(button->text(QAccessible::Description).isEmpty()) << name;
        EXPECT_TRUE(dlg->Button(nId)->HasFace()) << name;
    }
}

TEST_F(KeptCopies, versions_name_the_greeting_and_offer_only_open_and_close)
{
    auto dlg = Open(KeptMode::versions, VersionRows());
    EXPECT_EQ(dlg->windowTitle(), "Earlier versions of “Mum’s birthday”");
    ASSERT_EQ(dlg->List()->count(), 2);
    EXPECT_EQ(dlg->CurrentRow(), 0);
    Shoot(dlg.get(), QString("kept-versions@%1x.png").arg(dlg->devicePixelRatioF()));
    EXPECT_EQ(RowName(*dlg, 0).toStdString(), "As it was until Tuesday, 5 May 2026 at 14:03, 2.0 kB");
    EXPECT_TRUE(RowName(*dlg, 1).startsWith("As it was until Monday, 4 May 2026 at 14:03, 4.0 kB"))
        << RowName(*dlg, 1).toStdString();
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(dlg->Button(IDC_KC_CLOSE))->text(QAccessible::Name),
        "Close");
    EXPECT_TRUE(Enabled(*dlg, IDC_KC_OPEN));
    EXPECT_EQ(dlg->Button(IDC_KC_SAVEAS), nullptr);
    EXPECT_EQ(dlg->Button(IDC_KC_DISCARD), nullptr);

    // Delete discards nothing here; Return opens the chosen version.
    QTest::keyClick(dlg->List(), Qt::Key_Delete);
    EXPECT_TRUE(m_answers.m_questions.empty());
    EXPECT_TRUE(m_calls.empty());
    EXPECT_TRUE(dlg->isVisible());
    QTest::keyClick(dlg->List(), Qt::Key_Down);
    QTest::keyClick(dlg->List(), Qt::Key_Return);
    EXPECT_EQ(m_calls, (Calls { { KeptAction::open, 1 } }));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(KeptCopies, an_unreadable_copy_can_only_be_discarded)
{
    auto dlg = Open(KeptMode::recovery, RecoveryRows());
    EXPECT_TRUE(Enabled(*dlg, IDC_KC_OPEN));
    EXPECT_TRUE(Enabled(*dlg, IDC_KC_SAVEAS));
    dlg->List()->setCurrentRow(2);
    Shoot(dlg.get(), QString("kept-unreadable@%1x.png").arg(dlg->devicePixelRatioF()));
    EXPECT_FALSE(Enabled(*dlg, IDC_KC_OPEN));
    EXPECT_FALSE(Enabled(*dlg, IDC_KC_SAVEAS));
    EXPECT_TRUE(Enabled(*dlg, IDC_KC_DISCARD));
    EXPECT_TRUE(Enabled(*dlg, IDC_KC_LATER));
    // Return opens nothing; a picture that comes for it is not shown.
    QTest::keyClick(dlg->List(), Qt::Key_Return);
    dlg->SetStill(2, Still(Qt::green));
    EXPECT_TRUE(dlg->List()->item(2)->icon().isNull());
    EXPECT_TRUE(m_calls.empty());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(KeptCopies, a_picture_that_comes_later_shows_in_its_row)
{
    auto dlg = Open(KeptMode::recovery, RecoveryRows());
    ASSERT_TRUE(dlg->List()->item(0)->icon().isNull());
    dlg->SetStill(0, Still(Qt::yellow));
    EXPECT_FALSE(dlg->List()->item(0)->icon().isNull());
    // After a row has gone the others keep their indices.
    dlg->List()->setCurrentRow(1);
    Click(dlg->Button(IDC_KC_SAVEAS));
    ASSERT_EQ(m_calls, (Calls { { KeptAction::saveAs, 1 } }));
    ASSERT_EQ(dlg->List()->count(), 2);
    dlg->SetStill(1, Still(Qt::yellow)); // no longer listed: dropped
    dlg->SetStill(2, Still(Qt::yellow)); // unreadable: keeps its grey card
    EXPECT_TRUE(dlg->List()->item(1)->icon().isNull());
}

// Each way of choosing an action, the person's answer to the question, what the handler says,
// and what follows.
struct ActCase {
    const char* szName;
    int nRow; // the row chosen (an index of RecoveryRows)
    int nButton; // the button pressed, or 0 for the key
    Qt::Key key;
    uint8_t nAnswer; // to "Discard ...?"
    bool bDone; // the handler's answer
    bool bAsked;
    Calls calls;
    std::vector<int> left; // the rows still listed
    std::optional<int> closed; // the window's result when it closed
};

class KeptCopiesActs : public KeptCopies, public testing::WithParamInterface<ActCase> { };

TEST_P(KeptCopiesActs, reach_the_handler_and_change_the_list_only_when_done)
{
    const ActCase& c = GetParam();
    m_answers.m_nAnswer = c.nAnswer;
    m_bDone = c.bDone;
    auto dlg = Open(KeptMode::recovery, RecoveryRows());
    dlg->List()->setCurrentRow(c.nRow);
    if (c.nButton != 0)
        Click(dlg->Button(c.nButton));
    else
        QTest::keyClick(dlg->List(), c.key);
    EXPECT_EQ(m_calls, c.calls);
    ASSERT_EQ(m_answers.m_questions.size(), c.bAsked ? 1U : 0U);
    if (c.bAsked) {
        EXPECT_EQ(m_answers.m_nKind, MB_KIND_YESNO);
        const std::string name = RecoveryRows()[static_cast<size_t>(c.nRow)].strName;
        EXPECT_EQ(m_answers.m_questions[0],
            "Discard the recovered greeting “" + name + "”? It cannot be brought back.");
    }
    EXPECT_EQ(dlg->isVisible(), !c.closed.has_value());
    if (c.closed)
        EXPECT_EQ(dlg->result(), *c.closed);
    else
        EXPECT_EQ(Listed(*dlg), c.left);
}

const ActCase kActs[] = {
    { "open_opens_and_closes", 0, IDC_KC_OPEN, Qt::Key_unknown, MB_RESULT_NO, true, false,
        { { KeptAction::open, 0 } }, {}, QDialog::Accepted },
    { "open_refused_stays", 1, IDC_KC_OPEN, Qt::Key_unknown, MB_RESULT_NO, false, false,
        { { KeptAction::open, 1 } }, { 0, 1, 2 }, std::nullopt },
    { "return_opens", 1, 0, Qt::Key_Return, MB_RESULT_NO, true, false, { { KeptAction::open, 1 } },
        {}, QDialog::Accepted },
    { "enter_opens", 0, 0, Qt::Key_Enter, MB_RESULT_NO, true, false, { { KeptAction::open, 0 } },
        {}, QDialog::Accepted },
    { "save_as_takes_the_row_away", 0, IDC_KC_SAVEAS, Qt::Key_unknown, MB_RESULT_NO, true, false,
        { { KeptAction::saveAs, 0 } }, { 1, 2 }, std::nullopt },
    { "save_as_refused_keeps_the_row", 0, IDC_KC_SAVEAS, Qt::Key_unknown, MB_RESULT_NO, false,
        false, { { KeptAction::saveAs, 0 } }, { 0, 1, 2 }, std::nullopt },
    { "discard_answered_no_does_nothing", 0, IDC_KC_DISCARD, Qt::Key_unknown, MB_RESULT_NO, true,
        true, {}, { 0, 1, 2 }, std::nullopt },
    { "discard_closed_box_does_nothing", 1, IDC_KC_DISCARD, Qt::Key_unknown, MB_RESULT_CANCEL, true,
        true, {}, { 0, 1, 2 }, std::nullopt },
    { "discard_answered_yes_takes_the_row_away", 2, IDC_KC_DISCARD, Qt::Key_unknown, MB_RESULT_YES,
        true, true, { { KeptAction::discard, 2 } }, { 0, 1 }, std::nullopt },
    { "discard_refused_keeps_the_row", 1, IDC_KC_DISCARD, Qt::Key_unknown, MB_RESULT_YES, false,
        true, { { KeptAction::discard, 1 } }, { 0, 1, 2 }, std::nullopt },
    { "delete_asks_and_discards", 1, 0, Qt::Key_Delete, MB_RESULT_YES, true, true,
        { { KeptAction::discard, 1 } }, { 0, 2 }, std::nullopt },
    { "delete_answered_no_does_nothing", 1, 0, Qt::Key_Delete, MB_RESULT_NO, true, true, {},
        { 0, 1, 2 }, std::nullopt },
    { "later_keeps_everything", 0, IDC_KC_LATER, Qt::Key_unknown, MB_RESULT_YES, true, false, {},
        {}, QDialog::Rejected },
    { "escape_is_later", 0, 0, Qt::Key_Escape, MB_RESULT_YES, true, false, {}, {},
        QDialog::Rejected },
};

INSTANTIATE_TEST_SUITE_P(Recovery, KeptCopiesActs, testing::ValuesIn(kActs),
    [](const testing::TestParamInfo<ActCase>& info) { return std::string(info.param.szName); });

TEST_F(KeptCopies, the_window_closes_when_its_last_row_has_gone)
{
    m_answers.m_nAnswer = MB_RESULT_YES;
    auto dlg = Open(KeptMode::recovery, RecoveryRows());
    // Tab goes from the list through the buttons, in their reading order; Return presses the
    // one the keys are on.
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    dlg->List()->setFocus();
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* button = qobject_cast<CMyBitmapButton*>(QApplication::focusWidget());
        visited.push_back(button != nullptr ? button->GetId() : 0);
    }
    EXPECT_EQ(
        visited, (std::vector<int> { IDC_KC_OPEN, IDC_KC_SAVEAS, IDC_KC_DISCARD, IDC_KC_LATER }));
    Click(dlg->Button(IDC_KC_SAVEAS));
    EXPECT_EQ(dlg->CurrentRow(), 1) << "the next row is chosen";
    QTest::keyClick(dlg->List(), Qt::Key_Delete);
    EXPECT_EQ(dlg->CurrentRow(), 2) << "the last row is left";
    // Discard with the keys on it: Return presses it.
    dlg->Button(IDC_KC_DISCARD)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dlg->Button(IDC_KC_DISCARD), Qt::Key_Return);
    EXPECT_EQ(m_calls,
        (Calls {
            { KeptAction::saveAs, 0 }, { KeptAction::discard, 1 }, { KeptAction::discard, 2 } }));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

#include "tests/dialogs/box_answerer.h"

#include "dialogs/messagebox.h"
#include "platform/resources.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

enum class Box { Standard, Big, Question };
// What the person does: a button by its command, or a key.
struct Action {
    int nButton = 0;
    Qt::Key key = Qt::Key_unknown;
};

std::unique_ptr<CMessageBoxBase> MakeBox(Box box, int nKind)
{
    switch (box) {
    case Box::Standard:
        return std::make_unique<CMessageBoxDlg>(nKind, true, nullptr);
    case Box::Big:
        return std::make_unique<CBigMessageBoxDlg>(nKind, true, nullptr);
    default:
        return std::make_unique<CQuestionCheckDlg>(nKind, true, nullptr);
    }
}

void Perform(CMessageBoxBase* box, const Action& action)
{
    if (action.nButton != 0)
        ClickButton(box, action.nButton);
    else
        QTest::keyClick(box, action.key);
}

// The visible buttons of a box, by command.
std::vector<int> VisibleButtons(CSkinnedDialog& box)
{
    std::vector<int> ids;
    for (CMyBitmapButton* button : box.Skin().Buttons())
        if (!button->isHidden())
            ids.push_back(button->GetId());
    return ids;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Result bytes: only the box's result tells Yes from Cancel.

struct ResultCase {
    const char* name;
    Box box;
    int nKind;
    Action action;
    uint8_t nResult;
    int nDialogCode;
};

class MessageBoxResult : public testing::TestWithParam<ResultCase> { };

TEST_P(MessageBoxResult, ButtonOrKeyGivesItsResultByte)
{
    const ResultCase& c = GetParam();
    auto box = MakeBox(c.box, c.nKind);
    box->SetText("Replace the file?");
    EXPECT_EQ(box->GetResult(), MB_RESULT_NONE);
    CBoxAnswerer<CMessageBoxBase> answerer(
        [&c](CMessageBoxBase* open) { Perform(open, c.action); });
    const int code = box->exec();
    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(box->GetResult(), c.nResult);
    EXPECT_EQ(code, c.nDialogCode);
}

const Action kOk { IDC_MB_OK };
const Action kCancel { IDC_MB_CANCEL };
const Action kYes { IDC_MB_YES };
const Action kNo { IDC_MB_NO };
const Action kReturn { 0, Qt::Key_Return };
const Action kEscape { 0, Qt::Key_Escape };

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxResult,
    testing::Values(
        ResultCase { "ok_button", Box::Standard, 0, kOk, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "ok_return", Box::Standard, 0, kReturn, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "ok_escape", Box::Standard, 0, kEscape, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase {
            "yesno_yes_ends_as_cancel", Box::Standard, 2, kYes, MB_RESULT_YES, QDialog::Rejected },
        ResultCase { "yesno_no", Box::Standard, 2, kNo, MB_RESULT_NO, QDialog::Rejected },
        ResultCase {
            "yesno_escape", Box::Standard, 2, kEscape, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase { "yesno_return", Box::Standard, 2, kReturn, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "yesnocancel_yes", Box::Standard, 3, kYes, MB_RESULT_YES, QDialog::Rejected },
        ResultCase { "yesnocancel_no", Box::Standard, 3, kNo, MB_RESULT_NO, QDialog::Rejected },
        ResultCase {
            "yesnocancel_cancel", Box::Standard, 3, kCancel, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase {
            "yesnocancel_escape", Box::Standard, 3, kEscape, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase {
            "yesnocancel_return", Box::Standard, 3, kReturn, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "big_ok", Box::Big, 0, kOk, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "big_escape", Box::Big, 0, kEscape, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase { "big_return", Box::Big, 0, kReturn, MB_RESULT_OK, QDialog::Accepted },
        ResultCase { "question_yes_ends_as_ok", Box::Question, 0, Action { IDC_QC_YES },
            MB_RESULT_YES, QDialog::Accepted },
        ResultCase { "question_no", Box::Question, 0, Action { IDC_QC_NO }, MB_RESULT_NO,
            QDialog::Rejected },
        ResultCase {
            "question_escape", Box::Question, 0, kEscape, MB_RESULT_CANCEL, QDialog::Rejected },
        ResultCase {
            "question_return", Box::Question, 0, kReturn, MB_RESULT_OK, QDialog::Accepted }),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Which buttons each box shows, where, and their tooltips.

struct ButtonsCase {
    const char* name;
    Box box;
    int nKind;
    std::vector<int> visible;
};

class MessageBoxButtons : public testing::TestWithParam<ButtonsCase> { };

TEST_P(MessageBoxButtons, KindShowsItsButtons)
{
    const ButtonsCase& c = GetParam();
    auto box = MakeBox(c.box, c.nKind);
    std::vector<int> visible = VisibleButtons(*box);
    std::sort(visible.begin(), visible.end());
    std::vector<int> expected = c.visible;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(visible, expected);
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxButtons,
    testing::Values(ButtonsCase { "ok", Box::Standard, 0, { IDC_MB_OK } },
        ButtonsCase { "yesno", Box::Standard, 2, { IDC_MB_YES, IDC_MB_NO } },
        ButtonsCase { "yesnocancel", Box::Standard, 3, { IDC_MB_YES, IDC_MB_NO, IDC_MB_CANCEL } },
        ButtonsCase { "unknown_kind_is_ok", Box::Standard, 1, { IDC_MB_OK } },
        ButtonsCase { "big", Box::Big, 3, { IDC_MB_OK } },
        ButtonsCase { "question", Box::Question, 0, { IDC_QC_YES, IDC_QC_NO, IDC_QC_CHECK } }),
    [](const testing::TestParamInfo<ButtonsCase>& info) { return std::string(info.param.name); });

TEST(MessageBoxLayout, BoxesHaveTheirSizesAndButtonPlaces)
{
    CMessageBoxDlg standard(3, false, nullptr);
    EXPECT_EQ(standard.size(), QSize(176, 208));
    EXPECT_EQ(standard.Skin().Button(IDC_MB_YES)->pos(), QPoint(52, 186));
    EXPECT_EQ(standard.Skin().Button(IDC_MB_OK)->pos(), QPoint(52, 186));
    EXPECT_EQ(standard.Skin().Button(IDC_MB_NO)->pos(), QPoint(84, 186));
    EXPECT_EQ(standard.Skin().Button(IDC_MB_CANCEL)->pos(), QPoint(155, 186));
    CBigMessageBoxDlg big(0, false, nullptr);
    EXPECT_EQ(big.size(), QSize(300, 300));
    EXPECT_EQ(big.Skin().Button(IDC_MB_OK)->pos(), QPoint(101, 278));
    CQuestionCheckDlg question(0, false, nullptr);
    EXPECT_EQ(question.size(), QSize(176, 240));
    EXPECT_EQ(question.Skin().Button(IDC_QC_CHECK)->pos(), QPoint(31, 217));
}

TEST(MessageBoxLayout, ButtonsCarryTheirTooltips)
{
    CMessageBoxDlg standard(3, false, nullptr);
    CSkinToolTip* tips = standard.Skin().ToolTip();
    EXPECT_EQ(tips->GetText(standard.Skin().Button(IDC_MB_OK)), platform::LoadResString(10021));
    EXPECT_EQ(tips->GetText(standard.Skin().Button(IDC_MB_CANCEL)), platform::LoadResString(10022));
    EXPECT_EQ(tips->GetText(standard.Skin().Button(IDC_MB_YES)), platform::LoadResString(10023));
    EXPECT_EQ(tips->GetText(standard.Skin().Button(IDC_MB_NO)), platform::LoadResString(10024));
    EXPECT_FALSE(platform::LoadResString(10023).empty());
}

// The caption strip of the kind lies on the face under the text, where its opaque pixels are.
TEST(MessageBoxLayout, StandardBoxWearsTheCaptionStripOfItsKind)
{
    const std::pair<int, const char*> strips[]
        = { { 0, "MBCAPTIONO" }, { 2, "MBCAPTIONYN" }, { 3, "MBCAPTIONYNC" } };
    for (const auto& [nKind, name] : strips) {
        CMessageBoxDlg box(nKind, false, nullptr);
        const QImage strip = platform::LoadResBitmap(name).convertToFormat(QImage::Format_ARGB32);
        const QImage face = box.Skin().Face().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(strip.isNull()) << name;
        int compared = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                if (qAlpha(strip.pixel(x, y)) == 255) {
                    ASSERT_EQ(face.pixel(x, 176 + y), strip.pixel(x, y))
                        << name << " " << x << "," << y;
                    ++compared;
                }
        EXPECT_GT(compared, 176 * 32 / 2) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// The text

TEST(MessageBoxText, ThreeBlanksGoInFrontWhenTheBoxOpens)
{
    CMessageBoxDlg box(0, false, nullptr);
    box.SetText("Saved.");
    EXPECT_EQ(box.GetText(), "Saved.");
    box.show();
    EXPECT_EQ(box.GetText(), "   Saved.");
    box.hide();
    box.show();
    EXPECT_EQ(box.GetText(), "   Saved.") << "the blanks go in once";
}

// A text longer than the rectangle stays inside it: the box painted with it differs from the
// box without text only inside the rectangle, down to its last rows, and the text there is
// white.
class MessageBoxCut : public testing::TestWithParam<Box> { };

TEST_P(MessageBoxCut, LongTextStaysInsideTheRectangle)
{
    std::string longText;
    for (int i = 0; i < 120; ++i)
        longText += "Happy birthday to you and yours ";
    auto empty = MakeBox(GetParam(), 0);
    auto full = MakeBox(GetParam(), 0);
    full->SetText(longText);
    empty->show();
    full->show();
    const QImage blank = empty->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage written = full->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(blank.size(), written.size());
    const QRect rc = full->TextRect();
    int whiteInside = 0;
    int lowestChanged = -1;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            if (blank.pixel(x, y) == written.pixel(x, y))
                continue;
            ASSERT_TRUE(rc.contains(x, y)) << "text painted outside at " << x << "," << y;
            lowestChanged = std::max(lowestChanged, y);
            const QRgb pixel = written.pixel(x, y);
            if (qRed(pixel) >= 0xE0 && qGreen(pixel) >= 0xE0 && qBlue(pixel) >= 0xE0)
                ++whiteInside;
        }
    EXPECT_GT(whiteInside, 100);
    EXPECT_GE(lowestChanged, rc.bottom() - 12) << "the text fills the rectangle to its bottom";
}


// A text a little too long for the rectangle is written smaller and whole; one far too long
// scrolls to its end with the keys and the wheel, and back.
TEST_P(MessageBoxCut, AnOverlongTextShrinksThenScrolls)
{
    auto box = MakeBox(GetParam(), 0);
    std::string text;
    while (box->TextPixelSize() == 11) {
        text += "Happy birthday to you and yours ";
        box->SetText(text);
    }
    EXPECT_EQ(box->TextPixelSize(), 10);
    EXPECT_EQ(box->MaxScroll(), 0);

    for (int i = 0; i < 120; ++i)
        text += "Happy birthday to you and yours ";
    box->SetText(text);
    box->show();
    EXPECT_EQ(box->TextPixelSize(), 9);
    ASSERT_GT(box->MaxScroll(), 0);
    EXPECT_EQ(box->ScrollOffset(), 0);
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(box->ScrollOffset(), 11);
    QTest::keyClick(box.get(), Qt::Key_End);
    EXPECT_EQ(box->ScrollOffset(), box->MaxScroll());
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(box->ScrollOffset(), box->MaxScroll()) << "no further than the end";
    QTest::keyClick(box.get(), Qt::Key_Home);
    EXPECT_EQ(box->ScrollOffset(), 0);
    const QPoint inside = box->TextRect().center();
    QWheelEvent notchDown(inside, box->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box.get(), &notchDown);
    EXPECT_EQ(box->ScrollOffset(), 33);
    EXPECT_TRUE(box->isVisible()) << "the keys that scroll do not close the box";
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxCut, testing::Values(Box::Standard, Box::Big, Box::Question));

// ---------------------------------------------------------------------------------------------
// The question box's check button

TEST(QuestionCheck, CheckFlipsWithoutEndingAndStaysReportedAfterNo)
{
    CQuestionCheckDlg box(0, false, nullptr);
    box.SetText("Watch the introduction?");
    EXPECT_FALSE(box.GetCheck());
    bool bStillOpen = false;
    bool bPressedLook = false;
    bool bFlippedBack = false;
    CBoxAnswerer<CQuestionCheckDlg> answerer([&](CQuestionCheckDlg* open) {
        CMyBitmapButton* check = open->Skin().Button(IDC_QC_CHECK);
        ClickButton(open, IDC_QC_CHECK);
        ClickButton(open, IDC_QC_CHECK);
        bFlippedBack = !open->GetCheck() && !check->HasPressedLook();
        ClickButton(open, IDC_QC_CHECK);
        bStillOpen = open->isVisible() && open->GetResult() == MB_RESULT_NONE;
        bPressedLook = check->HasPressedLook();
        ClickButton(open, IDC_QC_NO);
    });
    EXPECT_EQ(box.exec(), QDialog::Rejected);
    EXPECT_TRUE(bFlippedBack);
    EXPECT_TRUE(bStillOpen);
    EXPECT_TRUE(bPressedLook);
    EXPECT_EQ(box.GetResult(), MB_RESULT_NO);
    EXPECT_TRUE(box.GetCheck());
}

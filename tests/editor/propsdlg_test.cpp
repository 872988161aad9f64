// The two property dialogs driven as a person drives them: the object properties dialog (the
// text dialog of shapes and texts) and the placed-object properties dialog with its stage
// preview. The choosers and message boxes answer through prompts of the test's own.
#include "dialogs/prompts.h"
#include "editor/core/prompts.h"
#include "editor/skin/skin.h"
#include "editor/windows/objectpropsdlg.h"
#include "editor/windows/placedpropsdlg.h"
#include "model/effect.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/shapes.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/scale.h"
#include "platform/strings.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>
#include <optional>

namespace {

LOGFONT Font(const char* face, int32_t height, int32_t weight, bool italic = false,
    bool underline = false, bool strike = false)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfUnderline = underline ? 1 : 0;
    lf.lfStrikeOut = strike ? 1 : 0;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

std::string FaceOf(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
}

void Press(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(
        widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

// The answers of the choosers and boxes. A chooser without an answer is cancelled. The font
// chooser either hands back a font description as it stands, or lets the dialogs' own
// conversion take a chosen font, as the real chooser's answer would go.
class CTestPrompts : public CDialogPrompts {
public:
    uint8_t MessageBox(QWidget*, int nKind, const std::string& strText) override
    {
        m_messages.push_back(strText);
        m_nKinds.push_back(nKind);
        return MB_RESULT_OK;
    }
    bool ChooseFile(QWidget*, const std::string&, const std::string&, const std::string&, int,
        std::string*) override
    {
        return false;
    }
    bool ChooseColor(QWidget*, COLORREF* pColor) override
    {
        ++m_nColourAsked;
        m_crOffered = *pColor;
        if (!m_crAnswer)
            return false;
        *pColor = *m_crAnswer;
        return true;
    }
    bool ChooseFont(QWidget* parent, LOGFONT* pFont) override
    {
        ++m_nFontAsked;
        m_lfOffered = *pFont;
        if (m_lfAnswer) {
            *pFont = *m_lfAnswer;
            return true;
        }
        return m_chosenFont && CDialogPrompts::ChooseFont(parent, pFont);
    }

    std::optional<COLORREF> m_crAnswer;
    std::optional<LOGFONT> m_lfAnswer;
    std::optional<QFont> m_chosenFont;
    std::vector<std::string> m_messages;
    std::vector<int> m_nKinds;
    int m_nColourAsked = 0;
    int m_nFontAsked = 0;
    COLORREF m_crOffered = 0;
    LOGFONT m_lfOffered;

protected:
    bool RunFontChooser(QWidget*, QFont* pFont) override
    {
        *pFont = *m_chosenFont;
        return true;
    }
};

class PropertyDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
        m_pPrevious = SetEditorPrompts(&m_prompts);
    }
    void TearDown() override
    {
        SetEditorPrompts(m_pPrevious);
        platform::SetResourceLibrary(nullptr);
    }

    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
    CTestPrompts m_prompts;
    IEditorPrompts* m_pPrevious = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Character formats

TEST(CharFormat, bold_from_weight_700_up)
{
    EXPECT_EQ(CharFormatFromFont(Font("Arial", -13, 400), 0).dwEffects & CFE_BOLD, 0u);
    EXPECT_EQ(CharFormatFromFont(Font("Arial", -13, 699), 0).dwEffects & CFE_BOLD, 0u);
    EXPECT_EQ(CharFormatFromFont(Font("Arial", -13, 700), 0).dwEffects & CFE_BOLD, CFE_BOLD);
    EXPECT_EQ(CharFormatFromFont(Font("Arial", -13, 900), 0).dwEffects & CFE_BOLD, CFE_BOLD);
    EXPECT_EQ(FontFromCharFormat(CharFormatFromFont(Font("Arial", -13, 900), 0)).lfWeight, 700);
    EXPECT_EQ(FontFromCharFormat(CharFormatFromFont(Font("Arial", -13, 600), 0)).lfWeight, 400);
}

TEST(CharFormat, carries_effects_height_colour_and_face)
{
    const CCharFormat cf
        = CharFormatFromFont(Font("Times New Roman", -20, 700, true, true, true), 0x123456);
    EXPECT_EQ(cf.cbSize, 60u);
    EXPECT_EQ(cf.dwMask, 0xE000000Fu);
    EXPECT_EQ(cf.dwEffects, CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
    EXPECT_EQ(cf.yHeight, 300);
    EXPECT_EQ(cf.crTextColor, 0x123456u);
    EXPECT_EQ(cf.strFaceName, "Times New Roman");
    // A cell height counts the same pixels.
    EXPECT_EQ(CharFormatFromFont(Font("Arial", 16, 400), 0).yHeight, 240);
}

TEST(CharFormat, font_round_trips_through_the_format)
{
    for (const LOGFONT& lf : { Font("Arial", -13, 400), Font("Courier New", -20, 700, true),
             Font("Times New Roman", -7, 400, false, true, true),
             Font("Caf\xE9", -40, 700, true, true, false) }) {
        EXPECT_EQ(FontFromCharFormat(CharFormatFromFont(lf, 0xFF)), lf) << lf.lfFaceName;
    }
    CCharFormat cf;
    cf.yHeight = 450;
    cf.dwEffects = CFE_ITALIC | CFE_STRIKEOUT;
    cf.strFaceName = "Arial";
    cf.crTextColor = 0x00FF00;
    const CCharFormat back = CharFormatFromFont(FontFromCharFormat(cf), cf.crTextColor);
    EXPECT_EQ(back.yHeight, 450);
    EXPECT_EQ(back.dwEffects, cf.dwEffects);
    EXPECT_EQ(back.strFaceName, "Arial");
    EXPECT_EQ(back.crTextColor, 0x00FF00u);
}

TEST(CharFormat, the_initial_format_is_system_at_200_twips)
{
    const CCharFormat cf;
    EXPECT_EQ(cf.strFaceName, "System");
    EXPECT_EQ(cf.yHeight, 200);
    const LOGFONT lf = FontFromCharFormat(cf);
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(FaceOf(lf), "System");
}

TEST(CharFormat, face_names_are_cut_to_31_bytes)
{
    CCharFormat cf;
    cf.strFaceName = std::string(40, 'F');
    const LOGFONT lf = FontFromCharFormat(cf);
    EXPECT_EQ(FaceOf(lf), std::string(31, 'F'));
    LOGFONT full;
    std::memset(full.lfFaceName, 'G', LF_FACESIZE);
    EXPECT_EQ(CharFormatFromFont(full, 0).strFaceName, std::string(31, 'G'));
}

TEST(FaceNames, only_plain_ascii_faces_of_at_most_31_bytes_are_stored)
{
    LOGFONT lf = Font("Arial", -13, 400);
    EXPECT_TRUE(SetFaceName(lf, "Noto Sans CJK JP").empty());
    EXPECT_EQ(FaceOf(lf), "Noto Sans CJK JP");
    EXPECT_TRUE(SetFaceName(lf, std::string(31, 'x')).empty());
    EXPECT_EQ(FaceOf(lf), std::string(31, 'x'));

    struct Row {
        std::string strFace;
        const char* szWhy;
    };
    const Row refused[] = {
        { std::string(32, 'y'), "longer than 31" },
        { "Caf\xC3\xA9 Sans", "cannot store" },          // e acute: two bytes in UTF-8
        { "Snow\xE2\x98\x83man", "cannot store" },       // a snowman
        { "\xE6\x98\x8E\xE6\x9C\x9D", "cannot store" }, // a family named in Chinese
        { "Tab\tFace", "cannot store" },
    };
    for (const Row& row : refused) {
        lf = Font("Arial", -13, 400);
        EXPECT_FALSE(IsStorableFace(row.strFace)) << row.strFace;
        const std::string why = SetFaceName(lf, row.strFace);
        EXPECT_NE(why.find(row.szWhy), std::string::npos) << why;
        EXPECT_NE(why.find("\"Arial\""), std::string::npos) << why;
        EXPECT_EQ(FaceOf(lf), "Arial");
    }
    EXPECT_TRUE(IsStorableFace("Liberation Sans"));
    EXPECT_TRUE(IsStorableFace(""));
}

TEST(FaceNames, the_windows_faces_show_as_the_fonts_that_stand_for_them)
{
    EXPECT_EQ(FamilyForFace("Arial"), "Liberation Sans");
    EXPECT_EQ(FamilyForFace("System"), "Liberation Sans");
    EXPECT_EQ(FamilyForFace("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(FamilyForFace("Courier New"), "Liberation Mono");
    EXPECT_EQ(FamilyForFace("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(FaceForFamily("Liberation Sans"), "Arial");
    EXPECT_EQ(FaceForFamily("Liberation Serif"), "Times New Roman");
    EXPECT_EQ(FaceForFamily("DejaVu Sans"), "DejaVu Sans");

    const QFont font = QFontFromLogFont(Font("Times New Roman", -20, 700, true, true, true));
    EXPECT_EQ(font.family(), "Liberation Serif");
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    // No height is the usual 16-pixel cell, as the stage draws it: its characters are smaller.
    const int usual = QFontFromLogFont(Font("Arial", 0, 0)).pixelSize();
    EXPECT_GT(usual, 10);
    EXPECT_LE(usual, 16);
    EXPECT_EQ(usual, QFontFromLogFont(Font("Arial", 16, 0)).pixelSize());
    EXPECT_EQ(QFontFromLogFont(Font("Arial", 0, 0)).weight(), QFont::Normal);
}

TEST(FaceNames, a_chosen_font_becomes_a_font_description)
{
    const LOGFONT old = Font("Arial", -13, 400);
    QFont chosen("Liberation Serif");
    chosen.setPointSize(15);
    chosen.setBold(true);
    chosen.setItalic(true);
    std::string why = "stale";
    const LOGFONT lf = LogFontFromChosenFont(chosen, old, &why);
    EXPECT_TRUE(why.empty());
    EXPECT_EQ(FaceOf(lf), "Times New Roman");
    EXPECT_EQ(lf.lfHeight, -20); // 15 points at 96 pixels to the inch
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 0);

    QFont pixels("DejaVu Sans");
    pixels.setPixelSize(31);
    pixels.setUnderline(true);
    const LOGFONT lf2 = LogFontFromChosenFont(pixels, old, nullptr);
    EXPECT_EQ(FaceOf(lf2), "DejaVu Sans");
    EXPECT_EQ(lf2.lfHeight, -31);
    EXPECT_EQ(lf2.lfWeight, 400);
    EXPECT_EQ(lf2.lfUnderline, 1);

    QFont foreign(QString::fromUtf8("Snow\xE2\x98\x83man"));
    foreign.setPixelSize(18);
    const LOGFONT lf3 = LogFontFromChosenFont(foreign, old, &why);
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(FaceOf(lf3), "Arial");
    EXPECT_EQ(lf3.lfHeight, -18);
}

// The real choosers behind the dialogs' prompts, answered as a person would.
template <class TDialog> void AnswerNextModal(std::function<void(TDialog*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

TEST(Choosers, the_colour_chooser_gives_the_chosen_colour_or_nothing)
{
    CDialogPrompts prompts;
    COLORREF cr = RGB(10, 20, 30);
    QColor offered;
    AnswerNextModal<QColorDialog>([&offered](QColorDialog* dialog) {
        offered = dialog->currentColor();
        dialog->setCurrentColor(QColor(200, 100, 50));
        dialog->accept();
    });
    ASSERT_TRUE(prompts.ChooseColor(nullptr, &cr));
    EXPECT_EQ(offered, QColor(10, 20, 30));
    EXPECT_EQ(cr, RGB(200, 100, 50));

    AnswerNextModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->reject();
    });
    EXPECT_FALSE(prompts.ChooseColor(nullptr, &cr));
    EXPECT_EQ(cr, RGB(200, 100, 50));
}

TEST(Choosers, the_font_chooser_offers_storable_families_and_gives_a_description)
{
    CDialogPrompts prompts;
    LOGFONT lf = Font("Arial", -16, 400);
    QFont offered;
    int hiddenFit = 0;
    int shownFit = 0;
    AnswerNextModal<QFontDialog>([&](QFontDialog* dialog) {
        offered = dialog->currentFont();
        for (QListView* view : dialog->findChildren<QListView*>()) {
            const QAbstractItemModel* model = view->model();
            for (int row = 0; model != nullptr && row < model->rowCount(); ++row) {
                const QString name = model->index(row, 0).data().toString();
                if (name != "Liberation Serif" && name != "Liberation Sans")
                    continue;
                (view->isRowHidden(row) ? hiddenFit : shownFit) += 1;
            }
        }
        QFont chosen("Liberation Serif");
        chosen.setPointSize(15);
        chosen.setBold(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    ASSERT_TRUE(prompts.ChooseFont(nullptr, &lf));
    EXPECT_EQ(offered.family(), "Liberation Sans");
    EXPECT_EQ(hiddenFit, 0);
    EXPECT_GE(shownFit, 2);
    EXPECT_EQ(FaceOf(lf), "Times New Roman");
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, 700);

    AnswerNextModal<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
    const LOGFONT before = lf;
    EXPECT_FALSE(prompts.ChooseFont(nullptr, &lf));
    EXPECT_EQ(lf, before);
}

// ---------------------------------------------------------------------------------------------
// The object properties dialog

class ObjectDialog : public PropertyDialogs, public testing::WithParamInterface<int> {
protected:
    // A dialog in the mode with a set of values of its own, shown.
    std::unique_ptr<CObjectPropertiesDlg> Open(int nMode)
    {
        auto dlg = std::make_unique<CObjectPropertiesDlg>(nMode, nullptr);
        dlg->m_logfont = Font("Arial", -16, 400);
        dlg->m_strText = "Hello";
        dlg->m_crColor1 = 0x0000FF;
        dlg->m_crColor2 = 0x00FF00;
        dlg->m_nLineWidth = 3;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static bool IsText(int nMode)
    {
        return nMode == OP_MODE_TEXT_IN_SHAPE || nMode == OP_MODE_PLAIN_TEXT;
    }
    static bool IsFilled(int nMode)
    {
        return nMode == OP_MODE_SHAPE || nMode == OP_MODE_TEXT_IN_SHAPE;
    }
};

INSTANTIATE_TEST_SUITE_P(Modes, ObjectDialog,
    testing::Values(OP_MODE_SHAPE, OP_MODE_TEXT_IN_SHAPE, OP_MODE_PLAIN_TEXT, OP_MODE_LINE));

TEST_P(ObjectDialog, controls_sit_where_the_face_puts_them)
{
    auto dlg = Open(GetParam());
    EXPECT_EQ(dlg->size(), QSize(325, 255));
    EXPECT_EQ(dlg->TextEditor()->geometry(), QRect(10, 37, 304, 134));
    EXPECT_EQ(dlg->WidthField()->geometry(), QRect(11, 228, 53, 17));
    EXPECT_EQ(dlg->Swatch(1)->geometry(), QRect(QPoint(11, 198), QPoint(63, 213)));
    EXPECT_EQ(dlg->Swatch(2)->geometry(), QRect(QPoint(173, 228), QPoint(225, 243)));
    EXPECT_EQ(dlg->Button(IDC_OP_FONT)->pos(), QPoint(238, 11));
    EXPECT_EQ(dlg->Button(IDC_OP_NONE)->pos(), QPoint(176, 202));
    EXPECT_EQ(dlg->Button(IDC_OP_OK)->pos(), QPoint(258, 200));
    EXPECT_EQ(dlg->Button(IDC_OP_CANCEL)->pos(), QPoint(300, 200));
    EXPECT_FALSE(dlg->Skin().IsDraggedByBody());
}

TEST_P(ObjectDialog, only_what_the_object_has_can_be_changed)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    EXPECT_EQ(dlg->TextEditor()->isEnabled(), IsText(nMode));
    EXPECT_EQ(dlg->TextEditor()->toPlainText(), IsText(nMode) ? "Hello" : "");
    EXPECT_EQ(dlg->Button(IDC_OP_FONT)->isEnabled(), IsText(nMode));
    EXPECT_EQ(dlg->FamilyChoice()->isEnabled(), IsText(nMode));
    EXPECT_EQ(dlg->Button(IDC_OP_EMOJI)->isEnabled(), IsText(nMode));
    EXPECT_EQ(dlg->Button(IDC_OP_NONE)->isEnabled(), IsFilled(nMode));
    EXPECT_EQ(dlg->Swatch(2)->isEnabled(), IsFilled(nMode));
    EXPECT_EQ(dlg->WidthField()->isEnabled(), nMode != OP_MODE_PLAIN_TEXT);
    EXPECT_TRUE(dlg->Swatch(1)->isEnabled());
    EXPECT_EQ(dlg->WidthField()->text(), "3");
}

TEST_P(ObjectDialog, tooltips_name_every_control)
{
    auto dlg = Open(GetParam());
    CSkinToolTip* tip = dlg->Skin().ToolTip();
    const std::pair<QWidget*, int> tools[] = { { dlg->Button(IDC_OP_FONT), 10027 },
        { dlg->Swatch(1), 10028 }, { dlg->Swatch(2), 10029 }, { dlg->Button(IDC_OP_OK), 10030 },
        { dlg->Button(IDC_OP_CANCEL), 10031 }, { dlg->WidthField(), 10122 },
        { dlg->Button(IDC_OP_NONE), 10032 } };
    for (const auto& [tool, nId] : tools) {
        EXPECT_FALSE(platform::LoadResString(nId).empty()) << nId;
        EXPECT_EQ(tip->GetText(tool), platform::LoadResString(nId)) << nId;
    }
}

TEST_P(ObjectDialog, swatch_1_takes_the_chosen_colour_1)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    m_prompts.m_crAnswer = 0x123456;
    Click(dlg->Swatch(1));
    EXPECT_EQ(m_prompts.m_nColourAsked, 1);
    EXPECT_EQ(m_prompts.m_crOffered, 0x0000FFu);
    EXPECT_EQ(dlg->m_crColor1, 0x123456u);
    EXPECT_EQ(dlg->m_crColor2, 0x00FF00u);
    const QImage swatch = dlg->Swatch(1)->grab().toImage();
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(0x56, 0x34, 0x12));
    if (IsText(nMode)) {
        // The text shows in the new colour at once.
        EXPECT_EQ(dlg->m_cf.crTextColor, 0x123456u);
        EXPECT_EQ(dlg->TextEditor()->palette().color(QPalette::Text), QColor(0x56, 0x34, 0x12));
    }
    Click(dlg->Button(IDC_OP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_crColor1, 0x123456u);
}

TEST_P(ObjectDialog, swatch_2_takes_the_fill_colour_where_there_is_a_fill)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    m_prompts.m_crAnswer = 0x654321;
    Press(dlg->Swatch(2));
    EXPECT_EQ(m_prompts.m_nColourAsked, IsFilled(nMode) ? 1 : 0);
    EXPECT_EQ(dlg->m_crColor2, IsFilled(nMode) ? 0x654321u : 0x00FF00u);
    EXPECT_EQ(dlg->m_crColor1, 0x0000FFu);
}

TEST_P(ObjectDialog, a_cancelled_colour_chooser_changes_nothing)
{
    auto dlg = Open(GetParam());
    const CCharFormat cf = dlg->m_cf;
    Click(dlg->Swatch(1));
    Press(dlg->Swatch(2));
    EXPECT_GE(m_prompts.m_nColourAsked, 1);
    EXPECT_EQ(dlg->m_crColor1, 0x0000FFu);
    EXPECT_EQ(dlg->m_crColor2, 0x00FF00u);
    EXPECT_EQ(dlg->m_cf.crTextColor, cf.crTextColor);
}

TEST_P(ObjectDialog, no_fill_toggles_with_its_tooltip_where_there_is_a_fill)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    CMyBitmapButton* none = dlg->Button(IDC_OP_NONE);
    CSkinToolTip* tip = dlg->Skin().ToolTip();
    const QImage filled = dlg->Swatch(2)->grab().toImage();
    Press(none);
    if (!IsFilled(nMode)) {
        EXPECT_FALSE(dlg->m_bTransparent);
        EXPECT_FALSE(none->HasPressedLook());
        return;
    }
    EXPECT_TRUE(dlg->m_bTransparent);
    EXPECT_TRUE(none->HasPressedLook());
    EXPECT_EQ(tip->GetText(none), platform::LoadResString(10033));
    // The fill swatch no longer shows a colour.
    const QImage empty = dlg->Swatch(2)->grab().toImage();
    EXPECT_NE(empty, filled);
    int green = 0;
    for (int y = 2; y < empty.height() - 2; ++y)
        for (int x = 2; x < empty.width() - 2; ++x)
            green += empty.pixelColor(x, y) == QColor(0, 0xFF, 0) ? 1 : 0;
    EXPECT_EQ(green, 0);
    Click(none);
    EXPECT_FALSE(dlg->m_bTransparent);
    EXPECT_FALSE(none->HasPressedLook());
    EXPECT_EQ(tip->GetText(none), platform::LoadResString(10032));
    EXPECT_EQ(dlg->Swatch(2)->grab().toImage(), filled);
}

TEST_F(PropertyDialogs, a_line_shows_no_fill_off_and_keeps_its_flag)
{
    CObjectPropertiesDlg dlg(OP_MODE_LINE, nullptr);
    dlg.m_bTransparent = true;
    dlg.show();
    CMyBitmapButton* none = dlg.Button(IDC_OP_NONE);
    EXPECT_FALSE(none->isEnabled());
    EXPECT_FALSE(none->HasPressedLook());
    Press(none);
    Press(dlg.Swatch(2));
    EXPECT_EQ(m_prompts.m_nColourAsked, 0);
    EXPECT_TRUE(dlg.m_bTransparent);
    // A shape that starts without fill shows it.
    CObjectPropertiesDlg shape(OP_MODE_SHAPE, nullptr);
    shape.m_bTransparent = true;
    shape.show();
    EXPECT_TRUE(shape.Button(IDC_OP_NONE)->HasPressedLook());
    EXPECT_EQ(
        shape.Skin().ToolTip()->GetText(shape.Button(IDC_OP_NONE)), platform::LoadResString(10033));
}

TEST_P(ObjectDialog, the_chosen_font_reaches_the_description_the_format_and_the_text)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    const LOGFONT chosen = Font("Times New Roman", -20, 700, true, true, false);
    m_prompts.m_lfAnswer = chosen;
    Press(dlg->Button(IDC_OP_FONT));
    if (!IsText(nMode)) {
        EXPECT_EQ(m_prompts.m_nFontAsked, 0);
        return;
    }
    EXPECT_EQ(m_prompts.m_nFontAsked, 1);
    EXPECT_EQ(m_prompts.m_lfOffered, Font("Arial", -16, 400));
    EXPECT_EQ(dlg->m_logfont, chosen);
    EXPECT_EQ(dlg->m_cf.strFaceName, "Times New Roman");
    EXPECT_EQ(dlg->m_cf.yHeight, 300);
    EXPECT_EQ(dlg->m_cf.dwEffects, CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE);
    EXPECT_EQ(dlg->m_cf.crTextColor, 0x0000FFu);
    const QFont shown = dlg->TextEditor()->document()->defaultFont();
    EXPECT_EQ(shown.family(), "Liberation Serif");
    EXPECT_EQ(shown.pixelSize(), 20);
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_TRUE(shown.underline());
    EXPECT_FALSE(shown.strikeOut());
    EXPECT_TRUE(m_prompts.m_messages.empty());
    Click(dlg->Button(IDC_OP_OK));
    EXPECT_EQ(dlg->m_logfont, chosen);
}

TEST_F(PropertyDialogs, the_text_shows_in_its_character_format)
{
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.m_logfont = Font("Courier New", -24, 400, false, false, true);
    dlg.m_crColor1 = 0x804020;
    dlg.m_strText = "one\r\ntwo";
    dlg.show();
    EXPECT_EQ(dlg.m_cf.strFaceName, "Courier New");
    EXPECT_EQ(dlg.m_cf.yHeight, 360);
    EXPECT_EQ(dlg.m_cf.dwEffects, CFE_STRIKEOUT);
    EXPECT_EQ(dlg.m_cf.crTextColor, 0x804020u);
    const QFont shown = dlg.TextEditor()->document()->defaultFont();
    EXPECT_EQ(shown.family(), "Liberation Mono");
    EXPECT_EQ(shown.pixelSize(), 24);
    EXPECT_TRUE(shown.strikeOut());
    EXPECT_EQ(dlg.TextEditor()->palette().color(QPalette::Text), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(dlg.TextEditor()->toPlainText(), "one\ntwo");
}

TEST_F(PropertyDialogs, a_description_without_a_face_takes_the_character_format)
{
    CObjectPropertiesDlg dlg(OP_MODE_TEXT_IN_SHAPE, nullptr);
    dlg.m_logfont = LOGFONT {};
    dlg.m_cf.strFaceName = "Arial";
    dlg.m_cf.yHeight = 300;
    dlg.m_cf.dwEffects = CFE_ITALIC;
    dlg.show();
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Arial");
    EXPECT_EQ(dlg.m_logfont.lfHeight, -20);
    EXPECT_EQ(dlg.m_logfont.lfItalic, 1);
    EXPECT_EQ(dlg.m_cf.yHeight, 300);
}

TEST_F(PropertyDialogs, a_fresh_dialog_starts_from_system_at_200_twips_and_white_fill)
{
    CObjectPropertiesDlg dlg(OP_MODE_TEXT_IN_SHAPE, nullptr);
    EXPECT_EQ(dlg.m_cf.strFaceName, "System");
    EXPECT_EQ(dlg.m_cf.yHeight, 200);
    EXPECT_EQ(FaceOf(dlg.m_logfont), "System");
    EXPECT_EQ(dlg.m_crColor2, 0xFFFFFFu);
    EXPECT_EQ(dlg.m_nLineWidth, 1);
    EXPECT_FALSE(dlg.m_bTransparent);
}

TEST_F(PropertyDialogs, a_cancelled_font_chooser_changes_nothing)
{
    for (int nMode : { OP_MODE_TEXT_IN_SHAPE, OP_MODE_PLAIN_TEXT }) {
        CObjectPropertiesDlg dlg(nMode, nullptr);
        dlg.m_logfont = Font("Arial", -16, 400);
        dlg.show();
        const LOGFONT lf = dlg.m_logfont;
        const CCharFormat cf = dlg.m_cf;
        const QFont shown = dlg.TextEditor()->document()->defaultFont();
        Click(dlg.Button(IDC_OP_FONT));
        EXPECT_EQ(dlg.m_logfont, lf);
        EXPECT_EQ(dlg.m_cf.strFaceName, cf.strFaceName);
        EXPECT_EQ(dlg.m_cf.yHeight, cf.yHeight);
        EXPECT_EQ(dlg.m_cf.dwEffects, cf.dwEffects);
        EXPECT_EQ(dlg.TextEditor()->document()->defaultFont(), shown);
    }
    EXPECT_EQ(m_prompts.m_nFontAsked, 2);
}

// Faces that cannot be stored, as the chooser names them (UTF-8).
class UnfitFace : public PropertyDialogs, public testing::WithParamInterface<std::string> { };

INSTANTIATE_TEST_SUITE_P(Faces, UnfitFace,
    testing::Values(std::string(40, 'W'), std::string(32, 'W'), "Snow\xE2\x98\x83man",
        "\xE6\x98\x8E\xE6\x9C\x9D"));

TEST_P(UnfitFace, keeps_the_old_face_and_says_why)
{
    CObjectPropertiesDlg dlg(OP_MODE_TEXT_IN_SHAPE, nullptr);
    dlg.m_logfont = Font("Arial", -16, 400);
    dlg.show();
    QFont chosen(QString::fromStdString(GetParam()));
    chosen.setPixelSize(22);
    chosen.setBold(true);
    m_prompts.m_chosenFont = chosen;
    Click(dlg.Button(IDC_OP_FONT));
    ASSERT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(m_prompts.m_nKinds[0], MB_KIND_OK);
    EXPECT_NE(m_prompts.m_messages[0].find("\"Arial\""), std::string::npos)
        << m_prompts.m_messages[0];
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Arial");
    EXPECT_EQ(dlg.m_cf.strFaceName, "Arial");
    // The rest of the choice is taken.
    EXPECT_EQ(dlg.m_logfont.lfHeight, -22);
    EXPECT_EQ(dlg.m_cf.dwEffects & CFE_BOLD, CFE_BOLD);
    EXPECT_EQ(dlg.TextEditor()->document()->defaultFont().family(), "Liberation Sans");
}

TEST_F(PropertyDialogs, a_fit_face_from_the_chooser_is_taken_under_its_stored_name)
{
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.show();
    QFont chosen("Liberation Serif");
    chosen.setPixelSize(18);
    m_prompts.m_chosenFont = chosen;
    Click(dlg.Button(IDC_OP_FONT));
    EXPECT_TRUE(m_prompts.m_messages.empty());
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Times New Roman");
    EXPECT_EQ(dlg.m_cf.strFaceName, "Times New Roman");
    EXPECT_EQ(dlg.m_cf.yHeight, 270);
    EXPECT_EQ(dlg.FamilyChoice()->currentText(), "Liberation Serif");
}

// ---------------------------------------------------------------------------------------------
// The family choice

// Picks a family in the choice as a person does.
void PickFamily(CObjectPropertiesDlg& dlg, int nIndex)
{
    QComboBox* choice = dlg.FamilyChoice();
    ASSERT_GE(nIndex, 0);
    ASSERT_LT(nIndex, choice->count());
    choice->setCurrentIndex(nIndex);
    emit choice->activated(nIndex);
}

TEST_F(PropertyDialogs, the_family_choice_offers_the_installed_families_a_greeting_can_store)
{
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.m_logfont = Font("Arial", -16, 400);
    dlg.show();
    QComboBox* choice = dlg.FamilyChoice();
    EXPECT_EQ(choice->geometry(), QRect(11, 177, 266, 17));
    EXPECT_FALSE(choice->accessibleName().isEmpty());
    const QStringList offered = StorableFamilies();
    ASSERT_EQ(choice->count(), offered.size());
    for (int i = 0; i < choice->count(); ++i)
        EXPECT_EQ(choice->itemText(i), offered[i]);
    EXPECT_TRUE(offered.contains("Liberation Serif"));
    for (const QString& family : QFontDatabase::families()) {
        const bool bStorable = IsStorableFace(FaceForFamily(family));
        EXPECT_EQ(offered.contains(family), bStorable && !QFontDatabase::isPrivateFamily(family))
            << family.toStdString();
    }
    // Arial is shown as the family that stands for it.
    EXPECT_EQ(choice->currentText(), "Liberation Sans");
}

TEST_F(PropertyDialogs, a_chosen_family_becomes_the_face_and_cancel_takes_it_back)
{
    CObjectPropertiesDlg dlg(OP_MODE_TEXT_IN_SHAPE, nullptr);
    dlg.m_logfont = Font("Arial", -16, 700);
    dlg.show();
    PickFamily(dlg, dlg.FamilyChoice()->findText("Liberation Serif"));
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Times New Roman");
    EXPECT_EQ(dlg.m_logfont.lfWeight, 700);
    EXPECT_EQ(dlg.m_cf.strFaceName, "Times New Roman");
    EXPECT_EQ(dlg.TextEditor()->document()->defaultFont().family(), "Liberation Serif");
    Click(dlg.Button(IDC_OP_CANCEL));
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Arial");
}

TEST_F(PropertyDialogs, a_face_that_is_not_installed_is_kept_first_in_the_choice)
{
    const char* face = "Kelbrant Hand 1997"; // no such font
    ASSERT_FALSE(QFontDatabase::families().contains(face));
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.m_logfont = Font(face, -16, 400);
    dlg.show();
    QComboBox* choice = dlg.FamilyChoice();
    EXPECT_EQ(choice->count(), StorableFamilies().size() + 1);
    EXPECT_EQ(choice->currentIndex(), 0);
    EXPECT_EQ(choice->itemText(0), "Kelbrant Hand 1997 (not installed)");
    PickFamily(dlg, choice->findText("Liberation Mono"));
    EXPECT_EQ(FaceOf(dlg.m_logfont), "Courier New");
    PickFamily(dlg, 0);
    EXPECT_EQ(FaceOf(dlg.m_logfont), face);
    Click(dlg.Button(IDC_OP_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(FaceOf(dlg.m_logfont), face);
    EXPECT_EQ(dlg.m_cf.strFaceName, face);
}

// A font description whose face bytes cannot be a face: no terminator in its 32 bytes, or a
// byte outside plain ASCII.
TEST_F(PropertyDialogs, a_description_with_an_unfit_face_keeps_the_old_face)
{
    for (int i = 0; i < 2; ++i) {
        CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
        dlg.m_logfont = Font("Arial", -16, 400);
        dlg.show();
        LOGFONT answer = Font("x", -30, 700);
        if (i == 0)
            std::memset(answer.lfFaceName, 'Z', LF_FACESIZE);
        else
            std::strcpy(answer.lfFaceName,
                "Bad\x81"
                "Face");
        m_prompts.m_lfAnswer = answer;
        m_prompts.m_messages.clear();
        Click(dlg.Button(IDC_OP_FONT));
        EXPECT_EQ(m_prompts.m_messages.size(), 1u) << i;
        EXPECT_EQ(FaceOf(dlg.m_logfont), "Arial") << i;
        EXPECT_EQ(dlg.m_logfont.lfHeight, -30) << i;
    }
}

class WidthEntry : public PropertyDialogs,
                   public testing::WithParamInterface<std::pair<const char*, int>> { };

INSTANTIATE_TEST_SUITE_P(Entries, WidthEntry,
    testing::Values(std::pair<const char*, int> { "150", -1 },
        std::pair<const char*, int> { "-1", -1 }, std::pair<const char*, int> { "abc", -1 },
        std::pair<const char*, int> { "", -1 }, std::pair<const char*, int> { "100", -1 },
        std::pair<const char*, int> { "7", 7 }, std::pair<const char*, int> { "0", 0 },
        std::pair<const char*, int> { "99", 99 }, std::pair<const char*, int> { " 12 ", 12 }));

TEST_P(WidthEntry, the_line_width_takes_0_to_99_only)
{
    const auto [text, expected] = GetParam();
    for (int nMode : { OP_MODE_SHAPE, OP_MODE_TEXT_IN_SHAPE, OP_MODE_LINE }) {
        m_prompts.m_messages.clear();
        CObjectPropertiesDlg dlg(nMode, nullptr);
        dlg.m_nLineWidth = 3;
        dlg.show();
        dlg.WidthField()->setText(text);
        Click(dlg.Button(IDC_OP_OK));
        if (expected >= 0) {
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(dlg.m_nLineWidth, expected);
            EXPECT_TRUE(m_prompts.m_messages.empty());
            continue;
        }
        // Refused: the box says why, the old width is back in the field and the dialog stays.
        ASSERT_EQ(m_prompts.m_messages.size(), 1u) << nMode;
        EXPECT_NE(m_prompts.m_messages[0].find("0 to 99"), std::string::npos);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.WidthField()->text(), "3");
        EXPECT_EQ(dlg.m_nLineWidth, 3);
        Click(dlg.Button(IDC_OP_OK));
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_nLineWidth, 3);
    }
}

TEST_F(PropertyDialogs, a_width_outside_the_range_that_came_with_the_object_stands)
{
    CObjectPropertiesDlg dlg(OP_MODE_SHAPE, nullptr);
    dlg.m_nLineWidth = 150;
    dlg.show();
    EXPECT_EQ(dlg.WidthField()->text(), "150");
    dlg.WidthField()->setText("151");
    Click(dlg.Button(IDC_OP_OK));
    EXPECT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(dlg.WidthField()->text(), "150");
    Click(dlg.Button(IDC_OP_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nLineWidth, 150);
    EXPECT_EQ(m_prompts.m_messages.size(), 1u);
}

TEST_F(PropertyDialogs, a_plain_text_has_no_line_width)
{
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.m_nLineWidth = 4;
    dlg.show();
    dlg.WidthField()->setText("abc");
    Click(dlg.Button(IDC_OP_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nLineWidth, 4);
    EXPECT_TRUE(m_prompts.m_messages.empty());
}

TEST_P(ObjectDialog, ok_takes_the_typed_text_with_its_line_breaks)
{
    const int nMode = GetParam();
    auto dlg = Open(nMode);
    QTextEdit* editor = dlg->TextEditor();
    if (IsText(nMode)) {
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, " world");
        // Return is a new line, not OK.
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(dlg->isVisible());
        editor->insertPlainText(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x82"));
    }
    Click(dlg->Button(IDC_OP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    // The text is UTF-8, an emoji as any other character.
    EXPECT_EQ(dlg->m_strText,
        IsText(nMode) ? "Hello world\r\ncaf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x82" : "Hello");
}

TEST_P(ObjectDialog, cancel_and_escape_keep_every_value)
{
    const int nMode = GetParam();
    for (bool bEscape : { false, true }) {
        auto dlg = Open(nMode);
        const CCharFormat cf; // what the dialog was given
        m_prompts.m_crAnswer = 0x111111;
        m_prompts.m_lfAnswer = Font("Courier New", -30, 700);
        Click(dlg->Swatch(1));
        Press(dlg->Swatch(2));
        Press(dlg->Button(IDC_OP_NONE));
        Press(dlg->Button(IDC_OP_FONT));
        dlg->WidthField()->setText("9");
        dlg->TextEditor()->setPlainText("changed");
        QWidget* typing = IsText(nMode) ? static_cast<QWidget*>(dlg->TextEditor())
                                        : static_cast<QWidget*>(dlg->WidthField());
        if (bEscape)
            QTest::keyClick(typing, Qt::Key_Escape);
        else
            Click(dlg->Button(IDC_OP_CANCEL));
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->m_crColor1, 0x0000FFu);
        EXPECT_EQ(dlg->m_crColor2, 0x00FF00u);
        EXPECT_FALSE(dlg->m_bTransparent);
        EXPECT_EQ(dlg->m_logfont, Font("Arial", -16, 400));
        EXPECT_EQ(dlg->m_cf.strFaceName, cf.strFaceName);
        EXPECT_EQ(dlg->m_cf.yHeight, cf.yHeight);
        EXPECT_EQ(dlg->m_cf.crTextColor, cf.crTextColor);
        EXPECT_EQ(dlg->m_strText, "Hello");
        EXPECT_EQ(dlg->m_nLineWidth, 3);
    }
}

TEST_F(PropertyDialogs, the_dialog_runs_modally_until_ok)
{
    CObjectPropertiesDlg dlg(OP_MODE_SHAPE, nullptr);
    dlg.m_nLineWidth = 2;
    QTimer::singleShot(0, &dlg, [&dlg] {
        dlg.WidthField()->setText("5");
        Click(dlg.Button(IDC_OP_OK));
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nLineWidth, 5);
}

// ---------------------------------------------------------------------------------------------
// The placed-object properties dialog

class PlacedDialog : public PropertyDialogs {
protected:
    std::unique_ptr<CPlacedPropertiesDlg> Open(
        CProjectDoc* pDoc = nullptr, CLayer* pLayer = nullptr)
    {
        auto dlg = std::make_unique<CPlacedPropertiesDlg>(
            "Bild-Object Eigenschaften", pDoc, pLayer, nullptr);
        dlg->m_nX = 10;
        dlg->m_nY = 20;
        dlg->m_nWidth = 300;
        dlg->m_nHeight = 200;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static void Type(CPlacedPropertiesDlg& dlg, int nId, const QString& text)
    {
        dlg.Field(nId)->setText(text);
    }
};

TEST_F(PlacedDialog, fields_show_the_given_values_where_the_face_puts_them)
{
    auto dlg = Open();
    EXPECT_EQ(dlg->size(), QSize(357, 207));
    EXPECT_TRUE(dlg->Skin().IsDraggedByBody());
    const std::pair<int, int> fields[]
        = { { IDC_PP_X, 58 }, { IDC_PP_Y, 81 }, { IDC_PP_WIDTH, 153 }, { IDC_PP_HEIGHT, 176 } };
    for (const auto& [nId, top] : fields)
        EXPECT_EQ(dlg->Field(nId)->geometry(), QRect(265, top, 82, 18)) << nId;
    EXPECT_EQ(dlg->Field(IDC_PP_X)->text(), "10");
    EXPECT_EQ(dlg->Field(IDC_PP_Y)->text(), "20");
    EXPECT_EQ(dlg->Field(IDC_PP_WIDTH)->text(), "300");
    EXPECT_EQ(dlg->Field(IDC_PP_HEIGHT)->text(), "200");
    EXPECT_EQ(dlg->Button(IDC_PP_OK)->pos(), QPoint(258, 8));
    EXPECT_EQ(dlg->Button(IDC_PP_CANCEL)->pos(), QPoint(307, 8));
    EXPECT_EQ(dlg->Button(IDC_PP_OK)->size(), QSize(12, 12));
    EXPECT_EQ(dlg->GetTitle(), "Bild-Object Eigenschaften");
}

TEST_F(PlacedDialog, the_title_is_lettered_on_the_face)
{
    CPlacedPropertiesDlg plain("", nullptr, nullptr, nullptr);
    CPlacedPropertiesDlg titled("Clipart-Object Eigenschaften", nullptr, nullptr, nullptr);
    const QRect box(14, 6, 230, 24);
    EXPECT_NE(plain.Skin().Face().copy(box), titled.Skin().Face().copy(box));
    // Only the caption area changes.
    const QRect below(0, 40, 357, 167);
    EXPECT_EQ(plain.Skin().Face().copy(below).convertToFormat(QImage::Format_RGB32),
        titled.Skin().Face().copy(below).convertToFormat(QImage::Format_RGB32));
}

TEST_F(PlacedDialog, typed_values_in_range_come_back_on_ok)
{
    auto dlg = Open();
    Type(*dlg, IDC_PP_X, "-8000");
    Type(*dlg, IDC_PP_Y, "8000");
    Type(*dlg, IDC_PP_WIDTH, "1");
    Type(*dlg, IDC_PP_HEIGHT, " 8000");
    Click(dlg->Button(IDC_PP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(m_prompts.m_messages.empty());
    EXPECT_EQ(dlg->m_nX, -8000);
    EXPECT_EQ(dlg->m_nY, 8000);
    EXPECT_EQ(dlg->m_nWidth, 1);
    EXPECT_EQ(dlg->m_nHeight, 8000);
}

class PlacedEntry : public PlacedDialog,
                    public testing::WithParamInterface<std::pair<int, const char*>> { };

INSTANTIATE_TEST_SUITE_P(Entries, PlacedEntry,
    testing::Values(std::pair<int, const char*> { IDC_PP_X, "9000" },
        std::pair<int, const char*> { IDC_PP_X, "-8001" },
        std::pair<int, const char*> { IDC_PP_Y, "abc" },
        std::pair<int, const char*> { IDC_PP_WIDTH, "0" },
        std::pair<int, const char*> { IDC_PP_WIDTH, "8001" },
        std::pair<int, const char*> { IDC_PP_HEIGHT, "-5" },
        std::pair<int, const char*> { IDC_PP_HEIGHT, "" },
        std::pair<int, const char*> { IDC_PP_Y, "1.5" }));

TEST_P(PlacedEntry, a_refused_entry_keeps_every_old_value_and_says_why)
{
    const auto [nId, text] = GetParam();
    auto dlg = Open();
    // A good entry in another field is not taken while one is refused.
    const int other = nId == IDC_PP_X ? IDC_PP_HEIGHT : IDC_PP_X;
    Type(*dlg, other, "77");
    Type(*dlg, nId, text);
    Click(dlg->Button(IDC_PP_OK));
    ASSERT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(m_prompts.m_nKinds[0], MB_KIND_OK);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->m_nX, 10);
    EXPECT_EQ(dlg->m_nY, 20);
    EXPECT_EQ(dlg->m_nWidth, 300);
    EXPECT_EQ(dlg->m_nHeight, 200);
    const int32_t old = nId == IDC_PP_X ? 10
        : nId == IDC_PP_Y               ? 20
        : nId == IDC_PP_WIDTH           ? 300
                                        : 200;
    EXPECT_EQ(dlg->Field(nId)->text(), QString::number(old));
    EXPECT_EQ(dlg->Field(other)->text(), "77");
    Click(dlg->Button(IDC_PP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(other == IDC_PP_X ? dlg->m_nX : dlg->m_nHeight, 77);
}

TEST_F(PlacedDialog, values_outside_the_ranges_that_came_with_the_object_stand)
{
    CPlacedPropertiesDlg dlg("", nullptr, nullptr, nullptr);
    dlg.m_nX = -9000;
    dlg.m_nY = 9000;
    dlg.m_nWidth = 0;
    dlg.m_nHeight = 9999;
    dlg.show();
    Type(dlg, IDC_PP_WIDTH, "-1");
    Click(dlg.Button(IDC_PP_OK));
    EXPECT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(dlg.Field(IDC_PP_WIDTH)->text(), "0");
    Click(dlg.Button(IDC_PP_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(dlg.m_nX, -9000);
    EXPECT_EQ(dlg.m_nY, 9000);
    EXPECT_EQ(dlg.m_nWidth, 0);
    EXPECT_EQ(dlg.m_nHeight, 9999);
}

TEST_F(PlacedDialog, cancel_returns_the_old_values)
{
    for (bool bEscape : { false, true }) {
        auto dlg = Open();
        Type(*dlg, IDC_PP_X, "1");
        Type(*dlg, IDC_PP_Y, "2");
        Type(*dlg, IDC_PP_WIDTH, "3");
        Type(*dlg, IDC_PP_HEIGHT, "4");
        if (bEscape)
            QTest::keyClick(dlg->Field(IDC_PP_X), Qt::Key_Escape);
        else
            Click(dlg->Button(IDC_PP_CANCEL));
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->m_nX, 10);
        EXPECT_EQ(dlg->m_nY, 20);
        EXPECT_EQ(dlg->m_nWidth, 300);
        EXPECT_EQ(dlg->m_nHeight, 200);
    }
}

TEST_F(PlacedDialog, without_a_project_there_is_no_preview)
{
    auto dlg = Open();
    EXPECT_TRUE(dlg->IsPreviewRunning());
    EXPECT_TRUE(dlg->PreviewImage().isNull());
    Click(dlg->Button(IDC_PP_OK));
    EXPECT_FALSE(dlg->IsPreviewRunning());
}

// A stage of 800 x 600 with one red rectangle at (100, 100), 300 x 200, on white.
class PlacedPreview : public PlacedDialog {
protected:
    void SetUp() override
    {
        PlacedDialog::SetUp();
        auto movie = CAbstractMovie::NewProject();
        m_pLayer
            = movie->GetFirstStage()->AddObject(CGenericDrawing::kindDrawn, 100, 100, 300, 200);
        ASSERT_NE(m_pLayer, nullptr);
        auto drawn = std::make_unique<CDrawnObject>();
        drawn->m_pShape = std::make_unique<CDrawRect>();
        drawn->m_pShape->m_logbrush.lbColor = 0x0000FF;
        drawn->m_pShape->m_bPen = 0;
        m_pLayer->m_pDrawing->SetObject(std::move(drawn));
        auto* effect = new CEffect;
        effect->m_nType = -1;
        effect->m_nStartFrame = 0;
        effect->m_nDuration = 1;
        m_pLayer->m_pEffects->AddTail(effect);
        m_pLayer->AttachParts();
        m_pDoc = std::make_unique<CProjectDoc>(std::move(movie));
        ASSERT_TRUE(m_pDoc->CreateBuffers());
        m_ptHome = m_pLayer->m_pPos->m_ptHome;
        m_szDesign = m_pLayer->m_pSize->m_szDesign;
    }
    void TearDown() override
    {
        m_pDoc.reset();
        PlacedDialog::TearDown();
    }
    void ExpectLayerUnchanged()
    {
        EXPECT_EQ(m_pLayer->m_pPos->m_ptHome, m_ptHome);
        EXPECT_EQ(m_pLayer->m_pSize->m_szDesign, m_szDesign);
    }
    std::unique_ptr<CPlacedPropertiesDlg> OpenOnLayer()
    {
        auto dlg = std::make_unique<CPlacedPropertiesDlg>(
            "Clipart-Object Eigenschaften", m_pDoc.get(), m_pLayer, nullptr);
        dlg->m_nX = m_ptHome.x;
        dlg->m_nY = m_ptHome.y;
        dlg->m_nWidth = m_szDesign.cx;
        dlg->m_nHeight = m_szDesign.cy;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static QImage GrabPreview(CPlacedPropertiesDlg& dlg)
    {
        return dlg.grab(CPlacedPropertiesDlg::PreviewRect())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static bool IsRed(const QImage& image, int x, int y)
    {
        return image.pixelColor(x, y) == QColor(0xFF, 0, 0);
    }
    // Waits for the next picture of the timer (each one is a new image).
    static bool NextTick(CPlacedPropertiesDlg& dlg)
    {
        const qint64 key = dlg.PreviewImage().cacheKey();
        return QTest::qWaitFor([&] { return dlg.PreviewImage().cacheKey() != key; }, 5000);
    }

    std::unique_ptr<CProjectDoc> m_pDoc;
    CLayer* m_pLayer = nullptr;
    CPoint m_ptHome;
    CSize m_szDesign;
};

TEST_F(PlacedPreview, the_timer_draws_the_stage_with_the_object_where_the_fields_put_it)
{
    auto dlg = OpenOnLayer();
    const QTimer* timer = dlg->findChild<QTimer*>("6667");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    ASSERT_FALSE(dlg->PreviewImage().isNull());
    EXPECT_EQ(dlg->PreviewImage().size(), QSize(208, 156));

    // The preview is the still picture scaled smoothly from 800 x 600 into the panel: the
    // rectangle (100, 100) to (400, 300) lies at (26, 26) to (104, 78).
    CDC frame(800, 600);
    m_pDoc->RenderStill(frame, { 0, 0, 800, 600 });
    const QImage still = platform::ScaledSmooth(frame.Image(), { 208, 156 });
    EXPECT_EQ(dlg->PreviewImage(), still);
    QImage shown = GrabPreview(*dlg);
    EXPECT_EQ(shown, still);
    EXPECT_TRUE(IsRed(shown, 65, 52));
    EXPECT_FALSE(IsRed(shown, 170, 52));

    // Moved to x 500 and made 100 high, it shows there on the next tick.
    Type(*dlg, IDC_PP_X, "500");
    Type(*dlg, IDC_PP_HEIGHT, "100");
    ASSERT_TRUE(QTest::qWaitFor([&] { return GrabPreview(*dlg) != shown; }, 5000));
    shown = GrabPreview(*dlg);
    EXPECT_FALSE(IsRed(shown, 65, 52));
    EXPECT_TRUE(IsRed(shown, 170, 40));
    EXPECT_FALSE(IsRed(shown, 170, 70)); // below 100 + 100 = 200 -> 52
    ExpectLayerUnchanged();

    // An entry that is not valid yet shows the value given.
    Type(*dlg, IDC_PP_X, "abc");
    Type(*dlg, IDC_PP_HEIGHT, "0");
    ASSERT_TRUE(NextTick(*dlg));
    shown = GrabPreview(*dlg);
    EXPECT_EQ(shown, still);
    ExpectLayerUnchanged();

    Click(dlg->Button(IDC_PP_CANCEL));
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(dlg->IsPreviewRunning());
    ExpectLayerUnchanged();
    // The project's own still is what it was.
    CDC after(800, 600);
    m_pDoc->RenderStill(after, { 0, 0, 800, 600 });
    EXPECT_EQ(after.Image(), frame.Image());
}

TEST_F(PlacedPreview, ok_gives_the_values_and_leaves_the_object_to_the_caller)
{
    auto dlg = OpenOnLayer();
    Type(*dlg, IDC_PP_Y, "350");
    Type(*dlg, IDC_PP_HEIGHT, "5");
    ASSERT_TRUE(NextTick(*dlg));
    ExpectLayerUnchanged();
    Click(dlg->Button(IDC_PP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nY, 350);
    EXPECT_EQ(dlg->m_nHeight, 5);
    EXPECT_FALSE(dlg->IsPreviewRunning());
    ExpectLayerUnchanged();
}

TEST_F(PlacedPreview, the_dialog_is_centred_on_the_desktop)
{
    auto dlg = OpenOnLayer();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(dlg->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(dlg->geometry().center().y() - screen.center().y()), 1);
}

// A sample greeting, whose clips move from one picture to the next: the object under the
// dialog keeps its own place and size through every preview.
TEST_F(PlacedDialog, a_sample_greeting_keeps_its_objects_where_they_were)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.path().toStdString() + "/greeting.kel";
    ASSERT_TRUE(platform::CopyFileTo(std::string(built::kDataDir) + "/samples/Happy Birthday.kel", path));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(OpenProject(path, movie));
    auto doc = std::make_unique<CProjectDoc>(std::move(movie));
    ASSERT_TRUE(doc->CreateBuffers());
    for (CLayer* layer : *doc->GetMovie()->GetFirstStage()->GetLayers()) {
        ASSERT_TRUE(layer->m_pPos && layer->m_pSize);
        const CPoint home = layer->m_pPos->m_ptHome;
        const CSize design = layer->m_pSize->m_szDesign;
        for (bool bOk : { false, true }) {
            CPlacedPropertiesDlg dlg("Animations-Object Eigenschaften", doc.get(), layer, nullptr);
            dlg.m_nX = home.x;
            dlg.m_nY = home.y;
            dlg.m_nWidth = design.cx;
            dlg.m_nHeight = design.cy;
            dlg.show();
            Type(dlg, IDC_PP_X, "-300");
            Type(dlg, IDC_PP_WIDTH, "7999");
            const qint64 key = dlg.PreviewImage().cacheKey();
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return dlg.PreviewImage().cacheKey() != key; }, 5000));
            EXPECT_EQ(layer->m_pPos->m_ptHome, home);
            EXPECT_EQ(layer->m_pSize->m_szDesign, design);
            Click(dlg.Button(bOk ? IDC_PP_OK : IDC_PP_CANCEL));
            EXPECT_EQ(dlg.result(), bOk ? QDialog::Accepted : QDialog::Rejected);
            EXPECT_EQ(dlg.m_nX, bOk ? -300 : home.x);
            EXPECT_EQ(layer->m_pPos->m_ptHome, home);
            EXPECT_EQ(layer->m_pSize->m_szDesign, design);
        }
    }
    doc.reset();
    CloseProjectFiles(path);
}

} // namespace

// The emoji picker of the text dialog: its table of emoji, the search by English and by
// translated names, the keys, and a chosen emoji going into the text at the cursor. Setting
// VIMBLE_DIALOG_SHOTS to a folder writes pictures of the picker there.
#include "editor/windows/emojipicker.h"
#include "editor/windows/objectpropsdlg.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A catalogue of a few emoji names, as the program's German and French ones would give them.
class CEmojiTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const std::map<std::string, const char*> names = {
            { "birthday cake", "Geburtstagstorte" },
            { "shortcake", "gâteau à la fraise" },
            { "red heart", "rotes Herz" },
            { "Hearts", "Herzen" },
        };
        if (qstrcmp(context, "Emoji") != 0)
            return {};
        const auto found = names.find(source);
        return found != names.end() ? QString::fromUtf8(found->second) : QString();
    }
    bool isEmpty() const override { return false; }
};

class Translated : public CWithResources {
protected:
    void SetUp() override
    {
        CWithResources::SetUp();
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_translator);
        CWithResources::TearDown();
    }
    CEmojiTranslator m_translator;
};

std::set<std::string> NamesOf(const std::vector<QAbstractButton*>& cells)
{
    std::set<std::string> names;
    for (const QAbstractButton* cell : cells)
        for (const CEmoji& emoji : PickerEmoji())
            if (CEmojiPicker::CellText(cell) == QString::fromUtf8(emoji.szText))
                names.insert(emoji.szName);
    return names;
}

// ---------------------------------------------------------------------------------------------
// The table

TEST(EmojiTable, holds_the_greetings_emoji_in_nine_groups)
{
    const std::vector<CEmoji>& emoji = PickerEmoji();
    EXPECT_GE(emoji.size(), 150u);
    EXPECT_LE(emoji.size(), 250u);
    ASSERT_EQ(PickerGroups().size(), 9u);
    std::map<int, int> perGroup;
    std::set<std::string> texts;
    std::set<std::string> names;
    int lastGroup = 0;
    for (const CEmoji& one : emoji) {
        ASSERT_GE(one.nGroup, lastGroup) << one.szName << ": the groups follow one another";
        lastGroup = one.nGroup;
        ++perGroup[one.nGroup];
        EXPECT_TRUE(texts.insert(one.szText).second) << one.szName;
        EXPECT_TRUE(names.insert(one.szName).second) << one.szName;
    }
    for (size_t group = 0; group < PickerGroups().size(); ++group) {
        // A group fits the grid (eight by five) without scrolling, and its tab shows one of it.
        EXPECT_GE(perGroup[int(group)], 10) << PickerGroups()[group].szName;
        EXPECT_LE(perGroup[int(group)], CEmojiPicker::kColumns * CEmojiPicker::kRows);
        EXPECT_TRUE(std::any_of(emoji.begin(), emoji.end(), [group](const CEmoji& one) {
            return one.nGroup == int(group)
                && std::string(one.szText) == PickerGroups()[group].szIcon;
        })) << PickerGroups()[group].szName;
    }
}

TEST(EmojiTable, every_emoji_is_drawn_by_the_colour_font)
{
    const QRawFont font = QRawFont::fromFont(QFont("Noto Color Emoji"));
    if (font.familyName() != "Noto Color Emoji")
        GTEST_SKIP() << "fonts-noto-color-emoji is not installed";
    for (const CEmoji& emoji : PickerEmoji())
        for (const char32_t c : QString::fromUtf8(emoji.szText).toUcs4()) {
            // The selector asks for the colour form; it draws nothing itself.
            if (c != 0xFE0F) {
                EXPECT_TRUE(font.supportsCharacter(c)) << emoji.szName;
            }
        }
}

// ---------------------------------------------------------------------------------------------
// The search

struct SearchRow {
    const char* szQuery;
    std::set<std::string> found; // English names
};

class EmojiSearch : public Translated, public testing::WithParamInterface<SearchRow> { };

TEST_P(EmojiSearch, finds_by_the_english_or_the_translated_name)
{
    std::set<std::string> found;
    for (const CEmoji& emoji : PickerEmoji())
        if (EmojiMatches(emoji, QString::fromUtf8(GetParam().szQuery)))
            found.insert(emoji.szName);
    EXPECT_EQ(found, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Queries, EmojiSearch,
    testing::Values(SearchRow { "cake", { "birthday cake", "shortcake", "cupcake", "pancakes" } },
        SearchRow { " Birthday  CAKE ", { "birthday cake" } },
        SearchRow { "geburtstag", { "birthday cake" } },
        // Accents do not count, in the query or in the name.
        SearchRow { "gateau", { "shortcake" } }, SearchRow { "GÂTEAU fraise", { "shortcake" } },
        SearchRow { "herz", { "red heart" } }, SearchRow { "heart red", { "red heart" } },
        // The words of a query are all in one language's name.
        SearchRow { "rotes heart", {} }, SearchRow { "xylophone", {} }));

TEST(EmojiSearch, a_blank_query_finds_every_emoji)
{
    for (const CEmoji& emoji : PickerEmoji())
        EXPECT_TRUE(EmojiMatches(emoji, " \t")) << emoji.szName;
}

// ---------------------------------------------------------------------------------------------
// The picker

class Picker : public Translated {
protected:
    void SetUp() override
    {
        Translated::SetUp();
        m_pHost = std::make_unique<QWidget>();
        m_pHost->resize(400, 400);
        m_pHost->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pHost.get()));
        m_pPicker = new CEmojiPicker(m_pHost.get());
        m_pPicker->Popup(m_pHost->geometry().adjusted(300, 20, -70, -350));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pPicker));
    }
    void TearDown() override
    {
        m_pHost.reset();
        Translated::TearDown();
    }
    QAbstractButton* Cell(int nIndex) const
    {
        return m_pPicker->ShownCells().at(static_cast<size_t>(nIndex));
    }
    int CurrentIndex() const
    {
        const std::vector<QAbstractButton*> cells = m_pPicker->ShownCells();
        return int(std::find(cells.begin(), cells.end(), m_pPicker->CurrentCell()) - cells.begin());
    }
    void Key(int nKey) const { QTest::keyClick(QApplication::focusWidget(), Qt::Key(nKey)); }

    std::unique_ptr<QWidget> m_pHost;
    CEmojiPicker* m_pPicker = nullptr;
};

TEST_F(Picker, opens_on_the_first_group_with_every_cell_and_tab_named)
{
    EXPECT_TRUE(m_pPicker->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->SearchField());
    EXPECT_EQ(m_pPicker->CurrentGroup(), 0);
    const std::vector<QAbstractButton*> cells = m_pPicker->ShownCells();
    std::vector<const CEmoji*> group;
    for (const CEmoji& emoji : PickerEmoji())
        if (emoji.nGroup == 0)
            group.push_back(&emoji);
    ASSERT_EQ(cells.size(), group.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(CEmojiPicker::CellText(cells[i]), QString::fromUtf8(group[i]->szText));
        EXPECT_EQ(cells[i]->accessibleName(), EmojiName(*group[i]));
        EXPECT_TRUE(cells[i]->isVisible());
    }
    EXPECT_EQ(cells[0]->accessibleName(), "Geburtstagstorte");
    for (size_t i = 0; i < PickerGroups().size(); ++i) {
        QAbstractButton* tab = m_pPicker->GroupTab(int(i));
        ASSERT_NE(tab, nullptr);
        EXPECT_FALSE(tab->accessibleName().isEmpty());
        EXPECT_EQ(tab->isChecked(), i == 0);
    }
    EXPECT_EQ(m_pPicker->GroupTab(2)->accessibleName(), "Herzen");
    QLineEdit* search = m_pPicker->SearchField();
    EXPECT_FALSE(search->accessibleName().isEmpty());
    EXPECT_TRUE(search->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(Picker, a_search_shows_the_matches_of_every_group_and_clearing_it_the_group)
{
    m_pPicker->ShowGroup(3);
    QTest::keyClicks(m_pPicker->SearchField(), "herz");
    EXPECT_EQ(NamesOf(m_pPicker->ShownCells()), std::set<std::string> { "red heart" });
    for (size_t i = 0; i < PickerGroups().size(); ++i)
        EXPECT_FALSE(m_pPicker->GroupTab(int(i))->isChecked());
    m_pPicker->SearchField()->clear();
    EXPECT_EQ(m_pPicker->ShownCells().size(), 25u); // the flowers again
    EXPECT_TRUE(m_pPicker->GroupTab(3)->isChecked());

    QSignalSpy chosen(m_pPicker, &CEmojiPicker::Chosen);
    QTest::keyClicks(m_pPicker->SearchField(), "xylophone");
    EXPECT_TRUE(m_pPicker->ShownCells().empty());
    EXPECT_EQ(m_pPicker->CurrentCell(), nullptr);
    QTest::keyClick(m_pPicker->SearchField(), Qt::Key_Return);
    EXPECT_EQ(chosen.size(), 0);
    // A tab empties the search.
    QTest::mouseClick(m_pPicker->GroupTab(7), Qt::LeftButton);
    EXPECT_TRUE(m_pPicker->SearchField()->text().isEmpty());
    EXPECT_EQ(m_pPicker->CurrentGroup(), 7);
}

TEST_F(Picker, return_in_the_search_takes_the_first_match)
{
    QSignalSpy chosen(m_pPicker, &CEmojiPicker::Chosen);
    QTest::keyClicks(m_pPicker->SearchField(), "cake");
    QTest::keyClick(m_pPicker->SearchField(), Qt::Key_Return);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QString::fromUtf8("🎂"));
    EXPECT_TRUE(m_pPicker->isVisible());
}

TEST_F(Picker, the_keys_move_through_the_emoji_and_the_groups)
{
    QSignalSpy chosen(m_pPicker, &CEmojiPicker::Chosen);
    Key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Cell(0));
    // The last row ends early: Down from the row above it stays on the row.
    const std::pair<int, int> steps[] = { { Qt::Key_Right, 1 }, { Qt::Key_Down, 9 },
        { Qt::Key_Down, 17 }, { Qt::Key_Left, 16 }, { Qt::Key_End, 23 }, { Qt::Key_Down, 23 },
        { Qt::Key_Up, 15 }, { Qt::Key_Home, 0 }, { Qt::Key_Right, 1 } };
    for (const auto& [nKey, nIndex] : steps) {
        Key(nKey);
        EXPECT_EQ(CurrentIndex(), nIndex) << nKey;
        EXPECT_EQ(QApplication::focusWidget(), Cell(nIndex)) << nKey;
    }
    // Return and Space choose, and the picker stays for the next one.
    Key(Qt::Key_Return);
    Key(Qt::Key_Space);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toString(), CEmojiPicker::CellText(Cell(1)));
    EXPECT_EQ(chosen[1][0].toString(), CEmojiPicker::CellText(Cell(1)));
    EXPECT_TRUE(m_pPicker->isVisible());
    // Up from the first row goes to the tabs; Right shows the next group; Down enters it.
    Key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->GroupTab(0));
    Key(Qt::Key_Right);
    EXPECT_EQ(m_pPicker->CurrentGroup(), 1);
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->GroupTab(1));
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(m_pPicker->CurrentGroup(), 8); // round to the last
    Key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Cell(0));
    EXPECT_EQ(NamesOf({ Cell(0) }), std::set<std::string> { "strawberry" });
    // A letter typed on an emoji goes on with the search.
    QTest::keyClicks(QApplication::focusWidget(), "ca");
    EXPECT_EQ(m_pPicker->SearchField()->text(), "ca");
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->SearchField());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(m_pPicker->isVisible());
}

TEST_F(Picker, tab_visits_the_search_the_shown_group_and_the_emoji_the_keys_are_on)
{
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->SearchField());
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_pPicker->GroupTab(0));
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Cell(1));
}

TEST_F(Picker, a_long_search_scrolls_to_the_emoji_the_keys_are_on)
{
    QTest::keyClicks(m_pPicker->SearchField(), "e");
    const int count = int(m_pPicker->ShownCells().size());
    ASSERT_GT(count, CEmojiPicker::kColumns * CEmojiPicker::kRows);
    Key(Qt::Key_Down);
    EXPECT_TRUE(Cell(0)->isVisible());
    EXPECT_FALSE(Cell(count - 1)->isVisible());
    Key(Qt::Key_End);
    EXPECT_TRUE(Cell(count - 1)->isVisible());
    EXPECT_FALSE(Cell(0)->isVisible());
    Key(Qt::Key_PageUp);
    EXPECT_TRUE(m_pPicker->CurrentCell()->isVisible());
    Key(Qt::Key_Home);
    EXPECT_TRUE(Cell(0)->isVisible());
}

TEST_F(Picker, a_click_chooses_the_emoji)
{
    QSignalSpy chosen(m_pPicker, &CEmojiPicker::Chosen);
    QTest::mouseClick(Cell(5), Qt::LeftButton);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QString::fromUtf8("🥳"));
}

TEST_F(Picker, picture)
{
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Shoot(m_pPicker, "emoji_picker.png");
    m_pPicker->SearchField()->setFocus();
    QTest::keyClicks(m_pPicker->SearchField(), "heart");
    Shoot(m_pPicker, "emoji_picker_search.png");
    // The face is the program's paper, the emoji are drawn in colour.
    const QImage image = m_pPicker->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor((QPointF(200, 33) * ratio).toPoint()).red(), 0xFF);
    bool bColour = false;
    for (int y = 70; y < 230 && !bColour; ++y)
        for (int x = 14; x < 280 && !bColour; ++x) {
            const QColor c = image.pixelColor((QPointF(x, y) * ratio).toPoint());
            // Redder than the coral of the marks.
            bColour = c.saturation() > 200 && c.value() > 150 && (c.hue() < 10 || c.hue() > 350);
        }
    EXPECT_TRUE(bColour) << "the red hearts show in red";
}

// ---------------------------------------------------------------------------------------------
// The text dialog's emoji

class TextEmoji : public CWithResources, public testing::WithParamInterface<int> {
protected:
    std::unique_ptr<CObjectPropertiesDlg> Open(int nMode, const std::string& text = "Hello world")
    {
        auto dlg = std::make_unique<CObjectPropertiesDlg>(nMode, nullptr);
        dlg->m_strText = text;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
};

INSTANTIATE_TEST_SUITE_P(Modes, TextEmoji,
    testing::Values(OP_MODE_SHAPE, OP_MODE_TEXT_IN_SHAPE, OP_MODE_PLAIN_TEXT, OP_MODE_LINE));

TEST_P(TextEmoji, the_button_sits_at_the_texts_right_edge_for_texts_only)
{
    const bool bText = GetParam() == OP_MODE_TEXT_IN_SHAPE || GetParam() == OP_MODE_PLAIN_TEXT;
    auto dlg = Open(GetParam());
    CMyBitmapButton* button = dlg->Button(IDC_OP_EMOJI);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(290, 174, 24, 22));
    EXPECT_EQ(button->geometry().right(), dlg->TextEditor()->geometry().right());
    EXPECT_TRUE(button->HasFace());
    EXPECT_EQ(button->isEnabled(), bText);
    EXPECT_FALSE(button->accessibleName().isEmpty());
    EXPECT_FALSE(dlg->Skin().ToolTip()->GetText(button).empty());
    if (bText) {
        Click(button);
        ASSERT_NE(dlg->EmojiPicker(), nullptr);
        EXPECT_TRUE(dlg->EmojiPicker()->isVisible());
    }
    // The text fields keep the desktop's input methods.
    EXPECT_EQ(dlg->TextEditor()->testAttribute(Qt::WA_InputMethodEnabled), bText);
    EXPECT_TRUE(dlg->WidthField()->testAttribute(Qt::WA_InputMethodEnabled));
}

class TextDialogEmoji : public CWithResources { };

TEST_F(TextDialogEmoji, a_chosen_emoji_goes_in_at_the_cursor_in_place_of_the_selection)
{
    CObjectPropertiesDlg dlg(OP_MODE_PLAIN_TEXT, nullptr);
    dlg.m_strText = "Hello world";
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTextCursor cursor = dlg.TextEditor()->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor); // "world"
    dlg.TextEditor()->setTextCursor(cursor);
    Click(dlg.Button(IDC_OP_EMOJI));
    CEmojiPicker* picker = dlg.EmojiPicker();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker));
    QTest::mouseClick(picker->ShownCells().at(0), Qt::LeftButton); // birthday cake
    QTest::keyClicks(picker->SearchField(), "party popper");
    QTest::keyClick(picker->SearchField(), Qt::Key_Return);
    EXPECT_EQ(dlg.TextEditor()->toPlainText(), QString::fromUtf8("Hello 🎂🎉"));
    QTest::keyClick(picker->SearchField(), Qt::Key_Escape);
    EXPECT_FALSE(picker->isVisible());
    // The text goes on where the emoji ended.
    QTest::keyClicks(dlg.TextEditor(), "!");
    Click(dlg.Button(IDC_OP_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strText, "Hello 🎂🎉!");
}

TEST_F(TextDialogEmoji, picture)
{
    CObjectPropertiesDlg dlg(OP_MODE_TEXT_IN_SHAPE, nullptr);
    dlg.m_strText = "Happy birthday 🎂🎉";
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    Shoot(&dlg, "dlg_object_properties.png");
}

} // namespace

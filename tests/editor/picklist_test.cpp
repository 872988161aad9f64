// The list picker in its three modes, driven as a person drives it, with the faces of the built
// resource library: the address book (its order, delete by text, a damaged book), the effect
// kinds and the sounds for objects with "Voice". Setting VIMBLE_DIALOG_SHOTS to a folder writes
// a picture of the picker in each mode there.
#include "editor/core/app.h"
#include "editor/skin/skin.h"
#include "editor/windows/picklistdlg.h"
#include "mail/addressbook.h"
#include "model/archive.h"
#include "model/header.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "playback/effecttable.h"
#include "resources/faces.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The bytes of a book: the 16-bit count, then each entry with its length byte.
std::string BookBytes(const std::vector<std::string>& entries)
{
    std::string bytes;
    bytes += static_cast<char>(entries.size() & 0xFF);
    bytes += static_cast<char>(entries.size() >> 8);
    for (const std::string& entry : entries) {
        bytes += static_cast<char>(entry.size());
        bytes += entry;
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    ASSERT_TRUE(platform::WriteWholeFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));
}

std::string ReadBytes(const std::string& path)
{
    const std::vector<uint8_t> data = Bytes(path);
    return std::string(data.begin(), data.end());
}

std::vector<std::string> Rows(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

// A row's text in the code page, as the picker keeps it.
std::string CodePage(const QListWidget* list, int nRow)
{
    return list->item(nRow)->data(Qt::UserRole + 1).toByteArray().toStdString();
}

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void ClickRow(QListWidget* list, int nRow)
{
    QListWidgetItem* item = list->item(nRow);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void DoubleClickRow(QListWidget* list, int nRow)
{
    QListWidgetItem* item = list->item(nRow);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    const QPoint pt = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pt);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pt);
}

// A library header file of type 7 (or another type) in dir.
void AddHeader(const QString& dir, int nItem, const std::string& name, int nType = 7)
{
    CHeaderObject header;
    header.m_strName = name;
    header.m_strCategory = "Party";
    header.m_nValue = nItem;
    header.m_nType = static_cast<uint8_t>(nType);
    CArchive ar("header");
    header.Store(ar);
    ASSERT_TRUE(
        platform::WriteWholeFile((dir + QString("/%1.hdr").arg(nItem)).toStdString(), ar.Buffer()));
}

class PickList : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
        m_strBook = (m_dir.path() + "/book.dat").toStdString();
    }
    void TearDown() override { platform::SetResourceLibrary(nullptr); }

    std::unique_ptr<CPickListDlg> OpenAddresses()
    {
        auto dlg = std::make_unique<CPickListDlg>(PICK_MODE_ADDRESS, nullptr);
        dlg->SetBookPath(m_strBook);
        dlg->SetContactsPath((m_dir.path() + "/contacts.vcf").toStdString());
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static std::unique_ptr<CPickListDlg> OpenList(bool bEffects)
    {
        auto dlg = std::make_unique<CPickListDlg>(PICK_MODE_LIST, nullptr);
        dlg->m_bEffects = bEffects;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
    std::string m_strBook;
};

// ---------------------------------------------------------------------------------------------
// The face

TEST_F(PickList, each_mode_paints_its_caption_on_the_face)
{
    auto address = OpenAddresses();
    EXPECT_EQ(address->GetCaptionName(), "CAPTION_ADDRESS");
    auto effects = OpenList(true);
    EXPECT_EQ(effects->GetCaptionName(), "CAPTION_EFFECTS");
    auto sounds = OpenList(false);
    EXPECT_EQ(sounds->GetCaptionName(), "CAPTION_SOUNDS");

    // The strip is on the face at its place: the painted window shows the caption's pixels.
    const QImage caption = platform::LoadResBitmap("CAPTION_SOUNDS");
    ASSERT_FALSE(caption.isNull());
    const QImage shot = sounds->grab().toImage();
    const QPoint inside(19 + caption.width() / 2, 153 + caption.height() / 2);
    EXPECT_EQ(shot.pixel(inside), caption.pixel(caption.width() / 2, caption.height() / 2));
    EXPECT_EQ(sounds->size(), QSize(336, 185));
}

TEST_F(PickList, buttons_sit_where_the_face_puts_them_with_their_tips)
{
    auto dlg = OpenAddresses();
    EXPECT_EQ(dlg->Button(IDC_PL_OK)->pos(), QPoint(272, 166));
    EXPECT_EQ(dlg->Button(IDC_PL_CANCEL)->pos(), QPoint(309, 166));
    EXPECT_EQ(dlg->Button(IDC_PL_PAGE_UP)->pos(), QPoint(318, 9));
    EXPECT_EQ(dlg->Button(IDC_PL_PAGE_DOWN)->pos(), QPoint(318, 125));
    EXPECT_EQ(dlg->Button(IDC_PL_DELETE)->pos(), QPoint(213, 166));
    EXPECT_EQ(dlg->List()->geometry(), QRect(12, 9, 279, 129));
    CSkinToolTip* tips = dlg->Skin().ToolTip();
    EXPECT_EQ(tips->GetText(dlg->Button(IDC_PL_OK)), "OK");
    EXPECT_EQ(tips->GetText(dlg->Button(IDC_PL_CANCEL)), "Cancel");
    EXPECT_EQ(tips->GetText(dlg->Button(IDC_PL_DELETE)), "Delete");
    EXPECT_TRUE(dlg->Button(IDC_PL_DELETE)->isVisible());
}

TEST_F(PickList, delete_is_hidden_in_the_effects_and_sounds_lists)
{
    EXPECT_FALSE(OpenList(true)->Button(IDC_PL_DELETE)->isVisible());
    EXPECT_FALSE(OpenList(false)->Button(IDC_PL_DELETE)->isVisible());
}

// ---------------------------------------------------------------------------------------------
// Address mode

TEST_F(PickList, addresses_show_in_the_books_order)
{
    // Not in byte order on purpose: the list sorts nothing, so a row is a place in the book.
    WriteBytes(m_strBook, BookBytes({ "zoe@x.org", "Amy@x.org", "caf\xE9@x.org" }));
    auto dlg = OpenAddresses();
    EXPECT_EQ(Rows(dlg->List()),
        (std::vector<std::string> { "zoe@x.org", "Amy@x.org", "caf\xC3\xA9@x.org" }));
    EXPECT_EQ(SelectedRow(dlg->List()), -1);
    EXPECT_FALSE(dlg->IsBookDamaged());
}

// The contacts come first, as "Name <address>" for each of their addresses, then the book;
// a contact's row gives the address alone, and stays when Delete is pressed on it.
TEST_F(PickList, contacts_come_first_and_give_their_address)
{
    WriteBytes(m_strBook, BookBytes({ "zoe@x.org" }));
    WriteBytes((m_dir.path() + "/contacts.vcf").toStdString(),
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ren\xC3\xA9" "e Smith\r\nEMAIL:renee@x.org\r\n"
        "EMAIL:rs@work.x.org\r\nEND:VCARD\r\n");
    auto dlg = OpenAddresses();
    EXPECT_EQ(Rows(dlg->List()),
        (std::vector<std::string> { "Ren\xC3\xA9" "e Smith <renee@x.org>",
            "Ren\xC3\xA9" "e Smith <rs@work.x.org>", "zoe@x.org" }));
    ClickRow(dlg->List(), 1);
    platform::CMessageRecorder messages;
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(dlg->List()->count(), 3);
    EXPECT_EQ(messages.m_messages.size(), 1u);
    ClickRow(dlg->List(), 1);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->m_strSelected, "rs@work.x.org");
}

TEST_F(PickList, a_missing_book_is_made_empty)
{
    auto dlg = OpenAddresses();
    EXPECT_EQ(dlg->List()->count(), 0);
    EXPECT_EQ(ReadBytes(m_strBook), std::string("\0\0", 2));
}

TEST_F(PickList, a_readable_book_is_not_rewritten_by_opening)
{
    WriteBytes(m_strBook, BookBytes({ "b@x", "a@x" }));
    OpenAddresses();
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "b@x", "a@x" }));
}

TEST_F(PickList, ok_returns_the_selected_row_and_its_text)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x.org", "caf\xE9@x.org" }));
    auto dlg = OpenAddresses();
    ClickRow(dlg->List(), 1);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nSelected, 1);
    EXPECT_EQ(dlg->m_strSelected, "caf\u00E9@x.org");
    EXPECT_EQ(dlg->m_pEffect, nullptr);
    EXPECT_EQ(dlg->m_pSound, nullptr);
}

TEST_F(PickList, a_double_click_is_ok)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x.org", "bob@x.org" }));
    auto dlg = OpenAddresses();
    DoubleClickRow(dlg->List(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nSelected, 0);
    EXPECT_EQ(dlg->m_strSelected, "amy@x.org");
}

TEST_F(PickList, ok_without_a_selection_returns_nothing)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x.org" }));
    auto dlg = OpenAddresses();
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nSelected, -1);
    EXPECT_EQ(dlg->m_strSelected, "");
}

TEST_F(PickList, cancel_returns_nothing)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x.org" }));
    auto dlg = OpenAddresses();
    ClickRow(dlg->List(), 0);
    Click(dlg->Button(IDC_PL_CANCEL));
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(dlg->m_nSelected, -1);
    EXPECT_EQ(dlg->m_strSelected, "");
}

TEST_F(PickList, return_is_ok_and_escape_is_cancel)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x.org", "bob@x.org" }));
    auto dlg = OpenAddresses();
    dlg->List()->setFocus();
    QTest::keyClick(dlg->List(), Qt::Key_Down);
    QTest::keyClick(dlg->List(), Qt::Key_Down);
    EXPECT_EQ(SelectedRow(dlg->List()), 1);
    QTest::keyClick(dlg->List(), Qt::Key_Return);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_strSelected, "bob@x.org");

    auto other = OpenAddresses();
    ClickRow(other->List(), 0);
    QTest::keyClick(other->List(), Qt::Key_Escape);
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(other->result(), QDialog::Rejected);
    EXPECT_EQ(other->m_nSelected, -1);
}

TEST_F(PickList, delete_removes_the_entry_and_saves_the_book)
{
    WriteBytes(m_strBook, BookBytes({ "abc", "def" }));
    auto dlg = OpenAddresses();
    ClickRow(dlg->List(), 0);
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "def" }));
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "def" }));
    ClickRow(dlg->List(), 0);
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(dlg->List()->count(), 0);
    // The only entry gone: the count 0 and nothing else.
    EXPECT_EQ(ReadBytes(m_strBook), std::string("\0\0", 2));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(PickList, delete_removes_the_entry_with_the_text_after_the_book_changed_on_disk)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x", "cid@x" }));
    auto dlg = OpenAddresses();
    // A send adds "bob@x" while the picker is open: "cid@x" is now third in the book.
    ASSERT_TRUE(AddToAddressBook(m_strBook, "bob@x"));
    ClickRow(dlg->List(), 1);
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "amy@x", "bob@x" }));
    // The list shows the book as it now is.
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "amy@x", "bob@x" }));
}

TEST_F(PickList, delete_of_an_entry_already_gone_writes_nothing)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x", "bob@x" }));
    auto dlg = OpenAddresses();
    WriteBytes(m_strBook, BookBytes({ "amy@x" }));
    ClickRow(dlg->List(), 1);
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "amy@x" }));
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "amy@x" }));
}

TEST_F(PickList, delete_without_a_selection_changes_nothing)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x", "bob@x" }));
    auto dlg = OpenAddresses();
    Click(dlg->Button(IDC_PL_DELETE));
    EXPECT_EQ(dlg->List()->count(), 2);
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "amy@x", "bob@x" }));
}

TEST_F(PickList, a_failed_save_after_a_delete_is_said)
{
    WriteBytes(m_strBook, BookBytes({ "amy@x", "bob@x" }));
    auto dlg = OpenAddresses();
    ClickRow(dlg->List(), 0);
    platform::CMessageRecorder recorder;
    {
        // No file may grow past one byte: the new book cannot be written (even by root).
        rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 1;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        Click(dlg->Button(IDC_PL_DELETE));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("cannot be written"), std::string::npos);
    EXPECT_EQ(ReadBytes(m_strBook), BookBytes({ "amy@x", "bob@x" }));
    // The list still shows what the book holds.
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "amy@x", "bob@x" }));
}

TEST_F(PickList, a_damaged_book_is_shown_and_never_rewritten)
{
    // Three entries claimed; the second is cut short.
    const std::string damaged = std::string("\x03\x00\x02"
                                            "ab"
                                            "\x05"
                                            "xy",
        8);
    WriteBytes(m_strBook, damaged);
    auto dlg = OpenAddresses();
    EXPECT_TRUE(dlg->IsBookDamaged());
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "ab" }));
    EXPECT_EQ(ReadBytes(m_strBook), damaged);

    platform::CMessageRecorder recorder;
    ClickRow(dlg->List(), 0);
    Click(dlg->Button(IDC_PL_DELETE));
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("left unchanged"), std::string::npos);
    EXPECT_EQ(ReadBytes(m_strBook), damaged);
    EXPECT_EQ(dlg->List()->count(), 1);
}

// ---------------------------------------------------------------------------------------------
// Paging

class PickListPaging : public PickList {
protected:
    std::unique_ptr<CPickListDlg> OpenWith(int nCount)
    {
        CAddressList book;
        for (int i = 0; i < nCount; ++i)
            book.AddText(QString("entry %1").arg(i, 2, 10, QChar('0')).toStdString());
        EXPECT_TRUE(book.Save(m_strBook));
        return OpenAddresses();
    }
};

TEST_F(PickListPaging, a_page_is_ten_rows_and_the_list_shows_one_page)
{
    auto dlg = OpenWith(25);
    QListWidget* list = dlg->List();
    // Ten rows fit the panel, the eleventh does not.
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(9))));
    EXPECT_FALSE(list->viewport()->rect().contains(list->visualItemRect(list->item(10))));
}

TEST_F(PickListPaging, page_down_moves_a_page_and_stops_at_the_last_row)
{
    auto dlg = OpenWith(25);
    Click(dlg->Button(IDC_PL_PAGE_DOWN));
    EXPECT_EQ(SelectedRow(dlg->List()), 10);
    EXPECT_EQ(dlg->TopRow(), 10);
    Click(dlg->Button(IDC_PL_PAGE_DOWN));
    EXPECT_EQ(SelectedRow(dlg->List()), 20);
    Click(dlg->Button(IDC_PL_PAGE_DOWN));
    EXPECT_EQ(SelectedRow(dlg->List()), 24);
    Click(dlg->Button(IDC_PL_PAGE_DOWN));
    EXPECT_EQ(SelectedRow(dlg->List()), 24);
}

TEST_F(PickListPaging, page_down_never_selects_past_the_last_row)
{
    for (int count : { 1, 3, 10, 11, 20 }) {
        auto dlg = OpenWith(count);
        for (int press = 0; press < 4; ++press) {
            Click(dlg->Button(IDC_PL_PAGE_DOWN));
            const int row = SelectedRow(dlg->List());
            EXPECT_GE(row, 0) << count << " rows, press " << press;
            EXPECT_LT(row, count) << count << " rows, press " << press;
        }
        EXPECT_EQ(SelectedRow(dlg->List()), count - 1) << count << " rows";
    }
}

TEST_F(PickListPaging, page_up_moves_a_page_and_stops_at_the_first_row)
{
    auto dlg = OpenWith(25);
    dlg->List()->verticalScrollBar()->setValue(4);
    Click(dlg->Button(IDC_PL_PAGE_UP));
    EXPECT_EQ(SelectedRow(dlg->List()), 0);
    EXPECT_EQ(dlg->TopRow(), 0);

    dlg->List()->verticalScrollBar()->setValue(15);
    Click(dlg->Button(IDC_PL_PAGE_UP));
    EXPECT_EQ(SelectedRow(dlg->List()), 5);
    EXPECT_EQ(dlg->TopRow(), 5);
    Click(dlg->Button(IDC_PL_PAGE_UP));
    EXPECT_EQ(SelectedRow(dlg->List()), 0);
    Click(dlg->Button(IDC_PL_PAGE_UP));
    EXPECT_EQ(SelectedRow(dlg->List()), 0);
}

TEST_F(PickListPaging, page_keys_in_the_list_move_as_the_buttons_do)
{
    auto dlg = OpenWith(25);
    QTest::keyClick(dlg->List(), Qt::Key_PageDown);
    EXPECT_EQ(SelectedRow(dlg->List()), 10);
    QTest::keyClick(dlg->List(), Qt::Key_PageDown);
    QTest::keyClick(dlg->List(), Qt::Key_PageDown);
    EXPECT_EQ(SelectedRow(dlg->List()), 24);
    QTest::keyClick(dlg->List(), Qt::Key_PageUp);
    EXPECT_EQ(SelectedRow(dlg->List()), 5);
    QTest::keyClick(dlg->List(), Qt::Key_Up);
    EXPECT_EQ(SelectedRow(dlg->List()), 4);
}

TEST_F(PickListPaging, page_buttons_on_an_empty_list_do_nothing)
{
    auto dlg = OpenWith(0);
    Click(dlg->Button(IDC_PL_PAGE_DOWN));
    Click(dlg->Button(IDC_PL_PAGE_UP));
    EXPECT_EQ(SelectedRow(dlg->List()), -1);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->m_nSelected, -1);
}

// ---------------------------------------------------------------------------------------------
// Effects

class PickListEffects : public PickList {
protected:
    void SetUp() override
    {
        PickList::SetUp();
        m_bBuilt = GetEffectTable().empty();
        if (m_bBuilt) {
            ASSERT_TRUE(BuildEffectTable());
        }
    }
    void TearDown() override
    {
        if (m_bBuilt)
            ReleaseEffectTable();
        PickList::TearDown();
    }
    bool m_bBuilt = false;
};

TEST_F(PickListEffects, every_kind_shows_once_sorted_without_regard_to_case)
{
    auto dlg = OpenList(true);
    QListWidget* list = dlg->List();
    const std::vector<EffectKind>& table = GetEffectTable();
    ASSERT_EQ(list->count(), static_cast<int>(table.size()));
    ASSERT_EQ(list->count(), 28);
    std::vector<const EffectKind*> seen;
    for (int i = 0; i < list->count(); ++i) {
        const auto* kind = reinterpret_cast<const EffectKind*>(
            list->item(i)->data(Qt::UserRole).value<quintptr>());
        ASSERT_NE(kind, nullptr);
        // Each row is tied to a row of the program's table, with that row's name.
        EXPECT_GE(kind, table.data());
        EXPECT_LT(kind, table.data() + table.size());
        EXPECT_EQ(CodePage(list, i), kind->m_strName);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), kind), 0);
        seen.push_back(kind);
        if (i > 0) {
            EXPECT_LE(QString::compare(
                          list->item(i - 1)->text(), list->item(i)->text(), Qt::CaseInsensitive),
                0);
        }
    }
}

TEST_F(PickListEffects, ok_returns_the_kind_of_the_selected_row)
{
    auto dlg = OpenList(true);
    ClickRow(dlg->List(), 5);
    const std::string name = CodePage(dlg->List(), 5);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nSelected, 5);
    ASSERT_NE(dlg->m_pEffect, nullptr);
    EXPECT_EQ(dlg->m_pEffect->m_strName, name);
    EXPECT_EQ(dlg->m_strSelected, name);
    EXPECT_EQ(dlg->m_pSound, nullptr);
    EXPECT_FALSE(dlg->m_bVoice);
}

TEST_F(PickListEffects, a_double_click_returns_its_kind_and_nothing_selected_returns_none)
{
    auto dlg = OpenList(true);
    DoubleClickRow(dlg->List(), 27);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    ASSERT_NE(dlg->m_pEffect, nullptr);
    EXPECT_EQ(dlg->m_pEffect->m_strName, CodePage(dlg->List(), 27));

    auto none = OpenList(true);
    Click(none->Button(IDC_PL_OK));
    EXPECT_EQ(none->m_pEffect, nullptr);
    EXPECT_EQ(none->m_nSelected, -1);

    auto cancelled = OpenList(true);
    ClickRow(cancelled->List(), 0);
    Click(cancelled->Button(IDC_PL_CANCEL));
    EXPECT_EQ(cancelled->result(), QDialog::Rejected);
    EXPECT_EQ(cancelled->m_pEffect, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Sounds

class PickListSounds : public PickList {
protected:
    void Scan(const QString& dir)
    {
        m_pApp = std::make_unique<CQuietApp>("-");
        m_pApp->SetDataDirectories({ dir.toStdString() });
        ASSERT_TRUE(m_pApp->ScanDataDirectories());
        m_pApp->SortCatalogues();
    }
    void TearDown() override
    {
        m_pApp.reset();
        PickList::TearDown();
    }
    const CHeaderObject* Record(const std::string& name) const
    {
        for (const auto& record : *m_pApp->GetCatalogue(7))
            if (record->m_strName == name)
                return record.get();
        return nullptr;
    }
    std::unique_ptr<CQuietApp> m_pApp;
};

TEST_F(PickListSounds, the_sounds_for_objects_and_voice_show_sorted_without_regard_to_case)
{
    AddHeader(m_dir.path(), 1, "pop");
    AddHeader(m_dir.path(), 2, "Boing");
    AddHeader(m_dir.path(), 3, "fanfare");
    AddHeader(m_dir.path(), 4, "Applause");
    AddHeader(m_dir.path(), 5, "zebra");
    AddHeader(m_dir.path(), 6, "Balloon", 2); // a clipart: not a sound
    AddHeader(m_dir.path(), 7, "Music", 8); // a sound for the stage: not offered here
    Scan(m_dir.path());
    auto dlg = OpenList(false);
    QListWidget* list = dlg->List();
    EXPECT_EQ(Rows(list),
        (std::vector<std::string> { "Applause", "Boing", "fanfare", "pop", "Voice", "zebra" }));
    for (int i = 0; i < list->count(); ++i) {
        const auto* record = reinterpret_cast<const CHeaderObject*>(
            list->item(i)->data(Qt::UserRole).value<quintptr>());
        if (list->item(i)->text() == "Voice") {
            EXPECT_EQ(record, nullptr);
        } else {
            EXPECT_EQ(record, Record(list->item(i)->text().toStdString()));
        }
    }
}

TEST_F(PickListSounds, ok_returns_the_record_of_the_selected_row)
{
    AddHeader(m_dir.path(), 1, "Pop");
    AddHeader(m_dir.path(), 2, "Boing");
    Scan(m_dir.path());
    auto dlg = OpenList(false);
    ClickRow(dlg->List(), 1); // Boing, Pop, Voice
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->m_nSelected, 1);
    EXPECT_EQ(dlg->m_pSound, Record("Pop"));
    EXPECT_FALSE(dlg->m_bVoice);
    EXPECT_EQ(dlg->m_strSelected, "Pop");
    EXPECT_EQ(dlg->m_pEffect, nullptr);
}

TEST_F(PickListSounds, voice_returns_no_record_and_says_voice)
{
    AddHeader(m_dir.path(), 1, "Pop");
    Scan(m_dir.path());
    auto dlg = OpenList(false);
    ASSERT_EQ(dlg->List()->item(1)->text(), "Voice");
    DoubleClickRow(dlg->List(), 1);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_pSound, nullptr);
    EXPECT_TRUE(dlg->m_bVoice);
    EXPECT_EQ(dlg->m_strSelected, "Voice");
}

TEST_F(PickListSounds, a_record_named_voice_is_the_voice_row_once)
{
    AddHeader(m_dir.path(), 1, "Voice");
    AddHeader(m_dir.path(), 2, "Pop");
    Scan(m_dir.path());
    auto dlg = OpenList(false);
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "Pop", "Voice" }));
    ClickRow(dlg->List(), 1);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_TRUE(dlg->m_bVoice);
    EXPECT_EQ(dlg->m_pSound, nullptr);
}

TEST_F(PickListSounds, nothing_selected_or_cancel_returns_no_sound)
{
    AddHeader(m_dir.path(), 1, "Pop");
    Scan(m_dir.path());
    auto dlg = OpenList(false);
    Click(dlg->Button(IDC_PL_OK));
    EXPECT_EQ(dlg->m_nSelected, -1);
    EXPECT_EQ(dlg->m_pSound, nullptr);
    EXPECT_FALSE(dlg->m_bVoice);

    auto cancelled = OpenList(false);
    ClickRow(cancelled->List(), 0);
    QTest::keyClick(cancelled->List(), Qt::Key_Escape);
    EXPECT_EQ(cancelled->result(), QDialog::Rejected);
    EXPECT_EQ(cancelled->m_pSound, nullptr);
    EXPECT_FALSE(cancelled->m_bVoice);
}

TEST_F(PickListSounds, without_an_application_only_voice_is_offered)
{
    auto dlg = OpenList(false);
    EXPECT_EQ(Rows(dlg->List()), (std::vector<std::string> { "Voice" }));
}

// ---------------------------------------------------------------------------------------------
// Pictures of the three modes, with the sample library

TEST_F(PickListSounds, pictures_of_the_three_modes)
{
    CAddressList book;
    book.AddText("amy@example.org");
    book.AddText("bob@example.org, cid@example.org");
    book.AddText("Grandma <gran@example.org>");
    ASSERT_TRUE(book.Save(m_strBook));
    auto address = OpenAddresses();
    ClickRow(address->List(), 1);
    Shoot(address.get(), "picker_address.png");

    const bool bBuilt = GetEffectTable().empty();
    if (bBuilt) {
        ASSERT_TRUE(BuildEffectTable());
    }
    auto effects = OpenList(true);
    ClickRow(effects->List(), 2);
    Shoot(effects.get(), "picker_effects.png");
    if (bBuilt)
        ReleaseEffectTable();

    Scan(built::kDataDir);
    auto sounds = OpenList(false);
    EXPECT_EQ(sounds->List()->count(), static_cast<int>(m_pApp->GetCatalogue(7)->size()) + 1);
    ClickRow(sounds->List(), 0);
    Shoot(sounds.get(), "picker_sounds.png");
}

} // namespace

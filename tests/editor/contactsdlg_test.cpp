// The contacts window: search, choosing, adding, changing and removing, importing and
// exporting through the file prompts, a damaged file left alone, and the File menu's row.
#include "editor/main/editordlg.h"
#include "editor/windows/contactsdlg.h"
#include "mail/contacts.h"
#include "platform/files.h"
#include "platform/message.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

std::string ReadAll(const std::string& path)
{
    std::vector<uint8_t> bytes;
    platform::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

void WriteAll(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(platform::WriteWholeFile(
        path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
}

std::vector<std::string> Rows(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

// The file prompts answered with a path of the test's.
class CFileAnswers : public CAnswers {
public:
    bool ChooseFileOfTypes(QWidget*, const std::string&, const std::vector<CPromptFileType>& types,
        int, std::string* pPath, int* pType) override
    {
        m_nTypes = types.size();
        if (m_strFile.empty())
            return false;
        *pPath = m_strFile;
        *pType = 0;
        return true;
    }
    size_t m_nTypes = 0;
};

class ContactsWindow : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        OpenEditor();
        if (HasFatalFailure())
            return;
        SetEditorPrompts(&m_files);
        m_strFile = m_strDir + "/contacts.vcf";
        WriteAll(m_strFile,
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Smith\r\nEMAIL:ann@example.org\r\n"
            "BDAY:19900517\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob Brown\r\nEMAIL:bob@example.org\r\nEND:VCARD\r\n");
    }
    void TearDown() override { CloseEditor(); }

    std::unique_ptr<CContactsDlg> Open()
    {
        auto dlg = std::make_unique<CContactsDlg>(m_pEditor.get(), m_strFile);
        dlg->show();
        return dlg;
    }
    std::vector<std::string> Saved()
    {
        CContactBook book;
        std::vector<std::string> skipped;
        std::string reason;
        EXPECT_TRUE(book.Load(m_strFile, skipped, reason));
        std::vector<std::string> names;
        for (const CContact& contact : book.Contacts())
            names.push_back(contact.m_strName + " " + contact.m_addresses.front() + " "
                + contact.BirthdayText());
        return names;
    }

    CFileAnswers m_files;
    std::string m_strFile;
};

TEST_F(ContactsWindow, search_choose_add_change_and_remove_keep_the_file)
{
    auto dlg = Open();
    EXPECT_EQ(Rows(dlg->List()),
        (std::vector<std::string> { "Ann Smith <ann@example.org> \u00b7 1990-05-17",
            "Bob Brown <bob@example.org>" }));
    dlg->Field(IDC_CT_SEARCH)->setText("BOB");
    ASSERT_EQ(Rows(dlg->List()), std::vector<std::string> { "Bob Brown <bob@example.org>" });
    // Chosen with the pointer, as a person does.
    const QRect row = dlg->List()->visualItemRect(dlg->List()->item(0));
    QTest::mouseClick(dlg->List()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(dlg->Field(IDC_CT_NAME)->text(), "Bob Brown");
    EXPECT_EQ(dlg->Field(IDC_CT_ADDRESS)->text(), "bob@example.org");

    // A birthday that does not exist is refused and nothing changes.
    platform::CMessageRecorder messages;
    dlg->Field(IDC_CT_BIRTHDAY)->setText("1991-02-29");
    Click(dlg->Button(IDC_CT_CHANGE));
    EXPECT_NE(dlg->GetMessage().find("not a birthday"), std::string::npos);
    dlg->Field(IDC_CT_NAME)->setText("Robert Brown");
    dlg->Field(IDC_CT_BIRTHDAY)->setText("--12-31");
    Click(dlg->Button(IDC_CT_CHANGE));
    EXPECT_EQ(dlg->GetMessage(), "");
    EXPECT_EQ(Saved(), (std::vector<std::string> { "Ann Smith ann@example.org 1990-05-17",
                           "Robert Brown bob@example.org --12-31" }));

    dlg->Field(IDC_CT_SEARCH)->clear();
    dlg->Field(IDC_CT_NAME)->setText("Cy");
    dlg->Field(IDC_CT_ADDRESS)->setText("cy@example.net");
    dlg->Field(IDC_CT_BIRTHDAY)->clear();
    Click(dlg->Button(IDC_CT_ADD));
    EXPECT_EQ(dlg->List()->count(), 3);
    dlg->List()->setCurrentRow(0);
    Click(dlg->Button(IDC_CT_REMOVE));
    EXPECT_EQ(Saved(), (std::vector<std::string> { "Robert Brown bob@example.org --12-31",
                           "Cy cy@example.net " }));
    // Not an address: refused.
    dlg->Field(IDC_CT_ADDRESS)->setText("no address");
    Click(dlg->Button(IDC_CT_ADD));
    EXPECT_NE(dlg->GetMessage().find("not an e-mail address"), std::string::npos);
    EXPECT_EQ(Saved().size(), 2u);
}

TEST_F(ContactsWindow, import_and_export_go_through_the_file_prompts)
{
    auto dlg = Open();
    platform::CMessageRecorder messages;
    m_files.m_strFile = m_strDir + "/people.csv";
    WriteAll(m_files.m_strFile,
        "Name,E-mail Address,Birthday\nAnn S.,ANN@example.org,\nDi,di@example.net,5/17/1980\n"
        "Ed,ed@example.net,x,y\n");
    Click(dlg->Button(IDC_CT_IMPORT));
    EXPECT_EQ(m_files.m_nTypes, 2u);
    EXPECT_EQ(dlg->GetMessage(), "1 added, 1 merged. Skipped: line 4: 4 fields where the header has 3.");
    EXPECT_EQ(dlg->List()->count(), 3);
    EXPECT_EQ(Saved().back(), "Di di@example.net 1980-05-17");

    m_answers.m_strFile = m_strDir + "/out.vcf";
    m_files.m_strFile = m_answers.m_strFile;
    Click(dlg->Button(IDC_CT_EXPORT));
    CContactBook exported;
    EXPECT_TRUE(exported.ImportVCards(ReadAll(m_answers.m_strFile)).m_skipped.empty());
    EXPECT_EQ(exported.Contacts().size(), 3u);
}

TEST_F(ContactsWindow, a_damaged_file_is_shown_and_never_rewritten)
{
    const std::string damaged = ReadAll(m_strFile) + "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cut";
    WriteAll(m_strFile, damaged);
    platform::CMessageRecorder messages;
    auto dlg = Open();
    EXPECT_NE(dlg->GetMessage().find("left unchanged"), std::string::npos) << dlg->GetMessage();
    EXPECT_EQ(dlg->List()->count(), 2);
    dlg->Field(IDC_CT_NAME)->setText("New");
    dlg->Field(IDC_CT_ADDRESS)->setText("new@example.org");
    Click(dlg->Button(IDC_CT_ADD));
    EXPECT_EQ(ReadAll(m_strFile), damaged);
    EXPECT_EQ(dlg->List()->count(), 2);
}

TEST_F(ContactsWindow, the_file_menu_opens_it)
{
    int opened = 0;
    m_pEditor->SetContactsRunner([&](CContactsDlg& dlg) {
        ++opened;
        EXPECT_TRUE(dlg.isModal());
        EXPECT_EQ(dlg.Button(IDC_CT_CLOSE)->accessibleName(), "Close");
    });
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_FILE_CONTACTS));
    m_pEditor->OnCommand(ID_FILE_CONTACTS);
    EXPECT_EQ(opened, 1);
}

} // namespace

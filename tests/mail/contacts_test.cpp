// The contacts: cards of every vCard version written here from the RFCs' grammar (RFC 2426 and
// 6350, and the 2.1 specification's quoted-printable), the CSV files of the large address
// books, merging, damaged input, and the vCard 4.0 the book writes, read back by Debian's
// python3-vobject.
#include "mail/contacts.h"
#include "tests/buildpaths.h"
#include "tests/mail/exim_fixtures.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mailtest;

namespace {

struct CExpected {
    std::string name;
    std::vector<std::string> addresses;
    std::string birthday;
};

void ExpectContact(const CContact& contact, const CExpected& expected)
{
    EXPECT_EQ(contact.m_strName, expected.name);
    EXPECT_EQ(contact.m_addresses, expected.addresses) << expected.name;
    EXPECT_EQ(contact.BirthdayText(), expected.birthday) << expected.name;
}

struct CCardCase {
    const char* what;
    const char* card;
    CExpected expected;
};

// Each form a card comes in becomes the same kind of contact.
const CCardCase kCards[] = {
    { "2.1: quoted-printable with a soft break, a code page, several addresses",
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FC=\r\nrgen\r\n"
        "EMAIL;INTERNET:juergen@example.de\r\nEMAIL;INTERNET;PREF:j.mueller@example.de\r\n"
        "BDAY:19900517\r\nEND:VCARD\r\n",
        { "J\xc3\xbcrgen M\xc3\xbcller", { "j.mueller@example.de", "juergen@example.de" },
            "1990-05-17" } },
    { "3.0: folded lines, escapes, a group, a date with dashes",
        "BEGIN:VCARD\nVERSION:3.0\nFN:Smith\\, Ann\n  (Annie)\nN:Smith;Ann;;;\n"
        "item1.EMAIL;TYPE=INTERNET:ann@\n example.org\nBDAY:1985-12-01\nEND:VCARD\n",
        { "Smith, Ann (Annie)", { "ann@example.org" }, "1985-12-01" } },
    { "4.0: UTF-8, a birthday without a year, a preferred address",
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m\r\n"
        "EMAIL:zoe@work.example\r\nEMAIL;PREF=1:zoe@home.example\r\nBDAY:--0229\r\n"
        "UID:urn:uuid:4fbe8971-0bc3-424c-9c26-36c3e1eff6b1\r\nEND:VCARD\r\n",
        { "Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m", { "zoe@home.example", "zoe@work.example" },
            "--02-29" } },
    { "4.0: a birthday with a time, and a card without an address",
        "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Brown;Bob;;;\r\nBDAY:19701231T000000Z\r\nEND:VCARD\r\n",
        { "Bob Brown", {}, "1970-12-31" } },
    { "4.0: --MM-DD and a mailto address",
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cy\r\nEMAIL:mailto:cy@example.net\r\nBDAY:--05-17\r\n"
        "END:VCARD\r\n",
        { "Cy", { "cy@example.net" }, "--05-17" } },
};

class CardForms : public testing::TestWithParam<CCardCase> { };

TEST_P(CardForms, become_the_contact_they_describe)
{
    CContactBook book;
    const CContactImport report = book.ImportVCards(GetParam().card);
    EXPECT_TRUE(report.m_skipped.empty()) << report.m_skipped.front();
    ASSERT_EQ(book.Contacts().size(), 1u);
    ExpectContact(book.Contacts()[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, CardForms, testing::ValuesIn(kCards));

// A card cut in the middle and one with a line that is no property are skipped and named by
// their first line; the others come in; what was in the book stays.
TEST(ContactImport, damaged_cards_are_named_and_the_rest_come_in)
{
    CContactBook book;
    book.ImportVCards("BEGIN:VCARD\nVERSION:4.0\nFN:Kept\nEMAIL:kept@example.org\nEND:VCARD\n");
    const CContactImport report = book.ImportVCards(
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cut\nEMAIL:cut@example.org\n" // line 1, never ended
        "BEGIN:VCARD\nVERSION:3.0\nFN:Good\nEMAIL:good@example.org\nEND:VCARD\n" // line 5
        "BEGIN:VCARD\nVERSION:3.0\nFN:Bad\nthis is no property\nEND:VCARD\n" // line 10
        "BEGIN:VCARD\nVERSION:3.0\nEND:VCARD\n" // line 15: nothing in it
        "BEGIN:VCARD\nVERSION:3.0\nFN:Last\nEMAIL:last@exam"); // line 18, cut
    ASSERT_EQ(report.m_skipped.size(), 4u);
    EXPECT_EQ(report.m_skipped[0], "line 1: the card ends before END:VCARD");
    EXPECT_EQ(report.m_skipped[1], "line 10: line 13 is not a vCard property");
    EXPECT_EQ(report.m_skipped[2], "line 15: the card has neither a name nor an address");
    EXPECT_EQ(report.m_skipped[3], "line 18: the card ends before END:VCARD");
    EXPECT_EQ(report.m_nAdded, 1);
    ASSERT_EQ(book.Contacts().size(), 2u);
    EXPECT_EQ(book.Contacts()[0].m_strName, "Kept");
    EXPECT_EQ(book.Contacts()[1].m_strName, "Good");
}

struct CMergeCase {
    const char* what;
    const char* first;
    const char* second;
    int nMerged; // by the second import
    std::vector<CExpected> expected;
};

// A card without an address, as a phone's address book writes it.
const char kNoAddress[] = "BEGIN:VCARD\nVERSION:3.0\nFN:Bob Brown\nTEL;TYPE=CELL:+44 20 7946 0000\n"
                          "BDAY:1970-12-31\nEND:VCARD\n";

// A contact is the one known already with one of its addresses; without an address, the one of
// the same name and birthday; without either, the one of the same name that has neither.
const CMergeCase kMerges[] = {
    { "an address known already: nothing doubled, what the book lacked filled in",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Ann\nEMAIL:ann@example.org\nBDAY:--0517\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Smith\nEMAIL:ANN@example.org\nEMAIL:ann@work.example\n"
        "BDAY:1990-05-17\nEND:VCARD\n",
        1, { { "Ann", { "ann@example.org", "ann@work.example" }, "1990-05-17" } } },
    { "the same name and other addresses: two people",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Ann Smith\nEMAIL:ann@example.org\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Ann Smith\nEMAIL:ann.smith@example.net\nEND:VCARD\n", 0,
        { { "Ann Smith", { "ann@example.org" }, "" },
            { "Ann Smith", { "ann.smith@example.net" }, "" } } },
    { "a card with an address is never merged by its name",
        kNoAddress,
        "BEGIN:VCARD\nVERSION:4.0\nFN:Bob Brown\nEMAIL:bob@example.org\nBDAY:19701231\n"
        "END:VCARD\n",
        0,
        { { "Bob Brown", {}, "1970-12-31" },
            { "Bob Brown", { "bob@example.org" }, "1970-12-31" } } },
    { "a card without an address imported twice", kNoAddress, kNoAddress, 1,
        { { "Bob Brown", {}, "1970-12-31" } } },
    { "without an address: the name in other case and blanks, the year known on one side",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Bob Brown\nBDAY:--1231\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nFN: bob BROWN \nBDAY:1970-12-31\nEND:VCARD\n", 1,
        { { "Bob Brown", {}, "1970-12-31" } } },
    { "without an address: the same name, another birthday", kNoAddress,
        "BEGIN:VCARD\nVERSION:3.0\nFN:Bob Brown\nBDAY:1988-03-04\nEND:VCARD\n", 0,
        { { "Bob Brown", {}, "1970-12-31" }, { "Bob Brown", {}, "1988-03-04" } } },
    { "without an address and a birthday: the same name, neither on the other side",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nTEL:+1 555 0100\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nEND:VCARD\n", 1, { { "Cy", {}, "" } } },
    { "without an address and a birthday: the same name with a birthday is another",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nBDAY:--0517\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nEND:VCARD\n", 0,
        { { "Cy", {}, "--05-17" }, { "Cy", {}, "" } } },
    { "without an address and a birthday: the same name with an address is another",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nEMAIL:cy@example.net\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nEND:VCARD\n", 0,
        { { "Cy", { "cy@example.net" }, "" }, { "Cy", {}, "" } } },
};

void PrintTo(const CMergeCase& c, std::ostream* out)
{
    *out << c.what;
}

class Merging : public testing::TestWithParam<CMergeCase> { };

TEST_P(Merging, finds_the_contact_known_already)
{
    CContactBook book;
    book.ImportVCards(GetParam().first);
    const CContactImport report = book.ImportVCards(GetParam().second);
    EXPECT_TRUE(report.m_skipped.empty()) << report.m_skipped.front();
    EXPECT_EQ(report.m_nMerged, GetParam().nMerged);
    EXPECT_EQ(report.m_nAdded, 1 - GetParam().nMerged);
    ASSERT_EQ(book.Contacts().size(), GetParam().expected.size());
    for (size_t i = 0; i < book.Contacts().size(); ++i)
        ExpectContact(book.Contacts()[i], GetParam().expected[i]);
}

INSTANTIATE_TEST_SUITE_P(Imports, Merging, testing::ValuesIn(kMerges));

struct CCsvCase {
    const char* what;
    const char* csv;
    std::vector<CExpected> expected;
};

const CCsvCase kCsvFiles[] = {
    { "the large web mail's export",
        "Name,Given Name,Family Name,Birthday,E-mail 1 - Type,E-mail 1 - Value,E-mail 2 - Value\n"
        "Ann Smith,Ann,Smith,1990-05-17,* Home,ann@example.org ::: ann@work.example,\n"
        "\"Brown, Bob\",Bob,Brown,--12-31,,bob@example.org,bob@old.example\n",
        { { "Ann Smith", { "ann@example.org", "ann@work.example" }, "1990-05-17" },
            { "Brown, Bob", { "bob@example.org", "bob@old.example" }, "--12-31" } } },
    { "the desktop mail suite's export",
        "\xEF\xBB\xBF\"First Name\",\"Middle Name\",\"Last Name\",\"E-mail Address\","
        "\"E-mail 2 Address\",\"Birthday\"\r\n"
        "\"Cy\",\"\",\"Young\",\"cy@example.net\",\"\",\"5/17/1990\"\r\n"
        "\"Di\",\"\",\"\",\"di@example.net\",\"\",\"0/0/00\"\r\n",
        { { "Cy Young", { "cy@example.net" }, "1990-05-17" }, { "Di", { "di@example.net" }, "" } } },
    { "the mail program's address book, a note with a line break",
        "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Birth Year,"
        "Birth Month,Birth Day,Notes\n"
        "Eve,Adams,Eve Adams,,eve@example.com,,1975,2,3,\"two\nlines\"\n"
        "Fay,,,,fay@example.com,,,11,9,\n",
        { { "Eve Adams", { "eve@example.com" }, "1975-02-03" },
            { "Fay", { "fay@example.com" }, "--11-09" } } },
};

class CsvFiles : public testing::TestWithParam<CCsvCase> { };

TEST_P(CsvFiles, become_contacts_by_their_column_names)
{
    CContactBook book;
    const CContactImport report = book.ImportCsv(GetParam().csv);
    EXPECT_TRUE(report.m_skipped.empty()) << report.m_skipped.front();
    ASSERT_EQ(book.Contacts().size(), GetParam().expected.size());
    for (size_t i = 0; i < book.Contacts().size(); ++i)
        ExpectContact(book.Contacts()[i], GetParam().expected[i]);
}

INSTANTIATE_TEST_SUITE_P(AddressBooks, CsvFiles, testing::ValuesIn(kCsvFiles));

TEST(ContactImport, a_csv_row_with_more_fields_than_the_header_is_named)
{
    CContactBook book;
    const CContactImport report
        = book.ImportCsv("Name,E-mail Address\nAnn,ann@example.org\nBob,bob@example.org,extra\n");
    ASSERT_EQ(report.m_skipped.size(), 1u);
    EXPECT_EQ(report.m_skipped[0], "line 3: 3 fields where the header has 2");
    EXPECT_EQ(book.Contacts().size(), 1u);
    EXPECT_EQ(CContactBook().ImportCsv("Colour,Size\nred,9\n").m_skipped.size(), 1u);
}

TEST(Birthday, reads_the_forms_cards_and_csv_files_use)
{
    struct Case {
        const char* text;
        bool ok;
        int year = 0, month = 0, day = 0;
    };
    const Case cases[] = { { "1990-05-17", true, 1990, 5, 17 }, { "19900517", true, 1990, 5, 17 },
        { "--0517", true, 0, 5, 17 }, { "--05-17", true, 0, 5, 17 },
        { "1990-05-17T08:30:00Z", true, 1990, 5, 17 }, { "5/17/1990", true, 1990, 5, 17 },
        { "1990/05/17", true, 1990, 5, 17 }, { "--0229", true, 0, 2, 29 },
        { "2000-02-29", true, 2000, 2, 29 }, { "1991-02-29", false }, { "1990-13-01", false },
        { "1990-04-31", false }, { "0/0/00", false }, { "May 17", false }, { "", false },
        { "17.05.1990", false } };
    for (const Case& c : cases) {
        int year = -1, month = -1, day = -1;
        EXPECT_EQ(ParseBirthday(c.text, year, month, day), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(year, c.year) << c.text;
            EXPECT_EQ(month, c.month) << c.text;
            EXPECT_EQ(day, c.day) << c.text;
        }
    }
}

// The book written as vCard 4.0 (lines of at most 75 bytes, no character cut, CRLF) reads
// back the same, here and in Debian's python3-vobject; a save replaces the file whole.
TEST(ContactExport, reads_back_the_same_here_and_in_another_program)
{
    CContactBook book;
    for (const CCardCase& c : kCards)
        book.ImportVCards(c.card);
    CContact longName;
    longName.m_strName = "Anna-Katharina von und zu \xc3\x9c" "berlangnamenhausen-Schr\xc3\xb6" "der, "
                         "die \xc3\x84ltere; mit \\ Zeichen";
    longName.m_addresses = { "anna@example.org" };
    book.Add(longName);
    const std::string text = book.ExportVCards();
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line;
        EXPECT_NE(static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]) & 0xC0, 0x80u)
            << "a continuation begins inside a character: " << line;
    }
    CContactBook again;
    EXPECT_TRUE(again.ImportVCards(text).m_skipped.empty());
    ASSERT_EQ(again.Contacts().size(), book.Contacts().size());
    for (size_t i = 0; i < book.Contacts().size(); ++i)
        ExpectContact(again.Contacts()[i],
            { book.Contacts()[i].DisplayName(), book.Contacts()[i].m_addresses,
                book.Contacts()[i].BirthdayText() });

    CTempDir dir;
    const std::string path = dir / "share/vimble-email/contacts.vcf";
    std::string reason;
    ASSERT_TRUE(book.Save(path, reason)) << reason;
    EXPECT_EQ(ReadText(path), text);
    std::vector<std::string> skipped;
    CContactBook loaded;
    ASSERT_TRUE(loaded.Load(path, skipped, reason)) << reason;
    EXPECT_EQ(loaded.Contacts().size(), book.Contacts().size());
    EXPECT_EQ(ListDir(dir / "share/vimble-email"), std::vector<std::string> { "contacts.vcf" });

    const std::string python = FindPython();
    ASSERT_FALSE(python.empty());
    WriteText(dir / "read.py",
        "import sys, vobject\n"
        "for card in vobject.readComponents(open(sys.argv[1], encoding='utf-8').read()):\n"
        "    mails = [e.value for e in card.contents.get('email', [])]\n"
        "    bday = card.bday.value if 'bday' in card.contents else ''\n"
        "    print('|'.join([card.fn.value, ','.join(mails), bday]))\n");
    ASSERT_EQ(RunProgram({ python, dir / "read.py", path }, dir / "read.out"), 0)
        << ReadText(dir / "read.out");
    std::istringstream read(ReadText(dir / "read.out"));
    size_t i = 0;
    for (std::string line; std::getline(read, line); ++i) {
        ASSERT_LT(i, book.Contacts().size()) << line;
        const CContact& contact = book.Contacts()[i];
        std::string mails;
        for (const std::string& address : contact.m_addresses)
            mails += (mails.empty() ? "" : ",") + address;
        std::string bday = contact.BirthdayText();
        bday.erase(std::remove(bday.begin() + (bday.rfind("--", 0) == 0 ? 2 : 0), bday.end(), '-'),
            bday.end());
        EXPECT_EQ(line, contact.DisplayName() + "|" + mails + "|" + bday);
    }
    EXPECT_EQ(i, book.Contacts().size());
}

// vimble-tool contacts: add, import (new and known addresses), list as JSON, remove by address,
// export; a damaged file of the person's is listed as far as it reads and never rewritten.
TEST(ToolContacts, keeps_the_book_through_its_verbs)
{
    CTempDir dir;
    const std::string file = dir / "contacts.vcf";
    const std::string tool = built::kTool;
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), { tool, "contacts", "--file", file });
        return RunProgram(args, dir / "out.txt");
    };
    ASSERT_EQ(run({ "add", "--name", "Ann Smith", "--email", "ann@example.org", "--birthday",
                  "1990-05-17" }),
        0)
        << ReadText(dir / "out.txt");
    WriteText(dir / "in.vcf", std::string(kCards[2].card) + kCards[1].card);
    ASSERT_EQ(run({ "import", dir / "in.vcf" }), 0);
    EXPECT_EQ(ReadText(dir / "out.txt"), "1 added, 1 merged, 0 skipped\n");
    ASSERT_EQ(run({ "list" }), 0);
    EXPECT_EQ(ReadText(dir / "out.txt"),
        "[\n  {\n    \"name\": \"Ann Smith\",\n    \"emails\": [\n      \"ann@example.org\"\n"
        "    ],\n    \"birthday\": \"1990-05-17\"\n  },\n"
        "  {\n    \"name\": \"Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m\",\n    \"emails\": [\n"
        "      \"zoe@home.example\",\n      \"zoe@work.example\"\n    ],\n"
        "    \"birthday\": \"--02-29\"\n  }\n]\n");
    ASSERT_EQ(run({ "remove", "ZOE@work.example" }), 0);
    ASSERT_EQ(run({ "export", dir / "out.vcf" }), 0);
    CContactBook exported;
    exported.ImportVCards(ReadText(dir / "out.vcf"));
    ASSERT_EQ(exported.Contacts().size(), 1u);
    EXPECT_EQ(exported.Contacts()[0].m_strName, "Ann Smith");
    EXPECT_NE(run({ "remove", "nobody@example.org" }), 0);

    const std::string damaged = ReadText(file) + "BEGIN:VCARD\nVERSION:4.0\nFN:Cut\n";
    WriteText(file, damaged);
    EXPECT_NE(run({ "list" }), 0);
    EXPECT_NE(ReadText(dir / "out.txt").find("Ann Smith"), std::string::npos);
    EXPECT_NE(run({ "add", "--email", "new@example.org" }), 0);
    EXPECT_EQ(ReadText(file), damaged) << "a damaged book is not written back short";
}

} // namespace

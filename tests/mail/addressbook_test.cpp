// The address book: its file bytes, the byte order of its entries, and damaged files.
#include "mail/addressbook.h"
#include "platform/message.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mailtest;

namespace {

std::vector<std::string> Entries(const CAddressList& list)
{
    return { list.Entries().begin(), list.Entries().end() };
}

TEST(AddressBookFile, TwoEntriesOfThreeCharacters)
{
    CTempDir dir;
    CAddressList list;
    list.AddText("def");
    list.AddText("abc");
    ASSERT_TRUE(list.Save(dir / "book.dat"));
    EXPECT_EQ(ReadText(dir / "book.dat"),
        std::string("\x02\x00\x03"
                    "abc\x03"
                    "def",
            10));
}

TEST(AddressBookFile, DeletingTheOnlyEntryLeavesACountOfZero)
{
    CTempDir dir;
    CAddressList list;
    list.AddText("ann@example.com");
    list.RemoveAt(0);
    ASSERT_TRUE(list.Save(dir / "book.dat"));
    EXPECT_EQ(ReadText(dir / "book.dat"), std::string("\x00\x00", 2));
}

TEST(AddressBookFile, ManyEntriesUseTheLongCount)
{
    CTempDir dir;
    CAddressList list;
    // Built directly in order: adding 65,535 texts one by one would sort each time.
    std::string bytes("\xff\xff\xff\xff\x00\x00", 6);
    for (int i = 0; i < 65535; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%05d", i);
        bytes += '\x05';
        bytes += text;
    }
    WriteText(dir / "book.dat", bytes);
    ASSERT_TRUE(list.Load(dir / "book.dat"));
    EXPECT_EQ(list.GetCount(), 65535);
    EXPECT_EQ(list.GetAt(65534), "65534");
    ASSERT_TRUE(list.Save(dir / "copy.dat"));
    EXPECT_EQ(ReadText(dir / "copy.dat"), bytes);
}

TEST(AddressBookFile, LongEntriesUseTheLongTextLength)
{
    CTempDir dir;
    CAddressList list;
    std::string longText(300, 'x');
    list.AddText(longText);
    ASSERT_TRUE(list.Save(dir / "book.dat"));
    EXPECT_EQ(ReadText(dir / "book.dat"), std::string("\x01\x00\xff\x2c\x01", 5) + longText);
    CAddressList back;
    ASSERT_TRUE(back.Load(dir / "book.dat"));
    EXPECT_EQ(Entries(back), std::vector<std::string> { longText });
}

struct OrderCase {
    std::vector<std::string> added;
    std::vector<std::string> sorted;
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.added);
}

class AddressBookOrder : public testing::TestWithParam<OrderCase> { };

TEST_P(AddressBookOrder, EntriesStayInAscendingByteOrder)
{
    CAddressList list;
    for (const std::string& text : GetParam().added)
        list.AddText(text);
    EXPECT_EQ(Entries(list), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddressBookOrder,
    testing::Values(OrderCase { { "b@x", "a@x", "c@x" }, { "a@x", "b@x", "c@x" } },
        // Upper case sorts before lower case, and both are kept.
        OrderCase { { "ann@x", "Ann@x" }, { "Ann@x", "ann@x" } },
        // A prefix sorts first.
        OrderCase { { "ann@x;bob@y", "ann@x" }, { "ann@x", "ann@x;bob@y" } },
        // Bytes are unsigned: a code-page letter sorts after every ASCII one.
        OrderCase { { "\xe9mile@x", "zoe@x" }, { "zoe@x", "\xe9mile@x" } },
        // Exact duplicates are not added again.
        OrderCase { { "a@x", "b@x", "a@x" }, { "a@x", "b@x" } }));

TEST(AddressBookList, AddingADuplicateChangesNothing)
{
    CAddressList list;
    EXPECT_TRUE(list.AddText("b"));
    EXPECT_TRUE(list.AddText("a"));
    EXPECT_FALSE(list.AddText("b"));
    EXPECT_EQ(Entries(list), (std::vector<std::string> { "a", "b" }));
}

TEST(AddressBookList, PositionsOutsideTheListAreHarmless)
{
    CAddressList list;
    list.AddText("a");
    list.RemoveAt(1);
    list.RemoveAt(-1);
    EXPECT_EQ(list.GetAt(1), "");
    EXPECT_EQ(list.GetAt(-1), "");
    EXPECT_EQ(list.GetAt(0), "a");
}

TEST(AddressBookLoad, AMissingFileGivesFalseAndNoEntries)
{
    CTempDir dir;
    CAddressList list;
    EXPECT_FALSE(list.Load(dir / "book.dat"));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(AddressBookLoad, LoadingAppendsToTheList)
{
    CTempDir dir;
    WriteText(dir / "book.dat", std::string("\x01\x00\x01z", 4));
    CAddressList list;
    list.AddText("a");
    ASSERT_TRUE(list.Load(dir / "book.dat"));
    EXPECT_EQ(Entries(list), (std::vector<std::string> { "a", "z" }));
}

TEST(AddressBookLoad, ADamagedFileKeepsTheEntriesBeforeTheDamage)
{
    CTempDir dir;
    const std::string good("\x03\x00\x03"
                           "abc\x03"
                           "def\x03"
                           "ghi",
        14);
    // Cut the file at every length: the entries that are whole are read, and only the whole
    // file reads without failure.
    for (size_t length = 0; length <= good.size(); ++length) {
        WriteText(dir / "book.dat", good.substr(0, length));
        CAddressList list;
        bool whole = list.Load(dir / "book.dat");
        EXPECT_EQ(whole, length == good.size()) << length;
        int expectedEntries = length < 6 ? 0 : length < 10 ? 1 : length < 14 ? 2 : 3;
        EXPECT_EQ(list.GetCount(), expectedEntries) << length;
    }
}

TEST(AddressBookLoad, ACountTheFileCannotHoldEndsAtTheData)
{
    CTempDir dir;
    WriteText(dir / "book.dat", std::string("\xff\xff\xff\xff\xff\x7f\x01x", 8));
    CAddressList list;
    EXPECT_FALSE(list.Load(dir / "book.dat"));
    EXPECT_EQ(Entries(list), std::vector<std::string> { "x" });
}

TEST(AddressBookUpdate, AddsToAnExistingBookAndCreatesAMissingOne)
{
    CTempDir dir;
    platform::CMessageRecorder recorder;
    EXPECT_TRUE(AddToAddressBook(dir / "book.dat", "b@x"));
    EXPECT_TRUE(AddToAddressBook(dir / "book.dat", "a@x"));
    EXPECT_TRUE(AddToAddressBook(dir / "book.dat", "a@x"));
    EXPECT_EQ(ReadText(dir / "book.dat"),
        std::string("\x02\x00\x03"
                    "a@x\x03"
                    "b@x",
            10));
    EXPECT_TRUE(recorder.m_messages.empty());
}

TEST(AddressBookUpdate, ADamagedBookIsNotWrittenBackShort)
{
    CTempDir dir;
    const std::string damaged("\x05\x00\x03"
                              "abc\x03"
                              "de",
        9);
    WriteText(dir / "book.dat", damaged);
    platform::CMessageRecorder recorder;
    EXPECT_FALSE(AddToAddressBook(dir / "book.dat", "new@x"));
    EXPECT_EQ(ReadText(dir / "book.dat"), damaged);
    EXPECT_EQ(recorder.m_messages.size(), 1u);
}

TEST(AddressBookUpdate, NoDataDirectoryMeansNoBook)
{
    platform::CMessageRecorder recorder;
    EXPECT_EQ(AddressBookPath(""), "");
    EXPECT_FALSE(AddToAddressBook(AddressBookPath(""), "a@x"));
    EXPECT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(AddressBookPath("/data"), "/data/book.dat");
}

// An installed, shared data directory that the person cannot write: their book is their own,
// in their data folder, started from the shared entries; the shared file stays as it is.
TEST(AddressBookUpdate, AReadOnlyDataDirectoryKeepsThePersonsBookInTheirOwnFolder)
{
    CTempDir temp;
    const std::string shared = temp.Path() + "/share";
    const std::string own = temp.Path() + "/own";
    ::mkdir(shared.c_str(), 0755);
    ::mkdir(own.c_str(), 0777);
    ::chmod(own.c_str(), 0777);
    ::chmod(temp.Path().c_str(), 0755);
    ASSERT_TRUE(AddToAddressBook(shared + "/book.dat", "shared@example.org"));
    const std::string sharedBytes = ReadText(shared + "/book.dat");
    ::chmod((shared + "/book.dat").c_str(), 0444);
    ::chmod(shared.c_str(), 0555);
    // Writable as before: the book stays in the data directory.
    if (::geteuid() != 0) {
        if (::access(shared.c_str(), W_OK) == 0)
            GTEST_SKIP() << "this user can write into a folder without write permission";
    }
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody == nullptr)
        GTEST_SKIP() << "no unprivileged user to run as";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0))
            ::_exit(10);
        ::setenv("XDG_DATA_HOME", own.c_str(), 1);
        const std::string path = AddressBookPath(shared);
        if (path != own + "/vimble-email/book.dat")
            ::_exit(11);
        if (!AddToAddressBook(path, "mine@example.org"))
            ::_exit(12);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::chmod(shared.c_str(), 0755);
    EXPECT_EQ(ReadText(shared + "/book.dat"), sharedBytes);
    CAddressList list;
    ASSERT_TRUE(list.Load(own + "/vimble-email/book.dat"));
    EXPECT_EQ(list.Entries(), (std::list<std::string>{"mine@example.org", "shared@example.org"}));
    // A writable data directory keeps its book where it always was.
    EXPECT_EQ(AddressBookPath(shared), shared + "/book.dat");
}

} // namespace

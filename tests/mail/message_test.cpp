// The rows of the message and the small texts around it: dates, elapsed times, recipients,
// the failure letter's template, line ends and the doubling of full stops.
#include "mail/message.h"
#include "mail/smtp.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

namespace {

std::tm Tm(int year, int month, int day, int wday, int hour, int min, int sec)
{
    std::tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_wday = wday;
    t.tm_hour = hour;
    t.tm_min = min;
    t.tm_sec = sec;
    return t;
}

struct DateCase {
    std::tm local;
    long offset;
    std::string row;
};

void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.row);
}

class DateRowTest : public testing::TestWithParam<DateCase> { };

TEST_P(DateRowTest, InternetDateWithTheZone)
{
    EXPECT_EQ(MailDateRow(GetParam().local, GetParam().offset), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateRowTest,
    testing::Values(DateCase { Tm(2026, 12, 8, 2, 14, 5, 9), 3600,
                        "Date: Tue, 08 Dec 2026 14:05:09 +0100\r\n" },
        DateCase { Tm(1998, 12, 7, 1, 14, 5, 9), 0, "Date: Mon, 07 Dec 1998 14:05:09 +0000\r\n" },
        DateCase { Tm(2025, 1, 31, 5, 0, 0, 0), -(5 * 3600 + 30 * 60),
            "Date: Fri, 31 Jan 2025 00:00:00 -0530\r\n" },
        DateCase { Tm(2024, 7, 4, 0, 23, 59, 59), 12 * 3600 + 45 * 60,
            "Date: Sun, 04 Jul 2024 23:59:59 +1245\r\n" }));

struct SpanCase {
    std::string pattern;
    int64_t seconds;
    std::string text;
};

void PrintTo(const SpanCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.pattern + " " + std::to_string(c.seconds));
}

class TimeSpanTest : public testing::TestWithParam<SpanCase> { };

TEST_P(TimeSpanTest, TemplateRules)
{
    EXPECT_EQ(FormatTimeSpan(GetParam().pattern, GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Spans, TimeSpanTest,
    testing::Values(SpanCase { "%M:%S", 75, "01:15" },
        SpanCase { "%D %H %M %S", 90061, "1 01 01 01" },
        SpanCase { "%D days %H:%M:%S", 0, "0 days 00:00:00" },
        SpanCase { "100%% in %S s", 9, "100% in 09 s" },
        SpanCase { "%X and %d stay", 5, "%X and %d stay" },
        SpanCase { "ends with %", 5, "ends with %" }, SpanCase { "%H", 86399, "23" },
        SpanCase { "%D", 864000, "10" }));

struct RecipientCase {
    std::string to;
    std::vector<std::string> addresses;
};

void PrintTo(const RecipientCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.to);
}

class RecipientTest : public testing::TestWithParam<RecipientCase> { };

TEST_P(RecipientTest, SplitAtEverySeparatorWithoutEmptyAddresses)
{
    EXPECT_EQ(SplitRecipients(GetParam().to), GetParam().addresses);
}

INSTANTIATE_TEST_SUITE_P(Texts, RecipientTest,
    testing::Values(RecipientCase { "a@x;b@y", { "a@x", "b@y" } },
        RecipientCase { "a@x, b@y", { "a@x", "b@y" } },
        RecipientCase { "a@x b@y,c@z", { "a@x", "b@y", "c@z" } },
        RecipientCase { "a@x;", { "a@x" } }, RecipientCase { ";;, ", {} }, RecipientCase { "", {} },
        RecipientCase { "a@x\r\nb@y\tc@z", { "a@x", "b@y", "c@z" } },
        RecipientCase { "a@x", { "a@x" } }));

struct TemplateCase {
    std::string pattern;
    std::string text;
};

void PrintTo(const TemplateCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.pattern);
}

class TemplateTest : public testing::TestWithParam<TemplateCase> { };

TEST_P(TemplateTest, OnlyTextArgumentsAreFilledIn)
{
    EXPECT_EQ(FillTemplate(GetParam().pattern, { "One", "Two", "Three", "me@x" }), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateTest,
    testing::Values(TemplateCase { "%s, %s, %s: write to %s.", "One, Two, Three: write to me@x." },
        TemplateCase { "%s %s %s %s %s!", "One Two Three me@x !" },
        TemplateCase { "%d %n %x %p %ls", "%d %n %x %p %ls" },
        TemplateCase { "100%% %s", "100% One" }, TemplateCase { "%%s", "%s" },
        TemplateCase { "no arguments", "no arguments" }, TemplateCase { "%", "%" }));

TEST(MessageRows, HeaderRowsAsGiven)
{
    const CScopedEnv tz("TZ", "UTC0");
    std::time_t start = 1796738709; // Tue, 08 Dec 2026 14:05:09 UTC
    EXPECT_EQ(MailHeaderRows("ann@x, bob@y", "me@z", start, "Happy birthday!"),
        "To:ann@x, bob@y\r\n"
        "From:me@z\r\n"
        "Date: Tue, 08 Dec 2026 14:05:09 +0000\r\n"
        "MESSAGE_ID: <3AB45D459C44CC34A>\r\n"
        "Subject:Happy birthday!\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: multipart/mixed; boundary=\"theboundarybyVelmorant\"\r\n"
        "\r\n");
}

TEST(MessageRows, LineBreaksCannotAddHeaderLines)
{
    std::string rows = MailHeaderRows("a@x\r\nBcc: c@z", "me@z\nX: 1", 0, "Hi\rthere");
    EXPECT_EQ(rows.find("\r\nBcc"), std::string::npos);
    EXPECT_NE(rows.find("To:a@x  Bcc: c@z\r\n"), std::string::npos);
    EXPECT_NE(rows.find("From:me@z X: 1\r\n"), std::string::npos);
    EXPECT_NE(rows.find("Subject:Hi there\r\n"), std::string::npos);
}

TEST(MessageRows, AnEmptyTextStillGivesItsThreeLines)
{
    EXPECT_EQ(MailTextRows(""),
        "This is a multi-part message in MIME format.And your mail-reader doesn't "
        "understand MIME.\r\n"
        "--theboundarybyVelmorant\r\n"
        "Content-Type: text/plain; charset=us-ascii\r\n"
        "Content-Transfer-Encoding: 7bit\r\n"
        "\r\n"
        "\r\n"
        "\r\n"
        "--theboundarybyVelmorant\r\n");
    EXPECT_EQ(MailClosingRows(), "\r\n--theboundarybyVelmorant--\r\n");
}

struct LineEndCase {
    std::string in, out;
};

void PrintTo(const LineEndCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.in);
}

class LineEndTest : public testing::TestWithParam<LineEndCase> { };

TEST_P(LineEndTest, EveryLineBreakBecomesCrLf)
{
    EXPECT_EQ(WithCrLf(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineEndTest,
    testing::Values(LineEndCase { "a\r\nb", "a\r\nb" }, LineEndCase { "a\nb", "a\r\nb" },
        LineEndCase { "a\rb", "a\r\nb" }, LineEndCase { "a\n\nb\r", "a\r\n\r\nb\r\n" },
        LineEndCase { "\r\n\r", "\r\n\r\n" }, LineEndCase { "", "" }));

struct StuffCase {
    std::string in, out;
};

void PrintTo(const StuffCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.in.substr(0, 20));
}

class DotStuffTest : public testing::TestWithParam<StuffCase> { };

TEST_P(DotStuffTest, FullStopsAtLineStartsAreDoubled)
{
    for (size_t piece : { size_t { 1 }, size_t { 3 }, size_t { 1000 } }) {
        std::string sent;
        CMailDataStream stream([&](const char* data, size_t size) {
            EXPECT_LE(size, 8192u);
            sent.append(data, size);
            return true;
        });
        for (size_t i = 0; i < GetParam().in.size(); i += piece)
            ASSERT_TRUE(stream.Write(GetParam().in.substr(i, piece)));
        ASSERT_TRUE(stream.Flush());
        EXPECT_EQ(sent, GetParam().out) << "pieces of " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DotStuffTest,
    testing::Values(StuffCase { ".\r\n", "..\r\n" }, StuffCase { "a\r\n.\r\nb", "a\r\n..\r\nb" },
        StuffCase { "a.b\r\n..c\r\n", "a.b\r\n...c\r\n" }, StuffCase { "no dots", "no dots" },
        StuffCase { std::string(20000, 'x') + "\r\n.", std::string(20000, 'x') + "\r\n.." }));

TEST(DataStream, AFailedSinkStopsEveryLaterWrite)
{
    int calls = 0;
    CMailDataStream stream([&](const char*, size_t) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(stream.Write(std::string(9000, 'x')));
    EXPECT_FALSE(stream.Write("more"));
    EXPECT_FALSE(stream.Flush());
    EXPECT_EQ(calls, 1);
}

struct ServerCase {
    std::string server;
    bool valid;
    std::string host;
    int port;
};

void PrintTo(const ServerCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.server);
}

class ServerTextTest : public testing::TestWithParam<ServerCase> { };

TEST_P(ServerTextTest, HostAndOptionalPort)
{
    std::string host;
    int port = 0;
    EXPECT_EQ(CSmtpConnection::SplitServer(GetParam().server, host, port), GetParam().valid);
    if (GetParam().valid) {
        EXPECT_EQ(host, GetParam().host);
        EXPECT_EQ(port, GetParam().port);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ServerTextTest,
    testing::Values(ServerCase { "mail.example.com", true, "mail.example.com", 25 },
        ServerCase { "mail.example.com:2525", true, "mail.example.com", 2525 },
        ServerCase { "127.0.0.1:587", true, "127.0.0.1", 587 },
        ServerCase { "[::1]:2525", true, "::1", 2525 }, ServerCase { "[::1]", true, "::1", 25 },
        ServerCase { "::1", true, "::1", 25 }, ServerCase { "host:", false, "", 0 },
        ServerCase { "host:0", false, "", 0 }, ServerCase { "host:65536", false, "", 0 },
        ServerCase { "host:25x", false, "", 0 }, ServerCase { "[::1", false, "", 0 }));

TEST(ServerLookup, NamesThatCannotResolveAreRefusedWithoutTheResolver)
{
    for (const char* server : { "", "no such host", "host;rm", "nowhere.invalid", "INVALID",
             "x.Invalid.", "a:b:c:d:g" }) {
        CSmtpConnection connection;
        std::string reason;
        EXPECT_FALSE(connection.Resolve(server, reason)) << server;
        EXPECT_FALSE(reason.empty());
    }
}

// A reference quoted-printable decoder (RFC 2045 section 6.7), for round trips.
std::string DecodeQuotedPrintable(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out.push_back(text[i]);
            continue;
        }
        if (text.compare(i + 1, 2, "\r\n") == 0) {
            i += 2;
            continue;
        }
        out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
        i += 2;
    }
    return out;
}

void ExpectWellFormedQuotedPrintable(const std::string& encoded)
{
    for (size_t line = 0, end = 0; line <= encoded.size(); line = end + 2) {
        end = encoded.find("\r\n", line);
        if (end == std::string::npos)
            end = encoded.size();
        const std::string text = encoded.substr(line, end - line);
        EXPECT_LE(text.size(), 76u) << text;
        for (char c : text)
            EXPECT_TRUE(c >= 32 && c <= 126) << text;
        if (!text.empty()) {
            EXPECT_NE(text.back(), ' ') << "a line may not end in a blank: " << text;
            EXPECT_NE(text.back(), '\t');
        }
        // Every "=" begins a soft break at the end of the line or an escape of two hex digits.
        for (size_t i = text.find('='); i != std::string::npos; i = text.find('=', i + 1)) {
            if (i + 1 == text.size())
                continue;
            ASSERT_LE(i + 3, text.size()) << text;
            EXPECT_NE(std::string("0123456789ABCDEF").find(text[i + 1]), std::string::npos);
            EXPECT_NE(std::string("0123456789ABCDEF").find(text[i + 2]), std::string::npos);
        }
        if (end == encoded.size())
            break;
    }
}

struct QpCase {
    std::string in, out;
};

void PrintTo(const QpCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.in);
}

class QuotedPrintableTest : public testing::TestWithParam<QpCase> { };

TEST_P(QuotedPrintableTest, EncodesAndDecodesBack)
{
    const std::string encoded = QuotedPrintable(GetParam().in);
    if (!GetParam().out.empty()) {
        EXPECT_EQ(encoded, GetParam().out);
    }
    ExpectWellFormedQuotedPrintable(encoded);
    EXPECT_EQ(DecodeQuotedPrintable(encoded), GetParam().in);
}

INSTANTIATE_TEST_SUITE_P(Texts, QuotedPrintableTest,
    testing::Values(QpCase { "caf\xe9", "caf=E9" }, QpCase { "a=b", "a=3Db" },
        QpCase { "end \r\nx", "end=20\r\nx" }, QpCase { "tab\t\r\n", "tab=09\r\n" },
        QpCase { "in between stays", "in between stays" }, QpCase { "\r\n\r\n", "\r\n\r\n" },
        QpCase { ".\r\n.dot", ".\r\n.dot" }, QpCase { std::string("nul\0!", 5), "nul=00!" },
        // 76 characters fit on a line; the 77th makes a soft break after 75.
        QpCase { std::string(76, 'a'), std::string(76, 'a') },
        QpCase { std::string(77, 'a'), std::string(75, 'a') + "=\r\naa" },
        // An escape is never cut by a soft break.
        QpCase { std::string(74, 'a') + "\xe9\xe9", std::string(74, 'a') + "=\r\n=E9=E9" },
        QpCase { std::string(72, 'a') + "\xe9" + "b", std::string(72, 'a') + "=E9b" },
        QpCase { std::string(73, 'a') + "\xe9" + "b", std::string(73, 'a') + "=\r\n=E9b" },
        QpCase { std::string(3000, 'x') + " \r\n" + std::string(100, '\xe9'), "" },
        QpCase { std::string(200, ' '), "" }));

TEST(MailText, EncodingIsNeededForHighBytesAndOverlongLinesOnly)
{
    EXPECT_FALSE(NeedsQuotedPrintable(""));
    EXPECT_FALSE(NeedsQuotedPrintable("Hello!\r\n.\r\n--x = 100%"));
    EXPECT_FALSE(NeedsQuotedPrintable(std::string(998, 'a') + "\r\n" + std::string(998, 'b')));
    EXPECT_FALSE(NeedsQuotedPrintable(std::string(998, 'a') + "\n" + std::string(998, 'b')));
    EXPECT_TRUE(NeedsQuotedPrintable(std::string(999, 'a')));
    EXPECT_TRUE(NeedsQuotedPrintable("caf\xe9"));
    EXPECT_TRUE(NeedsQuotedPrintable("\x80"));
}

TEST(MailText, AnEncodedTextPartSaysItsCharsetAndEncoding)
{
    CMailForm form;
    form.m_bQuotedText = true;
    EXPECT_EQ(MailTextRows("caf\xe9\nend ", form),
        "This is a multi-part message in MIME format.And your mail-reader doesn't "
        "understand MIME.\r\n"
        "--theboundarybyVelmorant\r\n"
        "Content-Type: text/plain; charset=windows-1252\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "caf=E9\r\nend=20\r\n"
        "\r\n"
        "--theboundarybyVelmorant\r\n");
}

TEST(MailForm, APlainMessageKeepsItsRows)
{
    const CMailForm form = MakeMailForm("Happy birthday", "Hello!\r\n-- \r\nBob", "x.test", 5);
    EXPECT_EQ(form.m_strBoundary, "theboundarybyVelmorant");
    EXPECT_FALSE(form.m_bQuotedText);
    EXPECT_EQ(MailTextRows("Hi", form), MailTextRows("Hi"));
    EXPECT_EQ(MailClosingRows(form), "\r\n--theboundarybyVelmorant--\r\n");
}

TEST(MailForm, TheBoundaryLineInTheTextOrSubjectGivesABoundaryOfItsOwn)
{
    for (auto [subject, text] :
        { std::pair<std::string, std::string> { "Hi", "a\r\n--theboundarybyVelmorant\r\nb" },
            { "Hi", "--theboundarybyVelmorant--" }, { "x --theboundarybyVelmorant", "plain" } }) {
        const CMailForm form = MakeMailForm(subject, text, "x.test", 5);
        const std::string prefix = "theboundarybyVelmorant_";
        ASSERT_EQ(form.m_strBoundary.size(), prefix.size() + 16) << form.m_strBoundary;
        EXPECT_EQ(form.m_strBoundary.compare(0, prefix.size(), prefix), 0);
        EXPECT_EQ(form.m_strBoundary.find_first_not_of("0123456789abcdef", prefix.size()),
            std::string::npos);
        const std::string header = MailHeaderRows("a@x", "b@y", 5, subject, form);
        EXPECT_NE(header.find("boundary=\"" + form.m_strBoundary + "\"\r\n"), std::string::npos);
        EXPECT_NE(MailTextRows(text, form).find("\r\n--" + form.m_strBoundary + "\r\nContent-Type"),
            std::string::npos);
        EXPECT_EQ(MailClosingRows(form), "\r\n--" + form.m_strBoundary + "--\r\n");
    }
    // Each message draws its own.
    EXPECT_NE(MakeMailForm("", "--theboundarybyVelmorant", "x", 5).m_strBoundary,
        MakeMailForm("", "--theboundarybyVelmorant", "x", 5).m_strBoundary);
}

TEST(MailForm, TheMessageIdStandsBesideTheFixedOne)
{
    const CScopedEnv tz("TZ", "UTC0");
    CMailForm form;
    form.m_strMessageId = "<0123456789abcdef.1796738709@x.test>";
    EXPECT_EQ(MailHeaderRows("ann@x", "me@z", 1796738709, "Hi", form),
        "To:ann@x\r\n"
        "From:me@z\r\n"
        "Date: Tue, 08 Dec 2026 14:05:09 +0000\r\n"
        "MESSAGE_ID: <3AB45D459C44CC34A>\r\n"
        "Message-ID: <0123456789abcdef.1796738709@x.test>\r\n"
        "Subject:Hi\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: multipart/mixed; boundary=\"theboundarybyVelmorant\"\r\n"
        "\r\n");
    const std::string id = MakeMessageId(1796738709, "vimble.test");
    ASSERT_EQ(id.size(), 1 + 16 + 1 + 10 + 1 + 11 + 1) << id;
    EXPECT_EQ(id.find_first_not_of("0123456789abcdef", 1), 17u);
    EXPECT_EQ(id.substr(17), ".1796738709@vimble.test>");
    EXPECT_NE(id, MakeMessageId(1796738709, "vimble.test"));
    EXPECT_EQ(MakeMailForm("", "", "d.test", 7).m_strMessageId.substr(17), ".7@d.test>");
}

TEST(MailForm, TheMessageIdNamesTheSendersDomainOrTheHost)
{
    EXPECT_EQ(MessageIdDomain("me@vimble.test", "box"), "vimble.test");
    EXPECT_EQ(MessageIdDomain("a@b@Mail-1.Example.org", "box"), "Mail-1.Example.org");
    EXPECT_EQ(MessageIdDomain("no-domain", "box.lan"), "box.lan");
    EXPECT_EQ(MessageIdDomain("me@[127.0.0.1]", "box"), "box");
    EXPECT_EQ(MessageIdDomain("me@x..y", "bad host"), "localhost");
    EXPECT_EQ(MessageIdDomain("me@", ""), "localhost");
}

TEST(MailForm, RandomHexDigits)
{
    for (size_t n : { 0, 1, 7, 16, 33 }) {
        const std::string hex = RandomHex(n);
        EXPECT_EQ(hex.size(), n);
        EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), std::string::npos);
    }
}

TEST(MailSubject, CodePageLettersGoOutAsEncodedWords)
{
    const std::string rows = MailHeaderRows("a@x", "b@y", 0,
        "Gr\xfc\xdf"
        "e aus K\xf6ln!");
    EXPECT_NE(
        rows.find("\r\nSubject: =?windows-1252?Q?Gr=FC=DFe_aus_K=F6ln!?=\r\n"), std::string::npos)
        << rows;
    EXPECT_NE(
        MailHeaderRows("a@x", "b@y", 0, "plain: a_b=c?").find("\r\nSubject:plain: a_b=c?\r\n"),
        std::string::npos);
}

TEST(MailSubject, ALongSubjectIsFoldedIntoWordsThatFit)
{
    std::string subject;
    for (int i = 0; i < 40; ++i)
        subject += "\xe9t\xe9 ";
    const std::string words = EncodedWords(subject, 76 - 9);
    const std::string line = "Subject: " + words;
    std::string decoded;
    size_t at = 0;
    int lines = 0;
    for (;;) {
        size_t end = line.find("\r\n", at);
        std::string text = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
        EXPECT_LE(text.size(), 76u) << text;
        ++lines;
        if (end == std::string::npos)
            break;
        at = end + 2;
        EXPECT_EQ(line[at], ' ');
    }
    EXPECT_GT(lines, 2);
    // Decoding word by word (the folding between words is not part of the text).
    for (size_t start = words.find("=?windows-1252?Q?"); start != std::string::npos;
         start = words.find("=?windows-1252?Q?", start + 1)) {
        size_t from = start + 17;
        size_t to = words.find("?=", from);
        ASSERT_NE(to, std::string::npos);
        EXPECT_LE(to + 2 - start, 75u);
        for (size_t i = from; i < to; ++i) {
            if (words[i] == '_')
                decoded.push_back(' ');
            else if (words[i] == '=') {
                decoded.push_back(
                    static_cast<char>(std::stoi(words.substr(i + 1, 2), nullptr, 16)));
                i += 2;
            } else
                decoded.push_back(words[i]);
        }
    }
    EXPECT_EQ(decoded, subject);
}

} // namespace

// Messages in every script: subjects, display names, texts and file names in Polish, Russian,
// Japanese, Arabic and emoji, composed into whole messages (the classic one and the one with a
// preview) and read back by Python's MIME parser; encoded words and folded lines as mail bounds
// them; the classic message of a code-page text byte for byte as it always went out; the ASCII
// names made for the bundle's name field and for older readers; names put into greetings.
#include "mail/base64.h"
#include "mail/bundle.h"
#include "mail/contacts.h"
#include "mail/message.h"
#include "mail/personal.h"
#include "mail/transliteration.h"
#include "tests/buildpaths.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <unistd.h>

namespace {

using mailtest::CTempDir;
using mailtest::PatternBytes;
using mailtest::ReferenceBase64;
using mailtest::WriteText;

constexpr std::time_t kStart = 1796738709; // Tue, 08 Dec 2026 14:05:09 UTC
const std::string kPicture("GIF89a\x02\x00\x01\x00xyz", 13);

std::string WithoutCr(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string Replaced(std::string text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// --- A small reader of encoded words, written from RFC 2047 ---------------------------------

int Base64Value(char c)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const size_t at = alphabet.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

std::string FromBase64(const std::string& text)
{
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        const int value = Base64Value(c);
        if (value < 0)
            break;
        bits = bits << 6 | static_cast<uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>(bits >> count & 0xFF));
        }
    }
    return out;
}

int HexValue(char c)
{
    const std::string digits = "0123456789ABCDEF";
    const size_t at = digits.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// "=XX" escapes undone; with bUnderscore "_" is a blank (Q words). False on a bad escape.
bool FromHexEscapes(const std::string& text, bool bUnderscore, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=') {
            if (i + 2 >= text.size())
                return false;
            const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return false;
            out.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            out.push_back(bUnderscore && text[i] == '_' ? ' ' : text[i]);
        }
    }
    return true;
}

struct CWord {
    std::string strCharset;
    std::string strText; // decoded bytes
    size_t nLength = 0; // the word's characters, "=?" to "?="
};

// The encoded words of a header's rows, in order.
std::vector<CWord> WordsOf(const std::string& rows)
{
    std::vector<CWord> words;
    for (size_t at = rows.find("=?"); at != std::string::npos; at = rows.find("=?", at + 2)) {
        const size_t charsetEnd = rows.find('?', at + 2);
        if (charsetEnd == std::string::npos || charsetEnd + 2 >= rows.size()
            || rows[charsetEnd + 2] != '?')
            continue;
        const size_t end = rows.find("?=", charsetEnd + 3);
        if (end == std::string::npos)
            break;
        CWord word;
        word.strCharset = rows.substr(at + 2, charsetEnd - at - 2);
        const char encoding = rows[charsetEnd + 1];
        const std::string payload = rows.substr(charsetEnd + 3, end - charsetEnd - 3);
        if (encoding == 'B')
            word.strText = FromBase64(payload);
        else
            FromHexEscapes(payload, true, word.strText);
        word.nLength = end + 2 - at;
        words.push_back(word);
        at = end;
    }
    return words;
}

// The code points of UTF-8 bytes; false when they are not valid UTF-8.
bool CodePointsOf(const std::string& bytes, std::vector<uint32_t>& points)
{
    points.clear();
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80 ? 1
            : lead >= 0xF0                ? 4
            : lead >= 0xE0                ? 3
            : lead >= 0xC2                ? 2
                                          : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = point << 6 | (next & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return true;
}

// What joins onto the character before it: a combining mark, a variation selector, a skin
// tone, the zero-width joiner.
bool JoinsTheOneBefore(uint32_t point)
{
    return (point >= 0x300 && point <= 0x36F) || (point >= 0xFE00 && point <= 0xFE0F)
        || (point >= 0x1F3FB && point <= 0x1F3FF) || point == 0x200D;
}

// Every encoded word of the header is at most 75 characters, decodes to whole characters by
// itself, and no word ends where a character goes on: with a joiner, or before a mark, a skin
// tone or a joiner.
void ExpectWholeCharactersInWords(const std::string& header)
{
    const std::vector<CWord> words = WordsOf(header);
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_LE(words[i].nLength, 75u) << words[i].strText;
        if (words[i].strCharset != "utf-8")
            continue;
        std::vector<uint32_t> points;
        ASSERT_TRUE(CodePointsOf(words[i].strText, points)) << "word " << i << " of " << header;
        ASSERT_FALSE(points.empty());
        EXPECT_NE(points.back(), 0x200Du) << words[i].strText;
        std::vector<uint32_t> next;
        if (i + 1 < words.size() && CodePointsOf(words[i + 1].strText, next) && !next.empty()) {
            EXPECT_FALSE(JoinsTheOneBefore(next.front()))
                << words[i].strText << " | " << words[i + 1].strText;
        }
    }
}

// --- Whole messages read back by Python ----------------------------------------------------

struct ScriptCase {
    const char* label;
    std::string name; // in To (quoted) and From (as it is)
    std::string subject;
    std::string text;
    std::string project; // the greeting file's name without ".kel"
    std::string shown; // the attachments' name in the message
    std::string ascii; // their plain name for older readers
    bool bFitsCodePage; // the subject, name and text all fit Windows-1252
};

void PrintTo(const ScriptCase& c, std::ostream* os)
{
    *os << c.label;
}

const std::string kLongPolish = "Wszystkiego najlepszego z okazji urodzin, drogi Łukaszu! "
                                "Życzę Ci zdrowia, szczęścia i pomyślności — "
                                "niech każdy dzień przynosi radość, źródło sił i wiele "
                                "uśmiechów. Ściskam mocno, Zośka Żółkiewska-Brzęczyszczykiewicz";

const ScriptCase kScriptCases[] = {
    { "Polish", "Łukasz Żółć", "Wszystkiego najlepszego, Łukasz!",
        "Drogi Łukaszu,\r\nwszystkiego najlepszego!\r\nŻółw Zośka", "Życzenia dla Łukasza",
        "Życzenia_dla_Łukasza", "Zyczenia_dla_Lukasza", false },
    { "Russian", "Алёна Иванова", "С днём рождения, Алёна!",
        "Дорогая Алёна,\r\nпоздравляю тебя!\r\n— Ёжик", "Открытка для Алёны", "Открытка_для_Алёны",
        "Otkrytka_dlya_Aleny", false },
    { "Japanese", "美咲 山田", "お誕生日おめでとうございます、美咲さん！",
        "美咲さんへ\r\nお誕生日おめでとう！", "誕生日カード", "誕生日カード", "dan_sheng_rikado",
        false },
    { "Arabic", "محمد", "عيد ميلاد سعيد يا محمد", "عزيزي محمد،\r\nكل عام وأنت بخير", "بطاقة",
        "بطاقة", "btaqt", false },
    { "Emoji", "Sam 👍🏽",
        "Party 👨‍👩‍👧‍👦🎉🇯🇵 👋🏿 ❤️ e\xcc\x81",
        "👨‍👩‍👧‍👦 + 🎉 = ❤️\r\nSee you 👋🏾", "🎉 Party", "🎉_Party",
        "Party", false },
    { "LongPolish", "Łukasz Grzegorz Żółć-Brzęczyszczykiewicz z Chrząszczyżewoszyc", kLongPolish,
        kLongPolish + "\r\n" + kLongPolish,
        "Bardzo długa nazwa kartki z życzeniami urodzinowymi dla Łukasza Żółcia i całej rodziny",
        "Bardzo_długa_nazwa_kartki_z_życzeniami_urodzinowymi_dla_Łukasza",
        "Bardzo_dluga_nazwa_kartki_z_zyczeniami_urodzinowymi_dla_Lukasza", false },
    { "LongJapanese", "山田 美咲",
        "お誕生日おめでとうございます。素敵な一年になりますように。"
        "これからもよろしくお願いします。みんなより🎂🎉",
        "お誕生日おめでとうございます。", "お誕生日おめでとうございます",
        "お誕生日おめでとうございます", "o_dan_sheng_riomedetougozaimasu", false },
    { "CodePage", "Renée Müller", "Grüße aus Köln – schöne Ferien! € 20",
        "Chère Renée,\r\n€ 20 = «prix»\r\nBob", "Fête", "Fête", "Fete", true },
};

class ScriptMessageTest : public testing::TestWithParam<std::tuple<ScriptCase, bool>> {
protected:
    // The message as the worker sends it: with a preview, the text, the HTML, the picture and
    // the video; in both forms the player's attachment last.
    std::string Compose(const ScriptCase& c, bool bPreview, CMailForm& form) const
    {
        const std::string to = "\"" + c.name + "\" <ann@vimble.test>, bob@vimble.test";
        const std::string from = c.name + " <me@vimble.test>";
        form = MakeMailForm(c.subject, c.text, "vimble.test", kStart, bPreview, true);
        const std::string shown = AttachmentName("/tmp/x/" + c.project + ".kel");
        const std::string ascii = AttachmentStem("/tmp/x/" + c.project + ".kel");
        if (bPreview)
            form.m_strVideoName = shown + ".mp4";
        std::string message = MailHeaderRows(to, from, kStart, c.subject, form);
        message += MailBodyRows(c.text, form, bPreview ? kPicture : std::string());
        if (bPreview) {
            message += MailFilePartHeader("video/mp4", shown + ".mp4", ascii + ".mp4")
                + ReferenceBase64(PatternBytes(300, 1)) + MailPartSeparator(form);
        }
        message += Mime64Header(shown + ".exe", ascii + ".exe")
            + ReferenceBase64(PatternBytes(200, 2)) + MailClosingRows(form);
        return message;
    }

    CTempDir m_dir;
};

TEST_P(ScriptMessageTest, PythonReadsEveryTextBackExactly)
{
    const auto& [c, bPreview] = GetParam();
    if (::access("/usr/bin/python3", X_OK) != 0)
        GTEST_SKIP() << "python3 is needed to read the message";
    const std::string project = "/tmp/x/" + c.project + ".kel";
    EXPECT_EQ(AttachmentName(project), c.shown);
    EXPECT_EQ(AttachmentStem(project), c.ascii);
    CMailForm form;
    const std::string message = Compose(c, bPreview, form);
    const std::string header = message.substr(0, message.find("\r\n\r\n") + 2);
    ExpectWholeCharactersInWords(header);
    for (unsigned char byte : message)
        ASSERT_LT(byte, 128u) << "the message is 7-bit";

    std::string unused;
    auto found = mailtest::ParseWithScript(built::kParseTextsScript, message, m_dir.Path(), unused);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_LE(std::stoul(found["longest-header-line"]), 78u) << header;
    // Python takes the first of "filename*" and the plain "filename" and notes the second as a
    // duplicate; nothing else may be wrong.
    const std::string duplicate = "Content-Disposition:duplicate parameter name";
    const std::string& defects = found["defects"];
    for (size_t at = 0; at < defects.size();) {
        const size_t end = std::min(defects.find('|', at), defects.size());
        EXPECT_EQ(defects.compare(at, duplicate.size(), duplicate), 0) << defects;
        at = end + 1;
    }

    EXPECT_EQ(found["subject"], c.subject);
    EXPECT_EQ(found["To:count"], "2");
    EXPECT_EQ(found["To:0:name"], c.name);
    EXPECT_EQ(found["To:0:address"], "ann@vimble.test");
    EXPECT_EQ(found["To:1:name"], "");
    EXPECT_EQ(found["To:1:address"], "bob@vimble.test");
    EXPECT_EQ(found["From:count"], "1");
    EXPECT_EQ(found["From:0:name"], c.name);
    EXPECT_EQ(found["From:0:address"], "me@vimble.test");

    const std::string charset = c.bFitsCodePage && !bPreview ? "windows-1252" : "utf-8";
    const std::string text = WithoutCr(c.text) + "\n";
    ASSERT_EQ(found["leaves"], bPreview ? "5" : "2");
    EXPECT_EQ(found["leaf0:type"], "text/plain");
    EXPECT_EQ(found["leaf0:charset"], charset);
    EXPECT_EQ(WithoutCr(found["leaf0:content"]), text);
    int next = 1;
    if (bPreview) {
        EXPECT_EQ(found["leaf1:type"], "text/html");
        EXPECT_EQ(found["leaf1:charset"], "utf-8");
        const std::string html = WithoutCr(found["leaf1:content"]);
        EXPECT_NE(html.find("charset=utf-8"), std::string::npos) << html;
        EXPECT_NE(html.find("<p>" + Replaced(WithoutCr(c.text), "\n", "<br>\n") + "</p>"),
            std::string::npos)
            << html;
        EXPECT_NE(html.find("The attached video " + c.shown + ".mp4 plays"), std::string::npos)
            << html;
        EXPECT_EQ(found["leaf2:type"], "image/gif");
        EXPECT_EQ(found["leaf2:filename"], "greeting.gif");
        EXPECT_EQ(found["leaf3:type"], "video/mp4");
        EXPECT_EQ(found["leaf3:filename"], c.shown + ".mp4");
        EXPECT_EQ(found["leaf3:bytes"], "300");
        next = 4;
    }
    const std::string leaf = "leaf" + std::to_string(next) + ":";
    EXPECT_EQ(found[leaf + "type"], "application/octet-stream");
    EXPECT_EQ(found[leaf + "filename"], c.shown + ".exe");
    EXPECT_EQ(found[leaf + "bytes"], "200");
    // Readers that know only plain names find the ASCII one in both header lines.
    EXPECT_NE(message.find(" name=\"" + c.ascii + ".exe\"\r\n"), std::string::npos);
    EXPECT_NE(message.find(";\r\n filename=\"" + c.ascii + ".exe\"\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptMessageTest,
    testing::Combine(testing::ValuesIn(kScriptCases), testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<ScriptCase, bool>>& info) {
        return std::string(std::get<0>(info.param).label)
            + (std::get<1>(info.param) ? "WithPreview" : "Classic");
    });

// --- The classic message -------------------------------------------------------------------

// A subject, text and names that fit the code page go out exactly as earlier versions sent
// them (these bytes were taken from the program before it took texts in UTF-8).
TEST(ClassicMessage, ACodePageTextGoesOutByteForByteAsItAlwaysDid)
{
    const CScopedEnv tz("TZ", "UTC0");
    const std::string subject
        = "Grüße aus Köln – schöne Ferien und alles Gute, Renée! € 100 für dich";
    const std::string text = "Chère Ann,\n€ 20 = «prix»  \n.\r\nBob";
    CMailForm form;
    form.m_bQuotedText = NeedsQuotedPrintable(text);
    form.m_strMessageId = "<0123456789abcdef.1796738709@x.test>";
    const std::string message = MailHeaderRows("ann@x, bob@y", "me@z", kStart, subject, form)
        + MailTextRows(text, form) + Mime64Header("party.exe") + "QUJD\r\n" + MailClosingRows(form);
    EXPECT_EQ(message,
        "To:ann@x, bob@y\r\n"
        "From:me@z\r\n"
        "Date: Tue, 08 Dec 2026 14:05:09 +0000\r\n"
        "MESSAGE_ID: <3AB45D459C44CC34A>\r\n"
        "Message-ID: <0123456789abcdef.1796738709@x.test>\r\n"
        "Subject: =?windows-1252?Q?Gr=FC=DFe_aus_K=F6ln_=96_sch=F6ne_Ferien_und_all?=\r\n"
        " =?windows-1252?Q?es_Gute=2C_Ren=E9e!_=80_100_f=FCr_dich?=\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: multipart/mixed; boundary=\"theboundarybyVelmorant\"\r\n"
        "\r\n"
        "This is a multi-part message in MIME format.And your mail-reader doesn't understand "
        "MIME.\r\n"
        "--theboundarybyVelmorant\r\n"
        "Content-Type: text/plain; charset=windows-1252\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "Ch=E8re Ann,\r\n"
        "=80 20 =3D =ABprix=BB =20\r\n"
        ".\r\n"
        "Bob\r\n"
        "\r\n"
        "--theboundarybyVelmorant\r\n"
        "Content-Type: application/octet-stream; name=party.exe\r\n"
        "Content-transfer-encoding: base64\r\n"
        "Content-Disposition: attachment; filename=party.exe\r\n"
        "\r\n"
        "QUJD\r\n"
        "\r\n"
        "--theboundarybyVelmorant--\r\n");
}

// One character outside the code page sends that text in UTF-8; the others keep the code page.
TEST(ClassicMessage, ATextOutsideTheCodePageGoesOutInUtf8)
{
    const std::string text = "Cześć Ann!";
    const CMailForm form = MakeMailForm("Grüße", text, "x.test", kStart);
    EXPECT_NE(MailTextRows(text, form)
                  .find("Content-Type: text/plain; charset=utf-8\r\n"
                        "Content-Transfer-Encoding: quoted-printable\r\n"
                        "\r\n"
                        "Cze=C5=9B=C4=87 Ann!\r\n"),
        std::string::npos);
    const std::string rows = MailHeaderRows("ann@x", "me@z", kStart, "Grüße", form);
    EXPECT_NE(rows.find("\r\nSubject: =?windows-1252?Q?Gr=FC=DFe?=\r\n"), std::string::npos)
        << rows;
    const std::string words = MailHeaderRows("ann@x", "me@z", kStart, "Cześć", form);
    ASSERT_EQ(WordsOf(words).size(), 1u) << words;
    EXPECT_EQ(WordsOf(words)[0].strCharset, "utf-8");
    EXPECT_EQ(WordsOf(words)[0].strText, "Cześć");
}

// ASCII names, subjects and file names stand as typed.
TEST(ClassicMessage, PlainAsciiStaysAsTyped)
{
    const std::string rows = MailHeaderRows(
        "Ann Smith <ann@x>, \"Bob, Jr.\" <bob@y>", "Me <me@z>", kStart, "Hi = you?", {});
    EXPECT_NE(rows.find("To:Ann Smith <ann@x>, \"Bob, Jr.\" <bob@y>\r\nFrom:Me <me@z>\r\n"),
        std::string::npos)
        << rows;
    EXPECT_NE(rows.find("\r\nSubject:Hi = you?\r\n"), std::string::npos);
    EXPECT_EQ(MailFilePartHeader("video/mp4", "Happy \"B\".mp4"),
        "Content-Type: video/mp4; name=\"Happy \\\"B\\\".mp4\"\r\n"
        "Content-Transfer-Encoding: base64\r\n"
        "Content-Disposition: attachment; filename=\"Happy \\\"B\\\".mp4\"\r\n"
        "\r\n");
}

// A display name among others keeps its mailbox's address, and each mailbox its separator;
// each name takes the code page when it fits it, else UTF-8.
TEST(ClassicMessage, OnlyTheDisplayNamesAreEncoded)
{
    const std::string rows = MailHeaderRows(
        "Żaneta <z@x>; ann@y, \"Ann, Ł.\" <a@z>, Renée <r@x>, Ђорђе", "me@z", kStart, "Hi", {});
    ASSERT_EQ(rows.compare(0, 4, "To: "), 0) << rows;
    const std::string row = rows.substr(0, rows.find("\r\nFrom:me@z\r\n"));
    EXPECT_NE(row.find("?= <z@x>; ann@y,"), std::string::npos) << row;
    EXPECT_NE(row.find("?= <a@z>,"), std::string::npos) << row;
    EXPECT_NE(row.find("?= <r@x>,"), std::string::npos) << row;
    const std::vector<CWord> words = WordsOf(row);
    ASSERT_EQ(words.size(), 4u) << row;
    EXPECT_EQ(words[0].strCharset, "utf-8");
    EXPECT_EQ(words[0].strText, "Żaneta");
    EXPECT_EQ(words[1].strText, "Ann, Ł.");
    EXPECT_EQ(words[2].strCharset, "windows-1252");
    EXPECT_EQ(words[2].strText,
        "Ren\xe9"
        "e");
    EXPECT_EQ(words[3].strText, "Ђорђе");
}

// --- Soft breaks and encoded words --------------------------------------------------------

// A soft break of quoted-printable UTF-8 never falls inside a character.
TEST(Utf8Text, ASoftBreakNeverCutsACharacter)
{
    std::string line;
    for (int i = 0; i < 60; ++i)
        line += "ż🎉a";
    const std::string encoded = QuotedPrintable(line + "\r\n" + line, true);
    std::string whole;
    for (size_t at = 0; at < encoded.size();) {
        size_t end = encoded.find("\r\n", at);
        if (end == std::string::npos)
            end = encoded.size();
        std::string piece = encoded.substr(at, end - at);
        EXPECT_LE(piece.size(), 76u);
        const bool soft = !piece.empty() && piece.back() == '=';
        if (soft)
            piece.pop_back();
        std::string bytes;
        ASSERT_TRUE(FromHexEscapes(piece, false, bytes)) << piece;
        std::vector<uint32_t> points;
        EXPECT_TRUE(CodePointsOf(bytes, points)) << piece;
        whole += bytes + (soft || end == encoded.size() ? "" : "\r\n");
        at = end + 2;
    }
    EXPECT_EQ(whole, line + "\r\n" + line);
}

// A subject of one script takes the shorter encoding, and a character too long for a word of
// its own (a family of joined emoji) is the only one split, at its code points.
TEST(Utf8Text, WordsTakeTheShorterEncodingAndWholeCharacters)
{
    EXPECT_NE(EncodedWords("Łukasz", 67, false).find("=?utf-8?Q?=C5=81ukasz?="), std::string::npos);
    EXPECT_EQ(EncodedWords("山田", 67, false), "=?utf-8?B?5bGx55Sw?=");
    const std::string family = "👨‍👩‍👧‍👦";
    const std::vector<std::string> words = EncodedWordList(family, 75, charsetUtf8);
    ASSERT_EQ(words.size(), 1u) << "B holds the family in one word";
    EXPECT_EQ(FromBase64(words[0].substr(10, words[0].size() - 12)), family);
}

// --- ASCII for the places that hold nothing else -------------------------------------------

struct TransliterationCase {
    std::string in;
    std::string out;
};

void PrintTo(const TransliterationCase& c, std::ostream* os)
{
    *os << c.out;
}

class TransliterationTest : public testing::TestWithParam<TransliterationCase> { };

TEST_P(TransliterationTest, SpellsTheTextInAsciiLetters)
{
    const std::string ascii = AsciiTransliteration(GetParam().in);
    EXPECT_EQ(ascii, GetParam().out);
    for (unsigned char c : ascii)
        EXPECT_LT(c, 128u);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TransliterationTest,
    testing::Values(TransliterationCase { "Łukasz Żółć", "Lukasz Zolc" },
        TransliterationCase { "Straße", "Strasse" },
        TransliterationCase { "Æsop Œuvre", "AEsop OEuvre" },
        TransliterationCase { "Алёна Иванова", "Alena Ivanova" },
        TransliterationCase { "Щукин Жуков", "Shchukin Zhukov" },
        TransliterationCase { "Αλέξανδρος Παπαδόπουλος", "Alexandros Papadopoulos" },
        TransliterationCase { "美咲 山田", "mei xiao shan tian" },
        TransliterationCase { "みさき", "misaki" }, TransliterationCase { "محمد", "mhmd" },
        TransliterationCase { "Sam 👍🏽", "Sam" },
        TransliterationCase { "🎉 Party 👨‍👩‍👧‍👦 time", "Party time" },
        TransliterationCase { "€ 20", "EUR 20" },
        TransliterationCase { "Plain: a_b?", "Plain: a_b?" },
        TransliterationCase { "caf\xe9", "cafe" }, TransliterationCase { "", "" }));

// The bundle's name field holds single bytes: the transliteration of the name, its first eight.
TEST(ScriptNames, TheBundleNameFieldIsAscii)
{
    CTempDir dir;
    WriteText(dir / "play.exe", "PLAYER");
    WriteText(dir / "copy.tmp", "KEL");
    for (auto [name, field, length] :
        { std::tuple<std::string, std::string, uint32_t> { "Łukasz Żółć", "Lukasz Z", 11 },
            { "美咲", "mei xiao", 8 }, { "Ёж", "Yezh", 4 } }) {
        const std::string output = dir / (name + ".kel");
        ASSERT_TRUE(BuildBundle(bundleTwoPieces, dir / "play.exe", dir / "copy.tmp", {}, output));
        CBundleTrailer trailer;
        ASSERT_TRUE(ReadBundleTrailer(output, trailer));
        EXPECT_EQ(trailer.m_strName, field);
        EXPECT_EQ(trailer.m_nNameLength, length);
    }
}

struct StemCase {
    std::string project;
    std::string ascii;
    std::string shown;
};

void PrintTo(const StemCase& c, std::ostream* os)
{
    *os << c.ascii;
}

class StemTest : public testing::TestWithParam<StemCase> { };

TEST_P(StemTest, TheAttachmentHasAnAsciiNameAndOneInItsScript)
{
    const std::string path = "/tmp/x/" + GetParam().project + ".kel";
    EXPECT_EQ(AttachmentStem(path), GetParam().ascii);
    EXPECT_EQ(AttachmentName(path), GetParam().shown);
}

std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Names, StemTest,
    testing::Values(StemCase { "Happy Birthday", "Happy_Birthday", "Happy_Birthday" },
        StemCase { "Łukasz Żółć", "Lukasz_Zolc", "Łukasz_Żółć" },
        StemCase { "Алёна, Иванова!", "Alena_Ivanova", "Алёна_Иванова" },
        StemCase { "美咲 山田", "mei_xiao_shan_tian", "美咲_山田" },
        StemCase { "محمد", "mhmd", "محمد" },
        StemCase { "🎉 Party 👍🏽", "Party", "🎉_Party_👍🏽" },
        StemCase { "Été à Zürich", "Ete_a_Zurich", "Été_à_Zürich" },
        StemCase { "!!!", "greeting", "greeting" },
        StemCase { Repeated("ż", 100), Repeated("z", 64), Repeated("ż", 64) },
        // 25 bytes each: seven fit the 180 bytes of a name.
        StemCase { Repeated("👨‍👩‍👧‍👦", 10), "greeting",
            Repeated("👨‍👩‍👧‍👦", 7) }));

// mime64 gives its part the name it is asked for; the file's own plain name is the fallback.
TEST(ScriptNames, Mime64NamesThePartAsAsked)
{
    CTempDir dir;
    const std::string input = dir / "Zyczenia.exe", output = dir / "out.mim";
    WriteText(input, "MZ");
    const char* named[] = { "mime64", "-e", input.c_str(), output.c_str(), "Życzenia.exe" };
    ASSERT_EQ(mime64(5, named), 0);
    EXPECT_EQ(mailtest::ReadText(output),
        "Content-Type: application/octet-stream; name=\"Zyczenia.exe\"\r\n"
        "Content-transfer-encoding: base64\r\n"
        "Content-Disposition: attachment;\r\n"
        " filename*=utf-8''%C5%BByczenia.exe;\r\n"
        " filename=\"Zyczenia.exe\"\r\n"
        "\r\n"
        "TVo=\r\n");
    const char* unnamed[] = { "mime64", "-e", input.c_str(), output.c_str() };
    ASSERT_EQ(mime64(4, unnamed), 0);
    EXPECT_EQ(mailtest::ReadText(output),
        "Content-Type: application/octet-stream; name=Zyczenia.exe\r\n"
        "Content-transfer-encoding: base64\r\n"
        "Content-Disposition: attachment; filename=Zyczenia.exe\r\n"
        "\r\n"
        "TVo=\r\n");
}

// --- Names put into greetings ------------------------------------------------------------

TEST(ScriptNames, PlaceholdersKeepEveryCharacter)
{
    CContactBook contacts;
    CContact alena;
    alena.m_strName = "Алёна Иванова";
    alena.m_addresses = { "alena@vimble.test" };
    contacts.Add(alena);
    CContact misaki;
    misaki.m_strName = "美咲　山田"; // with an ideographic space
    misaki.m_addresses = { "misaki@vimble.test" };
    contacts.Add(misaki);

    const CRecipientName name = NameOf("alena@vimble.test", contacts);
    EXPECT_EQ(name.m_strName, "Алёна Иванова");
    EXPECT_EQ(name.m_strFirst, "Алёна");
    EXPECT_EQ(FillPlaceholders("Для {name}: с днём рождения, {first}! 🎂", name),
        "Для Алёна Иванова: с днём рождения, Алёна! 🎂");
    EXPECT_EQ(NameOf("misaki@vimble.test", contacts).m_strFirst, "美咲");
    EXPECT_EQ(NameOf("łukasz@vimble.test", contacts).m_strName, "łukasz");
}

} // namespace

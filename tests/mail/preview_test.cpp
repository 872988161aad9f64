// The greeting shown inside the message: the rows of the multipart/alternative part (the text
// part as always, then the HTML and the inline GIF it shows by Content-ID), the plain message
// unchanged when there is no picture, the message without an attachment, what Python's MIME
// parser reads in such a message, and the picture made from a greeting's file.
#include "mail/base64.h"
#include "mail/mailmedia.h"
#include "mail/message.h"
#include "mail/preview.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/language.h"
#include "platform/settings.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/buildpaths.h"
#include "translations/translator.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <thread>
#include <unistd.h>

namespace {

using mailtest::CTempDir;
using mailtest::EnsureGuiApplication;
using mailtest::Exists;
using mailtest::ListDir;
using mailtest::PatternBytes;
using mailtest::ReadText;
using mailtest::WriteText;

constexpr char kTo[] = "ann@vimble.test";
constexpr char kFrom[] = "me@vimble.test";
constexpr std::time_t kStart = 1765000000;

// A GIF of frames 40 x 30 pixels, each a box further right, shown 120 ms each.
std::string SmallGif(int frames)
{
    std::vector<QImage> pictures;
    platform::CGifPalette palette;
    for (int i = 0; i < frames; ++i) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 10; y < 20; ++y)
            for (int x = 0; x < 6; ++x)
                picture.setPixel(2 + 5 * i + x, y, qRgb(200, 30, 30));
        palette.AddFrame(picture);
        pictures.push_back(picture);
    }
    platform::CGifWriter writer(40, 30, palette.Choose(), 0);
    for (const QImage& picture : pictures)
        writer.AddFrame(picture, 120);
    const std::vector<uint8_t> bytes = writer.Finish();
    return std::string(bytes.begin(), bytes.end());
}

std::string Decoded(const std::string& base64)
{
    CBase64Decoder decoder;
    std::string out;
    decoder.Put(base64.data(), base64.size(), out);
    return out;
}

// Every line of the rows ends in "\r\n" and holds at most 998 bytes.
void ExpectMailLines(const std::string& rows)
{
    size_t start = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == '\r') {
            ASSERT_TRUE(i + 1 < rows.size() && rows[i + 1] == '\n') << "a lone CR at " << i;
        } else if (rows[i] == '\n') {
            ASSERT_TRUE(i > 0 && rows[i - 1] == '\r') << "a lone LF at " << i;
            EXPECT_LE(i - 1 - start, 998u) << "the line at " << start;
            start = i + 1;
        }
    }
    EXPECT_EQ(start, rows.size()) << "the rows end inside a line";
}

// The bytes between the line "--" + boundary and the next line starting with "--" + boundary.
std::string PartAfter(const std::string& rows, const std::string& boundary, size_t nth = 0)
{
    const std::string line = "\r\n--" + boundary + "\r\n";
    size_t at = 0;
    for (size_t i = 0; i <= nth; ++i) {
        at = rows.find(line, i == 0 ? 0 : at + 1);
        if (at == std::string::npos)
            return {};
    }
    const size_t start = at + line.size();
    const size_t end = rows.find("\r\n--" + boundary, start);
    return end == std::string::npos ? std::string() : rows.substr(start, end - start);
}

// What parse_preview.py reads in a message: key to value bytes; in attachment the decoded
// attachment. "error" holds what Python said when it failed.
std::map<std::string, std::string> ReadWithPython(
    const std::string& message, const std::string& folder, std::string& attachment)
{
    if (::access("/usr/bin/python3", X_OK) != 0)
        return { { "error", "python3 is needed to read the message" } };
    return mailtest::ParseWithScript(built::kParsePreviewScript, message, folder, attachment);
}

// The whole message as the worker sends it, doubled full stops taken away again as the server
// does: header, body rows, then (with an attachment) the attachment part and the closing rows.
std::string WholeMessage(const std::string& subject, const std::string& text, const CMailForm& form,
    const std::string& picture, const std::string& attachment)
{
    std::string message = MailHeaderRows(kTo, kFrom, kStart, subject, form);
    message += MailBodyRows(text, form, picture);
    if (form.m_bAttachment) {
        message += Mime64Header("card.exe") + mailtest::ReferenceBase64(attachment);
        message += MailClosingRows(form);
    }
    std::string wire;
    CMailDataStream stream([&](const char* data, size_t size) {
        wire.append(data, size);
        return true;
    });
    stream.Write(message);
    stream.Flush();
    return mailtest::Unstuff(wire);
}

std::string WithoutCr(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string Repeated(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// --- The rows of a message without a picture ---------------------------------------------

// Without a picture the body is the text part the message always had, byte for byte.
TEST(PlainBody, IsExactlyTheTextRows)
{
    EXPECT_EQ(MailTextRows("Hi Ann,\nsee you.\r\nBob"),
        "This is a multi-part message in MIME format.And your mail-reader doesn't understand "
        "MIME.\r\n"
        "--theboundarybyVelmorant\r\n"
        "Content-Type: text/plain; charset=us-ascii\r\n"
        "Content-Transfer-Encoding: 7bit\r\n"
        "\r\n"
        "Hi Ann,\r\nsee you.\r\nBob\r\n"
        "\r\n"
        "--theboundarybyVelmorant\r\n");
    const std::string texts[] = { "", "Hi Ann,\r\n.\r\nBob", "café = 100%",
        "x\r\n--theboundarybyVelmorant\r\ny", Repeated("long ", 300) };
    for (const std::string& text : texts) {
        const CMailForm old = MakeMailForm("Hello", text, "vimble.test", kStart);
        const CMailForm form = MakeMailForm("Hello", text, "vimble.test", kStart, false, true);
        EXPECT_EQ(MailBodyRows(text, old), MailTextRows(text, old)) << text;
        EXPECT_EQ(MailBodyRows(text, form), MailTextRows(text, form)) << text;
        EXPECT_EQ(MailBodyRows(text, form, "GIF89a unused"), MailTextRows(text, form)) << text;
    }
}

// The six-argument form without a picture and with the attachment decides everything as the
// four-argument one does: the boundary, the text's encoding, the message id's shape.
TEST(PlainBody, TheFormWithoutPictureIsTheOldForm)
{
    const std::string texts[] = { "Hello", "café", "a\r\n--theboundarybyVelmorant--\r\nb" };
    for (const std::string& text : texts) {
        const CMailForm old = MakeMailForm("Subject", text, "vimble.test", kStart);
        const CMailForm form = MakeMailForm("Subject", text, "vimble.test", kStart, false, true);
        EXPECT_EQ(form.m_strBoundary == kMailBoundary, old.m_strBoundary == kMailBoundary);
        EXPECT_EQ(form.m_strBoundary.size(), old.m_strBoundary.size());
        EXPECT_EQ(form.m_bQuotedText, old.m_bQuotedText);
        EXPECT_EQ(form.m_strMessageId.size(), old.m_strMessageId.size());
        EXPECT_NE(form.m_strMessageId.find("." + std::to_string(kStart) + "@vimble.test>"),
            std::string::npos);
        EXPECT_FALSE(form.m_bPreview);
        EXPECT_TRUE(form.m_bAttachment);
        EXPECT_TRUE(form.m_strAlternativeBoundary.empty());
        EXPECT_TRUE(form.m_strRelatedBoundary.empty());
        EXPECT_TRUE(form.m_strPictureId.empty());
        EXPECT_FALSE(old.m_bPreview);
        EXPECT_TRUE(old.m_bAttachment);
    }
}

// Without the attachment the text part is the last part, and the closing boundary follows it.
TEST(PlainBody, WithoutTheAttachmentTheRowsEndTheMessage)
{
    CMailForm form = MakeMailForm("Hello", "Hi", "vimble.test", kStart, false, false);
    EXPECT_FALSE(form.m_bAttachment);
    const std::string rows = MailBodyRows("Hi", form);
    const std::string withAttachment = MailTextRows("Hi", form);
    ASSERT_GT(withAttachment.size(), 26u);
    EXPECT_EQ(rows, withAttachment.substr(0, withAttachment.size() - 2) + "--\r\n"); // "--B" + "--"
    const std::string end = "Hi\r\n\r\n--theboundarybyVelmorant--\r\n";
    ASSERT_GT(rows.size(), end.size());
    EXPECT_EQ(rows.substr(rows.size() - end.size()), end);
}

// --- The rows of a message with the picture ----------------------------------------------

CMailForm FixedPreviewForm(bool bAttachment)
{
    CMailForm form;
    form.m_bPreview = true;
    form.m_bAttachment = bAttachment;
    form.m_strAlternativeBoundary = "ALT";
    form.m_strRelatedBoundary = "REL";
    form.m_strPictureId = "pic@x";
    return form;
}

// The alternative holds the text part as always, then the related part: the HTML, then the
// picture in base64 with its Content-ID, shown inline.
TEST(PreviewBody, IsLaidOutPartByPart)
{
    const std::string text = "Hi & <you>\r\nBob";
    const std::string picture = std::string("GIF89a\x02\x00\x01\x00xyz", 13);
    for (bool bAttachment : { true, false }) {
        const CMailForm form = FixedPreviewForm(bAttachment);
        const std::string expected
            = "This is a multi-part message in MIME format.And your mail-reader doesn't "
              "understand MIME.\r\n"
              "--theboundarybyVelmorant\r\n"
              "Content-Type: multipart/alternative; boundary=\"ALT\"\r\n"
              "\r\n"
              "--ALT\r\n"
              "Content-Type: text/plain; charset=us-ascii\r\n"
              "Content-Transfer-Encoding: 7bit\r\n"
              "\r\n"
              "Hi & <you>\r\nBob\r\n"
              "\r\n"
              "--ALT\r\n"
              "Content-Type: multipart/related; boundary=\"REL\"; type=\"text/html\"\r\n"
              "\r\n"
              "--REL\r\n"
              "Content-Type: text/html; charset=utf-8\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
            + QuotedPrintable(MailHtmlText(text, "pic@x", 2, 1), true)
            + "\r\n"
              "--REL\r\n"
              "Content-Type: image/gif\r\n"
              "Content-Transfer-Encoding: base64\r\n"
              "Content-ID: <pic@x>\r\n"
              "Content-Disposition: inline; filename=\"greeting.gif\"\r\n"
              "\r\n"
              "R0lGODlhAgABAHh5eg==\r\n"
              "--REL--\r\n"
              "\r\n"
              "--ALT--\r\n"
              "\r\n"
            + (bAttachment ? "--theboundarybyVelmorant\r\n" : "--theboundarybyVelmorant--\r\n");
        EXPECT_EQ(MailBodyRows(text, form, picture), expected);
    }
}

// The text part inside the alternative is the one MailTextRows writes, in both encodings.
TEST(PreviewBody, HoldsTheTextPartAsAlwaysWritten)
{
    const std::string texts[] = { "Hello Ann", "Chère Ann,\r\nété = summer  \r\nBob" };
    for (const std::string& text : texts) {
        CMailForm form = MakeMailForm("Hi", text, "vimble.test", kStart, true, true);
        const std::string plain = PartAfter(MailTextRows(text, form), form.m_strBoundary);
        const std::string inside
            = PartAfter(MailBodyRows(text, form, SmallGif(2)), form.m_strAlternativeBoundary);
        ASSERT_FALSE(plain.empty());
        EXPECT_EQ(inside, plain);
    }
}

// The HTML says what HTML gives meaning to as entities, keeps the letters and the lines, and
// shows the picture by its Content-ID at its size.
TEST(PreviewBody, TheHtmlEscapesTheTextAndShowsThePicture)
{
    const std::string html
        = MailHtmlText("café <b>&</b> \"q\"\r\nline two\nthree\rfour", "id.1@x", 616, 462);
    EXPECT_NE(html.find("<img src=\"cid:id.1@x\" alt=\"The greeting\" width=\"616\" "
                        "height=\"462\">"),
        std::string::npos)
        << html;
    EXPECT_NE(html.find("<p>café &lt;b&gt;&amp;&lt;/b&gt; &quot;q&quot;<br>\r\nline two<br>\r\n"
                        "three<br>\r\nfour</p>\r\n"),
        std::string::npos)
        << html;
    EXPECT_NE(html.find("charset=utf-8"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    ExpectMailLines(html);
    EXPECT_EQ(MailHtmlText("x", "i@x").find("width="), std::string::npos);

    // In the message the HTML goes out as quoted-printable: the letter as its UTF-8 bytes.
    CMailForm form = FixedPreviewForm(true);
    const std::string related = PartAfter(MailBodyRows("café <&>", form, SmallGif(1)), "REL");
    EXPECT_NE(related.find("caf=C3=A9 &lt;&amp;&gt;"), std::string::npos) << related;
    EXPECT_EQ(related.find('\xc3'), std::string::npos);
}

// The boundaries and the picture's id are new for every message, none begins with another or
// with the message's boundary, and no text holds them, not even a text made to look like them.
TEST(PreviewBody, BoundariesAndIdAreUnknownToTheTexts)
{
    const std::string subject = "--alternativebyVelmorant_ --relatedbyVelmorant_";
    const std::string text = "a\r\n--theboundarybyVelmorant\r\n--alternativebyVelmorant\r\n"
                             "--relatedbyVelmorant_0123456789abcdef\r\ncid:greeting.";
    std::vector<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        const CMailForm form = MakeMailForm(subject, text, "vimble.test", kStart, true, true);
        EXPECT_TRUE(form.m_bPreview);
        EXPECT_TRUE(form.m_bAttachment);
        const std::string tokens[]
            = { form.m_strBoundary, form.m_strAlternativeBoundary, form.m_strRelatedBoundary };
        EXPECT_EQ(form.m_strAlternativeBoundary.rfind("alternativebyVelmorant_", 0), 0u);
        EXPECT_EQ(form.m_strRelatedBoundary.rfind("relatedbyVelmorant_", 0), 0u);
        EXPECT_EQ(form.m_strAlternativeBoundary.size(), 23u + 16u);
        EXPECT_EQ(form.m_strRelatedBoundary.size(), 19u + 16u);
        EXPECT_EQ(form.m_strPictureId.rfind("greeting.", 0), 0u);
        EXPECT_EQ(form.m_strPictureId.substr(form.m_strPictureId.size() - 12), "@vimble.test");
        for (const std::string& a : tokens) {
            EXPECT_EQ(text.find(a), std::string::npos) << a;
            EXPECT_EQ(subject.find(a), std::string::npos) << a;
            for (const std::string& b : tokens) {
                if (&a != &b) {
                    EXPECT_NE(b.rfind(a, 0), 0u) << a << " begins " << b;
                }
            }
        }
        EXPECT_EQ(text.find(form.m_strPictureId), std::string::npos);
        // The message's own boundary left the text's copy of the usual one behind.
        EXPECT_NE(form.m_strBoundary, kMailBoundary);
        const std::string rows = MailBodyRows(text, form, SmallGif(1));
        for (const std::string& a : tokens) {
            // Exactly the boundary lines the layout has: the mixed one opens the first part and
            // the attachment; the others open two parts and close once.
            size_t count = 0;
            for (size_t at = rows.find("--" + a); at != std::string::npos;
                 at = rows.find("--" + a, at + 1))
                ++count;
            EXPECT_EQ(count, &a == &tokens[0] ? 2u : 3u) << a;
        }
        seen.push_back(form.m_strAlternativeBoundary);
        seen.push_back(form.m_strRelatedBoundary);
        seen.push_back(form.m_strPictureId);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
}

// Every line ends in CR LF and fits the mail's limit, whatever the text's lines; the picture's
// base64 lines hold 76 characters and give the picture back.
TEST(PreviewBody, EveryLineFitsAndThePictureComesBack)
{
    const std::string text = Repeated("café ", 700) + "\n" + Repeated("x", 3000) + "\r.\r\n";
    for (size_t size : { 0u, 1u, 2u, 3u, 56u, 57u, 58u, 100000u }) {
        const std::string picture = "GIF89a" + PatternBytes(size, static_cast<uint32_t>(size));
        CMailForm form = MakeMailForm("Hi", text, "vimble.test", kStart, true, true);
        const std::string rows = MailBodyRows(text, form, picture);
        ExpectMailLines(rows);
        const std::string part = PartAfter(rows, form.m_strRelatedBoundary, 1);
        const size_t body = part.find("\r\n\r\n");
        ASSERT_NE(body, std::string::npos);
        const std::string base64 = part.substr(body + 4);
        EXPECT_EQ(Decoded(base64), picture) << size;
        for (size_t at = 0; at < base64.size();) {
            const size_t end = base64.find("\r\n", at);
            const size_t length = (end == std::string::npos ? base64.size() : end) - at;
            if (end != std::string::npos && end + 2 < base64.size())
                EXPECT_EQ(length, 76u);
            else
                EXPECT_LE(length, 76u);
            at = end == std::string::npos ? base64.size() : end + 2;
        }
    }
}

// --- The whole message as Python's MIME parser reads it ----------------------------------

class PreviewMessageTest : public testing::TestWithParam<bool> {
protected:
    CTempDir m_dir;
};

// The text part as sent, an HTML part whose picture is the inline GIF part by its Content-ID,
// the GIF's frames each shown 12 hundredths of a second, and the attachment unchanged.
TEST_P(PreviewMessageTest, PythonReadsTheTextTheHtmlAndThePicture)
{
    const bool bAttachment = GetParam();
    const std::string text = "Chère Ann,\r\n.\r\n<b>&</b> été\r\nBob";
    const std::string picture = SmallGif(5);
    const std::string bundle = PatternBytes(5000, 7);
    const CMailForm form
        = MakeMailForm("Bonne fête", text, "vimble.test", kStart, true, bAttachment);
    const std::string message = WholeMessage("Bonne fête", text, form, picture, bundle);
    ExpectMailLines(message);

    std::string attachment;
    auto found = ReadWithPython(message, m_dir.Path(), attachment);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["content-type"], "multipart/mixed");
    EXPECT_EQ(found["boundary"], form.m_strBoundary);
    EXPECT_EQ(found["defects"], "");
    EXPECT_EQ(found["parts"], bAttachment ? "2" : "1");
    EXPECT_EQ(found["first:content-type"], "multipart/alternative");
    EXPECT_EQ(found["first:boundary"], form.m_strAlternativeBoundary);
    EXPECT_EQ(found["first:parts"], "2");

    EXPECT_EQ(found["text:content-type"], "text/plain");
    EXPECT_EQ(found["text:charset"], "utf-8");
    EXPECT_EQ(found["text:encoding"], "quoted-printable");
    // The reader gives the lines back with its own line ends.
    EXPECT_EQ(WithoutCr(found["text:bytes"]), WithoutCr(text + "\r\n"));
    const std::string content = WithoutCr(found["text:content"]);
    EXPECT_EQ(content, "Ch\xc3\xa8re Ann,\n.\n<b>&</b> \xc3\xa9t\xc3\xa9\nBob\n");

    EXPECT_EQ(found["related:content-type"], "multipart/related");
    EXPECT_EQ(found["related:boundary"], form.m_strRelatedBoundary);
    EXPECT_EQ(found["related:type"], "text/html");
    EXPECT_EQ(found["related:parts"], "2");
    EXPECT_EQ(found["html:content-type"], "text/html");
    EXPECT_EQ(found["html:charset"], "utf-8");
    EXPECT_EQ(found["html:encoding"], "quoted-printable");
    EXPECT_NE(found["html:content"].find("Ch\xc3\xa8re Ann,<br>"), std::string::npos)
        << found["html:content"];
    EXPECT_NE(found["html:content"].find("&lt;b&gt;&amp;&lt;/b&gt; \xc3\xa9t\xc3\xa9<br>"),
        std::string::npos);
    EXPECT_EQ(found["img:src"], "cid:" + form.m_strPictureId);
    EXPECT_EQ(found["img:alt"], "The greeting");
    EXPECT_EQ(found["img:width"], "40");
    EXPECT_EQ(found["img:height"], "30");

    EXPECT_EQ(found["image:content-type"], "image/gif");
    EXPECT_EQ(found["image:encoding"], "base64");
    EXPECT_EQ(found["image:content-id"], "<" + form.m_strPictureId + ">");
    EXPECT_EQ(found["image:disposition"], "inline");
    EXPECT_EQ(found["image:filename"], "greeting.gif");
    EXPECT_EQ(found["image:bytes"], std::to_string(picture.size()));
    EXPECT_EQ(found.count("gif:error"), 0u) << found["gif:error"];
    EXPECT_EQ(found["gif:width"], "40");
    EXPECT_EQ(found["gif:height"], "30");
    EXPECT_EQ(found["gif:frames"], "5");
    EXPECT_EQ(found["gif:delays"], "12,12,12,12,12");
    EXPECT_EQ(found["gif:loops"], "0");

    if (bAttachment) {
        EXPECT_EQ(found["attachment:content-type"], "application/octet-stream");
        EXPECT_EQ(found["attachment:filename"], "card.exe");
        EXPECT_EQ(attachment, bundle);
    } else {
        EXPECT_EQ(found.count("attachment:filename"), 0u);
        EXPECT_EQ(message.find("application/octet-stream"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Attachments, PreviewMessageTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
        return info.param ? "WithAttachment" : "PictureOnly";
    });

// Without the picture Python finds the two parts the message always had.
TEST(PlainMessage, PythonReadsTheTextAndTheAttachment)
{
    CTempDir dir;
    const std::string bundle = PatternBytes(3000, 9);
    const CMailForm form = MakeMailForm("Hello", "Hi Ann", "vimble.test", kStart, false, true);
    std::string attachment;
    auto found
        = ReadWithPython(WholeMessage("Hello", "Hi Ann", form, {}, bundle), dir.Path(), attachment);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["defects"], "");
    EXPECT_EQ(found["parts"], "2");
    EXPECT_EQ(found["first:content-type"], "text/plain");
    EXPECT_EQ(found["first:parts"], "0");
    EXPECT_EQ(found["attachment:filename"], "card.exe");
    EXPECT_EQ(attachment, bundle);
}

// --- The picture made from a greeting's file ---------------------------------------------

// While it lives, the temporary directory is a folder of the test's own.
class CPrivateTemp {
public:
    explicit CPrivateTemp(const std::string& path)
    {
        const char* old = std::getenv("TMPDIR");
        m_bHadOld = old != nullptr;
        if (m_bHadOld)
            m_strOld = old;
        setenv("TMPDIR", path.c_str(), 1);
    }
    ~CPrivateTemp()
    {
        if (m_bHadOld)
            setenv("TMPDIR", m_strOld.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    CPrivateTemp(const CPrivateTemp&) = delete;
    CPrivateTemp& operator=(const CPrivateTemp&) = delete;

private:
    bool m_bHadOld = false;
    std::string m_strOld;
};

// The sample greetings of the build's library, smallest first: from the data directory the
// settings name, else from the one beside the test program's build folder.
std::vector<std::string> SampleGreetings()
{
    std::vector<std::string> dirs;
    const std::string data = platform::FirstDataDirectory();
    if (!data.empty())
        dirs.push_back(data + "/samples");
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        dirs.push_back((self.parent_path().parent_path().parent_path() / "data/samples").string());
    for (const std::string& dir : dirs) {
        std::vector<std::string> files;
        for (const std::string& name : ListDir(dir))
            if (name.size() > 4 && name.substr(name.size() - 4) == ".kel")
                files.push_back(dir + "/" + name);
        std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
            return platform::FileLength(a) < platform::FileLength(b);
        });
        if (!files.empty())
            return files;
    }
    return {};
}

// The greeting's length in frames, read straight from the file.
int FrameCountOf(const std::string& path)
{
    const std::string bytes = ReadText(path);
    if (bytes.size() < kProjectTagSize)
        return -1;
    std::vector<uint8_t> compressed(bytes.begin() + kProjectTagSize, bytes.end());
    auto movie = LoadMovie(lzss::DecodeBuffer(compressed), "frames");
    return movie ? std::max(1, movie->GetFrameCount()) : -1;
}

class MailPreviewTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureGuiApplication();
        m_strTemp = m_dir / "tmp";
        m_strWork = m_dir / "work";
        std::filesystem::create_directory(m_strTemp);
        std::filesystem::create_directory(m_strWork);
    }
    // A new project: one frame, a white stage.
    std::string NewProject()
    {
        const std::string path = m_strWork + "/new.kel";
        const std::string command
            = std::string("'") + built::kTool + "' new '" + path + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return path;
    }

    CTempDir m_dir;
    std::string m_strTemp;
    std::string m_strWork;
};

// Every sample greeting becomes a looping GIF of every frame, 120 ms each, at the stage view's
// size or smaller, within the budget; the file stays as it was and nothing is left behind.
// Mailed, the picture arrives whole, and so does the attachment.
TEST_F(MailPreviewTest, EverySampleGreetingBecomesThePicture)
{
    const std::vector<std::string> samples = SampleGreetings();
    if (samples.empty())
        GTEST_SKIP() << "the sample library is not built";
    for (const std::string& sample : samples) {
        SCOPED_TRACE(sample);
        const std::string project = m_strWork + "/" + platform::FileNameOf(sample);
        ASSERT_TRUE(platform::CopyFileTo(sample, project));
        const std::string before = ReadText(project);
        const int frames = FrameCountOf(project);
        ASSERT_GT(frames, 1);

        CMailPreview preview;
        std::string reason;
        int asked = 0;
        {
            CPrivateTemp temp(m_strTemp);
            ASSERT_TRUE(MakeMailPreview(project, preview, reason, [&] {
                ++asked;
                return false;
            })) << reason;
        }
        EXPECT_EQ(reason, "");
        EXPECT_GE(asked, 2 * frames);
        EXPECT_EQ(preview.m_nFrames, frames);
        EXPECT_LE(preview.m_nWidth, kPreviewWidth);
        EXPECT_LE(preview.m_nHeight, kPreviewHeight);
        EXPECT_EQ(preview.m_nWidth * 3 / 4, preview.m_nHeight);
        EXPECT_LE(static_cast<int64_t>(preview.m_strPicture.size()), kMaxPreviewBytes);
        EXPECT_EQ(ReadText(project), before);
        EXPECT_EQ(ListDir(m_strWork), std::vector<std::string> { platform::FileNameOf(project) });
        EXPECT_EQ(ListDir(m_strTemp), std::vector<std::string> {});

        const std::string text = "A greeting for you";
        const CMailForm form = MakeMailForm("Hello", text, "vimble.test", kStart, true, true);
        const std::string message = WholeMessage("Hello", text, form, preview.m_strPicture, before);
        const std::string plain = WholeMessage(
            "Hello", text, MakeMailForm("Hello", text, "vimble.test", kStart), {}, before);
        std::cout << "[ preview  ] " << platform::FileNameOf(project) << ": " << frames
                  << " frames, picture " << preview.m_nWidth << " x " << preview.m_nHeight << ", "
                  << preview.m_strPicture.size() << " bytes; the message grows by "
                  << message.size() - plain.size() << " bytes\n";
        std::string attachment;
        auto found = ReadWithPython(message, m_dir.Path(), attachment);
        ASSERT_EQ(found.count("error"), 0u) << found["error"];
        EXPECT_EQ(found["defects"], "");
        EXPECT_EQ(found["img:src"], "cid:" + form.m_strPictureId);
        EXPECT_EQ(found["image:content-id"], "<" + form.m_strPictureId + ">");
        EXPECT_EQ(found["gif:frames"], std::to_string(frames));
        EXPECT_EQ(found["gif:delays"], Repeated("12,", frames - 1) + "12");
        EXPECT_EQ(found["gif:loops"], "0");
        EXPECT_EQ(found["gif:width"], std::to_string(preview.m_nWidth));
        EXPECT_EQ(found["gif:height"], std::to_string(preview.m_nHeight));
        EXPECT_EQ(found["img:width"], std::to_string(preview.m_nWidth));
        EXPECT_EQ(found["img:height"], std::to_string(preview.m_nHeight));
        EXPECT_EQ(attachment, before);
        platform::DeleteFile(project);
    }
}

// The mail worker draws the picture in a thread of its own, beside the application's.
TEST_F(MailPreviewTest, ThePictureIsDrawnInAnotherThread)
{
    const std::vector<std::string> samples = SampleGreetings();
    const std::string project = samples.empty() ? NewProject() : samples.front();
    CPrivateTemp temp(m_strTemp);
    CMailPreview here, there;
    std::string reasonHere, reasonThere;
    ASSERT_TRUE(MakeMailPreview(project, here, reasonHere)) << reasonHere;
    bool bMade = false;
    std::thread worker([&] { bMade = MakeMailPreview(project, there, reasonThere); });
    worker.join();
    ASSERT_TRUE(bMade) << reasonThere;
    EXPECT_EQ(there.m_nFrames, here.m_nFrames);
    EXPECT_TRUE(there.m_strPicture == here.m_strPicture);
    EXPECT_EQ(ListDir(m_strTemp), std::vector<std::string> {});
}

// A picture over the budget is made again at three quarters of the size, until it fits or the
// smallest size is passed.
TEST_F(MailPreviewTest, APictureOverTheBudgetIsMadeSmaller)
{
    const std::string project = NewProject();
    CPrivateTemp temp(m_strTemp);
    CMailPreview full;
    std::string reason;
    ASSERT_TRUE(MakeMailPreview(project, full, reason)) << reason;
    EXPECT_EQ(full.m_nWidth, 616);
    EXPECT_EQ(full.m_nHeight, 462);
    EXPECT_EQ(full.m_nFrames, 1);

    CMailPreview smaller;
    ASSERT_TRUE(MakeMailPreview(
        project, smaller, reason, {}, static_cast<int64_t>(full.m_strPicture.size()) - 1))
        << reason;
    EXPECT_EQ(smaller.m_nWidth, 462);
    EXPECT_EQ(smaller.m_nHeight, 346);
    EXPECT_LT(smaller.m_strPicture.size(), full.m_strPicture.size());

    CMailPreview none;
    EXPECT_FALSE(MakeMailPreview(project, none, reason, {}, 10));
    EXPECT_NE(reason.find("too large for the message"), std::string::npos) << reason;
    EXPECT_NE(reason.find("194 x 145"), std::string::npos) << reason;
    EXPECT_TRUE(none.m_strPicture.empty());
    EXPECT_EQ(ListDir(m_strTemp), std::vector<std::string> {});
}

// A file that is no greeting, or a damaged one, gives no picture and says why, naming it.
TEST_F(MailPreviewTest, ADamagedGreetingGivesNoPictureAndAReason)
{
    const std::string good = ReadText(NewProject());
    ASSERT_GT(good.size(), kProjectTagSize + 4);
    const std::string cases[][2] = {
        { "missing.kel", "" },
        { "text.kel", "this is not a greeting" },
        { "tagonly.kel", "120KELFILE" },
        { "cut.kel", good.substr(0, kProjectTagSize + (good.size() - kProjectTagSize) / 2) },
        { "badtag.kel", "120KELFILF" + good.substr(kProjectTagSize) },
    };
    CPrivateTemp temp(m_strTemp);
    for (const auto& entry : cases) {
        const std::string path = m_strWork + "/" + entry[0];
        if (entry[0] != "missing.kel")
            WriteText(path, entry[1]);
        CMailPreview preview;
        std::string reason;
        EXPECT_FALSE(MakeMailPreview(path, preview, reason)) << entry[0];
        EXPECT_NE(reason.find(entry[0]), std::string::npos) << reason;
        EXPECT_TRUE(preview.m_strPicture.empty());
        EXPECT_EQ(preview.m_nFrames, 0);
        if (entry[0] != "missing.kel") {
            EXPECT_EQ(ReadText(path), entry[1]) << entry[0];
        }
    }
    EXPECT_EQ(ListDir(m_strTemp), std::vector<std::string> {});
}

// A cancel between frames (or before the first) ends the work with the send's reason and
// leaves nothing behind.
TEST_F(MailPreviewTest, ACancelEndsTheWork)
{
    const std::vector<std::string> samples = SampleGreetings();
    const std::string project = samples.empty() ? NewProject() : samples.front();
    const std::string before = ReadText(project);
    CPrivateTemp temp(m_strTemp);
    for (int allowed : { 0, 1, 2 }) {
        CMailPreview preview;
        std::string reason;
        int asked = 0;
        EXPECT_FALSE(MakeMailPreview(project, preview, reason, [&] { return ++asked > allowed; }));
        EXPECT_EQ(reason, "the send was cancelled");
        EXPECT_EQ(asked, allowed + 1);
        EXPECT_TRUE(preview.m_strPicture.empty());
    }
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ListDir(m_strTemp), std::vector<std::string> {});
}

} // namespace

namespace {

// The greeting's picture, video and file for a message, drawn in this process (on threads of
// the drawing's own): the picture holds the greeting's frames, the video as many with its
// sound, the greeting file is the project's bytes, and the whole is what the description
// adds up; a cancel leaves no file behind, and a limit nothing fits names the sizes.
TEST_F(MailPreviewTest, TheMessagesMediaComeFromOnePass)
{
    const std::string sample = std::string(built::kDataDir) + "/samples/Happy Birthday.kel";
    if (!Exists(sample))
        GTEST_SKIP() << "the sample library is not built";
    const std::string project = m_strWork + "/card.kel";
    WriteText(project, ReadText(sample));
    const std::string folder = m_dir / "media";
    std::filesystem::create_directory(folder);

    CMailMediaPlan plan;
    plan.nOtherBytes = 10000;
    CMailMedia media;
    std::string reason;
    int nLastDone = 0, nSteps = 0;
    ASSERT_TRUE(PrepareMailMedia(project, folder, "card", plan, media, reason,
        [&](const std::string&, int nDone, int nTotal) {
            EXPECT_LE(nDone, nTotal);
            nLastDone = nDone;
            ++nSteps;
            return true;
        }))
        << reason;
    EXPECT_EQ(media.media.nPictureFrames, FrameCountOf(project));
    EXPECT_EQ(media.media.nPictureWidth, kPreviewWidth);
    EXPECT_TRUE(media.media.bVideo) << media.strVideoLeftOut;
    EXPECT_GE(media.media.nVideoFrames, media.media.nPictureFrames);
    EXPECT_EQ(nLastDone, media.media.nVideoFrames) << "the progress counts every frame once";
    EXPECT_EQ(nSteps, media.media.nVideoFrames);
    EXPECT_EQ(ReadText(media.strGreetingPath), ReadText(project));
    EXPECT_EQ(platform::FileLength(media.strVideoPath), media.media.nVideoBytes);
    EXPECT_EQ(media.nMessageBytes,
        plan.nOtherBytes
            + Base64MessageBytes(static_cast<int64_t>(media.media.strPicture.size()))
            + Base64MessageBytes(media.media.nVideoBytes) + Base64MessageBytes(media.nGreetingBytes)
            + 3 * 512);
    const std::string said = DescribeMailSize(media);
    EXPECT_EQ(said.rfind("Picture ", 0), 0u) << said;
    EXPECT_NE(said.find(" \u00b7 video with sound "), std::string::npos) << said;
    EXPECT_NE(said.find(" \u2014 about "), std::string::npos) << said;

    // Cancelled halfway: nothing is made, and no file is left.
    const std::string cancelled = m_dir / "cancelled";
    std::filesystem::create_directory(cancelled);
    EXPECT_FALSE(PrepareMailMedia(project, cancelled, "card", plan, media, reason,
        [](const std::string&, int nDone, int) { return nDone < 40; }));
    EXPECT_EQ(reason, "the send was cancelled");
    EXPECT_TRUE(ListDir(cancelled).empty()) << ListDir(cancelled).front();

    // A limit under the greeting file itself.
    plan.nLimit = 50000;
    EXPECT_FALSE(PrepareMailMedia(project, folder, "card", plan, media, reason));
    EXPECT_NE(reason.find("even with the smallest picture and video"), std::string::npos)
        << reason;
}

} // namespace

namespace {

struct SizeCase {
    platform::ELanguage language;
    const char* szMegabytes; // 1.5 MiB
    const char* szKilobytes; // 2000 bytes
};

class MailSizeText : public testing::TestWithParam<SizeCase> {
protected:
    void SetUp() override
    {
        EnsureGuiApplication();
        ASSERT_TRUE(translations::InstallTranslators(GetParam().language));
    }
    void TearDown() override { translations::InstallTranslators(platform::ELanguage::English); }
};

} // namespace

// Sizes come with the language's own units and decimal mark.
TEST_P(MailSizeText, SizesAreWrittenAsTheLanguageWritesThem)
{
    EXPECT_EQ(HumanSize(3 * 512 * 1024), GetParam().szMegabytes);
    EXPECT_EQ(HumanSize(2000), GetParam().szKilobytes);
}

INSTANTIATE_TEST_SUITE_P(Languages, MailSizeText,
    testing::Values(SizeCase{platform::ELanguage::English, "1.5 MB", "2 KB"},
        SizeCase{platform::ELanguage::German, "1,5 MB", "2 KB"},
        SizeCase{platform::ELanguage::French, "1,5 Mo", "2 Ko"},
        SizeCase{platform::ELanguage::Spanish, "1,5 MB", "2 KB"},
        SizeCase{platform::ELanguage::Polish, "1,5 MB", "2 KB"},
        SizeCase{platform::ELanguage::Russian, "1,5 МБ", "2 КБ"},
        SizeCase{platform::ELanguage::Japanese, "1.5 MB", "2 KB"}),
    [](const testing::TestParamInfo<SizeCase>& info) {
        return std::string(platform::LanguageCode(info.param.language));
    });

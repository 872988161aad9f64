#include "mail/mailthread.h"

#include "mail/addressbook.h"
#include "mail/base64.h"
#include "mail/bundle.h"
#include "mail/contacts.h"
#include "mail/handoff.h"
#include "mail/mailmedia.h"
#include "mail/message.h"
#include "mail/personal.h"
#include "mail/preview.h"
#include "mail/smtp.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/message.h"
#include "platform/secret.h"
#include "platform/settings.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

using platform::Fill;
using platform::Tr;

std::atomic<CMailThread*> g_pMailThread { nullptr };

namespace {

// Resource string of the elapsed-time template shown after a successful send.
constexpr int IDS_ELAPSED_TIME = 10143;
// The failure template is a short letter; anything much larger is not one.
constexpr int64_t kMaxTemplateSize = 64 * 1024;
constexpr size_t kDataBlock = 8192;
constexpr size_t kHostNameSize = 80;
constexpr int kDefaultTimeout = 60;

std::string CancelledReason()
{
    return Tr("Mail", "the send was cancelled");
}

class CPrintingHost : public IMailHost {
public:
    void ShowResult(
        const std::string& strText, bool bSucceeded, const std::string& strReason) override
    {
        std::printf("%s\n", strText.c_str());
        std::fflush(stdout);
        if (!bSucceeded && !strReason.empty())
            std::fprintf(stderr, "%s\n", strReason.c_str());
    }
};

// What the starters and the worker threads share. It is never destroyed: a worker still
// running while the program ends must not find it gone.
struct CWorkers {
    std::mutex m_mutex;
    std::condition_variable m_done;
    int m_nThreads = 0;
    // The worker threads not joined yet, each with the flag it sets when its work is done.
    // They are joined, not left to end by themselves: a thread that drew text ends by tearing
    // down its font cache, which must be over before the program's own end begins.
    std::vector<std::pair<std::thread, std::shared_ptr<std::atomic<bool>>>> m_threads;
    std::shared_ptr<CMailCancel> m_pCancel; // the started worker's, while its thread runs
    CPrintingHost m_printingHost;
};

CWorkers& Workers()
{
    static CWorkers* workers = new CWorkers;
    return *workers;
}

// Joins the worker threads whose work is done; they are ending, so the joins are short.
void JoinFinishedThreads(CWorkers& workers)
{
    std::vector<std::thread> finished;
    {
        std::lock_guard lock(workers.m_mutex);
        auto& threads = workers.m_threads;
        for (auto it = threads.begin(); it != threads.end();) {
            if (*it->second) {
                finished.push_back(std::move(it->first));
                it = threads.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (std::thread& thread : finished)
        if (thread.joinable() && thread.get_id() != std::this_thread::get_id())
            thread.join();
        else if (thread.joinable())
            thread.detach();
}

IMailHost& HostOf(const CMailThread& thread)
{
    return thread.m_pHost != nullptr ? *thread.m_pHost : Workers().m_printingHost;
}

std::string LocalHostName()
{
    char name[kHostNameSize + 1] = {};
    if (::gethostname(name, kHostNameSize) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

std::string Capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string ReplyText(int code, const std::string& text)
{
    return std::to_string(code) + (text.empty() ? "" : " " + text);
}

// Why the bundle could not be built, in words the person can act on: a missing piece is named
// with the folder it is missing from.
std::string BundleFailure(const std::string& project, const std::string& dataDir, bool bSendPlayer,
    const std::string& copy)
{
    for (const char* piece : { "play.exe", "play.dat" }) {
        if (!bSendPlayer && std::string(piece) == "play.dat")
            continue;
        if (!platform::FileExists(platform::JoinPath(dataDir, piece)))
            return Fill(Tr("Mail",
                            "the attachment could not be built: %1 is missing from the data "
                            "directory %2"),
                { piece, dataDir });
    }
    if (!platform::FileExists(copy))
        return Fill(Tr("Mail", "the attachment could not be built: %1 cannot be read"),
            { platform::FileNameOf(project) });
    return Fill(Tr("Mail",
                    "the attachment could not be built: the player bundle cannot be written "
                    "for %1"),
        { platform::FileNameOf(project) });
}

// Overwrites a text that held a password when it goes out of scope, whichever way that is.
class CSecretWiper {
public:
    explicit CSecretWiper(std::string& secret)
        : m_secret(secret)
    {
    }
    ~CSecretWiper() { platform::WipeSecret(m_secret); }
    CSecretWiper(const CSecretWiper&) = delete;
    CSecretWiper& operator=(const CSecretWiper&) = delete;

private:
    std::string& m_secret;
};

// One step of a login: sends line (which may hold the password: it is never quoted in a
// failure) and reads the answer.
bool LoginStep(CSmtpConnection& connection, std::string line, int& code, std::string& reason)
{
    CSecretWiper wiper(line);
    std::string text;
    line += "\r\n";
    return connection.Send(line, reason) && connection.ReadReply(code, text, reason);
}

// Logs in with AUTH PLAIN, or LOGIN when the server offers only that. False with the reason;
// bQuit says whether the talk can still be ended politely.
bool LogIn(CSmtpConnection& connection, const CSmtpCapabilities& capabilities,
    const std::string& server, const std::string& user, const std::string& password,
    std::string& reason, bool& bQuit)
{
    bQuit = true;
    // Only the loopback address keeps a login in the clear from the network.
    if (!connection.IsTls() && !connection.IsLoopback()) {
        reason = Fill(Tr("Mail",
                          "the mail server %1 offers a login only without TLS, which would "
                          "let others read the password"),
            { server });
        return false;
    }
    if (!capabilities.m_bAuthPlain && !capabilities.m_bAuthLogin) {
        reason = capabilities.m_bAuth
            ? Fill(Tr("Mail",
                       "the mail server %1 offers no login this program can use (AUTH PLAIN "
                       "or LOGIN)"),
                { server })
            : Fill(Tr("Mail", "the mail server %1 offers no login, and the settings ask for one"),
                { server });
        return false;
    }
    int code = 0;
    bool answered = true;
    if (capabilities.m_bAuthPlain) {
        std::string credentials = std::string(1, '\0') + user + std::string(1, '\0') + password;
        std::string encoded = Base64Line(credentials);
        CSecretWiper credentialsWiper(credentials);
        CSecretWiper encodedWiper(encoded);
        answered = LoginStep(connection, "AUTH PLAIN " + encoded, code, reason);
    } else {
        answered = LoginStep(connection, "AUTH LOGIN", code, reason)
            && (code != 334 || LoginStep(connection, Base64Line(user), code, reason))
            && (code != 334 || LoginStep(connection, Base64Line(password), code, reason));
    }
    if (!answered) {
        bQuit = false;
        return false;
    }
    if (code == 235)
        return true;
    reason = code / 100 == 4
        ? Fill(Tr("Mail", "the mail server %1 cannot check the user name and password now (%2)"),
            { server, std::to_string(code) })
        : Fill(Tr("Mail", "the mail server %1 refused the user name or password (%2)"),
            { server, std::to_string(code) });
    return false;
}

// Sends one attached file: its header lines and its bytes as base64, read in blocks that encode
// to whole lines. False, with the reason, when the file cannot be read whole or the connection
// fails; the message must then not be ended.
bool SendFilePart(CMailDataStream& data, const std::string& header, const std::string& path,
    std::string& reason)
{
    platform::CFile file;
    const int64_t length = platform::FileLength(path);
    if (length < 0 || !file.Open(path, platform::CFile::modeRead)) {
        reason = Fill(Tr("Mail", "the attachment could not be built: %1 cannot be read"),
            { platform::FileNameOf(path) });
        return false;
    }
    if (!data.Write(header))
        return false;
    std::string block(kBase64LineBytes * 144, '\0');
    int64_t sent = 0;
    for (;;) {
        const size_t n = file.Read(block.data(), block.size());
        if (n > 0 && !data.Write(MailBase64Lines(block.substr(0, n))))
            return false;
        sent += static_cast<int64_t>(n);
        if (n < block.size())
            break;
    }
    if (sent != length) {
        reason = Fill(Tr("Mail", "the attachment could not be built: %1 cannot be read"),
            { platform::FileNameOf(path) });
        return false;
    }
    return true;
}

} // namespace

std::string MakeAttachment(const std::string& projectPath, const std::string& dataDir,
    bool bSendPlayer, const std::string& workDir, std::string& reason)
{
    reason.clear();
    const std::string& project = projectPath;
    if (dataDir.empty()) {
        reason = Tr("Mail",
            "the attachment could not be built: no data directory is set, so the "
            "player program cannot be found");
        platform::ShowMessage("The player program cannot be found: no data directory is set");
        return project;
    }
    const std::string folder = workDir.empty() ? platform::DirectoryOf(project) : workDir;
    // The bundle is written under the name the attachment goes out with, and the project is
    // read from a copy meanwhile.
    std::string copy = platform::MakeTempFileName(folder, "~ke");
    if (copy.empty() || !platform::CopyFileTo(project, copy)) {
        if (!copy.empty())
            platform::DeleteFile(copy);
        reason = Fill(Tr("Mail", "the attachment could not be built: %1 cannot be copied"),
            { platform::FileNameOf(project) });
        platform::ShowMessage(
            Fill(Tr("Mail", "%1: cannot be copied for the attachment"), { project }));
        return project;
    }
    const std::string stem = AttachmentStem(project);
    const std::string extension = project.size() >= 3 ? project.substr(project.size() - 3) : "";
    const std::string bundle = platform::JoinPath(folder, stem + "." + extension);
    const std::string player = platform::JoinPath(dataDir, "play.exe");
    bool built = bSendPlayer ? BuildBundle(bundleThreePieces, player,
                     platform::JoinPath(dataDir, "play.dat"), copy, bundle)
                             : BuildBundle(bundleTwoPieces, player, copy, std::string(), bundle);
    if (!built)
        reason = BundleFailure(project, dataDir, bSendPlayer, copy);
    const std::string attachment = platform::JoinPath(folder, stem + ".exe");
    bool copied = true;
    if (attachment != bundle) {
        copied = platform::CopyFileTo(bundle, attachment);
        if (!copied)
            platform::ShowMessage("Error 101");
        platform::DeleteFile(bundle);
    }
    platform::DeleteFile(copy);
    if (project != bundle && project != attachment)
        platform::DeleteFile(project);
    if (built && !copied)
        reason = Fill(Tr("Mail",
                          "the attachment could not be built: the attachment %1 cannot be "
                          "written"),
            { stem + ".exe" });
    return attachment;
}

CMailThread::CMailThread()
    : m_nSizeLimit(platform::ReadSettingInt("MailSizeLimit", static_cast<int>(kDefaultMailSizeLimit)))
    , m_nTimeoutSeconds(platform::ReadSettingInt("MailTimeout", kDefaultTimeout))
    , m_strDataDir(platform::FirstDataDirectory())
    , m_pCancel(std::make_shared<CMailCancel>())
{
    if (m_nTimeoutSeconds <= 0)
        m_nTimeoutSeconds = kDefaultTimeout;
    if (m_nSizeLimit <= 0)
        m_nSizeLimit = kDefaultMailSizeLimit;
}

CMailThread::~CMailThread() = default;

void CMailThread::Cancel()
{
    m_pCancel->Cancel();
}

bool CMailThread::IsCancelled() const
{
    return m_pCancel->IsCancelled();
}

void CMailThread::Quit(CSmtpConnection& connection)
{
    // Leave politely; what the server says to that no longer matters.
    std::string reason;
    int code = 0;
    std::string text;
    if (connection.Send("QUIT\r\n", reason))
        connection.ReadReply(code, text, reason);
}

void CMailThread::Fail(const std::string& reason)
{
    if (!m_bFailed)
        m_strFailure = reason;
    m_bFailed = true;
}

bool CMailThread::Command(CSmtpConnection& connection, const std::string& line, int expectedClass)
{
    std::string reason;
    int code = 0;
    std::string text;
    if (!connection.Send(line + "\r\n", reason) || !connection.ReadReply(code, text, reason)) {
        Fail(reason);
        return false;
    }
    if (code / 100 == expectedClass)
        return true;
    Fail(Fill(Tr("Mail", "the mail server %1 refused \"%2\": %3"),
        { m_strServer, line, ReplyText(code, text) }));
    Quit(connection);
    return false;
}

bool CMailThread::PrepareAttachment()
{
    std::string reason;
    // The part names the program in the person's script; its file has the ASCII name.
    const std::string shownName = AttachmentName(m_strProjectPath) + ".exe";
    m_strProjectPath
        = MakeAttachment(m_strProjectPath, m_strDataDir, m_bSendPlayer, m_strWorkDir, reason);
    if (!reason.empty()) {
        Fail(reason);
        return false;
    }
    if (IsCancelled()) {
        Fail(CancelledReason());
        return false;
    }
    m_strMimePath = platform::JoinPath(m_strWorkDir, "$$$.mim");
    const char* argv[]
        = { "mime64", "-e", m_strProjectPath.c_str(), m_strMimePath.c_str(), shownName.c_str() };
    if (mime64(5, argv) != 0) {
        Fail(Fill(
            Tr("Mail", "the attachment could not be built: the attachment %1 cannot be encoded"),
            { platform::FileNameOf(m_strProjectPath) }));
        return false;
    }
    return true;
}

bool CMailThread::PrepareMedia(
    CMailMedia& media, int64_t nOtherBytes, int64_t nLimit, const std::string& folder)
{
    CMailMediaPlan plan;
    plan.bPicture = true;
    plan.bVideo = m_bAttachVideo;
    plan.bGreeting = m_bAttachGreeting;
    plan.nOtherBytes = nOtherBytes;
    // Servers count the lines they add themselves (the "Received:" trace, signatures), and
    // the video's size is only known once it is made: a little room is kept for both.
    const int64_t limit = nLimit > 0 ? nLimit : kDefaultMailSizeLimit;
    plan.nLimit = limit - std::min<int64_t>(limit / 10, 16 * 1024 + limit / 50);
    std::string reason;
    IMailHost& host = HostOf(*this);
    const bool made = PrepareMailMedia(m_strProjectPath, folder,
        AttachmentStem(m_strProjectPath), plan, media, reason,
        [&](const std::string& step, int nDone, int nTotal) {
            host.ShowProgress(step, nDone, nTotal);
            return !IsCancelled();
        });
    if (!made) {
        Fail(IsCancelled() ? CancelledReason() : reason);
        return false;
    }
    m_strLeftOut = media.strVideoLeftOut;
    return true;
}

bool CMailThread::LoginPassword(std::string& password)
{
    password = m_strPassword;
    if (!password.empty())
        return true;
    std::string why;
    platform::SecretResult found
        = platform::LookupMailPassword(m_strServer, m_strUser, password, why);
    if (IsCancelled()) {
        Fail(CancelledReason());
        return false;
    }
    if (found == platform::SecretResult::found && !password.empty())
        return true;
    platform::WipeSecret(password);
    m_bNoPassword = true;
    if (found == platform::SecretResult::noService && !why.empty())
        Fail(Fill(Tr("Mail", "no password is known for %1 at the mail server %2 (%3)"),
            { m_strUser, m_strServer, why }));
    else
        Fail(Fill(Tr("Mail", "no password is known for %1 at the mail server %2"),
            { m_strUser, m_strServer }));
    return false;
}

bool CMailThread::Hello(
    CSmtpConnection& connection, const std::string& password, int64_t& sizeLimit)
{
    sizeLimit = 0;
    const bool login = !m_strUser.empty();
    // Plain mail without a login talks as it always did. A message with the picture and the
    // video asks with EHLO how large a message the server takes, and greets the old way when
    // the server does not know EHLO.
    if (m_nSecurity == mailSecurityPlain && !login && !m_bPreview)
        return Command(connection, "HELO " + LocalHostName(), 2);
    if (m_nSecurity == mailSecurityPlain && !login) {
        std::string reason;
        int code = 0;
        std::string text;
        if (!connection.Send("EHLO " + LocalHostName() + "\r\n", reason)
            || !connection.ReadReply(code, text, reason)) {
            Fail(reason);
            return false;
        }
        if (code / 100 == 5)
            return Command(connection, "HELO " + LocalHostName(), 2);
        if (code / 100 != 2) {
            Fail(Fill(Tr("Mail", "the mail server %1 refused \"%2\": %3"),
                { m_strServer, "EHLO", ReplyText(code, text) }));
            Quit(connection);
            return false;
        }
        sizeLimit = ParseEhloReply(connection.ReplyLines()).m_nSizeLimit;
        return true;
    }
    if (!Command(connection, "EHLO " + LocalHostName(), 2))
        return false;
    CSmtpCapabilities capabilities = ParseEhloReply(connection.ReplyLines());
    if (m_nSecurity == mailSecurityStartTls) {
        if (!capabilities.m_bStartTls) {
            Fail(Fill(
                Tr("Mail", "the mail server %1 offers no STARTTLS, and the settings ask for it"),
                { m_strServer }));
            Quit(connection);
            return false;
        }
        std::string reason;
        if (!Command(connection, "STARTTLS", 2))
            return false;
        if (!connection.StartTls(reason)) {
            Fail(reason);
            return false;
        }
        // What the server offered in the clear may have been changed on the way: ask again.
        if (!Command(connection, "EHLO " + LocalHostName(), 2))
            return false;
        capabilities = ParseEhloReply(connection.ReplyLines());
    }
    sizeLimit = capabilities.m_nSizeLimit;
    if (!login)
        return true;
    std::string reason;
    bool bQuit = true;
    if (LogIn(connection, capabilities, m_strServer, m_strUser, password, reason, bQuit))
        return true;
    Fail(reason);
    if (bQuit)
        Quit(connection);
    return false;
}

void CMailThread::Converse(CSmtpConnection& connection, std::time_t start)
{
    std::string reason;
    int code = 0;
    std::string text;
    std::string password;
    CSecretWiper wiper(password);
    if (!m_strUser.empty() && !LoginPassword(password))
        return;
    if (!connection.Connect(reason)
        || (m_nSecurity == mailSecurityTls && !connection.StartTls(reason))
        || !connection.ReadReply(code, text, reason)) {
        Fail(reason);
        return;
    }
    if (code / 100 != 2) {
        Fail(Fill(Tr("Mail", "the mail server %1 refused the connection: %2"),
            { m_strServer, ReplyText(code, text) }));
        return;
    }
    int64_t sizeLimit = 0;
    if (!Hello(connection, password, sizeLimit))
        return;
    platform::WipeSecret(password);
    if (!Command(connection, "MAIL FROM:<" + SingleLine(m_strFrom) + ">", 2))
        return;
    // A recipient the server refuses does not keep the greeting from the others; it is named
    // in the result. When every one is refused there is nobody to send to.
    const std::vector<std::string> addresses = SplitRecipients(m_strTo);
    size_t accepted = 0;
    std::string refused;
    for (const std::string& address : addresses) {
        if (!connection.Send("RCPT TO:<" + address + ">\r\n", reason)
            || !connection.ReadReply(code, text, reason)) {
            Fail(reason);
            return;
        }
        if (code / 100 == 2)
            ++accepted;
        else
            refused += (refused.empty() ? "" : ", ") + address + " (" + ReplyText(code, text) + ")";
    }
    if (!addresses.empty() && accepted == 0) {
        Fail(Fill(Tr("Mail", "the mail server %1 refused every recipient: %2"),
            { m_strServer, refused }));
        Quit(connection);
        return;
    }
    m_strRefused = refused;
    // The message is made whole before it begins: once "DATA" is taken, the only way to stop
    // without sending a greeting cut short is to drop the connection, which the server cannot
    // tell from a network failure. Made here, a failure ends the talk with "QUIT". The picture
    // and the video are drawn from the project before the player's attachment consumes it.
    const std::string domain = MessageIdDomain(m_strFrom, LocalHostName());
    // The plain form is the message as it always went out.
    const bool plainForm = !m_bPreview && m_bAttachPlayer;
    const std::string stem = AttachmentStem(m_strProjectPath);
    // The attachments' names as readers of any script show them; stem is the ASCII one.
    const std::string shownStem = AttachmentName(m_strProjectPath);
    // The server's SIZE is what it takes; the setting keeps the message within what the
    // recipients' providers take, which the sending server cannot know.
    const int64_t limit = sizeLimit > 0 ? std::min(sizeLimit, m_nSizeLimit) : m_nSizeLimit;
    CMailMedia media;
    if (m_bPreview) {
        // What the message takes besides the media: its rows with an empty picture, and the
        // player's attachment as large as its pieces make it.
        CMailForm estimate = MakeMailForm(m_strSubject, m_strText, domain, start, true, true);
        int64_t other = static_cast<int64_t>(
            MailHeaderRows(ToHeader(), m_strFrom, start, m_strSubject, estimate).size()
            + MailBodyRows(m_strText, estimate).size() + MailClosingRows(estimate).size());
        if (m_bAttachPlayer) {
            other += Base64MessageBytes(BundleBytes(m_strProjectPath, m_strDataDir, m_bSendPlayer))
                + 512;
        }
        // The parts go into a folder of their own: the player's attachment is built beside
        // the project under the greeting file's name.
        const std::string parts = platform::JoinPath(m_strWorkDir, m_strPartsFolder);
        std::error_code ec;
        std::filesystem::create_directory(parts, ec);
        if (ec) {
            Fail(Tr("Mail", "no private folder can be made for the greeting's picture and video"));
            Quit(connection);
            return;
        }
        // One greeting for every recipient is drawn once and goes to each of them.
        if (m_pSharedMedia) {
            media = *m_pSharedMedia;
        } else if (!PrepareMedia(media, other, limit, parts)) {
            Quit(connection);
            return;
        } else if (m_bShareMedia) {
            m_pSharedMedia = std::make_unique<CMailMedia>(media);
        }
    }
    platform::CFile mime;
    if (!m_bFailed && m_bAttachPlayer && PrepareAttachment()
        && !mime.Open(m_strMimePath, platform::CFile::modeRead))
        Fail(
            Tr("Mail", "the attachment could not be built: the encoded attachment cannot be read"));
    if (m_bFailed) {
        Quit(connection);
        return;
    }
    // The files that go as attachments before the player's, with their header lines.
    std::vector<std::pair<std::string, std::string>> files;
    if (media.media.bVideo)
        files.emplace_back(
            MailFilePartHeader("video/mp4", shownStem + ".mp4", stem + ".mp4"), media.strVideoPath);
    if (!media.strGreetingPath.empty())
        files.emplace_back(
            MailFilePartHeader(kGreetingMimeType, shownStem + ".kel", stem + ".kel"),
            media.strGreetingPath);
    CMailForm form = plainForm ? MakeMailForm(m_strSubject, m_strText, domain, start)
                               : MakeMailForm(m_strSubject, m_strText, domain, start, m_bPreview,
                                   m_bAttachPlayer || !files.empty());
    if (media.media.bVideo)
        form.m_strVideoName = shownStem + ".mp4";
    std::string rows = MailHeaderRows(ToHeader(), m_strFrom, start, m_strSubject, form)
        + (plainForm ? MailTextRows(m_strText, form)
                     : MailBodyRows(m_strText, form, media.media.strPicture));
    media.media.strPicture.clear();
    media.media.strPicture.shrink_to_fit();
    const std::string closing = form.m_bAttachment ? MailClosingRows(form) : std::string();
    const int64_t mimeLength = m_bAttachPlayer ? platform::FileLength(m_strMimePath) : 0;
    int64_t messageSize = static_cast<int64_t>(rows.size() + closing.size()) + mimeLength;
    for (size_t i = 0; i < files.size(); ++i)
        messageSize += static_cast<int64_t>(files[i].first.size())
            + Base64MessageBytes(platform::FileLength(files[i].second))
            + (i + 1 < files.size() || m_bAttachPlayer ? static_cast<int64_t>(MailPartSeparator(form).size()) : 0);
    if (sizeLimit > 0 && messageSize > sizeLimit) {
        Fail(Fill(Tr("Mail",
                      "the greeting is %1 bytes, more than the %2 bytes the mail server %3 "
                      "takes"),
            { std::to_string(messageSize), std::to_string(sizeLimit), m_strServer }));
        Quit(connection);
        return;
    }
    if (m_beforeData && !m_beforeData()) {
        Fail(Tr("Mail", "the outbox cannot record that the greeting is being sent"));
        Quit(connection);
        return;
    }
    if (!Command(connection, "DATA", 3))
        return;

    CMailDataStream data(
        [&](const char* bytes, size_t size) { return connection.Send(bytes, size, reason); });
    if (!data.Write(rows)) {
        Fail(reason);
        return;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (!SendFilePart(data, files[i].first, files[i].second, reason)) {
            Fail(reason);
            return;
        }
        if ((i + 1 < files.size() || m_bAttachPlayer) && !data.Write(MailPartSeparator(form))) {
            Fail(reason);
            return;
        }
    }
    if (m_bAttachPlayer && form.m_bAttachment) {
        std::vector<char> block(kDataBlock);
        int64_t streamed = 0;
        for (;;) {
            size_t n = mime.Read(block.data(), block.size());
            if (!data.Write(block.data(), n)) {
                Fail(reason);
                return;
            }
            streamed += static_cast<int64_t>(n);
            if (n < block.size())
                break;
        }
        mime.Close();
        // A part that came back short is not sent as a whole message: the connection is
        // dropped before the end of the data, so the server discards what it has.
        if (streamed != mimeLength) {
            Fail(Tr("Mail",
                "the attachment could not be built: the encoded attachment cannot be "
                "read"));
            return;
        }
    }
    if (!data.Write(closing) || !data.Flush()) {
        Fail(reason);
        return;
    }
    // From here on a broken talk may have left the message with the server.
    m_bMaybeDelivered = true;
    if (!connection.Send(".\r\n", reason) || !connection.ReadReply(code, text, reason)) {
        Fail(reason);
        return;
    }
    m_bMaybeDelivered = false;
    if (m_afterData)
        m_afterData(code / 100 == 2, ReplyText(code, text));
    if (code / 100 != 2)
        Fail(Fill(Tr("Mail", "the mail server %1 refused the message: %2"),
            { m_strServer, ReplyText(code, text) }));
    Quit(connection);
}

void CMailThread::HandOff()
{
    std::string reason;
    const std::string folder = MakeOutgoingFolder(reason);
    if (folder.empty()) {
        Fail(reason);
        return;
    }
    m_strPreparedFolder = folder;
    const std::vector<std::string> addresses = SplitRecipients(m_strTo);
    // Each recipient gets a message of their own (only their address on it, their name in it),
    // unless one message for all is asked for.
    std::vector<std::vector<std::string>> messages;
    if (m_bEachRecipient) {
        for (const std::string& address : addresses)
            messages.push_back({ address });
    } else {
        messages.push_back(addresses);
    }
    CContactBook contacts;
    std::vector<std::string> skipped;
    contacts.Load(ContactsPath(), skipped, reason);
    const bool bPersonal = m_bEachRecipient && ProjectHasPlaceholder(m_strProjectPath);
    const std::string original = m_strProjectPath;
    const std::string name = platform::FileNameOf(original);
    // The player's attachment is the same for everyone and consumes the copy it is built from.
    std::string player;
    if (m_bAttachPlayer) {
        const std::string copy = platform::JoinPath(m_strWorkDir, "player-" + name);
        std::string why;
        const std::string built = platform::CopyFileTo(original, copy)
            ? MakeAttachment(copy, m_strDataDir, m_bSendPlayer, m_strWorkDir, why)
            : std::string();
        if (built.empty() || !why.empty()) {
            Fail(why.empty()
                    ? Fill(Tr("Mail", "%1 cannot be copied for the player's attachment"), { name })
                    : why);
            return;
        }
        player = platform::JoinPath(folder, platform::FileNameOf(built));
        if (!platform::RenameFile(built, player)) {
            Fail(Fill(Tr("Mail", "%1 cannot be written"), { player }));
            return;
        }
    }
    std::vector<std::string> shared; // the picture, the video and the file when made for all
    for (size_t i = 0; i < messages.size() && !m_bFailed; ++i) {
        const CRecipientName recipient = m_bEachRecipient
            ? NameOf(messages[i][0], contacts)
            : CRecipientName {};
        CMailProgramMessage message;
        for (const std::string& address : messages[i])
            message.recipients.push_back(address);
        const std::string subject
            = m_bEachRecipient ? FillPlaceholders(m_strSubject, recipient) : m_strSubject;
        const std::string text
            = m_bEachRecipient ? FillPlaceholders(m_strText, recipient) : m_strText;
        message.strSubject = SingleLine(subject);
        message.strText = text;
        if (bPersonal || shared.empty()) {
            // A personal greeting's files go into a folder of the recipient's own, under the
            // greeting's name.
            const std::string into = bPersonal ? platform::JoinPath(folder, std::to_string(i + 1)) : folder;
            std::error_code ec;
            std::filesystem::create_directories(into, ec);
            const std::string stemmed = platform::JoinPath(
                platform::JoinPath(m_strWorkDir, "p" + std::to_string(i)), name);
            std::filesystem::create_directories(platform::DirectoryOf(stemmed), ec);
            if (ec
                || !(bPersonal ? PersonalProject(original, stemmed, recipient, reason)
                               : platform::CopyFileTo(original, stemmed))) {
                Fail(Fill(Tr("Mail", "%1 cannot be made ready for %2"), { name, messages[i][0] }));
                return;
            }
            m_strProjectPath = stemmed;
            CMailMedia media;
            // The mail program's own limits are not known; the message is kept to the usual size.
            const bool made = PrepareMedia(media, 64 * 1024, m_nSizeLimit, into);
            platform::DeleteFile(stemmed);
            m_strProjectPath = original;
            if (!made)
                return;
            std::vector<std::string> files;
            if (!media.media.strPicture.empty()) {
                const std::string picture
                    = platform::JoinPath(into, AttachmentStem(original) + ".gif");
                if (!platform::WriteWholeFile(picture,
                        std::vector<uint8_t>(media.media.strPicture.begin(), media.media.strPicture.end()))) {
                    Fail(Fill(Tr("Mail", "%1 cannot be written"), { picture }));
                    return;
                }
                files.push_back(picture);
            }
            if (media.media.bVideo)
                files.push_back(media.strVideoPath);
            if (!media.strGreetingPath.empty())
                files.push_back(media.strGreetingPath);
            if (bPersonal)
                message.attachments = files;
            else
                shared = files;
        }
        if (!bPersonal)
            message.attachments = shared;
        if (!player.empty())
            message.attachments.push_back(player);
        if (IsCancelled()) {
            Fail(CancelledReason());
            return;
        }
        if (!HandToMailProgram(message, reason))
            Fail(reason);
    }
}

void CMailThread::SendOnce(std::time_t start)
{
    CSmtpConnection connection;
    connection.SetTimeout(m_nTimeoutSeconds);
    connection.SetCancel(m_pCancel);
    std::string reason;
    if (!connection.Resolve(m_strServer, reason))
        Fail(reason);
    else
        Converse(connection, start);
}

void CMailThread::SendToEach(std::time_t start)
{
    const std::vector<std::string> addresses = SplitRecipients(m_strTo);
    if (addresses.empty()) {
        Fail(Tr("Mail", "the greeting has no recipient"));
        return;
    }
    const std::string to = m_strTo, subject = m_strSubject, text = m_strText;
    // Each recipient's greeting is made from the project as it came: the player's attachment
    // consumes the copy it is given.
    const std::string name = platform::FileNameOf(m_strProjectPath);
    const std::string original = m_strProjectPath;
    CContactBook contacts;
    std::vector<std::string> skipped;
    std::string reason;
    contacts.Load(ContactsPath(), skipped, reason);
    const bool bPersonal = ProjectHasPlaceholder(original);
    m_bShareMedia = !bPersonal;
    std::string sentTo, refused, lastFailure;
    for (size_t i = 0; i < addresses.size() && !IsCancelled(); ++i) {
        const CRecipientName recipient = NameOf(addresses[i], contacts);
        m_strTo = addresses[i];
        // The message names its recipient as the contacts do.
        const int found = contacts.Find(addresses[i]);
        m_strToName = found >= 0 ? contacts.Contacts()[static_cast<size_t>(found)].DisplayName()
                                 : std::string();
        m_strSubject = FillPlaceholders(subject, recipient);
        m_strText = FillPlaceholders(text, recipient);
        const std::string folder = platform::JoinPath(m_strWorkDir, "to" + std::to_string(i));
        m_strPartsFolder = "parts" + std::to_string(bPersonal ? i : 0);
        std::error_code ec;
        std::filesystem::create_directory(folder, ec);
        m_strProjectPath = platform::JoinPath(folder, name);
        m_bFailed = false;
        m_strFailure.clear();
        if (ec
            || !(bPersonal ? PersonalProject(original, m_strProjectPath, recipient, reason)
                           : platform::CopyFileTo(original, m_strProjectPath)))
            Fail(Fill(Tr("Mail", "%1 cannot be made ready for %2"), { name, addresses[i] }));
        else
            SendOnce(start);
        if (!m_strMimePath.empty())
            platform::DeleteFile(m_strMimePath);
        platform::DeleteFile(m_strProjectPath);
        if (m_bFailed) {
            refused += (refused.empty() ? "" : ", ") + addresses[i] + " (" + m_strFailure + ")";
            lastFailure = m_strFailure;
        } else {
            sentTo += (sentTo.empty() ? "" : ", ") + addresses[i];
            if (!m_strRefused.empty())
                refused += (refused.empty() ? "" : ", ") + m_strRefused;
        }
    }
    m_strTo = to;
    m_strSubject = subject;
    m_strText = text;
    m_strProjectPath = original;
    m_pSharedMedia.reset();
    m_strSentTo = sentTo;
    m_strRefused = refused;
    // The send failed when nobody got the greeting; otherwise the result names who did not.
    m_bFailed = false;
    m_strFailure.clear();
    if (sentTo.empty())
        Fail(IsCancelled() ? CancelledReason()
                : addresses.size() == 1
                ? lastFailure
                : Fill(Tr("Mail", "nobody got the greeting: %1"), { refused }));
}

std::string CMailThread::ResultText(int64_t elapsedSeconds) const
{
    if (!m_bFailed && m_bMailProgram)
        return Fill(Tr("Mail",
                        "Your mail program has the greeting, ready to send. Its files are "
                        "in %1."),
            { m_strPreparedFolder });
    if (!m_bFailed) {
        std::string spanTemplate = platform::LoadResString(IDS_ELAPSED_TIME);
        std::string text = FormatTimeSpan(spanTemplate.empty()
                ? Tr("Mail", "Your greeting has been sent (%H:%M:%S).")
                : spanTemplate,
            elapsedSeconds);
        if (!m_strSentTo.empty())
            text += "\n" + Fill(Tr("Mail", "Sent to: %1."), { m_strSentTo });
        if (!m_strRefused.empty())
            text += "\n"
                + Fill(
                    Tr("Mail", "The mail server refused these recipients: %1"), { m_strRefused });
        if (!m_strLeftOut.empty())
            text += "\n" + Capitalized(m_strLeftOut) + ".";
        return text;
    }
    std::string letter = Tr("Mail", "%s could not send your greeting.");
    if (!m_strDataDir.empty()) {
        // The letter in the person's language where the data directory has it, else the
        // English one.
        for (platform::ELanguage language :
            {platform::ProgramLanguage(), platform::ELanguage::English}) {
            const std::string name = platform::LanguageFileName("err", "msg", language);
            const std::string path = platform::JoinPath(m_strDataDir, name);
            const int64_t length = platform::FileLength(path);
            std::vector<uint8_t> bytes;
            if (length > 0 && length <= kMaxTemplateSize && platform::ReadWholeFile(path, bytes)) {
                // Older data directories keep the letter in the Windows-1252 code page.
                letter = platform::PrintableUtf8(std::string(bytes.begin(), bytes.end()));
                break;
            }
        }
    }
    // The letter is the same for every failure; the paragraph after it says which one this is.
    std::string text = FillTemplate(
        letter, { kApplicationTitle, kApplicationTitle, kApplicationTitle, kHelpAddress });
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text + "\n\n" + Fill(Tr("Mail", "What failed: %1."), { m_strFailure });
}

std::string CMailThread::ToHeader() const
{
    if (m_strToName.empty())
        return m_strTo;
    // Characters that would end or split the name in the header become blanks.
    constexpr std::string_view kSpecials = "\",;:<>()[]\\@";
    std::string name;
    for (char c : m_strToName)
        name.push_back(kSpecials.find(c) != std::string_view::npos ? ' ' : c);
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return m_strTo;
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    return name + " <" + m_strTo + ">";
}

int CMailThread::Run()
{
    m_bFailed = false;
    m_bCancelled = false;
    m_strFailure.clear();
    m_strRefused.clear();
    m_strLeftOut.clear();
    m_strSentTo.clear();
    m_strToName.clear();
    m_bNoPassword = false;
    m_bMaybeDelivered = false;
    m_strPartsFolder = "parts";
    m_strPreparedFolder.clear();
    m_strMimePath.clear();
    const std::time_t start = m_nStartTime != 0 ? m_nStartTime : std::time(nullptr);
    // Elapsed time is measured on a clock that setting the system's date cannot move.
    const auto startClock = m_sendPressed != std::chrono::steady_clock::time_point {}
        ? m_sendPressed
        : std::chrono::steady_clock::now();

    m_strWorkDir = platform::MakeTempDirectory("vimble-mail-");
    if (m_strWorkDir.empty())
        Fail(Tr("Mail", "no private temporary folder can be made for the attachment"));
    if (m_bMailProgram && !m_bFailed) {
        HandOff();
    } else if (!m_bFailed && m_bPreview && m_bEachRecipient) {
        SendToEach(start);
    } else {
        CSmtpConnection connection;
        connection.SetTimeout(m_nTimeoutSeconds);
        connection.SetCancel(m_pCancel);
        std::string reason;
        if (!m_bFailed) {
            if (!connection.Resolve(m_strServer, reason))
                Fail(reason);
            else
                Converse(connection, start);
        }
    }
    const int64_t elapsed = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::steady_clock::now() - startClock)
                                .count();

    IMailHost& host = HostOf(*this);
    host.StopActivity();
    // A cancel that came before the server took the message ends the send as cancelled,
    // whatever else failed on the way; one after it leaves the send a success.
    m_bCancelled = IsCancelled();
    if (m_bCancelled && m_bFailed)
        m_strFailure = CancelledReason();
    if (!m_bCancelled)
        host.ShowResult(ResultText(elapsed), !m_bFailed, m_strFailure);
    CMailThread* self = this;
    g_pMailThread.compare_exchange_strong(self, nullptr);

    platform::WipeSecret(m_strPassword);
    if (!m_strMimePath.empty())
        platform::DeleteFile(m_strMimePath);
    if (!m_strProjectPath.empty())
        platform::DeleteFile(m_strProjectPath);
    // What was prepared for a mail program that did not take it is of no use to anyone.
    const std::string prepared = m_bMailProgram && m_bFailed ? m_strPreparedFolder : std::string();
    for (const std::string& folder : { m_strWorkDir, m_strOwnedFolder, prepared }) {
        std::error_code ec;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ec);
    }
    // A cancel while the result box was open still keeps the address book as it is.
    m_bCancelled = m_bCancelled || IsCancelled();
    // Without the attachment no player data went out, so there is nothing to remember.
    if (!m_bFailed && m_bSendPlayer && m_bAttachPlayer && !m_bCancelled)
        AddToAddressBook(AddressBookPath(m_strDataDir), m_strTo);
    return m_bFailed ? 0 : 1;
}

bool StartMailThread(std::unique_ptr<CMailThread> thread)
{
    if (!thread)
        return false;
    CMailThread* expected = nullptr;
    if (!g_pMailThread.compare_exchange_strong(expected, thread.get()))
        return false;
    CMailThread* worker = thread.release();
    IMailHost& host = HostOf(*worker);
    CWorkers& workers = Workers();
    {
        std::lock_guard lock(workers.m_mutex);
        ++workers.m_nThreads;
        workers.m_pCancel = worker->m_pCancel;
    }
    host.StartActivity();
    JoinFinishedThreads(workers);
    try {
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::thread thread([worker, cancel = worker->m_pCancel, done] {
            std::unique_ptr<CMailThread> owned(worker);
            owned->Run();
            owned.reset();
            CWorkers& workers = Workers();
            std::lock_guard lock(workers.m_mutex);
            // The next worker may have started while this one was cleaning up.
            if (workers.m_pCancel == cancel)
                workers.m_pCancel.reset();
            --workers.m_nThreads;
            *done = true;
            workers.m_done.notify_all();
        });
        std::lock_guard lock(workers.m_mutex);
        workers.m_threads.emplace_back(std::move(thread), done);
    } catch (const std::system_error&) {
        g_pMailThread = nullptr;
        {
            std::lock_guard lock(workers.m_mutex);
            --workers.m_nThreads;
            workers.m_pCancel.reset();
        }
        host.StopActivity();
        delete worker;
        return false;
    }
    return true;
}

bool IsSendInProgress()
{
    CWorkers& workers = Workers();
    std::lock_guard lock(workers.m_mutex);
    return g_pMailThread.load() != nullptr && workers.m_nThreads > 0;
}

bool CancelMailSend()
{
    CWorkers& workers = Workers();
    std::lock_guard lock(workers.m_mutex);
    if (workers.m_pCancel == nullptr)
        return false;
    workers.m_pCancel->Cancel();
    return true;
}

void WaitForMailThreads()
{
    CWorkers& workers = Workers();
    {
        std::unique_lock lock(workers.m_mutex);
        workers.m_done.wait(lock, [&] { return workers.m_nThreads == 0; });
    }
    JoinFinishedThreads(workers);
}

bool WaitForMailThreads(std::chrono::milliseconds timeout)
{
    CWorkers& workers = Workers();
    {
        std::unique_lock lock(workers.m_mutex);
        if (!workers.m_done.wait_for(lock, timeout, [&] { return workers.m_nThreads == 0; }))
            return false;
    }
    JoinFinishedThreads(workers);
    return true;
}

#include "mail/mailthread.h"

#include "mail/addressbook.h"
#include "mail/base64.h"
#include "mail/bundle.h"
#include "mail/message.h"
#include "mail/smtp.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/settings.h"
#include "platform/strings.h"
#include "platform/text.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

std::atomic<CMailThread*> g_pMailThread { nullptr };

namespace {

// Resource string of the elapsed-time template shown after a successful send.
constexpr int IDS_ELAPSED_TIME = 10143;
constexpr char kElapsedFallback[] = "Your greeting has been sent (%H:%M:%S).";
constexpr char kFailureFallback[]
    = "%s could not send your greeting. Check the name of the mail server, your e-mail address "
      "and the addresses of the recipients, then try again.";
constexpr char kRefusedNote[] = "The mail server refused these recipients: ";
// The failure template is a short letter; anything much larger is not one.
constexpr int64_t kMaxTemplateSize = 64 * 1024;
constexpr size_t kDataBlock = 8192;
constexpr size_t kHostNameSize = 80;
constexpr int kDefaultTimeout = 60;

class CPrintingHost : public IMailHost {
public:
    void ShowResult(
        const std::string& strText, bool bSucceeded, const std::string& strReason) override
    {
        std::printf("%s\n", platform::Utf8FromCp1252(strText).c_str());
        std::fflush(stdout);
        if (!bSucceeded && !strReason.empty())
            std::fprintf(stderr, "%s\n", platform::Utf8FromCp1252(strReason).c_str());
    }
};

CPrintingHost g_printingHost;

std::mutex g_threadsMutex;
std::condition_variable g_threadsDone;
int g_nThreads = 0;

IMailHost& HostOf(const CMailThread& thread)
{
    return thread.m_pHost != nullptr ? *thread.m_pHost : g_printingHost;
}

std::string LocalHostName()
{
    char name[kHostNameSize + 1] = {};
    if (::gethostname(name, kHostNameSize) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

std::string ReplyText(int code, const std::string& text)
{
    return std::to_string(code) + (text.empty() ? "" : " " + text);
}

} // namespace

std::string MakeAttachment(const std::string& projectPath, const std::string& dataDir,
    bool bSendPlayer, const std::string& workDir, std::string& reason)
{
    reason.clear();
    const std::string& project = projectPath;
    if (dataDir.empty()) {
        reason = "no data directory is set, so the player program cannot be found";
        platform::ShowMessage("The player program cannot be found: no data directory is set");
        return project;
    }
    // The bundle is written over the project file, so the project is read from a copy.
    std::string copy = platform::MakeTempFileName(workDir, "~ke");
    if (copy.empty() || !platform::CopyFileTo(project, copy)) {
        if (!copy.empty())
            platform::DeleteFile(copy);
        reason = platform::FileNameOf(project) + " cannot be copied for the attachment";
        platform::ShowMessage(project + ": cannot be copied for the attachment");
        return project;
    }
    const std::string player = platform::JoinPath(dataDir, "play.exe");
    bool built = bSendPlayer ? BuildBundle(bundleThreePieces, player,
                     platform::JoinPath(dataDir, "play.dat"), copy, project)
                             : BuildBundle(bundleTwoPieces, player, copy, std::string(), project);
    std::string attachment
        = project.size() >= 3 ? project.substr(0, project.size() - 3) + "exe" : project + ".exe";
    bool copied = true;
    if (attachment != project) {
        copied = platform::CopyFileTo(project, attachment);
        if (!copied)
            platform::ShowMessage("Error 101");
    }
    platform::DeleteFile(copy);
    if (attachment != project)
        platform::DeleteFile(project);
    if (!built)
        reason = "the player bundle cannot be built for " + platform::FileNameOf(project);
    else if (!copied)
        reason = "the attachment " + platform::FileNameOf(attachment) + " cannot be written";
    return attachment;
}

CMailThread::CMailThread()
    : m_nTimeoutSeconds(platform::ReadSettingInt("MailTimeout", kDefaultTimeout))
    , m_strDataDir(platform::FirstDataDirectory())
{
    if (m_nTimeoutSeconds <= 0)
        m_nTimeoutSeconds = kDefaultTimeout;
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
    Fail("the mail server " + m_strServer + " answered " + line + " with " + ReplyText(code, text));
    Quit(connection);
    return false;
}

bool CMailThread::PrepareAttachment()
{
    std::string reason;
    m_strProjectPath
        = MakeAttachment(m_strProjectPath, m_strDataDir, m_bSendPlayer, m_strWorkDir, reason);
    if (!reason.empty()) {
        Fail(reason);
        return false;
    }
    m_strMimePath = platform::JoinPath(m_strWorkDir, "$$$.mim");
    const char* argv[] = { "mime64", "-e", m_strProjectPath.c_str(), m_strMimePath.c_str() };
    if (mime64(4, argv) != 0) {
        Fail("the attachment " + platform::FileNameOf(m_strProjectPath) + " cannot be encoded");
        return false;
    }
    return true;
}

void CMailThread::Converse(CSmtpConnection& connection, std::time_t start)
{
    std::string reason;
    int code = 0;
    std::string text;
    if (!connection.Connect(reason) || !connection.ReadReply(code, text, reason)) {
        Fail(reason);
        return;
    }
    if (code / 100 != 2) {
        Fail("the mail server " + m_strServer
            + " turned the connection down: " + ReplyText(code, text));
        return;
    }
    if (!Command(connection, "HELO " + LocalHostName(), 2)
        || !Command(connection, "MAIL FROM:<" + SingleLine(m_strFrom) + ">", 2))
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
        Fail("the mail server " + m_strServer + " refused every recipient: " + refused);
        Quit(connection);
        return;
    }
    m_strRefused = refused;
    if (!Command(connection, "DATA", 3))
        return;

    CMailDataStream data(
        [&](const char* bytes, size_t size) { return connection.Send(bytes, size, reason); });
    if (!data.Write(MailHeaderRows(m_strTo, m_strFrom, start, m_strSubject))
        || !data.Write(MailTextRows(m_strText)) || !data.Flush()) {
        Fail(reason);
        return;
    }
    // When the attachment cannot be made, the connection is dropped before the end of the
    // data: the server then discards the message instead of delivering a greeting without it.
    if (!PrepareAttachment())
        return;
    platform::CFile mime;
    int64_t mimeLength = platform::FileLength(m_strMimePath);
    if (!mime.Open(m_strMimePath, platform::CFile::modeRead)) {
        Fail("the encoded attachment cannot be read");
        return;
    }
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
    if (streamed != mimeLength) {
        Fail("the encoded attachment cannot be read");
        return;
    }
    if (!data.Write(MailClosingRows()) || !data.Flush() || !connection.Send(".\r\n", reason)
        || !connection.ReadReply(code, text, reason)) {
        Fail(reason);
        return;
    }
    if (code / 100 != 2) {
        Fail("the mail server " + m_strServer
            + " did not take the message: " + ReplyText(code, text));
    }
    Quit(connection);
}

std::string CMailThread::ResultText(int64_t elapsedSeconds) const
{
    if (!m_bFailed) {
        std::string spanTemplate = platform::LoadResString(IDS_ELAPSED_TIME);
        std::string text = FormatTimeSpan(
            spanTemplate.empty() ? kElapsedFallback : spanTemplate, elapsedSeconds);
        if (!m_strRefused.empty())
            text += std::string("\n") + kRefusedNote + m_strRefused;
        return text;
    }
    std::string letter = kFailureFallback;
    if (!m_strDataDir.empty()) {
        std::string path = platform::JoinPath(m_strDataDir, "err.msg");
        int64_t length = platform::FileLength(path);
        std::vector<uint8_t> bytes;
        if (length > 0 && length <= kMaxTemplateSize && platform::ReadWholeFile(path, bytes))
            letter.assign(bytes.begin(), bytes.end());
    }
    return FillTemplate(
        letter, { kApplicationTitle, kApplicationTitle, kApplicationTitle, kDefaultSenderAddress });
}

int CMailThread::Run()
{
    m_bFailed = false;
    m_strFailure.clear();
    m_strRefused.clear();
    m_strMimePath.clear();
    const std::time_t start = m_nStartTime != 0 ? m_nStartTime : std::time(nullptr);
    // Elapsed time is measured on a clock that setting the system's date cannot move.
    const auto startClock = std::chrono::steady_clock::now();

    m_strWorkDir = platform::MakeTempDirectory("vimble-mail-");
    if (m_strWorkDir.empty())
        Fail("no private temporary folder can be made for the attachment");
    {
        CSmtpConnection connection;
        connection.SetTimeout(m_nTimeoutSeconds);
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
    host.ShowResult(ResultText(elapsed), !m_bFailed, m_strFailure);
    CMailThread* self = this;
    g_pMailThread.compare_exchange_strong(self, nullptr);

    if (!m_strMimePath.empty())
        platform::DeleteFile(m_strMimePath);
    if (!m_strProjectPath.empty())
        platform::DeleteFile(m_strProjectPath);
    if (!m_strWorkDir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_strWorkDir, ec);
    }
    if (!m_bFailed && m_bSendPlayer)
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
    {
        std::lock_guard lock(g_threadsMutex);
        ++g_nThreads;
    }
    host.StartActivity();
    try {
        std::thread([worker] {
            std::unique_ptr<CMailThread> owned(worker);
            owned->Run();
            owned.reset();
            std::lock_guard lock(g_threadsMutex);
            --g_nThreads;
            g_threadsDone.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        g_pMailThread = nullptr;
        {
            std::lock_guard lock(g_threadsMutex);
            --g_nThreads;
        }
        host.StopActivity();
        delete worker;
        return false;
    }
    return true;
}

bool IsSendInProgress()
{
    std::lock_guard lock(g_threadsMutex);
    return g_pMailThread.load() != nullptr && g_nThreads > 0;
}

void WaitForMailThreads()
{
    std::unique_lock lock(g_threadsMutex);
    g_threadsDone.wait(lock, [] { return g_nThreads == 0; });
}

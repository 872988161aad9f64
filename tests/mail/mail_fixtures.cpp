#include "tests/mail/mail_fixtures.h"

#include "platform/files.h"
#include "tests/buildpaths.h"

#include <QGuiApplication>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mailtest {

namespace fs = std::filesystem;

CTempDir::CTempDir()
    : m_strPath(platform::MakeTempDirectory("mailtest-"))
{
    if (m_strPath.empty())
        throw std::runtime_error("no temporary folder");
}

CTempDir::~CTempDir()
{
    std::error_code ec;
    fs::remove_all(m_strPath, ec);
}

std::string ReadText(const std::string& path)
{
    std::vector<uint8_t> bytes;
    platform::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& bytes)
{
    if (!platform::WriteWholeFile(
            path, { reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size() }))
        throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

std::vector<std::string> ListDir(const std::string& path)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string PatternBytes(size_t size, uint32_t seed)
{
    std::string bytes(size, '\0');
    uint32_t x = seed * 2654435761u + 1;
    for (char& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

CFileSizeLimit::CFileSizeLimit(uint64_t bytes)
{
    m_pPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_nPrevious = limit.rlim_cur;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

CFileSizeLimit::~CFileSizeLimit()
{
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_nPrevious;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_pPreviousHandler);
}

std::string ReferenceBase64(const std::string& bytes)
{
    static const char alphabet[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string flat;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = static_cast<uint8_t>(bytes[i]) << 16;
        size_t n = std::min<size_t>(3, bytes.size() - i);
        if (n > 1)
            group |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        if (n > 2)
            group |= static_cast<uint8_t>(bytes[i + 2]);
        flat.push_back(alphabet[(group >> 18) & 63]);
        flat.push_back(alphabet[(group >> 12) & 63]);
        flat.push_back(n > 1 ? alphabet[(group >> 6) & 63] : '=');
        flat.push_back(n > 2 ? alphabet[group & 63] : '=');
    }
    std::string lines;
    for (size_t i = 0; i < flat.size(); i += 60)
        lines += flat.substr(i, 60) + "\r\n";
    return lines;
}

namespace {

void U32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(v >> (8 * i)));
}

} // namespace

std::string ReferenceBundle(const std::string& player, const std::string* data,
    const std::string& project, const std::string& name)
{
    std::string bundle = player;
    if (data != nullptr)
        bundle += *data + project;
    else
        bundle += project;
    U32(bundle, static_cast<uint32_t>(player.size()));
    U32(bundle, static_cast<uint32_t>(data != nullptr ? data->size() : project.size()));
    U32(bundle, static_cast<uint32_t>(data != nullptr ? project.size() : 0));
    std::string field = name.substr(0, 8);
    field.resize(8, '\0');
    bundle += field;
    U32(bundle, static_cast<uint32_t>(name.size()));
    bundle += std::string(data != nullptr ? "VELMORANT" : "KADRILOTE") + '\0';
    return bundle;
}

std::string Unstuff(const std::string& data)
{
    std::string out;
    bool lineStart = true;
    for (size_t i = 0; i < data.size(); ++i) {
        if (lineStart && data[i] == '.' && i + 1 < data.size() && data[i + 1] == '.') {
            lineStart = false;
            continue;
        }
        out.push_back(data[i]);
        lineStart = data[i] == '\n';
    }
    return out;
}

std::map<std::string, std::string> ParseWithPython(
    const std::string& message, const std::string& folder, std::string& attachment)
{
    return ParseWithScript(built::kParseMessageScript, message, folder, attachment);
}

std::map<std::string, std::string> ParseWithScript(const std::string& script,
    const std::string& message, const std::string& folder, std::string& attachment)
{
    std::map<std::string, std::string> found;
    std::string python;
    for (const char* path : { "/usr/bin/python3", "/usr/local/bin/python3" })
        if (::access(path, X_OK) == 0) {
            python = path;
            break;
        }
    if (python.empty())
        return found;
    const std::string messagePath = folder + "/message.eml";
    const std::string attachmentPath = folder + "/attachment.bin";
    const std::string outputPath = folder + "/parsed.txt";
    WriteText(messagePath, message);
    std::remove(attachmentPath.c_str());
    const std::string command = python + " '" + script + "' '" + messagePath + "' '"
        + attachmentPath + "' >'" + outputPath + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string output = ReadText(outputPath);
    if (status != 0) {
        found["error"] = output;
        return found;
    }
    found = ReadHexLines(output);
    attachment = ReadText(attachmentPath);
    return found;
}

std::map<std::string, std::string> ReadHexLines(const std::string& output)
{
    std::map<std::string, std::string> found;
    for (size_t at = 0; at < output.size();) {
        size_t end = output.find('\n', at);
        const std::string line
            = output.substr(at, end == std::string::npos ? std::string::npos : end - at);
        size_t tab = line.find('\t');
        if (tab != std::string::npos) {
            std::string bytes;
            for (size_t i = tab + 1; i + 1 < line.size(); i += 2)
                bytes.push_back(static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16)));
            found[line.substr(0, tab)] = bytes;
        }
        at = end == std::string::npos ? output.size() : end + 1;
    }
    return found;
}

CFakeSmtpServer::CFakeSmtpServer(CServerScript script)
    : m_script(std::move(script))
{
    m_nListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (m_nListen < 0
        || ::bind(m_nListen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(m_nListen, 4) != 0
        || ::getsockname(m_nListen, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("the test server cannot listen");
    m_nPort = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
}

CFakeSmtpServer::~CFakeSmtpServer()
{
    Join();
    if (m_nListen >= 0)
        ::close(m_nListen);
}

void CFakeSmtpServer::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool CFakeSmtpServer::WaitForCommands(size_t count)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_bEnded || (m_bReady && m_nCommandsSeen >= count); });
    return m_bReady && m_nCommandsSeen >= count;
}

bool CFakeSmtpServer::WaitForEndOfData()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_bEnded || m_bDataEnded; });
    return m_bDataEnded;
}

void CFakeSmtpServer::Note(bool bEnded)
{
    std::lock_guard lock(m_mutex);
    m_bReady = true;
    m_bEnded = m_bEnded || bEnded;
    m_nCommandsSeen = m_commands.size();
    m_changed.notify_all();
}

std::string CFakeSmtpServer::Reply(const std::string& key, const std::string& line) const
{
    if (key == "RCPT" && m_script.rcpt)
        return m_script.rcpt(line);
    auto found = m_script.replies.find(key);
    if (found != m_script.replies.end())
        return found->second;
    static const std::map<std::string, std::string> defaults = {
        { "HELO", "250 fake.test greets you\r\n" },
        { "MAIL", "250 OK\r\n" },
        { "RCPT", "250 Accepted\r\n" },
        { "DATA", "354 Enter message, ending with \".\" on a line by itself\r\n" },
        { "END", "250 OK queued\r\n" },
        { "QUIT", "221 fake.test closing connection\r\n" },
    };
    found = defaults.find(key);
    return found != defaults.end() ? found->second : "500 unknown command\r\n";
}

void CFakeSmtpServer::Serve()
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    auto waitMs = [&] {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return static_cast<int>(std::max<int64_t>(0, left.count()));
    };
    // Whoever waits for the conversation learns when it ends, however it ends.
    struct CEnd {
        CFakeSmtpServer* pServer;
        ~CEnd()
        {
            std::lock_guard lock(pServer->m_mutex);
            pServer->m_bEnded = true;
            pServer->m_changed.notify_all();
        }
    } end { this };
    pollfd listenEntry { m_nListen, POLLIN, 0 };
    if (::poll(&listenEntry, 1, waitMs()) <= 0)
        return;
    int client = ::accept4(m_nListen, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0)
        return;
    m_bConnected = true;
    auto send = [&](const std::string& text) {
        if (!text.empty())
            ::send(client, text.data(), text.size(), MSG_NOSIGNAL);
    };
    bool open = true;
    auto answer = [&](const std::string& reply) {
        if (reply == "CLOSE")
            open = false;
        else
            send(reply);
    };
    answer(m_script.strGreeting);
    Note(false);
    std::string pending;
    bool inData = false;
    char buffer[65536];
    while (open) {
        if (!inData) {
            size_t end = pending.find("\r\n");
            if (end != std::string::npos) {
                std::string line = pending.substr(0, end);
                pending.erase(0, end + 2);
                m_commands.push_back(line);
                std::string key = line.substr(0, 4);
                for (char& c : key)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                std::string reply = Reply(key, line);
                answer(reply);
                Note(false);
                if (key == "DATA" && reply.rfind("354", 0) == 0)
                    inData = true;
                continue;
            }
        } else {
            // The data ends with a line that holds only a full stop.
            m_strData += pending;
            pending.clear();
            if (m_strData.size() > m_script.nCloseAfterDataBytes)
                break;
            if (m_strData.size() >= 5
                && m_strData.compare(m_strData.size() - 5, 5, "\r\n.\r\n") == 0) {
                m_strData.resize(m_strData.size() - 3);
                m_bEndOfData = true;
                {
                    std::lock_guard lock(m_mutex);
                    m_bDataEnded = true;
                    m_changed.notify_all();
                }
                inData = false;
                answer(Reply("END", ""));
                continue;
            }
        }
        pollfd entry { client, POLLIN, 0 };
        if (::poll(&entry, 1, waitMs()) <= 0)
            break;
        ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
    }
    ::close(client);
}

void EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    // Off screen unless told another; the environment is left as it was.
    const bool bTold = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!bTold)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "mail_tests";
    static char* argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
    if (!bTold)
        unsetenv("QT_QPA_PLATFORM");
}

} // namespace mailtest

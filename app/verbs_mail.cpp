// The mail verbs: sending a project as a greeting, building the self-playing attachment, and
// the address book. Each takes the data directory from the settings ("DataFiles1") unless
// --data names another.
#include "app/json.h"
#include "app/tool.h"
#include "mail/addressbook.h"
#include "mail/base64.h"
#include "mail/bundle.h"
#include "mail/handoff.h"
#include "mail/contacts.h"
#include "mail/mailthread.h"
#include "mail/outbox.h"
#include "mail/smtp.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/secret.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

using platform::Fill;
using platform::Tr;

namespace {

// The options that take no value.
constexpr const char* kFlags[] = { "--player", "--no-preview", "--no-player", "--attach-player",
    "--no-video", "--no-greeting", "--mail-program", "--yearly" };

struct COptions {
    std::map<std::string, std::string> values; // "--data" -> "DIR"
    bool bPlayer = false;
    std::vector<std::string> flags; // every flag given, "--player" too
    std::vector<std::string> positional;

    bool Has(const char* name) const { return values.count(name) != 0; }
    bool HasFlag(const char* name) const
    {
        return std::find(flags.begin(), flags.end(), name) != flags.end();
    }
    std::string Get(const char* name) const
    {
        auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    }
};

bool ParseNumber(const std::string& text, int low, int high, int& value)
{
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

// Options may stand anywhere before "--". allowed lists the options the verb takes, each
// followed by a blank; all but the flags take a value.
bool ParseOptions(
    const std::vector<std::string>& args, const std::string& allowed, COptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            options.positional.insert(options.positional.end(), args.begin() + i + 1, args.end());
            break;
        }
        if (arg.rfind("--", 0) != 0) {
            options.positional.push_back(arg);
            continue;
        }
        if (allowed.find(arg + " ") == std::string::npos)
            return false;
        if (std::find_if(
                std::begin(kFlags), std::end(kFlags), [&](const char* flag) { return arg == flag; })
            != std::end(kFlags)) {
            options.bPlayer = options.bPlayer || arg == "--player";
            options.flags.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        options.values[arg] = args[++i];
    }
    return true;
}

// The data directory, or empty after showing why there is none.
std::string DataDirectory(const COptions& options)
{
    std::string dir
        = options.Has("--data") ? options.Get("--data") : platform::FirstDataDirectory();
    if (dir.empty())
        platform::ShowMessage(
            Tr("Tool", "no data directory: set DataFiles1 or pass --data DIR"));
    return dir;
}

// A private folder that holds the disposable copy of the project the mail code consumes.
class CWorkFolder {
public:
    CWorkFolder()
        : m_strPath(platform::MakeTempDirectory("vimble-tool-"))
    {
    }
    ~CWorkFolder()
    {
        if (!m_strPath.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(m_strPath, ec);
        }
    }
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// Copies the project into the work folder under its own name, so that the attachment carries
// that name. Empty after a shown failure.
// False, said, when the file is no project.
bool CheckProject(const std::string& project)
{
    if (IsProjectFile(project))
        return true;
    // A file that cannot be opened has been reported as such already.
    if (platform::FileLength(project) >= 0)
        platform::ShowMessage("Not a valid file!");
    return false;
}

std::string DisposableCopy(const std::string& project, const CWorkFolder& work)
{
    if (!CheckProject(project))
        return {};
    if (work.Path().empty()) {
        platform::ShowMessage(Tr("Tool", "no temporary folder can be made"));
        return {};
    }
    std::string copy = platform::JoinPath(work.Path(), platform::FileNameOf(project));
    if (!platform::CopyFileTo(project, copy)) {
        platform::ShowMessage(Fill(Tr("Tool", "cannot be copied to %1"), {work.Path()}));
        return {};
    }
    return copy;
}

// Prints the result text as the editor's result box would show it.
class CToolHost : public IMailHost {
public:
    void ShowResult(
        const std::string& strText, bool bSucceeded, const std::string& strReason) override
    {
        std::printf("%s\n", strText.c_str());
        std::fflush(stdout);
        m_bSucceeded = bSucceeded;
        m_strReason = strReason;
    }
    bool m_bSucceeded = false;
    std::string m_strReason;
};

// The security an option names; -1 for a word that names none.
int SecurityByName(const std::string& name)
{
    return name == "plain"   ? mailSecurityPlain
        : name == "starttls" ? mailSecurityStartTls
        : name == "tls"      ? mailSecurityTls
                             : -1;
}

// The security of a send: the option's, else the setting "MailSecurity" when it names one,
// else the port's usual one.
int SendSecurity(const COptions& options)
{
    if (options.Has("--security"))
        return SecurityByName(options.Get("--security"));
    int setting = platform::ReadSettingInt("MailSecurity", -1);
    if (setting >= mailSecurityPlain && setting <= mailSecurityTls)
        return setting;
    std::string host;
    int port = 25;
    CSmtpConnection::SplitServer(options.Get("--server"), host, port);
    return DefaultMailSecurity(port);
}

// The first line of the password file, without its line end; false when it cannot be read.
bool ReadPasswordFile(const std::string& path, std::string& password)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes))
        return false;
    password.assign(bytes.begin(), bytes.end());
    std::fill(bytes.begin(), bytes.end(), uint8_t(0));
    size_t end = password.find_first_of("\r\n");
    if (end != std::string::npos) {
        std::fill(password.begin() + static_cast<std::ptrdiff_t>(end), password.end(), '\0');
        password.resize(end);
    }
    return true;
}

// The size limit (read into sizeLimit when given) and the security, as a send takes them;
// the self-playing attachment is not both asked for and refused.
bool SendOptionsValid(const COptions& options, int& sizeLimit)
{
    return (!options.Has("--size-limit")
               || ParseNumber(options.Get("--size-limit"), 1024, INT_MAX, sizeLimit))
        && (!options.Has("--security") || SecurityByName(options.Get("--security")) >= 0)
        && !(options.HasFlag("--no-player")
            && (options.bPlayer || options.HasFlag("--attach-player")));
}

// What a send is, from the options and the settings: to whom, from whom, through which server,
// and what goes with the message.
void ConfigureSend(const COptions& options, CMailThread& thread)
{
    thread.m_strServer = options.Get("--server");
    thread.m_strFrom = options.Get("--from");
    thread.m_strTo = options.Get("--to");
    thread.m_strSubject = options.Get("--subject");
    thread.m_strText = options.Get("--text");
    thread.m_bSendPlayer = options.bPlayer;
    thread.m_nSecurity = SendSecurity(options);
    thread.m_strUser
        = options.Has("--user") ? options.Get("--user") : platform::ReadSettingString("MailUser");
    thread.m_bPreview
        = !options.HasFlag("--no-preview") && platform::ReadSettingInt("MailPreview", 1) != 0;
    // Without the picture the message is the plain one, which always carried the player.
    // --player asks for the self-playing attachment with the player's data, as the send
    // window's "With player" does; --attach-player for it without that data.
    thread.m_bAttachPlayer = !options.HasFlag("--no-player")
        && (!thread.m_bPreview || options.bPlayer || options.HasFlag("--attach-player")
            || platform::ReadSettingInt("MailAttachPlayer", 0) != 0);
    thread.m_bAttachVideo
        = !options.HasFlag("--no-video") && platform::ReadSettingInt("MailAttachVideo", 1) != 0;
    thread.m_bAttachGreeting = !options.HasFlag("--no-greeting")
        && platform::ReadSettingInt("MailAttachGreeting", 1) != 0;
}

int CmdSend(const std::vector<std::string>& args)
{
    COptions options;
    int timeout = 0;
    int sizeLimit = 0;
    if (!ParseOptions(args,
            "--server --from --to --subject --text --player --data --timeout --security --user "
            "--password-file --no-preview --no-player --attach-player --no-video --no-greeting "
            "--size-limit --mail-program ",
            options)
        || options.positional.size() != 1 || !options.Has("--to")
        || (!options.HasFlag("--mail-program")
            && (!options.Has("--server") || !options.Has("--from")))
        || (options.Has("--timeout") && !ParseNumber(options.Get("--timeout"), 1, 3600, timeout))
        || !SendOptionsValid(options, sizeLimit))
        return -1;
    const std::string& project = options.positional[0];
    CFailureLine failure(project);
    // The password comes from a file or from the environment, never from the command line,
    // where every user of the machine could read it.
    std::string password;
    if (options.Has("--password-file")) {
        if (!ReadPasswordFile(options.Get("--password-file"), password)) {
            platform::ShowMessage(
                Fill(Tr("Tool", "%1: cannot be read"), {options.Get("--password-file")}));
            return failure.Fail();
        }
    } else if (const char* fromEnvironment = std::getenv("VIMBLE_MAIL_PASSWORD")) {
        password = fromEnvironment;
    }
    std::string dataDir = DataDirectory(options);
    if (dataDir.empty())
        return failure.Fail();
    CWorkFolder work;
    std::string copy = DisposableCopy(project, work);
    if (copy.empty())
        return failure.Fail();

    auto thread = std::make_unique<CMailThread>();
    ConfigureSend(options, *thread);
    thread->m_strProjectPath = copy;
    thread->m_strPassword = password;
    platform::WipeSecret(password);
    thread->m_bMailProgram = options.HasFlag("--mail-program");
    if (thread->m_bMailProgram)
        ClearOldOutgoing();
    if (sizeLimit > 0)
        thread->m_nSizeLimit = sizeLimit;
    // The preview draws the greeting's texts with the fonts of a GUI application object, made
    // here on the main thread before the worker starts.
    if (thread->m_bPreview || thread->m_bMailProgram)
        EnsureGuiApplication();
    if (timeout > 0)
        thread->m_nTimeoutSeconds = timeout;
    thread->m_strDataDir = dataDir;
    CToolHost host;
    thread->m_pHost = &host;
    if (!StartMailThread(std::move(thread))) {
        platform::ShowMessage(Tr("Tool", "the mail worker cannot be started"));
        return failure.Fail();
    }
    WaitForMailThreads();
    if (host.m_bSucceeded)
        return 0;
    platform::ShowMessage(host.m_strReason);
    return failure.Fail();
}

} // namespace

// outbox add: the send's options, and when. Prints the new messages' ids, one a line.
int CmdOutboxAdd(const std::vector<std::string>& args)
{
    COptions options;
    int sizeLimit = 0;
    std::time_t now = std::time(nullptr);
    std::time_t at = 0;
    if (!ParseOptions(args,
            "--server --from --to --subject --text --player --security --user --no-preview "
            "--no-player --attach-player --no-video --no-greeting --size-limit --at --yearly "
            "--now ",
            options)
        || options.positional.size() != 1 || !options.Has("--to") || !options.Has("--server")
        || !options.Has("--from") || options.Has("--at") == options.HasFlag("--yearly")
        || (options.Has("--at") && !ParseIsoTime(options.Get("--at"), at))
        || (options.Has("--now") && !ParseIsoTime(options.Get("--now"), now))
        || !SendOptionsValid(options, sizeLimit))
        return -1;
    const std::string& project = options.positional[0];
    CFailureLine failure(project);
    if (!CheckProject(project))
        return failure.Fail();
    CMailThread thread;
    ConfigureSend(options, thread);
    if (sizeLimit > 0)
        thread.m_nSizeLimit = sizeLimit;
    CContactBook contacts;
    std::vector<std::string> skipped, ids;
    std::string reason;
    if (options.HasFlag("--yearly") && !contacts.Load(ContactsPath(), skipped, reason)) {
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    if (!ScheduleGreeting(OutboxPath(), OutboxFormOf(thread), thread.m_strTo, project, at,
            options.HasFlag("--yearly"), contacts, now, ids, reason)) {
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    for (const std::string& id : ids)
        std::printf("%s\n", id.c_str());
    return 0;
}

namespace {

int CmdBundle(const std::vector<std::string>& args)
{
    COptions options;
    if (!ParseOptions(args, "--data --player ", options) || options.positional.size() != 2)
        return -1;
    const std::string& project = options.positional[0];
    const std::string& out = options.positional[1];
    CFailureLine failure(project);
    std::string dataDir = DataDirectory(options);
    if (dataDir.empty())
        return failure.Fail();
    CWorkFolder work;
    std::string copy = DisposableCopy(project, work);
    if (copy.empty())
        return failure.Fail();
    std::string reason;
    std::string attachment = MakeAttachment(copy, dataDir, options.bPlayer, work.Path(), reason);
    if (!reason.empty()) {
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    if (!platform::RenameFile(attachment, out) && !platform::CopyFileTo(attachment, out)) {
        platform::ShowMessage(Fill(Tr("Tool", "%1: cannot be written"), {out}));
        return failure.Fail();
    }
    return 0;
}

// A piece's name from the trailer, made safe to use as a file name in the output folder.
std::string PieceFileName(const std::string& name)
{
    std::string safe;
    for (char c : name)
        safe.push_back(c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ? '_' : c);
    if (safe.empty() || safe == "." || safe == "..")
        safe = "project";
    return safe + ".kel";
}

bool CopyRange(platform::CFile& in, int64_t offset, uint32_t length, const std::string& out)
{
    platform::CFile file;
    if (!in.Seek(offset) || !file.Open(out, platform::CFile::modeWrite))
        return false;
    std::vector<char> block(1 << 16);
    uint64_t left = length;
    while (left > 0) {
        size_t want = static_cast<size_t>(std::min<uint64_t>(left, block.size()));
        if (in.Read(block.data(), want) != want || !file.Write(block.data(), want))
            return false;
        left -= want;
    }
    return file.Close();
}

int CmdUnbundle(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return -1;
    const std::string& bundle = args[0];
    const std::string& dir = args[1];
    CFailureLine failure(bundle);
    CBundleTrailer trailer;
    if (!ReadBundleTrailer(bundle, trailer)) {
        platform::ShowMessage(platform::FileLength(bundle) < 0
                ? Tr("Tool", "cannot be read")
                : Tr("Tool", "not a player bundle"));
        return failure.Fail();
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::vector<std::string> names { "play.exe" };
    if (trailer.m_bWithData)
        names.push_back("play.dat");
    names.push_back(PieceFileName(trailer.m_strName));
    platform::CFile in;
    if (!in.Open(bundle, platform::CFile::modeRead)) {
        platform::ShowMessage(Tr("Tool", "cannot be read"));
        return failure.Fail();
    }
    CJsonWriter json;
    json.BeginObject();
    json.Text("file", platform::FileNameOf(bundle));
    json.Text("tag", trailer.m_bWithData ? kBundleTagWithData : kBundleTagWithoutData);
    json.Text("name", trailer.m_strName);
    json.Int("nameLength", trailer.m_nNameLength);
    json.Ints("lengths", { trailer.m_nLength[0], trailer.m_nLength[1], trailer.m_nLength[2] });
    json.BeginArray("pieces");
    int64_t offset = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        std::string out = platform::JoinPath(dir, names[i]);
        if (!CopyRange(in, offset, trailer.m_nLength[i], out)) {
            platform::ShowMessage(Fill(Tr("Tool", "%1: cannot be written"), {out}));
            return failure.Fail();
        }
        json.BeginObject();
        json.Text("file", names[i]);
        json.Int("bytes", trailer.m_nLength[i]);
        json.EndObject();
        offset += trailer.m_nLength[i];
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Result().c_str(), stdout);
    return 0;
}

int CmdMime64(const std::vector<std::string>& args)
{
    if (args.size() != 3 || args[0].size() < 2 || args[0][0] != '-')
        return -1;
    CFailureLine failure(args[1]);
    const char* argv[] = { "mime64", args[0].c_str(), args[1].c_str(), args[2].c_str() };
    return mime64(4, argv) == 0 ? 0 : failure.Fail();
}

int CmdBook(const std::vector<std::string>& args)
{
    COptions options;
    if (!ParseOptions(args, "--data ", options) || options.positional.empty())
        return -1;
    const std::string& action = options.positional[0];
    const size_t expected = action == "list" ? 1 : (action == "add" || action == "remove") ? 2 : 0;
    if (expected == 0 || options.positional.size() != expected)
        return -1;
    int position = 0;
    if (action == "remove" && !ParseNumber(options.positional[1], 0, INT_MAX, position))
        return -1;

    std::string dataDir = DataDirectory(options);
    std::string path = AddressBookPath(dataDir);
    CFailureLine failure(path.empty() ? std::string("book.dat") : path);
    if (path.empty())
        return failure.Fail();
    CAddressList list;
    bool exists = platform::FileExists(path);
    bool whole = !exists || list.Load(path);
    if (action == "list") {
        for (const std::string& entry : list.Entries())
            std::printf("%s\n", entry.c_str());
        if (whole)
            return 0;
        platform::ShowMessage(Fill(Tr("Tool",
                                       "%1: damaged or unreadable; the entries before the "
                                       "damage are listed"),
            {path}));
        return failure.Fail();
    }
    // A damaged book is not written back short.
    if (!whole) {
        platform::ShowMessage(
            Fill(Tr("Tool", "%1: damaged or unreadable; left unchanged"), {path}));
        return failure.Fail();
    }
    if (action == "add") {
        list.AddText(options.positional[1]);
    } else {
        if (position >= list.GetCount()) {
            platform::ShowMessage(Fill(Tr("Tool", "%1: has no entry %2 (it has %3)"),
                {path, std::to_string(position), std::to_string(list.GetCount())}));
            return failure.Fail();
        }
        list.RemoveAt(position);
    }
    if (!list.Save(path)) {
        platform::ShowMessage(Fill(Tr("Tool", "%1: cannot be written"), {path}));
        return failure.Fail();
    }
    return 0;
}

} // namespace

void AddMailVerbs(VerbTable& verbs)
{
    verbs["send"] = { "send (--server HOST[:PORT] --from ADDRESS | --mail-program) --to RECIPIENTS "
                      "[--subject TEXT] [--text TEXT] [--player | --attach-player | --no-player] "
                      "[--data DIR] [--timeout S] "
                      "[--security plain|starttls|tls] [--user NAME] [--password-file F] "
                      "[--no-preview] [--no-video] "
                      "[--no-greeting] [--size-limit BYTES] PROJECT.kel",
        Tr("Tool",
            "mail a project as a greeting with its picture, video and file, or hand it to the "
            "mail program"),
        CmdSend };
    verbs["bundle"] = { "bundle [--data DIR] [--player] PROJECT.kel OUT",
        Tr("Tool", "write the self-playing attachment of a project"), CmdBundle };
    verbs["unbundle"] = { "unbundle FILE DIR",
        Tr("Tool", "write a bundle's pieces into DIR and print its trailer as JSON"),
        CmdUnbundle };
    verbs["mime64"] = { "mime64 -e|-d IN OUT",
        Tr("Tool", "encode a file as a base64 MIME part, or decode one"), CmdMime64 };
    verbs["book"] = { "book [--data DIR] list | add TEXT | remove INDEX",
        Tr("Tool", "list or change the address book"), CmdBook };
}

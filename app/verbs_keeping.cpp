// The keeping verbs: the recovery copies the editor writes while a greeting is being changed
// (listed as JSON, written out, removed) and the earlier versions of a greeting that its saves
// replaced (listed as JSON, written out). The store is $XDG_STATE_HOME/vimble-email.
#include "app/json.h"
#include "app/tool.h"
#include "mail/outbox.h"
#include "platform/translate.h"
#include "playback/keeping.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using platform::Fill;
using platform::Tr;

namespace {

int Failed(const std::string& reason)
{
    PrintLine(reason);
    return 1;
}

void PrintCopies(const std::vector<keeping::RecoveryCopy>& copies, int64_t runningPid)
{
    CJsonWriter json;
    json.BeginArray();
    for (const keeping::RecoveryCopy& copy : copies) {
        json.BeginObject();
        json.Text("id", copy.about.strId);
        json.Text("name", copy.about.strName);
        if (copy.about.strOriginal.empty())
            json.Null("original");
        else
            json.Text("original", copy.about.strOriginal);
        json.Text("time", IsoTimeUtc(static_cast<std::time_t>(copy.nTime)));
        json.Int("size", copy.nSize);
        json.Text("readable", copy.bReadable ? "yes" : "no");
        if (!copy.bReadable)
            json.Text("problem", copy.strProblem);
        json.Text("running", runningPid != 0 && copy.about.nPid == runningPid ? "yes" : "no");
        json.EndObject();
    }
    json.EndArray();
    std::fputs((json.Result() + "\n").c_str(), stdout);
}

bool HasCopy(const std::string& id)
{
    const std::vector<keeping::RecoveryCopy> copies = keeping::ListRecoveryCopies();
    return std::any_of(copies.begin(), copies.end(),
        [&id](const keeping::RecoveryCopy& copy) { return copy.about.strId == id; });
}

int CmdRecovery(const std::vector<std::string>& args)
{
    if (args.empty())
        return -1;
    const std::string& action = args[0];
    std::string failure;
    if (action == "list" && args.size() == 1) {
        PrintCopies(
            keeping::ListRecoveryCopies(), keeping::RunningEditorPid(keeping::EditorLockPath()));
        return 0;
    }
    if (action == "restore" && args.size() == 3)
        return keeping::RestoreRecoveryCopy(args[1], args[2], &failure) ? 0 : Failed(failure);
    if (action == "discard" && args.size() == 2) {
        if (!HasCopy(args[1]))
            return Failed(Fill(Tr("Tool", "%1: there is no such recovery copy"), { args[1] }));
        if (!keeping::DiscardRecoveryCopy(args[1]))
            return Failed(Fill(Tr("Tool", "%1: the recovery copy cannot be removed"), { args[1] }));
        return 0;
    }
    return -1;
}

int CmdVersions(const std::vector<std::string>& args)
{
    if (args.size() == 1) {
        CJsonWriter json;
        json.BeginArray();
        for (const keeping::EarlierVersion& version : keeping::EarlierVersions(args[0])) {
            json.BeginObject();
            json.Int("number", version.nNumber);
            json.Text("time", IsoTimeUtc(static_cast<std::time_t>(version.nTime)));
            json.Int("size", version.nSize);
            json.EndObject();
        }
        json.EndArray();
        std::fputs((json.Result() + "\n").c_str(), stdout);
        return 0;
    }
    if (args.size() == 4 && args[0] == "restore") {
        char* end = nullptr;
        const long number = std::strtol(args[2].c_str(), &end, 10);
        if (args[2].empty() || *end != '\0' || number < 0 || number > 1000000)
            return -1;
        std::string failure;
        return keeping::RestoreEarlierVersion(args[1], static_cast<int>(number), args[3], &failure)
            ? 0
            : Failed(failure);
    }
    return -1;
}

} // namespace

void AddKeepingVerbs(VerbTable& verbs)
{
    verbs["recovery"] = { "recovery list | restore ID OUT.kel | discard ID",
        Tr("Tool",
            "list the recovery copies of greetings being changed as JSON, write one out, or "
            "remove it"),
        CmdRecovery };
    verbs["versions"] = { "versions FILE.kel | restore FILE.kel N OUT.kel",
        Tr("Tool",
            "list the earlier versions a greeting's saves replaced as JSON (1 is the newest), "
            "or write one out"),
        CmdVersions };
}

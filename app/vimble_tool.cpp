// vimble-tool: the command-line face of the core. Its output is read by scripts: keep it
// stable. Failures print one line naming the file and what is wrong, and exit with status 1;
// a misused command line prints the usage and exits with status 2.
#include "app/tool.h"
#include "platform/translate.h"

#include <cstdio>

using platform::Tr;

namespace {

void PrintUsage(const VerbTable& verbs)
{
    std::fprintf(stderr, "%s\n", Tr("Tool", "usage: vimble-tool VERB ARGUMENTS").c_str());
    for (const auto& [name, verb] : verbs)
        std::fprintf(stderr, "  %-40s %s\n", verb.strUsage.c_str(), verb.strSummary.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    // Before the table: the verbs' summaries are in the person's language.
    InstallToolTranslations();
    VerbTable verbs;
    AddExportVerbs(verbs);
    AddProjectVerbs(verbs);
    AddMailVerbs(verbs);
    AddMailSettingsVerbs(verbs);
    AddContactsVerbs(verbs);
    AddOutboxVerbs(verbs);
    AddKeepingVerbs(verbs);
    AddPictureVerbs(verbs);
    AddPlaybackVerbs(verbs);
    AddResourceVerbs(verbs);
    AddSoundVerbs(verbs);
    AddRecordVerbs(verbs);
    if (argc < 2 || verbs.find(argv[1]) == verbs.end()) {
        PrintUsage(verbs);
        return 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    int result = verbs.at(argv[1]).run(args);
    if (result < 0) {
        PrintUsage(verbs);
        return 2;
    }
    return result;
}

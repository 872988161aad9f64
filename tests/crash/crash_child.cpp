// The program the kill tests run and kill: it writes one of the program's files the way the
// program does, and tells its parent on a pipe how far it is, one byte at a time, so that the
// parent can kill it at a chosen point of the write.
//
//   crash_child project PATH FD      opens the project, moves its first object, saves it over PATH
//                                    (a byte per progress report of the save, 'w' while it
//                                    writes the file, one more when it is done), closes it
//   crash_child book PATH FD TEXT    adds TEXT to the address book at PATH as the mail worker does
//   crash_child setting FD NAME TEXT writes the setting NAME as a text
//   crash_child number FD NAME N     writes the setting NAME as a number
// For the address book and the settings a byte comes just before the write and one after it.
// Exit status 0 when the write succeeded.
#include "mail/addressbook.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/settings.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

int g_nFd = -1;

void Tell(char byte = 'p')
{
    [[maybe_unused]] ssize_t n = ::write(g_nFd, &byte, 1);
}

int SaveChangedProject(const std::string& path)
{
    std::unique_ptr<CAbstractMovie> movie;
    if (!OpenProject(path, movie))
        return 2;
    CStage* stage = movie->GetFirstStage();
    if (stage == nullptr || stage->GetLayers()->GetHead() == nullptr)
        return 3;
    // A change the archive shows: the first object gets a second, later effect.
    auto* effect = new CEffect;
    effect->m_nType = 0;
    effect->m_nDuration = 40;
    effect->m_nStartFrame = 230;
    stage->GetLayers()->GetHead()->m_pEffects->AddTail(effect);
    const bool ok = SaveProject(*movie, path, [](FileStep step, int64_t, int64_t) {
        Tell(step == FileStep::writing ? 'w' : 'p');
    });
    Tell();
    movie.reset();
    CloseProjectFiles(path);
    return ok ? 0 : 4;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 64;
    const std::string mode = argv[1];
    if (mode == "project") {
        g_nFd = std::atoi(argv[3]);
        return SaveChangedProject(argv[2]);
    }
    if (mode == "book" && argc >= 5) {
        g_nFd = std::atoi(argv[3]);
        Tell();
        const bool ok = AddToAddressBook(argv[2], argv[4]);
        Tell();
        return ok ? 0 : 4;
    }
    if ((mode == "setting" || mode == "number") && argc >= 5) {
        g_nFd = std::atoi(argv[2]);
        Tell();
        if (mode == "setting")
            platform::WriteSettingString(argv[3], argv[4]);
        else
            platform::WriteSettingInt(argv[3], std::atoi(argv[4]));
        Tell();
        return 0;
    }
    return 64;
}

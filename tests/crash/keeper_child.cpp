// The editor the keeper's kill test kills: the editor window off screen opens the greeting at
// PATH and changes it as a person would, in bursts with pauses between them, while its keeper
// writes recovery copies. Change N sets the background's colour to N, so that a copy tells which
// change it holds. It tells its parent on the pipe FD, a line each: "open" once the greeting
// is open, "change N T" as soon as change N is made, T the steady clock's time of it in
// nanoseconds (the parent's steady clock is the same one). It never ends by itself: it is
// killed.
//
//   keeper_child PATH FD SEED QUIET_MS LONGEST_MS
#include "editor/main/editordlg.h"
#include "model/movie.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"

#include <QApplication>
#include <QTimer>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

namespace {

int g_nFd = -1;

void Tell(const std::string& line)
{
    const std::string text = line + "\n";
    [[maybe_unused]] ssize_t n = ::write(g_nFd, text.data(), text.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6)
        return 64;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const std::string path = argv[1];
    g_nFd = std::atoi(argv[2]);
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[3])));
    auto library = platform::CResourceLibrary::Load(built::kResourceLibrary);
    if (!library)
        return 65;
    platform::SetResourceLibrary(library.get());

    CEditorDialog editor;
    editor.resize(1024, 768);
    editor.show();
    CGreetingKeeper::Timing timing;
    timing.nQuietMs = std::atoi(argv[4]);
    timing.nLongestMs = std::atoi(argv[5]);
    timing.nRetryMs = 20;
    editor.Keeper().SetTiming(timing);
    if (!editor.OpenProjectFile(path))
        return 66;
    Tell("open");

    // Gaps between changes: mostly short ones (a burst), now and then a pause long enough
    // for a copy.
    std::uniform_int_distribution<int> burst(5, timing.nQuietMs / 2);
    std::uniform_int_distribution<int> pause(timing.nQuietMs, timing.nQuietMs * 4);
    std::bernoulli_distribution paused(0.2);
    int nChange = 0;
    QTimer clock;
    clock.setSingleShot(true);
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++nChange;
        editor.GetDoc()->GetMovie()->GetFirstStage()->m_pBackground->m_crColor =
            static_cast<COLORREF>(nChange);
        editor.SetModified();
        Tell("change " + std::to_string(nChange) + " "
             + std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count()));
        clock.start(paused(random) ? pause(random) : burst(random));
    });
    clock.start(burst(random));
    return application.exec();
}

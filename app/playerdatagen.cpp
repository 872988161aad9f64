// vimble-playdat: writes "play.dat" for the build, or lists one.
//
//   vimble-playdat OUT [--soundfont FILE]   the SoundFont (by default the one the editor uses)
//                                           and the fonts that stand for Arial and Times New
//                                           Roman, found through fontconfig
//   vimble-playdat --list FILE              one line per entry: name and byte count
#include "app/playerdata.h"
#include "platform/files.h"
#include "platform/mixer.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct FontWanted {
    const char* pattern; // what fontconfig is asked for
    const char* file; // the file that must answer
};

// The faces the renderer asks for "Arial" and "Times New Roman", in the four styles.
constexpr FontWanted kFonts[] = {
    { "Liberation Sans:style=Regular", "LiberationSans-Regular.ttf" },
    { "Liberation Sans:style=Bold", "LiberationSans-Bold.ttf" },
    { "Liberation Sans:style=Italic", "LiberationSans-Italic.ttf" },
    { "Liberation Sans:style=Bold Italic", "LiberationSans-BoldItalic.ttf" },
    { "Liberation Serif:style=Regular", "LiberationSerif-Regular.ttf" },
    { "Liberation Serif:style=Bold", "LiberationSerif-Bold.ttf" },
    { "Liberation Serif:style=Italic", "LiberationSerif-Italic.ttf" },
    { "Liberation Serif:style=Bold Italic", "LiberationSerif-BoldItalic.ttf" },
};

constexpr char kFontFolder[] = "/usr/share/fonts/truetype/liberation2";

// fontconfig's file for the pattern; empty when it cannot be asked. fc-match always answers
// with something, so the caller checks the name.
std::string AskFontconfig(const std::string& pattern)
{
    std::string command = "fc-match -f '%{file}' '" + pattern + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string answer;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        answer.append(buffer, n);
    pclose(pipe);
    return answer;
}

std::string FindFont(const FontWanted& wanted)
{
    std::string path = AskFontconfig(wanted.pattern);
    if (platform::FileNameOf(path) == wanted.file && platform::FileExists(path))
        return path;
    path = platform::JoinPath(kFontFolder, wanted.file);
    return platform::FileExists(path) ? path : std::string();
}

bool AddFile(CPlayerData& data, const std::string& kind, const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return false;
    }
    if (!data.Add(kind + platform::FileNameOf(path), std::move(bytes))) {
        std::fprintf(stderr, "%s: cannot be added\n", path.c_str());
        return false;
    }
    return true;
}

int Usage()
{
    std::fprintf(stderr,
        "usage: vimble-playdat OUT [--soundfont FILE]\n"
        "       vimble-playdat --list FILE\n");
    return 2;
}

int List(const std::string& path)
{
    CPlayerData data;
    std::string error;
    if (!ReadPlayerDataFile(path, data, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    for (const CPlayerDataEntry& entry : data.m_entries)
        std::printf("%s %zu\n", entry.m_strName.c_str(), entry.m_data.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "--list")
        return List(args[1]);
    if (args.empty() || args[0].empty() || args[0][0] == '-')
        return Usage();
    std::string soundFont;
    if (args.size() == 3 && args[1] == "--soundfont")
        soundFont = args[2];
    else if (args.size() != 1)
        return Usage();
    if (soundFont.empty())
        soundFont = platform::FindSoundFont();
    if (soundFont.empty()) {
        std::fprintf(stderr, "%s: no General MIDI SoundFont found (install timgm6mb-soundfont)\n",
            args[0].c_str());
        return 1;
    }

    CPlayerData data;
    if (!AddFile(data, kPlayerDataSoundFont, soundFont))
        return 1;
    for (const FontWanted& wanted : kFonts) {
        const std::string path = FindFont(wanted);
        if (path.empty()) {
            std::fprintf(stderr, "%s: the font %s is missing (install fonts-liberation2)\n",
                args[0].c_str(), wanted.file);
            return 1;
        }
        if (!AddFile(data, kPlayerDataFont, path))
            return 1;
    }
    std::string error;
    if (!WritePlayerDataFile(args[0], data, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

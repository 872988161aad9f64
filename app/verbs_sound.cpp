// The sound verbs: what a greeting sounds like, rendered offline, what the MIDI reader finds
// in a file, and a wave added to an object.
#include "app/tool.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/mixer.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/wave.h"
#include "playback/midifile.h"
#include "playback/midiplayer.h"
#include "playback/projectdoc.h"
#include "playback/soundsystem.h"
#include "playback/soundtrack.h"
#include "playback/voicesound.h"

#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <unistd.h>

using platform::Fill;
using platform::Tr;

namespace {

// The longest soundtrack rendered at once: an hour.
constexpr double kMaxSeconds = 3600;

int CmdSoundtrack(const std::vector<std::string>& args)
{
    double seconds = 0;
    char extra = 0;
    if (args.size() != 4 || args[1] != "--seconds"
        || std::sscanf(args[2].c_str(), "%lf%c", &seconds, &extra) != 1 || !(seconds > 0)
        || seconds > kMaxSeconds)
        return -1;
    const std::string& out = args[3];
    auto doc = OpenForPlayback(args[0]);
    if (!doc)
        return 1;
    std::string error;
    std::unique_ptr<platform::ISynth> synth;
    const std::string soundFont = platform::FindSoundFont();
    if (!soundFont.empty())
        synth = platform::CreateSoundFontSynth(soundFont, error);
    else
        error = Tr("Tool", "no SoundFont is installed");
    if (!synth)
        PrintLine(Fill(Tr("Tool", "%1: the music stays silent: %2"),
            {args[0], platform::PrintableUtf8(error)}));
    auto sound = CSoundSystem::CreateOffline(std::move(synth));
    if (!sound) {
        PrintLine(
            Fill(Tr("Tool", "%1: there is not enough memory for the sound"), {args[0]}));
        return 1;
    }
    const size_t frames = static_cast<size_t>(std::llround(seconds * platform::kAudioRate));
    std::vector<int16_t> samples;
    // Long renders tell how far they are, on standard error.
    const bool bProgress = seconds >= 30 && isatty(STDERR_FILENO);
    RenderSoundtrack(*doc, *sound, frames, samples, [&](size_t done) {
        if (bProgress && done % (kFramesPerTick * 50) == 0)
            std::fprintf(stderr, "\r%3d%%", static_cast<int>(done * 100 / frames));
    });
    if (bProgress)
        std::fprintf(stderr, "\r100%%\n");
    // Written beside the target first, so that a failure leaves no half-written file.
    const std::string temporary = out + ".part";
    if (!platform::WriteWholeFile(temporary, StereoWaveFile(samples))
        || !platform::RenameFile(temporary, out)) {
        platform::DeleteFile(temporary);
        PrintLine(Fill(Tr("Tool", "%1: cannot be written"), {out}));
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}

const char* KindName(const CMidiEvent& event)
{
    switch (event.nKind) {
    case CMidiEvent::kindChannel:
        return "channel";
    case CMidiEvent::kindTempo:
        return "tempo";
    case CMidiEvent::kindSysEx:
        return "sysex";
    case CMidiEvent::kindMeta:
        return "meta";
    }
    return "?";
}

int CmdMidi(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return -1;
    const std::string& path = args[0];
    // The player's own answer: what opening the file for play gives.
    auto sound = CSoundSystem::CreateOffline(nullptr);
    const int result = sound ? sound->Player()->Open(path) : MIDIPLAYER_NO_MEMORY;
    if (result != MIDIPLAYER_OK) {
        PrintLine(
            Fill(Tr("Tool", "%1: result %2: %3"),
                {path, std::to_string(result), platform::PrintableUtf8(MidiResultText(result))}));
        return 1;
    }
    CMidiFile file;
    if (file.Open(path) != MIDI_OK) {
        PrintLine(Fill(Tr("Tool", "%1: cannot be read"), {path}));
        return 1;
    }
    std::vector<std::string> lines;
    CMidiEvent event;
    int read;
    while ((read = file.NextEvent(event)) == MIDI_OK) {
        char line[64];
        if (event.nKind == CMidiEvent::kindChannel) {
            std::snprintf(line, sizeof line, "%" PRIu64 ",%d,channel,%02X %02X %02X", event.nTick,
                event.nTrack, event.nStatus, event.nData1, event.nData2);
        } else if (event.nKind == CMidiEvent::kindTempo) {
            std::snprintf(line, sizeof line, "%" PRIu64 ",%d,tempo,%u", event.nTick, event.nTrack,
                event.nTempo);
        } else {
            std::snprintf(line, sizeof line, "%" PRIu64 ",%d,%s,%02X %zu bytes", event.nTick,
                event.nTrack, KindName(event),
                event.nKind == CMidiEvent::kindMeta ? event.nData1 : event.nStatus,
                event.data.size());
        }
        lines.emplace_back(line);
    }
    std::printf("format: %u\n", file.GetFormat());
    std::printf("tracks: %d\n", file.GetTrackCount());
    if (file.GetDivision() & 0x8000)
        std::printf("division: SMPTE %d frames, %d ticks each\n",
            -static_cast<int8_t>(file.GetDivision() >> 8), file.GetDivision() & 0xFF);
    else
        std::printf("division: %u\n", file.GetDivision());
    std::printf("length: %" PRIu64 "\n", file.GetLength());
    std::printf("seconds: %.6f\n", file.GetDurationMicros() / 1e6);
    std::printf("events: %zu\n", lines.size());
    std::printf("tick,track,kind,data\n");
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return 0;
}

// A whole number from 0 to INT32_MAX.
bool ParseCount(const std::string& text, int32_t& value)
{
    long long number = 0;
    char extra = 0;
    if (text.empty() || text[0] < '0' || text[0] > '9'
        || std::sscanf(text.c_str(), "%lld%c", &number, &extra) != 1 || number > INT32_MAX)
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

// A number of seconds from 0 up, as a person writes it ("2", "0.5").
bool ParseSeconds(const std::string& text, double& value)
{
    char extra = 0;
    return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.')
        && std::sscanf(text.c_str(), "%lf%c", &value, &extra) == 1 && std::isfinite(value)
        && value >= 0;
}

bool EndsWithWav(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == ".wav";
}

// add-sound PROJECT.kel SOUND --frame N [--object I] [--from S] [--seconds N] [--fade F]
// OUT.kel: the sound becomes a sound of the first stage's object I (counted from 0) starting at
// frame N, and the project is written as OUT.kel. A .wav file without --from, --seconds or
// --fade is carried as it is: a recorded voice ends at the frame where its sound has played
// once; any other wave plays on to the end, as the editor adds it by default. Any other audio
// file (or a wave with those options) gives only its part from S seconds, N seconds long (by
// default to the greeting's end, at most a minute), faded in and out over F seconds, kept as a
// compressed wave.
int CmdAddSound(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    int32_t frame = -1;
    int32_t object = 0;
    CSongCut cut;
    bool bCut = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--frame" || args[i] == "--object") {
            if (i + 1 == args.size()
                || !ParseCount(args[i + 1], args[i] == "--frame" ? frame : object))
                return -1;
            ++i;
        } else if (args[i] == "--from" || args[i] == "--seconds" || args[i] == "--fade") {
            double& value = args[i] == "--from" ? cut.fFrom
                : args[i] == "--seconds"        ? cut.fSeconds
                                                : cut.fFade;
            if (i + 1 == args.size() || !ParseSeconds(args[i + 1], value))
                return -1;
            bCut = true;
            ++i;
        } else if (args[i].starts_with("--")) {
            return -1;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 3 || frame < 0)
        return -1;
    const std::string& in = files[0];
    const std::string& wave = files[1];
    const std::string& out = files[2];

    // Read from its bytes: the project itself is never written unless it is also OUT.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectOrSay(in);
    if (!movie)
        return 1;
    std::string reason;
    const bool bAdded = bCut || !EndsWithWav(wave)
        ? AddSongSound(*movie, wave, cut, frame, object, reason)
        : AddWaveSound(*movie, wave, frame, object, reason);
    if (!bAdded) {
        PrintFileLine(in, reason);
        return 1;
    }
    CFailureLine failure(out);
    if (!SaveProject(*movie, out))
        return failure.Fail();
    std::printf("%s\n", out.c_str());
    return 0;
}

} // namespace

void AddSoundVerbs(VerbTable& verbs)
{
    verbs["soundtrack"] = { "soundtrack FILE.kel --seconds S OUT.wav",
        Tr("Tool",
            "what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV"),
        CmdSoundtrack };
    verbs["add-sound"] = { "add-sound FILE.kel SOUND --frame N [--object I] [--from S] "
                           "[--seconds N] [--fade F] OUT.kel",
        Tr("Tool",
            "the project with the sound added to an object (from 0) at frame N; a recorded voice "
            "plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives "
            "its part from S seconds, N long (to the end, at most 60), faded over F, compressed"),
        CmdAddSound };
    verbs["midi"] = { "midi FILE.mid",
        Tr("Tool", "what the MIDI reader finds in a file, or the player's result and why"),
        CmdMidi };
}

// The readers the program points at files and bytes that others made, each as a function that
// takes any bytes at all. A fuzzer calls them with mutated inputs; the replay test calls them
// with the seed corpus and every reproducer kept in regressions/. A reader must never crash,
// hang or leak on any input: what it says about a bad one does not matter here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace fuzz {

using Input = std::span<const uint8_t>;

// A decoded project archive, read as a movie and played for a few frames.
void ReadArchive(Input input);
// A whole project file (tag and packed archive), read from its bytes alone.
void ReadProject(Input input);
// A library header (".hdr") and a library item (".zty") of each kind.
void ReadLibraryHeader(Input input);
void ReadLibraryItem(Input input);
// A bitmap file, as pictures are imported.
void ReadBitmap(Input input);
// A picture of the kinds Qt reads (PNG, JPEG, GIF, WebP, BMP), and a HEIC/HEIF or AVIF
// picture, as they are imported: read, fitted to the stage, framed and turned.
void ReadPicture(Input input);
void ReadHeif(Input input);
// Their seeds, made by Qt's and libheif's writers when the process starts rather than kept as
// files: small pictures of every kind, one with an EXIF orientation.
std::vector<std::vector<uint8_t>> PictureSeeds();
std::vector<std::vector<uint8_t>> HeifSeeds();
// A MIDI file: read event by event, turned into stream buffers, and prerolled by the player.
void ReadMidi(Input input);
// A wave file, as sounds are imported.
void ReadWave(Input input);
// An IMA ADPCM wave: a whole file (starting "RIFF"), or the blocks of one whose header is made
// from the first bytes (channels, block size, frames counted).
void ReadImaWave(Input input);
// A song in any audio file: its first seconds decoded, faded, and its waveform summary.
void ReadSong(Input input);
// An address book ("book.dat").
void ReadAddressBook(Input input);
// A bundle, taken apart by its trailer the way the stand-alone player does.
void ReadBundle(Input input);
// What a mail server sends: its replies, read one after another.
void ReadSmtpReplies(Input input);
// A video file, as the intro video is opened and its first frames decoded.
void ReadVideo(Input input);

struct Target {
    std::string_view strName;
    void (*pRead)(Input input);
    // The seeds made in the process, for a target whose seeds are not kept in seeds/; nullptr
    // for the others.
    std::vector<std::vector<uint8_t>> (*pSeeds)() = nullptr;
};

// Every target, by the name its fuzzer and its seed and regression folders go by.
std::span<const Target> Targets();
const Target* FindTarget(std::string_view name);

// What every target needs once per process: the application object (fonts, pictures), a
// message sink that keeps nothing, and quiet video libraries.
void PrepareProcess(int* argc, char*** argv);

} // namespace fuzz

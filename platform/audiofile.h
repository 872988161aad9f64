// Songs in the audio files people have (WAV, MP3, M4A/AAC, Ogg Vorbis, Opus, FLAC, ...),
// decoded with the video libraries. Only the part asked for is decoded: the file is sought to
// its start first, so a long song costs no more than a short one. Every failure is told as a
// sentence that names the file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// The longest part taken from a song.
constexpr double kMaxSongPartSeconds = 60;

struct CSongPart {
    double fFrom = 0; // seconds from the song's start
    double fSeconds = kMaxSongPartSeconds; // its length, at most kMaxSongPartSeconds
    double fFade = 0; // the fade-in and the fade-out, each; at most half the part
    int nRate = 22050; // Hz, 1000 to 384000
    int nChannels = 1; // 1 or 2
};

// The part of the song as nChannels interleaved 16-bit samples at nRate: as long as asked, or
// shorter when the song ends first. False, with the reason, when the file cannot be read, is
// no audio file of a kind that is read, holds no sound, is damaged, or the part starts past
// the song's end.
bool DecodeSongPart(const std::string& path, const CSongPart& part, std::vector<int16_t>& samples,
    std::string& error);

// The song's length in seconds as its file tells it (-1 when it does not); false, with the
// reason, when the file cannot be opened as a song.
bool SongSeconds(const std::string& path, double& seconds, std::string& error);

// The lowest and highest sample in one column of a waveform, on the 16-bit scale.
struct CPeak {
    int16_t nLow = 0;
    int16_t nHigh = 0;
};

// A summary of the whole song for drawing its waveform: nColumns (1 to 100,000) columns of
// equal time from its start to its end, each its lowest and highest sample. The song is decoded
// at a low rate (mono, kSummaryRate), so fast peaks show a little lower than they are.
// bCancelled is asked now and then: when it says true the work stops and false is returned
// with an empty error.
constexpr int kSummaryRate = 8000;
bool SongSummary(const std::string& path, int nColumns, std::vector<CPeak>& peaks,
    std::string& error, const std::function<bool()>& bCancelled = {});

} // namespace platform

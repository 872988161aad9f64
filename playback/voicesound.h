// A wave given to an object of a greeting as one of its sounds, from a frame: a file the person
// chose, or their own recorded voice, which plays once (its end frame is where it ends).
#pragma once

#include <cstdint>
#include <string>

class CAbstractMovie;

// An object index that stands for the first object, in the stage's order, whose sounds leave
// room for the wave.
constexpr int32_t kFirstObjectFree = -1;

// Gives the object at index nObject (from 0, or kFirstObjectFree) of the movie's first stage
// the wave at strWave as a sound from nFrame. False, with the reason, when the wave cannot be
// read, the frame lies past the greeting's end, there is no such object, or the sound would play
// at the same time as another of that object's (of every object's); the movie is then unchanged.
bool AddWaveSound(CAbstractMovie& movie, const std::string& strWave, int32_t nFrame,
    int32_t nObject, std::string& reason);

// How a song becomes a sound: the part from fFrom seconds, fSeconds long (less than 0: to the
// greeting's end from the sound's frame; at most a minute either way), faded in and out over
// fFade seconds.
struct CSongCut {
    double fFrom = 0;
    double fSeconds = -1;
    double fFade = 0;
};

// What a song's part is kept as: IMA ADPCM, mono, at this rate (about 11 KB a second).
constexpr int kSongRate = 22050;

// The part's length in seconds for a sound at nFrame (fSeconds as in CSongCut).
double SongPartSeconds(const CAbstractMovie& movie, int32_t nFrame, double fSeconds);

// Gives the object the part of the song in any audio file (WAV, MP3, M4A, Ogg, Opus, FLAC...)
// as a wave sound from nFrame, named after the song's file, as AddWaveSound does; the project
// carries only that part, compressed. False with the reason as AddWaveSound, or when the song
// cannot be decoded.
bool AddSongSound(CAbstractMovie& movie, const std::string& strSong, const CSongCut& cut,
    int32_t nFrame, int32_t nObject, std::string& reason);

// The same for a project file: strIn is read, and the greeting with the sound is written to
// strOut (which may be strIn); nothing is written when it cannot be added.
bool AddWaveSoundToFile(const std::string& strIn, const std::string& strWave, int32_t nFrame,
    int32_t nObject, const std::string& strOut, std::string& reason);

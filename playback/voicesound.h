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

// The same for a project file: strIn is read, and the greeting with the sound is written to
// strOut (which may be strIn); nothing is written when it cannot be added.
bool AddWaveSoundToFile(const std::string& strIn, const std::string& strWave, int32_t nFrame,
    int32_t nObject, const std::string& strOut, std::string& reason);

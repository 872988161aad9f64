// The program's sound as the editor holds it: made once when the program starts, installed as
// the audio output of the project's sounds, and released at shut-down. The MIDI player's end
// messages are handed to the thread of the editor window that registered for them.
#pragma once

#include <cstdint>

class CSoundSystem;
class QObject;

// Opens the sound card (or goes on without one), applies the MIDI device and mute settings
// and installs the output. Does nothing when it is running already.
void StartProgramSound();
// Uninstalls and releases it.
void StopProgramSound();
// The running sound system, or none.
CSoundSystem* ProgramSound();
// The window that receives the end messages (none: they are dropped). The window must
// unregister before it goes.
void SetMidiEndReceiver(QObject* pReceiver);
// The MIDI player's word that run nRun has ended (any thread): later, on the receiving window's
// thread, the sound system hears of it and plays the tune again.
void PostMidiEnd(uint32_t nRun);

// The mute setting ("Mute"): the music plays on, unheard.
bool IsSoundMuted();
void SetSoundMuted(bool bMuted);

// The program's sound as the editor holds it: made once when the program starts, installed as
// the audio output of the project's sounds, and released at shut-down. The MIDI player's end
// messages are posted to the editor window that registered for them, as the event below.
#pragma once

#include <QEvent>

#include <cstdint>

class CSoundSystem;
class QObject;

// The end of a MIDI run: the window tells the sound system, which plays the tune again.
constexpr QEvent::Type kMidiEndEvent = QEvent::Type(QEvent::User + 20);

class CMidiEndEvent : public QEvent {
public:
    explicit CMidiEndEvent(uint32_t nRun)
        : QEvent(kMidiEndEvent)
        , m_nRun(nRun)
    {
    }
    uint32_t GetRun() const { return m_nRun; }

private:
    uint32_t m_nRun;
};

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

// The mute setting ("Mute"): the music plays on, unheard.
bool IsSoundMuted();
void SetSoundMuted(bool bMuted);

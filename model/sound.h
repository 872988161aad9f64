// CSound: one sound of a project (a stage's, a background's, or one of an object's). A wave or
// MIDI sound owns a private copy of its file in the temporary directory; the archive carries
// the whole file, and reading a project makes a new private copy.
#pragma once

#include "model/object.h"
#include "platform/audio.h"

#include <string>

class CLayer;

class CSound : public CObject {
public:
    enum Kind { kindNone = 0, kindWave = 1, kindMidi = 2, kindMarker = 3 };
    enum State { statePlaying = 1, stateStopped = 2, stateNoData = 5 };

    CSound() = default;
    // Deletes the private copy.
    ~CSound() override;
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Whether a MIDI sound plays now: at most one does, program-wide, and none other starts
    // until it stops.
    static bool MidiPlaying();

    // Gives a sound without data its source: kind 3 keeps path as the marker's text; kinds 1
    // and 2 copy the file at path to a new private file. False when the copy fails (the sound
    // then has no data and kind 0) or when the sound already has data.
    bool SetSource(int32_t nKind, const std::string& path);
    void SetName(const std::string& name) { m_strName = name; }
    const std::string& GetName() const { return m_strName; }
    void Serialize(CArchive& ar) override;

    // Starts the sound: a wave loops in the background (replacing any other wave), except a
    // recorded voice, which the output knows by its mark and plays once over the lowered
    // music; a MIDI sound starts only when no other MIDI sound plays; a spoken-text marker
    // silences the wave once until it is armed again. Nothing happens without a device of
    // the kind.
    void Play();
    void Stop();
    // Called for every composed forward frame: starts the sound at its start frame and stops
    // a wave sound at its end frame.
    void OnFrame(int32_t frame);
    // The MIDI data has played to its end: the sound counts as stopped (without touching the
    // device) so it can start again; a spoken-text marker that is done is armed again.
    void OnStreamEnded();
    // The voice of a spoken-text marker: its language (empty: the program's language) and
    // female when the end frame is 0. SetVoice sets both (the end frame to 0 or 1).
    platform::CSpeechVoice Voice() const { return { m_strLanguage, m_nEndFrame == 0 }; }
    void SetVoice(const platform::CSpeechVoice& voice);

    // The sound whose MIDI stream is open, or nullptr.
    static CSound* CurrentMidiSound();
    // Every spoken-text marker that is done may silence (and speak) once more.
    static void ArmAllMarkers();

    std::string m_strName;
    int32_t m_nKind = kindNone;
    std::string m_strReserved;
    std::string m_strPath;        // private copy of the sound file (kinds 1 and 2)
    int32_t m_nState = stateNoData;
    int32_t m_nStartFrame = 0;
    int32_t m_nEndFrame = -1;     // stored for wave sounds; a marker's voice: 0 female
    std::string m_strRef;         // the text of a spoken-text marker
    // The language a marker speaks, as espeak-ng names it ("ru", "cmn"); empty: the program's.
    // A marker keeps its voice after its name in the archive (see Serialize).
    std::string m_strLanguage;
    int32_t m_nMarkState = 5;     // marker: 2 armed, 1 done
    CLayer* m_pLayer = nullptr;   // owning layer, for sounds in a layer's list
    uint64_t m_nWave = 0;         // the wave this sound started, as the output numbers it

private:
    // The name as a marker stores it: the name, then the voice when it has one to keep.
    std::string StoredName() const;
    // Takes the name read from the archive: a marker's voice comes off it.
    void TakeStoredName(const std::string& stored);
    void RegisterMarker();
    // A new empty private file; empty when none could be made.
    static std::string MakePrivateFile();
    void DeletePrivateFile();
};

// The sounds of one layer. Owns its sounds and carries an identity pair.
class CSoundList : public CObject, public CIdentity, public CTypedPtrList<CSound> {
public:
    void Serialize(CArchive& ar) override;
    // True when no two wave sounds share a frame: a and b overlap when a ends at or after b's
    // start and b ends at or after a's start.
    bool NoOverlaps() const;
};

// The microphone: a person's voice recorded through SDL's capture devices, mono 16-bit, for at
// most a minute. SDL's audio thread hands the samples over through a buffer reserved for the
// whole minute when the recording starts, so that it never waits for long and never allocates;
// the window's thread asks how far the recording is and takes the samples at the end.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

class CVoiceCapture {
public:
    // A recording stops by itself after this long.
    static constexpr int kMaxSeconds = 60;

    CVoiceCapture() = default;
    // Stops a recording that runs.
    ~CVoiceCapture();
    CVoiceCapture(const CVoiceCapture&) = delete;
    CVoiceCapture& operator=(const CVoiceCapture&) = delete;

    // The names of the capture devices SDL knows, for Start. Empty when there are none; reason
    // then says why ("no microphone was found", or SDL's error when its audio does not start).
    static std::vector<std::string> InputDevices(std::string& reason);

    // Opens the device by name (empty: the default one) and starts recording: mono, 16-bit,
    // 48 kHz or whatever rate the device gives. False when no recording started: reason says
    // "no microphone was found" when SDL has no capture device (its "dummy" driver has none),
    // or what SDL answered when the device refused. A recording that runs is stopped first and
    // what it held is dropped.
    bool Start(const std::string& device, std::string& reason);
    // Stops the recording and closes the device; what was recorded stays for Take. Waits for a
    // callback that is running. Does nothing when no recording runs.
    void Stop();
    // True from Start until Stop, the minute is full or the device goes away.
    bool IsRecording() const;
    // True when the device went away while recording (unplugged); what came before is kept.
    bool Lost() const;
    // How much was recorded so far, in seconds.
    double Seconds() const;
    // The loudest sample of the last 50 ms or so, 0..1, for a live meter; 0 when not recording.
    float Level() const;
    // What was recorded (mono, at Rate()), handed over and forgotten here; stops a recording
    // that runs.
    std::vector<int16_t> Take();
    // The samples per second of the last recording started; 0 before any.
    int Rate() const { return m_nRate; }

private:
    static void Receive(void* pUser, uint8_t* pStream, int nBytes);
    void Append(const int16_t* samples, size_t count);

    uint32_t m_nDevice = 0;
    int m_nRate = 0;
    bool m_bLost = false;
    // Shared with SDL's audio thread.
    mutable std::mutex m_mutex;
    std::vector<int16_t> m_samples; // reserved for kMaxSeconds, guarded by m_mutex
    size_t m_nLimit = 0; // kMaxSeconds of samples, guarded by m_mutex
    size_t m_nLevelWindow = 0; // samples the meter looks back over, guarded by m_mutex
    std::atomic<size_t> m_nCount { 0 };
    std::atomic<bool> m_bFull { false };
    std::atomic<float> m_fLevel { 0.0f };
};

} // namespace platform

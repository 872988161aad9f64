// The sound card: one SDL audio device for the program's life, 44.1 kHz stereo 16-bit, whose
// callback asks the mixer for the next frames. When no device opens, SDL's "dummy" driver
// stands in and the program goes on without sound.
#pragma once

#include "platform/mixer.h"

#include <string>

namespace platform {

class CAudioDevice {
public:
    // Opens the device (SDL_AUDIODRIVER chooses the driver as usual; "disk" writes to
    // SDL_DISKAUDIOFILE) and starts pulling from the mixer. The mixer outlives the device.
    explicit CAudioDevice(CAudioMixer& mixer);
    // Stops the callback and closes the device.
    ~CAudioDevice();
    CAudioDevice(const CAudioDevice&) = delete;
    CAudioDevice& operator=(const CAudioDevice&) = delete;

    // True when a real device is open (not the dummy stand-in).
    bool IsOpen() const { return m_bReal; }
    // The driver's name ("pulseaudio", "alsa", "disk", "dummy"...), and why no real device
    // opened (empty when one did).
    const std::string& DriverName() const { return m_strDriver; }
    const std::string& Failure() const { return m_strFailure; }

private:
    CAudioMixer& m_mixer;
    uint32_t m_nDevice = 0;
    bool m_bReal = false;
    std::string m_strDriver;
    std::string m_strFailure;
};

} // namespace platform

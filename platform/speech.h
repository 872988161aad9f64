// Spoken text: a text said by espeak-ng in a male or a female voice, as sound for the mixer.
#pragma once

#include "platform/mixer.h"

#include <memory>
#include <string>

namespace platform {

// The text (Windows-1252) said in the chosen voice, at the mixer's rate; none, with a reason
// in error, when no speech synthesizer can be started ("the speech synthesizer cannot be
// started: ..."). An empty or blank text gives an empty sound. Runs on the caller's thread,
// never on the audio thread; the synthesizer is started once, on first use, and guarded by its
// own lock. Results are kept: the same text and voice are synthesized once.
std::shared_ptr<const CPcm> SpeakText(const std::string& text, bool bFemale, std::string& error);

} // namespace platform

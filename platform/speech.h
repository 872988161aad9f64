// Spoken text: a text said by espeak-ng in a language and a male or a female voice, as sound
// for the mixer; the languages espeak-ng has voices for; the language a text's script asks for.
#pragma once

#include "platform/audio.h"
#include "platform/mixer.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// One voice of espeak-ng, as its list names it.
struct CSpeechLanguage {
    std::string strCode; // the voice's own language, lower case: "ru", "en-gb"
    std::string strName; // the voice's name, in English: "Russian"
    // The other languages it speaks for, each with espeak-ng's priority (smaller is
    // preferred): "en" at 2 for "en-gb".
    std::vector<std::pair<std::string, int>> aliases;
};

// The languages espeak-ng has voices for, one entry a language, in espeak-ng's order; empty,
// with the reason in error, when the synthesizer cannot be started. The list is read once.
std::vector<CSpeechLanguage> SpeechLanguages(std::string& error);

// The entry of languages that speaks code: the one whose own language it is, else the one that
// names it as an alias with the smallest priority (the first of those); nullptr when none
// does. Letter case does not matter.
const CSpeechLanguage* FindSpeechLanguage(
    const std::vector<CSpeechLanguage>& languages, const std::string& code);

// The program's language as espeak-ng names it: "en", "de" or "fr".
std::string ProgramSpeechLanguage();

// The language the script of a UTF-8 text asks for: the script with the most letters decides
// (a tie goes to the one that comes first): Cyrillic "ru", Arabic "ar", Han and kana "ja"
// when there is any kana and "cmn" otherwise, Hangul "ko", Devanagari "hi", Greek "el",
// Hebrew "he", Thai "th". Latin, other scripts and a text without letters give fallback.
std::string LanguageForText(const std::string& text, const std::string& fallback);

// The UTF-8 text said in the voice, at the mixer's rate; none, with a reason in error, when no
// speech synthesizer can be started ("the speech synthesizer cannot be started: ..."). A voice
// without a language speaks the program's language, and a language espeak-ng has no voice for
// falls back to the program's language, then to English. An empty or blank text gives an
// empty sound. Runs on the caller's thread, never on the audio thread; the synthesizer is
// started once, on first use, and guarded by its own lock. Results are kept: the same text
// and voice are synthesized once.
std::shared_ptr<const CPcm> SpeakText(
    const std::string& text, const CSpeechVoice& voice, std::string& error);

} // namespace platform

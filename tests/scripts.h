// Texts in many scripts, for the tests that carry texts through the program: each must come
// back character for character.
#pragma once

#include <string>
#include <vector>

struct ScriptText {
    const char* szScript;
    std::string strText; // UTF-8
};

inline const std::vector<ScriptText>& ScriptTexts()
{
    static const std::vector<ScriptText> texts = {
        { "Latin", "Sto lat, \u0141ukasz \u017B\u00F3\u0142\u0107! \u0158\u00EDjen, \u015Eeker, \u0151\u0171" },
        { "Greek", "\u03A7\u03C1\u03CC\u03BD\u03B9\u03B1 \u03C0\u03BF\u03BB\u03BB\u03AC" },
        { "Cyrillic", "\u0421 \u0434\u043D\u0451\u043C \u0440\u043E\u0436\u0434\u0435\u043D\u0438\u044F, \u0410\u043B\u0451\u043D\u0430!" },
        { "Arabic", "\u0639\u064A\u062F \u0645\u064A\u0644\u0627\u062F \u0633\u0639\u064A\u062F \u064A\u0627 \u0645\u062D\u0645\u062F" },
        { "Hebrew", "\u05D9\u05D5\u05DD \u05D4\u05D5\u05DC\u05D3\u05EA \u05E9\u05DE\u05D7" },
        { "Devanagari", "\u091C\u0928\u094D\u092E\u0926\u093F\u0928 \u0915\u0940 \u0936\u0941\u092D\u0915\u093E\u092E\u0928\u093E\u090F\u0901" },
        { "Thai", "\u0E2A\u0E38\u0E02\u0E2A\u0E31\u0E19\u0E15\u0E4C\u0E27\u0E31\u0E19\u0E40\u0E01\u0E34\u0E14" },
        { "Chinese", "\u751F\u65E5\u5FEB\u4E50\uFF0C\u7F8E\u54B2" },
        { "Japanese", "\u304A\u8A95\u751F\u65E5\u304A\u3081\u3067\u3068\u3046\u3001\u30DF\u30B5\u30AD" },
        { "Korean", "\uC0DD\uC77C \uCD95\uD558\uD574\uC694" },
        // A cake, a waving hand with a skin tone, a family joined by zero-width joiners, a flag.
        { "Emoji", "\U0001F382 \U0001F44B\U0001F3FD \U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F1F5\U0001F1F1 \u2764\uFE0F" },
        { "Mixed", "Wszystkiego najlepszego, \u0141ukasz! \U0001F382 \u0410\u043B\u0451\u043D\u0430 \u7F8E\u54B2" },
    };
    return texts;
}

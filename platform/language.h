// The language the program speaks: English, German or French. The setting "Language" ("en",
// "de" or "fr"; empty or missing: the desktop's) decides first, then the desktop's locale:
// the first of de, fr and en named in LANGUAGE (a colon list), else the locale that LC_ALL,
// LC_MESSAGES or LANG names, the first of them that is set. Anything else is English.
#pragma once

#include <string>

namespace platform {

enum class ELanguage { English, German, French };

// What the setting and the environment values (each possibly empty) choose.
struct LanguageSources {
    std::string strSetting;
    std::string strLanguage;   // LANGUAGE
    std::string strLcAll;      // LC_ALL
    std::string strLcMessages; // LC_MESSAGES
    std::string strLang;       // LANG
};
ELanguage ChooseLanguage(const LanguageSources& sources);

// The process's language: chosen once from the setting and the environment, unless
// SetProgramLanguage named one before.
ELanguage ProgramLanguage();
void SetProgramLanguage(ELanguage language);

// "en", "de", "fr".
const char* LanguageCode(ELanguage language);

// The name of a data file's version in a language: "err.msg" itself in English, "err.de.msg"
// and "err.fr.msg" in German and French.
std::string LanguageFileName(const std::string& stem, const std::string& extension,
    ELanguage language);

} // namespace platform

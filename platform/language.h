// The language the program speaks: English, German, French, Spanish, Polish, Russian or
// Japanese. The setting "Language" ("en", "de", "fr", "es", "pl", "ru" or "ja"; empty or
// missing: the desktop's) decides first, then the desktop's locale: the first of those
// languages named in LANGUAGE (a colon list), else the locale that LC_ALL, LC_MESSAGES or LANG
// names, the first of them that is set. Anything else is English.
#pragma once

#include <string>

namespace platform {

enum class ELanguage { English, German, French, Spanish, Polish, Russian, Japanese };

// Every language but English, the language of the sources, in the order above.
inline constexpr ELanguage kTranslatedLanguages[] = {ELanguage::German, ELanguage::French,
    ELanguage::Spanish, ELanguage::Polish, ELanguage::Russian, ELanguage::Japanese};

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

// "en", "de", "fr", "es", "pl", "ru", "ja".
const char* LanguageCode(ELanguage language);

// The name of a data file's version in a language: "err.msg" itself in English, "err.de.msg",
// "err.ja.msg" and so on in the others.
std::string LanguageFileName(const std::string& stem, const std::string& extension,
    ELanguage language);

} // namespace platform

#include "platform/language.h"

#include "platform/settings.h"

#include <atomic>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace platform {

namespace {

// "de", "de_AT.UTF-8", "fr_CA@euro", "FR", "ja_JP" -> the language; nothing for any other.
std::optional<ELanguage> LanguageOfLocale(const std::string& locale)
{
    std::string code;
    for (char c : locale) {
        if (c == '_' || c == '-' || c == '.' || c == '@')
            break;
        code += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (code == "en")
        return ELanguage::English;
    for (ELanguage language : kTranslatedLanguages)
        if (code == LanguageCode(language))
            return language;
    return std::nullopt;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

constexpr int kUnset = -1;
std::atomic<int> g_nLanguage{kUnset};

} // namespace

ELanguage ChooseLanguage(const LanguageSources& sources)
{
    if (std::optional<ELanguage> chosen = LanguageOfLocale(sources.strSetting))
        return *chosen;
    std::istringstream list(sources.strLanguage);
    for (std::string entry; std::getline(list, entry, ':');)
        if (std::optional<ELanguage> chosen = LanguageOfLocale(entry))
            return *chosen;
    for (const std::string* locale : {&sources.strLcAll, &sources.strLcMessages, &sources.strLang})
        if (!locale->empty())
            return LanguageOfLocale(*locale).value_or(ELanguage::English);
    return ELanguage::English;
}

ELanguage ProgramLanguage()
{
    int value = g_nLanguage.load();
    if (value == kUnset) {
        const LanguageSources sources{ReadSettingString("Language"), Environment("LANGUAGE"),
                                      Environment("LC_ALL"), Environment("LC_MESSAGES"),
                                      Environment("LANG")};
        value = static_cast<int>(ChooseLanguage(sources));
        int expected = kUnset;
        if (!g_nLanguage.compare_exchange_strong(expected, value))
            value = expected;
    }
    return static_cast<ELanguage>(value);
}

void SetProgramLanguage(ELanguage language)
{
    g_nLanguage.store(static_cast<int>(language));
}

const char* LanguageCode(ELanguage language)
{
    switch (language) {
    case ELanguage::German:
        return "de";
    case ELanguage::French:
        return "fr";
    case ELanguage::Spanish:
        return "es";
    case ELanguage::Polish:
        return "pl";
    case ELanguage::Russian:
        return "ru";
    case ELanguage::Japanese:
        return "ja";
    case ELanguage::English:
        break;
    }
    return "en";
}

std::string LanguageFileName(const std::string& stem, const std::string& extension,
    ELanguage language)
{
    if (language == ELanguage::English)
        return stem + "." + extension;
    return stem + "." + LanguageCode(language) + "." + extension;
}

} // namespace platform

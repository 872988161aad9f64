#include "translations/translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

// The catalogues are built into the program; their resources are registered here (outside any
// namespace, as Qt asks).
static void RegisterCatalogues()
{
    Q_INIT_RESOURCE(vimble_translations);
}

namespace translations {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> pOwn;
    std::unique_ptr<QTranslator> pQt;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator != nullptr && QCoreApplication::instance() != nullptr)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// The country whose conventions a language's numbers and dates follow.
QLocale LocaleOf(platform::ELanguage language)
{
    switch (language) {
    case platform::ELanguage::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case platform::ELanguage::French:
        return QLocale(QLocale::French, QLocale::France);
    case platform::ELanguage::Spanish:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case platform::ELanguage::Polish:
        return QLocale(QLocale::Polish, QLocale::Poland);
    case platform::ELanguage::Russian:
        return QLocale(QLocale::Russian, QLocale::Russia);
    case platform::ELanguage::Japanese:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    case platform::ELanguage::English:
        break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

QString CatalogueOf(platform::ELanguage language)
{
    return QString(":/translations/vimble_%1.qm").arg(QLatin1String(platform::LanguageCode(language)));
}

bool InstallTranslators()
{
    return InstallTranslators(platform::ProgramLanguage());
}

bool InstallTranslators(platform::ELanguage language)
{
    RegisterCatalogues();
    // What reads the language rather than the catalogue (the mail's letter) follows too.
    platform::SetProgramLanguage(language);
    Installed& installed = Current();
    Remove(installed.pOwn);
    Remove(installed.pQt);
    // Dates, day and month names and numbers as the language writes them; in English as the
    // process had them before.
    static const QLocale original;
    QLocale::setDefault(language == platform::ELanguage::English ? original : LocaleOf(language));
    if (language == platform::ELanguage::English || QCoreApplication::instance() == nullptr)
        return true;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(CatalogueOf(language)))
        return false;
    QCoreApplication::installTranslator(own.get());
    installed.pOwn = std::move(own);
    // Qt's own texts (the standard dialogs' buttons), where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QString("qtbase_%1").arg(QLatin1String(platform::LanguageCode(language))),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.pQt = std::move(qt);
    }
    return true;
}

} // namespace translations

// The program's translations, installed into the application at start: the catalogue of the
// program's language (platform::ProgramLanguage) and, when the system has it, Qt's own.
#pragma once

#include "platform/language.h"

#include <QString>

class QCoreApplication;
class QTranslator;

namespace translations {

// Installs the catalogues of the program's language into the running application (nothing for
// English, the language of the sources). Replaces what an earlier call installed. Returns false
// when the language's catalogue could not be loaded.
bool InstallTranslators();
// The same for a named language (the tests switch languages with it).
bool InstallTranslators(platform::ELanguage language);

// The resource path of a language's compiled catalogue (":/translations/vimble_de.qm").
QString CatalogueOf(platform::ELanguage language);

} // namespace translations

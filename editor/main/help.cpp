#include "editor/main/help.h"

#include "editor/core/prompts.h"
#include "platform/language.h"
#include "platform/settings.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>

namespace {

constexpr char kInstalledManual[] = "/../share/doc/vimble-email/manual";
constexpr char kBuiltManual[] = "/../manual";

bool IsFile(const std::string& path)
{
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isFile();
}

std::string Canonical(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString();
}

} // namespace

std::string ManualIndexPathFor(const std::string& programDirectory, platform::ELanguage language)
{
    if (programDirectory.empty())
        return {};
    for (const char* place : {kInstalledManual, kBuiltManual}) {
        const std::string manual = programDirectory + place;
        // The manual in the person's language where there is one, else the English one.
        if (language != platform::ELanguage::English)
            if (const std::string path =
                    manual + "/" + platform::LanguageCode(language) + "/index.html";
                IsFile(path))
                return Canonical(path);
        if (const std::string path = manual + "/index.html"; IsFile(path))
            return Canonical(path);
    }
    return {};
}

std::string ManualIndexPath()
{
    std::string setting = platform::ReadSettingString("HelpFile");
    if (setting == "~" || setting.rfind("~/", 0) == 0) {
        const char* home = std::getenv("HOME");
        if (home != nullptr && *home != '\0')
            setting = std::string(home) + setting.substr(1);
    }
    if (!setting.empty())
        return IsFile(setting) ? setting : std::string();
    return ManualIndexPathFor(platform::ProgramDirectory(), platform::ProgramLanguage());
}

bool OpenManual(QWidget* parent)
{
    const std::string path = ManualIndexPath();
    if (path.empty()) {
        const QString text = QCoreApplication::translate("CManual",
            "The manual is not installed. Vimble e-mail's manual belongs in "
            "share/doc/vimble-email/manual beside the program; installing the program again "
            "puts it there.");
        AskMessageBox(parent, MB_KIND_OK, text.toStdString());
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    if (QDesktopServices::openUrl(url))
        return true;
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (!opener.isEmpty()
        && QProcess::startDetached(opener, {QString::fromLatin1(url.toEncoded())}))
        return true;
    const QString text = QCoreApplication::translate("CManual",
        "No web browser could be started to show the manual. Open %1 in your browser.");
    AskMessageBox(parent, MB_KIND_OK,
                  text.arg(QString::fromStdString(path)).toStdString());
    return false;
}

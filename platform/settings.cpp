#include "platform/settings.h"

#include <QSettings>

namespace platform {

namespace {

// QSettings falls back from the user's file to the system-wide one by itself.
class CProfile {
public:
    CProfile() : m_settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail")
    {
        m_settings.beginGroup("1.00");
    }
    QSettings& operator*() { return m_settings; }

private:
    QSettings m_settings;
};

} // namespace

std::string ReadSettingString(const std::string& name, const std::string& fallback)
{
    CProfile profile;
    QVariant value = (*profile).value(QString::fromStdString(name));
    if (!value.isValid())
        return fallback;
    return value.toString().toStdString();
}

int ReadSettingInt(const std::string& name, int fallback)
{
    CProfile profile;
    bool ok = false;
    int value = (*profile).value(QString::fromStdString(name)).toInt(&ok);
    return ok ? value : fallback;
}

void WriteSettingInt(const std::string& name, int value)
{
    CProfile profile;
    (*profile).setValue(QString::fromStdString(name), value);
}

void WriteSettingString(const std::string& name, const std::string& value)
{
    CProfile profile;
    (*profile).setValue(QString::fromStdString(name), QString::fromStdString(value));
}

std::string FirstDataDirectory()
{
    return ReadSettingString("DataFiles1");
}

} // namespace platform

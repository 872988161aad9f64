// A stand-in for the desktop's notification service, for the notification tests: it takes the
// name org.freedesktop.Notifications on the session bus that DBUS_SESSION_BUS_ADDRESS names
// and writes each notice it is given as one line to a file.
//
//     notify_standin OUTFILE [SECONDS]
//
// A line is the notice's fields, separated by tabs: app_name, summary, body, app_icon,
// expire_timeout and the desktop-entry hint (tabs and line ends in a text are written as \t
// and \n). The line is on disk before the caller has its answer. The program runs until it is
// killed, or for SECONDS when given, so that a test that dies leaves nothing behind for long.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

namespace {

constexpr char kService[] = "org.freedesktop.Notifications";
constexpr char kPath[] = "/org/freedesktop/Notifications";

QByteArray Field(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\t', "\\t");
    bytes.replace('\n', "\\n");
    return bytes;
}

class CNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit CNotifications(QFile& out)
        : m_out(out)
    {
    }

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
        const QString& summary, const QString& body, const QStringList& actions,
        const QVariantMap& hints, int expireTimeout)
    {
        Q_UNUSED(actions);
        const QByteArray line = Field(appName) + '\t' + Field(summary) + '\t' + Field(body) + '\t'
            + Field(appIcon) + '\t' + QByteArray::number(expireTimeout) + '\t'
            + Field(hints.value(QStringLiteral("desktop-entry")).toString()) + '\n';
        m_out.write(line);
        m_out.flush();
        return replacesId != 0 ? replacesId : ++m_nLastId;
    }
    QStringList GetCapabilities() { return { QStringLiteral("body") }; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion)
    {
        vendor = QStringLiteral("vimble tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notify_standin");
    }
    void CloseNotification(uint id) { Q_UNUSED(id); }

private:
    QFile& m_out;
    uint m_nLastId = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: notify_standin OUTFILE [SECONDS]\n");
        return 2;
    }
    QFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append)) {
        std::fprintf(stderr, "notify_standin: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    CNotifications notifications(out);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(kPath, &notifications, QDBusConnection::ExportAllSlots)) {
        std::fprintf(stderr, "notify_standin: cannot export the object\n");
        return 1;
    }
    // Taken last, so that whoever sees the name owned finds the object ready.
    if (!bus.registerService(kService)) {
        std::fprintf(stderr, "notify_standin: cannot take the name: %s\n",
            qPrintable(bus.lastError().message()));
        return 1;
    }
    if (args.size() == 3)
        QTimer::singleShot(args[2].toInt() * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}

#include "notify_standin.moc"

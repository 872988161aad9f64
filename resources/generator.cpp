// vimble-resgen: draws every face of the resource library and the program's own pictures,
// and writes them with the string table and the two Qt resource collection files that the
// build packs ("library.qrc" into ksredfr120.rcc, "program.qrc" into the program). Every
// picture is drawn three times, for screens at 1x, 1.5x and 2x: "bitmaps/NAME.png",
// "bitmaps/NAME@1.5x.png" and "bitmaps/NAME@2x.png" (cursors and icons alike). The faces that
// letter text are drawn once more in each translated language from the program's translations
// (context "Faces"), under "bitmaps/de/", "bitmaps/ja/" and so on with the same names.
//
//   vimble-resgen OUTDIR STRINGS.txt
#include "platform/resources.h"
#include "resources/draw.h"
#include "resources/faces.h"
#include "translations/translator.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <cstdio>
#include <set>

namespace {

class CCollection {
public:
    CCollection(const QString& root, const QString& name) : m_root(root), m_name(name) {}

    // Writes the file under the collection and lists it by its alias.
    bool Add(const QString& alias, const QByteArray& data)
    {
        QString path = m_name + "/" + alias;
        QDir().mkpath(QFileInfo(m_root + "/" + path).path());
        if (!WriteIfChanged(m_root + "/" + path, data, &m_bChanged))
            return false;
        m_entries << QString("  <file alias=\"%1\">%2</file>\n").arg(alias, path);
        return true;
    }

    bool AddImage(const QString& alias, const QImage& image)
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&buffer, "PNG")) {
            std::fprintf(stderr, "vimble-resgen: cannot encode %s\n", qPrintable(alias));
            return false;
        }
        return Add(alias, png);
    }

    bool WriteQrc() const
    {
        QByteArray text = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
        for (const QString& entry : m_entries)
            text += entry.toUtf8();
        text += "</qresource>\n</RCC>\n";
        // The collection file is what the packing step depends on: it is written anew
        // whenever any of its files changed.
        QString qrc = m_root + "/" + m_name + ".qrc";
        if (m_bChanged)
            QFile::remove(qrc);
        return WriteIfChanged(qrc, text);
    }

private:
    // Leaves a file that already holds these bytes untouched, so the packing steps after this
    // one only run again when a picture really changed.
    static bool WriteIfChanged(const QString& path, const QByteArray& data, bool* pChanged = nullptr)
    {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly) && old.readAll() == data)
            return true;
        old.close();
        if (pChanged != nullptr)
            *pChanged = true;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
            std::fprintf(stderr, "vimble-resgen: cannot write %s\n", qPrintable(path));
            return false;
        }
        return true;
    }

    QString m_root;
    QString m_name;
    QStringList m_entries;
    bool m_bChanged = false;
};

// Reads "number<TAB>text" lines; "#" starts a comment line; "\n" in a text is a line break.
bool AddStrings(CCollection& library, const QString& path, const QString& folder = "strings")
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vimble-resgen: cannot read %s\n", qPrintable(path));
        return false;
    }
    QSet<int> seen;
    int lineNumber = 0;
    bool ok = true;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine()).chopped(0);
        ++lineNumber;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        int tab = line.indexOf('\t');
        bool isNumber = false;
        int id = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        if (!isNumber || seen.contains(id)) {
            std::fprintf(stderr, "%s:%d: %s\n", qPrintable(path), lineNumber,
                         isNumber ? "string number given twice" : "expected NUMBER<TAB>TEXT");
            ok = false;
            continue;
        }
        seen.insert(id);
        QString text = line.mid(tab + 1).replace("\\n", "\n");
        ok = library.Add(QString("%1/%2").arg(folder).arg(id), text.toUtf8()) && ok;
    }
    return ok;
}

// "bitmaps/NAME.png" at 1x, "bitmaps/NAME@2x.png" at 2x.
QString Alias(const QString& folder, const std::string& name, qreal scale)
{
    return QString("%1/%2.png")
        .arg(folder, QString::fromStdString(platform::ScaledName(name, scale)));
}

// Every face into the folder; with a choice, only the faces it names.
bool AddFaces(CCollection& library, qreal scale, const QString& folder = "bitmaps",
              const std::set<std::string>* only = nullptr)
{
    using namespace faces;
    auto add = [&](const std::string& name, auto draw) {
        if (only != nullptr && only->count(name) == 0)
            return true;
        return library.AddImage(Alias(folder, name, scale), draw());
    };
    bool ok = true;
    for (const WindowFace& face : Windows())
        ok = add(face.strName, [&] { return DrawWindow(face, scale); }) && ok;
    for (const ButtonFace& button : Buttons())
        for (int state = 0; state < 4; ++state)
            ok = add(button.strName + kStates[state],
                     [&] { return DrawButton(button, state, scale); })
                 && ok;
    for (const ToolbarSetButton& button : ToolbarSetButtons()) {
        for (int set = 1; set <= 3; ++set)
            for (int state = 0; state < 4; ++state)
                ok = add(button.strName + std::to_string(set) + kStates[state],
                         [&] { return DrawSetButton(button, set, state, scale); })
                     && ok;
        for (int set = 1; set <= 3; ++set) {
            int next = set % 3 + 1;
            for (int step : {2, 4}) {
                std::string name = button.strName + std::to_string(set * 100 + next * 10 + step);
                ok = add(name, [&] { return DrawSetTransition(button, set, step, scale); }) && ok;
            }
        }
        ok = add(button.strName + "M", [&] { return DrawSetButtonBlank(scale); }) && ok;
    }
    for (const Picture& picture : Pictures())
        ok = add(picture.strName, [&] { return DrawPicture(picture, scale); }) && ok;
    return ok;
}

bool AddProgramResources(CCollection& program, qreal scale)
{
    using namespace faces;
    bool ok = true;
    for (int id : {209, 210, 211})
        ok = program.AddImage(Alias("cursors", std::to_string(id), scale), DrawCursor(id, scale))
             && ok;
    for (int id : {5, 6, 9, 10, 12, 16, 600})
        for (int size : {16, 32})
            ok = program.AddImage(
                     Alias("icons", std::to_string(id) + "-" + std::to_string(size), scale),
                     DrawIcon(id, size, scale))
                 && ok;
    ok = program.AddImage(Alias("bitmaps", "139", scale), DrawSoundIcon(scale)) && ok;
    ok = program.AddImage(Alias("bitmaps", "TIP_LEFT", scale), DrawTipEnd(true, scale)) && ok;
    ok = program.AddImage(Alias("bitmaps", "TIP_RIGHT", scale), DrawTipEnd(false, scale)) && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: vimble-resgen OUTDIR STRINGS.txt\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!faces::LoadFonts()) {
        std::fputs("vimble-resgen: the Liberation Sans fonts (fonts-liberation2) are missing\n",
                   stderr);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    CCollection library(out, "library");
    CCollection program(out, "program");
    bool ok = AddStrings(library, QString::fromLocal8Bit(argv[2]));
    // The translated strings lie beside the English ones ("strings.de.txt") and go under
    // "strings/de", "strings/ja" and so on.
    for (platform::ELanguage each : platform::kTranslatedLanguages) {
        const char* language = platform::LanguageCode(each);
        QString translated = QString::fromLocal8Bit(argv[2]);
        translated.replace(QRegularExpression("\\.txt$"), QString(".%1.txt").arg(language));
        ok = AddStrings(library, translated, QString("strings/%1").arg(language)) && ok;
    }
    for (qreal scale : platform::kBitmapScales) {
        ok = AddFaces(library, scale) && ok;
        ok = AddProgramResources(program, scale) && ok;
    }
    // The lettered faces in each translated language, from the catalogues the program itself
    // speaks with.
    const std::vector<std::string> lettered = faces::LetteredFaceNames();
    const std::set<std::string> only(lettered.begin(), lettered.end());
    using platform::ELanguage;
    for (ELanguage language : platform::kTranslatedLanguages) {
        const QString code = QLatin1String(platform::LanguageCode(language));
        if (!translations::InstallTranslators(language)) {
            std::fprintf(stderr, "vimble-resgen: the %s translation cannot be loaded\n",
                         qPrintable(code));
            ok = false;
            continue;
        }
        for (qreal scale : platform::kBitmapScales)
            ok = AddFaces(library, scale, "bitmaps/" + code, &only) && ok;
    }
    translations::InstallTranslators(ELanguage::English);
    ok = ok && library.WriteQrc() && program.WriteQrc();
    return ok ? 0 : 1;
}

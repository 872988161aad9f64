// The program in its seven languages: how the language is chosen, that every text has its
// translation in each language but English (the translator's catalogues, the resource strings,
// the tables of shown names and the face texts), that lupdate finds no text the catalogues lack,
// and that names show in the chosen language while the stored bytes stay as they are.
#include "content/library.h"
#include "platform/language.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/effecttable.h"
#include "playback/shownnames.h"
#include "resources/facetexts.h"
#include "resources/faces.h"
#include "tests/buildpaths.h"
#include "tests/guard/process_guard.h"
#include "translations/translator.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <set>

namespace built {
extern const char* const kSourceDir;
extern const char* const kLupdate;
} // namespace built

namespace {

using platform::ELanguage;

constexpr auto& kTranslated = platform::kTranslatedLanguages;
// English first, then the translated ones in their order: the columns of the tables below.
const ELanguage kLanguages[] = {ELanguage::English, ELanguage::German, ELanguage::French,
    ELanguage::Spanish, ELanguage::Polish, ELanguage::Russian, ELanguage::Japanese};
constexpr int kLanguageCount = static_cast<int>(std::size(kLanguages));

QString SourcePath(const QString& relative)
{
    return QDir(QString::fromUtf8(built::kSourceDir)).filePath(relative);
}

// ---- how the language is chosen ----

TEST(LanguageChoice, the_setting_then_the_language_list_then_the_locale)
{
    struct Row {
        platform::LanguageSources sources; // setting, LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        ELanguage expected;
    };
    const Row rows[] = {
        {{"", "", "", "", ""}, ELanguage::English},
        {{"", "de_DE:en", "", "", ""}, ELanguage::German},
        {{"", "it:fr_CA:de", "", "", "de_DE"}, ELanguage::French},  // the first it knows
        {{"", "it:nl", "de_DE.UTF-8", "", ""}, ELanguage::German},  // a list without one
        {{"", "", "", "fr_FR.UTF-8", "de_DE.UTF-8"}, ELanguage::French}, // before LANG
        {{"", "", "", "", "de_AT.UTF-8"}, ELanguage::German},
        {{"", "", "", "", "FR_fr@euro"}, ELanguage::French},
        {{"", "", "C", "fr_FR", "de_DE"}, ELanguage::English},      // LC_ALL decides
        {{"", "", "", "", "it_IT.UTF-8"}, ELanguage::English},
        {{"", "", "", "", "es_MX"}, ELanguage::Spanish},
        {{"", "", "", "", "pl_PL.UTF-8"}, ELanguage::Polish},
        {{"", "", "", "", "ru"}, ELanguage::Russian},
        {{"", "", "", "", "ja_JP"}, ELanguage::Japanese},
        {{"", "", "ja_JP.eucJP", "ru_RU", "pl_PL"}, ELanguage::Japanese},
        {{"", "pt_BR:pl:ru", "", "", "es_ES.UTF-8"}, ELanguage::Polish},
        {{"", "", "", "RU_ru.KOI8-R", "ja_JP"}, ELanguage::Russian},
        {{"fr", "de", "de_DE", "de_DE", "de_DE"}, ELanguage::French}, // the setting first
        {{"de", "", "", "", "en_GB"}, ELanguage::German},
        {{"en", "fr", "", "", ""}, ELanguage::English},
        {{"es", "", "", "", "ja_JP"}, ELanguage::Spanish},
        {{"ja", "ru", "", "", ""}, ELanguage::Japanese},
        {{"xx", "fr", "", "", ""}, ELanguage::French},               // not one: the desktop's
    };
    for (const Row& row : rows) {
        const platform::LanguageSources& s = row.sources;
        EXPECT_EQ(platform::ChooseLanguage(s), row.expected)
            << "setting '" << s.strSetting << "' LANGUAGE '" << s.strLanguage << "' LC_ALL '"
            << s.strLcAll << "' LC_MESSAGES '" << s.strLcMessages << "' LANG '" << s.strLang << "'";
    }
}

// ---- the translator's catalogues ----

struct TsMessage {
    QString strSource;
    QString strTranslation;
    QString strType; // "unfinished", "vanished", "obsolete" or empty
};
using TsFile = std::map<std::pair<QString, QString>, TsMessage>; // (context, source)

TsFile ReadTs(const QString& path)
{
    TsFile messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("message"))
            message = {};
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            message.strSource = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            message.strType = xml.attributes().value("type").toString();
            message.strTranslation = xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages[{context, message.strSource}] = message;
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> Placeholders(const QString& text)
{
    std::multiset<QString> found;
    static const QRegularExpression placeholder("%(\\d+|n)");
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

QString TsPath(ELanguage language)
{
    return SourcePath(QString("translations/vimble_%1.ts").arg(platform::LanguageCode(language)));
}

TEST(Catalogues, every_source_has_a_finished_translation_with_its_placeholders)
{
    std::set<std::pair<QString, QString>> keys[std::size(kTranslated)];
    for (size_t i = 0; i < std::size(kTranslated); ++i) {
        const TsFile messages = ReadTs(TsPath(kTranslated[i]));
        EXPECT_GT(messages.size(), 400u);
        for (const auto& [key, message] : messages) {
            const std::string where = key.first.toStdString() + ": " + key.second.toStdString();
            EXPECT_TRUE(message.strType.isEmpty()) << message.strType.toStdString() << " " << where;
            EXPECT_FALSE(message.strTranslation.isEmpty()) << where;
            EXPECT_EQ(Placeholders(message.strTranslation), Placeholders(message.strSource)) << where;
            keys[i].insert(key);
        }
        QTranslator compiled;
        EXPECT_TRUE(compiled.load(translations::CatalogueOf(kTranslated[i])));
    }
    for (size_t i = 1; i < std::size(kTranslated); ++i)
        EXPECT_EQ(keys[i], keys[0]) << "the " << platform::LanguageCode(kTranslated[i])
                                    << " and German catalogues hold different texts";
}

TEST(Catalogues, lupdate_over_the_sources_finds_nothing_new_or_gone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath("vimble_de.ts");
    ASSERT_TRUE(QFile::copy(TsPath(ELanguage::German), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QString::fromUtf8(built::kSourceDir));
    lupdate.start(QString::fromUtf8(built::kLupdate),
                  {"-silent", "-no-obsolete", "-locations", "none", "-tr-function-alias",
                   "translate+=Tr", "-extensions", "cpp,h", "app",
                   "dialogs", "editor", "mail", "model", "platform", "playback", "resources",
                   "content", "-ts", copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const TsFile before = ReadTs(TsPath(ELanguage::German));
    const TsFile after = ReadTs(copy);
    for (const auto& [key, message] : after) {
        EXPECT_TRUE(before.count(key) == 1 && message.strType.isEmpty())
            << "not translated yet: " << key.first.toStdString() << ": " << key.second.toStdString();
    }
    for (const auto& [key, message] : before)
        EXPECT_EQ(after.count(key), 1u)
            << "no longer in the sources: " << key.first.toStdString() << ": "
            << key.second.toStdString();
}

// ---- the resource strings ----

std::map<int, std::string> ReadStrings(const QString& path)
{
    std::map<int, std::string> strings;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        const int tab = line.indexOf('\t');
        bool isNumber = false;
        const int id = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        if (line.startsWith('#') || !isNumber)
            continue;
        strings[id] = line.mid(tab + 1).replace("\\n", "\n").toStdString();
    }
    return strings;
}

std::multiset<std::string> Conversions(const std::string& text)
{
    std::multiset<std::string> found;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%') {
            found.insert(text.substr(i, 2));
            ++i;
        }
    return found;
}

TEST(ResourceStrings, every_number_has_its_text_in_every_language_in_the_library)
{
    const std::map<int, std::string> english = ReadStrings(SourcePath("resources/strings.txt"));
    ASSERT_GT(english.size(), 100u);
    auto library = platform::CResourceLibrary::Load(built::kResourceLibrary);
    ASSERT_NE(library, nullptr);
    for (ELanguage language : kTranslated) {
        const std::map<int, std::string> translated = ReadStrings(
            SourcePath(QString("resources/strings.%1.txt").arg(platform::LanguageCode(language))));
        for (const auto& [id, text] : english) {
            const auto found = translated.find(id);
            ASSERT_NE(found, translated.end()) << platform::LanguageCode(language) << " " << id;
            EXPECT_FALSE(found->second.empty()) << id;
            EXPECT_LE(found->second.size(), 254u) << id; // read whole
            EXPECT_EQ(Conversions(found->second), Conversions(text)) << id;
            EXPECT_EQ(library->Get(id, language), found->second) << id;
            EXPECT_EQ(library->Get(id, ELanguage::English), text) << id;
        }
        for (const auto& entry : translated)
            EXPECT_EQ(english.count(entry.first), 1u) << "no English text for " << entry.first;
    }
}

TEST(ResourceStrings, a_number_without_a_translation_shows_in_english)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("strings/de");
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("strings/7", "Seven");
    write("strings/8", "Eight");
    write("strings/de/8", "Acht");
    write("lib.qrc", "<RCC><qresource><file>strings/7</file><file>strings/8</file>"
                     "<file>strings/de/8</file></qresource></RCC>");
    const QString rcc = dir.filePath("lib.rcc");
    ASSERT_EQ(QProcess::execute(built::kRcc, {"--binary", dir.filePath("lib.qrc"), "-o", rcc}), 0);
    auto library = platform::CResourceLibrary::Load(rcc.toStdString());
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->Get(7, ELanguage::German), "Seven");
    EXPECT_EQ(library->Get(8, ELanguage::German), "Acht");
    EXPECT_EQ(library->Get(8, ELanguage::French), "Eight");
    EXPECT_EQ(library->Get(8, ELanguage::English), "Eight");
    EXPECT_EQ(library->StringIds(), (std::vector<int>{7, 8}));
}

// ---- shown names and face texts ----

TEST(ShownNames, every_table_name_and_face_text_is_translated_and_the_tables_are_whole)
{
    struct Table {
        const char* szContext;
        const std::vector<shown::NameRow>& rows;
    };
    const Table tables[] = {{shown::kEffectContext, shown::EffectNames()},
                            {shown::kLibraryContext, shown::LibraryNames()},
                            {shown::kCategoryContext, shown::CategoryNames()},
                            {shown::kObjectContext, shown::ObjectNames()}};
    for (ELanguage language : kTranslated) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(translations::CatalogueOf(language)));
        for (const Table& table : tables)
            for (const shown::NameRow& row : table.rows)
                EXPECT_FALSE(translator.translate(table.szContext, row.szEnglish).isEmpty())
                    << platform::LanguageCode(language) << " " << table.szContext << ": " << row.szEnglish;
        for (const char* text : faces::FaceTexts())
            EXPECT_FALSE(translator.translate(faces::kFaceContext, text).isEmpty())
                << platform::LanguageCode(language) << " face text: " << text;
    }

    // Every kind of the effect table, and "Sans", has its name.
    EXPECT_EQ(shown::EffectNames().size(), EffectKinds().size() + 1);
    // The sample library's items by type and number, and its categories.
    for (const content::LibraryEntry& entry : content::LibraryEntries()) {
        bool bFound = false;
        for (const shown::NameRow& row : shown::LibraryNames())
            bFound = bFound
                     || (row.nKind == entry.nType && row.nNumber == entry.nItem
                         && entry.strName == row.szEnglish);
        EXPECT_TRUE(bFound) << "no shown name for item " << entry.nItem << " " << entry.strName;
        EXPECT_NE(shown::CategoryName(entry.strCategory), QString()) << entry.strCategory;
        bool bCategory = false;
        for (const shown::NameRow& row : shown::CategoryNames())
            bCategory = bCategory || entry.strCategory == row.szEnglish;
        EXPECT_TRUE(bCategory) << "no shown name for the category " << entry.strCategory;
    }
    // Every text lettered on a face is in the list the translations come from.
    std::set<QString> listed;
    for (const char* text : faces::FaceTexts())
        listed.insert(QString::fromUtf8(text));
    auto expectListed = [&](const QString& text, const std::string& where) {
        EXPECT_TRUE(text.isEmpty() || listed.count(text) == 1)
            << where << ": \"" << text.toStdString() << "\" is not among the face texts";
    };
    for (const faces::WindowFace& face : faces::Windows()) {
        expectListed(face.title, face.strName);
        for (const faces::Zone& zone : face.zones)
            expectListed(zone.text, face.strName);
    }
    for (const faces::ButtonFace& button : faces::Buttons())
        expectListed(button.label, button.strName);
    for (const faces::Picture& picture : faces::Pictures())
        if (picture.kind != faces::PictureKind::MessageStrip)
            expectListed(picture.text, picture.strName);
}

TEST(ShownNames, names_show_in_the_chosen_language_and_unknown_ones_as_stored)
{
    const std::string growingLeft = EffectKinds()[2].m_strName; // stored in French
    struct Row {
        QString shown[kLanguageCount]; // in the order of kLanguages; one alone: in every one
        std::function<QString()> name;
    };
    const QString frenchGrowingLeft = QString::fromStdString(growingLeft);
    const QString growingLeftShown[] = {"1.1.1 Across to the left, growing",
        "1.1.1 Quer nach links, wachsend", frenchGrowingLeft,
        "1.1.1 En horizontal hacia la izquierda, creciendo",
        "1.1.1 Poziomo w lewo, z powiększaniem", "1.1.1 Справа налево, с увеличением",
        "1.1.1 左へ横切る (拡大しながら)"};
    const QString redBalloon[] = {"Red balloon", "Roter Ballon", "Ballon rouge", "Globo rojo",
        "Czerwony balon", "Красный шарик", "赤い風船"};
    auto rowOf = [](const QString (&shown)[kLanguageCount], std::function<QString()> name) {
        Row row;
        std::copy(std::begin(shown), std::end(shown), row.shown);
        row.name = std::move(name);
        return row;
    };
    const std::vector<Row> rows = {
        rowOf(growingLeftShown, [&] { return shown::EffectName(growingLeft); }),
        rowOf(growingLeftShown, [] { return shown::EffectKindName(2); }),
        {{"None", "Ohne", "Sans", "Ninguno", "Brak", "Нет", "なし"},
         [] { return shown::EffectName("Sans"); }},
        {{"Text", "Text", "Texte", "Texto", "Tekst", "Текст", "テキスト"},
         [] { return shown::ObjectName("Texte"); }},
        {{"Voice", "Stimme", "Voix", "Voz", "Głos", "Голос", "声"},
         [] { return shown::ObjectName("Voice"); }},
        rowOf(redBalloon, [] { return shown::ObjectName("Red balloon"); }),
        {{"Birthday", "Geburtstag", "Anniversaire", "Cumpleaños", "Urodziny", "День рождения",
          "誕生日"},
         [] { return shown::CategoryName("Birthday"); }},
        rowOf(redBalloon, [] { return shown::LibraryName(2, 9, "Red balloon"); }),
        // Another library's item 10 of the same name, a person's own names: as stored.
        {{"Red balloon"}, [] { return shown::LibraryName(2, 10, "Red balloon"); }},
        {{"Mein Ding"}, [] { return shown::ObjectName("Mein Ding"); }},
        {{"Meine Bahn"}, [] { return shown::EffectName("Meine Bahn"); }},
    };
    // A fixed message of the code: the German one stands in German.
    const char* memory[] = {"Not enough memory (3)!", "Arbeitsspeicher reicht nicht aus (3)!",
                            "M\u00E9moire insuffisante (3) !", "¡Memoria insuficiente (3)!",
                            "Za mało pamięci (3)!", "Недостаточно памяти (3)!",
                            "メモリが不足しています (3)。"};
    for (int i = 0; i < kLanguageCount; ++i) {
        ASSERT_TRUE(translations::InstallTranslators(kLanguages[i]));
        for (const Row& row : rows)
            EXPECT_EQ(row.name(), row.shown[row.shown[1].isEmpty() ? 0 : i])
                << platform::LanguageCode(kLanguages[i]);
        platform::CMessageRecorder recorder;
        platform::ShowMessage("Arbeitsspeicher reicht nicht aus (3)!");
        ASSERT_EQ(recorder.m_messages.size(), 1u);
        EXPECT_EQ(recorder.m_messages[0].strText, memory[i])
            << platform::LanguageCode(kLanguages[i]);
    }
    translations::InstallTranslators(ELanguage::English);
    // The effect table keeps its stored bytes whatever is shown.
    EXPECT_EQ(EffectKinds()[2].m_strName, growingLeft);
}

// A text the core composes is translated whole, and its pieces go into
// their places once: a piece that holds a placeholder itself stays as it is.
TEST(CoreTexts, a_composed_text_is_translated_whole_and_its_pieces_go_in_once)
{
    struct Row {
        const char* text;
        std::initializer_list<std::string> pieces;
        const char* filled;
    };
    const Row rows[] = {
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1: %2", {"%2", "50%"}, "%2: 50%"},
        {"100% of %3 and %1", {"x"}, "100% of %3 and x"},
        {"%%1 %", {"y"}, "%y %"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::Fill(row.text, row.pieces), row.filled) << row.text;

    const char* empty[] = {"b\u00E4r.png: the file is empty",
                           "b\u00E4r.png: Die Datei ist leer",
                           "b\u00E4r.png : le fichier est vide",
                           "b\u00E4r.png: el archivo está vacío",
                           "b\u00E4r.png: plik jest pusty",
                           "b\u00E4r.png: файл пуст",
                           "b\u00E4r.png: ファイルが空です"};
    for (int i = 0; i < kLanguageCount; ++i) {
        ASSERT_TRUE(translations::InstallTranslators(kLanguages[i]));
        EXPECT_EQ(platform::Fill(platform::Tr("Pictures", "%1: the file is empty"),
                                 {"b\u00E4r.png"}),
                  empty[i]) << platform::LanguageCode(kLanguages[i]);
    }
    translations::InstallTranslators(ELanguage::English);
}

} // namespace

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

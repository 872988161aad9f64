#include "content/library.h"
#include "content/pictures.h"

#include "model/header.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/report.h"
#include "platform/text.h"
#include "tests/buildpaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>

using namespace content;

namespace {

std::vector<uint8_t> ReadAll(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

// The library is written once into a fresh folder and every test reads it.
class Library : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_pDir = new QTemporaryDir;
        ASSERT_TRUE(s_pDir->isValid());
        s_strDir = s_pDir->path().toStdString() + "/data";
        std::string error;
        s_bWritten = WriteLibrary(s_strDir, error);
        s_strError = error;
    }
    static void TearDownTestSuite()
    {
        delete s_pDir;
        s_pDir = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_bWritten) << s_strError; }

    // Every header of the folder, read as the start-up reads them.
    static std::vector<std::unique_ptr<CHeaderObject>> Headers()
    {
        std::vector<std::unique_ptr<CHeaderObject>> headers;
        const QStringList names
            = QDir(QString::fromStdString(s_strDir)).entryList({ "*.hdr" }, QDir::Files);
        for (const QString& name : names) {
            auto header = std::make_unique<CHeaderObject>();
            header->ReadFile(s_strDir, name.toStdString());
            headers.push_back(std::move(header));
        }
        return headers;
    }

    static QTemporaryDir* s_pDir;
    static std::string s_strDir;
    static bool s_bWritten;
    static std::string s_strError;
};

QTemporaryDir* Library::s_pDir = nullptr;
std::string Library::s_strDir;
bool Library::s_bWritten = false;
std::string Library::s_strError;

TEST_F(Library, holds_the_promised_counts_in_four_categories)
{
    std::map<int, int> counts;
    std::set<std::string> categories;
    auto headers = Headers();
    EXPECT_EQ(headers.size(), LibraryEntries().size());
    for (const auto& header : headers) {
        ASSERT_NE(header->m_nType, CHeaderObject::typeUnreadable) << header->m_strName;
        ++counts[header->m_nType];
        categories.insert(header->m_strCategory);
    }
    EXPECT_GE(counts[CHeaderObject::typeBackground], 8);
    EXPECT_GE(counts[CHeaderObject::typeClipart], 24);
    EXPECT_GE(counts[CHeaderObject::typeAnimation], 8);
    EXPECT_GE(counts[CHeaderObject::typeSound], 6);
    EXPECT_GE(counts[CHeaderObject::typeObjectSound], 4);
    EXPECT_GE(categories.size(), 4u);
}

TEST_F(Library, every_page_of_the_browser_has_items_in_every_category)
{
    std::map<std::pair<int, std::string>, int> cells;
    std::set<std::string> categories;
    for (const auto& header : Headers()) {
        ++cells[{ header->m_nType, header->m_strCategory }];
        categories.insert(header->m_strCategory);
    }
    for (int type : { 1, 2, 6, 8 })
        for (const std::string& category : categories)
            EXPECT_GE(cells[std::make_pair(type, category)], 1)
                << "type " << type << " in " << category;
}

TEST_F(Library, headers_say_what_the_generator_meant)
{
    for (const auto& header : Headers()) {
        bool found = false;
        for (const LibraryEntry& entry : LibraryEntries()) {
            if (entry.nItem != header->m_nValue)
                continue;
            found = true;
            EXPECT_EQ(header->m_strName, entry.strName);
            EXPECT_EQ(header->m_strCategory, entry.strCategory);
            EXPECT_EQ(header->m_nType, entry.nType);
        }
        EXPECT_TRUE(found) << header->m_nValue;
        EXPECT_EQ(header->m_strDirectory, s_strDir);
        EXPECT_EQ(header->ItemPath(), s_strDir + "/" + std::to_string(header->m_nValue) + ".zty");
    }
}

TEST_F(Library, previews_are_32_pixels_high_with_white_around)
{
    for (const auto& header : Headers()) {
        ASSERT_TRUE(header->m_pPreview && header->m_pPreview->HasData()) << header->m_strName;
        const QImage& image = header->m_pPreview->GetImage();
        EXPECT_EQ(image.height(), 32) << header->m_strName;
        EXPECT_EQ(image.width(), 32) << header->m_strName;
        // Something is drawn, and a corner shows the browser's transparent white.
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                coloured += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
        EXPECT_GT(coloured, 100) << header->m_strName;
        if (header->m_nType != CHeaderObject::typeBackground) {
            EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << header->m_strName;
        }
    }
}

TEST_F(Library, each_item_reads_back_as_its_header_type_says)
{
    for (const auto& header : Headers()) {
        const std::string path = header->ItemPath();
        SCOPED_TRACE(header->m_strName + " " + path);
        switch (header->m_nType) {
        case CHeaderObject::typeBackground: {
            CBackgroundBMP background;
            ASSERT_TRUE(LoadObject(path, background));
            ASSERT_TRUE(background.m_pBitmap);
            EXPECT_EQ(background.m_pBitmap->GetWidth(), 800);
            EXPECT_EQ(background.m_pBitmap->GetHeight(), 600);
            EXPECT_EQ(background.m_pBitmap->GetBitCount(), 8);
            break;
        }
        case CHeaderObject::typeClipart: {
            CClipartObject clipart;
            ASSERT_TRUE(LoadObject(path, clipart));
            ASSERT_TRUE(clipart.m_pBitmap && clipart.m_pBitmap->HasData());
            CHBitmap* mask = clipart.m_pBitmap->GetMask();
            ASSERT_NE(mask, nullptr);
            EXPECT_EQ(mask->GetWidth(), clipart.m_pBitmap->GetWidth());
            EXPECT_EQ(mask->GetHeight(), clipart.m_pBitmap->GetHeight());
            EXPECT_GE(clipart.m_pBitmap->GetHeight(), 80);
            break;
        }
        case CHeaderObject::typeAnimation: {
            CAnimationObject clip;
            ASSERT_TRUE(LoadObject(path, clip));
            ASSERT_TRUE(clip.m_pStage);
            EXPECT_EQ(clip.m_pStage->m_nRole, CStage::roleInner);
            EXPECT_GT(clip.m_nFrameCount, 10);
            EXPECT_GT(clip.m_szOriginal.cx, 100);
            EXPECT_GT(clip.m_szOriginal.cy, 100);
            ASSERT_TRUE(clip.m_pStage->GetLayers());
            EXPECT_GE(clip.m_pStage->GetLayers()->GetCount(), 2);
            int moving = 0;
            for (CLayer* layer : *clip.m_pStage->GetLayers()) {
                ASSERT_TRUE(layer->m_pEffects && !layer->m_pEffects->IsEmpty());
                CEffect* effect = layer->m_pEffects->GetHead();
                EXPECT_EQ(effect->m_nStartFrame, 0);
                EXPECT_EQ(effect->m_nDuration, clip.m_nFrameCount);
                moving += effect->m_nType != -1 ? 1 : 0;
                ASSERT_NE(layer->m_pDrawing->GetObject(), nullptr);
                EXPECT_EQ(layer->m_pDrawing->GetObject()->Kind(), CGenericDrawing::kindClipart);
            }
            EXPECT_GE(moving, 1);
            break;
        }
        case CHeaderObject::typeSound:
        case CHeaderObject::typeObjectSound: {
            CSound sound;
            ASSERT_TRUE(LoadObject(path, sound));
            ASSERT_TRUE(sound.m_nKind == CSound::kindWave || sound.m_nKind == CSound::kindMidi);
            EXPECT_EQ(sound.GetName(), header->m_strName);
            std::vector<uint8_t> data = ReadAll(sound.m_strPath);
            ASSERT_GE(data.size(), 44u);
            EXPECT_EQ(
                std::memcmp(data.data(), sound.m_nKind == CSound::kindWave ? "RIFF" : "MThd", 4),
                0);
            break;
        }
        default:
            ADD_FAILURE() << "unexpected type " << int(header->m_nType);
        }
    }
}

TEST_F(Library, cliparts_have_clean_masks)
{
    for (const auto& header : Headers()) {
        if (header->m_nType != CHeaderObject::typeClipart)
            continue;
        SCOPED_TRACE(header->m_strName);
        CClipartObject clipart;
        ASSERT_TRUE(LoadObject(header->ItemPath(), clipart));
        const QImage& picture = clipart.m_pBitmap->GetImage();
        const QImage& mask = clipart.m_pBitmap->GetMask()->GetImage();
        int inside = 0, outside = 0, stray = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                bool shown = (mask.pixel(x, y) & 0xFFFFFF) == 0;
                QRgb c = picture.pixel(x, y) & 0xFFFFFF;
                (shown ? inside : outside) += 1;
                // Outside the mask the picture is white; inside, nothing is left of it.
                if (shown ? c == 0xFFFFFF : c != 0xFFFFFF)
                    ++stray;
            }
        EXPECT_GT(inside, picture.width() * picture.height() / 5);
        EXPECT_GT(outside, 0);
        EXPECT_EQ(stray, 0);
    }
}

TEST_F(Library, backgrounds_keep_their_look_in_256_colours)
{
    for (const LibraryEntry& entry : LibraryEntries()) {
        if (entry.nType != CHeaderObject::typeBackground)
            continue;
        SCOPED_TRACE(entry.strName);
        CBackgroundBMP background;
        ASSERT_TRUE(LoadObject(s_strDir + "/" + std::to_string(entry.nItem) + ".zty", background));
        QImage stored = background.m_pBitmap->GetImage().convertToFormat(QImage::Format_RGB32);
        QImage drawn = DrawBackground(entry.strKey);
        ASSERT_EQ(stored.size(), drawn.size());
        // Averaged over 8 x 8 blocks (which evens out the diffused error) the colours match.
        double worst = 0;
        for (int by = 0; by < 600; by += 8)
            for (int bx = 0; bx < 800; bx += 8) {
                double d[3] = { 0, 0, 0 };
                for (int y = by; y < by + 8; ++y)
                    for (int x = bx; x < bx + 8; ++x) {
                        QRgb a = stored.pixel(x, y), b = drawn.pixel(x, y);
                        d[0] += qRed(a) - qRed(b);
                        d[1] += qGreen(a) - qGreen(b);
                        d[2] += qBlue(a) - qBlue(b);
                    }
                for (double v : d)
                    worst = std::max(worst, std::abs(v) / 64);
            }
        EXPECT_LT(worst, 12.0);
    }
}

TEST_F(Library, the_failure_text_in_each_language_takes_exactly_four_texts)
{
    std::vector<platform::ELanguage> languages { platform::ELanguage::English };
    languages.insert(languages.end(), std::begin(platform::kTranslatedLanguages),
        std::end(platform::kTranslatedLanguages));
    for (platform::ELanguage language : languages) {
        const std::string name = FailureTemplateName(language);
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadAll(s_strDir + "/" + name);
        std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(text, FailureTemplate(language));
        int conversions = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '%')
                continue;
            ASSERT_LT(i + 1, text.size());
            EXPECT_EQ(text[i + 1], 's') << "at " << i;
            ++conversions;
            ++i;
        }
        EXPECT_EQ(conversions, 4);
        char buffer[2048];
        int n = std::snprintf(buffer, sizeof buffer, text.c_str(), "Vimble e-mail", "Vimble e-mail",
            "Vimble e-mail", "greetings@example.com");
        ASSERT_GT(n, 0);
        EXPECT_NE(std::string(buffer).find("greetings@example.com"), std::string::npos);
    }
    // In the code page, as every text the mail shows: "Gruß" with its one byte.
    EXPECT_NE(FailureTemplate(platform::ELanguage::German).find("Gru\u00DF"), std::string::npos);
    for (platform::ELanguage language : platform::kTranslatedLanguages)
        EXPECT_NE(FailureTemplate(language), FailureTemplate()) << platform::LanguageCode(language);
    // The translators' letters as they wrote them, in UTF-8.
    const std::pair<platform::ELanguage, const char*> words[] = {
        { platform::ELanguage::Spanish, "su felicitación" },
        { platform::ELanguage::Polish, "nie mógł wysłać kartki" },
        { platform::ELanguage::Russian, "вашу открытку" },
        { platform::ELanguage::Japanese, "カードを送信できませんでした" },
    };
    for (const auto& [language, word] : words)
        EXPECT_NE(FailureTemplate(language).find(word), std::string::npos) << word;
}

TEST_F(Library, the_address_book_is_empty)
{
    EXPECT_EQ(ReadAll(s_strDir + "/book.dat"), (std::vector<uint8_t> { 0x00, 0x00 }));
}

TEST_F(Library, sample_greetings_open_as_projects)
{
    for (const std::string& name : SampleFileNames()) {
        SCOPED_TRACE(name);
        const std::string path = s_strDir + "/" + kSamplesFolder + "/" + name;
        ASSERT_TRUE(IsProjectFile(path));
        std::unique_ptr<CAbstractMovie> movie;
        ASSERT_TRUE(OpenProject(path, movie));
        CloseProjectFiles(path);
        ASSERT_TRUE(movie);
        CStage* stage = movie->GetFirstStage();
        ASSERT_NE(stage, nullptr);
        EXPECT_GE(movie->GetFrameCount(), 100);
        ASSERT_TRUE(stage->m_pBackgroundBMP && stage->m_pBackgroundBMP->m_pBitmap);
        EXPECT_EQ(stage->m_pBackgroundBMP->m_pBitmap->GetWidth(), 800);
        ASSERT_TRUE(stage->m_pSound);
        EXPECT_EQ(stage->m_pSound->m_nKind, CSound::kindMidi);
        std::set<int> kinds;
        for (CLayer* layer : *stage->GetLayers())
            kinds.insert(layer->m_pDrawing->GetObject()->Kind());
        EXPECT_TRUE(kinds.count(CGenericDrawing::kindAnimation));
        EXPECT_TRUE(kinds.count(CGenericDrawing::kindClipart));
        EXPECT_TRUE(kinds.count(CGenericDrawing::kindDrawn));
        // The project file is left as it was: no working files beside it.
        EXPECT_FALSE(QFile::exists(QString::fromStdString(WorkingFileName(path, WorkingFile::W1))));
    }
}

TEST(Generator, writes_the_same_files_on_every_run)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = dir.filePath("first"), second = dir.filePath("second");
    for (const QString& target : { first, second }) {
        QProcess process;
        process.start(built::kLibgen, { target });
        ASSERT_TRUE(process.waitForFinished(120000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    const QStringList names = QDir(first).entryList(QDir::Files);
    EXPECT_EQ(names, QDir(second).entryList(QDir::Files));
    EXPECT_GE(names.size(), static_cast<qsizetype>(2 * LibraryEntries().size() + 2));
    for (const QString& name : names)
        EXPECT_EQ(ReadAll((first + "/" + name).toStdString()),
            ReadAll((second + "/" + name).toStdString()))
            << name.toStdString();
    // No scratch files are left behind, and no path of the machine is written into an item.
    EXPECT_FALSE(QDir(first + "/.scratch").exists());
    for (const QString& name : names) {
        std::vector<uint8_t> bytes = ReadAll((first + "/" + name).toStdString());
        std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(text.find(dir.path().toStdString()), std::string::npos) << name.toStdString();
    }
}

TEST_F(Library, the_clip_showcase_holds_every_animation_item)
{
    auto movie = ClipShowcase(s_strDir);
    ASSERT_TRUE(movie);
    int clips = 0;
    for (CLayer* layer : *movie->GetFirstStage()->GetLayers()) {
        auto* clip = dynamic_cast<CAnimationObject*>(layer->m_pDrawing->GetObject());
        ASSERT_NE(clip, nullptr);
        ASSERT_TRUE(clip->m_pStage);
        EXPECT_EQ(clip->m_pStage->m_pMovie, movie.get());
        ++clips;
    }
    int animations = 0;
    for (const LibraryEntry& entry : LibraryEntries())
        animations += entry.nType == CHeaderObject::typeAnimation ? 1 : 0;
    EXPECT_EQ(clips, animations);
    EXPECT_GE(movie->GetFrameCount(), 100);
}

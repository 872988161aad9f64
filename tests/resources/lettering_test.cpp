// The faces' lettering in every language: every lettered face is in the library in each
// translated language at every scale, a translated face differs from the English one exactly
// where its text does, and no caption is cut at any scale in any language.
#include "platform/language.h"
#include "platform/resources.h"
#include "resources/draw.h"
#include "resources/facetexts.h"
#include "translations/translator.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

using platform::CResourceLibrary;
using platform::ELanguage;

constexpr ELanguage kLanguages[] = {ELanguage::English, ELanguage::German, ELanguage::French,
    ELanguage::Spanish, ELanguage::Polish, ELanguage::Russian, ELanguage::Japanese};

// Draws one face by its full name ("okU", "MAIN_WND", "SPLASH_24"); null for a name that is not
// a window, button or picture face.
QImage DrawFace(const std::string& name, qreal scale)
{
    using namespace faces;
    if (const WindowFace* face = FindWindow(name))
        return DrawWindow(*face, scale);
    for (int state = 0; state < 4; ++state) {
        const std::string letter = kStates[state];
        if (name.size() > 1 && name.substr(name.size() - 1) == letter)
            if (const ButtonFace* button = FindButton(name.substr(0, name.size() - 1)))
                return DrawButton(*button, state, scale);
    }
    for (const Picture& picture : Pictures())
        if (picture.strName == name)
            return DrawPicture(picture, scale);
    return {};
}

// Every window, button and picture face by its full name.
std::vector<std::string> AllFaceNames()
{
    std::vector<std::string> names;
    for (const faces::WindowFace& face : faces::Windows())
        names.push_back(face.strName);
    for (const faces::ButtonFace& button : faces::Buttons())
        for (const char* state : faces::kStates)
            names.push_back(button.strName + state);
    for (const faces::Picture& picture : faces::Pictures())
        names.push_back(picture.strName);
    return names;
}

// What a face letters, drawn at that scale in that language.
std::vector<faces::LetteredText> LetteringOf(const std::string& name, qreal scale)
{
    std::vector<faces::LetteredText> texts;
    faces::SetLetteringObserver([&](const faces::LetteredText& t) { texts.push_back(t); });
    EXPECT_FALSE(DrawFace(name, scale).isNull()) << name;
    faces::SetLetteringObserver({});
    return texts;
}

class Lettering : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(faces::LoadFonts());
        s_pLibrary = CResourceLibrary::Load(built::kResourceLibrary);
        ASSERT_NE(s_pLibrary, nullptr);
        const std::vector<std::string> lettered = faces::LetteredFaceNames();
        s_lettered = std::set<std::string>(lettered.begin(), lettered.end());
    }
    static void TearDownTestSuite() { s_pLibrary.reset(); }

    void TearDown() override
    {
        translations::InstallTranslators(ELanguage::English);
        platform::SetProgramLanguage(ELanguage::English);
    }

    // The face as the loader gives it to a program speaking that language.
    static QImage Loaded(const std::string& name, qreal ratio, ELanguage language)
    {
        platform::SetProgramLanguage(language);
        QImage image = s_pLibrary->Bitmap(name, ratio);
        platform::SetProgramLanguage(ELanguage::English);
        return image;
    }

    static std::unique_ptr<CResourceLibrary> s_pLibrary;
    static std::set<std::string> s_lettered;
};

std::unique_ptr<CResourceLibrary> Lettering::s_pLibrary;
std::set<std::string> Lettering::s_lettered;

TEST_F(Lettering, lettered_faces_are_there_in_every_language_at_every_scale_and_no_others)
{
    // The list the library is made and checked from is what the drawing really letters: every
    // face that letters a text some translation changes is on it, and everything on it letters.
    translations::InstallTranslators(ELanguage::English);
    std::map<std::string, std::vector<QString>> sources;
    for (const std::string& name : AllFaceNames())
        for (const faces::LetteredText& t : LetteringOf(name, 1))
            sources[name].push_back(t.source);
    for (const std::string& name : AllFaceNames()) {
        bool translated = false;
        for (ELanguage language : platform::kTranslatedLanguages) {
            ASSERT_TRUE(translations::InstallTranslators(language));
            for (const QString& source : sources[name])
                translated = translated || faces::ShownFaceText(source) != source;
        }
        if (translated) {
            EXPECT_TRUE(s_lettered.count(name)) << name << " letters translated text";
        }
        if (s_lettered.count(name)) {
            EXPECT_FALSE(sources[name].empty()) << name << " is listed but letters nothing";
        }
    }
    translations::InstallTranslators(ELanguage::English);

    for (const std::string& name : AllFaceNames()) {
        for (ELanguage language : platform::kTranslatedLanguages) {
            for (qreal scale : platform::kBitmapScales) {
                EXPECT_EQ(s_pLibrary->HasBitmap(name, scale, language), s_lettered.count(name) == 1)
                    << name << " at " << scale << "x in " << platform::LanguageCode(language);
            }
        }
    }
    // The faces the program letters most.
    for (const char* name : {"MAIN_WND", "fmkesendmailU", "CAPTION_EFFECTS", "SOSTATICSOUNDS",
                             "MODUL_TABLA"})
        EXPECT_TRUE(s_lettered.count(name)) << name;
}

TEST_F(Lettering, translated_face_differs_from_the_english_one_exactly_where_its_text_does)
{
    int differing = 0;
    for (const std::string& name : s_lettered) {
        translations::InstallTranslators(ELanguage::English);
        const std::vector<faces::LetteredText> english = LetteringOf(name, 1);
        for (ELanguage language : platform::kTranslatedLanguages) {
            ASSERT_TRUE(translations::InstallTranslators(language));
            bool textDiffers = false;
            for (const faces::LetteredText& t : english)
                textDiffers = textDiffers || faces::ShownFaceText(t.source) != t.text;
            differing += textDiffers ? 1 : 0;
            for (qreal scale : platform::kBitmapScales) {
                const QImage own = Loaded(name, scale, language);
                const QImage base = Loaded(name, scale, ELanguage::English);
                ASSERT_FALSE(own.isNull()) << name;
                EXPECT_EQ(own.size(), base.size()) << name << " at " << scale << "x";
                EXPECT_EQ(own.devicePixelRatio(), base.devicePixelRatio()) << name;
                EXPECT_EQ(own != base, textDiffers)
                    << name << " at " << scale << "x in " << platform::LanguageCode(language);
            }
        }
    }
    // Most lettered faces change: the comparison is not vacuous.
    EXPECT_GT(differing, int(s_lettered.size()));
}

// The device-pixel columns of a picture at that scale that the text's ink covers when it is
// drawn without clipping, in the face's logical coordinates: [left, right).
std::pair<qreal, qreal> InkSpan(const faces::LetteredText& t, qreal scale)
{
    const QRectF frame = t.drawn.united(t.room).adjusted(-60, -10, 60, 10);
    QImage image(qCeil(frame.width() * scale), qCeil(frame.height() * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(-frame.topLeft());
    p.setFont(t.font);
    p.setPen(Qt::black);
    p.drawText(t.drawn, t.flags | Qt::TextDontClip, t.text);
    p.end();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 64) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    if (right < 0)
        return {0, 0};
    return {frame.left() + left / scale, frame.left() + (right + 1) / scale};
}

TEST_F(Lettering, no_caption_is_cut_in_any_language_at_any_scale)
{
    int texts = 0;
    for (ELanguage language : kLanguages) {
        ASSERT_TRUE(translations::InstallTranslators(language));
        for (qreal scale : platform::kBitmapScales) {
            for (const std::string& name : s_lettered) {
                for (const faces::LetteredText& t : LetteringOf(name, scale)) {
                    ++texts;
                    const auto [left, right] = InkSpan(t, scale);
                    ASSERT_LT(left, right)
                        << name << ": \"" << qPrintable(t.text) << "\" shows nothing";
                    const qreal slack = 1 / scale; // one device pixel of anti-aliasing
                    EXPECT_GE(left, t.room.left() - slack)
                        << name << " at " << scale << "x: \"" << qPrintable(t.text) << "\"";
                    EXPECT_LE(right, t.room.right() + slack)
                        << name << " at " << scale << "x: \"" << qPrintable(t.text) << "\" ends at "
                        << right << ", its room at " << t.room.right();
                    // A longer word takes a pixel or a few off the lettering; one that would
                    // need less than 9 pixels wants a shorter translation.
                    EXPECT_GE(t.font.pixelSize(), std::min(t.nPixels, 9))
                        << name << ": \"" << qPrintable(t.text) << "\" at " << t.font.pixelSize()
                        << " pixels instead of " << t.nPixels;
                }
            }
        }
    }
    EXPECT_GT(texts, 1000);
}

} // namespace

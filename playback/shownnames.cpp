#include "playback/shownnames.h"

#include "playback/effecttable.h"
#include "platform/text.h"

#include <QCoreApplication>

namespace shown {

namespace {

QString Translated(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english);
}

// The stored name of a row: its own bytes, or the English text when it keeps that.
std::string StoredOf(const NameRow& row)
{
    return row.szStored != nullptr ? row.szStored : row.szEnglish;
}

} // namespace

const std::vector<NameRow>& EffectNames()
{
    // The English names of the kinds in the table's order; the stored names are the table's.
    static const char* const english[] = {
        QT_TRANSLATE_NOOP("Effects", "0. None: the object does not move"),
        QT_TRANSLATE_NOOP("Effects", "1.1 Across to the left"),
        QT_TRANSLATE_NOOP("Effects", "1.1.1 Across to the left, growing"),
        QT_TRANSLATE_NOOP("Effects", "1.1.2 Across to the left, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "1.2 Across to the right"),
        QT_TRANSLATE_NOOP("Effects", "1.2.1 Across to the right, growing"),
        QT_TRANSLATE_NOOP("Effects", "1.2.2 Across to the right, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "2.1 Straight up"),
        QT_TRANSLATE_NOOP("Effects", "2.1.1 Straight up, growing"),
        QT_TRANSLATE_NOOP("Effects", "2.1.2 Straight up, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "2.2 Straight down"),
        QT_TRANSLATE_NOOP("Effects", "2.2.1 Straight down, growing"),
        QT_TRANSLATE_NOOP("Effects", "2.2.2 Straight down, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "3.1 Circle clockwise"),
        QT_TRANSLATE_NOOP("Effects", "3.1.1 Circle clockwise, growing"),
        QT_TRANSLATE_NOOP("Effects", "3.1.2 Circle clockwise, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "3.2 Circle anticlockwise"),
        QT_TRANSLATE_NOOP("Effects", "3.2.1 Circle anticlockwise, growing"),
        QT_TRANSLATE_NOOP("Effects", "3.2.2 Circle anticlockwise, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "4.1 Ellipse clockwise"),
        QT_TRANSLATE_NOOP("Effects", "4.1.1 Ellipse clockwise, growing"),
        QT_TRANSLATE_NOOP("Effects", "4.1.2 Ellipse clockwise, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "4.2 Ellipse anticlockwise"),
        QT_TRANSLATE_NOOP("Effects", "4.2.1 Ellipse anticlockwise, growing"),
        QT_TRANSLATE_NOOP("Effects", "4.2.2 Ellipse anticlockwise, shrinking"),
        QT_TRANSLATE_NOOP("Effects", "5. Random jumps"),
        QT_TRANSLATE_NOOP("Effects", "5.1 Random jumps, growing"),
        QT_TRANSLATE_NOOP("Effects", "5.2 Random jumps, shrinking"),
    };
    static const std::vector<NameRow> rows = [] {
        std::vector<NameRow> built;
        const std::vector<EffectKind>& kinds = EffectKinds();
        for (std::size_t i = 0; i < kinds.size() && i < std::size(english); ++i)
            built.push_back({ static_cast<int>(i), 0, kinds[i].m_strName.c_str(), english[i] });
        // A newly placed object's movement is stored as "Sans" (no movement).
        built.push_back({ 0, 0, "Sans", QT_TRANSLATE_NOOP("Effects", "None") });
        return built;
    }();
    return rows;
}

const std::vector<NameRow>& LibraryNames()
{
    static const std::vector<NameRow> rows = {
        { 6, 1, nullptr, QT_TRANSLATE_NOOP("Library", "Balloon sky") },
        { 6, 2, nullptr, QT_TRANSLATE_NOOP("Library", "Confetti") },
        { 6, 3, nullptr, QT_TRANSLATE_NOOP("Library", "Pink dawn") },
        { 6, 4, nullptr, QT_TRANSLATE_NOOP("Library", "Heart paper") },
        { 6, 5, nullptr, QT_TRANSLATE_NOOP("Library", "Snowy night") },
        { 6, 6, nullptr, QT_TRANSLATE_NOOP("Library", "Winter forest") },
        { 6, 7, nullptr, QT_TRANSLATE_NOOP("Library", "Stage lights") },
        { 6, 8, nullptr, QT_TRANSLATE_NOOP("Library", "Bunting") },
        { 2, 9, nullptr, QT_TRANSLATE_NOOP("Library", "Red balloon") },
        { 2, 10, nullptr, QT_TRANSLATE_NOOP("Library", "Teal balloon") },
        { 2, 11, nullptr, QT_TRANSLATE_NOOP("Library", "Yellow balloon") },
        { 2, 12, nullptr, QT_TRANSLATE_NOOP("Library", "Birthday cake") },
        { 2, 13, nullptr, QT_TRANSLATE_NOOP("Library", "Gift box") },
        { 2, 14, nullptr, QT_TRANSLATE_NOOP("Library", "Party hat") },
        { 2, 15, nullptr, QT_TRANSLATE_NOOP("Library", "Cupcake") },
        { 2, 16, nullptr, QT_TRANSLATE_NOOP("Library", "Red heart") },
        { 2, 17, nullptr, QT_TRANSLATE_NOOP("Library", "Pink heart") },
        { 2, 18, nullptr, QT_TRANSLATE_NOOP("Library", "Heart balloon") },
        { 2, 19, nullptr, QT_TRANSLATE_NOOP("Library", "Rose") },
        { 2, 20, nullptr, QT_TRANSLATE_NOOP("Library", "Love letter") },
        { 2, 21, nullptr, QT_TRANSLATE_NOOP("Library", "Flower") },
        { 2, 22, nullptr, QT_TRANSLATE_NOOP("Library", "Christmas tree") },
        { 2, 23, nullptr, QT_TRANSLATE_NOOP("Library", "Snowman") },
        { 2, 24, nullptr, QT_TRANSLATE_NOOP("Library", "Bauble") },
        { 2, 25, nullptr, QT_TRANSLATE_NOOP("Library", "Candy cane") },
        { 2, 26, nullptr, QT_TRANSLATE_NOOP("Library", "Bell") },
        { 2, 27, nullptr, QT_TRANSLATE_NOOP("Library", "Snowflake") },
        { 2, 28, nullptr, QT_TRANSLATE_NOOP("Library", "Red present") },
        { 2, 29, nullptr, QT_TRANSLATE_NOOP("Library", "Gold star") },
        { 2, 30, nullptr, QT_TRANSLATE_NOOP("Library", "Teal star") },
        { 2, 31, nullptr, QT_TRANSLATE_NOOP("Library", "Champagne") },
        { 2, 32, nullptr, QT_TRANSLATE_NOOP("Library", "Music notes") },
        { 2, 33, nullptr, QT_TRANSLATE_NOOP("Library", "Party popper") },
        { 2, 34, nullptr, QT_TRANSLATE_NOOP("Library", "Smiling sun") },
        { 1, 35, nullptr, QT_TRANSLATE_NOOP("Library", "Rising balloons") },
        { 1, 36, nullptr, QT_TRANSLATE_NOOP("Library", "Gift and star") },
        { 1, 37, nullptr, QT_TRANSLATE_NOOP("Library", "Dancing hearts") },
        { 1, 38, nullptr, QT_TRANSLATE_NOOP("Library", "Floating hearts") },
        { 1, 39, nullptr, QT_TRANSLATE_NOOP("Library", "Falling snow") },
        { 1, 40, nullptr, QT_TRANSLATE_NOOP("Library", "Twinkling tree") },
        { 1, 41, nullptr, QT_TRANSLATE_NOOP("Library", "Orbiting stars") },
        { 1, 42, nullptr, QT_TRANSLATE_NOOP("Library", "Music in the air") },
        { 8, 43, nullptr, QT_TRANSLATE_NOOP("Library", "Happy Birthday") },
        { 8, 44, nullptr, QT_TRANSLATE_NOOP("Library", "Twinkle, Twinkle") },
        { 8, 45, nullptr, QT_TRANSLATE_NOOP("Library", "Love chimes") },
        { 8, 46, nullptr, QT_TRANSLATE_NOOP("Library", "Jingle Bells") },
        { 8, 47, nullptr, QT_TRANSLATE_NOOP("Library", "Ode to Joy") },
        { 8, 48, nullptr, QT_TRANSLATE_NOOP("Library", "Applause") },
        { 7, 49, nullptr, QT_TRANSLATE_NOOP("Library", "Fanfare") },
        { 7, 50, nullptr, QT_TRANSLATE_NOOP("Library", "Sparkle") },
        { 7, 51, nullptr, QT_TRANSLATE_NOOP("Library", "Pop") },
        { 7, 52, nullptr, QT_TRANSLATE_NOOP("Library", "Boing") },
    };
    return rows;
}

const std::vector<NameRow>& CategoryNames()
{
    static const std::vector<NameRow> rows = {
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Categories", "All") },
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Categories", "Birthday") },
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Categories", "Love") },
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Categories", "Holidays") },
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Categories", "Party") },
    };
    return rows;
}

const std::vector<NameRow>& ObjectNames()
{
    // The drawing tools name their objects in French, and files keep those names.
    static const std::vector<NameRow> rows = {
        { 1, 0, "Texte", QT_TRANSLATE_NOOP("Objects", "Text") },
        { 2, 0, "Trait", QT_TRANSLATE_NOOP("Objects", "Line") },
        { 3, 0, "Rectangle", QT_TRANSLATE_NOOP("Objects", "Rectangle") },
        { 4, 0, "Polygone", QT_TRANSLATE_NOOP("Objects", "Polygon") },
        { 5, 0, "Ellipse", QT_TRANSLATE_NOOP("Objects", "Ellipse") },
        { 6, 0, "Texte dans le rectangle", QT_TRANSLATE_NOOP("Objects", "Text in a rectangle") },
        { 7, 0, "Texte dans l'ellipse", QT_TRANSLATE_NOOP("Objects", "Text in an ellipse") },
        { 0, 0, nullptr, QT_TRANSLATE_NOOP("Objects", "Voice") },
    };
    return rows;
}

QString EffectKindName(std::size_t nKind)
{
    const std::vector<NameRow>& rows = EffectNames();
    const std::vector<EffectKind>& kinds = EffectKinds();
    if (nKind < kinds.size() && nKind < rows.size())
        return Translated(kEffectContext, rows[nKind].szEnglish);
    return {};
}

QString EffectName(const std::string& strStored)
{
    for (const NameRow& row : EffectNames())
        if (StoredOf(row) == strStored)
            return Translated(kEffectContext, row.szEnglish);
    return QString::fromStdString(strStored);
}

QString LibraryName(int nType, int nNumber, const std::string& strStored)
{
    for (const NameRow& row : LibraryNames())
        if (row.nKind == nType && row.nNumber == nNumber && StoredOf(row) == strStored)
            return Translated(kLibraryContext, row.szEnglish);
    return QString::fromStdString(strStored);
}

QString CategoryName(const std::string& strStored)
{
    for (const NameRow& row : CategoryNames())
        if (StoredOf(row) == strStored)
            return Translated(kCategoryContext, row.szEnglish);
    return QString::fromStdString(strStored);
}

QString ObjectName(const std::string& strStored)
{
    for (const NameRow& row : ObjectNames())
        if (StoredOf(row) == strStored)
            return Translated(kObjectContext, row.szEnglish);
    // A placed library item keeps the item's name.
    for (const NameRow& row : LibraryNames())
        if (StoredOf(row) == strStored)
            return Translated(kLibraryContext, row.szEnglish);
    return QString::fromStdString(strStored);
}

} // namespace shown

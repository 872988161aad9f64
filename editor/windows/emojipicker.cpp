#include "editor/windows/emojipicker.h"

#include "editor/skin/skin.h"
#include "resources/faces.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// The face: a caption with the search field beside it, the groups' tabs, the grid of emoji on
// a recessed panel, and the name of the emoji the keys are on below it.
const QSize kSize(296, 262);
constexpr int kRadius = 10;
const QRect kCaptionRect(14, 8, 72, 22);
const QRect kSearchRect(90, 9, 194, 20);
const QPoint kFirstTab(13, 36);
const QSize kTabSize(30, 28);
const QRect kGridRect(12, 68, 272, 164);
const QPoint kFirstCell(4, 2); // in the grid
constexpr int kCell = 32;
constexpr int kCellEmojiPixels = 22;
constexpr int kTabEmojiPixels = 17;
const QRect kNameRect(14, 236, 268, 20);

const QColor kPaper = QColor::fromRgb(faces::colour::paper);
const QColor kPaperLight = QColor::fromRgb(faces::colour::paperLight);
const QColor kInk = QColor::fromRgb(faces::colour::ink);
const QColor kCoral = QColor::fromRgb(faces::colour::coral);
const QColor kSunshine = QColor::fromRgb(faces::colour::sunshine);
const QColor kEdge = QColor::fromRgb(faces::colour::edge);

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QFont EmojiFont(int nPixels)
{
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(nPixels);
    return font;
}

// A recessed white panel, as the window faces draw the places of their controls.
void PaintPanel(QPainter& painter, const QRect& rc)
{
    painter.save();
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rc).adjusted(-0.5, -0.5, 0.5, 0.5), 3, 3);
    painter.setClipRect(rc);
    const QColor shade = kEdge.darker(135);
    QLinearGradient top(0, rc.top(), 0, rc.top() + 4);
    top.setColorAt(0, WithAlpha(shade, 90));
    top.setColorAt(1, WithAlpha(shade, 0));
    painter.fillRect(QRect(rc.left(), rc.top(), rc.width(), 4), top);
    QLinearGradient left(rc.left(), 0, rc.left() + 3, 0);
    left.setColorAt(0, WithAlpha(shade, 60));
    left.setColorAt(1, WithAlpha(shade, 0));
    painter.fillRect(QRect(rc.left(), rc.top(), 3, rc.height()), left);
    painter.restore();
}

// The little sunshine star the window captions carry.
void PaintStar(QPainter& painter, const QPointF& centre, qreal radius)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSunshine);
    painter.drawPolygon(star);
}

// What a name is compared by: letters without their accents, in one case.
QString Folded(const QString& text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

bool HoldsEveryWord(const QString& name, const QStringList& words)
{
    const QString folded = Folded(name);
    return std::all_of(words.begin(), words.end(),
        [&folded](const QString& word) { return folded.contains(word); });
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The emoji

const std::vector<CEmojiGroup>& PickerGroups()
{
    static const std::vector<CEmojiGroup> groups = {
        { QT_TRANSLATE_NOOP("Emoji", "Cakes and party"), "🎂" },
        { QT_TRANSLATE_NOOP("Emoji", "Gifts"), "🎁" },
        { QT_TRANSLATE_NOOP("Emoji", "Hearts"), "❤️" },
        { QT_TRANSLATE_NOOP("Emoji", "Flowers"), "🌸" },
        { QT_TRANSLATE_NOOP("Emoji", "Stars and sky"), "⭐" },
        { QT_TRANSLATE_NOOP("Emoji", "Seasons and holidays"), "🎄" },
        { QT_TRANSLATE_NOOP("Emoji", "Faces and hands"), "😀" },
        { QT_TRANSLATE_NOOP("Emoji", "Animals"), "🐶" },
        { QT_TRANSLATE_NOOP("Emoji", "Food and drink"), "🍓" },
    };
    return groups;
}

const std::vector<CEmoji>& PickerEmoji()
{
    // The names are the short names the Unicode consortium gives them. A character that shows
    // as text unless asked carries the emoji selector U+FE0F.
    static const std::vector<CEmoji> emoji = {
        { "🎂", QT_TRANSLATE_NOOP("Emoji", "birthday cake"), 0 },
        { "🍰", QT_TRANSLATE_NOOP("Emoji", "shortcake"), 0 },
        { "🧁", QT_TRANSLATE_NOOP("Emoji", "cupcake"), 0 },
        { "🎉", QT_TRANSLATE_NOOP("Emoji", "party popper"), 0 },
        { "🎊", QT_TRANSLATE_NOOP("Emoji", "confetti ball"), 0 },
        { "🥳", QT_TRANSLATE_NOOP("Emoji", "partying face"), 0 },
        { "🎈", QT_TRANSLATE_NOOP("Emoji", "balloon"), 0 },
        { "🪅", QT_TRANSLATE_NOOP("Emoji", "piñata"), 0 },
        { "🎆", QT_TRANSLATE_NOOP("Emoji", "fireworks"), 0 },
        { "🎇", QT_TRANSLATE_NOOP("Emoji", "sparkler"), 0 },
        { "🥂", QT_TRANSLATE_NOOP("Emoji", "clinking glasses"), 0 },
        { "🍾", QT_TRANSLATE_NOOP("Emoji", "bottle with popping cork"), 0 },
        { "🍻", QT_TRANSLATE_NOOP("Emoji", "clinking beer mugs"), 0 },
        { "🕯️", QT_TRANSLATE_NOOP("Emoji", "candle"), 0 },
        { "🎵", QT_TRANSLATE_NOOP("Emoji", "musical note"), 0 },
        { "🎶", QT_TRANSLATE_NOOP("Emoji", "musical notes"), 0 },
        { "🪩", QT_TRANSLATE_NOOP("Emoji", "mirror ball"), 0 },
        { "🎤", QT_TRANSLATE_NOOP("Emoji", "microphone"), 0 },
        { "💃", QT_TRANSLATE_NOOP("Emoji", "woman dancing"), 0 },
        { "🕺", QT_TRANSLATE_NOOP("Emoji", "man dancing"), 0 },
        { "🎭", QT_TRANSLATE_NOOP("Emoji", "performing arts"), 0 },
        { "🎠", QT_TRANSLATE_NOOP("Emoji", "carousel horse"), 0 },
        { "🎺", QT_TRANSLATE_NOOP("Emoji", "trumpet"), 0 },
        { "🥁", QT_TRANSLATE_NOOP("Emoji", "drum"), 0 },

        { "🎁", QT_TRANSLATE_NOOP("Emoji", "wrapped gift"), 1 },
        { "🎀", QT_TRANSLATE_NOOP("Emoji", "ribbon"), 1 },
        { "💝", QT_TRANSLATE_NOOP("Emoji", "heart with ribbon"), 1 },
        { "🛍️", QT_TRANSLATE_NOOP("Emoji", "shopping bags"), 1 },
        { "📦", QT_TRANSLATE_NOOP("Emoji", "package"), 1 },
        { "💌", QT_TRANSLATE_NOOP("Emoji", "love letter"), 1 },
        { "✉️", QT_TRANSLATE_NOOP("Emoji", "envelope"), 1 },
        { "🧸", QT_TRANSLATE_NOOP("Emoji", "teddy bear"), 1 },
        { "🪁", QT_TRANSLATE_NOOP("Emoji", "kite"), 1 },
        { "🧩", QT_TRANSLATE_NOOP("Emoji", "puzzle piece"), 1 },
        { "🎮", QT_TRANSLATE_NOOP("Emoji", "video game"), 1 },
        { "💍", QT_TRANSLATE_NOOP("Emoji", "ring"), 1 },
        { "💎", QT_TRANSLATE_NOOP("Emoji", "gem stone"), 1 },
        { "👑", QT_TRANSLATE_NOOP("Emoji", "crown"), 1 },
        { "🏆", QT_TRANSLATE_NOOP("Emoji", "trophy"), 1 },
        { "🥇", QT_TRANSLATE_NOOP("Emoji", "1st place medal"), 1 },
        { "🎟️", QT_TRANSLATE_NOOP("Emoji", "admission tickets"), 1 },
        { "🪄", QT_TRANSLATE_NOOP("Emoji", "magic wand"), 1 },
        { "📚", QT_TRANSLATE_NOOP("Emoji", "books"), 1 },
        { "🎨", QT_TRANSLATE_NOOP("Emoji", "artist palette"), 1 },
        { "🎸", QT_TRANSLATE_NOOP("Emoji", "guitar"), 1 },
        { "🧶", QT_TRANSLATE_NOOP("Emoji", "yarn"), 1 },
        { "👜", QT_TRANSLATE_NOOP("Emoji", "handbag"), 1 },

        { "❤️", QT_TRANSLATE_NOOP("Emoji", "red heart"), 2 },
        { "🩷", QT_TRANSLATE_NOOP("Emoji", "pink heart"), 2 },
        { "🧡", QT_TRANSLATE_NOOP("Emoji", "orange heart"), 2 },
        { "💛", QT_TRANSLATE_NOOP("Emoji", "yellow heart"), 2 },
        { "💚", QT_TRANSLATE_NOOP("Emoji", "green heart"), 2 },
        { "💙", QT_TRANSLATE_NOOP("Emoji", "blue heart"), 2 },
        { "🩵", QT_TRANSLATE_NOOP("Emoji", "light blue heart"), 2 },
        { "💜", QT_TRANSLATE_NOOP("Emoji", "purple heart"), 2 },
        { "🤎", QT_TRANSLATE_NOOP("Emoji", "brown heart"), 2 },
        { "🖤", QT_TRANSLATE_NOOP("Emoji", "black heart"), 2 },
        { "🩶", QT_TRANSLATE_NOOP("Emoji", "grey heart"), 2 },
        { "🤍", QT_TRANSLATE_NOOP("Emoji", "white heart"), 2 },
        { "💕", QT_TRANSLATE_NOOP("Emoji", "two hearts"), 2 },
        { "💞", QT_TRANSLATE_NOOP("Emoji", "revolving hearts"), 2 },
        { "💓", QT_TRANSLATE_NOOP("Emoji", "beating heart"), 2 },
        { "💗", QT_TRANSLATE_NOOP("Emoji", "growing heart"), 2 },
        { "💖", QT_TRANSLATE_NOOP("Emoji", "sparkling heart"), 2 },
        { "💘", QT_TRANSLATE_NOOP("Emoji", "heart with arrow"), 2 },
        { "💟", QT_TRANSLATE_NOOP("Emoji", "heart decoration"), 2 },
        { "❣️", QT_TRANSLATE_NOOP("Emoji", "heart exclamation"), 2 },
        { "💔", QT_TRANSLATE_NOOP("Emoji", "broken heart"), 2 },
        { "💋", QT_TRANSLATE_NOOP("Emoji", "kiss mark"), 2 },
        { "💑", QT_TRANSLATE_NOOP("Emoji", "couple with heart"), 2 },
        { "🫶", QT_TRANSLATE_NOOP("Emoji", "heart hands"), 2 },

        { "💐", QT_TRANSLATE_NOOP("Emoji", "bouquet"), 3 },
        { "🌸", QT_TRANSLATE_NOOP("Emoji", "cherry blossom"), 3 },
        { "💮", QT_TRANSLATE_NOOP("Emoji", "white flower"), 3 },
        { "🏵️", QT_TRANSLATE_NOOP("Emoji", "rosette"), 3 },
        { "🌹", QT_TRANSLATE_NOOP("Emoji", "rose"), 3 },
        { "🥀", QT_TRANSLATE_NOOP("Emoji", "wilted flower"), 3 },
        { "🌺", QT_TRANSLATE_NOOP("Emoji", "hibiscus"), 3 },
        { "🌻", QT_TRANSLATE_NOOP("Emoji", "sunflower"), 3 },
        { "🌼", QT_TRANSLATE_NOOP("Emoji", "blossom"), 3 },
        { "🌷", QT_TRANSLATE_NOOP("Emoji", "tulip"), 3 },
        { "🪷", QT_TRANSLATE_NOOP("Emoji", "lotus"), 3 },
        { "🪻", QT_TRANSLATE_NOOP("Emoji", "hyacinth"), 3 },
        { "🌱", QT_TRANSLATE_NOOP("Emoji", "seedling"), 3 },
        { "🪴", QT_TRANSLATE_NOOP("Emoji", "potted plant"), 3 },
        { "🌲", QT_TRANSLATE_NOOP("Emoji", "evergreen tree"), 3 },
        { "🌳", QT_TRANSLATE_NOOP("Emoji", "deciduous tree"), 3 },
        { "🌴", QT_TRANSLATE_NOOP("Emoji", "palm tree"), 3 },
        { "🌵", QT_TRANSLATE_NOOP("Emoji", "cactus"), 3 },
        { "🍀", QT_TRANSLATE_NOOP("Emoji", "four leaf clover"), 3 },
        { "☘️", QT_TRANSLATE_NOOP("Emoji", "shamrock"), 3 },
        { "🍁", QT_TRANSLATE_NOOP("Emoji", "maple leaf"), 3 },
        { "🍂", QT_TRANSLATE_NOOP("Emoji", "fallen leaf"), 3 },
        { "🍃", QT_TRANSLATE_NOOP("Emoji", "leaf fluttering in wind"), 3 },
        { "🌾", QT_TRANSLATE_NOOP("Emoji", "sheaf of rice"), 3 },
        { "🍄", QT_TRANSLATE_NOOP("Emoji", "mushroom"), 3 },

        { "⭐", QT_TRANSLATE_NOOP("Emoji", "star"), 4 },
        { "🌟", QT_TRANSLATE_NOOP("Emoji", "glowing star"), 4 },
        { "✨", QT_TRANSLATE_NOOP("Emoji", "sparkles"), 4 },
        { "💫", QT_TRANSLATE_NOOP("Emoji", "dizzy"), 4 },
        { "🌠", QT_TRANSLATE_NOOP("Emoji", "shooting star"), 4 },
        { "☀️", QT_TRANSLATE_NOOP("Emoji", "sun"), 4 },
        { "🌞", QT_TRANSLATE_NOOP("Emoji", "sun with face"), 4 },
        { "🌝", QT_TRANSLATE_NOOP("Emoji", "full moon face"), 4 },
        { "🌙", QT_TRANSLATE_NOOP("Emoji", "crescent moon"), 4 },
        { "🌛", QT_TRANSLATE_NOOP("Emoji", "first quarter moon face"), 4 },
        { "🌕", QT_TRANSLATE_NOOP("Emoji", "full moon"), 4 },
        { "🌈", QT_TRANSLATE_NOOP("Emoji", "rainbow"), 4 },
        { "⚡", QT_TRANSLATE_NOOP("Emoji", "high voltage"), 4 },
        { "🔥", QT_TRANSLATE_NOOP("Emoji", "fire"), 4 },
        { "💥", QT_TRANSLATE_NOOP("Emoji", "collision"), 4 },
        { "☄️", QT_TRANSLATE_NOOP("Emoji", "comet"), 4 },
        { "🪐", QT_TRANSLATE_NOOP("Emoji", "ringed planet"), 4 },
        { "🌍", QT_TRANSLATE_NOOP("Emoji", "globe showing Europe-Africa"), 4 },
        { "🌌", QT_TRANSLATE_NOOP("Emoji", "milky way"), 4 },
        { "🌅", QT_TRANSLATE_NOOP("Emoji", "sunrise"), 4 },
        { "⛅", QT_TRANSLATE_NOOP("Emoji", "sun behind cloud"), 4 },
        { "☁️", QT_TRANSLATE_NOOP("Emoji", "cloud"), 4 },

        { "🎄", QT_TRANSLATE_NOOP("Emoji", "Christmas tree"), 5 },
        { "🎅", QT_TRANSLATE_NOOP("Emoji", "Santa Claus"), 5 },
        { "🤶", QT_TRANSLATE_NOOP("Emoji", "Mrs. Claus"), 5 },
        { "⛄", QT_TRANSLATE_NOOP("Emoji", "snowman without snow"), 5 },
        { "☃️", QT_TRANSLATE_NOOP("Emoji", "snowman"), 5 },
        { "❄️", QT_TRANSLATE_NOOP("Emoji", "snowflake"), 5 },
        { "🔔", QT_TRANSLATE_NOOP("Emoji", "bell"), 5 },
        { "🧦", QT_TRANSLATE_NOOP("Emoji", "socks"), 5 },
        { "🎃", QT_TRANSLATE_NOOP("Emoji", "jack-o-lantern"), 5 },
        { "👻", QT_TRANSLATE_NOOP("Emoji", "ghost"), 5 },
        { "🕸️", QT_TRANSLATE_NOOP("Emoji", "spider web"), 5 },
        { "🐣", QT_TRANSLATE_NOOP("Emoji", "hatching chick"), 5 },
        { "🥚", QT_TRANSLATE_NOOP("Emoji", "egg"), 5 },
        { "🪺", QT_TRANSLATE_NOOP("Emoji", "nest with eggs"), 5 },
        { "🐇", QT_TRANSLATE_NOOP("Emoji", "rabbit"), 5 },
        { "🎍", QT_TRANSLATE_NOOP("Emoji", "pine decoration"), 5 },
        { "🎎", QT_TRANSLATE_NOOP("Emoji", "Japanese dolls"), 5 },
        { "🎏", QT_TRANSLATE_NOOP("Emoji", "carp streamer"), 5 },
        { "🎐", QT_TRANSLATE_NOOP("Emoji", "wind chime"), 5 },
        { "🧧", QT_TRANSLATE_NOOP("Emoji", "red envelope"), 5 },
        { "🏮", QT_TRANSLATE_NOOP("Emoji", "red paper lantern"), 5 },
        { "🪔", QT_TRANSLATE_NOOP("Emoji", "diya lamp"), 5 },
        { "🕎", QT_TRANSLATE_NOOP("Emoji", "menorah"), 5 },
        { "🎓", QT_TRANSLATE_NOOP("Emoji", "graduation cap"), 5 },
        { "💒", QT_TRANSLATE_NOOP("Emoji", "wedding"), 5 },
        { "👰", QT_TRANSLATE_NOOP("Emoji", "person with veil"), 5 },
        { "🤵", QT_TRANSLATE_NOOP("Emoji", "person in tuxedo"), 5 },
        { "👶", QT_TRANSLATE_NOOP("Emoji", "baby"), 5 },
        { "🍼", QT_TRANSLATE_NOOP("Emoji", "baby bottle"), 5 },
        { "🏖️", QT_TRANSLATE_NOOP("Emoji", "beach with umbrella"), 5 },

        { "😀", QT_TRANSLATE_NOOP("Emoji", "grinning face"), 6 },
        { "😃", QT_TRANSLATE_NOOP("Emoji", "grinning face with big eyes"), 6 },
        { "😄", QT_TRANSLATE_NOOP("Emoji", "grinning face with smiling eyes"), 6 },
        { "😁", QT_TRANSLATE_NOOP("Emoji", "beaming face with smiling eyes"), 6 },
        { "😅", QT_TRANSLATE_NOOP("Emoji", "grinning face with sweat"), 6 },
        { "😂", QT_TRANSLATE_NOOP("Emoji", "face with tears of joy"), 6 },
        { "🤣", QT_TRANSLATE_NOOP("Emoji", "rolling on the floor laughing"), 6 },
        { "😊", QT_TRANSLATE_NOOP("Emoji", "smiling face with smiling eyes"), 6 },
        { "😇", QT_TRANSLATE_NOOP("Emoji", "smiling face with halo"), 6 },
        { "🙂", QT_TRANSLATE_NOOP("Emoji", "slightly smiling face"), 6 },
        { "😉", QT_TRANSLATE_NOOP("Emoji", "winking face"), 6 },
        { "😍", QT_TRANSLATE_NOOP("Emoji", "smiling face with heart-eyes"), 6 },
        { "🥰", QT_TRANSLATE_NOOP("Emoji", "smiling face with hearts"), 6 },
        { "😘", QT_TRANSLATE_NOOP("Emoji", "face blowing a kiss"), 6 },
        { "😋", QT_TRANSLATE_NOOP("Emoji", "face savoring food"), 6 },
        { "😜", QT_TRANSLATE_NOOP("Emoji", "winking face with tongue"), 6 },
        { "🤪", QT_TRANSLATE_NOOP("Emoji", "zany face"), 6 },
        { "🤗", QT_TRANSLATE_NOOP("Emoji", "smiling face with open hands"), 6 },
        { "🤩", QT_TRANSLATE_NOOP("Emoji", "star-struck"), 6 },
        { "😎", QT_TRANSLATE_NOOP("Emoji", "smiling face with sunglasses"), 6 },
        { "🥹", QT_TRANSLATE_NOOP("Emoji", "face holding back tears"), 6 },
        { "😢", QT_TRANSLATE_NOOP("Emoji", "crying face"), 6 },
        { "😭", QT_TRANSLATE_NOOP("Emoji", "loudly crying face"), 6 },
        { "😮", QT_TRANSLATE_NOOP("Emoji", "face with open mouth"), 6 },
        { "😴", QT_TRANSLATE_NOOP("Emoji", "sleeping face"), 6 },
        { "🤔", QT_TRANSLATE_NOOP("Emoji", "thinking face"), 6 },
        { "🤭", QT_TRANSLATE_NOOP("Emoji", "face with hand over mouth"), 6 },
        { "😺", QT_TRANSLATE_NOOP("Emoji", "grinning cat"), 6 },
        { "😻", QT_TRANSLATE_NOOP("Emoji", "smiling cat with heart-eyes"), 6 },
        { "👋", QT_TRANSLATE_NOOP("Emoji", "waving hand"), 6 },
        { "👍", QT_TRANSLATE_NOOP("Emoji", "thumbs up"), 6 },
        { "👏", QT_TRANSLATE_NOOP("Emoji", "clapping hands"), 6 },
        { "🙌", QT_TRANSLATE_NOOP("Emoji", "raising hands"), 6 },
        { "🙏", QT_TRANSLATE_NOOP("Emoji", "folded hands"), 6 },
        { "🤝", QT_TRANSLATE_NOOP("Emoji", "handshake"), 6 },
        { "✌️", QT_TRANSLATE_NOOP("Emoji", "victory hand"), 6 },
        { "🤞", QT_TRANSLATE_NOOP("Emoji", "crossed fingers"), 6 },
        { "💪", QT_TRANSLATE_NOOP("Emoji", "flexed biceps"), 6 },

        { "🐶", QT_TRANSLATE_NOOP("Emoji", "dog face"), 7 },
        { "🐱", QT_TRANSLATE_NOOP("Emoji", "cat face"), 7 },
        { "🐰", QT_TRANSLATE_NOOP("Emoji", "rabbit face"), 7 },
        { "🦊", QT_TRANSLATE_NOOP("Emoji", "fox"), 7 },
        { "🐻", QT_TRANSLATE_NOOP("Emoji", "bear"), 7 },
        { "🐼", QT_TRANSLATE_NOOP("Emoji", "panda"), 7 },
        { "🐨", QT_TRANSLATE_NOOP("Emoji", "koala"), 7 },
        { "🐯", QT_TRANSLATE_NOOP("Emoji", "tiger face"), 7 },
        { "🦁", QT_TRANSLATE_NOOP("Emoji", "lion"), 7 },
        { "🐮", QT_TRANSLATE_NOOP("Emoji", "cow face"), 7 },
        { "🐷", QT_TRANSLATE_NOOP("Emoji", "pig face"), 7 },
        { "🐸", QT_TRANSLATE_NOOP("Emoji", "frog"), 7 },
        { "🐵", QT_TRANSLATE_NOOP("Emoji", "monkey face"), 7 },
        { "🐔", QT_TRANSLATE_NOOP("Emoji", "chicken"), 7 },
        { "🐧", QT_TRANSLATE_NOOP("Emoji", "penguin"), 7 },
        { "🐦", QT_TRANSLATE_NOOP("Emoji", "bird"), 7 },
        { "🐤", QT_TRANSLATE_NOOP("Emoji", "baby chick"), 7 },
        { "🦉", QT_TRANSLATE_NOOP("Emoji", "owl"), 7 },
        { "🦄", QT_TRANSLATE_NOOP("Emoji", "unicorn"), 7 },
        { "🐝", QT_TRANSLATE_NOOP("Emoji", "honeybee"), 7 },
        { "🦋", QT_TRANSLATE_NOOP("Emoji", "butterfly"), 7 },
        { "🐞", QT_TRANSLATE_NOOP("Emoji", "lady beetle"), 7 },
        { "🐢", QT_TRANSLATE_NOOP("Emoji", "turtle"), 7 },
        { "🐬", QT_TRANSLATE_NOOP("Emoji", "dolphin"), 7 },
        { "🐳", QT_TRANSLATE_NOOP("Emoji", "spouting whale"), 7 },
        { "🐠", QT_TRANSLATE_NOOP("Emoji", "tropical fish"), 7 },
        { "🐙", QT_TRANSLATE_NOOP("Emoji", "octopus"), 7 },
        { "🦒", QT_TRANSLATE_NOOP("Emoji", "giraffe"), 7 },
        { "🐘", QT_TRANSLATE_NOOP("Emoji", "elephant"), 7 },
        { "🦔", QT_TRANSLATE_NOOP("Emoji", "hedgehog"), 7 },
        { "🐾", QT_TRANSLATE_NOOP("Emoji", "paw prints"), 7 },

        { "🍓", QT_TRANSLATE_NOOP("Emoji", "strawberry"), 8 },
        { "🍒", QT_TRANSLATE_NOOP("Emoji", "cherries"), 8 },
        { "🍎", QT_TRANSLATE_NOOP("Emoji", "red apple"), 8 },
        { "🍉", QT_TRANSLATE_NOOP("Emoji", "watermelon"), 8 },
        { "🍇", QT_TRANSLATE_NOOP("Emoji", "grapes"), 8 },
        { "🍌", QT_TRANSLATE_NOOP("Emoji", "banana"), 8 },
        { "🍑", QT_TRANSLATE_NOOP("Emoji", "peach"), 8 },
        { "🍍", QT_TRANSLATE_NOOP("Emoji", "pineapple"), 8 },
        { "🥝", QT_TRANSLATE_NOOP("Emoji", "kiwi fruit"), 8 },
        { "🍋", QT_TRANSLATE_NOOP("Emoji", "lemon"), 8 },
        { "🍕", QT_TRANSLATE_NOOP("Emoji", "pizza"), 8 },
        { "🍔", QT_TRANSLATE_NOOP("Emoji", "hamburger"), 8 },
        { "🍿", QT_TRANSLATE_NOOP("Emoji", "popcorn"), 8 },
        { "🥨", QT_TRANSLATE_NOOP("Emoji", "pretzel"), 8 },
        { "🥐", QT_TRANSLATE_NOOP("Emoji", "croissant"), 8 },
        { "🥞", QT_TRANSLATE_NOOP("Emoji", "pancakes"), 8 },
        { "🍦", QT_TRANSLATE_NOOP("Emoji", "soft ice cream"), 8 },
        { "🍨", QT_TRANSLATE_NOOP("Emoji", "ice cream"), 8 },
        { "🍩", QT_TRANSLATE_NOOP("Emoji", "doughnut"), 8 },
        { "🍪", QT_TRANSLATE_NOOP("Emoji", "cookie"), 8 },
        { "🍫", QT_TRANSLATE_NOOP("Emoji", "chocolate bar"), 8 },
        { "🍬", QT_TRANSLATE_NOOP("Emoji", "candy"), 8 },
        { "🍭", QT_TRANSLATE_NOOP("Emoji", "lollipop"), 8 },
        { "🍮", QT_TRANSLATE_NOOP("Emoji", "custard"), 8 },
        { "🍯", QT_TRANSLATE_NOOP("Emoji", "honey pot"), 8 },
        { "🥧", QT_TRANSLATE_NOOP("Emoji", "pie"), 8 },
        { "☕", QT_TRANSLATE_NOOP("Emoji", "hot beverage"), 8 },
        { "🍵", QT_TRANSLATE_NOOP("Emoji", "teacup without handle"), 8 },
        { "🍷", QT_TRANSLATE_NOOP("Emoji", "wine glass"), 8 },
        { "🍸", QT_TRANSLATE_NOOP("Emoji", "cocktail glass"), 8 },
        { "🍹", QT_TRANSLATE_NOOP("Emoji", "tropical drink"), 8 },
        { "🥤", QT_TRANSLATE_NOOP("Emoji", "cup with straw"), 8 },
    };
    return emoji;
}

QString EmojiName(const CEmoji& emoji)
{
    return QCoreApplication::translate("Emoji", emoji.szName);
}

bool EmojiMatches(const CEmoji& emoji, const QString& query)
{
    const QStringList words
        = Folded(query).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return true;
    return HoldsEveryWord(QString::fromUtf8(emoji.szName), words)
        || HoldsEveryWord(EmojiName(emoji), words);
}

QImage EmojiButtonFace(const QSize& size, int nState, qreal ratio)
{
    QImage face(size * ratio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = std::max(2.0, size.height() / 4.0);
    QLinearGradient body(0, 0, 0, size.height());
    const QColor edgeDark = kEdge.darker(135);
    switch (nState) {
    case 1: // pressed: the light below, the face sits lower
        body.setColorAt(0, kPaper.darker(108));
        body.setColorAt(1, kPaperLight);
        break;
    case 2: // pointed at or focused: brighter
        body.setColorAt(0, Qt::white);
        body.setColorAt(1, kPaperLight);
        break;
    case 3: // disabled: flat
        body.setColorAt(0, kPaper);
        body.setColorAt(1, kPaper);
        break;
    default:
        body.setColorAt(0, kPaperLight);
        body.setColorAt(1, kPaper.darker(102));
        break;
    }
    painter.setBrush(body);
    if (nState == 2) {
        painter.setPen(QPen(kCoral, 2));
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        painter.setPen(QPen(nState == 1 ? edgeDark : kEdge, 1));
        painter.drawRoundedRect(box, radius, radius);
    }
    if (nState == 3)
        painter.setOpacity(0.35);
    const int shift = nState == 1 ? 1 : 0;
    painter.setFont(EmojiFont(std::max(8, size.height() - 8)));
    painter.setPen(kInk);
    painter.drawText(QRect(QPoint(shift, shift), size), Qt::AlignCenter, QStringLiteral("😊"));
    return face;
}

// ---------------------------------------------------------------------------------------------
// The picker's parts

// One emoji of the grid. Only the cell the keys are on takes the focus (from Tab); the others
// are pressed with the pointer, so Tab does not walk through hundreds of them.
class CEmojiPicker::CCell : public QAbstractButton {
public:
    CCell(int nEmoji, QWidget* parent)
        : QAbstractButton(parent)
        , m_nEmoji(nEmoji)
    {
        const CEmoji& emoji = PickerEmoji()[static_cast<size_t>(nEmoji)];
        setText(QString::fromUtf8(emoji.szText));
        setAccessibleName(EmojiName(emoji));
        setAccessibleDescription(
            QCoreApplication::translate("Emoji", PickerGroups()[size_t(emoji.nGroup)].szName));
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(kCell, kCell);
        setAttribute(Qt::WA_Hover);
    }
    int Emoji() const { return m_nEmoji; }
    void SetCurrent(bool bCurrent)
    {
        m_bCurrent = bCurrent;
        setFocusPolicy(bCurrent ? Qt::TabFocus : Qt::NoFocus);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        if (hasFocus()) {
            painter.setPen(QPen(kCoral, 2));
            painter.setBrush(WithAlpha(kCoral, 40));
            painter.drawRoundedRect(box, 7, 7);
        } else if (m_bCurrent || underMouse()) {
            painter.setPen(QPen(WithAlpha(kCoral, m_bCurrent ? 150 : 90), 1));
            painter.setBrush(WithAlpha(kCoral, 22));
            painter.drawRoundedRect(box, 7, 7);
        }
        painter.setFont(EmojiFont(kCellEmojiPixels));
        painter.setPen(kInk);
        painter.drawText(
            rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
    }

private:
    int m_nEmoji;
    bool m_bCurrent = false;
};

// A group's tab: its emoji, marked while the group shows.
class CEmojiPicker::CTab : public QAbstractButton {
public:
    CTab(int nGroup, QWidget* parent)
        : QAbstractButton(parent)
        , m_nGroup(nGroup)
    {
        const CEmojiGroup& group = PickerGroups()[static_cast<size_t>(nGroup)];
        setText(QString::fromUtf8(group.szIcon));
        setAccessibleName(QCoreApplication::translate("Emoji", group.szName));
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(kTabSize);
        setAttribute(Qt::WA_Hover);
    }
    int Group() const { return m_nGroup; }
    void SetShown(bool bShown)
    {
        setChecked(bShown);
        setFocusPolicy(bShown ? Qt::TabFocus : Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        if (isChecked()) {
            QLinearGradient light(0, 0, 0, height());
            light.setColorAt(0, Qt::white);
            light.setColorAt(1, kPaperLight);
            painter.setPen(QPen(kEdge, 1));
            painter.setBrush(light);
            painter.drawRoundedRect(box, 6, 6);
            painter.setPen(QPen(kCoral, 3, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(8, height() - 2.5), QPointF(width() - 8, height() - 2.5));
        } else if (underMouse()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(WithAlpha(kCoral, 28));
            painter.drawRoundedRect(box, 6, 6);
        }
        if (hasFocus()) {
            painter.setPen(QPen(kCoral, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(box, 6, 6);
        }
        painter.setFont(EmojiFont(kTabEmojiPixels));
        painter.setPen(kInk);
        painter.drawText(rect().adjusted(0, 0, 0, -2), Qt::AlignCenter, text());
    }

private:
    int m_nGroup;
};

// The grid: the shown cells in rows of eight, five rows at a time, scrolled by the wheel and
// by the keys' place; a thin coral bar shows where the rows in view are.
class CEmojiPicker::CGrid : public QWidget {
public:
    explicit CGrid(QWidget* parent)
        : QWidget(parent)
    {
    }
    void Show(const std::vector<CCell*>& all, const std::vector<CCell*>& shown)
    {
        m_shown = shown;
        for (CCell* cell : all)
            cell->hide();
        m_nTop = 0;
        Place();
    }
    int RowCount() const { return (static_cast<int>(m_shown.size()) + kColumns - 1) / kColumns; }
    void EnsureVisible(int nIndex)
    {
        const int row = nIndex / kColumns;
        if (row < m_nTop)
            m_nTop = row;
        else if (row >= m_nTop + kRows)
            m_nTop = row - kRows + 1;
        Place();
    }
    void Scroll(int nRows)
    {
        m_nTop = std::clamp(m_nTop + nRows, 0, std::max(0, RowCount() - kRows));
        Place();
    }
    QString m_strEmpty; // said when nothing matches

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        m_nWheel += event->angleDelta().y();
        const int rows = m_nWheel / 120;
        m_nWheel -= rows * 120;
        Scroll(-rows);
        event->accept();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_shown.empty()) {
            painter.setFont(Lettering(12));
            painter.setPen(kInk.lighter(130));
            painter.drawText(
                rect().adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap, m_strEmpty);
            return;
        }
        const int rows = RowCount();
        if (rows <= kRows)
            return;
        const QRectF track(width() - 7, kFirstCell.y() + 2, 3, kRows * kCell - 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(WithAlpha(kEdge, 120));
        painter.drawRoundedRect(track, 1.5, 1.5);
        const qreal length = track.height() * kRows / rows;
        const qreal top = track.top() + track.height() * m_nTop / rows;
        painter.setBrush(kCoral);
        painter.drawRoundedRect(QRectF(track.left(), top, track.width(), length), 1.5, 1.5);
    }

private:
    void Place()
    {
        for (size_t i = 0; i < m_shown.size(); ++i) {
            const int row = static_cast<int>(i) / kColumns - m_nTop;
            const int column = static_cast<int>(i) % kColumns;
            CCell* cell = m_shown[i];
            if (row < 0 || row >= kRows) {
                cell->hide();
                continue;
            }
            cell->move(kFirstCell + QPoint(column * kCell, row * kCell));
            cell->show();
        }
        update();
    }

    std::vector<CCell*> m_shown;
    int m_nTop = 0;
    int m_nWheel = 0;
};

// ---------------------------------------------------------------------------------------------
// The picker

CEmojiPicker::CEmojiPicker(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("emojipicker"));
    setWindowTitle(tr("Emoji"));
    setAccessibleName(tr("Emoji"));
    setFixedSize(kSize);
    setMask(QRegion(faces::RoundedPolygon(QRect(QPoint(0, 0), kSize), kRadius)));
    m_pToolTip = new CSkinToolTip(this);

    m_pSearch = new QLineEdit(this);
    m_pSearch->setObjectName(QStringLiteral("emojisearch"));
    m_pSearch->setGeometry(kSearchRect.adjusted(3, 1, -3, -1));
    m_pSearch->setFrame(false);
    m_pSearch->setFont(Lettering(12));
    m_pSearch->setPlaceholderText(tr("Search by name"));
    m_pSearch->setAccessibleName(tr("Search emoji by name"));
    m_pSearch->setClearButtonEnabled(false);
    QPalette palette = m_pSearch->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::PlaceholderText, kInk.lighter(170));
    palette.setColor(QPalette::Highlight, kCoral.darker(115));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_pSearch->setPalette(palette);
    m_pSearch->installEventFilter(this);
    connect(m_pSearch, &QLineEdit::textChanged, this, [this] { Filter(); });

    for (size_t i = 0; i < PickerGroups().size(); ++i) {
        auto* tab = new CTab(static_cast<int>(i), this);
        tab->move(kFirstTab + QPoint(static_cast<int>(i) * kTabSize.width(), 0));
        tab->installEventFilter(this);
        m_pToolTip->AddTool(tab, tab->accessibleName());
        connect(tab, &QAbstractButton::clicked, this, [this, tab] {
            ShowGroup(tab->Group());
            tab->setFocus();
        });
        m_tabs.push_back(tab);
    }
    m_pToolTip->Activate(true);

    m_pGrid = new CGrid(this);
    m_pGrid->setGeometry(kGridRect);
    m_pGrid->m_strEmpty = tr("No emoji has that name.");
    for (size_t i = 0; i < PickerEmoji().size(); ++i) {
        auto* cell = new CCell(static_cast<int>(i), m_pGrid);
        cell->hide();
        cell->installEventFilter(this);
        connect(cell, &QAbstractButton::clicked, this, [this, cell] { Choose(cell); });
        m_cells.push_back(cell);
    }
    ShowGroup(0);
}

CEmojiPicker::~CEmojiPicker() = default;

void CEmojiPicker::Popup(const QRect& rcAnchor)
{
    QScreen* screen = QGuiApplication::screenAt(rcAnchor.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), kSize);
    int x = rcAnchor.right() + 1 - width();
    int y = rcAnchor.bottom() + 1;
    if (y + height() > room.bottom() + 1)
        y = rcAnchor.top() - height();
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - width()));
    y = std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - height()));
    move(x, y);
    show();
    raise();
    activateWindow();
    m_pSearch->setFocus(Qt::PopupFocusReason);
    m_pSearch->selectAll();
}

void CEmojiPicker::ShowGroup(int nGroup)
{
    m_nGroup = std::clamp(nGroup, 0, static_cast<int>(m_tabs.size()) - 1);
    if (!m_pSearch->text().isEmpty()) {
        const QSignalBlocker quiet(m_pSearch);
        m_pSearch->clear();
    }
    Filter();
}

QAbstractButton* CEmojiPicker::GroupTab(int nGroup) const
{
    return nGroup >= 0 && nGroup < static_cast<int>(m_tabs.size()) ? m_tabs[size_t(nGroup)]
                                                                   : nullptr;
}

std::vector<QAbstractButton*> CEmojiPicker::ShownCells() const
{
    return { m_shown.begin(), m_shown.end() };
}

QAbstractButton* CEmojiPicker::CurrentCell() const
{
    return m_shown.empty() ? nullptr : m_shown[size_t(m_nCurrent)];
}

QString CEmojiPicker::CellText(const QAbstractButton* cell)
{
    return cell != nullptr ? cell->text() : QString();
}

void CEmojiPicker::Filter()
{
    const QString query = m_pSearch->text();
    const bool bSearching = !query.trimmed().isEmpty();
    if (!m_shown.empty())
        m_shown[size_t(m_nCurrent)]->SetCurrent(false);
    m_shown.clear();
    for (CCell* cell : m_cells) {
        const CEmoji& emoji = PickerEmoji()[size_t(cell->Emoji())];
        if (bSearching ? EmojiMatches(emoji, query) : emoji.nGroup == m_nGroup)
            m_shown.push_back(cell);
    }
    // While a search shows emoji of every group, no tab is marked.
    for (CTab* tab : m_tabs)
        tab->SetShown(!bSearching && tab->Group() == m_nGroup);
    m_pGrid->Show(m_cells, m_shown);
    m_nCurrent = 0;
    SetCurrent(0, false);
}

void CEmojiPicker::SetCurrent(int nIndex, bool bFocus)
{
    if (m_shown.empty()) {
        UpdateName();
        return;
    }
    m_shown[size_t(m_nCurrent)]->SetCurrent(false);
    m_nCurrent = std::clamp(nIndex, 0, static_cast<int>(m_shown.size()) - 1);
    CCell* cell = m_shown[size_t(m_nCurrent)];
    cell->SetCurrent(true);
    m_pGrid->EnsureVisible(m_nCurrent);
    if (bFocus)
        cell->setFocus(Qt::OtherFocusReason);
    UpdateName();
}

void CEmojiPicker::StepCurrent(int nDelta)
{
    SetCurrent(m_nCurrent + nDelta, true);
}

void CEmojiPicker::Choose(const CCell* cell)
{
    if (cell == nullptr)
        return;
    emit Chosen(QString::fromUtf8(PickerEmoji()[size_t(cell->Emoji())].szText));
}

void CEmojiPicker::FocusTabs()
{
    for (CTab* tab : m_tabs)
        if (tab->isChecked())
            tab->setFocus(Qt::OtherFocusReason);
    if (m_pSearch->text().trimmed().isEmpty())
        return;
    // While searching no tab is marked: the search field is the row above the emoji.
    m_pSearch->setFocus(Qt::OtherFocusReason);
}

void CEmojiPicker::UpdateName()
{
    const CCell* cell = static_cast<const CCell*>(CurrentCell());
    m_strName = cell != nullptr ? EmojiName(PickerEmoji()[size_t(cell->Emoji())]) : QString();
    update(kNameRect);
}

void CEmojiPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient paper(0, 0, 0, height());
    paper.setColorAt(0, kPaperLight);
    paper.setColorAt(1, kPaper);
    painter.setPen(QPen(kEdge, 2));
    painter.setBrush(paper);
    painter.drawRoundedRect(all, kRadius - 1, kRadius - 1);
    // The soft shade inside the border.
    painter.setPen(QPen(WithAlpha(kEdge.darker(120), 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(all.adjusted(2, 2, -2, -2), kRadius - 3, kRadius - 3);

    const QFont caption = Lettering(16, true);
    painter.setFont(caption);
    painter.setPen(kInk);
    const QString title = windowTitle();
    painter.drawText(kCaptionRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    const qreal titleWidth = QFontMetricsF(caption).horizontalAdvance(title);
    PaintStar(painter, QPointF(kCaptionRect.left() + titleWidth + 7, kCaptionRect.top() + 6), 4.5);

    PaintPanel(painter, kSearchRect);
    PaintPanel(painter, kGridRect);

    painter.setFont(Lettering(11));
    painter.setPen(kInk.lighter(130));
    painter.drawText(kNameRect, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(painter.font()).elidedText(m_strName, Qt::ElideRight, kNameRect.width()));
}

void CEmojiPicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CEmojiPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    const bool bReturn = code == Qt::Key_Return || code == Qt::Key_Enter;
    if (code == Qt::Key_Escape) {
        close();
        return true;
    }
    if (watched == m_pSearch) {
        if (code == Qt::Key_Down && !m_shown.empty()) {
            SetCurrent(m_nCurrent, true);
            return true;
        }
        if (bReturn) {
            // Return in the search takes the emoji the keys are on: the first match.
            Choose(static_cast<CCell*>(CurrentCell()));
            return true;
        }
        return false;
    }
    if (auto* tab = dynamic_cast<CTab*>(watched)) {
        const int step = code == Qt::Key_Left ? -1 : code == Qt::Key_Right ? 1 : 0;
        if (step != 0) {
            const int count = static_cast<int>(m_tabs.size());
            ShowGroup((tab->Group() + step + count) % count);
            m_tabs[size_t(m_nGroup)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (code == Qt::Key_Down && !m_shown.empty()) {
            SetCurrent(m_nCurrent, true);
            return true;
        }
        if (code == Qt::Key_Up) {
            m_pSearch->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (auto* cell = dynamic_cast<CCell*>(watched)) {
        const int page = kColumns * kRows;
        switch (code) {
        case Qt::Key_Left:
            StepCurrent(-1);
            return true;
        case Qt::Key_Right:
            StepCurrent(1);
            return true;
        case Qt::Key_Down:
            if (m_nCurrent / kColumns < (static_cast<int>(m_shown.size()) - 1) / kColumns)
                StepCurrent(kColumns);
            return true;
        case Qt::Key_Up:
            if (m_nCurrent < kColumns)
                FocusTabs();
            else
                StepCurrent(-kColumns);
            return true;
        case Qt::Key_Home:
            SetCurrent(0, true);
            return true;
        case Qt::Key_End:
            SetCurrent(static_cast<int>(m_shown.size()) - 1, true);
            return true;
        case Qt::Key_PageUp:
            StepCurrent(-page);
            return true;
        case Qt::Key_PageDown:
            StepCurrent(page);
            return true;
        default:
            break;
        }
        if (bReturn) {
            Choose(cell);
            return true;
        }
    } else {
        return QWidget::eventFilter(watched, event);
    }
    // A letter typed on a tab or an emoji goes on with the search.
    const QString typed = key->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !typed.at(0).isSpace()
        && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        m_pSearch->setFocus(Qt::OtherFocusReason);
        m_pSearch->insert(typed);
        return true;
    }
    return false;
}

// The description of the program's look: every window face, button face and picture of the
// resource library, with its name, its exact pixel size, where its controls sit and what it
// shows. The generator draws from it, and the windows take their outline polygons and control
// places from the same tables, so a face and the window shaped after it cannot drift apart.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>
#include <vector>

namespace faces {

// The palette; tints and shades are derived from these only.
namespace colour {
constexpr QRgb paper = 0xFFFFF4E4;
constexpr QRgb paperLight = 0xFFFFFAF2;
constexpr QRgb ink = 0xFF4A2545;
constexpr QRgb coral = 0xFFFF6F61;
constexpr QRgb teal = 0xFF2EC4B6;
constexpr QRgb sunshine = 0xFFFFC857;
constexpr QRgb edge = 0xFFD9C3A5;
constexpr QRgb margin = 0xFF808080;
} // namespace colour

// Pictograms of the buttons: what each action looks like at a glance.
enum class Picto {
    None, New, Open, Save, SaveAs, Send, Play, Pause, Stop, First, Previous, Next, Last,
    Cut, Copy, Paste, Undo, Redo, Delete, Properties, Library, Effects, Layers, ImportImage,
    ImportMidi, Toolbox, Text, Line, Rect, Ellipse, Polygon, TextRect, TextEllipse, Close,
    Minimise, Restore, Up, Down, Top, Bottom, Add, Remove, Select, SelectAll, Colour,
    Background, RemoveBackground, Sound, RemoveSound, Font, NoFill, Check, Cross, Male, Female,
    FolderUp, NewFolder, AddressBook, Options, Player, VoiceMail, Export, Exit, PageUp,
    PageDown, ScrollUp, ScrollDown, Thumb, OnScreen, OffScreen, Animations, Cliparts,
    SetSwitch, File, Edit, View, Server, Sender, CloseDocument, Eject, Tick, Film, Outbox, Help,
    Versions
};

// How a button wears its four faces.
enum class Role {
    Plain,   // rounded button, plum content
    Go,      // teal content: play, test, send
    Halt,    // coral content: stop
    MenuRow, // a row of a drop-down menu: flat until pointed at
    CheckBox // an empty box; pressed shows the tick
};

struct ButtonFace {
    std::string strName; // the dialog item's text; the faces are this name + "U", "D", "F", "X"
    QSize size;
    Picto picto = Picto::None;
    QString label;       // shown when the button is wide enough
    Role role = Role::Plain;
};

// The four states of a button face, in the order of their letters.
constexpr const char* kStates[4] = {"U", "D", "F", "X"};

// Whether a button letters its label: a plain or coloured button at least 60 pixels wide (a
// narrower one shows its pictogram only).
inline bool ShowsLabel(const ButtonFace& button)
{
    return button.role != Role::CheckBox && button.size.width() >= 60 && !button.label.isEmpty();
}

// Areas of a window face.
enum class ZoneKind {
    Panel,     // a recessed white panel exactly where a control (list, field, view) sits
    TextPanel, // a deep plum panel on which the program writes white text
    Label,     // plum lettering
    SmallLabel,
    Strip,     // a darker paper strip (the toolbar column)
    Mount,     // the picture mount around the stage view: the frame lies outside the rectangle
    Rail,      // the track between a list's page buttons
    Pocket,    // a small recessed cell (the activity animation)
    Slot,      // where a picture of the program is copied onto the face (caption strips)
    Title,     // the big lettering of the program's name
    Stitch     // a dashed coral line, like stitching on a card
};

struct Zone {
    ZoneKind kind;
    QRect rc;
    QString text = {};
    int align = 0x0001 | 0x0080; // Qt::AlignLeft | Qt::AlignVCenter
};

// A button placed on a face, by the name of its button face, at its top-left corner.
struct Place {
    std::string strButton;
    QPoint pt;
};

struct WindowFace {
    std::string strName;
    QSize size;
    QString title;            // lettered in the caption area (titleRect)
    QRect titleRect;
    std::vector<QRect> parts; // the outline: one rounded rectangle per part, united
    int nRadius = 10;         // corner radius of every part
    std::vector<Zone> zones;
    std::vector<Place> buttons;
    bool bTransparentCorners = true; // false: the corners are the grey margin (MAIN_WND)
    // Pictures of the library that the window copies onto its face at these places (caption
    // strips, selector skins, the page title, the toolbar window on the backdrop).
    std::vector<Place> pictures = {};
};

// Pictures that are neither windows nor buttons; the generator draws each by its kind.
enum class PictureKind {
    CaptionRibbon,   // lettering on a coral ribbon (caption strips)
    MessageStrip,    // the strip under a message box's buttons
    Combo,           // the skin of a drop-down selector
    PageTitle,       // the page picture of the library browser
    ListFrame,       // a frame ring around a control of the library browser
    Activity,        // one frame of the activity animation (index 0 = at rest)
    Splash,          // one frame of the start-up splash (index = frame number)
    EffectStrip,     // "EFFECTIMAGELIST"
    Welcome,         // "MODUL_TABLA": the stage view while no project is open
    SwitchSpin,      // "MTB_ANI_n": the set switch turning
    Twinkle,         // "MTBS_ANI_n": the toolbar's star twinkling
    FolderTray,      // "OSTOOLBAR"
    ScrollTrack      // "SOSCROLLBAR"
};

struct Picture {
    std::string strName;
    QSize size;
    PictureKind kind;
    QString text = {};
    int nIndex = 0;
};

// Every face of the resource library.
const std::vector<WindowFace>& Windows();
const std::vector<ButtonFace>& Buttons();
const std::vector<Picture>& Pictures();

// The set buttons "mtb1" ... "mtb5" of the main toolbar show a pictogram per button set.
struct ToolbarSetButton {
    std::string strName;  // "mtb1"
    Picto picto[3];       // sets 1, 2 and 3
    Role role[3];
    QPoint pt;            // its place on "MAIN_TOOLBAR"
};
const std::vector<ToolbarSetButton>& ToolbarSetButtons();
// The names of all faces of one set button: "mtb11U" ... "mtb13X", the transition faces
// "mtb1122", "mtb1124", "mtb1232", "mtb1234", "mtb1312", "mtb1314" and the blank "mtb1M".
std::vector<std::string> ToolbarSetFaceNames(const std::string& strButton);

// Frame counts of the numbered animations of the main toolbar.
constexpr int kSwitchSpinFrames = 8;
constexpr int kTwinkleFrames = 8;

// The splash letters "Greetings that move" and the maker's name from this frame on, fading
// them in (the program's name, which is the same in every language, comes earlier).
constexpr int kSplashWordsFrame = 25;

// Every face that letters text which a translation changes (window titles and labels, button
// labels, caption ribbons, page titles, the welcome picture, the later splash frames), by its
// full name ("okU" ... "okX" for a button). The library holds these once more for each
// translated language, as "bitmaps/de/NAME.png" beside "bitmaps/NAME.png".
std::vector<std::string> LetteredFaceNames();

const WindowFace* FindWindow(const std::string& strName);
const ButtonFace* FindButton(const std::string& strName);

// The outline of a window face as window-coordinate polygons, one per part (corners cut with
// kCornerPoints points each). A window's region is the union of these polygons.
constexpr int kCornerPoints = 7;
std::vector<QPolygon> OutlinePolygons(const WindowFace& face);
QPolygon RoundedPolygon(const QRect& rc, int nRadius);

// The rectangle of a button placed on a face, its size taken from the button's face.
QRect PlacedRect(const Place& place);

} // namespace faces

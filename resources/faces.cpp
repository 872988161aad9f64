#include "resources/faces.h"

#include <cmath>

namespace faces {

namespace {

using Z = ZoneKind;
using P = Picto;
using R = Role;

constexpr int kAlignRight = 0x0002 | 0x0080;
constexpr int kAlignCentre = 0x0004 | 0x0080;

QRect Box(int x, int y, int w, int h) { return QRect(x, y, w, h); }
// A rectangle given by its corners, right and bottom excluded.
QRect Span(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

std::vector<ButtonFace> MakeButtons()
{
    const QSize menuRow(144, 24);
    const QSize rightRow(164, 24);
    return {
        // Main window.
        {"file", {23, 23}, P::File, "File"},
        {"edit", {23, 23}, P::Edit, "Edit"},
        {"view", {23, 23}, P::View, "View"},
        {"closeapp", {16, 15}, P::Close, "Close"},
        {"minimize", {16, 15}, P::Minimise, "Minimise"},
        // File menu.
        {"fmkenew", menuRow, P::New, "New", R::MenuRow},
        {"fmkeopen", menuRow, P::Open, "Open\u2026", R::MenuRow},
        {"fmkeclose", menuRow, P::CloseDocument, "Close", R::MenuRow},
        {"fmkesave", menuRow, P::Save, "Save", R::MenuRow},
        {"fmkesaveas", menuRow, P::SaveAs, "Save as\u2026", R::MenuRow},
        {"fmkeversions", menuRow, P::Versions, "Earlier versions\u2026", R::MenuRow},
        {"fmkesendmail", menuRow, P::Send, "Send by e-mail\u2026", R::MenuRow},
        {"fmkecontacts", menuRow, P::AddressBook, "Contacts\u2026", R::MenuRow},
        {"fmkeoutbox", menuRow, P::Outbox, "Outbox\u2026", R::MenuRow},
        {"fmkeexe", menuRow, P::Export, "Export player\u2026", R::MenuRow},
        {"fmkevideo", menuRow, P::Film, "Export video\u2026", R::MenuRow},
        {"fmkeplay", menuRow, P::Play, "Play", R::MenuRow},
        {"fmkeexit", menuRow, P::Exit, "Exit", R::MenuRow},
        // Edit menu.
        {"undo", menuRow, P::Undo, "Undo", R::MenuRow},
        {"redo", menuRow, P::Redo, "Redo", R::MenuRow},
        {"cut", menuRow, P::Cut, "Cut", R::MenuRow},
        {"copy", menuRow, P::Copy, "Copy", R::MenuRow},
        {"paste", menuRow, P::Paste, "Paste", R::MenuRow},
        {"delete", menuRow, P::Delete, "Delete", R::MenuRow},
        {"selectall", menuRow, P::SelectAll, "Select all", R::MenuRow},
        {"properties", menuRow, P::Properties, "Properties\u2026", R::MenuRow},
        // View menu.
        {"libraries", menuRow, P::Library, "Libraries", R::MenuRow},
        {"effects", menuRow, P::Effects, "Effects", R::MenuRow},
        {"drawnobjects", menuRow, P::Toolbox, "Drawing tools", R::MenuRow},
        {"layermanager", menuRow, P::Layers, "Layer manager", R::MenuRow},
        {"importimage", menuRow, P::ImportImage, "Import image\u2026", R::MenuRow},
        {"importmidi", menuRow, P::ImportMidi, "Import MIDI\u2026", R::MenuRow},
        {"help", menuRow, P::Help, "Help (F1)", R::MenuRow},
        // Background menu.
        {"bmncolor", rightRow, P::Colour, "Background colour\u2026", R::MenuRow},
        {"bmndeletebkgnd", rightRow, P::RemoveBackground, "Remove background", R::MenuRow},
        {"bmnbkgnds", rightRow, P::Background, "Backgrounds\u2026", R::MenuRow},
        {"bmndeletesound", rightRow, P::RemoveSound, "Remove music", R::MenuRow},
        {"bmnsounds", rightRow, P::Sound, "Sounds\u2026", R::MenuRow},
        {"bmnlayerpaste", rightRow, P::Paste, "Paste", R::MenuRow},
        {"bmnlayermanager", rightRow, P::Layers, "Layer manager", R::MenuRow},
        {"bmnproperties", rightRow, P::Properties, "Project properties\u2026", R::MenuRow},
        // Object menu.
        {"lmnup", rightRow, P::Up, "One place up", R::MenuRow},
        {"lmndown", rightRow, P::Down, "One place down", R::MenuRow},
        {"lmntop", rightRow, P::Top, "To the top", R::MenuRow},
        {"lmnbottom", rightRow, P::Bottom, "To the bottom", R::MenuRow},
        {"lmndelete", rightRow, P::Delete, "Delete", R::MenuRow},
        {"lmnproperties", rightRow, P::Properties, "Properties\u2026", R::MenuRow},
        {"lmnimportsounds", rightRow, P::Sound, "Add a sound\u2026", R::MenuRow},
        {"lmnspeech", rightRow, P::VoiceMail, "Add a spoken text\u2026", R::MenuRow},
        {"lmnrecord", rightRow, P::VoiceMail, "Record a sound\u2026", R::MenuRow},
        // Main toolbar: the set switch and the player.
        {"mtbchange", {16, 16}, P::SetSwitch, "More buttons"},
        {"mtbp1", {23, 23}, P::Play, "Play", R::Go},
        {"mtbp2", {23, 23}, P::Pause, "Pause"},
        {"mtbp3", {23, 23}, P::Stop, "Stop", R::Halt},
        {"mtbp4", {23, 23}, P::First, "First frame"},
        {"mtbp5", {23, 23}, P::Previous, "Previous frame"},
        {"mtbp6", {23, 23}, P::Next, "Next frame"},
        {"mtbp7", {23, 23}, P::Last, "Last frame"},
        {"mtbp8", {23, 23}, P::Eject, "Close the player"},
        // Toolbox.
        {"tbselect", {28, 28}, P::Select, "Select"},
        {"tbtext", {28, 28}, P::Text, "Text"},
        {"tbline", {28, 28}, P::Line, "Line"},
        {"tbrect", {28, 28}, P::Rect, "Rectangle"},
        {"tbpolygon", {28, 28}, P::Polygon, "Polygon"},
        {"tbellipse", {28, 28}, P::Ellipse, "Ellipse"},
        {"tbtextrect", {28, 28}, P::TextRect, "Text in a rectangle"},
        {"tbtextellipse", {28, 28}, P::TextEllipse, "Text in an ellipse"},
        {"tbminimize", {12, 12}, P::Minimise, "Minimise"},
        {"tbclose", {12, 12}, P::Close, "Close"},
        {"dtmmaximizelibrarys", {94, 16}, P::Restore, "Tools"},
        {"tbmmaximizelibrary", {94, 16}, P::Restore, "Library"},
        {"tbmclose", {12, 12}, P::Close, "Close"},
        // Layer manager.
        {"lmlayerssu", {13, 13}, P::PageUp, "Page up"},
        {"lmlayerssd", {13, 13}, P::PageDown, "Page down"},
        {"lmlayersprop", {20, 20}, P::Properties, "Properties"},
        {"lmtop", {20, 20}, P::Top, "To the top"},
        {"lmup", {20, 20}, P::Up, "Up"},
        {"lmdown", {20, 20}, P::Down, "Down"},
        {"lmbottom", {20, 20}, P::Bottom, "To the bottom"},
        {"lmeffectsadd", {20, 20}, P::Add, "Add"},
        {"lmeffectsremove", {20, 20}, P::Remove, "Remove"},
        {"lmeffectsprop", {20, 20}, P::Properties, "Properties"},
        {"lmeffectssu", {13, 13}, P::PageUp, "Page up"},
        {"lmeffectssd", {13, 13}, P::PageDown, "Page down"},
        {"lmsoundsadd", {20, 20}, P::Add, "Add"},
        {"lmsoundsremove", {20, 20}, P::Remove, "Remove"},
        {"lmsoundsprop", {20, 20}, P::Properties, "Properties"},
        {"lmsoundssu", {13, 13}, P::PageUp, "Page up"},
        {"lmsoundssd", {13, 13}, P::PageDown, "Page down"},
        {"lmok", {20, 20}, P::Tick, "OK", R::Go},
        {"lmcancel", {20, 20}, P::Cross, "Cancel"},
        // Placed-object properties.
        {"lmpok", {12, 12}, P::Tick, "OK", R::Go},
        {"lmpcancel", {12, 12}, P::Cross, "Cancel"},
        // Object properties.
        {"opfont", {12, 12}, P::Font, "Font"},
        {"opnone", {12, 12}, P::NoFill, "No fill"},
        {"opok1", {16, 16}, P::Tick, "OK", R::Go},
        {"opcancel1", {16, 16}, P::Cross, "Cancel"},
        // Effect properties.
        {"eponscreen", {20, 20}, P::OnScreen, "Stays on screen"},
        {"epoffscreen", {20, 20}, P::OffScreen, "Leaves the screen"},
        {"eptest", {34, 22}, P::Play, "Test", R::Go},
        {"epstop", {34, 22}, P::Stop, "Stop", R::Halt},
        {"epok", {16, 16}, P::Tick, "OK", R::Go},
        {"epcancel", {16, 16}, P::Cross, "Cancel"},
        // Library browser and its scroll bar.
        {"soanimations", {20, 20}, P::Animations, "Animations"},
        {"socliparts", {20, 20}, P::Cliparts, "Cliparts"},
        {"sobackgrounds", {20, 20}, P::Background, "Backgrounds"},
        {"sosounds", {20, 20}, P::Sound, "Sounds"},
        {"soeffects", {20, 20}, P::Effects, "Effects"},
        {"sominimize", {16, 16}, P::Minimise, "Minimise"},
        {"soclose", {16, 16}, P::Close, "Close"},
        {"up", {31, 28}, P::ScrollUp, "Up"},
        {"down", {31, 28}, P::ScrollDown, "Down"},
        {"patratel", {31, 24}, P::Thumb, "Scroll"},
        // Message boxes.
        {"mbok", {98, 20}, P::None, "OK"},
        {"mbyes", {28, 20}, P::Tick, "Yes", R::Go},
        {"mbno", {28, 20}, P::Cross, "No"},
        {"mbcancel", {18, 20}, P::Undo, "Cancel"},
        {"pacheck", {16, 16}, P::None, "Do not ask again", R::CheckBox},
        // Picker of addresses, effects and sounds.
        {"aeok", {16, 16}, P::Tick, "OK", R::Go},
        {"aecancel", {16, 16}, P::Cross, "Cancel"},
        {"aesu", {16, 16}, P::PageUp, "Page up"},
        {"aesd", {16, 16}, P::PageDown, "Page down"},
        {"aedelete", {16, 16}, P::Delete, "Delete"},
        // Send and mail options.
        {"smsend", {96, 28}, P::Send, "Send", R::Go},
        {"smcancel", {96, 28}, P::Cross, "Cancel"},
        {"smoptions", {120, 26}, P::Options, "Options"},
        {"smsendplayer", {120, 26}, P::Player, "With player"},
        {"smaddresslist", {88, 26}, P::AddressBook, "Book"},
        {"smvoicemail", {120, 26}, P::VoiceMail, "Voice mail"},
        {"moserver", {84, 20}, P::Server, "Server"},
        {"moaddress", {84, 20}, P::Sender, "Sender"},
        {"mook", {20, 20}, P::Tick, "OK", R::Go},
        {"mocancel", {20, 20}, P::Cross, "Cancel"},
        {"mosecplain", {84, 20}, P::None, "Plain"},
        {"mosecstarttls", {84, 20}, P::None, "STARTTLS"},
        {"mosectls", {84, 20}, P::None, "TLS"},
        {"mopreview", {16, 16}, P::None, "Show the greeting in the message", R::CheckBox},
        {"moplayer", {16, 16}, P::None, "Attach the player", R::CheckBox},
        {"movideo", {16, 16}, P::None, "Attach the video", R::CheckBox},
        {"mogreeting", {16, 16}, P::None, "Attach the greeting file", R::CheckBox},
        {"smmailprogram", {16, 16}, P::None, "Send with my mail program", R::CheckBox},
        {"smlater", {16, 16}, P::None, "Send on a day", R::CheckBox},
        {"smyearly", {16, 16}, P::None, "Every year on their birthday", R::CheckBox},
        // The outbox window.
        {"obsendnow", {84, 22}, P::None, "Send now"},
        {"obcancel", {84, 22}, P::None, "Don\u2019t send"},
        {"obopen", {84, 22}, P::None, "Open"},
        {"obremove", {84, 22}, P::None, "Remove"},
        {"obclose", {70, 22}, P::None, "Close"},
        // The kept copies: recovery at the start and the earlier versions of a greeting ("Save
        // as…" wants the room in the longer languages).
        {"kcopen", {112, 22}, P::None, "Open"},
        {"kcsaveas", {112, 22}, P::None, "Save as\u2026"},
        {"kcdiscard", {112, 22}, P::None, "Discard"},
        {"kclater", {70, 22}, P::None, "Later"},
        {"kcclose", {70, 22}, P::None, "Close"},
        // The voice recorder.
        {"rcrecord", {100, 26}, P::VoiceMail, "Record"},
        {"rcstop", {100, 26}, P::Stop, "Stop"},
        {"rclisten", {100, 26}, P::Play, "Listen"},
        {"rckeep", {96, 28}, P::Tick, "Keep", R::Go},
        {"rccancel", {96, 28}, P::Cross, "Cancel"},
        // The contacts window.
        {"ctadd", {70, 22}, P::None, "Add"},
        {"ctchange", {70, 22}, P::None, "Change"},
        {"ctremove", {70, 22}, P::None, "Remove"},
        {"ctimport", {84, 22}, P::None, "Import\u2026"},
        {"ctexport", {84, 22}, P::None, "Export\u2026"},
        {"ctclose", {70, 22}, P::None, "Close"},
        // Spoken text.
        {"pspmale", {13, 13}, P::Male, "Male voice"},
        {"pspfemale", {13, 13}, P::Female, "Female voice"},
        {"pspok", {16, 16}, P::Tick, "OK", R::Go},
        {"pspcancel", {16, 16}, P::Cross, "Cancel"},
        // Project properties and the add-wave dialog (names of this program's choosing).
        {"mpok", {20, 20}, P::Tick, "OK", R::Go},
        {"mpcancel", {20, 20}, P::Cross, "Cancel"},
        {"awok", {20, 20}, P::Tick, "OK", R::Go},
        {"evcancel", {20, 20}, P::Cross, "Cancel"},
        {"awcancel", {20, 20}, P::Cross, "Cancel"},
        // File browser.
        {"osok", {64, 22}, P::None, "OK"},
        {"oscancel", {64, 22}, P::None, "Cancel"},
        {"osnewfolder", {26, 22}, P::NewFolder, "New folder"},
        {"osdirectoryup", {26, 22}, P::FolderUp, "Folder up"},
    };
}

// Rows of a drop-down menu: the row buttons sit at 10, 12 + 26 i.
std::vector<Place> MenuRows(const std::vector<std::string>& names, int x)
{
    std::vector<Place> places;
    for (size_t i = 0; i < names.size(); ++i)
        places.push_back({names[i], QPoint(x, 12 + 26 * static_cast<int>(i))});
    return places;
}

std::vector<WindowFace> MakeWindows()
{
    std::vector<WindowFace> w;

    // The editor's backdrop: the toolbar column, the mounted stage view, the menu buttons with
    // their words, the window buttons and the activity cell.
    w.push_back({"MAIN_WND", {800, 600}, "", {}, {Box(0, 0, 800, 600)}, 18,
                 {
                     {Z::Strip, Box(0, 0, 100, 581)},
                     {Z::Mount, Span(128, 110, 744, 572)},
                     {Z::Pocket, Box(258, 0, 26, 24)},
                     {Z::Title, Box(112, 24, 304, 56), "Vimble e-mail"},
                     {Z::Label, Box(459, 20, 52, 23), "File"},
                     {Z::Label, Box(546, 20, 52, 23), "Edit"},
                     {Z::Label, Box(634, 20, 52, 23), "View"},
                     {Z::SmallLabel, Box(114, 80, 300, 18), "Greetings that move"},
                     {Z::Stitch, Span(424, 54, 736, 55)},
                     {Z::SmallLabel, Box(600, 580, 190, 18), "Kelbrant", kAlignRight},
                 },
                 {{"file", {432, 20}}, {"edit", {519, 20}}, {"view", {607, 20}},
                  {"closeapp", {751, 13}}, {"minimize", {751, 58}}},
                 false});

    // The main toolbar: five set buttons, the set switch, the player buttons (shown during
    // playback in the same column) and the frame counter.
    w.push_back({"MAIN_TOOLBAR", {100, 581}, "", {}, {Box(0, 0, 100, 581)}, 0,
                 {
                     {Z::Strip, Box(0, 0, 100, 581)},
                     {Z::SmallLabel, Box(8, 54, 84, 14), "more", kAlignCentre},
                     {Z::Pocket, Box(10, 76, 80, 80)},
                     {Z::SmallLabel, Box(14, 166, 72, 14), "frame", kAlignCentre},
                     {Z::Panel, Box(14, 182, 72, 22)},
                 },
                 {{"mtbchange", {41, 35}}, {"mtbp1", {20, 232}}, {"mtbp2", {57, 232}},
                  {"mtbp3", {38, 289}}, {"mtbp4", {20, 346}}, {"mtbp7", {57, 346}},
                  {"mtbp5", {20, 403}}, {"mtbp6", {57, 403}}, {"mtbp8", {38, 459}}},
                 false});

    w.push_back({"FILE_MENU", {164, 356}, "", {}, {Box(0, 0, 164, 356)}, 10, {},
                 MenuRows({"fmkenew", "fmkeopen", "fmkeclose", "fmkesave", "fmkesaveas",
                           "fmkeversions",
                           "fmkesendmail", "fmkecontacts", "fmkeoutbox", "fmkeexe", "fmkevideo",
                           "fmkeplay",
                           "fmkeexit"},
                          10)});

    // The edit and view menus: the same face, only as long as their own rows.
    w.push_back({"EDIT_MENU", {164, 226}, "", {}, {Box(0, 0, 164, 226)}, 10, {},
                 MenuRows({"undo", "redo", "cut", "copy", "paste", "delete", "selectall",
                           "properties"},
                          10)});

    w.push_back({"VIEW_MENU", {164, 200}, "", {}, {Box(0, 0, 164, 200)}, 10, {},
                 MenuRows({"libraries", "effects", "drawnobjects", "layermanager", "importimage",
                           "importmidi", "help"},
                          10)});

    w.push_back({"RIGHT_MENU", {184, 278}, "", {}, {Box(0, 0, 184, 278)}, 10, {},
                 MenuRows({"bmncolor", "bmndeletebkgnd", "bmnbkgnds", "bmndeletesound",
                           "bmnsounds", "bmnlayerpaste", "bmnlayermanager", "bmnproperties"},
                          10)});

    w.push_back({"TOOLBOX", {91, 202}, "Tools", Box(8, 5, 48, 18), {Box(0, 0, 91, 202)}, 9,
                 {},
                 {{"tbminimize", {58, 8}}, {"tbclose", {73, 8}}, {"tbselect", {13, 32}},
                  {"tbtext", {50, 32}}, {"tbline", {13, 73}}, {"tbrect", {50, 73}},
                  {"tbpolygon", {13, 114}}, {"tbellipse", {50, 114}},
                  {"tbtextrect", {13, 155}}, {"tbtextellipse", {50, 155}}}});

    w.push_back({"TOOLBOX_MINIMIZED", {147, 31}, "", {}, {Box(0, 0, 147, 31)}, 9, {},
                 {{"tbmmaximizelibrary", {8, 8}}, {"tbmclose", {119, 10}}}});

    w.push_back({"LAYER_MANAGER", {532, 464}, "Layers", Box(14, 10, 200, 28),
                 {Box(0, 0, 532, 464)}, 14,
                 {
                     {Z::Label, Box(61, 42, 157, 16), "Objects"},
                     {Z::Panel, Box(61, 61, 157, 364)},
                     {Z::Rail, Span(240, 90, 249, 396)},
                     {Z::Label, Box(272, 64, 158, 16), "Effects"},
                     {Z::Panel, Box(272, 84, 158, 135)},
                     {Z::Rail, Span(454, 98, 463, 203)},
                     {Z::Label, Box(272, 228, 158, 16), "Sounds"},
                     {Z::Panel, Box(272, 248, 158, 135)},
                     {Z::Rail, Span(454, 264, 463, 370)},
                 },
                 {{"lmlayerssu", {238, 75}}, {"lmlayerssd", {238, 398}},
                  {"lmlayersprop", {13, 152}}, {"lmtop", {13, 195}}, {"lmup", {13, 237}},
                  {"lmdown", {13, 280}}, {"lmbottom", {13, 323}}, {"lmeffectsadd", {294, 15}},
                  {"lmeffectsremove", {335, 15}}, {"lmeffectsprop", {376, 15}},
                  {"lmeffectssu", {452, 83}}, {"lmeffectssd", {452, 205}},
                  {"lmsoundsadd", {294, 432}}, {"lmsoundsremove", {335, 432}},
                  {"lmsoundsprop", {376, 432}}, {"lmsoundssu", {452, 249}},
                  {"lmsoundssd", {452, 372}}, {"lmok", {506, 35}}, {"lmcancel", {506, 88}}}});

    w.push_back({"LAYER_MANAGER_PROP", {357, 207}, "Position and size", Box(14, 6, 230, 24),
                 {Box(0, 0, 357, 207)}, 12,
                 {
                     {Z::Panel, Box(16, 40, 208, 156)},
                     {Z::Label, Box(234, 38, 113, 16), "Position"},
                     {Z::SmallLabel, Box(234, 58, 28, 18), "x", kAlignRight},
                     {Z::Panel, Box(265, 58, 82, 18)},
                     {Z::SmallLabel, Box(234, 81, 28, 18), "y", kAlignRight},
                     {Z::Panel, Box(265, 81, 82, 18)},
                     {Z::Label, Box(234, 133, 113, 16), "Size"},
                     {Z::SmallLabel, Box(230, 153, 32, 18), "width", kAlignRight},
                     {Z::Panel, Box(265, 153, 82, 18)},
                     {Z::SmallLabel, Box(230, 176, 32, 18), "height", kAlignRight},
                     {Z::Panel, Box(265, 176, 82, 18)},
                 },
                 {{"lmpok", {258, 8}}, {"lmpcancel", {307, 8}}}});

    w.push_back({"OBJECT_PROPERTIES", {325, 255}, "Text and colours", Box(12, 7, 220, 24),
                 {Box(0, 0, 325, 255)}, 12,
                 {
                     {Z::SmallLabel, Box(200, 11, 36, 12), "font", kAlignRight},
                     {Z::Panel, Box(10, 37, 304, 134)},
                     {Z::Panel, Span(11, 198, 64, 214)},
                     {Z::SmallLabel, Box(68, 198, 80, 16), "colour"},
                     {Z::SmallLabel, Box(192, 200, 60, 16), "no fill"},
                     {Z::Panel, Box(11, 228, 53, 17)},
                     {Z::SmallLabel, Box(68, 228, 50, 17), "width"},
                     {Z::SmallLabel, Box(124, 228, 45, 17), "fill", kAlignRight},
                     {Z::Panel, Span(173, 228, 226, 244)},
                 },
                 {{"opfont", {238, 11}}, {"opnone", {176, 202}}, {"opok1", {258, 200}},
                  {"opcancel1", {300, 200}}}});

    w.push_back({"EFFECT_PROPERTIES", {349, 288}, "Effect", Box(12, 9, 180, 24),
                 {Box(0, 0, 349, 288)}, 12,
                 {
                     {Z::SmallLabel, Box(10, 67, 72, 17), "frames", kAlignRight},
                     {Z::Panel, Box(87, 67, 27, 17)},
                     {Z::SmallLabel, Box(10, 98, 72, 17), "start", kAlignRight},
                     {Z::Panel, Box(87, 98, 27, 17)},
                     {Z::SmallLabel, Box(10, 118, 110, 16), "after its frames:"},
                     {Z::SmallLabel, Box(10, 139, 72, 16), "on screen", kAlignRight},
                     {Z::SmallLabel, Box(10, 189, 72, 16), "off screen", kAlignRight},
                     {Z::Panel, Box(130, 44, 208, 156)},
                 },
                 {{"eponscreen", {85, 137}}, {"epoffscreen", {85, 187}}, {"eptest", {206, 11}},
                  {"epstop", {249, 11}}, {"epok", {283, 247}}, {"epcancel", {325, 247}}}});

    w.push_back({"MOVIE_PROPERTIES", {300, 226}, "Project properties", Box(14, 8, 260, 26),
                 {Box(0, 0, 300, 226)}, 12,
                 {
                     {Z::Label, Box(16, 42, 268, 16), "MIDI output"},
                     {Z::Panel, Box(16, 62, 268, 120)},
                 },
                 {{"mpok", {230, 194}}, {"mpcancel", {262, 194}}}});

    // The sound's name goes under the title, the animation's length beside the start field and
    // the program's hints (or why an entry was refused) over the band left of the buttons.
    w.push_back({"ADD_WAVE", {290, 176}, "Add a sound", Box(14, 8, 260, 26),
                 {Box(0, 0, 290, 176)}, 12,
                 {
                     {Z::Label, Box(16, 64, 112, 20), "Start at frame"},
                     {Z::Panel, Box(132, 64, 56, 20)},
                     {Z::Label, Box(16, 92, 112, 20), "Stop at frame"},
                     {Z::Panel, Box(132, 92, 56, 20)},
                 },
                 {{"awok", {222, 142}}, {"awcancel", {254, 142}}}});

    // The export of a greeting as a picture or a video: what is written where, the progress
    // bar on its panel, and Cancel.
    w.push_back({"EXPORT_VIDEO", {320, 150}, "Export", Box(14, 8, 290, 26),
                 {Box(0, 0, 320, 150)}, 12,
                 {
                     {Z::Panel, Box(16, 78, 288, 20)},
                 },
                 {{"evcancel", {284, 116}}}});

    // The library browser: page buttons, the page title strip, the item list, the category
    // drop-down and the scroll bar at the right edge.
    w.push_back({"RAMA", {302, 422}, "", {}, {Box(0, 0, 302, 422)}, 14,
                 {
                     {Z::Slot, Span(18, 53, 184, 78)},
                     {Z::Panel, Box(11, 84, 241, 293)},
                     {Z::Panel, Box(11, 396, 241, 22)},
                     {Z::Rail, Span(271, 89, 302, 366)},
                 },
                 {{"soanimations", {35, 9}}, {"socliparts", {78, 9}}, {"sobackgrounds", {121, 9}},
                  {"sosounds", {163, 9}}, {"soeffects", {206, 9}}, {"sominimize", {277, 54}},
                  {"soclose", {277, 8}}}});

    w.push_back({"PLAY_STRING", {176, 238}, "Spoken text", Box(10, 32, 156, 24),
                 {Box(0, 0, 176, 238)}, 12,
                 {
                     {Z::SmallLabel, Box(8, 8, 42, 15), "voice"},
                     {Z::SmallLabel, Box(100, 8, 70, 15), "m / f"},
                     {Z::Panel, Box(8, 61, 158, 135)},
                     {Z::SmallLabel, Box(8, 215, 54, 17), "frame"},
                     {Z::Panel, Box(64, 215, 30, 17)},
                 },
                 {{"pspmale", {52, 9}}, {"pspfemale", {84, 9}}, {"pspok", {121, 217}},
                  {"pspcancel", {155, 217}}}});

    // The picker: the body with its list and a band below carrying the caption strip and the
    // buttons; the window is the union of the two.
    w.push_back({"ADD_EFFECTS", {336, 185}, "", {}, {Box(0, 0, 336, 158), Box(10, 146, 326, 39)},
                 12,
                 {
                     {Z::Panel, Box(12, 9, 279, 129)},
                     {Z::Rail, Span(321, 28, 331, 122)},
                     {Z::Slot, Box(19, 153, 215, 31)},
                 },
                 {{"aeok", {272, 166}}, {"aecancel", {309, 166}}, {"aesu", {318, 9}},
                  {"aesd", {318, 125}}, {"aedelete", {213, 166}}}});

    // The mail options: the server and the sender, then how the talk with the server is
    // protected, the login, where the server filled in from the address was found (a line the
    // window writes), and what the message carries.
    w.push_back({"MAIL_OPTIONS", {286, 331}, "Mail options", Box(12, 304, 180, 22),
                 {Box(0, 0, 286, 331)}, 10,
                 {
                     {Z::Panel, Box(11, 6, 170, 18)},
                     {Z::SmallLabel, Box(13, 24, 168, 12), "mail server"},
                     {Z::Panel, Box(11, 37, 170, 18)},
                     {Z::SmallLabel, Box(13, 55, 168, 12), "your e-mail address"},
                     {Z::SmallLabel, Box(13, 92, 262, 12),
                      "connection: plain, STARTTLS (587) or TLS (465)"},
                     {Z::Panel, Box(11, 108, 170, 18)},
                     {Z::SmallLabel, Box(13, 126, 168, 12), "user name (empty: no login)"},
                     {Z::Panel, Box(11, 139, 170, 18)},
                     {Z::SmallLabel, Box(13, 157, 262, 12), "password (kept in the keyring)"},
                     {Z::SmallLabel, Box(33, 214, 240, 14), "show the greeting in the message"},
                     {Z::SmallLabel, Box(33, 236, 240, 14), "attach the self-playing player"},
                     {Z::SmallLabel, Box(33, 258, 240, 14), "attach the video with sound"},
                     {Z::SmallLabel, Box(33, 280, 240, 14), "attach the greeting file"},
                 },
                 {{"moserver", {194, 8}}, {"moaddress", {194, 40}}, {"mosecplain", {11, 70}},
                  {"mosecstarttls", {101, 70}}, {"mosectls", {191, 70}}, {"mopreview", {13, 213}},
                  {"moplayer", {13, 235}}, {"movideo", {13, 257}}, {"mogreeting", {13, 279}},
                  {"mook", {220, 305}}, {"mocancel", {262, 305}}}});

    // The send dialog. Its 438 x 457 face has no name of its own in the program's contract;
    // this program calls it "SEND_MAIL".
    w.push_back({"SEND_MAIL", {438, 527}, "Send your greeting", Box(20, 12, 398, 34),
                 {Box(0, 0, 438, 527)}, 16,
                 {
                     {Z::Label, Box(20, 98, 300, 18), "To"},
                     {Z::Panel, Box(20, 118, 300, 24)},
                     {Z::Label, Box(20, 152, 398, 18), "Subject"},
                     {Z::Panel, Box(20, 172, 398, 24)},
                     {Z::Label, Box(20, 206, 398, 18), "Message"},
                     {Z::Panel, Box(20, 226, 398, 170)},
                     {Z::SmallLabel, Box(40, 405, 168, 14), "send with my mail program"},
                     {Z::SmallLabel, Box(40, 451, 60, 14), "send on"},
                     {Z::Panel, Box(96, 446, 156, 24)},
                     {Z::SmallLabel, Box(282, 451, 146, 14), "every year on their birthday"},
                 },
                 {{"smsendplayer", {20, 56}}, {"smvoicemail", {152, 56}}, {"smoptions", {298, 56}},
                  {"smaddresslist", {330, 117}}, {"smsend", {214, 484}}, {"smcancel", {322, 484}},
                  {"smmailprogram", {20, 404}}, {"smlater", {20, 450}}, {"smyearly", {262, 450}}}});

    // The contacts: a search field, the list, the fields of the contact chosen, and the
    // buttons that change the book.
    w.push_back({"CONTACTS", {420, 344}, "Contacts", Box(20, 10, 380, 30), {Box(0, 0, 420, 344)},
                 14,
                 {
                     {Z::SmallLabel, Box(22, 44, 200, 12), "search"},
                     {Z::Panel, Box(20, 57, 380, 22)},
                     {Z::Panel, Box(20, 86, 380, 138)},
                     {Z::SmallLabel, Box(22, 230, 180, 12), "name"},
                     {Z::Panel, Box(20, 243, 185, 22)},
                     {Z::SmallLabel, Box(217, 230, 180, 12), "e-mail address"},
                     {Z::Panel, Box(215, 243, 185, 22)},
                     {Z::SmallLabel, Box(22, 271, 200, 12), "birthday (1990-05-17 or --05-17)"},
                     {Z::Panel, Box(20, 284, 120, 22)},
                 },
                 {{"ctadd", {172, 284}}, {"ctchange", {250, 284}}, {"ctremove", {328, 284}},
                  {"ctimport", {20, 314}}, {"ctexport", {110, 314}}, {"ctclose", {328, 314}}}});

    // The outbox: the greetings planned for a day, each with its time, recipient, subject and
    // state, and what can be done with the one chosen.
    w.push_back({"OUTBOX", {560, 320}, "Outbox", Box(20, 10, 520, 30), {Box(0, 0, 560, 320)}, 14,
                 {
                     {Z::SmallLabel, Box(22, 46, 500, 12), "planned greetings"},
                     {Z::Panel, Box(20, 60, 520, 190)},
                 },
                 {{"obsendnow", {20, 262}}, {"obcancel", {112, 262}}, {"obopen", {204, 262}},
                  {"obremove", {296, 262}}, {"obclose", {470, 288}}}});

    // The kept copies: the recovery copies an editor that ended left, and the earlier versions
    // of a greeting. The caption and the line under it are the window's own (they depend on
    // what it lists), then the list of copies with their pictures, and the buttons for the one
    // chosen.
    const std::vector<Zone> keptZones = {{Z::Panel, Box(20, 66, 560, 264)}};
    w.push_back({"KEPT_COPIES", {600, 390}, "", Box(20, 10, 560, 30), {Box(0, 0, 600, 390)}, 14,
                 keptZones,
                 {{"kcopen", {20, 346}}, {"kcsaveas", {140, 346}}, {"kcdiscard", {260, 346}},
                  {"kclater", {510, 346}}}});
    w.push_back({"KEPT_VERSIONS", {600, 390}, "", Box(20, 10, 560, 30), {Box(0, 0, 600, 390)},
                 14, keptZones, {{"kcopen", {20, 346}}, {"kcclose", {510, 346}}}});

    // The voice recorder: the microphone to use, a level meter with the time beside it, and
    // the buttons that record, stop, listen, keep and cancel.
    w.push_back({"RECORDER", {360, 262}, "Record your voice", Box(20, 10, 320, 30),
                 {Box(0, 0, 360, 262)}, 14,
                 {
                     {Z::SmallLabel, Box(22, 46, 200, 12), "microphone"},
                     {Z::Panel, Box(20, 60, 320, 24)},
                     {Z::SmallLabel, Box(22, 92, 200, 12), "level"},
                     {Z::Panel, Box(20, 106, 320, 40)},
                 },
                 {{"rcrecord", {20, 160}}, {"rcstop", {130, 160}}, {"rclisten", {240, 160}},
                  {"rckeep", {136, 220}}, {"rccancel", {244, 220}}}});

    // Message boxes: the program writes white text into the plum panel.
    w.push_back({"MESSAGE_BOXKEL", {176, 208}, "Vimble e-mail", Box(10, 4, 156, 22),
                 {Box(0, 0, 176, 208)}, 10,
                 {{Z::TextPanel, Span(4, 26, 172, 170)}, {Z::Slot, Box(0, 176, 176, 32)}},
                 {{"mbok", {52, 186}}, {"mbyes", {52, 186}}, {"mbno", {84, 186}},
                  {"mbcancel", {155, 186}}}});
    w.push_back({"MESSAGEBOX_KEL_BIG", {300, 300}, "Vimble e-mail", Box(10, 4, 280, 22),
                 {Box(0, 0, 300, 300)}, 14, {{Z::TextPanel, Span(4, 26, 296, 262)}},
                 {{"mbok", {101, 278}}}});
    w.push_back({"PLAY_AVI_MEM", {176, 240}, "Vimble e-mail", Box(10, 4, 156, 22),
                 {Box(0, 0, 176, 240)}, 10,
                 {{Z::TextPanel, Span(4, 26, 172, 170)},
                  {Z::SmallLabel, Box(50, 217, 122, 16), "do not ask again"}},
                 {{"mbyes", {52, 186}}, {"mbno", {84, 186}}, {"pacheck", {31, 217}}}});

    // The file browser.
    w.push_back({"OPEN_SAVE", {452, 294}, "", {}, {Box(0, 0, 452, 294)}, 14,
                 {
                     {Z::Slot, Box(33, 5, 257, 19)},
                     {Z::Slot, Box(296, 2, 64, 26)},
                     {Z::Slot, Box(10, 55, 200, 20)},
                     {Z::Panel, Box(13, 84, 395, 133)},
                     {Z::Panel, Box(34, 239, 227, 18)},
                     {Z::SmallLabel, Box(266, 239, 100, 18), "file name"},
                     {Z::Slot, Box(33, 270, 257, 19)},
                     {Z::SmallLabel, Box(296, 270, 74, 19), "file type"},
                 },
                 {{"osdirectoryup", {300, 4}}, {"osnewfolder", {330, 4}}, {"osok", {374, 237}},
                  {"oscancel", {374, 267}}}});

    // The skinned scroll bar of the library browser: a track with its two buttons and thumb.
    w.push_back({"SOSCROLLBAR", {31, 277}, "", {}, {Box(0, 0, 31, 277)}, 0,
                 {{Z::Rail, Span(11, 30, 20, 247)}},
                 {{"up", {0, 0}}, {"down", {0, 249}}}});

    // Opening or saving a large project: the file's name, the progress bar on its panel and
    // the step under it. The work cannot be cancelled, so the window has no buttons.
    w.push_back({"FILE_PROGRESS", {320, 112}, "", {},
                 {Box(0, 0, 320, 112)}, 12,
                 {
                     {Z::Panel, Box(16, 54, 288, 20)},
                 },
                 {}});

    auto pictures = [&w](const std::string& name, std::vector<Place> places) {
        for (WindowFace& face : w)
            if (face.strName == name)
                face.pictures = std::move(places);
    };
    pictures("MAIN_WND", {{"MODUL_TABLA", {128, 110}}, {"MAIN_TOOLBAR", {0, 0}}, {"SMANISTOP", {258, 0}}});
    pictures("MAIN_TOOLBAR", {{"MTBS_ANI_1", {10, 76}}});
    pictures("RAMA", {{"SOSTATICANIMATIONS", {18, 53}}, {"SOCOMBO", {11, 396}},
                      {"SOSCROLLBAR", {271, 89}}});
    pictures("ADD_EFFECTS", {{"CAPTION_EFFECTS", {19, 153}}});
    pictures("MESSAGE_BOXKEL", {{"MBCAPTIONO", {0, 176}}});
    pictures("OPEN_SAVE", {{"OSCOMBO1", {33, 5}}, {"OSTOOLBAR", {296, 2}}, {"OSCAPTIONOPEN", {10, 55}},
                           {"OSCOMBO2", {33, 270}}});
    return w;
}

std::vector<Picture> MakePictures()
{
    using K = PictureKind;
    std::vector<Picture> p = {
        {"MODUL_TABLA", {616, 462}, K::Welcome},
        {"EFFECTIMAGELIST", {28 * 32, 32}, K::EffectStrip},
        {"CAPTION_ADDRESS", {215, 31}, K::CaptionRibbon, "Address book"},
        {"CAPTION_EFFECTS", {215, 31}, K::CaptionRibbon, "Effects"},
        {"CAPTION_SOUNDS", {215, 31}, K::CaptionRibbon, "Sounds"},
        {"OSCAPTIONOPEN", {200, 20}, K::CaptionRibbon, "Open"},
        {"OSCAPTIONSAVE", {200, 20}, K::CaptionRibbon, "Save as"},
        {"OSCAPTIONEXPORT", {200, 20}, K::CaptionRibbon, "Export"},
        {"OSCAPTIONIMPORT", {200, 20}, K::CaptionRibbon, "Import"},
        {"MBCAPTIONO", {176, 32}, K::MessageStrip, "O"},
        {"MBCAPTIONYN", {176, 32}, K::MessageStrip, "YN"},
        {"MBCAPTIONYNC", {176, 32}, K::MessageStrip, "YNC"},
        {"SOCOMBO", {241, 22}, K::Combo},
        {"OSCOMBO1", {257, 19}, K::Combo, "folder"},
        {"OSCOMBO2", {257, 19}, K::Combo},
        {"OSTOOLBAR", {64, 26}, K::FolderTray},
        {"SOSTATICANIMATIONS", {166, 25}, K::PageTitle, "Animations", 1},
        {"SOSTATICCLIPARTS", {166, 25}, K::PageTitle, "Cliparts", 2},
        {"SOSTATICBACKGROUNDS", {166, 25}, K::PageTitle, "Backgrounds", 3},
        {"SOSTATICSOUNDS", {166, 25}, K::PageTitle, "Sounds", 4},
        {"SOSTATICEFFECTS", {166, 25}, K::PageTitle, "Effects", 5},
        // Rings around the item list, the category drop-down and the scroll bar.
        {"SOSTATICCADRU1", {249, 301}, K::ListFrame},
        {"SOSTATICCADRU2", {249, 30}, K::ListFrame},
        {"SOSTATICCADRU3", {31, 285}, K::ListFrame},
        {"SMANISTOP", {26, 24}, K::Activity, {}, 0},
    };
    for (int i = 1; i <= 16; ++i) {
        std::string name = std::to_string(i);
        name.insert(0, i < 10 ? "SMANI00" : "SMANI0");
        p.push_back({name, {26, 24}, K::Activity, {}, i});
    }
    // The splash shows frames 0, 2, ... 18 and 20 ... 33; the odd frames below 20 are never
    // loaded, so they are not made.
    for (int i = 0; i <= 33; ++i) {
        if (i < 20 && i % 2 != 0)
            continue;
        char name[16];
        std::snprintf(name, sizeof name, i <= 8 ? "SPLASH_0%d" : "SPLASH_%d", i);
        p.push_back({name, {430, 375}, K::Splash, {}, i});
    }
    for (int i = 1; i <= kSwitchSpinFrames; ++i)
        p.push_back({"MTB_ANI_" + std::to_string(i), {16, 16}, K::SwitchSpin, {}, i});
    for (int i = 1; i <= kTwinkleFrames; ++i)
        p.push_back({"MTBS_ANI_" + std::to_string(i), {80, 80}, K::Twinkle, {}, i});
    return p;
}

} // namespace

const std::vector<WindowFace>& Windows()
{
    static const std::vector<WindowFace> windows = MakeWindows();
    return windows;
}

const std::vector<ButtonFace>& Buttons()
{
    static const std::vector<ButtonFace> buttons = MakeButtons();
    return buttons;
}

const std::vector<Picture>& Pictures()
{
    static const std::vector<Picture> pictures = MakePictures();
    return pictures;
}

const std::vector<ToolbarSetButton>& ToolbarSetButtons()
{
    // Set 1: the project; set 2: editing; set 3: the library pages and the toolbox.
    static const std::vector<ToolbarSetButton> buttons = {
        {"mtb1", {P::New, P::Cut, P::Animations}, {R::Plain, R::Plain, R::Plain}, {35, 232}},
        {"mtb2", {P::Open, P::Copy, P::Cliparts}, {R::Plain, R::Plain, R::Plain}, {35, 289}},
        {"mtb3", {P::Save, P::Paste, P::Background}, {R::Plain, R::Plain, R::Plain}, {35, 346}},
        {"mtb4", {P::Send, P::Undo, P::Sound}, {R::Plain, R::Plain, R::Plain}, {35, 403}},
        {"mtb5", {P::Play, P::Redo, P::Toolbox}, {R::Go, R::Plain, R::Plain}, {35, 459}},
    };
    return buttons;
}

std::vector<std::string> ToolbarSetFaceNames(const std::string& strButton)
{
    std::vector<std::string> names;
    for (int set = 1; set <= 3; ++set)
        for (const char* state : kStates)
            names.push_back(strButton + std::to_string(set) + state);
    for (int number : {122, 124, 232, 234, 312, 314})
        names.push_back(strButton + std::to_string(number));
    names.push_back(strButton + "M");
    return names;
}

std::vector<std::string> LetteredFaceNames()
{
    std::vector<std::string> names;
    for (const WindowFace& face : Windows()) {
        bool lettered = !face.title.isEmpty();
        for (const Zone& zone : face.zones)
            lettered = lettered
                       || ((zone.kind == ZoneKind::Label || zone.kind == ZoneKind::SmallLabel)
                           && !zone.text.isEmpty());
        if (lettered)
            names.push_back(face.strName);
    }
    for (const ButtonFace& button : Buttons())
        if (ShowsLabel(button))
            for (const char* state : kStates)
                names.push_back(button.strName + state);
    for (const Picture& picture : Pictures()) {
        const bool lettered =
            ((picture.kind == PictureKind::CaptionRibbon || picture.kind == PictureKind::PageTitle)
             && !picture.text.isEmpty())
            || picture.kind == PictureKind::Welcome
            || (picture.kind == PictureKind::Splash && picture.nIndex >= kSplashWordsFrame);
        if (lettered)
            names.push_back(picture.strName);
    }
    return names;
}

const WindowFace* FindWindow(const std::string& strName)
{
    for (const WindowFace& face : Windows())
        if (face.strName == strName)
            return &face;
    return nullptr;
}

const ButtonFace* FindButton(const std::string& strName)
{
    for (const ButtonFace& face : Buttons())
        if (face.strName == strName)
            return &face;
    return nullptr;
}

QPolygon RoundedPolygon(const QRect& rc, int nRadius)
{
    const int l = rc.left(), t = rc.top();
    const int r = rc.left() + rc.width(), b = rc.top() + rc.height();
    const int rad = std::min({nRadius, rc.width() / 2, rc.height() / 2});
    if (rad <= 0)
        return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)});
    QPolygon polygon;
    // Corner centres, clockwise from the top left; each corner is a quarter arc.
    const struct {
        double cx, cy, start;
    } corners[4] = {{double(l + rad), double(t + rad), M_PI},
                    {double(r - rad), double(t + rad), 1.5 * M_PI},
                    {double(r - rad), double(b - rad), 0.0},
                    {double(l + rad), double(b - rad), 0.5 * M_PI}};
    for (const auto& c : corners) {
        for (int i = 0; i < kCornerPoints; ++i) {
            double a = c.start + (M_PI / 2) * i / (kCornerPoints - 1);
            polygon << QPoint(static_cast<int>(std::lround(c.cx + rad * std::cos(a))),
                              static_cast<int>(std::lround(c.cy + rad * std::sin(a))));
        }
    }
    return polygon;
}

std::vector<QPolygon> OutlinePolygons(const WindowFace& face)
{
    std::vector<QPolygon> polygons;
    for (const QRect& part : face.parts)
        polygons.push_back(RoundedPolygon(part, face.nRadius));
    return polygons;
}

QRect PlacedRect(const Place& place)
{
    const ButtonFace* button = FindButton(place.strButton);
    return QRect(place.pt, button ? button->size : QSize());
}

} // namespace faces

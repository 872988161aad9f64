#include "editor/core/required.h"

#include <algorithm>

const std::vector<std::string>& RequiredButtonTexts()
{
    static const std::vector<std::string> texts = {
        // Main window and its menus.
        "file", "edit", "view", "closeapp", "minimize",
        "fmkenew", "fmkeopen", "fmkeclose", "fmkesave", "fmkesaveas", "fmkesendmail", "fmkeexe",
        "fmkevideo", "fmkeplay", "fmkeexit",
        "undo", "redo", "cut", "copy", "paste", "delete", "selectall", "properties",
        "libraries", "effects", "drawnobjects", "layermanager", "importimage", "importmidi",
        "help",
        "bmncolor", "bmndeletebkgnd", "bmnbkgnds", "bmndeletesound", "bmnsounds",
        "bmnlayerpaste", "bmnlayermanager", "bmnproperties",
        "lmnup", "lmndown", "lmntop", "lmnbottom", "lmndelete", "lmnproperties",
        "lmnimportsounds", "lmnspeech",
        // Main toolbar.
        "mtbchange", "mtbp1", "mtbp2", "mtbp3", "mtbp4", "mtbp5", "mtbp6", "mtbp7", "mtbp8",
        // Toolbox and the minimised tool windows.
        "tbselect", "tbtext", "tbline", "tbrect", "tbpolygon", "tbellipse", "tbtextrect",
        "tbtextellipse", "tbclose", "tbminimize", "dtmmaximizelibrarys", "tbmmaximizelibrary",
        "tbmclose",
        // Layer manager.
        "lmlayerssu", "lmlayerssd", "lmlayersprop", "lmtop", "lmup", "lmdown", "lmbottom",
        "lmeffectsadd", "lmeffectsremove", "lmeffectsprop", "lmeffectssu", "lmeffectssd",
        "lmsoundsadd", "lmsoundsremove", "lmsoundsprop", "lmsoundssu", "lmsoundssd", "lmok",
        "lmcancel",
        // Property dialogs.
        "lmpok", "lmpcancel", "opfont", "opnone", "opok1", "opcancel1", "eponscreen",
        "epoffscreen", "eptest", "epstop", "epok", "epcancel",
        // Library browser and its scroll bar.
        "soanimations", "socliparts", "sobackgrounds", "sosounds", "soeffects", "sominimize",
        "soclose", "up", "down", "patratel",
        // Message boxes.
        "mbok", "mbcancel", "mbyes", "mbno", "pacheck",
        // Picker, send dialog and mail options.
        "aeok", "aecancel", "aesu", "aesd", "aedelete", "smsend", "smcancel", "smoptions",
        "smsendplayer", "smaddresslist", "smvoicemail", "moserver", "moaddress", "mook",
        "mocancel", "mosecplain", "mosecstarttls", "mosectls", "mopreview", "moplayer",
        "movideo", "mogreeting", "smmailprogram",
        "ctadd", "ctchange", "ctremove", "ctimport", "ctexport", "ctclose", "fmkecontacts",
        "smlater", "smyearly", "obsendnow", "obcancel", "obopen", "obremove", "obclose",
        "fmkeoutbox", "fmkeversions",
        "kcopen", "kcsaveas", "kcdiscard", "kclater", "kcclose",
        "rcrecord", "rcstop", "rclisten", "rckeep", "rccancel", "lmnrecord",
        // Spoken text.
        "pspmale", "pspfemale", "pspok", "pspcancel",
        // File browser.
        "osok", "oscancel", "osnewfolder", "osdirectoryup",
        // Buttons whose texts this program chose where none was given: the OK and Cancel
        // buttons of the project properties and of the add-wave dialog.
        "mpok", "mpcancel", "awok", "awcancel", "evcancel",
    };
    return texts;
}

const std::vector<std::string>& RequiredSetButtonTexts()
{
    static const std::vector<std::string> texts = {"mtb1", "mtb2", "mtb3", "mtb4", "mtb5"};
    return texts;
}

namespace {

// prefix, then n with leading zeros to width digits. Appended piece by piece: GCC 12 takes a
// text put in front of a temporary string for an overflow.
std::string Numbered(const char* prefix, int n, size_t width)
{
    const std::string digits = std::to_string(n);
    std::string name = prefix;
    if (digits.size() < width)
        name.append(width - digits.size(), '0');
    name += digits;
    return name;
}

} // namespace

std::vector<std::string> RequiredBitmapNames()
{
    std::vector<std::string> names = {
        "MAIN_WND", "MODUL_TABLA", "SMANISTOP", "MAIN_TOOLBAR", "FILE_MENU", "EDIT_MENU",
        "VIEW_MENU", "RIGHT_MENU",
        "TOOLBOX", "TOOLBOX_MINIMIZED", "OBJECT_PROPERTIES", "LAYER_MANAGER", "ADD_WAVE", "EXPORT_VIDEO",
        "FILE_PROGRESS",
        "RAMA", "SOCOMBO", "SOSCROLLBAR", "EFFECTIMAGELIST", "SOSTATICANIMATIONS",
        "SOSTATICCLIPARTS", "SOSTATICBACKGROUNDS", "SOSTATICSOUNDS", "SOSTATICEFFECTS",
        "SOSTATICCADRU1", "SOSTATICCADRU2", "SOSTATICCADRU3", "EFFECT_PROPERTIES",
        "LAYER_MANAGER_PROP", "MOVIE_PROPERTIES", "PLAY_AVI_MEM", "PLAY_STRING",
        "CAPTION_ADDRESS", "CAPTION_SOUNDS", "CAPTION_EFFECTS", "ADD_EFFECTS", "MAIL_OPTIONS",
        "MESSAGE_BOXKEL", "MESSAGEBOX_KEL_BIG", "MBCAPTIONO", "MBCAPTIONYN", "MBCAPTIONYNC",
        "OPEN_SAVE", "OSCAPTIONOPEN", "OSCAPTIONSAVE", "OSCAPTIONEXPORT", "OSCAPTIONIMPORT",
        "OSCOMBO1", "OSCOMBO2", "OSTOOLBAR",
        // The send dialog's face, named by this program.
        "SEND_MAIL",
        // The toolbar's animations are loaded from 1 on until one is missing.
        "MTB_ANI_1", "MTBS_ANI_1",
    };
    for (int i = 1; i <= 16; ++i)
        names.push_back(Numbered("SMANI0", i, 2));
    // The splash shows frames 0, 2, ... 18 and 20 ... 33; the names write frames up to 8 with
    // a leading zero.
    for (int i = 0; i <= 33; ++i) {
        if (i < 20 && i % 2 != 0)
            continue;
        names.push_back(Numbered("SPLASH_", i, 2));
    }
    for (const std::string& text : RequiredButtonTexts())
        for (const char* state : {"U", "D", "F", "X"})
            names.push_back(text + state);
    for (const std::string& text : RequiredSetButtonTexts()) {
        for (int set = 1; set <= 3; ++set)
            for (const char* state : {"U", "D", "F", "X"})
                names.push_back(text + std::to_string(set) + state);
        for (int number : {122, 124, 232, 234, 312, 314})
            names.push_back(text + std::to_string(number));
        names.push_back(text + "M");
    }
    return names;
}

std::vector<int> RequiredStringIds()
{
    std::vector<int> ids = {2, 10101, 10102, 10088, 10079, 10086, 10122, 10166, 10127, 10164,
                            10110, 10112, 10123, 10105, 10134, 10137, 10121, 10147, 10149,
                            10130, 10146, 10160, 10143, 10161, 10165, 10009, 10021, 10047,
                            10081, 10125, 10019, 10020, 10106, 10107, 10114, 10145};
    auto range = [&ids](int from, int to) {
        for (int id = from; id <= to; ++id)
            ids.push_back(id);
    };
    range(10001, 10009); // toolbox
    range(10010, 10018); // main toolbar
    range(10034, 10041);
    range(10091, 10093);
    range(10021, 10024); // message boxes
    range(10025, 10026); // project properties
    range(10027, 10033); // object properties
    range(10043, 10044); // add-wave dialog
    range(10200, 10204); // spoken-text dialog
    range(10048, 10056); // effect properties
    range(10057, 10069); // layer manager
    range(10075, 10078); // mail options
    range(10082, 10089); // library browser
    range(10151, 10158); // file browser
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

// The resource verbs: checking the resource library against what the program asks of it, a
// contact sheet of every face, and the catalogues the start-up builds from the data
// directories.
#include "app/json.h"
#include "app/tool.h"
#include "editor/core/app.h"
#include "editor/core/required.h"
#include "editor/skin/ownresources.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "resources/faces.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

using platform::Fill;
using platform::Tr;

namespace {

// The library named on the command line, or the one the settings point at.
std::unique_ptr<platform::CResourceLibrary> OpenLibrary(const std::vector<std::string>& args,
                                                        size_t index, std::string& path)
{
    if (args.size() > index) {
        path = args[index];
    } else {
        CEditorApp settings("-");
        settings.ReadSettings();
        path = settings.GetResourceLibraryPath();
    }
    auto library = platform::CResourceLibrary::Load(path);
    if (!library)
        PrintLine(
            Fill(Tr("Tool", "%1: cannot be opened as a resource library"), {path}));
    return library;
}

// What a display string must look like beyond being there: the text arguments its callers
// fill in, and no stray conversions.
std::string FormatProblem(int id, const std::string& text)
{
    size_t count = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] == 's')
            ++count;
        if (text[i] == '%' && text[i + 1] == '%')
            ++i;
    }
    size_t expected = (id == 10105 || id == 10152) ? 1 : 0;
    if (count != expected)
        return "takes " + std::to_string(count) + " text arguments, its callers give "
               + std::to_string(expected);
    if (id == 10143) {
        for (const char* field : {"%H", "%M", "%S"})
            if (text.find(field) == std::string::npos)
                return std::string("lacks ") + field;
    }
    if (text.size() > 254)
        return "is longer than 254 characters";
    return {};
}

int CmdCheck(const std::vector<std::string>& args)
{
    if (args.size() > 2)
        return -1;
    std::string path;
    auto library = OpenLibrary(args, 1, path);
    if (!library)
        return 1;
    int missing = 0;
    for (const std::string& name : RequiredBitmapNames()) {
        if (library->Bitmap(name).isNull()) {
            std::printf("bitmap %s\n", name.c_str());
            ++missing;
        }
    }
    // Every face is drawn for screens at 1.5x and 2x as well.
    for (qreal scale : platform::kBitmapScales) {
        if (scale == 1.0)
            continue;
        for (const std::string& name : RequiredBitmapNames()) {
            if (!library->HasBitmap(name, scale)) {
                std::printf("bitmap %s at %gx\n", name.c_str(), scale);
                ++missing;
            }
        }
    }
    // Every face that letters text is lettered in every translated language as well, at every
    // scale.
    using platform::ELanguage;
    for (ELanguage language : platform::kTranslatedLanguages) {
        for (const std::string& name : faces::LetteredFaceNames()) {
            for (qreal scale : platform::kBitmapScales) {
                if (!library->HasBitmap(name, scale, language)) {
                    std::printf("bitmap %s at %gx in %s\n", name.c_str(), scale,
                                platform::LanguageCode(language));
                    ++missing;
                }
            }
        }
    }
    for (int id : RequiredStringIds()) {
        std::string text = library->Get(id);
        if (text.empty()) {
            std::printf("string %d\n", id);
            ++missing;
        } else if (std::string problem = FormatProblem(id, text); !problem.empty()) {
            std::printf("string %d %s\n", id, problem.c_str());
            ++missing;
        }
    }
    for (const std::string& own : MissingOwnResources()) {
        std::printf("program %s\n", own.c_str());
        ++missing;
    }
    return missing == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------------------
// The contact sheet.

struct SheetCell {
    std::string label;
    std::vector<QImage> images; // side by side
};

// A picture's size on the sheet: its logical size (a 2x face takes the room of its 1x twin).
QSize SheetSize(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

// The sheet is laid out in logical pixels and drawn at a scale: at 2x every face is its 2x
// picture and the sheet has twice the pixels each way.
class CSheet {
public:
    CSheet(int width, qreal scale) : m_nWidth(width), m_scale(scale) {}

    void Section(const std::string& title)
    {
        NewLine();
        m_items.push_back({Item::title, title, {}, QPoint(kMargin, m_nY)});
        m_nY += 34;
        m_nX = kMargin;
    }

    void Add(const SheetCell& cell)
    {
        QSize size = CellSize(cell);
        if (m_nX + size.width() > m_nWidth - kMargin && m_nX > kMargin)
            NewLine();
        m_items.push_back({Item::cell, cell.label, cell.images, QPoint(m_nX, m_nY)});
        m_nX += size.width() + kGap;
        m_nRowHeight = std::max(m_nRowHeight, size.height());
    }

    QImage Render()
    {
        NewLine();
        QImage sheet(qRound(m_nWidth * m_scale), qRound((m_nY + kMargin) * m_scale),
                     QImage::Format_ARGB32_Premultiplied);
        sheet.setDevicePixelRatio(m_scale);
        sheet.fill(QColor(128, 128, 128));
        QPainter p(&sheet);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont title("Liberation Sans");
        title.setPixelSize(20);
        title.setBold(true);
        QFont label("Liberation Sans");
        label.setPixelSize(11);
        for (const Item& item : m_items) {
            if (item.kind == Item::title) {
                p.setFont(title);
                p.setPen(QColor(0xFF, 0xF4, 0xE4));
                p.drawText(QRect(item.pt, QSize(m_nWidth, 30)), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromStdString(item.label));
                continue;
            }
            int x = item.pt.x();
            int height = 0;
            for (const QImage& image : item.images) {
                p.drawImage(QPoint(x, item.pt.y()), image);
                x += SheetSize(image).width() + 4;
                height = std::max(height, SheetSize(image).height());
            }
            p.setFont(label);
            p.setPen(Qt::white);
            p.drawText(QRect(item.pt.x(), item.pt.y() + height + 2, 400, 14),
                       Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(item.label));
        }
        return sheet;
    }

private:
    static constexpr int kMargin = 16;
    static constexpr int kGap = 18;
    struct Item {
        enum Kind { title, cell } kind;
        std::string label;
        std::vector<QImage> images;
        QPoint pt;
    };

    static QSize CellSize(const SheetCell& cell)
    {
        int w = 0, h = 0;
        for (const QImage& image : cell.images) {
            w += SheetSize(image).width() + 4;
            h = std::max(h, SheetSize(image).height());
        }
        QFont label("Liberation Sans");
        label.setPixelSize(11);
        int text = QFontMetrics(label).horizontalAdvance(QString::fromStdString(cell.label));
        return QSize(std::max(w - 4, text), h + 16);
    }

    void NewLine()
    {
        if (m_nRowHeight > 0)
            m_nY += m_nRowHeight + 10;
        m_nRowHeight = 0;
        m_nX = kMargin;
    }

    int m_nWidth;
    qreal m_scale;
    int m_nX = kMargin;
    int m_nY = kMargin;
    int m_nRowHeight = 0;
    std::vector<Item> m_items;
};

// A window as it opens: its face, the pictures it copies onto it and the up faces of its
// buttons (of buttons sharing a place, the first; the toolbar shows its first button set), all
// at the sheet's scale.
QImage Composed(const platform::CResourceLibrary& library, const std::string& name, qreal scale,
                int depth = 0)
{
    QImage image = library.Bitmap(name, scale);
    const faces::WindowFace* face = faces::FindWindow(name);
    if (image.isNull() || face == nullptr || depth > 2)
        return image;
    QPainter p(&image);
    for (const faces::Place& picture : face->pictures)
        p.drawImage(picture.pt, Composed(library, picture.strButton, scale, depth + 1));
    std::vector<QRect> taken;
    if (name == "MAIN_TOOLBAR") {
        for (const faces::ToolbarSetButton& button : faces::ToolbarSetButtons()) {
            QImage up = library.Bitmap(button.strName + "1U", scale);
            p.drawImage(button.pt, up);
            taken.push_back(QRect(button.pt, SheetSize(up)));
        }
    }
    for (const faces::Place& place : face->buttons) {
        QImage up = library.Bitmap(place.strButton + "U", scale);
        QRect rc(place.pt, SheetSize(up));
        if (std::any_of(taken.begin(), taken.end(), [&rc](const QRect& t) { return t.intersects(rc); }))
            continue;
        p.drawImage(place.pt, up);
        taken.push_back(rc);
    }
    return image;
}

// "sheet [--scale S] OUT.png [LIBRARY.rcc]": the scale is 1 (the default), 1.5 or 2, or any
// ratio between 1 and 4 (drawn from the nearest set above it).
int CmdSheet(std::vector<std::string> args)
{
    qreal scale = 1;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--scale")
            continue;
        bool ok = false;
        scale = i + 1 < args.size() ? QString::fromStdString(args[i + 1]).toDouble(&ok) : 0;
        if (!ok || scale < 1 || scale > 4) {
            PrintLine(Tr("Tool", "--scale takes a ratio from 1 to 4"));
            return -1;
        }
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        break;
    }
    if (args.size() < 2 || args.size() > 3)
        return -1;
    EnsureGuiApplication();
    const std::string& out = args[1];
    std::string path;
    auto library = OpenLibrary(args, 2, path);
    if (!library)
        return 1;
    std::vector<std::string> names = library->BitmapNames();
    std::set<std::string> all(names.begin(), names.end());
    std::set<std::string> shown;

    // Set buttons of the toolbar: every face of one button in a row.
    std::vector<SheetCell> setButtons;
    for (const std::string& base : RequiredSetButtonTexts()) {
        SheetCell cell{base + "  (sets 1-3 U D F X, 122 124 232 234 312 314, M)", {}};
        for (const std::string& name : faces::ToolbarSetFaceNames(base)) {
            if (all.count(name)) {
                cell.images.push_back(library->Bitmap(name, scale));
                shown.insert(name);
            }
        }
        if (!cell.images.empty())
            setButtons.push_back(cell);
    }
    // Buttons: a base whose "U", "D", "F" and "X" faces are all there.
    std::vector<SheetCell> buttons;
    for (const std::string& name : all) {
        if (shown.count(name) || name.empty() || name.back() != 'U')
            continue;
        std::string base = name.substr(0, name.size() - 1);
        if (!all.count(base + "D") || !all.count(base + "F") || !all.count(base + "X"))
            continue;
        SheetCell cell{base + "  U D F X", {}};
        for (const char* state : {"U", "D", "F", "X"}) {
            cell.images.push_back(library->Bitmap(base + state, scale));
            shown.insert(base + state);
        }
        buttons.push_back(cell);
    }
    // Everything else, large faces first.
    std::vector<std::pair<std::string, QImage>> faces;
    for (const std::string& name : all)
        if (!shown.count(name))
            faces.push_back({name, library->Bitmap(name, scale)});
    std::stable_sort(faces.begin(), faces.end(), [](const auto& a, const auto& b) {
        const QSize sa = SheetSize(a.second), sb = SheetSize(b.second);
        return sa.width() * sa.height() > sb.width() * sb.height();
    });

    CSheet sheet(1800, scale);
    sheet.Section("Windows as they open: faces with their buttons and pictures");
    for (const faces::WindowFace& face : faces::Windows())
        if (all.count(face.strName))
            sheet.Add({face.strName + " with its buttons",
                       {Composed(*library, face.strName, scale)}});
    sheet.Section("Window faces and pictures of " + platform::FileNameOf(path));
    for (const auto& [name, image] : faces) {
        const QSize size = SheetSize(image);
        sheet.Add({name + "  " + std::to_string(size.width()) + "x" + std::to_string(size.height()),
                   {image}});
    }
    sheet.Section("Button faces");
    for (const SheetCell& cell : buttons)
        sheet.Add(cell);
    sheet.Section("Main toolbar set buttons");
    for (const SheetCell& cell : setButtons)
        sheet.Add(cell);
    sheet.Section("The program's own pictures");
    for (int id : {209, 210, 211})
        sheet.Add({"cursor " + std::to_string(id), {LoadOwnCursor(id, scale)}});
    for (int id : {5, 6, 9, 10, 12, 16, 600})
        sheet.Add({"icon " + std::to_string(id),
                   {LoadOwnIcon(id, 32, scale), LoadOwnIcon(id, 16, scale)}});
    for (const char* name : {"139", "TIP_LEFT", "TIP_RIGHT"})
        sheet.Add({std::string("bitmap ") + name, {LoadOwnBitmap(name, scale)}});

    QImage image = sheet.Render();
    if (!image.save(QString::fromLocal8Bit(out.c_str()), "PNG")) {
        PrintLine(Fill(Tr("Tool", "%1: cannot be written"), {out}));
        return 1;
    }
    return 0;
}

int CmdResources(const std::vector<std::string>& args)
{
    if (args.empty())
        return -1;
    if (args[0] == "check")
        return CmdCheck(args);
    if (args[0] == "sheet")
        return CmdSheet(args);
    return -1;
}

// ---------------------------------------------------------------------------------------
// The catalogues.

// The start-up's scan, reporting a failure as the tool's one line.
class CCatalogueScan : public CEditorApp {
public:
    CCatalogueScan() : CEditorApp("-") {}
    std::string m_strFailure;

protected:
    void ShowStartupMessage(const std::string&, int, const std::string& text) override
    {
        m_strFailure = text;
    }
};

const char* CatalogueName(int type)
{
    switch (type) {
    case 1: return "animations";
    case 2: return "cliparts";
    case 5: return "type 5";
    case 6: return "backgrounds";
    case 7: return "object sounds";
    case 8: return "sounds";
    default: return "";
    }
}

int CmdCatalogue(const std::vector<std::string>& args)
{
    CCatalogueScan app;
    app.ReadSettings();
    if (!args.empty())
        app.SetDataDirectories(args);
    // The library's string makes the failure text when it can be had; the scan needs no more.
    auto library = platform::CResourceLibrary::Load(app.GetResourceLibraryPath());
    platform::CResourceLibrary* previous = platform::SetResourceLibrary(library.get());
    bool scanned = app.ScanDataDirectories();
    platform::SetResourceLibrary(previous);
    if (!scanned) {
        std::string dir = app.GetFailedDirectory();
        PrintLine(
            Fill(Tr("Tool", "%1: no library header files (*.hdr) can be listed there"),
                {dir.empty() ? Tr("Tool", "(empty data directory: /)") : dir}));
        return 1;
    }
    app.SortCatalogues();

    auto text = [](const std::string& bytes) { return bytes; };
    CJsonWriter json;
    json.BeginObject();
    json.BeginArray("data directories");
    for (const std::string& dir : app.GetDataDirectories())
        json.Text(nullptr, text(dir));
    json.EndArray();
    json.BeginArray("categories");
    for (const std::string& category : app.GetCategories())
        json.Text(nullptr, category);
    json.EndArray();
    json.Text("current category", app.GetCurrentCategory());
    json.BeginArray("catalogues");
    for (uint8_t type : CEditorApp::kCatalogueTypes) {
        json.BeginObject();
        json.Int("type", type);
        json.Text("name", CatalogueName(type));
        json.BeginArray("records");
        for (const auto& record : *app.GetCatalogue(type)) {
            json.BeginObject();
            json.Text("name", record->m_strName);
            json.Text("category", record->m_strCategory);
            json.Int("item", record->m_nValue);
            json.Text("item file", text(record->ItemPath()));
            const CHBitmap* preview = record->m_pPreview.get();
            if (preview != nullptr && preview->HasData())
                json.Ints("preview", {preview->GetWidth(), preview->GetHeight()});
            else
                json.Null("preview");
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Result().c_str(), stdout);
    return 0;
}

} // namespace

void AddResourceVerbs(VerbTable& verbs)
{
    verbs["resources"] = {"resources check [LIBRARY.rcc] | "
                          "sheet [--scale 1|1.5|2] OUT.png [LIBRARY.rcc]",
                          Tr("Tool",
                              "check the resource library (every face at 1x, 1.5x and 2x, the "
                              "lettered ones in every language too), or draw "
                              "every face on one sheet (at a screen scale)"),
                          CmdResources};
    verbs["catalogue"] = {"catalogue [DATADIR...]",
                          Tr("Tool",
                              "the catalogues and categories the start-up scan builds (JSON)"),
                          CmdCatalogue};
}

// The project verbs: the codec, new projects, dumps and resaving.
#include "app/dump.h"
#include "app/json.h"
#include "app/tool.h"
#include "model/archive.h"
#include "model/header.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/report.h"
#include "model/shapes.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <cstdio>
#include <dirent.h>
#include <memory>

using platform::Fill;
using platform::Tr;

namespace {

int CmdLzss(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"lzss"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    return lzss::Dispatch(static_cast<int>(argv.size()), argv.data(), stdout);
}

int CmdNew(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return -1;
    CFailureLine failure(args[0]);
    auto movie = CAbstractMovie::NewProject();
    return SaveProject(*movie, args[0]) ? 0 : failure.Fail();
}

int CmdResave(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return -1;
    const std::string& in = args[0];
    const std::string& out = args[1];
    // Read from its bytes: the project itself is never written unless it is also OUT.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectOrSay(in);
    if (!movie)
        return 1;
    CFailureLine failure(out);
    return SaveProject(*movie, out) ? 0 : failure.Fail();
}

// The header in the item's folder that names it, or 255.
int ItemTypeFromHeaders(const std::string& path)
{
    std::string dir = platform::DirectoryOf(path);
    std::string name = platform::FileNameOf(path);
    DIR* d = opendir(dir.c_str());
    if (d == nullptr)
        return 255;
    int type = 255;
    platform::CMessageRecorder quiet; // other damaged headers are not this item's business
    while (dirent* entry = readdir(d)) {
        std::string file = entry->d_name;
        if (!EndsWith(file, ".hdr"))
            continue;
        CHeaderObject header;
        if (header.ReadFile(dir, file) != 255
            && std::to_string(header.m_nValue) + ".zty" == name) {
            type = header.m_nType;
            break;
        }
    }
    closedir(d);
    return type;
}

std::unique_ptr<CObject> MakeItem(int type)
{
    switch (type) {
    case CHeaderObject::typeAnimation: return std::make_unique<CAnimationObject>();
    case CHeaderObject::typeClipart: return std::make_unique<CClipartObject>();
    case CHeaderObject::typeBackground: return std::make_unique<CBackgroundBMP>();
    case CHeaderObject::typeObjectSound:
    case CHeaderObject::typeSound: return std::make_unique<CSound>();
    default: return nullptr;
    }
}

// Reads an item file as the object its header says, or, without a header, as the first kind
// of object that reads the whole file cleanly.
std::unique_ptr<CObject> ReadItem(const std::string& path)
{
    int type = ItemTypeFromHeaders(path);
    if (type != 255) {
        auto object = MakeItem(type);
        if (object && LoadObject(path, *object))
            return object;
        return nullptr;
    }
    std::vector<uint8_t> data;
    if (!platform::ReadWholeFile(path, data)) {
        platform::ShowMessage(Fill(Tr("Tool", "%1: cannot be read"), {path}));
        return nullptr;
    }
    for (int candidate : {1, 2, 6, 8}) {
        auto object = MakeItem(candidate);
        CArchive ar(data, path);
        object->Serialize(ar);
        if (!ar.IsFailed() && ar.Remaining() == 0)
            return object;
    }
    platform::ShowMessage(
        Fill(Tr("Tool", "%1: not an animation, clipart, background or sound item"), {path}));
    return nullptr;
}

int CmdDump(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return -1;
    const std::string& path = args[0];
    CFailureLine failure(path);
    CJsonWriter json;
    json.BeginObject();
    json.Text("file", platform::FileNameOf(path));
    if (EndsWith(path, ".hdr")) {
        CHeaderObject header;
        if (header.ReadFile(platform::DirectoryOf(path), platform::FileNameOf(path)) == 255)
            return failure.Fail();
        json.Text("type", "header");
        DumpHeader(json, header);
    } else if (EndsWith(path, ".zty")) {
        auto item = ReadItem(path);
        if (!item)
            return failure.Fail();
        json.Text("type", "item");
        json.Text("class", ItemClassName(*item));
        DumpItem(json, *item);
    } else {
        // A dump only reads: nothing is made beside the project and it is never written.
        std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(path);
        if (!movie)
            return failure.Fail();
        json.Text("type", "project");
        DumpMovie(json, *movie);
    }
    json.EndObject();
    std::fputs(json.Result().c_str(), stdout);
    return 0;
}

// text PROJECT.kel --object I "TEXT" OUT.kel: the first stage's object I (counted from 0), a
// text object, gets TEXT as its text, and the project is written as OUT.kel.
int CmdText(const std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    int object = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--object") {
            if (i + 1 == args.size() || args[i + 1].empty()
                || args[i + 1].find_first_not_of("0123456789") != std::string::npos
                || args[i + 1].size() > 9)
                return -1;
            object = std::stoi(args[++i]);
        } else if (args[i] == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (args[i].starts_with("--")) {
            return -1;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.size() != 3 || object < 0)
        return -1;
    const std::string& in = rest[0];
    const std::string& text = rest[1];
    const std::string& out = rest[2];
    if (!platform::IsValidUtf8(text)) {
        PrintFileLine(in, Tr("Tool", "the text is not UTF-8"));
        return 1;
    }
    // Read from its bytes: the project itself is never written unless it is also OUT.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectOrSay(in);
    if (!movie)
        return 1;
    CStage* stage = movie->GetFirstStage();
    CLayerList* layers = stage != nullptr ? stage->GetLayers() : nullptr;
    const int count = layers != nullptr ? layers->GetCount() : 0;
    CLayer* layer = object < count ? layers->GetAt(object) : nullptr;
    if (layer == nullptr) {
        PrintFileLine(in, Fill(Tr("Tool", "there is no object %1 (the greeting has %2, from 0)"),
            { std::to_string(object), std::to_string(count) }));
        return 1;
    }
    auto* drawn = layer->m_pDrawing != nullptr
        ? dynamic_cast<CDrawnObject*>(layer->m_pDrawing->GetObject())
        : nullptr;
    auto* shape = drawn != nullptr ? dynamic_cast<CDrawTextRect*>(drawn->m_pShape.get()) : nullptr;
    if (shape == nullptr) {
        PrintFileLine(in, Fill(Tr("Tool", "object %1 is not a text"), { std::to_string(object) }));
        return 1;
    }
    shape->m_strText = text;
    CFailureLine failure(out);
    if (!SaveProject(*movie, out))
        return failure.Fail();
    std::printf("%s\n", out.c_str());
    return 0;
}

} // namespace

void AddProjectVerbs(VerbTable& verbs)
{
    verbs["lzss"] = {"lzss e|d IN OUT",
        Tr("Tool", "encode or decode a file with the project codec"), CmdLzss};
    verbs["new"] = {"new OUT.kel", Tr("Tool", "write a new, empty project"), CmdNew};
    verbs["dump"] = {"dump FILE", Tr("Tool", "a .kel, .hdr or .zty file as JSON"), CmdDump};
    verbs["text"] = {"text FILE.kel --object I TEXT OUT.kel",
        Tr("Tool", "the project with the text of its object I (a text, from 0) replaced"),
        CmdText};
    verbs["resave"] = {"resave IN.kel OUT.kel",
        Tr("Tool", "open a project and save it again"), CmdResave};
}

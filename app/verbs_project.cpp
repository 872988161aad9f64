// The project verbs: the codec, new projects, dumps and resaving.
#include "app/dump.h"
#include "app/json.h"
#include "app/printed.h"
#include "app/tool.h"
#include "model/archive.h"
#include "model/header.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/report.h"
#include "platform/files.h"
#include "platform/message.h"
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
    std::unique_ptr<CAbstractMovie> movie;
    {
        // Read from its bytes: nothing is made beside it, and it is written only when it is
        // also the file saved.
        CFailureLine failure(in);
        movie = ReadProjectFile(in);
        if (!movie)
            return failure.Fail();
    }
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
        platform::ShowMessage(Fill(Utf8(Tr("Tool", "%1: cannot be read")), {path}));
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
        Fill(Utf8(Tr("Tool", "%1: not an animation, clipart, background or sound item")), {path}));
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

} // namespace

void AddProjectVerbs(VerbTable& verbs)
{
    verbs["lzss"] = {"lzss e|d IN OUT",
        Utf8(Tr("Tool", "encode or decode a file with the project codec")), CmdLzss};
    verbs["new"] = {"new OUT.kel", Utf8(Tr("Tool", "write a new, empty project")), CmdNew};
    verbs["dump"] = {"dump FILE", Utf8(Tr("Tool", "a .kel, .hdr or .zty file as JSON")), CmdDump};
    verbs["resave"] = {"resave IN.kel OUT.kel",
        Utf8(Tr("Tool", "open a project and save it again")), CmdResave};
}

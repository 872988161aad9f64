// The picture verbs: what a bitmap file says, and a picture of any kind added to a project.
#include "app/tool.h"
#include "model/bitmap.h"
#include "model/dib.h"
#include "model/movie.h"
#include "model/picture.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/translate.h"

#include <cstdio>
#include <cstring>

using platform::Fill;
using platform::Tr;

namespace {

int CmdBmpInfo(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return -1;
    const std::string& path = args[0];
    std::vector<uint8_t> file;
    if (!platform::ReadWholeFile(path, file)) {
        PrintLine(Fill(Tr("Tool", "%1: cannot be read"), {path}));
        return 1;
    }
    if (file.size() < 14 || file[0] != 'B' || file[1] != 'M') {
        PrintLine(Fill(Tr("Tool", "%1: not a bitmap file"), {path}));
        return 1;
    }
    std::vector<uint8_t> block(file.begin() + 14, file.end());
    uint32_t bitsAt = 0;
    std::memcpy(&bitsAt, file.data() + 10, 4);
    DibInfo info;
    std::string error;
    bool parsed = ParseDib(block, -1, true, info, error);
    std::printf("file: %s\n", platform::FileNameOf(path).c_str());
    std::printf("size: %zu\n", file.size());
    std::printf("bits offset: %u\n", bitsAt);
    if (parsed) {
        std::printf("header: %d\n", info.nHeaderSize);
        std::printf("width: %d\n", info.nWidth);
        std::printf("height: %d\n", info.nHeight);
        std::printf("rows: %s\n", info.bTopDown ? "top-down" : "bottom-up");
        std::printf("bits per pixel: %d\n", info.nBitCount);
        std::printf("compression: %u\n", info.nCompression);
        std::printf("colours: %d\n", info.nColors);
        if (info.nBitCount == 16 || info.nBitCount == 32)
            std::printf("masks: %08X %08X %08X\n", info.masks[0], info.masks[1], info.masks[2]);
    }
    CHBitmap bitmap;
    CFailureLine failure(path);
    if (!bitmap.LoadFromFile(path)) {
        std::printf("decodes: no\n");
        return failure.Fail();
    }
    std::printf("decodes: yes\n");
    return 0;
}

// "X,Y", each a whole number (the stage's pixels; a picture may stand partly off the stage).
bool ParsePoint(const std::string& text, CPoint& pt)
{
    int x = 0;
    int y = 0;
    char comma = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &x, &comma, &y, &extra) != 3 || comma != ',')
        return false;
    pt = {x, y};
    return true;
}

// add-picture FILE.kel PICTURE (--background fill|fit | [--at X,Y] [--frame F]) OUT.kel: the
// picture becomes the first stage's background, or its topmost object with its top left
// corner at X,Y (centred on the stage by default), cut to the frame; the project is written as
// OUT.kel.
int CmdAddPicture(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string background;
    std::string at;
    std::string frameName;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string* value = args[i] == "--background" ? &background
            : args[i] == "--at"                        ? &at
            : args[i] == "--frame"                     ? &frameName
                                                       : nullptr;
        if (value != nullptr) {
            if (i + 1 == args.size() || !value->empty() || args[i + 1].empty())
                return -1;
            *value = args[++i];
        } else if (args[i].starts_with("--")) {
            return -1;
        } else {
            files.push_back(args[i]);
        }
    }
    EBackgroundFit fit = EBackgroundFit::fill;
    EPictureFrame frame = EPictureFrame::none;
    CPoint ptAt;
    if (files.size() != 3 || (!background.empty() && (!at.empty() || !frameName.empty()))
        || (!background.empty() && !BackgroundFitByName(background, fit))
        || (!frameName.empty() && !FrameByName(frameName, frame))
        || (!at.empty() && !ParsePoint(at, ptAt)))
        return -1;
    const std::string& in = files[0];
    const std::string& picture = files[1];
    const std::string& out = files[2];

    // Read from its bytes: the project itself is never written unless it is also OUT.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectOrSay(in);
    if (!movie)
        return 1;
    CStage* stage = movie->GetFirstStage();
    if (stage == nullptr) {
        PrintLine(Fill(Tr("Tool", "%1: the project has no stage"), {in}));
        return 1;
    }
    EnsureGuiApplication(); // the frames are painted
    {
        CFailureLine failure(picture);
        if (!background.empty()) {
            const COLORREF colour
                = stage->m_pBackground ? stage->m_pBackground->m_crColor : 0xFFFFFF;
            auto holder = ReadBackgroundPicture(picture, fit, colour);
            if (!holder)
                return failure.Fail();
            SetBackgroundPicture(*stage, std::move(holder));
        } else {
            std::unique_ptr<CHBitmap> bitmap = ReadPictureBitmap(picture);
            if (!bitmap || !SetPictureFrame(*bitmap, frame))
                return failure.Fail();
            if (at.empty())
                ptAt = {(kPictureStageSize.width() - bitmap->GetWidth()) / 2,
                    (kPictureStageSize.height() - bitmap->GetHeight()) / 2};
            if (!AddPictureObject(*stage, std::move(bitmap), ptAt, platform::FileNameOf(picture)))
                return failure.Fail();
        }
    }
    CFailureLine failure(out);
    if (!SaveProject(*movie, out))
        return failure.Fail();
    std::printf("%s\n", out.c_str());
    return 0;
}

} // namespace

void AddPictureVerbs(VerbTable& verbs)
{
    verbs["bmp-info"] = {"bmp-info FILE.bmp",
        Tr("Tool", "what a bitmap file's header says and whether it decodes"), CmdBmpInfo};
    verbs["add-picture"] = {"add-picture FILE.kel PICTURE (--background fill|fit | [--at X,Y] "
                            "[--frame rounded|circle|heart|star]) OUT.kel",
        Tr("Tool",
            "the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the "
            "background or as a new object, centred unless placed, in a frame if asked"),
        CmdAddPicture};
}

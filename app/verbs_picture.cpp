// The picture verbs: what a bitmap file says.
#include "app/tool.h"
#include "model/bitmap.h"
#include "model/dib.h"
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

} // namespace

void AddPictureVerbs(VerbTable& verbs)
{
    verbs["bmp-info"] = {"bmp-info FILE.bmp",
        Tr("Tool", "what a bitmap file's header says and whether it decodes"), CmdBmpInfo};
}

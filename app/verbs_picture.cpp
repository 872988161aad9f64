// The picture verbs: the still picture of a project and what a bitmap file says.
#include "app/tool.h"
#include "model/bitmap.h"
#include "model/dib.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/files.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Fonts need the application object; the tool never opens a window.
void EnsureGuiApplication()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "vimble-tool";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// The still picture: each stage's background, then every object from the bottom to the top
// at its design position and size.
QImage StillPicture(CAbstractMovie& movie)
{
    CDC frame(800, 600), work(800, 600), mask(800, 600, true);
    if (movie.GetStages()) {
        for (CStage* stage : *movie.GetStages()) {
            const CRect rc = movie.m_rcStage;
            if (stage->m_pBackground)
                stage->m_pBackground->Draw(frame, rc);
            if (stage->m_pBackgroundBMP)
                stage->m_pBackgroundBMP->Draw(frame, rc);
            if (!stage->GetLayers())
                continue;
            const CLayerList& layers = *stage->GetLayers();
            for (auto it = layers.end(); it != layers.begin();) {
                const CLayer* layer = *--it;
                if (!layer->m_pDrawing || !layer->m_pPos || !layer->m_pSize)
                    continue;
                const CPoint pt = layer->m_pPos->m_ptHome;
                const CSize sz = layer->m_pSize->m_szDesign;
                layer->m_pDrawing->Draw(frame, {pt.x, pt.y, pt.x + sz.cx, pt.y + sz.cy}, &work, &mask);
            }
        }
    }
    return frame.Image().copy();
}

int CmdRender(const std::vector<std::string>& args)
{
    if (args.size() != 3 || args[1] != "--still")
        return -1;
    const std::string& path = args[0];
    const std::string& out = args[2];
    EnsureGuiApplication();
    std::unique_ptr<CAbstractMovie> movie;
    {
        CFailureLine failure(path);
        if (!OpenProject(path, movie))
            return failure.Fail();
        RestoreProject(path);
    }
    QImage picture = StillPicture(*movie);
    if (!picture.save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
        return 1;
    }
    return 0;
}

int CmdBmpInfo(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return -1;
    const std::string& path = args[0];
    std::vector<uint8_t> file;
    if (!platform::ReadWholeFile(path, file)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return 1;
    }
    if (file.size() < 14 || file[0] != 'B' || file[1] != 'M') {
        std::fprintf(stderr, "%s: not a bitmap file\n", path.c_str());
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
    verbs["render"] = {"render FILE.kel --still OUT.png", "the still picture of a project", CmdRender};
    verbs["bmp-info"] = {"bmp-info FILE.bmp", "what a bitmap file's header says and whether it decodes",
                         CmdBmpInfo};
}

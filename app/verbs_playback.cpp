// The playback verbs: frames of continuous play as pictures, and where every object is in
// every frame.
#include "app/tool.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

std::unique_ptr<CProjectDoc> OpenForPlayback(const std::string& path)
{
    EnsureGuiApplication();
    CFailureLine failure(path);
    // Read from its bytes: the verbs that play a project make nothing beside it and never
    // write it.
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(path);
    if (!movie) {
        failure.Fail();
        return nullptr;
    }
    movie->m_rcStage = {0, 0, 800, 600};
    auto doc = std::make_unique<CProjectDoc>(std::move(movie));
    if (!doc->CreateBuffers()) {
        failure.Fail();
        return nullptr;
    }
    return doc;
}

using platform::Fill;
using platform::Tr;

namespace {

int CmdRender(const std::vector<std::string>& args)
{
    if (args.empty())
        return -1;
    const std::string& path = args[0];
    std::string still, out, range, scale, fit;
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--still")
            still = args[i + 1];
        else if (args[i] == "--frames")
            range = args[i + 1];
        else if (args[i] == "--out")
            out = args[i + 1];
        else if (args[i] == "--scale")
            scale = args[i + 1];
        else if (args[i] == "--fit")
            fit = args[i + 1];
        else
            return -1;
    }
    if (args.size() % 2 != 1 || still.empty() == (range.empty() || out.empty()))
        return -1;
    int first = 0, last = 0, width = 800, height = 600;
    if (!still.empty() ? !range.empty() : !ParseRange(range, first, last))
        return -1;
    if (!scale.empty() && !ParseSize(scale, width, height, 8000, 6000))
        return -1;
    if (!fit.empty()) {
        // The largest picture of the stage's proportions inside a square of N pixels: what a
        // file manager asks of a thumbnailer.
        char rest = 0;
        int side = 0;
        if (!scale.empty() || std::sscanf(fit.c_str(), "%d%c", &side, &rest) != 1 || side < 4
            || side > 8000)
            return -1;
        width = side;
        height = std::max(1, side * 3 / 4);
    }

    auto doc = OpenForPlayback(path);
    if (!doc)
        return 1;
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    CDC target(&picture);
    const CRect rc{0, 0, width, height};
    auto save = [&](const std::string& file) {
        if (!picture.save(QString::fromStdString(file), "PNG")) {
            PrintLine(Fill(Tr("Tool", "%1: cannot be written"), {file}));
            return false;
        }
        return true;
    };
    if (!still.empty()) {
        doc->RenderStill(target, rc);
        return save(still) ? 0 : 1;
    }
    // Continuous play from a rewind: the first tick plays frame 0.
    doc->GetMovie()->Rewind();
    for (int frame = 0; frame <= last; ++frame) {
        doc->RenderTick(target, rc);
        if (frame < first)
            continue;
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04d.png", frame);
        std::string file = platform::JoinPath(out, name);
        if (!save(file))
            return 1;
        std::printf("%s\n", file.c_str());
    }
    return 0;
}

int CmdTrace(const std::vector<std::string>& args)
{
    int frames = 0;
    if (args.size() != 3 || args[1] != "--frames" || std::sscanf(args[2].c_str(), "%d", &frames) != 1
        || frames < 0)
        return -1;
    auto doc = OpenForPlayback(args[0]);
    if (!doc)
        return 1;
    CAbstractMovie& movie = *doc->GetMovie();
    movie.Rewind();
    std::printf("frame,object,effect,x,y,w,h\n");
    for (int i = 0; i < frames; ++i) {
        movie.Tick();
        const int played = movie.GetCurrentFrame() - 1;
        CStage* stage = movie.GetFirstStage();
        if (stage == nullptr || !stage->GetLayers())
            continue;
        int index = 0;
        for (const CLayer* layer : *stage->GetLayers()) {
            int drawnBy = -1, k = 0;
            if (layer->m_pEffects)
                for (const CEffect* effect : *layer->m_pEffects) {
                    if (effect->m_bDrawn) {
                        drawnBy = k;
                        break;
                    }
                    ++k;
                }
            const CPoint pt = layer->m_pPos ? layer->m_pPos->m_ptCurrent : CPoint{};
            const CSize sz = layer->m_pSize ? layer->m_pSize->m_szCurrent : CSize{};
            std::printf("%d,%d,%d,%d,%d,%d,%d\n", played, index, drawnBy, pt.x, pt.y, sz.cx, sz.cy);
            ++index;
        }
    }
    return 0;
}

} // namespace

void AddPlaybackVerbs(VerbTable& verbs)
{
    verbs["render"] = {"render FILE.kel --still OUT.png | --frames A-B --out DIR"
                       " [--scale WxH | --fit N]",
                       Tr("Tool",
                           "the still picture, or frames of continuous play from a rewind"),
                       CmdRender};
    verbs["trace"] = {"trace FILE.kel --frames N",
                      Tr("Tool",
                          "CSV of every object's drawing effect, position and size, frame by "
                          "frame"),
                      CmdTrace};
}

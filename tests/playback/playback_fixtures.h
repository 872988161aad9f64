// Projects built byte by byte from the file format, for playing back.
#pragma once

#include "model/movie.h"
#include "model/projectfile.h"
#include "playback/projectdoc.h"
#include "tests/model/fixtures.h"

#include <memory>
#include <vector>

namespace playtest {

struct EffectSpec {
    int32_t type;
    float p1, p2, p3;
    int32_t start;
    int32_t duration;
    int32_t offScreen = 0;
};

struct LayerSpec {
    int32_t x, y, cx, cy;
    std::vector<EffectSpec> effects; // none: the layer has no effect list at all
};

// The archive of a movie whose one stage holds the layers (the first is the topmost), each a
// drawn rectangle.
inline std::vector<uint8_t> MovieArchive(const std::vector<LayerSpec>& layers, int32_t frameCount)
{
    fixtures::CBytes b;
    int32_t id = 100;
    b.I32(frameCount).U8(1).I32(0).I32(0).I32(800).I32(600).I32(id++).I32(1);
    b.I32(id++).I32(-1).I32(1).I32(0).Text("").I32(0).I32(1).I32(0).I32(1).U8(0);
    b.U8(1).U8(0).U8(0).U8(1);
    b.I32(id++).U32(0xFFFFFF).I32(0).I32(0).I32(0).I32(0).I32(0);
    b.I32(static_cast<int32_t>(layers.size()));
    for (const LayerSpec& layer : layers) {
        const bool effects = !layer.effects.empty();
        b.I32(id++).U8(1).U8(1).U8(effects ? 1 : 0).U8(0).U8(1);
        b.I32(id++).I32(layer.x).I32(layer.y);
        b.I32(id++).I32(layer.cx).I32(layer.cy);
        b.I32(id++).Text("box").U8(1).U8(3).I32(0);
        b.U32(6).I32(1).I32(1).U32(0).U32(0).U32(0x0000FF).U32(0).I32(1).I32(1);
        b.U16(0).I32(16).I32(16);
        if (effects) {
            b.I32(id++).I32(static_cast<int32_t>(layer.effects.size()));
            for (const EffectSpec& e : layer.effects)
                b.I32(e.offScreen).I32(e.duration).I32(e.type).Text("e").I32(e.duration).I32(-1).I32(0)
                    .I32(e.start).F32(e.p1).F32(e.p2).F32(e.p3);
        }
    }
    return b.Bytes();
}

// A project ready to play: read from the archive, with its buffers.
inline std::unique_ptr<CProjectDoc> Playable(const std::vector<LayerSpec>& layers, int32_t frameCount)
{
    auto movie = LoadMovie(MovieArchive(layers, frameCount), "test.kel");
    if (!movie)
        return nullptr;
    movie->m_rcStage = {0, 0, 800, 600};
    auto doc = std::make_unique<CProjectDoc>(std::move(movie));
    doc->CreateBuffers();
    return doc;
}

inline CLayer* LayerAt(CProjectDoc& doc, int index)
{
    return doc.GetMovie()->GetFirstStage()->GetLayers()->GetAt(index);
}

} // namespace playtest

#include "platform/scale.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// The taps of one axis: for each output pixel the first source pixel and the weights of the
// consecutive source pixels it covers, in 256ths that add up to 256 exactly.
struct Taps {
    std::vector<int> first;
    std::vector<int> offset; // into weights; offset[j + 1] - offset[j] taps for output j
    std::vector<uint16_t> weights;
};

Taps MakeTaps(int nSrc, int nDst)
{
    Taps taps;
    taps.first.resize(static_cast<size_t>(nDst));
    taps.offset.resize(static_cast<size_t>(nDst) + 1);
    // In units of 1 / nDst of a source pixel: output j covers [j * nSrc, (j + 1) * nSrc), source
    // pixel i covers [i * nDst, (i + 1) * nDst). All integer, so the weights are exact up to the
    // rounding of their running sum.
    const int64_t src = nSrc, dst = nDst;
    for (int64_t j = 0; j < dst; ++j) {
        const int64_t a = j * src, b = (j + 1) * src;
        int64_t i = a / dst;
        const int64_t iEnd = (b + dst - 1) / dst;
        int64_t covered = 0;
        int done = 0;
        bool bStarted = false;
        taps.offset[static_cast<size_t>(j)] = static_cast<int>(taps.weights.size());
        for (; i < iEnd; ++i) {
            const int64_t overlap = std::min(b, (i + 1) * dst) - std::max(a, i * dst);
            covered += overlap;
            const int upTo = static_cast<int>((256 * covered + src / 2) / src);
            const int w = upTo - done;
            done = upTo;
            if (w == 0 && !bStarted)
                continue;
            if (!bStarted) {
                taps.first[static_cast<size_t>(j)] = static_cast<int>(i);
                bStarted = true;
            }
            taps.weights.push_back(static_cast<uint16_t>(w));
        }
        // Trailing taps that rounded to nothing are dropped.
        while (taps.weights.size() > static_cast<size_t>(taps.offset[static_cast<size_t>(j)]) + 1
            && taps.weights.back() == 0)
            taps.weights.pop_back();
    }
    taps.offset[static_cast<size_t>(dst)] = static_cast<int>(taps.weights.size());
    return taps;
}

// The taps of one axis laid out for the pass along x: the same number for every output pixel
// (the most any one needs), padded with zero weights and kept inside the source row, so the
// inner loop has a fixed length and no branch to mispredict.
struct FixedTaps {
    int nTaps = 0;
    std::vector<int> first;
    std::vector<uint16_t> weights; // nTaps per output pixel
};

FixedTaps MakeFixedTaps(int nSrc, int nDst, int nMinTaps = 1)
{
    const Taps taps = MakeTaps(nSrc, nDst);
    FixedTaps fixed;
    fixed.nTaps = nMinTaps;
    for (int j = 0; j < nDst; ++j)
        fixed.nTaps = std::max(fixed.nTaps,
            taps.offset[static_cast<size_t>(j) + 1] - taps.offset[static_cast<size_t>(j)]);
    fixed.nTaps = std::min(fixed.nTaps, nSrc);
    fixed.first.resize(static_cast<size_t>(nDst));
    fixed.weights.assign(static_cast<size_t>(nDst) * static_cast<size_t>(fixed.nTaps), 0);
    for (int j = 0; j < nDst; ++j) {
        const size_t jj = static_cast<size_t>(j);
        const int n = taps.offset[jj + 1] - taps.offset[jj];
        // Near the right edge the window starts earlier; its first weights are then zero.
        const int first = std::min(taps.first[jj], nSrc - fixed.nTaps);
        const int shift = taps.first[jj] - first;
        fixed.first[jj] = first;
        for (int k = 0; k < n; ++k)
            fixed.weights[jj * static_cast<size_t>(fixed.nTaps) + static_cast<size_t>(shift + k)]
                = taps.weights[static_cast<size_t>(taps.offset[jj] + k)];
    }
    return fixed;
}

// One row along x. Two channels go through each multiply, 16 bits apart: a channel (at most
// 255) times weights that add up to 256 stays below 65536, so no lane spills into the next.
template <int N>
void ScaleRowFixed(uint32_t* out, const uint32_t* in, const FixedTaps& taps, int nDst)
{
    const int* first = taps.first.data();
    const uint16_t* w = taps.weights.data();
    for (int j = 0; j < nDst; ++j, w += N) {
        const uint32_t* p = in + first[j];
        uint32_t rb = 0, ag = 0;
#pragma GCC unroll 8
        for (int k = 0; k < N; ++k) {
            rb += (p[k] & 0x00FF00FFu) * w[k];
            ag += ((p[k] >> 8) & 0x00FF00FFu) * w[k];
        }
        out[j] = (((rb + 0x00800080u) >> 8) & 0x00FF00FFu) | ((ag + 0x00800080u) & 0xFF00FF00u);
    }
}

#if defined(__SSE2__)
// The pass along x four taps at a time: four source pixels are widened to 16 bits a channel,
// weighted, summed and narrowed again, four output pixels to a store. The weights are kept
// spread out, each repeated for the four channels of its pixel.
struct SpreadWeights {
    std::vector<uint16_t> w; // 16 a pixel: taps 0 and 1, then taps 2 and 3
};

SpreadWeights Spread(const FixedTaps& taps)
{
    SpreadWeights spread;
    const size_t n = taps.first.size();
    spread.w.resize(n * 16);
    for (size_t j = 0; j < n; ++j)
        for (size_t k = 0; k < 16; ++k)
            spread.w[j * 16 + k] = taps.weights[j * 4 + k / 4];
    return spread;
}

// The weighted sum of the four pixels at p, in the low 64 bits (16 bits a channel).
inline __m128i Weighted4(const uint32_t* p, const uint16_t* w)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i w01 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w));
    const __m128i w23 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + 8));
    const __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(px, zero), w01);
    const __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(px, zero), w23);
    const __m128i sum = _mm_add_epi16(lo, hi);
    return _mm_add_epi16(sum, _mm_srli_si128(sum, 8));
}

void ScaleRow4(
    uint32_t* out, const uint32_t* in, const FixedTaps& taps, const SpreadWeights& spread, int nDst)
{
    const int* first = taps.first.data();
    const uint16_t* w = spread.w.data();
    const __m128i half = _mm_set1_epi16(128);
    int j = 0;
    for (; j + 4 <= nDst; j += 4) {
        const __m128i a = Weighted4(in + first[j], w + j * 16);
        const __m128i b = Weighted4(in + first[j + 1], w + j * 16 + 16);
        const __m128i c = Weighted4(in + first[j + 2], w + j * 16 + 32);
        const __m128i d = Weighted4(in + first[j + 3], w + j * 16 + 48);
        const __m128i ab = _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(a, b), half), 8);
        const __m128i cd = _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(c, d), half), 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j), _mm_packus_epi16(ab, cd));
    }
    for (; j < nDst; ++j) {
        const __m128i a
            = _mm_srli_epi16(_mm_add_epi16(Weighted4(in + first[j], w + j * 16), half), 8);
        out[j] = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(a, a)));
    }
}
#endif

void ScaleRowAny(uint32_t* out, const uint32_t* in, const FixedTaps& taps, int nDst)
{
    const int n = taps.nTaps;
    const int* first = taps.first.data();
    const uint16_t* w = taps.weights.data();
    for (int j = 0; j < nDst; ++j, w += n) {
        const uint32_t* p = in + first[j];
        uint32_t rb = 0, ag = 0;
        for (int k = 0; k < n; ++k) {
            rb += (p[k] & 0x00FF00FFu) * w[k];
            ag += ((p[k] >> 8) & 0x00FF00FFu) * w[k];
        }
        out[j] = (((rb + 0x00800080u) >> 8) & 0x00FF00FFu) | ((ag + 0x00800080u) & 0xFF00FF00u);
    }
}

// One row along y, byte by byte (each byte a channel), in a form the compiler turns into
// vector code. rows[k] are the source rows of the taps.
void BlendRows(
    uint8_t* out, const uint8_t* const* rows, const uint16_t* w, int n, int nBytes, uint16_t* acc)
{
    if (n == 1) {
        std::memcpy(out, rows[0], static_cast<size_t>(nBytes));
        return;
    }
    {
        const uint8_t* row = rows[0];
        const uint16_t wk = w[0];
        for (int b = 0; b < nBytes; ++b)
            acc[b] = static_cast<uint16_t>(row[b] * wk);
    }
    for (int k = 1; k < n; ++k) {
        const uint8_t* row = rows[k];
        const uint16_t wk = w[k];
        for (int b = 0; b < nBytes; ++b)
            acc[b] = static_cast<uint16_t>(acc[b] + row[b] * wk);
    }
    for (int b = 0; b < nBytes; ++b)
        out[b] = static_cast<uint8_t>((acc[b] + 128) >> 8);
}

// The pass along x for one row, made ready once for a pair of widths.
class CRowScaler {
public:
    CRowScaler(int srcWidth, int dstWidth)
        : m_nSrc(srcWidth)
        , m_nDst(dstWidth)
    {
        if (srcWidth == dstWidth)
            return;
#if defined(__SSE2__)
        if (srcWidth >= 4) {
            m_taps = MakeFixedTaps(srcWidth, dstWidth, 4);
            if (m_taps.nTaps == 4) {
                m_spread = Spread(m_taps);
                m_bFour = true;
                return;
            }
        }
#endif
        m_taps = MakeFixedTaps(srcWidth, dstWidth);
        switch (m_taps.nTaps) {
        case 1:
            m_scaleRow = &ScaleRowFixed<1>;
            break;
        case 2:
            m_scaleRow = &ScaleRowFixed<2>;
            break;
        case 3:
            m_scaleRow = &ScaleRowFixed<3>;
            break;
        case 4:
            m_scaleRow = &ScaleRowFixed<4>;
            break;
        default:
            m_scaleRow = &ScaleRowAny;
            break;
        }
    }

    void Row(uint32_t* out, const uint32_t* in) const
    {
        if (m_nSrc == m_nDst) {
            std::memcpy(out, in, static_cast<size_t>(m_nDst) * 4);
            return;
        }
#if defined(__SSE2__)
        if (m_bFour) {
            ScaleRow4(out, in, m_taps, m_spread, m_nDst);
            return;
        }
#endif
        m_scaleRow(out, in, m_taps, m_nDst);
    }

private:
    int m_nSrc;
    int m_nDst;
    FixedTaps m_taps;
#if defined(__SSE2__)
    SpreadWeights m_spread;
    bool m_bFour = false;
#endif
    void (*m_scaleRow)(uint32_t*, const uint32_t*, const FixedTaps&, int) = nullptr;
};

} // namespace

namespace {

// Output rows [y0, y1) of one scaling: each row is made from the source alone, so parts of
// the picture can be made at the same time.
void ScaleRows(const QImage& src, QImage& out, const CRowScaler& alongX, const Taps& alongY,
    int nMostTaps, int y0, int y1)
{
    const int sw = src.width(), sh = src.height();
    const int dw = out.width(), dh = out.height();
    auto srcRow = [&src](int y) { return reinterpret_cast<const uint8_t*>(src.constScanLine(y)); };
    // scanLine of a const reference: no detach, the rows of each part are its own.
    auto outRow = [&out](int y) {
        return reinterpret_cast<uint32_t*>(const_cast<uchar*>(std::as_const(out).constScanLine(y)));
    };
    // Row by row, so what is in between stays in the cache: the pass along x, the dearer one,
    // runs on the shorter of the two heights.
    thread_local std::vector<uint32_t> between;
    thread_local std::vector<uint16_t> acc;
    std::vector<const uint8_t*> rows(static_cast<size_t>(nMostTaps));
    if (dh <= sh) {
        // Shrinking in height: the source rows under an output row are blended, then the
        // blend is scaled along x.
        between.resize(static_cast<size_t>(sw));
        acc.resize(static_cast<size_t>(sw) * 4);
        for (int y = y0; y < y1; ++y) {
            const int begin = alongY.offset[static_cast<size_t>(y)];
            const int n = alongY.offset[static_cast<size_t>(y) + 1] - begin;
            const int first = alongY.first[static_cast<size_t>(y)];
            const uint32_t* blended = reinterpret_cast<const uint32_t*>(srcRow(first));
            if (n > 1) {
                for (int k = 0; k < n; ++k)
                    rows[static_cast<size_t>(k)] = srcRow(first + k);
                BlendRows(reinterpret_cast<uint8_t*>(between.data()), rows.data(),
                    alongY.weights.data() + begin, n, sw * 4, acc.data());
                blended = between.data();
            }
            alongX.Row(outRow(y), blended);
        }
        return;
    }
    // Growing in height: each source row is scaled along x once and kept while the output
    // rows that blend it are made; they ask for the rows in order, so a ring of as many rows as
    // the most taps holds every one still wanted.
    const auto ring = static_cast<size_t>(nMostTaps);
    between.resize(ring * static_cast<size_t>(dw));
    acc.resize(static_cast<size_t>(dw) * 4);
    std::vector<int> held(ring, -1);
    for (int y = y0; y < y1; ++y) {
        const int begin = alongY.offset[static_cast<size_t>(y)];
        const int n = alongY.offset[static_cast<size_t>(y) + 1] - begin;
        const int first = alongY.first[static_cast<size_t>(y)];
        for (int k = 0; k < n; ++k) {
            const int sy = first + k;
            const size_t slot = static_cast<size_t>(sy) % ring;
            uint32_t* scaled = between.data() + slot * static_cast<size_t>(dw);
            if (held[slot] != sy) {
                alongX.Row(scaled, reinterpret_cast<const uint32_t*>(srcRow(sy)));
                held[slot] = sy;
            }
            rows[static_cast<size_t>(k)] = reinterpret_cast<const uint8_t*>(scaled);
        }
        BlendRows(reinterpret_cast<uint8_t*>(outRow(y)), rows.data(), alongY.weights.data() + begin,
            n, dw * 4, acc.data());
    }
}

// Threads kept for the parts of large pictures, started when the first one comes: each waits
// for a part, makes it and says so. The caller makes parts too, and waits for the rest. Only
// one caller hands out parts at a time; another one meanwhile makes its picture alone.
class CPartWorkers {
public:
    static CPartWorkers& Instance()
    {
        // Never destroyed: its threads wait for work until the process ends.
        static CPartWorkers* workers = new CPartWorkers(
            static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)) - 1);
        return *workers;
    }

    int Count() const { return static_cast<int>(m_threads.size()); }

    // work(part) for every part in [0, nParts), on the workers and the caller; returns when
    // all are made.
    void Run(int nParts, const std::function<void(int)>& work)
    {
        std::unique_lock<std::mutex> running(m_running, std::try_to_lock);
        if (!running.owns_lock() || m_threads.empty()) {
            for (int part = 0; part < nParts; ++part)
                work(part);
            return;
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_pWork = &work;
        m_nNext = 0;
        m_nParts = nParts;
        m_nPending = nParts;
        m_wake.notify_all();
        while (m_nNext < m_nParts)
            MakeOne(lock);
        m_done.wait(lock, [this] { return m_nPending == 0; });
        m_pWork = nullptr;
    }

private:
    explicit CPartWorkers(int nThreads)
    {
        for (int i = 0; i < nThreads; ++i) {
            try {
                m_threads.emplace_back([this] { Loop(); });
            } catch (const std::system_error&) {
                break; // fewer helpers; the caller makes the rest
            }
        }
    }

    // Takes the next part and makes it with the lock let go; the lock is held again after.
    void MakeOne(std::unique_lock<std::mutex>& lock)
    {
        const int part = m_nNext++;
        const std::function<void(int)>& work = *m_pWork;
        lock.unlock();
        work(part);
        lock.lock();
        if (--m_nPending == 0)
            m_done.notify_all();
    }

    void Loop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_nNext < m_nParts; });
            MakeOne(lock);
        }
    }

    std::mutex m_running;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::function<void(int)>* m_pWork = nullptr;
    int m_nNext = 0;
    int m_nParts = 0;
    int m_nPending = 0;
    std::vector<std::thread> m_threads;
};

// Below this many output pixels one thread is quicker than handing parts out.
constexpr int kPartsFrom = 400000;

} // namespace

void ScaleSmooth(const QImage& source, QImage& out)
{
    if (source.isNull() || out.isNull())
        return;
    QImage converted;
    const QImage* src = &source;
    QImage::Format format = source.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied) {
        format
            = source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        converted = source.convertToFormat(format);
        src = &converted;
    }
    if (out.format() != format) {
        const qreal ratio = out.devicePixelRatio();
        out = QImage(out.size(), format);
        out.setDevicePixelRatio(ratio);
    }
    // The picture's own bytes, detached once here, before any part writes its rows.
    out.bits();
    const int sw = src->width(), sh = src->height();
    const int dw = out.width(), dh = out.height();
    const CRowScaler alongX(sw, dw);
    const Taps alongY = MakeTaps(sh, dh);
    int nMostTaps = 1;
    for (int y = 0; y < dh; ++y)
        nMostTaps = std::max(nMostTaps,
            alongY.offset[static_cast<size_t>(y) + 1] - alongY.offset[static_cast<size_t>(y)]);
    // Large pictures in parts of whole rows, one more than there are workers.
    const bool bLarge = static_cast<int64_t>(dw) * dh >= kPartsFrom && dh >= 8;
    const int nParts = bLarge ? CPartWorkers::Instance().Count() + 1 : 1;
    if (nParts == 1) {
        ScaleRows(*src, out, alongX, alongY, nMostTaps, 0, dh);
        return;
    }
    CPartWorkers::Instance().Run(nParts, [&](int part) {
        ScaleRows(*src, out, alongX, alongY, nMostTaps, dh * part / nParts,
            dh * (part + 1) / nParts);
    });
}

QImage ScaledSmooth(const QImage& src, QSize size, qreal ratio)
{
    if (src.isNull() || size.isEmpty())
        return {};
    QImage out(
        size, src.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (src.format() == QImage::Format_ARGB32)
        out = QImage(size, QImage::Format_ARGB32);
    out.setDevicePixelRatio(ratio);
    ScaleSmooth(src, out);
    return out;
}

QSize DeviceSize(QSize logical, qreal ratio)
{
    return { std::max(1, qRound(logical.width() * ratio)),
        std::max(1, qRound(logical.height() * ratio)) };
}

} // namespace platform

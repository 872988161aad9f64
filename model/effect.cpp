#include "model/effect.h"

#include "model/archive.h"
#include "model/listio.h"
#include "model/movie.h"

#include <atomic>
#include <cmath>

void CEffect::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "an effect");
    ar.Int(m_bOffScreenAfter);
    ar.Int(m_nDuration);
    ar.Int(m_nType);
    ar.Text(m_strName);
    ar.Int(m_nDefaultDuration);
    ar.Int(m_nReserved);
    ar.Int(m_nUserValue);
    ar.Int(m_nStartFrame);
    ar.Real(m_fParam1);
    ar.Real(m_fParam2);
    ar.Real(m_fParam3);
}

void CEffectList::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "an effect list");
    ar.Int(m_nId);
    // An effect is ten 4-byte items and a text of at least its one-byte prefix.
    SerializeListElements(ar, *this, 41, QT_TRANSLATE_NOOP("Files", "effects"));
}

// ------------------------------------------------------------------------------- motion

namespace {

std::atomic<uint32_t> g_nRandomState{1};

// Real to pixel: truncation toward zero of a value formed in extended precision.
int32_t Trunc(long double v)
{
    if (!(v > -2147483648.0L && v < 2147483648.0L))
        return v > 0 ? INT32_MAX : INT32_MIN;
    return static_cast<int32_t>(v);
}

// The path position after step t-1 (t = step + 1) for a type of -1 to 31; false for other
// types, which leave the position alone.
bool PathPosition(CPoint o, int32_t type, int32_t t, float p1, float p2, float p3, CPoint home,
                  CPoint& out)
{
    const long double lt = t, f1 = p1, f2 = p2, f3 = p3;
    if (type == -1) {
        out = home;
    } else if (type >= 0 && type <= 6) {
        out = {o.x + Trunc(lt * f1), o.y};
    } else if (type >= 7 && type <= 13) {
        out = {o.x, o.y + Trunc(lt * f1)};
    } else if (type >= 14 && type <= 16) {
        const int32_t x = o.x + Trunc(lt * f1);
        out = {x, o.y + Trunc(sinl(static_cast<long double>(x)) * f2)};
    } else if (type >= 17 && type <= 19) {
        out = {o.x + Trunc(f1 * lt), o.y + Trunc(lt * lt * f2) + Trunc(f3 * lt)};
    } else if (type >= 20 && type <= 22) {
        const long double a = lt * f2;
        out = {o.x + Trunc(cosl(a) * f1), o.y + Trunc(sinl(a) * f1)};
    } else if (type >= 23 && type <= 25) {
        const long double a = lt * f3;
        out = {o.x + Trunc(cosl(a) * f1), o.y + Trunc(sinl(a) * f2)};
    } else if (type >= 26 && type <= 28) {
        const long double a = lt * f1;
        out = {o.x + Trunc(a * cosl(a)), o.y + Trunc(a * sinl(a))};
    } else if (type >= 29 && type <= 31) {
        const int r1 = NextRandom();
        const int r2 = NextRandom();
        out = {((32767 - r1) * 800) / 32767, ((32767 - r2) * 600) / 32767};
    } else {
        return false;
    }
    return true;
}

// The size mode of a type code: 0 none, 1 orbit pulse, 2 linear growth, 3 blink, 4 wave,
// 5 grow, 6 shrink; -1 for codes outside -1 to 31.
int SizeMode(int32_t type)
{
    if (type == -1)
        return 0;
    if (type >= 0 && type <= 13)
        return type % 7;
    if (type >= 14 && type <= 31)
        return (type - 14) % 3 == 0 ? 0 : (type - 14) % 3 == 1 ? 5 : 6;
    return -1;
}

CAbstractMovie* MovieOf(const CLayer* layer)
{
    return layer != nullptr && layer->GetStage() != nullptr ? layer->GetStage()->m_pMovie : nullptr;
}

} // namespace

int NextRandom()
{
    uint32_t state = g_nRandomState.load();
    uint32_t next;
    do
        next = state * 214013u + 2531011u;
    while (!g_nRandomState.compare_exchange_weak(state, next));
    return static_cast<int>((next >> 16) & 0x7FFF);
}

void ResetRandom()
{
    g_nRandomState = 1;
}

CPoint EndPosition(CPoint origin, int32_t type, int32_t lastStep, float p1, float p2, float p3)
{
    CPoint out = origin;
    if (type == -1 || !PathPosition(origin, type, lastStep + 1, p1, p2, p3, origin, out))
        return origin;
    return out;
}

int CEffect::UpdatePosition(int32_t frame)
{
    if (m_pOwner == nullptr || !m_pOwner->m_pPos)
        return 0;
    CObjectPos& pos = *m_pOwner->m_pPos;
    if (frame == -1) {
        pos.m_ptCurrent = pos.m_ptHome;
        return 1;
    }
    if (m_nStep < 0) {
        pos.m_ptCurrent = pos.m_ptOrigin;
        return 1;
    }
    PathPosition(pos.m_ptOrigin, m_nType, m_nStep + 1, m_fParam1, m_fParam2, m_fParam3, pos.m_ptHome,
                 pos.m_ptCurrent);
    return 1;
}

int CEffect::UpdateSize(int32_t frame)
{
    if (m_pOwner == nullptr || !m_pOwner->m_pSize)
        return 0;
    CObjectSize& size = *m_pOwner->m_pSize;
    const CSize design = size.m_szDesign;
    if (frame == -1 || m_nStep == -1) {
        size.m_szCurrent = design;
        return 1;
    }
    const int32_t s = m_nStep, d = m_nDuration;
    const int32_t r = Trunc(static_cast<long double>(m_fParam2));
    switch (SizeMode(m_nType)) {
    case 0: size.m_szCurrent = design; break;
    case 1: {
        const long double a = static_cast<long double>(s) * m_fParam3;
        size.m_szCurrent = {Trunc(design.cx + r * cosl(a)), Trunc(design.cy + r * sinl(a))};
        break;
    }
    case 2: {
        const int32_t grow = Trunc(static_cast<long double>(s) * m_fParam2);
        size.m_szCurrent = {design.cx + grow, design.cy + grow};
        break;
    }
    case 3: {
        const int32_t v = s % 2 == 0 ? 0 : 1;
        m_fParam3 = static_cast<float>(v);
        size.m_szCurrent = {design.cx + v * r, design.cy + v * r};
        break;
    }
    case 4: {
        static const int32_t factors[5] = {0, 1, 2, -1, -2};
        const int32_t k = factors[((s % 5) + 5) % 5];
        m_fParam3 = static_cast<float>(k);
        size.m_szCurrent = {design.cx + k * r, design.cy + k * r};
        break;
    }
    case 5:
        if (d != 0)
            size.m_szCurrent = {static_cast<int32_t>(static_cast<int64_t>(design.cx) * (s + 1) / d + 1),
                                static_cast<int32_t>(static_cast<int64_t>(design.cy) * (s + 1) / d + 1)};
        break;
    case 6:
        if (d != 0)
            size.m_szCurrent = {static_cast<int32_t>(static_cast<int64_t>(design.cx) * (d - s) / d + 1),
                                static_cast<int32_t>(static_cast<int64_t>(design.cy) * (d - s) / d + 1)};
        break;
    default: break;
    }
    return 1;
}

int CEffect::Apply(int32_t frame)
{
    return UpdatePosition(frame) == 1 && UpdateSize(frame) == 1 ? 1 : 0;
}

void CEffect::DrawOwner()
{
    CAbstractMovie* movie = MovieOf(m_pOwner);
    if (m_pOwner->m_pDrawing && movie != nullptr && movie->m_pDC != nullptr && m_pOwner->m_pPos
        && m_pOwner->m_pSize) {
        const CPoint pt = m_pOwner->m_pPos->m_ptCurrent;
        const CSize sz = m_pOwner->m_pSize->m_szCurrent;
        m_pOwner->m_pDrawing->Draw(*movie->m_pDC, {pt.x, pt.y, pt.x + sz.cx, pt.y + sz.cy},
                                   movie->m_pWorkDC, movie->m_pMaskDC);
    }
    m_bDrawn = 1;
}

int CEffect::StepForward(int32_t frame)
{
    const int32_t start = m_nStartFrame, duration = m_nDuration;
    m_bDrawn = 0;
    int result = 1;
    if (frame != -1 && frame < start)
        return 1;
    if (!m_bEntered) {
        if (m_bStarted)
            ++m_nStep;
        m_bEntered = 1;
    }
    bool draw = false;
    if (frame == -1 || (frame >= start && frame < start + duration)) {
        result = Apply(frame);
        draw = result == 1;
    }
    if (!draw && !(frame < start + duration) && m_bOffScreenAfter == 0)
        draw = true;
    if (draw) {
        DrawOwner();
        if (frame == -1)
            return result;
        const CAbstractMovie* movie = MovieOf(m_pOwner);
        // A repaint while paused is not time passing; a step while stopped is.
        if (movie == nullptr || !(movie->m_bPaused && !movie->m_bStopped))
            ++m_nStep;
    }
    if (m_nStep == duration && m_pOwner != nullptr && m_pOwner->m_pPos) {
        m_pOwner->m_pPos->m_ptOrigin = m_pOwner->m_pPos->m_ptCurrent;
        m_bStarted = 0;
        m_nStep = duration - 1;
    }
    return result;
}

int CEffect::StepBackward(int32_t frame)
{
    const int32_t start = m_nStartFrame, duration = m_nDuration;
    int result = 1;
    if (frame < start - 1) {
        m_bDrawn = 0;
        return 1;
    }
    if (frame < start + duration - 1 && m_bEntered) {
        m_bEntered = 0;
        if (m_bDrawn && m_bStarted)
            --m_nStep;
        if (!m_bStarted) {
            if (m_pOwner != nullptr && m_pOwner->m_pPos && m_pOwner->m_pEffects)
                m_pOwner->m_pPos->m_ptOrigin = m_pOwner->m_pEffects->StartPosition(this, m_pOwner->m_pPos->m_ptHome);
            m_bStarted = 1;
        }
    }
    m_bDrawn = 0;
    if (frame >= start - 1 && frame < start + duration - 1) {
        --m_nStep;
        result = Apply(frame);
        if (result == 1)
            DrawOwner();
    } else if (frame >= start + duration - 1 && m_bOffScreenAfter == 0) {
        DrawOwner();
    }
    if (m_nStep == -1 && m_pOwner != nullptr && m_pOwner->m_pPos)
        m_pOwner->m_pPos->m_ptOrigin = m_pOwner->m_pPos->m_ptCurrent;
    return result;
}

void CEffect::ResetEffect()
{
    m_nStep = 0;
    m_bStarted = 1;
    m_bEntered = 1;
}

void CEffect::GoToEnd()
{
    m_nStep = m_nDuration - 1;
    m_bStarted = 0;
}

int CEffect::Overlaps(const CEffect* other) const
{
    if (other == nullptr)
        return 0;
    auto inside = [](int64_t v, int64_t start, int64_t duration) {
        return v >= start && v < start + duration;
    };
    return inside(m_nStartFrame, other->m_nStartFrame, other->m_nDuration)
                   || inside(other->m_nStartFrame, m_nStartFrame, m_nDuration)
               ? 1
               : 0;
}

CPoint CEffectList::StartPosition(const CEffect* effect, CPoint home) const
{
    CPoint position = home;
    for (const CEffect* e : *this) {
        if (e == effect)
            break;
        position = EndPosition(position, e->m_nType, e->m_nDuration - 1, e->m_fParam1, e->m_fParam2,
                               e->m_fParam3);
    }
    return position;
}

int CEffectList::NoOverlaps() const
{
    for (const CEffect* a : *this)
        for (const CEffect* b : *this)
            if (a != b && a->Overlaps(b))
                return 0;
    return 1;
}

CEffect* NewDefaultEffect(int32_t nDuration)
{
    auto* effect = new CEffect;
    effect->m_strName = "Sans";
    effect->m_nType = -1;
    effect->m_fParam1 = effect->m_fParam2 = effect->m_fParam3 = 0.0f;
    effect->m_nStartFrame = 0;
    effect->m_nDuration = nDuration;
    effect->m_nDefaultDuration = nDuration;
    effect->m_bOffScreenAfter = 0;
    return effect;
}

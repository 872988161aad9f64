// CEffect: one movement effect of a placed object, and CEffectList, an object's effects in
// order of time. This is their data and stored form; how they move objects during playback
// lives with the playback code.
#pragma once

#include "model/object.h"
#include "platform/types.h"

#include <string>

class CLayer;

class CEffect : public CObject, public CRefCounted {
public:
    CEffect() = default;
    void Serialize(CArchive& ar) override;

    // The owner's current position and size for the current step; frame -1 (the still
    // picture) gives the design position and size. 0 when the owner has no position (or no
    // size) record; nothing is stored then.
    int UpdatePosition(int32_t frame);
    int UpdateSize(int32_t frame);
    // Position, then size; 1 only when both were stored.
    int Apply(int32_t frame);
    // One frame of playback forwards or backwards, drawing the owner when the effect is
    // responsible for it; m_bDrawn tells whether it drew. 0 when Apply failed.
    int StepForward(int32_t frame);
    int StepBackward(int32_t frame);
    void ResetEffect();
    void GoToEnd();
    void SetStep(int32_t n) { m_nStep = n; }
    // 1 when the two effects share a frame; 0 otherwise or without another.
    int Overlaps(const CEffect* other) const;

    int32_t m_nStep = 0;             // step inside the effect; run time only
    float m_fParam1 = 1.0f;
    float m_fParam2 = 1.0f;
    float m_fParam3 = 1.0f;          // size modes 3 and 4 leave their last factor here
    int32_t m_nDefaultDuration = -1; // the duration given when the effect was attached
    int32_t m_nUserValue = 0;
    int32_t m_nStartFrame = -1;      // first movie frame of the effect, 0-based
    int32_t m_nDuration = -1;        // frames the effect runs
    int32_t m_bOffScreenAfter = 1;   // 1: no longer drawn once its frames are over
    int32_t m_nReserved = -1;
    int32_t m_nType = -1;            // path family and size mode
    std::string m_strName;
    CLayer* m_pOwner = nullptr;      // not stored
    int32_t m_bDrawn = 0;            // drew its object in the current frame; run time only
    uint8_t m_bStarted = 1;          // the origin held by the object is valid for this effect
    uint8_t m_bEntered = 1;          // the last step was a forward step

protected:
    ~CEffect() override = default;

private:
    // Draws the owner at its current position and size into the movie's frame buffer.
    void DrawOwner();
};

// The position an effect of the given type and parameters reaches after its last step,
// starting from origin. Random types draw a fresh position.
CPoint EndPosition(CPoint origin, int32_t type, int32_t lastStep, float p1, float p2, float p3);

// The next number, 0 to 32767, of the program's one random generator (the classic linear
// congruential one, starting from state 1 and never reseeded).
int NextRandom();
// Puts the generator back to its starting state (for tests and for tools that replay).
void ResetRandom();

// An object's effects, head first. Holds one reference to each effect and an identity pair;
// every change of the list's effects renews the list's identity.
class CEffectList : public CObject, public CIdentity, public CTypedPtrList<CEffect> {
public:
    void Serialize(CArchive& ar) override;
    // Where the effect starts: home, moved through the end position of every effect before
    // it in the list (all of them when it is not in the list).
    CPoint StartPosition(const CEffect* effect, CPoint home) const;
    // 1 when no two effects of the list share a frame.
    int NoOverlaps() const;
    void RenewIds() { Renew(); }
};

// The default movement of a newly placed object: "Sans" (type -1), from frame 0, for nDuration
// frames (an animation's frame count, 1 otherwise), staying on screen.
CEffect* NewDefaultEffect(int32_t nDuration);

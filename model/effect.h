// CEffect: one movement effect of a placed object, and CEffectList, an object's effects in
// order of time. This is their data and stored form; how they move objects during playback
// lives with the playback code.
#pragma once

#include "model/object.h"

#include <string>

class CLayer;

class CEffect : public CObject, public CRefCounted {
public:
    CEffect() = default;
    void Serialize(CArchive& ar) override;

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
};

// An object's effects, head first. Holds one reference to each effect and an identity pair;
// every change of the list's effects renews the list's identity.
class CEffectList : public CObject, public CIdentity, public CTypedPtrList<CEffect> {
public:
    void Serialize(CArchive& ar) override;
};

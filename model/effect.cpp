#include "model/effect.h"

#include "model/archive.h"
#include "model/listio.h"

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
    SerializeListElements(ar, *this, 41, "effects");
}

// The 28 effect kinds a person can give an object: their names, type codes, path parameters,
// frames and the picture that shows each in the library browser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EffectKind {
    std::string m_strName;
    int32_t m_nType;
    float m_fParam1;
    float m_fParam2;
    float m_fParam3;
    int32_t m_nDuration;   // frames
    int32_t m_nImage;      // cell of the kind's picture in the effects strip
};

// The rows in their fixed order: constant data, available at any time.
const std::vector<EffectKind>& EffectKinds();

// The program's table, built once by the start-up and released at the end: GetEffectTable is
// empty before BuildEffectTable and after ReleaseEffectTable. Build is false when the memory
// for it cannot be had.
bool BuildEffectTable();
void ReleaseEffectTable();
const std::vector<EffectKind>& GetEffectTable();

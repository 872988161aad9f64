#include "playback/effecttable.h"

#include <bit>
#include <new>

const std::vector<EffectKind>& EffectKinds()
{
    // The angular steps are the single-precision values nearest to 2 pi / 25 and pi / 10.
    static const float kTwoPi25 = std::bit_cast<float>(0x3E80ADFDu);
    static const float kPi10 = std::bit_cast<float>(0x3EA0D97Cu);
    static const std::vector<EffectKind> kinds = {
        {"0. Sans: Aucun effet n'est attribu\u00E9 \u00E0 l'objet", -1, 0, 0, 0, 1, 1},
        {"1.1 Horizontal vers la gauche", 0, -3.0f, 0, 0, 230, 25},
        {"1.1.1 Horizontal vers la gauche en grossissant", 5, -3.0f, 0, 0, 230, 23},
        {"1.1.2 Horizontal vers la gauche en r\u00E9tr\u00E9" "cissant", 6, -3.0f, 0, 0, 230, 24},
        {"1.2 Horizontal vers la droite", 0, 3.0f, 0, 0, 230, 22},
        {"1.2.1 Horizontal vers la droite en grossissant", 5, 3.0f, 0, 0, 230, 20},
        {"1.2.2 Horizontal vers la droite en r\u00E9tr\u00E9" "cissant", 6, 3.0f, 0, 0, 230, 21},
        {"2.1 Vertical vers le haut", 7, -3.0f, 0, 0, 180, 28},
        {"2.1.1 Vertical vers le haut en grossissant", 12, -3.0f, 0, 0, 180, 26},
        {"2.1.2 Vertical vers le haut en r\u00E9tr\u00E9" "cissant", 13, -3.0f, 0, 0, 180, 27},
        {"2.2 Vertical vers le bas", 7, 3.0f, 0, 0, 180, 13},
        {"2.2.1 Vertical vers le bas en grossissant", 12, 3.0f, 0, 0, 180, 11},
        {"2.2.2 Vertical vers le bas en r\u00E9tr\u00E9" "cissant", 13, 3.0f, 0, 0, 180, 12},
        {"3.1 Rotation dans le sens des aiguilles d'une montre", 20, 50.0f, kTwoPi25, 0, 50, 16},
        {"3.1.1 Rotation en grossissant", 21, 50.0f, kTwoPi25, 0, 50, 14},
        {"3.1.2 Rotation en r\u00E9tr\u00E9" "cissant", 22, 50.0f, kTwoPi25, 0, 50, 15},
        {"3.2 Rotation sens contraire des aiguilles d'une montre", 20, 50.0f, -kTwoPi25, 0, 50, 19},
        {"3.2.1 Rotation en grossissant", 21, 50.0f, -kTwoPi25, 0, 50, 17},
        {"3.2.2 Rotation en r\u00E9tr\u00E9" "cissant", 22, 50.0f, -kTwoPi25, 0, 50, 18},
        {"4.1 Rotation elliptique sens des aiguilles d'une montre", 23, 20.0f, 100.0f, kPi10, 40, 10},
        {"4.1.1 Rotation elliptique en grossissant", 24, 40.0f, 100.0f, kPi10, 40, 8},
        {"4.1.2 Rotation elliptique en r\u00E9tr\u00E9" "cissant", 25, 40.0f, 100.0f, kPi10, 40, 9},
        {"4.2 Rotation elliptique sens contraire des aiguilles", 23, 40.0f, 100.0f, -kPi10, 40, 7},
        {"4.2.1 Rotation elliptique en grossissant", 24, 40.0f, 100.0f, -kPi10, 40, 5},
        {"4.2.2 Rotation elliptique en r\u00E9tr\u00E9" "cissant", 25, 40.0f, 100.0f, -kPi10, 40, 6},
        {"5. Contr\u00F4le al\u00E9" "atoire de l'objet", 29, 0, 0, 0, 100, 4},
        {"5.1 Contr\u00F4le al\u00E9" "atoire de l'objet en grossissant", 30, 0, 0, 0, 100, 2},
        {"5.2 Contr\u00F4le al\u00E9" "atoire de l'objet en r\u00E9tr\u00E9" "cissant", 31, 0, 0, 0, 100, 3},
    };
    return kinds;
}

namespace {
std::vector<EffectKind> g_table;
} // namespace

bool BuildEffectTable()
{
    try {
        g_table = EffectKinds();
    } catch (const std::bad_alloc&) {
        g_table.clear();
        return false;
    }
    return true;
}

void ReleaseEffectTable()
{
    g_table.clear();
    g_table.shrink_to_fit();
}

const std::vector<EffectKind>& GetEffectTable()
{
    return g_table;
}

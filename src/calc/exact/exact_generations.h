#pragma once
// What differs between the generations: the power, the stats, the base damage and the 16 rolls of
// a hit, in the 5th generation (exact_gen5.cpp: modifiers in 4096ths, chained per stage) and the
// 4th (exact_gen4.cpp: each modifier truncating, in three stages). The steps both share are in
// exact_hit.h; this header is where the driver and the later hits choose between the two.

#include "calc/exact/exact_hit.h"

namespace rusrina::exact {

void computeGen5(Hit& h);
void computeGen4(Hit& h);
// The power, the stats, the base damage and the 16 rolls, in the hit's generation
// (exact_damage.cpp).
void computeHit(Hit& h);

} // namespace rusrina::exact

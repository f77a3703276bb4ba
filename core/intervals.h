#pragma once
// Interval content, the twelve-tone operators, invariance and embedding.

#include "core/makeset.h"

// Operator indexes: T, I (multiplier 11), M (M5), MI (M7).
inline constexpr int opT = 0, opI = 1, opM = 2, opMI = 3;

// The multiplier of an operator index: 1, 11, 5, 7.
int decodeTTO(int index);
// The image of set under the operator: k goes to (k * multiplier + n) mod 12.
bitvec calc(bitvec set, int index, int n);
// Slots 1..6: the number of pairs of members of each interval class.
void icvector(bitvec set, int vec[7]);
// Slots 0..3: how many n map the set onto itself under T, I, M, MI;
// slots 4..7: how many map it onto a set disjoint from it.
void invarvec(bitvec set, int vec[8]);
// Slots 0..11: members shared with TnI of the set; slot 12 is 0.
void vtics(bitvec set, int vec[13]);
// Lewin's EMB: the number of distinct forms of b lying inside a.
int setinclude(bitvec a, bitvec b);

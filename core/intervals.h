#pragma once
// Interval content, the twelve-tone operators, inversional symmetry and
// embedding.

#include "core/makeset.h"

// Operator indexes: T, I (multiplier 11), M (M5), MI (M7).
inline constexpr int opT = 0, opI = 1, opM = 2, opMI = 3;

// The multiplier of an operator index: 1, 11, 5, 7.
int decodeTTO(int index);
// The image of set under the operator: k goes to (k * multiplier + n) mod 12.
bitvec calc(bitvec set, int index, int n);
// Slots 1..6: the number of pairs of members of each interval class.
void icvector(bitvec set, int vec[7]);
// The number of n for which TnI maps the set onto itself.
int symmetrical(bitvec set);
// Lewin's EMB: the number of distinct forms of b lying inside a.
int setinclude(bitvec a, bitvec b);
// Lewin's COV: the number of distinct forms of b containing a.
int cov(bitvec a, bitvec b);

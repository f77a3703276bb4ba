#pragma once
// Prime forms by Rahn's and Forte's algorithms.

#include "core/makeset.h"

inline constexpr int rahn = 0;
inline constexpr int forte = 1;

// Returns the prime form of set (Rahn's for alg 0, Forte's otherwise) and
// stores the operator that maps it onto the set: the set is Tn of the form
// when *inversionflag is 0, TnI of it when 1, n = *transposition (0..11).
// The exclusion mark is ignored.
bitvec primeform(bitvec set, int* inversionflag, int* transposition, int alg);
// The prime form alone.
bitvec primeform(bitvec set, int alg);

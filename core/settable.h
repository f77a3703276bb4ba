#pragma once
// The 224 set classes with their Forte ordinals, Z- and M-partners, the
// interval-class bounds per cardinality and their look-ups.

#include <cstdint>

#include "core/makeset.h"

struct setentry {
  std::uint32_t prime;     // Rahn prime form
  std::uint32_t ordinal;   // Forte ordinal within the cardinality
  std::uint32_t zpartner;  // ordinal of the Z-correspondent, 0 for none
  std::uint32_t mpartner;  // ordinal of the class of the M5 image
};

inline constexpr int settablesize = 224;

// The row of settable whose prime equals the key, searched between first and
// last; 0 when absent (and for the empty set, row 0).
int binsearch(int first, int last, bitvec prime);
// The prime of the first row between first and last with that ordinal, or 0.
bitvec linsearch(int first, int last, int ordinal);
// The prime field of a settable row.
bitvec getbitvec(int row);
bitvec sendset(int row);
// The whole row.
const setentry& sendentry(int row);
// which 0: the first row of cardinality c; 1: the last.
int sendlocinfo(int c, int which);
// Fewest and most occurrences of interval class i in a set of c notes.
int sendicmin(int c, int i);
int sendicmax(int c, int i);
// The settable row of the class of any set (the exclusion mark ignored).
int classrow(bitvec set);

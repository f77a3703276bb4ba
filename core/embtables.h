#pragma once
// The data of the twelve embedding tables, shared by their accessors in
// embedinfo.cpp and the tests.  Table k (1..12) holds one row for every set
// class of 1 to k notes, ordered by cardinality and Forte ordinal; a row
// position names the same class in every table that holds it.

#include <cstdint>

#include "core/makeset.h"

struct embrow {
  std::uint32_t prime;    // Rahn prime form
  std::uint32_t ordinal;  // Forte ordinal within the cardinality
  std::uint32_t minemb;   // fewest distinct embeddings in a class of k notes
  std::uint32_t maxemb;   // most distinct embeddings in a class of k notes
};

// Rows of table k, k = 1..12 (index 0 unused).
inline constexpr int embtablerows[13] = {0, 1, 7, 19, 48, 86, 136, 174, 203, 215, 221, 222, 223};

extern const embrow embtable1[1];
extern const embrow embtable2[7];
extern const embrow embtable3[19];
extern const embrow embtable4[48];
extern const embrow embtable5[86];
extern const embrow embtable6[136];
extern const embrow embtable7[174];
extern const embrow embtable8[203];
extern const embrow embtable9[215];
extern const embrow embtable10[221];
extern const embrow embtable11[222];
extern const embrow embtable12[223];

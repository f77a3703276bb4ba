#pragma once
// The twelve embedding tables: for every set class X of cardinality 1..k,
// the least and greatest number of distinct embeddings of X in a set class
// of cardinality k.  Rows are ordered by cardinality and Forte ordinal.

#include <cstdint>

#include "core/makeset.h"

// The first row position r in lo..hi whose prime equals prime (table 12
// holds every class and serves as the index of all tables).
int findsubset(int lo, int hi, bitvec prime);
// Column 0-3 (prime, ordinal, minemb, maxemb) of row position row of table k.
std::uint32_t sendembedding(int k, int row, int column);
// The greatest and least embedding counts of the class of prime (a Rahn
// prime form) in a set class of k notes.
void sendembinfo(int k, bitvec prime, int* maxemb, int* minemb);

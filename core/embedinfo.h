#pragma once
// The twelve embedding tables: for every set class X of cardinality 1..k,
// the least and greatest number of distinct embeddings of X in a set class
// of cardinality k.  Rows are ordered by cardinality and Forte ordinal.

#include <cstdint>

#include "core/makeset.h"

// The first row position r in lo..hi whose prime equals prime (table 12
// holds every class and serves as the index of all tables); -1 when no row
// of lo..hi holds it.
int findsubset(int lo, int hi, bitvec prime);
// Column 0-3 (prime, ordinal, minemb, maxemb) of row position row of table k;
// 0 for a table, row or column that does not exist.
std::uint32_t sendembedding(int k, int row, int column);
// The greatest and least embedding counts of the class of prime (a Rahn
// prime form) in a set class of k notes; both 0 when table k has no row for
// the class (more notes than k, or not a prime form).
void sendembinfo(int k, bitvec prime, int* maxemb, int* minemb);

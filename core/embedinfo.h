#pragma once
// The twelve embedding tables: for every set class X of cardinality 1..k,
// the least and greatest number of distinct embeddings of X in a set class
// of cardinality k.  Rows are ordered by cardinality and Forte ordinal.

#include <cstdint>

#include "core/makeset.h"

// Column 0-3 (prime, ordinal, minemb, maxemb) of row position row of table k;
// 0 for a table, row or column that does not exist.
std::uint32_t sendembedding(int k, int row, int column);

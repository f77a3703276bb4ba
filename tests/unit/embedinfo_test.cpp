#include "core/embedinfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "core/intervals.h"
#include "core/settable.h"

namespace {

// Rows of table k: one per class of 1 to k notes.
int rowsof(int k) {
  return sendlocinfo(k, 1);
}

// The row position of the class of a Rahn prime form, read from table 12,
// which holds every class; -1 when no row holds it.
int findrow(bitvec prime) {
  for (int r = 0; r < rowsof(12); ++r) {
    if (sendembedding(12, r, 0) == prime) return r;
  }
  return -1;
}

TEST(EmbeddingTables, RowsHoldEachCardinalityInForteOrder) {
  for (int c = 1; c <= 12; ++c) {
    const int first = sendlocinfo(c, 0), last = sendlocinfo(c, 1);
    for (int row = first; row <= last; ++row) {
      const bitvec prime = getbitvec(row);
      const int r = findrow(prime);
      ASSERT_GE(r, 0) << "set " << prime;
      // Within a cardinality the row position follows the Forte ordinal.
      EXPECT_EQ(r, first - 1 + static_cast<int>(sendentry(row).ordinal) - 1) << "set " << prime;
      for (int k = c; k <= 12; ++k) {
        EXPECT_EQ(sendembedding(k, r, 0), prime) << "table " << k << " set " << prime;
        EXPECT_EQ(sendembedding(k, r, 1), sendentry(row).ordinal) << "table " << k;
      }
    }
  }
}

TEST(EmbeddingTables, FollowTheirDefiningRule) {
  for (int k = 1; k <= 12; ++k) {
    for (int r = 0; r < rowsof(k); ++r) {
      const bitvec x = sendembedding(k, r, 0);
      int least = INT_MAX, most = 0;
      for (int s = sendlocinfo(k, 0); s <= sendlocinfo(k, 1); ++s) {
        const int e = setinclude(getbitvec(s), x);
        least = std::min(least, e);
        most = std::max(most, e);
      }
      EXPECT_EQ(sendembedding(k, r, 2), static_cast<std::uint32_t>(least))
          << "table " << k << " set " << x;
      EXPECT_EQ(sendembedding(k, r, 3), static_cast<std::uint32_t>(most))
          << "table " << k << " set " << x;
    }
  }
}

TEST(EmbeddingTables, TellingRows) {
  struct telling {
    int k;
    bitvec prime;
    int minemb, maxemb;
  };
  const telling rows[] = {
      {3, pcs("0"), 3, 3},     {3, pcs("01"), 0, 2},      {3, pcs("04"), 0, 3},
      {5, pcs("04"), 1, 4},    {5, pcs("06"), 0, 2},      {12, pcs("0"), 12, 12},
      {12, pcs("06"), 6, 6},   {12, pcs("013"), 24, 24},  {12, pcs("048"), 4, 4},
      {12, pcs("0369"), 3, 3}, {12, pcs("02468a"), 2, 2}, {12, aggregate, 1, 1},
  };
  for (const telling& t : rows) {
    const int r = findrow(t.prime);
    EXPECT_EQ(sendembedding(t.k, r, 2), static_cast<std::uint32_t>(t.minemb))
        << "table " << t.k << " set " << t.prime;
    EXPECT_EQ(sendembedding(t.k, r, 3), static_cast<std::uint32_t>(t.maxemb))
        << "table " << t.k << " set " << t.prime;
  }
  // Only one class has twelve notes, so the least and the most agree.
  for (int r = 0; r < rowsof(12); ++r) {
    EXPECT_EQ(sendembedding(12, r, 2), sendembedding(12, r, 3)) << "row " << r;
  }
}

TEST(EmbeddingTables, AbsentRowsGiveZero) {
  EXPECT_EQ(sendembedding(0, 0, 0), 0u);
  EXPECT_EQ(sendembedding(13, 0, 0), 0u);
  EXPECT_EQ(sendembedding(3, 19, 0), 0u);  // table 3 has 19 rows
  EXPECT_EQ(sendembedding(3, 0, 4), 0u);
}

}  // namespace

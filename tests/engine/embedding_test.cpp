// The embedding ranges of every class in the classes of every cardinality.
#include "pelantor/embedding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "pelantor/intervals.h"
#include "pelantor/setclass.h"

namespace {

using namespace pelantor;

// Re-derived by counting the forms of each class in every class of each
// cardinality.
TEST(EmbeddingRange, AgreesWithTheCountsInEveryClass) {
  for (int c = 0; c <= 12; ++c) {
    for (const SetClass& subset : all_classes()) {
      int least = 1000, most = 0;
      for (const SetClass& superset : classes(c)) {
        const int n = embedding_count(superset.rahn_prime, subset.rahn_prime);
        least = std::min(least, n);
        most = std::max(most, n);
      }
      ASSERT_EQ(embedding_range(subset, c), (EmbeddingRange{least, most}))
          << forte_label(subset) << " in cardinality " << c;
    }
  }
}

TEST(EmbeddingRange, KnownRanges) {
  // No tetrachord holds more than three major thirds, and some hold none.
  EXPECT_EQ(embedding_range(set_class_of(pcs("04")), 4), (EmbeddingRange{0, 3}));
  EXPECT_EQ(embedding_range(set_class_of(pcs("048")), 4), (EmbeddingRange{0, 1}));
  EXPECT_EQ(embedding_range(set_class_of(pcs("0")), 7), (EmbeddingRange{7, 7}));
  EXPECT_EQ(embedding_range(set_class_of(pcs("0123")), 3), (EmbeddingRange{0, 0}));
  EXPECT_EQ(embedding_range(set_class_of(pcs("")), 5), (EmbeddingRange{1, 1}));
  EXPECT_THROW(embedding_range(set_class_of(pcs("01")), 13), error);
  EXPECT_THROW(embedding_range(set_class_of(pcs("01")), -1), error);
}

// [k][c]: the sum over the classes of k pitch classes of (most - least) in
// the classes of c, the divisors of the subset saturation measures.
TEST(EmbeddingRange, RangeSumsByCardinality) {
  constexpr std::array<std::array<int, 9>, 9> sums = {{
      {6, 12, 18, 21, 28, 21, 18, 12, 6},
      {0, 12, 29, 42, 70, 74, 77, 61, 27},
      {0, 0, 29, 45, 83, 114, 164, 142, 87},
      {0, 0, 0, 38, 80, 107, 185, 208, 160},
      {0, 0, 0, 0, 50, 73, 145, 213, 178},
      {0, 0, 0, 0, 0, 38, 82, 134, 160},
      {0, 0, 0, 0, 0, 0, 29, 50, 87},
      {0, 0, 0, 0, 0, 0, 0, 12, 27},
      {0, 0, 0, 0, 0, 0, 0, 0, 6},
  }};
  for (int k = 2; k <= 10; ++k) {
    for (int c = 2; c <= 10; ++c) {
      int sum = 0;
      for (const SetClass& sc : classes(k)) {
        const EmbeddingRange r = embedding_range(sc, c);
        sum += r.most - r.least;
      }
      EXPECT_EQ(sum, sums[k - 2][c - 2]) << "k " << k << " c " << c;
    }
  }
}

}  // namespace

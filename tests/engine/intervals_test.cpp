// Interval content, invariance and the embedding counts.
#include "pelantor/intervals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "pelantor/setclass.h"

namespace {

using namespace pelantor;
using V6 = std::array<int, 6>;
using V8 = std::array<int, 8>;

int choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  int result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

TEST(IntervalClass, FoldsDifferencesOfEitherSign) {
  EXPECT_EQ(interval_class(0), 0);
  EXPECT_EQ(interval_class(6), 6);
  EXPECT_EQ(interval_class(7), 5);
  EXPECT_EQ(interval_class(-1), 1);
  EXPECT_EQ(interval_class(13), 1);
}

TEST(IcVector, CountsPairsByIntervalClass) {
  EXPECT_EQ(ic_vector(pcs("047")), (V6{0, 0, 1, 1, 1, 0}));
  EXPECT_EQ(ic_vector(pcs("0146")), (V6{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(ic_vector(PcSet::aggregate()), (V6{12, 12, 12, 12, 12, 6}));
  EXPECT_EQ(ic_vector(pcs("5")), (V6{}));
}

TEST(IcBounds, AreTheLeastAndMostOfEachCardinality) {
  EXPECT_EQ(ic_bounds(3).least, (V6{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ic_bounds(3).most, (V6{2, 2, 2, 3, 2, 1}));
  EXPECT_EQ(ic_bounds(5).least, (V6{0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(ic_bounds(6).most, (V6{5, 6, 5, 6, 5, 3}));
  EXPECT_EQ(ic_bounds(8).least, (V6{4, 4, 4, 4, 4, 2}));
  EXPECT_EQ(ic_bounds(8).most, (V6{7, 7, 8, 7, 7, 4}));
  EXPECT_EQ(ic_bounds(11).least, ic_bounds(11).most);
  EXPECT_THROW(ic_bounds(13), error);
}

TEST(InvarianceVector, CountsOperatorsOntoAndAwayFromTheSet) {
  EXPECT_EQ(invariance_vector(pcs("047")), (V8{1, 0, 0, 0, 5, 6, 5, 5}));
  EXPECT_EQ(invariance_vector(pcs("048")), (V8{3, 3, 3, 3, 9, 9, 9, 9}));
  EXPECT_EQ(invariance_vector(pcs("0369")), (V8{4, 4, 4, 4, 8, 8, 8, 8}));
  EXPECT_EQ(invariance_vector(PcSet::aggregate()), (V8{12, 12, 12, 12, 0, 0, 0, 0}));
}

TEST(Vtics, CountsCommonTonesUnderEachInversion) {
  EXPECT_EQ(vtics(pcs("047")), (std::array<int, 12>{1, 0, 1, 0, 2, 0, 0, 2, 1, 0, 0, 2}));
  EXPECT_EQ(inversional_symmetries(pcs("047")), 0);
  EXPECT_EQ(inversional_symmetries(pcs("048")), 3);
  EXPECT_EQ(inversional_symmetries(pcs("0369")), 4);
  // Each ordered pair of members sums to one n: the entries add up to c * c.
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const std::array<int, 12> v = vtics(set);
    ASSERT_EQ(std::accumulate(v.begin(), v.end(), 0), set.size() * set.size()) << "set " << bits;
    ASSERT_EQ(std::count(v.begin(), v.end(), set.size()), inversional_symmetries(set));
    const V6 icv = ic_vector(set);
    ASSERT_EQ(std::accumulate(icv.begin(), icv.end(), 0), choose(set.size(), 2)) << "set " << bits;
  }
}

TEST(EmbeddingCount, CountsDistinctForms) {
  EXPECT_EQ(embedding_count(pcs("0148"), pcs("048")), 1);
  EXPECT_EQ(embedding_count(pcs("012"), pcs("01")), 2);
  EXPECT_EQ(embedding_count(PcSet::aggregate(), PcSet::aggregate()), 1);
  EXPECT_EQ(covering_count(pcs("03"), pcs("0369")), 1);
  EXPECT_EQ(covering_count(pcs("01"), pcs("012")), 2);
}

// Every k-note subset of a set is one form of one class, and every superset
// of k notes likewise: summed over the classes of k notes, the counts are
// binomial coefficients.
TEST(EmbeddingCount, SumsOverClassesToEverySubsetAndSuperset) {
  for (unsigned bits = 1; bits < 4096; bits += 7) {
    const PcSet set = PcSet::from_bits(bits);
    for (int k = 1; k <= 12; ++k) {
      int inside = 0;
      int around = 0;
      for (const SetClass& sc : classes(k)) {
        inside += embedding_count(set, sc.rahn_prime);
        around += covering_count(set, sc.rahn_prime);
      }
      ASSERT_EQ(inside, choose(set.size(), k)) << "set " << bits << ", k " << k;
      ASSERT_EQ(around, choose(12 - set.size(), k - set.size())) << "set " << bits << ", k " << k;
    }
  }
}

}  // namespace

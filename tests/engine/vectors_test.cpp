// Interval content, VTICS, embedding counts and ranges, saturation and cycle
// vectors: the rules over every set (the invariance vector is checked against
// the chart, the worked examples are the set reports of the transcripts).
#include "pelantor/vectors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <utility>

#include "pelantor/embedding.h"
#include "pelantor/intervals.h"
#include "pelantor/setclass.h"

namespace {

using namespace pelantor;
using V6 = std::array<int, 6>;
using Sat = std::array<Saturation, 6>;

int choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  int result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

// Each pair of members is counted once by the interval-class vector, and
// each ordered pair once by VTICS, at the n of the TnI swapping them.
TEST(Intervals, CountEveryPairOfEverySet) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const std::array<int, 12> v = vtics(set);
    ASSERT_EQ(std::accumulate(v.begin(), v.end(), 0), set.size() * set.size()) << "set " << bits;
    ASSERT_EQ(std::count(v.begin(), v.end(), set.size()), inversional_symmetries(set));
    const V6 icv = ic_vector(set);
    ASSERT_EQ(std::accumulate(icv.begin(), icv.end(), 0), choose(set.size(), 2)) << "set " << bits;
  }
}

// Every k-note subset of a set is one form of one class, and every superset
// of k notes likewise: summed over the classes of k notes, the counts are
// binomial coefficients.
TEST(EmbeddingCount, SumsOverClassesToEverySubsetAndSuperset) {
  EXPECT_EQ(embedding_count(pcs("0148"), pcs("048")), 1);
  EXPECT_EQ(covering_count(pcs("01"), pcs("012")), 2);
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

// The two forms always name opposite bounds, and their distances add up to
// the range between them.  (The transcripts show both forms of 047 and 0146
// and the vectors derived from them.)
TEST(IcSaturation, FormsAAndBSplitTheRange) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const Sat a = ic_saturation_a(set);
    const Sat b = ic_saturation_b(set);
    const Bounds bounds = ic_bounds(set.size());
    for (int k = 0; k < 6; ++k) {
      ASSERT_NE(a[k].bound, b[k].bound) << "set " << bits << " ic" << k + 1;
      ASSERT_LE(a[k].distance, b[k].distance) << "set " << bits << " ic" << k + 1;
      ASSERT_EQ(a[k].distance + b[k].distance, bounds.most[k] - bounds.least[k]) << "set " << bits;
    }
  }
}

// Over all sets: the links of the chains along the cycles of k are the pairs
// at interval class k, and the chains' weights belong to the set class,
// with M swapping the 1- and the 5-cycles.
TEST(IcCycleVector, LinksAreThePairsOfEachIntervalClass) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const IcCycleVector chains = ic_cycle_vector(set);
    const V6 icv = ic_vector(set);
    for (int k = 0; k < 6; ++k) {
      ASSERT_EQ(std::accumulate(chains[k].begin(), chains[k].end(), 0), icv[k])
          << "set " << bits << " ic" << k + 1;
    }
    const V6 weights = weighted_cycle_vector(set);
    ASSERT_EQ(weighted_cycle_vector(set.transposed(5)), weights) << "set " << bits;
    ASSERT_EQ(weighted_cycle_vector(set.inverted()), weights) << "set " << bits;
    V6 under_m = weighted_cycle_vector(set.multiplied(5));
    std::swap(under_m[0], under_m[4]);
    ASSERT_EQ(under_m, weights) << "set " << bits;
  }
}

}  // namespace

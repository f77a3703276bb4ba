// Saturation and cycle vectors.
#include "pelantor/vectors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace {

using namespace pelantor;
using V6 = std::array<int, 6>;
using Row = std::array<int, 6>;
using Sat = std::array<Saturation, 6>;

constexpr Saturation min(int d) {
  return {Bound::min, d};
}
constexpr Saturation max(int d) {
  return {Bound::max, d};
}

void expect_near(const std::array<double, 6>& actual, const std::array<double, 6>& expected) {
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(actual[k], expected[k], 0.0005) << "ic" << k + 1;
}

TEST(IcSaturation, MeasuresFromTheNearerAndTheFartherBound) {
  EXPECT_EQ(ic_saturation_a(pcs("047")), (Sat{min(0), min(0), max(1), min(1), max(1), min(0)}));
  EXPECT_EQ(ic_saturation_b(pcs("047")), (Sat{max(2), max(2), min(1), max(2), min(1), max(1)}));
  EXPECT_EQ(ic_saturation_a(pcs("0146")), (Sat{min(1), min(1), min(1), min(1), min(1), max(1)}));
  EXPECT_EQ(ic_saturation_b(pcs("0146")), (Sat{max(2), max(2), max(3), max(2), max(2), min(1)}));
  EXPECT_EQ(adjusted_ic_vector(pcs("047")), (V6{0, 0, 1, 1, 1, 0}));
  expect_near(proportional_icsatv(pcs("047")), {0, 0, 0.5, 0.333, 0.5, 0});
  expect_near(picsat_percent(pcs("047")), {0, 0, 0.375, 0.25, 0.375, 0});
  expect_near(proportional_icsatv(pcs("0146")), {0.333, 0.333, 0.25, 0.333, 0.333, 0.5});
  expect_near(picsat_percent(pcs("0146")), {0.16, 0.16, 0.12, 0.16, 0.16, 0.24});
}

// The two forms always name opposite bounds, and their distances add up to
// the range between them.
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

TEST(IntervalCycles, CoverEveryPitchClassOncePerInterval) {
  std::string fifths;
  for (int i = 0; i < 12; ++i) fifths += to_string(PcSet{interval_cycles(5)[0].pitch_class_at(i)});
  EXPECT_EQ(fifths, "05a3816b4927");
  for (int k = 1; k <= 6; ++k) {
    unsigned covered = 0;
    int positions = 0;
    for (const IntervalCycle& cycle : interval_cycles(k)) {
      for (int i = 0; i < cycle.length; ++i) covered |= 1u << cycle.pitch_class_at(i);
      positions += cycle.length;
    }
    EXPECT_EQ(covered, 4095u) << k;
    EXPECT_EQ(positions, 12) << k;
  }
  EXPECT_EQ(interval_cycles(6).size(), 6u);
  EXPECT_THROW(interval_cycles(0), error);
  EXPECT_THROW(interval_cycles(7), error);
}

TEST(IcCycleVector, CountsTheLinksOfEachChain) {
  EXPECT_EQ(ic_cycle_vector(pcs("047")),
            (IcCycleVector{Row{}, Row{}, Row{1}, Row{1}, Row{1}, Row{}}));
  EXPECT_EQ(ic_cycle_vector(pcs("0146")),
            (IcCycleVector{Row{1}, Row{1}, Row{1}, Row{1}, Row{1}, Row{1}}));
  EXPECT_EQ(ic_cycle_vector(PcSet::aggregate()),
            (IcCycleVector{Row{12}, Row{6, 6}, Row{4, 4, 4}, Row{3, 3, 3, 3}, Row{12},
                           Row{1, 1, 1, 1, 1, 1}}));
  EXPECT_EQ(ic_cycle_vector(pcs("06")), (IcCycleVector{Row{}, Row{}, Row{}, Row{}, Row{}, Row{1}}));
  EXPECT_EQ(ic_cycle_vector(pcs("0369"))[2], (Row{4}));
  EXPECT_EQ(ic_cycle_vector(pcs("0369"))[5], (Row{1, 1}));
  EXPECT_EQ(ic_cycle_vector(pcs("012"))[0], (Row{2}));
  EXPECT_EQ(ic_cycle_vector(pcs("012"))[1], (Row{1}));
  // A chain running over the end of the cycle is one chain.
  EXPECT_EQ(ic_cycle_vector(pcs("01b"))[0], (Row{2}));
  EXPECT_EQ(ic_cycle_vector(pcs("0134678b"))[0], (Row{2, 2, 1}));
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
      int links = 0;
      for (int n : chains[k]) links += n;
      ASSERT_EQ(links, icv[k]) << "set " << bits << " ic" << k + 1;
    }
    const V6 weights = weighted_cycle_vector(set);
    ASSERT_EQ(weighted_cycle_vector(set.transposed(5)), weights) << "set " << bits;
    ASSERT_EQ(weighted_cycle_vector(set.inverted()), weights) << "set " << bits;
    V6 under_m = weighted_cycle_vector(set.multiplied(5));
    std::swap(under_m[0], under_m[4]);
    ASSERT_EQ(under_m, weights) << "set " << bits;
  }
}

TEST(WeightedCycleVector, AddsTheChainWeights) {
  const int weights[13] = {0, 120, 264, 437, 644, 893, 1192, 1550, 1980, 2496, 3115, 3858, 4750};
  for (int n = 0; n <= 12; ++n) EXPECT_EQ(chain_weight(n), weights[n]) << n;
  EXPECT_THROW(chain_weight(13), error);
  EXPECT_EQ(weighted_cycle_vector(pcs("047")), (V6{0, 0, 120, 120, 120, 0}));
  EXPECT_EQ(weighted_cycle_vector(pcs("0369")), (V6{0, 0, 644, 0, 0, 240}));
  EXPECT_EQ(weighted_cycle_vector(PcSet::aggregate()), (V6{4750, 2384, 1932, 1748, 4750, 720}));
}

TEST(CycleSaturation, MeasuresWeightsFromTheBounds) {
  EXPECT_EQ(cycle_saturation_a(pcs("047")),
            (Sat{min(0), min(0), min(120), min(120), min(120), min(0)}));
  EXPECT_EQ(cycle_saturation_b(pcs("047")),
            (Sat{max(264), max(264), max(144), max(317), max(144), max(120)}));
  EXPECT_EQ(cycle_saturation_a(pcs("0146")),
            (Sat{min(120), min(120), min(120), min(120), min(120), max(120)}));
  EXPECT_EQ(cycle_saturation_b(pcs("0146")),
            (Sat{max(317), max(317), max(524), max(317), max(317), min(120)}));
  expect_near(proportional_cycsatv(pcs("047")), {0, 0, 0.455, 0.275, 0.455, 0});
  expect_near(proportional_cycsatv(pcs("0146")), {0.275, 0.275, 0.186, 0.275, 0.275, 0.5});
  EXPECT_EQ(cycle_bounds(5).least, (V6{0, 0, 0, 120, 0, 0}));
  EXPECT_EQ(cycle_bounds(9).most, (V6{1980, 1456, 1288, 1310, 1980, 480}));
  EXPECT_THROW(cycle_bounds(-1), error);
}

// The ic4 weights of 11 and 12 notes lie 0.01 above both bounds: the
// distance up counts as 0, the distance down stays 0.01.
TEST(CycleSaturation, WeightsPastABoundLieOnIt) {
  for (PcSet set : {PcSet::aggregate(), pcs("0123456789a")}) {
    EXPECT_EQ(cycle_saturation_a(set)[3], max(0)) << to_string(set);
    EXPECT_EQ(cycle_saturation_b(set)[3], min(1)) << to_string(set);
  }
}

TEST(ProportionalVectors, AreZeroWhereTheRangeIsEmpty) {
  for (PcSet set : {PcSet::aggregate(), pcs("0123456789a")}) {
    expect_near(proportional_icsatv(set), {});
    expect_near(picsat_percent(set), {});
    expect_near(proportional_cycsatv(set), {});
  }
}

}  // namespace

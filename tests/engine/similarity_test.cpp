// The similarity measures: the values of the program's examples, the
// definitions and properties of every measure; the comparisons built on
// them, and set-list text.
#include "pelantor/similarity.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "pelantor/comparisons.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/setlist.h"

namespace {

using namespace pelantor;

// Every comparable set of every 37th mask, and every class's prime: a
// spread of sets for the whole-range sweeps.
std::vector<PcSet> sample_sets() {
  std::vector<PcSet> sets;
  for (unsigned bits = 0; bits < 4096; bits += 37) {
    if (comparable(PcSet::from_bits(bits))) sets.push_back(PcSet::from_bits(bits));
  }
  for (const SetClass& sc : all_classes()) {
    if (comparable(sc.rahn_prime)) sets.push_back(sc.rahn_prime);
  }
  return sets;
}

// The values the program shows, with three decimals, for pairs of sets:
// first set, second set, then one value per measure in menu order.
struct Example {
  const char* first;
  const char* second;
  double values[16];
};
constexpr double x = -1;  // a value not given for the pair
const Example examples[] = {
    {"014",
     "015",
     {0.167, 0.167, 0.167, x, 0.375, 0.125, 0.167, 0.333, 0.577, 0.577, 0.500, 0.500, 0, 0, x,
      48.190}},
    {"0247",
     "01358",
     {0.154, 0.155, 0.125, x, 0.191, 0.064, 0.154, 0.250, 0.471, 0.336, 0.757, 0.810, 0, 1, x,
      19.286}},
    {"0123",
     "0246",
     {0.444, 0.340, 0.458, x, 0.652, 0.217, 0.360, 0.667, 1.633, 1.088, 0.227, 0.223, 0, 0, x,
      64.623}},
    {"0146", "0137", {0, 0.085, 0, x, 0, 0, 0.069, 0, 0, 0, 0.727, 0.727, 0, 0, x, 0}},
    {"01347", "014", {x, 0.212, x, x, x, x, 0.212, x, x, x, 0.467, 0.704, 3, 0, x, x}},
    {"014", "01347", {x, 0.212, x, x, x, x, 0.212, x, x, x, 0.467, 0.704, 0, 3, x, x}},
    {"012", "048", {0.5, x, 0.417, x, 1, 0.333, x, 1, 1.528, 0.993, x, x, x, x, x, 90}},
    {"012", "047", {x, x, x, 0.461, x, x, x, x, x, x, x, x, x, x, 0.440, x}},
    {"012345", "02468a", {0.643, x, 0.689, x, 0.730, 0.243, x, x, x, x, x, x, x, x, x, x}},
};

TEST(Similarity, ShowsTheProgramsValues) {
  for (const Example& e : examples) {
    const PcSet a = parse_pcset(e.first), b = parse_pcset(e.second);
    for (const MeasureInfo& m : measures()) {
      const double expected = e.values[m.number - 1];
      if (expected == x) continue;
      EXPECT_NEAR(similarity(m.measure, a, b), expected, 0.0005)
          << m.name << " of " << e.first << " and " << e.second;
    }
  }
}

TEST(Similarity, EdgeValuesExactly) {
  // No interval class in common: ASIM exactly 1, ANGLE a hair below 90.
  EXPECT_EQ(similarity(Measure::asim, pcs("012"), pcs("048")), 1.0);
  EXPECT_EQ(similarity(Measure::angle, pcs("012"), pcs("048")), 89.99999998824843);
  // Proportional interval-class vectors lie at no angle.
  EXPECT_EQ(similarity(Measure::angle, pcs("048"), pcs("04")), 0.0);
  EXPECT_EQ(similarity(Measure::angle, pcs("0146"), pcs("0137")), 0.0);
  // ATMEMB = (2 + 2) / (8 + 8 - 8), REL = 2 / sqrt(4 * 4).
  EXPECT_EQ(similarity(Measure::atmemb, pcs("014"), pcs("015")), 0.5);
  EXPECT_EQ(similarity(Measure::rel, pcs("014"), pcs("015")), 0.5);
}

// Where the smaller set has two or three pitch classes, the subset
// saturation measures compare the dyad classes alone, which is SATSIM.
TEST(Similarity, SubsetSaturationOfSmallSetsIsSatsim) {
  for (const PcSet small : {pcs("01"), pcs("06"), pcs("014"), pcs("048")}) {
    for (const PcSet set : sample_sets()) {
      const double satsim = similarity(Measure::satsim, small, set);
      EXPECT_EQ(similarity(Measure::tsatsim, small, set), satsim) << set.bits();
      EXPECT_EQ(similarity(Measure::avgsatsimn, set, small), satsim) << set.bits();
    }
  }
}

// Re-derivations from the interval-class vectors and the embedding counts.
TEST(Similarity, AgreesWithTheDefinitions) {
  const std::vector<PcSet> sets = sample_sets();
  for (std::size_t i = 0; i < sets.size(); i += 13) {
    for (std::size_t j = 0; j < sets.size(); j += 17) {
      const PcSet a = sets[i], b = sets[j];
      const std::array<int, 6> p = ic_vector(a), q = ic_vector(b);
      int differences = 0, sum = 0;
      for (int k = 0; k < 6; ++k) differences += std::abs(p[k] - q[k]), sum += p[k] + q[k];
      EXPECT_NEAR(similarity(Measure::asim, a, b), double(differences) / sum, 1e-12);
      // ISIM2: the deviation of the weighted counts.
      constexpr double weights[] = {0,      1,      1.4142, 1.732,  2,      2.236, 2.4494,
                                    2.6457, 2.8284, 3,      3.1623, 3.3166, 3.4641};
      double d[6], mean = 0, squares = 0;
      for (int k = 0; k < 6; ++k) mean += (d[k] = weights[p[k]] - weights[q[k]]) / 6;
      for (double dk : d) squares += (dk - mean) * (dk - mean);
      EXPECT_NEAR(similarity(Measure::isim2, a, b), std::sqrt(squares / 6), 1e-12);
      EXPECT_EQ(similarity(Measure::emb, a, b), embedding_count(a, b));
      EXPECT_EQ(similarity(Measure::cov, a, b), covering_count(a, b));
      // REL: the shared classes of 2 up to the smaller cardinality.
      double roots = 0, total_a = 0, total_b = 0;
      for (int c = 2; c <= std::min(a.size(), b.size()); ++c) {
        for (const SetClass& sc : classes(c)) {
          const int in_a = embedding_count(a, sc.rahn_prime),
                    in_b = embedding_count(b, sc.rahn_prime);
          roots += std::sqrt(double(in_a * in_b));
          total_a += in_a, total_b += in_b;
        }
      }
      EXPECT_NEAR(similarity(Measure::rel, a, b), roots / std::sqrt(total_a * total_b), 1e-12);
    }
  }
}

class EveryMeasure : public testing::TestWithParam<MeasureInfo> {};

TEST_P(EveryMeasure, StaysInItsRange) {
  const MeasureInfo& m = GetParam();
  const std::vector<PcSet> sets = sample_sets();
  const std::vector<double> values = matrix(m.measure, sets);
  for (double v : values) {
    ASSERT_TRUE(std::isfinite(v)) << m.name;
    ASSERT_GE(v, m.least) << m.name;
    ASSERT_LE(v, m.most + 1e-12) << m.name;
  }
}

// A set against its own class: 0 apart, fully alike, or found once.
TEST_P(EveryMeasure, GivesItsIdentityValueForOneClass) {
  const MeasureInfo& m = GetParam();
  const double identity = m.kind == Kind::dissimilarity ? 0.0 : 1.0;
  for (const PcSet set : sample_sets()) {
    const PcSet form = set.inverted().transposed(5);
    ASSERT_NEAR(similarity(m.measure, set, form), identity, 1e-12) << m.name << " " << set.bits();
  }
}

TEST_P(EveryMeasure, SymmetricToTheLastBitWhereTheTableSaysSo) {
  const MeasureInfo& m = GetParam();
  const std::vector<PcSet> sets = sample_sets();
  const std::vector<double> square = matrix(m.measure, sets, sets);
  const std::size_t n = sets.size();
  bool symmetric = true;
  for (std::size_t i = 0; i < n && symmetric; ++i) {
    for (std::size_t j = 0; j < i && symmetric; ++j) {
      symmetric = square[i * n + j] == square[j * n + i];
    }
  }
  EXPECT_EQ(symmetric, m.symmetric) << m.name;
  // The square matrix, worked out once per pair where it may be, is the same.
  EXPECT_EQ(matrix(m.measure, sets), square) << m.name;
}

INSTANTIATE_TEST_SUITE_P(Measures, EveryMeasure, testing::ValuesIn(measures()),
                         [](const testing::TestParamInfo<MeasureInfo>& p) {
                           return "M" + std::to_string(p.param.number);
                         });

// Every class once, and values that differ by rounding residue alone share
// a group: %SAT%SIM of a dyad meets 2/3 along two roads.
TEST(CompareToClasses, EveryClassOnceResidueJoined) {
  for (const MeasureInfo& m : measures()) {
    const std::vector<ValueGroup> groups = compare_to_classes(m.measure, pcs("01"), 2, 10);
    std::size_t total = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
      total += groups[g].classes.size();
      if (g > 0) {
        EXPECT_GT(groups[g].value - groups[g - 1].value, 1e-9) << m.name;
      }
    }
    EXPECT_EQ(total, 220u) << m.name;
  }
}

// The smallest and largest of a row leave out what only says that a set
// meets its own class: 0 of a dissimilarity, 1 of a similarity.
TEST(CompareLists, RowFiguresAndTheirAverage) {
  const std::vector<PcSet> sets = {pcs("014"), pcs("015"), pcs("037")};
  const ListComparison result = compare_lists(Measure::asim, sets);
  ASSERT_EQ(result.rows.size(), 3u);
  // Row 014: 0, 1/3, 1/3.
  EXPECT_NEAR(result.rows[0].average, 2.0 / 9.0, 1e-12);
  EXPECT_NEAR(result.rows[0].smallest, 1.0 / 3.0, 1e-12);
  EXPECT_NEAR(result.rows[0].largest, 1.0 / 3.0, 1e-12);
  double total = 0;
  for (const RowSummary& row : result.rows) total += row.average;
  EXPECT_EQ(result.average, total / 3);
  // Row 014 under REL: 1 (itself) and 0.5.
  const ListComparison rel = compare_lists(Measure::rel, std::span(sets).first(2));
  EXPECT_EQ(rel.rows[0].largest, 0.5);
}

TEST(ReadSetList, OneValueALineUpToTheListsEnd) {
  using Sets = std::vector<PcSet>;
  EXPECT_EQ(read_set_list("19\r\n133\r\n").sets, (Sets{pcs("014"), pcs("027")}));
  EXPECT_EQ(read_set_list("19\n133").sets, (Sets{pcs("014"), pcs("027")}));
  EXPECT_EQ(read_set_list("19\n133\n\n145\n").sets, (Sets{pcs("014"), pcs("027")}));
  const SetList list = read_set_list("19\n1\n4095\n4096\n99999999999\n145\n0\n7\n");
  EXPECT_EQ(list.sets, (Sets{pcs("014"), pcs("047")}));
  EXPECT_EQ(list.skipped, (std::vector<SkippedEntry>{{2, 1, SkipReason::too_few},
                                                     {3, 4095, SkipReason::too_many},
                                                     {4, 4096, SkipReason::not_a_set},
                                                     {5, INT_MAX, SkipReason::not_a_set}}));
}

}  // namespace

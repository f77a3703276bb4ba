// One set against every class of a range, and lists of sets against each
// other.
#include "pelantor/comparisons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "pelantor/notation.h"

namespace {

using namespace pelantor;

std::string primes(const ValueGroup& group) {
  std::string text;
  for (const SetClass* sc : group.classes) text += "[" + to_string(sc->rahn_prime) + "]";
  return text;
}

TEST(CompareToClasses, GroupsByValueSmallerFirst) {
  const std::vector<ValueGroup> groups = compare_to_classes(Measure::asim, pcs("014"), 3, 3);
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0].value, 0.0);
  EXPECT_EQ(primes(groups[0]), "[014]");
  EXPECT_NEAR(groups[1].value, 1.0 / 3.0, 1e-12);
  EXPECT_EQ(primes(groups[1]), "[013][015][037]");
  EXPECT_NEAR(groups[2].value, 2.0 / 3.0, 1e-12);
  EXPECT_EQ(primes(groups[2]), "[012][024][025][016][026][036][048]");
  EXPECT_EQ(groups[3].value, 1.0);
  EXPECT_EQ(primes(groups[3]), "[027]");
}

TEST(CompareToClasses, LargerClassesAreNeverEmbedded) {
  const std::vector<ValueGroup> groups = compare_to_classes(Measure::emb, pcs("037"), 2, 10);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups[0].value, 0.0);
  // The classes of 4 to 10 pitch classes, in table order, after the dyads
  // and trichords that 037 does not hold.
  const SetClass* previous = nullptr;
  int larger = 0;
  for (const SetClass* sc : groups[0].classes) {
    if (previous != nullptr) {
      EXPECT_LT(previous->index, sc->index);
    }
    previous = sc;
    larger += sc->cardinality > 3;
  }
  EXPECT_EQ(larger, 220 - 18);
}

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

TEST(CompareToClasses, RefusesBadRanges) {
  EXPECT_THROW(compare_to_classes(Measure::asim, pcs("014"), 1, 3), error);
  EXPECT_THROW(compare_to_classes(Measure::asim, pcs("014"), 4, 3), error);
  EXPECT_THROW(compare_to_classes(Measure::asim, pcs("014"), 3, 11), error);
  EXPECT_THROW(compare_to_classes(Measure::asim, pcs("0"), 3, 3), error);
}

TEST(CompareLists, RowFiguresAndTheirAverage) {
  const std::vector<PcSet> sets = {pcs("014"), pcs("015"), pcs("037")};
  const ListComparison result = compare_lists(Measure::asim, sets);
  ASSERT_EQ(result.values.size(), 9u);
  ASSERT_EQ(result.rows.size(), 3u);
  // Row 014: 0, 1/3, 1/3.  The 0 of its own class is not the smallest.
  EXPECT_NEAR(result.rows[0].average, 2.0 / 9.0, 1e-12);
  EXPECT_NEAR(result.rows[0].smallest, 1.0 / 3.0, 1e-12);
  EXPECT_NEAR(result.rows[0].largest, 1.0 / 3.0, 1e-12);
  double total = 0;
  for (const RowSummary& row : result.rows) total += row.average;
  EXPECT_EQ(result.average, total / 3);
}

TEST(CompareLists, SimilaritiesLeaveOutTheirOwnClass) {
  const std::vector<PcSet> sets = {pcs("014"), pcs("015")};
  const ListComparison rel = compare_lists(Measure::rel, sets);
  // Row 014 under REL: 1 (itself) and 0.5; the 1 is not the largest.
  EXPECT_EQ(rel.rows[0].smallest, 0.5);
  EXPECT_EQ(rel.rows[0].largest, 0.5);
  // A row of its own class alone keeps the plain extremes.
  const std::vector<PcSet> one = {pcs("014")};
  EXPECT_EQ(compare_lists(Measure::rel, one).rows[0].largest, 1.0);
  EXPECT_EQ(compare_lists(Measure::asim, one).rows[0].smallest, 0.0);
  // ISIM2 is no similarity: its values of 1 or more may be the largest.
  const std::vector<PcSet> apart = {pcs("0123"), pcs("0246")};
  EXPECT_GT(compare_lists(Measure::isim2, apart).rows[0].largest, 1.0);
}

TEST(CompareLists, EmptyListsGiveZeros) {
  const std::vector<PcSet> none, some = {pcs("014"), pcs("0247")};
  const ListComparison empty = compare_lists(Measure::asim, none);
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.average, 0.0);
  const ListComparison rows_only = compare_lists(Measure::asim, some, none);
  ASSERT_EQ(rows_only.rows.size(), 2u);
  EXPECT_EQ(rows_only.rows[1].average, 0.0);
  EXPECT_EQ(rows_only.rows[1].smallest, 0.0);
  EXPECT_EQ(rows_only.average, 0.0);
}

TEST(CompareLists, TwoListsRunRowsAgainstColumns) {
  const std::vector<PcSet> rows = {pcs("014")};
  const std::vector<PcSet> columns = {pcs("01347"), pcs("0")};
  EXPECT_THROW(compare_lists(Measure::emb, rows, columns), error);
  const ListComparison cov = compare_lists(Measure::cov, rows, {columns.data(), 1});
  EXPECT_EQ(cov.values, std::vector<double>{3.0});
  EXPECT_EQ(cov.rows[0].average, 3.0);
}

// Sets of 2 to 10 pitch classes, many forms of few classes among them, so
// that the same classes meet again and again.
std::vector<PcSet> random_sets(std::mt19937& random, std::size_t count) {
  std::vector<PcSet> sets;
  while (sets.size() < count) {
    const PcSet set = PcSet::from_bits(random() % 4096);
    if (!comparable(set)) continue;
    sets.push_back(set);
    sets.push_back(set.transposed(5).inverted());
  }
  sets.resize(count);
  return sets;
}

class ListStatisticsOfMeasure : public testing::TestWithParam<MeasureInfo> {};

TEST_P(ListStatisticsOfMeasure, AgreesWithTheDirectComparisonToTheLastBit) {
  const Measure measure = GetParam().measure;
  std::mt19937 random(7);
  for (std::size_t size : {1u, 5u, 40u}) {
    const std::vector<PcSet> rows = random_sets(random, size);
    const std::vector<PcSet> columns = random_sets(random, size + 3);
    for (const bool two_lists : {false, true}) {
      const ListComparison direct =
          two_lists ? compare_lists(measure, rows, columns) : compare_lists(measure, rows);
      const ListStatistics grouped =
          two_lists ? list_statistics(measure, rows, columns) : list_statistics(measure, rows);
      ASSERT_EQ(grouped.rows.size(), direct.rows.size());
      for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(grouped.rows[i].average, direct.rows[i].average) << "row " << i;
        EXPECT_EQ(grouped.rows[i].smallest, direct.rows[i].smallest) << "row " << i;
        EXPECT_EQ(grouped.rows[i].largest, direct.rows[i].largest) << "row " << i;
      }
      EXPECT_EQ(grouped.average, direct.average) << size << " sets";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMeasure, ListStatisticsOfMeasure, testing::ValuesIn(measures()),
                         [](const auto& param) { return std::to_string(param.param.number); });

TEST(ListStatistics, RefusesWhatCannotBeCompared) {
  const std::vector<PcSet> sets = {pcs("014"), pcs("0")};
  EXPECT_THROW(list_statistics(Measure::asim, sets), error);
  const ListStatistics empty = list_statistics(Measure::asim, {});
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.average, 0.0);
}

}  // namespace

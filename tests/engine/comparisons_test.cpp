// The set-list statistics grouped by class against the direct comparison.
#include "pelantor/comparisons.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace pelantor;

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

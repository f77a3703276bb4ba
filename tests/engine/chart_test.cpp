// The chart of every set class against the 48 operators.
#include "pelantor/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"

namespace {

using namespace pelantor;

// The marks as the chart shows them: x for onto itself or disjoint.
std::string shown(PcSet set) {
  std::string row;
  for (ChartMark mark : chart_marks(set)) row += mark == ChartMark::overlapping ? ' ' : 'x';
  return row;
}

TEST(ChartMarks, MarkTheTelltaleSets) {
  // T0 fixes [01], T1 and Tb overlap it, T2..Ta move it clear; T1I fixes
  // it, T0I and T2I overlap it.
  EXPECT_EQ(shown(pcs("01")).substr(0, 24), "x xxxxxxxxx  x xxxxxxxxx");
  for (PcSet all_x : {pcs("0"), pcs("048"), pcs("0369"), pcs("02468a"), PcSet::aggregate()}) {
    EXPECT_EQ(shown(all_x), std::string(48, 'x')) << to_string(all_x);
  }
  EXPECT_EQ(chart_marks(pcs("02468a"))[1], ChartMark::disjoint);
  EXPECT_EQ(chart_marks(pcs("02468a"))[2], ChartMark::onto_itself);
}

// Every class but the empty set, in table order; the marks of each
// operation add up to the invariance vector, which counts the operators
// mapping a set onto itself and those mapping it clear.
TEST(MappingChart, AgreesWithTheInvarianceVectors) {
  const auto chart = mapping_chart();
  ASSERT_EQ(chart.size(), 223u);
  for (std::size_t i = 0; i < chart.size(); ++i) {
    const ChartRow& row = chart[i];
    ASSERT_EQ(row.prime, all_classes()[i + 1].rahn_prime) << "row " << i;
    const std::array<int, 8> invariance = invariance_vector(row.prime);
    for (int op = 0; op < 4; ++op) {
      const auto field = row.marks.begin() + 12 * op;
      ASSERT_EQ(std::count(field, field + 12, ChartMark::onto_itself), invariance[op]) << i;
      ASSERT_EQ(std::count(field, field + 12, ChartMark::disjoint), invariance[op + 4]) << i;
    }
  }
}

}  // namespace

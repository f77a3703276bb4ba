// The similarity texts where no transcript pins the bytes.
#include "reports/similarity.h"

#include <gtest/gtest.h>

#include <vector>

#include "reports/format.h"

namespace {

using namespace pelantor;

// Columns are 7 characters wide for values below 10; a wider value (ANGLE
// in degrees, a count of 10 or more) pushes the rest of its row right and
// leaves the other rows alone.
TEST(ComparisonMatrix, AWideValueWidensItsOwnRowOnly) {
  const std::vector<PcSet> sets = {pcs("014"), pcs("0123")};
  const std::vector<double> values = {0.0, 35.26438968, 35.26438968, 0.0};
  EXPECT_EQ(text::comparison_matrix(Measure::angle, sets, values, Algorithm::rahn),
            "ANGLE comparison matrix\n"
            "                1      2      \n"
            " 1. [014]       0.000  35.264  \n"
            " 2. [0123]      35.264  0.000  \n"
            "\n\n");
}

// The columns of a second list are numbered on from the rows, and a row
// breaks after each column number that is a multiple of three.
TEST(ListComparison, SecondListNumberedOnFromTheFirst) {
  const std::vector<PcSet> rows = {pcs("014"), pcs("027")};
  const std::vector<PcSet> columns = {pcs("012"), pcs("015")};
  const ListComparison comparison{
      {0.5, 0.25, 1.0, 0.0}, {{0.375, 0.25, 0.5}, {0.5, 1.0, 1.0}}, 0.4};
  EXPECT_EQ(text::list_comparison(Measure::asim, "a.txt", "b.txt", rows, columns, comparison,
                                  Algorithm::rahn),
            "a.txt : b.txt\n"
            "*****************************\n"
            "  1. [014] compared to:\n"
            "     3. [012]:  0.500\n"
            "     4. [015]:  0.250\n"
            "     Average ASIM value:  0.375\n"
            "     Smallest comparison value:  0.250     Largest comparison value:   0.500\n"
            "\n"
            "  2. [027] compared to:\n"
            "     3. [012]:  1.000\n"
            "     4. [015]:  0.000\n"
            "     Average ASIM value:  0.500\n"
            "     Smallest comparison value:  1.000     Largest comparison value:   1.000\n"
            "\n"
            "Average ASIM value:  0.400\n"
            "\n\n");
}

}  // namespace

#include "reports/combinations.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace pelantor;

// The count stands right-aligned in four places, and a longer one pushes
// the row to the right rather than losing digits.
TEST(CombinationListing, CountsRightAlignedInFourPlaces) {
  const SubsetGroup dyads{{pcs("01"), pcs("01")}, {}};
  const SetClass& chromatic = find_class("3-1");
  std::vector<CombinationCount> counts;
  for (const std::int64_t n : {9, 10, 99, 100, 999, 1000, 9999, 10000}) {
    counts.push_back({chromatic, n});
  }
  const std::string row = "  [012]         3-1       <210000>\n";
  EXPECT_EQ(text::combination_listing(dyads, Combination::both, 0, counts, Algorithm::rahn),
            "All combinations of [01], [01]\n"
            "   9" +
                row + "  10" + row + "  99" + row + " 100" + row + " 999" + row + "1000" + row +
                "9999" + row + "10000" + row + "\n");
}

}  // namespace

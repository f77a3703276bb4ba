#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "console/charsource.h"
#include "core/settable.h"
#include "tests/unit/consoletest.h"

namespace {

TEST(WriteSc, FillsACellOfTwentyMinusCardinality) {
  EXPECT_EQ(written([] { writesc(pcs("0146")); }), std::string(8, ' ') + "4-z15" + "   ");
  EXPECT_EQ(written([] { writesc(pcs("012")); }), std::string(9, ' ') + "3-1" + "     ");
  EXPECT_EQ(written([] { writesc(pcs("0123456789")); }), "  10-1    ");
  for (bitvec s = 1; s < 4096; ++s) {
    const std::string cell = written([s] { writesc(s); });
    EXPECT_EQ(static_cast<int>(cell.size()), 20 - bitcount(s)) << "set " << s;
  }
}

TEST(WriteForte, LabelDoesNotDependOnTheAlgorithm) {
  EXPECT_EQ(written([] { writeforte(pcs("0134578a")); }), "8-26");
  EXPECT_EQ(written([] { writeforte(pcs("0124579a")); }), "8-26");
  EXPECT_EQ(written([] { writeforte(pcs("01378")); }), "5-20");
  EXPECT_EQ(written([] { writeforte(pcs("0137") | exclusionmark); }), "4-z29");
}

}  // namespace

#include "reports/format.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace pelantor;

TEST(LabelCell, LinesUpWithinACardinalityAndShiftsLeftAsItGrows) {
  // Every cell of one cardinality has the same width; each note more moves
  // the label one place left, so a listing reads as a column.
  for (int c = 0; c <= 12; ++c) {
    for (const SetClass& set_class : classes(c)) {
      const std::string cell = text::label_cell(set_class);
      EXPECT_EQ(cell.size(), static_cast<std::size_t>(12 - c + 6 + 2)) << text::label(set_class);
      EXPECT_EQ(cell.find_first_not_of(' '), static_cast<std::size_t>(12 - c));
    }
  }
  EXPECT_EQ(text::label_cell(find_class("4-z15")), "        4-z15   ");
  EXPECT_EQ(text::label_cell(find_class("9-12")), "   9-12    ");
}

TEST(Format, SetsVectorsAndNumbersAsTheProgramSpellsThem) {
  const PcSet set = pcs("047");
  EXPECT_EQ(text::braced(set), "{047}");
  EXPECT_EQ(text::bracketed(pcs("ab")), "[ab]");
  EXPECT_EQ(text::image(prime_form(set, Algorithm::rahn)), "{740}");
  const std::array<int, 6> vector = {0, 0, 1, 12, text::open_entry, 16};
  EXPECT_EQ(text::digit_vector(vector), "<001cx10>");
  EXPECT_EQ(text::fixed3(2.0 / 3), "0.667");
  EXPECT_EQ(text::hundredths(120), "1.20");
  EXPECT_EQ(text::hundredths(5), "0.05");
  EXPECT_EQ(text::count_saturation({Bound::min, 0}), "min+0");
  EXPECT_EQ(text::weight_saturation({Bound::max, 317}), "max-3.17");
}

}  // namespace

// The result texts where no transcript pins the bytes: label cells of every
// class, the class summary under both algorithms, counts of several digits,
// the set report of every set, wide values and numbered columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/classsummary.h"
#include "reports/combinations.h"
#include "reports/format.h"
#include "reports/setreport.h"
#include "reports/similarity.h"
#include "reports/subsets.h"

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

TEST(ClassSummary, LabelCellIcVectorAndZCorrespondent) {
  EXPECT_EQ(text::class_summary(pcs("0146"), Algorithm::rahn),
            std::string(8, ' ') + "4-z15" + std::string(3 + 2, ' ') + "<111111>" +
                "    Z = [0137] (4-z29)");
  // Any member of the class gives the same line.
  EXPECT_EQ(text::class_summary(pcs("1257"), Algorithm::rahn),
            text::class_summary(pcs("0146"), Algorithm::rahn));
  EXPECT_EQ(text::class_summary(pcs("012"), Algorithm::rahn),
            std::string(9, ' ') + "3-1" + std::string(5 + 2, ' ') + "<210000>");
  EXPECT_EQ(text::class_summary(PcSet::aggregate(), Algorithm::forte), "12-1      <ccccc6>");
}

TEST(ClassSummary, ZCorrespondentFollowsTheAlgorithm) {
  // 6-z50's correspondent 6-z29 has different Rahn and Forte prime forms.
  EXPECT_EQ(text::class_summary(pcs("014679"), Algorithm::rahn),
            "      6-z50     <224232>    Z = [023679] (6-z29)");
  EXPECT_EQ(text::class_summary(pcs("014679"), Algorithm::forte),
            "      6-z50     <224232>    Z = [013689] (6-z29)");
  EXPECT_EQ(text::z_correspondent(find_class("3-11"), Algorithm::rahn), "");
}

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

// The embedding count stands right-aligned in two places.
TEST(SubsetsListing, CountsRightAlignedInTwoPlaces) {
  const std::vector<PcSet> superset{PcSet::aggregate()};
  const SetClass& semitone = find_class("2-1");
  const std::vector<SubsetsOfSize> sizes{
      {2, {{semitone, {{9, 2, 11}}}, {semitone, {{10, 2, 11}}}}}};
  const std::string cell = "  [01]            2-1        ";
  EXPECT_EQ(text::subsets_listing(superset, sizes, Algorithm::rahn),
            "\n2-note subsets of [0123456789ab]\n"
            "   9" +
                cell +
                "max-2   min+7\n"
                "  10" +
                cell + "max-1   min+8\n\n");
}

const std::string rule = std::string(39, '<') + std::string(38, '>');

// The line of the report that starts with prefix, without its line end.
std::string line_of(const std::string& report, const std::string& prefix) {
  const std::size_t at = report.find("\n" + prefix);
  if (at == std::string::npos) return "(no line " + prefix + ")";
  return report.substr(at + 1, report.find('\n', at + 1) - at - 1);
}

// The forms of the related classes follow the algorithm too: 5-6's M-partner
// is 5-20, one of the classes whose Forte prime form differs from Rahn's.
TEST(SetReport, RelatedClassesFollowTheAlgorithm) {
  EXPECT_EQ(line_of(text::set_report(pcs("01256"), Algorithm::rahn), "    M/MI"),
            "    M/MI = [01568] (5-20)");
  EXPECT_EQ(line_of(text::set_report(pcs("01256"), Algorithm::forte), "    M/MI"),
            "    M/MI = [01378] (5-20)");
  // 6-z50: the Z-correspondent 6-z29 differs, its M-partner 6-z13 does not.
  EXPECT_EQ(line_of(text::set_report(pcs("014679"), Algorithm::rahn), "    Z"),
            "    Z = [023679] (6-z29)    M/MI = [013467] (6-z13)");
  EXPECT_EQ(line_of(text::set_report(pcs("014679"), Algorithm::forte), "    Z"),
            "    Z = [013689] (6-z29)    M/MI = [013467] (6-z13)");
}

// Every set, under both algorithms, the ones the dialogue refuses included:
// the report is written in full, between its rules, and no number in it
// comes out unprintable or signed wrongly.
TEST(SetReport, EverySetIsWrittenInFull) {
  for (const Algorithm algorithm : {Algorithm::rahn, Algorithm::forte}) {
    for (unsigned bits = 0; bits < 4096; ++bits) {
      const std::string report = text::set_report(PcSet::from_bits(bits), algorithm);
      ASSERT_EQ(report.rfind(rule + "\nInput set: {", 0), 0u) << "set " << bits;
      ASSERT_TRUE(report.ends_with(")\n" + rule + "\n\n")) << "set " << bits;
      // The rule, 23 lines, the rule, an empty line.
      ASSERT_EQ(std::count(report.begin(), report.end(), '\n'), 26) << "set " << bits;
      for (const char* bad : {"nan", "inf", "min+-", "max--", "<-", " -"}) {
        ASSERT_EQ(report.find(bad), std::string::npos) << bad << " in set " << bits;
      }
    }
  }
}

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

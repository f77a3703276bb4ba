#include "reports/setreport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace pelantor;

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

}  // namespace

#include "features/setreport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/mainmenu.h"
#include "console/charsource.h"
#include "core/primeform.h"
#include "tests/unit/consoletest.h"

namespace {

std::string info(bitvec set, int primealg) {
  return written([=] { writeinfo(set, primealg); });
}

TEST(WriteInfo, ClassWithZCorrespondent) {
  EXPECT_EQ(info(pcs("0146"), rahn), "        4-z15     <111111>    Z = [0137] (4-z29)");
  // Any member of the class gives the same line, the exclusion mark ignored.
  EXPECT_EQ(info(pcs("1257") | exclusionmark, rahn), info(pcs("0146"), rahn));
}

TEST(WriteInfo, ClassWithoutZCorrespondent) {
  EXPECT_EQ(info(pcs("012"), rahn), "         3-1       <210000>");
  EXPECT_EQ(info(aggregate, forte), "12-1      <ccccc6>");
}

TEST(WriteInfo, ZCorrespondentFollowsTheAlgorithm) {
  // 6-z50's correspondent 6-z29 has different Rahn and Forte prime forms.
  EXPECT_EQ(info(pcs("014679"), rahn), "      6-z50     <224232>    Z = [023679] (6-z29)");
  EXPECT_EQ(info(pcs("014679"), forte), "      6-z50     <224232>    Z = [013689] (6-z29)");
}

// Every non-empty set typed at entry 1: the report completes for each one
// that is not refused, and no number comes out unprintable or signed wrongly.
TEST(SetReport, EveryNonEmptySet) {
  for (int alg : {rahn, forte}) {
    std::string keys = alg == forte ? "n\n#\n2\n1\n" : "n\n1\n";
    const char* digits = "0123456789ab";
    for (bitvec s = 1; s <= aggregate; ++s) {
      for (int p = 0; p < 12; ++p) {
        if (s >> p & 1) keys += digits[p];
      }
      keys += '\n';
    }
    keys += "\n";
    std::istringstream in(keys);
    std::ostringstream out;
    EXPECT_EQ(runprogram(in, out), 0);
    const std::string text = out.str();

    std::size_t reports = 0;
    for (std::size_t at = text.find("Input set: "); at != std::string::npos;
         at = text.find("Input set: ", at + 1)) {
      ++reports;
    }
    std::size_t refusals = 0;
    for (std::size_t at = text.find("one-element set!"); at != std::string::npos;
         at = text.find("one-element set!", at + 1)) {
      ++refusals;
    }
    EXPECT_EQ(reports, 4095u - 12u) << "algorithm " << alg;
    EXPECT_EQ(refusals, 12u) << "algorithm " << alg;
    for (const char* bad : {"nan", "inf,", "inf>", "min+-", "max--", "<-", " -"}) {
      EXPECT_EQ(text.find(bad), std::string::npos) << bad << ", algorithm " << alg;
    }
    // The dialogue ended at the empty line and the menu came back.
    EXPECT_NE(text.rfind("return to main menu:  \n\nType '1'"), std::string::npos);
  }
}

}  // namespace

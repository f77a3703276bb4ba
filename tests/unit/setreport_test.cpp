#include "features/setreport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/mainmenu.h"
#include "console/charsource.h"
#include "core/makeset.h"
#include "tests/unit/consoletest.h"

namespace {

// Every non-empty set typed at entry 1: the report completes for each one
// that is not refused, and no number comes out unprintable or signed wrongly.
TEST(SetReport, EveryNonEmptySet) {
  for (const bool forte : {false, true}) {
    std::string keys = forte ? "n\n#\n2\n1\n" : "n\n1\n";
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
    EXPECT_EQ(reports, 4095u - 12u) << "Forte " << forte;
    EXPECT_EQ(refusals, 12u) << "Forte " << forte;
    for (const char* bad : {"nan", "inf,", "inf>", "min+-", "max--", "<-", " -"}) {
      EXPECT_EQ(text.find(bad), std::string::npos) << bad << ", Forte " << forte;
    }
    // The dialogue ended at the empty line and the menu came back.
    EXPECT_NE(text.rfind("return to main menu:  \n\nType '1'"), std::string::npos);
  }
}

}  // namespace

// The eight instruction screens (the transcripts show three whole): each a
// heading and a body that fits a classic terminal of 80 columns, 23 lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "help/instructions.h"
#include "tests/unit/consoletest.h"

namespace {

// The heading of each screen and the lines up to its last with text.
struct screenshape {
  const char* heading;
  int textlines;
};

const screenshape shapes[] = {
    {"PELANTOR - Set Information Feature", 10},
    {"PELANTOR - Set Combination Feature", 23},
    {"PELANTOR - Subset Feature", 14},
    {"PELANTOR - Creating sets from interval-class vectors", 16},
    {"PELANTOR - Checking transformational possibilities between two sets", 18},
    {"PELANTOR - Entering Sets", 9},
    {"PELANTOR - Output Funnel", 8},
    {"PELANTOR - Changing the Prime Form Algorithm", 12},
};

class HelpScreen : public testing::TestWithParam<int> {};

// Two empty lines, the 23 lines, the ENTER prompt; the body indented two
// blanks, without tabs or trailing blanks, at most 77 characters wide.
TEST_P(HelpScreen, KeepsItsShape) {
  const int topic = GetParam();
  console c("any words\n");
  showinstructions(topic);
  const std::string shown = c.shown();
  const std::string tail = "\nHit 'ENTER' to continue  \n\n";
  ASSERT_TRUE(shown.starts_with("\n\n") && shown.ends_with(tail)) << topic;
  std::istringstream screen(shown.substr(2, shown.size() - 2 - tail.size()));
  std::string line;
  std::getline(screen, line);
  EXPECT_EQ(line, shapes[topic - 1].heading);
  int count = 1, lasttext = 1;
  while (std::getline(screen, line)) {
    ++count;
    if (line.empty()) continue;
    lasttext = count;
    EXPECT_LE(line.size(), 77u) << "topic " << topic << " line " << count;
    EXPECT_TRUE(line.starts_with("  ") && line.find('\t') == std::string::npos)
        << "topic " << topic << " line " << count;
    EXPECT_NE(line.back(), ' ') << "topic " << topic << " line " << count;
  }
  EXPECT_EQ(count, 23) << topic;
  EXPECT_EQ(lasttext, shapes[topic - 1].textlines) << topic;
}

INSTANTIATE_TEST_SUITE_P(AllTopics, HelpScreen, testing::Range(1, 9));

}  // namespace

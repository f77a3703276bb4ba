// The instruction screens: the shape of each of the eight (the transcripts
// show three of them whole).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/charsource.h"
#include "features/prompts.h"
#include "tests/unit/consoletest.h"

namespace {

const std::string topicmenu =
    "\nType  '1' to learn about single set information\n"
    "      '2' to learn about combining sets\n"
    "      '3' to learn about geting subsets\n"
    "      '4' to learn about creating sets from interval-class vectors\n"
    "      '5' to learn about checking transformational possibilities\n"
    "      '6' to learn about inputing pitch-class sets\n"
    "      '7' to learn about the the output funnel\n"
    "      '8' to learn about changing the prime form algorithm\n\nCommand:   ";
const std::string enterprompt = "\nHit 'ENTER' to continue  ";

// Types '?' at a question, then the given keystrokes, and returns what the
// instructions printed.
std::string runinstruct(const std::string& keys) {
  console typed("?\n" + keys);
  session s;
  EXPECT_EQ(readanswer(s, number(0, 7)), -1);
  return typed.shown();
}

// The screen of one topic, as printed between the topic menu and the ENTER
// prompt.
std::string topicscreen(int topic) {
  const std::string printed = runinstruct(std::to_string(topic) + "\n\n");
  const std::string head = topicmenu + "\n\n";
  const std::string tail = enterprompt + "\n\n";
  EXPECT_EQ(printed.substr(0, head.size()), head) << "topic " << topic;
  EXPECT_GE(printed.size(), head.size() + tail.size()) << "topic " << topic;
  EXPECT_EQ(printed.substr(printed.size() - tail.size()), tail) << "topic " << topic;
  return printed.substr(head.size(), printed.size() - head.size() - tail.size());
}

std::vector<std::string> splitlines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos;) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  EXPECT_EQ(start, text.size()) << "text after the last newline";
  return lines;
}

struct screenshape {
  const char* heading;
  int textlines;  // heading and body, up to the last line with text
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

TEST_P(HelpScreen, KeepsItsShape) {
  const int topic = GetParam();
  const screenshape& shape = shapes[topic - 1];
  const std::vector<std::string> lines = splitlines(topicscreen(topic));
  ASSERT_EQ(lines.size(), 23u) << "topic " << topic;
  EXPECT_EQ(lines[0], shape.heading);

  int lasttext = 0;
  for (int i = 1; i < 23; ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    lasttext = i;
    EXPECT_LE(line.size(), 77u) << "topic " << topic << " line " << i;
    EXPECT_EQ(line.substr(0, 2), "  ") << "topic " << topic << " line " << i;
    EXPECT_NE(line[2], '\t') << "topic " << topic << " line " << i;
    EXPECT_NE(line.back(), ' ') << "topic " << topic << " line " << i;
    EXPECT_EQ(line.find('\t'), std::string::npos) << "topic " << topic << " line " << i;
  }
  EXPECT_EQ(lasttext + 1, shape.textlines) << "topic " << topic;
}

INSTANTIATE_TEST_SUITE_P(AllTopics, HelpScreen, testing::Range(1, 9));

}  // namespace

// Input no user should type but some will: odd bytes, Windows line ends,
// numbers beyond any int, overlong lines, and file names that would harm the
// report file.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "console/charsource.h"
#include "console/funnel.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "tests/unit/consoletest.h"

namespace {

session s;

// A string literal with its NUL bytes, whole.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST(ReadFileName, WindowsLineEndNulAndHighBytes) {
  console c(std::string("report.txt\r\n") + bytes("rep\0ort\n") + "caf\xc3\xa9\n" + "tab\t\r\t\n");
  char name[30];
  EXPECT_EQ(readfilename(name), 10);
  EXPECT_EQ(std::string(name), "report.txt");
  // The name ends at the NUL; the rest of its line is gone with it.
  EXPECT_EQ(readfilename(name), 3);
  EXPECT_EQ(std::string(name), "rep");
  EXPECT_EQ(readfilename(name), 5);
  EXPECT_EQ(std::string(name), "caf\xc3\xa9");
  EXPECT_EQ(readfilename(name), 3);
  EXPECT_EQ(std::string(name), "tab");
}

TEST(ReadFileName, LongNameLeavesTheRestForTheNextPrompt) {
  console c(std::string(29, 'a') + "b\n" + std::string(29, 'c') + "\n2\n");
  char name[30];
  EXPECT_EQ(readfilename(name), 29);
  EXPECT_EQ(std::string(name), std::string(29, 'a'));
  // The rest, "b", is read as the next answer and refused like the line after.
  EXPECT_EQ(readanswer(s, number(0, 7)), 2);
  EXPECT_EQ(c.shown(), "I'm sorry, did you say something?  I'm sorry, did you say something?  ");
}

TEST(ReadFileName, TwentyNineCharactersTakeTheirLineEndAlong) {
  const std::string name(29, 'n');
  console c(name + "\n" + name + "\r\n" + name + "\r2\n");
  char typed[30];
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(readfilename(typed), 29);
    EXPECT_EQ(std::string(typed), name);
  }
  // A lone carriage return, a blank to every reader, goes too; what follows stays.
  EXPECT_EQ(readanswer(s, number(0, 7)), 2);
  EXPECT_EQ(c.shown(), "");
}

TEST(GetAnswer, NumbersBeyondIntNeverWrapIntoRange) {
  // 2^32 + 6 and 2^64 + 9 would wrap to 6 and 9 in a plain int.
  console c("4294967302\n18446744073709551625\n99999999999999999999999999\n6\n");
  EXPECT_EQ(readanswer(s, number(1, 16)), 6);
  EXPECT_EQ(c.shown(),
            "Answer out of range:  (1 - 16):  Answer out of range:  (1 - 16):  "
            "Answer out of range:  (1 - 16):  ");
}

TEST(GetAnswer, SignsNulAndHighBytesAreNoAnswers) {
  console c(bytes("-3\n+3\n\0\n\xff\n\xe9t\n3\n"));
  EXPECT_EQ(readanswer(s, number(0, 7)), 3);
  std::string expected;
  for (int i = 0; i < 5; ++i) expected += "I'm sorry, did you say something?  ";
  EXPECT_EQ(c.shown(), expected);
}

TEST(GetYn, WindowsLineEndsAndOddBytes) {
  console c(bytes("\xffy\n\0n\ny\r\nn\r\n"));
  EXPECT_EQ(readanswer(s, yesno), 1);
  EXPECT_EQ(readanswer(s, yesno), 0);
  EXPECT_EQ(c.shown(),
            "That's interesting, but I'd really prefer a yes or no answer.  "
            "That's interesting, but I'd really prefer a yes or no answer.  ");
}

TEST(AskExitToMenu, WindowsLineEnd) {
  console c("\r\nx\r\n\r\n");
  EXPECT_FALSE(askexittomenu());
  EXPECT_TRUE(askexittomenu());
  EXPECT_FALSE(askexittomenu());
}

TEST(ReadSet, OddBytesAreRefusedOneByOne) {
  console c(
      bytes("0\xff"
            "1\0"
            "4\r\n"));
  EXPECT_EQ(readset().set, pelantor::pcs("014"));
  const std::string nul(1, '\0');
  EXPECT_EQ(c.shown(),
            "ERROR -- bad input: \xff is not a pitch-class!\n"
            "ERROR -- bad input: " +
                nul + " is not a pitch-class!\n");
}

TEST(ReadSet, LineLongerThanAnyBuffer) {
  std::string line;
  for (int i = 0; i < 2000; ++i) line += "0 1 4 ";
  console c(line + "\n" + std::string(5000, '7') + "\n");
  EXPECT_EQ(readset().set, pelantor::pcs("014"));
  EXPECT_EQ(readset().set, pelantor::pcs("7"));
  EXPECT_EQ(c.shown(), "");
}

TEST(Screen, TextLongerThanALineArrivesWhole) {
  console c("");
  const std::string name(1000, 'a');
  screen("\"%s\" could not be opened\n", name.c_str());
  EXPECT_EQ(c.shown(), "\"" + name + "\" could not be opened\n");
}

TEST(Ungetch, AFullStackComplainsAndReadingGoesOn) {
  console c("5\n");
  for (int i = 0; i < 100; ++i) ungetch('\n');
  ungetch('x');
  EXPECT_EQ(c.shown(), "ungetch:  too many characters\n");
  // The hundred newlines are empty lines to the reader, then the 5.
  EXPECT_EQ(readanswer(s, number(0, 7)), 5);
}

// The report file in a scratch folder of its own.
struct scratchfolder {
  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path folder;
  scratchfolder() {
    folder =
        std::filesystem::temp_directory_path() /
        ("pelantor-badinput-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::filesystem::current_path(folder);
  }
  ~scratchfolder() {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
  }
};

TEST(IsReportFile, KnowsTheOpenReportByAnyName) {
  scratchfolder here;
  std::filesystem::create_directory("sub");
  console c;
  EXPECT_FALSE(isreportfile("report.txt"));
  ASSERT_TRUE(openreport("report.txt"));
  EXPECT_TRUE(isreportfile("report.txt"));
  EXPECT_TRUE(isreportfile("./report.txt"));
  EXPECT_TRUE(isreportfile("sub/../report.txt"));
  EXPECT_FALSE(isreportfile("report.txt "));
  EXPECT_FALSE(isreportfile("sub"));
  EXPECT_FALSE(isreportfile(""));
  // A report that cannot be opened leaves the funnel with the screen alone.
  EXPECT_FALSE(openreport("sub"));
  EXPECT_FALSE(isreportfile("report.txt"));
  EXPECT_FALSE(isreportfile("sub"));
}

}  // namespace

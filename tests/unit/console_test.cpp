// The readers and the escapes on string streams in place of the keyboard,
// with the input no user should type but some will: odd bytes, Windows line
// ends, numbers beyond any int, full buffers, file names that would harm
// the report file.
#include <gtest/gtest.h>

#include <filesystem>
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

const std::string algorithmmenu =
    "\nPlease type '1' for 'Rahn' type prime forms\n"
    "                (least packed to the right)\n"
    "       type '2' for 'Forte' type prime forms\n"
    "                (most packed to the left)\n\nCommand:  ";

// 2^32 + 6 and 2^64 + 9 would wrap to 6 and 9 in a plain int.
TEST(ReadAnswer, ComplainsAndReadsAgainWithoutWrappingIntoRange) {
  console c("0\n\n4294967302\n18446744073709551625\nq\nX\nx\n5\n");
  EXPECT_EQ(readanswer(s, numberorx(1, 12)), answerx);
  EXPECT_EQ(readanswer(s, number(0, 7)), 5);
  std::string expected;
  for (int i = 0; i < 3; ++i) expected += "Answer out of range:  (1 - 12) or type 'x':  ";
  EXPECT_EQ(c.shown(), expected + "Come again?  I'm sorry, did you say something?  ");
}

TEST(ReadAnswer, HashChangesTheAlgorithmAndGivesMinusOne) {
  console c("#\n2\n");
  session changed;
  EXPECT_EQ(readanswer(changed, yesno), -1);
  EXPECT_EQ(changed.algorithm, pelantor::Algorithm::forte);
  EXPECT_EQ(c.shown(), algorithmmenu + "\n");
}

TEST(Ask, ShowsTheQuestionAgainOnlyAfterAnEscape) {
  // '#' at the algorithm menu opens it once more; after Forte is chosen
  // there, the first menu is shown again and its answer, Rahn, stands.
  console c("9\n#\n#\n2\n1\nmaybe\n5\n");
  session changed;
  EXPECT_EQ(ask(changed, "Q?  ", number(0, 7), "|"), 5);
  EXPECT_EQ(changed.algorithm, pelantor::Algorithm::rahn);
  EXPECT_EQ(c.shown(), "Q?  Answer out of range:  (0 - 7):  " + algorithmmenu + algorithmmenu +
                           "\n" + algorithmmenu + "\n|Q?  I'm sorry, did you say something?  |");
}

TEST(ReadAnswer, SignsNulHighBytesAndWindowsLineEndsAreNoAnswers) {
  console c(bytes("-3\n+3\n\0\n\xff\n4\r\n\xffy\n\0n\nn\r\n"));
  EXPECT_EQ(readanswer(s, number(0, 7)), 4);
  EXPECT_EQ(readanswer(s, yesno), 0);
  std::string expected;
  for (int i = 0; i < 4; ++i) expected += "I'm sorry, did you say something?  ";
  for (int i = 0; i < 2; ++i) {
    expected += "That's interesting, but I'd really prefer a yes or no answer.  ";
  }
  EXPECT_EQ(c.shown(), expected);
}

TEST(ReadSet, SyntaxOfPitchClassesAndOddBytes) {
  console c(
      bytes("0 1 4\n4,1,0\naAtT+\nbBeE*\n12\n0\xff"
            "1\0"
            "4\r\n"
            "0 4 7"));
  using pelantor::pcs;
  for (const pelantor::PcSet expected : {pcs("014"), pcs("014"), pcs("a"), pcs("b"), pcs("12")}) {
    EXPECT_EQ(readset(), pelantor::MarkedSet{expected});
  }
  EXPECT_EQ(readset().set, pcs("014"));
  // An unfinished last line still counts.
  EXPECT_EQ(readset().set, pcs("047"));
  EXPECT_EQ(c.shown(),
            "ERROR -- bad input: , is not a pitch-class!\n"
            "ERROR -- bad input: , is not a pitch-class!\n"
            "ERROR -- bad input: \xff is not a pitch-class!\n"
            "ERROR -- bad input: " +
                std::string(1, '\0') + " is not a pitch-class!\n");
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

TEST(ReadFileName, TwentyNineCharactersTakeTheirLineEndAlong) {
  const std::string name(29, 'n');
  console c(name + "\n" + name + "\r\n" + name + "\r2\n" + name + "b\n");
  char typed[30];
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(readfilename(typed), 29);
    EXPECT_EQ(std::string(typed), name);
  }
  // A lone carriage return, a blank to every reader, goes too; what follows
  // stays.  The rest of a longer name, "b", is the next answer.
  EXPECT_EQ(readanswer(s, number(0, 7)), 2);
  EXPECT_EQ(readfilename(typed), 29);
  EXPECT_THROW(readanswer(s, number(0, 7)), inputended);
  EXPECT_EQ(c.shown(), "I'm sorry, did you say something?  ");
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
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("pelantor-unit-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  scratchfolder() {
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
  EXPECT_TRUE(isreportfile("./report.txt"));
  EXPECT_TRUE(isreportfile("sub/../report.txt"));
  EXPECT_FALSE(isreportfile("report.txt "));
  EXPECT_FALSE(isreportfile(""));
  // A report that cannot be opened leaves the funnel with the screen alone.
  EXPECT_FALSE(openreport("sub"));
  EXPECT_FALSE(isreportfile("report.txt"));
}

}  // namespace

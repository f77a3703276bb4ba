// The readers and writers run on string streams in place of the keyboard.
#include <gtest/gtest.h>

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

TEST(GetAnswer, SkipsBlanksAndDropsTheRestOfTheLine) {
  console c("   3\n3abc\n");
  EXPECT_EQ(readanswer(s, number(0, 7)), 3);
  EXPECT_EQ(readanswer(s, number(0, 7)), 3);
  EXPECT_EQ(c.shown(), "");
}

TEST(GetAnswer, ComplainsAndReadsAgain) {
  console c("12\n-1\n\n99999999999999\n5\n");
  EXPECT_EQ(readanswer(s, number(0, 7)), 5);
  EXPECT_EQ(c.shown(),
            "Answer out of range:  (0 - 7):  I'm sorry, did you say something?  "
            "Answer out of range:  (0 - 7):  ");
}

TEST(GetAnswer2, TakesXAndHasItsOwnComplaints) {
  console c("X\n13\nq\nx\n");
  EXPECT_EQ(readanswer(s, numberorx(2, 12)), answerx);
  EXPECT_EQ(readanswer(s, numberorx(2, 12)), answerx);
  EXPECT_EQ(c.shown(), "Answer out of range:  (2 - 12) or type 'x':  Come again?  ");
}

TEST(GetAnswer, XIsNoAnswerThere) {
  console c("x\n1\n");
  EXPECT_EQ(readanswer(s, number(0, 7)), 1);
  EXPECT_EQ(c.shown(), "I'm sorry, did you say something?  ");
}

TEST(GetYn, FirstLetterCounts) {
  console c("yes\nYup\n\n  y\nno\nmaybe\nN\n");
  EXPECT_EQ(readanswer(s, yesno), 1);
  EXPECT_EQ(readanswer(s, yesno), 1);
  EXPECT_EQ(readanswer(s, yesno), 1);
  EXPECT_EQ(readanswer(s, yesno), 0);
  EXPECT_EQ(readanswer(s, yesno), 0);
  EXPECT_EQ(c.shown(), "That's interesting, but I'd really prefer a yes or no answer.  ");
}

const std::string algorithmmenu =
    "\nPlease type '1' for 'Rahn' type prime forms\n"
    "                (least packed to the right)\n"
    "       type '2' for 'Forte' type prime forms\n"
    "                (most packed to the left)\n\nCommand:  ";

TEST(ReadAnswer, HashChangesTheAlgorithmAndGivesMinusOne) {
  console c("#\n2\n");
  session changed;
  EXPECT_EQ(readanswer(changed, yesno), -1);
  EXPECT_EQ(changed.algorithm, pelantor::Algorithm::forte);
  EXPECT_EQ(c.shown(), algorithmmenu + "\n");
}

TEST(ChooseAlgorithm, TheOuterDialogueHasTheLastWord) {
  // '#' at the algorithm menu opens it once more; after Forte is chosen
  // there, the first menu is shown again and its answer, Rahn, stands.
  console c("#\n#\n2\n1\n");
  session changed;
  EXPECT_EQ(readanswer(changed, number(0, 7)), -1);
  EXPECT_EQ(changed.algorithm, pelantor::Algorithm::rahn);
  EXPECT_EQ(c.shown(), algorithmmenu + algorithmmenu + "\n" + algorithmmenu + "\n");
}

TEST(Ask, ShowsTheQuestionAgainOnlyAfterAnEscape) {
  console c("9\n#\n2\nmaybe\n5\n");
  session changed;
  EXPECT_EQ(ask(changed, "Q?  ", number(0, 7), "|"), 5);
  EXPECT_EQ(changed.algorithm, pelantor::Algorithm::forte);
  // A wrong answer is complained about without the question; an escape
  // brings the question back, and what follows the answer is shown after
  // every reading.
  EXPECT_EQ(c.shown(), "Q?  Answer out of range:  (0 - 7):  " + algorithmmenu + "\n|Q?  " +
                           "I'm sorry, did you say something?  |");
}

TEST(Ask, YesNoAndXAnswers) {
  console c("?\n6\n\nno\nx\n");
  session unchanged;
  EXPECT_EQ(ask(unchanged, "", yesno), 0);
  EXPECT_EQ(ask(unchanged, "", numberorx(2, 12)), answerx);
  EXPECT_EQ(unchanged.algorithm, pelantor::Algorithm::rahn);
  EXPECT_NE(c.shown().find("PELANTOR - Entering Sets\n"), std::string::npos);
}

TEST(AskExitToMenu, EnterContinuesAndXLeaves) {
  console c("\nX\n   x\nok\n");
  EXPECT_FALSE(askexittomenu());
  EXPECT_TRUE(askexittomenu());
  EXPECT_TRUE(askexittomenu());
  EXPECT_FALSE(askexittomenu());
  EXPECT_THROW(askexittomenu(), inputended);
  std::string prompts;
  for (int i = 0; i < 4; ++i)
    prompts += "Type ENTER to continue or \"X\" to exit to main menu:  \n\n";
  EXPECT_EQ(c.shown(), prompts + "Type ENTER to continue or \"X\" to exit to main menu:  ");
}

TEST(EndOfInput, EndsEveryReaderInsteadOfLooping) {
  {
    console c("");
    EXPECT_THROW(readanswer(s, number(0, 7)), inputended);
  }
  {
    console c("maybe");
    EXPECT_THROW(readanswer(s, yesno), inputended);
  }
  {
    console c("\n\n");
    EXPECT_THROW(readset(), inputended);
  }
}

TEST(EndOfInput, AnUnfinishedLastLineStillCounts) {
  console c("4");
  EXPECT_EQ(readanswer(s, number(0, 7)), 4);
  console d("0 4 7");
  EXPECT_EQ(readset().set, pelantor::pcs("047"));
}

TEST(GetLine2, StopsAtTheLimit) {
  console c(std::string(40, 'a') + "\n7\n");
  char name[30];
  EXPECT_EQ(getline2(consolein(), name, 30), 29);
  EXPECT_EQ(std::string(name), std::string(29, 'a'));
  EXPECT_EQ(readanswer(s, number(0, 7)), 7);
  EXPECT_EQ(c.shown(), "I'm sorry, did you say something?  ");
}

TEST(ReadFileName, TrimsTrailingNewlinesAndTabsOnly) {
  console c("my file \t\t\n");
  char name[30];
  EXPECT_EQ(readfilename(name), 8);
  EXPECT_EQ(std::string(name), "my file ");
}

TEST(ReadSet, SyntaxOfPitchClasses) {
  console c("0 1 4\n410\n4,1,0\naAtT+\nbBeE*\n0 0 0\nx1\n12\n");
  using pelantor::pcs;
  for (const pelantor::PcSet expected :
       {pcs("014"), pcs("014"), pcs("014"), pcs("a"), pcs("b"), pcs("0"), pcs("1"), pcs("12")}) {
    EXPECT_EQ(readset(), pelantor::MarkedSet{expected});
  }
  EXPECT_EQ(c.shown(),
            "ERROR -- bad input: , is not a pitch-class!\n"
            "ERROR -- bad input: , is not a pitch-class!\n"
            "ERROR -- bad input: x is not a pitch-class!\n");
}

TEST(ReadSet, ExclusionMarkAndEmptySets) {
  console c("0n\nN0\n0 n\nn\n  \n5\nn\n\n");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(readset(), (pelantor::MarkedSet{pelantor::PcSet{0}, true}));
  EXPECT_EQ(readset(), pelantor::MarkedSet{pelantor::PcSet{5}});
  EXPECT_EQ(c.shown(),
            "I'm sorry, there's just no point dealing with an empty set.\n  Try again: "
            "I'm sorry, there's just no point dealing with an empty set.\n  Try again: ");
  EXPECT_EQ(readsetorempty(), (pelantor::MarkedSet{pelantor::PcSet{}, true}));
  EXPECT_EQ(readsetorempty(), pelantor::MarkedSet{});
}

}  // namespace

#include "features/prompts.h"

#include "console/charsource.h"
#include "console/funnel.h"
#include "help/instructions.h"

namespace {

bool isblank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isdigitchar(int c) {
  return c >= '0' && c <= '9';
}

// The first character of an answer: blanks and empty lines are skipped.
int firstnonblank() {
  int c = getcharacter(consolein());
  while (isblank(c)) c = getcharacter(consolein());
  return c;
}

void droprest() {
  skipline(consolein());
}

void screentext(std::string_view text) {
  if (!text.empty()) screen("%.*s", static_cast<int>(text.size()), text.data());
}

constexpr const char* algorithmmenu =
    "\nPlease type '1' for 'Rahn' type prime forms\n"
    "                (least packed to the right)\n"
    "       type '2' for 'Forte' type prime forms\n"
    "                (most packed to the left)\n"
    "\n"
    "Command:  ";

// '#': the algorithm in force from now on.
void choosealgorithm(session& s) {
  s.algorithm = ask(s, algorithmmenu, number(1, 2)) == 1 ? pelantor::Algorithm::rahn
                                                         : pelantor::Algorithm::forte;
  screen("\n");
}

// '?': the topic menu, asked like every question (so '?' there opens the
// instructions once more), then the screen of the topic.
void instruct(session& s) {
  showinstructions(ask(s, instructiontopicmenu, number(1, instructiontopics)));
}

// The two escapes every question offers; true when c was one of them.
bool escape(int c, session& s) {
  if (c == 'H' || c == 'h' || c == '?') {
    droprest();
    instruct(s);
    return true;
  }
  if (c == '#') {
    droprest();
    choosealgorithm(s);
    return true;
  }
  return false;
}

int readyesno(session& s) {
  for (;;) {
    const int c = firstnonblank();
    if (c == 'Y' || c == 'y' || c == 'N' || c == 'n') {
      droprest();
      return c == 'Y' || c == 'y' ? 1 : 0;
    }
    if (escape(c, s)) return -1;
    screen("That's interesting, but I'd really prefer a yes or no answer.  ");
    droprest();
  }
}

int readnumber(session& s, int lo, int hi, bool allowx) {
  for (;;) {
    const int c = firstnonblank();
    if (isdigitchar(c)) {
      const int n = getint(c);
      droprest();
      if (n >= lo && n <= hi) return n;
      screen(allowx ? "Answer out of range:  (%1i - %1i) or type 'x':  "
                    : "Answer out of range:  (%1i - %1i):  ",
             lo, hi);
      continue;
    }
    if (allowx && (c == 'x' || c == 'X')) {
      droprest();
      return answerx;
    }
    if (escape(c, s)) return -1;
    screen(allowx ? "Come again?  " : "I'm sorry, did you say something?  ");
    droprest();
  }
}

// True when the line begins, after blanks, with x or X.  An empty line
// answers at once.
bool readexit() {
  int c = getcharacter(consolein());
  while (c != '\n' && isblank(c)) c = getcharacter(consolein());
  if (c != '\n') droprest();
  return c == 'x' || c == 'X';
}

}  // namespace

int readanswer(session& s, answers what) {
  switch (what.takes) {
    case answers::form::yesno:
      return readyesno(s);
    case answers::form::number:
      return readnumber(s, what.lo, what.hi, false);
    default:
      return readnumber(s, what.lo, what.hi, true);
  }
}

int ask(session& s, std::string_view question, answers what, std::string_view after) {
  for (;;) {
    screentext(question);
    const int answer = readanswer(s, what);
    screentext(after);
    if (answer != -1) return answer;
  }
}

bool askexittomenu() {
  screen("Type ENTER to continue or \"X\" to exit to main menu:  ");
  const bool exit = readexit();
  screen("\n\n");
  return exit;
}

#include "console/miscrout.h"

#include "console/funnel.h"
#include "console/getch.h"
#include "core/primeform.h"
#include "help/helpfunc.h"

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

// The two escapes every prompt reader offers; true when c was one of them.
bool escape(int c, int* primealg) {
  if (c == 'H' || c == 'h' || c == '?') {
    droprest();
    instruct(primealg);
    return true;
  }
  if (c == '#') {
    droprest();
    changesetnum(primealg);
    return true;
  }
  return false;
}

// Shared by getanswer and getanswer2: a number in lo..hi, x when allowx,
// or -1 after an escape.
int readanswer(int lo, int hi, int* primealg, bool allowx) {
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
    if (escape(c, primealg)) return -1;
    screen(allowx ? "Come again?  " : "I'm sorry, did you say something?  ");
    droprest();
  }
}

}  // namespace

int getyn(int* primealg) {
  for (;;) {
    const int c = firstnonblank();
    if (c == 'Y' || c == 'y' || c == 'N' || c == 'n') {
      droprest();
      return c == 'Y' || c == 'y' ? 1 : 0;
    }
    if (escape(c, primealg)) return -1;
    screen("That's interesting, but I'd really prefer a yes or no answer.  ");
    droprest();
  }
}

int getanswer(int lo, int hi, int* primealg) {
  return readanswer(lo, hi, primealg, false);
}

int getanswer2(int lo, int hi, int* primealg) {
  return readanswer(lo, hi, primealg, true);
}

int quitnow() {
  int c = getcharacter(consolein());
  while (c != '\n' && isblank(c)) c = getcharacter(consolein());
  if (c != '\n') droprest();
  return c == 'x' || c == 'X' ? 1 : 0;
}

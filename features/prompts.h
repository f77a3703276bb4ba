#pragma once
// The questions of the dialogue and the readers of their answers.  The
// question is shown on the screen; a reader prints only its complaints and
// reads again until it has an answer.  At every question '?', 'h' or 'H'
// opens the instruction screens and '#' the choice of the prime-form
// algorithm; the reader then gives -1, and the question is shown again.

#include <string_view>

#include "features/session.h"

// The answer x, for "any" or "left open"; outside every range a question
// takes.
inline constexpr int answerx = 'x';

// What a question takes.
struct answers {
  enum class form { yesno, number, numberorx };
  form takes;
  int lo;
  int hi;
};
// Yes (1) or no (0): the first letter of the line decides.
inline constexpr answers yesno{answers::form::yesno, 0, 1};
// A number from lo to hi.
constexpr answers number(int lo, int hi) {
  return {answers::form::number, lo, hi};
}
// A number from lo to hi, or x or X for answerx.
constexpr answers numberorx(int lo, int hi) {
  return {answers::form::numberorx, lo, hi};
}

// Reads one answer to what from the console: 1 or 0 for yes or no, the
// number, or answerx.  -1 when the user typed an escape and went through its
// dialogue.  Blanks and empty lines before the answer are skipped; the rest
// of the answer's line is dropped.
int readanswer(session& s, answers what);

// Shows question, reads the answer, then shows after; all of it again while
// the reader gives -1, so that the question is back on the screen after an
// escape.  Returns the answer, never -1.
int ask(session& s, std::string_view question, answers what, std::string_view after = {});

// After a page of results: asks whether to go on or back to the main menu.
// True when the user typed x or X; ENTER or any other line goes on.
bool askexittomenu();

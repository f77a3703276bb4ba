#pragma once
// Sets typed at the keyboard: one line, one character per pitch class, in
// the set syntax of pelantor/notation.h.  Blanks are skipped; n or N marks
// the set for exclusion; any other character is reported on the screen and
// skipped, so that the rest of the line still counts.

#include "pelantor/notation.h"

// Reads one line as a set (the caller has shown its prompt).  A line without
// a pitch class is refused with a message and another is read.
pelantor::MarkedSet readset();
// The same, taking a line without a pitch class (an empty line, to leave a
// loop) as the empty set.
pelantor::MarkedSet readsetorempty();

#pragma once
// The settings of one run of the dialogue.  The main menu owns them from the
// start of the program to its end and hands them by reference to every
// feature and every question, so that a change made anywhere ('#' at any
// question, the defaults of the transformation feature) lasts for the rest
// of the run.  Nothing of them is kept between runs.

#include "pelantor/primeform.h"

// The defaults of the transformation feature (main-menu entry 5).  Each is
// asked once when the user changes them; an escape there stores -1, which
// counts as yes.
struct transformdefaults {
  int includeI = 1;   // TnI belongs to the canon of operators
  int includeM = 0;   // TnM (M5) belongs to it
  int includeMI = 0;  // TnMI (M7) belongs to it
  int showall = 1;    // every operator found, not only the first
};

struct session {
  pelantor::Algorithm algorithm = pelantor::Algorithm::rahn;  // of every prime form shown
  transformdefaults transform;
};

#pragma once
// The program's main loop: the main menu over every feature, and the
// report-file question at start and at menu entry 0.

#include <iosfwd>

// Runs the whole dialogue on the given console streams until the input ends;
// returns the exit status (0).  Every run starts from fresh settings.  A
// caught signal (console/signals.h) ends the process instead, after the
// report file has been closed.
int runprogram(std::istream& in, std::ostream& out);

#pragma once
// The program's main loop.

#include <iosfwd>

// Runs the whole dialogue on the given console streams until the input ends;
// returns the exit status (0).  Every run starts from fresh settings.  A
// caught signal (console/signals.h) ends the process instead, after the
// report file has been closed.
int runprogram(std::istream& in, std::ostream& out);

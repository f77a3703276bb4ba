#pragma once
// Line editing and history for a console that is a terminal.  Built only
// when the line-editing library is available; otherwise never active.

#include <string>

// True when standard input and output are both a terminal and line editing
// is built in.  Output to a file must hold the plain dialogue, prompts
// included, which the editor would not write there.
bool lineeditavailable();
// Shows prompt, lets the user edit one line and stores it in line without
// its newline; non-empty lines join the history.  False at end of input, and
// when a caught signal interrupts the typing.  The first call notes the
// terminal's settings for restoreterminal.
bool editline(const std::string& prompt, std::string& line);
// Puts the terminal back into the state editline first found it in, for an
// end in the middle of a line; nothing when editline never ran.
void restoreterminal();

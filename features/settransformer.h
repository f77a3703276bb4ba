#pragma once
// Main-menu entry 5: the operators that map one typed set onto another.

struct session;

// Lists the operators of the canon that map one typed set onto another of
// the same size, whole or split into two parts, pair after pair until the
// user goes back to the main menu.  The defaults (canon, all or first
// operator) are the session's, so a change lasts for the rest of the run.
void findtransformations(session& s);

#pragma once
// Main-menu entry 2: combining typed subsets into larger sets.

struct session;

// Reads a group of subsets (and sets to exclude), then lists the set classes
// of their combinations under the option the user picks, until the user
// goes back to the main menu.
void combinesubsets(session& s);

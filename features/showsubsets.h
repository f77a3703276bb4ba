#pragma once
// Main-menu entry 3: the subset classes of one or more typed supersets.

struct session;

// Reads a group of supersets and lists the set classes embedded in all of
// them, with the embedding counts when there is one superset, until the user
// goes back to the main menu.
void showsubsets(session& s);

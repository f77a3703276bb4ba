#pragma once
// Main-menu entry 6: the similarity menu, with the measure menu and the
// measure names that every comparison shares.

#include "core/makeset.h"

// The similarity menu; returns to the main menu after one comparison.
void altvecsim(int* primealg);

// Shows the measure menu until a measure is chosen; returns it (1..16).
int whichmeasure(int* primealg);
// Writes the short name of the measure through the funnel; nothing for a
// number outside 1..16.
void writemeasurename(int measure);

// The comparison matrix of 2 to 15 typed sets.
void uptotencompare(int* primealg);
// One typed set against every set class of a range of cardinalities,
// listed by distinct value.
void generalcomparetoall(int* primealg);

// True when set (without the exclusion mark) cannot be compared: fewer than
// 2 or more than 10 pitch classes.  One- and eleven/twelve-note sets are
// told why on the screen; the empty set silently.
bool refusedsize(bitvec set);

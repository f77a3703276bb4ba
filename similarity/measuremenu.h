#pragma once
// What every comparison of the similarity menu shares: the choice of the
// measure, the measures' names, and the sizes of set a measure can compare.

#include "core/makeset.h"

struct session;

// Shows the measure menu until a measure is chosen; returns it (1..16).
int choosemeasure(session& s);
// Writes the short name of the measure through the funnel; nothing for a
// number outside 1..16.
void writemeasurename(int measure);

// True when set (without the exclusion mark) cannot be compared: fewer than
// 2 or more than 10 pitch classes.  One- and eleven/twelve-note sets are
// told why on the screen; the empty set silently.
bool refusedsize(bitvec set);

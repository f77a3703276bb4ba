#pragma once
// Main-menu entry 6: comparing sets under one of the sixteen similarity
// measures, and what its set-list entries share with it.

#include "pelantor/similarity.h"

struct session;

// The similarity menu: typed sets as a matrix, one set against every set
// class, or the set-list files; returns to the main menu after one
// comparison.
void comparesimilarity(session& s);

// Shows the measure menu, one line per measure of the engine's table, until
// a measure is chosen; returns it.
pelantor::Measure choosemeasure(session& s);

// True when set (without the exclusion mark) cannot be compared: fewer than
// 2 or more than 10 pitch classes.  One- and eleven/twelve-note sets are
// told why on the screen; the empty set silently.
bool refusedsize(pelantor::PcSet set);

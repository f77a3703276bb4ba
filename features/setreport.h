#pragma once
// Main-menu entry 1: the full report on one set.

#include "core/makeset.h"

struct session;

// Reads set after set and writes the full report on each, until an empty
// line.
void showsetinfo(session& s);
// The one-line class summary: label cell, IC vector and Z-correspondent,
// without a line end.
void writeinfo(bitvec set, int primealg);

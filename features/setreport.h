#pragma once
// Main-menu entry 1: the full report on one set.

#include "core/makeset.h"

void setstuff(int* primealg);
// The one-line class summary: label cell, IC vector and Z-correspondent,
// without a line end.
void writeinfo(bitvec set, int primealg);

#pragma once
// Main-menu entry 1: the full report on one set.

struct session;

// Reads set after set and writes the full report on each, until an empty
// line.
void showsetinfo(session& s);

#pragma once
// Main-menu entry 6: comparing sets under one of the sixteen similarity
// measures.

struct session;

// The similarity menu: typed sets as a matrix, one set against every set
// class, or the set-list files; returns to the main menu after one
// comparison.
void comparesimilarity(session& s);

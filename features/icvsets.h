#pragma once
// Main-menu entry 4: the set classes whose interval-class vectors match one
// typed in part.

struct session;

// Asks for a cardinality (or any) and the six interval-class counts (each
// possibly left open), lists every matching class, and again until the
// user goes back to the main menu.
void findsetsbyicvector(session& s);

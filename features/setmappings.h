#pragma once
// Main-menu entry 7: the chart of every set class against the 48 operators.

// Writes the chart of every set class (Rahn prime forms, sizes 1 to 12,
// whatever algorithm is in force) against the 48 operators: x where the
// operator maps the prime form onto itself or onto a set disjoint from it.
void showmappings();

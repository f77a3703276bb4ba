#pragma once
// Main-menu entries 5 and 7: operators between two sets, and set mappings.

// Lists the operators of the canon that map one typed set onto another of
// the same size, whole or split into two parts, pair after pair until the
// user goes back to the main menu.  The four defaults belong to the caller
// and are read and changed through the pointers, so a change lasts for the
// rest of the run; primealg only reaches the prompt readers.
void comparesets(int* primealg, int* includeI, int* includeM, int* includeMI, int* showall);
// Writes the chart of every set class (Rahn prime forms, sizes 1 to 12)
// against the 48 operators: x where the operator maps the prime form onto
// itself or onto a set disjoint from it.  primealg is not used.
void mapontoself(int* primealg);

#pragma once
// Set-list files: plain text, one set a line as the decimal value of its
// bitvec.  Entries 3 to 6 of the similarity menu.

// Asks for a file name and writes the sets typed until an empty line.
void getsetlist(int* primealg);
// Every set of one file against every set of it, with all values.
void setlistcompare(int* primealg);
// Every set of one file against every set of another, with all values.
void setlistcompare2(int* primealg);
// Every set of one file against every set of it, statistics only.
void setliststats(int* primealg);

#pragma once
// Set-list files: plain text, one set a line as the decimal value of its
// bits (pelantor/setlist.h).  Entries 3 to 6 of the similarity menu.

struct session;

// Asks for a file name and writes the sets typed until an empty line.
void createsetlist();
// Every set of one file against every set of it, with all values.
void comparewithinlist(session& s);
// Every set of one file against every set of another, with all values.
void comparetwolists(session& s);
// Every set of one file against every set of it, statistics only.
void showliststatistics(session& s);

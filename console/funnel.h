#pragma once
// The output funnel: results go to the screen and, when one is open, to the
// report file.  Prompts, menus and complaints go to the screen only, through
// screen().

#include "core/makeset.h"

// printf-style text to the screen only.
void screen(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The writers of results.
void mwrite(const char* text);
void writehex(int n);          // "%x"
void writenum(int n);          // "%1i"
void writenum64(long long n);  // "%1lli", for counts beyond 32 bits
void writereal(double x);      // "%.3f"
void writereal2(double x);     // "%.2f"
void spaces(int n);            // n blanks; nothing for n <= 0
// "not " for a set carrying the exclusion mark, then the pitch classes in
// braces (braces != 0) or square brackets.
void writeset(bitvec set, int braces);
// The image of set under Tt (inverted 0) or TtI, in the order of set's own
// pitch classes, in braces.
void writetransform(bitvec set, int inverted, int t);
// "<" vec[lo..hi] as hexadecimal digits (120 as x) ">".
void printintvec(const int vec[], int lo, int hi);
// "<" places 1..6 with two decimals, separated by ", " ">".
void printcompact(const double vec[7]);

// The title banner, screen only.
void printtitle();
// The report-file dialogue; redirect 1 first closes the open report file.
void chooseoutpt(int* primealg, int redirect);
// Hands everything written to the report file so far to the system.  The
// console calls it before screen text leaves the program, so whatever the
// user has seen is in the report file, whatever happens next.
void writereporttodisk();
// Closes the report file, if one is open; the funnel then writes to the
// screen alone.
void closereport();
// True when a report file is open and name names that same file, so that a
// feature about to overwrite a file can spare the report.
bool isreportfile(const char* name);

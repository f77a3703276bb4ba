#pragma once
// The output funnel: results go to the screen and, when one is open, to the
// report file.  Prompts, menus and complaints go to the screen only, through
// screen().

// printf-style text to the screen only.
void screen(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The plain writers of results; sets, vectors and labels have theirs in
// console/setwriters.h.
void mwrite(const char* text);
void writehex(int n);          // "%x"
void writenum(int n);          // "%1i"
void writenum64(long long n);  // "%1lli", for counts beyond 32 bits
void writereal(double x);      // "%.3f"
void writereal2(double x);     // "%.2f"
void spaces(int n);            // n blanks; nothing for n <= 0

// The title banner, screen only.
void printtitle();
// Opens the file name for appending as the report file and writes its
// banner into it; from then on every result goes there too.  False, with
// errno telling why, when the file cannot be opened: results then go to the
// screen alone.  An open report file is closed first.
bool openreport(const char* name);
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

#pragma once
// The output funnel: results go to the screen and, when one is open, to the
// report file.  Prompts, menus and complaints go to the screen only, through
// screen().

// printf-style text to the screen only.
void screen(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A result's text (built by reports/), to the screen and the report file.
void mwrite(const char* text);
// n blanks, the same way; nothing for n <= 0.
void spaces(int n);

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

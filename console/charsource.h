#pragma once
// The character source of the whole program, with push-back, and the small
// readers built on it.

#include <cstddef>
#include <iosfwd>

// Thrown by the character source when the console input is exhausted; the
// main loop catches it and ends the program cleanly.
struct inputended {};

// Makes in and out the console streams and resets the push-back stack and
// the end-of-input state.
void setconsole(std::istream& in, std::ostream& out);
std::istream& consolein();
// Writes text to the console (the screen).  It leaves the program when the
// dialogue waits for input, or at consoleflush, always after the report file
// has been written to disk up to the same point.
void consolewrite(const char* text, std::size_t length);
// Sends everything written so far to the report file's disk and the screen.
void consoleflush();

// The next character: the last one pushed back, else the next of the stream,
// or -1 at the end of a file.  On the console a missing final newline is
// supplied once; reading past that throws inputended.  A caught signal or a
// lost screen throws interrupted (console/signals.h) at the next console read.
int getcharacter(std::istream& stream);
// Pushes c back (at most 100 characters are held).
void ungetch(int c);
// The decimal value of the digit c and the digits that follow on the
// console; the first non-digit is pushed back.  Values beyond the range of
// int stay at the largest int.
int getint(int c);
// Stores up to lim - 1 characters of one line (its newline included) in s,
// NUL-terminated, bypassing the push-back stack; returns how many.
int getline2(std::istream& stream, char* s, int lim);
// Drops the rest of the current console line, its newline included.
void skipline(std::istream& stream);
// Reads a file name line (at most 29 characters) into name[30], cuts it at
// a NUL and trims trailing newlines, tabs and carriage returns; returns its
// length.  The line end right after a name of exactly 29 characters is read
// with it; of a longer line the rest stays for the next reader.
int readfilename(char name[30]);

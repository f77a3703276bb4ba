#include "console/charsource.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include "console/funnel.h"
#include "console/lineedit.h"
#include "console/signals.h"

namespace {

constexpr int bufsize = 100;

// The push-back stack, shared by every stream read through getcharacter.
int buf[bufsize];
int bufp = 0;

std::istream* in = &std::cin;
std::ostream* out = &std::cout;

// The last character handed out from the console, so that a final line
// without its newline still ends like a line.
int lastconsolechar = '\n';

// Screen text waits here until the program needs input (or much has
// gathered); only then does it leave, right after the report file has been
// handed to the system, so that the screen never runs ahead of the report.
constexpr std::size_t screenbatch = 1 << 16;
std::string screentext;
// Set when the screen could not be written (a closed pipe, a hung-up
// terminal): the dialogue ends at its next read.
bool screenlost = false;

// At a terminal with line editing, lines come from the editor, and the
// unfinished last line of output is held back to become the editor's prompt,
// so that the editor can redraw it.
bool editing = false;
std::string pendingprompt;
std::string editedline;
std::size_t editedpos = 0;

void releasescreentext() {
  writereporttodisk();
  if (!screentext.empty()) {
    out->write(screentext.data(), static_cast<std::streamsize>(screentext.size()));
    screentext.clear();
  }
  out->flush();
  if (!*out) screenlost = true;
}

// A caught signal, or the loss of the screen, ends the dialogue here.
void stopifinterrupted() {
  if (const int sig = pendingsignal(); sig != 0) throw interrupted{sig};
  if (screenlost) throw interrupted{SIGPIPE};
}

// Waits until standard input has something to read (or is at its end) or a
// signal is caught.  A blocking read alone would wait on through a signal.
void awaitstdin() {
  const int wakeupfd = signalwakeupfd();
  if (wakeupfd < 0) return;
  pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {wakeupfd, POLLIN, 0}};
  while (pendingsignal() == 0) {
    if (poll(watched, 2, -1) < 0 && errno != EINTR) return;
    if (watched[0].revents != 0) return;
  }
}

int editedchar() {
  if (editedpos == editedline.size()) {
    releasescreentext();
    const std::string prompt = std::move(pendingprompt);
    pendingprompt.clear();
    const bool typed = editline(prompt, editedline);
    stopifinterrupted();
    if (!typed) throw inputended{};
    editedline += '\n';
    editedpos = 0;
  }
  return static_cast<unsigned char>(editedline[editedpos++]);
}

// Before the console input could make the program wait: everything shown so
// far goes out, and the wait ends early for a signal.
void beforewaiting() {
  if (in->rdbuf()->in_avail() > 0) return;
  releasescreentext();
  stopifinterrupted();
  if (in == &std::cin) awaitstdin();
  stopifinterrupted();
}

bool isdigitchar(int c) {
  return c >= '0' && c <= '9';
}

// The next character of the console.  At its end a missing newline is
// supplied once; after that the dialogue cannot go on.
int consolechar() {
  stopifinterrupted();
  if (editing) return editedchar();
  beforewaiting();
  const int c = in->get();
  if (c == std::char_traits<char>::eof()) {
    if (lastconsolechar != '\n') {
      lastconsolechar = '\n';
      return '\n';
    }
    throw inputended{};
  }
  lastconsolechar = c;
  return c;
}

int rawchar(std::istream& stream) {
  if (&stream == in) return consolechar();
  const int c = stream.get();
  return c == std::char_traits<char>::eof() ? -1 : c;
}

// value * 10 + digit, held at INT_MAX once it would go beyond.
int appenddigit(int value, int c) {
  const int digit = c - '0';
  if (value > (INT_MAX - digit) / 10) return INT_MAX;
  return value * 10 + digit;
}

}  // namespace

void setconsole(std::istream& input, std::ostream& output) {
  in = &input;
  out = &output;
  bufp = 0;
  lastconsolechar = '\n';
  editing = &input == &std::cin && &output == &std::cout && lineeditavailable();
  screentext.clear();
  screenlost = false;
  pendingprompt.clear();
  editedline.clear();
  editedpos = 0;
}

std::istream& consolein() {
  return *in;
}

void consolewrite(const char* text, std::size_t length) {
  if (!editing) {
    screentext.append(text, length);
  } else {
    pendingprompt.append(text, length);
    const std::size_t lineend = pendingprompt.rfind('\n');
    if (lineend == std::string::npos) return;
    screentext.append(pendingprompt, 0, lineend + 1);
    pendingprompt.erase(0, lineend + 1);
  }
  if (screentext.size() >= screenbatch) releasescreentext();
}

void consoleflush() {
  screentext += pendingprompt;
  pendingprompt.clear();
  releasescreentext();
}

int getcharacter(std::istream& stream) {
  if (bufp > 0) return buf[--bufp];
  return rawchar(stream);
}

void ungetch(int c) {
  if (bufp < bufsize) {
    buf[bufp++] = c;
  } else {
    screen("ungetch:  too many characters\n");
  }
}

int getint(int c) {
  int value = 0;
  while (isdigitchar(c)) {
    value = appenddigit(value, c);
    c = getcharacter(*in);
  }
  ungetch(c);
  return value;
}

int getline2(std::istream& stream, char* s, int lim) {
  int count = 0;
  while (count < lim - 1) {
    const int c = rawchar(stream);
    if (c == -1) break;
    s[count++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  s[count] = '\0';
  return count;
}

void skipline(std::istream& stream) {
  int c = getcharacter(stream);
  while (c != '\n' && c != -1) c = getcharacter(stream);
}

namespace {

// The next character of the console without taking it, or -1 when none is
// at hand (end of input, or the line editor would have to ask for a line).
int peekconsole() {
  if (editing) {
    return editedpos < editedline.size() ? static_cast<unsigned char>(editedline[editedpos]) : -1;
  }
  const int c = in->peek();
  return c == std::char_traits<char>::eof() ? -1 : c;
}

// After a name that filled all 29 places: the line end that follows it at
// once belongs to the name's line, not to the next prompt.  Nothing is
// pushed back, so that no character waits on the push-back stack while a
// set-list file is read.
void droplineend() {
  if (peekconsole() == '\r') consolechar();
  if (peekconsole() == '\n') consolechar();
}

}  // namespace

int readfilename(char name[30]) {
  int length = getline2(*in, name, 30);
  if (length == 29 && name[28] != '\n') droplineend();
  // No file name holds a NUL: the name ends at the first one.
  length = static_cast<int>(std::strlen(name));
  // A carriage return is the first half of a Windows line end, never meant
  // as part of the name.
  while (length > 0 &&
         (name[length - 1] == '\n' || name[length - 1] == '\t' || name[length - 1] == '\r')) {
    name[--length] = '\0';
  }
  return length;
}

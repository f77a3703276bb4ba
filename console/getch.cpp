#include "console/getch.h"

#include <climits>
#include <cstring>
#include <iostream>
#include <string>

#include "console/funnel.h"
#include "console/lineedit.h"

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

// At a terminal with line editing, lines come from the editor, and the
// unfinished last line of output is held back to become the editor's prompt,
// so that the editor can redraw it.
bool editing = false;
std::string pendingprompt;
std::string editedline;
std::size_t editedpos = 0;

int editedchar() {
  if (editedpos == editedline.size()) {
    out->flush();
    const std::string prompt = std::move(pendingprompt);
    pendingprompt.clear();
    if (!editline(prompt, editedline)) throw inputended{};
    editedline += '\n';
    editedpos = 0;
  }
  return static_cast<unsigned char>(editedline[editedpos++]);
}

bool isdigitchar(int c) {
  return c >= '0' && c <= '9';
}

// The next character of the console.  At its end a missing newline is
// supplied once; after that the dialogue cannot go on.
int consolechar() {
  if (editing) return editedchar();
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
  pendingprompt.clear();
  editedline.clear();
  editedpos = 0;
}

std::istream& consolein() {
  return *in;
}

void consolewrite(const char* text, std::size_t length) {
  if (!editing) {
    out->write(text, static_cast<std::streamsize>(length));
    return;
  }
  pendingprompt.append(text, length);
  const std::size_t lineend = pendingprompt.rfind('\n');
  if (lineend == std::string::npos) return;
  out->write(pendingprompt.data(), static_cast<std::streamsize>(lineend + 1));
  pendingprompt.erase(0, lineend + 1);
}

void consoleflush() {
  if (!pendingprompt.empty()) {
    out->write(pendingprompt.data(), static_cast<std::streamsize>(pendingprompt.size()));
    pendingprompt.clear();
  }
  out->flush();
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

int fgetint(std::istream& stream) {
  int value = 0;
  int c = getcharacter(stream);
  while (isdigitchar(c)) {
    value = appenddigit(value, c);
    c = getcharacter(stream);
  }
  // Files saved with Windows line ends separate numbers by CR LF.
  if (c == '\r' && stream.peek() == '\n') c = getcharacter(stream);
  if (c == -1 || value == 0) return -1;
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

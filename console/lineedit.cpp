#include "console/lineedit.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#ifdef PELANTOR_HAVE_LIBEDIT
#include <editline/readline.h>
#endif

namespace {

// The terminal's settings before the editor first changed them.
struct termios original;
bool remembered = false;

}  // namespace

void restoreterminal() {
  if (remembered) tcsetattr(STDIN_FILENO, TCSANOW, &original);
}

#ifdef PELANTOR_HAVE_LIBEDIT

namespace {

void rememberterminal() {
  if (!remembered) remembered = tcgetattr(STDIN_FILENO, &original) == 0;
}

}  // namespace

bool lineeditavailable() {
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

bool editline(const std::string& prompt, std::string& line) {
  rememberterminal();
  // The program's own handlers see every signal: the editor's would send it
  // on to the whole process group.  A caught signal interrupts the editor's
  // read, and it returns.
  rl_catch_signals = 0;
  char* typed = readline(prompt.c_str());
  if (typed == nullptr) return false;
  line = typed;
  std::free(typed);
  if (!line.empty()) add_history(line.c_str());
  return true;
}

#else

bool lineeditavailable() {
  return false;
}
bool editline(const std::string&, std::string&) {
  return false;
}

#endif

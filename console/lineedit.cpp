#include "console/lineedit.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#ifdef PELANTOR_HAVE_LIBEDIT
#include <editline/readline.h>
#endif

#ifdef PELANTOR_HAVE_LIBEDIT

bool lineeditavailable() {
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

bool editline(const std::string& prompt, std::string& line) {
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

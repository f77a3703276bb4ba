// The program's entry point.  Without arguments it runs the interactive
// dialogue on the standard streams; --help and --version answer at once; a
// command name runs that one-shot command.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "app/mainmenu.h"
#include "cli/command.h"
#include "console/signals.h"

namespace {

constexpr const char* usagehead =
    "Usage: pelantor [--help | --version]\n"
    "       pelantor COMMAND [OPTIONS] [ARGS]\n"
    "\n"
    "Pelantor analyses pitch-class sets for post-tonal music theory: prime forms\n"
    "and Forte labels, interval content and saturation vectors, subsets and\n"
    "supersets, twelve-tone operators between sets, and sixteen similarity\n"
    "measures.  Run it without arguments and answer its menus; type '?' at any\n"
    "menu for the instruction screens.  It reads the dialogue from standard\n"
    "input and ends, with status 0, at the end of it.\n"
    "\n"
    "A command runs once and exits, writing its results to standard output as\n"
    "text, JSON Lines or CSV ('pelantor COMMAND --help' describes each):\n";

constexpr const char* usagetail =
    "\n"
    "Options:\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "The manual page pelantor(1) describes the program in full.\n";

std::string usagetext() {
  return usagehead + pelantor::cli::command_list() + usagetail;
}

constexpr const char* versiontext = "pelantor " PELANTOR_VERSION "\n";

// Writes text to standard output and reports whether it got there.
int answer(const char* text) {
  std::fputs(text, stdout);
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && pelantor::cli::is_command(argv[1])) return pelantor::cli::run_command(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return answer(usagetext().c_str());
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return answer(versiontext);
  if (argc > 1) {
    // The first argument that cannot be taken: a second one after a valid
    // option, else the first.
    const bool firstvalid =
        std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "--version") == 0;
    std::fprintf(stderr, "pelantor: unrecognised argument '%s'\n", argv[firstvalid ? 2 : 1]);
    std::fputs(usagetext().c_str(), stderr);
    return 2;
  }
  std::ios::sync_with_stdio(false);
  catchsignals();
  return runprogram(std::cin, std::cout);
}

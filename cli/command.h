#pragma once
// The one-shot commands: "pelantor COMMAND [OPTIONS] [ARGS]" runs one
// command and exits.  Each command lives in a file of its own, which adds
// it to the program with add_command; the framework reads the command line
// (CLI11), handles --help, usage errors and the options every command
// shares, and runs the command's action.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "cli/input.h"
#include "cli/output.h"
#include "pelantor/notation.h"
#include "pelantor/primeform.h"

namespace CLI {
class App;
}

namespace pelantor::cli {

// The options every command shares, as the command line set them.
struct Settings {
  Format format = Format::text;           // --format
  Algorithm algorithm = Algorithm::rahn;  // --forte
  // For the commands that read sets:
  Notation notation = Notation::pitch_classes;  // --notes, --midi, --bits, --pitch-classes
  bool notation_given = false;                  // one of them was given
  std::string input;                            // --input: a file, "-" for standard input
};

// What a command does once its command line is read.
using Action = std::function<void(const Settings&)>;

struct Command {
  std::string_view name;
  // One line for the program's list of commands.
  std::string_view summary;
  // The usage lines, each "pelantor NAME ...", separated by "\n"; shown
  // after "Usage: " by --help and with every usage error.
  std::string_view synopsis;
  // The end of --help: what the command writes, its records' fields.
  std::string_view details;
  // True for the commands that read sets: they take the input-form options
  // and --input.
  bool reads_sets;
  // Adds the command's own arguments and options to app, and returns the
  // action to run after the command line is read.  A combination of
  // options that cannot be run throws CLI::ValidationError from a callback
  // of app, so that it is a usage error like any other.
  Action (*define)(CLI::App& app);
};

// Adds a command to the program; each command's file does so for a
// constant at namespace scope.  Returns true.
bool add_command(const Command& command);

// True for the name of a command.
bool is_command(std::string_view name);
// The list of commands for the program's usage text: one line each,
// "  NAME  SUMMARY", in alphabetical order.
std::string command_list();
// Runs the command named by argv[1] with the arguments after it and
// returns the program's status (cli/failure.h).
int run_command(int argc, char* argv[]);

// Reads the sets of a command: first the command line's set words, one set
// each, then the lines of --input, one set a line; calls take(set) for
// each set that check accepts.  The others are named on standard error.
void for_each_set(const Settings& settings, std::span<const std::string> words,
                  const SetCheck& check, const std::function<void(PcSet)>& take);

}  // namespace pelantor::cli

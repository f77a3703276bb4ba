#pragma once
// The ways a command ends early, and the statuses the program ends with.

#include <string>

namespace pelantor::cli {

// 0: every result written; 1: some input line held no set (the others were
// processed), or the output could not be written; 2: a usage error, or an
// input file that could not be opened or read.
inline constexpr int status_bad_input = 1;
inline constexpr int status_usage = 2;

// Ends the command with the message on standard error and the status.
struct Failure {
  std::string message;
  int status;
};

// Thrown when the reader of standard output has gone away: the command
// ends quietly.
struct OutputClosed {};

}  // namespace pelantor::cli

#pragma once
// The ways a command ends early, and the statuses the program ends with.

#include <string>

#include "pelantor/error.h"

namespace pelantor::cli {

// 0: every result written; 1: some input line held no set (the others were
// processed), or the output could not be written; 2: a usage error, an
// input file that could not be opened or read, or a request that the sets
// given cannot answer.
inline constexpr int status_bad_input = 1;
inline constexpr int status_usage = 2;

// Ends the command with the message on standard error and the status.
struct Failure {
  std::string message;
  int status;
};

// Returns compute(); a request that the sets given cannot answer, refused
// by the engine (a cardinality outside what they allow, too many notes to
// combine), ends the command with the engine's reason and status 2.
template <typename Compute>
auto engine_answer(Compute compute) {
  try {
    return compute();
  } catch (const error& refusal) {
    throw Failure{refusal.what(), status_usage};
  }
}

// Thrown when the reader of standard output has gone away: the command
// ends quietly.
struct OutputClosed {};

}  // namespace pelantor::cli

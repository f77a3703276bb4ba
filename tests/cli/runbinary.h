#pragma once
// The real binary (its path is PELANTOR_BINARY) run as a user runs it, with
// arguments and standard input, for the tests of the one-shot commands.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "pelantor/pcset.h"

namespace pelantor::clitest {

struct Result {
  int status;
  std::string out;
  std::string err;
  // The records of standard output, parsed.
  std::vector<nlohmann::json> records() const;
  // The lines of standard error.
  std::vector<std::string> error_lines() const;
};

// Runs the program with the arguments, input as standard input, in the
// current folder.
Result run(const std::vector<std::string>& args, const std::string& input = "");

// A name for a scratch file of this test process.
std::string scratch(const std::string& name);
// The scratch file name holding text; its path.
std::string written(const std::string& name, const std::string& text);
// The bytes of a file.
std::string slurp(const std::string& path);

// A set as the records write it in JSON: its pitch classes ascending.
nlohmann::json set_json(PcSet set);

}  // namespace pelantor::clitest

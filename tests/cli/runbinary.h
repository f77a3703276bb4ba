#pragma once
// The real binary (its path is PELANTOR_BINARY) run as a user runs it, with
// arguments and standard input, for the tests of the one-shot commands; and
// the spelling of the records, worked out apart from the program's.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/transform.h"

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

// Expects the command line to be refused as a usage error: status 2,
// nothing on standard output, and on standard error the reason, the usage
// and where to find help.
void expect_usage_error(const std::vector<std::string>& args);

// A set as the records write it in JSON: its pitch classes ascending.
nlohmann::json set_json(PcSet set);
// An operator as the records write it: "T10I".
std::string decimal_operator(Transform op);

}  // namespace pelantor::clitest

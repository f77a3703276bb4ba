#include "runbinary.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace pelantor::clitest {

std::vector<nlohmann::json> Result::records() const {
  std::vector<nlohmann::json> all;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) all.push_back(nlohmann::json::parse(line));
  return all;
}

std::vector<std::string> Result::error_lines() const {
  std::vector<std::string> all;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  return all;
}

std::string scratch(const std::string& name) {
  return "commands_test_" + std::to_string(::getpid()) + "_" + name;
}

std::string written(const std::string& name, const std::string& text) {
  const std::string path = scratch(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Result run(const std::vector<std::string>& args, const std::string& input) {
  std::string command = PELANTOR_BINARY;
  for (const std::string& arg : args) {
    command += " '";
    for (const char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "'";
  }
  const std::string in = written("in", input), out = scratch("out"), err = scratch("err");
  const int status = std::system((command + " <" + in + " >" + out + " 2>" + err).c_str());
  Result result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
  for (const std::string& path : {in, out, err}) std::remove(path.c_str());
  return result;
}

nlohmann::json set_json(PcSet set) {
  nlohmann::json members = nlohmann::json::array();
  for (const int pc : set) members.push_back(pc);
  return members;
}

}  // namespace pelantor::clitest

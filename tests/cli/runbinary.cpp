#include "runbinary.h"

#include <gtest/gtest.h>
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

void expect_usage_error(const std::vector<std::string>& args) {
  const Result result = run(args);
  std::string shown;
  for (const std::string& arg : args) shown += arg + " ";
  EXPECT_EQ(result.status, 2) << shown;
  EXPECT_EQ(result.out, "") << shown;
  const std::vector<std::string> lines = result.error_lines();
  ASSERT_GE(lines.size(), 3u) << shown;
  EXPECT_EQ(lines[0].rfind("pelantor " + args[0] + ": ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("Usage: pelantor " + args[0] + " ", 0), 0u) << lines[1];
  EXPECT_EQ(lines.back(), "Try 'pelantor " + args[0] + " --help' for more information.");
}

std::string decimal_operator(Transform op) {
  const char* suffixes[] = {"", "I", "M", "MI"};
  return "T" + std::to_string(op.n) + suffixes[static_cast<int>(op.operation)];
}

}  // namespace pelantor::clitest

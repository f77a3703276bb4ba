// libFuzzer target: a whole one-shot command over fuzzed standard input.
// The first byte chooses the command line, the others are what the command
// reads from standard input.  A run may refuse lines (status 1), never
// anything worse: no crash, no sanitizer report, no other status.  The
// results go to /dev/null.

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cli/command.h"

namespace {

// Commands that read standard input and answer fast whatever it holds
// (the combinations of many subsets are left out: they may rightly take
// minutes).
const std::vector<std::vector<const char*>> command_lines = {
    {"info", "--input", "-", "--format", "json"},
    {"info", "--notes", "--input", "-", "--format", "csv"},
    {"info", "--midi", "--input", "-", "--forte"},
    {"info", "--bits", "--input", "-"},
    {"count", "--notes", "--tn"},
    {"count", "--format", "json"},
    {"map", "--input", "-", "--format", "json"},
    {"map", "--notes", "--input", "-", "--first", "--canon", "T,TM", "--partitions", "2+1,3+3"},
    {"subsets", "--input", "-", "--format", "csv"},
    {"compare", "--measure", "all", "--list", "-", "--stats", "--format", "json"},
    {"compare", "--measure", "rel", "--all-classes", "--input", "-", "--card", "3-4"},
    {"draw", "--input", "-", "--notes", "--names", "flats"},
};

int input_fd = -1;

// The bytes as standard input, from its start.
void feed(const std::uint8_t* data, std::size_t size) {
  if (::ftruncate(input_fd, 0) != 0) std::abort();
  if (size > 0 && ::pwrite(input_fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
  if (::lseek(input_fd, 0, SEEK_SET) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  input_fd = ::memfd_create("standard-input", 0);
  const int nowhere = ::open("/dev/null", O_WRONLY);
  if (input_fd < 0 || nowhere < 0) std::abort();
  // Standard input shares the memory file's offset: feed() rewinds both.
  if (::dup2(input_fd, STDIN_FILENO) < 0 || ::dup2(nowhere, STDOUT_FILENO) < 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::vector<char*> argv = {const_cast<char*>("pelantor")};
  for (const char* word : command_lines[data[0] % command_lines.size()]) {
    argv.push_back(const_cast<char*>(word));
  }
  argv.push_back(nullptr);
  feed(data + 1, size - 1);
  const int status = pelantor::cli::run_command(static_cast<int>(argv.size() - 1), argv.data());
  if (status != 0 && status != 1) std::abort();
  return 0;
}

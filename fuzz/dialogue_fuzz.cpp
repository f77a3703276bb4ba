// libFuzzer target: the whole program, main menu first, on a byte string as
// its keyboard, in a scratch folder where report and set-list files are
// really written and read.  The folder is emptied before every run so that
// no run depends on an earlier one.  Every '/' of the input becomes '_', so
// that typed file names can neither be absolute nor climb out of the folder:
// a fuzzer must not append to files of the machine.  For every other answer
// '/' and '_' are the same kind of bad character.
//
// The run itself happens inside the scratch folder; between runs the
// working folder is the one the fuzzer was started in, so that relative
// corpus, artifact and log paths of libFuzzer keep their meaning.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "app/mainmenu.h"

namespace {

std::filesystem::path scratch;
std::filesystem::path home;

void emptyscratch() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(scratch, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

// The screen: takes every write and keeps none.  (A stream without a
// buffer would fail its writes, which the dialogue takes for a lost screen
// and ends by SIGPIPE.)
class Nowhere : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void removescratch() {
  std::error_code ignored;
  emptyscratch();
  std::filesystem::remove(scratch, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A folder in memory where there is one: every run writes files.
  std::string name = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  name += "/pelantor-fuzz-XXXXXX";
  if (mkdtemp(name.data()) == nullptr) std::abort();
  scratch = name;
  home = std::filesystem::current_path();
  std::atexit(removescratch);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  emptyscratch();
  std::string typed(reinterpret_cast<const char*>(data), size);
  std::replace(typed.begin(), typed.end(), '/', '_');
  std::istringstream in(typed);
  Nowhere nowhere;
  std::ostream out(&nowhere);
  std::filesystem::current_path(scratch);
  const int status = runprogram(in, out);
  std::filesystem::current_path(home);
  if (status != 0) std::abort();
  return 0;
}

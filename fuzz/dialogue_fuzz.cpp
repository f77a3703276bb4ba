// libFuzzer target: the whole program, main menu first, on a byte string as
// its keyboard, in a scratch folder where report and set-list files are
// really written and read.  The folder is emptied before every run so that
// no run depends on an earlier one.  Every '/' of the input becomes '_', so
// that typed file names can neither be absolute nor climb out of the folder:
// a fuzzer must not append to files of the machine.  For every other answer
// '/' and '_' are the same kind of bad character.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "features/mainmenu.h"

namespace {

std::filesystem::path scratch;

void emptyscratch() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(scratch, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char name[] = "/tmp/pelantor-fuzz-XXXXXX";
  if (mkdtemp(name) == nullptr) std::abort();
  scratch = name;
  std::filesystem::current_path(scratch);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  emptyscratch();
  std::string typed(reinterpret_cast<const char*>(data), size);
  std::replace(typed.begin(), typed.end(), '/', '_');
  std::istringstream in(typed);
  std::ostringstream out;
  if (runprogram(in, out) != 0) std::abort();
  return 0;
}

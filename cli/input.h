#pragma once
// Where the one-shot commands read their sets: the words of the command
// line, one set each, and files or standard input, one set a line.  A word
// or line that holds no set is named on standard error with its fault and
// skipped; the run then ends with status 1.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "pelantor/notation.h"
#include "pelantor/pcset.h"
#include "pelantor/primeform.h"

namespace pelantor::cli {

// Lines longer than this hold no set; they are refused unread.
inline constexpr std::size_t longest_line = 4096;

// The lines of a file, or of standard input ("-"), read in big blocks.  CR
// LF ends a line as LF does; a last line without its line end counts.
class LineReader {
 public:
  // Opens the file; throws Failure (status 2) when it cannot be opened.
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line without its line end, or nothing at the end of the input.
  // A line longer than longest_line comes back cut to that length, with
  // too_long() true.  Throws Failure (status 2) when the input cannot be
  // read.
  std::optional<std::string_view> next();
  bool too_long() const { return too_long_; }
  // The number of the line last returned, from 1.
  std::size_t number() const { return number_; }
  // The file's name as given; "" for standard input.
  const std::string& name() const { return name_; }

 private:
  bool fill();
  std::string_view take(std::string_view line, std::size_t skip);
  std::string_view skip_long_line();

  std::string name_;
  int fd_;
  std::string buffer_;
  std::string long_line_;  // the beginning of a line too long to be a set
  std::size_t start_ = 0;  // where the unread part of buffer_ begins
  std::size_t number_ = 0;
  bool too_long_ = false;
  bool at_end_ = false;
};

// Whether a command takes a set; returns the fault of one it refuses, or
// "".  Empty sets are refused before this is asked.
using SetCheck = std::function<std::string(PcSet)>;

// Reads sets in one notation (Forte labels in any), the labels standing for
// their class's prime form under the algorithm; refuses the empty set and
// what check refuses, naming the word or line on standard error.
class SetReader {
 public:
  SetReader(Notation notation, Algorithm algorithm, SetCheck check = {});

  // The set of the command line's set word number (from 1), or nothing.
  std::optional<PcSet> word(std::string_view text, std::size_t number) const;
  // Calls take(set) for each set of the input, line by line.
  void lines(LineReader& input, const std::function<void(PcSet)>& take) const;

 private:
  // The set of a text, or its fault.
  std::optional<PcSet> read(std::string_view text, std::string& fault) const;

  Notation notation_;
  Algorithm algorithm_;
  SetCheck check_;
};

// Names a fault on standard error, "pelantor: WHERE: FAULT", and makes the
// run's status 1.
void report_fault(std::string_view where, std::string_view fault);
// True once a fault has been reported.
bool faults_reported();

}  // namespace pelantor::cli

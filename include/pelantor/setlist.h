#pragma once
// Set-list files: plain text, one set a line as the decimal value of its
// bits (pitch class k counting 2^k), so {0, 4, 7} is the line 145.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/pcset.h"

namespace pelantor {

// Why an entry of a list is left out.
enum class SkipReason {
  not_a_set,  // a bit above pitch class 11 (a value over 4095)
  too_few,    // a single pitch class
  too_many,   // 11 or 12 pitch classes
};

struct SkippedEntry {
  int entry;  // its place among the entries read, from 1
  int value;  // as read; a value beyond the range of int reads as the largest int
  SkipReason reason;
  friend bool operator==(const SkippedEntry&, const SkippedEntry&) = default;
};

struct SetList {
  std::vector<PcSet> sets;            // the comparable sets, in the order of the text
  std::vector<SkippedEntry> skipped;  // the other entries, in order
};

// Reads a list: entries are decimal numbers, each followed by one separator
// (a line end, CR LF counting as one); the list ends at an empty line, a
// line that does not begin with a digit, a value of 0, or the end of the
// text, a last number without line end included.  Entries that are not
// sets of 2 to 10 pitch classes are skipped and reported.  Lists of any
// length are read.
SetList read_set_list(std::string_view text);
// The same from a stream the caller opened; reads up to the list's end.
SetList read_set_list(std::istream& in);

// The text of a list, one value a line, each line ending in "\n".  Throws
// error for a set that is not of 2 to 10 pitch classes, which would not
// read back.
std::string write_set_list(std::span<const PcSet> sets);

}  // namespace pelantor

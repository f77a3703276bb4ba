#pragma once
// The set syntax shared by every face of the program: one character per
// pitch class, in any order, blanks optional.  0-9 are themselves; a A t T +
// are ten; b B e E * are eleven.  n or N marks a set to exclude.

#include <optional>
#include <string>
#include <string_view>

#include "pelantor/pcset.h"

namespace pelantor {

// The pitch class a character names, or nothing (n and N included).
std::optional<int> pitch_class_of(char c);
// True for n and N, the mark of a set to exclude.
bool is_exclusion_mark(char c);

// Reads a set: pitch-class characters and blanks (space, tab, newline,
// carriage return, vertical tab, form feed).  A pitch class typed twice
// counts once; a text of blanks alone is the empty set.  Throws error naming
// the first other character ("'x' is not a pitch class").
PcSet parse_pcset(std::string_view text);

// A set that may carry the exclusion mark.
struct MarkedSet {
  PcSet set;
  bool excluded = false;
  friend bool operator==(const MarkedSet&, const MarkedSet&) = default;
};
// parse_pcset that also takes n and N, anywhere and any number of times.
MarkedSet parse_marked_set(std::string_view text);

// The members in increasing order as the program writes them: lower-case
// hexadecimal digits, "047", "01235679a"; "" for the empty set.
std::string to_string(PcSet set);

}  // namespace pelantor

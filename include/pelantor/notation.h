#pragma once
// The set syntax shared by every face of the program: one character per
// pitch class, in any order, blanks optional.  0-9 are themselves; a A t T +
// are ten; b B e E * are eleven.  n or N marks a set to exclude.  Sets may
// also be written as note names, MIDI note numbers, the bit values of
// set-list files, or the Forte label of their class.

#include <optional>
#include <string>
#include <string_view>

#include "pelantor/pcset.h"
#include "pelantor/primeform.h"

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

// Note names: a letter A-G (or a-g), then any number of accidentals, each
// # or the sharp sign U+266F (up one), b, - (music21's flat) or the flat sign
// U+266D (down one), or x (up two), the signs in UTF-8, then an octave
// number if any (ignored): "C E G", "C#,Eb", "Bbb", "Fx", "B-4".  Names
// are separated by blanks or commas; a name repeated, or spelt another way
// (C#, Db), counts once.  A text of separators alone is the empty set.
// Throws error naming the first word that is no note name ("'H' is not a
// note name").
PcSet parse_notes(std::string_view text);

// MIDI note numbers 0 to 127 separated by blanks or commas, each taken mod
// 12: "60 64 67" is {0, 4, 7}.  A text of separators alone is the empty
// set.  Throws error naming the first word that is no such number.
PcSet parse_midi(std::string_view text);

// The decimal bit value of a set, 1 to 4095, pitch class k counting 2^k, as
// set-list files hold it: "145" is {0, 4, 7}.  Blanks around it are
// ignored.  Throws error for anything else.
PcSet parse_bits(std::string_view text);

// The ways of writing a set that parse_set reads.
enum class Notation {
  pitch_classes,  // parse_pcset
  notes,          // parse_notes
  midi,           // parse_midi
  bits,           // parse_bits
};

// A set written in the notation, or a Forte label ("3-11", "4-z15",
// "4-Z15"), which stands for its class's prime form under the algorithm.
// A text of the label's shape (digits, '-', an optional z or Z, digits;
// blanks around) is read as a label: no notation uses '-'.  Throws error as
// the notation's parser does, or as find_class for a label ("there is no
// set class 4-99").
PcSet parse_set(std::string_view text, Notation notation, Algorithm algorithm = Algorithm::rahn);

// The members in increasing order as the program writes them: lower-case
// hexadecimal digits, "047", "01235679a"; "" for the empty set.
std::string to_string(PcSet set);

}  // namespace pelantor

#pragma once
// The pieces every result text is made of, spelt as the program writes
// them: sets in braces or brackets, Forte labels and their list cells,
// vectors in angle brackets, numbers with fixed decimals.

#include <span>
#include <string>

#include "pelantor/primeform.h"
#include "pelantor/setclass.h"
#include "pelantor/vectors.h"

namespace pelantor::text {

// "{047}": a literal set, members ascending as hexadecimal digits.
std::string braced(PcSet set);
// "[037]": a prime form.
std::string bracketed(PcSet set);
// "{740}": the set the form stands for, its members in the order of the
// prime form's members ("T7I of [037]" carries 0, 3, 7 to 7, 4, 0).
std::string image(const PrimeForm& form);
// "3-11", "4-z15".
std::string label(const SetClass& set_class);
// The label as a cell of a listing: 12 - c blanks before it, padded after it
// to the width of the longest label, then two blanks.  Cells of one
// cardinality line up; larger cardinalities start further left.
std::string label_cell(const SetClass& set_class);
// printf's "%x": 10 is "a", 11 "b".
std::string hex(int n);
// An entry of an integer vector left open, written as x.
inline constexpr int open_entry = 120;
// "<001110>": each entry in hexadecimal, one digit for 0..15 (open_entry
// as x).
std::string digit_vector(std::span<const int> entries);
// A count of hundredths (0 or more) with two decimals: 120 is "1.20".
std::string hundredths(int count);
// "min+1", "max-2": a saturation entry of interval-class counts.
std::string count_saturation(Saturation entry);
// "min+1.20", "max-3.17": a saturation entry of chain weights, its
// distance in hundredths.
std::string weight_saturation(Saturation entry);
// printf's "%.3f".
std::string fixed3(double x);

}  // namespace pelantor::text

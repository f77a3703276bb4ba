#pragma once
// The text lines of the commands that list set classes (classes, count):
// the label and the prime form in columns, then what each command adds.

#include <string>
#include <string_view>

#include "pelantor/pcset.h"

namespace pelantor::cli {

// "4-z15   [0146]          ": the label padded to the longest label
// ("4-z15A") and the prime form in brackets to the longest ("[0123456789ab]"),
// each followed by two blanks.
std::string class_columns(std::string_view label, PcSet prime);

// The text followed by blanks up to width.
std::string padded(std::string text, std::size_t width);

}  // namespace pelantor::cli

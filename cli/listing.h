#pragma once
// The lines of the commands that list set classes: in text the label and
// the prime form in columns, then what each command adds; in records the
// fields that describe a class.

#include <string>
#include <string_view>

#include "cli/output.h"
#include "pelantor/pcset.h"
#include "pelantor/setclass.h"

namespace pelantor::cli {

// "4-z15   [0146]          ": the label padded to the longest label
// ("4-z15A") and the prime form in brackets to the longest ("[0123456789ab]"),
// each followed by two blanks.
std::string class_columns(std::string_view label, PcSet prime);

// The text followed by blanks up to width.
std::string padded(std::string text, std::size_t width);

// Adds the fields forte, cardinality, prime_form (under the algorithm), icv
// and z_partner (the label, or null) of the class to a record, in this order.
void class_fields(RecordWriter& record, const SetClass& set_class, Algorithm algorithm);

}  // namespace pelantor::cli

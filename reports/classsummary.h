#pragma once
// The one-line summary of a set class that the listings write after a set,
// and its Z-correspondent, which the set report shares.

#include <string>

#include "pelantor/primeform.h"
#include "pelantor/setclass.h"

namespace pelantor::text {

// "    Z = [0137] (4-z29)": four blanks, the Z-correspondent's prime form
// under the algorithm and its label; "" for a class without one.
std::string z_correspondent(const SetClass& set_class, Algorithm algorithm);

// The summary of the class of a set, without a line end: the label cell,
// two blanks, the IC vector and the Z-correspondent, as in
// "        4-z15     <111111>    Z = [0137] (4-z29)".  Every member of a
// class has the same summary.
std::string class_summary(PcSet set, Algorithm algorithm);

}  // namespace pelantor::text

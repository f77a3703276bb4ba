#pragma once
// The listing of the set classes found by a partly given interval-class
// vector.

#include <optional>
#include <span>
#include <string>

#include "pelantor/icvsearch.h"
#include "pelantor/primeform.h"

namespace pelantor::text {

// The heading ("4-note sets with interval-class vector: <111111>", "All
// sets ..." without a cardinality; an open entry as x), then one row per
// class: its prime form under the algorithm and its class summary; "Sorry,
// there are no matching sets" when matches is empty; a blank line last.
std::string icv_listing(const IcPattern& pattern, std::optional<int> cardinality,
                        std::span<const SetClass> matches, Algorithm algorithm);

}  // namespace pelantor::text

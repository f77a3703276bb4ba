#include "reports/transformations.h"

#include "reports/format.h"

namespace pelantor::text {

namespace {

// "T3I{014} --> {23b}": the operator, the set it maps and its image.
std::string mapping(Transform op, PcSet source, PcSet target) {
  return to_string(op) + braced(source) + " --> " + braced(target);
}

std::string split_line(const SplitMapping& split) {
  return "   " + mapping(split.first.op, split.first.source, split.first.target) + " and  " +
         mapping(split.second.op, split.second.source, split.second.target) + "\n";
}

}  // namespace

std::string transformations(PcSet from, PcSet to, const Mappings& mappings) {
  std::string text = "\nTransformations of " + braced(from) + " onto " + braced(to) + "\n";
  for (Transform op : mappings.single) text += "   " + mapping(op, from, to) + "\n";
  for (const SplitMapping& split : mappings.splits) text += split_line(split);
  if (mappings.single.empty() && mappings.splits.empty())
    text += "\nSorry there were no operations that map set #1 onto set #2\n";
  return text + "\n";
}

}  // namespace pelantor::text

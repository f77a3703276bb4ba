#include "pelantor/transformations.h"

#include <algorithm>
#include <string>

#include "pelantor/error.h"

namespace pelantor {

namespace {

// The operators of the canon that carry source onto image, T0 .. TbMI in
// turn; with show_all false the search ends at the first.
std::vector<Transform> carrying(PcSet source, PcSet image, Canon canon, bool show_all) {
  std::vector<Transform> found;
  for (Transform op : all_transforms) {
    if (!canon.includes(op.operation) || op.apply(source) != image) continue;
    found.push_back(op);
    if (!show_all) break;
  }
  return found;
}

// The splits of one cut of from into part and rest.  Each operator of the
// canon that carries some part of to onto part is paired with every
// operator mapping rest onto the rest of to; the first is inverted to read
// from part onto its counterpart.
void split_cut(PcSet part, PcSet rest, PcSet to, const MappingOptions& options,
               std::vector<SplitMapping>& splits) {
  bool found = false;
  for (Transform op : all_transforms) {
    if (!options.canon.includes(op.operation)) continue;
    if (found && !options.show_all) return;
    if (!part.is_subset_of(op.apply(to))) continue;
    const SplitHalf cut_half{inverse(op), part, inverse(op).apply(part)};
    const PcSet rest_target = to - cut_half.target;
    for (Transform second : operators_between(rest, rest_target, options.canon, options.show_all)) {
      const SplitHalf rest_half{second, rest, rest_target};
      splits.push_back(part.size() < rest.size() ? SplitMapping{rest_half, cut_half}
                                                 : SplitMapping{cut_half, rest_half});
      found = true;
    }
  }
}

// Every cut of from into two non-empty parts, once each: the bits of
// choice pick the cut-out part among all members but the largest, which
// stays in the rest.
std::vector<SplitMapping> splits_between(PcSet from, PcSet to, const MappingOptions& options) {
  const std::vector<int> members(from.begin(), from.end());
  const int n = static_cast<int>(members.size());
  std::vector<SplitMapping> splits;
  for (unsigned choice = 1; n > 1 && choice < (1u << (n - 1)); ++choice) {
    PcSet part;
    for (int j = 0; j < n - 1; ++j) {
      if ((choice >> j & 1) != 0) part = part | PcSet{members[j]};
    }
    if (!options.partitions[std::min(part.size(), n - part.size())]) continue;
    split_cut(part, from - part, to, options, splits);
  }
  return splits;
}

}  // namespace

std::vector<Transform> operators_between(PcSet from, PcSet to, Canon canon, bool show_all) {
  std::vector<Transform> found = carrying(to, from, canon, show_all);
  std::transform(found.begin(), found.end(), found.begin(),
                 [](Transform op) { return inverse(op); });
  return found;
}

Mappings mappings_between(PcSet from, PcSet to, const MappingOptions& options) {
  if (from.size() != to.size()) {
    throw error("only sets of one size map onto each other; these have " +
                std::to_string(from.size()) + " and " + std::to_string(to.size()) +
                " pitch classes");
  }
  Mappings mappings;
  if (options.partitions[0])
    mappings.single = operators_between(from, to, options.canon, options.show_all);
  if (mappings.single.empty()) mappings.splits = splits_between(from, to, options);
  return mappings;
}

}  // namespace pelantor

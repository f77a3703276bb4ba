#include "pelantor/combinations.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "pelantor/error.h"
#include "pelantor/intervals.h"

namespace pelantor {

namespace {

constexpr unsigned set_count = PcSet::all_bits + 1;

// The number of placements that reached each union, indexed by its bits.
using Multiplicities = std::vector<std::int64_t>;

struct GroupSize {
  int total = 0;    // the notes of all subsets together
  int largest = 0;  // the largest subset's size, 0 without subsets
};

GroupSize size_of(const SubsetGroup& group) {
  GroupSize size;
  for (PcSet subset : group.subsets) {
    size.total += subset.size();
    size.largest = std::max(size.largest, subset.size());
  }
  return size;
}

bool symmetric(PcSet set) {
  return inversional_symmetries(set) != 0;
}

// A piece in its 12 transpositions and their inversions.
struct Piece {
  std::array<PcSet, 12> transposed;
  std::array<PcSet, 12> inverted;
  bool symmetric;
};

Piece piece_of(PcSet set) {
  Piece piece{{}, {}, symmetric(set)};
  for (int t = 0; t < 12; ++t) {
    piece.transposed[t] = set.transposed(t);
    piece.inverted[t] = piece.transposed[t].inverted();
  }
  return piece;
}

// Hands add every union of base with a placement of the piece.  An
// inversion is tried only when neither piece nor base is symmetric: against
// a symmetric base it would give the inversion of a union already counted.
template <typename Add>
void place(const Piece& piece, PcSet base, std::int64_t times, Add add) {
  const bool invert = !piece.symmetric && !symmetric(base);
  for (int t = 0; t < 12; ++t) {
    add(base | piece.transposed[t], times);
    if (invert) add(base | piece.inverted[t], times);
  }
}

bool accepted(Combination combination, int size, int total, int cardinality) {
  switch (combination) {
    case Combination::without_overlap:
      return size == total;
    case Combination::with_overlap:
      // Fewer notes than the pieces hold; the aggregate never counts here,
      // even when more than twelve notes overlap into it (the program has
      // always listed overlapping combinations so).
      return size < std::min(total, 12);
    case Combination::both:
      return true;
    default:
      return size == cardinality;
  }
}

// The last step of the supersets combinations: every union reached is
// filled up to the cardinality with each class of the size still missing,
// or with one pitch class when at most one note is missing.
void fill_up(const Multiplicities& bases, Combination combination, int total, int cardinality,
             Multiplicities& finals) {
  std::vector<Piece> fillers;
  for (const SetClass& set_class : all_classes()) fillers.push_back(piece_of(set_class.rahn_prime));
  const auto add = [&](PcSet u, std::int64_t times) {
    if (u.size() == cardinality) finals[u.bits()] += times;
  };
  for (unsigned bits = 0; bits < set_count; ++bits) {
    if (bases[bits] == 0) continue;
    const PcSet base = PcSet::from_bits(bits);
    const int missing =
        cardinality - (combination == Combination::supersets_without_overlap ? total : base.size());
    if (missing <= 1) {
      for (int pc = 0; pc < 12; ++pc) add(base | PcSet{pc}, bases[bits]);
      continue;
    }
    for (const SetClass& filler : classes(missing)) {
      place(fillers[filler.index], base, bases[bits], add);
    }
  }
}

// How many placements give each union the combination accepts.  Each step
// maps every union reached so far, with its multiplicity, to the unions of
// the next step: what follows a step depends only on the union built, so
// the counts equal those of visiting every placement one by one.
Multiplicities union_counts(const SubsetGroup& group, Combination combination, int cardinality) {
  const std::vector<PcSet>& subsets = group.subsets;
  const int count = static_cast<int>(subsets.size());
  const bool filled = combination >= Combination::supersets_without_overlap;
  const int depth = filled ? count + 1 : count;
  const int total = size_of(group).total;

  Multiplicities current(set_count), next(set_count), finals(set_count);
  current[count > 0 ? subsets[0].bits() : 0] = 1;
  const auto add_final = [&](PcSet u, std::int64_t times) {
    if (accepted(combination, u.size(), total, cardinality)) finals[u.bits()] += times;
  };
  const auto add_next = [&](PcSet u, std::int64_t times) { next[u.bits()] += times; };
  // Step k places subset k (1-based) against the union of those before it;
  // past the last subset the piece is empty.
  for (int step = 2;; ++step) {
    if (filled && step == depth) {
      fill_up(current, combination, total, cardinality, finals);
      return finals;
    }
    const bool last = step >= depth;
    const Piece piece = piece_of(step <= count ? subsets[step - 1] : PcSet{});
    std::fill(next.begin(), next.end(), 0);
    for (unsigned bits = 0; bits < set_count; ++bits) {
      if (current[bits] == 0) continue;
      if (last) {
        place(piece, PcSet::from_bits(bits), current[bits], add_final);
      } else {
        place(piece, PcSet::from_bits(bits), current[bits], add_next);
      }
    }
    if (last) return finals;
    std::swap(current, next);
  }
}

bool holds_exclusion(PcSet set, const std::vector<PcSet>& exclusions) {
  return std::any_of(exclusions.begin(), exclusions.end(),
                     [set](PcSet excluded) { return embedding_count(set, excluded) != 0; });
}

void require_runnable(const SubsetGroup& group, Combination combination, int cardinality) {
  if (combination < Combination::without_overlap ||
      combination > Combination::supersets_with_overlap) {
    throw error("the combinations are numbered 1 to 6");
  }
  if (static_cast<int>(group.subsets.size()) > max_subsets) {
    throw error("a group combines at most 12 subsets, not " + std::to_string(group.subsets.size()));
  }
  switch (combination_refusal(group, combination)) {
    case CombinationRefusal::too_many_notes:
      throw error("the subsets hold " + std::to_string(size_of(group).total) +
                  " notes, too many to combine without overlap");
    case CombinationRefusal::too_few_subsets:
      throw error("a single subset has nothing to combine with without overlap");
    case CombinationRefusal::none:
      break;
  }
  if (!takes_cardinality(combination)) return;
  const CardinalityRange range = result_cardinalities(group, combination);
  if (cardinality < range.least || cardinality > range.most) {
    throw error("the results of this combination have " + std::to_string(range.least) + " to " +
                std::to_string(range.most) + " notes, not " + std::to_string(cardinality));
  }
}

}  // namespace

CombinationRefusal combination_refusal(const SubsetGroup& group, Combination combination) {
  const int total = size_of(group).total;
  if ((combination == Combination::without_overlap && total > 12) ||
      (combination == Combination::supersets_without_overlap && total >= 12)) {
    return CombinationRefusal::too_many_notes;
  }
  if (combination == Combination::without_overlap && group.subsets.size() == 1) {
    return CombinationRefusal::too_few_subsets;
  }
  return CombinationRefusal::none;
}

CardinalityRange result_cardinalities(const SubsetGroup& group, Combination combination) {
  const GroupSize size = size_of(group);
  switch (combination) {
    case Combination::of_cardinality:
      return {size.largest, std::min(size.total, 12)};
    case Combination::supersets_without_overlap:
      return {size.total + 1, 12};
    case Combination::supersets_with_overlap:
      return {size.largest, 12};
    default:
      throw error("only combinations of a given size take a cardinality");
  }
}

std::vector<CombinationCount> combine_subsets(const SubsetGroup& group, Combination combination,
                                              int cardinality) {
  require_runnable(group, combination, cardinality);
  const Multiplicities unions = union_counts(group, combination, cardinality);
  const std::span<const SetClass> all = all_classes();
  std::vector<std::int64_t> by_class(all.size());
  // The empty union is no set class worth listing.
  for (unsigned bits = 1; bits < set_count; ++bits) {
    const PcSet u = PcSet::from_bits(bits);
    if (unions[bits] == 0 || holds_exclusion(u, group.exclusions)) continue;
    by_class[set_class_of(u).index] += unions[bits];
  }
  std::vector<CombinationCount> counts;
  for (const SetClass& set_class : all) {
    if (by_class[set_class.index] != 0) counts.push_back({set_class, by_class[set_class.index]});
  }
  return counts;
}

}  // namespace pelantor

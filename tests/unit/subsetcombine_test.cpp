#include "features/subsetcombine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <random>

#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"

namespace {

// A group from sets typed in order; a set with the exclusion mark is an
// exclusion set.
subsetgroup makegroup(std::initializer_list<bitvec> typed) {
  subsetgroup g{};
  for (const bitvec set : typed) {
    if ((set & exclusionmark) != 0) {
      g.omitsets[++g.numomit] = set & aggregate;
    } else {
      g.subsets[++g.numsubsets] = set;
      g.totalcard += bitcount(set);
      g.maxcard = std::max(g.maxcard, bitcount(set));
    }
  }
  return g;
}

int rowof(bitvec prime) {
  const int c = bitcount(prime);
  return binsearch(sendlocinfo(c, 0), sendlocinfo(c, 1), prime);
}

// The nonzero tallies of a run from the start, by prime form.
std::map<bitvec, std::int64_t> run(int option, const subsetgroup& g, int card = 0) {
  std::fill(std::begin(combs), std::end(combs), 0);
  createsets(option, &g, 2, g.subsets[1], card);
  std::map<bitvec, std::int64_t> tallies;
  for (int row = 1; row < settablesize; ++row) {
    if (combs[row] != 0) tallies[getbitvec(row)] = combs[row];
  }
  return tallies;
}

// The plain search that visits every placement, one by one, as the
// combination is defined; the fast search must give the same counts.
struct exhaustive {
  int option;
  const subsetgroup* g;
  int card;
  int depth;
  std::int64_t counts[settablesize] = {};
  std::map<bitvec, int> rows;  // memo of the class look-up only

  void count(bitvec u) {
    auto it = rows.find(u);
    if (it == rows.end()) {
      const int row = u == 0 || omit(g, u) == 0 ? 0 : rowof(primeform(u, rahn));
      it = rows.emplace(u, row).first;
    }
    if (it->second > 0) ++counts[it->second];
  }

  void filler(bitvec base, int t) {
    const int need = card - (option == supersetsnooverlap ? g->totalcard : bitcount(base));
    if (need <= 1) {
      const bitvec u = base | (bitvec{1} << t);
      if (bitcount(u) == card) count(u);
      return;
    }
    for (int row = sendlocinfo(need, 0); row <= sendlocinfo(need, 1); ++row) {
      const bitvec piece = transpose(getbitvec(row), t);
      if (bitcount(base | piece) == card) count(base | piece);
      if (symmetrical(piece) == 0 && symmetrical(base) == 0 &&
          bitcount(base | inverse(piece)) == card) {
        count(base | inverse(piece));
      }
    }
  }

  void place(int level, bitvec base, bitvec piece) {
    const bitvec u = base | piece;
    const int m = bitcount(u);
    if (level < depth) {
      createsets(level + 1, u);
      return;
    }
    const bool counts = option == bothoverlaps || (option == nooverlap && m == g->totalcard) ||
                        (option >= ofcardinality && m == card) ||
                        (option == overlap && m < std::min(g->totalcard, 12));
    if (counts) count(u);
  }

  void createsets(int level, bitvec base) {
    for (int t = 0; t < 12; ++t) {
      if (option >= supersetsnooverlap && level == depth) {
        filler(base, t);
        continue;
      }
      const bitvec piece = transpose(g->subsets[level], t);
      place(level, base, piece);
      if (symmetrical(piece) == 0 && symmetrical(base) == 0) place(level, base, inverse(piece));
    }
  }

  exhaustive(int opt, const subsetgroup* group, int size) : option(opt), g(group), card(size) {
    depth = option >= supersetsnooverlap ? g->numsubsets + 1 : g->numsubsets;
    createsets(2, g->subsets[1]);
  }
};

TEST(CreateSets, TwoDyads) {
  const subsetgroup g = makegroup({pcs("01"), pcs("01")});
  const std::map<bitvec, std::int64_t> disjoint = {
      {pcs("0123"), 2}, {pcs("0134"), 2}, {pcs("0145"), 2}, {pcs("0156"), 2}, {pcs("0167"), 1}};
  const std::map<bitvec, std::int64_t> shared = {{pcs("01"), 1}, {pcs("012"), 2}};
  EXPECT_EQ(run(nooverlap, g), disjoint);
  EXPECT_EQ(run(overlap, g), shared);
  std::map<bitvec, std::int64_t> all = disjoint;
  all.insert(shared.begin(), shared.end());
  EXPECT_EQ(run(bothoverlaps, g), all);
}

TEST(CreateSets, TwoDyadsWithoutTetrachordOne) {
  const subsetgroup g = makegroup({pcs("01"), pcs("01"), pcs("0123") | exclusionmark});
  const std::map<bitvec, std::int64_t> expected = {
      {pcs("0134"), 2}, {pcs("0145"), 2}, {pcs("0156"), 2}, {pcs("0167"), 1}};
  EXPECT_EQ(run(nooverlap, g), expected);
}

TEST(CreateSets, TwoAsymmetricTrichords) {
  // Both the transpositions and the inversions of the second are placed.
  const subsetgroup g = makegroup({pcs("013"), pcs("014")});
  std::map<bitvec, std::int64_t> expected;
  for (const bitvec h :
       {pcs("012345"), pcs("012356"), pcs("013458"), pcs("023458"), pcs("014568"), pcs("013478"),
        pcs("013469"), pcs("013569"), pcs("014579"), pcs("014679")}) {
    expected[h] = 1;
  }
  EXPECT_EQ(run(nooverlap, g), expected);

  // Not [0123]: the three hexachords holding a form of it drop out.
  const subsetgroup h = makegroup({pcs("013"), pcs("014"), pcs("0123") | exclusionmark});
  for (const bitvec gone : {pcs("012345"), pcs("012356"), pcs("023458")}) expected.erase(gone);
  EXPECT_EQ(expected.size(), 7u);
  EXPECT_EQ(run(nooverlap, h), expected);
}

TEST(CreateSets, FillerOfOneNote) {
  const subsetgroup g = makegroup({pcs("048")});
  const std::map<bitvec, std::int64_t> expected = {{pcs("0148"), 6}, {pcs("0248"), 3}};
  EXPECT_EQ(run(supersetsnooverlap, g, 4), expected);
  EXPECT_EQ(run(supersetsoverlap, g, 4), expected);
}

TEST(CreateSets, SingleSubsetMeetsEmptyPiece) {
  const subsetgroup g = makegroup({pcs("037")});
  const std::map<bitvec, std::int64_t> itself = {{pcs("037"), 12}};
  EXPECT_EQ(run(bothoverlaps, g), itself);
  EXPECT_EQ(run(ofcardinality, g, 3), itself);
  EXPECT_TRUE(run(overlap, g).empty());
}

TEST(CreateSets, ExclusionSetsOnlyGiveNothing) {
  const subsetgroup g = makegroup({pcs("0123") | exclusionmark, pcs("048") | exclusionmark});
  for (int option = nooverlap; option <= supersetsoverlap; ++option) {
    for (int card = 0; card <= 12; ++card) {
      EXPECT_TRUE(run(option, g, card).empty()) << "option " << option << " card " << card;
    }
  }
}

TEST(CreateSets, OverlapNeverListsTheAggregateBeyondTwelveNotes) {
  const subsetgroup g = makegroup({pcs("0123456"), pcs("012345")});
  EXPECT_EQ(run(overlap, g).count(aggregate), 0u);
  EXPECT_EQ(run(bothoverlaps, g).count(aggregate), 1u);
}

TEST(CreateSets, CountsBeyondThirtyTwoBits) {
  // Twelve single notes: 12 placements per level (a note is symmetrical), so
  // 12^11 placements in all, one class each.
  subsetgroup g{};
  for (int i = 1; i <= 12; ++i) g.subsets[i] = pc0;
  g.numsubsets = g.totalcard = 12;
  g.maxcard = 1;
  std::int64_t total = 0, most = 0;
  for (const auto& [prime, n] : run(bothoverlaps, g)) {
    total += n;
    most = std::max(most, n);
  }
  EXPECT_EQ(total, 743008370688LL);  // 12^11
  EXPECT_GT(most, std::int64_t{1} << 32);
  EXPECT_EQ(run(nooverlap, g), (std::map<bitvec, std::int64_t>{{aggregate, 39916800}}));  // 11!
}

// Random groups of 0 to 4 subsets with up to two exclusion sets, under every
// option and a cardinality drawn from the range the dialogue allows.
TEST(CreateSets, AgreesWithExhaustiveSearch) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> note(0, 11);
  auto randomset = [&](int minsize, int maxsize) {
    const int size = std::uniform_int_distribution<int>(minsize, maxsize)(random);
    bitvec set = 0;
    while (bitcount(set) < size) set |= bitvec{1} << note(random);
    return set;
  };
  int compared = 0, nonempty = 0;
  for (int trial = 0; trial < 150; ++trial) {
    const int option = nooverlap + trial % 6;
    const bool filled = option >= supersetsnooverlap;
    int numsubsets = trial % 25 == 0 ? 0 : 2 + trial / 6 % (filled ? 2 : 3);
    if (trial % 25 == 7) numsubsets = 1;
    subsetgroup g{};
    for (int i = 0; i < numsubsets; ++i) {
      const bitvec set = randomset(1, numsubsets <= 2 ? 5 : 3);
      g.subsets[++g.numsubsets] = set;
      g.totalcard += bitcount(set);
      g.maxcard = std::max(g.maxcard, bitcount(set));
    }
    for (int i = std::uniform_int_distribution<int>(0, 2)(random); i > 0; --i)
      g.omitsets[++g.numomit] = randomset(3, 4);

    int lo = g.maxcard, hi = 12;
    if (option == ofcardinality) hi = std::min(g.totalcard, 12);
    if (option == supersetsnooverlap) lo = g.totalcard + 1;
    if ((option == nooverlap && g.totalcard > 12) || lo > hi) continue;
    const int card = std::uniform_int_distribution<int>(lo, hi)(random);

    const exhaustive slow(option, &g, card);
    std::fill(std::begin(combs), std::end(combs), 0);
    createsets(option, &g, 2, g.subsets[1], card);
    for (int row = 1; row < settablesize; ++row) {
      ASSERT_EQ(combs[row], slow.counts[row])
          << "trial " << trial << " option " << option << " card " << card << " row " << row;
    }
    ++compared;
    if (std::any_of(std::begin(slow.counts), std::end(slow.counts), [](auto n) { return n > 0; })) {
      ++nonempty;
    }
  }
  EXPECT_GT(compared, 120);
  EXPECT_GT(nonempty, compared * 2 / 3);
}

TEST(Omit, RefusesAnyFormOfAnExcludedClass) {
  const subsetgroup g = makegroup({pcs("01"), pcs("037") | exclusionmark});
  EXPECT_EQ(omit(&g, pcs("0125")), 1);
  EXPECT_EQ(omit(&g, pcs("158")), 0);   // F minor is T5I of [037]
  EXPECT_EQ(omit(&g, pcs("2369")), 0);  // holds {2, 6, 9}
  const subsetgroup none = makegroup({pcs("01")});
  EXPECT_EQ(omit(&none, aggregate), 1);
}

}  // namespace

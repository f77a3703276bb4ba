// Main-menu entry 2: the dialogue of the subset combination.  The search is
// the engine's; the listing is reports/combinations.

#include "features/combinesubsets.h"

#include <string>
#include <vector>

#include "console/funnel.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "pelantor/combinations.h"
#include "reports/combinations.h"

namespace {

using pelantor::Combination;
using pelantor::SubsetGroup;

// Reads a new group: how many sets, then each set; a set typed with n is an
// exclusion set.
SubsetGroup readgroup(session& s) {
  const int howmany = ask(s,
                          " NOTE: Combining more than four subsets (not including\n"
                          "       those you wish to omit) may take a very long time.\n"
                          "\n"
                          "How many subsets would you like to use?  (1 - 12 possible) ",
                          number(1, 12), "\n");
  SubsetGroup group;
  for (int i = 1; i <= howmany; ++i) {
    screen("Type pc set #%1i:  ", i);
    const pelantor::MarkedSet typed = readset();
    (typed.excluded ? group.exclusions : group.subsets).push_back(typed.set);
  }
  screen("\n");
  return group;
}

constexpr const char* combinationmenu =
    "Type the number corresponding to the combinations you would like to see:\n"
    "   1  = Only those sets where the subsets contain no pitch overlaps\n"
    "   2  = Only those sets where the subsets share at least one common pc\n"
    "   3  = Both of the above\n"
    "   4  = Only combined sets of a specified cardinality\n"
    "   5  = All supersets of a specified cardinality that include the\n"
    "        entered subset(s) combined without overlap\n"
    "   6  = All supersets of a specified cardinality that include the\n"
    "        entered subset(s) combined with possible overlap\n"
    "\n"
    "   Command:  ";

constexpr const char* whatnextmenu =
    "Would you like to:\n"
    "  1 = Choose another group of subsets\n"
    "  2 = Choose another option from the above menu\n"
    "  3 = Exit to main menu\n"
    "\n"
    "  Command?  ";

// The size of the results, within what the subsets can give; 0 for the
// combinations that take none.
int askcardinality(const SubsetGroup& group, Combination combination, session& s) {
  if (!pelantor::takes_cardinality(combination)) return 0;
  const pelantor::CardinalityRange sizes = pelantor::result_cardinalities(group, combination);
  return ask(s, "What cardinality resultant set do you want to see?  ",
             number(sizes.least, sizes.most), "\n");
}

// Why the combination cannot be run on the group, in the dialogue's words;
// null when it can.
const char* refusal(const SubsetGroup& group, Combination combination) {
  switch (pelantor::combination_refusal(group, combination)) {
    case pelantor::CombinationRefusal::too_many_notes:
      return "Sorry, there are too many elements to be combined without overlap\n\n";
    case pelantor::CombinationRefusal::too_few_subsets:
      return "Sorry, there are too few elements to be worthwhile.\n\n";
    case pelantor::CombinationRefusal::none:
      break;
  }
  return nullptr;
}

}  // namespace

void combinesubsets(session& s) {
  SubsetGroup group = readgroup(s);
  for (;;) {
    const auto combination = static_cast<Combination>(ask(s, combinationmenu, number(1, 6), "\n"));
    if (const char* why = refusal(group, combination)) {
      screen("%s", why);
    } else {
      const int cardinality = askcardinality(group, combination, s);
      const std::vector<pelantor::CombinationCount> counts =
          pelantor::combine_subsets(group, combination, cardinality);
      const std::string listing =
          pelantor::text::combination_listing(group, combination, cardinality, counts, s.algorithm);
      mwrite(listing.c_str());
    }
    // 1 another group, 2 another combination of the same group, 3 back to
    // the menu.
    const int next = ask(s, whatnextmenu, number(1, 3), "\n");
    if (next == 3) return;
    if (next == 1) group = readgroup(s);
  }
}

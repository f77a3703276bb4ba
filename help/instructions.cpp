// The instruction screens: a topic menu and eight fixed pages of text, one
// per feature or topic.  Everything here goes to the screen only, never into
// the report file.

#include "help/instructions.h"

#include <iterator>

#include "console/charsource.h"
#include "console/funnel.h"

namespace {

// Every screen is a heading, its body (indented two blanks, list items and
// examples further, at most 77 characters wide) and empty lines up to 23
// lines, so that one screen fills a classic terminal.

constexpr const char* setinfoscreen[] = {
    "PELANTOR - Set Information Feature\n",
    "  The set information feature shows, for a set that you type, its normal\n",
    "  form and the Tn or TnI operation that relates it to its prime form; the\n",
    "  number of its set class in Forte's labelling; its interval-class vector;\n",
    "  its invariance vector; Rahn's VTICS, the number of invariances under each\n",
    "  TnI; a representation of the cyclic adjacencies of each interval class;\n",
    "  a vector of the size and number of the cyclic fragments that make up\n",
    "  each place of the interval-class vector; the complementary set and its\n",
    "  set class; the set classes related to it under M and MI (M5 and M7); and\n",
    "  its Z-related set class, if it has one.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(setinfoscreen) == 23);

constexpr const char* combinescreen[] = {
    "PELANTOR - Set Combination Feature\n",
    "  The set combination feature combines subsets into larger sets in several\n",
    "  ways.  After the sets have been typed, six options follow:\n",
    "    #1  combines the subsets (two or more) without pitch-class overlaps:\n",
    "        no pitch class of one subset is shared with another;\n",
    "    #2  combines them in every way that yields one or more overlaps, that\n",
    "        is, pitch classes shared between subsets;\n",
    "    #3  gives the combinations of both #1 and #2;\n",
    "    #4  combines them into sets of a cardinality that you give;\n",
    "    #5  works like #1, but produces supersets larger than the combined\n",
    "        cardinalities of the subsets: two 3-note subsets, for example,\n",
    "        give 7-note and larger supersets.  This option also shows the\n",
    "        supersets of a single subset;\n",
    "    #6  works like #5 with overlaps allowed, so that the smallest superset\n",
    "        has the size of the largest set typed.\n",
    "  The first four options give trivial results when only one subset is\n",
    "  entered: use #5 or #6 to see the supersets of a single set.\n",
    "  Set classes are excluded from the results by typing 'n' or 'N' anywhere\n",
    "  in the input line of the set to exclude (0123n, for example): no result\n",
    "  that contains a form of that set is listed, and several sets may be\n",
    "  excluded at once.  At least one set to include must be given, even if\n",
    "  it is only a one-element set.\n",
    "  Each set class found is listed with the number of ways it was formed.\n",
};
static_assert(std::size(combinescreen) == 23);

constexpr const char* subsetscreen[] = {
    "PELANTOR - Subset Feature\n",
    "  The subset feature lists the subsets of one or more sets that you type:\n",
    "  all of their subsets (with several sets, the subsets embedded in all of\n",
    "  them), or only the subsets of a cardinality that you choose.  All subsets\n",
    "  are abstract, that is, set classes written in prime form.\n",
    "  When a single superset is given, each subset is preceded by the number\n",
    "  of its distinct embeddings in the superset under transposition and\n",
    "  inversion.  [048], for example, has one embedding in [0148], not six:\n",
    "  the six would be its forms under T0, T4, T8, T0I, T4I and T8I, which all\n",
    "  hold the same three pitch classes.\n",
    "\n",
    "  Where a set class has a Z-relation, the Z-related set class is shown in\n",
    "  the rightmost column for reference only: it is not implied that the\n",
    "  Z-related set class is embedded as well.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(subsetscreen) == 23);

constexpr const char* ivecscreen[] = {
    "PELANTOR - Creating sets from interval-class vectors\n",
    "  This feature works like set combination, but its building blocks are\n",
    "  interval classes instead of sets.  You type some or all of the entries\n",
    "  of an interval-class vector and see every set class that matches them,\n",
    "  either of a cardinality that you give or of any cardinality (type 'x' at\n",
    "  the cardinality prompt).  The vector is then asked for one interval\n",
    "  class at a time; at each of these prompts\n",
    "    a number  demands an exact match: only set classes with exactly that\n",
    "              many intervals of that class are listed;\n",
    "    'x'       leaves the interval class open: any number will do;\n",
    "    '0'       suppresses the interval class: only set classes without\n",
    "              any interval of that class are listed.\n",
    "  Numbers at all six prompts give at most two matches, a Z-related pair:\n",
    "  cardinality 4 with the vector <111111> gives 4-z15 and 4-z29.\n",
    "  Since it works with interval classes only, this feature is considerably\n",
    "  faster than set combination.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(ivecscreen) == 23);

constexpr const char* transformscreen[] = {
    "PELANTOR - Checking transformational possibilities between two sets\n",
    "  This feature tells whether two sets that you type (sets, not set\n",
    "  classes) are related by a single operation from T, I, M (M5) and MI\n",
    "  (M7), each combined with a transposition, or by a split operation: part\n",
    "  of set A maps onto part of set B under one operation, and the rest of\n",
    "  set A onto the rest of set B under another.\n",
    "\n",
    "  After the two sets have been typed, you may change the defaults, which\n",
    "  are:\n",
    "    - only Tn and TnI are tried;\n",
    "    - all partitions of the sets are searched for split operations,\n",
    "      unless a single operation maps set A onto set B;\n",
    "    - all successful mappings under each partition are shown.\n",
    "  You may include or exclude I, M and MI, view all the mappings of set A\n",
    "  onto set B, and limit the partitions searched: with two hexachords, for\n",
    "  example, you may look at the 3+3 and 2+4 partitions only.\n",
    "  Changed defaults stay in force until you change them again or leave\n",
    "  the program.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(transformscreen) == 23);

constexpr const char* entryscreen[] = {
    "PELANTOR - Entering Sets\n",
    "  Pelantor treats a set as a collection of pitch classes without\n",
    "  repetition.  Pitch classes are written as numbers: 0 = C, 1 = C#/Db,\n",
    "  2 = D, ... 9 = A, a = Bb, b = B; ten and eleven may also be typed as 'A'\n",
    "  and 'B', 'T' and 'E' (upper or lower case), or as '+' and '*' for users\n",
    "  of the numeric keypad.  Each pitch class is one character, so 12 means\n",
    "  pitch classes 1 and 2.  No blanks are needed between pitch classes:\n",
    "  0 1 4 8 and 0148 are the same set.  Duplicates are removed, and\n",
    "  unacceptable input is pointed out and ignored.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(entryscreen) == 23);

constexpr const char* funnelscreen[] = {
    "PELANTOR - Output Funnel\n",
    "  Pelantor's first question is whether its results are to be saved in an\n",
    "  external file as well as shown on the screen.  Any file name that the\n",
    "  system allows may be given, blanks included, up to 29 characters long.\n",
    "  The file is placed in the folder from which Pelantor was started.  If a\n",
    "  file of that name exists, the new results are added at its end,\n",
    "  separated from the old ones by a new banner.  Output can be redirected\n",
    "  at any time by typing '0' at the main menu prompt.\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(funnelscreen) == 23);

constexpr const char* primealgscreen[] = {
    "PELANTOR - Changing the Prime Form Algorithm\n",
    "  A set's prime form can be computed in two ways: as the transposition or\n",
    "  inversion of the set that is least packed to the right (the method of\n",
    "  Rahn, also used by Morris and Straus), or as the one that is most packed\n",
    "  to the left (the method of Forte).  Pelantor uses Rahn's method unless\n",
    "  you change it by typing '#' at any menu prompt.\n",
    "\n",
    "     Example: The pc set {g, g#, c, c#, eb} would be arranged into the\n",
    "              prime form [01568] using Rahn's 'least packed to the right'\n",
    "              algorithm, but the same pcs would yield the prime form\n",
    "              [01378] using Forte's algorithm.\n",
    "              Both arrangements carry the same \"Forte label\" (5-20).\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
    "\n",
};
static_assert(std::size(primealgscreen) == 23);

// The screens in the order of the topic menu.
constexpr const char* const* screens[] = {
    setinfoscreen,   combinescreen, subsetscreen, ivecscreen,
    transformscreen, entryscreen,   funnelscreen, primealgscreen,
};
constexpr int screenlines = 23;
static_assert(std::size(screens) == instructiontopics);

}  // namespace

const char instructiontopicmenu[] =
    "\nType  '1' to learn about single set information\n"
    "      '2' to learn about combining sets\n"
    "      '3' to learn about geting subsets\n"
    "      '4' to learn about creating sets from interval-class vectors\n"
    "      '5' to learn about checking transformational possibilities\n"
    "      '6' to learn about inputing pitch-class sets\n"
    "      '7' to learn about the the output funnel\n"
    "      '8' to learn about changing the prime form algorithm\n"
    "\n"
    "Command:   ";

void showinstructions(int topic) {
  screen("\n\n");
  const char* const* page = screens[topic - 1];
  for (int line = 0; line < screenlines; ++line) screen("%s", page[line]);

  screen("\nHit 'ENTER' to continue  ");
  skipline(consolein());
  screen("\n\n");
}

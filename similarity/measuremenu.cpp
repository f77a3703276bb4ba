#include "similarity/measuremenu.h"

#include <iterator>

#include "console/funnel.h"
#include "features/prompts.h"
#include "similarity/measures.h"

namespace {

// The short names of the measures, by measure number.
constexpr const char* measurenames[] = {
    "",                   // 0
    "SATSIM",             // 1
    "TSATSIM",            // 2
    "SAT%SIM",            // 3
    "CSATSIM",            // 4
    "%SAT%SIM",           // 5
    "Adjusted %SAT%SIM",  // 6
    "AvgSATSIMn",         // 7
    "ASIM",               // 8
    "IcVSIM",             // 9
    "ISIM2",              // 10
    "ATMEMB",             // 11
    "REL",                // 12
    "EMB",                // 13
    "COV",                // 14
    "PCycSATSIM",         // 15
    "ANGLE",              // 16
};
static_assert(std::size(measurenames) == measurecount + 1);

constexpr const char* measuremenu =
    "     '1' to use SATSIM(2) (Interval Class Saturation Similarity)\n"
    "     '2' to use TSATSIM   (Total SATV Similarity--all subset classess)\n"
    "     '3' to use PSATSIM   (Proportioanl IC Saturation Vec. Similarity)\n"
    "     '4' to use CycSATSIM   (Cyclic Saturation Similarity)\n"
    "     '5' to use PSAT%SIM  \n"
    "     '6' to use Adusted %SAT%SIM  \n"
    "     '7' to use AvgSATSIMn \n"
    "     '8' to use Morris's ASIM \n"
    "     '9' to use Isaacson's IcVSIM \n"
    "    '10' to use Isaacson's ISIM2 \n"
    "    '11' to use Rahn's ATMEMB \n"
    "    '12' to use Lewin's REL \n"
    "    '13' to use Lewin's EMB \n"
    "    '14' to use Lewin's COV \n"
    "    '15' to use PCycSATSIM \n"
    "    '16' to use Scott & Isaacson's ANGLE \n"
    "     '?' for instructions       '#' to change prime form algorithm\n"
    "\n"
    "  Command:  ";

}  // namespace

int choosemeasure(session& s) {
  return ask(s, measuremenu, number(1, measurecount), "\n");
}

void writemeasurename(int measure) {
  if (measure >= 1 && measure <= measurecount) mwrite(measurenames[measure]);
}

bool refusedsize(bitvec set) {
  const int c = bitcount(set);
  if (c == 1) {
    screen("\nSurely you don't want to compare anything to a one-element set!\n\n");
  } else if (c > 10) {
    screen(
        "\nThere's really no point comparing anything to an 11- or 12-element set.\n"
        "This is because only one set class is possible in those cardinalities.\n\n");
  }
  return c < 2 || c > 10;
}

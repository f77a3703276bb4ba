// Main-menu entry 4: the dialogue of the set classes found by interval-class
// vector.  The search is the engine's; the listing is reports/icvsearch.

#include "features/icvsets.h"

#include <optional>
#include <string>
#include <vector>

#include "console/funnel.h"
#include "features/prompts.h"
#include "pelantor/icvsearch.h"
#include "reports/icvsearch.h"

namespace {

// 2..12, or none for every cardinality (x).
std::optional<int> askcardinality(session& s) {
  const int answer = ask(
      s,
      "What cardinality set would you like to create?\n"
      "  (type \"x\" if you would like to see all sets that match)\n"
      "\n"
      "Cardinality (2-12):  ",
      numberorx(pelantor::least_searched_cardinality, pelantor::most_searched_cardinality), "\n");
  if (answer == answerx) return std::nullopt;
  return answer;
}

// The wanted count of each interval class, open where the user typed x,
// each within what sets of the cardinality can hold.
pelantor::IcPattern askpattern(std::optional<int> cardinality, session& s) {
  pelantor::IcPattern pattern;
  for (int ic = 1; ic <= 6; ++ic) {
    const pelantor::CountRange counts = pelantor::ic_count_range(cardinality, ic);
    const std::string question =
        "Enter desired interval-class " + std::to_string(ic) + " content ('x' to leave open):  ";
    const int answer = ask(s, question, numberorx(counts.least, counts.most));
    if (answer != answerx) pattern[ic - 1] = answer;
  }
  screen("\n");
  return pattern;
}

}  // namespace

void findsetsbyicvector(session& s) {
  for (;;) {
    const std::optional<int> cardinality = askcardinality(s);
    const pelantor::IcPattern pattern = askpattern(cardinality, s);
    const std::vector<pelantor::SetClass> matches =
        pelantor::classes_matching(pattern, cardinality);
    mwrite(pelantor::text::icv_listing(pattern, cardinality, matches, s.algorithm).c_str());
    if (askexittomenu()) return;
  }
}

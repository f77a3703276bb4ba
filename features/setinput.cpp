#include "features/setinput.h"

#include <optional>

#include "console/charsource.h"
#include "console/funnel.h"

namespace {

// Blanks that may separate pitch classes; the newline ends the set instead.
bool isblankbutnewline(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The pitch class of a character from the console, which may be any byte.
std::optional<int> pitchclass(int c) {
  return c > 0 ? pelantor::pitch_class_of(static_cast<char>(c)) : std::nullopt;
}

}  // namespace

pelantor::MarkedSet readsetorempty() {
  pelantor::MarkedSet typed;
  for (int c = getcharacter(consolein()); c != '\n'; c = getcharacter(consolein())) {
    if (isblankbutnewline(c)) continue;
    if (const std::optional<int> pc = pitchclass(c)) {
      typed.set = typed.set | pelantor::PcSet{*pc};
    } else if (pelantor::is_exclusion_mark(static_cast<char>(c))) {
      typed.excluded = true;
    } else {
      screen("ERROR -- bad input: %c is not a pitch-class!\n", c);
    }
  }
  return typed;
}

pelantor::MarkedSet readset() {
  pelantor::MarkedSet typed = readsetorempty();
  while (typed.set.empty()) {
    screen("I'm sorry, there's just no point dealing with an empty set.\n");
    screen("  Try again: ");
    typed = readsetorempty();
  }
  return typed;
}

// libFuzzer targets of the readers of sets, one per way of writing a set
// and one for Forte labels; the build names the reader of each target in
// PELANTOR_FUZZ_PARSER.  Any text is read or refused with pelantor::error,
// never anything else; a set read is read back the same from its own
// spelling, and a class from its label.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pelantor/error.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"

namespace {

using namespace pelantor;

enum class Parser { pitch_classes, notes, midi, bits, labels };
constexpr Parser parser = Parser::PELANTOR_FUZZ_PARSER;

PcSet parsed(std::string_view text) {
  switch (parser) {
    case Parser::notes:
      return parse_notes(text);
    case Parser::midi:
      return parse_midi(text);
    case Parser::bits:
      return parse_bits(text);
    case Parser::labels:
      return find_class(text).rahn_prime;
    default:
      return parse_pcset(text);
  }
}

// The set as the target's reader takes it.
std::string spelt(PcSet set) {
  constexpr std::string_view names[] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                        "F#", "G",  "Ab", "A",  "Bb", "B"};
  std::string text;
  switch (parser) {
    case Parser::notes:
      for (const int pc : set) text.append(names[pc]).append(" ");
      return text;
    case Parser::midi:
      for (const int pc : set) text += std::to_string(60 + pc) + ",";
      return text;
    case Parser::bits:
      return std::to_string(set.bits());
    case Parser::labels:
      return forte_label(set_class_of(set));
    default:
      return to_string(set);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  PcSet set;
  try {
    set = parsed(text);
  } catch (const error&) {
    return 0;
  }
  if (parsed(spelt(set)) != set) std::abort();
  return 0;
}

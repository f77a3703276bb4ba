#include "pelantor/notation.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "pelantor/error.h"
#include "pelantor/setclass.h"

namespace pelantor {

namespace {

constexpr std::string_view ten = "aAtT+";
constexpr std::string_view eleven = "bBeE*";
constexpr std::string_view blanks = " \t\n\r\v\f";

// The pitch class each byte names, -1 for none: a look-up, since every
// character of every set read passes through it.
constexpr std::array<std::int8_t, 256> pitch_class_by_byte = [] {
  std::array<std::int8_t, 256> table{};
  table.fill(-1);
  for (int digit = 0; digit <= 9; ++digit) table['0' + digit] = static_cast<std::int8_t>(digit);
  for (const char c : ten) table[static_cast<unsigned char>(c)] = 10;
  for (const char c : eleven) table[static_cast<unsigned char>(c)] = 11;
  return table;
}();
static_assert(pitch_class_by_byte['7'] == 7 && pitch_class_by_byte['T'] == 10 &&
              pitch_class_by_byte['*'] == 11 && pitch_class_by_byte['n'] == -1);

bool is_blank(char c) {
  return blanks.find(c) != std::string_view::npos;
}

// "'x' is not a pitch class", or the byte's value when it would not print.
[[noreturn]] void refuse(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte > ' ' && byte < 0x7f) throw error(std::string("'") + c + "' is not a pitch class");
  char code[8];
  std::snprintf(code, sizeof code, "0x%02x", byte);
  throw error(std::string("the byte ") + code + " is not a pitch class");
}

// Words of notes and MIDI numbers are separated by blanks and commas.
bool is_separator(char c) {
  return c == ',' || is_blank(c);
}

// The word quoted for a message; a long word is cut short, so that a
// message stays one readable line.
std::string quoted(std::string_view word) {
  constexpr std::size_t longest = 24;
  if (word.size() <= longest) return "'" + std::string(word) + "'";
  return "'" + std::string(word.substr(0, longest)) + "...'";
}

// Calls take(word) for each run of characters between separators.
template <typename Take>
void for_each_word(std::string_view text, Take take) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (is_separator(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !is_separator(text[end])) ++end;
    take(text.substr(i, end - i));
    i = end;
  }
}

// A byte that cannot be shown in a message as it is: a control character,
// or part of a multi-byte character.
bool is_unprintable(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < ' ' || byte >= 0x7f;
}

// Refuses a word: by its first unprintable byte, if any, else by the word.
[[noreturn]] void refuse_word(std::string_view word, std::string_view what) {
  for (char c : word) {
    if (!is_unprintable(c)) continue;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02x", static_cast<unsigned char>(c));
    throw error(std::string("the byte ") + code + " is not part of " + std::string(what));
  }
  throw error(quoted(word) + " is not " + std::string(what));
}

// The pitch classes of the natural notes, C = 0.
constexpr int natural_of_letter[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G

// The accidentals after a letter, with their steps.  The sharp and flat
// signs are written in UTF-8.
struct Accidental {
  std::string_view spelling;
  int steps;
};
constexpr Accidental accidentals[] = {
    {"#", 1},
    {"b", -1},
    {"x", 2},
    {"-", -1},             // music21 writes its flats so
    {"\xe2\x99\xaf", 1},   // U+266F MUSIC SHARP SIGN
    {"\xe2\x99\xad", -1},  // U+266D MUSIC FLAT SIGN
};

// A whole decimal number within least..most, or nothing.
std::optional<int> number_in(std::string_view word, int least, int most) {
  int value = 0;
  const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (status != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (value < least || value > most) return std::nullopt;
  return value;
}

// The pitch class of one note name, or nothing.
std::optional<int> note_of(std::string_view word) {
  const char letter = static_cast<char>(word.front() | 0x20);  // lower case
  if (letter < 'a' || letter > 'g') return std::nullopt;
  int pc = natural_of_letter[letter - 'a'];
  word.remove_prefix(1);
  while (!word.empty()) {
    // An octave number may follow ("C4", "Bb3"); it names no other class.
    if (word.front() >= '0' && word.front() <= '9') {
      if (!number_in(word, 0, 99)) return std::nullopt;
      break;
    }
    const Accidental* found = nullptr;
    for (const Accidental& a : accidentals) {
      if (word.starts_with(a.spelling)) found = &a;
    }
    if (found == nullptr) return std::nullopt;
    pc += found->steps;
    word.remove_prefix(found->spelling.size());
  }
  return (pc % 12 + 12) % 12;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Digits, '-', an optional z or Z, digits: what a Forte label looks like,
// whether or not a class bears it.
bool has_label_shape(std::string_view word) {
  const auto digits = [&word] {
    std::size_t n = 0;
    while (n < word.size() && word[n] >= '0' && word[n] <= '9') ++n;
    word.remove_prefix(n);
    return n > 0;
  };
  if (!digits() || word.empty() || word.front() != '-') return false;
  word.remove_prefix(1);
  if (!word.empty() && (word.front() == 'z' || word.front() == 'Z')) word.remove_prefix(1);
  return digits() && word.empty();
}

}  // namespace

std::optional<int> pitch_class_of(char c) {
  const int pc = pitch_class_by_byte[static_cast<unsigned char>(c)];
  if (pc < 0) return std::nullopt;
  return pc;
}

bool is_exclusion_mark(char c) {
  return c == 'n' || c == 'N';
}

MarkedSet parse_marked_set(std::string_view text) {
  MarkedSet result;
  for (char c : text) {
    if (const std::optional<int> pc = pitch_class_of(c)) {
      result.set = result.set | PcSet{*pc};
    } else if (is_exclusion_mark(c)) {
      result.excluded = true;
    } else if (!is_blank(c)) {
      refuse(c);
    }
  }
  return result;
}

PcSet parse_pcset(std::string_view text) {
  for (char c : text) {
    if (is_exclusion_mark(c)) refuse(c);
  }
  return parse_marked_set(text).set;
}

PcSet parse_notes(std::string_view text) {
  PcSet set;
  for_each_word(text, [&set](std::string_view word) {
    const std::optional<int> pc = note_of(word);
    if (!pc) refuse_word(word, "a note name");
    set = set | PcSet{*pc};
  });
  return set;
}

PcSet parse_midi(std::string_view text) {
  PcSet set;
  for_each_word(text, [&set](std::string_view word) {
    const std::optional<int> number = number_in(word, 0, 127);
    if (!number) refuse_word(word, "a MIDI note number (0 to 127)");
    set = set | PcSet{*number % 12};
  });
  return set;
}

PcSet parse_bits(std::string_view text) {
  const std::string_view word = trimmed(text);
  const std::optional<int> bits = number_in(word, 1, static_cast<int>(PcSet::all_bits));
  if (!bits) refuse_word(word, "the bit value of a set (1 to 4095)");
  return PcSet::from_bits(static_cast<unsigned>(*bits));
}

PcSet parse_set(std::string_view text, Notation notation, Algorithm algorithm) {
  if (const std::string_view word = trimmed(text); has_label_shape(word)) {
    return find_class(word).prime(algorithm);
  }
  switch (notation) {
    case Notation::notes:
      return parse_notes(text);
    case Notation::midi:
      return parse_midi(text);
    case Notation::bits:
      return parse_bits(text);
    default:
      return parse_pcset(text);
  }
}

std::string to_string(PcSet set) {
  constexpr std::string_view digits = "0123456789ab";
  std::string text;
  for (int pc : set) text += digits[pc];
  return text;
}

}  // namespace pelantor

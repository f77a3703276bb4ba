#include "pelantor/notation.h"

#include <cstdio>

#include "pelantor/error.h"

namespace pelantor {

namespace {

constexpr std::string_view ten = "aAtT+";
constexpr std::string_view eleven = "bBeE*";
constexpr std::string_view blanks = " \t\n\r\v\f";

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

}  // namespace

std::optional<int> pitch_class_of(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (ten.find(c) != std::string_view::npos) return 10;
  if (eleven.find(c) != std::string_view::npos) return 11;
  return std::nullopt;
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

std::string to_string(PcSet set) {
  constexpr std::string_view digits = "0123456789ab";
  std::string text;
  for (int pc : set) text += digits[pc];
  return text;
}

}  // namespace pelantor

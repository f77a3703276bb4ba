#include "pelantor/setlist.h"

#include <climits>
#include <istream>

#include "pelantor/error.h"
#include "pelantor/notation.h"
#include "pelantor/similarity.h"

namespace pelantor {

namespace {

// A text read character by character; -1 at its end.
class TextSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  int get() { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_++]) : -1; }
  int peek() const { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : -1; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

class StreamSource {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {}
  int get() {
    const int c = in_.get();
    return c == std::char_traits<char>::eof() ? -1 : c;
  }
  int peek() const {
    const int c = in_.peek();
    return c == std::char_traits<char>::eof() ? -1 : c;
  }

 private:
  std::istream& in_;
};

bool is_digit(int c) {
  return c >= '0' && c <= '9';
}

// Appends a digit, staying at the largest int once past it.
int append_digit(int value, int c) {
  const int digit = c - '0';
  if (value > (INT_MAX - digit) / 10) return INT_MAX;
  return value * 10 + digit;
}

// The next entry and the one separator after it; 0 where the list ends.
template <typename Source>
int next_entry(Source& source) {
  int value = 0;
  int c = source.get();
  while (is_digit(c)) {
    value = append_digit(value, c);
    c = source.get();
  }
  if (c == '\r' && source.peek() == '\n') source.get();
  return value;
}

template <typename Source>
SetList read_entries(Source& source) {
  SetList list;
  int entry = 0;
  for (int value = next_entry(source); value != 0; value = next_entry(source)) {
    ++entry;
    if (value > int(PcSet::all_bits)) {
      list.skipped.push_back({entry, value, SkipReason::not_a_set});
      continue;
    }
    const PcSet set = PcSet::from_bits(unsigned(value));
    if (comparable(set)) {
      list.sets.push_back(set);
    } else {
      list.skipped.push_back(
          {entry, value, set.size() < 2 ? SkipReason::too_few : SkipReason::too_many});
    }
  }
  return list;
}

}  // namespace

SetList read_set_list(std::string_view text) {
  TextSource source(text);
  return read_entries(source);
}

SetList read_set_list(std::istream& in) {
  StreamSource source(in);
  return read_entries(source);
}

std::string write_set_list(std::span<const PcSet> sets) {
  std::string text;
  for (const PcSet set : sets) {
    if (!comparable(set)) {
      throw error("a set list holds sets of 2 to 10 pitch classes, not {" + to_string(set) + "}");
    }
    text += std::to_string(set.bits()) + "\n";
  }
  return text;
}

}  // namespace pelantor

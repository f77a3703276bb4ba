#include "cli/output.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include "cli/failure.h"

namespace pelantor::cli {

namespace {

// Output is held back until a block of this size is full.
constexpr std::size_t block = 1 << 16;

std::string& held_back() {
  static std::string buffer = [] {
    std::string b;
    b.reserve(block);
    return b;
  }();
  return buffer;
}

void write_all(std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EPIPE) throw OutputClosed{};
    if (n <= 0) {
      throw Failure{std::string("cannot write the output: ") + std::strerror(errno),
                    status_bad_input};
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

void json_string(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

// RFC 4180: a field holding a comma, a double quote or a line end is
// quoted, its double quotes doubled.
void csv_field(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// The shortest text that reads back as the same double.
void shortest(std::string& out, double x) {
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, x);
  out.append(digits, result.ptr);
}

void decimal(std::string& out, long long n) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  out.append(digits, result.ptr);
}

// The object a field name "a.b" belongs to ("a"); "" for a plain field.
std::string_view object_of(std::string_view field) {
  const std::size_t dot = field.find('.');
  return dot == std::string_view::npos ? std::string_view() : field.substr(0, dot);
}

std::string_view member_of(std::string_view field) {
  return field.substr(field.find('.') + 1);
}

}  // namespace

void write(std::string_view text) {
  std::string& buffer = held_back();
  if (buffer.size() + text.size() > block) {
    flush();
    if (text.size() >= block) return write_all(text);
  }
  buffer += text;
}

void flush() {
  std::string& buffer = held_back();
  const std::string pending = std::move(buffer);
  buffer.clear();
  buffer.reserve(block);
  write_all(pending);
}

std::string decimal_operator(Transform op) {
  constexpr std::string_view suffixes[] = {"", "I", "M", "MI"};
  return "T" + std::to_string(op.n) + std::string(suffixes[static_cast<int>(op.operation)]);
}

RecordWriter::RecordWriter(Format format, std::span<const std::string_view> fields)
    : format_(format), fields_(fields) {}

std::string RecordWriter::header() const {
  if (format_ != Format::csv) return "";
  std::string row;
  for (const std::string_view field : fields_) {
    if (!row.empty()) row += ',';
    std::string column(field);
    std::replace(column.begin(), column.end(), '.', '_');
    csv_field(row, column);
  }
  return row + '\n';
}

// Opens the record or separates the value from the one before, and in
// JSON writes the field's name, opening or closing objects on the way.
void RecordWriter::begin_value() {
  if (next_ == 0) record_.clear();
  const std::string_view field = fields_[next_];
  const std::string_view object = object_of(field);
  if (format_ == Format::csv) {
    if (next_ > 0) record_ += ',';
  } else {
    const std::string_view before = next_ > 0 ? object_of(fields_[next_ - 1]) : "";
    record_ += next_ == 0 ? '{' : ',';
    if (!before.empty() && before != object) {
      record_.back() = '}';
      record_ += ',';
    }
    if (!object.empty() && before != object) {
      json_string(record_, object);
      record_ += ":{";
    }
    json_string(record_, object.empty() ? field : member_of(field));
    record_ += ':';
  }
  ++next_;
}

RecordWriter& RecordWriter::set(PcSet set) {
  begin_value();
  if (format_ == Format::csv) {
    for (const int pc : set) record_ += "0123456789ab"[pc];
    return *this;
  }
  record_ += '[';
  for (const int pc : set) {
    if (record_.back() != '[') record_ += ',';
    decimal(record_, pc);
  }
  record_ += ']';
  return *this;
}

RecordWriter& RecordWriter::text(std::string_view text) {
  begin_value();
  if (format_ == Format::csv) {
    csv_field(record_, text);
  } else {
    json_string(record_, text);
  }
  return *this;
}

RecordWriter& RecordWriter::null() {
  begin_value();
  if (format_ == Format::json) record_ += "null";
  return *this;
}

RecordWriter& RecordWriter::integer(long long n) {
  begin_value();
  decimal(record_, n);
  return *this;
}

RecordWriter& RecordWriter::real(double x) {
  begin_value();
  if (std::isfinite(x)) {
    shortest(record_, x);
  } else if (format_ == Format::json) {
    record_ += "null";
  }
  return *this;
}

void RecordWriter::integer_list(std::span<const int> list) {
  const bool json = format_ == Format::json;
  if (json) record_ += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) record_ += json ? ',' : ' ';
    decimal(record_, list[i]);
  }
  if (json) record_ += ']';
}

RecordWriter& RecordWriter::integers(std::span<const int> list) {
  begin_value();
  integer_list(list);
  return *this;
}

RecordWriter& RecordWriter::reals(std::span<const double> list) {
  begin_value();
  const bool json = format_ == Format::json;
  if (json) record_ += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) record_ += json ? ',' : ' ';
    shortest(record_, list[i]);
  }
  if (json) record_ += ']';
  return *this;
}

RecordWriter& RecordWriter::texts(std::span<const std::string> list) {
  begin_value();
  if (format_ == Format::csv) {
    std::string joined;
    for (const std::string& entry : list) {
      if (!joined.empty()) joined += ' ';
      joined += entry;
    }
    csv_field(record_, joined);
    return *this;
  }
  record_ += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) record_ += ',';
    json_string(record_, list[i]);
  }
  record_ += ']';
  return *this;
}

RecordWriter& RecordWriter::lists(std::span<const std::vector<int>> lists) {
  begin_value();
  const bool json = format_ == Format::json;
  if (json) record_ += '[';
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (i > 0) record_ += json ? ',' : ';';
    integer_list(lists[i]);
  }
  if (json) record_ += ']';
  return *this;
}

const std::string& RecordWriter::end() {
  if (format_ == Format::json) {
    if (!object_of(fields_[next_ - 1]).empty()) record_ += '}';
    record_ += '}';
  }
  record_ += '\n';
  next_ = 0;
  return record_;
}

}  // namespace pelantor::cli

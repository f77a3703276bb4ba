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

// A list: "[a,b]" in JSON; in CSV its entries with the separator between.
template <typename T, typename Entry>
void append_list(std::string& out, bool json, std::span<const T> list, char separator,
                 Entry entry) {
  if (json) out += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += json ? ',' : separator;
    entry(list[i]);
  }
  if (json) out += ']';
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

RecordWriter& RecordWriter::integers(std::span<const int> list) {
  begin_value();
  append_list(record_, format_ == Format::json, list, ' ', [this](int n) { decimal(record_, n); });
  return *this;
}

RecordWriter& RecordWriter::reals(std::span<const double> list) {
  begin_value();
  append_list(record_, format_ == Format::json, list, ' ',
              [this](double x) { shortest(record_, x); });
  return *this;
}

RecordWriter& RecordWriter::texts(std::span<const std::string> list) {
  begin_value();
  if (format_ == Format::json) {
    append_list(record_, true, list, ',',
                [this](const std::string& text) { json_string(record_, text); });
    return *this;
  }
  std::string joined;
  append_list(joined, false, list, ' ', [&joined](const std::string& text) { joined += text; });
  csv_field(record_, joined);
  return *this;
}

RecordWriter& RecordWriter::lists(std::span<const std::vector<int>> lists) {
  begin_value();
  const bool json = format_ == Format::json;
  append_list(record_, json, lists, ';', [this, json](const std::vector<int>& list) {
    append_list(record_, json, std::span(list), ' ', [this](int n) { decimal(record_, n); });
  });
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

#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/failure.h"
#include "cli/output.h"

namespace pelantor::cli {

namespace {

// Input is read in blocks of this size.
constexpr std::size_t block = 1 << 20;

bool faulted = false;

std::string shown_name(const std::string& path) {
  return path == "-" ? "standard input" : "'" + path + "'";
}

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool is_blank_text(std::string_view text) {
  for (const char c : text) {
    if (!is_blank(c)) return false;
  }
  return true;
}

}  // namespace

void report_fault(std::string_view where, std::string_view fault) {
  flush();
  std::string line = "pelantor: ";
  line += where;
  line += ": ";
  line += fault;
  line += '\n';
  std::fputs(line.c_str(), stderr);
  faulted = true;
}

bool faults_reported() {
  return faulted;
}

LineReader::LineReader(const std::string& path)
    : name_(path == "-" ? "" : path),
      fd_(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (fd_ < 0) {
    throw Failure{"cannot open " + shown_name(path) + ": " + std::strerror(errno), status_usage};
  }
  buffer_.reserve(block + longest_line);
}

LineReader::~LineReader() {
  if (fd_ != STDIN_FILENO) ::close(fd_);
}

// Moves the unread part to the front and reads a block after it; false at
// the end of the input.
bool LineReader::fill() {
  if (at_end_) return false;
  buffer_.erase(0, start_);
  start_ = 0;
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + block);
  // Whoever waits for these results gets those that are ready first.
  flush();
  ssize_t n;
  do {
    n = ::read(fd_, buffer_.data() + kept, block);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    throw Failure{
        "cannot read " + shown_name(name_.empty() ? "-" : name_) + ": " + std::strerror(errno),
        status_usage};
  }
  buffer_.resize(kept + static_cast<std::size_t>(n));
  at_end_ = n == 0;
  return n > 0;
}

std::optional<std::string_view> LineReader::next() {
  too_long_ = false;
  for (;;) {
    const std::string_view unread = std::string_view(buffer_).substr(start_);
    const std::size_t newline = unread.find('\n');
    // A CR before the LF is no part of the line.
    if (newline <= longest_line || (newline == longest_line + 1 && unread[longest_line] == '\r')) {
      return take(unread.substr(0, newline), 1);
    }
    if (unread.size() > longest_line) return skip_long_line();
    if (!fill()) {
      const std::string_view last = std::string_view(buffer_).substr(start_);
      return last.empty() ? std::nullopt : std::optional(take(last, 0));
    }
  }
}

// The line at start_, which ends skip bytes (its line end) before the
// unread rest.
std::string_view LineReader::take(std::string_view line, std::size_t skip) {
  start_ += line.size() + skip;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ++number_;
  return line;
}

// Too long to be a set: keeps the line's beginning for the message and
// reads on past its line end.
std::string_view LineReader::skip_long_line() {
  too_long_ = true;
  ++number_;
  long_line_.assign(buffer_, start_, longest_line);
  std::size_t newline = buffer_.find('\n', start_);
  while (newline == std::string::npos) {
    start_ = buffer_.size();
    if (!fill()) return long_line_;
    newline = buffer_.find('\n');
  }
  start_ = newline + 1;
  return long_line_;
}

SetReader::SetReader(Notation notation, Algorithm algorithm, SetCheck check)
    : notation_(notation), algorithm_(algorithm), check_(std::move(check)) {}

std::optional<PcSet> SetReader::read(std::string_view text, std::string& fault) const {
  PcSet set;
  try {
    set = parse_set(text, notation_, algorithm_);
  } catch (const error& e) {
    fault = e.what();
    return std::nullopt;
  }
  if (set.empty()) {
    fault = "no pitch class";
  } else if (check_) {
    fault = check_(set);
  }
  if (!fault.empty()) return std::nullopt;
  return set;
}

std::optional<PcSet> SetReader::word(std::string_view text, std::size_t number) const {
  std::string fault;
  std::optional<PcSet> set;
  if (is_blank_text(text)) {
    fault = "the argument is empty";
  } else {
    set = read(text, fault);
  }
  if (!set) report_fault("argument " + std::to_string(number), fault);
  return set;
}

void SetReader::lines(LineReader& input, const std::function<void(PcSet)>& take) const {
  std::string fault;
  while (const std::optional<std::string_view> line = input.next()) {
    std::optional<PcSet> set;
    if (input.too_long()) {
      fault = "the line is longer than " + std::to_string(longest_line) + " bytes";
    } else if (is_blank_text(*line)) {
      fault = "the line is empty";
    } else {
      set = read(*line, fault);
    }
    if (set) {
      take(*set);
      continue;
    }
    const std::string where = "line " + std::to_string(input.number());
    report_fault(input.name().empty() ? where : input.name() + ": " + where, fault);
    fault.clear();
  }
}

}  // namespace pelantor::cli

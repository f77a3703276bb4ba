#pragma once
// What the one-shot commands write: standard output in big blocks, and the
// records of JSON Lines and CSV.  Text output is the result texts of
// reports/ as they are.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/transform.h"

namespace pelantor::cli {

enum class Format { text, json, csv };

// Standard output, written in big blocks.  A closed pipe throws
// OutputClosed; any other failed write throws Failure (cli/failure.h).
void write(std::string_view text);
// Writes what is held back; called before the program waits for input, so
// that a reader at the other end sees every result that is ready.
void flush();

// An operator as the records write it, n in decimal: "T7I", "T10M".
std::string decimal_operator(Transform op);

// Builds the records of one shape, one line each.  The fields are named in
// order; a name "a.b" is the field b of an object a in JSON and the column
// "a_b" in CSV.  Values are added in the order of the names.
//
// JSON: one object a line; sets as arrays of pitch classes, lists as
// arrays, numbers as numbers (doubles shortest round-trip, a value that is
// not finite as null).  CSV: RFC 4180 quoting, sets as pitch-class strings
// ("037"), lists as their entries separated by blanks ("0 0 1 1 1 0"), a
// list of lists as its lists separated by ';'.
class RecordWriter {
 public:
  RecordWriter(Format format, std::span<const std::string_view> fields);

  // The CSV header row with its line end; "" for JSON.
  std::string header() const;

  RecordWriter& set(PcSet set);
  RecordWriter& text(std::string_view text);
  RecordWriter& null();
  RecordWriter& integer(long long n);
  RecordWriter& real(double x);
  RecordWriter& integers(std::span<const int> list);
  RecordWriter& reals(std::span<const double> list);
  RecordWriter& texts(std::span<const std::string> list);
  RecordWriter& lists(std::span<const std::vector<int>> lists);

  // The finished record with its line end.  The next value starts the next
  // record.
  const std::string& end();

 private:
  void begin_value();

  Format format_;
  std::span<const std::string_view> fields_;
  std::size_t next_ = 0;  // the field the next value is for
  std::string record_;
};

}  // namespace pelantor::cli

#include "reports/chart.h"

#include "reports/format.h"

namespace pelantor::text {

namespace {

// Each operator name starts the field of its 12 marks, from column 17.
constexpr const char* chart_heading =
    "                T           TnI         TnM5        TnM7        \n"
    "                0123456789ab0123456789ab0123456789ab0123456789ab\n";

std::string chart_line(const ChartRow& row) {
  std::string line = bracketed(row.prime);
  line.append(static_cast<std::size_t>(14 - row.prime.size()), ' ');
  for (ChartMark mark : row.marks) line += mark == ChartMark::overlapping ? ' ' : 'x';
  return line + "\n";
}

}  // namespace

std::string chart(std::span<const ChartRow> rows) {
  std::string text = chart_heading;
  for (const ChartRow& row : rows) text += chart_line(row);
  return text;
}

}  // namespace pelantor::text

#include "pelantor/chart.h"

#include "pelantor/transform.h"
#include "setclass_data.h"

namespace pelantor {

namespace {

constexpr ChartMarks marks_of(PcSet set) {
  ChartMarks marks{};
  for (int i = 0; i < 48; ++i) {
    const PcSet image = all_transforms[i].apply(set);
    marks[i] = image == set            ? ChartMark::onto_itself
               : (image & set).empty() ? ChartMark::disjoint
                                       : ChartMark::overlapping;
  }
  return marks;
}

constexpr int chart_size = data::class_count - 1;

constexpr std::array<ChartRow, chart_size> chart = [] {
  std::array<ChartRow, chart_size> rows{};
  for (int i = 0; i < chart_size; ++i) {
    const PcSet prime = data::class_rows[i + 1].prime;
    rows[i] = {prime, marks_of(prime)};
  }
  return rows;
}();

// Every class is mapped onto itself by T0; only sets of up to six notes can
// go onto a set disjoint from them.
constexpr bool chart_is_sound() {
  for (const ChartRow& row : chart) {
    if (row.marks[0] != ChartMark::onto_itself) return false;
    for (ChartMark mark : row.marks) {
      if (mark == ChartMark::disjoint && row.prime.size() > 6) return false;
    }
  }
  return true;
}
static_assert(chart_is_sound(), "T0 fixes every class; more than six notes always overlap");

}  // namespace

ChartMarks chart_marks(PcSet set) {
  return marks_of(set);
}

std::span<const ChartRow> mapping_chart() {
  return chart;
}

}  // namespace pelantor

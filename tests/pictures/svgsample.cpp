// svgsample: writes one picture to standard output, for the XML check.
//   svgsample clock SET [numbers|sharps|flats] [forte]
//   svgsample heatmap MEASURE [cluster] [novalues] SET... [/ SET...]
// The sets after "/" are the columns; without them the rows meet themselves.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/notation.h"
#include "pictures/clockface.h"
#include "pictures/heatmap.h"

namespace {

using namespace pelantor;

std::string clock(const std::vector<std::string_view>& words) {
  pictures::ClockOptions options;
  Algorithm algorithm = Algorithm::rahn;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "sharps") options.names = pictures::PitchNames::sharps;
    if (words[i] == "flats") options.names = pictures::PitchNames::flats;
    if (words[i] == "forte") algorithm = Algorithm::forte;
  }
  return pictures::clock_face(parse_pcset(words.at(0)), algorithm, options);
}

std::string heatmap(const std::vector<std::string_view>& words) {
  pictures::HeatmapOptions options;
  std::vector<PcSet> rows, columns;
  bool in_columns = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "cluster") {
      options.cluster = true;
    } else if (words[i] == "novalues") {
      options.show_values = false;
    } else if (words[i] == "/") {
      in_columns = true;
    } else {
      (in_columns ? columns : rows).push_back(parse_pcset(words[i]));
    }
  }
  const Measure measure = find_measure(words.at(0)).measure;
  if (!in_columns) return pictures::heatmap(measure, rows, options);
  return pictures::heatmap(measure, rows, columns, matrix(measure, rows, columns), options);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  if (words.size() < 2 || (words[0] != "clock" && words[0] != "heatmap")) {
    std::fputs("usage: svgsample clock SET ... | svgsample heatmap MEASURE ...\n", stderr);
    return 2;
  }
  try {
    const std::vector<std::string_view> rest(words.begin() + 1, words.end());
    const std::string svg = words[0] == "clock" ? clock(rest) : heatmap(rest);
    std::fwrite(svg.data(), 1, svg.size(), stdout);
    return 0;
  } catch (const error& e) {
    std::fprintf(stderr, "svgsample: %s\n", e.what());
    return 1;
  }
}

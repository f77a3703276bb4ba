#include "pictures/heatmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pelantor/error.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pictures/clustering.h"
#include "pictures/colourscale.h"
#include "pictures/svg.h"

namespace pelantor::pictures {

namespace {

// What the legend says of each kind of measure, and the words at the two
// ends of the colour scale.
struct KindWords {
  std::string_view kind;
  std::string_view reading;
  std::string_view unlike_end;
  std::string_view alike_end;
};
constexpr std::array<KindWords, 3> kind_words = {{
    // Kind::dissimilarity
    {"a dissimilarity", "smaller values are more alike", "less alike", "more alike"},
    // Kind::similarity
    {"a similarity", "larger values are more alike", "less alike", "more alike"},
    // Kind::count
    {"a count of forms", "larger values count more forms", "fewer forms", "more forms"},
}};
static_assert(static_cast<int>(Kind::dissimilarity) == 0 &&
              static_cast<int>(Kind::similarity) == 1 && static_cast<int>(Kind::count) == 2);

const KindWords& words(Kind kind) {
  return kind_words[static_cast<std::size_t>(kind)];
}

// The values at the two ends of the colour scale, never equal.
struct Scale {
  double unlike;  // dark purple
  double alike;   // yellow

  // Where a value lies on the scale, 0 at the unlike end, 1 at the alike end.
  double place(double value) const {
    return std::clamp((value - unlike) / (alike - unlike), 0.0, 1.0);
  }
  // How far a value lies from the alike end, for clustering.
  double distance(double value) const { return std::abs(alike - value); }
};

// The scale spans the measure's range.  Where that is open at the top, and
// for counts, whose top (24) only the largest sets reach, it ends at the
// largest value drawn, and never below least + 1.
Scale scale_of(const MeasureInfo& measure, std::span<const double> values) {
  double top = measure.most;
  if (!std::isfinite(top) || measure.kind == Kind::count) {
    top = std::max(measure.least + 1, *std::max_element(values.begin(), values.end()));
  }
  if (measure.kind == Kind::dissimilarity) return {top, measure.least};
  return {measure.least, top};
}

// Sizes of the drawing in its own units; at natural size a unit is a pixel.
constexpr double margin = 12;
constexpr double gap = 6;
constexpr double title_font = 15;
constexpr double subtitle_font = 12;
constexpr double largest_label_font = 12;
constexpr double largest_value_font = 11;
constexpr double smallest_value_font = 8;  // smaller values are left out
constexpr double dendrogram_width = 90;
constexpr double legend_width = 220;
constexpr double legend_height = 84;
// The width of a text in a sans-serif font, generously: digits are 0.55 em.
double text_width(std::string_view text, double font) {
  return 0.6 * font * static_cast<double>(text.size());
}

// "{047} 3-11".
std::string set_label(PcSet set) {
  return svg::concat("{", to_string(set), "} ", forte_label(set_class_of(set)));
}

std::vector<std::string> labels(std::span<const PcSet> sets) {
  std::vector<std::string> all;
  for (const PcSet set : sets) all.push_back(set_label(set));
  return all;
}

double widest(const std::vector<std::string>& texts, double font) {
  double most = 0;
  for (const std::string& text : texts) most = std::max(most, text_width(text, font));
  return most;
}

// Everything the drawing needs, worked out before a line is written.
struct Plan {
  const MeasureInfo* measure = nullptr;
  std::span<const double> values;
  std::size_t columns = 0;
  std::vector<std::string> row_labels, column_labels;
  std::vector<int> row_order, column_order;  // the drawing order
  bool clustered = false;
  Dendrogram tree;  // no merges unless clustered
  Scale scale{};
  std::vector<std::string> value_texts;  // one per cell, fixed3
  std::string title, subtitle;

  // Layout.
  double cell = 0, label_font = 0, value_font = 0;  // value_font 0: no values shown
  double left = 0, top = 0;                         // the cells' top-left corner
  double legend_top = 0, width = 0, height = 0;

  double value(std::size_t row, std::size_t column) const { return values[row * columns + column]; }
  const std::string& value_text(std::size_t row, std::size_t column) const {
    return value_texts[row * columns + column];
  }
  double cells_right() const { return left + cell * static_cast<double>(column_order.size()); }
  double cells_bottom() const { return top + cell * static_cast<double>(row_order.size()); }
};

std::string count_of_sets(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " set" : " sets");
}

bool same_sets(std::span<const PcSet> rows, std::span<const PcSet> columns) {
  return std::equal(rows.begin(), rows.end(), columns.begin(), columns.end());
}

void check(std::span<const PcSet> rows, std::span<const PcSet> columns,
           std::span<const double> values, const HeatmapOptions& options) {
  if (rows.empty() || columns.empty()) {
    throw error("a heatmap needs at least one set in its rows and one in its columns");
  }
  if (values.size() != rows.size() * columns.size()) {
    throw error(svg::concat("a heatmap of ", std::to_string(rows.size()), " x ",
                            std::to_string(columns.size()), " sets needs ",
                            std::to_string(rows.size() * columns.size()), " values, not ",
                            std::to_string(values.size())));
  }
  if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
    throw error("a heatmap needs finite values");
  }
  if (options.cluster && !same_sets(rows, columns)) {
    throw error("clustering orders one list of sets against itself: rows and columns differ");
  }
}

std::vector<int> identity(std::size_t n) {
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

Dendrogram cluster(const Scale& scale, std::span<const double> values, std::size_t n) {
  std::vector<double> distances;
  for (const double v : values) distances.push_back(scale.distance(v));
  return cluster_average_linkage(distances, static_cast<int>(n));
}

void lay_out(Plan& plan, bool show_values) {
  const std::size_t most_sets = std::max(plan.row_order.size(), plan.column_order.size());
  // Cells of 40 units for a dozen sets, shrinking to 4 (200 sets fill 800).
  plan.cell = std::clamp(std::floor(480.0 / static_cast<double>(most_sets)), 4.0, 40.0);
  plan.label_font = std::min(largest_label_font, 0.8 * plan.cell);
  std::size_t longest = 0;
  for (const std::string& text : plan.value_texts) longest = std::max(longest, text.size());
  const double fitting = (plan.cell - 4) / (0.6 * static_cast<double>(longest));
  plan.value_font =
      show_values && fitting >= smallest_value_font ? std::min(largest_value_font, fitting) : 0;

  const double headings = margin + title_font + (plan.subtitle.empty() ? 0 : 4 + subtitle_font);
  // Cells on whole units, so that their edges meet without seams.
  plan.top = std::ceil(headings + 2 * gap + widest(plan.column_labels, plan.label_font));
  plan.left = std::ceil(margin + widest(plan.row_labels, plan.label_font) + gap);
  double right = plan.cells_right() + (plan.clustered ? 2 * gap + dendrogram_width : 0);
  right = std::max({right, margin + legend_width, margin + text_width(plan.title, title_font),
                    margin + text_width(plan.subtitle, subtitle_font)});
  // The dendrogram's distance axis lies under it, above the legend.
  plan.legend_top = plan.cells_bottom() + (plan.clustered ? 40 : 16);
  plan.width = right + margin;
  plan.height = plan.legend_top + legend_height + margin;
}

Plan plan_of(Measure measure, std::span<const PcSet> rows, std::span<const PcSet> columns,
             std::span<const double> values, const HeatmapOptions& options) {
  const MeasureInfo& m = info(measure);
  Plan plan;
  plan.measure = &m;
  plan.values = values;
  plan.columns = columns.size();
  plan.row_labels = labels(rows);
  plan.column_labels = labels(columns);
  plan.row_order = identity(rows.size());
  plan.column_order = identity(columns.size());
  plan.clustered = options.cluster;
  plan.scale = scale_of(m, values);
  if (options.cluster) {
    plan.tree = cluster(plan.scale, values, rows.size());
    plan.row_order = plan.column_order = plan.tree.order;
    plan.subtitle = "Rows and columns ordered by average-linkage clustering";
  }
  for (const double v : values) plan.value_texts.push_back(svg::fixed3(v));
  plan.title = svg::concat(
      m.name, ": ", count_of_sets(rows.size()),
      options.cluster || same_sets(rows, columns)
          ? " against each other"
          : svg::concat(" (rows) against ", count_of_sets(columns.size()), " (columns)"));
  lay_out(plan, options.show_values);
  return plan;
}

// The labels in the drawing order: " {047} 3-11; {037} 3-11;".
std::string listed(const std::vector<std::string>& labels, const std::vector<int>& order) {
  std::string text;
  for (const int i : order) text += " " + labels[static_cast<std::size_t>(i)] + ";";
  return text;
}

std::string description(const Plan& plan) {
  const KindWords& w = words(plan.measure->kind);
  std::string text = svg::concat(
      plan.measure->name, ", ", w.kind, ": ", w.reading, ". Colours run from dark purple (",
      w.unlike_end, ", ", svg::fixed3(plan.scale.unlike), ") to yellow (", w.alike_end, ", ",
      svg::fixed3(plan.scale.alike), "). Rows:", listed(plan.row_labels, plan.row_order),
      " columns:", listed(plan.column_labels, plan.column_order));
  text.back() = '.';
  if (plan.clustered) {
    text += " The dendrogram at the right joins them by their mean distance from the alike end.";
  }
  return text;
}

std::string font_size(double size) {
  return svg::concat(" font-size=\"", svg::number(size), "\"");
}

void draw_headings(std::string& out, const Plan& plan) {
  svg::text(out, margin, margin + title_font, font_size(title_font) + " font-weight=\"bold\"",
            plan.title);
  if (plan.subtitle.empty()) return;
  svg::text(out, margin, margin + title_font + 4 + subtitle_font, font_size(subtitle_font),
            plan.subtitle);
}

void open_group(std::string& out, std::string_view id, std::string_view extra) {
  out += "<g";
  svg::attribute(out, "id", id);
  out += extra;
  out += ">\n";
}

void draw_labels(std::string& out, const Plan& plan) {
  const std::string font = font_size(plan.label_font);
  open_group(out, "row-labels", font + " text-anchor=\"end\"");
  for (std::size_t r = 0; r < plan.row_order.size(); ++r) {
    const int i = plan.row_order[r];
    const double y = plan.top + plan.cell * (static_cast<double>(r) + 0.5);
    svg::text(out, plan.left - gap, y,
              svg::concat(" id=\"row-", std::to_string(i), "\" dy=\"0.35em\""),
              plan.row_labels[static_cast<std::size_t>(i)]);
  }
  out += "</g>\n";
  // Column labels read upwards from just above their column.
  open_group(out, "column-labels", font + " text-anchor=\"start\"");
  for (std::size_t c = 0; c < plan.column_order.size(); ++c) {
    const int j = plan.column_order[c];
    const double x = plan.left + plan.cell * (static_cast<double>(c) + 0.5);
    const double y = plan.top - gap;
    svg::text(
        out, x, y,
        svg::concat(" id=\"col-", std::to_string(j), "\" dy=\"0.35em\" transform=\"rotate(-90 ",
                    svg::number(x), " ", svg::number(y), ")\""),
        plan.column_labels[static_cast<std::size_t>(j)]);
  }
  out += "</g>\n";
}

// One <rect> per cell, on one line with its tooltip: 40,000 of them for 200
// sets, so nothing is written that the cell does not need.
void draw_cells(std::string& out, const Plan& plan, bool tooltips) {
  const std::string side = svg::number(plan.cell);
  open_group(out, "cells", " shape-rendering=\"crispEdges\"");
  for (std::size_t r = 0; r < plan.row_order.size(); ++r) {
    const auto i = static_cast<std::size_t>(plan.row_order[r]);
    const std::string y = svg::number(plan.top + plan.cell * static_cast<double>(r));
    for (std::size_t c = 0; c < plan.column_order.size(); ++c) {
      const auto j = static_cast<std::size_t>(plan.column_order[c]);
      svg::append(out, "<rect x=\"", svg::number(plan.left + plan.cell * static_cast<double>(c)),
                  "\" y=\"", y, "\" width=\"", side, "\" height=\"", side, "\" fill=\"",
                  colours::at(plan.scale.place(plan.value(i, j))), "\" data-row=\"",
                  std::to_string(i), "\" data-col=\"", std::to_string(j), "\"");
      if (!tooltips) {
        out += "/>\n";
        continue;
      }
      svg::append(out, "><title>", svg::escaped(plan.row_labels[i]), ", ",
                  svg::escaped(plan.column_labels[j]), ": ", plan.value_text(i, j),
                  "</title></rect>\n");
    }
  }
  out += "</g>\n";
}

std::string places(const std::vector<int>& order) {
  std::string text;
  for (const int place : order) {
    if (!text.empty()) text += ' ';
    text += std::to_string(place);
  }
  return text;
}

// The cells of each colour as one path, in the order the colours are first
// met; each run of one colour along a row is one rectangle.
void draw_merged_cells(std::string& out, const Plan& plan) {
  std::vector<std::string> fills, outlines;
  std::unordered_map<std::string, std::size_t> path_of;
  const std::string side = svg::number(plan.cell);
  const std::size_t columns = plan.column_order.size();
  for (std::size_t r = 0; r < plan.row_order.size(); ++r) {
    const auto i = static_cast<std::size_t>(plan.row_order[r]);
    const std::string y = svg::number(plan.top + plan.cell * static_cast<double>(r));
    std::vector<std::string> row;
    for (const int j : plan.column_order) {
      row.push_back(colours::at(plan.scale.place(plan.value(i, static_cast<std::size_t>(j)))));
    }
    for (std::size_t c = 0, end = 0; c < columns; c = end) {
      end = c + 1;
      while (end < columns && row[end] == row[c]) ++end;
      const auto [found, added] = path_of.try_emplace(row[c], fills.size());
      if (added) {
        fills.push_back(row[c]);
        outlines.emplace_back();
      }
      const std::string width = svg::number(plan.cell * static_cast<double>(end - c));
      svg::append(outlines[found->second], "M",
                  svg::number(plan.left + plan.cell * static_cast<double>(c)), " ", y, "h", width,
                  "v", side, "h-", width, "z");
    }
  }
  open_group(out, "cells",
             svg::concat(" shape-rendering=\"crispEdges\" data-left=\"", svg::number(plan.left),
                         "\" data-top=\"", svg::number(plan.top), "\" data-cell=\"", side,
                         "\" data-rows=\"", places(plan.row_order), "\" data-cols=\"",
                         places(plan.column_order), "\""));
  for (std::size_t k = 0; k < fills.size(); ++k) {
    svg::append(out, "<path fill=\"", fills[k], "\" d=\"", outlines[k], "\"/>\n");
  }
  out += "</g>\n";
}

void draw_values(std::string& out, const Plan& plan) {
  if (plan.value_font == 0) return;
  open_group(out, "values", font_size(plan.value_font) + " text-anchor=\"middle\"");
  for (std::size_t r = 0; r < plan.row_order.size(); ++r) {
    for (std::size_t c = 0; c < plan.column_order.size(); ++c) {
      const auto i = static_cast<std::size_t>(plan.row_order[r]);
      const auto j = static_cast<std::size_t>(plan.column_order[c]);
      const bool dark = colours::is_dark(plan.scale.place(plan.value(i, j)));
      svg::text(out, plan.left + plan.cell * (static_cast<double>(c) + 0.5),
                plan.top + plan.cell * (static_cast<double>(r) + 0.5),
                dark ? " dy=\"0.35em\" fill=\"#ffffff\"" : " dy=\"0.35em\" fill=\"#000000\"",
                plan.value_text(i, j));
    }
  }
  out += "</g>\n";
}

// The tree at the right of the cells: leaves at their rows, each join an
// elbow at its height, the root furthest right, with a distance axis below.
void draw_dendrogram(std::string& out, const Plan& plan) {
  if (!plan.clustered) return;
  const std::size_t n = plan.row_order.size();
  const double x0 = plan.cells_right() + 2 * gap;
  const double highest = plan.tree.merges.empty() ? 0 : plan.tree.merges.back().height;
  const double per_unit = highest > 0 ? dendrogram_width / highest : 0;
  // Height and row position of every cluster, items first.
  std::vector<double> x(n + plan.tree.merges.size(), x0), y(x.size());
  for (std::size_t r = 0; r < n; ++r) {
    y[static_cast<std::size_t>(plan.row_order[r])] =
        plan.top + plan.cell * (static_cast<double>(r) + 0.5);
  }
  open_group(out, "dendrogram", " fill=\"none\" stroke=\"#252525\" stroke-width=\"1\"");
  for (std::size_t k = 0; k < plan.tree.merges.size(); ++k) {
    const Merge& merge = plan.tree.merges[k];
    const auto a = static_cast<std::size_t>(merge.first),
               b = static_cast<std::size_t>(merge.second);
    x[n + k] = x0 + merge.height * per_unit;
    y[n + k] = (y[a] + y[b]) / 2;
    svg::append(out, "<path id=\"merge-", std::to_string(k), "\" d=\"M", svg::number(x[a]), " ",
                svg::number(y[a]), "H", svg::number(x[n + k]), "V", svg::number(y[b]), "H",
                svg::number(x[b]), "\"><title>joined at ", svg::fixed3(merge.height),
                "</title></path>\n");
  }
  const double axis_y = plan.cells_bottom() + 8;
  out += "<line";
  svg::attribute(out, "x1", x0);
  svg::attribute(out, "y1", axis_y);
  svg::attribute(out, "x2", x0 + dendrogram_width);
  svg::attribute(out, "y2", axis_y);
  out += "/>\n</g>\n";
  open_group(out, "dendrogram-axis", " font-size=\"10\"");
  svg::text(out, x0, axis_y + 12, "", svg::fixed3(0));
  svg::text(out, x0 + dendrogram_width, axis_y + 12, " text-anchor=\"end\"", svg::fixed3(highest));
  svg::text(out, x0 + dendrogram_width / 2, axis_y + 24, " text-anchor=\"middle\"", "distance");
  out += "</g>\n";
}

void draw_legend(std::string& out, const Plan& plan) {
  const KindWords& w = words(plan.measure->kind);
  out += "<defs>\n<linearGradient id=\"heatmap-scale\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">\n";
  for (int stop = 0; stop < colours::stops; ++stop) {
    out += "<stop";
    svg::attribute(out, "offset", static_cast<double>(stop) / (colours::stops - 1));
    svg::attribute(out, "stop-color", colours::stop_colour(stop));
    out += "/>\n";
  }
  out += "</linearGradient>\n</defs>\n";
  const double y = plan.legend_top;
  const double right = margin + legend_width;
  open_group(out, "legend", " font-size=\"11\"");
  svg::text(out, margin, y + 12, " font-size=\"12\" font-weight=\"bold\"",
            svg::concat(plan.measure->name, ", ", w.kind));
  svg::text(out, margin, y + 28, "", w.reading);
  out += "<rect";
  svg::attribute(out, "x", margin);
  svg::attribute(out, "y", y + 36);
  svg::attribute(out, "width", legend_width);
  out += " height=\"14\" fill=\"url(#heatmap-scale)\" stroke=\"#636363\" stroke-width=\"0.5\"/>\n";
  svg::text(out, margin, y + 64, " id=\"legend-unlike\"", svg::fixed3(plan.scale.unlike));
  svg::text(out, right, y + 64, " id=\"legend-alike\" text-anchor=\"end\"",
            svg::fixed3(plan.scale.alike));
  svg::text(out, margin, y + 78, "", w.unlike_end);
  svg::text(out, right, y + 78, " text-anchor=\"end\"", w.alike_end);
  out += "</g>\n";
}

}  // namespace

std::string heatmap(Measure measure, std::span<const PcSet> rows, std::span<const PcSet> columns,
                    std::span<const double> values, const HeatmapOptions& options) {
  check(rows, columns, values, options);
  const Plan plan = plan_of(measure, rows, columns, values, options);
  std::string out;
  // About 130 bytes a cell.
  out.reserve(4096 + 140 * values.size());
  const std::string title = svg::concat("Heatmap of ", plan.title);
  const std::string desc = description(plan);
  svg::open_document(out, plan.width, plan.height, plan.width, {"heatmap", title, desc});
  draw_headings(out, plan);
  draw_labels(out, plan);
  if (options.merged_cells) {
    draw_merged_cells(out, plan);
  } else {
    draw_cells(out, plan, options.tooltips);
  }
  draw_values(out, plan);
  draw_dendrogram(out, plan);
  draw_legend(out, plan);
  svg::close_document(out);
  return out;
}

std::string heatmap(Measure measure, std::span<const PcSet> sets, const HeatmapOptions& options) {
  const std::vector<double> values = matrix(measure, sets);
  return heatmap(measure, sets, sets, values, options);
}

}  // namespace pelantor::pictures

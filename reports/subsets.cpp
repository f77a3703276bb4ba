#include "reports/subsets.h"

#include "reports/format.h"

namespace pelantor::text {

namespace {

std::string heading(int cardinality, std::span<const PcSet> supersets, Algorithm algorithm) {
  std::string text = std::to_string(cardinality) + "-note subsets of ";
  for (std::size_t i = 0; i < supersets.size(); ++i) {
    if (i > 0) text += ", ";
    text += bracketed(prime_form(supersets[i], algorithm).prime);
  }
  return text + "\n";
}

// The count in two places, before the class; nothing with several
// supersets.
std::string count_column(const EmbeddedClass& row) {
  if (row.embeddings.size() != 1) return "";
  const int count = row.embeddings[0].count;
  return (count < 10 ? " " : "") + std::to_string(count);
}

// How far the count lies from the bounds; nothing with several supersets.
std::string bounds_columns(const EmbeddedClass& row) {
  if (row.embeddings.size() != 1) return "";
  const Embedding& e = row.embeddings[0];
  return "max-" + std::to_string(e.most - e.count) + "   min+" + std::to_string(e.count - e.least);
}

std::string row_of(const EmbeddedClass& row, Algorithm algorithm) {
  return "  " + count_column(row) + "  " + bracketed(row.set_class.prime(algorithm)) + "  " +
         label_cell(row.set_class) + "   " + bounds_columns(row) + "\n";
}

}  // namespace

std::string subsets_listing(std::span<const PcSet> supersets, std::span<const SubsetsOfSize> sizes,
                            Algorithm algorithm) {
  std::string text = "\n";
  for (const SubsetsOfSize& size : sizes) {
    text += heading(size.cardinality, supersets, algorithm);
    for (const EmbeddedClass& row : size.classes) text += row_of(row, algorithm);
    if (size.classes.empty()) text += "  None mutually included\n";
  }
  return text + "\n";
}

}  // namespace pelantor::text

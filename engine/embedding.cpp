#include "pelantor/embedding.h"

#include "embedding_tables.h"
#include "rules.h"

namespace pelantor {

EmbeddingRange embedding_range(const SetClass& subset, int superset_cardinality) {
  rule::require_cardinality(superset_cardinality);
  return tables::embedding_ranges[superset_cardinality][subset.index];
}

}  // namespace pelantor

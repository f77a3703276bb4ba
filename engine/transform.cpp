#include "pelantor/transform.h"

namespace pelantor {

std::string to_string(Transform t) {
  constexpr const char* suffixes[] = {"", "I", "M", "MI"};
  constexpr std::string_view digits = "0123456789ab";
  return std::string("T") + digits[(t.n % 12 + 12) % 12] + suffixes[static_cast<int>(t.operation)];
}

}  // namespace pelantor

#pragma once
// The one exception type of the engine: every function that refuses its
// input throws pelantor::error with a message a user can read as it is.

#include <stdexcept>

namespace pelantor {

class error : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

}  // namespace pelantor

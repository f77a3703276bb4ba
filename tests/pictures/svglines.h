#pragma once
// Reading the pictures back in the tests: each element is on a line of its
// own, so a line found by a piece of its text is the element.

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace pelantor::pictures::testing {

// The lines of the document that contain the piece, in order.
inline std::vector<std::string> lines_with(const std::string& svg, std::string_view piece) {
  std::vector<std::string> found;
  std::istringstream in(svg);
  for (std::string line; std::getline(in, line);) {
    if (line.find(piece) != std::string::npos) found.push_back(line);
  }
  return found;
}

// The one line that contains the piece; "" when there is none or several.
inline std::string line_with(const std::string& svg, std::string_view piece) {
  const std::vector<std::string> found = lines_with(svg, piece);
  return found.size() == 1 ? found.front() : "";
}

// The value of an attribute of the element on the line; "" without it.
inline std::string attribute(const std::string& line, const std::string& name) {
  const std::string start = " " + name + "=\"";
  const std::size_t at = line.find(start);
  if (at == std::string::npos) return "";
  const std::size_t from = at + start.size();
  return line.substr(from, line.find('"', from) - from);
}

inline double number(const std::string& line, const std::string& name) {
  return std::stod(attribute(line, name));
}

// The text between the element's start tag and the next tag.
inline std::string content(const std::string& line) {
  const std::size_t from = line.find('>') + 1;
  return line.substr(from, line.find('<', from) - from);
}

}  // namespace pelantor::pictures::testing

#pragma once
// The SVG text shared by every picture: the document around a drawing,
// attributes with their numbers and escaped texts.  Each element goes on a
// line of its own; numbers never depend on the locale.

#include <string>
#include <string_view>

namespace pelantor::pictures::svg {

// The text with &, <, >, " and ' written as XML entities, fit for element
// content and for attribute values in double quotes.
std::string escaped(std::string_view text);

// A coordinate or length: at most two decimals, no trailing zeros, and no
// minus sign on a value that rounds to zero ("12", "0.5", "-3.25").
std::string number(double x);

// printf's "%.3f", the way the program writes every value.
std::string fixed3(double x);

// Appends each piece (a string, a string_view or a literal) in turn, and
// the pieces joined.  Texts are built so rather than as "literal" + string,
// which at -O3 GCC 12 takes for an overlapping copy (-Wrestrict).
template <typename... Pieces>
void append(std::string& out, const Pieces&... pieces) {
  (out.append(pieces), ...);
}
template <typename... Pieces>
std::string concat(const Pieces&... pieces) {
  std::string text;
  append(text, pieces...);
  return text;
}

// Appends ` name="value"`, the value written by number() or escaped().
void attribute(std::string& out, std::string_view name, double value);
void attribute(std::string& out, std::string_view name, std::string_view value);

// Appends <text x="..." y="...">, then the raw attribute text `extra` (each
// attribute with its leading blank), the escaped content and </text>.
void text(std::string& out, double x, double y, std::string_view extra, std::string_view content);

// What the document says of itself, for screen readers and tooltips.  The
// ids of its title and description are id_prefix + "-title" and "-desc".
struct Heading {
  std::string_view id_prefix;
  std::string_view title;
  std::string_view description;
};

// Appends the XML declaration, the <svg> element with its viewBox of
// view_width x view_height units shown at pixel_width pixels wide (the
// height in proportion), its <title> and <desc>, and a white background.
void open_document(std::string& out, double view_width, double view_height, double pixel_width,
                   const Heading& heading);
// Appends the end of the <svg> element.
void close_document(std::string& out);

}  // namespace pelantor::pictures::svg

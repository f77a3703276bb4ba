#include "pictures/svg.h"

#include <charconv>
#include <cstdio>
#include <iterator>
#include <limits>

namespace pelantor::pictures::svg {

namespace {

// std::to_chars rounds the binary value correctly, as printf does, but
// writes a decimal point whatever the locale of the host program.  The
// buffer holds the integer digits of the largest double, a sign, the point
// and up to three decimals.
std::string fixed(double x, int decimals) {
  char digits[std::numeric_limits<double>::max_exponent10 + 8];
#if defined(__cpp_lib_to_chars)
  char* end =
      std::to_chars(std::begin(digits), std::end(digits), x, std::chars_format::fixed, decimals)
          .ptr;
  return std::string(std::begin(digits), end);
#else
  // The C++ library of the WebAssembly build has no floating-point
  // to_chars; its C library knows no locale but "C", so printf writes the
  // same digits there.
  const int length = std::snprintf(digits, sizeof digits, "%.*f", decimals, x);
  return std::string(digits, static_cast<std::size_t>(length));
#endif
}

}  // namespace

std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string number(double x) {
  std::string digits = fixed(x, 2);
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
  return digits == "-0" ? "0" : digits;
}

std::string fixed3(double x) {
  return fixed(x, 3);
}

void attribute(std::string& out, std::string_view name, double value) {
  attribute(out, name, number(value));
}

void attribute(std::string& out, std::string_view name, std::string_view value) {
  out += ' ';
  out += name;
  out += "=\"";
  out += escaped(value);
  out += '"';
}

void text(std::string& out, double x, double y, std::string_view extra, std::string_view content) {
  out += "<text";
  attribute(out, "x", x);
  attribute(out, "y", y);
  out += extra;
  out += '>';
  out += escaped(content);
  out += "</text>\n";
}

void open_document(std::string& out, double view_width, double view_height, double pixel_width,
                   const Heading& heading) {
  const std::string title_id = std::string(heading.id_prefix) + "-title";
  const std::string desc_id = std::string(heading.id_prefix) + "-desc";
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
  attribute(out, "width", pixel_width);
  attribute(out, "height", pixel_width * view_height / view_width);
  attribute(out, "viewBox", "0 0 " + number(view_width) + " " + number(view_height));
  attribute(out, "role", "img");
  attribute(out, "aria-labelledby", title_id + " " + desc_id);
  // A generic family: every viewer and printer has one, nothing is fetched.
  out += " font-family=\"sans-serif\">\n";
  out += "<title";
  attribute(out, "id", title_id);
  out += '>' + escaped(heading.title) + "</title>\n";
  out += "<desc";
  attribute(out, "id", desc_id);
  out += '>' + escaped(heading.description) + "</desc>\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

void close_document(std::string& out) {
  out += "</svg>\n";
}

}  // namespace pelantor::pictures::svg

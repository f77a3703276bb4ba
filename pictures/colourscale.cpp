#include "pictures/colourscale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelantor::pictures::colours {

namespace {

struct Rgb {
  int red, green, blue;
};

// Viridis at t = 0, 0.1, ... 1.
constexpr std::array<Rgb, stops> viridis = {{
    {0x44, 0x01, 0x54},  // 0.0 dark purple
    {0x48, 0x25, 0x76},  // 0.1
    {0x41, 0x44, 0x87},  // 0.2
    {0x35, 0x60, 0x8d},  // 0.3
    {0x2a, 0x78, 0x8e},  // 0.4
    {0x21, 0x90, 0x8c},  // 0.5 teal
    {0x22, 0xa8, 0x84},  // 0.6
    {0x43, 0xbf, 0x71},  // 0.7
    {0x7a, 0xd1, 0x51},  // 0.8
    {0xbb, 0xdf, 0x27},  // 0.9
    {0xfd, 0xe7, 0x25},  // 1.0 yellow
}};

// Luma (Rec. 709 weights on the stored values), 0 to 255: how light a
// colour looks.
constexpr double luma(Rgb c) {
  return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

// A sequential scale: every stop lighter than the one before it.
static_assert([] {
  for (std::size_t i = 1; i < viridis.size(); ++i) {
    if (luma(viridis[i]) <= luma(viridis[i - 1])) return false;
  }
  return true;
}());

Rgb blend(double t) {
  const double place = std::clamp(t, 0.0, 1.0) * (stops - 1);
  const auto low = static_cast<std::size_t>(std::min(std::floor(place), stops - 2.0));
  const double part = place - static_cast<double>(low);
  const auto mix = [part](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * part));
  };
  const Rgb a = viridis[low], b = viridis[low + 1];
  return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

std::string hex(Rgb c) {
  constexpr char digits[] = "0123456789abcdef";
  std::string text = "#";
  for (const int channel : {c.red, c.green, c.blue}) {
    text += digits[channel >> 4];
    text += digits[channel & 15];
  }
  return text;
}

}  // namespace

std::string at(double t) {
  return hex(blend(t));
}

bool is_dark(double t) {
  return luma(blend(t)) < 128;
}

std::string stop_colour(int stop) {
  return hex(viridis[static_cast<std::size_t>(std::clamp(stop, 0, stops - 1))]);
}

}  // namespace pelantor::pictures::colours

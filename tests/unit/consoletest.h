#pragma once
// Runs console code on string streams in place of the keyboard and screen.

#include <iostream>
#include <sstream>
#include <string>

#include "console/charsource.h"

// While it lives the console reads the typed text and writes into out; the
// standard streams come back when it goes.
struct console {
  std::istringstream in;
  std::ostringstream out;
  explicit console(const std::string& typed = "") : in(typed) { setconsole(in, out); }
  ~console() { setconsole(std::cin, std::cout); }
  // Everything written so far (the console holds screen text back until it
  // needs input).
  std::string shown() {
    consoleflush();
    return out.str();
  }
  console(const console&) = delete;
  console& operator=(const console&) = delete;
};

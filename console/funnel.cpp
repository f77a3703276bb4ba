#include "console/funnel.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "console/charsource.h"

namespace {

// The report file, or nullptr when results go to the screen alone.
std::FILE* outfp = nullptr;
std::string filename;

void toscreen(const char* text, std::size_t length) {
  consolewrite(text, length);
}

// Every writer ends here: the text goes to the report file when one is open,
// and always to the screen.
void funnel(const char* text) {
  const std::size_t length = std::strlen(text);
  if (outfp != nullptr) std::fwrite(text, 1, length, outfp);
  toscreen(text, length);
}

// Text for the report file alone.
void tofile(const char* text) {
  std::fputs(text, outfp);
}

constexpr const char* asterisks = "************************************************************\n";

// The name line is centred in the 60 columns of the asterisk lines.
void writebanner() {
  tofile(asterisks);
  spaces((37 - static_cast<int>(filename.size())) / 2);
  std::fprintf(outfp, "\"%s\" created by \"Pelantor\"\n", filename.c_str());
  tofile(asterisks);
  tofile("\n");
}

}  // namespace

void screen(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  char text[512];
  const int length = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (length < 0) {
    va_end(again);
    return;
  }
  if (static_cast<std::size_t>(length) < sizeof text) {
    va_end(again);
    consolewrite(text, static_cast<std::size_t>(length));
    return;
  }
  // Longer than the usual line: format it again into room of its own size.
  std::string longtext(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(longtext.data(), longtext.size(), format, again);
  va_end(again);
  consolewrite(longtext.data(), static_cast<std::size_t>(length));
}

void mwrite(const char* text) {
  funnel(text);
}

void spaces(int n) {
  for (int i = 0; i < n; ++i) mwrite(" ");
}

void printtitle() {
  screen("                              P e l a n t o r\n");
  screen("                                   v. %s\n", PELANTOR_VERSION);
  screen("\n");
}

bool openreport(const char* name) {
  closereport();
  outfp = std::fopen(name, "a");
  if (outfp == nullptr) return false;
  filename = name;
  writebanner();
  return true;
}

void writereporttodisk() {
  if (outfp != nullptr) std::fflush(outfp);
}

void closereport() {
  if (outfp != nullptr) std::fclose(outfp);
  outfp = nullptr;
}

bool isreportfile(const char* name) {
  std::error_code failed;
  return outfp != nullptr && std::filesystem::equivalent(name, filename, failed) && !failed;
}

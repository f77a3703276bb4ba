// eofcuts SCRIPT COVERED: where a cut of SCRIPT ends the input at a prompt
// that no earlier cut reached.
//
// Types SCRIPT at the dialogue, in the folder the tool runs in, handing out
// one line whenever the program asks for input, and notes the prompt it asks
// at: the last line with more than blanks of what the program wrote since it
// took the line before, or, where it wrote nothing, of the whole screen.
// COVERED lists the prompts already reached, one a line (it may be missing).
// For every prompt not listed the tool prints how many script lines had been
// typed when the program first asked at it, one number a line, and appends
// the prompt to COVERED: cutting the script after that many lines ends the
// input at that prompt.  The status is the dialogue's.

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/mainmenu.h"

namespace {

// The last line of text that holds more than blanks, without its line end;
// empty when there is none.
std::string lastline(std::string_view text) {
  const std::size_t last = text.find_last_not_of(" \n");
  if (last == std::string_view::npos) return "";
  const std::size_t before = text.rfind('\n', last);
  const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
  return std::string(text.substr(start, text.find('\n', last) - start));
}

// A keyboard that hands out the script one line per request of the program
// and notes, at each request, the prompt on the screen.
class linebyline : public std::streambuf {
 public:
  linebyline(std::string script, const std::ostringstream& screen)
      : script_(std::move(script)), screen_(screen) {}

  // The prompt of every request: entry k was asked after k lines, the last
  // one at the end of the script.
  const std::vector<std::string>& prompts() const { return prompts_; }

 protected:
  int_type underflow() override {
    // After the end of the script the program asks once more (it supplies a
    // missing final line end first); that request shows no new prompt.
    if (prompts_.size() <= typed_) noteprompt();
    if (next_ == script_.size()) return traits_type::eof();
    const std::size_t lineend = script_.find('\n', next_);
    const std::size_t end = lineend == std::string::npos ? script_.size() : lineend + 1;
    line_ = script_.substr(next_, end - next_);
    next_ = end;
    ++typed_;
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_[0]);
  }

 private:
  void noteprompt() {
    const std::string_view written = screen_.view();
    std::string prompt = lastline(written.substr(seen_));
    // Nothing new: an answer passed over in silence, asked for again at
    // the prompt still shown.
    if (prompt.empty()) prompt = lastline(written);
    prompts_.push_back(prompt);
    seen_ = written.size();
  }

  std::string script_;
  const std::ostringstream& screen_;
  std::string line_;
  std::size_t next_ = 0;
  std::size_t typed_ = 0;
  std::size_t seen_ = 0;
  std::vector<std::string> prompts_;
};

std::string readwhole(const char* name) {
  std::ifstream file(name, std::ios::binary);
  std::ostringstream whole;
  whole << file.rdbuf();
  return whole.str();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: eofcuts SCRIPT COVERED\n");
    return 2;
  }
  std::set<std::string> covered;
  std::istringstream known(readwhole(argv[2]));
  for (std::string prompt; std::getline(known, prompt);) covered.insert(prompt);

  std::ostringstream screen;
  linebyline keyboard(readwhole(argv[1]), screen);
  std::istream in(&keyboard);
  const int status = runprogram(in, screen);

  std::ofstream coveredfile(argv[2], std::ios::app);
  const std::vector<std::string>& prompts = keyboard.prompts();
  for (std::size_t typed = 0; typed < prompts.size(); ++typed) {
    if (!covered.insert(prompts[typed]).second) continue;
    std::printf("%zu\n", typed);
    coveredfile << prompts[typed] << '\n';
  }
  return status;
}

// pelantor draw: the clock face of a set as an SVG picture.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "cli/command.h"
#include "cli/failure.h"
#include "pictures/clockface.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view details =
    "Writes the clock face of the set as an SVG document: the twelve pitch\n"
    "classes round a circle, 0 at the top, the members filled and joined by a\n"
    "polygon, the axes of the set's inversional symmetry, and a title with the\n"
    "set, its prime form, the operator between them and its Forte label.  The\n"
    "positions are labelled 0 to 11, or with --names with note names (C C# D ...\n"
    "or C Db D ...), whatever form the set was typed in.  The set comes from the\n"
    "argument or from --input, which then holds one set.\n";

struct Options {
  std::string set;
  pictures::PitchNames names = pictures::PitchNames::numbers;
  std::string output;  // -o FILE; standard output without it, or with "-"
};

// The picture to the file; throws Failure when it cannot be written.
void write_file(const std::string& path, const std::string& picture) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    throw Failure{"cannot open '" + path + "': " + std::strerror(errno), status_usage};
  }
  const bool written = std::fwrite(picture.data(), 1, picture.size(), file) == picture.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written) {
    throw Failure{"cannot write '" + path + "': " + std::strerror(written ? errno : error),
                  status_bad_input};
  }
}

void run(const Options& options, const Settings& settings) {
  // The first set read is drawn; any other is refused.
  std::optional<PcSet> drawn;
  const auto one_set = [&drawn](PcSet) -> std::string {
    return drawn ? "draw takes one set; this is another" : "";
  };
  const std::vector<std::string> words =
      options.set.empty() ? std::vector<std::string>{} : std::vector{options.set};
  for_each_set(settings, words, one_set, [&drawn](PcSet set) { drawn = set; });
  if (!drawn) throw Failure{"no set to draw", status_bad_input};
  const std::string picture = pictures::clock_face(*drawn, settings.algorithm, {options.names});
  if (options.output.empty() || options.output == "-") {
    write(picture);
  } else {
    write_file(options.output, picture);
  }
}

Action define(CLI::App& app) {
  // The picture has one format.
  app.remove_option(app.get_option("--format"));
  auto options = std::make_shared<Options>();
  app.add_option("SET", options->set, "the set")->option_text(" ");
  const Choices names = {{"numbers", static_cast<int>(pictures::PitchNames::numbers)},
                         {"sharps", static_cast<int>(pictures::PitchNames::sharps)},
                         {"flats", static_cast<int>(pictures::PitchNames::flats)}};
  app.add_option("--names", options->names, "the labels: numbers (the default), sharps or flats")
      ->transform(choice_of(names))
      ->option_text("NAMES");
  app.add_option("-o", options->output, "write the picture to FILE; - for standard output")
      ->option_text("FILE");
  app.callback([&app, options] {
    const bool input = app.get_option("--input")->count() > 0;
    if (options->set.empty() == !input) {
      throw CLI::ValidationError("give a set, or --input FILE with one");
    }
  });
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "draw",
    "the clock face of a set, as SVG",
    "pelantor draw [OPTIONS] SET [--names numbers|sharps|flats] [-o FILE]\n"
    "pelantor draw [OPTIONS] --input FILE [--names numbers|sharps|flats] [-o FILE]",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli

#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <new>
#include <vector>

#include "cli/failure.h"

namespace pelantor::cli {

namespace {

std::vector<Command>& commands() {
  static std::vector<Command> all;
  return all;
}

const Command* find_command(std::string_view name) {
  for (const Command& command : commands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

// The usage lines with "Usage: " before the first and the others indented
// to match.
std::string usage_of(const Command& command) {
  std::string usage = "Usage: ";
  for (const char c : command.synopsis) {
    usage += c;
    if (c == '\n') usage += "       ";
  }
  return usage + "\n";
}

// --help: usage, summary, the arguments and options as CLI11 lists them,
// then the command's details.
class HelpFormatter : public CLI::Formatter {
 public:
  explicit HelpFormatter(const Command& command) : command_(command) {}

  std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
    std::string help = usage_of(command_) + "\n" + std::string(command_.summary) + "\n";
    help += make_positionals(app);
    help += make_groups(app, CLI::AppFormatMode::Normal);
    if (!command_.details.empty()) help += "\n" + std::string(command_.details);
    return help;
  }

  // An option's value by the name each option gives it (FILE, N): no
  // types, defaults or exclusions.
  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string& name = option->get_option_text();
    return name.empty() ? "" : " " + name;
  }

 private:
  const Command& command_;
};

void add_shared_options(CLI::App& app, Settings& settings, bool reads_sets) {
  const std::map<std::string, Format> formats = {
      {"text", Format::text}, {"json", Format::json}, {"csv", Format::csv}};
  app.add_option("--format", settings.format, "text (the default), json (JSON Lines) or csv")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case).description(""))
      ->option_text("FORMAT");
  app.add_flag_callback(
      "--forte", [&settings] { settings.algorithm = Algorithm::forte; },
      "Forte's prime forms (most packed to the left) instead of Rahn's");
  if (!reads_sets) return;
  app.add_option("--input", settings.input, "read sets from FILE, one a line; - for standard input")
      ->option_text("FILE");
  struct Form {
    const char* flag;
    Notation notation;
    const char* description;
  };
  static constexpr Form forms[] = {
      {"--pitch-classes", Notation::pitch_classes,
       "sets as pitch-class characters: 047, \"0 4 7\", \"t e\" (the default)"},
      {"--notes", Notation::notes, "sets as note names: \"C E G\", \"C#,Eb\", Bbb, Fx"},
      {"--midi", Notation::midi, "sets as MIDI note numbers: \"60 64 67\""},
      {"--bits", Notation::bits, "sets as bit values, as set-list files hold them: 145"},
  };
  std::vector<CLI::Option*> flags;
  for (const Form& form : forms) {
    flags.push_back(app.add_flag_callback(
        form.flag,
        [&settings, notation = form.notation] {
          settings.notation = notation;
          settings.notation_given = true;
        },
        form.description));
  }
  for (CLI::Option* one : flags) {
    for (CLI::Option* other : flags) {
      if (one != other) one->excludes(other);
    }
  }
}

// Runs the action; returns the status.
int act(const Action& action, const Settings& settings) {
  try {
    action(settings);
    flush();
  } catch (const OutputClosed&) {
    // The reader has all it wanted.
  } catch (const Failure& failure) {
    std::fprintf(stderr, "pelantor: %s\n", failure.message.c_str());
    return failure.status;
  } catch (const std::bad_alloc&) {
    std::fputs("pelantor: out of memory\n", stderr);
    return status_bad_input;
  }
  return faults_reported() ? status_bad_input : 0;
}

}  // namespace

bool add_command(const Command& command) {
  commands().push_back(command);
  std::sort(commands().begin(), commands().end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  return true;
}

bool is_command(std::string_view name) {
  return find_command(name) != nullptr;
}

std::string command_list() {
  std::size_t width = 0;
  for (const Command& command : commands()) width = std::max(width, command.name.size());
  std::string list;
  for (const Command& command : commands()) {
    list += "  " + std::string(command.name);
    list += std::string(width - command.name.size() + 2, ' ');
    list += std::string(command.summary) + "\n";
  }
  return list;
}

int run_command(int argc, char* argv[]) {
  const Command& command = *find_command(argv[1]);
  const std::string title = "pelantor " + std::string(command.name);
  CLI::App app(std::string(command.summary), title);
  app.formatter(std::make_shared<HelpFormatter>(command));
  app.get_formatter()->column_width(26);
  app.set_help_flag("--help", "show this text and exit");
  Settings settings;
  add_shared_options(app, settings, command.reads_sets);
  const Action action = command.define(app);
  try {
    app.parse(argc - 1, argv + 1);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app.help().c_str(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : status_bad_input;
  } catch (const CLI::ParseError& e) {
    std::fprintf(stderr, "%s: %s\n%sTry '%s --help' for more information.\n", title.c_str(),
                 e.what(), usage_of(command).c_str(), title.c_str());
    return status_usage;
  }
  // A closed pipe is noticed as a failed write, which ends the run quietly.
  std::signal(SIGPIPE, SIG_IGN);
  return act(action, settings);
}

void for_each_set(const Settings& settings, std::span<const std::string> words,
                  const SetCheck& check, const std::function<void(PcSet)>& take) {
  const SetReader reader(settings.notation, settings.algorithm, check);
  std::optional<LineReader> input;
  if (!settings.input.empty()) input.emplace(settings.input);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (const std::optional<PcSet> set = reader.word(words[i], i + 1)) take(*set);
  }
  if (input) reader.lines(*input, take);
}

}  // namespace pelantor::cli

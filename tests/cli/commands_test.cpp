// The one-shot commands run as a user runs them: the real binary (its path
// is PELANTOR_BINARY) with arguments and standard input, its JSON Lines
// read by nlohmann-json and checked against the engine.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "pelantor/comparisons.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"
#include "pelantor/vectors.h"

namespace {

using namespace pelantor;
using json = nlohmann::json;

struct Result {
  int status;
  std::string out;
  std::string err;
  // The records of standard output, parsed.
  std::vector<json> records() const {
    std::vector<json> all;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) all.push_back(json::parse(line));
    return all;
  }
  std::vector<std::string> error_lines() const {
    std::vector<std::string> all;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    return all;
  }
};

std::string scratch(const std::string& name) {
  return "commands_test_" + std::to_string(::getpid()) + "_" + name;
}

std::string written(const std::string& name, const std::string& text) {
  const std::string path = scratch(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the program with the arguments, input as standard input.
Result run(const std::vector<std::string>& args, const std::string& input = "") {
  std::string command = PELANTOR_BINARY;
  for (const std::string& arg : args) {
    command += " '";
    for (const char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "'";
  }
  const std::string in = written("in", input), out = scratch("out"), err = scratch("err");
  const int status = std::system((command + " <" + in + " >" + out + " 2>" + err).c_str());
  Result result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
  for (const std::string& path : {in, out, err}) std::remove(path.c_str());
  return result;
}

json set_json(PcSet set) {
  json members = json::array();
  for (const int pc : set) members.push_back(pc);
  return members;
}

std::vector<std::string> saturation_texts(const std::array<Saturation, 6>& vector,
                                          bool hundredths) {
  std::vector<std::string> texts;
  for (const Saturation s : vector) {
    std::ostringstream text;
    text << (s.bound == Bound::min ? "min+" : "max-");
    if (hundredths) {
      text << s.distance / 100 << "." << s.distance % 100 / 10 << s.distance % 10;
    } else {
      text << s.distance;
    }
    texts.push_back(text.str());
  }
  return texts;
}

std::string decimal_operator(Transform op) {
  const char* suffixes[] = {"", "I", "M", "MI"};
  return "T" + std::to_string(op.n) + suffixes[static_cast<int>(op.operation)];
}

// Every field of an info record against the engine.
void expect_info(const json& r, PcSet set, Algorithm algorithm) {
  const PrimeForm form = prime_form(set, algorithm);
  const SetClass& sc = set_class_of(set);
  EXPECT_EQ(r["set"], set_json(set));
  EXPECT_EQ(r["cardinality"], set.size());
  EXPECT_EQ(r["prime_form"], set_json(form.prime));
  EXPECT_EQ(r["operator"], decimal_operator(form.op));
  EXPECT_EQ(r["forte"], forte_label(sc));
  const std::string letter[] = {"", "A", "B"};
  EXPECT_EQ(r["tn_class"], forte_label(sc) + letter[static_cast<int>(tn_type(set))]);
  EXPECT_EQ(r["icv"], json(ic_vector(set)));
  EXPECT_EQ(r["invariance"], json(invariance_vector(set)));
  EXPECT_EQ(r["vtics"], json(vtics(set)));
  const IcCycleVector chains = ic_cycle_vector(set);
  for (int k = 0; k < 6; ++k) {
    const json row = r["ic_cycle_vector"][k];
    ASSERT_EQ(row.size(), static_cast<std::size_t>(most_chains[k]));
    for (int i = 0; i < most_chains[k]; ++i) EXPECT_EQ(row[i], chains[k][i]);
  }
  const std::array<int, 6> weights = weighted_cycle_vector(set);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(r["weighted_cycle_vector"][k], weights[k] / 100.0);
  EXPECT_EQ(r["ic_saturation_a"], saturation_texts(ic_saturation_a(set), false));
  EXPECT_EQ(r["ic_saturation_b"], saturation_texts(ic_saturation_b(set), false));
  EXPECT_EQ(r["adjusted_icv"], json(adjusted_ic_vector(set)));
  EXPECT_EQ(r["proportional_icsatv"], json(proportional_icsatv(set)));
  EXPECT_EQ(r["picsat_percent"], json(picsat_percent(set)));
  EXPECT_EQ(r["cycsatv_a"], saturation_texts(cycle_saturation_a(set), true));
  EXPECT_EQ(r["cycsatv_b"], saturation_texts(cycle_saturation_b(set), true));
  EXPECT_EQ(r["proportional_cycsatv"], json(proportional_cycsatv(set)));
  const PrimeForm complement = prime_form(set.complement(), algorithm);
  EXPECT_EQ(r["complement"]["set"], set_json(set.complement()));
  EXPECT_EQ(r["complement"]["operator"], decimal_operator(complement.op));
  EXPECT_EQ(r["complement"]["prime_form"], set_json(complement.prime));
  EXPECT_EQ(r["complement"]["forte"], forte_label(set_class_of(set.complement())));
  const SetClass* z = z_partner_of(sc);
  EXPECT_EQ(r["z_partner"], z ? json(forte_label(*z)) : json(nullptr));
  EXPECT_EQ(r["m_partner"], forte_label(m_partner_of(sc)));
}

class InfoOfEverySet : public testing::TestWithParam<Algorithm> {};

TEST_P(InfoOfEverySet, AgreesWithTheEngine) {
  std::string input;
  for (unsigned bits = 1; bits < 4096; ++bits) input += std::to_string(bits) + "\n";
  std::vector<std::string> args = {"info", "--bits", "--input", "-", "--format", "json"};
  if (GetParam() == Algorithm::forte) args.push_back("--forte");
  const Result result = run(args, input);
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<json> records = result.records();
  ASSERT_EQ(records.size(), 4095u);
  for (unsigned bits = 1; bits < 4096; ++bits) {
    SCOPED_TRACE("set " + std::to_string(bits));
    expect_info(records[bits - 1], PcSet::from_bits(bits), GetParam());
    if (HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(BothAlgorithms, InfoOfEverySet,
                         testing::Values(Algorithm::rahn, Algorithm::forte));

// The "set" of each record.
std::vector<std::string> sets_of(const Result& result) {
  std::vector<std::string> sets;
  for (const json& r : result.records()) {
    std::string digits;
    for (const int pc : r["set"]) digits += "0123456789ab"[pc];
    sets.push_back(digits);
  }
  return sets;
}

using Sets = std::vector<std::string>;

TEST(SetInput, ReadsEveryForm) {
  const auto sets = [](std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"info", "--format", "json"});
    return sets_of(run(args, input));
  };
  EXPECT_EQ(sets({"047", "0 1 4 6", "t e", "AB"}), (Sets{"047", "0146", "ab", "ab"}));
  EXPECT_EQ(sets({"--notes", "C E G", "C#,Eb,F#", "Bbb", "F\u266f B\u266d", "Fx"}),
            (Sets{"047", "136", "9", "6a", "7"}));
  EXPECT_EQ(sets({"--midi", "60 64 67", "12", "127,0"}), (Sets{"047", "0", "07"}));
  EXPECT_EQ(sets({"12"}), (Sets{"12"}));
  EXPECT_EQ(sets({"--bits", "145", "4095"}), (Sets{"047", "0123456789ab"}));
  for (const char* form : {"--pitch-classes", "--notes", "--midi", "--bits"}) {
    EXPECT_EQ(sets({form, "3-11", "4-z15", "4-Z15"}), (Sets{"037", "0146", "0146"})) << form;
  }
  EXPECT_EQ(sets({"--forte", "5-20"}), (Sets{"01378"}));
  EXPECT_EQ(sets({"--notes", "--input", "-"}, "C E G\r\nD F A\r\n"), (Sets{"047", "259"}));
  EXPECT_EQ(sets({"0", "--input", "-"}, "1\n2"), (Sets{"0", "1", "2"}));
}

TEST(SetInput, NamesEachBadLineAndKeepsTheOthers) {
  const std::string input = std::string("C E G\nH\nC? E\n\n4-99\nC") + '\0' + "E\n" +
                            std::string(1 << 20, 'C') + "\n   \nD F A\n";
  const Result result = run({"info", "--notes", "--format", "json", "--input", "-"}, input);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(sets_of(result), (Sets{"047", "259"}));
  EXPECT_EQ(
      result.error_lines(),
      (Sets{"pelantor: line 2: 'H' is not a note name", "pelantor: line 3: 'C?' is not a note name",
            "pelantor: line 4: the line is empty", "pelantor: line 5: there is no set class 4-99",
            "pelantor: line 6: the byte 0x00 is not part of a note name",
            "pelantor: line 7: the line is longer than 4096 bytes",
            "pelantor: line 8: the line is empty"}));
}

TEST(SetInput, NamesBadArgumentsAndFilesByName) {
  const std::string file = written("sets", "145\n5000\n\n");
  const Result bits = run({"info", "--bits", "--format", "json", "--input", file});
  EXPECT_EQ(bits.status, 1);
  EXPECT_EQ(sets_of(bits), Sets{"047"});
  EXPECT_EQ(
      bits.error_lines(),
      (Sets{"pelantor: " + file + ": line 2: '5000' is not the bit value of a set (1 to 4095)",
            "pelantor: " + file + ": line 3: the line is empty"}));
  std::remove(file.c_str());
  const Result words = run({"info", "--format", "json", "0x", "047", ""});
  EXPECT_EQ(words.status, 1);
  EXPECT_EQ(sets_of(words), Sets{"047"});
  EXPECT_EQ(words.error_lines(), (Sets{"pelantor: argument 1: 'x' is not a pitch class",
                                       "pelantor: argument 3: the argument is empty"}));
  EXPECT_EQ(run({"info", "--notes", ", ,"}).err, "pelantor: argument 1: no pitch class\n");
}

TEST(Status, FilesThatCannotBeReadEndTheRunWithTwo) {
  const Result missing = run({"info", "--input", "no/such/file"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "pelantor: cannot open 'no/such/file': No such file or directory\n");
  const Result folder = run({"count", "."});
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "pelantor: cannot read '.': Is a directory\n");
  const Result list = run({"compare", "--measure", "1", "--list", "no/such/list"});
  EXPECT_EQ(list.status, 2);
}

TEST(Status, UsageErrorsGiveAReasonAndTheUsage) {
  const std::vector<std::vector<std::string>> wrong = {
      {"info"},
      {"info", "--bogus", "047"},
      {"info", "--format", "xml", "047"},
      {"info", "--notes", "--midi", "C"},
      {"info", "--input"},
      {"classes", "--card", "13"},
      {"classes", "047"},
      {"count", "--midi", "a", "b"},
      {"count", "file", "--input", "-"},
      {"compare", "047", "0146"},
      {"compare", "--measure", "17", "047", "0146"},
      {"compare", "--measure", "SIMSAT", "047", "0146"},
      {"compare", "--measure", "1", "047"},
      {"compare", "--measure", "1", "--stats", "047", "0146"},
      {"compare", "--measure", "1", "--card", "3", "047", "0146"},
      {"compare", "--measure", "1", "--all-classes", "047", "--card", "1-3"},
      {"compare", "--measure", "1", "--list", "a", "--list", "b", "--list", "c"},
      {"compare", "--measure", "1", "--list", "a", "--list", "b", "--stats"},
      {"compare", "--measure", "1", "--list", "a", "047"},
  };
  for (const std::vector<std::string>& args : wrong) {
    const Result result = run(args);
    std::string shown;
    for (const std::string& arg : args) shown += arg + " ";
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_EQ(result.out, "") << shown;
    const std::vector<std::string> lines = result.error_lines();
    ASSERT_GE(lines.size(), 3u) << shown;
    EXPECT_EQ(lines[0].rfind("pelantor " + args[0] + ": ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Usage: pelantor " + args[0] + " ", 0), 0u) << lines[1];
    EXPECT_EQ(lines.back(), "Try 'pelantor " + args[0] + " --help' for more information.");
  }
  EXPECT_NE(run({"compare", "--measure", "SIMSAT", "0", "1"}).err.find("'SIMSAT' is not a"),
            std::string::npos);
}

TEST(Help, EveryCommandDescribesItself) {
  for (const char* command : {"info", "classes", "count", "compare"}) {
    const Result result = run({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_EQ(result.out.rfind("Usage: pelantor " + std::string(command), 0), 0u) << result.out;
    EXPECT_NE(result.out.find("--format"), std::string::npos) << command;
    EXPECT_EQ(result.err, "") << command;
  }
  const Result usage = run({"--help"});
  for (const char* command : {"info", "classes", "count", "compare"}) {
    EXPECT_NE(usage.out.find("\n  " + std::string(command) + " "), std::string::npos) << command;
  }
}

TEST(Classes, ListsEveryClassWithItsPartners) {
  const std::vector<json> all = run({"classes", "--format", "json"}).records();
  ASSERT_EQ(all.size(), 223u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const SetClass& sc = all_classes()[i + 1];
    EXPECT_EQ(all[i]["forte"], forte_label(sc));
    EXPECT_EQ(all[i]["cardinality"], sc.cardinality);
    EXPECT_EQ(all[i]["prime_form"], set_json(sc.rahn_prime));
    EXPECT_EQ(all[i]["icv"], json(ic_vector(sc.rahn_prime)));
    const SetClass* z = z_partner_of(sc);
    EXPECT_EQ(all[i]["z_partner"], z ? json(forte_label(*z)) : json(nullptr));
    EXPECT_EQ(all[i]["m_partner"], forte_label(m_partner_of(sc)));
  }
  const std::vector<json> hexachords =
      run({"classes", "--card", "6", "--forte", "--format", "json"}).records();
  ASSERT_EQ(hexachords.size(), 50u);
  for (const json& r : hexachords) {
    if (r["forte"] == "6-z29") {
      EXPECT_EQ(r["prime_form"], set_json(pcs("013689")));
    }
  }
  EXPECT_EQ(run({"classes", "--card", "0", "--format", "json"}).records().at(0)["forte"], "0-0");
}

TEST(Classes, WritesALinePerClass) {
  const Result result = run({"classes", "--card", "4"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("4-1     [0123]          <321000>  M/MI = 4-23\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("4-z15   [0146]          <111111>  M/MI = 4-z29   Z = 4-z29\n"),
            std::string::npos)
      << result.out;
}

TEST(Count, CountsClassesAndTheirShares) {
  const std::string corpus = "C E G\nA C E\nD F# A\nC Eb Gb\nH\nG B D\n";
  const Result result = run({"count", "--notes", "--format", "json"}, corpus);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "pelantor: line 5: 'H' is not a note name\n");
  const std::vector<json> records = result.records();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0],
            json::parse(R"({"forte":"3-10","prime_form":[0,3,6],"count":1,"share":0.2})"));
  EXPECT_EQ(records[1],
            json::parse(R"({"forte":"3-11","prime_form":[0,3,7],"count":4,"share":0.8})"));
  const std::vector<json> tn =
      run({"count", "--notes", "--tn", "--format", "json"}, corpus).records();
  ASSERT_EQ(tn.size(), 3u);
  EXPECT_EQ(
      tn[1],
      json::parse(
          R"({"forte":"3-11","tn_class":"3-11A","prime_form":[0,3,7],"count":1,"share":0.2})"));
  EXPECT_EQ(
      tn[2],
      json::parse(
          R"({"forte":"3-11","tn_class":"3-11B","prime_form":[0,4,7],"count":3,"share":0.6})"));
  const Result text = run({"count", "--notes", "--tn"}, corpus);
  EXPECT_EQ(text.out,
            "3-10    [036]           1   20.00%\n"
            "3-11A   [037]           1   20.00%\n"
            "3-11B   [047]           3   60.00%\n"
            "5 sets, 3 Tn classes\n");
}

TEST(Compare, MatrixValuesAreTheEngines) {
  const std::vector<std::string> sets = {"014", "0247", "01369"};
  std::vector<std::string> args = {"compare", "--measure", "all", "--format", "json"};
  args.insert(args.end(), sets.begin(), sets.end());
  const std::vector<json> records = run(args).records();
  ASSERT_EQ(records.size(), 16u * 9u);
  std::size_t k = 0;
  for (const MeasureInfo& m : measures()) {
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = 0; j < 3; ++j, ++k) {
        const json& r = records[k];
        EXPECT_EQ(r["measure"], m.name);
        EXPECT_EQ(r["row"], i + 1);
        EXPECT_EQ(r["column"], j + 1);
        EXPECT_EQ(r["a"], set_json(parse_pcset(sets[i])));
        EXPECT_EQ(r["b"], set_json(parse_pcset(sets[j])));
        EXPECT_EQ(r["value"].get<double>(),
                  similarity(m.measure, parse_pcset(sets[i]), parse_pcset(sets[j])))
            << m.name;
      }
    }
  }
}

TEST(Compare, AllClassesInTheOrderOfTheGroups) {
  const std::vector<json> records = run({"compare", "--measure", "asim", "--all-classes", "014",
                                         "--card", "3-4", "--format", "json"})
                                        .records();
  std::vector<std::string> labels;
  for (const ValueGroup& group : compare_to_classes(Measure::asim, pcs("014"), 3, 4)) {
    for (const SetClass* sc : group.classes) labels.push_back(forte_label(*sc));
  }
  ASSERT_EQ(records.size(), labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(records[i]["forte"], labels[i]);
    EXPECT_EQ(records[i]["a"], set_json(pcs("014")));
    EXPECT_EQ(records[i]["value"].get<double>(),
              similarity(Measure::asim, pcs("014"), find_class(labels[i]).rahn_prime));
  }
}

TEST(Compare, ListsOfAnyLengthAgreeWithTheEngine) {
  std::vector<PcSet> sets;
  std::string file_text;
  for (unsigned bits = 3; sets.size() < 300; bits += 7) {
    const PcSet set = PcSet::from_bits(bits % 4096);
    if (!comparable(set)) continue;
    sets.push_back(set);
    file_text += std::to_string(set.bits()) + "\n";
  }
  const std::string file = written("list", file_text);
  const std::vector<json> stats =
      run({"compare", "--measure", "tsatsim", "--list", file, "--stats", "--format", "json"})
          .records();
  const ListComparison direct = compare_lists(Measure::tsatsim, sets);
  ASSERT_EQ(stats.size(), sets.size());
  for (std::size_t i = 0; i < sets.size(); ++i) {
    EXPECT_EQ(stats[i]["set"], set_json(sets[i]));
    EXPECT_EQ(stats[i]["average"].get<double>(), direct.rows[i].average);
    EXPECT_EQ(stats[i]["smallest"].get<double>(), direct.rows[i].smallest);
    EXPECT_EQ(stats[i]["largest"].get<double>(), direct.rows[i].largest);
  }
  const std::string second = written("second", "19\n\n4095\n133\r\n");
  const Result two =
      run({"compare", "--measure", "rel", "--list", file, "--list", second, "--format", "json"});
  EXPECT_EQ(two.status, 1);
  EXPECT_EQ(two.error_lines(),
            (Sets{"pelantor: " + second + ": line 2: the line is empty",
                  "pelantor: " + second +
                      ": line 3: {0123456789ab} has 12 pitch classes; the measures compare sets "
                      "of 2 to 10"}));
  const std::vector<json> cells = two.records();
  ASSERT_EQ(cells.size(), sets.size() * 2);
  EXPECT_EQ(cells[3]["b"], set_json(pcs("027")));
  EXPECT_EQ(cells[3]["column"], 2);
  EXPECT_EQ(cells[3]["value"].get<double>(), similarity(Measure::rel, sets[1], pcs("027")));
  std::remove(file.c_str());
  std::remove(second.c_str());
}

}  // namespace

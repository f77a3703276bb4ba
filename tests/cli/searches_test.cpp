// The commands of the dialogue's searches (combine, subsets, icv, map,
// chart) and the pictures (draw, compare --format svg), run as a user runs
// them: their records read by nlohmann-json against the engine, bad sets
// and requests with their statuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pelantor/chart.h"
#include "pelantor/combinations.h"
#include "pelantor/icvsearch.h"
#include "pelantor/intervals.h"
#include "pelantor/setclass.h"
#include "pelantor/subsets.h"
#include "pelantor/transformations.h"
#include "runbinary.h"

namespace {

using namespace pelantor;
using namespace pelantor::clitest;
using json = nlohmann::json;
using Lines = std::vector<std::string>;

json label_or_null(const SetClass* set_class) {
  return set_class ? json(forte_label(*set_class)) : json(nullptr);
}

// The fields every listing of classes begins with.
void expect_class(const json& r, const SetClass& sc, Algorithm algorithm) {
  EXPECT_EQ(r["forte"], forte_label(sc));
  EXPECT_EQ(r["cardinality"], sc.cardinality);
  EXPECT_EQ(r["prime_form"], set_json(sc.prime(algorithm)));
  EXPECT_EQ(r["icv"], json(ic_vector(sc.rahn_prime)));
  EXPECT_EQ(r["z_partner"], label_or_null(z_partner_of(sc)));
}

TEST(Combine, RecordsAreTheEnginesCounts) {
  const std::vector<json> records =
      run({"combine", "01", "014", "--exclude", "0123", "--option", "3", "--format", "json"})
          .records();
  const std::vector<CombinationCount> counts =
      combine_subsets({{pcs("01"), pcs("014")}, {pcs("0123")}}, Combination::both);
  ASSERT_EQ(records.size(), counts.size());
  for (std::size_t i = 0; i < counts.size(); ++i) {
    expect_class(records[i], counts[i].set_class, Algorithm::rahn);
    EXPECT_EQ(records[i]["placements"], counts[i].placements);
    EXPECT_EQ(records[i].size(), 6u);
  }
  // 5-20 is [01378] under Forte's algorithm; note names read as sets.
  const std::vector<json> forte = run({"combine", "--notes", "C C# D# G", "Ab", "--option", "4",
                                       "--card", "5", "--forte", "--format", "json"})
                                      .records();
  const auto twenty =
      std::find_if(forte.begin(), forte.end(), [](const json& r) { return r["forte"] == "5-20"; });
  ASSERT_NE(twenty, forte.end());
  EXPECT_EQ((*twenty)["prime_form"], json({0, 1, 3, 7, 8}));
}

TEST(Combine, RunsNothingWithoutEverySet) {
  const Result result =
      run({"combine", "01", "0x", "--exclude", "0y", "--option", "3", "--format", "json"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.error_lines(),
            (Lines{"pelantor: argument 2: 'x' is not a pitch class",
                   "pelantor: --exclude 1: 'y' is not a pitch class",
                   "pelantor: nothing combined: every set of the group must be read"}));
}

TEST(Combine, RefusesWhatTheSetsCannotGive) {
  const Result one = run({"combine", "01", "--option", "1"});
  EXPECT_EQ(one.status, 2);
  EXPECT_EQ(one.err, "pelantor: a single subset has nothing to combine with without overlap\n");
  const Result many = run({"combine", "012345", "0123456", "--option", "1"});
  EXPECT_EQ(many.status, 2);
  EXPECT_EQ(many.err, "pelantor: the subsets hold 13 notes, too many to combine without overlap\n");
  const Result card = run({"combine", "01", "012", "--option", "4", "--card", "9"});
  EXPECT_EQ(card.status, 2);
  EXPECT_EQ(card.err, "pelantor: the results of this combination have 3 to 5 notes, not 9\n");
  EXPECT_EQ(card.out, "");
}

TEST(Subsets, RecordsAreTheEnginesEmbeddings) {
  const std::vector<json> records =
      run({"subsets", "0148", "037", "--format", "json", "--forte"}).records();
  const std::vector<SubsetsOfSize> sizes = subsets_of_supersets({{pcs("0148"), pcs("037")}}, 2, 3);
  std::size_t k = 0;
  for (const SubsetsOfSize& size : sizes) {
    for (const EmbeddedClass& embedded : size.classes) {
      ASSERT_LT(k, records.size());
      const json& r = records[k++];
      EXPECT_EQ(r["forte"], forte_label(embedded.set_class));
      EXPECT_EQ(r["cardinality"], size.cardinality);
      EXPECT_EQ(r["prime_form"], set_json(embedded.set_class.forte_prime));
      for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(r["counts"][i], embedded.embeddings[i].count);
        EXPECT_EQ(r["least"][i], embedded.embeddings[i].least);
        EXPECT_EQ(r["most"][i], embedded.embeddings[i].most);
      }
    }
  }
  EXPECT_EQ(k, records.size());
  // [0148] holds three major thirds, as many as any tetrachord.
  const std::vector<json> thirds =
      run({"subsets", "0148", "--card", "2", "--format", "json"}).records();
  ASSERT_EQ(thirds.size(), 4u);
  EXPECT_EQ(thirds[2], json::parse(R"({"forte":"2-4","cardinality":2,"prime_form":[0,4],
                                       "counts":[3],"least":[0],"most":[3]})"));
}

TEST(Subsets, ListsNothingWithoutEverySuperset) {
  const Result small = run({"subsets", "0148", "01"});
  EXPECT_EQ(small.status, 1);
  EXPECT_EQ(small.out, "");
  EXPECT_EQ(small.error_lines(),
            (Lines{"pelantor: argument 2: {01} has 2 pitch classes; a superset needs 3 or more",
                   "pelantor: nothing listed: every superset must be read"}));
  const Result card = run({"subsets", "0148", "--input", "-", "--card", "5"}, "01234\n");
  EXPECT_EQ(card.status, 2);
  EXPECT_EQ(card.err, "pelantor: --card 5: the smallest superset has 4 pitch classes\n");
}

TEST(Icv, FindsTheClassesOfAVector) {
  const std::vector<json> all_interval = run({"icv", "111111", "--format", "json"}).records();
  ASSERT_EQ(all_interval.size(), 2u);
  expect_class(all_interval[0], find_class("4-z15"), Algorithm::rahn);
  expect_class(all_interval[1], find_class("4-z29"), Algorithm::rahn);
  // Brackets and capitals; x leaves an entry open.
  const std::vector<json> open = run({"icv", "<1X1x1X>", "--format", "json"}).records();
  const std::vector<SetClass> matches = classes_matching({1, {}, 1, {}, 1, {}}, std::nullopt);
  ASSERT_EQ(open.size(), matches.size());
  for (std::size_t i = 0; i < matches.size(); ++i) {
    expect_class(open[i], matches[i], Algorithm::rahn);
  }
  // c is twelve: only the aggregate has twelve of interval classes 1 to 5.
  const std::vector<json> aggregate = run({"icv", "cccccx", "--format", "json"}).records();
  ASSERT_EQ(aggregate.size(), 1u);
  EXPECT_EQ(aggregate[0]["forte"], "12-1");
  EXPECT_EQ(run({"icv", "111111", "--card", "5", "--format", "json"}).out, "");
}

// The engine's mappings as records: a, b, then the operator and its parts.
std::vector<json> expected_mappings(PcSet a, PcSet b, const MappingOptions& options) {
  const Mappings mappings = mappings_between(a, b, options);
  std::vector<json> records;
  for (const Transform op : mappings.single) {
    records.push_back({{"a", set_json(a)},
                       {"b", set_json(b)},
                       {"operator", decimal_operator(op)},
                       {"source", set_json(a)},
                       {"target", set_json(b)},
                       {"second_operator", nullptr},
                       {"second_source", nullptr},
                       {"second_target", nullptr}});
  }
  for (const SplitMapping& s : mappings.splits) {
    records.push_back({{"a", set_json(a)},
                       {"b", set_json(b)},
                       {"operator", decimal_operator(s.first.op)},
                       {"source", set_json(s.first.source)},
                       {"target", set_json(s.first.target)},
                       {"second_operator", decimal_operator(s.second.op)},
                       {"second_source", set_json(s.second.source)},
                       {"second_target", set_json(s.second.target)}});
  }
  return records;
}

TEST(Map, RecordsAreTheEnginesMappings) {
  const auto records = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"map", "--format", "json"});
    return run(args).records();
  };
  EXPECT_EQ(records({"014", "23b"}), expected_mappings(pcs("014"), pcs("23b"), {}));
  EXPECT_EQ(records({"014", "23b"}).at(0)["operator"], "T3I");
  EXPECT_EQ(records({"014", "237"}), expected_mappings(pcs("014"), pcs("237"), {}));
  EXPECT_EQ(records({"048", "048", "--canon", "T", "--first"}).size(), 1u);
  EXPECT_EQ(records({"01", "05", "--canon", "tm,TMI"}),
            expected_mappings(pcs("01"), pcs("05"), {{false, true, true}}));
  // Without 3+0 the single operators are not searched: the splits show.
  MappingOptions splits_only;
  splits_only.partitions = {false, true, false, false, false, false, false};
  EXPECT_EQ(records({"037", "047", "--partitions", "1+2"}),
            expected_mappings(pcs("037"), pcs("047"), splits_only));
  EXPECT_FALSE(records({"037", "047", "--partitions", "1+2"}).at(0)["second_operator"].is_null());
}

TEST(Map, PairsTheLinesByTheirNumbers) {
  const Result result =
      run({"map", "--format", "json", "--input", "-"}, "014\n23b\n0x\n047\n037\n047\n01\n012\n0\n");
  EXPECT_EQ(result.status, 1);
  std::vector<json> expected = expected_mappings(pcs("014"), pcs("23b"), {});
  for (const json& r : expected_mappings(pcs("037"), pcs("047"), {})) expected.push_back(r);
  EXPECT_EQ(result.records(), expected);
  EXPECT_EQ(result.error_lines(),
            (Lines{"pelantor: line 3: 'x' is not a pitch class",
                   "pelantor: lines 3 and 4: the pair is left out",
                   "pelantor: lines 7 and 8: {01} and {012} differ in size; only sets of one "
                   "size map onto each other",
                   "pelantor: line 9: no second set to map onto"}));
  const Result partitions = run({"map", "0123", "0124", "01", "05", "--partitions", "2+2"});
  EXPECT_EQ(partitions.status, 1);
  EXPECT_EQ(partitions.err,
            "pelantor: arguments 3 and 4: --partitions names no partition of 2 notes\n");
  EXPECT_NE(partitions.out.find("Transformations of {0123} onto {0124}"), std::string::npos);
}

TEST(Chart, MarksEachOperatorByItsImage) {
  const Result result = run({"chart", "--format", "json"});
  const std::vector<json> records = result.records();
  ASSERT_EQ(records.size(), 223u);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const SetClass& sc = all_classes()[i + 1];
    const json& r = records[i];
    EXPECT_EQ(r["forte"], forte_label(sc));
    EXPECT_EQ(r["prime_form"], set_json(sc.rahn_prime));
    json itself = json::array(), disjoint = json::array();
    for (const Transform op : all_transforms) {
      const PcSet image = op.apply(sc.rahn_prime);
      if (image == sc.rahn_prime) itself.push_back(decimal_operator(op));
      if ((image & sc.rahn_prime).empty()) disjoint.push_back(decimal_operator(op));
    }
    EXPECT_EQ(r["onto_itself"], itself) << forte_label(sc);
    EXPECT_EQ(r["disjoint"], disjoint) << forte_label(sc);
  }
  // The chart is of Rahn's prime forms whatever the algorithm.
  EXPECT_EQ(run({"chart", "--format", "json", "--forte"}).out, result.out);
}

TEST(Draw, WritesTheClockFaceWhereAsked) {
  const Result drawn = run({"draw", "047"});
  EXPECT_EQ(drawn.status, 0);
  EXPECT_EQ(drawn.out.rfind("<?xml", 0), 0u);
  EXPECT_NE(drawn.out.find("id=\"pc-11\""), std::string::npos);
  const std::string file = scratch("clock.svg");
  const Result to_file = run({"draw", "--notes", "C E G", "-o", file});
  EXPECT_EQ(to_file.status, 0);
  EXPECT_EQ(to_file.out, "");
  EXPECT_EQ(slurp(file), drawn.out);
  std::remove(file.c_str());
  EXPECT_NE(run({"draw", "3-11", "--names", "flats"}).out.find(">Eb</text>"), std::string::npos);
  const Result two = run({"draw", "--input", "-"}, "047\n037\n");
  EXPECT_EQ(two.status, 1);
  EXPECT_EQ(two.err, "pelantor: line 2: draw takes one set; this is another\n");
  EXPECT_EQ(two.out, drawn.out);
  const Result nowhere = run({"draw", "047", "-o", "no/such/folder/clock.svg"});
  EXPECT_EQ(nowhere.status, 2);
  EXPECT_EQ(nowhere.err,
            "pelantor: cannot open 'no/such/folder/clock.svg': No such file or directory\n");
}

TEST(Heatmap, DrawsAtMostFourHundredSetsASide) {
  std::string list;
  for (unsigned bits = 3, count = 0; count < 401; ++bits) {
    if (PcSet::from_bits(bits).size() < 2) continue;
    list += std::to_string(bits) + "\n";
    ++count;
  }
  const std::string file = written("list", list);
  const Result result = run({"compare", "--measure", "rel", "--format", "svg", "--list", file});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "pelantor: a heatmap shows at most 400 sets a side, not 401\n");
  EXPECT_EQ(result.out, "");
  std::remove(file.c_str());
  // The sets that can be read are drawn.
  const Result typed = run({"compare", "--measure", "rel", "--format", "svg", "047", "0x", "037"});
  EXPECT_EQ(typed.status, 1);
  EXPECT_EQ(typed.err, "pelantor: argument 2: 'x' is not a pitch class\n");
  EXPECT_NE(typed.out.find("data-row=\"1\" data-col=\"1\""), std::string::npos);
  EXPECT_EQ(typed.out.find("data-row=\"2\""), std::string::npos);
}

TEST(Status, UsageErrorsOfTheSearchesGiveAReasonAndTheUsage) {
  const std::vector<std::vector<std::string>> wrong = {
      {"combine", "01"},
      {"combine", "01", "--option", "7"},
      {"combine", "01", "--option", "4"},
      {"combine", "01", "--option", "1", "--card", "3"},
      {"combine", "--option", "3"},
      {"subsets"},
      {"subsets", "0148", "--card", "1"},
      {"icv"},
      {"icv", "11111"},
      {"icv", "11111g"},
      {"icv", "111111", "--card", "1"},
      {"icv", "111111", "--notes"},
      {"map", "014"},
      {"map", "014", "23b", "--canon", "TX"},
      {"map", "014", "23b", "--partitions", "4-2"},
      {"map", "014", "23b", "--partitions", "7+6"},
      {"chart", "047"},
      {"draw"},
      {"draw", "047", "037"},
      {"draw", "047", "--names", "german"},
      {"draw", "047", "--format", "csv"},
      {"info", "047", "--format", "svg"},
      {"compare", "--measure", "all", "--format", "svg", "047", "037"},
      {"compare", "--measure", "1", "--format", "svg", "--all-classes", "047"},
      {"compare", "--measure", "1", "--format", "svg", "--stats", "--list", "a"},
      {"compare", "--measure", "1", "--cluster", "047", "037"},
      {"compare", "--measure", "1", "--format", "svg", "--cluster", "--list", "a", "--list", "b"},
  };
  for (const std::vector<std::string>& args : wrong) expect_usage_error(args);
}

TEST(Help, TheSearchesDescribeThemselves) {
  const Result usage = run({"--help"});
  for (const std::string command : {"combine", "subsets", "icv", "map", "chart", "draw"}) {
    const Result result = run({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_EQ(result.out.rfind("Usage: pelantor " + command, 0), 0u) << result.out;
    EXPECT_NE(usage.out.find("\n  " + command + " "), std::string::npos) << command;
  }
}

}  // namespace

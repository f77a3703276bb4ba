// The writers of records and the reader of input lines of the one-shot
// commands.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli/failure.h"
#include "cli/input.h"
#include "cli/output.h"

namespace {

using namespace pelantor;
using namespace pelantor::cli;

constexpr std::string_view fields[] = {"set", "label", "value", "inner.a", "inner.b", "last"};

std::string one_record(Format format, std::string_view label, double value) {
  RecordWriter record(format, fields);
  record.set(pcs("047")).text(label).real(value).integer(-3).null();
  const std::vector<int> list = {0, 12};
  return record.integers(list).end();
}

TEST(RecordWriter, WritesJsonObjectsWithNestedFields) {
  EXPECT_EQ(one_record(Format::json, "3-11", 0.1),
            "{\"set\":[0,4,7],\"label\":\"3-11\",\"value\":0.1,"
            "\"inner\":{\"a\":-3,\"b\":null},\"last\":[0,12]}\n");
  EXPECT_EQ(RecordWriter(Format::json, fields).header(), "");
}

TEST(RecordWriter, EscapesJsonStrings) {
  const std::string record = one_record(Format::json, "a\"b\\c\nd\x01", 1.0);
  EXPECT_NE(record.find("\"label\":\"a\\\"b\\\\c\\u000ad\\u0001\""), std::string::npos) << record;
}

TEST(RecordWriter, WritesDoublesToTheirLastBitAndNoNumberAsNull) {
  RecordWriter record(Format::json, std::span(fields).first(3));
  record.set({}).text("").real(2.0 / 3.0);
  EXPECT_EQ(record.end(), "{\"set\":[],\"label\":\"\",\"value\":0.6666666666666666}\n");
  record.set({}).text("").real(89.99999998824843);
  EXPECT_EQ(record.end(), "{\"set\":[],\"label\":\"\",\"value\":89.99999998824843}\n");
  record.set({}).text("").real(std::nan(""));
  EXPECT_EQ(record.end(), "{\"set\":[],\"label\":\"\",\"value\":null}\n");
}

TEST(RecordWriter, QuotesCsvFieldsAsRfc4180Asks) {
  EXPECT_EQ(RecordWriter(Format::csv, fields).header(), "set,label,value,inner_a,inner_b,last\n");
  EXPECT_EQ(one_record(Format::csv, "3-11", 0.25), "047,3-11,0.25,-3,,0 12\n");
  EXPECT_EQ(one_record(Format::csv, "a,b", 1), "047,\"a,b\",1,-3,,0 12\n");
  EXPECT_EQ(one_record(Format::csv, "say \"x\"", 1), "047,\"say \"\"x\"\"\",1,-3,,0 12\n");
  EXPECT_EQ(one_record(Format::csv, "two\nlines", 1), "047,\"two\nlines\",1,-3,,0 12\n");
}

TEST(RecordWriter, WritesListsOfListsAndTexts) {
  constexpr std::string_view two[] = {"chains", "names"};
  const std::vector<std::vector<int>> chains = {{1, 0}, {2}};
  const std::vector<std::string> names = {"min+1", "max-2"};
  RecordWriter json(Format::json, two);
  EXPECT_EQ(json.lists(chains).texts(names).end(),
            "{\"chains\":[[1,0],[2]],\"names\":[\"min+1\",\"max-2\"]}\n");
  RecordWriter csv(Format::csv, two);
  EXPECT_EQ(csv.lists(chains).texts(names).end(), "1 0;2,min+1 max-2\n");
}

TEST(DecimalOperator, WritesTheTranspositionInDecimal) {
  EXPECT_EQ(decimal_operator({Operation::I, 7}), "T7I");
  EXPECT_EQ(decimal_operator({Operation::I, 10}), "T10I");
  EXPECT_EQ(decimal_operator({Operation::MI, 11}), "T11MI");
  EXPECT_EQ(decimal_operator({Operation::T, 0}), "T0");
}

// A file in the test's scratch folder holding text.
class LineReaderTest : public testing::Test {
 protected:
  std::string file(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    return path_;
  }
  std::vector<std::string> lines_of(const std::string& text) {
    LineReader reader(file(text));
    std::vector<std::string> lines;
    while (const auto line = reader.next()) {
      lines.push_back(reader.too_long() ? "LONG:" + std::string(line->substr(0, 3))
                                        : std::string(*line));
      EXPECT_EQ(reader.number(), lines.size());
    }
    return lines;
  }
  void TearDown() override { std::remove(path_.c_str()); }

  std::string path_ = "linereader_test_" + std::to_string(::getpid()) + ".txt";
};

TEST_F(LineReaderTest, EndsLinesAtLfAndCrLf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(lines_of("047\r\n0 1\n\n"), (Lines{"047", "0 1", ""}));
  EXPECT_EQ(lines_of("a\nlast"), (Lines{"a", "last"}));
  EXPECT_EQ(lines_of(""), Lines{});
  EXPECT_EQ(lines_of(std::string("0\0"
                                 "4\n",
                                 4)),
            Lines{std::string("0\0"
                              "4",
                              3)});
  EXPECT_EQ(lines_of("a\rb\n"), Lines{"a\rb"});
}

TEST_F(LineReaderTest, CutsLongLinesAndReadsOn) {
  using Lines = std::vector<std::string>;
  const std::string one_mb(1 << 20, '0');
  EXPECT_EQ(lines_of("047\n" + one_mb + "\n012\n"), (Lines{"047", "LONG:000", "012"}));
  EXPECT_EQ(lines_of(one_mb + one_mb + "x"), Lines{"LONG:000"});
  EXPECT_EQ(lines_of(std::string(longest_line, '1') + "\n2\n"),
            (Lines{std::string(longest_line, '1'), "2"}));
  EXPECT_EQ(lines_of(std::string(longest_line, '1') + "\r\n2\n"),
            (Lines{std::string(longest_line, '1'), "2"}));
  EXPECT_EQ(lines_of(std::string(longest_line + 1, '1') + "\r\n2\n"), (Lines{"LONG:111", "2"}));
}

TEST_F(LineReaderTest, ReadsLinesAcrossItsBlocks) {
  // Lines of 7 bytes cross the boundaries of the 1 MiB blocks read.
  std::string text;
  for (int i = 0; i < 400000; ++i) text += std::to_string(100000 + i) + "\n";
  LineReader reader(file(text));
  int count = 0;
  while (const auto line = reader.next()) {
    ASSERT_EQ(*line, std::to_string(100000 + count)) << "line " << count + 1;
    ++count;
  }
  EXPECT_EQ(count, 400000);
}

TEST(LineReader, RefusesAFileItCannotOpen) {
  try {
    LineReader reader("no/such/file");
    FAIL() << "opened";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.message, "cannot open 'no/such/file': No such file or directory");
    EXPECT_EQ(failure.status, status_usage);
  }
}

}  // namespace

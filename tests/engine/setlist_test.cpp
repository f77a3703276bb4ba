// Set-list text: reading, with the entries it skips, and writing.
#include "pelantor/setlist.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <vector>

namespace {

using namespace pelantor;
using Sets = std::vector<PcSet>;

TEST(ReadSetList, OneValueALine) {
  EXPECT_EQ(read_set_list("19\n133\n").sets, (Sets{pcs("014"), pcs("027")}));
  EXPECT_EQ(read_set_list("19\r\n133\r\n").sets, (Sets{pcs("014"), pcs("027")}));
  // A last line without its line end still counts.
  EXPECT_EQ(read_set_list("19\n133").sets, (Sets{pcs("014"), pcs("027")}));
  EXPECT_TRUE(read_set_list("").sets.empty());
}

TEST(ReadSetList, EndsAtEmptyLineZeroOrNonNumber) {
  EXPECT_EQ(read_set_list("19\n133\n\n145\n").sets, (Sets{pcs("014"), pcs("027")}));
  EXPECT_EQ(read_set_list("19\r\n\r\n145\r\n").sets, (Sets{pcs("014")}));
  EXPECT_EQ(read_set_list("19\n0\n145\n").sets, (Sets{pcs("014")}));
  EXPECT_EQ(read_set_list("19\nx\n145\n").sets, (Sets{pcs("014")}));
  EXPECT_EQ(read_set_list("19\n 145\n").sets, (Sets{pcs("014")}));
}

// A hand-edited or damaged file: a sign, a NUL byte, bytes that are no text
// or a bare CR end the list where they stand.
TEST(ReadSetList, GarbageEndsTheList) {
  using namespace std::string_view_literals;
  EXPECT_EQ(read_set_list("19\n\0\n133\n"sv).sets, (Sets{pcs("014")}));
  EXPECT_EQ(read_set_list("19\n-5\n7\n").sets, (Sets{pcs("014")}));
  EXPECT_TRUE(read_set_list("\xff\xfe"
                            "19\n")
                  .sets.empty());
  EXPECT_EQ(read_set_list("19\r\r\n133\n").sets, (Sets{pcs("014")}));
}

TEST(ReadSetList, SkipsWhatIsNotComparable) {
  const SetList list = read_set_list("19\n1\n4095\n4096\n99999999999\n145\n");
  EXPECT_EQ(list.sets, (Sets{pcs("014"), pcs("047")}));
  EXPECT_EQ(list.skipped, (std::vector<SkippedEntry>{{2, 1, SkipReason::too_few},
                                                     {3, 4095, SkipReason::too_many},
                                                     {4, 4096, SkipReason::not_a_set},
                                                     {5, INT_MAX, SkipReason::not_a_set}}));
}

TEST(ReadSetList, FromAStreamUpToTheListsEnd) {
  std::istringstream in("19\n133\n\nrest");
  EXPECT_EQ(read_set_list(in).sets, (Sets{pcs("014"), pcs("027")}));
  std::string rest;
  in >> rest;
  EXPECT_EQ(rest, "rest");
}

TEST(WriteSetList, ReadsBack) {
  const Sets sets = {pcs("014"), pcs("027"), pcs("0123456789")};
  EXPECT_EQ(write_set_list(sets), "19\n133\n1023\n");
  EXPECT_EQ(read_set_list(write_set_list(sets)).sets, sets);
  EXPECT_EQ(write_set_list(Sets{}), "");
}

TEST(WriteSetList, RefusesSetsThatWouldNotReadBack) {
  EXPECT_THROW(write_set_list(Sets{pcs("014"), PcSet{}}), error);
  EXPECT_THROW(write_set_list(Sets{pcs("0")}), error);
  EXPECT_THROW(write_set_list(Sets{PcSet::aggregate()}), error);
}

}  // namespace

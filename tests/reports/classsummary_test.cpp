#include "reports/classsummary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace pelantor;

TEST(ClassSummary, LabelCellIcVectorAndZCorrespondent) {
  EXPECT_EQ(text::class_summary(pcs("0146"), Algorithm::rahn),
            std::string(8, ' ') + "4-z15" + std::string(3 + 2, ' ') + "<111111>" +
                "    Z = [0137] (4-z29)");
  // Any member of the class gives the same line.
  EXPECT_EQ(text::class_summary(pcs("1257"), Algorithm::rahn),
            text::class_summary(pcs("0146"), Algorithm::rahn));
  EXPECT_EQ(text::class_summary(pcs("012"), Algorithm::rahn),
            std::string(9, ' ') + "3-1" + std::string(5 + 2, ' ') + "<210000>");
  EXPECT_EQ(text::class_summary(PcSet::aggregate(), Algorithm::forte), "12-1      <ccccc6>");
}

TEST(ClassSummary, ZCorrespondentFollowsTheAlgorithm) {
  // 6-z50's correspondent 6-z29 has different Rahn and Forte prime forms.
  EXPECT_EQ(text::class_summary(pcs("014679"), Algorithm::rahn),
            "      6-z50     <224232>    Z = [023679] (6-z29)");
  EXPECT_EQ(text::class_summary(pcs("014679"), Algorithm::forte),
            "      6-z50     <224232>    Z = [013689] (6-z29)");
  EXPECT_EQ(text::z_correspondent(find_class("3-11"), Algorithm::rahn), "");
}

}  // namespace

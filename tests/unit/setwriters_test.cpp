// The writers of sets, vectors and labels, on a console without keyboard.
#include "console/setwriters.h"

#include <gtest/gtest.h>

#include <string>

#include "console/funnel.h"
#include "tests/unit/consoletest.h"

namespace {

using pelantor::Algorithm;
using pelantor::MarkedSet;
using pelantor::Operation;
using pelantor::pcs;
using pelantor::PcSet;

TEST(WriteSet, BracesBracketsAndTheExclusionMark) {
  EXPECT_EQ(written([] {
              writeset(pcs("0148"), setstyle::brackets);
              writeset(pcs("0148"), setstyle::braces);
              writeset(MarkedSet{pcs("0148"), true}, setstyle::brackets);
              writeset(MarkedSet{pcs("ab"), false}, setstyle::braces);
              writeset(PcSet{}, setstyle::brackets);
            }),
            "[0148]{0148}not [0148]{ab}[]");
}

TEST(WriteSet, PrimeFormFollowsTheAlgorithm) {
  // 5-20 is one of the classes whose Forte prime form differs from Rahn's.
  EXPECT_EQ(written([] { writeprimeform(pcs("01378"), Algorithm::rahn); }), "[01568]");
  EXPECT_EQ(written([] { writeprimeform(pcs("01568"), Algorithm::forte); }), "[01378]");
  EXPECT_EQ(written([] { writeprimeform(pcs("47b"), Algorithm::rahn); }), "[037]");
}

TEST(WriteImage, MembersInTheOrderOfThePrimeForm) {
  EXPECT_EQ(written([] { writeimage({pcs("014"), {Operation::T, 3}}); }), "{347}");
  EXPECT_EQ(written([] { writeimage({pcs("014"), {Operation::I, 3}}); }), "{32b}");
  EXPECT_EQ(written([] { writeimage(pelantor::prime_form(pcs("047"), Algorithm::rahn)); }),
            "{740}");
}

TEST(WriteVector, HexadecimalEntriesAndOpenPlaces) {
  EXPECT_EQ(written([] { writevector(std::array{12, 12, 12, 12, 12, 6}); }), "<ccccc6>");
  EXPECT_EQ(written([] { writevector(std::array{1, 0, 0, 5, 6, 5, 5, 10}); }), "<1005655a>");
  EXPECT_EQ(written([] {
              writevector(pelantor::IcPattern{1, std::nullopt, 0, 0, 12, 0});
            }),
            "<1x00c0>");
  EXPECT_EQ(written([] {
              writehundredths({120, 0, 265, 0, 0, 4750});
            }),
            "<1.20, 0.00, 2.65, 0.00, 0.00, 47.50>");
}

TEST(WriteLabelCell, FillsTwentyMinusCardinality) {
  const auto cell = [](PcSet set) {
    return written([set] { writelabelcell(pelantor::set_class_of(set)); });
  };
  EXPECT_EQ(cell(pcs("0146")), std::string(8, ' ') + "4-z15" + "   ");
  EXPECT_EQ(cell(pcs("012")), std::string(9, ' ') + "3-1" + "     ");
  EXPECT_EQ(cell(pcs("0123456789")), "  10-1    ");
  for (const pelantor::SetClass& setclass : pelantor::all_classes()) {
    const std::string text = written([&setclass] { writelabelcell(setclass); });
    EXPECT_EQ(static_cast<int>(text.size()), 20 - setclass.cardinality)
        << pelantor::forte_label(setclass);
  }
}

}  // namespace

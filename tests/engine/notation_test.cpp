// The other ways of writing a set: note names, MIDI note numbers, bit
// values and Forte labels.
#include "pelantor/notation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace pelantor;

// The message parse throws for text, or "" when it throws none.
template <typename Parse>
std::string refusal(Parse parse, std::string_view text) {
  try {
    parse(text);
  } catch (const error& e) {
    return e.what();
  }
  return "";
}

TEST(ParseNotes, ReadsLettersWithAccidentals) {
  EXPECT_EQ(parse_notes("C D E F G A B"), pcs("024579b"));
  EXPECT_EQ(parse_notes("C E G"), pcs("047"));
  EXPECT_EQ(parse_notes("C#,Eb,F#"), pcs("136"));
  EXPECT_EQ(parse_notes("Bbb"), pcs("9"));
  EXPECT_EQ(parse_notes("Fx"), pcs("7"));
  EXPECT_EQ(parse_notes("B# Cb"), pcs("0b"));
  EXPECT_EQ(parse_notes("F\u266f B\u266d"), pcs("6a"));
  EXPECT_EQ(parse_notes("c e g"), pcs("047"));
  EXPECT_EQ(parse_notes(" C ,, E,\tG\r\n"), pcs("047"));
  EXPECT_EQ(parse_notes(""), PcSet());
  EXPECT_EQ(parse_notes(" , "), PcSet());
}

TEST(ParseNotes, EnharmonicSpellingsMeetOnOnePitchClass) {
  const char* pairs[][2] = {{"C#", "Db"}, {"E#", "F"},   {"Cb", "B"},  {"Bx", "C#"},
                            {"Dbb", "C"}, {"G#x", "Bb"}, {"Ab#", "A"}, {"Cbbbbbbbbbbbb", "C"}};
  for (const auto& [one, other] : pairs) {
    EXPECT_EQ(parse_notes(one), parse_notes(other)) << one << " " << other;
    EXPECT_EQ(parse_notes(std::string(one) + " " + other).size(), 1) << one << " " << other;
  }
}

TEST(ParseNotes, NamesTheWordThatIsNoNote) {
  EXPECT_EQ(refusal(parse_notes, "C H"), "'H' is not a note name");
  EXPECT_EQ(refusal(parse_notes, "C? E"), "'C?' is not a note name");
  EXPECT_EQ(refusal(parse_notes, "CEG"), "'CEG' is not a note name");
  EXPECT_EQ(refusal(parse_notes, "#"), "'#' is not a note name");
  EXPECT_EQ(refusal(parse_notes, "047"), "'047' is not a note name");
  EXPECT_EQ(refusal(parse_notes, std::string("C\0", 2)),
            "the byte 0x00 is not part of a note name");
  EXPECT_EQ(refusal(parse_notes, "C\xff"), "the byte 0xff is not part of a note name");
  EXPECT_EQ(refusal(parse_notes, "C" + std::string(1000, '?')),
            "'C" + std::string(23, '?') + "...' is not a note name");
}

TEST(ParseMidi, TakesNoteNumbersModTwelve) {
  EXPECT_EQ(parse_midi("60 64 67"), pcs("047"));
  EXPECT_EQ(parse_midi("0,127"), pcs("07"));
  EXPECT_EQ(parse_midi("12"), pcs("0"));
  EXPECT_EQ(parse_midi("48 60 72"), pcs("0"));
  EXPECT_EQ(parse_midi(""), PcSet());
}

TEST(ParseMidi, RefusesWhatIsNoNoteNumber) {
  const std::string tail = "' is not a MIDI note number (0 to 127)";
  EXPECT_EQ(refusal(parse_midi, "60 128"), "'128" + tail);
  EXPECT_EQ(refusal(parse_midi, "-1"), "'-1" + tail);
  EXPECT_EQ(refusal(parse_midi, "60.5"), "'60.5" + tail);
  EXPECT_EQ(refusal(parse_midi, "6O"), "'6O" + tail);
  EXPECT_EQ(refusal(parse_midi, "C4"), "'C4" + tail);
  EXPECT_EQ(refusal(parse_midi, "99999999999999999999"), "'99999999999999999999" + tail);
}

TEST(ParseBits, ReadsTheValuesOfSetListFiles) {
  EXPECT_EQ(parse_bits("145"), pcs("047"));
  EXPECT_EQ(parse_bits(" 4095\r\n"), PcSet::aggregate());
  EXPECT_EQ(parse_bits("1"), pcs("0"));
  EXPECT_EQ(parse_bits("2048"), pcs("b"));
}

TEST(ParseBits, RefusesWhatIsNoSet) {
  const std::string tail = "' is not the bit value of a set (1 to 4095)";
  EXPECT_EQ(refusal(parse_bits, "0"), "'0" + tail);
  EXPECT_EQ(refusal(parse_bits, "4096"), "'4096" + tail);
  EXPECT_EQ(refusal(parse_bits, "5000"), "'5000" + tail);
  EXPECT_EQ(refusal(parse_bits, "14 5"), "'14 5" + tail);
  EXPECT_EQ(refusal(parse_bits, "0x91"), "'0x91" + tail);
  EXPECT_EQ(refusal(parse_bits, "  "), "'" + tail);
}

TEST(ParseSet, ReadsEachNotation) {
  EXPECT_EQ(parse_set("12", Notation::pitch_classes), pcs("12"));
  EXPECT_EQ(parse_set("12", Notation::midi), pcs("0"));
  EXPECT_EQ(parse_set("12", Notation::bits), pcs("23"));
  EXPECT_EQ(parse_set("C E G", Notation::notes), pcs("047"));
}

TEST(ParseSet, TakesForteLabelsInEveryNotation) {
  for (Notation notation :
       {Notation::pitch_classes, Notation::notes, Notation::midi, Notation::bits}) {
    EXPECT_EQ(parse_set("3-11", notation), pcs("037"));
    EXPECT_EQ(parse_set(" 4-z15 ", notation), pcs("0146"));
    EXPECT_EQ(parse_set("4-Z15", notation), pcs("0146"));
    EXPECT_EQ(refusal([notation](auto t) { return parse_set(t, notation); }, "4-99"),
              "there is no set class 4-99");
  }
  EXPECT_EQ(parse_set("5-20", Notation::pitch_classes, Algorithm::rahn), pcs("01568"));
  EXPECT_EQ(parse_set("5-20", Notation::pitch_classes, Algorithm::forte), pcs("01378"));
  // Only a text of the label's shape is a label.
  EXPECT_EQ(refusal([](auto t) { return parse_set(t, Notation::midi); }, "-5"),
            "'-5' is not a MIDI note number (0 to 127)");
  EXPECT_EQ(refusal([](auto t) { return parse_set(t, Notation::pitch_classes); }, "3-"),
            "'-' is not a pitch class");
}

}  // namespace

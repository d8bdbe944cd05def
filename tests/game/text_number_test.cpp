#include "game/text_number.h"

#include <gtest/gtest.h>

#include <array>

#include "game/controls.h"
#include "game/types.h"
#include "support/in_language.h"

namespace vellaro {
namespace {

TEST(TextNumber, ReadsDecimalIntegers) {
  EXPECT_EQ(StrToInt("17"), 17);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt(" 007 "), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(TextNumber, RejectsAnythingElseWithTheExactMessage) {
  for (const char* bad : {"", " ", "abc", "1.5", "12a", "+-3", "--3", "2147483648", "0x10"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

// One and two characters take a short way: it must agree with the long one at its edges.
TEST(TextNumber, ShortTextsReadAsTheLongWayReadsThem) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("9"), 9);
  EXPECT_EQ(StrToInt("36"), 36);
  EXPECT_EQ(StrToInt("07"), 7);
  EXPECT_EQ(StrToInt("99"), 99);
  EXPECT_EQ(StrToInt("-9"), -9);
  EXPECT_EQ(StrToInt(" 9"), 9);
  for (const char* bad : {"/", ":", "9:", "/0", "a1", "1a", "-", "+"}) {
    EXPECT_FALSE(ParseInt(bad)) << bad;
  }
}

TEST(TextNumber, NumberTextIsIntToStrOfEveryNumberOfTheWheel) {
  for (int n = 0; n <= 36; ++n) EXPECT_EQ(NumberText(n), IntToStr(n)) << n;
}

TEST(TextNumber, WritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(1000000), "1000000");
}

TEST(TextNumber, CountsTakeTheSingularForOneOnly) {
  EXPECT_EQ(Counted(1, "unit", "units"), "1 unit");
  EXPECT_EQ(Counted(-1, "unit", "units"), "-1 unit");
  EXPECT_EQ(Counted(2, "unit", "units"), "2 units");
  EXPECT_EQ(Counted(0, "spin", "spins"), "0 spins");
  EXPECT_EQ(Counted(11, "loss", "losses"), "11 losses");
  EXPECT_EQ(CountNoun(21, "evening", "evenings"), "evenings");
}

// What a person reads comes in the chosen language, numbers written its way; the English
// tables that programs and settings read stay as they are.
TEST(TextNumber, APersonReadsCountsNamesAndRefusalsInTheirLanguage) {
  {
    InLanguage german("de");
    EXPECT_EQ(CountedText(1, N_("{1} unit"), N_("{1} units")), "1 Einheit");
    EXPECT_EQ(CountedText(-1, N_("{1} unit"), N_("{1} units")), "-1 Einheit");
    EXPECT_EQ(CountedText(0, N_("{1} unit"), N_("{1} units")), "0 Einheiten");
    EXPECT_EQ(CountedText(-2500, N_("{1} unit"), N_("{1} units")), "-2.500 Einheiten");
    EXPECT_EQ(Counted(2500, "unit", "units"), "2500 units");
    try {
      StrToInt("1,5");
      ADD_FAILURE() << "accepted '1,5'";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), "'1,5' ist keine gültige ganze Zahl");
    }
  }
  const struct {
    std::string_view language;
    std::array<std::string_view, kChances> chances;
    std::string_view table_maximum;
  } cases[] = {
      {"de", {"Manque", "Gerade", "Rot", "Schwarz", "Ungerade", "Passe"}, "Tischmaximum"},
      {"fr", {"Manque", "Pair", "Rouge", "Noir", "Impair", "Passe"}, "maximum de la table"},
      {"es", {"Falta", "Par", "Rojo", "Negro", "Impar", "Pasa"}, "máximo de la mesa"},
      {"it", {"Manque", "Pari", "Rosso", "Nero", "Dispari", "Passe"}, "massimo del tavolo"},
      {"en", {"Less", "Even", "Red", "Black", "Odd", "More"}, "table maximum"},
  };
  for (const auto& c : cases) {
    InLanguage language(c.language);
    for (int k = 0; k < kChances; ++k) {
      EXPECT_EQ(ChanceDisplayName(k), c.chances[static_cast<size_t>(k)]) << c.language << " " << k;
    }
    EXPECT_EQ(LimitName(LimitKind::kTableMax), c.table_maximum);
    EXPECT_EQ(kChanceNames[kLess], "Less") << c.language;
    EXPECT_EQ(kLimitNames[static_cast<size_t>(LimitKind::kTableMax)], "table maximum");
  }
}

TEST(SpinEditValue, ClampsTypedValuesAndReadsGarbageAsTheMinimum) {
  SpinEdit edit{"0", 1, 1000, true, kColourBlack};
  EXPECT_EQ(ReadSpinEdit(edit), 1);
  EXPECT_EQ(edit.text, "0");  // a number out of range is kept until the edit is left
  edit.text = "5000";
  EXPECT_EQ(ReadSpinEdit(edit), 1000);
  edit.text = "12x";
  EXPECT_EQ(ReadSpinEdit(edit), 1);
  EXPECT_EQ(edit.text, "1");
}

}  // namespace
}  // namespace vellaro

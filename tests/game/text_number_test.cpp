#include "game/text_number.h"

#include <gtest/gtest.h>

#include "game/controls.h"

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

TEST(TextNumber, WritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(1000000), "1000000");
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

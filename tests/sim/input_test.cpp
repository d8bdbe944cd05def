#include "tools/sim/input.h"

#include <gtest/gtest.h>

namespace vellaro::sim {
namespace {

TEST(ParseLog, SpinsAndUndosKeepTheirLineNumbersAcrossSkippedLines) {
  const std::string text =
      "# start\n7\r\n\n \t\nundo\n  36\t\r\n#12\n00000000000000000000000000009\n0";
  EXPECT_EQ(ParseLog(text, "f"),
            (std::vector<Entry>{{2, 7}, {5, Entry::kUndo}, {6, 36}, {8, 9}, {9, 0}}));
  EXPECT_TRUE(ParseLog("", "f").empty());
  EXPECT_TRUE(ParseLog("\r\n\n# nothing\n", "f").empty());
}

TEST(ParseLog, RejectsAnythingElseNamingFileLineAndText) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"1\n37\n", "f:2: '37' is not a spin number (0 to 36) or \"undo\""},
      {"-1\n", "f:1: '-1' is not a spin number (0 to 36) or \"undo\""},
      {"+5\n", "f:1: '+5' is not a spin number (0 to 36) or \"undo\""},
      {"Undo\n", "f:1: 'Undo' is not a spin number (0 to 36) or \"undo\""},
      {"1 2\n", "f:1: '1 2' is not a spin number (0 to 36) or \"undo\""},
      {"\n\n  x7 \r\n", "f:3: 'x7' is not a spin number (0 to 36) or \"undo\""},
      {"100\n", "f:1: '100' is not a spin number (0 to 36) or \"undo\""},
      {"99999999999999999999999\n",
       "f:1: '99999999999999999999999' is not a spin number (0 to 36) or \"undo\""},
      // Only one CR goes, and only at the end: a stray CR is part of the text.
      {"5\r\r\n", "f:1: '5\\x0d' is not a spin number (0 to 36) or \"undo\""},
      // Control characters are spelt out: a NUL must not cut the message short.
      {std::string("7\0z\x1b\n", 5),
       "f:1: '7\\x00z\\x1b' is not a spin number (0 to 36) or \"undo\""},
      {"  # not at the start\n1 # nor here\n",
       "f:2: '1 # nor here' is not a spin number (0 to 36) or \"undo\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseLog(c.text, "f");
      ADD_FAILURE() << "accepted";
    } catch (const InputError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace vellaro::sim

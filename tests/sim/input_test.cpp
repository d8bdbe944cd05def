#include "replay/spin_log.h"

#include <gtest/gtest.h>

namespace vellaro::replay {
namespace {

TEST(ParseLog, SpinsAndUndosKeepTheirLineNumbersAcrossSkippedLines) {
  const std::string text =
      "# start\n7\r\n\n \t\nundo\n redo\r\n  36\t\r\n#12\n00000000000000000000000000009\n0";
  EXPECT_EQ(ParseLog(text, "f"), (std::vector<Entry>{{2, 7},
                                                     {5, Entry::kUndo},
                                                     {6, Entry::kRedo},
                                                     {7, 36},
                                                     {9, 9},
                                                     {10, 0}}));
  EXPECT_TRUE(ParseLog("", "f").empty());
  EXPECT_TRUE(ParseLog("\r\n\n# nothing\n", "f").empty());
}

TEST(ParseLog, RejectsAnythingElseNamingFileLineAndText) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"1\n37\n", "f:2: '37' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"-1\n", "f:1: '-1' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"+5\n", "f:1: '+5' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"Undo\n", "f:1: 'Undo' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"redo 5\n", "f:1: 'redo 5' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"1 2\n", "f:1: '1 2' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"\n\n  x7 \r\n", "f:3: 'x7' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"100\n", "f:1: '100' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"99999999999999999999999\n",
       "f:1: '99999999999999999999999' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      // Only one CR goes, and only at the end: a stray CR is part of the text.
      {"5\r\r\n", "f:1: '5\\x0d' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      // Control characters are spelt out: a NUL must not cut the message short.
      {std::string("7\0z\x1b\n", 5),
       "f:1: '7\\x00z\\x1b' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"  # not at the start\n1 # nor here\n",
       "f:2: '1 # nor here' is not a spin number (0 to 36), \"undo\" or \"redo\""},
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

TEST(ParseLog, ALongLineIsQuotedByItsStartAndOneBeyondTheLimitIsRefused) {
  const std::string long_word(1000, 'z');
  try {
    ParseLog("1\n" + long_word + "\n", "f");
    ADD_FAILURE() << "accepted";
  } catch (const InputError& e) {
    EXPECT_EQ(e.what(), "f:2: '" + std::string(32, 'z') +
                            "...' is not a spin number (0 to 36), \"undo\" or \"redo\"");
  }
  // A comment as long as a line may be, with or without its CR LF, then one byte longer.
  const std::string longest = "#" + std::string(kLongestLine - 1, 'c');
  EXPECT_EQ(ParseLog(longest + "\n7\n" + longest, "f"), (std::vector<Entry>{{2, 7}}));
  EXPECT_THROW(ParseLog(longest + "\r\n7\n", "f"), InputError);
  try {
    ParseLog("7\n" + longest + "c\n7\n", "f");
    ADD_FAILURE() << "accepted";
  } catch (const InputError& e) {
    EXPECT_EQ(e.what(), "f:2: the line is longer than 4096 bytes ('#" + std::string(31, 'c') +
                            "...')");
  }
}

}  // namespace
}  // namespace vellaro::replay

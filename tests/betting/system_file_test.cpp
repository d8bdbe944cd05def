#include "betting/system_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "betting/system_folder.h"
#include "support/file_text.h"
#include "support/in_language.h"
#include "support/temp_folder.h"

namespace vellaro {
namespace {

using Op = StakeStep::Op;

SystemDefinition Definition(std::string name, SystemKind kind, std::vector<int64_t> sequence,
                            StakeStep on_win, StakeStep on_loss, int64_t start) {
  SystemDefinition d;
  d.name = std::move(name);
  d.kind = kind;
  d.sequence = std::move(sequence);
  d.on_win = on_win;
  d.on_loss = on_loss;
  d.start = start;
  return d;
}

using testing::WriteAll;

// Every file shipped in data/systems, read as the window and vellaro-sim read it, and
// the rules each is meant to state, written out here by hand.
TEST(SystemFile, EveryShippedPresetStatesItsSystem) {
  std::map<std::string, SystemDefinition> expected;
  SystemDefinition fibonacci =
      Definition("Fibonacci", SystemKind::kSequence,
                 {1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987}, {Op::kBack, 1, 2},
                 {Op::kNext, 1, 0}, 1);
  expected["fibonacci.system"] = fibonacci;
  SystemDefinition dalembert =
      Definition("D'Alembert", SystemKind::kMultiply, {}, {Op::kMinus, 1, 1}, {Op::kPlus, 1, 1}, 1);
  dalembert.safeguards = Safeguards::kResetThenMinimalProfit;
  expected["dalembert.system"] = dalembert;
  expected["labouchere.system"] =
      Definition("Labouchère (1 2 3 4)", SystemKind::kLabouchere, {1, 2, 3, 4}, {}, {}, 5);
  expected["oscars-grind.system"] =
      Definition("Oscar's Grind", SystemKind::kOscarsGrind, {}, {}, {}, 1);
  SystemDefinition paroli = Definition("Paroli (three wins)", SystemKind::kSequence, {1, 2, 4},
                                       {Op::kNext, 1, 0}, {Op::kReset, 1, 0}, 1);
  paroli.reset_at_end = true;
  expected["paroli.system"] = paroli;
  SystemDefinition one_three = Definition("1-3-2-6", SystemKind::kSequence, {1, 3, 2, 6},
                                          {Op::kNext, 1, 0}, {Op::kReset, 1, 0}, 1);
  one_three.reset_at_end = true;
  expected["1-3-2-6.system"] = one_three;
  SystemDefinition grand = Definition("Grand Martingale", SystemKind::kMultiply, {},
                                      {Op::kReset, 1, 0}, {Op::kTimes, 2, 1}, 1);
  grand.safeguards = Safeguards::kReset;
  expected["grand-martingale.system"] = grand;

  const std::vector<SystemFolderEntry> shipped = ListSystemFolder(VELLARO_SYSTEMS_DIR);
  ASSERT_EQ(shipped.size(), expected.size()) << "a preset without its expected rules here";
  for (const SystemFolderEntry& entry : shipped) {
    const std::string file = std::filesystem::path(entry.path).filename().string();
    SCOPED_TRACE(file);
    ASSERT_TRUE(entry.result.system) << entry.result.error->message;
    EXPECT_FALSE(entry.result.error);
    ASSERT_TRUE(expected.count(file));
    EXPECT_EQ(entry.result.system->rules, expected[file]);
    std::ifstream in(entry.path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(entry.result.system->text, text);
    EXPECT_TRUE(text.starts_with("# ")) << "a preset opens with a comment saying what it is";
  }
}

// A mistake in a system file, the line to look at and what the refusal says.
struct Mistake {
  std::string text;
  int line;
  std::string message;
};

// Mistakes in the keys and values of a file of a kind that is read.
std::vector<Mistake> MistakesInTheRules() {
  const std::string head = "name = Mine\nkind = multiply\n";  // lines 1 and 2
  const std::string rules = "on_loss = times 2\non_win = reset\n";
  return {
      {head + "colour = red\n" + rules, 3,
       "unknown key 'colour'; expected one of name, kind, sequence, line, on_win, on_loss, "
       "at_end, start, floor, cap, safeguards"},
      {head + rules + "on_win = stay\n", 5, "'on_win' is already set at line 4"},
      {head + rules + "cap = 12x\n", 5,
       "expected a number of units after 'cap =', a whole number from 1 to 1000000, not '12x'"},
      {head + rules + "start = 0\n", 5,
       "expected a number of units after 'start =', a whole number from 1 to 1000000, not '0'"},
      {head + rules + "floor = -3\n", 5,
       "expected a number of units after 'floor =', a whole number from 1 to 1000000, not '-3'"},
      {head + rules + "cap = 99999999999999999999999\n", 5,
       "expected a number of units after 'cap =', a whole number from 1 to 1000000, not "
       "'99999999999999999999999'"},
      {head + rules + "cap = 1\x1b[2J\n", 5,
       "expected a number of units after 'cap =', a whole number from 1 to 1000000, not "
       "'1?[2J'"},
      {head + rules + "floor = " + std::string(39, '9') + "\xC3\xA9\n", 5,
       "expected a number of units after 'floor =', a whole number from 1 to 1000000, not '" +
           std::string(39, '9') + "...'"},
      {head + "on_loss = times 1\non_win = reset\n", 3,
       "expected a factor after 'times', a whole number from 2 to 100, not '1'"},
      {head + "on_loss = times 0 plus 1\non_win = reset\n", 3,
       "expected a factor after 'times', a whole number from 2 to 100, not '0'"},
      {head + "on_loss = minus 1\non_win = reset\n", 3,
       "expected times K, plus N or times K plus N after 'on_loss =', not 'minus 1'"},
      {head + rules + "floor = 5\ncap = 4\n", 6, "expected a cap of at least the floor, 5, not 4"},
      {head + rules + "cap = 8\nstart = 9\n", 6,
       "the first stake, 9, is above the cap: expected 'start' from 1 to 8"},
      {head + rules + "floor = 3\n", 5,
       "the first stake, 1, is below the floor: expected 'start' from 3 to any (set 'start', or "
       "change 'floor')"},
      {head + rules + "line = 1 2\n", 5, "'line' does not belong to kind = multiply"},
  };
}

// Mistakes in a sequence, a line, the kind, the name and the bytes of the text.
std::vector<Mistake> MistakesInTheFile() {
  return {
      {"name = Fib\nkind = sequence\nsequence =    # none yet\non_win = next\non_loss = next\n", 3,
       "expected a value after 'sequence ='"},
      {"name = Fib\nkind = sequence\nsequence = 1 2\non_win = back 0\non_loss = next\n", 4,
       "expected a number of places after 'back', a whole number from 1 to 1000, not '0'"},
      {"name = Fib\nkind = sequence\nsequence = 1 2\non_win = next\n", 0,
       "missing 'on_loss = ...': kind = sequence needs it"},
      {"name = L\nkind = labouchere\nline = 1 0 3\n", 3,
       "expected a stake in units, a whole number from 1 to 1000000, not '0'"},
      {"name = L\nkind = roulette\n", 2,
       "expected sequence, multiply, labouchere or oscars-grind after 'kind =', not 'roulette'"},
      {"kind = oscars-grind\n", 0, "missing 'name = ...': every system needs a name"},
      {"name = G\n", 0,
       "missing 'kind = ...': expected sequence, multiply, labouchere or oscars-grind"},
      {"name = G\nkind oscars-grind\n", 2, "expected 'key = value', not 'kind oscars-grind'"},
      {"name = " + std::string(65, 'x') + "\nkind = oscars-grind\n", 1,
       "expected a name of at most 64 bytes"},
      {"name = a\tb\nkind = oscars-grind\n", 1, "expected a name without control characters"},
      {"name = a\xC2\x85"
       "b\nkind = oscars-grind\n",
       1, "expected a name without control characters"},
      {"name = G\nkind = oscars-grind\n# caf\xE9\n", 3, "the text is not UTF-8"},
      {"name = G\nkind = oscars-grind\n# \xED\xA0\x80 a surrogate\n", 3, "the text is not UTF-8"},
      {std::string("name = G\nkind = oscars-grind\n#") + '\0' + "\n", 3,
       "a NUL byte: a system file is text"},
      {"name = G\nkind = oscars-grind\n#" + std::string(4096, 'x') + "\n", 3,
       "the line is longer than 4096 bytes"},
      {std::string(kMaxSystemFileBytes + 1, '#'), 0, "the file is larger than 65536 bytes"},
  };
}

// The refusals a player meets, each at the line to look at and saying what was expected.
TEST(SystemFile, RefusesEachMistakeAtItsLineWithWhatWasExpected) {
  std::vector<Mistake> cases = MistakesInTheRules();
  for (Mistake& mistake : MistakesInTheFile()) cases.push_back(std::move(mistake));
  for (const Mistake& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 120));
    const SystemFileResult result = ParseSystemFile(c.text);
    EXPECT_FALSE(result.system);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error, (SystemFileError{c.line, c.message}));
  }
}

// A file with several mistakes is told all of them, the first in the file first, however the
// keys are ordered; a key missing is told only when no line is wrong (its line may be the
// one that could not be read).
TEST(SystemFile, TellsEveryMistakeInTheOrderOfTheLines) {
  const SystemFileResult two = ParseSystemFile(
      "name = Two\nkind = multiply\ncap = ten\non_win = reset\non_loss = times 1\n");
  ASSERT_FALSE(two.system);
  ASSERT_EQ(two.errors.size(), 2u);
  EXPECT_EQ(two.errors[0].line, 3);
  EXPECT_EQ(two.errors[1].line, 5);
  EXPECT_EQ(*two.error, two.errors[0]);
  // The kind's line cannot be read: no "missing 'kind'" as well, nor the rules it would name.
  const SystemFileResult unread =
      ParseSystemFile("name = N\nkind multiply\non_loss = times 2\nfloor = x\n");
  ASSERT_EQ(unread.errors.size(), 2u);
  EXPECT_EQ(unread.errors[0].line, 2);
  EXPECT_EQ(unread.errors[1].line, 4);
  // With every line read, what is missing is told.
  const SystemFileResult missing = ParseSystemFile("name = N\n");
  ASSERT_EQ(missing.errors.size(), 1u);
  EXPECT_EQ(missing.errors[0].line, 0);
}

// The words are the player's language; the file's own words (keys, values, what was typed),
// the path and the line stay as written, and numbers are written the language's way.
TEST(SystemFile, ARefusalSpeaksThePlayersLanguageAndKeepsTheFilesWords) {
  const std::string head = "name = Mine\nkind = multiply\n";
  const std::string rules = "on_loss = times 2\non_win = reset\n";
  struct Case {
    std::string_view language;
    std::string text;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"de", head + rules + "cap = 12x\n",
       "erwartet wird eine Anzahl Einheiten nach 'cap =', eine ganze Zahl von 1 bis 1.000.000, "
       "nicht '12x'"},
      {"fr", head + "on_loss = minus 1\non_win = reset\n",
       "times K, plus N ou times K plus N attendu après 'on_loss =', pas 'minus 1'"},
      {"es", "name = L\nkind = roulette\n",
       "se esperaba sequence, multiply, labouchere o oscars-grind después de 'kind =', no "
       "'roulette'"},
      {"it", head + rules + "floor = 3\n",
       "la prima puntata, 1, è inferiore al 'floor': 'start' deve valere almeno 3 (imposta "
       "'start' o cambia 'floor')"},
      {"de", head + rules + "cap = 8\nstart = 9\n",
       "der erste Einsatz, 9, liegt über 'cap': erwartet wird 'start' von 1 bis 8"},
  };
  for (const Case& c : cases) {
    InLanguage language(c.language);
    const SystemFileResult result = ParseSystemFile(c.text);
    ASSERT_TRUE(result.error) << c.text;
    EXPECT_EQ(result.error->message, c.message);
    EXPECT_EQ(DescribeSystemFileError("my.system", *result.error),
              "my.system:" + std::to_string(result.error->line) + ": " + c.message);
  }
}

TEST(SystemFile, ReadsDefaultsCommentsAndWindowsLineEnds) {
  const std::string unix_text =
      "# a Fibonacci that starts further on\n"
      "\n"
      "name = My Fibonacci   # shown in the box\n"
      "kind=sequence\n"
      "sequence =\t2 3  5 8\n"
      "on_win = back 2\n"
      "on_loss = next\n"
      "at_end = reset\n"
      "floor = 2\n"
      "cap = 6\n"
      "safeguards = reset+min-profit";  // the last line without its line end
  const SystemFileResult unix_result = ParseSystemFile(unix_text);
  ASSERT_TRUE(unix_result.system) << unix_result.error->message;
  const SystemDefinition& rules = unix_result.system->rules;
  EXPECT_EQ(rules.name, "My Fibonacci");
  EXPECT_EQ(rules.sequence, (std::vector<int64_t>{2, 3, 5, 8}));
  EXPECT_EQ(rules.start, 2) << "the sequence's first stake";
  EXPECT_EQ(rules.floor, 2);
  EXPECT_EQ(rules.cap, 6);
  EXPECT_TRUE(rules.reset_at_end);
  EXPECT_EQ(rules.safeguards, Safeguards::kResetThenMinimalProfit);

  std::string windows_text = "\xEF\xBB\xBF";  // as some editors save it
  for (const char c : unix_text)
    windows_text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const SystemFileResult windows_result = ParseSystemFile(windows_text);
  ASSERT_TRUE(windows_result.system) << windows_result.error->message;
  EXPECT_EQ(windows_result.system->rules, rules);
  EXPECT_EQ(windows_result.system->text, windows_text) << "the text kept is the text read";

  const SystemFileResult line =
      ParseSystemFile("name = L\nkind = labouchere\nline = 3 1 1 4\nstart = 2\n");
  ASSERT_TRUE(line.system);
  EXPECT_EQ(line.system->rules.start, 2) << "a start given wins over first plus last";
  EXPECT_EQ(ParseSystemFile("name = L\nkind = labouchere\nline = 3 1 1 4\n").system->rules.start,
            7);
  const SystemFileResult plain = ParseSystemFile(
      "name = M\nkind = multiply\non_loss = times 2\n"
      "on_win = reset\n");
  ASSERT_TRUE(plain.system);
  EXPECT_EQ(plain.system->rules.start, 1);
  EXPECT_EQ(plain.system->rules.cap, 0) << "no cap unless one is given";
  EXPECT_EQ(plain.system->rules.safeguards, Safeguards::kNone);
}

TEST(SystemFile, LoadsOnlyReadableFilesUnderTheSizeCap) {
  testing::TempFolder home;
  const std::string good = home.File("good.system");
  const std::string text = "name = G\nkind = oscars-grind\n";
  WriteAll(good, text);
  const SystemFileResult loaded = LoadSystemFile(good);
  ASSERT_TRUE(loaded.system);
  EXPECT_EQ(loaded.system->text, text);

  const std::string junk = home.File("junk.system");
  {
    std::ofstream out(junk, std::ios::binary);
    const std::string block(1 << 20, '\x9c');
    for (int i = 0; i < 10; ++i) out << block;
  }
  const std::string exact = home.File("exact.system");
  WriteAll(exact, text + std::string(kMaxSystemFileBytes - text.size(), '\n'));
  EXPECT_TRUE(LoadSystemFile(exact).system) << "a file of exactly 64 KB is read";

  const std::string folder = home.File("folder.system");
  std::filesystem::create_directory(folder);
  const std::map<std::string, std::string> refused = {
      {junk, junk + ": the file is larger than 65536 bytes"},
      {folder, folder + ": is a folder, not a system file"},
      {home.File("gone.system"), home.File("gone.system") + ": no such file"},
  };
  for (const auto& [path, message] : refused) {
    const SystemFileResult result = LoadSystemFile(path);
    EXPECT_FALSE(result.system);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(DescribeSystemFileError(path, *result.error), message);
  }
  WriteAll(home.File("bad.system"),
           "name = B\nkind = multiply\non_loss = times 2\non_win = times 1\n");
  EXPECT_EQ(DescribeSystemFileError(home.File("bad.system"),
                                    *LoadSystemFile(home.File("bad.system")).error),
            home.File("bad.system") +
                ":4: expected a factor after 'times', a whole number from 2 to 100, not '1'");
}

TEST(SystemFile, AFolderListsItsSystemFilesInNameOrderEachOnItsOwn) {
  testing::TempFolder home;
  WriteAll(home.File("b.system"), "name = B\nkind = oscars-grind\n");
  WriteAll(home.File("a.system"), "name = A\nkind = sideways\n");
  WriteAll(home.File("c.system~"), "name = C\nkind = oscars-grind\n");
  WriteAll(home.File(".d.system"), "name = D\nkind = oscars-grind\n");
  WriteAll(home.File("notes.txt"), "not a system");
  const std::vector<SystemFolderEntry> listed = ListSystemFolder(home.path().string());
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].path, home.File("a.system"));
  EXPECT_EQ(listed[0].result.error->line, 2) << "a broken file is listed with its error";
  EXPECT_EQ(listed[1].path, home.File("b.system"));
  EXPECT_EQ(listed[1].result.system->rules.name, "B");
  EXPECT_TRUE(ListSystemFolder(home.File("none")).empty());
}

}  // namespace
}  // namespace vellaro

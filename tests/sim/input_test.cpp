#include <gtest/gtest.h>

#include "replay/spin_list.h"
#include "replay/spin_log.h"
#include "support/in_language.h"

namespace vellaro::replay {
namespace {

TEST(ParseLog, ALineMayHoldAListWhoseSpinsShareItsNumber) {
  // A log passes over an empty field, as it always has (a list typed for the window does not).
  EXPECT_EQ(ParseLog("5,,6\n", "f").size(), 2u);
  EXPECT_EQ(ParseLog("1 2\n\n 3,4;5 ,\t6\r\nundo\n7;\n , ;\n", "f"),
            (std::vector<Entry>{
                {1, 1}, {1, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {4, Entry::kUndo}, {5, 7}}));
}

TEST(ParseLog, SpinsAndUndosKeepTheirLineNumbersAcrossSkippedLines) {
  const std::string text =
      "# start\n7\r\n\n \t\nundo\n redo\r\n  36\t\r\n#12\n00000000000000000000000000009\n0";
  EXPECT_EQ(
      ParseLog(text, "f"),
      (std::vector<Entry>{{2, 7}, {5, Entry::kUndo}, {6, Entry::kRedo}, {7, 36}, {9, 9}, {10, 0}}));
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
      // "undo" and "redo" stand alone; a list on a line is of numbers only, and its
      // message points at the token, by its column in the line as written.
      {"redo 5\n", "f:1:1: 'redo' is not a spin number (0 to 36)"},
      {"1 2\n  3,x;4\n", "f:2:5: 'x' is not a spin number (0 to 36)"},
      {"5,\n\t7 37\n", "f:2:4: '37' is not a spin number (0 to 36)"},
      {"\n\n  x7 \r\n", "f:3: 'x7' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"100\n", "f:1: '100' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"99999999999999999999999\n",
       "f:1: '99999999999999999999999' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      // Only one CR goes, and only at the end: a stray CR is part of the text.
      {"5\r\r\n", "f:1: '5\\x0d' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      // Control characters are spelt out: a NUL must not cut the message short.
      {std::string("7\0z\x1b\n", 5),
       "f:1: '7\\x00z\\x1b' is not a spin number (0 to 36), \"undo\" or \"redo\""},
      {"  # not at the start\n1 # nor here\n", "f:2:3: '#' is not a spin number (0 to 36)"},
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
    EXPECT_EQ(e.what(),
              "f:2: the line is longer than 65536 bytes ('#" + std::string(31, 'c') + "...')");
  }
}

// ---- Lists of spins entered at once (replay/spin_list.h) ------------------------------------

std::string Refusal(const std::string& text, const SpinListOptions& options = {}) {
  try {
    const SpinList list = ParseSpinList(text, options);
    return "accepted " + std::to_string(list.spins.size());
  } catch (const SpinListError& e) {
    return e.what();
  }
}

TEST(SpinList, EverySeparatorAndTheOrderOfTheDisplay) {
  const SpinList list = ParseSpinList("5, 17;0\n\n 36\t08\r\n1, 2 ;");
  EXPECT_EQ(list.spins, (std::vector<int>{5, 17, 0, 36, 8, 1, 2}));
  EXPECT_EQ(list.lines, (std::vector<size_t>{1, 1, 1, 3, 3, 4, 4}));
  // A display shows the newest first: entered, the oldest goes first all the same.
  SpinListOptions newest;
  newest.newest_first = true;
  const SpinList reversed = ParseSpinList("5 17 0\n36", newest);
  EXPECT_EQ(reversed.spins, (std::vector<int>{36, 0, 17, 5}));
  EXPECT_EQ(reversed.lines, (std::vector<size_t>{2, 1, 1, 1}));
}

TEST(SpinList, BadInputIsRefusedWholeWithItsPlace) {
  SpinListOptions csv;
  csv.format = SpinFormat::kCsv;
  std::string hundred_thousand;
  for (int i = 0; i < 100000; ++i) hundred_thousand += std::to_string(i % 37) + "\n";
  const std::string bad = "number 3 (line 2, column 4): '";
  const std::pair<std::string, std::string> cases[] = {
      {"1 2\n  ;abc 4", bad + "abc' is not a spin number (0 to 36)"},
      {"1 2\n  ;37 4", bad + "37' is not a spin number (0 to 36)"},
      {"1 2\n  ;-1 4", bad + "-1' is not a spin number (0 to 36)"},
      {"1 2\n  ;\xc3\xa9 4", bad + "\xc3\xa9' is not a spin number (0 to 36)"},
      {"", "the list holds no numbers"},
      {" \n\r\n\t", "the list holds no numbers"},
      // Nothing between two commas or semicolons: a number left out, or a key pressed twice.
      {"1 2\n  3,,4", "number 4 (line 2, column 5): an empty field between two separators"},
      {"1 2\n  3; ;4", "number 4 (line 2, column 6): an empty field between two separators"},
      {"1 2\n  , ;5", "number 3 (line 2, column 5): an empty field between two separators"},
      {hundred_thousand, "100000 numbers: at most 10000 are entered at once"},
      {std::string("\x89PNG\r\n\x1a\n\0\0", 10), "this is not text: byte 7 is \\x1a"},
      {std::string("5 17\0 3", 8), "this is not text: byte 5 is \\x00"},
      {std::string(kLongestLine + 1, ' ') + "\n5", "line 1 is longer than 65536 bytes"},
  };
  for (const auto& [text, message] : cases) {
    SCOPED_TRACE(text.substr(0, 40));
    EXPECT_EQ(Refusal(text), message);
  }
  EXPECT_EQ(Refusal(" " + std::string(100, '7')), "number 1 (line 1, column 2): '" +
                                                      std::string(32, '7') +
                                                      "...' is not a spin number (0 to 36)");
  std::string most;
  for (size_t i = 0; i < kMostSpinsAtOnce; ++i) most += "36 ";
  EXPECT_EQ(Refusal(most), "accepted 10000");
  EXPECT_EQ(Refusal(most + "0"), "10001 numbers: at most 10000 are entered at once");
  const std::pair<std::string, std::string> csv_cases[] = {
      {"date,amount\n2026-12-01,3.5\n2026-12-02,40\n",
       "no column of the file holds only numbers from 0 to 36"},
      {"n\n5\n\n37\n", "no column of the file holds only numbers from 0 to 36"},
      {"date,n\n", "the file holds no numbers, only its header"},
      {"", "the file holds no rows"},
  };
  for (const auto& [text, message] : csv_cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Refusal(text, csv), message);
  }
}

// The refusals shown by Add spins and by vellaro-sim, in the player's language: the place and
// the text typed stay as they were, the counts are written the language's way.
TEST(SpinList, ARefusalSpeaksThePlayersLanguage) {
  std::string too_many;
  for (size_t i = 0; i <= kMostSpinsAtOnce; ++i) too_many += "36 ";
  SpinListOptions csv;
  csv.format = SpinFormat::kCsv;
  InLanguage german("de");
  EXPECT_EQ(Refusal(too_many), "10.001 Zahlen: höchstens 10.000 werden auf einmal eingegeben");
  EXPECT_EQ(Refusal("1 2\n  ;37 4"),
            "Zahl 3 (Zeile 2, Spalte 4): '37' ist keine Zahl von 0 bis 36");
  SpinListOptions named = csv;
  named.column = "date";
  EXPECT_EQ(Refusal("n,m\n5,6\n", named),
            "keine Spalte 'date' in der Datei: ihre Spalten sind 'n', 'm'");
  EXPECT_EQ(Refusal("date,n\n", csv), "die Datei enthält keine Zahlen, nur ihre Kopfzeile");
  try {
    ParseSpinList("1 x");
    ADD_FAILURE() << "accepted";
  } catch (const SpinListError& e) {
    EXPECT_EQ(e.reason(), "'x' ist keine Zahl von 0 bis 36");
  }
  InLanguage italian("it");
  for (const auto& [text, message] : std::initializer_list<std::pair<std::string, std::string>>{
           {"1 2\n  3,x;4\n", "f:2:5: 'x' non è un numero da 0 a 36"},
           {"redo\nUndo\n", "f:2: 'Undo' non è un numero da 0 a 36, né \"undo\" né \"redo\""}}) {
    try {
      ParseLog(text, "f");
      ADD_FAILURE() << "accepted " << text;
    } catch (const InputError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(SpinList, ACsvColumnByNameNumberOrTheFirstOfSpinsOnly) {
  const std::string file =
      "Date;Table;Number;Colour\r\n"
      "2026-12-01 20:00;3;17;black\r\n"
      "2026-12-01 20:01;40;\"0\";green\r\n"
      "\r\n"
      "2026-12-01 20:02;3;36;red\r\n";
  SpinListOptions csv;
  csv.format = SpinFormat::kCsv;
  // "Table" holds 40: the first column of spins only is "Number".
  SpinList list = ParseSpinList(file, csv);
  EXPECT_TRUE(list.header);
  EXPECT_EQ(list.columns, (std::vector<std::string>{"Date", "Table", "Number", "Colour"}));
  EXPECT_EQ(list.column, 2u);
  EXPECT_EQ(list.spins, (std::vector<int>{17, 0, 36}));
  EXPECT_EQ(list.lines, (std::vector<size_t>{2, 3, 5}));
  csv.column = "number";  // any case
  EXPECT_EQ(ParseSpinList(file, csv).spins, (std::vector<int>{17, 0, 36}));
  csv.column = "3";
  EXPECT_EQ(ParseSpinList(file, csv).column, 2u);
  csv.column = "Table";
  EXPECT_EQ(Refusal(file, csv),
            "number 2 (line 3, column 18): '40' is not a spin number (0 to 36)");
  csv.column = "5";
  EXPECT_EQ(Refusal(file, csv),
            "no column '5' in the file: its columns are 'Date', 'Table', 'Number', 'Colour'");
  csv.column = "Colour";
  EXPECT_EQ(Refusal(file, csv),
            "number 1 (line 2, column 23): 'black' is not a spin number (0 to 36)");
  // Without a header the columns have numbers; a short row has no cell to read.
  csv.column = "";
  const SpinList plain = ParseSpinList("4,12\n5,\"1,3\"\n6,7\n", csv);
  EXPECT_FALSE(plain.header);
  EXPECT_EQ(plain.columns, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(plain.spins, (std::vector<int>{4, 5, 6}));
  csv.column = "2";
  EXPECT_EQ(Refusal("4,12\n5\n", csv), "line 2 has no column 2");
  // Picked by its number from a list, a column is that one, whatever the header calls
  // the others.
  csv.column = "";
  csv.column_number = 2;
  EXPECT_EQ(ParseSpinList("n,x,2\n1,2,3\n", csv).spins, (std::vector<int>{2}));
  csv.column = "2";
  csv.column_number = 0;
  EXPECT_EQ(ParseSpinList("n,x,2\n1,2,3\n", csv).spins, (std::vector<int>{3}));  // by name first
  csv.column_number = 4;
  EXPECT_EQ(Refusal("n,x,2\n1,2,3\n", csv), "no column 4 in the file: it has 3");
  csv.column_number = 0;
  // Columns count characters, not bytes.
  csv.column = "N";
  EXPECT_EQ(Refusal("Nom,N\nAna\xc3\xafs,5\nZo\xc3\xa9,x\n", csv),
            "number 2 (line 3, column 5): 'x' is not a spin number (0 to 36)");
  csv.column = "2";
  csv.newest_first = true;
  EXPECT_EQ(ParseSpinList("4,12\n5,13\n", csv).spins, (std::vector<int>{13, 12}));
}

// A column that counts the rows (a round's number) holds numbers from 0 to 36 as well: the
// spins are in the column whose header names them, in any of the window's languages, or
// else in the first column that does not count.
TEST(SpinList, ACsvCounterIsNotTakenForTheSpins) {
  SpinListOptions csv;
  csv.format = SpinFormat::kCsv;
  std::string rounds = "Runde,Zahl\n";
  for (int i = 1; i <= 20; ++i)
    rounds += std::to_string(i) + "," + std::to_string((i * 7) % 37) + "\n";
  const SpinList list = ParseSpinList(rounds, csv);
  EXPECT_EQ(list.column, 1u);
  EXPECT_EQ(list.spins.front(), 7);
  for (const char* header : {"Round;Winning number", "tour;numéro", "Giro;Número", "#;Risultato",
                             "n;Ergebnis", "Runde;Zahlen"}) {
    SCOPED_TRACE(header);
    // The second column holds spins that happen to rise by one as well: the name decides.
    EXPECT_EQ(ParseSpinList(std::string(header) + "\n1;4\n2;5\n3;6\n", csv).column, 1u);
  }
  // A "Spin" column that counts is a counter all the same.
  EXPECT_EQ(ParseSpinList("Spin,Result\n1,17\n2,0\n3,17\n", csv).column, 1u);
  EXPECT_EQ(ParseSpinList("Spin,Table\n1,17\n2,0\n3,17\n", csv).column, 1u);
  // Without a header that names them, the counter is passed over, rising or falling.
  EXPECT_EQ(ParseSpinList("1,17\n2,0\n3,17\n", csv).column, 1u);
  EXPECT_EQ(ParseSpinList("a,b\n30,17\n29,0\n28,17\n", csv).column, 1u);
  // Two rows are no count yet; a counter alone is all there is.
  EXPECT_EQ(ParseSpinList("1,17\n2,0\n", csv).column, 0u);
  EXPECT_EQ(ParseSpinList("Runde\n1\n2\n3\n", csv).spins, (std::vector<int>{1, 2, 3}));
  // A column named as spins that holds something else is not taken.
  EXPECT_EQ(ParseSpinList("Number,b\n40,1\n3,1\n", csv).column, 1u);
  // Named by the player, a counter is read as asked.
  csv.column = "Runde";
  EXPECT_EQ(ParseSpinList(rounds, csv).column, 0u);
}

}  // namespace
}  // namespace vellaro::replay

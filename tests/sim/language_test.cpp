// vellaro-sim in the languages it speaks: the texts for people change with --lang, LANGUAGE
// and the locale; what is written for programs does not change by a byte.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "sim_support.h"
#include "support/file_text.h"
#include "support/in_language.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"
#include "text/translate.h"
#include "tools/sim/options.h"
#include "tools/sim/person_text.h"
#include "tools/sim/progress.h"

namespace vellaro::sim {
namespace {

constexpr std::string_view kLanguages[] = {"en", "de", "fr", "es", "it"};

using testing::Lines;

TEST(SimLanguages, TheHelpFitsEightyColumnsAndKeepsEveryOptionInEveryLanguage) {
  for (const std::string_view language : kLanguages) {
    const InLanguage in(language);
    const std::string help = HelpText();
    for (const std::string& text : {help, SystemFileHelpText()}) {
      for (const std::string& line : Lines(text)) {
        EXPECT_LE(TextColumns(line), 80u) << language << ": " << line;
      }
    }
    // An option's line starts with its name and its value's name, as in English.
    for (const OptionHelp& option : AcceptedOptions()) {
      std::string start = "\n  " + std::string(option.name);
      if (!option.value_name.empty()) start += " " + std::string(option.value_name);
      EXPECT_NE(help.find(start + " "), std::string::npos) << language << ": " << option.name;
    }
    if (language != "en") {
      EXPECT_EQ(help.find("show this help"), std::string::npos) << language;
    }
  }
}

TEST(SimLanguages, TextColumnsCountsCharactersNotBytes) {
  EXPECT_EQ(TextColumns("abc"), 3u);
  EXPECT_EQ(TextColumns("Drehungsprotokoll für Menschen"), 30u);
  EXPECT_EQ(TextColumns("2\u202f500"), 5u);  // a French thousands separator
  EXPECT_EQ(TextColumns(""), 0u);
}

TEST(SimLanguages, TheProgressLineSpeaksTheLanguageAndPadsByColumns) {
  {
    const InLanguage in("de");
    ProgressLine line(std::cerr, 10'000'000, [] { return int64_t{0}; });
    EXPECT_EQ(line.Text(2'500'000, 1'000'000'000),
              " 25,0 % erledigt, 2.500.000 Drehungen/s, noch 0:00:03");
    EXPECT_EQ(line.Text(0, 0), "  0,0 % erledigt");
  }
  const InLanguage in("fr");
  std::ostringstream err;
  int64_t now = 0;
  ProgressLine line(err, 10'000'000, [&now] { return now; });
  now = 1'000'000'000;
  const std::string longer = line.Text(2'500'000, now);
  line.Show(2'500'000);
  line.Clear();
  // Cleared with as many spaces as it took columns, not bytes: the narrow spaces of
  // "2 500 000" are three bytes each.
  EXPECT_EQ(err.str(), "\r" + longer + "\r" + std::string(TextColumns(longer), ' ') + "\r");
  EXPECT_EQ(TextColumns(longer) + 4, longer.size());
}

// --lang is read by main before anything is said; the parsers never see it.
TEST(SimLanguages, TheLanguageOptionIsTakenOutWhereverItStands) {
  using Args = std::vector<std::string_view>;
  EXPECT_EQ(WithoutLanguage({"--lang", "de", "--journal", "j", "--list"}),
            (Args{"--journal", "j", "--list"}));
  EXPECT_EQ(WithoutLanguage({"--summary", "--lang=fr", "log.txt"}), (Args{"--summary", "log.txt"}));
  // Without its value it stays, for the parser to refuse; after "--" it is a file's name.
  EXPECT_EQ(WithoutLanguage({"--summary", "--lang"}), (Args{"--summary", "--lang"}));
  EXPECT_EQ(WithoutLanguage({"--", "--lang", "de"}), (Args{"--", "--lang", "de"}));
  try {
    ParseCommandLine({"--lang"});
    ADD_FAILURE() << "--lang without a value was taken";
  } catch (const UsageError& e) {
    EXPECT_STREQ(e.what(), "--lang needs a value CODE");
  }
}

// The real program: what it writes on standard output and standard error, and its status.
using Ran = testing::Run;

class SimProgram : public ::testing::Test {
 protected:
  // `environment` is the whole language environment ("LANGUAGE=it ..."): the developer's
  // own never reaches the program.
  Ran Run(const std::string& environment, const std::string& args) {
    const std::string err = folder_.File("err");
    const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG " + environment +
                                " " + SIM_PROGRAM + " " + args + " 2>" + err;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    Ran ran;
    if (!pipe) return ran;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) {
      ran.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe.release());
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ran.err = testing::ReadAll(err);
    return ran;
  }

  testing::TempFolder folder_;
};

TEST_F(SimProgram, LangFrenchGivesTheHelpInFrench) {
  const Ran ran = Run("", "--lang fr --help");
  EXPECT_EQ(ran.status, 0);
  EXPECT_EQ(ran.out.rfind("Usage\u00a0: vellaro-sim [OPTIONS] [FILE]\n", 0), 0u) << ran.out;
  EXPECT_NE(ran.out.find("\nOptions\u00a0:\n"), std::string::npos);
  EXPECT_NE(ran.out.find("\n  --help              afficher cette aide\n"), std::string::npos);
  EXPECT_NE(ran.out.find("\nCode de sortie\u00a0:\n  0  terminé\n"), std::string::npos);
  EXPECT_EQ(Run("", "--lang=fr --help").out, ran.out);
}

TEST_F(SimProgram, AUsageErrorSpeaksGermanWithItsExitStatus) {
  const Ran ran = Run("", "--lang de --bogus");
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.out, "");
  EXPECT_EQ(ran.err, "vellaro-sim: unbekannte Option '--bogus' (siehe --help)\n");
  EXPECT_EQ(Run("", "--lang de --mode 9 x.txt").err,
            "vellaro-sim: --mode nimmt eine ganze Zahl von 1 bis 5, nicht '9'\n");
}

TEST_F(SimProgram, TheEnvironmentChoosesAsDocumentedAndLangOverridesIt) {
  EXPECT_EQ(Run("LANGUAGE=it:de", "--help").out.rfind("Uso: vellaro-sim", 0), 0u);
  EXPECT_EQ(Run("LANG=es_ES.UTF-8", "--help").out.rfind("Uso: vellaro-sim", 0), 0u);
  EXPECT_NE(Run("LANG=es_ES.UTF-8", "--help").out.find("mostrar esta ayuda"), std::string::npos);
  EXPECT_EQ(Run("LC_ALL=de_DE.UTF-8 LANG=fr_FR.UTF-8", "--help").out.rfind("Aufruf:", 0), 0u);
  EXPECT_EQ(Run("LANGUAGE=de", "--lang en --help").out.rfind("Usage: vellaro-sim", 0), 0u);
  // A language without a catalogue is English, not an error.
  const Ran unknown = Run("LANGUAGE=de", "--lang xx --help");
  EXPECT_EQ(unknown.status, 0);
  EXPECT_EQ(unknown.out, Run("LANG=C", "--help").out);
}

TEST_F(SimProgram, NumbersInTheSummaryAreWrittenAsTheLanguageWritesThem) {
  std::ofstream(folder_.File("log.txt")) << "17\n25\n0\n8\n3\n20\n5\n19\n4\n7\n";
  const std::string args = "--clock 1700000000 --summary " + folder_.File("log.txt");
  const Ran german = Run("", "--lang de " + args);
  EXPECT_EQ(german.status, 0);
  EXPECT_NE(german.out.find("\nDrehungen: 10\n"), std::string::npos) << german.out;
  EXPECT_NE(german.out.find("\ninterner Saldo der Engine, kein Ergebnis: am Ende 999.986, "
                            "niedrigster 999.986\n"),
            std::string::npos);
  EXPECT_NE(german.out.find("(2,70 %): -0,27 Einheiten\n"), std::string::npos);
  const Ran english = Run("", "--lang en " + args);
  EXPECT_NE(english.out.find("\ninternal balance of the engine, not a result: final 999986, "
                             "lowest 999986\n"),
            std::string::npos);
}

// The table's columns line up in characters: "zurückgehalten" is 15 bytes and 14 columns.
TEST_F(SimProgram, TheRunsTableLinesUpInEveryLanguage) {
  for (const std::string_view language : kLanguages) {
    const Ran ran = Run("", "--lang " + std::string(language) +
                                " --runs 120 --spins 60 --system all --seed 7 --clock 1700000000");
    ASSERT_EQ(ran.status, 0) << language;
    // The measures: the lines between the first two empty lines.
    const size_t begin = ran.out.find("\n\n") + 2;
    const size_t end = ran.out.find("\n\n", begin);
    const std::vector<std::string> rows = Lines(ran.out.substr(begin, end - begin));
    ASSERT_GT(rows.size(), 15u) << language;
    for (const std::string& row : rows) {
      EXPECT_EQ(TextColumns(row), TextColumns(rows.front())) << language << ": " << row;
    }
  }
}

// Every column of the trace (a win, a loss, an undo and a redo, a bet shown, a limit that
// holds one back), the --runs CSV and its JSON (with a note on stakes without bound): the
// same bytes in every language, whatever the texts for people say on standard error.
TEST_F(SimProgram, WhatProgramsReadIsTheSameBytesInEveryLanguage) {
  std::ofstream(folder_.File("log.txt"))
      << "17\n25\n0\n0\n0\n8\n3\nundo\nredo\n20\n5\n19\n4\n0\n7\n"
         "30 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n";
  const std::string log = folder_.File("log.txt");
  const std::string runs =
      "--runs 120 --spins 60 --system all --seed 7 --clock 1700000000 "
      "--threads 2 --take-profit 5 --format ";
  const std::vector<std::string> commands = {
      "--clock 1700000000 --safe-level 1 --trend red --auto-reset --min-profit --bankroll 30 " +
          log,
      "--clock 1700000000 --mode 4 --cat-rows --system parlay --table-max 4 " + log,
      "--random 300 --seed 11 --clock 1700000000 --system quorvel",
      runs + "csv",
      runs + "json",
  };
  for (const std::string& command : commands) {
    const Ran english = Run("", "--lang en " + command);
    ASSERT_EQ(english.status, 0) << command << "\n" << english.err;
    ASSERT_GT(english.out.size(), 200u) << command;
    for (const std::string_view language : kLanguages) {
      const Ran ran = Run("LANGUAGE=" + std::string(language), command);
      EXPECT_EQ(ran.status, 0) << language << ": " << command;
      EXPECT_EQ(ran.out, english.out) << language << ": " << command;
    }
  }
}

}  // namespace
}  // namespace vellaro::sim

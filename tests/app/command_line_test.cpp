#include "app/command_line.h"

#include <QTest>
#include <sstream>
#include <string>
#include <vector>

using vellaro::app::AnswerWithoutWindow;

class CommandLineTest : public QObject {
  Q_OBJECT

 private:
  static std::optional<int> Answer(std::vector<std::string_view> args, std::string& printed) {
    std::ostringstream out;
    const std::optional<int> status = AnswerWithoutWindow(args, out);
    printed = out.str();
    return status;
  }

 private slots:
  void versionAndHelpAnswerWithoutAWindow() {
    std::string printed;
    QCOMPARE(Answer({"--version"}, printed), std::optional<int>(0));
    QCOMPARE(printed, std::string("vellaro " VELLARO_VERSION "\n"));
    QCOMPARE(Answer({"--help"}, printed), std::optional<int>(0));
    QVERIFY(printed.starts_with("Usage: vellaro [OPTION]\n"));
    for (const char* option : {"--help", "--version"}) {
      QVERIFY2(printed.find(option) != std::string::npos, option);
    }
  }

  void theFirstOfThemWinsWhereverItStands() {
    std::string printed;
    QCOMPARE(Answer({"-platform", "offscreen", "--version", "--help"}, printed),
             std::optional<int>(0));
    QCOMPARE(printed, std::string("vellaro " VELLARO_VERSION "\n"));
    QCOMPARE(Answer({"--help", "--version"}, printed), std::optional<int>(0));
    QVERIFY(printed.starts_with("Usage:"));
  }

  void anythingElseOpensTheWindowAndPrintsNothing() {
    std::string printed;
    QCOMPARE(Answer({}, printed), std::nullopt);
    QCOMPARE(Answer({"-platform", "offscreen"}, printed), std::nullopt);
    // Only the whole word counts.
    QCOMPARE(Answer({"--versions", "-version", "--help=1"}, printed), std::nullopt);
    QVERIFY(printed.empty());
  }

  void aStdoutThatCannotBeWrittenFails() {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    const std::vector<std::string_view> args = {"--version"};
    QCOMPARE(AnswerWithoutWindow(args, out), std::optional<int>(1));
  }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

// The session panel as the program ships it: the built plugin module, loaded as the window
// loads it (not linked into this test), in a German window. The plugin carries its own copy
// of the engine, whose texts must speak the program's language too.

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "app/session_panel_window.h"
#include "panel_evening.h"
#include "session/evening_page.h"
#include "support/in_language.h"
#include "temporary_home.h"
#include "text/translate.h"

using vellaro::app::testing::Evening;
using vellaro::app::testing::TemporaryHome;

namespace {

// Every text a person reads in the panel's tabs: labels, buttons, lists, cells, headers.
QStringList ShownTexts(const QWidget& panel) {
  QStringList texts;
  for (const QLabel* label : panel.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : panel.findChildren<QAbstractButton*>()) {
    texts << button->text();
  }
  for (const QComboBox* box : panel.findChildren<QComboBox*>()) {
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  }
  for (const QTableWidget* table : panel.findChildren<QTableWidget*>()) {
    for (int r = 0; r < table->rowCount(); ++r) {
      if (const QTableWidgetItem* head = table->verticalHeaderItem(r)) texts << head->text();
      for (int c = 0; c < table->columnCount(); ++c) {
        if (const QTableWidgetItem* cell = table->item(r, c)) texts << cell->text();
      }
    }
  }
  return texts;
}

// The engine's texts as `stale` says them where the language `now` says otherwise, each
// sentence as the longest piece between its placeholders ("Nothing here is unusual for {1}
// spins" gives "Nothing here is unusual for "), and its one-word names whole ("Red"), which
// a cell shows alone. "en" is the English source.
struct StaleTexts {
  QStringList pieces;
  QStringList words;
};
QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
// Each of the engine's texts in the catalogue of `language`, by its English source.
std::map<std::string_view, std::string_view> TextsIn(std::string_view language) {
  std::map<std::string_view, std::string_view> texts;
  for (const auto& [source, translated] : vellaro::CatalogueEntries(language)) {
    texts[source] = translated;
  }
  return texts;
}
StaleTexts EngineTexts(std::string_view stale, std::string_view now) {
  const std::map<std::string_view, std::string_view> sources = TextsIn(now == "en" ? stale : now);
  std::map<std::string_view, std::string_view> in_stale = TextsIn(stale);
  std::map<std::string_view, std::string_view> in_now = TextsIn(now);
  StaleTexts texts;
  for (const auto& [source, unused] : sources) {
    const std::string_view was = stale == "en" ? source : in_stale[source];
    if (was.empty() || was == (now == "en" ? source : in_now[source])) continue;
    const QString text = Text(was);
    QString longest;
    for (const QString& piece : text.split(QRegularExpression(QStringLiteral("\\{\\d\\}")))) {
      if (piece.trimmed().size() > longest.size()) longest = piece.trimmed();
    }
    if (longest.size() >= 12 && longest.contains(QLatin1Char(' '))) texts.pieces << longest;
    if (!text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('{'))) texts.words << text;
  }
  return texts;
}

// What of the engine's texts in `stale` the panel still shows, where `now` says otherwise.
QStringList LeftOver(const QWidget& panel, std::string_view stale, std::string_view now) {
  const StaleTexts engine = EngineTexts(stale, now);
  QStringList left;
  for (const QString& text : ShownTexts(panel)) {
    for (const QString& piece : engine.pieces) {
      if (text.contains(piece)) left << piece + QStringLiteral("  in  ") + text;
    }
    if (engine.words.contains(text.trimmed())) left << text;
  }
  return left;
}

}  // namespace

class PanelPluginTest : public QObject {
  Q_OBJECT

 private:
  TemporaryHome home_;

  // An evening the panel has figures for, and the panel made from the built plugin as the
  // window makes it, in the language the program has set.
  struct PanelOnShow {
    Evening evening;
    std::unique_ptr<vellaro::app::SessionPanelWindow> panel;
  };
  static void MakePanel(PanelOnShow& shown) {
    shown.evening.Play(7, 190);  // enough for the test of the 37 numbers to speak
    QString error;
    shown.panel.reset(vellaro::app::LoadSessionPanel(
        shown.evening.game, shown.evening.track,
        [&evening = shown.evening] { return evening.spins; }, error));
    QVERIFY2(shown.panel != nullptr, qPrintable(error));
    shown.panel->Refresh();
  }
  static vellaro::Settings HavrelEvening() {
    vellaro::Settings settings;
    settings.system = vellaro::kHavrel;
    settings.limits.bankroll = 1000;
    return settings;
  }

 private slots:
  void initTestCase() { home_.Use(); }

  // The plugin reads the program's language whenever it makes a text, not a copy taken when
  // it was made: the figures it words after a change are in the language set since. Run
  // before a window translation is installed (slots run in order, and it cannot be taken
  // back), so that the only French shown is the engine's.
  void panelFollowsTheLanguageTheProgramSetsLater() {
    const vellaro::InLanguage german("de");
    PanelOnShow shown{Evening(HavrelEvening()), nullptr};
    MakePanel(shown);
    if (QTest::currentTestFailed()) return;
    vellaro::SetLanguage("fr");
    shown.evening.Play(8, 40);
    shown.panel->Refresh();
    // Its labels made with the panel stay German; what it words again is French.
    const QStringList french = LeftOver(*shown.panel, "fr", "de");
    QVERIFY2(!french.isEmpty(), qPrintable(ShownTexts(*shown.panel).join(QLatin1Char('\n'))));
  }

  // As main() does: the engine's language first, then the window's translation.
  void germanWindowGetsAGermanPanelFromThePlugin() {
    const vellaro::InLanguage german("de");
    QVERIFY(vellaro::app::InstallLanguage(*qApp, QStringLiteral("de"),
                                          QStringLiteral(VELLARO_BUILT_TRANSLATIONS)));
    PanelOnShow shown{Evening(HavrelEvening()), nullptr};
    MakePanel(shown);
    if (QTest::currentTestFailed()) return;
    const QStringList left = LeftOver(*shown.panel, "en", "de");
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    QVERIFY(!LeftOver(*shown.panel, "de", "en").isEmpty());  // it shows the engine's German

    const QString page = home_.filePath(QStringLiteral("evening.html"));
    QCOMPARE(shown.panel->SaveReport(page), QString());
    const QString html = QString::fromUtf8(vellaro::app::testing::ReadFile(page));
    QVERIFY2(html.contains(QStringLiteral("lang=\"de\"")), qPrintable(html.left(300)));
    // Its head as well as its tables: no line of the English head is left on the page.
    const vellaro::EveningPageText english = [] {
      const vellaro::InLanguage in_english("en");
      return vellaro::LiveEveningText("Vellaro");
    }();
    for (const std::string& line : english.settings) {
      QVERIFY2(!html.contains(QString::fromStdString(line).toHtmlEscaped()), line.c_str());
    }
    QVERIFY2(!html.contains(QString::fromStdString(english.title)), qPrintable(html.left(300)));
  }
};

QTEST_MAIN(PanelPluginTest)
#include "panel_plugin_test.moc"

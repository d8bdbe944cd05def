// The session panel as the program ships it: the built plugin module, loaded as the window
// loads it (not linked into this test), in a German window. The plugin carries its own copy
// of the engine, whose texts must speak the program's language too.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/session_panel_window.h"
#include "panel_evening.h"
#include "support/in_language.h"
#include "temporary_home.h"
#include "text/translate.h"

using vellaro::app::testing::Evening;

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

// The engine's English sentences that German says otherwise, each as the longest piece
// between its placeholders ("Nothing here is unusual for {1} spins" gives "Nothing here is
// unusual for "), and its one-word names whole ("Red"), which a cell shows alone.
struct EnglishOfTheEngine {
  QStringList pieces;
  QStringList words;
};
EnglishOfTheEngine EngineEnglish() {
  EnglishOfTheEngine english;
  for (const auto& [source, german] : vellaro::CatalogueEntries("de")) {
    if (source == german) continue;
    const QString text = QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size()));
    QString longest;
    for (const QString& piece : text.split(QRegularExpression(QStringLiteral("\\{\\d\\}")))) {
      if (piece.trimmed().size() > longest.size()) longest = piece.trimmed();
    }
    if (longest.size() >= 12 && longest.contains(QLatin1Char(' '))) english.pieces << longest;
    if (!text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('{'))) {
      english.words << text;
    }
  }
  return english;
}

// What of the engine's English the texts still show.
QStringList EnglishLeft(const QStringList& texts) {
  const EnglishOfTheEngine english = EngineEnglish();
  QStringList left;
  for (const QString& text : texts) {
    for (const QString& piece : english.pieces) {
      if (text.contains(piece)) left << piece + QStringLiteral("  in  ") + text;
    }
    if (english.words.contains(text.trimmed())) left << text;
  }
  return left;
}

}  // namespace

class PanelPluginTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    vellaro::app::testing::UseTemporaryHome(home_.path());
  }

  // As main() does: the engine's language first, then the window's translation.
  void germanWindowGetsAGermanPanelFromThePlugin() {
    const vellaro::InLanguage german("de");
    QVERIFY(vellaro::app::InstallLanguage(*qApp, QStringLiteral("de"),
                                          QStringLiteral(VELLARO_BUILT_TRANSLATIONS)));
    vellaro::Settings settings;
    settings.system = vellaro::kHavrel;
    settings.limits.bankroll = 1000;
    Evening evening(settings);
    evening.Play(7, 190);  // enough for the test of the 37 numbers to speak
    QString error;
    std::unique_ptr<vellaro::app::SessionPanelWindow> panel(vellaro::app::LoadSessionPanel(
        evening.game, evening.track, [&evening] { return evening.spins; }, error));
    QVERIFY2(panel != nullptr, qPrintable(error));
    panel->Refresh();
    const QStringList left = EnglishLeft(ShownTexts(*panel));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));

    const QString page = home_.filePath(QStringLiteral("evening.html"));
    QCOMPARE(panel->SaveReport(page), QString());
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY2(html.contains(QStringLiteral("lang=\"de\"")), qPrintable(html.left(300)));
  }
};

QTEST_MAIN(PanelPluginTest)
#include "panel_plugin_test.moc"

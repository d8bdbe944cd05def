// The window's language: which one is chosen, that German reaches the controls' help and
// the numbers, that a language without a translation leaves the window in English, and
// that the session panel speaks each shipped language whole, in words that fit.

#include "app/language.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <QValueAxis>
#include <algorithm>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/accessible_names.h"
#include "app/command_line.h"
#include "app/control.h"
#include "app/counted_text.h"
#include "app/fonts.h"
#include "app/keyboard_entry.h"
#include "app/limits_dialog.h"
#include "app/panel/panel_numbers.h"
#include "app/panel/session_chart.h"
#include "app/panel/session_panel.h"
#include "app/player_guide.h"
#include "app/session_readout.h"
#include "app/tooltips.h"
#include "panel_evening.h"
#include "session/risk.h"
#include "support/in_language.h"
#include "temporary_home.h"
#include "text/translate.h"
#include "window_driver.h"

using vellaro::app::Control;
using vellaro::app::InstallLanguage;
using vellaro::app::SessionPanel;
using vellaro::app::TooltipFor;
using vellaro::app::testing::Named;
using vellaro::app::testing::PointAndClick;
using vellaro::app::testing::TemporaryHome;
using vellaro::app::testing::TestWindow;

namespace {

const QString kBuilt = QStringLiteral(VELLARO_BUILT_TRANSLATIONS);
// The languages the build compiled, as the package ships them: German at least.
QStringList Shipped() {
  QStringList languages;
  for (const QString& file : QDir(kBuilt).entryList({QStringLiteral("vellaro_*.qm")})) {
    languages << file.mid(8, file.size() - 11);
  }
  return languages;
}

// No translator at all: the English source, with English numbers as the tests compare them.
void SpeakEnglish() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  QLocale::setDefault(QLocale(QLocale::English));
}

// An evening on virtual time, Martingale from a stake of 1: after 120 spins its list of the
// next losses runs past 1,000 units, a number with a thousands separator.
struct MartingaleEvening : vellaro::app::testing::Evening {
  MartingaleEvening() : Evening(vellaro::Settings{}) { Play(7, 120); }
};

// The panel of `evening` as the player first sees it, shown at its default size, every
// tab laid out once.
std::unique_ptr<SessionPanel> OpenPanel(const vellaro::app::testing::Evening& evening) {
  auto panel = std::make_unique<SessionPanel>(evening.game, evening.track,
                                              std::function<vellaro::replay::SessionSpins()>{});
  panel->resize(760, 520);
  panel->show();
  panel->ReloadSessions();
  panel->WaitForIdle();
  auto* tabs = panel->findChild<QTabWidget*>();
  for (int t = tabs->count() - 1; t >= 0; --t) {
    tabs->setCurrentIndex(t);
    QCoreApplication::processEvents();
  }
  return panel;
}

// Every text of the panel a person reads, in the order the panel builds its parts: labels,
// buttons, tabs, table headers and their help, list entries, the chart's words, the help of
// each control. Two panels built alike list their texts alike.
QStringList PanelTexts(const SessionPanel& panel) {
  QStringList texts{panel.windowTitle()};
  for (QWidget* widget : panel.findChildren<QWidget*>()) {
    texts << widget->toolTip();
    // The wheel's verdict and method are the engine's sentences, translated in the core.
    const bool engines = widget->objectName() == QStringLiteral("WheelVerdict") ||
                         widget->objectName() == QStringLiteral("WheelMethod");
    if (auto* label = qobject_cast<QLabel*>(widget); label && !engines) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
      for (int t = 0; t < bar->count(); ++t) texts << bar->tabText(t);
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    }
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int c = 0; c < table->columnCount(); ++c) {
        texts << table->horizontalHeaderItem(c)->text()
              << table->horizontalHeaderItem(c)->toolTip();
      }
    }
    if (auto* view = qobject_cast<QChartView*>(widget)) {
      texts << view->chart()->title();
      for (QAbstractAxis* axis : view->chart()->axes()) texts << axis->titleText();
      for (QAbstractSeries* series : view->chart()->series()) texts << series->name();
    }
  }
  return texts;
}

// Words the German shares with the English: a column of system names, a fair share.
const QStringList kSameInGerman = {QStringLiteral("System"), QStringLiteral("Fair")};

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  TemporaryHome home_;

 private slots:
  void initTestCase() {
    home_.Use();
    vellaro::app::InstallFontSubstitutions();
  }

  // Runs before German is installed: nothing of it may be loaded by a language it lacks.
  void AMissingLanguageLeavesTheWindowInEnglish() {
    const QString english = TooltipFor(Control::kUndo);
    QVERIFY(english.startsWith(QStringLiteral("Take back the last number")));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("pt_BR"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("en_GB"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("C"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("de"), QStringLiteral("/nonexistent")));
    QCOMPARE(TooltipFor(Control::kUndo), english);
    QCOMPARE(vellaro::app::CountText(2, "unit", "units"), QStringLiteral("2 units"));
    QCOMPARE(vellaro::app::PersonLocale().toString(qulonglong{1000000}),
             QStringLiteral("1,000,000"));
  }

  void GermanReachesTheHelpOfTheControlsAndTheNumbers() {
    // As LANG=de_DE.UTF-8 makes QLocale::system() name it.
    QVERIFY(InstallLanguage(*qApp, QStringLiteral("de_DE"), kBuilt));
    TestWindow shown;
    shown.Open();
    QCOMPARE(Named(shown.window(), "Undo")->toolTip().left(35),
             QStringLiteral("Die zuletzt eingegebene Zahl zurück"));
    QVERIFY(Named(shown.window(), "AnalysisGauge")->toolTip().startsWith("Die Analyse arbeitet."));
    QVERIFY(TooltipFor(Control::kSafeLevel).startsWith("SAFE LEVEL, 0 bis 10"));
    // A help made of two texts is German in both.
    const QString mode = TooltipFor(Control::kGameMode);
    QVERIFY(mode.startsWith(QStringLiteral("SPIELMODUS: wie die nächste Chance")));
    QVERIFY(mode.contains(QStringLiteral("die Bank behält 1 Einheit von 37")));
    QVERIFY(TooltipFor(Control::kBankroll).endsWith(QStringLiteral("um sie auszuschalten.")));
    // The names a screen reader speaks, and the counts with their nouns, one and many.
    QCOMPARE(vellaro::app::AccessibleName(Control::kUndo),
             QStringLiteral("Letzte Drehung zurücknehmen"));
    QCOMPARE(vellaro::app::CountText(1, "unit", "units"), QStringLiteral("1 Einheit"));
    QCOMPARE(vellaro::app::CountText(-3, "spin", "spins"), QStringLiteral("-3 Drehungen"));
    QCOMPARE(vellaro::app::PersonLocale().toString(qulonglong{1000000}),
             QStringLiteral("1.000.000"));
    shown.Close();
  }

  // Runs after German is installed: the texts of the dialogs, the keys, the readout, the
  // screen reader's values and --help, each of which was English once.
  void GermanReachesTheDialogsTheKeysAndTheHelp() {
    TestWindow shown;
    shown.Open();
    vellaro::app::MainWindow& window = shown.window();
    QVERIFY(Named<QLabel>(window, "SessionReadout")->text().startsWith("Drehungen 0"));
    const QString lamp =
        QAccessible::queryAccessibleInterface(Named(window, "LampKey"))->text(QAccessible::Value);
    QVERIFY2(lamp == QStringLiteral("aus") || lamp == QStringLiteral("dunkel"), qPrintable(lamp));
    window.OpenLimits();
    vellaro::app::LimitsDialog* limits = window.limits_dialog();
    QVERIFY(limits != nullptr);
    auto* unit = limits->findChild<QLabel*>(QStringLiteral("LimitUnit_Bankroll"));
    QCOMPARE(unit->text(), QStringLiteral("Einheiten mitgebracht"));
    // One and many follow what the edit holds, in German too.
    limits->Edit(vellaro::LimitKind::kBankroll)->setText(QStringLiteral("1"));
    QCOMPARE(unit->text(), QStringLiteral("Einheit mitgebracht"));
    limits->Edit(vellaro::LimitKind::kBankroll)->setText(QString());
    QCOMPARE(limits->findChild<QPushButton*>(QStringLiteral("LimitsClose"))->text(),
             QStringLiteral("Schließen"));
    limits->close();
    shown.Close();

    vellaro::app::KeyboardEntry keys;
    keys.Digit(3);
    keys.Digit(7);
    QCOMPARE(keys.Text(), std::string("Abgelehnt: 37 gibt es im Kessel nicht"));
    keys.Digit(2);
    QCOMPARE(keys.Text(), std::string("Getippt: 2 (Enter gibt ein, Esc löscht)"));

    // The guide that F1 opens is the German one, compiled in, without its hash line.
    QVERIFY(vellaro::app::PlayerGuideText().startsWith(QStringLiteral("## Das Spielerhandbuch")));

    std::ostringstream out;
    const std::vector<std::string_view> help = {"--help"};
    QCOMPARE(vellaro::app::AnswerWithoutWindow(help, out), std::optional<int>(0));
    QVERIFY2(out.str().starts_with("Aufruf: vellaro [OPTION]\n"), out.str().c_str());
    QVERIFY(out.str().find("--lang LANG") != std::string::npos);
  }

  // German is still installed: its words on the tabs and headers, its numbers in the cells.
  void ThePanelOpensInGermanWithGermanNumbers() {
    QVERIFY(InstallLanguage(*qApp, QStringLiteral("de"), kBuilt));
    const MartingaleEvening evening;
    // The engine's words too, as the program sets them at its start.
    const vellaro::InLanguage engine("de");
    const std::unique_ptr<SessionPanel> panel = OpenPanel(evening);
    // The chances and the wheel's groups are named as the table and the summary name them.
    QCOMPARE(panel->chances()->verticalHeaderItem(vellaro::kRed)->text(), QStringLiteral("Rot"));
    QCOMPARE(panel->findChild<QTableWidget*>(QStringLiteral("WheelGroups"))
                 ->verticalHeaderItem(0)
                 ->text(),
             QStringLiteral("1. Dutzend (1-12)"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Vellaro — Sitzung"));
    const QTabBar* tabs = panel->findChild<QTabWidget*>()->tabBar();
    QStringList titles;
    for (int t = 0; t < tabs->count(); ++t) titles << tabs->tabText(t);
    QCOMPARE(titles,
             QStringList({"Diagramm", "Chancen und Zahlen", "Kessel", "Risiko", "Was wäre wenn"}));
    QCOMPARE(panel->chances()->horizontalHeaderItem(0)->text(), QStringLiteral("Treffer"));
    QCOMPARE(panel->chances()->horizontalHeaderItem(3)->text(), QStringLiteral("Längste Serie"));
    // Over a thousand units lost in a row at the bottom of the list: a German point groups
    // the thousands.
    const auto* next = panel->findChild<QTableWidget*>(QStringLiteral("NextLosses"));
    const QString total = next->item(vellaro::kRiskLosses - 1, 1)->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}(\\.\\d{3})+$")).match(total).hasMatch(),
             qPrintable(total));
    // A share keeps two decimals after a German comma.
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+,\\d\\d %$"))
                 .match(panel->chances()->item(vellaro::kRed, 1)->text())
                 .hasMatch(),
             qPrintable(panel->chances()->item(vellaro::kRed, 1)->text()));
    QVERIFY(
        panel->risk()->text().contains(QStringLiteral("Erwarteter Verlust der nächsten Drehung")));
    QVERIFY(panel->chart()->findChild<QChartView*>()->chart()->localizeNumbers());
    QCOMPARE(panel->chart()->findChild<QChartView*>()->chart()->locale().language(),
             QLocale::German);
    // The panel's own copy of the rule for the person's locale agrees with the window's.
    QCOMPARE(vellaro::app::PanelLocale(), vellaro::app::PersonLocale());
  }

  // Built once in English and once in German, the panel shows no English text in German
  // but names and figures.
  void NoTextOfThePanelIsLeftInEnglishUnderGerman() {
    const MartingaleEvening evening;
    SpeakEnglish();
    const QStringList english = PanelTexts(*OpenPanel(evening));
    QCOMPARE(vellaro::app::PanelLocale(), vellaro::app::PersonLocale());
    QVERIFY(InstallLanguage(*qApp, QStringLiteral("de"), kBuilt));
    const vellaro::InLanguage engine("de");  // as the program sets it at its start
    const QStringList german = PanelTexts(*OpenPanel(evening));
    QCOMPARE(german.size(), english.size());
    // The systems' names stay as the design names them.
    const auto& names = vellaro::kBettingSystemNames;
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList left;
    for (qsizetype i = 0; i < english.size(); ++i) {
      if (!english[i].contains(word) || kSameInGerman.contains(english[i]) ||
          std::find(names.begin(), names.end(), english[i]) != names.end()) {
        continue;
      }
      if (german[i] == english[i]) left << english[i];
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("\n"))));
  }

  // In every language the help names a control by the caption the window shows it with: a
  // caption translated one way and its help another leaves the player looking for a word
  // that is nowhere on the screen.
  void EveryLanguagesHelpNamesEachControlByItsCaption() {
    const std::pair<const char*, Control> captions[] = {
        {"GameModeCaption", Control::kGameMode},
        {"BettingSystemCaption", Control::kBettingSystem},
        {"AutomaticReset", Control::kAutomaticReset},
        {"MinimalProfit", Control::kMinimalProfit},
        {"LimitCaption_Bankroll", Control::kBankroll},
        {"LimitCaption_StopLoss", Control::kStopLoss},
        {"LimitCaption_TakeProfit", Control::kTakeProfit},
        {"LimitCaption_TableMax", Control::kTableMax},
        {"LimitCaption_MaxLosses", Control::kMaxLosses},
    };
    // "GAME MODE:" is named "GAME MODE", "MISE :" "MISE".
    const auto stem = [](QString caption) {
      while (!caption.isEmpty() && (caption.back() == u':' || caption.back().isSpace()))
        caption.chop(1);
      return caption;
    };
    for (const QString& language : QStringList{QStringLiteral("en")} + Shipped()) {
      SpeakEnglish();
      vellaro::SetLanguage(language.toStdString());
      if (language != QStringLiteral("en")) QVERIFY(InstallLanguage(*qApp, language, kBuilt));
      TestWindow shown;
      shown.Open();
      PointAndClick(shown.window(), "Options");
      shown.window().OpenLimits();
      for (const auto& [name, control] : captions) {
        QWidget* widget = shown.window().findChild<QWidget*>(QLatin1String(name));
        if (widget == nullptr) {
          widget = shown.window().limits_dialog()->findChild<QWidget*>(QLatin1String(name));
        }
        QVERIFY2(widget != nullptr, name);
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) caption = button->text();
        const QString help = TooltipFor(control);
        QVERIFY2(!stem(caption).isEmpty() && help.startsWith(stem(caption)),
                 qPrintable(language + QStringLiteral(": \"") + caption +
                            QStringLiteral("\" but its help says \"") + help.left(40)));
      }
      shown.window().limits_dialog()->close();
      shown.Close();
    }
    SpeakEnglish();
    vellaro::SetLanguage("en");
  }

  // One word for the spins in each language: the readout says the word the counts say
  // everywhere else ("Drehungen", not "Coups" in German).
  void TheReadoutNamesTheSpinsAsTheCountsDo() {
    for (const QString& language : QStringList{QStringLiteral("en")} + Shipped()) {
      SpeakEnglish();
      if (language != QStringLiteral("en")) QVERIFY(InstallLanguage(*qApp, language, kBuilt));
      const QString readout = vellaro::app::SessionReadout::Text({});
      const QString counted = vellaro::app::NounText(2, "spin", "spins");
      QVERIFY2(
          readout.section(u' ', 0, 0).toLower() == counted.toLower(),
          qPrintable(language + QStringLiteral(": ") + readout + QStringLiteral(" / ") + counted));
    }
    SpeakEnglish();
  }

  // Every shipped language at the panel's default size: no single-line label or button is
  // narrower than its words, every tab's title is whole, and each table either holds its
  // columns or scrolls to them.
  void EveryLanguagesWordsFitThePanel() {
    const MartingaleEvening evening;
    const QStringList shipped = Shipped();
    QVERIFY2(shipped.contains(QStringLiteral("de")), qPrintable(shipped.join(QLatin1Char(' '))));
    for (const QString& language : QStringList{QStringLiteral("en")} + shipped) {
      SpeakEnglish();
      if (language != QStringLiteral("en")) QVERIFY(InstallLanguage(*qApp, language, kBuilt));
      const std::unique_ptr<SessionPanel> panel = OpenPanel(evening);
      auto* tabs = panel->findChild<QTabWidget*>();
      for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        QCoreApplication::processEvents();
        for (QLabel* label : panel->findChildren<QLabel*>()) {
          if (!label->isVisible() || label->wordWrap()) continue;
          for (const QString& line : label->text().split(QLatin1Char('\n'))) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(language + QStringLiteral(": ") + line));
          }
        }
        for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
          if (!button->isVisible() || button->text().isEmpty()) continue;
          QVERIFY2(button->sizeHint().width() <= button->width(),
                   qPrintable(language + QStringLiteral(": ") + button->text()));
        }
        for (QTableWidget* table : panel->findChildren<QTableWidget*>()) {
          if (!table->isVisible()) continue;
          const QHeaderView* header = table->horizontalHeader();
          for (int c = 0; c < table->columnCount(); ++c) {
            const QString text = table->horizontalHeaderItem(c)->text();
            QVERIFY2(header->fontMetrics().horizontalAdvance(text) < header->sectionSize(c),
                     qPrintable(language + QStringLiteral(": ") + text));
          }
          if (table->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
            QVERIFY2(header->length() <= table->viewport()->width(),
                     qPrintable(language + QStringLiteral(": ") + table->objectName() +
                                QStringLiteral(" %1 > %2")
                                    .arg(header->length())
                                    .arg(table->viewport()->width())));
          }
        }
      }
      QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->tabBar()->width(),
               qPrintable(language + QStringLiteral(": the tabs")));
      // The note beside the sessions wraps a long sentence, never a count of them, with a
      // stored session listed as wide as one of an evening of three-digit figures.
      panel->findChild<QComboBox*>(QStringLiteral("StoredSessions"))
          ->addItem(QCoreApplication::translate("JournalReading", "%1  %2  %3  %4 shown  net %5")
                        .arg(QStringLiteral("12"), QStringLiteral("2026-12-11 03:12 UTC"),
                             vellaro::app::CountText(120, "spin", "spins"),
                             vellaro::app::CountText(45, "bet", "bets"), QStringLiteral("-140")));
      QLabel* note = panel->sessions_note();
      for (const QString& count :
           {QCoreApplication::translate("SessionPanel", "1 stored session."),
            QCoreApplication::translate("SessionPanel", "%1 stored sessions.").arg(1234)}) {
        note->setText(count);
        QCoreApplication::processEvents();
        QVERIFY2(note->fontMetrics().horizontalAdvance(count) <= note->contentsRect().width(),
                 qPrintable(language + QStringLiteral(": ") + count +
                            QStringLiteral(" in %1 px").arg(note->contentsRect().width())));
      }
    }
    SpeakEnglish();
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

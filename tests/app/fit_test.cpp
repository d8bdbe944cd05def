// Every language's texts fit their places: in the head, the options area, the limits area
// and the two dialogs of the head, each label's, button's, tick box's, group's and list
// entry's single line is no wider than the room its control gives it. Run at the scale
// factors of the ctest entries (1 and 2), in English and in each shipped language.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "app/add_spins_dialog.h"
#include "app/fonts.h"
#include "app/limits_dialog.h"
#include "app/session_readout.h"
#include "temporary_home.h"
#include "text/translate.h"
#include "window_driver.h"

using vellaro::app::testing::Named;
using vellaro::app::testing::PointAndClick;
using vellaro::app::testing::TemporaryHome;
using vellaro::app::testing::TestWindow;

namespace {

// The widest line of `text`, in `metrics`; a mnemonic's '&' takes no room.
int WidestLine(const QFontMetrics& metrics, QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

// The room a control gives its text, where its style draws it.
int Room(QWidget& widget) {
  const bool check = qobject_cast<QCheckBox*>(&widget) != nullptr;
  if (auto* button = qobject_cast<QAbstractButton*>(&widget);
      check || qobject_cast<QPushButton*>(&widget) != nullptr) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto contents = check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(contents, &option, button).width();
  }
  if (auto* box = qobject_cast<QComboBox*>(&widget)) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    return box->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
        .width();
  }
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    return label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  }
  return widget.contentsRect().width();
}

// What does not fit in `root` and the widgets in it, shown or not: "Name: text (needs
// 120 px, has 98)".
QStringList Overflows(QWidget& root) {
  QStringList overflows;
  auto check = [&overflows](QWidget& widget, const QString& text, const QFontMetrics& metrics) {
    if (text.isEmpty()) return;
    const int needs = WidestLine(metrics, text);
    const int has = Room(widget);
    if (needs > has) {
      overflows << QStringLiteral("%1: \u201c%2\u201d (needs %3 px, has %4)")
                       .arg(widget.objectName(), text)
                       .arg(needs)
                       .arg(has);
    }
  };
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      // A label that wraps finds its own room; a rich text is no single line.
      if (!label->wordWrap() && label->textFormat() != Qt::RichText &&
          !Qt::mightBeRichText(label->text())) {
        check(*label, label->text(), label->fontMetrics());
      }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      check(*button, button->text(), button->fontMetrics());
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      check(*group, group->title(), group->fontMetrics());
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < box->count(); ++i) check(*box, box->itemText(i), box->fontMetrics());
    }
  }
  return overflows;
}

// The languages shipped with the build, and English, the source text. A translator checks
// a language before it ships with VELLARO_FIT_LANGUAGES=fr,es and VELLARO_FIT_TRANSLATIONS
// naming the folder of its .qm files.
QStringList Languages() {
  QStringList languages{QStringLiteral("en")};
  const QString asked = qEnvironmentVariable("VELLARO_FIT_LANGUAGES");
  languages << (asked.isEmpty() ? QStringLiteral(VELLARO_SHIPPED_LANGUAGES) : asked)
                   .split(u',', Qt::SkipEmptyParts);
  return languages;
}

QString TranslationsFolder() {
  const QString asked = qEnvironmentVariable("VELLARO_FIT_TRANSLATIONS");
  return asked.isEmpty() ? QStringLiteral(VELLARO_BUILT_TRANSLATIONS) : asked;
}

}  // namespace

class FitTest : public QObject {
  Q_OBJECT

 private:
  TemporaryHome home_;

  // Opens the window in `language`, with its options area and both dialogs of the head,
  // and says what does not fit.
  static QStringList OverflowsIn(const QString& language) {
    QTranslator translator;
    if (language != QLatin1String("en")) {
      if (!translator.load(QLocale(language), QStringLiteral("vellaro"), QStringLiteral("_"),
                           TranslationsFolder())) {
        return {language + QStringLiteral(" is shipped but was not built")};
      }
      QCoreApplication::installTranslator(&translator);
      QLocale::setDefault(QLocale(language));
    }
    // The engine's captions (the options area's buttons and ticks) in the same language.
    vellaro::SetLanguage(language.toStdString());
    QStringList overflows;
    {
      TestWindow shown;
      shown.Open();
      vellaro::app::MainWindow& window = shown.window();
      PointAndClick(window, "Options");
      if (Named(window, "BaseStake")->isHidden()) return {QStringLiteral("no options area")};
      overflows << Overflows(window);
      // The readout of a long evening: three-digit spins and a three-digit loss.
      auto* readout = Named<QLabel>(window, "SessionReadout");
      vellaro::RealResult::Counts long_evening;
      long_evening.spins = 999;
      long_evening.net = -999;
      auto* shown_readout = static_cast<vellaro::app::SessionReadout*>(readout);
      shown_readout->Show(window.game(), long_evening);
      overflows << Overflows(*readout);
      shown_readout->Show(window.game(), window.game().RealCounts());
      PointAndClick(window, "LimitsButton");
      if (window.limits_dialog() == nullptr) return {QStringLiteral("no limits dialog")};
      overflows << Overflows(*window.limits_dialog());
      window.limits_dialog()->close();
      window.OpenAddSpins(QString());
      if (window.add_spins_dialog() == nullptr) return {QStringLiteral("no add-spins dialog")};
      overflows << Overflows(*window.add_spins_dialog());
      window.add_spins_dialog()->close();
      shown.Close();
    }
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale(QLocale::English));
    vellaro::SetLanguage("en");
    return overflows;
  }

 private slots:
  void initTestCase() {
    home_.Use();
    vellaro::app::InstallFontSubstitutions();
  }

  void theCheckSeesATextTooWideForItsPlace() {
    QWidget root;
    root.setObjectName(QStringLiteral("Root"));
    auto* label = new QLabel(QStringLiteral("A caption"), &root);
    label->setObjectName(QStringLiteral("Caption"));
    label->resize(label->fontMetrics().horizontalAdvance(label->text()), 14);
    auto* box = new QCheckBox(QStringLiteral("Tick"), &root);
    box->setObjectName(QStringLiteral("Tick"));
    box->resize(box->sizeHint());
    auto* list = new QComboBox(&root);
    list->setObjectName(QStringLiteral("List"));
    list->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    list->resize(list->sizeHint());
    QCOMPARE(Overflows(root), QStringList());
    // One more letter each, and each of them is named; the wrapped label is not.
    label->setText(label->text() + QStringLiteral("s"));
    box->setText(QStringLiteral("Ticks and ticks"));
    list->addItem(QStringLiteral("Twenty-two thousand"));
    auto* wrapped = new QLabel(QStringLiteral("A long sentence that wraps"), &root);
    wrapped->setWordWrap(true);
    wrapped->resize(20, 60);
    const QStringList found = Overflows(root);
    QCOMPARE(found.size(), 3);
    QVERIFY(found[0].startsWith(QStringLiteral("Caption: \u201cA captions\u201d")));
    QVERIFY(found[1].startsWith(QStringLiteral("Tick:")));
    QVERIFY(found[2].startsWith(QStringLiteral("List: \u201cTwenty-two thousand\u201d")));
  }

  void everyLanguageFitsTheWindowAndItsDialogs_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Languages()) QTest::newRow(qPrintable(language)) << language;
  }

  void everyLanguageFitsTheWindowAndItsDialogs() {
    QFETCH(QString, language);
    const QStringList overflows = OverflowsIn(language);
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"

// What the player sees of the game: stakes readable on their chips, locked controls that
// look locked, the readout of the game's progress and of the number matrix, an options
// area where nothing overlaps or is cut, tooltips of a width that reads, and a drag that
// always ends.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QSvgRenderer>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>

#include "app/fitted_number.h"
#include "app/focus_ring.h"
#include "app/key_stop.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "app/window_parts.h"
#include "support/game_peer.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::FitNumber;
using vellaro::app::GameProgress;
using vellaro::app::MainWindow;
using vellaro::app::ProgressText;
using vellaro::app::ShortNumber;

namespace {

// The width on a chip where a stake stays clear of its rim: the label less 2 px a side.
constexpr int kChipFace = 29;

QImage Rendered(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  widget->render(&image);
  return image;
}

// How many pixels lie within `tolerance` of `colour` on every channel.
int PixelsLike(const QImage& image, const QColor& colour, int tolerance = 40) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance &&
          std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance) {
        ++count;
      }
    }
  }
  return count;
}

// The figure a short form such as "6.56M" stands for, or -1.
double ShortValue(QString text) {
  double unit = 1;
  if (text.endsWith(u'K')) unit = 1e3;
  if (text.endsWith(u'M')) unit = 1e6;
  if (text.endsWith(u'B')) unit = 1e9;
  if (unit > 1) text.chop(1);
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok ? value * unit : -1;
}

// Every digit length with its edges, the stakes a tripling system reaches from base
// 1000, the powers of two, and a spread of others at random.
std::set<int64_t> StakesToTry() {
  std::set<int64_t> stakes;
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  for (int64_t p = 1; p <= kMax; p *= 10) {
    for (const int64_t s : {p - 1, p, p + 1, 2 * p - 1, 5 * p, 10 * p - 2}) {
      if (s >= 1 && s <= kMax) stakes.insert(s);
    }
    for (int64_t m = 1; m <= 9; ++m) stakes.insert(std::min(kMax, m * p + (p > 1 ? p - 1 : 0)));
  }
  for (int64_t s = 1; s <= 1100; ++s) stakes.insert(s);
  for (int64_t s = 1000; s <= kMax; s *= 3) stakes.insert(s);
  for (int64_t s = 1; s <= kMax; s *= 2) stakes.insert(s);
  for (const int64_t s : {int64_t{81000}, int64_t{729000}, int64_t{6561000}, int64_t{999999},
                          int64_t{1000000}, kMax - 1, kMax}) {
    stakes.insert(s);
  }
  QRandomGenerator random(20);  // the same spread on every run
  for (int i = 0; i < 4000; ++i) {
    const int digits = 1 + static_cast<int>(random.bounded(10));
    const int64_t low = digits == 1 ? 1 : static_cast<int64_t>(std::pow(10, digits - 1));
    const int64_t high = std::min<int64_t>(kMax, static_cast<int64_t>(std::pow(10, digits)) - 1);
    stakes.insert(low + static_cast<int64_t>(random.bounded(static_cast<quint64>(high - low + 1))));
  }
  return stakes;
}

}  // namespace

// The keyboard's layer over the window draws nothing but the focus ring and lets the
// pointer through: a readout may lie under it.
static bool KeyboardLayer(QWidget* widget) {
  return dynamic_cast<vellaro::app::KeyStop*>(widget) != nullptr ||
         dynamic_cast<vellaro::app::FocusRing*>(widget) != nullptr;
}

class PresentationTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  void OpenOptions() { PointAndClick(w(), "Options"); }
  // Enters spins until the fifth has started its analysis.
  void StartAnAnalysis() {
    for (int n : {17, 25, 0, 0, 3}) ClickTile(w(), n);
    QVERIFY(game().AnalysisRunning());
  }

 private slots:
  void initTestCase() { SetUp(); }

  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  // ---- Stakes on the chips -----------------------------------------------------------

  void theShortFormKeepsThreeDigitsAndNeverShowsMore() {
    QCOMPARE(ShortNumber(0), QStringLiteral("0"));
    QCOMPARE(ShortNumber(999), QStringLiteral("999"));
    QCOMPARE(ShortNumber(1000), QStringLiteral("1K"));
    QCOMPARE(ShortNumber(1999), QStringLiteral("1.99K"));
    QCOMPARE(ShortNumber(10050), QStringLiteral("10K"));
    QCOMPARE(ShortNumber(81000), QStringLiteral("81K"));
    QCOMPARE(ShortNumber(729000), QStringLiteral("729K"));
    QCOMPARE(ShortNumber(999999), QStringLiteral("999K"));
    QCOMPARE(ShortNumber(1000000), QStringLiteral("1M"));
    QCOMPARE(ShortNumber(6561000), QStringLiteral("6.56M"));
    QCOMPARE(ShortNumber(1050000), QStringLiteral("1.05M"));
    QCOMPARE(ShortNumber(2147483647), QStringLiteral("2.14B"));
    QCOMPARE(ShortNumber(-6561000), QStringLiteral("-6.56M"));
    QCOMPARE(ShortNumber(std::numeric_limits<int64_t>::min()), QStringLiteral("-9.22E"));
  }

  void everyStakeIsReadableOnItsChip() {
    auto* stake = Named<QLabel>(w(), "StakeRed");
    const QFont design = stake->font();
    int shortened = 0;
    for (const int64_t value : StakesToTry()) {
      const QString exact = QString::number(value);
      Controls().BetSizeShow[2].caption = exact.toStdString();
      w().Sync();
      const QString shown = stake->text();
      const int width = QFontMetrics(stake->font()).horizontalAdvance(shown);
      QVERIFY2(width <= kChipFace, qPrintable(exact + " drawn as " + shown));
      QVERIFY2(stake->font().pixelSize() >= vellaro::app::kSmallestReadablePixels,
               qPrintable(exact));
      QVERIFY(stake->font().pixelSize() <= design.pixelSize());
      if (shown == exact) {
        QVERIFY(stake->toolTip().isEmpty() || stake->toolTip() == exact);
        continue;
      }
      // A short form stands for at most the stake and loses less than one per cent of
      // it; the tooltip gives the exact figure.
      ++shortened;
      QCOMPARE(stake->toolTip(), exact);
      const double figure = ShortValue(shown);
      QVERIFY2(figure > 0 && figure <= static_cast<double>(value) &&
                   figure > 0.99 * static_cast<double>(value),
               qPrintable(exact + " drawn as " + shown));
    }
    QVERIFY(shortened > 0);
    // Small stakes keep the design's font and no tooltip.
    Controls().BetSizeShow[2].caption = "8";
    w().Sync();
    QCOMPARE(stake->font(), design);
    QCOMPARE(stake->text(), QStringLiteral("8"));
    QVERIFY(stake->toolTip().isEmpty());
  }

  void aWideStakeSitsOnADarkPlateOverTheRim() {
    // White digits over the orange rim are lost: a stake wider than the dark centre is
    // drawn on a plate of its own.
    Controls().Chip[2].visible = true;
    Controls().BetSizeShow[2].visible = true;
    QWidget* stake = Named(w(), "StakeRed");
    const auto orange_behind_text = [&] {
      const QImage drawn = w().grab(stake->geometry()).toImage();
      const QRect text_rows(1, 3, stake->width() - 2, stake->height() - 6);
      int orange = 0;
      for (int y = text_rows.top(); y <= text_rows.bottom(); ++y) {
        for (int x = text_rows.left(); x <= text_rows.right(); ++x) {
          const QColor c = drawn.pixelColor(x, y);
          orange += c.red() > c.green() + 60 && c.red() > c.blue() + 100 ? 1 : 0;
        }
      }
      return orange;
    };
    State().Stake = 81000;
    vellaro::GamePeer::ShowValuesTick(game());
    w().Sync();
    QCOMPARE(static_cast<QLabel*>(stake)->text(), QStringLiteral("81000"));
    const int wide = orange_behind_text();
    State().Stake = 8;
    vellaro::GamePeer::ShowValuesTick(game());
    w().Sync();
    const int narrow = orange_behind_text();
    QVERIFY2(narrow > 20, "the rim shows beside a narrow stake");
    QVERIFY2(wide * 4 < narrow, qPrintable(QString::number(wide)));
  }

  void theStakeTheIssueFoundCutIsShownWhole() {
    // Quorvel, base 1000, a run of losses: the stakes the player could not read.
    for (const int64_t value : {81000, 729000, 6561000, 2147483647}) {
      const auto fitted =
          FitNumber(QString::number(value), vellaro::app::ArialFont(12, true), kChipFace);
      QVERIFY(QFontMetrics(fitted.font).horizontalAdvance(fitted.text) <= kChipFace);
    }
    QCOMPARE(
        FitNumber(QStringLiteral("2147483647"), vellaro::app::ArialFont(12, true), kChipFace).text,
        QStringLiteral("2.14B"));
  }

  // ---- Locked controls ---------------------------------------------------------------

  void everyLockedControlLooksLockedDuringAnAnalysis_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("usable_text");
    QTest::addColumn<bool>("hand");  // a hand cursor while usable (an edit keeps its own)
    QTest::newRow("base stake") << "BaseStake" << QColor(0, 255, 0) << false;
    QTest::newRow("mode box") << "GameMode" << QColor(0, 255, 0) << true;
    QTest::newRow("betting system") << "BettingSystem" << QColor(0, 255, 0) << true;
    QTest::newRow("Reset Bets") << "ResetBets" << QColor(255, 255, 255) << true;
  }
  void everyLockedControlLooksLockedDuringAnAnalysis() {
    QFETCH(QString, name);
    QFETCH(QColor, usable_text);
    QFETCH(bool, hand);
    OpenOptions();
    QWidget* control = Named(w(), name.toLatin1().constData());
    QVERIFY(control->isEnabled());
    const QImage usable = Rendered(control);
    QVERIFY2(PixelsLike(usable, usable_text) > 0, "the usable look has its text colour");
    if (hand) QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);

    StartAnAnalysis();
    QVERIFY(!control->isEnabled());
    const QImage locked = Rendered(control);
    QVERIFY(locked != usable);
    QCOMPARE(PixelsLike(locked, usable_text), 0);
    if (hand) QCOMPARE(control->cursor().shape(), Qt::ArrowCursor);
    // The undo is withdrawn and its greyed arrow shows.
    QVERIFY(!Shown(w(), "Undo"));
    QVERIFY(Shown(w(), "UndoGreyed"));

    WaitForTheAnalysis();
    QVERIFY(control->isEnabled());
    QCOMPARE(Rendered(control), usable);
    if (hand) QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
  }

  void aClickOnALockedSelectorChangesNothing() {
    OpenOptions();
    StartAnAnalysis();
    auto* modes = Named<QComboBox>(w(), "GameMode");
    QTest::mouseClick(modes, Qt::LeftButton);
    QTest::keyClick(modes, Qt::Key_Down);
    QCOMPARE(Controls().GameModes.index, 0);
    QCOMPARE(modes->currentIndex(), 0);
    WaitForTheAnalysis();
  }

  // ---- The readout -------------------------------------------------------------------

  void theReadoutCountsDownToTheFirstRecommendation() {
    QWidget* readout = Named(w(), "Readout");
    QVERIFY(readout->isVisible());
    QVERIFY(QRect(0, 0, 449, 292).contains(readout->geometry()));
    // It covers no control: only the background and the frame lie beneath it.
    for (QWidget* other : w().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == readout || other->isHidden() || other->objectName() == "Head") continue;
      if (KeyboardLayer(other)) continue;
      QVERIFY2(!other->geometry().intersects(readout->geometry()), qPrintable(other->objectName()));
    }
    // The pointer goes through it to the background.
    QCOMPARE(w().childAt(readout->geometry().center())->objectName(), QStringLiteral("Head"));

    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation in 5 spins"));
    ClickTile(w(), 7);
    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation in 4 spins"));
    ClickTile(w(), 8);
    ClickTile(w(), 9);
    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation in 2 spins"));
    ClickTile(w(), 10);
    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation on the next spin"));
    ClickTile(w(), 11);
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 5"));
    WaitForTheAnalysis();
    ClickTile(w(), 12);
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 6"));
    // An undo takes the spin out of the count shown.
    WaitForTheAnalysis();
    ClickAt(w(), CentreOf(w(), "Undo"));
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 5"));
  }

  // The figures a player reads most are no smaller than the options area's captions, in
  // the same face, whole for the largest counts, and over no control.
  void theReadoutsAreAsLargeAsTheCaptions() {
    OpenOptions();
    const QFontInfo caption(Named(w(), "BetCaption")->font());
    for (const char* name : {"SessionReadout", "Readout"}) {
      QWidget* readout = Named(w(), name);
      const QFontInfo drawn(readout->font());
      QVERIFY2(drawn.pixelSize() >= caption.pixelSize(), name);
      QCOMPARE(drawn.family(), caption.family());
      QCOMPARE(drawn.bold(), caption.bold());
      QVERIFY2(readout->height() >= readout->fontMetrics().height(), name);
    }
    QWidget* result = Named(w(), "SessionReadout");
    QVERIFY(result->fontMetrics().horizontalAdvance(QStringLiteral("Spins 99999  Net -99999")) <=
            result->width());
    for (QWidget* other : w().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == result || other->isHidden() || other->objectName() == "Head") continue;
      if (KeyboardLayer(other)) continue;
      QVERIFY2(!other->geometry().intersects(result->geometry()), qPrintable(other->objectName()));
    }
  }

  // Every tooltip of the window, its options area and its dialog shows as Qt draws it,
  // broken into lines no wider than one reads comfortably, every word kept.
  void everyTooltipShowsWrappedToAComfortableWidth() {
    MainWindow& window = w();
    OpenOptions();
    PointAndClick(window, "LimitsButton");
    int widest = 0;
    int shown = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      if (widget->toolTip().isEmpty() || !widget->isVisible()) continue;
      const QPoint middle = widget->rect().center();
      QHelpEvent help(QEvent::ToolTip, middle, widget->mapToGlobal(middle));
      QApplication::sendEvent(widget, &help);
      QWidget* tip = nullptr;
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
      }
      QVERIFY2(tip != nullptr, qPrintable(widget->objectName()));
      widest = std::max(widest, tip->width());
      ++shown;
      QVERIFY2(tip->width() <= 480, qPrintable(widget->objectName()));
      const QString text = QToolTip::text();
      QCOMPARE(QString(text).replace(u'\n', u' '), QString(widget->toolTip()).replace(u'\n', u' '));
      QToolTip::hideText();
    }
    QVERIFY(shown > 40);
    QVERIFY(widest > 300);  // the long ones use the width
  }

  void theReadoutKeepsRoomForASecondFigureAtItsRight() {
    auto* readout = &ReadoutOf(w());
    QCOMPARE(readout->ProgressRect(), readout->rect());
    QVERIFY(readout->ResultRect().isEmpty());
    readout->SetResult(QStringLiteral("-2147483648"), Qt::red);
    const QRect result = readout->ResultRect();
    QCOMPARE(result.right(), readout->rect().right());
    QVERIFY(result.width() >=
            readout->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")));
    QVERIFY(readout->ProgressRect().right() < result.left());
    QVERIFY(readout->fontMetrics().horizontalAdvance(readout->progress()) <=
            readout->ProgressRect().width());
  }

  void theReadoutTellsTheStateOfTheNumberMatrix() {
    GameProgress p;
    p.first_analysis = 5;
    p.matrix = true;
    p.matrix_learning = 10;
    // Four spins of nothing, then ten that learn; the tenth also recommends.
    QCOMPARE(ProgressText(p), QStringLiteral("MATRIX learning: 14 spins left"));
    p.spins = p.entered = 4;
    QCOMPARE(ProgressText(p), QStringLiteral("MATRIX learning: 10 spins left"));
    p.spins = p.entered = 5;
    p.matrix_step = 1;
    QCOMPARE(ProgressText(p), QStringLiteral("MATRIX learning: 9 spins left"));
    p.matrix_step = 9;
    QCOMPARE(ProgressText(p), QStringLiteral("MATRIX learning: 1 spin left"));
    // Created later in the game, it learns from the next spins.
    p.spins = p.entered = 30;
    p.matrix_step = 0;
    QCOMPARE(ProgressText(p), QStringLiteral("MATRIX learning: 10 spins left"));
    p.matrix_chosen = true;
    p.matrix_column = 2;
    p.matrix_step = 10;
    p.entered = 29;  // an undo took one back
    QCOMPARE(ProgressText(p), QString::fromUtf8("MATRIX column 2 \u00b7 spin 29"));
    p.matrix = false;
    QCOMPARE(ProgressText(p), QStringLiteral("Spin 29"));
  }

  void createMatrixShowsTheMatrixInTheReadoutText() {
    OpenOptions();
    auto* create = Named<QPushButton>(w(), "CreateMatrix");
    auto* reset = Named<QPushButton>(w(), "ResetMatrix");
    // Both look like buttons, raised from the panel.
    QVERIFY(!create->isFlat());
    QVERIFY(!reset->isFlat());
    QTest::mouseClick(create, Qt::LeftButton);
    QCOMPARE(State().ModeId, 5);
    QCOMPARE(ReadoutText(), QStringLiteral("MATRIX learning: 14 spins left"));
    for (int n : {1, 2, 3, 4}) ClickTile(w(), n);
    QCOMPARE(ReadoutText(), QStringLiteral("MATRIX learning: 10 spins left"));
    ClickTile(w(), 5);
    WaitForTheAnalysis();
    QCOMPARE(ReadoutText(), QStringLiteral("MATRIX learning: 9 spins left"));
    // Once it has chosen, the readout names the column it plays.
    State().MatrixFlag = 1;
    State().MatrixColumn = 3;
    w().Sync();
    QCOMPARE(ReadoutText(), QString::fromUtf8("MATRIX column 3 \u00b7 spin 5"));
    QTest::mouseClick(reset, Qt::LeftButton);
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 5"));
  }

  void aLongLearningLengthIsShownWhole() {
    OpenOptions();
    auto* length = Named<QSpinBox>(w(), "MatrixLearning");
    for (const char* text : {"10", "99999", "2147483647"}) {
      Controls().N_Count.text = text;
      w().Sync();
      QCOMPARE(length->text(), QString::fromLatin1(text));
      const bool whole =
          QFontMetrics(length->font()).horizontalAdvance(length->text()) <= length->width() - 4;
      QVERIFY2(whole || length->toolTip().endsWith(QLatin1String(text)), text);
    }
  }

  void everySettingFitsItsEditUpToItsMaximum_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("base stake") << "BaseStake";
    QTest::newRow("wins") << "UpTrenderWins";
    QTest::newRow("add to bet") << "UpTrenderAdd";
  }
  void everySettingFitsItsEditUpToItsMaximum() {
    QFETCH(QString, name);
    OpenOptions();
    auto* box = Named<QSpinBox>(w(), name.toLatin1().constData());
    const QLineEdit* edit = box->findChild<QLineEdit*>();
    QVERIFY(edit != nullptr);
    const QString widest = QString::number(box->maximum());
    QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(widest) <= edit->width() - 4,
             qPrintable(widest + " in " + QString::number(edit->width())));
  }

  // ---- The options area ----------------------------------------------------------------

  void nothingInTheOptionsAreaOverlapsOrIsCut() {
    OpenOptions();
    const QRect client(0, 0, 449, 448);
    QList<QWidget*> controls;
    for (QWidget* child : w().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isHidden() || child->geometry().top() < 292) continue;
      QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
      controls << child;
    }
    for (int i = 0; i < controls.size(); ++i) {
      for (int j = i + 1; j < controls.size(); ++j) {
        QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                 qPrintable(controls[i]->objectName() + " and " + controls[j]->objectName()));
      }
      // A caption is as wide as its text at least.
      if (auto* label = qobject_cast<QLabel*>(controls[i])) {
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
      }
    }
    // "ReCalculate" lies inside the frame of its group (x 8.5..440.5, y 300.5..345.5),
    // clear of its lines.
    for (const char* button : {"ReCalculate", "ResetBets"}) {
      QVERIFY2(QRect(10, 302, 430, 43).contains(Named(w(), button)->geometry()), button);
    }
    // A space between "SAFE LEVEL:" and its value.
    const QRect caption = Named(w(), "SafeLevelCaption")->geometry();
    QVERIFY(caption.right() + 3 < Named(w(), "SafeLevelValue")->geometry().left());
    QVERIFY(caption.left() >= 355);  // over its track bar
  }

  // The betting-system box takes a smaller font for "Havrel (+1 on loss / -1 on win)", no
  // smaller than is readable.
  void everyEntryFitsItsBox_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("modes") << "GameMode";
    QTest::newRow("systems") << "BettingSystem";
  }
  void everyEntryFitsItsBox() {
    QFETCH(QString, name);
    OpenOptions();
    auto* box = Named<QComboBox>(w(), name.toLatin1().constData());
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    if (name == QLatin1String("BettingSystem")) {
      QVERIFY(box->font().pixelSize() >= vellaro::app::kSmallestReadablePixels);
    }
    for (int i = 0; i < box->count(); ++i) {
      QVERIFY2(box->fontMetrics().horizontalAdvance(box->itemText(i)) <= field.width(),
               qPrintable(box->itemText(i)));
    }
  }

  void theSpinEditsAreDarkWithoutAWhiteColumn_data() {
    everySettingFitsItsEditUpToItsMaximum_data();
  }
  void theSpinEditsAreDarkWithoutAWhiteColumn() {
    QFETCH(QString, name);
    OpenOptions();
    // The UP-TRENDER settings are usable with their system only.
    auto* systems = Named<QComboBox>(w(), "BettingSystem");
    systems->setFocus();
    QTest::keyClick(systems, Qt::Key_End);
    QCOMPARE(Controls().BetStrategy.index, 5);
    QWidget* box = Named(w(), name.toLatin1().constData());
    QVERIFY(box->isEnabled());
    const QImage drawn = Rendered(box);
    QCOMPARE(PixelsLike(drawn, Qt::white, 30), 0);
  }

  void theSafeLevelLampLeavesTheWheelEmblemWhole() {
    // The emblem's red ring and gold spokes do not reach under the lamp.
    QImage head(449, 449, QImage::Format_RGB32);
    head.fill(Qt::black);
    QPainter painter(&head);
    QSvgRenderer(QStringLiteral(":/head.svg")).render(&painter, QRectF(0, 0, 449, 449));
    painter.end();
    const QImage under_lamp = head.copy(Named(w(), "LampGreen")->geometry());
    QCOMPARE(PixelsLike(under_lamp, QColor(0xb2, 0x1f, 0x17), 50), 0);
    QCOMPARE(PixelsLike(under_lamp, QColor(0xd2, 0x9f, 0x04), 50), 0);
    // ...while the emblem is still there, above it.
    QVERIFY(PixelsLike(head.copy(205, 188, 41, 32), QColor(0xb2, 0x1f, 0x17), 50) > 20);
  }

  // ---- Dragging ----------------------------------------------------------------------

  void anInstantPressAndReleaseLeavesTheWindowWhereItIs() {
    const QPoint start = w().pos();
    QWidget* head = w().childAt(kBackground);
    QCOMPARE(head->objectName(), QStringLiteral("Head"));
    for (int i = 0; i < 20; ++i) {
      QTest::mousePress(head, Qt::LeftButton, {}, kBackground);
      QTest::mouseRelease(head, Qt::LeftButton, {}, kBackground);
    }
    MoveTo(w(), kBackground + QPoint(40, 30));
    MoveTo(w(), kBackground + QPoint(-20, 10));
    QCOMPARE(w().pos(), start);
  }

  void aTremblingClickLeavesTheWindowWhereItIs() {
    const QPoint start = w().pos();
    QWidget* head = w().childAt(kBackground);
    QTest::mousePress(head, Qt::LeftButton, {}, kBackground);
    MoveTo(w(), kBackground + QPoint(2, 1), Qt::LeftButton);
    MoveTo(w(), kBackground + QPoint(-1, 3), Qt::LeftButton);
    QCOMPARE(w().pos(), start);
    // Further away it is a drag, and the window keeps its hold on the pointer.
    MoveTo(w(), kBackground + QPoint(12, 9), Qt::LeftButton);
    QCOMPARE(w().pos(), start + QPoint(12, 9));
    QTest::mouseRelease(head, Qt::LeftButton, {}, kBackground);
  }

  void theDragEndsWhenTheButtonIsFoundUp() {
    const QPoint start = w().pos();
    QWidget* head = w().childAt(kBackground);
    QTest::mousePress(head, Qt::LeftButton, {}, kBackground);
    MoveTo(w(), kBackground + QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(w().pos(), start + QPoint(10, 10));
    // The release went astray: the next move shows the button up.
    const QPoint at = w().pos();
    MoveTo(w(), kBackground + QPoint(20, 5));
    MoveTo(w(), kBackground + QPoint(30, 25), Qt::NoButton);
    QCOMPARE(w().pos(), at);
  }

  void theDragEndsOnAnyReleaseAndWhenTheWindowLosesTheFocus() {
    QWidget* head = w().childAt(kBackground);
    // Two buttons down, one released: the drag is over.
    QTest::mousePress(head, Qt::LeftButton, {}, kBackground);
    QPoint at = w().pos();
    MoveTo(w(), kBackground + QPoint(15, 0), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(w().pos(), at + QPoint(15, 0));
    QMouseEvent release(QEvent::MouseButtonRelease, kBackground, head->mapToGlobal(kBackground),
                        Qt::RightButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(head, &release);
    at = w().pos();
    MoveTo(w(), kBackground + QPoint(25, 25), Qt::LeftButton);
    QCOMPARE(w().pos(), at);

    // Another window takes the focus in the middle of a drag.
    QTest::mousePress(head, Qt::LeftButton, {}, kBackground);
    MoveTo(w(), kBackground + QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(w().pos(), at + QPoint(10, 10));
    at = w().pos();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!w().isActiveWindow());
    MoveTo(w(), kBackground + QPoint(30, 30), Qt::LeftButton);
    QCOMPARE(w().pos(), at);
  }
};

QTEST_MAIN(PresentationTest)
#include "presentation_test.moc"

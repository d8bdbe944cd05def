#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "app/bet_area.h"
#include "app/board_area.h"
#include "app/error_box.h"
#include "app/limits_dialog.h"
#include "app/main_window.h"
#include "app/window_parts.h"
#include "support/game_peer.h"
#include "temporary_home.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::BetArea;
using vellaro::app::BoardArea;
using vellaro::app::MainWindow;

namespace {

// What a dialog looked like while it was open: one the window opens modally is read and
// closed from the event loop it runs.
struct DialogSeen {
  QString title;
  const QWidget* parent = nullptr;
  bool modal = false;
  bool on_top = false;
  QRect frame;
  QRect screen;
  QString text;        // an error box's message as its label holds it
  bool wraps = false;  // and whether the label wraps it
  bool whole = false;  // every line of it within the label
  int text_width = 0;
};

DialogSeen Look(QWidget& dialog) {
  DialogSeen seen;
  seen.title = dialog.windowTitle();
  seen.parent = dialog.parentWidget();
  seen.modal = dialog.isModal() || dialog.windowModality() != Qt::NonModal;
  seen.on_top = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  seen.frame = dialog.frameGeometry();
  seen.screen = dialog.screen()->availableGeometry();
  if (auto* box = dynamic_cast<vellaro::app::ErrorBox*>(&dialog)) {
    const QLabel& label = *box->label();
    seen.text = label.text().remove(QChar(0x200B));
    seen.wraps = label.wordWrap();
    seen.whole = label.heightForWidth(label.width()) <= label.height() &&
                 label.fontMetrics()
                         .boundingRect(label.contentsRect(), Qt::TextWordWrap, label.text())
                         .width() <= label.width();
    seen.text_width = label.width();
  }
  return seen;
}

// Looks at the next modal dialog as soon as it is open, and closes it.
void WhenADialogOpens(DialogSeen& seen) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    seen = Look(*dialog);
    dialog->close();
    poll->deleteLater();
  });
  poll->start(5);
}

}  // namespace

class WindowTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  int HighlightsShown() {
    int shown = 0;
    for (int n = 0; n < vellaro::kNumbers; ++n) {
      shown += Shown(w(), ("TileLit" + QByteArray::number(n)).constData()) ? 1 : 0;
    }
    return shown;
  }
  QString SlotText(int i) {
    return Named<QLabel>(w(), ("History" + QByteArray::number(i)).constData())->text();
  }
  QColor SlotColour(int i) {
    return Named(w(), ("History" + QByteArray::number(i)).constData())
        ->palette()
        .color(QPalette::Window);
  }

 private slots:
  void initTestCase() { SetUp(); }

  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  void startsClosedWithTheGameAtItsStartValues() {
    QCOMPARE(w().size(), QSize(449, 292));
    QCOMPARE(w().windowTitle(), QStringLiteral("Vellaro 7.2"));
    QVERIFY(w().windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(w().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(State().SpinCount, 0);
    QCOMPARE(State().UndoCredit, 1);
    QCOMPARE(State().Balance, 1000000);
    QCOMPARE(State().Stake, 1);
    QCOMPARE(State().BetChance, -1);
    for (int i = 1; i <= 8; ++i) QCOMPARE(SlotText(i), QString());
    for (const char* chip :
         {"ChipLess", "ChipEven", "ChipRed", "ChipBlack", "ChipOdd", "ChipMore"}) {
      QVERIFY(!Shown(w(), chip));
    }
    QVERIFY(!Shown(w(), "Undo"));
    QVERIFY(Shown(w(), "UndoGreyed"));
    // The options area is made when first opened, and shows the start values then.
    QVERIFY(w().findChild<QWidget*>(QStringLiteral("BaseStake")) == nullptr);
    PointAndClick(w(), "Options");
    QVERIFY(Shown(w(), "BaseStake"));
    QVERIFY(!Shown(w(), "RecalculationGauge"));
    QCOMPARE(Named<QSpinBox>(w(), "BaseStake")->value(), 1);
    QCOMPARE(Named<QComboBox>(w(), "BettingSystem")->currentText(),
             QStringLiteral("Martingale (x2 on loss)"));
    QVERIFY(Named<QCheckBox>(w(), "ShowBet")->isChecked());
    QVERIFY(!Named(w(), "UpTrenderWins")->isEnabled());
    QVERIFY(!Named(w(), "UpTrenderAdd")->isEnabled());
    QVERIFY(!Named(w(), "MinimalProfit")->isEnabled());
  }

  // Every part of a family lies where its area places it: a tile or a chance drawn with
  // another's index would not.
  void picturesLieWhereTheirAreaPlacesThem() {
    PointAndClick(w(), "Options");
    const auto at = [this](const QString& name) {
      return Named(w(), name.toLatin1().constData())->geometry();
    };
    for (int n = 0; n < vellaro::kNumbers; ++n) {
      for (const char* part : {"Inactive", "Tile", "TileLit"}) {
        QCOMPARE(at(QLatin1String(part) + QString::number(n)), BoardArea::TilePlace(n));
      }
    }
    for (int k = 0; k < vellaro::kChances; ++k) {
      const std::string_view name = vellaro::kChanceNames[static_cast<size_t>(k)];
      const QString chance = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
      QCOMPARE(at(QStringLiteral("Chip") + chance), BetArea::ChipPlace(k));
      QCOMPARE(at(QStringLiteral("ChipGrey") + chance), BetArea::ChipPlace(k));
      QCOMPARE(at(QStringLiteral("Stake") + chance), BetArea::StakePlace(k));
      QCOMPARE(at(QStringLiteral("Field") + chance), BetArea::FieldPlace(k));
      for (const char* part : {"TrendIdle", "TrendSwitch", "TrendActive"}) {
        QCOMPARE(at(QLatin1String(part) + chance), BetArea::TrendPlace(k));
      }
    }
    QCOMPARE(at(QStringLiteral("LampGreen")), BetArea::kLampPlace);
    QCOMPARE(at(QStringLiteral("OptionsOpen")), BetArea::kOptionsPlace);
    // The strip runs left to right from the newest, square by square.
    for (int i = 1; i < 8; ++i) {
      QCOMPARE(at(QStringLiteral("History%1").arg(i + 1)),
               at(QStringLiteral("History%1").arg(i)).translated(16, 0));
    }
  }

  // The whole of the "?" takes the pointer, the history strip full beside it: a square laid
  // over its top edge showed the strip's help and never opened the guide.
  void theHistoryStripLeavesTheGuidesButtonWhole() {
    for (int i = 1; i <= 8; ++i)
      Named(w(), ("History" + QByteArray::number(i)).constData())->show();
    QWidget* guide = Named(w(), "Button_Guide");
    const QRect button = guide->geometry();
    for (int y = button.top(); y <= button.bottom(); ++y) {
      for (int x = button.left(); x <= button.right(); ++x) {
        QWidget* hit = w().childAt(x, y);
        QVERIFY2(hit == guide || guide->isAncestorOf(hit),
                 qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(hit->objectName())));
      }
    }
    QVERIFY(!Named(w(), "History8")->geometry().intersects(button));
    QVERIFY(!Named(w(), "HistoryKey")->geometry().intersects(button));
  }

  void aClickOnATileEntersItsNumber() {
    ClickTile(w(), 17);
    QCOMPARE(State().SpinCount, 1);
    QCOMPARE(Controls().CurrentNum.tag, 17);
    QCOMPARE(SlotText(1), QStringLiteral("17"));
    QCOMPARE(SlotColour(1), QColor(0, 0, 0));

    ClickTile(w(), 25);
    QCOMPARE(SlotText(1), QStringLiteral("25"));
    QCOMPARE(SlotColour(1), QColor(128, 0, 0));
    QCOMPARE(SlotText(2), QStringLiteral("17"));
    QCOMPARE(Controls().NumbersList, (vellaro::TextLines{"17", "25"}));
  }

  void theFifthSpinShowsTheRecommendationAfterTheAnalysis() {
    for (int n : {17, 25, 0, 0, 0}) ClickTile(w(), n);
    // While the analysis runs only the number just entered stays on the board.
    QVERIFY(game().AnalysisRunning());
    QVERIFY(Shown(w(), "Tile0"));
    QVERIFY(!Shown(w(), "Tile17"));
    QTRY_VERIFY_WITH_TIMEOUT(Shown(w(), "ChipBlack"), 10000);
    QVERIFY(Shown(w(), "FieldBlack"));
    QTRY_VERIFY_WITH_TIMEOUT(Shown(w(), "StakeBlack"), 1000);
    QCOMPARE(Named<QLabel>(w(), "StakeBlack")->text(), QStringLiteral("1"));
    for (const char* other : {"ChipLess", "ChipEven", "ChipRed", "ChipOdd", "ChipMore"}) {
      QVERIFY(!Shown(w(), other));
    }
    QVERIFY(Shown(w(), "Tile17"));
    QVERIFY(Shown(w(), "Undo"));
    QCOMPARE(SlotText(5), QStringLiteral("17"));
    QCOMPARE(SlotColour(1), QColor(0, 128, 0));

    // The undo takes the last 0 back and crosses it out until the next analysis.
    ClickAt(w(), CentreOf(w(), "Undo"));
    QCOMPARE(Controls().NumbersList.size(), size_t{4});
    QVERIFY(!Shown(w(), "Tile0"));
    QVERIFY(!Shown(w(), "Undo"));
    // The pointer jumped to the undo without crossing the background: no highlight of the
    // crossed-out number may stay behind to take it again.
    QVERIFY(!Shown(w(), "TileLit0"));
    ClickAt(w(), CentreOf(w(), "Tile0"));
    QCOMPARE(Controls().NumbersList.size(), size_t{4});
  }

  void onlyTheNumberUnderThePointerIsHighlighted() {
    MoveTo(w(), CentreOf(w(), "Tile5"));
    QVERIFY(Shown(w(), "TileLit5"));
    MoveTo(w(), CentreOf(w(), "Tile6"));
    QVERIFY(!Shown(w(), "TileLit5"));
    QVERIFY(Shown(w(), "TileLit6"));
    QCOMPARE(HighlightsShown(), 1);

    // The highlight now lies on top; a click on it enters the same number.
    QCOMPARE(w().childAt(CentreOf(w(), "Tile6"))->objectName(), QStringLiteral("TileLit6"));
    ClickAt(w(), CentreOf(w(), "Tile6"));
    QCOMPARE(Controls().NumbersList, (vellaro::TextLines{"6"}));

    MoveTo(w(), kBackground);
    QCOMPARE(HighlightsShown(), 0);
  }

  void aPictureHiddenAtStartIsDrawnWhenFirstShown() {
    // Only the pictures shown at start are rendered ahead; a highlight renders the first
    // time it shows, at its own size and the window's pixel ratio.
    QVERIFY(!Shown(w(), "TileLit5"));
    const int renders = w().svg_cache().RenderCount();
    MoveTo(w(), CentreOf(w(), "Tile5"));
    QWidget* highlight = Named(w(), "TileLit5");
    QVERIFY(!highlight->isHidden());
    const qreal ratio = highlight->devicePixelRatioF();
    const auto blank = [ratio] {
      QImage image(QSize(33, 33) * ratio, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(ratio);
      image.fill(Qt::transparent);
      return image;
    };
    QImage drawn = blank();
    highlight->render(&drawn, {}, {}, QWidget::DrawChildren);
    QCOMPARE(w().svg_cache().RenderCount(), renders + 1);

    QImage expected = blank();
    QPainter painter(&expected);
    QSvgRenderer(QStringLiteral(":/tiles/tile_5_hover.svg")).render(&painter, QRectF(0, 0, 33, 33));
    painter.end();
    QCOMPARE(drawn, expected);
  }

  void theAnalysisGaugeFillsFromTheLeftWithItsProgress() {
    QWidget* gauge = Named(w(), "AnalysisGauge");
    const auto drawn = [gauge] {
      QImage image(gauge->size(), QImage::Format_RGB32);
      gauge->render(&image);
      return image;
    };
    const QColor gold(210, 159, 4);
    QCOMPARE(drawn().pixelColor(0, 3), QColor(Qt::black));
    Controls().CGauge1.Set(50);
    w().Sync();
    QImage half = drawn();
    QCOMPARE(half.pixelColor(0, 0), gold);
    QCOMPARE(half.pixelColor(229, 5), gold);
    QCOMPARE(half.pixelColor(230, 0), QColor(Qt::black));
    QCOMPARE(half.pixelColor(459, 5), QColor(Qt::black));
    Controls().CGauge1.Set(100);
    w().Sync();
    QCOMPARE(drawn().pixelColor(459, 5), gold);
  }

  void closeAndMinimiseActOnlyThroughTheirTwins() {
    ClickAt(w(), CentreOf(w(), "Minimize"));
    ClickAt(w(), CentreOf(w(), "Close"));
    QVERIFY(w().isVisible());
    QVERIFY(!w().isMinimized());

    MoveTo(w(), CentreOf(w(), "Close"));
    QVERIFY(Shown(w(), "CloseLit"));
    MoveTo(w(), CentreOf(w(), "Minimize"));
    QVERIFY(!Shown(w(), "CloseLit"));
    QVERIFY(Shown(w(), "MinimizeLit"));
    ClickAt(w(), CentreOf(w(), "Minimize"));
    QVERIFY(w().windowState().testFlag(Qt::WindowMinimized));

    w().showNormal();
    PointAndClick(w(), "Close");
    QVERIFY(!w().isVisible());
  }

  void theSaveTwinAndCtrlSRunTheExport() {
    ChosenFile answer;  // first cancel, then a file
    w().SetSaveDialog(&answer);
    ClickAt(w(), CentreOf(w(), "Save"));
    QCOMPARE(answer.shown, 0);
    PointAndClick(w(), "Save");
    QCOMPARE(answer.shown, 1);

    QTemporaryDir folder;
    answer.name = folder.filePath(QStringLiteral("log")).toStdString();
    ClickTile(w(), 7);
    ClickTile(w(), 32);
    QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(answer.shown, 2);
    QCOMPARE(ReadFile(folder.filePath(QStringLiteral("log.txt"))), QByteArray("7\r\n32\r\n"));
    QVERIFY(shown_.errors.isEmpty());

    // A failure shows the message in the error box, and the game goes on.
    answer.name = folder.filePath(QStringLiteral("missing/log.txt")).toStdString();
    QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);
    // The name as chosen, then the system's reason.
    QCOMPARE(shown_.errors,
             QStringList{"Cannot create file " + QString::fromStdString(answer.name) +
                         ": No such file or directory"});
    ClickTile(w(), 9);
    QCOMPARE(vellaro::GamePeer::State(w().game()).SpinCount, 3);
    shown_.errors.clear();  // expected here
  }

  void everyDialogOpensAboveTheWindowAndWholeOnTheScreen() {
    // The window's own error box this time, and the window in a corner of the screen, so
    // that a dialog centred on it would stick out.
    vellaro::app::Guard guard;
    MainWindow window(guard);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.right() - 120, screen.bottom() - 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto above_and_on_screen = [&](const DialogSeen& seen) {
      QCOMPARE(seen.parent, &window);
      QVERIFY(seen.on_top);
      QVERIFY2(seen.screen.contains(seen.frame), qPrintable(seen.title));
    };

    // The save dialog, by Ctrl+S.
    DialogSeen save;
    WhenADialogOpens(save);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(save.title, QStringLiteral("Save Vellaro 4 Game History..."));
    above_and_on_screen(save);
    QVERIFY(save.modal);

    // The error box of a save that fails: the whole message, wrapped at a readable width,
    // a path too long for a line broken where it has to be.
    ChosenFile missing;
    QTemporaryDir folder;
    missing.name = folder
                       .filePath(QStringLiteral("no such folder/") + QString(120, u'x') +
                                 QStringLiteral("/log.txt"))
                       .toStdString();
    window.SetSaveDialog(&missing);
    Activate(window);  // Ctrl+S is the active window's
    DialogSeen error;
    WhenADialogOpens(error);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(error.text, "Cannot create file " + QString::fromStdString(missing.name) +
                             ": No such file or directory");
    above_and_on_screen(error);
    QVERIFY(error.modal);
    QVERIFY(error.wraps);
    QVERIFY(error.whole);
    QVERIFY(error.text_width <= vellaro::app::ErrorBox::kTextWidth);
    QVERIFY(error.text_width >= 200);

    // The limits dialog stays open beside the board while spins are entered: above the
    // window, on the screen, not modal.
    window.OpenLimits();
    const DialogSeen limits = Look(*window.limits_dialog());
    above_and_on_screen(limits);
    QVERIFY(!limits.modal);
  }

  void theSaveDialogHasTheLogsSettings() {
    QFileDialog dialog;
    vellaro::SaveDialogSettings settings;
    settings.FileName = "/tmp/last.txt";
    vellaro::app::ConfigureSaveDialog(dialog, settings);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Save Vellaro 4 Game History..."));
    QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("Notepad file *.txt (*.txt)")});
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("txt"));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QVERIFY(dialog.isSizeGripEnabled());
    QCOMPARE(dialog.selectedFiles().value(0), QStringLiteral("/tmp/last.txt"));
  }

  void theOptionsHighlightStaysUntilThePointerReachesTheBackground() {
    MoveTo(w(), CentreOf(w(), "Options"));
    QVERIFY(Shown(w(), "OptionsLit"));
    MoveTo(w(), CentreOf(w(), "ChipGreyRed"));  // a picture without an action
    QVERIFY(Shown(w(), "OptionsLit"));
    MoveTo(w(), kBackground);
    QVERIFY(!Shown(w(), "OptionsLit"));
  }

  void theOptionsButtonOpensAndClosesTheOptionsArea() {
    PointAndClick(w(), "Options");
    QCOMPARE(w().size(), QSize(449, 448));
    QVERIFY(Shown(w(), "OptionsOpen"));
    ClickAt(w(), CentreOf(w(), "Options"));  // the open look lies on top now
    QCOMPARE(w().size(), QSize(449, 292));
    QVERIFY(!Shown(w(), "OptionsOpen"));
  }

  void aTrendIsSwitchedOnByPointingAndClicking() {
    MoveTo(w(), CentreOf(w(), "TrendIdleLess"));
    QVERIFY(Shown(w(), "TrendSwitchLess"));
    ClickAt(w(), CentreOf(w(), "TrendIdleLess"));
    QVERIFY(Shown(w(), "TrendActiveLess"));

    // Its opposite takes the trend over.
    PointAndClick(w(), "TrendIdleMore");
    QVERIFY(Shown(w(), "TrendActiveMore"));
    QVERIFY(!Shown(w(), "TrendActiveLess"));
    ClickAt(w(), CentreOf(w(), "TrendIdleMore"));
    QVERIFY(!Shown(w(), "TrendActiveMore"));
  }

  void theHeadShowsTheVersionOfTheBuildAsTheArtworkDrawsItsTexts() {
    // The artwork leaves the place beside the title empty; drawn with the version written
    // into it, it must look as the window does.
    QFile file(QStringLiteral(":/head.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray svg = file.readAll();
    QVERIFY(!svg.contains(">" VELLARO_VERSION "<"));
    svg.replace("</svg>",
                "<text x=\"156\" y=\"24\" font-family=\"Liberation Sans, Arial, sans-serif\" "
                "font-size=\"10\" font-weight=\"bold\" fill=\"#8e8e8e\">" VELLARO_VERSION
                "</text></svg>");
    QImage expected(449, 449, QImage::Format_RGB32);
    QPainter painter(&expected);
    QSvgRenderer(svg).render(&painter, QRectF(0, 0, 449, 449));
    painter.end();

    const QRect place(150, 10, 32, 18);
    const QImage drawn = w().grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage wanted = expected.copy(place);
    int ink = 0;
    int worst = 0;
    for (int y = 0; y < place.height(); ++y) {
      for (int x = 0; x < place.width(); ++x) {
        const QColor a = drawn.pixelColor(x, y);
        const QColor b = wanted.pixelColor(x, y);
        worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                          std::abs(a.blue() - b.blue())});
        ink += a.red() > 0x60 ? 1 : 0;
      }
    }
    QVERIFY2(ink > 20, "no version is drawn");
    // A few levels of anti-aliasing apart at most; the text a pixel off differs by far more.
    QVERIFY2(worst <= 16, qPrintable(QStringLiteral("differs by %1").arg(worst)));
    // The text does not take the pointer: pressing on it still drags the window.
    QCOMPARE(w().childAt(160, 20)->objectName(), QStringLiteral("Head"));
  }

  void theBackgroundDragsTheWindowWithAnyButton_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
  }
  void theBackgroundDragsTheWindowWithAnyButton() {
    QFETCH(Qt::MouseButton, button);
    const QPoint start = w().pos();
    QWidget* head = w().childAt(kBackground);
    QCOMPARE(head->objectName(), QStringLiteral("Head"));
    QTest::mousePress(head, button, {}, kBackground);
    const QPoint grabbed = head->mapToGlobal(kBackground);
    QMouseEvent move(QEvent::MouseMove, kBackground + QPoint(30, 20), grabbed + QPoint(30, 20),
                     Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(head, &move);
    QTest::mouseRelease(head, button, {}, kBackground + QPoint(30, 20));
    QCOMPARE(w().pos(), start + QPoint(30, 20));
  }

  void checkBoxesShowWhatTheEngineHolds() {
    PointAndClick(w(), "Options");
    auto* reset = Named<QCheckBox>(w(), "AutomaticReset");
    auto* profit = Named<QCheckBox>(w(), "MinimalProfit");
    QVERIFY(!profit->isEnabled());
    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(Controls().Bet_Automatic_Reset.checked);
    QVERIFY(profit->isEnabled());
    QTest::mouseClick(profit, Qt::LeftButton);
    QVERIFY(profit->isChecked());
    // Switching the reset off takes the minimal profit with it.
    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(!reset->isChecked());
    QVERIFY(!profit->isChecked());
    QVERIFY(!profit->isEnabled());

    // The engine locks a box before the widget has learnt of it and refuses the click: the
    // widget must not keep Qt's toggle.
    auto* cat_rows = Named<QCheckBox>(w(), "CatRows");
    Controls().CatRows.enabled = true;
    w().Sync();
    Controls().CatRows.enabled = false;
    cat_rows->click();
    QVERIFY(!Controls().CatRows.checked);
    QVERIFY(!cat_rows->isChecked());
    QVERIFY(!cat_rows->isEnabled());
  }

  // A selector keeps the focus after a change, by key or by the pointer: moved on to "Show
  // Bet", the next Down or Space would change a control the player never meant to touch.
  void choosingAModeOrASystemKeepsTheFocusOnItsSelector() {
    PointAndClick(w(), "Options");
    auto* modes = Named<QComboBox>(w(), "GameMode");
    modes->setFocus();
    QTest::keyClick(modes, Qt::Key_Down);
    QCOMPARE(Controls().GameModes.index, 1);
    QCOMPARE(modes->currentText(), QStringLiteral("SMART 2023"));
    QCOMPARE(QApplication::focusWidget(), modes);
    QTest::keyClick(modes, Qt::Key_Down);
    QCOMPARE(Controls().GameModes.index, 2);
    QCOMPARE(QApplication::focusWidget(), modes);
    // Chosen from the open list with the pointer: the list gives the box its "activated".
    auto* systems = Named<QComboBox>(w(), "BettingSystem");
    systems->setFocus();
    systems->setCurrentIndex(2);
    emit systems->activated(2);
    QCOMPARE(static_cast<int>(game().CurrentSettings().system), 2);
    QCOMPARE(QApplication::focusWidget(), systems);
    w().Sync();
    QCOMPARE(QApplication::focusWidget(), systems);
    QVERIFY(!vellaro::GameView(game()).FocusAsked());
  }

  void eachEntryOfTheModeBoxRunsItsModeAndTheMatrixItsOwn() {
    PointAndClick(w(), "Options");
    auto* modes = Named<QComboBox>(w(), "GameMode");
    const std::pair<int, const vellaro::Timer*> entries[] = {
        {2, &vellaro::GamePeer::Mode4Timer(game())},
        {1, &vellaro::GamePeer::Mode3Timer(game())},
        {0, &vellaro::GamePeer::Mode2Timer(game())}};
    for (int n = 1; n <= 4; ++n) ClickTile(w(), n);
    for (const auto& [index, timer] : entries) {
      modes->setFocus();
      QTest::keyClick(modes, index == 0 ? Qt::Key_Home : Qt::Key_End);
      if (index == 1) QTest::keyClick(modes, Qt::Key_Up);
      QCOMPARE(modes->currentIndex(), index);
      ClickTile(w(), 5 + index);
      QVERIFY(timer->running());
      WaitForTheAnalysis();
    }

    // "Create Matrix" selects the matrix mode; "RM" gives the box its mode back.
    auto* create = Named<QPushButton>(w(), "CreateMatrix");
    auto* reset = Named<QPushButton>(w(), "ResetMatrix");
    QVERIFY(create->isEnabled());
    QVERIFY(!reset->isEnabled());
    QTest::mouseClick(create, Qt::LeftButton);
    QCOMPARE(State().ModeId, 5);
    QCOMPARE(Controls().AdaptiveList1.lines.size(), size_t{3000});
    QVERIFY(!create->isEnabled());
    QVERIFY(reset->isEnabled());
    ClickTile(w(), 9);
    QVERIFY(vellaro::GamePeer::Mode5Timer(game()).running());
    WaitForTheAnalysis();
    QCOMPARE(Named<QSpinBox>(w(), "MatrixLearning")->value(), 10);
    QTest::mouseClick(reset, Qt::LeftButton);
    QCOMPARE(State().ModeId, 2);
    QVERIFY(Shown(w(), "Tile9"));
  }

  void theBaseStakeFollowsTyping() {
    PointAndClick(w(), "Options");
    auto* bet = Named<QSpinBox>(w(), "BaseStake");
    bet->setFocus();
    bet->selectAll();
    QTest::keyClicks(bet, "025");
    QCOMPARE(Controls().Init_Bet.text, std::string("025"));
    QCOMPARE(State().Stake, 25);
    // Another window taking the keyboard does not commit the edit; leaving it does.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(bet, &away);
    QCOMPARE(Controls().Init_Bet.text, std::string("025"));
    Named(w(), "ShowBet")->setFocus();
    QCOMPARE(Controls().Init_Bet.text, std::string("25"));
    QCOMPARE(bet->value(), 25);
  }

  void theSafeLevelTrackBarMovesTheEngine() {
    PointAndClick(w(), "Options");
    auto* level = Named<QSlider>(w(), "SafeLevel");
    level->setFocus();
    QTest::keyClick(level, Qt::Key_PageUp);
    QCOMPARE(Controls().SafeLevel.position, 2);
    QCOMPARE(Named<QLabel>(w(), "SafeLevelValue")->text(), QStringLiteral("2"));
    QVERIFY(Shown(w(), "LampGreen"));
  }

  void bindingsWriteAWidgetOnlyWhenTheViewChanged() {
    // Each binding reads a value the test sets; the widgets are written behind the
    // bindings' back, so that a redraw that touched them shows.
    std::string text = "3";
    vellaro::Rgb colour{1, 2, 3};
    bool checked = true;
    QLabel label;
    QCheckBox box;
    vellaro::app::Bindings bindings;
    bindings.Text(&label, [&](const auto&) { return text; });
    bindings.Colour(&label, QPalette::WindowText, [&](const auto&) { return colour; });
    bindings.Checked(&box, [&](const auto&) { return checked; });
    const auto ink = [&label] { return label.palette().color(QPalette::WindowText); };
    const vellaro::GameView view(game());
    bindings.Sync(view);
    QCOMPARE(label.text(), QStringLiteral("3"));
    QCOMPARE(ink(), QColor(1, 2, 3));
    QVERIFY(box.isChecked());

    label.setText(QStringLiteral("x"));
    label.setPalette(QPalette(Qt::red));
    box.setChecked(false);  // as Qt ticks a box on a click the game refuses
    const QSignalSpy toggled(&box, &QCheckBox::toggled);
    bindings.Sync(view);
    QCOMPARE(label.text(), QStringLiteral("x"));
    QCOMPARE(ink(), QPalette(Qt::red).color(QPalette::WindowText));
    QVERIFY(box.isChecked());  // a box shows what the game holds, silently
    QCOMPARE(toggled.count(), 0);

    text = "4";
    colour = {4, 5, 6};
    checked = false;
    bindings.Sync(view);
    QCOMPARE(label.text(), QStringLiteral("4"));
    QCOMPARE(ink(), QColor(4, 5, 6));
    QVERIFY(!box.isChecked());
    QCOMPARE(toggled.count(), 0);
  }

  void idleTicksRepaintNothing() {
    // Let the first paints and the layout settle.
    QTest::qWait(100);
    const int renders = w().svg_cache().RenderCount();
    struct PaintCounter : QObject {
      int paints = 0;
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
      }
    } counter;
    for (QWidget* child : w().findChildren<QWidget*>()) child->installEventFilter(&counter);
    w().installEventFilter(&counter);
    QTest::qWait(300);  // some thirty ticks of each 10 ms timer
    QCOMPARE(counter.paints, 0);
    QCOMPARE(w().svg_cache().RenderCount(), renders);
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

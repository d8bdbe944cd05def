// Help on every control: a tooltip on each, in the window and in the options area.

#include <QTest>
#include <memory>

#include "app/fonts.h"
#include "app/main_window.h"
#include "app/tooltips.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::Guard;
using vellaro::app::MainWindow;

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { vellaro::app::InstallFontSubstitutions(); }

  void everyControlHasHelp() {
    Guard guard;
    MainWindow window(guard);
    window.show();
    PointAndClick(window, "Image_Options1");  // the options area is made when opened
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Init_Bet")) != nullptr);
    PointAndClick(window, "Button_Limits");  // and the limits' dialog
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Limit_TableMax")) != nullptr);
    // The background, the version and the readout are no controls; the pointer goes
    // through the readout.
    const QStringList none = {QStringLiteral("HeadImage"), QStringLiteral("Version"),
                              QStringLiteral("Readout")};
    int named = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      const QString name = widget->objectName();
      // The parts Qt makes inside a control (a spin edit's line, a list's view) are
      // nameless or named by Qt.
      if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || none.contains(name)) {
        continue;
      }
      ++named;
      QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(name));
    }
    QVERIFY(named > 37 * 3 + 6 * 6);  // tiles, highlights and chances at least
  }

  // The lamp is green a loss before a bet can show: its help says what each look means.
  void theSafeLevelLampSaysWhatItsColoursMean() {
    const QString lamp = vellaro::app::TooltipFor(QStringLiteral("SL_Indicator2"));
    for (const char* part : {"off while the SAFE LEVEL is 0", "Dark: the losses in a row are two",
                             "Green: they are one short", "no bet is shown yet"}) {
      QVERIFY2(lamp.contains(QLatin1String(part)), part);
    }
  }

  void theHelpSaysWhatNoControlCanDo() {
    for (const char* name : {"GameModes", "ReCalculate", "CreateMatrix"}) {
      const QString help = vellaro::app::TooltipFor(QLatin1String(name));
      QVERIFY2(help.contains(QStringLiteral("independent")), name);
      QVERIFY2(help.contains(QStringLiteral("1 unit in 37")), name);
    }
    QVERIFY(vellaro::app::TooltipFor(QStringLiteral("BetStrategy"))
                .contains(QStringLiteral("never the house's share")));
    QVERIFY(vellaro::app::TooltipFor(QStringLiteral("Image36")).contains(QStringLiteral("Enter")));
    QVERIFY(vellaro::app::TooltipFor(QStringLiteral("Image37")).isEmpty());
    QVERIFY(vellaro::app::TooltipFor(QStringLiteral("Nothing")).isEmpty());
  }

  // The families of names, one control per pocket or chance: the name must be whole.
  void aFamilyTakesOnlyItsOwnNames() {
    const auto same = [](const char* a, const char* b) {
      return vellaro::app::TooltipFor(QLatin1String(a)) ==
             vellaro::app::TooltipFor(QLatin1String(b));
    };
    for (const char* name : {"Image0", "Image_Act_17", "Inactive36", "HisNum7", "ChipRed",
                             "ChipGreyEven", "BetSizeShow_More", "FieldOdd", "Trend_Black_2"}) {
      QVERIFY2(!vellaro::app::TooltipFor(QLatin1String(name)).isEmpty(), name);
    }
    QVERIFY(same("Image0", "Inactive36"));
    QVERIFY(same("ChipRed", "ChipGreyEven"));
    QVERIFY(!same("ChipRed", "FieldRed"));
    for (const char* name :
         {"Image05", "Image_Act_37", "Image", "Image3a", "HisNum", "HisNum12", "ChipRED", "Chipred",
          "ChipGrey1", "FieldR", "Field", "Trend_Red_3", "Trend_Red2", "Trend__1", "Trend_red_1"}) {
      QVERIFY2(vellaro::app::TooltipFor(QLatin1String(name)).isEmpty(), name);
    }
  }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"

// Help on every control: a tooltip on each, in the window and in the options area; and the
// player's guide that F1 opens.

#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "app/fonts.h"
#include "app/main_window.h"
#include "app/player_guide.h"
#include "app/tooltips.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::Control;
using vellaro::app::MainWindow;

// The README's part between the guide's markers, read here on its own.
QString ReadmeGuide() {
  const QString text = QString::fromUtf8(ReadFile(QStringLiteral(VELLARO_README)));
  const QString begin = QStringLiteral("<!-- guide -->");
  const qsizetype from = text.indexOf(begin);
  const qsizetype to = text.indexOf(QStringLiteral("<!-- /guide -->"));
  if (from < 0 || to < from) return {};
  return text.mid(from + begin.size(), to - from - begin.size()).trimmed() + QLatin1Char('\n');
}

// Takes the links the guide hands to the desktop, instead of a browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

class HelpTest : public QObject, WindowFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUp(); }
  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  void everyControlHasHelp() {
    MainWindow& window = w();
    PointAndClick(window, "Options");  // the options area is made when opened
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("BaseStake")) != nullptr);
    PointAndClick(window, "LimitsButton");  // and the limits' dialog
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Limit_TableMax")) != nullptr);
    // The background, the version and the readout are no controls; the pointer goes
    // through the readout, and through the layer that draws the focus ring.
    const QStringList none = {QStringLiteral("Head"), QStringLiteral("Version"),
                              QStringLiteral("Readout"), QStringLiteral("FocusRing")};
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
    // The parts of one control share its help; look-alike neighbours have their own.
    const auto help = [&window](const char* name) { return Named(window, name)->toolTip(); };
    QCOMPARE(help("Tile0"), help("Inactive36"));
    QCOMPARE(help("TileLit17"), help("Tile17"));
    QCOMPARE(help("ChipRed"), help("ChipGreyEven"));
    QCOMPARE(help("StakeMore"), help("ChipRed"));
    QVERIFY(help("ChipRed") != help("FieldRed"));
    QCOMPARE(help("UndoGreyed"), help("Undo"));
    QCOMPARE(help("LampDark"), help("LampGreen"));
    QVERIFY(help("Close") != help("Minimize"));
  }

  // The lamp is green a loss before a bet can show: its help says what each look means.
  void theSafeLevelLampSaysWhatItsColoursMean() {
    const QString lamp = vellaro::app::TooltipFor(Control::kSafeLevelLamp);
    for (const char* part : {"off while the SAFE LEVEL is 0", "Dark: the losses in a row are two",
                             "Green: they are one short", "no bet is shown yet"}) {
      QVERIFY2(lamp.contains(QLatin1String(part)), part);
    }
  }

  void theHelpSaysWhatNoControlCanDo() {
    for (const Control control :
         {Control::kGameMode, Control::kRecalculate, Control::kCreateMatrix, Control::kCatRows}) {
      const QString help = vellaro::app::TooltipFor(control);
      QVERIFY2(help.contains(QStringLiteral("independent")), qPrintable(help));
      QVERIFY2(help.contains(QStringLiteral("1 unit in 37")), qPrintable(help));
    }
    QVERIFY(vellaro::app::TooltipFor(Control::kBettingSystem)
                .contains(QStringLiteral("never the house's share")));
    QVERIFY(vellaro::app::TooltipFor(Control::kTile).contains(QStringLiteral("Enter")));
  }

  void f1AndTheQuestionMarkOpenTheGuideMadeWhenFirstAsked() {
    MainWindow& window = w();
    QVERIFY(window.guide_dialog() == nullptr);
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_F1);
    vellaro::app::GuideDialog* guide = window.guide_dialog();
    QVERIFY(guide != nullptr);
    QVERIFY(guide->isVisible());
    // A window of its own that belongs to the main window, so it stands above it.
    QCOMPARE(guide->parentWidget(), &window);
    QVERIFY(guide->isWindow());
    QVERIFY(guide->browser()->toPlainText().contains(QStringLiteral("The player's guide")));
    guide->close();
    PointAndClick(window, "Button_Guide");
    QCOMPARE(window.guide_dialog(), guide);  // the same one, made once
    QVERIFY(guide->isVisible());
    // The "?" lies beside the head's other buttons, over none of them.
    const QRect place = window.findChild<QWidget*>(QStringLiteral("Button_Guide"))->geometry();
    for (const char* other : {"LimitsButton", "PanelButton", "Save", "Undo"}) {
      const QWidget* widget = window.findChild<QWidget*>(QLatin1String(other));
      QVERIFY2(widget != nullptr, other);
      QVERIFY2(!widget->geometry().intersects(place), other);
    }
  }

  void theGuideIsTheReadmesWithItsPictures() {
    const QString guide = vellaro::app::PlayerGuideText();
    QVERIFY(!guide.isEmpty());
    QCOMPARE(guide, ReadmeGuide());
    QVERIFY(guide.contains(QStringLiteral("independent")));
    QVERIFY(guide.contains(QStringLiteral("1/37")));
    vellaro::app::GuideDialog dialog(nullptr);
    int pictures = 0;
    const QRegularExpression image(QStringLiteral("!\\[[^\\]]*\\]\\(([^)]+)\\)"));
    for (const QRegularExpressionMatch& match : image.globalMatch(guide)) {
      const QUrl url(match.captured(1));
      const QVariant loaded = dialog.browser()->loadResource(QTextDocument::ImageResource, url);
      QImage picture;
      QVERIFY2(picture.loadFromData(loaded.toByteArray()), qPrintable(url.toString()));
      QVERIFY2(picture.width() >= 200, qPrintable(url.toString()));
      ++pictures;
    }
    QVERIFY(pictures >= 4);
  }

  void theGuideSpeaksItsLanguageWithoutItsHashLineElseEnglish() {
    using vellaro::app::PlayerGuideText;
    const QString german = PlayerGuideText(QStringLiteral(VELLARO_GUIDE_SAMPLE), "de");
    QVERIFY2(german.startsWith(QStringLiteral("## Das Spielerhandbuch\n")), qPrintable(german));
    QVERIFY(german.contains(QStringLiteral("unabhängig")));  // read as UTF-8
    const QString compiled = QStringLiteral(":/guide");
    for (const QString& none : {QString(), QStringLiteral("pt"), QStringLiteral("C")}) {
      QCOMPARE(PlayerGuideText(compiled, none), ReadmeGuide());
    }
    // Every translation of the source tree is compiled in, and none is the English.
    const QDir translated(QStringLiteral(VELLARO_TRANSLATED_GUIDES), QStringLiteral("guide_*.md"));
    for (const QString& name : translated.entryList()) {
      const QString language = name.mid(6, name.size() - 9);
      const QString text = PlayerGuideText(compiled, language);
      QVERIFY2(!text.isEmpty() && text != ReadmeGuide(), qPrintable(language));
      QVERIFY2(!text.startsWith(QStringLiteral("<!--")), qPrintable(language));
    }
  }

  void linksToTheOutsideAreNotFollowedInside() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    vellaro::app::GuideDialog dialog(nullptr);
    QTextBrowser* browser = dialog.browser();
    const QString shown = browser->toPlainText();
    const QUrl outside(QStringLiteral("https://example.org/roulette"));
    emit browser->anchorClicked(outside);
    emit browser->anchorClicked(QUrl(QStringLiteral("docs/developers.md")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls, QList<QUrl>{outside});  // handed to the desktop, once
    QVERIFY(browser->source().isEmpty());
    QCOMPARE(browser->toPlainText(), shown);
  }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"

#include "app/player_guide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/svg_cache.h"

// Resources compiled into a static library must be registered by hand; once is enough.
static void InitGuide() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(player_guide);
    return true;
  }();
  (void)registered;
}

namespace vellaro::app {

namespace {

// Where the build puts the guide and its pictures (app/CMakeLists.txt): the pictures under
// the paths the guide names them by, so that the same Markdown finds them here and on the
// project's page.
const QString kGuideFolder = QStringLiteral(":/guide");

}  // namespace

QString PlayerGuideText() {
  InitGuide();
  // The language installed with the window's translation (language.cpp): a language the
  // window does not speak keeps the English guide too.
  return PlayerGuideText(kGuideFolder, QLocale().name().section(QLatin1Char('_'), 0, 0));
}

QString PlayerGuideText(const QString& folder, const QString& language) {
  InitGuide();
  QFile translated(folder + QStringLiteral("/guide_%1.md").arg(language));
  if (!language.isEmpty() && translated.open(QIODevice::ReadOnly)) {
    QString text = QString::fromUtf8(translated.readAll());
    // The first line names the English it was translated from, for the build's check only.
    if (text.startsWith(QLatin1String("<!-- English:"))) {
      const qsizetype end = text.indexOf(QLatin1Char('\n'));
      text.remove(0, end < 0 ? text.size() : end + 1);
    }
    return text;
  }
  QFile file(folder + QStringLiteral("/guide.md"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

GuideDialog::GuideDialog(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("GuideDialog"));
  setWindowTitle(QCoreApplication::translate("PlayerGuide", "Vellaro — Player's guide"));
  browser_->setObjectName(QStringLiteral("GuideText"));
  browser_->setToolTip(
      QCoreApplication::translate("PlayerGuide", "What Vellaro shows and how an evening runs."));
  browser_->setSearchPaths({kGuideFolder});
  // The browser follows no link itself: a link of the guide to one of its own headings
  // moves to it, anything else opens outside, where a browser belongs.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
      browser_->scrollToAnchor(url.fragment());
    } else if (!url.isRelative()) {
      QDesktopServices::openUrl(url);
    }
  });
  browser_->setMarkdown(PlayerGuideText());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(680, 620);
}

GuideButton::GuideButton(SvgCache& cache, const QRect& place, QWidget* parent)
    : QWidget(parent), cache_(cache) {
  setObjectName(QStringLiteral("Button_Guide"));
  setGeometry(place);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QCoreApplication::translate(
      "PlayerGuide",
      "The player's guide (F1): what the window shows, each mode and system in plain words, "
      "the limits, and the keyboard: Tab and Shift+Tab go from control to control, Space or "
      "Enter presses it, the arrow keys move over the board and Enter enters the number; "
      "digits and Enter, Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+S, Ctrl+P and F1 anywhere."));
  setMouseTracking(true);
}

void GuideButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QString svg =
      underMouse() ? QStringLiteral(":/guide_hover.svg") : QStringLiteral(":/guide.svg");
  painter.drawPixmap(0, 0, cache_.Pixmap(svg, size(), devicePixelRatioF()));
}

void GuideButton::enterEvent(QEnterEvent*) {
  update();
}

void GuideButton::leaveEvent(QEvent*) {
  update();
}

void GuideButton::mouseMoveEvent(QMouseEvent*) {
  if (on_move_) on_move_();
}

void GuideButton::mouseReleaseEvent(QMouseEvent* event) {
  if (on_click_ && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    on_click_();
  }
}

}  // namespace vellaro::app

#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace vellaro::app {

class SvgCache;

// The player's guide: the part of README.md between its markers, compiled into the
// program with the screenshots it shows, so that it opens offline and says what the README
// says.
QString PlayerGuideText();

// The guide in `language` ("de") as `folder` holds it, guide_<language>.md, without the
// line that names the English it was translated from; the English guide.md where there is
// no translation. PlayerGuideText() reads the compiled-in one in the window's language.
QString PlayerGuideText(const QString& folder, const QString& language);

// The guide in a window of its own, a child of the main window. Links within the guide
// move within it; a link to anywhere else goes to the desktop's browser, never into this
// one.
class GuideDialog final : public QDialog {
 public:
  explicit GuideDialog(QWidget* parent);

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// The "?" under the save button, drawn as a twin of the head's other small buttons; its
// highlight follows the pointer.
class GuideButton final : public QWidget {
 public:
  GuideButton(SvgCache& cache, const QRect& place, QWidget* parent);

  void OnClick(std::function<void()> handler) { on_click_ = std::move(handler); }
  void OnMove(std::function<void()> handler) { on_move_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  SvgCache& cache_;
  std::function<void()> on_click_;
  std::function<void()> on_move_;
};

}  // namespace vellaro::app

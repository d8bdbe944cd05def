#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace vellaro::app {

// A line of text drawn as the artwork draws its texts: anti-aliased, placed by its
// baseline, over whatever picture lies beneath. The version in the head of the window is
// one, so that it follows the build instead of being baked into the picture. The mouse
// goes through it to the picture, which keeps dragging the window.
class VersionText final : public QWidget {
 public:
  // `baseline` is the left end of the baseline, in the parent's coordinates.
  VersionText(const QString& text, const QFont& font, QColor colour, QPoint baseline,
              QWidget* parent);

  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_;
  int ascent_ = 0;
};

}  // namespace vellaro::app

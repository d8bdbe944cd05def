#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace vellaro::app {

// The band that says a session limit holds the next bet back: which limit and the
// numbers, in the largest font from the window's captions down to the smallest readable
// one that shows the text on one line, else on two. Its right end is left to the button
// that goes on anyway, a widget of its own. The pointer goes through the band to the
// background, which drags the window as before.
class LimitBanner final : public QWidget {
 public:
  explicit LimitBanner(QWidget* parent);

  // The room kept free at the right end, in pixels.
  void ReserveRight(int pixels);
  void SetText(const QString& text);

  const QString& text() const { return text_; }
  const QFont& textFont() const { return font_; }
  bool wrapped() const { return wrapped_; }
  // Where the text is drawn.
  QRect TextRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QString text_;
  QFont font_;
  bool wrapped_ = false;
  int reserved_ = 0;
};

}  // namespace vellaro::app

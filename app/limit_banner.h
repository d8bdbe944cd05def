#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace vellaro::app {

// The band that says a session limit holds the next bet back: which limit and the
// numbers, in the largest font from the window's captions down to the smallest readable
// one that shows the text on one line; failing that the shorter form of the text, and then
// two lines of the smallest font. Its right end is left to the button
// that goes on anyway, a widget of its own. The pointer goes through the band to the
// background, which drags the window as before.
class LimitBanner final : public QWidget {
 public:
  explicit LimitBanner(QWidget* parent);

  // The room kept free at the right end, in pixels.
  void ReserveRight(int pixels);
  // `shorter` (when given) says the same with fewer words, for figures too long for `text`.
  void SetText(const QString& text, const QString& shorter = {});

  // The text drawn: the text given, or its shorter form where that one did not fit.
  const QString& text() const { return shown_; }
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
  QString shorter_;
  QString shown_;
  QFont font_;
  bool wrapped_ = false;
  int reserved_ = 0;
};

}  // namespace vellaro::app

#include "app/limit_banner.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/fitted_number.h"

namespace vellaro::app {

namespace {

// Dark amber with the gold of the artwork's frames: a warning, in the window's colours.
constexpr QColor kGround{58, 42, 8};
constexpr QColor kBorder{0xd2, 0x9f, 0x04};
constexpr QColor kText{0xff, 0xd8, 0x4a};
constexpr int kLargestPixels = 11;  // the captions of the options area
constexpr int kMargin = 6;

QFont BannerFont(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

}  // namespace

LimitBanner::LimitBanner(QWidget* parent) : QWidget(parent), font_(BannerFont(kLargestPixels)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LimitBanner::ReserveRight(int pixels) {
  reserved_ = pixels;
  Fit();
}

void LimitBanner::SetText(const QString& text, const QString& shorter) {
  if (text == text_ && shorter == shorter_) return;
  text_ = text;
  shorter_ = shorter;
  Fit();
}

QRect LimitBanner::TextRect() const {
  // The whole height: two lines of the smallest font need it.
  return rect().adjusted(kMargin, 0, -(kMargin + reserved_), 0);
}

void LimitBanner::Fit() {
  const QRect room = TextRect();
  QStringList forms = {text_};
  if (!shorter_.isEmpty()) forms << shorter_;
  update();
  wrapped_ = false;
  for (const QString& form : forms) {
    shown_ = form;
    for (int pixels = kLargestPixels; pixels >= kSmallestReadablePixels; --pixels) {
      font_ = BannerFont(pixels);
      if (QFontMetrics(font_).horizontalAdvance(form) <= room.width()) return;
    }
  }
  // Two lines of the smallest readable font, of the longer form where that fits.
  wrapped_ = true;
  for (const QString& form : forms) {
    shown_ = form;
    if (QFontMetrics(font_).boundingRect(room, Qt::TextWordWrap, form).height() <= room.height()) {
      return;
    }
  }
}

void LimitBanner::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Fit();
}

void LimitBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kGround);
  painter.setPen(kBorder);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(kText);
  painter.setFont(font_);
  // Qt's alignment flags are unsigned; drawText takes them as an int, and they all fit.
  const auto flags =
      static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter | (wrapped_ ? Qt::TextWordWrap : 0));
  painter.drawText(TextRect(), flags, shown_);
}

}  // namespace vellaro::app

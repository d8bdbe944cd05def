#include "app/error_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialog_above.h"

namespace vellaro::app {

namespace {

constexpr QChar kBreak{0x200B};  // zero width space: a place to wrap, drawn as nothing

// Every character of `piece` but the last may end a line.
QString BreakAnywhere(const QString& piece) {
  QString broken;
  for (const QChar c : piece) {
    if (!broken.isEmpty()) broken += kBreak;
    broken += c;
  }
  return broken;
}

// `message` with an invisible break after each slash, and within any other part of a word,
// wherever a word is too wide for `width` pixels of `font`: the label then wraps it where
// it has to.
QString BreakableText(const QString& message, const QFont& font, int width) {
  const QFontMetrics metrics(font);
  QStringList words = message.split(u' ');
  for (QString& word : words) {
    if (metrics.horizontalAdvance(word) <= width) continue;
    QStringList pieces = word.split(u'/');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
      const bool slash = i + 1 < pieces.size();
      if (metrics.horizontalAdvance(slash ? pieces[i] + u'/' : pieces[i]) > width) {
        pieces[i] = BreakAnywhere(pieces[i]);
      }
    }
    word = pieces.join(QString(u'/') + kBreak);
  }
  return words.join(u' ');
}

}  // namespace

ErrorBox::ErrorBox(const QString& message, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ErrorBox"));
  setWindowTitle(QStringLiteral("Vellaro"));
  setModal(true);
  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);
  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("ErrorBoxText"));
  label_->setWordWrap(true);
  label_->setTextFormat(Qt::PlainText);
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setText(BreakableText(message, label_->font(), kTextWidth));
  // As wide as the message needs, up to the width of a comfortable line.
  const int needed = label_->fontMetrics().horizontalAdvance(message);
  label_->setFixedWidth(std::min(needed + 2, kTextWidth));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  // Named here: Qt's own word is translated only where Qt's translations are installed.
  buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("ErrorBox", "OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->setSpacing(12);
  row->addWidget(icon);
  row->addWidget(label_, 1);
  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);  // the whole text, however many lines
  column->addLayout(row);
  column->addWidget(buttons);
  StandAbove(*this);
}

void ShowErrorBox(const QString& message, QWidget* parent) {
  ErrorBox box(message, parent);
  box.exec();
}

}  // namespace vellaro::app

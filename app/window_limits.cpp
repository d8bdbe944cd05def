// The session limits in the main window: the button that opens their dialog, and the
// banner while a limit holds the next bet back.

#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>

#include "app/limit_banner.h"
#include "app/limits_dialog.h"
#include "app/locked_look.h"
#include "app/main_window.h"
#include "app/picture_widget.h"
#include "app/tooltips.h"
#include "betting/withheld_text.h"

namespace vellaro::app {

namespace {

// Over the progress gauge and the readout, between the head and the frame of the board:
// the gauge is idle while a bet waits (the next spin's analysis clears it), and the board
// stays whole.
constexpr QRect kBannerPlace{13, 53, 423, 23};
constexpr int kButtonMargin = 2;  // between the button and the edge of the band

}  // namespace

void MainWindow::BuildLimits() {
  // Under the minimise button, beside the panel's button and drawn as its twin.
  const QRect place(398, 30, 21, 21);
  PictureWidget* button = AddPicture(QStringLiteral("LimitsButton"), QStringLiteral(":/limits.svg"),
                                     place, Control::kLimits);
  button->setCursor(Qt::PointingHandCursor);
  // Clears the other highlights as the frame buttons do; this one is the shell's own.
  button->OnMove([this](QMouseEvent&) {
    limits_button_hovered_ = true;
    Handle([this] { game().HeadImageMouseMove(); });
  });
  limits_hover_ = AddPicture(QStringLiteral("LimitsButtonLit"),
                             QStringLiteral(":/limits_hover.svg"), place, Control::kLimits);
  limits_hover_->setCursor(Qt::PointingHandCursor);
  limits_hover_->OnMove([](QMouseEvent&) {});
  limits_hover_->OnClick([this] { Handle([this] { OpenLimits(); }); });
  limits_hover_->hide();
}

void MainWindow::BuildLimitBanner() {
  limit_banner_ = new LimitBanner(this);
  Tag(limit_banner_, QStringLiteral("LimitBanner"), Control::kLimitBanner);
  limit_banner_->setGeometry(kBannerPlace);
  continue_anyway_ = new QPushButton(QStringLiteral("Continue anyway"), this);
  Tag(continue_anyway_, QStringLiteral("ContinueAnyway"), Control::kContinueAnyway);
  // The face of the buttons of the options area.
  QFont caption(QStringLiteral("MS Sans Serif"));
  caption.setPixelSize(11);
  caption.setBold(true);
  continue_anyway_->setFont(caption);
  PaintUsable(continue_anyway_, QPalette::Button, QColor(44, 72, 24), QColor(38, 44, 34));
  PaintUsable(continue_anyway_, QPalette::ButtonText, Qt::white, QColor(112, 112, 112));
  continue_anyway_->setCursor(Qt::PointingHandCursor);
  // The keys stay with the board: Enter enters a number, it never places a held-back bet.
  continue_anyway_->setFocusPolicy(Qt::NoFocus);
  const int width = QFontMetrics(caption).horizontalAdvance(continue_anyway_->text()) + 16;
  const int height = kBannerPlace.height() - 2 * kButtonMargin;
  continue_anyway_->setGeometry(kBannerPlace.right() - kButtonMargin - width + 1,
                                kBannerPlace.top() + kButtonMargin, width, height);
  connect(continue_anyway_, &QPushButton::clicked, this,
          [this] { Handle([this] { game().ContinueAnyway(); }); });
  limit_banner_->ReserveRight(width + kButtonMargin);
  limit_banner_->setToolTip(TooltipFor(Control::kLimitBanner));
  continue_anyway_->setToolTip(TooltipFor(Control::kContinueAnyway));
  limit_banner_->hide();
  continue_anyway_->hide();
}

void MainWindow::OpenLimits() {
  if (limits_dialog_ == nullptr) {
    limits_dialog_ = new LimitsDialog(
        [this](vellaro::LimitKind limit, std::optional<int32_t> value) {
          Handle([this, limit, value] { game().SetLimit(limit, value); });
        },
        this);
    limits_dialog_->setToolTip(TooltipFor(Control::kLimits));
    ApplyTooltips(*limits_dialog_);
    limits_dialog_->ShowLimits(game().Limits());
  }
  if (!limits_dialog_->isVisible()) {
    // Beside the window rather than over the board, where it fits.
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize size = limits_dialog_->size();
    QPoint at(frame.right() + 8, frame.top());
    if (at.x() + size.width() > screen.right()) at = {frame.left() - 8 - size.width(), frame.top()};
    if (at.x() < screen.left()) at = {frame.left(), frame.bottom() + 8};
    if (at.y() + size.height() > screen.bottom()) at = screen.topLeft();
    limits_dialog_->move(at);
  }
  limits_dialog_->show();
  limits_dialog_->raise();
  limits_dialog_->activateWindow();
}

void MainWindow::SyncLimits() {
  // The engine knows nothing of this button: its highlight follows the pointer here.
  SetShown(limits_hover_, limits_button_hovered_ || limits_hover_->underMouse());
  limits_button_hovered_ = false;
  if (limits_dialog_ != nullptr && limits_shown_.Changed(game().Limits())) {
    limits_dialog_->ShowLimits(game().Limits());
  }

  const std::optional<vellaro::BetWithheld>& withheld = game().WithheldBet();
  if (withheld && withheld_shown_.Changed(*withheld)) {
    banner_reason_ = QString::fromStdString(vellaro::WithheldReason(*withheld));
  }
  message_line_.SetHeldBack(withheld ? banner_reason_ : QString());
  // Made the first time a limit holds a bet back: most evenings never need it, and a push
  // button is the first of its kind in the window.
  if (limit_banner_ == nullptr && message_line_.BannerShown()) BuildLimitBanner();
  ShowMessageLine();
  if (limit_banner_ == nullptr) return;
  SetShown(limit_banner_, message_line_.BannerShown());
  SetShown(continue_anyway_, message_line_.BannerShown());
}

}  // namespace vellaro::app

#include "app/limits_area.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>

#include "app/area_host.h"
#include "app/limit_banner.h"
#include "app/limits_dialog.h"
#include "app/lit_button.h"
#include "app/locked_look.h"
#include "app/message_line.h"
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

LimitsArea::LimitsArea(AreaHost& host) : host_(host) {
  // Under the minimise button, beside the panel's button and drawn as its twin.
  const QRect place(398, 30, 21, 21);
  button_ = std::make_unique<LitButton>(host, QStringLiteral("LimitsButton"),
                                        QStringLiteral("limits"), place, Control::kLimits,
                                        [this] { host_.Run([this] { OpenDialog(); }); });
}

LimitsArea::~LimitsArea() = default;

void LimitsArea::BuildBanner() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  banner_ = new LimitBanner(&window);
  Tag(banner_, QStringLiteral("LimitBanner"), Control::kLimitBanner);
  banner_->setGeometry(kBannerPlace);
  continue_anyway_ =
      new QPushButton(QCoreApplication::translate("LimitsArea", "Continue anyway"), &window);
  Tag(continue_anyway_, QStringLiteral("ContinueAnyway"), Control::kContinueAnyway);
  // The face of the buttons of the options area.
  QFont caption(QStringLiteral("MS Sans Serif"));
  caption.setPixelSize(11);
  caption.setBold(true);
  continue_anyway_->setFont(caption);
  PaintUsable(continue_anyway_, QPalette::Button, QColor(44, 72, 24), QColor(38, 44, 34));
  PaintUsable(continue_anyway_, QPalette::ButtonText, Qt::white, QColor(112, 112, 112));
  continue_anyway_->setCursor(Qt::PointingHandCursor);
  // Reached by Tab, never by a click: the keys stay with the board, and Enter (which a
  // button outside a dialog leaves alone) enters a number, never places a held-back bet.
  continue_anyway_->setFocusPolicy(Qt::TabFocus);
  const int width = QFontMetrics(caption).horizontalAdvance(continue_anyway_->text()) + 16;
  const int height = kBannerPlace.height() - 2 * kButtonMargin;
  continue_anyway_->setGeometry(kBannerPlace.right() - kButtonMargin - width + 1,
                                kBannerPlace.top() + kButtonMargin, width, height);
  QObject::connect(continue_anyway_, &QPushButton::clicked, &window,
                   [&host] { host.Send(act::ContinueAnyway{}); });
  banner_->ReserveRight(width + kButtonMargin);
  banner_->setToolTip(TooltipFor(Control::kLimitBanner));
  continue_anyway_->setToolTip(TooltipFor(Control::kContinueAnyway));
  banner_->hide();
  continue_anyway_->hide();
}

void LimitsArea::OpenDialog() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  if (dialog_ == nullptr) {
    dialog_ = new LimitsDialog(
        [&host](vellaro::LimitKind limit, std::optional<int32_t> value) {
          host.Send(act::SetLimit{limit, value});
        },
        &window);
    dialog_->setToolTip(TooltipFor(Control::kLimits));
    ApplyTooltips(*dialog_);
    dialog_->ShowLimits(host.view().Limits());
    bindings_.Follow<vellaro::SessionLimits>(
        [](const vellaro::GameView& view) { return view.Limits(); },
        [this](const vellaro::SessionLimits& limits) { dialog_->ShowLimits(limits); });
  }
  if (!dialog_->isVisible()) {
    // Beside the window rather than over the board, where it fits.
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize size = dialog_->size();
    QPoint at(frame.right() + 8, frame.top());
    if (at.x() + size.width() > screen.right()) at = {frame.left() - 8 - size.width(), frame.top()};
    if (at.x() < screen.left()) at = {frame.left(), frame.bottom() + 8};
    if (at.y() + size.height() > screen.bottom()) at = screen.topLeft();
    dialog_->move(at);
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void LimitsArea::Sync(const vellaro::GameView& view, MessageLine& line) {
  button_->Sync();
  bindings_.Sync(view);
  // The next bet as the Risk tab, the report page and the summary read it.
  const std::optional<vellaro::BetWithheld> withheld = view.Next().withheld;
  if (withheld && withheld_shown_.Changed(*withheld)) {
    banner_reason_ = QString::fromStdString(vellaro::WithheldReason(*withheld));
  }
  line.SetHeldBack(withheld ? banner_reason_ : QString());
  // Made the first time a limit holds a bet back: most evenings never need it, and a push
  // button is the first of its kind in the window.
  if (banner_ == nullptr && line.BannerShown()) BuildBanner();
}

void LimitsArea::WriteBanner(const MessageLine& line) {
  if (banner_ != nullptr && line.BannerShown()) {
    banner_->SetText(line.BannerText(), line.ShorterBannerText());
  }
}

void LimitsArea::ShowBanner(const MessageLine& line) {
  if (banner_ == nullptr) return;
  SetShown(banner_, line.BannerShown());
  SetShown(continue_anyway_, line.BannerShown());
}

}  // namespace vellaro::app

// The "New session" control of the options area.

#include <QPushButton>

#include "app/locked_look.h"
#include "app/main_window.h"

namespace vellaro::app {

namespace {

// The face of the options area's buttons: the dark green of the selectors, a shade darker,
// with white bold text; grey on a darker face while locked.
constexpr QColor kButtonFace{44, 72, 24};
constexpr QColor kWhite = ToQColor(vellaro::kColourWhite);
// Above "Create Matrix", in the band between the two rows of the options area: a low
// button, as "ReCalculate" is beside the base stake.
constexpr QRect kNewSessionPlace{16, 346, 82, 12};

}  // namespace

void MainWindow::BuildNewSessionButton() {
  new_session_ = new QPushButton(QStringLiteral("New session"), this);
  new_session_->setObjectName(QStringLiteral("NewSession"));
  new_session_->setGeometry(kNewSessionPlace);
  new_session_->setFont(ArialFont(9, true));
  PaintUsable(new_session_, QPalette::Button, kButtonFace, kLockedGround);
  PaintUsable(new_session_, QPalette::ButtonText, kWhite, kLockedText);
  PointWhileUsable(new_session_);
  connect(new_session_, &QPushButton::clicked, this, [this] { Handle([this] { NewSession(); }); });
  // A session cannot end in the middle of an analysis, which is part of its last spin.
  BindEnabled(new_session_, [](const vellaro::Window& w) { return w.GameModes.enabled; });
}

}  // namespace vellaro::app

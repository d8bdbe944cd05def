// The "New session" control: in the head, beside the limits and the panel's buttons, drawn
// as their twin and well away from the matrix's buttons, since it ends the evening.

#include "app/lit_button.h"
#include "app/main_window.h"

namespace vellaro::app {

namespace {

// Left of the limits' button, the same gap between them as between the limits' and the
// panel's.
constexpr QRect kNewSessionPlace{372, 30, 21, 21};

}  // namespace

void MainWindow::BuildNewSessionButton() {
  new_session_ = std::make_unique<LitButton>(host(), QStringLiteral("NewSession"),
                                             QStringLiteral("new_session"), kNewSessionPlace,
                                             Control::kNewSession, [this] { AskNewSession(); });
}

}  // namespace vellaro::app

// "Add spins…": the head's button and Ctrl+Shift+V open the dialog of a list of spins,
// whose spins go to the game as one action of the player.

#include <QPushButton>

#include "app/add_spins_dialog.h"
#include "app/lit_button.h"
#include "app/main_window.h"
#include "app/tooltips.h"

namespace vellaro::app {

namespace {

// Under the title, left of the guide's button and clear of the undo and of the readout.
constexpr QRect kAddSpinsPlace{156, 30, 21, 21};

}  // namespace

void MainWindow::BuildAddSpinsButton() {
  add_spins_ = std::make_unique<LitButton>(
      *this, QStringLiteral("AddSpins"), QStringLiteral("add_spins"), kAddSpinsPlace,
      Control::kAddSpins, [this] { guard_.Run([this] { OpenAddSpins(QString()); }); });
}

void MainWindow::OpenAddSpins(const QString& text) {
  if (add_spins_dialog_ == nullptr) {
    add_spins_dialog_ = new AddSpinsDialog(
        guard_, [this](const std::vector<int>& spins) { EnterSpins(spins); }, this);
    ApplyTooltips(*add_spins_dialog_);
  }
  if (!text.isNull()) add_spins_dialog_->SetText(text);
  add_spins_dialog_->open();
  // A list pasted is there to be checked and confirmed: Enter enters it.
  if (!text.isNull()) add_spins_dialog_->enter_button()->setFocus();
}

void MainWindow::EnterSpins(const std::vector<int>& spins) {
  std::string refused;
  Handle([&] { refused = play_->EnterSpins(spins); });
  if (!refused.empty()) {
    message_line_.Refuse(QString::fromStdString(refused));
    ShowMessageLine();
  }
}

}  // namespace vellaro::app

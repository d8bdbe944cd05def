// "Add spins…": the head's button and Ctrl+Shift+V open the dialog of a list of spins,
// whose spins go to the game as one action of the player.

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "app/accessible_names.h"
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
      host(), QStringLiteral("AddSpins"), QStringLiteral("add_spins"), kAddSpinsPlace,
      Control::kAddSpins, [this] { guard_.Run([this] { OpenAddSpins(QString()); }); });
}

void MainWindow::BuildQuickAnalysis() {
  // A choice made once for the evening, not a control of the game: it sits in the window's
  // context menu (a right click anywhere but in an edit), with its key, and leaves the
  // window's drawn areas as they are.
  quick_analysis_item_ = new QAction(AccessibleName(Control::kQuickAnalysis), this);
  quick_analysis_item_->setObjectName(QStringLiteral("QuickAnalysis"));
  quick_analysis_item_->setCheckable(true);
  quick_analysis_item_->setToolTip(TooltipFor(Control::kQuickAnalysis));
  quick_analysis_item_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
  connect(quick_analysis_item_, &QAction::toggled, this,
          [this](bool on) { Handle([this, on] { SetQuickAnalysis(on); }); });
  addAction(quick_analysis_item_);  // its key works with the menu closed
  auto* menu = new QMenu(this);
  Tag(menu, QStringLiteral("WindowMenu"), Control::kQuickAnalysis);  // its one choice's help
  menu->setToolTipsVisible(true);
  menu->addAction(quick_analysis_item_);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->popup(mapToGlobal(at)); });
}

void MainWindow::SetQuickAnalysis(bool on) {
  quick_analysis_ = on;
  quick_analysis_item_->setChecked(on);  // no signal when it already is
}

void MainWindow::OpenAddSpins(const QString& text) {
  if (add_spins_dialog_ == nullptr) {
    add_spins_dialog_ = new AddSpinsDialog(
        guard_, [this](const std::vector<int>& spins) { return EnterSpins(spins); }, this);
    ApplyTooltips(*add_spins_dialog_);
  }
  if (!text.isNull()) add_spins_dialog_->SetText(text);
  add_spins_dialog_->open();
  // A list pasted is there to be checked and confirmed: Enter enters it.
  if (!text.isNull()) add_spins_dialog_->enter_button()->setFocus();
}

bool MainWindow::EnterSpins(const std::vector<int>& spins) {
  std::string refused;
  Handle([&] { refused = play_->EnterSpins(spins); });
  if (refused.empty()) return true;
  message_line_.Refuse(QString::fromStdString(refused));
  ShowMessageLine();
  return false;
}

}  // namespace vellaro::app

#pragma once

// "Add spins…": the head's button (and Ctrl+Shift+V, through the keyboard) opens the dialog
// of a list of spins, whose spins go to the game as one action of the player; and "Quick
// analysis", the window's context menu's one choice, under which each click's analysis
// runs to its end at once.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace vellaro::app {

class AddSpinsDialog;
class AreaHost;
class Guard;
class LitButton;

class AddSpinsFlow {
 public:
  // `enter_spins` enters a list at once, and says whether the game took it.
  AddSpinsFlow(AreaHost& host, Guard& guard,
               std::function<bool(const std::vector<int>&)> enter_spins);
  ~AddSpinsFlow();
  AddSpinsFlow(const AddSpinsFlow&) = delete;
  AddSpinsFlow& operator=(const AddSpinsFlow&) = delete;

  // The dialog, with `text` in its box unless it is null. Made the first time it opens.
  void Open(const QString& text);
  AddSpinsDialog* dialog() const { return dialog_; }
  void SetQuickAnalysis(bool on);
  bool QuickAnalysis() const { return quick_analysis_; }
  // The button's highlight follows the pointer.
  void Sync();

 private:
  void BuildQuickAnalysis();

  AreaHost& host_;
  Guard& guard_;
  std::function<bool(const std::vector<int>&)> enter_spins_;
  std::unique_ptr<LitButton> button_;
  AddSpinsDialog* dialog_ = nullptr;
  bool quick_analysis_ = false;
  QAction* quick_analysis_item_ = nullptr;
};

}  // namespace vellaro::app

#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>

#include "game/settings.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace vellaro::app {

// The session limits as five small edits in a dialog of the window's colours: the options
// area has no free room for them. An edit commits its value when confirmed (Enter, or the
// keyboard leaving it); an entry the game would not take is refused in the dialog's last
// line and the edit shows the value in force again.
class LimitsDialog final : public QDialog {
 public:
  using SetLimit = std::function<void(vellaro::LimitKind, std::optional<int32_t>)>;
  // `set_limit` hands a value read from an edit to the game.
  LimitsDialog(SetLimit set_limit, QWidget* parent);

  // The limits in force, in every edit but the one being typed in.
  void ShowLimits(const vellaro::SessionLimits& limits);

  QLineEdit* Edit(vellaro::LimitKind limit) const { return edits_[static_cast<size_t>(limit)]; }
  // Why the last entry was refused; empty after an entry was taken.
  QString Refusal() const;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void Commit(vellaro::LimitKind limit);
  // The caption, edit and unit of the limit in row `index` of the dialog's table.
  void AddRow(QGridLayout& grid, size_t index);
  void AddCloseButton(QGridLayout& grid);

  SetLimit set_limit_;
  vellaro::SessionLimits shown_;
  std::array<QLineEdit*, vellaro::kLimits> edits_{};
  QLabel* refusal_ = nullptr;
};

}  // namespace vellaro::app

#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "game/real_result.h"
#include "session/game_risk.h"

class QLabel;
class QTableWidget;

namespace vellaro::app {

// The Risk tab: what the risk text says of the evening where it stands (the same sentences
// as vellaro-sim's summary and the report page), and the list of the next shown losses.
class RiskTab final : public QWidget {
 public:
  explicit RiskTab(QWidget* parent = nullptr);

  // `past_session` names the stored session on show; none for this evening.
  void Show(const vellaro::RiskInputs& risk, const vellaro::RealResult::Counts& counts,
            std::optional<int64_t> past_session);

  QLabel* text() const { return text_; }

 private:
  QLabel* text_ = nullptr;
  QTableWidget* next_losses_ = nullptr;
};

}  // namespace vellaro::app

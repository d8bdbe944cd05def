#pragma once

// The session limits in the main window: the head's button that opens their dialog, the
// dialog, and the banner over the readout while a limit holds the next bet back.

#include <QString>
#include <memory>
#include <optional>

#include "app/window_parts.h"
#include "game/settings.h"

class QPushButton;

namespace vellaro::app {

class LimitBanner;
class LimitsDialog;
class AreaHost;
class LitButton;
class MessageLine;

class LimitsArea {
 public:
  explicit LimitsArea(AreaHost& host);
  ~LimitsArea();
  LimitsArea(const LimitsArea&) = delete;
  LimitsArea& operator=(const LimitsArea&) = delete;

  // Made the first time it opens. Null until then.
  LimitsDialog* dialog() const { return dialog_; }
  void OpenDialog();

  // Brings the button's highlight, the dialog and the reason of a bet held back up to
  // date, the reason into `line`; makes the banner the first time `line` shows it.
  void Sync(const vellaro::GameView& view, MessageLine& line);
  // Writes the banner's text, and shows or hides it, as `line` has it.
  void WriteBanner(const MessageLine& line);
  void ShowBanner(const MessageLine& line);

 private:
  void BuildBanner();

  AreaHost& host_;
  std::unique_ptr<LitButton> button_;
  LimitBanner* banner_ = nullptr;
  QPushButton* continue_anyway_ = nullptr;
  QString banner_reason_;
  LastShown<vellaro::BetWithheld> withheld_shown_;
  LimitsDialog* dialog_ = nullptr;
  // The dialog's figures, bound once it is made.
  Bindings bindings_;
};

}  // namespace vellaro::app

#pragma once

// The head of the window: its picture (which the window is dragged by), the version, the
// close, minimise and save buttons, the analysis gauge and the readout under them.

#include <QString>
#include <functional>

#include "app/readout.h"
#include "app/window_drag.h"
#include "app/window_parts.h"

namespace vellaro::app {

class AreaHost;
class GaugeBar;

class HeadArea {
 public:
  // `save_log`: the save button's command.
  HeadArea(AreaHost& host, std::function<void()> save_log);
  HeadArea(const HeadArea&) = delete;
  HeadArea& operator=(const HeadArea&) = delete;

  PictureWidget* head() const { return head_; }
  Readout* readout() const { return readout_; }
  // Where the evening stands, as the readout tells it: written only when the game moved on.
  const QString& progress_text() const { return progress_text_; }

  // The window lost the pointer (minimised, closed, another window took the focus): a drag
  // by the head is over.
  void EndDrag() { drag_.End(); }

  void Sync(const vellaro::GameView& view);
  void SyncProgress(const vellaro::GameView& view);

 private:
  void BuildButtons();

  AreaHost& host_;
  std::function<void()> save_log_;
  WindowDrag drag_;
  Bindings bindings_;
  PictureWidget* head_ = nullptr;
  GaugeBar* gauge_ = nullptr;
  Readout* readout_ = nullptr;
  LastShown<GameProgress> progress_;
  QString progress_text_;
};

}  // namespace vellaro::app

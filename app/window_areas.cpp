#include "app/window_areas.h"

#include <QWidget>

#include "app/accessible_names.h"
#include "app/area_host.h"
#include "app/bet_area.h"
#include "app/board_area.h"
#include "app/head_area.h"
#include "app/limits_area.h"
#include "app/options_area.h"
#include "app/session_readout.h"
#include "app/tooltips.h"

namespace vellaro::app {

WindowAreas::WindowAreas(AreaHost& host, std::function<vellaro::FilesInUse()> journal_files)
    : host_(host), journal_files_(std::move(journal_files)) {}

WindowAreas::~WindowAreas() = default;

void WindowAreas::BuildHead(std::function<void()> save_log) {
  head_ = std::make_unique<HeadArea>(host_, std::move(save_log));
}

void WindowAreas::BuildSessionReadout() {
  // Under the history strip, in the band the artwork leaves free above the gauge, clear of
  // the head's small buttons from x 346 on; room for "Spins 99999  Net -99999".
  session_readout_ = new SessionReadout(&host_.surface());
  session_readout_->setGeometry(214, 40, 130, 13);
}

void WindowAreas::BuildLimits() {
  limits_ = std::make_unique<LimitsArea>(host_);
}

void WindowAreas::BuildBoardAndBets(std::function<void(int)> click_number) {
  board_ = std::make_unique<BoardArea>(host_, std::move(click_number));
  bets_ = std::make_unique<BetArea>(host_);
}

void WindowAreas::BuildOptions() {
  QWidget& window = host_.surface();
  const QList<QWidget*> before = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  options_ = std::make_unique<OptionsArea>(host_, system_folders_, journal_files_);
  ApplyTooltips(window);
  NameControls(window);
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!before.contains(child)) child->show();
  }
}

void WindowAreas::SyncFrame(const vellaro::GameView& view) {
  // The options area is made the first time the player opens it: most games never need
  // it, and its widgets are a good part of the window's memory.
  if (options_ == nullptr && view.OptionsOpen()) BuildOptions();
  const QSize client(view.ClientWidth(), view.ClientHeight());
  if (client_size_.Changed(client)) host_.surface().setFixedSize(client);
  head_->Sync(view);
  board_->Sync(view);
  bets_->Sync(view);
}

void WindowAreas::SyncOptions(const vellaro::GameView& view) {
  if (options_ != nullptr) options_->Sync(view);
}

}  // namespace vellaro::app

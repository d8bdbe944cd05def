#pragma once

// The areas of the main window, each drawing the game on show: the head, the session's
// readout, the limits, the board, the bet display and the options area, which is made the
// first time the player opens it. They are built in the order they stack, the head lowest.

#include <QSize>
#include <functional>
#include <memory>

#include "app/system_catalogue.h"
#include "app/window_parts.h"
#include "export/file_replace.h"

namespace vellaro::app {

class AreaHost;
class BetArea;
class BoardArea;
class HeadArea;
class LimitsArea;
class OptionsArea;
class SessionReadout;

class WindowAreas {
 public:
  // The systems' editor never saves over one of `journal_files`.
  WindowAreas(AreaHost& host, std::function<vellaro::FilesInUse()> journal_files);
  ~WindowAreas();
  WindowAreas(const WindowAreas&) = delete;
  WindowAreas& operator=(const WindowAreas&) = delete;

  void BuildHead(std::function<void()> save_log);
  void BuildSessionReadout();
  void BuildLimits();
  void BuildBoardAndBets(std::function<void(int)> click_number);

  // Sizes the window to the part on show and redraws the head, the board and the bets;
  // makes the options area the first time the game has it open.
  void SyncFrame(const vellaro::GameView& view);
  void SyncOptions(const vellaro::GameView& view);

  HeadArea& head() const { return *head_; }
  LimitsArea& limits() const { return *limits_; }
  SessionReadout* session_readout() const { return session_readout_; }
  // Null until the player first opens it.
  OptionsArea* options() const { return options_.get(); }
  // Where the betting systems written as files are read from. Set before the options area
  // is made.
  const SystemFolders& system_folders() const { return system_folders_; }
  void SetSystemFolders(SystemFolders folders) { system_folders_ = std::move(folders); }

 private:
  void BuildOptions();

  AreaHost& host_;
  std::function<vellaro::FilesInUse()> journal_files_;
  SystemFolders system_folders_ = SystemFolders::Default();
  std::unique_ptr<HeadArea> head_;
  SessionReadout* session_readout_ = nullptr;
  std::unique_ptr<LimitsArea> limits_;
  std::unique_ptr<BoardArea> board_;
  std::unique_ptr<BetArea> bets_;
  std::unique_ptr<OptionsArea> options_;
  LastShown<QSize> client_size_;
};

}  // namespace vellaro::app

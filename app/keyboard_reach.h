#pragma once

// The window from the keyboard and to a screen reader: a Tab stop for every control drawn
// as pictures, in the order the player reads the window (the head's buttons row by row,
// the readouts, the board, the undo and the strip, the trends, the chips, the lamp, the
// options button; the options area and "Continue anyway" follow as they are made), the
// focus ring, and the news said as it happens.

#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/window_commands.h"

namespace vellaro {
class GameView;
}

namespace vellaro::app {

class Announcer;
class AreaHost;
class BoardKeys;
class KeyStop;
class MessageLine;
class SessionReadout;

class KeyboardReach {
 public:
  // What the stops read besides the game on show: the session's readout and its net
  // result, and whether digits are typed (they wait for Enter, whichever stop has the
  // focus). `enter_number` enters a number from the board's stop.
  struct Readers {
    const SessionReadout* session_readout = nullptr;
    std::function<int64_t()> session_net;
    std::function<bool()> typing;
    std::function<void(int)> enter_number;
  };

  KeyboardReach(AreaHost& host, WindowCommands commands, Readers readers);
  ~KeyboardReach();
  KeyboardReach(const KeyboardReach&) = delete;
  KeyboardReach& operator=(const KeyboardReach&) = delete;

  // The stops' shown state and what changed said; `journal`: what the journal says of
  // itself, empty when all is well.
  void Sync(const vellaro::GameView& view, const MessageLine& line, const QString& journal);
  BoardKeys* board_keys() const { return board_keys_; }
  const Announcer& announcer() const { return *announcer_; }

 private:
  void BuildHeadStops();
  void BuildReadoutStops();
  void BuildBoardStops();
  void BuildBetStops();
  void BuildChipStop(int k);
  void GiveHelp();
  KeyStop* AddStop(const QString& name, const QRect& place, const QString& said,
                   std::function<void()> press);

  AreaHost& host_;
  WindowCommands commands_;
  Readers readers_;
  BoardKeys* board_keys_ = nullptr;
  std::unique_ptr<Announcer> announcer_;
};

}  // namespace vellaro::app

#pragma once

// The number board with the undo and the history strip above it: the player's way of
// entering a spin, and of taking one back.

#include <QLabel>
#include <array>
#include <functional>

#include "app/window_parts.h"

namespace vellaro::app {

class AreaHost;

class BoardArea {
 public:
  // `click_number`: the game takes a number clicked on its tile.
  BoardArea(AreaHost& host, std::function<void(int)> click_number);
  BoardArea(const BoardArea&) = delete;
  BoardArea& operator=(const BoardArea&) = delete;

  // Where the tile of `number` lies in the window.
  static QRect TilePlace(int number);
  // The history strip, its squares from the newest on the left: in the artwork's slot and
  // clear of the "?" under the save button (x 346), which it must not cover.
  static QRect StripPlace();
  static QRect HistoryPlace(int i) { return {214 + 16 * i, 19, 15, 17}; }

  void Sync(const vellaro::GameView& view);

 private:
  void BuildStrip();
  void BuildTiles();

  void ClickNumber(int n);

  AreaHost& host_;
  std::function<void(int)> click_number_;
  Bindings bindings_;
};

}  // namespace vellaro::app

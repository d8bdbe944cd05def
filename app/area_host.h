#pragma once

// What an area of the main window may ask of the window that holds it: where to draw, the
// game on show to read while it is built, and the player's actions to send. An area keeps
// no hold of a game: it reads the one on show through this host, or the view it is handed
// at every redraw, so that the window may show another game in its place.

#include <functional>

#include "front/game_view.h"
#include "front/player_action.h"

class QWidget;

namespace vellaro::app {

class SvgCache;

class AreaHost {
 public:
  // The window's surface: the parent of the areas' widgets.
  virtual QWidget& surface() = 0;
  virtual SvgCache& svg() = 0;
  // The game on show, read as it stands now.
  virtual vellaro::GameView view() const = 0;
  // Runs the player's `action` on the game on show through the window's guard, then
  // redraws the window.
  virtual void Send(const vellaro::PlayerAction& action) = 0;
  // Hands the game on show an answer to what it asked of the window at a redraw (the
  // focus it asked for): no event of the player, so neither guarded nor redrawn again.
  virtual void Answer(const vellaro::PlayerAction& action) = 0;
  // Runs a command of the window itself (opening a dialog, closing the window) the same way.
  virtual void Run(const std::function<void()>& command) = 0;

 protected:
  AreaHost() = default;
  ~AreaHost() = default;
  AreaHost(const AreaHost&) = default;
  AreaHost& operator=(const AreaHost&) = default;
};

}  // namespace vellaro::app

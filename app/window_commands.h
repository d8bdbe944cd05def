#pragma once

// The window's own commands that more than one of its parts offers (a picture, its Tab
// stop, a key). Each is the bare command: the part that offers it runs it through the
// window's guard (AreaHost::Run) where the window's other controls do.

#include <functional>

namespace vellaro::app {

struct WindowCommands {
  std::function<void()> save_log;
  std::function<void()> open_add_spins;
  std::function<void()> open_guide;
  std::function<void()> ask_new_session;
  std::function<void()> open_limits;
  std::function<void()> toggle_panel;
};

}  // namespace vellaro::app

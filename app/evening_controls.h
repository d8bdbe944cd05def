#pragma once

// The head's controls of the evening as a whole: the session panel (its button and Ctrl+P),
// made the first time it opens and made again for each new evening on show, and "New
// session", drawn as their twin and well away from the matrix's buttons, since it ends the
// evening.

#include <QString>
#include <functional>
#include <memory>

namespace vellaro::app {

class AreaHost;
class LitButton;
class SessionPanelWindow;

class EveningControls {
 public:
  // `load_panel` makes a panel for the evening on show, or says why it cannot in its
  // argument; `ask_new_session` is New session's click.
  EveningControls(AreaHost& host, std::function<SessionPanelWindow*(QString& error)> load_panel,
                  std::function<void()> ask_new_session);
  ~EveningControls();
  EveningControls(const EveningControls&) = delete;
  EveningControls& operator=(const EveningControls&) = delete;

  // Builds New session's button (after the limits' and the guide's, as the head reads).
  void BuildNewSession();
  void TogglePanel();
  // A panel made for the evening that ended goes; one is made for the evening on show.
  void RenewPanel();
  // The panel goes with the window, before the window's widgets.
  void DropPanel();
  // Null until the panel first opens.
  SessionPanelWindow* panel() const { return panel_; }
  // The buttons' highlights follow the pointer; the panel, once per spin, the game.
  void Sync(bool analysis_running);

 private:
  void PlacePanel();

  AreaHost& host_;
  std::function<SessionPanelWindow*(QString& error)> load_panel_;
  std::function<void()> ask_new_session_;
  SessionPanelWindow* panel_ = nullptr;
  std::unique_ptr<LitButton> panel_button_;
  std::unique_ptr<LitButton> new_session_;
};

}  // namespace vellaro::app

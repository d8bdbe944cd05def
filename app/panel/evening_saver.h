#pragma once

#include <QString>
#include <string>

#include "front/game.h"
#include "session/session_track.h"

class QHBoxLayout;
class QWidget;

namespace vellaro::app {

class SessionChart;
class SessionPicker;

// "Save report…" and "Save chart…" of the session panel: the evening on show (this one, or
// the past one the picker shows) saved as the report page vellaro-sim writes for it, and its
// chart. What goes wrong is said in the picker's note.
class EveningSaver {
 public:
  EveningSaver(const vellaro::Game& game, const vellaro::SessionTrack& track,
               std::string journal_path, const SessionPicker& picker, SessionChart& chart);

  // The two buttons, added at the end of `row`.
  void AddButtons(QHBoxLayout& row, QWidget& parent, SessionPicker& note);

  // Each returns why it could not, or an empty text. The chart is SVG for a name ending in
  // .svg, else PNG.
  QString SaveReport(const QString& path) const;
  QString SaveChart(const QString& path) const;

 private:
  const vellaro::Game& game_;
  const vellaro::SessionTrack& track_;
  std::string journal_path_;
  const SessionPicker& picker_;
  SessionChart& chart_;
};

}  // namespace vellaro::app

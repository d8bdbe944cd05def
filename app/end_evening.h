#pragma once

// Ending the evening on show: the question that names what ends, asked before "New session"
// and before a stored evening takes its place.

#include <QString>

#include "game/real_result.h"

class QWidget;

namespace vellaro::app {

// "End this evening — 53 spins, net +4 — and start a new one?", with the figures of the
// readout; `then` says what follows ("start a new one").
QString EndEveningQuestion(const vellaro::RealResult::Counts& counts, const QString& then);

// Asks `question` in a box above `window`, keeping the evening the default answer (Enter and
// Escape keep it). True when the player chose to end it.
bool AskToEndEvening(QWidget* window, const QString& question);

// The box's object name and its two buttons', for the player's tests.
inline constexpr char kEndEveningBox[] = "EndEvening";
inline constexpr char kEndEveningYes[] = "EndEveningYes";
inline constexpr char kEndEveningNo[] = "EndEveningNo";

}  // namespace vellaro::app

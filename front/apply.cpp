// The player's actions, each handed to the part that does it.

#include <utility>

#include "front/game.h"

namespace vellaro {

void Game::Apply(const PlayerAction& action) {
  std::visit([this](const auto& a) { Do(a); }, action);
}

void Game::Do(const act::EnterNumber& a) {
  // A refused entry changes nothing at all: setting CurrentNum or replacing the undo
  // snapshot during an analysis would let the next undo take back a half-finished spin.
  if (!board_.Accepts()) return;
  CurrentNum.tag = a.number;
  Analyse();
}

void Game::Do(const act::Undo& a) {
  if (UndoButton.visible) Undo(/*held_stake=*/a.bet_said_again);
}

void Game::Do(const act::Redo& /*a*/) {
  if (RedoOffered()) Redo();
}

void Game::Do(const act::ChooseMode& a) {
  analysis_.SelectGameMode(a.index);
}
void Game::Do(const act::ChooseSystem& a) {
  betting_.SelectBetStrategy(a.index);
}
void Game::Do(const act::ChooseWrittenSystem& a) {
  betting_.SelectCustomSystem(a.system);
}
void Game::Do(const act::TypeBaseStake& a) {
  betting_.TypeInitBet(a.text);
}
void Game::Do(const act::LeaveBaseStake& /*a*/) {
  betting_.LeaveInitBet();
}
void Game::Do(const act::TypeOnWins& a) {
  betting_.TypeOnWins(a.text);
}
void Game::Do(const act::TypeAddToBet& a) {
  betting_.TypeAddToBet(a.text);
}
void Game::Do(const act::SetSafeLevel& a) {
  analysis_.MoveSafeLevel(a.position);
}
void Game::Do(const act::SwitchTrendOn& a) {
  betting_.TrendSwitchOnClick(a.chance);
}
void Game::Do(const act::ClickActiveTrend& a) {
  betting_.TrendActiveClick(a.chance);
}
void Game::Do(const act::ResetBets& /*a*/) {
  betting_.ResetBetsClick();
}
void Game::Do(const act::Recalculate& /*a*/) {
  analysis_.ReCalculate();
}
void Game::Do(const act::CreateMatrix& /*a*/) {
  analysis_.CreateMatrixClick();
}
void Game::Do(const act::ResetMatrix& /*a*/) {
  analysis_.ResetMatrixClick();
}
void Game::Do(const act::ToggleCategoryRows& /*a*/) {
  analysis_.CatRowsClick();
}
void Game::Do(const act::ToggleShowStake& /*a*/) {
  betting_.ShowBetSizeClick();
}

void Game::Do(const act::ToggleAutomaticReset& a) {
  if (a.limits_asked_again) {
    betting_.Bet_Automatic_ResetClick();
  } else {
    betting_.Bet_Automatic_ResetClickAsBefore();
  }
}

void Game::Do(const act::ToggleMinimalProfit& /*a*/) {
  betting_.Get_Minimal_ProfitClick();
}
void Game::Do(const act::SetLimit& a) {
  betting_.SetLimit(a.limit, a.value);
}
void Game::Do(const act::ContinueAnyway& /*a*/) {
  betting_.ContinueAnyway();
}
void Game::Do(const act::FocusTaken& /*a*/) {
  Focus.clear();
}
void Game::Do(const act::ToggleOptions& /*a*/) {
  board_.OptionsClick();
}

void Game::Do(const act::PointerOver& a) {
  switch (a.part) {
    case act::FramePart::kHead:
      board_.HeadImageMouseMove();
      break;
    case act::FramePart::kNumber:
      board_.NumberMouseMove(a.index);
      break;
    case act::FramePart::kClose:
      board_.Button_CloseMouseMove();
      break;
    case act::FramePart::kMinimize:
      board_.Button_MinimizeMouseMove();
      break;
    case act::FramePart::kSave:
      board_.Button_SaveMouseMove();
      break;
    case act::FramePart::kOptions:
      board_.Image_Options1MouseMove();
      break;
    case act::FramePart::kIdleTrend:
      board_.TrendIdleMouseMove(a.index);
      break;
  }
}

}  // namespace vellaro

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "front/game.h"
#include "game/text_number.h"

namespace vellaro {

void Game::SaveState() {
  // Rewritten in place on every spin: the lines of the chips on show take the stake, and
  // of the others, mostly "0" already, those that are not become "0". Which lines those
  // are is as random as the chance shown, so they are found as bit masks, not by a branch
  // per line.
  std::array<char, 12> digits;  // "-2147483648" at most
  const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), Stake).ptr;
  const std::string_view stake(digits.data(), static_cast<size_t>(end - digits.data()));
  SaveBets.resize(kChances);
  unsigned shown = 0;
  unsigned not_zero = 0;
  for (int k = 0; k < kChances; ++k) {
    const std::string& line = SaveBets[k];
    shown |= static_cast<unsigned>(Chip[k].visible) << k;
    const unsigned other_length = line.size() != 1;
    const unsigned other_text = line[0] != '0';
    not_zero |= (other_length | other_text) << k;
  }
  for (unsigned m = shown; m != 0; m &= m - 1) {
    SaveBets[static_cast<size_t>(std::countr_zero(m))].assign(stake);
  }
  for (unsigned m = not_zero & ~shown; m != 0; m &= m - 1) {
    SaveBets[static_cast<size_t>(std::countr_zero(m))].assign(1, '0');
  }
  SavedBalance = Balance;
  SavedBalanceTarget = BalanceTarget;
  SavedUpTrendWins = UpTrendWins;
  SavedDeepSum = DeepSum;
  SavedDeepRemainder = DeepRemainder;
  SavedMatrixStep = MatrixStep;
  betting_.KeepWithheldForUndo();
  betting_.KeepProgressForUndo();
}

void Game::LoadState(bool held_stake) {
  for (int k = 0; k < kChances; ++k) {
    const int32_t stake = StrToInt(SaveBets[k]);
    if (stake > 0) {
      Stake = stake;
      Chip[k].visible = true;
      Field[k].visible = true;
      BetChance = ChanceCode(k);  // a later chance in the order wins
    }
  }
  // One row back, but not past the row before the spin taken back: a spin that found a
  // tie or an exhausted column did not move it.
  if (ModeId == 5) MatrixStep = std::max(SavedMatrixStep, MatrixStep - 1);
  board_.NumberInactive();
  Balance = SavedBalance;
  BalanceTarget = SavedBalanceTarget;
  UpTrendWins = SavedUpTrendWins;
  DeepSum = SavedDeepSum;
  DeepRemainder = SavedDeepRemainder;
  // A bet held back before the spin taken back waits again, with its stake: the
  // recommendation the spin settled comes back as a chip on show does.
  betting_.RestoreWithheldForUndo(held_stake);
  // A system the player wrote goes back to its place, line or cycle and the stake that
  // went with it, whether or not that stake was on show.
  betting_.RestoreProgressForUndo();
}

void Game::GameHistoryBack(bool held_stake) {
  betting_.HideBets();
  board_.TakeBackSpin();
  LoadState(held_stake);
}

namespace {

// The window's frame: what the pointer and the options button change, not the game. A redo
// leaves it as it stands.
void CopyFrame(const Window& from, Window& to) {
  to.ClientWidth = from.ClientWidth;
  to.ClientHeight = from.ClientHeight;
  to.Button_Close = from.Button_Close;
  to.Button_Close_Hover = from.Button_Close_Hover;
  to.Button_Minimize = from.Button_Minimize;
  to.Button_Minimize_2 = from.Button_Minimize_2;
  to.Button_Save = from.Button_Save;
  to.Button_Save_Hover = from.Button_Save_Hover;
  to.Image_Options1 = from.Image_Options1;
  to.Image_Options2 = from.Image_Options2;
  to.Image_Options3 = from.Image_Options3;
  to.OptionsTag = from.OptionsTag;
  to.Image_Act = from.Image_Act;  // hover highlights
  to.Trend_1 = from.Trend_1;      // likewise
  to.Focus = from.Focus;
}

}  // namespace

void Game::Undo(bool held_stake) {
  const int64_t index = SpinsInHistory();
  // Kept for the redo without the history list, which is set aside meanwhile.
  TextLines history;
  history.swap(NumbersList);
  redo_ = BeforeUndo{static_cast<const GameState&>(*this), static_cast<const Window&>(*this),
                     history.empty() ? std::nullopt : std::optional(history.back()), board_.own(),
                     betting_.own()};
  events_.NoteUndo();
  NumbersList.swap(history);
  GameHistoryBack(held_stake);
  UndoCredit = 0;
  ImageUndo.visible = false;
  UndoButton.visible = false;
  // CurrentNum still holds the number taken back.
  events_.Emit(SpinUndone{index, CurrentNum.tag});
  if (held_stake) {
    betting_.ReportWithheld();
    events_.NoteUndo();  // what it says of the bet it brought back is part of the undo
  }
}

void Game::Redo() {
  BeforeUndo before = std::move(*redo_);
  redo_.reset();
  CopyFrame(*this, before.window);
  TextLines history = std::move(NumbersList);
  if (before.last_line) history.push_back(std::move(*before.last_line));
  static_cast<GameState&>(*this) = before.state;
  static_cast<Window&>(*this) = std::move(before.window);
  NumbersList = std::move(history);
  board_.Restore(before.board);
  betting_.Restore(before.betting);
  // The real result comes back through the event, as every listener's does.
  events_.Emit(SpinRedone{SpinsInHistory(), CurrentNum.tag});
}

}  // namespace vellaro

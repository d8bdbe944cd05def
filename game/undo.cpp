#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "game/game.h"
#include "game/text_number.h"

namespace vellaro {

void Game::SaveState() {
  // Rewritten in place on every spin: the line of a chip takes the stake, and of the other
  // lines, mostly "0" already, only those that are not become "0".
  std::array<char, 12> digits;  // "-2147483648" at most
  const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), Stake).ptr;
  const std::string_view stake(digits.data(), static_cast<size_t>(end - digits.data()));
  SaveBets.resize(kChances);
  for (int k = 0; k < kChances; ++k) {
    std::string& line = SaveBets[k];
    if (Chip[k].visible) {
      line.assign(stake);
    } else if (line.size() != 1 || line[0] != '0') {
      line.assign(1, '0');
    }
  }
  SavedBalance = Balance;
  SavedBalanceTarget = BalanceTarget;
  SavedUpTrendWins = UpTrendWins;
  SavedDeepSum = DeepSum;
  SavedDeepRemainder = DeepRemainder;
  SavedMatrixStep = MatrixStep;
  saved_withheld_ = withheld_;
}

void Game::LoadState() {
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
  NumberInactive();
  Balance = SavedBalance;
  BalanceTarget = SavedBalanceTarget;
  UpTrendWins = SavedUpTrendWins;
  DeepSum = SavedDeepSum;
  DeepRemainder = SavedDeepRemainder;
  withheld_ = saved_withheld_;  // a bet held back before the spin taken back waits again
}

void Game::GameHistoryBack() {
  HideBets();
  ShiftHistoryBack();
  DropLastSpin();
  if (spins_in_history_ > 0) --spins_in_history_;
  if (SpinCount < StartThreshold) --SpinCount;
  LoadState();
}

void Game::Undo() {
  const int64_t index = spins_in_history_;
  GameHistoryBack();
  UndoCredit = 0;
  ImageUndo.visible = false;
  UndoButton.visible = false;
  Emit(SpinUndone{index, CurrentNum.tag});  // CurrentNum still holds the number taken back
}

void Game::UndoClick() {
  if (UndoButton.visible) Undo();
}

}  // namespace vellaro

#include "game/game.h"
#include "game/text_number.h"

namespace vellaro {

bool Game::BetOnShow() const {
  // Without branches: asked at least twice per spin, and the chips are six flags.
  static_assert(kChances == 6);
  return (int{Chip[0].visible} | int{Chip[1].visible} | int{Chip[2].visible} |
          int{Chip[3].visible} | int{Chip[4].visible} | int{Chip[5].visible}) != 0;
}

void Game::ShowChance(int k) {
  Field[k].visible = true;
  Chip[k].visible = true;
  BetSizeShow[k].visible = true;
}

void Game::HideChance(int k) {
  Field[k].visible = false;
  Chip[k].visible = false;
  BetSizeShow[k].visible = false;
}

void Game::HideBets() {
  for (Picture& chip : Chip) chip.visible = false;
  for (Picture& field : Field) field.visible = false;
  for (Label& stake : BetSizeShow) stake.visible = false;
}

void Game::ShowValuesTick() {
  Label30.caption = IntToStr(Balance);
  Label31.caption = IntToStr(BalanceTarget);
  for (Label* counter : {&Adaptive1, &Adaptive2, &Adaptive3}) {
    counter->caption = IntToStr(counter->tag);
  }
  Label14.caption = IntToStr(DeepSum);
  Label15.caption = IntToStr(DeepRemainder);
  CurrentNum.caption = IntToStr(CurrentNum.tag);
  PreviousNum.caption = IntToStr(PreviousNum.tag);
  Label7.caption = IntToStr(WinStreak);
  Label8.caption = IntToStr(LossStreak);

  const std::string stake = IntToStr(Stake);
  for (Label& label : BetSizeShow) label.caption = stake;
  if (!ShowBetSize.checked) {
    for (Label& label : BetSizeShow) label.visible = false;
    return;
  }
  for (int k = 0; k < kChances; ++k) {
    if (Chip[k].visible) BetSizeShow[k].visible = true;
  }
}

void Game::ShowBetSizeClick() {
  ShowBetSize.checked = !ShowBetSize.checked;
  Emit(SettingChanged{Setting::kShowBet, ShowBetSize.checked ? 1 : 0});
}

}  // namespace vellaro

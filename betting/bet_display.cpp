#include "betting/betting.h"
#include "game/text_number.h"

namespace vellaro {

Betting::Betting(GameState& state, Window& ui, EventSink& events, const Board& board,
                 Scheduler& scheduler, bool display_timers)
    : state_(state),
      ui_(ui),
      events_(events),
      board_(board),
      ShowValues(scheduler, 10, display_timers, [this] { ShowValuesTick(); }) {}

bool Betting::BetOnShow() const {
  // Without branches: asked at least twice per spin, and the chips are six flags.
  static_assert(kChances == 6);
  return (int{ui_.Chip[0].visible} | int{ui_.Chip[1].visible} | int{ui_.Chip[2].visible} |
          int{ui_.Chip[3].visible} | int{ui_.Chip[4].visible} | int{ui_.Chip[5].visible}) != 0;
}

void Betting::PutAwayBets() {
  if (events_.Heard<BetSettled>()) own_.settling_shown = BetOnShow();
  own_.withheld.reset();  // not taken up: it is settled as a tracked bet
  HideBets();
}

void Betting::Recommend(int k) {
  // A mode that chose no chance recommends nothing: the trend filter must not turn the
  // choice of an earlier spin into a bet.
  if (k < 0 || k >= kChances) return;
  state_.BetChance = ChanceCode(k);
  if (state_.LossStreak >= ui_.SafeLevel.position) ShowChance(k);
  Trend_Check();
  if (BetOnShow() && own_.limits.Any()) WithholdOverLimit();
  Balance_Check();
  if (!events_.Heard<BetShown>() && !events_.Heard<BetTracked>()) return;
  const auto chance = static_cast<Chance>(ChanceIndex(state_.BetChance));
  if (BetOnShow()) {
    events_.Emit(BetShown{chance, state_.Stake});
  } else {
    events_.Emit(BetTracked{chance, state_.Stake});
  }
}

void Betting::ShowChance(int k) {
  ui_.Field[k].visible = true;
  ui_.Chip[k].visible = true;
  ui_.BetSizeShow[k].visible = true;
}

void Betting::HideChance(int k) {
  ui_.Field[k].visible = false;
  ui_.Chip[k].visible = false;
  ui_.BetSizeShow[k].visible = false;
}

void Betting::HideBets() {
  for (Picture& chip : ui_.Chip) chip.visible = false;
  for (Picture& field : ui_.Field) field.visible = false;
  for (Label& stake : ui_.BetSizeShow) stake.visible = false;
}

void Betting::ShowValuesTick() {
  ui_.Label30.caption = IntToStr(state_.Balance);
  ui_.Label31.caption = IntToStr(state_.BalanceTarget);
  for (Label* counter : {&ui_.Adaptive1, &ui_.Adaptive2, &ui_.Adaptive3}) {
    counter->caption = IntToStr(counter->tag);
  }
  ui_.Label14.caption = IntToStr(state_.DeepSum);
  ui_.Label15.caption = IntToStr(state_.DeepRemainder);
  ui_.CurrentNum.caption = IntToStr(ui_.CurrentNum.tag);
  ui_.PreviousNum.caption = IntToStr(ui_.PreviousNum.tag);
  ui_.Label7.caption = IntToStr(state_.WinStreak);
  ui_.Label8.caption = IntToStr(state_.LossStreak);

  const std::string stake = IntToStr(state_.Stake);
  for (Label& label : ui_.BetSizeShow) label.caption = stake;
  if (!ui_.ShowBetSize.checked) {
    for (Label& label : ui_.BetSizeShow) label.visible = false;
    return;
  }
  for (int k = 0; k < kChances; ++k) {
    if (ui_.Chip[k].visible) ui_.BetSizeShow[k].visible = true;
  }
}

void Betting::SetDisplayTimer(bool on) {
  ShowValues.SetRunning(on);
  // What the ticks would have written meanwhile, at once rather than at their next tick.
  if (on) ShowValuesTick();
}

void Betting::ShowBetSizeClick() {
  ui_.ShowBetSize.checked = !ui_.ShowBetSize.checked;
  events_.Emit(SettingChanged{Setting::kShowBet, ui_.ShowBetSize.checked ? 1 : 0});
}

}  // namespace vellaro

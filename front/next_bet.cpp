#include "front/next_bet.h"

#include "betting/withheld_text.h"
#include "front/game_view.h"
#include "game/text_number.h"
#include "text/translate.h"

namespace vellaro {

NextBet NextBetOf(const Game& game) {
  NextBet next;
  next.system = GameView(game).SystemName();
  next.stake = game.state().Stake;
  next.withheld = game.WithheldBet();
  if (next.withheld) {
    next.standing = NextBetStanding::kHeldBack;
  } else if (game.BetOnShow()) {
    next.standing = NextBetStanding::kOnShow;
  } else if (game.state().SpinCount >= GameState::StartThreshold) {
    next.standing = NextBetStanding::kTracked;
  }
  return next;
}

std::string SystemLine(const NextBet& next) {
  return TrFormat("betting system: {1}", {next.system});
}

std::string NextBetLine(const NextBet& next) {
  const std::string stake = CountedText(next.stake, N_("{1} unit"), N_("{1} units"));
  switch (next.standing) {
    case NextBetStanding::kOnShow:
      return TrFormat("next bet: {1}, on show", {stake});
    case NextBetStanding::kHeldBack:
      return TrFormat(
          "next bet: {1}, held back, so no bet is on show and the evening stops "
          "here unless the player continues anyway ({2})",
          {stake, WithheldReason(*next.withheld)});
    case NextBetStanding::kTracked:
      return TrFormat(
          "next bet: none on show (the recommendation is only tracked); the "
          "system's stake is {1}",
          {stake});
    case NextBetStanding::kNotYet:
      break;
  }
  return TrFormat(
      "next bet: none yet (the first is recommended after the fifth spin); the "
      "system's stake is {1}",
      {stake});
}

}  // namespace vellaro

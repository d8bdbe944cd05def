#include "game/history.h"

#include <array>
#include <string>

#include "game/game.h"
#include "game/text_number.h"
#include "game/types.h"

namespace vellaro {

Rgb PocketColour(int n) {
  // Looked up: the number is random, and a branch on its colour is mispredicted often.
  static constexpr std::array<Rgb, kNumbers> kColours = [] {
    std::array<Rgb, kNumbers> colours{};
    for (int k = 0; k < kNumbers; ++k) {
      const Rgb colour = k == 0 ? kGreenPocket : kBlackPocket;
      colours[static_cast<size_t>(k)] = IsRedNumber(k) ? kRedPocket : colour;
    }
    return colours;
  }();
  return kColours[static_cast<size_t>(n)];
}

void Game::CurrentNumber() {
  NumbersList.emplace_back(NumberText(CurrentNum.tag));
  ForgetOldHistory();
  // HisNum1 still shows the number accepted before this one.
  if (SpinCount > 2) PreviousNum.tag = StrToInt(HisNum[0].caption);
}

namespace {

// The strip shifts on every spin, and its captions are numbers of one or two digits: those
// are copied character by character, without the library's general copy.
void CopyCaption(std::string& to, const std::string& from) {
  const size_t n = from.size();
  if (n > 2 || n != to.size()) {
    to = from;
    return;
  }
  if (n > 0) to[0] = from[0];
  if (n > 1) to[1] = from[1];
}

}  // namespace

void Game::GameHistory() {
  for (size_t i = HisNum.size() - 1; i > 0; --i) {
    HisNum[i].background = HisNum[i - 1].background;
    CopyCaption(HisNum[i].caption, HisNum[i - 1].caption);
  }
  HisNum[0].caption = NumberText(CurrentNum.tag);
  HisNum[0].background = PocketColour(CurrentNum.tag);
}

void Game::ShiftHistoryBack() {
  // HisNum9 keeps what it held, so HisNum8 and HisNum9 end up alike.
  for (size_t i = 0; i + 1 < HisNum.size(); ++i) {
    HisNum[i].background = HisNum[i + 1].background;
    HisNum[i].caption = HisNum[i + 1].caption;
  }
}

void Game::ForgetOldHistory() {
  // In batches, so that the cost per spin stays tiny.
  constexpr size_t kBatch = 4096;
  const size_t keep = run_.history_kept;
  if (keep == 0 || NumbersList.size() < keep + kBatch) return;
  NumbersList.erase(NumbersList.begin(), NumbersList.end() - static_cast<std::ptrdiff_t>(keep));
}

void Game::DropLastSpin() {
  if (!NumbersList.empty()) NumbersList.pop_back();
}

}  // namespace vellaro

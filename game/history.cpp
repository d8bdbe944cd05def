#include "game/history.h"

#include <array>
#include <bit>
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

// Moves every caption of the strip one slot on (the first keeps its own). Its captions are
// numbers of one or two digits, and which of them change length is as random as the numbers:
// a branch per caption on its length would be mispredicted on most spins. So the digits are
// written without branches and only the captions that change length are visited, as the
// bits of a mask. A strip with any other caption (the empty ones of a new game) takes the
// library's copy.
template <size_t N>
void ShiftCaptions(std::array<Label, N>& strip) {
  static_assert(N <= 32);
  std::array<size_t, N> length{};
  std::array<char, N> first{};
  std::array<char, N> second{};  // '\0' for one digit: its terminator
  bool one_or_two_chars = true;
  for (size_t i = 0; i < N; ++i) {
    const std::string& caption = strip[i].caption;
    length[i] = caption.size();
    one_or_two_chars &= caption.size() - 1 < 2;
    first[i] = caption.data()[0];
    second[i] = caption.data()[caption.size() < 1 ? 0 : 1];
  }
  if (!one_or_two_chars) {
    for (size_t i = N - 1; i > 0; --i) strip[i].caption = strip[i - 1].caption;
    return;
  }
  unsigned longer = 0;
  unsigned shorter = 0;
  for (size_t i = N - 1; i > 0; --i) {
    const bool grows = length[i] < length[i - 1];
    longer |= static_cast<unsigned>(grows) << i;
    shorter |= static_cast<unsigned>(length[i] > length[i - 1]) << i;
    char* text = strip[i].caption.data();
    text[0] = first[i - 1];
    // A caption that grows keeps its terminator until push_back moves it.
    text[1] = grows ? '\0' : second[i - 1];
  }
  for (unsigned m = longer; m != 0; m &= m - 1) {
    const auto i = static_cast<size_t>(std::countr_zero(m));
    strip[i].caption.push_back(second[i - 1]);
  }
  for (unsigned m = shorter; m != 0; m &= m - 1) {
    strip[static_cast<size_t>(std::countr_zero(m))].caption.pop_back();
  }
}

}  // namespace

void Game::GameHistory() {
  for (size_t i = HisNum.size() - 1; i > 0; --i) HisNum[i].background = HisNum[i - 1].background;
  ShiftCaptions(HisNum);
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

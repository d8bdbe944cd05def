#include "game/history.h"

#include <array>
#include <bit>
#include <string>

#include "game/board.h"
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

void Board::CurrentNumber() {
  ui_.NumbersList.emplace_back(NumberText(ui_.CurrentNum.tag));
  ForgetOldHistory();
  // HisNum1 still shows the number accepted before this one.
  if (state_.SpinCount > 2) ui_.PreviousNum.tag = StrToInt(ui_.HisNum[0].caption);
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

void Board::GameHistory() {
  auto& strip = ui_.HisNum;
  for (size_t i = strip.size() - 1; i > 0; --i) strip[i].background = strip[i - 1].background;
  ShiftCaptions(strip);
  strip[0].caption = NumberText(ui_.CurrentNum.tag);
  strip[0].background = PocketColour(ui_.CurrentNum.tag);
}

void Board::ShiftHistoryBack() {
  // HisNum9 keeps what it held, so HisNum8 and HisNum9 end up alike.
  auto& strip = ui_.HisNum;
  for (size_t i = 0; i + 1 < strip.size(); ++i) {
    strip[i].background = strip[i + 1].background;
    strip[i].caption = strip[i + 1].caption;
  }
}

void Board::ForgetOldHistory() {
  // In batches, so that the cost per spin stays tiny.
  constexpr size_t kBatch = 4096;
  const size_t keep = run_.history_kept;
  TextLines& log = ui_.NumbersList;
  if (keep == 0 || log.size() < keep + kBatch) return;
  log.erase(log.begin(), log.end() - static_cast<std::ptrdiff_t>(keep));
}

void Board::DropLastSpin() {
  if (!ui_.NumbersList.empty()) ui_.NumbersList.pop_back();
}

}  // namespace vellaro

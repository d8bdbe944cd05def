// The number matrix: three columns of random chances, a learning phase that scores them
// against the spins, and Mode 5, which then plays the best column row by row.

#include "betting/chance.h"
#include "betting/saturate.h"
#include "game/game.h"
#include "game/text_number.h"

namespace vellaro {

namespace {

constexpr Rgb kNavy{0, 0, 128};

// Line `row` of a column, or "" past its end.
const std::string& LineAt(const ListBox& column, int64_t row) {
  static const std::string kEmpty;
  if (row < 0 || row >= static_cast<int64_t>(column.lines.size())) return kEmpty;
  return column.lines[static_cast<size_t>(row)];
}

}  // namespace

ListBox& Game::AdaptiveList(int column) {
  return column == 1 ? AdaptiveList1 : column == 2 ? AdaptiveList2 : AdaptiveList3;
}

Label& Game::AdaptiveHits(int column) {
  return column == 1 ? Adaptive1 : column == 2 ? Adaptive2 : Adaptive3;
}

void Game::Reset_Matrix() {
  for (int c = 1; c <= 3; ++c) {
    AdaptiveList(c).lines.clear();
    AdaptiveHits(c).tag = 0;
  }
  MatrixStep = 0;
  MatrixFlag = 0;
}

void Game::CreateMatrix() {
  Reset_Matrix();
  ResetMatrixButton.enabled = false;
  CreateMatrixButton.enabled = false;
  GameModes.enabled = false;
  BetStrategy.enabled = false;
  SeedForChoice();
  for (int c = 1; c <= 3; ++c) {
    TextLines& lines = AdaptiveList(c).lines;
    lines.reserve(MatrixLimit);
    for (int32_t i = 0; i < MatrixLimit; ++i) {
      lines.push_back(IntToStr(Randomizer.Next() % 6));
      CGauge3.Add(1);
    }
  }
  CGauge3.Set(0);
  // The spin the undo would take back belongs to the mode before the matrix.
  UndoButton.visible = false;
  ImageUndo.visible = false;
  ShowNumbers();
  ResetMatrixButton.enabled = true;
  GameModes.enabled = true;
  BetStrategy.enabled = true;
  Emit(MatrixCreated{});
  ChangeModeId(Mode::kMatrix);  // the following entries learn, then play the matrix
}

void Game::CreateMatrixClick() {
  // Not while an analysis runs: the matrix re-enables the mode box, which would reopen the
  // board in the middle of it.
  if (CreateMatrixButton.enabled && !AnimationRunning()) CreateMatrix();
}

void Game::ResetMatrix() {
  ResetBets();
  Emit(LedgerReset{ResetReason::kMatrixReset, Stake});
  Reset_Matrix();
  HideNumbers();
  HideBets();
  withheld_.reset();  // its chip is gone with the others
  MatrixFlag = 0;
  ResetMatrixButton.enabled = false;
  CreateMatrixButton.enabled = true;
  UndoButton.visible = false;
  ImageUndo.visible = false;
  Emit(MatrixDiscarded{});
  // Play goes on in the mode of the box, so the board comes back for it.
  ChangeModeId(kGameModeIds[static_cast<size_t>(GameModes.index)]);
  ShowNumbers();
}

void Game::ResetMatrixClick() {
  if (ResetMatrixButton.enabled && !AnimationRunning()) ResetMatrix();
}

void Game::Mode5() {
  BeginModeRun(/*settle=*/MatrixFlag == 1);  // nothing is settled while learning
  Mode5Timer.Start();
}

void Game::Mode5TimerTick() {
  SeedFromClock();
  constexpr int32_t kStep = 8;
  CGauge1.Add(kStep);
  if (CGauge1.progress != CGauge1.max) {
    NoteUnfinishedTick(Mode5Timer, kStep);
  } else {
    unfinished_timer_ = nullptr;
    Analyse_Matrix();
    AllEnabledAfter(Mode5Timer);
    Mode5Timer.Stop();
    CGauge1.Set(0);
    Emit(AnalysisEnded{Mode::kMatrix});
  }
}

void Game::Analyse_Matrix() {
  const int32_t learning = ReadSpinEdit(N_Count);
  if (MatrixStep < learning) {
    for (int c = 1; c <= 3; ++c) {
      // A line that is no digit 0..5 (past the end, or no matrix) scores nothing.
      const std::optional<int32_t> k = ParseInt(LineAt(AdaptiveList(c), MatrixStep));
      if (k && WinsChanceIndex(CurrentNum.tag, *k)) {
        Label& hits = AdaptiveHits(c);
        hits.tag = Saturate(int64_t{hits.tag} + 1);
      }
    }
    MatrixStep = Saturate(int64_t{MatrixStep} + 1);
  }
  if (MatrixStep >= learning) Define_Matrix();
}

void Game::Define_Matrix() {
  if (MatrixFlag == 0) {
    const int32_t hits[4] = {0, Adaptive1.tag, Adaptive2.tag, Adaptive3.tag};
    for (int c = 1; c <= 3; ++c) {
      const int a = c % 3 + 1, b = (c + 1) % 3 + 1;  // the other two columns
      if (hits[c] > hits[a] && hits[c] > hits[b]) {
        MatrixFlag = 1;
        MatrixColumn = c;
        AdaptiveList(c).colour = kNavy;
      }
    }
    // A tie for the top lengthens learning by one spin.
    if (MatrixFlag == 0) N_Count.text = IntToStr(int64_t{ReadSpinEdit(N_Count)} + 1);
  }
  if (MatrixFlag == 1) M5Calculate();
}

void Game::M5Calculate() {
  const ListBox& column = AdaptiveList(MatrixColumn);
  if (MatrixStep < 0 || MatrixStep >= static_cast<int64_t>(column.lines.size())) {
    // The column is exhausted: no recommendation, and the step stays where it is.
    BetChance = kNoChance;
    return;
  }
  const int32_t k = StrToInt(column.lines[static_cast<size_t>(MatrixStep)]);
  ++MatrixStep;
  ShowRecommendation(k);
}

void Game::Arith_ProgClick() {
  Arith_Prog.checked = !Arith_Prog.checked;
  Geom_Prog.checked = false;
}

void Game::Geom_ProgClick() {
  Geom_Prog.checked = !Geom_Prog.checked;
  Arith_Prog.checked = false;
}

}  // namespace vellaro

// The number matrix: three columns of random chances, a learning phase that scores them
// against the spins, and Mode 5, which then plays the best column row by row.

#include "analysis/mode_runner.h"
#include "betting/chance.h"
#include "betting/saturate.h"
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

ListBox& ModeRunner::AdaptiveList(int column) {
  return column == 1 ? ui_.AdaptiveList1 : column == 2 ? ui_.AdaptiveList2 : ui_.AdaptiveList3;
}

Label& ModeRunner::AdaptiveHits(int column) {
  return column == 1 ? ui_.Adaptive1 : column == 2 ? ui_.Adaptive2 : ui_.Adaptive3;
}

void ModeRunner::Reset_Matrix() {
  for (int c = 1; c <= 3; ++c) {
    AdaptiveList(c).lines.clear();
    AdaptiveHits(c).tag = 0;
  }
  state_.MatrixStep = 0;
  state_.MatrixFlag = 0;
}

void ModeRunner::CreateMatrix() {
  Reset_Matrix();
  ui_.ResetMatrixButton.enabled = false;
  ui_.CreateMatrixButton.enabled = false;
  ui_.GameModes.enabled = false;
  ui_.BetStrategy.enabled = false;
  SeedForChoice();
  for (int c = 1; c <= 3; ++c) {
    TextLines& lines = AdaptiveList(c).lines;
    lines.reserve(GameState::MatrixLimit);
    for (int32_t i = 0; i < GameState::MatrixLimit; ++i) {
      lines.push_back(IntToStr(Randomizer.Next() % 6));
      ui_.CGauge3.Add(1);
    }
  }
  ui_.CGauge3.Set(0);
  // The spin the undo would take back belongs to the mode before the matrix.
  ui_.UndoButton.visible = false;
  ui_.ImageUndo.visible = false;
  board_.ShowNumbers();
  ui_.ResetMatrixButton.enabled = true;
  ui_.GameModes.enabled = true;
  ui_.BetStrategy.enabled = true;
  events_.Emit(MatrixCreated{});
  ChangeModeId(Mode::kMatrix);  // the following entries learn, then play the matrix
}

void ModeRunner::CreateMatrixClick() {
  // Not while an analysis runs: the matrix re-enables the mode box, which would reopen the
  // board in the middle of it.
  if (ui_.CreateMatrixButton.enabled && !AnimationRunning()) CreateMatrix();
}

void ModeRunner::ResetMatrix() {
  betting_.ResetBets();
  events_.Emit(LedgerReset{ResetReason::kMatrixReset, state_.Stake});
  Reset_Matrix();
  board_.HideNumbers();
  betting_.HideBets();
  betting_.ForgetWithheld();  // its chip is gone with the others
  state_.MatrixFlag = 0;
  ui_.ResetMatrixButton.enabled = false;
  ui_.CreateMatrixButton.enabled = true;
  ui_.UndoButton.visible = false;
  ui_.ImageUndo.visible = false;
  events_.Emit(MatrixDiscarded{});
  // Play goes on in the mode of the box, so the board comes back for it.
  ChangeModeId(kGameModeIds[static_cast<size_t>(ui_.GameModes.index)]);
  board_.ShowNumbers();
}

void ModeRunner::ResetMatrixClick() {
  if (ui_.ResetMatrixButton.enabled && !AnimationRunning()) ResetMatrix();
}

void ModeRunner::Mode5() {
  BeginModeRun(/*settle=*/state_.MatrixFlag == 1);  // nothing is settled while learning
  Mode5Timer.Start();
}

void ModeRunner::Mode5TimerTick() {
  SeedFromClock();
  constexpr int32_t kStep = 8;
  ui_.CGauge1.Add(kStep);
  if (ui_.CGauge1.progress != ui_.CGauge1.max) {
    NoteUnfinishedTick(Mode5Timer, kStep);
  } else {
    unfinished_timer_ = nullptr;
    Analyse_Matrix();
    AllEnabledAfter(Mode5Timer);
    Mode5Timer.Stop();
    ui_.CGauge1.Set(0);
    events_.Emit(AnalysisEnded{Mode::kMatrix});
  }
}

void ModeRunner::Analyse_Matrix() {
  const int32_t learning = ReadSpinEdit(ui_.N_Count);
  if (state_.MatrixStep < learning) {
    for (int c = 1; c <= 3; ++c) {
      // A line that is no digit 0..5 (past the end, or no matrix) scores nothing.
      const std::optional<int32_t> k = ParseInt(LineAt(AdaptiveList(c), state_.MatrixStep));
      if (k && WinsChanceIndex(ui_.CurrentNum.tag, *k)) {
        Label& hits = AdaptiveHits(c);
        hits.tag = Saturate(int64_t{hits.tag} + 1);
      }
    }
    state_.MatrixStep = Saturate(int64_t{state_.MatrixStep} + 1);
  }
  if (state_.MatrixStep >= learning) Define_Matrix();
}

void ModeRunner::Define_Matrix() {
  if (state_.MatrixFlag == 0) {
    const int32_t hits[4] = {0, ui_.Adaptive1.tag, ui_.Adaptive2.tag, ui_.Adaptive3.tag};
    for (int c = 1; c <= 3; ++c) {
      const int a = c % 3 + 1, b = (c + 1) % 3 + 1;  // the other two columns
      if (hits[c] > hits[a] && hits[c] > hits[b]) {
        state_.MatrixFlag = 1;
        state_.MatrixColumn = c;
        AdaptiveList(c).colour = kNavy;
      }
    }
    // A tie for the top lengthens learning by one spin.
    if (state_.MatrixFlag == 0) ui_.N_Count.text = IntToStr(int64_t{ReadSpinEdit(ui_.N_Count)} + 1);
  }
  if (state_.MatrixFlag == 1) M5Calculate();
}

void ModeRunner::M5Calculate() {
  const ListBox& column = AdaptiveList(state_.MatrixColumn);
  if (state_.MatrixStep < 0 || state_.MatrixStep >= static_cast<int64_t>(column.lines.size())) {
    // The column is exhausted: no recommendation, and the step stays where it is.
    state_.BetChance = kNoChance;
    return;
  }
  const int32_t k = StrToInt(column.lines[static_cast<size_t>(state_.MatrixStep)]);
  ++state_.MatrixStep;
  betting_.Recommend(k);
}

void ModeRunner::Arith_ProgClick() {
  ui_.Arith_Prog.checked = !ui_.Arith_Prog.checked;
  ui_.Geom_Prog.checked = false;
}

void ModeRunner::Geom_ProgClick() {
  ui_.Geom_Prog.checked = !ui_.Geom_Prog.checked;
  ui_.Arith_Prog.checked = false;
}

}  // namespace vellaro

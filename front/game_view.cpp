#include "front/game_view.h"

#include <cstddef>

#include "export/game_log.h"
#include "text/translate.h"

namespace vellaro {

namespace {

size_t At(int index) {
  return static_cast<size_t>(index);
}

// The game keeps its captions in English (marked for the catalogue where they are set); a
// person reads them in the current language.
CheckBox Translated(const CheckBox& box) {
  CheckBox shown = box;
  shown.caption = Tr(box.caption.c_str());
  return shown;
}

Button Translated(const Button& button) {
  Button shown = button;
  shown.caption = Tr(button.caption.c_str());
  return shown;
}

Caption Translated(const Label& label) {
  return {Tr(label.caption.c_str()), label.colour};
}

}  // namespace

int32_t GameView::ClientWidth() const {
  return game_.controls().ClientWidth;
}

int32_t GameView::ClientHeight() const {
  return game_.controls().ClientHeight;
}

bool GameView::OptionsOpen() const {
  return game_.controls().OptionsOpen();
}

bool GameView::HeadButtonLit(HeadButton button) const {
  const Window& w = game_.controls();
  switch (button) {
    case HeadButton::kClose:
      return w.Button_Close_Hover.visible;
    case HeadButton::kMinimize:
      return w.Button_Minimize_2.visible;
    case HeadButton::kSave:
      return w.Button_Save_Hover.visible;
  }
  return false;
}

bool GameView::OptionsButtonLit() const {
  return game_.controls().Image_Options2.visible;
}

bool GameView::OptionsButtonShowsOpen() const {
  return game_.controls().Image_Options3.visible;
}

bool GameView::TileShown(int number) const {
  return game_.controls().Image[At(number)].visible;
}

bool GameView::TileLit(int number) const {
  return game_.controls().Image_Act[At(number)].visible;
}

bool GameView::UndoShown() const {
  return game_.controls().ImageUndo.visible;
}

HistorySquare GameView::History(int square) const {
  const Label& slot = game_.controls().HisNum[At(square)];
  return {slot.visible, slot.caption, slot.colour, slot.background};
}

int64_t GameView::EnteredSpins() const {
  return static_cast<int64_t>(game_.controls().NumbersList.size());
}

std::string GameView::LogText() const {
  return GameLogText(game_.controls().NumbersList);
}

Gauge GameView::AnalysisGauge() const {
  return game_.controls().CGauge1;
}

int32_t GameView::AcceptedSpins() const {
  return game_.state().SpinCount;
}

int32_t GameView::FirstAnalysisSpin() {
  return kFirstRecommendedSpin;
}

MatrixProgress GameView::Matrix() const {
  const GameState& s = game_.state();
  return {s.ModeId == static_cast<int32_t>(Mode::kMatrix), s.MatrixFlag == 1, s.MatrixStep,
          MatrixLearning(), s.MatrixColumn};
}

ChipOnShow GameView::Chip(int chance) const {
  const Window& w = game_.controls();
  const size_t k = At(chance);
  return {w.Field[k].visible, w.Chip[k].visible, w.BetSizeShow[k].visible, w.BetSizeShow[k].caption,
          w.BetSizeShow[k].colour};
}

bool GameView::TrendSwitchLit(int chance) const {
  return game_.controls().Trend_1[At(chance)].visible;
}

bool GameView::TrendActive(int chance) const {
  return game_.controls().Trend_2[At(chance)].visible;
}

SafeLevelLamp GameView::Lamp() const {
  // The green picture lies over the dark one, which shows whenever the lamp is lit.
  const Window& w = game_.controls();
  if (w.SL_Indicator2.visible) return SafeLevelLamp::kGreen;
  return w.SL_Indicator1.visible ? SafeLevelLamp::kDark : SafeLevelLamp::kOff;
}

SpinEdit GameView::BaseStake() const {
  return game_.controls().Init_Bet;
}

ComboBox GameView::ModeBox() const {
  return game_.controls().GameModes;
}

ComboBox GameView::SystemBox() const {
  return game_.controls().BetStrategy;
}

int32_t GameView::ModeIndex() const {
  return game_.controls().GameModes.index;
}

bool GameView::ModeBoxEnabled() const {
  return game_.controls().GameModes.enabled;
}

int32_t GameView::SystemIndex() const {
  return game_.controls().BetStrategy.index;
}

bool GameView::SystemBoxEnabled() const {
  return game_.controls().BetStrategy.enabled;
}

std::string GameView::SystemName() const {
  if (const CustomSystem* custom = game_.SelectedCustomSystem()) return custom->rules.name;
  const int index = game_.controls().BetStrategy.index;
  return index >= 0 && index < kBettingSystems ? kBettingSystemNames[static_cast<size_t>(index)]
                                               : std::string();
}

std::optional<CustomSystem> GameView::WrittenSystem() const {
  const CustomSystem* custom = game_.SelectedCustomSystem();
  if (custom == nullptr) return std::nullopt;
  return *custom;
}

Button GameView::ResetBetsButton() const {
  return Translated(game_.controls().ResetBetsButton);
}

Button GameView::RecalculateButton() const {
  return Translated(game_.controls().ReCalculateButton);
}

Gauge GameView::RecalculationGauge() const {
  return game_.controls().CGauge2;
}

Button GameView::CreateMatrixButton() const {
  return Translated(game_.controls().CreateMatrixButton);
}

Gauge GameView::MatrixGauge() const {
  return game_.controls().CGauge3;
}

SpinEdit GameView::MatrixLearningEdit() const {
  return game_.controls().N_Count;
}

int32_t GameView::MatrixLearning() const {
  SpinEdit learning = game_.controls().N_Count;  // read as the game reads it, on a copy
  return ReadSpinEdit(learning);
}

Button GameView::ResetMatrixButton() const {
  return game_.controls().ResetMatrixButton;
}

TrackBar GameView::SafeLevelTrack() const {
  return game_.controls().SafeLevel;
}

std::string GameView::SafeLevelLosses() const {
  return game_.controls().Label4.caption;
}

CheckBox GameView::CatRows() const {
  return game_.controls().CatRows;
}

CheckBox GameView::ShowBet() const {
  return Translated(game_.controls().ShowBetSize);
}

CheckBox GameView::AutomaticReset() const {
  return Translated(game_.controls().Bet_Automatic_Reset);
}

CheckBox GameView::MinimalProfit() const {
  return Translated(game_.controls().Get_Minimal_Profit);
}

Caption GameView::UpTrenderTitle() const {
  return Translated(game_.controls().GroupBox1);
}

Caption GameView::UpTrenderWinsCaption() const {
  return Translated(game_.controls().Label28);
}

Caption GameView::UpTrenderAddCaption() const {
  return Translated(game_.controls().Label29);
}

SpinEdit GameView::UpTrenderWins() const {
  return game_.controls().On_Wins;
}

SpinEdit GameView::UpTrenderAdd() const {
  return game_.controls().Add_To_Bet;
}

bool GameView::FocusAsked() const {
  return !game_.controls().Focus.empty();
}

bool GameView::FocusOnShowBet() const {
  return game_.controls().Focus == "ShowBetSize";
}

}  // namespace vellaro

#pragma once

// The options area below the board, shown while the window is open to its full height:
// the base stake, the mode and the system, the matrix, the SAFE LEVEL, the check boxes and
// the UP-TRENDER settings. Made the first time the player opens it.

#include <QLabel>
#include <memory>
#include <string>

#include "app/system_catalogue.h"
#include "app/window_parts.h"
#include "export/file_replace.h"
#include "game/controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace vellaro::app {

class AreaHost;
class GaugeBar;
class SystemBox;
class SystemEditor;
class SystemFolderWatch;

class OptionsArea {
 public:
  // The systems written as files are read from `folders`; the editor's saves never go over
  // one of `journal_files`.
  OptionsArea(AreaHost& host, SystemFolders folders,
              std::function<vellaro::FilesInUse()> journal_files);
  ~OptionsArea();
  OptionsArea(const OptionsArea&) = delete;
  OptionsArea& operator=(const OptionsArea&) = delete;

  void Sync(const vellaro::GameView& view);
  // "Systems…": the editor of the systems written as files, made when first opened.
  void OpenSystemEditor();
  SystemEditor* system_editor() const { return system_editor_; }
  SystemBox& system_box() { return *system_box_; }

 private:
  void BuildStakeRow(const vellaro::GameView& view);
  void BuildSystemsButton();
  void BuildRecalculation(const vellaro::GameView& view);
  void BuildMatrixRow(const vellaro::GameView& view);
  void BuildSafeLevel(const vellaro::GameView& view);
  void BuildTicks(const vellaro::GameView& view);
  void BuildUpTrender(const vellaro::GameView& view);
  QSpinBox* AddUpTrenderSetting(const QString& name, const vellaro::SpinEdit& edit,
                                const QRect& place, vellaro::PlayerAction (*type)(std::string));
  // What the area draws, each widget's property bound to the view: read at every redraw,
  // written only when the game changed it.
  void BindEnabled();
  void BindFigures();

  AreaHost& host_;
  SystemFolders folders_;
  std::function<vellaro::FilesInUse()> journal_files_;
  Bindings bindings_;
  QSpinBox* base_stake_ = nullptr;
  QComboBox* game_mode_ = nullptr;
  QComboBox* system_ = nullptr;
  std::unique_ptr<SystemBox> system_box_;
  std::unique_ptr<SystemFolderWatch> folder_watch_;
  QPushButton* systems_ = nullptr;
  SystemEditor* system_editor_ = nullptr;
  QPushButton* reset_bets_ = nullptr;
  QPushButton* recalculate_ = nullptr;
  GaugeBar* recalculation_gauge_ = nullptr;
  QPushButton* create_matrix_ = nullptr;
  GaugeBar* matrix_gauge_ = nullptr;
  QSpinBox* learning_ = nullptr;
  QPushButton* reset_matrix_ = nullptr;
  QLabel* safe_level_value_ = nullptr;
  QSlider* safe_level_ = nullptr;
  QCheckBox* cat_rows_ = nullptr;
  QCheckBox* show_bet_ = nullptr;
  QCheckBox* automatic_reset_ = nullptr;
  QCheckBox* minimal_profit_ = nullptr;
  QGroupBox* up_trender_ = nullptr;
  QLabel* wins_caption_ = nullptr;
  QLabel* add_caption_ = nullptr;
  QSpinBox* wins_ = nullptr;
  QSpinBox* add_ = nullptr;
};

}  // namespace vellaro::app

#pragma once

#include <string>

namespace vellaro {

// The properties of the game-log save dialog. FileName keeps the name chosen last while
// the program runs.
struct SaveDialogSettings {
  std::string Title = "Save Vellaro 4 Game History...";
  std::string FilterDescription = "Notepad file *.txt";
  std::string FilterPattern = "*.txt";
  std::string DefaultExt = "txt";
  bool ConfirmOverwrite = true;
  bool HideReadOnly = true;
  bool Resizable = true;
  std::string FileName;
};

// The common file-save dialog. The window shows the toolkit's; tests answer for the player.
class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // Shows the dialog with `settings` and waits for the player. Returns false if the player
  // cancelled; otherwise stores the chosen name in settings.FileName.
  virtual bool Execute(SaveDialogSettings& settings) = 0;
};

}  // namespace vellaro

#pragma once

#include "export/save_dialog.h"

class QFileDialog;
class QWidget;

namespace vellaro::app {

// The toolkit's file-save dialog for the game log.
class QtSaveDialog final : public SaveDialog {
 public:
  explicit QtSaveDialog(QWidget* parent) : parent_(parent) {}
  bool Execute(SaveDialogSettings& settings) override;

 private:
  QWidget* parent_;
};

// Gives `dialog` the title, filter, default extension and behaviour of `settings`, and
// selects the name chosen last. Separate from Execute so that tests can check it.
void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogSettings& settings);

}  // namespace vellaro::app

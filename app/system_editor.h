#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "app/system_catalogue.h"
#include "export/file_replace.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vellaro::app {

class AreaHost;

// "Systems…": the betting systems written as files, one edited at a time. The text is read
// at every keystroke: an error is shown at its line and under the text, and while it reads
// the next stakes after 1 to 10 losses in a row and after a win are shown in units of the
// base stake. Presets are read only ("Save as" copies one into the player's folder). Save
// writes the whole file at once and lists it again in the box; "Use" plays the text shown.
class SystemEditor final : public QDialog {
 public:
  // Asks a name for a new file, suggesting one; empty: the player gave up.
  using AskName = std::function<QString(const QString& suggested)>;

  // Over `host`'s window, reading and writing the systems of `folders`; a file written never
  // goes over one of `journal_files`. `saved` is called after each file written, so that
  // the box lists what is there now.
  SystemEditor(AreaHost& host, SystemFolders folders,
               std::function<vellaro::FilesInUse()> journal_files, std::function<void()> saved);

  // Lists the folders again, keeping the file open in the editor selected.
  void ListFiles();
  // Opens the file of the list's row `row`.
  void Open(int row);
  // Tests answer instead of the toolkit's dialog.
  void SetAskName(AskName ask) { ask_name_ = std::move(ask); }
  // Greys "Use" while the game would refuse a change of system.
  void SetSystemsUsable(bool usable);

  QListWidget* files() const { return files_; }
  QPlainTextEdit* text() const { return text_; }
  QLabel* error() const { return error_; }
  QTableWidget* preview() const { return preview_; }
  const QString& path() const { return path_; }

  void New();
  void Save();
  void SaveAs();
  void Use();

 private:
  void BuildList();
  void BuildPreview();
  void BuildButtons();
  void Read();
  void ShowErrors();
  void ShowPreview(const vellaro::SystemDefinition& rules);
  void FitPreview();
  // What the status says after a file is written: where, and the errors it was saved with.
  QString SavedText(const QString& path) const;
  // A new file in the player's folder, named by the player; empty when none is made.
  // `typed`, if given, receives the name as the player typed it.
  QString AskNewPath(const QString& suggested, QString* typed = nullptr);
  bool Write(const QString& path);
  void Status(const QString& text);

  AreaHost& host_;
  SystemFolders folders_;
  std::function<vellaro::FilesInUse()> journal_files_;
  std::function<void()> saved_;
  AskName ask_name_;
  std::vector<SystemEntry> entries_;
  QString path_;         // the file being edited; empty for a text not yet saved
  bool preset_ = false;  // the file being edited is a preset: read only
  std::optional<vellaro::CustomSystem> parsed_;
  std::vector<vellaro::SystemFileError> errors_;  // of the text shown, in line order
  QString saved_text_;  // as the file holds it, for a status that follows the edits
  bool usable_ = true;
  QListWidget* files_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QLabel* error_ = nullptr;
  QTableWidget* preview_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* use_ = nullptr;
};

}  // namespace vellaro::app

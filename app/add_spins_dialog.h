#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "replay/spin_list.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vellaro::app {

class Guard;

// "Add spins…": a list of numbers typed, pasted or read from a file, entered at once. It
// reads the list again at every change and says, before anything is entered, how many
// spins it will enter and the first and last, or why it cannot, with the place of the bad
// token; the enter button is usable only with a list that reads whole. A list entered
// leaves the box empty, and the same list again is entered only once the player agrees.
class AddSpinsDialog final : public QDialog {
 public:
  // `enter` is handed the spins, oldest first, when the player confirms them, and says
  // whether they were entered.
  AddSpinsDialog(Guard& guard, std::function<bool(const std::vector<int>&)> enter, QWidget* parent);

  // Puts `text` in the box, as a list (not a CSV).
  void SetText(const QString& text);
  // Reads the file at `path` into the box: a CSV (by its name) with the choice of its
  // column, anything else as a list. A file that cannot be read says why in place of the
  // summary.
  void LoadFile(const QString& path);
  // What the dialog says of the list now: "Enter 3 spins: 5 … 17", or why not.
  QString Summary() const;
  // The spins the list holds, oldest first; none while it does not read.
  const std::vector<int>& Spins() const { return spins_; }

  QPlainTextEdit* text() const { return text_; }
  QCheckBox* newest_first() const { return newest_; }
  QComboBox* column() const { return column_; }
  QPushButton* enter_button() const { return enter_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildRows();
  void Reread();
  void ChooseFile();
  void FillColumns(const std::string& text);
  replay::SpinListOptions Options() const;
  void EnterList();

  Guard& guard_;
  std::function<bool(const std::vector<int>&)> enter_spins_;
  QPlainTextEdit* text_ = nullptr;
  QCheckBox* newest_ = nullptr;
  QPushButton* file_ = nullptr;
  QComboBox* column_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* enter_ = nullptr;
  // Whether the box holds a CSV, read by its column.
  bool csv_ = false;
  std::vector<int> spins_;
  // The list entered last: the same list again is most likely the same paste twice.
  std::vector<int> entered_;
};

// The question asked before a list equal to the one entered last is entered again; the
// box's object name and its two buttons', for the player's tests.
inline constexpr char kEnterAgainBox[] = "EnterAgain";
inline constexpr char kEnterAgainYes[] = "EnterAgainYes";
inline constexpr char kEnterAgainNo[] = "EnterAgainNo";

// "Enter 3 spins: 5 … 17": what a summary says of `spins`, oldest first.
QString SpinsSummary(const std::vector<int>& spins);

}  // namespace vellaro::app

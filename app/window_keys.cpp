// The keyboard of the main window: numbers typed and entered with Enter, the undo and redo
// keys.

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include "app/main_window.h"

namespace vellaro::app {

namespace {

// What Backspace says when nothing is typed.
constexpr const char* kUndoKeyHint =
    QT_TRANSLATE_NOOP("WindowKeys", "Nothing typed: Ctrl+Z undoes the last spin");

}  // namespace

bool MainWindow::PressKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
  const int k = key.key();
  const bool ctrl_z = k == Qt::Key_Z && held == Qt::ControlModifier;
  const bool redo = (k == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier)) ||
                    (k == Qt::Key_Y && held == Qt::ControlModifier);
  const bool paste = k == Qt::Key_V && held == (Qt::ControlModifier | Qt::ShiftModifier);
  if (held != Qt::NoModifier && !ctrl_z && !redo && !paste) return false;
  if (paste) {
    // The clipboard's text, in the dialog of a list of spins: nothing is entered before
    // the player has seen what it holds.
    guard_.Run([this] { OpenAddSpins(QGuiApplication::clipboard()->text()); });
  } else if (ctrl_z) {
    Handle([this] { game().Apply(act::Undo{}); });  // acts only while the undo is offered
  } else if (redo) {
    Handle([this] { game().Apply(act::Redo{}); });  // acts only right after an undo
  } else if (k >= Qt::Key_0 && k <= Qt::Key_9) {
    if (keyboard_.Digit(k - Qt::Key_0) == KeyboardEntry::Action::kRefused) {
      message_line_.Refuse(QString::fromStdString(keyboard_.Refusal()));
    }
  } else if (k == Qt::Key_Return || k == Qt::Key_Enter) {
    if (keyboard_.Enter() == KeyboardEntry::Action::kEnter) Handle([this] { EnterTyped(); });
  } else if (k == Qt::Key_Backspace) {
    // Backspace edits the digits only: one press too many must not take a spin back.
    if (keyboard_.Backspace() == KeyboardEntry::Action::kHint) {
      message_line_.Hint(QCoreApplication::translate("WindowKeys", kUndoKeyHint));
    }
  } else if (k == Qt::Key_Escape) {
    keyboard_.Clear();
    message_line_.Dismiss();
  } else {
    return false;
  }
  SyncReadout();
  return true;
}

void MainWindow::EnterTyped() {
  EnterNumber(keyboard_.Number());
}

void MainWindow::EnterNumber(int n) {
  // The board is locked while an analysis runs: a click on it does nothing, and nothing
  // typed is kept for later either.
  if (game().AnalysisRunning()) {
    RefuseTyped(
        QCoreApplication::translate("WindowKeys", "%1: the board is locked while the analysis runs")
            .arg(n)
            .toStdString());
    return;
  }
  // A tile taken back by the undo is crossed out: its picture is gone, so no click can
  // reach it, and no key does either.
  if (!vellaro::GameView(game()).TileShown(n)) {
    RefuseTyped(QCoreApplication::translate("WindowKeys", "%1: crossed out, the undo took it back")
                    .arg(n)
                    .toStdString());
    return;
  }
  ClickNumber(n);
}

void MainWindow::RefuseTyped(const std::string& why) {
  keyboard_.Refuse(why);
  message_line_.Refuse(QString::fromStdString(why));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!PressKey(*event)) QWidget::keyPressEvent(event);
}

}  // namespace vellaro::app

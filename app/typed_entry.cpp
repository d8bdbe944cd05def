#include "app/typed_entry.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include "app/area_host.h"
#include "app/message_line.h"

namespace vellaro::app {

namespace {

// What Backspace says when nothing is typed.
constexpr const char* kUndoKeyHint =
    QT_TRANSLATE_NOOP("WindowKeys", "Nothing typed: Ctrl+Z undoes the last spin");

}  // namespace

TypedEntry::TypedEntry(AreaHost& host, MessageLine& line, std::function<void(const QString&)> paste,
                       std::function<void(int)> click_number)
    : host_(host), line_(line), paste_(std::move(paste)), click_number_(std::move(click_number)) {}

bool TypedEntry::Press(const QKeyEvent& key) {
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
    paste_(QGuiApplication::clipboard()->text());
  } else if (ctrl_z) {
    host_.Send(act::Undo{});  // acts only while the undo is offered
  } else if (redo) {
    host_.Send(act::Redo{});  // acts only right after an undo
  } else if (k >= Qt::Key_0 && k <= Qt::Key_9) {
    if (keyboard_.Digit(k - Qt::Key_0) == KeyboardEntry::Action::kRefused) {
      line_.Refuse(QString::fromStdString(keyboard_.Refusal()));
    }
  } else if (k == Qt::Key_Return || k == Qt::Key_Enter) {
    if (keyboard_.Enter() == KeyboardEntry::Action::kEnter) {
      host_.Run([this] { EnterNumber(keyboard_.Number()); });
    }
  } else if (k == Qt::Key_Backspace) {
    // Backspace edits the digits only: one press too many must not take a spin back.
    if (keyboard_.Backspace() == KeyboardEntry::Action::kHint) {
      line_.Hint(QCoreApplication::translate("WindowKeys", kUndoKeyHint));
    }
  } else if (k == Qt::Key_Escape) {
    keyboard_.Clear();
    line_.Dismiss();
  } else {
    return false;
  }
  return true;
}

void TypedEntry::EnterNumber(int n) {
  // The board is locked while an analysis runs: a click on it does nothing, and nothing
  // typed is kept for later either.
  const vellaro::GameView view = host_.view();
  if (view.AnalysisRunning()) {
    Refuse(
        QCoreApplication::translate("WindowKeys", "%1: the board is locked while the analysis runs")
            .arg(n)
            .toStdString());
    return;
  }
  // A tile taken back by the undo is crossed out: its picture is gone, so no click can
  // reach it, and no key does either.
  if (!view.TileShown(n)) {
    Refuse(QCoreApplication::translate("WindowKeys", "%1: crossed out, the undo took it back")
               .arg(n)
               .toStdString());
    return;
  }
  click_number_(n);
}

void TypedEntry::Refuse(const std::string& why) {
  keyboard_.Refuse(why);
  line_.Refuse(QString::fromStdString(why));
}

}  // namespace vellaro::app

#include "app/panel/session_picker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/panel/panel_numbers.h"

namespace vellaro::app {

SessionPicker::SessionPicker(std::string journal_path, QWidget* parent)
    : QWidget(parent), journal_path_(std::move(journal_path)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QCoreApplication::translate("SessionPanel", "Session:"), this));
  sessions_ = new QComboBox(this);
  sessions_->setObjectName(QStringLiteral("StoredSessions"));
  sessions_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  sessions_->setToolTip(
      QCoreApplication::translate("SessionPanel",
                                  "This evening, or a past session from the journal, "
                                  "replayed through the same engine"));
  sessions_->addItem(QCoreApplication::translate("SessionPanel", "This evening"), QVariant());
  row->addWidget(sessions_);
  continue_button_ =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Continue this evening"), this);
  continue_button_->setObjectName(QStringLiteral("ContinueEvening"));
  continue_button_->setToolTip(QCoreApplication::translate(
      "SessionPanel",
      "Play on with the session on show: it becomes the evening in the main window again, "
      "exactly where it stood, and goes on in the journal as the same session. The evening "
      "in the window now is ended first, after asking."));
  continue_button_->hide();  // until a past session is on show
  row->addWidget(continue_button_);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("StoredSessionsNote"));
  note_->setWordWrap(true);  // a damaged journal's note is a long sentence
  // A count of the stored sessions keeps one line, however little room the row leaves.
  note_->setMinimumWidth(note_->fontMetrics().horizontalAdvance(
      QCoreApplication::translate("SessionPanel", "%1 stored sessions.").arg(Whole(99999))));
  row->addWidget(note_, 1);
  connect(continue_button_, &QPushButton::clicked, this, [this] {
    // The window may end this panel's evening, and with it the panel, once this returns.
    if (!past_ || !continue_) return;
    const QString why = continue_(past_->id);
    if (!why.isEmpty()) note_->setText(why);
  });
  connect(sessions_, &QComboBox::activated, this, [this](int index) { Pick(index); });
  connect(&list_.watcher(), &QFutureWatcher<void>::finished, this, [this] { ListRead(); });
  connect(&replay_.watcher(), &QFutureWatcher<void>::finished, this, [this] { PastRead(); });
}

void SessionPicker::SetNote(const QString& text) {
  note_->setText(text);
}

void SessionPicker::ReloadSessions() {
  if (list_.Running()) return;
  list_.Start([path = journal_path_] { return ReadSessionList(path); });
}

void SessionPicker::ListRead() {
  const SessionList list = list_.Take();
  const QVariant picked = sessions_->currentData();
  const QSignalBlocker quiet(sessions_);
  while (sessions_->count() > 1) sessions_->removeItem(1);
  // Newest first, under "This evening". std::views::reverse would say it, but Clang 14, the
  // sanitizers' compiler, cannot compile libstdc++ 12's views.
  // NOLINTNEXTLINE(modernize-loop-convert)
  for (auto it = list.sessions.rbegin(); it != list.sessions.rend(); ++it) {
    sessions_->addItem(SessionLine(*it), QVariant::fromValue<qlonglong>(it->id));
  }
  const int again = sessions_->findData(picked);
  sessions_->setCurrentIndex(again >= 0 ? again : 0);
  if (list.missing) {
    note_->setText(
        QCoreApplication::translate("SessionPanel", "No stored sessions (no journal yet)."));
  } else if (!list.error.empty()) {
    note_->setText(QString::fromStdString(list.error));
  } else if (list.sessions.empty()) {
    note_->setText(QCoreApplication::translate("SessionPanel", "No stored sessions."));
  } else {
    note_->setText(list.sessions.size() == 1
                       ? QCoreApplication::translate("SessionPanel", "1 stored session.")
                       : QCoreApplication::translate("SessionPanel", "%1 stored sessions.")
                             .arg(Whole(static_cast<int64_t>(list.sessions.size()))));
  }
}

void SessionPicker::Pick(int index) {
  const QVariant id = sessions_->itemData(index);
  if (!id.isValid()) {
    past_.reset();
    continue_button_->hide();
    if (this_evening_) this_evening_();
    return;
  }
  note_->setText(
      QCoreApplication::translate("SessionPanel", "Replaying session %1…").arg(id.toLongLong()));
  replay_.Start([path = journal_path_, id = id.toLongLong()] { return ReadPastEvening(path, id); });
}

void SessionPicker::PastRead() {
  PastEvening past = replay_.Take();
  if (sessions_->currentData() != QVariant::fromValue<qlonglong>(past.id)) return;  // left since
  if (!past.error.empty()) {
    note_->setText(QCoreApplication::translate("SessionPanel", "Session %1 cannot be shown: %2")
                       .arg(QString::number(past.id), QString::fromStdString(past.error)));
    // The list goes back to the evening still on show.
    const int shown = past_ ? sessions_->findData(QVariant::fromValue<qlonglong>(past_->id)) : 0;
    sessions_->setCurrentIndex(std::max(shown, 0));
    return;
  }
  ShowPast(std::move(past));
}

void SessionPicker::ShowPast(PastEvening past) {
  note_->setText(
      QCoreApplication::translate("SessionPanel", "Session %1, replayed from the journal.")
          .arg(past.id));
  past_ = std::move(past);
  continue_button_->show();
  if (past_shown_) past_shown_(*past_);
}

void SessionPicker::WaitForIdle() {
  while (Busy()) {
    list_.Wait();
    replay_.Wait();
    // The watchers report on the event loop.
    QCoreApplication::processEvents();
  }
}

}  // namespace vellaro::app

#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/panel/journal_reading.h"
#include "app/panel/pool_job.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vellaro::app {

// The row at the top of the session panel that picks the evening on show: this evening, or
// a past session from the journal, replayed on a worker thread through the engine, with
// "Continue this evening" and a note that says what the list or the replay came to. The
// list of sessions is read on a worker thread too.
class SessionPicker final : public QWidget {
 public:
  explicit SessionPicker(std::string journal_path, QWidget* parent = nullptr);

  // Called on the main thread: this evening picked again, or a past one replayed.
  void OnThisEvening(std::function<void()> back) { this_evening_ = std::move(back); }
  void OnPast(std::function<void(const PastEvening&)> shown) { past_shown_ = std::move(shown); }
  // What "Continue this evening" does with the session on show: why it could not, or nothing.
  void OnContinue(std::function<QString(int64_t)> go_on) { continue_ = std::move(go_on); }

  // Reads the list of stored sessions again.
  void ReloadSessions();
  // The past session on show, none for this evening.
  const PastEvening* past() const { return past_ ? &*past_ : nullptr; }
  void SetNote(const QString& text);

  bool Busy() const { return list_.Running() || replay_.Running(); }
  void WaitForIdle();

  QComboBox* sessions() const { return sessions_; }
  QLabel* note() const { return note_; }
  QPushButton* continue_evening() const { return continue_button_; }

 private:
  void ListRead();
  void Pick(int index);
  void PastRead();
  void ShowPast(PastEvening past);

  std::string journal_path_;
  std::optional<PastEvening> past_;
  QComboBox* sessions_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* continue_button_ = nullptr;
  std::function<void()> this_evening_;
  std::function<void(const PastEvening&)> past_shown_;
  std::function<QString(int64_t)> continue_;
  // Last, so that they wait for their jobs before the rest goes.
  PoolJob<SessionList> list_;
  PoolJob<PastEvening> replay_;
};

}  // namespace vellaro::app

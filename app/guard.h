#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <utility>

namespace vellaro::app {

// The one place where errors that escape an event handler, a timer tick or start-up end
// up: the player sees the message in the standard error box and the program carries on
// with the state the handler had reached.
class Guard {
 public:
  using ErrorBox = std::function<void(const QString& message)>;

  Guard() = default;
  Guard(const Guard&) = delete;
  Guard& operator=(const Guard&) = delete;

  // Tests swap the box for one that records the message instead of blocking.
  void SetErrorBox(ErrorBox box) { box_ = std::move(box); }
  // The window the standard box belongs to, and opens over, while it exists.
  void SetOwner(QWidget* owner) { owner_ = owner; }

  template <typename Handler>
  void Run(Handler&& handler) {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
      Show(QString::fromUtf8(error.what()));
    } catch (...) {
      // An error of a foreign type carries no message we could show.
      Show(QString());
    }
  }

 private:
  void Show(const QString& message);

  ErrorBox box_;  // none: the standard box
  QPointer<QWidget> owner_;
  bool showing_ = false;
};

// The error box with the program's title, over `owner` when there is one.
void ShowStandardErrorBox(const QString& message, QWidget* owner = nullptr);

// Runs start-up and the event loop through `guard`. The exit code is 0 whether or not an
// error escaped.
int RunGuarded(Guard& guard, const std::function<void()>& start_up_and_loop);

}  // namespace vellaro::app

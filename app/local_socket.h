#pragma once

// One-line requests between two Vellaro processes over a Unix-domain socket: the running
// window listens, a later start asks it something and waits for the answer. Plain POSIX
// sockets and a QSocketNotifier: the toolkit's network module, with the libraries it loads
// (Kerberos, proxies, resolver), cost every start several milliseconds and about a megabyte
// for this one message.

#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;
class QTimer;

namespace vellaro::app {

// Listens on `path` from the event loop of the thread that makes it. Every connection that
// sends the line `request` (with its "\n") is answered with `answer` once `on_request` has
// run, and then closed; anything else is closed unanswered, and so is a connection that sends
// no whole line within a second. The socket file is the user's own (mode 0600) and is
// removed when the server ends. It never spins: with kMostClients connections open, or when
// accepting fails (no descriptors left, say), it stops accepting, until one closes or, after
// a failure, for a pause that doubles up to two seconds; waiting peers stay in the queue.
class LineServer final : public QObject {
 public:
  LineServer(std::string path, std::string request, std::string answer,
             std::function<void()> on_request);
  ~LineServer() override;
  LineServer(const LineServer&) = delete;
  LineServer& operator=(const LineServer&) = delete;

  static constexpr size_t kMostClients = 16;

  // False if the socket could not be made (the path too long, its folder not writable).
  bool listening() const { return fd_ >= 0; }
  // Whether it takes new connections now, rather than pausing.
  bool accepting() const;
  size_t clients() const { return clients_.size(); }

 private:
  struct Client {
    std::unique_ptr<QSocketNotifier> readable;
    std::string received;
    uint64_t serial = 0;  // tells a client from a later one given the same descriptor
  };

  void Accept();
  void Read(int fd);
  void Close(int fd);
  // Stops accepting for `pause` (or, with none, until a client closes).
  void PauseAccepting(std::optional<std::chrono::milliseconds> pause);

  std::string path_;
  std::string request_;
  std::string answer_;
  std::function<void()> on_request_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> incoming_;
  std::map<int, Client> clients_;
  uint64_t next_serial_ = 0;
  std::chrono::milliseconds backoff_{0};  // the pause after the last failure, 0 after a success
  QTimer* resume_ = nullptr;
};

// Connects to the server on `path`, sends `request` and returns the first line it answers,
// without its "\n"; empty if nobody listens there or no whole line comes within `wait`.
std::string AskLine(const std::string& path, const std::string& request,
                    std::chrono::milliseconds wait);

}  // namespace vellaro::app

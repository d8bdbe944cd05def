#include "app/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "env/descriptor.h"

namespace vellaro::app {
namespace {

// A request is one short line; a peer that sends more is not a Vellaro.
constexpr size_t kLongestLine = 64;
// A Vellaro asking sends its line at once.
constexpr std::chrono::milliseconds kClientPatience{1000};
constexpr std::chrono::milliseconds kFirstPause{50};
constexpr std::chrono::milliseconds kLongestPause{2000};

std::optional<sockaddr_un> AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

const sockaddr* Generic(const sockaddr_un& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

// Waits for `events` on `fd` until `deadline`; false when it passes first.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd watched{fd, events, 0};
    const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
}

}  // namespace

LineServer::LineServer(std::string path, std::string request, std::string answer,
                       std::function<void()> on_request)
    : path_(std::move(path)),
      request_(std::move(request)),
      answer_(std::move(answer)),
      on_request_(std::move(on_request)) {
  const std::optional<sockaddr_un> address = AddressOf(path_);
  if (!address) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  // Only the holder of the data folder's lock listens: a socket file left here is a dead
  // holder's.
  ::unlink(path_.c_str());
  if (::bind(fd, Generic(*address), sizeof *address) != 0 ||
      ::chmod(path_.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  incoming_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(incoming_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
}

LineServer::~LineServer() {
  while (!clients_.empty()) Close(clients_.begin()->first);
  if (fd_ < 0) return;
  incoming_.reset();
  ::close(fd_);
  ::unlink(path_.c_str());
}

bool LineServer::accepting() const {
  return incoming_ != nullptr && incoming_->isEnabled();
}

void LineServer::PauseAccepting(std::optional<std::chrono::milliseconds> pause) {
  incoming_->setEnabled(false);
  if (!pause) return;
  if (resume_ == nullptr) {
    resume_ = new QTimer(this);
    resume_->setSingleShot(true);
    connect(resume_, &QTimer::timeout, this, [this] {
      if (clients_.size() < kMostClients) incoming_->setEnabled(true);
    });
  }
  resume_->start(*pause);
}

void LineServer::Accept() {
  while (clients_.size() < kMostClients) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) {
      // None left, or the peer gave up already: the notifier tells of the next one.
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED) {
        return;
      }
      // Out of descriptors or memory: the connection stays queued and the socket readable,
      // so trying again at once would spin.
      backoff_ = std::clamp(backoff_ * 2, kFirstPause, kLongestPause);
      PauseAccepting(backoff_);
      return;
    }
    backoff_ = std::chrono::milliseconds{0};
    Client& client = clients_[fd];
    client.serial = ++next_serial_;
    client.readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(client.readable.get(), &QSocketNotifier::activated, this,
                     [this, fd] { Read(fd); });
    QTimer::singleShot(kClientPatience, this, [this, fd, serial = client.serial] {
      const auto found = clients_.find(fd);
      if (found != clients_.end() && found->second.serial == serial) Close(fd);
    });
  }
  PauseAccepting(std::nullopt);  // until a client closes
}

void LineServer::Read(int fd) {
  const auto found = clients_.find(fd);
  if (found == clients_.end()) return;
  std::string& received = found->second.received;
  char chunk[kLongestLine];
  const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
  if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (got > 0) received.append(chunk, static_cast<size_t>(got));
  const size_t end = received.find('\n');
  if (end == std::string::npos && got > 0 && received.size() <= kLongestLine) return;
  if (end != std::string::npos && received.compare(0, end + 1, request_) == 0) {
    on_request_();
    // Short enough for any socket buffer: one send, never blocking.
    (void)::send(fd, answer_.data(), answer_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  }
  Close(fd);
}

void LineServer::Close(int fd) {
  const auto found = clients_.find(fd);
  if (found == clients_.end()) return;
  // Called from the notifier's own signal: it goes once that has returned.
  QSocketNotifier* notifier = found->second.readable.release();
  notifier->setEnabled(false);
  notifier->deleteLater();
  clients_.erase(found);
  ::close(fd);
  if (incoming_ != nullptr && !incoming_->isEnabled() && clients_.size() < kMostClients &&
      (resume_ == nullptr || !resume_->isActive())) {
    incoming_->setEnabled(true);
  }
}

std::string AskLine(const std::string& path, const std::string& request,
                    std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  const std::optional<sockaddr_un> address = AddressOf(path);
  if (!address) return {};
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (socket.get() < 0) return {};
  if (::connect(socket.get(), Generic(*address), sizeof *address) != 0) {
    // A listener whose queue is full takes the connection once it accepts.
    if (errno != EAGAIN && errno != EINPROGRESS) return {};
    if (!WaitFor(socket.get(), POLLOUT, deadline)) return {};
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
      return {};
    }
  }
  size_t sent = 0;
  while (sent < request.size()) {
    const ssize_t n =
        ::send(socket.get(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(socket.get(), POLLOUT, deadline)) return {};
    } else {
      return {};
    }
  }
  std::string received;
  while (received.find('\n') == std::string::npos) {
    if (received.size() > kLongestLine || !WaitFor(socket.get(), POLLIN, deadline)) return {};
    char chunk[kLongestLine];
    const ssize_t n = ::recv(socket.get(), chunk, sizeof chunk, 0);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return {};
    if (n > 0) received.append(chunk, static_cast<size_t>(n));
  }
  return received.substr(0, received.find('\n'));
}

}  // namespace vellaro::app

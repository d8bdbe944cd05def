#pragma once

// Files that are not regular files, for tests of what writes or reads them: a pipe (FIFO)
// with or without a program reading it, a character device made where the test may, a
// link to /dev/zero (it never ends), and the same file under two names.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vellaro::testing {

// What is at `path`, without following a link: "regular", "pipe", "character device",
// "link", "folder", "other" or "nothing".
inline std::string KindOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "nothing";
  if (S_ISREG(st.st_mode)) return "regular";
  if (S_ISFIFO(st.st_mode)) return "pipe";
  if (S_ISCHR(st.st_mode)) return "character device";
  if (S_ISLNK(st.st_mode)) return "link";
  if (S_ISDIR(st.st_mode)) return "folder";
  return "other";
}

inline bool MakePipe(const std::string& path) {
  return ::mkfifo(path.c_str(), 0600) == 0;
}

// A pipe at `path` that no program writes to: opened as a file, it waits for one for ever.
inline std::string MakeFifoAt(const std::string& path) {
  if (!MakePipe(path)) throw std::runtime_error("mkfifo failed: " + path);
  return path;
}

inline std::string LinkToZeroAt(const std::string& path) {
  std::filesystem::create_symlink("/dev/zero", path);
  return path;
}

// A character device at `path` with the numbers of `system_device` (such as /dev/full):
// the test then never touches the system's own. Needs root; false where it may not.
inline bool MakeDeviceLike(const std::string& path, const char* system_device) {
  struct stat device {};
  if (::geteuid() != 0 || ::stat(system_device, &device) != 0 || !S_ISCHR(device.st_mode)) {
    return false;
  }
  return ::mknod(path.c_str(), S_IFCHR | 0666, device.st_rdev) == 0;
}

// The reading end of a pipe, opened at once (a pipe's open would otherwise wait for a
// writer) and made large, so that a writer on the test's own thread never waits for it.
class PipeReader {
 public:
  explicit PipeReader(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    if (fd_ >= 0) ::fcntl(fd_, F_SETPIPE_SZ, 1 << 20);
  }
  ~PipeReader() { Close(); }
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;

  bool open() const { return fd_ >= 0; }
  // Everything written so far.
  std::string Drain() {
    std::string bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd_, buffer, sizeof buffer)) > 0)
      bytes.append(buffer, static_cast<size_t>(n));
    return bytes;
  }
  // The reader goes away: a writer then gets EPIPE.
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

}  // namespace vellaro::testing

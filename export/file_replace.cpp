#include "export/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vellaro {

namespace {

[[noreturn]] void Fail(const std::string& what, int error) {
  throw FileWriteError(what + ": " + std::strerror(error));
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Removes the temporary file unless the rename has taken it over.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& path) : name_(path + ".XXXXXX") {
    std::vector<char> buffer(name_.begin(), name_.end());
    buffer.push_back('\0');
    fd_ = ::mkstemp(buffer.data());
    if (fd_ < 0) Fail("cannot create a file beside " + path, errno);
    name_.assign(buffer.data());
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail("cannot close " + name_, errno);
  }
  void RenameTo(const std::string& path) {
    if (::rename(name_.c_str(), path.c_str()) != 0) Fail("cannot replace " + path, errno);
    committed_ = true;
  }

 private:
  std::string name_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const WriteCall& write_call) {
  if (path.empty()) throw FileWriteError("no file name");
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) Fail(path + " is a folder", EISDIR);

  TemporaryFile file(path);
  const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
  if (::fchmod(file.fd(), mode) != 0) Fail("cannot set the permissions of " + path, errno);

  const WriteCall write = write_call ? write_call : WriteCall(::write);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(file.fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("cannot write " + path, errno);
    }
    if (n == 0) Fail("cannot write " + path, EIO);
    done += static_cast<size_t>(n);
  }
  if (::fsync(file.fd()) != 0) Fail("cannot write " + path, errno);
  file.Close();
  file.RenameTo(path);
}

}  // namespace vellaro

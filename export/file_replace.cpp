#include "export/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "text/translate.h"

namespace vellaro {

namespace {

[[noreturn]] void Fail(const std::string& step, int error) {
  throw FileWriteError(step, error);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file a name stands for, links followed: replacing a link by a file would leave the
// file it points to as it was. A name of no file yet stands for itself.
std::string FileBehind(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : path;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Removes the temporary file unless the rename has taken it over. Its name is short, so
// that any name the folder can hold can be replaced.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& folder) : name_(folder + "/.vellaro-XXXXXX") {
    std::vector<char> buffer(name_.begin(), name_.end());
    buffer.push_back('\0');
    fd_ = ::mkstemp(buffer.data());
    if (fd_ < 0) Fail(TrFormat("cannot create a file in {1}", {folder}), errno);
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
    if (::close(fd) != 0) Fail(TrFormat("cannot close {1}", {name_}), errno);
  }
  void RenameTo(const std::string& path) {
    if (::rename(name_.c_str(), path.c_str()) != 0) {
      Fail(TrFormat("cannot replace {1}", {path}), errno);
    }
    committed_ = true;
  }

 private:
  std::string name_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

FileWriteError::FileWriteError(const std::string& step, int error)
    : std::runtime_error(step + ": " + std::strerror(error)), error_(error) {}

std::string FileWriteError::reason() const {
  return std::strerror(error_);
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const WriteCall& write_call) {
  if (path.empty()) Fail(Tr("no file name"), ENOENT);
  const std::string target = FileBehind(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) Fail(TrFormat("{1} is a folder", {path}), EISDIR);
  // The rename needs only the folder's permission: the file's own is checked here.
  if (exists && ::access(target.c_str(), W_OK) != 0) {
    Fail(TrFormat("no right to write {1}", {path}), errno);
  }

  TemporaryFile file(FolderOf(target));
  const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
  if (::fchmod(file.fd(), mode) != 0) {
    Fail(TrFormat("cannot set the permissions of {1}", {path}), errno);
  }
  if (exists && ::fchown(file.fd(), existing.st_uid, existing.st_gid) != 0) {
    // Only root may give a file away: the player's own file stays the player's anyway.
  }

  const WriteCall write = write_call ? write_call : WriteCall(::write);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(file.fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(TrFormat("cannot write {1}", {path}), errno);
    }
    if (n == 0) Fail(TrFormat("cannot write {1}", {path}), EIO);
    done += static_cast<size_t>(n);
  }
  if (::fsync(file.fd()) != 0) Fail(TrFormat("cannot write {1}", {path}), errno);
  file.Close();
  file.RenameTo(target);
}

}  // namespace vellaro

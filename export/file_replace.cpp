#include "export/file_replace.h"

#include <fcntl.h>
// POSIX's sigset_t, pthread_sigmask and sigtimedwait, which <csignal> need not declare.
#include <signal.h>  // NOLINT(modernize-deprecated-headers)
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "env/descriptor.h"
#include "text/translate.h"

namespace vellaro {

namespace {

[[noreturn]] void Fail(const std::string& step, int error, std::string reason = {}) {
  throw FileWriteError(step, error, std::move(reason));
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

// Writes all of `bytes`; a write that fails, or takes nothing, is reported. A file-size
// limit (EFBIG) fails here as a full disk (ENOSPC) does.
void WriteAll(int fd, std::string_view bytes, const WriteCall& write, const std::string& path) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(TrFormat("cannot write {1}", {path}), errno);
    }
    if (n == 0) Fail(TrFormat("cannot write {1}", {path}), EIO);
    done += static_cast<size_t>(n);
  }
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
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) Fail(TrFormat("cannot close {1}", {name_}), errno);
  }
  // Over whatever `path` is, or only where there is nothing yet: a pipe or a device made
  // there meanwhile is not replaced (where the file system can tell).
  void RenameTo(const std::string& path, bool replace) {
    int done = replace
                   ? -1
                   : ::renameat2(AT_FDCWD, name_.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    if (done != 0 && (replace || errno == EINVAL || errno == ENOSYS)) {
      done = ::rename(name_.c_str(), path.c_str());
    }
    if (done != 0) Fail(TrFormat("cannot replace {1}", {path}), errno);
    committed_ = true;
  }

 private:
  std::string name_;
  int fd_ = -1;
  bool committed_ = false;
};

// Writes a new regular file at `target` (a link already followed), in place of the one
// described by `existing`, if any.
void ReplaceRegularFile(const std::string& path, const std::string& target,
                        const struct stat* existing, std::string_view bytes,
                        const WriteCall& write) {
  TemporaryFile file(FolderOf(target));
  const mode_t mode = existing != nullptr ? (existing->st_mode & 07777) : NewFileMode();
  if (::fchmod(file.fd(), mode) != 0) {
    Fail(TrFormat("cannot set the permissions of {1}", {path}), errno);
  }
  if (existing != nullptr && ::fchown(file.fd(), existing->st_uid, existing->st_gid) != 0) {
    // Only root may give a file away: the player's own file stays the player's anyway.
  }
  WriteAll(file.fd(), bytes, write, path);
  if (::fsync(file.fd()) != 0) Fail(TrFormat("cannot write {1}", {path}), errno);
  file.Close();
  file.RenameTo(target, existing != nullptr);
}

// A reader that goes away mid-write raises SIGPIPE, which would end the program: it is held
// on this thread while writing, and one that this write raised is taken, so that the write
// fails with EPIPE instead.
class PipeSignalHeld {
 public:
  PipeSignalHeld() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    was_pending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &before_);
  }
  ~PipeSignalHeld() {
    const timespec now{};
    if (!was_pending_) {
      while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  PipeSignalHeld(const PipeSignalHeld&) = delete;
  PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

 private:
  sigset_t pipe_;
  sigset_t before_;
  bool was_pending_ = false;
};

// Writes into a pipe or a device, opened without waiting: from now on a write waits for the
// reader as any program's output does.
void WriteStream(Descriptor& stream, const std::string& path, std::string_view bytes,
                 const WriteCall& write) {
  const int flags = ::fcntl(stream.get(), F_GETFL);
  if (flags < 0 || ::fcntl(stream.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    Fail(TrFormat("cannot write {1}", {path}), errno);
  }
  {
    PipeSignalHeld held;
    WriteAll(stream.get(), bytes, write, path);
  }
  if (::close(stream.release()) != 0) Fail(TrFormat("cannot write {1}", {path}), errno);
}

// Refuses an output that is one of the files in use, under whatever name.
void RefuseFileInUse(const std::string& path, const struct stat& output, const FilesInUse& in_use) {
  for (const std::string& input : in_use) {
    struct stat read_file {};
    if (::stat(input.c_str(), &read_file) == 0 && read_file.st_dev == output.st_dev &&
        read_file.st_ino == output.st_ino) {
      Fail(TrFormat("cannot write {1}", {path}), EINVAL,
           TrFormat("it is the same file as {1}, which this program reads", {input}));
    }
  }
}

// Why `path` could not be opened for writing.
[[noreturn]] void FailToOpen(const std::string& path, int error) {
  switch (error) {
    case EISDIR:
      Fail(TrFormat("{1} is a folder", {path}), error);
    case EACCES:
    case EPERM:
    case EROFS:
      Fail(TrFormat("no right to write {1}", {path}), error);
    case ENXIO: {
      struct stat what {};
      if (::stat(path.c_str(), &what) == 0 && S_ISFIFO(what.st_mode)) {
        Fail(TrFormat("cannot write {1}", {path}), error, Tr("no program reads from this pipe"));
      }
      break;
    }
    default:
      break;
  }
  Fail(TrFormat("cannot write {1}", {path}), error);
}

}  // namespace

FileWriteError::FileWriteError(const std::string& step, int error, std::string reason)
    : std::runtime_error(step + ": " + (reason.empty() ? std::strerror(error) : reason)),
      error_(error),
      reason_(reason.empty() ? std::strerror(error) : std::move(reason)) {}

FilesInUse DatabaseFiles(const std::string& database) {
  return {database, database + "-wal", database + "-shm", database + "-journal"};
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const FilesInUse& in_use, const WriteCall& write_call) {
  if (path.empty()) Fail(Tr("no file name"), ENOENT);
  const WriteCall write = write_call ? write_call : WriteCall(::write);
  // What is there decides how it is written, so it is opened first and looked at through the
  // descriptor: it cannot change in between. Nothing is created or cut short yet, and a pipe
  // no program reads from is not waited on.
  Descriptor output(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (output.get() < 0) {
    if (errno != ENOENT) FailToOpen(path, errno);
    ReplaceRegularFile(path, FileBehind(path), nullptr, bytes, write);
    return;
  }
  struct stat existing {};
  if (::fstat(output.get(), &existing) != 0) Fail(TrFormat("cannot write {1}", {path}), errno);
  RefuseFileInUse(path, existing, in_use);
  if (S_ISREG(existing.st_mode)) {
    ReplaceRegularFile(path, FileBehind(path), &existing, bytes, write);
  } else if (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode)) {
    WriteStream(output, path, bytes, write);
  } else {
    Fail(TrFormat("cannot write {1}", {path}), EINVAL,
         Tr("it is neither a regular file, nor a pipe, nor a character device"));
  }
}

}  // namespace vellaro

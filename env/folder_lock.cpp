#include "env/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vellaro {

FolderLock::~FolderLock() {
  Release();
}

FolderLock::Outcome FolderLock::TryTake(const std::string& path) {
  if (fd_ >= 0) return Outcome::kTaken;
  // O_NOFOLLOW: a link at the path is refused (ELOOP), so a dangling one does not make its
  // target somewhere outside the folder. O_NONBLOCK: a FIFO there cannot hold up the start.
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0 && errno == EISDIR) {
    fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  }
  if (fd < 0) return Outcome::kCannotBe;
  // Only a file or a folder of the user's is a lock; a FIFO or a device (root opens those)
  // is someone else's thing that happens to take flock.
  struct stat what {};
  if (fstat(fd, &what) != 0 || !(S_ISREG(what.st_mode) || S_ISDIR(what.st_mode))) {
    close(fd);
    return Outcome::kCannotBe;
  }
  int locked = 0;
  do {
    locked = flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked == 0) {
    fd_ = fd;
    return Outcome::kTaken;
  }
  const bool held = errno == EWOULDBLOCK;
  close(fd);
  return held ? Outcome::kHeld : Outcome::kCannotBe;
}

void FolderLock::Release() {
  if (fd_ < 0) return;
  close(fd_);  // closing the only descriptor of the open file lets the lock go
  fd_ = -1;
}

}  // namespace vellaro

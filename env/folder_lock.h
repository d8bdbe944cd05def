#pragma once

// A lock that the kernel holds for a process: flock(2) on a file, released when the last
// descriptor of its open file goes away, and so when its holder dies however it dies. Who
// holds it is never read from the file's contents: an empty file, one with garbage or another
// host's name in it, left by a start killed before it wrote anything, is no lock at all.

#include <string>

namespace vellaro {

class FolderLock {
 public:
  enum class Outcome {
    kTaken,  // this object holds the lock now
    kHeld,   // a live process (or another open of the file in this one) holds it
    // The path can hold no lock: a folder that cannot be made or written, a file that cannot
    // be opened, a link (never followed: its target is not ours to make or lock), a socket,
    // a FIFO or a device. Whoever asked holds nothing, and must not write what it guards.
    kCannotBe,
  };

  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock of `path` without waiting, creating the file (mode 0600) if it is not
  // there. A directory at that path is locked as it is; a link at it is not followed. Does
  // nothing if this object holds a lock.
  Outcome TryTake(const std::string& path);
  bool Holds() const { return fd_ >= 0; }
  // Lets the lock go (the file stays: removing it would race with a start that just
  // opened it).
  void Release();

 private:
  int fd_ = -1;
};

}  // namespace vellaro

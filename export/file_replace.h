#pragma once

#include <sys/types.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellaro {

// A file could not be written. what() names the step that failed, in the current language,
// and the reason; error() is the errno value behind it and reason() the reason's text, for a
// message of its own.
class FileWriteError : public std::runtime_error {
 public:
  // The reason is the system's description of `error` unless one is given.
  FileWriteError(const std::string& step, int error, std::string reason = {});

  int error() const { return error_; }
  // Such as "No such file or directory".
  std::string reason() const { return reason_; }

 private:
  int error_;
  std::string reason_;
};

// The system call that writes bytes to a file descriptor; tests inject failures through it.
using WriteCall = std::function<ssize_t(int fd, const void* data, size_t size)>;

// The files a program has read or keeps open: an output is never one of them, whatever its
// name (a link, another name of the same file).
using FilesInUse = std::vector<std::string>;

// A SQLite database and the files SQLite keeps beside it while it is open.
FilesInUse DatabaseFiles(const std::string& database);

// Writes `bytes` to `path`:
// - A regular file, or none yet: the bytes go to a new file in its folder, which is renamed
//   over it, so that a failure at any point leaves an existing file exactly as it was and
//   leaves no temporary file behind. A link is followed and stays a link. An existing file
//   must be writable; it keeps its permissions (and its owner, where allowed); a new one
//   gets the usual ones.
// - A pipe (FIFO) or a character device: the bytes are written into it as a stream; it stays
//   what it is. A pipe no program reads from is refused at once rather than waited on.
// - Anything else (a folder, a block device), or one of `in_use`: refused.
// A full disk, a file-size limit and a device that takes no more are failures.
// Throws FileWriteError on failure.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const FilesInUse& in_use = {}, const WriteCall& write_call = {});

}  // namespace vellaro

#pragma once

#include <sys/types.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vellaro {

// A file could not be written. what() names the step that failed, in the current language,
// and the system's reason; error() is the errno value behind it and reason() its text, for a
// message of its own.
class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(const std::string& step, int error);

  int error() const { return error_; }
  // The system's description of error(), such as "No such file or directory".
  std::string reason() const;

 private:
  int error_;
};

// The system call that writes bytes to a file descriptor; tests inject failures through it.
using WriteCall = std::function<ssize_t(int fd, const void* data, size_t size)>;

// Writes `bytes` to a new file in the folder of `path` and renames it over `path`, so that
// a failure at any point leaves an existing file exactly as it was and leaves no temporary
// file behind. A link is followed and stays a link. An existing file must be writable; it
// keeps its permissions (and its owner, where allowed); a new one gets the usual ones.
// Throws FileWriteError on failure.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const WriteCall& write_call = {});

}  // namespace vellaro

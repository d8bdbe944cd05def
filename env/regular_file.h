#pragma once

// Reading a file that someone else may have put where the program looks: only a regular file
// is read, and never more of it than a bound. A FIFO would hold the reader until a writer
// came, a device such as /dev/zero never ends, and a folder holds no text: each is refused
// by what it is, looked at on the open descriptor, so that nothing can take the file's place
// between the look and the read. Opening never blocks, whatever the path names.

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "env/descriptor.h"

namespace vellaro {

// Why a file cannot be read, for a person, without its path: "it is a FIFO, not a regular
// file", "No such file or directory", ...
class FileReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A regular file that holds more than the bound it was read with.
class FileTooLarge : public FileReadError {
 public:
  using FileReadError::FileReadError;
};

// A regular file open for reading.
class RegularFile {
 public:
  // Throws FileReadError when `path` cannot be opened or is not a regular file.
  explicit RegularFile(const std::string& path);

  // Up to `size` bytes, 0 at the end of the file. Throws FileReadError.
  size_t Read(char* data, size_t size);

 private:
  Descriptor fd_;
};

// Throws FileReadError when `path` is there and is not a regular file (or cannot be
// looked at); a path where nothing is passes, for the caller to create or refuse.
void CheckNotSpecialFile(const std::string& path);

// The whole of the file at `path`. Throws FileTooLarge when it holds more than `largest`
// bytes (having read no more than one byte past them), FileReadError when it cannot be read.
std::string ReadRegularFile(const std::string& path, size_t largest);

// A regular file as a stream, for readers that go through it line by line. Opening throws
// FileReadError; a failed read later sets badbit.
class RegularFileStream : public std::istream {
 public:
  explicit RegularFileStream(const std::string& path);

 private:
  class Buffer final : public std::streambuf {
   public:
    explicit Buffer(const std::string& path) : file_(path) {}

   protected:
    int_type underflow() override;

   private:
    RegularFile file_;
    char data_[1 << 16];
  };
  Buffer buffer_;
};

}  // namespace vellaro

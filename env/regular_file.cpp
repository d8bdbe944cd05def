#include "env/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/translate.h"

namespace vellaro {

namespace {

// What a file that is not regular is, as a person calls it.
const char* NotRegular(mode_t mode) {
  if (S_ISDIR(mode)) return Tr("it is a folder, not a regular file");
  if (S_ISFIFO(mode)) return Tr("it is a FIFO, not a regular file");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Tr("it is a device, not a regular file");
  if (S_ISSOCK(mode)) return Tr("it is a socket, not a regular file");
  return Tr("it is not a regular file");
}

}  // namespace

// O_NONBLOCK: opening a FIFO that has no writer returns at once instead of waiting for one.
RegularFile::RegularFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {
  if (fd_.get() < 0) throw FileReadError(std::strerror(errno));
  struct stat status {};
  if (::fstat(fd_.get(), &status) != 0) throw FileReadError(std::strerror(errno));
  if (!S_ISREG(status.st_mode)) throw FileReadError(NotRegular(status.st_mode));
}

size_t RegularFile::Read(char* data, size_t size) {
  while (true) {
    const ssize_t read = ::read(fd_.get(), data, size);
    if (read >= 0) return static_cast<size_t>(read);
    if (errno != EINTR) throw FileReadError(std::strerror(errno));
  }
}

void CheckNotSpecialFile(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return;
    throw FileReadError(std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) throw FileReadError(NotRegular(status.st_mode));
}

std::string ReadRegularFile(const std::string& path, size_t largest) {
  RegularFile file(path);
  // Read in pieces, so that a small file with a large bound takes little memory; one byte
  // more than allowed tells a file over the bound without reading it all.
  constexpr size_t kPiece = size_t{1} << 16;
  std::string text;
  while (text.size() <= largest) {
    const size_t size = text.size();
    text.resize(size + std::min(kPiece, largest + 1 - size));
    const size_t read = file.Read(text.data() + size, text.size() - size);
    text.resize(size + read);
    if (read == 0) return text;
  }
  throw FileTooLarge(
      TrFormat("it is larger than {1} bytes", {LocalNumber(std::to_string(largest))}));
}

RegularFileStream::RegularFileStream(const std::string& path)
    : std::istream(nullptr), buffer_(path) {
  rdbuf(&buffer_);
}

RegularFileStream::Buffer::int_type RegularFileStream::Buffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  // A failed read throws: the stream takes an exception from its buffer for badbit.
  const size_t read = file_.Read(data_, sizeof data_);
  if (read == 0) return traits_type::eof();
  setg(data_, data_, data_ + read);
  return traits_type::to_int_type(*gptr());
}

}  // namespace vellaro

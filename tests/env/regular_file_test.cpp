#include "env/regular_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/not_regular_files.h"
#include "support/temp_folder.h"

namespace vellaro {
namespace {

std::string ReadError(const std::string& path, size_t largest = 100) {
  try {
    ReadRegularFile(path, largest);
  } catch (const FileReadError& e) {
    return e.what();
  }
  return "read";
}

// Each is refused by what it is, at once: a FIFO without a writer does not hold the reader.
TEST(RegularFile, WhatIsNotAFileIsRefusedByWhatItIs) {
  testing::TempFolder folder;
  const std::string fifo = testing::MakeFifoAt(folder.File("fifo"));
  const std::string zero = testing::LinkToZeroAt(folder.File("zero"));
  EXPECT_EQ(ReadError(fifo), "it is a FIFO, not a regular file");
  EXPECT_EQ(ReadError(zero), "it is a device, not a regular file");
  EXPECT_EQ(ReadError(folder.path().string()), "it is a folder, not a regular file");
  EXPECT_EQ(ReadError(folder.File("missing")), "No such file or directory");
  EXPECT_THROW(RegularFileStream{fifo}, FileReadError);

  // The look without a read, for what another library opens: nothing there passes.
  EXPECT_NO_THROW(CheckNotSpecialFile(folder.File("missing")));
  EXPECT_THROW(CheckNotSpecialFile(fifo), FileReadError);
  EXPECT_THROW(CheckNotSpecialFile(zero), FileReadError);
  EXPECT_THROW(CheckNotSpecialFile(folder.path().string()), FileReadError);
}

TEST(RegularFile, AFileIsReadToItsBoundAndNotAByteBeyond) {
  testing::TempFolder folder;
  const std::string path = folder.File("text");
  std::ofstream(path) << std::string(100, 'x');
  EXPECT_EQ(ReadRegularFile(path, 100), std::string(100, 'x'));
  EXPECT_THROW(ReadRegularFile(path, 99), FileTooLarge);
  EXPECT_EQ(ReadError(path, 99), "it is larger than 99 bytes");
  // Larger than one piece of a read, and empty.
  std::ofstream(path, std::ios::trunc) << std::string(200'000, 'y');
  EXPECT_EQ(ReadRegularFile(path, 200'000).size(), 200'000u);
  EXPECT_THROW(ReadRegularFile(path, 199'999), FileTooLarge);
  std::ofstream(path, std::ios::trunc).flush();
  EXPECT_EQ(ReadRegularFile(path, 0), "");

  RegularFileStream stream(path);
  EXPECT_EQ(stream.get(), std::char_traits<char>::eof());
}

}  // namespace
}  // namespace vellaro

#include "export/file_replace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/file_text.h"
#include "support/not_regular_files.h"
#include "support/temp_folder.h"

namespace vellaro {
namespace {

namespace fs = std::filesystem;
using testing::KindOf;
using testing::PipeReader;

using testing::ReadAll;

size_t FilesIn(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The error ReplaceFileAtomically throws, or none.
std::optional<FileWriteError> Refusal(const std::string& path, std::string_view bytes,
                                      const FilesInUse& in_use = {}, const WriteCall& write = {}) {
  try {
    ReplaceFileAtomically(path, bytes, in_use, write);
  } catch (const FileWriteError& e) {
    return e;
  }
  return std::nullopt;
}

// 100 kB: more than a pipe holds by default, less than the reader's room.
const std::string kPage(100'000, 'x');

TEST(FileReplace, APipeIsWrittenAsAStreamAndStaysAPipe) {
  testing::TempFolder folder;
  const std::string pipe = folder.File("page.html");
  ASSERT_TRUE(testing::MakePipe(pipe));
  {
    PipeReader reader(pipe);
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(Refusal(pipe, kPage), std::nullopt);
    EXPECT_EQ(reader.Drain(), kPage);
  }
  EXPECT_EQ(KindOf(pipe), "pipe");
  EXPECT_EQ(FilesIn(folder.path()), 1u);

  // No program reads it: refused at once rather than waited on, the pipe left alone.
  const auto unread = Refusal(pipe, kPage);
  ASSERT_TRUE(unread);
  EXPECT_EQ(unread->error(), ENXIO);
  EXPECT_EQ(unread->reason(), "no program reads from this pipe");
  EXPECT_EQ(KindOf(pipe), "pipe");

  // The reader goes away in the middle: the write fails, and the program goes on (SIGPIPE
  // would have ended it).
  PipeReader leaving(pipe);
  int writes = 0;
  const auto gone = Refusal(pipe, kPage, {}, [&](int fd, const void* data, size_t size) {
    if (++writes == 2) leaving.Close();
    return ::write(fd, data, std::min<size_t>(size, 1000));
  });
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->error(), EPIPE);
  EXPECT_EQ(KindOf(pipe), "pipe");
  EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(FileReplace, ADeviceIsWrittenAsAStreamAndAFullOneFails) {
  testing::TempFolder folder;
  const std::string null = folder.File("null");
  if (!testing::MakeDeviceLike(null, "/dev/null")) GTEST_SKIP() << "mknod needs root";
  EXPECT_EQ(Refusal(null, kPage), std::nullopt);
  EXPECT_EQ(KindOf(null), "character device");

  // A device that takes nothing more: the failure is the device's, and it stays a device.
  const std::string full = folder.File("full");
  ASSERT_TRUE(testing::MakeDeviceLike(full, "/dev/full"));
  const auto failed = Refusal(full, kPage);
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->error(), ENOSPC);
  EXPECT_EQ(KindOf(full), "character device");
  EXPECT_EQ(FilesIn(folder.path()), 2u);
}

TEST(FileReplace, AFileInUseIsNeverWrittenUnderAnyName) {
  testing::TempFolder folder;
  const std::string journal = folder.File("journal.sqlite");
  { std::ofstream(journal) << "the sessions"; }
  const std::string link = folder.File("link.sqlite");
  fs::create_symlink(journal, link);
  const std::string second_name = folder.File("hard.sqlite");
  fs::create_hard_link(journal, second_name);
  const FilesInUse in_use = {folder.File("elsewhere.txt"), journal};

  for (const std::string& name : {journal, link, second_name}) {
    const auto refused = Refusal(name, "1\r\n", in_use);
    ASSERT_TRUE(refused) << name;
    EXPECT_EQ(refused->reason(),
              "it is the same file as " + journal + ", which this program reads");
  }
  // The file in use named through a link is found as well.
  ASSERT_TRUE(Refusal(journal, "1\r\n", {link}));
  EXPECT_EQ(ReadAll(journal), "the sessions");
  EXPECT_EQ(KindOf(link), "link");
  EXPECT_EQ(FilesIn(folder.path()), 3u);

  // A copy of it is another file.
  const std::string copy = folder.File("copy.sqlite");
  fs::copy_file(journal, copy);
  EXPECT_EQ(Refusal(copy, "1\r\n", in_use), std::nullopt);
  EXPECT_EQ(ReadAll(copy), "1\r\n");
}

}  // namespace
}  // namespace vellaro

#include "env/folder_lock.h"

#include <gtest/gtest.h>
// POSIX's kill, which <csignal> need not declare.
#include <signal.h>  // NOLINT(modernize-deprecated-headers)
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace vellaro {
namespace {

TEST(FolderLock, OneHolderAtATimeAndTheNextTakesItWhenItGoes) {
  testing::TempFolder folder;
  const std::string path = folder.File("vellaro.lock");
  FolderLock first;
  ASSERT_EQ(first.TryTake(path), FolderLock::Outcome::kTaken);
  EXPECT_TRUE(first.Holds());
  EXPECT_EQ(first.TryTake(path), FolderLock::Outcome::kTaken) << "already its own";
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  {
    FolderLock second;
    EXPECT_EQ(second.TryTake(path), FolderLock::Outcome::kHeld);
    EXPECT_FALSE(second.Holds());
  }
  first.Release();
  EXPECT_FALSE(first.Holds());
  EXPECT_TRUE(std::filesystem::exists(path)) << "the file stays";
  FolderLock third;
  EXPECT_EQ(third.TryTake(path), FolderLock::Outcome::kTaken);
  {
    FolderLock fourth;
    EXPECT_EQ(fourth.TryTake(path), FolderLock::Outcome::kHeld);
  }
  // Going out of scope lets it go too.
  {
    FolderLock scoped;
    third.Release();
    EXPECT_EQ(scoped.TryTake(path), FolderLock::Outcome::kTaken);
  }
  FolderLock last;
  EXPECT_EQ(last.TryTake(path), FolderLock::Outcome::kTaken);
}

TEST(FolderLock, WhatAFileHoldsIsNoLock) {
  testing::TempFolder folder;
  for (const std::string& contents : {std::string(), std::string("12345\n"),
                                      std::string("other-host:999\n"), std::string(4096, '\xff')}) {
    const std::string path = folder.File("vellaro.lock");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    FolderLock lock;
    EXPECT_EQ(lock.TryTake(path), FolderLock::Outcome::kTaken) << contents.size();
  }
  // A directory at the path is locked as it is.
  const std::string directory = folder.File("a-folder.lock");
  std::filesystem::create_directory(directory);
  FolderLock in_folder;
  EXPECT_EQ(in_folder.TryTake(directory), FolderLock::Outcome::kTaken);
  FolderLock again;
  EXPECT_EQ(again.TryTake(directory), FolderLock::Outcome::kHeld);
  // A path that can hold none.
  FolderLock nowhere;
  EXPECT_EQ(nowhere.TryTake(folder.File("no/such/folder/vellaro.lock")),
            FolderLock::Outcome::kCannotBe);
}

// Only a file or a folder is a lock. A link is never followed: a dangling one would make
// its target outside the folder, one to a file would lock another program's file. A FIFO,
// a socket or a device opens (as root), or takes flock, without being a lock of ours.
TEST(FolderLock, WhatIsNoFileOfOursCanHoldNone) {
  testing::TempFolder folder;
  const std::string path = folder.File("vellaro.lock");
  const std::string elsewhere = folder.File("elsewhere");
  const std::string target = elsewhere + "/lock";
  auto expect_none = [&](const char* what) {
    FolderLock lock;
    EXPECT_EQ(lock.TryTake(path), FolderLock::Outcome::kCannotBe) << what;
    EXPECT_FALSE(lock.Holds()) << what;
    std::filesystem::remove(path);
  };
  std::filesystem::create_symlink(target, path);
  expect_none("a link into a missing folder");
  std::filesystem::create_directory(elsewhere);
  std::filesystem::create_symlink(target, path);
  expect_none("a dangling link");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(target))) << "made";
  std::ofstream(target).flush();
  std::filesystem::create_symlink(target, path);
  expect_none("a link to a file");
  std::filesystem::create_directory_symlink(elsewhere, path);
  expect_none("a link to a folder");
  std::filesystem::create_symlink(path, path);
  expect_none("a link to itself");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  expect_none("a FIFO");
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);
  expect_none("a socket");
  // /dev/null's numbers, where the container lets root make a device.
  if (mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) expect_none("a device");
}

TEST(FolderLock, ALockDiesWithItsHolder) {
  testing::TempFolder folder;
  const std::string path = folder.File("vellaro.lock");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FolderLock lock;
    const char taken = lock.TryTake(path) == FolderLock::Outcome::kTaken ? 1 : 0;
    if (write(ready[1], &taken, 1) != 1) _exit(3);
    pause();  // until killed
    _exit(0);
  }
  close(ready[1]);
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  close(ready[0]);
  ASSERT_EQ(taken, 1);
  FolderLock mine;
  EXPECT_EQ(mine.TryTake(path), FolderLock::Outcome::kHeld);
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(mine.TryTake(path), FolderLock::Outcome::kTaken);
}

}  // namespace
}  // namespace vellaro

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "export/file_replace.h"
#include "export/game_log.h"
#include "game/game_error.h"
#include "support/file_text.h"
#include "support/game_peer.h"
#include "support/harness.h"
#include "text/translate.h"

namespace vellaro {
namespace {

namespace fs = std::filesystem;

// Answers the save dialog for the player: a name, or a cancel.
class FakeDialog : public SaveDialog {
 public:
  std::optional<std::string> answer;
  SaveDialogSettings seen;
  int shown = 0;
  bool Execute(SaveDialogSettings& settings) override {
    ++shown;
    seen = settings;
    if (!answer) return false;
    settings.FileName = *answer;
    return true;
  }
};

using testing::ReadAll;
using testing::WriteAll;

class SaveLog : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("vellaro-save-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    GamePeer::State(g).ModeId = 0;  // record only
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }
  // Saves to `name` and returns the error message shown, if any.
  std::optional<std::string> Save(const std::string& name, const FilesInUse& in_use = {}) {
    dialog.answer = name;
    try {
      g.SaveLog(dialog, in_use);
    } catch (const GameError& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }
  size_t FilesIn(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
  }

  fs::path folder;
  FakeDialog dialog;
  testing::Harness h;
  Game& g = h.game;
};

TEST_F(SaveLog, WritesOneNumberPerLineInCrLfWithTheDialogsSettings) {
  h.Spins({7, 0, 32});
  const fs::path file = folder / "game.txt";
  EXPECT_EQ(Save(file), std::nullopt);
  EXPECT_EQ(ReadAll(file), std::string("7\r\n0\r\n32\r\n"));
  EXPECT_EQ(fs::file_size(file), 10u);
  EXPECT_EQ(dialog.seen.Title, "Save Vellaro 4 Game History...");
  EXPECT_EQ(dialog.seen.FilterDescription, "Notepad file *.txt");
  EXPECT_EQ(dialog.seen.FilterPattern, "*.txt");
  EXPECT_EQ(dialog.seen.DefaultExt, "txt");
  EXPECT_TRUE(dialog.seen.ConfirmOverwrite);
  EXPECT_TRUE(dialog.seen.HideReadOnly);
  EXPECT_TRUE(dialog.seen.Resizable);
  EXPECT_EQ(dialog.seen.FileName, "");

  Save(file);  // the dialog comes back with the name chosen last
  EXPECT_EQ(dialog.seen.FileName, file.string());
  EXPECT_EQ(FilesIn(folder), 1u);
}

TEST_F(SaveLog, AnEmptyHistoryGivesAnEmptyFileAndAnUndoneSpinIsLeftOut) {
  EXPECT_EQ(Save(folder / "empty.txt"), std::nullopt);
  EXPECT_EQ(fs::file_size(folder / "empty.txt"), 0u);

  testing::Harness played;
  played.game.Apply(act::ChooseSystem{kMartingale});
  played.Spins({1, 2, 3, 4, 5, 6});
  played.game.Apply(act::Undo{});
  FakeDialog answer;
  answer.answer = (folder / "undone.txt").string();
  played.game.SaveLog(answer);
  EXPECT_EQ(ReadAll(folder / "undone.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
}

TEST_F(SaveLog, ANameWithoutExtensionGetsTxt) {
  h.Spin(5);
  Save((folder / "log").string());
  EXPECT_EQ(ReadAll(folder / "log.txt"), "5\r\n");
  EXPECT_FALSE(fs::exists(folder / "log"));
  EXPECT_EQ(WithDefaultExtension("dir.d/log", "txt"), "dir.d/log.txt");
  EXPECT_EQ(WithDefaultExtension("log.csv", "txt"), "log.csv");
}

TEST_F(SaveLog, CancelOrAnEmptyNameWritesNothingAlsoAfterASave) {
  h.Spin(5);
  const fs::path file = folder / "kept.txt";
  Save(file);
  h.Spin(6);
  dialog.answer.reset();
  g.SaveLog(dialog);
  EXPECT_EQ(ReadAll(file), "5\r\n");
  EXPECT_EQ(g.SaveDialogChoice().FileName, file.string());
  dialog.answer = "";
  g.SaveLog(dialog);
  EXPECT_EQ(ReadAll(file), "5\r\n");
  EXPECT_EQ(FilesIn(folder), 1u);
  EXPECT_EQ(g.SaveDialogChoice().FileName, file.string());  // still the name chosen last
}

TEST_F(SaveLog, AReplacedFileKeepsItsPermissions) {
  const fs::path file = folder / "mode.txt";
  WriteAll(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  h.Spin(9);
  EXPECT_EQ(Save(file), std::nullopt);
  EXPECT_EQ(ReadAll(file), "9\r\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SaveLog, ALinkIsWrittenThroughAndAnyNameTheFolderHoldsFits) {
  const fs::path real = folder / "real.txt";
  const fs::path link = folder / "link.txt";
  WriteAll(real, "old");
  fs::create_symlink(real, link);
  h.Spin(4);
  EXPECT_EQ(Save(link), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadAll(real), "4\r\n");

  // 254 bytes, close to the longest name a folder takes.
  const fs::path longest = folder / (std::string(250, 'a') + ".txt");
  EXPECT_EQ(Save(longest), std::nullopt);
  EXPECT_EQ(ReadAll(longest), "4\r\n");
  EXPECT_EQ(FilesIn(folder), 3u);
}

// The replacing rename needs only the folder's permission; a file the player may not write
// must still be refused. Root may write anything, so as root the save runs as nobody.
TEST_F(SaveLog, AFileThePlayerMayNotWriteIsRefusedAndKept) {
  const fs::path file = folder / "locked.txt";
  WriteAll(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder, fs::perms::all);
  h.Spin(4);
  const std::string expected = "Cannot create file " + file.string() + ": Permission denied";
  if (::geteuid() != 0) {
    EXPECT_EQ(Save(file), expected);
  } else {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const bool refused = ::setgid(65534) == 0 && ::setuid(65534) == 0 && Save(file) == expected;
      ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(ReadAll(file), "old");
  EXPECT_EQ(FilesIn(folder), 1u);
}

TEST_F(SaveLog, FailuresShowTheMessageAndLeaveTheOldFileByteForByte) {
  h.Spins({1, 2, 3});
  const fs::path file = folder / "old.txt";
  const std::string old = "36\r\n35\r\n";
  WriteAll(file, old);
  const int32_t balance = GamePeer::State(g).Balance;

  // A write that fails part-way, as on a full disk.
  int calls = 0;
  g.SetLogWriteCall([&](int fd, const void* data, size_t size) -> ssize_t {
    if (++calls > 1) {
      errno = ENOSPC;
      return -1;
    }
    return ::write(fd, data, size < 2 ? size : 2);
  });
  EXPECT_EQ(Save(file), "Cannot create file " + file.string() + ": No space left on device");
  EXPECT_EQ(ReadAll(file), old);
  EXPECT_EQ(FilesIn(folder), 1u);  // no temporary file left
  g.SetLogWriteCall({});

  // A missing folder, a folder in place of the file, a name too long.
  // Each message keeps the name as the player chose it and adds the system's reason.
  const fs::path missing = folder / "missing" / "log.txt";
  EXPECT_EQ(Save(missing),
            "Cannot create file " + missing.string() + ": No such file or directory");
  fs::create_directory(folder / "dir.txt");
  EXPECT_EQ(Save(folder / "dir.txt"),
            "Cannot create file " + (folder / "dir.txt").string() + ": Is a directory");
  const std::string long_name = (folder / (std::string(300, 'x') + ".txt")).string();
  EXPECT_EQ(Save(long_name), "Cannot create file " + long_name + ": File name too long");

  EXPECT_EQ(ReadAll(file), old);
  EXPECT_EQ(FilesIn(folder), 2u);  // old.txt and dir.txt

  // The game goes on unchanged.
  EXPECT_EQ(GamePeer::Controls(g).NumbersList, (TextLines{"1", "2", "3"}));
  EXPECT_EQ(GamePeer::State(g).Balance, balance);
  h.Spin(4);
  EXPECT_EQ(GamePeer::State(g).SpinCount, 4);
}

// The window's journal is never the log, whatever the name the player gives it.
TEST_F(SaveLog, TheLogNeverGoesOverAFileInUse) {
  h.Spins({1, 2, 3});
  const fs::path journal = folder / "journal.sqlite";
  WriteAll(journal, "the sessions");
  fs::create_symlink(journal, folder / "journal.txt");
  EXPECT_EQ(Save((folder / "journal").string(), {journal.string()}),
            "Cannot create file " + (folder / "journal.txt").string() +
                ": it is the same file as " + journal.string() + ", which this program reads");
  EXPECT_EQ(ReadAll(journal), "the sessions");
  EXPECT_EQ(Save((folder / "evening.txt").string(), {journal.string()}), std::nullopt);
}

// The error carries the system's errno, so that a message need not take what() apart.
TEST_F(SaveLog, TheWriteErrorCarriesTheSystemsReason) {
  const struct Case {
    fs::path path;
    int error;
  } cases[] = {{folder / "missing" / "log.txt", ENOENT}, {folder, EISDIR}, {"", ENOENT}};
  for (const Case& c : cases) {
    try {
      ReplaceFileAtomically(c.path.string(), "1\r\n");
      ADD_FAILURE() << c.path << " was written";
    } catch (const FileWriteError& e) {
      EXPECT_EQ(e.error(), c.error) << c.path;
      EXPECT_EQ(e.reason(), std::strerror(c.error)) << c.path;
      EXPECT_NE(std::string(e.what()).find(e.reason()), std::string::npos) << e.what();
    }
  }
  int calls = 0;
  const auto full = [&](int, const void*, size_t) -> ssize_t {
    ++calls;
    errno = ENOSPC;
    return -1;
  };
  try {
    ReplaceFileAtomically((folder / "full.txt").string(), "1\r\n", {}, full);
    ADD_FAILURE() << "a failing write was not reported";
  } catch (const FileWriteError& e) {
    EXPECT_EQ(e.error(), ENOSPC);
    EXPECT_EQ(e.reason(), "No space left on device");
  }
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(FilesIn(folder), 0u);

  // The step is said in the player's language; the error and the system's reason are kept.
  SetLanguage("de");
  try {
    ReplaceFileAtomically(folder.string(), "1\r\n");
    ADD_FAILURE() << "a folder was written over";
  } catch (const FileWriteError& e) {
    EXPECT_EQ(std::string(e.what()), folder.string() + " ist ein Ordner: " + e.reason());
    EXPECT_EQ(e.error(), EISDIR);
  }
  SetLanguage("en");
}

// A small tmpfs mounted over a folder for the length of a test. Needs root; tests skip
// where the system does not allow it.
class TmpfsMount {
 public:
  TmpfsMount(const fs::path& where, const char* options) : where_(where) {
    mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, options) == 0;
  }
  ~TmpfsMount() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  bool MakeReadOnly() {
    return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  fs::path where_;
  bool mounted_ = false;
};

TEST_F(SaveLog, AReadOnlyFolderShowsTheMessageAndKeepsTheFile) {
  const fs::path mount_point = folder / "ro";
  fs::create_directory(mount_point);
  TmpfsMount tmpfs(mount_point, "size=64k");
  if (!tmpfs.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  const fs::path file = mount_point / "log.txt";
  WriteAll(file, "1\r\n");
  ASSERT_TRUE(tmpfs.MakeReadOnly());
  h.Spins({2, 3});
  EXPECT_EQ(Save(file), "Cannot create file " + file.string() + ": Read-only file system");
  EXPECT_EQ(ReadAll(file), "1\r\n");
  EXPECT_EQ(FilesIn(mount_point), 1u);
}

TEST_F(SaveLog, AFullDiskShowsTheMessageAndKeepsTheFile) {
  const fs::path mount_point = folder / "full";
  fs::create_directory(mount_point);
  TmpfsMount tmpfs(mount_point, "size=8k");
  if (!tmpfs.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  const fs::path file = mount_point / "log.txt";
  WriteAll(file, "old\r\n");
  for (int i = 0; i < 6000; ++i) g.Apply(act::EnterNumber{i % 37});  // about 20 kB of log
  EXPECT_EQ(Save(file), "Cannot create file " + file.string() + ": No space left on device");
  EXPECT_EQ(ReadAll(file), "old\r\n");
  EXPECT_EQ(FilesIn(mount_point), 1u);
}

}  // namespace
}  // namespace vellaro

// One window per data folder: the lock, its takeover from a dead holder, and the message
// that brings the first window forward.

#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <future>
#include <sstream>
#include <vector>

#include "app/local_socket.h"
#include "env/folder_lock.h"
#include "journal/journal_file.h"
#include "temporary_home.h"

using vellaro::app::SingleInstance;
using Start = SingleInstance::Start;
using Outcome = vellaro::FolderLock::Outcome;

namespace {

// Claims `folder` on another thread while this one runs the event loop, from which the
// first start answers.
template <typename Call>
auto WhileServing(Call call) {
  auto asked = std::async(std::launch::async, std::move(call));
  while (asked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return asked.get();
}

Start ClaimElsewhere(const QString& folder) {
  return WhileServing([folder] {
    SingleInstance second(folder, [] {});
    return second.Claim(std::chrono::seconds(5));
  });
}

// Connects to `path`, sends `bytes` (and no more) and returns what comes back before the server
// closes.
std::string SendRaw(const std::string& path, const std::string& bytes) {
  return WhileServing([path, bytes] {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    std::string answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      (void)::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      ::shutdown(fd, SHUT_WR);
      char chunk[256];
      ssize_t n = 0;
      while ((n = ::recv(fd, chunk, sizeof chunk, 0)) > 0) answer.append(chunk, size_t(n));
    }
    ::close(fd);
    return answer;
  });
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    home_.Use();
    qputenv("XDG_RUNTIME_DIR", home_.path().toUtf8());
  }

  // Peers that hold connections open, or a process out of descriptors, make the server
  // pause rather than spin; it answers again once they go.
  void theSocketServerPausesInsteadOfSpinning() {
    QTemporaryDir folder;
    const std::string path = (folder.path() + "/socket").toStdString();
    vellaro::app::LineServer server(path, "raise\n", "raised\n", [] {});
    // Without blocking: a full queue waits for the server, which runs on this thread.
    auto connect_one = [&path] {
      const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
      while (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EAGAIN) return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      }
      return fd;
    };
    std::vector<int> silent;
    for (size_t i = 0; i < vellaro::app::LineServer::kMostClients + 4; ++i) {
      silent.push_back(connect_one());
    }
    QVERIFY(QTest::qWaitFor([&] { return !server.accepting(); }, 5000));
    QCOMPARE(server.clients(), vellaro::app::LineServer::kMostClients);
    for (int fd : silent) ::close(fd);
    QVERIFY(QTest::qWaitFor([&] { return server.accepting() && server.clients() == 0; }, 5000));

    // No descriptor left for the next connection: accept fails, and the server pauses.
    rlimit limit{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    std::vector<int> filler;
    // Whatever fails below, the later tests get their descriptors back.
    struct Restore {
      rlimit saved;
      std::vector<int>& filler;
      ~Restore() {
        ::setrlimit(RLIMIT_NOFILE, &saved);
        for (int fd : filler) ::close(fd);
        filler.clear();
      }
    } restore{limit, filler};
    int highest_open = 0;
    for (const QString& entry : QDir("/proc/self/fd").entryList(QDir::Files | QDir::System)) {
      highest_open = std::max(highest_open, entry.toInt());
    }
    limit.rlim_cur = static_cast<rlim_t>(highest_open) + 32;
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    for (int fd = 0; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) filler.push_back(fd);
    QCOMPARE(errno, EMFILE);
    ::close(filler.back());  // the one the peer's end takes
    filler.pop_back();
    const int peer = connect_one();
    QVERIFY(peer >= 0);  // the filler is full again: the server's accept has none left
    QVERIFY(QTest::qWaitFor([&] { return !server.accepting(); }, 5000));
    QCOMPARE(server.clients(), size_t{0});
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &restore.saved), 0);
    for (int fd : filler) ::close(fd);
    filler.clear();
    ::close(peer);
    QVERIFY(QTest::qWaitFor([&] { return server.accepting(); }, 5000));
    QCOMPARE(WhileServing([path] {
               return vellaro::app::AskLine(path, "raise\n", std::chrono::seconds(5));
             }),
             std::string("raised"));
  }

  void aSecondStartRaisesTheFirstAndTheFolderIsFreeWhenItEnds() {
    QTemporaryDir folder;
    int raised = 0;
    {
      SingleInstance first(folder.path(), [&] { ++raised; });
      QCOMPARE(first.Claim(), Start::kFirst);
      QVERIFY(QFile::exists(folder.path() + "/vellaro.lock"));
      QCOMPARE(ClaimElsewhere(folder.path()), Start::kRaisedTheOther);
      QCOMPARE(raised, 1);
      // Another spelling of the same folder.
      QCOMPARE(ClaimElsewhere(folder.path() + "/./"), Start::kRaisedTheOther);
      QCOMPARE(raised, 2);
    }
    SingleInstance next(folder.path(), [] {});
    QCOMPARE(next.Claim(), Start::kFirst);
  }

  // Only the one line asks for the window; anything else is closed unanswered, and the
  // server goes on answering. The socket is the user's alone, and goes with the server.
  void theSocketAnswersOnlyTheRequest() {
    QTemporaryDir folder;
    const std::string path = (folder.path() + "/socket").toStdString();
    int asked = 0;
    {
      vellaro::app::LineServer server(path, "raise\n", "raised\n", [&] { ++asked; });
      QVERIFY(server.listening());
      struct stat file {};
      QCOMPARE(::stat(path.c_str(), &file), 0);
      QCOMPARE(file.st_mode & 0777, 0600u);
      QCOMPARE(SendRaw(path, "lower\n"), std::string());
      QCOMPARE(SendRaw(path, "raise"), std::string());  // no whole line before the peer stopped
      QCOMPARE(SendRaw(path, std::string(200, 'x')), std::string());
      QCOMPARE(asked, 0);
      QCOMPARE(SendRaw(path, "raise\n"), std::string("raised\n"));
      QCOMPARE(WhileServing([path] {
                 return vellaro::app::AskLine(path, "raise\n", std::chrono::seconds(5));
               }),
               std::string("raised"));
      QCOMPARE(asked, 2);
    }
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QCOMPARE(vellaro::app::AskLine(path, "raise\n", std::chrono::milliseconds(200)), std::string());
    // A path longer than a socket address takes is refused, not cut short.
    vellaro::app::LineServer too_long(std::string(200, 'a'), "raise\n", "raised\n", [] {});
    QVERIFY(!too_long.listening());
  }

  void anotherFolderIsAnotherWindow() {
    QTemporaryDir one, two;
    SingleInstance first(one.path(), [] {});
    SingleInstance second(two.path(), [] {});
    QCOMPARE(first.Claim(), Start::kFirst);
    QCOMPARE(second.Claim(), Start::kFirst);
    QVERIFY(SingleInstance::ServerName(one.path()) != SingleInstance::ServerName(two.path()));
    QCOMPARE(SingleInstance::ServerName(one.path()),
             SingleInstance::ServerName(one.path() + "/../" + QFileInfo(one.path()).fileName()));
  }

  // Liveness is the kernel's lock, never the file: a holder that died (a kill -9 in the
  // first milliseconds leaves an empty file), garbage, another host's name or a directory
  // at the lock's path leave a folder that the next start takes.
  void aLockNoLiveProcessHoldsIsTakenOver() {
    {
      QTemporaryDir folder;
      const std::string lock_path = (folder.path() + "/vellaro.lock").toStdString();
      const pid_t child = fork();
      QVERIFY(child >= 0);
      if (child == 0) {
        vellaro::FolderLock lock;
        _exit(lock.TryTake(lock_path) == vellaro::FolderLock::Outcome::kTaken ? 0 : 1);
      }
      int status = 0;
      QCOMPARE(waitpid(child, &status, 0), child);
      QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
      QVERIFY(QFile::exists(folder.path() + "/vellaro.lock"));
      SingleInstance start(folder.path(), [] {});
      QCOMPARE(start.Claim(), Start::kFirst);
    }
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("\x01\xff garbage"), QByteArray("4242\nvellaro\notherhost\n")}) {
      QTemporaryDir folder;
      vellaro::app::testing::WriteFile(folder.path() + "/vellaro.lock", contents);
      SingleInstance start(folder.path(), [] {});
      QCOMPARE(start.Claim(), Start::kFirst);
      QCOMPARE(start.MayWriteJournal(), Outcome::kTaken);
      SingleInstance second(folder.path(), [] {});
      QVERIFY(!second.TakeLock());  // and it is a real lock
    }
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("vellaro.lock"));
    SingleInstance start(folder.path(), [] {});
    QCOMPARE(start.Claim(), Start::kFirst);
    QCOMPARE(start.MayWriteJournal(), Outcome::kTaken);
    SingleInstance second(folder.path(), [] {});
    QVERIFY(!second.TakeLock());
  }

  void aHolderThatDoesNotAnswerIsReportedAsRunning() {
    QTemporaryDir folder;
    // A live holder of the lock with no socket to answer on.
    vellaro::FolderLock held;
    QCOMPARE(held.TryTake((folder.path() + "/vellaro.lock").toStdString()),
             vellaro::FolderLock::Outcome::kTaken);
    SingleInstance start(folder.path(), [] {});
    QCOMPARE(start.Claim(std::chrono::milliseconds(200)), Start::kOtherSilent);
    held.Release();
    SingleInstance later(folder.path(), [] {});
    QVERIFY(later.TakeLock());
  }

  // The start takes the lock before the toolkit runs, and reads the journal only if it got
  // it; it listens for later starts once the toolkit runs.
  void theLockTakenEarlyDecidesWhoReadsTheJournal() {
    QTemporaryDir folder;
    int raised = 0;
    SingleInstance first(folder.path(), [&] { ++raised; });
    QVERIFY(first.TakeLock());
    QVERIFY(first.TakeLock());  // asked again, the same answer
    SingleInstance second(folder.path(), [] {});
    QVERIFY(!second.TakeLock());
    QCOMPARE(first.Claim(), Start::kFirst);
    QCOMPARE(ClaimElsewhere(folder.path()), Start::kRaisedTheOther);
    QCOMPARE(raised, 1);
  }

  // A folder that cannot be made holds no lock: the start runs with its journal off, and
  // hands later starts its window; once the folder can be made, the first to ask takes the
  // lock and may write.
  void aFolderThatCouldHoldNoLockIsTakenLaterByOneStart() {
    QTemporaryDir parent;
    const QString folder = parent.path() + "/vellaro";
    vellaro::app::testing::WriteFile(folder, {});  // a file where the folder should be
    int raised = 0;
    SingleInstance first(folder, [&] { ++raised; });
    QVERIFY(!first.TakeLock());
    QCOMPARE(first.Claim(std::chrono::milliseconds(200)), Start::kFirst);
    QCOMPARE(first.MayWriteJournal(), Outcome::kCannotBe);
    SingleInstance second(folder, [] {});
    QVERIFY(!second.TakeLock());
    QCOMPARE(second.MayWriteJournal(), Outcome::kCannotBe);

    QVERIFY(QFile::remove(folder));
    QCOMPARE(first.MayWriteJournal(), Outcome::kTaken);
    QCOMPARE(second.MayWriteJournal(), Outcome::kHeld);
    QCOMPARE(first.MayWriteJournal(), Outcome::kTaken);  // asked again, the same answer
    QCOMPARE(ClaimElsewhere(folder), Start::kRaisedTheOther);
    QCOMPARE(raised, 1);
  }

  // A lock that cannot be taken (a link into a missing folder, a link loop, a socket in its
  // place, even as root) lets no start write the journal: the first runs with the journal
  // off, a second hands over to it through the socket, and a dangling link's target is not
  // made.
  void aLockThatCannotBeTakenLetsNoStartWrite() {
    for (const char* place : {"dangling", "loop", "socket"}) {
      QTemporaryDir folder;
      const std::string lock = (folder.path() + "/vellaro.lock").toStdString();
      const std::string target = (folder.path() + "/missing/lock").toStdString();
      if (std::strcmp(place, "dangling") == 0) QCOMPARE(::symlink(target.c_str(), lock.c_str()), 0);
      if (std::strcmp(place, "loop") == 0) QCOMPARE(::symlink(lock.c_str(), lock.c_str()), 0);
      if (std::strcmp(place, "socket") == 0) {  // bound, then closed: the file stays
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, lock.c_str(), sizeof address.sun_path - 1);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
      }
      int raised = 0;
      SingleInstance first(folder.path(), [&] { ++raised; });
      QVERIFY2(!first.TakeLock(), place);
      QCOMPARE(first.Claim(std::chrono::milliseconds(200)), Start::kFirst);
      QCOMPARE(first.MayWriteJournal(), Outcome::kCannotBe);
      SingleInstance second(folder.path(), [] {});
      QVERIFY2(!second.TakeLock(), place);
      QCOMPARE(second.MayWriteJournal(), Outcome::kCannotBe);
      QCOMPARE(ClaimElsewhere(folder.path()), Start::kRaisedTheOther);
      QCOMPARE(raised, 1);
      QVERIFY2(!QFileInfo::exists(QString::fromStdString(target)), place);
    }
  }

  // The lock file made unreadable (chmod 000): the owner, who is no root, cannot open it,
  // and must not write the journal. Run as nobody in a child where the tests run as root.
  void anUnreadableLockLetsNoStartWrite() {
    QTemporaryDir folder;
    QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
    const QString lock = folder.path() + "/vellaro.lock";
    vellaro::app::testing::WriteFile(lock, {});
    QCOMPARE(::chmod(lock.toLocal8Bit().constData(), 0), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(2);
      SingleInstance start(folder.path(), [] {});
      const bool took = start.TakeLock();
      _exit(!took && start.MayWriteJournal() == Outcome::kCannotBe ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
  }

  // The lock guards the journal's own folder, also where the XDG rules set a variable aside.
  void theLockIsInTheJournalsFolder() {
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    for (const QByteArray& set : {data, QByteArray("relative/data")}) {
      qputenv("XDG_DATA_HOME", set);
      QCOMPARE(SingleInstance::DefaultDataFolder().toStdString() + "/journal.sqlite",
               vellaro::journal::DefaultJournalPath());
    }
    QCOMPARE(SingleInstance::DefaultDataFolder(), home_.path() + "/.local/share/vellaro");
    qputenv("XDG_DATA_HOME", data);
  }

  void startUpSaysWhyItEnds() {
    QDir().mkpath(SingleInstance::DefaultDataFolder());
    QVERIFY(SingleInstance::DefaultDataFolder().startsWith(home_.path() + "/data/"));
    std::ostringstream first_err;
    SingleInstance first(SingleInstance::DefaultDataFolder());
    QVERIFY(first.TakeLock());
    QVERIFY(vellaro::app::ClaimDataFolder(first, first_err));
    QCOMPARE(first_err.str(), std::string());
    // Asked from this thread, the first cannot answer: its event loop is not running.
    std::ostringstream second_err;
    SingleInstance second(SingleInstance::DefaultDataFolder());
    QVERIFY(!vellaro::app::ClaimDataFolder(second, second_err));
    QVERIFY(second_err.str().find("Vellaro is already running") != std::string::npos);
  }

 private:
  vellaro::app::testing::TemporaryHome home_;
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"

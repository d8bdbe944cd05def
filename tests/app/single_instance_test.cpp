// One window per data folder: the lock, its takeover from a dead holder, and the message
// that brings the first window forward.

#include "app/single_instance.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <sstream>

#include "journal/journal_file.h"

using vellaro::app::SingleInstance;
using Start = SingleInstance::Start;

namespace {

// Claims `folder` on another thread while this one runs the event loop, from which the
// first start answers.
Start ClaimElsewhere(const QString& folder) {
  auto claim = std::async(std::launch::async, [folder] {
    SingleInstance second(folder, [] {});
    return second.Claim(std::chrono::seconds(5));
  });
  while (claim.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return claim.get();
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", home_.path().toUtf8());
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

  void theLockOfAProcessThatDiedIsTakenOver() {
    QTemporaryDir folder;
    const QString lock_path = folder.path() + "/vellaro.lock";
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      QLockFile lock(lock_path);
      _exit(lock.tryLock(0) ? 0 : 1);  // dies holding it: no unlock
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(QFile::exists(lock_path));
    SingleInstance start(folder.path(), [] {});
    QCOMPARE(start.Claim(), Start::kFirst);
  }

  void aHolderThatDoesNotAnswerIsReportedAsRunning() {
    QTemporaryDir folder;
    // A live holder of the lock with no socket to answer on.
    QLockFile held(folder.path() + "/vellaro.lock");
    QVERIFY(held.tryLock(0));
    SingleInstance start(folder.path(), [] {});
    QCOMPARE(start.Claim(std::chrono::milliseconds(200)), Start::kOtherSilent);
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
  QTemporaryDir home_;
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"

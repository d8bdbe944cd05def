#pragma once

// One window per data folder. The journal in the data folder has one writer: a second
// Vellaro started on the same folder must not open another. The first start holds the
// kernel's lock on a file in the folder (released when its holder dies) and listens on
// a local socket named after the folder; a later start finds the lock held, asks the first
// through the socket to bring its window forward, and ends.

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>

#include "env/folder_lock.h"

namespace vellaro::app {

class LineServer;

class SingleInstance {
 public:
  enum class Start {
    kFirst,           // this start holds the folder: it opens the window
    kRaisedTheOther,  // another holds it and has brought its window forward
    kOtherSilent,     // another holds it and did not answer in time
  };

  // `raise`: what this start does when a later one asks (by default, bring its visible
  // windows forward and activate them).
  explicit SingleInstance(QString data_folder, std::function<void()> raise = RaiseWindows);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Takes the folder's lock, if no live process holds it. Returns whether this start holds
  // the folder, and so may read and write its journal. Needs no QApplication: the journal can
  // be read while the toolkit starts.
  bool TakeLock();
  // Whether this start may write the journal now: kTaken when it holds the folder's lock.
  // A start that does not holds it tries again, and once it holds it listens for later
  // starts: the journal the window then opens has one writer. kHeld: another window keeps
  // the journal; kCannotBe: the lock cannot be taken (a file that cannot be opened, a link,
  // a socket at its place, or no folder), so no start can know it is the only writer, and
  // none writes.
  FolderLock::Outcome MayWriteJournal();

  // Takes the folder (TakeLock, if not done yet) and listens for later starts, or asks its
  // holder to come forward, waiting at most `answer` for it. Needs the QApplication: the
  // first start answers from its event loop. Where the lock cannot be taken, a start that
  // runs (its journal off) listens all the same, and a later one asks it to come forward:
  // one window per folder holds wherever the socket does.
  Start Claim(std::chrono::milliseconds answer = std::chrono::seconds(3));

  const QString& folder() const { return folder_; }

  // The local socket's name for `data_folder`: the same for every spelling of the path.
  static QString ServerName(const QString& data_folder);
  // Where that socket lives: in $XDG_RUNTIME_DIR, or the temporary folder without one.
  static QString SocketPath(const QString& data_folder);
  // $XDG_DATA_HOME/vellaro (~/.local/share/vellaro when it is unset), where the journal lives.
  static QString DefaultDataFolder();
  static void RaiseWindows();

 private:
  QString LockPath() const;
  void Listen();
  Start AskTheHolder(std::chrono::milliseconds answer);

  QString folder_;
  std::function<void()> raise_;
  FolderLock lock_;
  bool tried_ = false;                                          // TakeLock has run
  FolderLock::Outcome taken_ = FolderLock::Outcome::kCannotBe;  // what TakeLock found
  // Made only once the toolkit runs.
  std::unique_ptr<LineServer> server_;
};

// The start-up's call once the toolkit runs: claims the data folder of `instance` (the
// default one, made and locked with TakeLock before the toolkit started). Returns whether
// this start holds it; if not, another Vellaro does, has been asked to come forward and
// `err` says so, and this start ends (status 0).
bool ClaimDataFolder(SingleInstance& instance, std::ostream& err);

}  // namespace vellaro::app

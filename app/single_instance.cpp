#include "app/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>
#include <filesystem>

#include "app/local_socket.h"
#include "journal/journal_file.h"

namespace vellaro::app {
namespace {

constexpr char kRaise[] = "raise\n";
constexpr char kRaised[] = "raised";  // the answer, sent as a line

}  // namespace

SingleInstance::SingleInstance(QString data_folder, std::function<void()> raise)
    : folder_(std::move(data_folder)), raise_(std::move(raise)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName(const QString& data_folder) {
  // A socket file's path is short (108 bytes on Linux): the folder goes in as a hash.
  const QString path = QDir::cleanPath(QFileInfo(data_folder).absoluteFilePath());
  const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
  return QStringLiteral("vellaro-") + QString::fromLatin1(hash.toHex().left(24));
}

QString SingleInstance::SocketPath(const QString& data_folder) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString folder = QDir::isAbsolutePath(runtime) ? runtime : QDir::tempPath();
  return folder + QLatin1Char('/') + ServerName(data_folder);
}

QString SingleInstance::DefaultDataFolder() {
  // The journal's own folder, found by the same rules, so that the lock guards that file.
  const std::string journal = vellaro::journal::DefaultJournalPath();
  if (!journal.empty()) {
    return QString::fromStdString(std::filesystem::path(journal).parent_path().string());
  }
  // No HOME: there is no journal; the toolkit's choice of folder holds the lock.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/vellaro");
}

void SingleInstance::RaiseWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->windowType() == Qt::Popup ||
        window->windowType() == Qt::ToolTip) {
      continue;
    }
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
  }
}

QString SingleInstance::LockPath() const {
  return folder_ + QStringLiteral("/vellaro.lock");
}

bool SingleInstance::TakeLock() {
  if (tried_) return lock_.Holds();
  tried_ = true;
  QDir().mkpath(folder_);
  taken_ = lock_.TryTake(LockPath().toStdString());
  return taken_ == FolderLock::Outcome::kTaken;
}

FolderLock::Outcome SingleInstance::MayWriteJournal() {
  if (!tried_) return FolderLock::Outcome::kCannotBe;
  if (lock_.Holds()) return FolderLock::Outcome::kTaken;
  QDir().mkpath(folder_);
  const FolderLock::Outcome now = lock_.TryTake(LockPath().toStdString());
  if (now == FolderLock::Outcome::kTaken && server_ == nullptr) Listen();
  return now;
}

SingleInstance::Start SingleInstance::Claim(std::chrono::milliseconds answer) {
  if (TakeLock()) {
    if (server_ == nullptr) Listen();
    return Start::kFirst;
  }
  const Start asked = AskTheHolder(answer);
  if (taken_ == FolderLock::Outcome::kHeld || asked == Start::kRaisedTheOther) return asked;
  // No lock to be had, and no window answers: this one runs with its journal off, and
  // answers the starts after it.
  if (server_ == nullptr) Listen();
  return Start::kFirst;
}

void SingleInstance::Listen() {
  // Later starts that find no listener say that one is running, without its window.
  server_ = std::make_unique<LineServer>(SocketPath(folder_).toStdString(), kRaise,
                                         std::string(kRaised) + '\n', [this] { raise_(); });
}

SingleInstance::Start SingleInstance::AskTheHolder(std::chrono::milliseconds answer) {
  const std::string said = AskLine(SocketPath(folder_).toStdString(), kRaise, answer);
  return said == kRaised ? Start::kRaisedTheOther : Start::kOtherSilent;
}

bool ClaimDataFolder(SingleInstance& instance, std::ostream& err) {
  switch (instance.Claim()) {
    case SingleInstance::Start::kFirst:
      return true;
    case SingleInstance::Start::kRaisedTheOther:
      err << QCoreApplication::translate(
                 "SingleInstance",
                 "Vellaro is already running: its window has been brought forward.")
                 .toStdString()
          << '\n';
      return false;
    case SingleInstance::Start::kOtherSilent:
      break;
  }
  err << QCoreApplication::translate("SingleInstance",
                                     "Vellaro is already running with the data folder %1, and "
                                     "did not answer.")
             .arg(instance.folder())
             .toStdString()
      << '\n';
  return false;
}

}  // namespace vellaro::app

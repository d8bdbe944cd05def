#pragma once

// Points HOME and the XDG folders at a test's own temporary folder: what a window or panel
// under test remembers (its place, the settings, the journal, the pictures' cache) must
// never reach the player's own folders.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace vellaro::app::testing {

inline void UseTemporaryHome(const QString& home) {
  qputenv("HOME", home.toUtf8());
  qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
  qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toUtf8());
  qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/cache")).toUtf8());
}

// A test program's home, made for it and removed after it; Use() from initTestCase.
class TemporaryHome {
 public:
  void Use() {
    QVERIFY(folder_.isValid());
    UseTemporaryHome(folder_.path());
  }
  QString path() const { return folder_.path(); }
  QString filePath(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
};

// A test's file written whole, its folder made first.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A file's whole bytes; empty if it does not open.
inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace vellaro::app::testing

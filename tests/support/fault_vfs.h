#pragma once

// A SQLite VFS for tests, registered as "vellaro-fault": a shim over the default one that
// counts every xWrite, xTruncate and xSync of the files it opens and can fail one of them,
// or cut the power there.
//
// Power. The files are written through to the disk, and each keeps the image it had at its
// last completed xSync (or when it was first opened). At a cut, the call fails and every
// later write, sync and delete fails without effect; Reboot() then puts each file back to
// its synced image and drops the WAL index (-shm), as a machine that lost its page cache
// would find them. The shim itself never calls fsync: durability is what it models.

#include <cstdint>
#include <map>
#include <string>

namespace vellaro::testing {

class FaultVfs {
 public:
  enum class Fault { kNone, kIoError, kDiskFull, kPowerCut };
  static constexpr const char* kName = "vellaro-fault";

  // Registers the shim (once) and makes it the one that counts.
  static FaultVfs& Get();

  // Fails the `at`-th call from now (0 is the next one) with `fault`; kNone only counts.
  void Arm(Fault fault, int64_t at);
  // The write, truncate and sync calls counted since Arm.
  int64_t calls() const { return calls_; }
  bool fired() const { return fired_; }
  bool powered() const { return powered_; }
  // After a cut, once every connection is closed: each file as it was at its last sync.
  void Reboot();

  // For the shim's functions.
  int Call();  // SQLITE_OK, or the fault
  void Synced(const std::string& path);
  void Opened(const std::string& path);
  void Deleted(const std::string& path) { durable_.erase(path); }

 private:
  Fault fault_ = Fault::kNone;
  int64_t at_ = -1;
  int64_t calls_ = 0;
  bool fired_ = false;
  bool powered_ = true;
  std::map<std::string, std::string> durable_;  // path: its bytes at its last sync
};

}  // namespace vellaro::testing

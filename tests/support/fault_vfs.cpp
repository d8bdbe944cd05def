#include "support/fault_vfs.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vellaro::testing {
namespace {

// A file of the shim: SQLite's handle, the name it was opened with (valid until xClose),
// and the default VFS's file after it.
struct ShimFile {
  sqlite3_file base;
  const char* path;
};
constexpr int kShimBytes = (sizeof(ShimFile) + 7) & ~7;

sqlite3_vfs* real_vfs = nullptr;
sqlite3_vfs shim_vfs;

sqlite3_file* Real(sqlite3_file* file) {
  return reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + kShimBytes);
}
std::string PathOf(sqlite3_file* file) {
  const char* path = reinterpret_cast<ShimFile*>(file)->path;
  return path != nullptr ? path : "";
}

int Close(sqlite3_file* f) {
  return Real(f)->pMethods->xClose(Real(f));
}
int Read(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
  return Real(f)->pMethods->xRead(Real(f), data, amount, offset);
}
int Write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
  if (const int rc = FaultVfs::Get().Call(); rc != SQLITE_OK) {
    return rc == SQLITE_IOERR ? SQLITE_IOERR_WRITE : rc;
  }
  return Real(f)->pMethods->xWrite(Real(f), data, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  if (const int rc = FaultVfs::Get().Call(); rc != SQLITE_OK) {
    return rc == SQLITE_IOERR ? SQLITE_IOERR_TRUNCATE : rc;
  }
  return Real(f)->pMethods->xTruncate(Real(f), size);
}
// The written bytes are already in the file (the system's cache); what a sync adds is that
// a power cut keeps them, which the shim records instead of calling fsync.
int Sync(sqlite3_file* f, int) {
  if (const int rc = FaultVfs::Get().Call(); rc != SQLITE_OK) {
    return rc == SQLITE_IOERR ? SQLITE_IOERR_FSYNC : rc;
  }
  FaultVfs::Get().Synced(PathOf(f));
  return SQLITE_OK;
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) {
  return Real(f)->pMethods->xFileSize(Real(f), size);
}
int Lock(sqlite3_file* f, int level) {
  return Real(f)->pMethods->xLock(Real(f), level);
}
int Unlock(sqlite3_file* f, int level) {
  return Real(f)->pMethods->xUnlock(Real(f), level);
}
int CheckReservedLock(sqlite3_file* f, int* out) {
  return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
  return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
int SectorSize(sqlite3_file* f) {
  return Real(f)->pMethods->xSectorSize(Real(f));
}
int DeviceCharacteristics(sqlite3_file* f) {
  return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return Real(f)->pMethods->xShmMap(Real(f), region, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) {
  Real(f)->pMethods->xShmBarrier(Real(f));
}
int ShmUnmap(sqlite3_file* f, int remove) {
  return Real(f)->pMethods->xShmUnmap(Real(f), remove);
}

// Version 2: shared memory for the WAL, and no memory-mapped reads, which would go round
// the shim.
const sqlite3_io_methods kShimMethods = {2,
                                         Close,
                                         Read,
                                         Write,
                                         Truncate,
                                         Sync,
                                         FileSize,
                                         Lock,
                                         Unlock,
                                         CheckReservedLock,
                                         FileControl,
                                         SectorSize,
                                         DeviceCharacteristics,
                                         ShmMap,
                                         ShmLock,
                                         ShmBarrier,
                                         ShmUnmap,
                                         nullptr,
                                         nullptr};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* out_flags) {
  auto* shim = reinterpret_cast<ShimFile*>(file);
  shim->base.pMethods = nullptr;
  shim->path = name;
  const int rc = real_vfs->xOpen(real_vfs, name, Real(file), flags, out_flags);
  if (rc != SQLITE_OK || Real(file)->pMethods == nullptr) return rc;
  if (name != nullptr) FaultVfs::Get().Opened(name);
  shim->base.pMethods = &kShimMethods;
  return SQLITE_OK;
}

int Delete(sqlite3_vfs*, const char* name, int sync_dir) {
  if (!FaultVfs::Get().powered()) return SQLITE_IOERR_DELETE;
  FaultVfs::Get().Deleted(name);
  return real_vfs->xDelete(real_vfs, name, sync_dir);
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  // In braces two iterators would read as a list of two characters; they are the range of
  // the file's bytes.
  // NOLINTNEXTLINE(modernize-return-braced-init-list)
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

FaultVfs& FaultVfs::Get() {
  static FaultVfs vfs;
  if (real_vfs == nullptr) {
    real_vfs = sqlite3_vfs_find(nullptr);
    shim_vfs = *real_vfs;
    shim_vfs.szOsFile = kShimBytes + real_vfs->szOsFile;
    shim_vfs.zName = kName;
    shim_vfs.pNext = nullptr;
    shim_vfs.xOpen = Open;
    shim_vfs.xDelete = Delete;
    if (sqlite3_vfs_register(&shim_vfs, 0) != SQLITE_OK) {
      throw std::runtime_error("cannot register the fault VFS");
    }
  }
  return vfs;
}

void FaultVfs::Arm(Fault fault, int64_t at) {
  fault_ = fault;
  at_ = at;
  calls_ = 0;
  fired_ = false;
  powered_ = true;
  durable_.clear();
}

int FaultVfs::Call() {
  if (!powered_) return SQLITE_IOERR;
  if (calls_++ != at_ || fault_ == Fault::kNone) return SQLITE_OK;
  fired_ = true;
  switch (fault_) {
    case Fault::kIoError:
      return SQLITE_IOERR;
    case Fault::kDiskFull:
      return SQLITE_FULL;
    case Fault::kPowerCut:
      powered_ = false;
      return SQLITE_IOERR;
    case Fault::kNone:
      break;
  }
  return SQLITE_OK;
}

void FaultVfs::Synced(const std::string& path) {
  if (!path.empty()) durable_[path] = Contents(path);
}

void FaultVfs::Opened(const std::string& path) {
  if (!durable_.contains(path)) durable_[path] = Contents(path);
}

void FaultVfs::Reboot() {
  for (const auto& [path, bytes] : durable_) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::filesystem::remove(path + "-shm");
  }
  durable_.clear();
  powered_ = true;
  fault_ = Fault::kNone;
}

}  // namespace vellaro::testing

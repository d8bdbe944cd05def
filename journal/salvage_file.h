#pragma once

// Putting a salvaged journal in the damaged one's place so that a kill at any moment loses
// nothing. The copy is built beside the damaged file under a name of its own
// ("<journal>.salvage"), written whole into its main file and synced with its folder; only
// then is it renamed "<journal>.salvaged-<UTC time>", which says it is complete. The damaged
// file and its -wal and -shm then go to "<journal>.corrupt-<the same time>" and the copy is
// renamed into place. A kill before the copy is complete leaves the damaged file as the
// journal (the next start removes the half-made copy and salvages again); a kill after it
// leaves a complete copy, which the next start puts in place before anything else.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "journal/journal.h"
#include "journal/salvage.h"

namespace vellaro::journal {

// The moments of the sequence, in order, for a test that stops it at each one.
enum class SalvageStep {
  kCopied,        // the copy is written and closed, under its working name
  kCopySynced,    // its main file is on the disk
  kReady,         // it bears the complete copy's name, and the folder is synced
  kDamagedAside,  // the damaged file and its companions bear their new names
  kInPlace,       // the copy is the journal, and the folder is synced
};
using SalvageProbe = std::function<void(SalvageStep)>;

struct SalvageDone {
  std::string aside;   // where the damaged file went
  std::string detail;  // "2 sessions saved, 1 lost" (SalvagedText)
};

// Puts in place the complete copy a salvage killed after it was complete left behind, if
// there is one, and says what was saved. Throws std::system_error if a file cannot be moved.
std::optional<SalvageDone> FinishLeftOverSalvage(const std::string& path,
                                                 const SalvageProbe& probe = {});

// Salvages the damaged journal at `path` (SalvageInto) into a copy, a half-made one a killed
// salvage left removed first, and puts the copy in its place. Throws std::system_error if a file
// cannot be moved or synced, JournalError if the copy cannot be written: the damaged file is then
// still the journal.
SalvageDone SalvageDamaged(const std::string& path, const SessionCheck& replays,
                           const WallClock& now, const SalvageProbe& probe = {});

}  // namespace vellaro::journal

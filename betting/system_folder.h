#pragma once

// The system files of one folder, for the window's box and for vellaro-sim: every
// `*.system` in it, in the order of their file names, each read or refused on its own so
// that one broken file hides none of the others.

#include <string>
#include <vector>

#include "betting/system_file.h"

namespace vellaro {

struct SystemFolderEntry {
  std::string path;
  SystemFileResult result;
};

// At most this many files of a folder are read (the first in name order).
inline constexpr size_t kMaxSystemFilesPerFolder = 500;

// A folder that does not exist or cannot be read has no systems. Never throws.
std::vector<SystemFolderEntry> ListSystemFolder(const std::string& folder);

}  // namespace vellaro

#include "betting/system_folder.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace vellaro {

std::vector<SystemFolderEntry> ListSystemFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> paths;
  try {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      // Hidden files (an editor's backup, ".system") are not the player's systems.
      const std::string name = it->path().filename().string();
      if (name.starts_with(".") || it->path().extension() != ".system") continue;
      paths.push_back(it->path().string());
    }
  } catch (const std::exception&) {
    // What was listed before the failure is still listed.
  }
  std::sort(paths.begin(), paths.end());
  if (paths.size() > kMaxSystemFilesPerFolder) paths.resize(kMaxSystemFilesPerFolder);
  std::vector<SystemFolderEntry> entries;
  entries.reserve(paths.size());
  for (std::string& path : paths) {
    SystemFileResult result = LoadSystemFile(path);
    entries.push_back({std::move(path), std::move(result)});
  }
  return entries;
}

}  // namespace vellaro

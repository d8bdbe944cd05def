#include "export/file_replace.h"
#include "export/game_log.h"
#include "front/game.h"
#include "game/game_error.h"
#include "text/translate.h"

namespace vellaro {

void Game::SaveLog(SaveDialog& dialog, const FilesInUse& in_use) {
  const std::string last_chosen = SaveDialog1.FileName;
  if (!dialog.Execute(SaveDialog1)) return;
  if (SaveDialog1.FileName.empty()) {
    SaveDialog1.FileName = last_chosen;
    return;
  }
  SaveDialog1.FileName = WithDefaultExtension(SaveDialog1.FileName, SaveDialog1.DefaultExt);
  try {
    ReplaceFileAtomically(SaveDialog1.FileName, GameLogText(NumbersList), in_use, log_write_call_);
  } catch (const FileWriteError& error) {
    // The player's own name for the file, then the system's reason in its words.
    throw GameError(
        TrFormat("Cannot create file {1}: {2}", {SaveDialog1.FileName, error.reason()}));
  }
}

}  // namespace vellaro

#include <QApplication>
#include <QLocale>
#include <csignal>
#include <future>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "host/window_game.h"
#include "journal/journal_file.h"
#include "text/translate.h"

namespace {

// Opens the journal, reads its last session back and resumes it, on another thread, while
// the toolkit starts and the window is built: the window then shows the game as it stands.
// Only once this start holds the data folder: a second Vellaro on the same folder must not
// open the journal at all.
std::future<std::unique_ptr<vellaro::host::WindowGame>> ResumeAhead() {
  return std::async(std::launch::async, [] {
    auto play = std::make_unique<vellaro::host::WindowGame>();
    play->KeepJournal(vellaro::journal::PrepareJournal(vellaro::journal::DefaultJournalPath(),
                                                       vellaro::replay::ReplaysExactly));
    return play;
  });
}

// The window's translation of `language` (the system's where it names none), when there is
// one.
void InstallWindowLanguage(QCoreApplication& application, const std::string& language) {
  vellaro::app::InstallLanguage(
      application, language.empty() ? QLocale::system().name() : QString::fromStdString(language),
      vellaro::app::TranslationsFolder());
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file-size limit (ulimit -f) is a full disk: the journal, the picture cache and the
  // saved files each fail their write and go on, where the signal would end the window.
  std::signal(SIGXFSZ, SIG_IGN);
  // Before the window's toolkit: these work without a display.
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // The engine's texts too, and before anything makes one: the resume below words a notice.
  const std::string language = vellaro::ChosenLanguage(args, vellaro::ProcessLanguageEnvironment());
  vellaro::SetLanguage(language);
  // The help speaks the chosen language, which a core application (no display either) is
  // enough to install.
  if (vellaro::app::AnswersWithoutWindow(args)) {
    QCoreApplication core(argc, argv);
    InstallWindowLanguage(core, language);
    return vellaro::app::AnswerWithoutWindow(args, std::cout).value_or(1);
  }
  // One window, and one journal writer, per data folder: the lock is taken first, so that a
  // long journal is read while the toolkit starts; a second start hands over to the first.
  vellaro::app::SingleInstance instance(vellaro::app::SingleInstance::DefaultDataFolder());
  std::future<std::unique_ptr<vellaro::host::WindowGame>> play;
  if (instance.TakeLock()) play = ResumeAhead();
  vellaro::app::FontConfigurationLoader fonts;
  vellaro::app::InstallFontSubstitutions();
  vellaro::app::Guard guard;
  // Outlives start-up, so that a failure of it can still be shown in a box.
  std::unique_ptr<QApplication> application;
  return vellaro::app::RunGuarded(guard, [&] {
    application = std::make_unique<QApplication>(argc, argv);
    InstallWindowLanguage(*application, language);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLARO_APP_ID));
    if (!vellaro::app::ClaimDataFolder(instance, std::cerr)) return;
    fonts.Wait();
    vellaro::app::MainWindow window(
        guard, vellaro::app::PictureStore(vellaro::app::PictureStore::DefaultFolder()));
    // The lock was taken before the toolkit started, and the game is on its way; or it cannot
    // be taken, and the window runs with its journal off, which it never writes without it.
    std::unique_ptr<vellaro::host::WindowGame> game;
    if (play.valid()) {
      game = play.get();
    } else {
      game = std::make_unique<vellaro::host::WindowGame>();
      game->KeepJournalWithoutLock(vellaro::journal::DefaultJournalPath());
    }
    // A journal that could not be opened at start is opened by the window holding the lock.
    game->SetMayOpenJournal([&instance] { return instance.MayWriteJournal(); });
    window.Adopt(std::move(game));
    window.ReportFirstPaint(qEnvironmentVariableIntValue("VELLARO_REPORT_FIRST_PAINT") == 1);
    window.move(242, 112);
    // The journal's session keeps its own options; the settings file then gives the window
    // its place and, for a new session, the options.
    window.KeepSettings(vellaro::app::SettingsStore(vellaro::app::SettingsStore::DefaultPath()));
    window.show();
    QApplication::exec();
  });
}

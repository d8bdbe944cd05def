#include <QApplication>
#include <future>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "journal/journal_file.h"

namespace {

// Opens the journal and reads its last session back on another thread, while the toolkit
// starts and the fonts and the window are made. Only once this start holds the data folder:
// a second Vellaro on the same folder must not open the journal at all.
std::future<vellaro::journal::JournalAtStart> ReadJournalAhead() {
  return std::async(std::launch::async, [] {
    return vellaro::journal::PrepareJournal(vellaro::journal::DefaultJournalPath());
  });
}

// The journal first, so that a session it resumes keeps its own options; the settings file
// then gives the window its place and, for a new session, the options.
void KeepJournalAndSettings(vellaro::app::MainWindow& window,
                            std::future<vellaro::journal::JournalAtStart>& journal) {
  window.KeepJournal(journal.get());
  window.KeepSettings(vellaro::app::SettingsStore(vellaro::app::SettingsStore::DefaultPath()));
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before anything of Qt: these work without a display.
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (const std::optional<int> status = vellaro::app::AnswerWithoutWindow(args, std::cout)) {
    return *status;
  }
  vellaro::app::FontConfigurationLoader fonts;
  vellaro::app::InstallFontSubstitutions();
  vellaro::app::Guard guard;
  // Outlives start-up, so that a failure of it can still be shown in a box.
  std::unique_ptr<QApplication> application;
  // One window, and one journal writer, per data folder: the lock is taken first, so that a
  // long journal is read while the toolkit starts; a second start hands over to the first.
  vellaro::app::SingleInstance instance(vellaro::app::SingleInstance::DefaultDataFolder());
  std::future<vellaro::journal::JournalAtStart> journal;
  if (instance.TakeLock()) journal = ReadJournalAhead();
  return vellaro::app::RunGuarded(guard, [&] {
    application = std::make_unique<QApplication>(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLARO_APP_ID));
    if (!vellaro::app::ClaimDataFolder(instance, std::cerr)) return;
    fonts.Wait();
    vellaro::app::MainWindow window(
        guard, vellaro::app::PictureStore(vellaro::app::PictureStore::DefaultFolder()));
    window.ReportFirstPaint(qEnvironmentVariableIntValue("VELLARO_REPORT_FIRST_PAINT") == 1);
    window.move(242, 112);
    KeepJournalAndSettings(window, journal);
    window.show();
    QApplication::exec();
  });
}

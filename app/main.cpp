#include <QApplication>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "app/main_window.h"
#include "app/single_instance.h"

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
  return vellaro::app::RunGuarded(guard, [&] {
    application = std::make_unique<QApplication>(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLARO_APP_ID));
    // One window, and one journal writer, per data folder: a second start hands over.
    const auto instance = vellaro::app::ClaimDataFolder(std::cerr);
    if (!instance) return;
    fonts.Wait();
    vellaro::app::MainWindow window(guard);
    window.ReportFirstPaint(qEnvironmentVariableIntValue("VELLARO_REPORT_FIRST_PAINT") == 1);
    window.move(242, 112);
    window.KeepSettings(vellaro::app::SettingsStore(vellaro::app::SettingsStore::DefaultPath()));
    window.show();
    QApplication::exec();
  });
}

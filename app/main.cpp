#include <QApplication>
#include <memory>

#include "app/fonts.h"
#include "app/guard.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
  vellaro::app::FontConfigurationLoader fonts;
  vellaro::app::InstallFontSubstitutions();
  vellaro::app::Guard guard;
  // Outlives start-up, so that a failure of it can still be shown in a box.
  std::unique_ptr<QApplication> application;
  return vellaro::app::RunGuarded(guard, [&] {
    application = std::make_unique<QApplication>(argc, argv);
    fonts.Wait();
    vellaro::app::MainWindow window(guard);
    window.ReportFirstPaint(qEnvironmentVariableIntValue("VELLARO_REPORT_FIRST_PAINT") == 1);
    window.move(242, 112);
    window.show();
    QApplication::exec();
  });
}

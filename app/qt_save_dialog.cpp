#include "app/qt_save_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace vellaro::app {

namespace {
QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogSettings& settings) {
  dialog.setWindowTitle(FromUtf8(settings.Title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(FromUtf8(settings.FilterDescription) + " (" +
                       FromUtf8(settings.FilterPattern) + ")");
  dialog.setDefaultSuffix(FromUtf8(settings.DefaultExt));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.ConfirmOverwrite);
  dialog.setSizeGripEnabled(settings.Resizable);
  if (!settings.FileName.empty()) dialog.selectFile(QFile::decodeName(settings.FileName.c_str()));
}

bool QtSaveDialog::Execute(SaveDialogSettings& settings) {
  QFileDialog dialog(parent_);
  ConfigureSaveDialog(dialog, settings);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  settings.FileName =
      files.isEmpty() ? std::string() : QFile::encodeName(files.front()).toStdString();
  return true;
}

}  // namespace vellaro::app

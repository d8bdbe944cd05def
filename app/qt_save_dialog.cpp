#include "app/qt_save_dialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QStringList>

#include "app/dialog_above.h"

namespace vellaro::app {

namespace {
QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// Tells a file's type and icon from its name alone. The toolkit's provider reads the start
// of every file it lists to tell its type, and a file of /proc such as kmsg never answers:
// the whole program hung once the player typed a name in /proc.
class NamedFileIcons final : public QFileIconProvider {
 public:
  QIcon icon(const QFileInfo& info) const override {
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QCoreApplication::translate("SaveDialog", "Folder");
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
  }
};

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
  NamedFileIcons icons;  // outlives the dialog
  QFileDialog dialog(parent_);
  dialog.setIconProvider(&icons);
  ConfigureSaveDialog(dialog, settings);
  StandAbove(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  settings.FileName =
      files.isEmpty() ? std::string() : QFile::encodeName(files.front()).toStdString();
  return true;
}

}  // namespace vellaro::app

#include "app/system_editor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBlock>
#include <algorithm>

#include "app/area_host.h"
#include "app/dialog_above.h"
#include "betting/saturate.h"
#include "betting/system_file.h"
#include "betting/system_preview.h"
#include "env/regular_file.h"
#include "export/file_replace.h"

namespace vellaro::app {

namespace {

constexpr int kPreviewLosses = 10;

// What "New" starts from: a Martingale, the system most players know, to change.
// Only its first line, a comment, is the player's language: the keys are the file's.
constexpr const char* kNewComment = QT_TRANSLATE_NOOP(
    "SystemEditor",
    "# A betting system of your own: see \"Your own betting systems\" in the guide (F1).");
const QString kNewText = QStringLiteral(
    "%1\n"
    "name = %2\n"
    "kind = multiply\n"
    "on_loss = times 2\n"
    "on_win = reset\n");

// A file name from a system's name: letters, digits and '-', nothing a folder could hide.
QString FileNameFor(const QString& name) {
  QString stem = name.trimmed().toLower();
  stem.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
  stem.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
  return stem.isEmpty() ? QString() : stem + QStringLiteral(".system");
}

}  // namespace

SystemEditor::SystemEditor(AreaHost& host, SystemFolders folders,
                           std::function<vellaro::FilesInUse()> journal_files,
                           std::function<void()> saved)
    : QDialog(&host.surface()),
      host_(host),
      folders_(std::move(folders)),
      journal_files_(std::move(journal_files)),
      saved_(std::move(saved)) {
  setObjectName(QStringLiteral("SystemEditor"));
  setWindowTitle(QCoreApplication::translate("SystemEditor", "Betting systems"));
  ask_name_ = [this](const QString& suggested) {
    return QInputDialog::getText(this,
                                 QCoreApplication::translate("SystemEditor", "New betting system"),
                                 QCoreApplication::translate("SystemEditor", "Name of the system:"),
                                 QLineEdit::Normal, suggested);
  };
  auto* grid = new QGridLayout(this);
  BuildList();
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("SystemText"));
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  error_ = new QLabel(this);
  error_->setObjectName(QStringLiteral("SystemError"));
  error_->setWordWrap(true);
  error_->setStyleSheet(QStringLiteral("color: #b00000"));
  // Two lines kept for it, so that an error does not make the text jump.
  error_->setMinimumHeight(2 * error_->fontMetrics().lineSpacing() + 2);
  error_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BuildPreview();
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("SystemStatus"));
  status_->setWordWrap(true);
  grid->addWidget(files_, 0, 0, 4, 1);
  grid->addWidget(text_, 0, 1);
  grid->addWidget(error_, 1, 1);
  grid->addWidget(preview_, 2, 1);
  grid->addWidget(status_, 3, 1);
  grid->setRowStretch(0, 1);
  BuildButtons();
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { Read(); });
  ListFiles();
  if (files_->count() > 0) Open(0);
  resize(720, 460);
  StandAbove(*this);
}

void SystemEditor::BuildList() {
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("SystemFiles"));
  files_->setMaximumWidth(200);
  connect(files_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(entries_.size()) && entries_[row].path != path_) {
      Open(row);
    }
  });
}

void SystemEditor::BuildPreview() {
  preview_ = new QTableWidget(1, kPreviewLosses + 1, this);
  preview_->setObjectName(QStringLiteral("SystemPreview"));
  QStringList columns;
  for (int n = 1; n <= kPreviewLosses; ++n) columns << QString::number(n);
  columns << QCoreApplication::translate("SystemEditor", "win");
  preview_->setHorizontalHeaderLabels(columns);
  preview_->setVerticalHeaderLabels({QCoreApplication::translate("SystemEditor", "Next stake")});
  preview_->setToolTip(QCoreApplication::translate(
      "SystemEditor",
      "The stake after 1 to 10 losses in a row from the start (with SAFE LEVEL 0), and "
      "after a win, times your base stake. How far the stakes climb is the risk; the house "
      "keeps 1 unit in 37 of every stake whatever they are."));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  preview_->setFixedHeight(preview_->horizontalHeader()->sizeHint().height() +
                           preview_->verticalHeader()->defaultSectionSize() + 4);
  for (int c = 0; c < preview_->columnCount(); ++c) preview_->setItem(0, c, new QTableWidgetItem);
  FitPreview();
}

void SystemEditor::FitPreview() {
  // The columns share the width equally: the table is kept wide enough for its widest
  // figure or heading to show whole in each (the dialog grows with it), never "1…".
  const QHeaderView* header = preview_->horizontalHeader();
  int widest = 0;
  for (int c = 0; c < preview_->columnCount(); ++c) {
    widest =
        std::max({widest, static_cast<const QAbstractItemView*>(preview_)->sizeHintForColumn(c),
                  header->sectionSizeHint(c)});
  }
  preview_->setMinimumWidth(widest * preview_->columnCount() +
                            preview_->verticalHeader()->sizeHint().width() +
                            2 * preview_->frameWidth());
}

void SystemEditor::BuildButtons() {
  auto* row = new QHBoxLayout;
  const auto add = [this, row](const char* name, const QString& caption,
                               void (SystemEditor::*act)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, act] { (this->*act)(); });
    row->addWidget(button);
    return button;
  };
  add("SystemNew", QCoreApplication::translate("SystemEditor", "New\u2026"), &SystemEditor::New);
  save_ =
      add("SystemSave", QCoreApplication::translate("SystemEditor", "Save"), &SystemEditor::Save);
  add("SystemSaveAs", QCoreApplication::translate("SystemEditor", "Save as\u2026"),
      &SystemEditor::SaveAs);
  use_ = add("SystemUse", QCoreApplication::translate("SystemEditor", "Use"), &SystemEditor::Use);
  row->addStretch(1);
  auto* close = new QPushButton(QCoreApplication::translate("SystemEditor", "Close"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  row->addWidget(close);
  static_cast<QGridLayout*>(layout())->addLayout(row, 4, 0, 1, 2);
}

void SystemEditor::ListFiles() {
  entries_ = ReadSystems(folders_);
  const QSignalBlocker quiet(files_);
  files_->clear();
  for (const SystemEntry& entry : entries_) {
    QString label = entry.Name();
    if (entry.preset) label += QCoreApplication::translate("SystemEditor", " (preset)");
    if (!entry.system) label += QCoreApplication::translate("SystemEditor", " (error)");
    auto* item = new QListWidgetItem(label, files_);
    item->setToolTip(entry.system ? entry.path : entry.described_error);
    if (entry.path == path_) files_->setCurrentItem(item);
  }
}

void SystemEditor::Open(int row) {
  const SystemEntry& entry = entries_.at(static_cast<size_t>(row));
  // A file that cannot be read opens empty, its error shown by the list's tooltip. Only a
  // regular file is read, and no more than a system file may hold: a FIFO there would hold
  // the window until a writer came, a link to /dev/zero fill its memory.
  QString text;
  try {
    text = QString::fromStdString(vellaro::ReadRegularFile(
        QFile::encodeName(entry.path).toStdString(), vellaro::kMaxSystemFileBytes));
  } catch (const vellaro::FileReadError&) {
  }
  path_ = entry.path;
  preset_ = entry.preset;
  saved_text_ = text;
  {
    const QSignalBlocker quiet(files_);
    files_->setCurrentRow(row);
  }
  text_->setReadOnly(preset_);
  text_->setPlainText(text);
  Status(preset_ ? QCoreApplication::translate(
                       "SystemEditor",
                       "A preset: read only. \"Save as\u2026\" makes a copy of your own.")
                 : entry.path);
}

void SystemEditor::Read() {
  const QString text = text_->toPlainText();
  const vellaro::SystemFileResult read = vellaro::ParseSystemFile(text.toStdString());
  parsed_ = read.system;
  errors_ = read.errors;
  if (!errors_.empty()) {
    ShowErrors();
  } else {
    text_->setExtraSelections({});
    error_->clear();
    ShowPreview(parsed_->rules);
  }
  save_->setEnabled(!preset_);
  use_->setEnabled(parsed_.has_value() && usable_);
  // "Saved to …" no longer holds once the text is not the file's.
  if (!preset_ && text != saved_text_) {
    Status(QCoreApplication::translate("SystemEditor", "Changed: not saved yet."));
  }
}

void SystemEditor::ShowErrors() {
  // Every line with a mistake is marked; the first of them is said.
  QList<QTextEdit::ExtraSelection> marks;
  for (const vellaro::SystemFileError& error : errors_) {
    if (error.line <= 0) continue;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(text_->document()->findBlockByNumber(error.line - 1));
    mark.format.setBackground(QColor(255, 200, 200));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    marks << mark;
  }
  const vellaro::SystemFileError& first = errors_.front();
  QString said = first.line > 0 ? QCoreApplication::translate("SystemEditor", "Line %1: %2")
                                      .arg(first.line)
                                      .arg(QString::fromStdString(first.message))
                                : QString::fromStdString(first.message);
  if (errors_.size() > 1) {
    said += QCoreApplication::translate("SystemEditor", " (the first of %1 errors)")
                .arg(errors_.size());
  }
  error_->setText(said);
  text_->setExtraSelections(marks);
  // No preview of a text that cannot be played.
  for (int c = 0; c < preview_->columnCount(); ++c)
    preview_->item(0, c)->setText(QStringLiteral("\u2013"));
  FitPreview();
}

void SystemEditor::ShowPreview(const vellaro::SystemDefinition& rules) {
  const vellaro::SystemPreview stakes = vellaro::PreviewStakes(rules, kPreviewLosses);
  const int64_t base = host_.view().Snapshot().settings.base;
  // The game keeps a stake in 32 bits: rules that climb past its largest show that, here
  // as in the game.
  const auto shown = [base](int64_t units) {
    return QString::number(vellaro::Saturate(vellaro::ClampedMul(units, base)));
  };
  for (int c = 0; c < kPreviewLosses && c < static_cast<int>(stakes.after_losses.size()); ++c) {
    preview_->item(0, c)->setText(shown(stakes.after_losses[static_cast<size_t>(c)]));
  }
  preview_->item(0, kPreviewLosses)->setText(shown(stakes.after_win));
  FitPreview();
}

void SystemEditor::SetSystemsUsable(bool usable) {
  usable_ = usable;
  use_->setEnabled(parsed_.has_value() && usable_);
}

QString SystemEditor::AskNewPath(const QString& suggested, QString* typed) {
  const QString name = ask_name_(suggested);
  if (typed != nullptr) *typed = name.simplified();
  const QString file = FileNameFor(name);
  if (file.isEmpty()) {
    if (!name.trimmed().isEmpty())
      Status(QCoreApplication::translate("SystemEditor", "A name needs a letter or a digit."));
    return {};
  }
  QString path = QDir(folders_.player).filePath(file);
  if (QFileInfo::exists(path)) {
    Status(QCoreApplication::translate("SystemEditor", "%1 already exists: open it from the list.")
               .arg(path));
    return {};
  }
  return path;
}

void SystemEditor::New() {
  QString name;
  const QString path = AskNewPath(QCoreApplication::translate("SystemEditor", "My system"), &name);
  if (path.isEmpty()) return;
  path_.clear();
  preset_ = false;
  text_->setReadOnly(false);
  // The system is called as the player wrote it; only its file's name is made plain.
  text_->setPlainText(kNewText.arg(QCoreApplication::translate("SystemEditor", kNewComment), name));
  if (Write(path)) path_ = path;
  ListFiles();
}

void SystemEditor::Save() {
  if (preset_) return;
  if (path_.isEmpty()) {
    SaveAs();
    return;
  }
  Write(path_);
  ListFiles();
}

void SystemEditor::SaveAs() {
  const QString suggested = parsed_ ? QString::fromStdString(parsed_->rules.name) +
                                          QCoreApplication::translate("SystemEditor", " (mine)")
                                    : QCoreApplication::translate("SystemEditor", "My system");
  const QString path = AskNewPath(suggested);
  if (path.isEmpty() || !Write(path)) return;
  path_ = path;
  preset_ = false;
  text_->setReadOnly(false);
  Read();
  ListFiles();
}

bool SystemEditor::Write(const QString& path) {
  try {
    QDir().mkpath(QFileInfo(path).absolutePath());
    vellaro::ReplaceFileAtomically(QFile::encodeName(path).toStdString(),
                                   text_->toPlainText().toStdString(), journal_files_());
  } catch (const vellaro::FileWriteError& error) {
    Status(QCoreApplication::translate("SystemEditor", "Not saved: %1")
               .arg(QString::fromUtf8(error.what())));
    return false;
  }
  saved_text_ = text_->toPlainText();
  Status(SavedText(path));
  if (saved_) saved_();
  return true;
}

QString SystemEditor::SavedText(const QString& path) const {
  if (errors_.empty()) return QCoreApplication::translate("SystemEditor", "Saved to %1").arg(path);
  // Saved all the same, so that no work is lost; but said plainly, as a file with an
  // error cannot be chosen in the box.
  const vellaro::SystemFileError& first = errors_.front();
  const QString where = first.line > 0 ? QCoreApplication::translate("SystemEditor", "line %1: %2")
                                             .arg(first.line)
                                             .arg(QString::fromStdString(first.message))
                                       : QString::fromStdString(first.message);
  if (errors_.size() == 1) {
    return QCoreApplication::translate(
               "SystemEditor",
               "Saved to %1, with an error: %2. It cannot be chosen until it is put right.")
        .arg(path, where);
  }
  return QCoreApplication::translate("SystemEditor",
                                     "Saved to %1, with %2 errors; the first: %3. It cannot be "
                                     "chosen until they are put right.")
      .arg(path, QString::number(errors_.size()), where);
}

void SystemEditor::Use() {
  if (!parsed_ || !usable_) return;
  host_.Send(act::ChooseWrittenSystem{*parsed_});
}

void SystemEditor::Status(const QString& text) {
  status_->setText(text);
}

}  // namespace vellaro::app

#include "app/add_spins_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/control.h"
#include "app/dialog_above.h"
#include "app/guard.h"
#include "app/language.h"

namespace vellaro::app {

namespace {

// The first entry of the column box: the first column that holds only spins.
constexpr const char* kFirstColumn =
    QT_TRANSLATE_NOOP("AddSpinsDialog", "First column of numbers 0 to 36");

QString Capitalised(const std::string& text) {
  QString message = QString::fromStdString(text);
  if (!message.isEmpty()) message[0] = message[0].toUpper();
  return message;
}

}  // namespace

QString SpinsSummary(const std::vector<int>& spins) {
  if (spins.size() == 1)
    return QCoreApplication::translate("AddSpinsDialog", "Enter 1 spin: %1").arg(spins.front());
  return QCoreApplication::translate("AddSpinsDialog", "Enter %1 spins: %2 \u2026 %3")
      .arg(spins.size())
      .arg(spins.front())
      .arg(spins.back());
}

AddSpinsDialog::AddSpinsDialog(Guard& guard, std::function<void(const std::vector<int>&)> enter,
                               QWidget* parent)
    : QDialog(parent), guard_(guard), enter_spins_(std::move(enter)) {
  setWindowTitle(QCoreApplication::translate("AddSpinsDialog", "Vellaro \u2014 Add spins"));
  Tag(this, QStringLiteral("AddSpinsDialog"), Control::kAddSpins);
  BuildRows();
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { guard_.Run([this] { Reread(); }); });
  connect(newest_, &QCheckBox::toggled, this, [this] { guard_.Run([this] { Reread(); }); });
  connect(column_, &QComboBox::currentIndexChanged, this,
          [this] { guard_.Run([this] { Reread(); }); });
  connect(file_, &QPushButton::clicked, this, [this] { guard_.Run([this] { ChooseFile(); }); });
  connect(enter_, &QPushButton::clicked, this, [this] {
    guard_.Run([this] {
      if (spins_.empty()) return;
      const std::vector<int> spins = spins_;
      accept();
      enter_spins_(spins);
    });
  });
  StandAbove(*this);
  Reread();
}

void AddSpinsDialog::BuildRows() {
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(
      QCoreApplication::translate(
          "AddSpinsDialog",
          "The numbers that came out, oldest first, separated by spaces, commas, semicolons or "
          "new lines; at most %1 at once.")
          .arg(PersonLocale().toString(qulonglong{replay::kMostSpinsAtOnce})),
      this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  text_ = new QPlainTextEdit(this);
  Tag(text_, QStringLiteral("SpinsText"), Control::kAddSpins);
  layout->addWidget(text_);
  auto* row = new QHBoxLayout;
  newest_ = new QCheckBox(QCoreApplication::translate("AddSpinsDialog", "Newest first"), this);
  Tag(newest_, QStringLiteral("NewestFirst"), Control::kNewestFirst);
  file_ = new QPushButton(QCoreApplication::translate("AddSpinsDialog", "File\u2026"), this);
  Tag(file_, QStringLiteral("SpinsFile"), Control::kSpinsFile);
  column_ = new QComboBox(this);
  Tag(column_, QStringLiteral("SpinsColumn"), Control::kSpinsColumn);
  column_->hide();
  row->addWidget(newest_);
  row->addStretch();
  row->addWidget(column_);
  row->addWidget(file_);
  layout->addLayout(row);
  summary_ = new QLabel(this);
  Tag(summary_, QStringLiteral("SpinsSummary"), Control::kAddSpins);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  auto* buttons = new QDialogButtonBox(this);
  enter_ = buttons->addButton(QCoreApplication::translate("AddSpinsDialog", "Enter"),
                              QDialogButtonBox::AcceptRole);
  Tag(enter_, QStringLiteral("EnterSpins"), Control::kEnterSpins);
  enter_->setDefault(true);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  // Named here: Qt's own word is translated only where Qt's translations are installed.
  cancel->setText(QCoreApplication::translate("AddSpinsDialog", "Cancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(420, 300);
}

replay::SpinListOptions AddSpinsDialog::Options() const {
  replay::SpinListOptions options;
  options.format = csv_ ? replay::SpinFormat::kCsv : replay::SpinFormat::kList;
  options.newest_first = newest_->isChecked();
  // The box lists the columns after its first entry.
  if (csv_ && column_->currentIndex() > 0) {
    options.column_number = static_cast<size_t>(column_->currentIndex());
  }
  return options;
}

void AddSpinsDialog::Reread() {
  spins_.clear();
  try {
    replay::SpinList list = replay::ParseSpinList(text_->toPlainText().toStdString(), Options());
    spins_ = std::move(list.spins);
    summary_->setText(SpinsSummary(spins_));
  } catch (const replay::SpinListError& error) {
    summary_->setText(Capitalised(error.what()));
  }
  enter_->setEnabled(!spins_.empty());
}

void AddSpinsDialog::FillColumns(const std::string& text) {
  const QSignalBlocker quiet(column_);
  column_->clear();
  column_->addItem(QCoreApplication::translate("AddSpinsDialog", kFirstColumn));
  try {
    for (const std::string& name : replay::CsvColumns(text)) {
      column_->addItem(QString::fromStdString(name));
    }
  } catch (const replay::SpinListError&) {
    // A file without rows: Reread says so.
  }
}

void AddSpinsDialog::SetText(const QString& text) {
  csv_ = false;
  column_->hide();
  // The bound of a file holds for a copied text too: tens of megabytes would hold the window
  // while the box laid them out, long before the list was refused for its length. A UTF-16
  // unit is at least one byte of UTF-8: a text of more units is too large unconverted.
  constexpr auto kLargest = static_cast<qsizetype>(replay::kLargestSpinFile);
  if (text.size() > kLargest || text.toUtf8().size() > kLargest) {
    {
      const QSignalBlocker quiet(text_);
      text_->clear();
    }
    spins_.clear();
    summary_->setText(
        QCoreApplication::translate("AddSpinsDialog",
                                    "The copied text is larger than %1 MB: too large for a "
                                    "list of spins.")
            .arg(replay::kLargestSpinFile >> 20));
    enter_->setEnabled(false);
    return;
  }
  text_->setPlainText(text);  // reread on its change
  Reread();
}

void AddSpinsDialog::LoadFile(const QString& path) {
  std::string text;
  try {
    text = replay::ReadSpinFile(path.toStdString());
  } catch (const replay::SpinListError& error) {
    summary_->setText(Capitalised(error.what()));
    spins_.clear();
    enter_->setEnabled(false);
    return;
  }
  {
    const QSignalBlocker quiet(text_);
    text_->setPlainText(QString::fromStdString(text));
  }
  csv_ = replay::IsCsvName(path.toStdString());
  if (csv_) FillColumns(text);
  column_->setVisible(csv_);
  Reread();
}

void AddSpinsDialog::ChooseFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("AddSpinsDialog", "Spins from a file"), QString(),
      QCoreApplication::translate("AddSpinsDialog", "Spins (*.txt *.csv);;All files (*)"));
  if (!path.isEmpty()) LoadFile(path);
}

QString AddSpinsDialog::Summary() const {
  return summary_->text();
}

}  // namespace vellaro::app

#include "app/add_spins_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/control.h"
#include "app/counted_text.h"
#include "app/dialog_above.h"
#include "app/guard.h"
#include "app/language.h"

namespace vellaro::app {

namespace {

// The first entry of the column box: the column the reader finds, by its header or by
// its numbers (replay::ParseSpinList), and the summary names.
constexpr const char* kFirstColumn =
    QT_TRANSLATE_NOOP("AddSpinsDialog", "The column of spins, as found");

QString Capitalised(const std::string& text) {
  QString message = QString::fromStdString(text);
  if (!message.isEmpty()) message[0] = message[0].toUpper();
  return message;
}

// Asks before `count` spins, the list entered last, are entered a second time; the list
// stays unentered unless the player says so (Enter and Escape keep it out).
bool AskToEnterAgain(QWidget* dialog, size_t count) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Vellaro"),
                  QCoreApplication::translate("AddSpinsDialog",
                                              "The list you entered last, %1, is in the box "
                                              "again. Enter it a second time?")
                      .arg(CountText(static_cast<int64_t>(count), "spin", "spins")),
                  QMessageBox::NoButton, dialog);
  box.setObjectName(QString::fromLatin1(kEnterAgainBox));
  box.setWindowModality(Qt::WindowModal);
  QPushButton* again = box.addButton(QCoreApplication::translate("AddSpinsDialog", "Enter again"),
                                     QMessageBox::AcceptRole);
  again->setObjectName(QString::fromLatin1(kEnterAgainYes));
  QPushButton* keep = box.addButton(QCoreApplication::translate("AddSpinsDialog", "Do not enter"),
                                    QMessageBox::RejectRole);
  keep->setObjectName(QString::fromLatin1(kEnterAgainNo));
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  StandAbove(box);
  box.exec();
  return box.clickedButton() == again;
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

AddSpinsDialog::AddSpinsDialog(Guard& guard, std::function<bool(const std::vector<int>&)> enter,
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
  connect(enter_, &QPushButton::clicked, this, [this] { guard_.Run([this] { EnterList(); }); });
  // In the box Enter starts a new line; Ctrl+Enter enters the list from anywhere in the
  // dialog (Enter alone does where the box has not the focus: the enter button is the default).
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
      if (enter_->isEnabled()) enter_->click();
    });
  }
  // The box takes Ctrl+Enter as a key of its own: it is caught on its way there.
  text_->installEventFilter(this);
  StandAbove(*this);
  Reread();
}

bool AddSpinsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & Qt::ControlModifier) != 0) {
      if (enter_->isEnabled()) enter_->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AddSpinsDialog::EnterList() {
  if (spins_.empty()) return;
  if (spins_ == entered_ && !AskToEnterAgain(this, spins_.size())) return;
  const std::vector<int> spins = spins_;
  accept();
  if (!enter_spins_(spins)) return;  // refused: the list stays, to be tried again
  entered_ = spins;
  // Entered, the list is gone from the box: Enter at the next opening enters nothing.
  SetText(QString());
}

void AddSpinsDialog::BuildRows() {
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(
      QCoreApplication::translate(
          "AddSpinsDialog",
          "The numbers that came out, oldest first, separated by spaces, commas, semicolons or "
          "new lines; at most %1 at once.")
              .arg(PersonLocale().toString(qulonglong{replay::kMostSpinsAtOnce})) +
          QLatin1Char(' ') +
          QCoreApplication::translate("AddSpinsDialog",
                                      "Enter starts a new line; Ctrl+Enter enters the list."),
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
  const QString text = text_->toPlainText();
  try {
    // Nothing typed yet is not a mistake: the hint above says what to type.
    if (!csv_ && text.trimmed().isEmpty()) {
      summary_->clear();
    } else {
      replay::SpinList list = replay::ParseSpinList(text.toStdString(), Options());
      spins_ = std::move(list.spins);
      summary_->setText(SpinsSummary(spins_));
      // Which of the file's columns holds the spins is said first: a wrong column reads as
      // a list of good numbers.
      if (csv_ && list.columns.size() > 1) {
        summary_->setText(
            QCoreApplication::translate("AddSpinsDialog", "From column '%1' (%2 of %3):")
                .arg(QString::fromStdString(list.columns[list.column]))
                .arg(list.column + 1)
                .arg(list.columns.size()) +
            QLatin1Char('\n') + summary_->text());
      }
    }
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

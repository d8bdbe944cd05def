#include "app/system_box.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "app/area_host.h"

namespace vellaro::app {

namespace {

// Marks the row of the kept text of a system whose file has changed or gone.
constexpr int kKept = -1;

const QString kKeptNote = QStringLiteral(
    "The text kept when you chose this system: its file has changed or gone since. Choose "
    "the file's entry to play what it says now.");

// An entry's text as the field shows it whole, cut with an ellipsis when too wide; the
// tooltip keeps the whole name.
QString FittedName(const QComboBox& box, const QString& name) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  const int room =
      box.style()
          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
          .width();
  return box.fontMetrics().elidedText(name, Qt::ElideRight, room);
}

}  // namespace

SystemBox::SystemBox(AreaHost& host, SystemFolders folders, QComboBox* box)
    : host_(host), folders_(std::move(folders)), box_(box), built_in_(box->count()) {
  QObject::connect(box_, &QComboBox::activated, box_, [this](int row) { Activated(row); });
  Reload();
}

void SystemBox::Reload() {
  const QSignalBlocker quiet(box_);
  while (box_->count() > built_in_) box_->removeItem(built_in_);
  entries_ = ReadSystems(folders_);
  AddGroup(true);
  AddGroup(false);
  kept_.reset();
  Sync(host_.view());
}

void SystemBox::AddGroup(bool presets) {
  bool first = true;
  auto* model = static_cast<QStandardItemModel*>(box_->model());
  for (size_t i = 0; i < entries_.size(); ++i) {
    const SystemEntry& entry = entries_[i];
    if (entry.preset != presets) continue;
    if (first) box_->insertSeparator(box_->count());
    first = false;
    const QString name = entry.system
                             ? entry.Name()
                             : entry.Name() + QCoreApplication::translate("SystemBox", " (error)");
    box_->addItem(FittedName(*box_, name), static_cast<int>(i));
    const int row = box_->count() - 1;
    box_->setItemData(row, entry.system ? name : entry.described_error, Qt::ToolTipRole);
    // A file that does not parse is listed, never played.
    if (!entry.system) model->item(row)->setEnabled(false);
  }
}

int SystemBox::RowOf(const QString& path) const {
  for (int row = built_in_; row < box_->count(); ++row) {
    const QVariant entry = box_->itemData(row);
    if (entry.isValid() && entry.toInt() >= 0 &&
        entries_[static_cast<size_t>(entry.toInt())].path == path) {
      return row;
    }
  }
  return -1;
}

int SystemBox::RowOfText(const std::string& text) const {
  for (int row = built_in_; row < box_->count(); ++row) {
    const QVariant data = box_->itemData(row);
    if (!data.isValid()) continue;  // a separator
    const int entry = data.toInt();
    const std::optional<vellaro::CustomSystem>& system =
        entry == kKept ? kept_ : entries_[static_cast<size_t>(entry)].system;
    if (system && system->text == text) return row;
  }
  return -1;
}

int SystemBox::KeptRow(const vellaro::CustomSystem& system) {
  const QSignalBlocker quiet(box_);
  // The kept entry and its separator are the last two rows.
  if (kept_) {
    box_->removeItem(box_->count() - 1);
    box_->removeItem(box_->count() - 1);
  }
  kept_ = system;
  box_->insertSeparator(box_->count());
  box_->addItem(FittedName(*box_, QString::fromStdString(system.rules.name)), kKept);
  box_->setItemData(box_->count() - 1, kKeptNote, Qt::ToolTipRole);
  return box_->count() - 1;
}

void SystemBox::Sync(const vellaro::GameView& view) {
  const std::optional<vellaro::CustomSystem> custom = view.WrittenSystem();
  int row = view.SystemIndex();
  if (custom) {
    row = RowOfText(custom->text);
    if (row < 0) row = KeptRow(*custom);
  }
  if (box_->currentIndex() != row) {
    const QSignalBlocker quiet(box_);
    box_->setCurrentIndex(row);
  }
}

void SystemBox::Activated(int row) {
  if (row < built_in_) {
    host_.Send(act::ChooseSystem{row});
    return;
  }
  const int entry = box_->itemData(row).toInt();
  const std::optional<vellaro::CustomSystem>& chosen =
      entry == kKept ? kept_ : entries_[static_cast<size_t>(entry)].system;
  if (!chosen) return;
  host_.Send(act::ChooseWrittenSystem{*chosen});
}

}  // namespace vellaro::app

#include "app/add_spins_flow.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "app/accessible_names.h"
#include "app/add_spins_dialog.h"
#include "app/area_host.h"
#include "app/guard.h"
#include "app/lit_button.h"
#include "app/tooltips.h"

namespace vellaro::app {

namespace {

// Under the title, left of the guide's button and clear of the undo and of the readout.
constexpr QRect kAddSpinsPlace{156, 30, 21, 21};

}  // namespace

AddSpinsFlow::AddSpinsFlow(AreaHost& host, Guard& guard,
                           std::function<bool(const std::vector<int>&)> enter_spins)
    : host_(host), guard_(guard), enter_spins_(std::move(enter_spins)) {
  button_ = std::make_unique<LitButton>(
      host, QStringLiteral("AddSpins"), QStringLiteral("add_spins"), kAddSpinsPlace,
      Control::kAddSpins, [this] { guard_.Run([this] { Open(QString()); }); });
  BuildQuickAnalysis();
}

AddSpinsFlow::~AddSpinsFlow() = default;

void AddSpinsFlow::Sync() {
  button_->Sync();
}

void AddSpinsFlow::BuildQuickAnalysis() {
  QWidget& window = host_.surface();
  // A choice made once for the evening, not a control of the game: it sits in the window's
  // context menu (a right click anywhere but in an edit), with its key, and leaves the
  // window's drawn areas as they are.
  quick_analysis_item_ = new QAction(AccessibleName(Control::kQuickAnalysis), &window);
  quick_analysis_item_->setObjectName(QStringLiteral("QuickAnalysis"));
  quick_analysis_item_->setCheckable(true);
  quick_analysis_item_->setToolTip(TooltipFor(Control::kQuickAnalysis));
  quick_analysis_item_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
  QObject::connect(quick_analysis_item_, &QAction::toggled, &window,
                   [this](bool on) { host_.Run([this, on] { SetQuickAnalysis(on); }); });
  window.addAction(quick_analysis_item_);  // its key works with the menu closed
  auto* menu = new QMenu(&window);
  Tag(menu, QStringLiteral("WindowMenu"), Control::kQuickAnalysis);  // its one choice's help
  menu->setToolTipsVisible(true);
  menu->addAction(quick_analysis_item_);
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, &window,
                   [&window, menu](const QPoint& at) { menu->popup(window.mapToGlobal(at)); });
}

void AddSpinsFlow::SetQuickAnalysis(bool on) {
  quick_analysis_ = on;
  quick_analysis_item_->setChecked(on);  // no signal when it already is
}

void AddSpinsFlow::Open(const QString& text) {
  if (dialog_ == nullptr) {
    dialog_ = new AddSpinsDialog(guard_, enter_spins_, &host_.surface());
    ApplyTooltips(*dialog_);
  }
  if (!text.isNull()) dialog_->SetText(text);
  dialog_->open();
  // A list pasted is there to be checked and confirmed: Enter enters it.
  if (!text.isNull()) dialog_->enter_button()->setFocus();
}

}  // namespace vellaro::app

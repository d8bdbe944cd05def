#include "app/head_area.h"

#include <QCoreApplication>

#include "app/area_host.h"
#include "app/gauge_bar.h"
#include "app/picture_widget.h"
#include "app/svg_cache.h"
#include "app/version_text.h"

namespace vellaro::app {

namespace {

constexpr QColor kGaugeBar{210, 159, 4};

}  // namespace

HeadArea::HeadArea(AreaHost& host, std::function<void()> save_log)
    : host_(host), save_log_(std::move(save_log)), drag_(host.surface()) {
  QWidget& window = host.surface();
  head_ = AddPicture(&window, host.svg(), QStringLiteral("Head"), QStringLiteral(":/head.svg"),
                     {0, 0, vellaro::Window::kHeadImageWidth, 449});
  head_->OnPress([this](QMouseEvent& press) { drag_.Press(press); });
  head_->OnMove([this](QMouseEvent& move) {
    drag_.Move(move);
    host_.Send(vellaro::act::PointerOver{vellaro::act::FramePart::kHead});
  });
  head_->OnRelease([this](QMouseEvent&) { drag_.End(); });
  // Beside the title, in the grey of the artwork's small print.
  auto* version = new VersionText(QStringLiteral(VELLARO_VERSION), ArialFont(10, true),
                                  QColor(0x8e, 0x8e, 0x8e), {156, 24}, &window);
  version->setObjectName(QStringLiteral("Version"));
  gauge_ = new GaugeBar(kGaugeBar, host.view().AnalysisGauge().max, &window);
  Tag(gauge_, QStringLiteral("AnalysisGauge"), Control::kAnalysisGauge);
  gauge_->setGeometry(-6, 55, 460, 6);
  // In the strip between the gauge and the board, clear of both.
  readout_ = new Readout(&window);
  readout_->setObjectName(QStringLiteral("Readout"));
  readout_->setGeometry(16, 62, 417, 13);
  bindings_.Follow<int32_t>(
      [](const vellaro::GameView& view) { return view.AnalysisGauge().progress; },
      [this](const int32_t& progress) { gauge_->SetValue(progress); });
  BuildButtons();
}

void HeadArea::BuildButtons() {
  struct HeadButtonPlace {
    const char* name;
    const char* svg;
    int x;
    vellaro::HeadButton button;
    vellaro::act::FramePart part;  // what the pointer is over
    Control control;
  };
  static constexpr HeadButtonPlace kButtons[] = {
      {"Close", "close", 422, vellaro::HeadButton::kClose, vellaro::act::FramePart::kClose,
       Control::kClose},
      {"Minimize", "minimize", 396, vellaro::HeadButton::kMinimize,
       vellaro::act::FramePart::kMinimize, Control::kMinimize},
      {"Save", "save", 370, vellaro::HeadButton::kSave, vellaro::act::FramePart::kSave,
       Control::kSave},
  };
  AreaHost& host = host_;
  QWidget& window = host.surface();
  for (const HeadButtonPlace& button : kButtons) {
    const QRect place(button.x, 3, 25, 25);
    const QString name = QLatin1String(button.name);
    const QString svg = QStringLiteral(":/%1").arg(QLatin1String(button.svg));
    PictureWidget* normal =
        AddPicture(&window, host.svg(), name, svg + QStringLiteral(".svg"), place, button.control);
    normal->setCursor(Qt::PointingHandCursor);
    const vellaro::act::FramePart part = button.part;
    normal->OnMove([&host, part](QMouseEvent&) { host.Send(vellaro::act::PointerOver{part}); });
    // Only the lit twins act; the plain pictures merely bring them up.
    PictureWidget* lit = AddPicture(&window, host.svg(), name + QStringLiteral("Lit"),
                                    svg + QStringLiteral("_hover.svg"), place, button.control);
    bindings_.Shown(lit, [which = button.button](const vellaro::GameView& view) {
      return view.HeadButtonLit(which);
    });
    switch (button.button) {
      case vellaro::HeadButton::kClose:
        lit->OnClick([&host, &window] {
          host.Run([&window] {
            window.close();
            QCoreApplication::quit();
          });
        });
        break;
      case vellaro::HeadButton::kMinimize:
        lit->OnClick([&host, &window] { host.Run([&window] { window.showMinimized(); }); });
        break;
      case vellaro::HeadButton::kSave:
        lit->OnClick([this] { host_.Run(save_log_); });
        break;
    }
  }
}

void HeadArea::Sync(const vellaro::GameView& view) {
  bindings_.Sync(view);
}

void HeadArea::SyncProgress(const vellaro::GameView& view) {
  const vellaro::MatrixProgress matrix = view.Matrix();
  GameProgress progress;
  progress.spins = view.AcceptedSpins();
  progress.entered = view.EnteredSpins();
  progress.first_analysis = vellaro::GameView::FirstAnalysisSpin();
  progress.matrix = matrix.plays;
  progress.matrix_chosen = matrix.chosen;
  progress.matrix_step = matrix.step;
  progress.matrix_learning = matrix.learning;
  progress.matrix_column = matrix.column;
  // Most ticks change nothing: the text is written only when the game moved on.
  if (progress_.Changed(progress)) progress_text_ = vellaro::app::ProgressText(progress);
}

}  // namespace vellaro::app

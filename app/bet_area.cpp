#include "app/bet_area.h"

#include "app/area_host.h"
#include "app/chip_stake.h"
#include "app/engine_colour.h"
#include "app/fitted_number.h"
#include "app/picture_widget.h"
#include "app/svg_cache.h"
#include "betting/chance.h"

namespace vellaro::app {

namespace {

constexpr std::array<int, kChances> kChipX = {37, 97, 157, 262, 320, 378};
constexpr std::array<int, kChances> kStakeX = {36, 96, 156, 261, 319, 377};
constexpr std::array<int, kChances> kFieldX = {36, 94, 154, 256, 316, 374};
constexpr std::array<int, kChances> kTrendX = {32, 90, 149, 253, 312, 370};
// The stake stays clear of the rim of its chip.
constexpr int kStakeMargin = 2;

QFont StakeFont() {
  return ArialFont(12, true);
}

QString ChanceName(int k) {
  const std::string_view name = kChanceNames[static_cast<size_t>(k)];
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

BetArea::BetArea(AreaHost& host) : host_(host) {
  BuildChances();
  BuildTrends();
  BuildLampAndOptions();
}

QRect BetArea::ChipPlace(int chance) {
  return {kChipX[static_cast<size_t>(chance)], 247, 33, 33};
}

QRect BetArea::StakePlace(int chance) {
  return {kStakeX[static_cast<size_t>(chance)], 255, 33, 14};
}

QRect BetArea::FieldPlace(int chance) {
  return {kFieldX[static_cast<size_t>(chance)], 218, 42, 21};
}

QRect BetArea::TrendPlace(int chance) {
  return {kTrendX[static_cast<size_t>(chance)], 193, 47, 17};
}

void BetArea::BuildChances() {
  static constexpr std::array<const char*, kChances> kFieldSvg = {
      ":/field_less.svg",  ":/field_even.svg", ":/field_red.svg",
      ":/field_black.svg", ":/field_odd.svg",  ":/field_more.svg"};
  QWidget& window = host_.surface();
  SvgCache& svg = host_.svg();
  const vellaro::GameView view = host_.view();
  for (int k = 0; k < kChances; ++k) {
    const auto i = static_cast<size_t>(k);
    const QString name = ChanceName(k);
    AddPicture(&window, svg, QStringLiteral("ChipGrey") + name, QStringLiteral(":/chip_grey.svg"),
               ChipPlace(k), Control::kChip);
    PictureWidget* field = AddPicture(&window, svg, QStringLiteral("Field") + name,
                                      QLatin1String(kFieldSvg[i]), FieldPlace(k), Control::kField);
    PictureWidget* chip = AddPicture(&window, svg, QStringLiteral("Chip") + name,
                                     QStringLiteral(":/chip.svg"), ChipPlace(k), Control::kChip);
    auto* stake = new ChipStake(&window);
    Tag(stake, QStringLiteral("Stake") + name, Control::kChip);
    stake->setGeometry(StakePlace(k));
    stake->setAlignment(Qt::AlignCenter);
    stake->setFont(StakeFont());
    QPalette colours = stake->palette();
    colours.setColor(QPalette::WindowText, ToQColor(view.Chip(k).stake_ink));
    stake->setPalette(colours);
    // A large stake shrinks, or takes its short form, to stay readable on the chip.
    bindings_.Follow<std::string>([k](const vellaro::GameView& v) { return v.Chip(k).stake; },
                                  [stake](const std::string& text) {
                                    ShowFitted(stake, QString::fromStdString(text), StakeFont(),
                                               kStakeMargin);
                                  });
    bindings_.Shown(field, [k](const vellaro::GameView& v) { return v.Chip(k).field; });
    bindings_.Shown(chip, [k](const vellaro::GameView& v) { return v.Chip(k).chip; });
    bindings_.Shown(stake, [k](const vellaro::GameView& v) { return v.Chip(k).stake_shown; });
  }
}

void BetArea::BuildTrends() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  SvgCache& svg = host.svg();
  for (int k = 0; k < kChances; ++k) {
    const QString name = ChanceName(k);
    PictureWidget* idle =
        AddPicture(&window, svg, QStringLiteral("TrendIdle") + name,
                   QStringLiteral(":/trend_idle.svg"), TrendPlace(k), Control::kTrend);
    idle->OnMove([&host, k](QMouseEvent&) {
      host.Send(act::PointerOver{act::FramePart::kIdleTrend, k});
    });
    PictureWidget* on =
        AddPicture(&window, svg, QStringLiteral("TrendSwitch") + name,
                   QStringLiteral(":/trend_on_hover.svg"), TrendPlace(k), Control::kTrend);
    on->OnClick([&host, k] { host.Send(act::SwitchTrendOn{k}); });
    PictureWidget* active =
        AddPicture(&window, svg, QStringLiteral("TrendActive") + name,
                   QStringLiteral(":/trend_active.svg"), TrendPlace(k), Control::kTrend);
    active->OnClick([&host, k] { host.Send(act::ClickActiveTrend{k}); });
    bindings_.Shown(on, [k](const vellaro::GameView& v) { return v.TrendSwitchLit(k); });
    bindings_.Shown(active, [k](const vellaro::GameView& v) { return v.TrendActive(k); });
  }
}

void BetArea::BuildLampAndOptions() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  SvgCache& svg = host.svg();
  PictureWidget* dark =
      AddPicture(&window, svg, QStringLiteral("LampDark"),
                 QStringLiteral(":/safe_level_waiting.svg"), kLampPlace, Control::kSafeLevelLamp);
  PictureWidget* green =
      AddPicture(&window, svg, QStringLiteral("LampGreen"),
                 QStringLiteral(":/safe_level_armed.svg"), kLampPlace, Control::kSafeLevelLamp);
  // The green picture lies over the dark one, which shows whenever the lamp is lit.
  bindings_.Shown(
      dark, [](const vellaro::GameView& v) { return v.Lamp() != vellaro::SafeLevelLamp::kOff; });
  bindings_.Shown(
      green, [](const vellaro::GameView& v) { return v.Lamp() == vellaro::SafeLevelLamp::kGreen; });

  PictureWidget* button =
      AddPicture(&window, svg, QStringLiteral("Options"), QStringLiteral(":/options.svg"),
                 kOptionsPlace, Control::kOptionsButton);
  button->setCursor(Qt::PointingHandCursor);
  button->OnMove([&host](QMouseEvent&) { host.Send(act::PointerOver{act::FramePart::kOptions}); });
  PictureWidget* lit =
      AddPicture(&window, svg, QStringLiteral("OptionsLit"), QStringLiteral(":/options_hover.svg"),
                 kOptionsPlace, Control::kOptionsButton);
  PictureWidget* open =
      AddPicture(&window, svg, QStringLiteral("OptionsOpen"), QStringLiteral(":/options_open.svg"),
                 kOptionsPlace, Control::kOptionsButton);
  for (PictureWidget* twin : {lit, open}) {
    twin->OnClick([&host] { host.Send(act::ToggleOptions{}); });
  }
  bindings_.Shown(lit, [](const vellaro::GameView& v) { return v.OptionsButtonLit(); });
  bindings_.Shown(open, [](const vellaro::GameView& v) { return v.OptionsButtonShowsOpen(); });
}

void BetArea::Sync(const vellaro::GameView& view) {
  bindings_.Sync(view);
}

}  // namespace vellaro::app

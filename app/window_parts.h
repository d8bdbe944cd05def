#pragma once

// What the areas of the main window share: the bindings of widgets to the game's view,
// and the making of their pictures and captions.

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/control.h"
#include "front/game_view.h"

class QFont;
class QLabel;
class QWidget;

namespace vellaro::app {

class PictureWidget;
class SvgCache;

// Remembers the value last shown, so that a redraw after every timer tick touches a
// widget only when the game changed something.
template <typename T>
class LastShown {
 public:
  bool Changed(const T& value) {
    if (known_ && value == value_) return false;
    value_ = value;
    known_ = true;
    return true;
  }

 private:
  T value_{};
  bool known_ = false;
};

// Ties the visibility (or the enabled state) of widgets to flags of the game's view, read
// at every redraw. An idle redraw then only compares flags, without touching the widgets.
class Bindings {
 public:
  using Flag = std::function<bool(const vellaro::GameView&)>;
  void Shown(QWidget* widget, Flag shown) { shown_.push_back({std::move(shown), widget}); }
  void Enabled(QWidget* widget, Flag enabled) { enabled_.push_back({std::move(enabled), widget}); }
  void Sync(const vellaro::GameView& view);

 private:
  struct Binding {
    Flag flag;
    QWidget* widget;
    int8_t shown = -1;  // what the widget shows: -1 before the first redraw
  };
  std::vector<Binding> shown_;
  std::vector<Binding> enabled_;
};

// A picture of the window at `place`, named and tagged with what it is.
PictureWidget* AddPicture(QWidget* parent, SvgCache& svg, const QString& name,
                          const QString& picture, const QRect& place,
                          std::optional<Control> control = std::nullopt);
// A caption of the options area at `place`, sized to its text.
QLabel* AddCaption(QWidget* parent, const QString& name, const QString& caption,
                   const QPoint& place, std::optional<Control> control = std::nullopt);

// Arial of the given pixel height, bold or not.
QFont ArialFont(int pixel_size, bool bold);

}  // namespace vellaro::app

#pragma once

// What the areas of the main window share: the bindings of widgets to the game's view,
// and the making of their pictures and captions.

#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/control.h"
#include "front/game_view.h"

class QAbstractButton;
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

// Ties properties of widgets (shown, enabled, text, colour, checked) to what the game's
// view says, read at every redraw: one binding per property of a widget. An idle redraw
// then only compares values, without touching the widgets.
class Bindings {
 public:
  template <typename T>
  using Read = std::function<T(const vellaro::GameView&)>;

  // Hands `show` what `read` gives at the first redraw, then whenever it changed.
  template <typename T>
  void Follow(Read<T> read, std::function<void(const T&)> show) {
    syncs_.emplace_back([read = std::move(read), show = std::move(show),
                         last = LastShown<T>()](const vellaro::GameView& view) mutable {
      const T value = read(view);
      if (last.Changed(value)) show(value);
    });
  }
  void Shown(QWidget* widget, Read<bool> shown);
  void Enabled(QWidget* widget, Read<bool> enabled);
  void Text(QLabel* label, Read<std::string> text);
  // The colour of `role` in `widget`'s palette, in every colour group.
  void Colour(QWidget* widget, QPalette::ColorRole role, Read<vellaro::Rgb> colour);
  // Compared with the box itself, not with what it showed last: Qt ticks a box on a click
  // that the game may refuse, and the box must show what the game holds. Setting it sends
  // no signal, so the box's own handler never hears the game's value as a click.
  void Checked(QAbstractButton* box, Read<bool> checked);
  void Sync(const vellaro::GameView& view);

 private:
  std::vector<std::function<void(const vellaro::GameView&)>> syncs_;
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

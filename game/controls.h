#pragma once

// The window's controls as plain data. The game reads and writes them as the window
// would (a chip is "on show" when its picture is visible, the board accepts a spin while
// the mode box is enabled); the Qt shell only draws them and forwards events.

#include <cstdint>
#include <string>
#include <vector>

namespace vellaro {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kColourBlack{0, 0, 0};
inline constexpr Rgb kColourWhite{255, 255, 255};
inline constexpr Rgb kColourSilver{192, 192, 192};
inline constexpr Rgb kColourGrey{128, 128, 128};
inline constexpr Rgb kColourLime{0, 255, 0};
// The dark green of the options area: the selectors and the usable edits.
inline constexpr Rgb kColourOptionGreen{58, 97, 31};

struct Picture {
  bool visible = true;
  friend bool operator==(const Picture&, const Picture&) = default;
};

struct Label {
  std::string caption;
  Rgb colour = kColourSilver;     // font colour
  Rgb background = kColourBlack;  // used by the history strip
  int32_t tag = 0;
  bool visible = true;
  friend bool operator==(const Label&, const Label&) = default;
};

struct Button {
  std::string caption;
  bool visible = true;
  bool enabled = true;
  friend bool operator==(const Button&, const Button&) = default;
};

// A button of the number board. Its caption would be its number, which is its index; the
// whole board is locked and opened twice per spin, so a board button holds only its two
// flags and the walk over 37 of them touches 74 bytes.
struct BoardButton {
  bool visible = true;
  bool enabled = true;
  friend bool operator==(const BoardButton&, const BoardButton&) = default;
};

struct CheckBox {
  std::string caption;
  bool checked = false;
  bool enabled = true;
  friend bool operator==(const CheckBox&, const CheckBox&) = default;
};

// A progress gauge. Every value set is clamped into [0, max].
struct Gauge {
  int32_t max = 100;
  int32_t progress = 0;
  void Set(int64_t value) {
    progress = static_cast<int32_t>(value < 0 ? 0 : (value > max ? max : value));
  }
  void Add(int64_t step) { Set(int64_t{progress} + step); }
  friend bool operator==(const Gauge&, const Gauge&) = default;
};

struct ComboBox {
  std::vector<std::string> items;
  int index = 0;
  bool enabled = true;
  const std::string& text() const { return items.at(static_cast<size_t>(index)); }
  friend bool operator==(const ComboBox&, const ComboBox&) = default;
};

// A spin edit holds the text the player typed; its value is read from that text.
struct SpinEdit {
  std::string text;
  int32_t min = 0;
  int32_t max = 100;
  bool enabled = true;
  Rgb colour = kColourBlack;
  friend bool operator==(const SpinEdit&, const SpinEdit&) = default;
};

struct TrackBar {
  int32_t min = 0;
  int32_t max = 10;
  int32_t position = 0;
  friend bool operator==(const TrackBar&, const TrackBar&) = default;
};

// The value of a spin edit as the game reads it: the typed number brought into
// [min, max]; a text that is not a whole number reads as `min`, and the edit then shows it.
int32_t ReadSpinEdit(SpinEdit& edit);
// The same value, leaving the edit as it is.
int32_t SpinEditValue(const SpinEdit& edit);

// An ordered list of text lines (a hidden list box of the window).
using TextLines = std::vector<std::string>;

// A list box: its lines and the colour of its text.
struct ListBox {
  TextLines lines;
  Rgb colour = kColourBlack;
  friend bool operator==(const ListBox&, const ListBox&) = default;
};

}  // namespace vellaro

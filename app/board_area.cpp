#include "app/board_area.h"

#include "app/engine_colour.h"
#include "app/main_window.h"
#include "app/picture_widget.h"

namespace vellaro::app {

BoardArea::BoardArea(MainWindow& window) : window_(window) {
  BuildStrip();
  BuildTiles();
}

QRect BoardArea::TilePlace(int number) {
  if (number == 0) return {16, 112, 33, 33};
  const int column = (number - 1) / 3;
  const int row = (number - 1) % 3;
  return {48 + 32 * column, 144 - 32 * row, 33, 33};
}

QRect BoardArea::StripPlace() {
  return HistoryPlace(0).united(HistoryPlace(vellaro::GameView::kHistorySquares - 1));
}

void BoardArea::BuildStrip() {
  MainWindow& window = window_;
  // The greyed arrow stays beneath the undo control, so a hidden undo looks unavailable.
  AddPicture(&window, window.svg(), QStringLiteral("UndoGreyed"),
             QStringLiteral(":/undo_inactive.svg"), {184, 15, 25, 25}, Control::kUndo);
  PictureWidget* undo =
      AddPicture(&window, window.svg(), QStringLiteral("Undo"), QStringLiteral(":/undo_active.svg"),
                 {184, 15, 25, 25}, Control::kUndo);
  undo->OnClick([&window] { window.Handle([&window] { window.game().Apply(act::Undo{}); }); });
  bindings_.Shown(undo, [](const vellaro::GameView& view) { return view.UndoShown(); });

  for (int i = 0; i < vellaro::GameView::kHistorySquares; ++i) {
    auto* square = new QLabel(&window);
    Tag(square, QStringLiteral("History%1").arg(i + 1), Control::kHistory);
    square->setGeometry(HistoryPlace(i));
    square->setAlignment(Qt::AlignCenter);
    square->setFont(ArialFont(11, true));
    square->setAutoFillBackground(true);
    history_[static_cast<size_t>(i)] = square;
    bindings_.Shown(square, [i](const vellaro::GameView& view) { return view.History(i).shown; });
  }
}

void BoardArea::BuildTiles() {
  MainWindow& window = window_;
  for (int n = 0; n < kNumbers; ++n) {
    AddPicture(&window, window.svg(), QStringLiteral("Inactive%1").arg(n),
               QStringLiteral(":/tiles/tile_inactive.svg"), TilePlace(n), Control::kTile);
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* tile =
        AddPicture(&window, window.svg(), QStringLiteral("Tile%1").arg(n),
                   QStringLiteral(":/tiles/tile_%1.svg").arg(n), TilePlace(n), Control::kTile);
    tile->OnMove([&window, n](QMouseEvent&) {
      window.Handle([&window, n] {
        window.game().Apply(act::PointerOver{act::FramePart::kNumber, n});
      });
    });
    tile->OnClick([&window, n] { window.Handle([&window, n] { window.ClickNumber(n); }); });
    bindings_.Shown(tile, [n](const vellaro::GameView& view) { return view.TileShown(n); });
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* lit = AddPicture(&window, window.svg(), QStringLiteral("TileLit%1").arg(n),
                                    QStringLiteral(":/tiles/tile_%1_hover.svg").arg(n),
                                    TilePlace(n), Control::kTile);
    lit->OnClick([&window, n] { window.Handle([&window, n] { window.ClickNumber(n); }); });
    bindings_.Shown(lit, [n](const vellaro::GameView& view) { return view.TileLit(n); });
  }
}

void BoardArea::Sync(const vellaro::GameView& view) {
  bindings_.Sync(view);
  for (size_t i = 0; i < history_.size(); ++i) {
    const vellaro::HistorySquare square = view.History(static_cast<int>(i));
    if (!shown_[i].Changed(square)) continue;
    history_[i]->setText(QString::fromStdString(square.number));
    QPalette colours = history_[i]->palette();
    colours.setColor(QPalette::Window, ToQColor(square.ground));
    colours.setColor(QPalette::WindowText, ToQColor(square.ink));
    history_[i]->setPalette(colours);
  }
}

}  // namespace vellaro::app

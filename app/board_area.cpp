#include "app/board_area.h"

#include "app/area_host.h"
#include "app/picture_widget.h"
#include "app/svg_cache.h"

namespace vellaro::app {

BoardArea::BoardArea(AreaHost& host, std::function<void(int)> click_number)
    : host_(host), click_number_(std::move(click_number)) {
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
  AreaHost& host = host_;
  QWidget& window = host.surface();
  // The greyed arrow stays beneath the undo control, so a hidden undo looks unavailable.
  AddPicture(&window, host.svg(), QStringLiteral("UndoGreyed"),
             QStringLiteral(":/undo_inactive.svg"), {184, 15, 25, 25}, Control::kUndo);
  PictureWidget* undo =
      AddPicture(&window, host.svg(), QStringLiteral("Undo"), QStringLiteral(":/undo_active.svg"),
                 {184, 15, 25, 25}, Control::kUndo);
  undo->OnClick([&host] { host.Send(act::Undo{}); });
  bindings_.Shown(undo, [](const vellaro::GameView& view) { return view.UndoShown(); });

  for (int i = 0; i < vellaro::GameView::kHistorySquares; ++i) {
    auto* square = new QLabel(&window);
    Tag(square, QStringLiteral("History%1").arg(i + 1), Control::kHistory);
    square->setGeometry(HistoryPlace(i));
    square->setAlignment(Qt::AlignCenter);
    square->setFont(ArialFont(11, true));
    square->setAutoFillBackground(true);
    using View = vellaro::GameView;
    bindings_.Shown(square, [i](const View& view) { return view.History(i).shown; });
    bindings_.Text(square, [i](const View& view) { return view.History(i).number; });
    bindings_.Colour(square, QPalette::Window,
                     [i](const View& view) { return view.History(i).ground; });
    bindings_.Colour(square, QPalette::WindowText,
                     [i](const View& view) { return view.History(i).ink; });
  }
}

void BoardArea::ClickNumber(int n) {
  host_.Run([this, n] { click_number_(n); });
}

void BoardArea::BuildTiles() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  for (int n = 0; n < kNumbers; ++n) {
    AddPicture(&window, host.svg(), QStringLiteral("Inactive%1").arg(n),
               QStringLiteral(":/tiles/tile_inactive.svg"), TilePlace(n), Control::kTile);
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* tile =
        AddPicture(&window, host.svg(), QStringLiteral("Tile%1").arg(n),
                   QStringLiteral(":/tiles/tile_%1.svg").arg(n), TilePlace(n), Control::kTile);
    tile->OnMove([&host, n](QMouseEvent&) {
      host.Send(act::PointerOver{act::FramePart::kNumber, n});
    });
    tile->OnClick([this, n] { ClickNumber(n); });
    bindings_.Shown(tile, [n](const vellaro::GameView& view) { return view.TileShown(n); });
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* lit = AddPicture(&window, host.svg(), QStringLiteral("TileLit%1").arg(n),
                                    QStringLiteral(":/tiles/tile_%1_hover.svg").arg(n),
                                    TilePlace(n), Control::kTile);
    lit->OnClick([this, n] { ClickNumber(n); });
    bindings_.Shown(lit, [n](const vellaro::GameView& view) { return view.TileLit(n); });
  }
}

void BoardArea::Sync(const vellaro::GameView& view) {
  bindings_.Sync(view);
}

}  // namespace vellaro::app

// Draws the open board for the host's view: pads and vias at their places and sizes, each with its
// hole, scaled to fit the view with a margin.

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "editor.h"
#include "export_support.h"

namespace {

struct TExtent {
  double left = 1e300, bottom = 1e300, right = -1e300, top = -1e300;
  void Add(double x, double y, double half) {
    left = std::min(left, x - half);
    right = std::max(right, x + half);
    bottom = std::min(bottom, y - half);
    top = std::max(top, y + half);
  }
  bool empty() const { return left > right; }
};

// The size a pad shows: its top layer, else the multi-layer, else the largest entry of its stack.
void PadSize(const TPrimitive& pad, double* x, double* y, uint8_t* shape) {
  for (int layer : {1, 74}) {
    const TStackEntry e = pad.OnLayer(layer);
    if (!e.IsZero()) {
      *x = e.x_size;
      *y = e.y_size;
      *shape = e.shape;
      return;
    }
  }
  *x = *y = 0;
  *shape = 1;
  for (const TStackEntry& e : pad.stack) {
    *x = std::max<double>(*x, e.x_size);
    *y = std::max<double>(*y, e.y_size);
  }
  if (*x == 0 && *y == 0) *x = *y = 2.0 * static_cast<double>(pad.get("holeSize"));
}

}  // namespace

DRALITH_EXPORT void __stdcall HostKitPcb_Paint(HDC dc, const RECT* area) {
  if (!dc || !area) return;
  try {
    HBRUSH background = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, area, background);
    DeleteObject(background);
    const TBoard* board = TEditor::get().EditedBoard();
    if (!board) return;
    TExtent extent;
    for (uint8_t kind : {uint8_t{2}, uint8_t{3}}) {
      for (uint32_t position : board->OfKind(kind)) {
        const TPrimitive& p = board->Primitives()[position];
        double sx = 0, sy = 0;
        uint8_t shape = 1;
        if (kind == 2) {
          PadSize(p, &sx, &sy, &shape);
        } else {
          sx = sy = static_cast<double>(p.get("size"));
        }
        extent.Add(static_cast<double>(p.get("x")), static_cast<double>(p.get("y")),
                   std::max(sx, sy) / 2);
      }
    }
    if (extent.empty()) return;
    const double width = area->right - area->left, height = area->bottom - area->top;
    const double margin = 16;
    const double span_x = std::max(extent.right - extent.left, 1.0);
    const double span_y = std::max(extent.top - extent.bottom, 1.0);
    const double scale =
        std::max(1e-9, std::min((width - 2 * margin) / span_x, (height - 2 * margin) / span_y));
    // Board Y grows upwards, the screen's downwards.
    auto sx_of = [&](double x) {
      return static_cast<int>(area->left + margin + (x - extent.left) * scale);
    };
    auto sy_of = [&](double y) {
      return static_cast<int>(area->bottom - margin - (y - extent.bottom) * scale);
    };
    HBRUSH pad_brush = CreateSolidBrush(RGB(200, 160, 40));
    HBRUSH via_brush = CreateSolidBrush(RGB(160, 160, 160));
    HBRUSH hole_brush = CreateSolidBrush(RGB(20, 20, 20));
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ old_brush = SelectObject(dc, pad_brush);
    for (uint8_t kind : {uint8_t{2}, uint8_t{3}}) {
      for (uint32_t position : board->OfKind(kind)) {
        const TPrimitive& p = board->Primitives()[position];
        const double x = static_cast<double>(p.get("x")), y = static_cast<double>(p.get("y"));
        double w = 0, h = 0;
        uint8_t shape = 1;
        if (kind == 2) {
          PadSize(p, &w, &h, &shape);
        } else {
          w = h = static_cast<double>(p.get("size"));
        }
        const int hw = std::max(1, static_cast<int>(w * scale / 2)),
                  hh = std::max(1, static_cast<int>(h * scale / 2));
        const int cx = sx_of(x), cy = sy_of(y);
        SelectObject(dc, kind == 2 ? pad_brush : via_brush);
        if (kind == 2 && shape == 2) {
          Rectangle(dc, cx - hw, cy - hh, cx + hw + 1, cy + hh + 1);
        } else {
          Ellipse(dc, cx - hw, cy - hh, cx + hw + 1, cy + hh + 1);
        }
        const int hole = static_cast<int>(static_cast<double>(p.get("holeSize")) * scale / 2);
        if (hole >= 1) {
          SelectObject(dc, hole_brush);
          Ellipse(dc, cx - hole, cy - hole, cx + hole + 1, cy + hole + 1);
        }
      }
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pad_brush);
    DeleteObject(via_brush);
    DeleteObject(hole_brush);
  } catch (...) {
    // Painting never fails the host: what could not be drawn stays blank.
  }
}

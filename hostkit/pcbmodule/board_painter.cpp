// Draws the open board for the host's view, scaled to fit with a margin, from the bottom up: the
// board outline, regions, polygons and split planes, fills, tracks and arcs in their layer's colour,
// texts (as glyphs, or as boxes when too small to read), then pads by their shape on the current
// layer and vias, each with its hole.

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <string>
#include <vector>

#include "editor.h"
#include "export_support.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kPadColour = RGB(200, 160, 40);
constexpr COLORREF kViaColour = RGB(160, 160, 160);
constexpr COLORREF kHoleColour = RGB(20, 20, 20);
constexpr COLORREF kOutlineColour = RGB(230, 230, 120);

// Pad shapes as the pad stack gives them.
constexpr uint8_t kRound = 1, kRectangle = 2, kOctagon = 3, kRoundedRectangle = 9;

double Get(const TPrimitive& p, const char* field) { return static_cast<double>(p.get(field)); }

double GetFloat(const TPrimitive& p, const char* field) {
  const int index = p.RecordSchema().Find(field);
  return index < 0 ? 0.0 : GetFloat(p.record, p.RecordSchema().Fields()[index]);
}

// The legacy layer a layer id stands for, near enough for choosing a colour.
int LegacyOf(uint32_t layer) {
  const uint32_t kind = layer >> 16, number = layer & 0xFFFF;
  if (kind == 0) return static_cast<int>(number & 0xFF);
  if (kind == 0x0101) return number >= 65535 ? 32 : static_cast<int>(std::min<uint32_t>(number, 31));
  if (kind == 0x0104) return 38 + static_cast<int>(std::min<uint32_t>(number, 16));
  if (kind == 0x0400) return 56 + static_cast<int>(std::min<uint32_t>(number, 16));
  return 0;
}

COLORREF LayerColour(uint32_t layer) {
  const int legacy = LegacyOf(layer);
  if (legacy == 1) return RGB(220, 40, 40);
  if (legacy == 32) return RGB(40, 90, 230);
  if (legacy >= 2 && legacy <= 31) return RGB(40, 170 + (legacy * 7) % 60, 60 + (legacy * 23) % 120);
  if (legacy == 33) return RGB(240, 240, 60);
  if (legacy == 34) return RGB(150, 150, 40);
  if (legacy == 35 || legacy == 36) return RGB(130, 130, 130);
  if (legacy == 37 || legacy == 38) return RGB(120, 40, 120);
  if (legacy >= 39 && legacy <= 54) return RGB(40, 120, 60);
  if (legacy == 56) return RGB(220, 60, 220);
  if (legacy >= 57 && legacy <= 72) return RGB(170, 110, 220);
  return RGB(180, 180, 180);
}

COLORREF Dimmed(COLORREF c) { return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2); }

struct TExtent {
  double left = 1e300, bottom = 1e300, right = -1e300, top = -1e300;
  void Add(double x, double y, double half = 0) {
    left = std::min(left, x - half);
    right = std::max(right, x + half);
    bottom = std::min(bottom, y - half);
    top = std::max(top, y + half);
  }
  bool Empty() const { return left > right; }
};

struct TPadLook {
  double x_size = 0, y_size = 0;
  uint8_t shape = kRound;
  uint8_t cr_percent = 0;
};

// The look of a pad on the current layer; else its top layer, else the multi-layer, else the
// largest entry of its stack, else twice its hole.
TPadLook PadOn(const TPrimitive& pad, int current_layer) {
  for (int layer : {current_layer, 1, 74}) {
    if (layer <= 0 || layer > kLegacyLayers) continue;
    const TStackEntry e = pad.OnLayer(layer);
    if (!e.IsZero()) return {double(e.x_size), double(e.y_size), e.shape, e.cr_percent};
  }
  TPadLook look;
  for (const TStackEntry& e : pad.stack) {
    look.x_size = std::max<double>(look.x_size, e.x_size);
    look.y_size = std::max<double>(look.y_size, e.y_size);
  }
  if (look.x_size == 0 && look.y_size == 0) look.x_size = look.y_size = 2 * Get(pad, "holeSize");
  return look;
}

// A GDI pen or brush that is deleted when it goes out of scope, selected meanwhile.
class TSelected {
 public:
  TSelected(HDC dc, HGDIOBJ object, bool owned = true)
      : dc_(dc), object_(object), owned_(owned), old_(SelectObject(dc, object)) {}
  ~TSelected() {
    SelectObject(dc_, old_);
    if (owned_) DeleteObject(object_);
  }
  TSelected(const TSelected&) = delete;
  TSelected& operator=(const TSelected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  bool owned_;
  HGDIOBJ old_;
};

class TBoardPainter {
 public:
  TBoardPainter(HDC dc, const RECT& area, const TBoard& board) : dc_(dc), area_(area), board_(board) {}

  void Paint() {
    const TExtent extent = BoardExtent();
    if (extent.Empty()) return;
    const double width = area_.right - area_.left, height = area_.bottom - area_.top;
    const double span_x = std::max(extent.right - extent.left, 1.0);
    const double span_y = std::max(extent.top - extent.bottom, 1.0);
    scale_ = std::max(1e-9, std::min((width - 2 * kMargin) / span_x, (height - 2 * kMargin) / span_y));
    left_ = extent.left;
    bottom_ = extent.bottom;
    current_layer_ = LegacyOf(static_cast<uint32_t>(BoardLayer()));

    // Pours and split planes lie under the regions they may surround.
    for (uint8_t kind : {uint8_t{10}, uint8_t{22}, uint8_t{11}}) {
      for (const TPrimitive* p : OfKind(kind)) PaintArea(*p);
    }
    for (const TPrimitive* p : OfKind(26)) PaintOutline(*p);
    for (const TPrimitive* p : OfKind(6)) PaintFill(*p);
    for (const TPrimitive* p : OfKind(4)) PaintTrack(*p);
    for (const TPrimitive* p : OfKind(1)) PaintArc(*p);
    for (const TPrimitive* p : OfKind(5)) PaintText(*p);
    for (const TPrimitive* p : OfKind(2)) PaintPad(*p);
    for (const TPrimitive* p : OfKind(3)) PaintVia(*p);
  }

 private:
  static constexpr double kMargin = 16;

  int64_t BoardLayer() const {
    const TSchema& schema = SchemaOf(TGroup::board);
    return GetInt(board_.record, schema.Fields()[schema.Find("layer")]);
  }

  std::vector<const TPrimitive*> OfKind(uint8_t kind) const {
    std::vector<const TPrimitive*> out;
    for (uint32_t position : board_.OfKind(kind)) out.push_back(&board_.Primitives()[position]);
    return out;
  }

  TExtent BoardExtent() const {
    TExtent e;
    for (const TPrimitive& p : board_.Primitives()) {
      switch (p.kind) {
        case 2: {
          const TPadLook look = PadOn(p, 0);
          e.Add(Get(p, "x"), Get(p, "y"), std::max(look.x_size, look.y_size) / 2);
          break;
        }
        case 3:
          e.Add(Get(p, "x"), Get(p, "y"), Get(p, "size") / 2);
          break;
        case 4:
        case 6:
          e.Add(Get(p, "x"), Get(p, "y"), Get(p, "width") / 2);
          e.Add(Get(p, "x2"), Get(p, "y2"), Get(p, "width") / 2);
          break;
        case 1:
          e.Add(Get(p, "x"), Get(p, "y"), Get(p, "radius") + Get(p, "width") / 2);
          break;
        case 5:
          e.Add(Get(p, "x"), Get(p, "y"), Get(p, "height"));
          break;
        default:
          for (const TVertex& v : p.vertices) e.Add(v.x, v.y);
      }
    }
    return e;
  }

  int Sx(double x) const { return static_cast<int>(std::lround(area_.left + kMargin + (x - left_) * scale_)); }
  // Board Y grows upwards, the screen's downwards.
  int Sy(double y) const {
    return static_cast<int>(std::lround(area_.bottom - kMargin - (y - bottom_) * scale_));
  }
  POINT Screen(double x, double y) const { return {Sx(x), Sy(y)}; }
  int Pixels(double length) const { return std::max(1, static_cast<int>(std::lround(length * scale_))); }

  void PaintArea(const TPrimitive& p) {
    if (p.vertices.size() < 3) return;
    const COLORREF colour = LayerColour(static_cast<uint32_t>(p.get("layer")));
    std::vector<POINT> points;
    for (const TVertex& v : p.vertices) points.push_back(Screen(v.x, v.y));
    // Polygon pours and split planes show dimmed under what they surround; regions in full colour.
    TSelected brush(dc_, CreateSolidBrush(p.kind == 11 ? colour : Dimmed(colour)));
    TSelected pen(dc_, CreatePen(PS_SOLID, 1, colour));
    Polygon(dc_, points.data(), static_cast<int>(points.size()));
  }

  void PaintOutline(const TPrimitive& p) {
    if (p.vertices.size() < 2) return;
    std::vector<POINT> points;
    for (const TVertex& v : p.vertices) points.push_back(Screen(v.x, v.y));
    points.push_back(points.front());
    TSelected pen(dc_, CreatePen(PS_SOLID, 2, kOutlineColour));
    Polyline(dc_, points.data(), static_cast<int>(points.size()));
  }

  // A rectangle of half sizes (hx, hy) about (cx, cy), turned by degrees.
  std::vector<POINT> TurnedBox(double cx, double cy, double hx, double hy, double degrees) const {
    const double t = degrees * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
    std::vector<POINT> points;
    for (const auto& [dx, dy] : std::initializer_list<std::pair<double, double>>{
             {-hx, -hy}, {hx, -hy}, {hx, hy}, {-hx, hy}})
      points.push_back(Screen(cx + dx * c - dy * s, cy + dx * s + dy * c));
    return points;
  }

  void PaintFill(const TPrimitive& p) {
    const double x = Get(p, "x"), y = Get(p, "y"), x2 = Get(p, "x2"), y2 = Get(p, "y2");
    const std::vector<POINT> points = TurnedBox((x + x2) / 2, (y + y2) / 2, std::abs(x2 - x) / 2,
                                                 std::abs(y2 - y) / 2, GetFloat(p, "rotation"));
    const COLORREF colour = LayerColour(static_cast<uint32_t>(p.get("layer")));
    TSelected brush(dc_, CreateSolidBrush(colour));
    TSelected pen(dc_, CreatePen(PS_SOLID, 1, colour));
    Polygon(dc_, points.data(), static_cast<int>(points.size()));
  }

  HPEN TracePen(const TPrimitive& p) const {
    LOGBRUSH brush{BS_SOLID, LayerColour(static_cast<uint32_t>(p.get("layer"))), 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                        static_cast<DWORD>(Pixels(Get(p, "width"))), &brush, 0, nullptr);
  }

  void PaintTrack(const TPrimitive& p) {
    TSelected pen(dc_, TracePen(p));
    MoveToEx(dc_, Sx(Get(p, "x")), Sy(Get(p, "y")), nullptr);
    LineTo(dc_, Sx(Get(p, "x2")), Sy(Get(p, "y2")));
  }

  void PaintArc(const TPrimitive& p) {
    const double x = Get(p, "x"), y = Get(p, "y"), r = Get(p, "radius");
    if (r <= 0) return;
    const double start = GetFloat(p, "startAngle") * std::numbers::pi / 180;
    double end = GetFloat(p, "endAngle") * std::numbers::pi / 180;
    if (end <= start) end += 2 * std::numbers::pi;
    // As a polyline: GDI's own arcs round their ends to whole pixels of the bounding box.
    const int steps = std::clamp(static_cast<int>((end - start) * r * scale_ / 3), 8, 720);
    std::vector<POINT> points;
    for (int i = 0; i <= steps; ++i) {
      const double a = start + (end - start) * i / steps;
      points.push_back(Screen(x + r * std::cos(a), y + r * std::sin(a)));
    }
    TSelected pen(dc_, TracePen(p));
    Polyline(dc_, points.data(), static_cast<int>(points.size()));
  }

  void PaintText(const TPrimitive& p) {
    const TSchema& schema = p.RecordSchema();
    const std::string text(GetText(p.record, schema.Fields()[schema.Find("text")]));
    if (text.empty()) return;
    const double height = Get(p, "height"), rotation = GetFloat(p, "rotation");
    const COLORREF colour = LayerColour(static_cast<uint32_t>(p.get("layer")));
    const int pixels = static_cast<int>(std::lround(height * scale_));
    if (pixels < 6) {
      // Too small to read: the box the text takes.
      const double width = Get(p, "width") > 0 ? Get(p, "width") : height * 0.6 * text.size();
      const double t = rotation * std::numbers::pi / 180;
      const double cx = Get(p, "x") + (width / 2) * std::cos(t) - (height / 2) * std::sin(t);
      const double cy = Get(p, "y") + (width / 2) * std::sin(t) + (height / 2) * std::cos(t);
      const std::vector<POINT> box = TurnedBox(cx, cy, width / 2, height / 2, rotation);
      TSelected pen(dc_, CreatePen(PS_SOLID, 1, colour));
      TSelected brush(dc_, GetStockObject(NULL_BRUSH), false);
      Polygon(dc_, box.data(), static_cast<int>(box.size()));
      return;
    }
    LOGFONTA font{};
    font.lfHeight = -pixels;
    font.lfEscapement = font.lfOrientation = static_cast<LONG>(std::lround(rotation * 10));
    font.lfWeight = FW_NORMAL;
    font.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    TSelected selected(dc_, CreateFontIndirectA(&font));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colour);
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT);
    TextOutA(dc_, Sx(Get(p, "x")), Sy(Get(p, "y")), text.data(), static_cast<int>(text.size()));
  }

  void PaintHole(double x, double y, double size) {
    const int hole = static_cast<int>(size * scale_ / 2);
    if (hole < 1) return;
    TSelected brush(dc_, CreateSolidBrush(kHoleColour));
    const POINT c = Screen(x, y);
    Ellipse(dc_, c.x - hole, c.y - hole, c.x + hole + 1, c.y + hole + 1);
  }

  void PaintPad(const TPrimitive& p) {
    const TPadLook look = PadOn(p, current_layer_);
    const double x = Get(p, "x"), y = Get(p, "y"), rotation = GetFloat(p, "rotation");
    const int hw = std::max(1, static_cast<int>(look.x_size * scale_ / 2));
    const int hh = std::max(1, static_cast<int>(look.y_size * scale_ / 2));
    const POINT c = Screen(x, y);
    {
      TSelected brush(dc_, CreateSolidBrush(kPadColour));
      TSelected pen(dc_, GetStockObject(NULL_PEN), false);
      const bool turned = std::fmod(std::abs(rotation), 180.0) != 0;
      if (look.shape == kRectangle && turned) {
        const std::vector<POINT> box = TurnedBox(x, y, look.x_size / 2, look.y_size / 2, rotation);
        Polygon(dc_, box.data(), static_cast<int>(box.size()));
      } else if (look.shape == kRectangle) {
        Rectangle(dc_, c.x - hw, c.y - hh, c.x + hw + 1, c.y + hh + 1);
      } else if (look.shape == kOctagon) {
        const int cut = std::min(hw, hh) / 2;
        const POINT points[] = {{c.x - hw + cut, c.y - hh}, {c.x + hw - cut, c.y - hh},
                                {c.x + hw, c.y - hh + cut}, {c.x + hw, c.y + hh - cut},
                                {c.x + hw - cut, c.y + hh}, {c.x - hw + cut, c.y + hh},
                                {c.x - hw, c.y + hh - cut}, {c.x - hw, c.y - hh + cut}};
        Polygon(dc_, points, 8);
      } else if (look.shape == kRoundedRectangle) {
        const int corner = std::max(1, std::min(hw, hh) * 2 * look.cr_percent / 100);
        RoundRect(dc_, c.x - hw, c.y - hh, c.x + hw + 1, c.y + hh + 1, corner, corner);
      } else if (hw != hh) {
        // Round with unequal sizes: an oblong with round ends.
        const int corner = 2 * std::min(hw, hh);
        RoundRect(dc_, c.x - hw, c.y - hh, c.x + hw + 1, c.y + hh + 1, corner, corner);
      } else {
        Ellipse(dc_, c.x - hw, c.y - hh, c.x + hw + 1, c.y + hh + 1);
      }
    }
    TSelected pen(dc_, GetStockObject(NULL_PEN), false);
    PaintHole(x, y, Get(p, "holeSize"));
  }

  void PaintVia(const TPrimitive& p) {
    const double x = Get(p, "x"), y = Get(p, "y");
    const int half = std::max(1, static_cast<int>(Get(p, "size") * scale_ / 2));
    const POINT c = Screen(x, y);
    TSelected pen(dc_, GetStockObject(NULL_PEN), false);
    {
      TSelected brush(dc_, CreateSolidBrush(kViaColour));
      Ellipse(dc_, c.x - half, c.y - half, c.x + half + 1, c.y + half + 1);
    }
    PaintHole(x, y, Get(p, "holeSize"));
  }

  HDC dc_;
  RECT area_;
  const TBoard& board_;
  double scale_ = 1, left_ = 0, bottom_ = 0;
  int current_layer_ = 0;
};

}  // namespace

DRALITH_EXPORT void __stdcall HostKitPcb_Paint(HDC dc, const RECT* area) {
  if (!dc || !area) return;
  try {
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, area, background);
    DeleteObject(background);
    const TBoard* board = TEditor::get().EditedBoard();
    if (!board) return;
    const int saved = SaveDC(dc);
    TBoardPainter(dc, *area, *board).Paint();
    RestoreDC(dc, saved);
  } catch (...) {
    // Painting never fails the host: what could not be drawn stays blank.
  }
}

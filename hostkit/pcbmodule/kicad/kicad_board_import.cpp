#include "kicad_board_import.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <map>
#include <new>
#include <numbers>
#include <optional>
#include <unordered_map>

#include "base/text_convert.h"
#include "kicad_board_reader.h"
#include "kicad_layer_map.h"
#include "kicad_length.h"

namespace {

// Pad stack shapes of the board model.
constexpr uint8_t kShapeRound = 1;
constexpr uint8_t kShapeRectangle = 2;
constexpr uint8_t kShapeRoundedRectangle = 9;

constexpr uint8_t kKindArc = 1;
constexpr uint8_t kKindPad = 2;
constexpr uint8_t kKindVia = 3;
constexpr uint8_t kKindNet = 8;
constexpr uint8_t kKindTrack = 4;
constexpr uint8_t kKindText = 5;
constexpr uint8_t kKindComponent = 9;
constexpr uint8_t kKindPolygon = 10;
constexpr uint8_t kKindRegion = 11;
constexpr uint8_t kKindBoardOutline = 26;

void SetNamed(TRecord& record, const TSchema& schema, const char* field, int64_t value) {
  SetInt(record, schema.Fields()[schema.Find(field)], value);
}

void SetNamedFloat(TRecord& record, const TSchema& schema, const char* field, double value) {
  SetFloat(record, schema.Fields()[schema.Find(field)], value);
}

// Texts longer than the field are cut: names are for the eye, nothing looks them up.
void SetNamedText(TRecord& record, const TSchema& schema, const char* field, std::string_view text) {
  const TFieldDef& def = schema.Fields()[schema.Find(field)];
  SetText(record, def, text.substr(0, TextCapacity(def.type)));
}

class TImporter {
 public:
  explicit TImporter(const TKicadBoard& kicad) : kicad_(kicad), board_(std::make_unique<TBoard>()) {}

  std::unique_ptr<TBoard> Run() {
    const TSchema& schema = SchemaOf(TGroup::board);
    SetNamed(board_->record, schema, "unit", 0);  // the board opens metric
    SetNamed(board_->record, schema, "layer", kHostTopLayer);
    MapLayerStack();
    MapNets();
    MapComponents();
    MapPads();
    MapVias();
    MapDrawnItems();
    return std::move(board_);
  }

 private:
  int32_t Units(int64_t picometres, int line, const char* what) const {
    const std::optional<int32_t> units = UnitsFromPicometres(picometres);
    if (!units)
      throw EKicadFormat(line,
                         std::string(what) + " lies outside the host's coordinates (±5454 mm)");
    return *units;
  }
  // KiCad's y grows downwards, the host's upwards.
  int32_t X(const TKicadPoint& p, int line, const char* what) const {
    return Units(p.x, line, what);
  }
  int32_t Y(const TKicadPoint& p, int line, const char* what) const {
    return Units(-p.y, line, what);
  }

  TPrimitive New(uint8_t kind) {
    TPrimitive p;
    p.handle = next_handle_++;
    p.kind = kind;
    p.record = p.RecordSchema().Blank();
    return p;
  }

  void Add(TPrimitive p) { board_->Add(std::move(p)); }

  void MapLayerStack();
  void MapNets();
  void MapComponents();
  void MapPads();
  void MapVias();
  void MapDrawnItems();
  void MapTrack(const TKicadTrack& track, uint8_t layer);
  void MapArcTrack(const TKicadTrack& track, uint8_t layer);
  void MapZone(const TKicadZone& zone);
  void MapText(const TKicadText& text, uint8_t layer);
  void MapBoardOutline();
  uint32_t NetHandle(int number) const {
    const auto it = net_handles_.find(number);
    return it == net_handles_.end() ? 0 : it->second;
  }

  const TKicadBoard& kicad_;
  std::unique_ptr<TBoard> board_;
  uint32_t next_handle_ = 1;
  std::unordered_map<int, uint32_t> net_handles_;  // KiCad's net number to the net primitive
};

double NormalisedAngle(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a < 0) a += 360.0;
  return a == 360.0 || a == 0 ? 0 : a;  // -0 as 0: a saved board writes "-0" otherwise
}

// The copper layers of the file from top to bottom make the host's layer stack, named as in KiCad.
void TImporter::MapLayerStack() {
  std::vector<std::pair<uint8_t, std::string>> copper;
  for (const TKicadLayer& layer : kicad_.layers) {
    const uint8_t host = HostLayerOfKicadLayer(layer.name);
    if (host >= kHostTopLayer && host <= kHostBottomLayer) copper.emplace_back(host, layer.name);
  }
  if (copper.empty()) copper = {{kHostTopLayer, "F.Cu"}, {kHostBottomLayer, "B.Cu"}};
  std::sort(copper.begin(), copper.end());
  const TSchema& schema = SchemaOf(TGroup::layer);
  for (size_t i = 0; i < copper.size(); ++i) {
    TRecord& layer = board_->layers[copper[i].first];
    SetNamedText(layer, schema, "name", copper[i].second);
    if (i > 0) SetNamed(layer, schema, "prevLayer", copper[i - 1].first);
    if (i + 1 < copper.size()) SetNamed(layer, schema, "nextLayer", copper[i + 1].first);
  }
  const TSchema& pair_schema = SchemaOf(TGroup::pair);
  TRecord pair = TBoard::DefaultRecord(TGroup::pair);
  SetNamed(pair, pair_schema, "layerA", copper.front().first);
  SetNamed(pair, pair_schema, "layerB", copper.back().first);
  board_->pairs.push_back(pair);
}

void TImporter::MapNets() {
  for (const TKicadNet& net : kicad_.nets) {
    if (net.number == 0 && net.name.empty()) continue;  // KiCad's "no net"
    TPrimitive p = New(kKindNet);
    SetNamedText(p.record, p.RecordSchema(), "name", net.name);
    SetNamed(p.record, p.RecordSchema(), "visible", 1);
    net_handles_.emplace(net.number, p.handle);
    Add(std::move(p));
  }
}

void TImporter::MapComponents() {
  for (const TKicadFootprint& fp : kicad_.footprints) {
    TPrimitive p = New(kKindComponent);
    const TSchema& s = p.RecordSchema();
    const bool bottom = fp.layer == "B.Cu";
    SetNamed(p.record, s, "layer", bottom ? kHostBottomLayer : kHostTopLayer);
    SetNamed(p.record, s, "x", X(fp.position, fp.line, "footprint"));
    SetNamed(p.record, s, "y", Y(fp.position, fp.line, "footprint"));
    SetNamedFloat(p.record, s, "rotation", NormalisedAngle(fp.rotation));
    SetNamedText(p.record, s, "pattern", fp.name);
    SetNamedText(p.record, s, "sourceDesignator", fp.reference);
    Add(std::move(p));
  }
}

uint8_t StackShape(TKicadPadShape shape) {
  switch (shape) {
    case TKicadPadShape::eCircle:
    case TKicadPadShape::eOval:
      return kShapeRound;
    case TKicadPadShape::eRoundRect:
      return kShapeRoundedRectangle;
    default:
      return kShapeRectangle;
  }
}

void TImporter::MapPads() {
  for (const TKicadPad& pad : kicad_.pads) {
    TPrimitive p = New(kKindPad);
    const TSchema& s = p.RecordSchema();
    const bool drilled =
        pad.type == TKicadPadType::eThroughHole || pad.type == TKicadPadType::eNonPlated;
    // A drilled pad reaches every layer; a surface pad sits on its copper layer (the first it
    // names), or else on the first layer it names that the host has.
    uint8_t layer = kHostMultiLayer;
    if (!drilled) {
      layer = 0;
      for (uint8_t copper : {kHostTopLayer, kHostBottomLayer}) {
        if (!layer && pad.OnLayer(copper == kHostTopLayer ? "F.Cu" : "B.Cu")) layer = copper;
      }
      std::string_view rest = pad.layers;
      while (!layer && !rest.empty()) {
        const size_t end = rest.find(' ');
        layer = HostLayerOfKicadLayer(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      }
      if (!layer) layer = kHostTopLayer;
    }
    SetNamed(p.record, s, "layer", layer);
    SetNamed(p.record, s, "x", X(pad.position, pad.line, "pad"));
    SetNamed(p.record, s, "y", Y(pad.position, pad.line, "pad"));
    SetNamedFloat(p.record, s, "rotation", NormalisedAngle(pad.rotation));
    SetNamedText(p.record, s, "f21", pad.number);
    if (drilled && pad.has_drill) {
      // A slot's hole size is its width; its length is kept beside it.
      SetNamed(p.record, s, "holeSize",
               Units(std::min(pad.drill_x, pad.drill_y), pad.line, "pad drill"));
      if (pad.oval_drill) {
        SetNamed(p.record, s, "slotLength",
                 Units(std::max(pad.drill_x, pad.drill_y), pad.line, "pad drill"));
      }
    }
    TStackEntry entry;
    entry.shape = StackShape(pad.shape == TKicadPadShape::eCustom ? pad.anchor : pad.shape);
    entry.x_size = Units(pad.size_x, pad.line, "pad size");
    entry.y_size = Units(pad.size_y, pad.line, "pad size");
    if (pad.shape == TKicadPadShape::eRoundRect) {
      // KiCad's ratio is of the shorter side, the host's percentage of half of it.
      entry.cr_percent =
          static_cast<uint8_t>(std::clamp(std::lround(pad.roundrect_ratio * 200), 0l, 100l));
    }
    for (uint8_t on : drilled
                          ? std::vector<uint8_t>{kHostTopLayer, kHostBottomLayer, kHostMultiLayer}
                          : std::vector<uint8_t>{layer}) {
      entry.layer = on;
      p.PutOnLayer(entry);
    }
    Add(std::move(p));
  }
}

void TImporter::MapVias() {
  for (const TKicadVia& via : kicad_.vias) {
    TPrimitive p = New(kKindVia);
    const TSchema& s = p.RecordSchema();
    const uint8_t top = HostLayerOfKicadLayer(via.top_layer);
    const uint8_t bottom = HostLayerOfKicadLayer(via.bottom_layer);
    SetNamed(p.record, s, "layer", top ? top : kHostTopLayer);
    SetNamed(p.record, s, "f13", bottom ? bottom : kHostBottomLayer);
    SetNamed(p.record, s, "x", X(via.position, via.line, "via"));
    SetNamed(p.record, s, "y", Y(via.position, via.line, "via"));
    SetNamed(p.record, s, "size", Units(via.size, via.line, "via size"));
    SetNamed(p.record, s, "holeSize", Units(via.drill, via.line, "via drill"));
    Add(std::move(p));
  }
}

// The copper layer a zone starts on: the first copper layer it names ("*.Cu" and "F&B.Cu" start on
// the top), 0 when it names none the host has.
uint8_t FirstCopperLayer(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (name == "*.Cu" || name == "F&B.Cu") return kHostTopLayer;
    const uint8_t host = HostLayerOfKicadLayer(name);
    if (host >= kHostTopLayer && host <= kHostBottomLayer) return host;
  }
  return 0;
}

// The direction of (dx, dy), given in KiCad's axes, in the host's degrees (y up, counter-clockwise
// from +x, 0 to 360), kept to a billionth of a degree so that right angles stay whole.
double HostAngle(double dx, double dy) {
  const double degrees = std::atan2(-dy, dx) * 180 / std::numbers::pi;
  return NormalisedAngle(std::round(degrees * 1e9) / 1e9);
}

void TImporter::MapDrawnItems() {
  for (const TKicadTrack& track : kicad_.tracks) {
    const uint8_t layer = HostLayerOfKicadLayer(track.layer);
    if (!layer) continue;
    if (track.arc) {
      MapArcTrack(track, layer);
    } else {
      MapTrack(track, layer);
    }
  }
  for (const TKicadZone& zone : kicad_.zones) MapZone(zone);
  // Footprint texts (references, values) are the footprint's business, not the board's.
  for (const TKicadText& text : kicad_.texts) {
    const uint8_t layer = text.in_footprint ? 0 : HostLayerOfKicadLayer(text.layer);
    if (layer) MapText(text, layer);
  }
  MapBoardOutline();
}

void TImporter::MapTrack(const TKicadTrack& track, uint8_t layer) {
  const char* what = track.arc ? "arc" : "segment";
  TPrimitive p = New(kKindTrack);
  const TSchema& s = p.RecordSchema();
  SetNamed(p.record, s, "layer", layer);
  SetNamed(p.record, s, "x", X(track.start, track.line, what));
  SetNamed(p.record, s, "y", Y(track.start, track.line, what));
  SetNamed(p.record, s, "x2", X(track.end, track.line, what));
  SetNamed(p.record, s, "y2", Y(track.end, track.line, what));
  SetNamed(p.record, s, "width", Units(track.width, track.line, "track width"));
  Add(std::move(p));
}

// The circle through start, mid and end, run counter-clockwise in the host's axes from startAngle
// to endAngle. Points on one line, or so nearly on one that the centre would leave the host's
// coordinates, make the chord: a track from start to end.
void TImporter::MapArcTrack(const TKicadTrack& track, uint8_t layer) {
  // Relative to the start, so that the doubles keep every picometre.
  const double bx = static_cast<double>(track.mid.x - track.start.x);
  const double by = static_cast<double>(track.mid.y - track.start.y);
  const double cx = static_cast<double>(track.end.x - track.start.x);
  const double cy = static_cast<double>(track.end.y - track.start.y);
  const double cross = bx * cy - by * cx;
  const bool circle = track.start == track.end && !(track.mid == track.start);
  double ux = bx / 2, uy = by / 2;  // the centre, relative to the start
  if (!circle) {
    if (std::abs(cross) <= 1e-12 * std::hypot(bx, by) * std::hypot(cx, cy)) {
      MapTrack(track, layer);
      return;
    }
    const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    ux = (cy * b2 - by * c2) / (2 * cross);
    uy = (bx * c2 - cx * b2) / (2 * cross);
  }
  const double radius = std::hypot(ux, uy);
  constexpr double far_away = 1e16;  // picometres, far beyond the host's coordinates
  if (!(std::abs(ux) < far_away && std::abs(uy) < far_away)) {
    MapTrack(track, layer);
    return;
  }
  const TKicadPoint centre{track.start.x + std::llround(ux), track.start.y + std::llround(uy)};
  const std::optional<int32_t> x = UnitsFromPicometres(centre.x);
  const std::optional<int32_t> y = UnitsFromPicometres(-centre.y);
  const std::optional<int32_t> r = UnitsFromPicometres(std::llround(radius));
  if (!x || !y || !r) {
    MapTrack(track, layer);
    return;
  }
  const double from = HostAngle(-ux, -uy), to = HostAngle(cx - ux, cy - uy);
  // KiCad's y points down: a turn clockwise in the file's numbers is counter-clockwise as seen.
  const bool counter_clockwise = circle || cross < 0;
  TPrimitive p = New(kKindArc);
  const TSchema& s = p.RecordSchema();
  SetNamed(p.record, s, "layer", layer);
  SetNamed(p.record, s, "x", *x);
  SetNamed(p.record, s, "y", *y);
  SetNamed(p.record, s, "radius", *r);
  SetNamedFloat(p.record, s, "startAngle", counter_clockwise ? from : to);
  SetNamedFloat(p.record, s, "endAngle", counter_clockwise ? to : from);
  SetNamed(p.record, s, "width", Units(track.width, track.line, "arc width"));
  Add(std::move(p));
}

// Each outline the user drew becomes a polygon pour on the zone's first copper layer, or a keep-out
// region for a rule area; the file's fill results are recomputed by the host, not kept.
void TImporter::MapZone(const TKicadZone& zone) {
  const uint8_t layer = FirstCopperLayer(zone.layers);
  if (!layer) return;
  for (const std::vector<TKicadPoint>& outline : zone.outlines) {
    if (outline.empty()) continue;
    TPrimitive p = New(zone.keepout ? kKindRegion : kKindPolygon);
    const TSchema& s = p.RecordSchema();
    SetNamed(p.record, s, "layer", layer);
    SetNamed(p.record, s, "net", NetHandle(zone.net));
    if (zone.keepout) SetNamed(p.record, s, "keepout", 1);
    for (const TKicadPoint& corner : outline)
      p.vertices.push_back({X(corner, zone.line, "zone"), Y(corner, zone.line, "zone")});
    SetNamed(p.record, s, "vertexCount", static_cast<int64_t>(p.vertices.size()));
    Add(std::move(p));
  }
}

void TImporter::MapText(const TKicadText& text, uint8_t layer) {
  TPrimitive p = New(kKindText);
  const TSchema& s = p.RecordSchema();
  SetNamed(p.record, s, "layer", layer);
  SetNamed(p.record, s, "x", X(text.position, text.line, "gr_text"));
  SetNamed(p.record, s, "y", Y(text.position, text.line, "gr_text"));
  SetNamed(p.record, s, "height", Units(text.height, text.line, "gr_text size"));
  SetNamedFloat(p.record, s, "rotation", NormalisedAngle(text.rotation));
  SetNamedText(p.record, s, "text", text.text);
  Add(std::move(p));
}

struct TCorner {
  TKicadPoint point;
  int line = 0;  // of the drawing it comes from, for an error
};
using TPath = std::vector<TCorner>;

// Ends closer than this join: files written by hand or converted leave gaps of a few nanometres.
constexpr int64_t kJoin = 1000000;  // picometres, 1 µm
// Beyond this many open pieces only exact joins are looked for, keeping the chaining linear.
constexpr size_t kNearSearchLimit = 4096;

bool Near(const TKicadPoint& a, const TKicadPoint& b) {
  return std::abs(a.x - b.x) <= kJoin && std::abs(a.y - b.y) <= kJoin;
}

// Twice the area a path encloses, as a closed polygon.
double Area(const TPath& path) {
  double twice = 0;
  const TKicadPoint o = path.front().point;
  for (size_t i = 0; i < path.size(); ++i) {
    const TKicadPoint& a = path[i].point;
    const TKicadPoint& b = path[(i + 1) % path.size()].point;
    twice += static_cast<double>(a.x - o.x) * static_cast<double>(b.y - o.y) -
             static_cast<double>(b.x - o.x) * static_cast<double>(a.y - o.y);
  }
  return std::abs(twice);
}

// The pieces of the board's edge: lines, arcs and curves open (from start to end), rectangles,
// polygons and circles closed on their own.
void EdgePieces(const std::vector<TKicadDrawing>& drawings, std::vector<TPath>* open,
                std::vector<TPath>* closed) {
  for (const TKicadDrawing& d : drawings) {
    if (d.layer != "Edge.Cuts" || d.points.empty()) continue;
    TPath path;
    auto put = [&](const TKicadPoint& p) { path.push_back({p, d.line}); };
    if (d.kind == "rect" && d.points.size() >= 2) {
      const TKicadPoint a = d.points.front(), b = d.points.back();
      for (const TKicadPoint& p : {a, TKicadPoint{b.x, a.y}, b, TKicadPoint{a.x, b.y}}) put(p);
      closed->push_back(std::move(path));
    } else if (d.kind == "poly") {
      for (const TKicadPoint& p : d.points) put(p);
      closed->push_back(std::move(path));
    } else if (d.kind == "circle" && d.points.size() >= 2) {
      const TKicadPoint c = d.points[0];
      const double r = std::hypot(static_cast<double>(d.points[1].x - c.x),
                                  static_cast<double>(d.points[1].y - c.y));
      constexpr int steps = 32;
      for (int i = 0; i < steps; ++i) {
        const double a = 2 * std::numbers::pi * i / steps;
        put({c.x + std::llround(r * std::cos(a)), c.y + std::llround(r * std::sin(a))});
      }
      closed->push_back(std::move(path));
    } else if (d.kind == "arc" && d.points.size() == 3) {
      for (const TKicadPoint& p : d.points) put(p);
      open->push_back(std::move(path));
    } else if (d.kind == "line" || d.kind == "arc" || d.kind == "curve") {
      put(d.points.front());
      put(d.points.back());
      open->push_back(std::move(path));
    }
  }
}

// The open pieces joined end to end into paths, each as far as its ends reach.
std::vector<TPath> Chained(std::vector<TPath> pieces) {
  std::multimap<std::pair<int64_t, int64_t>, size_t> ends;
  for (size_t i = 0; i < pieces.size(); ++i) {
    for (const TCorner* c : {&pieces[i].front(), &pieces[i].back()})
      ends.emplace(std::make_pair(c->point.x, c->point.y), i);
  }
  std::vector<bool> used(pieces.size(), false);
  // The unused piece with an end at (or near) the point, and whether it runs backwards from it.
  auto next = [&](const TKicadPoint& at, bool* reversed) -> size_t {
    const auto [lo, hi] = ends.equal_range(std::make_pair(at.x, at.y));
    for (auto it = lo; it != hi; ++it) {
      if (used[it->second]) continue;
      *reversed = !(pieces[it->second].front().point == at);
      return it->second;
    }
    if (pieces.size() > kNearSearchLimit) return pieces.size();
    for (size_t i = 0; i < pieces.size(); ++i) {
      if (used[i]) continue;
      if (Near(pieces[i].front().point, at) || Near(pieces[i].back().point, at)) {
        *reversed = !Near(pieces[i].front().point, at);
        return i;
      }
    }
    return pieces.size();
  };
  std::vector<TPath> paths;
  for (size_t first = 0; first < pieces.size(); ++first) {
    if (used[first]) continue;
    used[first] = true;
    TPath path = pieces[first];
    while (path.size() < 3 || !Near(path.back().point, path.front().point)) {
      bool reversed = false;
      const size_t i = next(path.back().point, &reversed);
      if (i == pieces.size()) break;
      used[i] = true;
      TPath& piece = pieces[i];
      if (reversed) std::reverse(piece.begin(), piece.end());
      path.insert(path.end(), piece.begin() + 1, piece.end());
    }
    if (path.size() > 3 && Near(path.back().point, path.front().point)) path.pop_back();
    paths.push_back(std::move(path));
  }
  return paths;
}

// The board's edge: the Edge.Cuts drawings joined end to end; the path that encloses most is the
// outline. Cut-outs inside it are left out: the host's board outline is one polygon.
void TImporter::MapBoardOutline() {
  std::vector<TPath> open, paths;
  EdgePieces(kicad_.drawings, &open, &paths);
  for (TPath& path : Chained(std::move(open))) paths.push_back(std::move(path));
  const TPath* outline = nullptr;
  double largest = -1;
  for (const TPath& path : paths) {
    const double area = Area(path);
    if (area > largest) {
      largest = area;
      outline = &path;
    }
  }
  if (!outline) return;
  TPrimitive p = New(kKindBoardOutline);
  const TSchema& s = p.RecordSchema();
  SetNamed(p.record, s, "layer", HostLayerOfKicadLayer("Edge.Cuts"));
  for (const TCorner& c : *outline)
    p.vertices.push_back({X(c.point, c.line, "Edge.Cuts"), Y(c.point, c.line, "Edge.Cuts")});
  SetNamed(p.record, s, "vertexCount", static_cast<int64_t>(p.vertices.size()));
  Add(std::move(p));
}

}  // namespace

bool IsKicadBoardPath(const std::wstring& path) {
  static const std::wstring extension = L".kicad_pcb";
  if (path.size() < extension.size()) return false;
  for (size_t i = 0; i < extension.size(); ++i) {
    if (std::towlower(path[path.size() - extension.size() + i]) != extension[i]) return false;
  }
  return true;
}

std::unique_ptr<TBoard> ImportKicadBoard(const TKicadBoard& kicad) { return TImporter(kicad).Run(); }

std::unique_ptr<TBoard> LoadKicadBoardFile(const std::wstring& path, std::string* error) {
  const std::string name = ToAnsi(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = name + ":0: file: cannot be opened";
    return nullptr;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) size.QuadPart = -1;
  if (size.QuadPart > kMaxKicadFileBytes) {
    CloseHandle(file);
    *error = name + ":0: file: larger than " + std::to_string(kMaxKicadFileBytes >> 20) +
             " MB, more than any board; not read";
    return nullptr;
  }
  std::string text;
  bool ok = size.QuadPart >= 0;
  if (ok) {
    try {
      text.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
      CloseHandle(file);
      *error = name + ":0: file: not enough memory to read it";
      return nullptr;
    }
    DWORD read = 0;
    ok = text.empty() ||
         (ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr) &&
          read == text.size());
  }
  CloseHandle(file);
  if (!ok) {
    *error = name + ":0: file: cannot be read";
    return nullptr;
  }
  try {
    TKicadBoard kicad = ReadKicadBoard(text);
    // The text is no longer needed: free it before the board model is built beside the records.
    std::string().swap(text);
    return ImportKicadBoard(kicad);
  } catch (const EKicadFormat& e) {
    *error = name + ":" + std::to_string(e.Line()) + ": " + e.what();
  } catch (const std::bad_alloc&) {
    *error = name + ":0: file: not enough memory to open the board";
  }
  return nullptr;
}

#include "kicad_board_reader.h"

#include <charconv>
#include <cmath>
#include <string>

#include "kicad_length.h"
#include "s_expression.h"

namespace {

constexpr double kMaxAngle = 1e6;

// Reads the items of one top-level expression, the tree of which it is handed.
class TItemReader {
 public:
  TItemReader(const TSExprTree& tree, TKicadBoard& board) : tree_(tree), board_(board) {}

  void Footprint(uint32_t list);
  void Via(uint32_t list);
  void Track(uint32_t list, bool arc);
  void Zone(uint32_t list);
  void Drawing(uint32_t list, std::string_view kind, const TKicadFootprint* footprint);
  void Text(uint32_t list, size_t text_at, const TKicadFootprint* footprint);
  void Layers(uint32_t list);
  void Net(uint32_t list);
  int Version(uint32_t list);

 private:
  [[noreturn]] void Fail(uint32_t node, const std::string& what) const {
    throw EKicadFormat(tree_.Node(node).line, what);
  }
  const TSExprNode& N(uint32_t node) const { return tree_.Node(node); }
  // The first child list with the keyword, kNoNode when there is none.
  uint32_t Find(uint32_t list, std::string_view keyword) const;
  uint32_t Require(uint32_t list, std::string_view keyword, const std::string& item) const;
  // The index-th child (0 is the keyword), which must exist and be an atom.
  uint32_t Atom(uint32_t list, uint32_t index, const std::string& what) const;
  std::string AtomText(uint32_t list, uint32_t index, const std::string& what) const {
    return std::string(N(Atom(list, index, what)).text);
  }
  bool HasChild(uint32_t list, uint32_t index) const { return N(list).count > index; }
  uint32_t ChildAt(uint32_t list, uint32_t index) const;
  int64_t Length(uint32_t node, const std::string& what) const;
  double Angle(uint32_t node, const std::string& what) const;
  int Integer(uint32_t node, const std::string& what, int low, int high) const;
  // "(at x y [angle])", "(start x y)", "(xy x y)".
  TKicadPoint Point(uint32_t list, const std::string& what) const;
  double OptionalAngle(uint32_t list, uint32_t index, const std::string& what) const;
  void Pad(uint32_t list, const TKicadFootprint& footprint, int footprint_index);
  void Drill(uint32_t list, TKicadPad& pad, const std::string& what) const;
  int64_t Width(uint32_t list, const std::string& what) const;
  std::vector<TKicadPoint> Points(uint32_t pts, const std::string& what) const;

  const TSExprTree& tree_;
  TKicadBoard& board_;
};

// A point of a footprint placed on the board: KiCad rotates (x, y) by a as x cos a + y sin a,
// y cos a - x sin a (y downwards); right angles stay exact.
TKicadPoint Place(const TKicadPoint& local, const TKicadPoint& origin, double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a < 0) a += 360.0;
  TKicadPoint r;
  if (a == 0) {
    r = local;
  } else if (a == 90) {
    r = {local.y, -local.x};
  } else if (a == 180) {
    r = {-local.x, -local.y};
  } else if (a == 270) {
    r = {-local.y, local.x};
  } else {
    const double rad = a * 3.14159265358979323846 / 180.0;
    const double c = std::cos(rad), s = std::sin(rad);
    const auto x = static_cast<double>(local.x), y = static_cast<double>(local.y);
    r = {std::llround(x * c + y * s), std::llround(y * c - x * s)};
  }
  return {origin.x + r.x, origin.y + r.y};
}

uint32_t TItemReader::Find(uint32_t list, std::string_view keyword) const {
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind == TSExprKind::eList && tree_.Keyword(c) == keyword) return c;
  }
  return kNoNode;
}

uint32_t TItemReader::Require(uint32_t list, std::string_view keyword,
                              const std::string& item) const {
  const uint32_t found = Find(list, keyword);
  if (found == kNoNode) Fail(list, item + ": (" + std::string(keyword) + " …) missing");
  return found;
}

uint32_t TItemReader::ChildAt(uint32_t list, uint32_t index) const {
  uint32_t c = N(list).first;
  for (uint32_t i = 0; i < index && c != kNoNode; ++i) c = N(c).next;
  return c;
}

uint32_t TItemReader::Atom(uint32_t list, uint32_t index, const std::string& what) const {
  const uint32_t c = ChildAt(list, index);
  if (c == kNoNode) Fail(list, what + " missing");
  if (N(c).kind == TSExprKind::eList) Fail(c, what + ": expected a value, found a list");
  return c;
}

int64_t TItemReader::Length(uint32_t node, const std::string& what) const {
  const TSExprNode& n = N(node);
  if (n.kind != TSExprKind::eSymbol)
    Fail(node, what + ": expected a number, found " +
                   (n.kind == TSExprKind::eList ? std::string("a list") : QuoteToken(n.text)));
  int64_t value = 0;
  switch (ParseMillimetres(n.text, &value)) {
    case TLengthError::eNone:
      return value;
    case TLengthError::eRange:
      Fail(node, what + ": " + QuoteToken(n.text) + " mm is out of range (at most 10000 mm)");
    default:
      Fail(node, what + ": expected a number, found " + QuoteToken(n.text));
  }
}

double TItemReader::Angle(uint32_t node, const std::string& what) const {
  const TSExprNode& n = N(node);
  double value = 0;
  if (n.kind == TSExprKind::eSymbol) {
    const char* first = n.text.data();
    const char* last = first + n.text.size();
    if (first != last && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc() && end == last && std::isfinite(value)) {
      if (std::fabs(value) > kMaxAngle)
        Fail(node, what + ": angle " + QuoteToken(n.text) + " is out of range");
      return value;
    }
  }
  Fail(node, what + ": expected an angle, found " +
                 (n.kind == TSExprKind::eList ? std::string("a list") : QuoteToken(n.text)));
}

int TItemReader::Integer(uint32_t node, const std::string& what, int low, int high) const {
  const TSExprNode& n = N(node);
  int64_t value = 0;
  if (n.kind == TSExprKind::eSymbol) {
    const char* first = n.text.data();
    const char* last = first + n.text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc() && end == last && (value < low || value > high))) {
      Fail(node, what + ": " + QuoteToken(n.text) + " is out of range " + std::to_string(low) +
                     ".." + std::to_string(high));
    }
    if (ec == std::errc() && end == last) return static_cast<int>(value);
  }
  Fail(node, what + ": expected an integer, found " +
                 (n.kind == TSExprKind::eList ? std::string("a list") : QuoteToken(n.text)));
}

TKicadPoint TItemReader::Point(uint32_t list, const std::string& what) const {
  const std::string item = what + " (" + std::string(tree_.Keyword(list)) + ")";
  return {Length(Atom(list, 1, item + " x"), item + " x"),
          Length(Atom(list, 2, item + " y"), item + " y")};
}

double TItemReader::OptionalAngle(uint32_t list, uint32_t index, const std::string& what) const {
  const uint32_t c = ChildAt(list, index);
  if (c == kNoNode || N(c).kind != TSExprKind::eSymbol) return 0;
  // "(at x y unlocked)" in older footprint texts.
  if (N(c).text == "unlocked") return 0;
  return Angle(c, what);
}

int64_t TItemReader::Width(uint32_t list, const std::string& what) const {
  uint32_t width = Find(list, "width");
  if (width == kNoNode) {
    const uint32_t stroke = Find(list, "stroke");
    if (stroke != kNoNode) width = Find(stroke, "width");
  }
  if (width == kNoNode) return 0;
  const int64_t value = Length(Atom(width, 1, what + " width"), what + " width");
  if (value < 0) Fail(width, what + " width: negative");
  return value;
}

std::vector<TKicadPoint> TItemReader::Points(uint32_t pts, const std::string& what) const {
  std::vector<TKicadPoint> out;
  out.reserve(N(pts).count);
  for (uint32_t c = N(pts).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    const std::string_view key = tree_.Keyword(c);
    if (key == "xy") {
      out.push_back(Point(c, what));
    } else if (key == "arc") {
      // An arc of an outline: its three points stand for it.
      for (const char* part : {"start", "mid", "end"}) {
        const uint32_t p = Find(c, part);
        if (p != kNoNode) out.push_back(Point(p, what));
      }
    }
  }
  return out;
}

int TItemReader::Version(uint32_t list) {
  const int version = Integer(Atom(list, 1, "version"), "version", 0, 99999999);
  if (version < kFirstKicadVersion) {
    Fail(list,
         "version " + std::to_string(version) +
             " is a KiCad 5 or older board; only KiCad 6, 7 and 8 boards are read (versions " +
             std::to_string(kFirstKicadVersion) + " to " + std::to_string(kLastKicadVersion) + ")");
  }
  if (version > kLastKicadVersion) {
    Fail(list, "version " + std::to_string(version) +
                   " is a board of a KiCad newer than 8; only KiCad 6, 7 and 8 boards are read "
                   "(versions " +
                   std::to_string(kFirstKicadVersion) + " to " + std::to_string(kLastKicadVersion) +
                   ")");
  }
  return version;
}

void TItemReader::Layers(uint32_t list) {
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    TKicadLayer layer;
    layer.ordinal = Integer(Atom(c, 0, "layer number"), "layer number", 0, 127);
    layer.name = AtomText(c, 1, "layer name");
    layer.type = AtomText(c, 2, "layer type");
    board_.layers.push_back(std::move(layer));
  }
}

void TItemReader::Net(uint32_t list) {
  TKicadNet net;
  net.number = Integer(Atom(list, 1, "net number"), "net number", 0, 1 << 24);
  if (HasChild(list, 2)) net.name = AtomText(list, 2, "net name");
  board_.nets.push_back(std::move(net));
}

void TItemReader::Footprint(uint32_t list) {
  TKicadFootprint fp;
  fp.line = N(list).line;
  fp.name = AtomText(list, 1, "footprint name");
  const uint32_t at = Find(list, "at");
  if (at != kNoNode) {
    fp.position = Point(at, "footprint");
    fp.rotation = OptionalAngle(at, 3, "footprint (at)");
  }
  const uint32_t layer = Find(list, "layer");
  if (layer != kNoNode) fp.layer = AtomText(layer, 1, "footprint layer");
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    const std::string_view key = tree_.Keyword(c);
    if (key == "fp_text" && HasChild(c, 2)) {
      const std::string kind = AtomText(c, 1, "footprint text kind");
      if (kind == "reference") fp.reference = AtomText(c, 2, "footprint reference");
      if (kind == "value") fp.value = AtomText(c, 2, "footprint value");
    } else if (key == "property" && HasChild(c, 2)) {
      const std::string name = AtomText(c, 1, "property name");
      if (name == "Reference") fp.reference = AtomText(c, 2, "footprint reference");
      if (name == "Value") fp.value = AtomText(c, 2, "footprint value");
    }
  }
  const int index = static_cast<int>(board_.footprints.size());
  board_.footprints.push_back(fp);
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    const std::string_view key = tree_.Keyword(c);
    if (key == "pad") {
      Pad(c, fp, index);
    } else if (key == "fp_text") {
      Text(c, 2, &fp);
    } else if (key.substr(0, 3) == "fp_") {
      Drawing(c, key.substr(3), &fp);
    } else if (key == "zone") {
      Zone(c);
    }
  }
}

void TItemReader::Drill(uint32_t list, TKicadPad& pad, const std::string& what) const {
  uint32_t c = N(list).first;
  c = N(c).next;
  if (c != kNoNode && N(c).kind == TSExprKind::eSymbol && N(c).text == "oval") {
    pad.oval_drill = true;
    c = N(c).next;
  }
  if (c == kNoNode || N(c).kind != TSExprKind::eSymbol) return;  // "(drill (offset x y))"
  pad.drill_x = Length(c, what + " drill");
  pad.drill_y = pad.drill_x;
  c = N(c).next;
  if (c != kNoNode && N(c).kind == TSExprKind::eSymbol) pad.drill_y = Length(c, what + " drill");
  if (pad.drill_x < 0 || pad.drill_y < 0) Fail(list, what + " drill: negative size");
  pad.has_drill = true;
}

void TItemReader::Pad(uint32_t list, const TKicadFootprint& fp, int footprint_index) {
  TKicadPad pad;
  pad.line = N(list).line;
  pad.footprint = footprint_index;
  pad.number = AtomText(list, 1, "pad number");
  const std::string what =
      "pad " + QuoteToken(pad.number) + (fp.reference.empty() ? "" : " of " + fp.reference);
  const std::string type = AtomText(list, 2, what + " type");
  if (type == "thru_hole") {
    pad.type = TKicadPadType::eThroughHole;
  } else if (type == "np_thru_hole") {
    pad.type = TKicadPadType::eNonPlated;
  } else if (type == "smd") {
    pad.type = TKicadPadType::eSmd;
  } else if (type == "connect") {
    pad.type = TKicadPadType::eConnector;
  } else {
    Fail(list, what + ": unknown pad type " + QuoteToken(type));
  }
  const std::string shape = AtomText(list, 3, what + " shape");
  static const std::pair<const char*, TKicadPadShape> shapes[] = {
      {"circle", TKicadPadShape::eCircle},       {"rect", TKicadPadShape::eRect},
      {"oval", TKicadPadShape::eOval},           {"trapezoid", TKicadPadShape::eTrapezoid},
      {"roundrect", TKicadPadShape::eRoundRect}, {"chamfered_rect", TKicadPadShape::eChamferedRect},
      {"custom", TKicadPadShape::eCustom}};
  bool known = false;
  for (const auto& [name, value] : shapes) {
    if (shape == name) {
      pad.shape = value;
      known = true;
    }
  }
  if (!known) Fail(list, what + ": unknown pad shape " + QuoteToken(shape));
  const uint32_t at = Require(list, "at", what);
  pad.local = Point(at, what);
  pad.rotation = OptionalAngle(at, 3, what + " (at)");
  pad.position = Place(pad.local, fp.position, fp.rotation);
  const uint32_t size = Require(list, "size", what);
  pad.size_x = Length(Atom(size, 1, what + " size"), what + " size");
  pad.size_y = Length(Atom(size, 2, what + " size"), what + " size");
  if (pad.size_x < 0 || pad.size_y < 0) Fail(size, what + " size: negative");
  const uint32_t drill = Find(list, "drill");
  if (drill != kNoNode) Drill(drill, pad, what);
  if (!pad.has_drill &&
      (pad.type == TKicadPadType::eThroughHole || pad.type == TKicadPadType::eNonPlated)) {
    Fail(list, what + ": a through-hole pad without (drill …)");
  }
  const uint32_t layers = Require(list, "layers", what);
  for (uint32_t c = N(layers).first; c != kNoNode; c = N(c).next) {
    if (c == N(layers).first) continue;
    if (N(c).kind == TSExprKind::eList)
      Fail(c, what + " layers: expected a layer name, found a list");
    if (N(c).text.find(' ') != std::string_view::npos)
      Fail(c, what + " layers: a layer name with a blank");
    pad.layers += N(c).text;
    pad.layers += ' ';
  }
  const uint32_t ratio = Find(list, "roundrect_rratio");
  if (ratio != kNoNode) {
    pad.roundrect_ratio =
        Angle(Atom(ratio, 1, what + " roundrect_rratio"), what + " roundrect_rratio");
    if (pad.roundrect_ratio < 0 || pad.roundrect_ratio > 0.5) {
      Fail(ratio, what + " roundrect_rratio: out of range 0..0.5");
    }
  }
  const uint32_t net = Find(list, "net");
  if (net != kNoNode) pad.net = Integer(Atom(net, 1, what + " net"), what + " net", 0, 1 << 24);
  const uint32_t options = Find(list, "options");
  if (options != kNoNode) {
    const uint32_t anchor = Find(options, "anchor");
    if (anchor != kNoNode) {
      pad.anchor = AtomText(anchor, 1, what + " anchor") == "rect" ? TKicadPadShape::eRect
                                                                    : TKicadPadShape::eCircle;
    }
  }
  board_.pads.push_back(std::move(pad));
}

void TItemReader::Via(uint32_t list) {
  TKicadVia via;
  via.line = N(list).line;
  for (uint32_t c = N(N(list).first).next; c != kNoNode && N(c).kind == TSExprKind::eSymbol;
       c = N(c).next) {
    if (N(c).text == "blind") via.type = TKicadViaType::eBlind;
    if (N(c).text == "micro") via.type = TKicadViaType::eMicro;
  }
  via.position = Point(Require(list, "at", "via"), "via");
  const uint32_t size = Require(list, "size", "via");
  via.size = Length(Atom(size, 1, "via size"), "via size");
  const uint32_t drill = Require(list, "drill", "via");
  via.drill = Length(Atom(drill, 1, "via drill"), "via drill");
  if (via.size < 0 || via.drill < 0) Fail(list, "via: negative size");
  const uint32_t layers = Find(list, "layers");
  if (layers != kNoNode) {
    via.top_layer = AtomText(layers, 1, "via layers");
    via.bottom_layer = AtomText(layers, 2, "via layers");
  }
  const uint32_t net = Find(list, "net");
  if (net != kNoNode) via.net = Integer(Atom(net, 1, "via net"), "via net", 0, 1 << 24);
  board_.vias.push_back(std::move(via));
}

void TItemReader::Track(uint32_t list, bool arc) {
  const std::string what = arc ? "arc" : "segment";
  TKicadTrack track;
  track.line = N(list).line;
  track.arc = arc;
  track.start = Point(Require(list, "start", what), what);
  if (arc) track.mid = Point(Require(list, "mid", what), what);
  track.end = Point(Require(list, "end", what), what);
  track.width = Width(list, what);
  track.layer = AtomText(Require(list, "layer", what), 1, what + " layer");
  const uint32_t net = Find(list, "net");
  if (net != kNoNode) track.net = Integer(Atom(net, 1, what + " net"), what + " net", 0, 1 << 24);
  board_.tracks.push_back(std::move(track));
}

void TItemReader::Zone(uint32_t list) {
  TKicadZone zone;
  zone.line = N(list).line;
  const uint32_t net = Find(list, "net");
  if (net != kNoNode) zone.net = Integer(Atom(net, 1, "zone net"), "zone net", 0, 1 << 24);
  const uint32_t net_name = Find(list, "net_name");
  if (net_name != kNoNode && HasChild(net_name, 1))
    zone.net_name = AtomText(net_name, 1, "zone net name");
  zone.keepout = Find(list, "keepout") != kNoNode;
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    const std::string_view key = tree_.Keyword(c);
    if (key == "layer" || key == "layers") {
      for (uint32_t l = N(N(c).first).next; l != kNoNode; l = N(l).next) {
        if (N(l).kind != TSExprKind::eList) zone.layers.emplace_back(N(l).text);
      }
    } else if (key == "polygon") {
      const uint32_t pts = Find(c, "pts");
      if (pts != kNoNode) zone.outlines.push_back(Points(pts, "zone"));
    } else if (key == "filled_polygon") {
      ++zone.filled_polygons;
    }
  }
  board_.zones.push_back(std::move(zone));
}

void TItemReader::Drawing(uint32_t list, std::string_view kind, const TKicadFootprint* fp) {
  if (kind != "line" && kind != "arc" && kind != "circle" && kind != "rect" && kind != "poly" &&
      kind != "curve") {
    return;
  }
  const std::string what = (fp ? "fp_" : "gr_") + std::string(kind);
  TKicadDrawing drawing;
  drawing.line = N(list).line;
  drawing.kind = kind;
  drawing.in_footprint = fp != nullptr;
  for (uint32_t c = N(list).first; c != kNoNode; c = N(c).next) {
    if (N(c).kind != TSExprKind::eList) continue;
    const std::string_view key = tree_.Keyword(c);
    if (key == "start" || key == "mid" || key == "center" || key == "end") {
      drawing.points.push_back(Point(c, what));
    } else if (key == "pts") {
      const std::vector<TKicadPoint> points = Points(c, what);
      drawing.points.insert(drawing.points.end(), points.begin(), points.end());
    } else if (key == "layer") {
      drawing.layer = AtomText(c, 1, what + " layer");
    } else if (key == "fill" && HasChild(c, 1)) {
      const std::string fill = AtomText(c, 1, what + " fill");
      drawing.filled = fill == "solid" || fill == "yes";
    }
  }
  if (drawing.points.empty()) Fail(list, what + ": no points");
  drawing.width = Width(list, what);
  if (fp) {
    for (TKicadPoint& p : drawing.points) p = Place(p, fp->position, fp->rotation);
  }
  board_.drawings.push_back(std::move(drawing));
}

void TItemReader::Text(uint32_t list, size_t text_at, const TKicadFootprint* fp) {
  const std::string what = fp ? "fp_text" : "gr_text";
  TKicadText text;
  text.line = N(list).line;
  text.in_footprint = fp != nullptr;
  text.text = AtomText(list, static_cast<uint32_t>(text_at), what + " text");
  const uint32_t at = Require(list, "at", what);
  const TKicadPoint local = Point(at, what);
  text.rotation = OptionalAngle(at, 3, what + " (at)");
  text.position = fp ? Place(local, fp->position, fp->rotation) : local;
  const uint32_t layer = Find(list, "layer");
  if (layer != kNoNode) text.layer = AtomText(layer, 1, what + " layer");
  const uint32_t effects = Find(list, "effects");
  const uint32_t font = effects == kNoNode ? kNoNode : Find(effects, "font");
  const uint32_t size = font == kNoNode ? kNoNode : Find(font, "size");
  if (size != kNoNode) {
    text.height = Length(Atom(size, 1, what + " size"), what + " size");
    text.width = Length(Atom(size, 2, what + " size"), what + " size");
  }
  board_.texts.push_back(std::move(text));
}

}  // namespace

TKicadBoard ReadKicadBoard(std::string_view text) {
  TKicadBoard board;
  TSExprReader reader(text);
  reader.EnterList("kicad_pcb");
  TSExprTree tree;
  TItemReader items(tree, board);
  bool versioned = false;
  while (!reader.AtListEnd()) {
    const uint32_t item = reader.ReadItem(tree);
    const TSExprNode& node = tree.Node(item);
    if (node.kind != TSExprKind::eList) {
      throw EKicadFormat(node.line, "expected a list, found " + QuoteToken(node.text));
    }
    const std::string_view key = tree.Keyword(item);
    if (key == "version") {
      board.version = items.Version(item);
      versioned = true;
      continue;
    }
    if (!versioned) {
      throw EKicadFormat(
          node.line, "no (version …) before the board's items: this is no KiCad 6, 7 or 8 board");
    }
    if (key == "module") {
      throw EKicadFormat(
          node.line,
          "(module …) is how KiCad 5 wrote a footprint: only KiCad 6, 7 and 8 boards are read");
    } else if (key == "layers") {
      items.Layers(item);
    } else if (key == "net") {
      items.Net(item);
    } else if (key == "footprint") {
      items.Footprint(item);
    } else if (key == "via") {
      items.Via(item);
    } else if (key == "segment") {
      items.Track(item, false);
    } else if (key == "arc") {
      items.Track(item, true);
    } else if (key == "zone") {
      items.Zone(item);
    } else if (key == "gr_text") {
      items.Text(item, 1, nullptr);
    } else if (key.substr(0, 3) == "gr_") {
      items.Drawing(item, key.substr(3), nullptr);
    }
  }
  reader.LeaveList();
  reader.ExpectEnd();
  if (!versioned)
    throw EKicadFormat(reader.Line(), "no (version …): this is no KiCad 6, 7 or 8 board");
  return board;
}

#pragma once
// What the KiCad reader takes from a board file, before anything is mapped onto the host kit's
// board: plain records in the file's own terms. Lengths are picometres (kicad_length.h), in
// KiCad's axes (y grows downwards), already placed on the board: a pad's position has its
// footprint's position and rotation applied. Angles are degrees, counter-clockwise as seen.

#include <cstdint>
#include <string>
#include <vector>

struct TKicadPoint {
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const TKicadPoint&) const = default;
};

// One layer of the file's layer table, "(0 "F.Cu" signal)".
struct TKicadLayer {
  int ordinal = 0;
  std::string name;
  std::string type;  // signal, power, mixed, jumper, user
};

struct TKicadNet {
  int number = 0;
  std::string name;
};

enum class TKicadPadType : uint8_t { eThroughHole, eNonPlated, eSmd, eConnector };
enum class TKicadPadShape : uint8_t {
  eCircle,
  eRect,
  eOval,
  eTrapezoid,
  eRoundRect,
  eChamferedRect,
  eCustom
};

struct TKicadPad {
  int line = 0;
  int footprint = -1;  // index into TKicadBoard::footprints
  std::string number;
  TKicadPadType type = TKicadPadType::eSmd;
  TKicadPadShape shape = TKicadPadShape::eCircle;
  TKicadPadShape anchor = TKicadPadShape::eCircle;  // a custom pad's anchor shape
  TKicadPoint local;                                // relative to the footprint, unrotated
  TKicadPoint position;                             // on the board
  double rotation = 0;                              // absolute, as the file gives it
  int64_t size_x = 0;
  int64_t size_y = 0;
  bool has_drill = false;
  bool oval_drill = false;
  int64_t drill_x = 0;  // a round drill's diameter is drill_x = drill_y
  int64_t drill_y = 0;
  double roundrect_ratio = 0;
  std::string layers;  // as written, each followed by a blank: "*.Cu *.Mask "
  int net = 0;

  // Whether the pad names the layer, or a wildcard that covers it ("*.Cu" covers "F.Cu").
  bool OnLayer(const std::string& layer) const;
};

enum class TKicadViaType : uint8_t { eThrough, eBlind, eMicro };

struct TKicadVia {
  int line = 0;
  TKicadViaType type = TKicadViaType::eThrough;
  TKicadPoint position;
  int64_t size = 0;
  int64_t drill = 0;
  std::string top_layer = "F.Cu";
  std::string bottom_layer = "B.Cu";
  int net = 0;
};

struct TKicadFootprint {
  int line = 0;
  std::string name;       // "Library:Footprint"
  std::string reference;  // "R1"
  std::string value;
  std::string layer = "F.Cu";
  TKicadPoint position;
  double rotation = 0;
};

// A straight track ("segment") or an arc track ("arc", through mid).
struct TKicadTrack {
  int line = 0;
  bool arc = false;
  TKicadPoint start, mid, end;
  int64_t width = 0;
  std::string layer;
  int net = 0;
};

// A drawing on the board (gr_line, gr_arc, gr_circle, gr_rect, gr_poly, gr_curve, and the same
// inside footprints, already placed); Edge.Cuts drawings make the board outline.
struct TKicadDrawing {
  int line = 0;
  std::string
      kind;  // the keyword without its prefix: "line", "arc", "circle", "rect", "poly", "curve"
  std::vector<TKicadPoint> points;  // start, [mid,] end; centre and a point for a circle; corners
  int64_t width = 0;
  std::string layer;
  bool filled = false;
  bool in_footprint = false;
};

struct TKicadText {
  int line = 0;
  std::string text;
  TKicadPoint position;
  double rotation = 0;
  std::string layer;
  int64_t height = 0;
  int64_t width = 0;
  bool in_footprint = false;
};

struct TKicadZone {
  int line = 0;
  int net = 0;
  std::string net_name;
  std::vector<std::string> layers;
  bool keepout = false;
  std::vector<std::vector<TKicadPoint>> outlines;  // the polygon(s) the user drew
  size_t filled_polygons = 0;                      // fill results in the file, not kept
};

struct TKicadBoard {
  int version = 0;
  std::vector<TKicadLayer> layers;
  std::vector<TKicadNet> nets;
  std::vector<TKicadFootprint> footprints;
  std::vector<TKicadPad> pads;
  std::vector<TKicadVia> vias;
  std::vector<TKicadTrack> tracks;
  std::vector<TKicadDrawing> drawings;
  std::vector<TKicadText> texts;
  std::vector<TKicadZone> zones;
};

#pragma once
// What the KiCad reader takes from a board file, before anything is mapped onto the host kit's
// board: plain records in the file's own terms. Lengths are picometres (kicad_length.h), in
// KiCad's axes (y grows downwards), already placed on the board: a pad's position has its
// footprint's position and rotation applied. Angles are degrees, counter-clockwise as seen.

#include <cstdint>
#include <string>
#include <vector>

struct TKicadPoint {
  int64_t x_ = 0;
  int64_t y_ = 0;
  bool operator==(const TKicadPoint&) const = default;
};

// One layer of the file's layer table, "(0 "F.Cu" signal)".
struct TKicadLayer {
  int ordinal_ = 0;
  std::string name_;
  std::string type_;  // signal, power, mixed, jumper, user
};

struct TKicadNet {
  int number_ = 0;
  std::string name_;
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
  int line_ = 0;
  int footprint_ = -1;  // index into TKicadBoard::footprints_
  std::string number_;
  TKicadPadType type_ = TKicadPadType::eSmd;
  TKicadPadShape shape_ = TKicadPadShape::eCircle;
  TKicadPadShape anchor_ = TKicadPadShape::eCircle;  // a custom pad's anchor shape
  TKicadPoint local_;                                // relative to the footprint, unrotated
  TKicadPoint position_;                             // on the board
  double rotation_ = 0;                              // absolute, as the file gives it
  int64_t size_x_ = 0;
  int64_t size_y_ = 0;
  bool has_drill_ = false;
  bool oval_drill_ = false;
  int64_t drill_x_ = 0;  // a round drill's diameter is drill_x_ = drill_y_
  int64_t drill_y_ = 0;
  double roundrect_ratio_ = 0;
  std::string layers_;  // as written, each followed by a blank: "*.Cu *.Mask "
  int net_ = 0;

  // Whether the pad names the layer, or a wildcard that covers it ("*.Cu" covers "F.Cu").
  bool OnLayer(const std::string& layer) const;
};

enum class TKicadViaType : uint8_t { eThrough, eBlind, eMicro };

struct TKicadVia {
  int line_ = 0;
  TKicadViaType type_ = TKicadViaType::eThrough;
  TKicadPoint position_;
  int64_t size_ = 0;
  int64_t drill_ = 0;
  std::string top_layer_ = "F.Cu";
  std::string bottom_layer_ = "B.Cu";
  int net_ = 0;
};

struct TKicadFootprint {
  int line_ = 0;
  std::string name_;       // "Library:Footprint"
  std::string reference_;  // "R1"
  std::string value_;
  std::string layer_ = "F.Cu";
  TKicadPoint position_;
  double rotation_ = 0;
};

// A straight track ("segment") or an arc track ("arc", through mid_).
struct TKicadTrack {
  int line_ = 0;
  bool arc_ = false;
  TKicadPoint start_, mid_, end_;
  int64_t width_ = 0;
  std::string layer_;
  int net_ = 0;
};

// A drawing on the board (gr_line, gr_arc, gr_circle, gr_rect, gr_poly, gr_curve, and the same
// inside footprints, already placed); Edge.Cuts drawings make the board outline.
struct TKicadDrawing {
  int line_ = 0;
  std::string
      kind_;  // the keyword without its prefix: "line", "arc", "circle", "rect", "poly", "curve"
  std::vector<TKicadPoint> points_;  // start, [mid,] end; centre and a point for a circle; corners
  int64_t width_ = 0;
  std::string layer_;
  bool filled_ = false;
  bool in_footprint_ = false;
};

struct TKicadText {
  int line_ = 0;
  std::string text_;
  TKicadPoint position_;
  double rotation_ = 0;
  std::string layer_;
  int64_t height_ = 0;
  int64_t width_ = 0;
  bool in_footprint_ = false;
};

struct TKicadZone {
  int line_ = 0;
  int net_ = 0;
  std::string net_name_;
  std::vector<std::string> layers_;
  bool keepout_ = false;
  std::vector<std::vector<TKicadPoint>> outlines_;  // the polygon(s) the user drew
  size_t filled_polygons_ = 0;                      // fill results in the file, not kept
};

struct TKicadBoard {
  int version_ = 0;
  std::vector<TKicadLayer> layers_;
  std::vector<TKicadNet> nets_;
  std::vector<TKicadFootprint> footprints_;
  std::vector<TKicadPad> pads_;
  std::vector<TKicadVia> vias_;
  std::vector<TKicadTrack> tracks_;
  std::vector<TKicadDrawing> drawings_;
  std::vector<TKicadText> texts_;
  std::vector<TKicadZone> zones_;
};

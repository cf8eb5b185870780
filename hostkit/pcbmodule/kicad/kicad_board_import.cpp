#include "kicad_board_import.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <new>

#include "base/text_convert.h"
#include "kicad_board_reader.h"
#include "kicad_layer_map.h"
#include "kicad_length.h"

namespace {

// Pad stack shapes of the board model.
constexpr uint8_t kShapeRound = 1;
constexpr uint8_t kShapeRectangle = 2;
constexpr uint8_t kShapeRoundedRectangle = 9;

constexpr uint8_t kKindPad = 2;
constexpr uint8_t kKindVia = 3;
constexpr uint8_t kKindNet = 8;
constexpr uint8_t kKindComponent = 9;

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

  const TKicadBoard& kicad_;
  std::unique_ptr<TBoard> board_;
  uint32_t next_handle_ = 1;
};

double NormalisedAngle(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a < 0) a += 360.0;
  return a == 360.0 ? 0 : a;
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

// KICAD IMPORT TO DO, the one place left: tracks and arc tracks (kicad_.tracks), zones as regions
// or polygons (kicad_.zones), texts (kicad_.texts) and the board outline (kicad_.drawings on
// Edge.Cuts) are read and checked but not yet put on the board: the board model gets its track,
// arc, region, polygon, text and outline primitives with their geometry separately. Map them here
// once it has them; everything they need is in the reader's records.
void TImporter::MapDrawnItems() {}

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

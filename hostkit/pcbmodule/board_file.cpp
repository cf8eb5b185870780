#include "board_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <unordered_map>

#include "json_reader.h"

namespace {

constexpr const char* kFormat = "dralith-board";
constexpr int kVersion = 1;

// A semantic error: the field path and the problem; the line comes from the value.
struct TFieldError {
  int line;
  std::string field;
  std::string message;
};

[[noreturn]] void Fail(const TJsonValue& at, const std::string& field, const std::string& message) {
  throw TFieldError{at.line, field, message};
}

std::string TypeName(TFieldType type) {
  switch (type) {
    case TFieldType::U8:
      return "0..255";
    case TFieldType::U16:
      return "0..65535";
    case TFieldType::U32:
    case TFieldType::LayerId:
      return "0..4294967295";
    case TFieldType::I32:
      return "-2147483648..2147483647";
    case TFieldType::LegacyLayer:
      return "0..82";
    default:
      return "";
  }
}

int64_t IntegerOf(const TJsonValue& v, const std::string& field) {
  if (v.type != TJsonValue::TType::Number) Fail(v, field, "expected an integer");
  int64_t out = 0;
  const char* first = v.text.data();
  const char* last = first + v.text.size();
  auto [end, ec] = std::from_chars(first, last, out);
  if (ec == std::errc::result_out_of_range) Fail(v, field, "value " + v.text + " out of range");
  if (ec != std::errc() || end != last) Fail(v, field, "expected an integer, found " + v.text);
  return out;
}

int64_t RangedInteger(const TJsonValue& v, const std::string& field, int64_t low, int64_t high) {
  const int64_t value = IntegerOf(v, field);
  if (value < low || value > high) {
    Fail(v, field,
         "value " + v.text + " out of range " + std::to_string(low) + ".." + std::to_string(high));
  }
  return value;
}

int32_t CoordinateOf(const TJsonValue& v, const std::string& field) {
  if (v.type == TJsonValue::TType::String) {
    int32_t value = 0;
    if (!ParseCoordinateText(v.text, &value)) {
      Fail(v, field,
           "\"" + v.text + "\" is no coordinate (a number with \"mm\" or \"mil\", within 32 bits)");
    }
    return value;
  }
  return static_cast<int32_t>(RangedInteger(v, field, INT32_MIN, INT32_MAX));
}

void SetField(TRecord& record, const TFieldDef& def, const TJsonValue& v, const std::string& field) {
  if (IsText(def.type)) {
    if (v.type != TJsonValue::TType::String) Fail(v, field, "expected a text");
    if (v.text.size() > TextCapacity(def.type)) {
      Fail(v, field, "text longer than " + std::to_string(TextCapacity(def.type)) + " characters");
    }
    SetText(record, def, v.text);
  } else if (def.type == TFieldType::F64) {
    if (v.type != TJsonValue::TType::Number) Fail(v, field, "expected a number");
    double out = 0;
    const char* last = v.text.data() + v.text.size();
    auto [end, ec] = std::from_chars(v.text.data(), last, out);
    if (ec != std::errc() || end != last || !std::isfinite(out)) {
      Fail(v, field, "value " + v.text + " out of range");
    }
    SetFloat(record, def, out);
  } else if (def.type == TFieldType::I32) {
    SetInt(record, def, CoordinateOf(v, field));
  } else {
    if (v.type != TJsonValue::TType::Number) Fail(v, field, "expected an integer");
    const int64_t value = IntegerOf(v, field);
    if (!Fits(def.type, value))
      Fail(v, field, "value " + v.text + " out of range " + TypeName(def.type));
    SetInt(record, def, value);
  }
}

const TJsonValue& ObjectOf(const TJsonValue& v, const std::string& field) {
  if (v.type != TJsonValue::TType::Object) Fail(v, field, "expected an object");
  return v;
}

const TJsonValue& ArrayOf(const TJsonValue& v, const std::string& field) {
  if (v.type != TJsonValue::TType::Array) Fail(v, field, "expected an array");
  return v;
}

void RejectDuplicates(const TJsonValue& object, const std::string& path) {
  for (size_t i = 0; i < object.members.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (object.members[i].name == object.members[j].name) {
        Fail(object.members[i].value, path + object.members[i].name, "field given twice");
      }
    }
  }
}

// Fills a record from an object's members; extra names the members the caller handles itself.
void ReadRecord(TRecord& record, const TSchema& schema, const TJsonValue& object,
                 const std::string& path, std::initializer_list<const char*> extra = {}) {
  RejectDuplicates(object, path + ".");
  for (const TJsonMember& member : object.members) {
    const std::string& key = member.name;
    const TJsonValue& value = member.value;
    if (std::find_if(extra.begin(), extra.end(), [&](const char* e) { return key == e; }) !=
        extra.end()) {
      continue;
    }
    const int index = schema.Find(key);
    if (index < 0) Fail(value, path + "." + key, "unknown field");
    SetField(record, schema.Fields()[index], value, path + "." + key);
  }
  for (const TFieldDef& def : schema.Fields()) {
    if (def.required && !object.Member(def.name))
      Fail(object, path + "." + def.name, "missing field");
  }
}

const TJsonValue& RequiredMember(const TJsonValue& object, const char* name,
                                 const std::string& path) {
  const TJsonValue* v = object.Member(name);
  if (!v) Fail(object, path + "." + name, "missing field");
  return *v;
}

void ReadStack(TPrimitive& pad, const TJsonValue& v, const std::string& path) {
  ArrayOf(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const TJsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != TJsonValue::TType::Array || item.items.size() != 6) {
      Fail(item, at, "expected [layer, shape, xSize, ySize, cornerRadius, crPercent]");
    }
    TStackEntry entry;
    entry.layer =
        static_cast<uint8_t>(RangedInteger(item.items[0], at + ".layer", 0, kLegacyLayers));
    entry.shape = static_cast<uint8_t>(RangedInteger(item.items[1], at + ".shape", 0, 255));
    entry.x_size = CoordinateOf(item.items[2], at + ".xSize");
    entry.y_size = CoordinateOf(item.items[3], at + ".ySize");
    entry.corner_radius = CoordinateOf(item.items[4], at + ".cornerRadius");
    entry.cr_percent =
        static_cast<uint8_t>(RangedInteger(item.items[5], at + ".crPercent", 0, 255));
    for (const TStackEntry& other : pad.stack) {
      if (other.layer == entry.layer) Fail(item, at + ".layer", "layer given twice");
    }
    pad.stack.push_back(entry);
  }
  std::sort(pad.stack.begin(), pad.stack.end(),
            [](const TStackEntry& a, const TStackEntry& b) { return a.layer < b.layer; });
  std::erase_if(pad.stack, [](const TStackEntry& e) { return e.IsZero(); });
}

// The list a kind carries beside its record, by its name in the file; null for the others.
const char* ListFieldOf(uint8_t kind) {
  switch (kind) {
    case 2:
      return "stack";
    case 10:
    case 11:
    case 22:
    case 26:
      return "vertices";
    case 13:
      return "references";
    case 15:
      return "members";
    case 20:
      return "data";
    default:
      return nullptr;
  }
}

void ReadVertices(TPrimitive& p, const TJsonValue& v, const std::string& path) {
  ArrayOf(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const TJsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != TJsonValue::TType::Array || item.items.size() != 2) Fail(item, at, "expected [x, y]");
    p.vertices.push_back({CoordinateOf(item.items[0], at + ".x"), CoordinateOf(item.items[1], at + ".y")});
  }
  // The record's vertex count follows the outline unless the file gives it; given, it must agree.
  const TFieldDef& count = p.RecordSchema().Fields()[p.RecordSchema().Find("vertexCount")];
  const int64_t given = GetInt(p.record, count);
  if (given == 0) {
    SetInt(p.record, count, static_cast<int64_t>(p.vertices.size()));
  } else if (given != static_cast<int64_t>(p.vertices.size())) {
    Fail(v, path, "vertexCount " + std::to_string(given) + " does not match the " +
                      std::to_string(p.vertices.size()) + " vertices");
  }
}

void ReadMembers(TPrimitive& p, const TJsonValue& v, const std::string& path) {
  ArrayOf(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const TJsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != TJsonValue::TType::String) Fail(item, at, "expected a text");
    if (item.text.size() > 255) Fail(item, at, "text longer than 255 characters");
    p.members.push_back(item.text);
  }
}

void ReadReferences(TPrimitive& p, const TJsonValue& v, const std::string& path) {
  ArrayOf(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const TJsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != TJsonValue::TType::Array || item.items.size() != 4) {
      Fail(item, at, "expected [f4, f5, f6, f7]");
    }
    TDimensionReference reference{};
    for (size_t k = 0; k < 4; ++k) {
      reference[k] = static_cast<int32_t>(RangedInteger(
          item.items[k], at + ".f" + std::to_string(4 + k), INT32_MIN, INT32_MAX));
    }
    p.references.push_back(reference);
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void ReadData(TPrimitive& p, const TJsonValue& v, const std::string& path) {
  if (v.type != TJsonValue::TType::String) Fail(v, path, "expected a text of hexadecimal digits");
  if (v.text.size() % 2 != 0) Fail(v, path, "expected an even number of hexadecimal digits");
  if (v.text.size() / 2 > kEmbeddedCapacity) {
    Fail(v, path, "more than " + std::to_string(kEmbeddedCapacity) + " bytes");
  }
  for (size_t i = 0; i < v.text.size(); i += 2) {
    const int high = HexDigit(v.text[i]), low = HexDigit(v.text[i + 1]);
    if (high < 0 || low < 0) Fail(v, path, "expected lower-case hexadecimal digits");
    p.data.push_back(static_cast<uint8_t>(high * 16 + low));
  }
}

class TLoader {
 public:
  explicit TLoader(TBoard& board) : board_(board) {}

  void Section(const std::string& key, const TJsonValue& v) {
    if (key == "format") {
      if (v.type != TJsonValue::TType::String || v.text != kFormat) {
        Fail(v, key, std::string("expected \"") + kFormat + "\"");
      }
    } else if (key == "version") {
      if (IntegerOf(v, key) != kVersion) Fail(v, key, "unknown version " + v.text);
    } else if (key == "board") {
      ReadRecord(board_.record, SchemaOf(TGroup::board), ObjectOf(v, key), key);
    } else if (TRecord* group = OptionGroup(key)) {
      ReadRecord(*group, SchemaOf(GroupOf(key)), ObjectOf(v, key), key);
    } else if (key == "plotLayers" || key == "flipLayers") {
      ArrayOf(v, key);
      if (v.items.size() != kOutputLayers) Fail(v, key, "expected 109 values");
      auto& flags = key == "plotLayers" ? board_.plot_layers : board_.flip_layers;
      for (int i = 0; i < kOutputLayers; ++i) {
        flags[i + 1] = static_cast<uint8_t>(
            RangedInteger(v.items[i], key + "[" + std::to_string(i) + "]", 0, 255));
      }
    } else if (key == "pens") {
      Indexed(v, key, "pen", kPlotterPens, TGroup::pen,
              [&](int i) -> TRecord& { return board_.pens[i]; });
    } else if (key == "compositeLayers") {
      Indexed(v, key, "layer", kLegacyLayers, TGroup::composite,
              [&](int i) -> TRecord& { return board_.composite[i]; });
    } else if (key == "layers") {
      Indexed(v, key, "layer", kLegacyLayers, TGroup::layer,
              [&](int i) -> TRecord& { return board_.layers[i]; });
    } else if (key == "layerPairs") {
      ArrayOf(v, key);
      for (size_t i = 0; i < v.items.size(); ++i) {
        const std::string at = key + "[" + std::to_string(i) + "]";
        TRecord pair = TBoard::DefaultRecord(TGroup::pair);
        ReadRecord(pair, SchemaOf(TGroup::pair), ObjectOf(v.items[i], at), at);
        board_.pairs.push_back(std::move(pair));
      }
    } else {
      Fail(v, key, "unknown field");
    }
  }

  void PrimitiveOf(const TJsonValue& v, size_t index) {
    const std::string at = "primitives[" + std::to_string(index) + "]";
    ObjectOf(v, at);
    const TJsonValue& kind = RequiredMember(v, "kind", at);
    if (kind.type != TJsonValue::TType::String || !KindFromName(kind.text)) {
      std::string names;
      for (int k = 1; k < 256; ++k) {
        if (const char* name = KindName(static_cast<uint8_t>(k)))
          names += std::string(names.empty() ? "" : ", ") + "\"" + name + "\"";
      }
      Fail(kind, at + ".kind", "expected one of " + names);
    }
    TPrimitive p;
    p.kind = KindFromName(kind.text);
    const TJsonValue& handle = RequiredMember(v, "handle", at);
    p.handle = static_cast<uint32_t>(RangedInteger(handle, at + ".handle", 1, 0xFFFFFFFFLL));
    p.record = p.RecordSchema().Blank();
    const char* list = ListFieldOf(p.kind);
    if (list) {
      ReadRecord(p.record, p.RecordSchema(), v, at, {"kind", "handle", list});
    } else {
      ReadRecord(p.record, p.RecordSchema(), v, at, {"kind", "handle"});
    }
    if (const TJsonValue* items = list ? v.Member(list) : nullptr) {
      const std::string where = at + "." + list;
      if (p.kind == 2) {
        ReadStack(p, *items, where);
      } else if (p.kind == 15) {
        ReadMembers(p, *items, where);
      } else if (p.kind == 13) {
        ReadReferences(p, *items, where);
      } else if (p.kind == 20) {
        ReadData(p, *items, where);
      } else {
        ReadVertices(p, *items, where);
      }
    }
    const uint32_t h = p.handle;
    if (!board_.Add(std::move(p))) {
      Fail(handle, at + ".handle",
           "duplicate handle " + std::to_string(h) + " (first at line " +
               std::to_string(lines_[h]) + ")");
    }
    lines_[h] = handle.line;
  }

 private:
  static TGroup GroupOf(const std::string& key) {
    if (key == "grids") return TGroup::grids;
    if (key == "outputOptions") return TGroup::output_options;
    if (key == "gerberOptions") return TGroup::gerber_options;
    if (key == "printerOptions") return TGroup::printer_options;
    if (key == "placerOptions") return TGroup::placer_options;
    return TGroup::eco_options;
  }
  TRecord* OptionGroup(const std::string& key) {
    if (key == "grids") return &board_.grids;
    if (key == "outputOptions") return &board_.output_options;
    if (key == "gerberOptions") return &board_.gerber_options;
    if (key == "printerOptions") return &board_.printer_options;
    if (key == "placerOptions") return &board_.placer_options;
    if (key == "ecoOptions") return &board_.eco_options;
    return nullptr;
  }

  template <class Slot>
  void Indexed(const TJsonValue& v, const std::string& key, const char* index_name, int count,
               TGroup group, Slot slot) {
    ArrayOf(v, key);
    std::vector<bool> seen(count + 1);
    for (size_t i = 0; i < v.items.size(); ++i) {
      const std::string at = key + "[" + std::to_string(i) + "]";
      const TJsonValue& item = ObjectOf(v.items[i], at);
      const TJsonValue& number = RequiredMember(item, index_name, at);
      const int n = static_cast<int>(RangedInteger(number, at + "." + index_name, 1, count));
      if (seen[n]) Fail(number, at + "." + index_name, "given twice");
      seen[n] = true;
      ReadRecord(slot(n), SchemaOf(group), item, at, {index_name});
    }
  }

  TBoard& board_;
  std::unordered_map<uint32_t, int> lines_;
};

// Writing.

void AppendText(std::string& out, std::string_view text) {
  out.push_back('"');
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c < 0x20 || c >= 0x7F) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out.push_back(ch);
    }
  }
  out.push_back('"');
}

void AppendFloat(std::string& out, double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

void AppendValue(std::string& out, const TRecord& record, const TFieldDef& def) {
  if (IsText(def.type)) {
    AppendText(out, GetText(record, def));
  } else if (def.type == TFieldType::F64) {
    AppendFloat(out, GetFloat(record, def));
  } else {
    out += std::to_string(GetInt(record, def));
  }
}

bool SameValue(const TRecord& a, const TRecord& b, const TFieldDef& def) {
  const size_t size = IsText(def.type) ? 1 + static_cast<uint8_t>(a[def.offset]) : 0;
  if (IsText(def.type))
    return a[def.offset] == b[def.offset] && std::memcmp(&a[def.offset], &b[def.offset], size) == 0;
  if (def.type == TFieldType::F64) {
    const double x = GetFloat(a, def), y = GetFloat(b, def);
    return std::memcmp(&x, &y, sizeof x) == 0;
  }
  return GetInt(a, def) == GetInt(b, def);
}

// The members of a record that differ from the reference (required ones always), each as
// ", \"name\": value" — the caller opens and closes the object.
void AppendMembers(std::string& out, const TRecord& record, const TSchema& schema,
                    const TRecord& reference, bool& first) {
  for (const TFieldDef& def : schema.Fields()) {
    if (!def.required && SameValue(record, reference, def)) continue;
    out += first ? "\"" : ", \"";
    first = false;
    out += def.name;
    out += "\": ";
    AppendValue(out, record, def);
  }
}

std::string RecordObject(const TRecord& record, const TSchema& schema, const TRecord& reference,
                          const std::string& leading = "") {
  std::string out = "{" + leading;
  bool first = leading.empty();
  AppendMembers(out, record, schema, reference, first);
  out += "}";
  return out;
}

void AppendArray(std::string& out, const char* key, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  out += ",\n  \"";
  out += key;
  out += "\": [\n";
  for (size_t i = 0; i < lines.size(); ++i) {
    out += "    ";
    out += lines[i];
    out += i + 1 < lines.size() ? ",\n" : "\n";
  }
  out += "  ]";
}

std::string MakePrimitiveObject(const TPrimitive& p) {
  std::string out = "{\"kind\": \"";
  out += KindName(p.kind);
  out += "\", \"handle\": " + std::to_string(p.handle);
  bool first = false;
  static const std::vector<TRecord> blanks = [] {
    std::vector<TRecord> b(kGroupCount);
    for (int g = 0; g < kGroupCount; ++g) b[g] = SchemaOf(static_cast<TGroup>(g)).Blank();
    return b;
  }();
  AppendMembers(out, p.record, p.RecordSchema(), blanks[static_cast<size_t>(GroupOfKind(p.kind))],
                 first);
  if (!p.stack.empty()) {
    out += ", \"stack\": [";
    for (size_t i = 0; i < p.stack.size(); ++i) {
      const TStackEntry& e = p.stack[i];
      out += i ? ", [" : "[";
      out += std::to_string(e.layer) + ", " + std::to_string(e.shape) + ", " +
             std::to_string(e.x_size) + ", " + std::to_string(e.y_size) + ", " +
             std::to_string(e.corner_radius) + ", " + std::to_string(e.cr_percent) + "]";
    }
    out += "]";
  }
  if (!p.vertices.empty()) {
    out += ", \"vertices\": [";
    for (size_t i = 0; i < p.vertices.size(); ++i) {
      out += (i ? ", [" : "[") + std::to_string(p.vertices[i].x) + ", " +
             std::to_string(p.vertices[i].y) + "]";
    }
    out += "]";
  }
  if (!p.references.empty()) {
    out += ", \"references\": [";
    for (size_t i = 0; i < p.references.size(); ++i) {
      const TDimensionReference& r = p.references[i];
      out += (i ? ", [" : "[") + std::to_string(r[0]) + ", " + std::to_string(r[1]) + ", " +
             std::to_string(r[2]) + ", " + std::to_string(r[3]) + "]";
    }
    out += "]";
  }
  if (!p.members.empty()) {
    out += ", \"members\": [";
    for (size_t i = 0; i < p.members.size(); ++i) {
      if (i) out += ", ";
      AppendText(out, p.members[i]);
    }
    out += "]";
  }
  if (!p.data.empty()) {
    static const char digits[] = "0123456789abcdef";
    out += ", \"data\": \"";
    for (const uint8_t byte : p.data) {
      out.push_back(digits[byte >> 4]);
      out.push_back(digits[byte & 15]);
    }
    out += "\"";
  }
  out += "}";
  return out;
}

}  // namespace

bool ParseCoordinateText(std::string_view text, int32_t* value) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::string_view number = text.substr(0, end);
  double scale = 0;
  auto ends_with = [&](std::string_view unit) {
    if (number.size() < unit.size()) return false;
    for (size_t i = 0; i < unit.size(); ++i) {
      char c = number[number.size() - unit.size() + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != unit[i]) return false;
    }
    return true;
  };
  if (ends_with("mil")) {
    scale = 10000.0;
    number.remove_suffix(3);
  } else if (ends_with("mm")) {
    scale = 10000.0 / 0.0254;
    number.remove_suffix(2);
  } else {
    return false;
  }
  while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
  if (number.empty() || number.front() == '+') return false;
  double amount = 0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), amount,
                                   std::chars_format::fixed);
  if (ec != std::errc() || ptr != number.data() + number.size()) return false;
  const double units = std::round(amount * scale);  // half away from zero
  if (!(units >= INT32_MIN && units <= INT32_MAX)) return false;
  *value = static_cast<int32_t>(units);
  return true;
}

std::unique_ptr<TBoard> ParseBoard(std::string_view text, const std::string& file_name,
                                   std::string* error) {
  auto board = std::make_unique<TBoard>();
  std::string path = "board";
  try {
    TJsonReader reader(text);
    TLoader loader(*board);
    reader.Expect('{');
    std::vector<std::string> keys;
    bool has_format = false, has_version = false, has_board = false;
    if (!reader.Consume('}')) {
      do {
        const int line = reader.NextLine();
        const std::string key = reader.StringValue();
        path = key;
        if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
          throw TFieldError{line, key, "field given twice"};
        }
        keys.push_back(key);
        reader.Expect(':');
        if (key == "primitives") {
          reader.Expect('[');
          size_t index = 0;
          if (!reader.Consume(']')) {
            do {
              path = "primitives[" + std::to_string(index) + "]";
              loader.PrimitiveOf(reader.Value(), index);
              ++index;
            } while (reader.Consume(','));
            reader.Expect(']');
          }
        } else {
          loader.Section(key, reader.Value());
        }
        has_format |= key == "format";
        has_version |= key == "version";
        has_board |= key == "board";
      } while (reader.Consume(','));
      reader.Expect('}');
    }
    reader.ExpectEnd();
    const int line = reader.Line();
    if (!has_format) throw TFieldError{line, "format", "missing field"};
    if (!has_version) throw TFieldError{line, "version", "missing field"};
    if (!has_board) throw TFieldError{line, "board", "missing field"};
  } catch (const TJsonSyntaxError& e) {
    *error = file_name + ":" + std::to_string(e.line) + ": " + path + ": " + e.message;
    return nullptr;
  } catch (const TFieldError& e) {
    *error = file_name + ":" + std::to_string(e.line) + ": " + e.field + ": " + e.message;
    return nullptr;
  } catch (const std::bad_alloc&) {
    // What was read goes first, so that the message can be made.
    board.reset();
    *error = file_name + ":0: " + path + ": the board does not fit in the PCB module's memory";
    return nullptr;
  }
  return board;
}

std::string WriteBoard(const TBoard& board) {
  std::string out = "{\n  \"format\": \"";
  out += kFormat;
  out += "\",\n  \"version\": " + std::to_string(kVersion);
  out += ",\n  \"board\": " +
         RecordObject(board.record, SchemaOf(TGroup::board), TBoard::DefaultBoard());
  const std::pair<const char*, const TRecord*> groups[] = {{"grids", &board.grids},
                                                          {"outputOptions", &board.output_options},
                                                          {"gerberOptions", &board.gerber_options},
                                                          {"printerOptions", &board.printer_options},
                                                          {"placerOptions", &board.placer_options},
                                                          {"ecoOptions", &board.eco_options}};
  const TGroup group_ids[] = {TGroup::grids,          TGroup::output_options, TGroup::gerber_options,
                             TGroup::printer_options, TGroup::placer_options, TGroup::eco_options};
  for (size_t i = 0; i < std::size(groups); ++i) {
    const TRecord blank = TBoard::DefaultRecord(group_ids[i]);
    if (*groups[i].second == blank) continue;
    out += ",\n  \"";
    out += groups[i].first;
    out += "\": " + RecordObject(*groups[i].second, SchemaOf(group_ids[i]), blank);
  }
  for (const auto& [key, flags] :
       {std::pair{"plotLayers", &board.plot_layers}, std::pair{"flipLayers", &board.flip_layers}}) {
    if (std::all_of(flags->begin() + 1, flags->end(), [](uint8_t f) { return f == 0; })) continue;
    out += ",\n  \"";
    out += key;
    out += "\": [";
    for (int i = 1; i <= kOutputLayers; ++i)
      out += (i > 1 ? ", " : "") + std::to_string((*flags)[i]);
    out += "]";
  }
  std::vector<std::string> lines;
  for (int p = 1; p <= kPlotterPens; ++p) {
    const TRecord blank = TBoard::DefaultRecord(TGroup::pen);
    if (board.pens[p] != blank) {
      lines.push_back(RecordObject(board.pens[p], SchemaOf(TGroup::pen), blank,
                                    "\"pen\": " + std::to_string(p)));
    }
  }
  AppendArray(out, "pens", lines);
  lines.clear();
  for (int l = 1; l <= kLegacyLayers; ++l) {
    const TRecord blank = TBoard::DefaultRecord(TGroup::composite);
    if (board.composite[l] != blank) {
      lines.push_back(RecordObject(board.composite[l], SchemaOf(TGroup::composite), blank,
                                    "\"layer\": " + std::to_string(l)));
    }
  }
  AppendArray(out, "compositeLayers", lines);
  lines.clear();
  for (int l = 1; l <= kLegacyLayers; ++l) {
    const TRecord reference = TBoard::DefaultLayer(l);
    if (board.layers[l] != reference) {
      lines.push_back(RecordObject(board.layers[l], SchemaOf(TGroup::layer), reference,
                                    "\"layer\": " + std::to_string(l)));
    }
  }
  AppendArray(out, "layers", lines);
  lines.clear();
  for (const TRecord& pair : board.pairs) {
    lines.push_back(
        RecordObject(pair, SchemaOf(TGroup::pair), TBoard::DefaultRecord(TGroup::pair)));
  }
  AppendArray(out, "layerPairs", lines);
  lines.clear();
  for (const TPrimitive& p : board.Primitives()) lines.push_back(MakePrimitiveObject(p));
  AppendArray(out, "primitives", lines);
  out += "\n}\n";
  return out;
}

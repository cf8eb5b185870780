#include "board_file.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "base/text_convert.h"
#include "json_reader.h"

namespace {

constexpr const char* kFormat = "dralith-board";
constexpr int kVersion = 1;

// A semantic error: the field path and the problem; the line comes from the value.
struct FieldError {
  int line;
  std::string field;
  std::string message;
};

[[noreturn]] void fail(const JsonValue& at, const std::string& field, const std::string& message) {
  throw FieldError{at.line, field, message};
}

std::string type_name(FieldType type) {
  switch (type) {
    case FieldType::U8:
      return "0..255";
    case FieldType::U16:
      return "0..65535";
    case FieldType::U32:
    case FieldType::LayerId:
      return "0..4294967295";
    case FieldType::I32:
      return "-2147483648..2147483647";
    case FieldType::LegacyLayer:
      return "0..82";
    default:
      return "";
  }
}

int64_t integer_of(const JsonValue& v, const std::string& field) {
  if (v.type != JsonValue::Type::Number) fail(v, field, "expected an integer");
  int64_t out = 0;
  const char* first = v.text.data();
  const char* last = first + v.text.size();
  auto [end, ec] = std::from_chars(first, last, out);
  if (ec == std::errc::result_out_of_range) fail(v, field, "value " + v.text + " out of range");
  if (ec != std::errc() || end != last) fail(v, field, "expected an integer, found " + v.text);
  return out;
}

int64_t ranged_integer(const JsonValue& v, const std::string& field, int64_t low, int64_t high) {
  const int64_t value = integer_of(v, field);
  if (value < low || value > high) {
    fail(v, field,
         "value " + v.text + " out of range " + std::to_string(low) + ".." + std::to_string(high));
  }
  return value;
}

int32_t coordinate_of(const JsonValue& v, const std::string& field) {
  if (v.type == JsonValue::Type::String) {
    int32_t value = 0;
    if (!parse_coordinate_text(v.text, &value)) {
      fail(v, field,
           "\"" + v.text + "\" is no coordinate (a number with \"mm\" or \"mil\", within 32 bits)");
    }
    return value;
  }
  return static_cast<int32_t>(ranged_integer(v, field, INT32_MIN, INT32_MAX));
}

void set_field(Record& record, const FieldDef& def, const JsonValue& v, const std::string& field) {
  if (is_text(def.type)) {
    if (v.type != JsonValue::Type::String) fail(v, field, "expected a text");
    if (v.text.size() > text_capacity(def.type)) {
      fail(v, field, "text longer than " + std::to_string(text_capacity(def.type)) + " characters");
    }
    set_text(record, def, v.text);
  } else if (def.type == FieldType::F64) {
    if (v.type != JsonValue::Type::Number) fail(v, field, "expected a number");
    double out = 0;
    const char* last = v.text.data() + v.text.size();
    auto [end, ec] = std::from_chars(v.text.data(), last, out);
    if (ec != std::errc() || end != last || !std::isfinite(out)) {
      fail(v, field, "value " + v.text + " out of range");
    }
    set_float(record, def, out);
  } else if (def.type == FieldType::I32) {
    set_int(record, def, coordinate_of(v, field));
  } else {
    if (v.type != JsonValue::Type::Number) fail(v, field, "expected an integer");
    const int64_t value = integer_of(v, field);
    if (!fits(def.type, value))
      fail(v, field, "value " + v.text + " out of range " + type_name(def.type));
    set_int(record, def, value);
  }
}

const JsonValue& object_of(const JsonValue& v, const std::string& field) {
  if (v.type != JsonValue::Type::Object) fail(v, field, "expected an object");
  return v;
}

const JsonValue& array_of(const JsonValue& v, const std::string& field) {
  if (v.type != JsonValue::Type::Array) fail(v, field, "expected an array");
  return v;
}

void reject_duplicates(const JsonValue& object, const std::string& path) {
  for (size_t i = 0; i < object.members.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (object.members[i].first == object.members[j].first) {
        fail(object.members[i].second, path + object.members[i].first, "field given twice");
      }
    }
  }
}

// Fills a record from an object's members; extra names the members the caller handles itself.
void read_record(Record& record, const Schema& schema, const JsonValue& object,
                 const std::string& path, std::initializer_list<const char*> extra = {}) {
  reject_duplicates(object, path + ".");
  for (const auto& [key, value] : object.members) {
    if (std::find_if(extra.begin(), extra.end(), [&](const char* e) { return key == e; }) !=
        extra.end()) {
      continue;
    }
    const int index = schema.find(key);
    if (index < 0) fail(value, path + "." + key, "unknown field");
    set_field(record, schema.fields()[index], value, path + "." + key);
  }
  for (const FieldDef& def : schema.fields()) {
    if (def.required && !object.member(def.name))
      fail(object, path + "." + def.name, "missing field");
  }
}

const JsonValue& required_member(const JsonValue& object, const char* name,
                                 const std::string& path) {
  const JsonValue* v = object.member(name);
  if (!v) fail(object, path + "." + name, "missing field");
  return *v;
}

void read_stack(Primitive& pad, const JsonValue& v, const std::string& path) {
  array_of(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const JsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != JsonValue::Type::Array || item.items.size() != 6) {
      fail(item, at, "expected [layer, shape, xSize, ySize, cornerRadius, crPercent]");
    }
    StackEntry entry;
    entry.layer =
        static_cast<uint8_t>(ranged_integer(item.items[0], at + ".layer", 0, kLegacyLayers));
    entry.shape = static_cast<uint8_t>(ranged_integer(item.items[1], at + ".shape", 0, 255));
    entry.xSize = coordinate_of(item.items[2], at + ".xSize");
    entry.ySize = coordinate_of(item.items[3], at + ".ySize");
    entry.cornerRadius = coordinate_of(item.items[4], at + ".cornerRadius");
    entry.crPercent =
        static_cast<uint8_t>(ranged_integer(item.items[5], at + ".crPercent", 0, 255));
    for (const StackEntry& other : pad.stack) {
      if (other.layer == entry.layer) fail(item, at + ".layer", "layer given twice");
    }
    pad.stack.push_back(entry);
  }
  std::sort(pad.stack.begin(), pad.stack.end(),
            [](const StackEntry& a, const StackEntry& b) { return a.layer < b.layer; });
  std::erase_if(pad.stack, [](const StackEntry& e) { return e.is_zero(); });
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

void ReadVertices(Primitive& p, const JsonValue& v, const std::string& path) {
  array_of(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const JsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != JsonValue::Type::Array || item.items.size() != 2) fail(item, at, "expected [x, y]");
    p.vertices.push_back({coordinate_of(item.items[0], at + ".x"), coordinate_of(item.items[1], at + ".y")});
  }
  // The record's vertex count follows the outline unless the file gives it; given, it must agree.
  const FieldDef& count = p.schema().fields()[p.schema().find("vertexCount")];
  const int64_t given = get_int(p.record, count);
  if (given == 0) {
    set_int(p.record, count, static_cast<int64_t>(p.vertices.size()));
  } else if (given != static_cast<int64_t>(p.vertices.size())) {
    fail(v, path, "vertexCount " + std::to_string(given) + " does not match the " +
                      std::to_string(p.vertices.size()) + " vertices");
  }
}

void ReadMembers(Primitive& p, const JsonValue& v, const std::string& path) {
  array_of(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const JsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != JsonValue::Type::String) fail(item, at, "expected a text");
    if (item.text.size() > 255) fail(item, at, "text longer than 255 characters");
    p.members.push_back(item.text);
  }
}

void ReadReferences(Primitive& p, const JsonValue& v, const std::string& path) {
  array_of(v, path);
  for (size_t i = 0; i < v.items.size(); ++i) {
    const JsonValue& item = v.items[i];
    const std::string at = path + "[" + std::to_string(i) + "]";
    if (item.type != JsonValue::Type::Array || item.items.size() != 4) {
      fail(item, at, "expected [f4, f5, f6, f7]");
    }
    TDimensionReference reference{};
    for (size_t k = 0; k < 4; ++k) {
      reference[k] = static_cast<int32_t>(ranged_integer(
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

void ReadData(Primitive& p, const JsonValue& v, const std::string& path) {
  if (v.type != JsonValue::Type::String) fail(v, path, "expected a text of hexadecimal digits");
  if (v.text.size() % 2 != 0) fail(v, path, "expected an even number of hexadecimal digits");
  if (v.text.size() / 2 > kEmbeddedCapacity) {
    fail(v, path, "more than " + std::to_string(kEmbeddedCapacity) + " bytes");
  }
  for (size_t i = 0; i < v.text.size(); i += 2) {
    const int high = HexDigit(v.text[i]), low = HexDigit(v.text[i + 1]);
    if (high < 0 || low < 0) fail(v, path, "expected lower-case hexadecimal digits");
    p.data.push_back(static_cast<uint8_t>(high * 16 + low));
  }
}

class Loader {
 public:
  explicit Loader(Board& board) : board_(board) {}

  void section(const std::string& key, const JsonValue& v) {
    if (key == "format") {
      if (v.type != JsonValue::Type::String || v.text != kFormat) {
        fail(v, key, std::string("expected \"") + kFormat + "\"");
      }
    } else if (key == "version") {
      if (integer_of(v, key) != kVersion) fail(v, key, "unknown version " + v.text);
    } else if (key == "board") {
      read_record(board_.record, schema_of(Group::board), object_of(v, key), key);
    } else if (Record* group = option_group(key)) {
      read_record(*group, schema_of(group_of(key)), object_of(v, key), key);
    } else if (key == "plotLayers" || key == "flipLayers") {
      array_of(v, key);
      if (v.items.size() != kOutputLayers) fail(v, key, "expected 109 values");
      auto& flags = key == "plotLayers" ? board_.plotLayers : board_.flipLayers;
      for (int i = 0; i < kOutputLayers; ++i) {
        flags[i + 1] = static_cast<uint8_t>(
            ranged_integer(v.items[i], key + "[" + std::to_string(i) + "]", 0, 255));
      }
    } else if (key == "pens") {
      indexed(v, key, "pen", kPlotterPens, Group::pen,
              [&](int i) -> Record& { return board_.pens[i]; });
    } else if (key == "compositeLayers") {
      indexed(v, key, "layer", kLegacyLayers, Group::composite,
              [&](int i) -> Record& { return board_.composite[i]; });
    } else if (key == "layers") {
      indexed(v, key, "layer", kLegacyLayers, Group::layer,
              [&](int i) -> Record& { return board_.layers[i]; });
    } else if (key == "layerPairs") {
      array_of(v, key);
      for (size_t i = 0; i < v.items.size(); ++i) {
        const std::string at = key + "[" + std::to_string(i) + "]";
        Record pair = Board::default_record(Group::pair);
        read_record(pair, schema_of(Group::pair), object_of(v.items[i], at), at);
        board_.pairs.push_back(std::move(pair));
      }
    } else {
      fail(v, key, "unknown field");
    }
  }

  void primitive(const JsonValue& v, size_t index) {
    const std::string at = "primitives[" + std::to_string(index) + "]";
    object_of(v, at);
    const JsonValue& kind = required_member(v, "kind", at);
    if (kind.type != JsonValue::Type::String || !kind_from_name(kind.text)) {
      std::string names;
      for (int k = 1; k < 256; ++k) {
        if (const char* name = kind_name(static_cast<uint8_t>(k)))
          names += std::string(names.empty() ? "" : ", ") + "\"" + name + "\"";
      }
      fail(kind, at + ".kind", "expected one of " + names);
    }
    Primitive p;
    p.kind = kind_from_name(kind.text);
    const JsonValue& handle = required_member(v, "handle", at);
    p.handle = static_cast<uint32_t>(ranged_integer(handle, at + ".handle", 1, 0xFFFFFFFFLL));
    p.record = p.schema().blank();
    const char* list = ListFieldOf(p.kind);
    if (list) {
      read_record(p.record, p.schema(), v, at, {"kind", "handle", list});
    } else {
      read_record(p.record, p.schema(), v, at, {"kind", "handle"});
    }
    if (const JsonValue* items = list ? v.member(list) : nullptr) {
      const std::string where = at + "." + list;
      if (p.kind == 2) {
        read_stack(p, *items, where);
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
    if (!board_.add(std::move(p))) {
      fail(handle, at + ".handle",
           "duplicate handle " + std::to_string(h) + " (first at line " +
               std::to_string(lines_[h]) + ")");
    }
    lines_[h] = handle.line;
  }

 private:
  static Group group_of(const std::string& key) {
    if (key == "grids") return Group::grids;
    if (key == "outputOptions") return Group::outputOptions;
    if (key == "gerberOptions") return Group::gerberOptions;
    if (key == "printerOptions") return Group::printerOptions;
    if (key == "placerOptions") return Group::placerOptions;
    return Group::ecoOptions;
  }
  Record* option_group(const std::string& key) {
    if (key == "grids") return &board_.grids;
    if (key == "outputOptions") return &board_.outputOptions;
    if (key == "gerberOptions") return &board_.gerberOptions;
    if (key == "printerOptions") return &board_.printerOptions;
    if (key == "placerOptions") return &board_.placerOptions;
    if (key == "ecoOptions") return &board_.ecoOptions;
    return nullptr;
  }

  template <class Slot>
  void indexed(const JsonValue& v, const std::string& key, const char* index_name, int count,
               Group group, Slot slot) {
    array_of(v, key);
    std::vector<bool> seen(count + 1);
    for (size_t i = 0; i < v.items.size(); ++i) {
      const std::string at = key + "[" + std::to_string(i) + "]";
      const JsonValue& item = object_of(v.items[i], at);
      const JsonValue& number = required_member(item, index_name, at);
      const int n = static_cast<int>(ranged_integer(number, at + "." + index_name, 1, count));
      if (seen[n]) fail(number, at + "." + index_name, "given twice");
      seen[n] = true;
      read_record(slot(n), schema_of(group), item, at, {index_name});
    }
  }

  Board& board_;
  std::unordered_map<uint32_t, int> lines_;
};

// Writing.

void append_text(std::string& out, std::string_view text) {
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

void append_float(std::string& out, double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

void append_value(std::string& out, const Record& record, const FieldDef& def) {
  if (is_text(def.type)) {
    append_text(out, get_text(record, def));
  } else if (def.type == FieldType::F64) {
    append_float(out, get_float(record, def));
  } else {
    out += std::to_string(get_int(record, def));
  }
}

bool same_value(const Record& a, const Record& b, const FieldDef& def) {
  const size_t size = is_text(def.type) ? 1 + static_cast<uint8_t>(a[def.offset]) : 0;
  if (is_text(def.type))
    return a[def.offset] == b[def.offset] && std::memcmp(&a[def.offset], &b[def.offset], size) == 0;
  if (def.type == FieldType::F64) {
    const double x = get_float(a, def), y = get_float(b, def);
    return std::memcmp(&x, &y, sizeof x) == 0;
  }
  return get_int(a, def) == get_int(b, def);
}

// The members of a record that differ from the reference (required ones always), each as
// ", \"name\": value" — the caller opens and closes the object.
void append_members(std::string& out, const Record& record, const Schema& schema,
                    const Record& reference, bool& first) {
  for (const FieldDef& def : schema.fields()) {
    if (!def.required && same_value(record, reference, def)) continue;
    out += first ? "\"" : ", \"";
    first = false;
    out += def.name;
    out += "\": ";
    append_value(out, record, def);
  }
}

std::string record_object(const Record& record, const Schema& schema, const Record& reference,
                          const std::string& leading = "") {
  std::string out = "{" + leading;
  bool first = leading.empty();
  append_members(out, record, schema, reference, first);
  out += "}";
  return out;
}

void append_array(std::string& out, const char* key, const std::vector<std::string>& lines) {
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

std::string primitive_object(const Primitive& p) {
  std::string out = "{\"kind\": \"";
  out += kind_name(p.kind);
  out += "\", \"handle\": " + std::to_string(p.handle);
  bool first = false;
  static const std::vector<Record> blanks = [] {
    std::vector<Record> b(kGroupCount);
    for (int g = 0; g < kGroupCount; ++g) b[g] = schema_of(static_cast<Group>(g)).blank();
    return b;
  }();
  append_members(out, p.record, p.schema(), blanks[static_cast<size_t>(group_of_kind(p.kind))],
                 first);
  if (!p.stack.empty()) {
    out += ", \"stack\": [";
    for (size_t i = 0; i < p.stack.size(); ++i) {
      const StackEntry& e = p.stack[i];
      out += i ? ", [" : "[";
      out += std::to_string(e.layer) + ", " + std::to_string(e.shape) + ", " +
             std::to_string(e.xSize) + ", " + std::to_string(e.ySize) + ", " +
             std::to_string(e.cornerRadius) + ", " + std::to_string(e.crPercent) + "]";
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
      append_text(out, p.members[i]);
    }
    out += "]";
  }
  if (!p.data.empty()) {
    static const char kDigits[] = "0123456789abcdef";
    out += ", \"data\": \"";
    for (const uint8_t byte : p.data) {
      out.push_back(kDigits[byte >> 4]);
      out.push_back(kDigits[byte & 15]);
    }
    out += "\"";
  }
  out += "}";
  return out;
}

}  // namespace

bool parse_coordinate_text(std::string_view text, int32_t* value) {
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

std::unique_ptr<Board> parse_board(std::string_view text, const std::string& file_name,
                                   std::string* error) {
  auto board = std::make_unique<Board>();
  std::string path = "board";
  try {
    JsonReader reader(text);
    Loader loader(*board);
    reader.expect('{');
    std::vector<std::string> keys;
    bool has_format = false, has_version = false, has_board = false;
    if (!reader.consume('}')) {
      do {
        const int line = reader.next_line();
        const std::string key = reader.string_value();
        path = key;
        if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
          throw FieldError{line, key, "field given twice"};
        }
        keys.push_back(key);
        reader.expect(':');
        if (key == "primitives") {
          reader.expect('[');
          size_t index = 0;
          if (!reader.consume(']')) {
            do {
              path = "primitives[" + std::to_string(index) + "]";
              loader.primitive(reader.value(), index);
              ++index;
            } while (reader.consume(','));
            reader.expect(']');
          }
        } else {
          loader.section(key, reader.value());
        }
        has_format |= key == "format";
        has_version |= key == "version";
        has_board |= key == "board";
      } while (reader.consume(','));
      reader.expect('}');
    }
    reader.expect_end();
    const int line = reader.line();
    if (!has_format) throw FieldError{line, "format", "missing field"};
    if (!has_version) throw FieldError{line, "version", "missing field"};
    if (!has_board) throw FieldError{line, "board", "missing field"};
  } catch (const JsonSyntaxError& e) {
    *error = file_name + ":" + std::to_string(e.line) + ": " + path + ": " + e.message;
    return nullptr;
  } catch (const FieldError& e) {
    *error = file_name + ":" + std::to_string(e.line) + ": " + e.field + ": " + e.message;
    return nullptr;
  }
  return board;
}

std::string write_board(const Board& board) {
  std::string out = "{\n  \"format\": \"";
  out += kFormat;
  out += "\",\n  \"version\": " + std::to_string(kVersion);
  out += ",\n  \"board\": " +
         record_object(board.record, schema_of(Group::board), Board::default_board());
  const std::pair<const char*, const Record*> groups[] = {{"grids", &board.grids},
                                                          {"outputOptions", &board.outputOptions},
                                                          {"gerberOptions", &board.gerberOptions},
                                                          {"printerOptions", &board.printerOptions},
                                                          {"placerOptions", &board.placerOptions},
                                                          {"ecoOptions", &board.ecoOptions}};
  const Group group_ids[] = {Group::grids,          Group::outputOptions, Group::gerberOptions,
                             Group::printerOptions, Group::placerOptions, Group::ecoOptions};
  for (size_t i = 0; i < std::size(groups); ++i) {
    const Record blank = Board::default_record(group_ids[i]);
    if (*groups[i].second == blank) continue;
    out += ",\n  \"";
    out += groups[i].first;
    out += "\": " + record_object(*groups[i].second, schema_of(group_ids[i]), blank);
  }
  for (const auto& [key, flags] :
       {std::pair{"plotLayers", &board.plotLayers}, std::pair{"flipLayers", &board.flipLayers}}) {
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
    const Record blank = Board::default_record(Group::pen);
    if (board.pens[p] != blank) {
      lines.push_back(record_object(board.pens[p], schema_of(Group::pen), blank,
                                    "\"pen\": " + std::to_string(p)));
    }
  }
  append_array(out, "pens", lines);
  lines.clear();
  for (int l = 1; l <= kLegacyLayers; ++l) {
    const Record blank = Board::default_record(Group::composite);
    if (board.composite[l] != blank) {
      lines.push_back(record_object(board.composite[l], schema_of(Group::composite), blank,
                                    "\"layer\": " + std::to_string(l)));
    }
  }
  append_array(out, "compositeLayers", lines);
  lines.clear();
  for (int l = 1; l <= kLegacyLayers; ++l) {
    const Record reference = Board::default_layer(l);
    if (board.layers[l] != reference) {
      lines.push_back(record_object(board.layers[l], schema_of(Group::layer), reference,
                                    "\"layer\": " + std::to_string(l)));
    }
  }
  append_array(out, "layers", lines);
  lines.clear();
  for (const Record& pair : board.pairs) {
    lines.push_back(
        record_object(pair, schema_of(Group::pair), Board::default_record(Group::pair)));
  }
  append_array(out, "layerPairs", lines);
  lines.clear();
  for (const Primitive& p : board.primitives()) lines.push_back(primitive_object(p));
  append_array(out, "primitives", lines);
  out += "\n}\n";
  return out;
}

std::unique_ptr<Board> load_board_file(const std::wstring& path, std::string* error) {
  const std::string name = to_ansi(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = name + ":0: file: cannot be opened";
    return nullptr;
  }
  std::string text;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
  if (ok) {
    text.resize(static_cast<size_t>(size.QuadPart));
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
  return parse_board(text, name, error);
}

bool save_board_file(const Board& board, const std::wstring& path, std::string* error) {
  const std::string name = to_ansi(path);
  const std::string text = write_board(board);
  // Written beside the target first, so that a failed save leaves the old file as it was.
  const std::wstring temporary = path + L".saving";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = name + ":0: file: cannot be created";
    return false;
  }
  DWORD written = 0;
  const bool ok =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  CloseHandle(file);
  if (!ok || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(temporary.c_str());
    *error = name + ":0: file: cannot be written";
    return false;
  }
  return true;
}

#include "record.h"

#include <algorithm>
#include <cstring>

namespace {

size_t storage_size(FieldType type) {
  switch (type) {
    case FieldType::U8:
    case FieldType::LegacyLayer:
      return 1;
    case FieldType::U16:
      return 2;
    case FieldType::U32:
    case FieldType::I32:
    case FieldType::LayerId:
      return 4;
    case FieldType::F64:
    case FieldType::I64:
      return 8;
    case FieldType::Text20:
      return 21;
    case FieldType::Text255:
      return 256;
  }
  return 0;
}

template <class T>
T load(const Record& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

template <class T>
void store(Record& record, size_t offset, T value) {
  std::memcpy(record.data() + offset, &value, sizeof value);
}

bool ref_is_integer(FieldRef::C c) {
  return c != FieldRef::C::F64 && c != FieldRef::C::Text20 && c != FieldRef::C::Text255;
}

int64_t ref_int(const FieldRef& ref) {
  switch (ref.c) {
    case FieldRef::C::U8:
      return *static_cast<const uint8_t*>(ref.p);
    case FieldRef::C::U16:
      return *static_cast<const uint16_t*>(ref.p);
    case FieldRef::C::U32:
      return *static_cast<const uint32_t*>(ref.p);
    case FieldRef::C::I32:
      return *static_cast<const int32_t*>(ref.p);
    case FieldRef::C::I64:
      return *static_cast<const int64_t*>(ref.p);
    default:
      return 0;
  }
}

void put_ref_int(const FieldRef& ref, int64_t value) {
  switch (ref.c) {
    case FieldRef::C::U8:
      *static_cast<uint8_t*>(ref.p) = static_cast<uint8_t>(value);
      break;
    case FieldRef::C::U16:
      *static_cast<uint16_t*>(ref.p) = static_cast<uint16_t>(value);
      break;
    case FieldRef::C::U32:
      *static_cast<uint32_t*>(ref.p) = static_cast<uint32_t>(value);
      break;
    case FieldRef::C::I32:
      *static_cast<int32_t*>(ref.p) = static_cast<int32_t>(value);
      break;
    case FieldRef::C::I64:
      *static_cast<int64_t*>(ref.p) = value;
      break;
    default:
      break;
  }
}

size_t ref_text_capacity(FieldRef::C c) { return c == FieldRef::C::Text20 ? 20 : 255; }

// A length-prefixed text in a caller's variable; the length is trusted only up to its capacity.
std::string_view ref_text(const FieldRef& ref) {
  const auto* bytes = static_cast<const uint8_t*>(ref.p);
  return {reinterpret_cast<const char*>(bytes + 1), bytes[0]};
}

}  // namespace

Schema::Schema(const char* name, std::span<const FieldDef> fields)
    : name_(name), fields_(fields.begin(), fields.end()) {
  for (FieldDef& field : fields_) {
    field.offset = static_cast<uint16_t>(size_);
    size_ += storage_size(field.type);
  }
}

int Schema::find(std::string_view field) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (field == fields_[i].name) return static_cast<int>(i);
  }
  return -1;
}

bool is_integer(FieldType type) { return type != FieldType::F64 && !is_text(type); }
bool is_text(FieldType type) { return type == FieldType::Text20 || type == FieldType::Text255; }
size_t text_capacity(FieldType type) { return type == FieldType::Text20 ? 20 : 255; }

bool fits(FieldType type, int64_t value) {
  switch (type) {
    case FieldType::U8:
      return value >= 0 && value <= 0xFF;
    case FieldType::LegacyLayer:
      return value >= 0 && value <= 82;
    case FieldType::U16:
      return value >= 0 && value <= 0xFFFF;
    case FieldType::U32:
    case FieldType::LayerId:
      return value >= 0 && value <= 0xFFFFFFFFLL;
    case FieldType::I32:
      return value >= INT32_MIN && value <= INT32_MAX;
    case FieldType::I64:
      return true;
    default:
      return false;
  }
}

int64_t get_int(const Record& record, const FieldDef& field) {
  switch (field.type) {
    case FieldType::U8:
    case FieldType::LegacyLayer:
      return load<uint8_t>(record, field.offset);
    case FieldType::U16:
      return load<uint16_t>(record, field.offset);
    case FieldType::U32:
    case FieldType::LayerId:
      return load<uint32_t>(record, field.offset);
    case FieldType::I32:
      return load<int32_t>(record, field.offset);
    case FieldType::I64:
      return load<int64_t>(record, field.offset);
    default:
      return 0;
  }
}

void set_int(Record& record, const FieldDef& field, int64_t value) {
  switch (field.type) {
    case FieldType::U8:
    case FieldType::LegacyLayer:
      store(record, field.offset, static_cast<uint8_t>(value));
      break;
    case FieldType::U16:
      store(record, field.offset, static_cast<uint16_t>(value));
      break;
    case FieldType::U32:
    case FieldType::LayerId:
      store(record, field.offset, static_cast<uint32_t>(value));
      break;
    case FieldType::I32:
      store(record, field.offset, static_cast<int32_t>(value));
      break;
    case FieldType::I64:
      store(record, field.offset, value);
      break;
    default:
      break;
  }
}

double get_float(const Record& record, const FieldDef& field) {
  return load<double>(record, field.offset);
}

void set_float(Record& record, const FieldDef& field, double value) {
  store(record, field.offset, value);
}

std::string_view get_text(const Record& record, const FieldDef& field) {
  const uint8_t* bytes = record.data() + field.offset;
  return {reinterpret_cast<const char*>(bytes + 1), bytes[0]};
}

void set_text(Record& record, const FieldDef& field, std::string_view text) {
  uint8_t* bytes = record.data() + field.offset;
  const size_t length = std::min(text.size(), text_capacity(field.type));
  std::memset(bytes, 0, storage_size(field.type));
  bytes[0] = static_cast<uint8_t>(length);
  std::memcpy(bytes + 1, text.data(), length);
}

void read_fields(const Record& record, const Schema& schema, std::span<const int> fields,
                 std::span<const FieldRef> refs) {
  for (size_t i = 0; i < fields.size() && i < refs.size(); ++i) {
    const FieldDef& field = schema.fields()[fields[i]];
    const FieldRef& ref = refs[i];
    if (is_text(field.type)) {
      if (ref_is_integer(ref.c) || ref.c == FieldRef::C::F64) continue;
      const std::string_view text = get_text(record, field);
      const size_t length = std::min(text.size(), ref_text_capacity(ref.c));
      auto* bytes = static_cast<uint8_t*>(ref.p);
      bytes[0] = static_cast<uint8_t>(length);
      std::memcpy(bytes + 1, text.data(), length);
    } else if (field.type == FieldType::F64) {
      if (ref.c == FieldRef::C::F64) *static_cast<double*>(ref.p) = get_float(record, field);
    } else if (ref_is_integer(ref.c)) {
      put_ref_int(ref, get_int(record, field));
    }
  }
}

bool write_fields(Record& record, const Schema& schema, std::span<const int> fields,
                  std::span<const FieldRef> refs, std::vector<const char*>* changed) {
  if (fields.size() != refs.size()) return false;
  for (size_t i = 0; i < fields.size(); ++i) {
    const FieldDef& field = schema.fields()[fields[i]];
    const FieldRef& ref = refs[i];
    if (is_text(field.type)) {
      if (ref_is_integer(ref.c) || ref.c == FieldRef::C::F64) return false;
      const auto* bytes = static_cast<const uint8_t*>(ref.p);
      if (bytes[0] > ref_text_capacity(ref.c) || bytes[0] > text_capacity(field.type)) return false;
    } else if (field.type == FieldType::F64) {
      if (ref.c != FieldRef::C::F64) return false;
    } else if (!ref_is_integer(ref.c) || !fits(field.type, ref_int(ref))) {
      return false;
    }
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    const FieldDef& field = schema.fields()[fields[i]];
    const FieldRef& ref = refs[i];
    bool differs;
    if (is_text(field.type)) {
      const std::string_view text = ref_text(ref);
      differs = text != get_text(record, field);
      if (differs) set_text(record, field, text);
    } else if (field.type == FieldType::F64) {
      const double value = *static_cast<const double*>(ref.p);
      const double old = get_float(record, field);
      differs = std::memcmp(&value, &old, sizeof value) != 0;
      set_float(record, field, value);
    } else {
      const int64_t value = ref_int(ref);
      differs = value != get_int(record, field);
      set_int(record, field, value);
    }
    if (differs && changed) changed->push_back(field.name);
  }
  return true;
}

#include "record.h"

#include <algorithm>
#include <cstring>

namespace {

size_t StorageSize(TFieldType type) {
  switch (type) {
    case TFieldType::U8:
    case TFieldType::LegacyLayer:
      return 1;
    case TFieldType::U16:
      return 2;
    case TFieldType::U32:
    case TFieldType::I32:
    case TFieldType::LayerId:
      return 4;
    case TFieldType::F64:
    case TFieldType::I64:
      return 8;
    case TFieldType::Text20:
      return 21;
    case TFieldType::Text255:
      return 256;
  }
  return 0;
}

template <class T>
T Load(const TRecord& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

template <class T>
void Store(TRecord& record, size_t offset, T value) {
  std::memcpy(record.data() + offset, &value, sizeof value);
}

bool RefIsInteger(TFieldRef::TC c) {
  return c != TFieldRef::TC::F64 && c != TFieldRef::TC::Text20 && c != TFieldRef::TC::Text255;
}

int64_t RefInt(const TFieldRef& ref) {
  switch (ref.c) {
    case TFieldRef::TC::U8:
      return *static_cast<const uint8_t*>(ref.p);
    case TFieldRef::TC::U16:
      return *static_cast<const uint16_t*>(ref.p);
    case TFieldRef::TC::U32:
      return *static_cast<const uint32_t*>(ref.p);
    case TFieldRef::TC::I32:
      return *static_cast<const int32_t*>(ref.p);
    case TFieldRef::TC::I64:
      return *static_cast<const int64_t*>(ref.p);
    default:
      return 0;
  }
}

void PutRefInt(const TFieldRef& ref, int64_t value) {
  switch (ref.c) {
    case TFieldRef::TC::U8:
      *static_cast<uint8_t*>(ref.p) = static_cast<uint8_t>(value);
      break;
    case TFieldRef::TC::U16:
      *static_cast<uint16_t*>(ref.p) = static_cast<uint16_t>(value);
      break;
    case TFieldRef::TC::U32:
      *static_cast<uint32_t*>(ref.p) = static_cast<uint32_t>(value);
      break;
    case TFieldRef::TC::I32:
      *static_cast<int32_t*>(ref.p) = static_cast<int32_t>(value);
      break;
    case TFieldRef::TC::I64:
      *static_cast<int64_t*>(ref.p) = value;
      break;
    default:
      break;
  }
}

size_t RefTextCapacity(TFieldRef::TC c) { return c == TFieldRef::TC::Text20 ? 20 : 255; }

// A length-prefixed text in a caller's variable; the length is trusted only up to its capacity.
std::string_view RefText(const TFieldRef& ref) {
  const auto* bytes = static_cast<const uint8_t*>(ref.p);
  return {reinterpret_cast<const char*>(bytes + 1), bytes[0]};
}

}  // namespace

TSchema::TSchema(const char* name, std::span<const TFieldDef> fields)
    : name_(name), fields_(fields.begin(), fields.end()) {
  for (TFieldDef& field : fields_) {
    field.offset = static_cast<uint16_t>(size_);
    size_ += StorageSize(field.type);
  }
}

int TSchema::Find(std::string_view field) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (field == fields_[i].name) return static_cast<int>(i);
  }
  return -1;
}

bool IsInteger(TFieldType type) { return type != TFieldType::F64 && !IsText(type); }
bool IsText(TFieldType type) { return type == TFieldType::Text20 || type == TFieldType::Text255; }
size_t TextCapacity(TFieldType type) { return type == TFieldType::Text20 ? 20 : 255; }

bool Fits(TFieldType type, int64_t value) {
  switch (type) {
    case TFieldType::U8:
      return value >= 0 && value <= 0xFF;
    case TFieldType::LegacyLayer:
      return value >= 0 && value <= 82;
    case TFieldType::U16:
      return value >= 0 && value <= 0xFFFF;
    case TFieldType::U32:
    case TFieldType::LayerId:
      return value >= 0 && value <= 0xFFFFFFFFLL;
    case TFieldType::I32:
      return value >= INT32_MIN && value <= INT32_MAX;
    case TFieldType::I64:
      return true;
    default:
      return false;
  }
}

int64_t GetInt(const TRecord& record, const TFieldDef& field) {
  switch (field.type) {
    case TFieldType::U8:
    case TFieldType::LegacyLayer:
      return Load<uint8_t>(record, field.offset);
    case TFieldType::U16:
      return Load<uint16_t>(record, field.offset);
    case TFieldType::U32:
    case TFieldType::LayerId:
      return Load<uint32_t>(record, field.offset);
    case TFieldType::I32:
      return Load<int32_t>(record, field.offset);
    case TFieldType::I64:
      return Load<int64_t>(record, field.offset);
    default:
      return 0;
  }
}

void SetInt(TRecord& record, const TFieldDef& field, int64_t value) {
  switch (field.type) {
    case TFieldType::U8:
    case TFieldType::LegacyLayer:
      Store(record, field.offset, static_cast<uint8_t>(value));
      break;
    case TFieldType::U16:
      Store(record, field.offset, static_cast<uint16_t>(value));
      break;
    case TFieldType::U32:
    case TFieldType::LayerId:
      Store(record, field.offset, static_cast<uint32_t>(value));
      break;
    case TFieldType::I32:
      Store(record, field.offset, static_cast<int32_t>(value));
      break;
    case TFieldType::I64:
      Store(record, field.offset, value);
      break;
    default:
      break;
  }
}

double GetFloat(const TRecord& record, const TFieldDef& field) {
  return Load<double>(record, field.offset);
}

void SetFloat(TRecord& record, const TFieldDef& field, double value) {
  Store(record, field.offset, value);
}

std::string_view GetText(const TRecord& record, const TFieldDef& field) {
  const uint8_t* bytes = record.data() + field.offset;
  return {reinterpret_cast<const char*>(bytes + 1), bytes[0]};
}

void SetText(TRecord& record, const TFieldDef& field, std::string_view text) {
  uint8_t* bytes = record.data() + field.offset;
  const size_t length = std::min(text.size(), TextCapacity(field.type));
  std::memset(bytes, 0, StorageSize(field.type));
  bytes[0] = static_cast<uint8_t>(length);
  std::memcpy(bytes + 1, text.data(), length);
}

void ReadFields(const TRecord& record, const TSchema& schema, std::span<const int> fields,
                 std::span<const TFieldRef> refs) {
  for (size_t i = 0; i < fields.size() && i < refs.size(); ++i) {
    const TFieldDef& field = schema.Fields()[fields[i]];
    const TFieldRef& ref = refs[i];
    if (IsText(field.type)) {
      if (RefIsInteger(ref.c) || ref.c == TFieldRef::TC::F64) continue;
      const std::string_view text = GetText(record, field);
      const size_t length = std::min(text.size(), RefTextCapacity(ref.c));
      auto* bytes = static_cast<uint8_t*>(ref.p);
      bytes[0] = static_cast<uint8_t>(length);
      std::memcpy(bytes + 1, text.data(), length);
    } else if (field.type == TFieldType::F64) {
      if (ref.c == TFieldRef::TC::F64) *static_cast<double*>(ref.p) = GetFloat(record, field);
    } else if (RefIsInteger(ref.c)) {
      PutRefInt(ref, GetInt(record, field));
    }
  }
}

bool WriteFields(TRecord& record, const TSchema& schema, std::span<const int> fields,
                  std::span<const TFieldRef> refs, std::vector<const char*>* changed) {
  if (fields.size() != refs.size()) return false;
  for (size_t i = 0; i < fields.size(); ++i) {
    const TFieldDef& field = schema.Fields()[fields[i]];
    const TFieldRef& ref = refs[i];
    if (IsText(field.type)) {
      if (RefIsInteger(ref.c) || ref.c == TFieldRef::TC::F64) return false;
      const auto* bytes = static_cast<const uint8_t*>(ref.p);
      if (bytes[0] > RefTextCapacity(ref.c) || bytes[0] > TextCapacity(field.type)) return false;
    } else if (field.type == TFieldType::F64) {
      if (ref.c != TFieldRef::TC::F64) return false;
    } else if (!RefIsInteger(ref.c) || !Fits(field.type, RefInt(ref))) {
      return false;
    }
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    const TFieldDef& field = schema.Fields()[fields[i]];
    const TFieldRef& ref = refs[i];
    bool differs;
    if (IsText(field.type)) {
      const std::string_view text = RefText(ref);
      differs = text != GetText(record, field);
      if (differs) SetText(record, field, text);
    } else if (field.type == TFieldType::F64) {
      const double value = *static_cast<const double*>(ref.p);
      const double old = GetFloat(record, field);
      differs = std::memcmp(&value, &old, sizeof value) != 0;
      SetFloat(record, field, value);
    } else {
      const int64_t value = RefInt(ref);
      differs = value != GetInt(record, field);
      SetInt(record, field, value);
    }
    if (differs && changed) changed->push_back(field.name);
  }
  return true;
}

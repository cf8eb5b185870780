#pragma once
// Records of the board model: every record kind (a primitive kind, the board record, a layer, an
// option group) is a schema, a list of typed fields laid out one after the other in a byte block.
// The record exports move fields between such a block and the caller's variables, and the board
// file reads and writes them by name, so one table decides what a record holds, what an export
// transfers and what the file carries.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/pcb_api.h"

enum class FieldType : uint8_t {
  U8,
  U16,
  U32,
  I32,
  F64,
  I64,
  Text20,
  Text255,
  LayerId,
  LegacyLayer
};

struct FieldDef {
  const char* name;
  FieldType type;
  bool required;  // the board file must give it
  uint16_t offset = 0;
};

using Record = std::vector<uint8_t>;

class Schema {
 public:
  Schema(const char* name, std::span<const FieldDef> fields);
  const char* name() const { return name_; }
  const std::vector<FieldDef>& fields() const { return fields_; }
  size_t size() const { return size_; }
  // Index of the named field, -1 when the schema has none.
  int find(std::string_view field) const;
  Record blank() const { return Record(size_, 0); }

 private:
  const char* name_;
  std::vector<FieldDef> fields_;
  size_t size_ = 0;
};

bool is_integer(FieldType type);
bool is_text(FieldType type);
size_t text_capacity(FieldType type);
// Whether an integer value fits the field's type (LegacyLayer: 0 to 82).
bool fits(FieldType type, int64_t value);

int64_t get_int(const Record& record, const FieldDef& field);
void set_int(Record& record, const FieldDef& field, int64_t value);  // value must fit
double get_float(const Record& record, const FieldDef& field);
void set_float(Record& record, const FieldDef& field, double value);
std::string_view get_text(const Record& record, const FieldDef& field);
void set_text(Record& record, const FieldDef& field, std::string_view text);  // must fit

// One caller variable handed to a record export, with its C type.
struct FieldRef {
  enum class C : uint8_t { U8, U16, U32, I32, F64, I64, Text20, Text255 };
  C c;
  void* p;
  FieldRef(uint8_t* v) : c(C::U8), p(v) {}
  FieldRef(uint16_t* v) : c(C::U16), p(v) {}
  FieldRef(uint32_t* v) : c(C::U32), p(v) {}
  FieldRef(int32_t* v) : c(C::I32), p(v) {}
  FieldRef(double* v) : c(C::F64), p(v) {}
  FieldRef(int64_t* v) : c(C::I64), p(v) {}
  FieldRef(PcbText20* v) : c(C::Text20), p(v) {}
  FieldRef(PcbText* v) : c(C::Text255), p(v) {}
};

// Copies the listed fields of the record into the caller's variables.
void read_fields(const Record& record, const Schema& schema, std::span<const int> fields,
                 std::span<const FieldRef> refs);
// Takes the caller's variables as the listed fields' new values, all or none: false (and the record
// unchanged) when a value does not fit its field. changed receives the names of the fields whose
// value differs from before.
bool write_fields(Record& record, const Schema& schema, std::span<const int> fields,
                  std::span<const FieldRef> refs, std::vector<const char*>* changed);

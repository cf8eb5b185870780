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

enum class TFieldType : uint8_t {
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

struct TFieldDef {
  const char* name;
  TFieldType type;
  bool required;  // the board file must give it
  uint16_t offset = 0;
};

using TRecord = std::vector<uint8_t>;

class TSchema {
 public:
  TSchema(const char* name, std::span<const TFieldDef> fields);
  const char* Name() const { return name_; }
  const std::vector<TFieldDef>& Fields() const { return fields_; }
  size_t size() const { return size_; }
  // Index of the named field, -1 when the schema has none.
  int Find(std::string_view field) const;
  TRecord Blank() const { return TRecord(size_, 0); }

 private:
  const char* name_;
  std::vector<TFieldDef> fields_;
  size_t size_ = 0;
};

bool IsInteger(TFieldType type);
bool IsText(TFieldType type);
size_t TextCapacity(TFieldType type);
// Whether an integer value fits the field's type (LegacyLayer: 0 to 82).
bool Fits(TFieldType type, int64_t value);

int64_t GetInt(const TRecord& record, const TFieldDef& field);
void SetInt(TRecord& record, const TFieldDef& field, int64_t value);  // value must fit
double GetFloat(const TRecord& record, const TFieldDef& field);
void SetFloat(TRecord& record, const TFieldDef& field, double value);
std::string_view GetText(const TRecord& record, const TFieldDef& field);
void SetText(TRecord& record, const TFieldDef& field, std::string_view text);  // must fit

// One caller variable handed to a record export, with its C type.
struct TFieldRef {
  enum class TC : uint8_t { U8, U16, U32, I32, F64, I64, Text20, Text255 };
  TC c;
  void* p;
  TFieldRef(uint8_t* v) : c(TC::U8), p(v) {}
  TFieldRef(uint16_t* v) : c(TC::U16), p(v) {}
  TFieldRef(uint32_t* v) : c(TC::U32), p(v) {}
  TFieldRef(int32_t* v) : c(TC::I32), p(v) {}
  TFieldRef(double* v) : c(TC::F64), p(v) {}
  TFieldRef(int64_t* v) : c(TC::I64), p(v) {}
  TFieldRef(TRecordText20* v) : c(TC::Text20), p(v) {}
  TFieldRef(TRecordText* v) : c(TC::Text255), p(v) {}
};

// Copies the listed fields of the record into the caller's variables.
void ReadFields(const TRecord& record, const TSchema& schema, std::span<const int> fields,
                 std::span<const TFieldRef> refs);
// Takes the caller's variables as the listed fields' new values, all or none: false (and the record
// unchanged) when a value does not fit its field. changed receives the names of the fields whose
// value differs from before.
bool WriteFields(TRecord& record, const TSchema& schema, std::span<const int> fields,
                  std::span<const TFieldRef> refs, std::vector<const char*>* changed);

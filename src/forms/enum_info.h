#pragma once
// Names of the values of an enumeration, for published enumeration and set properties and their
// texts in layouts ("bsDialog", "[biSystemMenu, biHelp]").

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TEnumInfo {
 public:
  TEnumInfo(const char* type_name, std::initializer_list<const char*> names)
      : type_name_(type_name), names_(names) {}
  const char* TypeName() const { return type_name_; }
  int Count() const { return static_cast<int>(names_.size()); }
  // The name of a value; an out-of-range value has its number as text.
  std::string Name(int64_t value) const;
  // The value of a name, compared without regard to the case of ASCII letters.
  std::optional<int> Value(std::string_view name) const;
  // "[a, b]" with the members in value order.
  std::string SetText(uint32_t bits) const;

 private:
  const char* type_name_;
  std::vector<const char*> names_;
};

// The enumeration infos of the framework's own types (form_types.h).
const TEnumInfo& BorderStyleInfo();
const TEnumInfo& BorderIconInfo();
const TEnumInfo& PositionInfo();
const TEnumInfo& WindowStateInfo();
const TEnumInfo& FontStyleInfo();
const TEnumInfo& ModalResultInfo();

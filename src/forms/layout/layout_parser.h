#pragma once
// The text form of layouts (docs/layout-format.md): nested "object Name: TClass … end" blocks
// of "Property = value" lines. ParseLayout turns the text into a tree; it knows nothing of
// classes or properties, which the layout reader checks.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TLayoutValue {
  enum TKind : uint8_t { vkInteger, vkString, vkIdent, vkSet, vkList };
  TKind ValueKind = vkInteger;
  int Line = 0;
  int64_t Integer = 0;
  std::wstring String;            // vkString: the text with #nnn codes resolved
  std::string Ident;              // vkIdent: a name (True, bsDialog, clBtnFace, OKButtonClick)
  std::vector<std::string> Set;   // vkSet: the member names
  std::vector<TLayoutValue> List; // vkList: the items
};

struct TLayoutProperty {
  std::string Name;  // possibly dotted: Font.Name, Items.Strings
  int Line = 0;
  TLayoutValue Value;
};

struct TLayoutNode {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<TLayoutProperty> Properties;
  std::vector<TLayoutNode> Children;
};

// Throws ELayoutError naming the resource and the line for text that is not a layout.
TLayoutNode ParseLayout(std::string_view text, std::string_view resource);

#pragma once
// How layout texts are named in the host's translation manager: a context (the form, or the
// component being read) and a key made of the property name and the designed text.

#include <string>
#include <string_view>

// Property, ".", and the text in single quotes with its own single quotes doubled:
// Caption.'Cancel', Caption.'Don''t save'.
std::wstring TranslationKey(std::wstring_view property, std::wstring_view text);
std::wstring TranslationKey(std::string_view property, std::wstring_view text);

// The context under which a form's texts are found: its class name without the class prefix
// letter (THoleSizeEditor -> HoleSizeEditor). An empty name stays empty.
std::wstring FormContextName(std::string_view class_name);

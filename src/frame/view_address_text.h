#pragma once
// The address of a view of a document that cannot say its own: the document's file name, the view's
// name when the document has more than one view, and the view's parameters ("|" read as ";").

#include <cstdint>
#include <string>

std::wstring ComposeViewAddress(const std::wstring& file_name, int32_t view_count,
                                const std::wstring& view_name, const std::wstring& parameters);

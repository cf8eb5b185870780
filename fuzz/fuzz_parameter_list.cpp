// Parameter strings on arbitrary text and buffer sizes: nothing is ever written past the given size,
// a refused write leaves the buffer as it was, and a list written and read back is the same list.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/parameter_list.h"

namespace {

std::vector<std::pair<std::string, std::string>> PairsOf(const TParameterList& list) {
  std::vector<std::pair<std::string, std::string>> result;
  for (int i = 0; i < list.Count(); ++i) result.emplace_back(list.Items(i)->Name, list.Items(i)->Value);
  return result;
}

}  // namespace

// Input: two bytes of buffer size (0 to 511), then the buffer's bytes, name and value separated by
// 0xFF bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t buffer_size = (data[0] | data[1] << 8) & 0x1FF;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  auto next_part = [&rest] {
    const size_t cut = rest.find('\xff');
    const std::string_view part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return part;
  };
  const std::string_view content = next_part();
  const std::string_view name = next_part();
  const std::string_view value = next_part();

  // A list written and read back is the same list.
  TParameterList list;
  list.SetText(content);
  const std::string text = list.Text();
  TParameterList back;
  back.SetText(text);
  if (PairsOf(back) != PairsOf(list) || back.Text() != text) std::abort();

  // Exactly sized heap buffers, so the sanitizer sees any write past the end.
  std::unique_ptr<char[]> buffer(new char[buffer_size > 0 ? buffer_size : 1]);
  std::memset(buffer.get(), 0x5A, static_cast<size_t>(buffer_size > 0 ? buffer_size : 1));
  std::memcpy(buffer.get(), content.data(), std::min(content.size(), static_cast<size_t>(buffer_size)));
  const std::string before(buffer.get(), static_cast<size_t>(buffer_size));

  const bool written = list.GetText(buffer.get(), buffer_size);
  if (written != (text.size() < static_cast<size_t>(buffer_size))) std::abort();
  if (written ? std::strcmp(buffer.get(), text.c_str()) != 0 : before != std::string(buffer.get(), before.size())) {
    std::abort();
  }

  std::memcpy(buffer.get(), before.data(), before.size());
  if (SetParameter(buffer.get(), buffer_size, name, value)) {
    if (!std::memchr(buffer.get(), '\0', static_cast<size_t>(buffer_size))) std::abort();
    TParameterList result;
    result.SetText(buffer.get());
    if (result.Text() != buffer.get()) std::abort();
  } else if (before != std::string(buffer.get(), before.size())) {
    std::abort();
  }
  return 0;
}

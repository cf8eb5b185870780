#include "board_file.h"

// Reading and writing board files on disk; the text itself is parsed and written in board_file.cpp,
// which stays free of Windows headers so that it builds natively too.

#include <windows.h>

#include "base/text_convert.h"

std::unique_ptr<TBoard> LoadBoardFile(const std::wstring& path, std::string* error) {
  const std::string name = ToAnsi(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = name + ":0: file: cannot be opened";
    return nullptr;
  }
  std::string text;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size);
  if (ok && size.QuadPart > kMaxBoardFileBytes) {
    // The text alone would take half of a 32-bit process's memory, and the board it holds more
    // than the rest (docs/board-format.md): refused before anything is read.
    CloseHandle(file);
    *error = name + ":0: file: " + std::to_string(size.QuadPart >> 20) + " MB, larger than the " +
             std::to_string(kMaxBoardFileBytes >> 20) + " MB a board file may have";
    return nullptr;
  }
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
  return ParseBoard(text, name, error);
}

bool SaveBoardFile(const TBoard& board, const std::wstring& path, std::string* error) {
  const std::string name = ToAnsi(path);
  const std::string text = WriteBoard(board);
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

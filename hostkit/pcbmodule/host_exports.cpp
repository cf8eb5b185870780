// The functions the host kit's host calls on its PCB module (hostkit/bridge/host_bridge.h).

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "base/text_convert.h"
#include "board_file.h"
#include "editor.h"
#include "export_support.h"
#include "hostkit/bridge/host_bridge.h"
#include "kicad/kicad_board_import.h"

namespace {

void PutError(const std::string& text, wchar_t* error, int32_t size) {
  if (!error || size <= 0) return;
  const std::wstring wide = ToWide(text);
  const size_t length = std::min<size_t>(wide.size(), static_cast<size_t>(size) - 1);
  std::memcpy(error, wide.data(), length * sizeof(wchar_t));
  error[length] = L'\0';
}

// Removed exports: the slot of the address table and the address it held.
struct TRemovedExport {
  DWORD* slot;
  DWORD address;
};
std::vector<TRemovedExport> removed;

IMAGE_EXPORT_DIRECTORY* OwnExports(HMODULE& self) {
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&PutError), &self);
  auto* base = reinterpret_cast<BYTE*>(self);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  return reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
}

void WriteSlot(DWORD* slot, DWORD value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

}  // namespace

DRALITH_EXPORT int32_t __stdcall HostKitPcb_OpenBoard(const wchar_t* path, wchar_t* error,
                                                      int32_t error_size) {
  try {
    std::string message;
    const std::wstring file = path ? path : L"";
    std::unique_ptr<TBoard> board = IsKicadBoardPath(file) ? LoadKicadBoardFile(file, &message)
                                                          : LoadBoardFile(file, &message);
    if (!board) {
      PutError(message, error, error_size);
      TEditor::get().Trace("HostKitPcb_OpenBoard refused: " + message);
      return 0;
    }
    TEditor::get().Open(std::move(board));
    TEditor::get().Trace("HostKitPcb_OpenBoard(" + ToAnsi(path) +
                        ") = " + std::to_string(TEditor::get().BoardHandle()));
    PutError("", error, error_size);
    return 1;
  } catch (const std::bad_alloc&) {
    // The board read so far is gone by now; the board that was open stays.
    PutError("cannot open the board: it does not fit in the PCB module's memory", error, error_size);
    return 0;
  } catch (const std::exception& e) {
    PutError(std::string("cannot open the board: ") + e.what(), error, error_size);
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_SaveBoard(const wchar_t* path, wchar_t* error,
                                                      int32_t error_size) {
  try {
    TBoard* board = TEditor::get().EditedBoard();
    if (!board) {
      PutError("no board is open", error, error_size);
      return 0;
    }
    // The host kit writes its own format only: a KiCad file is never overwritten with it.
    if (path && IsKicadBoardPath(path)) {
      PutError(ToAnsi(path) +
                    ":0: file: boards are saved in the host kit's own format (.json), "
                    "not as KiCad boards",
                error, error_size);
      return 0;
    }
    std::string message;
    if (!SaveBoardFile(*board, path ? path : L"", &message)) {
      PutError(message, error, error_size);
      return 0;
    }
    PutError("", error, error_size);
    return 1;
  } catch (const std::exception& e) {
    PutError(std::string("cannot save the board: ") + e.what(), error, error_size);
    return 0;
  }
}

DRALITH_EXPORT void __stdcall HostKitPcb_SetDocumentKind(int32_t kind) {
  if (kind >= 0 && kind <= 2) TEditor::get().SetDocumentKind(static_cast<TDocumentKind>(kind));
}

DRALITH_EXPORT void __stdcall HostKitPcb_SetEditorWindow(HWND window) {
  TEditor::get().SetWindow(window);
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_Undo() {
  try {
    return TEditor::get().Undo() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_Redo() {
  try {
    return TEditor::get().Redo() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_RemoveExport(const char* name) {
  if (!name) return 0;
  HMODULE self = nullptr;
  IMAGE_EXPORT_DIRECTORY* exports = OwnExports(self);
  auto* base = reinterpret_cast<BYTE*>(self);
  auto* names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<WORD*>(base + exports->AddressOfNameOrdinals);
  auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(base + names[i]), name) != 0) continue;
    DWORD* slot = &functions[ordinals[i]];
    if (*slot == 0) return 0;
    // An address of 0 is what the loader reports as "no such export".
    removed.push_back({slot, *slot});
    WriteSlot(slot, 0);
    TEditor::get().Trace(std::string("HostKitPcb_RemoveExport(") + name + ")");
    return 1;
  }
  return 0;
}

DRALITH_EXPORT void __stdcall HostKitPcb_RestoreExports() {
  for (const TRemovedExport& r : removed) WriteSlot(r.slot, r.address);
  removed.clear();
}

DRALITH_EXPORT uint32_t __stdcall HostKitPcb_CallCount() { return TEditor::get().Calls(); }

DRALITH_EXPORT uint64_t __stdcall HostKitPcb_CallTicks() { return TEditor::get().CallTicks(); }

DRALITH_EXPORT int32_t __stdcall HostKitPcb_ProtocolViolations() {
  return TEditor::get().Violations();
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_CheckBracketsClosed() {
  TEditor::get().CheckBracketsClosed();
  return TEditor::get().Violations();
}

static_assert(std::is_same_v<decltype(&HostKitPcb_CheckBracketsClosed),
                             HostKitPcb_CheckBracketsClosedProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_OpenBoard), HostKitPcb_OpenBoardProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_SaveBoard), HostKitPcb_SaveBoardProc>);
static_assert(
    std::is_same_v<decltype(&HostKitPcb_SetDocumentKind), HostKitPcb_SetDocumentKindProc>);
static_assert(
    std::is_same_v<decltype(&HostKitPcb_SetEditorWindow), HostKitPcb_SetEditorWindowProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_Undo), HostKitPcb_UndoProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_RemoveExport), HostKitPcb_RemoveExportProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_CallCount), HostKitPcb_CallCountProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_CallTicks), HostKitPcb_CallTicksProc>);

#include "pcb_test_host.h"

#include <fstream>
#include <sstream>

#include "base/text_convert.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/pcb_api_binding.h"

namespace pcbtest {

TestHost& host() {
  static TestHost h;
  return h;
}

void fail_call(const std::string& operation, int32_t status, int call) {
  host().faults[operation] = Fault{status, call};
}

}  // namespace pcbtest

extern "C" __declspec(dllexport) void __stdcall HostKit_Trace(const char* line) {
  pcbtest::host().trace.emplace_back(line);
}

extern "C" __declspec(dllexport) int32_t __stdcall HostKit_InjectedFault(const char* operation) {
  auto& h = pcbtest::host();
  auto it = h.faults.find(operation);
  if (it == h.faults.end()) return 0;
  if (it->second.call == 0) return it->second.status;
  if (--it->second.call == 0) {
    const int32_t status = it->second.status;
    h.faults.erase(it);
    return status;
  }
  return 0;
}

namespace pcbtest {

HMODULE load_dralith() { return LoadLibraryW(L"Dralith.dll"); }

void unload_dralith() {
  while (HMODULE m = GetModuleHandleW(L"Dralith.dll")) {
    if (!FreeLibrary(m)) break;
  }
}

bool dralith_loaded() { return GetModuleHandleW(L"Dralith.dll") != nullptr; }

void* dralith_proc(const char* name) {
  HMODULE m = GetModuleHandleW(L"Dralith.dll");
  return m ? reinterpret_cast<void*>(GetProcAddress(m, name)) : nullptr;
}

template <class F>
F proc(const char* name) {
  void* p = dralith_proc(name);
  if (!p) throw std::runtime_error(std::string("Dralith.dll lacks ") + name);
  return reinterpret_cast<F>(p);
}

std::wstring temp_path(const std::wstring& name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"tavrin-pcb-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

void write_file(const std::wstring& path, const std::string& text) {
  std::ofstream out(to_ansi(path), std::ios::binary);
  out << text;
}

std::string read_file(const std::wstring& path) {
  std::ifstream in(to_ansi(path), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool open_board_file(const std::wstring& path, std::string* error) {
  wchar_t message[1024] = L"";
  const bool ok =
      proc<HostKitPcb_OpenBoardProc>("HostKitPcb_OpenBoard")(path.c_str(), message, 1024) == 1;
  if (error) *error = to_ansi(message);
  return ok;
}

bool open_board_text(const std::string& text, std::string* error) {
  const std::wstring path = temp_path(L"board.json");
  write_file(path, text);
  const bool ok = open_board_file(path, error);
  DeleteFileW(path.c_str());
  return ok;
}

std::string saved_board() {
  const std::wstring path = temp_path(L"saved.json");
  wchar_t message[1024] = L"";
  if (proc<HostKitPcb_SaveBoardProc>("HostKitPcb_SaveBoard")(path.c_str(), message, 1024) != 1) {
    ADD_FAILURE() << "save failed: " << to_ansi(message);
    return "";
  }
  std::string text = read_file(path);
  DeleteFileW(path.c_str());
  return text;
}

void set_document_kind(int32_t kind) {
  proc<HostKitPcb_SetDocumentKindProc>("HostKitPcb_SetDocumentKind")(kind);
}
int32_t protocol_violations() {
  return proc<HostKitPcb_ProtocolViolationsProc>("HostKitPcb_ProtocolViolations")();
}
uint32_t call_count() { return proc<HostKitPcb_CallCountProc>("HostKitPcb_CallCount")(); }
bool remove_export(const char* name) {
  return proc<HostKitPcb_RemoveExportProc>("HostKitPcb_RemoveExport")(name) == 1;
}
void restore_exports() { proc<HostKitPcb_RestoreExportsProc>("HostKitPcb_RestoreExports")(); }
bool undo() { return proc<HostKitPcb_UndoProc>("HostKitPcb_Undo")() == 1; }
bool redo() { return proc<HostKitPcb_RedoProc>("HostKitPcb_Redo")() == 1; }

std::vector<std::string> lines_starting(const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : host().trace) {
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  }
  return out;
}

std::vector<std::string> call_names() {
  std::vector<std::string> out;
  for (const std::string& line : host().trace) {
    if (line.rfind("PcbApi_", 0) != 0 && line.rfind("IPCB_", 0) != 0) continue;
    out.push_back(line.substr(0, line.find('(')));
  }
  return out;
}

std::string board_text(const std::vector<std::string>& primitives, int unit,
                       const std::string& extra_sections) {
  std::string text =
      "{\n  \"format\": \"dralith-board\",\n  \"version\": 1,\n  \"board\": {\"unit\": " +
      std::to_string(unit) + "}" + extra_sections +
      ",\n  \"layers\": [\n    {\"layer\": 1, \"nextLayer\": 32},\n"
      "    {\"layer\": 32, \"prevLayer\": 1}\n  ]";
  if (!primitives.empty()) {
    text += ",\n  \"primitives\": [\n";
    for (size_t i = 0; i < primitives.size(); ++i) {
      text += "    " + primitives[i] + (i + 1 < primitives.size() ? ",\n" : "\n");
    }
    text += "  ]";
  }
  return text + "\n}\n";
}

std::string pad_json(uint32_t handle, int32_t hole, const std::string& extra) {
  return "{\"kind\": \"pad\", \"handle\": " + std::to_string(handle) +
         ", \"layer\": 74, \"x\": " + std::to_string(handle * 1000) +
         ", \"y\": 0, \"holeSize\": " + std::to_string(hole) + extra + "}";
}

std::string via_json(uint32_t handle, int32_t hole, const std::string& extra) {
  return "{\"kind\": \"via\", \"handle\": " + std::to_string(handle) +
         ", \"layer\": 1, \"x\": " + std::to_string(handle * 1000) +
         ", \"y\": 0, \"size\": " + std::to_string(hole * 2) +
         ", \"holeSize\": " + std::to_string(hole) + extra + "}";
}

void PcbTest::SetUp() {
  ASSERT_TRUE(load_dralith()) << "Dralith.dll is not beside the test program";
  ResetPcbApiBinding();
  restore_exports();
  host().trace.clear();
  host().faults.clear();
}

void PcbTest::TearDown() {
  if (dralith_loaded()) restore_exports();
  host().faults.clear();
  ResetPcbApiBinding();
}

}  // namespace pcbtest

#include "tests/win/support/pcb_test_host.h"

#include <fstream>
#include <sstream>

#include "base/text_convert.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/pcb_api_binding.h"

namespace pcbtest {

TTestHost& Host() {
  static TTestHost h;
  return h;
}

void FailCall(const std::string& operation, int32_t status, int call) {
  Host().faults[operation] = TFault{status, call};
}

}  // namespace pcbtest

extern "C" __declspec(dllexport) void __stdcall HostKit_Trace(const char* line) {
  pcbtest::Host().trace.emplace_back(line);
}

extern "C" __declspec(dllexport) int32_t __stdcall HostKit_InjectedFault(const char* operation) {
  auto& h = pcbtest::Host();
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

HMODULE LoadDralith() { return LoadLibraryW(L"Dralith.dll"); }

void UnloadDralith() {
  while (HMODULE m = GetModuleHandleW(L"Dralith.dll")) {
    if (!FreeLibrary(m)) break;
  }
}

bool DralithLoaded() { return GetModuleHandleW(L"Dralith.dll") != nullptr; }

void* DralithProc(const char* name) {
  HMODULE m = GetModuleHandleW(L"Dralith.dll");
  return m ? reinterpret_cast<void*>(GetProcAddress(m, name)) : nullptr;
}

template <class F>
F Proc(const char* name) {
  void* p = DralithProc(name);
  if (!p) throw std::runtime_error(std::string("Dralith.dll lacks ") + name);
  return reinterpret_cast<F>(p);
}

std::wstring TempPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"tavrin-pcb-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

void WriteFileText(const std::wstring& path, const std::string& text) {
  std::ofstream out(ToAnsi(path), std::ios::binary);
  out << text;
}

std::string ReadFileText(const std::wstring& path) {
  std::ifstream in(ToAnsi(path), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool OpenBoardFile(const std::wstring& path, std::string* error) {
  wchar_t message[1024] = L"";
  const bool ok =
      Proc<HostKitPcb_OpenBoardProc>("HostKitPcb_OpenBoard")(path.c_str(), message, 1024) == 1;
  if (error) *error = ToAnsi(message);
  return ok;
}

bool OpenBoardText(const std::string& text, std::string* error) {
  const std::wstring path = TempPath(L"board.json");
  WriteFileText(path, text);
  const bool ok = OpenBoardFile(path, error);
  DeleteFileW(path.c_str());
  return ok;
}

std::string SavedBoard() {
  const std::wstring path = TempPath(L"saved.json");
  wchar_t message[1024] = L"";
  if (Proc<HostKitPcb_SaveBoardProc>("HostKitPcb_SaveBoard")(path.c_str(), message, 1024) != 1) {
    ADD_FAILURE() << "save failed: " << ToAnsi(message);
    return "";
  }
  std::string text = ReadFileText(path);
  DeleteFileW(path.c_str());
  return text;
}

void SetDocumentKind(int32_t kind) {
  Proc<HostKitPcb_SetDocumentKindProc>("HostKitPcb_SetDocumentKind")(kind);
}
int32_t ProtocolViolations() {
  return Proc<HostKitPcb_ProtocolViolationsProc>("HostKitPcb_ProtocolViolations")();
}
uint32_t CallCount() { return Proc<HostKitPcb_CallCountProc>("HostKitPcb_CallCount")(); }
bool RemoveExport(const char* name) {
  return Proc<HostKitPcb_RemoveExportProc>("HostKitPcb_RemoveExport")(name) == 1;
}
void RestoreExports() { Proc<HostKitPcb_RestoreExportsProc>("HostKitPcb_RestoreExports")(); }
bool Undo() { return Proc<HostKitPcb_UndoProc>("HostKitPcb_Undo")() == 1; }
bool Redo() { return Proc<HostKitPcb_RedoProc>("HostKitPcb_Redo")() == 1; }

std::vector<std::string> LinesStarting(const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : Host().trace) {
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  }
  return out;
}

std::vector<std::string> CallNames() {
  std::vector<std::string> out;
  for (const std::string& line : Host().trace) {
    if (line.rfind("PcbApi_", 0) != 0 && line.rfind("IPCB_", 0) != 0) continue;
    out.push_back(line.substr(0, line.find('(')));
  }
  return out;
}

std::string BoardText(const std::vector<std::string>& primitives, int unit,
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

std::string PadJson(uint32_t handle, int32_t hole, const std::string& extra) {
  return "{\"kind\": \"pad\", \"handle\": " + std::to_string(handle) +
         ", \"layer\": 74, \"x\": " + std::to_string(handle * 1000) +
         ", \"y\": 0, \"holeSize\": " + std::to_string(hole) + extra + "}";
}

std::string ViaJson(uint32_t handle, int32_t hole, const std::string& extra) {
  return "{\"kind\": \"via\", \"handle\": " + std::to_string(handle) +
         ", \"layer\": 1, \"x\": " + std::to_string(handle * 1000) +
         ", \"y\": 0, \"size\": " + std::to_string(hole * 2) +
         ", \"holeSize\": " + std::to_string(hole) + extra + "}";
}

void PcbTest::SetUp() {
  ASSERT_TRUE(LoadDralith()) << "Dralith.dll is not beside the test program";
  ResetPcbApiBinding();
  RestoreExports();
  Host().trace.clear();
  Host().faults.clear();
}

void PcbTest::TearDown() {
  if (DralithLoaded()) RestoreExports();
  Host().faults.clear();
  ResetPcbApiBinding();
}

}  // namespace pcbtest

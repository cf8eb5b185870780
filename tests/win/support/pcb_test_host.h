#pragma once
// The test program as the PCB module's host: it records the trace lines Dralith.dll writes and
// answers its fault-injection questions, loads and unloads the module by name, and opens boards
// given as text.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pcbtest {

struct TFault {
  int32_t status;
  int call;  // the n-th call of the operation from now (1 = the next), 0 = every call
};

struct TTestHost {
  std::vector<std::string> trace;
  std::map<std::string, TFault> faults;
  std::map<std::string, int> calls;
};
TTestHost& Host();

// Makes the n-th next call (or, with 0, every call) of an operation fail with the status.
void FailCall(const std::string& operation, int32_t status, int call = 0);

HMODULE LoadDralith();
void UnloadDralith();
bool DralithLoaded();
// A bridge function of the loaded module, by name.
void* DralithProc(const char* name);

std::wstring TempPath(const std::wstring& name);
void WriteFileText(const std::wstring& path, const std::string& text);
std::string ReadFileText(const std::wstring& path);

// Opens a board given as the text of a board file; the error on refusal.
bool OpenBoardText(const std::string& text, std::string* error = nullptr);
bool OpenBoardFile(const std::wstring& path, std::string* error = nullptr);
// The open board as the module saves it.
std::string SavedBoard();

void SetDocumentKind(int32_t kind);
int32_t ProtocolViolations();
uint32_t CallCount();
bool RemoveExport(const char* name);
void RestoreExports();
bool Undo();
bool Redo();

// Trace lines that start with the prefix, in order.
std::vector<std::string> LinesStarting(const std::string& prefix);
// Trace lines of PcbApi_ calls and of the server interfaces, each cut after its name.
std::vector<std::string> CallNames();

// A board file with a two-layer stack (1 -> 32) and the given primitives, one JSON object each.
std::string BoardText(const std::vector<std::string>& primitives, int unit = 0,
                       const std::string& extra_sections = "");
std::string PadJson(uint32_t handle, int32_t hole, const std::string& extra = "");
std::string ViaJson(uint32_t handle, int32_t hole, const std::string& extra = "");

// Loads Dralith.dll, empties the binding, the trace and the faults, restores every export.
class PcbTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace pcbtest

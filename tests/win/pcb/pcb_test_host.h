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

struct Fault {
  int32_t status;
  int call;  // the n-th call of the operation from now (1 = the next), 0 = every call
};

struct TestHost {
  std::vector<std::string> trace;
  std::map<std::string, Fault> faults;
  std::map<std::string, int> calls;
};
TestHost& host();

// Makes the n-th next call (or, with 0, every call) of an operation fail with the status.
void fail_call(const std::string& operation, int32_t status, int call = 0);

HMODULE load_dralith();
void unload_dralith();
bool dralith_loaded();
// A bridge function of the loaded module, by name.
void* dralith_proc(const char* name);

std::wstring temp_path(const std::wstring& name);
void write_file(const std::wstring& path, const std::string& text);
std::string read_file(const std::wstring& path);

// Opens a board given as the text of a board file; the error on refusal.
bool open_board_text(const std::string& text, std::string* error = nullptr);
bool open_board_file(const std::wstring& path, std::string* error = nullptr);
// The open board as the module saves it.
std::string saved_board();

void set_document_kind(int32_t kind);
int32_t protocol_violations();
uint32_t call_count();
bool remove_export(const char* name);
void restore_exports();
bool undo();
bool redo();

// Trace lines that start with the prefix, in order.
std::vector<std::string> lines_starting(const std::string& prefix);
// Trace lines of PcbApi_ calls and of the server interfaces, each cut after its name.
std::vector<std::string> call_names();

// A board file with a two-layer stack (1 -> 32) and the given primitives, one JSON object each.
std::string board_text(const std::vector<std::string>& primitives, int unit = 0,
                       const std::string& extra_sections = "");
std::string pad_json(uint32_t handle, int32_t hole, const std::string& extra = "");
std::string via_json(uint32_t handle, int32_t hole, const std::string& extra = "");

// Loads Dralith.dll, empties the binding, the trace and the faults, restores every export.
class PcbTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace pcbtest

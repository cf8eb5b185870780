// The stand-in PCB editor inside the host kit's host: boards opened and saved through the host, the
// host's trace and fault injection reaching the module.

#include <gtest/gtest.h>

#include <string>

#include "base/text_convert.h"
#include "tests/e2e/support/host_run.h"

namespace {

std::wstring Sample(const char* name) {
  std::wstring path = ToWide(std::string(TAVRIN_SAMPLE_BOARDS) + "/" + name);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  // Unix paths reach Wine's programs through drive Z:.
  return path[0] == L'\\' ? L"Z:" + path : path;
}

TEST(PcbModuleInHost, ABoardOpenedAndSavedByTheHostKeepsEveryByte) {
  for (const char* name : {"small-metric.json", "small-imperial.json"}) {
    SCOPED_TRACE(name);
    const std::wstring saved = UniqueTempPath(L"saved.json");
    THostRun run = RunHost({L"--plugin", L"none", L"--board", Sample(name), L"--save", saved});
    EXPECT_EQ(run.ExitCode, 0) << run.Describe();
    EXPECT_TRUE(run.OutputHasPrefix("host: board saved")) << run.Describe();
    EXPECT_GE(run.TraceIndex("HostKitPcb_OpenBoard("), 0) << run.Describe();
    EXPECT_EQ(ReadTextFile(saved), ReadTextFile(Sample(name)));
    DeleteFileW(saved.c_str());
  }
}

TEST(PcbModuleInHost, ABadBoardIsRefusedWithFileLineAndField) {
  TScopedFile bad(UniqueTempPath(L"bad.json"),
                  "{\"format\": \"dralith-board\", \"version\": 1, \"board\": {\"unit\": 0},\n"
                  "\"primitives\": [\n{\"kind\": \"via\", \"handle\": 1, \"x\": 0, \"y\": 0}]}\n");
  const std::wstring saved = UniqueTempPath(L"saved.json");
  THostRun run = RunHost({L"--plugin", L"none", L"--board", bad.Path(), L"--save", saved});
  bool reported = false;
  for (const std::string& line : run.Lines) {
    reported |= line.find("not opened: ") != std::string::npos &&
                line.find(".json:3: primitives[0].holeSize: missing field") != std::string::npos;
  }
  EXPECT_TRUE(reported) << run.Describe();
  EXPECT_TRUE(run.OutputHasPrefix("host: board not saved: no board is open")) << run.Describe();
  EXPECT_EQ(GetFileAttributesW(saved.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace

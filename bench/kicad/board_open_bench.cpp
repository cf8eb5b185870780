// Opens one board file in Dralith.dll the way the host does and prints one table row: its size, the
// pads and vias it holds, the wall time of the open, the time per megabyte, and the process's peak
// memory during the open beyond what it used before. One board per process, so that each
// peak is that board's own.

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "base/text_convert.h"
#include "bench/support/dralith_board_opener.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/object_id.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_iteration.h"

namespace {

// The peak of the process's resident memory (under Wine the peak of its private commit counts
// address space reserved up front, so the working set is the measure that follows the heap).
double PeakMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
}

double FileMegabytes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / (1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_board_open <board.json|board.kicad_pcb>\n");
    return 2;
  }
  const HostKitPcb_OpenBoardProc open = LoadDralithBoardOpener();
  if (!open) return 1;
  const std::wstring path = ToWide(argv[1]);
  const double megabytes = FileMegabytes(path);
  const double before = PeakMegabytes();
  wchar_t error[512] = L"";
  const auto start = std::chrono::steady_clock::now();
  const bool opened = open(path.c_str(), error, 512) != 0;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double peak = PeakMegabytes() - before;
  if (!opened) {
    std::fprintf(stderr, "%s\n", ToAnsi(error).c_str());
    return 1;
  }
  uint32_t counts[2] = {0, 0};
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  for (int i = 0; i < 2; ++i) {
    ForEachPrimitive(board, i == 0 ? ePadObject : eViaObject, [&](uint32_t) { ++counts[i]; });
  }
  std::string name = argv[1];
  name = name.substr(name.find_last_of("/\\") + 1);
  std::printf("| %s | %.1f | %u | %u | %.3f | %.1f | %.0f |\n", name.c_str(), megabytes, counts[0],
              counts[1], seconds, megabytes > 0 ? seconds * 1000 / megabytes : 0.0, peak);
  return 0;
}

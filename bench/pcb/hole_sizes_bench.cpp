// Host calls per primitive and wall time for reading every pad's and via's hole size of a board:
// the record read the plug-in makes (the kind is known from the iteration) side by side with the
// full legacy-object read (kind, bit fields, record and the 83-layer pad stack). Prints one table
// row per board and way of reading.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "base/text_convert.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_iteration.h"
#include "pcb/pcb_object.h"

namespace {

template <class F>
F Dralith(const char* name) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Dralith.dll"), name)));
}

struct TRun {
  uint32_t primitives = 0;
  uint32_t calls = 0;
  double seconds = 0;
  long long checksum = 0;
};

template <class Read>
TRun Measure(uint32_t board, Read read) {
  auto count = Dralith<HostKitPcb_CallCountProc>("HostKitPcb_CallCount");
  TRun run;
  const uint32_t before = count();
  const auto start = std::chrono::steady_clock::now();
  for (TObjectId kind : {ePadObject, eViaObject}) {
    ForEachPrimitive(board, kind, [&](uint32_t handle) {
      run.checksum += read(handle, kind);
      ++run.primitives;
    });
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.calls = count() - before;
  return run;
}

void Row(const char* board, const char* way, const TRun& run) {
  std::printf("| %-28s | %-22s | %10u | %8.2f | %9.3f | %10.0f |\n", board, way, run.primitives,
              run.primitives ? double(run.calls) / run.primitives : 0.0, run.seconds,
              run.seconds > 0 ? run.primitives / run.seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_hole_sizes <board.json>...\n");
    return 2;
  }
  if (!LoadLibraryW(L"Dralith.dll")) {
    std::fprintf(stderr, "Dralith.dll is not beside the benchmark\n");
    return 1;
  }
  auto open = Dralith<HostKitPcb_OpenBoardProc>("HostKitPcb_OpenBoard");
  std::printf(
      "| board | read | primitives | host calls per primitive | seconds | primitives per second "
      "|\n");
  std::printf("|---|---|---|---|---|---|\n");
  for (int i = 1; i < argc; ++i) {
    wchar_t error[512] = L"";
    if (!open(ToWide(argv[i]).c_str(), error, 512)) {
      std::fprintf(stderr, "%s\n", ToAnsi(error).c_str());
      return 1;
    }
    const uint32_t board = PcbApi_GetCurrentBoardHandle();
    std::string name = argv[i];
    name = name.substr(name.find_last_of("/\\") + 1);
    const TRun direct =
        Measure(board, [](uint32_t h, TObjectId kind) { return ReadHoleSize(h, kind); });
    Row(name.c_str(), "record (plug-in)", direct);
    const TRun full = Measure(board, [](uint32_t h, TObjectId) {
      auto object = CreatePcbObject(h);
      return object ? object->HoleSize() : 0;
    });
    Row(name.c_str(), "full legacy object", full);
    if (direct.checksum != full.checksum) {
      std::fprintf(stderr, "the two reads disagree on %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}

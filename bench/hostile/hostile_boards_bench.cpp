// Opens one board in Dralith.dll the way the host does, then builds the Hole Size Editor's two hole
// lists over it through the PCB layer and makes and orders their labels, as the editor does when it
// opens. Prints one table row: the primitives, groups and labels, the time of each stage, and the
// process's resident memory that each stage added, per primitive. One board per process, so that
// each figure is that board's own.

#include <windows.h>

#include <psapi.h>
#undef GetObject  // the string list's method, not the GDI function

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "base/string_list.h"
#include "base/text_convert.h"
#include "holes/coord_object.h"
#include "holes/hole_labels.h"
#include "holes/hole_list.h"
#include "holes/pcb_hole_board.h"
#include "bench/support/dralith_board_opener.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/object_id.h"
#include "pcb/pcb_api_wrappers.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TMemory {
  double resident;  // bytes in the working set now
  double peak;      // the working set's peak so far
};

// Under Wine the private commit counts address space reserved up front, so the working set is the
// measure that follows the heap.
TMemory Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return {static_cast<double>(counters.WorkingSetSize), static_cast<double>(counters.PeakWorkingSetSize)};
}

double Seconds(TClock::time_point since) {
  return std::chrono::duration<double>(TClock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_hostile_boards <board.json>\n");
    return 2;
  }
  const HostKitPcb_OpenBoardProc open = LoadDralithBoardOpener();
  if (!open) return 1;
  std::string name = argv[1];
  name = name.substr(name.find_last_of("/\\") + 1);

  const TMemory start = Memory();
  wchar_t error[512] = L"";
  auto since = TClock::now();
  if (!open(ToWide(argv[1]).c_str(), error, 512)) {
    std::printf("| %s | refused: %s |\n", name.c_str(), ToAnsi(error).c_str());
    return 0;
  }
  const double open_seconds = Seconds(since);
  const TMemory opened = Memory();

  // The editor's lists: pads, then vias, read through the same board the editor uses.
  TPcbHoleBoard board(PcbApi_GetCurrentBoardHandle());
  since = TClock::now();
  auto pads = std::make_unique<THoleList>(board, ePadObject);
  auto vias = std::make_unique<THoleList>(board, eViaObject);
  const double lists_seconds = Seconds(since);
  const TMemory listed = Memory();
  int primitives = 0;
  for (const THoleList* list : {pads.get(), vias.get()})
    for (int i = 0; i < list->Count(); ++i) primitives += list->Items(i).Count();

  // The labels in the board's unit, as the first refresh makes them (the list box aside).
  since = TClock::now();
  TStringList labels;
  pads->AddLabels(labels, true);
  vias->AddLabels(labels, true);
  SortHoleLabels(labels);
  const double labels_seconds = Seconds(since);
  const TMemory labelled = Memory();

  // What closing the editor frees.
  const int groups = pads->Count() + vias->Count();
  const int label_count = labels.Count();
  since = TClock::now();
  for (int i = 0; i < labels.Count(); ++i) delete labels.GetObject(i);
  labels.Clear();
  pads.reset();
  vias.reset();
  const double free_seconds = Seconds(since);

  const double n = primitives > 0 ? primitives : 1;
  std::printf("| %s | %d | %d | %d | %.2f | %.0f | %.0f | %.2f | %.3f | %.3f | %.1f | %.1f | %.0f |\n", name.c_str(),
              primitives, groups, label_count, open_seconds, (opened.peak - start.resident) / n,
              (opened.resident - start.resident) / n, lists_seconds, labels_seconds, free_seconds,
              (listed.resident - opened.resident) / n, (labelled.resident - listed.resident) / n,
              labelled.peak / (1 << 20));
  return 0;
}

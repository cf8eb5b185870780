// Reading every primitive of a generated board of mixed kinds through CreatePcbObject, kind by kind:
// host calls per primitive (iteration included) and time, beside the editor's hole-size read of the
// same board's pads and vias. Run by hand:
//   build/win32/wine-run build/win32/bench/pcb/bench_primitive_objects.exe [primitives]
// (100000 by default). Prints a table; asserts nothing.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/text_convert.h"
#include "hostkit/bridge/host_bridge.h"
#include "pcb/objects/create_pcb_object.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_iteration.h"

namespace {

template <class F>
F Dralith(const char* name) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Dralith.dll"), name)));
}

struct TKindShare {
  TObjectId kind;
  const char* name;
  int weight;  // parts in 100
};

// A board's usual mix: mostly tracks and pads, a few of everything else.
const TKindShare kMix[] = {
    {eTrackObject, "track", 37},       {ePadObject, "pad", 20},
    {eViaObject, "via", 10},           {eArcObject, "arc", 5},
    {eTextObject, "text", 5},          {eFillObject, "fill", 3},
    {eRegionObject, "region", 3},      {eComponentObject, "component", 2},
    {eNetObject, "net", 2},            {ePolyObject, "polygon", 1},
    {eConnectionObject, "fromTo", 1},  {eComponentBodyObject, "componentBody", 1},
    {eDimensionObject, "dimension", 1}, {eCoordinateObject, "coordinate", 1},
    {eClassObject, "class", 1},        {eRuleObject, "rule", 1},
    {eFromToObject, "manualFromTo", 1}, {eDifferentialPairObject, "differentialPair", 1},
    {eViolationObject, "violation", 1}, {eEmbeddedObject, "embedded", 1},
    {eEmbeddedBoardObject, "embeddedBoard", 1}, {eSplitPlaneObject, "splitPlane", 1},
};

std::string PrimitiveJson(TObjectId kind, const char* name, uint32_t handle) {
  const std::string h = std::to_string(handle), at = std::to_string(handle % 1000 * 10000);
  std::string json = "{\"kind\": \"" + std::string(name) + "\", \"handle\": " + h;
  switch (kind) {
    case ePadObject:
      return json + ", \"layer\": 74, \"x\": " + at + ", \"y\": 0, \"holeSize\": 30000, " +
             "\"stack\": [[1, 2, 60000, 60000, 0, 0], [32, 1, 60000, 60000, 0, 0]]}";
    case eViaObject:
      return json + ", \"layer\": 1, \"x\": " + at + ", \"y\": 5, \"size\": 40000, " +
             "\"holeSize\": 20000}";
    case eTrackObject:
    case eFillObject:
      return json + ", \"layer\": 1, \"x\": " + at + ", \"y\": 0, \"x2\": 5, \"y2\": 9}";
    case eArcObject:
    case eCoordinateObject:
    case eComponentObject:
    case eEmbeddedBoardObject:
      return json + ", \"layer\": 1, \"x\": " + at + ", \"y\": 0}";
    case eTextObject:
      return json + ", \"layer\": 33, \"x\": " + at + ", \"y\": 0, \"text\": \"T" + h + "\"}";
    case eClassObject:
      return json + ", \"name\": \"C" + h + "\", \"members\": [\"GND\", \"VCC\"]}";
    case eDimensionObject:
      return json + ", \"references\": [[1, 2, 3, 4]]}";
    case eEmbeddedObject:
      return json + ", \"data\": \"00112233\"}";
    case eRegionObject:
    case ePolyObject:
    case eSplitPlaneObject:
      return json + ", \"vertices\": [[0, 0], [10, 0], [10, 10]]}";
    default:
      return json + "}";
  }
}

std::wstring WriteBoard(uint32_t primitives) {
  std::string text =
      "{\n  \"format\": \"dralith-board\",\n  \"version\": 1,\n  \"board\": {\"unit\": 0},\n"
      "  \"primitives\": [\n";
  uint32_t handle = 0;
  for (const TKindShare& share : kMix) {
    const uint32_t count = primitives * share.weight / 100;
    for (uint32_t i = 0; i < count; ++i) {
      ++handle;
      text += (handle > 1 ? ",\n    " : "    ") + PrimitiveJson(share.kind, share.name, handle);
    }
  }
  text += "\n  ]\n}\n";
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"bench_primitive_objects.json";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

struct TRun {
  uint32_t primitives = 0;
  uint32_t calls = 0;
  double seconds = 0;
};

template <class Read>
TRun Measure(uint32_t board, std::initializer_list<TObjectId> kinds, Read read) {
  auto count = Dralith<HostKitPcb_CallCountProc>("HostKitPcb_CallCount");
  TRun run;
  const uint32_t before = count();
  const auto start = std::chrono::steady_clock::now();
  for (TObjectId kind : kinds) {
    ForEachPrimitive(board, kind, [&](uint32_t handle) {
      read(handle, kind);
      ++run.primitives;
    });
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.calls = count() - before;
  return run;
}

void Row(const char* what, const TRun& run) {
  std::printf("| %-34s | %10u | %10.2f | %9.3f | %12.0f |\n", what, run.primitives,
              run.primitives ? double(run.calls) / run.primitives : 0.0, run.seconds,
              run.seconds > 0 ? run.primitives / run.seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  const uint32_t primitives = argc > 1 ? static_cast<uint32_t>(std::stoul(argv[1])) : 100000;
  if (!LoadLibraryW(L"Dralith.dll")) {
    std::fprintf(stderr, "Dralith.dll is not beside the benchmark\n");
    return 1;
  }
  const std::wstring path = WriteBoard(primitives);
  wchar_t error[512] = L"";
  if (!Dralith<HostKitPcb_OpenBoardProc>("HostKitPcb_OpenBoard")(path.c_str(), error, 512)) {
    std::fprintf(stderr, "%s\n", ToAnsi(error).c_str());
    return 1;
  }
  DeleteFileW(path.c_str());
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  std::printf("| read | primitives | host calls per primitive | seconds | primitives per second |\n");
  std::printf("|---|---|---|---|---|\n");
  TRun all;
  long long checksum = 0;
  for (const TKindShare& share : kMix) {
    const TRun run = Measure(board, {share.kind}, [&](uint32_t handle, TObjectId) {
      const auto object = CreatePcbObject(handle);
      checksum += object ? object->ObjectId : 0;
    });
    Row((std::string("CreatePcbObject: ") + share.name).c_str(), run);
    all.primitives += run.primitives;
    all.calls += run.calls;
    all.seconds += run.seconds;
  }
  Row("CreatePcbObject: every kind", all);
  const TRun editor = Measure(board, {ePadObject, eViaObject}, [&](uint32_t handle, TObjectId kind) {
    checksum += ReadHoleSize(handle, kind);
  });
  Row("hole-size read (editor), pads+vias", editor);
  std::fprintf(stderr, "checksum %lld\n", checksum);
  return 0;
}

// The exports that are not a plain record transfer: the current document, iteration, object kinds
// and bit fields, the pad stack per layer, and the queries common to every primitive.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "editor.h"
#include "export_support.h"
#include "hostapi/pcb_api.h"

namespace {

std::string Str(int64_t value) { return std::to_string(value); }

TPrimitive* FindPrimitive(uint32_t handle) {
  TBoard* board = TEditor::get().EditedBoard();
  return board ? board->Find(handle) : nullptr;
}

// The modelled kinds whose records carry the common block (flags, layer, …) by these names.
bool HasField(const TPrimitive& primitive, const char* field) {
  return primitive.RecordSchema().Find(field) >= 0;
}

int32_t Finish(const char* name, const std::string& args, int32_t status,
               const std::vector<const char*>* changed = nullptr) {
  TraceCall(name, args, status, changed);
  return status;
}

// A change of a pad's stack on one layer, bracketed like a record write.
int32_t ChangeStack(const char* name, uint32_t handle, uint8_t layer, const std::string& args,
                     void (*apply)(TStackEntry&, int32_t, int32_t), int32_t a, int32_t b) {
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindPrimitive(handle);
  if (!primitive || primitive->kind != 2 || layer > kLegacyLayers) {
    return Finish(name, args, kStatusNotFound);
  }
  TStackEntry entry = primitive->OnLayer(layer);
  apply(entry, a, b);
  TEditor::get().BeforeChange(name, *primitive);
  primitive->PutOnLayer(entry);
  TEditor::get().AfterChange();
  return Finish(name, args, kStatusOk);
}

template <class T>
int32_t QueryStack(const char* name, uint32_t handle, uint8_t layer,
                    T (*pick)(const TPrimitive&, int), T* out, T* out2 = nullptr,
                    T (*pick2)(const TPrimitive&, int) = nullptr) {
  const std::string args = Str(handle) + ", " + Str(layer);
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindPrimitive(handle);
  if (!primitive || (primitive->kind != 2 && primitive->kind != 3) || layer > kLegacyLayers) {
    return Finish(name, args, kStatusNotFound);
  }
  *out = pick(*primitive, layer);
  if (out2) *out2 = pick2(*primitive, layer);
  return Finish(name, args, kStatusOk);
}

// A via is round and of one size on every layer.
int32_t ViaSize(const TPrimitive& via) { return static_cast<int32_t>(via.get("size")); }

int32_t StackX(const TPrimitive& p, int layer) {
  return p.kind == 3 ? ViaSize(p) : p.OnLayer(layer).x_size;
}
int32_t StackY(const TPrimitive& p, int layer) {
  return p.kind == 3 ? ViaSize(p) : p.OnLayer(layer).y_size;
}
uint8_t StackShape(const TPrimitive& p, int layer) {
  return p.kind == 3 ? (layer ? 1 : 0) : p.OnLayer(layer).shape;
}
int32_t StackRadius(const TPrimitive& p, int layer) {
  return p.kind == 3 ? 0 : p.OnLayer(layer).corner_radius;
}
uint8_t StackPercent(const TPrimitive& p, int layer) {
  return p.kind == 3 ? 0 : p.OnLayer(layer).cr_percent;
}

template <class T>
void BitField(const char* name, const char* field, uint8_t read_flag, uint32_t handle, T* value) {
  const std::string args = Str(read_flag) + ", " + Str(handle);
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return;
  }
  TPrimitive* primitive = FindPrimitive(handle);
  if (!primitive) {
    Finish(name, args, kStatusNotFound);
    return;
  }
  if (read_flag != 0) {
    *value = static_cast<T>(primitive->get(field));
  } else if (primitive->get(field) != *value) {
    TEditor::get().BeforeChange(name, *primitive);
    primitive->Set(field, *value);
    TEditor::get().AfterChange();
    std::vector<const char*> changed{field};
    Finish(name, args, kStatusOk, &changed);
    return;
  }
  Finish(name, args, kStatusOk);
}

}  // namespace

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetCurrentBoardHandle() {
  const char* name = "PcbApi_GetCurrentBoardHandle";
  if (EnterCall(name)) return Finish(name, "", 0);
  return static_cast<uint32_t>(
      Finish(name, "", static_cast<int32_t>(TEditor::get().CurrentBoard())));
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetCurrentEditorWindow() {
  const char* name = "PcbApi_GetCurrentEditorWindow";
  if (EnterCall(name)) return Finish(name, "", 0);
  const uint32_t window = TEditor::get().CurrentEditorWindow();
  TraceCall(name, "", window);
  return window;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_CreateIterator(uint32_t board, uint8_t object_id,
                                                        uint8_t method, uint32_t layer) {
  const char* name = "PcbApi_CreateIterator";
  const std::string args =
      Str(board) + ", " + Str(object_id) + ", " + Str(method) + ", " + Str(layer);
  if (EnterCall(name)) return Finish(name, args, 0);
  const uint32_t iterator = TEditor::get().CreateIterator(board, object_id, method, layer);
  TraceCall(name, args, iterator);
  return iterator;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_DestroyIterator(uint32_t iterator) {
  const char* name = "PcbApi_DestroyIterator";
  if (EnterCall(name)) return Finish(name, Str(iterator), 0);
  const uint32_t result = TEditor::get().Destroy(iterator) ? 0 : 1;
  TraceCall(name, Str(iterator), result);
  return result;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetFirstObject(uint32_t iterator) {
  const char* name = "PcbApi_GetFirstObject";
  if (EnterCall(name)) return Finish(name, Str(iterator), 0);
  const uint32_t handle = TEditor::get().First(iterator);
  TraceCall(name, Str(iterator), handle);
  return handle;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetNextObject(uint32_t iterator) {
  const char* name = "PcbApi_GetNextObject";
  if (EnterCall(name)) return Finish(name, Str(iterator), 0);
  const uint32_t handle = TEditor::get().Next(iterator);
  TraceCall(name, Str(iterator), handle);
  return handle;
}

DRALITH_EXPORT uint8_t __stdcall PcbApi_GetObjectIdFromObjectHandle(uint32_t handle) {
  const char* name = "PcbApi_GetObjectIdFromObjectHandle";
  if (EnterCall(name)) return static_cast<uint8_t>(Finish(name, Str(handle), 0));
  const TPrimitive* primitive = FindPrimitive(handle);
  const uint8_t kind = primitive ? primitive->kind : 0;
  TraceCall(name, Str(handle), kind);
  return kind;
}

DRALITH_EXPORT void __stdcall PcbApi_GetObjectBitField2(uint8_t read_flag, uint32_t handle,
                                                        uint8_t* flags2) {
  BitField("PcbApi_GetObjectBitField2", "flags2", read_flag, handle, flags2);
}

DRALITH_EXPORT void __stdcall PcbApi_GetObjectBitField3(uint8_t read_flag, uint32_t handle,
                                                        uint16_t* flags3) {
  BitField("PcbApi_GetObjectBitField3", "flags3", read_flag, handle, flags3);
}

DRALITH_EXPORT void __stdcall PcbApi_GetDesignatorDisplayString(TRecordText* text, uint32_t handle) {
  const char* name = "PcbApi_GetDesignatorDisplayString";
  if (EnterCall(name)) {
    Finish(name, Str(handle), 0);
    return;
  }
  text->Length = 0;
  const TPrimitive* primitive = FindPrimitive(handle);
  if (primitive && primitive->kind == 5) {
    const TSchema& schema = primitive->RecordSchema();
    const std::string_view shown =
        GetText(primitive->record, schema.Fields()[schema.Find("text")]);
    text->Length = static_cast<uint8_t>(shown.size());
    std::memcpy(text->Chars, shown.data(), shown.size());
  }
  Finish(name, Str(handle), primitive ? kStatusOk : kStatusNotFound);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPrimitive(uint8_t read_flag, uint32_t handle,
                                                       uint16_t* flags, uint16_t* value16,
                                                       uint32_t* layer, uint32_t* value32a,
                                                       uint32_t* value32b, uint8_t* value8) {
  const char* name = "PcbApi_QueryPrimitive";
  const std::string args = Str(read_flag) + ", " + Str(handle);
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindPrimitive(handle);
  if (!primitive || !HasField(*primitive, "flags")) return Finish(name, args, kStatusNotFound);
  const TSchema& schema = primitive->RecordSchema();
  const int fields[] = {schema.Find("flags"),    schema.Find("value16"),  schema.Find("layer"),
                        schema.Find("value32a"), schema.Find("value32b"), schema.Find("value8")};
  const TFieldRef refs[] = {flags, value16, layer, value32a, value32b, value8};
  if (read_flag != 0) {
    ReadFields(primitive->record, schema, fields, refs);
    return Finish(name, args, kStatusOk);
  }
  TRecord updated = primitive->record;
  std::vector<const char*> changed;
  if (!WriteFields(updated, schema, fields, refs, &changed)) {
    return Finish(name, args, kStatusInvalidValue);
  }
  TEditor::get().BeforeChange(name, *primitive);
  primitive->record = std::move(updated);
  TEditor::get().AfterChange();
  return Finish(name, args, kStatusOk, &changed);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadOrViaShapeOnLayer(uint32_t handle,
                                                                  uint8_t legacy_layer,
                                                                  uint8_t* shape) {
  return QueryStack("PcbApi_QueryPadOrViaShapeOnLayer", handle, legacy_layer, StackShape, shape);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadOrViaSizeOnLayer(uint32_t handle,
                                                                 uint8_t legacy_layer,
                                                                 int32_t* x_size, int32_t* y_size) {
  return QueryStack("PcbApi_QueryPadOrViaSizeOnLayer", handle, legacy_layer, StackX, x_size, y_size,
                     StackY);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadCornerRadiusOnLayer(uint32_t handle,
                                                                    uint8_t legacy_layer,
                                                                    int32_t* radius) {
  return QueryStack("PcbApi_QueryPadCornerRadiusOnLayer", handle, legacy_layer, StackRadius,
                     radius);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadCRPercentageOnLayer(uint32_t handle,
                                                                    uint8_t legacy_layer,
                                                                    uint8_t* percent) {
  return QueryStack("PcbApi_QueryPadCRPercentageOnLayer", handle, legacy_layer, StackPercent,
                     percent);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetPadShapeOnLayer(uint32_t handle, uint8_t legacy_layer,
                                                           uint8_t shape) {
  return ChangeStack(
      "PcbApi_SetPadShapeOnLayer", handle, legacy_layer,
      Str(handle) + ", " + Str(legacy_layer) + ", " + Str(shape),
      [](TStackEntry& e, int32_t a, int32_t) { e.shape = static_cast<uint8_t>(a); }, shape, 0);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetPadSizeOnLayer(uint32_t handle, uint8_t legacy_layer,
                                                          int32_t x_size, int32_t y_size) {
  return ChangeStack(
      "PcbApi_SetPadSizeOnLayer", handle, legacy_layer,
      Str(handle) + ", " + Str(legacy_layer) + ", " + Str(x_size) + ", " + Str(y_size),
      [](TStackEntry& e, int32_t a, int32_t b) {
        e.x_size = a;
        e.y_size = b;
      },
      x_size, y_size);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetCRPctOnLayer(uint32_t handle, uint8_t legacy_layer,
                                                        uint8_t percent) {
  return ChangeStack(
      "PcbApi_SetCRPctOnLayer", handle, legacy_layer,
      Str(handle) + ", " + Str(legacy_layer) + ", " + Str(percent),
      [](TStackEntry& e, int32_t a, int32_t) { e.cr_percent = static_cast<uint8_t>(a); }, percent, 0);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryObjectBoundingRectangle(uint32_t handle, int32_t* left,
                                                                     int32_t* bottom,
                                                                     int32_t* right, int32_t* top) {
  const char* name = "PcbApi_QueryObjectBoundingRectangle";
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, Str(handle), injected, nullptr, true);
    return injected;
  }
  const TPrimitive* primitive = FindPrimitive(handle);
  if (!primitive) return Finish(name, Str(handle), kStatusNotFound);
  const int64_t x = primitive->get("x"), y = primitive->get("y");
  int64_t x1 = x, y1 = y, x2 = x, y2 = y;
  if (HasField(*primitive, "x2")) {
    x2 = primitive->get("x2");
    y2 = primitive->get("y2");
  }
  int64_t half_x = 0, half_y = 0;
  if (primitive->kind == 2) {
    for (const TStackEntry& entry : primitive->stack) {
      half_x = std::max<int64_t>(half_x, entry.x_size / 2);
      half_y = std::max<int64_t>(half_y, entry.y_size / 2);
    }
  } else if (primitive->kind == 3) {
    half_x = half_y = primitive->get("size") / 2;
  } else if (primitive->kind == 1) {
    half_x = half_y = primitive->get("radius");
  } else {
    half_x = half_y = primitive->get("width") / 2;
  }
  auto clamp = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  *left = clamp(std::min(x1, x2) - half_x);
  *bottom = clamp(std::min(y1, y2) - half_y);
  *right = clamp(std::max(x1, x2) + half_x);
  *top = clamp(std::max(y1, y2) + half_y);
  return Finish(name, Str(handle), kStatusOk);
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_QueryObjectImport_FromUser(uint32_t handle) {
  // The stand-in imports nothing from the user: every primitive reads as not imported.
  const char* name = "PcbApi_QueryObjectImport_FromUser";
  if (int32_t injected = EnterCall(name))
    return static_cast<uint32_t>(Finish(name, Str(handle), injected));
  return static_cast<uint32_t>(Finish(name, Str(handle), 0));
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryObjectGraphicallyInvalidate(uint32_t handle) {
  const char* name = "PcbApi_QueryObjectGraphicallyInvalidate";
  if (int32_t injected = EnterCall(name)) return Finish(name, Str(handle), injected);
  if (!FindPrimitive(handle)) return Finish(name, Str(handle), kStatusNotFound);
  if (HWND window = TEditor::get().Window()) InvalidateRect(window, nullptr, TRUE);
  return Finish(name, Str(handle), kStatusOk);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerPairsCount(uint32_t handle, uint32_t* count,
                                                                  uint8_t read_flag) {
  const char* name = "PcbApi_QueryBoardLayerPairsCount";
  const std::string args = Str(handle) + ", " + Str(read_flag);
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return injected;
  }
  TBoard* board = TEditor::get().BoardOf(handle);
  if (!board) return Finish(name, args, kStatusNotFound);
  if (read_flag != 0) {
    *count = static_cast<uint32_t>(board->pairs.size());
  } else {
    // A write sets the number of pairs; new ones start empty and are filled by the pair writes.
    if (*count > 4096) return Finish(name, args, kStatusInvalidValue);
    board->pairs.resize(*count, TBoard::DefaultRecord(TGroup::pair));
  }
  return Finish(name, args, kStatusOk);
}

namespace {

int32_t OutputLayerFlag(const char* name, uint8_t read_flag, uint32_t handle, uint32_t output_layer,
                          uint8_t* value, bool plot) {
  const std::string args = Str(read_flag) + ", " + Str(handle) + ", " + Str(output_layer);
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, args, injected, nullptr, true);
    return injected;
  }
  TBoard* board = TEditor::get().BoardOf(handle);
  if (!board || output_layer < 1 || output_layer > kOutputLayers) {
    return Finish(name, args, kStatusNotFound);
  }
  uint8_t& flag = plot ? board->plot_layers[output_layer] : board->flip_layers[output_layer];
  if (read_flag != 0) {
    *value = flag;
  } else {
    flag = *value;
  }
  return Finish(name, args, kStatusOk);
}

}  // namespace

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptionsPlotLayers(uint8_t read_flag,
                                                                          uint32_t handle,
                                                                          uint32_t output_layer,
                                                                          uint8_t* plot) {
  return OutputLayerFlag("PcbApi_QueryBoardOutputOptionsPlotLayers", read_flag, handle,
                           output_layer, plot, true);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptionsFlipLayers(uint8_t read_flag,
                                                                          uint32_t handle,
                                                                          uint32_t output_layer,
                                                                          uint8_t* flip) {
  return OutputLayerFlag("PcbApi_QueryBoardOutputOptionsFlipLayers", read_flag, handle,
                           output_layer, flip, false);
}

static_assert(
    std::is_same_v<decltype(&PcbApi_GetCurrentBoardHandle), PcbApi_GetCurrentBoardHandle_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_GetCurrentEditorWindow), PcbApi_GetCurrentEditorWindow_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_CreateIterator), PcbApi_CreateIterator_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_DestroyIterator), PcbApi_DestroyIterator_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetFirstObject), PcbApi_GetFirstObject_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetNextObject), PcbApi_GetNextObject_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetObjectIdFromObjectHandle),
                             PcbApi_GetObjectIdFromObjectHandle_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetObjectBitField2), PcbApi_GetObjectBitField2_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetObjectBitField3), PcbApi_GetObjectBitField3_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_GetDesignatorDisplayString),
                             PcbApi_GetDesignatorDisplayString_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPrimitive), PcbApi_QueryPrimitive_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPadOrViaShapeOnLayer),
                             PcbApi_QueryPadOrViaShapeOnLayer_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryPadOrViaSizeOnLayer), PcbApi_QueryPadOrViaSizeOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPadCornerRadiusOnLayer),
                             PcbApi_QueryPadCornerRadiusOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPadCRPercentageOnLayer),
                             PcbApi_QueryPadCRPercentageOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_SetPadShapeOnLayer), PcbApi_SetPadShapeOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_SetPadSizeOnLayer), PcbApi_SetPadSizeOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_SetCRPctOnLayer), PcbApi_SetCRPctOnLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryObjectBoundingRectangle),
                             PcbApi_QueryObjectBoundingRectangle_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryObjectImport_FromUser),
                             PcbApi_QueryObjectImport_FromUser_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryObjectGraphicallyInvalidate),
                             PcbApi_QueryObjectGraphicallyInvalidate_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardLayerPairsCount),
                             PcbApi_QueryBoardLayerPairsCount_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardOutputOptionsPlotLayers),
                             PcbApi_QueryBoardOutputOptionsPlotLayers_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardOutputOptionsFlipLayers),
                             PcbApi_QueryBoardOutputOptionsFlipLayers_fn>);

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

std::string str(int64_t value) { return std::to_string(value); }

Primitive* find_primitive(uint32_t handle) {
  Board* board = Editor::get().board();
  return board ? board->find(handle) : nullptr;
}

// The modelled kinds whose records carry the common block (flags, layer, …) by these names.
bool has_field(const Primitive& primitive, const char* field) {
  return primitive.schema().find(field) >= 0;
}

int32_t finish(const char* name, const std::string& args, int32_t status,
               const std::vector<const char*>* changed = nullptr) {
  trace_call(name, args, status, changed);
  return status;
}

// A change of a pad's stack on one layer, bracketed like a record write.
int32_t change_stack(const char* name, uint32_t handle, uint8_t layer, const std::string& args,
                     void (*apply)(StackEntry&, int32_t, int32_t), int32_t a, int32_t b) {
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = find_primitive(handle);
  if (!primitive || primitive->kind != 2 || layer > kLegacyLayers) {
    return finish(name, args, kStatusNotFound);
  }
  StackEntry entry = primitive->on_layer(layer);
  apply(entry, a, b);
  Editor::get().before_change(name, *primitive);
  primitive->put_on_layer(entry);
  Editor::get().after_change();
  return finish(name, args, kStatusOk);
}

template <class T>
int32_t query_stack(const char* name, uint32_t handle, uint8_t layer,
                    T (*pick)(const Primitive&, int), T* out, T* out2 = nullptr,
                    T (*pick2)(const Primitive&, int) = nullptr) {
  const std::string args = str(handle) + ", " + str(layer);
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = find_primitive(handle);
  if (!primitive || (primitive->kind != 2 && primitive->kind != 3) || layer > kLegacyLayers) {
    return finish(name, args, kStatusNotFound);
  }
  *out = pick(*primitive, layer);
  if (out2) *out2 = pick2(*primitive, layer);
  return finish(name, args, kStatusOk);
}

// A via is round and of one size on every layer.
int32_t via_size(const Primitive& via) { return static_cast<int32_t>(via.get("size")); }

int32_t stack_x(const Primitive& p, int layer) {
  return p.kind == 3 ? via_size(p) : p.on_layer(layer).xSize;
}
int32_t stack_y(const Primitive& p, int layer) {
  return p.kind == 3 ? via_size(p) : p.on_layer(layer).ySize;
}
uint8_t stack_shape(const Primitive& p, int layer) {
  return p.kind == 3 ? (layer ? 1 : 0) : p.on_layer(layer).shape;
}
int32_t stack_radius(const Primitive& p, int layer) {
  return p.kind == 3 ? 0 : p.on_layer(layer).cornerRadius;
}
uint8_t stack_percent(const Primitive& p, int layer) {
  return p.kind == 3 ? 0 : p.on_layer(layer).crPercent;
}

template <class T>
void bit_field(const char* name, const char* field, uint8_t readFlag, uint32_t handle, T* value) {
  const std::string args = str(readFlag) + ", " + str(handle);
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return;
  }
  Primitive* primitive = find_primitive(handle);
  if (!primitive) {
    finish(name, args, kStatusNotFound);
    return;
  }
  if (readFlag != 0) {
    *value = static_cast<T>(primitive->get(field));
  } else if (primitive->get(field) != *value) {
    Editor::get().before_change(name, *primitive);
    primitive->set(field, *value);
    Editor::get().after_change();
    std::vector<const char*> changed{field};
    finish(name, args, kStatusOk, &changed);
    return;
  }
  finish(name, args, kStatusOk);
}

}  // namespace

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetCurrentBoardHandle() {
  const char* name = "PcbApi_GetCurrentBoardHandle";
  if (enter_call(name)) return finish(name, "", 0);
  return static_cast<uint32_t>(
      finish(name, "", static_cast<int32_t>(Editor::get().current_board())));
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetCurrentEditorWindow() {
  const char* name = "PcbApi_GetCurrentEditorWindow";
  if (enter_call(name)) return finish(name, "", 0);
  const uint32_t window = Editor::get().current_editor_window();
  trace_call(name, "", window);
  return window;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_CreateIterator(uint32_t board, uint8_t objectId,
                                                        uint8_t method, uint32_t layer) {
  const char* name = "PcbApi_CreateIterator";
  const std::string args =
      str(board) + ", " + str(objectId) + ", " + str(method) + ", " + str(layer);
  if (enter_call(name)) return finish(name, args, 0);
  const uint32_t iterator = Editor::get().create_iterator(board, objectId, method, layer);
  trace_call(name, args, iterator);
  return iterator;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_DestroyIterator(uint32_t iterator) {
  const char* name = "PcbApi_DestroyIterator";
  if (enter_call(name)) return finish(name, str(iterator), 0);
  const uint32_t result = Editor::get().destroy(iterator) ? 0 : 1;
  trace_call(name, str(iterator), result);
  return result;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetFirstObject(uint32_t iterator) {
  const char* name = "PcbApi_GetFirstObject";
  if (enter_call(name)) return finish(name, str(iterator), 0);
  const uint32_t handle = Editor::get().first(iterator);
  trace_call(name, str(iterator), handle);
  return handle;
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_GetNextObject(uint32_t iterator) {
  const char* name = "PcbApi_GetNextObject";
  if (enter_call(name)) return finish(name, str(iterator), 0);
  const uint32_t handle = Editor::get().next(iterator);
  trace_call(name, str(iterator), handle);
  return handle;
}

DRALITH_EXPORT uint8_t __stdcall PcbApi_GetObjectIdFromObjectHandle(uint32_t handle) {
  const char* name = "PcbApi_GetObjectIdFromObjectHandle";
  if (enter_call(name)) return static_cast<uint8_t>(finish(name, str(handle), 0));
  const Primitive* primitive = find_primitive(handle);
  const uint8_t kind = primitive ? primitive->kind : 0;
  trace_call(name, str(handle), kind);
  return kind;
}

DRALITH_EXPORT void __stdcall PcbApi_GetObjectBitField2(uint8_t readFlag, uint32_t handle,
                                                        uint8_t* flags2) {
  bit_field("PcbApi_GetObjectBitField2", "flags2", readFlag, handle, flags2);
}

DRALITH_EXPORT void __stdcall PcbApi_GetObjectBitField3(uint8_t readFlag, uint32_t handle,
                                                        uint16_t* flags3) {
  bit_field("PcbApi_GetObjectBitField3", "flags3", readFlag, handle, flags3);
}

DRALITH_EXPORT void __stdcall PcbApi_GetDesignatorDisplayString(PcbText* text, uint32_t handle) {
  const char* name = "PcbApi_GetDesignatorDisplayString";
  if (enter_call(name)) {
    finish(name, str(handle), 0);
    return;
  }
  text->Length = 0;
  const Primitive* primitive = find_primitive(handle);
  if (primitive && primitive->kind == 5) {
    const Schema& schema = primitive->schema();
    const std::string_view shown =
        get_text(primitive->record, schema.fields()[schema.find("text")]);
    text->Length = static_cast<uint8_t>(shown.size());
    std::memcpy(text->Chars, shown.data(), shown.size());
  }
  finish(name, str(handle), primitive ? kStatusOk : kStatusNotFound);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPrimitive(uint8_t readFlag, uint32_t handle,
                                                       uint16_t* flags, uint16_t* value16,
                                                       uint32_t* layer, uint32_t* value32a,
                                                       uint32_t* value32b, uint8_t* value8) {
  const char* name = "PcbApi_QueryPrimitive";
  const std::string args = str(readFlag) + ", " + str(handle);
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = find_primitive(handle);
  // Only the records that start with the whole common block answer.
  if (!primitive || !has_field(*primitive, "value16")) return finish(name, args, kStatusNotFound);
  const Schema& schema = primitive->schema();
  const int fields[] = {schema.find("flags"),    schema.find("value16"),  schema.find("layer"),
                        schema.find("value32a"), schema.find("value32b"), schema.find("value8")};
  const FieldRef refs[] = {flags, value16, layer, value32a, value32b, value8};
  if (readFlag != 0) {
    read_fields(primitive->record, schema, fields, refs);
    return finish(name, args, kStatusOk);
  }
  Record updated = primitive->record;
  std::vector<const char*> changed;
  if (!write_fields(updated, schema, fields, refs, &changed)) {
    return finish(name, args, kStatusInvalidValue);
  }
  Editor::get().before_change(name, *primitive);
  primitive->record = std::move(updated);
  Editor::get().after_change();
  return finish(name, args, kStatusOk, &changed);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadOrViaShapeOnLayer(uint32_t handle,
                                                                  uint8_t legacyLayer,
                                                                  uint8_t* shape) {
  return query_stack("PcbApi_QueryPadOrViaShapeOnLayer", handle, legacyLayer, stack_shape, shape);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadOrViaSizeOnLayer(uint32_t handle,
                                                                 uint8_t legacyLayer,
                                                                 int32_t* xSize, int32_t* ySize) {
  return query_stack("PcbApi_QueryPadOrViaSizeOnLayer", handle, legacyLayer, stack_x, xSize, ySize,
                     stack_y);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadCornerRadiusOnLayer(uint32_t handle,
                                                                    uint8_t legacyLayer,
                                                                    int32_t* radius) {
  return query_stack("PcbApi_QueryPadCornerRadiusOnLayer", handle, legacyLayer, stack_radius,
                     radius);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadCRPercentageOnLayer(uint32_t handle,
                                                                    uint8_t legacyLayer,
                                                                    uint8_t* percent) {
  return query_stack("PcbApi_QueryPadCRPercentageOnLayer", handle, legacyLayer, stack_percent,
                     percent);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetPadShapeOnLayer(uint32_t handle, uint8_t legacyLayer,
                                                           uint8_t shape) {
  return change_stack(
      "PcbApi_SetPadShapeOnLayer", handle, legacyLayer,
      str(handle) + ", " + str(legacyLayer) + ", " + str(shape),
      [](StackEntry& e, int32_t a, int32_t) { e.shape = static_cast<uint8_t>(a); }, shape, 0);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetPadSizeOnLayer(uint32_t handle, uint8_t legacyLayer,
                                                          int32_t xSize, int32_t ySize) {
  return change_stack(
      "PcbApi_SetPadSizeOnLayer", handle, legacyLayer,
      str(handle) + ", " + str(legacyLayer) + ", " + str(xSize) + ", " + str(ySize),
      [](StackEntry& e, int32_t a, int32_t b) {
        e.xSize = a;
        e.ySize = b;
      },
      xSize, ySize);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_SetCRPctOnLayer(uint32_t handle, uint8_t legacyLayer,
                                                        uint8_t percent) {
  return change_stack(
      "PcbApi_SetCRPctOnLayer", handle, legacyLayer,
      str(handle) + ", " + str(legacyLayer) + ", " + str(percent),
      [](StackEntry& e, int32_t a, int32_t) { e.crPercent = static_cast<uint8_t>(a); }, percent, 0);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryObjectBoundingRectangle(uint32_t handle, int32_t* left,
                                                                     int32_t* bottom,
                                                                     int32_t* right, int32_t* top) {
  const char* name = "PcbApi_QueryObjectBoundingRectangle";
  if (int32_t injected = enter_call(name)) {
    trace_call(name, str(handle), injected, nullptr, true);
    return injected;
  }
  const Primitive* primitive = find_primitive(handle);
  if (!primitive) return finish(name, str(handle), kStatusNotFound);
  const int64_t x = primitive->get("x"), y = primitive->get("y");
  int64_t x1 = x, y1 = y, x2 = x, y2 = y;
  if (has_field(*primitive, "x2")) {
    x2 = primitive->get("x2");
    y2 = primitive->get("y2");
  }
  int64_t half_x = 0, half_y = 0;
  if (primitive->kind == 2) {
    for (const StackEntry& entry : primitive->stack) {
      half_x = std::max<int64_t>(half_x, entry.xSize / 2);
      half_y = std::max<int64_t>(half_y, entry.ySize / 2);
    }
  } else if (primitive->kind == 3) {
    half_x = half_y = primitive->get("size") / 2;
  } else if (primitive->kind == 1) {
    half_x = half_y = primitive->get("radius");
  } else {
    half_x = half_y = primitive->get("width") / 2;
  }
  if (!primitive->vertices.empty()) {
    x1 = x2 = primitive->vertices.front().x;
    y1 = y2 = primitive->vertices.front().y;
    for (const TVertex& v : primitive->vertices) {
      x1 = std::min<int64_t>(x1, v.x);
      x2 = std::max<int64_t>(x2, v.x);
      y1 = std::min<int64_t>(y1, v.y);
      y2 = std::max<int64_t>(y2, v.y);
    }
  }
  auto clamp = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  *left = clamp(std::min(x1, x2) - half_x);
  *bottom = clamp(std::min(y1, y2) - half_y);
  *right = clamp(std::max(x1, x2) + half_x);
  *top = clamp(std::max(y1, y2) + half_y);
  return finish(name, str(handle), kStatusOk);
}

DRALITH_EXPORT uint32_t __stdcall PcbApi_QueryObjectImport_FromUser(uint32_t handle) {
  // The stand-in imports nothing from the user: every primitive reads as not imported.
  const char* name = "PcbApi_QueryObjectImport_FromUser";
  if (int32_t injected = enter_call(name))
    return static_cast<uint32_t>(finish(name, str(handle), injected));
  return static_cast<uint32_t>(finish(name, str(handle), 0));
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryObjectGraphicallyInvalidate(uint32_t handle) {
  const char* name = "PcbApi_QueryObjectGraphicallyInvalidate";
  if (int32_t injected = enter_call(name)) return finish(name, str(handle), injected);
  if (!find_primitive(handle)) return finish(name, str(handle), kStatusNotFound);
  if (HWND window = Editor::get().window()) InvalidateRect(window, nullptr, TRUE);
  return finish(name, str(handle), kStatusOk);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerPairsCount(uint32_t handle, uint32_t* count,
                                                                  uint8_t readFlag) {
  const char* name = "PcbApi_QueryBoardLayerPairsCount";
  const std::string args = str(handle) + ", " + str(readFlag);
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return injected;
  }
  Board* board = Editor::get().board_of(handle);
  if (!board) return finish(name, args, kStatusNotFound);
  if (readFlag != 0) {
    *count = static_cast<uint32_t>(board->pairs.size());
  } else {
    // A write sets the number of pairs; new ones start empty and are filled by the pair writes.
    if (*count > 4096) return finish(name, args, kStatusInvalidValue);
    board->pairs.resize(*count, Board::default_record(Group::pair));
  }
  return finish(name, args, kStatusOk);
}

namespace {

int32_t output_layer_flag(const char* name, uint8_t readFlag, uint32_t handle, uint32_t outputLayer,
                          uint8_t* value, bool plot) {
  const std::string args = str(readFlag) + ", " + str(handle) + ", " + str(outputLayer);
  if (int32_t injected = enter_call(name)) {
    trace_call(name, args, injected, nullptr, true);
    return injected;
  }
  Board* board = Editor::get().board_of(handle);
  if (!board || outputLayer < 1 || outputLayer > kOutputLayers) {
    return finish(name, args, kStatusNotFound);
  }
  uint8_t& flag = plot ? board->plotLayers[outputLayer] : board->flipLayers[outputLayer];
  if (readFlag != 0) {
    *value = flag;
  } else {
    flag = *value;
  }
  return finish(name, args, kStatusOk);
}

}  // namespace

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptionsPlotLayers(uint8_t readFlag,
                                                                          uint32_t handle,
                                                                          uint32_t outputLayer,
                                                                          uint8_t* plot) {
  return output_layer_flag("PcbApi_QueryBoardOutputOptionsPlotLayers", readFlag, handle,
                           outputLayer, plot, true);
}

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptionsFlipLayers(uint8_t readFlag,
                                                                          uint32_t handle,
                                                                          uint32_t outputLayer,
                                                                          uint8_t* flip) {
  return output_layer_flag("PcbApi_QueryBoardOutputOptionsFlipLayers", readFlag, handle,
                           outputLayer, flip, false);
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

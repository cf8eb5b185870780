#pragma once
// What every PcbApi_ export of the module does around its own work: count the call, ask the host's
// fault injection, and write one trace line with the arguments and the result.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "hostapi/pcb_api.h"
#include "record.h"
#include "record_schemas.h"

#define DRALITH_EXPORT extern "C" __declspec(dllexport)

// Status results of the module's record exports.
inline constexpr int32_t kStatusOk = 0;
inline constexpr int32_t kStatusNotFound = 1;      // no such primitive, board, layer or index
inline constexpr int32_t kStatusInvalidValue = 2;  // a write with a value its field cannot hold
inline constexpr int32_t kStatusOutOfMemory = 3;   // a write the module had no memory for: not made

// Counts the call and returns the injected status (0 to proceed normally).
int32_t EnterCall(const char* name);
// One trace line "name(args) = result", with " [f1 f2]" listing the fields a write changed.
void TraceCall(const char* name, const std::string& args, int64_t result,
                const std::vector<const char*>* changed = nullptr, bool injected = false);

int32_t TransferPrimitive(TExportId id, uint8_t read_flag, uint32_t handle,
                           std::initializer_list<TFieldRef> refs);
int32_t TransferBoard(TExportId id, uint8_t read_flag, uint32_t handle, uint32_t index,
                       std::initializer_list<TFieldRef> refs);
// The lists some kinds carry beside their record: an object class's member names, a dimension's
// references, an embedded object's bytes. Each write is one change of the primitive.
int32_t ClassMemberAt(uint32_t handle, uint32_t index, TRecordText* name);
int32_t AddClassMember(uint32_t handle, const TRecordText* name);
int32_t RemoveClassMembers(uint32_t handle);
int32_t DimensionReferenceCount(uint8_t read_flag, uint32_t handle, uint32_t* count);
int32_t DimensionReferenceAt(uint8_t read_flag, uint32_t handle, uint32_t index, int32_t* f4,
                             int32_t* f5, int32_t* f6, int32_t* f7);
int32_t EmbeddedData(uint8_t read_flag, uint32_t handle, uint32_t* length, uint8_t* buffer);

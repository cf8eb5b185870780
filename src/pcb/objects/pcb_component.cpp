#include "pcb/objects/pcb_component.h"

#include "pcb/objects/create_pcb_object.h"
#include "pcb/pcb_api_wrappers.h"

int32_t TPcbComponent::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  PcbApi_QueryComponentChannelOffset(read_flag, Handle, &ChannelOffset);
  PcbApi_QueryComponentKind(read_flag, Handle, &ComponentKind);
  TLegacyLayer legacy = LayerIdToLegacyLayer(Layer);
  const int32_t status = PcbApi_QueryComponent(read_flag, Handle, &Flags, &Value16, &legacy,
                                               &Value32a, &Value8, &Value32b, &X, &Y, &Rotation,
                                               &NameText, &CommentText, &Pattern, &NameOn,
                                               &CommentOn);
  if (status == 0) Layer = LegacyLayerToLayerId(legacy);
  PcbApi_QueryComponentEx(read_flag, Handle, &SourceDesignator, &SourceUniqueId, &LockStrings, &F6);
  PcbApi_QueryComponentSourceLinks(read_flag, Handle, &FootprintDescription, &LibraryReference,
                                   &HierarchicalPath, &SourceLibrary, &F7, &F8, &F9, &F10);
  PcbApi_QueryDefaultPCB3DModel(read_flag, Handle, &ModelName);
  return status;
}

std::string TPcbComponent::GetName() const { return GetObjectText(NameText); }

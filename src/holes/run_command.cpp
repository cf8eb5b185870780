#include "holes/run_command.h"

#include <memory>

#include "base/com_ptr.h"
#include "base/scope_guard.h"
#include "forms/application.h"
#include "forms/form.h"
#include "frame/client_services.h"
#include "frame/command_registry.h"
#include "frame/message_boxes.h"
#include "frame/parameter_list.h"
#include "holes/hole_size_editor.h"
#include "pcb/pcb_api_binding.h"
#include "pcb/pcb_api_wrappers.h"

namespace {

constexpr int32_t kParameterBufferSize = 256;

}  // namespace

void Run(IServerView*, char*) {
  char* parameters = AllocParameterBuffer(kParameterBufferSize);
  auto release = OnScopeExit([parameters] { FreeParameterBuffer(parameters, kParameterBufferSize); });
  SetParameter(parameters, kParameterBufferSize, "Action", "Redraw");

  EnsurePcbApiBound();
  if (PcbApi_GetCurrentEditorWindow() == 0) {
    ShowInformation("No document is currently open in Client.");
    return;
  }
  if (PcbApi_GetCurrentBoardHandle() == 0) {
    ShowInformation("No PCB Board is currently open in Client.");
    return;
  }

  std::unique_ptr<THoleSizeEditor> editor(make_form<THoleSizeEditor>(Application));
  // OK and Cancel lead on alike: the board is redrawn after every showing.
  editor->ShowModal();
  TComPtr<IServerView> view = GetCurrentView();
  RunHostProcess("PCB:Zoom", parameters, kParameterBufferSize, view.get());
}

static const TCommandRegistration run_registration("Run", Run, nullptr);

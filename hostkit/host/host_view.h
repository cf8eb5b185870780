#pragma once
// The host's current document and its one view. A document is open while the document kind is
// "other" or "pcb"; the view is the current view unless --no-view.

#include "host_call.h"
#include "hostapi/i_server_document.h"

class THostDocument final : public IServerDocument {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewCount(int32_t* count) override;
  HRESULT __stdcall GetFileName(BSTR* file_name) override;
  HRESULT __stdcall GetView(int32_t index, IServerView** view) override;
  HRESULT __stdcall BeforeDestroy() override;
  HRESULT __stdcall Unnamed01() override { return UnnamedOperation("IServerDocument.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("IServerDocument.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return UnnamedOperation("IServerDocument.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return UnnamedOperation("IServerDocument.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return UnnamedOperation("IServerDocument.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return UnnamedOperation("IServerDocument.Unnamed06"); }
  HRESULT __stdcall Unnamed07() override { return UnnamedOperation("IServerDocument.Unnamed07"); }
  HRESULT __stdcall Unnamed08() override { return UnnamedOperation("IServerDocument.Unnamed08"); }
  HRESULT __stdcall Unnamed09() override { return UnnamedOperation("IServerDocument.Unnamed09"); }
  HRESULT __stdcall Unnamed12() override { return UnnamedOperation("IServerDocument.Unnamed12"); }
  HRESULT __stdcall Unnamed13() override { return UnnamedOperation("IServerDocument.Unnamed13"); }
  HRESULT __stdcall Unnamed14() override { return UnnamedOperation("IServerDocument.Unnamed14"); }
  HRESULT __stdcall Unnamed15() override { return UnnamedOperation("IServerDocument.Unnamed15"); }
  HRESULT __stdcall Unnamed16() override { return UnnamedOperation("IServerDocument.Unnamed16"); }
  HRESULT __stdcall Unnamed17() override { return UnnamedOperation("IServerDocument.Unnamed17"); }
  HRESULT __stdcall Unnamed18() override { return UnnamedOperation("IServerDocument.Unnamed18"); }
  HRESULT __stdcall Unnamed19() override { return UnnamedOperation("IServerDocument.Unnamed19"); }
  HRESULT __stdcall Unnamed21() override { return UnnamedOperation("IServerDocument.Unnamed21"); }
  HRESULT __stdcall Unnamed22() override { return UnnamedOperation("IServerDocument.Unnamed22"); }
  HRESULT __stdcall Unnamed23() override { return UnnamedOperation("IServerDocument.Unnamed23"); }
  HRESULT __stdcall Unnamed24() override { return UnnamedOperation("IServerDocument.Unnamed24"); }
  HRESULT __stdcall Unnamed25() override { return UnnamedOperation("IServerDocument.Unnamed25"); }
  HRESULT __stdcall Unnamed26() override { return UnnamedOperation("IServerDocument.Unnamed26"); }
  HRESULT __stdcall Unnamed27() override { return UnnamedOperation("IServerDocument.Unnamed27"); }
  HRESULT __stdcall Unnamed29() override { return UnnamedOperation("IServerDocument.Unnamed29"); }
  HRESULT __stdcall Unnamed30() override { return UnnamedOperation("IServerDocument.Unnamed30"); }
  HRESULT __stdcall Unnamed31() override { return UnnamedOperation("IServerDocument.Unnamed31"); }
  HRESULT __stdcall Unnamed32() override { return UnnamedOperation("IServerDocument.Unnamed32"); }
  HRESULT __stdcall Unnamed33() override { return UnnamedOperation("IServerDocument.Unnamed33"); }
  HRESULT __stdcall Unnamed34() override { return UnnamedOperation("IServerDocument.Unnamed34"); }
  HRESULT __stdcall Unnamed35() override { return UnnamedOperation("IServerDocument.Unnamed35"); }
  HRESULT __stdcall Unnamed36() override { return UnnamedOperation("IServerDocument.Unnamed36"); }
  HRESULT __stdcall Unnamed37() override { return UnnamedOperation("IServerDocument.Unnamed37"); }
  HRESULT __stdcall Unnamed38() override { return UnnamedOperation("IServerDocument.Unnamed38"); }
  HRESULT __stdcall Unnamed39() override { return UnnamedOperation("IServerDocument.Unnamed39"); }
  HRESULT __stdcall Unnamed40() override { return UnnamedOperation("IServerDocument.Unnamed40"); }
};

class THostView final : public IServerView {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewName(BSTR* name) override;
  HRESULT __stdcall GetViewParameters(BSTR* parameters) override;
  HRESULT __stdcall GetOwnerDocument(IServerDocument** document) override;
  HRESULT __stdcall UpdateAfterCommand() override;
  HRESULT __stdcall Unnamed01() override { return UnnamedOperation("IServerView.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("IServerView.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return UnnamedOperation("IServerView.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return UnnamedOperation("IServerView.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return UnnamedOperation("IServerView.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return UnnamedOperation("IServerView.Unnamed06"); }
  HRESULT __stdcall Unnamed07() override { return UnnamedOperation("IServerView.Unnamed07"); }
  HRESULT __stdcall Unnamed08() override { return UnnamedOperation("IServerView.Unnamed08"); }
  HRESULT __stdcall Unnamed09() override { return UnnamedOperation("IServerView.Unnamed09"); }
  HRESULT __stdcall Unnamed10() override { return UnnamedOperation("IServerView.Unnamed10"); }
  HRESULT __stdcall Unnamed11() override { return UnnamedOperation("IServerView.Unnamed11"); }
  HRESULT __stdcall Unnamed12() override { return UnnamedOperation("IServerView.Unnamed12"); }
  HRESULT __stdcall Unnamed15() override { return UnnamedOperation("IServerView.Unnamed15"); }
  HRESULT __stdcall Unnamed16() override { return UnnamedOperation("IServerView.Unnamed16"); }
  HRESULT __stdcall Unnamed17() override { return UnnamedOperation("IServerView.Unnamed17"); }
  HRESULT __stdcall Unnamed18() override { return UnnamedOperation("IServerView.Unnamed18"); }
  HRESULT __stdcall Unnamed20() override { return UnnamedOperation("IServerView.Unnamed20"); }
};

THostDocument& HostDocument();
THostView& HostView();
// The current view, or nullptr (no document open, or --no-view).
IServerView* CurrentHostView();

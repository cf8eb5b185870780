#pragma once
// The host's current document and its one view. A document is open while the document kind is
// "other" or "pcb"; the view is the current view unless --no-view.

#include "host_call.h"
#include "hostapi/server_document.h"

class THostDocument final : public IServerDocument {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewCount(int32_t* count) override;
  HRESULT __stdcall GetFileName(BSTR* fileName) override;
  HRESULT __stdcall GetView(int32_t index, IServerView** view) override;
  HRESULT __stdcall BeforeDestroy() override;
  HRESULT __stdcall Unnamed01() override { return unnamed_operation("IServerDocument.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return unnamed_operation("IServerDocument.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return unnamed_operation("IServerDocument.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return unnamed_operation("IServerDocument.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return unnamed_operation("IServerDocument.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return unnamed_operation("IServerDocument.Unnamed06"); }
  HRESULT __stdcall Unnamed07() override { return unnamed_operation("IServerDocument.Unnamed07"); }
  HRESULT __stdcall Unnamed08() override { return unnamed_operation("IServerDocument.Unnamed08"); }
  HRESULT __stdcall Unnamed09() override { return unnamed_operation("IServerDocument.Unnamed09"); }
  HRESULT __stdcall Unnamed12() override { return unnamed_operation("IServerDocument.Unnamed12"); }
  HRESULT __stdcall Unnamed13() override { return unnamed_operation("IServerDocument.Unnamed13"); }
  HRESULT __stdcall Unnamed14() override { return unnamed_operation("IServerDocument.Unnamed14"); }
  HRESULT __stdcall Unnamed15() override { return unnamed_operation("IServerDocument.Unnamed15"); }
  HRESULT __stdcall Unnamed16() override { return unnamed_operation("IServerDocument.Unnamed16"); }
  HRESULT __stdcall Unnamed17() override { return unnamed_operation("IServerDocument.Unnamed17"); }
  HRESULT __stdcall Unnamed18() override { return unnamed_operation("IServerDocument.Unnamed18"); }
  HRESULT __stdcall Unnamed19() override { return unnamed_operation("IServerDocument.Unnamed19"); }
  HRESULT __stdcall Unnamed21() override { return unnamed_operation("IServerDocument.Unnamed21"); }
  HRESULT __stdcall Unnamed22() override { return unnamed_operation("IServerDocument.Unnamed22"); }
  HRESULT __stdcall Unnamed23() override { return unnamed_operation("IServerDocument.Unnamed23"); }
  HRESULT __stdcall Unnamed24() override { return unnamed_operation("IServerDocument.Unnamed24"); }
  HRESULT __stdcall Unnamed25() override { return unnamed_operation("IServerDocument.Unnamed25"); }
  HRESULT __stdcall Unnamed26() override { return unnamed_operation("IServerDocument.Unnamed26"); }
  HRESULT __stdcall Unnamed27() override { return unnamed_operation("IServerDocument.Unnamed27"); }
  HRESULT __stdcall Unnamed29() override { return unnamed_operation("IServerDocument.Unnamed29"); }
  HRESULT __stdcall Unnamed30() override { return unnamed_operation("IServerDocument.Unnamed30"); }
  HRESULT __stdcall Unnamed31() override { return unnamed_operation("IServerDocument.Unnamed31"); }
  HRESULT __stdcall Unnamed32() override { return unnamed_operation("IServerDocument.Unnamed32"); }
  HRESULT __stdcall Unnamed33() override { return unnamed_operation("IServerDocument.Unnamed33"); }
  HRESULT __stdcall Unnamed34() override { return unnamed_operation("IServerDocument.Unnamed34"); }
  HRESULT __stdcall Unnamed35() override { return unnamed_operation("IServerDocument.Unnamed35"); }
  HRESULT __stdcall Unnamed36() override { return unnamed_operation("IServerDocument.Unnamed36"); }
  HRESULT __stdcall Unnamed37() override { return unnamed_operation("IServerDocument.Unnamed37"); }
  HRESULT __stdcall Unnamed38() override { return unnamed_operation("IServerDocument.Unnamed38"); }
  HRESULT __stdcall Unnamed39() override { return unnamed_operation("IServerDocument.Unnamed39"); }
  HRESULT __stdcall Unnamed40() override { return unnamed_operation("IServerDocument.Unnamed40"); }
};

class THostView final : public IServerView {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewName(BSTR* name) override;
  HRESULT __stdcall GetViewParameters(BSTR* parameters) override;
  HRESULT __stdcall GetOwnerDocument(IServerDocument** document) override;
  HRESULT __stdcall UpdateAfterCommand() override;
  HRESULT __stdcall Unnamed01() override { return unnamed_operation("IServerView.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return unnamed_operation("IServerView.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return unnamed_operation("IServerView.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return unnamed_operation("IServerView.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return unnamed_operation("IServerView.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return unnamed_operation("IServerView.Unnamed06"); }
  HRESULT __stdcall Unnamed07() override { return unnamed_operation("IServerView.Unnamed07"); }
  HRESULT __stdcall Unnamed08() override { return unnamed_operation("IServerView.Unnamed08"); }
  HRESULT __stdcall Unnamed09() override { return unnamed_operation("IServerView.Unnamed09"); }
  HRESULT __stdcall Unnamed10() override { return unnamed_operation("IServerView.Unnamed10"); }
  HRESULT __stdcall Unnamed11() override { return unnamed_operation("IServerView.Unnamed11"); }
  HRESULT __stdcall Unnamed12() override { return unnamed_operation("IServerView.Unnamed12"); }
  HRESULT __stdcall Unnamed15() override { return unnamed_operation("IServerView.Unnamed15"); }
  HRESULT __stdcall Unnamed16() override { return unnamed_operation("IServerView.Unnamed16"); }
  HRESULT __stdcall Unnamed17() override { return unnamed_operation("IServerView.Unnamed17"); }
  HRESULT __stdcall Unnamed18() override { return unnamed_operation("IServerView.Unnamed18"); }
  HRESULT __stdcall Unnamed20() override { return unnamed_operation("IServerView.Unnamed20"); }
};

THostDocument& HostDocument();
THostView& HostView();
// The current view, or nullptr (no document open, or --no-view).
IServerView* CurrentHostView();

#pragma once
// Documents and views of a host server, as far as the plug-in uses them. Conventions: see
// server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IServerView;

// 40 operations after IUnknown's.
struct IServerDocument : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall Unnamed05() = 0;
  virtual HRESULT __stdcall Unnamed06() = 0;
  virtual HRESULT __stdcall Unnamed07() = 0;
  virtual HRESULT __stdcall Unnamed08() = 0;
  virtual HRESULT __stdcall Unnamed09() = 0;
  virtual HRESULT __stdcall GetViewCount(int32_t* count) = 0;                          // 10
  virtual HRESULT __stdcall GetFileName(BSTR* file_name) = 0;                           // 11
  virtual HRESULT __stdcall Unnamed12() = 0;
  virtual HRESULT __stdcall Unnamed13() = 0;
  virtual HRESULT __stdcall Unnamed14() = 0;
  virtual HRESULT __stdcall Unnamed15() = 0;
  virtual HRESULT __stdcall Unnamed16() = 0;
  virtual HRESULT __stdcall Unnamed17() = 0;
  virtual HRESULT __stdcall Unnamed18() = 0;
  virtual HRESULT __stdcall Unnamed19() = 0;
  virtual HRESULT __stdcall GetView(int32_t index, IServerView** view) = 0;            // 20
  virtual HRESULT __stdcall Unnamed21() = 0;
  virtual HRESULT __stdcall Unnamed22() = 0;
  virtual HRESULT __stdcall Unnamed23() = 0;
  virtual HRESULT __stdcall Unnamed24() = 0;
  virtual HRESULT __stdcall Unnamed25() = 0;
  virtual HRESULT __stdcall Unnamed26() = 0;
  virtual HRESULT __stdcall Unnamed27() = 0;
  // 28: unnamed; the module calls it before it drops a document it destroys.
  virtual HRESULT __stdcall BeforeDestroy() = 0;
  virtual HRESULT __stdcall Unnamed29() = 0;
  virtual HRESULT __stdcall Unnamed30() = 0;
  virtual HRESULT __stdcall Unnamed31() = 0;
  virtual HRESULT __stdcall Unnamed32() = 0;
  virtual HRESULT __stdcall Unnamed33() = 0;
  virtual HRESULT __stdcall Unnamed34() = 0;
  virtual HRESULT __stdcall Unnamed35() = 0;
  virtual HRESULT __stdcall Unnamed36() = 0;
  virtual HRESULT __stdcall Unnamed37() = 0;
  virtual HRESULT __stdcall Unnamed38() = 0;
  virtual HRESULT __stdcall Unnamed39() = 0;
  virtual HRESULT __stdcall Unnamed40() = 0;
};

// A view of a document; the operations up to the 21st, the last one anybody calls.
struct IServerView : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall Unnamed05() = 0;
  virtual HRESULT __stdcall Unnamed06() = 0;
  virtual HRESULT __stdcall Unnamed07() = 0;
  virtual HRESULT __stdcall Unnamed08() = 0;
  virtual HRESULT __stdcall Unnamed09() = 0;
  virtual HRESULT __stdcall Unnamed10() = 0;
  virtual HRESULT __stdcall Unnamed11() = 0;
  virtual HRESULT __stdcall Unnamed12() = 0;
  virtual HRESULT __stdcall GetViewName(BSTR* name) = 0;                               // 13
  virtual HRESULT __stdcall GetViewParameters(BSTR* parameters) = 0;                   // 14
  virtual HRESULT __stdcall Unnamed15() = 0;
  virtual HRESULT __stdcall Unnamed16() = 0;
  virtual HRESULT __stdcall Unnamed17() = 0;
  virtual HRESULT __stdcall Unnamed18() = 0;
  virtual HRESULT __stdcall GetOwnerDocument(IServerDocument** document) = 0;          // 19
  virtual HRESULT __stdcall Unnamed20() = 0;
  // 21: unnamed; the command launcher calls it after every command it ran (the host refreshes the
  // view and its status bar).
  virtual HRESULT __stdcall UpdateAfterCommand() = 0;
};

// A second interface of some views; its 13th operation brings the view to the front.
struct IViewActivation : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall Unnamed05() = 0;
  virtual HRESULT __stdcall Unnamed06() = 0;
  virtual HRESULT __stdcall Unnamed07() = 0;
  virtual HRESULT __stdcall Unnamed08() = 0;
  virtual HRESULT __stdcall Unnamed09() = 0;
  virtual HRESULT __stdcall Unnamed10() = 0;
  virtual HRESULT __stdcall Unnamed11() = 0;
  virtual HRESULT __stdcall Unnamed12() = 0;
  virtual HRESULT __stdcall ActivateView() = 0;                                        // 13
};

#pragma once
// Forms a server hands its host to embed in the host's own windows: external forms, options pages and
// document options views, and the host's holder they are embedded in. Conventions: see
// server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IExternalFormHolder : IUnknown {
  virtual HRESULT __stdcall GetParentWindow(HWND* window) = 0;                         // 1
  virtual HRESULT __stdcall FormChanged() = 0;                                         // 2 unnamed
};

struct IExternalForm : IUnknown {
  virtual HRESULT __stdcall SetHolder(IExternalFormHolder* holder) = 0;                // 1
  virtual HRESULT __stdcall Attach() = 0;                                              // 2
  virtual HRESULT __stdcall Detach() = 0;                                              // 3
  virtual HRESULT __stdcall GetBounds(int32_t* left, int32_t* top, int32_t* width,
                                      int32_t* height) = 0;                          // 4
  virtual HRESULT __stdcall GetCaption(BSTR* caption) = 0;                             // 5
  virtual HRESULT __stdcall GetHandle(HWND* window) = 0;                               // 6
  virtual HRESULT __stdcall Hide() = 0;                                                // 7
  virtual HRESULT __stdcall SetBounds(int32_t left, int32_t top, int32_t width,
                                      int32_t height) = 0;                           // 8
  virtual HRESULT __stdcall SetFocus() = 0;                                            // 9
  virtual HRESULT __stdcall Show() = 0;                                                // 10
  virtual HRESULT __stdcall FocusFirstControl() = 0;                                   // 11
};

// Operation names are ours; the host only fixes their arguments.
struct IOptionsPage : IUnknown {
  virtual HRESULT __stdcall GetModified(BYTE* modified) = 0;                           // 1
  virtual HRESULT __stdcall SetModified(BYTE modified) = 0;                            // 2
  virtual HRESULT __stdcall LoadOptions() = 0;                                         // 3
  virtual HRESULT __stdcall SaveOptions() = 0;                                         // 4
  virtual HRESULT __stdcall GetHelpContext(int32_t* context) = 0;                      // 5
  virtual HRESULT __stdcall SetDefaults() = 0;                                         // 6
  virtual HRESULT __stdcall CancelOptions() = 0;                                       // 7
};

// Repeats IExternalForm's 11 operations, then nine of its own (names ours).
struct IDocumentOptionsView : IExternalForm {
  virtual HRESULT __stdcall SetDocumentKind(BSTR kind) = 0;                            // 12
  virtual HRESULT __stdcall GetViewModified(BYTE* modified) = 0;                       // 13
  virtual HRESULT __stdcall LoadViewOptions() = 0;                                     // 14
  virtual HRESULT __stdcall SaveViewOptions() = 0;                                     // 15
  virtual HRESULT __stdcall GetViewReady(BYTE* ready) = 0;                             // 16
  virtual HRESULT __stdcall ApplyViewOptions() = 0;                                    // 17
  virtual HRESULT __stdcall ResetViewOptions() = 0;                                    // 18
  virtual HRESULT __stdcall SetViewTexts(const char* first, const char* second) = 0;   // 19
  virtual HRESULT __stdcall QueryViewValue(const char* name, int32_t* value) = 0;      // 20
};

#pragma once
// The host's translation manager (ClientAPI_GetTranslationManager): translations of layout texts.
// Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct ITranslationManager : IUnknown {
  // found is a 32-bit truth value; translation is only meaningful when found is non-zero.
  virtual HRESULT __stdcall LookupTranslation(BSTR context, BSTR key, BSTR* translation,
                                              int32_t* found) = 0;                   // 1
  virtual HRESULT __stdcall SetFormContext(BSTR form_name) = 0;                         // 2
  virtual HRESULT __stdcall IsTranslating(int32_t* translating) = 0;                   // 3
};

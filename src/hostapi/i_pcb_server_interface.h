#pragma once
// The PCB editor's server interface and the interface of one board primitive, as far as the plug-in
// uses them: a process on the server (ProcessStart … ProcessEnd) groups a set of changes, and a
// modification of one primitive (BeginModify … EndModify) encloses each change of its record. The
// operations the plug-in never calls are placeholders that keep the later ones at their places.
// Conventions as in server_module.h.

#include <windows.h>

#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IPCB_ServerInterface : IUnknown {
  virtual HRESULT __stdcall Reserved1() = 0;   // 1 unnamed
  virtual HRESULT __stdcall Reserved2() = 0;   // 2 unnamed
  virtual HRESULT __stdcall Reserved3() = 0;   // 3 unnamed
  virtual HRESULT __stdcall Reserved4() = 0;   // 4 unnamed
  virtual HRESULT __stdcall Reserved5() = 0;   // 5 unnamed
  virtual HRESULT __stdcall Reserved6() = 0;   // 6 unnamed
  virtual HRESULT __stdcall Reserved7() = 0;   // 7 unnamed
  virtual HRESULT __stdcall Reserved8() = 0;   // 8 unnamed
  virtual HRESULT __stdcall Reserved9() = 0;   // 9 unnamed
  virtual HRESULT __stdcall Reserved10() = 0;  // 10 unnamed
  virtual HRESULT __stdcall Reserved11() = 0;  // 11 unnamed
  virtual HRESULT __stdcall Reserved12() = 0;  // 12 unnamed
  virtual HRESULT __stdcall Reserved13() = 0;  // 13 unnamed
  virtual HRESULT __stdcall Reserved14() = 0;  // 14 unnamed
  virtual HRESULT __stdcall Reserved15() = 0;  // 15 unnamed
  virtual HRESULT __stdcall Reserved16() = 0;  // 16 unnamed
  virtual HRESULT __stdcall Reserved17() = 0;  // 17 unnamed
  virtual HRESULT __stdcall Reserved18() = 0;  // 18 unnamed
  virtual HRESULT __stdcall Reserved19() = 0;  // 19 unnamed
  virtual HRESULT __stdcall Reserved20() = 0;  // 20 unnamed
  virtual HRESULT __stdcall Reserved21() = 0;  // 21 unnamed
  // A flat primitive handle (as the iterators return it) to the primitive's interface of the given
  // identifier; found is 1 when the primitive exists and supports it, and only then is primitive
  // set.
  virtual HRESULT __stdcall GetPrimitiveInterface(DWORD handle, const GUID* iid,
                                                  IUnknown** primitive,
                                                  BYTE* found) = 0;  // 22
  virtual HRESULT __stdcall ProcessStart() = 0;                      // 23
  virtual HRESULT __stdcall ProcessEnd() = 0;                        // 24
  virtual HRESULT __stdcall Reserved25() = 0;                        // 25 unnamed
  virtual HRESULT __stdcall Reserved26() = 0;                        // 26 unnamed
  virtual HRESULT __stdcall Reserved27() = 0;                        // 27 unnamed
  virtual HRESULT __stdcall Reserved28() = 0;                        // 28 unnamed
  virtual HRESULT __stdcall Reserved29() = 0;                        // 29 unnamed
  virtual HRESULT __stdcall Reserved30() = 0;                        // 30 unnamed
  virtual HRESULT __stdcall Reserved31() = 0;                        // 31 unnamed
  virtual HRESULT __stdcall Reserved32() = 0;                        // 32 unnamed
  virtual HRESULT __stdcall Reserved33() = 0;                        // 33 unnamed
  virtual HRESULT __stdcall Reserved34() = 0;                        // 34 unnamed
  virtual HRESULT __stdcall Reserved35() = 0;                        // 35 unnamed
  virtual HRESULT __stdcall Reserved36() = 0;                        // 36 unnamed
  virtual HRESULT __stdcall Reserved37() = 0;                        // 37 unnamed
  virtual HRESULT __stdcall Reserved38() = 0;                        // 38 unnamed
  virtual HRESULT __stdcall Reserved39() = 0;                        // 39 unnamed
};

struct IPCB_PrimitiveObject : IUnknown {
  virtual HRESULT __stdcall Reserved1() = 0;    // 1 unnamed
  virtual HRESULT __stdcall Reserved2() = 0;    // 2 unnamed
  virtual HRESULT __stdcall Reserved3() = 0;    // 3 unnamed
  virtual HRESULT __stdcall Reserved4() = 0;    // 4 unnamed
  virtual HRESULT __stdcall Reserved5() = 0;    // 5 unnamed
  virtual HRESULT __stdcall Reserved6() = 0;    // 6 unnamed
  virtual HRESULT __stdcall Reserved7() = 0;    // 7 unnamed
  virtual HRESULT __stdcall Reserved8() = 0;    // 8 unnamed
  virtual HRESULT __stdcall Reserved9() = 0;    // 9 unnamed
  virtual HRESULT __stdcall Reserved10() = 0;   // 10 unnamed
  virtual HRESULT __stdcall Reserved11() = 0;   // 11 unnamed
  virtual HRESULT __stdcall Reserved12() = 0;   // 12 unnamed
  virtual HRESULT __stdcall Reserved13() = 0;   // 13 unnamed
  virtual HRESULT __stdcall Reserved14() = 0;   // 14 unnamed
  virtual HRESULT __stdcall Reserved15() = 0;   // 15 unnamed
  virtual HRESULT __stdcall Reserved16() = 0;   // 16 unnamed
  virtual HRESULT __stdcall Reserved17() = 0;   // 17 unnamed
  virtual HRESULT __stdcall Reserved18() = 0;   // 18 unnamed
  virtual HRESULT __stdcall Reserved19() = 0;   // 19 unnamed
  virtual HRESULT __stdcall Reserved20() = 0;   // 20 unnamed
  virtual HRESULT __stdcall Reserved21() = 0;   // 21 unnamed
  virtual HRESULT __stdcall Reserved22() = 0;   // 22 unnamed
  virtual HRESULT __stdcall Reserved23() = 0;   // 23 unnamed
  virtual HRESULT __stdcall Reserved24() = 0;   // 24 unnamed
  virtual HRESULT __stdcall Reserved25() = 0;   // 25 unnamed
  virtual HRESULT __stdcall Reserved26() = 0;   // 26 unnamed
  virtual HRESULT __stdcall Reserved27() = 0;   // 27 unnamed
  virtual HRESULT __stdcall Reserved28() = 0;   // 28 unnamed
  virtual HRESULT __stdcall Reserved29() = 0;   // 29 unnamed
  virtual HRESULT __stdcall Reserved30() = 0;   // 30 unnamed
  virtual HRESULT __stdcall Reserved31() = 0;   // 31 unnamed
  virtual HRESULT __stdcall Reserved32() = 0;   // 32 unnamed
  virtual HRESULT __stdcall Reserved33() = 0;   // 33 unnamed
  virtual HRESULT __stdcall Reserved34() = 0;   // 34 unnamed
  virtual HRESULT __stdcall Reserved35() = 0;   // 35 unnamed
  virtual HRESULT __stdcall Reserved36() = 0;   // 36 unnamed
  virtual HRESULT __stdcall Reserved37() = 0;   // 37 unnamed
  virtual HRESULT __stdcall Reserved38() = 0;   // 38 unnamed
  virtual HRESULT __stdcall Reserved39() = 0;   // 39 unnamed
  virtual HRESULT __stdcall Reserved40() = 0;   // 40 unnamed
  virtual HRESULT __stdcall Reserved41() = 0;   // 41 unnamed
  virtual HRESULT __stdcall Reserved42() = 0;   // 42 unnamed
  virtual HRESULT __stdcall Reserved43() = 0;   // 43 unnamed
  virtual HRESULT __stdcall Reserved44() = 0;   // 44 unnamed
  virtual HRESULT __stdcall Reserved45() = 0;   // 45 unnamed
  virtual HRESULT __stdcall Reserved46() = 0;   // 46 unnamed
  virtual HRESULT __stdcall Reserved47() = 0;   // 47 unnamed
  virtual HRESULT __stdcall Reserved48() = 0;   // 48 unnamed
  virtual HRESULT __stdcall Reserved49() = 0;   // 49 unnamed
  virtual HRESULT __stdcall Reserved50() = 0;   // 50 unnamed
  virtual HRESULT __stdcall Reserved51() = 0;   // 51 unnamed
  virtual HRESULT __stdcall Reserved52() = 0;   // 52 unnamed
  virtual HRESULT __stdcall Reserved53() = 0;   // 53 unnamed
  virtual HRESULT __stdcall Reserved54() = 0;   // 54 unnamed
  virtual HRESULT __stdcall Reserved55() = 0;   // 55 unnamed
  virtual HRESULT __stdcall Reserved56() = 0;   // 56 unnamed
  virtual HRESULT __stdcall Reserved57() = 0;   // 57 unnamed
  virtual HRESULT __stdcall Reserved58() = 0;   // 58 unnamed
  virtual HRESULT __stdcall Reserved59() = 0;   // 59 unnamed
  virtual HRESULT __stdcall Reserved60() = 0;   // 60 unnamed
  virtual HRESULT __stdcall Reserved61() = 0;   // 61 unnamed
  virtual HRESULT __stdcall Reserved62() = 0;   // 62 unnamed
  virtual HRESULT __stdcall Reserved63() = 0;   // 63 unnamed
  virtual HRESULT __stdcall Reserved64() = 0;   // 64 unnamed
  virtual HRESULT __stdcall Reserved65() = 0;   // 65 unnamed
  virtual HRESULT __stdcall Reserved66() = 0;   // 66 unnamed
  virtual HRESULT __stdcall Reserved67() = 0;   // 67 unnamed
  virtual HRESULT __stdcall Reserved68() = 0;   // 68 unnamed
  virtual HRESULT __stdcall Reserved69() = 0;   // 69 unnamed
  virtual HRESULT __stdcall Reserved70() = 0;   // 70 unnamed
  virtual HRESULT __stdcall Reserved71() = 0;   // 71 unnamed
  virtual HRESULT __stdcall Reserved72() = 0;   // 72 unnamed
  virtual HRESULT __stdcall Reserved73() = 0;   // 73 unnamed
  virtual HRESULT __stdcall Reserved74() = 0;   // 74 unnamed
  virtual HRESULT __stdcall Reserved75() = 0;   // 75 unnamed
  virtual HRESULT __stdcall Reserved76() = 0;   // 76 unnamed
  virtual HRESULT __stdcall Reserved77() = 0;   // 77 unnamed
  virtual HRESULT __stdcall Reserved78() = 0;   // 78 unnamed
  virtual HRESULT __stdcall Reserved79() = 0;   // 79 unnamed
  virtual HRESULT __stdcall Reserved80() = 0;   // 80 unnamed
  virtual HRESULT __stdcall Reserved81() = 0;   // 81 unnamed
  virtual HRESULT __stdcall Reserved82() = 0;   // 82 unnamed
  virtual HRESULT __stdcall Reserved83() = 0;   // 83 unnamed
  virtual HRESULT __stdcall Reserved84() = 0;   // 84 unnamed
  virtual HRESULT __stdcall Reserved85() = 0;   // 85 unnamed
  virtual HRESULT __stdcall Reserved86() = 0;   // 86 unnamed
  virtual HRESULT __stdcall Reserved87() = 0;   // 87 unnamed
  virtual HRESULT __stdcall Reserved88() = 0;   // 88 unnamed
  virtual HRESULT __stdcall Reserved89() = 0;   // 89 unnamed
  virtual HRESULT __stdcall Reserved90() = 0;   // 90 unnamed
  virtual HRESULT __stdcall Reserved91() = 0;   // 91 unnamed
  virtual HRESULT __stdcall Reserved92() = 0;   // 92 unnamed
  virtual HRESULT __stdcall Reserved93() = 0;   // 93 unnamed
  virtual HRESULT __stdcall Reserved94() = 0;   // 94 unnamed
  virtual HRESULT __stdcall Reserved95() = 0;   // 95 unnamed
  virtual HRESULT __stdcall Reserved96() = 0;   // 96 unnamed
  virtual HRESULT __stdcall Reserved97() = 0;   // 97 unnamed
  virtual HRESULT __stdcall Reserved98() = 0;   // 98 unnamed
  virtual HRESULT __stdcall Reserved99() = 0;   // 99 unnamed
  virtual HRESULT __stdcall Reserved100() = 0;  // 100 unnamed
  virtual HRESULT __stdcall Reserved101() = 0;  // 101 unnamed
  virtual HRESULT __stdcall Reserved102() = 0;  // 102 unnamed
  virtual HRESULT __stdcall Reserved103() = 0;  // 103 unnamed
  virtual HRESULT __stdcall Reserved104() = 0;  // 104 unnamed
  virtual HRESULT __stdcall Reserved105() = 0;  // 105 unnamed
  virtual HRESULT __stdcall Reserved106() = 0;  // 106 unnamed
  virtual HRESULT __stdcall Reserved107() = 0;  // 107 unnamed
  virtual HRESULT __stdcall Reserved108() = 0;  // 108 unnamed
  virtual HRESULT __stdcall Reserved109() = 0;  // 109 unnamed
  virtual HRESULT __stdcall Reserved110() = 0;  // 110 unnamed
  virtual HRESULT __stdcall Reserved111() = 0;  // 111 unnamed
  virtual HRESULT __stdcall Reserved112() = 0;  // 112 unnamed
  virtual HRESULT __stdcall Reserved113() = 0;  // 113 unnamed
  virtual HRESULT __stdcall Reserved114() = 0;  // 114 unnamed
  virtual HRESULT __stdcall Reserved115() = 0;  // 115 unnamed
  virtual HRESULT __stdcall Reserved116() = 0;  // 116 unnamed
  virtual HRESULT __stdcall Reserved117() = 0;  // 117 unnamed
  virtual HRESULT __stdcall Reserved118() = 0;  // 118 unnamed
  virtual HRESULT __stdcall Reserved119() = 0;  // 119 unnamed
  virtual HRESULT __stdcall BeginModify() = 0;  // 120
  virtual HRESULT __stdcall EndModify() = 0;    // 121
};

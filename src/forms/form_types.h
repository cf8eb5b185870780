#pragma once
// The value types of the form framework's published properties and notifications.

#include <cstdint>

#include "forms/set.h"

enum TBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition : uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
enum TOperation : uint8_t { opInsert, opRemove };
enum TShiftFlag : uint8_t { ssShift, ssAlt, ssCtrl };
using TShiftState = TSet<TShiftFlag>;
enum TFormStateFlag : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsActivated, fsRecreating };
using TFormState = TSet<TFormStateFlag>;
enum TComponentStateFlag : uint8_t { csLoading, csReading, csDestroying };
using TComponentState = TSet<TComponentStateFlag>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

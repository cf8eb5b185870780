#include "dialogs/no_shadow_hint_window.h"

void TNoShadowHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  params.WindowClass.style &= ~static_cast<UINT>(CS_DROPSHADOW);
}

#include "toolkit/toolkit_classes.h"

#include "forms/layout/class_registry.h"
#include "toolkit/label.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_xp_page_control.h"
#include "toolkit/win_xp_tab_sheet.h"
#include "toolkit/xp_bit_btn.h"
#include "toolkit/xp_check_box.h"
#include "toolkit/xp_edit.h"
#include "toolkit/xp_group_box.h"
#include "toolkit/xp_list_box.h"
#include "toolkit/xp_radio_group.h"

void RegisterToolkitClasses() {
  RegisterComponentClass<TXPBitBtn>();
  RegisterComponentClass<TXPCheckBox>();
  RegisterComponentClass<TXPRadioGroup>();
  RegisterComponentClass<TXPGroupBox>();
  RegisterComponentClass<TXPEdit>();
  RegisterComponentClass<TXPListBox>();
  RegisterComponentClass<TWinXPPageControl>();
  RegisterComponentClass<TWinXPTabSheet>();
  RegisterComponentClass<TLabel>();
  RegisterComponentClass<TPopupMenu>();
  RegisterComponentClass<TMenuItem>();
}

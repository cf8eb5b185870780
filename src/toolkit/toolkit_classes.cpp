#include "toolkit/toolkit_classes.h"

#include "forms/class_registry.h"
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

void register_toolkit_classes() {
  register_class<TXPBitBtn>();
  register_class<TXPCheckBox>();
  register_class<TXPRadioGroup>();
  register_class<TXPGroupBox>();
  register_class<TXPEdit>();
  register_class<TXPListBox>();
  register_class<TWinXPPageControl>();
  register_class<TWinXPTabSheet>();
  register_class<TLabel>();
  register_class<TPopupMenu>();
  register_class<TMenuItem>();
}

#include "toolkit/popup_menu.h"

#include <vector>

#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "forms/application.h"

namespace {

void AppendItems(HMENU menu, TMenuItem& parent, std::vector<TMenuItem*>& ids) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    std::wstring text = ToWide(item->Caption());
    if (item->Caption() == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      AppendItems(sub, *item, ids);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    } else {
      ids.push_back(item);
      AppendMenuW(menu, flags, ids.size(), text.c_str());
    }
  }
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  PublishOnce<TPopupMenu>([](TPublisher<TPopupMenu>& p) { p.Event("OnPopup", &TPopupMenu::OnPopup); });
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popup_component_) popup_component_ = nullptr;
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(this);
  TUniqueHmenu menu(CreatePopupMenu());
  std::vector<TMenuItem*> ids;
  AppendItems(menu.get(), *items_, ids);
  if (ids.empty()) return;
  HWND window = owner ? owner : Application->Handle();
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                 x, y, 0, window, nullptr));
  if (chosen >= 1 && chosen <= ids.size()) ids[chosen - 1]->Click();
}

#pragma once
// A context menu: a native pop-up menu built from its entries each time it opens.

#include <windows.h>

#include <memory>

#include "forms/component.h"
#include "toolkit/menu_item.h"

class TPopupMenu : public TComponent {
  TAVRIN_CLASS(TPopupMenu, TComponent)
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // The root entry; the layout's nested items land in it.
  TMenuItem* Items() const { return items_.get(); }
  // Opens the menu at a screen point, owned by the window given (or the application's), and
  // runs the chosen entry's click.
  void Popup(int x, int y, HWND owner = nullptr);
  // The component whose context menu opened it.
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* c) { popup_component_ = c; }

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::unique_ptr<TMenuItem> items_;
  TComponent* popup_component_ = nullptr;
};

#pragma once
// Pure components with one property of every kind; they log each property set, in order.

#include <string>
#include <vector>

#include "base/string_list.h"
#include "forms/color.h"
#include "forms/component.h"
#include "forms/enum_info.h"
#include "forms/layout/layout_bindings.h"
#include "forms/property.h"

class TStyleInfo : public TObject {
  TAVRIN_CLASS(TStyleInfo, TObject)
 public:
  explicit TStyleInfo(std::vector<std::string>& log) : log_(log) {
    PublishOnce<TStyleInfo>([](TPublisher<TStyleInfo>& p) {
      p.String("Name", &TStyleInfo::Name, &TStyleInfo::SetName);
      p.Integer("Height", &TStyleInfo::Height, &TStyleInfo::SetHeight);
    });
  }
  const std::string& Name() const { return name_; }
  void SetName(std::string v) {
    log_.push_back("Style.Name");
    name_ = std::move(v);
  }
  int Height() const { return height_; }
  void SetHeight(int v) {
    log_.push_back("Style.Height");
    height_ = v;
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
  int height_ = 0;
};

class TGadget : public TComponent {
  TAVRIN_CLASS(TGadget, TComponent)
 public:
  explicit TGadget(TComponent* owner) : TComponent(owner), style_(log) {
    PublishOnce<TGadget>([](TPublisher<TGadget>& p) {
      p.Integer("Count", &TGadget::Count, &TGadget::SetCount);
      p.Boolean("Active", &TGadget::Active, &TGadget::SetActive);
      p.String("Caption", &TGadget::Caption, &TGadget::SetCaption);
      p.WideString("WideCaption", &TGadget::WideCaption, &TGadget::SetWideCaption);
      p.Enumeration("Border", BorderStyleInfo(), &TGadget::Border, &TGadget::SetBorder);
      p.Set("Icons", BorderIconInfo(), &TGadget::Icons, &TGadget::SetIcons);
      p.Color("Color", &TGadget::Color, &TGadget::SetColor);
      p.Object("Style", &TGadget::Style);
      p.Object("Lines", &TGadget::Lines);
      p.Reference("Buddy", &TGadget::Buddy, &TGadget::SetBuddy);
      p.Event("OnClick", &TGadget::OnClick);
      p.Event("OnClose", &TGadget::OnClose);
    });
  }
  ~TGadget() override {
    if (buddy_) buddy_->RemoveFreeNotification(*this);
  }

  std::vector<std::string> log;
  std::vector<TGadget*> children;
  TGadget* container = nullptr;
  int loaded = 0;

  int Count() const { return count_; }
  void SetCount(int v) { log.push_back("Count=" + std::to_string(count_ = v)); }
  bool Active() const { return active_; }
  void SetActive(bool v) { log.push_back(std::string("Active=") + ((active_ = v) ? "1" : "0")); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string v) { log.push_back("Caption=" + (caption_ = std::move(v))); }
  const std::wstring& WideCaption() const { return wide_; }
  void SetWideCaption(std::wstring v) {
    wide_ = std::move(v);
    log.push_back("WideCaption");
  }
  TBorderStyle Border() const { return border_; }
  void SetBorder(TBorderStyle v) { log.push_back("Border=" + std::to_string(border_ = v)); }
  TBorderIcons Icons() const { return icons_; }
  void SetIcons(TBorderIcons v) {
    icons_ = v;
    log.push_back("Icons=" + std::to_string(v.Bits()));
  }
  TColor Color() const { return color_; }
  void SetColor(TColor v) {
    color_ = v;
    log.push_back("Color");
  }
  TStyleInfo* Style() const { return const_cast<TStyleInfo*>(&style_); }
  TStrings* Lines() const { return const_cast<TStringList*>(&lines_); }
  TGadget* Buddy() const { return buddy_; }
  void SetBuddy(TGadget* v) {
    if (buddy_) buddy_->RemoveFreeNotification(*this);
    buddy_ = v;
    if (v) v->FreeNotification(*this);
    log.push_back("Buddy");
  }
  TNotifyEvent OnClick;
  TCloseEvent OnClose;

  void SetParentComponent(TComponent* parent) override {
    if (auto* g = class_cast<TGadget>(parent)) {
      container = g;
      g->children.push_back(this);
    } else {
      TComponent::SetParentComponent(parent);
    }
  }
  void Loaded() override {
    TComponent::Loaded();
    ++loaded;
    log.push_back("Loaded");
  }
  using TComponent::Notification;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == buddy_) buddy_ = nullptr;
  }

 private:
  int count_ = 0;
  bool active_ = false;
  std::string caption_;
  std::wstring wide_;
  TBorderStyle border_ = bsNone;
  TBorderIcons icons_;
  TColor color_ = clBlack;
  TStyleInfo style_;
  TStringList lines_;
  TGadget* buddy_ = nullptr;
};

class TOtherGadget : public TGadget {
  TAVRIN_CLASS(TOtherGadget, TGadget)
 public:
  using TGadget::TGadget;
};

class TPlainThing : public TComponent {
  TAVRIN_CLASS(TPlainThing, TComponent)
 public:
  using TComponent::TComponent;
};

// The root a layout is read into, with fields and handlers as a form declares them.
class TPanelRoot : public TGadget {
  TAVRIN_CLASS(TPanelRoot, TGadget)
 public:
  using TGadget::TGadget;
  TGadget* First = nullptr;
  TGadget* Second = nullptr;
  int clicks = 0;
  void Clicked(TObject*) { ++clicks; }
  void Closing(TObject*, TCloseAction& a) { a = caFree; }

  void Declare(TLayoutBindings& b) {
    b.Component("First", First);
    b.Component("Second", Second);
    b.Class<TOtherGadget>();
    b.Class<TPlainThing>();
    b.Handler("Clicked", &TPanelRoot::Clicked);
    b.Handler("Closing", &TPanelRoot::Closing);
  }
};

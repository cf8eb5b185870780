#include "forms/dialogs/message_dialog.h"

#include <algorithm>
#include <memory>

#include "base/text_convert.h"
#include "forms/application.h"
#include "forms/button.h"

namespace {

// The message and the icon are native statics, so screen readers read them.
class TMessageStatic : public TWinControl {
 public:
  TMessageStatic(TComponent* owner, DWORD style, HICON icon) : TWinControl(owner), style_(style), icon_(icon) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WinClassName = L"STATIC";
    params.SystemClass = true;
    params.Style |= style_;
  }
  void CreateWnd() override {
    TWinControl::CreateWnd();
    if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
  }

 private:
  DWORD style_;
  HICON icon_;
};

const char* const kCaptions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore"};
constexpr int kButtonWidth = 75, kButtonHeight = 25, kGap = 8, kMargin = 12, kIcon = 32;

}  // namespace

TModalResult ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
  }
  return mrNone;
}

std::string MessageTitle(TMsgDlgType kind) {
  switch (kind) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirmation";
    case mtCustom: break;
  }
  return Application->Title;
}

TMessageForm::TMessageForm(TComponent* owner, std::string message, TMsgDlgType kind,
                           TMsgDlgButtons buttons, std::string title)
    : TForm(owner), message_(std::move(message)), kind_(kind), button_set_(buttons) {
  SetText(title.empty() ? MessageTitle(kind) : title);
  if (button_set_.Empty()) button_set_ = {mbOK};
}

void TMessageForm::Construct(bool read_layout) {
  TForm::Construct(read_layout);
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  Font()->SetName("MS Sans Serif");
  Font()->SetHeight(-11);
  switch (kind_) {
    case mtWarning: icon_ = LoadIconW(nullptr, IDI_WARNING); break;
    case mtError: icon_ = LoadIconW(nullptr, IDI_ERROR); break;
    case mtInformation: icon_ = LoadIconW(nullptr, IDI_INFORMATION); break;
    case mtConfirmation: icon_ = LoadIconW(nullptr, IDI_QUESTION); break;
    case mtCustom: break;
  }

  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  std::wstring text = ToWide(message_);
  RECT r{0, 0, 360, 0};
  DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);

  int text_left = kMargin + (icon_ ? kIcon + kMargin : 0);
  text_rect_ = {text_left, kMargin, text_left + r.right, kMargin + r.bottom};
  int body_height = std::max<int>(r.bottom, icon_ ? kIcon : 0);
  int count = 0;
  for (int b = mbYes; b <= mbIgnore; ++b) count += button_set_.Contains(TMsgDlgBtn(b)) ? 1 : 0;
  int buttons_width = count * kButtonWidth + (count - 1) * kGap;
  int client_width = std::max<int>(text_rect_.right + kMargin, buttons_width + 2 * kMargin);
  int button_top = kMargin + body_height + kMargin + 4;

  if (icon_) {
    auto* icon = new TMessageStatic(this, SS_ICON, icon_);
    icon->SetName("Image");
    icon->SetBounds(kMargin, kMargin, kIcon, kIcon);
    icon->SetParent(this);
  }
  auto* label = new TMessageStatic(this, SS_LEFT | SS_NOPREFIX, nullptr);
  label->SetName("Message");
  label->SetCaption(message_);
  label->SetBounds(text_rect_.left, text_rect_.top, text_rect_.right - text_rect_.left,
                   text_rect_.bottom - text_rect_.top);
  label->SetParent(this);

  int left = (client_width - buttons_width) / 2;
  TButton* first = nullptr;
  for (int b = mbYes; b <= mbIgnore; ++b) {
    auto kind = TMsgDlgBtn(b);
    if (!button_set_.Contains(kind)) continue;
    auto* button = new TButton(this);
    button->SetName(std::string(kCaptions[b][0] == '&' ? kCaptions[b] + 1 : kCaptions[b]) + "Button");
    button->SetCaption(kCaptions[b]);
    button->SetModalResult(ModalResultOf(kind));
    button->SetBounds(left, button_top, kButtonWidth, kButtonHeight);
    button->SetParent(this);
    buttons_[b] = button;
    if (!first) first = button;
    left += kButtonWidth + kGap;
  }
  TButton* default_button = buttons_[mbOK] ? buttons_[mbOK] : buttons_[mbYes] ? buttons_[mbYes] : first;
  default_button->SetDefault(true);
  TButton* cancel = buttons_[mbCancel] ? buttons_[mbCancel] : buttons_[mbNo] ? buttons_[mbNo] : count == 1 ? first : nullptr;
  if (cancel) cancel->SetCancel(true);
  SetActiveControl(default_button);
  SetClientWidth(client_width);
  SetClientHeight(button_top + kButtonHeight + kMargin);
}

TMessageForm* CreateMessageDialog(std::string_view message, TMsgDlgType kind, TMsgDlgButtons buttons,
                                  std::string_view title) {
  return make_form_without_layout<TMessageForm>(nullptr, std::string(message), kind, buttons, std::string(title));
}

TModalResult MessageDlg(std::string_view message, TMsgDlgType kind, TMsgDlgButtons buttons,
                        std::string_view title) {
  std::unique_ptr<TMessageForm> form(CreateMessageDialog(message, kind, buttons, title));
  return form->ShowModal();
}

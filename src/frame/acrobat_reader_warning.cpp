#include "frame/acrobat_reader_warning.h"

#include <memory>

#include "base/unique_handle.h"
#include "forms/button.h"
#include "frame/locations.h"
#include "frame/test_mode.h"

namespace {

constexpr wchar_t kSwitchName[] = L"EnableAcrobatVersionPopup";
constexpr int kClientWidth = 402, kClientHeight = 126, kMinWidth = 380, kMinHeight = 125;

// Statics and the check box are native controls, so screen readers and UI automation see them.
class TNativeControl : public TWinControl {
 public:
  TNativeControl(TComponent* owner, const wchar_t* win_class, DWORD style, HICON icon = nullptr)
      : TWinControl(owner), class_(win_class), style_(style), icon_(icon) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WinClassName = class_;
    params.SystemClass = true;
    params.Style |= style_;
  }
  void CreateWnd() override {
    TWinControl::CreateWnd();
    if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
  }

 private:
  const wchar_t* class_;
  DWORD style_;
  HICON icon_;
};

std::wstring FormsKeyStorage() { return PreferencesKey() + L"\\Plenvik\\Forms"; }

}  // namespace

TAcrobatReaderWarning::TAcrobatReaderWarning(TComponent* owner) : TForm(owner) {}

void TAcrobatReaderWarning::Construct(bool read_layout) {
  TForm::Construct(read_layout);
  SetName("AcrobatReaderWarning");
  SetCaption("Warning");
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  Font()->SetName("MS Sans Serif");
  Font()->SetHeight(-11);

  auto* picture = new TNativeControl(this, L"STATIC", SS_ICON | SS_CENTERIMAGE, LoadIconW(nullptr, IDI_WARNING));
  picture->SetName("Image1");
  picture->SetBounds(4, 8, 40, 40);
  picture->SetParent(this);

  Label1 = new TNativeControl(this, L"STATIC", SS_LEFT | SS_NOPREFIX);
  Label1->SetName("Label1");
  Label1->SetCaption(
      "Some features of the Quorvel Designer documentation system use functionality unavailable in "
      "your version of Acrobat Reader. We recommend version 6.0 or higher.");
  Label1->SetBounds(52, 8, 344, 45);
  Label1->SetParent(this);

  Label2 = new TNativeControl(this, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS);
  Label2->SetName("Label2");
  Label2->SetCaption("The latest Acrobat Reader can be downloaded free of charge from www.adobe.com.");
  Label2->SetBounds(52, 60, 344, 17);
  Label2->SetParent(this);

  ButtonOK = new TButton(this);
  ButtonOK->SetName("ButtonOK");
  ButtonOK->SetCaption("OK");
  ButtonOK->SetModalResult(mrOk);
  ButtonOK->SetDefault(true);
  ButtonOK->SetBounds(323, 92, 75, 25);
  ButtonOK->SetParent(this);

  CheckBox1 = new TNativeControl(this, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
  CheckBox1->SetName("CheckBox1");
  CheckBox1->SetCaption("&Don't show this again");
  CheckBox1->SetBounds(16, 96, 215, 17);
  CheckBox1->SetParent(this);

  SetActiveControl(ButtonOK);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);
}

TModalResult TAcrobatReaderWarning::ShowModal() {
  if (IsTestMode()) {
    WriteTestLine("Running modal dialog " + std::string(ClassName()) + " " + Caption());
    EndProcessForTest(1);
  }
  return TForm::ShowModal();
}

bool TAcrobatReaderWarning::DontShowAgain() const {
  return CheckBox1->HandleAllocated() &&
         SendMessageW(CheckBox1->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TAcrobatReaderWarning::WndProc(TMessage& msg) {
  // The smallest size holds for every resize, the program's own as well as the user's.
  if (msg.Msg == WM_WINDOWPOSCHANGING) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(msg.LParam);
    if (pos && !(pos->flags & SWP_NOSIZE)) {
      if (pos->cx < kMinWidth) pos->cx = kMinWidth;
      if (pos->cy < kMinHeight) pos->cy = kMinHeight;
    }
  }
  if (msg.Msg == WM_GETMINMAXINFO) {
    TForm::WndProc(msg);
    auto* info = reinterpret_cast<MINMAXINFO*>(msg.LParam);
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
    return;
  }
  TForm::WndProc(msg);
  if (msg.Msg == WM_SIZE) Arrange();
}

// Labels stretch with the width; the button keeps its distance to the right and bottom edges, the
// check box stretches and keeps its distance to the bottom.
void TAcrobatReaderWarning::Arrange() {
  if (!Label1 || !ButtonOK || !CheckBox1) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  if (client.right == 0 && client.bottom == 0) return;
  const int grow = client.right - kClientWidth, drop = client.bottom - kClientHeight;
  Label1->SetBounds(52, 8, 344 + grow, 45);
  Label2->SetBounds(52, 60, 344 + grow, 17);
  ButtonOK->SetBounds(323 + grow, 92 + drop, 75, 25);
  CheckBox1->SetBounds(16, 96 + drop, 215 + grow, 17);
}

bool AcrobatVersionWarningEnabled() {
  TUniqueHkey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, FormsKeyStorage().c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return true;
  DWORD type = 0, value = 0, size = sizeof(value);
  if (RegQueryValueExW(key.get(), kSwitchName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return true;
  return value != 0;
}

void ShowAcrobatReaderWarning() {
  std::unique_ptr<TAcrobatReaderWarning> form(make_form_without_layout<TAcrobatReaderWarning>(nullptr));
  if (!AcrobatVersionWarningEnabled()) return;
  form->ShowModal();
  if (!form->DontShowAgain()) return;
  TUniqueHkey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, FormsKeyStorage().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(),
                      nullptr) != ERROR_SUCCESS)
    return;
  DWORD off = 0;
  RegSetValueExW(key.get(), kSwitchName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof(off));
}

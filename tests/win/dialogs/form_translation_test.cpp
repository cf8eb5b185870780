// The texts of a dialog's layout through the host's translation manager: replaced with localised
// dialogs on, turned into hints with them off, looked up under the form's and each component's
// name, and never for a reader that reads no form.

#include "dialogs/form_translation.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/bstr.h"
#include "base/text_convert.h"
#include "dialogs/dialog_framework_state.h"
#include "dialogs/server_dialog.h"
#include "forms/errors.h"
#include "forms/layout/layout_parser.h"
#include "forms/layout/layout_reader.h"
#include "tests/win/dialogs/dialog_fixture.h"
#include "tests/win/support/own_window.h"
#include "toolkit/label.h"
#include "toolkit/xp_bit_btn.h"
#include "toolkit/xp_radio_group.h"

class TTranslatedDialog : public TServerDialog {
  TAVRIN_CLASS(TTranslatedDialog, TServerDialog)
 public:
  using TServerDialog::TServerDialog;
};

namespace {

// A translation manager with fixed translations ("context|key" -> text) that records each call.
class TTestTranslations final : public ITranslationManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_ITranslationManager) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return ++refs; }
  ULONG __stdcall Release() override { return --refs; }

  HRESULT __stdcall LookupTranslation(BSTR context, BSTR key, BSTR* translation,
                                      int32_t* found) override {
    std::wstring entry = std::wstring(context ? context : L"") + L"|" + (key ? key : L"");
    lookups.push_back(entry);
    if (fail_at_lookup && static_cast<int>(lookups.size()) == fail_at_lookup) return E_FAIL;
    auto it = texts.find(entry);
    *found = it != texts.end();
    *translation = it != texts.end() ? TUniqueBstr(it->second).Detach() : nullptr;
    return S_OK;
  }
  HRESULT __stdcall SetFormContext(BSTR form_name) override {
    form_contexts.push_back(form_name ? form_name : L"");
    depths_at_context.push_back(LayoutLoadingDepth());
    return S_OK;
  }
  HRESULT __stdcall IsTranslating(int32_t* translating) override {
    *translating = translating_answer;
    return translating_status;
  }

  long refs = 1;
  std::map<std::wstring, std::wstring> texts;
  std::vector<std::wstring> lookups;
  std::vector<std::wstring> form_contexts;
  std::vector<int> depths_at_context;
  int fail_at_lookup = 0;
  int32_t translating_answer = 1;
  HRESULT translating_status = S_OK;
};

bool LookedUp(const TTestTranslations& m, const std::wstring& entry) {
  for (const std::wstring& l : m.lookups)
    if (l == entry) return true;
  return false;
}

class FormTranslationTest : public DialogTest {
 protected:
  FormTranslationTest() {
    InstallFormTranslation();
    TestExportTable().translation_manager = &manager;
    manager.texts[L"TranslatedDialog|Caption.'Translated dialog'"] = L"\u00dcbersetzt";
    manager.texts[L"OkButton|Caption.'OK'"] = L"Gut";
    manager.texts[L"InnerButton|Caption.'Inner'"] = L"Innen";
    manager.texts[L"Choice|Strings.'Two'"] = L"Zwei";
    manager.texts[L"QuoteLabel|Caption.'Don''t save'"] = L"Nicht speichern";
  }
  ~FormTranslationTest() override {
    RemoveFormTranslation();
    TestExportTable().translation_manager = nullptr;
    TestExportTable().use_localized_dialogs = 0;
  }

  TTestTranslations manager;
};

TEST_F(FormTranslationTest, WithoutAManagerEveryTextIsRead) {
  TestExportTable().translation_manager = nullptr;
  TestExportTable().use_localized_dialogs = 1;
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(dialog->Caption(), "Translated dialog");
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("OkButton"))->Caption(), "OK");
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("QuoteLabel"))->Caption(), "Don't save");
  EXPECT_EQ(class_cast<TXPRadioGroup>(dialog->FindComponent("Choice"))->Items()->Get(1), "Two");
  EXPECT_EQ(LayoutLoadingDepth(), 0);
}

TEST_F(FormTranslationTest, LocalisedDialogsShowTheTranslations) {
  TestExportTable().use_localized_dialogs = 1;
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(ToWide(dialog->Caption()), L"\u00dcbersetzt");
  auto* ok = class_cast<TControl>(dialog->FindComponent("OkButton"));
  EXPECT_EQ(ok->Caption(), "Gut");
  EXPECT_TRUE(ok->Hint().empty());
  // Nested components are looked up under their own names, list items under their owner's.
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("InnerButton"))->Caption(), "Innen");
  TStrings* items = class_cast<TXPRadioGroup>(dialog->FindComponent("Choice"))->Items();
  EXPECT_EQ(items->Get(0), "One");
  EXPECT_EQ(items->Get(1), "Zwei");
  // A text that is not a caption is looked up too; the font's name was not translated.
  EXPECT_TRUE(LookedUp(manager, L"TranslatedDialog|Name.'MS Sans Serif'"));
  EXPECT_EQ(dialog->Font()->Name(), "MS Sans Serif");
}

TEST_F(FormTranslationTest, WithoutLocalisedDialogsACaptionTranslationBecomesTheHint) {
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(dialog->Caption(), "Translated dialog");
  auto* ok = class_cast<TControl>(dialog->FindComponent("OkButton"));
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_EQ(ok->Hint(), "Gut");
  EXPECT_TRUE(ok->ShowHint());
  // Only captions are offered as hints: the list item keeps its text and gives no hint.
  auto* choice = class_cast<TXPRadioGroup>(dialog->FindComponent("Choice"));
  EXPECT_EQ(choice->Items()->Get(1), "Two");
  EXPECT_TRUE(choice->Hint().empty());
  EXPECT_FALSE(LookedUp(manager, L"Choice|Strings.'Two'"));
}

TEST_F(FormTranslationTest, AQuoteInACaptionIsDoubledInTheKey) {
  TestExportTable().use_localized_dialogs = 1;
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_TRUE(LookedUp(manager, L"QuoteLabel|Caption.'Don''t save'"));
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("QuoteLabel"))->Caption(), "Nicht speichern");
}

TEST_F(FormTranslationTest, TheFormContextIsSetAroundTheReadAndTheDepthReturnsToZero) {
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(manager.form_contexts, (std::vector<std::wstring>{L"TranslatedDialog", L""}));
  EXPECT_EQ(manager.depths_at_context, (std::vector<int>{1, 1}));
  EXPECT_EQ(LayoutLoadingDepth(), 0);
  // After each named component its own hint is offered, and the context is empty again.
  EXPECT_TRUE(LookedUp(manager, L"OkButton|Hint.''"));
  EXPECT_TRUE(TranslationContext().empty());
  EXPECT_EQ(TranslationInstance(), dialog->FindComponent("OkButton"));
}

TEST_F(FormTranslationTest, AFailingManagerEndsTheConstructionAndLeavesNoDialog) {
  TestExportTable().use_localized_dialogs = 1;
  manager.fail_at_lookup = 3;
  EXPECT_THROW(Make<TTranslatedDialog>(), ELayoutError);
  EXPECT_EQ(FindOwnWindow(nullptr, L"Translated dialog"), nullptr);
  EXPECT_EQ(LayoutLoadingDepth(), 0);
  ASSERT_FALSE(manager.form_contexts.empty());
  EXPECT_EQ(manager.form_contexts.back(), L"");
  // The next dialog reads as usual.
  manager.fail_at_lookup = 0;
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("OkButton"))->Caption(), "Gut");
}

TEST_F(FormTranslationTest, AReaderWithoutAFormLooksNothingUp) {
  TestExportTable().use_localized_dialogs = 1;
  TLayoutNode node = ParseLayout("object OkButton: TXPBitBtn\n  Caption = 'OK'\n  Hint = 'Inner'\nend\n",
                                  "lone");
  TXPBitBtn button(nullptr);
  TLayoutReader reader(nullptr, "lone", nullptr);
  reader.ReadProperties(button, node);
  EXPECT_EQ(button.Caption(), "OK");
  EXPECT_EQ(button.Hint(), "Inner");
  EXPECT_TRUE(manager.lookups.empty());
}

// Once the whole layout is read (depth back at 0), the host adapts every font of the form to the
// system locale when it translates, adapts fonts and prescribes no dialog font.
TEST_F(FormTranslationTest, TheLocaleFontReachesTheWholeFormAfterTheRead) {
  TestExportTable().use_system_locale_language = 1;
  TestExportTable().locale_face = L"Tahoma";
  SetTranslationActive(true);
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(dialog->Font()->Name(), "Tahoma");
  EXPECT_EQ(class_cast<TControl>(dialog->FindComponent("InnerButton"))->Font()->Name(), "Tahoma");

  SetTranslationActive(false);
  TestExportTable().update_font_calls = 0;
  auto untouched = Make<TTranslatedDialog>();
  EXPECT_EQ(untouched->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(TestExportTable().update_font_calls, 0);
}

TEST_F(FormTranslationTest, TheManagerSaysWhetherItTranslates) {
  EXPECT_TRUE(HostIsTranslating());
  manager.translating_answer = 0;
  EXPECT_FALSE(HostIsTranslating());
  manager.translating_status = E_FAIL;
  EXPECT_THROW(HostIsTranslating(), EOleError);
  TestExportTable().translation_manager = nullptr;
  EXPECT_FALSE(HostIsTranslating());
}

TEST_F(FormTranslationTest, RemovingPutsTheReaderBack) {
  RemoveFormTranslation();
  EXPECT_FALSE(LayoutReadStringHook.Installed());
  EXPECT_FALSE(LayoutReadComponentHook.Installed());
  TestExportTable().use_localized_dialogs = 1;
  auto dialog = Make<TTranslatedDialog>();
  EXPECT_EQ(dialog->Caption(), "Translated dialog");
  EXPECT_TRUE(manager.lookups.empty());
}

}  // namespace

#pragma once
// The base of a form that a module offers as a document options view: the nine operations the
// view forwards to it, and the back reference to its view, set when the view is made. Every
// operation does nothing by default; a module's options form overrides what it needs. A failure
// is raised; the view turns it into a status.

#include <cstdint>
#include <string>

#include "forms/form.h"

class TDocumentOptionsView;

class TDocumentOptionsForm : public TForm {
  TAVRIN_CLASS(TDocumentOptionsForm, TForm)
 public:
  using TForm::TForm;

  // The view wrapping the form (not counted); none until a view is made for it.
  TDocumentOptionsView* OptionsView() const { return options_view_; }
  void SetOptionsView(TDocumentOptionsView* view) { options_view_ = view; }

  virtual void SetDocumentKind(const std::string& kind) { (void)kind; }
  virtual uint8_t GetViewModified() { return 0; }
  virtual void LoadViewOptions() {}
  virtual void SaveViewOptions() {}
  virtual uint8_t GetViewReady() { return 0; }
  virtual void ApplyViewOptions() {}
  virtual void ResetViewOptions() {}
  virtual void SetViewTexts(const std::string& first, const std::string& second) {
    (void)first, (void)second;
  }
  virtual int32_t QueryViewValue(const std::string& name) {
    (void)name;
    return 0;
  }

 private:
  TDocumentOptionsView* options_view_ = nullptr;
};

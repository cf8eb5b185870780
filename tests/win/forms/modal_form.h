#pragma once
// A small dialog read from the test layout modal_form.layout.

#include <functional>

#include "forms/button.h"
#include "forms/form.h"

class TModalForm : public TForm {
  TAVRIN_CLASS(TModalForm, TForm)
 public:
  using TForm::TForm;

  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;
  TButton* ThrowButton = nullptr;

  int created = 0;
  int ok_clicks = 0;
  std::function<void()> on_throw_click;

  void FormCreate(TObject*) { ++created; }
  void OkButtonClick(TObject*) { ++ok_clicks; }
  void ThrowButtonClick(TObject*) {
    if (on_throw_click) on_throw_click();
  }

 protected:
  void DeclareBindings(TLayoutBindings& b) override {
    b.Component("OkButton", OkButton);
    b.Component("CancelButton", CancelButton);
    b.Component("ThrowButton", ThrowButton);
    b.Handler("FormCreate", &TModalForm::FormCreate);
    b.Handler("OkButtonClick", &TModalForm::OkButtonClick);
    b.Handler("ThrowButtonClick", &TModalForm::ThrowButtonClick);
  }
};

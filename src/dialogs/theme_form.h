#pragma once
// The painted caption and frame of one dialog. It takes over the dialog's window procedure, makes
// the non-client area a caption bar and thin edges drawn from the theme data, answers hit tests
// for its own caption buttons, tracks their hot and pressed states (the pressed one holds the
// mouse capture until release, and only a release on it sends its command) and cuts the window's
// top corners with a region that follows the window's size.

#include <functional>

#include "dialogs/form_theme_data.h"
#include "dialogs/theme_geometry.h"
#include "forms/component.h"
#include "forms/form.h"

class TThemeForm : public TComponent {
  TAVRIN_CLASS(TThemeForm, TComponent)
 public:
  // The dialog becomes the owner (make_component); its window is made again with the new
  // handling, and it grows by the difference of the caption heights.
  TThemeForm(TComponent* owner, TCustomForm& dialog, TFormThemeData& data);
  ~TThemeForm() override;

  TCaptionElement HotElement() const { return hot_element_; }
  TCaptionElement PressedElement() const { return pressed_element_; }
  TCaptionElement CapturedElement() const { return captured_element_; }
  bool RegionDirty() const { return region_dirty_; }
  int WindowWidth() const { return window_width_; }
  int WindowHeight() const { return window_height_; }
  // The caption's elements where the window is now (screen coordinates).
  TCaptionLayout ScreenLayout();

 private:
  void Dispatch(TMessage& msg);
  void CallSaved(TMessage& msg) { window_proc_(msg); }
  TCaptionLayout LayoutAt(int left, int top, int width);
  void SetRegion(int width, int height, bool redraw);
  void SetHot(TCaptionElement element);
  void SetPressed(TCaptionElement element);
  bool Active();
  HICON WindowIcon();
  void PaintAll(bool active);
  void PaintCaption(bool active);
  void PaintEdges(bool active);
  void PostCommand(TCaptionElement element, const TCaptionLayout& layout);

  TCaptionElement captured_element_ = ceNone;
  TCustomForm* form_;
  std::function<void(TMessage&)> window_proc_;
  int window_height_ = 0;
  TCaptionElement hot_element_ = ceNone;
  TCaptionElement pressed_element_ = ceNone;
  bool size_guard_ = false;
  int window_width_ = 0;
  bool region_dirty_ = false;
  TFormThemeData* theme_data_;
};

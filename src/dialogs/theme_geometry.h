#pragma once
// Where the painted caption and frame put things: the theme metrics, the caption's elements with
// their rectangles, the element under a point, the window region with its cut top corners and
// the parts of a nine-part image. Plain arithmetic on integers, shared by painting and hit tests.

#include <array>
#include <cstdint>
#include <vector>

#include "forms/form_types.h"

// Caption elements; 0 is none.
enum TCaptionElement : uint8_t { ceNone, ceHelp, ceMinimize, ceMaximize, ceClose };
// How a caption button is drawn.
enum TCaptionButtonState : uint8_t { cbsNormal, cbsHot, cbsPressed, cbsDisabled };

struct TThemeRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool Contains(int x, int y) const { return x >= Left && x < Right() && y >= Top && y < Bottom(); }
  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool operator==(const TThemeRect&) const = default;
};

// The metric of an index (taken modulo 128) for a caption font whose text is text_height high.
int ThemeMetric(int index, int text_height);

constexpr int kThemeBorderWidth = 4;
constexpr int kThemeIconSize = 16;

// What the caption of one window looks like: its screen position and width, the caption bar and
// text heights (metrics 1 and 2), and the form's border settings.
struct TCaptionInput {
  int Left = 0, Top = 0, Width = 0;
  int CaptionHeight = 0;
  int TextHeight = 0;
  TBorderStyle BorderStyle = bsDialog;
  TBorderIcons BorderIcons;
  bool Maximised = false;
};

struct TCaptionLayout {
  // Indexed by TCaptionElement (ceMaximize stands for the maximize or the restore button).
  std::array<bool, 5> Shown{};
  std::array<TThemeRect, 5> Buttons{};
  bool RestoreButton = false;  // the maximize place shows the restore button
  bool Icon = false;
  TThemeRect IconRect;
  TThemeRect Bar;
  TThemeRect Text;
  // The minimize button without biMinimize, maximize and restore without biMaximize.
  std::array<bool, 5> Disabled{};
};

TCaptionLayout LayoutCaption(const TCaptionInput& input);

// The shown element under a point: help, then maximize or restore, then minimize, then close.
TCaptionElement ElementAt(const TCaptionLayout& layout, int x, int y);

// The state a shown button is drawn in.
TCaptionButtonState ButtonState(const TCaptionLayout& layout, TCaptionElement element,
                                TCaptionElement hot, TCaptionElement pressed);

// The window region of a w x h window: horizontal bands whose union is the rectangle without the
// five cut rows of each top corner (5, 3, 2, 1, 1 pixels).
std::vector<TThemeRect> ThemeRegionBands(int w, int h);

// A frame of a stacked image: frames are frame_height rows each, counted from the top.
TThemeRect ImageFrame(int image_width, int frame_height, int index);
// The frame of a button image for a state: frame = state, 4 + state when the window is inactive.
int ButtonFrameIndex(TCaptionButtonState state, bool active);

// Nine-part drawing: the insets are the left width, top height, and the x and y where the right
// and bottom parts start, in the frame's own coordinates.
struct TNineInsets {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
struct TNinePart {
  TThemeRect Source, Target;
};
// The parts to copy, corners first (unscaled), then edges (stretched along their edge), then the
// centre; parts that come out empty are left out.
std::vector<TNinePart> NineParts(const TThemeRect& frame, const TNineInsets& insets,
                                 const TThemeRect& target);

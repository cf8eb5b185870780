#include "dialogs/theme_geometry.h"

#include <algorithm>

int ThemeMetric(int index, int text_height) {
  switch (index % 128) {
    case 0: return kThemeBorderWidth;
    case 1: return text_height + 12;
    case 2: return text_height;
    case 3: return 2;
    case 4: return 6;
    case 5: return 6;
    case 6: return 3;
    case 7: return kThemeIconSize;
    case 8: return 8;
    case 9: return 4;
    case 10: return 2;
    default: return 0;
  }
}

TCaptionLayout LayoutCaption(const TCaptionInput& in) {
  TCaptionLayout out;
  const int c = in.CaptionHeight;
  const int s = c - 6 - 3;
  const int right = in.Left + in.Width - 6;
  const int top = in.Top + 6;
  const TBorderIcons& icons = in.BorderIcons;
  const bool menu = icons.Contains(biSystemMenu);
  const bool min_or_max = icons.Contains(biMinimize) || icons.Contains(biMaximize);
  const bool framed = in.BorderStyle == bsSingle || in.BorderStyle == bsSizeable;

  out.Bar = {in.Left, in.Top, in.Width, c};
  out.Shown[ceClose] = menu;
  out.Buttons[ceClose] = {right - s, top, s, s};
  out.Shown[ceMaximize] = menu && min_or_max && framed;
  out.RestoreButton = out.Shown[ceMaximize] && in.Maximised;
  out.Buttons[ceMaximize] = {right - 2 * s - 2, top, s, s};
  out.Shown[ceMinimize] = out.Shown[ceMaximize];
  out.Buttons[ceMinimize] = {right - 3 * s - 4, top, s, s};
  out.Shown[ceHelp] = menu && icons.Contains(biHelp) && (!min_or_max || in.BorderStyle == bsDialog);
  out.Buttons[ceHelp] = {right - 2 * s - 2, top, s, s};
  out.Disabled[ceMinimize] = !icons.Contains(biMinimize);
  out.Disabled[ceMaximize] = !icons.Contains(biMaximize);

  out.Icon = menu && in.BorderStyle != bsDialog;
  out.IconRect = {in.Left + kThemeBorderWidth + 2, in.Top + (kThemeBorderWidth + c - kThemeIconSize) / 2,
                  kThemeIconSize, kThemeIconSize};

  out.Text.Top = in.Top + 4 + (c - in.TextHeight - 4) / 2;
  out.Text.Height = in.TextHeight;
  if (out.Icon) {
    out.Text.Left = out.IconRect.Right() + 4;
    int limit = out.Shown[ceHelp]       ? out.Buttons[ceHelp].Left
                : out.Shown[ceMinimize] ? out.Buttons[ceMinimize].Left
                                        : out.Buttons[ceClose].Left;
    out.Text.Width = limit - 4 - out.Text.Left;
  } else {
    out.Text.Left = in.Left + 8;
    out.Text.Width = in.Width - 16;
  }
  return out;
}

TCaptionElement ElementAt(const TCaptionLayout& layout, int x, int y) {
  for (TCaptionElement e : {ceHelp, ceMaximize, ceMinimize, ceClose})
    if (layout.Shown[e] && layout.Buttons[e].Contains(x, y)) return e;
  return ceNone;
}

TCaptionButtonState ButtonState(const TCaptionLayout& layout, TCaptionElement element,
                                TCaptionElement hot, TCaptionElement pressed) {
  if (layout.Disabled[element]) return cbsDisabled;
  if (element == pressed) return cbsPressed;
  if (element == hot) return cbsHot;
  return cbsNormal;
}

std::vector<TThemeRect> ThemeRegionBands(int w, int h) {
  static constexpr int cuts[] = {5, 3, 2, 1, 1};
  std::vector<TThemeRect> bands;
  if (w <= 0 || h <= 0) return bands;
  int rows = std::min(h, 5);
  for (int y = 0; y < rows; ++y) {
    int cut = cuts[y];
    if (w - 2 * cut > 0) bands.push_back({cut, y, w - 2 * cut, 1});
  }
  if (h > 5) bands.push_back({0, 5, w, h - 5});
  return bands;
}

TThemeRect ImageFrame(int image_width, int frame_height, int index) {
  return {0, index * frame_height, image_width, frame_height};
}

int ButtonFrameIndex(TCaptionButtonState state, bool active) {
  return (active ? 0 : 4) + static_cast<int>(state);
}

std::vector<TNinePart> NineParts(const TThemeRect& f, const TNineInsets& in, const TThemeRect& t) {
  // Source columns and rows in the frame, target columns and rows in the rectangle. A target
  // smaller than the two fixed parts squeezes the right and bottom parts onto the left and top.
  const int sx[4] = {f.Left, f.Left + in.Left, f.Left + in.Right, f.Right()};
  const int sy[4] = {f.Top, f.Top + in.Top, f.Top + in.Bottom, f.Bottom()};
  const int right_w = f.Width - in.Right, bottom_h = f.Height - in.Bottom;
  const int tx1 = t.Left + std::min(in.Left, t.Width);
  const int ty1 = t.Top + std::min(in.Top, t.Height);
  const int tx[4] = {t.Left, tx1, std::max(tx1, t.Right() - right_w), t.Right()};
  const int ty[4] = {t.Top, ty1, std::max(ty1, t.Bottom() - bottom_h), t.Bottom()};
  std::vector<TNinePart> parts;
  // Corners, then edges, then the centre.
  static constexpr int order[9][2] = {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 0}, {0, 1}, {2, 1}, {1, 2}, {1, 1}};
  for (const auto& cell : order) {
    int i = cell[0], j = cell[1];
    TNinePart p{{sx[i], sy[j], sx[i + 1] - sx[i], sy[j + 1] - sy[j]},
                {tx[i], ty[j], tx[i + 1] - tx[i], ty[j + 1] - ty[j]}};
    if (!p.Source.Empty() && !p.Target.Empty()) parts.push_back(p);
  }
  return parts;
}

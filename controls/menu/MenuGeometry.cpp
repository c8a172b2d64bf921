#include "controls/menu/MenuGeometry.h"

#include <algorithm>

namespace {

// A level larger than the room on either side still starts on the monitor: its first rows
// and its left edge stay reachable (the rest runs off the far edges).
TPoint KeepTopLeftOn(TPoint Place, const TRect& Monitor) {
  return {std::max(Place.X, Monitor.Left), std::max(Place.Y, Monitor.Top)};
}

} // namespace

TPoint PlacePopup(TPopupOrigin Origin, TPoint At, const TRect& ParentRect, int Width, int Height,
                  const TRect& Monitor) {
  TPoint Place = At;
  auto CrossesRight = [&] { return Monitor.Right < Place.X + Width; };
  auto CrossesBottom = [&] { return Monitor.Bottom < Place.Y + Height; };
  switch (Origin) {
  case TPopupOrigin::poPoint:
    if (CrossesRight())
      Place.X = At.X - Width;
    if (CrossesBottom())
      Place.Y = At.Y - Height;
    return KeepTopLeftOn(Place, Monitor);
  case TPopupOrigin::poBar:
    Place = {ParentRect.Left, ParentRect.Bottom};
    if (CrossesRight())
      Place.X = ParentRect.Right - Width;
    if (CrossesBottom()) {
      Place.Y = ParentRect.Top - Height;
      if (Place.Y < 0)
        Place.Y = Monitor.Top;
    }
    break;
  case TPopupOrigin::poItem:
    Place = {ParentRect.Right, ParentRect.Top};
    if (CrossesRight())
      Place.X = ParentRect.Left - Width;
    if (CrossesBottom())
      Place.Y = ParentRect.Bottom - Height;
    break;
  }
  if (CrossesRight())
    Place.X = Monitor.Right - Width;
  if (CrossesBottom())
    Place.Y = Monitor.Bottom - Height;
  return KeepTopLeftOn(Place, Monitor);
}

int TMenuRows::VisibleRowCount() const {
  if (!Scrolls())
    return Count();
  return std::max(0, std::min(ScrollCount, Count() - FirstVisible));
}

bool TMenuRows::Selectable(int Index) const {
  return Index >= 0 && Index < Count() && Rows[Index].Visible && !Rows[Index].Separator;
}

TMenuStep StepMenu(const TMenuRows& Rows, int Current, bool Forward) {
  TMenuStep Step;
  Step.FirstVisible = Rows.FirstVisible;
  const int Count = Rows.Count();
  int Index = Current;
  // One round over every row at most: a level of separators alone has no stop.
  for (int Tried = 0; Tried < Count; ++Tried) {
    if (Forward)
      Index = (Index < 0 || Index >= Count - 1) ? 0 : Index + 1;
    else
      Index = (Index <= 0 || Index >= Count) ? Count - 1 : Index - 1;
    if (!Rows.Selectable(Index)) {
      Step.Skipped.push_back(Index);
      continue;
    }
    if (Rows.Scrolls()) {
      if (Forward) {
        if (Index == 0)
          Step.FirstVisible = 0;
        else if (Index >= Step.FirstVisible + Rows.ScrollCount)
          Step.FirstVisible = Index - Rows.ScrollCount + 1;
      } else {
        if (Index < Step.FirstVisible)
          Step.FirstVisible = Index;
        else if (Index == Count - 1)
          Step.FirstVisible = Count - Rows.ScrollCount;
      }
      Step.FirstVisible = std::max(0, Step.FirstVisible);
    }
    Step.Current = Index;
    return Step;
  }
  return Step;
}

TMenuLayout LayoutMenuRows(const TMenuRows& Rows, const std::vector<TMenuRowSize>& Sizes,
                           TPoint Origin) {
  TMenuLayout Layout;
  Layout.Rects.resize(Rows.Rows.size());
  const int First = Rows.Scrolls() ? std::clamp(Rows.FirstVisible, 0, Rows.Count()) : 0;
  const int Last = First + Rows.VisibleRowCount();
  const int Top = Origin.Y + (Rows.Scrolls() ? MenuScrollStrip : 0);
  int Y = 0;
  for (int Index = 0; Index < Rows.Count(); ++Index) {
    if (!Rows.Rows[Index].Visible || Index >= static_cast<int>(Sizes.size()))
      continue;
    Layout.Width = std::max(Layout.Width, Sizes[Index].Width);
    if (Index < First || Index >= Last)
      continue;
    Y += Sizes[Index].Height;
    Layout.Rects[Index] = {Origin.X, Top + Y - Sizes[Index].Height, Origin.X, Top + Y};
  }
  for (TRect& Row : Layout.Rects)
    if (Row.Bottom > Row.Top)
      Row.Right = Origin.X + Layout.Width;
  Layout.Height = Y + (Rows.Scrolls() ? 2 * MenuScrollStrip : 0);
  return Layout;
}

#include "controls/tabs/TabLayout.h"

#include <algorithm>
#include <utility>

TTabPosition OppositeSide(TTabPosition Side) {
  switch (Side) {
  case tpTop:
    return tpBottom;
  case tpBottom:
    return tpTop;
  case tpLeft:
    return tpRight;
  case tpRight:
    break;
  }
  return tpLeft;
}

int SideMargin(TTabPosition Side, const TTabMargins& Margins) {
  switch (Side) {
  case tpTop:
    return Margins.Top;
  case tpBottom:
    return Margins.Bottom;
  case tpLeft:
    return Margins.Left;
  case tpRight:
    break;
  }
  return Margins.Right;
}

TRect MoveOuterEdge(TRect R, TTabPosition Side, int Amount) {
  switch (Side) {
  case tpTop:
    R.Top += Amount;
    break;
  case tpBottom:
    R.Bottom -= Amount;
    break;
  case tpLeft:
    R.Left += Amount;
    break;
  case tpRight:
    R.Right -= Amount;
    break;
  }
  return R;
}

int TabHeightFor(int TabHeight, int TextHeight, int ImageHeight) {
  if (TabHeight > 0)
    return TabHeight;
  int Result = TextHeight + 4;
  if (ImageHeight >= 0)
    Result = std::max(Result, ImageHeight + 4);
  return Result;
}

int TabWidthFor(int FixedWidth, int TextWidth, int ImageWidth, int TabHeight, int SideMargin) {
  const int Width = FixedWidth != 0 ? FixedWidth : TextWidth + 12 + std::max(ImageWidth, 0);
  return std::max(Width, 2 * (TabHeight + SideMargin));
}

std::vector<TTabRow> ArrangeRows(const std::vector<int>& Widths, int Available) {
  std::vector<TTabRow> Rows;
  if (Widths.empty())
    return Rows;
  const auto Close = [&](int LastTab, int RowWidth) {
    const int Tabs = LastTab - (Rows.empty() ? 0 : Rows.back().LastTab + 1) + 1;
    const int Free = Available - RowWidth;
    const int Extra = Free / Tabs;
    Rows.push_back({LastTab, Extra, Free - Extra * Tabs});
  };
  int RowWidth = Widths[0];
  for (int Tab = 1; Tab < static_cast<int>(Widths.size()); ++Tab) {
    // The last row the table holds takes whatever is left.
    if (RowWidth + Widths[Tab] < Available || static_cast<int>(Rows.size()) == MaxTabRows - 1) {
      RowWidth += Widths[Tab];
    } else {
      Close(Tab - 1, RowWidth);
      RowWidth = Widths[Tab];
    }
  }
  Close(static_cast<int>(Widths.size()) - 1, RowWidth);
  return Rows;
}

TTabLayout::TTabLayout(TTabStrip Strip) : FStrip(std::move(Strip)) {
  if (FStrip.MultiLine) {
    FRows = ArrangeRows(FStrip.Widths, Available());
  } else if (Count() > 0) {
    // A single line is one row; it scrolls instead of being justified.
    FRows.push_back({Count() - 1, 0, 0});
  }
}

int TTabLayout::Length() const {
  return FStrip.Position == tpLeft || FStrip.Position == tpRight ? FStrip.Height : FStrip.Width;
}

int TTabLayout::Depth() const {
  return FStrip.Position == tpLeft || FStrip.Position == tpRight ? FStrip.Width : FStrip.Height;
}

int TTabLayout::Available() const { return Length() - FStrip.Margins.Left - FStrip.Margins.Right; }

int TTabLayout::RowOf(int Tab) const {
  for (int Row = 0; Row < static_cast<int>(FRows.size()); ++Row)
    if (Tab <= FRows[Row].LastTab)
      return Row;
  return 0;
}

int TTabLayout::ActiveRow() const {
  return FStrip.TabIndex >= 0 && FStrip.TabIndex < Count() ? RowOf(FStrip.TabIndex) : 0;
}

int TTabLayout::Distance(int Row) const {
  const int Active = ActiveRow();
  if (Row >= Active)
    return Row - Active + 1;
  if (OppositeRows())
    return Active - Row;
  return Row + static_cast<int>(FRows.size()) - Active + 1;
}

bool TTabLayout::IsOpposite(int Row) const { return OppositeRows() && Row < ActiveRow(); }

TTabPosition TTabLayout::SideOf(int Tab) const {
  return IsOpposite(RowOf(Tab)) ? OppositeSide(FStrip.Position) : FStrip.Position;
}

int TTabLayout::Extent(int Tab) const {
  if (Tab < 0 || Tab >= Count())
    return 0;
  const int Width = FStrip.Widths[Tab];
  if (!MultiLine() || FStrip.RaggedRight || FStrip.FixedWidth)
    return Width;
  const TTabRow& Row = FRows[RowOf(Tab)];
  return Width + Row.Extra + (Tab == Row.LastTab ? Row.Remainder : 0);
}

int TTabLayout::HeaderSize() const {
  if (Count() == 0)
    return 0;
  const int Rows = static_cast<int>(FRows.size()) - (OppositeRows() ? ActiveRow() : 0);
  return FStrip.TabHeight * Rows + SideMargin(FStrip.Position, FStrip.Margins);
}

int TTabLayout::OppositeHeaderSize() const {
  return OppositeRows() ? FStrip.TabHeight * ActiveRow() : 0;
}

TRect TTabLayout::Place(TTabPosition Side, int AlongStart, int AlongEnd, int DepthStart,
                        int DepthEnd) const {
  switch (Side) {
  case tpTop:
    return Rect(AlongStart, DepthStart, AlongEnd, DepthEnd);
  case tpBottom:
    return Rect(AlongStart, FStrip.Height - DepthEnd, AlongEnd, FStrip.Height - DepthStart);
  case tpLeft:
    return Rect(DepthStart, AlongStart, DepthEnd, AlongEnd);
  case tpRight:
    break;
  }
  return Rect(FStrip.Width - DepthEnd, AlongStart, FStrip.Width - DepthStart, AlongEnd);
}

TRect TTabLayout::PageRect() const {
  return Place(FStrip.Position, 0, Length(), HeaderSize(), Depth() - OppositeHeaderSize());
}

TRect TTabLayout::SheetRect() const {
  const TRect Page = PageRect();
  const TTabMargins& M = FStrip.Margins;
  return Rect(Page.Left + M.Left + 1, Page.Top + M.Top + 1, Page.Right - M.Right - 1,
              Page.Bottom - M.Bottom - 1);
}

int TTabLayout::AlongStart(int Tab, int FirstVisible) const {
  int Start = FStrip.Margins.Left;
  if (MultiLine()) {
    for (int Other = FirstTabOf(RowOf(Tab)); Other < Tab; ++Other)
      Start += Extent(Other);
  } else if (Tab >= FirstVisible) {
    for (int Other = FirstVisible; Other < Tab; ++Other)
      Start += Extent(Other);
  } else {
    for (int Other = Tab; Other < FirstVisible; ++Other)
      Start -= Extent(Other);
  }
  return Start;
}

TRect TTabLayout::TabRectFor(int Tab, int FirstVisible) const {
  if (Tab < 0 || Tab >= Count())
    return {};
  const int Row = RowOf(Tab);
  const int Start = AlongStart(Tab, FirstVisible);
  const int End = Start + Extent(Tab);
  const int Far = FStrip.TabHeight * Distance(Row);
  if (IsOpposite(Row)) {
    const TTabPosition Side = OppositeSide(FStrip.Position);
    const int Header = OppositeHeaderSize();
    return Place(Side, Start, End, Header - Far, Header + SideMargin(Side, FStrip.Margins));
  }
  // Every tab reaches down into the page frame; nearer rows are painted over farther ones.
  const int Header = HeaderSize();
  return Place(FStrip.Position, Start, End, Header - Far,
               Header + SideMargin(FStrip.Position, FStrip.Margins));
}

TRect TTabLayout::TabRect(int Tab) const { return TabRectFor(Tab, FStrip.FirstVisible); }

bool TTabLayout::ScrollButtonsShownFor(int FirstVisible) const {
  if (MultiLine() || Count() < 2 || (FStrip.Position != tpTop && FStrip.Position != tpBottom))
    return false;
  return FirstVisible != 0 || TabRectFor(Count() - 1, FirstVisible).Right > FStrip.Width;
}

int TTabLayout::ButtonsTop() const {
  const int Size = FStrip.ScrollButtonSize;
  if (FStrip.Position == tpTop)
    return HeaderSize() - Size - FStrip.Margins.Top;
  return FStrip.Height + FStrip.Margins.Bottom - HeaderSize();
}

TRect TTabLayout::LeftButtonRect() const {
  const int Size = FStrip.ScrollButtonSize;
  const int Top = ButtonsTop();
  return Rect(FStrip.Width - 2 * Size, Top, FStrip.Width - Size, Top + Size);
}

TRect TTabLayout::RightButtonRect() const {
  const int Size = FStrip.ScrollButtonSize;
  const int Top = ButtonsTop();
  return Rect(FStrip.Width - Size, Top, FStrip.Width, Top + Size);
}

bool TTabLayout::Fits(int FirstVisible) const {
  int End = FStrip.Margins.Left;
  for (int Tab = FirstVisible; Tab < Count(); ++Tab)
    End += Extent(Tab);
  return End <= FStrip.Width - 2 * FStrip.ScrollButtonSize;
}

int TTabLayout::ScrolledFirstVisible(int Delta) const {
  if (Count() == 0)
    return 0;
  int First = std::clamp(FStrip.FirstVisible + Delta, 0, Count() - 1);
  // No room is left empty behind the last tab while earlier tabs could use it.
  while (First > 0 && Fits(First - 1))
    --First;
  return First;
}

int TTabLayout::LastFullyVisible(int FirstVisible) const {
  const int Limit =
      FStrip.Width - (ScrollButtonsShownFor(FirstVisible) ? 2 * FStrip.ScrollButtonSize : 0);
  int Last = FirstVisible - 1;
  while (Last + 1 < Count() && TabRectFor(Last + 1, FirstVisible).Right <= Limit)
    ++Last;
  return Last;
}

int TTabLayout::FirstVisibleShowing(int Tab) const {
  int First = FStrip.FirstVisible;
  if (MultiLine() || Tab < 0 || Tab >= Count())
    return First;
  const auto OverlapsButtons = [&](int FirstVisible) {
    const TRect TabBounds = TabRectFor(Tab, FirstVisible);
    return !IntersectRect(TabBounds, LeftButtonRect()).IsEmpty() ||
           !IntersectRect(TabBounds, RightButtonRect()).IsEmpty();
  };
  while (First < Tab && ScrollButtonsShownFor(First) && OverlapsButtons(First))
    ++First;
  while (Tab < First)
    --First;
  while (First < Tab && LastFullyVisible(First) < Tab)
    ++First;
  return First;
}

namespace {

bool Contains(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

} // namespace

int TTabLayout::TabAt(TPoint Point) const {
  if (Count() == 0)
    return -1;
  if (ScrollButtonsShown()) {
    const int Header = HeaderSize();
    const bool InHeader =
        FStrip.Position == tpTop ? Point.Y < Header : Point.Y >= FStrip.Height - Header;
    if (InHeader && Point.X >= FStrip.Width - 2 * FStrip.ScrollButtonSize)
      return -1;
  }
  const int Active = FStrip.TabIndex;
  if (Active >= 0 && Active < Count() && Contains(TabRect(Active), Point))
    return Active;
  if (MultiLine()) {
    const int Rows = static_cast<int>(FRows.size());
    for (int Ring = 1; Ring <= Rows; ++Ring)
      for (int Row = 0; Row < Rows; ++Row) {
        if (Distance(Row) != Ring)
          continue;
        for (int Tab = FirstTabOf(Row); Tab <= FRows[Row].LastTab; ++Tab)
          if (Contains(TabRect(Tab), Point))
            return Tab;
      }
    return -1;
  }
  for (int Tab = std::max(FStrip.FirstVisible, 0); Tab < Count(); ++Tab) {
    // Only the active tab reaches into the page frame.
    TRect Bounds = TabRect(Tab);
    const int Margin = SideMargin(FStrip.Position, FStrip.Margins);
    switch (FStrip.Position) {
    case tpTop:
      Bounds.Bottom -= Margin;
      break;
    case tpBottom:
      Bounds.Top += Margin;
      break;
    case tpLeft:
      Bounds.Right -= Margin;
      break;
    case tpRight:
      Bounds.Left += Margin;
      break;
    }
    if (Contains(Bounds, Point))
      return Tab;
  }
  return -1;
}

std::vector<int> TTabLayout::PaintOrder() const {
  std::vector<int> Order;
  const auto AddRow = [&](int Row) {
    for (int Tab = FirstTabOf(Row); Tab <= FRows[Row].LastTab; ++Tab)
      if (Tab != FStrip.TabIndex)
        Order.push_back(Tab);
  };
  if (!MultiLine()) {
    for (int Tab = std::max(FStrip.FirstVisible, 0); Tab < Count(); ++Tab)
      if (Tab != FStrip.TabIndex)
        Order.push_back(Tab);
    return Order;
  }
  const int Active = ActiveRow();
  if (!OppositeRows())
    for (int Row = Active - 1; Row >= 0; --Row)
      AddRow(Row);
  for (int Row = static_cast<int>(FRows.size()) - 1; Row >= Active; --Row)
    AddRow(Row);
  if (OppositeRows())
    for (int Row = 0; Row < Active; ++Row)
      AddRow(Row);
  return Order;
}

TSize ControlSizeForSheet(TTabStrip Strip, TSize Sheet) {
  const bool Side = Strip.Position == tpLeft || Strip.Position == tpRight;
  int& Along = Side ? Strip.Height : Strip.Width;
  int& Across = Side ? Strip.Width : Strip.Height;
  const auto AlongOf = [Side](const TRect& R) { return Side ? R.Height() : R.Width(); };
  const auto AcrossOf = [Side](const TRect& R) { return Side ? R.Width() : R.Height(); };
  // The sheet is the control less a fixed amount each way: measured at length 0, then the
  // depth at the length found.
  Along = 0;
  Across = 0;
  Along = (Side ? Sheet.Height : Sheet.Width) - AlongOf(TTabLayout(Strip).SheetRect());
  Across = (Side ? Sheet.Width : Sheet.Height) - AcrossOf(TTabLayout(Strip).SheetRect());
  return {Strip.Width, Strip.Height};
}

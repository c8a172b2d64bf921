#include "toolkit/Align.h"

#include <algorithm>

namespace {

struct TSpan {
  int32_t Start;
  int32_t Length;
};

// One axis of an anchored child: Near and Far are the anchors to the axis's two sides.
TSpan AnchorAxis(TSpan Base, int32_t BaseArea, int32_t Area, bool Near, bool Far) {
  const int32_t Delta = Area - BaseArea;
  if (Near && Far)
    return {Base.Start, std::max(Base.Length + Delta, 0)};
  if (Far)
    return {Base.Start + Delta, Base.Length};
  if (Near || BaseArea <= 0)
    return {Base.Start, Base.Length};
  // Twice the centre, scaled with the area, less the length: twice the new start.
  const int32_t Twice = MulDivRound(2 * Base.Start + Base.Length, Area, BaseArea) - Base.Length;
  return {Twice >> 1, Base.Length};
}

int32_t AxisNeed(TSpan Base, int32_t BaseArea, bool Near, bool Far) {
  const int32_t End = Base.Start + Base.Length;
  if (Near && Far)
    return std::max(Base.Start + BaseArea - End, 0);
  if (Far)
    return std::max(BaseArea - Base.Start, Base.Length);
  if (Near)
    return std::max(End, 0);
  return std::max(Base.Length, 0);
}

// Where a child of this kind stands from its side: smaller goes first.
int32_t DistanceFromSide(TAlign Align, const TRect& R) {
  switch (Align) {
  case TAlign::alTop:
    return R.Top;
  case TAlign::alBottom:
    return -R.Bottom;
  case TAlign::alLeft:
    return R.Left;
  case TAlign::alRight:
    return -R.Right;
  default:
    return 0;
  }
}

// Takes Child's slice off Rest for a docked kind; the client kind takes Rest as it is.
TRect Dock(TAlign Align, const TRect& Child, TRect& Rest) {
  TRect R = Rest;
  switch (Align) {
  case TAlign::alTop:
    R.Bottom = Rest.Top += Child.Height();
    break;
  case TAlign::alBottom:
    R.Top = Rest.Bottom -= Child.Height();
    break;
  case TAlign::alLeft:
    R.Right = Rest.Left += Child.Width();
    break;
  case TAlign::alRight:
    R.Left = Rest.Right -= Child.Width();
    break;
  default:
    break;
  }
  R.Right = std::max(R.Right, R.Left);
  R.Bottom = std::max(R.Bottom, R.Top);
  return R;
}

} // namespace

TRect AnchoredBounds(const TAnchorBase& Base, TAnchors Anchors, TSize Area) {
  const TRect& B = Base.Bounds;
  const TSpan X = AnchorAxis({B.Left, B.Width()}, Base.Area.Width, Area.Width,
                             (Anchors & akLeft) != 0, (Anchors & akRight) != 0);
  const TSpan Y = AnchorAxis({B.Top, B.Height()}, Base.Area.Height, Area.Height,
                             (Anchors & akTop) != 0, (Anchors & akBottom) != 0);
  return {X.Start, Y.Start, X.Start + X.Length, Y.Start + Y.Length};
}

TSize AnchoredNeed(const TAnchorBase& Base, TAnchors Anchors) {
  const TRect& B = Base.Bounds;
  return {AxisNeed({B.Left, B.Width()}, Base.Area.Width, (Anchors & akLeft) != 0,
                   (Anchors & akRight) != 0),
          AxisNeed({B.Top, B.Height()}, Base.Area.Height, (Anchors & akTop) != 0,
                   (Anchors & akBottom) != 0)};
}

std::vector<TRect> AlignChildren(const std::vector<TAlignChild>& Children, const TRect& Area) {
  std::vector<TRect> Result;
  Result.reserve(Children.size());
  for (const TAlignChild& Child : Children) {
    const bool Anchored = Child.Visible && Child.Align == TAlign::alNone && Child.Base.Valid;
    Result.push_back(Anchored ? AnchoredBounds(Child.Base, Child.Anchors,
                                               {Area.Width(), Area.Height()})
                              : Child.Bounds);
  }
  TRect Rest = Area;
  for (const TAlign Kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                            TAlign::alClient}) {
    std::vector<size_t> Order;
    for (size_t I = 0; I < Children.size(); ++I)
      if (Children[I].Visible && Children[I].Align == Kind)
        Order.push_back(I);
    std::stable_sort(Order.begin(), Order.end(), [&](size_t A, size_t B) {
      return DistanceFromSide(Kind, Children[A].Bounds) < DistanceFromSide(Kind, Children[B].Bounds);
    });
    for (const size_t I : Order)
      Result[I] = Dock(Kind, Children[I].Bounds, Rest);
  }
  return Result;
}

TSize AlignedMinimum(const std::vector<TAlignChild>& Children, TPoint Origin) {
  int32_t Stacked = 0, StackWidth = 0; // top and bottom children
  int32_t Rowed = 0, RowHeight = 0;    // left and right children
  TSize Client, Unaligned;
  for (const TAlignChild& Child : Children) {
    if (!Child.Visible)
      continue;
    switch (Child.Align) {
    case TAlign::alTop:
    case TAlign::alBottom:
      Stacked += Child.Bounds.Height();
      StackWidth = std::max(StackWidth, Child.Minimum.Width);
      break;
    case TAlign::alLeft:
    case TAlign::alRight:
      Rowed += Child.Bounds.Width();
      RowHeight = std::max(RowHeight, Child.Minimum.Height);
      break;
    case TAlign::alClient:
      Client = {std::max(Client.Width, Child.Minimum.Width),
                std::max(Client.Height, Child.Minimum.Height)};
      break;
    case TAlign::alNone: {
      TAnchorBase Base = Child.Base.Valid ? Child.Base : TAnchorBase{Child.Bounds, {}, true};
      Base.Bounds = {Base.Bounds.Left - Origin.X, Base.Bounds.Top - Origin.Y,
                     Base.Bounds.Right - Origin.X, Base.Bounds.Bottom - Origin.Y};
      const TSize Need = AnchoredNeed(Base, Child.Base.Valid ? Child.Anchors : DefaultAnchors);
      Unaligned = {std::max(Unaligned.Width, Need.Width),
                   std::max(Unaligned.Height, Need.Height)};
      break;
    }
    }
  }
  return {std::max({StackWidth, Rowed + Client.Width, Unaligned.Width}),
          std::max(Stacked + std::max(RowHeight, Client.Height), Unaligned.Height)};
}

#include "controls/base/Bevels.h"

TSeBevelColors BevelColors(TSeBevelCut Cut, bool Outer) {
  switch (Cut) {
  case qbvLowered:
    return Outer ? TSeBevelColors{clBtnShadow, clBtnHighlight}
                 : TSeBevelColors{cl3DDkShadow, clBtnFace};
  case qbvRaised:
    return Outer ? TSeBevelColors{clBtnHighlight, cl3DDkShadow}
                 : TSeBevelColors{clBtnShadow, clBtnShadow};
  case qbvSpace:
    return {clBtnFace, clBtnFace};
  case qbvBorder:
    return Outer ? TSeBevelColors{cl3DDkShadow, cl3DDkShadow} : TSeBevelColors{clWindow, clWindow};
  case qbvFlatBorder:
    return Outer ? TSeBevelColors{clBtnShadow, clBtnShadow} : TSeBevelColors{clBtnFace, clBtnFace};
  case qbvNone:
  default:
    return {};
  }
}

TSeBevelCut BevelKindCut(TSeBevelKind Kind) {
  switch (Kind) {
  case qbkSingle:
  case qbkTile:
  case qbkSoft:
    return qbvLowered;
  case qbkBorder:
    return qbvBorder;
  case qbkFlat:
    return qbvFlatBorder;
  case qbkNone:
  default:
    return qbvNone;
  }
}

TRect FrameInnerRect(const TRect& Bounds, const TSeFrame& Frame) {
  TRect R{Bounds.Left + Frame.BorderWidth, Bounds.Top + Frame.BorderWidth,
          Bounds.Right - Frame.BorderWidth, Bounds.Bottom - Frame.BorderWidth};
  const int32_t Bevels = (Frame.BevelInner != qbvNone) + (Frame.BevelOuter != qbvNone);
  const int32_t Inset = Frame.BevelWidth * Bevels;
  if (Frame.BevelSides & (1 << qbsLeft))
    R.Left += Inset;
  if (Frame.BevelSides & (1 << qbsTop))
    R.Top += Inset;
  if (Frame.BevelSides & (1 << qbsRight))
    R.Right -= Inset;
  if (Frame.BevelSides & (1 << qbsBottom))
    R.Bottom -= Inset;
  return R;
}

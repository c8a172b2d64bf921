#include "toolkit/Panel.h"

namespace {

UINT EdgeOf(TPanelBevel Bevel) {
  return Bevel == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
}

} // namespace

void TPanel::Paint() {
  RECT Frame = ClientRect();
  // The outer edge first; the inner one inside what it leaves.
  if (BevelOuter != TPanelBevel::bvNone)
    DrawEdge(Canvas().Handle(), &Frame, EdgeOf(BevelOuter), BF_RECT | BF_ADJUST);
  if (BevelInner != TPanelBevel::bvNone)
    DrawEdge(Canvas().Handle(), &Frame, EdgeOf(BevelInner), BF_RECT | BF_ADJUST);
}

#include "toolkit/Panel.h"

void TPanel::Paint() {
  if (BevelOuter == TPanelBevel::bvNone)
    return;
  RECT Frame = ClientRect();
  DrawEdge(Canvas().Handle(), &Frame,
           BevelOuter == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

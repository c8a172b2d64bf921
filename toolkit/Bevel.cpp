#include "toolkit/Bevel.h"

void TBevel::Paint() {
  RECT Frame = ClientRect();
  DrawEdge(Canvas().Handle(), &Frame, Shape == TBevelShape::bsFrame ? EDGE_ETCHED : BDR_SUNKENOUTER,
           BF_RECT);
}

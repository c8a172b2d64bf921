#include "toolkit/Bevel.h"

void TBevel::Paint() {
  RECT Frame = ClientRect();
  const bool Raised = Style == TBevelStyle::bsRaised;
  const UINT Edge = Shape == TBevelShape::bsFrame ? (Raised ? EDGE_BUMP : EDGE_ETCHED)
                                                  : (Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER);
  DrawEdge(Canvas().Handle(), &Frame, Edge, BF_RECT);
}

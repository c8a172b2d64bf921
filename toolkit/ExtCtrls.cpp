#include "toolkit/ExtCtrls.h"

void TPanel::PaintContent(TCanvas& Canvas) {
  if (BevelOuter == TPanelBevel::bvNone)
    return;
  RECT Frame = ClientRect();
  DrawEdge(Canvas.Handle(), &Frame,
           BevelOuter == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  FPicture.OnChange = [this](TObject*) { Invalidate(); };
}

void TImage::Paint(TCanvas& Canvas) { Canvas.Draw(0, 0, FPicture.Bitmap().Handle()); }

void TBevel::Paint(TCanvas& Canvas) {
  RECT Frame = ClientRect();
  DrawEdge(Canvas.Handle(), &Frame, Shape == TBevelShape::bsFrame ? EDGE_ETCHED : BDR_SUNKENOUTER,
           BF_RECT);
}

#include "toolkit/Image.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  FPicture.OnChange = [this](TObject*) { Invalidate(); };
}

void TImage::Paint() { Canvas().Draw(0, 0, FPicture.Bitmap().Handle()); }

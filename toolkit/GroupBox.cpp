#include "toolkit/GroupBox.h"

void TGroupBox::Paint() {
  TCanvas& Canvas = this->Canvas();
  const SIZE Text = Canvas.TextExtent(Caption().empty() ? std::string("0") : Caption());
  RECT Frame = ClientRect();
  Frame.top = Caption().empty() ? 0 : Text.cy / 2;
  DrawEdge(Canvas.Handle(), &Frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty())
    return;
  RECT Label{8, 0, 8 + Text.cx + 4, Text.cy};
  Canvas.Brush.Color = Color();
  Canvas.FillRect(Label);
  Label.left += 2;
  Canvas.TextRect(Label, Caption(), DT_SINGLELINE);
}

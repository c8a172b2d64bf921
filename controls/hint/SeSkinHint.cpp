#include "controls/hint/SeSkinHint.h"

#include "controls/base/Skinned.h"
#include "skin/SkinEngine.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Published.h"

TSeSkinHint::TSeSkinHint(TComponent* AOwner) : TSeCustomHint(AOwner), FSkin(*this, "Hint") {}

const TPropTable& TSeSkinHint::Properties() {
  using H = TSeSkinHint;
  static const TPropTable Table(
      &TSeCustomHint::Properties(),
      {SkinEngineProp<H>(),
       SkinObjectProp<H>()});
  return Table;
}

void TSeSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomHint::Notification(AComponent, Operation);
  FSkin.Notification(AComponent, Operation);
}

TPoint TSeSkinHint::MeasuringMargins(TCanvas& Canvas) {
  TSeSkinObject* Copy = FSkin.Copy();
  if (!Copy)
    return TSeCustomHint::MeasuringMargins(Canvas);
  Canvas.Font.Assign(Copy->GetFont());
  return {Copy->MarginLeft + Copy->MarginRight, Copy->MarginTop + Copy->MarginBottom};
}

void TSeSkinHint::Paint(TCanvas& Canvas, const TRect& Rect, const std::string& Text) {
  if (!FSkin.Skinned()) {
    TSeCustomHint::Paint(Canvas, Rect, Text);
    return;
  }
  TSeSkinObject* Copy = FSkin.Copy();
  Copy->SetBounds(Rect);
  Copy->Text = WindowText(Text);
  Copy->Draw(Canvas);
}

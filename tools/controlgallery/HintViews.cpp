#include "HintViews.h"

#include <string>
#include <vector>

#include "ViewSupport.h"
#include "controls/hint/SeSkinHint.h"
#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"

namespace {

// One hint as its window shows it: measured in the hint font, then painted at its size.
TSkinPicture HintPicture(TSeSkinHint& Hint, const std::string& Text) {
  TseBitmap Surface;
  Surface.SetSize(1, 1);
  TCanvas Measuring(Surface.DC());
  Measuring.Font.Assign(HintFont());
  const TRect Size = Hint.CalcRect(Measuring, Text);
  Surface.SetSize(Size.Width(), Size.Height());
  TCanvas Canvas(Surface.DC());
  Canvas.Font.Assign(HintFont());
  Hint.Paint(Canvas, Size, Text);
  GdiFlush();
  return PictureOf(Surface);
}

TSkinPicture Hints(TForm& Form, TSeSkinEngine* Engine) {
  // Never loaded: the application's own hints stay as they are.
  auto* Hint = MakeComponent<TSeSkinHint>(&Form);
  Hint->SetSkinEngine(Engine);
  return SideBySide({HintPicture(*Hint, "Transparent all opened window"),
                     HintPicture(*Hint, "Click column to  sort list")});
}

} // namespace

TControlView HintView() { return {"Hint", Hints}; }

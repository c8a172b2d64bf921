// Toolkit notices the push buttons rely on: a form tells every control it holds where the
// focus went, and a bitmap reports changes of its picture and copies another's.

#include <windows.h>

#include <gtest/gtest.h>
#include <vector>

#include "tests/win/support/PlainEdit.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Forms.h"
#include "toolkit/GraphicControl.h"

namespace {

// A windowless control that records the focus notices it gets.
class TFocusWatcher : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == CM_FOCUSCHANGED)
      Seen.push_back(reinterpret_cast<TControl*>(LParam));
    return TGraphicControl::WndProc(Msg, WParam, LParam);
  }
  std::vector<TControl*> Seen;
};

TEST(FocusNotice, EveryControlOfTheFormLearnsWhereTheFocusWent) {
  TApplicationScope App;
  Application->Initialize();
  auto* Form = MakeComponent<TForm>(Application);
  auto* First = MakeComponent<TPlainEdit>(Form);
  First->SetParent(Form);
  First->SetBounds(10, 10, 80, 21);
  auto* Second = MakeComponent<TPlainEdit>(Form);
  Second->SetParent(Form);
  Second->SetBounds(10, 40, 80, 21);
  auto* Watcher = MakeComponent<TFocusWatcher>(Form);
  Watcher->SetParent(Form);
  Form->Show();
  PumpFor(30);
  Watcher->Seen.clear();
  First->SetFocus();
  Second->SetFocus();
  EXPECT_EQ(Watcher->Seen, (std::vector<TControl*>{First, Second}));
  Form->Free();
}

TEST(BitmapNotice, AssignCopiesThePictureAndReportsTheChange) {
  TBitmap Source;
  Source.SetSize32(12, 5);
  TBitmap Copy;
  int Changes = 0;
  Copy.OnChange = [&](TObject*) { ++Changes; };
  Copy.Assign(Source);
  EXPECT_EQ(Copy.Width(), 12);
  EXPECT_EQ(Copy.Height(), 5);
  EXPECT_NE(Copy.Handle(), Source.Handle());
  EXPECT_EQ(Changes, 1);
  Copy.Assign(TBitmap());
  EXPECT_TRUE(Copy.Empty());
  EXPECT_EQ(Changes, 2);
}

} // namespace

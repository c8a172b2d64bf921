// The library's hints: hint components take the application's hints over one at a time, the
// hint window measures and places the text as the component says, wears its shadow, and goes
// away on a key or a button but not while the pointer moves within the control.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/frame/FrameShadow.h"
#include "controls/hint/SeHintForm.h"
#include "controls/hint/SeHintWindow.h"
#include "controls/hint/SeSkinHint.h"
#include "gfx/Bitmap.h"
#include "gfx/Pixels.h"
#include "skin/SkinEngine.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Forms.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/StdCtrls.h"

namespace {

constexpr const char* LongText = "Transparent all opened window";

class HintTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    // The main form: hint components on it make each other inactive.
    Main = Application->CreateForm<TForm>();
    Main->Position = TPosition::poDesigned;
    Main->SetBounds(180, 140, 320, 200);
    Button = MakeComponent<TButton>(Main);
    Button->SetParent(Main);
    Button->SetBounds(30, 30, 120, 30);
    Button->SetHint(LongText);
  }
  // A hint component of the main form, loaded as the form's layout would load it.
  template <class T = TSeSkinHint> T* NewHint(TComponent* Owner = nullptr) {
    T* Hint = MakeComponent<T>(Owner ? Owner : Main);
    Hint->Loaded();
    return Hint;
  }
  static TSeHintWindow* Window() { return dynamic_cast<TSeHintWindow*>(Application->HintWindow()); }
  static bool Shown() {
    TSeHintWindow* W = Window();
    return W && W->HandleAllocated() && IsWindowVisible(W->Handle());
  }
  static RECT WindowRect() {
    RECT R{};
    GetWindowRect(Window()->Handle(), &R);
    return R;
  }
  // Text's block as the platform measures it in Font: 1000 x 1000, word-broken, no prefix.
  static SIZE TextBlock(const TFont& Font, const std::string& Text) {
    const TWindowDC Screen(nullptr);
    const TSelectObject Selected(Screen.DC(), Font.Handle());
    RECT Area{0, 0, 1000, 1000};
    DrawTextW(Screen.DC(), WindowText(Text).c_str(), -1, &Area,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return {Area.right, Area.bottom};
  }
  TSeSkinEngine* DarkEngine() {
    auto* Engine = MakeComponent<TSeSkinEngine>(Main);
    LoadSkin(MIREVAN_DARK_SKIN, *Engine->Source());
    return Engine;
  }

  TApplicationScope App;
  TForm* Main = nullptr;
  TButton* Button = nullptr;
};

TEST_F(HintTest, OnlyOneHintComponentOfTheMainFormIsActiveAndTheOldStateComesBack) {
  int OldHandlerRuns = 0;
  Application->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++OldHandlerRuns; };
  auto* First = NewHint();
  auto* Second = MakeComponent<TSeSkinHint>(Main);
  EXPECT_TRUE(Second->Active()); // until the first one is loaded
  Second->Loaded();
  // Loading the second one finds the first active and makes it inactive.
  EXPECT_FALSE(First->Active());
  EXPECT_TRUE(Second->Active());
  EXPECT_EQ(CurrentHint(), Second);
  ASSERT_NE(Window(), nullptr);
  First->SetActive(true);
  EXPECT_FALSE(Second->Active());
  THintInfo Info;
  std::string Text = "x";
  bool CanShow = true;
  Application->OnShowHint(Text, CanShow, Info);
  EXPECT_EQ(Info.HintData, static_cast<void*>(static_cast<TSeCustomHint*>(First)));
  EXPECT_EQ(OldHandlerRuns, 0);

  // Going, the active one puts back the handler and a window of the class it found.
  First->Free();
  EXPECT_EQ(Window(), nullptr);
  ASSERT_NE(Application->HintWindow(), nullptr);
  ASSERT_TRUE(Application->OnShowHint);
  Application->OnShowHint(Text, CanShow, Info);
  EXPECT_EQ(OldHandlerRuns, 1);
  Second->SetActive(true);
  EXPECT_NE(Window(), nullptr);
}

TEST_F(HintTest, TheComponentMeasuresItsTextWithItsMarginsAndShadow) {
  auto* Plain = NewHint();
  const std::string Text = "Save && close\r\nthe window";
  const SIZE Block = TextBlock(HintFont(), Text);
  ASSERT_GT(Block.cy, 20); // two lines, the ampersands kept
  RECT R = Window()->CalcHintRect(400, Text, Plain);
  EXPECT_EQ(R.right, Block.cx + 6);
  EXPECT_EQ(R.bottom, Block.cy + 6);
  Plain->Shadow().SetSize(5);
  Plain->Shadow().SetEnabled(true);
  R = Window()->CalcHintRect(400, Text, Plain);
  EXPECT_EQ(R.right, Block.cx + 6 + 5);
  EXPECT_EQ(R.bottom, Block.cy + 6 + 5);

  // Skinned: the copy's font and margins (4 on each side in the second skin).
  auto* Skinned = NewHint();
  Skinned->SetSkinEngine(DarkEngine());
  ASSERT_NE(Skinned->SkinCopy(), nullptr);
  const TSeSkinObject& Copy = *Skinned->SkinCopy();
  ASSERT_EQ(Copy.MarginLeft + Copy.MarginRight, 8);
  ASSERT_EQ(Copy.MarginTop + Copy.MarginBottom, 8);
  TFont CopyFont;
  CopyFont.Assign(const_cast<TSeSkinObject&>(Copy).GetFont());
  const SIZE SkinBlock = TextBlock(CopyFont, Text);
  R = Window()->CalcHintRect(400, Text, Skinned);
  EXPECT_EQ(R.right, SkinBlock.cx + 8);
  EXPECT_EQ(R.bottom, SkinBlock.cy + 8);

  // A text wider than 1000 pixels breaks at 1000, whatever the application's width.
  std::string Words;
  for (int I = 0; I < 150; ++I)
    Words += "words ";
  R = Window()->CalcHintRect(5000, Words, Skinned);
  EXPECT_LE(R.right, 1000 + 8);
  EXPECT_EQ(R.bottom, TextBlock(CopyFont, Words).cy + 8);
  // Data that is no hint component: the window measures as the plain toolkit's does.
  int NotAHint = 0;
  R = Window()->CalcHintRect(400, Text, &NotAHint);
  EXPECT_EQ(Window()->Hint(), nullptr);
  const RECT Toolkit = Application->HintWindow()->THintWindow::CalcHintRect(400, Text, nullptr);
  EXPECT_TRUE(EqualRect(&R, &Toolkit));
}

TEST_F(HintTest, AHintAtTheDesktopsBottomRightCornerStaysWhole) {
  auto* Hint = NewHint();
  const int Right = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int Bottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  Application->ShowHintAt(Button, {Right - 4, Bottom - 4});
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Window()->Hint(), Hint);
  const RECT Size = Window()->CalcHintRect(Right, LongText, Hint);
  const RECT Shown = WindowRect();
  EXPECT_EQ(Shown.right, Right);
  EXPECT_EQ(Shown.bottom, Bottom);
  EXPECT_EQ(Shown.right - Shown.left, Size.right);
  EXPECT_EQ(Shown.bottom - Shown.top, Size.bottom);
}

TEST_F(HintTest, TheWindowIsAPlainToolPopupOnTopTransparentToThePointer) {
  NewHint();
  Application->ShowHintAt(Button, {300, 400});
  ASSERT_TRUE(Shown());
  const HWND Wnd = Window()->Handle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(Wnd, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS),
            static_cast<DWORD>(WS_POPUP));
  const DWORD ExStyle = GetWindowLongW(Wnd, GWL_EXSTYLE);
  EXPECT_TRUE(ExStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ExStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(GetClassLongW(Wnd, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_EQ(SendMessageW(Wnd, WM_NCHITTEST, 0, MAKELPARAM(305, 405)), HTTRANSPARENT);
  char Text[128] = {};
  GetWindowTextA(Wnd, Text, sizeof Text);
  EXPECT_STREQ(Text, LongText);
  EXPECT_NE(Window()->HintForm()->ControlHook(), nullptr); // the frame has the window
  // A new text outside activation: 30 wider and 20 taller than the text.
  Window()->SetCaption("Other");
  const TWindowDC Screen(nullptr);
  const TSelectObject Selected(Screen.DC(), Window()->Font().Handle());
  SIZE Extent{};
  GetTextExtentPoint32W(Screen.DC(), L"Other", 5, &Extent);
  EXPECT_EQ(Window()->Width(), Extent.cx + 30);
  EXPECT_EQ(Window()->Height(), Extent.cy + 20);
}

// Over a backdrop of one colour, the hint's shadow is the frame's graded shadow.
TEST_F(HintTest, WithAShadowTheWindowGrowsByItsSizeAndTheShadowFillsThatMargin) {
  constexpr COLORREF BackdropRef = RGB(0x30, 0xA0, 0x60);
  constexpr TsePixel BackdropPixel = 0xFF30A060;
  const TBackdrop Backdrop({200, 200, 700, 500}, BackdropRef);
  PumpFor(60);
  auto* Hint = NewHint();
  constexpr int S = 6;
  Hint->Shadow().SetSize(S);
  Hint->Shadow().SetEnabled(true);
  const SIZE Block = TextBlock(HintFont(), LongText);
  Application->ShowHintAt(Button, {300, 300});
  ASSERT_TRUE(Shown());
  PumpFor(60);
  const RECT Window = WindowRect();
  const int WW = Window.right - Window.left, WH = Window.bottom - Window.top;
  EXPECT_EQ(WW, Block.cx + 6 + S);
  EXPECT_EQ(WH, Block.cy + 6 + S);
  TSeHintForm& Frame = *HintTest::Window()->HintForm();
  const int W = Frame.FrameWidth(), H = Frame.FrameHeight();
  ASSERT_EQ(W, WW - S);
  ASSERT_EQ(H, WH - S);

  TseBitmap Behind, Expected;
  Behind.SetSize(WW, WH);
  Behind.Clear(BackdropPixel);
  Expected.SetSize(WW, WH);
  PaintFrameShadow(Expected, &Behind, Frame.GetFrameClientRect(), W, H, S, true);
  GdiFlush();
  const std::vector<uint32_t> Screen = ScreenPixels(Window);
  const auto At = [&](int X, int Y) { return Screen[static_cast<size_t>(Y * WW + X)]; };
  int Checked = 0, Mismatches = 0;
  for (int Y = 0; Y < WH; ++Y)
    for (int X = 0; X < WW; ++X) {
      // The margin right of and below the hint, but for the corners the shape leaves out.
      const bool Margin = X >= W || Y >= H;
      const bool OutsideShape = (X >= W && Y < S) || (Y >= H && X < S);
      if (!Margin)
        continue;
      if (OutsideShape) {
        EXPECT_EQ(At(X, Y), BackdropPixel & 0xFFFFFF) << X << ", " << Y;
        continue;
      }
      ++Checked;
      Mismatches += At(X, Y) != (Expected.GetPixel(X, Y) & 0xFFFFFF);
    }
  EXPECT_EQ(Checked, (WW * WH) - (W * H) - 2 * S * S);
  EXPECT_EQ(Mismatches, 0);
  // The deepest part of the band: the shadow at half strength over the backdrop.
  EXPECT_EQ(At(W, H / 2) & 0xFFFFFF, BlendPixel(ShadowColor, BackdropPixel) & 0xFFFFFF);
  // Inside, the hint itself: its colour just inside the outline.
  const COLORREF Fill = ColorToRGB(clInfoBk);
  EXPECT_EQ(At(1, H / 2),
            static_cast<uint32_t>(GetRValue(Fill) << 16 | GetGValue(Fill) << 8 | GetBValue(Fill)));
}

// The real pointer and keyboard.
class HintInputTest : public HintTest {
protected:
  void SetUp() override {
    HintTest::SetUp();
    NewHint();
    ShowInFront(*Main);
  }
  bool HoverUntilShown() {
    return MovePointer(Button->ClientToScreen({20, 10})) &&
           ProcessUntil([] { return Shown(); }, 3000);
  }
};

TEST_F(HintInputTest, AKeyHidesTheHint) {
  ASSERT_TRUE(HoverUntilShown());
  ASSERT_TRUE(MovePointer(Button->ClientToScreen({90, 20})));
  ProcessUntil([] { return false; }, 150);
  EXPECT_TRUE(Shown()) << "a move within the control hid the hint";
  TapKey(VK_CONTROL);
  EXPECT_TRUE(ProcessUntil([] { return !Shown(); }, 1000));
}

TEST_F(HintInputTest, AButtonHidesTheHint) {
  ASSERT_TRUE(HoverUntilShown());
  LeftButton(true);
  EXPECT_TRUE(ProcessUntil([] { return !Shown(); }, 1000));
  LeftButton(false);
  ProcessUntil([] { return false; }, 50);
}

} // namespace

// The application's hints: the hint window is made by a class the program may replace, the
// show-hint handler sees and changes what is shown, the window is measured, placed under the
// given point and kept on the desktop, and the messages the window names hide the hint.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

// Records what the application asks of its hint window.
class TRecordingHint : public THintWindow {
public:
  using THintWindow::THintWindow;
  RECT CalcHintRect(int MaxWidth, const std::string& Text, void* Data) override {
    MeasuredWidth = MaxWidth;
    MeasuredData = Data;
    return {0, 0, static_cast<LONG>(Text.size()) * 5, 17};
  }
  void ActivateHintData(const RECT& Rect, const std::string& Text, void* Data) override {
    ShownRect = Rect;
    ShownText = Text;
    ShownData = Data;
    THintWindow::ActivateHintData(Rect, Text, Data);
  }
  int MeasuredWidth = -1;
  void* MeasuredData = nullptr;
  RECT ShownRect{};
  std::string ShownText;
  void* ShownData = nullptr;
};

class ApplicationHintTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(150, 120, 300, 200);
    Button = MakeComponent<TButton>(Form);
    Button->SetParent(Form);
    Button->SetBounds(20, 20, 100, 30);
    Button->SetHint("Press to go on");
  }
  void TearDown() override { Form->Free(); }
  bool HintVisible() const {
    THintWindow* Window = Application->HintWindow();
    return Window && Window->HandleAllocated() && IsWindowVisible(Window->Handle());
  }
  static RECT WindowRect(HWND Wnd) {
    RECT R{};
    GetWindowRect(Wnd, &R);
    return R;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TButton* Button = nullptr;
};

TEST_F(ApplicationHintTest, SwitchingHintsOffAndOnMakesAWindowOfTheClassSetMeanwhile) {
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(dynamic_cast<TRecordingHint*>(Application->HintWindow()), nullptr);
  Application->HintWindowClass = NewHintWindow<TRecordingHint>;
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  // Without hints nothing shows.
  Application->ShowHintAt(Button, {300, 300});
  EXPECT_EQ(Application->HintControl(), nullptr);
  Application->SetShowHint(true);
  auto* Recording = dynamic_cast<TRecordingHint*>(Application->HintWindow());
  ASSERT_NE(Recording, nullptr);
  Application->ShowHintAt(Button, {300, 300});
  EXPECT_EQ(Recording->ShownText, "Press to go on");
}

TEST_F(ApplicationHintTest, TheHandlerChangesTextPlaceAndDataAndMayStopTheHint) {
  Application->HintWindowClass = NewHintWindow<TRecordingHint>;
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  auto* Recording = dynamic_cast<TRecordingHint*>(Application->HintWindow());
  ASSERT_NE(Recording, nullptr);
  int Marker = 0;
  THintInfo Seen;
  Application->OnShowHint = [&](std::string& Text, bool&, THintInfo& Info) {
    Seen = Info;
    Text = "Changed";
    Info.HintPos = {Info.HintPos.x + 10, Info.HintPos.y + 20};
    Info.HintData = &Marker;
  };
  Application->ShowHintAt(Button, {200, 250});
  EXPECT_EQ(Seen.HintControl, Button);
  EXPECT_EQ(Seen.HintStr, "Press to go on");
  EXPECT_EQ(Seen.HintData, nullptr);
  EXPECT_EQ(Seen.HintPos.x, 200);
  EXPECT_EQ(Seen.HintPos.y, 250);
  EXPECT_EQ(Recording->MeasuredWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Recording->MeasuredData, &Marker);
  EXPECT_EQ(Recording->ShownData, &Marker);
  EXPECT_EQ(Recording->ShownText, "Changed");
  // The measured rectangle (7 letters: 35 x 17) at the point the handler chose.
  const RECT Expected{210, 270, 245, 287};
  EXPECT_TRUE(EqualRect(&Recording->ShownRect, &Expected));
  const RECT Window = WindowRect(Recording->Handle());
  EXPECT_TRUE(EqualRect(&Recording->ShownRect, &Window));
  EXPECT_TRUE(HintVisible());

  Application->CancelHint();
  Application->OnShowHint = [](std::string&, bool& CanShow, THintInfo&) { CanShow = false; };
  Recording->ShownText.clear();
  Application->ShowHintAt(Button, {200, 250});
  EXPECT_TRUE(Recording->ShownText.empty());
  EXPECT_FALSE(HintVisible());
}

TEST_F(ApplicationHintTest, ThePlainWindowStaysWholeOnTheDesktopOnTopAndOutOfTheMousesWay) {
  ShowInFront(*Form);
  const int Right = GetSystemMetrics(SM_CXVIRTUALSCREEN),
            Bottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  THintWindow* Window = Application->HintWindow();
  const RECT Size = Window->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), Button->Hint(), nullptr);
  ASSERT_GT(Size.right, 6);
  ASSERT_GT(Size.bottom, 6);
  Application->ShowHintAt(Button, {Right - 5, Bottom - 5});
  ASSERT_TRUE(HintVisible());
  const RECT Shown = WindowRect(Window->Handle());
  const RECT Expected{Right - Size.right, Bottom - Size.bottom, Right, Bottom};
  EXPECT_TRUE(EqualRect(&Shown, &Expected));
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());
  const LONG_PTR ExStyle = GetWindowLongPtrW(Window->Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(ExStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(ExStyle & WS_EX_TOOLWINDOW);
  EXPECT_EQ(SendMessageW(Window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Right - 2, Bottom - 2)),
            HTTRANSPARENT);
  // Beyond the left edge it comes back to it.
  Application->ShowHintAt(Button, {GetSystemMetrics(SM_XVIRTUALSCREEN) - 50, 100});
  EXPECT_EQ(WindowRect(Window->Handle()).left, GetSystemMetrics(SM_XVIRTUALSCREEN));
}

TEST_F(ApplicationHintTest, AKeyOrAMoveOverTheFrameHidesTheHintAndAMoveWithinTheControlDoesNot) {
  ShowInFront(*Form);
  // Resting on the button shows its hint; moving on it leaves the hint up.
  ASSERT_TRUE(MovePointer(Button->ClientToScreen({20, 10})));
  ASSERT_TRUE(ProcessUntil([&] { return HintVisible(); }, 3000));
  ASSERT_TRUE(MovePointer(Button->ClientToScreen({60, 15})));
  ProcessUntil([] { return false; }, 150);
  EXPECT_TRUE(HintVisible());
  EXPECT_EQ(Application->HintControl(), Button);
  // Over the caption: a non-client move.
  const RECT Outer = WindowRect(Form->Handle());
  ASSERT_TRUE(MovePointer({Outer.left + 60, Outer.top + 8}));
  EXPECT_TRUE(ProcessUntil([&] { return !HintVisible(); }, 1000));
  EXPECT_EQ(Application->HintControl(), nullptr);

  ASSERT_TRUE(MovePointer(Button->ClientToScreen({20, 10})));
  ASSERT_TRUE(ProcessUntil([&] { return HintVisible(); }, 3000));
  TapKey(VK_SHIFT);
  EXPECT_TRUE(ProcessUntil([&] { return !HintVisible(); }, 1000));
  EXPECT_EQ(Application->HintControl(), nullptr);
}

TEST_F(ApplicationHintTest, ANewTextOutsideActivationSizesTheWindowToIt) {
  THintWindow* Window = Application->HintWindow();
  Window->SetCaption("Short");
  const int Narrow = Window->Width();
  Window->SetCaption("A good deal longer than that");
  EXPECT_GT(Window->Width(), Narrow);
  const RECT Size = Window->CalcHintRect(1000, "A good deal longer than that", nullptr);
  EXPECT_EQ(Window->Width(), Size.right);
  EXPECT_EQ(Window->Height(), Size.bottom);
}

} // namespace

// The form frame on a real window: the frame's size as the platform takes it, and the
// frame's own answers to hit-testing.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/SeCustomForm.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

namespace {

class FormFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->MaximizeBox = true;
    Form->SetBounds(150, 120, 0, 0);
    Form->SetClientSize(300, 200);
    Frame = MakeComponent<TSeCustomForm>(Form);
    Form->Show();
    Form->AfterConstruction(); // the frame hooks the form once it is loaded
    PumpFor(30);
  }
  void TearDown() override { Form->Free(); }

  // The frame's insets: the client area's offsets inside the window rectangle.
  RECT Insets() const {
    RECT Window, Client;
    GetWindowRect(Form->Handle(), &Window);
    GetClientRect(Form->Handle(), &Client);
    MapWindowPoints(Form->Handle(), nullptr, reinterpret_cast<POINT*>(&Client), 2);
    return {Client.left - Window.left, Client.top - Window.top, Window.right - Client.right,
            Window.bottom - Client.bottom};
  }
  // WM_NCHITTEST at a point in window coordinates.
  LRESULT HitAt(int X, int Y) const {
    RECT Window;
    GetWindowRect(Form->Handle(), &Window);
    return SendMessageW(Form->Handle(), WM_NCHITTEST, 0,
                        MAKELPARAM(Window.left + X, Window.top + Y));
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeCustomForm* Frame = nullptr;
};

TEST_F(FormFrameTest, ThePlatformTakesTheFramesInsets) {
  const int B = GetSystemMetrics(SM_CXFRAME), C = GetSystemMetrics(SM_CYCAPTION);
  const RECT In = Insets();
  EXPECT_EQ(In.left, B);
  EXPECT_EQ(In.top, B + C);
  EXPECT_EQ(In.right, B);
  EXPECT_EQ(In.bottom, B);
  const TRect Client = Frame->GetFrameClientRect();
  EXPECT_EQ(Client.Left, B);
  EXPECT_EQ(Client.Top, B + C);
  EXPECT_EQ(Frame->FrameWidth() - Client.Right, B);
  RECT Window;
  GetWindowRect(Form->Handle(), &Window);
  EXPECT_EQ(Frame->FrameWidth(), Window.right - Window.left);
  EXPECT_EQ(Frame->FrameHeight(), Window.bottom - Window.top);
}

TEST_F(FormFrameTest, AChangeOfBorderStyleKeepsTheClientSize) {
  RECT Before;
  GetClientRect(Form->Handle(), &Before);
  Frame->SetBorderStyle(qbsToolWindow);
  RECT After;
  GetClientRect(Form->Handle(), &After);
  EXPECT_EQ(After.right, Before.right);
  EXPECT_EQ(After.bottom, Before.bottom);
  EXPECT_EQ(Insets().top, GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CYSMCAPTION));
  Frame->SetBorderStyle(qbsNone);
  GetClientRect(Form->Handle(), &After);
  EXPECT_EQ(After.right, Before.right);
  EXPECT_EQ(Insets().top, 0);
}

TEST_F(FormFrameTest, TheFrameAnswersHitTestingItself) {
  EXPECT_EQ(HitAt(10, 1), HTTOPLEFT); // 10 along the top border
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, 1), HTTOP);
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, GetSystemMetrics(SM_CXFRAME) + 4), HTCAPTION);
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, Frame->FrameHeight() / 2), HTCLIENT);
  EXPECT_EQ(HitAt(1, Frame->FrameHeight() / 2), HTLEFT);
  EXPECT_EQ(HitAt(Frame->FrameWidth() - 2, Frame->FrameHeight() - 2), HTBOTTOMRIGHT);
  const TRect Close =
      PlainButtonRect({qbsStandard,
                       Frame->BorderIcons(),
                       false,
                       false,
                       false,
                       false,
                       {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYCAPTION),
                        GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CXSIZE),
                        GetSystemMetrics(SM_CYSIZE)}},
                      Frame->FrameWidth(), Frame->FrameHeight(), fzClose);
  ASSERT_FALSE(Close.IsEmpty());
  EXPECT_EQ(HitAt(Close.Left + 2, Close.Top + 2), HTCLOSE);
  // What the frame does not allow answers as client area.
  Frame->Dragging().Sizeable = false;
  Frame->Dragging().Moveable = false;
  EXPECT_EQ(HitAt(10, 1), HTCLIENT);
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, GetSystemMetrics(SM_CXFRAME) + 4), HTCLIENT);
}

} // namespace

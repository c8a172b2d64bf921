// The form frame on a real window: the frame's size as the platform takes it, and the
// frame's own answers to hit-testing.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/frame/SeCustomForm.h"
#include "gfx/VisualStyles.h"
#include "tests/win/support/DibShot.h"
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

TEST_F(FormFrameTest, ARefreshMakesTheShapeOnceForTheSizeItEndsAt) {
  int Shapes = 0;
  Frame->OnResize = [&](TObject*) { ++Shapes; };
  Frame->SetBorderStyle(qbsToolWindow); // the frame's height changes, the client's does not
  EXPECT_EQ(Shapes, 1);
  RECT Window;
  GetWindowRect(Form->Handle(), &Window);
  const HRGN Shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Form->Handle(), Shape), ERROR);
  RECT Box;
  GetRgnBox(Shape, &Box);
  DeleteObject(Shape);
  EXPECT_EQ(Box.right - Box.left, Window.right - Window.left);
  EXPECT_EQ(Box.bottom - Box.top, Window.bottom - Window.top);
  // Outside a refresh every new size gets its shape at once.
  SetWindowPos(Form->Handle(), nullptr, 0, 0, Window.right - Window.left + 20,
               Window.bottom - Window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Shapes, 2);
  Frame->OnResize = nullptr;
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

// What the window shows, frame included, read back from its device context; pixels outside
// the window's shape read as 0xFF000000 (no colour has that value).
std::vector<uint32_t> WindowPixels(HWND Wnd, int Width, int Height) {
  const TDibShot Shot(Width, Height);
  const HDC Window = GetWindowDC(Wnd);
  BitBlt(Shot.DC(), 0, 0, Width, Height, Window, 0, 0, SRCCOPY);
  ReleaseDC(Wnd, Window);
  std::vector<uint32_t> Pixels = Shot.Pixels();
  const HRGN Shape = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(Wnd, Shape) != ERROR)
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X)
        if (!PtInRegion(Shape, X, Y))
          Pixels[static_cast<size_t>(Y * Width + X)] = 0xFF000000u;
  DeleteObject(Shape);
  return Pixels;
}

TEST_F(FormFrameTest, EveryBufferingModePaintsTheSameFrame) {
  Form->SetCaption("");
  std::vector<std::vector<uint32_t>> Frames;
  for (const TSeFormPerformance Mode :
       {qzfpNoBuffer, qzfpSharedBuffer, qzfpPersistentBuffer, qzfpDoubleBuffer}) {
    Frame->SetPerformance(Mode);
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(20);
    Frames.push_back(WindowPixels(Form->Handle(), Frame->FrameWidth(), Frame->FrameHeight()));
  }
  for (size_t I = 1; I < Frames.size(); ++I)
    EXPECT_EQ(Frames[I], Frames[0]) << I;
  // The window wears the frame's shape, made for its size.
  RECT Box{};
  EXPECT_NE(GetWindowRgnBox(Form->Handle(), &Box), ERROR);
  EXPECT_EQ(Box.right - Box.left, Frame->FrameWidth());
  EXPECT_EQ(Box.bottom - Box.top, Frame->FrameHeight());
  // The caption band is the platform's: the theme's caption part, or the classic gradient.
  const TRect Client = Frame->GetFrameClientRect();
  const int W = Frame->FrameWidth();
  const int Mid = Client.Top / 2;
  const uint32_t Caption = Frames[0][static_cast<size_t>(Mid * W + W / 2)];
  if (VisualStylesActive()) {
    TDibShot Theme(W, Client.Top);
    ASSERT_TRUE(DrawThemePart(Form->Handle(), Theme.DC(), L"Window", 1,
                              Frame->ActiveWindow() ? 1 : 2, {0, 0, W, Client.Top}));
    EXPECT_EQ(Caption, Theme.Pixel(W / 2, Mid));
  } else {
    EXPECT_NE(Caption, 0u);
  }
}

} // namespace

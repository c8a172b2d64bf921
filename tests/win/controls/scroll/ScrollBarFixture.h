#pragma once
// What the scroll-bar tests share: a form with a bar on it, the bar's picture as the form
// paints it, input by window messages and by the real pointer, and a log of OnScroll.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "controls/scroll/SeCustomScrollBar.h"
#include "gfx/Pixels.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Forms.h"

// A toolkit colour, system colours included, as TDibShot reads it (0x00RRGGBB).
inline uint32_t ShotColor(TColor Color) { return ColorToPixel(Color, 0); }

template <class TBar> class ScrollBarFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 420, 320);
    Bar = MakeComponent<TBar>(Form);
    Bar->SetParent(Form);
    Bar->SetBounds(20, 20, 121, Bar->Height());
    Bar->OnScroll = [this](TObject*, TScrollCode Code, int& Position) {
      Scrolls.emplace_back(Code, Position);
    };
    Bar->OnChange = [this](TObject*) { ++Changes; };
    PointAt({5, 5}); // off the form: nothing is hot until a test says so
    Form->Show();
    PumpFor(30);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  // The platform's thumb: the plain bar's button length and thickness.
  static int PlatformThumb() { return GetSystemMetrics(SM_CXHTHUMB); }

  // The form's client area as it paints it; At reads the bar's pixels from it.
  void Render() {
    SendMessageW(Form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()),
                 PRF_CLIENT);
  }
  uint32_t At(int X, int Y) const { return Picture.Pixel(Bar->Left() + X, Bar->Top() + Y); }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

  // Input as window messages to the form, at the bar's coordinates.
  LPARAM FormPoint(TPoint Point) const {
    return MAKELPARAM(Bar->Left() + Point.X, Bar->Top() + Point.Y);
  }
  void Move(TPoint Point, bool Held = false) {
    SendMessageW(Form->Handle(), WM_MOUSEMOVE, Held ? MK_LBUTTON : 0, FormPoint(Point));
  }
  void Down(TPoint Point) {
    Move(Point);
    SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, FormPoint(Point));
  }
  void Up(TPoint Point) { SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, FormPoint(Point)); }
  void Click(TPoint Point) {
    Down(Point);
    Up(Point);
  }

  // Input with the real pointer and button.
  bool PointTo(TPoint Point) { return PointAt(Bar->ClientToScreen({Point.X, Point.Y})); }
  static void Button(bool Down) { LeftButton(Down); }

  TApplicationScope App;
  TForm* Form = nullptr;
  TBar* Bar = nullptr;
  TDibShot Picture{420, 320};
  std::vector<std::pair<TScrollCode, int>> Scrolls;
  int Changes = 0;
};

using TScrollLog = std::vector<std::pair<TScrollCode, int>>;

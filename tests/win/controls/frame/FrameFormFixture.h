#pragma once
// A form wearing the plain frame at a known place, and the real pointer and button to act on
// it with: the frame's mouse handling sees the platform's own non-client and captured mouse
// messages.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "controls/frame/SeCustomForm.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

class FrameFormTest : public ::testing::Test {
protected:
  static constexpr int Left = 200, Top = 150;

  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    FormRef = std::make_unique<TComponentRef<TForm>>(Form);
    Form->Position = TPosition::poDesigned;
    Form->MaximizeBox = true;
    Form->SetCaption("Frame");
    Form->SetBounds(Left, Top, 0, 0);
    Form->SetClientSize(320, 220);
    Frame = MakeComponent<TSeCustomForm>(Form);
    BeforeLoading();
    Form->Show();
    Form->AfterConstruction();                // the frame hooks the form once it is loaded
    ASSERT_NE(Application->MainForm(), Form); // closing it would end the application
    PumpFor(30);
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 1000);
    Start = WindowRect();
  }
  void TearDown() override {
    if (Pressed)
      Button(false);
    if (FormRef->Get())
      Form->Free();
  }
  // Runs after the frame is made and before the form is shown and loaded.
  virtual void BeforeLoading() {}

  RECT WindowRect() const {
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    return R;
  }
  static RECT Moved(RECT R, int DX, int DY) {
    return {R.left + DX, R.top + DY, R.right + DX, R.bottom + DY};
  }
  static RECT FromTRect(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }
  // A point in window coordinates (from the window's outer top-left corner) on the screen.
  POINT OnScreen(int X, int Y) const {
    const RECT R = WindowRect();
    return {R.left + X, R.top + Y};
  }
  static POINT Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  // Somewhere on the caption band clear of its buttons.
  POINT CaptionPoint() const {
    const TRect Client = Frame->GetFrameClientRect();
    return {Frame->FrameWidth() / 2 - 30, Client.Top / 2 + 2};
  }
  // Points the real pointer at window coordinates X, Y.
  bool PointTo(POINT P) { return PointAt(OnScreen(P.x, P.y)); }
  bool PointToScreen(POINT P) { return PointAt(P); }
  void Button(bool Down) {
    LeftButton(Down);
    Pressed = Down;
    if (Down)
      LastPress = GetTickCount64();
  }
  // Presses on the frame at window coordinates P and waits until the frame has taken it.
  // A press soon after the one before would pair with it as a double click: it waits.
  bool PressAt(POINT P, TSeFrameZone Expected) {
    const ULONGLONG Since = GetTickCount64() - LastPress;
    if (Since <= GetDoubleClickTime())
      PumpFor(static_cast<DWORD>(GetDoubleClickTime() - Since + 20));
    if (!PointTo(P))
      return false;
    Button(true);
    return PumpUntil([&] { return Frame->PressedZone() == Expected; }, 2000);
  }
  bool ReleaseAndWait() {
    Button(false);
    return PumpUntil([&] { return Frame->PressedZone() == fzNone && GetCapture() == nullptr; },
                     2000);
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  std::unique_ptr<TComponentRef<TForm>> FormRef;
  TSeCustomForm* Frame = nullptr;
  RECT Start{};
  bool Pressed = false;
  ULONGLONG LastPress = 0;
};

inline bool operator==(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}
inline std::ostream& operator<<(std::ostream& Out, const RECT& R) {
  return Out << "(" << R.left << ", " << R.top << ", " << R.right << ", " << R.bottom << ")";
}

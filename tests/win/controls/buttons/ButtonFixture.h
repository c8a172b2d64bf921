#pragma once
// What the button tests share: a shown form with buttons on it, the form's picture, the real
// pointer and keyboard, and a message pump that goes through the application (so that Enter
// and Escape reach the form as dialog keys).

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>

#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

template <class TButtonClass> class ButtonFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 320, 200);
    Button = AddButton(20, 20, 75, 23, "Apply");
    PointAt({5, 5}); // off the form: nothing is hot until a test says so
    Form->Show();
    PumpFor(30);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  TButtonClass* AddButton(int X, int Y, int W, int H, const char* Caption) {
    auto* Result = MakeComponent<TButtonClass>(Form);
    Result->SetParent(Form);
    Result->SetBounds(X, Y, W, H);
    Result->SetCaption(Caption);
    Result->OnClick = [this, Result](TObject*) { Clicked.push_back(Result); };
    return Result;
  }

  // The application's own loop until Done holds or the time is up.
  static bool Pump(const std::function<bool()>& Done, DWORD TimeoutMs = 2000) {
    return ProcessUntil(Done, TimeoutMs);
  }

  bool PointTo(const TControl& Control, int X, int Y) {
    return PointAt(Control.ClientToScreen({X, Y}));
  }
  static void MouseButton(bool Down) { LeftButton(Down); }
  static void Key(WORD Vk, bool Down) { KeyInput(Vk, Down); }
  static void Tap(WORD Vk) { TapKey(Vk); }
  bool Focus(TWinControl& Control) {
    Control.SetFocus();
    return Pump([&] { return Control.Focused(); });
  }

  // The control's picture as it paints itself (parent background included), at (0, 0) of
  // Picture.
  void Render(TWinControl& Control) {
    SendMessageW(Control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()),
                 PRF_CLIENT);
    GdiFlush();
  }
  std::vector<uint32_t> PixelsOf(TWinControl& Control) {
    Render(Control);
    std::vector<uint32_t> Result;
    for (int Y = 0; Y < Control.Height(); ++Y)
      for (int X = 0; X < Control.Width(); ++X)
        Result.push_back(Picture.Pixel(X, Y));
    return Result;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TButtonClass* Button = nullptr;
  std::vector<TObject*> Clicked;
  TDibShot Picture{320, 200};
};

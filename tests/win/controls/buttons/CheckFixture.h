#pragma once
// What the check box, group box and label tests share: a shown form, the real pointer, the
// real keyboard, and the two skins loaded into an engine.

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "SkinViews.h"
#include "skin/SkinEngine.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

class CheckFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 420, 320);
    PointAt({5, 5}); // off the form
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }
  void Show() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(50);
  }
  // An engine on the form with the skin of that file.
  TSeSkinEngine* LoadEngine(const char* File) {
    auto* Engine = MakeComponent<TSeSkinEngine>(Form);
    LoadSkin(File, *Engine->Source());
    return Engine;
  }

  // The real pointer to a point of Control; the real left button.
  static bool PointTo(const TControl& Control, POINT Point) {
    return PointAt(Control.ClientToScreen(Point));
  }
  static void Button(bool Down) { LeftButton(Down); }
  static void Key(WORD VirtualKey, bool Down) { KeyInput(VirtualKey, Down); }

  TApplicationScope App;
  TForm* Form = nullptr;
};

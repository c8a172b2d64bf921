#pragma once
// What the edit tests share: a shown form with an edit (and a second control to take the
// focus), the real keyboard and pointer, the real clipboard, and waiting for what the input
// brings about.

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "controls/edit/SeSkinEdit.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Forms.h"

class EditFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 420, 200);
    Edit = MakeComponent<TSeSkinEdit>(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(20, 20, 200, 23);
    Other = MakeComponent<TSeCustomEdit>(Form);
    Other->SetParent(Form);
    Other->SetBounds(20, 80, 200, 23);
    Edit->OnKeyDown = [this](TObject*, WORD& Key, TShiftState) { Markers += Key == VK_F9; };
    ShowInFront(*Form);
    MainThread = GetCurrentThreadId();
  }
  void TearDown() override {
    if (User.joinable())
      User.join();
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  // Until Done() holds, through the application's own message handling.
  static bool WaitFor(const std::function<bool()>& Done, DWORD TimeoutMs = 3000) {
    return ProcessUntil(Done, TimeoutMs);
  }
  // The edit focused with the whole text selected (AutoSelect), then the caret at the end.
  void FocusAtEnd() {
    Edit->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return Edit->Focused(); }));
    TapKey(VK_END);
    ASSERT_TRUE(WaitFor([&] { return Edit->SelLength() == 0; }));
  }
  // Text set, focused, the caret at the end.
  void Start(const std::wstring& Text) {
    Edit->SetText(Text);
    FocusAtEnd();
  }
  // A key the edit does nothing with, as a point in time: everything typed before it has
  // been handled once it arrived.
  void Settle() {
    const int Before = Markers;
    TapKey(VK_F9);
    ASSERT_TRUE(WaitFor([&] { return Markers > Before; }));
  }

  void SetClipboard(const std::wstring& Text) {
    ASSERT_TRUE(WriteClipboardText(Form->Handle(), Text));
  }
  std::wstring Clipboard() {
    std::wstring Text;
    ReadClipboardText(Form->Handle(), Text);
    return Text;
  }

  // The user's part on a thread of its own while this thread runs a modal menu.
  void Play(std::function<void()> Script) { User = std::thread(std::move(Script)); }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinEdit* Edit = nullptr;
  TSeCustomEdit* Other = nullptr;
  DWORD MainThread = 0;
  int Markers = 0;
  std::thread User;
};

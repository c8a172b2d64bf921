#pragma once
// A form with a list of the library's on it, three rows, shown with the pointer away, for the
// list view tests: plain and skinned lists share the set-up and the header's geometry.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

template <class TList> class ListViewFixture : public ::testing::Test {
protected:
  // The form and the list on it; the caller adds columns, then calls ShowList.
  void MakeList() {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 420, 320);
    List = MakeComponent<TList>(Form);
  }
  // Parented at Bounds, three rows, shown with the pointer off the form.
  void ShowList(RECT Bounds) {
    List->SetParent(Form);
    List->SetBounds(Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
    for (const char* Row : {"one", "two", "three"})
      List->AddItem(Row)->AddSubItem("ok");
    PointAt({5, 5});
    Form->Show();
    PumpFor(30);
  }
  void TearDown() override {
    LeftButton(false);
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  HWND Header() const { return ListView_GetHeader(List->Handle()); }
  RECT ItemRect(int Index) const {
    RECT R{};
    SendMessageW(Header(), HDM_GETITEMRECT, static_cast<WPARAM>(Index),
                 reinterpret_cast<LPARAM>(&R));
    return R;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TList* List = nullptr;
};

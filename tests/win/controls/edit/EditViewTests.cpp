// The edit with the real pointer, and as other programs and the platform see it: where a
// click puts the caret, dragging and double clicks, centred and right-aligned text that
// scrolls once it is wider, the window text read and set from outside, the input method's
// composition window, the height that follows font and frame, the stored layout, and the
// skin's font and states.

#include <windows.h>

#include <gtest/gtest.h>
#include <imm.h>
#include <string>

#include "SkinViews.h"
#include "controls/base/TextMeasure.h"
#include "skin/SkinEngine.h"
#include "tests/win/controls/edit/EditFixture.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/PropertyStream.h"

namespace {

class EditViewTest : public EditFixture {
protected:
  // The real pointer at a point of the edit (its coordinates, the line's middle height).
  bool PointToX(int X) { return PointAt(Edit->ClientToScreen({X, Edit->TextRect().top + 5})); }
  int TextWidth(const std::wstring& Text) {
    const TMeasureDC Measure(Edit->Font(), msColour);
    return Measure.Extent(Text.c_str(), static_cast<int>(Text.size())).cx;
  }
  int PlatformCaretX() {
    POINT Caret{};
    GetCaretPos(&Caret);
    return Caret.x;
  }
};

TEST_F(EditViewTest, AClickPutsTheCaretADragSelectsADoubleClickTakesTheWord) {
  Edit->SetText(L"alpha beta gamma");
  ASSERT_TRUE(PointToX(Edit->CaretX(6) + 1));
  LeftButton(true);
  LeftButton(false);
  ASSERT_TRUE(WaitFor([&] { return Edit->Focused() && Edit->CaretPosition() == 6; }));
  // The click after the focus's Select All clears the selection.
  EXPECT_EQ(Edit->SelLength(), 0);
  EXPECT_EQ(PlatformCaretX(), Edit->CaretX(6));

  PumpFor(GetDoubleClickTime() + 20); // the next press is no double click
  LeftButton(true);
  ASSERT_TRUE(PointToX(Edit->CaretX(10)));
  LeftButton(false);
  ASSERT_TRUE(WaitFor([&] { return Edit->SelText() == L"beta"; }))
      << Edit->SelStart() << " " << Edit->SelLength() << " " << Edit->CaretPosition();
  EXPECT_EQ(Edit->CaretPosition(), 10);
  EXPECT_EQ(GetCapture(), nullptr);

  PumpFor(GetDoubleClickTime() + 20);
  ASSERT_TRUE(PointToX(Edit->CaretX(13) + 1));
  for (int Click = 0; Click < 2; ++Click) {
    LeftButton(true);
    LeftButton(false);
  }
  ASSERT_TRUE(WaitFor([&] { return Edit->SelText() == L"gamma"; }));
  EXPECT_EQ(Edit->CaretPosition(), 16);
}

TEST_F(EditViewTest, DraggingPastTheRightEdgeScrollsOneCharacterAMove) {
  Start(std::wstring(60, L'm'));
  TapKey(VK_HOME);
  ASSERT_TRUE(WaitFor([&] { return Edit->FirstVisible() == 1; }));
  ASSERT_TRUE(PointToX(Edit->TextRect().left + 1));
  LeftButton(true);
  ASSERT_TRUE(WaitFor([&] { return Edit->CaretPosition() == 0; }));
  const int Right = Edit->TextRect().right;
  const int Visible = Edit->PositionAt(Right);
  for (int Move = 0; Move < 6; ++Move)
    ASSERT_TRUE(PointToX(Right + 5 + Move % 2));
  ASSERT_TRUE(WaitFor([&] { return Edit->FirstVisible() > 1; }));
  LeftButton(false);
  ASSERT_TRUE(WaitFor([&] { return GetCapture() == nullptr; }));
  EXPECT_GT(Edit->CaretPosition(), Visible);
  EXPECT_EQ(Edit->SelStart(), 0);
  EXPECT_EQ(Edit->SelLength(), Edit->CaretPosition());
  EXPECT_LE(Edit->CaretX(Edit->CaretPosition()), Right);
}

TEST_F(EditViewTest, CentredTextIsCentredUntilItIsWiderThenTheCaretStaysInView) {
  Edit->SetTextAlignment(TAlignment::taCenter);
  Start(L"ab");
  const RECT Line = Edit->TextRect();
  const int Room = Line.right - Line.left;
  EXPECT_EQ(Edit->CaretX(0), Line.left + (Room - TextWidth(L"ab")) / 2);
  EXPECT_EQ(Edit->CaretX(2), Edit->CaretX(0) + TextWidth(L"ab"));
  EXPECT_EQ(PlatformCaretX(), Edit->CaretX(2));
  // Right-aligned, the text ends at the rectangle's right edge.
  Edit->SetTextAlignment(TAlignment::taRightJustify);
  EXPECT_EQ(Edit->CaretX(2), Line.right);
  EXPECT_EQ(PlatformCaretX(), Line.right);

  Edit->SetTextAlignment(TAlignment::taCenter);
  const std::wstring Wide(40, L'W');
  ASSERT_GT(TextWidth(Wide), Room);
  TypeUnits(Wide);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text().size() == 42; }));
  EXPECT_GT(Edit->FirstVisible(), 1);
  EXPECT_LT(Edit->CaretX(0), Line.left);
  EXPECT_LE(Edit->CaretX(42), Line.right);
  EXPECT_GE(Edit->CaretX(42), Line.right - TextWidth(L"W"));
  EXPECT_EQ(PlatformCaretX(), Edit->CaretX(42));
  // Home scrolls back to the start, where the text is no longer shifted.
  TapKey(VK_HOME);
  ASSERT_TRUE(WaitFor([&] { return Edit->FirstVisible() == 1; }));
  EXPECT_EQ(Edit->CaretX(0), Line.left);
}

TEST_F(EditViewTest, OtherProgramsReadTheTextAndSetItThroughTheWindow) {
  const HWND Wnd = Edit->Handle();
  int Changes = 0;
  Edit->OnChange = [&](TObject*) { ++Changes; };
  Edit->SetText(L"Заголовок one");
  EXPECT_EQ(Changes, 1);
  // The platform's own copy: what GetWindowText answers for another process.
  wchar_t Copy[64] = {};
  InternalGetWindowText(Wnd, Copy, 64);
  EXPECT_EQ(std::wstring(Copy), L"Заголовок one");
  EXPECT_EQ(SendMessageW(Wnd, WM_GETTEXTLENGTH, 0, 0), 13);
  wchar_t Short[5] = {};
  EXPECT_EQ(SendMessageW(Wnd, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(Short)), 4);
  EXPECT_EQ(std::wstring(Short), L"Заго");

  Edit->SetText(L"plain");
  char Narrow[16] = {};
  GetWindowTextA(Wnd, Narrow, sizeof Narrow);
  EXPECT_STREQ(Narrow, "plain");

  // Set through the window: Text follows, without a selection.
  Edit->SelectAll();
  SetWindowTextW(Wnd, L"from outside");
  EXPECT_EQ(Edit->Text(), L"from outside");
  EXPECT_EQ(Edit->SelLength(), 0);
  EXPECT_EQ(Changes, 3);
  SendMessageA(Wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("narrow"));
  EXPECT_EQ(Edit->Text(), L"narrow");
  InternalGetWindowText(Wnd, Copy, 64);
  EXPECT_EQ(std::wstring(Copy), L"narrow");
  // In upper case the window's copy is the converted text too.
  Edit->SetCharCase(ecUpperCase);
  InternalGetWindowText(Wnd, Copy, 64);
  EXPECT_EQ(std::wstring(Copy), L"NARROW");
}

TEST_F(EditViewTest, TheCompositionWindowStandsAtTheCaretInTheEditsFont) {
  Start(L"abc");
  const HWND Wnd = Edit->Handle();
  const HIMC Context = ImmGetContext(Wnd);
  if (!Context)
    GTEST_SKIP() << "no input method context on this system";
  SendMessageW(Wnd, WM_IME_STARTCOMPOSITION, 0, 0);
  COMPOSITIONFORM Form{};
  ASSERT_TRUE(ImmGetCompositionWindow(Context, &Form));
  const RECT Line = Edit->TextRect();
  EXPECT_EQ(Form.dwStyle, static_cast<DWORD>(CFS_RECT));
  EXPECT_EQ(Form.ptCurrentPos.x, Edit->CaretX(3));
  EXPECT_EQ(Form.ptCurrentPos.y, Line.top);
  EXPECT_EQ(Form.rcArea.left, Line.left);
  EXPECT_EQ(Form.rcArea.right, Line.right);
  LOGFONTW Font{};
  ASSERT_TRUE(ImmGetCompositionFontW(Context, &Font));
  LOGFONTW Own{};
  GetObjectW(Edit->Font().Handle(), sizeof Own, &Own);
  EXPECT_EQ(std::wstring(Font.lfFaceName), std::wstring(Own.lfFaceName));
  EXPECT_EQ(Font.lfHeight, Own.lfHeight);
  // A finished composition goes in as typed, one step of the history.
  std::wstring Composed = L"漢字";
  ImmSetCompositionStringW(Context, SCS_SETSTR, Composed.data(),
                           static_cast<DWORD>(Composed.size() * sizeof(wchar_t)), nullptr, 0);
  ImmNotifyIME(Context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
  ImmReleaseContext(Wnd, Context);
  EXPECT_TRUE(WaitFor([&] { return Edit->Text() == L"abc漢字"; })) << Edit->Text().size();
  EXPECT_EQ(Edit->Model().History().size(), 1u);
}

TEST_F(EditViewTest, TheHeightFollowsTheFontAndTheFrame) {
  const auto PqHeight = [&] {
    const TMeasureDC Measure(Edit->Font(), msColour);
    return Measure.Extent(L"Pq", 2).cy;
  };
  // Bevel 1 on both sides of a single kind, border 3: the text starts 5 pixels in.
  EXPECT_EQ(Edit->GetInnerRect().top, 5);
  EXPECT_EQ(Edit->Height(), 10 + PqHeight());
  Edit->Font().SetSize(16);
  Edit->FontChanged();
  EXPECT_EQ(Edit->Height(), 10 + PqHeight());
  EXPECT_GT(Edit->Height(), 23);
  Edit->SetBorderWidth(0);
  EXPECT_EQ(Edit->Height(), 4 + PqHeight());
  EXPECT_EQ(Edit->TextRect().bottom - Edit->TextRect().top, PqHeight());
  Edit->SetAutoSize(false);
  Edit->SetHeight(50);
  Edit->Font().SetSize(8);
  Edit->FontChanged();
  EXPECT_EQ(Edit->Height(), 50);
}

TEST_F(EditViewTest, ItsPropertiesGoThroughTheStoredLayoutInOrder) {
  EXPECT_EQ(Edit->Performance(), qzpDoubleBuffer);
  EXPECT_EQ(Edit->BevelKind(), qbkSingle);
  EXPECT_EQ(Edit->Cursor(), crIBeam);
  Edit->SetCursor(crDefault);
  EXPECT_EQ(Edit->Cursor(), crIBeam);
  Edit->SetText(L"stored");
  Edit->SetMaxLength(12);
  Edit->SetPasswordKind(pkTriangle);
  Edit->SetTextAlignment(TAlignment::taRightJustify);
  Edit->SetCharCase(ecLowerCase);
  Edit->SetReadOnly(true);
  Edit->SetSkinObject("OtherEdit");
  const std::string Text = ComponentToText(*Edit);
  const size_t Stored = Text.find("Text = 'stored'"), Max = Text.find("MaxLength = 12"),
               Kind = Text.find("PasswordKind = pkTriangle"),
               Align = Text.find("TextAlignment = taRightJustify"),
               Skin = Text.find("SkinObject = 'OtherEdit'");
  ASSERT_NE(Skin, std::string::npos) << Text;
  EXPECT_LT(Stored, Max);
  EXPECT_LT(Max, Kind);
  EXPECT_LT(Kind, Align);
  EXPECT_LT(Align, Skin);

  // Made by its name, as a stored layout names it.
  const TPersistentFactory* Factory = FindPersistentClass("TSeSkinEdit");
  ASSERT_NE(Factory, nullptr);
  auto Made = (*Factory)(Form);
  auto* Copy = dynamic_cast<TSeSkinEdit*>(Made.release());
  ASSERT_NE(Copy, nullptr);
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  Copy->Loaded();
  EXPECT_EQ(Copy->Text(), L"stored");
  EXPECT_EQ(Copy->MaxLength(), 12);
  EXPECT_EQ(Copy->PasswordKind(), pkTriangle);
  EXPECT_EQ(Copy->TextAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(Copy->CharCase(), ecLowerCase);
  EXPECT_TRUE(Copy->ReadOnly());
  EXPECT_EQ(Copy->SkinObject(), "OtherEdit");
  EXPECT_NE(FindPersistentClass("TSeCustomEdit"), nullptr);
}

TEST_F(EditViewTest, TheSkinGivesTheFontAndTheStateFollowsTheEdit) {
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  LoadSkin(MIREVAN_DARK_SKIN, *Engine->Source());
  Edit->SetSkinEngine(Engine);
  const TSeSkinObject* Text = Engine->Source()->FindObject("Edit")->FindObject("Text");
  ASSERT_NE(Text, nullptr);
  EXPECT_EQ(Edit->Font().Name(), Text->Font.Name());
  EXPECT_EQ(Edit->Font().Color(), Text->Font.Color());
  // The frame's masked corners let the form show through.
  EXPECT_TRUE(Edit->Transparent());
  const TPropInfo* Stored = TSeSkinEdit::Properties().Find("SkinEngine");
  ASSERT_NE(Stored, nullptr);
  EXPECT_EQ(Stored->GetString(*Edit), "");
  Engine->SetName("Engine");
  EXPECT_EQ(Stored->GetString(*Edit), "Engine");

  EXPECT_EQ(Edit->ObjectState(), osNormal);
  Edit->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return Edit->Focused(); }));
  EXPECT_EQ(Edit->ObjectState(), osFocused);
  ASSERT_TRUE(PointToX(10));
  ASSERT_TRUE(WaitFor([&] { return Edit->ObjectState() == osHot; }));
  Edit->SetEnabled(false);
  EXPECT_EQ(Edit->ObjectState(), osDisabled);
  EXPECT_FALSE(IsWindowEnabled(Edit->Handle()));
  // Without the engine the edit is plain again and keeps the skin's font.
  Edit->SetSkinEngine(nullptr);
  EXPECT_EQ(Edit->Font().Name(), Text->Font.Name());
}

} // namespace

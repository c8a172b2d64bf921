// The toolkit's window layer on real windows: binding and the subclass chain, the exception
// barrier, bounds that follow the window, the one paint path, hover, capture, focus, keys and
// dialog navigation, cursors, double clicks, wide text, loading and the timer.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windowsx.h>

#include "tests/win/support/DibShot.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/RecreatedControl.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Controls.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Forms.h"
#include "toolkit/ListView.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Timer.h"

namespace {

std::vector<std::string> GReported;
void RecordReport(const std::exception& E) { GReported.emplace_back(E.what()); }

// A log of what the controls were told, in order: "<name> <event>".
std::vector<std::string> GEvents;
void Log(const TComponent* Control, const std::string& Event) {
  GEvents.push_back(Control->Name() + " " + Event);
}

// A windowed control of the toolkit's own class that logs its notifications.
class TProbe : public TCustomControl {
public:
  explicit TProbe(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == CM_MOUSEENTER)
      Log(this, "enter");
    else if (Msg == CM_MOUSELEAVE)
      Log(this, "leave");
    else if (Msg == CM_ENTER)
      Log(this, "focus");
    else if (Msg == CM_EXIT)
      Log(this, "blur");
    else if (Msg == WM_CREATE)
      Log(this, "create");
    else if (Msg == WM_SHOWWINDOW && WParam)
      Log(this, "shown");
    else if (Msg == WM_CONTEXTMENU) {
      Log(this, GetCapture() ? "context menu (captured)" : "context menu");
      ContextPoint = {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
    }
    return TCustomControl::WndProc(Msg, WParam, LParam);
  }
  int Paints = 0;
  POINT ContextPoint{};
  bool ThrowInPaint = false;
  void (*Thrower)() = nullptr;

protected:
  void Paint() override {
    ++Paints;
    if (Thrower)
      Thrower();
    Canvas().Brush.Color = Color();
    Canvas().FillRect(ClientRect());
  }
  void MouseCaptureLost() override { Log(this, "capture lost"); }
};

// A windowless control that paints a filled rectangle with its own brush.
class TFlat : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == CM_MOUSEENTER)
      Log(this, "enter");
    else if (Msg == CM_MOUSELEAVE)
      Log(this, "leave");
    return TGraphicControl::WndProc(Msg, WParam, LParam);
  }
  // Set, the brush takes this colour before the fill; otherwise it keeps what it has.
  TColor Fill = clNone;

protected:
  void Paint() override {
    if (Fill != clNone)
      Canvas().Brush.Color = Fill;
    Canvas().FillRect(ClientRect());
  }
  void MouseCaptureLost() override { Log(this, "capture lost"); }
};

class WindowLayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    SetExceptionReporter(RecordReport);
    GReported.clear();
    GEvents.clear();
    Form = MakeComponent<TForm>(Application);
    Form->SetName("Form");
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 80, 400, 300);
    // Off the form: a run before may have left the pointer anywhere.
    PointAt({5, 5});
  }
  void TearDown() override {
    Form->Free();
    PumpFor(10);
  }

  template <class T> T* Add(TWinControl* Parent, const char* Name, RECT Bounds) {
    T* Control = MakeComponent<T>(Form);
    Control->SetName(Name);
    Control->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left,
                       Bounds.bottom - Bounds.top);
    Control->SetParent(Parent);
    return Control;
  }
  void ShowForm() {
    Form->Show();
    PumpFor(50);
  }
  POINT ScreenPoint(TControl* Control, int X, int Y) { return Control->ClientToScreen({X, Y}); }
  static int Count(const std::string& Event) {
    return static_cast<int>(std::count(GEvents.begin(), GEvents.end(), Event));
  }

  TApplicationScope App;
  TForm* Form = nullptr;
};

// --- Binding and the subclass chain

TEST_F(WindowLayerTest, EveryWindowIsBoundToItsObjectFromCreationOn) {
  auto* Own = Add<TProbe>(Form, "Own", {10, 10, 60, 40});
  auto* Native = Add<TButton>(Form, "Native", {70, 10, 150, 40});
  ShowForm();
  EXPECT_EQ(TWinControl::FromHandle(Own->Handle()), Own);
  EXPECT_EQ(TWinControl::FromHandle(Native->Handle()), Native);
  EXPECT_EQ(TWinControl::FromHandle(Form->Handle()), Form);
  EXPECT_EQ(Count("Own create"), 1); // the object saw its own WM_CREATE
  // Wide windows, so the edit control can take any character later.
  EXPECT_TRUE(IsWindowUnicode(Own->Handle()));
  EXPECT_TRUE(IsWindowUnicode(Native->Handle()));
  // A child of a native window finds its control through the parents.
  EXPECT_EQ(TWinControl::FindControl(Own->Handle()), Own);
  EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
}

TEST_F(WindowLayerTest, AnotherLinkOfTheChainCanComeAndGoInAnyOrder) {
  auto* Own = Add<TProbe>(Form, "Own", {10, 10, 60, 40});
  ShowForm();
  const HWND Wnd = Own->Handle();
  static int Seen = 0;
  Seen = 0;
  const SUBCLASSPROC Foreign = [](HWND W, UINT M, WPARAM WP, LPARAM LP, UINT_PTR,
                                  DWORD_PTR) -> LRESULT {
    if (M == WM_USER + 7)
      ++Seen;
    return DefSubclassProc(W, M, WP, LP);
  };
  ASSERT_TRUE(SetWindowSubclass(Wnd, Foreign, 1, 0));
  SendMessageW(Wnd, WM_USER + 7, 0, 0);
  EXPECT_EQ(Seen, 1);
  // Our binding still answers with the foreign link above it, and after it is gone.
  SendMessageW(Wnd, CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(Count("Own enter"), 1);
  ASSERT_TRUE(RemoveWindowSubclass(Wnd, Foreign, 1));
  SendMessageW(Wnd, CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Count("Own leave"), 1);
  EXPECT_EQ(TWinControl::FromHandle(Wnd), Own);
}

TEST_F(WindowLayerTest, RecreatingTheWindowKeepsTheObjectItsBoundsAndItsChildren) {
  auto* Styled = Add<TRecreatedControl>(Form, "Styled", {20, 30, 220, 130});
  auto* Inner = Add<TProbe>(Styled, "Inner", {5, 5, 50, 30});
  ShowForm();
  const HWND OldStyled = Styled->Handle();
  Styled->SetBordered(true);
  ASSERT_TRUE(Styled->HandleAllocated());
  EXPECT_NE(Styled->Handle(), OldStyled);
  EXPECT_FALSE(IsWindow(OldStyled));
  EXPECT_TRUE(GetWindowLongW(Styled->Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(TWinControl::FromHandle(Styled->Handle()), Styled);
  EXPECT_EQ(GetParent(Inner->Handle()), Styled->Handle());
  EXPECT_EQ(TWinControl::FromHandle(Inner->Handle()), Inner);
  RECT Bounds;
  GetWindowRect(Styled->Handle(), &Bounds);
  MapWindowPoints(nullptr, Form->Handle(), reinterpret_cast<POINT*>(&Bounds), 2);
  EXPECT_EQ(Bounds.left, 20);
  EXPECT_EQ(Bounds.top, 30);
  EXPECT_EQ(Styled->Width(), 200);
}

// The child windows of Parent, top first.
std::vector<HWND> ChildOrder(HWND Parent) {
  std::vector<HWND> Order;
  for (HWND Wnd = GetWindow(Parent, GW_CHILD); Wnd; Wnd = GetWindow(Wnd, GW_HWNDNEXT))
    Order.push_back(Wnd);
  return Order;
}

TEST_F(WindowLayerTest, AHiddenControlGetsItsWindowsWhenItFirstShowsAndTakesItsPlace) {
  auto* Before = Add<TProbe>(Form, "Before", {10, 10, 60, 40});
  auto* Hidden = Add<TProbe>(Form, "Hidden", {70, 10, 250, 150});
  auto* Inner = Add<TProbe>(Hidden, "Inner", {5, 5, 50, 30});
  auto* Native = Add<TButton>(Hidden, "Native", {60, 5, 150, 30});
  auto* After = Add<TProbe>(Form, "After", {10, 160, 60, 190});
  auto* Asked = Add<TProbe>(Form, "Asked", {270, 10, 320, 40});
  Hidden->SetVisible(false);
  Asked->SetVisible(false);
  ShowForm();
  EXPECT_TRUE(Before->HandleAllocated());
  EXPECT_TRUE(After->HandleAllocated());
  EXPECT_FALSE(Hidden->HandleAllocated());
  EXPECT_FALSE(Inner->HandleAllocated());
  EXPECT_FALSE(Native->HandleAllocated());
  EXPECT_EQ(Count("Hidden create"), 0);

  GEvents.clear();
  Hidden->SetVisible(true);
  ASSERT_TRUE(Hidden->HandleAllocated());
  ASSERT_TRUE(Inner->HandleAllocated());
  ASSERT_TRUE(Native->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Inner->Handle()));
  EXPECT_TRUE(IsWindowVisible(Native->Handle()));
  EXPECT_EQ(TWinControl::FromHandle(Native->Handle()), Native);
  // It shows once its children are made, not while it is being created.
  EXPECT_EQ(GEvents, (std::vector<std::string>{"Hidden create", "Inner create", "Inner shown",
                                               "Hidden shown"}));
  // Where it would lie had it been made with its siblings: in the order of the controls.
  EXPECT_EQ(ChildOrder(Form->Handle()),
            (std::vector<HWND>{Before->Handle(), Hidden->Handle(), After->Handle()}));

  // Asked for, a hidden control's window is made, hidden, in its place too.
  const HWND AskedWnd = Asked->Handle();
  EXPECT_FALSE(IsWindowVisible(AskedWnd));
  EXPECT_EQ(ChildOrder(Form->Handle()),
            (std::vector<HWND>{Before->Handle(), Hidden->Handle(), After->Handle(), AskedWnd}));
  Asked->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(AskedWnd));
  EXPECT_EQ(Asked->Handle(), AskedWnd);
}

TEST_F(WindowLayerTest, ControlsMadeTogetherLieInTheirOrderFirstOnTop) {
  auto* First = Add<TProbe>(Form, "First", {10, 10, 60, 40});
  auto* Second = Add<TButton>(Form, "Second", {70, 10, 150, 40});
  auto* Third = Add<TProbe>(Form, "Third", {160, 10, 210, 40});
  ShowForm();
  EXPECT_EQ(ChildOrder(Form->Handle()),
            (std::vector<HWND>{First->Handle(), Second->Handle(), Third->Handle()}));
}

// --- The exception barrier

TEST_F(WindowLayerTest, AnyExceptionFromAHandlerIsReportedAndNeverReachesTheSystem) {
  auto* Own = Add<TProbe>(Form, "Own", {10, 10, 60, 40});
  ShowForm();
  Own->OnClick = [](TObject*) { throw 42; }; // not even a std::exception
  SendMessageW(Own->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Own->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(GReported.size(), 1u);
  EXPECT_EQ(GReported[0], "Unknown exception");
  Own->OnClick = [](TObject*) { throw Exception("Cannot open file x.bmp"); };
  SendMessageW(Own->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Own->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(GReported.size(), 2u);
  EXPECT_EQ(GReported[1], "Cannot open file x.bmp");
}

TEST_F(WindowLayerTest, APaintThatThrowsIsReportedOnceAndStillEndsItsPaint) {
  auto* Own = Add<TProbe>(Form, "Own", {10, 10, 60, 40});
  ShowForm();
  Own->Thrower = [] { throw Exception("paint failed"); };
  Own->Paints = 0;
  InvalidateRect(Own->Handle(), nullptr, TRUE);
  PumpFor(200);
  EXPECT_EQ(Own->Paints, 1); // the window was validated: no storm of repaints
  EXPECT_EQ(GReported, std::vector<std::string>{"paint failed"});
  RECT Update;
  EXPECT_FALSE(GetUpdateRect(Own->Handle(), &Update, FALSE));
}

TEST_F(WindowLayerTest, TheReportIsNotEnteredAgainWhileItShowsAnError) {
  // A report that makes the same fault strike again, as a message box's loop may.
  static TProbe* Victim = nullptr;
  Victim = Add<TProbe>(Form, "Victim", {10, 10, 60, 40});
  ShowForm();
  Victim->OnClick = [](TObject*) { throw Exception("first"); };
  SetExceptionReporter([](const std::exception& E) {
    GReported.emplace_back(E.what());
    Victim->OnClick = [](TObject*) { throw Exception("second"); };
    SendMessageW(Victim->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(Victim->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  });
  SendMessageW(Victim->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Victim->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  // "second" went to standard error instead of a second report inside the first.
  EXPECT_EQ(GReported, std::vector<std::string>{"first"});
  SetExceptionReporter(RecordReport);
}

TEST_F(WindowLayerTest, TimersAndSortCallbacksReportTheirExceptionsToo) {
  auto* Timer = MakeComponent<TTimer>(Form);
  Timer->SetInterval(20);
  int Ticks = 0;
  Timer->SetOnTimer([&Ticks](TObject*) {
    if (++Ticks == 1)
      throw Exception("tick failed");
  });
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3; }, 2000)); // it goes on ticking
  Timer->SetEnabled(false);
  EXPECT_EQ(GReported, std::vector<std::string>{"tick failed"});

  auto* List = Add<TListView>(Form, "List", {10, 10, 200, 150});
  ShowForm();
  List->AddColumn("Name", 100);
  List->AddItem("b");
  List->AddItem("a");
  List->OnCompare = [](TObject*, TListItem*, TListItem*, int, int&) {
    throw Exception("compare failed");
  };
  List->CustomSort(0);
  EXPECT_GE(GReported.size(), 2u);
  EXPECT_EQ(GReported[1], "compare failed");
  EXPECT_EQ(List->ItemCount(), 2);
}

// --- Bounds and coordinates

TEST_F(WindowLayerTest, BoundsFollowTheWindowWhoeverMovesIt) {
  auto* Own = Add<TProbe>(Form, "Own", {10, 10, 60, 40});
  ShowForm();
  int Resizes = 0;
  Form->OnResize = [&Resizes](TObject*) { ++Resizes; };
  // Another process moves and sizes the form.
  TFixtureProcess Other;
  Other.Move(Form->Handle(), {250, 120, 250 + 420, 120 + 330});
  ASSERT_TRUE(PumpUntil([&] { return Form->Left() == 250; }, 3000));
  EXPECT_EQ(Form->Top(), 120);
  EXPECT_EQ(Form->Width(), 420);
  EXPECT_EQ(Form->Height(), 330);
  EXPECT_EQ(Resizes, 1);
  // The platform moves a child directly.
  SetWindowPos(Own->Handle(), nullptr, 30, 35, 70, 45, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Own->Left(), 30);
  EXPECT_EQ(Own->Top(), 35);
  EXPECT_EQ(Own->Width(), 70);
  EXPECT_EQ(Own->Height(), 45);
}

// --- Alignment

TEST_F(WindowLayerTest, AlignedAndAnchoredChildrenFollowTheFormNestedAndWhenHidden) {
  Form->SetClientSize(300, 200);
  auto* Outer = Add<TProbe>(Form, "Outer", {0, 0, 10, 10});
  Outer->SetAlign(TAlign::alClient);
  auto* Header = Add<TProbe>(Outer, "Header", {0, 0, 10, 30});
  Header->SetAlign(TAlign::alTop);
  auto* Body = Add<TProbe>(Outer, "Body", {0, 0, 10, 10});
  Body->SetAlign(TAlign::alClient);
  auto* Corner = Add<TFlat>(Body, "Corner", {200, 130, 250, 150}); // windowless
  Corner->SetAnchors(akRight | akBottom);
  ShowForm();
  const auto Expect = [&](RECT OuterR, RECT HeaderR, RECT BodyR, RECT CornerR, const char* When) {
    const std::pair<TControl*, RECT> Cases[] = {
        {Outer, OuterR}, {Header, HeaderR}, {Body, BodyR}, {Corner, CornerR}};
    for (const auto& [Control, R] : Cases) {
      const RECT Bounds = Control->BoundsRect();
      EXPECT_TRUE(EqualRect(&R, &Bounds))
          << When << ": " << Control->Name() << " at " << Control->Left() << ", "
          << Control->Top() << ", " << Control->Width() << " x " << Control->Height();
      if (auto* Windowed = dynamic_cast<TWinControl*>(Control); Windowed && Control->Visible()) {
        RECT Window;
        GetWindowRect(Windowed->Handle(), &Window);
        MapWindowPoints(nullptr, GetParent(Windowed->Handle()), reinterpret_cast<POINT*>(&Window), 2);
        EXPECT_TRUE(EqualRect(&R, &Window)) << When << ": " << Control->Name() << "'s window";
      }
    }
  };
  Expect({0, 0, 300, 200}, {0, 0, 300, 30}, {0, 30, 300, 200}, {200, 130, 250, 150}, "shown");
  // Another process makes the form 100 wider and 50 higher.
  RECT Window;
  GetWindowRect(Form->Handle(), &Window);
  TFixtureProcess Other;
  Other.Move(Form->Handle(), {Window.left, Window.top, Window.right + 100, Window.bottom + 50});
  ASSERT_TRUE(PumpUntil([&] { return Outer->Width() == 400; }, 3000));
  Expect({0, 0, 400, 250}, {0, 0, 400, 30}, {0, 30, 400, 250}, {300, 180, 350, 200}, "grown");
  // The hidden header's place goes to the body (and the corner with it), and comes back.
  Header->SetVisible(false);
  Expect({0, 0, 400, 250}, {0, 0, 400, 30}, {0, 0, 400, 250}, {300, 210, 350, 230}, "hidden");
  Header->SetVisible(true);
  Expect({0, 0, 400, 250}, {0, 0, 400, 30}, {0, 30, 400, 250}, {300, 180, 350, 200}, "shown again");
  // What the children need: the corner keeps its size and its distances to the body's right
  // (50) and bottom (20), under the 30-pixel header.
  const TSize Need = Form->ContentMinimum();
  EXPECT_EQ(Need.Width, 50 + 50);
  EXPECT_EQ(Need.Height, 30 + 20 + 20);
}

TEST_F(WindowLayerTest, ClientToScreenIsRightWhereverTheFormStands) {
  auto* Panel = Add<TProbe>(Form, "Panel", {40, 50, 240, 200});
  auto* Flat = Add<TFlat>(Panel, "Flat", {7, 9, 30, 30});
  ShowForm();
  for (const POINT Place : {POINT{100, 80}, POINT{321, 234}}) {
    Form->SetBounds(Place.x, Place.y, Form->Width(), Form->Height());
    POINT Expected{0, 0};
    ClientToScreen(Panel->Handle(), &Expected);
    EXPECT_EQ(Panel->ClientToScreen({0, 0}).x, Expected.x);
    EXPECT_EQ(Panel->ClientToScreen({0, 0}).y, Expected.y);
    EXPECT_EQ(Flat->ClientToScreen({1, 2}).x, Expected.x + 8);
    EXPECT_EQ(Flat->ClientToScreen({1, 2}).y, Expected.y + 11);
    const POINT Back = Flat->ScreenToClient({Expected.x + 8, Expected.y + 11});
    EXPECT_EQ(Back.x, 1);
    EXPECT_EQ(Back.y, 2);
  }
}

// --- One paint path

TEST_F(WindowLayerTest, AControlPaintsItselfAndItsWindowlessChildrenIntoAGivenContext) {
  auto* Panel = Add<TProbe>(Form, "Panel", {0, 0, 100, 60});
  Panel->SetColor(0x0000FF); // red
  auto* Flat = Add<TFlat>(Panel, "Flat", {10, 20, 30, 40});
  Flat->Fill = 0x00FF00; // green
  ShowForm();
  for (const bool ByPrint : {true, false}) {
    TDibShot Shot(100, 60);
    if (ByPrint)
      SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()),
                   PRF_CLIENT | PRF_ERASEBKGND);
    else
      SendMessageW(Panel->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(Shot.DC()), 0);
    EXPECT_EQ(Shot.Pixel(5, 5), 0xFF0000u) << ByPrint;
    EXPECT_EQ(Shot.Pixel(10, 20), 0x00FF00u) << ByPrint;
    EXPECT_EQ(Shot.Pixel(29, 39), 0x00FF00u) << ByPrint;
    EXPECT_EQ(Shot.Pixel(30, 40), 0xFF0000u) << ByPrint; // clipped to the child
  }
}

TEST_F(WindowLayerTest, WindowlessSiblingsKeepTheirOwnPenAndBrush) {
  auto* Panel = Add<TProbe>(Form, "Panel", {0, 0, 100, 60});
  Panel->SetColor(0x000000);
  auto* Painter = Add<TFlat>(Panel, "Painter", {0, 0, 20, 20});
  Painter->Fill = 0x0000FF;
  auto* Plain = Add<TFlat>(Panel, "Plain", {30, 0, 50, 20}); // never sets its brush
  ShowForm();
  TDibShot Shot(100, 60);
  SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), PRF_CLIENT);
  EXPECT_EQ(Shot.Pixel(5, 5), 0xFF0000u);
  EXPECT_EQ(Shot.Pixel(35, 5), 0xFFFFFFu); // the canvas's own white brush, not red
  (void)Plain;
}

TEST_F(WindowLayerTest, InvalidatingAWindowlessRectangleMarksThatPartOfTheParent) {
  auto* Panel = Add<TProbe>(Form, "Panel", {0, 0, 200, 100});
  auto* Flat = Add<TFlat>(Panel, "Flat", {50, 20, 150, 80});
  ShowForm();
  ValidateRect(Panel->Handle(), nullptr);
  Flat->InvalidateRect({10, 5, 30, 15}, false);
  RECT Update;
  ASSERT_TRUE(GetUpdateRect(Panel->Handle(), &Update, FALSE));
  EXPECT_EQ(Update.left, 60);
  EXPECT_EQ(Update.top, 25);
  EXPECT_EQ(Update.right, 80);
  EXPECT_EQ(Update.bottom, 35);
}

TEST_F(WindowLayerTest, AnEqualFontKeepsItsPlatformHandle) {
  TFont Font;
  const HFONT Before = Font.Handle();
  TFont Same;
  Font.Assign(Same);
  EXPECT_EQ(Font.Handle(), Before);
  Same.SetSize(12);
  Font.Assign(Same);
  EXPECT_NE(Font.Handle(), Before);
}

// --- Input

TEST_F(WindowLayerTest, HoverReachesWindowedAndWindowlessControlsInOrder) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  auto* Flat = Add<TFlat>(Panel, "Flat", {100, 10, 180, 60});
  auto* Other = Add<TProbe>(Form, "Other", {240, 20, 340, 120});
  ShowForm();
  ASSERT_TRUE(PointAt({5, 5})); // off the form
  ASSERT_TRUE(PointAt(ScreenPoint(Panel, 10, 10)));
  PumpFor(50);
  ASSERT_TRUE(PointAt(ScreenPoint(Flat, 10, 10)));
  PumpFor(50);
  ASSERT_TRUE(PointAt(ScreenPoint(Other, 10, 10)));
  PumpUntil([] { return Count("Other enter") > 0 && Count("Panel leave") > 0; }, 1000);
  // Each control's own story, and the nesting: the child enters after its window and
  // leaves before it. Between two windows the platform decides the order.
  const auto StoryOf = [](const std::string& Name) {
    std::vector<std::string> Story;
    for (const std::string& Event : GEvents)
      if (Event.starts_with(Name + " ") && (Event.ends_with("enter") || Event.ends_with("leave")))
        Story.push_back(Event.substr(Name.size() + 1));
    return Story;
  };
  const std::vector<std::string> InAndOut{"enter", "leave"};
  EXPECT_EQ(StoryOf("Panel"), InAndOut);
  EXPECT_EQ(StoryOf("Flat"), InAndOut);
  EXPECT_EQ(StoryOf("Other"), std::vector<std::string>{"enter"});
  const auto At = [](const std::string& Event) {
    return std::find(GEvents.begin(), GEvents.end(), Event) - GEvents.begin();
  };
  EXPECT_LT(At("Panel enter"), At("Flat enter"));
  EXPECT_LT(At("Flat leave"), At("Panel leave"));
  EXPECT_TRUE(Other->MouseInControl());
  EXPECT_FALSE(Panel->MouseInControl());
  EXPECT_FALSE(Flat->MouseInControl());
}

TEST_F(WindowLayerTest, AWindowlessControlHoldingTheMouseLearnsWhenItLosesIt) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  auto* Flat = Add<TFlat>(Panel, "Flat", {100, 10, 180, 60});
  auto* Other = Add<TProbe>(Form, "Other", {240, 20, 340, 120});
  std::vector<POINT> Moves;
  Flat->OnMouseMove = [&Moves](TObject*, TShiftState, int X, int Y) { Moves.push_back({X, Y}); };
  ShowForm();
  SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 20));
  EXPECT_EQ(GetCapture(), Panel->Handle());
  // Held, the child gets the mouse outside its bounds, in its own coordinates.
  SendMessageW(Panel->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 90));
  ASSERT_EQ(Moves.size(), 1u);
  EXPECT_EQ(Moves[0].x, -95);
  EXPECT_EQ(Moves[0].y, 80);
  SetCapture(Other->Handle());
  EXPECT_EQ(Count("Flat capture lost"), 1);
  EXPECT_EQ(Count("Panel capture lost"), 0);
  ReleaseCapture();
}

TEST_F(WindowLayerTest, ReleasingTheButtonIsNotALostCapture) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  int Clicks = 0;
  Panel->OnClick = [&Clicks](TObject*) { ++Clicks; };
  ShowForm();
  SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Count("Panel capture lost"), 0);
  // A press that ends outside is no click.
  SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 12));
  EXPECT_EQ(Clicks, 1);
}

TEST_F(WindowLayerTest, TheRightButtonAsksForAContextMenuOnceItHasGivenTheMouseBack) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  Add<TFlat>(Panel, "Flat", {10, 10, 50, 50});
  ShowForm();
  for (const POINT At : {POINT{100, 60}, POINT{20, 20}}) { // the panel's own, the flat's
    GEvents.clear();
    SendMessageW(Panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(At.x, At.y));
    EXPECT_EQ(GetCapture(), Panel->Handle());
    SendMessageW(Panel->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(At.x, At.y));
    EXPECT_EQ(Count("Panel context menu"), 1);
    EXPECT_EQ(Count("Panel context menu (captured)"), 0);
    const POINT Screen = ScreenPoint(Panel, At.x, At.y);
    EXPECT_EQ(Panel->ContextPoint.x, Screen.x);
    EXPECT_EQ(Panel->ContextPoint.y, Screen.y);
  }
  // The left button asks for none.
  GEvents.clear();
  SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 60));
  SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
  EXPECT_EQ(Count("Panel context menu"), 0);
}

TEST_F(WindowLayerTest, AHandlerMayFreeTheControlItWasCalledFor) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  auto* Flat = Add<TFlat>(Panel, "Flat", {10, 10, 50, 50});
  auto* Doomed = Add<TProbe>(Form, "Doomed", {240, 20, 300, 80});
  int Clicks = 0;
  for (TControl* Control : {static_cast<TControl*>(Flat), static_cast<TControl*>(Doomed)}) {
    Control->OnMouseUp = [](TObject* Sender, TMouseButton, TShiftState, int, int) {
      static_cast<TComponent*>(static_cast<TControl*>(Sender))->Free();
    };
    Control->OnClick = [&Clicks](TObject*) { ++Clicks; };
  }
  ShowForm();
  const HWND DoomedWnd = Doomed->Handle();
  SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(Panel->ControlCount(), 0);
  SendMessageW(DoomedWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(DoomedWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindow(DoomedWnd));
  EXPECT_EQ(Clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowLayerTest, DoubleClicksReachWindowlessControls) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  auto* Flat = Add<TFlat>(Panel, "Flat", {10, 10, 50, 50});
  int Doubles = 0;
  TShiftState Shift = 0;
  Flat->OnDblClick = [&Doubles](TObject*) { ++Doubles; };
  Flat->OnMouseDown = [&Shift](TObject*, TMouseButton, TShiftState S, int, int) { Shift = S; };
  ShowForm();
  SendMessageW(Panel->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(Doubles, 1);
  EXPECT_TRUE(Shift & ssDouble);
}

TEST_F(WindowLayerTest, EachControlShowsItsOwnCursorUnlessTheApplicationOverrides) {
  auto* Panel = Add<TProbe>(Form, "Panel", {20, 20, 220, 120});
  auto* Flat = Add<TFlat>(Panel, "Flat", {10, 10, 50, 50});
  Flat->SetCursor(crHandPoint);
  Panel->SetCursor(crCross);
  ShowForm();
  const auto CursorAt = [&](TControl* Control, int X, int Y) {
    EXPECT_TRUE(PointAt(Control->ClientToScreen({X, Y})));
    SendMessageW(Panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Panel->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(CursorAt(Flat, 5, 5), Screen->Cursors(crHandPoint));
  EXPECT_EQ(CursorAt(Panel, 150, 80), Screen->Cursors(crCross));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(CursorAt(Flat, 5, 5), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
}

class KeyboardTest : public WindowLayerTest {
protected:
  static void Press(WORD Key, bool Shift = false) {
    std::vector<INPUT> Keys;
    const auto Add = [&Keys](WORD K, bool Up) {
      INPUT Input{};
      Input.type = INPUT_KEYBOARD;
      Input.ki.wVk = K;
      Input.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
      Keys.push_back(Input);
    };
    if (Shift)
      Add(VK_SHIFT, false);
    Add(Key, false);
    Add(Key, true);
    if (Shift)
      Add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(Keys.size()), Keys.data(), sizeof(INPUT));
    // Through the application's loop, where the dialog keys are taken.
    const ULONGLONG End = GetTickCount64() + 150;
    while (GetTickCount64() < End) {
      Application->ProcessMessages();
      Sleep(5);
    }
  }
};

TEST_F(KeyboardTest, FocusMovesByTabAndControlsLearnWhenTheyGainAndLoseIt) {
  auto* First = Add<TProbe>(Form, "First", {10, 10, 60, 40});
  auto* Skipped = Add<TProbe>(Form, "Skipped", {70, 10, 120, 40});
  Skipped->SetTabStop(false);
  auto* Group = Add<TProbe>(Form, "Group", {10, 50, 200, 150});
  Group->SetTabStop(false);
  auto* Inner = Add<TProbe>(Group, "Inner", {10, 10, 60, 40});
  auto* Hidden = Add<TProbe>(Form, "Hidden", {130, 10, 180, 40});
  Hidden->SetVisible(false);
  ShowForm();
  ASSERT_EQ(GetForegroundWindow(), Form->Handle());
  First->SetFocus();
  EXPECT_EQ(Count("First focus"), 1);
  Press(VK_TAB);
  EXPECT_TRUE(Inner->Focused());
  EXPECT_EQ(Count("First blur"), 1);
  EXPECT_EQ(Count("Inner focus"), 1);
  Press(VK_TAB); // round the form
  EXPECT_TRUE(First->Focused());
  Press(VK_TAB, true);
  EXPECT_TRUE(Inner->Focused());
}

// Takes Ctrl+Tab (forward or back) as a dialog key, recording the shift state it came with.
class TCtrlTabTaker : public TProbe {
public:
  using TProbe::TProbe;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == CM_DIALOGKEY && WParam == VK_TAB && Takes) {
      Shifts.push_back(static_cast<TShiftState>(LParam));
      return 1;
    }
    return TProbe::WndProc(Msg, WParam, LParam);
  }
  bool Takes = true;
  std::vector<TShiftState> Shifts;
};

TEST_F(KeyboardTest, CtrlTabGoesToTheControlsAroundTheFocusBeforeMovingIt) {
  auto* Outer = Add<TCtrlTabTaker>(Form, "Outer", {10, 10, 300, 200});
  auto* Pages = Add<TCtrlTabTaker>(Outer, "Pages", {10, 10, 250, 150});
  auto* Field = Add<TProbe>(Pages, "Field", {10, 10, 60, 40});
  auto* Aside = Add<TCtrlTabTaker>(Form, "Aside", {310, 10, 360, 40});
  ShowForm();
  Field->SetFocus();
  const auto CtrlTab = [](bool Shift) { CtrlKey(VK_TAB, Shift); };
  CtrlTab(false);
  ASSERT_TRUE(ProcessUntil([&] { return !Pages->Shifts.empty(); }, 2000));
  CtrlTab(true);
  ASSERT_TRUE(ProcessUntil([&] { return Pages->Shifts.size() == 2; }, 2000));
  EXPECT_EQ(Pages->Shifts[0] & (ssCtrl | ssShift), ssCtrl);
  EXPECT_EQ(Pages->Shifts[1] & (ssCtrl | ssShift), ssCtrl | ssShift);
  EXPECT_TRUE(Outer->Shifts.empty()); // the nearest took it
  EXPECT_TRUE(Aside->Shifts.empty()); // not around the focus
  EXPECT_TRUE(Field->Focused());      // and the focus stayed
  // Nobody around takes it: the focus moves as with Tab.
  Pages->Takes = false;
  Outer->Takes = false;
  CtrlTab(false);
  ASSERT_TRUE(ProcessUntil([&] { return !Field->Focused(); }, 2000));
  EXPECT_TRUE(Aside->Shifts.empty());
}

TEST_F(KeyboardTest, EnterClicksTheFocusedOrDefaultButtonAndEscapeTheCancelOne) {
  auto* Ok = Add<TButton>(Form, "Ok", {10, 10, 80, 35});
  Ok->Default = true;
  auto* Cancel = Add<TButton>(Form, "Cancel", {90, 10, 160, 35});
  Cancel->Cancel = true;
  auto* Other = Add<TButton>(Form, "Other", {170, 10, 240, 35});
  auto* Field = Add<TProbe>(Form, "Field", {10, 50, 100, 80});
  std::vector<std::string> Clicked;
  for (TButton* Button : {Ok, Cancel, Other})
    Button->OnClick = [&Clicked](TObject* Sender) {
      Clicked.push_back(static_cast<TButton*>(Sender)->Name());
    };
  std::vector<WORD> Keys;
  Field->OnKeyDown = [&Keys](TObject*, WORD& Key, TShiftState) { Keys.push_back(Key); };
  ShowForm();
  Field->SetFocus();
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  Other->SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(Clicked, (std::vector<std::string>{"Ok", "Cancel", "Other"}));
  EXPECT_TRUE(Keys.empty()); // the dialog keys never reached the field
  Field->SetFocus();
  Press('A');
  EXPECT_EQ(Keys, std::vector<WORD>{'A'});
}

// --- Loading and the timer

TEST_F(WindowLayerTest, ReadingStoredPropertiesMakesNoWindow) {
  ComponentFromText("object Form: TForm\n"
                    "  Left = 50\n"
                    "  Top = 60\n"
                    "  Width = 300\n"
                    "  Height = 200\n"
                    "  Caption = 'Stored'\n"
                    "  Visible = True\n"
                    "end\n",
                    *Form);
  EXPECT_FALSE(Form->HandleAllocated());
  EXPECT_FALSE(Form->Loading());
  EXPECT_EQ(Form->Caption(), "Stored");
  EXPECT_EQ(Form->Left(), 50);
  // Children placed while loading make no window either, even on a parent that has one.
  ShowForm();
  auto* Late = MakeComponent<TProbe>(Form);
  Late->SetLoading(true);
  Late->SetParent(Form);
  EXPECT_FALSE(Late->HandleAllocated());
  Late->Loaded();
  EXPECT_TRUE(Late->HandleAllocated());
  EXPECT_EQ(GetParent(Late->Handle()), Form->Handle());
}

TEST_F(WindowLayerTest, AFormReadWithVisibleShowsWhenLoaded) {
  Form->SetLoading(true);
  Form->SetVisible(true);
  EXPECT_FALSE(Form->HandleAllocated());
  Form->Loaded();
  ASSERT_TRUE(Form->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
}

TEST_F(WindowLayerTest, ATimerTicksWhileEnabledAndNotWhileLoading) {
  auto* Timer = MakeComponent<TTimer>(Form);
  Timer->SetLoading(true);
  Timer->SetInterval(15);
  int Ticks = 0;
  Timer->SetOnTimer([&Ticks](TObject*) { ++Ticks; });
  EXPECT_FALSE(Timer->Running());
  Timer->Loaded();
  EXPECT_TRUE(Timer->Running());
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 2; }, 2000));
  Timer->SetEnabled(false);
  const int Stopped = Ticks;
  PumpFor(100);
  EXPECT_EQ(Ticks, Stopped);
  Timer->SetEnabled(true);
  Timer->SetInterval(0);
  EXPECT_FALSE(Timer->Running());
}

} // namespace
